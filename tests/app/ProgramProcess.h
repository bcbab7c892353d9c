// The built program as a process of its own, seen and driven from outside: a copy in the simulator's work folder
// started on the program's own registry key (kept whole and given back after), its boxes, bars and floating frames
// found by their windows, waits for its thread and its paints, real mouse input, and the screen against a window's
// own pixels.
#pragma once
#include "phone/PhoneLinkTestSupport.h"
#include "support/InputScript.h"
#include "support/KeptKey.h"

#include <string>
#include <vector>

class CCorvane_smsDoc;

namespace programtest
{
// A box of the process: its title and the text of its static child.
struct SeenBox
{
    HWND hWnd;
    CString title, text;
};

// A bar of the main frame, by its control id.
struct BarId
{
    const char* pszName;
    UINT nId;
    bool bResizable; // "Folders" and "SMS List": a caption with the auto-hide button; else a tool bar's gripper
};
extern const BarId kBars[5];
constexpr int kBarCount = 5;

// What the windows of the process show of one bar.
struct BarSeen
{
    HWND hBar = nullptr;
    HWND hTop = nullptr;         // the top-level window holding it: the main window or a floating frame
    HWND hCarrier = nullptr;     // the bar carrying its caption (the bar, or the group it is a tab of)
    bool bShown = false;         // the bar and every window up to its top-level are visible
    bool bFloating = false;      // held by a floating frame
    RECT rcBar = {}, rcTop = {}; // screen
};

// The bar with the text among the windows of the process, and its top-level window.
struct BarWindows
{
    HWND hBar = nullptr;      // the bar
    HWND hTopLevel = nullptr; // the top-level window holding it
};

// The running program.
class ProgramProcess
{
public:
    ProgramProcess();
    // Copies the built program into the simulator's work folder and keeps the program's registry key, to give it
    // back in GiveBack; the settings are those of a quiet test start (no sounds, splash, password, scheduler, delete
    // after a fetch, always on top, fetch at the start) on the simulated phone's port, and no docking state.
    bool Prepare(CString& strWhy);
    // Kills the process if it runs and gives the program's key back as it was before Prepare.
    void GiveBack();
    ~ProgramProcess() { GiveBack(); }
    static void SetInt(const wchar_t* name, DWORD value);
    static void SetText(const wchar_t* name, const CString& value);

    // ---- start and end ----------------------------------------------------------------------------------------
    // Starts the process (ending one this object started before).
    bool StartProgram();
    // Waits for the main window with its view, answering the start's Outlook box; notes every other box seen in
    // seen and stops when stopAt (when given) is part of a box's text. Null after ms or when the process ended.
    HWND WaitForMainWindow(DWORD ms, const wchar_t* stopAt = nullptr);
    // Starts the program and waits for its main window, then for its paints.
    bool Start(CString& strWhy);
    // Starts the program and waits for its main window and its paints (the start's layout settled), then brings it
    // in front and waits for its thread to wait for input; null when any of them fails.
    HWND StartInFront();
    // The main window's "File > Keluar"; true when the process ended by itself with code 0 within 30 s.
    bool Exit(CString& strWhy);
    // Kills the process if it still runs and forgets it.
    void EndProcess();
    bool Ended(DWORD ms) const { return WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0; }
    bool Running() const;
    DWORD ExitCode() const;

    // ---- what it shows ----------------------------------------------------------------------------------------
    // The visible windows of the process: its boxes, and the frame (the unowned window with children).
    void Look(std::vector<SeenBox>& found, HWND& hMain) const;
    // Keeps the box in seen unless it is there already.
    void Note(const SeenBox& b);
    // The message boxes the process shows now: "title: text".
    std::vector<CString> Boxes() const;
    HWND Main() const { return m_hMain; }
    DWORD Thread() const { return m_dwThread; }
    // The bar as its windows show it now.
    BarSeen Bar(const BarId& bar) const;
    // The bar floats: its top-level window is a shown frame the main window owns, and the bar shows.
    bool IsFloatingShown(const BarWindows& w) const;
    // The main window's view (the window between the bars), or null.
    HWND View() const;
    // The auto-hide slider while it shows a bar, and the index in kBars of that bar (its window stays hidden; the
    // slider shows the bar's child, which has the bar's id); null and -1 otherwise.
    HWND ShownSlider(int& nBar) const;
    // The auto-hide tab area at the side (a dock bar id).
    HWND AutoHideArea(UINT nSide) const;
    // The message list's item count, -1 when there is none.
    int ListCount() const;
    // The visible floating frames of the process, top of the window order first.
    std::vector<HWND> FloatingFrames() const;
    // Every window of the process, one a line: indented by depth, class, id, text, rectangle, visible.
    std::string DescribeWindows() const;
    // The window at the screen point and its parents: class, id and text.
    static std::string DescribeWindowAt(POINT pt);

    // ---- its thread ---------------------------------------------------------------------------------------------
    // Waits until the program's thread has taken the input sent before and looks at its queue again; false after
    // ms.
    bool WaitIdle(DWORD ms = 10000) const;
    // Waits until no window of the process waits for a paint, the program's thread has looked at its queue again
    // since (where Wine puts what it painted on the screen), and the screen over the main window and the floating
    // frames has stopped changing; false after ms.
    bool WaitPainted(DWORD ms = 10000) const;
    // The window holding the capture on the program's thread, and whether a window's move or size loop or a menu
    // runs there.
    HWND Capture() const;
    // The window with the keys on the program's thread, or null.
    HWND Focus() const;
    bool InMoveSize() const;
    bool InMenu() const;

    // ---- its data file ------------------------------------------------------------------------------------------
    // Loads what the data file holds, read from a copy: loading the file itself would remove the temporary file of a
    // save the running program is making.
    bool LoadSaved(CCorvane_smsDoc& saved) const;
    // The number of messages in the Inbox of the data file; 0 without one, -1 when it does not load.
    int SavedInboxCount() const;

    CString folder, exe, dataFile;
    CString startWhy; // why the last start failed (also printed when it fails)
    PROCESS_INFORMATION pi = {};
    std::vector<SeenBox> seen; // the boxes WaitForMainWindow saw, and those noted

private:
    // Keeps and prints why a start failed; false.
    bool StartFailed(const CString& strWhy);
    HWND m_hMain = nullptr;
    DWORD m_dwStarted = 0; // tick count of the last start
    DWORD m_dwThread = 0;
    bool m_bPrepared = false;
    KeptKey m_key; // the program's key while the tests change it
};

// The running program as a test's fixture: prepared before the test, given back after.
struct ProcessFixture : ::testing::Test, ProgramProcess
{
    void SetUp() override;
    void TearDown() override { GiveBack(); }
};

// The program's docking state.
extern const wchar_t kBarStateKey[];

// ---- finding and pressing the bars from outside --------------------------------------------------------------------

BarWindows FindBar(DWORD pid, const wchar_t* text);
// A screen point on the docked bar's caption: its widest non-client band (on top of a bar in a column,
// at the left of a bar in a row), a third of the way along it, away from its buttons.
POINT CaptionPoint(HWND hBar);
// A point of the bar's caption (of the frame's caption when it floats), screen; false when none shows.
bool CaptionPoint(const BarSeen& bar, POINT& pt);
// The centre of the nIndex-th button from the far end of the caption of the window (a docked resizable bar, a tab
// group, the auto-hide slider), screen: the buttons are squares as high as the caption less its margins.
bool CaptionButtonPoint(HWND hCarrier, int nIndex, POINT& pt);
// Mouse input at the screen point (a move or a button, as the flags say).
bool SendMouseAt(POINT pt, DWORD dwFlags);
// Mouse input at the screen point: a move there, with the buttons the flags say. A press or release moves the pointer
// there too: without the move it lands wherever Wine has the pointer now, which a late motion event of the X server
// may have put back on an earlier point of the path.
bool MouseAt(POINT pt, DWORD dwFlags);
// The window holding the mouse capture on the thread, or NULL.
HWND CaptureOf(DWORD dwThread);

// ---- what the user sees ------------------------------------------------------------------------------------------

// The visible top-level windows above hWnd in the window order, with their screen rectangles.
std::vector<RECT> RectsAbove(HWND hWnd);
// The screen in the rectangle once two grabs a moment apart agree (the windows there have painted), or the last
// grab after ms.
std::vector<DWORD> SettledScreen(const RECT& rc, DWORD ms);
// Pixels of the window on the screen that differ from the window's own: the screen is read where no window above
// it covers it, the window is raised (not activated) and read again once it is drawn. Its rectangle on the screen
// is given back in rcWhere, the first differing point in ptFirst. Where hMayCover lies is not compared either: a
// window that may cover it on the screen whatever the window order says.
int PixelsUnlikeTheWindow(HWND hWnd, RECT& rcWhere, POINT& ptFirst, HWND hMayCover = nullptr);
// Pixels of the window on the screen, where no window above its top-level covers it, that a full repaint of it
// changes (a shade or two of slack, as gradients over a bar's place come out); its rectangle in rcWhere, the first
// differing point in ptFirst. A difference within one scroll bar the pointer is off (a hover look that ended
// meanwhile) is taken again until a repaint leaves the screen as it is, for a bounded time.
int PixelsUnlikeARepaint(const ProgramProcess& program, HWND hWnd, RECT& rcWhere, POINT& ptFirst);
} // namespace programtest
