// CExtDynAutoHideArea: creation of a frame's areas, their order, listing and removing auto-hidden bars, selection
// (sliding bars out), visibility, metrics, the context menu, the keyboard and the drop target.
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "platform/FrameWnd.h"
#include "platform/MdiFrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CExtDynAutoHideArea, CExtTabWnd)

BEGIN_MESSAGE_MAP(CExtDynAutoHideArea, CExtTabWnd)
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_CONTEXTMENU()
ON_WM_DESTROY()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParentArea)
END_MESSAGE_MAP()

bool CExtDynAutoHideArea::g_bEnableDropTarget = true;
bool CExtDynAutoHideArea::g_bEnableCtrlPageSwitching = true;
int CExtDynAutoHideArea::g_nAutoHideLook = -1;

namespace
{
const UINT kEdgeIds[4] = {CExtControlBar::kDockBarTop, CExtControlBar::kDockBarBottom, CExtControlBar::kDockBarLeft,
                          CExtControlBar::kDockBarRight};
const DWORD kGroupStart = CExtTabWnd::TAB_ITEM_INFO::kGroupStart;
const UINT kIdleLayoutFlags = 0x0C;
const WORD kMenuKindArea = 8;

DWORD OrientationOfEdge(UINT nDockBarID)
{
    switch (nDockBarID)
    {
    case CExtControlBar::kDockBarBottom: return CExtTabWnd::kOrientBottom;
    case CExtControlBar::kDockBarLeft: return CExtTabWnd::kOrientLeft;
    case CExtControlBar::kDockBarRight: return CExtTabWnd::kOrientRight;
    default: return CExtTabWnd::kOrientTop;
    }
}

// The areas with a window, of every frame: found without a walk through a frame's child windows, which costs a call
// into the window system per child.
std::vector<CExtDynAutoHideArea*>& LiveAreas()
{
    static std::vector<CExtDynAutoHideArea*> s_areas;
    return s_areas;
}

void ForgetArea(CExtDynAutoHideArea* pArea)
{
    std::vector<CExtDynAutoHideArea*>& areas = LiveAreas();
    areas.erase(std::remove(areas.begin(), areas.end(), pArea), areas.end());
}

CFrameWnd* FrameOf(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pWnd);
    if (pFrame == nullptr)
        pFrame = pWnd->GetParentFrame();
    while (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        pFrame = pFrame->GetParentFrame();
    return pFrame;
}
} // namespace

// ---- creation and order ------------------------------------------------------------------------------------------

CExtDynAutoHideArea::CExtDynAutoHideArea()
    : m_bfState(0), m_rcLastWnd(0, 0, 0, 0), m_bKeyboardSelection(false), m_bAutoDeleteArea(false), m_pSlider(nullptr),
      m_nEdgeId(0)
{
    m_dropTarget.m_pOwner = this;
}

CExtDynAutoHideArea::~CExtDynAutoHideArea() { ForgetArea(this); }

bool CExtDynAutoHideArea::Create(CFrameWnd* pFrame, CExtDynAutoHideSlider* pSlider, UINT nDockBarID)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr || pSlider == nullptr)
        return false;
    m_pSlider = pSlider;
    m_nEdgeId = nDockBarID;
    if (!CExtTabWnd::Create(pFrame, CRect(0, 0, 0, 0), nDockBarID, WS_CHILD | WS_VISIBLE,
                            OrientationOfEdge(nDockBarID) | kAreaTabStyle))
        return false;
    LiveAreas().push_back(this);
    SetDocksToParent(true);
    for (CExtDockBar* pDock = CExtDockBar::FindCircleDockBar(pFrame, 0, nDockBarID); pDock != nullptr;
         pDock = pDock->m_pInnerCircleBar)
        pDock->m_pAutoHideArea = this;
    AdjustOrder();
    if (g_bEnableDropTarget && AfxOleIsInitialized())
        m_dropTarget.Register(this);
    return true;
}

bool CExtDynAutoHideArea::CreateFrameAreas(CFrameWnd* pFrame)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    CExtDynAutoHideArea* pAreas[4] = {};
    FindFrameAreas(pFrame, &pAreas[0], &pAreas[1], &pAreas[2], &pAreas[3]);
    if (pAreas[0] != nullptr && pAreas[1] != nullptr && pAreas[2] != nullptr && pAreas[3] != nullptr)
        return true;
    for (UINT nID : kEdgeIds)
    {
        if (CExtDockBar::FindCircleDockBar(pFrame, 0, nID) == nullptr)
            return false;
    }
    CExtDynAutoHideSlider* pSlider = nullptr;
    for (int i = 0; i < 4 && pSlider == nullptr; ++i)
        pSlider = pAreas[i] != nullptr ? pAreas[i]->GetAutoHideSlider() : nullptr;
    if (pSlider == nullptr)
    {
        pSlider = new CExtDynAutoHideSlider;
        pSlider->m_bAutoDeleteSlider = true;
        if (!pSlider->Create(pFrame))
        {
            delete pSlider;
            return false;
        }
    }
    for (int i = 0; i < 4; ++i)
    {
        if (pAreas[i] != nullptr)
            continue;
        // The window deletes its object when destroyed.
        CExtDynAutoHideArea* pArea = new CExtDynAutoHideArea;
        pArea->m_bAutoDeleteArea = true;
        if (!pArea->Create(pFrame, pSlider, kEdgeIds[i]))
        {
            if (pArea->GetSafeHwnd() != nullptr)
                pArea->DestroyWindow();
            else
                delete pArea;
            return false;
        }
    }
    return true;
}

void CExtDynAutoHideArea::PostNcDestroy()
{
    ForgetArea(this);
    CExtTabWnd::PostNcDestroy();
    if (m_bAutoDeleteArea)
        delete this;
}

void CExtDynAutoHideArea::AdjustOrder()
{
    CFrameWnd* pFrame = GetAreaFrame();
    if (pFrame == nullptr)
        return;
    CExtDockBar* pRight = CExtDockBar::FindCircleDockBar(pFrame, 0, CExtControlBar::kDockBarRight);
    if (pRight == nullptr)
        return;
    CExtDynAutoHideArea* pAreas[4] = {};
    FindFrameAreas(pFrame, &pAreas[0], &pAreas[1], &pAreas[2], &pAreas[3]);
    HWND hAfter = pRight->GetSafeHwnd();
    for (CExtDynAutoHideArea* pArea : pAreas)
    {
        if (pArea == nullptr)
            continue;
        if (::GetWindow(hAfter, GW_HWNDNEXT) != pArea->GetSafeHwnd())
            ::SetWindowPos(pArea->GetSafeHwnd(), hAfter, 0, 0, 0, 0, 0x51B);
        hAfter = pArea->GetSafeHwnd();
    }
}

CFrameWnd* CExtDynAutoHideArea::GetAreaFrame() const { return FrameOf(const_cast<CExtDynAutoHideArea*>(this)); }

void CExtDynAutoHideArea::FindFrameAreas(CWnd* pWnd, CExtDynAutoHideArea** ppTop, CExtDynAutoHideArea** ppBottom,
                                         CExtDynAutoHideArea** ppLeft, CExtDynAutoHideArea** ppRight)
{
    CExtDynAutoHideArea** slots[4] = {ppTop, ppBottom, ppLeft, ppRight};
    for (CExtDynAutoHideArea** pp : slots)
    {
        if (pp != nullptr)
            *pp = nullptr;
    }
    CFrameWnd* pFrame = FrameOf(pWnd);
    if (pFrame == nullptr)
        return;
    for (CExtDynAutoHideArea* pArea : LiveAreas())
    {
        if (pArea->GetSafeHwnd() == nullptr || ::GetParent(pArea->m_hWnd) != pFrame->m_hWnd)
            continue;
        const UINT nID = (UINT)pArea->GetDlgCtrlID();
        for (int i = 0; i < 4; ++i)
        {
            if (nID == kEdgeIds[i] && slots[i] != nullptr && *slots[i] == nullptr)
                *slots[i] = pArea;
        }
    }
}

CExtDynAutoHideArea* CExtDynAutoHideArea::FindAreaOfBar(CExtControlBar* pBar, int* pnIndex)
{
    if (pnIndex != nullptr)
        *pnIndex = -1;
    if (pBar == nullptr)
        return nullptr;
    CFrameWnd* pFrame = pBar->m_pDockSite;
    if (pFrame == nullptr && pBar->GetSafeHwnd() != nullptr)
        pFrame = pBar->GetDockingFrame();
    CExtDynAutoHideArea* pAreas[4] = {};
    FindFrameAreas(pFrame, &pAreas[0], &pAreas[1], &pAreas[2], &pAreas[3]);
    for (CExtDynAutoHideArea* pArea : pAreas)
    {
        if (pArea == nullptr)
            continue;
        const int nIndex = pArea->ItemFindByLParam((LPARAM)pBar);
        if (nIndex >= 0)
        {
            if (pnIndex != nullptr)
                *pnIndex = nIndex;
            return pArea;
        }
    }
    return nullptr;
}

// ---- listing bars ------------------------------------------------------------------------------------------------

void CExtDynAutoHideArea::CollectAutoHideBars(CExtControlBar* pBar, CArray<CExtControlBar*, CExtControlBar*>& arrBars)
{
    CExtDynTabControlBar* pGroup = DYNAMIC_DOWNCAST(CExtDynTabControlBar, pBar);
    if (pGroup == nullptr)
    {
        arrBars.Add(pBar);
        return;
    }
    if (CExtDockDynTabBar* pInner = pGroup->GetTabDockBar())
        pInner->CollectTabbedBars(arrBars);
}

CExtControlBar* CExtDynAutoHideArea::GetBarAt(int nIndex) const
{
    const TAB_ITEM_INFO* pTii = ItemGet(nIndex);
    if (pTii == nullptr)
        return nullptr;
    CExtControlBar* pBar = reinterpret_cast<CExtControlBar*>(pTii->m_lParam);
    HWND hWndBar = nullptr;
    if (pBar == nullptr || !m_mapBarWnds.Lookup(pTii->m_lParam, hWndBar))
        return nullptr;
    return ::IsWindow(hWndBar) && CWnd::FromHandlePermanent(hWndBar) == pBar ? pBar : nullptr;
}

bool CExtDynAutoHideArea::RemoveDeadTabs()
{
    bool bRemoved = false;
    for (int i = ItemGetCount() - 1; i >= 0; --i)
    {
        if (GetBarAt(i) != nullptr)
            continue;
        TAB_ITEM_INFO* pTii = ItemGet(i);
        // A group start passes its mark on to the next tab of its run.
        TAB_ITEM_INFO* pNext = ItemGet(i + 1);
        if (pTii->IsGroupStart() && pNext != nullptr && !pNext->IsGroupStart())
            pNext->m_dwItemStyle |= kGroupStart;
        m_mapBarWnds.RemoveKey(pTii->m_lParam);
        ItemRemove(i, 1, false);
        bRemoved = true;
    }
    if (bRemoved)
        UpdateTabWnd(true);
    return bRemoved;
}

void CExtDynAutoHideArea::AppendControlBar(CExtControlBar* pBar, bool bDoNotShow)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    CollectAutoHideBars(pBar, arrBars);
    if (arrBars.GetSize() == 0)
        return;
    CExtDynTabControlBar* pGroup = DYNAMIC_DOWNCAST(CExtDynTabControlBar, pBar);
    CControlBar* pSelected = pGroup != nullptr ? pGroup->GetSelectedBar() : nullptr;
    m_bfState |= kStateAppending | kStateFrameActive;
    const int nFirst = ItemGetCount();
    int nSelect = nFirst;
    CExtControlBar* pShow = arrBars[0];
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        CExtControlBar* pMember = arrBars[i];
        // A closed member of a group keeps a hidden tab, shown when the bar is shown again. A show or hide the
        // frame's next layout applies counts already (a frame not laid out yet reading its stored state).
        const bool bClosed = pGroup != nullptr && !pMember->IsVisible();
        if (bClosed && pShow == pMember && i + 1 < arrBars.GetSize())
            pShow = arrBars[i + 1];
        ItemInsert(nullptr, nullptr, false, (i == 0 ? kGroupStart : 0) | (bClosed ? TAB_ITEM_INFO::kHidden : 0), -1,
                   (LPARAM)pMember);
        m_mapBarWnds.SetAt((LPARAM)pMember, pMember->GetSafeHwnd());
        pMember->m_bfRuntimeState |= CExtControlBar::kStateAutoHide;
        if (pMember == pSelected)
        {
            nSelect = nFirst + (int)i;
            pShow = pMember;
        }
    }
    pBar->m_bfRuntimeState |= CExtControlBar::kStateAutoHide;
    // The run's current tab is marked; no tab stays selected.
    SelectionSet(nSelect, false, false);
    SelectionSet(-1, false, false);
    m_bfState &= (BYTE) ~(kStateAppending | kStateFrameActive);
    UpdateTabWnd(true);
    if (bDoNotShow)
        return;
    CFrameWnd* pFrame = GetAreaFrame();
    if (pFrame == nullptr)
        pFrame = pBar->GetDockingFrame();
    if (pFrame != nullptr)
        pFrame->RecalcLayout();
    if (m_pSlider != nullptr && m_pSlider->GetSafeHwnd() != nullptr)
        m_pSlider->SlideRun(pShow, true, false);
}

void CExtDynAutoHideArea::RemoveControlBar(CExtControlBar* pBar, bool bNoLayout)
{
    if (pBar == nullptr)
        return;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    CollectAutoHideBars(pBar, arrBars);
    if (m_pSlider != nullptr && m_pSlider->GetSafeHwnd() != nullptr)
    {
        CExtControlBar* pShown = m_pSlider->GetBar();
        for (INT_PTR i = 0; i < arrBars.GetSize() && pShown != nullptr; ++i)
        {
            if (arrBars[i] == pShown)
                m_pSlider->SlideRun(pShown, false, false);
        }
    }
    CExtControlBar* pCurrent = nullptr;
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        const int nIndex = ItemFindByLParam((LPARAM)arrBars[i]);
        if (nIndex < 0)
            continue;
        if (ItemGet(nIndex)->IsGroupCurrent())
            pCurrent = arrBars[i];
        if (SelectionGet() == nIndex)
            SelectionSet(-1, false, false);
        m_mapBarWnds.RemoveKey((LPARAM)arrBars[i]);
        ItemRemove(nIndex, 1, false);
    }
    UpdateTabWnd(true);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
        arrBars[i]->m_bfRuntimeState &= ~CExtControlBar::kStateAutoHide;
    pBar->m_bfRuntimeState &= ~CExtControlBar::kStateAutoHide;
    CFrameWnd* pFrame = GetAreaFrame();
    if (pFrame == nullptr && pBar->GetSafeHwnd() != nullptr)
        pFrame = pBar->GetDockingFrame();
    if (pFrame == nullptr)
        return;
    CExtDynTabControlBar* pGroup = DYNAMIC_DOWNCAST(CExtDynTabControlBar, pBar);
    std::vector<HWND> members;
    for (INT_PTR i = 0; i < arrBars.GetSize() && pGroup != nullptr; ++i)
        members.push_back(arrBars[i]->GetSafeHwnd());
    // By window handle: the show lets handlers run.
    const HWND hGroup = pGroup != nullptr ? pGroup->GetSafeHwnd() : nullptr;
    auto selectCurrent = [hGroup, pCurrent](bool bUpdate) {
        auto* pLive = DYNAMIC_DOWNCAST(CExtDynTabControlBar, CWnd::FromHandlePermanent(hGroup));
        if (pLive == nullptr || pCurrent == nullptr || pLive->m_wndTabs.GetSafeHwnd() == nullptr)
            return;
        const int nIndex = pLive->m_wndTabs.FindBar(pCurrent);
        if (nIndex >= 0)
            pLive->m_wndTabs.SelectionSet(nIndex, true, bUpdate);
    };
    // The group shows the page of the tab that was current in the run from its first paint on.
    selectCurrent(false);
    if (bNoLayout)
    {
        pFrame->ShowControlBar(pBar, TRUE, TRUE);
        pFrame->m_nIdleFlags |= kIdleLayoutFlags;
    }
    else
    {
        if (pBar->GetTabbedContainer() == nullptr)
            pBar->ReclaimRowSpace();
        pFrame->ShowControlBar(pBar, TRUE, FALSE);
    }
    // A member laid out in the group while it was hidden (a stored state read meanwhile) kept the frame it had
    // before, a caption of its own among them: each takes the frame of a tab of the shown group. By window handle:
    // the show lets handlers run.
    for (HWND hMember : members)
        if (CExtControlBar* pMember = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(hMember)))
            pMember->RefreshNonClientFrame();
    // Selected again once shown: the page takes the focus.
    selectCurrent(true);
}

// ---- selection ---------------------------------------------------------------------------------------------------

bool CExtDynAutoHideArea::IsFrameActive() const
{
    CFrameWnd* pFrame = GetAreaFrame();
    if (pFrame == nullptr)
        return false;
    CWnd* pActive = CWnd::GetActiveWindow();
    const bool bHover = CExtPopupMenuWnd::IsHoverAllowed(m_hWnd, pActive != nullptr ? pActive->m_hWnd : nullptr);
    if (!bHover && (m_bfState & kStateFrameActive) == 0)
        return false;
    if ((m_bfState & kStateFrameActive) != 0)
        return true;
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr)
        return false;
    const HWND hFrame = pFrame->GetSafeHwnd();
    if (hFocus == hFrame || ::IsChild(hFrame, hFocus))
        return true;
    CWnd* pFocus = CWnd::FromHandle(hFocus);
    CFrameWnd* pFocusFrame = pFocus != nullptr ? pFocus->GetParentFrame() : nullptr;
    for (; pFocusFrame != nullptr; pFocusFrame = pFocusFrame->GetParentFrame())
    {
        if (pFocusFrame == pFrame)
            return true;
    }
    if (CMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CMDIChildWnd, pFrame))
    {
        CMDIFrameWnd* pMdi = pChild->GetMDIFrame();
        return pMdi != nullptr && pMdi->MDIGetActive() == pChild;
    }
    return false;
}

bool CExtDynAutoHideArea::OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest)
{
    if (bPreSelectionTest)
    {
        const bool bSliderVisible =
            m_pSlider != nullptr && m_pSlider->GetSafeHwnd() != nullptr && m_pSlider->IsWindowVisible();
        if (nOldItemIndex == nNewItemIndex && bSliderVisible)
            return true;
        if (!IsFrameActive())
            return nNewItemIndex < 0;
        if (nNewItemIndex >= 0 && (m_bfState & kStateAppending) == 0 && m_pSlider != nullptr &&
            m_pSlider->GetBar() != nullptr)
            m_pSlider->SlideRun(m_pSlider->GetBar(), false, false);
        return true;
    }
    if ((m_bfState & kStateAppending) != 0 || nNewItemIndex < 0)
        return true;
    CExtControlBar* pBar = GetBarAt(nNewItemIndex);
    const bool bAnimate = !m_bKeyboardSelection;
    m_bKeyboardSelection = false;
    if (pBar == nullptr)
    {
        RemoveDeadTabs();
        return false;
    }
    if (m_pSlider != nullptr)
        m_pSlider->SlideRun(pBar, true, bAnimate);
    return true;
}

void CExtDynAutoHideArea::MarkGroupCurrent(int nIndex)
{
    TAB_ITEM_INFO* pTii = ItemGet(nIndex);
    if (pTii == nullptr)
        return;
    int nStart = nIndex;
    while (nStart > 0 && !ItemGet(nStart)->IsGroupStart())
        --nStart;
    for (int i = nStart; i < ItemGetCount(); ++i)
    {
        TAB_ITEM_INFO* p = ItemGet(i);
        if (i > nStart && p->IsGroupStart())
            break;
        p->m_dwItemStyle &= ~TAB_ITEM_INFO::kGroupCurrent;
    }
    pTii->m_dwItemStyle |= TAB_ITEM_INFO::kGroupCurrent;
    UpdateTabWnd(true);
}

bool CExtDynAutoHideArea::HandleCtrlPage(bool bNext)
{
    // The walk stops at a bar that is not slid out.
    const int i = dyntabs::FindCtrlPageTab(*this, bNext, [this](int nIndex) {
        CExtControlBar* pBar = GetBarAt(nIndex);
        return pBar != nullptr && !pBar->IsWindowVisible();
    });
    if (i < 0)
        return true;
    CExtControlBar* pBar = GetBarAt(i);
    m_bKeyboardSelection = true;
    SelectionSet(i, true, true);
    m_bKeyboardSelection = false;
    if (m_pSlider != nullptr && m_pSlider->GetBar() == pBar)
    {
        CWnd* pChild = m_pSlider->GetWindow(GW_CHILD);
        if (pChild != nullptr && pChild->IsWindowVisible() && pChild->IsWindowEnabled())
            pChild->SetFocus();
    }
    return true;
}

BOOL CExtDynAutoHideArea::PreTranslateMessage(MSG* pMsg)
{
    if (g_bEnableCtrlPageSwitching && GetSafeHwnd() != nullptr && SelectionGet() >= 0 && dyntabs::IsCtrlPageKey(*pMsg))
    {
        HandleCtrlPage(pMsg->wParam == VK_NEXT);
        return TRUE;
    }
    return CExtTabWnd::PreTranslateMessage(pMsg);
}

// ---- texts, icons, visibility, metrics, painting -----------------------------------------------------------------

CExtCmdIcon* CExtDynAutoHideArea::OnTabWndQueryItemIcon(const TAB_ITEM_INFO* pTii) const
{
    CExtControlBar* pBar = GetBarAt(ItemGetIndexOf(pTii));
    if (pBar == nullptr)
        return nullptr;
    return dyntabs::BarCommandIcon(*this, pBar);
}

LPCTSTR CExtDynAutoHideArea::OnTabWndQueryItemText(const TAB_ITEM_INFO* pTii) const
{
    CExtControlBar* pBar = GetBarAt(ItemGetIndexOf(pTii));
    if (pBar == nullptr)
        return nullptr;
    pBar->GetCaptionText(m_sQueriedText);
    return m_sQueriedText;
}

void CExtDynAutoHideArea::OnTabWndSyncVisibility()
{
    if (GetSafeHwnd() == nullptr)
        return;
    RemoveDeadTabs();
    CFrameWnd* pFrame = GetAreaFrame();
    const bool bShow = ItemGetCount() > 0 && (pFrame == nullptr || !CExtControlBar::IsPrintPreviewFrame(pFrame));
    const bool bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        SetWindowPos(nullptr, 0, 0, 0, 0, 0x267);
    else if (!bShow && bVisible)
        SetWindowPos(nullptr, 0, 0, 0, 0, 0x287);
}

void CExtDynAutoHideArea::OnTabWndItemInsert(int nItemIndex, TAB_ITEM_INFO* pTii)
{
    CExtTabWnd::OnTabWndItemInsert(nItemIndex, pTii);
    UpdateTabWnd(false);
}

void CExtDynAutoHideArea::OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset)
{
    CExtTabWnd::OnTabWndQueryMetrics(nItemInset, nButtonMargin, nStripOffset);
    nStripOffset = 0;
    if (!OrientationIsHorizontal())
        return;
    CExtDynAutoHideArea *pLeft = nullptr, *pRight = nullptr;
    FindFrameAreas(this, nullptr, nullptr, &pLeft, &pRight);
    if (pLeft != nullptr && pLeft->ItemGetCount() > 0)
        nItemInset += pLeft->GetStripThickness();
    if (pRight != nullptr && pRight->ItemGetCount() > 0)
        nButtonMargin += pRight->GetStripThickness();
}

void CExtDynAutoHideArea::OnTabWndDrawEntire(CDC& dc, const CRect& rcClient)
{
    bool bLook = g_nAutoHideLook == 1;
    if (g_nAutoHideLook == -1)
        bLook = g_PaintManagerHolder->GetAutoHideMetric() != 0;
    const DWORD dwWanted = bLook ? kStyleGroupedExpandItems : 0;
    if ((m_dwTabWndStyle & kStyleGroupedExpandItems) != dwWanted)
    {
        m_dwTabWndStyle = (m_dwTabWndStyle & ~kStyleGroupedExpandItems) | dwWanted;
        m_bLayoutDirty = true;
        RecalcLayout();
    }
    CExtTabWnd::OnTabWndDrawEntire(dc, rcClient);
}

// ---- window messages ---------------------------------------------------------------------------------------------

LRESULT CExtDynAutoHideArea::OnSizeParentArea(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CExtTabWnd::OnSizeParent(wParam, lParam);
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    // The frame may still be hidden while it lays out: the strip's own visibility counts.
    if (lpLayout != nullptr && (GetStyle() & WS_VISIBLE) != 0)
        ReserveInEdgeDockBar(lpLayout->rect);
    return lResult;
}

void CExtDynAutoHideArea::ReserveInEdgeDockBar(const CRect& rcLeft)
{
    CFrameWnd* pFrame = GetAreaFrame();
    CExtDockBar* pDock = pFrame != nullptr ? CExtDockBar::FindCircleDockBar(pFrame, 0, m_nEdgeId) : nullptr;
    CWnd* pParent = GetParent();
    if (pDock == nullptr || pParent == nullptr)
        return;
    // The space the strip took counts as the dock bar's part: its inner edge line moves to the strip's inner side.
    CRect rc(rcLeft);
    pParent->ClientToScreen(&rc);
    CRect& rcEdge = pDock->m_rcInnerEdge;
    switch (m_nEdgeId)
    {
    case CExtControlBar::kDockBarTop: rcEdge.top = rcEdge.bottom = rc.top; break;
    case CExtControlBar::kDockBarBottom: rcEdge.top = rcEdge.bottom = rc.bottom; break;
    case CExtControlBar::kDockBarLeft: rcEdge.left = rcEdge.right = rc.left; break;
    case CExtControlBar::kDockBarRight: rcEdge.left = rcEdge.right = rc.right; break;
    default: break;
    }
}

void CExtDynAutoHideArea::CloseSliderOnResize(bool bSizeOnly)
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    if (rcWnd == m_rcLastWnd)
        return;
    m_rcLastWnd = rcWnd;
    if (m_pSlider == nullptr || m_pSlider->GetSafeHwnd() == nullptr || !m_pSlider->IsShown() ||
        m_pSlider->IsAnimating() || (!bSizeOnly && m_pSlider->IsResizing()))
        return;
    m_pSlider->PostMessage(WM_CANCELMODE);
}

void CExtDynAutoHideArea::OnSize(UINT nType, int cx, int cy)
{
    CExtTabWnd::OnSize(nType, cx, cy);
    CloseSliderOnResize(true);
}

void CExtDynAutoHideArea::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CExtTabWnd::OnWindowPosChanged(lpwndpos);
    CloseSliderOnResize(false);
}

void CExtDynAutoHideArea::OnDestroy()
{
    if (m_dropTarget.m_hWnd != nullptr)
        m_dropTarget.Revoke();
    CFrameWnd* pFrame = GetAreaFrame();
    if (pFrame != nullptr)
    {
        for (CExtDockBar* pDock = CExtDockBar::FindCircleDockBar(pFrame, 0, m_nEdgeId); pDock != nullptr;
             pDock = pDock->m_pInnerCircleBar)
        {
            if (pDock->m_pAutoHideArea == this)
                pDock->m_pAutoHideArea = nullptr;
        }
    }
    CExtTabWnd::OnDestroy();
}

void CExtDynAutoHideArea::OnContextMenu(CWnd* pWnd, CPoint point)
{
    (void)pWnd;
    CFrameWnd* pFrame = GetAreaFrame();
    if (pFrame == nullptr || CExtControlBar::IsFrameInHelpMode(this) || m_bTracking ||
        (m_pSlider != nullptr && m_pSlider->IsAnimating()))
        return;
    const auto fill = [this](CExtPopupMenuWnd& popup, LPCTSTR pszProfile) {
        for (int i = 0; i < ItemGetCount(); ++i)
        {
            CExtControlBar* pBar = GetBarAt(i);
            if (pBar == nullptr)
                continue;
            if (ItemGet(i)->IsGroupStart() && popup.GetItemCount() > 0)
                popup.InsertItem(CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR);
            dyntabs::SetupBarCommand(pszProfile, pBar);
            popup.InsertItem((int)pBar->GetDlgCtrlID());
        }
    };
    dyntabs::TrackBarsMenu(pFrame, kMenuKindArea, this, point, fill);
}
