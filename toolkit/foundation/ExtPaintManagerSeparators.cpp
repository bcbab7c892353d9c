// CExtPaintManager separators between bar items: etched base line, one-pixel XP line and the Office
// 2003 line of tool bars, bar buttons and status bars.
#include "toolkit/foundation/ExtKindOf.h"
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

void CExtPaintManager::PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground,
                                      CObject* pHelperSrc, LPARAM lParam)
{
    if (!bTransparentBackground)
        dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
    CRect r(rc);
    if (bHorizontal)
    {
        const int x = (rc.left + rc.right) / 2 - 1;
        r = CRect(x, rc.top, x + 2, rc.bottom - 1);
    }
    else
    {
        const int y = (rc.top + rc.bottom) / 2 - 1;
        r = CRect(rc.left, y, rc.right - 1, y + 2);
    }
    dc.Draw3dRect(&r, GetTranslatedColor(XCLR_SHADOW_NORMAL, pHelperSrc, lParam),
                  GetTranslatedColor(XCLR_HILIGHT_NORMAL, pHelperSrc, lParam));
}

void CExtPaintManagerXP::PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground,
                                        CObject* pHelperSrc, LPARAM lParam)
{
    if (!bTransparentBackground)
        dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
    CRect r;
    if (bHorizontal)
    {
        const int x = rc.left + (rc.right - rc.left) / 2 - 1;
        r = CRect(x, rc.top + 1, x + 1, rc.bottom - 1);
    }
    else
    {
        const int y = rc.top + (rc.bottom - rc.top) / 2 - 1;
        r = CRect(rc.left + 1, y, rc.right - 1, y + 1);
    }
    dc.FillSolidRect(&r, GetTranslatedColor(XCLR_LIGHT_DISABLED, pHelperSrc, lParam));
}

void CExtPaintManagerOffice2003::PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground,
                                                CObject* pHelperSrc, LPARAM lParam)
{
    const bool bStatusBar = CExtKindOf::IsStatusBar(pHelperSrc);
    const bool bBarItem = CExtKindOf::IsToolBar(pHelperSrc) || CExtKindOf::IsBarButton(pHelperSrc) || bStatusBar;
    if (!bBarItem || GetDeviceBitsPerPixel(dc.GetSafeHdc()) <= 8)
    {
        CExtPaintManagerXP::PaintSeparator(dc, rc, bHorizontal, bTransparentBackground, pHelperSrc, lParam);
        return;
    }
    if (!bTransparentBackground)
        dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
    CRect r;
    if (bHorizontal)
    {
        const int x = (rc.left + rc.right) / 2 - 1;
        r = CRect(x, rc.top, x + 2, rc.bottom);
        if (!bStatusBar)
        {
            r.top += 3;
            r.bottom -= 4;
        }
    }
    else
    {
        const int y = (rc.top + rc.bottom) / 2 - 1;
        r = CRect(rc.left, y, rc.right, y + 2);
        if (!bStatusBar)
        {
            r.left += 4;
            r.right -= 5;
        }
    }
    dc.Draw3dRect(&r, GetTranslatedColor(XCLR_O2003_11, pHelperSrc, lParam),
                  GetTranslatedColor(XCLR_O2003_10, pHelperSrc, lParam));
}
