// CExtPopupMenuWnd: showing and tracking: TrackPopupMenu with its modal loop, the show, the window
// creation, the current item, mouse clicks, command delivery, closing and destruction.
#include "platform/Controls.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtSoundPlayer.h"
#include "toolkit/menus_dialogs/ExtPopupMenuInplaceEdit.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
// Closes the list of a dropped-down combo box that holds the focus.
void CloseDroppedCombo()
{
    HWND hWndFocus = ::GetFocus();
    const HWND candidates[2] = {hWndFocus, hWndFocus != nullptr ? ::GetParent(hWndFocus) : nullptr};
    for (HWND hWnd : candidates)
    {
        CWnd* pWnd = hWnd != nullptr ? CWnd::FromHandlePermanent(hWnd) : nullptr;
        if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CComboBox)))
            continue;
        if ((pWnd->GetStyle() & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST)) != 0 &&
            ::SendMessageW(hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0)
            ::SendMessageW(hWnd, CB_SHOWDROPDOWN, FALSE, 0);
    }
}
} // namespace

CWnd* CExtPopupMenuWnd::GetOwnerForStatus() const
{
    HWND hWnd = GetSafeHwnd();
    HWND hWndOwner = nullptr;
    if (hWnd != nullptr)
    {
        hWndOwner = ::GetWindow(hWnd, GW_OWNER);
        if (hWndOwner == nullptr)
            hWndOwner = ::GetParent(hWnd);
    }
    if (hWndOwner == nullptr)
        hWndOwner = m_hWndCmdReceiver;
    if (hWndOwner == nullptr || !::IsWindow(hWndOwner))
        return nullptr;
    return CWnd::FromHandle(hWndOwner);
}

CExtPopupMenuTrackingSite* CExtPopupMenuWnd::GetTrackingSite() const { return &g_TrackingSite; }

UINT CExtPopupMenuWnd::SysCmdPromptId(UINT nCmdID)
{
    switch (nCmdID & 0xFFF0)
    {
    case SC_SIZE: return 0xEF00;
    case SC_MOVE: return 0xEF01;
    case SC_MINIMIZE: return 0xEF02;
    case SC_MAXIMIZE: return 0xEF03;
    case SC_NEXTWINDOW: return 0xEF04;
    case SC_PREVWINDOW: return 0xEF05;
    case SC_CLOSE: return 0xEF06;
    case SC_RESTORE: return 0xEF12;
    case SC_TASKLIST: return 0xEF13;
    default: return IDS_IDLE_MESSAGE;
    }
}

// ---- TrackPopupMenu ----------------------------------------------------------------------------------

bool CExtPopupMenuWnd::TrackPopupMenu(UINT nTrackFlags, int x, int y, LPCRECT lpRcExclude,
                                      LPVOID pCbPaintCombinedCookie,
                                      PaintCombinedAreaCallback_t pCbPaintCombinedContent, UINT* lpnResultCmdID,
                                      bool bCookieIsObject)
{
    if (lpnResultCmdID != nullptr)
        *lpnResultCmdID = 0;
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    if (m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver) &&
        CExtMenuKindOf::IsFrameInHelpMode(CWnd::FromHandle(m_hWndCmdReceiver)))
        nTrackFlags |= TRACK_HELP_MODE;
    if ((nTrackFlags & TRACK_EMBEDDED) != 0)
    {
        nTrackFlags &=
            ~(TRACK_COMBINE | TRACK_COMBINE_DEFAULT | TRACK_SELECT_ANY | TRACK_DO_MESSAGE_LOOP | TRACK_OWNER_DRAW);
        nTrackFlags |= TRACK_ALL_ITEMS | TRACK_NO_CMD_DELIVERY | TRACK_NO_UPDATE_CMD_UI | TRACK_NO_SHADOW;
    }
    if ((nTrackFlags & TRACK_HELP_MODE) != 0)
        nTrackFlags |= TRACK_ALL_ITEMS;
    const bool bEmbedded = (nTrackFlags & TRACK_EMBEDDED) != 0;

    CloseDroppedCombo();

    // Tracking during a reset fails; tracking the menu already held would delete it.
    if (site.IsClosing())
        return false;
    if (!site.IsEmpty())
    {
        if (site.IsTopLevel(this))
            return false;
        site.Reset();
        if (!site.IsEmpty() || site.IsClosing())
            return false;
    }

    HWND hWndCapture = ::GetCapture();
    if (hWndCapture != nullptr && CWnd::FromHandlePermanent(hWndCapture) != nullptr)
    {
        ::ReleaseCapture();
        if (::IsWindow(hWndCapture))
            ::SendMessageW(hWndCapture, WM_CANCELMODE, 0, 0);
    }

    if (!bEmbedded)
    {
        if (!site.SetInstance(this))
            return false;
        site.SetResultPointer(lpnResultCmdID);
    }
    m_nTrackFlags = nTrackFlags;
    if ((nTrackFlags & (TRACK_HELP_MODE | TRACK_EMBEDDED)) == 0)
        UpdateItemStates();

    if (!CreateAndShowPopup(nTrackFlags, x, y, lpRcExclude, pCbPaintCombinedCookie, pCbPaintCombinedContent,
                            bCookieIsObject))
    {
        // The caller still owns the menu: the site lets it go without deleting it.
        if (!bEmbedded && site.IsTopLevel(this))
            site.Release();
        return false;
    }
    if ((nTrackFlags & TRACK_DO_MESSAGE_LOOP) == 0)
        return true;

    // From here on the menu may be deleted at any time: only locals are used.
    CExtPopupMenuWnd* const pTracked = this;
    const UINT nBinding = site.m_nBinding;
    const HWND hWndTracked = GetSafeHwnd();
    auto stillTracked = [&]() { return site.GetInstance() == pTracked && site.m_nBinding == nBinding; };
    bool bQuit = false;
    for (;;)
    {
        if (!PumpPendingMessages())
        {
            bQuit = true;
            break;
        }
        if (!stillTracked() || !::IsWindow(hWndTracked))
            break;
        ::WaitMessage();
    }
    if (stillTracked() && (bQuit || !CExtMenuKindOf::IsToolBarMenuTracking()))
        site.Reset();
    if (bQuit)
        ::PostQuitMessage(0);
    return true;
}

// ---- the show ------------------------------------------------------------------------------------------

bool CExtPopupMenuWnd::CreateAndShowPopup(UINT nTrackFlags, int x, int y, LPCRECT lpRcExclude,
                                          LPVOID pCbPaintCombinedCookie,
                                          PaintCombinedAreaCallback_t pCbPaintCombinedContent, bool bCookieIsObject)
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    const bool bShowAll = (nTrackFlags & TRACK_ALL_ITEMS) != 0 || !g_bHideRarelyUsed;
    const bool bEmbedded =
        (nTrackFlags & TRACK_EMBEDDED) != 0 || (m_pWndParentMenu != nullptr && m_pWndParentMenu->IsEmbeddedTracking());

    if (!bEmbedded && site.IsTopLevel(this) && m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver))
    {
        MsgPrepareMenuData_t data;
        data.m_pPopup = this;
        ::SendMessageW(m_hWndCmdReceiver, g_nMsgPrepareMenu, (WPARAM)&data, (LPARAM)this);
        if ((data.m_nFlags & MsgPrepareMenuData_t::PREPARE_CANCEL) != 0)
            return false;
        if ((data.m_nFlags & MsgPrepareMenuData_t::PREPARE_UPDATE_AGAIN) != 0)
            UpdateItemStates();
    }
    if (!bEmbedded)
        UpdateSystemCommandStates();

    CWnd* pWndParent =
        m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver) ? CWnd::FromHandle(m_hWndCmdReceiver) : nullptr;
    const BYTE nKeep = m_nStateFlags & (STATE_TOP_LEVEL | STATE_HAS_HIDDEN_ITEMS);
    ResetTrackingState();
    m_nStateFlags |= nKeep;
    m_nTrackFlags = nTrackFlags;
    m_pCbPaintCombinedCookie = pCbPaintCombinedCookie;
    m_pCbPaintCombinedContent = pCbPaintCombinedContent;
    m_bCookieIsObject = bCookieIsObject;

    if (m_pWndParentMenu == nullptr)
    {
        if (!bShowAll)
        {
            UpdateDisplayedItems();
        }
        else if (HasHiddenItems())
        {
            m_nStateFlags = (BYTE)((m_nStateFlags & ~STATE_HAS_HIDDEN_ITEMS) | STATE_EXPANDED);
            UpdateDisplayedItems();
        }
        else
        {
            m_nStateFlags |= STATE_EXPANDED;
        }
    }
    else if (m_pWndParentMenu->IsExpanded())
    {
        m_nStateFlags = (BYTE)((m_nStateFlags & ~STATE_HAS_HIDDEN_ITEMS) | STATE_EXPANDED);
        UpdateDisplayedItems();
    }

    CPoint pt(x, y);
    if (x < 0 || y < 0)
    {
        if (!::GetCursorPos(&pt))
            return false;
    }
    m_ptTrack = pt;
    if (lpRcExclude != nullptr)
    {
        m_rcExclude = *lpRcExclude;
        m_rcExclude.NormalizeRect();
        m_nBaseFlags |= BASE_FLAG_EXCLUDE_RECT;
    }
    else
    {
        m_rcExclude.SetRect(pt.x - 3, pt.y - 3, pt.x + 3, pt.y + 3);
        m_nBaseFlags &= ~BASE_FLAG_EXCLUDE_RECT;
    }
    if (lpRcExclude != nullptr)
    {
        if ((nTrackFlags & TRACK_COMBINE) != 0)
            m_nBaseFlags |= BASE_FLAG_COMBINED;
        else if ((nTrackFlags & TRACK_COMBINE_DEFAULT) != 0 && g_PaintManagerHolder->IsMenuCombinedWithOwner())
            m_nBaseFlags |= BASE_FLAG_COMBINED;
    }

    if (!CreatePopupWindow(pWndParent))
        return false;
    const HWND hWnd = GetSafeHwnd();

    if ((nTrackFlags & TRACK_SELECT_ANY) != 0)
    {
        const int nIndex = FindNextSelectableItem(2);
        if (nIndex >= 0)
            SetCurrentItem(nIndex, false, false, true);
        if (!::IsWindow(hWnd))
            return false;
    }

    if ((nTrackFlags & TRACK_NO_ANIMATION) == 0 && !bEmbedded)
    {
        m_nAnimationKind = CExtMenuKindOf::IsToolBarMenuTracking() ? ANIM_NONE : g_nDefaultAnimation;
        m_nSoundOnAnimationEnd = SOUND_POPUP;
        StartAnimation();
        if (!::IsWindow(hWnd))
            return false;
    }
    if (m_nAnimationKind == ANIM_NONE || (nTrackFlags & TRACK_NO_ANIMATION) != 0 || bEmbedded)
    {
        m_nAnimationKind = ANIM_INSTANT;
        StartAnimation();
        if (!::IsWindow(hWnd))
            return false;
    }

    if (m_rgnWnd.GetSafeHandle() != nullptr)
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn(hRgn, (HRGN)m_rgnWnd, nullptr, RGN_COPY);
        ::SetWindowRgn(hWnd, hRgn, FALSE);
    }
    // What lies under the window, before it covers it, is what the shadow and the animation show.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CaptureScreenBefore(rcWindow);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!::IsWindow(hWnd))
        return false;
    if (!bEmbedded)
        CaptureKeyboard();
    return true;
}

bool CExtPopupMenuWnd::CreatePopupWindow(CWnd* pWndParent)
{
    bool bUpdated = false;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items[i];
        if (!mi.IsInplaceEdit())
            continue;
        mi.m_pInplaceEditWnd = nullptr;
        if (!bUpdated)
        {
            UpdateDisplayedItems();
            bUpdated = true;
        }
    }
    CRect rcWindow(0, 0, 0, 0);
    CalcWindowRect(rcWindow);
    if (rcWindow.IsRectEmpty())
        return false;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                            (HBRUSH)(COLOR_BTNFACE + 1), nullptr);
    const DWORD dwExStyle = IsEmbeddedTracking() ? 0 : WS_EX_TOPMOST;
    if (!CreateEx(dwExStyle, lpszClass, L"", WS_POPUP, rcWindow, pWndParent, 0))
        return false;
    OnWindowCreated();
    return CreateInplaceEdits();
}

bool CExtPopupMenuWnd::CreateInplaceEdits()
{
    const HWND hWnd = GetSafeHwnd();
    for (int i = 0; i < GetItemCount(); ++i)
    {
        if (!m_items[i].IsInplaceEdit())
            continue;
        CRect rcEdit;
        GetItemEditRect(i, rcEdit);
        HWND hWndReceiver = m_items[i].GetCmdReceiver();
        if (hWndReceiver == nullptr)
            hWndReceiver = m_hWndCmdReceiver;
        if (hWndReceiver != nullptr && ::IsWindow(hWndReceiver))
        {
            MENUITEMDATA& mi = m_items[i];
            InplaceEditCreateData_t data;
            data.m_ppEditWnd = &mi.m_pInplaceEditWnd;
            data.m_pPopup = this;
            data.m_pItem = &mi;
            data.m_pEditTextTarget = mi.m_pEditTextTarget;
            data.m_pCbVerifyTextInput = mi.m_pCbVerifyTextInput;
            data.m_pCbPutTextInputResult = mi.m_pCbPutTextInputResult;
            data.m_pCbInplaceEditWndProc = mi.m_pCbInplaceEditWndProc;
            data.m_pCbCookie = mi.m_pInplaceEditCbCookie;
            data.m_rcEdit = rcEdit;
            ::SendMessageW(hWndReceiver, g_nMsgCreateInplaceEdit, (WPARAM)&data, 0);
            if (!::IsWindow(hWnd))
                return false;
            if (i >= GetItemCount())
                break;
        }
        MENUITEMDATA& mi = m_items[i];
        if (mi.m_pInplaceEditWnd != nullptr)
            continue;
        auto* pEdit = new CInPlaceEditWnd(mi.m_pEditTextTarget, mi.m_pCbVerifyTextInput, mi.m_pCbPutTextInputResult,
                                          mi.m_pCbInplaceEditWndProc, mi.m_pInplaceEditCbCookie);
        if (!pEdit->Create(this, rcEdit, (UINT)mi.GetCmdID()))
        {
            delete pEdit;
            continue;
        }
        mi.m_pInplaceEditWnd = pEdit;
    }
    return true;
}

void CExtPopupMenuWnd::OnWindowCreated()
{
    const CRect rcClient = GetPopupClientRect();
    const int nBorder = GetMenuBorderSize();
    const int nBand = g_PaintManagerHolder->GetMenuCheckMarkWidth();
    m_rcExpandButton.SetRectEmpty();
    m_rcScrollUp.SetRectEmpty();
    m_rcScrollDown.SetRectEmpty();
    if (HasHiddenItems())
        m_rcExpandButton.SetRect(rcClient.left + nBorder + m_nLeftAreaWidth, rcClient.bottom - nBorder - nBand,
                                 rcClient.right - nBorder, rcClient.bottom - nBorder);
    if (IsScrollingOn())
    {
        const int nBottom = HasHiddenItems() ? m_rcExpandButton.top : rcClient.bottom - nBorder;
        m_rcScrollUp.SetRect(rcClient.left + nBorder + m_nLeftAreaWidth, rcClient.top + nBorder,
                             rcClient.right - nBorder, rcClient.top + nBorder + nBand);
        m_rcScrollDown.SetRect(m_rcScrollUp.left, nBottom - nBand, m_rcScrollUp.right, nBottom);
    }
}

void CExtPopupMenuWnd::StartAnimation()
{
    const HWND hWnd = GetSafeHwnd();
    if (IsEmbeddedTracking())
    {
        CExtPopupBaseWnd::StartAnimation();
        return;
    }
    SetDelayedSubMenuItem(-1);
    if (hWnd != nullptr && !::IsWindow(hWnd))
        return;
    HideTip(false);
    if (hWnd != nullptr && !::IsWindow(hWnd))
        return;
    CExtPopupBaseWnd::StartAnimation();
    g_TrackingSite.SetAnimatingPopup(m_nAnimationKind == ANIM_NONE ? nullptr : this);
}

void CExtPopupMenuWnd::ClearShadowCache()
{
    CExtPopupBaseWnd::ClearShadowCache();
    if (GetSafeHwnd() == nullptr)
        return;
    Invalidate(FALSE);
    CaptureKeyboard();
}

void CExtPopupMenuWnd::OnTimerAnimation()
{
    CExtPopupBaseWnd::OnTimerAnimation();
    if (IsAnimationFinished() && g_TrackingSite.GetAnimatingPopup() == this)
        g_TrackingSite.SetAnimatingPopup(nullptr);
}

void CExtPopupMenuWnd::StopAnimation()
{
    m_rgnWnd.DeleteObject();
    m_ShadowMain.Reset();
    m_ShadowCMBA.Reset();
    CExtPopupBaseWnd::ClearShadowCache();
    m_nAnimFlags |= ANIM_FLAG_FINISHED;
    m_nAnimPercent = m_nAnimPercentOld = 0;
    if (GetSafeHwnd() != nullptr)
        KillTimer(ID_TIMER_ANIMATION);
    if (g_TrackingSite.GetAnimatingPopup() == this)
        g_TrackingSite.SetAnimatingPopup(nullptr);
}

// ---- the current item -------------------------------------------------------------------------------

void CExtPopupMenuWnd::SetCurrentItem(int nIndex, bool bOpenSubMenu, bool bRepaint, bool bSelectFirst)
{
    const HWND hWnd = GetSafeHwnd();
    auto gone = [&]() { return hWnd != nullptr && !::IsWindow(hWnd); };
    if (nIndex != m_nCurIndex)
    {
        ReleaseCurrentItem(false);
        if (gone())
            return;
        m_nCurIndex = nIndex;
        if (nIndex < 0)
            return;
        ItemCoveringNotification icn(this, nullptr, 1, nIndex, bOpenSubMenu, bSelectFirst);
        icn.Notify();
        if (gone())
            return;
    }
    if (nIndex < 0 || nIndex >= GetItemCount())
        return;
    MENUITEMDATA& mi = m_items[nIndex];
    const bool bHighlight = mi.IsDisplayed() && ((mi.IsPopup() && mi.GetCmdID() == MENUITEMDATA::CMD_POPUP) ||
                                                 mi.IsEnabled() || mi.IsAlwaysEnabled());
    if (bHighlight)
    {
        mi.m_nFlags |= MENUITEMDATA::kFlagHighlighted;
        if (IsScrollingOn() && hWnd != nullptr)
        {
            CRect rcItem;
            GetItemRect(nIndex, rcItem, false);
            const int nTop = m_rcScrollUp.bottom;
            const int nBottom = m_rcScrollDown.top;
            int nPos = m_nScrollPos;
            if (rcItem.top < nTop)
                nPos += nTop - rcItem.top;
            else if (rcItem.bottom > nBottom)
                nPos -= rcItem.bottom - nBottom;
            m_nScrollPos = std::max(GetMinScrollPos(), std::min(0, nPos));
        }
    }
    // Status text of the highlighted item.
    UINT nStatusId = IDS_IDLE_MESSAGE;
    if (bHighlight && !mi.IsPopup() && !mi.IsSeparator())
    {
        const UINT nCmd = (UINT)mi.GetCmdID();
        nStatusId = CExtCmdItem::IsSystemCommand(nCmd) ? SysCmdPromptId(nCmd) : nCmd;
    }
    if (CWnd* pWndStatus = GetOwnerForStatus())
        CExtMenuKindOf::SetFrameMessageString(pWndStatus, nStatusId);
    if (gone())
        return;
    if (bRepaint && hWnd != nullptr && IsOnScreen())
    {
        CClientDC dc(this);
        PaintMenu(dc, true);
    }
    if (!bHighlight || !mi.IsPopup() || !bOpenSubMenu)
        return;
    if (mi.m_pInplaceEditWnd != nullptr && mi.m_pInplaceEditWnd->GetSafeHwnd() != nullptr &&
        mi.m_pInplaceEditWnd->IsWindowVisible())
        return;
    CExtPopupMenuWnd* pSub = mi.GetPopup();
    if (pSub == nullptr || !pSub->CanShowAsSubMenu())
        return;
    if (!IsEmbeddedTracking())
        ReleaseKeyboard();
    if (pSub->GetSafeHwnd() == nullptr)
    {
        CRect rcItem;
        GetItemRect(nIndex, rcItem, true);
        rcItem.left -= m_nLeftAreaWidth;
        ClientToScreen(&rcItem);
        UINT nFlags = m_nTrackFlags & (TRACK_NO_CMD_DELIVERY | TRACK_NO_UPDATE_CMD_UI | TRACK_NO_SHADOW);
        if ((mi.m_nFlags & MENUITEMDATA::kFlagCombineWithChild) != 0)
            nFlags |= TRACK_COMBINE_DEFAULT;
        pSub->m_pWndParentMenu = this;
        if (!pSub->CreateAndShowPopup(nFlags, rcItem.right, rcItem.top, &rcItem, (LPVOID)(INT_PTR)nIndex,
                                      &CExtPopupMenuWnd::PaintParentItemArea, false))
            return;
        if (gone())
            return;
    }
    else if (!pSub->IsWindowVisible())
    {
        pSub->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        pSub->Invalidate(FALSE);
        pSub->UpdateWindow();
    }
    if (bSelectFirst && pSub->GetSafeHwnd() != nullptr)
    {
        const int nFirst = pSub->FindNextSelectableItem(2);
        if (nFirst >= 0)
            pSub->SetCurrentItem(nFirst, false, g_TrackingSite.GetAnimatingPopup() == nullptr, false);
    }
    if (gone())
        return;
    if (mi.IsInplaceEdit() && hWnd != nullptr && IsOnScreen())
    {
        CClientDC dc(this);
        PaintMenu(dc, true);
    }
}

bool CExtPopupMenuWnd::IsOwnWindowAtPoint(const CPoint& ptClient) const
{
    if (GetSafeHwnd() == nullptr)
        return false;
    POINT pt = ptClient;
    ::ClientToScreen(GetSafeHwnd(), &pt);
    HWND hWndUnder = ::WindowFromPoint(pt);
    return hWndUnder != nullptr && (hWndUnder == GetSafeHwnd() || ::IsChild(GetSafeHwnd(), hWndUnder));
}
