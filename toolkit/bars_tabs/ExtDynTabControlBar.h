// Stand-in: class record and the members read so far.
// CExtDynTabControlBar: the container bar that holds bars as tabs of its tab strip; so far its strip and selection.
#pragma once
#include "toolkit/bars_tabs/ExtDynTabWnd.h"
#include "toolkit/docking/ExtDynControlBar.h"

class CExtDynTabControlBar : public CExtDynControlBar
{
    DECLARE_DYNCREATE(CExtDynTabControlBar)
public:
    CExtDynTabControlBar();
    ~CExtDynTabControlBar() override;

    // The bar of the selected tab, NULL when none is selected.
    CControlBar* GetSelectedBar() const;

    int m_nSelIndex;         // selected tab, -1 none
    CExtDynTabWnd m_wndTabs; // the tab strip
    int m_nTrackedTabIndex;  // tab index remembered when a member's drag starts, -1 none
};
