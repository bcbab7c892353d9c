// The docking state of tabbed groups and auto-hidden bars through the real registry: the kind-3 records, their members'
// flags and the auto-hide ids; save, destroy the frame, rebuild its default layout, load and save again; a hidden
// container; a bar floated out of a group leaves no temporary tab behind.
#include "DockingStateFixture.h"
#include "DynTabsLayout.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include <algorithm>
#include <vector>

namespace
{
typedef CExtControlBar::InternalDockStateBar StateBar;
typedef CExtControlBar::InternalDockStateSite StateSite;
typedef std::vector<CExtControlBar*> Bars;

class DockingStateTabs : public DynTabsLayout<DockingStateFixture>
{
protected:
    void SetUp() override
    {
        DockingStateFixture::SetUp();
        BuildDefault();
    }
    // The default layout, shown in front.
    void BuildDefault()
    {
        ASSERT_NO_FATAL_FAILURE(BuildLayout());
        CExtDynAutoHideSlider::g_nAnimationSteps = 0;
        ShowAndPaint(m_pFrame);
        Settle();
    }
    void Rebuild()
    {
        RebuildFrame();
        BuildDefault();
    }
    static const StateBar* FindKind(const CArray<StateBar*, StateBar*>& arr, DWORD nKind)
    {
        for (INT_PTR i = 0; i < arr.GetSize(); i++)
            if (arr[i]->GetKind() == nKind)
                return arr[i];
        return nullptr;
    }
    static const StateBar* FindId(const CArray<StateBar*, StateBar*>& arr, CWnd* pBar)
    {
        for (INT_PTR i = 0; i < arr.GetSize(); i++)
            if (arr[i]->m_nBarId == (UINT)pBar->GetDlgCtrlID())
                return arr[i];
        return nullptr;
    }
    static std::vector<UINT> Ids(std::initializer_list<CWnd*> bars)
    {
        std::vector<UINT> v;
        for (CWnd* p : bars)
            v.push_back((UINT)p->GetDlgCtrlID());
        return v;
    }
    static void ExpectSameBytes(const Bytes& a, const Bytes& b)
    {
        size_t n = 0;
        while (n < a.size() && n < b.size() && a[n] == b[n])
            n++;
        std::string sDump;
        char sz[8];
        for (size_t i = n >= 24 ? n - 24 : 0; i < n + 24 && i < a.size() && i < b.size(); i++)
        {
            snprintf(sz, sizeof(sz), "%02X/%02X ", a[i], b[i]);
            sDump += sz;
        }
        EXPECT_TRUE(a == b) << sDump << "sizes " << a.size() << " and " << b.size() << ", first difference at " << n;
    }
    // The stored block with the window rectangles of hidden bars cleared: an auto-hidden or hidden bar keeps whatever
    // rectangle its window last had, as nothing lays it out, and the restore moves only nested bars to theirs.
    Bytes StoredBlockOfShownBars()
    {
        StateSite site(m_pFrame);
        const Bytes block = StoredBlock();
        EXPECT_TRUE(LoadBytes(block, [&](CArchive& ar) { site.Serialize(ar); }));
        for (INT_PTR i = 0; i < site.m_arrBarStates.GetSize(); i++)
            ClearHiddenRects(site.m_arrBarStates[i], false);
        return StoreBytes([&](CArchive& ar) { site.Serialize(ar); });
    }
    static void ClearHiddenRects(StateBar* pState, bool bParentHidden)
    {
        const bool bHidden = bParentHidden || (pState->m_dwStateFlags & StateBar::kVisible) == 0 ||
                             (pState->m_dwStateFlags & StateBar::kAutoHide) != 0;
        if (bHidden)
            pState->m_rcBarInDockBar.SetRectEmpty();
        for (INT_PTR i = 0; i < pState->m_arrNestedStates.GetSize(); i++)
            ClearHiddenRects(pState->m_arrNestedStates[i], bHidden);
    }
    // Saves, checks the block is there, rebuilds the default layout and loads it back.
    Bytes SaveRebuildLoad()
    {
        EXPECT_TRUE(Save());
        const Bytes first = StoredBlockOfShownBars();
        EXPECT_FALSE(first.empty());
        Rebuild();
        EXPECT_EQ(GroupOf(m_pA), nullptr);
        EXPECT_TRUE(Load());
        EXPECT_TRUE(FlagsClear());
        Settle();
        return first;
    }
};
} // namespace

TEST_F(DockingStateTabs, AGroupAndAnAutoHiddenBarComeBackAfterARebuildAndSaveTheSameBytes)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    Settle();
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    ASSERT_EQ(TabBars(pGroup), (Bars{m_pA, m_pB, m_pC}));
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pB), true, true);
    ASSERT_TRUE(m_pD->SwitchAutoHide(true, false, true, true));
    Settle();
    ASSERT_EQ(AreaBars(m_pRight), (Bars{m_pD}));
    {
        StateSite site(m_pFrame);
        site.CaptureState();
        const StateBar* pTabs = FindKind(site.m_arrBarStates, StateBar::kKindTabContainer);
        ASSERT_NE(pTabs, nullptr);
        EXPECT_EQ(pTabs->m_nDockBarId, (UINT)AFX_IDW_DOCKBAR_LEFT);
        EXPECT_EQ(pTabs->m_nCircle, 1);
        EXPECT_EQ(pTabs->m_dwStateFlags & (StateBar::kVisible | StateBar::kAutoHide), (DWORD)StateBar::kVisible);
        ASSERT_EQ(pTabs->m_arrNestedStates.GetSize(), 3);
        const std::vector<UINT> ids = Ids({m_pA, m_pB, m_pC});
        for (int i = 0; i < 3; i++)
        {
            const StateBar* p = pTabs->m_arrNestedStates[i];
            EXPECT_EQ(p->m_nBarId, ids[i]);
            EXPECT_EQ(p->GetKind(), (DWORD)StateBar::kKindBar);
            EXPECT_EQ(p->m_dwStateFlags & 0x380, i == 1 ? 0x380u : 0x180u) << i;
        }
        const StateBar* pD = FindId(site.m_arrBarStates, m_pD);
        ASSERT_NE(pD, nullptr);
        EXPECT_NE(pD->m_dwStateFlags & StateBar::kAutoHide, 0u);
        ASSERT_EQ(site.m_arrAutoHideIds.GetSize(), 1);
        EXPECT_EQ(site.m_arrAutoHideIds[0], (UINT)m_pD->GetDlgCtrlID());
    }

    const Bytes first = SaveRebuildLoad();
    pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(GroupOf(m_pB), pGroup);
    EXPECT_EQ(GroupOf(m_pC), pGroup);
    EXPECT_EQ(TabBars(pGroup), (Bars{m_pA, m_pB, m_pC}));
    EXPECT_EQ(pGroup->GetSelectedBar(), m_pB);
    EXPECT_TRUE(pGroup->IsWindowVisible());
    EXPECT_TRUE(m_pB->IsWindowVisible());
    EXPECT_TRUE(CExtControlBar::IsDockedAtLeft(pGroup));
    EXPECT_TRUE(m_pD->IsAutoHideMode());
    EXPECT_FALSE(m_pD->IsWindowVisible());
    EXPECT_EQ(AreaBars(m_pRight), (Bars{m_pD}));
    EXPECT_TRUE(AreaBars(m_pLeft).empty());

    Settle();
    ASSERT_TRUE(Save());
    ExpectSameBytes(StoredBlockOfShownBars(), first);
}

TEST_F(DockingStateTabs, AnAutoHiddenGroupComesBackInItsAreaWithItsCurrentTabAfterARebuild)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pB), true, true);
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    ASSERT_TRUE(m_pC->SwitchAutoHide(true, false, true, true));
    Settle();
    ASSERT_EQ(AreaBars(m_pLeft), (Bars{m_pA, m_pB}));
    ASSERT_TRUE(m_pLeft->ItemGet(1)->IsGroupCurrent());
    {
        StateSite site(m_pFrame);
        site.CaptureState();
        const StateBar* pTabs = FindKind(site.m_arrBarStates, StateBar::kKindTabContainer);
        ASSERT_NE(pTabs, nullptr);
        // The group carries the auto-hide flag, its members do not.
        EXPECT_NE(pTabs->m_dwStateFlags & StateBar::kAutoHide, 0u);
        ASSERT_EQ(pTabs->m_arrNestedStates.GetSize(), 2);
        EXPECT_EQ(pTabs->m_arrNestedStates[0]->m_dwStateFlags & (0x180 | StateBar::kAutoHide), 0x180u);
        EXPECT_EQ(pTabs->m_arrNestedStates[1]->m_dwStateFlags & (0x180 | StateBar::kAutoHide), 0x180u);
        // The current tab of each run, side by side: left, then right.
        std::vector<UINT> ids(site.m_arrAutoHideIds.GetData(),
                              site.m_arrAutoHideIds.GetData() + site.m_arrAutoHideIds.GetSize());
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(ids, Ids({m_pB, m_pC}));
    }

    const Bytes first = SaveRebuildLoad();
    EXPECT_TRUE(m_pA->IsAutoHideMode());
    EXPECT_TRUE(m_pB->IsAutoHideMode());
    EXPECT_TRUE(m_pC->IsAutoHideMode());
    EXPECT_FALSE(m_pD->IsAutoHideMode());
    ASSERT_NE(GroupOf(m_pA), nullptr);
    EXPECT_EQ(GroupOf(m_pB), GroupOf(m_pA));
    EXPECT_FALSE(GroupOf(m_pA)->IsWindowVisible());
    EXPECT_EQ(AreaBars(m_pLeft), (Bars{m_pA, m_pB}));
    ASSERT_EQ(m_pLeft->ItemGetCount(), 2);
    EXPECT_TRUE(m_pLeft->ItemGet(0)->IsGroupStart());
    EXPECT_TRUE(m_pLeft->ItemGet(1)->IsGroupCurrent());
    EXPECT_FALSE(m_pLeft->ItemGet(0)->IsGroupCurrent());
    EXPECT_EQ(AreaBars(m_pRight), (Bars{m_pC}));

    Settle();
    ASSERT_TRUE(Save());
    ExpectSameBytes(StoredBlockOfShownBars(), first);

    // Out of auto-hide the group shows again with the tab that was current.
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, true));
    Settle();
    ASSERT_NE(GroupOf(m_pA), nullptr);
    EXPECT_TRUE(GroupOf(m_pA)->IsWindowVisible());
    EXPECT_EQ(GroupOf(m_pA)->GetSelectedBar(), m_pB);
}

TEST_F(DockingStateTabs, AHiddenFloatingContainerIsRestoredHiddenAndItsBarsToggleCommandShowsIt)
{
    // Alpha and Beta float together in one container, then both are hidden.
    CExtMiniDockFrameWnd* pHolder = nullptr;
    CExtDynControlBar* pDyn = NewFloatingContainer({m_pA, m_pB}, pHolder);
    ASSERT_NE(pDyn, nullptr);
    pHolder->SetWindowPos(nullptr, 320, 220, 300, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    pHolder->RecalcLayout();
    m_pFrame->ShowControlBar(m_pA, FALSE, FALSE);
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    m_pFrame->ShowControlBar(pDyn, FALSE, FALSE);
    Settle();
    {
        StateSite site(m_pFrame);
        site.CaptureState();
        const StateBar* pRecord = FindKind(site.m_arrBarStates, StateBar::kKindDynContainer);
        ASSERT_NE(pRecord, nullptr);
        EXPECT_EQ(pRecord->m_dwStateFlags & (StateBar::kVisible | StateBar::kFloatingContainer),
                  (DWORD)StateBar::kFloatingContainer);
        ASSERT_EQ(pRecord->m_arrNestedStates.GetSize(), 2);
        EXPECT_EQ(pRecord->m_arrNestedStates[0]->m_dwStateFlags & StateBar::kVisible, 0u);
    }

    const Bytes first = SaveRebuildLoad();
    CExtDynControlBar* pNew = DYNAMIC_DOWNCAST(CExtDynControlBar, m_pA->m_pDockBar->GetParent());
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(m_pB->m_pDockBar, m_pA->m_pDockBar);
    CFrameWnd* pNewMini = pNew->GetParentFrame();
    ASSERT_TRUE(pNewMini != nullptr && pNewMini->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
    EXPECT_FALSE(m_pA->IsVisible());
    EXPECT_FALSE(m_pB->IsVisible());
    EXPECT_FALSE(pNew->IsVisible());
    EXPECT_FALSE(pNewMini->IsWindowVisible());

    Settle();
    ASSERT_TRUE(Save());
    ExpectSameBytes(StoredBlockOfShownBars(), first);

    // The bar's toggle command brings the bar, its container and their floating frame back.
    m_pFrame->SendMessage(WM_COMMAND, (WPARAM)m_pA->GetDlgCtrlID(), 0);
    Settle();
    EXPECT_TRUE(m_pA->IsVisible());
    EXPECT_FALSE(m_pB->IsVisible());
    EXPECT_TRUE(pNew->IsWindowVisible());
    EXPECT_TRUE(pNewMini->IsWindowVisible());
    EXPECT_EQ(m_pA->GetParentFrame(), pNewMini);
}

TEST_F(DockingStateTabs, AHiddenTabGroupIsRestoredHiddenAndAMembersToggleCommandShowsItWithThatTab)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    m_pFrame->ShowControlBar(m_pA, FALSE, FALSE);
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    Settle();
    ASSERT_FALSE(pGroup->IsVisible());
    {
        StateSite site(m_pFrame);
        site.CaptureState();
        const StateBar* pTabs = FindKind(site.m_arrBarStates, StateBar::kKindTabContainer);
        ASSERT_NE(pTabs, nullptr);
        EXPECT_EQ(pTabs->m_dwStateFlags & StateBar::kVisible, 0u);
        ASSERT_EQ(pTabs->m_arrNestedStates.GetSize(), 2);
        // No selection is stored for a hidden group.
        for (int i = 0; i < 2; i++)
            EXPECT_EQ(pTabs->m_arrNestedStates[i]->m_dwStateFlags & (0x380 | StateBar::kVisible), 0x180u) << i;
    }

    const Bytes first = SaveRebuildLoad();
    pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(TabBars(pGroup), (Bars{m_pA, m_pB}));
    EXPECT_FALSE(pGroup->IsVisible());
    EXPECT_FALSE(pGroup->IsWindowVisible());
    EXPECT_FALSE(m_pA->IsVisible());
    EXPECT_FALSE(m_pB->IsVisible());
    Settle();
    ASSERT_TRUE(Save());
    ExpectSameBytes(StoredBlockOfShownBars(), first);

    m_pFrame->SendMessage(WM_COMMAND, (WPARAM)m_pB->GetDlgCtrlID(), 0);
    Settle();
    EXPECT_TRUE(m_pB->IsVisible());
    EXPECT_FALSE(m_pA->IsVisible());
    EXPECT_TRUE(pGroup->IsWindowVisible());
    EXPECT_EQ(pGroup->GetSelectedBar(), m_pB);
    EXPECT_TRUE(m_pB->IsWindowVisible());
}

TEST_F(DockingStateTabs, ABarFloatedOutOfItsGroupLeavesNoTemporaryTabBehind)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    Settle();
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    // A drag over the group left a temporary tab.
    pGroup->InsertTemporaryBar(m_pD, 1, true);
    ASSERT_EQ(TabBars(pGroup), (Bars{m_pA, m_pD, m_pB, m_pC}));
    ASSERT_TRUE(m_pA->FloatAtPoint(CPoint(320, 240)));
    Settle();
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    EXPECT_EQ(GroupOf(m_pA), nullptr);
    ASSERT_EQ(GroupOf(m_pB), pGroup);
    EXPECT_EQ(TabBars(pGroup), (Bars{m_pB, m_pC}));
    EXPECT_EQ(pGroup->GetSelectedBar() == m_pB || pGroup->GetSelectedBar() == m_pC, true);
}
