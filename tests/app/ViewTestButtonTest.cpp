// The main view's hidden "Test" button: a PDU typed into the text entry dialog is decoded, filed
// like a received message and listed.
#include "SettingsTestSupport.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "res/app_ids.h"
#include "res/settings_ids.h"

using namespace settingstest;

namespace
{
struct ViewTestButtonTest : AppFixture
{};

// A status report for +6281234567890 (tests/phone/sim/pdutool.py status_report).
const wchar_t kStatusReport[] = L"0691261801000006050D91261832547698F0504092415000285040924150902800";
} // namespace

TEST_F(ViewTestButtonTest, ATypedStatusReportIsFiledInTheInboxAndListed)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    CCorvane_smsView* pView = app->GetView();
    ASSERT_NE(pView, nullptr);
    HWND hButton = ::GetDlgItem(pView->GetSafeHwnd(), IDC_TEST_PDU);
    ASSERT_NE(hButton, nullptr);
    EXPECT_FALSE(::IsWindowVisible(hButton));
    const int nRows = pFrame->GetListCount();

    // Cancel files nothing.
    ModalScript cancel;
    cancel.Then([&](HWND hDlg) {
        SetItemText(hDlg, IDC_TEXT_INPUT, kStatusReport);
        Click(hDlg, IDCANCEL);
    });
    Click(pView->GetSafeHwnd(), IDC_TEST_PDU);
    EXPECT_EQ(app->GetDoc()->m_listSms.GetCount(), 0);

    ModalScript script;
    CString strTitle;
    script.Then([&](HWND hDlg) {
        strTitle = GetText(hDlg);
        SetItemText(hDlg, IDC_TEXT_INPUT, kStatusReport);
        Click(hDlg, IDOK);
    });
    Click(pView->GetSafeHwnd(), IDC_TEST_PDU);
    EXPECT_EQ(strTitle, L"Add / Edit MyText");
    CCorvane_smsDoc* pDoc = app->GetDoc();
    ASSERT_EQ(pDoc->m_listSms.GetCount(), 1);
    const CSMS* pRecord = (const CSMS*)pDoc->m_listSms.GetHead();
    EXPECT_EQ(pRecord->m_strFolder, L"Inbox");
    EXPECT_FALSE(pRecord->m_strSenderNumber.IsEmpty());
    EXPECT_FALSE(pRecord->m_strText.IsEmpty());
    EXPECT_EQ(pFrame->GetListCount(), nRows + 1);
    // The decoded report was shown.
    EXPECT_FALSE(OtherBoxes().empty());
}
