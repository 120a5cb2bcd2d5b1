// The finish page: says the installation is complete; Finish closes the wizard.
#pragma once
#include "controls/styled_static.h"
#include "pages/header_page.h"
#include "res/resource.h"

class CFinishPage : public CHeaderPage
{
public:
    explicit CFinishPage(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CStyledStatic m_wndTitle;
};
