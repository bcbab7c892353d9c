// The docking run's gestures through real input, each with its outcome checked: drags by caption and by tab (to a
// side, onto a bar, out of a group, back into it at another place), double clicks, pins, closes and shows, splitter
// drags, floating frames moved and resized, a drag ended by Escape, tool bars floated, docked and moved in their
// rows, and the stored state loaded over the live layout.
#include "DockingFuzzRun.h"
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"

bool DockingRun::DragToSide()
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) { return Shown(b) && !b->IsAutoHideMode(); });
    CPoint ptFrom;
    if (p == nullptr || !CaptionPoint(p, ptFrom))
        return false;
    const int nSide = std::uniform_int_distribution<int>(0, 3)(m_rng);
    const int nRest = RestMs();
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    CExtControlBar* pCarrier = CaptionCarrier(p);
    Log("drag " + Name(pCarrier) + " by its caption to the " + kSides[nSide] + " side, rest " + std::to_string(nRest) +
        " ms");
    const bool bMarkers = MarkerStyle();
    const HWND hCarrier = pCarrier->GetSafeHwnd();
    const UINT nSideBefore = OuterSide(pCarrier);
    // A bar leaving a container docks as thick as its outermost container was at the sides.
    const auto* pOuter = DYNAMIC_DOWNCAST(CExtControlBar, OuterCarrier(pCarrier));
    const CExtControlBar* pSized = pOuter != nullptr ? pOuter : pCarrier;
    const CSize sizeBefore = Horizontal(kSideIds[nSide]) ? pSized->m_sizeHorzDocked : pSized->m_sizeVertDocked;
    bool bAimed = false;
    const bool bDragged = Drag(
        ptFrom,
        [&](CPoint& pt) {
            if (bMarkers)
            {
                if (!WaitFor([] { return CExtDynDockMarkerWnd::g_arrOuterSet.GetSize() == 4; }))
                    return false;
                pt = PointInMarker(CExtDynDockMarkerWnd::g_arrOuterSet[nSide]->GetSafeHwnd());
                bAimed = true;
                return true;
            }
            const CPoint c = rcView.CenterPoint();
            pt = nSide == 0   ? CPoint(c.x, rcView.top + 4)
                 : nSide == 1 ? CPoint(c.x, rcView.bottom - 4)
                 : nSide == 2 ? CPoint(rcView.left + 4, c.y)
                              : CPoint(rcView.right - 4, c.y);
            bAimed = true;
            return true;
        },
        nRest);
    Expect(bDragged, "a caption drag starts", "the press on the caption of " + Name(pCarrier) + " started no drag");
    if (!bDragged || !bAimed)
    {
        Expect(bAimed, "the outer markers show", "the outer markers did not show during the drag");
        return true;
    }
    if (!::IsWindow(hCarrier))
        return true;
    if (!bMarkers)
    {
        // The band along the view's side docks there; the release follows the tracker.
        using State = CExtControlBar::InternalDraggingState_t;
        Expect(m_nShownKind == State::kInnerTop + nSide || m_nShownKind == State::kOuterTop + nSide,
               "the tracker at a side of the view shows docking there",
               "the tracker at the " + std::string(kSides[nSide]) + " side of the view showed kind " +
                   std::to_string(m_nShownKind));
        ExpectLandsAsShown(p, nSideBefore);
    }
    const UINT nEnded = OuterSide(pCarrier);
    Expect(nEnded == kSideIds[nSide], "a drop at a side docks there",
           "the drop at the " + std::string(kSides[nSide]) + " side left " + Name(pCarrier) + " at " +
               SideName(nEnded));
    if (nEnded == kSideIds[nSide] && OuterCarrier(pCarrier) == pCarrier)
        m_justDocked[pCarrier] = sizeBefore;
    return true;
}

bool DockingRun::DragOntoBar()
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) { return Shown(b) && !b->IsAutoHideMode(); });
    if (p == nullptr)
        return false;
    CExtControlBar* pSrc = CaptionCarrier(p);
    CExtControlBar* pTargetMember = Pick([&](CExtControlBar* b) {
        return Docked(b) && Shown(b) && CaptionCarrier(b) != pSrc && CaptionCarrier(b)->IsWindowVisible();
    });
    CPoint ptFrom;
    if (pTargetMember == nullptr || !CaptionPoint(p, ptFrom))
        return false;
    CExtControlBar* pTarget = CaptionCarrier(pTargetMember);
    // 0..3 beside the target's top, bottom, left, right; 4 into its group.
    const int nWhere = std::uniform_int_distribution<int>(0, 4)(m_rng);
    const int nRest = RestMs();
    static const char* const kWheres[] = {"top", "bottom", "left", "right", "centre"};
    Log("drag " + Name(pSrc) + " by its caption onto " + Name(pTarget) + ", " + kWheres[nWhere] + ", rest " +
        std::to_string(nRest) + " ms");
    const bool bMarkers = MarkerStyle();
    const HWND hTarget = pTarget->GetSafeHwnd();
    const UINT nSideBefore = OuterSide(pSrc);
    bool bAimed = false;
    std::string sShownSet;
    const bool bDragged = Drag(
        ptFrom,
        [&](CPoint& pt) {
            if (!::IsWindow(hTarget))
                return false;
            const CRect rc = WindowRectOf(pTarget);
            if (!bMarkers)
            {
                // The caption band takes the bar into the group; the other points lie near the target's edges.
                const CPoint c = rc.CenterPoint();
                pt = nWhere == 1   ? CPoint(c.x, rc.bottom - 6)
                     : nWhere == 2 ? CPoint(rc.left + 6, c.y)
                     : nWhere == 3 ? CPoint(rc.right - 6, c.y)
                                   : CPoint(c.x, rc.top + 10);
                bAimed = true;
                return true;
            }
            // The target's own set shows once the pointer rests over it. Over its edge nearest the caption first, as
            // a user's pointer crosses it (an outer marker may lie over the centre of a bar along the frame's edge).
            // A little below its centre, inside a squeezed target too.
            const int nIn = std::min({6, rc.Width() / 2, rc.Height() / 2});
            if (CExtDynDockMarkerWnd::g_hWndTargetSet != hTarget)
                SendMouse(std::clamp(ptFrom.x, rc.left + nIn, rc.right - nIn),
                          std::clamp(ptFrom.y, rc.top + nIn, rc.bottom - nIn), 0);
            SendMouse(rc.CenterPoint().x, rc.CenterPoint().y + std::min(20, rc.Height() / 4), 0);
            if (!WaitFor([&] { return CExtDynDockMarkerWnd::g_hWndTargetSet == hTarget; }))
            {
                CWnd* pSet = CWnd::FromHandlePermanent(CExtDynDockMarkerWnd::g_hWndTargetSet);
                CString sSet;
                if (pSet != nullptr)
                    pSet->GetWindowText(sSet);
                sShownSet = pSet != nullptr ? "the set shown is around \"" + std::string(CStringA(sSet)) + "\" (" +
                                                  pSet->GetRuntimeClass()->m_lpszClassName + ")"
                                            : "no set shows";
                return false;
            }
            const HWND hMarker =
                TargetSetMarker(hTarget, nWhere == 4 ? (int)CExtDynDockMarkerWnd::kTypeCentre : nWhere);
            if (hMarker == nullptr)
            {
                sShownSet = "the set around it shows no active marker there";
                return false;
            }
            pt = PointInMarker(hMarker);
            bAimed = true;
            return true;
        },
        nRest);
    Expect(bDragged, "a caption drag starts", "the press on the caption of " + Name(pSrc) + " started no drag");
    if (!bDragged)
        return true;
    Expect(bAimed, "the target's markers show",
           "no marker of " + Name(pTarget) + " showed during the drag: " + sShownSet);
    if (!bAimed || !::IsWindow(p->GetSafeHwnd()) || !::IsWindow(pTargetMember->GetSafeHwnd()))
        return true;
    if (bMarkers && nWhere == 4)
    {
        Expect(p->GetTabbedContainer() != nullptr && p->GetTabbedContainer() == pTargetMember->GetTabbedContainer(),
               "a drop on a bar's centre groups there",
               "the drop on the centre of " + Name(pTarget) + " did not group " + Name(p) + " there");
        return true;
    }
    if (!bMarkers)
    {
        ExpectLandsAsShown(p, nSideBefore);
        return true;
    }
    // Beside the target: the dragged bar's carrier lies on that side of the target's carrier, along it.
    CExtControlBar* pNow = CaptionCarrier(pTargetMember);
    const CRect rcT = WindowRectOf(pNow), rcP = WindowRectOf(CaptionCarrier(p));
    bool bBeside = Docked(p) && p->IsWindowVisible();
    if (bBeside)
    {
        switch (nWhere)
        {
        case 0: bBeside = rcP.bottom <= rcT.top + 2 && rcP.left < rcT.right && rcP.right > rcT.left; break;
        case 1: bBeside = rcP.top >= rcT.bottom - 2 && rcP.left < rcT.right && rcP.right > rcT.left; break;
        case 2: bBeside = rcP.right <= rcT.left + 2 && rcP.top < rcT.bottom && rcP.bottom > rcT.top; break;
        default: bBeside = rcP.left >= rcT.right - 2 && rcP.top < rcT.bottom && rcP.bottom > rcT.top; break;
        }
    }
    std::ostringstream os;
    os << "the drop on the " << kWheres[nWhere] << " marker of " << Name(pTarget) << " left " << Name(p) << " at ("
       << rcP.left << "," << rcP.top << "," << rcP.right << "," << rcP.bottom << ")" << (Docked(p) ? "" : " floating")
       << ", the target at (" << rcT.left << "," << rcT.top << "," << rcT.right << "," << rcT.bottom << ")";
    Expect(bBeside, "a drop on a bar's side marker docks beside it", os.str());
    return true;
}

bool DockingRun::TabGesture(bool bDouble)
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) {
        return Shown(b) && !b->IsAutoHideMode() && b->GetTabbedContainer() != nullptr &&
               b->GetTabbedContainer()->IsWindowVisible();
    });
    if (p == nullptr)
        return false;
    CExtDynTabControlBar* pGroup = p->GetTabbedContainer();
    const int nTab = pGroup->m_wndTabs.FindBar(p);
    if (nTab < 0 || !pGroup->m_wndTabs.ItemGet(nTab)->IsVisible() || !pGroup->m_wndTabs.IsWindowVisible())
        return false;
    const CPoint ptTab = TabCentre(pGroup->m_wndTabs, nTab);
    if (!Reaches(ptTab, &pGroup->m_wndTabs))
        return false;
    if (bDouble)
    {
        Log("double-click the tab of " + Name(p));
        Click(ptTab, true);
        Expect(::IsWindow(p->GetSafeHwnd()) && CExtControlBar::IsFloating(p) && p->GetTabbedContainer() == nullptr,
               "a tab's double click floats its bar",
               "the double click on the tab of " + Name(p) + " did not float it");
        return true;
    }
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    const CPoint ptTo(rcView.left + rcView.Width() / 3 + std::uniform_int_distribution<int>(0, 60)(m_rng),
                      rcView.CenterPoint().y);
    Log("drag the tab of " + Name(p) + " out into the view");
    const bool bDragged = Drag(
        ptTab,
        [&](CPoint& pt) {
            // Clear of the markers that show over the view once the pointer is there, which would dock it.
            pt = ptTo;
            for (int i = 0; i < 8; ++i)
            {
                SendMouse(pt.x, pt.y, 0);
                WaitForDragAtPointer();
                if (CExtDynDockMarkerWnd::MarkerFromPoint(pt) == nullptr)
                    break;
                pt.y += 24;
            }
            return true;
        },
        0);
    Expect(bDragged, "a tab drag starts", "the press on the tab of " + Name(p) + " started no drag");
    if (bDragged)
        Expect(CExtControlBar::IsFloating(p) && p->GetTabbedContainer() == nullptr, "a tab dragged out floats its bar",
               "the tab of " + Name(p) + " dragged into the view did not float it");
    return true;
}

bool DockingRun::DblClickCaption(bool bFloating)
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) {
        return Shown(b) && !b->IsAutoHideMode() && CExtControlBar::IsFloating(CaptionCarrier(b)) == bFloating;
    });
    CPoint pt;
    if (p == nullptr || !CaptionPoint(p, pt))
        return false;
    CExtControlBar* pCarrier = CaptionCarrier(p);
    const HWND hCarrier = pCarrier->GetSafeHwnd();
    const UINT nSideBefore = OuterSide(pCarrier);
    // A bar beside others in a floating frame stays in it: a double click floats only what is docked in the frame.
    CExtMiniDockFrameWnd* pMiniBefore = bFloating ? nullptr : MiniOf(pCarrier);
    Log("double-click the caption of " + Name(pCarrier) +
        (bFloating                ? " (floating)"
         : pMiniBefore != nullptr ? " (in a floating frame)"
                                  : " (docked)"));
    Click(pt, true);
    if (pMiniBefore != nullptr)
    {
        Expect(::IsWindow(hCarrier) && !CExtControlBar::IsFloating(pCarrier) && MiniOf(pCarrier) == pMiniBefore,
               "a double click on a caption in a floating frame leaves the bar there",
               "the double click on the caption of " + Name(pCarrier) + " moved it out of its floating frame");
        return true;
    }
    if (!::IsWindow(hCarrier))
    {
        // A floating group docked back into its old group is gone; its bar is docked.
        Expect(bFloating && Docked(p), "a floating caption's double click docks the bar",
               "the double click on the caption of " + Name(p) + " lost its group");
        return true;
    }
    if (!bFloating)
    {
        Expect(CExtControlBar::IsFloating(pCarrier), "a docked caption's double click floats the bar",
               "the double click on the docked caption of " + Name(pCarrier) + " left it at " + SideName(nSideBefore));
        return true;
    }
    Expect(!CExtControlBar::IsFloating(pCarrier), "a floating caption's double click docks the bar",
           "the double click on the floating caption of " + Name(pCarrier) + " left it floating");
    // Back at the side it was docked at last.
    const auto it = m_lastSide.find(p);
    if (!CExtControlBar::IsFloating(pCarrier) && it != m_lastSide.end() && !kKnownDockBackPlaceAfterMove)
        Expect(OuterSide(p) == it->second, "a floating caption's double click docks the bar where it was",
               "the double click on the floating caption of " + Name(pCarrier) + " docked " + Name(p) + " at " +
                   SideName(OuterSide(p)) + ", not at " + SideName(it->second) + " where it was");
    return true;
}

bool DockingRun::Pin()
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) { return Shown(b) && Docked(b); });
    CPoint pt;
    if (p == nullptr || !ButtonPoint(p, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt))
        return false;
    const UINT nSide = OuterSide(p);
    Log("pin " + Name(CaptionCarrier(p)) + " to its auto-hide area");
    // A group is pinned with every bar in it.
    CExtControlBar* pCarrier = CaptionCarrier(p);
    for (CExtControlBar* b : m_bars)
        if (CaptionCarrier(b) == pCarrier)
            m_sizeAtPin[b] = randomrun::PinnedSize::At(pCarrier->GetSafeHwnd());
    Click(pt);
    CExtDynAutoHideArea* pArea = AreaOf(p);
    CExtDynAutoHideArea* pWant = nSide == AFX_IDW_DOCKBAR_TOP      ? m_pTop
                                 : nSide == AFX_IDW_DOCKBAR_BOTTOM ? m_pBottom
                                 : nSide == AFX_IDW_DOCKBAR_LEFT   ? m_pLeft
                                                                   : m_pRight;
    Expect(p->IsAutoHideMode() && pArea == pWant, "a pin auto-hides the bar at its side",
           "the pin left " + Name(p) + (p->IsAutoHideMode() ? " auto-hidden at another side than " : " docked at ") +
               SideName(nSide));
    return true;
}

bool DockingRun::Unpin()
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) { return Shown(b) && b->IsAutoHideMode(); });
    if (p == nullptr)
        return false;
    CExtDynAutoHideArea* pArea = AreaOf(p);
    if (pArea == nullptr)
        return false;
    const int nItem = pArea->ItemFindByLParam((LPARAM)p);
    if (nItem < 0 || !pArea->ItemGet(nItem)->IsVisible())
        return false;
    const CPoint ptItem = TabCentre(*pArea, nItem);
    if (!Reaches(ptItem, pArea))
        return false;
    const UINT nSide = pArea == m_pTop      ? AFX_IDW_DOCKBAR_TOP
                       : pArea == m_pBottom ? AFX_IDW_DOCKBAR_BOTTOM
                       : pArea == m_pLeft   ? AFX_IDW_DOCKBAR_LEFT
                                            : AFX_IDW_DOCKBAR_RIGHT;
    Log("slide " + Name(p) + " out by its tab and unpin it");
    Click(ptItem);
    const bool bOut = WaitFor([&] { return m_pSlider->IsShown() && m_pSlider->GetBar() == p; });
    Expect(bOut, "a click on an auto-hide tab slides its bar out",
           "the click on the tab of " + Name(p) + " did not slide it out");
    if (!bOut)
        return true;
    SettleInput(PumpMessages, 60);
    CPoint pt;
    const bool bButton = ButtonPoint(p, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt);
    Expect(bButton, "a slid-out bar shows its pin", Name(p) + " slid out shows no pin button");
    if (!bButton)
        return true;
    // The view and the bars as the unpin finds them: the bar takes at most three quarters of the view across, and its
    // row the thickness of its thickest bar.
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    std::map<HWND, SIZE> before;
    ::EnumChildWindows(
        m_pFrame->GetSafeHwnd(),
        [](HWND h, LPARAM l) {
            RECT rc = {};
            if (::IsWindowVisible(h) && ::GetWindowRect(h, &rc))
                (*reinterpret_cast<std::map<HWND, SIZE>*>(l))[h] = SIZE{rc.right - rc.left, rc.bottom - rc.top};
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&before));
    Click(pt);
    Expect(!p->IsAutoHideMode() && Docked(p) && OuterSide(p) == nSide, "an unpin docks the bar at its side",
           "the unpin left " + Name(p) + (p->IsAutoHideMode() ? " auto-hidden" : " at " + SideName(OuterSide(p))) +
               ", not docked at " + SideName(nSide));
    // Back at its size once the frame's layout has run.
    const auto it = m_sizeAtPin.find(p);
    if (Docked(p) && it != m_sizeAtPin.end())
    {
        CExtControlBar* pCarrier = CaptionCarrier(p);
        const bool bHorz = Horizontal(CExtControlBar::GetDockBarId(pCarrier));
        std::string sWhat;
        const auto othersAtLeast = [&](const std::vector<HWND>& others) {
            return std::all_of(others.begin(), others.end(), [&](HWND h) {
                auto* pOther = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(h));
                return pOther != nullptr && (bHorz ? WindowRectOf(pOther).Width() <= pOther->CalcMinWidth()
                                                   : WindowRectOf(pOther).Height() <= pOther->CalcMinHeight());
            });
        };
        randomrun::PinnedSize pinned = it->second;
        LONG& nAcross = bHorz ? pinned.size.cy : pinned.size.cx;
        if (pCarrier->GetParent()->GetParent() == m_pFrame)
            nAcross = std::min<LONG>(nAcross, ::MulDiv(bHorz ? rcView.Height() : rcView.Width(), 3, 4));
        const bool bBack = WaitFor(
            [&] {
                return randomrun::BackAtSize(pCarrier->GetSafeHwnd(), bHorz, pinned, 4, sWhat, othersAtLeast, &before);
            },
            2000);
        Expect(bBack,
               it->second.bContainers ? "an unpin brings the bar back at its dissolved container's size"
                                      : "an unpin brings the bar back at its size",
               "the unpin brought " + Name(pCarrier) + " " + sWhat);
    }
    for (auto itPinned = m_sizeAtPin.begin(); itPinned != m_sizeAtPin.end();)
        itPinned = itPinned->first->IsAutoHideMode() ? std::next(itPinned) : m_sizeAtPin.erase(itPinned);
    return true;
}

bool DockingRun::Close()
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) { return Shown(b) && !b->IsAutoHideMode(); });
    CPoint pt;
    if (p == nullptr || !ButtonPoint(p, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt))
        return false;
    CExtControlBar* pCarrier = CaptionCarrier(p);
    std::vector<CExtControlBar*> closed;
    if (pCarrier == p)
        closed.push_back(p);
    else if (CExtControlBar::IsFloating(pCarrier))
    {
        // A floating group's close button closes the group.
        for (CExtControlBar* b : m_bars)
            if (b->GetTabbedContainer() == pCarrier && Shown(b))
                closed.push_back(b);
    }
    else if (CExtControlBar* pSel =
                 DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CExtDynTabControlBar*>(pCarrier)->GetSelectedBar()))
        closed.push_back(pSel); // a docked group's closes the bar of its selected tab
    else
        return false;
    std::map<CExtControlBar*, CDockBar*> places;
    for (CExtControlBar* b : closed)
        places[b] = b->m_pDockBar;
    Log("close " + Name(pCarrier) + " by its caption's close button");
    Click(pt);
    for (CExtControlBar* b : closed)
    {
        m_shown[b] = false;
        // A closed bar stays where it was (in its container, group or floating frame), only hidden.
        Expect(b->m_pDockBar == places[b], "a closed bar stays in its place",
               Name(b) + " closed left the dock bar it was in");
    }
    return true;
}

bool DockingRun::Show()
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) { return !Shown(b); });
    if (p == nullptr)
        return false;
    Log("show " + Name(p) + " by its command");
    m_pFrame->SendMessage(WM_COMMAND, p->GetDlgCtrlID(), 0);
    m_shown[p] = true;
    return true;
}

bool DockingRun::SplitterDrag()
{
    // A bar in the frame's dock bar with a row splitter that shows.
    std::vector<CExtControlBar*> carriers;
    for (CExtControlBar* b : m_bars)
        if (Shown(b) && Docked(b))
            if (auto* pOuter = DYNAMIC_DOWNCAST(CExtControlBar, OuterCarrier(b)))
                if (pOuter->IsWindowVisible() && !pOuter->GetRowSplitterRect().IsRectEmpty() &&
                    std::find(carriers.begin(), carriers.end(), pOuter) == carriers.end())
                    carriers.push_back(pOuter);
    CExtControlBar* pBar = Pick(carriers, [](CExtControlBar*) { return true; });
    if (pBar == nullptr)
        return false;
    const UINT nSide = OuterSide(pBar);
    const bool bHorz = Horizontal(nSide);
    const CPoint ptFrom = pBar->GetRowSplitterRect().CenterPoint() + WindowRectOf(pBar).TopLeft();
    if (!Reaches(ptFrom, pBar))
        return false;
    int nDelta = std::uniform_int_distribution<int>(15, 45)(m_rng);
    if (m_rng() % 2 == 0)
        nDelta = -nDelta;
    // Growing: away from the bar's side.
    const bool bGrow = (nSide == AFX_IDW_DOCKBAR_LEFT || nSide == AFX_IDW_DOCKBAR_TOP) ? nDelta > 0 : nDelta < 0;
    const CRect rcBefore = WindowRectOf(pBar);
    const int nBefore = bHorz ? rcBefore.Height() : rcBefore.Width();
    const CPoint ptTo = bHorz ? CPoint(ptFrom.x, ptFrom.y + nDelta) : CPoint(ptFrom.x + nDelta, ptFrom.y);
    // A group or container has no name of its own: the bars it holds name it.
    std::string sWhat = Name(pBar);
    if (pBar->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)))
    {
        sWhat = pBar->IsKindOf(RUNTIME_CLASS(CExtDynTabControlBar)) ? "the group of" : "the container of";
        for (CExtControlBar* b : m_bars)
            if (OuterCarrier(b) == pBar)
                sWhat += " " + Name(b);
    }
    Log("drag the row splitter of " + sWhat + " by " + std::to_string(nDelta) + " px");
    const BYTE nTracking = CExtControlBar::kTrackRowExtent | CExtControlBar::kTrackInRow;
    const HWND hBar = pBar->GetSafeHwnd();
    bool bTracked = false;
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        bTracked = WaitFor([&] { return (pBar->m_bfTracking & nTracking) != 0; });
        if (bTracked)
            WaitForWindowThread(hBar);
        SendMouse((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2, 0);
        SendMouse(ptTo.x, ptTo.y, 0);
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        WaitFor([&] { return !::IsWindow(hBar) || (pBar->m_bfTracking & nTracking) == 0; });
    });
    Expect(bTracked, "a splitter press starts its tracking",
           "the press on the splitter of " + Name(pBar) + " started no tracking");
    if (!bTracked || !::IsWindow(hBar))
        return true;
    const CRect rcAfter = WindowRectOf(pBar);
    const int nAfter = bHorz ? rcAfter.Height() : rcAfter.Width();
    const int nChange = bGrow ? nAfter - nBefore : nBefore - nAfter;
    // It follows the pointer, unless a limit stops it: the view's, or the row's floor of twice the bar's least
    // thickness, which a row thinner than that (a container's) grows to at any drag.
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    const int nMin = bHorz ? pBar->CalcMinHeight() : pBar->CalcMinWidth();
    const int nWanted = std::max(nBefore + (bGrow ? 1 : -1) * std::abs(nDelta), 2 * nMin);
    const bool bLimited =
        bGrow ? (bHorz ? rcView.Height() : rcView.Width()) < std::abs(nDelta) + nMin : nAfter <= 2 * nMin + 2;
    std::ostringstream os;
    os << "the splitter of " << Name(pBar) << " dragged by " << nDelta << " px changed its size from " << nBefore
       << " to " << nAfter << " (its floor " << 2 * nMin << ")";
    Expect(std::abs(nAfter - nWanted) <= 3 || (bLimited && nChange >= 0), "a splitter follows the pointer", os.str());
    return true;
}

bool DockingRun::MoveFloating(bool bResize)
{
    std::vector<CExtControlBar*> carriers;
    for (CExtControlBar* b : AllBars())
    {
        CExtControlBar* c = CaptionCarrier(b);
        if (Shown(b) && !b->IsAutoHideMode() && CExtControlBar::IsFloating(c) && MiniOf(c) != nullptr &&
            MiniOf(c)->IsWindowVisible() && (!bResize || !c->IsFixedSize()) &&
            std::find(carriers.begin(), carriers.end(), c) == carriers.end())
            carriers.push_back(c);
    }
    CExtControlBar* pCarrier = Pick(carriers, [](CExtControlBar*) { return true; });
    if (pCarrier == nullptr)
        return false;
    CExtMiniDockFrameWnd* pMini = MiniOf(pCarrier);
    const HWND hMini = pMini->GetSafeHwnd();
    const CRect rcBefore = WindowRectOf(pMini);
    const CRect rcMain = WindowRectOf(m_pFrame);
    if (!bResize)
    {
        CPoint ptFrom;
        if (!CaptionPoint(pCarrier, ptFrom))
            return false;
        // Somewhere below the main window, the frame wholly on the screen.
        const int nLeft = std::uniform_int_distribution<int>(8, std::max(8, 1180 - rcBefore.Width()))(m_rng);
        const int nTop = std::uniform_int_distribution<int>(rcMain.bottom + 8, rcMain.bottom + 60)(m_rng);
        const CSize offset(nLeft - rcBefore.left, nTop - rcBefore.top);
        const CPoint ptTo = ptFrom + offset;
        Log("move the floating frame of " + Name(pCarrier) + " by its caption to (" + std::to_string(nLeft) + "," +
            std::to_string(nTop) + ")");
        bool bOnMarker = false;
        const bool bDragged = Drag(
            ptFrom,
            [&](CPoint& pt) {
                pt = ptTo;
                bOnMarker = bOnMarker || CExtDynDockMarkerWnd::MarkerFromPoint(pt) != nullptr;
                return true;
            },
            0);
        // A marker there (the frame's outer ones reach below it, or another floating frame's) docks the bar, as it
        // should.
        if (bOnMarker || m_bShownOnMarker)
            return true;
        Expect(bDragged, "a floating caption drag starts",
               "the press on the floating caption of " + Name(pCarrier) + " started no drag");
        if (!bDragged || !::IsWindow(hMini))
            return true;
        const CRect rcAfter = WindowRectOf(pMini);
        std::ostringstream os;
        os << "the floating frame of " << Name(pCarrier) << " dragged to (" << nLeft << "," << nTop << ") is at ("
           << rcAfter.left << "," << rcAfter.top << ")" << (CExtControlBar::IsFloating(pCarrier) ? "" : ", docked");
        Expect(CExtControlBar::IsFloating(pCarrier) && std::abs(rcAfter.left - nLeft) <= 3 &&
                   std::abs(rcAfter.top - nTop) <= 3,
               "a floating frame moves where it is dragged", os.str());
        return true;
    }
    // Resized by its right or bottom edge.
    const bool bRight = m_rng() % 2 == 0;
    int nDelta = std::uniform_int_distribution<int>(20, 50)(m_rng);
    if (m_rng() % 2 == 0)
        nDelta = -nDelta;
    const CPoint ptFrom = bRight ? CPoint(rcBefore.right - 1, rcBefore.CenterPoint().y)
                                 : CPoint(rcBefore.CenterPoint().x, rcBefore.bottom - 1);
    if (!Reaches(ptFrom, pMini))
        return false;
    const CPoint ptTo = bRight ? CPoint(ptFrom.x + nDelta, ptFrom.y) : CPoint(ptFrom.x, ptFrom.y + nDelta);
    Log("resize the floating frame of " + Name(pCarrier) + " by its " + (bRight ? "right" : "bottom") + " edge by " +
        std::to_string(nDelta) + " px");
    bool bResizing = false;
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        bResizing = WaitFor([&] { return ::IsWindow(hMini) && pMini->IsResizing(); });
        if (bResizing)
            WaitForWindowThread(hMini);
        SendMouse((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2, 0);
        SendMouse(ptTo.x, ptTo.y, 0);
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        WaitFor([&] { return !::IsWindow(hMini) || !pMini->IsResizing(); });
    });
    Expect(bResizing, "a floating frame's edge press resizes",
           "the press on the edge of the floating frame of " + Name(pCarrier) + " started no resizing");
    if (!bResizing || !::IsWindow(hMini))
        return true;
    const CRect rcAfter = WindowRectOf(pMini);
    const int nBefore = bRight ? rcBefore.Width() : rcBefore.Height();
    const int nAfter = bRight ? rcAfter.Width() : rcAfter.Height();
    std::ostringstream os;
    os << "the floating frame of " << Name(pCarrier) << " resized by " << nDelta << " px went from " << nBefore
       << " to " << nAfter;
    // Shrinking may stop at the bar's least size.
    // The edge goes where the pointer is (a pixel past the edge's last column, where the press was).
    Expect(std::abs(nAfter - nBefore - nDelta) <= 1 || (nDelta < 0 && nAfter <= nBefore && nAfter > nBefore + nDelta),
           "a floating frame's edge follows the pointer", os.str());
    return true;
}

bool DockingRun::EscapeDrag()
{
    CExtControlBar* p = Pick([&](CExtControlBar* b) { return Shown(b) && !b->IsAutoHideMode(); });
    CPoint ptFrom;
    if (p == nullptr || !CaptionPoint(p, ptFrom))
        return false;
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    const CPoint ptTo(rcView.left + std::uniform_int_distribution<int>(4, std::max(5, rcView.Width() - 4))(m_rng),
                      rcView.top + std::uniform_int_distribution<int>(4, std::max(5, rcView.Height() - 4))(m_rng));
    Log("drag " + Name(CaptionCarrier(p)) + " by its caption and press Escape before the release");
    // The press gives a docked bar the focus, which expands one at its row minimum in its row: Escape gives back the
    // layout the press left.
    CExtControlBar* pCarrier = CaptionCarrier(p);
    if (!CExtControlBar::IsFloating(pCarrier) && pCarrier->IsAtMinimumInRow() && !pCarrier->IsAloneInRow())
    {
        pCarrier->SetFocus();
        Rest();
        if (!CaptionPoint(p, ptFrom))
            return true;
    }
    const std::string before = Describe();
    const bool bDragged = Drag(
        ptFrom,
        [&](CPoint& pt) {
            pt = ptTo;
            return true;
        },
        20, true);
    Expect(bDragged, "a caption drag starts", "the press on the caption of " + Name(p) + " started no drag");
    Expect(CExtControlBar::GetDraggedBar() == nullptr && CExtDynDockMarkerWnd::g_arrOuterSet.GetSize() == 0 &&
               CExtDynDockMarkerWnd::g_arrTargetSet.GetSize() == 0,
           "Escape ends the drag", "the drag or its markers outlived Escape");
    // Under the tracker Escape leaves the layout as it was; under the markers the target then computed applies.
    if (!MarkerStyle())
    {
        Rest();
        Expect(Describe() == before, "Escape under the tracker leaves the layout as it was",
               "Escape during the drag changed the layout:\n" + Describe() + "before:\n" + before);
    }
    return true;
}

bool DockingRun::ReorderTabs()
{
    // A tab dropped back on its strip takes the place the tracker shows; the markers float the bar at once.
    if (MarkerStyle())
        return false;
    CExtControlBar* p = Pick([&](CExtControlBar* b) {
        CExtDynTabControlBar* g = b->GetTabbedContainer();
        return Shown(b) && !b->IsAutoHideMode() && g != nullptr && g->IsWindowVisible() &&
               g->m_wndTabs.IsWindowVisible() && Docked(b);
    });
    if (p == nullptr)
        return false;
    CExtDynTabControlBar* pGroup = p->GetTabbedContainer();
    const int nTab = pGroup->m_wndTabs.FindBar(p);
    std::vector<int> others;
    for (int i = 0; i < pGroup->m_wndTabs.ItemGetCount(); ++i)
        if (i != nTab && pGroup->m_wndTabs.ItemGet(i)->IsVisible())
            others.push_back(i);
    if (nTab < 0 || others.empty())
        return false;
    const int nTo = others[std::uniform_int_distribution<size_t>(0, others.size() - 1)(m_rng)];
    CExtControlBar* pOther = pGroup->m_wndTabs.GetBarAt(nTo, true);
    const CPoint ptFrom = TabCentre(pGroup->m_wndTabs, nTab);
    const CPoint ptAim = TabCentre(pGroup->m_wndTabs, nTo);
    if (pOther == nullptr || !Reaches(ptFrom, &pGroup->m_wndTabs))
        return false;
    Log("drag the tab of " + Name(p) + " onto the tab of " + Name(pOther));
    const bool bDragged = Drag(
        ptFrom,
        [&](CPoint& pt) {
            pt = ptAim;
            return true;
        },
        60);
    Expect(bDragged, "a tab drag starts", "the press on the tab of " + Name(p) + " started no drag");
    if (!bDragged)
        return true;
    CExtDynTabControlBar* pNow = p->GetTabbedContainer();
    Expect(pNow != nullptr && pNow == pOther->GetTabbedContainer(), "a tab dropped on its strip stays in its group",
           "the tab of " + Name(p) + " dropped onto the tab of " + Name(pOther) + " left the group");
    return true;
}

bool DockingRun::ToolBarFloat()
{
    CExtControlBar* p = Pick(m_tools, [&](CExtControlBar* b) { return b->IsWindowVisible() && Docked(b); });
    if (p == nullptr)
        return false;
    const CRect rc = WindowRectOf(p);
    const CPoint ptFrom(rc.left + 6, rc.CenterPoint().y);
    if (!Reaches(ptFrom, p))
        return false;
    // Away from the sides: a tool bar dropped within a side's reach (12 pixels past its dock bar and half as much
    // again around it) docks there.
    CRect rcAway = WindowRectOf(&m_pFrame->m_wndView);
    rcAway.DeflateRect(32, 32);
    if (rcAway.IsRectEmpty())
        return false;
    const CPoint ptTo(std::clamp((int)rcAway.CenterPoint().x + std::uniform_int_distribution<int>(-60, 60)(m_rng),
                                 (int)rcAway.left, (int)rcAway.right),
                      std::clamp((int)rcAway.CenterPoint().y + std::uniform_int_distribution<int>(-40, 40)(m_rng),
                                 (int)rcAway.top, (int)rcAway.bottom));
    Log("drag the tool bar " + Name(p) + " into the view");
    const bool bDragged = Drag(
        ptFrom,
        [&](CPoint& pt) {
            pt = ptTo;
            return true;
        },
        0);
    Expect(bDragged, "a tool bar drag starts", "the press on the tool bar " + Name(p) + " started no drag");
    if (bDragged)
        Expect(CExtControlBar::IsFloating(p), "a tool bar dragged into the view floats",
               "the tool bar " + Name(p) + " dragged into the view stayed at " + SideName(OuterSide(p)));
    return true;
}

bool DockingRun::ToolBarDock()
{
    CExtControlBar* p = Pick(m_tools, [&](CExtControlBar* b) {
        return b->IsWindowVisible() && CExtControlBar::IsFloating(b) && MiniOf(b) != nullptr;
    });
    if (p == nullptr)
        return false;
    CExtMiniDockFrameWnd* pMini = MiniOf(p);
    CRect rc = pMini->GetCaptionRect();
    if (rc.IsRectEmpty())
        return false;
    rc.OffsetRect(WindowRectOf(pMini).TopLeft());
    const CPoint pt(rc.left + 6, rc.CenterPoint().y);
    if (!Reaches(pt, pMini))
        return false;
    Log("double-click the floating caption of the tool bar " + Name(p));
    Click(pt, true);
    const auto it = m_lastSide.find(p);
    const UINT nWas = it != m_lastSide.end() ? it->second : 0;
    Expect(!CExtControlBar::IsFloating(p) && OuterSide(p) != 0 && (nWas == 0 || OuterSide(p) == nWas),
           "a floating tool bar's double click docks it where it was",
           "the double click on the floating caption of the tool bar " + Name(p) + " left it at " +
               SideName(OuterSide(p)) + ", it was at " + SideName(nWas));
    return true;
}

bool DockingRun::ToolBarMove()
{
    CExtControlBar* p = Pick(m_tools, [&](CExtControlBar* b) { return b->IsWindowVisible() && Docked(b); });
    if (p == nullptr)
        return false;
    const UINT nSide = OuterSide(p);
    const bool bHorz = Horizontal(nSide);
    const CRect rc = WindowRectOf(p);
    const CRect rcDock = WindowRectOf(p->m_pDockBar);
    const CPoint ptFrom = bHorz ? CPoint(rc.left + 6, rc.CenterPoint().y) : CPoint(rc.CenterPoint().x, rc.top + 6);
    if (!Reaches(ptFrom, p))
        return false;
    // Toward the room there is in the dock bar.
    const int nRoomBefore = bHorz ? rc.left - rcDock.left : rc.top - rcDock.top;
    const int nRoomAfter = bHorz ? rcDock.right - rc.right : rcDock.bottom - rc.bottom;
    int nDelta = std::uniform_int_distribution<int>(20, 40)(m_rng);
    if (nRoomBefore > nRoomAfter)
        nDelta = -nDelta;
    if (std::abs(nDelta) > std::max(nRoomBefore, nRoomAfter))
        return false;
    const CPoint ptTo = bHorz ? CPoint(ptFrom.x + nDelta, ptFrom.y) : CPoint(ptFrom.x, ptFrom.y + nDelta);
    Log("move the tool bar " + Name(p) + " in its row by " + std::to_string(nDelta) + " px");
    // A plain drag: the row move follows the pointer from the first move on.
    bool bDragged = false;
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptFrom.x + (bHorz ? nDelta / 4 : 0), ptFrom.y + (bHorz ? 0 : nDelta / 4), 0);
        bDragged = WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; }, 3000);
        if (!bDragged)
        {
            // A second move, as a hand goes on moving.
            SendMouse(ptFrom.x + (bHorz ? nDelta / 2 : 0), ptFrom.y + (bHorz ? 0 : nDelta / 2), 0);
            bDragged = WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; });
        }
        SendMouse((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2, 0);
        SendMouse(ptTo.x, ptTo.y, 0);
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr && CaptureOf(m_dwGui) == nullptr; });
    });
    Expect(bDragged, "a tool bar drag starts", "the press on the tool bar " + Name(p) + " started no drag");
    if (!bDragged)
        return true;
    const CRect rcAfter = WindowRectOf(p);
    const int nMoved = bHorz ? rcAfter.left - rc.left : rcAfter.top - rc.top;
    std::ostringstream os;
    os << "the tool bar " << Name(p) << " dragged by " << nDelta << " px along its row moved " << nMoved
       << " px and is at " << SideName(OuterSide(p));
    Expect(OuterSide(p) == nSide && std::abs(nMoved - nDelta) <= 3, "a tool bar moves along its row", os.str());
    return true;
}

bool DockingRun::LoadState()
{
    Log("load the stored state over the live layout");
    const std::string before = Describe();
    const bool bSaved = CExtControlBar::SaveFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile);
    const bool bLoaded = bSaved && CExtControlBar::LoadFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile);
    Expect(bLoaded, "the stored state saves and loads", "the stored state could not be saved or loaded");
    m_pFrame->RecalcLayout();
    Rest();
    if (kKnownLoadShowsClosedFloatingGroup)
    {
        for (CExtControlBar* p : m_bars)
            if (!Shown(p) && p->IsWindowVisible())
                m_pFrame->SendMessage(WM_COMMAND, p->GetDlgCtrlID(), 0);
        Rest();
    }
    const std::string after = Describe();
    Expect(before == after, "the stored state loaded over the layout gives it back",
           "the stored state loaded over the layout gives another one:\n" + after + "before:\n" + before);
    return true;
}
