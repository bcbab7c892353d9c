// Painting of a docked bar, read back from the screen: the client face and the caption that
// follows the keyboard focus.
#include <gtest/gtest.h>
#include "DockingHost.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

namespace
{
class ControlBarPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost(60, 60, 640, 480, true));
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    // Whether the screen shows clr just inside the caption's left end (the screen follows the
    // window's drawing with a delay: waits for it, bounded).
    static bool CaptionShows(CExtControlBar* pBar, COLORREF clr)
    {
        pBar->SendMessage(WM_NCPAINT);
        const CRect rcWnd = WindowRectOf(pBar);
        const CRect rc = pBar->GetCaptionRect();
        const CPoint pt(rcWnd.left + rc.left + 4, rcWnd.top + rc.top + 2);
        return WaitFor([&]() { return ScreenPixel(pt.x, pt.y) == clr; });
    }
    CDockingHostFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(ControlBarPaint, TheClientAreaShowsTheBarFaceColour)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CExtControlBar bar;
    ASSERT_TRUE(bar.Create(L"Empty", m_pFrame, 0xA1F1));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    ShowAndPaint(m_pFrame);
    bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    const CRect rc = ClientScreenRectOf(&bar);
    ASSERT_FALSE(rc.IsRectEmpty());
    const COLORREF clrFace = g_PaintManagerHolder->GetTranslatedColor(1000, &bar);
    EXPECT_TRUE(WaitFor([&]() { return ScreenPixel(rc.CenterPoint().x, rc.CenterPoint().y) == clrFace; }));
    EXPECT_EQ(ScreenPixel(rc.left + 1, rc.bottom - 2), clrFace);
    bar.DestroyWindow();
}

TEST_F(ControlBarPaint, TheCaptionFollowsTheFocusAfterAnIdlePass)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pBar, nullptr);
    ShowAndPaint(m_pFrame);
    m_pFrame->m_wndView.SetFocus();
    AfxGetThread()->OnIdle(0);
    EXPECT_TRUE(CaptionShows(pBar, ::GetSysColor(COLOR_INACTIVECAPTION)));
    pBar->m_wndChild.SetFocus();
    AfxGetThread()->OnIdle(0);
    EXPECT_NE(pBar->m_bfRuntimeState & CExtControlBar::kStateFocus, 0);
    EXPECT_TRUE(CaptionShows(pBar, ::GetSysColor(COLOR_ACTIVECAPTION)));
    m_pFrame->m_wndView.SetFocus();
    AfxGetThread()->OnIdle(0);
    EXPECT_TRUE(CaptionShows(pBar, ::GetSysColor(COLOR_INACTIVECAPTION)));
}

// The caption's text lies inside its background, clear of the caption's left end.
TEST_F(ControlBarPaint, TheCaptionTextStartsInsideTheCaptionBackground)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pBar, nullptr);
    ShowAndPaint(m_pFrame);
    m_pFrame->m_wndView.SetFocus();
    AfxGetThread()->OnIdle(0);
    const COLORREF clrBack = ::GetSysColor(COLOR_INACTIVECAPTION);
    ASSERT_TRUE(CaptionShows(pBar, clrBack));
    const CRect rcWnd = WindowRectOf(pBar);
    CRect rc = pBar->GetCaptionRect();
    rc.OffsetRect(rcWnd.TopLeft());
    // Leftmost column of the background and of the text (neither background nor frame face).
    const COLORREF clrFace = ScreenPixel(rc.left, rc.top + rc.Height() / 2);
    int nBackLeft = -1, nInkLeft = -1;
    for (int x = rc.left; x < rc.left + 40 && (nBackLeft < 0 || nInkLeft < 0); x++)
        for (int y = rc.top; y < rc.bottom; y++)
        {
            const COLORREF clr = ScreenPixel(x, y);
            if (clr == clrBack && nBackLeft < 0)
                nBackLeft = x;
            if (clr != clrBack && clr != clrFace && nInkLeft < 0 && nBackLeft >= 0)
                nInkLeft = x;
        }
    ASSERT_GE(nBackLeft, 0);
    ASSERT_GE(nInkLeft, 0);
    EXPECT_GE(nInkLeft, nBackLeft + 1);
    // The first letter's stem: a column of text from the caption's top third to its bottom third.
    int nStem = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        nStem += ScreenPixel(nInkLeft, y) != clrBack && ScreenPixel(nInkLeft, y) != clrFace;
    EXPECT_GE(nStem, rc.Height() / 3);
}
