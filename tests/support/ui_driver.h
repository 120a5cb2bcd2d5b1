// Drives another program's windows from outside, as a user at the screen would:
// finds its windows, reads texts and button states, clicks, answers message boxes.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

// A program started for a test; killed on destruction if it is still running.
class DrivenProcess
{
public:
    explicit DrivenProcess(const std::string& commandLine);
    ~DrivenProcess();
    DrivenProcess(const DrivenProcess&) = delete;
    DrivenProcess& operator=(const DrivenProcess&) = delete;

    bool started() const { return m_pi.hProcess != nullptr; }
    DWORD pid() const { return m_pi.dwProcessId; }
    // Waits for the end; false on timeout.
    bool WaitForExit(DWORD timeoutMs);
    bool IsRunning() const;

private:
    PROCESS_INFORMATION m_pi = {};
};

// The first visible top-level window of the process with child nChildId, or null
// after the timeout.
HWND WaitForTopWindow(DWORD pid, int nChildId, DWORD timeoutMs);

struct MessageBoxSeen
{
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
};

// The next message box of the process (a dialog with the message text control).
MessageBoxSeen WaitForMessageBox(DWORD pid, DWORD timeoutMs);
// The next message box with this caption, from whichever program shows it.
MessageBoxSeen WaitForMessageBoxTitled(const std::string& caption, DWORD timeoutMs);
// Presses a message box's button (IDOK, IDYES, IDNO...).
void Answer(const MessageBoxSeen& box, int nButton);
// True when no message box of the process shows.
bool NoMessageBox(DWORD pid);

std::string WindowText(HWND hWnd);
std::string ItemText(HWND hDlg, int nId);
void SetItemText(HWND hDlg, int nId, const std::string& text);
bool IsShown(HWND hWnd);
// Clicks an enabled button the way the mouse does (nothing happens when disabled).
void ClickButton(HWND hDlg, int nId);
bool IsChecked(HWND hDlg, int nId);

// The wizard's visible child dialog (the active page) and all its page windows.
HWND ActivePage(HWND hWizard);
std::vector<HWND> PageWindows(HWND hWizard);

// Polls until the condition holds; false on timeout.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition())
    {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

// Saves a picture of the window (with what lies over it) as a 24-bit BMP.
bool SaveWindowPicture(HWND hWnd, const std::string& path);
