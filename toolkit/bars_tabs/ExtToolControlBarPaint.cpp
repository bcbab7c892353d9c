// CExtToolControlBar: painting, row rectangles, the tracked button under its menu and group backgrounds.
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"

void CExtToolControlBar::DoPaint(CDC* pDC) { (void)pDC; }

bool CExtToolControlBar::IsHorizontalPaint() const { return true; }

void CExtToolControlBar::PaintSeparatorAt(CDC& dc, int nIndex, const CRect& rcClient, int nChevronEdge)
{
    (void)dc;
    (void)nIndex;
    (void)rcClient;
    (void)nChevronEdge;
}

void CExtToolControlBar::PaintButtonGroups(GroupBkgndRects* pCollector, CDC* pDC)
{
    (void)pCollector;
    (void)pDC;
}

void CExtToolControlBar::PaintTrackedButtonCallback(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea)
{
    (void)pCookie;
    (void)dc;
    (void)wndPopup;
    (void)rcArea;
}

CExtToolControlBar::GroupBkgndRects::GroupBkgndRects() {}

CExtToolControlBar::GroupBkgndRects::~GroupBkgndRects() {}

bool CExtToolControlBar::GroupBkgndRects::Collect(CWnd* pChild)
{
    m_arrRects.RemoveAll();
    m_arrButtonIndices.RemoveAll();
    m_pToolBar = nullptr;
    m_pFloatingFrame = nullptr;
    m_pChild = pChild;
    return false;
}

void CExtToolControlBar::GroupBkgndRects::ToClient() {}

void CExtToolControlBar::GroupBkgndRects::ToWindow() {}

void CExtToolControlBar::GroupBkgndRects::Paint(CDC& dc) { (void)dc; }
