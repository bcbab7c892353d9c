// The view's compose commands in the running program: which command opens the compose window in
// which mode with which source and flags, the commands that do nothing on the wrong folder or
// without a row, and an edited draft saved from the window through the row's own record.
#include "ProgramTestSupport.h"

#include "app/DlgComposeSms.h"
#include "phone/AppSettings.h"
#include "phone/StoreHelpers.h"
#include "res/app_ids.h"

#include <functional>
#include <vector>

using namespace phonetest;
using programtest::NewSms;

namespace
{
// What a compose window looked like when it ran.
struct Seen
{
    CString mode, recipients, text;
    bool hasSource = false;
    int quote = -1, withSender = -1, signature = -1;
};

std::vector<Seen> g_seen;
// Run inside the window's modal loop before it is closed; may end it itself.
std::function<void(CDlgComposeSms&)> g_act;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CDlgComposeSms* pDlg = programtest::ShownCompose();
    if (pDlg == nullptr)
        return;
    const HWND hWnd = pDlg->GetSafeHwnd();
    Seen s;
    s.mode = pDlg->m_strMode;
    pDlg->m_wndRecipients.GetWindowText(s.recipients);
    pDlg->m_wndText.GetWindowText(s.text);
    s.hasSource = pDlg->m_pSource != nullptr;
    s.quote = pDlg->m_bQuote;
    s.withSender = pDlg->m_bWithSender;
    s.signature = pDlg->m_bSignature;
    g_seen.push_back(s);
    if (g_act)
        g_act(*pDlg);
    if (::IsWindow(hWnd) && ::IsWindowVisible(hWnd))
        ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
}

struct ComposeViewTest : programtest::ProgramFixture
{
    ComposeViewTest() : ProgramFixture(L"CorvaneComposeViewTest") {}
    void SetUp() override
    {
        ProgramFixture::SetUp();
        if (IsSkipped())
            return;
        g_seen.clear();
        g_act = nullptr;
        ASSERT_NO_FATAL_FAILURE(Start());
        m_nTimer = ::SetTimer(nullptr, 0, 30, &OnTimer);
    }
    void TearDown() override
    {
        if (m_nTimer)
            ::KillTimer(nullptr, m_nTimer);
        g_act = nullptr;
        ProgramFixture::TearDown();
    }
    void SelectRows(std::vector<int> rows)
    {
        list->SetItemState(-1, 0, LVIS_SELECTED);
        for (int i : rows)
            list->SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    void Command(UINT nID) { view->SendMessage(WM_COMMAND, nID); }
    void Message(UINT nMessage) { view->SendMessage(nMessage); }

    UINT_PTR m_nTimer = 0;
};
} // namespace

TEST_F(ComposeViewTest, NewReplyAndForwardOpenTheWindowWithTheirModesAndFlags)
{
    {
        CAppSettings settings;
        settings.SetSignature(L"salam");
        settings.SetIsQuoteSms(1);
        settings.SetIsShowSenderForwardSms(1);
    }
    File({NewSms(SMS_FOLDER_INBOX, L"Ani", L"+62811", L"apa kabar")}, SMS_FOLDER_INBOX);
    ASSERT_EQ(list->GetItemCount(), 1);
    SelectRows({0});

    Command(ID_SMS_NEW);
    Message(WM_VIEW_REPLY);
    Command(ID_SMS_FORWARD);
    Command(ID_REPLY_QUOTE);
    Command(ID_FORWARD_WITH_SENDER);
    ASSERT_EQ(g_seen.size(), 5u);
    EXPECT_EQ(g_seen[0].mode, L"Baru");
    EXPECT_FALSE(g_seen[0].hasSource);
    EXPECT_EQ(g_seen[0].signature, 1);
    EXPECT_EQ(g_seen[0].text, L"\r\nsalam");
    EXPECT_EQ(g_seen[1].mode, L"Reply");
    EXPECT_EQ(g_seen[1].recipients, L"Ani<62811>");
    EXPECT_EQ(g_seen[1].quote, 1);
    EXPECT_EQ(g_seen[1].withSender, 1);
    EXPECT_EQ(g_seen[1].text, L"\r\nsalam\r\nQuote: apa kabar");
    EXPECT_EQ(g_seen[2].mode, L"Forward");
    EXPECT_EQ(g_seen[2].text, L"From: Ani>apa kabar\r\nsalam");
    EXPECT_EQ(g_seen[3].mode, L"Reply");
    EXPECT_EQ(g_seen[3].quote, 1);
    EXPECT_EQ(g_seen[3].withSender, 0);
    EXPECT_EQ(g_seen[4].mode, L"Forward");
    EXPECT_EQ(g_seen[4].quote, 0);
    EXPECT_EQ(g_seen[4].withSender, 1);
}

TEST_F(ComposeViewTest, RowCommandsOnTheWrongFolderOrRowCountDoNothing)
{
    File({NewSms(SMS_FOLDER_SENT, L"Budi", L"0811", L"terkirim", L"07/12/26", L"10:00:00"),
          NewSms(SMS_FOLDER_SENT, L"Citra", L"0812", L"juga", L"07/12/26", L"10:00:01")},
         SMS_FOLDER_SENT);
    ASSERT_EQ(list->GetItemCount(), 2);
    SelectRows({0});
    // Reply needs the Inbox.
    Command(ID_SMS_REPLY);
    Message(WM_VIEW_REPLY);
    Command(ID_REPLY_QUOTE);
    EXPECT_TRUE(g_seen.empty());
    // No row: nothing runs.
    SelectRows({});
    Command(ID_SMS_FORWARD);
    Command(ID_SMS_RECOMPOSE);
    Message(WM_VIEW_RECOMPOSE);
    Command(ID_FORWARD_WITH_SENDER);
    Message(WM_VIEW_EDIT);
    EXPECT_TRUE(g_seen.empty());
    // "Rubah" on the selected row, never with the signature.
    {
        CAppSettings settings;
        settings.SetSignature(L"salam");
    }
    SelectRows({0});
    Message(WM_VIEW_EDIT);
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].mode, L"RubahDraft");
    EXPECT_EQ(g_seen[0].signature, 0);
    EXPECT_TRUE(g_seen[0].hasSource);
    // One row: re-compose to its recipients.
    SelectRows({1});
    Command(ID_SMS_RECOMPOSE);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[1].mode, L"ReCompose");
    CSMS row;
    ASSERT_TRUE(list->GetSmsAt(1, row));
    EXPECT_EQ(g_seen[1].recipients, row.m_strRecipientName + L"<" + row.m_strRecipientNumber + L">");
}

TEST_F(ComposeViewTest, AnEditedDraftSavedFromTheWindowReplacesItsOwnRecord)
{
    // Two drafts of the same time on other days: the row's back-pointer picks the right one.
    CSMS* pOther = NewSms(SMS_FOLDER_DRAFTS, L"0811", L"0811", L"draf satu");
    pOther->m_strDay = L"06";
    File({pOther, NewSms(SMS_FOLDER_DRAFTS, L"0811", L"0811", L"draf dua")}, SMS_FOLDER_DRAFTS);
    ASSERT_EQ(list->GetItemCount(), 2);
    int nRow = -1;
    for (int i = 0; i < list->GetItemCount(); ++i)
        if (list->GetItemText(i, CSmsListCtrl::kColumnText) == L"draf dua")
            nRow = i;
    ASSERT_GE(nRow, 0);
    SelectRows({nRow});
    g_act = [](CDlgComposeSms& dlg) {
        dlg.m_wndText.SetWindowText(L"draf dua diubah");
        dlg.SendMessage(WM_COMMAND, ID_COMPOSE_SAVE_DRAFT);
    };
    Command(ID_SMS_EDIT);
    ASSERT_EQ(g_seen.size(), 1u);
    std::vector<CString> texts;
    for (POSITION pos = doc->m_listSms.GetHeadPosition(); pos;)
        texts.push_back(((CSMS*)doc->m_listSms.GetNext(pos))->m_strText);
    EXPECT_EQ(texts, (std::vector<CString>{L"draf satu", L"draf dua diubah"}));
    // The list shows the folder again.
    std::vector<CString> shown;
    for (int i = 0; i < list->GetItemCount(); ++i)
        shown.push_back(list->GetItemText(i, CSmsListCtrl::kColumnText));
    EXPECT_NE(std::find(shown.begin(), shown.end(), CString(L"draf dua diubah")), shown.end());
}

TEST_F(ComposeViewTest, KirimAndTheOutboxJobSendAStoredMessageThroughTheSameEngine)
{
    ASSERT_TRUE(SimPhone::Load("basic"));
    app->WriteProfileInt(L"Settings", L"isSaveToSent", 1);
    File({NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"+62811", L"kirim sekarang")}, SMS_FOLDER_OUTBOX);
    ASSERT_EQ(list->GetItemCount(), 1);
    SelectRows({0});
    Command(ID_SMS_SEND_NOW);
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u) << boxes.All();
    ASSERT_EQ(doc->m_listSms.GetCount(), 1);
    const CSMS* pMoved = (CSMS*)doc->m_listSms.GetHead();
    EXPECT_EQ(pMoved->m_strFolder, L"Sent");
    EXPECT_EQ(pMoved->m_strRecipientNumber, L"62811");
    EXPECT_EQ(list->GetItemCount(), 0); // the Outbox shown again, now empty

    // Without "isSaveToSent" the Outbox job's send removes the message.
    app->WriteProfileInt(L"Settings", L"isSaveToSent", 0);
    doc->m_listSms.AddTail(NewSms(SMS_FOLDER_OUTBOX, L"Ani", L"0812", L"dari job"));
    Command(ID_SEND_SMS);
    ASSERT_TRUE(PumpUntil([&] { return SimPhone::GetState().sent.size() == 2u && !frame->IsPhoneBusy(); }, 20000))
        << boxes.All();
    ASSERT_TRUE(PumpUntil([&] { return doc->m_listSms.GetCount() == 1; }, 5000));
    EXPECT_EQ(((CSMS*)doc->m_listSms.GetHead())->m_strText, L"kirim sekarang");
}
