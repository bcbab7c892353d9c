// The hover button (hover by real mouse moves and its raised edges, none on a non-flat button,
// grey and darker icon copies, the URL limit, double clicks, check-box mode, pressed styles) and
// the dialer's contact list (fill by the start of the text, the click that hands a number over).
#include "app/DialerContactList.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PostedText.h"
#include "support/DibCanvas.h"
#include "HoverButtonTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

using namespace hovertest;

namespace
{
// A top-level parent that records what its children tell it.
class RecordingParent : public ButtonParent
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            ++m_nClicks;
        if (message == WM_APP_DIALER_CONTACT)
        {
            CString strText;
            if (TakePostedText(wParam, strText) == 0)
                m_numbers.push_back(strText);
            return 0;
        }
        if (message == WM_APP_DIALER_UPDATE)
        {
            ++m_nUpdates;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int m_nClicks = 0;
    int m_nUpdates = 0;
    std::vector<CString> m_numbers;
};

struct HoverButtonTest : ButtonOnParentTest<RecordingParent>
{
    // The button painted into a DIB in its current hover state.
    void Paint(CHoverButton& button, DibCanvas& canvas)
    {
        button.DrawButton(canvas.dc, CRect(0, 0, 50, 40), false, false, false);
    }
};

// A 16 x 16 icon whose pixels are given, fully opaque.
HICON MakeIcon(const std::vector<COLORREF>& colours)
{
    BITMAPINFO bmi = DibCanvas::TopDownInfo(16, 16);
    DWORD* pBits = nullptr;
    HBITMAP hColor = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
    for (int i = 0; i < 256; ++i)
    {
        const COLORREF c = colours[i % colours.size()];
        pBits[i] = 0xFF000000 | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

std::vector<COLORREF> IconPixels(HICON hIcon)
{
    ICONINFO info = {};
    std::vector<COLORREF> out;
    if (!::GetIconInfo(hIcon, &info))
        return out;
    BITMAPINFO bmi = DibCanvas::TopDownInfo(16, 16);
    std::vector<DWORD> bits(256);
    HDC hdc = ::GetDC(nullptr);
    ::GetDIBits(hdc, info.hbmColor, 0, 16, bits.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    for (DWORD v : bits)
        out.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    return out;
}
} // namespace

TEST_F(HoverButtonTest, AFlatButtonRisesUnderTheMouseAndFallsWhenItLeaves)
{
    CHoverButton button;
    CreateButton(button);
    const COLORREF hilight = ::GetSysColor(COLOR_BTNHILIGHT), shadow = ::GetSysColor(COLOR_BTNSHADOW);
    {
        DibCanvas canvas(50, 40, RGB(1, 2, 3));
        Paint(button, canvas);
        EXPECT_NE(canvas.At(0, 0), hilight);
    }
    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    ASSERT_TRUE(PumpUntil([&] { return button.IsHovered(); }));
    {
        DibCanvas canvas(50, 40, RGB(1, 2, 3));
        Paint(button, canvas);
        // Raised: light top and left edges, dark right and bottom edges.
        EXPECT_EQ(canvas.At(0, 10), hilight);
        EXPECT_EQ(canvas.At(20, 0), hilight);
        EXPECT_EQ(canvas.At(49, 10), shadow);
        EXPECT_EQ(canvas.At(20, 39), shadow);
    }
    // The leave notice comes from the system's tracking, which polls.
    MoveMouseTo(parent.m_hWnd, CPoint(300, 200));
    for (int i = 0; i < 100 && button.IsHovered(); ++i)
        Pump(20);
    EXPECT_FALSE(button.IsHovered());
}

TEST_F(HoverButtonTest, ANonFlatButtonNeverShowsTheHoverState)
{
    CHoverButton button;
    button.SetFlat(FALSE, FALSE);
    CreateButton(button);
    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    MoveMouseTo(button.m_hWnd, CPoint(22, 21));
    EXPECT_FALSE(button.IsHovered());
}

TEST_F(HoverButtonTest, GreyAndDarkerIconCopiesFollowTheirFormulasAndKeepBlack)
{
    const std::vector<COLORREF> colours = {RGB(200, 100, 50), RGB(0, 0, 0), RGB(10, 250, 99), RGB(255, 255, 255)};
    HICON hIcon = MakeIcon(colours);
    ASSERT_NE(hIcon, nullptr);
    HICON hGrey = CHoverButton::CreateGrayscaleIcon(hIcon);
    HICON hDark = CHoverButton::CreateDarkerIcon(hIcon, 0.25);
    ASSERT_NE(hGrey, nullptr);
    ASSERT_NE(hDark, nullptr);
    const std::vector<COLORREF> grey = IconPixels(hGrey), dark = IconPixels(hDark);
    ASSERT_EQ(grey.size(), 256u);
    for (size_t i = 0; i < colours.size(); ++i)
    {
        const COLORREF c = colours[i];
        const int y = (int)(0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c));
        EXPECT_EQ(grey[i], c == 0 ? RGB(0, 0, 0) : RGB(y, y, y)) << i;
        EXPECT_EQ(dark[i], RGB((int)(GetRValue(c) * 0.75), (int)(GetGValue(c) * 0.75), (int)(GetBValue(c) * 0.75)))
            << i;
    }
    EXPECT_EQ(grey[0], RGB(124, 124, 124)); // 59.8 + 58.7 + 5.7 truncated
    // A factor outside (0, 1) keeps the colour.
    EXPECT_EQ(CHoverButton::DarkerPixel(RGB(10, 20, 30), 1.0), RGB(10, 20, 30));
    EXPECT_EQ(CHoverButton::DarkerPixel(RGB(10, 20, 30), 0.0), RGB(10, 20, 30));

    // Set on a button: the grey copy is the out picture, drawn while not hovered.
    CHoverButton button;
    CreateButton(button);
    EXPECT_EQ(button.SetIcon(hIcon, hGrey), CHoverButton::kOk);
    DibCanvas canvas(50, 40);
    Paint(button, canvas);
    const int x0 = (50 - 16) / 2, y0 = (40 - 16) / 2;
    EXPECT_EQ(canvas.At(x0, y0), grey[0]);
    ::DestroyIcon(hDark);
}

TEST_F(HoverButtonTest, UrlsAreCutAndStylesAreChecked)
{
    CHoverButton button;
    EXPECT_EQ(button.GetPressedOffset(), CSize(1, 1));
    EXPECT_EQ(button.SetPressedStyle(2), CHoverButton::kInvalidPressedStyle);
    EXPECT_EQ(button.GetPressedOffset(), CSize(1, 1));
    EXPECT_EQ(button.SetPressedStyle(1), CHoverButton::kOk);
    EXPECT_EQ(button.GetPressedOffset(), CSize(0, 2));
    button.SetURL(CString(L'x', 300));
    EXPECT_EQ(button.GetURL().GetLength(), 260);
    button.SetURL(nullptr);
    EXPECT_TRUE(button.GetURL().IsEmpty());
    EXPECT_EQ(button.SetIcon(99999), CHoverButton::kInvalidResource);
    EXPECT_EQ(button.GetIconIn(), nullptr);
}

TEST_F(HoverButtonTest, TheTooltipIsMadeOnFirstUseWithItsMaximumWidth)
{
    CHoverButton button;
    CreateButton(button);
    EXPECT_EQ(button.GetToolTip().GetSafeHwnd(), nullptr);
    button.SetTooltipText(L"Senyum");
    ASSERT_NE(button.GetToolTip().GetSafeHwnd(), nullptr);
    EXPECT_EQ(button.GetToolTip().GetToolCount(), 1);
    EXPECT_EQ((int)button.GetToolTip().SendMessage(TTM_GETMAXTIPWIDTH), 400);
    button.SetTooltipText(L"Tertawa");
    EXPECT_EQ(button.GetToolTip().GetToolCount(), 1);
}

TEST_F(HoverButtonTest, ADoubleClickCountsAsTwoClicks)
{
    CHoverButton button;
    CreateButton(button);
    ClickAt(button.m_hWnd, CPoint(20, 20));
    ClickAt(button.m_hWnd, CPoint(20, 20));
    EXPECT_EQ(button.GetClickCount(), 2);
    EXPECT_EQ(parent.m_nClicks, 2);
}

TEST_F(HoverButtonTest, CheckBoxModeFlipsOnEachClickAndFollowsBmSetCheck)
{
    CHoverButton button;
    CreateButton(button, BS_AUTOCHECKBOX);
    ASSERT_TRUE(button.IsCheckBox());
    EXPECT_TRUE((button.GetStyle() & 0x1F) == BS_OWNERDRAW);
    EXPECT_EQ(button.GetCheck(), 0);
    ClickAt(button.m_hWnd, CPoint(20, 20));
    EXPECT_EQ(button.GetCheck(), 1);
    button.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_EQ(button.GetCheck(), 0);
    button.SendMessage(BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(button.GetCheck(), 1);

    CHoverButton plain;
    CreateButton(plain, BS_DEFPUSHBUTTON, 1071);
    EXPECT_TRUE(plain.IsDefault());
    EXPECT_FALSE(plain.IsCheckBox());
    EXPECT_TRUE(plain.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
    plain.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, 0);
    EXPECT_FALSE(plain.IsDefault());
    EXPECT_EQ(plain.GetStyle() & 0x1F, (DWORD)BS_OWNERDRAW);
    plain.SetCheck(1);
    EXPECT_EQ(plain.GetCheck(), 0);
}

TEST_F(HoverButtonTest, TheDialerListFiltersByTheStartAndHandsOverTheClickedNumber)
{
    CCorvane_smsDoc doc;
    doc.m_arrContacts.Add(CContactItem(L"Budi<+62811>,MOB", L""));
    doc.m_arrContacts.Add(CContactItem(L"Ani<0812>,HM1", L""));
    doc.m_arrContacts.Add(CContactItem(L"Abang Budi<0813>,MOB", L""));
    doc.m_arrContacts.Add(CContactItem(L"Anton tanpa nomor", L""));
    CDialerContactList list;
    list.SetDocument(&doc);
    ASSERT_TRUE(list.CreateEx(0,
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA | LVS_SINGLESEL,
                              CRect(0, 0, 300, 200), &parent, 1015));
    list.InsertColumn(0, L"header dummy", LVCFMT_LEFT, 250);
    list.Fill(L"bu");
    ASSERT_EQ(list.GetRowCount(), 1);
    EXPECT_EQ(list.GetItemText(0, 0), L"Budi<+62811>,MOB");
    list.Fill(L"a");
    ASSERT_EQ(list.GetRowCount(), 3);
    EXPECT_EQ(list.GetItemCount(), 3);
    list.Fill(L"");
    ASSERT_EQ(list.GetRowCount(), 4);

    CRect rcRow;
    ASSERT_TRUE(list.GetItemRect(0, &rcRow, LVIR_LABEL));
    ClickAt(list.m_hWnd, CPoint(rcRow.left + 5, rcRow.CenterPoint().y));
    // The number and the update are posted by the click.
    ASSERT_TRUE(PumpPosted());
    ASSERT_EQ(parent.m_numbers.size(), 1u);
    EXPECT_EQ(parent.m_numbers[0], L"+62811");
    EXPECT_EQ(parent.m_nUpdates, 1);

    // A row without a number in angle brackets and the empty space below the rows post nothing.
    ASSERT_TRUE(list.GetItemRect(3, &rcRow, LVIR_LABEL));
    ClickAt(list.m_hWnd, CPoint(rcRow.left + 5, rcRow.CenterPoint().y + 1));
    ClickAt(list.m_hWnd, CPoint(20, 180));
    ASSERT_TRUE(PumpPosted());
    EXPECT_EQ(parent.m_numbers.size(), 1u);
    EXPECT_EQ(parent.m_nUpdates, 1);
}
