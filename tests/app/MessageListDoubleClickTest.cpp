// A real double click on a row of the message list in the running program: the row is selected
// and, by the shown folder, the compose window opens to reply, to re-compose or to edit the row's
// message; in the empty part of the list nothing opens.
#include "ProgramTestSupport.h"
#include "tests/support/InputScript.h"

#include "app/DlgComposeSms.h"

#include <vector>

using namespace phonetest;
using programtest::NewSms;

namespace
{
// What the compose window showed when it ran.
struct Seen
{
    CString mode, recipients, text;
    bool hasSource = false;
};
std::vector<Seen> g_seen;

// Records the compose window once it shows and cancels it.
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
    g_seen.push_back(s);
    ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
}

struct MessageListDoubleClickTest : programtest::ProgramFixture
{
    MessageListDoubleClickTest() : ProgramFixture(L"CorvaneDoubleClickTest") {}
    void SetUp() override
    {
        ProgramFixture::SetUp();
        if (IsSkipped())
            return;
        g_seen.clear();
        ASSERT_NO_FATAL_FAILURE(Start());
        ::SetForegroundWindow(frame->GetSafeHwnd());
        m_nTimer = ::SetTimer(nullptr, 0, 30, &OnTimer);
    }
    void TearDown() override
    {
        if (m_nTimer)
            ::KillTimer(nullptr, m_nTimer);
        ProgramFixture::TearDown();
    }
    // Two presses of the left button at the point of the list's client area, through the
    // system's input queue; then waits until they and what they posted are handled, and (bOpens) until
    // the compose window they open was seen and is closed.
    void DoubleClick(CPoint pt, bool bOpens = true)
    {
        const size_t nSeen = g_seen.size();
        list->ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        INPUT in[4] = {};
        for (INPUT& i : in)
            i.type = INPUT_MOUSE;
        in[0].mi.dwFlags = in[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].mi.dwFlags = in[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(4, in, sizeof(INPUT));
        EXPECT_TRUE(PumpUntilInputHandled());
        EXPECT_TRUE(PumpUntilPostedHandled());
        if (bOpens)
        {
            EXPECT_TRUE(PumpUntil([&] { return g_seen.size() > nSeen && programtest::ShownCompose() == nullptr; },
                                  kInputWaitMs))
                << "no compose window came and went";
        }
    }
    CPoint RowPoint(int nRow)
    {
        CRect rc;
        list->GetItemRect(nRow, &rc, LVIR_BOUNDS);
        return CPoint(rc.left + 40, rc.CenterPoint().y);
    }
    int Selected() { return list->GetNextItem(-1, LVNI_SELECTED); }
    int RowOf(const wchar_t* pszText)
    {
        for (int i = 0; i < list->GetItemCount(); ++i)
            if (list->GetItemText(i, CSmsListCtrl::kColumnText) == pszText)
                return i;
        return -1;
    }

    UINT_PTR m_nTimer = 0;
};
} // namespace

TEST_F(MessageListDoubleClickTest, InTheInboxADoubleClickOnARowRepliesToItsSender)
{
    File({NewSms(SMS_FOLDER_INBOX, L"Ani", L"+62811", L"apa kabar", L"07/12/26", L"10:00:00"),
          NewSms(SMS_FOLDER_INBOX, L"Budi", L"0812", L"rapat jam tiga", L"07/12/26", L"11:00:00")},
         SMS_FOLDER_INBOX);
    ASSERT_EQ(list->GetItemCount(), 2);
    const int nBudi = RowOf(L"rapat jam tiga");
    ASSERT_GE(nBudi, 0);
    list->SetItemState(1 - nBudi, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    DoubleClick(RowPoint(nBudi));
    ASSERT_EQ(g_seen.size(), 1u) << boxes.All();
    EXPECT_EQ(g_seen[0].mode, L"Reply");
    EXPECT_EQ(g_seen[0].recipients, L"Budi<0812>");
    EXPECT_TRUE(g_seen[0].hasSource);
    // The clicked row is the selected one.
    EXPECT_EQ(Selected(), nBudi);
    EXPECT_EQ(list->GetSelectedCount(), 1u);
}

TEST_F(MessageListDoubleClickTest, InSentADoubleClickRecomposesAndInDraftsAndOutboxItEdits)
{
    File({NewSms(SMS_FOLDER_SENT, L"Citra", L"0813", L"sudah terkirim")}, SMS_FOLDER_SENT);
    ASSERT_EQ(list->GetItemCount(), 1);
    DoubleClick(RowPoint(0));
    ASSERT_EQ(g_seen.size(), 1u) << boxes.All();
    EXPECT_EQ(g_seen[0].mode, L"ReCompose");
    EXPECT_EQ(g_seen[0].recipients, L"Citra<0813>");
    EXPECT_TRUE(g_seen[0].hasSource);

    File({NewSms(SMS_FOLDER_DRAFTS, L"Dodi", L"0814", L"draf untuk dodi")}, SMS_FOLDER_DRAFTS);
    ASSERT_EQ(list->GetItemCount(), 1);
    DoubleClick(RowPoint(0));
    ASSERT_EQ(g_seen.size(), 2u) << boxes.All();
    EXPECT_EQ(g_seen[1].mode, L"RubahDraft");
    EXPECT_EQ(g_seen[1].text, L"draf untuk dodi");
    EXPECT_TRUE(g_seen[1].hasSource);

    File({NewSms(SMS_FOLDER_OUTBOX, L"Eka", L"0815", L"antre di outbox")}, SMS_FOLDER_OUTBOX);
    ASSERT_EQ(list->GetItemCount(), 1);
    DoubleClick(RowPoint(0));
    ASSERT_EQ(g_seen.size(), 3u) << boxes.All();
    EXPECT_EQ(g_seen[2].mode, L"RubahDraft");
    EXPECT_EQ(g_seen[2].text, L"antre di outbox");
}

TEST_F(MessageListDoubleClickTest, ADoubleClickBelowTheRowsOpensNothing)
{
    File({NewSms(SMS_FOLDER_INBOX, L"Ani", L"+62811", L"apa kabar")}, SMS_FOLDER_INBOX);
    ASSERT_EQ(list->GetItemCount(), 1);
    list->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    CRect rcRow, rcClient;
    list->GetItemRect(0, &rcRow, LVIR_BOUNDS);
    list->GetClientRect(&rcClient);
    ASSERT_GT(rcClient.bottom - rcRow.bottom, 20);
    DoubleClick(CPoint(rcRow.left + 40, rcClient.bottom - 8), false);
    // Nothing was posted to the view: no compose window ran.
    EXPECT_TRUE(g_seen.empty());
    // And on the row itself the same input opens the reply.
    DoubleClick(RowPoint(0));
    EXPECT_EQ(g_seen.size(), 1u);
}
