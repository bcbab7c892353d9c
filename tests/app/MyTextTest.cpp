// The MyText page and the text entry dialog: loading the file, add, change and delete with the
// sorted list and the array in file order, and the file written after "Setting SMS" OK (ANSI
// with line feeds, or UTF-16 when a text needs it; never over a file that could not be read).
#include "SettingsTestSupport.h"
#include "app/Corvane_smsView.h"
#include "app/DlgComposeSms.h"
#include "app/DlgMyText.h"
#include "app/DlgSetting.h"
#include "app/DlgTextInput.h"
#include "app/MainFrm.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_ids.h"
#include "res/settings_ids.h"

#include <string>
#include <vector>

using namespace settingstest;
using namespace phonetest;

namespace
{
struct MyTextTest : MyTextFixture
{};

// Selects exactly these items (by text) of the extended-selection list, the caret on the last.
void SelectItems(HWND hList, std::initializer_list<const wchar_t*> texts)
{
    ::SendMessageW(hList, LB_SETSEL, FALSE, -1);
    for (const wchar_t* text : texts)
    {
        const int i = (int)::SendMessageW(hList, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
        ::SendMessageW(hList, LB_SETSEL, TRUE, i);
        ::SendMessageW(hList, LB_SETCARETINDEX, i, FALSE);
    }
}

// The text entry dialog's step: the text set, then OK (or Cancel with null).
ModalScript::Step Enter(const wchar_t* pszText)
{
    return [pszText](HWND hDlg) {
        if (pszText == nullptr)
        {
            Click(hDlg, IDCANCEL);
            return;
        }
        SetItemText(hDlg, IDC_TEXT_INPUT, pszText);
        Click(hDlg, IDOK);
    };
}
} // namespace

TEST_F(MyTextTest, AddChangeAndDeleteKeepTheSortedListAndTheArrayInStep)
{
    WriteBytes("Beta\r\nAlpha\r\nGamma");
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingMyText);
    CDlgMyText& page = dlg.m_pageMyText;
    HWND hList = nullptr, hPage = nullptr;
    ModalScript script;
    CString strPreset;
    DWORD dwSelStart = 99, dwSelEnd = 99;
    script
        .Then([&](HWND hDlg) {
            hPage = SheetPage(hDlg, 0);
            hList = ::GetDlgItem(hPage, IDC_MYTEXT_LIST);
            EXPECT_EQ(ListItems(hList), (std::vector<CString>{L"Alpha", L"Beta", L"Gamma"}));
            EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Beta", L"Alpha", L"Gamma"}));
            Click(hPage, IDC_MYTEXT_ADD); // runs the next step
            EXPECT_EQ(ListItems(hList), (std::vector<CString>{L"Alpha", L"Beta", L"Delta", L"Gamma"}));
            EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Delta", L"Alpha", L"Beta", L"Gamma"}));
            // A text already listed (case ignored), an empty text and Cancel change nothing.
            Click(hPage, IDC_MYTEXT_ADD);
            Click(hPage, IDC_MYTEXT_ADD);
            Click(hPage, IDC_MYTEXT_ADD);
            EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Delta", L"Alpha", L"Beta", L"Gamma"}));
            EXPECT_EQ(ListItems(hList).size(), 4u);
            // Change "Beta": the entry with that text, at its place in the array.
            SelectItems(hList, {L"Beta"});
            Click(hPage, IDC_MYTEXT_EDIT);
            EXPECT_EQ(ListItems(hList), (std::vector<CString>{L"Alpha", L"Delta", L"Gamma", L"Omega"}));
            EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Delta", L"Alpha", L"Omega", L"Gamma"}));
            // Delete two selected items.
            SelectItems(hList, {L"Alpha", L"Omega"});
            Click(hPage, IDC_MYTEXT_DELETE);
            EXPECT_EQ(ListItems(hList), (std::vector<CString>{L"Delta", L"Gamma"}));
            EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Delta", L"Gamma"}));
            EXPECT_EQ(::SendMessageW(hList, LB_GETSELCOUNT, 0, 0), 1);
            // Delete all: an empty list with nothing selected; "Rubah" then does nothing.
            SelectItems(hList, {L"Delta", L"Gamma"});
            Click(hPage, IDC_MYTEXT_DELETE);
            EXPECT_TRUE(ListItems(hList).empty());
            EXPECT_EQ(page.m_arrText.GetSize(), 0);
            EXPECT_EQ(::SendMessageW(hList, LB_GETSELCOUNT, 0, 0), 0);
            Click(hPage, IDC_MYTEXT_EDIT);
            // Adding to the empty list gives one entry.
            Click(hPage, IDC_MYTEXT_ADD);
            EXPECT_EQ(ListItems(hList), (std::vector<CString>{L"Zeta"}));
            EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Zeta"}));
            Click(hDlg, IDCANCEL);
        })
        .Then(Enter(L"Delta"))
        .Then(Enter(L"alpha"))
        .Then(Enter(L""))
        .Then(Enter(nullptr))
        .Then([&](HWND hDlg) {
            // The change dialog shows the old text with the caret at its start.
            strPreset = GetItemText(hDlg, IDC_TEXT_INPUT);
            ::SendDlgItemMessageW(hDlg, IDC_TEXT_INPUT, EM_GETSEL, (WPARAM)&dwSelStart, (LPARAM)&dwSelEnd);
            EXPECT_EQ(GetText(hDlg), L"Add / Edit MyText");
            EXPECT_EQ(GetItemText(hDlg, IDC_TEXT_CAPTION), L"Teks");
            Enter(L"Omega")(hDlg);
        })
        .Then(Enter(L"Zeta"));
    dlg.DoModal();
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(strPreset, L"Beta");
    EXPECT_EQ(dwSelStart, 0u);
    EXPECT_EQ(dwSelEnd, 0u);
}

TEST_F(MyTextTest, TextEntryDialogTakesItsTitleAndCaptionAndEndsWithTheText)
{
    CDlgTextInput dlg;
    dlg.SetTitle(L"Nomor");
    dlg.SetCaption(L"No.");
    dlg.m_strText = L"0812";
    CString strTitle, strCaption;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        strTitle = GetText(hDlg);
        strCaption = GetItemText(hDlg, IDC_TEXT_CAPTION);
        SetItemText(hDlg, IDC_TEXT_INPUT, L"0812345");
        Click(hDlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(strTitle, L"Nomor");
    EXPECT_EQ(strCaption, L"No.");
    EXPECT_EQ(dlg.m_strText, L"0812345");
    EXPECT_FALSE(dlg.IsSizeGripShown());
}

TEST_F(MyTextTest, SettingSmsOkWritesAnsiWithLineFeedsOrUtf16WhenATextNeedsIt)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    const CString strFile = app->GetDoc()->GetMyTextFilePath();
    ASSERT_EQ(strFile, GetAppFolder() + L"MyText.dat");
    HANDLE h = ::CreateFileW(strFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char kAnsi[] = "Saya sedang rapat\r\nNanti saya telepon\r\nOK";
    DWORD n = 0;
    ::WriteFile(h, kAnsi, sizeof kAnsi - 1, &n, nullptr);
    ::CloseHandle(h);

    ModalScript ok;
    ok.Then([&](HWND hDlg) { Click(hDlg, IDOK); });
    pFrame->SendMessage(WM_COMMAND, ID_SMS_SETTINGS, 0);
    std::vector<unsigned char> bytes = ReadFileBytes(strFile);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "Saya sedang rapat\nNanti saya telepon\nOK");

    // A text outside the code page: UTF-16 little-endian with its mark, read back whole.
    ModalScript add;
    add.Then([&](HWND hDlg) {
           Click(SheetPage(hDlg, 1), IDC_MYTEXT_ADD);
           Click(hDlg, IDOK);
       })
        .Then(Enter(L"\x041F\x0440\x0438\x0432\x0435\x0442 \x2713"));
    pFrame->SendMessage(WM_COMMAND, ID_SMS_SETTINGS, 0);
    bytes = ReadFileBytes(strFile);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    std::vector<CString> lines;
    {
        CUnicodeTextReader reader(strFile);
        CString line;
        while (reader.ReadLine(line))
            lines.push_back(line);
    }
    // The new text first, then the others in the list's sorted order.
    EXPECT_EQ(lines, (std::vector<CString>{L"\x041F\x0440\x0438\x0432\x0435\x0442 \x2713", L"Nanti saya telepon", L"OK",
                                           L"Saya sedang rapat"}));

    // Cancel writes nothing; a file that could not be read is never written over.
    const std::vector<unsigned char> before = ReadFileBytes(strFile);
    ModalScript cancel;
    cancel.Then([&](HWND hDlg) { Click(hDlg, IDCANCEL); });
    pFrame->SendMessage(WM_COMMAND, ID_SMS_SETTINGS, 0);
    EXPECT_EQ(ReadFileBytes(strFile), before);
    HANDLE hHeld = ::CreateFileW(strFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    bool bEmptyList = false;
    ModalScript held;
    held.Then([&](HWND hDlg) {
        bEmptyList = ::SendDlgItemMessageW(SheetPage(hDlg, 1), IDC_MYTEXT_LIST, LB_GETCOUNT, 0, 0) == 0;
        Click(hDlg, IDOK);
    });
    pFrame->SendMessage(WM_COMMAND, ID_SMS_SETTINGS, 0);
    ::CloseHandle(hHeld);
    EXPECT_TRUE(bEmptyList);
    EXPECT_EQ(ReadFileBytes(strFile), before);
}

TEST_F(MyTextTest, AMissingMyTextFileIsFirstWrittenWithTheBuiltInTexts)
{
    ::DeleteFileW(path);
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingMyText);
    ModalScript script;
    script.Then([&](HWND hDlg) { Click(hDlg, IDCANCEL); });
    dlg.DoModal();
    EXPECT_NE(::GetFileAttributesW(path), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(dlg.m_pageMyText.m_arrText.GetSize(), 25);
    EXPECT_TRUE(dlg.m_pageMyText.HoldsList());
}

TEST_F(MyTextTest, EditInTheComposeWindowsTemplateBoxWritesTheListAndRefillsTheBox)
{
    ASSERT_TRUE(Start());
    CCorvane_smsView* pView = app->GetView();
    ASSERT_NE(pView, nullptr);
    const CString strFile = app->GetDoc()->GetMyTextFilePath();
    HANDLE h = ::CreateFileW(strFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char kAnsi[] = "Beta\r\nAlpha";
    DWORD n = 0;
    ::WriteFile(h, kAnsi, sizeof kAnsi - 1, &n, nullptr);
    ::CloseHandle(h);

    std::vector<CString> before, after, afterCancel;
    auto items = [](HWND hCombo) {
        std::vector<CString> texts;
        const int count = (int)::SendMessageW(hCombo, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i)
        {
            wchar_t text[128] = {};
            ::SendMessageW(hCombo, CB_GETLBTEXT, i, (LPARAM)text);
            texts.push_back(text);
        }
        return texts;
    };
    auto pickEdit = [](HWND hDlg, HWND hCombo) {
        ::SendMessageW(hCombo, CB_SETCURSEL, ::SendMessageW(hCombo, CB_GETCOUNT, 0, 0) - 1, 0);
        ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hCombo), CBN_SELENDOK), (LPARAM)hCombo);
    };
    int nSheetPages = -1;
    ModalScript script;
    script
        .Then([&](HWND hCompose) {
            auto* pCompose = dynamic_cast<CDlgComposeSms*>(CWnd::FromHandlePermanent(hCompose));
            ASSERT_NE(pCompose, nullptr);
            HWND hCombo = pCompose->m_wndTemplates.GetSafeHwnd();
            before = items(hCombo);
            pickEdit(hCompose, hCombo); // the sheet: the next steps
            after = items(hCombo);
            pickEdit(hCompose, hCombo); // the sheet cancelled
            afterCancel = items(hCombo);
            Click(hCompose, IDCANCEL);
        })
        .Then([&](HWND hSheet) {
            nSheetPages = ::GetDlgItem(::GetDlgItem(hSheet, 1005), 258) == nullptr ? 1 : 2;
            Click(SheetPage(hSheet, 0), IDC_MYTEXT_ADD);
            Click(hSheet, IDOK);
        })
        .Then(Enter(L"Gamma"))
        .Then([&](HWND hSheet) {
            Click(SheetPage(hSheet, 0), IDC_MYTEXT_ADD);
            Click(hSheet, IDCANCEL);
        })
        .Then(Enter(L"Delta"));
    pView->SendMessage(WM_COMMAND, ID_SMS_NEW, 0);
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(nSheetPages, 1); // the MyText page only
    EXPECT_EQ(before, (std::vector<CString>{L"My Text", L"Alpha", L"Beta", L"Edit..."}));
    EXPECT_EQ(after, (std::vector<CString>{L"My Text", L"Alpha", L"Beta", L"Gamma", L"Edit..."}));
    EXPECT_EQ(afterCancel, after);
    const std::vector<unsigned char> bytes = ReadFileBytes(strFile);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "Gamma\nAlpha\nBeta");
}
