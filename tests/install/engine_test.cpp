// The uninstall script's lines and encoding, the registry writers, and the shortcuts.
#include <shlobj.h>
#include <shobjidl.h>

#include "install/registry.h"
#include "install/shortcuts.h"
#include "tests/install/install_test_env.h"
#include "tests/support/product_script.h"

namespace {

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    return path;
}

std::string LinkTarget(const std::string& link)
{
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    std::string target = "<unreadable>";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink))))
    {
        if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        {
            wchar_t wide[MAX_PATH * 2] = {};
            MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH * 2);
            char path[MAX_PATH + 1] = {};
            if (SUCCEEDED(file->Load(wide, STGM_READ)) && SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
                target = path;
            file->Release();
        }
        shellLink->Release();
    }
    return target;
}

std::string RegString(HKEY root, const char* key, const char* value)
{
    char data[1024] = {};
    DWORD size = sizeof data, type = 0;
    HKEY h;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return "<no key>";
    LONG r = RegQueryValueExA(h, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(h);
    if (r != ERROR_SUCCESS)
        return "<no value>";
    return type == REG_SZ ? std::string(data) : "<type " + std::to_string(type) + ">";
}

using ScriptTest = InstallFolderTest;

TEST_F(ScriptTest, LineFormatsAndMessageBlockBytes)
{
    WriteScriptKeyLine("SOFTWARE");
    WriteScriptValueLine(kUninstallKeyPrefix, "DisplayName");
    WriteScriptFileLine("C:\\a b,c\\x.txt");
    WriteScriptFolderLine("C:");
    WriteMessageBlock();
    std::string expected =
        "J0,2,SOFTWARE\\Ostrevan4.1C,\r\n"
        "J0,2,Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C\\DisplayName,\r\n"
        "P0,C:\\a b,c\\x.txt,0\r\n"
        "U0,C:,0\r\n" +
        ExpectedMessageBlock();
    g_uninstallScript.Close();
    EXPECT_EQ(ReadFileBytes(g_strInstallDir + "uninstall.ini"), expected);
}

TEST_F(ScriptTest, ReopeningReplacesAReadOnlyScriptCompletely)
{
    WriteScriptKeyLine("FIRST");
    g_uninstallScript.Close();
    SetFileAttributesA((g_strInstallDir + "uninstall.ini").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(OpenUninstallScript(g_strInstallDir));
    WriteScriptKeyLine("SECOND");
    EXPECT_EQ(ScriptLines(), (std::vector<std::string>{"J0,2,SECOND\\Ostrevan4.1C,"}));
}

TEST_F(ScriptTest, WritersSkipSilentlyWithoutAScript)
{
    g_uninstallScript.Close();
    WriteScriptFileLine("C:\\x");
    WriteMessageBlock();
    EXPECT_EQ(ReadFileBytes(g_strInstallDir + "uninstall.ini"), "");
}

TEST(Registry, RootsAndValueLimits)
{
    CRegistryKey key;
    EXPECT_FALSE(key.SetRootKey(HKEY_CURRENT_CONFIG));
    EXPECT_EQ(key.m_hRootKey, HKEY_CURRENT_USER);
    EXPECT_FALSE(key.SetRootKey(reinterpret_cast<HKEY>(0x1234)));
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_USERS, HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    {
        EXPECT_TRUE(key.SetRootKey(root));
        EXPECT_EQ(key.m_hRootKey, root);
    }
    EXPECT_FALSE(key.Open("Software\\OstrevanTest\\Missing", FALSE));
    ASSERT_TRUE(key.Open("Software\\OstrevanTest", TRUE));
    EXPECT_TRUE(key.SetString("v254", std::string(254, 'x')));
    EXPECT_FALSE(key.SetString("v255", std::string(255, 'x')));
    key.Close();
    EXPECT_EQ(RegString(HKEY_CURRENT_USER, "Software\\OstrevanTest", "v254"), std::string(254, 'x'));
    EXPECT_EQ(RegString(HKEY_CURRENT_USER, "Software\\OstrevanTest", "v255"), "<no value>");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\OstrevanTest");
}

TEST(Registry, LanguageValueAndUninstallEntry)
{
    g_strInstallDir = "C:\\Program Files\\Ostrevan4.1C\\";
    EXPECT_TRUE(WriteLanguageValue(936));
    EXPECT_TRUE(WriteUninstallEntry());
    g_strInstallDir.clear();

    HKEY h;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvalend Server", 0, KEY_READ, &h), ERROR_SUCCESS);
    DWORD value = 0, size = sizeof value, type = 0;
    EXPECT_EQ(RegQueryValueExA(h, "Language", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
    RegCloseKey(h);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(value, 936u);

    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C";
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, key, "DisplayName"), "Ostrevan4.1C");
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, key, "UninstallString"), "C:\\Program Files\\Ostrevan4.1C\\uninstall.exe");
}

using ShortcutTest = InstallFolderTest;

TEST_F(ShortcutTest, GroupAndDesktopShortcutsPointIntoTheInstallFolder)
{
    ASSERT_TRUE(CreateShortcuts());
    std::string programs = SpecialFolder(CSIDL_COMMON_PROGRAMS);
    if (programs.back() != '\\')
        programs += '\\';
    std::string group = programs + "Ostrevan4.1C";
    std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    const std::string dir = g_strInstallDir;

    const struct
    {
        std::string link, target;
    } links[] = {
        {group + "\\Ostrevware.lnk", dir + "Tarvexion.exe"},
        {group + "\\\xB0\xEF\xD6\xFA.lnk", dir + "Help.chm"},       // 帮助.lnk
        {group + "\\\xD0\xB6\xD4\xD8.lnk", dir + "uninstall.exe"},  // 卸载.lnk
        {desktop + "\\Ostrevware.lnk", dir + "Tarvexion.exe"},
    };
    for (const auto& l : links)
    {
        EXPECT_TRUE(FileExists(l.link)) << l.link;
        EXPECT_EQ(LinkTarget(l.link), l.target) << l.link;
    }
    // The Chinese names are real file names under code page 936.
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((std::wstring(group.begin(), group.end()) + L"\\*.lnk").c_str(), &fd);
    bool foundHelp = false;
    if (find != INVALID_HANDLE_VALUE)
    {
        do
            foundHelp = foundHelp || std::wstring(fd.cFileName) == L"\u5E2E\u52A9.lnk";
        while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    EXPECT_TRUE(foundHelp);

    std::vector<std::string> lines = ScriptLines();
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0], "P0," + links[0].link + ",0");
    EXPECT_EQ(lines[1], "P0," + links[1].link + ",0");
    EXPECT_EQ(lines[2], "P0," + links[2].link + ",0");
    EXPECT_EQ(lines[3], "U0," + group + ",0");
    EXPECT_EQ(lines[4], "P0," + links[3].link + ",0");
    EXPECT_EQ(lines[5], "A10,Ostrevan4.1C");
    EXPECT_EQ(lines[24], "A81,Checking the installed program...");

    // A second run reuses the group and replaces the links.
    ASSERT_TRUE(OpenUninstallScript(g_strInstallDir));
    EXPECT_TRUE(CreateShortcuts());
    EXPECT_EQ(LinkTarget(links[2].link), links[2].target);
}

}  // namespace
