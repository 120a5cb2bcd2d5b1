// Test helper: a 32-bit top-down DIB in its own memory DC, for reading painted pixels back.
#pragma once
#include <cstdint>
#include <vector>

#include <windows.h>

class Canvas
{
public:
    Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_hBitmap = ::CreateDIBSection(m_hDC, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        Fill(fill);
    }
    ~Canvas()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_hDC; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    void Fill(COLORREF color)
    {
        ::GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i)
            m_bits[i] = Pack(color);
    }
    // The colour at (x, y) as a COLORREF (red in the low byte).
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        uint32_t v = m_bits[y * m_width + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Every pixel, without the unused top byte.
    std::vector<uint32_t> Pixels() const
    {
        ::GdiFlush();
        std::vector<uint32_t> out(static_cast<size_t>(m_width) * m_height);
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = m_bits[i] & 0xFFFFFF;
        return out;
    }
    // How many pixels have exactly this colour.
    int Count(COLORREF color) const
    {
        int n = 0;
        for (uint32_t v : Pixels())
            n += v == Pack(color);
        return n;
    }

private:
    static uint32_t Pack(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

    int m_width;
    int m_height;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_bits = nullptr;
};
