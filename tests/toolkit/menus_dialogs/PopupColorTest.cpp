// The colour popup: measurement, the cells on the screen, keys, hover and click notifications,
// closing, the selected initial colour, the tips, the button texts from resources and the
// horizontal separators beside the buttons.
#include "SpecialPopupTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"
#include <algorithm>
#include <gtest/gtest.h>

typedef CExtPopupColorMenuWnd C;

namespace
{
// A colour popup whose hot element a test can set.
class CTestColorPopup : public CExtPopupColorMenuWnd
{
public:
    void SetHot(int nHot) { m_nHotElement = nHot; }
};
} // namespace

class PopupColorTest : public SpecialPopupTest
{
protected:
    void TearDown() override
    {
        SpecialPopupTest::TearDown();
        delete m_pRecorder;
    }
    CTestColorPopup* NewPopup(DWORD dwButtons = C::BUTTON_DEFAULT | C::BUTTON_CUSTOM)
    {
        auto* pPopup = new CTestColorPopup;
        EXPECT_TRUE(pPopup->CreatePopupMenu(Frame()));
        pPopup->m_dwButtons = dwButtons;
        pPopup->m_hNotifyWnd = m_pRecorder->m_hWnd;
        pPopup->m_nNotifyCookie = (LPARAM)0x123456789AB;
        return pPopup;
    }
    // A mouse move to a client point, as the hook hands it over.
    static bool MoveTo(CExtPopupMenuWnd* pPopup, const CPoint& pt)
    {
        bool bPassOn = false;
        return pPopup->HandleMouseMove(WM_MOUSEMOVE, pt.x, pt.y, bPassOn);
    }
    static bool Key(CExtPopupMenuWnd* pPopup, UINT nChar)
    {
        bool bPassOn = false;
        return pPopup->HandleKey(nChar, 1, 0, bPassOn);
    }
    CMessageRecorder* m_pRecorder = new CMessageRecorder;
};

TEST_F(PopupColorTest, ContentSizeFollowsTheMeasurementRules)
{
    const int b = 2, s = 4, g = 6; // the test paint manager's border, shadow and item gap
    CTestColorPopup* pPopup = NewPopup(0);
    CSize size;
    pPopup->CalcWindowSize(size);
    EXPECT_EQ(size, CSize(160 + 2 * b + s, 100 + 2 * b + s));
    pPopup->SetLeftAreaWidth(17);
    pPopup->CalcWindowSize(size);
    EXPECT_EQ(size, CSize(160 + 2 * b + s + 17, 100 + 2 * b + s));

    pPopup->SetLeftAreaWidth(0);
    pPopup->m_dwButtons = C::BUTTON_DEFAULT | C::BUTTON_CUSTOM;
    pPopup->m_sDefaultText = L"&Warna yang sangat panjang sekali untuk tombol bawaan";
    pPopup->CalcWindowSize(size);
    CString sPlain = pPopup->m_sDefaultText;
    sPlain.Remove(L'&');
    const CSize sizeDefault = MenuTextSize(sPlain);
    const CSize sizeCustom = MenuTextSize(pPopup->m_sCustomText);
    const int hDefault = std::max<int>(sizeDefault.cy, 22), hCustom = std::max<int>(sizeCustom.cy, 22);
    const int w = std::max<int>(160 + 2 * b + s, sizeDefault.cx + 6);
    EXPECT_EQ(size, CSize(w, 100 + 2 * b + s + g + hDefault + 6 + g + hCustom + 7));
    EXPECT_EQ(pPopup->GetDefaultButtonRect(), CRect(b + 3, b + 3, w - (b + 3) - s, b + 3 + hDefault));
    EXPECT_EQ(pPopup->GetCustomButtonRect().top, b + 3 + g + hDefault + 6 + b + 102);
    delete pPopup;
}

TEST_F(PopupColorTest, EveryCellShowsItsColourFramedInColour21)
{
    CTestColorPopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup, 500, 200));
    const COLORREF clrFrame = g_PaintManagerHolder->GetTranslatedColor(C::SWATCH_FRAME_COLOR);
    CRect rc0 = pPopup->GetCellRect(0);
    pPopup->ClientToScreen(&rc0);
    ASSERT_TRUE(WaitForScreenPixel(rc0.CenterPoint().x, rc0.CenterPoint().y, C::GetTableColor(0)));
    for (int i = 0; i < C::COLOR_COUNT; ++i)
    {
        CRect rc = pPopup->GetCellRect(i);
        pPopup->ClientToScreen(&rc);
        rc.DeflateRect(2, 2);
        EXPECT_EQ(ScreenPixel(rc.CenterPoint().x, rc.CenterPoint().y), C::GetTableColor(i)) << "cell " << i;
        EXPECT_EQ(ScreenPixel(rc.left, rc.CenterPoint().y), clrFrame) << "cell " << i;
        EXPECT_EQ(ScreenPixel(rc.CenterPoint().x, rc.bottom - 1), clrFrame) << "cell " << i;
    }
    EXPECT_STREQ(C::GetTableColorName(35), L"Pale green ");
}

TEST_F(PopupColorTest, ArrowsWrapInsideTheirRowOrColumn)
{
    CTestColorPopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    const std::vector<std::tuple<int, UINT, int>> cases = {{8, VK_LEFT, 15},
                                                           {3, VK_UP, 35},
                                                           {39, VK_DOWN, 7},
                                                           {15, VK_RIGHT, 8},
                                                           {C::HOT_DEFAULT_BUTTON, VK_LEFT, 0},
                                                           {C::HOT_CUSTOM_BUTTON, VK_DOWN, 0},
                                                           {C::HOT_NONE, VK_UP, 0}};
    for (const auto& [nFrom, nKey, nTo] : cases)
    {
        pPopup->SetHot(nFrom);
        EXPECT_TRUE(Key(pPopup, nKey));
        EXPECT_EQ(pPopup->GetHotElement(), nTo) << "from " << nFrom << " key " << nKey;
    }
    Pump();
    const auto changed = m_pRecorder->Of(C::g_nMsgNotifyColorChanged);
    ASSERT_EQ(changed.size(), cases.size());
    EXPECT_EQ(changed[0].m_wParam, (WPARAM)C::GetTableColor(15));
    EXPECT_EQ(changed[0].m_lParam, (LPARAM)0x123456789AB);
    EXPECT_FALSE(Key(pPopup, VK_TAB));
    EXPECT_FALSE(Key(pPopup, VK_HOME));
}

TEST_F(PopupColorTest, HoveringPostsTheColourUnderTheMouse)
{
    CTestColorPopup* pPopup = NewPopup();
    pPopup->m_clrDefaultButton = RGB(1, 2, 3);
    ASSERT_TRUE(Show(pPopup));
    EXPECT_TRUE(MoveTo(pPopup, pPopup->GetCellRect(13).CenterPoint()));
    EXPECT_TRUE(MoveTo(pPopup, pPopup->GetCellRect(13).CenterPoint() + CPoint(1, 0))); // same cell: nothing new
    EXPECT_TRUE(MoveTo(pPopup, pPopup->GetDefaultButtonRect().CenterPoint()));
    EXPECT_TRUE(MoveTo(pPopup, pPopup->GetCustomButtonRect().CenterPoint()));
    EXPECT_EQ(pPopup->GetHotElement(), C::HOT_CUSTOM_BUTTON);
    Pump();
    const auto changed = m_pRecorder->Of(C::g_nMsgNotifyColorChanged);
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(changed[0].m_wParam, (WPARAM)RGB(0, 0, 255));
    EXPECT_EQ(changed[1].m_wParam, (WPARAM)RGB(1, 2, 3));
    EXPECT_EQ(m_pRecorder->Count(C::g_nMsgNotifyCustColor), 0u);
    EXPECT_EQ(m_pRecorder->Count(C::g_nMsgNotifyColorChangedFinally), 0u);
}

TEST_F(PopupColorTest, HoveringACellShowsItsNameAsTip)
{
    CExtPopupMenuWnd::g_bShowItemTips = true;
    CTestColorPopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    EXPECT_TRUE(MoveTo(pPopup, pPopup->GetCellRect(35).CenterPoint()));
    EXPECT_EQ(pPopup->m_wndToolTip.GetText(), CString(L"Pale green"));
    EXPECT_TRUE(MoveTo(pPopup, pPopup->GetCellRect(0).CenterPoint()));
    EXPECT_EQ(pPopup->m_wndToolTip.GetText(), CString(L"Black"));
    EXPECT_TRUE(MoveTo(pPopup, pPopup->GetDefaultButtonRect().CenterPoint()));
    EXPECT_FALSE(pPopup->IsTipShown());
}

TEST_F(PopupColorTest, AClickPostsTheFinalColourStoresItAndClosesTheChain)
{
    CTestColorPopup* pPopup = NewPopup();
    COLORREF clrResult = 0;
    pPopup->m_pColorResult = &clrResult;
    ASSERT_TRUE(Show(pPopup));
    const CPoint pt = pPopup->GetCellRect(26).CenterPoint();
    bool bPassOn = false;
    EXPECT_FALSE(pPopup->HandleMouseClick(WM_LBUTTONDOWN, pt.x, pt.y, bPassOn));
    EXPECT_TRUE(pPopup->HandleMouseClick(WM_LBUTTONUP, pt.x, pt.y, bPassOn));
    Pump();
    EXPECT_EQ(clrResult, RGB(255, 255, 0));
    const auto finals = m_pRecorder->Of(C::g_nMsgNotifyColorChangedFinally);
    ASSERT_EQ(finals.size(), 1u);
    EXPECT_EQ(finals[0].m_wParam, (WPARAM)RGB(255, 255, 0));
    EXPECT_EQ(finals[0].m_lParam, (LPARAM)0x123456789AB);
    EXPECT_TRUE(Site().IsEmpty());
}

TEST_F(PopupColorTest, TheCustomButtonStoresMinus2AndPostsOnlyItsRequest)
{
    CTestColorPopup* pPopup = NewPopup();
    COLORREF clrResult = 0;
    pPopup->m_pColorResult = &clrResult;
    ASSERT_TRUE(Show(pPopup));
    const CPoint pt = pPopup->GetCustomButtonRect().CenterPoint();
    bool bPassOn = false;
    EXPECT_TRUE(pPopup->HandleMouseClick(WM_LBUTTONUP, pt.x, pt.y, bPassOn));
    Pump();
    EXPECT_EQ(clrResult, (COLORREF)-2);
    EXPECT_EQ(m_pRecorder->Count(C::g_nMsgNotifyCustColor), 1u);
    EXPECT_EQ(m_pRecorder->Count(C::g_nMsgNotifyColorChangedFinally), 0u);
    EXPECT_EQ(m_pRecorder->Count(C::g_nMsgNotifyColorChanged), 0u);
    EXPECT_TRUE(Site().IsEmpty());
}

TEST_F(PopupColorTest, EnterEscapeAndAltClose)
{
    for (UINT nKey : {(UINT)VK_RETURN, (UINT)VK_ESCAPE, (UINT)VK_MENU})
    {
        CTestColorPopup* pPopup = NewPopup();
        ASSERT_TRUE(Show(pPopup));
        EXPECT_TRUE(Key(pPopup, nKey));
        Pump();
        EXPECT_TRUE(Site().IsEmpty()) << nKey;
    }
    EXPECT_TRUE(m_pRecorder->m_messages.empty());
    // Enter with a hot cell chooses it.
    CTestColorPopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    pPopup->SetHot(16);
    EXPECT_TRUE(Key(pPopup, VK_RETURN));
    Pump();
    const auto finals = m_pRecorder->Of(C::g_nMsgNotifyColorChangedFinally);
    ASSERT_EQ(finals.size(), 1u);
    EXPECT_EQ(finals[0].m_wParam, (WPARAM)RGB(255, 0, 0));
}

TEST_F(PopupColorTest, TheInitialColourShowsItsCellSelected)
{
    CTestColorPopup* pPopup = NewPopup();
    pPopup->m_clrInitialSelection = RGB(64, 224, 208);
    ASSERT_TRUE(Show(pPopup));
    EXPECT_EQ(pPopup->GetSelectedCell(), 28);
    CExtPopupMenuWnd::CancelMenuTracking();
    CTestColorPopup* pOther = NewPopup();
    pOther->m_clrInitialSelection = RGB(1, 1, 1);
    ASSERT_TRUE(Show(pOther));
    EXPECT_EQ(pOther->GetSelectedCell(), -1);
}

TEST_F(PopupColorTest, ButtonTextsComeFromStrings30011And30010)
{
    CTestColorPopup* pPopup = NewPopup();
    EXPECT_EQ(pPopup->m_sDefaultText, CString(L"Warna &Bawaan"));
    EXPECT_EQ(pPopup->m_sCustomText, CString(L"Warna &Lain ..."));
    delete pPopup;
}

namespace
{
// The most pixels of one row of the band, between its left and right edges less 2, that are not the
// colour given.
int WidestRowOff(const DibCanvas& canvas, int nLeft, int nRight, int nTop, int nBottom, COLORREF clr)
{
    int nWidest = 0;
    for (int y = nTop; y < nBottom; ++y)
    {
        int n = 0;
        for (int x = nLeft + 2; x < nRight - 2; ++x)
            n += canvas.At(x, y) != clr ? 1 : 0;
        nWidest = std::max(nWidest, n);
    }
    return nWidest;
}
} // namespace

TEST_F(PopupColorTest, TheSeparatorsBesideTheButtonsAreHorizontalLines)
{
    CTestColorPopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    CRect rcClient;
    pPopup->GetClientRect(&rcClient);
    DibCanvas canvas(rcClient.Width(), rcClient.Height());
    pPopup->PaintMenu(canvas.dc, false);
    const COLORREF clrFace = g_PaintManagerHolder->GetBaseTranslatedColor(pPopup, 0);
    const CRect rcDefault = pPopup->GetDefaultButtonRect(), rcCustom = pPopup->GetCustomButtonRect();
    const int nWidth = rcDefault.Width() - 4;
    // Between the default button and the first row of cells, and between the last row and the
    // custom button: one row as wide as the button.
    EXPECT_GE(WidestRowOff(canvas, rcDefault.left, rcDefault.right, rcDefault.bottom + 1,
                           pPopup->GetCellRect(0).top - 1, clrFace),
              nWidth);
    EXPECT_GE(WidestRowOff(canvas, rcCustom.left, rcCustom.right, pPopup->GetCellRect(39).bottom + 1, rcCustom.top - 1,
                           clrFace),
              nWidth);
}
