#include "framework/dialog.h"

#include "framework/app.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : AfxGetMainHwnd();
    m_nEndResult = -1;
    m_bModal = true;
    m_bEnded = false;
    HWND hWnd = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hOwner,
                                     &CDialog::DlgProc, reinterpret_cast<LPARAM>(this));
    if (!hWnd)
    {
        m_bModal = false;
        return -1;
    }
    bool bOwnerEnabled = hOwner && hOwner != hWnd && ::IsWindowEnabled(hOwner);
    if (bOwnerEnabled)
        ::EnableWindow(hOwner, FALSE);
    if (!m_bEnded)
        ::ShowWindow(hWnd, SW_SHOW);

    // Our own loop rather than the dialog manager's, which would hand Enter and
    // Escape pressed inside a page to the frame's default and Cancel buttons.
    MSG msg;
    while (!m_bEnded)
    {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0)
        {
            if (got == 0)
                ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (!PreTranslateInput(msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    if (bOwnerEnabled)
        ::EnableWindow(hOwner, TRUE);
    if (hOwner && ::GetActiveWindow() == hWnd)
        ::SetActiveWindow(hOwner);
    if (::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    m_bModal = false;
    return m_nEndResult;
}

bool CDialog::PreTranslateInput(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    for (HWND h = msg.hwnd; h; h = ::GetParent(h))
    {
        char cls[8] = {};
        ::GetClassNameA(h, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0 && ::IsDialogMessageA(h, &msg))
            return true;
        if (!(::GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return false;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (m_hWnd)
        return FALSE;
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_nEndResult = -1;
    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    HWND hWnd = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nIDTemplate), hParent,
                                     &CDialog::DlgProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    m_nEndResult = nResult;
    if (m_bModal)
    {
        // The modal loop notices at its next message; the window goes when it returns.
        m_bEnded = true;
        if (m_hWnd)
        {
            ::ShowWindow(m_hWnd, SW_HIDE);
            ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
        }
        return;
    }
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

// The dialog manager calls this procedure. At WM_INITDIALOG the window is bound to its
// object and from then on its messages come in through CWnd's procedure, with the dialog
// manager as the default processing (where this procedure answers FALSE to everything).
INT_PTR CALLBACK CDialog::DlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    if (FromHandle(hWnd))
        return TRUE;  // the default processing of WM_INITDIALOG: let the manager set the focus
    CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
    if (!pDlg || !pDlg->SubclassWindow(hWnd))
        return TRUE;
    return pDlg->Dispatch(message, wParam, lParam);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED && lParam != 0)
        return FALSE;
    switch (LOWORD(wParam))
    {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    // Like a data-exchange dialog: read the controls back, then end.
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
