// uninstall.exe: undoes an installation from the uninstall.ini beside it.
// Started from the installed-programs list or the Start menu, it asks first,
// then hands the work to a copy of itself in the temporary folder, so that its
// own file and the script can be removed as well.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "uninstall/uninstall_script.h"

namespace {

const char kFallbackTitle[] = "Uninstall";

// Like setup.exe: DLLs come from System32 only.
void RestrictDllSearch()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault)
        setDefault(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
    SetDllDirectoryA("");
}

std::string ModulePath()
{
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;)
    {
        DWORD n = GetModuleFileNameA(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n < buffer.size())
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\') + 1);
}

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(h, nullptr);
    // A record of an installation is a few kilobytes; anything huge is not one.
    bool ok = size != INVALID_FILE_SIZE && size <= (1u << 20);
    if (ok)
    {
        bytes.assign(size, '\0');
        DWORD got = 0;
        ok = size == 0 || (ReadFile(h, &bytes[0], size, &got, nullptr) && got == size);
    }
    CloseHandle(h);
    return ok;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Reads and checks the script beside the program; says what is wrong otherwise.
bool LoadScript(const std::string& dir, UninstallScript& script)
{
    std::string bytes;
    std::string path = dir + "uninstall.ini";
    if (!ReadFileBytes(path, bytes))
    {
        MessageBoxA(nullptr, ("The record of the installation was not found:\n" + path + "\n\nNothing was removed.").c_str(),
                    kFallbackTitle, MB_OK | MB_ICONSTOP);
        return false;
    }
    std::string error;
    if (!ParseUninstallScript(bytes, script, error))
    {
        MessageBoxA(nullptr,
                    ("The record of the installation is damaged (" + error + "):\n" + path + "\n\nNothing was removed.")
                        .c_str(),
                    kFallbackTitle, MB_OK | MB_ICONSTOP);
        return false;
    }
    return true;
}

// A small window that shows what is being removed.
class ProgressWindow
{
public:
    explicit ProgressWindow(const std::string& title)
    {
        InitCommonControls();
        int x = (GetSystemMetrics(SM_CXSCREEN) - 420) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - 120) / 2;
        m_hWnd = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", title.c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y,
                                 420, 110, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        m_hText = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 12, 12, 390, 18, m_hWnd,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        m_hBar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 12, 40, 390, 18, m_hWnd, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        SendMessageA(m_hText, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), 0);
        Pump();
    }
    ~ProgressWindow() { DestroyWindow(m_hWnd); }
    HWND hwnd() const { return m_hWnd; }
    void Show(const std::string& text, int nPos, int nRange)
    {
        SetWindowTextA(m_hText, text.c_str());
        SendMessageA(m_hBar, PBM_SETRANGE32, 0, nRange);
        SendMessageA(m_hBar, PBM_SETPOS, WPARAM(nPos), 0);
        Pump();
    }

private:
    static void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    HWND m_hWnd = nullptr;
    HWND m_hText = nullptr;
    HWND m_hBar = nullptr;
};

class Remover
{
public:
    Remover(const UninstallScript& script, const std::string& dir) : m_script(script), m_dir(dir)
    {
        m_title = script.Message(48);
        m_self = ModulePath();
    }

    void Run()
    {
        ProgressWindow progress(m_title);
        m_owner = progress.hwnd();
        const std::string scriptPath = m_dir + "uninstall.ini";
        int total = int(m_script.files.size() + m_script.registry.size() + m_script.folders.size()) + 1;
        int done = 0;

        // Files first, so that their folders can go afterwards; the script itself last.
        progress.Show(m_script.Message(42), done, total);
        for (const std::string& file : m_script.files)
        {
            ++done;
            if (SamePath(file, scriptPath) || SamePath(file, m_self))
                continue;
            progress.Show(m_script.Message(42) + "  " + file, done, total);
            RemoveFile(file);
        }

        // Values before the keys that hold them.
        progress.Show(m_script.Message(54), done, total);
        std::vector<std::string> keys;
        for (const std::string& path : m_script.registry)
        {
            ++done;
            HKEY h;
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &h) == ERROR_SUCCESS)
            {
                RegCloseKey(h);
                keys.push_back(path);
                continue;
            }
            size_t slash = path.find_last_of('\\');
            DeleteValue(path.substr(0, slash), path.substr(slash + 1));
        }
        // The product keeps its user-interface language here, outside the script's names.
        DeleteValue("SOFTWARE\\Korvalend Server", "Language");
        DeleteKeyIfEmpty("SOFTWARE\\Korvalend Server");
        for (const std::string& key : keys)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());

        RemoveFile(scriptPath);
        ++done;

        // Folders only once they are empty: whatever else they hold stays.
        for (const std::string& folder : m_script.folders)
        {
            ++done;
            progress.Show(m_script.Message(42) + "  " + folder, done, total);
            if (RemoveDirectoryA(folder.c_str()) || !Exists(folder))
                continue;
            if (m_bScheduled)
                MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
            else
                m_kept.push_back(folder);
        }
        progress.Show(m_script.Message(50), total, total);
        m_owner = nullptr;
    }

    std::string Report() const
    {
        std::string text;
        for (const std::string& file : m_later)
            text += m_script.Message(47, file) + "\n";
        if (!m_kept.empty())
        {
            for (const std::string& folder : m_kept)
                text += folder + "\n";
            text += m_script.Message(53) + "\n";
        }
        if (!text.empty())
            text += "\n";
        return text + m_script.Message(50);
    }

private:
    void RemoveFile(const std::string& path)
    {
        for (;;)
        {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (DeleteFileA(path.c_str()) || !Exists(path))
                return;
            if (MessageBoxA(m_owner, m_script.Message(52, path).c_str(), m_title.c_str(),
                            MB_YESNO | MB_ICONWARNING) != IDYES)
                break;
        }
        // In use: it goes when Windows next starts.
        if (MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
        {
            m_later.push_back(path);
            m_bScheduled = true;
        }
    }

    static void DeleteValue(const std::string& key, const std::string& value)
    {
        HKEY h;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE, &h) != ERROR_SUCCESS)
            return;
        RegDeleteValueA(h, value.c_str());
        RegCloseKey(h);
    }

    static void DeleteKeyIfEmpty(const std::string& key)
    {
        HKEY h;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
            return;
        DWORD subkeys = 1, values = 1;
        RegQueryInfoKeyA(h, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                         nullptr);
        RegCloseKey(h);
        if (subkeys == 0 && values == 0)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
    }

    const UninstallScript& m_script;
    std::string m_dir;
    std::string m_title;
    std::string m_self;  // the running program cannot remove itself
    HWND m_owner = nullptr;
    bool m_bScheduled = false;
    std::vector<std::string> m_later;
    std::vector<std::string> m_kept;
};

// The copy in the temporary folder: waits for the program it was copied from,
// removes everything, and leaves itself to be removed at the next start.
int RunWorker(DWORD parentPid, const std::string& dir)
{
    if (HANDLE parent = OpenProcess(SYNCHRONIZE, FALSE, parentPid))
    {
        WaitForSingleObject(parent, 30000);
        CloseHandle(parent);
    }
    UninstallScript script;
    if (!LoadScript(dir, script))
        return 1;
    Remover remover(script, dir);
    remover.Run();
    MessageBoxA(nullptr, remover.Report().c_str(), script.Message(48).c_str(), MB_OK | MB_ICONINFORMATION);
    MoveFileExA(ModulePath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    RestrictDllSearch();
    int argc = 0;
    LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i)
    {
        int n = WideCharToMultiByte(CP_ACP, 0, wargv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string a(size_t(n > 0 ? n : 1), '\0');
        WideCharToMultiByte(CP_ACP, 0, wargv[i], -1, &a[0], n, nullptr, nullptr);
        a.resize(a.size() - 1);
        args.push_back(a);
    }
    LocalFree(wargv);
    if (args.size() == 4 && args[1] == "/worker")
        return RunWorker(DWORD(std::stoul(args[2])), args[3] + "\\");

    const std::string self = ModulePath();
    const std::string dir = FolderOf(self);
    UninstallScript script;
    if (!LoadScript(dir, script))
        return 1;
    std::string product = script.Message(10);
    if (MessageBoxA(nullptr, script.Message(43, product).c_str(), script.Message(48).c_str(),
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;

    // Hand over to a copy outside the install folder, which can remove this file.
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string copy = std::string(temp) + "OstrevanUninstall" + std::to_string(GetCurrentProcessId()) + ".exe";
    // The folder goes without its trailing backslash, which would escape the quote.
    std::string cmd = "\"" + copy + "\" /worker " + std::to_string(GetCurrentProcessId()) + " \"" +
                      dir.substr(0, dir.size() - 1) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (CopyFileA(self.c_str(), copy.c_str(), FALSE) &&
        CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return 0;
    }
    // No copy could be started: do the work here; this file goes at the next start.
    Remover remover(script, dir);
    remover.Run();
    MoveFileExA(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    MessageBoxA(nullptr, remover.Report().c_str(), script.Message(48).c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
}
