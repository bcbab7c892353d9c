// The balloon tip shown directly, the status texts a menu gives its owner frame, and when hover
// highlighting is allowed.
#include "PopupTestSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;
typedef CExtPopupMenuTipWnd T;

namespace
{
const COLORREF kBackground = RGB(90, 120, 200);

CRect WorkArea()
{
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromPoint(mp, CPoint(10, 10));
    return mp.m_rcWorkArea;
}
} // namespace

class PopupTipTest : public PopupTest
{
protected:
    void TearDown() override
    {
        m_tip.DestroyWindow();
        PopupTest::TearDown();
    }
    T m_tip;
};

TEST_F(PopupTipTest, VisibleOnlyAfterItsDelay)
{
    m_tip.SetText(L"  Membuka berkas  ");
    EXPECT_EQ(m_tip.GetText(), CString(L"Membuka berkas"));
    ASSERT_TRUE(m_tip.ShowTip(m_pFrame, CRect(300, 300, 420, 320)));
    EXPECT_FALSE(m_tip.IsWindowVisible());
    m_tip.OnTimerTipDelay();
    EXPECT_TRUE(m_tip.IsWindowVisible());
    m_tip.HideTip();
    EXPECT_FALSE(m_tip.IsWindowVisible());
}

TEST_F(PopupTipTest, HiddenBeforeItsDelayNeverShows)
{
    m_tip.SetText(L"Petunjuk");
    ASSERT_TRUE(m_tip.ShowTip(m_pFrame, CRect(300, 300, 420, 320)));
    m_tip.HideTip();
    // The delay timer is gone with the hide.
    EXPECT_FALSE(m_tip.KillTimer(CExtPopupBaseWnd::ID_TIMER_TIP_DELAY));
    Pump();
    EXPECT_FALSE(m_tip.IsWindowVisible());
}

TEST_F(PopupTipTest, NearTheTopLeftCornerTheBalloonFlipsBelowAndRight)
{
    const CRect rcArea = WorkArea();
    const CRect rcItem(rcArea.left + 2, rcArea.top + 2, rcArea.left + 80, rcArea.top + 22);
    m_tip.SetText(L"Petunjuk yang cukup panjang");
    ASSERT_TRUE(m_tip.ShowTip(m_pFrame, rcItem));
    EXPECT_EQ(m_tip.GetFlags(), T::TIP_FLAG_FLIP_RIGHT | T::TIP_FLAG_FLIP_BELOW);
    CRect rc;
    m_tip.GetWindowRect(&rc);
    EXPECT_GE(rc.left, rcArea.left);
    EXPECT_GE(rc.top, rcArea.top);
    EXPECT_GT(rc.bottom, rcItem.bottom);

    m_tip.SetText(L"Petunjuk");
    ASSERT_TRUE(m_tip.ShowTip(m_pFrame, CRect(600, 500, 680, 520)));
    EXPECT_EQ(m_tip.GetFlags(), 0);
    m_tip.GetWindowRect(&rc);
    EXPECT_LT(rc.top, 500);
}

TEST_F(PopupTipTest, EmptyTextStillShowsTheIconAndTheRegionHoldsTheInfoColour)
{
    CSolidWindow back(kBackground, CRect(640, 300, 1270, 1010));
    Pump();
    ASSERT_TRUE(WaitForScreenPixel(700, 350, kBackground));
    m_tip.SetText(L"   ");
    EXPECT_TRUE(m_tip.GetText().IsEmpty());
    ASSERT_TRUE(m_tip.ShowTip(m_pFrame, CRect(1000, 800, 1080, 820)));
    m_tip.OnTimerTipDelay();
    m_tip.UpdateWindow();
    CRect rc;
    m_tip.GetWindowRect(&rc);
    ASSERT_TRUE(WaitForScreenPixel(rc.right - 4, rc.top + (rc.Height() - T::TAIL_HEIGHT) / 2, kBackground, false));
    EXPECT_GE(rc.Width(), m_tip.m_nIconWidth + 2 * T::MARGIN_X);
    const COLORREF clrInfo = g_PaintManagerHolder->GetTranslatedColor(COLOR_INFOBK);
    // Inside the body, right of the icon; the corner outside the rounded body shows the screen. The
    // screen is read until it shows them and the icon.
    const int yBody = rc.top + (rc.Height() - T::TAIL_HEIGHT) / 2;
    COLORREF clrBody = 0, clrTopLeft = 0, clrBottomLeft = 0;
    int nIconPixels = 0;
    WaitForScreen([&]() {
        clrBody = ScreenPixel(rc.right - 4, yBody);
        clrTopLeft = ScreenPixel(rc.left, rc.top);
        clrBottomLeft = ScreenPixel(rc.left + 2, rc.bottom - 2);
        nIconPixels = 0;
        for (int y = 0; y < m_tip.m_nIconHeight; ++y)
            for (int x = 0; x < m_tip.m_nIconWidth; ++x)
            {
                const COLORREF clr = ScreenPixel(rc.left + T::MARGIN_X + x, rc.top + T::MARGIN_Y + y);
                nIconPixels += clr != clrInfo ? 1 : 0;
            }
        return clrBody == clrInfo && clrTopLeft == kBackground && clrBottomLeft == kBackground && nIconPixels > 20;
    });
    EXPECT_EQ(clrBody, clrInfo);
    EXPECT_EQ(clrTopLeft, kBackground);
    EXPECT_EQ(clrBottomLeft, kBackground);
    EXPECT_GT(nIconPixels, 20);
}

class PopupStatusTest : public PopupTest
{};

TEST_F(PopupStatusTest, OwnerFrameGetsTheItemsPromptAndTheIdleMessage)
{
    AddCommand(SC_CLOSE, L"&Tutup");
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, SC_CLOSE});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    Recv().m_messageStrings.clear();
    pMenu->SetCurrentItem(0, false, false);
    ASSERT_FALSE(Recv().m_messageStrings.empty());
    EXPECT_EQ(Recv().m_messageStrings.back(), (UINT)ID_TEST_OPEN);
    pMenu->SetCurrentItem(1, false, false);
    EXPECT_EQ(Recv().m_messageStrings.back(), 0xEF06u);
    pMenu->ReleaseCurrentItem(false);
    EXPECT_EQ(Recv().m_messageStrings.back(), 0xE001u);
    pMenu->SetCurrentItem(0, false, false);
    Recv().m_messageStrings.clear();
    M::CancelMenuTracking();
    ASSERT_FALSE(Recv().m_messageStrings.empty());
    EXPECT_EQ(Recv().m_messageStrings.back(), 0xE001u);
}

TEST_F(PopupStatusTest, HoverIsAllowedOnlyInTheActiveWindowsTree)
{
    CSolidWindow top(kBackground, CRect(20, 20, 220, 220));
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, top.m_hWnd, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 300, 300, 50, 20, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hChild, nullptr);
    EXPECT_TRUE(M::IsHoverAllowed(hChild, top.m_hWnd));
    EXPECT_TRUE(M::IsHoverAllowed(top.m_hWnd, top.m_hWnd));
    EXPECT_FALSE(M::IsHoverAllowed(hChild, hOther));
    EXPECT_FALSE(M::IsHoverAllowed(hChild, nullptr));
    ::EnableWindow(hChild, FALSE);
    EXPECT_FALSE(M::IsHoverAllowed(hChild, top.m_hWnd));
    EXPECT_TRUE(M::IsHoverAllowed(hChild, top.m_hWnd, false));
    ::EnableWindow(hChild, TRUE);
    ::ShowWindow(hChild, SW_HIDE);
    EXPECT_FALSE(M::IsHoverAllowed(hChild, top.m_hWnd));
    ::ShowWindow(hChild, SW_SHOWNA);
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 400, 400));
    EXPECT_FALSE(M::IsHoverAllowed(hChild, top.m_hWnd));
    EXPECT_TRUE(M::IsHoverAllowed(hChild, top.m_hWnd, true, true, false));
    M::CancelMenuTracking();
    ::DestroyWindow(hOther);
}
