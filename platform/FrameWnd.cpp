// Frame windows: creation, views and documents, layout, title, prompts, idle updates and command
// routing. Control bars and docking: FrameWndDocking.cpp.
#include "platform/Platform.h"
#include "platform/FrameWnd.h"
#include <vector>
#include <algorithm>
#include "platform/View.h"
#include "platform/DocTemplate.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_ENABLE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() { AfxGetThreadState()->m_frameList.push_back(this); }

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        DestroyAcceleratorTable(m_hAccelTable);
    // Bars that outlive the frame forget it.
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr)
    {
        CControlBar* pBar = m_listControlBars.GetNext(pos);
        if (pBar->m_pDockSite == this)
            pBar->m_pDockSite = nullptr;
    }
    m_listControlBars.RemoveAll();
    std::vector<CFrameWnd*>& frames = AfxGetThreadState()->m_frameList;
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenuW(hInst, lpszMenuName); // a frame without its menu resource has no menu
    }
    m_strTitle = lpszWindowName;
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (rect.left == CW_USEDEFAULT)
        x = y = cx = cy = CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, hMenu, (LPVOID)pContext))
    {
        if (hMenu != nullptr)
            DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

LPCTSTR CFrameWnd::PrepareLoadFrame(UINT nIDResource)
{
    m_nIDHelp = nIDResource;
    CString full;
    if (full.LoadString(nIDResource))
    {
        int nl = full.Find(L'\n');
        m_strTitle = nl < 0 ? full : full.Left(nl);
    }
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(nIDResource), RT_GROUP_ICON);
    HICON hIcon = ::LoadIconW(hInst, MAKEINTRESOURCEW(nIDResource));
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), hIcon);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    return LoadFrameWithMenu(nIDResource, dwDefaultStyle, pParentWnd, pContext, MAKEINTRESOURCEW(nIDResource));
}

BOOL CFrameWnd::LoadFrameWithMenu(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext,
                                  LPCTSTR lpszMenuName)
{
    LPCTSTR lpszClass = PrepareLoadFrame(nIDResource);
    CString title = m_strTitle;
    if (!Create(lpszClass, title, dwDefaultStyle, rectDefault, pParentWnd, lpszMenuName, 0, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEW(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendantHandlers(WM_INITIALUPDATE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR);
    m_hAccelTable = ::LoadAcceleratorsW(hInst, lpszResourceName);
    return m_hAccelTable != nullptr;
}

HACCEL CFrameWnd::GetDefaultAccelerator() { return m_hAccelTable; }

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) { return OnCreateHelper(lpcs, (CCreateContext*)lpcs->lpCreateParams); }

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    // The idle prompt is the frame's message from the start: a status bar made later in the creation takes it
    // (CStatusBar::SetIndicators), so that the bar shows it at the frame's first show. Then the first layout.
    SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    (void)lpcs;
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
    {
        if (CreateView(pContext, AFX_IDW_PANE_FIRST) == nullptr)
            return FALSE;
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    CWnd* pView = PlatformCreateObjectAs<CWnd>(pContext->m_pNewViewClass);
    if (pView == nullptr)
        return nullptr;
    // A view that fails to create deletes itself (PostNcDestroy).
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr; // no active view while the old one is told
    if (pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = nullptr;
    if (GetActiveView() == nullptr)
    {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        {
            pView = (CView*)pWnd;
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible)
        SendMessageToDescendantHandlers(WM_INITIALUPDATE);
    // The title before the show: a frame shown first would draw its caption twice.
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
    if (bMakeVisible)
    {
        if (pView != nullptr)
            pView->OnActivateFrame(WA_INACTIVE, this);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this)
        {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1; // only once
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    const bool bWasVisible = IsWindowVisible() != FALSE;
    if (nCmdShow == -1)
    {
        if (!bWasVisible)
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    BringLastActivePopupToTop(nCmdShow, bWasVisible);
}

void CFrameWnd::BringLastActivePopupToTop(int nCmdShow, bool bWasVisible)
{
    if (nCmdShow == SW_HIDE || nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINNOACTIVE || nCmdShow == SW_SHOWNA ||
        nCmdShow == SW_SHOWNOACTIVATE)
        return;
    CWnd* pLast = GetLastActivePopup();
    if (pLast == nullptr)
        return;
    // The system puts the window it activates at the top of the window order.
    if (pLast == this && !bWasVisible && (GetStyle() & (WS_CHILD | WS_VISIBLE)) == WS_VISIBLE &&
        ::GetActiveWindow() == m_hWnd)
        return;
    pLast->BringWindowToTop();
}

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    (void)bNotify;
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    if (GetStyle() & FWS_SNAPTOBARS)
    {
        // The frame takes the size its bars ask for.
        CRect rect(0, 0, 32767, 32767);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
        CalcWindowRect(&rect);
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    }
    else
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    CRect rcClient;
    GetClientRect(&rcClient);
    m_sizeLaidOut = rcClient.Size();
    m_bInRecalcLayout = FALSE;
    if (m_nShowDelay != -1)
    {
        int nCmdShow = m_nShowDelay;
        m_nShowDelay = -1;
        ShowWindow(nCmdShow);
    }
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    m_nIdleFlags |= idleMenu;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
    if (hMenu != nullptr && ::GetMenu(m_hWnd) != hMenu && !(GetStyle() & WS_CHILD))
        ::SetMenu(m_hWnd, hMenu);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString text;
    CString window;
    if (m_nWindow > 0)
        window.Format(L":%d", m_nWindow);
    if (GetStyle() & FWS_PREFIXTITLE)
    {
        if (lpszDocName != nullptr)
        {
            text += lpszDocName;
            text += window;
            text += L" - ";
        }
        text += m_strTitle;
    }
    else
    {
        text += m_strTitle;
        if (lpszDocName != nullptr)
        {
            text += L" - ";
            text += lpszDocName;
            text += window;
        }
    }
    AfxSetWindowText(m_hWnd, text);
}

CString CFrameWnd::PromptOf(UINT nID)
{
    CString text;
    if (nID != 0 && text.LoadString(nID))
    {
        int nl = text.Find(L'\n');
        if (nl >= 0)
            text = text.Left(nl);
    }
    return text;
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const { rMessage = PromptOf(nID); }

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    m_strMessageText = lpszText ? lpszText : L"";
    if (CWnd* pMessageBar = GetMessageBar())
    {
        pMessageBar->SetWindowText(m_strMessageText);
        pMessageBar->UpdateWindow();
    }
}

void CFrameWnd::SetMessageText(UINT nID)
{
    CString message;
    GetMessageString(nID, message);
    SetMessageText(message);
    m_nIDLastMessage = nID;
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    m_nFlags &= ~WF_NOPOPMSG;
    CString message;
    if (lParam != 0)
        message = (LPCTSTR)lParam;
    else if (wParam != 0)
        GetMessageString((UINT)wParam, message);
    SetMessageText(message);
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    if (m_nFlags & WF_NOPOPMSG)
        return 0;
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    (void)hSysMenu;
    if (nFlags == 0xFFFF)
    {
        // The menu closed: back to the idle prompt (or the help-mode prompt).
        m_nFlags &= ~WF_NOPOPMSG;
        m_nIDTracking = m_bHelpMode ? AFX_IDS_HELPMODEMESSAGE : AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
    }
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4);
    else
        m_nIDTracking = nItemID;
    if (m_nIDTracking != m_nIDLastMessage && GetParent() != nullptr)
        PostMessage(WM_KICKIDLE);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    (void)pWho;
    if (nWhy != MSGF_MENU || m_nIDTracking == m_nIDLastMessage)
        return;
    SetMessageText(m_nIDTracking);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (m_nIdleFlags & idleMenu)
    {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(m_hMenuAlt);
    }
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout)
    {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
    return 0;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
{
    (void)nIndex;
    if (bSysMenu || pMenu == nullptr)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = pMenu->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0)
            continue; // separator
        if (state.m_nID == (UINT)-1)
        {
            // A sub-menu follows the state of its first item; never disabled automatically.
            state.m_pSubMenu = pMenu->GetSubMenu(state.m_nIndex);
            if (state.m_pSubMenu == nullptr || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, TRUE);
        }
        else
        {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // Handlers may have added or removed items.
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && pMenu->GetMenuItemID(state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document), then the frame, then the application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return FALSE;
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // In help mode a menu command only ends the mode.
    if (m_bHelpMode && lParam == 0 && LOWORD(wParam) != ID_HELP && LOWORD(wParam) != ID_DEFAULT_HELP &&
        LOWORD(wParam) != ID_CONTEXT_HELP)
    {
        m_bHelpMode = FALSE;
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

CFrameWnd* CFrameWnd::FamilyFrameOf(HWND hWnd)
{
    CFrameWnd* pTop = hWnd != nullptr
                          ? DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(::GetAncestor(hWnd, GA_ROOT)))
                          : nullptr;
    return pTop != nullptr ? pTop->GetFamilyFrame() : nullptr;
}

BOOL CFrameWnd::OfferKeyToControlBars(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_KEYUP && pMsg->message != WM_SYSKEYDOWN &&
        pMsg->message != WM_SYSKEYUP)
        return FALSE;
    // The frame's own keys take its window procedure (and the hooks on it); keys of other top-level windows are
    // not the frame's, but for its floating frames, whose keys are the frame's keys as they are in its docked bars.
    if (pMsg->hwnd == m_hWnd || (!::IsChild(m_hWnd, pMsg->hwnd) && FamilyFrameOf(pMsg->hwnd) != this))
        return FALSE;
    // A bar on the way up to the frame passes the message to its owner frame too: each frame offers a key once
    // (an MDI child frame and the main frame each offer it to their own bars).
    static HWND s_hWndLastFrame = nullptr;
    static MSG s_lastOffered = {};
    if (s_hWndLastFrame == m_hWnd && s_lastOffered.hwnd == pMsg->hwnd && s_lastOffered.message == pMsg->message &&
        s_lastOffered.wParam == pMsg->wParam && s_lastOffered.lParam == pMsg->lParam &&
        s_lastOffered.time == pMsg->time)
        return FALSE;
    s_hWndLastFrame = m_hWnd;
    s_lastOffered = *pMsg;
    std::vector<CControlBar*> bars;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
        bars.push_back(m_listControlBars.GetNext(pos));
    for (CControlBar* pBar : bars)
    {
        // A bar handling a key may destroy another one.
        if (m_listControlBars.Find(pBar) == nullptr || pBar->GetSafeHwnd() == nullptr)
            continue;
        if (pBar->PreTranslateFrameKey(pMsg))
            return TRUE;
    }
    return FALSE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (OfferKeyToControlBars(pMsg))
        return TRUE;
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

void CFrameWnd::OnClose()
{
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        // Closing the main window closes every document; the application then ends.
        CDocManager* pManager = pApp->m_pDocManager;
        if (pDocument == nullptr && pManager != nullptr && !pManager->SaveAllModified())
            return;
        if (pManager != nullptr)
            pManager->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == nullptr)
        {
            ::PostQuitMessage(0);
            return;
        }
    }
    if (pDocument != nullptr && pDocument->m_bAutoDelete)
    {
        // The last frame of a document closes the document instead.
        BOOL bOtherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != nullptr)
        {
            CView* pView = pDocument->GetNextView(pos);
            if (pView->GetParentFrame() != this)
            {
                bOtherFrame = TRUE;
                break;
            }
        }
        if (!bOtherFrame)
        {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    DestroyDockBars();
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    // The loop ends in OnNcDestroy, once the children are gone: what they do on their way out
    // (the view's exit save and its error box) still runs with a live message loop.
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    // Frames live on the heap and go with their window.
    delete this;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED)
        m_sizeLaidOut = CSize(-1, -1);
    // A size message that leaves the client area as the last layout filled it (the first show of a frame laid out
    // while hidden) changes nothing to lay out.
    else if (CSize(cx, cy) != m_sizeLaidOut || (m_nIdleFlags & idleLayout) != 0)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // The view covers the client area.
    if (m_pViewActive != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->GetSafeHwnd() != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    // The activation comes before the focus moves: at the deactivation the focus is still where the user left it.
    const HWND hFocus = ::GetFocus();
    const HWND hKept = KeptFocus();
    if (nState == WA_INACTIVE && ::IsChild(m_hWnd, hFocus))
        m_hWndFocusKept = hFocus;
    if (nState != WA_INACTIVE && !bMinimized && hKept != nullptr)
        ::SetFocus(hKept);
    else
        CWnd::OnActivate(nState, pWndOther, bMinimized);
    // Windows gives a frame activated while minimized no focus, and its restore gives the active frame the focus,
    // which its WM_SETFOCUS passes on. Wine gives the minimized frame itself the focus, which no child can take then
    // (SetFocus refuses a window within a minimized one), and sends the activation again right after the restore (a
    // plain frame 16 of 16), where the default's SetFocus of a window that has the focus sends no WM_SETFOCUS: a frame
    // still holding the keys itself then passes them on.
    if (nState != WA_INACTIVE && !bMinimized && ::GetFocus() == m_hWnd && m_pViewActive != nullptr &&
        m_pViewActive->GetSafeHwnd() != nullptr)
        m_pViewActive->SetFocus();
    CView* pActiveView = GetActiveView();
    if (pActiveView != nullptr && !bMinimized)
        pActiveView->OnActivateFrame(nState, this);
}

HWND CFrameWnd::KeptFocus() const
{
    const HWND hKept = m_hWndFocusKept;
    return hKept != nullptr && ::IsChild(m_hWnd, hKept) && ::IsWindowVisible(hKept) && ::IsWindowEnabled(hKept)
               ? hKept
               : nullptr;
}

void CFrameWnd::BeginModalState()
{
    if (m_cModalStack++ == 0)
        EnableWindow(FALSE);
}

void CFrameWnd::EndModalState()
{
    if (m_cModalStack > 0 && --m_cModalStack == 0)
        EnableWindow(TRUE);
}

BOOL CFrameWnd::OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    (void)nID;
    TOOLTIPTEXTW* pTTT = (TOOLTIPTEXTW*)pNMHDR;
    // The tool's id is the command id; for a window tool, the window's control id.
    UINT_PTR nCmdID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND)
        nCmdID = (UINT)(WORD)::GetDlgCtrlID((HWND)nCmdID);
    m_strToolTipText.Empty();
    if (nCmdID != 0) // 0: a separator
    {
        CString full;
        if (full.LoadString((UINT)nCmdID))
        {
            // "prompt\ntip": the tip is the second part.
            int nl = full.Find(L'\n');
            if (nl >= 0)
            {
                m_strToolTipText = full.Mid(nl + 1);
                int nl2 = m_strToolTipText.Find(L'\n');
                if (nl2 >= 0)
                    m_strToolTipText = m_strToolTipText.Left(nl2);
            }
        }
    }
    // The frame keeps the text until the next request: no length limit.
    pTTT->lpszText = const_cast<LPWSTR>((LPCWSTR)m_strToolTipText);
    pTTT->szText[0] = 0;
    pTTT->hinst = nullptr;
    *pResult = 0;
    // The tip shows above everything, floating bars included.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}
