// CWizardPage: the base of every wizard page, a child dialog the sheet shows over its placeholder.
#pragma once
#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/gdi.h"

class CWizardSheet;

class CWizardPage : public CDialog
{
public:
    // The template id is also the page's navigation id until AddPage gives it another.
    explicit CWizardPage(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Deletes the brush, then the font. The window is the sheet's to destroy.
    ~CWizardPage() override;

    // The page hooks. BOOL results agree when nonzero. Navigation results: -1 stay,
    // 0 the neighbouring page in the list, any other value the page with that id.

    // Once, right after the sheet first created the window; FALSE fails that activation
    // (the window stays created and this is not asked again).
    virtual BOOL OnCreatePage() { return TRUE; }
    // At sheet teardown, after OnKillActive agreed, before the window is destroyed.
    virtual void OnDestroyPage() {}
    // Before the page is hidden for another one, on the active page at Finish, and on every
    // created page at teardown; FALSE keeps it (active, shown, or undestroyed).
    virtual BOOL OnKillActive() { return TRUE; }
    // After the page was placed, enabled, shown and repainted, before it is marked active.
    virtual void OnSetActive() {}
    // On every created page in list order at Cancel; the first FALSE stops the cancel.
    virtual BOOL OnQueryCancel() { return TRUE; }
    // On the active page at Back: -1 stay, 0 the page before it, else the page with that id.
    virtual LRESULT OnWizardBack() { return 0; }
    // On the active page at Next: -1 stay, 0 the page after it, else the page with that id.
    virtual LRESULT OnWizardNext() { return 0; }
    // On every created page in list order at Finish (after the active page's OnKillActive
    // agreed); the first FALSE stops the Finish.
    virtual BOOL OnWizardFinish() { return TRUE; }

    // Paints the header band: a gradient over control 1010 and icon 130 centred on control
    // 1007. Without 1010 only the icon is drawn; without 1007 no icon is.
    void DrawHeaderBand(CDC* pDC);

    // A bold font derived pages may use; made by OnInitDialog.
    CFont m_fontBold;
    // The white the page and its controls are painted on; made by OnInitDialog.
    CBrush m_brushWhite;
    // Kept by the sheet: the sheet that created the window (not owned), whether the window
    // exists and whether this is the active page, and the page's navigation id.
    CWizardSheet* m_pSheet = nullptr;
    BOOL m_bCreated = FALSE;
    BOOL m_bActive = FALSE;
    UINT m_nDialogID;

protected:
    void DoDataExchange(CDataExchange* pDX) override {}
    // Derived pages call this first in their own OnInitDialog.
    BOOL OnInitDialog() override;
    // Enter and Escape inside a page must neither end nor hide it.
    void OnOK() override {}
    void OnCancel() override {}
    // Black text on white for the controls; the page itself only gets the white brush.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
};
