// CExtToolControlBar: the toolkit's tool bar. Sources: ExtToolControlBar.cpp (class record, statics,
// buttons and commands), ExtToolControlBarLayout.cpp (sizes, wrapping, button positions),
// ExtToolControlBarPaint.cpp (painting, row rectangles, group backgrounds), ExtToolControlBarMouse.cpp
// (hover, capture, clicks, menu tracking, tips, help loop).
//
// The bar owns an ordered array of bar buttons; the chevron (a CExtBarContentExpandButton), when
// there is one, is always the last. The frame's layout asks CalcFixedLayout / CalcDynamicLayout,
// which choose the wrap points (SizeToolBar, WrapToolBar) and measure (CalcSize); WM_SIZE and
// RequestFrameLayout place the buttons (RecalcButtonPositions), hiding what does not fit behind a
// displayed chevron. Mouse messages are hit-tested to a button, which answers through its
// OnHover / OnClick / TrackButtonMenu; while a button's popup menu is open (g_bMenuTracking) a move
// onto another menu button opens that button's menu instead.
#pragma once
#include "platform/CmdTarget.h"
#include "platform/Collections.h"
#include "platform/Geometry.h"
#include "toolkit/docking/ExtControlBar.h"
#include <utility>
#include <vector>

class CDC;
class CFont;
class CExtBarButton;
class CExtBarContentExpandButton;
class CWnd;

class CExtToolControlBar : public CExtControlBar
{
    DECLARE_DYNCREATE(CExtToolControlBar)
public:
    // Bar flags (m_nBarFlags).
    enum : BYTE
    {
        kBarFlagPanelsMenu = 0x01, // the chevron's popup also offers the frame's show/hide menu of bars
        kBarFlagPanelMode = 0x02,  // set only by the panel bar: no chevron, no wrapping, no menu tracking
        kBarFlagBit2 = 0x04        // clear from construction; the Office 2003 band gradient where no dock bar decides
    };
    // Layout flags (m_nLayoutFlags).
    enum : BYTE
    {
        kLayoutWrapped = 0x01,   // the last size calculation broke the buttons into more than one row
        kLayoutInProgress = 0x02 // guards the chevron re-layout of CalcLayout against recursion
    };
    enum : int
    {
        kOrientHorzDocked = 0,
        kOrientVertDocked = 1,
        kOrientFloating = 2,
        kNoLimit = 32767,     // a length without limit in the wrapping
        kSeparatorExtent = 6, // a separator's extent across the row
        kNoDockSiteGrowth = 4 // a bar without dock site grows by this
    };
    enum : UINT_PTR
    {
        kTimerDelayedLayout = 1092 // the delayed frame layout after a size change
    };

    // The command-UI record of one button: m_nID the button's command id, m_nIndex its index,
    // m_nIndexMax the bar's button count, m_pOther the bar. Does nothing for the chevron.
    class CExtToolControlBarCmdUI : public CCmdUI
    {
    public:
        void Enable(BOOL bOn = TRUE) override;
        void SetCheck(int nCheck = 1) override;
        void SetRadio(BOOL bOn = TRUE) override;
        void SetText(LPCTSTR lpszText) override;

    protected:
        CExtToolControlBar* GetBar() const;
        // The button at m_nIndex unless it is the chevron; null otherwise.
        CExtBarButton* GetButton() const;
        void SetCheckStyle(int nCheck);
    };

    // The row rectangles of the tool bar holding a child window, painted behind the child.
    class GroupBkgndRects
    {
    public:
        GroupBkgndRects();
        ~GroupBkgndRects();
        // Finds the tool bar holding pChild and its row rectangles; false when there are none.
        bool Collect(CWnd* pChild);
        // Bar client coordinates to the child's client or window coordinates.
        void ToClient();
        void ToWindow();
        // Paints each collected rectangle visible in the DC.
        void Paint(CDC& dc);

        CArray<CRect, const CRect&> m_arrRects;
        CArray<int, int> m_arrButtonIndices;
        CExtToolControlBar* m_pToolBar = nullptr; // not owned
        CFrameWnd* m_pFloatingFrame = nullptr;    // not owned
        CWnd* m_pChild = nullptr;                 // not owned
    };

    CExtToolControlBar();
    ~CExtToolControlBar() override;

    // ---- statics ---------------------------------------------------------------------------------
    // A button's popup menu of some tool bar (or the menu bar's menu) is being tracked.
    static bool g_bMenuTracking;
    // The tracking was started from the keyboard.
    static bool g_bKeyboardTracking;
    static bool g_bLargeIcons;
    static bool g_bShowScreenTips;
    static bool g_bShowShortcutKeysInScreenTips;
    // Set while the help-mode loop runs.
    static bool g_bHelpModeLoop;
    static CSize g_sizeDefaultButton; // 23 x 22
    // "CExtToolControlBar::g_nMsgTrackButtonMenu": WPARAM button index, LPARAM non-zero for a keyboard selection.
    static const UINT g_nMsgTrackButtonMenu;
    // "CExtToolControlBar::g_nMsgContinueTrackMenu": a button opens its drop-down menu (LPARAM
    // non-zero: with the first item selected) and answers 1.
    static const UINT g_nMsgContinueTrackMenu;

    // Clears the menu-tracking flag, resets every tool bar's tracked button and cancels the open popup menu.
    static void CloseTrackingMenus();
    // Context-help loop for a bar's button: a command id, 0x1EF00 + system command, or -3.
    static int DoHelpModeLoop(CExtToolControlBar* pBar);
    // Paints the tracked button under its open popup menu (pCookie: the bar).
    static void PaintTrackedButtonCallback(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea);

    // ---- buttons and commands --------------------------------------------------------------------
    int GetButtonsCount() const { return (int)m_buttons.GetSize(); }
    // The button at nIndex; null outside the buttons.
    CExtBarButton* GetButton(int nIndex) const;
    CExtBarButton* GetButtonPtr(int nIndex) const;
    int GetButtonIndex(const CExtBarButton* pButton) const;
    // Whether the bar still holds the button that had nSerial (CExtBarButton::GetSerial) when it was taken:
    // a button deleted inside a loop is not mistaken for a new one at its address. pButton is not read.
    bool HoldsButton(const CExtBarButton* pButton, UINT nSerial) const;
    CExtBarContentExpandButton* GetRightButton() const { return m_pRightBtn; }
    void RemoveAllButtons();
    bool LoadToolBar(UINT nResourceID, COLORREF clrTransparent = RGB(192, 192, 192));
    bool SetButtons(const UINT* pIDs = nullptr, int nCount = 0);
    // nIndex -1 appends (before the chevron); any other negative index or one above the count fails.
    bool InsertButton(int nIndex = -1, UINT nCmdID = 0, bool bRecalc = true);
    bool RemoveButton(int nIndex, bool bRecalc = true);
    UINT GetButtonID(int nIndex) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    bool SetButtonMenu(int nIndex, HMENU hMenu, bool bPopupMenu = true, bool bOwnMenu = true, bool bRecalc = true);
    bool MarkButtonAsMdiWindowsMenu(int nIndex, bool bOn = true);
    bool IsContentExpandButton(int nIndex) const;
    void InvalidateButton(int nIndex);
    void UpdateButtonCmdUI(int nIndex);
    int FindButtonByAccelChar(wchar_t ch) const;
    int GetNextVisibleButton(int nIndex, bool bForward, bool bSkipDisabled = false) const;
    void SetTrackedButton(int nIndex);
    int GetMenuTrackingButton() const { return m_nBtnIdxMenuTracking; }
    // 0 docked horizontally, 1 docked vertically, 2 floating, without window or in dialog mode.
    int GetLayoutOrientation() const;
    // The button under the point; -1 none. Skips invisible and hidden buttons and those lacking
    // any bit of nIncludeStyle or having a bit of nExcludeStyle.
    int HitTestButtonImpl(CPoint point, UINT nIncludeStyle = 0, UINT nExcludeStyle = 0) const;
    bool UpdateHoverButton(CPoint point = CPoint(-1, -1));
    // Row rectangles and the index of each row's last button, stored in pCollector and painted into
    // pDC (each when given).
    void PaintButtonGroups(GroupBkgndRects* pCollector, CDC* pDC);
    // Whether the button is skipped by every loop: TBBS_HIDDEN, or a separator before a hidden button.
    bool IsButtonHiddenByStyle(int nIndex) const;
    CSize CalcMinSizeFor(bool bHorizontal) const;
    // Invalidates and paints the bar at once while it is on screen.
    void RepaintIfShown();

    // ---- overrides of the control bar, in the base's slot order ----------------------------------
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) override;
    void DoPaint(CDC* pDC) override;
    bool IsFullRowBar() const override;
    CSize CalcMinSize() const override;
    OuterRowPlacement_t* GetOuterRowPlacement() override;
    void SetOuterRowPlacement(const OuterRowPlacement_t& placement) override;
    bool IsRowThicknessShared() const override;
    void RequestFrameLayout() override;
    bool IsLiveDragMode() const override;
    void UpdateDragState(const POINT& ptScreen, bool bCtrl) override;
    void UpdateCursorAt(const POINT& ptClient) override;
    bool IsDockTargetBar() const override;
    bool IsMarkerDockingAllowed() const override;
    void ToggleDocking() override;
    int HitTestItem(CPoint ptClient) const override;
    bool ProcessMouseMove(UINT nFlags, CPoint ptClient) override;

    // ---- the tool bar's own virtual operations, in slot order -------------------------------------
    virtual bool GetButtonRect(int nIndex, CRect& rc) const;                                 // 1
    virtual bool IsLargeIcons() const;                                                       // 2
    virtual bool IsShowTips() const;                                                         // 3
    virtual bool IsShowTipAccelerators() const;                                              // 4
    virtual CExtBarButton* OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle = 0);              // 5
    virtual CExtBarContentExpandButton* OnCreateBarRightBtn();                               // 6
    virtual bool TrackButtonMenu(int nIndex, bool bSelectAny = false, bool bDelayed = false, // 7
                                 bool bKeyboard = false);
    virtual void RecalcButtonPositions();                          // 8
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;   // 9
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1);      // 10
    virtual CSize CalcSize(bool bVertical);                        // 11
    virtual void SizeToolBar(int nLength, bool bVertical = false); // 12
    virtual int WrapToolBarVertically(int nHeight);                // 13
    virtual int WrapToolBar(int nWidth, int nHeight = kNoLimit);   // 14
    virtual CSize GetDefaultButtonSize() const;                    // 15
    virtual bool IsRightButtonDisplayed() const;                   // 16
    virtual CFont* GetToolBarFont(bool bVertical = false) const;   // 17
    virtual int HitTestButton(CPoint point) const;                 // 18

    // ---- fields (in declaration order) -----------------------------------------------------------
    CExtBarContentExpandButton* m_pRightBtn;          // the chevron (also the last of m_buttons), or null
    CArray<CExtBarButton*, CExtBarButton*> m_buttons; // owned
    BYTE m_nBarFlags;                                 // kBarFlag*
    OuterRowPlacement_t m_outerRowPlacement;
    BYTE m_nLayoutFlags;            // kLayout*
    int m_nBtnIdxMenuTracking = -1; // button whose menu is open; -1 none
    int m_nBtnIdxCapture = -1;      // button pressed with the mouse captured; -1 none
    int m_nBtnIdxHover = -1;        // button under the mouse; -1 none

protected:
    // Where the buttons stood before a placement pass: InvalidateMoved repaints the bar when a button was
    // shown, hidden or moved since, so that nothing the old placement painted stays on the screen.
    class CPlacementRecord
    {
    public:
        explicit CPlacementRecord(const CExtToolControlBar& bar);
        void InvalidateMoved(CExtToolControlBar& bar) const;

    private:
        std::vector<std::pair<const CExtBarButton*, CRect>> m_shown; // the visible buttons and their rectangles
    };

    // Whether the bar (window) is still alive and holds pButton at nIndex.
    bool IsButtonAt(int nIndex, const CExtBarButton* pButton) const;
    bool IsBarWindowAlive(HWND hWndBar) const;
    // Deletes a button taken out of the array, first taking it out of the chevron's hidden list.
    void DeleteButton(CExtBarButton* pButton);
    // The extents and rows of the buttons as the present wrap bits give them (CalcSize's walk).
    bool IsVerticalLayout() const;
    bool IsHorizontalPaint() const;
    // The dock bar's client extent on the main axis (the parent's when there is no dock bar).
    CRect GetDockBarClientRect() const;
    // The chevron's extent on the main axis when it is displayed, else 0.
    int GetChevronExtent(bool bVertical);
    void PaintSeparatorAt(CDC& dc, int nIndex, const CRect& rcClient, int nChevronEdge);
    // The bar's painting, the button texts drawn in the given background mode (TRANSPARENT for tool bars).
    void PaintBar(CDC* pDC, int nTextBkMode);
    // Help-mode pump step: false when the loop must end with -3.
    static bool PumpHelpMessage(CExtToolControlBar* pBar, int& nResult, bool& bDone);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnTrackButtonMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
