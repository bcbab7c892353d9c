// The random run on the program's own frame and bars: its switches, gestures, and the test fixture that drives the
// program and checks it. The run and its checks are in ProgramFuzzTest.cpp, the gestures in ProgramFuzzGestures.cpp.
#pragma once
#include "ProgramProcess.h"
#include "support/RandomRun.h"

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace programfuzz
{
using namespace programtest;
using phonetest::PumpUntil;
using phonetest::SimPhone;

// Whether the run steps around the named fault (see ProgramFuzzTest.cpp for the names).
bool Avoided(const char* pszFault);
// Unmanaged windows (the test command's display has no window manager) are restacked by Wine itself: an owned
// popup falls below its owner at a click into the owner, with no call of the program's involved. A floating frame
// may then be below the main window until it is raised again; the screen check still holds wherever the main
// window does not cover it.
extern const bool kUnmanagedWindows;

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
extern const char* const kGestureNames[kGestureCount];
// Two decks of every kind: the default seed makes each kind in them.
constexpr int kDefaultSteps = 2 * kGestureCount;
// The bound of the wait for a gesture's outcome: the program may act on the input after its messages are handled.
constexpr DWORD kOutcomeMs = 5000;
// How far an unpinned bar's size may be off the size it had docked before its pin, in pixels each way.
constexpr int kUnpinSlack = 4;

std::vector<unsigned> SeedsToRun();
int StepsPerSeed();

extern const char* const kSideNames[4];
// The side of the view the docked bar lies on (0..3 as kSideNames), -1 when it overlaps the view.
int SideOf(const RECT& rcBar, const RECT& rcView);
std::string Rect(const RECT& r);
RECT ScreenRect();

// One bar as a restart must keep it: floating or docked, shown, and its frame's rectangle when floating or its own
// relative to the main window when docked.
struct BarKept
{
    bool bFound = false, bShown = false, bFloating = false;
    RECT rc = {};
    bool operator==(const BarKept& o) const;
};
std::string DescribeKept(const BarKept& b);

// The whole screen as step<n>.ppm in the simulator's work folder.
void DumpScreen(int nStep);

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
        // The release carries its point: without it Wine takes the cursor's place it still has, which under load
        // may be a move or two behind, and the drop lands there.
        MouseAt(ptTo, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP);
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
    // Whether a floating frame other than hOwn lies under the point: a press there reaches that frame, and a bar let
    // go there docks into the floating bar under it as a bar's drag does.
    bool OverAnotherFrame(HWND hOwn, POINT pt) const
    {
        const std::vector<HWND> frames = m_program.FloatingFrames();
        return std::any_of(frames.begin(), frames.end(), [&](HWND h) {
            RECT rc = {};
            return h != hOwn && GetWindowRect(h, &rc) && PtInRect(&rc, pt);
        });
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
        if (OverAnotherFrame(b.hTop, pt))
            return false;
        RECT rcMain = {};
        GetWindowRect(m_program.Main(), &rcMain);
        return !(b.bFloating && m_mayBeBelow.count(b.hTop) != 0 && PtInRect(&rcMain, pt));
    }
    // A bar neither pinned nor closed that pred takes, picked at random, as seen now (b) with a point of its caption
    // a press reaches (pt); -1 when there is none or no such point.
    int PickToPress(const std::function<bool(const BarSeen&)>& pred, BarSeen& b, POINT& pt)
    {
        const int i = Pick([&](int k) { return m_pinned.count(k) == 0 && m_closed.count(k) == 0 && pred(Bar(k)); });
        if (i < 0)
            return -1;
        b = Bar(i);
        return PressPoint(b, pt) ? i : -1;
    }
    // The bar floats with every bar its caption carrier holds: they all leave the side the carrier was docked at.
    void NoteFloating(const BarSeen& b)
    {
        RECT rc = {};
        GetWindowRect(b.hCarrier, &rc);
        const int nSide = SideOf(rc, ViewRect());
        for (int k = 0; k < kBarCount; ++k)
            if (Bar(k).hCarrier == b.hCarrier)
            {
                m_lastSide[k] = nSide;
                m_restartedSinceFloat.erase(k);
            }
    }
    // The centre of the nIndex-th button from the far end of the docked carrier's caption, as the carrier's own hit
    // test finds its buttons (HTMINBUTTON) along the caption's middle line: the band before the client area may hold
    // a row splitter besides the caption (a bar docked at the bottom), which the estimate from its width misses.
    bool ButtonPoint(HWND hCarrier, int nIndex, POINT& pt) const
    {
        if (!CaptionButtonPoint(hCarrier, nIndex, pt))
            return false;
        RECT w = {}, c = {};
        GetWindowRect(hCarrier, &w);
        GetClientRect(hCarrier, &c);
        MapWindowPoints(hCarrier, nullptr, (POINT*)&c, 2);
        const bool bTop = c.top - w.top >= c.left - w.left;
        int nRun = -1, nStart = 0;
        bool bIn = false;
        for (int d = 1; d < 160; ++d)
        {
            const POINT at = bTop ? POINT{w.right - d, pt.y} : POINT{pt.x, w.top + d};
            DWORD_PTR nHit = HTNOWHERE;
            if (!SendMessageTimeoutW(hCarrier, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y), SMTO_ABORTIFHUNG, 500, &nHit))
                break; // the estimate
            const bool bHit = nHit == HTMINBUTTON;
            nStart = bHit && !bIn ? d : nStart;
            nRun += bHit && !bIn ? 1 : 0;
            if (!bHit && bIn && nRun == nIndex)
            {
                const int nMiddle = (nStart + d - 1) / 2;
                pt = bTop ? POINT{w.right - nMiddle, pt.y} : POINT{pt.x, w.top + nMiddle};
                break;
            }
            bIn = bHit;
        }
        return true;
    }
    // Every floating frame shown now but the one pressed (hPressed, raised by the program) may be restacked below the
    // main window on the screen by a press into the main window or another frame.
    void PressedIntoMain(HWND hPressed = nullptr)
    {
        if (kUnmanagedWindows)
            for (HWND h : m_program.FloatingFrames())
                if (h != hPressed)
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
    std::set<int> m_closed, m_pinned; // bars closed by their command, bars pinned
    // Pinned bars with the size each is to come back at, followed after each step.
    std::map<int, randomrun::PinnedSize> m_sizeAtPin;
    std::map<int, int> m_lastSide;       // the side each bar was docked at when it floated
    std::set<int> m_restartedSinceFloat; // floating bars the program was closed and started again with
    std::set<HWND> m_mayBeBelow;         // floating frames Wine may have restacked below the main window
    int m_nMessages = 0;                 // messages fetched into the Inbox
    int m_nFetches = 0;
    bool m_bDragHeld = false; // the last drag's loop still ran when the button was released
};
} // namespace programfuzz
