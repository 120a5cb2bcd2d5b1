#include "framework/dc.h"

#include <utility>

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CPaintDC::CPaintDC(HWND hWnd) : m_hWnd(hWnd)
{
    m_hDC = ::BeginPaint(hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}

CMemDC::CMemDC(HDC hCompatible) : CDC(::CreateCompatibleDC(hCompatible))
{
}

CMemDC::CMemDC(CMemDC&& other) noexcept
    : CDC(std::exchange(other.m_hDC, nullptr)), m_hOldBitmap(std::exchange(other.m_hOldBitmap, nullptr))
{
}

CMemDC::~CMemDC()
{
    if (!m_hDC)
        return;
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
}

void CMemDC::SelectBitmap(HBITMAP hBitmap)
{
    HGDIOBJ old = ::SelectObject(m_hDC, hBitmap);
    if (!m_hOldBitmap)
        m_hOldBitmap = old;
}
