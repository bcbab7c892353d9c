// The Office 2003 gradient behind a tool-bar button: on a vertically docked bar a colour button gets no frame.
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarColorButton.h"
#include "toolkit/foundation/BarMenuPainterSupport.h"
#include <gtest/gtest.h>

using namespace barmenupainters;

TEST(ToolBarColorButtonGradient, AColourButtonOnAVerticalBarGetsTheGradientWithoutTheFrame)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto pm = Make(5);
    const COLORREF kWhite = RGB(255, 255, 255);
    const COLORREF clrFrame = pm->GetTranslatedColor(XCLR_SHADOW_ALT);
    CExtBarButton plain(&bars.m_barLeft, 100);
    CExtBarColorButton colour(&bars.m_barLeft, 101, 0, RGB(200, 0, 0), RGB(0, 0, 0));
    for (CExtBarButton* p : {&plain, static_cast<CExtBarButton*>(&colour)})
    {
        p->SetRect(CRect(2, 2, 26, 26));
        DibCanvas c(30, 30, kWhite);
        pm->PaintBarGradientBackground(c.dc, p, 0);
        EXPECT_TRUE(painthost::Near(c.At(14, 24), pm->GetTranslatedColor(XCLR_O2003_17), 6));
        EXPECT_TRUE(painthost::Near(c.At(14, 3), pm->GetTranslatedColor(XCLR_O2003_15), 6));
        EXPECT_EQ(c.At(2, 14), p == &plain ? clrFrame : kWhite);
        EXPECT_EQ(c.At(25, 25), p == &plain ? clrFrame : kWhite);
    }
}
