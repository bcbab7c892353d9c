// CExtPaintManagerXP painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerXP.h"

void CExtPaintManagerXP::GetPushedOffset(CSize& size)
{
    CExtPaintManager::GetPushedOffset(size);
}

void CExtPaintManagerXP::PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible,
                                                  bool bEnabled, bool bPushed, bool bHover, CObject* pHelperSrc,
                                                  LPARAM lParam, bool bTransparentBackground)
{
    CExtPaintManager::PaintContentExpandButton(dc, rc, bHorizontal, bAllVisible, bEnabled, bPushed, bHover, pHelperSrc,
                                               lParam, bTransparentBackground);
}

void CExtPaintManagerXP::PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused,
                                               CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintMenuExpandButton(dc, rc, bSelected, bUnused, pHelperSrc, lParam);
}

void CExtPaintManagerXP::PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar,
                                        bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode,
                                        CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintTabButton(dc, rcButton, nHitTest, bTopLeft, bBar, bEnabled, bHover, bPushed, bGroupedMode,
                                     pHelperSrc, lParam);
}

void CExtPaintManagerXP::PaintTabItemContent(CDC& dc, bool bHorizontal, const CString& strText, CExtCmdIcon* pIcon,
                                             const RECT& rcItem, RECT& rcTextOut, bool bPushed, bool bEnabled,
                                             bool bHover, int nAlign)
{
    CExtPaintManager::PaintTabItemContent(dc, bHorizontal, strText, pIcon, rcItem, rcTextOut, bPushed, bEnabled, bHover,
                                          nAlign);
}

void CExtPaintManagerXP::PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data)
{
    CExtPaintManager::PaintCaptionButton(dc, data);
}

void CExtPaintManagerXP::PaintSysCmdGlyph(CDC& dc, UINT nSysCmdId, const RECT& rc, bool bHover, bool bPushed,
                                          bool bEnabled)
{
    CExtPaintManager::PaintSysCmdGlyph(dc, nSysCmdId, rc, bHover, bPushed, bEnabled);
}

void CExtPaintManagerXP::PaintPushButton(CDC& dc, PushButtonPaintData& data)
{
    CExtPaintManager::PaintPushButton(dc, data);
}

void CExtPaintManagerXP::PaintMenuItem(CDC& dc, MenuItemPaintData& data)
{
    CExtPaintManager::PaintMenuItem(dc, data);
}

void CExtPaintManagerXP::PaintMenuSeparator(CDC& dc, const RECT& rc, int nIconAreaWidth, bool bRarelyUsed,
                                            CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintMenuSeparator(dc, rc, nIconAreaWidth, bRarelyUsed, pHelperSrc, lParam);
}

void CExtPaintManagerXP::PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground,
                                        CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintSeparator(dc, rc, bHorizontal, bTransparentBackground, pHelperSrc, lParam);
}

int CExtPaintManagerXP::GetMetric48()
{
    return CExtPaintManager::GetMetric48();
}

void CExtPaintManagerXP::PaintMenuPart49(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintMenuPart49(dc, rc, pHelperSrc, lParam);
}

bool CExtPaintManagerXP::IsMenuCombinedWithOwner()
{
    return CExtPaintManager::IsMenuCombinedWithOwner();
}

void CExtPaintManagerXP::PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide,
                                         CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintMenuPart51(dc, rcMenu, rcOwner, nSide, pHelperSrc, lParam);
}

int CExtPaintManagerXP::GetAutoHideMetric()
{
    return CExtPaintManager::GetAutoHideMetric();
}

bool CExtPaintManagerXP::PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam)
{
    return CExtPaintManager::PaintDockerBackground(bClientMapping, dc, pWnd, lParam);
}

void CExtPaintManagerXP::PaintPart60(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintPart60(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManagerXP::PaintPart62(CDC& dc, ListItemPaintData& data)
{
    CExtPaintManager::PaintPart62(dc, data);
}
