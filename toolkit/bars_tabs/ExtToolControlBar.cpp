// CExtToolControlBar: class record, statics, construction, buttons and commands, command UI.
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"
#include "toolkit/bars_tabs/ExtBarMdiRightButton.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtToolControlBar, CExtControlBar)

BEGIN_MESSAGE_MAP(CExtToolControlBar, CExtControlBar)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_CAPTURECHANGED()
ON_WM_SETTINGCHANGE()
ON_REGISTERED_MESSAGE(CExtToolControlBar::g_nMsgTrackButtonMenu, OnTrackButtonMenu)
END_MESSAGE_MAP()

// ---- statics ---------------------------------------------------------------------------------------

bool CExtToolControlBar::g_bMenuTracking = false;
bool CExtToolControlBar::g_bKeyboardTracking = false;
bool CExtToolControlBar::g_bLargeIcons = false;
bool CExtToolControlBar::g_bShowScreenTips = true;
bool CExtToolControlBar::g_bShowShortcutKeysInScreenTips = false;
bool CExtToolControlBar::g_bHelpModeLoop = false;
CSize CExtToolControlBar::g_sizeDefaultButton(23, 22);
const UINT CExtToolControlBar::g_nMsgTrackButtonMenu =
    ::RegisterWindowMessageW(L"CExtToolControlBar::g_nMsgTrackButtonMenu");
const UINT CExtToolControlBar::g_nMsgContinueTrackMenu =
    ::RegisterWindowMessageW(L"CExtToolControlBar::g_nMsgContinueTrackMenu");

// ---- construction ----------------------------------------------------------------------------------

CExtToolControlBar::CExtToolControlBar()
    : m_pRightBtn(nullptr), m_nBarFlags(kBarFlagPanelsMenu), m_nLayoutFlags(0), m_nBtnIdxMenuTracking(-1),
      m_nBtnIdxCapture(-1), m_nBtnIdxHover(-1)
{
    m_cxLeftBorder = 1;
    m_cxRightBorder = 1;
    m_cyTopBorder = 0;
    m_cyBottomBorder = 0;
    m_bfBarFlags = (BYTE)((m_bfBarFlags & ~kBarResizableCaption) | kBarFixedSize);
    m_bfTracking &= ~kTrackRepositionChild;
    m_nCaptionHorz = 10;
    m_nCaptionVert = 10;
    m_nSplitterX = 8;
    m_nSplitterY = 8;
}

CExtToolControlBar::~CExtToolControlBar()
{
    RemoveAllButtons();
    ::EnterCriticalSection(&g_csAllControlBars);
    for (INT_PTR i = g_arrAllControlBars.GetSize() - 1; i >= 0; i--)
    {
        if (g_arrAllControlBars[i] == this)
            g_arrAllControlBars.RemoveAt(i);
    }
    ::LeaveCriticalSection(&g_csAllControlBars);
    m_buttons.RemoveAll();
}

// ---- buttons ---------------------------------------------------------------------------------------

CExtBarButton* CExtToolControlBar::GetButton(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_buttons.GetSize())
        return nullptr;
    return m_buttons[nIndex];
}

CExtBarButton* CExtToolControlBar::GetButtonPtr(int nIndex) const { return GetButton(nIndex); }

bool CExtToolControlBar::HoldsButton(const CExtBarButton* pButton, UINT nSerial) const
{
    const int nIndex = GetButtonIndex(pButton);
    return nIndex >= 0 && m_buttons[nIndex]->GetSerial() == nSerial;
}

int CExtToolControlBar::GetButtonIndex(const CExtBarButton* pButton) const
{
    if (pButton == nullptr)
        return -1;
    for (INT_PTR i = 0; i < m_buttons.GetSize(); i++)
    {
        if (m_buttons[i] == pButton)
            return (int)i;
    }
    return -1;
}

void CExtToolControlBar::DeleteButton(CExtBarButton* pButton)
{
    if (pButton == nullptr)
        return;
    // The chevron's hidden list does not own its entries: take the button out first.
    if (m_pRightBtn != nullptr && pButton != m_pRightBtn)
        m_pRightBtn->RemoveButton(pButton);
    delete pButton;
}

void CExtToolControlBar::RemoveAllButtons()
{
    if (m_pRightBtn != nullptr)
        m_pRightBtn->RemoveAllButtons();
    for (INT_PTR i = 0; i < m_buttons.GetSize(); i++)
        delete m_buttons[i];
    m_buttons.RemoveAll();
    m_pRightBtn = nullptr;
    m_nBtnIdxMenuTracking = -1;
    m_nBtnIdxCapture = -1;
    m_nBtnIdxHover = -1;
}

bool CExtToolControlBar::LoadToolBar(UINT nResourceID, COLORREF clrTransparent)
{
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(GetSafeHwnd());
    UINT* pIDs = nullptr;
    INT nCount = 0;
    if (!g_CmdManagerHolder->UpdateFromToolBarResource(lpszProfile, nResourceID, &pIDs, &nCount, false, true,
                                                       clrTransparent))
        return false;
    const bool bResult = SetButtons(pIDs, nCount);
    delete[] pIDs;
    return bResult;
}

bool CExtToolControlBar::SetButtons(const UINT* pIDs, int nCount)
{
    RemoveAllButtons();
    if (pIDs == nullptr || nCount <= 0)
        return true;
    for (int i = 0; i < nCount; i++)
    {
        CExtBarButton* pButton = OnCreateBarCommandBtn(pIDs[i], 0);
        if (pButton != nullptr)
            m_buttons.Add(pButton);
    }
    CExtBarContentExpandButton* pRight = OnCreateBarRightBtn();
    if (pRight != nullptr)
    {
        m_buttons.Add(pRight);
        m_pRightBtn = pRight;
    }
    return true;
}

bool CExtToolControlBar::InsertButton(int nIndex, UINT nCmdID, bool bRecalc)
{
    const int nCount = GetButtonsCount();
    if (nIndex == -1)
        nIndex = nCount;
    if (nIndex < 0 || nIndex > nCount)
        return false;
    if (nIndex == nCount && nCount > 0 && m_buttons[nCount - 1] == m_pRightBtn && m_pRightBtn != nullptr)
        nIndex = nCount - 1;
    CExtBarButton* pButton = OnCreateBarCommandBtn(nCmdID, 0);
    if (pButton == nullptr)
        return false;
    m_buttons.InsertAt(nIndex, pButton);
    if (bRecalc)
        RequestFrameLayout();
    return true;
}

bool CExtToolControlBar::RemoveButton(int nIndex, bool bRecalc)
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || pButton == m_pRightBtn)
        return false;
    m_buttons.RemoveAt(nIndex);
    DeleteButton(pButton);
    m_nBtnIdxMenuTracking = -1;
    m_nBtnIdxCapture = -1;
    m_nBtnIdxHover = -1;
    if (bRecalc)
        RequestFrameLayout();
    return true;
}

UINT CExtToolControlBar::GetButtonID(int nIndex) const
{
    CExtBarButton* pButton = GetButton(nIndex);
    return pButton != nullptr ? pButton->GetCmdID(false) : 0;
}

UINT CExtToolControlBar::GetButtonStyle(int nIndex) const
{
    CExtBarButton* pButton = GetButton(nIndex);
    return pButton != nullptr ? pButton->GetStyle() : 0;
}

void CExtToolControlBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || pButton->GetStyle() == nStyle)
        return;
    pButton->SetStyle(nStyle);
    InvalidateButton(nIndex);
    if (GetSafeHwnd() != nullptr)
        UpdateWindow();
}

bool CExtToolControlBar::SetButtonMenu(int nIndex, HMENU hMenu, bool bPopupMenu, bool bOwnMenu, bool bRecalc)
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return false;
    pButton->SetMenu(hMenu, bPopupMenu, bOwnMenu);
    if (bRecalc)
        RequestFrameLayout();
    return true;
}

bool CExtToolControlBar::MarkButtonAsMdiWindowsMenu(int nIndex, bool bOn)
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return false;
    pButton->SetMdiWindowsListAppended(bOn);
    return true;
}

bool CExtToolControlBar::IsContentExpandButton(int nIndex) const
{
    CExtBarButton* pButton = GetButton(nIndex);
    return pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CExtBarContentExpandButton));
}

void CExtToolControlBar::InvalidateButton(int nIndex)
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rc = pButton->GetRect();
    if (rc.IsRectEmpty())
        return;
    if (pButton == m_pRightBtn && g_PaintManagerHolder->IsDockerGradientAvailable(this))
    {
        const CSize sizeExtra = g_PaintManagerHolder->GetBarButtonExtraSize();
        rc.InflateRect(sizeExtra.cx + 1, sizeExtra.cy + 1);
    }
    InvalidateRect(&rc, TRUE);
}

void CExtToolControlBar::UpdateButtonCmdUI(int nIndex)
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || GetSafeHwnd() == nullptr)
        return;
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget == nullptr)
    {
        if (IsDialogMode())
            return;
        pTarget = GetParentFrame();
        if (pTarget == nullptr)
            return;
    }
    BOOL bDisableIfNoHandler = TRUE;
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pTarget);
    if (pFrame != nullptr)
        bDisableIfNoHandler = pFrame->m_bAutoMenuEnable;
    pButton->OnUpdateCmdUI(pTarget, bDisableIfNoHandler, nIndex);
}

int CExtToolControlBar::FindButtonByAccelChar(wchar_t ch) const
{
    for (int i = 0; i < GetButtonsCount(); i++)
    {
        CExtBarButton* pButton = m_buttons[i];
        if (pButton->IsSeparator() || !pButton->IsVisible() || (pButton->GetStyle() & TBBS_HIDDEN) != 0 ||
            pButton->IsKindOf(RUNTIME_CLASS(CExtBarContentExpandButton)) ||
            pButton->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)))
            continue;
        const CString sText = pButton->GetText();
        // The mnemonic follows the first single "&"; "&&" is a literal "&".
        const int nLen = sText.GetLength();
        wchar_t chAccel = 0;
        for (int k = 0; k < nLen; k++)
        {
            if (sText[k] != L'&')
                continue;
            if (k + 1 >= nLen)
                break;
            if (sText[k + 1] == L'&')
            {
                k++;
                continue;
            }
            chAccel = sText[k + 1];
            break;
        }
        if (chAccel == 0)
            continue;
        wchar_t buf[2] = {chAccel, 0};
        ::CharUpperW(buf);
        if (buf[0] == ch)
            return i;
    }
    return -1;
}

int CExtToolControlBar::GetNextVisibleButton(int nIndex, bool bForward, bool bSkipDisabled) const
{
    const int nCount = GetButtonsCount();
    if (nCount == 0)
        return -1;
    if (nCount == 1)
        return 0;
    if (nIndex < 0 || nIndex >= nCount)
        nIndex = bForward ? nCount - 1 : 0;
    int i = nIndex;
    for (int nStep = 0; nStep < nCount - 1; nStep++)
    {
        i = bForward ? (i + 1) % nCount : (i + nCount - 1) % nCount;
        CExtBarButton* pButton = m_buttons[i];
        if (!pButton->IsVisible() || (pButton->GetStyle() & TBBS_HIDDEN) != 0 || pButton->IsSeparator() ||
            pButton->IsKindOf(RUNTIME_CLASS(CExtBarMdiRightButton)))
            continue;
        if (bSkipDisabled && pButton->IsDisabled())
            continue;
        return i;
    }
    return nIndex;
}

void CExtToolControlBar::SetTrackedButton(int nIndex)
{
    if (GetSafeHwnd() == nullptr)
    {
        m_nBtnIdxMenuTracking = -1;
        return;
    }
    CExtBarButton* pOld = GetButton(m_nBtnIdxMenuTracking);
    // With no button tracked before or after nothing changes, and nothing is painted now.
    if (pOld == nullptr && nIndex < 0)
    {
        m_nBtnIdxMenuTracking = -1;
        return;
    }
    if (pOld != nullptr)
    {
        pOld->ModifyStyle(0, TBBS_PRESSED | TBBS_CHECKED | TBBS_INDETERMINATE);
        pOld->ClearMenuTracked();
        InvalidateButton(m_nBtnIdxMenuTracking);
    }
    m_nBtnIdxMenuTracking = -1;
    CExtBarButton* pNew = nIndex >= 0 ? GetButton(nIndex) : nullptr;
    if (pNew != nullptr)
    {
        m_nBtnIdxMenuTracking = nIndex;
        pNew->ModifyStyle(TBBS_PRESSED, TBBS_CHECKED | TBBS_INDETERMINATE);
        pNew->SetMenuTracked();
        InvalidateButton(nIndex);
    }
    UpdateWindow();
}

void CExtToolControlBar::CloseTrackingMenus()
{
    g_bMenuTracking = false;
    ::EnterCriticalSection(&g_csAllControlBars);
    for (INT_PTR i = 0; i < g_arrAllControlBars.GetSize(); i++)
    {
        CExtToolControlBar* pBar = DYNAMIC_DOWNCAST(CExtToolControlBar, g_arrAllControlBars[i]);
        if (pBar != nullptr)
            pBar->SetTrackedButton(-1);
    }
    ::LeaveCriticalSection(&g_csAllControlBars);
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    CExtPopupMenuWnd* pPopup = site.GetInstance();
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr && !site.IsClosing())
        ::PostMessageW(pPopup->GetSafeHwnd(), WM_CANCELMODE, 0, 0);
}

int CExtToolControlBar::GetLayoutOrientation() const
{
    if (GetSafeHwnd() == nullptr || IsDialogMode() || IsFloating(this))
        return kOrientFloating;
    return IsDockedVertically(this) ? kOrientVertDocked : kOrientHorzDocked;
}

bool CExtToolControlBar::IsButtonHiddenByStyle(int nIndex) const
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return true;
    if ((pButton->GetStyle() & TBBS_HIDDEN) != 0)
        return true;
    if (pButton->IsSeparator())
    {
        CExtBarButton* pNext = GetButton(nIndex + 1);
        if (pNext != nullptr && (pNext->GetStyle() & TBBS_HIDDEN) != 0)
            return true;
    }
    return false;
}

bool CExtToolControlBar::IsButtonAt(int nIndex, const CExtBarButton* pButton) const
{
    return GetSafeHwnd() != nullptr && GetButton(nIndex) == pButton && pButton != nullptr;
}

bool CExtToolControlBar::IsBarWindowAlive(HWND hWndBar) const
{
    return hWndBar != nullptr && ::IsWindow(hWndBar) && GetSafeHwnd() == hWndBar;
}

// ---- the tool bar's own virtual operations ---------------------------------------------------------

bool CExtToolControlBar::GetButtonRect(int nIndex, CRect& rc) const
{
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
    {
        rc.SetRectEmpty();
        return false;
    }
    rc = pButton->GetRect();
    return true;
}

bool CExtToolControlBar::IsLargeIcons() const { return g_bLargeIcons; }

bool CExtToolControlBar::IsShowTips() const { return g_bShowScreenTips; }

bool CExtToolControlBar::IsShowTipAccelerators() const { return g_bShowShortcutKeysInScreenTips; }

CExtBarButton* CExtToolControlBar::OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle)
{
    return new CExtBarButton(this, nCmdID, nStyle);
}

CExtBarContentExpandButton* CExtToolControlBar::OnCreateBarRightBtn()
{
    if ((m_nBarFlags & kBarFlagPanelMode) != 0)
        return nullptr;
    return new CExtBarContentExpandButton(this);
}

CSize CExtToolControlBar::GetDefaultButtonSize() const { return g_sizeDefaultButton; }

bool CExtToolControlBar::IsRightButtonDisplayed() const
{
    if (IsDialogMode() || m_pDockSite == nullptr || (m_nBarFlags & kBarFlagPanelMode) != 0 || IsFloating(this))
        return false;
    return QueryExtraFeature();
}

CFont* CExtToolControlBar::GetToolBarFont(bool bVertical) const
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    // The vertical font runs the text down, as the push-button painter draws it.
    return bVertical ? &pPM->m_fontNormalRot270 : &pPM->m_fontNormal;
}

void CExtToolControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    CControlBar::CalcInsideRect(rect, bHorz);
    if (GetSafeHwnd() == nullptr || IsFloating(this))
        return;
    // The gripper and frame that the bar draws in its non-client area take their share too. The
    // non-client layout keeps its rectangles in members: they are put back afterwards.
    CExtToolControlBar* pThis = const_cast<CExtToolControlBar*>(this);
    const CRect rcCaption = m_rcCaption, rcRowSplitter = m_rcRowSplitter, rcAfter = m_rcSplitterAfter,
                rcBefore = m_rcSplitterBefore;
    const int nMinWidth = m_nMinWidthBase, nMinHeight = m_nMinHeightBase;
    const int kProbe = 1000;
    CRect rcClient(0, 0, kProbe, kProbe);
    pThis->NcCalcLayout(rcClient);
    pThis->m_rcCaption = rcCaption;
    pThis->m_rcRowSplitter = rcRowSplitter;
    pThis->m_rcSplitterAfter = rcAfter;
    pThis->m_rcSplitterBefore = rcBefore;
    pThis->m_nMinWidthBase = nMinWidth;
    pThis->m_nMinHeightBase = nMinHeight;
    rect.left += rcClient.left;
    rect.top += rcClient.top;
    rect.right -= kProbe - rcClient.right;
    rect.bottom -= kProbe - rcClient.bottom;
}

// ---- command UI ------------------------------------------------------------------------------------

CExtToolControlBar* CExtToolControlBar::CExtToolControlBarCmdUI::GetBar() const
{
    return static_cast<CExtToolControlBar*>(m_pOther);
}

CExtBarButton* CExtToolControlBar::CExtToolControlBarCmdUI::GetButton() const
{
    CExtToolControlBar* pBar = GetBar();
    CExtBarButton* pButton = pBar != nullptr ? pBar->GetButton((int)m_nIndex) : nullptr;
    if (pButton == nullptr || pButton->IsKindOf(RUNTIME_CLASS(CExtBarContentExpandButton)))
        return nullptr;
    return pButton;
}

void CExtToolControlBar::CExtToolControlBarCmdUI::Enable(BOOL bOn)
{
    CExtBarButton* pButton = GetButton();
    if (pButton == nullptr)
        return;
    m_bEnableChanged = TRUE;
    CExtToolControlBar* pBar = GetBar();
    UINT nStyle = pButton->GetStyle();
    nStyle = bOn ? (nStyle & ~TBBS_DISABLED) : (nStyle | TBBS_DISABLED);
    pBar->SetButtonStyle((int)m_nIndex, nStyle);
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(pBar->GetSafeHwnd());
    CExtCmdItem* pItem = g_CmdManagerHolder->LookupCommand(lpszProfile, pButton->GetCmdID(false));
    if (pItem != nullptr)
        pItem->Enable(bOn != FALSE);
}

void CExtToolControlBar::CExtToolControlBarCmdUI::SetCheckStyle(int nCheck)
{
    CExtBarButton* pButton = GetButton();
    UINT nStyle = pButton->GetStyle() & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nStyle |= TBBS_INDETERMINATE;
    GetBar()->SetButtonStyle((int)m_nIndex, nStyle | TBBS_CHECKBOX);
}

void CExtToolControlBar::CExtToolControlBarCmdUI::SetCheck(int nCheck)
{
    CExtBarButton* pButton = GetButton();
    if (pButton == nullptr)
        return;
    SetCheckStyle(nCheck);
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(GetBar()->GetSafeHwnd());
    CExtCmdItem* pItem = g_CmdManagerHolder->LookupCommand(lpszProfile, pButton->GetCmdID(false));
    if (pItem != nullptr)
        pItem->SetCheck(nCheck != 0);
}

void CExtToolControlBar::CExtToolControlBarCmdUI::SetRadio(BOOL bOn)
{
    CExtBarButton* pButton = GetButton();
    if (pButton == nullptr)
        return;
    SetCheckStyle(bOn ? 1 : 0);
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(GetBar()->GetSafeHwnd());
    CExtCmdItem* pItem = g_CmdManagerHolder->LookupCommand(lpszProfile, pButton->GetCmdID(false));
    if (pItem != nullptr)
        pItem->SetRadio(bOn != FALSE);
}

void CExtToolControlBar::CExtToolControlBarCmdUI::SetText(LPCTSTR lpszText) { (void)lpszText; }
