#include "wizard/wizard_sheet.h"

#include <algorithm>

#include "framework/app.h"
#include "res/resource.h"

static_assert(ID_WIZBACK == 12323 && ID_WIZNEXT == 12324 && ID_WIZFINISH == 12325, "wizard button ids");

CWizardSheet::CWizardSheet(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd)
{
}

CWizardSheet::~CWizardSheet() = default;

void CWizardSheet::AddPage(CWizardPage* pPage, UINT nID)
{
    m_pageList.push_back(pPage);
    pPage->m_nDialogID = nID;
}

CWizardPage* CWizardSheet::GetFirstPage() const
{
    return m_pageList.empty() ? nullptr : m_pageList.front();
}

CWizardPage* CWizardSheet::GetLastPage() const
{
    return m_pageList.empty() ? nullptr : m_pageList.back();
}

CWizardPage* CWizardSheet::GetActivePage() const
{
    for (CWizardPage* pPage : m_pageList)
        if (pPage->m_bActive)
            return pPage;
    return nullptr;
}

CWizardPage* CWizardSheet::FindPage(int nID) const
{
    for (CWizardPage* pPage : m_pageList)
        if (static_cast<int>(pPage->m_nDialogID) == nID)
            return pPage;
    return nullptr;
}

BOOL CWizardSheet::SetActivePage(CWizardPage* pPage)
{
    if (!pPage)
        return FALSE;
    if (!pPage->m_bCreated)
    {
        if (!pPage->Create(LOWORD(pPage->m_nDialogID), this))
            return FALSE;
        pPage->m_bCreated = TRUE;
        pPage->m_pSheet = this;
        if (!pPage->OnCreatePage())
            return FALSE;
    }
    if (!DeactivateActivePage())
        return FALSE;

    // Without the placeholder the page goes to the client area's corner.
    RECT rc = {0, 0, 0, 0};
    if (HWND hPlaceholder = GetDlgItem(static_cast<int>(m_nPlaceholderID)))
    {
        ::GetWindowRect(hPlaceholder, &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    }
    HWND hPage = pPage->m_hWnd;
    ::SetWindowPos(hPage, nullptr, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::EnableWindow(hPage, TRUE);
    ::ShowWindow(hPage, SW_SHOW);
    ::InvalidateRect(hPage, nullptr, TRUE);
    ::UpdateWindow(hPage);
    pPage->OnSetActive();
    pPage->m_bActive = TRUE;
    return TRUE;
}

BOOL CWizardSheet::DeactivateActivePage()
{
    CWizardPage* pPage = GetActivePage();
    if (!pPage)
        return TRUE;
    if (!pPage->OnKillActive())
        return FALSE;
    ::ShowWindow(pPage->m_hWnd, SW_HIDE);
    pPage->m_bActive = FALSE;
    return TRUE;
}

BOOL CWizardSheet::ActivateFirstPage()
{
    CWizardPage* pFirst = GetFirstPage();
    if (!pFirst)
        return FALSE;
    if (!DeactivateActivePage())
        return FALSE;
    EnableBack(FALSE);
    if (m_pageList.size() > 1)
    {
        ShowFinish(FALSE);
        EnableNext(TRUE);
    }
    else
    {
        ShowFinish(TRUE);
        EnableNext(FALSE);
    }
    return SetActivePage(pFirst);
}

BOOL CWizardSheet::DestroyPage(CWizardPage* pPage)
{
    if (!pPage->m_bCreated)
        return TRUE;
    if (!pPage->OnKillActive())
        return FALSE;
    pPage->OnDestroyPage();
    pPage->DestroyWindow();
    pPage->m_bCreated = FALSE;
    return TRUE;
}

void CWizardSheet::OnBack()
{
    CWizardPage* pActive = GetActivePage();
    if (!pActive)
        return;
    LRESULT result = pActive->OnWizardBack();
    if (result == -1)
        return;
    CWizardPage* pTarget = nullptr;
    if (result == 0)
    {
        auto it = std::find(m_pageList.begin(), m_pageList.end(), pActive);
        if (it == m_pageList.begin())
            return;
        pTarget = *(it - 1);
    }
    else
    {
        pTarget = FindPage(static_cast<int>(result));
    }
    if (!pTarget || !SetActivePage(pTarget))
        return;
    if (pTarget == GetFirstPage())
    {
        EnableBack(FALSE);
        ShowFinish(FALSE);
    }
    EnableNext(TRUE);
}

void CWizardSheet::OnNext()
{
    CWizardPage* pActive = GetActivePage();
    if (!pActive)
        return;
    LRESULT result = pActive->OnWizardNext();
    if (result == -1)
        return;
    CWizardPage* pTarget = nullptr;
    if (result == 0)
    {
        auto it = std::find(m_pageList.begin(), m_pageList.end(), pActive);
        if (it == m_pageList.end() || it + 1 == m_pageList.end())
            return;
        pTarget = *(it + 1);
    }
    else
    {
        pTarget = FindPage(static_cast<int>(result));
    }
    if (!pTarget || !SetActivePage(pTarget))
        return;
    EnableBack(TRUE);
    // The progress page works alone: nobody may leave it while it installs.
    if (pTarget->m_nDialogID == IDD_PROGRESS_PAGE)
    {
        EnableBack(FALSE);
        EnableNext(FALSE);
        EnableCancel(FALSE);
    }
    if (pTarget == GetLastPage())
    {
        EnableFinish(TRUE);
        ShowFinish(TRUE);
        ShowCancel(FALSE);
        ShowBack(FALSE);
        ShowNext(FALSE);
        EnableCancel(TRUE);
    }
}

void CWizardSheet::OnFinish()
{
    CWizardPage* pActive = GetActivePage();
    if (!pActive || !pActive->OnKillActive())
        return;
    for (CWizardPage* pPage : m_pageList)
        if (pPage->m_bCreated && !pPage->OnWizardFinish())
            return;
    UpdateData(TRUE);
    EndDialog(ID_WIZFINISH);
}

void CWizardSheet::OnCancel()
{
    for (CWizardPage* pPage : m_pageList)
        if (pPage->m_bCreated && !pPage->OnQueryCancel())
            return;
    CDialog::OnCancel();
}

BOOL CWizardSheet::OnInitDialog()
{
    HICON hIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_WIZARD));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    CDialog::OnInitDialog();
    // Lets the dialog manager's Tab navigation reach the controls of the pages.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    ActivateFirstPage();
    return TRUE;
}

BOOL CWizardSheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED || lParam == 0)
    {
        switch (LOWORD(wParam))
        {
        case ID_WIZBACK:
            OnBack();
            return TRUE;
        case ID_WIZNEXT:
            OnNext();
            return TRUE;
        case ID_WIZFINISH:
            OnFinish();
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CWizardSheet::OnDestroy()
{
    // A refusal leaves that page to be destroyed with the sheet's window, as a child.
    for (CWizardPage* pPage : m_pageList)
        DestroyPage(pPage);
    CDialog::OnDestroy();
}

void CWizardSheet::EnableButton(int nID, BOOL bEnable)
{
    if (HWND hButton = GetDlgItem(nID))
        ::EnableWindow(hButton, bEnable);
}

void CWizardSheet::ShowButton(int nID, BOOL bShow)
{
    if (HWND hButton = GetDlgItem(nID))
        ::ShowWindow(hButton, bShow ? SW_SHOWNORMAL : SW_HIDE);
}
