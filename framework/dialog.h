// CDialog: a window made from a dialog template, run modally or created as a child.
#pragma once
#include "framework/window.h"

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally, owned by the parent (or the main window); returns the
    // result given to EndDialog, or -1 when the window could not be created.
    INT_PTR DoModal();
    // Creates the dialog from the template as a modeless window of pParentWnd (a child
    // window when the template says WS_CHILD). FALSE when it could not be created.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal run with the result; a modeless dialog is hidden. The result is kept.
    void EndDialog(int nResult);
    // The result last given to EndDialog, -1 before.
    int GetEndResult() const { return m_nEndResult; }

    // Binds the controls first (UpdateData(FALSE)); TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // The IDOK and IDCANCEL commands: end the dialog with that result.
    virtual void OnOK();
    virtual void OnCancel();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Keyboard input goes to the innermost dialog first, so Enter and Escape inside
    // a child dialog reach that dialog, not the frame around it.
    static bool PreTranslateInput(MSG& msg);

    int m_nEndResult = -1;
    bool m_bModal = false;
    bool m_bEnded = false;
};
