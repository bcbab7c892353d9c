// CExtPaintManagerXP painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerXP.h"

void CExtPaintManagerXP::PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz, bool bSelected,
                                      bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9,
                                      const RECT& rcItem, CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText,
                                      int nItemIndex, CExtCmdIcon* pIcon, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintTabItem(dc, rcItemArea, bTopLeft, bHorz, bSelected, bFlag6, bGroupActive, bGroupedMode,
                                   bFlag9, rcItem, sizeTextMeasured, pFont, pszText, nItemIndex, pIcon, pHelperSrc,
                                   lParam);
}

void CExtPaintManagerXP::PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea,
                                            const RECT& rcTabNearBorderArea, DWORD dwOrientation, bool bGroupedMode,
                                            CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintTabClientArea(dc, rcClient, rcTabItemsArea, rcTabNearBorderArea, dwOrientation, bGroupedMode,
                                         pHelperSrc, lParam);
}

void CExtPaintManagerXP::PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar,
                                        bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode,
                                        CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintTabButton(dc, rcButton, nHitTest, bTopLeft, bBar, bEnabled, bHover, bPushed, bGroupedMode,
                                     pHelperSrc, lParam);
}

void CExtPaintManagerXP::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    CExtPaintManager::PaintControlBarFrame(dc, data);
}

void CExtPaintManagerXP::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    CExtPaintManager::PaintDockingFrame(dc, data);
}

void CExtPaintManagerXP::PaintEditFrame(CDC& dc, EditFramePaintData& data)
{
    CExtPaintManager::PaintEditFrame(dc, data);
}

void CExtPaintManagerXP::PaintComboFrame(CDC& dc, ComboFramePaintData& data)
{
    CExtPaintManager::PaintComboFrame(dc, data);
}

void CExtPaintManagerXP::PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data)
{
    CExtPaintManager::PaintStatusBarPane(dc, data);
}

void CExtPaintManagerXP::PaintTextField(CDC& dc, TextFieldPaintData& data)
{
    CExtPaintManager::PaintTextField(dc, data);
}

void CExtPaintManagerXP::PaintDatePickerPart74(CDC& dc, const RECT& rc)
{
    CExtPaintManager::PaintDatePickerPart74(dc, rc);
}

void CExtPaintManagerXP::PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                               bool bPushed, bool bHover)
{
    CExtPaintManager::PaintDatePickerPart75(dc, rc, pszText, pszText2, bFramed, bPushed, bHover);
}

void CExtPaintManagerXP::PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintDatePickerPart88(dc, rc, pHelperSrc, lParam);
}
