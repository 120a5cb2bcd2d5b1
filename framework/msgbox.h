// The framework's message box: owned by the main window, captioned with the application's title.
#pragma once
#include <windows.h>

// Returns the button pressed (IDOK, IDYES, ...). The help context is accepted for
// the callers' sake; there is no help file to open.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK, UINT nIDHelp = 0);
