// CExtPopupMenuWnd: class record, options, construction, reset and the base's answers.
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include "platform/Exceptions.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtPopupMenuWnd, CExtPopupBaseWnd)

bool CExtPopupMenuWnd::g_bShadowsOn = true;
bool CExtPopupMenuWnd::g_bHideRarelyUsed = true;
bool CExtPopupMenuWnd::g_bShadeRarelyUsed = true;
bool CExtPopupMenuWnd::g_bExpandAnimation = true;
bool CExtPopupMenuWnd::g_bFitToWorkArea = true;
int CExtPopupMenuWnd::g_nDefaultAnimation = CExtPopupBaseWnd::ANIM_FADE;
bool CExtPopupMenuWnd::g_bAllowSystemSizeMove = true;
int CExtPopupMenuWnd::s_nDestroyingPopups = 0;

CExtPopupMenuWnd::CExtPopupMenuWnd()
    : m_nCurIndex(-1), m_nHoverIndex(-1), m_nDelayedSubMenuIndex(-1), m_nStateFlags(0), m_nTrackFlags(0),
      m_hWndCmdReceiver(nullptr), m_nScrollPos(0), m_pWndParentMenu(nullptr), m_nScrollStep(0), m_nLeftAreaWidth(0),
      m_nCombinedSide(COMBINE_NONE), m_nChevronCounter(0)
{
    ResetTrackingState();
}

CExtPopupMenuWnd::~CExtPopupMenuWnd()
{
    CloseMenu(true);
    // Every level empties itself, so that a sub-menu deleted on its own frees its sub-menus too.
    LoadFromMenu(nullptr, IsTopLevel());
    m_rgnWnd.DeleteObject();
}

void CExtPopupMenuWnd::ResetTrackingState()
{
    SetupAnimation();
    m_nBaseFlags &= ~BASE_FLAG_COMBINED;
    m_nStateFlags &= ~STATE_RESET_MASK;
    m_nCurIndex = -1;
    m_nHoverIndex = -1;
    m_nDelayedSubMenuIndex = -1;
    m_nScrollStep = 0;
    m_nTrackFlags = 0;
    m_nScrollPos = 0;
    m_nCombinedSide = COMBINE_NONE;
    m_rcScrollUp.SetRectEmpty();
    m_rcScrollDown.SetRectEmpty();
    m_rcExpandButton.SetRectEmpty();
    m_pCbPaintCombinedCookie = nullptr;
    m_pCbPaintCombinedContent = nullptr;
    m_bCookieIsObject = false;
}

// ---- the base's operations -------------------------------------------------------------------

bool CExtPopupMenuWnd::IsEmbeddedTracking() const
{
    if ((m_nTrackFlags & TRACK_EMBEDDED) != 0)
        return true;
    return m_pWndParentMenu != nullptr && m_pWndParentMenu->IsEmbeddedTracking();
}

bool CExtPopupMenuWnd::IsShadowEnabled() const
{
    return CExtPopupBaseWnd::IsShadowEnabled() && (m_nTrackFlags & TRACK_NO_SHADOW) == 0;
}

CRect CExtPopupMenuWnd::GetPopupClientRect() const { return m_rcClient; }

bool CExtPopupMenuWnd::IsContextHelpMode() const
{
    if ((m_nTrackFlags & TRACK_HELP_MODE) != 0)
        return true;
    return m_pWndParentMenu != nullptr && m_pWndParentMenu->IsContextHelpMode();
}

// ---- simple answers ----------------------------------------------------------------------------

int CExtPopupMenuWnd::GetCurrentItem() const { return m_nCurIndex; }

HWND CExtPopupMenuWnd::GetCmdReceiverHWND() const { return m_hWndCmdReceiver; }

int CExtPopupMenuWnd::GetMenuBorderSize() const { return g_PaintManagerHolder->GetMetric48(); }

bool CExtPopupMenuWnd::OnMouseWheel(WPARAM wParam, LPARAM lParam, bool& bPassOn)
{
    (void)wParam;
    (void)lParam;
    (void)bPassOn;
    return true;
}

bool CExtPopupMenuWnd::CanShowAsSubMenu() const { return true; }

int CExtPopupMenuWnd::GetMinScrollPos() const
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    int nMin = m_nContentHeight + 2 * GetMenuBorderSize() + GetShadowSize() - m_rcClient.Height();
    if (HasHiddenItems())
        nMin += pPM->GetMenuCheckMarkWidth();
    return -nMin;
}
