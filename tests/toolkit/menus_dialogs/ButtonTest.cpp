// Push button: alignment into the paint record, check state kept by the button, split parts, the
// keyboard click, capture while held, menu fill failures, icons, cursors and the bars' messages.
#include "ControlsTestSupport.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/menus_dialogs/ExtHyperLinkButton.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
// Counts the drop-down requests before the button handles them.
class CCountingButton : public CExtButton
{
public:
    bool TrackDropDownMenu(bool bSelectFirstItem) override
    {
        ++m_nTracks;
        m_bLastSelectFirst = bSelectFirstItem;
        return CExtButton::TrackDropDownMenu(bSelectFirstItem);
    }
    int m_nTracks = 0;
    bool m_bLastSelectFirst = false;
};

HMENU MenuWithOnePopup()
{
    HMENU hBar = ::CreateMenu();
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenuW(hPopup, MF_STRING, 0x7101, L"First");
    ::AppendMenuW(hPopup, MF_STRING, 0x7102, L"Second");
    ::AppendMenuW(hBar, MF_POPUP, (UINT_PTR)hPopup, L"Drop");
    return hBar;
}

HICON MakeIcon(COLORREF clr) { return CExtPaintManager::CreateColorIcon(clr); }
} // namespace

class ButtonTest : public ControlsTest
{
protected:
    template <typename T> T* AddButton(T* pButton, LPCWSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nId)
    {
        HWND hWnd = m_pDlg->AddControl(L"button", lpszText, dwStyle, rc, nId);
        EXPECT_NE(hWnd, nullptr);
        EXPECT_TRUE(pButton->SubclassWindow(hWnd));
        m_buttons.emplace_back(pButton);
        Pump();
        return pButton;
    }
    const CRecordingPaintManager::PushRecord* LastRecord(CObject* pSrc)
    {
        const CRecordingPaintManager::PushRecord* pLast = nullptr;
        for (const auto& r : CRecordingPaintManager::g_push)
            if (r.pSrc == pSrc)
                pLast = &r;
        return pLast;
    }
    void PaintNow(CWnd* pWnd) { ::RedrawWindow(pWnd->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    void TearDown() override
    {
        for (auto& pButton : m_buttons)
            if (pButton->GetSafeHwnd() != nullptr)
                pButton->DestroyWindow();
        m_buttons.clear();
        ControlsTest::TearDown();
    }
    std::vector<std::unique_ptr<CExtButton>> m_buttons;
};

TEST_F(ButtonTest, AlignmentStylesReachThePaintRecord)
{
    struct Case
    {
        DWORD dwStyle;
        int nAlign;
    } cases[] = {
        {BS_PUSHBUTTON | BS_CENTER, DT_CENTER | DT_VCENTER},
        {BS_PUSHBUTTON | BS_LEFT, DT_LEFT | DT_VCENTER},
        {BS_PUSHBUTTON | BS_RIGHT, DT_RIGHT | DT_VCENTER},
        {BS_PUSHBUTTON, DT_CENTER | DT_VCENTER},
        {BS_CHECKBOX, DT_LEFT | DT_VCENTER},
        {BS_CHECKBOX | BS_PUSHLIKE, DT_CENTER | DT_VCENTER},
        {BS_AUTORADIOBUTTON | BS_CENTER, DT_CENTER | DT_VCENTER},
    };
    int y = 10;
    for (const Case& c : cases)
    {
        CExtButton* pButton = AddButton(new CExtButton, L"Text", c.dwStyle, CRect(10, y, 110, y + 24), 100);
        y += 28;
        PaintNow(pButton);
        const auto* pRec = LastRecord(pButton);
        ASSERT_NE(pRec, nullptr) << std::hex << c.dwStyle;
        EXPECT_EQ(pRec->nAlign, c.nAlign) << std::hex << c.dwStyle;
        EXPECT_EQ(pButton->GetButtonType(), (int)(c.dwStyle & 0x0F));
        // The system control draws nothing itself: it is owner-drawn now.
        EXPECT_EQ((DWORD)::GetWindowLongW(pButton->m_hWnd, GWL_STYLE) & 0x0F, (DWORD)BS_OWNERDRAW);
    }
}

TEST_F(ButtonTest, DefaultButtonGetsTheBoldFontAndTheDefaultMark)
{
    CExtButton* pDef = AddButton(new CExtButton, L"OK", BS_DEFPUSHBUTTON, CRect(10, 10, 110, 34), IDOK);
    CExtButton* pPlain = AddButton(new CExtButton, L"Other", BS_PUSHBUTTON, CRect(10, 40, 110, 64), 101);
    EXPECT_EQ((HFONT)::SendMessageW(pDef->m_hWnd, WM_GETFONT, 0, 0),
              (HFONT)g_PaintManagerHolder->m_fontBold.GetSafeHandle());
    EXPECT_EQ((HFONT)::SendMessageW(pPlain->m_hWnd, WM_GETFONT, 0, 0),
              (HFONT)g_PaintManagerHolder->m_fontNormal.GetSafeHandle());
    PaintNow(pDef);
    ASSERT_NE(LastRecord(pDef), nullptr);
    EXPECT_TRUE(LastRecord(pDef)->bDefault);
    EXPECT_TRUE(pDef->IsDefaultButton());
    // Seen: the default's caption in bold, more ink than the same caption on a plain button; the dialog manager
    // moves the mark to the push button that gets the keys, and the bold caption with it.
    pPlain->SetWindowText(L"OK");
    const auto ink = [](CExtButton* p) {
        CRect rc;
        p->GetClientRect(&rc);
        DibCanvas canvas(rc.Width(), rc.Height());
        p->PaintButton(canvas.dc, false);
        rc.DeflateRect(5, 5);
        return rc.Width() * rc.Height() - canvas.Count(rc, PMColor(XCLR_FACE_NORMAL));
    };
    const int nInkDefault = ink(pDef), nInkPlain = ink(pPlain);
    EXPECT_GT(nInkDefault, nInkPlain + 5);
    ::SendMessageW(m_pDlg->m_hWnd, WM_NEXTDLGCTL, (WPARAM)pPlain->m_hWnd, TRUE);
    EXPECT_TRUE(pPlain->IsDefaultButton() && !pDef->IsDefaultButton());
    EXPECT_TRUE(ink(pPlain) == nInkDefault && ink(pDef) == nInkPlain);
}

TEST_F(ButtonTest, CheckStateIsTheButtonsOwn)
{
    CExtButton* pButton = AddButton(new CExtButton, L"Check", BS_AUTOCHECKBOX, CRect(10, 10, 110, 34), 100);
    HWND hWnd = pButton->m_hWnd;
    WNDCLASSW wc = {};
    ASSERT_TRUE(::GetClassInfoW(nullptr, L"Button", &wc));
    ::SendMessageW(hWnd, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(::SendMessageW(hWnd, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(pButton->m_nCheck, 2);
    // The system control never saw it.
    EXPECT_EQ(::CallWindowProcW(wc.lpfnWndProc, hWnd, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(::CallWindowProcW(wc.lpfnWndProc, hWnd, BM_GETSTATE, 0, 0) & 3, 0);
    ::SendMessageW(hWnd, BM_SETSTYLE, BS_AUTO3STATE, TRUE);
    EXPECT_EQ(pButton->GetButtonType(), BS_AUTO3STATE);
    EXPECT_EQ((DWORD)::GetWindowLongW(hWnd, GWL_STYLE) & 0x0F, (DWORD)BS_OWNERDRAW);
}

TEST_F(ButtonTest, CheckTypeButtonTogglesAndPaintsFlatWithoutFocus)
{
    CExtButton* pButton = AddButton(new CExtButton, L"Check", BS_AUTOCHECKBOX, CRect(10, 10, 110, 34), 100);
    ::SetFocus(pButton->m_hWnd);
    pButton->OnClick(false, false);
    EXPECT_EQ(::SendMessageW(pButton->m_hWnd, BM_GETCHECK, 0, 0), 1);
    ASSERT_EQ(m_pDlg->m_commands.size(), 1u);
    EXPECT_EQ(m_pDlg->m_commands[0].nId, 100u);
    EXPECT_EQ(m_pDlg->m_commands[0].hWnd, pButton->m_hWnd);
    PaintNow(pButton);
    const auto* pRec = LastRecord(pButton);
    ASSERT_NE(pRec, nullptr);
    EXPECT_TRUE(pRec->bFlat);
    EXPECT_FALSE(pRec->bFocusRect);
    EXPECT_TRUE(pRec->bHasIcon);
    pButton->OnClick(false, false);
    EXPECT_EQ(::SendMessageW(pButton->m_hWnd, BM_GETCHECK, 0, 0), 0);
}

TEST_F(ButtonTest, SplitButtonMainPartSendsTheCommandArrowPartOpensTheMenu)
{
    auto* pButton = AddButton(new CCountingButton, L"Split", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 120);
    pButton->m_menu.Attach(MenuWithOnePopup());
    pButton->m_nStateFlags |= CExtButton::kStateSplit;
    CRect rcDrop = pButton->GetDropDownRect();
    CRect rcClient;
    pButton->GetClientRect(&rcClient);
    EXPECT_EQ(rcDrop.Width(), 11);
    EXPECT_EQ(rcDrop.right, rcClient.right);

    ::SetCursorPos(ScreenPoint(pButton->m_hWnd, 10, 15).x, ScreenPoint(pButton->m_hWnd, 10, 15).y);
    ASSERT_EQ(pButton->HitTestCursor(), CExtButton::kPartMain);
    ::SendMessageW(pButton->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 15));
    ::SendMessageW(pButton->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 15));
    ASSERT_EQ(m_pDlg->m_commands.size(), 1u);
    EXPECT_EQ(m_pDlg->m_commands[0].nId, 120u);
    EXPECT_EQ(pButton->m_nTracks, 0);
    // A quick second click comes as a double click: it counts too.
    ::SendMessageW(pButton->m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 15));
    ::SendMessageW(pButton->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 15));
    EXPECT_EQ(m_pDlg->m_commands.size(), 2u);

    CPoint ptArrow = ScreenPoint(pButton->m_hWnd, rcClient.right - 5, 15);
    ::SetCursorPos(ptArrow.x, ptArrow.y);
    ASSERT_EQ(pButton->HitTestCursor(), CExtButton::kPartDropDown);
    ::SendMessageW(pButton->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PaintNow(pButton);
    const auto* pRec = LastRecord(pButton);
    ASSERT_NE(pRec, nullptr);
    EXPECT_TRUE(pRec->bSplit);
    EXPECT_TRUE(pRec->bDropDownPushed);
    EXPECT_FALSE(pRec->bPushed);
    ::SendMessageW(pButton->m_hWnd, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(pButton->m_nTracks, 1);
    EXPECT_EQ(m_pDlg->m_commands.size(), 2u);
}

TEST_F(ButtonTest, MenuButtonWithoutSplitSendsNothingAndAFailedFillTracksNothing)
{
    auto* pButton = AddButton(new CCountingButton, L"Menu", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 121);
    // A menu without a sub-menu cannot fill the popup: the click ends there.
    HMENU hEmpty = ::CreateMenu();
    pButton->m_menu.Attach(hEmpty);
    pButton->OnClick(false, false);
    EXPECT_EQ(pButton->m_nTracks, 1);
    EXPECT_TRUE(m_pDlg->m_commands.empty());
    EXPECT_FALSE(pButton->IsOwnMenuOpen());
    EXPECT_FALSE(CExtControlHelpers::IsMenuTracking());
}

TEST_F(ButtonTest, SpaceDownMoveUpClicksOnceAndTheMouseIsIgnoredMeanwhile)
{
    CExtButton* pButton = AddButton(new CExtButton, L"Space", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 130);
    ::SetFocus(pButton->m_hWnd);
    MSG msg = {pButton->m_hWnd, WM_KEYDOWN, VK_SPACE, 0, 0, {0, 0}};
    EXPECT_TRUE(pButton->PreTranslateMessage(&msg));
    EXPECT_EQ(pButton->m_nStateFlags & 0x2C, 0x2C);
    EXPECT_EQ(::GetCapture(), pButton->m_hWnd);
    ::SetCursorPos(5, 5);
    ::SendMessageW(pButton->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
    ::SendMessageW(pButton->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
    EXPECT_EQ(pButton->m_nStateFlags & 0x2C, 0x2C);
    EXPECT_TRUE(m_pDlg->m_commands.empty());
    msg.message = WM_KEYUP;
    EXPECT_TRUE(pButton->PreTranslateMessage(&msg));
    ASSERT_EQ(m_pDlg->m_commands.size(), 1u);
    EXPECT_EQ(m_pDlg->m_commands[0].nId, 130u);
    EXPECT_EQ(pButton->m_nStateFlags & 0x3C, 0);
    EXPECT_NE(::GetCapture(), pButton->m_hWnd);
    // Return clicks on key-down; key-up of Return does nothing more.
    msg.wParam = VK_RETURN;
    msg.message = WM_KEYDOWN;
    EXPECT_TRUE(pButton->PreTranslateMessage(&msg));
    msg.message = WM_KEYUP;
    EXPECT_TRUE(pButton->PreTranslateMessage(&msg));
    EXPECT_EQ(m_pDlg->m_commands.size(), 2u);
    // The keys made no tip window while the button has no tip text; a text makes it.
    EXPECT_EQ(pButton->GetToolTip().GetSafeHwnd(), nullptr);
    pButton->SetTooltipText(L"Spasi");
    EXPECT_NE(pButton->GetToolTip().GetSafeHwnd(), nullptr);
}

TEST_F(ButtonTest, HeldButtonLeavingAndReturningShowsPushedAgain)
{
    CExtButton* pButton = AddButton(new CExtButton, L"Held", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 131);
    HWND hWnd = pButton->m_hWnd;
    CPoint ptIn = ScreenPoint(hWnd, 30, 15);
    ::SetCursorPos(ptIn.x, ptIn.y);
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 15));
    EXPECT_EQ(pButton->m_nStateFlags & 0x1C, 0x1C);
    EXPECT_EQ(::GetCapture(), hWnd);
    CPoint ptOut = ScreenPoint(hWnd, 30, 200);
    ::SetCursorPos(ptOut.x, ptOut.y);
    ::SendMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 200));
    EXPECT_EQ(pButton->m_nStateFlags & 0x1C, 0x10);
    EXPECT_EQ(::GetCapture(), hWnd);
    ::SetCursorPos(ptIn.x, ptIn.y);
    ::SendMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 15));
    EXPECT_EQ(pButton->m_nStateFlags & 0x1C, 0x1C);
    PaintNow(pButton);
    ASSERT_NE(LastRecord(pButton), nullptr);
    EXPECT_TRUE(LastRecord(pButton)->bPushed);
    // Released outside: no click.
    ::SetCursorPos(ptOut.x, ptOut.y);
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(30, 200));
    EXPECT_TRUE(m_pDlg->m_commands.empty());
    EXPECT_EQ(pButton->m_nStateFlags & 0x1C, 0);
}

TEST_F(ButtonTest, SharedInAndOutIconIsDestroyedOnce)
{
    HICON hIn = MakeIcon(RGB(255, 0, 0));
    ASSERT_NE(hIn, nullptr);
    {
        CExtButton button;
        button.SetIcon(hIn, nullptr);
        EXPECT_EQ(button.GetIconIn(), hIn);
        EXPECT_EQ(button.GetIconOut(), hIn);
        HICON hNext = MakeIcon(RGB(0, 255, 0));
        button.SetIcon(hNext, nullptr);
        // The first handle went once; the second is still alive.
        ICONINFO ii = {};
        EXPECT_FALSE(::GetIconInfo(hIn, &ii));
        EXPECT_TRUE(::GetIconInfo(hNext, &ii));
        ::DeleteObject(ii.hbmColor);
        ::DeleteObject(ii.hbmMask);
        // Setting the pair held keeps it.
        button.SetIcon(hNext, hNext);
        EXPECT_TRUE(::GetIconInfo(hNext, &ii));
        ::DeleteObject(ii.hbmColor);
        ::DeleteObject(ii.hbmMask);
    }
    // A fresh icon may now reuse the handle value; destroying must not touch it a second time.
    HICON hOther = MakeIcon(RGB(0, 0, 255));
    ICONINFO ii = {};
    EXPECT_TRUE(::GetIconInfo(hOther, &ii));
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    ::DestroyIcon(hOther);
}

TEST_F(ButtonTest, SharedCursorsOutliveTheButtons)
{
    HCURSOR hHand = ::LoadCursorW(nullptr, IDC_HAND);
    ASSERT_NE(hHand, nullptr);
    {
        CExtHyperLinkButton link;
        EXPECT_EQ(link.GetBtnCursor(), hHand);
        CExtButton button;
        EXPECT_TRUE(button.SetBtnCursor(32512));
        EXPECT_EQ(button.GetBtnCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_TRUE(button.SetBtnCursor(-1));
        EXPECT_EQ(button.GetBtnCursor(), nullptr);
        EXPECT_FALSE(button.SetBtnCursor(0x7FF0));
    }
    ICONINFO ii = {};
    EXPECT_TRUE(::GetIconInfo(hHand, &ii));
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    EXPECT_TRUE(::GetIconInfo(::LoadCursorW(nullptr, IDC_ARROW), &ii));
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
}

TEST_F(ButtonTest, ContinueTrackMenuOpensTheMenuAndAnswersOne)
{
    auto* pButton = AddButton(new CCountingButton, L"Menu", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 140);
    pButton->m_menu.Attach(MenuWithOnePopup());
    EXPECT_EQ(::SendMessageW(pButton->m_hWnd, CExtToolControlBar::g_nMsgContinueTrackMenu, 0, 1), 1);
    EXPECT_EQ(pButton->m_nTracks, 1);
    EXPECT_TRUE(pButton->m_bLastSelectFirst);
    EXPECT_EQ(::RegisterWindowMessageW(L"CExtToolControlBar::g_nMsgContinueTrackMenu"),
              CExtToolControlBar::g_nMsgContinueTrackMenu);
    EXPECT_EQ(::RegisterWindowMessageW(L"CExtControlBar::g_nMsgPutToPopupMenu"), CExtControlBar::g_nMsgPutToPopupMenu);
}

TEST_F(ButtonTest, PopupMenuMessagesReachTheParent)
{
    CExtButton* pButton = AddButton(new CExtButton, L"Menu", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 141);
    const wchar_t* names[] = {
        L"CExtPopupMenuWnd::g_nMsgPrepareMenu",      L"CExtPopupMenuWnd::g_nMsgPopupNext",
        L"CExtPopupMenuWnd::g_nMsgPopupPrev",        L"CExtPopupMenuWnd::g_nMsgNotifyMenuExpanded",
        L"CExtPopupMenuWnd::g_nMsgNotifyMenuClosed", L"CExtPopupMenuWnd::g_nMsgPopupDrawItem",
        L"CExtPopupMenuWnd::g_nMsgPopupDrawLeftArea"};
    for (const wchar_t* pName : names)
    {
        UINT nMsg = ::RegisterWindowMessageW(pName);
        EXPECT_EQ(::SendMessageW(pButton->m_hWnd, nMsg, 1, 2), 0x5A) << pName;
        ASSERT_FALSE(m_pDlg->m_messages.empty());
        EXPECT_EQ(m_pDlg->m_messages.back(), nMsg);
    }
    // Other registered messages stay with the button.
    size_t nBefore = m_pDlg->m_messages.size();
    ::SendMessageW(pButton->m_hWnd, ::RegisterWindowMessageW(L"CorvaneControlsTest::Other"), 0, 0);
    EXPECT_EQ(m_pDlg->m_messages.size(), nBefore);
}

TEST_F(ButtonTest, PutToPopupMenuInsertsASubMenuWithTextAndInIcon)
{
    CExtButton* pButton = AddButton(new CExtButton, L"Put me", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 142);
    CExtPopupMenuWnd* pTarget = new CExtPopupMenuWnd;
    ASSERT_TRUE(pTarget->CreatePopupMenu(m_pDlg->m_hWnd));
    EXPECT_EQ(::SendMessageW(pButton->m_hWnd, CExtControlBar::g_nMsgPutToPopupMenu, (WPARAM)pTarget, 0), 0);
    EXPECT_EQ(pTarget->GetItemCount(), 0);
    pButton->m_menu.Attach(MenuWithOnePopup());
    // The receiver's profile knows the menu's commands.
    ASSERT_TRUE(g_CmdManagerHolder->CreateProfile(L"ControlsPutTest", m_pDlg->m_hWnd));
    ASSERT_TRUE(g_CmdManagerHolder->UpdateFromMenu(L"ControlsPutTest", pButton->m_menu.GetSafeHmenu()));
    pButton->SetIcon(MakeIcon(RGB(0, 0, 255)), nullptr);
    EXPECT_EQ(::SendMessageW(pButton->m_hWnd, CExtControlBar::g_nMsgPutToPopupMenu, (WPARAM)pTarget, 0), 1);
    ASSERT_EQ(pTarget->GetItemCount(), 1);
    EXPECT_EQ(pTarget->ItemGetText(0), CString(L"Put me"));
    EXPECT_NE(pTarget->ItemGetIcon(0), nullptr);
    EXPECT_NE(pTarget->ItemGetIcon(0), pButton->GetIconIn());
    CExtPopupMenuWnd* pSub = pTarget->ItemGetPopup(0);
    ASSERT_NE(pSub, nullptr);
    ASSERT_EQ(pSub->GetItemCount(), 2);
    EXPECT_EQ(pSub->ItemGetCmdID(0), 0x7101);
    delete pTarget;
    g_CmdManagerHolder->UnbindWindowFromProfile(m_pDlg->m_hWnd, true);
}

TEST_F(ButtonTest, ButtonOnAToolBarIsFlatWithoutFocusRect)
{
    CExtToolControlBar bar;
    ASSERT_TRUE(bar.CreateEx(0, L"Static", L"", WS_CHILD | WS_VISIBLE, CRect(10, 300, 300, 340), m_pDlg, 0x5100));
    HWND hWnd = ::CreateWindowExW(0, L"button", L"Tool", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 2, 2, 80, 30,
                                  bar.m_hWnd, (HMENU)150, nullptr, nullptr);
    CExtButton button;
    ASSERT_TRUE(button.SubclassWindow(hWnd));
    ::SetFocus(hWnd);
    PaintNow(&button);
    const auto* pRec = LastRecord(&button);
    ASSERT_NE(pRec, nullptr);
    EXPECT_TRUE(pRec->bFlat);
    EXPECT_FALSE(pRec->bFocusRect);
    button.DestroyWindow();
    bar.DestroyWindow();
}

TEST_F(ButtonTest, TextColoursAndIconsReachThePaintRecord)
{
    CExtButton* pButton = AddButton(new CExtButton, L"Colours", BS_PUSHBUTTON, CRect(20, 20, 140, 50), 160);
    pButton->m_clrTextNormal = RGB(1, 2, 3);
    pButton->m_clrTextHover = RGB(4, 5, 6);
    HICON hIn = MakeIcon(RGB(255, 0, 0)), hOut = MakeIcon(RGB(0, 255, 0));
    pButton->SetIcon(hIn, hOut);
    PaintNow(pButton);
    const auto* pRec = LastRecord(pButton);
    ASSERT_NE(pRec, nullptr);
    EXPECT_EQ(pRec->clrNormal, RGB(1, 2, 3));
    EXPECT_EQ(pRec->clrHot, RGB(4, 5, 6));
    EXPECT_EQ(pRec->hIcon, hOut);
    EXPECT_FALSE(pRec->bHot);
    pButton->m_nStateFlags |= CExtButton::kStateHover;
    PaintNow(pButton);
    EXPECT_EQ(LastRecord(pButton)->hIcon, hIn);
    EXPECT_TRUE(LastRecord(pButton)->bHot);
    // Painting never gives the button's icons away.
    EXPECT_EQ(pButton->GetIconIn(), hIn);
    ICONINFO ii = {};
    EXPECT_TRUE(::GetIconInfo(hIn, &ii));
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
}
