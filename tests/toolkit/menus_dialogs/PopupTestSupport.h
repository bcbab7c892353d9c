// Shared pieces of the popup tracking tests: a frame that records what the menus send it, a menu
// class that counts its live objects and records the keys and moves it is handed, and a fixture
// that shows the frame in the foreground with animation off.
#pragma once
#include "MenuTestIds.h"
#include "MenuTestSupport.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include <functional>
#include <vector>

// A frame that records the menus' messages and answers some of them as a test asks.
class CPopupTestFrame : public CMenuTestFrame
{
public:
    std::vector<UINT> m_commands;                 // ids of WM_COMMAND
    std::vector<UINT> m_sysCommands;              // ids of WM_SYSCOMMAND (swallowed)
    std::vector<UINT> m_messageStrings;           // WPARAM of WM_SETMESSAGESTRING
    std::vector<std::pair<int, int>> m_coverings; // kind and item of each covering notification
    int m_nMenuClosed = 0;
    int m_nMenuExpanded = 0;
    int m_nPrepared = 0;
    UINT m_nPrepareAnswer = 0; // flags set into the prepare record
    UINT m_nOwnerDrawCmd = 0;  // item the frame paints itself
    COLORREF m_clrOwnerDraw = RGB(0, 200, 0);
    std::function<void(UINT)> m_onCommand;       // runs on WM_COMMAND
    std::function<void()> m_onMenuClosed;        // runs on the closed notification
    std::function<void(UINT)> m_onMessageString; // runs on WM_SETMESSAGESTRING
    // Runs on the in-place edit creation message.
    std::function<void(CExtPopupMenuWnd::InplaceEditCreateData_t*)> m_onCreateInplaceEdit;

    // Every test command but ID_TEST_ENABLE_OFF is enabled.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A menu that counts its objects and records what the hooks hand it.
class CCountedPopup : public CExtPopupMenuWnd
{
public:
    static int s_nLive;
    std::vector<UINT> m_keys;
    int m_nMoves = 0;
    bool m_bEmptyPlacement = false;

    CCountedPopup() { ++s_nLive; }
    ~CCountedPopup() override { --s_nLive; }
    bool HandleKey(UINT nChar, UINT nRepCnt, UINT nFlags, bool& bPassOn) override
    {
        m_keys.push_back(nChar);
        return CExtPopupMenuWnd::HandleKey(nChar, nRepCnt, nFlags, bPassOn);
    }
    bool HandleMouseMove(UINT message, int x, int y, bool& bPassOn) override
    {
        ++m_nMoves;
        return CExtPopupMenuWnd::HandleMouseMove(message, x, y, bPassOn);
    }
    void CalcWindowRect(CRect& rcWindow) override
    {
        CExtPopupMenuWnd::CalcWindowRect(rcWindow);
        if (m_bEmptyPlacement)
            rcWindow.SetRectEmpty();
    }
};

class PopupTest : public MenuTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    CMenuTestFrame* NewFrame() override { return new CPopupTestFrame; }
    CPopupTestFrame& Recv() { return *(CPopupTestFrame*)m_pFrame; }

    // A counted menu of the commands (0: separator) bound to the frame.
    CCountedPopup* NewMenu(const std::vector<UINT>& ids);
    // A counted menu: Open, Save, a sub-menu "More" (Sub A, Sub B, a sub-menu "Deep" (Deep)), Exit.
    CCountedPopup* NewMenuWithSubMenus();
    // Client centre of an item.
    static CPoint ItemCenter(CExtPopupMenuWnd* pPopup, int nIndex);
    // A button-up (or -down) on an item, as the mouse hook hands it over.
    static bool ClickItem(CExtPopupMenuWnd* pPopup, int nIndex, UINT message = WM_LBUTTONUP);
    // Runs fn once from inside the next message loop (a thread timer), after the opening animation.
    static void RunInLoop(std::function<void()> fn);
    static CExtPopupMenuTrackingSite& Site() { return g_TrackingSite; }
    // Dispatches what is queued (paints, posted closes) without waiting.
    static void Pump();

public:
    // Set when the safety net had to cancel a loop that nothing ended.
    static bool s_bLoopStuck;
    static UINT_PTR s_nSafetyTimer;
};

// A top-most window filled with one colour, behind the menus. Tests that read the screen use the
// lower right part of it, away from the windows of tests that run beside them on the display.
class CSolidWindow
{
public:
    explicit CSolidWindow(COLORREF clr, const CRect& rc);
    ~CSolidWindow();
    HWND m_hWnd = nullptr;
    COLORREF m_clr;
};

// The screen pixel at a screen point.
COLORREF ScreenPixel(int x, int y);
// Reads the screen until pred holds; false when it does not within kInputWaitMs. The window system
// shows a window's painting on the screen a moment after the paint.
bool WaitForScreen(const std::function<bool()>& pred);
// Reads until the screen pixel is (or, with bEqual false, is no longer) the colour; false when it
// does not come within kInputWaitMs.
bool WaitForScreenPixel(int x, int y, COLORREF clr, bool bEqual = true);

// A screen pixel a test checks: the colour it shows, or (bEqual false) a colour it does not show.
struct ScreenCheck
{
    CPoint pt;
    COLORREF clr;
    bool bEqual;
};
// Reads the checks' pixels until every one holds, at most kInputWaitMs; the pixels last read, in the
// checks' order, for the test to assert on.
std::vector<COLORREF> ReadScreenUntilShown(const std::vector<ScreenCheck>& checks);
// The pixel at a screen point as the window painted it on its own surface (its window DC), whether or
// not the screen shows it yet.
COLORREF WindowPixel(HWND hWnd, const CPoint& ptScreen);
