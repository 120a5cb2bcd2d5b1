#include "pages/progress_page.h"

#include "app/globals.h"
#include "framework/data_exchange.h"
#include "install/install_run.h"
#include "wizard/wizard_sheet.h"

CProgressPage::CProgressPage(CWnd* pParentWnd) : CHeaderPage(IDD_PROGRESS_PAGE, pParentWnd)
{
}

void CProgressPage::DoDataExchange(CDataExchange* pDX)
{
    CHeaderPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS, m_wndProgress);
    DDX_Control(pDX, IDC_TITLE, m_wndTitle);
}

BOOL CProgressPage::OnInitDialog()
{
    CHeaderPage::OnInitDialog();
    m_wndTitle.SetTransparent(true).SetFontSize(12).SetTextColor(RGB(0, 0, 128)).SetFontBold(true);
    SetDlgItemTextA(m_hWnd, IDC_TITLE, g_textSlots[41]);
    SetDlgItemTextA(m_hWnd, IDC_PROGRESS_CAPTION, g_textSlots[42]);
    SetDlgItemTextA(m_hWnd, IDC_FILE_NAME, g_textSlots[43]);
    // By the second tick the sheet has shown this page and disabled its buttons.
    SetTimer(0, 10);
    m_nTicks = 0;
    return TRUE;
}

void CProgressPage::OnTimer(UINT_PTR nIDEvent)
{
    if (m_nTicks == 1)
    {
        CWizardSheet* pSheet = dynamic_cast<CWizardSheet*>(CWnd::FromHandle(GetParent()));
        if (RunInstall(m_hWnd))
        {
            if (pSheet)
                pSheet->OnNext();
        }
        else
        {
            MessageBoxA(m_hWnd, g_textSlots[21], g_strCaption.c_str(), MB_OK | MB_ICONHAND);
            if (pSheet)
                pSheet->OnFinish();
        }
    }
    else if (m_nTicks < 200)
    {
        ++m_nTicks;
    }
    Default();
}
