// The tool-bar test host: a frame with toolkit docking (and its floating frame), a bound command
// profile, a view pane and a tool bar loaded from the test resource of 30 buttons; a tool bar that
// shows its chevron; command and command-UI records; helpers for input scripts and captured pixels.
#pragma once
#include <functional>
#include <map>
#include <vector>
#include "platform/FrameWnd.h"
#include "tests/support/InputScript.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "ToolBarTestIds.h"

class CExtPaintManager;
extern const wchar_t* const kToolBarHostProfile;

// A tool bar that displays its chevron while docked, as the menu bar does.
class CChevronToolBar : public CExtToolControlBar
{
public:
    bool m_bShowChevron = true;
    bool IsRightButtonDisplayed() const override;
};

class CToolBarHostFrame : public CFrameWnd
{
public:
    CToolBarHostFrame();
    ~CToolBarHostFrame() override;
    // Installs the paint manager (the base one for null), creates the hidden frame with the size
    // given, binds the profile, sets up toolkit docking and docks the loaded tool bar at the top.
    bool CreateHost(CExtPaintManager* pPM = nullptr, int cx = 900, int cy = 480, bool bVisible = false);
    // The index of the button with the command id; -1 none.
    int IndexOf(UINT nCmdID) const;
    // Sets the tool-bar text of a command of the host's profile.
    static void SetToolbarText(UINT nCmdID, LPCTSTR pszText);

    CChevronToolBar m_wndToolBar;
    CWnd m_wndView;
    // Commands that reached the frame, in order.
    std::vector<UINT> m_arrCommands;
    // Command-UI answers of the frame's update handler for the ids given: Enable (0/1), SetCheck
    // (0/1/2) or SetRadio (0/1); ids not listed get no answer.
    std::map<UINT, int> m_mapEnable, m_mapCheck, m_mapRadio;
    // Called once inside the next command, then cleared.
    std::function<void()> m_fnOnCommand;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnTestCommand(UINT nID);
    afx_msg void OnUpdateTestCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// ---- helpers ----------------------------------------------------------------------------------------------
// The centre of the button in screen coordinates.
CPoint ButtonCenterOnScreen(CExtToolControlBar& bar, int nIndex);
// Mouse messages sent to the bar at a client point.
void SendBarMouse(CWnd& bar, UINT message, CPoint ptClient, WPARAM wParam = 0);
// The bar's client painted by its DoPaint into a 32-bit top-down DIB (pixels 0x00RRGGBB).
std::vector<DWORD> CaptureClient(CExtToolControlBar& wnd, int& cx, int& cy);
