// CExtPopupMenuWnd: choosing selectable items, the delayed sub-menu, releasing the current item,
// the keyboard popup, expansion of hidden items, auto-scrolling and the tip's visibility.
#include "platform/Dc.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtSoundPlayer.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
bool IsSelectable(const MENUITEMDATA& mi)
{
    return mi.IsDisplayed() && !mi.IsSeparator() && (mi.IsPopup() || mi.IsEnabled() || mi.IsAlwaysEnabled());
}

constexpr int kChevronDone = 1500;
constexpr int kChevronStep = 50;
} // namespace

int CExtPopupMenuWnd::FindNextSelectableItem(int nDirection) const
{
    bool bChevron = false;
    if (HasHiddenItems() && !IsExpanded())
    {
        if (IsAllItemsHidden())
            return AREA_EXPAND;
        bChevron = true;
    }
    const int nNone = bChevron ? AREA_EXPAND : -1;
    const int nCount = GetItemCount();
    if (nDirection == 0 || nCount == 0)
        return nNone;
    const int nCur = (m_nCurIndex >= 0 && m_nCurIndex < nCount) ? m_nCurIndex : -1;
    if (nDirection == 1 && nCur >= 0)
        return nCur;
    if (nCur < 0)
    {
        for (int i = 0; i < nCount; ++i)
            if (IsSelectable(m_items[i]))
                return i;
        return nNone;
    }
    if (nDirection == 2)
    {
        if (nCount < 2)
            return nNone;
        for (int i = nCur + 1; i < nCount; ++i)
            if (IsSelectable(m_items[i]))
                return i;
        if (bChevron)
            return AREA_EXPAND;
        for (int i = 0; i < nCur; ++i)
            if (IsSelectable(m_items[i]))
                return i;
        return -1;
    }
    if (nDirection == 3)
    {
        if (nCount < 2)
            return -1;
        for (int i = nCur - 1; i >= 0; --i)
            if (IsSelectable(m_items[i]))
                return i;
        for (int i = nCount - 1; i > nCur; --i)
            if (IsSelectable(m_items[i]))
                return i;
        return -1;
    }
    return -1;
}

// ---- delayed sub-menu ------------------------------------------------------------------------------

void CExtPopupMenuWnd::SetDelayedSubMenuItem(int nIndex)
{
    if (m_nDelayedSubMenuIndex >= 0 && m_nDelayedSubMenuIndex != nIndex && GetSafeHwnd() != nullptr)
        KillTimer(ID_TIMER_DELAYED_SUBMENU);
    if (nIndex < 0)
    {
        m_nDelayedSubMenuIndex = -1;
        return;
    }
    if (nIndex == m_nDelayedSubMenuIndex)
        return;
    m_nDelayedSubMenuIndex = nIndex;
    const HWND hWnd = GetSafeHwnd();
    ItemCoveringNotification icn(this, nullptr, 2, nIndex);
    icn.Notify();
    if (hWnd != nullptr && ::IsWindow(hWnd))
        SetTimer(ID_TIMER_DELAYED_SUBMENU, DELAYED_SUBMENU_PERIOD, nullptr);
}

void CExtPopupMenuWnd::OnTimerDelayedSubMenu()
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    if (site.GetAnimatingPopup() != nullptr)
        return;
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return;
    KillTimer(ID_TIMER_DELAYED_SUBMENU);
    const int nIndex = m_nDelayedSubMenuIndex;
    m_nDelayedSubMenuIndex = -1;
    if (site.IsClosing() || nIndex < 0)
        return;
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CRect rcItem;
    GetItemRect(nIndex, rcItem, false);
    if (rcItem.PtInRect(pt))
        SetCurrentItem(nIndex, true, true, false);
}

// ---- releasing the current item ----------------------------------------------------------------

void CExtPopupMenuWnd::ReleaseCurrentItem(bool bRepaint)
{
    const HWND hWnd = GetSafeHwnd();
    auto gone = [&]() { return hWnd != nullptr && !::IsWindow(hWnd); };
    const bool bEmbedded = IsEmbeddedTracking();
    if (!bEmbedded)
    {
        HideTip(true);
        if (gone())
            return;
    }
    const int nCur = m_nCurIndex;
    if (nCur >= 0 && nCur < GetItemCount())
    {
        MENUITEMDATA& mi = m_items[nCur];
        if (mi.IsInplaceEdit())
        {
            mi.m_nEditFlags &= ~MENUITEMDATA::kEditUseOwnText;
            mi.m_sInplaceEditText.Empty();
            CWnd* pEdit = (CWnd*)mi.m_pInplaceEditWnd;
            if (pEdit != nullptr && pEdit->GetSafeHwnd() != nullptr && pEdit->IsWindowVisible())
                pEdit->ShowWindow(SW_HIDE);
        }
        mi.m_nFlags &= ~MENUITEMDATA::kFlagHighlighted;
        ItemCoveringNotification icn(this, nullptr, 0, nCur);
        icn.Notify();
        if (gone())
            return;
        m_nCurIndex = -1;
        CExtPopupMenuWnd* pSub = m_items[nCur].IsPopup() ? m_items[nCur].GetPopup() : nullptr;
        if (pSub != nullptr && pSub->GetSafeHwnd() != nullptr)
        {
            // Only the sub-menu's window goes; this menu stays open and takes the keys back.
            pSub->CloseMenu(false);
            if (gone())
                return;
            if (!bEmbedded && hWnd != nullptr && g_TrackingSite.GetKeyboardPopup() == nullptr)
                CaptureKeyboard();
        }
    }
    else
    {
        m_nCurIndex = -1;
    }
    if (CWnd* pWndStatus = GetOwnerForStatus())
        CExtMenuKindOf::SetFrameMessageString(pWndStatus, IDS_IDLE_MESSAGE);
    if (gone())
        return;
    if (bRepaint && hWnd != nullptr && IsOnScreen())
    {
        CClientDC dc(this);
        PaintMenu(dc, true);
    }
}

// ---- keyboard popup ---------------------------------------------------------------------------------

void CExtPopupMenuWnd::CaptureKeyboard() { g_TrackingSite.SetKeyboardPopup(GetSafeHwnd() != nullptr ? this : nullptr); }

CExtPopupMenuWnd* CExtPopupMenuWnd::GetKeyboardPopup() const { return g_TrackingSite.GetKeyboardPopup(); }

void CExtPopupMenuWnd::ReleaseKeyboard()
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    if (!site.IsEmpty() && !site.IsClosing() && site.GetKeyboardPopup() == this)
        site.SetKeyboardPopup(nullptr);
}

// ---- tip -----------------------------------------------------------------------------------------------

bool CExtPopupMenuWnd::IsTipShown() const
{
    if (IsEmbeddedTracking())
        return false;
    return GetSafeHwnd() != nullptr && g_TrackingSite.GetKeyboardPopup() == this &&
           m_wndToolTip.GetSafeHwnd() != nullptr && m_wndToolTip.IsWindowVisible();
}

void CExtPopupMenuWnd::HideTip(bool bRefresh)
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr || m_wndToolTip.GetSafeHwnd() == nullptr)
        return;
    if (bRefresh && g_TrackingSite.GetAnimatingPopup() == nullptr && IsOnScreen())
    {
        CClientDC dc(this);
        PaintMenu(dc, true);
        if (!::IsWindow(hWnd))
            return;
    }
    m_wndToolTip.HideTip();
}

// ---- scrolling -------------------------------------------------------------------------------------------

bool CExtPopupMenuWnd::StartScrolling(int nArea)
{
    if (nArea != AREA_SCROLL_UP && nArea != AREA_SCROLL_DOWN)
        return false;
    const HWND hWnd = GetSafeHwnd();
    SetDelayedSubMenuItem(-1);
    ReleaseCurrentItem(false);
    if (hWnd != nullptr && !::IsWindow(hWnd))
        return false;
    m_nCurIndex = nArea;
    if (hWnd != nullptr)
    {
        Invalidate(FALSE);
        SetTimer(ID_TIMER_SCROLLING, SCROLLING_PERIOD, nullptr);
    }
    if (!IsEmbeddedTracking())
        CaptureKeyboard();
    return true;
}

void CExtPopupMenuWnd::OnTimerScrolling()
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return;
    SetDelayedSubMenuItem(-1);
    if (m_nCurIndex >= 0)
    {
        ReleaseCurrentItem(true);
        if (!::IsWindow(hWnd))
            return;
    }
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    int nStep = 0;
    if (m_rcScrollUp.PtInRect(pt))
        nStep = SCROLL_STEP;
    else if (m_rcScrollDown.PtInRect(pt))
        nStep = -(int)SCROLL_STEP;
    m_nScrollStep = nStep;
    int nPos = m_nScrollPos + nStep;
    const int nMin = GetMinScrollPos();
    bool bStop = nStep == 0;
    if (nPos >= 1)
    {
        nPos = 0;
        bStop = true;
    }
    else if (nPos < nMin)
    {
        nPos = nMin;
        bStop = true;
    }
    m_nScrollPos = nPos;
    if (bStop)
    {
        KillTimer(ID_TIMER_SCROLLING);
        m_nScrollStep = 0;
        if (m_nCurIndex == AREA_SCROLL_UP || m_nCurIndex == AREA_SCROLL_DOWN)
            m_nCurIndex = -1;
    }
    Invalidate(FALSE);
}

// ---- expansion ------------------------------------------------------------------------------------------

void CExtPopupMenuWnd::ExpandRarelyUsedItems()
{
    const HWND hWnd = GetSafeHwnd();
    SetDelayedSubMenuItem(-1);
    HideTip(false);
    if (hWnd == nullptr || !::IsWindow(hWnd) || g_TrackingSite.GetAnimatingPopup() != nullptr || IsTipShown())
        return;
    const int nOldWidth = m_nContentWidth;
    const int nOldHeight = m_nContentHeight;
    m_nStateFlags |= STATE_EXPANDED;
    UpdateDisplayedItems();
    if (nOldWidth == m_nContentWidth && nOldHeight == m_nContentHeight)
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
    else
    {
        CRect rcOld;
        GetWindowRect(&rcOld);
        ::SetWindowRgn(hWnd, nullptr, FALSE);
        ShowWindow(SW_HIDE);
        HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER);
        if (hWndOwner == nullptr)
            hWndOwner = ::GetParent(hWnd);
        CRect rcOwner, rcOverlap;
        if (!rcOld.IsRectEmpty() && hWndOwner != nullptr && ::IsWindowVisible(hWndOwner) &&
            ::GetWindowRect(hWndOwner, &rcOwner) && rcOverlap.IntersectRect(&rcOld, &rcOwner))
            ::UpdateWindow(hWndOwner);
        StopAnimation();
        m_nStateFlags &= ~STATE_SCROLLING;
        CRect rcNew(0, 0, 0, 0);
        CalcWindowRect(rcNew);
        if (m_rgnWnd.GetSafeHandle() != nullptr)
        {
            HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
            ::CombineRgn(hRgn, (HRGN)m_rgnWnd, nullptr, RGN_COPY);
            ::SetWindowRgn(hWnd, hRgn, FALSE);
        }
        m_nAnimationKind = g_bExpandAnimation ? ANIM_EXPAND : ANIM_INSTANT;
        m_nSoundOnAnimationEnd = SOUND_EXPAND;
        CExtPopupBaseWnd::StartAnimation();
        g_TrackingSite.SetAnimatingPopup(IsAnimationFinished() ? nullptr : this);
        OnWindowCreated();
        CaptureScreenBefore(rcNew);
        SetWindowPos(nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        if (!::IsWindow(hWnd))
            return;
    }
    if (m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver))
        ::SendMessageW(m_hWndCmdReceiver, g_nMsgNotifyMenuExpanded, 0, (LPARAM)this);
}

void CExtPopupMenuWnd::OnTimerChevron()
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return;
    if (m_nChevronCounter < kChevronDone)
    {
        if (m_nChevronCounter < 2)
            m_nChevronCounter = 0;
        m_nChevronCounter += kChevronStep;
        return;
    }
    KillTimer(ID_TIMER_CHEVRON);
    m_nChevronCounter = 0;
    if (!HasHiddenItems() || IsExpanded() || g_TrackingSite.GetAnimatingPopup() != nullptr)
        return;
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (m_rcExpandButton.PtInRect(pt))
        ExpandRarelyUsedItems();
}
