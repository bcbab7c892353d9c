// CExtPopupBaseWnd: construction, the combined-area and shadow answers and the animation set-up.
#include "toolkit/menus_dialogs/ExtPopupBaseWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <cstdlib>

IMPLEMENT_DYNCREATE(CExtPopupBaseWnd, CWnd)

namespace
{
// The paint manager keeps the display depth until a display change.
int DisplayBitsPerPixel() { return CExtPaintManager::GetDisplayBitsPerPixel(); }
} // namespace

CExtPopupBaseWnd::CExtPopupBaseWnd()
    : m_rcExclude(0, 0, 0, 0), m_ptTrack(0, 0), m_nBaseFlags(0), m_pCbPaintCombinedCookie(nullptr),
      m_pCbPaintCombinedContent(nullptr), m_bCookieIsObject(false),
      m_nAnimationKind(CExtPopupMenuWnd::g_nDefaultAnimation), m_nSoundOnAnimationEnd(0), m_pScreenBits(nullptr),
      m_pWorkBits(nullptr), m_pImageBits(nullptr), m_nAnimPercent(0), m_nAnimPercentOld(0), m_nAnimFlags(0),
      m_nContentWidth(1), m_nContentHeight(1), m_dwAnimStartTick(0)
{
    SetupAnimation();
}

CExtPopupBaseWnd::~CExtPopupBaseWnd() { ClearShadowCache(); }

BOOL CExtPopupBaseWnd::DestroyWindow()
{
    if (GetSafeHwnd() == nullptr)
        return TRUE;
    return CWnd::DestroyWindow();
}

LPVOID CExtPopupBaseWnd::GetCombinedAreaCookie() const
{
    return (m_bCookieIsObject && m_pCbPaintCombinedCookie != nullptr) ? m_pCbPaintCombinedCookie : nullptr;
}

bool CExtPopupBaseWnd::IsCombinedWithParentItem() const
{
    return IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)) &&
           m_pCbPaintCombinedContent == &CExtPopupMenuWnd::PaintParentItemArea;
}

bool CExtPopupBaseWnd::IsEmbeddedTracking() const { return false; }

void CExtPopupBaseWnd::SetupAnimation()
{
    m_nAnimPercent = 0;
    m_nAnimPercentOld = 0;
    int nKind = m_nAnimationKind;
    AdjustAnimationKind(nKind);
    if (nKind < ANIM_EXPAND || nKind > ANIM_HOLES)
        nKind = ANIM_NONE;
    if (nKind == ANIM_RANDOM)
    {
        nKind = std::rand() % 11;
        if (nKind == ANIM_NONE || nKind == ANIM_RANDOM)
            nKind = ANIM_FADE;
    }
    if (DisplayBitsPerPixel() < 9 && nKind != ANIM_INSTANT && nKind != ANIM_EXPAND)
        nKind = ANIM_NONE;
    m_nAnimationKind = nKind;
    if (nKind == ANIM_NONE)
        m_nAnimFlags |= ANIM_FLAG_FINISHED;
    else
        m_nAnimFlags &= ~ANIM_FLAG_FINISHED;
}

void CExtPopupBaseWnd::StartAnimation()
{
    SetupAnimation();
    if (m_nAnimationKind != ANIM_NONE && GetSafeHwnd() != nullptr)
    {
        SetTimer(ID_TIMER_ANIMATION, ANIMATION_PERIOD, nullptr);
        m_dwAnimStartTick = ::GetTickCount();
    }
}

void CExtPopupBaseWnd::AdjustAnimationKind(int& nAnimationKind) { (void)nAnimationKind; }

void CExtPopupBaseWnd::ClearShadowCache()
{
    m_bmpScreen.DeleteObject();
    m_bmpWork.DeleteObject();
    m_bmpImage.DeleteObject();
    m_pScreenBits = nullptr;
    m_pWorkBits = nullptr;
    m_pImageBits = nullptr;
}

bool CExtPopupBaseWnd::IsShadowEnabled() const { return CExtPopupMenuWnd::g_bShadowsOn; }

int CExtPopupBaseWnd::GetShadowSize() const
{
    if (!IsShadowEnabled())
        return 0;
    return g_PaintManagerHolder->GetMetric47();
}

void CExtPopupBaseWnd::PaintAnimationFrame(CDC& dc) { PaintMenu(dc, true); }

void CExtPopupBaseWnd::PaintMenu(CDC& dc, bool bUseBackBuffer)
{
    (void)dc;
    (void)bUseBackBuffer;
}

CRect CExtPopupBaseWnd::GetPopupClientRect() const
{
    CRect rc(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rc);
    return rc;
}

bool CExtPopupBaseWnd::IsContextHelpMode() const { return false; }
