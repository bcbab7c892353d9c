// The themed combo box on the screen: completion of text typed with real keys, Backspace, text
// that matches nothing, typing in the middle, pasting, an emptied field, the drop-down list
// toggled by clicks, the edit of a disabled combo and the frame of a focused combo.
#include "ControlsTestSupport.h"
#include "platform/WinThread.h"
#include "support/InputScript.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"

namespace
{
// Key presses and releases PumpTranslated has taken from the queue.
int g_nKeyMessages = 0;

// Dispatches what is queued through the windows' PreTranslateMessage, as the message loop does.
void PumpTranslated()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            continue;
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
            msg.message == WM_SYSKEYUP)
            ++g_nKeyMessages;
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// Types keys (a modifier held with them when given) and pumps until every press and release has been
// handled.
void Type(std::initializer_list<WORD> keys, WORD vkHeld = 0)
{
    g_nKeyMessages = 0;
    int nSent = 0;
    auto send = [&nSent](WORD vk, bool bDown) {
        SendKeyInput(vk, bDown);
        ++nSent;
    };
    if (vkHeld != 0)
        send(vkHeld, true);
    for (WORD vk : keys)
    {
        send(vk, true);
        send(vk, false);
    }
    if (vkHeld != 0)
        send(vkHeld, false);
    const DWORD dwStart = ::GetTickCount();
    for (PumpTranslated(); g_nKeyMessages < nSent; PumpTranslated())
    {
        if (::GetTickCount() - dwStart > kInputWaitMs)
        {
            ADD_FAILURE() << "only " << g_nKeyMessages << " of " << nSent << " key messages arrived";
            return;
        }
        ::Sleep(1);
    }
}
} // namespace

// Reaches the edit-update handler directly and counts selections by an empty text (on Windows
// they select the first item).
class CTestCombo : public CExtComboBox
{
public:
    bool EditUpdate() { return OnEditUpdate(); }
    int m_nEmptySelects = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CB_SELECTSTRING && lParam != 0 && *(LPCWSTR)lParam == 0)
            ++m_nEmptySelects;
        return CExtComboBox::WindowProc(message, wParam, lParam);
    }
};

class ExtComboBoxTest : public ControlsTest
{
protected:
    void TearDown() override
    {
        if (m_pCombo != nullptr && m_pCombo->GetSafeHwnd() != nullptr)
            m_pCombo->DestroyWindow();
        delete m_pCombo;
        m_pCombo = nullptr;
        ::SetCursorPos(1200, 1000);
        ControlsTest::TearDown();
    }
    CExtComboBox* AddCombo(DWORD dwStyle)
    {
        m_pCombo = new CTestCombo;
        HWND hWnd = m_pDlg->AddControl(L"COMBOBOX", L"", dwStyle | WS_VSCROLL, CRect(20, 20, 220, 200), 400);
        EXPECT_TRUE(m_pCombo->SubclassWindow(hWnd));
        for (LPCWSTR lpsz : {L"Apel", L"Jeruk", L"Jambu", L"Mangga"})
            m_pCombo->AddString(lpsz);
        return m_pCombo;
    }
    // A drop-down combo with the focus in its edit.
    CExtComboBox* FocusedDropDown()
    {
        CExtComboBox* pCombo = AddCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL);
        ::SetForegroundWindow(m_pDlg->m_hWnd);
        pCombo->GetEditHook().SetFocus();
        // The focus events of the activation come before a modifier is held.
        EXPECT_TRUE(SettleInput(PumpTranslated));
        EXPECT_EQ(::GetFocus(), pCombo->GetEditHook().GetSafeHwnd());
        return pCombo;
    }
    CString Text() const
    {
        CString s;
        m_pCombo->GetWindowText(s);
        return s;
    }
    std::pair<int, int> Sel() const
    {
        const DWORD dw = m_pCombo->GetEditSel();
        return {(int)LOWORD(dw), (int)HIWORD(dw)};
    }
    CExtComboBox* m_pCombo = nullptr;
};

TEST_F(ExtComboBoxTest, TypedFirstLettersShowTheWholeItemWithTheRestSelectedAndBackspaceDoesNotComplete)
{
    FocusedDropDown();
    Type({'J', 'A'});
    EXPECT_EQ(Text(), CString(L"Jambu"));
    EXPECT_EQ(Sel(), std::make_pair(2, 5));
    Type({VK_BACK});
    EXPECT_EQ(Text(), CString(L"Ja"));
    EXPECT_EQ(Sel(), std::make_pair(2, 2));
    // The next letter completes again.
    Type({'M'});
    EXPECT_EQ(Text(), CString(L"Jambu"));
    EXPECT_EQ(Sel(), std::make_pair(3, 5));
}

TEST_F(ExtComboBoxTest, TextThatMatchesNothingKeepsTextAndCaretAndTypingInTheMiddleKeepsTheCaret)
{
    FocusedDropDown();
    Type({'X', 'Y'});
    EXPECT_EQ(Text(), CString(L"xy"));
    EXPECT_EQ(Sel(), std::make_pair(2, 2));
    m_pCombo->SetWindowText(L"Mngga");
    m_pCombo->SetEditSel(1, 1);
    Type({'A'});
    EXPECT_EQ(Text(), CString(L"Mangga"));
    EXPECT_EQ(Sel(), std::make_pair(2, 2));
}

TEST_F(ExtComboBoxTest, PastingDoesNotCompleteAndAnEmptiedFieldStaysEmpty)
{
    FocusedDropDown();
    ASSERT_TRUE(::OpenClipboard(m_pDlg->m_hWnd));
    ::EmptyClipboard();
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, 8 * sizeof(wchar_t));
    wcscpy((wchar_t*)::GlobalLock(hMem), L"jer");
    ::GlobalUnlock(hMem);
    ::SetClipboardData(CF_UNICODETEXT, hMem);
    ::CloseClipboard();
    Type({'V'}, VK_CONTROL);
    EXPECT_EQ(Text(), CString(L"jer"));

    // A key armed completion; then the field is emptied without a key or a clipboard message (as the
    // edit's own undo does) and the edit update comes.
    Type({VK_END, 'J'});
    ASSERT_NE(m_pCombo->m_nComboFlags & CExtComboBox::kComboCompleteArmed, 0);
    m_pCombo->GetEditHook().SetWindowText(L"");
    m_pCombo->SetCurSel(-1);
    EXPECT_TRUE(static_cast<CTestCombo*>(m_pCombo)->EditUpdate());
    EXPECT_EQ(m_pCombo->GetCurSel(), CB_ERR);
    EXPECT_EQ(static_cast<CTestCombo*>(m_pCombo)->m_nEmptySelects, 0);
    EXPECT_EQ(Text(), CString(L""));
}

TEST_F(ExtComboBoxTest, AClickOnADropDownListOpensTheListAndASecondClickClosesIt)
{
    CExtComboBox* pCombo = AddCombo(CBS_DROPDOWNLIST);
    pCombo->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 8));
    PumpTranslated();
    EXPECT_TRUE(WaitFor([&]() { return pCombo->GetDroppedState() != FALSE; }));
    EXPECT_TRUE(pCombo->GetDroppedState());
    pCombo->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 8));
    PumpTranslated();
    EXPECT_TRUE(WaitFor([&]() { return pCombo->GetDroppedState() == FALSE; }));
    EXPECT_FALSE(pCombo->GetDroppedState());
}

TEST_F(ExtComboBoxTest, ADisabledComboKeepsItsEditEnabledAndReadOnly)
{
    CExtComboBox* pCombo = AddCombo(CBS_DROPDOWN);
    CWnd& edit = pCombo->GetEditHook();
    ASSERT_NE(edit.GetSafeHwnd(), nullptr);
    pCombo->EnableWindow(FALSE);
    EXPECT_TRUE(edit.IsWindowEnabled());
    EXPECT_NE(edit.GetStyle() & ES_READONLY, 0u);
    CRecordingPaintManager::g_comboFrames.clear();
    pCombo->PaintFrame(true, true, nullptr);
    ASSERT_FALSE(CRecordingPaintManager::g_comboFrames.empty());
    EXPECT_FALSE(CRecordingPaintManager::g_comboFrames.back().bHover);
    EXPECT_FALSE(CRecordingPaintManager::g_comboFrames.back().bPushed);
    EXPECT_FALSE(CRecordingPaintManager::g_comboFrames.back().bEnabled);
    pCombo->EnableWindow(TRUE);
    EXPECT_EQ(edit.GetStyle() & ES_READONLY, 0u);
}

TEST_F(ExtComboBoxTest, WithTheFocusInsideTheFrameStaysHotAfterTheMouseLeaves)
{
    CExtComboBox* pCombo = FocusedDropDown();
    const CPoint ptIn = ScreenPoint(pCombo->GetSafeHwnd(), 30, 8);
    ::SetCursorPos(ptIn.x, ptIn.y);
    pCombo->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30, 8));
    EXPECT_TRUE(pCombo->IsHot());
    ::SetCursorPos(ptIn.x, ptIn.y + 300);
    CRecordingPaintManager::g_comboFrames.clear();
    pCombo->SendMessage(WM_TIMER, pCombo->m_nHoverTimerId, 0);
    EXPECT_TRUE(pCombo->IsHot());
    EXPECT_NE(pCombo->m_nComboFlags & CExtComboBox::kComboTimer, 0);
    ASSERT_FALSE(CRecordingPaintManager::g_comboFrames.empty());
    EXPECT_TRUE(CRecordingPaintManager::g_comboFrames.back().bHover);

    // Without the focus the frame cools down and the timer stops.
    ::SetFocus(nullptr);
    CRecordingPaintManager::g_comboFrames.clear();
    pCombo->SendMessage(WM_TIMER, pCombo->m_nHoverTimerId, 0);
    EXPECT_FALSE(pCombo->IsHot());
    EXPECT_EQ(pCombo->m_nComboFlags & CExtComboBox::kComboTimer, 0);
    ASSERT_FALSE(CRecordingPaintManager::g_comboFrames.empty());
    EXPECT_FALSE(CRecordingPaintManager::g_comboFrames.back().bHover);
}
