// Stand-in: class record and the members read so far.
// CExtDynAutoHideArea: the strip of auto-hidden bars at one edge of a frame; so far adding and removing bars.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtControlBar;
class CFrameWnd;

class CExtDynAutoHideArea : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtDynAutoHideArea)
public:
    CExtDynAutoHideArea();
    ~CExtDynAutoHideArea() override;

    // Adds the bar as a tab; the bar stays hidden from its row.
    void AppendControlBar(CExtControlBar* pBar, bool bAnimate = false);
    // Removes the bar's tab and shows it docked again, taking back its row space.
    void RemoveControlBar(CExtControlBar* pBar, bool bAnimate = false);
    // The frame's four areas, NULL where absent.
    static void FindFrameAreas(CFrameWnd* pFrame, CExtDynAutoHideArea** ppTop, CExtDynAutoHideArea** ppBottom,
                               CExtDynAutoHideArea** ppLeft, CExtDynAutoHideArea** ppRight);
    // Puts the frame's areas back in their sibling order.
    void AdjustOrder();
};
