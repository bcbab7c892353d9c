// Tool-bar painting on DIB pixels: a hovered button changes only its own rectangle, idle buttons are
// transparent, separators keep inside their rectangles; the row backgrounds seen by a recording paint
// manager; the tracked button painted pushed into its popup's DC.
#include <gtest/gtest.h>
#include "ToolBarHost.h"
#include "platform/Dc.h"
#include "tests/support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"
#include <memory>

namespace
{
// Records the row backgrounds it is asked to paint.
template <class TBase> class CRecordingPaintManager : public TBase
{
public:
    void PaintBarBackgroundPart(CDC& dc, CObject* pHelperSrc, LPARAM lParam, const RECT& rc) override
    {
        m_arrRects.push_back(CRect(rc));
        m_arrIndices.push_back((int)lParam);
        TBase::PaintBarBackgroundPart(dc, pHelperSrc, lParam, rc);
    }
    std::vector<CRect> m_arrRects;
    std::vector<int> m_arrIndices;
};

class ToolBarPaint : public ::testing::Test
{
protected:
    void Create(CExtPaintManager* pPM)
    {
        m_pFrame = new CToolBarHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost(pPM));
        m_hFrame = m_pFrame->GetSafeHwnd();
        Bar().RecalcButtonPositions();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpMessages();
    }
    CChevronToolBar& Bar() { return m_pFrame->m_wndToolBar; }
    std::vector<DWORD> Capture() { return CaptureClient(Bar(), m_cx, m_cy); }
    DWORD At(const std::vector<DWORD>& px, int x, int y) const { return px[y * m_cx + x]; }
    // The column right of the last button: the bar's empty area.
    int EmptyX()
    {
        CRect rc = Bar().GetButton(29)->GetRect();
        return rc.right + 1;
    }

    CToolBarHostFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    int m_cx = 0, m_cy = 0;
};
} // namespace

TEST_F(ToolBarPaint, HoveringAButtonChangesPixelsOnlyInsideItsRectangle)
{
    Create(new CExtPaintManagerXP);
    const std::vector<DWORD> before = Capture();
    ASSERT_FALSE(before.empty());
    const int n = m_pFrame->IndexOf(ID_TBT_FIRST + 5);
    Bar().GetButton(n)->SetHover(true);
    const std::vector<DWORD> after = Capture();
    CRect rcAllowed = Bar().GetButton(n)->GetRect();
    const CSize sizeExtra = g_PaintManagerHolder->GetBarButtonExtraSize();
    rcAllowed.InflateRect(sizeExtra.cx, sizeExtra.cy);
    int nChanged = 0;
    for (int y = 0; y < m_cy; y++)
        for (int x = 0; x < m_cx; x++)
        {
            if (At(before, x, y) == At(after, x, y))
                continue;
            nChanged++;
            EXPECT_TRUE(rcAllowed.PtInRect(CPoint(x, y))) << x << "," << y;
        }
    EXPECT_GT(nChanged, 20);
}

TEST_F(ToolBarPaint, IdleButtonCornersShowTheBarBackgroundAndSeparatorsKeepInside)
{
    Create(new CExtPaintManagerXP);
    const std::vector<DWORD> px = Capture();
    const int xEmpty = EmptyX();
    ASSERT_LT(xEmpty, m_cx);
    for (int n : {0, 5, 12})
    {
        const CRect rc = Bar().GetButton(n)->GetRect();
        ASSERT_FALSE(Bar().GetButton(n)->IsSeparator());
        for (const CPoint& pt : {CPoint(rc.left, rc.top), CPoint(rc.right - 1, rc.top), CPoint(rc.left, rc.bottom - 1),
                                 CPoint(rc.right - 1, rc.bottom - 1)})
            EXPECT_EQ(At(px, pt.x, pt.y), At(px, xEmpty, pt.y)) << n << " " << pt.x << "," << pt.y;
    }
    // A separator draws only inside its rectangle deflated by 2 across the bar.
    const CRect rcSep = Bar().GetButton(3)->GetRect();
    ASSERT_TRUE(Bar().GetButton(3)->IsSeparator());
    int nLine = 0;
    for (int y = rcSep.top; y < rcSep.bottom; y++)
        for (int x = rcSep.left; x < rcSep.right; x++)
        {
            const bool bDiffers = At(px, x, y) != At(px, xEmpty, y);
            if (y < rcSep.top + 2 || y >= rcSep.bottom - 2)
            {
                EXPECT_FALSE(bDiffers) << x << "," << y;
            }
            nLine += bDiffers ? 1 : 0;
        }
    EXPECT_GT(nLine, 10);
}

TEST_F(ToolBarPaint, Office2003PaintsOneBackgroundPerRowAndTheBaseStyleNone)
{
    auto* pPM = new CRecordingPaintManager<CExtPaintManagerOffice2003>;
    Create(pPM);
    Bar().SetBarStyle(Bar().GetBarStyle() & ~CBRS_SIZE_DYNAMIC);
    ASSERT_TRUE(pPM->IsToolBarGradientArea(&Bar()));
    Bar().RecalcButtonPositions();
    pPM->m_arrRects.clear();
    Capture();
    CExtToolControlBar::GroupBkgndRects groups;
    Bar().PaintButtonGroups(&groups, nullptr);
    ASSERT_EQ(groups.m_arrRects.GetSize(), 1);
    ASSERT_EQ(pPM->m_arrRects.size(), 1u);
    CRect rcClient;
    Bar().GetClientRect(&rcClient);
    EXPECT_EQ(pPM->m_arrRects[0], groups.m_arrRects[0]);
    EXPECT_EQ(pPM->m_arrRects[0].left, rcClient.left);
    EXPECT_EQ(pPM->m_arrRects[0].right, rcClient.right);
    // Three rows: three backgrounds, each ending at its row's last button.
    Bar().GetButton(9)->SetWrap(CExtToolControlBar::kOrientHorzDocked, true);
    Bar().GetButton(19)->SetWrap(CExtToolControlBar::kOrientHorzDocked, true);
    CRect rcWnd;
    Bar().GetWindowRect(&rcWnd);
    Bar().SetWindowPos(nullptr, 0, 0, rcWnd.Width(), rcWnd.Height() * 4, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Bar().RecalcButtonPositions();
    pPM->m_arrRects.clear();
    pPM->m_arrIndices.clear();
    Capture();
    CExtToolControlBar::GroupBkgndRects rows;
    Bar().PaintButtonGroups(&rows, nullptr);
    ASSERT_EQ(rows.m_arrRects.GetSize(), 3);
    ASSERT_EQ(pPM->m_arrRects.size(), 3u);
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(pPM->m_arrRects[i], rows.m_arrRects[i]);
        EXPECT_EQ(pPM->m_arrIndices[i], rows.m_arrButtonIndices[i]);
    }
    EXPECT_EQ(pPM->m_arrIndices[0], 9);
    EXPECT_EQ(pPM->m_arrIndices[1], 19);
    EXPECT_EQ(rows.m_arrRects[1].top, rows.m_arrRects[0].bottom + 1);
    // A child window on the bar finds the bar's rows.
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 2, 2, 10, 10, Bar().GetSafeHwnd(), nullptr));
    CExtToolControlBar::GroupBkgndRects found;
    ASSERT_TRUE(found.Collect(&child));
    EXPECT_EQ(found.m_pToolBar, &Bar());
    EXPECT_EQ(found.m_arrRects.GetSize(), 3);
    found.ToClient();
    EXPECT_EQ(found.m_arrRects[0].top, rows.m_arrRects[0].top - 2);
    child.DestroyWindow();
}

TEST_F(ToolBarPaint, TheBaseStylePaintsNoRowBackground)
{
    auto* pPM = new CRecordingPaintManager<CExtPaintManager>;
    Create(pPM);
    Bar().SetBarStyle(Bar().GetBarStyle() & ~CBRS_SIZE_DYNAMIC);
    pPM->m_arrRects.clear();
    Capture();
    EXPECT_TRUE(pPM->m_arrRects.empty());
    CExtToolControlBar::GroupBkgndRects groups;
    Bar().PaintButtonGroups(&groups, nullptr);
    EXPECT_EQ(groups.m_arrRects.GetSize(), 0);
}

TEST_F(ToolBarPaint, TheCallbackPaintsTheTrackedButtonPushedIntoThePopupsDc)
{
    Create(new CExtPaintManagerXP);
    const int n = m_pFrame->IndexOf(ID_TBT_FIRST + 5);
    CExtBarButton* pButton = Bar().GetButton(n);
    const CRect rcButton = pButton->GetRect();
    // A popup window just below the button, as a drop-down menu sits.
    CRect rcClient;
    Bar().GetClientRect(&rcClient);
    Bar().ClientToScreen(&rcClient);
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"", WS_POPUP, rcClient.left, rcClient.top,
                               rcClient.Width(), rcClient.Height(), nullptr, nullptr));
    Bar().m_nBtnIdxMenuTracking = n;
    const UINT nStyle = pButton->GetStyle();
    DibCanvas canvas(rcClient.Width(), rcClient.Height(), RGB(255, 0, 255));
    CExtToolControlBar::PaintTrackedButtonCallback(&Bar(), canvas.dc, popup, CRect(0, 0, 10, 10));
    EXPECT_EQ(pButton->GetStyle(), nStyle);
    // The button's pushed look: painted the same way by hand.
    DibCanvas expected(rcClient.Width(), rcClient.Height(), RGB(255, 0, 255));
    g_PaintManagerHolder->PaintBarGradientBackground(expected.dc, pButton, 0);
    pButton->SetStyle(nStyle | TBBS_PRESSED | TBBS_CHECKED | TBBS_CHECKBOX);
    pButton->PaintButton(expected.dc, true);
    pButton->SetStyle(nStyle);
    DibCanvas idle(rcClient.Width(), rcClient.Height(), RGB(255, 0, 255));
    g_PaintManagerHolder->PaintBarGradientBackground(idle.dc, pButton, 0);
    pButton->PaintButton(idle.dc, true);
    int nSame = 0, nPushedLook = 0;
    for (int y = rcButton.top; y < rcButton.bottom; y++)
        for (int x = rcButton.left; x < rcButton.right; x++)
        {
            nSame += canvas.At(x, y) == expected.At(x, y) ? 1 : 0;
            nPushedLook += idle.At(x, y) != expected.At(x, y) ? 1 : 0;
        }
    EXPECT_EQ(nSame, rcButton.Width() * rcButton.Height());
    EXPECT_GT(nPushedLook, 10);
    Bar().m_nBtnIdxMenuTracking = -1;
    popup.DestroyWindow();
}

TEST_F(ToolBarPaint, AChevronWithNothingToOfferPaintsInactive)
{
    Create(new CExtPaintManagerXP);
    Bar().m_bShowChevron = true;
    m_pFrame->RecalcLayout();
    // Room for every button beside the chevron.
    CRect rcWnd;
    Bar().GetWindowRect(&rcWnd);
    Bar().SetWindowPos(nullptr, 0, 0, 800, rcWnd.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Bar().RecalcButtonPositions();
    CExtBarContentExpandButton* pChevron = Bar().GetRightButton();
    ASSERT_EQ(pChevron->GetButtonsCount(), 0);
    // The layout shows no chevron with an empty list; shown all the same, it paints as follows.
    EXPECT_FALSE(pChevron->IsVisible());
    CRect rcClient;
    Bar().GetClientRect(&rcClient);
    const CRect rc(rcClient.right - Bar().m_cxRightBorder - 11, rcClient.top, rcClient.right - Bar().m_cxRightBorder,
                   rcClient.bottom);
    pChevron->SetRect(rc);
    pChevron->SetVisible(true);
    auto Pixels = [&]() {
        const std::vector<DWORD> px = Capture();
        std::vector<DWORD> part;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                part.push_back(At(px, x, y));
        return part;
    };
    const std::vector<DWORD> idle = Pixels();
    pChevron->SetHover(true);
    // With the panels menu on offer the hover shows.
    EXPECT_NE(Pixels(), idle);
    // Without it and without hidden buttons the chevron stays inactive.
    Bar().m_nBarFlags &= ~CExtToolControlBar::kBarFlagPanelsMenu;
    EXPECT_EQ(Pixels(), idle);
    pChevron->SetHover(false);
}

namespace
{
// The tool bar on the shown host: what its frame's window surface holds, read against a full repaint.
class ToolBarPaintScreen : public ToolBarPaint
{
protected:
    // The frame's client pixels as they are on its surface now (pending paints done, nothing invalidated).
    std::unique_ptr<DibCanvas> Surface()
    {
        ::RedrawWindow(m_hFrame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return ReadClientSurface(m_hFrame);
    }
    // Pixels of the bar's row (its dock bar) that differ between what the surface holds once the frame's
    // thread is idle and a full repaint of the frame and its children.
    int StalePixels()
    {
        EXPECT_TRUE(WaitFor([] { return HIWORD(::GetQueueStatus(QS_PAINT | QS_POSTMESSAGE | QS_TIMER)) == 0; }));
        const std::unique_ptr<DibCanvas> now = Surface();
        ::RedrawWindow(m_hFrame, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const std::unique_ptr<DibCanvas> fresh = Surface();
        CRect rcRow;
        Bar().GetParent()->GetWindowRect(&rcRow);
        ::ScreenToClient(m_hFrame, &rcRow.TopLeft());
        ::ScreenToClient(m_hFrame, &rcRow.BottomRight());
        rcRow &= CRect(0, 0, now->Width(), now->Height());
        int n = 0;
        for (int y = rcRow.top; y < rcRow.bottom; y++)
            for (int x = rcRow.left; x < rcRow.right; x++)
                n += now->At(x, y) != fresh->At(x, y);
        return n;
    }
    void ShowAt(int cx)
    {
        m_pFrame->SetWindowPos(nullptr, 0, 0, cx, 480, SWP_NOMOVE | SWP_NOZORDER);
        m_pFrame->ShowWindow(SW_SHOWNORMAL);
        m_pFrame->SetForegroundWindow();
        m_pFrame->RecalcLayout();
        PumpMessages();
    }
    // Floats the bar by a drag of its gripper into the view, docks it back at the top, and lets the frame
    // lay out once more, as it does after any size change of a bar.
    void FloatAndDockBack()
    {
        CRect rcWnd;
        Bar().GetWindowRect(&rcWnd);
        const CRect rcCaption = Bar().GetCaptionRect();
        ASSERT_FALSE(rcCaption.IsRectEmpty());
        const CPoint ptGrip(rcWnd.left + rcCaption.CenterPoint().x, rcWnd.top + rcCaption.CenterPoint().y);
        CRect rcView;
        m_pFrame->m_wndView.GetWindowRect(&rcView);
        RunInputScript([&]() { SendMouseDrag(ptGrip, rcView.CenterPoint()); });
        ASSERT_TRUE(WaitFor([&]() { return CExtControlBar::IsFloating(&Bar()); }));
        m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        ASSERT_TRUE(WaitFor([&]() { return CExtControlBar::IsDockedAtTop(&Bar()); }));
        PumpMessages();
        m_pFrame->RecalcLayout();
    }
    // The chevron shows exactly while it holds hidden buttons.
    void ExpectChevronMatchesItsList()
    {
        CExtBarContentExpandButton* pChevron = Bar().GetRightButton();
        ASSERT_NE(pChevron, nullptr);
        EXPECT_EQ(pChevron->IsVisible(), pChevron->HasHiddenButtons());
    }
    int VisibleButtons()
    {
        int n = 0;
        for (int i = 0; i < Bar().GetButtonsCount() - 1; i++)
            n += Bar().GetButton(i)->IsVisible() ? 1 : 0;
        return n;
    }
};
} // namespace

TEST_F(ToolBarPaintScreen, AfterAFloatAndADockBackTheBarsRowShowsWhatAFullRepaintShows)
{
    Create(nullptr);
    Bar().m_bShowChevron = true;
    // Wide enough for every button in one row: no chevron, nothing hidden.
    ShowAt(900);
    FloatAndDockBack();
    EXPECT_EQ(VisibleButtons(), 30);
    ExpectChevronMatchesItsList();
    EXPECT_EQ(StalePixels(), 0);
    // Narrower: the buttons wrap into two rows and nothing is hidden.
    ShowAt(420);
    FloatAndDockBack();
    EXPECT_TRUE(Bar().IsFullRowBar());
    EXPECT_EQ(VisibleButtons(), 30);
    ExpectChevronMatchesItsList();
    EXPECT_EQ(StalePixels(), 0);
    // One row narrowed below its buttons: the chevron holds the rest, and goes when the row is wide again.
    ShowAt(900);
    for (int i = 0; i < Bar().GetButtonsCount(); i++)
        Bar().GetButton(i)->SetWrap(CExtToolControlBar::kOrientHorzDocked, false);
    CRect rcBar;
    Bar().GetWindowRect(&rcBar);
    const int cxFull = rcBar.Width();
    Bar().SetWindowPos(nullptr, 0, 0, 260, rcBar.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Bar().GetRightButton()->HasHiddenButtons());
    ExpectChevronMatchesItsList();
    EXPECT_EQ(StalePixels(), 0);
    Bar().SetWindowPos(nullptr, 0, 0, cxFull, rcBar.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(VisibleButtons(), 30);
    ExpectChevronMatchesItsList();
    EXPECT_EQ(StalePixels(), 0);
}

TEST_F(ToolBarPaintScreen, AButtonsMovedOrHiddenByALayoutPassLeaveNothingBehind)
{
    Create(nullptr);
    ShowAt(900);
    ASSERT_EQ(StalePixels(), 0);
    // The bar keeps its size; a wrap after the fifth button moves the rest onto a second row, and the bar's
    // own layout pass places them there.
    Bar().GetButton(5)->SetWrap(CExtToolControlBar::kOrientHorzDocked, true);
    const CRect rcBefore = Bar().GetButton(6)->GetRect();
    Bar().RecalcButtonPositions();
    ASSERT_NE(Bar().GetButton(6)->GetRect(), rcBefore);
    EXPECT_EQ(StalePixels(), 0);
    // The same bar in one row again.
    Bar().GetButton(5)->SetWrap(CExtToolControlBar::kOrientHorzDocked, false);
    Bar().RecalcButtonPositions();
    EXPECT_EQ(Bar().GetButton(6)->GetRect(), rcBefore);
    EXPECT_EQ(StalePixels(), 0);
}
