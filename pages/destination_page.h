// The destination page: the install folder is typed or browsed, checked, created and committed.
#pragma once
#include <string>

#include "controls/styled_static.h"
#include "framework/controls.h"
#include "pages/header_page.h"
#include "res/resource.h"

class CDestinationPage : public CHeaderPage
{
public:
    explicit CDestinationPage(CWnd* pParentWnd = nullptr);

    // Checks the folder and offers to create it: -1 (stay, folder focused) on any
    // problem; 0 after the choice is committed (install folder, script, language value).
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Button 1014: picks the folder with the shell's folder browser.
    void OnBrowse();

    CStyledStatic m_wndTitle;
    CStyledStatic m_wndSubtitle;
    CCheckListBox m_wndAutoLoadList;

private:
    void FocusFolder();
};

// Folder path helpers, aware of double-byte characters of the active code page:
// a trail byte of 0x5C is not a backslash.
bool EndsWithBackslash(const std::string& path);
bool HasDoubleBackslash(const std::string& path);
