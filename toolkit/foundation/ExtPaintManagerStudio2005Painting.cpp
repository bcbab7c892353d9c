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

void CExtPaintManagerStudio2005::PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data)
{
    CExtPaintManagerOffice2003::PaintCaptionButton(dc, data);
}

void CExtPaintManagerStudio2005::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    CExtPaintManagerOffice2003::PaintControlBarFrame(dc, data);
}

void CExtPaintManagerStudio2005::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    CExtPaintManagerOffice2003::PaintDockingFrame(dc, data);
}

int CExtPaintManagerStudio2005::GetAutoHideMetric()
{
    return CExtPaintManagerOffice2003::GetAutoHideMetric();
}

int CExtPaintManagerStudio2005::PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    return CExtPaintManagerOffice2003::PaintAutoHideArea(dc, rc, pHelperSrc, lParam);
}
