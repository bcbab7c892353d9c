// CExtDynTabControlBar: a tabbed bar group: a dynamic control bar whose inner dock bar stacks the grouped bars and
// whose tab strip along the bottom shows one of them at a time.
#pragma once
#include "toolkit/bars_tabs/ExtDynTabWnd.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDynControlBar.h"

class CExtDockDynTabBar;

class CExtDynTabControlBar : public CExtDynControlBar
{
    DECLARE_DYNCREATE(CExtDynTabControlBar)
public:
    CExtDynTabControlBar();
    ~CExtDynTabControlBar() override;

    // The bar of the selected tab, NULL when none is selected.
    CControlBar* GetSelectedBar() const;
    // The inner dock bar, NULL before creation.
    CExtDockDynTabBar* GetTabDockBar() const;
    // Docks pBar (every bar of a nested dynamic control bar, in its order) into the group as tabs from nIndex on
    // (out of range: at the end). Temporary tabs go first. With bUpdate the frame drops empty containers, the
    // group refits its children and pending paint messages are pumped.
    void InsertBar(CExtControlBar* pBar, int nIndex = -1, bool bUpdate = false);
    // Adds temporary tabs for the bar, or for every visible bar of a nested dynamic control bar, from nIndex on.
    void InsertTemporaryBar(CExtControlBar* pBar, int nIndex = -1, bool bUpdate = true);
    // Removes the selected tab without update.
    void RemoveSelectedTab();
    // Shows or hides the tab of a grouped bar after the bar was shown or hidden.
    void ShowBarTab(CExtControlBar* pBar);
    // The strip's report of a new selection (valid or -1).
    void OnTabSelected(int nIndex);
    // Removes the tabs whose bars left the inner dock bar or whose windows are gone; the others' hidden marks
    // follow their bars.
    void RemoveTabsOfDepartedBars();

    CExtDockDynBar* CreateInnerDockBar() override;
    // Places the strip and the inner dock bar, stacks the grouped bars and, with bRecalcRows, recalculates the
    // inner rows; (-1, -1, true) also refreshes the tabs.
    void RepositionChildWindow(int cx = -1, int cy = -1, bool bRecalcRows = true) override;
    void GetCaptionText(CString& sText) const override;
    bool QueryGripperPresence(bool* pbCaptionHorz = nullptr, bool* pbCaptionVert = nullptr) const override;
    int CalcMinWidth() const override;
    int CalcMinHeight() const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_nSelIndex;         // selected tab, -1 none
    CExtDynTabWnd m_wndTabs; // the tab strip
    int m_nTrackedTabIndex;  // tab index remembered when a member's drag starts, -1 none

protected:
    // One bar into the group as a tab at nIndex, which then advances.
    void DockIntoGroup(CExtControlBar* pBar, int& nIndex);
    // The strip's height with its bottom line: the item area's height (or the window's) + 6 + 1.
    int StripExtent();
    // The largest minimum size of the visible grouped bars, at least the group's own.
    CSize CalcGroupMinSize() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};
