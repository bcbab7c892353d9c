// The opening animation driven by calling the frame timer and composing frames with known screen
// and image pixels: fade steps, the random kind, edges that stay at the owner, palette displays.
#include "PopupTestSupport.h"
#include "platform/Dc.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;
typedef CExtPopupBaseWnd B;

namespace
{
const COLORREF kScreen = 0x00000000;
const COLORREF kImage = 0x00C8C8C8; // 200 in each channel
} // namespace

class PopupAnimationTest : public PopupTest
{
protected:
    // A shown menu whose animation is set up as kind, with its three pixel buffers made and
    // filled with known pixels.
    CCountedPopup* Prepare(int nKind, int nCombinedSide = M::COMBINE_NONE)
    {
        CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT});
        EXPECT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
        pMenu->KillTimer(B::ID_TIMER_ANIMATION);
        pMenu->m_nAnimationKind = nKind;
        pMenu->SetupAnimation();
        pMenu->m_dwAnimStartTick = ::GetTickCount();
        EXPECT_FALSE(pMenu->IsAnimationFinished());
        m_dc.CreateCompatibleDC(nullptr);
        CRect rc;
        pMenu->GetClientRect(&rc);
        m_bmp.CreateBitmap(rc.Width(), rc.Height(), 1, 32, nullptr);
        m_hOld = ::SelectObject(m_dc.GetSafeHdc(), (HBITMAP)m_bmp);
        pMenu->PaintAnimationFrame(m_dc);
        EXPECT_NE(pMenu->m_pImageBits, nullptr);
        m_cx = rc.Width();
        m_cy = rc.Height();
        std::fill(pMenu->m_pScreenBits, pMenu->m_pScreenBits + m_cx * m_cy, kScreen);
        std::fill(pMenu->m_pImageBits, pMenu->m_pImageBits + m_cx * m_cy, kImage);
        pMenu->m_nCombinedSide = nCombinedSide;
        return pMenu;
    }
    void TearDown() override
    {
        if (m_hOld != nullptr)
            ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        PopupTest::TearDown();
    }
    COLORREF Work(CCountedPopup* pMenu, int x, int y) { return pMenu->m_pWorkBits[y * m_cx + x]; }
    CDC m_dc;
    CBitmap m_bmp;
    HGDIOBJ m_hOld = nullptr;
    int m_cx = 0;
    int m_cy = 0;
};

TEST_F(PopupAnimationTest, FadeShowsTwentyPercentStepsAndFinishesOnTheSixthTick)
{
    CCountedPopup* pMenu = Prepare(B::ANIM_FADE);
    const CPoint pt = pMenu->GetClientRectStored().CenterPoint();
    for (int k = 1; k <= 5; ++k)
    {
        pMenu->OnTimerAnimation();
        ASSERT_FALSE(pMenu->IsAnimationFinished()) << "tick " << k;
        EXPECT_EQ(pMenu->m_nAnimPercent, 20 * k);
        pMenu->PaintAnimationFrame(m_dc);
        const int nExpected = 200 * 20 * k / 100;
        EXPECT_EQ(Work(pMenu, pt.x, pt.y), (COLORREF)RGB(nExpected, nExpected, nExpected)) << "tick " << k;
        EXPECT_EQ(::GetPixel(m_dc.GetSafeHdc(), pt.x, pt.y), (COLORREF)RGB(nExpected, nExpected, nExpected));
    }
    pMenu->OnTimerAnimation();
    EXPECT_TRUE(pMenu->IsAnimationFinished());
    EXPECT_EQ(pMenu->m_pImageBits, nullptr);
    EXPECT_EQ(pMenu->m_nAnimationKind, M::g_nDefaultAnimation);
    EXPECT_EQ(Site().GetAnimatingPopup(), nullptr);
}

TEST_F(PopupAnimationTest, RandomKindNeverYieldsNoneOrRandom)
{
    CExtPopupMenuWnd menu;
    for (int i = 0; i < 300; ++i)
    {
        menu.m_nAnimationKind = B::ANIM_RANDOM;
        menu.SetupAnimation();
        EXPECT_GE(menu.m_nAnimationKind, B::ANIM_SLIDE);
        EXPECT_LE(menu.m_nAnimationKind, B::ANIM_HOLES);
    }
    menu.m_nAnimationKind = 42;
    menu.SetupAnimation();
    EXPECT_EQ(menu.m_nAnimationKind, B::ANIM_NONE);
    EXPECT_TRUE(menu.IsAnimationFinished());
}

TEST_F(PopupAnimationTest, SlideAndUnfoldKeepTheEdgeTowardsTheOwner)
{
    struct Case
    {
        int nKind;
        int nSide;
    };
    for (Case c : {Case{B::ANIM_SLIDE, M::COMBINE_LEFT_OF}, Case{B::ANIM_UNFOLD, M::COMBINE_LEFT_OF},
                   Case{B::ANIM_SLIDE, M::COMBINE_ABOVE}, Case{B::ANIM_UNFOLD, M::COMBINE_ABOVE},
                   Case{B::ANIM_SLIDE, M::COMBINE_NONE}, Case{B::ANIM_UNFOLD, M::COMBINE_NONE}})
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.nKind << " side " << c.nSide);
        CCountedPopup* pMenu = Prepare(c.nKind, c.nSide);
        pMenu->m_nAnimPercent = 20;
        pMenu->ComposeAnimationFrame(m_cx, m_cy);
        const CRect rc = pMenu->GetClientRectStored();
        const CPoint ptTopLeft(rc.left, rc.top), ptTopRight(rc.right - 1, rc.top);
        const CPoint ptBottomLeft(rc.left, rc.bottom - 1), ptBottomRight(rc.right - 1, rc.bottom - 1);
        CPoint ptFixed = ptTopLeft, ptMoving = ptBottomRight;
        if (c.nSide == M::COMBINE_LEFT_OF)
        {
            ptFixed = ptTopRight;
            ptMoving = ptBottomLeft;
        }
        else if (c.nSide == M::COMBINE_ABOVE)
        {
            ptFixed = ptBottomLeft;
            ptMoving = ptTopRight;
        }
        EXPECT_EQ(Work(pMenu, ptFixed.x, ptFixed.y), kImage);
        EXPECT_EQ(Work(pMenu, ptMoving.x, ptMoving.y), kScreen);
        M::CancelMenuTracking();
        ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        m_hOld = nullptr;
        m_bmp.DeleteObject();
        m_dc.DeleteDC();
    }
}

TEST_F(PopupAnimationTest, PaletteDisplayRunsNoAnimationButTheInstantAndExpandKinds)
{
    CExtPaintManager::SetBitsPerPixelOverride(8);
    CExtPopupMenuWnd menu;
    for (int nKind : {B::ANIM_FADE, B::ANIM_SLIDE, B::ANIM_RANDOM, B::ANIM_HOLES})
    {
        menu.m_nAnimationKind = nKind;
        menu.SetupAnimation();
        EXPECT_EQ(menu.m_nAnimationKind, B::ANIM_NONE);
        EXPECT_TRUE(menu.IsAnimationFinished());
    }
    for (int nKind : {B::ANIM_INSTANT, B::ANIM_EXPAND})
    {
        menu.m_nAnimationKind = nKind;
        menu.SetupAnimation();
        EXPECT_EQ(menu.m_nAnimationKind, nKind);
        EXPECT_FALSE(menu.IsAnimationFinished());
    }
}

TEST_F(PopupAnimationTest, TilesAndHolesGoFromTheScreenToTheImage)
{
    for (int nKind : {B::ANIM_TILES, B::ANIM_HOLES, B::ANIM_FADE})
    {
        SCOPED_TRACE(nKind);
        CCountedPopup* pMenu = Prepare(nKind);
        const CRect rc = pMenu->GetClientRectStored();
        pMenu->m_nAnimPercent = 0;
        pMenu->ComposeAnimationFrame(m_cx, m_cy);
        int nImage0 = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nImage0 += Work(pMenu, x, y) == kImage ? 1 : 0;
        pMenu->m_nAnimPercent = 100;
        pMenu->ComposeAnimationFrame(m_cx, m_cy);
        int nImage100 = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nImage100 += Work(pMenu, x, y) == kImage ? 1 : 0;
        EXPECT_LT(nImage0, rc.Width() * rc.Height() / 3);
        EXPECT_EQ(nImage100, rc.Width() * rc.Height());
        M::CancelMenuTracking();
        ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        m_hOld = nullptr;
        m_bmp.DeleteObject();
        m_dc.DeleteDC();
    }
}
