// CWizardSheet: the wizard's frame dialog; holds the pages, shows one at a time, owns the buttons.
#pragma once
#include <vector>

#include "framework/dialog.h"
#include "res/resource.h"
#include "wizard/wizard_page.h"

class CWizardSheet : public CDialog
{
public:
    explicit CWizardSheet(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // The pages belong to whoever added them; their windows are gone by now (OnDestroy).
    ~CWizardSheet() override;

    // Appends the page and gives it the navigation id; duplicates are allowed.
    void AddPage(CWizardPage* pPage, UINT nID);
    // The control whose top-left corner receives every page; set before OnInitDialog.
    void SetPlaceholderID(UINT nID) { m_nPlaceholderID = nID; }

    // Null when the list is empty.
    CWizardPage* GetFirstPage() const;
    CWizardPage* GetLastPage() const;
    // The first page in list order marked active, or null.
    CWizardPage* GetActivePage() const;
    // The first page in list order with this id, or null.
    CWizardPage* FindPage(int nID) const;

    // Creates the page window on first use, hides the active page if it agrees, and shows
    // this one at the placeholder. Leaves the buttons alone.
    BOOL SetActivePage(CWizardPage* pPage);
    // Hides the active page if its OnKillActive agrees; TRUE too when none is active.
    BOOL DeactivateActivePage();
    // Sets the starting button states and activates the first page.
    BOOL ActivateFirstPage();
    // Destroys one page window if its OnKillActive agrees; TRUE too when it has none.
    BOOL DestroyPage(CWizardPage* pPage);

    // The buttons' handlers; a page may call OnNext and OnFinish on its sheet directly.
    void OnBack();
    void OnNext();
    void OnFinish();
    // Ends the wizard with IDCANCEL unless a created page refuses.
    void OnCancel() override;

    // Each does nothing when the template lacks the button.
    void EnableBack(BOOL bEnable) { EnableButton(ID_WIZBACK, bEnable); }
    void ShowBack(BOOL bShow) { ShowButton(ID_WIZBACK, bShow); }
    void EnableNext(BOOL bEnable) { EnableButton(ID_WIZNEXT, bEnable); }
    void ShowNext(BOOL bShow) { ShowButton(ID_WIZNEXT, bShow); }
    void EnableFinish(BOOL bEnable) { EnableButton(ID_WIZFINISH, bEnable); }
    void ShowFinish(BOOL bShow) { ShowButton(ID_WIZFINISH, bShow); }
    void EnableCancel(BOOL bEnable) { EnableButton(IDCANCEL, bEnable); }
    void ShowCancel(BOOL bShow) { ShowButton(IDCANCEL, bShow); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {}
    // A derived sheet sets the placeholder first, then calls this.
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Destroys every page window whose page agrees.
    void OnDestroy() override;

    // In navigation order; not owned.
    std::vector<CWizardPage*> m_pageList;
    UINT m_nPlaceholderID = 0;

private:
    void EnableButton(int nID, BOOL bEnable);
    void ShowButton(int nID, BOOL bShow);
};
