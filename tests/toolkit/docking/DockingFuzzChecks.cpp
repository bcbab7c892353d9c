// The docking run's checks after every step: each bar once in the layout, shown or hidden as its last command
// said, groups, containers and auto-hide tabs as the bars in them; sizes (inside the frame, the view clear, rows and
// columns filled, a bar just docked at a side at its docked size); no leftover marker or preview, floating frames
// above the main window; the stored state read back into a second frame; the screen as a full repaint draws it.
#include "DockingFuzzRun.h"
#include "support/RandomRun.h"
#include "support/DibCanvas.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtDynDockHighlightWnd.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"

namespace
{
// Without a window manager Wine stacks the main window over its owned frames a while after the focus moved into
// it, with no message to the program: a frame shown before that lands ends below. Whether the focus moved into
// the main window since the last check is noted here.
HHOOK g_hFocusHook = nullptr;
HWND g_hFocusMain = nullptr;
bool g_bFocusMovedInMain = false;

LRESULT CALLBACK NoteFocusInMain(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && p->message == WM_SETFOCUS && g_hFocusMain != nullptr &&
        (p->hwnd == g_hFocusMain || ::IsChild(g_hFocusMain, p->hwnd)))
        g_bFocusMovedInMain = true;
    return ::CallNextHookEx(g_hFocusHook, nCode, wParam, lParam);
}

std::vector<HWND> ThreadWindows(bool bChildren)
{
    std::vector<HWND> tops;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND h, LPARAM l) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
            return TRUE;
        },
        (LPARAM)&tops);
    if (!bChildren)
        return tops;
    std::vector<HWND> all = tops;
    for (HWND h : tops)
        ::EnumChildWindows(
            h,
            [](HWND hc, LPARAM l) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(l)->push_back(hc);
                return TRUE;
            },
            (LPARAM)&all);
    return all;
}

std::string RectText(const CRect& rc)
{
    std::ostringstream os;
    os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
    return os.str();
}
} // namespace

std::vector<CDockBar*> DockingRun::AllDockBars()
{
    std::vector<CDockBar*> v;
    std::set<CDockBar*> seen;
    for (HWND h : ThreadWindows(true))
        if (CDockBar* p = DYNAMIC_DOWNCAST(CDockBar, CWnd::FromHandlePermanent(h)))
            if (seen.insert(p).second)
                v.push_back(p);
    return v;
}

std::vector<CExtControlBar*> DockingRun::AllBars() const
{
    std::vector<CExtControlBar*> v = m_bars;
    v.insert(v.end(), m_tools.begin(), m_tools.end());
    return v;
}

bool DockingRun::ShowsInFrame(CWnd* pWnd)
{
    for (CWnd* p = pWnd; p != nullptr && !p->IsKindOf(RUNTIME_CLASS(CFrameWnd)); p = p->GetParent())
        if ((p->GetStyle() & WS_VISIBLE) == 0)
            return false;
    return true;
}

std::string DockingRun::Describe(CFrameWnd* pFrame, const std::vector<CExtControlBar*>& bars) const
{
    const CPoint ptOrg = WindowRectOf(pFrame).TopLeft();
    std::ostringstream os;
    for (CExtControlBar* p : bars)
    {
        os << Name(p) << ": ";
        CExtControlBar* pCarrier = CaptionCarrier(p);
        CExtMiniDockFrameWnd* pMini = CExtControlBar::IsFloating(pCarrier) ? MiniOf(pCarrier) : nullptr;
        if (p->IsAutoHideMode())
            os << "auto-hidden";
        else if (CExtControlBar::IsFloating(pCarrier))
            os << "floating";
        else
            os << "docked at " << std::hex << OuterSide(pCarrier) << " in " << CExtControlBar::GetDockBarId(pCarrier)
               << std::dec;
        if (CExtDynTabControlBar* pGroup = p->GetTabbedContainer())
        {
            os << " in group [";
            for (CExtControlBar* b : TabBars(pGroup))
                os << Name(b) << " ";
            os << "]";
        }
        // An auto-hidden bar's window shows only while the slider carries it.
        if (p->IsAutoHideMode())
        {
            os << "\n";
            continue;
        }
        const bool bShows = ShowsInFrame(p) && (pMini == nullptr || (pMini->GetStyle() & WS_VISIBLE) != 0);
        os << ((p->GetStyle() & WS_VISIBLE) != 0 ? " visible" : " hidden");
        if (bShows)
        {
            CRect rc = WindowRectOf(pMini != nullptr ? static_cast<CWnd*>(pMini) : pCarrier);
            if (pMini == nullptr)
                rc.OffsetRect(-ptOrg);
            os << " " << RectText(rc);
        }
        os << "\n";
    }
    return os.str();
}

void DockingRun::CheckLayout(const char* pszWhen)
{
    SCOPED_TRACE(pszWhen);
    const std::vector<CDockBar*> docks = AllDockBars();
    for (CExtControlBar* p : AllBars())
    {
        const std::string n = Name(p);
        ASSERT_TRUE(::IsWindow(p->GetSafeHwnd())) << n << " lost its window";
        int nEntries = 0;
        CDockBar* pHolder = nullptr;
        for (CDockBar* pDock : docks)
            for (INT_PTR i = 0; i < pDock->m_arrBars.GetSize(); ++i)
                if (pDock->m_arrBars[i] == p)
                {
                    ++nEntries;
                    pHolder = pDock;
                }
        EXPECT_EQ(nEntries, 1) << n << " is in " << nEntries << " dock bar entries";
        if (nEntries == 1)
        {
            EXPECT_EQ(pHolder, p->m_pDockBar) << n << " is not in the dock bar it names";
        }
        if (std::find(m_tools.begin(), m_tools.end(), p) != m_tools.end())
            continue;
        int nAreas = 0;
        for (CExtDynAutoHideArea* pArea : {m_pTop, m_pBottom, m_pLeft, m_pRight})
            for (int i = 0; i < pArea->ItemGetCount(); ++i)
                if (pArea->GetBarAt(i) == p)
                {
                    ++nAreas;
                    // A shown auto-hidden bar's tab shows, in an area that shows.
                    if (Shown(p) && p->IsAutoHideMode())
                    {
                        EXPECT_TRUE(pArea->ItemGet(i)->IsVisible() && pArea->IsWindowVisible())
                            << n << " is auto-hidden and shown, but its tab is not seen";
                    }
                }
        EXPECT_EQ(nAreas, p->IsAutoHideMode() ? 1 : 0) << n << " has " << nAreas << " auto-hide tabs";
        int nGroups = 0;
        for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
            if (auto* pGroup = DYNAMIC_DOWNCAST(CExtDynTabControlBar, CExtControlBar::g_arrAllControlBars[i]))
                if (pGroup->GetSafeHwnd() != nullptr)
                    for (CExtControlBar* b : TabBars(pGroup))
                        nGroups += b == p ? 1 : 0;
        EXPECT_EQ(nGroups, p->GetTabbedContainer() != nullptr ? 1 : 0) << n << " has " << nGroups << " tabs";
        // Shown or hidden as the last command said.
        const bool bVisible = (p->GetStyle() & WS_VISIBLE) != 0;
        if (Shown(p))
        {
            if (!p->IsAutoHideMode())
            {
                EXPECT_TRUE(bVisible) << n << " was shown but is hidden";
                CExtControlBar* pCarrier = CaptionCarrier(p);
                if (CExtMiniDockFrameWnd* pMini = MiniOf(pCarrier))
                    EXPECT_TRUE(pMini->IsWindowVisible()) << n << " floats in a hidden frame";
                else
                    EXPECT_TRUE(pCarrier->IsWindowVisible()) << n << " is docked in a hidden place: " << HiddenAt(p);
            }
        }
        else
        {
            EXPECT_FALSE(p->IsWindowVisible()) << n << " was closed but shows";
            // A closed member of an auto-hidden group keeps the group's mode, but no tab of its own shows.
            for (CExtDynAutoHideArea* pArea : {m_pTop, m_pBottom, m_pLeft, m_pRight})
                for (int i = 0; i < pArea->ItemGetCount(); ++i)
                    if (pArea->GetBarAt(i) == p)
                    {
                        EXPECT_FALSE(pArea->ItemGet(i)->IsVisible()) << n << " was closed but its auto-hide tab shows";
                    }
        }
    }
    // Groups: two bars at least; when one shows, the selected one is the only one that shows.
    for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
        if (auto* pGroup = DYNAMIC_DOWNCAST(CExtDynTabControlBar, CExtControlBar::g_arrAllControlBars[i]))
            if (pGroup->GetSafeHwnd() != nullptr && !pGroup->IsAutoHideMode())
            {
                const std::vector<CExtControlBar*> members = TabBars(pGroup);
                if (!kKnownFloatingGroupOfOneStays || !CExtControlBar::IsFloating(pGroup))
                {
                    EXPECT_GE(members.size(), 2u) << "a group of " << members.size() << " bar stays";
                }
                if (!pGroup->IsWindowVisible())
                    continue;
                // The members lie one over the other; the selected one is on top, its tab selected.
                auto* pSel = DYNAMIC_DOWNCAST(CExtControlBar, pGroup->GetSelectedBar());
                bool bOnTop = pSel != nullptr && pSel->IsWindowVisible() &&
                              pGroup->m_wndTabs.SelectionGet() == pGroup->m_wndTabs.FindBar(pSel);
                std::string sAbove;
                for (HWND h = pSel != nullptr ? ::GetWindow(pSel->GetSafeHwnd(), GW_HWNDPREV) : nullptr; h != nullptr;
                     h = ::GetWindow(h, GW_HWNDPREV))
                    for (CExtControlBar* b : members)
                        if (b != nullptr && b->GetSafeHwnd() == h && b->IsWindowVisible())
                        {
                            bOnTop = false;
                            sAbove += Name(b) + " ";
                        }
                EXPECT_TRUE(bOnTop) << "a shown group of " << members.size() << " does not show "
                                    << (pSel != nullptr ? Name(pSel) : "a bar") << ", its selected one (tab "
                                    << pGroup->m_wndTabs.SelectionGet() << " selected, the bar's tab "
                                    << (pSel != nullptr ? pGroup->m_wndTabs.FindBar(pSel) : -1)
                                    << "; over it: " << sAbove << ")";
                CountCheck("a shown group shows its selected bar");
            }
    // Containers: one shows while a bar in it shows; none is empty.
    for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
    {
        auto* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, CExtControlBar::g_arrAllControlBars[i]);
        if (pDyn == nullptr || pDyn->IsKindOf(RUNTIME_CLASS(CExtDynTabControlBar)) || pDyn->GetSafeHwnd() == nullptr ||
            pDyn->m_pWndDynDocker == nullptr || pDyn->IsAutoHideMode())
            continue;
        int nInside = 0, nShowing = 0;
        const CDockBar* pInner = pDyn->m_pWndDynDocker;
        for (INT_PTR k = 0; k < pInner->m_arrBars.GetSize(); ++k)
        {
            void* pv = pInner->m_arrBars[k];
            if (pv == nullptr || CDockBar::IsPlaceHolder(pv))
                continue;
            ++nInside;
            nShowing += (static_cast<CControlBar*>(pv)->GetStyle() & WS_VISIBLE) != 0 ? 1 : 0;
        }
        EXPECT_GT(nInside, 0) << "an empty container stays";
        EXPECT_EQ((pDyn->GetStyle() & WS_VISIBLE) != 0, nShowing > 0)
            << "a container " << ((pDyn->GetStyle() & WS_VISIBLE) != 0 ? "shows" : "hides") << " with " << nShowing
            << " of its " << nInside << " bars shown";
        CountCheck("a container shows as the bars in it");
    }
    CheckWindows();
    CheckSizes();
}

void DockingRun::CheckWindows()
{
    for (HWND h : ThreadWindows(false))
    {
        if (!::IsWindowVisible(h))
            continue;
        wchar_t sz[64] = {};
        ::GetClassNameW(h, sz, 64);
        EXPECT_TRUE(wcscmp(sz, CExtDynDockMarkerWnd::kWndClassName) != 0 &&
                    wcscmp(sz, CExtDynDockHighlightWnd::kWndClassName) != 0)
            << "a " << CStringA(sz).GetString() << " window stays shown after the gesture";
    }
    CountCheck("no marker or preview stays");
}

void DockingRun::WatchFocusInMain(bool bOn)
{
    if (g_hFocusHook != nullptr)
        ::UnhookWindowsHookEx(g_hFocusHook);
    g_hFocusHook =
        bOn ? ::SetWindowsHookExW(WH_CALLWNDPROC, NoteFocusInMain, nullptr, ::GetCurrentThreadId()) : nullptr;
    g_hFocusMain = bOn ? m_pFrame->GetSafeHwnd() : nullptr;
    g_bFocusMovedInMain = false;
    m_framesAtLastCheck.clear();
}

void DockingRun::CheckFramesAbove()
{
    const HWND hMain = m_pFrame->GetSafeHwnd();
    const CRect rcMain = WindowRectOf(m_pFrame);
    std::set<HWND> frames;
    for (CExtMiniDockFrameWnd* pMini : FloatingFrames())
        frames.insert(pMini->GetSafeHwnd());
    const std::set<HWND> before = m_framesAtLastCheck;
    const bool bFocusMoved = g_bFocusMovedInMain;
    m_framesAtLastCheck = frames;
    g_bFocusMovedInMain = false;
    for (CExtMiniDockFrameWnd* pMini : FloatingFrames())
    {
        // Owned by the main window, which keeps it above the main window wherever a window manager stacks them.
        EXPECT_EQ(::GetWindow(pMini->GetSafeHwnd(), GW_OWNER), hMain) << "a floating frame is not the main window's";
        CRect rcBoth;
        if (!pMini->IsWindowVisible() || !rcBoth.IntersectRect(WindowRectOf(pMini), rcMain))
            continue;
        bool bAbove = false;
        for (HWND hUp = ::GetWindow(hMain, GW_HWNDPREV); hUp != nullptr && !bAbove; hUp = ::GetWindow(hUp, GW_HWNDPREV))
            bAbove = hUp == pMini->GetSafeHwnd();
        // A frame that came in this step, below after a focus change in the main window: Wine's stacking, which
        // no window manager would make and the program is not told of.
        if (!bAbove && g_bUnmanagedWindows && bFocusMoved && before.count(pMini->GetSafeHwnd()) == 0)
        {
            CountCheck("a new floating frame below the main window after a focus change in it (no window manager)");
            continue;
        }
        CString sTitle;
        pMini->GetWindowText(sTitle);
        EXPECT_TRUE(bAbove) << "the floating frame \"" << CStringA(sTitle).GetString()
                            << "\" lies below the main window";
        CountCheck("a floating frame over the main window lies above it");
    }
}

void DockingRun::CheckSizes()
{
    const CRect rcClient = ClientScreenRectOf(m_pFrame);
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    // Every docked bar that shows lies inside the frame, clear of the view; a bar in a floating container is not.
    for (CExtControlBar* p : AllBars())
    {
        if (!p->IsWindowVisible() || !Docked(p) || CExtControlBar::IsFloating(p) || OuterSide(p) == 0)
            continue;
        const CRect rc = WindowRectOf(p);
        // Judged by its edges: a grouped bar in a group squeezed to its least height is left no height at all.
        const bool bInside = rc.left >= rcClient.left && rc.top >= rcClient.top && rc.right <= rcClient.right &&
                             rc.bottom <= rcClient.bottom;
        EXPECT_TRUE(bInside) << Name(p) << " at " << RectText(rc) << " reaches out of the frame's client area "
                             << RectText(rcClient);
        CRect rcOver;
        EXPECT_FALSE(rcOver.IntersectRect(rc, rcView))
            << Name(p) << " at " << RectText(rc) << " covers the view at " << RectText(rcView);
    }
    CountCheck("every docked bar lies inside the frame, clear of the view");
    EXPECT_TRUE(m_pFrame->m_wndView.IsWindowVisible() && rcView.Width() > 0 && rcView.Height() > 0)
        << "the view is left " << RectText(rcView);
    // Rows and columns: the bars that show in one fill it along, and the rows that show fill the dock bar across.
    for (CDockBar* pDock : AllDockBars())
    {
        if (!pDock->IsWindowVisible() || MiniOf(pDock) != nullptr || pDock->GetParentFrame() != m_pFrame)
            continue;
        const CRect rcDock = ClientScreenRectOf(pDock);
        if (rcDock.IsRectEmpty())
            continue;
        const bool bHorz = Horizontal((UINT)pDock->GetDlgCtrlID());
        bool bFixed = false;
        std::vector<std::vector<CRect>> rows(1);
        for (INT_PTR i = 0; i < pDock->m_arrBars.GetSize(); ++i)
        {
            void* pv = pDock->m_arrBars[i];
            if (pv == nullptr)
            {
                if (!rows.back().empty())
                    rows.emplace_back();
                continue;
            }
            if (CDockBar::IsPlaceHolder(pv))
                continue;
            auto* pBar = static_cast<CControlBar*>(pv);
            if (!pBar->IsWindowVisible())
                continue;
            if (auto* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar))
                bFixed = bFixed || pExt->IsFixedSize();
            rows.back().push_back(WindowRectOf(pBar));
        }
        if (rows.back().empty())
            rows.pop_back();
        if (bFixed || rows.empty())
            continue;
        std::vector<std::pair<int, int>> across;
        for (const std::vector<CRect>& row : rows)
        {
            std::vector<std::pair<int, int>> along;
            int nLo = INT_MAX, nHi = INT_MIN;
            for (const CRect& rc : row)
            {
                along.push_back(bHorz ? std::make_pair((int)rc.left, (int)rc.right)
                                      : std::make_pair((int)rc.top, (int)rc.bottom));
                nLo = std::min(nLo, bHorz ? (int)rc.top : (int)rc.left);
                nHi = std::max(nHi, bHorz ? (int)rc.bottom : (int)rc.right);
            }
            across.push_back({nLo, nHi});
            std::sort(along.begin(), along.end());
            int nReached = bHorz ? rcDock.left : rcDock.top;
            int nGap = 0;
            for (const auto& span : along)
            {
                nGap = std::max(nGap, span.first - nReached);
                nReached = std::max(nReached, span.second);
            }
            nGap = std::max(nGap, (bHorz ? (int)rcDock.right : (int)rcDock.bottom) - nReached);
            if (!kKnownEmptyBandAfterDoubleClick)
            {
                EXPECT_LE(nGap, 2) << "a " << (bHorz ? "row" : "column") << " of " << row.size()
                                   << " bars leaves an empty band of " << nGap << " px in the dock bar at "
                                   << RectText(rcDock) << " (side " << std::hex << pDock->GetDlgCtrlID() << std::dec
                                   << ")";
            }
        }
        std::sort(across.begin(), across.end());
        int nReached = bHorz ? rcDock.top : rcDock.left;
        int nGap = 0;
        for (const auto& span : across)
        {
            nGap = std::max(nGap, span.first - nReached);
            nReached = std::max(nReached, span.second);
        }
        nGap = std::max(nGap, (bHorz ? (int)rcDock.bottom : (int)rcDock.right) - nReached);
        if (!kKnownEmptyBandAfterDoubleClick)
        {
            EXPECT_LE(nGap, 2) << "the rows of the dock bar at " << RectText(rcDock) << " leave an empty band of "
                               << nGap << " px across";
        }
    }
    CountCheck("rows and columns are filled by the bars in them");
    // A bar a drop just docked at a side in a row of its own takes its docked size across.
    for (const auto& kv : m_justDocked)
    {
        CExtControlBar* p = kv.first;
        if (!::IsWindow(p->GetSafeHwnd()) || !p->IsWindowVisible() || OuterCarrier(p) != p)
            continue;
        CArray<CControlBar*, CControlBar*> row;
        p->GetRowBars(row);
        if (row.GetSize() != 1)
            continue;
        const bool bHorz = Horizontal(OuterSide(p));
        const CRect rc = WindowRectOf(p);
        const int nAcross = bHorz ? rc.Height() : rc.Width();
        const int nStored = bHorz ? kv.second.cy : kv.second.cx;
        CountCheck("a bar docked at a side takes its docked size");
        if (kKnownSideDropTakesColumnLength)
            continue;
        EXPECT_LE(nAcross, nStored + 4) << Name(p) << " docked at a side is " << nAcross
                                        << " px across, its docked size there " << nStored << " px";
    }
    m_justDocked.clear();
}

void DockingRun::RememberSides()
{
    for (CExtControlBar* p : AllBars())
        if (!p->IsAutoHideMode() && OuterSide(p) != 0)
            m_lastSide[p] = OuterSide(p);
    for (auto& kv : m_sizeAtPin)
        kv.second.Follow(CaptionCarrier(kv.first)->GetSafeHwnd());
}

void DockingRun::WatchAlive()
{
    for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
        if (auto* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, CExtControlBar::g_arrAllControlBars[i]))
            WatchObject(pDyn);
    for (CDockBar* pDock : AllDockBars())
        if (pDock->GetParent() != m_pFrame)
            WatchObject(pDock);
    for (CExtMiniDockFrameWnd* pMini : FloatingFrames())
        WatchObject(pMini);
}

void DockingRun::CheckStateRoundTrip()
{
    ASSERT_TRUE(CExtControlBar::SaveFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile));
    // A second frame like the run's, hidden at its place, reads the state.
    auto* pCopy = new CDockingHostFrame;
    ASSERT_TRUE(
        pCopy->Create(nullptr, L"Docking host copy", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WindowRectOf(m_pFrame)));
    ASSERT_TRUE(CExtControlBar::SetupFrameDocking(pCopy));
    ASSERT_TRUE(g_CmdManagerHolder->BindWindowToProfile(kHostProfile, pCopy->GetSafeHwnd()));
    std::vector<CExtControlBar*> bars;
    const UINT kSides[] = {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT, AFX_IDW_DOCKBAR_RIGHT,
                           AFX_IDW_DOCKBAR_BOTTOM};
    for (size_t i = 0; i < m_bars.size(); ++i)
    {
        CString s;
        m_bars[i]->GetWindowText(s);
        CHostResizableBar* p = pCopy->AddResizableBar(kSides[i], s);
        ASSERT_NE(p, nullptr);
        ASSERT_TRUE(p->DockAtSideCircle(kSides[i], 1, pCopy, true));
        bars.push_back(p);
    }
    for (CExtControlBar* t : m_tools)
    {
        CString s;
        t->GetWindowText(s);
        bars.push_back(CFuzzToolBar::AddTo(pCopy, s));
    }
    ASSERT_TRUE(CExtDynAutoHideArea::CreateFrameAreas(pCopy));
    const bool bLoaded = CExtControlBar::LoadFrameBarState(pCopy, m_sKey, kHostProfile, kHostProfile);
    pCopy->RecalcLayout();
    // Shown as a program shows its frame after the load: its floating frames show with it.
    pCopy->ShowWindow(SW_SHOWNA);
    PumpMessages();
    // Stepping around the known fault, closed bars are left out of the comparison.
    std::vector<CExtControlBar*> live = AllBars(), copied = bars;
    if (kKnownLoadShowsClosedFloatingGroup)
        for (size_t i = live.size(); i-- > 0;)
            if (!Shown(live[i]))
            {
                live.erase(live.begin() + (std::ptrdiff_t)i);
                copied.erase(copied.begin() + (std::ptrdiff_t)i);
            }
    const std::string sCopy = Describe(pCopy, copied);

    g_CmdManagerHolder->UnbindWindowFromProfile(pCopy->GetSafeHwnd());
    pCopy->DestroyWindow();
    PumpMessages();

    EXPECT_TRUE(bLoaded) << "the stored state did not load into a second frame";
    const std::string sLive = Describe(m_pFrame, live);
    CountCheck("the stored state read into a second frame gives the layout");
    EXPECT_EQ(sLive, sCopy) << "the stored state read into a second frame gives another layout";
}

void DockingRun::CheckScreenMatchesRepaint()
{
    std::vector<CWnd*> wnds = {m_pFrame};
    for (CExtMiniDockFrameWnd* pMini : FloatingFrames())
        if (pMini->IsWindowVisible())
            wnds.push_back(pMini);
    std::vector<std::vector<DWORD>> before;
    std::vector<CRect> rects;
    for (CWnd* w : wnds)
    {
        CRect rc = WindowRectOf(w);
        rc.IntersectRect(&rc, CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
        rects.push_back(rc);
        before.push_back(GrabScreen(rc));
    }
    for (CWnd* w : wnds)
        w->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SettleInput(PumpMessages, 120);
    CountCheck("the screen is what a full repaint draws");
    for (size_t k = 0; k < wnds.size(); ++k)
    {
        const std::vector<DWORD> after = GrabScreen(rects[k]);
        // A shade of 3 in each channel is let pass: gradients computed over a bar's place in the frame come out a
        // level or two apart after a layout that moved nothing visible; a stale piece differs far more.
        const randomrun::PictureDiff d = randomrun::ComparePictures(before[k], after, rects[k], 3);
        if (d.nCount != 0 && std::getenv("CORVANE_DOCK_FUZZ_DUMP") != nullptr)
        {
            randomrun::WritePicture(L"fuzz_before" + std::to_wstring(k) + L".ppm", before[k], rects[k].Width(),
                                    rects[k].Height());
            randomrun::WritePicture(L"fuzz_after" + std::to_wstring(k) + L".ppm", after, rects[k].Width(),
                                    rects[k].Height());
        }
        const CRect rcDiff(d.rcAround);
        EXPECT_EQ(d.nCount, 0) << (k == 0 ? "the main frame" : "a floating frame")
                               << "'s screen differs from its full repaint in " << d.nCount << " pixels within "
                               << RectText(rcDiff) << "; windows there: " << WindowsAt(rcDiff.CenterPoint());
    }
}

std::string DockingRun::HiddenAt(CWnd* pWnd)
{
    std::string s;
    for (CWnd* p = pWnd; p != nullptr && !p->IsKindOf(RUNTIME_CLASS(CFrameWnd)); p = p->GetParent())
        if ((p->GetStyle() & WS_VISIBLE) == 0)
            s += std::string(p->GetRuntimeClass()->m_lpszClassName) + " ";
    return s;
}

std::string DockingRun::WindowsAt(CPoint pt)
{
    std::ostringstream os;
    for (HWND h = ::WindowFromPoint(pt); h != nullptr; h = ::GetParent(h))
    {
        wchar_t sz[64] = {}, szText[64] = {};
        ::GetClassNameW(h, sz, 64);
        ::GetWindowTextW(h, szText, 64);
        os << CStringA(sz).GetString() << "\"" << CStringA(szText).GetString() << "\" < ";
    }
    return os.str();
}
