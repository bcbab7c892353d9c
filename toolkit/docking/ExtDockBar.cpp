// CExtDockBar: class record, window class, construction and the bars menu.
#include "toolkit/docking/ExtDockBar.h"
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtDockBar, CDockBar)

BEGIN_MESSAGE_MAP(CExtDockBar, CDockBar)
ON_WM_CONTEXTMENU()
ON_WM_CANCELMODE()
END_MESSAGE_MAP()

const wchar_t* const CExtDockBar::kWndClassName = L"Nimbal-DockBar";

CExtDockBar::CExtDockBar(UINT nCircle)
    : CDockBar(FALSE), m_bLayoutLocked(0), m_nCircle(nCircle), m_pOuterCircleBar(nullptr), m_pInnerCircleBar(nullptr),
      m_pAutoHideArea(nullptr), m_bInRecalcRows(0)
{
    RegisterDockBarClass();
}

CExtDockBar::~CExtDockBar() {}

bool CExtDockBar::RegisterDockBarClass()
{
    static bool s_bRegistered = false;
    if (!s_bRegistered)
        s_bRegistered = CExtControlBar::RegisterBarClass(kWndClassName, CS_GLOBALCLASS | CS_DBLCLKS);
    return s_bRegistered;
}

BOOL CExtDockBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!RegisterDockBarClass() || !CDockBar::PreCreateWindow(cs))
        return FALSE;
    cs.lpszClass = kWndClassName;
    return TRUE;
}

CExtDynAutoHideArea* CExtDockBar::GetAutoHideArea() const { return m_pAutoHideArea; }

bool CExtDockBar::SetLayoutLocked(bool bLock)
{
    const bool bOld = (m_bLayoutLocked & 1) != 0;
    m_bLayoutLocked = bLock ? 1 : 0;
    return bOld;
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

bool CExtDockBar::BuildBarsPopupMenu(CFrameWnd* pFrame, CExtPopupMenuWnd* pPopup, WORD nNotificationType, CWnd* pWndSrc,
                                     UINT nMsgID, LPARAM lParam)
{
    if (pPopup == nullptr)
        return false;
    CExtControlBar::POPUP_MENU_EVENT_DATA data(nNotificationType, pPopup, pWndSrc, CPoint(-1, -1), nMsgID, lParam);
    if (!data.NotifyTarget(false) && pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
    {
        CArray<CExtControlBar*, CExtControlBar*> arrBars;
        CExtControlBar::FindFrameControlBars(nullptr, pFrame, arrBars, 0xFFF);
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
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(pReceiver->GetSafeHwnd()) ||
        !BuildBarsPopupMenu(CExtControlBar::FindDockingFrame(pBar), pPopup, 0, this, WM_CONTEXTMENU, 0))
    {
        delete pPopup;
        return;
    }
    pReceiver->SetFocus();
    if (!pPopup->TrackPopupMenu(0x800, point.x, point.y))
        delete pPopup;
}

void CExtDockBar::OnCancelMode()
{
    CDockBar::OnCancelMode();
    CWinApp* pApp = AfxGetApp();
    if ((pApp != nullptr && pApp->m_bHelpMode) || CExtControlBar::IsFrameInHelpMode(this))
        return;
    CExtPopupMenuWnd::CancelMenuTracking();
}
