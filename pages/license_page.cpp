#include "pages/license_page.h"

#include <string>

#include "app/globals.h"
#include "framework/app.h"
#include "framework/data_exchange.h"

CLicensePage::CLicensePage(CWnd* pParentWnd) : CWizardPage(IDD_LICENSE_PAGE, pParentWnd)
{
}

void CLicensePage::DoDataExchange(CDataExchange* pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LICENSE_TITLE, m_wndTitle);
}

BOOL CLicensePage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_wndTitle.SetTransparent(true).SetFontSize(12).SetTextColor(RGB(127, 0, 255)).SetFontBold(true);
    CheckDlgButton(m_hWnd, IDC_ACCEPT, BST_CHECKED);

    // The licence resource carries no terminating NUL: exactly its bytes are shown.
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hInfo = FindResourceA(hModule, MAKEINTRESOURCEA(g_nLicenseResId), "FILE");
    if (hInfo)
    {
        const char* data = static_cast<const char*>(LockResource(LoadResource(hModule, hInfo)));
        if (data)
            SetDlgItemTextA(m_hWnd, IDC_LICENSE_TEXT, std::string(data, SizeofResource(hModule, hInfo)).c_str());
    }

    SetDlgItemTextA(m_hWnd, IDC_LICENSE_TITLE, g_textSlots[28]);
    SetDlgItemTextA(m_hWnd, IDC_PROMPT, g_textSlots[25]);
    SetDlgItemTextA(m_hWnd, IDC_ACCEPT, g_textSlots[26]);
    SetDlgItemTextA(m_hWnd, IDC_REFUSE, g_textSlots[27]);
    return TRUE;
}

LRESULT CLicensePage::OnWizardNext()
{
    if (IsDlgButtonChecked(m_hWnd, IDC_REFUSE) == BST_CHECKED)
    {
        MessageBoxA(m_hWnd, g_textSlots[24], g_strCaption.c_str(), MB_OK | MB_ICONINFORMATION);
        return -1;
    }
    return 0;
}

BOOL CLicensePage::OnQueryCancel()
{
    return MessageBoxA(m_hWnd, g_textSlots[2], g_strCaption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDNO;
}
