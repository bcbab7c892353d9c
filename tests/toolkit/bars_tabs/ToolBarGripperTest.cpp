// The gripper of a tool bar docked at the top of the shown host: a line of dots down its height in each style
// that paints dots. Read from the screen, so the suite runs alone.
#include <gtest/gtest.h>
#include "ToolBarHost.h"
#include "tests/support/DibCanvas.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"

namespace
{
class ToolBarGripperScreen : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpMessages();
        g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    }
    // Shows the host in the style and copies the bar's window from the screen.
    void ShowIn(CExtPaintManager* pPM, DibCanvas& canvas)
    {
        m_pFrame = new CToolBarHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost(pPM));
        m_hFrame = m_pFrame->GetSafeHwnd();
        m_pFrame->ShowWindow(SW_SHOWNORMAL);
        m_pFrame->SetForegroundWindow();
        m_pFrame->RecalcLayout();
        m_pFrame->m_wndToolBar.RedrawWindow(nullptr, nullptr,
                                            RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
        CRect rcWnd;
        m_pFrame->m_wndToolBar.GetWindowRect(&rcWnd);
        HDC hScreen = ::GetDC(nullptr);
        ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, rcWnd.Width(), rcWnd.Height(), hScreen, rcWnd.left, rcWnd.top, SRCCOPY);
        ::ReleaseDC(nullptr, hScreen);
    }
    // Dots in the rectangle: top-left corners of the areas of dot pixels.
    template <class IsDot> static int CountDots(const DibCanvas& canvas, const CRect& rc, IsDot isDot)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += isDot(canvas.At(x, y)) && !isDot(canvas.At(x - 1, y)) && !isDot(canvas.At(x, y - 1));
        return n;
    }
    CToolBarHostFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};
} // namespace

TEST_F(ToolBarGripperScreen, AHorizontalBarsGripperShowsALineOfDotsDownItsHeightInEachDottedStyle)
{
    for (int nStyle : {0, 1, 2})
    {
        CExtPaintManager* pPM = nStyle == 0   ? static_cast<CExtPaintManager*>(new CExtPaintManagerXP)
                                : nStyle == 1 ? new CExtPaintManagerOffice2003
                                              : new CExtPaintManagerStudio2005;
        DibCanvas canvas(400, 80);
        ASSERT_NO_FATAL_FAILURE(ShowIn(pPM, canvas));
        const CRect rcCaption = m_pFrame->m_wndToolBar.GetCaptionRect();
        ASSERT_GT(rcCaption.Height(), rcCaption.Width() * 2) << nStyle;
        ASSERT_GT(rcCaption.left, 0);
        ASSERT_GT(rcCaption.top, 0);
        int nDots = 0;
        if (nStyle == 0)
        {
            // The shadow squares of the pattern ANDed over the face.
            const COLORREF clrDot = pPM->GetTranslatedColor(XCLR_FACE_NORMAL, &m_pFrame->m_wndToolBar) &
                                    pPM->GetTranslatedColor(COLOR_3DSHADOW, &m_pFrame->m_wndToolBar);
            nDots = CountDots(canvas, rcCaption, [&](COLORREF c) { return c == clrDot; });
        }
        else
        {
            const COLORREF clrDark = pPM->GetTranslatedColor(XCLR_O2003_03, &m_pFrame->m_wndToolBar);
            nDots = CountDots(canvas, rcCaption, [&](COLORREF c) { return c == clrDark; });
        }
        // One dot every 4 pixels down the gripper, less its ends.
        EXPECT_GE(nDots, (rcCaption.Height() - 8) / 4) << nStyle;
        EXPECT_LE(nDots, rcCaption.Height() / 4) << nStyle;
        m_pFrame->DestroyWindow();
        PumpMessages();
    }
}
