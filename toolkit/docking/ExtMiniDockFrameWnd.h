// CExtMiniDockFrameWnd: the floating frame of toolkit bars: platform caption and sizing border
// replaced by its own, painted through the paint manager, with its own hit test, resize loop,
// the bar's caption buttons in its caption, timers and tool tips. Its parts: ExtMiniDockFrameWnd.cpp (creation,
// geometry, painting, timers, tool tips), ExtMiniDockFrameWndMouse.cpp (the pointer and the resize loop),
// ExtMiniDockFrameOwnerFollow.cpp (following the top-level window), and CExtOriginPutBack (Wine's move to the origin).
#pragma once
#include "platform/ListCtrl.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/Geometry.h"
#include "toolkit/docking/ExtOriginPutBack.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CExtControlBar;

class CExtMiniDockFrameWnd : public CMiniDockFrameWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtMiniDockFrameWnd)
public:
    CExtMiniDockFrameWnd();
    ~CExtMiniDockFrameWnd() override;

    enum : UINT_PTR
    {
        kTimerLayoutButtons = 1,
        kTimerCaptionHover = 2,
        kTimerButtonsHover = 4
    };

    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL Create(CWnd* pParent, DWORD dwBarStyle, LPCRECT lpPlace = nullptr) override;
    // Lays out the bar it holds, whose caption buttons are made then if no size message came with the bar in.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // Made around a bar of this toolkit, the frame is as large as its layout makes it around the bar's floating size.
    CRect CalcRectAround(CPoint ptPlace, CControlBar* pBar, DWORD dwBarStyle) override;
    // The window rectangle at ptPlace of a frame around one bar sizeBar large in a row along bHorz, as its layout
    // and its size limit (the work area) make it.
    static CRect RectAround(CPoint ptPlace, CSize sizeBar, BOOL bHorz);

    // Brings the floating frame of the bar to the top without activating it: the window that has the keyboard
    // keeps it. A bar that does not float is left alone.
    static void BringFloatingFrameToTop(CControlBar* pBar);

    // The floating frames a top-level window owns follow it: while it is hidden (in the tray) or minimized they are
    // not shown when asked, and those shown are hidden; when it is shown again they show above it, without
    // activation, in the order they were asked or lay; they take its band (topmost or not) with it. The dock
    // site's top-level window is followed from its docking set-up on.
    static void FollowTopLevel(CFrameWnd* pDockSite);
    // The same, and until that window is first shown not minimized, its floating frames wait too (a frame shown
    // before its owner ends below it once the owner shows). Called as a stored state is read.
    static void HoldShowsUntilFirstShow(CFrameWnd* pDockSite);
    // Whether the frame is to show and waits for its owner to be shown (a state saved meanwhile has it shown).
    bool IsWaitingForOwnerShow() const;
    // A window manager offered the frame the focus (Wine's press on its menu): it has not marked the frame as
    // asking for attention.
    void NoteFocusOffer();

    void ResizeLoop(UINT nHitTest, CPoint ptScreen);
    void ResizeStep(CPoint ptScreen);
    void EndResize();
    void UpdateCaptionButtonHover(CPoint ptScreen);
    // The text of the only visible resizable bar of a floating container; false when empty.
    bool GetContainerCaption(CString& sText) const;
    CControlBar* GetFloatingBar() const;
    CExtControlBar* GetFloatingExtBar() const;
    bool IsResizing() const { return m_nResizingHitTest != 0; }

    // The caption rectangle, window coordinates; empty until the frame lays itself out.
    const CRect& GetCaptionRect() const { return m_rcFrameCaption; }

    CToolTipCtrl m_wndToolTip;
    CRect m_rcCaptionButton; // room of one caption button at the caption's right end
    BYTE m_bCaptionButtonHover;
    CRect m_rcFrameCaption;
    CPoint m_ptResizePrev;
    int m_nResizingHitTest; // border code while the resize loop runs, 0 otherwise
    CRect m_rcResizeStart;
    CExtOriginPutBack m_originPutBack; // puts the frame back at its place after Wine's move to the origin

protected:
    // The work area of the monitor the window is on.
    static CRect WorkAreaOf(CWnd* pWnd);
    // A screen point in the window's coordinates.
    static CPoint WindowPoint(CWnd* pWnd, CPoint ptScreen);
    // Removes the platform caption, sizing border and edges whenever they come back.
    void StripStyles();
    void PaintNcArea();
    void LayoutCaption(int cx, int cy);
    // A show of the frame asked while its owner is not shown joins the waiting frames, a hide leaves them; true
    // when the show is to be held.
    bool HoldShow(bool bShow);

    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnBackFromOrigin(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
