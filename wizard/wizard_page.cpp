#include "wizard/wizard_page.h"

#include "framework/app.h"
#include "res/resource.h"

CWizardPage::CWizardPage(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_nDialogID(nIDTemplate)
{
}

CWizardPage::~CWizardPage()
{
    m_brushWhite.DeleteObject();
    m_fontBold.DeleteObject();
}

BOOL CWizardPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_fontBold.CreateFont(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    m_brushWhite.CreateSolidBrush(RGB(255, 255, 255));
    return TRUE;
}

HBRUSH CWizardPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    switch (nCtlColor)
    {
    case CTLCOLOR_STATIC:
    case CTLCOLOR_EDIT:
    case CTLCOLOR_LISTBOX:
    case CTLCOLOR_SCROLLBAR:
    case CTLCOLOR_BTN:
        ::SetTextColor(pDC->m_hDC, RGB(0, 0, 0));
        ::SetBkColor(pDC->m_hDC, RGB(255, 255, 255));
        break;
    default:
        break;
    }
    return m_brushWhite.GetSafeHandle();
}

namespace {
// A child control's window rectangle in the client coordinates of its dialog.
RECT ChildRect(HWND hDlg, HWND hCtl)
{
    RECT rc;
    ::GetWindowRect(hCtl, &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}
}  // namespace

void CWizardPage::DrawHeaderBand(CDC* pDC)
{
    if (HWND hBand = GetDlgItem(IDC_HEADER_BAND))
    {
        RECT rc = ChildRect(m_hWnd, hBand);
        int width = rc.right - rc.left;
        if (width > 0)
        {
            // All three channels reach 255 at half the width; the right half is white.
            double sR = 255.0 / width, sG = 127.0 / width, sB = 191.0 / width;
            sR += sR;
            sG += sG;
            sB += sB;
            for (int i = 0; i < width; ++i)
            {
                int r = static_cast<int>(i * sR);
                int g = static_cast<int>(i * sG + 128.0);
                int b = static_cast<int>(i * sB + 64.0);
                if (r > 255)
                    r = 255;
                if (g > 255)
                    g = 255;
                if (b > 255)
                    b = 255;
                RECT column = {rc.left + i, rc.top, rc.left + i + 1, rc.bottom};
                pDC->FillSolidRect(column, RGB(r, g, b));
            }
        }
    }

    HWND hIconPlace = GetDlgItem(IDC_HEADER_ICON);
    if (!hIconPlace)
        return;
    // A shared icon: loaded on every paint, never destroyed.
    HICON hIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_HEADER));
    RECT rc = ChildRect(m_hWnd, hIconPlace);
    ::DrawIcon(pDC->m_hDC, rc.left + (rc.right - rc.left) / 2 - 16, rc.top + (rc.bottom - rc.top) / 2 - 16, hIcon);
}
