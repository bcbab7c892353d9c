// CExtBarButton: class record, state bits, command id, style, attached control and attached menu.
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "platform/Controls.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"

IMPLEMENT_DYNCREATE(CExtBarButton, CObject)

namespace
{
LONG g_nLastSerial = 0; // the serial of the last button made
} // namespace

CExtBarButton::CExtBarButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : m_pBar(pBar), m_nCmdID(0), m_nEffectiveCmdID(0), m_nStyle(nStyle), m_size(0, 0), m_rc(0, 0, 0, 0),
      m_bf1(kVisible), m_bf2(0), m_pCtrl(nullptr), m_hMenu(nullptr),
      m_nSerial((UINT)::InterlockedIncrement(&g_nLastSerial))
{
    SetCmdID(nCmdID, false, false);
}

CExtBarButton::~CExtBarButton()
{
    // The control's window would stay on the bar over other buttons, and the object would leak.
    if (m_pCtrl != nullptr)
        SetCtrl(nullptr);
    if (m_hMenu != nullptr && (m_bf2 & kOwnMenu) != 0)
        ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
}

void CExtBarButton::Serialize(CArchive& ar) { CObject::Serialize(ar); }

int CExtBarButton::GetIndexInBar() const { return m_pBar != nullptr ? m_pBar->GetButtonIndex(this) : -1; }

LPCTSTR CExtBarButton::GetProfileName() const
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return nullptr;
    return g_CmdManagerHolder->FindProfileNameForWindow(m_pBar->GetSafeHwnd());
}

CExtCmdItem* CExtBarButton::GetCmdItem() const
{
    LPCTSTR lpszProfile = GetProfileName();
    if (lpszProfile == nullptr)
        return nullptr;
    return g_CmdManagerHolder->LookupCommand(lpszProfile, GetCmdID(true));
}

bool CExtBarButton::HasCmdItem() const { return GetCmdItem() != nullptr; }

// ---- state bits ----------------------------------------------------------------------------------

void CExtBarButton::SyncCtrlWindow()
{
    if (m_pCtrl == nullptr || m_pCtrl->GetSafeHwnd() == nullptr)
        return;
    bool bShow = IsVisible() && (GetStyle() & TBBS_HIDDEN) == 0;
    if ((m_bf1 & kVertDocked) != 0 && !IsCtrlShownVert())
        bShow = false;
    const HWND hWnd = m_pCtrl->GetSafeHwnd();
    // The style bit, not IsWindowVisible: the bar itself may be hidden.
    if (bShow != ((::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_VISIBLE) != 0))
        ::ShowWindow(hWnd, bShow ? SW_SHOWNA : SW_HIDE);
    const bool bEnable = !IsDisabled();
    if (bEnable != (::IsWindowEnabled(hWnd) != FALSE))
        ::EnableWindow(hWnd, bEnable ? TRUE : FALSE);
    if (m_pCtrl->IsKindOf(RUNTIME_CLASS(CButton)))
        ::SendMessageW(hWnd, BM_SETCHECK, IsPressed() ? 1 : (IsIndeterminate() ? 2 : 0), 0);
}

bool CExtBarButton::IsLargeIcons() const { return !IsSeparator() && m_pBar != nullptr && m_pBar->IsLargeIcons(); }

bool CExtBarButton::IsShowTips() const { return !IsSeparator() && m_pBar != nullptr && m_pBar->IsShowTips(); }

bool CExtBarButton::IsShowTipAccelerators() const
{
    return !IsSeparator() && m_pBar != nullptr && m_pBar->IsShowTipAccelerators();
}

UINT CExtBarButton::GetCmdID(bool bEffective) const { return bEffective ? m_nEffectiveCmdID : m_nCmdID; }

void CExtBarButton::SetCmdID(UINT nCmdID, bool bEffectiveOnly, bool bRelayout)
{
    const bool bRelayoutDue = bRelayout && m_nEffectiveCmdID != nCmdID;
    m_nEffectiveCmdID = nCmdID;
    if (!bEffectiveOnly)
    {
        m_nCmdID = nCmdID;
        if (nCmdID == 0)
            m_nStyle |= TBBS_SEPARATOR;
        else
            m_nStyle &= ~TBBS_SEPARATOR;
    }
    if (!bRelayoutDue || m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return;
    m_pBar->Invalidate(TRUE);
    CFrameWnd* pFrame = m_pBar->GetParentFrame();
    if (pFrame != nullptr)
        pFrame->RecalcLayout(TRUE);
    else
        m_pBar->RequestFrameLayout();
}

bool CExtBarButton::IsSplitDropDown() const { return (m_bf2 & kSplitDropDown) != 0; }

void CExtBarButton::SetSplitDropDown(bool bOn)
{
    if (IsSplitDropDown() == bOn)
        return;
    m_bf2 = (BYTE)(bOn ? (m_bf2 | kSplitDropDown) : (m_bf2 & ~kSplitDropDown));
    SyncCtrlWindow();
}

bool CExtBarButton::IsAdoptPickedCmd() const { return (m_bf2 & kAdoptPickedCmd) != 0; }

void CExtBarButton::SetAdoptPickedCmd(bool bOn)
{
    if (IsAdoptPickedCmd() == bOn)
        return;
    m_bf2 = (BYTE)(bOn ? (m_bf2 | kAdoptPickedCmd) : (m_bf2 & ~kAdoptPickedCmd));
    SyncCtrlWindow();
}

bool CExtBarButton::IsKeepHorizontal() const { return (m_bf2 & kKeepHorizontal) != 0; }

void CExtBarButton::SetKeepHorizontal(bool bOn)
{
    if (IsKeepHorizontal() == bOn)
        return;
    m_bf2 = (BYTE)(bOn ? (m_bf2 | kKeepHorizontal) : (m_bf2 & ~kKeepHorizontal));
    SyncCtrlWindow();
}

bool CExtBarButton::IsCtrlShownVert() const { return (m_bf2 & kCtrlShownVert) != 0; }

void CExtBarButton::SetCtrlShownVert(bool bOn)
{
    m_bf2 = (BYTE)(bOn ? (m_bf2 | kCtrlShownVert) : (m_bf2 & ~kCtrlShownVert));
    SyncCtrlWindow();
}

CWnd* CExtBarButton::GetCtrl() const { return m_pCtrl; }

void CExtBarButton::SetCtrl(CWnd* pCtrl, bool bSelfDestroying)
{
    if (pCtrl != nullptr && pCtrl == m_pCtrl)
    {
        // The same control again: only the ownership changes.
        m_bf1 = (BYTE)(bSelfDestroying ? (m_bf1 | kCtrlSelfDestroying) : (m_bf1 & ~kCtrlSelfDestroying));
        return;
    }
    if (m_pCtrl != nullptr)
    {
        CWnd* pOld = m_pCtrl;
        const bool bOldSelfDestroying = (m_bf1 & kCtrlSelfDestroying) != 0;
        m_pCtrl = nullptr;
        if (pOld->GetSafeHwnd() != nullptr)
            pOld->DestroyWindow();
        if (!bOldSelfDestroying)
            delete pOld;
    }
    m_pCtrl = pCtrl;
    m_bf1 = (BYTE)(bSelfDestroying ? (m_bf1 | kCtrlSelfDestroying) : (m_bf1 & ~kCtrlSelfDestroying));
}

UINT CExtBarButton::GetStyle() const { return m_nStyle; }

void CExtBarButton::SetStyle(UINT nStyle)
{
    m_nStyle = nStyle;
    if ((m_nStyle & TBBS_PRESSED) == 0)
        m_bf2 &= ~kPressedOnDropDown;
    if ((m_nStyle & TBBS_SEPARATOR) != 0)
    {
        m_nCmdID = 0;
        m_nEffectiveCmdID = 0;
    }
    SyncCtrlWindow();
}

void CExtBarButton::ModifyStyle(UINT nAdd, UINT nRemove) { SetStyle((GetStyle() | nAdd) & ~nRemove); }

void CExtBarButton::SetMenuTracked() { m_bf2 |= kMenuTracked; }

void CExtBarButton::ClearMenuTracked() { m_bf2 &= ~kMenuTracked; }

bool CExtBarButton::IsMenuTracked() const { return (m_bf2 & kMenuTracked) != 0; }

void CExtBarButton::SetVertDocked(bool bOn) { m_bf1 = (BYTE)(bOn ? (m_bf1 | kVertDocked) : (m_bf1 & ~kVertDocked)); }

namespace
{
BYTE WrapBit(int nLayout)
{
    return nLayout == 0 ? CExtBarButton::kWrapHorzDocked
                        : (nLayout == 1 ? CExtBarButton::kWrapVertDocked : CExtBarButton::kWrapFloating);
}
} // namespace

bool CExtBarButton::IsWrap(int nLayout) const { return (m_bf1 & WrapBit(nLayout)) != 0; }

void CExtBarButton::SetWrap(int nLayout, bool bOn)
{
    m_bf1 = (BYTE)(bOn ? (m_bf1 | WrapBit(nLayout)) : (m_bf1 & ~WrapBit(nLayout)));
}

bool CExtBarButton::IsSeparator() const { return (GetStyle() & TBBS_SEPARATOR) != 0; }

bool CExtBarButton::IsDisabled() const { return (GetStyle() & TBBS_DISABLED) != 0; }

bool CExtBarButton::IsIndeterminate() const { return (GetStyle() & TBBS_INDETERMINATE) != 0; }

bool CExtBarButton::IsPressed() const { return (GetStyle() & (TBBS_CHECKED | TBBS_PRESSED)) != 0; }

void CExtBarButton::SetVisible(bool bOn)
{
    m_bf1 = (BYTE)(bOn ? (m_bf1 | kVisible) : (m_bf1 & ~kVisible));
    SyncCtrlWindow();
}

bool CExtBarButton::IsVisible() const { return (m_bf1 & kVisible) != 0; }

void CExtBarButton::SetHover(bool bOn)
{
    m_bf1 = (BYTE)(bOn ? (m_bf1 | kHover) : (m_bf1 & ~kHover));
    SyncCtrlWindow();
}

bool CExtBarButton::IsHover() const { return (m_bf1 & kHover) != 0; }

CString CExtBarButton::GetText() const
{
    CString sText;
    if (IsSeparator())
        return sText;
    CExtCmdItem* pItem = GetCmdItem();
    if (pItem == nullptr)
        return sText;
    sText = pItem->m_sToolbarText;
    const int nTab = sText.Find(L'\t');
    if (nTab >= 0)
        sText = sText.Left(nTab);
    return sText;
}

bool CExtBarButton::IsCtrlShownInLayout() const
{
    return m_pCtrl != nullptr && ((m_bf1 & kVertDocked) == 0 || IsCtrlShownVert());
}

void CExtBarButton::SetRect(const RECT& rc)
{
    m_rc = rc;
    if (m_pCtrl == nullptr)
        return;
    if (m_pCtrl->GetSafeHwnd() != nullptr && IsCtrlShownInLayout())
    {
        CRect rcCtrl;
        m_pCtrl->GetWindowRect(&rcCtrl);
        CPoint pt = m_rc.TopLeft();
        if ((m_bf1 & kVertDocked) != 0)
            pt.x += (m_rc.Width() - rcCtrl.Width()) / 2;
        else
            pt.y += (m_rc.Height() - rcCtrl.Height()) / 2;
        m_pCtrl->SetWindowPos(nullptr, pt.x, pt.y, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER);
    }
    SyncCtrlWindow();
}

CRect CExtBarButton::GetRect() const { return m_rc; }

CSize CExtBarButton::GetSize() const { return m_size; }

// ---- attached menu ------------------------------------------------------------------------------

void CExtBarButton::SetMenu(HMENU hMenu, bool bPopupMenu, bool bOwnMenu)
{
    if (hMenu != m_hMenu)
    {
        if (m_hMenu != nullptr && (m_bf2 & kOwnMenu) != 0)
            ::DestroyMenu(m_hMenu);
        m_hMenu = hMenu;
    }
    if (m_hMenu == nullptr)
        return;
    LPCTSTR lpszProfile = GetProfileName();
    if (lpszProfile != nullptr)
        g_CmdManagerHolder->UpdateFromMenu(lpszProfile, m_hMenu, false, true, true);
    m_bf1 = (BYTE)(bPopupMenu ? (m_bf1 | kMenuPopupFlag) : (m_bf1 & ~kMenuPopupFlag));
    m_nStyle &= ~TBBS_DISABLED;
    m_bf2 = (BYTE)(bOwnMenu ? (m_bf2 | kOwnMenu) : (m_bf2 & ~kOwnMenu));
}

HMENU CExtBarButton::GetMenu() const { return m_hMenu; }

void CExtBarButton::SetMdiWindowsListAppended(bool bOn)
{
    m_bf2 = (BYTE)(bOn ? (m_bf2 | kMdiWindowsList) : (m_bf2 & ~kMdiWindowsList));
}

bool CExtBarButton::IsMdiWindowsListAppended() const { return (m_bf2 & kMdiWindowsList) != 0; }

bool CExtBarButton::CanTrackMenu() const { return IsMenuButton(0); }

bool CExtBarButton::IsMenuButton(int nFlag) const
{
    (void)nFlag;
    return m_hMenu != nullptr || IsKindOf(RUNTIME_CLASS(CExtBarContentExpandButton));
}

bool CExtBarButton::IsMenuPopup() const { return (m_bf1 & kMenuPopupFlag) != 0; }

bool CExtBarButton::IsPlainButton() const
{
    if (IsSeparator())
        return false;
    return m_pCtrl == nullptr || m_pCtrl->GetSafeHwnd() == nullptr;
}

CWnd* CExtBarButton::GetCmdTargetWnd() const
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pWnd = m_pBar->GetOwner();
    return pWnd != nullptr ? pWnd : m_pBar->GetParent();
}

void CExtBarButton::RedrawButton(bool bUpdateNow)
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return;
    if (IsVisible() && (GetStyle() & TBBS_HIDDEN) == 0)
    {
        const int nIndex = GetIndexInBar();
        if (nIndex >= 0)
            m_pBar->InvalidateButton(nIndex);
    }
    if (bUpdateNow)
        m_pBar->UpdateWindow();
}

UINT CExtBarButton::GetMenuAlignment() const
{
    if (m_pBar == nullptr)
        return 4;
    if (m_pBar->m_pDockSite == nullptr)
    {
        const DWORD dwStyle = m_pBar->GetBarStyle();
        if ((dwStyle & CBRS_ALIGN_RIGHT) != 0)
            return 3;
        if ((dwStyle & CBRS_ALIGN_LEFT) != 0)
            return 1;
        if ((dwStyle & CBRS_ALIGN_BOTTOM) != 0)
            return 6;
        return 4;
    }
    switch (CExtControlBar::GetDockBarId(m_pBar))
    {
    case CExtControlBar::kDockBarLeft: return 1;
    case CExtControlBar::kDockBarRight: return 3;
    case CExtControlBar::kDockBarBottom: return 6;
    default: return 4;
    }
}

bool CExtBarButton::OnSetCursor(CPoint point)
{
    (void)point;
    return false;
}
