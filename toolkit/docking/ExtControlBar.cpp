// CExtControlBar: class record, statics, the registry of all bars, construction, creation, the
// frame's docking set-up, the menu announcement record and the dock-side tests.
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtBarContainerSteps.h"
#include "platform/DockBar.h"
#include <vector>
#include <algorithm>
#include "toolkit/docking/ExtDockBar.h"
#include "platform/DockContext.h"
#include "platform/ThreadState.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtControlBar, CControlBar)

namespace
{
// The lock exists before any global bar is constructed and lives as long as the process.
struct AllBarsLock
{
    AllBarsLock() { ::InitializeCriticalSection(&CExtControlBar::g_csAllControlBars); }
};
} // namespace

CArray<CExtControlBar*, CExtControlBar*> CExtControlBar::g_arrAllControlBars;
CRITICAL_SECTION CExtControlBar::g_csAllControlBars;
static AllBarsLock g_allBarsLockInit;

HCURSOR CExtControlBar::g_hCursorArrow = ::LoadCursorW(nullptr, IDC_ARROW);
HCURSOR CExtControlBar::g_hCursorMove = ::LoadCursorW(nullptr, IDC_SIZEALL);
HCURSOR CExtControlBar::g_hCursorResizeV = ::LoadCursorW(nullptr, IDC_SIZENS);
HCURSOR CExtControlBar::g_hCursorResizeH = ::LoadCursorW(nullptr, IDC_SIZEWE);

const UINT CExtControlBar::g_nMsgQueryRepositionCalcEffect =
    ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgQueryRepositionCalcEffect");
const UINT CExtControlBar::g_nMsgQueryIcon = ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgQueryIcon");
const UINT CExtControlBar::g_nMsgConstructPopupMenu =
    ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgConstructPopupMenu");
const UINT CExtControlBar::g_nMsgCreateTabbedBar = ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgCreateTabbedBar");
const UINT CExtControlBar::g_nMsgDrawTackedArea = ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgDrawTackedArea");
const UINT CExtControlBar::g_nMsgPutToPopupMenu = ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgPutToPopupMenu");

int CExtControlBar::g_nDraggingStyleOverride = -1;
const wchar_t* const CExtControlBar::kWndClassName = L"Nimbal-ControlBar";

static CExtControlBar* g_pBarBeingFloated = nullptr;

// ---- construction ---------------------------------------------------------------------------------------

CExtControlBar::CExtControlBar()
    : m_bfBarFlags(kBarResizableCaption | kBarIdleWork | kBarInBarsMenu), m_nTrackStart(0), m_nTrackOffset(0),
      m_sizeHorzDocked(200, 150), m_sizeVertDocked(150, 200), m_sizeFloating(200, 200),
      m_bfTracking(kTrackRepositionChild), m_nRowSpaceToReclaim(0), m_ptFloatPos(0, 0), m_ptGrabFloating(0, 0),
      m_ptGrabHorz(0, 0), m_ptGrabVert(0, 0), m_bfRuntimeState(0), m_ptDragPrev(-1, -1)
{
    const int nSmCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    m_nCaptionHorz = nSmCaption + 1;
    m_nCaptionVert = nSmCaption + 1;
    const int cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME);
    m_nSplitterY = cyFrame >= 5 ? 4 : cyFrame;
    m_nSplitterX = cxFrame >= 5 ? 4 : cxFrame;
    m_nMinWidthBase = nSmCaption + m_nSplitterY + 1;
    m_nMinHeightBase = m_nMinWidthBase;
    m_rcCaption.SetRectEmpty();
    m_rcRowSplitter.SetRectEmpty();
    m_rcSplitterAfter.SetRectEmpty();
    m_rcSplitterBefore.SetRectEmpty();
    RegisterControlBarClass();
    ::EnterCriticalSection(&g_csAllControlBars);
    g_arrAllControlBars.Add(this);
    ::LeaveCriticalSection(&g_csAllControlBars);
}

CExtControlBar::~CExtControlBar()
{
    ::EnterCriticalSection(&g_csAllControlBars);
    for (INT_PTR i = 0; i < g_arrAllControlBars.GetSize(); ++i)
    {
        if (g_arrAllControlBars[i] == this)
        {
            g_arrAllControlBars.RemoveAt(i);
            break;
        }
    }
    ::LeaveCriticalSection(&g_csAllControlBars);
    // A drag state never keeps a deleted bar.
    for (InternalDraggingState_t* pState : {&g_DragStateComputed, &g_DragStateShown})
    {
        if (pState->m_pBarTarget == this)
            pState->m_pBarTarget = nullptr;
        if (pState->m_pBarSource == this)
        {
            pState->m_pBarSource = nullptr;
            pState->m_bEmpty = true;
        }
    }
    NcButtonsRemoveAll();
    m_arrNcButtons.FreeExtra();
}

void CExtControlBar::NcButtonsRemoveAll()
{
    for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
        m_arrNcButtons[i]->DeleteThis();
    m_arrNcButtons.RemoveAll();
}

// ---- window class and creation ----------------------------------------------------------------------------

bool CExtControlBar::RegisterBarClass(const wchar_t* pszClassName, UINT nClassStyle)
{
    WNDCLASSW wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = g_hCursorArrow;
    wc.lpszClassName = pszClassName;
    return AfxRegisterClass(&wc) != FALSE;
}

bool CExtControlBar::RegisterControlBarClass()
{
    static bool s_bRegistered = false;
    if (!s_bRegistered)
        s_bRegistered = RegisterBarClass(kWndClassName, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS);
    return s_bRegistered;
}

CString CExtControlBar::LoadBarText(CWnd* pParent, UINT nID)
{
    CString sText;
    CExtCmdItem* pCmd = nullptr;
    if (pParent != nullptr && pParent->GetSafeHwnd() != nullptr)
    {
        LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(pParent->GetSafeHwnd());
        if (pszProfile != nullptr)
            pCmd = g_CmdManagerHolder->LookupCommand(pszProfile, nID);
    }
    if (pCmd != nullptr)
        sText = pCmd->m_sMenuText;
    else if (!g_ResourceManagerHolder->LoadStringRes(sText, nID))
        sText.Empty();
    sText.Replace(L"&", L"");
    int nNewLine = sText.Find(L'\n');
    if (nNewLine >= 0)
        sText = sText.Left(nNewLine);
    return sText;
}

bool CExtControlBar::Create(LPCTSTR pszWindowName, CWnd* pParent, UINT nID, DWORD dwStyle)
{
    if (!RegisterControlBarClass())
        return false;
    m_dwStyle = dwStyle & 0x40FFFF;
    CString sText;
    if (pszWindowName != nullptr)
        sText = pszWindowName;
    else if (nID != 0 && nID != 0xFFFFFFFF)
        sText = LoadBarText(pParent, nID);
    int nNewLine = sText.Find(L'\n');
    if (nNewLine >= 0)
        sText = sText.Left(nNewLine);
    CRect rc(0, 0, 0, 0);
    if (!CWnd::Create(kWndClassName, sText, (dwStyle & ~0x40FFFFu) | WS_CLIPCHILDREN, rc, pParent, nID))
        return false;
    DockNewBarByReadState(this);
    return true;
}

BOOL CExtControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!RegisterControlBarClass() || !CControlBar::PreCreateWindow(cs))
        return FALSE;
    // Bars of one row overlap while a layout moves them one after the other: without clipping, one paints into
    // the other, and that piece moves on with the other's bits.
    cs.style |= WS_CLIPSIBLINGS;
    cs.lpszClass = kWndClassName;
    PlaceNewBarByReadState(this, cs);
    return TRUE;
}

void CExtControlBar::PreSubclassWindow()
{
    CControlBar::PreSubclassWindow();
    m_bfBarFlags &= ~kBarBusy;
    if ((m_bfBarFlags & kBarDialogMode) == 0)
    {
        CWnd* pParent = GetParent();
        if (pParent != nullptr && !pParent->IsKindOf(RUNTIME_CLASS(CControlBar)) &&
            !pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        {
            m_dwStyle = (DWORD)GetWindowLongPtr(GWL_STYLE) & 0x40FFFF;
            m_bfBarFlags |= kBarDialogMode;
        }
    }
    if ((m_dwStyle & CBRS_TOOLTIPS) != 0)
        EnableToolTips(TRUE);
}

// ---- frame docking set-up ----------------------------------------------------------------------------------

bool CExtControlBar::EnableFrameDocking(CFrameWnd* pFrame, DWORD dwDockStyle, bool bReplaceFloatingFrameClass)
{
    return SetupFrameDocking(pFrame, dwDockStyle, bReplaceFloatingFrameClass);
}

bool CExtControlBar::SetupFrameDocking(CFrameWnd* pFrame, DWORD dwDockStyle, bool bReplaceFloatingFrameClass)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    static const struct
    {
        UINT nID;
        DWORD dwStyle;
    } kSides[4] = {{kDockBarTop, CBRS_ALIGN_TOP},
                   {kDockBarBottom, CBRS_ALIGN_BOTTOM},
                   {kDockBarLeft, CBRS_ALIGN_LEFT},
                   {kDockBarRight, CBRS_ALIGN_RIGHT}};
    // Each side gets its toolkit dock bar first: the frame's own docking set-up then makes no platform dock bar that
    // would only be replaced. Where the set-up stops, it makes the platform's for the sides still without one.
    for (const auto& side : kSides)
    {
        if ((side.dwStyle & dwDockStyle & CBRS_ALIGN_ANY) == 0)
        {
            pFrame->EnableDocking(dwDockStyle);
            return false;
        }
        CControlBar* pOld = pFrame->GetControlBar(side.nID);
        if (pOld != nullptr && pOld->IsKindOf(RUNTIME_CLASS(CExtDockOuterBar)))
            continue;
        // The replacement exists before the old dock bar goes, so a failure leaves the side working.
        CExtDockOuterBar* pNew = new CExtDockOuterBar;
        if (!pNew->Create(pFrame, side.dwStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, side.nID))
        {
            pFrame->RemoveControlBar(pNew);
            delete pNew;
            pFrame->EnableDocking(dwDockStyle);
            return false;
        }
        pNew->m_bAutoDelete = TRUE;
        if (pOld != nullptr)
        {
            ::SetWindowPos(pNew->GetSafeHwnd(), pOld->GetSafeHwnd(), 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
            pFrame->RemoveControlBar(pOld);
            pOld->m_pDockSite = nullptr;
            const BOOL bAutoDelete = pOld->m_bAutoDelete;
            pOld->DestroyWindow();
            if (!bAutoDelete)
                delete pOld;
        }
    }
    pFrame->EnableDocking(dwDockStyle);
    if (bReplaceFloatingFrameClass)
        pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CExtMiniDockFrameWnd);
    CExtMiniDockFrameWnd::FollowTopLevel(pFrame);
    return true;
}

CExtControlBar* CExtControlBar::GetBarBeingFloated() { return g_pBarBeingFloated; }

// ---- the menu announcement -------------------------------------------------------------------------------

CExtControlBar::POPUP_MENU_EVENT_DATA::POPUP_MENU_EVENT_DATA(WORD nMsgID, CExtPopupMenuWnd* pPopupMenuWnd,
                                                             CWnd* pWndEventSrc, const POINT& ptScreen,
                                                             UINT nSourceMessage, LPARAM lParam)
    : m_nMsgID(nMsgID), m_pPopupMenuWnd(pPopupMenuWnd), m_pWndEventSrc(pWndEventSrc), m_nSourceMessage(nSourceMessage),
      m_lParam(lParam), m_bPostNotification(false), m_ptScreen(ptScreen)
{
    if (m_ptScreen.x < 0 || m_ptScreen.y < 0)
    {
        if (!::GetCursorPos(&m_ptScreen))
            m_ptScreen = CPoint(0, 0);
    }
}

CExtControlBar::POPUP_MENU_EVENT_DATA::~POPUP_MENU_EVENT_DATA() {}

bool CExtControlBar::POPUP_MENU_EVENT_DATA::IsControlBarMenuListNotification() const
{
    return m_nMsgID <= 6 || m_nMsgID == 11 || m_nMsgID == 14;
}

bool CExtControlBar::POPUP_MENU_EVENT_DATA::NotifyTarget(bool bPostNotification)
{
    m_bPostNotification = bPostNotification;
    m_pWndInitiatorFrame = nullptr;
    CWnd* pTarget = nullptr;
    if (m_pWndEventSrc != nullptr && m_pWndEventSrc->GetSafeHwnd() != nullptr)
    {
        CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, m_pWndEventSrc);
        if (pBar != nullptr && pBar->m_pDockSite != nullptr)
            m_pWndInitiatorFrame = pBar->m_pDockSite;
        else
        {
            CFrameWnd* pFrame = m_pWndEventSrc->GetParentFrame();
            if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
                pFrame = pFrame->GetParentFrame();
            m_pWndInitiatorFrame = pFrame;
        }
        pTarget = m_pWndInitiatorFrame;
        if (pTarget == nullptr)
        {
            HWND hParent = ::GetParent(m_pWndEventSrc->GetSafeHwnd());
            pTarget = hParent != nullptr ? CWnd::FromHandlePermanent(hParent) : nullptr;
        }
    }
    if (pTarget == nullptr || pTarget->GetSafeHwnd() == nullptr)
        return false;
    return pTarget->SendMessage(g_nMsgConstructPopupMenu, (WPARAM)this) != 0;
}

CExtControlBar::QUERY_REPOSITION_CALC_EFFECT_DATA::QUERY_REPOSITION_CALC_EFFECT_DATA(
    WORD nFlags, CWnd* pWnd, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, LPRECT lpRectParam, LPCRECT lpcRectClient,
    bool bStretch)
    : m_nFlags(nFlags), m_pWndToReposChilds(pWnd), m_nIDFirst(nIDFirst), m_nIDLast(nIDLast), m_nIDLeftOver(nIDLeftOver),
      m_lpRectParam(lpRectParam), m_lpcRectClient(lpcRectClient), m_bStretch(bStretch)
{}

void CExtControlBar::QUERY_REPOSITION_CALC_EFFECT_DATA::ExcludeFromCalc(bool bExclude)
{
    if (bExclude)
        m_nFlags |= kExclude;
    else
        m_nFlags &= ~kExclude;
}

// ---- dock-side tests ---------------------------------------------------------------------------------------

UINT CExtControlBar::GetDockBarId(const CControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return kDockBarFloat;
    CWnd* pParent = pBar->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CDockBar)))
        return kDockBarFloat;
    if (static_cast<CDockBar*>(pParent)->m_bFloating)
        return kDockBarFloat;
    return (UINT)pParent->GetDlgCtrlID();
}

bool CExtControlBar::IsDockedHorizontally(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return false;
    if (pBar->m_pDockSite == nullptr)
        return (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    UINT nId = GetDockBarId(pBar);
    return nId == kDockBarTop || nId == kDockBarBottom;
}

bool CExtControlBar::IsDockedVertically(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return false;
    if (pBar->m_pDockSite == nullptr)
        return (pBar->m_dwStyle & CBRS_ORIENT_VERT) != 0;
    UINT nId = GetDockBarId(pBar);
    return nId == kDockBarLeft || nId == kDockBarRight;
}

bool CExtControlBar::IsDocked(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return false;
    if (pBar->m_pDockSite == nullptr)
        return true;
    UINT nId = GetDockBarId(pBar);
    return nId >= kDockBarTop && nId <= kDockBarBottom;
}

bool CExtControlBar::IsFloating(const CControlBar* pBar)
{
    if (pBar == nullptr || IsDocked(pBar))
        return false;
    return pBar->GetSafeHwnd() != nullptr && pBar->GetParentFrame() != nullptr;
}

static bool IsDockedAt(const CControlBar* pBar, UINT nID, DWORD dwAlign)
{
    if (pBar == nullptr)
        return false;
    if (pBar->m_pDockSite == nullptr)
        return (pBar->m_dwStyle & dwAlign) != 0;
    return CExtControlBar::GetDockBarId(pBar) == nID;
}

bool CExtControlBar::IsDockedAtTop(const CControlBar* pBar) { return IsDockedAt(pBar, kDockBarTop, CBRS_ALIGN_TOP); }

bool CExtControlBar::IsDockedAtBottom(const CControlBar* pBar)
{
    return IsDockedAt(pBar, kDockBarBottom, CBRS_ALIGN_BOTTOM);
}

bool CExtControlBar::IsDockedAtLeft(const CControlBar* pBar) { return IsDockedAt(pBar, kDockBarLeft, CBRS_ALIGN_LEFT); }

bool CExtControlBar::IsDockedAtRight(const CControlBar* pBar)
{
    return IsDockedAt(pBar, kDockBarRight, CBRS_ALIGN_RIGHT);
}

// ---- floating ----------------------------------------------------------------------------------------------

static bool IsLiveFrameObject(CFrameWnd* pFrame)
{
    const std::vector<CFrameWnd*>& frames = AfxGetThreadState()->m_frameList;
    return std::find(frames.begin(), frames.end(), pFrame) != frames.end();
}

// A hidden floating frame for this bar, made at lpPlace's top-left as large as it will be around the bar.
// NULL when the frame cannot be made: the callers run inside window procedures (a drop, a double
// click), where an exception would end in a message box.
CFrameWnd* CExtControlBar::CreateFloatingFrame(DWORD dwStyle, LPCRECT lpPlace)
{
    if (m_pDockSite == nullptr || m_pDockSite->GetSafeHwnd() == nullptr)
        return nullptr;
    CExtMiniDockFrameWnd* pMini = new CExtMiniDockFrameWnd;
    CRect rcPlace;
    if (lpPlace != nullptr)
        lpPlace = &(rcPlace = pMini->CalcRectAround(CRect(*lpPlace).TopLeft(), this, dwStyle));
    if (!pMini->Create(m_pDockSite, dwStyle, lpPlace))
    {
        // A window that was made deletes its object when it goes.
        if (IsLiveFrameObject(pMini) && ::IsWindow(pMini->GetSafeHwnd()))
            pMini->DestroyWindow();
        if (IsLiveFrameObject(pMini))
        {
            if (pMini->GetSafeHwnd() != nullptr)
                pMini->Detach();
            delete pMini;
        }
        return nullptr;
    }
    return pMini;
}

void CExtControlBar::ToggleDocking()
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (IsFixedDockStyle())
    {
        if (m_pDockContext != nullptr)
            m_pDockContext->ToggleDocking();
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->m_nIdleFlags |= 0x0C;
        RefreshNonClientFrame();
        return;
    }
    CFrameWnd* pParentFrame = GetParentFrame();
    if (IsFloating(this) || (pParentFrame != nullptr && pParentFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd))))
        return;
    FloatAtStoredPosition(CBRS_ALIGN_TOP);
}

void CExtControlBar::FloatAtStoredPosition(DWORD dwStyle) { FloatAtPoint(m_ptFloatPos, dwStyle); }

bool CExtControlBar::FloatAtPoint(CPoint ptScreen, DWORD dwStyle)
{
    if (GetSafeHwnd() == nullptr || m_pDockSite == nullptr)
        return false;
    CExtControlBar* pPrevFloated = g_pBarBeingFloated;
    g_pBarBeingFloated = this;
    struct Restore
    {
        CExtControlBar* p;
        ~Restore() { g_pBarBeingFloated = p; }
    } restore{pPrevFloated};

    CDockBar* pOldDockBar = m_pDockBar;
    if (pOldDockBar != nullptr && pOldDockBar->m_bFloating && pOldDockBar->GetDockedCount() == 1)
    {
        if (CFrameWnd* pMini = pOldDockBar->GetParentFrame())
            pMini->SetWindowPos(nullptr, ptScreen.x, ptScreen.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_ptFloatPos = ptScreen;
        return true;
    }
    // A drag may have left temporary tabs in the bar's group; they go before the bar leaves it.
    if (CExtDynTabControlBar* pTabs = GetTabbedContainer())
        CExtDockingKindOf::RemoveTemporaryTabs(CExtDockingKindOf::AsControlBar(pTabs));
    RememberDockedPlace();
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) != 0)
    {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if ((dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0)
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    // Made hidden where and as large as it shows, never moved or sized there (see CFrameWnd::FloatControlBar).
    const CRect rcPlace(ptScreen, CSize(0, 0));
    CMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, CreateFloatingFrame(dwStyle, &rcPlace));
    if (pMini == nullptr)
        return false; // the bar stays where it was
    // Docked at a side later, it takes the thickness its place had there, not its share of a container's rows.
    barcontainer::TakeSideThicknesses(this);
    CFrameWnd* pOldFrame = GetParentFrame();
    // Leaving the old dock bar may dissolve the group or container it belongs to, deleting that dock bar,
    // or close the floating frame it emptied: both are looked up again by their windows afterwards.
    const HWND hOldDockBar = pOldDockBar != nullptr ? pOldDockBar->GetSafeHwnd() : nullptr;
    const HWND hOldFrame = pOldFrame != nullptr ? pOldFrame->GetSafeHwnd() : nullptr;
    const bool bVisible = (GetStyle() & WS_VISIBLE) != 0;
    pMini->SetOwner(m_pDockSite);
    m_bfTracking |= kTrackLayoutSuspended;
    CExtDockBar::DockBarInto(&pMini->m_wndDockBar, this, nullptr, false);
    m_bfTracking &= ~kTrackLayoutSuspended;
    pMini->RecalcLayout(TRUE);
    if (bVisible)
        pMini->ShowWindow(SW_SHOWNA);
    m_ptFloatPos = ptScreen;
    pOldDockBar = StillAttached(hOldDockBar, pOldDockBar);
    CExtDockBar* pOldExtDock = DYNAMIC_DOWNCAST(CExtDockBar, pOldDockBar);
    if (pOldExtDock != nullptr && !pOldExtDock->m_bFloating)
        pOldExtDock->CleanRows();
    pOldFrame = StillAttached(hOldFrame, pOldFrame);
    if (pOldFrame != nullptr && pOldFrame != m_pDockSite)
    {
        if (pOldFrame->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)))
            pOldFrame->RecalcLayout(TRUE);
        else
            pOldFrame->m_nIdleFlags |= 0x0C;
    }
    CExtDockBar::RemovePlaceHolderInFrame(m_pDockSite, (UINT)GetDlgCtrlID() & 0xFFFF, nullptr);
    CExtDockBar::DropEmptyContainers(m_pDockSite);
    m_pDockSite->RecalcLayout(TRUE);
    RepositionChildWindow(-1, -1, true);
    return true;
}
