// The licence page: the agreement under a coloured title; Next only once it is accepted.
#pragma once
#include "controls/styled_static.h"
#include "res/resource.h"
#include "wizard/wizard_page.h"

class CLicensePage : public CWizardPage
{
public:
    explicit CLicensePage(CWnd* pParentWnd = nullptr);

    // The one cancel question of the wizard: Yes lets it close, No keeps it open.
    BOOL OnQueryCancel() override;
    // -1 (stay, after saying why) while "do not accept" is selected, else 0.
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CStyledStatic m_wndTitle;
};
