#include "platform/Platform.h"
#include "platform/View.h"
#include "platform/Dialog.h"
#include "platform/DialogHook.h"
#include "platform/DialogTemplate.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)
IMPLEMENT_DYNAMIC(CFormView, CScrollView)

// ------------------------------------------------------------------------------------- CView

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, HandleInitialUpdate)
END_MESSAGE_MAP()

CView::CView() {}

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    if (cs.style & WS_BORDER)
    {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    // Views live on the heap and go with their window.
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame != nullptr && pParentFrame->GetActiveView() != this)
        pParentFrame->SetActiveView(this);
    return nResult;
}

LRESULT CView::HandleInitialUpdate(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    (void)pSender;
    (void)lHint;
    (void)pHint;
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    (void)pActivateView;
    (void)pDeactiveView;
    if (bActivate && IsTopParentActive())
        SetFocus();
}

void CView::OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd)
{
    (void)nState;
    (void)pFrameWnd;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_pDocument != nullptr)
        return m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return FALSE;
}

// ------------------------------------------------------------------------------- CScrollView

const SIZE CScrollView::sizeDefault = {0, 0};

BEGIN_MESSAGE_MAP(CScrollView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CScrollView::CScrollView() {}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_pageDev = sizePage;
    m_lineDev = sizeLine;
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalLog.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalLog.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    if (m_hWnd != nullptr)
    {
        UpdateBars();
        Invalidate(TRUE);
    }
}

CPoint CScrollView::GetScrollPosition() const { return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)); }

void CScrollView::UpdateBars()
{
    if (m_hWnd == nullptr)
        return;
    CRect rc;
    GetClientRect(&rc);
    // The client size without bars decides whether a bar is needed.
    DWORD style = GetStyle();
    if (style & WS_VSCROLL)
        rc.right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        rc.bottom += GetSystemMetrics(SM_CYHSCROLL);
    bool needH = m_totalLog.cx > rc.Width();
    bool needV = m_totalLog.cy > rc.Height();
    // Each bar gets only what differs from its state: every change is a call into the window system.
    SetBarRange(SB_HORZ, needH ? m_totalLog.cx - 1 : 0, needH ? (UINT)rc.Width() : 0);
    SetBarRange(SB_VERT, needV ? m_totalLog.cy - 1 : 0, needV ? (UINT)rc.Height() : 0);
    style = GetStyle(); // a new range may have shown or hidden a bar itself
    if (((style & WS_HSCROLL) != 0) != needH)
        ShowScrollBar(SB_HORZ, needH);
    if (((style & WS_VSCROLL) != 0) != needV)
        ShowScrollBar(SB_VERT, needV);
}

void CScrollView::SetBarRange(int nBar, int nMax, UINT nPage)
{
    SCROLLINFO si = {sizeof si};
    si.fMask = SIF_PAGE | SIF_RANGE;
    if (::GetScrollInfo(m_hWnd, nBar, &si) && si.nMin == 0 && si.nMax == nMax && si.nPage == nPage)
        return;
    si.nMin = 0;
    si.nMax = nMax;
    si.nPage = nPage;
    SetScrollInfo(nBar, &si, TRUE);
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint old = GetScrollPosition();
    SetScrollPos(SB_HORZ, pt.x);
    SetScrollPos(SB_VERT, pt.y);
    CPoint now = GetScrollPosition();
    if (now != old)
        ScrollWindow(old.x - now.x, old.y - now.y);
}

void CScrollView::OnPrepareDC(CDC* pDC)
{
    if (pDC == nullptr)
        return;
    CPoint pos = GetScrollPosition();
    ::SetViewportOrgEx(pDC->GetSafeHdc(), -pos.x, -pos.y, nullptr);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_nMapMode != 0)
        UpdateBars();
}

void CScrollView::OnScroll(int nBar, UINT nSBCode)
{
    SCROLLINFO si = {sizeof si};
    si.fMask = SIF_ALL;
    GetScrollInfo(nBar, &si);
    int pos = si.nPos;
    int line = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int page = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    switch (nSBCode)
    {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    default: return;
    }
    CPoint pt = GetScrollPosition();
    if (nBar == SB_HORZ)
        pt.x = pos;
    else
        pt.y = pos;
    ScrollToPosition(pt);
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    (void)nPos;
    if (pScrollBar == nullptr)
        OnScroll(SB_HORZ, nSBCode);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    (void)nPos;
    if (pScrollBar == nullptr)
        OnScroll(SB_VERT, nSBCode);
}

// --------------------------------------------------------------------------------- CFormView

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
ON_WM_CREATE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

LPCTSTR CFormView::FormViewClass()
{
    static const wchar_t* const name = L"PlatformFormView";
    static bool registered = false;
    if (!registered)
    {
        WNDCLASSW wc = {};
        wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = ::DefDlgProcW;
        wc.cbWndExtra = DLGWINDOWEXTRA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = name;
        registered = ::RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return name;
}

CFormView::CFormView(LPCTSTR lpszTemplateName)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_lpszTemplateName = lpszTemplateName;
    else
    {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    }
}

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)) {}

BOOL CFormView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwRequestedStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    (void)lpszClassName;
    (void)lpszWindowName;
    CREATESTRUCT cs = {};
    if (dwRequestedStyle == 0)
        dwRequestedStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
    cs.style = dwRequestedStyle;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    CDialogTemplate dlgTemplate;
    if (!PreCreateWindow(cs) || !dlgTemplate.Load(m_lpszTemplateName))
    {
        // No window will ever come to delete the view: it goes now, as after a failed creation.
        PostNcDestroy();
        return FALSE;
    }
    // The form is always a child window without caption or frame of its own.
    {
        DLGTEMPLATE* t = (DLGTEMPLATE*)dlgTemplate.m_hTemplate;
        DWORD* pStyle = CDialogTemplate::IsDialogEx(t) ? &((DWORD*)t)[3] : &t->style;
        *pStyle = (*pStyle & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME | WS_VISIBLE |
                               WS_BORDER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) |
                  WS_CHILD;
        if (!(*pStyle & DS_SETFONT))
            dlgTemplate.SetSystemFont();
        // A class of its own: the form is a view, not a dialog box ("#32770").
        dlgTemplate.SetClassName(FormViewClass());
    }

    m_pCreateContext = pContext;
    BOOL attached = FALSE;
    HWND hWnd =
        PlatformCreateDlgIndirect(this, (LPCDLGTEMPLATE)dlgTemplate.m_hTemplate,
                                  pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, hInst, (LPARAM)pContext, &attached);
    m_pCreateContext = nullptr;
    if (!attached)
    {
        PostNcDestroy();
        return FALSE;
    }
    if (hWnd == nullptr)
        return FALSE;

    SetDlgCtrlID((int)nID);
    CRect rectTemplate;
    GetWindowRect(&rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());

    // List and combo box strings of the template's dialog-init data.
    HRSRC hInit = ::FindResourceW(hInst, m_lpszTemplateName, RT_DLGINIT);
    if (hInit != nullptr)
    {
        HGLOBAL hRes = LoadResource(hInst, hInit);
        if (hRes != nullptr && !PlatformExecuteDlgInit(this, LockResource(hRes), SizeofResource(hInst, hInit)))
            return FALSE;
    }

    ModifyStyle(WS_BORDER | WS_CAPTION, cs.style & (WS_BORDER | WS_CAPTION));
    ModifyStyleEx(WS_EX_CLIENTEDGE, cs.dwExStyle & WS_EX_CLIENTEDGE);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (dwRequestedStyle & WS_VISIBLE)
        ShowWindow(SW_NORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs)
{
    // The dialog creation cannot carry the create context: it comes from the member.
    if (m_pCreateContext != nullptr)
        lpcs->lpCreateParams = m_pCreateContext;
    return CView::OnCreate(lpcs);
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    if (m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus))
    {
        ::SetFocus(m_hWndFocus);
        return;
    }
    HWND hFirst = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (hFirst != nullptr)
        ::SetFocus(hFirst);
    else
        CView::OnSetFocus(pOldWnd);
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (!bActivate)
    {
        HWND hFocus = ::GetFocus();
        if (hFocus != nullptr && ::IsChild(m_hWnd, hFocus))
            m_hWndFocus = hFocus;
    }
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CView::PreTranslateMessage(pMsg))
        return TRUE;
    CFrameWnd* pFrameWnd = GetTopLevelFrame();
    if (pFrameWnd != nullptr && pFrameWnd->m_bHelpMode)
        return FALSE;
    // The frames' accelerators first: the dialog handling would eat them.
    pFrameWnd = GetParentFrame();
    while (pFrameWnd != nullptr)
    {
        if (pFrameWnd->PreTranslateMessage(pMsg))
            return TRUE;
        pFrameWnd = pFrameWnd->GetParentFrame();
    }
    if (::GetWindow(m_hWnd, GW_CHILD) == nullptr)
        return FALSE;
    return PreTranslateInput(pMsg);
}
