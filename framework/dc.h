// Device contexts: CDC (a borrowed HDC), CPaintDC (one WM_PAINT), CMemDC (an off-screen DC).
#pragma once
#include <windows.h>

#include "framework/window.h"

// A device context this object does not own. Draw with the Win32 calls on m_hDC;
// only what Win32 lacks is added here.
class CDC
{
public:
    explicit CDC(HDC hDC = nullptr) : m_hDC(hDC) {}
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Fills the rectangle (right and bottom exclusive) with one colour, no brush needed.
    void FillSolidRect(const RECT& rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
    {
        RECT rc = {x, y, x + cx, y + cy};
        FillSolidRect(rc, color);
    }

    HDC m_hDC;
};

// Begins painting a window in its constructor and ends it in its destructor.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(HWND hWnd);
    explicit CPaintDC(CWnd* pWnd) : CPaintDC(pWnd->m_hWnd) {}
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};

// A memory device context compatible with another one; deleted with the object,
// after the bitmap it started with has been selected back.
class CMemDC : public CDC
{
public:
    explicit CMemDC(HDC hCompatible);
    ~CMemDC() override;
    CMemDC(CMemDC&& other) noexcept;

    // Selects a bitmap into the DC; the DC's own bitmap comes back at destruction.
    void SelectBitmap(HBITMAP hBitmap);

private:
    HGDIOBJ m_hOldBitmap = nullptr;
};
