// Simplified Chinese texts. This file is compiled with -fexec-charset=GBK, so
// the literals below become the GBK bytes the program shows under code page 936.
#include "app/text_table.h"

namespace {
constexpr SlotText kTexts[] = {
    {1, "安装"},
    {2, "你确定要退出安装程序吗?"},
    {3, "正在创建快截方式..."},
    {4, "复制文件:"},
    {5, "< 上一步"},
    {6, "下一步 >"},
    {7, "取消"},
    {8, "完成"},
    {11, "Ostrevix.lnk"},
    {12, "帮助.lnk"},
    {13, "卸载.lnk"},
    {14, " "},
    {21, "安装错误，数据可能被破坏!"},
    {22, "无效的路径!"},
    {23, "此路径不存在，是否新建?"},
    {24, "你必须接受此协议才能继续!"},
    {25, "请阅读下面的协议，只有接受该协议才能继续安装"},
    {26, "我接受此协议"},
    {27, "我不接受此协议"},
    {28, "欢迎安装"},
    {31, "配置"},
    {32, "选择安装目录"},
    {33, "自动加载配置:"},
    {34, "安装目录 :"},
    {41, "正在安装，请稍候"},
    {42, "进度:"},
    {43, "文件名"},
    {51, "安装完成"},
    {52, "软件安装完成。"},
    {53, "无法操作注册表，请确保您有存取注册表的权限!"},
};
}  // namespace

extern const TextTable g_tableZhCn = MakeTextTable(kTexts);
