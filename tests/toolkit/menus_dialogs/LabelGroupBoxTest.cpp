// Label and group box: backgrounds, text flags and colours, font attributes, parent repaint, the
// statics left to the system, icons, the four box looks, caption gaps and sibling repaint.
#include "ControlsTestSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtAnchor.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtGroupBox.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include <functional>
#include <memory>

namespace
{
// Bounding box of the pixels of a colour (empty when there are none).
CRect BoundsOf(const DibCanvas& canvas, COLORREF clr)
{
    CRect rc(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) == clr)
            {
                rc.left = std::min<int>(rc.left, x);
                rc.top = std::min<int>(rc.top, y);
                rc.right = std::max<int>(rc.right, x + 1);
                rc.bottom = std::max<int>(rc.bottom, y + 1);
            }
    return rc.left == INT_MAX ? CRect(0, 0, 0, 0) : rc;
}

// The control's own painting of its client area, printed into a DIB: what it paints, whatever covers
// its window on the screen.
std::unique_ptr<DibCanvas> Print(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    auto canvas = std::make_unique<DibCanvas>(rc.Width(), rc.Height(), RGB(1, 2, 3));
    ::SendMessageW(hWnd, WM_PRINTCLIENT, (WPARAM)canvas->dc.GetSafeHdc(), PRF_CLIENT | PRF_ERASEBKGND);
    return canvas;
}

// Pixels that differ between two canvases of one size.
int Differences(const DibCanvas& a, const DibCanvas& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            n += a.At(x, y) != b.At(x, y) ? 1 : 0;
    return n;
}

class CCountingGroupBox : public CExtGroupBox
{
public:
    int m_nPaints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            ++m_nPaints;
        return CExtGroupBox::WindowProc(message, wParam, lParam);
    }
};
} // namespace

class LabelGroupBoxTest : public ControlsTest
{
protected:
    template <typename T> T* Add(T* pCtl, LPCWSTR lpszClass, LPCWSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nId)
    {
        HWND hWnd = m_pDlg->AddControl(lpszClass, lpszText, dwStyle, rc, nId);
        EXPECT_NE(hWnd, nullptr);
        EXPECT_TRUE(pCtl->SubclassWindow(hWnd));
        m_controls.emplace_back(pCtl);
        return pCtl;
    }
    void TearDown() override
    {
        for (auto& p : m_controls)
            if (p->GetSafeHwnd() != nullptr)
                p->DestroyWindow();
        m_controls.clear();
        ControlsTest::TearDown();
    }
    std::vector<std::unique_ptr<CWnd>> m_controls;
};

TEST_F(LabelGroupBoxTest, AnchorConstants)
{
    EXPECT_EQ(AnchorTopLeft, CSize(0, 0));
    EXPECT_EQ(AnchorTopRight, CSize(100, 0));
    EXPECT_EQ(AnchorBottomLeft, CSize(0, 100));
    EXPECT_EQ(AnchorBottomRight, CSize(100, 100));
}

TEST_F(LabelGroupBoxTest, EmptyLabelPaintsOnlyTheBackground)
{
    auto* pLabel = Add(new CExtLabel, L"static", L"", SS_LEFT, CRect(10, 10, 110, 40), 300);
    auto canvas = Capture(pLabel->m_hWnd);
    EXPECT_EQ(canvas->Count(CRect(0, 0, 100, 30), PMColor(XCLR_FACE_NORMAL)), 100 * 30);
}

TEST_F(LabelGroupBoxTest, CenterImageCentresOneLineOnly)
{
    auto* pOne = Add(new CExtLabel, L"static", L"Middle", SS_LEFT | SS_CENTERIMAGE, CRect(10, 10, 160, 80), 301);
    auto* pTwo = Add(new CExtLabel, L"static", L"Top\r\nNext", SS_LEFT | SS_CENTERIMAGE, CRect(10, 90, 160, 160), 302);
    COLORREF clrText = PMColor(COLOR_BTNTEXT);
    CRect rcOne = BoundsOf(*Capture(pOne->m_hWnd), clrText);
    CRect rcTwo = BoundsOf(*Capture(pTwo->m_hWnd), clrText);
    ASSERT_FALSE(rcOne.IsRectEmpty());
    ASSERT_FALSE(rcTwo.IsRectEmpty());
    EXPECT_NEAR((rcOne.top + rcOne.bottom) / 2, 35, 4);
    EXPECT_LT(rcTwo.top, 6);
    EXPECT_EQ(CExtLabel::CalcDrawTextFlags(SS_LEFT | SS_CENTERIMAGE, L"a") & DT_SINGLELINE, (UINT)DT_SINGLELINE);
    EXPECT_EQ(CExtLabel::CalcDrawTextFlags(SS_LEFT | SS_CENTERIMAGE, L"a\r\nb") & DT_SINGLELINE, 0u);
    EXPECT_EQ(CExtLabel::CalcDrawTextFlags(SS_CENTER, L"a\tb"),
              (UINT)(DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_VCENTER | DT_END_ELLIPSIS));
}

TEST_F(LabelGroupBoxTest, DisabledLabelDrawsInShadowColour)
{
    auto* pLabel = Add(new CExtLabel, L"static", L"Disabled text", SS_LEFT, CRect(10, 10, 160, 40), 303);
    ::EnableWindow(pLabel->m_hWnd, FALSE);
    auto canvas = Capture(pLabel->m_hWnd);
    EXPECT_GT(canvas->Count(CRect(0, 0, 150, 30), PMColor(COLOR_3DSHADOW)), 10);
    EXPECT_EQ(canvas->Count(CRect(0, 0, 150, 30), PMColor(COLOR_BTNTEXT)), 0);
    // An own colour wins.
    pLabel->SetTextColor(false, RGB(0, 128, 0));
    canvas = Capture(pLabel->m_hWnd);
    EXPECT_GT(canvas->Count(CRect(0, 0, 150, 30), RGB(0, 128, 0)), 10);
}

TEST_F(LabelGroupBoxTest, FontFlagsChangeTheText)
{
    auto* pLabel = Add(new CExtLabel, L"static", L"Font flags", SS_LEFT, CRect(10, 10, 200, 40), 304);
    COLORREF clrText = PMColor(COLOR_BTNTEXT);
    CRect rcAll(0, 0, 190, 30);
    int nPlain = Capture(pLabel->m_hWnd)->Count(rcAll, clrText);
    ASSERT_GT(nPlain, 10);
    pLabel->SetFontBold(true);
    EXPECT_GT(Capture(pLabel->m_hWnd)->Count(rcAll, clrText), nPlain);
    pLabel->SetFontBold(false);
    pLabel->SetFontUnderline(true);
    auto underlined = Capture(pLabel->m_hWnd);
    EXPECT_GT(underlined->Count(rcAll, clrText), nPlain);
    pLabel->SetFontUnderline(false);
    pLabel->SetFontStrikeOut(true);
    EXPECT_GT(Capture(pLabel->m_hWnd)->Count(rcAll, clrText), nPlain);
    pLabel->SetFontStrikeOut(false);
    pLabel->SetFontItalic(true);
    auto italic = Capture(pLabel->m_hWnd);
    EXPECT_EQ(pLabel->GetFontFlags(), CExtLabel::kFontItalic);
    pLabel->SetFontItalic(false);
    auto plain = Capture(pLabel->m_hWnd);
    int nDiff = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 190; ++x)
            nDiff += italic->At(x, y) != plain->At(x, y);
    EXPECT_GT(nDiff, 10);
}

TEST_F(LabelGroupBoxTest, SettingTheTextInvalidatesTheParentBehind)
{
    auto* pLabel = Add(new CExtLabel, L"static", L"Old", SS_LEFT, CRect(30, 30, 130, 50), 305);
    ::RedrawWindow(m_pDlg->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    ::ValidateRect(m_pDlg->m_hWnd, nullptr);
    ::SetWindowTextW(pLabel->m_hWnd, L"New");
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetUpdateRgn(m_pDlg->m_hWnd, (HRGN)rgn.GetSafeHandle(), FALSE), ERROR);
    EXPECT_TRUE(::PtInRegion((HRGN)rgn.GetSafeHandle(), 31, 31));
    EXPECT_TRUE(::PtInRegion((HRGN)rgn.GetSafeHandle(), 128, 48));
    EXPECT_FALSE(::PtInRegion((HRGN)rgn.GetSafeHandle(), 200, 100));
}

TEST_F(LabelGroupBoxTest, EtchedAndFrameStaticsPaintAsTheSystemDoes)
{
    DWORD styles[] = {SS_ETCHEDFRAME, SS_ETCHEDHORZ, SS_BLACKFRAME, SS_GRAYRECT};
    UINT nId = 310;
    for (DWORD dwStyle : styles)
    {
        auto* pLabel = Add(new CExtLabel, L"static", L"", dwStyle, CRect(10, 10, 110, 60), nId++);
        HWND hPlain = m_pDlg->AddControl(L"static", L"", dwStyle, CRect(200, 10, 300, 60), nId++);
        CRect rcOurs, rcTheirs;
        ::GetWindowRect(pLabel->m_hWnd, &rcOurs);
        ::GetWindowRect(hPlain, &rcTheirs);
        ASSERT_EQ(rcOurs.Size(), rcTheirs.Size()) << std::hex << dwStyle;
        auto ours = CaptureWindow(pLabel->m_hWnd);
        auto theirs = CaptureWindow(hPlain);
        int nDiff = 0;
        for (int y = 0; y < ours->Height(); ++y)
            for (int x = 0; x < ours->Width(); ++x)
                nDiff += ours->At(x, y) != theirs->At(x, y);
        EXPECT_EQ(nDiff, 0) << std::hex << dwStyle;
        pLabel->DestroyWindow();
        ::DestroyWindow(hPlain);
    }
}

TEST_F(LabelGroupBoxTest, IconLabelCentredWithCenterImage)
{
    auto* pLabel = Add(new CExtLabel, L"static", L"", SS_ICON | SS_CENTERIMAGE, CRect(10, 10, 74, 74), 320);
    HICON hIcon = CExtPaintManager::CreateColorIcon(RGB(255, 0, 0));
    ASSERT_NE(hIcon, nullptr);
    ::SendMessageW(pLabel->m_hWnd, STM_SETICON, (WPARAM)hIcon, 0);
    ::SetWindowPos(pLabel->m_hWnd, nullptr, 10, 10, 64, 64, SWP_NOZORDER);
    CRect rcRed = BoundsOf(*Capture(pLabel->m_hWnd), RGB(255, 0, 0));
    ASSERT_FALSE(rcRed.IsRectEmpty());
    EXPECT_NEAR((rcRed.left + rcRed.right) / 2, 32, 2);
    EXPECT_NEAR((rcRed.top + rcRed.bottom) / 2, 32, 2);
    pLabel->DestroyWindow();
    ::DestroyIcon(hIcon);
}

TEST_F(LabelGroupBoxTest, EtchedFrameWithoutCaptionLiesSixPixelsDown)
{
    auto* pBox = Add(new CExtGroupBox, L"button", L"", BS_GROUPBOX, CRect(10, 10, 210, 110), 330);
    auto canvas = Print(pBox->m_hWnd);
    EXPECT_EQ(canvas->At(100, 6), PMColor(COLOR_3DSHADOW));
    EXPECT_EQ(canvas->At(100, 7), PMColor(COLOR_WINDOW));
    EXPECT_EQ(canvas->At(100, 5), PMColor(XCLR_FACE_NORMAL));
    EXPECT_EQ(canvas->At(100, 50), PMColor(XCLR_FACE_NORMAL));
}

TEST_F(LabelGroupBoxTest, CaptionGapAndDisabledCaption)
{
    auto* pBox = Add(new CExtGroupBox, L"button", L"Caption", BS_GROUPBOX, CRect(10, 10, 210, 110), 331);
    CClientDC dcScreen(nullptr);
    CRect rcText = CExtPaintManager::MeasureText(dcScreen, ExtQueryControlFont(pBox->m_hWnd), L"Caption");
    int w = rcText.Width(), h = rcText.Height();
    auto canvas = Print(pBox->m_hWnd);
    int y = h / 2;
    COLORREF clrLine = PMColor(COLOR_3DSHADOW), clrFace = PMColor(XCLR_FACE_NORMAL);
    EXPECT_EQ(canvas->At(6, y), clrLine);
    EXPECT_EQ(canvas->At(7, y), clrFace);
    EXPECT_EQ(canvas->At(8, y), clrFace);
    EXPECT_EQ(canvas->At(9 + w, y), clrFace);
    EXPECT_EQ(canvas->At(10 + w, y), clrFace);
    EXPECT_EQ(canvas->At(11 + w, y), clrLine);
    CRect rcCaption(9, 0, 9 + w, h);
    EXPECT_GT(canvas->Count(rcCaption, PMColor(COLOR_BTNTEXT)), 10);
    ::EnableWindow(pBox->m_hWnd, FALSE);
    canvas = Print(pBox->m_hWnd);
    EXPECT_EQ(canvas->Count(rcCaption, PMColor(COLOR_BTNTEXT)), 0);
    EXPECT_GT(canvas->Count(rcCaption, clrLine), 10);
}

TEST_F(LabelGroupBoxTest, RoundedFlatAndHeaderBandLooks)
{
    auto* pBox = Add(new CExtGroupBox, L"button", L"", BS_GROUPBOX, CRect(10, 10, 210, 110), 332);
    COLORREF clrLine = PMColor(COLOR_3DSHADOW), clrFace = PMColor(XCLR_FACE_NORMAL);
    pBox->SetStyle(CExtGroupBox::kStyleFlat);
    auto flat = Print(pBox->m_hWnd);
    EXPECT_EQ(flat->At(100, 6), clrLine);
    EXPECT_EQ(flat->At(100, 7), clrFace);
    EXPECT_EQ(flat->At(0, 50), clrLine);
    EXPECT_EQ(flat->At(0, 6), clrLine);
    pBox->SetStyle(CExtGroupBox::kStyleRounded);
    auto rounded = Print(pBox->m_hWnd);
    EXPECT_EQ(rounded->At(100, 6), clrLine);
    EXPECT_EQ(rounded->At(0, 6), clrFace);
    EXPECT_EQ(rounded->At(0, 50), clrLine);
    ::SetWindowTextW(pBox->m_hWnd, L"Header");
    pBox->SetStyle(CExtGroupBox::kStyleHeaderBand);
    auto band = Print(pBox->m_hWnd);
    CRect rcBand(0, 0, 200, 18);
    EXPECT_GT(band->Count(rcBand, clrLine), 200 * 18 / 2);
    EXPECT_GT(band->Count(rcBand, PMColor(COLOR_WINDOW)), 10);
    EXPECT_EQ(band->Count(CRect(1, 19, 199, 99), PMColor(COLOR_BTNTEXT)), 0);
    EXPECT_EQ(band->At(100, 99), clrLine);
    EXPECT_EQ(band->At(100, 50), clrFace);
}

TEST_F(LabelGroupBoxTest, TextEnableUiStateAndFocusChangesShowNoOtherFrameBeforeTheBoxRepaints)
{
    auto* pBox = Add(new CExtGroupBox, L"button", L"", BS_GROUPBOX, CRect(10, 10, 210, 110), 333);
    pBox->SetStyle(CExtGroupBox::kStyleRounded);
    ::RedrawWindow(pBox->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // Each change repaints the box through its own paint (queued); until then its surface keeps the rounded
    // frame: nothing painted it over with another look in the meantime.
    const std::function<void()> changes[] = {
        [&] {
            ::SendMessageW(pBox->m_hWnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
        },
        [&] {
            ::SendMessageW(pBox->m_hWnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
        },
        [&] { ::EnableWindow(pBox->m_hWnd, FALSE); },
        [&] { ::EnableWindow(pBox->m_hWnd, TRUE); },
        [&] { ::SetWindowTextW(pBox->m_hWnd, L""); },
        // The focus coming and going (a disable takes it away) is such a change too.
        [&] { ::SetFocus(pBox->m_hWnd); },
        [&] { ::EnableWindow(pBox->m_hWnd, FALSE); },
        [&] { ::EnableWindow(pBox->m_hWnd, TRUE); },
        [&] { ::SetFocus(pBox->m_hWnd); },
        [&] { ::SetFocus(::GetParent(pBox->m_hWnd)); },
    };
    int i = 0;
    for (const auto& change : changes)
    {
        Pump();
        auto before = ReadClientSurface(pBox->m_hWnd);
        change();
        auto after = ReadClientSurface(pBox->m_hWnd);
        EXPECT_EQ(Differences(*before, *after), 0) << "change " << i;
        EXPECT_TRUE(::GetUpdateRect(pBox->m_hWnd, nullptr, FALSE)) << "change " << i << " left no repaint";
        ++i;
    }
    Pump();
    EXPECT_EQ(ReadClientSurface(pBox->m_hWnd)->At(100, 6), Print(pBox->m_hWnd)->At(100, 6));
}

TEST_F(LabelGroupBoxTest, ControlOnTheBoxIsRepaintedAfterIt)
{
    auto* pBox = Add(new CExtGroupBox, L"button", L"Group", BS_GROUPBOX, CRect(10, 10, 260, 160), 340);
    auto* pCheck = Add(new CExtCheckBox, L"button", L"Inside", BS_AUTOCHECKBOX, CRect(30, 50, 200, 71), 341);
    Pump();
    CRecordingPaintManager::g_boxes.clear();
    ::RedrawWindow(pBox->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    ASSERT_FALSE(CRecordingPaintManager::g_boxes.empty());
    EXPECT_EQ(CRecordingPaintManager::g_boxes.back().pSrc, pCheck);
    // The screen shows the box of the check box inside the group box.
    auto canvas = Capture(m_pDlg->m_hWnd);
    EXPECT_LT(canvas->Count(CRect(30, 54, 43, 67), PMColor(XCLR_FACE_NORMAL)), 13 * 13);
}

TEST_F(LabelGroupBoxTest, OverlappingGroupBoxesComeToRest)
{
    auto* pA = Add(new CCountingGroupBox, L"button", L"A", BS_GROUPBOX, CRect(10, 10, 200, 150), 350);
    auto* pB = Add(new CCountingGroupBox, L"button", L"B", BS_GROUPBOX, CRect(50, 50, 250, 200), 351);
    auto* pC = Add(new CCountingGroupBox, L"button", L"C", BS_GROUPBOX, CRect(60, 60, 150, 120), 352);
    Pump();
    pA->m_nPaints = pB->m_nPaints = pC->m_nPaints = 0;
    ::RedrawWindow(m_pDlg->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    MSG msg;
    int nDispatched = 0;
    while (nDispatched < 5000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::DispatchMessageW(&msg);
        ++nDispatched;
    }
    EXPECT_LT(nDispatched, 5000);
    EXPECT_GE(pA->m_nPaints, 1);
    EXPECT_LE(pA->m_nPaints, 3);
    EXPECT_LE(pB->m_nPaints, 3);
    EXPECT_LE(pC->m_nPaints, 3);
}
