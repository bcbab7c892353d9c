// CExtPaintManager glyph painting and the small metrics that go with it: pushed offset, check-mark
// width and bar-button extra size, in the base, XP and Office 2003 forms.
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

void CExtPaintManager::PaintGlyph(CDC& dc, int x, int y, const CExtPaintManagerGlyph& glyph, const COLORREF* pColors)
{
    if (pColors == nullptr)
        return;
    const int nWidth = glyph.GetWidth(), nHeight = glyph.GetHeight();
    const UINT* pData = glyph.GetSurface();
    if (nWidth <= 0 || nHeight <= 0 || pData == nullptr)
        return;
    const CRect rc(x, y, x + nWidth, y + nHeight);
    if (!dc.RectVisible(&rc))
        return;
    const HDC hDC = dc.GetSafeHdc();
    for (int iy = 0; iy < nHeight; iy++)
    {
        for (int ix = 0; ix < nWidth; ix++)
        {
            const UINT nIndex = *pData++;
            if (nIndex != 0)
                ::SetPixelV(hDC, x + ix, y + iy, pColors[nIndex]);
        }
    }
}

void CExtPaintManager::PaintGlyphCentered(CDC& dc, const RECT& rc, const CExtPaintManagerGlyph& glyph,
                                          const COLORREF* pColors)
{
    CRect r(rc);
    r.NormalizeRect();
    if (r.IsRectEmpty())
        return;
    const int x = r.left + (r.Width() - glyph.GetWidth()) / 2;
    const int y = r.top + (r.Height() - glyph.GetHeight()) / 2;
    PaintGlyph(dc, x, y, glyph, pColors);
}

void CExtPaintManager::GetPushedOffset(CSize& size) { size = CSize(1, 1); }

void CExtPaintManagerXP::GetPushedOffset(CSize& size) { size = CSize(0, 0); }

int CExtPaintManager::GetMenuCheckMarkWidth() { return ::GetSystemMetrics(SM_CYMENUCHECK); }

int CExtPaintManagerOffice2003::GetMenuCheckMarkWidth()
{
    return CheckMarkWidthAtLeast18(::GetSystemMetrics(SM_CYMENUCHECK));
}

CSize CExtPaintManager::GetBarButtonExtraSize() { return CSize(0, 0); }

CSize CExtPaintManagerOffice2003::GetBarButtonExtraSize() { return CSize(4, 4); }
