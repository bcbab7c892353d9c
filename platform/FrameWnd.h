// Frame windows: the client view made through a create context, layout of the bars and the
// view, the status-bar prompt, the title, idle updates and command routing to the view, the
// document and the application.
#pragma once
#include "platform/Collections.h"
#include "platform/ControlBar.h"
#include "platform/Wnd.h"
#include "res/platform_ids.h"
#include <vector>

#ifndef afx_msg
#define afx_msg
#endif

class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;
class CControlBar;
class CDockBar;
class CMiniDockFrameWnd;

// What a frame needs to make its view: the view class, the document and its template.
class CCreateContext
{
public:
    CCreateContext() {}
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Frame styles (in the low bits of the creation style)
#define FWS_ADDTOTITLE  0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS  0x00002000L

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    virtual ~CFrameWnd();

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Menu, icon, accelerators and title (first part of string nIDResource) from resources.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Views and documents
    virtual CDocument* GetActiveDocument();
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CFrameWnd* GetActiveFrame() { return this; }
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // Layout: bars around, the view (AFX_IDW_PANE_FIRST) in what is left.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE) { m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0)); }
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    void DelayUpdateFrameMenu(HMENU hMenuAlt);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);

    // Title
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // Status-bar prompt
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    virtual CWnd* GetMessageBar();
    // The text the frame last showed as its prompt (also without a status bar).
    const CString& GetLastMessageText() const { return m_strMessageText; }

    // Control bars: the bars register themselves in m_listControlBars.
    CControlBar* GetControlBar(UINT nID);
    // Shows or hides the bar now or (bDelay) at the next layout; a floating bar's frame shows
    // with its first visible bar and hides with its last.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // Takes pBar out of the control-bar list of every frame of the thread.
    static void RemoveFromAllLists(CControlBar* pBar);

    // Docking: dock bars along the sides (top, bottom, left, right: ids and styles).
    static const DWORD dwDockBarMap[4][2];
    // Creates the missing dock bars of the sides in dwDockStyle (CBRS_ALIGN_*).
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar into the dock bar nDockBarID (0: the first side the bar may dock on) by the
    // screen rectangle lpRect, or as a new last row.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats pBar in a floating frame at the screen point; a bar alone in one only moves it.
    // A floating frame that cannot be made leaves the bar where it was.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // A new hidden floating frame of m_pFloatingFrameClass, made at lpPlace (see
    // CMiniDockFrameWnd::Create), or at its top-left around pFor (see CalcRectAround); throws the
    // resource exception on failure.
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle, LPCRECT lpPlace = nullptr,
                                                   CControlBar* pFor = nullptr);

    // Modal state of the frame while a modal window of the application runs.
    virtual void BeginModalState();
    virtual void EndModalState();
    BOOL InModalState() const { return m_cModalStack != 0; }

    virtual BOOL IsFrameWnd() const override { return TRUE; }
    virtual HACCEL GetDefaultAccelerator();
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    // Offers a key message of a window inside the frame (not the frame's own) or inside a floating frame of its bars
    // to the control bars first (CControlBar::PreTranslateFrameKey); TRUE when one handled it.
    BOOL OfferKeyToControlBars(MSG* pMsg);
    // The frame of the family this frame belongs to: itself, or for a floating frame its dock site, whose keys are
    // the family's.
    virtual CFrameWnd* GetFamilyFrame() { return this; }
    // The family frame of the window's top-level frame; null when that is no frame of this thread.
    static CFrameWnd* FamilyFrameOf(HWND hWnd);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };
    UINT m_nIdleFlags = 0;
    BOOL m_bAutoMenuEnable = TRUE;
    BOOL m_bHelpMode = FALSE;
    BOOL m_bInRecalcLayout = FALSE;
    CSize m_sizeLaidOut = CSize(-1, -1); // the client size the last layout filled; none since a minimize
    int m_nWindow = -1;                  // number of this frame's window (for "Doc:2" titles), -1 none
    HMENU m_hMenuDefault = nullptr;
    HMENU m_hMenuAlt = nullptr;
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;
    UINT m_nIDTracking = 0;    // prompt of the menu item under the cursor
    UINT m_nIDLastMessage = 0; // prompt shown last
    CView* m_pViewActive = nullptr;
    CRect m_rectBorder;                                  // space the bars leave for the view (set by RecalcLayout)
    CList<CControlBar*, CControlBar*> m_listControlBars; // the frame's control bars (not owned)
    CRuntimeClass* m_pFloatingFrameClass = nullptr;      // class of floating frames (EnableDocking)
    int m_nShowDelay = -1;                               // SW_ command the next layout applies to the frame, -1 none
    int m_cModalStack = 0;
    CString m_strTitle;
    HWND m_hWndFocusKept = nullptr; // the control inside this frame that had the keys when it was last deactivated
    // Floating frames this frame disabled with itself: enabled again with it (handles, as a frame may go meanwhile).
    std::vector<HWND> m_floatingDisabled;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual void PostNcDestroy() override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void UpdateFrameTitleText(LPCTSTR lpszDocName);
    // Text of string nID before the first line break.
    static CString PromptOf(UINT nID);
    // The first part of LoadFrame: help id, and title from string nIDResource (before its first
    // line break); answers a window class with the resource's icon.
    LPCTSTR PrepareLoadFrame(UINT nIDResource);
    // LoadFrame with the window's menu from lpszMenuName, or none when it is null.
    BOOL LoadFrameWithMenu(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext,
                           LPCTSTR lpszMenuName);
    // Destroys the floating frames of this frame's bars, then its dock bars.
    void DestroyDockBars();
    // The control that had the keys at the frame's last deactivation, while it can take them again; else nullptr.
    HWND KeptFocus() const;
    // After the frame's show with nCmdShow: its last active popup to the top of the window order, unless that is
    // the frame itself and the show, from hidden (bWasVisible false), activated it, which put it there.
    void BringLastActivePopupToTop(int nCmdShow, bool bWasVisible);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    // At its deactivation the frame keeps the control that has the keys; at its activation (after a dialog or box it
    // owns, by a click, from another program) it gives them back to it, as a dialog does.
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // Disables the enabled floating frames it owns with the frame (a modal box blocks them too) and
    // enables again those it disabled.
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // Caps, Num and Scroll Lock indicators: enabled while the key is toggled.
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    // Text of a tool tip asked for with LPSTR_TEXTCALLBACK: the part after the first line feed
    // of the command's string ("prompt\ntip").
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    CString m_strMessageText;
    CString m_strToolTipText; // the last tool-tip text handed out
    friend class CView;
    friend class CDocTemplate;
};
