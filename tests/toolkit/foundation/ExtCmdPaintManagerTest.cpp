// Command icons with the installed paint manager: the variant look at a low display depth, and
// system events through the command-manager holder, which only the frame's event target forwards.
#include "ExtCmdTestSupport.h"
#include "support/PlainControlBar.h"
#include "support/DibCanvas.h"
#include "platform/Platform.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <gtest/gtest.h>

using namespace ExtCmdTest;

namespace
{
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF MAGENTA = RGB(255, 0, 255);

HBITMAP SquareBitmap(COLORREF clr)
{
    return MakeBitmap(16, 16, [=](int x, int y) { return (x >= 4 && x < 12 && y >= 4 && y < 12) ? clr : MAGENTA; });
}

COLORREF DrawnAt(CExtCmdIcon& icon, int nState, int x, int y)
{
    DibCanvas canvas(16, 16, WHITE);
    icon.Draw(&canvas.dc, POINT{0, 0}, nState);
    return canvas.At(x, y);
}

// Restores the real display depth and the default paint manager.
struct PaintManagerScope
{
    ~PaintManagerScope()
    {
        CExtPaintManager::SetBitsPerPixelOverride(0);
        g_PaintManagerHolder.InstallPaintManager(nullptr);
    }
};
} // namespace

TEST(CmdIconPaintManager, TheVariantStateAtEightBitsDrawsTheMonochromeLook)
{
    PaintManagerScope scope;
    CExtCmdIcon icon(SquareBitmap(RGB(200, 30, 30)), MAGENTA, nullptr, false);
    icon.SetVariantColor(RGB(255, 0, 0));
    ASSERT_NE(icon.GetVariantIcon(), nullptr);
    const COLORREF clrVariant = DrawnAt(icon, CExtCmdIcon::DRAW_VARIANT, 8, 8);
    CExtPaintManager::SetBitsPerPixelOverride(8);
    const COLORREF clrMono = DrawnAt(icon, CExtCmdIcon::DRAW_MONOCHROME, 8, 8);
    EXPECT_EQ(DrawnAt(icon, CExtCmdIcon::DRAW_VARIANT, 8, 8), clrMono);
    EXPECT_NE(clrMono, clrVariant);
}

TEST(CmdIconPaintManager, APaintedCheckMarkTakesThePaintManagersTextColour)
{
    PaintManagerScope scope;
    CExtCmdIcon icon;
    COLORREF* pBits = nullptr;
    ASSERT_TRUE(icon.CreateFromPaint(CExtCmdIcon::NO_COLOR, CExtCmdIcon::NO_COLOR, 16, 16, &pBits));
    const COLORREF clrText = g_PaintManagerHolder->GetTranslatedColor(XCLR_TEXT_NORMAL);
    int cx = 0, cy = 0;
    std::vector<DWORD> px = ReadPixels(icon.GetBitmap(), cx, cy);
    EXPECT_EQ(px[(size_t)((5 + 2) * 16 + 5)] & 0xFFFFFF, clrText);
}

TEST(CmdManagerHolder, ASystemEventReachesTheIconsOnlyFromTheFramesEventTarget)
{
    PaintManagerScope scope;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerOffice2003));
    const COLORREF clrPM = g_PaintManagerHolder->GetIconVariantColor();
    const double lfPM = g_PaintManagerHolder->GetIconVariantFactor();
    ASSERT_NE(clrPM, CExtCmdIcon::NO_COLOR);

    auto* pFrame = new CFrameWnd; // deletes itself when destroyed, after the bars below
    ASSERT_TRUE(pFrame->Create(nullptr, L"events", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    struct FrameEnd
    {
        CFrameWnd* pFrame;
        ~FrameEnd() { pFrame->DestroyWindow(); }
    } frameEnd{pFrame};
    CExtStatusControlBar status;
    ASSERT_TRUE(status.Create(pFrame));
    CPlainControlBar other;
    ASSERT_TRUE(other.CWnd::CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, 0, 0, 50, 20, pFrame->GetSafeHwnd(),
                                     (HMENU)(UINT_PTR)0xE850, nullptr));
    ASSERT_TRUE(CExtPaintManagerHolder::IsFrameEventTarget(&status));
    ASSERT_FALSE(CExtPaintManagerHolder::IsFrameEventTarget(&other));

    const UINT nCmdID = 61001;
    ASSERT_NE(g_CmdManagerHolder->AllocateCommand(nullptr, nCmdID), nullptr);
    CExtCmdProfile* pProfile = g_CmdManagerHolder->FindProfileByName(nullptr);
    ASSERT_TRUE(pProfile->SetCommandIcon(
        nCmdID, new CExtCmdIcon(SquareBitmap(RGB(100, 150, 200)), MAGENTA, nullptr, false), true));
    CExtCmdIcon* pIcon = g_CmdManagerHolder->GetCommandIcon(nullptr, nCmdID);
    pIcon->SetVariantColor(RGB(0, 0, 255));
    HICON hOldVariant = pIcon->GetVariantIcon();
    ASSERT_NE(hOldVariant, nullptr);

    g_CmdManagerHolder.OnSysColorChange(&other);
    g_CmdManagerHolder.OnSettingChange(&other, 0, nullptr);
    g_CmdManagerHolder.OnDisplayChange(&other, 32, 800, 600);
    g_CmdManagerHolder.OnThemeChanged(&other, 0, 0);
    EXPECT_EQ(pIcon->GetVariantColor(), RGB(0, 0, 255));
    EXPECT_EQ(pIcon->m_iconVariant.m_hIcon, hOldVariant);

    g_CmdManagerHolder.OnSysColorChange(&status);
    EXPECT_EQ(pIcon->GetVariantColor(), clrPM);
    EXPECT_EQ(pIcon->GetVariantFactor(), lfPM);
    EXPECT_EQ(pIcon->m_iconVariant.m_hIcon, nullptr);
    // The rebuilt variant is the one made with the paint manager's colour and factor.
    CExtCmdIcon expected(SquareBitmap(RGB(100, 150, 200)), MAGENTA, nullptr, false);
    expected.SetVariantColor(clrPM);
    expected.SetVariantFactor(lfPM);
    EXPECT_EQ(DrawnAt(*pIcon, CExtCmdIcon::DRAW_VARIANT, 8, 8), DrawnAt(expected, CExtCmdIcon::DRAW_VARIANT, 8, 8));

    pIcon->SetVariantColor(RGB(0, 0, 255));
    g_CmdManagerHolder.OnThemeChanged(&status, 0, 0);
    EXPECT_EQ(pIcon->GetVariantColor(), clrPM);

    g_CmdManagerHolder->RemoveCommand(nullptr, nCmdID);
    status.DestroyWindow();
    other.DestroyWindow();
}
