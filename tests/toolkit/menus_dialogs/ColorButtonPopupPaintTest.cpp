// The colour popup opened by a real click on a colour button, in each of the four styles: the grid's
// cells and the default and custom buttons' texts on the screen; the button's colour square in the
// joined area of the XP style.
#include "SpecialPopupTestSupport.h"
#include "support/DibCanvas.h"
#include "support/InputScript.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/menus_dialogs/ExtColorButton.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"
#include <gtest/gtest.h>
#include <string>

typedef CExtPopupColorMenuWnd C;

namespace
{
CRuntimeClass* const kStyles[] = {RUNTIME_CLASS(CExtPaintManager), RUNTIME_CLASS(CExtPaintManagerXP),
                                  RUNTIME_CLASS(CExtPaintManagerOffice2003), RUNTIME_CLASS(CExtPaintManagerStudio2005)};

// Screen pixels of a client rectangle of the popup that differ from the colour at its top-left corner.
int InkPixels(CWnd& wndPopup, CRect rc)
{
    wndPopup.ClientToScreen(&rc);
    const COLORREF clrFace = ScreenPixel(rc.left + 1, rc.top + 1);
    int nInk = 0;
    for (int y = rc.top + 2; y < rc.bottom - 2; ++y)
        for (int x = rc.left + 2; x < rc.right - 2; ++x)
            nInk += ScreenPixel(x, y) != clrFace ? 1 : 0;
    return nInk;
}
} // namespace

class ColorButtonPopupPaintTest : public SpecialPopupTest
{
protected:
    void SetUp() override
    {
        SpecialPopupTest::SetUp();
        m_pOldStyle = g_PaintManagerHolder->GetRuntimeClass();
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_3DFACE + 1)), L"host",
                                    WS_POPUP | WS_VISIBLE, CRect(60, 60, 300, 120), nullptr, 0));
        HWND hWnd = ::CreateWindowExW(0, L"button", L"Warna", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 26,
                                      m_host.GetSafeHwnd(), (HMENU)(UINT_PTR)0x101, nullptr, nullptr);
        ASSERT_TRUE(m_button.SubclassWindow(hWnd));
        m_button.m_clrSelected = RGB(0, 0, 255);
        m_button.m_sBtnTextColorDefault = L"Otomatis";
        m_button.m_sBtnTextColorCustom = L"Warna lain ...";
        ::SetForegroundWindow(m_host.GetSafeHwnd());
        m_host.UpdateWindow();
    }
    void TearDown() override
    {
        SpecialPopupTest::TearDown();
        m_button.DestroyWindow();
        m_host.DestroyWindow();
        g_PaintManagerHolder.InstallPaintManagerByClass(m_pOldStyle);
    }
    // Clicks the button with real input and waits until its popup has finished opening.
    CExtPopupColorMenuWnd* ClickOpen()
    {
        CRect rc;
        m_button.GetWindowRect(&rc);
        const CPoint pt = rc.CenterPoint();
        RunInputScript([&]() {
            SendMouse(pt.x, pt.y, 0);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        });
        CExtPopupColorMenuWnd* pPopup = nullptr;
        const bool bOpened = WaitFor([&]() {
            CExtPopupMenuWnd* pTop = Site().GetInstance();
            pPopup = pTop != nullptr && pTop->IsKindOf(RUNTIME_CLASS(CExtPopupColorMenuWnd))
                         ? (CExtPopupColorMenuWnd*)pTop
                         : nullptr;
            return pPopup != nullptr && pPopup->IsAnimationFinished();
        });
        EXPECT_TRUE(bOpened) << "the click opened no popup, or its opening never finished";
        if (pPopup != nullptr)
        {
            pPopup->UpdateWindow();
            FlushScreen();
        }
        return pPopup;
    }

    CWnd m_host;
    CExtColorButton m_button;
    CRuntimeClass* m_pOldStyle = nullptr;
};

TEST_F(ColorButtonPopupPaintTest, APopupOpenedByAClickShowsItsCellsAndButtonTextsInEveryStyle)
{
    for (CRuntimeClass* pStyle : kStyles)
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(pStyle));
        CExtPopupColorMenuWnd* pPopup = ClickOpen();
        ASSERT_NE(pPopup, nullptr) << pStyle->m_lpszClassName;
        int nCellsShown = 0;
        for (int i = 0; i < 40; ++i)
        {
            CPoint pt = pPopup->GetCellRect(i).CenterPoint();
            pPopup->ClientToScreen(&pt);
            nCellsShown += ScreenPixel(pt.x, pt.y) == C::GetTableColor(i) ? 1 : 0;
        }
        EXPECT_EQ(nCellsShown, 40) << pStyle->m_lpszClassName;
        EXPECT_GT(InkPixels(*pPopup, pPopup->GetDefaultButtonRect()), 20) << pStyle->m_lpszClassName;
        EXPECT_GT(InkPixels(*pPopup, pPopup->GetCustomButtonRect()), 20) << pStyle->m_lpszClassName;
        CExtPopupMenuWnd::CancelMenuTracking();
        Pump();
    }
}

TEST_F(ColorButtonPopupPaintTest, TheJoinedAreaShowsTheButtonsColourSquareOnceAtEveryOpeningInTheXpStyle)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerXP)));
    CRect rcButton;
    m_button.GetWindowRect(&rcButton);
    const CRect rcAll(0, 0, rcButton.Width(), rcButton.Height());
    // The bounding box of the pixels of the button's colour, as text.
    auto squareBox = [&](const DibCanvas& canvas) {
        CRect rc(0, 0, 0, 0);
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                if (canvas.At(x, y) == m_button.m_clrSelected)
                    rc |= CRect(x, y, x + 1, y + 1);
        return std::to_string(rc.left) + "," + std::to_string(rc.top) + " - " + std::to_string(rc.right) + "," +
               std::to_string(rc.bottom);
    };
    for (int nOpening = 0; nOpening < 6; ++nOpening)
    {
        ASSERT_NE(ClickOpen(), nullptr) << nOpening;
        // The joined area on the screen (the popup covers the button there) and the button as it paints itself.
        DibCanvas screen(rcAll.Width(), rcAll.Height()), own(rcAll.Width(), rcAll.Height());
        HDC hScreen = ::GetDC(nullptr);
        ::BitBlt(screen.dc.GetSafeHdc(), 0, 0, rcAll.Width(), rcAll.Height(), hScreen, rcButton.left, rcButton.top,
                 SRCCOPY);
        ::ReleaseDC(nullptr, hScreen);
        m_button.PaintButton(own.dc, false);
        EXPECT_EQ(screen.Count(rcAll, m_button.m_clrSelected), 16 * 16) << nOpening;
        EXPECT_EQ(squareBox(screen), squareBox(own)) << nOpening;
        CExtPopupMenuWnd::CancelMenuTracking();
        Pump();
        // The pointer leaves, so that the next click enters the button anew; the pause keeps two clicks from
        // making a double click.
        RunInputScript([&]() { SendMouse(rcButton.right + 40, rcButton.bottom + 10, 0); });
        ::Sleep(::GetDoubleClickTime() + 50);
    }
}
