// Random docking gestures through real input on the docking host: each seed picks a paint manager (so a dragging
// style) and a sequence of gestures on the live layout, each made as a user makes it and its outcome checked; after
// every step the layout is checked whole, its stored state read into a second frame, and every window's screen
// compared with a full repaint. CORVANE_DOCK_FUZZ_SEEDS=n runs seeds 1..n (or first-last) instead of the fixed list,
// CORVANE_DOCK_FUZZ_SEED=s the one seed s, CORVANE_DOCK_FUZZ_STEPS=k k steps a seed; CORVANE_DOCK_FUZZ_NO_STATE=1
// leaves the stored state alone between the steps; CORVANE_DOCK_FUZZ_DUMP=1 writes the screen after each step and
// both sides of a failed screen comparison as .ppm files into the working folder. A seed of many steps may need
// CORVANE_HANG_SECONDS above the test entry's limit.
#include "DockingRunFinds.h"
#include "support/DibCanvas.h"
#include "support/RandomRun.h"
#include <cstdio>
#include <cstdlib>
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

namespace
{
// The host whose tab groups are watched from their creation on.
class CWatchedGroupsFrame : public CDockingHostFrame
{
public:
    CWatchedGroupsFrame()
    {
        m_fnNewTabGroup = [] {
            auto* pGroup = new CExtDynTabControlBar;
            WatchObject(pGroup);
            return pGroup;
        };
    }
};
} // namespace

CSize CFuzzToolBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    const CSize size = CHostFixedBar::CalcDynamicLayout(nLength, nMode);
    if (IsFloating(this) && (nMode & LM_COMMIT) == 0)
        m_sizeFloating = size;
    return size;
}

CFuzzToolBar* CFuzzToolBar::AddTo(CDockingHostFrame* pFrame, LPCTSTR pszText)
{
    auto* pBar = new CFuzzToolBar;
    pFrame->m_arrBars.push_back(pBar);
    if (!pBar->CreateInFrame(pFrame, pFrame->m_nNextFixedId++, pszText))
        return nullptr;
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    return pBar;
}

CDockingHostFrame* DockingRun::NewHostFrame() { return new CWatchedGroupsFrame; }

namespace
{
// The windows another program shows in this Wine session, as text; empty when there are none.
std::string OtherProgramsWindows()
{
    std::string s;
    ::EnumWindows(
        [](HWND h, LPARAM l) -> BOOL {
            DWORD dwProcess = 0;
            ::GetWindowThreadProcessId(h, &dwProcess);
            if (dwProcess != ::GetCurrentProcessId() && ::IsWindowVisible(h))
            {
                wchar_t szClass[64] = {}, szText[64] = {};
                ::GetClassNameW(h, szClass, 64);
                ::GetWindowTextW(h, szText, 64);
                *reinterpret_cast<std::string*>(l) +=
                    std::string(CStringA(szClass)) + " \"" + std::string(CStringA(szText)) + "\" ";
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s;
}
} // namespace

void DockingRun::SetUp()
{
    // Another program in the session (a second run in the same prefix) takes the activation at any moment, and the
    // host's screen then shows its frame's caption turned inactive behind the run's back.
    const std::string sOthers = OtherProgramsWindows();
    ASSERT_TRUE(sOthers.empty()) << "another program shows windows in this Wine session: " << sOthers
                                 << "; the run reads the screen and the activation, so it needs the session to itself "
                                    "(run it through ctest, or give it a prefix of its own with CORVANE_WINEPREFIX)";
    ReleaseStale();
    DynTabsFixture::SetUp();
    m_pE = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"Epsilon");
    ASSERT_NE(m_pE, nullptr);
    ASSERT_TRUE(m_pE->DockAtSideCircle(AFX_IDW_DOCKBAR_BOTTOM, 1, m_pFrame, true));
    m_bars = {m_pA, m_pB, m_pC, m_pD, m_pE};
    for (const wchar_t* psz : {L"Tools 1", L"Tools 2"})
    {
        CHostFixedBar* pTools = CFuzzToolBar::AddTo(m_pFrame, psz);
        ASSERT_NE(pTools, nullptr);
        m_tools.push_back(pTools);
    }
    m_pFrame->RecalcLayout();
    // Plain children, not edits or lists: a caret blinks and a list's focus rectangle is drawn over what is
    // there, so their pixels travel with a moved window's bits and stay when it is resized. No sunken edge: a bar
    // at its least height leaves its child a few pixels, where the edge's lines overlap in an order that depends
    // on what was drawn before.
    for (CExtControlBar* p : m_bars)
    {
        CWnd& child = static_cast<CHostResizableBar*>(p)->m_wndChild;
        child.DestroyWindow();
        ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_WHITERECT, 0, 0, 10, 10,
                                   p->GetSafeHwnd(), (HMENU)(UINT_PTR)1, nullptr));
        p->RepositionChildWindow();
    }
    for (CExtControlBar* p : AllBars())
        m_shown[p] = true;
    CExtControlBar::g_nDraggingStyleOverride = -1;
    CExtDynAutoHideSlider::g_nAnimationSteps = 0;
    m_dwGui = ::GetCurrentThreadId();
    m_sKey.Format(L"CorvaneFuzz%lu_%lu", ::GetCurrentProcessId(), ::GetTickCount());
    InstallCrashRecord();
    WatchFocusInMain(true);
}

void DockingRun::TearDown()
{
    WatchFocusInMain(false);
    RemoveCrashRecord();
    ClearWatched();
    AfxGetApp()->m_pMainWnd = nullptr;
    CExtDynDockMarkerWnd::DestroyAll();
    DynTabsFixture::TearDown();
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    CExtControlBar::g_nDraggingStyleOverride = -1;
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\" + m_sKey);
    ReleaseStale();
}

namespace
{
class DockingFuzz : public DockingRun, public ::testing::WithParamInterface<unsigned>
{};

} // namespace

TEST_P(DockingFuzz, RandomGesturesKeepEveryBarOnceTheStateWholeAndTheScreenAsARepaintDrawsIt)
{
    const unsigned nSeed = GetParam();
    m_rng.seed(nSeed);
    const Theme& theme = kThemes[nSeed % 4];
    RecordSeed(nSeed);
    Log(std::string("paint manager ") + theme.pszName + " (drag style " +
        (theme.pClass == RUNTIME_CLASS(CExtPaintManagerStudio2005) ? "1" : "0") + ")");
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(theme.pClass));
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    const int nSteps = StepsPerSeed();
    int nStepsRun = 0;
    for (int nStep = 0; nStep < nSteps && !HasFailure(); ++nStep)
    {
        StartStepWatch(::GetTickCount());
        ClearWatched();
        WatchAlive();
        RememberSides();
        bool bDone = false;
        for (Gesture g : GestureOrder())
        {
            if (RunGesture(g))
            {
                bDone = true;
                ++m_seedCounts[g];
                CountGesture(kGestureNames[g]);
                break;
            }
        }
        if (!bDone)
            break;
        ++nStepsRun;
        SettleInput(PumpMessages, 60);
        CheckFramesAbove();
        KeepFramesClear();
        Rest();
        if (std::getenv("CORVANE_DOCK_FUZZ_DUMP") != nullptr)
        {
            const CRect rc = WindowRectOf(m_pFrame);
            randomrun::WritePicture(L"fuzz_step" + std::to_wstring(nStep) + L".ppm", GrabScreen(rc), rc.Width(),
                                    rc.Height());
        }
        EXPECT_EQ(StaleUses(), 0) << "a deleted group, container, dock bar or floating frame was used";
        ASSERT_NO_FATAL_FAILURE(CheckLayout("after the step"));
        CheckScreenMatchesRepaint();
        if (HasFailure())
            break;
        if (std::getenv("CORVANE_DOCK_FUZZ_NO_STATE") == nullptr)
        {
            ASSERT_NO_FATAL_FAILURE(CheckStateRoundTrip());
        }
    }
    StartStepWatch(0);
    std::printf("docking run: seed %u, %d steps\n", nSeed, nStepsRun);
    if (HasFailure())
        ADD_FAILURE() << "the run that failed: " << RunRecord() << "layout:\n" << Describe();
    // After the last seed: what the run made; the default run makes every gesture kind twice at least.
    static size_t s_nSeedsRun = 0;
    const std::vector<unsigned> seeds = SeedsToRun();
    if (++s_nSeedsRun == seeds.size())
    {
        std::printf("%s", CountsTable().c_str());
        if (DefaultRun())
            for (int g = 0; g < kGestureCount; ++g)
            {
                const auto it = GestureCounts().find(kGestureNames[g]);
                EXPECT_GE(it != GestureCounts().end() ? it->second : 0, 2)
                    << "the default run made \"" << kGestureNames[g] << "\" less than twice";
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, DockingFuzz, ::testing::ValuesIn(SeedsToRun()),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                             return "seed" + std::to_string(info.param);
                         });

TEST_F(DockingRunFinds, AFloatingFramesCaptionTurnsInactiveWhenTheFocusLeavesItsBar)
{
    ASSERT_NO_FATAL_FAILURE(GiveEdit(m_pC));
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerXP)));
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    // A double click on its docked caption floats the bar, the focus in it; the loop's idle work follows the focus.
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pC, pt));
    Click(pt, true);
    CExtMiniDockFrameWnd* pMini = MiniOf(m_pC);
    ASSERT_NE(pMini, nullptr);
    SettleInput(PumpMessages, 60);
    Idle();
    ASSERT_TRUE(FocusIn(m_pC));
    // Clear of the main window, where no click into it covers the floating frame.
    pMini->SetWindowPos(nullptr, 300, WindowRectOf(m_pFrame).bottom + 20, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SettleInput(PumpMessages, 60);
    // The program puts the focus into the view.
    m_pFrame->m_wndView.SetFocus();
    SettleInput(PumpMessages, 60);
    Idle();
    ASSERT_FALSE(FocusIn(m_pC));
    // The floating frame's caption shows what a full repaint draws: the inactive caption.
    EXPECT_TRUE(CaptionAsRepainted(pMini)) << "the floating caption still shows the focus it lost";
}

TEST_F(DockingRunFinds, AFloatingFramesCaptionTurnsInactiveWhenTheFocusLeavesTheFrameItself)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerXP)));
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pC, pt));
    Click(pt, true);
    CExtMiniDockFrameWnd* pMini = MiniOf(m_pC);
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 300, WindowRectOf(m_pFrame).bottom + 20, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Rest();
    // The frame activated (a press on its caption leaves the activation with the main window), and the focus goes to
    // the frame window itself.
    pMini->SetActiveWindow();
    ASSERT_TRUE(WaitFor([&] { return ::GetFocus() == pMini->GetSafeHwnd(); }));
    SettleInput(PumpMessages, 60);
    Idle();
    // The program puts the focus into the view; the floating caption shows what a full repaint draws.
    m_pFrame->m_wndView.SetFocus();
    SettleInput(PumpMessages, 60);
    Idle();
    ASSERT_FALSE(FocusIn(pMini));
    EXPECT_TRUE(CaptionAsRepainted(pMini)) << "the floating caption still shows the focus its frame lost";
}

TEST_F(DockingRunFinds, ReadingTheStoredStateLeavesNoEmptyGroupBehind)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pE));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    // The group came back as a new one; the one the bars were in before is gone.
    CheckLayout("after the stored state was read back");
}

TEST_F(DockingRunFinds, ABarAfterAGroupComesBackFromTheStoredStateInTheRowItHad)
{
    // Left: the group of Alpha and Epsilon in the first row, Beta in a row of its own after it.
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pE));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    const std::string before = Describe();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_EQ(Describe(), before);
}

TEST_F(DockingRunFinds, AGroupUnpinnedIntoAContainerWhoseOtherBarIsClosedShows)
{
    // The group of Alpha and Epsilon with Delta beside it in one container; Delta closed.
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pE));
    Settle();
    ASSERT_TRUE(m_pD->DockNextToBar(50, m_pA->GetTabbedContainer(), AFX_IDW_DOCKBAR_RIGHT));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CPoint pt;
    ASSERT_TRUE(ButtonPoint(m_pD, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt));
    Click(pt);
    m_shown[m_pD] = false;
    Rest();
    // The group pinned (the container then holds no bar that shows), slid out by its tab and unpinned.
    ASSERT_TRUE(ButtonPoint(m_pA, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt));
    Click(pt);
    Rest();
    ASSERT_TRUE(m_pA->IsAutoHideMode());
    CExtDynAutoHideArea* pArea = AreaOf(m_pA);
    ASSERT_NE(pArea, nullptr);
    int nItem = -1;
    for (int i = 0; i < pArea->ItemGetCount(); ++i)
        if (pArea->GetBarAt(i) == m_pA)
            nItem = i;
    ASSERT_GE(nItem, 0);
    Click(TabCentre(*pArea, nItem));
    ASSERT_TRUE(WaitFor([&] { return m_pSlider->IsShown() && m_pSlider->GetBar() == m_pA; }));
    ASSERT_TRUE(ButtonPoint(m_pA, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt));
    Click(pt);
    Rest();
    ASSERT_FALSE(m_pA->IsAutoHideMode());
    // The group is back in its container, and it shows.
    EXPECT_TRUE(m_pA->GetTabbedContainer()->IsWindowVisible());
    CheckLayout("after the group was unpinned");
}

TEST_F(DockingRunFinds, AContainerInsideAContainerComesBackShownFromTheStoredState)
{
    // Bottom: Alpha, Epsilon and Beta in one row, Epsilon and Beta in a container inside Alpha's.
    ASSERT_TRUE(m_pA->DockNextToBar(50, m_pE, AFX_IDW_DOCKBAR_LEFT));
    Settle();
    ASSERT_TRUE(m_pB->DockNextToBar(50, m_pE, AFX_IDW_DOCKBAR_RIGHT));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_TRUE(m_pE->IsWindowVisible());
    const std::string before = Describe();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_EQ(Describe(), before);
    CheckLayout("after the stored state was read back");
}

TEST_F(DockingRunFinds, AContainerWithABarAfterItInItsRowComesBackFromTheStoredStateAsWideAsItWas)
{
    // Bottom: Delta and Epsilon side by side in a container, Alpha after the container in the same row. The
    // container is read back before Alpha, so it is placed while nothing lies after it in its row.
    ASSERT_NO_FATAL_FAILURE(ContainerWithABarAfterIt(m_pE, m_pA, false, m_pD, AFX_IDW_DOCKBAR_LEFT));
    const std::string before = Describe();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_EQ(Describe(), before);
}

TEST_F(DockingRunFinds, AGroupComesBackFromTheStoredStateWithItsTabsInTheirOrder)
{
    // Epsilon joins Alpha's group as its first tab.
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pE, 0));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_NE(m_pA->GetTabbedContainer(), nullptr);
    const std::vector<CExtControlBar*> before = TabBars(m_pA->GetTabbedContainer());
    ASSERT_EQ(before, (std::vector<CExtControlBar*>{m_pE, m_pA}));
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    ASSERT_NE(m_pA->GetTabbedContainer(), nullptr);
    EXPECT_EQ(TabBars(m_pA->GetTabbedContainer()), before);
}

TEST_F(DockingRunFinds, AClosedMemberOfAPinnedGroupGetsNoAutoHideTabUntilItIsShown)
{
    ASSERT_NO_FATAL_FAILURE(GroupAlphaAndEpsilonWithEpsilonClosed());
    CPoint pt;
    ASSERT_FALSE(m_pE->IsWindowVisible());
    // The group pinned: only Alpha's tab shows.
    ASSERT_TRUE(ButtonPoint(m_pA, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt));
    Click(pt);
    Rest();
    ASSERT_TRUE(m_pA->IsAutoHideMode());
    CheckLayout("after the group was pinned");
    // Epsilon shown by its command: its tab shows again.
    m_pFrame->SendMessage(WM_COMMAND, m_pE->GetDlgCtrlID(), 0);
    m_shown[m_pE] = true;
    Rest();
    CExtDynAutoHideArea* pArea = AreaOf(m_pE);
    ASSERT_NE(pArea, nullptr);
    const int nItem = pArea->ItemFindByLParam((LPARAM)m_pE);
    ASSERT_GE(nItem, 0);
    EXPECT_TRUE(pArea->ItemGet(nItem)->IsVisible());
}

TEST_F(DockingRunFinds, AMemberShownWhileItsGroupIsPinnedShowsWhenTheGroupIsUnpinned)
{
    ASSERT_NO_FATAL_FAILURE(GroupAlphaAndEpsilonWithEpsilonClosed());
    CPoint pt;
    // The group pinned and Epsilon shown by its command.
    ASSERT_TRUE(ButtonPoint(m_pA, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt));
    Click(pt);
    Rest();
    ASSERT_TRUE(m_pA->IsAutoHideMode());
    m_pFrame->SendMessage(WM_COMMAND, m_pE->GetDlgCtrlID(), 0);
    m_shown[m_pE] = true;
    Rest();
    // Epsilon stays shown through a read-back of the stored state.
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    CheckLayout("after the stored state was read back");
    CExtDynAutoHideArea* pArea = AreaOf(m_pA);
    ASSERT_NE(pArea, nullptr);
    const int nItem = pArea->ItemFindByLParam((LPARAM)m_pA);
    ASSERT_GE(nItem, 0);
    // The group slid out by Alpha's tab and unpinned: Epsilon shows in it.
    Click(TabCentre(*pArea, nItem));
    ASSERT_TRUE(WaitFor([&] { return m_pSlider->IsShown() && m_pSlider->GetBar() == m_pA; }));
    ASSERT_TRUE(ButtonPoint(m_pA, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt));
    Click(pt);
    Rest();
    ASSERT_FALSE(m_pA->IsAutoHideMode());
    EXPECT_TRUE(m_pE->IsWindowVisible()) << HiddenAt(m_pE);
    CheckLayout("after the group was unpinned");
}

TEST_F(DockingRunFinds, ABarShownByItsCommandShowsTheHiddenGroupAndContainerItIsIn)
{
    // Gamma's group with Delta, in one container with Epsilon; all three closed, so group and container hide.
    ASSERT_TRUE(m_pC->DockAsTabWith(m_pD));
    Settle();
    ASSERT_TRUE(m_pE->DockNextToBar(50, m_pC->GetTabbedContainer(), AFX_IDW_DOCKBAR_BOTTOM));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    for (CExtControlBar* p : {m_pD, m_pC, m_pE})
    {
        m_pFrame->SendMessage(WM_COMMAND, p->GetDlgCtrlID(), 0);
        m_shown[p] = false;
        Rest();
    }
    ASSERT_FALSE(m_pC->GetTabbedContainer()->IsWindowVisible());
    // Delta shown again: it shows, with the group and the container around it.
    m_pFrame->SendMessage(WM_COMMAND, m_pD->GetDlgCtrlID(), 0);
    m_shown[m_pD] = true;
    Rest();
    EXPECT_TRUE(m_pD->IsWindowVisible()) << HiddenAt(m_pD);
    CheckLayout("after Delta was shown");
}

TEST_F(DockingRunFinds, AGroupDroppedByItsCaptionIntoAnotherGroupJoinsIt)
{
    // Two groups: Alpha with Delta, Epsilon with Beta; the second dragged by its caption onto the first's caption.
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerOffice2003)));
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pD));
    Settle();
    ASSERT_TRUE(m_pE->DockAsTabWith(m_pB));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CExtDynTabControlBar* pTarget = m_pA->GetTabbedContainer();
    ASSERT_NE(pTarget, nullptr);
    ASSERT_NE(m_pE->GetTabbedContainer(), nullptr);
    CPoint ptFrom;
    ASSERT_TRUE(CaptionPoint(m_pE, ptFrom));
    // The dragged group is dissolved into the target, its window and object gone, while the drop still runs.
    const HWND hTarget = pTarget->GetSafeHwnd();
    ASSERT_TRUE(Drag(
        ptFrom,
        [&](CPoint& pt) {
            if (!::IsWindow(hTarget))
                return false;
            const CRect rc = WindowRectOf(pTarget);
            pt = CPoint(rc.CenterPoint().x, rc.top + 10);
            return true;
        },
        20));
    Rest();
    for (CExtControlBar* p : {m_pB, m_pD, m_pE})
        EXPECT_EQ(p->GetTabbedContainer(), m_pA->GetTabbedContainer()) << Name(p) << " is not in Alpha's group";
    CheckLayout("after the group was dropped into the other");
}

TEST_F(DockingRunFinds, ABarFloatedAboveTheWorkAreaComesBackFromTheStoredStateWhereItWas)
{
    // Epsilon floated with its frame one pixel above the work area, as its remembered floating place can say.
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CRect rcWork;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0));
    ASSERT_TRUE(m_pE->FloatAtPoint(CPoint(rcWork.left + 40, rcWork.top - 1), CBRS_ALIGN_TOP));
    Rest();
    CExtMiniDockFrameWnd* pMini = MiniOf(m_pE);
    ASSERT_NE(pMini, nullptr);
    // The caption stays reachable, and the stored state read back keeps the frame where it is.
    EXPECT_GE(WindowRectOf(pMini).top, rcWork.top);
    const std::string before = Describe();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_EQ(Describe(), before);
}

TEST_F(DockingRunFinds, ABarPutIntoAGroupLiesUnderTheBarOfTheSelectedTab)
{
    // Alpha and Delta in one group, Alpha's tab selected; Epsilon put into the group as its last tab.
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pD));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CExtDynTabControlBar* pGroup = m_pA->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pA), true, true);
    Rest();
    ASSERT_TRUE(Reaches(WindowRectOf(m_pA).CenterPoint(), m_pA));
    pGroup->InsertBar(m_pE, -1, true);
    Rest();
    // Alpha's tab stays selected, and Alpha is what the group shows.
    ASSERT_EQ(pGroup->GetSelectedBar(), m_pA);
    EXPECT_TRUE(Reaches(WindowRectOf(m_pA).CenterPoint(), m_pA))
        << "the group shows " << WindowsAt(WindowRectOf(m_pA).CenterPoint());
}

TEST_F(DockingRunFinds, AFloatingFrameResizedByItsEdgeComesBackFromTheStoredStateAtItsSize)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_TRUE(m_pE->FloatAtPoint(CPoint(300, WindowRectOf(m_pFrame).bottom + 20), CBRS_ALIGN_TOP));
    Rest();
    CExtMiniDockFrameWnd* pMini = MiniOf(m_pE);
    ASSERT_NE(pMini, nullptr);
    // The right edge 40 pixels out.
    const CRect rc = WindowRectOf(pMini);
    const CPoint ptRight(rc.right - 1, rc.CenterPoint().y);
    RunInputScript(
        [&] { SendMouseDrag(ptRight, CPoint(ptRight.x + 40, ptRight.y), [&] { return pMini->IsResizing(); }); });
    Rest();
    ASSERT_EQ(WindowRectOf(pMini).Width(), rc.Width() + 39);
    // A second frame reading the stored state makes the floating frame as large.
    CheckStateRoundTrip();
}

TEST_F(DockingRunFinds, AMemberShownWhileItsGroupIsPinnedKeepsItsAutoHideTabThroughTheStoredState)
{
    ASSERT_NO_FATAL_FAILURE(GroupAlphaAndEpsilonWithEpsilonClosed());
    // The group pinned, Epsilon shown by its command: its tab shows.
    CPoint pt;
    ASSERT_TRUE(ButtonPoint(m_pA, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt));
    Click(pt);
    Rest();
    ASSERT_TRUE(m_pE->IsAutoHideMode());
    m_pFrame->SendMessage(WM_COMMAND, m_pE->GetDlgCtrlID(), 0);
    m_shown[m_pE] = true;
    Rest();
    CExtDynAutoHideArea* pArea = AreaOf(m_pE);
    ASSERT_NE(pArea, nullptr);
    ASSERT_TRUE(pArea->ItemGet(pArea->ItemFindByLParam((LPARAM)m_pE))->IsVisible());
    // The stored state read back: Epsilon's tab still shows.
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    pArea = AreaOf(m_pE);
    ASSERT_NE(pArea, nullptr);
    EXPECT_TRUE(pArea->ItemGet(pArea->ItemFindByLParam((LPARAM)m_pE))->IsVisible());
}

TEST_F(DockingRunFinds, AResizedFloatingBarUnderAFloatingToolBarShowsWhatItDrawsAfterTheStoredStateIsLoaded)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_TRUE(m_pE->FloatAtPoint(CPoint(300, WindowRectOf(m_pFrame).bottom + 20), CBRS_ALIGN_TOP));
    Rest();
    CExtMiniDockFrameWnd* pMini = MiniOf(m_pE);
    ASSERT_NE(pMini, nullptr);
    // Its bottom edge 24 pixels up.
    const CRect rc0 = WindowRectOf(pMini);
    const CPoint ptBottom(rc0.CenterPoint().x, rc0.bottom - 1);
    RunInputScript(
        [&] { SendMouseDrag(ptBottom, CPoint(ptBottom.x, ptBottom.y - 24), [&] { return pMini->IsResizing(); }); });
    Rest();
    const CRect rc = WindowRectOf(pMini);
    ASSERT_LT(rc.Height(), rc0.Height());
    // A floating tool bar over its top left corner.
    ASSERT_TRUE(m_tools[1]->FloatAtPoint(rc.TopLeft(), CBRS_ALIGN_TOP));
    Rest();
    ASSERT_NE(MiniOf(m_tools[1]), nullptr);
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    // The floating frame where it was, as large, its screen what a full repaint draws.
    pMini = MiniOf(m_pE);
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(WindowRectOf(pMini), rc);
    CheckScreenMatchesRepaint();
}

TEST_F(DockingRunFinds, AToolBarDockedBackBeforeAnotherInItsRowLeavesNoPieceOfItselfOnTheOther)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManager)));
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    // Tools 1 floated below the main window, Tools 2 moved into its place at the row's start.
    ASSERT_TRUE(m_tools[0]->FloatAtPoint(CPoint(300, WindowRectOf(m_pFrame).bottom + 20), CBRS_ALIGN_TOP));
    Rest();
    const CRect rc2 = WindowRectOf(m_tools[1]);
    const CPoint ptFrom(rc2.left + 6, rc2.CenterPoint().y);
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptFrom.x + 20, ptFrom.y, 0);
        SendMouse(ptFrom.x + 40, ptFrom.y, 0);
        SendMouse(ptFrom.x + 40, ptFrom.y, MOUSEEVENTF_LEFTUP);
    });
    Rest();
    // Tools 1 docked back by a double click on its floating caption: Tools 2 moves aside in the row.
    CExtMiniDockFrameWnd* pMini = MiniOf(m_tools[0]);
    ASSERT_NE(pMini, nullptr);
    CRect rcCaption = pMini->GetCaptionRect();
    rcCaption.OffsetRect(WindowRectOf(pMini).TopLeft());
    Click(CPoint(rcCaption.left + 6, rcCaption.CenterPoint().y), true);
    Rest();
    ASSERT_FALSE(CExtControlBar::IsFloating(m_tools[0]));
    CheckScreenMatchesRepaint();
}

TEST_F(DockingRunFinds, AFloatedGroupReportsNoCaptionOfItsOwnSoTheCaptionItShowsDocksItBack)
{
    // Alpha's group with Epsilon, at the left, floated by a double click on its docked caption.
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pE));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CExtDynTabControlBar* pGroup = m_pA->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_EQ(OuterSide(pGroup), (UINT)AFX_IDW_DOCKBAR_LEFT);
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pA, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(pGroup) && pGroup->IsWindowVisible(); }));
    CExtMiniDockFrameWnd* pMini = MiniOf(pGroup);
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 300, WindowRectOf(m_pFrame).bottom + 20, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Rest();
    // What its docked layout placed is gone: the caption it shows is its floating frame's, and a double click there
    // docks it back at the left.
    EXPECT_TRUE(pGroup->GetCaptionRect().IsRectEmpty());
    ASSERT_TRUE(CaptionPoint(m_pA, pt));
    Click(pt, true);
    EXPECT_TRUE(WaitFor([&] { return !CExtControlBar::IsFloating(pGroup); }))
        << "the double click at " << pt.x << "," << pt.y << " reached " << WindowsAt(pt);
    Rest();
    EXPECT_EQ(OuterSide(m_pA), (UINT)AFX_IDW_DOCKBAR_LEFT);
    CExtControlBar* pShown = DYNAMIC_DOWNCAST(CExtControlBar, pGroup->GetSelectedBar());
    ASSERT_NE(pShown, nullptr);
    EXPECT_TRUE(Reaches(WindowRectOf(pShown).CenterPoint(), pShown));
}

TEST_F(DockingRunFinds, ABarDraggedOutOfAFloatedGroupDocksBackAtTheSideTheGroupWasDockedAt)
{
    // Epsilon's group with Delta, moved to the top, floated by a double click on its docked caption.
    ASSERT_TRUE(m_pE->DockAsTabWith(m_pD));
    Settle();
    CExtDynTabControlBar* pGroup = m_pE->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_TRUE(pGroup->DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 1, m_pFrame, true));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_EQ(OuterSide(m_pE), (UINT)AFX_IDW_DOCKBAR_TOP);
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pE, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(pGroup) && pGroup->IsWindowVisible(); }));
    CExtMiniDockFrameWnd* pMini = MiniOf(pGroup);
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 300, WindowRectOf(m_pFrame).bottom + 20, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Rest();
    // Epsilon's tab dragged out of the floating group into the view.
    const int nTab = pGroup->m_wndTabs.FindBar(m_pE);
    ASSERT_GE(nTab, 0);
    const CPoint ptTab = TabCentre(pGroup->m_wndTabs, nTab);
    ASSERT_TRUE(Reaches(ptTab, &pGroup->m_wndTabs)) << WindowsAt(ptTab);
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    ASSERT_TRUE(Drag(
        ptTab,
        [&](CPoint& p) {
            p = CPoint(rcView.left + rcView.Width() / 3, rcView.CenterPoint().y);
            return true;
        },
        0));
    Rest();
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pE));
    ASSERT_EQ(m_pE->GetTabbedContainer(), nullptr);
    pMini = MiniOf(m_pE);
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 600, WindowRectOf(m_pFrame).bottom + 20, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Rest();
    // Its floating caption's double click docks it back at the top, where it was docked last.
    ASSERT_TRUE(CaptionPoint(m_pE, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return !CExtControlBar::IsFloating(m_pE); }));
    Rest();
    EXPECT_EQ(OuterSide(m_pE), (UINT)AFX_IDW_DOCKBAR_TOP) << "Epsilon docked at " << SideName(OuterSide(m_pE));
    EXPECT_TRUE(Reaches(WindowRectOf(m_pE).CenterPoint(), m_pE));
}

TEST_F(DockingRunFinds, ABarTakenOutOfAGroupThatThenMovedToAnotherSideDocksBackAtItsOwnSide)
{
    // Delta put into Alpha's group at the left, then floated by a double click on its tab.
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pD));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CExtDynTabControlBar* pGroup = m_pD->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_EQ(OuterSide(m_pD), (UINT)AFX_IDW_DOCKBAR_LEFT);
    const int nTab = pGroup->m_wndTabs.FindBar(m_pD);
    ASSERT_GE(nTab, 0);
    Click(TabCentre(pGroup->m_wndTabs, nTab), true);
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(m_pD) && m_pD->GetTabbedContainer() == nullptr; }));
    CExtMiniDockFrameWnd* pMini = MiniOf(m_pD);
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 300, WindowRectOf(m_pFrame).bottom + 20, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Rest();
    // Alpha, the bar of its group, moved to the bottom.
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pA, pt));
    const CRect rcFrame = WindowRectOf(m_pFrame);
    ASSERT_TRUE(Drag(
        pt,
        [&](CPoint& p) {
            p = CPoint(rcFrame.CenterPoint().x, WindowRectOf(&m_pFrame->m_wndView).bottom - 4);
            return true;
        },
        20));
    Rest();
    ASSERT_EQ(OuterSide(m_pA), (UINT)AFX_IDW_DOCKBAR_BOTTOM) << Describe();
    // Delta's floating caption's double click docks it back at the left, not into Alpha's group at the bottom.
    ASSERT_TRUE(CaptionPoint(m_pD, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return !CExtControlBar::IsFloating(m_pD); }));
    Rest();
    EXPECT_EQ(OuterSide(m_pD), (UINT)AFX_IDW_DOCKBAR_LEFT) << "Delta docked at " << SideName(OuterSide(m_pD));
    EXPECT_TRUE(Reaches(WindowRectOf(m_pD).CenterPoint(), m_pD));
}

TEST_F(DockingRunFinds, AContainerWithABarAfterItInItsColumnComesBackFromTheStoredStateInAHiddenFrameAsTallAsItWas)
{
    // Right: Gamma with Epsilon below it in its column; Beta put left of Gamma makes a container there. The second
    // frame the run reads the state into is hidden.
    ASSERT_NO_FATAL_FAILURE(ContainerWithABarAfterIt(m_pC, m_pE, true, m_pB, AFX_IDW_DOCKBAR_LEFT));
    CheckStateRoundTrip();
}
