// CExtTabPageContainerWnd and its OneNote and Whidbey variants: the strip, pages, layout, painting,
// page stepping by keys and the hooks on the selected page's descendants.
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtTWPC.h"
#include "toolkit/bars_tabs/ExtTabOneNoteWnd.h"
#include "toolkit/bars_tabs/ExtTabWhidbeyWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtTabPageContainerWnd, CWnd)
IMPLEMENT_DYNCREATE(CExtTabPageContainerOneNoteWnd, CExtTabPageContainerWnd)
IMPLEMENT_DYNCREATE(CExtTabPageContainerWhidbeyWnd, CExtTabPageContainerWnd)

BEGIN_MESSAGE_MAP(CExtTabPageContainerWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_CLOSE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

const wchar_t* const CExtTabPageContainerWnd::kWndClassName = L"Nimbal-TabPageContainer";

CExtTabPageContainerWnd::CExtTabPageContainerWnd()
    : CExtHookSink(false), m_pWndTab(nullptr), m_bCreatedThroughCreate(false), m_bCreatingWindow(false)
{
    // Dialog templates name the class: it must exist before any dialog of them is made.
    RegisterContainerClass();
}

CExtTabPageContainerWnd::~CExtTabPageContainerWnd() {}

bool CExtTabPageContainerWnd::RegisterContainerClass()
{
    static bool s_bRegistered = false;
    if (!s_bRegistered)
        s_bRegistered = CExtControlBar::RegisterBarClass(kWndClassName, CS_GLOBALCLASS | CS_DBLCLKS);
    return s_bRegistered;
}

bool CExtTabPageContainerWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, DWORD dwWindowStyle,
                                     CCreateContext* pContext)
{
    if (!RegisterContainerClass())
        return false;
    m_bCreatedThroughCreate = true;
    if (!CWnd::Create(kWndClassName, nullptr, dwWindowStyle, rcWnd, pParentWnd, nDlgCtrlID, pContext))
        return false;
    if (!EnsureTabStrip())
        return false;
    RecalcLayout();
    return true;
}

BOOL CExtTabPageContainerWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_CONTROLPARENT;
    m_bCreatingWindow = true;
    return TRUE;
}

void CExtTabPageContainerWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    // The pages' controls, the strip and the controls around the container are one tab order of the dialog.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    // A window made elsewhere (a dialog template): the strip comes now.
    if (!m_bCreatedThroughCreate && !m_bCreatingWindow)
    {
        EnsureTabStrip();
        RecalcLayout();
    }
}

int CExtTabPageContainerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bCreatingWindow = false;
    return EnsureTabStrip() ? 0 : -1;
}

CExtTabWnd* CExtTabPageContainerWnd::CreateTabStrip() { return new CExtTWPC<CExtTabWnd>; }

CExtTabWnd* CExtTabPageContainerOneNoteWnd::CreateTabStrip() { return new CExtTWPC<CExtTabOneNoteWnd>; }

CExtTabWnd* CExtTabPageContainerWhidbeyWnd::CreateTabStrip() { return new CExtTWPC<CExtTabWhidbeyWnd>; }

bool CExtTabPageContainerWnd::EnsureTabStrip()
{
    if (m_hWnd == nullptr)
        return false;
    if (m_pWndTab == nullptr)
        m_pWndTab = CreateTabStrip();
    if (m_pWndTab == nullptr)
        return false;
    if (m_pWndTab->GetSafeHwnd() != nullptr)
        return true;
    if (!m_pWndTab->Create(this, CRect(0, 0, 0, 0), kStripId, kStripWindowStyle, kStripTabStyle))
    {
        // Without a window the strip never deletes itself.
        delete m_pWndTab;
        m_pWndTab = nullptr;
        return false;
    }
    return true;
}

void CExtTabPageContainerWnd::OnStripDestroyed(CExtTabWnd* pWndTab)
{
    if (pWndTab == m_pWndTab)
        m_pWndTab = nullptr;
}

CExtTabWnd* CExtTabPageContainerWnd::GetSafeTabWindow() const
{
    return m_pWndTab != nullptr && m_pWndTab->GetSafeHwnd() != nullptr ? m_pWndTab : nullptr;
}

bool CExtTabPageContainerWnd::OnStripClickedButton(LONG nHitTest, bool bPressed, int nMouseButton,
                                                   UINT nMouseEventFlags)
{
    (void)nHitTest;
    (void)bPressed;
    (void)nMouseButton;
    (void)nMouseEventFlags;
    return true;
}

void CExtTabPageContainerWnd::UpdatePageIds()
{
    CExtTabWnd* pTabs = GetSafeTabWindow();
    if (pTabs == nullptr)
        return;
    for (int i = 0; i < pTabs->ItemGetCount(); ++i)
    {
        const HWND hPage = (HWND)pTabs->ItemGet(i)->m_lParam;
        if (::IsWindow(hPage))
            ::SetWindowLongPtrW(hPage, GWLP_ID, (LONG_PTR)(kFirstPageId + i));
    }
}

bool CExtTabPageContainerWnd::OnStripSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest)
{
    (void)nOldItemIndex;
    (void)nNewItemIndex;
    if (bPreSelectionTest)
        return true;
    CExtTabWnd* pTabs = GetSafeTabWindow();
    if (pTabs == nullptr || pTabs->ItemGetCount() == 0 || pTabs->SelectionGet() < 0)
        return true;
    RecalcLayout();
    const HWND hSelected = (HWND)pTabs->SelectionGetPtr()->m_lParam;
    if (!::IsWindow(hSelected))
        return true;
    CRect rcSelected;
    ::GetWindowRect(hSelected, &rcSelected);
    ScreenToClient(&rcSelected);
    for (int i = 0; i < pTabs->ItemGetCount(); ++i)
    {
        const HWND hPage = (HWND)pTabs->ItemGet(i)->m_lParam;
        if (hPage == hSelected || !::IsWindow(hPage))
            continue;
        CRect rcPage;
        ::GetWindowRect(hPage, &rcPage);
        ScreenToClient(&rcPage);
        if (rcPage != rcSelected)
            ::MoveWindow(hPage, rcSelected.left, rcSelected.top, rcSelected.Width(), rcSelected.Height(), TRUE);
    }
    RemoveAllWndHooks();
    HookDescendants(hSelected, nullptr, true);
    return true;
}

int CExtTabPageContainerWnd::HookDescendants(HWND hWnd, const CArray<UINT, UINT>* pIds, bool bRecursive)
{
    int nHooked = 0;
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CExtTabPageContainerWnd)))
            continue; // a nested container steps its own pages
        bool bHook = pIds == nullptr;
        if (!bHook)
        {
            const UINT nID = (UINT)::GetDlgCtrlID(h);
            for (INT_PTR i = 0; i < pIds->GetSize() && !bHook; ++i)
                bHook = pIds->GetAt(i) == nID;
        }
        if (bHook && AttachToWindow(h))
            ++nHooked;
        if (bRecursive)
            nHooked += HookDescendants(h, pIds, true);
    }
    return nHooked;
}

// ---- pages -------------------------------------------------------------------------------------

int CExtTabPageContainerWnd::PageGetCount() const
{
    CExtTabWnd* pTabs = GetSafeTabWindow();
    return pTabs != nullptr ? pTabs->ItemGetCount() : 0;
}

HWND CExtTabPageContainerWnd::PageGet(int nIndex) const
{
    CExtTabWnd* pTabs = GetSafeTabWindow();
    const CExtTabWnd::TAB_ITEM_INFO* pTii = pTabs != nullptr ? pTabs->ItemGet(nIndex) : nullptr;
    return pTii != nullptr ? (HWND)pTii->m_lParam : nullptr;
}

int CExtTabPageContainerWnd::PageSelectionGet() const
{
    CExtTabWnd* pTabs = GetSafeTabWindow();
    return pTabs != nullptr ? pTabs->SelectionGet() : -1;
}

bool CExtTabPageContainerWnd::PageInsert(CWnd* pWndPage, LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon,
                                         int nIndex, bool bSelect)
{
    return PageInsert(pWndPage->GetSafeHwnd(), lpszText, pIcon, bCopyIcon, nIndex, bSelect);
}

bool CExtTabPageContainerWnd::PageInsert(HWND hWndPage, LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon,
                                         int nIndex, bool bSelect)
{
    if (hWndPage == nullptr || !::IsWindow(hWndPage) || m_hWnd == nullptr || !EnsureTabStrip())
        return false;
    CExtTabWnd* pTabs = m_pWndTab;
    const int nCount = pTabs->ItemGetCount();
    if (nCount == 0)
        bSelect = true;
    const bool bAppend = nIndex < 0 || nIndex > nCount;
    if (bAppend)
        nIndex = nCount;
    if (::GetParent(hWndPage) != m_hWnd)
        ::SetParent(hWndPage, m_hWnd);
    const bool bVisible = (::GetWindowLongW(hWndPage, GWL_STYLE) & WS_VISIBLE) != 0;
    if (bSelect)
    {
        if (const HWND hOld = PageGet(pTabs->SelectionGet()))
            ::ShowWindow(hOld, SW_HIDE);
        if (!bVisible)
            ::ShowWindow(hWndPage, SW_SHOW);
    }
    else if (bVisible)
        ::ShowWindow(hWndPage, SW_HIDE);
    pTabs->ItemInsert(lpszText, pIcon, bCopyIcon, 0, nIndex, (LPARAM)hWndPage, false);
    if (bAppend)
        ::SetWindowLongPtrW(hWndPage, GWLP_ID, (LONG_PTR)(kFirstPageId + nIndex));
    else
        UpdatePageIds();
    if (bSelect)
        pTabs->SelectionSet(nIndex, true, true);
    else
        pTabs->UpdateTabWnd(true);
    RecalcLayout();
    return true;
}

bool CExtTabPageContainerWnd::PageSelectNext(bool bNext)
{
    CExtTabWnd* pTabs = GetSafeTabWindow();
    if (pTabs == nullptr || pTabs->ItemGetCount() < 2)
        return false;
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || (hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus)))
        return false;
    const int nCount = pTabs->ItemGetCount();
    int nIndex = pTabs->SelectionGet();
    nIndex = bNext ? (nIndex + 1) % nCount : (nIndex <= 0 ? nCount - 1 : nIndex - 1);
    pTabs->SelectionSet(nIndex, true, true);
    return true;
}

void CExtTabPageContainerWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    const int nSel = PageSelectionGet();
    RepositionBars(0, 0xFFFF, kFirstPageId + (nSel >= 0 ? nSel : 0), reposDefault, nullptr, nullptr, TRUE);
}

// ---- keys ----------------------------------------------------------------------------------------

bool CExtTabPageContainerWnd::IsPageStepKey(UINT nMessage, WPARAM wParam, bool& bNext)
{
    if (nMessage != WM_KEYDOWN || (wParam != VK_NEXT && wParam != VK_PRIOR))
        return false;
    if ((::GetKeyState(VK_CONTROL) & 0x8000) == 0 || (::GetKeyState(VK_SHIFT) & 0x8000) != 0 ||
        (::GetKeyState(VK_MENU) & 0x8000) != 0)
        return false;
    bNext = wParam == VK_NEXT;
    return true;
}

BOOL CExtTabPageContainerWnd::PreTranslateMessage(MSG* pMsg)
{
    bool bNext = false;
    if (IsPageStepKey(pMsg->message, pMsg->wParam, bNext))
    {
        PageSelectNext(bNext);
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

bool CExtTabPageContainerWnd::OnHookWndMsg(LRESULT& lResult, HWND hWndHooked, UINT nMessage, WPARAM& wParam,
                                           LPARAM& lParam)
{
    bool bNext = false;
    if (IsPageStepKey(nMessage, wParam, bNext))
    {
        PageSelectNext(bNext);
        lResult = 0;
        return true;
    }
    return CExtHookSink::OnHookWndMsg(lResult, hWndHooked, nMessage, wParam, lParam);
}

// ---- messages -----------------------------------------------------------------------------------

void CExtTabPageContainerWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CExtTabPageContainerWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    RecalcLayout();
}

void CExtTabPageContainerWnd::OnPaint()
{
    CPaintDC dcPaint(this);
    CExtPaintManager::ExcludeChildAreas(dcPaint.GetSafeHdc(), m_hWnd);
    DoPaint(dcPaint);
}

LRESULT CExtTabPageContainerWnd::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (CDC* pDC = CDC::FromHandle((HDC)wParam))
        DoPaint(*pDC);
    return 0;
}

void CExtTabPageContainerWnd::DoPaint(CDC& dcTarget)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CExtMemoryDC dc(&dcTarget, &rcClient);
    dc.FillSolidRect(&rcClient, g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL, this));
}

BOOL CExtTabPageContainerWnd::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return FALSE;
}

void CExtTabPageContainerWnd::OnClose()
{
    if ((GetStyle() & WS_CHILD) != 0)
        return;
    CWnd::OnClose();
}

void CExtTabPageContainerWnd::OnSetFocus(CWnd* pOldWnd)
{
    (void)pOldWnd;
    if (const HWND hPage = PageGet(PageSelectionGet()))
        ::SetFocus(hPage);
}
