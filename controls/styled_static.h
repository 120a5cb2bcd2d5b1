// CStyledStatic: the label control, a static text control that paints itself.
#pragma once
#include <windows.h>

#include "framework/controls.h"
#include "framework/dc.h"
#include "framework/gdi.h"

// Its own colours, font, transparency, shadow, rotation, flashing and link behaviour.
// Every setter returns the control, so calls chain.
class CStyledStatic : public CStatic
{
public:
    // The link notification the parent receives in WM_NOTIFY when a link is clicked.
    static const UINT kNotifyClicked = 0x8200;

    CStyledStatic();
    // Deletes the font and both brushes; a running flash timer ends with the window.
    ~CStyledStatic() override;

    virtual CStyledStatic& SetBkColor(COLORREF crColor);
    virtual CStyledStatic& SetTextColor(COLORREF crColor);
    virtual CStyledStatic& SetText(const char* pszText);
    virtual CStyledStatic& SetFontBold(bool bBold);
    // A name longer than a LOGFONT holds (31 bytes) is cut to fit.
    virtual CStyledStatic& SetFontName(const char* pszFaceName);
    virtual CStyledStatic& SetFontUnderline(bool bUnderline);
    virtual CStyledStatic& SetFontItalic(bool bItalic);
    // Points, measured on the screen; only the font's height and width change.
    virtual CStyledStatic& SetFontSize(int nPointSize);
    virtual CStyledStatic& SetSunken(bool bSunken);
    virtual CStyledStatic& SetBorder(bool bBorder);
    // Draw only the text, over whatever the window's erase left.
    virtual CStyledStatic& SetTransparent(bool bTransparent);
    // Every 500 ms the text shows in the background colour (black without one), then in its own.
    virtual CStyledStatic& FlashText(bool bFlash);
    // Every 500 ms the background shows the default colour instead of the one set.
    virtual CStyledStatic& FlashBackground(bool bFlash);
    // A link is clickable: the click opens the text with the shell (bOpenOnClick) or
    // notifies the parent with kNotifyClicked.
    virtual CStyledStatic& SetLink(bool bLink, bool bOpenOnClick);
    // Shown while the pointer is over the label; not destroyed by the label.
    virtual CStyledStatic& SetLinkCursor(HCURSOR hCursor);
    // A copy of the text in dark red, one pixel below-right or above-left of it.
    virtual CStyledStatic& SetTextShadow(bool bShadow, bool bBelowRight);
    // Text drawn from the client centre on its baseline, at nDegrees (counter-clockwise).
    virtual CStyledStatic& SetTextAngle(int nDegrees, bool bRotate);

protected:
    void OnPaint() override;
    void OnPrintClient(HDC hDC, UINT nFlags) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnLButtonDown(UINT nFlags, POINT point) override;
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message) override;
    void OnSysColorChange() override;

    // Paints the label onto hDC (the window's paint DC or one handed in by WM_PRINTCLIENT).
    void Paint(HDC hDC);
    void RebuildFont();
    void RedrawNow();
    void Invalidate(BOOL bErase);
    void StartOrStopFlash(bool bFlash, int nMode);

    COLORREF m_crText;
    CBrush m_hSysBrush;   // the button face, used when no background colour was set
    CBrush m_hBackBrush;  // the colour given to SetBkColor, if any
    LOGFONTA m_lf;
    CFont m_font;
    BOOL m_bFlashPhase = 0;
    BOOL m_bTimerSet = 0;  // a flash timer was started once; never cleared
    BOOL m_bTransparent = 0;
    int m_nFlashMode = 0;  // 0 none, 1 text, 2 background
    HCURSOR m_hLinkCursor = nullptr;
    BOOL m_bShadowBelowRight = 0;
    BOOL m_bShadow = 0;
    BOOL m_bOpenOnClick = 0;
    BOOL m_bRotate = 0;

    enum : UINT_PTR
    {
        kFlashTimer = 1
    };
    enum : UINT
    {
        kFlashPeriod = 500
    };
};
