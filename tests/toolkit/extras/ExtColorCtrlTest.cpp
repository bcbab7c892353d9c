// The colour control as a window: notifications on mouse changes only, repaints, capture ending, mode names,
// modes out of range, and tiny or shrinking controls, with real input under the display.
#include "ColorTestSupport.h"
#include "toolkit/foundation/ExtPaintManager.h"

using namespace colortest;
typedef CExtColorCtrl C;

namespace
{
// Counts its paints.
class CCountingCtrl : public CExtColorCtrl
{
public:
    explicit CCountingCtrl(int nMode) : CExtColorCtrl(nMode) {}
    int m_nPaints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            ++m_nPaints;
        return CExtColorCtrl::WindowProc(message, wParam, lParam);
    }
};

CPoint CellCentre(const C::cell_t& cell)
{
    return CPoint((cell.m_rc.left + cell.m_rc.right) / 2, (cell.m_rc.top + cell.m_rc.bottom) / 2);
}
} // namespace

TEST(ExtColorCtrl, ModeNamesAndModesOutOfRange)
{
    EXPECT_EQ(C::GetModeName(0), CString(L" basic colors"));
    EXPECT_EQ(C::GetModeName(14), CString(L" yellow axis"));
    EXPECT_TRUE(C::GetModeName(15).IsEmpty());
    EXPECT_TRUE(C::GetModeName(-1).IsEmpty());
    C ctrl(3);
    EXPECT_FALSE(ctrl.SetMode(16));
    EXPECT_FALSE(ctrl.SetMode(-1));
    EXPECT_EQ(ctrl.m_nMode, 3);
    EXPECT_EQ(ctrl.GetCurrentModel(), &ctrl.m_dataHslRoller);
    EXPECT_TRUE(ctrl.SetMode(15));
    EXPECT_EQ(ctrl.GetCurrentModel(), &ctrl.m_dataDiff);
    C bad(99);
    EXPECT_EQ(bad.m_nMode, 0);
}

TEST(ExtColorCtrl, SetColorWithTheCurrentColourSendsNothingButRepaints)
{
    CColorHost host;
    ASSERT_TRUE(host.CreateHost());
    CCountingCtrl ctrl(0);
    ASSERT_TRUE(CreateControl(ctrl, &host, CRect(0, 0, 300, 300), 0));
    const int nPaints = ctrl.m_nPaints;
    ctrl.SetColor(ctrl.m_selClrs.m_clrCurrent, true);
    EXPECT_TRUE(host.m_notes.empty());
    EXPECT_GT(ctrl.m_nPaints, nPaints);
    ctrl.SetColor(RGB(1, 2, 3), true);
    ASSERT_EQ(host.m_notes.size(), 1u);
    EXPECT_EQ(host.m_notes[0].hWndCtrl, ctrl.m_hWnd);
    EXPECT_EQ(host.m_notes[0].clrCurrent, RGB(1, 2, 3));
    EXPECT_EQ(ctrl.GetCurrentModel()->m_clr, RGB(1, 2, 3));
    host.DestroyWindow();
}

TEST(ExtColorCtrl, ClickOnACellTakesItsColourAndARepeatSendsNothing)
{
    CColorHost host;
    ASSERT_TRUE(host.CreateHost());
    C ctrl(0);
    ASSERT_TRUE(CreateControl(ctrl, &host, CRect(0, 0, 300, 300), 0));
    const C::cell_t& cell = ctrl.m_dataCells.m_arrCells[20];
    ClickAt(&ctrl, CellCentre(cell));
    ASSERT_EQ(host.m_notes.size(), 1u);
    EXPECT_EQ(ctrl.m_selClrs.m_clrCurrent, cell.m_clr);
    EXPECT_EQ(host.m_notes[0].clrPrev, RGB(255, 255, 255));
    ClickAt(&ctrl, CellCentre(cell));
    EXPECT_EQ(host.m_notes.size(), 1u);
    EXPECT_FALSE(ctrl.m_bTracking);
    host.DestroyWindow();
}

TEST(ExtColorCtrl, DragInTheGreenColumnSendsOneNotePerChangeAndChangesGreenOnly)
{
    CColorHost host;
    ASSERT_TRUE(host.CreateHost());
    C ctrl(5);
    ASSERT_TRUE(CreateControl(ctrl, &host, CRect(0, 0, 300, 300), 5));
    ctrl.SetColor(RGB(10, 20, 30));
    const auto& cells = ctrl.m_dataRgbMixer.m_arrCells;
    std::vector<CPoint> pts;
    for (int i : {40, 41, 41, 120, 200})
        pts.push_back(CellCentre(cells[256 + i]));
    DragThrough(&ctrl, pts);
    ASSERT_EQ(host.m_notes.size(), 4u);
    COLORREF clrPrev = RGB(10, 20, 30);
    const int greens[4] = {40, 41, 120, 200};
    for (size_t i = 0; i < 4; i++)
    {
        EXPECT_EQ(host.m_notes[i].clrCurrent, RGB(10, greens[i], 30));
        EXPECT_EQ(host.m_notes[i].clrPrev, clrPrev);
        clrPrev = host.m_notes[i].clrCurrent;
    }
    host.DestroyWindow();
}

TEST(ExtColorCtrl, CaptureEndsOnEscapeCancelModeAndFocusLoss)
{
    CColorHost host;
    ASSERT_TRUE(host.CreateHost());
    C ctrl(1);
    ASSERT_TRUE(CreateControl(ctrl, &host, CRect(0, 0, 300, 300), 1));
    ctrl.SetFocus();
    for (int nWay = 0; nWay < 3; nWay++)
    {
        ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
        ASSERT_TRUE(ctrl.m_bTracking);
        EXPECT_EQ(::GetCapture(), ctrl.m_hWnd);
        if (nWay == 0)
            ctrl.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        else if (nWay == 1)
            ctrl.SendMessage(WM_CANCELMODE, 0, 0);
        else
            ctrl.SendMessage(WM_KILLFOCUS, 0, 0);
        EXPECT_FALSE(ctrl.m_bTracking) << nWay;
        EXPECT_NE(::GetCapture(), ctrl.m_hWnd) << nWay;
    }
    host.DestroyWindow();
}

TEST(ExtColorCtrl, TinyAndShrinkingControlsNeverCrash)
{
    CColorHost host;
    ASSERT_TRUE(host.CreateHost());
    for (int nMode = 0; nMode < C::kModeCount; nMode++)
    {
        C ctrl(nMode);
        ASSERT_TRUE(CreateControl(ctrl, &host, CRect(0, 0, 3, 3), nMode));
        const COLORREF clr = ctrl.m_selClrs.m_clrCurrent;
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 3; x++)
            {
                ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 1, y + 1));
                ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
            }
        ctrl.UpdateWindow();
        if (nMode != 0 && nMode < 15)
        {
            EXPECT_EQ(ctrl.m_selClrs.m_clrCurrent, clr) << nMode;
        }
        // Shrunk while the left button drags.
        ctrl.MoveWindow(0, 0, 200, 200);
        ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
        ctrl.MoveWindow(0, 0, 2, 2);
        ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 20));
        ctrl.MoveWindow(0, 0, 0, 0);
        ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(1, 1));
        ctrl.SendMessage(WM_LBUTTONUP, 0, 0);
        ctrl.UpdateWindow();
        ctrl.DestroyWindow();
    }
    host.DestroyWindow();
}
