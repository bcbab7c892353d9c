// CExtPaintManagerOffice2003 painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

void CExtPaintManagerOffice2003::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    CExtPaintManagerXP::PaintControlBarFrame(dc, data);
}

void CExtPaintManagerOffice2003::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    CExtPaintManagerXP::PaintDockingFrame(dc, data);
}

void CExtPaintManagerOffice2003::PaintEditFrame(CDC& dc, EditFramePaintData& data)
{
    CExtPaintManagerXP::PaintEditFrame(dc, data);
}

void CExtPaintManagerOffice2003::PaintComboFrame(CDC& dc, ComboFramePaintData& data)
{
    CExtPaintManagerXP::PaintComboFrame(dc, data);
}

void CExtPaintManagerOffice2003::PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data)
{
    CExtPaintManagerXP::PaintStatusBarPane(dc, data);
}

void CExtPaintManagerOffice2003::PaintResizingGripper(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManagerXP::PaintResizingGripper(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart74(CDC& dc, const RECT& rc)
{
    CExtPaintManagerXP::PaintDatePickerPart74(dc, rc);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2,
                                                       bool bFramed, bool bPushed, bool bHover)
{
    CExtPaintManagerXP::PaintDatePickerPart75(dc, rc, pszText, pszText2, bFramed, bPushed, bHover);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart77(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    CExtPaintManagerXP::PaintDatePickerPart77(dc, rc, pszText);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart80(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    CExtPaintManagerXP::PaintDatePickerPart80(dc, rc, pszText);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart82(CDC& dc, const RECT& rc)
{
    CExtPaintManagerXP::PaintDatePickerPart82(dc, rc);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart87(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManagerXP::PaintDatePickerPart87(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManagerOffice2003::AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                                        COLORREF clrKey2)
{
    CExtPaintManagerXP::AdjustDockMarkerColors(eMarkerType, bmp1, clrKey1, bmp2, clrKey2);
}

void CExtPaintManagerOffice2003::PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects,
                                                     const RECT& rcOuter, const RECT& rcInner, COLORREF clrFill,
                                                     COLORREF clrBorder, int nBorderWidth)
{
    CExtPaintManagerXP::PaintDockingPreview(pClrSurface, nWidth, nHeight, bUseRects, rcOuter, rcInner, clrFill,
                                            clrBorder, nBorderWidth);
}
