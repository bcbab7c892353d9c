// The control popup base: size with the left area, no animation, shadows only when switched on, the
// wheel without a control, and button presses and releases outside a top-level control popup.
#include "SpecialPopupTestSupport.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include <gtest/gtest.h>

typedef CExtPopupControlMenuWnd P;

class PopupControlTest : public SpecialPopupTest
{
protected:
    void TearDown() override
    {
        P::g_bShadowsOn = false;
        SpecialPopupTest::TearDown();
    }
    P* NewPopup()
    {
        auto* pPopup = new P;
        EXPECT_TRUE(pPopup->CreatePopupMenu(Frame()));
        pPopup->m_nControlWidth = 120;
        pPopup->m_nControlHeight = 70;
        return pPopup;
    }
};

TEST_F(PopupControlTest, ContentGrowsByExactlyTheLeftAreaWidth)
{
    P* pPopup = NewPopup();
    CSize size, sizeWithArea;
    pPopup->CalcWindowSize(size);
    const int s = pPopup->GetShadowSize();
    EXPECT_EQ(size, CSize(120 + 2 * 2 + s, 70 + 2 * 2 + s));
    pPopup->SetLeftAreaWidth(23);
    pPopup->CalcWindowSize(sizeWithArea);
    EXPECT_EQ(sizeWithArea, CSize(size.cx + 23, size.cy));
    RECT rc;
    pPopup->GetControlRect(rc);
    EXPECT_EQ(CRect(rc), CRect(23 + 2, 2, 23 + 2 + 120, 2 + 70));
    delete pPopup;
}

TEST_F(PopupControlTest, OpensWithoutAnimationAndWithoutShadowUnlessSwitchedOn)
{
    CExtPopupMenuWnd::g_nDefaultAnimation = CExtPopupBaseWnd::ANIM_FADE;
    P* pPopup = NewPopup();
    ASSERT_TRUE(pPopup->TrackPopupMenu(0, 600, 300));
    EXPECT_EQ(pPopup->m_nAnimationKind, CExtPopupBaseWnd::ANIM_INSTANT);
    EXPECT_FALSE(pPopup->IsShadowEnabled());
    P::g_bShadowsOn = true;
    EXPECT_TRUE(pPopup->IsShadowEnabled());
    EXPECT_EQ(pPopup->GetControlWnd(), nullptr);
}

TEST_F(PopupControlTest, WithoutAControlTheWheelIsEaten)
{
    P* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    MOUSEHOOKSTRUCTEX mhs = {};
    mhs.mouseData = MAKELONG(0, WHEEL_DELTA);
    LRESULT lResult = 0;
    EXPECT_TRUE(pPopup->OnMouseWheel(WM_MOUSEWHEEL, (LPARAM)&mhs, lResult));
    bool bPassOn = false;
    EXPECT_FALSE(pPopup->HandleKey(VK_DOWN, 1, 0, bPassOn));
}

TEST_F(PopupControlTest, APressOutsideATopLevelControlPopupClosesItAReleaseDoesNot)
{
    P* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup, 600, 300));
    bool bPassOn = false;
    EXPECT_TRUE(pPopup->HandleMouseClick(WM_LBUTTONUP, -200, -100, bPassOn));
    EXPECT_TRUE(pPopup->HandleMouseClick(WM_RBUTTONUP, -200, -100, bPassOn));
    Pump();
    ASSERT_FALSE(Site().IsEmpty());
    EXPECT_TRUE(::IsWindowVisible(pPopup->GetSafeHwnd()));
    EXPECT_FALSE(pPopup->HandleMouseClick(WM_LBUTTONDOWN, -200, -100, bPassOn));
    Pump();
    EXPECT_TRUE(Site().IsEmpty());
}
