#include "pages/finish_page.h"

#include "app/globals.h"
#include "framework/data_exchange.h"

CFinishPage::CFinishPage(CWnd* pParentWnd) : CHeaderPage(IDD_FINISH_PAGE, pParentWnd)
{
}

void CFinishPage::DoDataExchange(CDataExchange* pDX)
{
    CHeaderPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE, m_wndTitle);
}

BOOL CFinishPage::OnInitDialog()
{
    CHeaderPage::OnInitDialog();
    m_wndTitle.SetTransparent(true).SetFontSize(12).SetTextColor(RGB(0, 0, 128)).SetFontBold(true);
    SetDlgItemTextA(m_hWnd, IDC_TITLE, g_textSlots[51]);
    SetDlgItemTextA(m_hWnd, IDC_SUBTITLE, g_textSlots[52]);
    return TRUE;
}
