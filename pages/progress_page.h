// The progress page: installs on its timer's second tick, then moves the wizard on.
#pragma once
#include "controls/styled_static.h"
#include "framework/controls.h"
#include "pages/header_page.h"
#include "res/resource.h"

class CProgressPage : public CHeaderPage
{
public:
    explicit CProgressPage(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The first tick arms the page; the second runs the installation (which stops the
    // timer) and then shows the finish page, or reports the failure and ends the wizard.
    void OnTimer(UINT_PTR nIDEvent) override;

    CProgressCtrl m_wndProgress;
    CStyledStatic m_wndTitle;
    int m_nTicks = 0;
};
