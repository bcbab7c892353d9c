// The colour picker and its popup: the picker's size, the 40 cells with their tips, mouse and
// arrow keys with their notifications, Escape and Enter, "More Colours..." cancelled, a colour
// outside the table, and the popup kept on the screen.
#include "SettingsTestSupport.h"
#include "app/ColourPicker.h"
#include "app/ColourPopup.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace settingstest;

namespace
{
// A top-level window holding one picker; it records the picker's notifications.
class PickerHost : public CWnd
{
public:
    bool Open(CPoint pt, COLORREF crColour)
    {
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        if (!CreateEx(0, cls, L"Picker host", WS_POPUP | WS_VISIBLE, pt.x, pt.y, 160, 60, nullptr, 0, nullptr))
            return false;
        if (!m_picker.Create(L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 70, 20), this, kPickerId))
            return false;
        m_picker.SetColour(crColour);
        return true;
    }
    // The picker's click as the button sends it.
    void ClickPicker() { SendMessage(WM_COMMAND, MAKEWPARAM(kPickerId, BN_CLICKED), (LPARAM)m_picker.GetSafeHwnd()); }
    CColourPopup* Popup()
    {
        struct Find
        {
            HWND hOwner;
            HWND hFound;
        } f = {GetSafeHwnd(), nullptr};
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND h, LPARAM lp) -> BOOL {
                Find* p = reinterpret_cast<Find*>(lp);
                if (dynamic_cast<CColourPopup*>(CWnd::FromHandlePermanent(h)) != nullptr)
                {
                    p->hFound = h;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&f));
        return f.hFound ? dynamic_cast<CColourPopup*>(CWnd::FromHandlePermanent(f.hFound)) : nullptr;
    }
    std::vector<UINT> Codes() const
    {
        std::vector<UINT> codes;
        for (const auto& n : m_notes)
            codes.push_back(n.first);
        return codes;
    }

    static const UINT kPickerId = 1049;
    CColourPicker m_picker;
    std::vector<std::pair<UINT, COLORREF>> m_notes;
    std::vector<LPARAM> m_ids;

protected:
    LRESULT Note(UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        m_notes.push_back({nMsg, (COLORREF)wParam});
        m_ids.push_back(lParam);
        return 0;
    }
    LRESULT OnSelChange(WPARAM w, LPARAM l) { return Note(CPN_SELCHANGE, w, l); }
    LRESULT OnDropDown(WPARAM w, LPARAM l) { return Note(CPN_DROPDOWN, w, l); }
    LRESULT OnCloseUp(WPARAM w, LPARAM l) { return Note(CPN_CLOSEUP, w, l); }
    LRESULT OnEndOk(WPARAM w, LPARAM l) { return Note(CPN_SELENDOK, w, l); }
    LRESULT OnEndCancel(WPARAM w, LPARAM l) { return Note(CPN_SELENDCANCEL, w, l); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PickerHost, CWnd)
ON_MESSAGE(CPN_SELCHANGE, OnSelChange)
ON_MESSAGE(CPN_DROPDOWN, OnDropDown)
ON_MESSAGE(CPN_CLOSEUP, OnCloseUp)
ON_MESSAGE(CPN_SELENDOK, OnEndOk)
ON_MESSAGE(CPN_SELENDCANCEL, OnEndCancel)
END_MESSAGE_MAP()

const COLORREF kFirst = 0xBCBCFF;

void Key(CWnd* pWnd, UINT vk) { pWnd->SendMessage(WM_KEYDOWN, vk, 0); }

CPoint CellCentre(CColourPopup* pPopup, int nIndex)
{
    CRect r;
    pPopup->GetCellRect(nIndex, r);
    return r.CenterPoint();
}
} // namespace

TEST(ColourPickerTest, PickerTakesItsSizeFromTheArrowAndTheEdges)
{
    PickerHost host;
    ASSERT_TRUE(host.Open(CPoint(100, 100), kFirst));
    const int a = CColourPicker::GetArrowSize();
    EXPECT_EQ(a, std::max({::GetSystemMetrics(SM_CXHTHUMB), 5 * ::GetSystemMetrics(SM_CXEDGE),
                           ::GetSystemMetrics(SM_CYVTHUMB), 5 * ::GetSystemMetrics(SM_CYEDGE)}));
    CRect r;
    host.m_picker.GetWindowRect(&r);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    EXPECT_EQ(r.Width(), std::max(2 * (a + cxEdge), 60));
    EXPECT_EQ(r.Height(), a + 2 * cyEdge);
    EXPECT_EQ(host.m_picker.GetArrowRect(),
              CRect(r.Width() - a - cxEdge, cyEdge, r.Width() - cxEdge, r.Height() - cyEdge));
    EXPECT_TRUE(host.m_picker.GetStyle() & BS_OWNERDRAW);
    // The swatch shows the colour (painted into a DIB through the owner-draw path).
    host.m_picker.SetColour(RGB(200, 30, 40));
    HDC hdc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = r.Width();
    bi.bmiHeader.biHeight = -r.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(hdc, hbm);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = host.m_picker.GetSafeHwnd();
    dis.hDC = hdc;
    dis.rcItem = CRect(0, 0, r.Width(), r.Height());
    host.m_picker.DrawItem(&dis);
    ::GdiFlush();
    const DWORD px = static_cast<DWORD*>(bits)[(r.Height() / 2) * r.Width() + 2 * cxEdge + 2];
    EXPECT_EQ(px & 0xFFFFFF, 0xC81E28u); // DIB order: red 200, green 30, blue 40
    ::SelectObject(hdc, old);
    ::DeleteObject(hbm);
    ::DeleteDC(hdc);
    host.DestroyWindow();
}

TEST(ColourPickerTest, PopupHasFortyCellsWithTipsAndArrowKeysWalkCellsAndBoxes)
{
    PickerHost host;
    ASSERT_TRUE(host.Open(CPoint(100, 100), kFirst));
    host.ClickPicker();
    CColourPopup* pPopup = host.Popup();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_TRUE(host.m_picker.IsPopupActive());
    EXPECT_EQ(host.Codes(), std::vector<UINT>{CPN_DROPDOWN});
    EXPECT_EQ(host.m_ids.back(), (LPARAM)PickerHost::kPickerId);
    EXPECT_EQ(pPopup->GetToolCount(), 40);
    EXPECT_STREQ(CColourPopup::kColours[39].szName, L"White");
    EXPECT_EQ(CColourPopup::kColours[39].crColour, 0xFFFFFFu);
    EXPECT_EQ(pPopup->GetChosenCell(), 0);
    // The popup lies below the picker, 8 cells of 24 wide plus margins.
    CRect rcPicker, rcPopup;
    host.m_picker.GetWindowRect(&rcPicker);
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(rcPopup.TopLeft(), CPoint(rcPicker.left, rcPicker.bottom));
    EXPECT_GE(rcPopup.Width(), 8 * 24 + 2 * ::GetSystemMetrics(SM_CXEDGE));

    host.m_notes.clear();
    std::vector<int> walk;
    for (UINT vk : {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP, VK_UP})
    {
        Key(pPopup, vk);
        walk.push_back(pPopup->GetHotCell());
    }
    // 0, 1, 9, 8, 0, then above the first row: the "Automatic" box.
    EXPECT_EQ(walk, (std::vector<int>{0, 1, 9, 8, 0, CColourPopup::kDefaultBox}));
    ASSERT_EQ(host.m_notes.size(), 6u);
    EXPECT_EQ(host.m_notes[1], std::make_pair((UINT)CPN_SELCHANGE, CColourPopup::kColours[1].crColour));
    EXPECT_EQ(host.m_notes[5], std::make_pair((UINT)CPN_SELCHANGE, (COLORREF)CLR_DEFAULT));
    // The other way round: from the default box to the custom box, then the last cell.
    walk.clear();
    for (UINT vk : {VK_LEFT, VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT})
    {
        Key(pPopup, vk);
        walk.push_back(pPopup->GetHotCell());
    }
    EXPECT_EQ(walk,
              (std::vector<int>{CColourPopup::kCustomBox, 39, CColourPopup::kCustomBox, CColourPopup::kDefaultBox, 0}));
    // The custom box tells the initial colour.
    EXPECT_EQ(host.m_notes[6].second, kFirst);

    // Escape gives the colour from before the popup back.
    Key(pPopup, VK_RIGHT);
    Key(pPopup, VK_RIGHT);
    host.m_notes.clear();
    HWND hPopup = pPopup->GetSafeHwnd();
    Key(pPopup, VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(host.Codes(), (std::vector<UINT>{CPN_CLOSEUP, CPN_SELENDCANCEL}));
    EXPECT_EQ(host.m_notes.back().second, kFirst);
    EXPECT_EQ(host.m_picker.GetColour(), kFirst);
    EXPECT_FALSE(host.m_picker.IsPopupActive());
    host.DestroyWindow();
}

TEST(ColourPickerTest, MouseMovesChooseAndEnterKeepsTheColour)
{
    PickerHost host;
    ASSERT_TRUE(host.Open(CPoint(100, 100), kFirst));
    host.ClickPicker();
    CColourPopup* pPopup = host.Popup();
    ASSERT_NE(pPopup, nullptr);
    host.m_notes.clear();
    for (int cell : {12, 20, 5})
    {
        const CPoint pt = CellCentre(pPopup, cell);
        pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    ASSERT_EQ(host.m_notes.size(), 3u);
    EXPECT_EQ(host.m_notes[2].second, CColourPopup::kColours[5].crColour);
    // Track selection off: the picker keeps its colour while the mouse moves.
    EXPECT_EQ(host.m_picker.GetColour(), kFirst);
    host.m_notes.clear();
    Key(pPopup, VK_RETURN);
    EXPECT_EQ(host.Codes(), (std::vector<UINT>{CPN_CLOSEUP, CPN_SELENDOK, CPN_SELCHANGE}));
    EXPECT_EQ(host.m_picker.GetColour(), CColourPopup::kColours[5].crColour);

    // A release outside the popup cancels.
    host.ClickPicker();
    pPopup = host.Popup();
    ASSERT_NE(pPopup, nullptr);
    const CPoint pt = CellCentre(pPopup, 30);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    host.m_notes.clear();
    pPopup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-5, -5));
    EXPECT_EQ(host.Codes(), (std::vector<UINT>{CPN_CLOSEUP, CPN_SELENDCANCEL}));
    EXPECT_EQ(host.m_picker.GetColour(), CColourPopup::kColours[5].crColour);
    host.DestroyWindow();
}

TEST(ColourPickerTest, MoreColoursWithTheDialogCancelledEndsAsCancel)
{
    PickerHost host;
    ASSERT_TRUE(host.Open(CPoint(100, 100), RGB(1, 2, 3)));
    host.ClickPicker();
    CColourPopup* pPopup = host.Popup();
    ASSERT_NE(pPopup, nullptr);
    // A colour outside the table marks the custom box.
    EXPECT_EQ(pPopup->GetChosenCell(), CColourPopup::kCustomBox);
    Key(pPopup, VK_LEFT); // from no cell: the last cell
    Key(pPopup, VK_RIGHT);
    ASSERT_EQ(pPopup->GetHotCell(), CColourPopup::kCustomBox);
    host.m_notes.clear();
    ModalScript script;
    HWND hDialog = nullptr;
    script.Then([&](HWND hDlg) {
        hDialog = hDlg;
        Click(hDlg, IDCANCEL);
    });
    Key(pPopup, VK_RETURN);
    EXPECT_NE(hDialog, nullptr);
    EXPECT_EQ(host.Codes(), (std::vector<UINT>{CPN_CLOSEUP, CPN_SELENDCANCEL}));
    EXPECT_EQ(host.m_notes.back().second, RGB(1, 2, 3));
    EXPECT_EQ(host.m_picker.GetColour(), RGB(1, 2, 3));
    EXPECT_EQ(host.Popup(), nullptr);
    host.DestroyWindow();
}

TEST(ColourPickerTest, APopupOpenedAtTheBottomRightOfTheScreenStaysOnIt)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    PickerHost host;
    ASSERT_TRUE(host.Open(CPoint(cx - 90, cy - 40), kFirst));
    host.ClickPicker();
    CColourPopup* pPopup = host.Popup();
    ASSERT_NE(pPopup, nullptr);
    CRect rcPopup, rcPicker;
    pPopup->GetWindowRect(&rcPopup);
    host.m_picker.GetWindowRect(&rcPicker);
    EXPECT_LE(rcPopup.right, cx);
    EXPECT_GE(rcPopup.left, 0);
    EXPECT_LE(rcPopup.bottom, cy);
    EXPECT_EQ(rcPopup.bottom, rcPicker.top); // moved above the picker
    Key(pPopup, VK_ESCAPE);
    host.DestroyWindow();
}
