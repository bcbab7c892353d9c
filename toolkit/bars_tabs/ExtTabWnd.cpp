// CExtTabWnd: the item record, items and selection, creation and the window's messages.
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtTabWnd, CWnd)

BEGIN_MESSAGE_MAP(CExtTabWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SHOWWINDOW()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_MOUSEACTIVATE()
ON_WM_SETFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_MBUTTONDOWN()
ON_WM_MBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_CANCELMODE()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_DISPLAYCHANGE()
ON_WM_THEMECHANGED()
ON_REGISTERED_MESSAGE(CExtControlBar::g_nMsgQueryRepositionCalcEffect, OnQueryRepositionCalcEffect)
END_MESSAGE_MAP()

const wchar_t* const CExtTabWnd::kWndClassName = L"Nimbal-TabWindow";

// ---- the item record ---------------------------------------------------------------------------

CExtTabWnd::TAB_ITEM_INFO::TAB_ITEM_INFO(CExtTabWnd* pWndTab, LPCTSTR lpszText, const CExtCmdIcon* pIcon,
                                         bool bCopyIcon, DWORD dwItemStyle, LPARAM lParam)
    : m_pWndTab(pWndTab), m_dwItemStyle(dwItemStyle), m_sText(lpszText != nullptr ? lpszText : L""),
      m_sizeItem(kMinItemLength, kMinThickness), m_sizeLastMeasuredText(0, 0), m_sizeLastMeasuredIcon(0, 0),
      m_rcItem(0, 0, kMinItemLength, kMinThickness), m_lParam(lParam), m_dwLayoutFlags(0), m_pPrev(nullptr),
      m_pNext(nullptr)
{
    // The record keeps its own copy either way (bCopyIcon is kept for the callers' sake).
    (void)bCopyIcon;
    if (pIcon != nullptr && !pIcon->IsEmpty())
        m_icon.AssignFrom(*pIcon);
}

CExtTabWnd::TAB_ITEM_INFO::~TAB_ITEM_INFO() {}

LPCTSTR CExtTabWnd::TAB_ITEM_INFO::GetText() const
{
    LPCTSTR psz = m_pWndTab != nullptr ? m_pWndTab->OnTabWndQueryItemText(this) : nullptr;
    return psz != nullptr ? psz : (LPCTSTR)m_sText;
}

CExtCmdIcon* CExtTabWnd::TAB_ITEM_INFO::GetIconPtr() const
{
    CExtCmdIcon* pIcon = m_pWndTab != nullptr ? m_pWndTab->OnTabWndQueryItemIcon(this) : nullptr;
    if (pIcon != nullptr && !pIcon->IsEmpty())
        return pIcon;
    if (!m_icon.IsEmpty())
        return const_cast<CExtCmdIcon*>(&m_icon);
    return nullptr;
}

CSize CExtTabWnd::TAB_ITEM_INFO::GetIconSize() const
{
    CExtCmdIcon* pIcon = GetIconPtr();
    return pIcon != nullptr ? CSize(pIcon->GetSize()) : CSize(0, 0);
}

bool CExtTabWnd::TAB_ITEM_INFO::HitTest(const POINT& ptItemSpace) const
{
    if (!IsVisible() || m_rcItem.IsRectEmpty())
        return false;
    return m_rcItem.PtInRect(ptItemSpace) != FALSE;
}

void CExtTabWnd::TAB_ITEM_INFO::ModifyItemStyle(DWORD dwRemove, DWORD dwAdd)
{
    const bool bWasVisible = IsVisible();
    m_dwItemStyle = (m_dwItemStyle & ~dwRemove) | dwAdd;
    if (m_pWndTab != nullptr && bWasVisible != IsVisible())
    {
        m_pWndTab->m_nVisibleItemCount += IsVisible() ? 1 : -1;
        m_pWndTab->m_bLayoutDirty = true;
    }
}

// ---- construction and creation -----------------------------------------------------------------

CExtTabWnd::CExtTabWnd()
    : m_dwTabWndStyle(0), m_pLastPaintManager(nullptr), m_bExcludeFromFrameQuery(false), m_nSelIndex(-1),
      m_nFirstVisible(-1), m_nLastVisible(-1), m_nDelayedSelIndex(-1), m_nHoverCode(-1), m_nVisibleItemCount(0),
      m_nContentLength(0), m_nThickness(0), m_nScrollPos(0), m_nScrollMax(0), m_nPendingScroll(0),
      m_rcItemsArea(0, 0, 0, 0), m_rcNearBorder(0, 0, 0, 0), m_bDocksToParent(false), m_bCreatedThroughCreate(false),
      m_bLayoutDirty(true), m_bTracking(false), m_bHoverActive(false), m_bSomeItemNarrowed(false),
      m_bTipsEnabled(false), m_nTrackedHitCode(-1), m_nTrackedMouseButton(-1), m_rcLayoutOverride(0, 0, 0, 0),
      m_ptPress(-1, -1), m_rcLastDragSwap(0, 0, 0, 0), m_bDragging(false)
{
    for (int i = 0; i < 5; ++i)
    {
        m_rcButtons[i].SetRectEmpty();
        m_bButtonShown[i] = false;
        m_bButtonPressed[i] = false;
    }
    RegisterTabWndClass();
}

CExtTabWnd::~CExtTabWnd()
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
        delete m_arrItems[i];
    m_arrItems.RemoveAll();
}

bool CExtTabWnd::RegisterTabWndClass()
{
    static bool s_bRegistered = false;
    if (!s_bRegistered)
        s_bRegistered = CExtControlBar::RegisterBarClass(kWndClassName, CS_GLOBALCLASS | CS_DBLCLKS);
    return s_bRegistered;
}

bool CExtTabWnd::IsMdiTabWindow() const { return false; }

bool CExtTabWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, DWORD dwWindowStyle, DWORD dwTabStyle,
                        CCreateContext* pContext)
{
    if (!RegisterTabWndClass())
        return false;
    m_dwTabWndStyle = dwTabStyle;
    m_bCreatedThroughCreate = true;
    if (!CWnd::Create(kWndClassName, nullptr, dwWindowStyle, rcWnd, pParentWnd, nDlgCtrlID, pContext))
        return false;
    InitTabWnd();
    return true;
}

BOOL CExtTabWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs) || !RegisterTabWndClass())
        return FALSE;
    cs.lpszClass = kWndClassName;
    return TRUE;
}

void CExtTabWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    if (m_bCreatedThroughCreate)
        return;
    // A window made elsewhere: the low word of its window style is the tab style.
    const DWORD dwStyle = GetStyle();
    m_dwTabWndStyle = dwStyle & 0xFFFF;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)(dwStyle & ~0xFFFFu));
    InitTabWnd();
}

void CExtTabWnd::SubclassWithStyle(DWORD dwAddStyle)
{
    CExtTabWnd::PreSubclassWindow();
    if (m_bCreatedThroughCreate)
        return;
    m_dwTabWndStyle |= dwAddStyle;
    UpdateTabWnd(false);
}

void CExtTabWnd::InitTabWnd()
{
    // The tip control, a window of its own, is made when a tip is first shown.
    m_bTipsEnabled = true;
    UpdateTabWnd(false);
}

CToolTipCtrl* CExtTabWnd::GetToolTip()
{
    if (m_wndToolTip.GetSafeHwnd() == nullptr && m_bTipsEnabled && GetSafeHwnd() != nullptr &&
        OnTabWndToolTipQueryEnabled())
    {
        // Without a tip control the strip works without tips.
        if (m_wndToolTip.Create(this))
            m_wndToolTip.Activate(TRUE);
    }
    return m_wndToolTip.GetSafeHwnd() != nullptr ? &m_wndToolTip : nullptr;
}

void CExtTabWnd::ModifyTabWndStyle(DWORD dwRemove, DWORD dwAdd, bool bUpdate)
{
    m_dwTabWndStyle = (m_dwTabWndStyle & ~dwRemove) | dwAdd;
    UpdateTabWnd(bUpdate);
}

void CExtTabWnd::UpdateTabWnd(bool bImmediate)
{
    m_bLayoutDirty = true;
    if (!bImmediate || !IsOnScreen())
        return;
    RecalcLayout();
    Invalidate();
    UpdateWindow();
}

// ---- items ------------------------------------------------------------------------------------

CExtTabWnd::TAB_ITEM_INFO* CExtTabWnd::ItemGet(int nIndex) const
{
    if (nIndex < 0 || nIndex >= ItemGetCount())
        return nullptr;
    return m_arrItems[nIndex];
}

int CExtTabWnd::ItemGetIndexOf(const TAB_ITEM_INFO* pTii) const
{
    for (int i = 0; i < ItemGetCount(); ++i)
    {
        if (m_arrItems[i] == pTii)
            return i;
    }
    return -1;
}

CExtTabWnd::TAB_ITEM_INFO* CExtTabWnd::ItemInsert(LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon,
                                                  DWORD dwItemStyle, int nIndex, LPARAM lParam, bool bUpdate)
{
    return ItemInsertRecord(ItemCreateRecord(lpszText, pIcon, bCopyIcon, dwItemStyle, lParam), nIndex, bUpdate);
}

CExtTabWnd::TAB_ITEM_INFO* CExtTabWnd::ItemCreateRecord(LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon,
                                                        DWORD dwItemStyle, LPARAM lParam)
{
    return new TAB_ITEM_INFO(this, lpszText, pIcon, bCopyIcon, dwItemStyle, lParam);
}

CExtTabWnd::TAB_ITEM_INFO* CExtTabWnd::ItemInsertRecord(TAB_ITEM_INFO* pTii, int nIndex, bool bUpdate)
{
    const int nCount = ItemGetCount();
    if (nIndex < 0 || nIndex > nCount)
        nIndex = nCount;
    pTii->m_pPrev = nIndex > 0 ? m_arrItems[nIndex - 1] : nullptr;
    pTii->m_pNext = nIndex < nCount ? m_arrItems[nIndex] : nullptr;
    if (pTii->m_pPrev != nullptr)
        pTii->m_pPrev->m_pNext = pTii;
    if (pTii->m_pNext != nullptr)
        pTii->m_pNext->m_pPrev = pTii;
    m_arrItems.InsertAt(nIndex, pTii);
    if (m_nSelIndex >= nIndex)
        ++m_nSelIndex;
    if (pTii->IsVisible())
        ++m_nVisibleItemCount;
    m_bLayoutDirty = true;
    OnTabWndItemInsert(nIndex, pTii);
    UpdateTabWnd(bUpdate);
    return pTii;
}

int CExtTabWnd::ItemRemove(int nFirst, int nCount, bool bUpdate)
{
    const int nItems = ItemGetCount();
    // A first index outside the items removes nothing (the MDI hooks pass -1 for unknown children).
    if (nCount <= 0 || nItems == 0 || nFirst < 0 || nFirst >= nItems)
        return 0;
    if (nFirst + nCount > nItems)
        nCount = nItems - nFirst;
    const int nLast = nFirst + nCount - 1;
    if (m_nSelIndex > nLast)
        m_nSelIndex -= nCount;
    else if (m_nSelIndex >= nFirst)
        m_nSelIndex = -1;
    if (m_nDelayedSelIndex >= nFirst)
        DelayedSelectionSet(-1);
    OnTabWndRemoveItem(nFirst, nCount, true);
    TAB_ITEM_INFO* pBefore = nFirst > 0 ? m_arrItems[nFirst - 1] : nullptr;
    TAB_ITEM_INFO* pAfter = nLast + 1 < nItems ? m_arrItems[nLast + 1] : nullptr;
    for (int i = nFirst; i <= nLast; ++i)
    {
        if (m_arrItems[i]->IsVisible())
            --m_nVisibleItemCount;
        delete m_arrItems[i];
    }
    m_arrItems.RemoveAt(nFirst, nCount);
    if (pBefore != nullptr)
        pBefore->m_pNext = pAfter;
    if (pAfter != nullptr)
        pAfter->m_pPrev = pBefore;
    m_bLayoutDirty = true;
    OnTabWndRemoveItem(nFirst, nCount, false);
    UpdateTabWnd(bUpdate);
    return nCount;
}

void CExtTabWnd::ItemRemoveAll(bool bUpdate)
{
    if (ItemGetCount() > 0)
    {
        OnTabWndRemoveAllItems(true);
        DelayedSelectionSet(-1);
        for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
            delete m_arrItems[i];
        m_arrItems.RemoveAll();
        m_bLayoutDirty = true;
        m_nVisibleItemCount = 0;
        m_nSelIndex = -1;
        OnTabWndRemoveAllItems(false);
    }
    UpdateTabWnd(bUpdate);
}

int CExtTabWnd::ItemFindByLParam(LPARAM lParam, int nStart, bool bIncludeVisible, bool bIncludeHidden) const
{
    const bool bAll = bIncludeVisible == bIncludeHidden;
    for (int i = nStart < 0 ? 0 : nStart + 1; i < ItemGetCount(); ++i)
    {
        const TAB_ITEM_INFO* pTii = m_arrItems[i];
        if (!bAll && pTii->IsVisible() != bIncludeVisible)
            continue;
        if (pTii->m_lParam == lParam)
            return i;
    }
    return -1;
}

int CExtTabWnd::ItemFindByStyle(DWORD dwRequired, DWORD dwExcluded, int nStart) const
{
    for (int i = nStart < 0 ? 0 : nStart + 1; i < ItemGetCount(); ++i)
    {
        const DWORD dw = m_arrItems[i]->m_dwItemStyle;
        if (dwRequired != 0 && (dw & dwRequired) == 0)
            continue;
        if ((dw & dwExcluded) != 0)
            continue;
        return i;
    }
    return -1;
}

bool CExtTabWnd::ItemMove(int nIndexFrom, int nIndexTo)
{
    TAB_ITEM_INFO* pFrom = ItemGet(nIndexFrom);
    if (pFrom == nullptr || ItemGet(nIndexTo) == nullptr || nIndexFrom == nIndexTo)
        return false;
    ItemEnsureVisible(nIndexTo, false);
    TAB_ITEM_INFO* pCopy = ItemCopyRecord(pFrom);
    pCopy->m_dwItemStyle &= ~(TAB_ITEM_INFO::kSelected | TAB_ITEM_INFO::kGroupCurrent);
    const bool bWasSelected = m_nSelIndex == nIndexFrom;
    ItemInsertRecord(pCopy, nIndexTo > nIndexFrom ? nIndexTo + 1 : nIndexTo, false);
    const int nOldAt = nIndexTo > nIndexFrom ? nIndexFrom : nIndexFrom + 1;
    if (bWasSelected)
    {
        // The copy takes the selection over without a second notification.
        m_arrItems[nOldAt]->m_dwItemStyle &= ~(TAB_ITEM_INFO::kSelected | TAB_ITEM_INFO::kGroupCurrent);
        m_nSelIndex = -1;
    }
    ItemRemove(nOldAt, 1, false);
    SelectionSet(nIndexTo, false, false);
    return true;
}

CExtTabWnd::TAB_ITEM_INFO* CExtTabWnd::ItemCopyRecord(const TAB_ITEM_INFO* pTii)
{
    return new TAB_ITEM_INFO(this, pTii->m_sText, &pTii->m_icon, true, pTii->m_dwItemStyle, pTii->m_lParam);
}

bool CExtTabWnd::ItemMoveWithNotifications(int nIndexFrom, int nIndexTo, bool bUpdate)
{
    if (ItemGetCount() == 0 || ItemGet(nIndexFrom) == nullptr || ItemGet(nIndexTo) == nullptr || nIndexFrom == nIndexTo)
        return false;
    if (!OnTabWndItemMoveQuery(nIndexFrom, nIndexTo))
        return false;
    ItemMove(nIndexFrom, nIndexTo);
    UpdateTabWnd(bUpdate);
    OnTabWndItemMoved(nIndexFrom, nIndexTo);
    return true;
}

// ---- selection --------------------------------------------------------------------------------

int CExtTabWnd::SelectionSet(int nIndex, bool bEnsureVisible, bool bUpdate)
{
    const int nOld = m_nSelIndex;
    if (nIndex < 0)
        nIndex = -1;
    // An index beyond the items is refused: nothing changes.
    if (nIndex >= ItemGetCount())
        return nOld;
    if (!OnTabWndSelectionChange(nOld, nIndex, true))
        return nOld;
    m_nSelIndex = nIndex;
    if (TAB_ITEM_INFO* pOld = ItemGet(nOld))
        pOld->m_dwItemStyle &= ~TAB_ITEM_INFO::kSelected;
    if (TAB_ITEM_INFO* pNew = ItemGet(nIndex))
    {
        // The group's active bit moves from the item of the same group that had it.
        bool bCleared = false;
        if (!pNew->IsGroupStart())
        {
            for (TAB_ITEM_INFO* p = pNew->m_pPrev; p != nullptr; p = p->m_pPrev)
            {
                if (p->IsGroupCurrent())
                {
                    p->m_dwItemStyle &= ~TAB_ITEM_INFO::kGroupCurrent;
                    bCleared = true;
                    break;
                }
                if (p->IsGroupStart())
                    break;
            }
        }
        if (!bCleared)
        {
            for (TAB_ITEM_INFO* p = pNew->m_pNext; p != nullptr; p = p->m_pNext)
            {
                if (p->IsGroupStart())
                    break;
                if (p->IsGroupCurrent())
                {
                    p->m_dwItemStyle &= ~TAB_ITEM_INFO::kGroupCurrent;
                    break;
                }
            }
        }
        pNew->m_dwItemStyle |= TAB_ITEM_INFO::kSelected | TAB_ITEM_INFO::kGroupCurrent;
    }
    m_bLayoutDirty = true;
    if (!OnTabWndSelectionChange(nOld, nIndex, false))
        return nIndex;
    if (bEnsureVisible && m_nSelIndex >= 0 && ItemGetCount() > 0)
        ItemEnsureVisible(m_nSelIndex, bUpdate);
    else
        UpdateTabWnd(bUpdate);
    return nOld;
}

bool CExtTabWnd::ItemEnsureVisible(int nIndex, bool bUpdate)
{
    TAB_ITEM_INFO* pTii = ItemGet(nIndex);
    if (pTii == nullptr)
        return false;
    if (!pTii->IsVisible())
    {
        UpdateTabWnd(bUpdate);
        return false;
    }
    RecalcLayout();
    if (m_nScrollMax > 0)
    {
        const bool bHorz = OrientationIsHorizontal();
        const int nAreaLength = bHorz ? m_rcItemsArea.Width() : m_rcItemsArea.Height();
        const int nNear = (bHorz ? pTii->m_rcItem.left : pTii->m_rcItem.top) - m_nScrollPos;
        const int nFar = (bHorz ? pTii->m_rcItem.right : pTii->m_rcItem.bottom) - m_nScrollPos;
        const int kSlack = 6;
        if (nFar > nAreaLength + kSlack)
        {
            m_nScrollPos += nFar - nAreaLength;
            m_nScrollPos = std::min(m_nScrollPos + kSlack, m_nScrollMax);
        }
        else if (nNear < 0)
        {
            m_nScrollPos += nNear;
            m_nScrollPos = std::max(m_nScrollPos - kSlack, 0);
        }
        m_nScrollPos = std::max(0, std::min(m_nScrollPos, m_nScrollMax));
    }
    UpdateTabWnd(bUpdate);
    return true;
}

void CExtTabWnd::ScrollPosSet(int nPos, bool bUpdate)
{
    m_nScrollPos = std::max(0, nPos);
    UpdateTabWnd(bUpdate);
}

// ---- default answers of the virtual operations --------------------------------------------------

CFont* CExtTabWnd::GetItemFont(bool bSelected, int nOrientation)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (nOrientation < 0)
        nOrientation = (int)OrientationGet();
    const bool bBold = bSelected && (m_dwTabWndStyle & kStyleBoldSelection) != 0 && !IsGroupedMode();
    if (nOrientation == (int)kOrientTop || nOrientation == (int)kOrientBottom)
        return bBold ? &pPM->m_fontBold : &pPM->m_fontNormal;
    if ((m_dwTabWndStyle & kStyleInvertVertFont) != 0)
        return bBold ? &pPM->m_fontBoldRot90 : &pPM->m_fontNormalRot90;
    return bBold ? &pPM->m_fontBoldRot270 : &pPM->m_fontNormalRot270;
}

void CExtTabWnd::OnTabWndSyncVisibility() {}

bool CExtTabWnd::OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest)
{
    (void)nOldItemIndex;
    (void)nNewItemIndex;
    (void)bPreSelectionTest;
    return true;
}

CExtCmdIcon* CExtTabWnd::OnTabWndQueryItemIcon(const TAB_ITEM_INFO* pTii) const
{
    return pTii != nullptr ? const_cast<CExtCmdIcon*>(&pTii->m_icon) : nullptr;
}

LPCTSTR CExtTabWnd::OnTabWndQueryItemText(const TAB_ITEM_INFO* pTii) const
{
    return pTii != nullptr ? (LPCTSTR)pTii->m_sText : nullptr;
}

void CExtTabWnd::OnTabWndItemInsert(int nItemIndex, TAB_ITEM_INFO* pTii)
{
    (void)nItemIndex;
    (void)pTii;
}

void CExtTabWnd::OnTabWndRemoveItem(int nItemIndex, int nCount, bool bPreRemove)
{
    (void)nItemIndex;
    (void)nCount;
    (void)bPreRemove;
}

void CExtTabWnd::OnTabWndRemoveAllItems(bool bPreRemove) { (void)bPreRemove; }

bool CExtTabWnd::OnTabWndToolTipQueryEnabled() const { return true; }

bool CExtTabWnd::OnTabWndItemMoveQuery(int nIndexFrom, int nIndexTo)
{
    (void)nIndexFrom;
    (void)nIndexTo;
    return true;
}

void CExtTabWnd::OnTabWndItemMoved(int nIndexFrom, int nIndexTo)
{
    (void)nIndexFrom;
    (void)nIndexTo;
}

// ---- messages -----------------------------------------------------------------------------------

BOOL CExtTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_bTipsEnabled && m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CExtTabWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHdr = (const NMHDR*)lParam;
    if (pHdr != nullptr && pHdr->code == TTN_SHOW && m_wndToolTip.GetSafeHwnd() != nullptr &&
        pHdr->hwndFrom == m_wndToolTip.m_hWnd)
    {
        ::SetWindowPos(m_wndToolTip.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return FALSE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

void CExtTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    OnPlacementChanged();
}

void CExtTabWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    OnPlacementChanged();
}

void CExtTabWnd::OnPlacementChanged()
{
    if (IsWindowVisible())
    {
        RemoveTip();
        CWnd::CancelToolTips();
    }
    // Off the screen (a parent hidden) the layout is only marked stale: the first paint makes it.
    UpdateTabWnd(true);
}

void CExtTabWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    if (!bShow)
        return;
    RemoveTip();
    UpdateTabWnd(true);
}

int CExtTabWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    (void)pDesktopWnd;
    (void)nHitTest;
    (void)message;
    CFrameWnd* pFrame = GetParentFrame();
    HWND hWndLastPopup = pFrame != nullptr ? ::GetLastActivePopup(pFrame->m_hWnd) : nullptr;
    if (::GetForegroundWindow() != hWndLastPopup && GetParent() != nullptr)
        GetParent()->SetFocus();
    return MA_NOACTIVATE;
}

void CExtTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    (void)pOldWnd;
    if (CWnd* pParent = GetParent())
        pParent->SetFocus();
}

BOOL CExtTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    (void)pWnd;
    (void)nHitTest;
    (void)message;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->m_bHelpMode)
        return FALSE;
    ::SetCursor(CExtControlBar::g_hCursorArrow);
    return TRUE;
}

void CExtTabWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    g_PaintManagerHolder.OnSysColorChange(this);
    Invalidate();
}

void CExtTabWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    g_PaintManagerHolder.OnSettingChange(this, uFlags, lpszSection);
    UpdateTabWnd(true);
}

void CExtTabWnd::OnDisplayChange(UINT nImageDepth, int cxScreen, int cyScreen)
{
    CWnd::OnDisplayChange(nImageDepth, cxScreen, cyScreen);
    g_PaintManagerHolder.OnDisplayChange(this, (int)nImageDepth, cxScreen, cyScreen);
}

LRESULT CExtTabWnd::OnThemeChanged()
{
    const LRESULT lResult = CWnd::OnThemeChanged();
    g_PaintManagerHolder.OnThemeChanged(this, 0, 0);
    return lResult;
}

LRESULT CExtTabWnd::OnQueryRepositionCalcEffect(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    auto* pData = (CExtControlBar::QUERY_REPOSITION_CALC_EFFECT_DATA*)wParam;
    if (m_bExcludeFromFrameQuery && pData != nullptr && pData->IsQueryMode() && pData->m_pWndToReposChilds != nullptr &&
        pData->m_pWndToReposChilds->IsFrameWnd())
        pData->ExcludeFromCalc(true);
    return 0;
}
