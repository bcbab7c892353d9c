// CExtDynAutoHideSlider: the frame's child window in which an auto-hidden bar slides out from its area's edge. It
// holds the bar's content window while out, draws the bar's caption and caption buttons, can be resized at its
// inner edge, and sees the thread's mouse through a WH_MOUSE hook while out. Sources: ExtDynAutoHideSlider.cpp
// (sliding, geometry, the hook, painting, timers), ExtDynAutoHideSliderTips.cpp (the caption buttons' tool tips).
#pragma once
#include "platform/ListCtrl.h"
#include "platform/Wnd.h"

class CExtControlBar;
class CExtBarNcAreaButton;
class CExtDynAutoHideArea;
class CFrameWnd;

class CExtDynAutoHideSlider : public CWnd
{
    DECLARE_DYNCREATE(CExtDynAutoHideSlider)
public:
    // Bits of m_bfFlags.
    enum : BYTE
    {
        kShown = 0x01,
        kFocusInside = 0x02,
        kCloseTimer = 0x04,
        kAnimating = 0x08,
    };
    enum : UINT_PTR
    {
        kTimerWatch = 1, // 100 ms while out
        kTimerClose = 2, // 500 ms close delay
    };
    enum : UINT
    {
        kWatchPeriod = 100,
        kClosePeriod = 500,
        kResizeNone = 1,
        kMinExtent = 20,     // the least thickness, and the resize margin
        kResizeStrip = 5,    // the inner edge's resize strip
        kBorder = 2,         // border on every side
        kInnerEdgeExtra = 3, // more border on the inner edge
    };
    static const wchar_t* const kWndClassName; // "Nimbal-AutohideSlider"
    // Animation: steps and the least time of a step (ms); 0 in either turns animation off.
    static int g_nAnimationSteps;
    static int g_nAnimationStepTime;

    CExtDynAutoHideSlider();
    ~CExtDynAutoHideSlider() override;

    // Creates the hidden slider as a child of the frame.
    bool Create(CFrameWnd* pFrame);
    // Slides the bar out (bShow) or the shown bar in.
    void SlideRun(CExtControlBar* pBar, bool bShow, bool bAnimate);

    // The bar shown, NULL while closed or once its window is gone.
    CExtControlBar* GetBar() const;
    CExtDynAutoHideArea* GetArea() const { return m_pArea; }
    bool IsShown() const { return (m_bfFlags & kShown) != 0; }
    bool IsAnimating() const { return (m_bfFlags & kAnimating) != 0; }
    bool IsResizing() const { return m_nResizeMode != kResizeNone; }
    bool IsFocusInside() const { return (m_bfFlags & kFocusInside) != 0; }
    const CRect& GetFreeRect() const { return m_rcFree; }
    // The frame's free client rectangle: the client area without dock bars and areas.
    static CRect CalcFreeRect(CFrameWnd* pFrame);
    // Non-client rectangles in window coordinates for a window of the size given: the client rectangle and the
    // caption strip (empty without a caption).
    void CalcNcRects(const CSize& sizeWnd, CRect& rcClient, CRect& rcCaption) const;
    // The non-client extent across the sliding direction (the thickness the content does not get).
    int CalcNcThickness() const;
    // The edge the area lies on: the area's tab orientation (0 top, 1 bottom, 2 left, 3 right).
    DWORD GetEdge() const;

    // The process-wide hook owner and hook.
    static CExtDynAutoHideSlider* g_pHookOwner;
    static HHOOK g_hMouseHook;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Answers -1 always: the caption button under the point sets its tip on the slider's own tip control.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // The tip text of a caption button shown in the slider (its kind's string resource, else the built-in text);
    // false for a kind that has none. The buttons answer no tip themselves while their bar is auto-hidden.
    static bool QueryButtonTipText(CExtBarNcAreaButton* pBtn, CString& sText);
    // The tip control over the slider, made when it first slides out; its one tool (id kTipToolId) is the last caption
    // button that set its tip.
    const CToolTipCtrl& GetTipCtrl() const { return m_wndToolTip; }
    CExtBarNcAreaButton* GetLastTipButton() const { return m_pLastTipBtn; }
    enum : UINT_PTR
    {
        kTipToolId = 1
    };

    bool m_bAutoDeleteSlider; // made by the frame-area set-up: the window deletes the object

protected:
    void PostNcDestroy() override;
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    void RemoveHook();
    // Hook handlers; true eats the message.
    bool OnHookMouseMove(const CPoint& ptScreen);
    bool OnHookButton(int nButton, bool bDown, const CPoint& ptScreen);
    // The caption button under a window point, NULL none.
    CExtBarNcAreaButton* ButtonAt(const CPoint& ptWnd) const;
    void ClearButtonStates();
    // The full rectangle (frame client coordinates) and its extent along the sliding direction.
    CRect CalcFullRect(int nThickness) const;
    // Places the slider at the share nExtent of the full rectangle, the content moving along.
    void PlaceStep(const CRect& rcFull, int nExtent, bool bFirst);
    void RunAnimation(const CRect& rcFull, bool bOut);
    void EndResizing();
    bool IsCursorOutside() const;
    // Sets the focus-inside flag from where the focus is; answers whether it changed.
    bool SyncFocusInside();
    void LayoutCaptionButtons();
    // Puts the tip of pBtn (NULL: none) on the tip control unless it is already there.
    void SetButtonTip(CExtBarNcAreaButton* pBtn);
    // Relays a mouse message to the tip control; the caption's non-client messages go as their client forms.
    void RelayToTip(const MSG* pMsg);

    CExtDynAutoHideArea* m_pArea; // not owned
    CExtControlBar* m_pBar;       // not owned; m_hWndBar tells whether it still exists
    HWND m_hWndBar;
    HWND m_hWndContent;
    CSize m_sizeInner;
    BYTE m_bfFlags;
    UINT m_nResizeMode;
    CPoint m_ptResizeStart;
    CExtBarNcAreaButton* m_pHoverBtn;
    CExtBarNcAreaButton* m_pPressedBtn;
    CExtBarNcAreaButton* m_pLastTipBtn;
    CRect m_rcFree;
    CToolTipCtrl m_wndToolTip;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
