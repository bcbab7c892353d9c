// The built program as a process of its own, seen and driven from outside for the random run on its
// frame and bars: its start on a kept registry key, its close, its bars found by their windows, real
// mouse input waited for on the program's thread, and the screen against a window's own pixels.
#pragma once
#include "phone/PhoneLinkTestSupport.h"

#include <string>
#include <vector>

namespace programfuzz
{
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

// The running program.
class ProgramProcess
{
public:
    // Copies the built program into the simulator's work folder and keeps the program's registry key, to give it
    // back in the destructor; the settings are those of a quiet test start (no sounds, splash, password,
    // scheduler, delete after a fetch) on the simulated phone's port, and no docking state.
    bool Prepare(CString& strWhy);
    ~ProgramProcess();

    // Starts the program and waits for its main window, answering the start's Outlook box.
    bool Start(CString& strWhy);
    // The main window's "File > Keluar"; true when the process ended by itself with code 0 within 30 s.
    bool Exit(CString& strWhy);
    // Kills the process if it runs.
    void Kill();
    bool Running() const;
    DWORD ExitCode() const;

    // The message boxes the process shows now: "title: text".
    std::vector<CString> Boxes() const;
    // Waits until the program's thread waits for input with nothing queued; false after ms.
    bool WaitIdle(DWORD ms = 10000) const;
    // Waits until no window of the process waits for a paint and the screen over the main window and the
    // floating frames has stopped changing; false after ms.
    bool WaitPainted(DWORD ms = 10000) const;
    // The window holding the capture on the program's thread, and whether a window's move or size loop or a menu
    // runs there.
    HWND Capture() const;
    bool InMoveSize() const;
    bool InMenu() const;

    HWND Main() const { return m_hMain; }
    DWORD Thread() const { return m_dwThread; }
    // The bar as its windows show it now.
    BarSeen Bar(const BarId& bar) const;
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

    // The number of messages in the Inbox of the data file (read from a copy); -1 when it does not load.
    int SavedInboxCount() const;
    CString DataFile() const;

private:
    CString m_strFolder, m_strExe;
    PROCESS_INFORMATION m_pi = {};
    HWND m_hMain = nullptr;
    DWORD m_dwThread = 0;
    bool m_bKeyKept = false;
};

// ---- what the user sees ------------------------------------------------------------------------------------

// Whether a comes before b in the window order of the top-level windows (above it).
bool IsAbove(HWND a, HWND b);
// The visible top-level windows above hWnd in the window order, with their screen rectangles.
std::vector<RECT> RectsAbove(HWND hWnd);
// A point of the bar's caption (of the frame's caption when it floats), screen; false when none shows.
bool CaptionPoint(const BarSeen& bar, POINT& pt);
// The centre of the nIndex-th button from the far end of the caption of the window (a docked resizable bar, a tab
// group, the auto-hide slider), screen: the buttons are squares as high as the caption less its margins.
bool CaptionButtonPoint(HWND hCarrier, int nIndex, POINT& pt);
// Pixels of the window on the screen that differ from the window's own: the screen is read where no window above
// it covers it, the window is raised (not activated) and read again once it is drawn. Its rectangle on the screen
// is given back in rcWhere, the first differing point in ptFirst. Where hMayCover lies is not compared either: a
// window that may cover it on the screen whatever the window order says.
int PixelsUnlikeTheWindow(HWND hWnd, RECT& rcWhere, POINT& ptFirst, HWND hMayCover = nullptr);

// Pixels of the window on the screen, where no window above its top-level covers it, that a full repaint of it
// changes (a shade or two of slack, as gradients over a bar's place come out); its rectangle in rcWhere, the first
// differing point in ptFirst.
int PixelsUnlikeARepaint(const ProgramProcess& program, HWND hWnd, RECT& rcWhere, POINT& ptFirst);

// ---- real input --------------------------------------------------------------------------------------------

// Mouse input at the screen point: a move there, with the buttons the flags say.
bool MouseAt(POINT pt, DWORD dwFlags);
} // namespace programfuzz
