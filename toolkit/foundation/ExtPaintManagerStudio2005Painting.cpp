// CExtPaintManagerStudio2005 painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

void CExtPaintManagerStudio2005::PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz,
                                              bool bSelected, bool bFlag6, bool bGroupActive, bool bGroupedMode,
                                              bool bFlag9, const RECT& rcItem, CSize sizeTextMeasured, CFont* pFont,
                                              LPCTSTR pszText, int nItemIndex, CExtCmdIcon* pIcon, CObject* pHelperSrc,
                                              LPARAM lParam)
{
    CExtPaintManagerOffice2003::PaintTabItem(dc, rcItemArea, bTopLeft, bHorz, bSelected, bFlag6, bGroupActive,
                                             bGroupedMode, bFlag9, rcItem, sizeTextMeasured, pFont, pszText, nItemIndex,
                                             pIcon, pHelperSrc, lParam);
}

void CExtPaintManagerStudio2005::GetTabMetrics(CExtTabWnd* pTabWnd, int& nInset, int& nButtonMargin, int& nStripOffset)
{
    CExtPaintManagerOffice2003::GetTabMetrics(pTabWnd, nInset, nButtonMargin, nStripOffset);
}

void CExtPaintManagerStudio2005::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    CExtPaintManagerOffice2003::PaintControlBarFrame(dc, data);
}

void CExtPaintManagerStudio2005::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    CExtPaintManagerOffice2003::PaintDockingFrame(dc, data);
}

int CExtPaintManagerStudio2005::PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    return CExtPaintManagerOffice2003::PaintAutoHideArea(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManagerStudio2005::AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                                        COLORREF clrKey2)
{
    CExtPaintManagerOffice2003::AdjustDockMarkerColors(eMarkerType, bmp1, clrKey1, bmp2, clrKey2);
}

void CExtPaintManagerStudio2005::PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects,
                                                     const RECT& rcOuter, const RECT& rcInner, COLORREF clrFill,
                                                     COLORREF clrBorder, int nBorderWidth)
{
    CExtPaintManagerOffice2003::PaintDockingPreview(pClrSurface, nWidth, nHeight, bUseRects, rcOuter, rcInner, clrFill,
                                                    clrBorder, nBorderWidth);
}
