// Edit and combo frames on DIB pixels: the rings per state and style, the combo's strip, overrides
// and arrow font, and the Office 2003 background behind edits and combo boxes.
#include "platform/Controls.h"
#include "platform/FrameWnd.h"
#include "toolkit/foundation/PainterProbe.h"
#include <gtest/gtest.h>

using namespace probe;
typedef CExtPaintManager PM;

namespace
{

const CRect kEdit(20, 20, 60, 40); // rings at x = 20, 19, 18, 17, 16 on the left side

struct RingColours
{
    COLORREF left[5];  // left column of rings 1..5 at the middle row
    COLORREF right[5]; // right column
};

RingColours PaintEdit(CExtPaintManager& pm, bool bHover, bool bEnabled, bool bFocus, CObject* pSubject = nullptr)
{
    DibCanvas c(80, 60);
    PM::EditFramePaintData data(pSubject, kEdit, true, bHover, bEnabled, bFocus);
    pm.PaintEditFrame(c.dc, data);
    RingColours r;
    for (int i = 0; i < 5; i++)
    {
        r.left[i] = c.At(kEdit.left - i, 30);
        r.right[i] = c.At(kEdit.right - 1 + i, 30);
    }
    return r;
}

} // namespace

TEST(EditFrame, ADisabledEditShowsThreeWindowRingsAndTwoFaceRingsInEveryStyle)
{
    painthost::ScopedStyle restore;
    ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
        for (int nState = 0; nState < 4; nState++)
        {
            const RingColours r = PaintEdit(pm, (nState & 1) != 0, false, (nState & 2) != 0);
            for (int i = 0; i < 3; i++)
            {
                EXPECT_EQ(r.left[i], T(pm, COLOR_WINDOW)) << pszStyle << " ring " << i + 1;
                EXPECT_EQ(r.right[i], T(pm, COLOR_WINDOW)) << pszStyle << " ring " << i + 1;
            }
            for (int i = 3; i < 5; i++)
            {
                EXPECT_EQ(r.left[i], T(pm, XCLR_FACE_NORMAL)) << pszStyle << " ring " << i + 1;
                EXPECT_EQ(r.right[i], T(pm, XCLR_FACE_NORMAL)) << pszStyle << " ring " << i + 1;
            }
        }
    });
}

TEST(EditFrame, BaseOuterRingsAreSunkenByHoverAndFocus)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    RingColours r = PaintEdit(pm, true, true, false);
    EXPECT_EQ(r.left[3], T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(r.right[3], T(pm, COLOR_3DHILIGHT));
    EXPECT_EQ(r.left[4], T(pm, XCLR_FACE_NORMAL));
    r = PaintEdit(pm, true, true, true);
    EXPECT_EQ(r.left[3], T(pm, COLOR_3DDKSHADOW));
    EXPECT_EQ(r.right[3], T(pm, COLOR_3DFACE));
    EXPECT_EQ(r.left[4], T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(r.right[4], T(pm, COLOR_3DHILIGHT));
    r = PaintEdit(pm, false, true, false);
    EXPECT_EQ(r.left[3], T(pm, XCLR_FACE_NORMAL));
    EXPECT_EQ(r.left[0], T(pm, COLOR_WINDOW));
}

TEST(EditFrame, XpOuterRingsAreFlatInTheHighlightColour)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    RingColours r = PaintEdit(pm, false, true, true);
    EXPECT_EQ(r.left[3], T(pm, XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(r.right[3], T(pm, XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(r.left[4], T(pm, XCLR_FACE_NORMAL));
    r = PaintEdit(pm, true, true, true);
    EXPECT_EQ(r.left[4], T(pm, XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(r.right[4], T(pm, XCLR_HILIGHT_DISABLED));
}

TEST(EditFrame, Office2003EditShowsTheBackgroundOutsideItsColouredRings)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    CEdit edit;
    DibCanvas c(80, 60);
    PM::EditFramePaintData data(&edit, kEdit, true, true, true, false);
    pm.PaintEditFrame(c.dc, data);
    EXPECT_EQ(pm.m_nDockerCalls, 1);
    EXPECT_EQ(pm.m_pDockerWnd, &edit);
    EXPECT_EQ(c.At(kEdit.left, 30), T(pm, COLOR_WINDOW));
    EXPECT_EQ(c.At(kEdit.left - 3, 30), T(pm, XCLR_HILIGHT_DISABLED)); // ring 4, coloured
    EXPECT_EQ(c.At(kEdit.left - 4, 30), kDocker);                      // ring 5, face: background
    EXPECT_EQ(c.At(2, 2), kDocker);
    EXPECT_EQ(c.At(kEdit.left + 5, 30), kWhite); // the client area stays
    // The clip is gone afterwards.
    c.dc.FillSolidRect(CRect(0, 0, 80, 60), RGB(9, 9, 9));
    EXPECT_EQ(c.At(kEdit.left + 5, 30), RGB(9, 9, 9));
}

TEST(EditFrame, Office2003PaintsNoBackgroundForOtherSubjects)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    DibCanvas c(80, 60);
    PM::EditFramePaintData data(nullptr, kEdit, true, false, true, false);
    pm.PaintEditFrame(c.dc, data);
    EXPECT_EQ(pm.m_nDockerCalls, 0);
    EXPECT_EQ(c.At(2, 2), kWhite);
}

// ---- combo frames ------------------------------------------------------------------------------

namespace
{

const CRect kCombo(10, 10, 110, 32);

struct ComboPixels
{
    COLORREF outerLeft, outerRight, inner, strip;
    int nButtonLeft;
};

ComboPixels PaintCombo(CExtPaintManager& pm, PM::ComboFramePaintData& data, DibCanvas& c)
{
    pm.PaintComboFrame(c.dc, data);
    ComboPixels p;
    p.nButtonLeft = kCombo.right - 1 - ::GetSystemMetrics(SM_CXHTHUMB);
    p.outerLeft = c.At(kCombo.left, 20);
    p.outerRight = c.At(kCombo.right - 1, 20);
    p.inner = c.At(kCombo.left + 1, 20);
    p.strip = c.At(p.nButtonLeft - 2, 20);
    return p;
}

} // namespace

TEST(ComboFrame, BaseRingsAndStripFollowTheState)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    DibCanvas c(120, 40);
    PM::ComboFramePaintData idle(nullptr, kCombo, false, false, true);
    ComboPixels p = PaintCombo(pm, idle, c);
    EXPECT_EQ(p.outerLeft, T(pm, XCLR_FACE_NORMAL));
    EXPECT_EQ(p.inner, T(pm, XCLR_FACE_NORMAL));
    EXPECT_EQ(p.strip, T(pm, COLOR_WINDOW));
    PM::ComboFramePaintData hot(nullptr, kCombo, true, false, true);
    p = PaintCombo(pm, hot, c);
    EXPECT_EQ(p.outerLeft, T(pm, XCLR_SHADOW_ACTIVE));
    EXPECT_EQ(p.outerRight, T(pm, XCLR_HILIGHT_ACTIVE));
    PM::ComboFramePaintData disabled(nullptr, kCombo, false, false, false);
    p = PaintCombo(pm, disabled, c);
    EXPECT_EQ(p.inner, T(pm, XCLR_HILIGHT_NORMAL));
    EXPECT_EQ(p.strip, T(pm, XCLR_FACE_NORMAL));
}

TEST(ComboFrame, ADisabledComboFillsItsStripWithTheFaceColourInEveryStyle)
{
    painthost::ScopedStyle restore;
    ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
        DibCanvas c(120, 40);
        PM::ComboFramePaintData data(nullptr, kCombo, false, false, false);
        const ComboPixels p = PaintCombo(pm, data, c);
        const COLORREF clrFace = pm.GetThemeKind() == 1 ? T(pm, XCLR_FACE_NORMAL) : T(pm, XCLR_FACE_ALT);
        EXPECT_EQ(p.strip, clrFace) << pszStyle;
    });
}

TEST(ComboFrame, OverridesApplyOnlyWhileTheComboIsIdle)
{
    painthost::ScopedStyle restore;
    const COLORREF kFace = RGB(200, 10, 10), kFrame = RGB(10, 10, 200);
    ForEachStyle([&](CExtPaintManager& pm, const char* pszStyle) {
        DibCanvas c(120, 40);
        PM::ComboFramePaintData idle(nullptr, kCombo, false, false, true);
        idle.m_clrFace = kFace;
        idle.m_clrFrame = kFrame;
        ComboPixels p = PaintCombo(pm, idle, c);
        EXPECT_EQ(p.outerLeft, kFrame) << pszStyle;
        EXPECT_EQ(p.strip, kFace) << pszStyle;
        for (int nState = 1; nState <= 2; nState++)
        {
            PM::ComboFramePaintData active(nullptr, kCombo, nState == 1, nState == 2, true);
            active.m_clrFace = kFace;
            active.m_clrFrame = kFrame;
            p = PaintCombo(pm, active, c);
            EXPECT_NE(p.outerLeft, kFrame) << pszStyle;
            EXPECT_EQ(p.strip, T(pm, COLOR_WINDOW)) << pszStyle;
            EXPECT_EQ(c.Count(kCombo, kFace), 0) << pszStyle;
        }
    });
}

TEST(ComboFrame, XpFramesTheHotComboInsideItsRectangleAndHonoursTheActiveFrameColour)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    DibCanvas c(120, 40);
    PM::ComboFramePaintData idle(nullptr, kCombo, false, false, true);
    ComboPixels p = PaintCombo(pm, idle, c);
    EXPECT_EQ(p.outerLeft, T(pm, XCLR_FACE_NORMAL));
    EXPECT_EQ(p.inner, T(pm, XCLR_FACE_ALT));
    PM::ComboFramePaintData hot(nullptr, kCombo, true, false, true);
    hot.m_clrFrameActive = RGB(0, 128, 0);
    p = PaintCombo(pm, hot, c);
    EXPECT_EQ(p.outerLeft, RGB(0, 128, 0));
    EXPECT_EQ(p.inner, T(pm, XCLR_HILIGHT_DISABLED));
    DibCanvas bare(120, 40);
    PM::ComboFramePaintData noRing(nullptr, kCombo, false, false, true);
    noRing.m_bNoOuterRing = true;
    p = PaintCombo(pm, noRing, bare);
    EXPECT_EQ(p.outerLeft, kWhite);
}

TEST(ComboFrame, TheArrowIsAFlatMarlettSixButtonScaledByTheResolution)
{
    EXPECT_EQ(PM::GetComboArrowPointSize(96), 60);
    EXPECT_EQ(PM::GetComboArrowPointSize(120), 48);
    EXPECT_EQ(PM::GetComboArrowPointSize(144), 40);
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    DibCanvas c(120, 40);
    PM::ComboFramePaintData data(nullptr, kCombo, true, true, true);
    pm.PaintComboFrame(c.dc, data);
    ASSERT_EQ(pm.m_pushes.size(), 1u);
    const PushCall& call = pm.m_pushes[0];
    EXPECT_EQ(call.sText, L"6");
    EXPECT_STREQ(call.lf.lfFaceName, L"Marlett");
    const int nDpiY = c.dc.GetDeviceCaps(LOGPIXELSY);
    const int nPoints = PM::GetComboArrowPointSize(c.dc.GetDeviceCaps(LOGPIXELSX));
    EXPECT_EQ(std::abs(call.lf.lfHeight), ::MulDiv(nPoints, nDpiY, 720));
    EXPECT_TRUE(call.bFlat);
    EXPECT_FALSE(call.bHot); // hovered but pressed
    EXPECT_TRUE(call.bPushed);
    EXPECT_LE(call.rc.Width(), ::GetSystemMetrics(SM_CXHTHUMB));
}

TEST(ComboFrame, Office2003PaintsTheBackgroundBehindComboBoxesOnly)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"combo", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 10, 110, 200), pFrame, 100));
    DibCanvas c(120, 40);
    PM::ComboFramePaintData data(&combo, kCombo, false, false, true);
    data.m_bNoOuterRing = true;
    pm.PaintComboFrame(c.dc, data);
    EXPECT_EQ(pm.m_nDockerCalls, 1);
    EXPECT_EQ(c.At(kCombo.left, 20), kDocker);                  // between the rectangle and the inner one
    EXPECT_EQ(c.At(kCombo.left + 1, 20), T(pm, XCLR_FACE_ALT)); // the XP frame over it
    EXPECT_EQ(c.At(5, 5), kWhite);                              // nothing outside the control
    PM::ComboFramePaintData other(nullptr, kCombo, false, false, true);
    pm.PaintComboFrame(c.dc, other);
    EXPECT_EQ(pm.m_nDockerCalls, 1);
    {
        painthost::ScopedBitsPerPixel low(8);
        pm.PaintComboFrame(c.dc, data);
        EXPECT_EQ(pm.m_nDockerCalls, 1);
    }
    combo.DestroyWindow();
    pFrame->DestroyWindow();
}

TEST(SurfaceDepth, AMemoryDcAnswersItsDepthAndTheOverrideWins)
{
    DibCanvas c(4, 4);
    EXPECT_EQ(PM::GetSurfaceBitsPerPixel(c.dc.GetSafeHdc()), PM::GetDeviceBitsPerPixel(c.dc.GetSafeHdc()));
    EXPECT_EQ(PM::GetSurfaceBitsPerPixel(c.dc.GetSafeHdc()), PM::GetSurfaceBitsPerPixel(c.dc.GetSafeHdc()));
    {
        painthost::ScopedBitsPerPixel depth(8);
        EXPECT_EQ(PM::GetSurfaceBitsPerPixel(c.dc.GetSafeHdc()), 8);
    }
    EXPECT_EQ(PM::GetSurfaceBitsPerPixel(nullptr), PM::GetDisplayBitsPerPixel());
    // Another bitmap in the same DC is asked about anew.
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(4, 4, 1, 1, nullptr));
    CBitmap* pOld = c.dc.SelectObject(&mono);
    EXPECT_EQ(PM::GetSurfaceBitsPerPixel(c.dc.GetSafeHdc()), PM::GetDeviceBitsPerPixel(c.dc.GetSafeHdc()));
    c.dc.SelectObject(pOld);
}

TEST(ComboFrame, Office2003WithThemeColoursRingsInWindowColourAndShowsTheBackgroundRoundAnIdleCombo)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    pm.m_bThemeColors = true;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"combo", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 10, 110, 200), pFrame, 100));
    DibCanvas c(120, 40, kWhite);
    PM::ComboFramePaintData idle(&combo, kCombo, false, false, true);
    pm.PaintComboFrame(c.dc, idle);
    EXPECT_EQ(c.At(kCombo.left, 20), kDocker);
    EXPECT_EQ(c.At(kCombo.left + 1, 20), T(pm, COLOR_WINDOW));
    EXPECT_EQ(c.At(kCombo.left + 5, 20), T(pm, COLOR_WINDOW));
    EXPECT_EQ(c.At(5, 5), kWhite);
    ASSERT_EQ(pm.m_pushes.size(), 1u);
    EXPECT_EQ(pm.m_pushes[0].sText, L"6");
    EXPECT_EQ(pm.m_pushes[0].rc.right, kCombo.right - 1);
    DibCanvas h(120, 40, kWhite);
    PM::ComboFramePaintData hot(&combo, kCombo, true, false, true);
    pm.PaintComboFrame(h.dc, hot);
    EXPECT_EQ(h.At(kCombo.left, 20), T(pm, XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(h.At(kCombo.right - 1, 20), T(pm, XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(pm.m_nDockerCalls, 1);
    combo.DestroyWindow();
    pFrame->DestroyWindow();
}
