// The installer's shared state: what the pages and the install run hand each other.
#pragma once
#include <string>

#include "framework/text_file.h"

// The product's display name: default folder, Start-menu group, uninstall entry, caption.
extern const char g_szProductName[260];
// Caption of the message boxes the pages show themselves.
extern std::string g_strCaption;
// Empty until the destination page commits; then an absolute folder ending in one backslash.
extern std::string g_strInstallDir;
// uninstall.ini; open from the destination page's Next until program end.
extern CStdioFile g_uninstallScript;
// 936 once start-up has run.
extern int g_nCodePage;
// Slot n of the active language table; filled by SelectLanguage.
extern const char* g_textSlots[100];
// Resource id (type "FILE") of the active language's licence text.
extern int g_nLicenseResId;
