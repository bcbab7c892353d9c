// CExtBarColorButton: colours and texts, the generated icon, the colour popup and the command.
#include "toolkit/bars_tabs/ExtBarColorButton.h"
#include "toolkit/bars_tabs/ExtBarButtonMenuSteps.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtBarColorButton, CExtBarButton)

CExtBarColorButton::CExtBarColorButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle, COLORREF clrSelected,
                                       COLORREF clrDefault, int nIconKind)
    : CExtBarButton(pBar, nCmdID, nStyle), m_clrSelected(clrSelected), m_clrDefault(clrDefault), m_lCookie(0),
      m_bfColorFlags(kDefaultColorBtn | kCustomColorBtn), m_nIconKind(nIconKind)
{
    SyncColorIcon();
}

CExtBarColorButton::~CExtBarColorButton() {}

// ---- colours, cookie, popup buttons and texts --------------------------------------------------------------------

COLORREF CExtBarColorButton::GetColor(bool bSelected) const { return bSelected ? m_clrSelected : m_clrDefault; }

void CExtBarColorButton::SetColor(COLORREF clr, bool bSetDefault)
{
    COLORREF& clrField = bSetDefault ? m_clrDefault : m_clrSelected;
    if (clrField == clr)
        return;
    clrField = clr;
    SyncColorIcon();
}

LPARAM CExtBarColorButton::GetCookie() const { return m_lCookie; }

void CExtBarColorButton::SetCookie(LPARAM lCookie) { m_lCookie = lCookie; }

bool CExtBarColorButton::IsDefaultColorBtnShown() const { return (m_bfColorFlags & kDefaultColorBtn) != 0; }

void CExtBarColorButton::SetDefaultColorBtnShown(bool bOn)
{
    m_bfColorFlags = bOn ? (BYTE)(m_bfColorFlags | kDefaultColorBtn) : (BYTE)(m_bfColorFlags & ~kDefaultColorBtn);
}

bool CExtBarColorButton::IsCustomColorBtnShown() const { return (m_bfColorFlags & kCustomColorBtn) != 0; }

void CExtBarColorButton::SetCustomColorBtnShown(bool bOn)
{
    m_bfColorFlags = bOn ? (BYTE)(m_bfColorFlags | kCustomColorBtn) : (BYTE)(m_bfColorFlags & ~kCustomColorBtn);
}

CString CExtBarColorButton::GetDefaultColorBtnText() const { return m_sDefaultColorBtnText; }

void CExtBarColorButton::SetDefaultColorBtnText(LPCTSTR lpszText)
{
    m_sDefaultColorBtnText = lpszText != nullptr ? lpszText : L"";
}

CString CExtBarColorButton::GetCustomColorBtnText() const { return m_sCustomColorBtnText; }

void CExtBarColorButton::SetCustomColorBtnText(LPCTSTR lpszText)
{
    m_sCustomColorBtnText = lpszText != nullptr ? lpszText : L"";
}

// ---- the icon ----------------------------------------------------------------------------------------------------

void CExtBarColorButton::OnGenerateColorIcon(HICON& hIcon)
{
    hIcon = nullptr;
    switch (m_nIconKind)
    {
    case kIconFramed: hIcon = CExtPaintManager::CreateColorFrameIcon(m_clrSelected); break;
    case kIconChar:
    {
        LOGFONTW lf = {};
        CFont* pFont = &g_PaintManagerHolder->m_fontNormal;
        if (pFont->GetSafeHandle() == nullptr || ::GetObjectW(pFont->GetSafeHandle(), sizeof(lf), &lf) == 0)
            ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        ::lstrcpynW(lf.lfFaceName, L"Times New Roman", LF_FACESIZE);
        lf.lfHeight = ::MulDiv(lf.lfHeight, 3, 2);
        lf.lfWeight = 900;
        HFONT hFont = ::CreateFontIndirectW(&lf);
        hIcon = CExtPaintManager::CreateColorCharIcon(m_clrSelected, hFont, L'A');
        if (hFont != nullptr)
            ::DeleteObject(hFont);
        break;
    }
    default: hIcon = CExtPaintManager::CreateColorIcon(m_clrSelected); break;
    }
}

void CExtBarColorButton::SyncColorIcon()
{
    HICON hIcon = nullptr;
    OnGenerateColorIcon(hIcon);
    if (hIcon == nullptr)
        return;
    // The profile takes the icon over; an icon nobody takes is destroyed (at construction there is no bar yet).
    LPCTSTR pszProfile = GetProfileName();
    if (pszProfile == nullptr || !g_CmdManagerHolder->SetCommandIcon(pszProfile, GetCmdID(true), hIcon, false))
        ::DestroyIcon(hIcon);
}

// ---- the popup and the command -----------------------------------------------------------------------------------

CExtPopupColorMenuWnd* CExtBarColorButton::CreateColorPopup() const
{
    CWnd* pTarget = GetCmdTargetWnd();
    auto* pPopup = new CExtPopupColorMenuWnd;
    if (!pPopup->CreatePopupMenu(pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr))
    {
        delete pPopup;
        return nullptr;
    }
    pPopup->m_nNotifyCookie = m_lCookie;
    pPopup->m_dwButtons = (IsDefaultColorBtnShown() ? CExtPopupColorMenuWnd::BUTTON_DEFAULT : 0) |
                          (IsCustomColorBtnShown() ? CExtPopupColorMenuWnd::BUTTON_CUSTOM : 0);
    pPopup->m_clrDefaultButton = m_clrDefault;
    pPopup->m_clrInitialSelection = m_clrSelected;
    if (!m_sDefaultColorBtnText.IsEmpty())
        pPopup->m_sDefaultText = m_sDefaultColorBtnText;
    if (!m_sCustomColorBtnText.IsEmpty())
        pPopup->m_sCustomText = m_sCustomColorBtnText;
    return pPopup;
}

bool CExtBarColorButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    if (pPopup == nullptr)
        return false;
    CExtPopupColorMenuWnd* pColor = CreateColorPopup();
    if (pColor == nullptr)
        return false;
    CString sText;
    if (CExtCmdItem* pItem = GetCmdItem())
        sText = pItem->m_sMenuText;
    if (sText.IsEmpty())
        sText = GetText();
    if (!barmenu::InsertSubMenu(pPopup, pColor, sText, barmenu::MenuIconOf(GetIconPtr())))
        return false;
    pPopup->GetItemAt(pPopup->GetItemCount() - 1).Enable(!IsDisabled());
    return true;
}

UINT CExtBarColorButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    (void)point;
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || IsDisabled())
        return (UINT)-1;
    const int nIndex = GetIndexInBar();
    if (nIndex < 0)
        return (UINT)-1;
    if (CExtToolControlBar::g_bMenuTracking && m_pBar->m_nBtnIdxMenuTracking == nIndex)
        return 0;
    CExtToolControlBar* pBar = m_pBar;
    const HWND hWndBar = pBar->GetSafeHwnd();
    barmenu::BringFloatingFrameToTop(pBar);
    CExtToolControlBar::CloseTrackingMenus();
    CExtPopupColorMenuWnd* pPopup = CreateColorPopup();
    if (pPopup == nullptr)
        return (UINT)-1;
    CRect rcExclude = m_rc;
    pBar->ClientToScreen(&rcExclude);
    const UINT nFlags = barmenu::TrackFlags(GetMenuAlignment(), bSelectFirst, bNoAnimation);
    pBar->SetTrackedButton(nIndex);
    return barmenu::TrackAgainstButton(pPopup, nFlags, rcExclude, pBar, hWndBar, nIndex);
}

void CExtBarColorButton::OnDeliverCmd()
{
    CWnd* pTarget = GetCmdTargetWnd();
    if (pTarget != nullptr && pTarget->GetSafeHwnd() != nullptr)
        pTarget->SendMessage(CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally, (WPARAM)m_clrSelected, m_lCookie);
}

int CExtBarColorButton::OnHelpHitTest(CPoint point)
{
    (void)point;
    return (int)GetCmdID(true);
}
