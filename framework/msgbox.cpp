#include "framework/msgbox.h"

#include "framework/app.h"

int AfxMessageBox(const char* pszText, UINT nType, UINT)
{
    CWinApp* app = AfxGetApp();
    const char* caption = app ? app->GetTitle() : "";
    HWND owner = AfxGetMainHwnd();
    if (owner && !IsWindowEnabled(owner))
        owner = GetActiveWindow();
    return MessageBoxA(owner, pszText, caption, nType);
}
