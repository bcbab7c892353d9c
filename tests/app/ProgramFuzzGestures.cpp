// The random run's gestures on the program's bars, each through real input, and the outcome each must have.
#include "ProgramFuzzRun.h"

#include "res/app_ids.h"
#include "res/phone_ids.h"
#include "res/platform_ids.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

using namespace phonetest;

namespace programfuzz
{
bool ProgramFuzz::DragToSide()
{
    BarSeen b;
    POINT ptFrom = {};
    const int i = PickToPress([&](const BarSeen& c) { return c.bShown; }, b, ptFrom);
    if (i < 0)
        return false;
    const int nSide = Random(4);
    // A resizable bar docks at the view's edge; a tool bar at the frame's.
    const RECT rcTo = kBars[i].bResizable ? ViewRect() : MainClient();
    const POINT c = {(rcTo.left + rcTo.right) / 2, (rcTo.top + rcTo.bottom) / 2};
    const POINT ptTo = nSide == 0   ? POINT{c.x, rcTo.top + 4}
                       : nSide == 1 ? POINT{c.x, rcTo.bottom - 4}
                       : nSide == 2 ? POINT{rcTo.left + 4, c.y}
                                    : POINT{rcTo.right - 4, c.y};
    // A floating bar does not dock while the pointer is over its own frame.
    if (b.bFloating && PtInRect(&b.rcTop, ptTo))
        return false;
    // Another floating frame over the point is what the user points at there: the drop lands on its bar.
    if (OverAnotherFrame(b.hTop, ptTo))
        return false;
    Log(std::string("drag ") + kBars[i].pszName + " by its caption to the " + kSideNames[nSide] + " side");
    PressedIntoMain(b.bFloating ? b.hTop : nullptr);
    EXPECT_TRUE(Drag(ptFrom, ptTo)) << "the press on " << kBars[i].pszName << "'s caption started no drag";
    PumpUntil([&] { return Docked(Bar(i)) && SideOf(Bar(i).rcBar, ViewRect()) == nSide; }, kOutcomeMs);
    b = Bar(i);
    const RECT rcViewNow = ViewRect();
    // A tool bar's drag is live: it docks and floats along the way, and the run checks the layout it left.
    if (!kBars[i].bResizable)
        return true;
    EXPECT_TRUE(Docked(b)) << kBars[i].pszName << " is not docked after the drag to the " << kSideNames[nSide]
                           << " side";
    if (Docked(b))
    {
        EXPECT_EQ(SideOf(b.rcBar, rcViewNow), nSide) << kBars[i].pszName << " at " << Rect(b.rcBar) << " is not at the "
                                                     << kSideNames[nSide] << " side of the view at " << Rect(rcViewNow);
        if (kBars[i].bResizable && !Avoided("sidelength"))
        {
            const RECT rcClient = MainClient();
            const bool bRow = nSide < 2;
            const int nLength = bRow ? b.rcBar.bottom - b.rcBar.top : b.rcBar.right - b.rcBar.left;
            const int nRoom = bRow ? rcClient.bottom - rcClient.top : rcClient.right - rcClient.left;
            EXPECT_LE(nLength, nRoom / 2) << kBars[i].pszName << " docked at the " << kSideNames[nSide] << " takes "
                                          << nLength << " px of the frame's " << nRoom;
            Checked("a bar docked at a side at a sound size");
        }
    }
    Checked("a bar docked at the side it was dragged to");
    return true;
}

bool ProgramFuzz::DragFloat()
{
    BarSeen b;
    POINT ptFrom = {};
    const int i = PickToPress([&](const BarSeen& c) { return Docked(c); }, b, ptFrom);
    if (i < 0)
        return false;
    // Into the middle of the view, or onto the screen beside the main window where there is room.
    RECT rcMain = {};
    GetWindowRect(m_program.Main(), &rcMain);
    const RECT rcScreen = ScreenRect();
    const RECT rcView = ViewRect();
    POINT ptTo = {(rcView.left + rcView.right) / 2, (rcView.top + rcView.bottom) / 2};
    const bool bOutside = Random(2) == 0 && rcScreen.right - rcMain.right > 120;
    if (bOutside)
        ptTo = POINT{rcMain.right + 40, rcMain.top + 60 + Random(std::max<int>(1, rcMain.bottom - rcMain.top - 200))};
    Log(std::string("drag ") + kBars[i].pszName + " by its caption " +
        (bOutside ? "out of the main window" : "into the view"));
    NoteFloating(b);
    PressedIntoMain();
    EXPECT_TRUE(Drag(ptFrom, ptTo)) << "the press on " << kBars[i].pszName << "'s caption started no drag";
    PumpUntil([&] { return Floats(Bar(i)); }, kOutcomeMs);
    if (!kBars[i].bResizable)
        return true;
    EXPECT_TRUE(Floats(Bar(i))) << kBars[i].pszName << " does not float" << Describe(i)
                                << (m_bDragHeld ? "" : "; the drag had ended before the release");
    Checked("a bar floated by a drag");
    return true;
}

bool ProgramFuzz::DragOntoBar()
{
    const int i = Pick([&](int k) {
        return kBars[k].bResizable && m_pinned.count(k) == 0 && m_closed.count(k) == 0 && Bar(k).bShown;
    });
    if (i < 0)
        return false;
    const BarSeen src = Bar(i);
    const int t = Pick([&](int k) {
        const BarSeen b = Bar(k);
        return k != i && kBars[k].bResizable && m_pinned.count(k) == 0 && m_closed.count(k) == 0 && Docked(b) &&
               b.bShown && b.hCarrier != src.hCarrier;
    });
    POINT ptFrom = {}, ptTo = {};
    if (t < 0 || !PressPoint(src, ptFrom) || !PressPoint(Bar(t), ptTo))
        return false;
    // Onto the target's caption (its top band joins its group), or onto its far band across its row or column
    // (docks beside it there: a bar in a row at the top or bottom takes its right band, one in a column its bottom).
    const BarSeen target = Bar(t);
    const int nTargetSide = SideOf(target.rcBar, ViewRect());
    const bool bBeside = Random(2) == 0 && nTargetSide >= 0;
    if (bBeside)
    {
        if (nTargetSide < 2)
            ptTo = POINT{target.rcBar.right - 12, (target.rcBar.top + target.rcBar.bottom) / 2};
        else
            ptTo = POINT{(target.rcBar.left + target.rcBar.right) / 2, target.rcBar.bottom - 12};
        const HWND hAt = WindowFromPoint(ptTo);
        if (hAt != target.hCarrier && !IsChild(target.hCarrier, hAt))
            return false;
    }
    Log(std::string("drag ") + kBars[i].pszName + " by its caption onto " + kBars[t].pszName + "'s " +
        (bBeside ? "far band" : "caption"));
    PressedIntoMain(src.bFloating ? src.hTop : nullptr);
    EXPECT_TRUE(Drag(ptFrom, ptTo)) << "the press on " << kBars[i].pszName << "'s caption started no drag";
    PumpUntil([&] { return Docked(Bar(i)); }, kOutcomeMs);
    const BarSeen b = Bar(i);
    EXPECT_TRUE(Docked(b)) << kBars[i].pszName << " is not docked after the drop on " << kBars[t].pszName;
    Checked("a bar dropped on a docked bar docks");
    return true;
}

bool ProgramFuzz::DblClickCaption()
{
    BarSeen b;
    POINT pt = {};
    const int i = PickToPress([&](const BarSeen& c) { return c.bShown; }, b, pt);
    if (i < 0)
        return false;
    const bool bWasFloating = b.bFloating;
    Log(std::string("double-click ") + kBars[i].pszName + "'s " + (bWasFloating ? "floating" : "docked") + " caption");
    if (!bWasFloating)
        NoteFloating(b);
    PressedIntoMain(bWasFloating ? b.hTop : nullptr);
    Click(pt, true);
    PumpUntil([&] { return bWasFloating ? Docked(Bar(i)) : Floats(Bar(i)); }, kOutcomeMs);
    m_program.WaitPainted(); // the frame's layout after the dock runs when the program is idle
    b = Bar(i);
    if (!bWasFloating)
    {
        EXPECT_TRUE(Floats(b)) << kBars[i].pszName << " does not float after the double click" << Describe(i);
        Checked("a docked caption's double click floats");
        return true;
    }
    if (!Avoided("dockback") || !m_restartedSinceFloat.count(i))
    {
        EXPECT_TRUE(Docked(b)) << kBars[i].pszName << " is not docked after the double click on its floating caption"
                               << Describe(i);
        Checked("a floating caption's double click docks");
    }
    const auto it = m_lastSide.find(i);
    // A tool bar's live drags dock it on their way: where it was docked last is not known to the run.
    if (Docked(b) && b.bShown && it != m_lastSide.end() && it->second >= 0 && !Avoided("dockback") &&
        kBars[i].bResizable)
    {
        EXPECT_EQ(SideOf(b.rcBar, ViewRect()), it->second)
            << kBars[i].pszName << " docked back at " << Rect(b.rcBar) << ", not at the " << kSideNames[it->second]
            << " side where it was";
        Checked("docked back at its side");
    }
    return true;
}

bool ProgramFuzz::CloseOrShow(bool bShow)
{
    const int i = Pick([&](int k) { return m_pinned.count(k) == 0 && (m_closed.count(k) != 0) == bShow; });
    if (i < 0)
        return false;
    Log(std::string(bShow ? "show " : "close ") + kBars[i].pszName + " by its command");
    // A member of a pinned group shown by its command stays in the group, auto-hidden with it.
    const HWND hCarrier = Bar(i).hCarrier;
    const bool bIntoPinned =
        bShow && hCarrier != Bar(i).hBar &&
        std::any_of(m_pinned.begin(), m_pinned.end(), [&](int k) { return Bar(k).hCarrier == hCarrier; });
    PostMessageW(m_program.Main(), WM_COMMAND, kBars[i].nId, 0);
    if (bShow)
        m_closed.erase(i);
    else
        m_closed.insert(i);
    if (bIntoPinned)
        m_pinned.insert(i);
    const bool bSeen = bShow && !bIntoPinned;
    // A closed member of a pinned group, which the windows may not show as one, slides out of the auto-hide area.
    bool bSlidOut = false;
    const bool bDone = PumpUntil(
        [&] {
            const BarSeen b = Bar(i);
            int nSlid = -1;
            bSlidOut = bSeen && !m_pinned.empty() && m_program.ShownSlider(nSlid) != nullptr && nSlid == i;
            return bSlidOut || (Shows(b) && IsWindowVisible(b.hTop)) == bSeen;
        },
        kOutcomeMs);
    if (bSlidOut)
        m_pinned.insert(i);
    EXPECT_TRUE(bDone) << kBars[i].pszName << (bSeen ? " is not shown" : " is not hidden") << " by its command"
                       << (bIntoPinned ? " (in its pinned group)" : "") << Describe(i);
    Checked(bShow ? "a bar shown by its command" : "a bar hidden by its command");
    return true;
}

bool ProgramFuzz::Pin()
{
    const int i = Pick([&](int k) {
        const BarSeen b = Bar(k);
        return kBars[k].bResizable && m_pinned.count(k) == 0 && m_closed.count(k) == 0 && Docked(b) && b.bShown;
    });
    if (i < 0)
        return false;
    const BarSeen b = Bar(i);
    POINT pt = {};
    // A bar's own caption has the auto-hide button at its far end, a tab group's along the top its close button;
    // a group is pinned with every tab in it.
    RECT w = {}, c = {};
    GetWindowRect(b.hCarrier, &w);
    GetClientRect(b.hCarrier, &c);
    MapWindowPoints(b.hCarrier, nullptr, (POINT*)&c, 2);
    if (b.hCarrier != b.hBar && c.top - w.top < c.left - w.left)
        return false;
    if (!ButtonPoint(b.hCarrier, b.hCarrier == b.hBar ? 0 : 1, pt) || WindowFromPoint(pt) != b.hCarrier)
        return false;
    std::set<int> pinned;
    for (int k = 0; k < kBarCount; ++k)
        if (Bar(k).hCarrier == b.hCarrier && m_closed.count(k) == 0)
            pinned.insert(k);
    Log(std::string("pin ") + kBars[i].pszName + " by its " + (pinned.size() > 1 ? "group's" : "caption's") +
        " auto-hide button");
    PressedIntoMain();
    Click(pt, false);
    m_pinned.insert(pinned.begin(), pinned.end());
    for (int k : pinned)
        m_sizeAtPin[k] = randomrun::PinnedSize::At(b.hCarrier);
    const bool bHidden = PumpUntil(
        [&] { return std::none_of(pinned.begin(), pinned.end(), [&](int k) { return Bar(k).bShown; }); }, 5000);
    EXPECT_TRUE(bHidden) << kBars[i].pszName << " still shows docked after its auto-hide button";
    Checked("a pinned bar hides at its side");
    return true;
}

bool ProgramFuzz::Unpin()
{
    if (m_pinned.empty())
        return false;
    // The first tab of an auto-hide area that shows one, where no floating frame covers it.
    HWND hArea = nullptr;
    bool bAnyShown = false;
    RECT rc = {};
    POINT ptTab = {};
    const std::vector<HWND> frames = m_program.FloatingFrames();
    for (UINT nId : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT})
    {
        const HWND h = m_program.AutoHideArea(nId);
        RECT r = {};
        if (!h || !IsWindowVisible(h) || !GetWindowRect(h, &r) || r.right - r.left <= 4 || r.bottom - r.top <= 4)
            continue;
        bAnyShown = true;
        const POINT pt = r.right - r.left > r.bottom - r.top ? POINT{r.left + 24, (r.top + r.bottom) / 2}
                                                             : POINT{(r.left + r.right) / 2, r.top + 24};
        // Only where the user sees the tab: a floating frame over it takes the click.
        const HWND hAt = WindowFromPoint(pt);
        if ((hAt == h || IsChild(h, hAt)) && std::none_of(frames.begin(), frames.end(), [&](HWND hFrame) {
                RECT rcFrame = {};
                return GetWindowRect(hFrame, &rcFrame) && PtInRect(&rcFrame, pt);
            }))
        {
            hArea = h;
            rc = r;
            ptTab = pt;
        }
    }
    EXPECT_TRUE(bAnyShown) << "no auto-hide tab shows while a bar is pinned";
    if (hArea == nullptr)
        return !bAnyShown;
    PressedIntoMain();
    // The pointer resting on the tab shows its bar in the slider; a click shows it at once.
    int i = -1;
    HWND hSlider = nullptr;
    const auto shownPinned = [&] {
        hSlider = m_program.ShownSlider(i);
        return i >= 0 && m_pinned.count(i) != 0;
    };
    MouseAt(ptTab, MOUSEEVENTF_MOVE);
    if (!PumpUntil(shownPinned, 3000))
    {
        Click(ptTab, false);
        PumpUntil(shownPinned, kOutcomeMs);
    }
    Log(std::string("show the first auto-hide tab at ") + Rect(rc) + ", unpin " + (i >= 0 ? kBars[i].pszName : "?") +
        " by its auto-hide button");
    GUITHREADINFO gti = {sizeof gti};
    GetGUIThreadInfo(m_program.Thread(), &gti);
    if (i < 0 && std::getenv("CORVANE_PROGRAM_FUZZ_DUMP") != nullptr)
    {
        DumpScreen(999);
        std::printf("%s", m_program.DescribeWindows().c_str());
    }
    EXPECT_GE(i, 0) << "a click on the first auto-hide tab shows no pinned bar (focus " << (void*)gti.hwndFocus
                    << ", active " << (void*)gti.hwndActive << ", main " << (void*)m_program.Main() << ")";
    if (i < 0)
        return true;
    // The slider slides out: its caption is where it stops, once the program has painted what it shows and its
    // auto-hide button there is what a click reaches.
    RECT rcLast = {};
    int nStill = 0;
    POINT pt = {};
    bool bButton = false;
    PumpUntil(
        [&] {
            m_program.WaitPainted();
            RECT rcNow = {};
            GetWindowRect(hSlider, &rcNow);
            nStill = EqualRect(&rcNow, &rcLast) && !IsRectEmpty(&rcNow) ? nStill + 1 : 0;
            rcLast = rcNow;
            bButton = CaptionButtonPoint(hSlider, 0, pt);
            const HWND hAt = bButton ? WindowFromPoint(pt) : nullptr;
            Sleep(20);
            return nStill >= 5 && (hAt == hSlider || IsChild(hSlider, hAt));
        },
        kOutcomeMs);
    EXPECT_TRUE(bButton) << "the shown auto-hidden bar has no caption";
    Click(pt, false);
    m_pinned.erase(i);
    const bool bDocked = PumpUntil(
        [&] {
            const BarSeen b = Bar(i);
            int nShown = -1;
            return Docked(b) && b.bShown && m_program.ShownSlider(nShown) == nullptr;
        },
        5000);
    RECT w = {}, c = {};
    GetWindowRect(hSlider, &w);
    GetClientRect(hSlider, &c);
    MapWindowPoints(hSlider, nullptr, (POINT*)&c, 2);
    EXPECT_TRUE(bDocked) << kBars[i].pszName << " is not docked after its auto-hide button in the slider at " << Rect(w)
                         << ", client " << Rect(c) << ", clicked at (" << pt.x << "," << pt.y << ")";
    Checked("an unpinned bar docks");
    // Back at its size once the frame's layout has run.
    const auto itSize = m_sizeAtPin.find(i);
    if (bDocked && itSize != m_sizeAtPin.end() && !Avoided("unpinsize"))
    {
        std::string sWhat;
        EXPECT_TRUE(PumpUntil(
            [&] {
                const HWND hCarrier = Bar(i).hCarrier;
                RECT rcNow = {};
                GetWindowRect(hCarrier, &rcNow);
                return randomrun::BackAtSize(hCarrier, SideOf(rcNow, ViewRect()) < 2, itSize->second, kUnpinSlack,
                                             sWhat);
            },
            kOutcomeMs))
            << kBars[i].pszName << " unpinned came " << sWhat << Describe(i);
        Checked(itSize->second.bContainers ? "an unpinned bar is as large as its dissolved container"
                                           : "an unpinned bar is as large as before its pin");
    }
    // A group comes back with every tab in it.
    for (int k = 0; k < kBarCount; ++k)
        if (Docked(Bar(k)))
        {
            m_pinned.erase(k);
            m_sizeAtPin.erase(k);
        }
    return true;
}

bool ProgramFuzz::MoveOrResizeFloating(bool bResize)
{
    // A tool bar's frame sizes in steps of its buttons: only a resizable bar's frame is resized.
    const int i = Pick([&](int k) {
        const BarSeen b = Bar(k);
        return m_closed.count(k) == 0 && Floats(b) && (!bResize || kBars[k].bResizable);
    });
    if (i < 0)
        return false;
    const BarSeen b = Bar(i);
    RECT rcMain = {};
    GetWindowRect(m_program.Main(), &rcMain);
    const RECT rcScreen = ScreenRect();
    POINT ptFrom = {}, ptTo = {};
    RECT rcExpected = b.rcTop;
    bool bPathClear = false;
    if (bResize)
    {
        ptFrom = POINT{b.rcTop.right - 2, b.rcTop.bottom - 2};
        if (!PtInRect(&rcScreen, ptFrom) || WindowFromPoint(ptFrom) != b.hTop)
            return false;
        const int dx = 20 + Random(60), dy = 20 + Random(60);
        ptTo = POINT{std::min<LONG>(ptFrom.x + dx, rcScreen.right - 2),
                     std::min<LONG>(ptFrom.y + dy, rcScreen.bottom - 2)};
        // The resize puts the corner under the pointer: a drag ending on the frame's own corner leaves it as it was.
        rcExpected.right = ptTo.x;
        rcExpected.bottom = ptTo.y;
        Log(std::string("resize ") + kBars[i].pszName + "'s floating frame by its corner by (" +
            std::to_string(ptTo.x - ptFrom.x) + "," + std::to_string(ptTo.y - ptFrom.y) + ")");
    }
    else
    {
        if (!PressPoint(b, ptFrom))
            return false;
        // A place on the screen where the pointer is well off the main window: a bar docks when it comes within
        // 32 pixels of it.
        RECT rcNear = rcMain;
        InflateRect(&rcNear, 48, 48);
        // The frame stays whole on the screen, and floats on: let go over another floating frame it docks there.
        const auto fits = [&] {
            RECT rc = b.rcTop, rcOn = {};
            OffsetRect(&rc, ptTo.x - ptFrom.x, ptTo.y - ptFrom.y);
            IntersectRect(&rcOn, &rc, &rcScreen);
            return !PtInRect(&rcNear, ptTo) && EqualRect(&rcOn, &rc) && !OverAnotherFrame(b.hTop, ptTo);
        };
        for (int nTry = 0; nTry < 40 && !fits(); ++nTry)
            ptTo = POINT{20 + Random(rcScreen.right - 40), 20 + Random(rcScreen.bottom - 40)};
        if (!fits())
            return false;
        bPathClear = true;
        for (int k = 0; k <= 16; ++k)
            bPathClear = bPathClear && !PtInRect(&rcNear, POINT{ptFrom.x + (ptTo.x - ptFrom.x) * k / 16,
                                                                ptFrom.y + (ptTo.y - ptFrom.y) * k / 16});
        OffsetRect(&rcExpected, ptTo.x - ptFrom.x, ptTo.y - ptFrom.y);
        Log(std::string("move ") + kBars[i].pszName + "'s floating frame by its caption to " + Rect(rcExpected));
    }
    PressedIntoMain(b.hTop);
    EXPECT_TRUE(Drag(ptFrom, ptTo)) << "the press on " << kBars[i].pszName << "'s floating frame started no drag";
    // A tool bar's frame is placed by the cursor, less a part of its caption, not kept at its grab point; a frame
    // dragged over the main window's edges may dock on the way.
    const bool bExact = bResize || (kBars[i].bResizable && bPathClear);
    PumpUntil(
        [&] {
            const RECT rc = Bar(i).rcTop;
            return bExact ? EqualRect(&rc, &rcExpected) : !EqualRect(&rc, &b.rcTop);
        },
        kOutcomeMs);
    m_mayBeBelow.erase(b.hTop);
    if (!Avoided("activation"))
    {
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == m_program.Main(); }, 2000))
            << "the main window is not active after the gesture on the floating frame";
        Checked("the main window stays active");
    }
    const BarSeen after = Bar(i);
    if (!kBars[i].bResizable || (!bResize && !bPathClear))
        return true;
    EXPECT_TRUE(Floats(after)) << kBars[i].pszName << " no longer floats" << Describe(i);
    if (!bExact)
    {
        EXPECT_FALSE(EqualRect(&after.rcTop, &b.rcTop)) << kBars[i].pszName << "'s frame kept its place and size";
        Checked(bResize ? "a floating frame resized" : "a floating frame moved");
    }
    else
    {
        EXPECT_TRUE(EqualRect(&after.rcTop, &rcExpected))
            << kBars[i].pszName << "'s frame is at " << Rect(after.rcTop) << ", not " << Rect(rcExpected);
        Checked(bResize ? "a floating frame resized" : "a floating frame moved");
    }
    return true;
}

bool ProgramFuzz::Fetch()
{
    // Two new messages on the phone each time, so that every fetch adds to the Inbox.
    ++m_nFetches;
    std::ostringstream json;
    json << R"({"extends": "basic", "baud": 0, "memories": {"SM": {"total": 20, "messages": [)";
    for (int k = 0; k < 2; ++k)
        json << (k ? "," : "") << R"({"index": )" << k + 1 << R"(, "stat": 1, "deliver": {"from": "+62812000)"
             << m_nFetches << k << R"(", "text": "acak )" << m_nFetches << "-" << k << R"(", "ts": "26/12/)"
             << 10 + m_nFetches % 18 << " 10:" << 10 + m_nFetches % 50 << ":" << 10 + k << R"("}})";
    json << "]}}}";
    EXPECT_TRUE(SimPhone::LoadJson("fuzz_fetch", json.str()));
    Log("fetch (File > Terima) two new messages");
    PostMessageW(m_program.Main(), WM_COMMAND, ID_RECEIVE_SMS, 0);
    m_nMessages += 2;
    const bool bListed = PumpUntil([&] { return m_program.ListCount() == m_nMessages; }, 30000);
    EXPECT_TRUE(bListed) << "the list shows " << m_program.ListCount() << " messages after the fetch, not "
                         << m_nMessages;
    Checked("fetched messages listed");
    return true;
}

void ProgramFuzz::Restart()
{
    Log("close the program by File > Keluar and start it again");
    if (std::getenv("CORVANE_PROGRAM_FUZZ_DUMP") != nullptr)
        std::printf("before the close:\n%s", m_program.DescribeWindows().c_str());
    const std::map<int, BarKept> before = Kept();
    RECT rcBefore = {};
    GetWindowRect(m_program.Main(), &rcBefore);
    CString strWhy;
    ASSERT_TRUE(m_program.Exit(strWhy)) << CStringA(strWhy).GetString();
    EXPECT_EQ(m_program.SavedInboxCount(), m_nMessages) << "the data file after the close";
    Checked("no message lost at the close");
    ASSERT_NO_FATAL_FAILURE(Start());
    for (int k = 0; k < kBarCount; ++k)
        if (Bar(k).bFloating)
            m_restartedSinceFloat.insert(k);
    RECT rcAfter = {};
    GetWindowRect(m_program.Main(), &rcAfter);
    EXPECT_TRUE(EqualRect(&rcBefore, &rcAfter))
        << "the main window is at " << Rect(rcAfter) << ", not " << Rect(rcBefore);
    const std::map<int, BarKept> after = Kept();
    for (int i = 0; i < kBarCount; ++i)
        EXPECT_TRUE(before.at(i) == after.at(i)) << kBars[i].pszName << " is " << DescribeKept(after.at(i))
                                                 << " after the start, it was " << DescribeKept(before.at(i));
    Checked("every bar as it was left");
    EXPECT_TRUE(PumpUntil([&] { return m_program.ListCount() == m_nMessages; }, 10000))
        << "the list shows " << m_program.ListCount() << " messages after the start, not " << m_nMessages;
    Checked("no message lost at the start");
}
} // namespace programfuzz
