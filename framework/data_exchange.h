// Data exchange between a dialog object and the controls of its window (UpdateData).
#pragma once
#include <windows.h>

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

    CWnd* m_pDlgWnd;
    // TRUE: controls to members; FALSE: members to controls.
    BOOL m_bSaveAndValidate;
};

// Binds control nIDC of the dialog to the object, the first time only; later
// exchanges leave the binding alone. FALSE when the dialog has no such control.
BOOL DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
