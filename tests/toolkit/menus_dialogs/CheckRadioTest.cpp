// Check box and radio button: click cycles, group handling by click and arrow keys, the classic
// box against DrawFrameControl, box placement, text colours, focus rectangle and group walks.
#include "ControlsTestSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtRadioButton.h"

class CheckRadioTest : public ControlsTest
{
protected:
    template <typename T>
    T* Add(T* pCtl, LPCWSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nId, DWORD dwExStyle = 0)
    {
        HWND hWnd = m_pDlg->AddControl(L"button", lpszText, dwStyle, rc, nId, dwExStyle);
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
    // The control painted into a canvas of its client size.
    static std::unique_ptr<DibCanvas> PaintInto(CExtButton* pCtl)
    {
        CRect rc;
        pCtl->GetClientRect(&rc);
        auto canvas = std::make_unique<DibCanvas>(rc.Width(), rc.Height(), RGB(1, 2, 3));
        pCtl->PaintButton(canvas->dc, false);
        return canvas;
    }
    // The face colour with the classic box drawn at rcBox.
    static std::unique_ptr<DibCanvas> Reference(const CRect& rcClient, CRect rcBox, UINT nState)
    {
        auto canvas = std::make_unique<DibCanvas>(rcClient.Width(), rcClient.Height(), PMColor(XCLR_FACE_NORMAL));
        canvas->dc.DrawFrameControl(&rcBox, DFC_BUTTON, nState);
        return canvas;
    }
    static int CountDifferences(const DibCanvas& a, const DibCanvas& b, const CRect& rc)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += a.At(x, y) != b.At(x, y);
        return n;
    }
    std::vector<std::unique_ptr<CExtButton>> m_controls;
};

TEST_F(CheckRadioTest, ThreeStateCyclesAndTwoStateToggles)
{
    auto* p3 = Add(new CExtCheckBox, L"Three", BS_AUTO3STATE, CRect(10, 10, 150, 30), 201);
    auto* p2 = Add(new CExtCheckBox, L"Two", BS_AUTOCHECKBOX, CRect(10, 40, 150, 60), 202);
    int expect3[] = {1, 2, 0, 1};
    for (int n : expect3)
    {
        p3->OnClick(false, false);
        EXPECT_EQ(::SendMessageW(p3->m_hWnd, BM_GETCHECK, 0, 0), n);
    }
    int expect2[] = {1, 0, 1};
    for (int n : expect2)
    {
        p2->OnClick(false, false);
        EXPECT_EQ(::SendMessageW(p2->m_hWnd, BM_GETCHECK, 0, 0), n);
    }
    ASSERT_EQ(m_pDlg->m_commands.size(), 7u);
    EXPECT_EQ(m_pDlg->m_commands[0].nId, 201u);
    EXPECT_EQ(m_pDlg->m_commands[6].nId, 202u);
    EXPECT_EQ(m_pDlg->m_commands[6].hWnd, p2->m_hWnd);
}

TEST_F(CheckRadioTest, RadioClickUnchecksTheGroupAndMovesTheTabStop)
{
    auto* r1 =
        Add(new CExtRadioButton, L"One", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, CRect(10, 10, 150, 30), 211);
    auto* r2 = Add(new CExtRadioButton, L"Two", BS_AUTORADIOBUTTON, CRect(10, 40, 150, 60), 212);
    auto* r3 = Add(new CExtRadioButton, L"Three", BS_AUTORADIOBUTTON, CRect(10, 70, 150, 90), 213);
    m_pDlg->AddControl(L"static", L"end", WS_GROUP, CRect(10, 100, 150, 120), 219);
    ::SendMessageW(r1->m_hWnd, BM_SETCHECK, 1, 0);
    r3->OnClick(false, false);
    EXPECT_EQ(::SendMessageW(r1->m_hWnd, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(r2->m_hWnd, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(r3->m_hWnd, BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(::GetWindowLongW(r1->m_hWnd, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_NE(::GetWindowLongW(r3->m_hWnd, GWL_STYLE) & WS_TABSTOP, 0);
    // Clicking the checked radio keeps it checked and reports again.
    r3->OnClick(false, false);
    EXPECT_EQ(::SendMessageW(r3->m_hWnd, BM_GETCHECK, 0, 0), 1);
    ASSERT_EQ(m_pDlg->m_commands.size(), 2u);
    EXPECT_EQ(m_pDlg->m_commands[1].nId, 213u);
    EXPECT_EQ(::SendMessageW(r3->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON, DLGC_RADIOBUTTON);
}

TEST_F(CheckRadioTest, ArrowKeysSkipOtherMembersAndStopAtACheckedRadio)
{
    auto* r1 =
        Add(new CExtRadioButton, L"One", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, CRect(10, 10, 150, 30), 221);
    Add(new CExtCheckBox, L"Box", BS_AUTOCHECKBOX, CRect(10, 40, 150, 60), 222);
    auto* r2 = Add(new CExtRadioButton, L"Hidden", BS_AUTORADIOBUTTON, CRect(10, 70, 150, 90), 223);
    auto* r3 = Add(new CExtRadioButton, L"Disabled", BS_AUTORADIOBUTTON | WS_DISABLED, CRect(10, 100, 150, 120), 224);
    auto* r4 = Add(new CExtRadioButton, L"Four", BS_AUTORADIOBUTTON, CRect(10, 130, 150, 150), 225);
    m_pDlg->AddControl(L"static", L"end", WS_GROUP, CRect(10, 160, 150, 180), 229);
    ::ShowWindow(r2->m_hWnd, SW_HIDE);
    ::SendMessageW(r1->m_hWnd, BM_SETCHECK, 1, 0);
    ::SetFocus(r1->m_hWnd);
    MSG msg = {r1->m_hWnd, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
    EXPECT_TRUE(r1->PreTranslateMessage(&msg));
    EXPECT_EQ(::SendMessageW(r1->m_hWnd, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(r4->m_hWnd, BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(r3->m_hWnd, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(::GetFocus(), r4->m_hWnd);
    EXPECT_NE(::GetWindowLongW(r4->m_hWnd, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(::GetWindowLongW(r1->m_hWnd, GWL_STYLE) & WS_TABSTOP, 0);
    ASSERT_EQ(m_pDlg->m_commands.size(), 1u);
    EXPECT_EQ(m_pDlg->m_commands[0].nId, 225u);
    // Backward from the fourth: the next usable radio is the first.
    msg.hwnd = r4->m_hWnd;
    msg.wParam = VK_UP;
    EXPECT_TRUE(r4->PreTranslateMessage(&msg));
    EXPECT_EQ(::SendMessageW(r1->m_hWnd, BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(r4->m_hWnd, BM_GETCHECK, 0, 0), 0);
    // A checked radio in the way: no move, the key goes on.
    ::SendMessageW(r4->m_hWnd, BM_SETCHECK, 1, 0);
    msg.hwnd = r1->m_hWnd;
    msg.wParam = VK_RIGHT;
    r1->PreTranslateMessage(&msg);
    EXPECT_EQ(::SendMessageW(r1->m_hWnd, BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(m_pDlg->m_commands.size(), 2u);
}

TEST_F(CheckRadioTest, GroupWalksFromAnUnreachableStartEnd)
{
    auto* r1 = Add(new CExtRadioButton, L"One", BS_AUTORADIOBUTTON | WS_GROUP, CRect(10, 10, 150, 30), 231);
    auto* r2 = Add(new CExtRadioButton, L"Two", BS_AUTORADIOBUTTON, CRect(10, 40, 150, 60), 232);
    auto* r3 = Add(new CExtRadioButton, L"Three", BS_AUTORADIOBUTTON, CRect(10, 70, 150, 90), 233);
    m_pDlg->AddControl(L"static", L"end", WS_GROUP, CRect(10, 100, 150, 120), 239);
    ::SendMessageW(r2->m_hWnd, BM_SETCHECK, 1, 0);
    // A hidden, disabled start is never given back by the group walk.
    ::ShowWindow(r1->m_hWnd, SW_HIDE);
    ::EnableWindow(r1->m_hWnd, FALSE);
    EXPECT_EQ(r1->UncheckGroupOthers(), 1);
    EXPECT_EQ(::SendMessageW(r2->m_hWnd, BM_GETCHECK, 0, 0), 0);
    CExtRadioButton* pNext = r1->FindGroupRadio(true);
    ASSERT_NE(pNext, nullptr);
    EXPECT_TRUE(pNext == r2 || pNext == r3);
}

TEST_F(CheckRadioTest, ClassicBoxEqualsTheFrameControl)
{
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        int nCheck;
        bool bSpace;
        bool bDisabled;
        UINT nState;
    } cases[] = {
        {"unchecked", BS_AUTOCHECKBOX, 0, false, false, DFCS_BUTTONCHECK},
        {"checked", BS_AUTOCHECKBOX, 1, false, false, DFCS_BUTTONCHECK | DFCS_CHECKED},
        {"indeterminate", BS_AUTO3STATE, 2, false, false, DFCS_BUTTONCHECK | DFCS_BUTTON3STATE | DFCS_CHECKED},
        {"pressed", BS_AUTOCHECKBOX, 0, true, false, DFCS_BUTTONCHECK | DFCS_PUSHED},
        {"disabled", BS_AUTOCHECKBOX, 1, false, true, DFCS_BUTTONCHECK | DFCS_INACTIVE | DFCS_CHECKED},
        {"flat", BS_AUTOCHECKBOX | BS_FLAT, 1, false, false, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT},
        {"radio", BS_AUTORADIOBUTTON, 1, false, false, DFCS_BUTTONRADIO | DFCS_CHECKED},
        {"radio off", BS_AUTORADIOBUTTON, 0, false, false, DFCS_BUTTONRADIO},
    };
    UINT nId = 240;
    for (const Case& c : cases)
    {
        CExtCheckBox* pCtl = (c.dwStyle & 0x0F) == BS_AUTORADIOBUTTON ? new CExtRadioButton : new CExtCheckBox;
        Add(pCtl, L"", c.dwStyle, CRect(10, 10, 110, 31), nId++);
        ::SendMessageW(pCtl->m_hWnd, BM_SETCHECK, c.nCheck, 0);
        if (c.bDisabled)
            ::EnableWindow(pCtl->m_hWnd, FALSE);
        if (c.bSpace)
            pCtl->m_nCheckFlags |= CExtCheckBox::kSpaceHeld;
        CRect rcClient;
        pCtl->GetClientRect(&rcClient);
        CRect rcBox(0, (rcClient.Height() - 13) / 2, 13, (rcClient.Height() - 13) / 2 + 13);
        auto painted = PaintInto(pCtl);
        auto reference = Reference(rcClient, rcBox, c.nState);
        EXPECT_EQ(CountDifferences(*painted, *reference, rcBox), 0) << c.name;
        // Something was drawn: the box is not plain face colour.
        EXPECT_LT(painted->Count(rcBox, PMColor(XCLR_FACE_NORMAL)), 13 * 13) << c.name;
        pCtl->DestroyWindow();
    }
}

TEST_F(CheckRadioTest, BoxStateIndexFollowsCheckHoverPressAndEnable)
{
    auto* pCtl = Add(new CExtCheckBox, L"Box", BS_AUTO3STATE, CRect(10, 10, 150, 31), 250);
    auto lastState = [&]() {
        CRecordingPaintManager::g_boxes.clear();
        PaintInto(pCtl);
        return CRecordingPaintManager::g_boxes.empty() ? -1 : CRecordingPaintManager::g_boxes.back().nState;
    };
    EXPECT_EQ(lastState(), 0);
    ::SendMessageW(pCtl->m_hWnd, BM_SETCHECK, 2, 0);
    EXPECT_EQ(lastState(), 2);
    pCtl->m_nStateFlags |= CExtButton::kStateHover;
    EXPECT_EQ(lastState(), 8);
    pCtl->m_nCheckFlags |= CExtCheckBox::kMouseHeld;
    EXPECT_EQ(lastState(), 5);
    pCtl->m_nStateFlags &= (BYTE)~CExtButton::kStateHover;
    EXPECT_EQ(lastState(), 8);
    ::EnableWindow(pCtl->m_hWnd, FALSE);
    EXPECT_EQ(lastState(), 11);
}

TEST_F(CheckRadioTest, BoxSidesAndVerticalPlacement)
{
    struct Case
    {
        DWORD dwStyle, dwExStyle;
        bool bRight;
        int nTop; // -1 centred, -2 bottom
    } cases[] = {
        {BS_AUTOCHECKBOX, 0, false, -1},
        {BS_AUTOCHECKBOX | BS_LEFTTEXT, 0, true, -1},
        {BS_AUTOCHECKBOX, WS_EX_RIGHT, true, -1},
        {BS_AUTOCHECKBOX | BS_TOP, 0, false, 0},
        {BS_AUTOCHECKBOX | BS_BOTTOM, 0, false, -2},
    };
    UINT nId = 260;
    for (const Case& c : cases)
    {
        auto* pCtl = Add(new CExtCheckBox, L"Text", c.dwStyle, CRect(10, 10, 160, 50), nId++, c.dwExStyle);
        CRect rcClient;
        pCtl->GetClientRect(&rcClient);
        CRecordingPaintManager::g_boxes.clear();
        PaintInto(pCtl);
        ASSERT_EQ(CRecordingPaintManager::g_boxes.size(), 1u);
        CRect rcBox = CRecordingPaintManager::g_boxes[0].rc;
        EXPECT_EQ(rcBox.Width(), 13);
        EXPECT_EQ(rcBox.Height(), 13);
        EXPECT_EQ(rcBox.left, c.bRight ? rcClient.right - 13 : 0) << std::hex << c.dwStyle;
        int nTop = c.nTop == -1 ? (rcClient.Height() - 13) / 2 : c.nTop == -2 ? rcClient.Height() - 13 : c.nTop;
        EXPECT_EQ(rcBox.top, nTop) << std::hex << c.dwStyle;
        pCtl->DestroyWindow();
    }
}

TEST_F(CheckRadioTest, TextColoursFocusAndNoRoomForText)
{
    auto* pCtl = Add(new CExtCheckBox, L"MMMMMM", BS_AUTOCHECKBOX, CRect(10, 10, 160, 31), 270);
    CRect rcText(18, 0, 150, 21);
    auto enabled = PaintInto(pCtl);
    EXPECT_GT(enabled->Count(rcText, PMColor(COLOR_BTNTEXT)), 10);
    ::EnableWindow(pCtl->m_hWnd, FALSE);
    auto disabled = PaintInto(pCtl);
    EXPECT_GT(disabled->Count(rcText, PMColor(COLOR_3DSHADOW)), 10);
    EXPECT_EQ(disabled->Count(rcText, PMColor(COLOR_BTNTEXT)), 0);
    ::EnableWindow(pCtl->m_hWnd, TRUE);
    // The focus rectangle changes pixels around the text only.
    ::SetFocus(pCtl->m_hWnd);
    auto focused = PaintInto(pCtl);
    EXPECT_GT(CountDifferences(*enabled, *focused, rcText), 0);
    EXPECT_EQ(CountDifferences(*enabled, *focused, CRect(0, 0, 14, 21)), 0);
    // Without text, and without room for it, the box is still painted.
    auto* pEmpty = Add(new CExtCheckBox, L"", BS_AUTOCHECKBOX, CRect(10, 40, 160, 61), 271);
    auto* pNarrow = Add(new CExtCheckBox, L"Text", BS_AUTOCHECKBOX, CRect(10, 70, 24, 91), 272);
    for (CExtCheckBox* p : {pEmpty, pNarrow})
    {
        CRecordingPaintManager::g_boxes.clear();
        auto canvas = PaintInto(p);
        EXPECT_EQ(CRecordingPaintManager::g_boxes.size(), 1u);
        EXPECT_LT(canvas->Count(CRect(0, 4, 13, 17), PMColor(XCLR_FACE_NORMAL)), 13 * 13);
    }
}
