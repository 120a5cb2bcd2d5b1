#include "pages/install_wizard.h"

#include <string>

#include "app/globals.h"
#include "app/install_app.h"
#include "pages/destination_page.h"
#include "pages/finish_page.h"
#include "pages/license_page.h"
#include "pages/progress_page.h"

CInstallWizard::CInstallWizard(CWnd* pParentWnd) : CWizardSheet(IDD_WIZARD, pParentWnd)
{
}

BOOL CInstallWizard::OnInitDialog()
{
    std::string caption = std::string(g_textSlots[1]) + " " + g_szProductName;
    SetWindowText(caption.c_str());
    SetDlgItemTextA(m_hWnd, ID_WIZBACK, g_textSlots[5]);
    SetDlgItemTextA(m_hWnd, ID_WIZNEXT, g_textSlots[6]);
    SetDlgItemTextA(m_hWnd, IDCANCEL, g_textSlots[7]);
    SetDlgItemTextA(m_hWnd, ID_WIZFINISH, g_textSlots[8]);
    SetPlaceholderID(IDC_PAGE_PLACEHOLDER);
    CWizardSheet::OnInitDialog();
    return TRUE;
}

void RunInstallerWizard()
{
    // Constructed in this order, destroyed in the reverse one when the run is over.
    CInstallWizard wizard;
    CLicensePage licensePage;
    CDestinationPage destinationPage;
    CProgressPage progressPage;
    CFinishPage finishPage;

    wizard.AddPage(&licensePage, IDD_LICENSE_PAGE);
    wizard.AddPage(&destinationPage, IDD_DESTINATION_PAGE);
    wizard.AddPage(&progressPage, IDD_PROGRESS_PAGE);
    wizard.AddPage(&finishPage, IDD_FINISH_PAGE);

    // The folder browser finds the wizard as the main window and takes it as owner.
    CWinApp* app = AfxGetApp();
    if (app)
        app->m_pMainWnd = &wizard;
    wizard.DoModal();
    if (app)
        app->m_pMainWnd = nullptr;
}
