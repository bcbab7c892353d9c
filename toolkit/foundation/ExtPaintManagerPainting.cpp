// CExtPaintManager painting slots of the base style; each answers "not handled" until its painter is written.
#include "toolkit/foundation/ExtPaintManager.h"

COLORREF CExtPaintManager::GetMenuShadowColor(CObject* pHelperSrc)
{
    return (COLORREF)-1;
}

void CExtPaintManager::DeflateControlBarRect(CWnd* pBar, CRect& rc) {}

int CExtPaintManager::GetBarItemSpacing(CWnd* pBar)
{
    return 0;
}

bool CExtPaintManager::IsToolBarGradientArea(CWnd* pToolBar)
{
    return false;
}

void CExtPaintManager::GetPushedOffset(CSize& size)
{
    size = CSize(0, 0);
}

void CExtPaintManager::PaintGlyph(CDC& dc, int x, int y, const CExtPaintManagerGlyph& glyph, const COLORREF* pColors) {}

void CExtPaintManager::PaintGlyphCentered(CDC& dc, const RECT& rc, const CExtPaintManagerGlyph& glyph,
                                          const COLORREF* pColors)
{
}

void CExtPaintManager::PaintBarBackgroundPart(CDC& dc, CObject* pHelperSrc, LPARAM lParam, const RECT& rc) {}

void CExtPaintManager::PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible,
                                                bool bEnabled, bool bPushed, bool bHover, CObject* pHelperSrc,
                                                LPARAM lParam, bool bTransparentBackground)
{
}

void CExtPaintManager::PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused, CObject* pHelperSrc,
                                             LPARAM lParam)
{
}

int CExtPaintManager::GetMenuCheckMarkWidth()
{
    return 0;
}

void CExtPaintManager::PaintTabNcArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintControlAreaRect(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintTabItemContent(CDC& dc, bool bHorizontal, const CString& strText, CExtCmdIcon* pIcon,
                                           const RECT& rcItem, RECT& rcTextOut, bool bPushed, bool bEnabled,
                                           bool bHover, int nAlign)
{
}

void CExtPaintManager::PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data) {}

void CExtPaintManager::PaintSysCmdGlyph(CDC& dc, UINT nSysCmdId, const RECT& rc, bool bHover, bool bPushed,
                                        bool bEnabled)
{
}

void CExtPaintManager::PaintPushButton(CDC& dc, PushButtonPaintData& data) {}

CSize CExtPaintManager::GetPushButtonMargin()
{
    return CSize(0, 0);
}

void CExtPaintManager::PaintPart37(CDC& dc, const RECT& rc, bool bHorizontal, bool bUnused) {}

void CExtPaintManager::PaintPart38(CDC& dc, const RECT& rc) {}

void CExtPaintManager::PaintMenuItem(CDC& dc, MenuItemPaintData& data) {}

void CExtPaintManager::PaintMenuSeparator(CDC& dc, const RECT& rc, int nIconAreaWidth, bool bRarelyUsed,
                                          CObject* pHelperSrc, LPARAM lParam)
{
}

void CExtPaintManager::PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground,
                                      CObject* pHelperSrc, LPARAM lParam)
{
}

int CExtPaintManager::GetMetric47()
{
    return 0;
}

int CExtPaintManager::GetMetric48()
{
    return 0;
}

void CExtPaintManager::PaintMenuPart49(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

bool CExtPaintManager::IsMenuCombinedWithOwner()
{
    return false;
}

void CExtPaintManager::PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide, CObject* pHelperSrc,
                                       LPARAM lParam)
{
}

int CExtPaintManager::GetAutoHideMetric()
{
    return 0;
}

int CExtPaintManager::PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    return 0;
}

bool CExtPaintManager::IsDockerGradientAvailable(CObject* pHelperSrc, LPARAM lParam)
{
    return false;
}

bool CExtPaintManager::PaintDockerArea(bool bClientMapping, CDC& dc, const RECT& rc, const RECT& rcUnused,
                                       LPARAM lParam)
{
    return false;
}

bool CExtPaintManager::PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam)
{
    return false;
}

void CExtPaintManager::PaintControlBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintDockBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintPart60(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) {}

void CExtPaintManager::PaintPart61(CDC& dc, bool bHorizontal, const RECT& rc, bool bForward, bool bHover, bool bPushed,
                                   CObject* pHelperSrc, LPARAM lParam)
{
}

void CExtPaintManager::PaintPart62(CDC& dc, ListItemPaintData& data) {}

CSize CExtPaintManager::GetBarButtonExtraSize()
{
    return CSize(0, 0);
}

void CExtPaintManager::PaintBarGradientBackground(CDC& dc, CExtBarButton* pButton, LPARAM lParam) {}
