#include "install/shortcuts.h"

#include <string>
#include <vector>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "app/globals.h"
#include "install/uninstall_script.h"

namespace {

struct ShortcutRow
{
    const char* pszTarget;  // in the install directory
    const char* pszLink;    // fixed GBK bytes; not from the language tables
};

const ShortcutRow kShortcuts[] = {
    {"Tarvexion.exe", "Ostrevware.lnk"},
    {"Help.chm", "\xB0\xEF\xD6\xFA.lnk"},  // 帮助.lnk
    {"uninstall.exe", "\xD0\xB6\xD4\xD8.lnk"},  // 卸载.lnk
};

// ANSI to UTF-16 at whatever length the text has.
std::wstring Widen(const char* text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::vector<wchar_t> wide(n);
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    return std::wstring(wide.data());
}

bool SpecialFolder(int csidl, std::string& path)
{
    char buffer[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathA(nullptr, buffer, csidl, FALSE))
        return false;
    path = buffer;
    return true;
}

}  // namespace

BOOL CreateShellLink(const char* pszTarget, const char* pszLink)
{
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return FALSE;
    link->SetPath(pszTarget);

    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
    {
        link->Release();
        return FALSE;
    }
    // A link path the system cannot convert is not saved anywhere.
    std::wstring widePath = Widen(pszLink);
    if (!widePath.empty())
        file->Save(widePath.c_str(), 2);
    file->Release();
    link->Release();
    return TRUE;
}

BOOL CreateShortcuts()
{
    std::string programs;
    if (!SpecialFolder(CSIDL_COMMON_PROGRAMS, programs))
        return FALSE;
    if (programs.empty() || programs.back() != '\\')
        programs += '\\';

    std::string group = programs + g_szProductName;
    CreateDirectoryA(group.c_str(), nullptr);  // an existing group is reused

    for (const ShortcutRow& row : kShortcuts)
    {
        std::string target = g_strInstallDir + row.pszTarget;
        std::string link = group + "\\" + row.pszLink;
        CreateShellLink(target.c_str(), link.c_str());
        WriteScriptFileLine(link);
    }
    WriteScriptFolderLine(programs + g_szProductName);

    std::string desktop;
    if (!SpecialFolder(CSIDL_DESKTOPDIRECTORY, desktop))
        return FALSE;
    std::string target = g_strInstallDir + kShortcuts[0].pszTarget;
    std::string link = desktop + "\\" + kShortcuts[0].pszLink;
    CreateShellLink(target.c_str(), link.c_str());
    WriteScriptFileLine(link);

    WriteMessageBlock();
    return TRUE;
}
