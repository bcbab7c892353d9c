// CExtResizablePropertySheet: the deferred set-up, page anchoring, wizard navigation, keys and
// command routing of the resizable sheet; CButtonInSheetHook.
#include "toolkit/menus_dialogs/ExtResizablePropertySheet.h"
#include "platform/WinThread.h"

IMPLEMENT_DYNCREATE(CExtResizablePropertySheet, CExtResPS)
BEGIN_MESSAGE_MAP(CExtResizablePropertySheet, CExtResPS)
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

// ---- button hook -----------------------------------------------------------------------------

CExtResizablePropertySheet::CButtonInSheetHook::CButtonInSheetHook() { ++g_nLive; }

CExtResizablePropertySheet::CButtonInSheetHook::~CButtonInSheetHook() { --g_nLive; }

void CExtResizablePropertySheet::CButtonInSheetHook::PostNcDestroy()
{
    CExtButton::PostNcDestroy();
    delete this;
}

// ---- sheet -----------------------------------------------------------------------------------

CExtResizablePropertySheet::CExtResizablePropertySheet() { m_nWsFlags |= kWsGripper; }

CExtResizablePropertySheet::~CExtResizablePropertySheet() { m_mapAnchors.RemoveAll(); }

void CExtResizablePropertySheet::AnchorPage(CPropertyPage* pPage)
{
    if (pPage == nullptr || pPage->GetSafeHwnd() == nullptr)
        pPage = GetActivePage();
    HWND hWndPage = pPage != nullptr ? pPage->GetSafeHwnd() : nullptr;
    RDI_t rdi;
    if (hWndPage != nullptr && ::IsWindow(hWndPage) && !m_mapAnchors.Lookup(hWndPage, rdi))
    {
        POSITION pos = m_mapAnchors.GetStartPosition();
        while (pos != nullptr)
        {
            HWND hWnd = nullptr;
            m_mapAnchors.GetNextAssoc(pos, hWnd, rdi);
            if (::IsWindow(hWnd) && DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(hWnd)) != nullptr)
            {
                MovePageOnto(pPage, hWnd);
                break;
            }
        }
        AddAnchor(hWndPage, AnchorTopLeft, AnchorBottomRight);
    }
    RelayoutControls(-1, -1);
}

void CExtResizablePropertySheet::MovePageOnto(CPropertyPage* pPage, HWND hWndOldPage)
{
    if (pPage == nullptr || pPage->GetSafeHwnd() == nullptr || pPage->GetSafeHwnd() == hWndOldPage)
        return;
    CRect rc;
    ::GetWindowRect(hWndOldPage, &rc);
    ScreenToClient(&rc);
    pPage->MoveWindow(&rc, TRUE);
}

void CExtResizablePropertySheet::ArrangeLayout()
{
    if ((GetStyle() & WS_CHILD) == 0)
    {
        ModifyStyle(0, WS_CLIPCHILDREN);
        if ((m_nWsFlags & kWsSaveRestore) != 0)
            LoadPlacementFromProfile(false);
    }
    else
        AdjustChildLayout();
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER);
    RelayoutControls(-1, -1);
}

void CExtResizablePropertySheet::AdjustChildLayout() {}

BOOL CExtResizablePropertySheet::PreCreateWindow(CREATESTRUCT& cs)
{
    return Layers_t::PreCreateWindow(cs) ? TRUE : FALSE;
}

void CExtResizablePropertySheet::PreSubclassWindow()
{
    Layers_t::PreSubclassWindow();
    EnableToolTips(TRUE);
}

BOOL CExtResizablePropertySheet::PreTranslateMessage(MSG* pMsg)
{
    HWND hWnd = GetSafeHwnd();
    HWND hFocus = ::GetFocus();
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && hWnd != nullptr && hFocus != nullptr &&
        (hFocus == hWnd || ::IsChild(hWnd, hFocus)))
    {
        const bool bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
        const bool bShift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (!bCtrl)
            SendMessage(WM_NEXTDLGCTL, bShift ? 1 : 0, 0);
        else if (!bShift)
        {
            if (GetActiveIndex() != GetPageCount() - 1)
                SendMessage(WM_COMMAND, kIdWizNext);
        }
        else if (GetActiveIndex() != 0)
            SendMessage(WM_COMMAND, kIdWizBack);
        return TRUE;
    }
    return Layers_t::PreTranslateMessage(pMsg);
}

BOOL CExtResizablePropertySheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (GetSafeHwnd() == nullptr)
        return Layers_t::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (nID == kIdWizNext || nID == kIdWizBack)
    {
        const BOOL bResult = Layers_t::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        if (nCode == (int)CN_COMMAND)
            AnchorPage(nullptr);
        return bResult;
    }
    if ((GetStyle() & WS_CHILD) == 0)
        return Layers_t::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    // An embedded sheet: its own map, then the application for the commands of menus and bars.
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if ((nCode == (int)CN_COMMAND || nCode == (int)CN_UPDATE_COMMAND_UI) && nID >= 0x8000 && nID < 0xF000)
    {
        CWinThread* pThread = AfxGetThread();
        if (pThread != nullptr)
            return pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    return FALSE;
}

LRESULT CExtResizablePropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool bWizardMove = message == WM_COMMAND && (wParam == kIdWizBack || wParam == kIdWizNext);
    switch (message)
    {
    case WM_DESTROY:
    case WM_NCDESTROY: m_nSheetFlags &= ~kSheetSetUp; break;
    case WM_SIZE:
        // Before the set-up nothing is anchored or moved.
        if ((m_nSheetFlags & kSheetSetUp) != 0)
            AnchorPage(nullptr);
        break;
    case WM_CLOSE:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    {
        const bool bClosing = message == WM_CLOSE ||
                              (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) ||
                              (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
        if (bClosing && (m_nWsFlags & kWsSaveRestore) != 0)
            SavePlacementToProfile();
        break;
    }
    default: break;
    }
    CPropertyPage* pOldPage = bWizardMove ? GetActivePage() : nullptr;
    HWND hWndOldPage = pOldPage != nullptr ? pOldPage->GetSafeHwnd() : nullptr;
    HWND hWnd = m_hWnd;

    const LRESULT lResult = (m_nSheetFlags & kSheetSetUp) != 0 ? Layers_t::WindowProc(message, wParam, lParam)
                                                               : CExtResPS::WindowProc(message, wParam, lParam);
    if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
        return lResult;

    if (message == WM_CREATE)
    {
        ModifyStyle(0, WS_THICKFRAME | WS_CLIPCHILDREN);
        PostMessage(kMsgSetUp, 0, 0);
    }
    else if (message == kMsgSetUp && (m_nSheetFlags & kSheetSetUp) == 0)
        SetUp();
    else if (bWizardMove && (m_nSheetFlags & kSheetSetUp) != 0)
    {
        if (hWndOldPage != nullptr && ::IsWindow(hWndOldPage))
            MovePageOnto(GetActivePage(), hWndOldPage);
        AnchorPage(nullptr);
        RelayoutControls(-1, -1);
    }
    return lResult;
}

void CExtResizablePropertySheet::SetUp()
{
    m_nSheetFlags |= kSheetSetUp;
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    m_nMinTrackWidth = rcWnd.Width();
    m_nMinTrackHeight = rcWnd.Height();
    m_nLimitFlags |= kLimitMinTrack;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
    HookChildren((HWND)SendMessage(PSM_GETTABCONTROL));
    AnchorPage(nullptr);
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromWnd(mp, this);
    m_nMaxPosX = mp.m_rcWorkArea.left;
    m_nMaxPosY = mp.m_rcWorkArea.top;
    m_nMaxSizeWidth = m_nMaxTrackWidth = mp.m_rcWorkArea.Width();
    m_nMaxSizeHeight = m_nMaxTrackHeight = mp.m_rcWorkArea.Height();
    m_nLimitFlags |= kLimitMaxTrack | kLimitMaxSize;
    GetWindowRect(&rcWnd);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcWnd.Width(), rcWnd.Height()));
    if ((GetStyle() & WS_VISIBLE) != 0)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ArrangeLayout();
}

void CExtResizablePropertySheet::HookChildren(HWND hWndTab)
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        wchar_t szClass[64] = {};
        ::GetClassNameW(hChild, szClass, 63);
        const LONG_PTR dwStyle = ::GetWindowLongPtrW(hChild, GWL_STYLE);
        if (hChild == hWndTab)
        {
            ::SetWindowLongPtrW(hChild, GWL_STYLE, dwStyle | WS_CLIPSIBLINGS);
            AddAnchor(hChild, AnchorTopLeft, AnchorBottomRight);
        }
        else if (::lstrcmpiW(szClass, L"static") == 0)
        {
            ::SetWindowLongPtrW(hChild, GWL_STYLE, dwStyle | WS_CLIPSIBLINGS);
            AddAnchor(hChild, AnchorBottomLeft, AnchorBottomRight);
        }
        else if (::lstrcmpiW(szClass, L"button") == 0)
        {
            ::SetWindowLongPtrW(hChild, GWL_STYLE, dwStyle | WS_CLIPSIBLINGS);
            CRect rc;
            ::GetWindowRect(hChild, &rc);
            ScreenToClient(&rc);
            rc.OffsetRect(-10, 0);
            ::MoveWindow(hChild, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
            AddAnchor(hChild, AnchorBottomRight);
            // A button that has an object of the layer already, or that cannot be subclassed,
            // keeps what it has: the new hook goes at once.
            CButtonInSheetHook* pHook = new CButtonInSheetHook;
            if (CWnd::FromHandlePermanent(hChild) != nullptr || !pHook->SubclassWindow(hChild))
                delete pHook;
        }
    }
}

void CExtResizablePropertySheet::FitTabControl(int cx, int cy)
{
    HWND hWndTab = (HWND)SendMessage(PSM_GETTABCONTROL);
    if (hWndTab != nullptr)
        ::MoveWindow(hWndTab, 0, 0, cx, cy, FALSE);
    RelayoutControls(-1, -1);
    AdjustChildLayout();
}

void CExtResizablePropertySheet::OnSize(UINT nType, int cx, int cy)
{
    (void)nType;
    Default();
    if ((GetStyle() & WS_CHILD) != 0)
        FitTabControl(cx, cy);
}

void CExtResizablePropertySheet::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    (void)lpwndpos;
    Default();
    const DWORD dwChildVisible = WS_CHILD | WS_VISIBLE;
    if ((GetStyle() & dwChildVisible) == dwChildVisible)
    {
        CRect rc;
        GetClientRect(&rc);
        FitTabControl(rc.Width(), rc.Height());
    }
}
