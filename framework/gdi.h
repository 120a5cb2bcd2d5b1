// CFont, CBrush, CBitmap: GDI objects owned by their holder and deleted with it.
#pragma once
#include <utility>

#include <windows.h>

// Holds one GDI object of type H; deletes it on destruction. Movable, not copyable.
template <typename H>
class CGdiObjectT
{
public:
    CGdiObjectT() = default;
    ~CGdiObjectT() { DeleteObject(); }
    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;
    CGdiObjectT(CGdiObjectT&& other) noexcept : m_hObject(std::exchange(other.m_hObject, nullptr)) {}
    CGdiObjectT& operator=(CGdiObjectT&& other) noexcept
    {
        if (this != &other)
        {
            DeleteObject();
            m_hObject = std::exchange(other.m_hObject, nullptr);
        }
        return *this;
    }

    H GetSafeHandle() const { return m_hObject; }
    operator H() const { return m_hObject; }

    // Takes ownership of the handle, deleting the one held before. FALSE for a null handle.
    BOOL Attach(H hObject)
    {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }
    H Detach() { return std::exchange(m_hObject, nullptr); }
    BOOL DeleteObject()
    {
        if (!m_hObject)
            return FALSE;
        return ::DeleteObject(std::exchange(m_hObject, nullptr));
    }

protected:
    H m_hObject = nullptr;
};

class CFont : public CGdiObjectT<HFONT>
{
public:
    BOOL CreateFontIndirect(const LOGFONTA* pLogFont) { return Attach(::CreateFontIndirectA(pLogFont)); }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, const char* pszFacename)
    {
        return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                    cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                    pszFacename));
    }
    // A font of nPointSize tenths of a point, measured on hDC, or on the screen when null.
    // Face names longer than a LOGFONT holds are cut.
    BOOL CreatePointFont(int nPointSize, const char* pszFaceName, HDC hDC = nullptr);
    // The same from a description whose lfHeight is in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONTA* pLogFont, HDC hDC = nullptr);
    BOOL GetLogFont(LOGFONTA* pLogFont) const
    {
        return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont) == sizeof(LOGFONTA);
    }
};

class CBrush : public CGdiObjectT<HBRUSH>
{
public:
    BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
};

class CBitmap : public CGdiObjectT<HBITMAP>
{
public:
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight)
    {
        return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    }
};

// Copies a face name into a LOGFONT's lfFaceName, cutting it to fit (and never in
// the middle of a double-byte character); the result is always terminated.
void CopyFaceName(LOGFONTA& lf, const char* pszFaceName);
