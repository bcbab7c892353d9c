// Every send path of the running program checks its recipients before the phone, and what the
// compose window saves to the Outbox or the Drafts is in the data file at once.
#include "ProgramTestSupport.h"

#include "app/DlgComposeSms.h"
#include "phone/SmsRecord.h"
#include "res/app_ids.h"

#include <functional>
#include <map>

using namespace phonetest;
using programtest::NewSms;

namespace
{
// Run inside the compose window's modal loop.
std::function<void(CDlgComposeSms&)> g_act;

void CALLBACK OnComposeTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CDlgComposeSms* pDlg = programtest::ShownCompose();
    if (pDlg == nullptr)
        return;
    const HWND hWnd = pDlg->GetSafeHwnd();
    std::function<void(CDlgComposeSms&)> act;
    act.swap(g_act);
    if (act)
        act(*pDlg);
    if (::IsWindow(hWnd) && ::IsWindowVisible(hWnd))
        ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
}

struct SendPathsTest : programtest::ProgramFixture
{
    SendPathsTest() : ProgramFixture(L"CorvaneSendPathsTest") {}
    void SetUp() override
    {
        ProgramFixture::SetUp();
        if (IsSkipped())
            return;
        g_act = nullptr;
        ASSERT_TRUE(SimPhone::Load("basic"));
        ASSERT_NO_FATAL_FAILURE(Start());
        m_nTimer = ::SetTimer(nullptr, 0, 30, &OnComposeTimer);
    }
    void TearDown() override
    {
        if (m_nTimer)
            ::KillTimer(nullptr, m_nTimer);
        g_act = nullptr;
        ProgramFixture::TearDown();
    }
    void Command(UINT nID) { view->SendMessage(WM_COMMAND, nID); }
    // Text to folder of every record the data file on disk holds.
    std::map<CString, CString> SavedFolders()
    {
        std::map<CString, CString> out;
        if (GetFileAttributesW(dataFile) == INVALID_FILE_ATTRIBUTES)
            return out;
        CCorvane_smsDoc saved;
        saved.SetDataFilePath(dataFile);
        if (!saved.LoadData())
            return out;
        for (POSITION pos = saved.m_listSms.GetHeadPosition(); pos;)
        {
            const CSMS* p = (const CSMS*)saved.m_listSms.GetNext(pos);
            out[p->m_strText] = p->m_strFolder;
        }
        return out;
    }
    static int SendCommands()
    {
        int n = 0;
        for (const std::string& c : SimPhone::GetState().commands)
            n += c.rfind("AT+CMGS=", 0) == 0 ? 1 : 0;
        return n;
    }

    UINT_PTR m_nTimer = 0;
};
} // namespace

TEST_F(SendPathsTest, KirimAndKirimLagiRefuseARecipientWithoutADigit)
{
    File({NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"Budi", L"tanpa nomor")}, SMS_FOLDER_OUTBOX);
    ASSERT_EQ(list->GetItemCount(), 1);
    for (UINT nCommand : {(UINT)ID_SMS_SEND_NOW, (UINT)ID_SMS_SEND_AGAIN})
    {
        list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        const size_t nBefore = boxes.Boxes().size();
        Command(nCommand);
        std::vector<MessageBoxLog::Box> b = boxes.Boxes();
        ASSERT_EQ(b.size(), nBefore + 1) << boxes.All();
        EXPECT_EQ(b.back().text, L"Nomor tujuan tidak valid: Budi");
    }
    EXPECT_EQ(SendCommands(), 0);
    ASSERT_EQ(doc->m_listSms.GetCount(), 1);
    EXPECT_EQ(((CSMS*)doc->m_listSms.GetHead())->m_strFolder, L"Outbox");
}

TEST_F(SendPathsTest, KirimSavesTheSentMessageInTheDataFileAtOnce)
{
    File({NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"+62811", L"kirim sekarang")}, SMS_FOLDER_OUTBOX);
    list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    Command(ID_SMS_SEND_NOW);
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u) << boxes.All();
    EXPECT_EQ(SavedFolders()[L"kirim sekarang"], L"Sent");
}

TEST_F(SendPathsTest, SavingToTheOutboxOrTheDraftsWritesTheDataFileAtOnce)
{
    const struct
    {
        UINT nCommand;
        const wchar_t* text;
        const wchar_t* folder;
    } cases[] = {{ID_COMPOSE_SAVE_OUTBOX, L"untuk outbox", L"Outbox"},
                 {ID_COMPOSE_SAVE_DRAFT, L"untuk draf", L"Drafts"}};
    for (const auto& c : cases)
    {
        const UINT nCommand = c.nCommand;
        const CString text = c.text;
        g_act = [nCommand, text](CDlgComposeSms& dlg) {
            dlg.m_wndRecipients.SetWindowText(L"0812345");
            dlg.m_wndText.SetWindowText(text);
            dlg.SendMessage(WM_COMMAND, nCommand);
        };
        Command(ID_SMS_NEW);
        EXPECT_EQ(SavedFolders()[c.text], c.folder) << CStringA(c.text).GetString();
    }
    EXPECT_EQ(SendCommands(), 0);
}
