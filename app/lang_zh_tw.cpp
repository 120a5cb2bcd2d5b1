// Traditional Chinese texts. This file is compiled with -fexec-charset=BIG5, so
// the literals below become the Big5 bytes the program shows under code page 950.
#include "app/text_table.h"

namespace {
constexpr SlotText kTexts[] = {
    {1, "安裝"},
    {2, "你確定要退出安裝程序嗎?"},
    {3, "正在創建快截方式..."},
    {4, "復制文件:"},
    {5, "< 上一步"},
    {6, "下一步 >"},
    {7, "取消"},
    {8, "完成"},
    {11, "Ostrevix.lnk"},
    {12, "幫助.lnk"},
    {13, "卸載.lnk"},
    {14, " "},
    {21, "安裝錯誤，數據可能被破壞!"},
    {22, "無效的路徑!"},
    {23, "此路徑不存在，是否新建?"},
    {24, "你必須接受此協議才能繼續!"},
    {25, "請閱讀下面的協議，只有接受該協議才能繼續安裝"},
    {26, "我接受此協議"},
    {27, "我不接受此協議"},
    {28, "歡迎安裝"},
    {31, "配置"},
    {32, "選擇安裝目錄"},
    {33, "自動加載配置:"},
    {34, "安裝目錄 :"},
    {41, "正在安裝，請稍候"},
    {42, "進度:"},
    {43, "文件名"},
    {51, "安裝完成"},
    {52, "軟件安裝完成。"},
    {53, "無法操作注冊表，請確保您有存取注冊表的權限!"},
};
}  // namespace

extern const TextTable g_tableZhTw = MakeTextTable(kTexts);
