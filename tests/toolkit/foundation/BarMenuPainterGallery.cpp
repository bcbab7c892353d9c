// The painters' gallery: push buttons in every state, menus, caption buttons with all system glyphs,
// separators and the docker area with a docked tool-bar band, one image per style in
// build/gallery/bar_menu_painters_<style>.png for people to look at (not compared).
#include "BarMenuPainterSupport.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include <gtest/gtest.h>

using namespace barmenupainters;

namespace
{

typedef CExtPaintManager::PushButtonPaintData PB;
typedef CExtPaintManager::MenuItemPaintData MI;
typedef CExtPaintManager::CaptionButtonPaintData CB;

void PaintButtons(CExtPaintManager& pm, CDC& dc, int y)
{
    struct
    {
        bool bFlat, bHot, bPushed, bEnabled, bDefault, bFocus, bDropDown, bSplit, bDropPushed;
    } states[] = {{false, false, false, true, false, false, false, false, false},
                  {false, true, false, true, false, false, false, false, false},
                  {false, false, true, true, false, false, false, false, false},
                  {false, false, false, false, false, false, false, false, false},
                  {false, false, false, true, true, true, false, false, false},
                  {true, false, false, true, false, false, false, false, false},
                  {true, true, false, true, false, false, false, false, false},
                  {true, true, true, true, false, false, false, false, false},
                  {false, false, false, true, false, false, true, false, false},
                  {false, true, false, true, false, false, true, true, false},
                  {false, false, false, true, false, false, true, true, true}};
    int x = 4;
    for (const auto& s : states)
    {
        PB d(nullptr, true, CRect(x, y, x + 70, y + 24), L"&Button", nullptr, s.bFlat, s.bHot, s.bPushed, false,
             s.bEnabled, true, s.bFocus, s.bDefault, 5, nullptr, s.bDropDown);
        d.m_bSplitDropDown = s.bSplit;
        d.m_bDropDownPushed = s.bDropPushed;
        pm.PaintPushButton(dc, d);
        x += 74;
    }
    PB v(nullptr, false, CRect(x, y, x + 24, y + 90), L"&Vertical", nullptr, false, true, false, false, true, true,
         false, false, 5, nullptr, true);
    pm.PaintPushButton(dc, v);
}

void PaintMenu(CExtPaintManager& pm, CDC& dc, int x, int y)
{
    const int w = 220, h = 22, nIcon = 24;
    int row = 0;
    auto item = [&](LPCTSTR pszText, LPCTSTR pszAccel, bool bSel, bool bChk, bool bRadio, bool bRare, bool bPrev,
                    bool bNext, bool bPopup) {
        const CRect rc(x + 3, y + 3 + row * h, x + w - 3, y + 3 + (row + 1) * h);
        MI mi(nullptr, rc, rc, nIcon, pszText, pszAccel, nullptr, bPopup, bSel, bChk, bRadio, false, true, bRare, bPrev,
              bNext, 100);
        mi.m_bSubmenuGlyph = row % 2 == 0;
        pm.PaintMenuItem(dc, mi);
        row++;
    };
    item(L"&Open", L"Ctrl+O", false, false, false, false, false, false, false);
    item(L"&Selected", L"Ctrl+S", true, false, false, false, false, false, false);
    item(L"&Checked", L"", false, true, false, false, false, false, false);
    item(L"&Radio", L"", false, false, true, false, false, false, false);
    item(L"Rarely &used", L"", false, false, false, true, false, true, false);
    item(L"Rarely used &too", L"", false, false, false, true, true, false, false);
    pm.PaintMenuSeparator(dc, CRect(x + 3, y + 3 + row * h, x + w - 3, y + 3 + row * h + 8), nIcon, false, nullptr, 0);
    y += 8;
    item(L"Sub-&menu", L"", false, false, false, false, false, false, true);
    pm.PaintMenuExpandButton(dc, CRect(x + 3, y + 3 + row * h, x + w - 3, y + 3 + (row + 1) * h), false, false, nullptr,
                             0);
    row++;
    pm.PaintMenuExpandButton(dc, CRect(x + 3, y + 3 + row * h, x + w - 3, y + 3 + (row + 1) * h), true, false, nullptr,
                             0);
    row++;
    pm.PaintMenuPart49(dc, CRect(x, y - 8, x + w, y + 6 + row * h), nullptr, 0);
}

void PaintCaptionsAndGlyphs(CExtPaintManager& pm, CDC& dc, int y)
{
    int x = 250;
    for (int i = 0; i < kSysCmdGlyphCount; i++)
    {
        CB d(nullptr, CRect(x, y, x + 16, y + 16), i, i % 5 == 1, i % 5 == 2, i % 5 != 3, i % 2 == 0, i % 3 == 0,
             false);
        pm.PaintCaptionButton(dc, d);
        x += 20;
        if (x > 850)
        {
            x = 250;
            y += 20;
        }
    }
}

void PaintStyle(int nKind, const wchar_t* pszSuffix = L"")
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto pm = Make(nKind);
    DibCanvas c(1000, 520, RGB(255, 255, 255));
    pm->PaintDockerArea(true, c.dc, CRect(0, 0, 1000, 520), CRect(0, 0, 0, 0));
    PaintButtons(*pm, c.dc, 8);
    PaintMenu(*pm, c.dc, 8, 110);
    PaintCaptionsAndGlyphs(*pm, c.dc, 110);
    for (int i = 0; i < 4; i++)
    {
        pm->PaintSeparator(c.dc, CRect(260 + i * 12, 200, 268 + i * 12, 224), true, false,
                           i < 2 ? (CObject*)&bars.m_barTop : nullptr, 0);
        pm->PaintSeparator(c.dc, CRect(320, 200 + i * 12, 360, 208 + i * 12), false, true, nullptr, 0);
    }
    // The docked tool bar's band with its chevron, painted at its place in the frame.
    {
        const CPoint ptOrg = c.dc.SetViewportOrg(260, 260);
        CRect rcBar;
        bars.m_barTop.GetClientRect(&rcBar);
        const int nSaved = c.dc.SaveDC();
        c.dc.IntersectClipRect(&rcBar); // as the bar's own DC would be
        pm->PaintControlBarClientArea(c.dc, rcBar, &bars.m_barTop, 0);
        CExtBarContentExpandButton chevron(&bars.m_barTop);
        pm->PaintContentExpandButton(c.dc, CRect(rcBar.right - 14, 0, rcBar.right, rcBar.bottom), true, false, true,
                                     false, true, &chevron, 0, false);
        c.dc.RestoreDC(nSaved);
        c.dc.SetViewportOrg(ptOrg);
    }
    pm->PaintContentExpandButton(c.dc, CRect(500, 260, 514, 286), true, false, true, false, false, nullptr, 0, false);
    pm->PaintContentExpandButton(c.dc, CRect(520, 260, 546, 274), false, false, true, true, false, nullptr, 0, false);
    const std::wstring name = std::wstring(L"bar_menu_painters_") + StyleName(nKind) + pszSuffix;
    EXPECT_TRUE(painthost::SaveToGallery(c, name.c_str())) << nKind;
}

} // namespace

TEST(PaintersGallery, EachStyleWritesItsButtonsMenusCaptionsSeparatorsAndDockerArea)
{
    for (int nKind = 1; nKind <= 5; nKind++)
        PaintStyle(nKind);
    painthost::ScopedBitsPerPixel depth(8);
    PaintStyle(3, L"_8bpp");
}
