// "Rubah" on the MyText page when the list holds texts but none is selected: the change works on
// the item the list names as its current one, and when the list names none it does nothing.
#include "SettingsTestSupport.h"
#include "app/DlgMyText.h"
#include "app/DlgSetting.h"
#include "phone/Corvane_smsDoc.h"
#include "res/settings_ids.h"

#include <string>
#include <vector>

using namespace settingstest;
using namespace phonetest;

namespace
{
struct MyTextCurrentItemTest : MyTextFixture
{
    void SetUp() override
    {
        MyTextFixture::SetUp();
        WriteBytes("Beta\r\nAlpha\r\nGamma");
    }
};

// A list box that names no current item, whatever its contents.
WNDPROC g_listProc = nullptr;
LRESULT CALLBACK NoCurrentItemProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == LB_GETCURSEL)
        return LB_ERR;
    return ::CallWindowProcW(g_listProc, hWnd, nMsg, wParam, lParam);
}
} // namespace

TEST_F(MyTextCurrentItemTest, RubahWithNothingSelectedChangesTheItemTheListNamesCurrent)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingMyText);
    CDlgMyText& page = dlg.m_pageMyText;
    ModalScript script;
    LRESULT nCurrent = -2;
    CString strPreset(L"<no dialog>");
    script
        .Then([&](HWND hDlg) {
            HWND hPage = SheetPage(hDlg, 0);
            HWND hList = ::GetDlgItem(hPage, IDC_MYTEXT_LIST);
            ASSERT_EQ(ListItems(hList), (std::vector<CString>{L"Alpha", L"Beta", L"Gamma"}));
            ::SendMessageW(hList, LB_SETSEL, FALSE, -1);
            ASSERT_EQ(::SendMessageW(hList, LB_GETSELCOUNT, 0, 0), 0);
            // An extended-selection list answers the item with the caret here, not LB_ERR.
            nCurrent = ::SendMessageW(hList, LB_GETCURSEL, 0, 0);
            Click(hPage, IDC_MYTEXT_EDIT); // the text entry dialog, if any, is the next step's
            Click(hDlg, IDCANCEL);
        })
        .Then([&](HWND hDlg) {
            strPreset = GetItemText(hDlg, IDC_TEXT_INPUT);
            Click(hDlg, IDCANCEL);
        });
    dlg.DoModal();
    if (nCurrent == LB_ERR)
    {
        // No current item: nothing opened.
        EXPECT_EQ(script.Pending(), 1u);
        EXPECT_EQ(strPreset, L"<no dialog>");
    }
    else
    {
        ASSERT_GE(nCurrent, 0);
        ASSERT_LT(nCurrent, 3);
        EXPECT_EQ(script.Pending(), 0u);
        const wchar_t* sorted[] = {L"Alpha", L"Beta", L"Gamma"};
        EXPECT_EQ(strPreset, sorted[nCurrent]);
    }
    EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Beta", L"Alpha", L"Gamma"}));
}

TEST_F(MyTextCurrentItemTest, RubahOnAListThatNamesNoCurrentItemDoesNothing)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingMyText);
    CDlgMyText& page = dlg.m_pageMyText;
    ModalScript script;
    bool bTextDialog = false;
    std::vector<CString> listAfter;
    script
        .Then([&](HWND hDlg) {
            HWND hPage = SheetPage(hDlg, 0);
            HWND hList = ::GetDlgItem(hPage, IDC_MYTEXT_LIST);
            ASSERT_EQ(ListItems(hList).size(), 3u);
            ::SendMessageW(hList, LB_SETSEL, FALSE, -1);
            g_listProc = (WNDPROC)::SetWindowLongPtrW(hList, GWLP_WNDPROC, (LONG_PTR)&NoCurrentItemProc);
            ASSERT_EQ(::SendMessageW(hList, LB_GETCURSEL, 0, 0), LB_ERR);
            Click(hPage, IDC_MYTEXT_EDIT);
            // The double click on the list runs the same change.
            ::SendMessageW(hPage, WM_COMMAND, MAKEWPARAM(IDC_MYTEXT_LIST, LBN_DBLCLK), (LPARAM)hList);
            ::SetWindowLongPtrW(hList, GWLP_WNDPROC, (LONG_PTR)g_listProc);
            listAfter = ListItems(hList);
            Click(hDlg, IDCANCEL);
        })
        .Then([&](HWND hDlg) {
            bTextDialog = true;
            Click(hDlg, IDCANCEL);
        })
        .Then([&](HWND hDlg) { Click(hDlg, IDCANCEL); });
    dlg.DoModal();
    EXPECT_FALSE(bTextDialog);
    EXPECT_EQ(script.Pending(), 2u);
    EXPECT_EQ(listAfter, (std::vector<CString>{L"Alpha", L"Beta", L"Gamma"}));
    EXPECT_EQ(ArrayItems(page.m_arrText), (std::vector<CString>{L"Beta", L"Alpha", L"Gamma"}));
}
