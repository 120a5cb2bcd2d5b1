#include "framework/app.h"

#include <commctrl.h>

#include "framework/window.h"

namespace {
CWinApp* s_pApp = nullptr;
HINSTANCE s_hResource = nullptr;

// The file name of the program without folder and extension ("setup").
std::string ModuleTitle(HINSTANCE hInstance)
{
    char path[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(hInstance, path, MAX_PATH);
    std::string name(path, n);
    std::string::size_type slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}
}  // namespace

CWinApp::CWinApp(const char* pszAppName)
    : m_strTitle(pszAppName ? pszAppName : ""), m_bTitleGiven(pszAppName != nullptr)
{
    s_pApp = this;
    m_hInstance = GetModuleHandleA(nullptr);
    if (!m_bTitleGiven)
        m_strTitle = ModuleTitle(m_hInstance);
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance();
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return s_pApp ? s_pApp->m_hInstance : GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return s_hResource ? s_hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hResource)
{
    s_hResource = hResource;
}

HWND AfxGetMainHwnd()
{
    return (s_pApp && s_pApp->m_pMainWnd) ? s_pApp->m_pMainWnd->GetSafeHwnd() : nullptr;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = hInstance;
    if (!app->m_bTitleGiven)
        app->m_strTitle = ModuleTitle(hInstance);

    // Dialog templates may hold common controls (the progress bar): register them first.
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);

    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
