#include "controls/styled_static.h"

#include <cstring>
#include <optional>
#include <string>

#include <shellapi.h>

CStyledStatic::CStyledStatic() : m_crText(::GetSysColor(COLOR_WINDOWTEXT))
{
    m_hSysBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    std::memset(&m_lf, 0, sizeof(m_lf));
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_lf), &m_lf);
    m_font.CreateFontIndirect(&m_lf);
}

CStyledStatic::~CStyledStatic() = default;

void CStyledStatic::RedrawNow()
{
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CStyledStatic::Invalidate(BOOL bErase)
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CStyledStatic::RebuildFont()
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_lf);
}

CStyledStatic& CStyledStatic::SetBkColor(COLORREF crColor)
{
    m_hBackBrush.CreateSolidBrush(crColor);
    Invalidate(FALSE);
    return *this;
}

CStyledStatic& CStyledStatic::SetTextColor(COLORREF crColor)
{
    m_crText = crColor;
    RedrawNow();
    return *this;
}

CStyledStatic& CStyledStatic::SetText(const char* pszText)
{
    if (m_hWnd)
        SetWindowText(pszText);
    Invalidate(FALSE);
    return *this;
}

CStyledStatic& CStyledStatic::SetFontBold(bool bBold)
{
    m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    RebuildFont();
    RedrawNow();
    return *this;
}

CStyledStatic& CStyledStatic::SetFontName(const char* pszFaceName)
{
    CopyFaceName(m_lf, pszFaceName ? pszFaceName : "");
    RebuildFont();
    RedrawNow();
    return *this;
}

CStyledStatic& CStyledStatic::SetFontUnderline(bool bUnderline)
{
    m_lf.lfUnderline = static_cast<BYTE>(bUnderline);
    RebuildFont();
    RedrawNow();
    return *this;
}

CStyledStatic& CStyledStatic::SetFontItalic(bool bItalic)
{
    m_lf.lfItalic = static_cast<BYTE>(bItalic);
    RebuildFont();
    RedrawNow();
    return *this;
}

CStyledStatic& CStyledStatic::SetFontSize(int nPointSize)
{
    CFont measured;
    measured.CreatePointFont(nPointSize * 10, m_lf.lfFaceName);
    LOGFONTA lf;
    if (measured.GetLogFont(&lf))
    {
        m_lf.lfHeight = lf.lfHeight;
        m_lf.lfWidth = lf.lfWidth;
    }
    RebuildFont();
    RedrawNow();
    return *this;
}

CStyledStatic& CStyledStatic::SetSunken(bool bSunken)
{
    if (m_hWnd)
        ModifyStyleEx(bSunken ? 0 : WS_EX_STATICEDGE, bSunken ? WS_EX_STATICEDGE : 0, SWP_FRAMECHANGED);
    return *this;
}

CStyledStatic& CStyledStatic::SetBorder(bool bBorder)
{
    if (m_hWnd)
        ModifyStyle(bBorder ? 0 : WS_BORDER, bBorder ? WS_BORDER : 0, SWP_FRAMECHANGED);
    return *this;
}

CStyledStatic& CStyledStatic::SetTransparent(bool bTransparent)
{
    m_bTransparent = bTransparent;
    if (m_hWnd)
    {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        ::UpdateWindow(m_hWnd);
    }
    return *this;
}

void CStyledStatic::StartOrStopFlash(bool bFlash, int nMode)
{
    if (m_bTimerSet && m_hWnd)
        KillTimer(kFlashTimer);
    if (bFlash)
    {
        m_bFlashPhase = 0;
        m_bTimerSet = 1;
        // Without a window there is nothing to tick; a thread timer would leak.
        if (m_hWnd)
            SetTimer(kFlashTimer, kFlashPeriod);
        m_nFlashMode = nMode;
    }
    else
    {
        m_nFlashMode = 0;
    }
}

CStyledStatic& CStyledStatic::FlashText(bool bFlash)
{
    StartOrStopFlash(bFlash, 1);
    return *this;
}

CStyledStatic& CStyledStatic::FlashBackground(bool bFlash)
{
    StartOrStopFlash(bFlash, 2);
    return *this;
}

CStyledStatic& CStyledStatic::SetLink(bool bLink, bool bOpenOnClick)
{
    // A static control hears mouse clicks only with SS_NOTIFY.
    if (m_hWnd)
        ModifyStyle(bLink ? 0 : SS_NOTIFY, bLink ? SS_NOTIFY : 0);
    m_bOpenOnClick = bOpenOnClick;
    return *this;
}

CStyledStatic& CStyledStatic::SetLinkCursor(HCURSOR hCursor)
{
    m_hLinkCursor = hCursor;
    return *this;
}

CStyledStatic& CStyledStatic::SetTextShadow(bool bShadow, bool bBelowRight)
{
    m_bShadow = bShadow;
    m_bShadowBelowRight = bBelowRight;
    RedrawNow();
    return *this;
}

CStyledStatic& CStyledStatic::SetTextAngle(int nDegrees, bool bRotate)
{
    m_lf.lfEscapement = nDegrees * 10;
    m_lf.lfOrientation = nDegrees * 10;
    m_bRotate = bRotate;
    RebuildFont();
    RedrawNow();
    return *this;
}

void CStyledStatic::OnPaint()
{
    CPaintDC dc(m_hWnd);
    Paint(dc.m_hDC);
}

void CStyledStatic::OnPrintClient(HDC hDC, UINT nFlags)
{
    Paint(hDC);
}

void CStyledStatic::Paint(HDC hTarget)
{
    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    const std::string text = GetWindowText();
    const int width = rcClient.right - rcClient.left;
    const int height = rcClient.bottom - rcClient.top;

    // An opaque label is drawn off-screen and copied in one step, so it does not flicker.
    CBitmap bitmap;  // declared first, so it is deleted after the memory DC
    std::optional<CMemDC> memDC;
    HDC hDC = hTarget;
    if (!m_bTransparent)
    {
        memDC.emplace(hTarget);
        bitmap.CreateCompatibleBitmap(hTarget, width, height);
        memDC->SelectBitmap(bitmap);
        hDC = memDC->m_hDC;
    }

    int oldMode = ::SetBkMode(hDC, TRANSPARENT);
    COLORREF oldColor = ::SetTextColor(hDC, m_crText);
    HGDIOBJ oldFont = ::SelectObject(hDC, m_font);

    if (!m_bTransparent)
    {
        HBRUSH hFill = m_hBackBrush ? m_hBackBrush.GetSafeHandle() : m_hSysBrush.GetSafeHandle();
        // Background flashing: the second phase shows the default background.
        if (m_nFlashMode == 2 && m_bFlashPhase && m_hBackBrush)
            hFill = m_hSysBrush;
        ::FillRect(hDC, &rcClient, hFill);
    }

    // Text flashing: the first phase draws the text in the background colour.
    LOGBRUSH lb = {};
    if (m_hBackBrush)
        ::GetObjectA(m_hBackBrush, sizeof(lb), &lb);
    if (m_bFlashPhase == 0 && m_nFlashMode == 1)
        ::SetTextColor(hDC, lb.lbColor);

    DWORD style = GetStyle();
    UINT format = 0;
    if ((style & 0x0C) == 0)
        format = DT_WORDBREAK;
    if (style & SS_RIGHT)
        format = DT_RIGHT;
    if (style & SS_CENTER)
        format = DT_CENTER;
    if (style & SS_CENTERIMAGE)
    {
        format = DT_CENTER;
        if (text.find("\r\n") == std::string::npos)
            format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }

    if (m_bRotate)
    {
        UINT oldAlign = ::SetTextAlign(hDC, TA_BASELINE);
        POINT oldOrigin;
        ::GetViewportOrgEx(hDC, &oldOrigin);
        ::SetViewportOrgEx(hDC, width / 2, height / 2, nullptr);
        ::TextOutA(hDC, 0, 0, text.c_str(), static_cast<int>(text.size()));
        ::SetViewportOrgEx(hDC, oldOrigin.x, oldOrigin.y, nullptr);
        ::SetTextAlign(hDC, oldAlign);
    }
    else
    {
        if (m_bShadow)
        {
            COLORREF textColor = ::SetTextColor(hDC, RGB(108, 28, 28));
            RECT rcShadow = rcClient;
            int offset = m_bShadowBelowRight ? 1 : -1;
            ::OffsetRect(&rcShadow, offset, offset);
            ::DrawTextA(hDC, text.c_str(), static_cast<int>(text.size()), &rcShadow, format);
            ::SetTextColor(hDC, textColor);
        }
        RECT rcText = rcClient;
        ::DrawTextA(hDC, text.c_str(), static_cast<int>(text.size()), &rcText, format);
    }

    ::SetBkMode(hDC, oldMode);
    ::SelectObject(hDC, oldFont);
    ::SetTextColor(hDC, oldColor);

    if (!m_bTransparent)
        ::BitBlt(hTarget, 0, 0, width, height, hDC, 0, 0, SRCCOPY);
}

void CStyledStatic::OnTimer(UINT_PTR nIDEvent)
{
    m_bFlashPhase = !m_bFlashPhase;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
    Default();
}

void CStyledStatic::OnLButtonDown(UINT nFlags, POINT point)
{
    if (m_bOpenOnClick)
    {
        std::string text = GetWindowText();
        ::ShellExecuteA(nullptr, "open", text.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    else
    {
        NMHDR nm;
        nm.hwndFrom = m_hWnd;
        nm.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        nm.code = kNotifyClicked;
        ::SendMessageA(GetParent(), WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
    }
    Default();
}

BOOL CStyledStatic::OnSetCursor(HWND hWnd, UINT nHitTest, UINT message)
{
    if (m_hLinkCursor)
    {
        ::SetCursor(m_hLinkCursor);
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void CStyledStatic::OnSysColorChange()
{
    m_hSysBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    RedrawNow();
}
