// CExtPaintManagerOffice2003 painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

COLORREF CExtPaintManagerOffice2003::GetMenuShadowColor(CObject* pHelperSrc)
{
    return CExtPaintManagerXP::GetMenuShadowColor(pHelperSrc);
}

void CExtPaintManagerOffice2003::DeflateControlBarRect(CWnd* pBar, CRect& rc)
{
    CExtPaintManagerXP::DeflateControlBarRect(pBar, rc);
}

int CExtPaintManagerOffice2003::GetBarItemSpacing(CWnd* pBar)
{
    return CExtPaintManagerXP::GetBarItemSpacing(pBar);
}

bool CExtPaintManagerOffice2003::IsToolBarGradientArea(CWnd* pToolBar)
{
    return CExtPaintManagerXP::IsToolBarGradientArea(pToolBar);
}

void CExtPaintManagerOffice2003::PaintBarBackgroundPart(CDC& dc, CObject* pHelperSrc, LPARAM lParam, const RECT& rc)
{
    CExtPaintManagerXP::PaintBarBackgroundPart(dc, pHelperSrc, lParam, rc);
}

void CExtPaintManagerOffice2003::PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible,
                                                          bool bEnabled, bool bPushed, bool bHover, CObject* pHelperSrc,
                                                          LPARAM lParam, bool bTransparentBackground)
{
    CExtPaintManagerXP::PaintContentExpandButton(dc, rc, bHorizontal, bAllVisible, bEnabled, bPushed, bHover,
                                                 pHelperSrc, lParam, bTransparentBackground);
}

void CExtPaintManagerOffice2003::PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused,
                                                       CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManagerXP::PaintMenuExpandButton(dc, rc, bSelected, bUnused, pHelperSrc, lParam);
}

int CExtPaintManagerOffice2003::GetMenuCheckMarkWidth()
{
    return CExtPaintManagerXP::GetMenuCheckMarkWidth();
}

void CExtPaintManagerOffice2003::PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground,
                                                CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManagerXP::PaintSeparator(dc, rc, bHorizontal, bTransparentBackground, pHelperSrc, lParam);
}

void CExtPaintManagerOffice2003::PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide,
                                                 CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManagerXP::PaintMenuPart51(dc, rcMenu, rcOwner, nSide, pHelperSrc, lParam);
}

int CExtPaintManagerOffice2003::GetAutoHideMetric()
{
    return CExtPaintManagerXP::GetAutoHideMetric();
}

bool CExtPaintManagerOffice2003::IsDockerGradientAvailable(CObject* pHelperSrc, LPARAM lParam)
{
    return CExtPaintManagerXP::IsDockerGradientAvailable(pHelperSrc, lParam);
}

bool CExtPaintManagerOffice2003::PaintDockerArea(bool bClientMapping, CDC& dc, const RECT& rc, const RECT& rcUnused,
                                                 LPARAM lParam)
{
    return CExtPaintManagerXP::PaintDockerArea(bClientMapping, dc, rc, rcUnused, lParam);
}

bool CExtPaintManagerOffice2003::PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam)
{
    return CExtPaintManagerXP::PaintDockerBackground(bClientMapping, dc, pWnd, lParam);
}

void CExtPaintManagerOffice2003::PaintControlBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManagerXP::PaintControlBarClientArea(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManagerOffice2003::PaintDockBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManagerXP::PaintDockBarClientArea(dc, rc, pHelperSrc, lParam);
}

CSize CExtPaintManagerOffice2003::GetBarButtonExtraSize()
{
    return CExtPaintManagerXP::GetBarButtonExtraSize();
}

void CExtPaintManagerOffice2003::PaintBarGradientBackground(CDC& dc, CExtBarButton* pButton, LPARAM lParam)
{
    CExtPaintManagerXP::PaintBarGradientBackground(dc, pButton, lParam);
}
