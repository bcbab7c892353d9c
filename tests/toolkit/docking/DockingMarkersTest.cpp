// Dock markers of the marker style: the outer set, the sets around a bar and around the view, highlights and their
// geometry, a target destroyed mid-drag, and drops on a marker by real input (Esc docks too).
#include "DockingDragFixture.h"
#include <string>
#include "toolkit/foundation/ExtDynDockHighlightWnd.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"

namespace
{
using MarkerArray = CExtDynDockMarkerWnd::MarkerArray;

// A point of the marker's shape (its window region), in screen coordinates.
CPoint PointInMarker(HWND hMarker)
{
    RECT rc;
    ::GetWindowRect(hMarker, &rc);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    const bool bRgn = ::GetWindowRgn(hMarker, hRgn) != ERROR;
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    if (bRgn)
    {
        for (int y = (rc.bottom - rc.top) / 2, n = 0; n < 2 * (rc.bottom - rc.top); ++n)
        {
            const int yy = (y + n / 2 * ((n & 1) ? -1 : 1));
            for (int x = (rc.right - rc.left) / 2; x < rc.right - rc.left; ++x)
                if (yy >= 0 && ::PtInRegion(hRgn, x, yy))
                {
                    ::DeleteObject(hRgn);
                    return CPoint(rc.left + x, rc.top + yy);
                }
        }
    }
    ::DeleteObject(hRgn);
    return pt;
}

// The window holding the mouse capture on the thread.
HWND CaptureOf(DWORD dwThread)
{
    GUITHREADINFO info = {sizeof(info)};
    return ::GetGUIThreadInfo(dwThread, &info) ? info.hwndCapture : nullptr;
}

// The marker windows of the set and the preview windows, from the top of the window order down: the marker's
// type for a marker, 'P' for a preview.
std::string WindowOrder(const MarkerArray& arr)
{
    std::string s;
    for (HWND h = ::GetWindow(CExtDynDockMarkerWnd::GetMarkerParent(), GW_HWNDFIRST); h != nullptr;
         h = ::GetWindow(h, GW_HWNDNEXT))
    {
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
            if (arr[i]->GetSafeHwnd() == h)
                s += std::to_string(arr[i]->GetMarkerType());
        wchar_t sz[64] = {};
        ::GetClassNameW(h, sz, 64);
        if (wcscmp(sz, CExtDynDockHighlightWnd::kWndClassName) == 0)
            s += 'P';
    }
    return s;
}

int CountType(const MarkerArray& arr, int nType)
{
    int n = 0;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        n += arr[i]->GetMarkerType() == nType ? 1 : 0;
    return n;
}

class DockingMarkers : public DockingDragFixture
{
protected:
    void SetUp() override
    {
        DockingDragFixture::SetUp();
        CExtControlBar::g_nDraggingStyleOverride = 1;
    }
    void TearDown() override
    {
        EndFakeDrag();
        CExtDynDockMarkerWnd::DestroyAll();
        DockingDragFixture::TearDown();
    }
    // Makes pBar the dragged bar without a drag loop.
    void FakeDrag(CExtControlBar* pBar)
    {
        CExtControlBar::g_DragStateShown.m_pBarSource = pBar;
        CExtControlBar::g_DragStateShown.SetEmpty(false);
        CExtControlBar::g_DragStateComputed.m_pBarSource = pBar;
        CExtControlBar::g_DragStateComputed.SetEmpty(false);
    }
    void EndFakeDrag()
    {
        for (CExtControlBar::InternalDraggingState_t* p :
             {&CExtControlBar::g_DragStateShown, &CExtControlBar::g_DragStateComputed})
        {
            p->SetTargetBar(nullptr, true);
            p->SetEmpty(true);
            p->m_pBarSource = nullptr;
        }
    }
};
} // namespace

TEST_F(DockingMarkers, TheOuterSetHoldsFourSideMarkersOwnedByTheMarkerParent)
{
    CExtDynDockMarkerWnd::BuildOuterSet(m_pFrame, true);
    const MarkerArray& arr = CExtDynDockMarkerWnd::g_arrOuterSet;
    ASSERT_EQ(arr.GetSize(), 4);
    const HWND hParent = CExtDynDockMarkerWnd::GetMarkerParent();
    ASSERT_NE(hParent, nullptr);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(arr[i]->GetMarkerType(), i);
        EXPECT_EQ(arr[i]->GetMarkerKind(), 14 + i);
        EXPECT_TRUE(arr[i]->IsActiveMarker());
        EXPECT_EQ(arr[i]->GetTargetWnd(), nullptr);
        EXPECT_EQ(::GetParent(arr[i]->GetSafeHwnd()), hParent);
        EXPECT_TRUE(arr[i]->IsWindowVisible());
        wchar_t sz[64] = {};
        ::GetClassNameW(arr[i]->GetSafeHwnd(), sz, 64);
        EXPECT_STREQ(sz, L"Nimbal-DynDockMarker");
    }
    // The set surrounds the area inside the frame's edge dock bars: the top marker stands at its top edge.
    EXPECT_EQ(WindowRectOf(arr[0]).top, Enclosed().top);
    EXPECT_EQ(WindowRectOf(arr[2]).left, Enclosed().left);
    CExtDynDockMarkerWnd::DestroyAll();
    EXPECT_EQ(arr.GetSize(), 0);
    EXPECT_FALSE(::IsWindow(hParent));
}

TEST_F(DockingMarkers, ABarUnderTheCursorGetsTheSetWithTheCentreAndTheViewTheCross)
{
    FakeDrag(m_pA);
    const MarkerArray& arr = CExtDynDockMarkerWnd::g_arrTargetSet;
    const CRect rcB = WindowRectOf(m_pB);
    ::SetCursorPos(rcB.CenterPoint().x, rcB.CenterPoint().y);
    CExtDynDockMarkerWnd::UpdateTargetSet(m_pFrame, true);
    EXPECT_EQ(CExtDynDockMarkerWnd::g_hWndTargetSet, m_pB->GetSafeHwnd());
    ASSERT_EQ(arr.GetSize(), 6);
    EXPECT_EQ(CountType(arr, CExtDynDockMarkerWnd::kTypeCentre), 1);
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
    {
        const int nType = arr[i]->GetMarkerType();
        if (nType <= 3)
            EXPECT_EQ(arr[i]->GetMarkerKind(), 22 + nType);
        else if (nType == CExtDynDockMarkerWnd::kTypeCentre)
            EXPECT_EQ(arr[i]->GetMarkerKind(), 26);
        else
            EXPECT_FALSE(arr[i]->IsActiveMarker());
    }
    // Pointing at one of its markers keeps the set, though the marker hides the bar.
    CExtDynDockMarkerWnd* pTop = nullptr;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        if (arr[i]->GetMarkerType() == CExtDynDockMarkerWnd::kTypeTop)
            pTop = arr[i];
    ASSERT_NE(pTop, nullptr);
    PumpMessages();
    const CPoint ptMarker = PointInMarker(pTop->GetSafeHwnd());
    ::SetCursorPos(ptMarker.x, ptMarker.y);
    ASSERT_EQ(::WindowFromPoint(ptMarker), pTop->GetSafeHwnd());
    CExtDynDockMarkerWnd::UpdateTargetSet(m_pFrame, true);
    ASSERT_EQ(arr.GetSize(), 6);
    EXPECT_NE(CountType(arr, CExtDynDockMarkerWnd::kTypeTop), 0);
    EXPECT_EQ(CExtDynDockMarkerWnd::g_hWndTargetSet, m_pB->GetSafeHwnd());

    // Over the view: the cross around an inactive centre piece, no tab marker.
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    ::SetCursorPos(rcView.left + 5, rcView.bottom - 5);
    CExtDynDockMarkerWnd::UpdateTargetSet(m_pFrame, true);
    EXPECT_EQ(CExtDynDockMarkerWnd::g_hWndTargetSet, m_pFrame->m_wndView.GetSafeHwnd());
    ASSERT_EQ(arr.GetSize(), 5);
    EXPECT_EQ(CountType(arr, CExtDynDockMarkerWnd::kTypeCentre), 0);
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        if (arr[i]->IsActiveMarker())
        {
            EXPECT_EQ(arr[i]->GetMarkerKind(), 18 + arr[i]->GetMarkerType());
        }
}

TEST_F(DockingMarkers, HighlightsTakeTheirGeometryAndOneReplacesTheOther)
{
    FakeDrag(m_pA);
    CExtDynDockMarkerWnd::BuildOuterSet(m_pFrame, true);
    const MarkerArray& arr = CExtDynDockMarkerWnd::g_arrOuterSet;
    ASSERT_EQ(arr.GetSize(), 4);
    // Little room: an outer band is still 30 pixels thick.
    m_pA->m_sizeHorzDocked.cy = 10;
    m_pA->m_sizeVertDocked.cx = 120;
    ASSERT_TRUE(arr[0]->ShowHighlight(true));
    ASSERT_NE(arr[0]->GetHighlight(), nullptr);
    const CRect rcTop = WindowRectOf(arr[0]->GetHighlight());
    EXPECT_EQ(rcTop.Height(), 30);
    EXPECT_EQ(rcTop.top, WindowRectOf(arr[0]).top);
    wchar_t sz[64] = {};
    ::GetClassNameW(arr[0]->GetHighlight()->GetSafeHwnd(), sz, 64);
    EXPECT_STREQ(sz, L"Nimbal-DynDockHighlightWnd");
    // Another marker's highlight removes the first one.
    ASSERT_TRUE(arr[2]->ShowHighlight(true));
    EXPECT_EQ(arr[0]->GetHighlight(), nullptr);
    ASSERT_NE(arr[2]->GetHighlight(), nullptr);
    EXPECT_EQ(WindowRectOf(arr[2]->GetHighlight()).Width(), 120);
    CExtDynDockMarkerWnd::HideHighlights(nullptr, true);
    EXPECT_EQ(arr[2]->GetHighlight(), nullptr);

    // The centre preview's tab: 18 pixels high, half the height below 36; 36 wide at most, 8 in from the left.
    CRect rcBody, rcTab;
    CExtDynDockHighlightWnd::CalcTabShape(CSize(200, 100), rcBody, rcTab);
    EXPECT_EQ(rcBody, CRect(0, 0, 200, 82));
    EXPECT_EQ(rcTab, CRect(8, 82, 44, 100));
    CExtDynDockHighlightWnd::CalcTabShape(CSize(200, 30), rcBody, rcTab);
    EXPECT_EQ(rcBody, CRect(0, 0, 200, 15));
    EXPECT_EQ(rcTab, CRect(8, 15, 44, 30));
    CExtDynDockHighlightWnd::CalcTabShape(CSize(40, 60), rcBody, rcTab);
    EXPECT_EQ(rcTab, CRect(8, 42, 24, 60));
}

TEST_F(DockingMarkers, APreviewLiesBelowEveryMarker)
{
    FakeDrag(m_pA);
    CExtDynDockMarkerWnd::BuildOuterSet(m_pFrame, true);
    const CRect rcB = WindowRectOf(m_pB);
    ::SetCursorPos(rcB.CenterPoint().x, rcB.CenterPoint().y);
    CExtDynDockMarkerWnd::UpdateTargetSet(m_pFrame, true);
    MarkerArray arrAll;
    arrAll.Append(CExtDynDockMarkerWnd::g_arrOuterSet);
    arrAll.Append(CExtDynDockMarkerWnd::g_arrTargetSet);
    ASSERT_EQ(arrAll.GetSize(), 10);
    for (INT_PTR i = 0; i < arrAll.GetSize(); ++i)
    {
        if (!arrAll[i]->IsActiveMarker())
            continue;
        ASSERT_TRUE(arrAll[i]->ShowHighlight(true));
        const std::string s = WindowOrder(arrAll);
        EXPECT_EQ(s.find('P'), s.size() - 1) << s;
    }
}

TEST_F(DockingMarkers, APreviewLeavesEveryMarkerInSightWhateverTheWindowOrder)
{
    FakeDrag(m_pA);
    CExtDynDockMarkerWnd::BuildOuterSet(m_pFrame, true);
    const CRect rcB = WindowRectOf(m_pB);
    ::SetCursorPos(rcB.CenterPoint().x, rcB.CenterPoint().y);
    CExtDynDockMarkerWnd::UpdateTargetSet(m_pFrame, true);
    MarkerArray arrAll;
    arrAll.Append(CExtDynDockMarkerWnd::g_arrOuterSet);
    arrAll.Append(CExtDynDockMarkerWnd::g_arrTargetSet);
    ASSERT_EQ(arrAll.GetSize(), 10);
    int nCovered = 0;
    for (INT_PTR i = 0; i < arrAll.GetSize(); ++i)
    {
        if (!arrAll[i]->IsActiveMarker() || !arrAll[i]->ShowHighlight(true))
            continue;
        // Raised over the markers, as the window system may stack it.
        const HWND hPreview = arrAll[i]->GetHighlight()->GetSafeHwnd();
        ::SetWindowPos(hPreview, HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        const CRect rcPreview = WindowRectOf(arrAll[i]->GetHighlight());
        for (INT_PTR j = 0; j < arrAll.GetSize(); ++j)
        {
            const CPoint pt = PointInMarker(arrAll[j]->GetSafeHwnd());
            if (!rcPreview.PtInRect(pt))
                continue;
            ++nCovered;
            // A marker (the piece of a cross may lie under the tab marker), never the preview.
            const HWND hUnder = ::WindowFromPoint(pt);
            bool bMarker = false;
            for (INT_PTR k = 0; k < arrAll.GetSize(); ++k)
                bMarker = bMarker || arrAll[k]->GetSafeHwnd() == hUnder;
            EXPECT_TRUE(bMarker) << "marker " << j << " under preview " << i;
        }
    }
    // The previews of the bar's set hold the markers of the set.
    EXPECT_GT(nCovered, 6);
}

TEST_F(DockingMarkers, TheTabMarkerIsFoundThoughTheCentrePieceOfItsCrossLiesOverIt)
{
    const CRect rcFrame = WindowRectOf(m_pFrame);
    ASSERT_TRUE(m_pA->FloatAtPoint(CPoint(rcFrame.right - 200, rcFrame.bottom - 150)));
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pA));
    FakeDrag(m_pA);
    const CRect rcB = WindowRectOf(m_pB);
    ::SetCursorPos(rcB.CenterPoint().x, rcB.CenterPoint().y);
    CExtDynDockMarkerWnd::UpdateTargetSet(m_pFrame, true);
    const MarkerArray& arr = CExtDynDockMarkerWnd::g_arrTargetSet;
    CExtDynDockMarkerWnd *pTab = nullptr, *pPiece = nullptr;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
    {
        if (arr[i]->GetMarkerType() == CExtDynDockMarkerWnd::kTypeCentre)
            pTab = arr[i];
        else if (!arr[i]->IsActiveMarker())
            pPiece = arr[i];
    }
    ASSERT_NE(pTab, nullptr);
    ASSERT_NE(pPiece, nullptr);
    // The piece stacked over the tab marker, as the window system may leave it after a repaint.
    ::SetWindowPos(pPiece->GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    const CPoint pt = PointInMarker(pTab->GetSafeHwnd());
    ASSERT_EQ(::WindowFromPoint(pt), pPiece->GetSafeHwnd());
    EXPECT_EQ(CExtDynDockMarkerWnd::MarkerFromPoint(pt), pTab);
    const State s = Calc(m_pA, pt.x, pt.y);
    EXPECT_EQ(s.m_nTargetKind, State::kMarkerCentre);
    EXPECT_EQ(s.m_pBarTarget, m_pB);
}

TEST_F(DockingMarkers, DestroyingTheTargetBarHidesItsMarkersAndTheTargetIsRecomputed)
{
    FakeDrag(m_pA);
    m_pA->m_bfTracking |= CExtControlBar::kTrackDragging;
    const CRect rcB = WindowRectOf(m_pB);
    ::SetCursorPos(rcB.CenterPoint().x, rcB.CenterPoint().y);
    CExtDynDockMarkerWnd::UpdateTargetSet(m_pFrame, true);
    ASSERT_EQ(CExtDynDockMarkerWnd::g_hWndTargetSet, m_pB->GetSafeHwnd());
    std::vector<HWND> markers;
    for (INT_PTR i = 0; i < CExtDynDockMarkerWnd::g_arrTargetSet.GetSize(); ++i)
        markers.push_back(CExtDynDockMarkerWnd::g_arrTargetSet[i]->GetSafeHwnd());
    const HWND hB = m_pB->GetSafeHwnd();
    m_pB->DestroyWindow();
    // The marker timer notices it; the posted move recomputes the target.
    EXPECT_TRUE(WaitFor([&]() { return CExtDynDockMarkerWnd::g_hWndTargetSet != hB; }));
    for (HWND h : markers)
        EXPECT_FALSE(::IsWindow(h) && ::IsWindowVisible(h));
    m_pA->m_bfTracking &= ~CExtControlBar::kTrackDragging;
}

TEST_F(DockingMarkers, ADropOnTheLeftOuterMarkerDocksAtTheLeftInCircleOneAndEscapeDocksToo)
{
    for (int nWay = 0; nWay < 2; ++nWay)
    {
        SCOPED_TRACE(nWay);
        CHostResizableBar* pC = NewResizable(L"C");
        ASSERT_TRUE(pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true));
        m_pFrame->RecalcLayout();
        PumpMessages();
        CRect rc(pC->GetCaptionRect());
        rc.OffsetRect(WindowRectOf(pC).TopLeft());
        const CPoint ptFrom(rc.left + 8, rc.CenterPoint().y);
        const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
        const CPoint ptMid = rcView.CenterPoint();
        const HWND hC = pC->GetSafeHwnd();
        const DWORD dwGui = ::GetCurrentThreadId();
        RunInputScript([&]() {
            SendMouse(ptFrom.x, ptFrom.y, 0);
            SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
            // The press starts C's drag loop, which takes the capture and reads where the press was before it
            // waits.
            ASSERT_TRUE(WaitFor([&]() { return CaptureOf(dwGui) == hC; }));
            ASSERT_TRUE(WaitForWindowThread(hC));
            SendMouse(ptMid.x, ptMid.y, 0);
            SendMouse(ptMid.x + 5, ptMid.y, 0);
            // The outer set shows once the drag is under way.
            ASSERT_TRUE(WaitFor([]() {
                return CExtDynDockMarkerWnd::g_arrOuterSet.GetSize() == 4 &&
                       ::IsWindowVisible(CExtDynDockMarkerWnd::g_arrOuterSet[2]->GetSafeHwnd());
            }));
            CExtDynDockMarkerWnd* pLeft = CExtDynDockMarkerWnd::g_arrOuterSet[2];
            ASSERT_EQ(pLeft->GetMarkerKind(), CExtControlBar::InternalDraggingState_t::kMarkerOuterTop + 2);
            const CPoint pt = PointInMarker(pLeft->GetSafeHwnd());
            SendMouse(pt.x, pt.y, 0);
            // The move onto the marker shows its preview; the drop or Esc follows at once, with no wait for the
            // refreshes at rest.
            EXPECT_TRUE(WaitFor([&]() { return pLeft->GetHighlight() != nullptr; }));
            if (nWay == 1)
            {
                SendKeyInput(VK_ESCAPE, true);
                SendKeyInput(VK_ESCAPE, false);
                EXPECT_TRUE(WaitFor([&]() {
                    return (pC->m_bfTracking & CExtControlBar::kTrackDragging) == 0 && CaptureOf(dwGui) != hC;
                }));
            }
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        });
        PumpMessages();
        EXPECT_EQ(CExtControlBar::GetDockBarId(pC), (UINT)AFX_IDW_DOCKBAR_LEFT);
        CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pC->m_pDockBar);
        ASSERT_NE(pDock, nullptr);
        EXPECT_EQ(pDock->m_nCircle, 1u);
        EXPECT_EQ(CExtDynDockMarkerWnd::g_arrOuterSet.GetSize(), 0);
        EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
        EXPECT_EQ(::GetCapture(), nullptr);
        ASSERT_TRUE(BringInFront(m_pFrame));
    }
}
