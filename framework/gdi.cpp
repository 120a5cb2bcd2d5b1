#include "framework/gdi.h"

#include <cstdlib>
#include <cstring>

BOOL CFont::CreatePointFont(int nPointSize, const char* pszFaceName, HDC hDC)
{
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof(lf));
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    CopyFaceName(lf, pszFaceName ? pszFaceName : "");
    return CreatePointFontIndirect(&lf, hDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* pLogFont, HDC hDC)
{
    HDC hScreen = hDC ? nullptr : ::GetDC(nullptr);
    HDC hdc = hDC ? hDC : hScreen;
    LOGFONTA lf = *pLogFont;
    // Tenths of a point to device pixels, then to the DC's logical units.
    POINT pt = {0, ::GetDeviceCaps(hdc, LOGPIXELSY) * lf.lfHeight / 720};
    POINT org = {0, 0};
    ::DPtoLP(hdc, &pt, 1);
    ::DPtoLP(hdc, &org, 1);
    lf.lfHeight = -std::abs(pt.y - org.y);
    if (hScreen)
        ::ReleaseDC(nullptr, hScreen);
    return CreateFontIndirect(&lf);
}

void CopyFaceName(LOGFONTA& lf, const char* pszFaceName)
{
    const size_t room = sizeof(lf.lfFaceName) - 1;
    size_t n = 0;
    while (pszFaceName[n] && n < room)
    {
        size_t step = (::IsDBCSLeadByte(static_cast<BYTE>(pszFaceName[n])) && pszFaceName[n + 1]) ? 2 : 1;
        if (n + step > room)
            break;
        n += step;
    }
    std::memcpy(lf.lfFaceName, pszFaceName, n);
    std::memset(lf.lfFaceName + n, 0, sizeof(lf.lfFaceName) - n);
}
