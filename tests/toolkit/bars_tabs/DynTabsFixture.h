// The fixture of the tabbed-group and auto-hide tests: the docking host shown in front with four resizable bars
// (an edit each) on the left and right, the frame's auto-hide areas and slider, and helpers for tabs and input.
#pragma once
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/docking/DynTabsLayout.h"

class DynTabsFixture : public DynTabsLayout<DockBarsFixture>
{
protected:
    void SetUp() override
    {
        DockBarsFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(BuildLayout());
        m_pSlider = m_pLeft->GetAutoHideSlider();
        ASSERT_NE(m_pSlider, nullptr);
        ShowAndPaint(m_pFrame);
        m_pFrame->m_wndView.SetFocus();
        PumpMessages();
    }

    // The screen centre of a tab.
    static CPoint TabCentre(CExtTabWnd& tabs, int nIndex)
    {
        tabs.UpdateTabWnd(true);
        const CRect rcArea = tabs.GetItemsArea();
        CRect rc = tabs.ItemGet(nIndex)->m_rcItem;
        if (tabs.OrientationIsHorizontal())
            rc.OffsetRect(rcArea.left - tabs.ScrollPosGet(), 0);
        else
            rc.OffsetRect(0, rcArea.top - tabs.ScrollPosGet());
        CPoint pt = rc.CenterPoint();
        tabs.ClientToScreen(&pt);
        return pt;
    }

    CExtDynAutoHideSlider* m_pSlider = nullptr;
};
