// The random docking run on the docking host: the tab-group layout with a fifth bar at the bottom and two tool bars
// at the top, the gestures it makes through real input (DockingFuzzGestures.cpp), the checks after every step
// (DockingFuzzChecks.cpp) and the run's record, counts and watched deletes (DockingFuzzRecord.cpp).
#pragma once
#include "support/RandomRun.h"
#include "toolkit/bars_tabs/DynTabsFixture.h"
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

// Faults the run knows another change mends; false (the default) checks them strictly, true steps around each so
// that the run goes on to what comes after:
// a bar dragged by its caption to the top or bottom side takes its old column's length as its height;
constexpr bool kKnownSideDropTakesColumnLength = false;
// a bar taken out of a column by a double-click leaves an empty band;
constexpr bool kKnownEmptyBandAfterDoubleClick = false;
// a closed floating group shows again when the stored state is loaded over the live layout;
constexpr bool kKnownLoadShowsClosedFloatingGroup = false;
// a floating group of one bar stays after a tab of a floating group of two is dragged onto another floating bar;
constexpr bool kKnownFloatingGroupOfOneStays = false;
// a bar docked back by its floating caption's double-click lands elsewhere or at another size after a move.
constexpr bool kKnownDockBackPlaceAfterMove = false;

// Whether the display has no window manager (CORVANE_NO_WM=1): Wine then stacks an owned popup below its owner at
// a click into the owner, so the run keeps floating frames where the main window does not cover them.
extern const bool g_bUnmanagedWindows;

// The seeds to run: the fixed list, or those the environment asks for.
std::vector<unsigned> SeedsToRun();
int StepsPerSeed();
bool DefaultRun();

// The record of the running seed, written out when it fails, crashes or hangs.
void RecordSeed(unsigned nSeed);
void RecordStep(const std::string& s);
std::string RunRecord();
void StartStepWatch(DWORD dwNow);
void InstallCrashRecord();
void RemoveCrashRecord();

// Counts of the gestures and of the outcome checks made, over the whole process.
void CountGesture(const char* pszKind);
void CountCheck(const std::string& sCheck);
std::string CountsTable();
const std::map<std::string, int>& GestureCounts();

// Deleted objects of the watched kinds (tab groups, containers, dock bars, floating frames) keep their memory, marked,
// so that a later use of one is seen; the objects alive at a step's start are watched.
void WatchObject(CObject* p);
void ClearWatched();
int StaleUses();
void ReleaseStale();

// A fixed test bar that keeps its floating size as a tool bar does (the stored state writes it).
class CFuzzToolBar : public CHostFixedBar
{
public:
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    // A new one docked at the top of the frame, owned by it.
    static CFuzzToolBar* AddTo(CDockingHostFrame* pFrame, LPCTSTR pszText);
};

// The sides in the order top, bottom, left, right: names and dock bar ids; a side's name; whether its rows run
// horizontally.
extern const char* const kSides[4];
extern const UINT kSideIds[4];
std::string SideName(UINT nId);
bool Horizontal(UINT nSide);
// The window holding the mouse capture on the thread.
HWND CaptureOf(DWORD dwThread);
// A point of the marker's shape, in screen coordinates.
CPoint PointInMarker(HWND hMarker);
// The active marker of the type (CExtDynDockMarkerWnd::kType*) in the set around the target, once it shows; nullptr
// when it does not show in time.
HWND TargetSetMarker(HWND hTarget, int nType);

struct Theme
{
    const char* pszName;
    CRuntimeClass* pClass;
};
extern const Theme kThemes[4];

class DockingRun : public DynTabsFixture
{
public:
    enum Gesture
    {
        kDragToSide,
        kDragOntoBar,
        kDragTabOut,
        kDblClickTab,
        kDblClickDockedCaption,
        kDblClickFloatingCaption,
        kPin,
        kUnpin,
        kClose,
        kShow,
        kSplitterDrag,
        kMoveFloating,
        kResizeFloating,
        kEscapeDrag,
        kReorderTabs,
        kToolBarFloat,
        kToolBarDock,
        kToolBarMove,
        kLoadState,
        kGestureCount
    };
    static const char* const kGestureNames[kGestureCount];

protected:
    CDockingHostFrame* NewHostFrame() override;
    void SetUp() override;
    void TearDown() override;

    void Log(const std::string& s) { RecordStep(s); }
    static std::string Name(CControlBar* pBar);

    // ---- where things are (DockingFuzzGestures.cpp) --------------------------------------------------------------
    static CExtControlBar* CaptionCarrier(CExtControlBar* pBar);
    static CExtMiniDockFrameWnd* MiniOf(CControlBar* pBar);
    // The caption button under the screen point, found from the buttons' rectangles alone: a probe changes no
    // button's state.
    static CExtBarNcAreaButton* ButtonAt(CExtControlBar* pCarrier, CPoint ptScreen);
    bool CaptionPoint(CExtControlBar* pBar, CPoint& pt) const;
    bool ButtonPoint(CExtControlBar* pBar, CRuntimeClass* pKind, CPoint& pt) const;
    static bool Reaches(CPoint pt, CWnd* pWnd);
    CExtDynAutoHideArea* AreaOf(CExtControlBar* pBar) const;
    // The frame dock bar side (AFX_IDW_DOCKBAR_*) the bar ends on as the user sees it, through the containers
    // holding it; 0 when it floats or is auto-hidden.
    UINT OuterSide(CControlBar* pBar) const;
    // The bar in the frame's own dock bar that holds pBar (itself, its group or the outermost container).
    CControlBar* OuterCarrier(CControlBar* pBar) const;

    // ---- input -------------------------------------------------------------------------------------------------
    bool Drag(CPoint ptFrom, const std::function<bool(CPoint&)>& target, int nRestMs, bool bEscape = false);
    // From a drag's script: waits until the drag loop has taken the pointer's place and no update of what it shows
    // runs (a move that comes during one is taken at the next refresh); at once when no drag runs.
    static bool WaitForDragAtPointer();
    void Click(CPoint pt, bool bDouble = false);
    void Rest();
    void Idle();
    std::vector<CExtMiniDockFrameWnd*> FloatingFrames() const;
    // Floating frames the main window overlaps are moved clear of it (the unmanaged display only).
    void KeepFramesClear();

    // ---- gestures ----------------------------------------------------------------------------------------------
    CExtControlBar* Pick(const std::vector<CExtControlBar*>& bars, const std::function<bool(CExtControlBar*)>& pred);
    CExtControlBar* Pick(const std::function<bool(CExtControlBar*)>& pred) { return Pick(m_bars, pred); }
    bool Shown(CExtControlBar* p) const { return m_shown.at(p); }
    bool Docked(CExtControlBar* p) const;
    static bool MarkerStyle();
    int RestMs();
    // Makes a gesture of the kind; false when it had nothing to act on. A gesture's outcome is checked here.
    bool RunGesture(Gesture g);
    // The kinds in the order the next step tries them: those this seed made least first, ties at random.
    std::vector<Gesture> GestureOrder();
    bool DragToSide();
    bool DragOntoBar();
    bool TabGesture(bool bDouble);
    bool DblClickCaption(bool bFloating);
    bool Pin();
    bool Unpin();
    bool Close();
    bool Show();
    bool SplitterDrag();
    bool MoveFloating(bool bResize);
    bool EscapeDrag();
    bool ReorderTabs();
    bool ToolBarFloat();
    bool ToolBarDock();
    bool ToolBarMove();
    bool LoadState();
    // After a tracker drag: the bar lands as the tracker showed (m_nShownKind).
    void ExpectLandsAsShown(CExtControlBar* p, UINT nSideBefore);
    // Fails the step with what was expected when bOk is false; counts the check.
    void Expect(bool bOk, const std::string& sCheck, const std::string& sWhat);

    // ---- checks (DockingFuzzChecks.cpp) ----------------------------------------------------------------------
    static std::vector<CDockBar*> AllDockBars();
    // The layout as text, rectangles relative to the frame (floating frames on the screen); pFrame and its bars, or
    // the run's.
    std::string Describe(CFrameWnd* pFrame, const std::vector<CExtControlBar*>& bars) const;
    std::string Describe() const { return Describe(m_pFrame, AllBars()); }
    std::vector<CExtControlBar*> AllBars() const;
    void CheckLayout(const char* pszWhen);
    void CheckSizes();
    void CheckWindows();
    // A floating frame the main window overlaps lies above it (checked as a gesture ends: on a display without a
    // window manager Wine stacks owned frames below their owner once the owner is activated).
    void CheckFramesAbove();
    // Notes focus changes into the main window for CheckFramesAbove (on), or stops (off).
    void WatchFocusInMain(bool bOn);
    std::set<HWND> m_framesAtLastCheck; // the floating frames at the last CheckFramesAbove
    void CheckStateRoundTrip();
    void CheckScreenMatchesRepaint();
    // Watches the groups, containers, dock bars and floating frames alive now.
    void WatchAlive();
    static std::string HiddenAt(CWnd* pWnd);
    static std::string WindowsAt(CPoint pt);
    // Whether the bar and every window up to its frame has WS_VISIBLE.
    static bool ShowsInFrame(CWnd* pWnd);

    std::vector<CExtControlBar*> m_bars;     // the resizable bars
    std::vector<CExtControlBar*> m_tools;    // the tool bars
    std::map<CExtControlBar*, bool> m_shown; // what the last close or show command said
    // Bars a drop docked at a side in the last step, with the docked size they had before it.
    std::map<CExtControlBar*, CSize> m_justDocked;
    std::map<int, int> m_seedCounts;            // gestures of this seed by kind
    std::map<CExtControlBar*, UINT> m_lastSide; // the side each bar was docked at last
    // Auto-hidden bars with the size each is to come back at.
    std::map<CExtControlBar*, randomrun::PinnedSize> m_sizeAtPin;
    // Notes the side of each docked bar and follows each pinned one's size.
    void RememberSides();
    CHostResizableBar* m_pE = nullptr;
    std::mt19937 m_rng;
    int m_nShownKind = -1;         // the target kind the drag showed before the release, -1 none
    HWND m_hShownTarget = nullptr; // its target bar
    bool m_bShownOnMarker = false; // a marker lay under the pointer at the release
    DWORD m_dwGui = 0;
    CString m_sKey;
};
