// CExtPaintManager painting slots of the base style; each answers "not handled" until its painter is written.
#include "toolkit/foundation/ExtPaintManager.h"

void CExtPaintManager::PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz, bool bSelected,
                                    bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9, const RECT& rcItem,
                                    CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex,
                                    CExtCmdIcon* pIcon, CObject* pHelperSrc, LPARAM lParam)
{
}

void CExtPaintManager::PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea,
                                          const RECT& rcTabNearBorderArea, DWORD dwOrientation, bool bGroupedMode,
                                          CObject* pHelperSrc, LPARAM lParam)
{
}

void CExtPaintManager::PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar,
                                      bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode, CObject* pHelperSrc,
                                      LPARAM lParam)
{
}

void CExtPaintManager::GetTabMetrics(CExtTabWnd* pTabWnd, int& nInset, int& nButtonMargin, int& nStripOffset) {}

void CExtPaintManager::PaintControlBarFrame(CDC& dc, CaptionPaintData& data) {}

void CExtPaintManager::PaintDockingFrame(CDC& dc, DockingFramePaintData& data) {}

void CExtPaintManager::PaintEditFrame(CDC& dc, EditFramePaintData& data) {}

void CExtPaintManager::PaintComboFrame(CDC& dc, ComboFramePaintData& data) {}

void CExtPaintManager::PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data) {}

int CExtPaintManager::PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    return 0;
}

void CExtPaintManager::PaintTextField(CDC& dc, TextFieldPaintData& data) {}

void CExtPaintManager::PaintResizingGripper(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintDatePickerPart73(CDC& dc, const RECT& rc, CObject* pHelperSrc) {}

void CExtPaintManager::PaintDatePickerPart74(CDC& dc, const RECT& rc) {}

void CExtPaintManager::PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                             bool bPushed, bool bHover)
{
}

void CExtPaintManager::PaintDatePickerText76(CDC& dc, const RECT& rc, LPCTSTR pszText) {}

void CExtPaintManager::PaintDatePickerPart77(CDC& dc, const RECT& rc, LPCTSTR pszText) {}

void CExtPaintManager::PaintDatePickerText78(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                             bool bPushed, bool bHover, bool bFlag)
{
}

void CExtPaintManager::PaintDatePickerText79(CDC& dc, const RECT& rc, LPCTSTR pszText) {}

void CExtPaintManager::PaintDatePickerPart80(CDC& dc, const RECT& rc, LPCTSTR pszText) {}

void CExtPaintManager::PaintDatePickerPart81(CDC& dc, const RECT& rc) {}

void CExtPaintManager::PaintDatePickerPart82(CDC& dc, const RECT& rc) {}

void CExtPaintManager::PaintDatePickerPart83(CDC& dc, const RECT& rc, int nOffsetY) {}

void CExtPaintManager::PaintDatePickerPushButton(CDC& dc, const RECT& rc, LPCTSTR pszText, CExtCmdIcon* pIcon,
                                                 bool bHover, bool bPushed, bool bEnabled, CObject* pHelperSrc,
                                                 LPARAM lParam)
{
}

void CExtPaintManager::PaintDatePickerPart85(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintDatePickerPart86(CDC& dc, const RECT& rcArea, const RECT& rcInner, CWnd* pWnd,
                                             LPARAM lParam)
{
}

void CExtPaintManager::PaintDatePickerPart87(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

bool CExtPaintManager::LoadDockMarker(HWND hWndTarget, int eMarkerType, int nLeft, int nTop, int nRight, int nBottom,
                                      CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*>& arrMarkers)
{
    return false;
}

void CExtPaintManager::AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                              COLORREF clrKey2)
{
}

void CExtPaintManager::PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects,
                                           const RECT& rcOuter, const RECT& rcInner, COLORREF clrFill,
                                           COLORREF clrBorder, int nBorderWidth)
{
}
