// Saving and loading a frame's docking state through the real registry: round trips, damaged
// states, the operation guard and the frame's placement.
#include "DockingStateFixture.h"
#include "platform/DockContext.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <chrono>
#include <memory>
#include <random>

namespace
{
typedef CExtControlBar::InternalDockStateBar StateBar;
typedef CExtControlBar::InternalDockStateSite StateSite;

class DockingStateRestore : public DockingStateFixture
{
protected:
    // Three resizable bars on the left side's circle 1: A and B in one row, C in a new row; a
    // fixed bar on the top.
    void BuildRows()
    {
        m_pA = NewResizable(L"A");
        m_pB = NewResizable(L"B");
        m_pC = NewResizable(L"C");
        m_pT = NewFixed(6, L"Tools");
        ASSERT_TRUE(m_pA && m_pB && m_pC && m_pT);
        CExtDockBar* pLeft = Circle(1, AFX_IDW_DOCKBAR_LEFT);
        for (CControlBar* p : {(CControlBar*)m_pA, (CControlBar*)m_pB, (CControlBar*)m_pC})
            pLeft->DockBarInto(p);
        pLeft->m_arrBars.RemoveAll();
        for (void* p : {(void*)nullptr, (void*)m_pA, (void*)m_pB, (void*)nullptr, (void*)m_pC, (void*)nullptr})
            pLeft->m_arrBars.Add(p);
        m_pFrame->DockControlBar(m_pT, AFX_IDW_DOCKBAR_TOP);
        FloatedBefore(m_pT, CPoint(300, 200));
        m_pFrame->RecalcLayout();
    }
    // The default layout the host docks when there is no state: every bar on the top side.
    void BuildDefault()
    {
        m_pA = NewResizable(L"A");
        m_pB = NewResizable(L"B");
        m_pC = NewResizable(L"C");
        m_pT = NewFixed(6, L"Tools");
        ASSERT_TRUE(m_pA && m_pB && m_pC && m_pT);
        for (CExtControlBar* p : {(CExtControlBar*)m_pA, (CExtControlBar*)m_pB, (CExtControlBar*)m_pC})
            p->DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 1, m_pFrame, false);
        m_pFrame->DockControlBar(m_pT, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
    }
    Bytes SaveToBytes()
    {
        return StoreBytes([&](CArchive& ar) { EXPECT_TRUE(CExtControlBar::SerializeFrameBarState(ar, m_pFrame)); });
    }
    bool LoadFromBytes(const Bytes& bytes)
    {
        bool bResult = false;
        LoadBytes(bytes, [&](CArchive& ar) { bResult = CExtControlBar::SerializeFrameBarState(ar, m_pFrame); });
        return bResult;
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
    // A bar that floated before: its stored float position and its dock context's agree.
    static void FloatedBefore(CExtControlBar* pBar, CPoint pt)
    {
        pBar->m_ptFloatPos = pt;
        if (pBar->m_pDockContext != nullptr)
            pBar->m_pDockContext->m_ptMRUFloatPos = pt;
    }
    bool AllBarsAlive() const
    {
        for (CExtControlBar* p : m_pFrame->m_arrBars)
            if (!::IsWindow(p->GetSafeHwnd()))
                return false;
        return true;
    }
    std::vector<CRect> BarRects() const
    {
        std::vector<CRect> rects;
        for (CExtControlBar* p : m_pFrame->m_arrBars)
            rects.push_back(WindowRectOf(p));
        return rects;
    }

    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
    CHostResizableBar* m_pC = nullptr;
    CHostFixedBar* m_pT = nullptr;
};
} // namespace

TEST_F(DockingStateRestore, RowsAreCapturedWithTheNewRowFlagAndRestoredAfterARebuild)
{
    BuildRows();
    {
        StateSite site(m_pFrame);
        site.CaptureState();
        ASSERT_EQ(site.m_arrBarStates.GetSize(), 3);
        EXPECT_EQ(site.m_arrBarStates[0]->m_nBarId, (UINT)m_pA->GetDlgCtrlID());
        EXPECT_EQ(site.m_arrBarStates[0]->m_dwStateFlags & 0x4F, 0x01u);
        EXPECT_EQ(site.m_arrBarStates[1]->m_dwStateFlags & 0x4F, 0x01u);
        EXPECT_EQ(site.m_arrBarStates[2]->m_dwStateFlags & 0x4F, 0x41u);
        EXPECT_EQ(site.m_arrBarStates[2]->m_nCircle, 1);
        EXPECT_EQ(site.m_arrBarStates[2]->m_nDockBarId, (UINT)AFX_IDW_DOCKBAR_LEFT);
        // The fixed bar is an outer item and in the dock state.
        ASSERT_EQ(site.m_arrOuterItems.GetSize(), 1);
        EXPECT_EQ(site.m_arrOuterItems[0].m_nBarId, (UINT)m_pT->GetDlgCtrlID());
    }
    const std::string sRows = Entries(Circle(1, AFX_IDW_DOCKBAR_LEFT, false));
    ASSERT_TRUE(Save());
    const Bytes first = StoredBlock();
    ASSERT_FALSE(first.empty());

    RebuildFrame();
    BuildDefault();
    ASSERT_TRUE(Load());
    EXPECT_TRUE(FlagsClear());
    EXPECT_EQ(Entries(Circle(1, AFX_IDW_DOCKBAR_LEFT, false)), sRows);
    EXPECT_EQ(m_pA->m_pDockBar, m_pB->m_pDockBar);
    EXPECT_TRUE(m_pA->IsVisible() && m_pB->IsVisible() && m_pC->IsVisible());
    // The frame lays itself out once more before it is saved again.
    PumpMessages();
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(Save());
    ExpectSameBytes(StoredBlock(), first);
}

// A state read before the bars are made: each bar is created in the dock bar the state docks it in, never moved there,
// and the load gives the same rows and the same stored bytes.
TEST_F(DockingStateRestore, AStateReadAheadCreatesEachBarInItsDockBarAndLoadsTheSameRows)
{
    BuildRows();
    const std::string sRows = Entries(Circle(1, AFX_IDW_DOCKBAR_LEFT, false));
    ASSERT_TRUE(Save());
    const Bytes first = StoredBlock();

    RebuildFrame();
    ASSERT_TRUE(CExtControlBar::ReadFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile));
    m_pC = NewResizable(L"C"); // made before the others: the load puts the rows in their stored order
    m_pA = NewResizable(L"A");
    m_pB = NewResizable(L"B");
    m_pT = NewFixed(6, L"Tools");
    ASSERT_TRUE(m_pA && m_pB && m_pC && m_pT);
    for (CControlBar* p : {(CControlBar*)m_pA, (CControlBar*)m_pB, (CControlBar*)m_pC})
        EXPECT_EQ(p->GetParent(), Circle(1, AFX_IDW_DOCKBAR_LEFT, false));
    EXPECT_EQ(m_pT->GetParent(), m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    ASSERT_TRUE(Load());
    EXPECT_TRUE(FlagsClear());
    EXPECT_EQ(Entries(Circle(1, AFX_IDW_DOCKBAR_LEFT, false)), sRows);
    EXPECT_TRUE(m_pA->IsVisible() && m_pB->IsVisible() && m_pC->IsVisible() && m_pT->IsVisible());
    PumpMessages();
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(Save());
    ExpectSameBytes(StoredBlock(), first);
}

TEST_F(DockingStateRestore, ToolBarsOnlyGiveNoBarRecordsAndComeBackThroughTheDockState)
{
    CHostFixedBar* pT1 = NewFixed(6, L"T1");
    CHostFixedBar* pT2 = NewFixed(4, L"T2");
    m_pFrame->DockControlBar(pT1, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(pT2, AFX_IDW_DOCKBAR_BOTTOM);
    FloatedBefore(pT1, CPoint(300, 200));
    FloatedBefore(pT2, CPoint(320, 240));
    m_pFrame->RecalcLayout();
    {
        StateSite site(m_pFrame);
        site.CaptureState();
        EXPECT_EQ(site.m_arrBarStates.GetSize(), 0);
        EXPECT_EQ(site.m_arrAutoHideIds.GetSize(), 0);
        EXPECT_EQ(site.m_arrOuterItems.GetSize(), 2);
    }
    ASSERT_TRUE(Save());
    const Bytes first = StoredBlock();
    RebuildFrame();
    pT1 = NewFixed(6, L"T1");
    pT2 = NewFixed(4, L"T2");
    m_pFrame->DockControlBar(pT1, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->DockControlBar(pT2, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(Load());
    EXPECT_EQ(CExtControlBar::GetDockBarId(pT1), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(CExtControlBar::GetDockBarId(pT2), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    ASSERT_TRUE(Save());
    ExpectSameBytes(StoredBlock(), first);
}

TEST_F(DockingStateRestore, AFloatingContainerComesBackInANewFrameKeptOnTheMonitor)
{
    CHostResizableBar* pA = NewResizable(L"A");
    CHostResizableBar* pB = NewResizable(L"B");
    CExtMiniDockFrameWnd* pMini = nullptr;
    CExtDynControlBar* pDyn = NewFloatingContainer({pA, pB}, pMini);
    ASSERT_NE(pDyn, nullptr);
    MakeOneRow(pDyn->m_pWndDynDocker, {pA});
    pDyn->m_pWndDynDocker->m_arrBars.Add(pB);
    pDyn->m_pWndDynDocker->m_arrBars.Add(nullptr);
    pMini->SetWindowPos(nullptr, 100, 120, 300, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    pMini->RecalcLayout();

    StateSite site(m_pFrame);
    site.CaptureState();
    ASSERT_EQ(site.m_arrBarStates.GetSize(), 1);
    StateBar* pRecord = site.m_arrBarStates[0];
    EXPECT_EQ(pRecord->GetKind(), 2u);
    EXPECT_NE(pRecord->m_dwStateFlags & 0x20, 0u);
    EXPECT_EQ(pRecord->m_rcFloatingFrame, WindowRectOf(pMini));
    ASSERT_EQ(pRecord->m_arrNestedStates.GetSize(), 2);
    EXPECT_EQ(pRecord->m_arrNestedStates[0]->m_dwStateFlags & 0xC0, 0x80u);
    EXPECT_EQ(pRecord->m_arrNestedStates[1]->m_dwStateFlags & 0xC0, 0xC0u);

    // Stored far off screen: the new frame lands on the monitor, at the stored size.
    pRecord->m_rcFloatingFrame = CRect(30000, 30000, 30300, 30260);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { site.Serialize(ar); });
    RebuildFrame();
    pA = NewResizable(L"A");
    pB = NewResizable(L"B");
    CPopupBirthPlaces births;
    ASSERT_TRUE(LoadFromBytes(bytes));
    EXPECT_TRUE(FlagsClear());
    // The frame shows after the load, as a program's frame does: its floating frames show with it.
    m_pFrame->ShowWindow(SW_SHOWNA);
    PumpMessages();
    CExtDynControlBar* pNew = DYNAMIC_DOWNCAST(CExtDynControlBar, pA->m_pDockBar->GetParent());
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(pB->m_pDockBar, pA->m_pDockBar);
    const int nA = pA->m_pDockBar->FindBar(pA), nB = pA->m_pDockBar->FindBar(pB);
    EXPECT_LT(nA, nB);
    EXPECT_EQ(pA->m_pDockBar->m_arrBars[nB - 1], nullptr);
    CFrameWnd* pNewMini = pNew->GetParentFrame();
    ASSERT_TRUE(pNewMini != nullptr && pNewMini->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
    EXPECT_TRUE(pNewMini->IsWindowVisible());
    const CRect rcMini = WindowRectOf(pNewMini);
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromRect(mp, rcMini);
    EXPECT_TRUE(mp.m_rcWorkArea.PtInRect(rcMini.TopLeft())) << rcMini.left << "," << rcMini.top;
    EXPECT_EQ(births.Of(pNewMini), rcMini);
    EXPECT_EQ(births.HiddenChangesOf(pNewMini), 0);
}

TEST_F(DockingStateRestore, DamagedStatesFailInBoundedTimeLeaveTheBarsAndTheFlagsAndTheDefaultLayoutDocks)
{
    BuildRows();
    const Bytes good = SaveToBytes();
    ASSERT_GT(good.size(), 200u);
    const std::vector<CRect> before = BarRects();

    Bytes version = good;
    version[82] = 0x04;
    EXPECT_FALSE(LoadFromBytes(version));
    for (size_t n = 0; n < good.size(); n += 7)
        EXPECT_FALSE(LoadFromBytes(Bytes(good.begin(), good.begin() + (long)n))) << n;
    EXPECT_TRUE(FlagsClear());
    EXPECT_EQ(BarRects(), before);

    // The host then docks its default layout.
    EXPECT_TRUE(m_pC->DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 1, m_pFrame, true));
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pC), (UINT)AFX_IDW_DOCKBAR_TOP);

    // Mutated states may load or fail; none crashes, hangs or leaves a flag set.
    std::mt19937 rng(2026);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 300; i++)
    {
        Bytes b = good;
        const int nChanges = 1 + (int)(rng() % 4);
        for (int k = 0; k < nChanges; k++)
            b[78 + rng() % (b.size() - 78)] = (BYTE)rng();
        LoadFromBytes(b);
        ASSERT_TRUE(FlagsClear()) << i;
        ASSERT_TRUE(AllBarsAlive()) << i;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(120));
}

TEST_F(DockingStateRestore, IdsNamingNoBarAndBadKindsAreSkippedAndTheRestApplies)
{
    BuildRows();
    StateSite site(m_pFrame);
    site.CaptureState();
    ASSERT_EQ(site.m_arrBarStates.GetSize(), 3);
    site.m_arrBarStates[0]->m_nBarId = 0xBEEF;                                                     // names no bar
    site.m_arrBarStates[1]->m_dwStateFlags = (site.m_arrBarStates[1]->m_dwStateFlags & ~0xFu) | 7; // no such kind
    StateBar* pBadSide = new StateBar;
    pBadSide->m_nBarId = (UINT)m_pB->GetDlgCtrlID();
    pBadSide->m_dwStateFlags = 1;
    pBadSide->m_nDockBarId = 0x1234;
    site.m_arrBarStates.Add(pBadSide);
    StateBar* pFarCircle = new StateBar;
    pFarCircle->m_nBarId = (UINT)m_pA->GetDlgCtrlID();
    pFarCircle->m_dwStateFlags = 1;
    pFarCircle->m_nDockBarId = AFX_IDW_DOCKBAR_LEFT;
    pFarCircle->m_nCircle = 1000;
    site.m_arrBarStates.Add(pFarCircle);
    site.m_arrAutoHideIds.Add(0xBEEF);
    CExtControlBar::OuterItemData_t item;
    item.m_nBarId = 0xBEF0;
    site.m_arrOuterItems.Add(item);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { site.Serialize(ar); });

    m_pC->DockAtSideCircle(AFX_IDW_DOCKBAR_BOTTOM, 1, m_pFrame, true);
    ASSERT_TRUE(LoadFromBytes(bytes));
    EXPECT_TRUE(FlagsClear());
    EXPECT_TRUE(AllBarsAlive());
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pC), (UINT)AFX_IDW_DOCKBAR_LEFT);
}

TEST_F(DockingStateRestore, NoKeyReappliesThePlacementAndAGuardedFrameRefuses)
{
    BuildRows();
    ShowAndPaint(m_pFrame);
    EXPECT_FALSE(Load());
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
    m_pFrame->ShowWindow(SW_HIDE);
    EXPECT_FALSE(Load());
    EXPECT_FALSE(m_pFrame->IsWindowVisible());

    ASSERT_TRUE(Save());
    const Bytes first = StoredBlock();
    // A save while a load of the frame runs fails and leaves the stored block as it was.
    ASSERT_TRUE(CExtControlBar::RegisterFrameStateOperation(m_pFrame, true));
    bool bLoad = false;
    EXPECT_TRUE(CExtControlBar::QueryFrameStateOperation(m_pFrame, &bLoad));
    EXPECT_TRUE(bLoad);
    m_pA->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true);
    EXPECT_FALSE(Save());
    EXPECT_FALSE(Load());
    CExtControlBar::UnregisterFrameStateOperation(m_pFrame);
    EXPECT_FALSE(CExtControlBar::QueryFrameStateOperation(m_pFrame));
    EXPECT_EQ(StoredBlock(), first);
    // No profile for a frame: nothing.
    EXPECT_FALSE(CExtControlBar::SaveFrameBarState(nullptr, m_sKey, kHostProfile, kHostProfile));
}

TEST_F(DockingStateRestore, AMaximisedFrameIsLaidOutInTheWorkAreaAndAnOffScreenOneIsMovedOn)
{
    BuildRows();
    StateSite site(m_pFrame);
    site.CaptureState();
    site.m_wpFrame.rcNormalPosition = CRect(50, 60, 450, 360);
    site.m_wpFrame.showCmd = SW_SHOWMAXIMIZED;
    const Bytes maximised = StoreBytes([&](CArchive& ar) { site.Serialize(ar); });
    WINDOWPLACEMENT wp = {};
    bool bResult = false;
    LoadBytes(maximised, [&](CArchive& ar) { bResult = CExtControlBar::SerializeFrameBarState(ar, m_pFrame, &wp); });
    ASSERT_TRUE(bResult);
    EXPECT_EQ(wp.showCmd, (UINT)SW_SHOWMAXIMIZED);
    EXPECT_EQ(CRect(wp.rcNormalPosition), CRect(50, 60, 450, 360));
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromRect(mp, CRect(50, 60, 450, 360));
    EXPECT_EQ(WindowRectOf(m_pFrame), mp.m_rcWorkArea);

    site.m_wpFrame.rcNormalPosition = CRect(20000, 20000, 20400, 20300);
    site.m_wpFrame.showCmd = SW_SHOWNORMAL;
    const Bytes offScreen = StoreBytes([&](CArchive& ar) { site.Serialize(ar); });
    LoadBytes(offScreen, [&](CArchive& ar) { bResult = CExtControlBar::SerializeFrameBarState(ar, m_pFrame, &wp); });
    ASSERT_TRUE(bResult);
    const CRect rc = WindowRectOf(m_pFrame);
    EXPECT_EQ(rc.Size(), CSize(400, 300));
    EXPECT_TRUE(mp.m_rcWorkArea.PtInRect(rc.TopLeft()));
    EXPECT_TRUE(mp.m_rcWorkArea.PtInRect(rc.BottomRight() - CSize(1, 1)));
}

TEST_F(DockingStateRestore, AContainerThatCannotBeMadeIsDroppedAndTheLoadFails)
{
    CHostResizableBar* pA = NewResizable(L"A");
    CHostResizableBar* pB = NewResizable(L"B");
    CHostResizableBar* pC = NewResizable(L"C");
    CExtDynControlBar* pDyn = NewContainer(Circle(1, AFX_IDW_DOCKBAR_LEFT), AFX_IDW_DOCKBAR_LEFT);
    ASSERT_NE(pDyn, nullptr);
    CExtDockBar::DockBarInto(pDyn->m_pWndDynDocker, pA, nullptr, false);
    CExtDockBar::DockBarInto(pDyn->m_pWndDynDocker, pB, nullptr, false);
    ASSERT_TRUE(pC->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
    const Bytes bytes = SaveToBytes();
    {
        StateSite site(m_pFrame);
        ASSERT_TRUE(LoadBytes(bytes, [&](CArchive& ar) { site.Serialize(ar); }));
        ASSERT_EQ(site.m_arrBarStates.GetSize(), 2);
        EXPECT_EQ(site.m_arrBarStates[0]->GetKind(), 2u);
    }
    RebuildFrame();
    pA = NewResizable(L"A");
    pB = NewResizable(L"B");
    pC = NewResizable(L"C");
    const INT_PTR nBarsBefore = CExtControlBar::g_arrAllControlBars.GetSize();
    bool bResult = true;
    {
        CRefuseWindows refuse(CExtControlBar::kWndClassName);
        bResult = LoadFromBytes(bytes);
    }
    EXPECT_FALSE(bResult);
    EXPECT_TRUE(FlagsClear());
    EXPECT_TRUE(AllBarsAlive());
    // No windowless container is left behind, in the frame's list or among the bars.
    EXPECT_EQ(CExtControlBar::g_arrAllControlBars.GetSize(), nBarsBefore);
    for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        EXPECT_NE(m_pFrame->m_listControlBars.GetNext(pos)->GetSafeHwnd(), (HWND) nullptr);
    // The record after it was still applied.
    EXPECT_EQ(CExtControlBar::GetDockBarId(pC), (UINT)AFX_IDW_DOCKBAR_LEFT);
}

TEST_F(DockingStateRestore, AFloatingFrameThatCannotBeMadeEndsTheLoadWithTheFlagsClear)
{
    CHostResizableBar* pA = NewResizable(L"A");
    CExtMiniDockFrameWnd* pMini = nullptr;
    CExtDynControlBar* pDyn = NewFloatingContainer({pA}, pMini);
    ASSERT_NE(pDyn, nullptr);
    const Bytes bytes = SaveToBytes();
    RebuildFrame();
    pA = NewResizable(L"A");
    bool bResult = true;
    {
        CRefuseWindows refuse;
        bResult = LoadFromBytes(bytes);
    }
    EXPECT_FALSE(bResult);
    EXPECT_TRUE(FlagsClear());
    EXPECT_TRUE(AllBarsAlive());
}

// A resizable bar and a tool bar left floating: after a load, each floats again in a shown frame at
// the place and size it had.
TEST_F(DockingStateRestore, BarsFloatingWhenSavedComeBackFloatingAndShownWhereTheyWere)
{
    BuildDefault();
    // Each floating frame is made where and as large as it shows, never moved or sized while hidden.
    std::unique_ptr<CPopupBirthPlaces> births = std::make_unique<CPopupBirthPlaces>();
    ASSERT_TRUE(m_pB->FloatAtPoint(CPoint(300, 220), CBRS_ALIGN_TOP));
    m_pFrame->FloatControlBar(m_pT, CPoint(360, 420));
    m_pFrame->RecalcLayout();
    PumpMessages();
    std::vector<CRect> rcFrames;
    for (CControlBar* pBar : {(CControlBar*)m_pB, (CControlBar*)m_pT})
    {
        CFrameWnd* pMini = pBar->GetParentFrame();
        ASSERT_TRUE(pMini != nullptr && pMini->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
        ASSERT_TRUE(pMini->IsWindowVisible());
        rcFrames.push_back(WindowRectOf(pMini));
        EXPECT_EQ(births->Of(pMini), rcFrames.back()) << "floated";
        EXPECT_EQ(births->HiddenChangesOf(pMini), 0) << "floated";
    }
    ASSERT_TRUE(Save());

    RebuildFrame();
    BuildDefault();
    births = std::make_unique<CPopupBirthPlaces>();
    ASSERT_TRUE(Load());
    m_pFrame->RecalcLayout();
    m_pFrame->ShowWindow(SW_SHOWNA);
    PumpMessages();
    int i = 0;
    for (CControlBar* pBar : {(CControlBar*)m_pB, (CControlBar*)m_pT})
    {
        CFrameWnd* pMini = pBar->GetParentFrame();
        ASSERT_TRUE(pMini != nullptr && pMini->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd))) << i;
        EXPECT_TRUE(pBar->IsVisible()) << i;
        EXPECT_TRUE(pMini->IsWindowVisible()) << i;
        const CRect rc = WindowRectOf(pMini);
        EXPECT_EQ(rc.TopLeft(), rcFrames[i].TopLeft()) << i;
        EXPECT_EQ(rc.Size(), rcFrames[i].Size()) << i;
        EXPECT_EQ(births->Of(pMini), rc) << "loaded " << i;
        EXPECT_EQ(births->HiddenChangesOf(pMini), 0) << "loaded " << i;
        i++;
    }
}

// The floating frames a load makes are titled with their bars' names, as the frames they replace were: a
// floating bar's and a floating tool bar's by the bar, a floating container's by its first bar.
TEST_F(DockingStateRestore, FloatingFramesMadeByALoadAreTitledWithTheirBarsNames)
{
    BuildDefault();
    ASSERT_TRUE(m_pB->FloatAtPoint(CPoint(300, 220), CBRS_ALIGN_TOP));
    m_pFrame->FloatControlBar(m_pT, CPoint(360, 420));
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_TRUE(Save());

    RebuildFrame();
    BuildDefault();
    ASSERT_TRUE(Load());
    PumpMessages();
    for (CControlBar* pBar : {(CControlBar*)m_pB, (CControlBar*)m_pT})
    {
        CFrameWnd* pMini = pBar->GetParentFrame();
        ASSERT_TRUE(pMini != nullptr && pMini->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
        CString sName, sTitle;
        pBar->GetWindowText(sName);
        pMini->GetWindowText(sTitle);
        EXPECT_STREQ(sTitle, sName);
    }

    RebuildFrame();
    CHostResizableBar* pA = NewResizable(L"A");
    CHostResizableBar* pC = NewResizable(L"C");
    CExtMiniDockFrameWnd* pMini = nullptr;
    CExtDynControlBar* pDyn = NewFloatingContainer({pA, pC}, pMini);
    ASSERT_NE(pDyn, nullptr);
    pMini->SetWindowPos(nullptr, 100, 120, 300, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    pMini->RecalcLayout();
    ASSERT_TRUE(Save());
    RebuildFrame();
    pA = NewResizable(L"A");
    pC = NewResizable(L"C");
    ASSERT_TRUE(Load());
    PumpMessages();
    CFrameWnd* pNewMini = pA->GetParentFrame();
    ASSERT_TRUE(pNewMini != nullptr && pNewMini->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
    ASSERT_NE(DYNAMIC_DOWNCAST(CExtDynControlBar, pA->m_pDockBar->GetParent()), nullptr);
    CString sTitle;
    pNewMini->GetWindowText(sTitle);
    EXPECT_STREQ(sTitle, L"A");
}
