// CExtColorButton: the colour popup as drop-down, the notifications, the custom colour and painting.
#include "toolkit/menus_dialogs/ExtColorButton.h"
#include "platform/CommonDialogs.h"
#include "platform/ControlBar.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtColorButton, CExtButton)

namespace
{
bool IsOnControlBar(HWND hWnd)
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(hWnd));
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CControlBar));
}
} // namespace

CExtColorButton::CExtColorButton()
    : m_bEnableBtnColorDefault(true), m_bEnableBtnColorCustom(true), m_bUseStdColorDlg(true),
      m_clrDefault((COLORREF)-1), m_clrSelected(0), m_lParamCookie(0)
{}

CExtColorButton::~CExtColorButton() {}

LRESULT CExtColorButton::NotifyParent(UINT nMsg, WPARAM wParam, LPARAM lParam) const
{
    const HWND hWndParent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    return hWndParent != nullptr ? ::SendMessageW(hWndParent, nMsg, wParam, lParam) : 0;
}

void CExtColorButton::GetColorIcon(HICON& hIcon, bool& bOwned) const
{
    hIcon = CExtPaintManager::CreateColorIcon(m_clrSelected);
    bOwned = hIcon != nullptr;
}

// ---- clicks and the popup ------------------------------------------------------------------------------

void CExtColorButton::OnClick(bool bFromKeyboard, bool bOnDropDownPart)
{
    if (!IsSplit() || bOnDropDownPart)
    {
        TrackDropDownMenu(bFromKeyboard);
        return;
    }
    NotifyParent(CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally, (WPARAM)m_clrSelected, m_lParamCookie);
}

bool CExtColorButton::TrackDropDownMenu(bool bSelectFirstItem)
{
    HWND hWndOwner = nullptr;
    UINT nFlags = CalcMenuPlacement(&hWndOwner);
    const bool bOnBar = IsOnControlBar(m_hWnd);
    auto* pPopup = new CExtPopupColorMenuWnd;
    pPopup->SetLeftAreaWidth(m_nMenuLeftAreaWidth);
    pPopup->m_nNotifyCookie = m_lParamCookie;
    pPopup->CreatePopupMenu(bOnBar ? hWndOwner : m_hWnd);
    pPopup->m_dwButtons = (m_bEnableBtnColorDefault ? CExtPopupColorMenuWnd::BUTTON_DEFAULT : 0) |
                          (m_bEnableBtnColorCustom ? CExtPopupColorMenuWnd::BUTTON_CUSTOM : 0);
    pPopup->m_clrDefaultButton = m_clrDefault;
    pPopup->m_clrInitialSelection = m_clrSelected;
    if (!m_sBtnTextColorDefault.IsEmpty())
        pPopup->m_sDefaultText = m_sBtnTextColorDefault;
    if (!m_sBtnTextColorCustom.IsEmpty())
        pPopup->m_sCustomText = m_sBtnTextColorCustom;
    CRect rcWnd;
    ::GetWindowRect(m_hWnd, &rcWnd);
    const CPoint pt((rcWnd.left + rcWnd.right) / 2, (rcWnd.top + rcWnd.bottom) / 2);
    ::SetFocus(bOnBar && hWndOwner != nullptr ? hWndOwner : m_hWnd);
    if (bOnBar)
        CExtMenuKindOf::CloseToolBarMenus();
    nFlags |= CExtPopupMenuWnd::TRACK_COMBINE_DEFAULT;
    if (bSelectFirstItem)
        nFlags |= CExtPopupMenuWnd::TRACK_SELECT_ANY;
    if (!pPopup->TrackPopupMenu(nFlags, pt.x, pt.y, &rcWnd, this, PaintJoinedArea))
    {
        delete pPopup;
        return true;
    }
    m_hWndMenuOpen = pPopup->GetSafeHwnd();
    if (bOnBar)
        CExtControlHelpers::SetToolBarMenuTracking(true);
    return true;
}

// ---- notifications from the popup ------------------------------------------------------------------------

LRESULT CExtColorButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CExtPopupColorMenuWnd::g_nMsgNotifyColorChanged)
        return OnColorChanged(wParam, lParam);
    if (message == CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally)
        return OnColorChangedFinally(wParam, lParam);
    if (message == CExtPopupColorMenuWnd::g_nMsgNotifyCustColor)
        return OnCustomColor(wParam, lParam);
    return CExtButton::WindowProc(message, wParam, lParam);
}

LRESULT CExtColorButton::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    return NotifyParent(CExtPopupColorMenuWnd::g_nMsgNotifyColorChanged, wParam, lParam);
}

LRESULT CExtColorButton::OnColorChangedFinally(WPARAM wParam, LPARAM lParam)
{
    m_clrSelected = (COLORREF)wParam == (COLORREF)-1 ? 0 : (COLORREF)wParam;
    Repaint();
    return NotifyParent(CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally, wParam, lParam);
}

LRESULT CExtColorButton::OnCustomColor(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    const HWND hWnd = m_hWnd;
    COLORREF clrNew = m_clrSelected;
    if (m_bUseStdColorDlg)
    {
        CColorDialog dlg(m_clrSelected, CC_FULLOPEN, this);
        if (dlg.DoModal() != IDOK)
            return 0;
        clrNew = dlg.GetColor();
    }
    else if (!CExtMenuKindOf::RunColorDialog(this, m_clrSelected, clrNew))
        return 0;
    if (!::IsWindow(hWnd))
        return 0;
    m_clrSelected = clrNew;
    NotifyParent(CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally, (WPARAM)clrNew, lParam);
    if (::IsWindow(hWnd))
        Repaint();
    return 0;
}

// ---- painting ----------------------------------------------------------------------------------------------

void CExtColorButton::PaintButton(CDC& dc, bool bTransparentBackground)
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    CString sText;
    GetWindowText(sText);
    const bool bMenuTracking = CExtControlHelpers::IsMenuTracking();
    bool bFocusRect =
        ::GetFocus() == m_hWnd && (m_nStateFlags & kStateFocusRect) != 0 && !bMenuTracking && !sText.IsEmpty();
    const bool bDefault = m_nButtonType == BS_DEFPUSHBUTTON;
    const bool bPushed = (m_nStateFlags & kStatePushed) != 0;
    const bool bEnabled = IsEnabled();
    bool bFlat = (::GetWindowLongW(m_hWnd, GWL_STYLE) & BS_FLAT) != 0;
    const bool bHover = (m_nStateFlags & kStateHover) != 0 && !bMenuTracking;
    if (IsOnControlBar(m_hWnd))
    {
        bFlat = true;
        bFocusRect = false;
    }
    HICON hIcon = nullptr;
    bool bOwned = false;
    GetColorIcon(hIcon, bOwned);
    CExtCmdIcon icon(hIcon, false);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (!bTransparentBackground && !bHover && !bPushed && pPM->IsDockerGradientAvailable(this))
    {
        CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), m_hWnd);
        if (pPM->PaintDockerBackground(true, dc, this))
            bTransparentBackground = true;
    }
    const bool bBorder = (m_nStateFlags & kStateFlatBorder) != 0 && !bMenuTracking;
    CExtPaintManager::PushButtonPaintData pbpd(this, true, rcClient, sText, &icon, bFlat, bHover, bPushed, false,
                                               bEnabled, bBorder, bFocusRect, bDefault, (int)m_nAlign, nullptr, true, 0,
                                               bTransparentBackground);
    if (IsSplit())
    {
        pbpd.m_bSplitDropDown = true;
        if (m_nPressedPart == kPartDropDown && pbpd.m_bPushed)
        {
            pbpd.m_bPushed = false;
            pbpd.m_bDropDownPushed = true;
        }
    }
    pbpd.m_clrTextDisabled = m_clrTextDisabled;
    pbpd.m_clrTextNormal = m_clrTextNormal;
    pbpd.m_clrTextHot = m_clrTextHover;
    pbpd.m_clrTextPushed = m_clrTextPressed;
    pPM->PaintPushButton(dc, pbpd);
    icon.ExtractHICON(false);
    if (bOwned && hIcon != nullptr)
        ::DestroyIcon(hIcon);
}
