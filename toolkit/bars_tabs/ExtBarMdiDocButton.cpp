// CExtBarMdiDocButton: the maximized MDI child's icon button: the child lookup, the icon, its system menu.
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"
#include "toolkit/bars_tabs/ExtBarButtonMenuSteps.h"
#include "platform/FrameWnd.h"
#include "platform/MdiFrameWnd.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtBarMdiDocButton, CExtBarButton)

namespace
{
const UINT kActiveDocumentText = 30003;
const int kIconSize = 16;
} // namespace

CExtBarMdiDocButton::CExtBarMdiDocButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarButton(pBar, nCmdID, nStyle & ~TBBS_DISABLED), m_hWndChild(nullptr)
{}

CExtBarMdiDocButton::~CExtBarMdiDocButton() {}

HWND CExtBarMdiDocButton::SetChildWnd(HWND hWndChild)
{
    HWND hWndOld = m_hWndChild;
    if (hWndChild != m_hWndChild)
    {
        m_hWndChild = hWndChild;
        m_icon.Empty();
    }
    return hWndOld;
}

HWND CExtBarMdiDocButton::GetMdiClient() const
{
    CExtToolControlBar* pBar = GetBar();
    if (pBar == nullptr)
        return nullptr;
    if (pBar->IsKindOf(RUNTIME_CLASS(CExtMenuControlBar)))
        return static_cast<CExtMenuControlBar*>(pBar)->FindMdiClient();
    CFrameWnd* pFrame = pBar->m_pDockSite;
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return static_cast<CMDIFrameWnd*>(pFrame)->m_hWndMDIClient;
    return nullptr;
}

HWND CExtBarMdiDocButton::GetChildWnd() const
{
    if (m_hWndChild != nullptr && ::IsWindow(m_hWndChild))
        return m_hWndChild;
    HWND hWndClient = GetMdiClient();
    if (hWndClient == nullptr || !::IsWindow(hWndClient))
        return nullptr;
    HWND hWndChild = (HWND)::SendMessageW(hWndClient, WM_MDIGETACTIVE, 0, 0);
    if (hWndChild == nullptr)
        return nullptr;
    if (!::IsWindowVisible(hWndChild))
    {
        CFrameWnd* pFrame = GetBar() != nullptr ? GetBar()->m_pDockSite : nullptr;
        if (pFrame == nullptr || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            return nullptr;
        CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
        if (pChild != nullptr && pChild->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) &&
            static_cast<CMDIChildWnd*>(pChild)->m_hMenuShared != nullptr)
            return nullptr;
    }
    return hWndChild;
}

UINT CExtBarMdiDocButton::GetStyle() const { return CExtBarButton::GetStyle() & ~TBBS_DISABLED; }

void CExtBarMdiDocButton::SetStyle(UINT nStyle) { CExtBarButton::SetStyle(nStyle & ~TBBS_DISABLED); }

void CExtBarMdiDocButton::ModifyStyle(UINT nAdd, UINT nRemove)
{
    CExtBarButton::ModifyStyle(nAdd & ~TBBS_DISABLED, nRemove | TBBS_DISABLED);
}

CSize CExtBarMdiDocButton::MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal)
{
    return CExtBarButton::MeasureButton(dc, sizePreCalc, bHorizontal);
}

CExtCmdIcon* CExtBarMdiDocButton::GetIconPtr() const
{
    if (m_hWndChild != nullptr && ::IsWindow(m_hWndChild) && !m_icon.IsEmpty())
        return &m_icon;
    HWND hWndChild = GetChildWnd();
    if (hWndChild != m_hWndChild)
    {
        m_hWndChild = nullptr;
        m_icon.Empty();
    }
    if (hWndChild == nullptr)
        return nullptr;
    m_hWndChild = hWndChild;
    HICON hIcon = (HICON)::SendMessageW(hWndChild, CExtControlBar::g_nMsgQueryIcon, 0, 0);
    if (hIcon == nullptr)
        hIcon = (HICON)::SendMessageW(hWndChild, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == nullptr)
        hIcon = (HICON)::SendMessageW(hWndChild, WM_GETICON, ICON_BIG, 0);
    if (hIcon == nullptr)
        hIcon = (HICON)::GetClassLongPtrW(hWndChild, GCLP_HICONSM);
    if (hIcon == nullptr)
        hIcon = (HICON)::GetClassLongPtrW(hWndChild, GCLP_HICON);
    if (hIcon == nullptr)
        return nullptr;
    HICON hCopy = (HICON)::CopyImage(hIcon, IMAGE_ICON, kIconSize, kIconSize, 0);
    if (hCopy == nullptr)
        return nullptr;
    m_icon.AssignFromHICON(hCopy, false);
    return m_icon.IsEmpty() ? nullptr : &m_icon;
}

CWnd* CExtBarMdiDocButton::GetCmdTargetWnd() const
{
    HWND hWndChild = GetChildWnd();
    return hWndChild != nullptr ? CWnd::FromHandle(hWndChild) : nullptr;
}

UINT CExtBarMdiDocButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    CExtToolControlBar* pToolBar = GetBar();
    if (pToolBar == nullptr || !pToolBar->IsKindOf(RUNTIME_CLASS(CExtMenuControlBar)))
        return CExtBarButton::TrackButtonMenu(point, bSelectFirst, bNoAnimation);
    auto* pBar = static_cast<CExtMenuControlBar*>(pToolBar);
    const int nIndex = GetIndexInBar();
    if (nIndex < 0 || pBar->GetSafeHwnd() == nullptr)
        return (UINT)-1;
    if (CExtToolControlBar::g_bMenuTracking && pBar->GetMenuTrackingButton() == nIndex)
        return 0;
    HWND hWndChild = GetChildWnd();
    if (hWndChild == nullptr)
        return (UINT)-1;
    CExtToolControlBar::CloseTrackingMenus();
    barmenu::BringFloatingFrameToTop(pBar);
    int nPlacement = (int)GetMenuAlignment();
    if (bNoAnimation)
        nPlacement |= CExtPopupMenuWnd::TRACK_NO_ANIMATION;
    pBar->SetTrackedButton(nIndex);
    CRect rcScreen = GetRect();
    pBar->ClientToScreen(&rcScreen);
    const CPoint ptCenter = rcScreen.CenterPoint();
    if (!pBar->TrackWindowSystemMenu(hWndChild, &ptCenter, bSelectFirst, &rcScreen, nPlacement, true))
        return (UINT)-1;
    pBar->m_nTrackingFlags |= CExtMenuControlBar::kTrackSystemMenu;
    CExtToolControlBar::g_bMenuTracking = true;
    return 0;
}

bool CExtBarMdiDocButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    HWND hWndChild = GetChildWnd();
    if (pPopup == nullptr || hWndChild == nullptr)
        return false;
    HMENU hSysMenu = ::GetSystemMenu(hWndChild, FALSE);
    if (hSysMenu == nullptr)
        return false;
    CString sText;
    if (!g_ResourceManagerHolder->LoadStringRes(sText, kActiveDocumentText))
        sText = L"Active document";
    CExtCmdIcon* pIcon = GetIconPtr();
    HICON hIcon = pIcon != nullptr ? pIcon->GetIcon() : nullptr;
    if (!pPopup->InsertSubMenu(nullptr, -1, sText, hIcon))
        return false;
    const int nItem = pPopup->GetItemCount() - 1;
    CExtPopupMenuWnd* pSub = pPopup->GetItemAt(nItem).GetPopup();
    if (pSub != nullptr)
        pSub->UpdateFromMenu(hWndChild, hSysMenu, false, false);
    pPopup->InsertItem(CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR);
    return true;
}
