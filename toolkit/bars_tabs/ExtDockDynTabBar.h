// CExtDockDynTabBar: the inner dock bar of a tabbed bar group; its bars lie on top of each other, each filling the
// whole client area, and the group's tab strip shows one of them.
#pragma once
#include "toolkit/docking/ExtDockDynBar.h"

class CExtDynTabControlBar;

class CExtDockDynTabBar : public CExtDockDynBar
{
    DECLARE_DYNCREATE(CExtDockDynTabBar)
public:
    CExtDockDynTabBar();
    ~CExtDockDynTabBar() override;

    // Gives every grouped bar the whole client rectangle in one deferred batch; with bRepositionChildren each bar
    // is marked as repositioned meanwhile and then refits its own child window. Answers the window size.
    CSize LayoutTabbedBars(bool bRepositionChildren);
    // Appends the bars of the group's non-temporary tabs, in tab order.
    void CollectTabbedBars(CArray<CExtControlBar*, CExtControlBar*>& arrBars) const;
    // The group bar (the parent window), NULL otherwise.
    CExtDynTabControlBar* GetTabControlBar() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void RecalcRows() override;
    void CleanRows() override;

protected:
    // Every grouped bar takes the group's three remembered sizes.
    void TakeGroupSizes();
};
