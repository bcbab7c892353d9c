// Stand-in: class record and the members read so far.
// CExtDynTabControlBar: the container bar that holds bars as tabs of its tab strip; so far its strip and selection.
#pragma once
#include "toolkit/bars_tabs/ExtDynTabWnd.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDynControlBar.h"

class CExtDynTabControlBar : public CExtDynControlBar
{
    DECLARE_DYNCREATE(CExtDynTabControlBar)
public:
    CExtDynTabControlBar();
    ~CExtDynTabControlBar() override;

    // The bar of the selected tab, NULL when none is selected.
    CControlBar* GetSelectedBar() const;
    // Docks pBar into the group as a tab at nIndex (-1 after the last); with bRecalc the frame
    // lays itself out. Until the tab strip holds bars, the bar becomes the inner dock bar's new
    // last row.
    void InsertBar(CExtControlBar* pBar, int nIndex = -1, bool bRecalc = false);
    // Its inner dock bar is a CExtDockDynTabBar.
    CExtDockDynBar* CreateInnerDockBar() override;
    // Refits the group's child windows and the inner rows.
    void RepositionChildWindow(int cx = -1, int cy = -1, bool bRepaint = true) override;

    int m_nSelIndex;         // selected tab, -1 none
    CExtDynTabWnd m_wndTabs; // the tab strip
    int m_nTrackedTabIndex;  // tab index remembered when a member's drag starts, -1 none

    // Adds temporary tabs for pBar (each bar of a container) while it is dragged over the group; does nothing yet.
    void InsertTemporaryBar(CExtControlBar* pBar, int nIndex = -1, bool bUpdate = true);
};
