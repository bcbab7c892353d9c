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
#include <memory>
#include <string>

typedef CExtPopupColorMenuWnd C;

namespace
{
CRuntimeClass* const kStyles[] = {RUNTIME_CLASS(CExtPaintManager), RUNTIME_CLASS(CExtPaintManagerXP),
                                  RUNTIME_CLASS(CExtPaintManagerOffice2003), RUNTIME_CLASS(CExtPaintManagerStudio2005)};

// The screen's pixels in the rectangle (screen coordinates), as they are now.
std::unique_ptr<DibCanvas> ReadScreen(const CRect& rcScreen)
{
    auto canvas = std::make_unique<DibCanvas>(rcScreen.Width(), rcScreen.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(canvas->dc.GetSafeHdc(), 0, 0, rcScreen.Width(), rcScreen.Height(), hScreen, rcScreen.left, rcScreen.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    return canvas;
}

// Pixels of a client rectangle of the popup, on its screen canvas, that differ from the colour at the
// rectangle's top-left corner.
int InkPixels(const DibCanvas& popup, const CRect& rc)
{
    const COLORREF clrFace = popup.At(rc.left + 1, rc.top + 1);
    int nInk = 0;
    for (int y = rc.top + 2; y < rc.bottom - 2; ++y)
        for (int x = rc.left + 2; x < rc.right - 2; ++x)
            nInk += popup.At(x, y) != clrFace ? 1 : 0;
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
    // Clicks the button with real input and waits until its popup has finished opening. Each click lands
    // beside the last one, farther than a double click reaches, so that two openings never make one.
    CExtPopupColorMenuWnd* ClickOpen()
    {
        CRect rc;
        m_button.GetWindowRect(&rc);
        m_nClicks++;
        const int cxApart = ::GetSystemMetrics(SM_CXDOUBLECLK) + 2;
        const CPoint pt(rc.CenterPoint().x + (m_nClicks % 2 == 0 ? cxApart : -cxApart), rc.CenterPoint().y);
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
            pPopup->UpdateWindow();
        return pPopup;
    }

    CWnd m_host;
    CExtColorButton m_button;
    int m_nClicks = 0;
    CRuntimeClass* m_pOldStyle = nullptr;
};

TEST_F(ColorButtonPopupPaintTest, APopupOpenedByAClickShowsItsCellsAndButtonTextsInEveryStyle)
{
    for (CRuntimeClass* pStyle : kStyles)
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(pStyle));
        CExtPopupColorMenuWnd* pPopup = ClickOpen();
        ASSERT_NE(pPopup, nullptr) << pStyle->m_lpszClassName;
        // The window system shows the popup's painting on the screen a moment after it is done: the screen
        // is read until it shows every cell and both buttons' texts.
        CRect rcPopup;
        pPopup->GetClientRect(&rcPopup);
        pPopup->ClientToScreen(&rcPopup);
        int nCellsShown = 0, nDefaultInk = 0, nCustomInk = 0;
        const bool bShown = WaitFor([&]() {
            const auto screen = ReadScreen(rcPopup);
            nCellsShown = 0;
            for (int i = 0; i < 40; ++i)
            {
                const CPoint pt = pPopup->GetCellRect(i).CenterPoint();
                nCellsShown += screen->At(pt.x, pt.y) == C::GetTableColor(i) ? 1 : 0;
            }
            nDefaultInk = InkPixels(*screen, pPopup->GetDefaultButtonRect());
            nCustomInk = InkPixels(*screen, pPopup->GetCustomButtonRect());
            return nCellsShown == 40 && nDefaultInk > 20 && nCustomInk > 20;
        });
        EXPECT_TRUE(bShown) << pStyle->m_lpszClassName;
        EXPECT_EQ(nCellsShown, 40) << pStyle->m_lpszClassName;
        EXPECT_GT(nDefaultInk, 20) << pStyle->m_lpszClassName;
        EXPECT_GT(nCustomInk, 20) << pStyle->m_lpszClassName;
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
        // The joined area on the screen (the popup covers the button there), read until it shows the square,
        // and the button as it paints itself.
        DibCanvas own(rcAll.Width(), rcAll.Height());
        m_button.PaintButton(own.dc, false);
        int nSquare = 0;
        std::string strScreenBox;
        const bool bShown = WaitFor([&]() {
            const auto screen = ReadScreen(rcButton);
            nSquare = screen->Count(rcAll, m_button.m_clrSelected);
            strScreenBox = squareBox(*screen);
            return nSquare == 16 * 16 && strScreenBox == squareBox(own);
        });
        EXPECT_TRUE(bShown) << nOpening;
        EXPECT_EQ(nSquare, 16 * 16) << nOpening;
        EXPECT_EQ(strScreenBox, squareBox(own)) << nOpening;
        CExtPopupMenuWnd::CancelMenuTracking();
        Pump();
        // The pointer leaves, so that the next click enters the button anew; the pause keeps two clicks from
        // making a double click.
        RunInputScript([&]() { SendMouse(rcButton.right + 40, rcButton.bottom + 10, 0); });
        ::Sleep(::GetDoubleClickTime() + 50);
    }
}
