#include "app/install_app.h"

#include "app/globals.h"
#include "app/language.h"
#include "framework/msgbox.h"
#include "framework/ole.h"

CInstallApp::CInstallApp() : CWinApp(nullptr)
{
}

CInstallApp::~CInstallApp() = default;

BOOL CInstallApp::InitInstance()
{
    AfxEnableControlContainer();

    // No language is selected yet, so this one text is English whatever the system.
    if (!AfxOleInit())
    {
        AfxMessageBox("Could not initialize COM dll", MB_OK, 0);
        return FALSE;
    }

    Enable3dControls();

    g_nCodePage = 936;
    SelectLanguage(936);

    RunInstallerWizard();

    // FALSE: no message loop; the framework's exit processing ends the program,
    // and the shared globals (the uninstall script first) are destroyed after it.
    return FALSE;
}
