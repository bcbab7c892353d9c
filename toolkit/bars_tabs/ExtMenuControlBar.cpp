// CExtMenuControlBar: class record, menus, buttons, the MDI buttons, deferred requests, layout and creation.
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "platform/FrameWnd.h"
#include "platform/MdiFrameWnd.h"
#include "platform/Menu.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"
#include "toolkit/bars_tabs/ExtBarMdiRightButton.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CExtMenuControlBar, CExtToolControlBar)

BEGIN_MESSAGE_MAP(CExtMenuControlBar, CExtToolControlBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_REGISTERED_MESSAGE(CExtToolControlBar::g_nMsgTrackButtonMenu, OnMenuTrackButtonMenu)
ON_REGISTERED_MESSAGE(CExtMenuControlBar::g_nMsgRefreshHover, OnRefreshHover)
END_MESSAGE_MAP()

const UINT CExtMenuControlBar::g_nMsgRefreshHover = ::RegisterWindowMessageW(L"CExtMenuControlBar::g_nMsgRefreshHover");
bool CExtMenuControlBar::g_bMenuExpanded = false;
bool CExtMenuControlBar::g_bAltConsumed = false;
CSize CExtMenuControlBar::g_sizeDefaultMenuButton(23, 20);

namespace
{
const UINT kItemInfoMask = 0x3F; // state, id, submenu, check marks, type, data
const int kItemTextChars = 1024;
const UINT kClientPosFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_FRAMECHANGED;
const UINT kMiniFramePosFlags =
    SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
const int kClassNameChars = 512;
const int kMdiSubButtonMin = 18; // newer metrics: the smallest square sub-button
} // namespace

CExtMenuControlBar::CExtMenuControlBar()
    : CExtHookSink(true), m_nMdiDocButtonCmdID(0), m_hWndHooked(nullptr), m_nTrackingFlags(0), m_nFlatTrackingIndex(-1),
      m_nOldTrackingIndex(-1), m_hMenuFrame(nullptr), m_hMenuDoc(nullptr), m_nOptionFlags(kOptDefault),
      m_bOwnFrameMenu(false), m_bFrameDestroyed(false), m_hWndMdiClient(nullptr)
{}

CExtMenuControlBar::~CExtMenuControlBar()
{
    ::EnterCriticalSection(&g_csAllControlBars);
    for (INT_PTR i = 0; i < g_arrAllControlBars.GetSize(); i++)
    {
        if (g_arrAllControlBars[i] == this)
        {
            g_arrAllControlBars.RemoveAt(i);
            break;
        }
    }
    ::LeaveCriticalSection(&g_csAllControlBars);
    // Only a loaded menu is the bar's; the frame's stays the frame's and a document menu the child's.
    ReleaseFrameMenu();
    m_hMenuDoc = nullptr;
}

// ---- menus -------------------------------------------------------------------------------------------------

void CExtMenuControlBar::ReleaseFrameMenu()
{
    if (m_hMenuFrame != nullptr && m_bOwnFrameMenu && ::IsMenu(m_hMenuFrame))
        ::DestroyMenu(m_hMenuFrame);
    m_hMenuFrame = nullptr;
    m_bOwnFrameMenu = false;
}

HMENU CExtMenuControlBar::GetCurrentMenu() const
{
    if (m_hMenuDoc != nullptr)
        return m_hMenuDoc;
    return m_hMenuFrame;
}

void CExtMenuControlBar::SetMdiWindowPopupName(LPCTSTR lpszName)
{
    m_sMdiWindowPopupName = lpszName != nullptr ? lpszName : L"";
    m_sMdiWindowPopupName.TrimLeft();
    m_sMdiWindowPopupName.TrimRight();
    m_sMdiWindowPopupName.Remove(L'&');
}

bool CExtMenuControlBar::LoadMenuBar(UINT nResourceID)
{
    if (m_pDockSite != nullptr && GetSafeHwnd() == nullptr)
        return false;
    // Load first: a failed load keeps the menu and the buttons on it.
    CMenu menu;
    if (!g_ResourceManagerHolder->LoadMenu(menu, nResourceID))
        return false;
    HMENU hMenu = menu.Detach();
    if (GetSafeHwnd() != nullptr)
    {
        LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(GetSafeHwnd());
        if (pszProfile == nullptr || !g_CmdManagerHolder->UpdateFromMenu(pszProfile, hMenu))
        {
            ::DestroyMenu(hMenu);
            return false;
        }
    }
    // The buttons hold sub-menus of the old menu until the rebuild: clear them first.
    RemoveAllButtons();
    ReleaseFrameMenu();
    m_hMenuDoc = nullptr;
    m_hMenuFrame = hMenu;
    m_bOwnFrameMenu = true;
    if (GetSafeHwnd() == nullptr)
        return true;
    return RebuildButtons(true);
}

bool CExtMenuControlBar::TakeFrameMenu()
{
    CFrameWnd* pFrame = GetMenuFrame();
    if (pFrame == nullptr || (pFrame->GetStyle() & WS_CHILD) != 0)
        return false;
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    if (hMenu == nullptr)
        return false;
    ReleaseFrameMenu();
    // The frame still holds it (its default menu, put back on activation and destroyed with the window).
    m_hMenuFrame = hMenu;
    m_bOwnFrameMenu = false;
    RebuildButtons(false);
    ::SetMenu(pFrame->m_hWnd, nullptr);
    return true;
}

void CExtMenuControlBar::RemoveFrameMenu()
{
    if (IsDialogMode() || m_bFrameDestroyed)
        return;
    CFrameWnd* pFrame = GetMenuFrame();
    if (pFrame == nullptr || CExtControlBar::IsFrameOleInPlaceActive(pFrame))
        return;
    if (::GetMenu(pFrame->m_hWnd) == nullptr)
        return;
    ::SetMenu(pFrame->m_hWnd, nullptr);
    PostRebuildRequest();
}

CFrameWnd* CExtMenuControlBar::GetMenuFrame() const
{
    if (IsDialogMode())
        return nullptr;
    if (m_pDockSite != nullptr)
        return m_pDockSite;
    return GetSafeHwnd() != nullptr ? CExtControlBar::FindDockingFrame(this) : nullptr;
}

// ---- buttons -----------------------------------------------------------------------------------------------------

bool CExtMenuControlBar::RebuildButtons(bool bLayout)
{
    if (GetSafeHwnd() == nullptr)
        return false;
    RemoveAllButtons();
    LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(GetSafeHwnd());
    if (pszProfile != nullptr)
        g_CmdManagerHolder->RemoveCommandsByFlags(pszProfile, kAllocatedCmdFlag, false);
    HMENU hMenu = GetCurrentMenu();
    bool bResult = true;
    if (hMenu != nullptr)
    {
        // The frame's menu or a document menu may never have been registered: register it before reading it.
        if (pszProfile == nullptr || !g_CmdManagerHolder->UpdateFromMenu(pszProfile, hMenu))
            bResult = false;
        const int nCount = bResult ? ::GetMenuItemCount(hMenu) : 0;
        for (int nPos = 0; nPos < nCount && bResult; nPos++)
        {
            wchar_t szText[kItemTextChars] = {};
            MENUITEMINFOW mii = {};
            mii.cbSize = sizeof mii;
            mii.fMask = kItemInfoMask;
            mii.dwTypeData = szText;
            mii.cch = kItemTextChars - 1;
            if (!::GetMenuItemInfoW(hMenu, (UINT)nPos, TRUE, &mii))
            {
                bResult = false;
                break;
            }
            const bool bPopup = mii.hSubMenu != nullptr;
            const bool bSeparator = !bPopup && (mii.fType & MFT_SEPARATOR) != 0;
            UINT nCmdID = 0;
            CString sText(szText);
            if (bPopup)
            {
                CExtCmdItem* pCmd = g_CmdManagerHolder->AllocateCommand(pszProfile);
                if (pCmd == nullptr)
                {
                    bResult = false; // the profile is full
                    break;
                }
                pCmd->m_dwStateFlags |= kAllocatedCmdFlag | CExtCmdItem::STATE_ALWAYS_SHOWN;
                pCmd->m_sMenuText = sText;
                pCmd->m_sToolbarText = sText;
                nCmdID = pCmd->m_nCmdID;
            }
            else if (!bSeparator)
            {
                CExtCmdItem* pCmd = g_CmdManagerHolder->LookupCommand(pszProfile, mii.wID);
                if (pCmd == nullptr)
                {
                    bResult = false;
                    break;
                }
                if (pCmd->m_sMenuText.IsEmpty())
                    pCmd->m_sMenuText = sText;
                if (pCmd->m_sToolbarText.IsEmpty())
                    pCmd->m_sToolbarText = sText;
                nCmdID = mii.wID;
            }
            if (!InsertButton(nPos, nCmdID, false))
            {
                bResult = false;
                break;
            }
            if (bPopup)
            {
                // The menu owns its sub-menus.
                SetButtonMenu(nPos, mii.hSubMenu, false, false, false);
                CString sPlain(sText);
                sPlain.Remove(L'&');
                if (IsMdiMode() && !m_sMdiWindowPopupName.IsEmpty() && sPlain == m_sMdiWindowPopupName)
                {
                    CExtBarButton* pButton = GetButton(nPos);
                    if (pButton != nullptr)
                        pButton->SetMdiWindowsListAppended(true);
                }
            }
        }
    }
    CExtBarContentExpandButton* pRight = OnCreateBarRightBtn();
    if (pRight != nullptr)
    {
        m_buttons.Add((CExtBarButton*)pRight);
        m_pRightBtn = pRight;
    }
    bool bMdiChanged = false;
    CFrameWnd* pFrame = GetMenuFrame();
    if (IsMdiMode() && !(pFrame != nullptr && CExtControlBar::IsFrameOleInPlaceActive(pFrame)))
    {
        bMdiChanged = SyncMdiButtons(false);
        RehookActiveMdiChild();
    }
    if (bLayout || bMdiChanged)
    {
        // A bar not on screen is painted whole when it shows.
        const bool bShown = InvalidateIfOnScreen(TRUE, FALSE) != FALSE;
        RequestFrameLayout();
        if (bShown)
            UpdateWindow();
        CFrameWnd* pParentFrame = GetParentFrame();
        if (pParentFrame != nullptr && pParentFrame->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)))
            ::SetWindowPos(pParentFrame->m_hWnd, nullptr, 0, 0, 0, 0, kMiniFramePosFlags);
    }
    return bResult;
}

bool CExtMenuControlBar::IsButtonMdiDoc(int nIndex) const
{
    CExtBarButton* pButton = GetButton(nIndex);
    return pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)) &&
           !pButton->IsKindOf(RUNTIME_CLASS(CExtBarMdiRightButton));
}

bool CExtMenuControlBar::IsButtonMdiRight(int nIndex) const
{
    CExtBarButton* pButton = GetButton(nIndex);
    return pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CExtBarMdiRightButton));
}

bool CExtMenuControlBar::AllowMdiButtons() const { return true; }

bool CExtMenuControlBar::IsMdiMode() const { return (m_nOptionFlags & kOptMdiMode) != 0; }

HWND CExtMenuControlBar::FindMdiClient() const
{
    if (IsDialogMode())
        return nullptr;
    CFrameWnd* pFrame = GetMenuFrame();
    if (pFrame == nullptr)
        return nullptr;
    if (pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return static_cast<CMDIFrameWnd*>(pFrame)->m_hWndMDIClient;
    for (HWND hWnd = ::GetWindow(pFrame->m_hWnd, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        wchar_t szClass[kClassNameChars + 1] = {};
        if (::GetClassNameW(hWnd, szClass, kClassNameChars) <= 0)
            continue;
        CString sClass(szClass);
        sClass.MakeLower();
        if (sClass.Find(L"mdiclient") >= 0)
            return hWnd;
    }
    return nullptr;
}

HWND CExtMenuControlBar::GetActiveMdiChild(bool* pbMaximized) const
{
    if (pbMaximized != nullptr)
        *pbMaximized = false;
    if (!IsMdiMode())
        return nullptr;
    HWND hWndClient = FindMdiClient();
    if (hWndClient == nullptr || !::IsWindow(hWndClient))
        return nullptr;
    BOOL bMaximized = FALSE;
    HWND hWndChild = (HWND)::SendMessageW(hWndClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized);
    if (hWndChild == nullptr || !::IsWindowVisible(hWndChild))
    {
        // With a platform MDI frame, only a platform child with a shared menu counts as invisible.
        CFrameWnd* pFrame = GetMenuFrame();
        if (hWndChild == nullptr)
            return nullptr;
        if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        {
            CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
            if (pChild != nullptr && pChild->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) &&
                static_cast<CMDIChildWnd*>(pChild)->m_hMenuShared != nullptr)
                return nullptr;
        }
        else
            return nullptr;
    }
    if (pbMaximized != nullptr)
        *pbMaximized = bMaximized != FALSE;
    return hWndChild;
}

bool CExtMenuControlBar::SyncMdiButtons(bool bLayout)
{
    if (CExtControlBar::GetDraggedBar() != nullptr || GetSafeHwnd() == nullptr)
        return false;
    bool bMaximized = false;
    HWND hWndChild = GetActiveMdiChild(&bMaximized);
    if (!AllowMdiButtons())
        hWndChild = nullptr;
    bool bChanged = false;
    const int nLast = GetButtonsCount() - (m_pRightBtn != nullptr ? 2 : 1);
    const bool bHasRight = nLast >= 0 && IsButtonMdiRight(nLast);
    const bool bHasDoc = IsButtonMdiDoc(0);
    if (hWndChild == nullptr || !bMaximized)
    {
        if (bHasRight)
        {
            RemoveButton(nLast, false);
            bChanged = true;
        }
        if (bHasDoc)
        {
            RemoveButton(0, false);
            bChanged = true;
        }
    }
    else
    {
        LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(GetSafeHwnd());
        if (m_nMdiDocButtonCmdID == 0 && pszProfile != nullptr)
        {
            CExtCmdItem* pCmd = g_CmdManagerHolder->AllocateCommand(pszProfile);
            if (pCmd != nullptr)
            {
                pCmd->m_dwStateFlags |= CExtCmdItem::STATE_ALWAYS_SHOWN;
                m_nMdiDocButtonCmdID = pCmd->m_nCmdID;
            }
        }
        if (!bHasRight)
        {
            auto* pRightButton = new CExtBarMdiRightButton(this, m_nMdiDocButtonCmdID);
            const int nAt = GetButtonsCount() - (m_pRightBtn != nullptr ? 1 : 0);
            m_buttons.InsertAt(nAt, (CExtBarButton*)pRightButton);
            bChanged = true;
        }
        HMENU hSysMenu = ::GetSystemMenu(hWndChild, FALSE);
        if (!bHasDoc && hSysMenu != nullptr && ::GetMenuItemCount(hSysMenu) > 0)
        {
            auto* pDocButton = new CExtBarMdiDocButton(this, m_nMdiDocButtonCmdID);
            pDocButton->SetMenu(hSysMenu, false, false);
            m_buttons.InsertAt(0, (CExtBarButton*)pDocButton);
            bChanged = true;
        }
        for (int i = 0; i < GetButtonsCount(); i++)
        {
            CExtBarButton* pButton = GetButton(i);
            if (pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)))
                static_cast<CExtBarMdiDocButton*>(pButton)->SetChildWnd(hWndChild);
        }
    }
    if (bLayout)
    {
        CFrameWnd* pFrame = GetMenuFrame();
        if (pFrame != nullptr)
            pFrame->RecalcLayout();
    }
    return bChanged;
}

// ---- deferred requests and timers ----------------------------------------------------------------------------------

void CExtMenuControlBar::PostRehookRequest()
{
    if (GetSafeHwnd() == nullptr || (m_nOptionFlags & (kOptRehookPending | kOptRebuildPending)) != 0)
        return;
    m_nOptionFlags |= kOptRehookPending;
    PostMessage(WM_TIMER, kTimerRehook);
}

void CExtMenuControlBar::PostRebuildRequest()
{
    if (GetSafeHwnd() == nullptr || (m_nOptionFlags & kOptRebuildPending) != 0)
        return;
    m_nOptionFlags |= kOptRebuildPending;
    m_nOptionFlags &= (BYTE)~kOptRehookPending;
    PostMessage(WM_TIMER, kTimerRebuild);
}

void CExtMenuControlBar::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kTimerRehook:
        m_nOptionFlags &= (BYTE)~kOptRehookPending;
        RehookActiveMdiChild();
        return;
    case kTimerRebuild:
        m_nOptionFlags &= (BYTE)~kOptRebuildPending;
        RebuildButtons(true);
        return;
    case kTimerFindClient:
    {
        HWND hWndClient = FindMdiClient();
        if (hWndClient != nullptr)
        {
            KillTimer(kTimerFindClient);
            HookMdiClient(hWndClient);
        }
        return;
    }
    default: CExtToolControlBar::OnTimer(nIDEvent); return;
    }
}

void CExtMenuControlBar::HookMdiClient(HWND hWndClient)
{
    if (hWndClient == nullptr || !::IsWindow(hWndClient))
        return;
    if (!IsAttachedToWindow(hWndClient))
        AttachToWindow(hWndClient);
    m_hWndMdiClient = hWndClient;
    ::SetWindowPos(hWndClient, nullptr, 0, 0, 0, 0, kClientPosFlags);
    RehookActiveMdiChild();
}

void CExtMenuControlBar::RehookActiveMdiChild()
{
    if (IsDialogMode() || CExtControlBar::GetDraggedBar() != nullptr || GetSafeHwnd() == nullptr || !IsVisible())
        return;
    HWND hWndChild = GetActiveMdiChild();
    if (hWndChild == m_hWndHooked)
        return;
    if (m_hWndHooked != nullptr && ::IsWindow(m_hWndHooked))
        AttachToWindow(m_hWndHooked, true);
    m_hWndHooked = hWndChild;
    if (m_hWndHooked != nullptr)
        AttachToWindow(m_hWndHooked);
    RequestFrameLayout();
}

void CExtMenuControlBar::RequestFrameLayout()
{
    if ((m_nOptionFlags & kOptRebuildPending) != 0)
        return;
    CExtToolControlBar::RequestFrameLayout();
    if (CExtControlBar::IsFloating(this))
    {
        CFrameWnd* pMiniFrame = GetParentFrame();
        if (pMiniFrame != nullptr && !pMiniFrame->IsIconic())
            pMiniFrame->RecalcLayout();
    }
}

// ---- layout --------------------------------------------------------------------------------------------------------

CSize CExtMenuControlBar::GetDefaultButtonSize() const { return g_sizeDefaultMenuButton; }

bool CExtMenuControlBar::IsRightButtonDisplayed() const
{
    if (IsDialogMode() || CExtControlBar::IsFloating(this))
        return false;
    return (m_nOptionFlags & kOptWrapRows) != 0;
}

CExtBarContentExpandButton* CExtMenuControlBar::OnCreateBarRightBtn()
{
    if ((m_nOptionFlags & kOptWrapRows) != 0)
        return nullptr;
    return CExtToolControlBar::OnCreateBarRightBtn();
}

bool CExtMenuControlBar::IsFullRowBar() const { return true; }

void CExtMenuControlBar::RecalcButtonPositions()
{
    CExtToolControlBar::RecalcButtonPositions();
    if (GetSafeHwnd() == nullptr || CExtControlBar::IsFloating(this))
        return;
    const int nCount = GetButtonsCount();
    const int nRight = nCount - (m_pRightBtn != nullptr ? 2 : 1);
    if (nRight < 0 || !IsButtonMdiRight(nRight))
        return;
    CExtBarButton* pRight = GetButton(nRight);
    if (!pRight->IsVisible())
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CalcInsideRect(rcClient, !CExtControlBar::IsDockedVertically(this));
    const bool bVert = CExtControlBar::IsDockedVertically(this);
    CRect rc = pRight->GetRect();
    CExtBarButton* pChevron = m_pRightBtn != nullptr ? (CExtBarButton*)m_pRightBtn : nullptr;
    const bool bChevronShown = pChevron != nullptr && pChevron->IsVisible();
    if (!bVert)
    {
        int nEnd = rcClient.right;
        if (bChevronShown)
        {
            CRect rcChevron = pChevron->GetRect();
            rcChevron.OffsetRect(nEnd - rcChevron.right, 0);
            pChevron->SetRect(rcChevron);
            nEnd = rcChevron.left;
        }
        rc.OffsetRect(nEnd - rc.right, 0);
    }
    else
    {
        int nEnd = rcClient.bottom;
        if (bChevronShown)
        {
            CRect rcChevron = pChevron->GetRect();
            rcChevron.OffsetRect(0, nEnd - rcChevron.bottom);
            pChevron->SetRect(rcChevron);
            nEnd = rcChevron.top;
        }
        rc.OffsetRect(0, nEnd - rc.bottom);
    }
    pRight->SetRect(rc);
}

// ---- drag notifications ---------------------------------------------------------------------------------------------

void CExtMenuControlBar::NotifyDragStart()
{
    SetFlatTracking(false);
    CExtToolControlBar::CloseTrackingMenus();
    CExtToolControlBar::NotifyDragStart();
}

void CExtMenuControlBar::NotifyDragEnd(InternalDraggingState_t& shown, InternalDraggingState_t& computed, bool bCancel)
{
    CExtToolControlBar::NotifyDragEnd(shown, computed, bCancel);
    if (IsMdiMode())
    {
        SyncMdiButtons(true);
        RecalcButtonPositions();
        Invalidate();
    }
}

// ---- creation and destruction ----------------------------------------------------------------------------------------

int CExtMenuControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CExtToolControlBar::OnCreate(lpcs) == -1)
        return -1;
    CFrameWnd* pFrame = m_pDockSite;
    if (pFrame != nullptr)
    {
        TakeFrameMenu();
        CWnd* pTop = CExtControlBar::GetTopLevelNonChild(pFrame);
        if (pTop != nullptr && !IsAttachedToWindow(pTop->m_hWnd))
            AttachToWindow(pTop->m_hWnd);
        if (pTop != pFrame && !IsAttachedToWindow(pFrame->m_hWnd))
            AttachToWindow(pFrame->m_hWnd);
        if (pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) || IsMdiMode())
        {
            m_nOptionFlags |= kOptMdiMode;
            HWND hWndClient = FindMdiClient();
            if (hWndClient != nullptr)
                HookMdiClient(hWndClient);
            else
                SetTimer(kTimerFindClient, kFindClientPeriod, nullptr);
        }
        CExtPopupMenuWnd::PumpPendingMessages();
    }
    else
    {
        m_bfBarFlags |= kBarDialogMode;
        m_hWndHooked = ::GetParent(m_hWnd);
        if (m_hWndHooked != nullptr && !IsAttachedToWindow(m_hWndHooked))
            AttachToWindow(m_hWndHooked);
    }
    return 0;
}

void CExtMenuControlBar::PreSubclassWindow()
{
    CExtToolControlBar::PreSubclassWindow();
    if (IsDialogMode())
    {
        m_hWndHooked = ::GetParent(m_hWnd);
        if (m_hWndHooked != nullptr && !IsAttachedToWindow(m_hWndHooked))
            AttachToWindow(m_hWndHooked);
    }
}

void CExtMenuControlBar::OnDestroy()
{
    LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(GetSafeHwnd());
    if (m_nMdiDocButtonCmdID != 0 && pszProfile != nullptr)
        g_CmdManagerHolder->RemoveCommand(pszProfile, m_nMdiDocButtonCmdID);
    m_nMdiDocButtonCmdID = 0;
    SetFlatTracking(false);
    RemoveAllWndHooks();
    m_hWndHooked = nullptr;
    m_hWndMdiClient = nullptr;
    CExtToolControlBar::OnDestroy();
}

// ---- the MDI right button's record ---------------------------------------------------------------------------------

bool CExtMenuControlBar::QueryMdiRightButtonInfo(MdiRightButtonInfo& info)
{
    info = MdiRightButtonInfo();
    info.m_pBar = this;
    HWND hWndChild = GetActiveMdiChild();
    if (hWndChild == nullptr)
        return false;
    info.m_pWndMdiChild = CWnd::FromHandle(hWndChild);
    info.m_nFlags |= MdiRightButtonInfo::kValid;
    HMENU hSysMenu = ::GetSystemMenu(hWndChild, FALSE);
    const UINT nCloseState = hSysMenu != nullptr ? ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND) : (UINT)-1;
    if (nCloseState != (UINT)-1 && (nCloseState & (MF_GRAYED | MF_DISABLED)) == 0)
        info.m_nFlags |= MdiRightButtonInfo::kClose;
    const DWORD dwStyle = (DWORD)::GetWindowLongW(hWndChild, GWL_STYLE);
    const DWORD dwExStyle = (DWORD)::GetWindowLongW(hWndChild, GWL_EXSTYLE);
    if (dwStyle & WS_MAXIMIZEBOX)
        info.m_nFlags |= MdiRightButtonInfo::kMaximize;
    if (dwStyle & WS_MINIMIZEBOX)
        info.m_nFlags |= MdiRightButtonInfo::kMinimize;
    if ((dwStyle & WS_MAXIMIZEBOX) && (dwExStyle & WS_EX_CONTEXTHELP))
        info.m_nFlags |= MdiRightButtonInfo::kHelp;
    CSize size;
    if (g_PaintManagerHolder.m_bIsWinXPOrLater)
    {
        const int n = std::max(std::max(::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE)) + 1,
                               kMdiSubButtonMin);
        size = CSize(n, n);
    }
    else
        size = CSize(::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE));
    size -= CSize(2, 2);
    info.m_sizeButton = size;
    const bool bVert = CExtControlBar::IsDockedVertically(this);
    const int nAlong = bVert ? size.cy : size.cx;
    int nTotal = 2;
    if (info.m_nFlags & MdiRightButtonInfo::kMinimize)
        nTotal += 2 * nAlong + 6;
    else if (info.m_nFlags & MdiRightButtonInfo::kMaximize)
        nTotal += nAlong + 2;
    if (info.m_nFlags & MdiRightButtonInfo::kHelp)
        nTotal += nAlong + 2;
    if (info.m_nFlags & MdiRightButtonInfo::kClose)
        nTotal += nAlong + 2;
    info.m_sizeTotal = bVert ? CSize(size.cx + 2, nTotal) : CSize(nTotal, size.cy + 2);
    return true;
}
