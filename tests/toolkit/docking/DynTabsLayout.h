// The tab-group and auto-hide layout on a dock-bar fixture's host: Alpha and Beta on the left, Gamma
// and Delta on the right, each in its own row of circle 1, and the frame's four auto-hide areas;
// helpers to read groups and areas, and the slider's animation put back after each test.
#pragma once
#include <vector>
#include "DockBarsFixture.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"

// TFixture: DockBarsFixture or a fixture derived from it.
template <class TFixture> class DynTabsLayout : public TFixture
{
protected:
    void TearDown() override
    {
        CExtDynAutoHideSlider::g_nAnimationSteps = 5;
        CExtDynAutoHideSlider::g_nAnimationStepTime = 10;
        TFixture::TearDown();
        PumpMessages();
    }
    // Builds the layout in the fixture's frame, moved to 900 x 640; call it through ASSERT_NO_FATAL_FAILURE.
    void BuildLayout()
    {
        CDockingHostFrame* pFrame = this->m_pFrame;
        pFrame->SetWindowPos(nullptr, 40, 40, 900, 640, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pA = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Alpha");
        m_pB = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Beta");
        m_pC = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"Gamma");
        m_pD = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"Delta");
        ASSERT_TRUE(m_pA && m_pB && m_pC && m_pD);
        // Resizable bars live in circle 1, inside the areas.
        ASSERT_TRUE(m_pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, pFrame, true));
        ASSERT_TRUE(m_pB->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, pFrame, true));
        ASSERT_TRUE(m_pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, pFrame, true));
        ASSERT_TRUE(m_pD->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, pFrame, true));
        ASSERT_TRUE(CExtDynAutoHideArea::CreateFrameAreas(pFrame));
        CExtDynAutoHideArea::FindFrameAreas(pFrame, &m_pTop, &m_pBottom, &m_pLeft, &m_pRight);
        ASSERT_TRUE(m_pTop && m_pBottom && m_pLeft && m_pRight);
    }
    void Settle()
    {
        this->m_pFrame->RecalcLayout();
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

    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
    CHostResizableBar* m_pC = nullptr;
    CHostResizableBar* m_pD = nullptr;
    CExtDynAutoHideArea* m_pTop = nullptr;
    CExtDynAutoHideArea* m_pBottom = nullptr;
    CExtDynAutoHideArea* m_pLeft = nullptr;
    CExtDynAutoHideArea* m_pRight = nullptr;
};
