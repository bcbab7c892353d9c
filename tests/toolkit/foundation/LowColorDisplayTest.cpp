// On a real display of 8 bits per pixel (its own X server at depth 8): the XP and Office 2003
// tables and the half-tone brushes come out as they do under the depth override. Elsewhere the
// tests skip, unless CORVANE_EXPECT_8BPP says the display must be one.
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>

namespace
{

bool RealDisplayIsLowColour()
{
    HDC hDC = ::GetDC(nullptr);
    const int n = ::GetDeviceCaps(hDC, BITSPIXEL);
    ::ReleaseDC(nullptr, hDC);
    return n <= 8;
}

#define REQUIRE_LOW_COLOUR_DISPLAY()                                                                                   \
    do                                                                                                                 \
    {                                                                                                                  \
        ASSERT_EQ(CExtPaintManager::GetBitsPerPixelOverride(), 0);                                                     \
        if (!RealDisplayIsLowColour())                                                                                 \
        {                                                                                                              \
            if (std::getenv("CORVANE_EXPECT_8BPP") != nullptr)                                                         \
                FAIL() << "the display should have 8 bits per pixel";                                                  \
            GTEST_SKIP() << "not on a low-colour display";                                                             \
        }                                                                                                              \
    } while (0)

// Every translated id of a manager, with its colour.
std::vector<COLORREF> Table(CExtPaintManager& pm)
{
    std::vector<COLORREF> v;
    for (int id = 1000; id <= 1011; id++)
        v.push_back(pm.GetTranslatedColor(id));
    for (int id = 2000; id <= 2011; id++)
        v.push_back(pm.GetTranslatedColor(id));
    for (int id = 3000; id <= 3035; id++)
        v.push_back(pm.GetTranslatedColor(id));
    for (int i = 0; i < 50; i++)
        v.push_back(pm.GetTranslatedColor(i));
    return v;
}

} // namespace

TEST(LowColourDisplay, TheDisplayReportsEightBitsWithoutTheOverride)
{
    REQUIRE_LOW_COLOUR_DISPLAY();
    EXPECT_EQ(CExtPaintManager::GetDisplayBitsPerPixel(), 8);
}

TEST(LowColourDisplay, XpAndOffice2003BuildTheSameTablesAsUnderTheOverride)
{
    REQUIRE_LOW_COLOUR_DISPLAY();
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CExtPaintManagerXP), RUNTIME_CLASS(CExtPaintManagerOffice2003),
                                  RUNTIME_CLASS(painthost::CTestThemeColor)})
    {
        std::unique_ptr<CExtPaintManager> real(static_cast<CExtPaintManager*>(pClass->CreateObject()));
        real->InitFonts();
        real->InitColors();
        std::unique_ptr<CExtPaintManager> built(static_cast<CExtPaintManager*>(pClass->CreateObject()));
        const CExtPaintManager::ColorInputs in = painthost::MakeInputs(false, 8, true);
        if (auto* pOffice = DYNAMIC_DOWNCAST(CExtPaintManagerOffice2003, built.get()))
            pOffice->BuildOffice2003ColorTable(in);
        else
            static_cast<CExtPaintManagerXP*>(built.get())->BuildXpColorTable(in);
        EXPECT_EQ(Table(*real), Table(*built)) << pClass->m_lpszClassName;
        EXPECT_EQ(real->GetColorTableSize(), built->GetColorTableSize()) << pClass->m_lpszClassName;
    }
}

TEST(LowColourDisplay, HalfToneBrushesArePatternBrushes)
{
    REQUIRE_LOW_COLOUR_DISPLAY();
    CExtPaintManagerXP pm;
    pm.InitFonts();
    pm.InitColors();
    pm.InitBrushes();
    for (CBrush* pBrush : {&pm.m_brushLight50, &pm.m_brushDark20Sys, &pm.m_brushLight80})
    {
        LOGBRUSH lb = {};
        ASSERT_NE(pBrush->GetSafeHandle(), nullptr);
        pBrush->GetLogBrush(&lb);
        EXPECT_TRUE(lb.lbStyle == BS_PATTERN || lb.lbStyle == BS_DIBPATTERN) << lb.lbStyle;
    }
}
