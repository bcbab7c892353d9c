// CWnd: a window object attached to a window handle, with message-map dispatch, reflection of
// control notifications, the pre-translate tree, automatic tool tips and layout of child bars.
#pragma once
#include "platform/CmdTarget.h"
#include "platform/Geometry.h"
#include "platform/ThreadState.h"
#include <commctrl.h>
#include <shellapi.h>

// Function-like macros of the system headers that collide with member names.
#ifdef GetNextWindow
#undef GetNextWindow
#endif
#ifdef SubclassWindow
#undef SubclassWindow
#endif

class CDC;
class CMenu;
class CFont;
class CScrollBar;
class CFrameWnd;
class CDataExchange;
class CCreateContext;
class CWnd;

// m_hWnd of pWnd, or NULL for a null pointer. Kept out of line (noinline): inlined into a member
// call the compiler would drop the test, taking "this" for non-null.
__attribute__((noinline)) HWND AfxSafeHwnd(const CWnd* pWnd);

// m_nFlags bits
#define WF_TOOLTIPS         0x0001 // window is enabled for tool tips
#define WF_TEMPHIDE         0x0002 // window is temporarily hidden
#define WF_STAYDISABLED     0x0004 // window should stay disabled
#define WF_MODALLOOP        0x0008 // currently in a modal loop
#define WF_CONTINUEMODAL    0x0010 // modal loop should continue running
#define WF_OLECTLCONTAINER  0x0100
#define WF_TRACKINGTOOLTIPS 0x0400
#define WF_STAYACTIVE       0x0020
#define WF_NOPOPMSG         0x0040
#define WF_MODALDISABLE     0x0200
#define WF_KEEPMINIACTIVE   0x0800

// Tool-info flags of the layer's own (never passed to the tip control).
#ifndef TTF_NOTBUTTON
#define TTF_NOTBUTTON 0x80000000 // not a button: the tip centres on the tool
#endif
#ifndef TTF_ALWAYSTIP
#define TTF_ALWAYSTIP 0x40000000 // show the tip even when the top-level window is not active
#endif

// The first fields of TOOLINFO, all that OnToolHitTest implementations may count on.
struct AFX_OLDTOOLINFO
{
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPWSTR lpszText;
};

// RunModalLoop flags
#define MLF_NOIDLEMSG  0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// RepositionBars
#define reposDefault 0
#define reposQuery   1
#define reposExtra   2

// CalcWindowRect
#define adjustBorder  0
#define adjustOutside 1

// Layout offered to each child bar in WM_SIZEPARENT (lParam points at it).
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // deferred positions, NULL when only asking for the size
    RECT rect;      // the rectangle still free: each bar takes its part from it
    SIZE sizeTotal; // total size taken by the bars (query without stretch)
    BOOL bStretch;  // bars stretch to fill the parent's width or height
};

// Moves a child within a RepositionBars pass (deferred when a batch exists).
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    HWND m_hWnd;
    HWND m_hWndOwner; // owner set with SetOwner (NULL: the parent)
    UINT m_nFlags;
    WNDPROC m_pfnSuper; // procedure of the window before we subclassed it
    int m_nModalResult;

    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    CWnd();
    explicit CWnd(HWND hWnd); // wraps hWnd without mapping it (used for wndTop and friends)
    virtual ~CWnd();

    // Both answer NULL for a null object pointer (pWnd->GetSafeHwnd() with pWnd == NULL).
    operator HWND() const { return AfxSafeHwnd(this); }
    HWND GetSafeHwnd() const { return AfxSafeHwnd(this); }
    bool operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    bool operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    // ---- window maps ----------------------------------------------------------------------
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    // ---- creation and destruction ---------------------------------------------------------
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                          int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);

    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // ---- message processing --------------------------------------------------------------
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    BOOL PreTranslateInput(LPMSG lpMsg);
    BOOL IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessageW(m_hWnd, lpMsg); }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
    static const MSG* PASCAL GetCurrentMessage();
    virtual BOOL IsFrameWnd() const;
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);
    virtual int RunModalLoop(DWORD dwFlags = 0);
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // ---- command UI and layout -----------------------------------------------------------
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                                BOOL bOnlyPerm);
    // The same (deep, to the layer's windows only) to those whose message maps handle the message.
    void SendMessageToDescendantHandlers(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool HandlesInMessageMap(UINT message) const;

    // ---- tool tips -----------------------------------------------------------------------
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    BOOL EnableTrackingToolTips(BOOL bEnable = TRUE);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    static void PASCAL CancelToolTips(BOOL bKeys = FALSE);
    void FilterToolTipMessage(MSG* pMsg);
    static HWND PASCAL GetToolTipWindow(); // the thread's shared tool-tip control, or NULL

    // ---- family --------------------------------------------------------------------------
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    static CWnd* PASCAL GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm);
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    CWnd* GetTopWindow() const;
    CWnd* GetLastActivePopup() const;
    BOOL IsChild(const CWnd* pWnd) const;
    CWnd* ChildWindowFromPoint(POINT point) const;
    CWnd* ChildWindowFromPoint(POINT point, UINT nFlags) const;
    static CWnd* PASCAL WindowFromPoint(POINT point);
    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* PASCAL GetForegroundWindow();
    BOOL SetForegroundWindow();
    static CWnd* PASCAL GetCapture();
    CWnd* SetCapture();
    static CWnd* PASCAL GetFocus();
    CWnd* SetFocus();
    static CWnd* PASCAL GetDesktopWindow();
    static CWnd* PASCAL FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName);
    // The owner for a modal window: pParent's (or the main window's) top-level window, its last
    // active popup when no parent is given. With pWndTop, a top-level window other than the owner
    // is disabled and returned there (the caller enables it again).
    static CWnd* PASCAL GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);
    static HWND PASCAL GetSafeOwner_(HWND hParent, HWND* pWndTop);
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;

    // ---- styles, text, identity ----------------------------------------------------------
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    LONG_PTR GetWindowLongPtr(int nIndex) const { return ::GetWindowLongPtrW(m_hWnd, nIndex); }
    LONG_PTR SetWindowLongPtr(int nIndex, LONG_PTR dwNewLong) { return ::SetWindowLongPtrW(m_hWnd, nIndex, dwNewLong); }

    // ---- geometry ------------------------------------------------------------------------
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
    int GetWindowRgn(HRGN hRgn) const;
    void BringWindowToTop();

    // ---- state ---------------------------------------------------------------------------
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL IsWindow() const { return ::IsWindow(AfxSafeHwnd(this)); }
    BOOL FlashWindow(BOOL bInvert);
    BOOL IsTopParentActive() const;
    void ActivateTopParent();

    // ---- painting ------------------------------------------------------------------------
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(HRGN hRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void ValidateRgn(HRGN hRgn);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void UpdateWindow();
    // Paint requests while hidden: a window not on screen (it or a parent hidden) is painted whole when it shows,
    // so nothing asks it for a paint meanwhile; these ask only of a window on screen and answer whether it is.
    // (A control's own paint left out for a themed one keeps its update region: that is no paint request.)
    BOOL IsOnScreen() const;
    // The client area invalidated (bErase as Invalidate's) and, with bUpdateNow, painted at once.
    BOOL InvalidateIfOnScreen(BOOL bErase, BOOL bUpdateNow);
    // RedrawWindow of the whole window with its flags.
    BOOL RedrawIfOnScreen(UINT flags);
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    CDC* GetDC();
    CDC* GetWindowDC();
    CDC* GetDCEx(HRGN hrgnClip, DWORD flags);
    int ReleaseDC(CDC* pDC);
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint);
    void Print(CDC* pDC, DWORD dwFlags) const;
    void PrintClient(CDC* pDC, DWORD dwFlags) const;
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);

    // ---- timers, messages ----------------------------------------------------------------
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // ---- menus ---------------------------------------------------------------------------
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // ---- dialog items --------------------------------------------------------------------
    void CheckDlgButton(int nIDButton, UINT nCheck);
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);

    // ---- scrolling -----------------------------------------------------------------------
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    int GetScrollLimit(int nBar);
    void DragAcceptFiles(BOOL bAccept = TRUE);

protected:
    // ---- message handlers: the default of each passes the message on (Default) --------------
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnMove(int x, int y);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    void OnMButtonDown(UINT nFlags, CPoint point);
    void OnMButtonUp(UINT nFlags, CPoint point);
    void OnMButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnMouseHover(UINT nFlags, CPoint point);
    void OnMouseLeave();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnCaptureChanged(CWnd* pWnd);
    void OnCancelMode();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    BOOL OnNcActivate(BOOL bActive);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcRButtonDown(UINT nHitTest, CPoint point);
    void OnNcRButtonUp(UINT nHitTest, CPoint point);
    void OnNcRButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcMButtonDown(UINT nHitTest, CPoint point);
    void OnNcMButtonUp(UINT nHitTest, CPoint point);
    void OnNcMButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnClose();
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnSysColorChange();
    void OnDisplayChange(UINT nImageDepth, int cxScreen, int cyScreen);
    LRESULT OnThemeChanged();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnInitMenu(CMenu* pMenu);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    UINT OnGetDlgCode();
    void OnEnable(BOOL bEnable);
    void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    void OnTimeChange();
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL bEnding);
    void OnDropFiles(HDROP hDropInfo);
    void OnParentNotify(UINT message, LPARAM lParam);
    BOOL OnQueryNewPalette();
    void OnPaletteChanged(CWnd* pFocusWnd);
    HCURSOR OnQueryDragIcon();
    BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    void OnChildActivate();
    void OnUpdateUIState(UINT nAction, UINT nUIElement);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    DECLARE_MESSAGE_MAP()

private:
    void DetachAfterNcDestroy();
    void HandleActivate(WPARAM nState, HWND hWndOther);
    BOOL HandleSetCursorOnDisabled(UINT nHitTest, UINT nMsg);
    friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
    friend class CHandleMap<CWnd>;
};

// The object still attached to hWnd: pWnd while that window exists with it attached, else NULL (the window went,
// and the object with it, while a handler ran). Steps that move windows keep a handle and ask this afterwards.
template <class T> T* StillAttached(HWND hWnd, T* pWnd)
{
    if (hWnd == nullptr || !::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != pWnd)
        return nullptr;
    return pWnd;
}

// The window procedure of every window with an object of the layer.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
WNDPROC AfxGetAfxWndProc();

// Window creation: the next window created on this thread is attached to pWnd before it sees
// any message. AfxUnhookWindowCreate answers FALSE when no window took the object.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

// Window classes.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);
BOOL AfxRegisterClass(WNDCLASS* lpWndClass);
extern const wchar_t* const _afxWnd; // default class of CWnd::Create

// Sets a window's text only when it differs (no flicker).
void AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);
// The whole text of a window.
CString PlatformWindowText(HWND hWnd);
// The text of an item of a list box or combo box, given the messages for its length and text;
// empty for an item that is not there.
CString PlatformListItemText(HWND hWnd, UINT nGetLenMsg, UINT nGetTextMsg, int nIndex);

// Parent or owner: the parent of a child window, the owner of a popup.
HWND AfxGetParentOwner(HWND hWnd);

// Tool-tip texts returned through TOOLINFO::lpszText by OnToolHitTest are heap strings that the
// layer frees with free() after registering the tool; this helper makes such a copy.
LPTSTR AfxAllocToolTipText(LPCTSTR lpszText);

// ---- window message map entries ---------------------------------------------------------------
#define AFX_WM_ENTRY(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_MSG_CAST(type, &ThisClass::fn)},

#define ON_WM_CREATE()         AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE()       AFX_WM_ENTRY(WM_NCCREATE, AfxSig_bs, BOOL (CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY()        AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY()      AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_SIZE()           AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_SIZING()         AFX_WM_ENTRY(WM_SIZING, AfxSig_vwpr, void (CWnd::*)(UINT, LPRECT), OnSizing)
#define ON_WM_MOVE()           AFX_WM_ENTRY(WM_MOVE, AfxSig_vii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_PAINT()          AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_ERASEBKGND()     AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_TIMER()          AFX_WM_ENTRY(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_LBUTTONDOWN()    AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()      AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()  AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()    AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP()      AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()  AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()    AFX_WM_ENTRY(WM_MBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP()      AFX_WM_ENTRY(WM_MBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK()  AFX_WM_ENTRY(WM_MBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEMOVE()      AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL()     AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEHOVER()     AFX_WM_ENTRY(WM_MOUSEHOVER, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseHover)
#define ON_WM_MOUSELEAVE()     AFX_WM_ENTRY(WM_MOUSELEAVE, AfxSig_vv, void (CWnd::*)(), OnMouseLeave)
#define ON_WM_SETCURSOR()      AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_vWl, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_CANCELMODE()     AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, void (CWnd::*)(), OnCancelMode)
#define ON_WM_KEYDOWN()        AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP()          AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_SYSKEYDOWN()     AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP()       AFX_WM_ENTRY(WM_SYSKEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_CHAR()           AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSCHAR()        AFX_WM_ENTRY(WM_SYSCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SETFOCUS()       AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vWw, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS()      AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vWw, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_ACTIVATE()       AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_vwWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP()    AFX_WM_ENTRY(WM_ACTIVATEAPP, AfxSig_vbh, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_NCACTIVATE()     AFX_WM_ENTRY(WM_NCACTIVATE, AfxSig_bb, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_NCCALCSIZE()                                                                                             \
    AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSig_vbn, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCPAINT()       AFX_WM_ENTRY(WM_NCPAINT, AfxSig_vv, void (CWnd::*)(), OnNcPaint)
#define ON_WM_NCHITTEST()     AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_lp, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()   AFX_WM_ENTRY(WM_NCLBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK()                                                                                        \
    AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_ENTRY(WM_NCRBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP()   AFX_WM_ENTRY(WM_NCRBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK()                                                                                        \
    AFX_WM_ENTRY(WM_NCRBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_WM_ENTRY(WM_NCMBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP()   AFX_WM_ENTRY(WM_NCMBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMButtonUp)
#define ON_WM_NCMBUTTONDBLCLK()                                                                                        \
    AFX_WM_ENTRY(WM_NCMBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_WINDOWPOSCHANGING()                                                                                      \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                                                       \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO()  AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMMI, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SHOWWINDOW()     AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_CLOSE()          AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_CONTEXTMENU()    AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_SYSCOMMAND()     AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_SETTINGCHANGE()  AFX_WM_ENTRY(WM_SETTINGCHANGE, AfxSig_vws, void (CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_vv, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_DISPLAYCHANGE()                                                                                          \
    AFX_WM_ENTRY(WM_DISPLAYCHANGE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnDisplayChange)
#define ON_WM_THEMECHANGED() AFX_WM_ENTRY(WM_THEMECHANGED, AfxSig_lv, LRESULT (CWnd::*)(), OnThemeChanged)
#define ON_WM_CTLCOLOR()     AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM()     AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vDRAWITEM, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                                            \
    AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMEASUREITEM, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DELETEITEM()                                                                                             \
    AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_vDELETEITEM, void (CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_COMPAREITEM()                                                                                            \
    AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_iCOMPAREITEM, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_HSCROLL()  AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwx, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL()  AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwx, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_INITMENU() AFX_WM_ENTRY(WM_INITMENU, AfxSig_vM, void (CWnd::*)(CMenu*), OnInitMenu)
#define ON_WM_INITMENUPOPUP()                                                                                          \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT()    AFX_WM_ENTRY(WM_MENUSELECT, AfxSig_vwwh, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_ENTERMENULOOP() AFX_WM_ENTRY(WM_ENTERMENULOOP, AfxSig_vb, void (CWnd::*)(BOOL), OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP()  AFX_WM_ENTRY(WM_EXITMENULOOP, AfxSig_vb, void (CWnd::*)(BOOL), OnExitMenuLoop)
#define ON_WM_ENTERIDLE()     AFX_WM_ENTRY(WM_ENTERIDLE, AfxSig_vwW, void (CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_MOUSEACTIVATE()                                                                                          \
    AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_iWww, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_ENABLE()     AFX_WM_ENTRY(WM_ENABLE, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_STYLECHANGING()                                                                                          \
    AFX_WM_ENTRY(WM_STYLECHANGING, AfxSig_viSS, void (CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanging)
#define ON_WM_STYLECHANGED()                                                                                           \
    AFX_WM_ENTRY(WM_STYLECHANGED, AfxSig_viSS, void (CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_TIMECHANGE()      AFX_WM_ENTRY(WM_TIMECHANGE, AfxSig_vv, void (CWnd::*)(), OnTimeChange)
#define ON_WM_QUERYENDSESSION() AFX_WM_ENTRY(WM_QUERYENDSESSION, AfxSig_bv, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_ENDSESSION()      AFX_WM_ENTRY(WM_ENDSESSION, AfxSig_vb, void (CWnd::*)(BOOL), OnEndSession)
#define ON_WM_DROPFILES()       AFX_WM_ENTRY(WM_DROPFILES, AfxSig_vHDROP, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_PARENTNOTIFY()    AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_QUERYNEWPALETTE() AFX_WM_ENTRY(WM_QUERYNEWPALETTE, AfxSig_bv, BOOL (CWnd::*)(), OnQueryNewPalette)
#define ON_WM_PALETTECHANGED()  AFX_WM_ENTRY(WM_PALETTECHANGED, AfxSig_vWw, void (CWnd::*)(CWnd*), OnPaletteChanged)
#define ON_WM_QUERYDRAGICON()   AFX_WM_ENTRY(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR (CWnd::*)(), OnQueryDragIcon)
#define ON_WM_COPYDATA()        AFX_WM_ENTRY(WM_COPYDATA, AfxSig_bWCDS, BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*), OnCopyData)
#define ON_WM_CHILDACTIVATE()   AFX_WM_ENTRY(WM_CHILDACTIVATE, AfxSig_vv, void (CWnd::*)(), OnChildActivate)
#define ON_WM_UPDATEUISTATE()   AFX_WM_ENTRY(WM_UPDATEUISTATE, AfxSig_vww, void (CWnd::*)(UINT, UINT), OnUpdateUIState)
#define ON_WM_MDIACTIVATE()     AFX_WM_ENTRY(WM_MDIACTIVATE, AfxSig_vbWW, void (CWnd::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)
#define ON_WM_HELPINFO()        AFX_WM_ENTRY(WM_HELPINFO, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)

// Reflected messages, handled by the control itself.
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    AFX_WM_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, HBRUSH(CWnd::*)(CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM_REFLECT()                                                                                       \
    AFX_WM_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_vDRAWITEM_R, void(CWnd::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                                    \
    AFX_WM_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_vMEASUREITEM_R, void(CWnd::*)(LPMEASUREITEMSTRUCT),          \
                 MeasureItem)
#define ON_WM_DELETEITEM_REFLECT()                                                                                     \
    AFX_WM_ENTRY(WM_DELETEITEM + WM_REFLECT_BASE, AfxSig_vDELETEITEM_R, void(CWnd::*)(LPDELETEITEMSTRUCT), DeleteItem)
#define ON_WM_COMPAREITEM_REFLECT()                                                                                    \
    AFX_WM_ENTRY(WM_COMPAREITEM + WM_REFLECT_BASE, AfxSig_iCOMPAREITEM_R, int(CWnd::*)(LPCOMPAREITEMSTRUCT),           \
                 CompareItem)
#define ON_WM_HSCROLL_REFLECT()                                                                                        \
    AFX_WM_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vww, void(CWnd::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT()                                                                                        \
    AFX_WM_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vww, void(CWnd::*)(UINT, UINT), VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                                   \
    AFX_WM_ENTRY(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_vwl, void(CWnd::*)(UINT, LPARAM), ParentNotify)
