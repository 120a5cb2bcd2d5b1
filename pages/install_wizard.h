// The installer's wizard window: the sheet on template 131 with localized caption and buttons.
#pragma once
#include "res/resource.h"
#include "wizard/wizard_sheet.h"

class CInstallWizard : public CWizardSheet
{
public:
    explicit CInstallWizard(CWnd* pParentWnd = nullptr);

protected:
    BOOL OnInitDialog() override;
};
