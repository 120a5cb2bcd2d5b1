#include "tests/support/install_host.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

#include "framework/app.h"
#include "tests/support/temp_dir.h"

InstallHost::InstallHost()
{
    InitCommonControls();
    m_hWnd = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 500, 120, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 480, 20, m_hWnd, HMENU(1015),
                    GetModuleHandleA(nullptr), nullptr);
    HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 40, 480, 20, m_hWnd, HMENU(1016),
                               GetModuleHandleA(nullptr), nullptr);
    SetPropA(bar, "host", this);
    m_oldProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(bar, GWLP_WNDPROC, LONG_PTR(ProgressProc)));
}

InstallHost::~InstallHost()
{
    DestroyWindow(m_hWnd);
}

std::string InstallHost::Label() const
{
    char text[1024] = {};
    GetDlgItemTextA(m_hWnd, 1015, text, sizeof text);
    return text;
}

LRESULT CALLBACK InstallHost::ProgressProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    InstallHost* host = static_cast<InstallHost*>(GetPropA(hWnd, "host"));
    if (msg == PBM_SETRANGE)
        host->progress.push_back("range " + std::to_string(LOWORD(lParam)) + "-" + std::to_string(HIWORD(lParam)));
    else if (msg == PBM_SETRANGE32)
        host->progress.push_back("range " + std::to_string(wParam) + "-" + std::to_string(lParam));
    else if (msg == PBM_SETPOS)
        host->progress.push_back("pos " + std::to_string(wParam));
    return CallWindowProcA(host->m_oldProc, hWnd, msg, wParam, lParam);
}

PayloadModule::PayloadModule(const std::string* bytes)
{
    static int s_counter = 0;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "payload_" + std::to_string(GetCurrentProcessId()) + "_" +
             std::to_string(++s_counter) + ".dll";
    CopyFileA((ModuleFolder() + "\\payload_host.dll").c_str(), m_path.c_str(), FALSE);
    if (bytes)
    {
        HANDLE update = BeginUpdateResourceA(m_path.c_str(), FALSE);
        UpdateResourceA(update, "FILE", MAKEINTRESOURCEA(139), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                        const_cast<char*>(bytes->data()), DWORD(bytes->size()));
        EndUpdateResourceA(update, FALSE);
    }
    m_hModule = LoadLibraryExA(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    AfxSetResourceHandle(m_hModule);
}

PayloadModule::~PayloadModule()
{
    AfxSetResourceHandle(nullptr);
    if (m_hModule)
        FreeLibrary(m_hModule);
    DeleteFileA(m_path.c_str());
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> PayloadTempFiles()
{
    std::vector<std::string> names;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((std::string(temp) + "KV*.tmp").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
            names.push_back(fd.cFileName);
        while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    return names;
}
