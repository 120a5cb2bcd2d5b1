#include "install/install_run.h"

#include <commctrl.h>

#include <vector>

#include "app/globals.h"
#include "archive/archive_reader.h"
#include "framework/app.h"
#include "framework/msgbox.h"
#include "install/registry.h"
#include "install/shortcuts.h"
#include "install/uninstall_script.h"

namespace {

const int kFileLabelId = 1015;
const int kProgressId = 1016;

// Files besides the archive's that the uninstaller removes from the install folder.
const char* const kExtraFiles[] = {"SpecsList.ini", "Tarvexis.ini", "uninstall.ini"};

// Writes all of the bytes or reports failure; a short write is a failure.
bool WriteAll(HANDLE hFile, const unsigned char* data, size_t size)
{
    while (size > 0)
    {
        DWORD chunk = size > 0x40000000u ? 0x40000000u : DWORD(size);
        DWORD written = 0;
        if (!WriteFile(hFile, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Creates (or replaces) the file and writes the bytes; a file that could not be
// written completely is removed again rather than left half-written.
bool WriteNewFile(const std::string& path, const unsigned char* data, size_t size, bool& bCreated)
{
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bCreated = hFile != INVALID_HANDLE_VALUE;
    if (!bCreated)
        return false;
    bool ok = WriteAll(hFile, data, size);
    ok = CloseHandle(hFile) && ok;
    if (!ok)
        DeleteFileA(path.c_str());
    return ok;
}

// The temporary payload copy is deleted on every way out of the run.
struct TempFile
{
    ~TempFile()
    {
        if (!path.empty())
            DeleteFileA(path.c_str());
    }
    std::string path;
};

std::string TempFolder()
{
    DWORD n = GetTempPathA(0, nullptr);
    std::vector<char> buffer(n + 1);
    DWORD got = GetTempPathA(n + 1, buffer.data());
    return (got > 0 && got <= n) ? std::string(buffer.data(), got) : std::string();
}

// The run dispatches no messages, so the page's controls are repainted here,
// synchronously, each time they change.
void ShowStatus(HWND hPage, const char* text)
{
    HWND hLabel = GetDlgItem(hPage, kFileLabelId);
    if (hLabel)
    {
        SetWindowTextA(hLabel, text);
        UpdateWindow(hLabel);
    }
}

void SetProgressPos(HWND hPage, int nPos)
{
    HWND hProgress = GetDlgItem(hPage, kProgressId);
    if (!hProgress)
        return;
    SendMessageA(hProgress, PBM_SETPOS, WPARAM(nPos), 0);
    UpdateWindow(hProgress);
}

bool IsFolderEntry(const std::string& name)
{
    return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

}  // namespace

void SetProgressRange(HWND hPage, int nCount)
{
    HWND hProgress = GetDlgItem(hPage, kProgressId);
    if (!hProgress)
        return;
    if (nCount <= 0xFFFF)
        SendMessageA(hProgress, PBM_SETRANGE, 0, MAKELPARAM(0, nCount));
    else
        SendMessageA(hProgress, PBM_SETRANGE32, 0, nCount);
    UpdateWindow(hProgress);
}

bool IsSafeEntryName(const std::string& name)
{
    if (name.empty() || name[0] == '/' || name[0] == '\\')
        return false;
    std::string component;
    for (size_t i = 0; i <= name.size(); ++i)
    {
        unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
        // A double-byte character's trail byte may be 0x5C; it is not a separator.
        if (c != 0 && IsDBCSLeadByte(c) && i + 1 < name.size())
        {
            component += name[i];
            component += name[++i];
            continue;
        }
        if (c == ':')
            return false;  // drive-qualified names and alternate streams
        if (c == 0 || c == '/' || c == '\\')
        {
            if (component == "..")
                return false;
            component.clear();
            continue;
        }
        component += char(c);
    }
    return true;
}

bool WriteResourceToFile(int nResourceId, std::string path)
{
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hInfo = FindResourceA(hModule, MAKEINTRESOURCEA(nResourceId & 0xFFFF), "FILE");
    if (!hInfo)
        return false;
    HGLOBAL hData = LoadResource(hModule, hInfo);
    const unsigned char* data = static_cast<const unsigned char*>(LockResource(hData));
    DWORD size = SizeofResource(hModule, hInfo);
    if (!data && size > 0)
        return false;
    bool bCreated = false;
    return WriteNewFile(path, data, size, bCreated);
}

BOOL RunInstall(HWND hPage)
{
    // No further tick may start a second run, also while a message box is open.
    KillTimer(hPage, 0);

    WriteUninstallEntry();
    WriteScriptValueLine(kUninstallKeyPrefix, "DisplayName");
    WriteScriptValueLine(kUninstallKeyPrefix, "UninstallString");
    WriteScriptKeyLine(kUninstallKeyPrefix);

    std::string tempFolder = TempFolder();
    char tempName[MAX_PATH + 1] = {};
    TempFile payload;
    if (!tempFolder.empty() && GetTempFileNameA(tempFolder.c_str(), "KV", 0, tempName))
        payload.path = tempName;
    if (payload.path.empty() || !WriteResourceToFile(kPayloadResourceId, payload.path))
        return FALSE;

    CArchiveReader reader;
    reader.Close();
    if (!reader.Open(payload.path.c_str()))
        return FALSE;

    // An archive that cannot even be counted is damaged: say so instead of
    // reporting an installation of nothing as a success.
    int nCount = reader.GetCount();
    if (nCount < 0)
    {
        AfxMessageBox(reader.GetErrorText().c_str(), MB_OK, 0);
        return FALSE;
    }
    SetProgressRange(hPage, nCount);

    for (int nIndex = 0; nIndex < nCount; ++nIndex)
    {
        const unsigned char* data = nullptr;
        unsigned int size = 0;
        int bIsFile = 0;
        std::string name;
        if (!reader.GetEntry(nIndex, data, size, bIsFile, name))
        {
            AfxMessageBox(reader.GetErrorText().c_str(), MB_OK, 0);
            return FALSE;
        }
        if (IsFolderEntry(name))
            continue;
        if (!IsSafeEntryName(name))
        {
            std::string text = "The archive entry \"" + name + "\" would be written outside the install folder.";
            AfxMessageBox(text.c_str(), MB_OK | MB_ICONSTOP, 0);
            return FALSE;
        }

        std::string target = g_strInstallDir + name;
        std::string status = std::string(g_textSlots[4]) + target;
        SetProgressPos(hPage, nIndex);
        ShowStatus(hPage, status.c_str());

        bool bCreated = false;
        if (!WriteNewFile(target, data, size, bCreated))
            return FALSE;
        WriteScriptFileLine(target);
        Sleep(10);
    }

    reader.Close();
    DeleteFileA(payload.path.c_str());
    payload.path.clear();

    if (IsUninstallScriptOpen())
    {
        for (const char* extra : kExtraFiles)
            WriteScriptFileLine(g_strInstallDir + extra);
        WriteScriptFolderLine(g_strInstallDir.substr(0, g_strInstallDir.empty() ? 0 : g_strInstallDir.size() - 1));
    }

    ShowStatus(hPage, g_textSlots[3]);
    CreateShortcuts();
    return TRUE;
}
