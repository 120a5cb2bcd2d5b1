#include "pages/destination_page.h"

#include <io.h>
#include <shlobj.h>

#include <cctype>

#include "app/globals.h"
#include "framework/app.h"
#include "framework/data_exchange.h"
#include "framework/msgbox.h"
#include "install/registry.h"
#include "install/uninstall_script.h"

namespace {

// Byte offsets of the characters of the text: a double-byte character is one.
std::vector<size_t> CharStarts(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
    {
        starts.push_back(i);
        if (IsDBCSLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ++i;
    }
    return starts;
}

bool IsBackslashAt(const std::string& text, size_t start)
{
    return text[start] == '\\';
}

std::string Trim(const std::string& text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

bool PathExists(const std::string& path)
{
    return _access(path.c_str(), 0) == 0;
}

// Creates every missing folder of the path (which ends in a backslash). The
// system's helper lives in dbghelp.dll, which is loaded from System32 only.
void MakeFolderPath(const std::string& path)
{
    char system[MAX_PATH + 1] = {};
    UINT n = GetSystemDirectoryA(system, MAX_PATH);
    if (n == 0 || n > MAX_PATH)
        return;
    HMODULE dbghelp = LoadLibraryA((std::string(system) + "\\dbghelp.dll").c_str());
    if (!dbghelp)
        return;
    using MakeSureFn = BOOL(WINAPI*)(PCSTR);
    auto makeSure =
        reinterpret_cast<MakeSureFn>(reinterpret_cast<void*>(GetProcAddress(dbghelp, "MakeSureDirectoryPathExists")));
    if (makeSure)
        makeSure(path.c_str());
    FreeLibrary(dbghelp);
}

}  // namespace

bool EndsWithBackslash(const std::string& path)
{
    std::vector<size_t> starts = CharStarts(path);
    return !starts.empty() && starts.back() == path.size() - 1 && IsBackslashAt(path, starts.back());
}

bool HasDoubleBackslash(const std::string& path)
{
    std::vector<size_t> starts = CharStarts(path);
    for (size_t k = 1; k < starts.size(); ++k)
    {
        if (starts[k] == starts[k - 1] + 1 && IsBackslashAt(path, starts[k - 1]) && IsBackslashAt(path, starts[k]))
            return true;
    }
    return false;
}

CDestinationPage::CDestinationPage(CWnd* pParentWnd) : CHeaderPage(IDD_DESTINATION_PAGE, pParentWnd)
{
}

void CDestinationPage::DoDataExchange(CDataExchange* pDX)
{
    CHeaderPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE, m_wndTitle);
    DDX_Control(pDX, IDC_SUBTITLE, m_wndSubtitle);
    DDX_Control(pDX, IDC_AUTOLOAD_LIST, m_wndAutoLoadList);
}

BOOL CDestinationPage::OnInitDialog()
{
    CHeaderPage::OnInitDialog();
    m_wndTitle.SetTransparent(true).SetFontSize(12).SetTextColor(RGB(0, 0, 128)).SetFontBold(true);
    m_wndSubtitle.SetTransparent(true);

    SetDlgItemTextA(m_hWnd, IDC_TITLE, g_textSlots[31]);
    SetDlgItemTextA(m_hWnd, IDC_SUBTITLE, g_textSlots[32]);
    SetDlgItemTextA(m_hWnd, IDC_AUTOLOAD_CAPTION, g_textSlots[33]);
    SetDlgItemTextA(m_hWnd, IDC_FOLDER_CAPTION, g_textSlots[34]);

    // Always drive D:, whatever the system's program folder is.
    std::string folder = std::string("D:\\Program Files\\") + g_szProductName;
    SetDlgItemTextA(m_hWnd, IDC_FOLDER, folder.c_str());
    return TRUE;
}

BOOL CDestinationPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_BROWSE && HIWORD(wParam) == BN_CLICKED)
    {
        OnBrowse();
        return TRUE;
    }
    return CHeaderPage::OnCommand(wParam, lParam);
}

void CDestinationPage::OnBrowse()
{
    IMalloc* pMalloc = nullptr;
    if (FAILED(SHGetMalloc(&pMalloc)))
        return;

    char displayName[MAX_PATH + 1] = {};
    BROWSEINFOA bi = {};
    bi.hwndOwner = AfxGetMainHwnd();
    bi.pidlRoot = nullptr;
    bi.pszDisplayName = displayName;
    bi.lpszTitle = "Select foder";
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    PIDLIST_ABSOLUTE pidl = SHBrowseForFolderA(&bi);
    if (!pidl)
    {
        pMalloc->Release();
        return;
    }

    char path[MAX_PATH + 1] = {};
    if (SHGetPathFromIDListA(pidl, path))
    {
        std::string folder = path;
        if (folder.find("Korvalend") == std::string::npos)
        {
            if (!EndsWithBackslash(folder))
                folder += '\\';
            folder += g_szProductName;
        }
        SetDlgItemTextA(m_hWnd, IDC_FOLDER, folder.c_str());
    }
    pMalloc->Free(pidl);
    pMalloc->Release();
}

void CDestinationPage::FocusFolder()
{
    HWND hEdit = GetDlgItem(IDC_FOLDER);
    ::SetFocus(hEdit);
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, EM_SCROLLCARET, 0, 0);
}

LRESULT CDestinationPage::OnWizardNext()
{
    HWND hEdit = GetDlgItem(IDC_FOLDER);
    if (!hEdit)
        return -1;

    int length = ::GetWindowTextLengthA(hEdit);
    std::string text(size_t(length) + 1, '\0');
    text.resize(size_t(::GetWindowTextA(hEdit, &text[0], length + 1)));
    std::string path = Trim(text);

    if (path.empty() || path.find(":\\") != 1 || HasDoubleBackslash(path))
    {
        MessageBoxA(m_hWnd, g_textSlots[22], g_strCaption.c_str(), MB_OK | MB_ICONHAND);
        FocusFolder();
        return -1;
    }
    if (EndsWithBackslash(path))
        path.pop_back();

    if (!PathExists(path))
    {
        std::string question = path + "\n\n" + g_textSlots[23];
        if (MessageBoxA(m_hWnd, question.c_str(), g_strCaption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        {
            FocusFolder();
            return -1;
        }
        MakeFolderPath(path + "\\");
        if (!PathExists(path))
        {
            AfxMessageBox(("Could not create folder:\n" + path).c_str(), MB_OK, 0);
            FocusFolder();
            return -1;
        }
    }

    if (!EndsWithBackslash(path))
        path += '\\';
    g_strInstallDir = path;
    OpenUninstallScript(g_strInstallDir);
    WriteLanguageValue(g_nCodePage);
    WriteScriptKeyLine("SOFTWARE");
    return 0;
}
