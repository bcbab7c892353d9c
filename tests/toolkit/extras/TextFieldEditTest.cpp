// The in-place edit of the text fields with real key and mouse input: starting with the whole text
// selected, committing, verification (typed and pasted), the four ways to cancel, the clipboard keys,
// and Up/Down of an editable combo.
#include "TextFieldTestSupport.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

using extrastest::ClipboardText;
using extrastest::EditShows;
using extrastest::EditText;
using extrastest::MenuSettled;
using extrastest::Script;
using extrastest::SendKeysRaw;
using extrastest::TextFields;
using extrastest::TypeTextRaw;

namespace
{

bool EditAlive() { return CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive() != nullptr; }

// Refuses every text with a digit.
class CNoDigitsField : public CExtBarTextFieldButton
{
public:
    CNoDigitsField(CExtToolControlBar* pBar, UINT nCmdID) : CExtBarTextFieldButton(false, 120, pBar, nCmdID) {}
    bool OnVerifyText(CInPlaceEditWnd* pEdit, const CString& sOld, const CString& sNew) override
    {
        (void)pEdit;
        (void)sOld;
        ++m_nAsked;
        return wcspbrk(sNew, L"0123456789") == nullptr;
    }
    int m_nAsked = 0;
};

} // namespace

TEST_F(TextFields, ScreenClickInTheTextStartsEditingWithTheWholeTextSelected)
{
    CExtBarTextFieldButton* pField = Plain();
    pField->SetFieldText(L"Halo dunia", false);
    DWORD dwSel = 0;
    HWND hFocus = nullptr, hEdit = nullptr;
    CRect rcEdit, rcEditClient;
    LRESULT nDlgCode = 0;
    bool bPushed = false;
    Script script;
    script
        .Then([&] {
            CExtBarTextFieldButton::CInPlaceEditWnd* pEdit = pField->GetInplaceEdit();
            if (pEdit == nullptr)
                return false;
            hEdit = pEdit->m_hWnd;
            dwSel = (DWORD)pEdit->SendMessage(EM_GETSEL);
            hFocus = ::GetFocus();
            pEdit->GetWindowRect(&rcEdit);
            m_pBar->ScreenToClient(&rcEdit);
            pEdit->GetClientRect(&rcEditClient);
            nDlgCode = pEdit->SendMessage(WM_GETDLGCODE);
            bPushed = pField->GetInplaceEdit() != nullptr && pField->GetEditText() == L"Halo dunia";
            return true;
        })
        .Do([] { SendKeysRaw({VK_ESCAPE}); });
    script.Start();
    Click(pField, TextPoint(pField));
    EXPECT_FALSE(script.Failed());
    EXPECT_EQ(LOWORD(dwSel), 0);
    EXPECT_EQ(HIWORD(dwSel), 10);
    EXPECT_EQ(hFocus, hEdit);
    EXPECT_EQ(rcEdit, pField->GetEditRect(pField->GetRect()));
    // A 2-pixel frame on every side; tabs, all keys and characters go to the edit.
    EXPECT_EQ(rcEditClient.Width(), rcEdit.Width() - 4);
    EXPECT_EQ(rcEditClient.Height(), rcEdit.Height() - 4);
    EXPECT_EQ(nDlgCode, DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS);
    EXPECT_TRUE(bPushed);
    EXPECT_EQ(pField->GetInplaceEdit(), nullptr);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_STREQ(pField->GetFieldText(), L"Halo dunia");
    EXPECT_TRUE(pField->GetEditText().IsEmpty());
}

TEST_F(TextFields, ScreenARealClickOnTheFieldInTheBarStartsEditing)
{
    CExtBarTextFieldButton* pField = Combo();
    pField->SetFieldText(L"klik", false);
    bool bEditing = false;
    Script script;
    script.Then(EditAlive).Do([&] { bEditing = pField->GetInplaceEdit() != nullptr && !pField->IsListOpen(); }).Do([] {
        SendKeysRaw({VK_ESCAPE});
    });
    script.Start();
    extrastest::ClickAt(m_pBar->m_hWnd, TextPoint(pField));
    extrastest::PumpUntil([&] { return script.IsDone(); }, 2 * kInputWaitMs);
    EXPECT_FALSE(script.Failed());
    EXPECT_TRUE(bEditing);
    EXPECT_FALSE(EditAlive());
    EXPECT_STREQ(pField->GetFieldText(), L"klik");
}

TEST_F(TextFields, ScreenTypingAndEnterCommitTheText)
{
    CExtBarTextFieldButton* pField = Plain();
    pField->SetFieldText(L"lama", false);
    Script script;
    script.Then(EditAlive).Do([] { TypeTextRaw(L"baru 12"); }).Then([] { return EditShows(L"baru 12"); }).Do([] {
        SendKeysRaw({VK_RETURN});
    });
    script.Start();
    Click(pField, TextPoint(pField));
    EXPECT_FALSE(script.Failed());
    EXPECT_STREQ(pField->GetFieldText(), L"baru 12");
    EXPECT_FALSE(EditAlive());
    // The focus went back to the bar's frame (which hands it on to its MDI client).
    const HWND hFocus = ::GetFocus();
    EXPECT_TRUE(hFocus == m_pFrame->m_hWnd || ::IsChild(m_pFrame->m_hWnd, hFocus));
    EXPECT_NE(::GetParent(hFocus), m_pBar->m_hWnd);
}

TEST_F(TextFields, ScreenVerificationThatRefusesDigitsKeepsThemOutWhenTypedOrPasted)
{
    auto* pField = new CNoDigitsField(m_pBar, extrashost::CExtrasToolBar::kIdPlainField);
    CExtBarButton* pOld = Swap(0, pField);
    extrastest::SetClipboardText(L"34");
    CString sAfterPaste;
    int nAskedBeforePaste = 0;
    Script script;
    script.Then(EditAlive)
        .Do([] { TypeTextRaw(L"a1b2"); })
        .Then([] { return EditShows(L"ab"); })
        .Do([&] {
            nAskedBeforePaste = pField->m_nAsked;
            SendKeysRaw({VK_CONTROL, 'V'});
        })
        .Then([&] { return pField->m_nAsked > nAskedBeforePaste; }) // the paste was verified
        .Do([&] { sAfterPaste = EditText(); })
        .Do([] { SendKeysRaw({VK_RETURN}); });
    script.Start();
    Click(pField, TextPoint(pField));
    EXPECT_FALSE(script.Failed());
    EXPECT_STREQ(sAfterPaste, L"ab");
    EXPECT_STREQ(pField->GetFieldText(), L"ab");
    EXPECT_GT(pField->m_nAsked, 4);
    Swap(0, pOld);
    delete pField;
}

TEST_F(TextFields, ScreenEscapeAltClickElsewhereAndFocusLossCancelAndKeepTheText)
{
    CExtBarTextFieldButton* pField = Plain();
    CRect rcClient;
    ::GetClientRect(m_pFrame->m_hWndMDIClient, &rcClient);
    const HWND hClient = m_pFrame->m_hWndMDIClient;
    const std::function<void()> ways[] = {
        [] { SendKeysRaw({VK_ESCAPE}); },
        [] { SendKeysRaw({VK_MENU}); },
        [&] { extrastest::ClickAtRaw(hClient, rcClient.CenterPoint()); },
        [&] { ::SetFocus(m_pFrame->m_hWnd); },
    };
    int nWay = 0;
    for (const auto& way : ways)
    {
        pField->SetFieldText(L"tetap", false);
        Script script;
        script.Then(EditAlive).Do([] { TypeTextRaw(L"xyz"); }).Then([] { return EditShows(L"xyz"); }).Do(way);
        script.Start();
        Click(pField, TextPoint(pField));
        EXPECT_FALSE(script.Failed()) << nWay;
        EXPECT_FALSE(EditAlive()) << nWay;
        EXPECT_STREQ(pField->GetFieldText(), L"tetap") << nWay;
        PumpMessages(); // the rest of the way's input (the release of Alt)
        // A menu mode that Alt may have started ends here.
        if (nWay == 1)
            extrastest::SendKeys({VK_ESCAPE});
        ++nWay;
    }
}

TEST_F(TextFields, ScreenClipboardKeysCopyPasteCutAndSelectAll)
{
    CExtBarTextFieldButton* pField = Plain();
    pField->SetFieldText(L"Halo", false);
    extrastest::SetClipboardText(L"-");
    CString sCopied, sPasted, sCut, sAfterCut;
    DWORD dwSelAll = 0;
    Script script;
    script.Then(EditAlive)
        .Do([] {
            SendKeysRaw({VK_CONTROL, 'C'});
        })
        .Then([&] { return (sCopied = ClipboardText()) == L"Halo"; })
        .Do([] { SendKeysRaw({VK_END}); })
        .Do([] {
            SendKeysRaw({VK_CONTROL, 'V'});
        })
        .Then([&] { return (sPasted = EditText()) == L"HaloHalo"; })
        .Do([] { SendKeysRaw({VK_HOME}); })
        .Do([] {
            SendKeysRaw({VK_CONTROL, 'A'});
        })
        .Then([&] {
            // A selection again after the caret went home.
            dwSelAll = (DWORD)CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive()->SendMessage(EM_GETSEL);
            return LOWORD(dwSelAll) != HIWORD(dwSelAll);
        })
        .Do([] {
            SendKeysRaw({VK_CONTROL, 'X'});
        })
        .Then([&] { return (sAfterCut = EditText()).IsEmpty() && (sCut = ClipboardText()) == L"HaloHalo"; })
        .Do([] { SendKeysRaw({VK_ESCAPE}); });
    script.Start();
    Click(pField, TextPoint(pField));
    EXPECT_FALSE(script.Failed());
    EXPECT_STREQ(sCopied, L"Halo");
    EXPECT_STREQ(sPasted, L"HaloHalo");
    EXPECT_EQ(LOWORD(dwSelAll), 0);
    EXPECT_EQ(HIWORD(dwSelAll), 8);
    EXPECT_STREQ(sCut, L"HaloHalo");
    EXPECT_STREQ(pField->GetFieldText(), L"Halo"); // cancelled at the end
}

TEST_F(TextFields, ScreenUpOrDownInAnEditableComboCommitsAndOpensTheList)
{
    for (WORD vk : {(WORD)VK_DOWN, (WORD)VK_UP})
    {
        CExtBarTextFieldButton* pCombo = Combo();
        pCombo->SetFieldText(L"", false);
        bool bListOpen = false;
        CString sFieldWhileOpen;
        Script script;
        script.Then(EditAlive)
            .Do([] { TypeTextRaw(L"baru"); })
            .Then([] { return EditShows(L"baru"); })
            .Do([vk] { SendKeysRaw({vk}); })
            .Then([&] { return pCombo->IsListOpen() && CExtPopupMenuWnd::IsMenuTracking(); })
            .Do([&] {
                bListOpen = !EditAlive() && (pCombo->GetStyle() & TBBS_PRESSED) != 0;
                sFieldWhileOpen = pCombo->GetFieldText();
            })
            .Then(MenuSettled) // its opening animation takes no keys
            .Do([] { SendKeysRaw({VK_ESCAPE}); })
            .Then([] { return !CExtPopupMenuWnd::IsMenuTracking(); });
        script.Start();
        Click(pCombo, TextPoint(pCombo));
        EXPECT_FALSE(script.Failed()) << vk;
        EXPECT_TRUE(bListOpen) << vk;
        EXPECT_STREQ(sFieldWhileOpen, L"baru");
        EXPECT_STREQ(pCombo->GetFieldText(), L"baru");
        EXPECT_FALSE(pCombo->IsListOpen());
        EXPECT_EQ(pCombo->GetStyle() & TBBS_PRESSED, 0u);
    }
}

namespace
{
// Kernel and user time of the calling thread, in milliseconds.
double ThreadCpuMilliseconds()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    if (!::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser))
        return 0.0;
    auto ms = [](const FILETIME& ft) {
        return (double)(((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime) / 1e4;
    };
    return ms(ftKernel) + ms(ftUser);
}
} // namespace

TEST_F(TextFields, ScreenAnIdleEditingLoopWaitsForMessagesInsteadOfSpinning)
{
    // Over a fixed idle stretch inside the loop, a loop that waits uses next to nothing of it on the thread's
    // clock (the script's timer ticks: 60 ms with two test runs beside a busy process per CPU, counted in 10 ms
    // steps); one that polls without waiting uses a third of it or more (the rest goes waiting for Wine's
    // server replies).
    const DWORD kIdleMs = 600;
    CExtBarTextFieldButton* pField = Plain();
    DWORD nTick0 = 0;
    double dCpu0 = 0.0, dCpu1 = -1.0;
    Script script;
    script.Then(EditAlive)
        .Do([&] {
            nTick0 = ::GetTickCount();
            dCpu0 = ThreadCpuMilliseconds();
        })
        .Then([&] { return ::GetTickCount() - nTick0 >= kIdleMs; })
        .Do([&] { dCpu1 = ThreadCpuMilliseconds(); })
        .Do([] { SendKeysRaw({VK_ESCAPE}); });
    script.Start();
    Click(pField, TextPoint(pField));
    EXPECT_FALSE(script.Failed());
    EXPECT_FALSE(EditAlive());
    ASSERT_GE(dCpu1, dCpu0);
    EXPECT_LT(dCpu1 - dCpu0, kIdleMs / 5.0);
}
