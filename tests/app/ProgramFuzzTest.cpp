// Random gestures through real input on the program's own frame and bars, the program a process of its own on the
// simulated phone: bars dragged to the sides, into the view and onto each other, captions double-clicked, bars closed
// and shown by their commands, pinned and unpinned, floating frames moved and resized, messages fetched, and the
// program closed by File > Keluar and started again. After every step the program runs and shows no box, every bar
// its layout shows is seen on the screen (floating frames above the main window, their screen their own pixels),
// each gesture did what it should; after every start every bar is where and as it was left and no message is lost.
// CORVANE_PROGRAM_FUZZ_SEEDS=n runs seeds 1..n instead of the fixed list, CORVANE_PROGRAM_FUZZ_SEED=s the one seed
// s, CORVANE_PROGRAM_FUZZ_STEPS=k k steps a seed; CORVANE_PROGRAM_FUZZ_AVOID and CORVANE_PROGRAM_FUZZ_STRICT choose
// the faults stepped around (see Avoided); CORVANE_PROGRAM_FUZZ_DUMP=1 prints the windows and writes the screen after
// each step.
#include "ProgramFuzzProcess.h"

#include "res/app_ids.h"
#include "res/phone_ids.h"
#include "res/platform_ids.h"
#include "support/DibCanvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>

using namespace phonetest;
using namespace programfuzz;

namespace
{
// Faults the run meets. Each check is strict unless its name is in CORVANE_PROGRAM_FUZZ_AVOID (a list of names), to
// tell a new fault from them:
// below: a floating frame comes back below the main window at the next start;
// activation: pressing or dragging a floating frame's caption or border takes the activation from the main window;
// dockback: a floating caption's double click docks the bar elsewhere than where it was docked;
// sidelength: a bar dragged to the top or bottom takes the length of the column it left as its height.
// Faults the run found that are not mended yet are stepped around unless CORVANE_PROGRAM_FUZZ_STRICT=1:
// tabstrip: a tab group made by a drop has a tab strip 8 px higher than the same group read from the stored state;
// toolframe: a floating tool bar's frame comes back 7 px narrower and 8 px lower at the next start;
// pinrestart: a bar pinned at the close has no auto-hide tab at the next start (its strip is empty);
// dragout: after a bar floated by a double click on its docked caption, the next bar dragged out of the main
//     window may stay where it was;
// framegrow: a resizable bar's floating frame comes back 5 px wider and 4 px higher at the next start;
// grabafterresize: a floating frame resized by its corner and then dragged by its caption lands away from the
//     pointer;
// sidebottom: a resizable bar dropped at the bottom edge of the view may float instead of docking at the bottom.
const char* const kUnmended[] = {"tabstrip",  "toolframe",       "pinrestart", "dragout",
                                 "framegrow", "grabafterresize", "sidebottom"};
bool Avoided(const char* pszFault)
{
    const char* pszStrict = std::getenv("CORVANE_PROGRAM_FUZZ_STRICT");
    if (pszStrict == nullptr || std::string(pszStrict) != "1")
        for (const char* psz : kUnmended)
            if (std::strcmp(psz, pszFault) == 0)
                return true;
    const char* psz = std::getenv("CORVANE_PROGRAM_FUZZ_AVOID");
    return psz != nullptr && std::strstr(psz, pszFault) != nullptr;
}
// Unmanaged windows (the test command's display has no window manager) are restacked by Wine itself: an owned
// popup falls below its owner at a click into the owner, with no call of the program's involved. A floating frame
// may then be below the main window until it is raised again; the screen check still holds wherever the main
// window does not cover it.
const bool kUnmanagedWindows = [] {
    const char* psz = std::getenv("CORVANE_NO_WM");
    return psz != nullptr && std::string(psz) == "1";
}();

enum Gesture
{
    kDragToSide,
    kDragFloat,
    kDragOntoBar,
    kDblClickCaption,
    kCloseByMenu,
    kShowByMenu,
    kPin,
    kUnpin,
    kMoveFloating,
    kResizeFloating,
    kFetch,
    kRestart,
    kGestureCount
};
const char* const kGestureNames[kGestureCount] = {"drag to a side",
                                                  "drag to float",
                                                  "drag onto a bar",
                                                  "double-click a caption",
                                                  "close by its command",
                                                  "show by its command",
                                                  "pin",
                                                  "unpin",
                                                  "move a floating frame",
                                                  "resize a floating frame",
                                                  "fetch",
                                                  "close and start again"};
constexpr int kDefaultSteps = 4 * kGestureCount;
// The bound of the wait for a gesture's outcome: the program may act on the input after its messages are handled.
constexpr DWORD kOutcomeMs = 5000;
const unsigned kFixedSeeds[] = {1};

std::vector<unsigned> SeedsToRun()
{
    std::vector<unsigned> seeds;
    if (const char* psz = std::getenv("CORVANE_PROGRAM_FUZZ_SEED"))
        seeds.push_back((unsigned)std::strtoul(psz, nullptr, 10));
    else if (const char* pszN = std::getenv("CORVANE_PROGRAM_FUZZ_SEEDS"))
        for (unsigned i = 1, n = (unsigned)std::strtoul(pszN, nullptr, 10); i <= n; ++i)
            seeds.push_back(i);
    else
        seeds.assign(std::begin(kFixedSeeds), std::end(kFixedSeeds));
    return seeds;
}
int StepsPerSeed()
{
    const char* psz = std::getenv("CORVANE_PROGRAM_FUZZ_STEPS");
    return psz != nullptr ? std::max(1, std::atoi(psz)) : kDefaultSteps;
}

const char* const kSideNames[] = {"top", "bottom", "left", "right"};
// The side of the view the docked bar lies on (0..3 as kSideNames), -1 when it overlaps the view.
int SideOf(const RECT& rcBar, const RECT& rcView)
{
    if (rcBar.bottom <= rcView.top)
        return 0;
    if (rcBar.top >= rcView.bottom)
        return 1;
    if (rcBar.right <= rcView.left)
        return 2;
    if (rcBar.left >= rcView.right)
        return 3;
    return -1;
}
std::string Rect(const RECT& r)
{
    std::ostringstream os;
    os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return os.str();
}
RECT ScreenRect() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// One bar as a restart must keep it: floating or docked, shown, and its frame's rectangle when floating or its own
// relative to the main window when docked.
struct BarKept
{
    bool bFound = false, bShown = false, bFloating = false, bTab = false, bResizable = false;
    RECT rc = {};
    bool operator==(const BarKept& o) const
    {
        return bFound == o.bFound && bShown == o.bShown && bFloating == o.bFloating &&
               (!bShown || EqualRect(&rc, &o.rc) || (bTab && o.bTab && Avoided("tabstrip")) ||
                (bFloating && !bResizable && Avoided("toolframe")) ||
                (bFloating && bResizable && Avoided("framegrow") && rc.left == o.rc.left && rc.top == o.rc.top));
    }
};
std::string DescribeKept(const BarKept& b)
{
    if (!b.bFound)
        return "missing";
    return std::string(b.bShown ? "shown" : "hidden") + (b.bFloating ? ", floating at " : ", docked at ") + Rect(b.rc);
}

// The whole screen as step<n>.ppm in the simulator's work folder.
void DumpScreen(int nStep)
{
    const RECT rc = ScreenRect();
    const std::vector<DWORD> px = GrabScreen(rc);
    const CString path = SimPhone::WorkFolder() + L"step" + std::to_wstring(nStep).c_str() + L".ppm";
    FILE* f = _wfopen(path, L"wb");
    if (f == nullptr)
        return;
    std::fprintf(f, "P6 %ld %ld 255\n", rc.right, rc.bottom);
    for (DWORD d : px)
    {
        const unsigned char rgb[3] = {(unsigned char)(d >> 16), (unsigned char)(d >> 8), (unsigned char)d};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

class ProgramFuzz : public ::testing::TestWithParam<unsigned>
{
protected:
    void SetUp() override
    {
        REQUIRE_SIM();
        CString strWhy;
        ASSERT_TRUE(m_program.Prepare(strWhy)) << CStringA(strWhy).GetString();
    }

    // ---- the run's record ---------------------------------------------------------------------------------

    void Log(const std::string& s) { m_steps.push_back(s); }
    std::string Record() const
    {
        std::ostringstream os;
        os << "seed " << m_nSeed << ", " << m_steps.size() << " steps (repeat: CORVANE_PROGRAM_FUZZ_SEED=" << m_nSeed
           << " CORVANE_PROGRAM_FUZZ_STEPS=" << StepsPerSeed() << " ctest -R program_fuzz_tests):\n";
        for (size_t i = 0; i < m_steps.size(); ++i)
            os << "  " << i + 1 << ". " << m_steps[i] << "\n";
        return os.str();
    }
    void Checked(const char* pszWhat) { ++m_checks[pszWhat]; }

    // ---- the program ----------------------------------------------------------------------------------------

    void Start()
    {
        CString strWhy;
        ASSERT_TRUE(m_program.Start(strWhy)) << CStringA(strWhy).GetString();
        m_mayBeBelow.clear();
        Front();
    }
    // The main window in front, the pointer away from every window of the program.
    void Front()
    {
        const HWND hMain = m_program.Main();
        // Wine hands the activation on through events of the X server that may come later: the main window is
        // taken as in front once it has stayed active for a while.
        int nActive = 0;
        PumpUntil(
            [&] {
                GUITHREADINFO gti = {sizeof gti};
                const bool bActive = GetForegroundWindow() == hMain && GetGUIThreadInfo(m_program.Thread(), &gti) &&
                                     gti.hwndActive == hMain;
                if (!bActive)
                    SetForegroundWindow(hMain);
                nActive = bActive ? nActive + 1 : 0;
                Sleep(10);
                return nActive >= 8;
            },
            5000);
        Park();
    }
    void Park()
    {
        const RECT rc = ScreenRect();
        MouseAt(POINT{rc.right - 1, rc.bottom - 1}, MOUSEEVENTF_MOVE);
        // An auto-hidden bar the pointer passed over slides back once the pointer is away.
        int nBar = -1;
        PumpUntil([&] { return m_program.ShownSlider(nBar) == nullptr; }, kOutcomeMs);
        m_program.WaitPainted();
    }
    BarSeen Bar(int i) const { return m_program.Bar(kBars[i]); }
    RECT ViewRect() const
    {
        RECT rc = {};
        GetWindowRect(m_program.View(), &rc);
        return rc;
    }
    RECT MainClient() const
    {
        RECT rc = {};
        GetClientRect(m_program.Main(), &rc);
        MapWindowPoints(m_program.Main(), nullptr, (POINT*)&rc, 2);
        return rc;
    }
    // Whether the layout shows the bar: its window, or the group whose tab it is.
    static bool Shows(const BarSeen& b) { return b.bShown; }
    bool Docked(const BarSeen& b) const { return b.hBar != nullptr && !b.bFloating && Shows(b); }
    std::string Describe(int i) const
    {
        const BarSeen b = Bar(i);
        std::ostringstream os;
        os << " [" << kBars[i].pszName << ": " << (b.bShown ? "shown" : "hidden") << ", "
           << (b.bFloating ? "floating" : "docked") << " at " << Rect(b.rcBar) << " in " << (void*)b.hTop << " at "
           << Rect(b.rcTop) << (IsWindowVisible(b.hTop) ? "" : " hidden") << "]";
        return os.str();
    }
    static bool Floats(const BarSeen& b) { return b.bFloating && b.bShown && IsWindowVisible(b.hTop); }

    // ---- input ----------------------------------------------------------------------------------------------

    // A left-button drag from ptFrom to ptTo in eight moves; false when the press started no loop of the program.
    bool Drag(POINT ptFrom, POINT ptTo)
    {
        MouseAt(ptFrom, MOUSEEVENTF_MOVE);
        m_program.WaitIdle();
        MouseAt(ptFrom, MOUSEEVENTF_LEFTDOWN);
        const bool bStarted = PumpUntil([&] { return m_program.Capture() != nullptr || m_program.InMoveSize(); }, 5000);
        for (int i = 1; i <= 8; ++i)
        {
            MouseAt(POINT{ptFrom.x + (ptTo.x - ptFrom.x) * i / 8, ptFrom.y + (ptTo.y - ptFrom.y) * i / 8},
                    MOUSEEVENTF_MOVE);
            m_program.WaitIdle();
        }
        m_bDragHeld = m_program.Capture() != nullptr || m_program.InMoveSize();
        if (std::getenv("CORVANE_PROGRAM_FUZZ_DUMP") != nullptr)
        {
            wchar_t cls[64] = {};
            GetClassNameW(m_program.Capture(), cls, 64);
            std::printf("drag (%ld,%ld) -> (%ld,%ld): started %d, capture %p %ls id %d before the release\n", ptFrom.x,
                        ptFrom.y, ptTo.x, ptTo.y, bStarted, (void*)m_program.Capture(), cls,
                        GetDlgCtrlID(m_program.Capture()));
        }
        MouseAt(ptTo, MOUSEEVENTF_LEFTUP);
        PumpUntil([&] { return m_program.Capture() == nullptr && !m_program.InMoveSize(); }, 10000);
        if (m_program.InMenu())
        {
            ADD_FAILURE() << "the press at (" << ptFrom.x << "," << ptFrom.y << ") opened a menu";
            for (int i = 0; i < 3 && m_program.InMenu(); ++i)
                KeyPress(VK_ESCAPE);
        }
        m_program.WaitIdle();
        return bStarted;
    }
    void KeyPress(WORD wVk)
    {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = wVk;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
        m_program.WaitIdle();
    }
    void Click(POINT pt, bool bDouble)
    {
        MouseAt(pt, MOUSEEVENTF_MOVE);
        m_program.WaitIdle();
        // A caption's press runs a drag loop that the release ends; the second press is then the double click, so
        // the presses follow each other within the double-click time.
        for (int i = 0; i < (bDouble ? 2 : 1); ++i)
        {
            MouseAt(pt, MOUSEEVENTF_LEFTDOWN);
            MouseAt(pt, MOUSEEVENTF_LEFTUP);
        }
        PumpUntil([&] { return m_program.Capture() == nullptr && !m_program.InMoveSize(); }, 5000);
        m_program.WaitIdle();
    }
    // A point of the bar's caption that a press reaches and where the user sees the bar: no other floating frame
    // there (the window order Wine keeps and the stacking on the screen may differ for a frame it restacked), nor the
    // main window over a floating frame it may cover.
    bool PressPoint(const BarSeen& b, POINT& pt) const
    {
        if (!CaptionPoint(b, pt))
            return false;
        const HWND hAt = WindowFromPoint(pt);
        if (hAt != b.hCarrier && !IsChild(b.hCarrier, hAt) && !(b.bFloating && hAt == b.hTop))
            return false;
        for (HWND h : m_program.FloatingFrames())
        {
            RECT rc = {};
            GetWindowRect(h, &rc);
            if (h != b.hTop && PtInRect(&rc, pt))
                return false;
        }
        RECT rcMain = {};
        GetWindowRect(m_program.Main(), &rcMain);
        return !(b.bFloating && m_mayBeBelow.count(b.hTop) != 0 && PtInRect(&rcMain, pt));
    }
    // Every floating frame shown now may be restacked below the main window by a press into it.
    void PressedIntoMain()
    {
        if (kUnmanagedWindows)
            for (HWND h : m_program.FloatingFrames())
                m_mayBeBelow.insert(h);
    }
    int Random(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    // A bar index among those the predicate takes, or -1.
    int Pick(const std::function<bool(int)>& pred)
    {
        std::vector<int> v;
        for (int i = 0; i < kBarCount; ++i)
            if (pred(i))
                v.push_back(i);
        return v.empty() ? -1 : v[(size_t)Random((int)v.size())];
    }

    // ---- gestures -------------------------------------------------------------------------------------------

    // Runs the gesture; false when it had nothing to act on.
    bool RunGesture(Gesture g);
    bool DragToSide();
    bool DragFloat();
    bool DragOntoBar();
    bool DblClickCaption();
    bool CloseOrShow(bool bShow);
    bool Pin();
    bool Unpin();
    bool MoveOrResizeFloating(bool bResize);
    bool Fetch();
    void Restart();

    // ---- checks ---------------------------------------------------------------------------------------------

    // The program runs and shows no box.
    void CheckAlive(const std::string& when)
    {
        ASSERT_TRUE(m_program.Running()) << "the program ended " << when << " with code 0x" << std::hex
                                         << m_program.ExitCode();
        for (const CString& box : m_program.Boxes())
            ADD_FAILURE() << "a box " << when << ": " << CStringA(box).GetString();
        Checked("alive");
    }
    // Every bar the layout shows is seen on the screen where it is; docked bars lie in the frame beside the view.
    void CheckSeen(const std::string& when, bool bAllAbove);
    // The bars as a restart must keep them.
    std::map<int, BarKept> Kept() const
    {
        std::map<int, BarKept> kept;
        RECT rcMain = {};
        GetWindowRect(m_program.Main(), &rcMain);
        for (int i = 0; i < kBarCount; ++i)
        {
            const BarSeen b = Bar(i);
            BarKept k;
            k.bFound = b.hBar != nullptr;
            k.bShown = Shows(b) && IsWindowVisible(b.hTop);
            k.bFloating = b.bFloating;
            k.bTab = b.hCarrier != b.hBar;
            k.bResizable = kBars[i].bResizable;
            k.rc = b.bFloating ? b.rcTop : b.rcBar;
            if (!b.bFloating)
                OffsetRect(&k.rc, -rcMain.left, -rcMain.top);
            kept[i] = k;
        }
        return kept;
    }

    ProgramProcess m_program;
    std::mt19937 m_rng;
    unsigned m_nSeed = 0;
    std::vector<std::string> m_steps;
    std::map<std::string, int> m_gestures, m_checks;
    std::set<int> m_closed, m_pinned;    // bars closed by their command, bars pinned
    std::map<int, int> m_lastSide;       // the side each bar was docked at when it floated
    std::set<int> m_restartedSinceFloat; // floating bars the program was closed and started again with
    std::set<HWND> m_resized;            // floating frames resized by a gesture
    std::set<HWND> m_mayBeBelow;         // floating frames Wine may have restacked below the main window
    int m_nMessages = 0;                 // messages fetched into the Inbox
    int m_nFetches = 0;
    bool m_bDragHeld = false; // the last drag's loop still ran when the button was released
};

void ProgramFuzz::CheckSeen(const std::string& when, bool bAllAbove)
{
    const HWND hMain = m_program.Main();
    const RECT rcView = ViewRect();
    const RECT rcClient = MainClient();
    EXPECT_GE(rcView.right - rcView.left, 40) << "the view is " << Rect(rcView) << " " << when;
    EXPECT_GE(rcView.bottom - rcView.top, 40) << "the view is " << Rect(rcView) << " " << when;
    std::set<HWND> checkedCarriers;
    for (int i = 0; i < kBarCount; ++i)
    {
        const BarSeen b = Bar(i);
        const char* pszName = kBars[i].pszName;
        ASSERT_NE(b.hBar, nullptr) << pszName << " has no window " << when;
        const bool bClosedOrPinned = m_closed.count(i) != 0 || m_pinned.count(i) != 0;
        if (bClosedOrPinned)
        {
            EXPECT_FALSE(b.bShown && IsWindowVisible(b.hTop))
                << pszName << " shows though it was closed or pinned " << when;
            Checked("a closed or pinned bar hidden");
            continue;
        }
        EXPECT_TRUE(Shows(b) && IsWindowVisible(b.hTop)) << pszName << " is not shown " << when;
        Checked("a bar shown");
        if (!b.bShown)
            continue; // a tab of a group, its group checked with the selected tab
        if (!b.bFloating)
        {
            RECT rcIn = {};
            IntersectRect(&rcIn, &b.rcBar, &rcClient);
            EXPECT_TRUE(EqualRect(&rcIn, &b.rcBar))
                << pszName << " at " << Rect(b.rcBar) << " reaches out of the frame's client area " << Rect(rcClient)
                << " " << when;
            EXPECT_NE(SideOf(b.rcBar, rcView), -1)
                << pszName << " at " << Rect(b.rcBar) << " covers the view at " << Rect(rcView) << " " << when;
            POINT pt = {};
            RECT rcWhere = {};
            POINT ptFirst = {};
            if (b.hCarrier == b.hBar || checkedCarriers.insert(b.hCarrier).second)
            {
                const int nDiff = PixelsUnlikeARepaint(m_program, b.hCarrier, rcWhere, ptFirst);
                EXPECT_EQ(nDiff, 0) << "the screen at " << pszName << " " << Rect(rcWhere)
                                    << " differs from its full repaint in " << nDiff << " pixels, the first at ("
                                    << ptFirst.x << "," << ptFirst.y << "), " << when;
                Checked("a docked bar's pixels on the screen");
            }
            const std::vector<RECT> overMain = RectsAbove(hMain); // a floating frame checked before may be raised
            if (CaptionPoint(b, pt) &&
                !std::any_of(overMain.begin(), overMain.end(), [&](const RECT& r) { return PtInRect(&r, pt); }))
            {
                const HWND hAt = WindowFromPoint(pt);
                EXPECT_TRUE(hAt == b.hCarrier || IsChild(b.hCarrier, hAt))
                    << "the screen at " << pszName << "'s caption (" << pt.x << "," << pt.y << ") shows another window "
                    << when << ": " << m_program.DescribeWindowAt(pt) << Describe(i);
                Checked("a docked caption reached");
            }
            continue;
        }
        const bool bMayBeBelow = m_mayBeBelow.count(b.hTop) != 0;
        if (!bMayBeBelow && (bAllAbove || !kUnmanagedWindows) && !(when == "after the start" && Avoided("below")))
        {
            EXPECT_TRUE(IsAbove(b.hTop, hMain)) << pszName << "'s floating frame is below the main window " << when;
            Checked("a floating frame above the main window");
        }
        RECT rcWhere = {};
        POINT ptFirst = {};
        const int nDiff = PixelsUnlikeTheWindow(b.hTop, rcWhere, ptFirst, bMayBeBelow ? m_program.Main() : nullptr);
        EXPECT_EQ(nDiff, 0) << "the screen at " << pszName << "'s floating frame " << Rect(rcWhere)
                            << " is not the frame in " << nDiff << " pixels, the first at (" << ptFirst.x << ","
                            << ptFirst.y << "), " << when;
        Checked("a floating frame's pixels on the screen");
        m_mayBeBelow.erase(b.hTop);
    }
}

bool ProgramFuzz::RunGesture(Gesture g)
{
    switch (g)
    {
    case kDragToSide: return DragToSide();
    case kDragFloat: return DragFloat();
    case kDragOntoBar: return DragOntoBar();
    case kDblClickCaption: return DblClickCaption();
    case kCloseByMenu: return CloseOrShow(false);
    case kShowByMenu: return CloseOrShow(true);
    case kPin: return Pin();
    case kUnpin: return Unpin();
    case kMoveFloating: return MoveOrResizeFloating(false);
    case kResizeFloating: return MoveOrResizeFloating(true);
    case kFetch: return Fetch();
    case kRestart:
        if (Avoided("pinrestart") && !m_pinned.empty())
            return false;
        Restart();
        return true;
    case kGestureCount: break;
    }
    return false;
}

bool ProgramFuzz::DragToSide()
{
    const int i = Pick([&](int k) { return m_pinned.count(k) == 0 && m_closed.count(k) == 0 && Bar(k).bShown; });
    if (i < 0)
        return false;
    BarSeen b = Bar(i);
    POINT ptFrom = {};
    if (!PressPoint(b, ptFrom))
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
    if ((b.bFloating && PtInRect(&b.rcTop, ptTo)) || (nSide == 1 && kBars[i].bResizable && Avoided("sidebottom")))
        return false;
    Log(std::string("drag ") + kBars[i].pszName + " by its caption to the " + kSideNames[nSide] + " side");
    if (!b.bFloating)
        PressedIntoMain();
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
    const int i = Pick([&](int k) { return m_pinned.count(k) == 0 && m_closed.count(k) == 0 && Docked(Bar(k)); });
    if (i < 0)
        return false;
    BarSeen b = Bar(i);
    POINT ptFrom = {};
    if (!PressPoint(b, ptFrom))
        return false;
    // Into the middle of the view, or onto the screen beside the main window where there is room.
    RECT rcMain = {};
    GetWindowRect(m_program.Main(), &rcMain);
    const RECT rcScreen = ScreenRect();
    const RECT rcView = ViewRect();
    POINT ptTo = {(rcView.left + rcView.right) / 2, (rcView.top + rcView.bottom) / 2};
    const bool bOutside = Random(2) == 0 && rcScreen.right - rcMain.right > 120 && !Avoided("dragout");
    if (bOutside)
        ptTo = POINT{rcMain.right + 40, rcMain.top + 60 + Random(std::max<int>(1, rcMain.bottom - rcMain.top - 200))};
    Log(std::string("drag ") + kBars[i].pszName + " by its caption " +
        (bOutside ? "out of the main window" : "into the view"));
    m_lastSide[i] = SideOf(b.rcBar, rcView);
    m_restartedSinceFloat.erase(i);
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
    Log(std::string("drag ") + kBars[i].pszName + " by its caption onto " + kBars[t].pszName + "'s caption");
    if (!src.bFloating)
        PressedIntoMain();
    EXPECT_TRUE(Drag(ptFrom, ptTo)) << "the press on " << kBars[i].pszName << "'s caption started no drag";
    PumpUntil([&] { return Docked(Bar(i)); }, kOutcomeMs);
    const BarSeen b = Bar(i);
    EXPECT_TRUE(Docked(b)) << kBars[i].pszName << " is not docked after the drop on " << kBars[t].pszName;
    Checked("a bar dropped on a docked bar docks");
    return true;
}

bool ProgramFuzz::DblClickCaption()
{
    const int i = Pick([&](int k) { return m_pinned.count(k) == 0 && m_closed.count(k) == 0 && Bar(k).bShown; });
    if (i < 0)
        return false;
    BarSeen b = Bar(i);
    POINT pt = {};
    if (!PressPoint(b, pt))
        return false;
    const bool bWasFloating = b.bFloating;
    Log(std::string("double-click ") + kBars[i].pszName + "'s " + (bWasFloating ? "floating" : "docked") + " caption");
    if (!bWasFloating)
    {
        m_lastSide[i] = SideOf(b.rcBar, ViewRect());
        m_restartedSinceFloat.erase(i);
        PressedIntoMain();
    }
    Click(pt, true);
    PumpUntil([&] { return bWasFloating ? Docked(Bar(i)) : Floats(Bar(i)); }, kOutcomeMs);
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
    if (Docked(b) && b.bShown && it != m_lastSide.end() && it->second >= 0 && !Avoided("dockback"))
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
    const bool bDone = PumpUntil(
        [&] {
            const BarSeen b = Bar(i);
            return (Shows(b) && IsWindowVisible(b.hTop)) == bSeen;
        },
        kOutcomeMs);
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
    if (!CaptionButtonPoint(b.hCarrier, b.hCarrier == b.hBar ? 0 : 1, pt) || WindowFromPoint(pt) != b.hCarrier)
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
    // The first tab of an auto-hide area that shows one.
    HWND hArea = nullptr;
    for (UINT nId : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT})
    {
        const HWND h = m_program.AutoHideArea(nId);
        RECT rc = {};
        if (h && IsWindowVisible(h) && GetWindowRect(h, &rc) && rc.right - rc.left > 4 && rc.bottom - rc.top > 4)
            hArea = h;
    }
    EXPECT_NE(hArea, nullptr) << "no auto-hide tab shows while a bar is pinned";
    if (hArea == nullptr)
        return true;
    RECT rc = {};
    GetWindowRect(hArea, &rc);
    const bool bHorz = rc.right - rc.left > rc.bottom - rc.top;
    const POINT ptTab =
        bHorz ? POINT{rc.left + 24, (rc.top + rc.bottom) / 2} : POINT{(rc.left + rc.right) / 2, rc.top + 24};
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
    // The slider slides out: its caption is where it stops.
    RECT rcLast = {};
    int nStill = 0;
    PumpUntil(
        [&] {
            RECT rcNow = {};
            GetWindowRect(hSlider, &rcNow);
            nStill = EqualRect(&rcNow, &rcLast) && !IsRectEmpty(&rcNow) ? nStill + 1 : 0;
            rcLast = rcNow;
            Sleep(20);
            return nStill >= 5;
        },
        kOutcomeMs);
    POINT pt = {};
    EXPECT_TRUE(CaptionButtonPoint(hSlider, 0, pt)) << "the shown auto-hidden bar has no caption";
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
    // A group comes back with every tab in it.
    for (int k = 0; k < kBarCount; ++k)
        if (Docked(Bar(k)))
            m_pinned.erase(k);
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
    if (bResize)
    {
        ptFrom = POINT{b.rcTop.right - 2, b.rcTop.bottom - 2};
        if (!PtInRect(&rcScreen, ptFrom) || WindowFromPoint(ptFrom) != b.hTop)
            return false;
        const int dx = 20 + Random(60), dy = 20 + Random(60);
        ptTo = POINT{std::min<LONG>(ptFrom.x + dx, rcScreen.right - 2),
                     std::min<LONG>(ptFrom.y + dy, rcScreen.bottom - 2)};
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
        // The frame stays whole on the screen.
        const auto fits = [&] {
            RECT rc = b.rcTop, rcOn = {};
            OffsetRect(&rc, ptTo.x - ptFrom.x, ptTo.y - ptFrom.y);
            IntersectRect(&rcOn, &rc, &rcScreen);
            return !PtInRect(&rcNear, ptTo) && EqualRect(&rcOn, &rc);
        };
        for (int nTry = 0; nTry < 40 && !fits(); ++nTry)
            ptTo = POINT{20 + Random(rcScreen.right - 40), 20 + Random(rcScreen.bottom - 40)};
        if (!fits())
            return false;
        OffsetRect(&rcExpected, ptTo.x - ptFrom.x, ptTo.y - ptFrom.y);
        Log(std::string("move ") + kBars[i].pszName + "'s floating frame by its caption to " + Rect(rcExpected));
    }
    EXPECT_TRUE(Drag(ptFrom, ptTo)) << "the press on " << kBars[i].pszName << "'s floating frame started no drag";
    // A tool bar's frame is placed by the cursor, less a part of its caption, not kept at its grab point.
    const bool bExact = !bResize && kBars[i].bResizable && !(Avoided("grabafterresize") && m_resized.count(b.hTop));
    if (bResize)
        m_resized.insert(b.hTop);
    PumpUntil(
        [&] {
            const RECT rc = Bar(i).rcTop;
            return bExact ? EqualRect(&rc, &rcExpected) : !EqualRect(&rc, &b.rcTop);
        },
        kOutcomeMs);
    const BarSeen after = Bar(i);
    if (!kBars[i].bResizable)
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
        Checked("a floating frame moved");
    }
    m_mayBeBelow.erase(b.hTop);
    if (!Avoided("activation"))
    {
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == m_program.Main(); }, 2000))
            << "the main window is not active after the gesture on the floating frame";
        Checked("the main window stays active");
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
} // namespace

TEST_P(ProgramFuzz, RandomGesturesOnTheProgramsBarsKeepEveryBarSeenAndEveryMessageAcrossRestarts)
{
    m_nSeed = GetParam();
    m_rng.seed(m_nSeed);
    ASSERT_TRUE(SimPhone::LoadJson(
        "fuzz_empty", R"({"extends": "basic", "baud": 0, "memories": {"SM": {"total": 20, "messages": []}}})"));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(CheckAlive("after the first start"));
    CheckSeen("after the first start", true);
    const DWORD dwStart = GetTickCount();
    const int nSteps = StepsPerSeed();
    // Gestures are dealt from shuffled decks of every kind, so that each kind comes as often as the others; one
    // that has nothing to act on goes back under the deck.
    std::vector<Gesture> deck;
    int nStepsRun = 0, nDraws = 0, nMisses = 0;
    bool bInFront = false;
    while (nStepsRun < nSteps && !HasFailure() && nDraws < 20 * nSteps)
    {
        // A new deck when this one is out, or when none of its cards found something to act on.
        if (deck.empty() || nMisses >= (int)deck.size())
        {
            std::vector<Gesture> round;
            for (int g = 0; g < kGestureCount; ++g)
                round.push_back((Gesture)g);
            std::shuffle(round.begin(), round.end(), m_rng);
            deck.insert(deck.end(), round.begin(), round.end());
            nMisses = 0;
        }
        const Gesture g = deck.front();
        deck.erase(deck.begin());
        ++nDraws;
        if (g != kRestart && g != kFetch && !bInFront)
        {
            Front();
            bInFront = true;
        }
        const bool bDone = RunGesture(g);
        if (HasFatalFailure())
            break;
        if (!bDone)
        {
            deck.push_back(g);
            ++nMisses;
            continue;
        }
        nMisses = 0;
        bInFront = false;
        ++nStepsRun;
        ++m_gestures[kGestureNames[g]];
        if (std::getenv("CORVANE_PROGRAM_FUZZ_DUMP") != nullptr)
        {
            std::printf("after %s:\n%s", m_steps.back().c_str(), m_program.DescribeWindows().c_str());
            DumpScreen(nStepsRun);
        }
        Park();
        const std::string when = "after step " + std::to_string(nStepsRun) + " (" + kGestureNames[g] + ")";
        ASSERT_NO_FATAL_FAILURE(CheckAlive(when));
        CheckSeen(g == kRestart ? "after the start" : when, g == kRestart);
    }
    if (!HasFailure())
    {
        // The run ends with a close and a start, so that the last gestures are kept too.
        Restart();
        ++m_gestures[kGestureNames[kRestart]];
        if (!HasFatalFailure())
            CheckSeen("after the start", true);
    }
    std::ostringstream counts;
    counts << "program run: seed " << m_nSeed << ", " << nStepsRun << " steps in " << (GetTickCount() - dwStart) / 1000
           << " s\n  gestures:";
    for (int g = 0; g < kGestureCount; ++g)
        counts << " " << kGestureNames[g] << " " << m_gestures[kGestureNames[g]] << ";";
    counts << "\n  checks:";
    for (const auto& c : m_checks)
        counts << " " << c.first << " " << c.second << ";";
    std::printf("%s\n", counts.str().c_str());
    if (HasFailure())
        ADD_FAILURE() << "the run that failed: " << Record() << "windows:\n" << m_program.DescribeWindows();
    else if (nSteps >= kDefaultSteps)
    {
        for (int g = 0; g < kGestureCount; ++g)
            EXPECT_GE(m_gestures[kGestureNames[g]], 2) << "the run made \"" << kGestureNames[g] << "\" less than twice";
    }
    CString strWhy;
    if (m_program.Running())
    {
        EXPECT_TRUE(m_program.Exit(strWhy)) << CStringA(strWhy).GetString();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ProgramFuzz, ::testing::ValuesIn(SeedsToRun()),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                             return "seed" + std::to_string(info.param);
                         });
