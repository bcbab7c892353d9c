// The text fields of menu items while their edit is not active, in each of the four styles: a plain
// field shows its frame and its text, a disabled one its text greyed, a combo-like item the text its
// list chose and its drop-down button.
#include "SpecialPopupTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;
typedef CExtPopupInplaceListBox L;

namespace
{
CRuntimeClass* const kStyles[] = {RUNTIME_CLASS(CExtPaintManager), RUNTIME_CLASS(CExtPaintManagerXP),
                                  RUNTIME_CLASS(CExtPaintManagerOffice2003), RUNTIME_CLASS(CExtPaintManagerStudio2005)};

bool FillFruits(L& wndList, LPVOID)
{
    for (LPCWSTR lpsz : {L"Apel", L"Jambu", L"Jeruk"})
        wndList.AddString(lpsz);
    return true;
}

COLORREF Translated(int nColor) { return g_PaintManagerHolder->GetTranslatedColor(nColor, nullptr, 0); }

// The text area of a field (the field's rectangle less 4 pixels at the left and 2 elsewhere).
CRect TextArea(const CRect& rcEdit)
{
    return CRect(rcEdit.left + 4, rcEdit.top + 2, rcEdit.right - 2, rcEdit.bottom - 2);
}

// Pixels of the area that are not the window colour.
int InkIn(const DibCanvas& canvas, const CRect& rc)
{
    return rc.Width() * rc.Height() - canvas.Count(rc, Translated(COLOR_WINDOW));
}

// Ink of the text drawn alone on the window colour, in the menu font, left-aligned and clipped to an
// area of the size given.
int ReferenceInk(const CString& sText, const CSize& size, int nTextColor)
{
    DibCanvas canvas(size.cx, size.cy, Translated(COLOR_WINDOW));
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.SetTextColor(Translated(nTextColor));
    HGDIOBJ hOld = ::SelectObject(canvas.dc.GetSafeHdc(), g_PaintManagerHolder->m_fontNormal.GetSafeHandle());
    CRect rc(0, 0, size.cx, size.cy);
    ::DrawTextW(canvas.dc.GetSafeHdc(), sText, sText.GetLength(), &rc,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    ::SelectObject(canvas.dc.GetSafeHdc(), hOld);
    return InkIn(canvas, CRect(0, 0, size.cx, size.cy));
}

// Pixels of the colour on the one-pixel ring along the rectangle's edge, and the ring's length.
std::pair<int, int> RingPixels(const DibCanvas& canvas, const CRect& rc, COLORREF clr)
{
    CRect rcInner(rc);
    rcInner.DeflateRect(1, 1);
    const int nInner = rcInner.Width() * rcInner.Height();
    return std::make_pair(canvas.Count(rc, clr) - canvas.Count(rcInner, clr), rc.Width() * rc.Height() - nInner);
}

// Widths of the first and the last row of dark pixels in the area.
std::pair<int, int> DarkRowWidths(const DibCanvas& canvas, const CRect& rc)
{
    std::vector<int> widths;
    for (int y = rc.top; y < rc.bottom; ++y)
    {
        int n = 0;
        for (int x = rc.left; x < rc.right; ++x)
        {
            const COLORREF c = canvas.At(x, y);
            n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96 ? 1 : 0;
        }
        if (n > 0)
            widths.push_back(n);
    }
    return widths.empty() ? std::make_pair(0, 0) : std::make_pair(widths.front(), widths.back());
}
} // namespace

class MenuItemFieldPaintTest : public SpecialPopupTest
{
protected:
    void SetUp() override
    {
        SpecialPopupTest::SetUp();
        m_pOldStyle = g_PaintManagerHolder->GetRuntimeClass();
        ::SetCursorPos(1200, 1000);
    }
    void TearDown() override
    {
        SpecialPopupTest::TearDown();
        g_PaintManagerHolder.InstallPaintManagerByClass(m_pOldStyle);
    }
    static void AddField(CExtPopupMenuWnd* pMenu, int nIndex, CString* pTarget)
    {
        M::MENUITEMDATA& mi = pMenu->GetItemAt(nIndex);
        mi.m_pEditTextTarget = pTarget;
        mi.m_nInplaceEditWidth = 90;
        mi.m_nEditFlags = M::MENUITEMDATA::kEditAllowed;
        mi.MeasureItem();
    }
    // The popup's client area painted into a canvas.
    static std::unique_ptr<DibCanvas> Paint(CExtPopupMenuWnd* pMenu)
    {
        CRect rc;
        pMenu->GetClientRect(&rc);
        auto canvas = std::make_unique<DibCanvas>(rc.Width(), rc.Height());
        pMenu->PaintMenu(canvas->dc, false);
        return canvas;
    }

    CRuntimeClass* m_pOldStyle = nullptr;
};

TEST_F(MenuItemFieldPaintTest, AnInactiveFieldShowsItsFrameAndTextAndADisabledOneGreyText)
{
    for (CRuntimeClass* pStyle : kStyles)
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(pStyle));
        CString sTarget = L"Halo 123", sOff = L"Mati 45";
        CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_ENABLE_OFF});
        AddField(pMenu, 1, &sTarget);
        AddField(pMenu, 2, &sOff);
        pMenu->UpdateDisplayedItems();
        ASSERT_TRUE(Show(pMenu, 200, 200));
        ASSERT_FALSE(pMenu->GetItemAt(2).IsEnabled());
        auto canvas = Paint(pMenu);

        // The edit frame at rest, enabled or not: its two outer rings, on the field's edge, in the face colour.
        const COLORREF clrFrame = g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL, pMenu, 0);
        CRect rcEdit;
        for (int nItem : {1, 2})
        {
            pMenu->GetItemEditRect(nItem, rcEdit);
            for (int nRing : {0, 1})
            {
                CRect rcRing(rcEdit);
                rcRing.DeflateRect(nRing, nRing);
                const std::pair<int, int> ring = RingPixels(*canvas, rcRing, clrFrame);
                EXPECT_EQ(ring.first, ring.second) << pStyle->m_lpszClassName << " item " << nItem << " ring " << nRing;
            }
        }

        pMenu->GetItemEditRect(1, rcEdit);
        CRect rcInside(rcEdit);
        rcInside.DeflateRect(2, 2);
        // The field's face is the window colour but for its text.
        EXPECT_GT(canvas->Count(rcInside, Translated(COLOR_WINDOW)), rcInside.Width() * rcInside.Height() / 2)
            << pStyle->m_lpszClassName;
        const CRect rcText = TextArea(rcEdit);
        EXPECT_EQ(InkIn(*canvas, rcText), ReferenceInk(sTarget, rcText.Size(), COLOR_WINDOWTEXT))
            << pStyle->m_lpszClassName;

        pMenu->GetItemEditRect(2, rcEdit);
        const CRect rcOff = TextArea(rcEdit);
        EXPECT_EQ(InkIn(*canvas, rcOff), ReferenceInk(sOff, rcOff.Size(), COLOR_GRAYTEXT)) << pStyle->m_lpszClassName;
        EXPECT_EQ(canvas->Count(rcOff, Translated(COLOR_WINDOWTEXT)), 0) << pStyle->m_lpszClassName;
        M::CancelMenuTracking();
    }
}

TEST_F(MenuItemFieldPaintTest, AComboLikeItemShowsTheListsChoiceAndItsDropDownButton)
{
    for (CRuntimeClass* pStyle : kStyles)
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(pStyle));
        CString sTarget = L"Jeruk";
        CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
        auto* pList = new CExtPopupListBoxMenuWnd;
        ASSERT_TRUE(pList->CreatePopupMenu(Frame()));
        pList->m_pCbContent = &FillFruits;
        pList->m_nControlHeight = 60;
        ASSERT_TRUE(pMenu->InsertSubMenu(pList, -1, L"&Buah"));
        AddField(pMenu, 1, &sTarget);
        pMenu->UpdateDisplayedItems();
        ASSERT_TRUE(Show(pMenu, 200, 200));
        pMenu->SetCurrentItem(1, true);
        ASSERT_NE(pList->GetSafeHwnd(), nullptr) << pStyle->m_lpszClassName;
        pList->OnTimerAnimation();
        bool bPassOn = false;
        pList->HandleKey(VK_DOWN, 1, 0, bPassOn);
        pList->HandleKey(VK_DOWN, 1, 0, bPassOn);
        ASSERT_EQ(pMenu->GetItemAt(1).m_sInplaceEditText, CString(L"Jambu")) << pStyle->m_lpszClassName;
        auto canvas = Paint(pMenu);

        CRect rcEdit;
        pMenu->GetItemEditRect(1, rcEdit);
        const CRect rcText = TextArea(rcEdit);
        EXPECT_EQ(InkIn(*canvas, rcText), ReferenceInk(L"Jambu", rcText.Size(), COLOR_WINDOWTEXT))
            << pStyle->m_lpszClassName;
        // The button's arrow points down: its first dark row is wider than its last.
        const CRect rcButton(rcEdit.right, rcEdit.top, rcEdit.right + ::GetSystemMetrics(SM_CXHTHUMB), rcEdit.bottom);
        const std::pair<int, int> rows = DarkRowWidths(*canvas, rcButton);
        EXPECT_GT(rows.first, rows.second) << pStyle->m_lpszClassName;
        EXPECT_GT(rows.second, 0) << pStyle->m_lpszClassName;
        M::CancelMenuTracking();
    }
}
