// Defines the application object and the shared globals in one translation unit,
// so they are constructed in this order and destroyed in the reverse one: the
// uninstall script is closed (and flushed) first at program end.
#include "app/globals.h"

#include "app/install_app.h"

CInstallApp theApp;
std::string g_strCaption("Install");
std::string g_strInstallDir;
CStdioFile g_uninstallScript;

const char g_szProductName[260] = "Ostrevan4.1C";
int g_nCodePage = 0;
const char* g_textSlots[100] = {};
int g_nLicenseResId = 0;
