// Date-picker parts per style on DIB pixels (the caption font not leaking), and the Studio 2005
// style: its colour table, docking frames, captions, tab items and answers.
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/PainterProbe.h"
#include <gtest/gtest.h>
#include <map>

using namespace probe;
typedef CExtPaintManager PM;

namespace
{

const COLORREF kBg = RGB(90, 0, 90);

// Fonts created and deleted while painting into an enhanced metafile.
struct FontRecords
{
    int nCreated = 0;
    int nDeletedFonts = 0;
};

int CALLBACK CountFontRecords(HDC, HANDLETABLE*, const ENHMETARECORD* pRec, int, LPARAM lParam)
{
    auto* p = reinterpret_cast<std::pair<FontRecords*, std::map<DWORD, bool>*>*>(lParam);
    if (pRec->iType == EMR_EXTCREATEFONTINDIRECTW)
    {
        p->first->nCreated++;
        (*p->second)[pRec->dParm[0]] = true;
    }
    else if (pRec->iType == EMR_DELETEOBJECT && p->second->count(pRec->dParm[0]) != 0)
    {
        p->first->nDeletedFonts++;
        p->second->erase(pRec->dParm[0]);
    }
    return 1;
}

template <class F> FontRecords RecordFonts(F paint)
{
    HDC hMeta = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(hMeta, nullptr);
    {
        CDC dc;
        dc.Attach(hMeta);
        paint(dc);
        dc.Detach();
    }
    HENHMETAFILE hEmf = ::CloseEnhMetaFile(hMeta);
    FontRecords rec;
    std::map<DWORD, bool> live;
    std::pair<FontRecords*, std::map<DWORD, bool>*> ctx(&rec, &live);
    ::EnumEnhMetaFile(nullptr, hEmf, CountFontRecords, &ctx, nullptr);
    ::DeleteEnhMetaFile(hEmf);
    return rec;
}

} // namespace

TEST(DatePicker, EachCaptionCallDeletesTheFontItCreated)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const CRect rc(0, 0, 200, 30);
    const FontRecords rec = RecordFonts([&](CDC& dc) {
        for (int i = 0; i < 10; i++)
        {
            pm.PaintDatePickerText76(dc, rc, L"Januari 2026");
            pm.PaintDatePickerText78(dc, rc, L"Sen", L"", true, false, false, true);
            pm.PaintDatePickerText79(dc, rc, L"Hari ini:\t7/12/2026");
        }
    });
    EXPECT_EQ(rec.nCreated, 30);
    EXPECT_EQ(rec.nDeletedFonts, 30);
    // The process-wide count, where the system reports it.
    DibCanvas c(200, 30, kBg);
    const DWORD dwBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 50; i++)
        pm.PaintDatePickerText76(c.dc, rc, L"Januari 2026");
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), dwBefore);
    EXPECT_GT(CountOther(c, rc, kBg), 10);
    EXPECT_EQ(c.dc.GetBkMode(), OPAQUE);
}

TEST(DatePicker, TheGripAlwaysHasNineDotsFourPixelsApartWhateverTheWidth)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    for (int nWidth : {20, 36, 80})
    {
        DibCanvas c(120, 30, kBg);
        const CRect rc(40, 10, 40 + nWidth, 20);
        pm.PaintDatePickerPart83(c.dc, rc, 0);
        const int nLeft = rc.left + (nWidth - 36) / 2, nTop = rc.top + (10 - 3) / 2;
        for (int i = 0; i < 9; i++)
        {
            const int x = nLeft + 4 * i;
            EXPECT_EQ(c.Count(CRect(x, nTop, x + 2, nTop + 2), T(pm, COLOR_3DDKSHADOW)), 4) << nWidth << " " << i;
            EXPECT_EQ(c.At(x + 2, nTop + 2), T(pm, COLOR_WINDOW)) << nWidth << " " << i;
        }
        EXPECT_EQ(c.Count(CRect(0, 0, 120, 30), T(pm, COLOR_3DDKSHADOW)), 9 * 4) << nWidth;
        DibCanvas moved(120, 30, kBg);
        pm.PaintDatePickerPart83(moved.dc, rc, 3);
        EXPECT_EQ(moved.At(nLeft, nTop + 3), T(pm, COLOR_3DDKSHADOW)) << nWidth;
    }
}

TEST(DatePicker, Part87IsFourNestedFramesInBaseAndXpAndOneFrameInOffice2003)
{
    painthost::ScopedStyle restore;
    const COLORREF kW = RGB(255, 255, 255);
    for (int nKind = 1; nKind <= 3; nKind++)
    {
        CExtPaintManager& pm = nKind == 1   ? static_cast<CExtPaintManager&>(*Install<CExtPaintManager>())
                               : nKind == 2 ? static_cast<CExtPaintManager&>(*Install<CExtPaintManagerXP>())
                                            : static_cast<CExtPaintManager&>(*Install<CExtPaintManagerOffice2003>());
        DibCanvas c(40, 40, kBg);
        pm.PaintDatePickerPart87(c.dc, CRect(0, 0, 40, 40), nullptr, 0);
        if (nKind == 3)
        {
            EXPECT_EQ(c.At(0, 20), T(pm, XCLR_DKSHADOW_NORMAL));
            EXPECT_EQ(c.At(39, 20), T(pm, XCLR_DKSHADOW_NORMAL));
            EXPECT_EQ(c.At(1, 20), kBg);
            continue;
        }
        const COLORREF tl[4] = {T(pm, COLOR_3DFACE), kW, T(pm, COLOR_3DFACE), T(pm, COLOR_3DSHADOW)};
        const COLORREF br[4] = {T(pm, COLOR_3DDKSHADOW), T(pm, COLOR_3DSHADOW), T(pm, COLOR_3DFACE), kW};
        for (int i = 0; i < 4; i++)
        {
            EXPECT_EQ(c.At(i, 20), tl[i]) << nKind << " " << i;
            EXPECT_EQ(c.At(20, i), tl[i]) << nKind << " " << i;
            EXPECT_EQ(c.At(39 - i, 20), br[i]) << nKind << " " << i;
            EXPECT_EQ(c.At(20, 39 - i), br[i]) << nKind << " " << i;
        }
        EXPECT_EQ(c.At(20, 20), kBg);
    }
}

TEST(DatePicker, FillsAndFramesOfTheSmallPartsPerStyle)
{
    painthost::ScopedStyle restore;
    ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
        const bool bO2003 = pm.GetThemeKind() >= 3;
        DibCanvas c(40, 40, kBg);
        pm.PaintDatePickerPart73(c.dc, CRect(0, 0, 10, 10), nullptr);
        EXPECT_EQ(c.At(5, 5), T(pm, COLOR_WINDOW)) << pszStyle;
        pm.PaintDatePickerPart85(c.dc, CRect(10, 0, 20, 10), nullptr, 0);
        EXPECT_EQ(c.At(15, 5), T(pm, COLOR_3DSHADOW)) << pszStyle;
        pm.PaintDatePickerPart74(c.dc, CRect(0, 20, 20, 40));
        const COLORREF clr74 = pm.GetThemeKind() == 1 ? T(pm, COLOR_WINDOW)
                               : bO2003               ? T(pm, XCLR_O2003_27)
                                                      : T(pm, COLOR_3DSHADOW);
        EXPECT_EQ(c.At(0, 30), clr74) << pszStyle;
        EXPECT_EQ(c.At(19, 30), pm.GetThemeKind() == 1 ? T(pm, COLOR_3DSHADOW) : clr74) << pszStyle;
        pm.PaintDatePickerPart88(c.dc, CRect(20, 20, 40, 40), nullptr, 0);
        EXPECT_EQ(c.At(30, 30), T(pm, XCLR_FACE_NORMAL)) << pszStyle;
        EXPECT_EQ(c.At(20, 30), bO2003 ? T(pm, XCLR_FACE_NORMAL) : T(pm, COLOR_3DSHADOW)) << pszStyle;
        EXPECT_EQ(c.At(39, 30), bO2003 ? T(pm, XCLR_FACE_NORMAL) : RGB(255, 255, 255)) << pszStyle;
    });
}

TEST(DatePicker, Office2003GradientsAboveLowColourAndTheBaseLookAtEightBits)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    const CRect rc(0, 0, 100, 40);
    DibCanvas c(100, 40, kBg);
    pm.PaintDatePickerPart82(c.dc, rc);
    EXPECT_TRUE(painthost::Near(c.At(2, 0), T(pm, XCLR_O2003_28), 12)) << painthost::ColorText(c.At(2, 0));
    EXPECT_TRUE(painthost::Near(c.At(2, 39), T(pm, XCLR_O2003_29), 12)) << painthost::ColorText(c.At(2, 39));
    DibCanvas p80(100, 40, kBg);
    pm.PaintDatePickerPart80(p80.dc, rc, L"");
    EXPECT_EQ(p80.At(50, 39), T(pm, XCLR_O2003_27));
    EXPECT_EQ(p80.At(50, 0), T(pm, XCLR_O2003_31));

    // At low colour the Office 2003 parts are the base parts (the XP manager paints those).
    auto* pBase = new CExtPaintManagerXP;
    pBase->InitFonts();
    pBase->InitColors();
    painthost::ScopedBitsPerPixel low(8);
    for (int nPart : {77, 82})
    {
        DibCanvas a(100, 40, kBg), b(100, 40, kBg);
        if (nPart == 77)
        {
            pm.PaintDatePickerPart77(a.dc, rc, L"Januari");
            pBase->PaintDatePickerPart77(b.dc, rc, L"Januari");
        }
        else
        {
            pm.PaintDatePickerPart82(a.dc, rc);
            pBase->PaintDatePickerPart82(b.dc, rc);
        }
        EXPECT_EQ(memcmp(a.Bits(), b.Bits(), 100 * 40 * 4), 0) << nPart;
    }
    DibCanvas flat(100, 40, kBg);
    pm.PaintDatePickerPart80(flat.dc, rc, L"");
    EXPECT_EQ(flat.At(50, 20), T(pm, COLOR_3DSHADOW));
    delete pBase;
}

TEST(DatePicker, BasePart75FillsDarkAndFramesByState)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const CRect rc(0, 0, 60, 20);
    DibCanvas c(60, 20, kBg);
    pm.PaintDatePickerPart75(c.dc, rc, L"", L"", true, false, false);
    EXPECT_EQ(c.At(0, 10), kBg); // framed: deflated at left, right and bottom
    EXPECT_EQ(c.At(30, 0), T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.At(30, 10), T(pm, COLOR_3DDKSHADOW));
    DibCanvas pushed(60, 20, kBg);
    pm.PaintDatePickerPart75(pushed.dc, rc, L"", L"", false, true, false);
    EXPECT_EQ(pushed.At(0, 10), T(pm, COLOR_3DDKSHADOW));
    EXPECT_EQ(pushed.At(59, 10), T(pm, COLOR_WINDOW));
    auto& xp = *Install<CExtPaintManagerXP>();
    pm.m_pushes.clear();
    DibCanvas hot(60, 20, kBg);
    xp.PaintDatePickerPart75(hot.dc, rc, L"", L"", true, false, true);
    ASSERT_EQ(xp.m_pushes.size(), 1u);
    EXPECT_EQ(xp.m_pushes[0].rc, CRect(1, 1, 59, 19));
    EXPECT_EQ(hot.At(0, 10), T(xp, COLOR_3DSHADOW));
}

// ---- Studio 2005 -------------------------------------------------------------------------------

namespace
{

const int kIds[] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011};

bool SameTables(CExtPaintManager& a, CExtPaintManager& b, std::string& why)
{
    for (int nRun = 0; nRun < 3; nRun++)
    {
        const int nFirst = nRun == 0 ? 1000 : nRun == 1 ? 2000 : 3000, nCount = nRun == 2 ? 36 : 12;
        for (int id = nFirst; id < nFirst + nCount; id++)
            if (a.GetTranslatedColor(id) != b.GetTranslatedColor(id))
            {
                why = std::to_string(id);
                return false;
            }
    }
    return true;
}

} // namespace

TEST(Studio2005Colors, MetallicOrLowColourGivesExactlyTheOffice2003Table)
{
    const COLORREF a = RGB(165, 172, 190), b = RGB(255, 200, 91);
    for (int nCase = 0; nCase < 3; nCase++)
    {
        CExtPaintManager::ColorInputs in =
            painthost::MakeInputs(false, nCase == 1 ? 8 : 32, nCase != 2, nCase == 0 ? 3 : 1, a, b);
        in.m_bSchemeColors = true;
        CExtPaintManagerOffice2003 office;
        CExtPaintManagerStudio2005 studio;
        office.BuildOffice2003ColorTable(in);
        studio.BuildStudio2005ColorTable(in);
        std::string why;
        EXPECT_TRUE(SameTables(office, studio, why)) << nCase << " id " << why;
        EXPECT_EQ(office.GetColorTableSize(), studio.GetColorTableSize()) << nCase;
    }
}

TEST(Studio2005Colors, SchemeOneGivesTheStatedRowsFromItsFixedColour)
{
    const COLORREF c = RGB(225, 225, 210);
    CExtPaintManager::ColorInputs in = painthost::MakeInputs(false, 32, true, 1, c, RGB(49, 106, 197));
    in.m_bSchemeColors = true;
    CExtPaintManagerStudio2005 studio;
    studio.BuildStudio2005ColorTable(in);
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_00), PM::AdjustHls(c, 0.0, 0.8, 0.0));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_01), PM::AdjustHls(c, 0.0, 0.15, 0.0));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_10), PM::AdjustHls(c, 0.0, 0.98, 0.0));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_11), PM::AdjustHls(c, 0.0, -0.4, 0.0));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_03), PM::AdjustHls(c, 0.0, -0.2, 0.0));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_02), PM::AdjustHls(c, 0.0, 0.95, 0.0));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_04), PM::AdjustHls(c, 0.0, 0.6, 0.0));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_05), PM::AdjustHls(c, 0.0, -0.4, -0.4));
    const COLORREF w1 = PM::AdjustHls(c, 0.0, 0.95, -0.05);
    const COLORREF tint = RGB(GetRValue(w1) + ::MulDiv(255 - GetRValue(w1), 40, 100),
                              GetGValue(w1) + ::MulDiv(255 - GetGValue(w1), 20, 100), GetBValue(w1));
    for (int id : {1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 2002, 2004, 2008})
        EXPECT_EQ(studio.GetTranslatedColor(id), tint) << id;
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_TEXT_NORMAL), studio.GetTranslatedColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_TEXT_DISABLED), studio.GetTranslatedColor(COLOR_3DSHADOW));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_34), studio.GetTranslatedColor(XCLR_O2003_15));
    EXPECT_EQ(studio.GetTranslatedColor(XCLR_O2003_35), studio.GetTranslatedColor(XCLR_O2003_17));
    // The table does not grow on a second build.
    const INT_PTR nSize = studio.GetColorTableSize();
    studio.BuildStudio2005ColorTable(in);
    EXPECT_EQ(studio.GetColorTableSize(), nSize);
}

TEST(Studio2005Colors, InitColorsOfAThemedSubclassUsesTheSchemeOneColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto* pm = new CPainterProbe<CExtPaintManagerStudio2005>;
    pm->m_bThemeColors = true;
    pm->m_nScheme = 1;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pm));
    EXPECT_EQ(pm->GetTranslatedColor(XCLR_O2003_00), PM::AdjustHls(RGB(225, 225, 210), 0.0, 0.8, 0.0));
    EXPECT_EQ(pm->GetAutoHideMetric(), 1);
    DibCanvas c(10, 10);
    EXPECT_EQ(pm->PaintAutoHideArea(c.dc, CRect(0, 0, 10, 10), nullptr, 0), 1);
}

TEST(Studio2005Frames, FloatingFramesGetTheirOwnFrameToolBarsTheOffice2003One)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerStudio2005>();
    const CRect rcWindow(10, 10, 70, 50), rcClient(16, 16, 64, 44);
    DibCanvas c(80, 60, kBg);
    PM::DockingFramePaintData floating(nullptr, rcWindow, rcClient, true, true, false);
    pm.PaintDockingFrame(c.dc, floating);
    EXPECT_EQ(c.At(10, 30), T(pm, XCLR_FACE_NORMAL));
    EXPECT_EQ(c.At(69, 30), T(pm, COLOR_3DDKSHADOW));
    EXPECT_EQ(c.At(11, 30), T(pm, COLOR_WINDOW));
    EXPECT_EQ(c.At(68, 30), T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.At(30, 30), kBg);
    CExtToolControlBar toolBar;
    DibCanvas t(80, 60, kBg);
    PM::DockingFramePaintData docked(&toolBar, rcWindow, rcClient, false, true, false);
    pm.PaintDockingFrame(t.dc, docked);
    EXPECT_EQ(t.Count(CRect(0, 0, 80, 60), kBg), 80 * 60); // docked Office 2003 bars: no frame
    PM::DockingFramePaintData toolFloating(&toolBar, rcWindow, rcClient, true, true, false);
    pm.PaintDockingFrame(t.dc, toolFloating);
    EXPECT_EQ(t.At(10, 30), T(pm, COLOR_3DSHADOW)); // the XP outer frame
}

TEST(Studio2005Frames, TextCaptionsTakeTheBaseForm)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerStudio2005>();
    const CRect rc(0, 0, 200, 20);
    DibCanvas c(200, 20, kBg);
    PM::CaptionPaintData data(nullptr, rc, CRect(0, 0, 0, 0), true, false, false, true);
    pm.PaintControlBarFrame(c.dc, data);
    EXPECT_EQ(c.At(0, 0), kBg);
    EXPECT_TRUE(painthost::Near(c.At(1, 10), T(pm, COLOR_ACTIVECAPTION), 4));
    EXPECT_TRUE(painthost::Near(c.At(198, 10), T(pm, COLOR_GRADIENTACTIVECAPTION), 4));
}

TEST(Studio2005Tabs, ItemsAreFramedPolygonsTheSelectedOneInTheWindowColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerStudio2005>();
    const CRect rc(10, 10, 90, 30);
    DibCanvas c(100, 40, kBg);
    pm.PaintTabItem(c.dc, CRect(0, 0, 100, 40), true, true, true, false, false, false, false, rc, CSize(0, 0), nullptr,
                    L"", 0, nullptr, nullptr, 0);
    EXPECT_EQ(c.At(60, 20), T(pm, COLOR_WINDOW));
    EXPECT_EQ(c.At(60, 10), T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.At(88, 20), T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.At(11, 11), kBg); // beyond the slanted side
    DibCanvas n(100, 40, kBg);
    pm.PaintTabItem(n.dc, CRect(0, 0, 100, 40), true, true, false, false, false, false, false, rc, CSize(0, 0), nullptr,
                    L"", 0, nullptr, nullptr, 0);
    // From colour 22 at the bottom to colour 20 at the top, as every gradient of the style runs.
    EXPECT_TRUE(painthost::Near(n.At(60, 11), T(pm, COLOR_3DHILIGHT), 16)) << painthost::ColorText(n.At(60, 11));
    EXPECT_TRUE(painthost::Near(n.At(60, 28), T(pm, COLOR_3DLIGHT), 16)) << painthost::ColorText(n.At(60, 28));
}

// A tab whose slant leaves less room than its text takes still shows the text (cut with an
// ellipsis); under 16 pixels of room it shows none.
TEST(Studio2005Tabs, ATextLongerThanTheRoomBesideTheSlantIsCutNotDropped)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerStudio2005>();
    const COLORREF clrText = T(pm, COLOR_BTNTEXT);
    auto inkOf = [&](const CRect& rc, LPCTSTR pszText) {
        DibCanvas c(140, 40, kBg);
        CFont* pOld = c.dc.SelectObject(&pm.m_fontNormal);
        const CSize size = c.dc.GetTextExtent(pszText, lstrlenW(pszText));
        c.dc.SelectObject(pOld);
        pm.PaintTabItem(c.dc, CRect(0, 0, 140, 40), true, true, true, false, false, false, false, rc, size,
                        &pm.m_fontNormal, pszText, 0, nullptr, nullptr, 0);
        return c.Count(rc, clrText);
    };
    // 38 pixels: the slant takes 12, the text "Inbox" needs more than the 22 left.
    EXPECT_GT(inkOf(CRect(10, 10, 48, 30), L"Inbox"), 10);
    EXPECT_GT(inkOf(CRect(10, 10, 48, 30), L"Outbox"), 10);
    // 24 pixels leave 12: no text.
    EXPECT_EQ(inkOf(CRect(10, 10, 34, 30), L"Inbox"), 0);
}
