// CExtDynTabWnd: the tabs of a tabbed bar group: bars as tabs, temporary tabs, selection, keyboard, mouse, the
// context menu and the drop target.
#include "toolkit/bars_tabs/ExtDynTabWnd.h"
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtDynTabWnd, CExtTabWnd)

BEGIN_MESSAGE_MAP(CExtDynTabWnd, CExtTabWnd)
ON_WM_LBUTTONDBLCLK()
ON_WM_CONTEXTMENU()
ON_WM_DESTROY()
END_MESSAGE_MAP()

bool CExtDynTabWnd::g_bEnableDropTarget = true;
bool CExtDynTabWnd::g_bEnableCtrlPageSwitching = true;

namespace
{
const DWORD kTemporary = CExtTabWnd::TAB_ITEM_INFO::kTemporary;
const DWORD kHidden = CExtTabWnd::TAB_ITEM_INFO::kHidden;
// Kind of the tab group's context menu in the popup-menu announcement.
const WORD kMenuKindTabGroup = 9;
} // namespace

// ---- construction ------------------------------------------------------------------------------------------------

CExtDynTabWnd::CExtDynTabWnd() { m_dropTarget.m_pOwner = this; }

CExtDynTabWnd::~CExtDynTabWnd() {}

bool CExtDynTabWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, DWORD dwWindowStyle, DWORD dwTabStyle,
                           CCreateContext* pContext)
{
    if (!CExtTabWnd::Create(pParentWnd, rcWnd, nDlgCtrlID, dwWindowStyle, dwTabStyle, pContext))
        return false;
    if (g_bEnableDropTarget && AfxOleIsInitialized())
        m_dropTarget.Register(this);
    return true;
}

void CExtDynTabWnd::OnDestroy()
{
    if (m_dropTarget.m_hWnd != nullptr)
        m_dropTarget.Revoke();
    CExtTabWnd::OnDestroy();
}

CExtDynTabControlBar* CExtDynTabWnd::GetTabControlBar() const
{
    return GetSafeHwnd() != nullptr ? DYNAMIC_DOWNCAST(CExtDynTabControlBar, GetParent()) : nullptr;
}

// ---- bars as tabs ------------------------------------------------------------------------------------------------

void CExtDynTabWnd::InsertBar(CExtControlBar* pBar, int nIndex, bool bTemporary, bool bUpdate)
{
    if (pBar == nullptr)
        return;
    if (FindBar(pBar) < 0)
    {
        DWORD dwStyle = bTemporary ? kTemporary : 0;
        if (pBar->GetSafeHwnd() == nullptr || (pBar->GetStyle() & WS_VISIBLE) == 0)
            dwStyle |= kHidden;
        if (nIndex < 0 || nIndex > ItemGetCount())
            nIndex = ItemGetCount();
        ItemInsert(nullptr, nullptr, false, dwStyle, nIndex, (LPARAM)pBar);
    }
    UpdateTabWnd(bUpdate);
}

void CExtDynTabWnd::RemoveTemporaryItems(bool bUpdate)
{
    // A member's own tab marked while the member is dragged out stays, without the mark.
    CExtDynTabControlBar* pGroup = GetTabControlBar();
    CExtDockDynBar* pInner = pGroup != nullptr ? pGroup->m_pWndDynDocker : nullptr;
    for (int i = ItemGetCount() - 1; i >= 0; --i)
    {
        TAB_ITEM_INFO* pTii = ItemGet(i);
        if ((pTii->m_dwItemStyle & kTemporary) == 0)
            continue;
        CExtControlBar* pBar = reinterpret_cast<CExtControlBar*>(pTii->m_lParam);
        const bool bMember = pInner != nullptr && pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) &&
                             pBar->m_pDockBar == pInner && pInner->FindBar(pBar) > 0;
        if (bMember)
            pTii->m_dwItemStyle &= ~kTemporary;
        else
            ItemRemove(i, 1, false);
    }
    UpdateTabWnd(bUpdate);
}

CExtControlBar* CExtDynTabWnd::GetBarAt(int nIndex, bool bSkipTemporary) const
{
    const TAB_ITEM_INFO* pTii = ItemGet(nIndex);
    if (pTii == nullptr || (bSkipTemporary && (pTii->m_dwItemStyle & kTemporary) != 0))
        return nullptr;
    return reinterpret_cast<CExtControlBar*>(pTii->m_lParam);
}

int CExtDynTabWnd::ItemHitTestScreen(int x, int y) const
{
    if (GetSafeHwnd() == nullptr)
        return -1;
    CPoint pt(x, y);
    ScreenToClient(&pt);
    const LONG nHit = ItemHitTest(pt);
    return nHit >= 0 ? (int)nHit : -1;
}

// ---- selection and keyboard --------------------------------------------------------------------------------------

bool CExtDynTabWnd::OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest)
{
    if (!CExtTabWnd::OnTabWndSelectionChange(nOldItemIndex, nNewItemIndex, bPreSelectionTest))
        return false;
    if (bPreSelectionTest)
        return true;
    CExtDynTabControlBar* pGroup = GetTabControlBar();
    if (pGroup != nullptr)
        pGroup->OnTabSelected(nNewItemIndex);
    return true;
}

bool CExtDynTabWnd::HandleCtrlPage(bool bNext)
{
    const int i = dyntabs::FindCtrlPageTab(*this, bNext, [this](int nIndex) {
        CExtControlBar* pBar = GetBarAt(nIndex, false);
        return pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) && pBar->IsWindowVisible();
    });
    if (i >= 0)
        SelectionSet(i, true, true);
    return true;
}

BOOL CExtDynTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (g_bEnableCtrlPageSwitching && GetSafeHwnd() != nullptr && SelectionGet() >= 0 && dyntabs::IsCtrlPageKey(*pMsg))
    {
        HandleCtrlPage(pMsg->wParam == VK_NEXT);
        return TRUE;
    }
    return CExtTabWnd::PreTranslateMessage(pMsg);
}

// ---- mouse -------------------------------------------------------------------------------------------------------

bool CExtDynTabWnd::OnTabWndClickedItem(int nItemIndex, bool bPressed, int nMouseButton, UINT nMouseEventFlags)
{
    if (nMouseButton != kMouseLeft)
        return false;
    return CExtTabWnd::OnTabWndClickedItem(nItemIndex, bPressed, nMouseButton, nMouseEventFlags);
}

bool CExtDynTabWnd::ItemDragQuery(int nIndex)
{
    CExtControlBar* pBar = GetBarAt(nIndex, true);
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return false;
    const HWND hWndOwn = m_hWnd;
    TrackingStop(true);
    HoverEnd(true);
    ItemGet(nIndex)->ModifyItemStyle(0, kTemporary);
    // The move that passed the strip's drag threshold starts the drag at once, where it was.
    const DWORD dwPos = ::GetMessagePos();
    const CPoint ptCursor((short)LOWORD(dwPos), (short)HIWORD(dwPos));
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    pBar->DraggingLoop(ptCursor, CPoint(ptCursor.x - rcBar.left, ptCursor.y - rcBar.top), 0, 0);
    // The drop may have dissolved the group and destroyed this strip with it.
    if (!::IsWindow(hWndOwn) || CWnd::FromHandlePermanent(hWndOwn) != this)
        return false;
    const int nSel = SelectionGet();
    for (int i = 0; i < ItemGetCount(); ++i)
    {
        TAB_ITEM_INFO* pTii = ItemGet(i);
        pTii->m_dwItemStyle &= ~(kTemporary | TAB_ITEM_INFO::kSelected | TAB_ITEM_INFO::kGroupCurrent);
        if (i == nSel)
            pTii->m_dwItemStyle |= TAB_ITEM_INFO::kSelected | TAB_ITEM_INFO::kGroupCurrent;
    }
    UpdateTabWnd(true);
    return false;
}

void CExtDynTabWnd::ItemDragLoop(int nIndex) { (void)nIndex; }

void CExtDynTabWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    (void)nFlags;
    const LONG nHit = ItemHitTest(point);
    CExtControlBar* pBar = nHit >= 0 ? GetBarAt((int)nHit, true) : nullptr;
    if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr)
        pBar->FloatAtStoredPosition();
}

void CExtDynTabWnd::OnContextMenu(CWnd* pWnd, CPoint point)
{
    (void)pWnd;
    CExtDynTabControlBar* pGroup = GetTabControlBar();
    CFrameWnd* pFrame = pGroup != nullptr ? pGroup->GetDockingFrame() : nullptr;
    if (pFrame == nullptr || CExtControlBar::IsFrameInHelpMode(this))
        return;
    const auto fill = [this](CExtPopupMenuWnd& popup, LPCTSTR pszProfile) {
        for (int i = 0; i < ItemGetCount(); ++i)
        {
            CExtControlBar* pBar = GetBarAt(i, false);
            if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
                continue; // a tab without a live bar has no command to offer
            dyntabs::SetupBarCommand(pszProfile, pBar);
            popup.InsertItem((int)pBar->GetDlgCtrlID());
        }
    };
    dyntabs::TrackBarsMenu(pFrame, kMenuKindTabGroup, pGroup, point, fill);
}

// ---- texts, icons and drawing ------------------------------------------------------------------------------------

CExtCmdIcon* CExtDynTabWnd::OnTabWndQueryItemIcon(const TAB_ITEM_INFO* pTii) const
{
    CExtControlBar* pBar = reinterpret_cast<CExtControlBar*>(pTii->m_lParam);
    if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()))
        return nullptr;
    return dyntabs::BarCommandIcon(*this, pBar);
}

LPCTSTR CExtDynTabWnd::OnTabWndQueryItemText(const TAB_ITEM_INFO* pTii) const
{
    CExtControlBar* pBar = reinterpret_cast<CExtControlBar*>(pTii->m_lParam);
    if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()))
        return nullptr;
    pBar->GetCaptionText(m_sQueriedText);
    return m_sQueriedText;
}

void CExtDynTabWnd::OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected,
                                     bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9,
                                     const CRect& rcItem, CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText,
                                     int nItemIndex, CExtCmdIcon* pIcon)
{
    // While temporary tabs exist only the last tab of the temporary run is drawn group-active.
    if (ItemFindByStyle(kTemporary) >= 0)
    {
        const TAB_ITEM_INFO* pTii = ItemGet(nItemIndex);
        const TAB_ITEM_INFO* pNext = ItemGet(nItemIndex + 1);
        bGroupActive = pTii != nullptr && (pTii->m_dwItemStyle & kTemporary) != 0 &&
                       (pNext == nullptr || (pNext->m_dwItemStyle & kTemporary) == 0);
    }
    CExtTabWnd::OnTabWndDrawItem(dc, rcItemsArea, bTopLeft, bHorz, bSelected, bFlag6, bGroupActive, bGroupedMode,
                                 bFlag9, rcItem, sizeTextMeasured, pFont, pszText, nItemIndex, pIcon);
}
