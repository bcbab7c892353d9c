// Tab items, strip client areas, tab buttons and metrics; status-bar borders, panes, grippers and
// text fields, on DIB pixels in each style.
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtDynTabWnd.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/PainterProbe.h"
#include <gtest/gtest.h>

using namespace probe;
typedef CExtPaintManager PM;

namespace
{

const COLORREF kBg = RGB(90, 0, 90);
const CRect kItem(10, 10, 60, 30);

void PaintItem(CExtPaintManager& pm, DibCanvas& c, const CRect& rc, bool bTopLeft, bool bHorz, bool bSelected,
               bool bGroupActive, LPCTSTR pszText = L"", CExtCmdIcon* pIcon = nullptr, CObject* pTab = nullptr)
{
    CSize size = c.dc.GetTextExtent(pszText, lstrlenW(pszText));
    pm.PaintTabItem(c.dc, CRect(0, 0, 200, 40), bTopLeft, bHorz, bSelected, false, bGroupActive, false, false, rc, size,
                    nullptr, pszText, 0, pIcon, pTab, 0);
}

} // namespace

TEST(TabItem, BaseAndXpColoursSitOnTheOutlineAndFill)
{
    painthost::ScopedStyle restore;
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto& pm = nKind == 1 ? static_cast<CExtPaintManager&>(*Install<CExtPaintManager>())
                              : static_cast<CExtPaintManager&>(*Install<CExtPaintManagerXP>());
        for (int nActive = 0; nActive < 2; nActive++)
        {
            DibCanvas c(80, 40, kBg);
            PaintItem(pm, c, kItem, true, true, false, nActive != 0);
            const bool bF7 = nActive != 0;
            const COLORREF clrLight = T(pm, bF7 ? COLOR_3DSHADOW : COLOR_3DHILIGHT);
            const COLORREF clrDark = T(pm, bF7 ? COLOR_3DSHADOW : COLOR_3DDKSHADOW);
            const COLORREF clrFifth = T(pm, bF7 || nKind == 2 ? COLOR_3DSHADOW : COLOR_3DLIGHT);
            const COLORREF clrBack = T(pm, nKind == 1 || bF7 ? COLOR_3DFACE : XCLR_FACE_DISABLED);
            EXPECT_EQ(c.At(30, 10), clrLight) << nKind; // far edge
            EXPECT_EQ(c.At(10, 20), clrLight) << nKind; // start edge
            EXPECT_EQ(c.At(59, 20), clrDark) << nKind;  // end edge
            EXPECT_EQ(c.At(58, 20), clrFifth) << nKind; // second shadow line
            EXPECT_EQ(c.At(30, 20), clrBack) << nKind;  // fill
            EXPECT_EQ(c.At(10, 10), kBg) << nKind;      // cut corner
            EXPECT_EQ(c.At(59, 10), kBg) << nKind;
            EXPECT_EQ(c.At(30, 29), clrLight) << nKind; // closed towards the client area
        }
        DibCanvas sel(80, 40, kBg);
        PaintItem(pm, sel, kItem, true, true, true, false);
        EXPECT_EQ(sel.At(30, 29), T(pm, nKind == 1 ? COLOR_3DFACE : XCLR_FACE_DISABLED)) << nKind; // open side
    }
}

TEST(TabItem, TheOutlineIsMirroredForEachOrientation)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const COLORREF clrLight = T(pm, COLOR_3DHILIGHT), clrDark = T(pm, COLOR_3DDKSHADOW);
    {
        DibCanvas c(80, 40, kBg); // bottom strip: far edge at the bottom, open at the top
        PaintItem(pm, c, kItem, false, true, true, false);
        EXPECT_EQ(c.At(30, 29), clrDark);
        EXPECT_EQ(c.At(10, 29), kBg);
        EXPECT_EQ(c.At(30, 10), T(pm, COLOR_3DFACE));
    }
    const CRect rcV(10, 10, 30, 60);
    {
        DibCanvas c(40, 80, kBg); // left strip: far edge at the left, open at the right
        PaintItem(pm, c, rcV, true, false, true, false);
        EXPECT_EQ(c.At(10, 30), clrLight);
        EXPECT_EQ(c.At(10, 10), kBg);
        EXPECT_EQ(c.At(29, 30), T(pm, COLOR_3DFACE));
        EXPECT_EQ(c.At(20, 59), clrDark);
    }
    {
        DibCanvas c(40, 80, kBg); // right strip
        PaintItem(pm, c, rcV, false, false, true, false);
        EXPECT_EQ(c.At(29, 30), clrDark);
        EXPECT_EQ(c.At(29, 10), kBg);
        EXPECT_EQ(c.At(10, 30), T(pm, COLOR_3DFACE));
    }
}

TEST(TabItem, TextIsDrawnOnlyWhenItFits)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const COLORREF clrText = T(pm, COLOR_BTNTEXT);
    DibCanvas wide(200, 40, kBg);
    PaintItem(pm, wide, CRect(10, 10, 150, 30), true, true, true, false, L"Inbox");
    EXPECT_GT(wide.Count(CRect(12, 12, 148, 28), clrText), 5);
    DibCanvas narrow(200, 40, kBg);
    PaintItem(pm, narrow, CRect(10, 10, 24, 30), true, true, true, false, L"Inbox");
    EXPECT_EQ(narrow.Count(CRect(0, 0, 200, 40), clrText), 0);
    // The DC keeps its text colour, mode and alignment.
    EXPECT_EQ(narrow.dc.GetBkMode(), OPAQUE);
    DibCanvas vert(40, 200, kBg);
    PaintItem(pm, vert, CRect(10, 10, 30, 150), true, false, true, false, L"Inbox");
    EXPECT_EQ(vert.dc.GetTextAlign(), 0u);
}

TEST(TabItem, IconsAreDrawnUnlessTheTabWindowStyleHidesThem)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    CExtTabWnd tabs;
    CExtCmdIcon icon;
    icon.AssignFromHICON((HICON)::LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 16, 16, LR_SHARED), true);
    ASSERT_EQ(CExtPaintManager::GetCmdIconSize(&icon), CSize(16, 16));
    ASSERT_FALSE(icon.IsEmpty());
    CExtCmdIcon* pIcon = &icon;
    DibCanvas c(200, 40, kBg);
    PaintItem(pm, c, CRect(10, 10, 150, 30), true, true, true, false, L"Inbox", pIcon, &tabs);
    EXPECT_EQ(pm.m_nContentCalls, 1);
    tabs.SetTabWndStyle(0x00800000);
    PaintItem(pm, c, CRect(10, 10, 150, 30), true, true, true, false, L"Inbox", pIcon, &tabs);
    EXPECT_EQ(pm.m_nContentCalls, 1);
    PaintItem(pm, c, CRect(10, 10, 150, 30), true, true, true, false, L"Inbox", nullptr, nullptr);
    EXPECT_EQ(pm.m_nContentCalls, 1);
    CExtCmdIcon empty; // an empty icon takes no room and is not drawn
    tabs.SetTabWndStyle(0);
    PaintItem(pm, c, CRect(10, 10, 150, 30), true, true, true, false, L"Inbox", &empty, &tabs);
    EXPECT_EQ(pm.m_nContentCalls, 1);
}

TEST(TabClientArea, BaseFillsTheBandAndItsLinePerOrientationUnlessGrouped)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const CRect rcClient(0, 0, 100, 40), rcNear(0, 30, 100, 36);
    const CRect lines[4] = {CRect(0, 30, 100, 31), CRect(0, 35, 100, 36), CRect(0, 30, 1, 36), CRect(99, 30, 100, 36)};
    for (DWORD dwOrientation = 0; dwOrientation < 4; dwOrientation++)
    {
        DibCanvas c(100, 40, kBg);
        pm.PaintTabClientArea(c.dc, rcClient, CRect(0, 0, 100, 30), rcNear, dwOrientation, false, nullptr, 0);
        const COLORREF clrLine = T(pm, dwOrientation == 1 || dwOrientation == 3 ? COLOR_3DDKSHADOW : COLOR_3DHILIGHT);
        EXPECT_EQ(c.Count(lines[dwOrientation], clrLine), lines[dwOrientation].Width() * lines[dwOrientation].Height())
            << dwOrientation;
        EXPECT_EQ(c.At(50, 33), T(pm, COLOR_3DFACE)) << dwOrientation;
        EXPECT_EQ(c.At(50, 10), T(pm, COLOR_3DSHADOW)) << dwOrientation;
    }
    DibCanvas g(100, 40, kBg);
    pm.PaintTabClientArea(g.dc, rcClient, CRect(0, 0, 100, 30), rcNear, 0, true, nullptr, 0);
    EXPECT_EQ(g.Count(rcClient, T(pm, COLOR_3DFACE)), 100 * 40);
}

TEST(TabClientArea, XpUsesTheAltFaceAboveLowColour)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    const CRect rcClient(0, 0, 100, 40), rcNear(0, 30, 100, 36);
    DibCanvas c(100, 40, kBg);
    pm.PaintTabClientArea(c.dc, rcClient, CRect(0, 0, 100, 30), rcNear, 1, false, nullptr, 0);
    EXPECT_EQ(c.At(50, 10), T(pm, XCLR_FACE_ALT));
    EXPECT_EQ(c.At(50, 33), T(pm, XCLR_FACE_DISABLED));
    EXPECT_EQ(c.At(50, 35), T(pm, COLOR_3DSHADOW));
    painthost::ScopedBitsPerPixel depth(8);
    pm.PaintTabClientArea(c.dc, rcClient, CRect(0, 0, 100, 30), rcNear, 0, false, nullptr, 0);
    EXPECT_EQ(c.At(50, 10), T(pm, XCLR_FACE_DISABLED));
    EXPECT_EQ(c.At(50, 30), T(pm, COLOR_3DHILIGHT));
}

TEST(TabClientArea, Office2003GradientOnlyForDynamicTabStripsOnAFrame)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"tabs", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    CExtDynTabWnd dynTabs;
    CExtTabWnd plainTabs;
    for (CWnd* pTabs : {static_cast<CWnd*>(&dynTabs), static_cast<CWnd*>(&plainTabs)})
        ASSERT_TRUE(pTabs->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, 20, 30, 100, 40,
                                    pFrame->GetSafeHwnd(), nullptr, nullptr));
    const CRect rcClient(0, 0, 100, 40), rcNear(0, 30, 100, 36);
    DibCanvas c(100, 40, kBg);
    pm.PaintTabClientArea(c.dc, rcClient, CRect(0, 0, 100, 30), rcNear, 0, false, &dynTabs, 0);
    ASSERT_EQ(pm.m_dockerAreas.size(), 1u);
    CRect rcFrameClient;
    pFrame->GetClientRect(&rcFrameClient);
    EXPECT_EQ(pm.m_dockerAreas[0].left, -20); // the frame's client area in the strip's coordinates
    EXPECT_EQ(pm.m_dockerAreas[0].top, -30);
    EXPECT_EQ(pm.m_dockerAreas[0].Width(), rcFrameClient.Width());
    EXPECT_EQ(c.At(50, 10), kDocker);
    EXPECT_EQ(c.At(50, 33), T(pm, XCLR_FACE_NORMAL));
    EXPECT_EQ(c.At(50, 30), T(pm, COLOR_3DSHADOW));
    DibCanvas p(100, 40, kBg);
    pm.PaintTabClientArea(p.dc, rcClient, CRect(0, 0, 100, 30), rcNear, 0, false, &plainTabs, 0);
    EXPECT_EQ(pm.m_dockerAreas.size(), 1u);
    EXPECT_EQ(p.At(50, 10), T(pm, XCLR_FACE_ALT));
    pFrame->DestroyWindow();
}

TEST(TabButton, ADisabledScrollButtonDrawsItsDisabledGlyphInShadowAndNoEdge)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const CRect rc(10, 10, 26, 26);
    DibCanvas c(40, 40, kBg);
    pm.PaintTabButton(c.dc, rc, PM::kTabButtonScrollStart, true, true, false, true, true, false, nullptr, 0);
    ASSERT_EQ(pm.m_glyphs.size(), 1u);
    EXPECT_EQ(pm.m_glyphs[0].pGlyph, PM::GetTabButtonGlyph(PM::kTabButtonScrollStart, true, false));
    EXPECT_NE(pm.m_glyphs[0].pGlyph, PM::GetTabButtonGlyph(PM::kTabButtonScrollStart, true, true));
    EXPECT_EQ(pm.m_glyphs[0].clr, T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.Count(CRect(0, 0, 40, 40), kBg), 40 * 40);
}

TEST(TabButton, HoverRaisesAndPushingSinksTheButton)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const CRect rc(10, 10, 26, 26);
    DibCanvas c(40, 40, kBg);
    pm.PaintTabButton(c.dc, rc, PM::kTabButtonScrollEnd, true, false, true, true, false, false, nullptr, 0);
    EXPECT_EQ(pm.m_glyphs.back().clr, T(pm, COLOR_BTNTEXT));
    EXPECT_EQ(pm.m_glyphs.back().pGlyph, PM::GetTabButtonGlyph(PM::kTabButtonScrollEnd, false, true));
    EXPECT_EQ(c.At(10, 15), T(pm, COLOR_3DHILIGHT));
    EXPECT_EQ(c.At(25, 15), T(pm, COLOR_3DDKSHADOW));
    pm.PaintTabButton(c.dc, rc, PM::kTabButtonClose, true, false, true, false, true, false, nullptr, 0);
    EXPECT_EQ(c.At(10, 15), T(pm, COLOR_3DDKSHADOW));
    EXPECT_EQ(c.At(25, 15), T(pm, COLOR_3DHILIGHT));
    for (LONG n = PM::kTabButtonList; n <= PM::kTabButtonScrollStart; n++)
        EXPECT_NE(PM::GetTabButtonGlyph(n, true, true), nullptr) << n;
}

TEST(TabMetrics, FourTwoAndTwoUnlessTheStyleKeepsTheThirdStudioZeroTwoTwo)
{
    painthost::ScopedStyle restore;
    CExtTabWnd tabs;
    int a = 99, b = 99, d = 99;
    auto& pm = *Install<CExtPaintManagerXP>();
    pm.GetTabMetrics(&tabs, a, b, d);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(d, 2);
    tabs.SetTabWndStyle(0x80);
    a = b = d = 99;
    pm.GetTabMetrics(&tabs, a, b, d);
    EXPECT_EQ(d, 99);
    auto& studio = *Install<CExtPaintManagerStudio2005>();
    studio.GetTabMetrics(&tabs, a, b, d);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(d, 2);
}

TEST(TabNcArea, XpFramesTheAreaOnceInShadow)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    DibCanvas c(40, 40, kBg);
    pm.PaintTabNcArea(c.dc, CRect(5, 5, 35, 35), nullptr, 0);
    EXPECT_EQ(c.Count(CRect(5, 5, 35, 35), T(pm, COLOR_3DSHADOW)), 30 * 4 - 4);
    EXPECT_EQ(c.At(6, 6), kBg);
    DibCanvas d(40, 40, kBg);
    pm.PaintControlAreaRect(d.dc, CRect(5, 5, 35, 35), nullptr, 0);
    EXPECT_EQ(memcmp(c.Bits(), d.Bits(), 40 * 40 * 4), 0);
}

// ---- status bar ----------------------------------------------------------------------------------

TEST(StatusBarPane, NoBorderBitsDrawNoBorderLinesInAnyStyle)
{
    painthost::ScopedStyle restore;
    ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
        DibCanvas c(100, 30, kBg);
        PM::StatusBarPanePaintData data(nullptr, 1, 0x0080, CRect(0, 0, 100, 30));
        pm.PaintStatusBarPane(c.dc, data);
        EXPECT_EQ(c.Count(CRect(0, 0, 100, 30), kBg), 100 * 30) << pszStyle;
    });
}

TEST(StatusBarPane, BarBordersFollowTheSideBitsWithTheTopGrownByTwo)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    DibCanvas c(100, 30, kBg);
    PM::StatusBarPanePaintData data(nullptr, 1, 0x0F80, CRect(0, 0, 100, 30));
    pm.PaintStatusBarPane(c.dc, data);
    const COLORREF clr = T(pm, XCLR_FACE_NORMAL);
    EXPECT_EQ(c.At(50, 0), clr);
    EXPECT_EQ(c.At(50, 1), clr);
    EXPECT_EQ(c.At(0, 15), clr);
    EXPECT_EQ(c.At(1, 15), clr);
    EXPECT_EQ(c.At(0, 1), clr); // the top line spans the width
    EXPECT_EQ(c.At(98, 15), clr);
    EXPECT_EQ(c.At(99, 15), clr);
    EXPECT_EQ(c.At(50, 29), clr);
    EXPECT_EQ(c.At(50, 15), kBg);
    DibCanvas left(100, 30, kBg);
    PM::StatusBarPanePaintData leftOnly(nullptr, 1, 0x0100, CRect(0, 0, 100, 30));
    pm.PaintStatusBarPane(left.dc, leftOnly);
    EXPECT_EQ(left.Count(CRect(0, 0, 100, 30), clr), 30);
}

TEST(StatusBarPane, PaneFramesPerStyle)
{
    painthost::ScopedStyle restore;
    ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
        DibCanvas c(60, 30, kBg);
        PM::StatusBarPanePaintData data(nullptr, 2, 0, CRect(5, 5, 55, 25));
        pm.PaintStatusBarPane(c.dc, data);
        COLORREF tl = T(pm, XCLR_SHADOW_NORMAL), br = T(pm, XCLR_HILIGHT_NORMAL);
        if (pm.GetThemeKind() == 2)
            tl = br = T(pm, COLOR_3DSHADOW);
        else if (pm.GetThemeKind() >= 3)
            tl = br = T(pm, XCLR_O2003_14);
        EXPECT_EQ(c.At(5, 15), tl) << pszStyle;
        EXPECT_EQ(c.At(30, 5), tl) << pszStyle;
        EXPECT_EQ(c.At(54, 15), br) << pszStyle;
        EXPECT_EQ(c.At(30, 24), br) << pszStyle;
        EXPECT_EQ(c.At(30, 15), kBg) << pszStyle;
    });
}

TEST(ResizingGripper, Office2003DrawsSixDotsInATriangle)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    DibCanvas c(30, 30, kBg);
    pm.PaintResizingGripper(c.dc, CRect(0, 0, 20, 20), nullptr, 0);
    const COLORREF clrDark = T(pm, XCLR_O2003_03), clrLight = T(pm, XCLR_O2003_02);
    const CPoint corners[6] = {CPoint(20, 20), CPoint(20, 16), CPoint(20, 12),
                               CPoint(16, 20), CPoint(16, 16), CPoint(12, 20)};
    for (const CPoint& pt : corners)
    {
        EXPECT_EQ(c.Count(CRect(pt.x - 2, pt.y - 2, pt.x, pt.y), clrDark), 4) << pt.x << "," << pt.y;
        EXPECT_EQ(c.At(pt.x - 3, pt.y - 3), clrLight) << pt.x << "," << pt.y;
    }
    EXPECT_EQ(c.Count(CRect(0, 0, 30, 30), clrDark), 6 * 4);
    EXPECT_EQ(c.At(10, 10), kBg); // no dot above the diagonal
    EXPECT_EQ(c.Count(CRect(20, 0, 30, 30), kBg), 10 * 30);
}

TEST(ResizingGripper, Office2003AtLowColourAndTheBaseDrawTheMarlettGlyph)
{
    painthost::ScopedStyle restore;
    auto& base = *Install<CExtPaintManager>();
    DibCanvas b(30, 30, kBg);
    base.PaintResizingGripper(b.dc, CRect(0, 0, 20, 20), nullptr, 0);
    // The glyph (smoothed) lies in the bottom-right corner of the rectangle.
    EXPECT_GT(CountOther(b, CRect(8, 8, 20, 20), kBg), 4);
    EXPECT_EQ(CountOther(b, CRect(20, 0, 30, 30), kBg), 0);
    EXPECT_EQ(b.dc.GetBkMode(), OPAQUE);
    DibCanvas inverted(30, 30, kBg);
    base.PaintResizingGripper(inverted.dc, CRect(20, 0, 0, 20), nullptr, 0);
    EXPECT_EQ(inverted.Count(CRect(0, 0, 30, 30), kBg), 900);
    painthost::ScopedBitsPerPixel depth(8);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    DibCanvas c(30, 30, kBg);
    pm.PaintResizingGripper(c.dc, CRect(0, 0, 20, 20), nullptr, 0);
    EXPECT_EQ(memcmp(b.Bits(), c.Bits(), 30 * 30 * 4), 0);
}

// ---- text fields -------------------------------------------------------------------------------

namespace
{

const CRect kButton(10, 10, 110, 32);
const CRect kField(12, 12, 90, 30);

// The top-left of the text's pixels in the colour, or (-1, -1).
CPoint TextOrigin(const DibCanvas& c, COLORREF clr)
{
    CPoint pt(-1, -1);
    for (int y = 0; y < c.Height(); y++)
        for (int x = 0; x < c.Width(); x++)
            if (c.At(x, y) == clr)
            {
                if (pt.x < 0 || x < pt.x)
                    pt.x = x;
                if (pt.y < 0 || y < pt.y)
                    pt.y = y;
            }
    return pt;
}

} // namespace

TEST(TextField, BaseFieldsPerFlags)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    {
        DibCanvas c(120, 40, kBg);
        PM::TextFieldPaintData data(nullptr, L"", kButton, kField, false, false, false, false);
        pm.PaintTextField(c.dc, data);
        EXPECT_EQ(c.At(11, 20), T(pm, COLOR_WINDOW)); // frame of the deflated button
        EXPECT_EQ(c.At(10, 20), kBg);
        EXPECT_EQ(c.At(50, 20), T(pm, COLOR_3DFACE));
        EXPECT_EQ(c.At(50, 12), T(pm, COLOR_WINDOW)); // the button frame, the field one row lower
        EXPECT_EQ(c.At(50, 13), T(pm, COLOR_3DFACE));
    }
    {
        DibCanvas c(120, 40, kBg);
        PM::TextFieldPaintData data(nullptr, L"", kButton, kField, false, true, false, true);
        pm.PaintTextField(c.dc, data);
        EXPECT_EQ(c.At(10, 20), T(pm, COLOR_3DSHADOW));
        EXPECT_EQ(c.At(109, 20), T(pm, COLOR_3DHILIGHT));
        EXPECT_EQ(c.At(50, 12), T(pm, COLOR_WINDOW));
    }
    {
        DibCanvas c(120, 40, kBg);
        PM::TextFieldPaintData data(nullptr, L"", kButton, kField, true, false, false, false);
        pm.PaintTextField(c.dc, data);
        ASSERT_EQ(pm.m_glyphs.size(), 1u);
        EXPECT_EQ(pm.m_glyphs[0].pGlyph, g_arrSysCmdGlyphs[37]);
        EXPECT_EQ(pm.m_glyphs[0].clr, T(pm, COLOR_BTNTEXT));
        EXPECT_EQ(pm.m_glyphs[0].rc.Width(), ::GetSystemMetrics(SM_CXHTHUMB));
    }
}

TEST(TextField, XpDisabledComboFieldIsInflatedAndFramedInTheAltTextColour)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    DibCanvas c(140, 40, kBg);
    PM::TextFieldPaintData data(nullptr, L"", kButton, kField, true, false, false, false);
    pm.PaintTextField(c.dc, data);
    const COLORREF clrFrame = T(pm, XCLR_TEXT_ALT);
    EXPECT_EQ(c.At(kField.left - 1, 20), clrFrame);
    EXPECT_EQ(c.At(50, kField.top - 1), clrFrame);
    EXPECT_EQ(c.At(50, kField.bottom + 1), clrFrame);
    EXPECT_EQ(c.At(kField.right + ::GetSystemMetrics(SM_CXHTHUMB), 20), clrFrame);
    ASSERT_EQ(pm.m_glyphs.size(), 1u);
    EXPECT_EQ(pm.m_glyphs[0].clr, T(pm, COLOR_3DSHADOW));
}

TEST(TextField, TextStaysAtTheFieldRectangleMovedInByFiveAndTwo)
{
    painthost::ScopedStyle restore;
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto& pm = nKind == 1 ? static_cast<CExtPaintManager&>(*Install<CExtPaintManager>())
                              : static_cast<CExtPaintManager&>(*Install<CExtPaintManagerXP>());
        const COLORREF clrText = T(pm, COLOR_BTNTEXT);
        DibCanvas idle(140, 40, kBg), hot(140, 40, kBg);
        PM::TextFieldPaintData a(nullptr, L"Wg", kButton, kField, false, false, false, true);
        pm.PaintTextField(idle.dc, a);
        PM::TextFieldPaintData b(nullptr, L"Wg", kButton, kField, false, true, false, true);
        pm.PaintTextField(hot.dc, b);
        const CPoint ptIdle = TextOrigin(idle, clrText), ptHot = TextOrigin(hot, clrText);
        ASSERT_GE(ptIdle.x, 0) << nKind;
        EXPECT_EQ(ptIdle, ptHot) << nKind;
        EXPECT_GE(ptIdle.x, kField.left + 5) << nKind;
        EXPECT_LE(ptIdle.x, kField.left + 8) << nKind;
        EXPECT_GE(ptIdle.y, kField.top + 2) << nKind;
        EXPECT_EQ(idle.dc.GetBkMode(), OPAQUE);
    }
}
