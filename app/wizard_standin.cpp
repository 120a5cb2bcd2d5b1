// Stand-in for the installer wizard until its pages exist: one window with the
// localized caption and welcome line, so start-up can be run end to end.
#include <string>

#include <windows.h>

#include "app/globals.h"
#include "app/install_app.h"

void RunInstallerWizard()
{
    std::string caption = std::string(g_textSlots[1]) + " " + g_szProductName;
    std::string text = std::string(g_textSlots[28]) + "\n\n(wizard stand-in)";
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}
