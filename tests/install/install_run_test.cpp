// The install run's outcomes, each with what it leaves behind: installed files,
// script lines, temporary payload copies and the messages the user sees.
#include <algorithm>

#include "install/install_run.h"
#include "tests/install/install_test_env.h"
#include "tests/support/msgbox_watcher.h"
#include "tests/support/zip_writer.h"

#include <commctrl.h>

namespace {

const std::string kJ1 = "J0,2,Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C\\DisplayName,";
const std::string kJ2 = "J0,2,Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C\\UninstallString,";
const std::string kJ3 = "J0,2,Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C,";

class InstallRunTest : public InstallFolderTest
{
protected:
    void SetUp() override
    {
        InstallFolderTest::SetUp();
        m_tempBefore = PayloadTempFiles();
    }
    // No run leaves its temporary payload copy behind, whatever its outcome.
    void ExpectNoTempLeft() { EXPECT_EQ(PayloadTempFiles(), m_tempBefore); }

    std::vector<std::string> m_tempBefore;
    InstallHost m_host;
};

TEST_F(InstallRunTest, WritesEveryFileWithProgressAndScriptLines)
{
    std::string zip = MakeZip({{"a.txt", "alpha"}, {"b.bin", std::string("\0\1\2\xFF", 4)}, {"c.txt", ""},
                               {"d.txt", "delta\r\n"}, {"e.txt", std::string(70000, 'e')}});
    PayloadModule payload(&zip);
    ASSERT_TRUE(RunInstall(m_host.hwnd()));

    EXPECT_EQ(ReadFileBytes(g_strInstallDir + "a.txt"), "alpha");
    EXPECT_EQ(ReadFileBytes(g_strInstallDir + "b.bin"), std::string("\0\1\2\xFF", 4));
    EXPECT_TRUE(FileExists(g_strInstallDir + "c.txt"));
    EXPECT_EQ(ReadFileBytes(g_strInstallDir + "c.txt"), "");
    EXPECT_EQ(ReadFileBytes(g_strInstallDir + "e.txt"), std::string(70000, 'e'));
    EXPECT_EQ(m_host.progress,
              (std::vector<std::string>{"range 0-5", "pos 0", "pos 1", "pos 2", "pos 3", "pos 4"}));
    EXPECT_EQ(m_host.Label(), g_textSlots[3]);
    ExpectNoTempLeft();

    std::vector<std::string> lines = ScriptLines();
    ASSERT_GE(lines.size(), 12u);
    std::vector<std::string> head(lines.begin(), lines.begin() + 12);
    std::string dir = g_strInstallDir;
    EXPECT_EQ(head, (std::vector<std::string>{kJ1, kJ2, kJ3, "P0," + dir + "a.txt,0", "P0," + dir + "b.bin,0",
                                              "P0," + dir + "c.txt,0", "P0," + dir + "d.txt,0",
                                              "P0," + dir + "e.txt,0", "P0," + dir + "SpecsList.ini,0",
                                              "P0," + dir + "Tarvexis.ini,0", "P0," + dir + "uninstall.ini,0",
                                              "U0," + dir.substr(0, dir.size() - 1) + ",0"}));
    EXPECT_EQ(lines.back(), "A81,Checking the installed program...");
}

TEST_F(InstallRunTest, StatusLineShowsTheFullTargetPath)
{
    // The label is repainted as each file is written; its last file text names the full path.
    std::string zip = MakeZip({{"only.txt", "x"}});
    PayloadModule payload(&zip);
    HWND label = GetDlgItem(m_host.hwnd(), 1015);
    ASSERT_TRUE(RunInstall(m_host.hwnd()));
    (void)label;
    EXPECT_EQ(m_host.Label(), g_textSlots[3]);
    EXPECT_EQ(ScriptLines()[3], "P0," + g_strInstallDir + "only.txt,0");
}

TEST_F(InstallRunTest, FolderOnlyAndEmptyArchivesSucceedWithoutFiles)
{
    struct Case
    {
        std::vector<ZipItem> items;
        const char* range;
    } cases[] = {{{{"sub/", ""}, {"sub/deeper/", ""}}, "range 0-2"}, {{}, "range 0-0"}};
    for (const Case& c : cases)
    {
        m_host.progress.clear();
        std::string zip = MakeZip(c.items);
        PayloadModule payload(&zip);
        ASSERT_TRUE(RunInstall(m_host.hwnd()));
        EXPECT_EQ(m_host.progress, (std::vector<std::string>{c.range}));
        EXPECT_FALSE(FileExists(g_strInstallDir + "sub"));
    }
    ExpectNoTempLeft();
}

TEST_F(InstallRunTest, MissingOrUnreadablePayloadFailsSilently)
{
    std::string notAnArchive = "this is not an archive at all";
    const std::string* payloads[] = {nullptr, &notAnArchive};
    for (const std::string* bytes : payloads)
    {
        PayloadModule payload(bytes);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(RunInstall(m_host.hwnd()));
        EXPECT_TRUE(watcher.Seen().empty());
    }
    ExpectNoTempLeft();
    EXPECT_EQ(ScriptLines(), (std::vector<std::string>{kJ1, kJ2, kJ3, kJ1, kJ2, kJ3}));
}

TEST_F(InstallRunTest, UnreadableEntryShowsTheReadersTextAndKeepsEarlierFiles)
{
    std::string zip = MakeZip({{"first.txt", "one"}, {"second.txt", "two"}, {"third.txt", "three"}});
    // Break the local header of the second entry: its data can no longer be found.
    size_t second = zip.find("PK\x03\x04", 4);
    ASSERT_NE(second, std::string::npos);
    zip[second + 2] = 'X';
    PayloadModule payload(&zip);
    MessageBoxWatcher watcher;
    EXPECT_FALSE(RunInstall(m_host.hwnd()));
    std::vector<SeenMessageBox> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Could not unzip file at the specified position from the archive !");
    EXPECT_EQ(seen[0].caption, "install_run_test");
    EXPECT_EQ(ReadFileBytes(g_strInstallDir + "first.txt"), "one");
    EXPECT_FALSE(FileExists(g_strInstallDir + "second.txt"));
    ExpectNoTempLeft();
    EXPECT_EQ(ScriptLines(), (std::vector<std::string>{kJ1, kJ2, kJ3, "P0," + g_strInstallDir + "first.txt,0"}));
}

TEST_F(InstallRunTest, TargetThatCannotBeCreatedFailsTheRun)
{
    // A file another program holds open without sharing, a folder where the file
    // should go, and a file in a folder the run does not create. (A read-only file
    // would do on Windows; Wine running as root writes over read-only files.)
    std::string held = g_strInstallDir + "held.txt";
    HANDLE hHeld = CreateFileA(held.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    CreateDirectoryA((g_strInstallDir + "taken.txt").c_str(), nullptr);

    const std::vector<ZipItem> cases[] = {
        {{"ok.txt", "fine"}, {"held.txt", "new"}},
        {{"ok.txt", "fine"}, {"taken.txt", "new"}},
        {{"ok.txt", "fine"}, {"sub/", ""}, {"sub/file.txt", "nested"}},
    };
    for (const auto& items : cases)
    {
        DeleteFileA((g_strInstallDir + "ok.txt").c_str());
        std::string zip = MakeZip(items);
        PayloadModule payload(&zip);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(RunInstall(m_host.hwnd())) << items.back().name;
        EXPECT_TRUE(watcher.Seen().empty());
        EXPECT_EQ(ReadFileBytes(g_strInstallDir + "ok.txt"), "fine");
    }
    CloseHandle(hHeld);
    EXPECT_EQ(ReadFileBytes(held), "");
    EXPECT_FALSE(FileExists(g_strInstallDir + "sub"));
    ExpectNoTempLeft();
    std::vector<std::string> lines = ScriptLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "P0," + g_strInstallDir + "ok.txt,0"), 3);
    EXPECT_EQ(lines.size(), 12u);  // three runs of three J lines and one P line
}

TEST_F(InstallRunTest, EntryNamesLeavingTheInstallFolderAreRefused)
{
    const char* names[] = {"../evil.txt", "..\\evil.txt", "sub/../../evil.txt", "a/b/..", "C:evil.txt",
                           "/evil.txt", "\\evil.txt", "evil.txt:stream", "c:\\evil.txt"};
    for (const char* name : names)
    {
        std::string zip = MakeZip({{"good.txt", "g"}, {name, "bad"}});
        PayloadModule payload(&zip);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(RunInstall(m_host.hwnd())) << name;
        std::vector<SeenMessageBox> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u) << name;
        EXPECT_NE(seen[0].text.find(std::string("\"") + name + "\""), std::string::npos) << seen[0].text;
    }
    std::string parent = m_dir.path().substr(0, m_dir.path().find_last_of('\\') + 1);
    EXPECT_FALSE(FileExists(parent + "evil.txt"));
    EXPECT_FALSE(FileExists("C:\\evil.txt"));
    EXPECT_FALSE(FileExists(g_strInstallDir + "evil.txt"));
    ExpectNoTempLeft();
}

TEST_F(InstallRunTest, DriveRootAsInstallFolder)
{
    g_strInstallDir = "C:\\";
    std::string zip = MakeZip({{"ostrevan_root_test.txt", "root"}});
    PayloadModule payload(&zip);
    ASSERT_TRUE(RunInstall(m_host.hwnd()));
    EXPECT_EQ(ReadFileBytes("C:\\ostrevan_root_test.txt"), "root");
    DeleteFileA("C:\\ostrevan_root_test.txt");
    std::vector<std::string> lines = ScriptLines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 8),
              (std::vector<std::string>{"P0,C:\\ostrevan_root_test.txt,0", "P0,C:\\SpecsList.ini,0",
                                        "P0,C:\\Tarvexis.ini,0", "P0,C:\\uninstall.ini,0", "U0,C:,0"}));
}

TEST_F(InstallRunTest, ProgressRangeBeyond16Bits)
{
    // Entry counts past 65535 keep their full value (the 16-bit range message would cut them).
    const struct
    {
        int nCount;
        const char* range;
    } cases[] = {{0, "range 0-0"}, {5, "range 0-5"}, {65535, "range 0-65535"}, {65536, "range 0-65536"},
                 {70000, "range 0-70000"}};
    for (const auto& c : cases)
    {
        m_host.progress.clear();
        SetProgressRange(m_host.hwnd(), c.nCount);
        EXPECT_EQ(m_host.progress, (std::vector<std::string>{c.range}));
    }
    HWND bar = GetDlgItem(m_host.hwnd(), 1016);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 70000);
}

TEST(EntryNames, SafetyRules)
{
    SelectLanguage(936);
    const struct
    {
        const char* name;
        bool safe;
    } cases[] = {
        {"a.txt", true},
        {"sub/a.txt", true},
        {"sub\\a.txt", true},
        {"..a", true},
        {"a..", true},
        {"./a", true},
        {"\xB0\xEF\xD6\xFA.txt", true},  // 帮助.txt
        // 0x81 0x5C is one GBK character; its second byte is no separator.
        {"\x81\x5C..", true},
        {"", false},
        {"..", false},
        {"../a", false},
        {"a/../../b", false},
        {"a\\..\\..\\b", false},
        {"C:a", false},
        {"a:b", false},
        {"/a", false},
        {"\\a", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSafeEntryName(c.name), c.safe) << c.name;
}

}  // namespace

namespace {

// Run by tests/install/run-full-disk.sh, which maps drive T: to a 64 KB tmpfs.
class FullDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (GetDriveTypeA("T:\\") == DRIVE_NO_ROOT_DIR)
            GTEST_SKIP() << "no small drive T: in this run";
        CoInitialize(nullptr);
        SelectLanguage(936);
        m_tempBefore = PayloadTempFiles();
    }
    void TearDown() override
    {
        g_uninstallScript.Close();
        g_strInstallDir.clear();
        RemoveTree("T:\\inst");
        CoUninitialize();
    }
    std::vector<std::string> m_tempBefore;
    InstallHost m_host;
};

TEST_F(FullDisk, ShortWriteOfAnInstalledFileFailsTheRun)
{
    CreateDirectoryA("T:\\inst", nullptr);
    g_strInstallDir = "T:\\inst\\";
    ASSERT_TRUE(OpenUninstallScript(g_strInstallDir));
    std::string zip = MakeZip({{"small.txt", "fits"}, {"big.bin", std::string(200000, 'b')}, {"after.txt", "x"}});
    PayloadModule payload(&zip);
    EXPECT_FALSE(RunInstall(m_host.hwnd()));
    EXPECT_EQ(ReadFileBytes("T:\\inst\\small.txt"), "fits");
    EXPECT_FALSE(FileExists("T:\\inst\\big.bin"));  // no half-written file is left
    EXPECT_FALSE(FileExists("T:\\inst\\after.txt"));
    EXPECT_EQ(PayloadTempFiles(), m_tempBefore);
    g_uninstallScript.Close();
    std::string script = ReadFileBytes("T:\\inst\\uninstall.ini");
    EXPECT_NE(script.find("P0,T:\\inst\\small.txt,0\r\n"), std::string::npos);
    EXPECT_EQ(script.find("big.bin"), std::string::npos);
}

}  // namespace
