// CExtControlBar: the base of every toolkit bar, with its dock-side tests.
#pragma once
#include "platform/ControlBar.h"
#include "toolkit/bars_tabs/ExtMouseCaptureSink.h"

class CFrameWnd;

class CExtControlBar : public CControlBar, public CExtMouseCaptureSink
{
    DECLARE_DYNAMIC(CExtControlBar)
public:
    CExtControlBar();
    ~CExtControlBar() override;

    // Command-state updates of the bar's items; none in the base.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // ---- dock-side tests (static: they answer for the bar given) ------------------------------
    // Control id of the bar's dock bar (0xE81B top, 0xE81C left, 0xE81D right, 0xE81E bottom);
    // 0xE81F when floating or when the parent is not a dock bar.
    static UINT GetDockBarId(const CControlBar* pBar);
    // Top or bottom; without a dock site the alignment bits of the bar style decide.
    static bool IsDockedHorizontally(const CControlBar* pBar);
    // Left or right; without a dock site the alignment bits of the bar style decide.
    static bool IsDockedVertically(const CControlBar* pBar);
    // On any of the four dock bars (true without a dock site).
    static bool IsDocked(const CControlBar* pBar);
    // Not docked and having a parent frame.
    static bool IsFloating(const CControlBar* pBar);

    // ---- frame helpers (ExtControlBarFrameMessages.cpp) --------------------------------------
    // Shows the command's status tip (0xE001: the idle prompt) in the frame of pWnd.
    static void SetFrameMessageString(CWnd* pWnd, UINT nID);
    // Whether the frame of pWnd, or a frame above it past mini frames, is in context-help mode.
    static bool IsFrameInHelpMode(CWnd* pWnd);
    // Command-manager status tips in the frame's status bar (on from the start).
    static bool g_bUseCmdManagerForSetMessageString;

    enum : UINT
    {
        kDockBarTop = 0xE81B,
        kDockBarLeft = 0xE81C,
        kDockBarRight = 0xE81D,
        kDockBarBottom = 0xE81E,
        kDockBarFloat = 0xE81F
    };
};
