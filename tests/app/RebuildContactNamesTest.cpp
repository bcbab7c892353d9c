// "Rebuild Nama Kontak" in the running program: a contact match replaces a stored name, a sender or
// recipient that no contact matches keeps its own, and what the rebuild leaves is what exit saves.
#include "ProgramTestSupport.h"
#include "app/Corvane_smsView.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "res/app_ids.h"

#include <vector>

using namespace phonetest;
using programtest::NewSms;

namespace
{
struct RebuildContactNamesTest : programtest::ProgramFixture
{
    RebuildContactNamesTest() : ProgramFixture(L"CorvaneRebuildNamesTest") {}
    void SetUp() override
    {
        ProgramFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(SimPhone::Load("basic"));
        ASSERT_NO_FATAL_FAILURE(Start());
    }
    // Closes the main window as its close box does and ends the application object.
    void Exit()
    {
        ::SendMessageW(frame->GetSafeHwnd(), WM_CLOSE, 0, 0);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
        app->ExitInstance();
        delete app;
        app = nullptr;
    }
    // Sender, then recipient, of each record: "name<number>" joined by "|".
    static std::vector<CString> Names(CCorvane_smsDoc& d)
    {
        std::vector<CString> v;
        CSmsRecordsLock lock(&d);
        for (POSITION pos = d.m_listSms.GetHeadPosition(); pos != nullptr;)
        {
            const CSMS* p = (const CSMS*)d.m_listSms.GetNext(pos);
            v.push_back(p->m_strSenderName + L"<" + p->m_strSenderNumber + L">|" + p->m_strRecipientName + L"<" +
                        p->m_strRecipientNumber + L">");
        }
        return v;
    }
};
} // namespace

TEST_F(RebuildContactNamesTest, ANamedSenderThatNoContactMatchesKeepsItsNameThroughTheRebuildAndTheExit)
{
    doc->AddContact(L"Budi", L"0811111", L"MOB", L"");
    File({NewSms(SMS_FOLDER_INBOX, L"Telkomsel", L"Telkomsel", L"Bonus pulsa", L"01/02/26", L"10:00:00"),
          NewSms(SMS_FOLDER_INBOX, L"Pak Joko", L"+62899999", L"Rapat jam 9", L"01/02/26", L"11:00:00"),
          NewSms(SMS_FOLDER_INBOX, L"0811111", L"+0811111", L"Halo", L"01/02/26", L"12:00:00"),
          NewSms(SMS_FOLDER_SENT, L"Lama;Tono", L"0811111;+62877777", L"Sampai besok", L"01/02/26", L"13:00:00")});
    frame->SendMessage(WM_COMMAND, ID_REBUILD_CONTACT_NAMES);
    const std::vector<CString> expected = {L"Telkomsel<Telkomsel>|<>", L"Pak Joko<+62899999>|<>", L"Budi<+0811111>|<>",
                                           L"<>|Budi;Tono<0811111;+62877777>"};
    EXPECT_EQ(Names(*doc), expected);
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes().back().title, L"Success");

    // Still a received message from "Telkomsel" in the view.
    SelectFolder(SMS_FOLDER_INBOX);
    view->RefreshList();
    int nRow = -1;
    for (int i = 0; i < list->GetItemCount(); ++i)
        if (frame->GetListItemText(i, 4) == L"Bonus pulsa")
            nRow = i;
    ASSERT_GE(nRow, 0);
    list->SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    CString strCaption, strFrom, strSender;
    strFrom.LoadString(IDS_SENDER_FROM);
    view->m_wndSenderCaption.GetWindowText(strCaption);
    view->m_wndSender.GetWindowText(strSender);
    EXPECT_EQ(strCaption, strFrom);
    EXPECT_EQ(strSender, CString(L"Telkomsel"));

    // What exit saves.
    Exit();
    CCorvane_smsDoc saved;
    saved.SetDataFilePath(dataFile);
    ASSERT_TRUE(saved.LoadData());
    EXPECT_EQ(Names(saved), expected);
}

// A mark read and a name the rebuild changed are stored in place: a fetch with nothing new saves them.
TEST_F(RebuildContactNamesTest, AFetchWithNothingNewSavesAReadMarkAndARebuiltName)
{
    ASSERT_TRUE(SimPhone::LoadJson(
        "empty", R"({"extends": "basic", "baud": 0, "memories": {"SM": {"total": 20, "messages": []}}})"));
    auto saved = [&] {
        CCorvane_smsDoc d;
        d.SetDataFilePath(dataFile);
        EXPECT_TRUE(d.LoadData());
        return d.m_listSms.IsEmpty() ? CSMS() : *(const CSMS*)d.m_listSms.GetHead();
    };
    auto fetch = [&] {
        const size_t nCommands = SimPhone::GetState().commands.size();
        frame->PostMessage(WM_COMMAND, ID_RECEIVE_SMS);
        ASSERT_TRUE(
            PumpUntil([&] { return !frame->IsPhoneBusy() && SimPhone::GetState().commands.size() > nCommands; }, 20000))
            << boxes.All();
    };
    doc->AddContact(L"Budi", L"0811111", L"MOB", L"");
    doc->m_listSms.AddTail(NewSms(SMS_FOLDER_INBOX, L"0811111", L"+0811111", L"Halo", L"01/02/26", L"12:00:00", 0));
    ASSERT_TRUE(doc->SaveData());
    File({}); // the row is shown, so read
    ASSERT_EQ(((const CSMS*)doc->m_listSms.GetHead())->m_bRead, 1);
    fetch();
    EXPECT_EQ(saved().m_bRead, 1);
    frame->SendMessage(WM_COMMAND, ID_REBUILD_CONTACT_NAMES);
    fetch();
    EXPECT_EQ(saved().m_strSenderName, CString(L"Budi"));
}
