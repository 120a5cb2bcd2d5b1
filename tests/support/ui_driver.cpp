#include "tests/support/ui_driver.h"

#include <fstream>

DrivenProcess::DrivenProcess(const std::string& commandLine)
{
    std::string cmd = commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi))
        m_pi = {};
}

DrivenProcess::~DrivenProcess()
{
    if (m_pi.hProcess)
    {
        if (IsRunning())
        {
            TerminateProcess(m_pi.hProcess, 99);
            WaitForSingleObject(m_pi.hProcess, 10000);
        }
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
}

bool DrivenProcess::WaitForExit(DWORD timeoutMs)
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool DrivenProcess::IsRunning() const
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {
struct TopSearch
{
    DWORD pid;
    int nChildId;
    bool messageBox;
    HWND found;
};

BOOL CALLBACK FindTop(HWND hWnd, LPARAM lParam)
{
    TopSearch* s = reinterpret_cast<TopSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid != s->pid || !IsWindowVisible(hWnd))
        return TRUE;
    char cls[32] = {};
    GetClassNameA(hWnd, cls, sizeof cls);
    if (s->messageBox)
    {
        // A message box: a dialog with the message text, and not the wizard.
        if (std::string(cls) == "#32770" && GetDlgItem(hWnd, 0xFFFF) && !GetDlgItem(hWnd, 12323))
        {
            s->found = hWnd;
            return FALSE;
        }
    }
    else if (GetDlgItem(hWnd, s->nChildId))
    {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND WaitForTopWindow(DWORD pid, int nChildId, DWORD timeoutMs)
{
    TopSearch s{pid, nChildId, false, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        },
        timeoutMs);
    return s.found;
}

// Polls EnumWindows with the callback until it fills *found, then reads the box.
MessageBoxSeen WaitForBox(WNDENUMPROC find, LPARAM search, HWND* found, DWORD timeoutMs)
{
    WaitUntil(
        [&] {
            EnumWindows(find, search);
            return *found != nullptr;
        },
        timeoutMs);
    MessageBoxSeen seen;
    if (*found)
    {
        seen.hwnd = *found;
        seen.caption = WindowText(*found);
        seen.text = ItemText(*found, 0xFFFF);
    }
    return seen;
}

MessageBoxSeen WaitForMessageBox(DWORD pid, DWORD timeoutMs)
{
    TopSearch s{pid, 0, true, nullptr};
    return WaitForBox(FindTop, reinterpret_cast<LPARAM>(&s), &s.found, timeoutMs);
}

namespace {
struct TitledSearch
{
    std::string caption;
    HWND found;
};
BOOL CALLBACK FindTitled(HWND hWnd, LPARAM lParam)
{
    TitledSearch* s = reinterpret_cast<TitledSearch*>(lParam);
    char cls[32] = {};
    GetClassNameA(hWnd, cls, sizeof cls);
    if (IsWindowVisible(hWnd) && std::string(cls) == "#32770" && GetDlgItem(hWnd, 0xFFFF) &&
        WindowText(hWnd) == s->caption)
    {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

MessageBoxSeen WaitForMessageBoxTitled(const std::string& caption, DWORD timeoutMs)
{
    TitledSearch s{caption, nullptr};
    return WaitForBox(FindTitled, reinterpret_cast<LPARAM>(&s), &s.found, timeoutMs);
}

void Answer(const MessageBoxSeen& box, int nButton)
{
    if (!box.hwnd)
        return;
    HWND hButton = GetDlgItem(box.hwnd, nButton);
    if (hButton)
        PostMessageA(hButton, BM_CLICK, 0, 0);
    else
        PostMessageA(box.hwnd, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
    WaitUntil([&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); }, 10000);
}

bool NoMessageBox(DWORD pid)
{
    TopSearch s{pid, 0, true, nullptr};
    EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
    return s.found == nullptr;
}

std::string WindowText(HWND hWnd)
{
    int n = int(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
    std::string text(size_t(n) + 1, '\0');
    LRESULT got = SendMessageA(hWnd, WM_GETTEXT, WPARAM(n + 1), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size_t(got));
    return text;
}

std::string ItemText(HWND hDlg, int nId)
{
    HWND hItem = GetDlgItem(hDlg, nId);
    return hItem ? WindowText(hItem) : std::string("<no control>");
}

void SetItemText(HWND hDlg, int nId, const std::string& text)
{
    SendMessageA(GetDlgItem(hDlg, nId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsShown(HWND hWnd)
{
    return (GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ClickButton(HWND hDlg, int nId)
{
    PostMessageA(GetDlgItem(hDlg, nId), BM_CLICK, 0, 0);
}

bool IsChecked(HWND hDlg, int nId)
{
    return SendMessageA(GetDlgItem(hDlg, nId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

namespace {
struct PageSearch
{
    std::vector<HWND> pages;
};
BOOL CALLBACK CollectPages(HWND hWnd, LPARAM lParam)
{
    char cls[32] = {};
    GetClassNameA(hWnd, cls, sizeof cls);
    if (std::string(cls) == "#32770")
        reinterpret_cast<PageSearch*>(lParam)->pages.push_back(hWnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> PageWindows(HWND hWizard)
{
    PageSearch s;
    EnumChildWindows(hWizard, CollectPages, reinterpret_cast<LPARAM>(&s));
    std::vector<HWND> direct;
    for (HWND h : s.pages)
        if (GetParent(h) == hWizard)
            direct.push_back(h);
    return direct;
}

HWND ActivePage(HWND hWizard)
{
    for (HWND h : PageWindows(hWizard))
        if (IsShown(h))
            return h;
    return nullptr;
}

bool SaveWindowPicture(HWND hWnd, const std::string& path)
{
    RECT rc;
    if (!GetWindowRect(hWnd, &rc))
        return false;
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = DWORD(fh.bfOffBits + stride * h);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
    out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
    out.write(static_cast<const char*>(bits), std::streamsize(stride * h));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return bool(out);
}
