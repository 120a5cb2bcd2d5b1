// setup.exe driven from outside, as a user would, in a Wine prefix where D: is a
// folder of the test's own; afterwards files, registry and shortcuts are checked.
#include <shlobj.h>

#include <fstream>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "tests/support/install_host.h"
#include "tests/support/product_script.h"
#include "tests/support/temp_dir.h"
#include "tests/support/ui_driver.h"

namespace {

const DWORD kWait = 60000;
const char kDefaultFolder[] = "D:\\Program Files\\Ostrevan4.1C";

// GBK bytes of the zh-CN texts the wizard shows.
const char kCaption[] = "\xB0\xB2\xD7\xB0 Ostrevan4.1C";  // 安装 Ostrevan4.1C
const char kBack[] = "< \xC9\xCF\xD2\xBB\xB2\xBD";        // < 上一步
const char kNext[] = "\xCF\xC2\xD2\xBB\xB2\xBD >";        // 下一步 >
const char kCancel[] = "\xC8\xA1\xCF\xFB";                // 取消
const char kFinish[] = "\xCD\xEA\xB3\xC9";                // 完成
const char kSlot2[] = "\xC4\xE3\xC8\xB7\xB6\xA8\xD2\xAA\xCD\xCB\xB3\xF6\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2\xC2\xF0?";
const char kSlot21[] = "\xB0\xB2\xD7\xB0\xB4\xED\xCE\xF3\xA3\xAC\xCA\xFD\xBE\xDD\xBF\xC9\xC4\xDC\xB1\xBB\xC6\xC6\xBB\xB5!";
const char kSlot22[] = "\xCE\xDE\xD0\xA7\xB5\xC4\xC2\xB7\xBE\xB6!";  // 无效的路径!
const char kSlot23[] = "\xB4\xCB\xC2\xB7\xBE\xB6\xB2\xBB\xB4\xE6\xD4\xDA\xA3\xAC\xCA\xC7\xB7\xF1\xD0\xC2\xBD\xA8?";
const char kSlot24[] = "\xC4\xE3\xB1\xD8\xD0\xEB\xBD\xD3\xCA\xDC\xB4\xCB\xD0\xAD\xD2\xE9\xB2\xC5\xC4\xDC\xBC\xCC\xD0\xF8!";
const char kSlot51[] = "\xB0\xB2\xD7\xB0\xCD\xEA\xB3\xC9";  // 安装完成
const char kSlot52[] = "\xC8\xED\xBC\xFE\xB0\xB2\xD7\xB0\xCD\xEA\xB3\xC9\xA1\xA3";

enum Page
{
    kNoPage,
    kLicence,
    kDestination,
    kProgress,
    kFinishPage
};

Page WhichPage(HWND hPage)
{
    if (!hPage)
        return kNoPage;
    if (GetDlgItem(hPage, 1003))
        return kLicence;
    if (GetDlgItem(hPage, 1014))
        return kDestination;
    if (GetDlgItem(hPage, 1016))
        return kProgress;
    return kFinishPage;
}

std::string Build()
{
    std::string folder = ModuleFolder();  // build\tests\e2e
    return folder.substr(0, folder.rfind('\\', folder.rfind('\\') - 1));
}

std::string Screens()
{
    std::string dir = ModuleFolder() + "\\screens";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

// "shown enabled" / "hidden disabled" for each of Back, Next, Cancel, Finish.
std::string ButtonStates(HWND hWizard)
{
    std::string s;
    for (int id : {12323, 12324, 2, 12325})
    {
        HWND b = GetDlgItem(hWizard, id);
        s += std::string(IsShown(b) ? "shown " : "hidden ") + (IsWindowEnabled(b) ? "enabled" : "disabled");
        if (id != 12325)
            s += " | ";
    }
    return s;
}

void RemoveKey(HKEY root, const std::string& path)
{
    RegDeleteKeyA(root, path.c_str());
}

class SetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Each run starts from a machine without the product.
        RemoveTree(kDefaultFolder);
        RemoveTree("D:\\Inst1");
        RemoveTree("D:\\Inst2");
        RemoveKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvalend Server");
        RemoveKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C");
        RemoveTree(ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Ostrevan4.1C");
        DeleteFileA((ShellFolder(CSIDL_DESKTOPDIRECTORY) + "\\Ostrevware.lnk").c_str());
    }

    void Start(const std::string& exe = "setup.exe")
    {
        m_process.reset(new DrivenProcess("\"" + Build() + "\\" + exe + "\""));
        ASSERT_TRUE(m_process->started()) << exe;
        m_wizard = WaitForTopWindow(m_process->pid(), 12323, kWait);
        ASSERT_NE(m_wizard, nullptr) << "no wizard window";
        ASSERT_TRUE(WaitUntil([&] { return WhichPage(ActivePage(m_wizard)) == kLicence; }, kWait));
    }

    Page Current() { return WhichPage(ActivePage(m_wizard)); }
    bool WaitForPage(Page page) { return WaitUntil([&] { return Current() == page; }, kWait); }
    HWND PageWindow() { return ActivePage(m_wizard); }

    void Click(int id) { ClickButton(m_wizard, id); }

    MessageBoxSeen NextBox() { return WaitForMessageBox(m_process->pid(), kWait); }

    void GoToDestination()
    {
        Click(12324);
        ASSERT_TRUE(WaitForPage(kDestination));
    }

    // Types the folder and presses Next.
    void TryFolder(const std::string& folder)
    {
        SetItemText(PageWindow(), 1013, folder);
        Click(12324);
    }

    void ExpectFolderFocused()
    {
        GUITHREADINFO info = {};
    info.cbSize = sizeof info;
        ASSERT_TRUE(WaitUntil(
            [&] {
                return GetGUIThreadInfo(GetWindowThreadProcessId(m_wizard, nullptr), &info) &&
                       info.hwndFocus == GetDlgItem(PageWindow(), 1013);
            },
            10000));
        DWORD start = 0, end = 0;
        SendMessageA(info.hwndFocus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, DWORD(WindowText(info.hwndFocus).size()));
    }

    // The sheet sets the buttons right after it shows a page: give it a moment.
    void ExpectButtons(const std::string& expected)
    {
        WaitUntil([&] { return ButtonStates(m_wizard) == expected; }, 10000);
        EXPECT_EQ(ButtonStates(m_wizard), expected);
    }

    void Snap(const char* name) { SaveWindowPicture(m_wizard, Screens() + "\\" + name + ".bmp"); }

    std::unique_ptr<DrivenProcess> m_process;
    HWND m_wizard = nullptr;
};

TEST_F(SetupTest, DefaultInstallationFromFirstPageToFinish)
{
    Start();
    EXPECT_EQ(WindowText(m_wizard), kCaption);
    EXPECT_EQ(ItemText(m_wizard, 12323), kBack);
    EXPECT_EQ(ItemText(m_wizard, 12324), kNext);
    EXPECT_EQ(ItemText(m_wizard, 2), kCancel);
    EXPECT_EQ(ItemText(m_wizard, 12325), kFinish);

    // Licence page: the agreement of the 936 table, exactly the resource's bytes.
    ExpectButtons("shown disabled | shown enabled | shown enabled | hidden enabled");
    EXPECT_EQ(ItemText(PageWindow(), 1003), ReadFileBytes(Build() + "\\res\\license_142.txt"));
    EXPECT_TRUE(IsChecked(PageWindow(), 1004));
    Snap("1-licence");

    GoToDestination();
    ExpectButtons("shown enabled | shown enabled | shown enabled | hidden enabled");
    EXPECT_EQ(ItemText(PageWindow(), 1013), kDefaultFolder);
    Snap("2-destination");

    // Escape and Enter typed in the folder box belong to the page, which ignores them.
    HWND edit = GetDlgItem(PageWindow(), 1013);
    for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN)})
    {
        PostMessageA(edit, WM_KEYDOWN, key, 0x00010001);
        PostMessageA(edit, WM_KEYUP, key, 0xC0010001);
    }
    Sleep(1500);
    EXPECT_TRUE(NoMessageBox(m_process->pid()));
    EXPECT_EQ(Current(), kDestination);
    EXPECT_TRUE(m_process->IsRunning());

    Click(12324);
    MessageBoxSeen ask = NextBox();
    EXPECT_EQ(ask.caption, "Install");
    EXPECT_EQ(ask.text, std::string(kDefaultFolder) + "\n\n" + kSlot23);
    Answer(ask, IDYES);

    // The progress page passes quickly; a picture of it is taken when it can be.
    if (WaitUntil([&] { return Current() == kProgress || Current() == kFinishPage; }, kWait) && Current() == kProgress)
    {
        ExpectButtons("shown disabled | shown disabled | shown disabled | hidden enabled");
        Snap("3-progress");
    }
    ASSERT_TRUE(WaitForPage(kFinishPage));
    ExpectButtons("hidden enabled | hidden disabled | hidden enabled | shown enabled");
    EXPECT_EQ(ItemText(PageWindow(), 1008), kSlot51);
    EXPECT_EQ(ItemText(PageWindow(), 1009), kSlot52);
    Snap("4-finish");

    Click(12325);
    ASSERT_TRUE(m_process->WaitForExit(kWait));

    std::string dir = std::string(kDefaultFolder) + "\\";
    EXPECT_EQ(ReadFileBytes(dir + "uninstall.ini"),
              ExpectedProductScript(dir, ShellFolder(CSIDL_COMMON_PROGRAMS), ShellFolder(CSIDL_DESKTOPDIRECTORY)));
    for (const char* name : {"Tarvexion.exe", "Help.chm", "uninstall.exe", "SpecsList.ini", "Tarvexion.dll"})
        EXPECT_TRUE(FileExists(dir + name)) << name;
    EXPECT_TRUE(FileExists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "\\Ostrevware.lnk"));
    EXPECT_TRUE(FileExists(ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Ostrevan4.1C\\\xD0\xB6\xD4\xD8.lnk"));

    HKEY h;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvalend Server", 0, KEY_READ, &h), ERROR_SUCCESS);
    DWORD value = 0, size = sizeof value;
    RegQueryValueExA(h, "Language", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(h);
    EXPECT_EQ(value, 936u);
    char text[512] = {};
    size = sizeof text;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrevan4.1C",
                            0, KEY_READ, &h),
              ERROR_SUCCESS);
    RegQueryValueExA(h, "UninstallString", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(h);
    EXPECT_STREQ(text, (dir + "uninstall.exe").c_str());
}

TEST_F(SetupTest, LicenceMustBeAcceptedAndCancelAsksFirst)
{
    Start();
    ClickButton(PageWindow(), 1005);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(PageWindow(), 1005); }, 10000));
    Click(12324);
    MessageBoxSeen refused = NextBox();
    EXPECT_EQ(refused.caption, "Install");
    EXPECT_EQ(refused.text, kSlot24);
    Answer(refused, IDOK);
    EXPECT_EQ(Current(), kLicence);

    // Cancel on the licence page, answered No: the wizard stays.
    Click(2);
    MessageBoxSeen ask = NextBox();
    EXPECT_EQ(ask.text, kSlot2);
    Answer(ask, IDNO);
    EXPECT_EQ(Current(), kLicence);

    ClickButton(PageWindow(), 1004);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(PageWindow(), 1004); }, 10000));
    GoToDestination();

    // Cancel on the destination page asks the licence page's question.
    Click(2);
    ask = NextBox();
    EXPECT_EQ(ask.text, kSlot2);
    Answer(ask, IDNO);
    EXPECT_EQ(Current(), kDestination);
    Click(2);
    Answer(NextBox(), IDYES);
    ASSERT_TRUE(m_process->WaitForExit(kWait));
    EXPECT_FALSE(FileExists(kDefaultFolder));
    HKEY h;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvalend Server", 0, KEY_READ, &h), ERROR_SUCCESS);

    // Cancelled on the first page.
    Start();
    Click(2);
    Answer(NextBox(), IDYES);
    EXPECT_TRUE(m_process->WaitForExit(kWait));
}

TEST_F(SetupTest, InvalidFoldersAreRefusedAndFocused)
{
    Start();
    GoToDestination();
    const char* invalid[] = {"", "   ", "folder", "\\folder", "\\\\server\\share", "D:\\a\\\\b", "D:\\\\",
                             " D:\\x\\\\ "};
    for (const char* folder : invalid)
    {
        TryFolder(folder);
        MessageBoxSeen box = NextBox();
        EXPECT_EQ(box.caption, "Install") << folder;
        EXPECT_EQ(box.text, kSlot22) << "[" << folder << "]";
        Answer(box, IDOK);
        EXPECT_EQ(Current(), kDestination);
        ExpectFolderFocused();
    }

    // 1:\x passes the drive test, is missing, and cannot be created.
    TryFolder("1:\\x");
    MessageBoxSeen ask = NextBox();
    EXPECT_EQ(ask.text, std::string("1:\\x\n\n") + kSlot23);
    Answer(ask, IDYES);
    MessageBoxSeen failed = NextBox();
    EXPECT_EQ(failed.caption, "setup");
    EXPECT_EQ(failed.text, "Could not create folder:\n1:\\x");
    Answer(failed, IDOK);
    ExpectFolderFocused();

    // No is an answer too: nothing is created.
    TryFolder("D:\\Inst1");
    Answer(NextBox(), IDNO);
    EXPECT_EQ(Current(), kDestination);
    EXPECT_FALSE(FileExists("D:\\Inst1"));
    ExpectFolderFocused();
}

TEST_F(SetupTest, TrailingBackslashAndBlanksAreTidied)
{
    const struct
    {
        const char* typed;
        const char* dir;
    } cases[] = {{"D:\\Inst1\\", "D:\\Inst1\\"}, {"  D:\\Inst2 \t", "D:\\Inst2\\"}};
    for (const auto& c : cases)
    {
        Start();
        GoToDestination();
        TryFolder(c.typed);
        Answer(NextBox(), IDYES);
        ASSERT_TRUE(WaitForPage(kFinishPage)) << c.typed;
        Click(12325);
        ASSERT_TRUE(m_process->WaitForExit(kWait));
        std::string script = ReadFileBytes(std::string(c.dir) + "uninstall.ini");
        EXPECT_NE(script.find(std::string("\r\nP0,") + c.dir + "Tarvexion.exe,0\r\n"), std::string::npos) << c.typed;
        EXPECT_EQ(script.find("\\\\"), std::string::npos) << c.typed;
    }
}

TEST_F(SetupTest, AnExistingPlainFileIsTakenAsTheFolder)
{
    std::string file = "D:\\plainfile";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    Start();
    GoToDestination();
    TryFolder(file);
    // It exists, so there is no question; the installation into it then fails.
    MessageBoxSeen box = NextBox();
    EXPECT_EQ(box.caption, "Install");
    EXPECT_EQ(box.text, kSlot21);
    Answer(box, IDOK);
    EXPECT_TRUE(m_process->WaitForExit(kWait));
    DeleteFileA(file.c_str());
}

TEST_F(SetupTest, DamagedPayloadReportsTheArchiveErrorThenFails)
{
    Start("tests\\e2e\\setup_damaged.exe");
    GoToDestination();
    Click(12324);
    Answer(NextBox(), IDYES);
    MessageBoxSeen archive = NextBox();
    EXPECT_EQ(archive.caption, "setup_damaged");
    EXPECT_EQ(archive.text, "Could not unzip file at the specified position from the archive !");
    Answer(archive, IDOK);
    MessageBoxSeen failed = NextBox();
    EXPECT_EQ(failed.caption, "Install");
    EXPECT_EQ(failed.text, kSlot21);
    // Licence, destination and progress pages only: the finish page was never made.
    EXPECT_EQ(PageWindows(m_wizard).size(), 3u);
    Answer(failed, IDOK);
    EXPECT_TRUE(m_process->WaitForExit(kWait));
    EXPECT_TRUE(FileExists(std::string(kDefaultFolder) + "\\Tarvexion.exe"));
    EXPECT_FALSE(FileExists(std::string(kDefaultFolder) + "\\Help.chm"));
}

// Everything an installation may touch, listed: files on D:, the Start-menu
// group, the desktop shortcut, the product's registry keys and values.
void ListTree(const std::string& folder, std::string& out, bool bRecursive = true)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do
    {
        std::string name = fd.cFileName;
        if (name == "." || name == "..")
            continue;
        out += folder + "\\" + name + "\n";
        if (bRecursive && (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ListTree(folder + "\\" + name, out);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

std::string SubKeys(const char* path)
{
    std::string out;
    HKEY h;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return "<no key>";
    char name[256];
    for (DWORD i = 0;; ++i)
    {
        DWORD n = sizeof name;
        if (RegEnumKeyExA(h, i, name, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        out += std::string(path) + "\\" + name + "\n";
    }
    RegCloseKey(h);
    return out;
}

std::string MachineState()
{
    std::string state;
    ListTree("D:", state);
    ListTree(ShellFolder(CSIDL_COMMON_PROGRAMS), state);
    // Wine may map the desktop to the whole home folder: its top level is enough.
    ListTree(ShellFolder(CSIDL_DESKTOPDIRECTORY), state, false);
    state += SubKeys("SOFTWARE");
    state += SubKeys("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
    return state;
}

class UninstallTest : public SetupTest
{
protected:
    const std::string kDir = std::string(kDefaultFolder) + "\\";

    void InstallDefault()
    {
        Start();
        GoToDestination();
        Click(12324);
        Answer(NextBox(), IDYES);
        ASSERT_TRUE(WaitForPage(kFinishPage));
        Click(12325);
        ASSERT_TRUE(m_process->WaitForExit(kWait));
    }

    // Starts the installed uninstall.exe and answers its first question.
    void StartUninstall(int nAnswer)
    {
        m_uninstall.reset(new DrivenProcess("\"" + kDir + "uninstall.exe\""));
        ASSERT_TRUE(m_uninstall->started());
        MessageBoxSeen ask = WaitForMessageBox(m_uninstall->pid(), kWait);
        EXPECT_EQ(ask.caption, "Uninstall");
        EXPECT_EQ(ask.text, "Are you sure you want uninstall Ostrevan4.1C?");
        Answer(ask, nAnswer);
        ASSERT_TRUE(m_uninstall->WaitForExit(kWait));
    }

    // The closing message of the copy that does the work.
    std::string FinalMessage()
    {
        MessageBoxSeen done = WaitForMessageBoxTitled("Uninstall", kWait);
        Answer(done, IDOK);
        Sleep(1000);  // the copy ends after its last message
        return done.text;
    }

    std::unique_ptr<DrivenProcess> m_uninstall;
};

TEST_F(UninstallTest, RemovesEverythingTheInstallationMade)
{
    std::string before = MachineState();
    InstallDefault();
    ASSERT_NE(MachineState(), before);
    StartUninstall(IDYES);
    EXPECT_EQ(FinalMessage(), "Uninstall succeed!");
    EXPECT_EQ(MachineState(), before);
    HKEY h;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvalend Server", 0, KEY_READ, &h), ERROR_SUCCESS);
}

TEST_F(UninstallTest, NoAtTheQuestionLeavesEverything)
{
    InstallDefault();
    std::string installed = MachineState();
    StartUninstall(IDNO);
    Sleep(1000);
    EXPECT_EQ(MachineState(), installed);
}

TEST_F(UninstallTest, FolderWithAUserFileStays)
{
    InstallDefault();
    {
        std::ofstream notes(kDir + "notes.txt");
        notes << "mine";
    }
    StartUninstall(IDYES);
    std::string text = FinalMessage();
    EXPECT_NE(text.find(std::string(kDefaultFolder) + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("possibly need them"), std::string::npos) << text;
    EXPECT_EQ(ReadFileBytes(kDir + "notes.txt"), "mine");
    EXPECT_FALSE(FileExists(kDir + "Tarvexion.exe"));
    EXPECT_FALSE(FileExists(kDir + "uninstall.exe"));
    EXPECT_FALSE(FileExists(kDir + "uninstall.ini"));
}

TEST_F(UninstallTest, FileInUseIsLeftForTheNextStart)
{
    InstallDefault();
    std::string dll = kDir + "Tarvexion.dll";
    HANDLE held = CreateFileA(dll.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    StartUninstall(IDYES);
    MessageBoxSeen retry = WaitForMessageBoxTitled("Uninstall", kWait);
    EXPECT_EQ(retry.text, "Can't remove " + dll + ",retry?");
    Answer(retry, IDNO);
    std::string text = FinalMessage();
    EXPECT_NE(text.find(dll + " will be removed after restart"), std::string::npos) << text;
    CloseHandle(held);

    char pending[8192] = {};
    DWORD size = sizeof pending;
    HKEY h;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ,
                            &h),
              ERROR_SUCCESS);
    RegQueryValueExA(h, "PendingFileRenameOperations", nullptr, nullptr, reinterpret_cast<BYTE*>(pending), &size);
    RegCloseKey(h);
    std::string names(pending, size);
    EXPECT_NE(names.find("Tarvexion.dll"), std::string::npos);
    EXPECT_FALSE(FileExists(kDir + "Tarvexion.exe"));
}

TEST_F(UninstallTest, DamagedScriptIsReportedAndNothingRemoved)
{
    InstallDefault();
    std::string script = ReadFileBytes(kDir + "uninstall.ini");
    const struct
    {
        std::string bytes;
        const char* why;
    } cases[] = {
        {"garbage\r\n" + script, "line 1 is of no known kind"},
        {script.substr(0, script.size() - 2), "does not end with CR LF"},
        {"P0,D:\\Program Files\\..\\x,0\r\n" + script, "unsafe path"},
        {std::string(2000, 'A') + "\r\n", "too long"},
    };
    for (const auto& c : cases)
    {
        {
            std::ofstream out(kDir + "uninstall.ini", std::ios::binary | std::ios::trunc);
            out << c.bytes;
        }
        std::string state = MachineState();
        DrivenProcess uninstall("\"" + kDir + "uninstall.exe\"");
        MessageBoxSeen box = WaitForMessageBox(uninstall.pid(), kWait);
        EXPECT_NE(box.text.find("damaged"), std::string::npos) << box.text;
        EXPECT_NE(box.text.find(c.why), std::string::npos) << box.text;
        Answer(box, IDOK);
        EXPECT_TRUE(uninstall.WaitForExit(kWait));
        EXPECT_EQ(MachineState(), state);
    }
    DeleteFileA((kDir + "uninstall.ini").c_str());
    DrivenProcess uninstall("\"" + kDir + "uninstall.exe\"");
    MessageBoxSeen box = WaitForMessageBox(uninstall.pid(), kWait);
    EXPECT_NE(box.text.find("was not found"), std::string::npos) << box.text;
    Answer(box, IDOK);
}

// Run by the test script after it has removed drive D: from the prefix.
TEST(NoDriveD, DefaultFolderCannotBeCreated)
{
    if (GetDriveTypeA("D:\\") != DRIVE_NO_ROOT_DIR)
        GTEST_SKIP() << "drive D: exists in this run";
    DrivenProcess process("\"" + Build() + "\\setup.exe\"");
    HWND wizard = WaitForTopWindow(process.pid(), 12323, kWait);
    ASSERT_NE(wizard, nullptr);
    ClickButton(wizard, 12324);
    ASSERT_TRUE(WaitUntil([&] { return WhichPage(ActivePage(wizard)) == kDestination; }, kWait));
    ClickButton(wizard, 12324);
    Answer(WaitForMessageBox(process.pid(), kWait), IDYES);
    MessageBoxSeen failed = WaitForMessageBox(process.pid(), kWait);
    EXPECT_EQ(failed.text, std::string("Could not create folder:\n") + kDefaultFolder);
    Answer(failed, IDOK);
    EXPECT_EQ(WhichPage(ActivePage(wizard)), kDestination);
}

}  // namespace
