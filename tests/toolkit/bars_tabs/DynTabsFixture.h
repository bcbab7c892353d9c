// The fixture of the tabbed-group and auto-hide tests: the docking host shown in front with four resizable bars
// (an edit each) on the left and right, the frame's auto-hide areas and slider, and helpers for tabs and input.
#pragma once
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/DockBarsFixture.h"
#include <vector>

class DynTabsFixture : public DockBarsFixture
{
protected:
    void SetUp() override
    {
        DockBarsFixture::SetUp();
        m_pFrame->SetWindowPos(nullptr, 40, 40, 900, 640, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Alpha");
        m_pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Beta");
        m_pC = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"Gamma");
        m_pD = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"Delta");
        ASSERT_TRUE(m_pA && m_pB && m_pC && m_pD);
        // Resizable bars live in circle 1, inside the areas.
        ASSERT_TRUE(m_pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
        ASSERT_TRUE(m_pB->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
        ASSERT_TRUE(m_pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true));
        ASSERT_TRUE(m_pD->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true));
        ASSERT_TRUE(CExtDynAutoHideArea::CreateFrameAreas(m_pFrame));
        CExtDynAutoHideArea::FindFrameAreas(m_pFrame, &m_pTop, &m_pBottom, &m_pLeft, &m_pRight);
        ASSERT_TRUE(m_pTop && m_pBottom && m_pLeft && m_pRight);
        m_pSlider = m_pLeft->GetAutoHideSlider();
        ASSERT_NE(m_pSlider, nullptr);
        ShowAndPaint(m_pFrame);
        m_pFrame->m_wndView.SetFocus();
        PumpMessages();
    }
    void TearDown() override
    {
        CExtDynAutoHideSlider::g_nAnimationSteps = 5;
        CExtDynAutoHideSlider::g_nAnimationStepTime = 10;
        DockBarsFixture::TearDown();
        PumpMessages();
    }

    static CExtDynTabControlBar* GroupOf(CExtControlBar* pBar) { return pBar->GetTabbedContainer(); }
    // The bars of the group's tabs, in tab order (temporary tabs too).
    static std::vector<CExtControlBar*> TabBars(CExtDynTabControlBar* pGroup)
    {
        std::vector<CExtControlBar*> v;
        for (int i = 0; i < pGroup->m_wndTabs.ItemGetCount(); ++i)
            v.push_back(pGroup->m_wndTabs.GetBarAt(i, false));
        return v;
    }
    static std::vector<CExtControlBar*> AreaBars(CExtDynAutoHideArea* pArea)
    {
        std::vector<CExtControlBar*> v;
        for (int i = 0; i < pArea->ItemGetCount(); ++i)
            v.push_back(pArea->GetBarAt(i));
        return v;
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
    void Settle()
    {
        m_pFrame->RecalcLayout();
        PumpMessages();
    }

    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
    CHostResizableBar* m_pC = nullptr;
    CHostResizableBar* m_pD = nullptr;
    CExtDynAutoHideArea* m_pTop = nullptr;
    CExtDynAutoHideArea* m_pBottom = nullptr;
    CExtDynAutoHideArea* m_pLeft = nullptr;
    CExtDynAutoHideArea* m_pRight = nullptr;
    CExtDynAutoHideSlider* m_pSlider = nullptr;
};
