// The compose window's contact list in a real list view: a fill's rows, column, scroll bar and
// repaint, a refill that keeps the row count, the selection of rows that a refill replaces, a
// hidden list that stays hidden, and the measures and rows a refill takes from changed contacts
// and a changed font.
#include "app/ContactListCtrl.h"
#include "phone/Corvane_smsDoc.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace
{
void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

struct ContactListTest : ::testing::Test
{
    void SetUp() override
    {
        // 40 contacts of "B" (twenty "Bu", twenty "Be"), 160 others, and three of "C".
        for (int i = 0; i < 40; ++i)
            AddContact(i % 2 ? L"Be" : L"Bu", i);
        for (int i = 0; i < 160; ++i)
            AddContact(CString((wchar_t)(L'D' + i % 20)), i);
        for (int i = 0; i < 3; ++i)
            AddContact(L"C", i);
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300,
                                    nullptr, nullptr));
        ASSERT_TRUE(list.CreateEx(
            0, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
            CRect(0, 0, 300, 200), &parent, 1015));
        list.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        list.InsertColumn(0, L"header dummy", LVCFMT_LEFT, 100);
        list.SetDocument(&doc);
        parent.UpdateWindow();
    }
    void TearDown() override
    {
        if (parent.m_hWnd)
            parent.DestroyWindow();
    }
    void AddContact(const CString& strStart, int i)
    {
        CString strText;
        strText.Format(L"%s kontak %03d<0812%04d>,MOB", (LPCWSTR)strStart, i, i);
        doc.m_arrContacts.Add(CContactItem(strText, L""));
    }
    std::vector<CString> ShownTexts()
    {
        std::vector<CString> texts;
        for (int i = 0; i < list.GetItemCount(); ++i)
            texts.push_back(list.GetItemText(i, 0));
        return texts;
    }
    std::vector<CString> KeptTexts()
    {
        std::vector<CString> texts;
        for (int i = 0; i < list.GetRowCount(); ++i)
            texts.push_back(list.GetRow(i).m_strText);
        return texts;
    }
    // Whether the list waits for a repaint of its rows and of its frame (the scroll bar).
    bool RepaintPending()
    {
        CRect rc;
        return ::GetUpdateRect(list.m_hWnd, &rc, FALSE) && !rc.IsRectEmpty();
    }
    SCROLLINFO VerticalScroll()
    {
        SCROLLINFO si = {sizeof si, SIF_ALL};
        ::GetScrollInfo(list.m_hWnd, SB_VERT, &si);
        return si;
    }

    CCorvane_smsDoc doc;
    CWnd parent;
    CContactListCtrl list;
};
} // namespace

TEST_F(ContactListTest, AFillSetsRowsColumnAndScrollBarAndRepaintsTheVisibleList)
{
    const int nWidest = list.Fill(nullptr, nullptr, CString());
    EXPECT_EQ(list.GetItemCount(), 203);
    EXPECT_EQ(list.GetColumnWidth(0), nWidest + 10);
    EXPECT_GE(nWidest, list.GetTextWidth(L"Bu kontak 000<08120000>,MOB"));
    EXPECT_TRUE(list.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(VerticalScroll().nMax, 202);
    EXPECT_TRUE(RepaintPending());
    list.UpdateWindow();

    // Fewer rows: the count, the range and the texts follow, the list is still shown.
    list.Fill(nullptr, nullptr, L"b");
    ASSERT_EQ(list.GetItemCount(), 40);
    EXPECT_EQ(KeptTexts(), ShownTexts());
    EXPECT_EQ(list.GetItemText(0, 0), L"Bu kontak 000<08120000>,MOB");
    EXPECT_EQ(VerticalScroll().nMax, 39);
    EXPECT_TRUE(list.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(::IsWindowVisible(list.m_hWnd));
    EXPECT_TRUE(RepaintPending());
    list.UpdateWindow();

    // Three rows fit: the scroll bar goes.
    list.Fill(nullptr, nullptr, L"C");
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_FALSE(list.GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(list.GetStyle() & WS_VISIBLE);
    list.UpdateWindow();

    // No row: width 10, nothing shown.
    EXPECT_EQ(list.Fill(nullptr, nullptr, L"X"), 0);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetColumnWidth(0), 10);
}

TEST_F(ContactListTest, ARefillThatKeepsTheCountShowsTheNewTexts)
{
    list.Fill(nullptr, nullptr, L"Bu");
    ASSERT_EQ(list.GetItemCount(), 20);
    const int nWidth = list.GetColumnWidth(0);
    list.UpdateWindow();
    ASSERT_FALSE(RepaintPending());
    list.Fill(nullptr, nullptr, L"Be");
    ASSERT_EQ(list.GetItemCount(), 20);
    EXPECT_EQ(list.GetItemText(0, 0), L"Be kontak 001<08120001>,MOB");
    EXPECT_EQ(KeptTexts(), ShownTexts());
    EXPECT_EQ(list.GetColumnWidth(0), nWidth);
    // The rows are painted again with their new texts.
    EXPECT_TRUE(RepaintPending());
}

TEST_F(ContactListTest, ARefillDropsTheSelectionOfTheRowsItReplaces)
{
    list.Fill(nullptr, nullptr, CString());
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ((int)list.GetSelectedCount(), 2);
    // Row 0 is now another contact: it must not show as picked.
    list.Fill(nullptr, nullptr, L"C");
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ((int)list.GetSelectedCount(), 0);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), 0u);

    // Also when the count stays.
    list.Fill(nullptr, nullptr, L"Bu");
    list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ((int)list.GetSelectedCount(), 20);
    list.Fill(nullptr, nullptr, L"Be");
    EXPECT_EQ((int)list.GetSelectedCount(), 0);
}

TEST_F(ContactListTest, AHiddenListStaysHidden)
{
    list.ShowWindow(SW_HIDE);
    list.Fill(nullptr, nullptr, CString());
    EXPECT_EQ(list.GetItemCount(), 203);
    EXPECT_FALSE(list.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(::IsWindowVisible(list.m_hWnd));
    list.Fill(nullptr, nullptr, L"C");
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_FALSE(list.GetStyle() & WS_VISIBLE);
    Pump();
}

TEST_F(ContactListTest, ARefillMeasuresAChangedTextAndEveryTextAfterAFontChange)
{
    int nExpected = 0;
    for (int i = 0; i < 40; i += 2)
        nExpected = std::max(nExpected, list.GetTextWidth(doc.m_arrContacts[i].m_strText));
    ASSERT_EQ(list.Fill(nullptr, nullptr, L"Bu"), nExpected);

    // The document's contact gets a longer text: the refill shows it and sizes the column to it.
    const CString strLonger = L"Bu kontak 000 with a much longer name than the others<08120000>,MOB";
    doc.m_arrContacts[0].m_strText = strLonger;
    const int nLonger = list.Fill(nullptr, nullptr, L"Bu");
    EXPECT_EQ(nLonger, list.GetTextWidth(strLonger));
    EXPECT_GT(nLonger, nExpected);
    EXPECT_EQ(list.GetColumnWidth(0), nLonger + 10);
    EXPECT_EQ(list.GetRow(0).m_strText, strLonger);
    EXPECT_EQ(KeptTexts(), ShownTexts());

    // A larger font: the unchanged texts are measured again in it.
    CFont fontLarge;
    ASSERT_TRUE(fontLarge.CreateFont(-30, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    list.SetFont(&fontLarge);
    const int nLarge = list.Fill(nullptr, nullptr, L"Bu");
    EXPECT_EQ(nLarge, list.GetTextWidth(strLonger));
    EXPECT_GT(nLarge, nLonger);
    EXPECT_EQ(list.GetColumnWidth(0), nLarge + 10);
    list.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
}

TEST_F(ContactListTest, RowsKeepTheContactsAsFilledUntilTheNextFill)
{
    list.Fill(nullptr, nullptr, L"C");
    ASSERT_EQ(list.GetRowCount(), 3);
    const std::vector<CString> filled = KeptTexts();

    // The document is read again with fewer contacts: the rows still show what was filled.
    doc.m_arrContacts.RemoveAll();
    AddContact(L"Cx", 7);
    AddContact(L"D", 8);
    doc.m_arrContacts[0].m_strCategory = L"Kantor";
    EXPECT_EQ(KeptTexts(), filled);
    EXPECT_EQ(ShownTexts(), filled);

    // The refill takes the document's new contacts, with their categories.
    list.Fill(nullptr, nullptr, L"C");
    ASSERT_EQ(list.GetRowCount(), 1);
    EXPECT_EQ(list.GetRow(0).m_strText, L"Cx kontak 007<08120007>,MOB");
    EXPECT_EQ(list.GetRow(0).m_strCategory, L"Kantor");
    EXPECT_EQ(ShownTexts(), KeptTexts());
    // Only the category changes: the row follows it too.
    doc.m_arrContacts[0].m_strCategory = L"Keluarga";
    list.Fill(nullptr, nullptr, L"C");
    EXPECT_EQ(list.GetRow(0).m_strCategory, L"Keluarga");
    EXPECT_EQ(list.Fill(nullptr, nullptr, CString()), std::max(list.GetTextWidth(doc.m_arrContacts[0].m_strText),
                                                               list.GetTextWidth(doc.m_arrContacts[1].m_strText)));
    EXPECT_EQ(list.GetItemCount(), 2);
}
