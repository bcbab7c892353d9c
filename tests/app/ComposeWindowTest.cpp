// The compose window with the simulated phone: opening in each mode, the counter, inserted texts,
// recipients from the contact list, its filters and letter bar, saving to "Drafts" and "Outbox",
// and the stored position.
#include "ComposeTestSupport.h"

#include "app/EventSounds.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "phone/AppSettings.h"

using namespace phonetest;
using namespace composetest;

TEST(ComposeCounter, CountsCharactersAndThePartsTheSendWillUse)
{
    EXPECT_EQ(CDlgComposeSms::CounterText(L""), L"0/1 SMS");
    EXPECT_EQ(CDlgComposeSms::CounterText(CString(L'a', 160)), L"160/1 SMS");
    EXPECT_EQ(CDlgComposeSms::CounterText(CString(L'a', 161)), L"161/2 SMS");
    EXPECT_EQ(CDlgComposeSms::CounterText(CString(L'a', 304)), L"304/2 SMS");
    EXPECT_EQ(CDlgComposeSms::CounterText(CString(L'a', 305)), L"305/3 SMS");
    // "[" is an escape pair: 80 of them fill one part, 81 need two.
    EXPECT_EQ(CDlgComposeSms::CounterText(CString(L'[', 80)), L"80/1 SMS");
    EXPECT_EQ(CDlgComposeSms::CounterText(CString(L'[', 81)), L"81/2 SMS");
}

TEST(ComposeRecipients, ParseRecipientsWritesAnEntryWhoseNameIsItsNumberOnce)
{
    EXPECT_EQ(CDlgComposeSms::ParseRecipients(L"A;N2", L"N1;N2"), L"A<N1>;N2");
    // A longer first list: the missing number is the name itself.
    EXPECT_EQ(CDlgComposeSms::ParseRecipients(L"A;0812", L"0811"), L"A<0811>;0812");
}

TEST_F(ComposeTest, ANewMessageStartsWithPrefixAndSignatureAndTheFocusInTheRecipientField)
{
    {
        CAppSettings settings;
        settings.SetIsSmsPrefix(1);
        settings.SetSmsPrefix(L"PFX ");
        settings.SetSignature(L"-- Budi");
    }
    Open(L"Baru", nullptr, 0, 0, 1);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"");
    EXPECT_EQ(Text(dlg->m_wndText), L"PFX \r\n-- Budi");
    EXPECT_EQ(::GetFocus(), dlg->m_wndRecipients.m_hWnd);
    EXPECT_EQ(Text(dlg->m_wndCounter), L"13/1 SMS");
    // The tool bar holds the six commands of resource 149.
    ASSERT_EQ(dlg->m_wndToolBar.GetButtonsCount() >= 6, true);
    const UINT ids[] = {ID_COMPOSE_CUT,        ID_COMPOSE_COPY,        ID_COMPOSE_PASTE,
                        ID_COMPOSE_SAVE_DRAFT, ID_COMPOSE_SAVE_OUTBOX, ID_COMPOSE_SEND};
    CRect rcBar;
    dlg->m_wndToolBar.GetClientRect(&rcBar);
    for (int i = 0; i < 6; ++i)
    {
        EXPECT_EQ(dlg->m_wndToolBar.GetButtonID(i), ids[i]) << i;
        // Placed side by side inside the bar.
        const CRect rcButton = dlg->m_wndToolBar.GetButton(i)->GetRect();
        EXPECT_GE(rcButton.Width(), 24) << i;
        EXPECT_TRUE(rcBar.PtInRect(rcButton.CenterPoint())) << i;
        if (i > 0)
        {
            EXPECT_GE(rcButton.left, dlg->m_wndToolBar.GetButton(i - 1)->GetRect().right) << i;
        }
    }
    // The status bar: the standard id, one pane "Ready" as wide as the client less 100 pixels.
    ASSERT_NE(dlg->m_wndStatusBar.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dlg->m_wndStatusBar.GetDlgCtrlID(), 0xE801);
    EXPECT_EQ(dlg->m_wndStatusBar.GetPaneText(0), L"Ready");
    UINT nID = 0, nStyle = 0;
    int cx = 0;
    dlg->m_wndStatusBar.GetPaneInfo(0, nID, nStyle, cx);
    CRect rcClient;
    dlg->GetClientRect(&rcClient);
    EXPECT_EQ(cx, rcClient.Width() - 100);
    // The emoticons show their faces (yellow on the button face).
    DibCanvas canvas(21, 21, RGB(1, 2, 3));
    dlg->m_wndEmoticons[0].DrawButton(canvas.dc, CRect(0, 0, 21, 21), false, false, false);
    EXPECT_GT(canvas.Count(CRect(0, 0, 21, 21), RGB(255, 214, 0)), 50);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 21, 21), RGB(255, 0, 255)), 0);
}

TEST_F(ComposeTest, CutCopyAndPasteWorkOnTheTextFieldsOnly)
{
    Open(L"Baru", nullptr, 0, 0, 0);
    dlg->m_wndText.SetWindowText(L"abc");
    dlg->m_wndText.SetFocus();
    dlg->m_wndText.SetSel(0, -1);
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_CUT);
    EXPECT_EQ(Text(dlg->m_wndText), L"");
    dlg->m_wndRecipients.SetFocus();
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_PASTE);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"abc");
    dlg->m_wndRecipients.SetSel(0, -1);
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_COPY);
    dlg->m_wndSearch.SetFocus();
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_PASTE);
    EXPECT_EQ(Text(dlg->m_wndSearch), L"abc");
    // Another control with the focus: nothing.
    dlg->m_wndTakeTo.SetFocus();
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_PASTE);
    EXPECT_EQ(Text(dlg->m_wndTakeTo), L"<- To");
    // The legend of the kind codes.
    ClickButton(*dlg, IDC_COMPOSE_KIND_LEGEND);
    EXPECT_TRUE(boxes.Any(L"BFX = Business Fax\nPGR = Pager"));
}

TEST_F(ComposeTest, AReplyWithQuoteCutsTheQuoteAndPutsTheCaretAfterThePrefix)
{
    {
        CAppSettings settings;
        settings.SetIsSmsPrefix(1);
        settings.SetSmsPrefix(L"PFX ");
        settings.SetIsCutQuotedSms(1);
        settings.SetNumCutQuotedSms(40);
    }
    CSMS src = Inbox(L"Ani", L"+62811", CString(L'q', 100));
    Open(L"reply", &src, 1, 0, 0);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"Ani<62811>");
    EXPECT_EQ(Text(dlg->m_wndText), L"PFX \r\nQuote: " + CString(L'q', 40) + L"..[del]");
    int nStart = -1, nEnd = -1;
    dlg->m_wndText.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 4);
    EXPECT_EQ(nEnd, 4);
    EXPECT_EQ(::GetFocus(), dlg->m_wndText.m_hWnd);
    EXPECT_EQ(dlg->m_wndLastSms.GetSafeHwnd(), nullptr);
}

TEST_F(ComposeTest, AReplyWithoutQuoteShowsTheLastMessageAboveTheMovedEdit)
{
    CSMS src = Inbox(L"Ani", L"0811", L"apa kabar?");
    Open(L"Reply", &src, 0, 0, 0);
    ASSERT_NE(dlg->m_wndLastSms.GetSafeHwnd(), nullptr);
    EXPECT_EQ(Text(dlg->m_wndLastSms), L"apa kabar?");
    EXPECT_TRUE(dlg->m_wndLastSms.GetStyle() & ES_READONLY);
    EXPECT_EQ(ChildRect(dlg->m_wndLastSms), CRect(5, 115, 296, 180));
    EXPECT_EQ(ChildRect(dlg->m_wndText), CRect(5, 180, 297, 280));
    EXPECT_EQ(Text(dlg->m_wndText), L"");
}

TEST_F(ComposeTest, AForwardNamesTheSenderOnlyOfAnInboxMessage)
{
    CSMS src = Inbox(L"Ani", L"0811", L"rapat jam 9");
    Open(L"Forward", &src, 0, 1, 0);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"");
    EXPECT_EQ(Text(dlg->m_wndText), L"From: Ani>rapat jam 9");
    EXPECT_EQ(::GetFocus(), dlg->m_wndRecipients.m_hWnd);
    Close();
    src.m_strFolder = L"Sent";
    Open(L"Forward", &src, 0, 1, 0);
    EXPECT_EQ(Text(dlg->m_wndText), L"rapat jam 9");
}

TEST_F(ComposeTest, ReComposeAndEditFillRecipientsFromTheRecordAndEditKeepsItsText)
{
    CSMS src = Inbox(L"", L"", L"draf lama");
    src.m_strFolder = L"Drafts";
    src.m_strRecipientName = L"Budi;0812";
    src.m_strRecipientNumber = L"0811;0812";
    src.m_bFlash = 1;
    Open(L"ReCompose", &src, 0, 0, 0);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"Budi<0811>;0812");
    EXPECT_EQ(Text(dlg->m_wndText), L"");
    EXPECT_EQ(::GetFocus(), dlg->m_wndText.m_hWnd);
    Close();
    // "ReCompose" must match exactly: another case is no mode of the table.
    Open(L"recompose", &src, 0, 0, 0);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"");
    Close();
    Open(L"RubahDraft", &src, 0, 0, 0);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"Budi<0811>;0812");
    EXPECT_EQ(Text(dlg->m_wndText), L"draf lama");
    EXPECT_EQ(dlg->m_wndFlash.GetCheck(), BST_CHECKED);
}

TEST_F(ComposeTest, TypingUpdatesTheCounter)
{
    Open(L"Baru", nullptr, 0, 0, 0);
    ::SetForegroundWindow(dlg->m_hWnd);
    dlg->m_wndText.SetFocus();
    TypeText(L"halo");
    EXPECT_EQ(Text(dlg->m_wndText), L"halo");
    EXPECT_EQ(Text(dlg->m_wndCounter), L"4/1 SMS");
}

TEST_F(ComposeTest, AnEmoticonReplacesTheSavedSelectionAndATemplateIsInserted)
{
    Open(L"Baru", nullptr, 0, 0, 0);
    dlg->m_wndText.SetWindowText(L"abcdefgh");
    dlg->m_wndText.SetFocus();
    dlg->m_wndText.SetSel(2, 5);
    dlg->m_wndRecipients.SetFocus(); // the selection is saved as the edit loses the focus
    ClickButton(*dlg, IDC_COMPOSE_EMOTICON_FIRST + 1);
    EXPECT_EQ(Text(dlg->m_wndText), L"ab:-)fgh");
    int nStart = -1, nEnd = -1;
    dlg->m_wndText.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 5);
    EXPECT_EQ(nEnd, 5);
    EXPECT_EQ(::GetFocus(), dlg->m_wndText.m_hWnd);
    EXPECT_EQ(Text(dlg->m_wndCounter), L"8/1 SMS");

    // A saved selection beyond a text that was shortened since inserts at the end.
    dlg->m_nSelStart = dlg->m_nSelEnd = 50;
    dlg->m_wndText.SetWindowText(L"ab");
    dlg->InsertText(L";p");
    EXPECT_EQ(Text(dlg->m_wndText), L"ab;p");

    // The templates: "My Text", the sorted lines of the file, "Edit...".
    ASSERT_GE(dlg->m_wndTemplates.GetCount(), 3);
    CString strFirst, strLast, strTemplate;
    dlg->m_wndTemplates.GetLBText(0, strFirst);
    dlg->m_wndTemplates.GetLBText(dlg->m_wndTemplates.GetCount() - 1, strLast);
    dlg->m_wndTemplates.GetLBText(1, strTemplate);
    EXPECT_EQ(strFirst, L"My Text");
    EXPECT_EQ(strLast, L"Edit...");
    dlg->m_nSelStart = dlg->m_nSelEnd = 0;
    dlg->m_wndTemplates.SetCurSel(1);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COMPOSE_TEMPLATES, CBN_SELENDOK), (LPARAM)dlg->m_wndTemplates.m_hWnd);
    EXPECT_EQ(Text(dlg->m_wndText), strTemplate + L"ab;p");
    EXPECT_EQ(dlg->m_wndTemplates.GetCurSel(), 0);
}

TEST_F(ComposeTest, SelectedContactsBecomeRecipientsByToAddAndDoubleClick)
{
    AddContacts();
    Open(L"Baru", nullptr, 0, 0, 0);
    ASSERT_EQ(dlg->m_wndContacts.GetRowCount(), 5);
    SelectRows({0, 2});
    ClickButton(*dlg, IDC_COMPOSE_TAKE_TO);
    // Last selected first, each without its kind code.
    EXPECT_EQ(Text(dlg->m_wndRecipients),
              Row(2).Left(Row(2).GetLength() - 4) + L";" + Row(0).Left(Row(0).GetLength() - 4));
    dlg->m_wndRecipients.SetWindowText(L"0899;");
    SelectRows({1});
    ClickButton(*dlg, IDC_COMPOSE_TAKE_ADD);
    EXPECT_EQ(Text(dlg->m_wndRecipients), L"0899;" + Row(1).Left(Row(1).GetLength() - 4));

    // A double click on the list takes the selection like "<- To".
    CRect rcRow;
    ASSERT_TRUE(dlg->m_wndContacts.GetItemRect(1, &rcRow, LVIR_LABEL));
    dlg->m_wndContacts.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rcRow.left + 3, rcRow.top + 3));
    EXPECT_EQ(Text(dlg->m_wndRecipients), Row(1).Left(Row(1).GetLength() - 4));
    // Enter in "Cari" (the dialog manager's IDOK) adds the first contact shown, none selected, and closes nothing.
    SelectRows({});
    dlg->m_wndSearch.SetFocus();
    dlg->SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(Text(dlg->m_wndRecipients),
              Row(1).Left(Row(1).GetLength() - 4) + L";" + Row(0).Left(Row(0).GetLength() - 4));
    ASSERT_TRUE(dlg->IsWindowVisible());

    // "Pilih Semua" selects every row and clears them again.
    dlg->m_wndSelectAll.SetCheck(BST_CHECKED);
    ClickButton(*dlg, IDC_COMPOSE_SELECT_ALL);
    EXPECT_EQ((int)dlg->m_wndContacts.GetSelectedCount(), 5);
    dlg->m_wndSelectAll.SetCheck(BST_UNCHECKED);
    ClickButton(*dlg, IDC_COMPOSE_SELECT_ALL);
    EXPECT_EQ((int)dlg->m_wndContacts.GetSelectedCount(), 0);
}

TEST_F(ComposeTest, TheContactFiltersFollowKindCategoryAndTheStartOfTheText)
{
    AddContacts();
    Open(L"Baru", nullptr, 0, 0, 0);
    // "Mobile" keeps ",mob" in lower case too.
    dlg->m_wndFilter.SetCurSel(CContactListCtrl::kFilterMobile);
    Notify(IDC_COMPOSE_FILTER, CBN_SELENDOK, dlg->m_wndFilter);
    EXPECT_EQ(Rows(), (std::vector<CString>{L"Budi<62811>,MOB", L"ani kecil<0813>,mob"}));
    {
        CAppSettings settings;
        EXPECT_EQ(settings.GetNoFilter(), 1u);
    }
    // "Mob+Car+Rad" drops the fixed, business and other kinds.
    dlg->m_wndFilter.SetCurSel(CContactListCtrl::kFilterMobCarRad);
    Notify(IDC_COMPOSE_FILTER, CBN_SELENDOK, dlg->m_wndFilter);
    EXPECT_EQ(Rows(), (std::vector<CString>{L"Budi<62811>,MOB", L"ani kecil<0813>,mob", L"Citra<0814>,CAR"}));
    // A category keeps only its contacts.
    dlg->m_wndFilter.SetCurSel(0);
    const int nKantor = dlg->m_wndCategory.FindStringExact(-1, L"Kantor");
    ASSERT_GT(nKantor, 0);
    dlg->m_wndCategory.SetCurSel(nKantor);
    Notify(IDC_COMPOSE_CATEGORY, CBN_SELENDOK, dlg->m_wndCategory);
    EXPECT_EQ(Rows(), (std::vector<CString>{L"Ani Kantor<0812>,WK1", L"Citra<0814>,CAR"}));
    dlg->m_wndCategory.SetCurSel(0);
    // The search text matches the start of the text only.
    dlg->m_wndSearch.SetWindowText(L"an");
    EXPECT_EQ(Rows(), (std::vector<CString>{L"Ani Kantor<0812>,WK1", L"ani kecil<0813>,mob"}));
    dlg->m_wndSearch.SetWindowText(L"kecil");
    EXPECT_TRUE(Rows().empty());
}

TEST_F(ComposeTest, TheLetterBarCyclesThroughEachZoneAndIgnoresClicksOutsideIt)
{
    AddContacts();
    Open(L"Baru", nullptr, 0, 0, 0);
    CLetterIndexBar& bar = dlg->m_wndLetters;
    ASSERT_NE(bar.GetSafeHwnd(), nullptr);
    EXPECT_EQ(ChildRect(bar), CRect(360, 91, 600, 108));
    const wchar_t expected[] = {L'#', L'A', L'B', L'#'};
    for (wchar_t ch : expected)
    {
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 8));
        EXPECT_EQ(bar.GetCurrentLetter(), ch);
    }
    EXPECT_EQ(Text(dlg->m_wndSearch), L"");
    EXPECT_EQ(dlg->m_wndContacts.GetRowCount(), 5);
    // The second zone starts with its first letter, the string's fourth character.
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 8));
    EXPECT_EQ(bar.GetCurrentLetter(), L'C');
    EXPECT_EQ(Text(dlg->m_wndSearch), L"C");
    EXPECT_EQ(Rows(), std::vector<CString>{L"Citra<0814>,CAR"});
    // Zone edges: x 25 is the first zone, 26 the second; 180 the seventh, 181 the eighth.
    EXPECT_EQ(CLetterIndexBar::ZoneOf(25), 0);
    EXPECT_EQ(CLetterIndexBar::ZoneOf(26), 1);
    EXPECT_EQ(CLetterIndexBar::ZoneOf(180), 6);
    EXPECT_EQ(CLetterIndexBar::ZoneOf(181), 7);
    EXPECT_EQ(CLetterIndexBar::ZoneOf(239), 8);
    // Outside the nine zones nothing is picked.
    EXPECT_EQ(CLetterIndexBar::ZoneOf(240), -1);
    EXPECT_EQ(CLetterIndexBar::ZoneOf(-3), -1);
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(250, 8));
    EXPECT_EQ(bar.GetCurrentLetter(), L'C');
    EXPECT_EQ(Text(dlg->m_wndSearch), L"C");
    // The strip is painted from bitmap 170.
    DibCanvas canvas(240, 17, RGB(1, 2, 3));
    bar.DoPaint(canvas.dc);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 240, 17), RGB(1, 2, 3)), 0);
}

TEST_F(ComposeTest, TheDropDownIsAsWideAsTheLongestItem)
{
    Open(L"Baru", nullptr, 0, 0, 0);
    CAutoWidthComboBox& box = dlg->m_wndFilter;
    CClientDC dc(&box);
    CFont* pOld = dc.SelectObject(box.GetFont());
    const int nWidest = dc.GetTextExtent(CString(L"Mob+Car+Rad")).cx;
    const int nZero = dc.GetTextExtent(CString(L"0")).cx;
    dc.SelectObject(pOld);
    const int nExpected = nWidest + ::GetSystemMetrics(SM_CXVSCROLL) + nZero;
    EXPECT_EQ(box.ComputeDroppedWidth(), nExpected);
    box.ShowDropDown(TRUE);
    box.ShowDropDown(FALSE);
    EXPECT_EQ((int)box.SendMessage(CB_GETDROPPEDWIDTH), std::max(nExpected, ChildRect(box).Width()));
    box.ResetContent();
    EXPECT_EQ(box.ComputeDroppedWidth(), nZero);
}

TEST_F(ComposeTest, SavingFilesNewDraftsAndOutboxRecordsWithEveryField)
{
    AddContacts();
    Open(L"Baru", nullptr, 0, 0, 0);
    dlg->m_wndRecipients.SetWindowText(L"Budi<62811>;0813;0812<0899>");
    dlg->m_wndText.SetWindowText(L"rapat besok");
    dlg->m_wndFlash.SetCheck(BST_CHECKED);
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_SAVE_DRAFT);
    std::vector<CSMS> drafts = host->Folder(L"Drafts");
    ASSERT_EQ(drafts.size(), 1u);
    const CSMS& d = drafts[0];
    // A bare number is named by the document; a field beginning with four digits is a bare number.
    EXPECT_EQ(d.m_strRecipientNumber, L"62811;0813;0812<0899>");
    EXPECT_EQ(d.m_strRecipientName, L"Budi;ani kecil;" + host->m_doc.FindContactName(L"0812<0899>"));
    EXPECT_EQ(d.m_strText, L"rapat besok");
    EXPECT_EQ(d.m_strSenderName, L"");
    EXPECT_EQ(d.m_strSenderNumber, L"");
    EXPECT_EQ(d.m_bRead, 1);
    EXPECT_EQ(d.m_bLinked, 0);
    EXPECT_EQ(d.m_bFlash, 1);
    EXPECT_EQ(d.m_strDay.GetLength(), 2);
    EXPECT_EQ(d.m_strYear.GetLength(), 2);
    EXPECT_EQ(d.m_strSecond.GetLength(), 2);
    Close();

    Open(L"Baru", nullptr, 0, 0, 0);
    dlg->m_wndRecipients.SetWindowText(L"0899");
    dlg->m_wndText.SetWindowText(L"ke outbox");
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_SAVE_OUTBOX);
    std::vector<CSMS> outbox = host->Folder(L"Outbox");
    ASSERT_EQ(outbox.size(), 1u);
    EXPECT_EQ(outbox[0].m_strRecipientNumber, L"0899");
    EXPECT_EQ(outbox[0].m_strText, L"ke outbox");
    EXPECT_EQ(outbox[0].m_bFlash, 0);
    EXPECT_EQ(host->Records().size(), 2u);
}

TEST_F(ComposeTest, EditingOneOfTwoDraftsSavedAtTheSameTimeChangesOnlyThatOne)
{
    CSMS a = Inbox(L"", L"", L"draf satu");
    a.m_strFolder = L"Drafts";
    a.m_strRecipientNumber = a.m_strRecipientName = L"0811";
    CSMS b = a;
    b.m_strText = L"draf dua";
    b.m_strDay = L"02"; // another day, the same time
    host->AddRecord(a);
    host->AddRecord(b);
    // The row's copy points back at the second record.
    CSMS row = *(CSMS*)host->m_doc.m_listSms.GetTail();
    row.m_pSource = (CSMS*)host->m_doc.m_listSms.GetTail();
    Open(L"RubahDraft", &row, 0, 0, 0);
    dlg->m_wndText.SetWindowText(L"draf dua diubah");
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_SAVE_DRAFT);
    std::vector<CSMS> drafts = host->Folder(L"Drafts");
    ASSERT_EQ(drafts.size(), 2u);
    EXPECT_EQ(drafts[0].m_strText, L"draf satu");
    EXPECT_EQ(drafts[1].m_strText, L"draf dua diubah");
    Close();

    // A record that left the document meanwhile: nothing is stored.
    CSMS gone = row;
    CSMS* pLast = (CSMS*)host->m_doc.m_listSms.RemoveTail();
    delete pLast;
    Open(L"RubahDraft", &gone, 0, 0, 0);
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_SAVE_OUTBOX);
    EXPECT_EQ(host->Records().size(), 1u);
    EXPECT_EQ(host->Records()[0].m_strText, L"draf satu");
}

TEST_F(ComposeTest, ThePositionIsStoredOnCloseAndAnOffScreenOneComesBack)
{
    {
        CAppSettings settings;
        settings.SetDialogSmsPos(120, 80);
    }
    Open(L"Baru", nullptr, 0, 0, 0);
    CRect rc;
    dlg->GetWindowRect(&rc);
    EXPECT_EQ(rc.TopLeft(), CPoint(120, 80));
    dlg->SetWindowPos(nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Close();
    {
        CAppSettings settings;
        EXPECT_EQ(settings.GetDialogSmsX(), 140u);
        EXPECT_EQ(settings.GetDialogSmsY(), 90u);
        settings.SetDialogSmsPos(5000, -3000);
    }
    Open(L"Baru", nullptr, 0, 0, 0);
    dlg->GetWindowRect(&rc);
    EXPECT_NE(::MonitorFromRect(&rc, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_GE(rc.left, 0);
    EXPECT_GE(rc.top, 0);
    // A minimised window keeps the position stored before.
    dlg->ShowWindow(SW_MINIMIZE);
    {
        CAppSettings settings;
        settings.SetDialogSmsPos(77, 66);
    }
    Close();
    CAppSettings settings;
    EXPECT_EQ(settings.GetDialogSmsX(), 77u);
}
