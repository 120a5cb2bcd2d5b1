// Application object: the program's one CWinApp, its WinMain and its exit path.
#pragma once
#include <string>

#include <windows.h>

class CWnd;

class CWinApp
{
public:
    // With no name, the title is derived from the program's file name.
    explicit CWinApp(const char* pszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called once at start. FALSE ends the program without a message loop.
    virtual BOOL InitInstance();
    // Exit processing; its result is the process exit code.
    virtual int ExitInstance();
    // The message loop, entered only when InitInstance returned TRUE.
    virtual int Run();

    // Kept for the start-up sequence; themed controls need nothing here.
    void Enable3dControls() {}
    // The standard help command; this program ships no help file of its own.
    void OnHelp() {}

    const char* GetTitle() const { return m_strTitle.c_str(); }

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int);
    std::string m_strTitle;
    bool m_bTitleGiven;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The module whose resources the program loads (the program itself unless set).
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);
// The main window's handle, or null.
HWND AfxGetMainHwnd();

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
