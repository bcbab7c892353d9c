// Random gestures through real input on the program's own frame and bars, the program a process of its own on the
// simulated phone: bars dragged to the sides, into the view and onto each other, captions double-clicked, bars closed
// and shown by their commands, pinned and unpinned, floating frames moved and resized, messages fetched, and the
// program closed by File > Keluar and started again. After every step the program runs and shows no box, every bar
// its layout shows is seen on the screen (floating frames above the main window, their screen their own pixels),
// each gesture did what it should; after every start every bar is where and as it was left and no message is lost.
// CORVANE_PROGRAM_FUZZ_SEEDS=n runs seeds 1..n instead of the fixed list, CORVANE_PROGRAM_FUZZ_SEED=s the one seed
// s, CORVANE_PROGRAM_FUZZ_STEPS=k k steps a seed; CORVANE_PROGRAM_FUZZ_AVOID chooses faults stepped around (see
// Avoided); CORVANE_PROGRAM_FUZZ_DUMP=1 prints the windows and writes the screen after
// each step.
#include "ProgramFuzzRun.h"

#include "support/DibCanvas.h"
#include "support/RandomRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

using namespace phonetest;

namespace programfuzz
{
// Faults the run meets. Each check is strict unless its name is in CORVANE_PROGRAM_FUZZ_AVOID (a list of names), to
// tell a new fault from them:
// below: a floating frame comes back below the main window at the next start;
// activation: pressing or dragging a floating frame's caption or border takes the activation from the main window;
// dockback: a floating caption's double click docks the bar elsewhere than where it was docked;
// sidelength: a bar dragged to the top or bottom takes the length of the column it left as its height;
// unpinsize: a bar of a column pinned and unpinned comes back at half its height.
bool Avoided(const char* pszFault)
{
    const char* psz = std::getenv("CORVANE_PROGRAM_FUZZ_AVOID");
    return psz != nullptr && std::strstr(psz, pszFault) != nullptr;
}
extern const bool kUnmanagedWindows = randomrun::UnmanagedWindows();

extern const char* const kGestureNames[kGestureCount] = {"drag to a side",
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
const char kSwitches[] = "CORVANE_PROGRAM_FUZZ";

std::vector<unsigned> SeedsToRun() { return randomrun::Seeds(kSwitches, {1}); }
int StepsPerSeed() { return randomrun::Steps(kSwitches, kDefaultSteps); }

extern const char* const kSideNames[4] = {"top", "bottom", "left", "right"};
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

bool BarKept::operator==(const BarKept& o) const
{
    return bFound == o.bFound && bShown == o.bShown && bFloating == o.bFloating && (!bShown || EqualRect(&rc, &o.rc));
}
std::string DescribeKept(const BarKept& b)
{
    if (!b.bFound)
        return "missing";
    return std::string(b.bShown ? "shown" : "hidden") + (b.bFloating ? ", floating at " : ", docked at ") + Rect(b.rc);
}

void DumpScreen(int nStep)
{
    const RECT rc = ScreenRect();
    randomrun::WritePicture(std::wstring(SimPhone::WorkFolder()) + L"step" + std::to_wstring(nStep) + L".ppm",
                            GrabScreen(rc), rc.right, rc.bottom);
}

void ProgramFuzz::CheckSeen(const std::string& when, bool bAllAbove)
{
    const HWND hMain = m_program.Main();
    const RECT rcView = ViewRect();
    const RECT rcClient = MainClient();
    // Unmanaged, Wine puts a main window brought to the front or given the X focus above the frames it owns, on the
    // screen and in its window order: after a start they may be below it as after a press into it.
    if (bAllAbove)
        PressedIntoMain();
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
            // After a start the floating frames show once the main window's first show has been handled, which a
            // busy machine may delay: the frame is to come above within a moment.
            if (bAllAbove)
                PumpUntil([&] { return IsAbove(b.hTop, hMain); }, kOutcomeMs);
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
    case kRestart: Restart(); return true;
    case kGestureCount: break;
    }
    return false;
}

} // namespace programfuzz

using namespace programfuzz;

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
        for (auto& kv : m_sizeAtPin)
            kv.second.Follow(Bar(kv.first).hCarrier);
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
    else if (randomrun::IsDefault(kSwitches))
    {
        for (int g = 0; g < kGestureCount; ++g)
            EXPECT_GE(m_gestures[kGestureNames[g]], 1) << "the default run never made \"" << kGestureNames[g] << "\"";
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
