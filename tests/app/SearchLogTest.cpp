// The search dialog's fields and the SMS log dialog's text, caret and layout.
#include "app/DlgSearch.h"
#include "app/DlgSmsLog.h"
#include "phone/StoreTestSupport.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_tools_ids.h"

#include <gtest/gtest.h>

using storetest::ScratchDir;

TEST(SearchLogTest, TheSearchDialogOffersThreeFieldsAndStartsAtTheText)
{
    CDlgSearch dlg;
    ASSERT_TRUE(dlg.Create(IDD_SEARCH_SMS, nullptr));
    CString title;
    dlg.GetWindowText(title);
    EXPECT_EQ(title, L"Pencarian");
    ASSERT_EQ(dlg.m_wndType.GetCount(), 3);
    CString item;
    const wchar_t* const names[] = {L"Dari/Ke", L"Pesan", L"No Hp"};
    for (int i = 0; i < 3; ++i)
    {
        dlg.m_wndType.GetLBText(i, item);
        EXPECT_EQ(item, names[i]);
    }
    EXPECT_EQ(dlg.m_wndType.GetCurSel(), 1);
    EXPECT_EQ(dlg.m_nField, CDlgSearch::kFieldText);
    // Choosing "No Hp" and typing a text; "Cari" ends the dialog with them.
    dlg.m_wndType.SetCurSel(2);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEARCH_TYPE, CBN_SELENDOK), (LPARAM)dlg.m_wndType.GetSafeHwnd());
    EXPECT_EQ(dlg.m_nField, CDlgSearch::kFieldNumber);
    dlg.m_wndText.SetWindowText(L"0812");
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(dlg.m_nModalResult, IDOK);
    EXPECT_EQ(dlg.m_strSearch, L"0812");
    dlg.DestroyWindow();
}

TEST(SearchLogTest, TheLogDialogShowsTheFileInOrderFromTheTopAndFillsItsClientArea)
{
    ScratchDir dir;
    {
        CUnicodeTextWriter writer(dir.Path(L"log.txt"), TEXTFILE_ASCII);
        for (int i = 1; i <= 200; ++i)
        {
            CString line;
            line.Format(L"baris %d\r\n", i);
            writer.WriteLine(line);
        }
    }
    CDlgSmsLog dlg;
    dlg.SetLogPath(dir.Path(L"log.txt"));
    ASSERT_TRUE(dlg.Create(IDD_SMS_LOG, nullptr));
    CString text;
    dlg.m_wndText.GetWindowText(text);
    EXPECT_EQ(text.Left(18), L"baris 1\r\nbaris 2\r\n");
    EXPECT_EQ(text.Right(11), L"baris 200\r\n");
    EXPECT_EQ(dlg.m_wndText.SendMessage(EM_GETFIRSTVISIBLELINE), 0);
    int nStart = -1, nEnd = -1;
    dlg.m_wndText.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 0);
    CRect rcClient, rcEdit;
    dlg.GetClientRect(&rcClient);
    dlg.m_wndText.GetWindowRect(&rcEdit);
    dlg.ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, rcClient);
    const LONG style = ::GetWindowLongW(dlg.m_wndText.GetSafeHwnd(), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_VSCROLL);
    // The edit follows the dialog's size.
    dlg.SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    dlg.GetClientRect(&rcClient);
    dlg.m_wndText.GetWindowRect(&rcEdit);
    dlg.ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, rcClient);
    dlg.DestroyWindow();

    CDlgSmsLog empty;
    empty.SetLogPath(dir.Path(L"missing.txt"));
    ASSERT_TRUE(empty.Create(IDD_SMS_LOG, nullptr));
    empty.m_wndText.GetWindowText(text);
    EXPECT_TRUE(text.IsEmpty());
    empty.DestroyWindow();
}
