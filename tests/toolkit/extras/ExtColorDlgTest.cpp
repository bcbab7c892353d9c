// The colour dialog: its fields for a colour, typing in them (range errors, empty fields, no re-entry), the
// caption rule, the mode names and the mode choice, the anchors after a resize and the screen after a size-grip drag.
#include "ColorTestSupport.h"
#include "support/InputScript.h"
#include "support/MessageBoxCapture.h"
#include "toolkit/extras/ExtColorDlg.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"

using namespace colortest;

namespace
{
CString Text(CWnd& wnd)
{
    CString s;
    wnd.GetWindowText(s);
    return s;
}

CString Num(int n)
{
    CString s;
    s.Format(L"%d", n);
    return s;
}

CRect RectIn(CWnd& dlg, UINT nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(dlg.GetSafeHwnd(), nID), &rc);
    dlg.ScreenToClient(&rc);
    return rc;
}

class ExtColorDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(CRect(20, 20, 120, 120)));
        m_pDlg = new CExtColorDlg(RGB(1, 2, 3), RGB(10, 200, 60), &m_host);
    }
    void Open()
    {
        ASSERT_TRUE(m_pDlg->Create(IDD_EXT_COLOR_DLG, &m_host));
        m_pDlg->ShowWindow(SW_SHOW);
        PumpMessages();
    }
    void TearDown() override
    {
        if (m_pDlg->GetSafeHwnd() != nullptr)
            m_pDlg->DestroyWindow();
        delete m_pDlg;
        m_host.DestroyWindow();
    }
    CColorHost m_host;
    CExtColorDlg* m_pDlg = nullptr;
};
} // namespace

TEST_F(ExtColorDlgTest, FieldsShowRgbCmyAndRoundedHslOfTheNewColour)
{
    Open();
    CExtColorDlg& d = *m_pDlg;
    EXPECT_EQ(Text(d.m_editR), L"10");
    EXPECT_EQ(Text(d.m_editG), L"200");
    EXPECT_EQ(Text(d.m_editB), L"60");
    EXPECT_EQ(Text(d.m_editC), L"245");
    EXPECT_EQ(Text(d.m_editM), L"55");
    EXPECT_EQ(Text(d.m_editY), L"195");
    double h = 0, s = 0, l = 0;
    CExtPaintManager::RgbToHls(RGB(10, 200, 60), &h, &s, &l);
    EXPECT_EQ(Text(d.m_editH), Num((int)(h * 255 + 0.5)));
    EXPECT_EQ(Text(d.m_editS), Num((int)(s * 255 + 0.5)));
    EXPECT_EQ(Text(d.m_editL), Num((int)(l * 255 + 0.5)));
    EXPECT_EQ(d.m_wndColorCtrlMain.m_selClrs.m_clrCurrent, RGB(10, 200, 60));
    EXPECT_EQ(d.m_wndColorCtrlMain.m_selClrs.m_clrRef, RGB(1, 2, 3));
    EXPECT_EQ(d.m_wndColorCtrlDiff.m_selClrs.m_clrCurrent, RGB(10, 200, 60));
    EXPECT_EQ(d.m_wndColorCtrlDiff.m_selClrs.m_clrRef, RGB(1, 2, 3));
    EXPECT_EQ(d.m_wndColorCtrlDiff.m_nMode, 15);
    EXPECT_TRUE(d.m_bDialogInitComplete);
    EXPECT_FALSE(d.m_bUpdatingColors);
}

TEST_F(ExtColorDlgTest, OutOfRangeShowsTheBoxKeepsTheColourAndTheFieldsStillFollow)
{
    Open();
    CExtColorDlg& d = *m_pDlg;
    MessageBoxCapture boxes;
    d.m_editR.SetWindowText(L"256");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Value must be in range 0..255");
    EXPECT_EQ(d.m_clrNew, RGB(10, 200, 60));
    EXPECT_EQ(Text(d.m_editC), L"245");
    EXPECT_FALSE(d.m_bUpdatingColors);
    d.m_editR.SetWindowText(L"255");
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(d.m_clrNew, RGB(255, 200, 60));
    EXPECT_EQ(Text(d.m_editC), L"0");
    EXPECT_EQ(d.m_wndColorCtrlMain.m_selClrs.m_clrCurrent, RGB(255, 200, 60));
    EXPECT_EQ(d.m_wndColorCtrlDiff.m_selClrs.m_clrCurrent, RGB(255, 200, 60));
    double h = 0, s = 0, l = 0;
    CExtPaintManager::RgbToHls(RGB(255, 200, 60), &h, &s, &l);
    EXPECT_EQ(Text(d.m_editL), Num((int)(l * 255 + 0.5)));
    // CMY and HSL groups drive the colour too.
    d.m_editY.SetWindowText(L"255");
    EXPECT_EQ(d.m_clrNew, RGB(255, 200, 0));
    EXPECT_EQ(Text(d.m_editB), L"0");
    d.m_editS.SetWindowText(L"0");
    EXPECT_EQ(GetRValue(d.m_clrNew), GetGValue(d.m_clrNew));
    EXPECT_EQ(GetGValue(d.m_clrNew), GetBValue(d.m_clrNew));
}

TEST_F(ExtColorDlgTest, AnEmptiedFieldOrALoneSignShowsNoBoxAndChangesNothing)
{
    Open();
    CExtColorDlg& d = *m_pDlg;
    MessageBoxCapture boxes;
    d.m_editG.SetWindowText(L"");
    d.m_editH.SetWindowText(L"-");
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(d.m_clrNew, RGB(10, 200, 60));
    d.m_editG.SetWindowText(L"7");
    EXPECT_EQ(d.m_clrNew, RGB(10, 7, 60));
}

TEST_F(ExtColorDlgTest, FillingTheFieldsDoesNotReenterTheHandlers)
{
    Open();
    CExtColorDlg& d = *m_pDlg;
    MessageBoxCapture boxes;
    d.m_bUpdatingColors = true;
    d.m_editR.SetWindowText(L"300");
    d.m_editC.SetWindowText(L"0");
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(d.m_clrNew, RGB(10, 200, 60));
    d.m_bUpdatingColors = false;
    // A change in a control fills every field.
    d.m_wndColorCtrlMain.SetColor(RGB(0, 0, 255), true);
    EXPECT_EQ(Text(d.m_editR), L"0");
    EXPECT_EQ(Text(d.m_editB), L"255");
    EXPECT_EQ(Text(d.m_editY), L"0");
    EXPECT_EQ(d.m_wndColorCtrlDiff.m_selClrs.m_clrCurrent, RGB(0, 0, 255));
    EXPECT_EQ(d.m_clrNew, RGB(0, 0, 255));
}

TEST_F(ExtColorDlgTest, CaptionRulesAndTheFifteenModeNames)
{
    EXPECT_EQ(CExtColorDlg::CaptionFromString(L"Pick\nText colour"), L"Text colour");
    EXPECT_EQ(CExtColorDlg::CaptionFromString(L"\nWhole"), L"\nWhole");
    EXPECT_EQ(CExtColorDlg::CaptionFromString(L"Plain"), L"Plain");
    m_pDlg->m_strCaption = L"Pick\nText colour";
    Open();
    EXPECT_EQ(Text(*m_pDlg), L"Text colour");
    ASSERT_EQ(m_pDlg->m_comboMode.GetCount(), 15);
    for (int i = 0; i < 15; i++)
    {
        CString s;
        m_pDlg->m_comboMode.GetLBText(i, s);
        EXPECT_EQ(s, CExtColorCtrl::GetModeName(i));
    }
    EXPECT_EQ(m_pDlg->m_comboMode.GetCurSel(), 0);
    EXPECT_EQ((HICON)m_pDlg->SendMessage(WM_GETICON, ICON_BIG, 0), m_pDlg->m_hIcon);
    EXPECT_NE(m_pDlg->m_hIcon, nullptr);
}

TEST_F(ExtColorDlgTest, AModePickRepaintsTheLargeControlInTheNewModel)
{
    Open();
    CExtColorDlg& d = *m_pDlg;
    d.m_comboMode.SetCurSel(6);
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EXT_COLOR_MODE, CBN_SELENDOK), (LPARAM)d.m_comboMode.GetSafeHwnd());
    ASSERT_EQ(d.m_wndColorCtrlMain.m_nMode, 6);
    EXPECT_EQ(d.m_wndColorCtrlMain.m_selClrs.m_clrCurrent, RGB(10, 200, 60));
    const CExtColorCtrl::cell_t& cell = d.m_wndColorCtrlMain.m_dataGrayscaleMixer.m_arrCells[128];
    CClientDC dc(&d.m_wndColorCtrlMain);
    EXPECT_EQ(dc.GetPixel((cell.m_rc.left + cell.m_rc.right) / 2, cell.m_rc.top), RGB(128, 128, 128));
    // No selection: the mode stays.
    d.m_comboMode.SetCurSel(-1);
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EXT_COLOR_MODE, CBN_SELENDOK), (LPARAM)d.m_comboMode.GetSafeHwnd());
    EXPECT_EQ(d.m_wndColorCtrlMain.m_nMode, 6);
}

TEST_F(ExtColorDlgTest, AnchorsFollowAResize)
{
    Open();
    CExtColorDlg& d = *m_pDlg;
    const CRect rcCombo = RectIn(d, IDC_EXT_COLOR_MODE), rcMain = RectIn(d, IDC_EXT_COLOR_CTRL_MAIN),
                rcRed = RectIn(d, IDC_EXT_COLOR_EDIT_R), rcSpin = RectIn(d, IDC_EXT_COLOR_SPIN_Y),
                rcDiff = RectIn(d, IDC_EXT_COLOR_CTRL_DIFF), rcOK = RectIn(d, IDOK), rcModeLabel = RectIn(d, 30291);
    CRect rcWnd;
    d.GetWindowRect(&rcWnd);
    d.SetWindowPos(nullptr, 0, 0, rcWnd.Width() + 100, rcWnd.Height() + 60, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    EXPECT_EQ(RectIn(d, IDC_EXT_COLOR_MODE).Width(), rcCombo.Width() + 100);
    EXPECT_EQ(RectIn(d, IDC_EXT_COLOR_MODE).top, rcCombo.top);
    EXPECT_EQ(RectIn(d, IDC_EXT_COLOR_CTRL_MAIN).Size(), rcMain.Size() + CSize(100, 60));
    EXPECT_EQ(RectIn(d, IDC_EXT_COLOR_EDIT_R).TopLeft(), rcRed.TopLeft() + CPoint(100, 0));
    EXPECT_EQ(RectIn(d, IDC_EXT_COLOR_SPIN_Y).TopLeft(), rcSpin.TopLeft() + CPoint(100, 0));
    EXPECT_EQ(RectIn(d, IDC_EXT_COLOR_CTRL_DIFF), rcDiff + CPoint(100, 0));
    EXPECT_EQ(RectIn(d, IDOK), rcOK + CPoint(0, 60));
    EXPECT_EQ(RectIn(d, 30291), rcModeLabel);
}

TEST_F(ExtColorDlgTest, UnderTheBaseAndXpThemesASizeGripDragLeavesTheScreenAsAFullRepaintDrawsIt)
{
    struct Restore
    {
        ~Restore() { g_PaintManagerHolder.InstallPaintManager(nullptr); }
    } restore;
    for (CExtPaintManager* pPM : {new CExtPaintManager, (CExtPaintManager*)new CExtPaintManagerXP})
    {
        const char* pszTheme = pPM->GetRuntimeClass()->m_lpszClassName;
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pPM));
        if (m_pDlg->GetSafeHwnd() == nullptr)
            Open();
        CExtColorDlg& d = *m_pDlg;
        d.SetWindowPos(&CWnd::wndTop, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        d.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        // Grown, shrunk, in width alone and in height alone, as a user drags the grip to and fro.
        for (const CSize& by : {CSize(90, 60), CSize(-50, -40), CSize(70, 0), CSize(0, 50), CSize(-80, -30)})
        {
            CRect rcGrip = d.GetGripperRect();
            ASSERT_FALSE(rcGrip.IsRectEmpty());
            d.ClientToScreen(&rcGrip);
            const CPoint ptFrom = rcGrip.CenterPoint();
            CRect rcBefore;
            d.GetWindowRect(&rcBefore);
            RunInputScript([&] { SendMouseDrag(ptFrom, ptFrom + by); });
            CRect rcWnd;
            ASSERT_TRUE(WaitFor([&] {
                d.GetWindowRect(&rcWnd);
                return rcWnd.Size() != rcBefore.Size();
            })) << pszTheme;
            PumpMessages();
            const std::vector<DWORD> seen = GrabScreen(rcWnd);
            d.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpMessages();
            EXPECT_EQ(CountDiffs(seen, GrabScreen(rcWnd)), 0)
                << pszTheme << " after a drag by " << by.cx << "," << by.cy;
        }
    }
}
