// The view's compose commands in the running program: which command opens the compose window in
// which mode with which source and flags, the commands that do nothing on the wrong folder or
// without a row, and an edited draft saved from the window through the row's own record.
#include "phone/PhoneLinkTestSupport.h"

#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/DlgComposeSms.h"
#include "app/FolderTreeCtrl.h"
#include "app/MainFrm.h"
#include "app/SmsListCtrl.h"
#include "phone/AppSettings.h"
#include "phone/StoreHelpers.h"
#include "res/app_ids.h"

#include <functional>
#include <vector>

using namespace phonetest;

namespace
{
const wchar_t kAppName[] = L"CorvaneComposeViewTest";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneComposeViewTest";

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

HWND FindCompose()
{
    HWND hWnd = ::FindWindowW(nullptr, L"Tulis SMS");
    return hWnd != nullptr && ::IsWindowVisible(hWnd) ? hWnd : nullptr;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hWnd = FindCompose();
    CDlgComposeSms* pDlg = hWnd ? dynamic_cast<CDlgComposeSms*>(CWnd::FromHandlePermanent(hWnd)) : nullptr;
    if (pDlg == nullptr)
        return;
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

CSMS* NewSms(const wchar_t* folder, const wchar_t* name, const wchar_t* number, const wchar_t* text,
             const wchar_t* time = L"10:00:00")
{
    CSMS* p = new CSMS;
    p->m_strFolder = folder;
    if (wcscmp(folder, SMS_FOLDER_INBOX) == 0)
    {
        p->m_strSenderName = name;
        p->m_strSenderNumber = number;
    }
    else
    {
        p->m_strRecipientName = name;
        p->m_strRecipientNumber = number;
    }
    p->m_strText = text;
    p->m_strDay = L"07", p->m_strMonth = L"12", p->m_strYear = L"26";
    CString t(time);
    p->m_strHour = t.Mid(0, 2);
    p->m_strMinute = t.Mid(3, 2);
    p->m_strSecond = t.Mid(6, 2);
    p->m_bRead = 1;
    return p;
}

struct ComposeViewTest : ::testing::Test
{
    void SetUp() override
    {
        REQUIRE_SIM();
        g_seen.clear();
        g_act = nullptr;
        app = new CCorvane_smsApp;
        free((void*)app->m_pszAppName);
        app->m_pszAppName = _wcsdup(kAppName);
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
        app->SetRegistryKey(L"Corvane");
        app->WriteProfileString(L"Settings", L"Connection", SimPhone::PortName());
        app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
        app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
        dataFile = GetAppFolder() + CORVANE_DATA_FILE_NAME;
        DeleteFileW(dataFile);
        ASSERT_TRUE(app->InitInstance()) << boxes.All();
        frame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        view = app->GetView();
        list = frame->GetSmsListCtrl();
        tree = frame->GetFolderTree();
        doc = app->GetDoc();
        m_nTimer = ::SetTimer(nullptr, 0, 30, &OnTimer);
    }
    void TearDown() override
    {
        if (m_nTimer)
            ::KillTimer(nullptr, m_nTimer);
        g_act = nullptr;
        if (app && app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        delete app;
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
        DeleteFileW(dataFile);
    }
    void File(std::vector<CSMS*> records, const wchar_t* folder)
    {
        for (CSMS* p : records)
            doc->m_listSms.AddTail(p);
        for (HTREEITEM h = tree->GetRootItem(); h; h = tree->GetNextSiblingItem(h))
            if (tree->GetItemText(h) == folder)
                tree->SelectItem(h);
        view->RefreshList();
    }
    void SelectRows(std::vector<int> rows)
    {
        list->SetItemState(-1, 0, LVIS_SELECTED);
        for (int i : rows)
            list->SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    void Command(UINT nID) { view->SendMessage(WM_COMMAND, nID); }
    void Message(UINT nMessage) { view->SendMessage(nMessage); }

    CCorvane_smsApp* app = nullptr;
    CMainFrame* frame = nullptr;
    CCorvane_smsView* view = nullptr;
    CSmsListCtrl* list = nullptr;
    CFolderTreeCtrl* tree = nullptr;
    CCorvane_smsDoc* doc = nullptr;
    CString dataFile;
    MessageBoxLog boxes;
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
    File({NewSms(SMS_FOLDER_SENT, L"Budi", L"0811", L"terkirim", L"10:00:00"),
          NewSms(SMS_FOLDER_SENT, L"Citra", L"0812", L"juga", L"10:00:01")},
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
