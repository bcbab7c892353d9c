// The message list, the folder tree and the view's folder display in the running program: the
// texts the list answers, sorting by real header clicks, searching, deleting (the row's own
// record, also across the exit save), reading, copying numbers and the keyboard.
#include "ProgramTestSupport.h"
#include "app/SplashScreenEx.h"
#include "phone/PhoneUse.h"
#include "res/app_ids.h"
#include "tests/support/InputScript.h"
#include "tests/support/MessageBoxCapture.h"

#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

#include <algorithm>
#include <vector>

using namespace phonetest;

namespace
{
// The list's records come unread unless a test says otherwise, as fetched messages do.
CSMS* NewSms(const wchar_t* folder, const wchar_t* name, const wchar_t* number, const wchar_t* text,
             const wchar_t* date = L"07/12/26", const wchar_t* time = L"10:00:00", int read = 0)
{
    return programtest::NewSms(folder, name, number, text, date, time, read);
}

// A click in the rectangle; each next click lands 12 pixels to the other side, so that two in a
// row are two clicks, not a double click. It returns once the window has handled it.
void Click(HWND hWnd, const CRect& rcClient)
{
    static int s_nSide = 1;
    s_nSide = -s_nSide;
    CPoint pt = rcClient.CenterPoint();
    pt.x += s_nSide * 6;
    ::ClientToScreen(hWnd, &pt);
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    });
}

// A press and release of the key; it returns once the focus window has handled them.
void Key(WORD vk)
{
    RunInputScript([&] {
        SendKeyInput(vk, true);
        SendKeyInput(vk, false);
    });
}

struct MessageListTest : programtest::ProgramFixture
{
    MessageListTest() : ProgramFixture(L"CorvaneMessageListTest") {}
    void Start()
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFixture::Start());
        ::SetForegroundWindow(frame->GetSafeHwnd());
    }
    // File New again, as the next start: the document loads what the exit saved.
    void Restart()
    {
        app->OnFileNew();
        frame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        view = app->GetView();
        list = frame->GetSmsListCtrl();
        tree = frame->GetFolderTree();
        doc = app->GetDoc();
    }
    void Close()
    {
        ::SendMessageW(frame->GetSafeHwnd(), WM_CLOSE, 0, 0);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
        frame = nullptr;
    }
    CString Text(int nID)
    {
        wchar_t buf[512] = {};
        ::GetDlgItemTextW(view->GetSafeHwnd(), nID, buf, 512);
        return buf;
    }
    bool Shown(int nID) { return ::IsWindowVisible(::GetDlgItem(view->GetSafeHwnd(), nID)) != FALSE; }
    std::vector<CString> Column(int nColumn)
    {
        std::vector<CString> v;
        for (int i = 0; i < list->GetItemCount(); ++i)
            v.push_back(list->GetItemText(i, nColumn));
        return v;
    }
    int Selected() { return list->GetNextItem(-1, LVNI_SELECTED); }
    void ClickHeader(int nColumn)
    {
        CHeaderCtrl* pHeader = list->GetHeaderCtrl();
        CRect rc;
        pHeader->GetItemRect(nColumn, &rc);
        Click(pHeader->GetSafeHwnd(), rc);
    }
    int HeaderImage(int nColumn)
    {
        HDITEMW hdi = {};
        hdi.mask = HDI_FORMAT | HDI_IMAGE;
        list->GetHeaderCtrl()->GetItem(nColumn, &hdi);
        if (!(hdi.fmt & HDF_IMAGE))
            return -1;
        EXPECT_TRUE(hdi.fmt & HDF_BITMAP_ON_RIGHT);
        return hdi.iImage;
    }
};
} // namespace

// An empty start: the Inbox selected with "Dari", counts 0, the sender field hidden; the stored
// column widths and sort state are the defaults and are written back at exit.
TEST_F(MessageListTest, AnEmptyStartShowsTheEmptyInboxWithTheDefaultLayout)
{
    Start();
    EXPECT_EQ(tree->GetSelectedFolder(), L"Inbox");
    EXPECT_EQ(view->GetSelectedFolder(), L"Inbox");
    LVCOLUMNW col = {};
    wchar_t title[32] = {};
    col.mask = LVCF_TEXT;
    col.pszText = title;
    col.cchTextMax = 32;
    list->GetColumn(3, &col);
    EXPECT_STREQ(title, L"Dari");
    EXPECT_EQ(Text(IDC_COUNT_TOTAL), L"0");
    EXPECT_EQ(Text(IDC_COUNT_NEW), L"0");
    EXPECT_FALSE(Shown(IDC_SENDER_CAPTION));
    EXPECT_FALSE(Shown(IDC_SENDER));
    EXPECT_EQ(Selected(), -1);
    const int widths[] = {20, 60, 50, 85, 300};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list->GetColumnWidth(i), widths[i]) << i;
    EXPECT_EQ(list->GetSortState(), 1);
    EXPECT_EQ(list->GetExtendedStyle() & LVS_EX_FULLROWSELECT, (DWORD)LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(list->GetStyle() & LVS_OWNERDATA);
    list->SetColumnWidth(4, 222);
    Close();
    EXPECT_EQ(app->GetProfileInt(L"Settings", L"colIsi", 0), 222);
    EXPECT_EQ(app->GetProfileInt(L"Settings", L"SortListSms", 0), 1);
}

// A new list takes its columns at the widths given; its header is laid out for its creation and its first
// size, not again for each column, image list and style set up.
TEST_F(MessageListTest, ANewListTakesItsColumnWidthsWithoutALayoutPerChange)
{
    Start();
    static int s_nLayouts = 0;
    static HHOOK s_hHook = nullptr;
    s_nLayouts = 0;
    s_hHook = ::SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int nCode, WPARAM wParam, LPARAM lParam) -> LRESULT {
            s_nLayouts += nCode == HC_ACTION && ((const CWPSTRUCT*)lParam)->message == HDM_LAYOUT;
            return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
        },
        nullptr, ::GetCurrentThreadId());
    CSmsListCtrl probe;
    const int widths[CSmsListCtrl::kColumnCount] = {21, 61, 51, 86, 222};
    const BOOL bCreated = probe.CreateList(frame, 0x7F00, widths);
    ::UnhookWindowsHookEx(s_hHook);
    ASSERT_TRUE(bCreated);
    for (int i = 0; i < CSmsListCtrl::kColumnCount; ++i)
        EXPECT_EQ(probe.GetColumnWidth(i), widths[i]) << i;
    EXPECT_LE(s_nLayouts, 2 * CSmsListCtrl::kColumnCount) << "header layouts";
}

// The folder tree: four items with their images; "Sent" shows "Ke"; selecting the selected item
// again changes nothing; its client area is its window deflated by one pixel.
TEST_F(MessageListTest, TheFolderTreeListsTheFoldersAndShowsTheSelectedOne)
{
    Start();
    std::vector<CString> names;
    int n = 0;
    for (HTREEITEM h = tree->GetRootItem(); h; h = tree->GetNextSiblingItem(h), ++n)
    {
        names.push_back(tree->GetItemText(h));
        int nImage = -1, nSelected = -1;
        tree->GetItemImage(h, nImage, nSelected);
        EXPECT_EQ(nImage, n);
        EXPECT_EQ(nSelected, n);
    }
    EXPECT_EQ(names, (std::vector<CString>{L"Inbox", L"Outbox", L"Sent", L"Drafts"}));
    ASSERT_NE(tree->GetImageList(TVSIL_NORMAL), nullptr);
    EXPECT_EQ(tree->GetImageList(TVSIL_NORMAL)->GetImageCount(), 4);

    File({NewSms(SMS_FOLDER_SENT, L"Budi", L"0811", L"ke budi")}, SMS_FOLDER_SENT);
    EXPECT_EQ(view->GetSelectedFolder(), L"Sent");
    EXPECT_EQ(list->GetItemText(0, 3), L"Budi");
    LVCOLUMNW col = {};
    wchar_t title[32] = {};
    col.mask = LVCF_TEXT;
    col.pszText = title;
    col.cchTextMax = 32;
    list->GetColumn(3, &col);
    EXPECT_STREQ(title, L"Ke");
    EXPECT_EQ(Text(IDC_SENDER_CAPTION), L"Ke");
    // Again the same item: no new display (the marker text stays).
    ::SetDlgItemTextW(view->GetSafeHwnd(), IDC_COUNT_TOTAL, L"x");
    SelectFolder(SMS_FOLDER_SENT);
    EXPECT_EQ(Text(IDC_COUNT_TOTAL), L"x");

    CRect rcWindow, rcClient;
    tree->GetWindowRect(&rcWindow);
    tree->GetClientRect(&rcClient);
    tree->ClientToScreen(&rcClient);
    rcWindow.DeflateRect(1, 1);
    EXPECT_EQ(rcClient, rcWindow);
    Close();
}

// Texts of the rows: the "+" rule of names, the 250-character cut, several lines on one line,
// a long text cut to the asker's buffer, and the read image answered alone.
TEST_F(MessageListTest, TheListAnswersTheTextsOfTheRows)
{
    Start();
    const CString strLongName(L'B', 300), strLongText(L'x', 2000);
    // Filed first is shown last (before sorting); sort by time ascending to pin the order.
    list->SetSortState(3);
    File({NewSms(SMS_FOLDER_INBOX, L"08123456789", L"08123456789", L"a", L"01/02/26", L"10:00:01"),
          NewSms(SMS_FOLDER_INBOX, L"628123456789", L"628123456789", L"b", L"01/02/26", L"10:00:02"),
          NewSms(SMS_FOLDER_INBOX, L"12345", L"12345", L"c", L"01/02/26", L"10:00:03", 1),
          NewSms(SMS_FOLDER_INBOX, L"Budi 1234", L"0811", L"baris satu\r\nbaris dua\nbaris tiga", L"01/02/26",
                 L"10:00:04"),
          NewSms(SMS_FOLDER_INBOX, strLongName, L"0812", strLongText, L"01/02/26", L"10:00:05")});
    ASSERT_EQ(list->GetItemCount(), 5);
    EXPECT_EQ(Column(3),
              (std::vector<CString>{L"08123456789", L"+628123456789", L"12345", L"Budi 1234", strLongName.Left(250)}));
    EXPECT_EQ(list->GetItemText(0, 1), L"01/02/26");
    EXPECT_EQ(list->GetItemText(0, 2), L"10:00");
    EXPECT_EQ(list->GetItemText(3, 4), L"baris satubaris duabaris tiga");
    // A buffer of 100 characters gets 99 and the end mark.
    wchar_t buf[101];
    wmemset(buf, L'#', 101);
    LVITEMW item = {};
    item.iSubItem = 4;
    item.pszText = buf;
    item.cchTextMax = 100;
    ::SendMessageW(list->GetSafeHwnd(), LVM_GETITEMTEXTW, 4, (LPARAM)&item);
    EXPECT_EQ(CString(item.pszText), strLongText.Left(99));
    EXPECT_EQ(buf[100], L'#');
    // The read mark alone (row 0 was shown, so it is read now).
    for (int nRow : {1, 2})
    {
        LVITEMW img = {};
        img.mask = LVIF_IMAGE;
        img.iItem = nRow;
        img.iImage = -7;
        ASSERT_TRUE(::SendMessageW(list->GetSafeHwnd(), LVM_GETITEMW, 0, (LPARAM)&img));
        EXPECT_EQ(img.iImage, nRow == 2 ? 1 : 0) << nRow;
    }
    Close();
}

// Sorting by clicks on the header: every column both ways, the date newest then oldest first,
// equal keys in their filed order, names by the "Sent" rule, and the header's arrow images.
TEST_F(MessageListTest, HeaderClicksSortTheRowsAndSetTheArrows)
{
    Start();
    list->SetSortState(0);
    // Shown unsorted newest filed first: e, d, c, b, a.
    File({NewSms(SMS_FOLDER_INBOX, L"cici", L"1", L"Teks C", L"03/01/26", L"09:00:00", 1),
          NewSms(SMS_FOLDER_INBOX, L"Ani", L"2", L"teks a", L"01/01/26", L"11:00:00", 0),
          NewSms(SMS_FOLDER_INBOX, L"budi", L"3", L"Teks b", L"02/01/26", L"10:00:00", 1),
          NewSms(SMS_FOLDER_INBOX, L"Ani", L"4", L"teks d", L"02/01/27", L"08:00:00", 0),
          NewSms(SMS_FOLDER_INBOX, L"dedi", L"5", L"teks e", L"02/01/26", L"10:00:00", 1)});
    ASSERT_EQ(Column(4), (std::vector<CString>{L"teks e", L"teks d", L"Teks b", L"teks a", L"Teks C"}));

    ClickHeader(1); // date: newest first
    EXPECT_EQ(list->GetSortState(), 2);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks d", L"Teks C", L"teks e", L"Teks b", L"teks a"}));
    EXPECT_EQ(HeaderImage(0), 0);
    EXPECT_EQ(HeaderImage(1), 1);
    EXPECT_EQ(HeaderImage(2), -1);
    ClickHeader(1); // oldest first; e and b are equal and keep their order
    EXPECT_EQ(list->GetSortState(), -2);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks a", L"teks e", L"Teks b", L"Teks C", L"teks d"}));
    EXPECT_EQ(HeaderImage(1), 2);

    ClickHeader(0); // read before unread, equal flags keep their order
    EXPECT_EQ(list->GetSortState(), 1);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks e", L"Teks b", L"Teks C", L"teks a", L"teks d"}));
    EXPECT_EQ(HeaderImage(1), -1);
    ClickHeader(0);
    EXPECT_EQ(list->GetSortState(), -1);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks a", L"teks d", L"teks e", L"Teks b", L"Teks C"}));

    ClickHeader(2); // time ascending
    EXPECT_EQ(list->GetSortState(), 3);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks d", L"Teks C", L"teks e", L"Teks b", L"teks a"}));
    EXPECT_EQ(HeaderImage(2), 1);
    ClickHeader(2);
    EXPECT_EQ(list->GetSortState(), -3);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks a", L"teks e", L"Teks b", L"Teks C", L"teks d"}));

    ClickHeader(3); // sender name, case ignored; the two "Ani" keep their order
    EXPECT_EQ(list->GetSortState(), 4);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks a", L"teks d", L"Teks b", L"Teks C", L"teks e"}));
    ClickHeader(3);
    EXPECT_EQ(list->GetSortState(), -4);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks e", L"Teks C", L"Teks b", L"teks a", L"teks d"}));
    EXPECT_EQ(HeaderImage(3), 2);

    ClickHeader(4); // text, case ignored
    EXPECT_EQ(list->GetSortState(), 5);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks a", L"Teks b", L"Teks C", L"teks d", L"teks e"}));
    ClickHeader(4);
    EXPECT_EQ(list->GetSortState(), -5);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"teks e", L"teks d", L"Teks C", L"Teks b", L"teks a"}));
    EXPECT_EQ(HeaderImage(4), 2);
    EXPECT_EQ(HeaderImage(0), 0);

    // In "Sent" the name column sorts by the recipient name.
    File({NewSms(SMS_FOLDER_SENT, L"zaki", L"7", L"s1"), NewSms(SMS_FOLDER_SENT, L"Yani", L"8", L"s2"),
          NewSms(SMS_FOLDER_SENT, L"xena", L"9", L"s3")},
         SMS_FOLDER_SENT);
    list->SetSortState(0);
    ClickHeader(3);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"s3", L"s2", L"s1"}));
    Close();
}

// Searching a folder: field 0 the name, 1 the text, 2 the number (sender in "Inbox", recipient
// elsewhere), case ignored; any other field takes the whole folder.
TEST_F(MessageListTest, ShowFolderFindsByTheChosenField)
{
    Start();
    list->SetSortState(0);
    File({NewSms(SMS_FOLDER_INBOX, L"Budi", L"+62811", L"Rapat besok"),
          NewSms(SMS_FOLDER_INBOX, L"Ani", L"62822", L"budi datang"),
          NewSms(SMS_FOLDER_SENT, L"Budi", L"62811", L"ok RAPAT"), NewSms(SMS_FOLDER_SENT, L"Cici", L"62833", L"x")});
    auto shown = [&](const wchar_t* folder, int field, const wchar_t* text) {
        view->ShowFolder(folder, field, text);
        return Column(4);
    };
    EXPECT_EQ(shown(L"Inbox", 0, L"bUDI"), (std::vector<CString>{L"Rapat besok"}));
    EXPECT_EQ(shown(L"Inbox", 1, L"BUDI"), (std::vector<CString>{L"budi datang"}));
    EXPECT_EQ(shown(L"Inbox", 2, L"811"), (std::vector<CString>{L"Rapat besok"}));
    EXPECT_EQ(shown(L"Inbox", 7, L"zzz"), (std::vector<CString>{L"budi datang", L"Rapat besok"}));
    EXPECT_EQ(shown(L"sent", 0, L"budi"), (std::vector<CString>{L"ok RAPAT"}));
    EXPECT_EQ(shown(L"Sent", 1, L"rapat"), (std::vector<CString>{L"ok RAPAT"}));
    EXPECT_EQ(shown(L"Sent", 2, L"833"), (std::vector<CString>{L"x"}));
    EXPECT_EQ(Text(IDC_COUNT_TOTAL), L"1");
    Close();
}

// Reading: the first row is shown as "name<number>" or the number alone; selecting an unread
// row marks it read and the new count drops; the read state is kept across a restart.
TEST_F(MessageListTest, ReadingARowShowsItAndMarksItRead)
{
    Start();
    list->SetSortState(0);
    File({NewSms(SMS_FOLDER_INBOX, L"628111", L"+628111", L"dari nomor"),
          NewSms(SMS_FOLDER_INBOX, L"Budi", L"+62822", L"dari budi")});
    // Row 0 (filed last) is shown and already marked read.
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Text(IDC_MESSAGE_TEXT), L"dari budi");
    EXPECT_EQ(Text(IDC_SENDER), L"Budi<62822>");
    EXPECT_EQ(Text(IDC_SENDER_CAPTION), L"Dari");
    EXPECT_EQ(Text(IDC_COUNT_NEW), L"1");
    EXPECT_EQ(Text(IDC_COUNT_TOTAL), L"2");
    EXPECT_TRUE(Shown(IDC_SENDER));
    // Down selects the next row and shows it.
    list->SetFocus();
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Text(IDC_MESSAGE_TEXT), L"dari nomor");
    EXPECT_EQ(Text(IDC_SENDER), L"628111");
    EXPECT_EQ(Text(IDC_COUNT_NEW), L"0");
    CSMS row;
    ASSERT_TRUE(list->GetSmsAt(1, row));
    EXPECT_EQ(row.m_bRead, 1);
    Close();

    Restart();
    view->ShowFolder(L"Inbox", 0, L"");
    EXPECT_EQ(Text(IDC_COUNT_NEW), L"0");
    EXPECT_EQ(Text(IDC_COUNT_TOTAL), L"2");
    Close();
}

// Deleting: the confirmation (No keeps, Yes deletes) when set; the last row selects the new
// last; of two Outbox messages with the same time and no sender name the second row's own
// record goes, also in the file after the exit save; no selected row deletes nothing.
TEST_F(MessageListTest, DeleteRemovesTheSelectedRowsOwnRecord)
{
    Start();
    list->SetSortState(0);
    File({NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"0811", L"pertama", L"01/02/26", L"10:00:00"),
          NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"0811", L"kedua", L"01/02/26", L"10:00:00"),
          NewSms(SMS_FOLDER_OUTBOX, L"Cici", L"0833", L"ketiga", L"01/02/26", L"11:00:00")},
         SMS_FOLDER_OUTBOX);
    ASSERT_EQ(Column(4), (std::vector<CString>{L"ketiga", L"kedua", L"pertama"}));
    auto delete_row = [&](int nRow) {
        list->SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_SMS_DELETE, 0);
    };

    // With the confirmation: No keeps the row.
    app->WriteProfileInt(L"Sms", L"IsConfirmDelSms", 1);
    std::vector<CString> asked;
    MessageBoxHandler previous = SetMessageBoxHandler([&](HWND, LPCWSTR text, LPCWSTR title, UINT) {
        asked.push_back(CString(text) + L"|" + title);
        return IDNO;
    });
    delete_row(2);
    SetMessageBoxHandler(std::move(previous));
    EXPECT_EQ(asked, (std::vector<CString>{L"apakah anda ingin menghapus sms ini ?|Confirmation"}));
    EXPECT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(doc->m_listSms.GetCount(), 3);

    // "kedua" is the later record of the two with the same time: exactly it goes.
    delete_row(1);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"ketiga", L"pertama"}));
    ASSERT_EQ(doc->m_listSms.GetCount(), 2);
    EXPECT_EQ(((CSMS*)doc->m_listSms.GetHead())->m_strText, L"pertama");
    // The next row takes the selection; the remaining rows still name live records.
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Text(IDC_MESSAGE_TEXT), L"pertama");
    EXPECT_EQ(Text(IDC_COUNT_TOTAL), L"2");
    for (int i = 0; i < list->GetItemCount(); ++i)
        EXPECT_NE(list->GetLiveSource(i), nullptr) << i;

    // Without the confirmation; the last row selects the new last.
    app->WriteProfileInt(L"Sms", L"IsConfirmDelSms", 0);
    const size_t nBoxes = boxes.Boxes().size();
    delete_row(1);
    EXPECT_EQ(boxes.Boxes().size(), nBoxes);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"ketiga"}));
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Text(IDC_MESSAGE_TEXT), L"ketiga");

    // No selected row: nothing goes.
    list->SetItemState(-1, 0, LVIS_SELECTED);
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_SMS_DELETE, 0);
    EXPECT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(doc->m_listSms.GetCount(), 1);

    // The exit saves; the next start has exactly the kept record.
    Close();
    Restart();
    ASSERT_EQ(doc->m_listSms.GetCount(), 1);
    EXPECT_EQ(((CSMS*)doc->m_listSms.GetHead())->m_strText, L"ketiga");
    Close();
}

// A row whose document record went elsewhere is not touched through its stale back-pointer.
TEST_F(MessageListTest, ARowWhoseRecordIsGoneChangesNothing)
{
    Start();
    File({NewSms(SMS_FOLDER_INBOX, L"Budi", L"0811", L"a"), NewSms(SMS_FOLDER_INBOX, L"Ani", L"0822", L"b")});
    CSMS* pGone = (CSMS*)doc->m_listSms.RemoveHead();
    delete pGone;
    const int nRow = Column(4)[0] == L"a" ? 0 : 1;
    EXPECT_EQ(list->GetLiveSource(nRow), nullptr);
    list->SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list->MarkSelectedRead();
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_SMS_DELETE, 0);
    ASSERT_EQ(doc->m_listSms.GetCount(), 1);
    EXPECT_EQ(((CSMS*)doc->m_listSms.GetHead())->m_strText, L"b");
    Close();
}

// Copying a number: the clipboard holds exactly the number, the message text is unchanged.
TEST_F(MessageListTest, CopyNumberPutsExactlyTheNumberOnTheClipboard)
{
    Start();
    CSMS* p = NewSms(SMS_FOLDER_INBOX, L"Budi", L"+62811111", L"isi pesan");
    p->m_strRecipientNumber = L"62899";
    File({p});
    auto clipboard = [&] {
        CString s;
        if (!::OpenClipboard(frame->GetSafeHwnd()))
            return s;
        if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT))
        {
            s = (const wchar_t*)::GlobalLock(h);
            ::GlobalUnlock(h);
        }
        ::CloseClipboard();
        return s;
    };
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_COPY_SENDER_NUMBER, 0);
    EXPECT_EQ(clipboard(), L"+62811111");
    EXPECT_EQ(Text(IDC_MESSAGE_TEXT), L"isi pesan");
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_COPY_RECIPIENT_NUMBER, 0);
    EXPECT_EQ(clipboard(), L"62899");
    EXPECT_EQ(Text(IDC_MESSAGE_TEXT), L"isi pesan");
    Close();
}

// "Kirim" on an Outbox row: the message goes to the phone and moves to "Sent" (or goes, without
// "isSaveToSent"); while a fetch job holds the phone the GUI send only says so and sends nothing.
TEST_F(MessageListTest, SendNowSendsTheRowUnlessAJobHoldsThePhone)
{
    ASSERT_TRUE(SimPhone::LoadJson("hold", R"({"extends": "demo", "baud": 0,
        "faults": [{"command": "AT+CMGL=4", "action": "silence"}]})"));
    Start();
    app->WriteProfileInt(L"Settings", L"isSaveToSent", 1);
    File({NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"081234567890", L"kirim satu"),
          NewSms(SMS_FOLDER_OUTBOX, L"Ani", L"081298765432", L"kirim dua", L"07/12/26", L"11:00:00")},
         SMS_FOLDER_OUTBOX);
    list->SetSortState(0);
    view->RefreshList();
    ASSERT_EQ(Column(4), (std::vector<CString>{L"kirim dua", L"kirim satu"}));
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_SMS_SEND_NOW, 0);
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u) << boxes.All();
    EXPECT_EQ(Column(4), (std::vector<CString>{L"kirim satu"}));
    int nSent = 0;
    for (POSITION pos = doc->m_listSms.GetHeadPosition(); pos;)
    {
        CSMS* p = (CSMS*)doc->m_listSms.GetNext(pos);
        if (p->m_strText == L"kirim dua")
        {
            EXPECT_EQ(p->m_strFolder, L"Sent");
            ++nSent;
        }
    }
    EXPECT_EQ(nSent, 1);
    EXPECT_EQ(CPhoneUse::GetHolder(), CPhoneUse::kFree);

    // A fetch that hangs holds the phone: "Kirim" shows the box and sends nothing.
    ::PostMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_RECEIVE_SMS, 0);
    ASSERT_TRUE(PumpUntil([] { return SimPhone::GetState().Count("AT+CMGL=4") == 1; }, 10000));
    EXPECT_EQ(CPhoneUse::GetHolder(), CPhoneUse::kJob);
    list->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_SMS_SEND_AGAIN, 0);
    EXPECT_TRUE(boxes.Any(L"Handphone sedang digunakan. Coba lagi setelah proses selesai.")) << boxes.All();
    bool bInfoTitle = false;
    for (const MessageBoxLog::Box& b : boxes.Boxes())
        bInfoTitle |= b.title == L"Info";
    EXPECT_TRUE(bInfoTitle);
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u);
    EXPECT_EQ(Column(4), (std::vector<CString>{L"kirim satu"}));
    // The close ends the held fetch.
    Close();
    EXPECT_EQ(CPhoneUse::GetHolder(), CPhoneUse::kFree);
}

// Without "isSaveToSent" the sent message goes from the document.
TEST_F(MessageListTest, SendNowWithoutSaveToSentDropsTheMessage)
{
    ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    Start();
    app->WriteProfileInt(L"Settings", L"isSaveToSent", 0);
    File({NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"081234567890", L"kirim satu")}, SMS_FOLDER_OUTBOX);
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_SMS_SEND_NOW, 0);
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u) << boxes.All();
    EXPECT_EQ(doc->m_listSms.GetCount(), 0);
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_EQ(Text(IDC_COUNT_TOTAL), L"0");
    Close();
}

namespace
{
// The commands of the menu and its sub-menus, in order; a sub-menu as its text in brackets.
std::vector<CString> MenuItems(CExtPopupMenuWnd* pPopup)
{
    std::vector<CString> v;
    for (int i = 0; i < pPopup->GetItemCount(); ++i)
    {
        if (CExtPopupMenuWnd* pSub = pPopup->ItemGetPopup(i))
        {
            v.push_back(L"[" + pPopup->ItemGetText(i) + L"]");
            for (const CString& s : MenuItems(pSub))
                v.push_back(L"  " + s);
            continue;
        }
        CString s;
        s.Format(L"%d", pPopup->ItemGetCmdID(i));
        v.push_back(s);
    }
    return v;
}
} // namespace

// The context menu after its preparation: the "Tools" sub-menu with its icons, the items of a
// received and of a written message in "Inbox" and "Sent"; every item shown; no menu without a
// selected row.
TEST_F(MessageListTest, TheContextMenuFitsTheSelectedMessage)
{
    Start();
    EXPECT_FALSE(CExtPopupMenuWnd::g_bHideRarelyUsed);
    CSMS* pReceived = NewSms(SMS_FOLDER_INBOX, L"Budi", L"0811", L"masuk");
    CSMS* pWritten = NewSms(SMS_FOLDER_INBOX, L"Ani", L"0822", L"tulis");
    pWritten->m_strSenderName.Empty();
    pWritten->m_strSenderNumber.Empty();
    pWritten->m_strRecipientName = L"Ani";
    pWritten->m_strRecipientNumber = L"0822";
    File({pReceived, pWritten});
    auto prepared = [&](const wchar_t* text) {
        for (int i = 0; i < list->GetItemCount(); ++i)
            if (list->GetItemText(i, 4) == text)
                list->SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
        EXPECT_TRUE(pPopup->LoadMenuResource(list->GetSafeHwnd(), IDR_SMS_CONTEXT));
        CExtPopupMenuWnd::MsgPrepareMenuData_t data;
        data.m_pPopup = pPopup;
        EXPECT_EQ(
            ::SendMessageW(list->GetSafeHwnd(), CExtPopupMenuWnd::g_nMsgPrepareMenu, (WPARAM)&data, (LPARAM)pPopup), 1);
        EXPECT_TRUE(data.m_nFlags & CExtPopupMenuWnd::MsgPrepareMenuData_t::PREPARE_UPDATE_AGAIN);
        std::vector<CString> items = MenuItems(pPopup);
        // The sub-menu's icons.
        const int nTools = pPopup->GetItemCount() - 1;
        if (CExtPopupMenuWnd* pTools = pPopup->ItemGetPopup(nTools))
            for (int i = 0; i < pTools->GetItemCount(); ++i)
                if (pTools->ItemGetCmdID(i) > 0)
                {
                    EXPECT_NE(pTools->ItemGetIcon(i), nullptr) << pTools->ItemGetCmdID(i);
                }
        delete pPopup;
        return items;
    };
    std::vector<CString> items = prepared(L"masuk");
    // Separators show as -1 (the one left of "Kirim" stays); "Kirim Lagi" goes outside "Sent".
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32798")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32797")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32796")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32795")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"  32801")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"  32800")), 1);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"114")), 1);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"[Tools]")), 1);

    items = prepared(L"tulis");
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32795")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"  32800")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"  32802")), 0);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32797")), 1);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32796")), 1);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"  32801")), 1);
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32798")), 0);

    // In "Sent" a written message keeps "Kirim Lagi".
    File({NewSms(SMS_FOLDER_SENT, L"Cici", L"0833", L"terkirim")}, SMS_FOLDER_SENT);
    items = prepared(L"terkirim");
    EXPECT_EQ(std::count(items.begin(), items.end(), CString(L"32798")), 1);

    // The view's commands are enabled through the list; "Quick Reply" has no handler.
    auto enabled = [&](UINT nID) {
        struct CTestCmdUI : CCmdUI
        {
            BOOL bEnabled = FALSE;
            void Enable(BOOL bOn) override
            {
                bEnabled = bOn;
                m_bEnableChanged = TRUE;
            }
        } ui;
        ui.m_nID = nID;
        ui.DoUpdate(list, TRUE);
        return ui.bEnabled != FALSE;
    };
    EXPECT_TRUE(enabled(ID_SMS_DELETE));
    EXPECT_TRUE(enabled(ID_COPY_SENDER_NUMBER));
    EXPECT_FALSE(enabled(ID_QUICK_REPLY));

    // No selected row: right click shows no menu.
    list->SetItemState(-1, 0, LVIS_SELECTED);
    ::SendMessageW(list->GetSafeHwnd(), WM_CONTEXTMENU, (WPARAM)list->GetSafeHwnd(), MAKELPARAM(100, 100));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    Close();
}

// The splash screen: its class, a top-most tool window shaped by its bitmap (magenta outside), the
// text drawn in its rectangle; in the program it is gone after the initial update.
TEST_F(MessageListTest, TheSplashScreenShowsItsShapeAndTextAndGoesAfterTheStart)
{
    CSplashScreenEx* pSplash = new CSplashScreenEx;
    ASSERT_TRUE(pSplash->Create(nullptr, nullptr, 0, CSplashScreenEx::kCenterScreen | CSplashScreenEx::kShadow));
    ASSERT_TRUE(pSplash->SetBitmap(IDB_SPLASH, 255, 0, 255));
    pSplash->SetTextFont(L"Impact", 100, 0);
    pSplash->SetTextRect(CRect(7, 50, 150, 100));
    pSplash->SetTextColor(RGB(255, 255, 255));
    pSplash->SetTextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pSplash->Show();
    pSplash->SetText(L"Loading Corvane SMS");
    HWND hSplash = pSplash->GetSafeHwnd();
    wchar_t cls[64] = {};
    ::GetClassNameW(hSplash, cls, 64);
    EXPECT_STREQ(cls, L"SplashScreenExClass");
    const LONG ex = ::GetWindowLongW(hSplash, GWL_EXSTYLE);
    EXPECT_TRUE((ex & WS_EX_TOPMOST) && (ex & WS_EX_TOOLWINDOW));
    EXPECT_TRUE(::IsWindowVisible(hSplash));
    CRect rc;
    ::GetWindowRect(hSplash, &rc);
    EXPECT_EQ(rc.Size(), CSize(400, 250));
    // The corner is magenta: outside the window's region; the middle is inside.
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(hSplash, hRgn), ERROR);
    EXPECT_FALSE(::PtInRegion(hRgn, 1, 1));
    EXPECT_TRUE(::PtInRegion(hRgn, 200, 125));
    ::DeleteObject(hRgn);
    // The text in white on the dark plate.
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = 400;
    bmi.bmiHeader.biHeight = -250;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    DWORD* pBits = nullptr;
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HBITMAP hBmp = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hDC, hBmp);
    ::SendMessageW(hSplash, WM_PRINTCLIENT, (WPARAM)hDC, PRF_CLIENT);
    int nWhite = 0, nPlate = 0;
    for (int y = 50; y < 100; ++y)
        for (int x = 7; x < 150; ++x)
        {
            const DWORD p = pBits[y * 400 + x] & 0xFFFFFF;
            nWhite += p == 0xFFFFFF;
            nPlate += p == 0x19233C; // RGB(25, 35, 60)
        }
    EXPECT_GT(nWhite, 20);
    EXPECT_GT(nPlate, 1000);
    EXPECT_EQ(pBits[0] & 0xFFFFFF, 0xFF00FFu);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hDC);
    pSplash->Hide(); // deletes the object
    EXPECT_FALSE(::IsWindow(hSplash));

    // In the program: shown while the view is created, gone after its initial update.
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 1);
    Start();
    EXPECT_EQ(view->m_pSplash, nullptr);
    EXPECT_EQ(::FindWindowW(L"SplashScreenExClass", nullptr), nullptr);
    EXPECT_EQ(view->m_strStatus, L"Memanggil Kontak");
    Close();
}

TEST_F(MessageListTest, ABoxAskedForWhileTheSplashIsUpStandsAloneWithTheSplashHidden)
{
    CSplashScreenEx* pSplash = new CSplashScreenEx;
    ASSERT_TRUE(pSplash->Create(nullptr, nullptr, 0, CSplashScreenEx::kCenterScreen));
    ASSERT_TRUE(pSplash->SetBitmap(IDB_SPLASH, 255, 0, 255));
    pSplash->Show();
    const HWND hSplash = pSplash->GetSafeHwnd();
    int nBoxes = 0;
    HWND hOwner = hSplash;
    bool bSplashShown = true;
    MessageBoxHandler previous = SetMessageBoxHandler([&](HWND owner, LPCWSTR, LPCWSTR, UINT) {
        ++nBoxes;
        hOwner = owner;
        bSplashShown = ::IsWindowVisible(hSplash) != FALSE;
        return IDOK;
    });
    AfxMessageBox(L"Unable to instantiate Outlook."); // no main window yet
    SetMessageBoxHandler(std::move(previous));
    ASSERT_EQ(nBoxes, 1);
    // Owned by none and not under the top-most splash, which is back after it.
    EXPECT_EQ(hOwner, nullptr);
    EXPECT_FALSE(bSplashShown);
    EXPECT_TRUE(::IsWindowVisible(hSplash));
    pSplash->Hide();
}
