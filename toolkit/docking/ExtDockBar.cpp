// CExtDockBar: class record, window class, construction, the row layout, the release of the bars
// on destroy, the frame-layout message, painting and the bars menu.
#include "toolkit/docking/ExtDockBar.h"
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtDockBar, CDockBar)

BEGIN_MESSAGE_MAP(CExtDockBar, CDockBar)
ON_WM_CREATE()
ON_WM_CONTEXTMENU()
ON_WM_CANCELMODE()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParentDock)
ON_WM_WINDOWPOSCHANGING()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_DESTROY()
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

const wchar_t* const CExtDockBar::kWndClassName = L"Nimbal-DockBar";

CExtDockBar::CExtDockBar(UINT nCircle)
    : CDockBar(FALSE), m_bLayoutLocked(0), m_nCircle(nCircle), m_pOuterCircleBar(nullptr), m_pInnerCircleBar(nullptr),
      m_rcInnerEdge(0, 0, 0, 0), m_pAutoHideArea(nullptr), m_bInRecalcRows(0)
{
    RegisterDockBarClass();
}

CExtDockBar::~CExtDockBar() { UnlinkCircle(); }

bool CExtDockBar::RegisterDockBarClass()
{
    static bool s_bRegistered = false;
    if (!s_bRegistered)
        s_bRegistered = CExtControlBar::RegisterBarClass(kWndClassName, CS_GLOBALCLASS | CS_DBLCLKS);
    return s_bRegistered;
}

DWORD CExtDockBar::AlignStyleOfSide(UINT nDockBarID)
{
    switch (nDockBarID)
    {
    case AFX_IDW_DOCKBAR_TOP: return CBRS_ALIGN_TOP;
    case AFX_IDW_DOCKBAR_BOTTOM: return CBRS_ALIGN_BOTTOM;
    case AFX_IDW_DOCKBAR_LEFT: return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT: return CBRS_ALIGN_RIGHT;
    default: return 0;
    }
}

BOOL CExtDockBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!RegisterDockBarClass() || !CDockBar::PreCreateWindow(cs))
        return FALSE;
    cs.lpszClass = kWndClassName;
    return TRUE;
}

int CExtDockBar::OnCreate(LPCREATESTRUCT lpcs)
{
    EnableToolTips();
    return CDockBar::OnCreate(lpcs);
}

CExtDynAutoHideArea* CExtDockBar::GetAutoHideArea() const { return m_pAutoHideArea; }

bool CExtDockBar::SetLayoutLocked(bool bLock)
{
    const bool bOld = (m_bLayoutLocked & 1) != 0;
    m_bLayoutLocked = bLock ? 1 : 0;
    return bOld;
}

// ---- row layout ---------------------------------------------------------------------------------------------

CSize CExtDockBar::GetBarMinSize(CControlBar* pBar) const
{
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt != nullptr && !pExt->IsFixedSize())
        return CSize(pExt->CalcMinWidth(), pExt->CalcMinHeight());
    return CDockBar::GetBarMinSize(pBar);
}

BOOL CExtDockBar::CanWrapBar(CControlBar* pBar) const
{
    // A resizable bar is only clipped to the row, never wrapped.
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    return pExt == nullptr || pExt->IsFixedSize();
}

CSize CExtDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const CSize size = CalcRowLayout(bStretch, bHorz);
    if (!m_bLayoutQuery)
        RecalcRows();
    return size;
}

static CExtDockBar* InnerDockBarOf(void* pEntry)
{
    if (pEntry == nullptr || CDockBar::IsPlaceHolder(pEntry))
        return nullptr;
    CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, static_cast<CControlBar*>(pEntry));
    if (pDyn == nullptr || pDyn->GetSafeHwnd() == nullptr || pDyn->IsFixedSize() || pDyn->IsFixedDockStyle() ||
        !pDyn->IsVisible())
        return nullptr;
    return pDyn->m_pWndDynDocker;
}

void CExtDockBar::RecalcRows()
{
    if ((m_bLayoutLocked & 1) != 0 || (m_bInRecalcRows & 1) != 0)
        return;
    m_bInRecalcRows |= 1;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i)
    {
        if (CExtDockBar* pInner = InnerDockBarOf(m_arrBars[i]))
            pInner->RecalcRows();
    }
    m_bInRecalcRows &= ~1;
}

void CExtDockBar::CleanRows()
{
    if ((m_bLayoutLocked & 1) != 0)
        return;
    // Cleaning may dissolve a container and so change the array: walk a copy.
    CArray<CExtDockBar*, CExtDockBar*> arrInner;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i)
    {
        if (CExtDockBar* pInner = InnerDockBarOf(m_arrBars[i]))
            arrInner.Add(pInner);
    }
    for (INT_PTR i = 0; i < arrInner.GetSize(); ++i)
    {
        HWND hInner = arrInner[i]->GetSafeHwnd();
        if (hInner != nullptr && ::IsWindow(hInner) && CWnd::FromHandlePermanent(hInner) == arrInner[i])
            arrInner[i]->CleanRows();
    }
}

// ---- destroying -------------------------------------------------------------------------------------------------

static void ReleaseBarsOf(CDockBar* pDockBar)
{
    CExtDockBar* pExt = DYNAMIC_DOWNCAST(CExtDockBar, pDockBar);
    const bool bOldLock = pExt != nullptr && pExt->SetLayoutLocked(true);
    for (INT_PTR i = pDockBar->m_arrBars.GetSize() - 2; i >= 1; --i)
    {
        void* pEntry = pDockBar->m_arrBars[i];
        pDockBar->m_arrBars.RemoveAt(i);
        if (pEntry == nullptr || CDockBar::IsPlaceHolder(pEntry))
            continue;
        CControlBar* pBar = static_cast<CControlBar*>(pEntry);
        CExtControlBar* pExtBar = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
        if (pExtBar != nullptr)
            pExtBar->m_bfTracking |= CExtControlBar::kTrackLayoutSuspended;
        pBar->m_pDockBar = nullptr;
        if (CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, pBar))
        {
            if (pDyn->m_pWndDynDocker != nullptr && pDyn->m_pWndDynDocker->GetSafeHwnd() != nullptr)
                ReleaseBarsOf(pDyn->m_pWndDynDocker);
        }
        if (pBar->GetSafeHwnd() != nullptr && pBar->m_pDockSite != nullptr &&
            pBar->m_pDockSite->GetSafeHwnd() != nullptr && pBar->GetParent() != pBar->m_pDockSite)
            pBar->SetParent(pBar->m_pDockSite);
        if (pExtBar != nullptr)
            pExtBar->m_bfTracking &= ~CExtControlBar::kTrackLayoutSuspended;
    }
    if (pExt != nullptr)
        pExt->SetLayoutLocked(bOldLock);
}

void CExtDockBar::ReleaseBars() { ReleaseBarsOf(this); }

void CExtDockBar::UnlinkCircle()
{
    if (m_pInnerCircleBar != nullptr && m_pInnerCircleBar->m_pOuterCircleBar == this)
        m_pInnerCircleBar->m_pOuterCircleBar = nullptr;
    if (m_pOuterCircleBar != nullptr && m_pOuterCircleBar->m_pInnerCircleBar == this)
        m_pOuterCircleBar->m_pInnerCircleBar = nullptr;
    m_pInnerCircleBar = nullptr;
    m_pOuterCircleBar = nullptr;
}

BOOL CExtDockBar::DestroyWindow()
{
    if (GetSafeHwnd() != nullptr)
        ReleaseBars();
    return CDockBar::DestroyWindow();
}

void CExtDockBar::OnDestroy()
{
    ReleaseBars();
    UnlinkCircle();
    CDockBar::OnDestroy();
}

// ---- messages -----------------------------------------------------------------------------------------------------

BOOL CExtDockBar::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CExtDockBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    (void)bCalcValidRects;
    (void)lpncsp;
}

void CExtDockBar::OnNcPaint() {}

LRESULT CExtDockBar::OnHelpHitTest(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return 0;
}

LRESULT CExtDockBar::OnSizeParentDock(WPARAM wParam, LPARAM lParam)
{
    if (IsLayoutLocked())
        return 0;
    const LRESULT lResult = CDockBar::OnSizeParent(wParam, lParam);
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const UINT nID = (UINT)GetDlgCtrlID();
    if ((m_dwStyle & CBRS_ALIGN_ANY) == 0 || nID == AFX_IDW_DOCKBAR_FLOAT || lpLayout == nullptr)
        return lResult;
    // A dock bar off screen (its frame not shown yet) is painted whole when it shows.
    if (lpLayout->hDWP != nullptr)
        InvalidateIfOnScreen(TRUE, FALSE);
    CRect rc(lpLayout->rect);
    switch (nID)
    {
    case AFX_IDW_DOCKBAR_TOP: rc.bottom = rc.top; break;
    case AFX_IDW_DOCKBAR_BOTTOM: rc.top = rc.bottom; break;
    case AFX_IDW_DOCKBAR_LEFT: rc.right = rc.left; break;
    case AFX_IDW_DOCKBAR_RIGHT: rc.left = rc.right; break;
    default: break;
    }
    if (CWnd* pParent = GetParent())
        pParent->ClientToScreen(&rc);
    m_rcInnerEdge = rc;
    return lResult;
}

void CExtDockBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CDockBar::OnWindowPosChanging(lpwndpos);
    if ((lpwndpos->flags & (SWP_NOMOVE | SWP_NOREDRAW)) != 0 || !IsOnScreen())
        return;
    // Its bars move with it, no layout of theirs telling them: they are painted anew where they come to lie, their
    // non-client areas too, not left as the copy of their old pixels.
    CRect rc;
    GetWindowRect(&rc);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rc);
    if (rc.left != lpwndpos->x || rc.top != lpwndpos->y)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CExtDockBar::DoPaint(CDC* pDC)
{
    if (pDC == nullptr)
        return;
    CExtPaintManager::ExcludeChildAreas(pDC->GetSafeHdc(), GetSafeHwnd());
    CRect rcClient;
    GetClientRect(&rcClient);
    CExtMemoryDC dcMem(pDC, &rcClient, CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground);
    g_PaintManagerHolder->PaintDockBarClientArea(dcMem, rcClient, this, 0);
    g_PaintManagerHolder->EndPaintSession(this, 0);
}

// ---- the bars menu ------------------------------------------------------------------------------------------

static void RemoveDoubleSeparators(CExtPopupMenuWnd* pPopup)
{
    for (int i = pPopup->GetItemCount() - 1; i > 0; --i)
    {
        if (pPopup->ItemGetCmdID(i) == CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR &&
            pPopup->ItemGetCmdID(i - 1) == CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR)
            pPopup->RemoveItem(i);
    }
}

// The frame's bars for the menu: the frame's search answers a tab group for its bars, which take its place here, so
// that a bar closed inside its group can be shown again through the menu.
static void CollectMenuBars(CFrameWnd* pFrame, CArray<CExtControlBar*, CExtControlBar*>& arrBars)
{
    CArray<CExtControlBar*, CExtControlBar*> arrFound;
    CExtControlBar::FindFrameControlBars(nullptr, pFrame, arrFound, 0xFFF);
    for (INT_PTR i = 0; i < arrFound.GetSize(); ++i)
    {
        CExtControlBar* pBar = arrFound[i];
        CExtDockDynBar* pInner = CExtDockingKindOf::IsDynTabControlBar(pBar)
                                     ? static_cast<CExtDynControlBar*>(pBar)->m_pWndDynDocker
                                     : nullptr;
        if (pInner != nullptr && pInner->GetSafeHwnd() != nullptr)
            pInner->CollectBars(arrBars);
        else
            arrBars.Add(pBar);
    }
}

bool CExtDockBar::BuildBarsPopupMenu(CFrameWnd* pFrame, CExtPopupMenuWnd* pPopup, WORD nNotificationType, CWnd* pWndSrc,
                                     UINT nMsgID, LPARAM lParam)
{
    if (pPopup == nullptr)
        return false;
    CExtControlBar::POPUP_MENU_EVENT_DATA data(nNotificationType, pPopup, pWndSrc, CPoint(-1, -1), nMsgID, lParam);
    if (!data.NotifyTarget(false) && pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
    {
        CArray<CExtControlBar*, CExtControlBar*> arrBars;
        CollectMenuBars(pFrame, arrBars);
        LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(pFrame->GetSafeHwnd());
        const bool bInPlace = CExtControlBar::IsFrameOleInPlaceActive(pFrame);
        CExtControlBar* pLastInserted = nullptr;
        for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
        {
            CExtControlBar* pBar = arrBars[i];
            if (pBar->GetSafeHwnd() == nullptr || !::IsWindow(pBar->GetSafeHwnd()) ||
                pBar->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)) ||
                (pBar->m_nStateFlags & CControlBar::tempHide) != 0 ||
                (bInPlace && (pBar->m_dwStyle & CBRS_HIDE_INPLACE) != 0))
                continue;
            CString sText;
            pBar->GetWindowText(sText);
            if (sText.IsEmpty())
                continue;
            if (pLastInserted != nullptr && pLastInserted->IsFixedDockStyle() != pBar->IsFixedDockStyle())
                pPopup->InsertItem(CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR);
            if (pszProfile != nullptr)
            {
                CExtCmdItem cmd((UINT)pBar->GetDlgCtrlID());
                cmd.m_sMenuText = sText;
                cmd.LoadTextsFromResource();
                g_CmdManagerHolder->SetupCommand(pszProfile, cmd, true);
            }
            if (pBar->InsertToBarsPopupMenu(pPopup))
                pLastInserted = pBar;
        }
        arrBars.RemoveAll();
    }
    RemoveDoubleSeparators(pPopup);
    data.NotifyTarget(true);
    const int nCount = pPopup->GetItemCount();
    if (nCount > 0 && pPopup->ItemGetCmdID(nCount - 1) == CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR)
        pPopup->RemoveItem(nCount - 1);
    return pPopup->GetItemCount() > 0;
}

void CExtDockBar::TrackBarsPopupMenuAtCursor(CFrameWnd* pFrame, WORD nNotificationType, CWnd* pWndSrc, UINT nMsgID,
                                             CWnd* pReceiver, CWnd* pFocus, CPoint ptScreen)
{
    if (pReceiver == nullptr)
        pReceiver = pFrame;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(pReceiver->GetSafeHwnd()) ||
        !BuildBarsPopupMenu(pFrame, pPopup, nNotificationType, pWndSrc, nMsgID, 0))
    {
        delete pPopup;
        return;
    }
    if (pFocus != nullptr)
        pFocus->SetFocus();
    if (ptScreen.x == -1 && ptScreen.y == -1)
        ::GetCursorPos(&ptScreen);
    if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_OWNER_DRAW, ptScreen.x, ptScreen.y))
        delete pPopup;
}

void CExtDockBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    (void)pWnd;
    if (CExtControlBar::IsFrameInHelpMode(this))
        return;
    CControlBar* pBar = nullptr;
    for (INT_PTR i = 0; i < m_arrBars.GetSize() && pBar == nullptr; ++i)
        pBar = GetDockedControlBar((int)i);
    if (pBar == nullptr)
        return;
    CWnd* pReceiver = pBar->GetOwner();
    if (pReceiver == nullptr)
        pReceiver = pBar->GetParent();
    if (pReceiver == nullptr)
        return;
    TrackBarsPopupMenuAtCursor(CExtControlBar::FindDockingFrame(pBar),
                               CExtControlBar::POPUP_MENU_EVENT_DATA::kBarsMenuFromDockBar, this, WM_CONTEXTMENU,
                               pReceiver, pReceiver, point);
}

void CExtDockBar::OnCancelMode()
{
    CDockBar::OnCancelMode();
    CWinApp* pApp = AfxGetApp();
    if ((pApp != nullptr && pApp->m_bHelpMode) || CExtControlBar::IsFrameInHelpMode(this))
        return;
    CExtPopupMenuWnd::CancelMenuTracking();
}
