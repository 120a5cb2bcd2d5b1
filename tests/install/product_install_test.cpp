// A whole installation of the product's own payload into a folder on C:, done as
// the destination page and the progress page do it; the script is compared byte
// for byte after it has been closed.
#include <shlobj.h>

#include "install/install_run.h"
#include "install/registry.h"
#include "tests/install/install_test_env.h"
#include "tests/support/product_script.h"

namespace {

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

    std::string expected = ExpectedProductScript(dir, ShellFolder(CSIDL_COMMON_PROGRAMS),
                                                 ShellFolder(CSIDL_DESKTOPDIRECTORY));
    g_uninstallScript.Close();
    std::string actual = ReadFileBytes(dir + "uninstall.ini");
    EXPECT_EQ(actual, expected);
    size_t lines = 0;
    for (size_t i = 0; i + 1 < actual.size(); ++i)
        lines += actual.compare(i, 2, "\r\n") == 0;
    EXPECT_EQ(lines, 38u);
}

}  // namespace
