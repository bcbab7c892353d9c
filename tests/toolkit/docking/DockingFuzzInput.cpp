// The docking run's means: where bars, captions and buttons are (found without touching any state), real input
// (drags, clicks, the rest after a gesture), the frames kept clear of the main window, the choice of the next
// gesture and the outcome checks they share.
#include "DockingFuzzRun.h"
#include <algorithm>
#include <sstream>
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"

HWND CaptureOf(DWORD dwThread)
{
    GUITHREADINFO info = {sizeof(info)};
    return ::GetGUIThreadInfo(dwThread, &info) ? info.hwndCapture : nullptr;
}

// A point of the marker's shape, in screen coordinates.
CPoint PointInMarker(HWND hMarker)
{
    RECT rc;
    ::GetWindowRect(hMarker, &rc);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    if (::GetWindowRgn(hMarker, hRgn) != ERROR && !::PtInRegion(hRgn, pt.x - rc.left, pt.y - rc.top))
    {
        for (int y = 0; y < rc.bottom - rc.top; ++y)
            for (int x = 0; x < rc.right - rc.left; ++x)
                if (::PtInRegion(hRgn, x, y))
                {
                    ::DeleteObject(hRgn);
                    return CPoint(rc.left + x + 2, rc.top + y + 2);
                }
    }
    ::DeleteObject(hRgn);
    return pt;
}

HWND TargetSetMarker(HWND hTarget, int nType)
{
    // The set's window is known before its markers are all made and shown.
    HWND hMarker = nullptr;
    WaitFor([&] {
        const CExtDynDockMarkerWnd::MarkerArray& arr = CExtDynDockMarkerWnd::g_arrTargetSet;
        for (INT_PTR i = 0; i < arr.GetSize() && CExtDynDockMarkerWnd::g_hWndTargetSet == hTarget; ++i)
            if (arr[i]->GetMarkerType() == nType && arr[i]->IsActiveMarker() &&
                ::IsWindowVisible(arr[i]->GetSafeHwnd()))
                hMarker = arr[i]->GetSafeHwnd();
        return hMarker != nullptr;
    });
    return hMarker;
}

const char* const kSides[4] = {"top", "bottom", "left", "right"};
const UINT kSideIds[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};

std::string SideName(UINT nId)
{
    for (int i = 0; i < 4; ++i)
        if (kSideIds[i] == nId)
            return kSides[i];
    return nId == 0 ? "no side" : "side " + std::to_string(nId);
}

bool Horizontal(UINT nSide) { return nSide == AFX_IDW_DOCKBAR_TOP || nSide == AFX_IDW_DOCKBAR_BOTTOM; }

const char* const DockingRun::kGestureNames[kGestureCount] = {"drag by caption to a side",
                                                              "drag by caption onto a bar",
                                                              "drag a tab out",
                                                              "double-click a tab",
                                                              "double-click a docked caption",
                                                              "double-click a floating caption",
                                                              "pin",
                                                              "unpin",
                                                              "close by the close button",
                                                              "show by the command",
                                                              "drag a splitter",
                                                              "move a floating frame",
                                                              "resize a floating frame",
                                                              "Escape during a drag",
                                                              "reorder tabs",
                                                              "float a tool bar",
                                                              "dock a tool bar",
                                                              "move a tool bar in its row",
                                                              "load the stored state over the layout"};

std::string DockingRun::Name(CControlBar* pBar)
{
    CString s;
    pBar->GetWindowText(s);
    return std::string(CStringA(s));
}

// ---- where things are ------------------------------------------------------------------------------------------

CExtControlBar* DockingRun::CaptionCarrier(CExtControlBar* pBar)
{
    CExtDynTabControlBar* pGroup = pBar->GetTabbedContainer();
    return pGroup != nullptr ? pGroup : pBar;
}

CExtMiniDockFrameWnd* DockingRun::MiniOf(CControlBar* pBar)
{
    return DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pBar->GetParentFrame());
}

CExtBarNcAreaButton* DockingRun::ButtonAt(CExtControlBar* pCarrier, CPoint ptScreen)
{
    // The window carrying the buttons, as the bar's own hit test takes it.
    CWnd* pWnd = pCarrier;
    if (CExtControlBar::IsFloating(pCarrier))
        pWnd = MiniOf(pCarrier);
    else if (pCarrier->IsAutoHideMode())
        pWnd = nullptr;
    if (pWnd == nullptr)
        return nullptr;
    const CPoint pt = ptScreen - WindowRectOf(pWnd).TopLeft();
    for (INT_PTR i = 0; i < pCarrier->NcButtonGetCount(); ++i)
    {
        CExtBarNcAreaButton* pBtn = pCarrier->NcButtonGet((int)i);
        if (pBtn->IsVisible() && pBtn->m_rc.PtInRect(pt))
            return pBtn;
    }
    return nullptr;
}

bool DockingRun::CaptionPoint(CExtControlBar* pBar, CPoint& pt) const
{
    CExtControlBar* pCarrier = CaptionCarrier(pBar);
    if (!pCarrier->IsWindowVisible())
        return false;
    CRect rc = pCarrier->GetCaptionRect();
    CRect rcWnd = WindowRectOf(pCarrier);
    if (rc.IsRectEmpty())
    {
        CExtMiniDockFrameWnd* pMini = MiniOf(pCarrier);
        if (pMini == nullptr || pMini->GetCaptionRect().IsRectEmpty())
            return false;
        rc = pMini->GetCaptionRect();
        rcWnd = WindowRectOf(pMini);
    }
    rc.OffsetRect(rcWnd.TopLeft());
    pt =
        rc.Width() >= rc.Height() ? CPoint(rc.left + 8, rc.CenterPoint().y) : CPoint(rc.CenterPoint().x, rc.bottom - 8);
    return ButtonAt(pCarrier, pt) == nullptr && Reaches(pt, pCarrier);
}

bool DockingRun::ButtonPoint(CExtControlBar* pBar, CRuntimeClass* pKind, CPoint& pt) const
{
    const bool bAutoHide = pBar->IsAutoHideMode();
    CExtControlBar* pCarrier = bAutoHide ? pBar : CaptionCarrier(pBar);
    CRect rcOrigin;
    if (bAutoHide)
    {
        if (!m_pSlider->IsShown() || m_pSlider->GetBar() != pBar)
            return false;
        rcOrigin = WindowRectOf(m_pSlider);
    }
    else
    {
        if (!pCarrier->IsWindowVisible())
            return false;
        CExtMiniDockFrameWnd* pMini = CExtControlBar::IsFloating(pCarrier) ? MiniOf(pCarrier) : nullptr;
        rcOrigin = WindowRectOf(pMini != nullptr ? static_cast<CWnd*>(pMini) : pCarrier);
    }
    for (INT_PTR i = 0; i < pCarrier->NcButtonGetCount(); ++i)
    {
        CExtBarNcAreaButton* pBtn = pCarrier->NcButtonGet((int)i);
        if (!pBtn->IsKindOf(pKind) || !pBtn->IsVisible() || pBtn->m_rc.IsRectEmpty())
            continue;
        const CPoint ptTry = pBtn->m_rc.CenterPoint() + rcOrigin.TopLeft();
        // The first button holding the point is the one a click there reaches.
        bool bFirst = true;
        for (INT_PTR k = 0; k < i; ++k)
            if (pCarrier->NcButtonGet((int)k)->IsVisible() &&
                pCarrier->NcButtonGet((int)k)->m_rc.PtInRect(CPoint(ptTry.x - rcOrigin.left, ptTry.y - rcOrigin.top)))
                bFirst = false;
        if (bFirst && Reaches(ptTry, bAutoHide ? static_cast<CWnd*>(m_pSlider) : pCarrier))
        {
            pt = ptTry;
            return true;
        }
    }
    return false;
}

bool DockingRun::Reaches(CPoint pt, CWnd* pWnd)
{
    const HWND h = ::WindowFromPoint(pt);
    const HWND hWnd = pWnd->GetSafeHwnd();
    if (h == hWnd || ::IsChild(hWnd, h))
        return true;
    CFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, pWnd->GetParentFrame());
    return pMini != nullptr && h == pMini->GetSafeHwnd();
}

CExtDynAutoHideArea* DockingRun::AreaOf(CExtControlBar* pBar) const
{
    for (CExtDynAutoHideArea* pArea : {m_pTop, m_pBottom, m_pLeft, m_pRight})
        for (int i = 0; i < pArea->ItemGetCount(); ++i)
            if (pArea->GetBarAt(i) == pBar)
                return pArea;
    return nullptr;
}

CControlBar* DockingRun::OuterCarrier(CControlBar* pBar) const
{
    CControlBar* p = pBar;
    if (auto* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar))
        p = CaptionCarrier(pExt);
    for (int nDepth = 0; p != nullptr && nDepth < 16; ++nDepth)
    {
        CDockBar* pDock = p->m_pDockBar;
        if (pDock == nullptr || pDock->GetSafeHwnd() == nullptr)
            return nullptr;
        CWnd* pParent = pDock->GetParent();
        if (pParent == nullptr || pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return p;
        // The inner dock bar of a container: go on with the container.
        p = DYNAMIC_DOWNCAST(CControlBar, pParent);
    }
    return nullptr;
}

UINT DockingRun::OuterSide(CControlBar* pBar) const
{
    if (auto* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar))
        if (pExt->IsAutoHideMode())
            return 0;
    CControlBar* p = OuterCarrier(pBar);
    if (p == nullptr || CExtControlBar::IsFloating(p))
        return 0;
    return (UINT)p->m_pDockBar->GetDlgCtrlID();
}

// ---- input -----------------------------------------------------------------------------------------------------

bool DockingRun::Drag(CPoint ptFrom, const std::function<bool(CPoint&)>& target, int nRestMs, bool bEscape)
{
    bool bDragged = false;
    m_nShownKind = -1;
    m_hShownTarget = nullptr;
    m_bShownOnMarker = false;
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptFrom.x + 12, ptFrom.y + 14, 0);
        SendMouse(ptFrom.x + 30, ptFrom.y + 34, 0);
        bDragged = WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; });
        CPoint ptTo(ptFrom.x + 30, ptFrom.y + 34);
        if (bDragged)
        {
            if (!target(ptTo))
                ptTo = CPoint(ptFrom.x + 30, ptFrom.y + 34);
            SendMouse((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2, 0);
            CPoint ptAgain;
            if (target(ptAgain))
                ptTo = ptAgain;
            SendMouse(ptTo.x - 1, ptTo.y, 0);
            SendMouse(ptTo.x, ptTo.y, 0);
            if (nRestMs > 0)
                ::Sleep(nRestMs);
            // What the tracker shows now is where the release puts the bar. The window's thread answers the idle
            // query also from the pumps inside its update of the last move, before that update shows its state: the
            // state is read once the update of ptTo has ended.
            WaitForWindowThread(m_pFrame->GetSafeHwnd());
            WaitForScriptThreadIdle();
            WaitForDragAtPointer();
            // What was aimed at may have moved while the pointer went there (a marker set placed anew, the target
            // laid out again once the dragged bar left its place): aimed at again until it stays, the pointer back
            // there (aiming may move it on the way).
            for (int i = 0; i < 3; ++i)
            {
                CPoint ptAim;
                const bool bMoved = target(ptAim) && ptAim != ptTo;
                if (bMoved)
                    ptTo = ptAim;
                SendMouse(ptTo.x, ptTo.y, 0);
                WaitForDragAtPointer();
                if (!bMoved)
                    break;
            }
            m_bShownOnMarker = CExtDynDockMarkerWnd::MarkerFromPoint(ptTo) != nullptr;
            m_nShownKind = CExtControlBar::g_DragStateShown.m_nTargetKind;
            m_hShownTarget = CExtControlBar::g_DragStateShown.m_pBarTarget != nullptr
                                 ? CExtControlBar::g_DragStateShown.m_pBarTarget->GetSafeHwnd()
                                 : nullptr;
            if (bEscape)
            {
                SendKeyInput(VK_ESCAPE, true);
                SendKeyInput(VK_ESCAPE, false);
                WaitFor([] { return CExtControlBar::GetDraggedBar() == nullptr; }, 3000);
            }
        }
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        // The drag has let the pointer go; a tab strip under it holds it again while it hovers over a tab.
        WaitFor([&] {
            const HWND hCapture = CaptureOf(m_dwGui);
            const auto* pTabs = DYNAMIC_DOWNCAST(CExtTabWnd, CWnd::FromHandlePermanent(hCapture));
            return CExtControlBar::GetDraggedBar() == nullptr &&
                   (hCapture == nullptr || (pTabs != nullptr && !pTabs->IsDragging() && pTabs->GetHoverCode() >= 0));
        });
    });
    return bDragged;
}

bool DockingRun::WaitForDragAtPointer()
{
    return WaitFor([] {
        CExtControlBar* pDragged = CExtControlBar::GetDraggedBar();
        CPoint pt;
        ::GetCursorPos(&pt);
        return pDragged == nullptr || (!CExtControlBar::g_bUpdatingDragState && pDragged->m_ptDragPrev == pt);
    });
}

void DockingRun::Click(CPoint pt, bool bDouble)
{
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        for (int i = 0; i < (bDouble ? 2 : 1); ++i)
        {
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        }
    });
}

void DockingRun::Rest()
{
    // The idle work the message loop runs after the gesture's messages, then the pointer and focus away. Nothing is
    // raised or repainted: the screen is checked as the gesture left it.
    SettleInput(PumpMessages, 60);
    Idle();
    RunInputScript([] { SendMouse(1275, 1019, 0); });
    if (::GetForegroundWindow() != m_pFrame->GetSafeHwnd())
        BringInFront(m_pFrame);
    m_pFrame->m_wndView.SetFocus();
    WaitFor([&] { return !m_pSlider->IsShown(); }, 3000);
    SettleInput(PumpMessages, 120);
    Idle();
}

void DockingRun::Idle()
{
    CWinApp* pApp = AfxGetApp();
    pApp->m_pMainWnd = m_pFrame;
    for (LONG n = 0; pApp->OnIdle(n) && n < 10; ++n)
    {}
    SettleInput(PumpMessages, 60);
}

std::vector<CExtMiniDockFrameWnd*> DockingRun::FloatingFrames() const
{
    std::vector<CExtMiniDockFrameWnd*> v;
    std::set<CExtMiniDockFrameWnd*> seen;
    for (CExtControlBar* p : AllBars())
        if (CExtMiniDockFrameWnd* pMini = MiniOf(CaptionCarrier(p)))
            if (seen.insert(pMini).second)
                v.push_back(pMini);
    return v;
}

void DockingRun::KeepFramesClear()
{
    if (!g_bUnmanagedWindows)
        return;
    // Below the main window, side by side; then to its right.
    const CRect rcMain = WindowRectOf(m_pFrame);
    int x = 8, y = rcMain.bottom + 8;
    bool bMoved = false;
    for (CExtMiniDockFrameWnd* pMini : FloatingFrames())
    {
        const CRect rc = WindowRectOf(pMini);
        CRect rcBoth;
        if (!rcBoth.IntersectRect(rc, rcMain))
            continue;
        if (x + rc.Width() > 1180)
        {
            x = rcMain.right + 8;
            y = 40;
        }
        CString sTitle;
        pMini->GetWindowText(sTitle);
        Log("(the run) move the floating frame \"" + std::string(CStringA(sTitle)) + "\" clear of the main window");
        pMini->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        bMoved = true;
        if (x >= rcMain.right)
            y += rc.Height() + 8;
        else
            x += rc.Width() + 8;
    }
    if (bMoved)
        SettleInput(PumpMessages, 60);
}

// ---- gestures --------------------------------------------------------------------------------------------------

CExtControlBar* DockingRun::Pick(const std::vector<CExtControlBar*>& bars,
                                 const std::function<bool(CExtControlBar*)>& pred)
{
    std::vector<CExtControlBar*> v;
    for (CExtControlBar* p : bars)
        if (pred(p))
            v.push_back(p);
    if (v.empty())
        return nullptr;
    return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(m_rng)];
}

bool DockingRun::Docked(CExtControlBar* p) const
{
    return !p->IsAutoHideMode() && !CExtControlBar::IsFloating(CaptionCarrier(p));
}

bool DockingRun::MarkerStyle() { return CExtControlBar::QueryDraggingStyle() == 1; }

int DockingRun::RestMs()
{
    static const int kRests[] = {0, 0, 20, 60, 150};
    return kRests[std::uniform_int_distribution<int>(0, 4)(m_rng)];
}

void DockingRun::Expect(bool bOk, const std::string& sCheck, const std::string& sWhat)
{
    CountCheck(sCheck);
    EXPECT_TRUE(bOk) << sWhat;
}

void DockingRun::ExpectLandsAsShown(CExtControlBar* p, UINT nSideBefore)
{
    using State = CExtControlBar::InternalDraggingState_t;
    const int k = m_nShownKind;
    if (k < 0 || !::IsWindow(p->GetSafeHwnd()))
        return;
    CExtControlBar* pCarrier = CaptionCarrier(p);
    auto* pTarget = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(m_hShownTarget));
    std::ostringstream os;
    os << "the tracker showed kind " << k << (pTarget != nullptr ? " at " + Name(pTarget) : std::string())
       << " but the drop left " << Name(p) << " at " << SideName(OuterSide(p))
       << (CExtControlBar::IsFloating(pCarrier) ? " (floating)" : "");
    if (k == State::kFloat)
        Expect(CExtControlBar::IsFloating(pCarrier), "a tracker drop lands as the tracker showed", os.str());
    else if (k >= State::kInnerTop && k < State::kStay)
        Expect(OuterSide(p) == kSideIds[(k - State::kInnerTop) % 4], "a tracker drop lands as the tracker showed",
               os.str());
    else if (k == State::kStay)
        Expect(OuterSide(p) == nSideBefore, "a tracker drop lands as the tracker showed", os.str());
    else if (k >= State::kBesideTop && k < State::kInnerTop && pTarget != nullptr)
        // Beside the target: at its side, or in its floating frame.
        Expect(Docked(p) && OuterSide(p) == OuterSide(pTarget) && p->GetParentFrame() == pTarget->GetParentFrame(),
               "a tracker drop lands as the tracker showed", os.str());
    else if (k >= State::kTabAppend && k <= State::kTabMarkerAtIndex && pTarget != nullptr)
    {
        CExtDynTabControlBar* pGroup = p->GetTabbedContainer();
        const bool bWithTarget = pGroup != nullptr && (pGroup == pTarget || pTarget->GetTabbedContainer() == pGroup);
        Expect(bWithTarget, "a tracker drop lands as the tracker showed", os.str());
    }
}

std::vector<DockingRun::Gesture> DockingRun::GestureOrder()
{
    std::vector<std::pair<std::pair<int, unsigned>, Gesture>> v;
    for (int g = 0; g < kGestureCount; ++g)
        v.push_back({{m_seedCounts[g], (unsigned)m_rng()}, (Gesture)g});
    std::sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Gesture> order;
    for (const auto& e : v)
        order.push_back(e.second);
    return order;
}

bool DockingRun::RunGesture(Gesture g)
{
    switch (g)
    {
    case kDragToSide: return DragToSide();
    case kDragOntoBar: return DragOntoBar();
    case kDragTabOut: return TabGesture(false);
    case kDblClickTab: return TabGesture(true);
    case kDblClickDockedCaption: return DblClickCaption(false);
    case kDblClickFloatingCaption: return DblClickCaption(true);
    case kPin: return Pin();
    case kUnpin: return Unpin();
    case kClose: return Close();
    case kShow: return Show();
    case kSplitterDrag: return SplitterDrag();
    case kMoveFloating: return MoveFloating(false);
    case kResizeFloating: return MoveFloating(true);
    case kEscapeDrag: return EscapeDrag();
    case kReorderTabs: return ReorderTabs();
    case kToolBarFloat: return ToolBarFloat();
    case kToolBarDock: return ToolBarDock();
    case kToolBarMove: return ToolBarMove();
    case kLoadState: return LoadState();
    default: return false;
    }
}
