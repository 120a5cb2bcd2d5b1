#include "framework/window.h"

#include <vector>

#include "framework/data_exchange.h"
#include "framework/dc.h"

namespace {
// The window property that carries a window's C++ object.
const char kObjectProp[] = "Ostrevan.CWnd";

BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}
}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropA(hWnd, kObjectProp)) : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandle(hWnd))
        return FALSE;
    if (!::SetPropA(hWnd, kObjectProp, this))
        return FALSE;
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(int nID, CWnd* pParent)
{
    return pParent ? SubclassWindow(::GetDlgItem(pParent->m_hWnd, nID)) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return nullptr;
    if (m_pfnSuper)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    Detach();
    return hWnd;
}

void CWnd::Detach()
{
    if (m_hWnd && FromHandle(m_hWnd) == this)
        ::RemovePropA(m_hWnd, kObjectProp);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD style = GetStyle();
    DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD style = GetExStyle();
    DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(newStyle));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

std::string CWnd::GetWindowText() const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(n > 0 ? n : 0) + 1, '\0');
    n = ::GetWindowTextA(m_hWnd, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandle(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return pWnd->Dispatch(message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send messages to their own window; each keeps its own "current message".
    CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = WindowProc(message, wParam, lParam);
    m_current = saved;
    if (message == WM_NCDESTROY)
        Detach();
    return result;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam), static_cast<UINT>(lParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    {
        CDC dc(reinterpret_cast<HDC>(wParam));
        HWND hCtl = reinterpret_cast<HWND>(lParam);
        return reinterpret_cast<LRESULT>(OnCtlColor(&dc, FromHandle(hCtl), message - WM_CTLCOLORMSGBOX));
    }
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        return Default();
    case WM_NOTIFY:
    {
        LRESULT result = 0;
        if (OnNotify(wParam, lParam, &result))
            return result;
        return Default();
    }
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_LBUTTONDOWN:
    {
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        OnLButtonDown(static_cast<UINT>(wParam), pt);
        return 0;
    }
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return 0;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnSysColorChange()
{
    if (!(GetStyle() & WS_CHILD))
    {
        // Collected first: a handler may create or destroy windows.
        std::vector<HWND> children;
        ::EnumChildWindows(m_hWnd, CollectChild, reinterpret_cast<LPARAM>(&children));
        for (HWND hChild : children)
            if (::IsWindow(hChild))
                ::SendMessageA(hChild, WM_SYSCOLORCHANGE, 0, 0);
    }
    Default();
}

BOOL DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return TRUE;
    return rControl.SubclassDlgItem(nIDC, pDX->m_pDlgWnd);
}
