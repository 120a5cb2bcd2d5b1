// A whole installation of the product's own payload into a folder on C:, done as
// the destination page and the progress page do it; the script is compared byte
// for byte after it has been closed.
#include <shlobj.h>

#include "install/install_run.h"
#include "install/registry.h"
#include "tests/install/install_test_env.h"

namespace {

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    return path;
}

using ProductInstallTest = InstallFolderTest;

TEST_F(ProductInstallTest, ScriptOfAWholeInstallation)
{
    // The destination page's commit: language value and the first line.
    WriteLanguageValue(936);
    WriteScriptKeyLine("SOFTWARE");

    InstallHost host;
    ASSERT_TRUE(RunInstall(host.hwnd()));
    EXPECT_EQ(host.progress, (std::vector<std::string>{"range 0-5", "pos 0", "pos 1", "pos 2", "pos 3", "pos 4"}));

    const std::string dir = g_strInstallDir;
    for (const char* name : {"Tarvexion.exe", "Help.chm", "uninstall.exe", "SpecsList.ini", "Tarvexion.dll"})
        EXPECT_TRUE(FileExists(dir + name)) << name;

    std::string programs = SpecialFolder(CSIDL_COMMON_PROGRAMS);
    if (programs.back() != '\\')
        programs += '\\';
    std::string group = programs + "Ostrevan4.1C";
    std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    std::string uninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C";

    std::string expected = "J0,2,SOFTWARE\\Ostrevan4.1C,\r\n"
                           "J0,2," + uninstallKey + "\\DisplayName,\r\n"
                           "J0,2," + uninstallKey + "\\UninstallString,\r\n"
                           "J0,2," + uninstallKey + ",\r\n"
                           "P0," + dir + "Tarvexion.exe,0\r\n"
                           "P0," + dir + "Help.chm,0\r\n"
                           "P0," + dir + "uninstall.exe,0\r\n"
                           "P0," + dir + "SpecsList.ini,0\r\n"
                           "P0," + dir + "Tarvexion.dll,0\r\n"
                           "P0," + dir + "SpecsList.ini,0\r\n"
                           "P0," + dir + "Tarvexis.ini,0\r\n"
                           "P0," + dir + "uninstall.ini,0\r\n"
                           "U0," + dir.substr(0, dir.size() - 1) + ",0\r\n"
                           "P0," + group + "\\Ostrevware.lnk,0\r\n"
                           "P0," + group + "\\\xB0\xEF\xD6\xFA.lnk,0\r\n"
                           "P0," + group + "\\\xD0\xB6\xD4\xD8.lnk,0\r\n"
                           "U0," + group + ",0\r\n"
                           "P0," + desktop + "\\Ostrevware.lnk,0\r\n"
                           "A10,Ostrevan4.1C\r\n"
                           "A13,OK\r\n"
                           "A36,Can't copy file %s to %s\r\n"
                           "A42,Removing files ...\r\n"
                           "A43,Are you sure you want uninstall %s?\r\n"
                           "A44,Remove\r\n"
                           "A45,Remove all\r\n"
                           "A46,Close\r\n"
                           "A47,%s will be removed after restart\r\n"
                           "A48,Uninstall\r\n"
                           "A49,Can't process %s\r\n"
                           "A50,Uninstall succeed!\r\n"
                           "A51,Future other application procedure or you will possibly need %s.Do you still "
                           "delete them?\r\n"
                           "A52,Can't remove %s,retry?\r\n"
                           "A53,The files created befor(or after) install, and future other application "
                           "procedure or you will possibly need them\r\n"
                           "A54,Removing registry keys...\r\n"
                           "A55,Deleting records in INI files...\r\n"
                           "A58,Waiting...\r\n"
                           "A80,Are you sure you want terminate the uninstall\xA3\xBF\r\n"
                           "A81,Checking the installed program...\r\n";
    g_uninstallScript.Close();
    std::string actual = ReadFileBytes(dir + "uninstall.ini");
    EXPECT_EQ(actual, expected);
    size_t lines = 0;
    for (size_t i = 0; i + 1 < actual.size(); ++i)
        lines += actual.compare(i, 2, "\r\n") == 0;
    EXPECT_EQ(lines, 38u);
}

}  // namespace
