// A wizard page whose only painting is the header band.
#pragma once
#include "framework/dc.h"
#include "wizard/wizard_page.h"

class CHeaderPage : public CWizardPage
{
public:
    using CWizardPage::CWizardPage;

protected:
    void OnPaint() override
    {
        CPaintDC dc(m_hWnd);
        DrawHeaderBand(&dc);
    }
};
