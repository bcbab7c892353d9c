// Painting read back from the screen over a solid-colour window, read until the screen shows the
// pixels checked: the shadow's darkening and its cache, a combined popup's region and shadow, items
// painted by the receiver, and the pattern shadow of palette displays.
#include "PopupTestSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupShadow.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

namespace
{
const COLORREF kBackground = RGB(200, 160, 120);
} // namespace

class PopupPaintTest : public PopupTest
{
protected:
    void SetUp() override
    {
        PopupTest::SetUp();
        m_pBack = new CSolidWindow(kBackground, CRect(640, 300, 1270, 1010));
        Pump();
        ASSERT_TRUE(WaitForScreenPixel(700, 350, kBackground)) << "the background window is not on the screen";
    }
    void TearDown() override
    {
        PopupTest::TearDown();
        delete m_pBack;
    }
    // Tracks the menu and paints it finished; its painting starts to show on the screen.
    CCountedPopup* Show(CCountedPopup* pMenu, UINT nFlags = 0, LPCRECT pExclude = nullptr, int x = 760, int y = 420)
    {
        EXPECT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION | nFlags, x, y, pExclude));
        pMenu->OnTimerAnimation();
        EXPECT_TRUE(pMenu->IsAnimationFinished());
        pMenu->UpdateWindow();
        const CPoint pt = ClientOnScreen(pMenu).CenterPoint();
        EXPECT_TRUE(WaitForScreenPixel(pt.x, pt.y, kBackground, false)) << "the menu is not on the screen";
        return pMenu;
    }
    // The stored client rectangle in screen coordinates.
    static CRect ClientOnScreen(CExtPopupMenuWnd* pMenu)
    {
        CRect rc = pMenu->GetClientRectStored();
        pMenu->ClientToScreen(&rc);
        return rc;
    }
    static COLORREF Expected(int nPercent)
    {
        return CExtPopupShadow::DarkenPixel(kBackground, nPercent, g_PaintManagerHolder->GetMenuShadowColor(nullptr));
    }
    CSolidWindow* m_pBack = nullptr;
};

TEST_F(PopupPaintTest, ShadowDarkensTheScreenByItsFormula)
{
    ASSERT_EQ(ScreenPixel(1200, 950), kBackground) << "the background window is not on the screen";
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT}));
    const int n = pMenu->GetShadowSize();
    ASSERT_EQ(n, 4);
    const CRect rc = ClientOnScreen(pMenu);
    const int yMid = rc.CenterPoint().y;
    const int xMid = rc.CenterPoint().x;
    const std::vector<ScreenCheck> checks = {
        {CPoint(rc.right, yMid), Expected(75), true},
        {CPoint(rc.right + 3, yMid), Expected(75 + 3 * 25 / 4), true},
        {CPoint(xMid, rc.bottom), Expected(75), true},
        {CPoint(xMid, rc.bottom + 2), Expected(75 + 2 * 25 / 4), true},
        // No shadow beyond its size, none at the top of the right strip.
        {CPoint(rc.right + n, yMid), kBackground, true},
        {CPoint(rc.right, rc.top + 1), kBackground, true},
        // Rounded corner: the pixel diagonal to the bottom-right corner at distance (3, 3) lies
        // outside the quarter circle of radius 4.
        {CPoint(rc.right + 3, rc.bottom + 3), kBackground, true},
        {CPoint(rc.right + 1, rc.bottom + 1), Expected(75 + 1 * 25 / 4), true},
    };
    const std::vector<COLORREF> shown = ReadScreenUntilShown(checks);
    for (size_t i = 0; i < checks.size(); ++i)
        EXPECT_EQ(shown[i], checks[i].clr) << "at " << checks[i].pt.x - rc.left << ", " << checks[i].pt.y - rc.top;
}

TEST_F(PopupPaintTest, NothingOfTheScreenShowsThroughTheMenu)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, 0, ID_TEST_SAVE, ID_TEST_EXIT}));
    const CRect rc = ClientOnScreen(pMenu);
    std::vector<ScreenCheck> checks;
    for (int y = rc.top; y < rc.bottom; ++y)
        checks.push_back({CPoint(rc.CenterPoint().x, y), kBackground, false});
    const std::vector<COLORREF> shown = ReadScreenUntilShown(checks);
    for (int y = rc.top; y < rc.bottom; ++y)
        ASSERT_NE(shown[y - rc.top], kBackground) << "row " << y - rc.top;
}

TEST_F(PopupPaintTest, SecondPaintDoesNotDarkenTwice)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    const CRect rc = ClientOnScreen(pMenu);
    const CPoint pt(rc.right + 1, rc.CenterPoint().y);
    WaitForScreenPixel(pt.x, pt.y, Expected(75 + 25 / 4));
    const COLORREF clrFirst = ScreenPixel(pt.x, pt.y);
    pMenu->Invalidate(FALSE);
    pMenu->UpdateWindow();
    pMenu->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The screen is read once it shows what the last paint put there.
    const COLORREF clrPainted = WindowPixel(pMenu->GetSafeHwnd(), pt);
    EXPECT_TRUE(WaitForScreenPixel(pt.x, pt.y, clrPainted)) << "the screen never showed the second paint";
    EXPECT_EQ(ScreenPixel(pt.x, pt.y), clrFirst);
    EXPECT_EQ(clrFirst, Expected(75 + 25 / 4));
}

TEST_F(PopupPaintTest, CombinedPopupKeepsItsOwnerFreeOfShadowAndJoinsItInItsRegion)
{
    const CRect rcOwner(900, 500, 980, 524);
    CCountedPopup* pMenu =
        Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}), M::TRACK_ALIGN_BELOW | M::TRACK_COMBINE, &rcOwner, 0, 0);
    ASSERT_EQ(pMenu->GetCombinedSide(), M::COMBINE_BELOW);
    CRect rcWindow;
    pMenu->GetWindowRect(&rcWindow);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(pMenu->GetSafeHwnd(), (HRGN)rgn.GetSafeHandle()), ERROR);
    const CRect rcClient = ClientOnScreen(pMenu);
    auto inRegion = [&](CPoint pt) { return rgn.PtInRegion(pt.x - rcWindow.left, pt.y - rcWindow.top) != FALSE; };
    EXPECT_TRUE(inRegion(rcOwner.CenterPoint()));
    EXPECT_TRUE(inRegion(rcClient.CenterPoint()));
    EXPECT_FALSE(inRegion(CPoint(rcWindow.right - 1, rcOwner.top)));
    // The owner's inside shows what was there; its own shadow falls right of it.
    const std::vector<ScreenCheck> checks = {
        {rcOwner.CenterPoint(), kBackground, true},
        {CPoint(rcOwner.right + 1, rcOwner.CenterPoint().y), kBackground, true},
        {CPoint(rcClient.right, rcClient.CenterPoint().y), Expected(75), true},
    };
    const std::vector<COLORREF> shown = ReadScreenUntilShown(checks);
    EXPECT_EQ(shown[0], kBackground);
    EXPECT_EQ(shown[1], kBackground);
    EXPECT_EQ(shown[2], Expected(75));
}

TEST_F(PopupPaintTest, ReceiverPaintsItsItemAlone)
{
    Recv().m_nOwnerDrawCmd = ID_TEST_SAVE;
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT}), M::TRACK_OWNER_DRAW);
    CRect rcSave, rcOpen;
    pMenu->GetItemRect(1, rcSave, false);
    pMenu->GetItemRect(0, rcOpen, false);
    pMenu->ClientToScreen(&rcSave);
    pMenu->ClientToScreen(&rcOpen);
    // The Open item is read once the menu's face shows there.
    const std::vector<ScreenCheck> checks = {
        {CPoint(rcSave.left + 2, rcSave.CenterPoint().y), Recv().m_clrOwnerDraw, true},
        {CPoint(rcSave.right - 2, rcSave.top), Recv().m_clrOwnerDraw, true},
        {CPoint(rcOpen.left + 2, rcOpen.CenterPoint().y), Recv().m_clrOwnerDraw, false},
        {CPoint(rcOpen.left + 2, rcOpen.CenterPoint().y), kBackground, false},
    };
    const std::vector<COLORREF> shown = ReadScreenUntilShown(checks);
    EXPECT_EQ(shown[0], Recv().m_clrOwnerDraw);
    EXPECT_EQ(shown[1], Recv().m_clrOwnerDraw);
    EXPECT_NE(shown[2], Recv().m_clrOwnerDraw);
    EXPECT_NE(shown[3], kBackground);
}

TEST_F(PopupPaintTest, WithoutOwnerDrawFlagTheReceiverIsNotAsked)
{
    Recv().m_nOwnerDrawCmd = ID_TEST_SAVE;
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    CRect rcSave;
    pMenu->GetItemRect(1, rcSave, false);
    pMenu->ClientToScreen(&rcSave);
    // Read once the menu's face shows there.
    const CPoint pt(rcSave.left + 2, rcSave.CenterPoint().y);
    const std::vector<COLORREF> shown =
        ReadScreenUntilShown({{pt, Recv().m_clrOwnerDraw, false}, {pt, kBackground, false}});
    EXPECT_NE(shown[0], Recv().m_clrOwnerDraw);
    EXPECT_NE(shown[1], kBackground);
}

TEST_F(PopupPaintTest, PaletteDisplayGetsThePatternShadowAndNoAnimation)
{
    CExtPaintManager::SetBitsPerPixelOverride(8);
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT});
    ASSERT_TRUE(pMenu->TrackPopupMenu(0, 760, 420));
    EXPECT_EQ(pMenu->m_nAnimationKind, CExtPopupBaseWnd::ANIM_INSTANT);
    pMenu->OnTimerAnimation();
    pMenu->UpdateWindow();
    const CPoint ptMenu = ClientOnScreen(pMenu).CenterPoint();
    EXPECT_TRUE(WaitForScreenPixel(ptMenu.x, ptMenu.y, kBackground, false));
    const CRect rc = ClientOnScreen(pMenu);
    int nBlack = 0, nKept = 0, nOther = 0;
    WaitForScreen([&]() {
        nBlack = nKept = nOther = 0;
        for (int y = rc.CenterPoint().y - 4; y < rc.CenterPoint().y + 4; ++y)
            for (int x = rc.right; x < rc.right + 4; ++x)
            {
                const COLORREF clr = ScreenPixel(x, y);
                if (clr == RGB(0, 0, 0))
                    ++nBlack;
                else if (clr == kBackground)
                    ++nKept;
                else
                    ++nOther;
            }
        return nBlack == 8 && nKept == 24 && nOther == 0;
    });
    EXPECT_EQ(nBlack, 8);
    EXPECT_EQ(nKept, 24);
    EXPECT_EQ(nOther, 0);
}
