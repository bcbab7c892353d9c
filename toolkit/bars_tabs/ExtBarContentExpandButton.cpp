// CExtBarContentExpandButton: the hidden-button list, measuring, painting, tip and the chevron's menu.
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButtonMenuSteps.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtBarContentExpandButton, CExtBarButton)

namespace
{
const UINT kPopupSourceMessage = 0xA1; // WM_NCLBUTTONDOWN: the chevron's menu counts as a caption press
const WORD kNotifyChevronMenu = 12;
const WORD kNotifyShowHidePanels = 13;
const WORD kNotifyBarsMenu = 14;
const int kSeparator = CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR;

CString LoadResString(UINT nID, LPCTSTR lpszDefault)
{
    CString s;
    if (!g_ResourceManagerHolder->LoadStringRes(s, nID) || s.IsEmpty())
        s = lpszDefault;
    return s;
}
} // namespace

CExtBarContentExpandButton::CExtBarContentExpandButton(CExtToolControlBar* pBar) : CExtBarButton(pBar, kCmdId) {}

CExtBarContentExpandButton::~CExtBarContentExpandButton() {}

CExtBarButton* CExtBarContentExpandButton::GetButton(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_buttons.GetSize())
        return nullptr;
    return m_buttons[nIndex];
}

void CExtBarContentExpandButton::RemoveButton(const CExtBarButton* pButton)
{
    if (pButton == nullptr)
        return;
    for (INT_PTR i = m_buttons.GetSize() - 1; i >= 0; i--)
    {
        if (m_buttons[i] == pButton)
            m_buttons.RemoveAt(i);
    }
    // Group breaks left at an end or doubled mark nothing.
    for (INT_PTR i = m_buttons.GetSize() - 1; i >= 0; i--)
    {
        if (m_buttons[i] != nullptr)
            continue;
        if (i == 0 || i == m_buttons.GetSize() - 1 || m_buttons[i - 1] == nullptr)
            m_buttons.RemoveAt(i);
    }
}

bool CExtBarContentExpandButton::HasHiddenButtons() const
{
    for (INT_PTR i = 0; i < m_buttons.GetSize(); i++)
    {
        if (m_buttons[i] != nullptr)
            return true;
    }
    return false;
}

CSize CExtBarContentExpandButton::MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal)
{
    (void)dc;
    m_size = bHorizontal ? CSize(kExtent, sizePreCalc.cy) : CSize(sizePreCalc.cx, kExtent);
    return m_size;
}

bool CExtBarContentExpandButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    (void)pPopup;
    return false;
}

bool CExtBarContentExpandButton::IsPlainButton() const { return false; }

void CExtBarContentExpandButton::PaintButton(CDC& dc, bool bHorizontal)
{
    if (m_rc.IsRectEmpty())
        return;
    const bool bEnabled = !IsDisabled();
    const bool bAllVisible = !HasHiddenButtons();
    const bool bPanelsMenu = m_pBar != nullptr && (m_pBar->m_nBarFlags & CExtToolControlBar::kBarFlagPanelsMenu) != 0;
    bool bPushed = false;
    bool bHover = false;
    bool bTransparent = true;
    if (bPanelsMenu || !bAllVisible)
    {
        bPushed = bEnabled && IsPressed();
        bHover = bEnabled && IsHover() && !CExtToolControlBar::g_bMenuTracking && !CExtPopupMenuWnd::IsMenuTracking();
        bTransparent = !bHover && !bPushed;
    }
    g_PaintManagerHolder->PaintContentExpandButton(dc, m_rc, bHorizontal, bAllVisible, bEnabled, bPushed, bHover, this,
                                                   0, bTransparent);
}

UINT CExtBarContentExpandButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    (void)point;
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || IsDisabled())
        return (UINT)-1;
    CExtToolControlBar* pBar = m_pBar;
    const int nIndex = GetIndexInBar();
    if (nIndex < 0)
        return (UINT)-1;
    if (CExtToolControlBar::g_bMenuTracking && pBar->m_nBtnIdxMenuTracking == nIndex)
        return 0;
    const bool bPanelsMenu = (pBar->m_nBarFlags & CExtToolControlBar::kBarFlagPanelsMenu) != 0;
    if (!bPanelsMenu && !HasHiddenButtons())
        return (UINT)-1;
    const bool bMenuTracking = CExtToolControlBar::g_bMenuTracking;
    CExtToolControlBar::CloseTrackingMenus();
    CExtToolControlBar::g_bMenuTracking = bMenuTracking;
    barmenu::BringFloatingFrameToTop(pBar);
    CWnd* pTarget = GetCmdTargetWnd();
    const HWND hWndTarget = pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(hWndTarget))
    {
        delete pPopup;
        return (UINT)-1;
    }
    CExtControlBar::POPUP_MENU_EVENT_DATA data(kNotifyChevronMenu, pPopup, pBar, CPoint(-1, -1), kPopupSourceMessage,
                                               0);
    if (!data.NotifyTarget(false))
    {
        const bool bDialogMode = pBar->IsDialogMode();
        bool bAdded = false;
        bool bLastSeparator = true; // nothing yet: a separator would head the menu
        for (int i = 0; i < GetButtonsCount(); i++)
        {
            CExtBarButton* pButton = m_buttons[i];
            if (pButton == nullptr || pButton->IsSeparator())
            {
                // A group break: a separator between items, never first or doubled.
                if (!bLastSeparator)
                {
                    pPopup->InsertItem(kSeparator, -1);
                    bLastSeparator = true;
                }
                continue;
            }
            if (pButton->PutToPopupMenu(pPopup))
            {
                bAdded = true;
                bLastSeparator = false;
            }
        }
        // No separator closes the list.
        const int nCount = pPopup->GetItemCount();
        if (nCount > 0 && bLastSeparator && bAdded)
            pPopup->RemoveItem(nCount - 1);
        CFrameWnd* pFrame = pBar->GetDockingFrame();
        if (!bDialogMode && bPanelsMenu && pFrame != nullptr)
        {
            if (bAdded)
                pPopup->InsertItem(kSeparator, -1);
            const CString sText = LoadResString(kIdsShowHidePanels, L"&Show/hide panels");
            CExtControlBar::POPUP_MENU_EVENT_DATA data2(kNotifyShowHidePanels, pPopup, pBar, CPoint(-1, -1),
                                                        kPopupSourceMessage, 0);
            if (!data2.NotifyTarget(false))
            {
                if (pPopup->InsertSubMenu(nullptr, -1, sText))
                {
                    const int nSub = pPopup->GetItemCount() - 1;
                    // Always displayed, also when rarely used items are hidden; measured as inserted.
                    pPopup->ItemSetDisplayed(nSub, true);
                    CExtPopupMenuWnd* pSub = pPopup->ItemGetPopup(nSub);
                    if (pSub == nullptr ||
                        !CExtDockBar::BuildBarsPopupMenu(pFrame, pSub, kNotifyBarsMenu, pBar, kPopupSourceMessage, 0))
                    {
                        pPopup->RemoveItem(nSub);
                        // The separator before the failed sub-menu stays only between items.
                        const int nLast = pPopup->GetItemCount() - 1;
                        if (bAdded && nLast >= 0 && pPopup->ItemGetCmdID(nLast) == kSeparator)
                            pPopup->RemoveItem(nLast);
                    }
                }
            }
            data2.NotifyTarget(true);
        }
    }
    data.NotifyTarget(true);
    if (pPopup->GetItemCount() == 0)
    {
        delete pPopup;
        return (UINT)-1;
    }
    CRect rcExclude = m_rc;
    pBar->ClientToScreen(&rcExclude);
    const UINT nFlags = barmenu::TrackFlags(GetMenuAlignment(), bSelectFirst, bNoAnimation);
    if (CExtMouseCaptureSink::GetCaptureHWND() == pBar->GetSafeHwnd())
        CExtMouseCaptureSink::ReleaseCapture();
    pBar->SetTrackedButton(nIndex);
    const CPoint pt = rcExclude.CenterPoint();
    if (!pPopup->TrackPopupMenu(nFlags, pt.x, pt.y, &rcExclude, pBar, CExtToolControlBar::PaintTrackedButtonCallback))
    {
        delete pPopup;
        CExtToolControlBar::CloseTrackingMenus();
        return (UINT)-1;
    }
    CExtToolControlBar::g_bMenuTracking = true;
    pBar->SetTrackedButton(nIndex);
    return 0;
}

void CExtBarContentExpandButton::OnClick(CPoint point, bool bDown)
{
    if (!bDown)
        return;
    CExtToolControlBar::g_bKeyboardTracking = false;
    TrackButtonMenu(point, false, false);
}

INT_PTR CExtBarContentExpandButton::BuildTipText(CPoint point, TOOLINFO* pTI) const
{
    (void)point;
    if (pTI == nullptr)
        return -1;
    const CString sTip = LoadResString(kIdsTip, L"Where are buttons?");
    pTI->rect = m_rc;
    pTI->uId = kTipCmdId;
    pTI->hwnd = m_pBar != nullptr ? m_pBar->GetSafeHwnd() : nullptr;
    LPTSTR lpszText = AfxAllocToolTipText(sTip);
    pTI->lpszText = lpszText != nullptr ? lpszText : LPSTR_TEXTCALLBACKW;
    return kTipCmdId;
}
