// CExtBarNcAreaButton: layout, hit test, painting, tool tips and the owner-bar queries.
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"

IMPLEMENT_DYNCREATE(CExtBarNcAreaButton, CObject)

CExtBarNcAreaButton::CExtBarNcAreaButton(CExtControlBar* pBar) : m_pBar(pBar), m_bfState(0) { m_rc.SetRectEmpty(); }

CExtBarNcAreaButton::~CExtBarNcAreaButton() {}

void CExtBarNcAreaButton::DeleteThis() { delete this; }

// ---- owner-bar queries ------------------------------------------------------------------------------------

bool CExtBarNcAreaButton::IsBarFixedSize() const { return m_pBar != nullptr && m_pBar->IsFixedSize(); }

bool CExtBarNcAreaButton::IsBarVisible() const
{
    return m_pBar != nullptr && m_pBar->GetSafeHwnd() != nullptr && m_pBar->IsVisible();
}

bool CExtBarNcAreaButton::IsBarFloating() const { return m_pBar != nullptr && CExtControlBar::IsFloating(m_pBar); }

bool CExtBarNcAreaButton::IsBarDockedHorizontally() const
{
    return m_pBar != nullptr && CExtControlBar::IsDockedHorizontally(m_pBar);
}

static CExtMiniDockFrameWnd* BarMiniFrame(const CExtControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return nullptr;
    return DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pBar->GetParentFrame());
}

// The floating frame's caption carries the buttons of the bar alone in it; a bar beside others in a floating
// container keeps them in its own caption.
static bool OnFloatingFrameCaption(CExtControlBar* pBar)
{
    if (pBar == nullptr)
        return false;
    CExtMiniDockFrameWnd* pMini = BarMiniFrame(pBar);
    return CExtControlBar::IsFloating(pBar) ||
           (pMini != nullptr && !pBar->IsFixedSize() && pMini->GetFloatingExtBar() == pBar);
}

bool CExtBarNcAreaButton::IsBarWndActive() const
{
    if (m_pBar == nullptr)
        return false;
    if (CExtMiniDockFrameWnd* pMini = BarMiniFrame(m_pBar))
    {
        HWND hFocus = ::GetFocus();
        return hFocus != nullptr && (hFocus == pMini->GetSafeHwnd() || ::IsChild(pMini->GetSafeHwnd(), hFocus));
    }
    if (m_pBar->IsAutoHideMode())
    {
        bool bActive = false;
        CExtDockingKindOf::QueryAutoHideSlider(m_pBar, nullptr, &bActive);
        return bActive;
    }
    return (m_pBar->m_bfRuntimeState & CExtControlBar::kStateFocus) != 0;
}

bool CExtBarNcAreaButton::IsBarAutoHideMode(bool* pbShownBySlider, bool* pbSliderActive) const
{
    if (pbShownBySlider != nullptr)
        *pbShownBySlider = false;
    if (pbSliderActive != nullptr)
        *pbSliderActive = false;
    if (m_pBar == nullptr || !m_pBar->IsAutoHideMode())
        return false;
    CExtDockingKindOf::QueryAutoHideSlider(m_pBar, pbShownBySlider, pbSliderActive);
    return true;
}

bool CExtBarNcAreaButton::IsBarAloneInRow() const { return m_pBar != nullptr && m_pBar->IsAloneInRow(); }

bool CExtBarNcAreaButton::IsBarExpandedInRow() const { return m_pBar != nullptr && m_pBar->IsExpandedInRow(); }

CFrameWnd* CExtBarNcAreaButton::GetDockingFrame() const
{
    return m_pBar != nullptr ? CExtControlBar::FindDockingFrame(m_pBar) : nullptr;
}

CWnd* CExtBarNcAreaButton::GetCarrierWnd() const
{
    if (m_pBar == nullptr)
        return nullptr;
    if (IsBarFloating())
        return BarMiniFrame(m_pBar);
    if (m_pBar->IsAutoHideMode())
    {
        // The slider carries the buttons of the bar it shows.
        if (CWnd* pSlider = CExtDockingKindOf::AutoHideSliderShowing(m_pBar))
            return pSlider;
    }
    return m_pBar;
}

bool CExtBarNcAreaButton::GetBarNcAreaInfo(CRect* pRcCaption, CRect* pRcWindow, bool* pbHorz, bool* pbVert) const
{
    if (pRcCaption != nullptr)
        pRcCaption->SetRectEmpty();
    if (pRcWindow != nullptr)
        pRcWindow->SetRectEmpty();
    if (pbHorz != nullptr)
        *pbHorz = false;
    if (pbVert != nullptr)
        *pbVert = false;
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return false;
    if (OnFloatingFrameCaption(m_pBar))
    {
        CExtMiniDockFrameWnd* pMini = BarMiniFrame(m_pBar);
        if (pMini == nullptr)
            return false;
        CRect rcWnd;
        pMini->GetWindowRect(&rcWnd);
        CRect rcCaption = pMini->GetCaptionRect();
        rcCaption.left -= 2;
        rcCaption.top -= 2;
        rcCaption.right += 1;
        rcCaption.bottom += 2;
        if (pRcCaption != nullptr)
            *pRcCaption = rcCaption;
        if (pRcWindow != nullptr)
            *pRcWindow = rcWnd;
        if (pbHorz != nullptr)
            *pbHorz = true;
        if (pbVert != nullptr)
            *pbVert = true;
        return true;
    }
    bool bHorz = false, bVert = false;
    if (!m_pBar->QueryGripperPresence(&bHorz, &bVert))
        return false;
    if (pRcWindow != nullptr)
        m_pBar->GetWindowRect(pRcWindow);
    if (pRcCaption != nullptr)
    {
        *pRcCaption = m_pBar->GetCaptionRect();
        CRect rcSliderCaption;
        if (m_pBar->IsAutoHideMode() && CExtDockingKindOf::AutoHideSliderShowing(m_pBar, &rcSliderCaption) != nullptr)
            *pRcCaption = rcSliderCaption;
    }
    if (pbHorz != nullptr)
        *pbHorz = bHorz;
    if (pbVert != nullptr)
        *pbVert = bVert;
    return true;
}

// ---- base behaviour ---------------------------------------------------------------------------------------

void CExtBarNcAreaButton::LayoutRect(CExtBarNcAreaButton* pPrevBtn)
{
    CRect rcCaption;
    if (!GetBarNcAreaInfo(&rcCaption))
    {
        m_rc.SetRectEmpty();
        return;
    }
    // A caption wider than high runs along the top.
    const bool bHorz = rcCaption.Width() >= rcCaption.Height();
    m_rc = rcCaption;
    if (bHorz)
    {
        m_rc.DeflateRect(2, 3);
        m_rc.left = m_rc.right - m_rc.Height();
        m_rc.OffsetRect(-1, 0);
        if (pPrevBtn != nullptr)
            m_rc.OffsetRect(pPrevBtn->m_rc.left - 3 - m_rc.right, 0);
    }
    else
    {
        m_rc.DeflateRect(3, 2);
        m_rc.bottom = m_rc.top + m_rc.Width();
        m_rc.OffsetRect(0, 1);
        if (pPrevBtn != nullptr)
            m_rc.OffsetRect(0, pPrevBtn->m_rc.bottom + 3 - m_rc.top);
    }
}

bool CExtBarNcAreaButton::IsVisible() const
{
    if (IsBarVisible())
    {
        CRect rcCaption;
        return GetBarNcAreaInfo(&rcCaption) && !rcCaption.IsRectEmpty();
    }
    bool bShown = false;
    IsBarAutoHideMode(&bShown);
    return bShown;
}

bool CExtBarNcAreaButton::Draw(CDC& dc)
{
    (void)dc;
    return m_rc.IsRectEmpty() != FALSE;
}

UINT CExtBarNcAreaButton::HitTest(const CPoint& point)
{
    if (m_rc.PtInRect(point))
    {
        m_bfState |= kHover;
        const bool bLeftOnly = (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0 &&
                               (::GetAsyncKeyState(VK_RBUTTON) & 0x8000) == 0 &&
                               (::GetAsyncKeyState(VK_MBUTTON) & 0x8000) == 0;
        if (bLeftOnly)
            m_bfState |= kPressed;
        else
            m_bfState &= ~kPressed;
        return 0;
    }
    m_bfState &= ~(kHover | kPressed);
    return HTCLIENT;
}

HCURSOR CExtBarNcAreaButton::QueryCursor(const CPoint& point) const
{
    return m_rc.PtInRect(point) ? CExtControlBar::g_hCursorArrow : nullptr;
}

bool CExtBarNcAreaButton::OnClick(const CPoint& point) { return m_rc.PtInRect(point) != FALSE; }

INT_PTR CExtBarNcAreaButton::OnToolHitTest(const CPoint& point, TOOLINFO* pTI)
{
    (void)point;
    (void)pTI;
    return -1;
}

// ---- shared painting and tool tips ----------------------------------------------------------------------------

void CExtBarNcAreaButton::PaintButton(CDC& dc, int nGlyph)
{
    // An open popup menu hides hover and press.
    const bool bTracking = CExtPopupMenuWnd::IsMenuTracking();
    const bool bPlain = (m_bfState & kPaintPlain) != 0;
    bool bSliderActive = false;
    const bool bAutoHide = IsBarAutoHideMode(nullptr, &bSliderActive);
    const bool bFloating = IsBarFloating();
    // Whether the button sits on a light surface: the slider's and the floating frame's captions run under their
    // buttons and are highlighted while active; a docked bar's caption ends before them, so they sit on the bar's
    // frame whether it is active or not.
    bool bOnLight;
    if (bAutoHide)
        bOnLight = !bSliderActive;
    else if (OnFloatingFrameCaption(m_pBar))
        bOnLight = !bFloating && !IsBarWndActive();
    else
        bOnLight = true;
    CExtPaintManager::CaptionButtonPaintData data(
        this, m_rc, nGlyph, (m_bfState & kHover) != 0 && !bTracking && !bPlain,
        (m_bfState & kPressed) != 0 && !bTracking && !bPlain, (m_bfState & kDisabled) == 0, bOnLight, bFloating, false);
    g_PaintManagerHolder->PaintCaptionButton(dc, data);
}

INT_PTR CExtBarNcAreaButton::DoToolHitTest(const CPoint& point, TOOLINFO* pTI, UINT nTextID, LPCTSTR pszDefault)
{
    if (IsBarAutoHideMode() || !m_rc.PtInRect(point) || m_pBar == nullptr)
        return -1;
    CString sText;
    if (!g_ResourceManagerHolder->LoadStringRes(sText, nTextID) || sText.IsEmpty())
        sText = pszDefault;
    if (pTI != nullptr)
    {
        CWnd* pCarrier = GetCarrierWnd();
        CRect rc(m_rc);
        if (pCarrier != nullptr)
        {
            CRect rcWnd, rcClient;
            pCarrier->GetWindowRect(&rcWnd);
            pCarrier->GetClientRect(&rcClient);
            pCarrier->ClientToScreen(&rcClient);
            rc.OffsetRect(rcWnd.left - rcClient.left, rcWnd.top - rcClient.top);
        }
        pTI->hwnd = m_pBar->GetSafeHwnd();
        pTI->uId = (UINT_PTR)nTextID;
        pTI->rect = rc;
        LPTSTR psz = AfxAllocToolTipText(sText);
        pTI->lpszText = psz != nullptr ? psz : LPSTR_TEXTCALLBACK;
    }
    return (INT_PTR)nTextID;
}
