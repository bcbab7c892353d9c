// CExtDynAutoHideArea: class record.
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"

IMPLEMENT_DYNCREATE(CExtDynAutoHideArea, CExtTabWnd)

CExtDynAutoHideArea::CExtDynAutoHideArea() {}

CExtDynAutoHideArea::~CExtDynAutoHideArea() {}

void CExtDynAutoHideArea::AppendControlBar(CExtControlBar* pBar, bool bAnimate)
{
    (void)bAnimate;
    if (pBar == nullptr || ItemFindByLParam((LPARAM)pBar) >= 0)
        return;
    ItemInsert(nullptr, nullptr, false, 0, -1, (LPARAM)pBar);
}

void CExtDynAutoHideArea::RemoveControlBar(CExtControlBar* pBar, bool bAnimate)
{
    (void)bAnimate;
    const int nIndex = ItemFindByLParam((LPARAM)pBar);
    if (nIndex < 0)
        return;
    ItemRemove(nIndex);
    pBar->ReclaimRowSpace();
    if (CFrameWnd* pFrame = pBar->GetDockingFrame())
        pFrame->ShowControlBar(pBar, TRUE, TRUE);
}

void CExtDynAutoHideArea::FindFrameAreas(CFrameWnd* pFrame, CExtDynAutoHideArea** ppTop, CExtDynAutoHideArea** ppBottom,
                                         CExtDynAutoHideArea** ppLeft, CExtDynAutoHideArea** ppRight)
{
    CExtDynAutoHideArea** slots[4] = {ppTop, ppBottom, ppLeft, ppRight};
    for (CExtDynAutoHideArea** pp : slots)
    {
        if (pp != nullptr)
            *pp = nullptr;
    }
    (void)pFrame; // a frame has its areas once the auto-hide set-up makes them
}

void CExtDynAutoHideArea::AdjustOrder() {}
