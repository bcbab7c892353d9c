// CExtPopupMenuWnd: class record, options, construction, reset, the base's answers and the
// operations whose behaviour comes with the menu's window, tracking and keyboard handling.
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

CExtPopupMenuWnd::CExtPopupMenuWnd()
    : m_nCurIndex(-1), m_nHoverIndex(-1), m_nDelayedSubMenuIndex(-1), m_nStateFlags(0), m_nTrackFlags(0),
      m_hWndCmdReceiver(nullptr), m_nScrollPos(0), m_pWndParentMenu(nullptr), m_nScrollStep(0), m_nLeftAreaWidth(0),
      m_nCombinedSide(COMBINE_NONE)
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

BOOL CExtPopupMenuWnd::DestroyWindow()
{
    return CExtPopupBaseWnd::DestroyWindow();
}

void CExtPopupMenuWnd::PaintParentItemArea(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea)
{
    (void)pCookie;
    (void)dc;
    (void)wndPopup;
    (void)rcArea;
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

void CExtPopupMenuWnd::StartAnimation()
{
    CExtPopupBaseWnd::StartAnimation();
}

void CExtPopupMenuWnd::ClearShadowCache()
{
    CExtPopupBaseWnd::ClearShadowCache();
}

bool CExtPopupMenuWnd::IsShadowEnabled() const
{
    return CExtPopupBaseWnd::IsShadowEnabled() && (m_nTrackFlags & TRACK_NO_SHADOW) == 0;
}

void CExtPopupMenuWnd::PaintAnimationFrame(CDC& dc)
{
    CExtPopupBaseWnd::PaintAnimationFrame(dc);
}

void CExtPopupMenuWnd::PaintMenu(CDC& dc, bool bUseBackBuffer)
{
    CExtPopupBaseWnd::PaintMenu(dc, bUseBackBuffer);
}

CRect CExtPopupMenuWnd::GetPopupClientRect() const
{
    return m_rcClient;
}

bool CExtPopupMenuWnd::IsContextHelpMode() const
{
    if ((m_nTrackFlags & TRACK_HELP_MODE) != 0)
        return true;
    return m_pWndParentMenu != nullptr && m_pWndParentMenu->IsContextHelpMode();
}

// ---- simple answers ----------------------------------------------------------------------------

int CExtPopupMenuWnd::GetCurrentItem() const
{
    return m_nCurIndex;
}

HWND CExtPopupMenuWnd::GetCmdReceiverHWND() const
{
    return m_hWndCmdReceiver;
}

int CExtPopupMenuWnd::GetMenuBorderSize() const
{
    return g_PaintManagerHolder->GetMetric48();
}

bool CExtPopupMenuWnd::OnMouseWheel(WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    (void)wParam;
    (void)lParam;
    (void)lResult;
    return true;
}

bool CExtPopupMenuWnd::CanShowAsSubMenu() const
{
    return true;
}

int CExtPopupMenuWnd::GetMinScrollPos() const
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    int nMin = m_nContentHeight + 2 * GetMenuBorderSize() + GetShadowSize() - m_rcClient.Height();
    if (HasHiddenItems())
        nMin += pPM->GetMenuCheckMarkWidth();
    return -nMin;
}

// ---- operations of tracking, painting and the keyboard: neutral until the window exists -------

bool CExtPopupMenuWnd::TrackPopupMenu(UINT, int, int, LPCRECT, LPVOID, PaintCombinedAreaCallback_t, UINT*, bool)
{
    return false;
}

bool CExtPopupMenuWnd::CreatePopupWindow()
{
    return false;
}

void CExtPopupMenuWnd::OnWindowCreated() {}

bool CExtPopupMenuWnd::CreateAndShowPopup(UINT, int, int, LPCRECT, LPVOID, PaintCombinedAreaCallback_t, bool)
{
    return false;
}

void CExtPopupMenuWnd::ReleaseCurrentItem(bool) {}

void CExtPopupMenuWnd::SetDelayedSubMenuItem(int) {}

void CExtPopupMenuWnd::SetCurrentItem(int) {}

bool CExtPopupMenuWnd::HandleMouseMove(bool, const CPoint&)
{
    return false;
}

bool CExtPopupMenuWnd::HandleMouseClick(bool, UINT, const CPoint&)
{
    return false;
}

bool CExtPopupMenuWnd::HandleKey(bool, UINT, UINT, UINT)
{
    return false;
}

void CExtPopupMenuWnd::StopAnimation() {}

bool CExtPopupMenuWnd::CloseMenu(bool)
{
    return false;
}

bool CExtPopupMenuWnd::IsOwnWindowAtPoint(const CPoint&) const
{
    return false;
}

void CExtPopupMenuWnd::CaptureKeyboard() {}

CExtPopupMenuWnd* CExtPopupMenuWnd::GetKeyboardPopup() const
{
    return nullptr;
}

void CExtPopupMenuWnd::ReleaseKeyboard() {}

bool CExtPopupMenuWnd::StartScrolling(int)
{
    return false;
}

void CExtPopupMenuWnd::ExpandRarelyUsedItems() {}

bool CExtPopupMenuWnd::IsTipShown() const
{
    return false;
}

void CExtPopupMenuWnd::HideTip(bool) {}

int CExtPopupMenuWnd::ItemFindByAccessChar(wchar_t, int, bool) const
{
    return -1;
}

int CExtPopupMenuWnd::FindNextSelectableItem(int, bool) const
{
    return -1;
}

bool CExtPopupMenuWnd::EndTrackingWithCommand(UINT, HWND)
{
    return false;
}

CExtPopupMenuTrackingSite* CExtPopupMenuWnd::GetTrackingSite() const
{
    return nullptr;
}
