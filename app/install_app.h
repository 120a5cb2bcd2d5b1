// The installer's application object.
#pragma once
#include "framework/app.h"

class CInstallApp : public CWinApp
{
public:
    CInstallApp();
    ~CInstallApp() override;

    // Runs the whole installer once; always FALSE, so the program ends when the wizard does.
    BOOL InitInstance() override;
};

// The one application object (constructed before the other shared globals).
extern CInstallApp theApp;

// Builds and runs the wizard modally; returns when it has closed.
void RunInstallerWizard();
