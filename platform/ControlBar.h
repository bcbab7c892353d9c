// The control-bar base: a window docked along a frame's side or floating in a tool frame.
#pragma once
#include "platform/Wnd.h"

class CFrameWnd;
class CDockBar;
class CDockContext;
class CControlBarInfo;

// Bar styles (CControlBar::m_dwStyle; apart from the window style)
#define CBRS_FLOATING      0x0001L
#define CBRS_SIZE_FIXED    0x0002L
#define CBRS_SIZE_DYNAMIC  0x0004L
#define CBRS_HIDE_INPLACE  0x0008L
#define CBRS_TOOLTIPS      0x0010L
#define CBRS_FLYBY         0x0020L
#define CBRS_FLOAT_MULTI   0x0040L
#define CBRS_BORDER_3D     0x0080L
#define CBRS_BORDER_LEFT   0x0100L
#define CBRS_BORDER_TOP    0x0200L
#define CBRS_BORDER_RIGHT  0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY    0x0F00L
#define CBRS_ALIGN_LEFT    0x1000L
#define CBRS_ALIGN_TOP     0x2000L
#define CBRS_ALIGN_RIGHT   0x4000L
#define CBRS_ALIGN_BOTTOM  0x8000L
#define CBRS_ALIGN_ANY     0xF000L
#define CBRS_ORIENT_HORZ   (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT   (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_GRIPPER       0x00400000L
#define CBRS_LEFT          (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP           (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT         (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM        (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Tool-bar button styles (kept by the buttons of tool bars)
#define TBBS_SEPARATOR     0x00000001L
#define TBBS_CHECKBOX      0x00000002L
#define TBBS_CHECKED       0x00010000L
#define TBBS_PRESSED       0x00020000L
#define TBBS_DISABLED      0x00040000L
#define TBBS_HIDDEN        0x00080000L
#define TBBS_INDETERMINATE 0x00100000L

// Layout modes of CalcDynamicLayout
#define LM_STRETCH  0x01
#define LM_HORZ     0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY  0x20
#define LM_COMMIT   0x40

// Fly-by prompt timers of a bar
#define ID_TIMER_WAIT  0xE000 // resting on a tool shows its prompt
#define ID_TIMER_CHECK 0xE001 // leaving the bar restores the idle prompt

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    virtual ~CControlBar();

    // ---- style -----------------------------------------------------------------------------
    // Bar style bits (CBRS_*), kept apart from the window style.
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }

    // ---- docking -----------------------------------------------------------------------------
    // Sides (CBRS_ALIGN_*) the bar may dock on, CBRS_FLOAT_MULTI; makes the dock context once.
    void EnableDocking(DWORD dwDockStyle);
    BOOL IsFloating() const;
    // False while a hide is pending; true while a show is pending or when the window is visible.
    BOOL IsVisible() const;
    virtual BOOL IsDockBar() const { return FALSE; }
    // The frame the bar docks in: its parent frame, or for a floating bar that frame's parent frame.
    CFrameWnd* GetDockingFrame() const;

    // ---- layout ------------------------------------------------------------------------------
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // The client rectangle less the borders (exchanged for a vertical bar) and the edges drawn.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // Marks the bar to be shown or hidden at the next layout.
    void DelayShow(BOOL bShow);
    // Applies a pending show or hide (within the layout batch when there is one). Answers whether
    // the bar is now visible.
    virtual BOOL RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

    // ---- commands and drawing ----------------------------------------------------------------
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);

    // ---- saved state --------------------------------------------------------------------------
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void PostNcDestroy() override;
    // A key message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP) of a window inside the bar's frame other
    // than the frame itself, offered by the frame before it is dispatched; TRUE: handled, not dispatched.
    virtual BOOL PreTranslateFrameKey(MSG* pMsg);

    // A bar whose parent is a frame takes it as dock site and enters its control-bar list.
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);

    enum StateFlags
    {
        delayHide = 1,
        delayShow = 2,
        tempHide = 4
    };

    BOOL m_bAutoDelete = FALSE; // delete the object after WM_NCDESTROY
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 1;
    int m_cyBottomBorder = 1;
    int m_nMRUWidth = 32767; // the last floating width of a dynamic bar
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;                // sides the bar may dock on
    CFrameWnd* m_pDockSite = nullptr;       // the frame the bar docks in (not owned)
    CDockBar* m_pDockBar = nullptr;         // the dock bar holding it, NULL when none (not owned)
    CDockContext* m_pDockContext = nullptr; // owned; made by EnableDocking
    UINT m_nStateFlags = 0;

protected:
    void LeaveDockSite();
    // The one rule for a bar's command owner, the window its commands and their states go to wherever it docks or
    // floats later: the frame it is made for. Decided once (an owner set before stays): its parent, or its dock site
    // when its parent is a dock bar (a bar the stored state docks is made in the site's dock bar).
    void DecideCommandOwner();
    // Fly-by prompt: the tool under the cursor (-1 none) and the frame that shows the prompt.
    void UpdateFlyBy(MSG* pMsg);
    // The fly-by prompt step for the tool hit at the cursor (-1 none): timer 0xE000 before a prompt
    // shows, 0xE001 while one is shown.
    void UpdateFlyByHit(int nHit);
    void SetStatusPrompt(int nHit);
    CFrameWnd* GetPromptFrame() const;

    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_nFlyByHit = -1; // tool whose prompt is pending or shown
    BOOL m_bFlyByShown = FALSE;
};
