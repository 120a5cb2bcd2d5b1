// CWnd: a C++ object bound to a window handle, its messages dispatched to virtual handlers.
#pragma once
#include <string>

#include <windows.h>

class CDC;
class CDataExchange;

class CWnd
{
public:
    CWnd() = default;
    // Gives a still living window its own procedure back; never destroys the window.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object this layer bound to the window, or null.
    static CWnd* FromHandle(HWND hWnd);

    // Routes an existing window's messages through this object. FALSE when there is no
    // window, or when this object or the window is already bound.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(int nID, CWnd* pParent);
    // Unbinds and returns the window, which keeps living with its own procedure.
    HWND UnsubclassWindow();

    // Runs DoDataExchange: FALSE puts data into the controls (and binds them), TRUE reads it back.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL DestroyWindow();
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
    // Both return FALSE when the style was already as asked. nFlags, when given, go to
    // SetWindowPos (SWP_FRAMECHANGED makes a changed frame take effect).
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    std::string GetWindowText() const;
    void SetWindowText(const char* pszText) { ::SetWindowTextA(m_hWnd, pszText); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

    // Timers of this window; their ticks arrive as WM_TIMER at OnTimer.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse) { return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr); }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    HWND m_hWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* pDX) {}

    // The one way in for the window's messages: the switch calls the OnXxx handlers
    // below; everything else goes to the default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled on to the default processing.
    LRESULT Default();
    // The default processing: the window's own procedure (a control's class, the dialog
    // manager), or DefWindowProc for a window that had none.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual void OnPaint() { Default(); }
    // A request to paint the client area into the given device context (WM_PRINTCLIENT).
    virtual void OnPrintClient(HDC hDC, UINT nFlags) { Default(); }
    virtual void OnTimer(UINT_PTR nIDEvent) { Default(); }
    // nCtlColor is the kind of control asking (CTLCOLOR_STATIC, ...); pWnd is its
    // object when this layer bound it, else null.
    virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // TRUE: handled. FALSE: the default processing gets the command.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) { return FALSE; }
    // TRUE: handled, *pResult is the message's result. FALSE: default processing.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) { return FALSE; }
    virtual void OnDestroy() { Default(); }
    virtual void OnLButtonDown(UINT nFlags, POINT point) { Default(); }
    // TRUE: the cursor was set here.
    virtual BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message) { return static_cast<BOOL>(Default()); }
    // A top-level window hands the change on to every window inside it, which Windows
    // itself does not do.
    virtual void OnSysColorChange();

private:
    struct CurrentMessage
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    friend class CDialog;
    static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    WNDPROC m_pfnSuper = nullptr;
    CurrentMessage m_current = {};
};
