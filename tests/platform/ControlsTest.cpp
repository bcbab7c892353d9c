// Control wrappers: owner-drawn list and combo boxes painted through reflection, a virtual
// report list answering its display requests, the tree, header and spin controls.
#include <gtest/gtest.h>
#include "FramesTestApp.h"
#include <set>

namespace
{
class COwnerList : public CListBox
{
public:
    std::set<int> drawn;
    int measured = 0, compared = 0;
    std::vector<DWORD_PTR> deleted;
    void DrawItem(LPDRAWITEMSTRUCT lpdis) override
    {
        drawn.insert((int)lpdis->itemID);
        ::FillRect(lpdis->hDC, &lpdis->rcItem, (HBRUSH)(COLOR_WINDOW + 1));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpmis) override
    {
        ++measured;
        lpmis->itemHeight = 18;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpcis) override
    {
        ++compared;
        return lpcis->itemData1 < lpcis->itemData2 ? -1 : lpcis->itemData1 > lpcis->itemData2 ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpdis) override { deleted.push_back(lpdis->itemData); }
};

class COwnerCombo : public CComboBox
{
public:
    std::set<int> drawn;
    void DrawItem(LPDRAWITEMSTRUCT lpdis) override { drawn.insert((int)lpdis->itemID); }
};

class CVirtualList : public CListCtrl
{
public:
    int requests = 0;

protected:
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLVDISPINFOW* p = (NMLVDISPINFOW*)pNMHDR;
        ++requests;
        if (p->item.mask & LVIF_TEXT)
        {
            CString text;
            text.Format(L"Baris %d kolom %d", p->item.iItem, p->item.iSubItem);
            lstrcpynW(p->item.pszText, text, p->item.cchTextMax);
        }
        if (p->item.mask & LVIF_IMAGE)
            p->item.iImage = p->item.iItem % 2;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CVirtualList, CListCtrl)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfo)
END_MESSAGE_MAP()

class CHostDialog : public CDialog
{
public:
    COwnerList m_list;
    COwnerList m_sorted;
    COwnerCombo m_combo;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 300, m_list);
        DDX_Control(pDX, 301, m_combo);
        DDX_Control(pDX, 302, m_sorted);
    }
};

int CALLBACK CompareByData(LPARAM a, LPARAM b, LPARAM descending)
{
    int r = a < b ? -1 : a > b ? 1 : 0;
    return descending ? -r : r;
}
} // namespace

TEST(Controls, OwnerDrawnItemsArePaintedThroughReflection)
{
    CTemplateBuilder tb(WS_POPUP | WS_CAPTION, 260, 160, L"Kontrol");
    tb.AddItem(300, L"LISTBOX", L"", WS_BORDER | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 5, 5,
               80, 80);
    tb.AddItem(301, L"COMBOBOX", L"", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL, 90, 5, 80,
               80);
    tb.AddItem(302, L"LISTBOX", L"", WS_BORDER | LBS_OWNERDRAWFIXED | LBS_SORT | LBS_NOINTEGRALHEIGHT, 175, 5, 80, 80);
    CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tb.Get()));
    dlg.ShowWindow(SW_SHOW);

    dlg.m_list.AddString(L"satu");
    dlg.m_list.AddString(L"dua");
    dlg.m_list.AddString(L"tiga");
    EXPECT_EQ(dlg.m_list.measured, 3);
    EXPECT_EQ(dlg.m_list.GetItemHeight(1), 18);
    dlg.m_combo.AddString(L"merah");
    dlg.m_combo.AddString(L"hijau");
    dlg.m_combo.SetCurSel(1);
    for (DWORD_PTR v : {30, 10, 20})
        dlg.m_sorted.AddString((LPCTSTR)v); // items are data values without strings
    EXPECT_GT(dlg.m_sorted.compared, 0);
    EXPECT_EQ(dlg.m_sorted.GetItemData(0), 10u);
    EXPECT_EQ(dlg.m_sorted.GetItemData(2), 30u);

    dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpUntil([&] { return dlg.m_list.drawn.size() >= 3 && !dlg.m_combo.drawn.empty(); }, 2000);
    EXPECT_EQ(dlg.m_list.drawn, (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(dlg.m_combo.drawn.count(1)) << "the selection field shows item 1";
    EXPECT_EQ(dlg.m_sorted.drawn.size(), 3u);

    dlg.m_sorted.DeleteString(1);
    ASSERT_EQ(dlg.m_sorted.deleted.size(), 1u);
    EXPECT_EQ(dlg.m_sorted.deleted[0], 20u);
    dlg.DestroyWindow();
}

TEST(Controls, VirtualReportListAnswersDisplayRequests)
{
    CTemplateBuilder tb(WS_POPUP | WS_CAPTION, 300, 200, L"Daftar");
    CDialog host;
    ASSERT_TRUE(host.CreateIndirect(tb.Get()));
    host.ShowWindow(SW_SHOW);

    CVirtualList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                            CRect(5, 5, 400, 250), &host, 400));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_NE(list.GetExtendedStyle() & LVS_EX_FULLROWSELECT, 0u);
    EXPECT_EQ(list.InsertColumn(0, L"Tgl", LVCFMT_LEFT, 60), 0);
    EXPECT_EQ(list.InsertColumn(1, L"Jam", LVCFMT_LEFT, 50), 1);
    EXPECT_EQ(list.InsertColumn(2, L"Isi"), 2);
    list.SetColumnWidth(2, 120);
    EXPECT_EQ(list.GetColumnWidth(0), 60);
    EXPECT_EQ(list.GetColumnWidth(2), 120);
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_NE(pHeader, nullptr);
    EXPECT_EQ(pHeader->GetItemCount(), 3);
    HDITEMW hd = {};
    wchar_t buf[32] = {};
    hd.mask = HDI_TEXT;
    hd.pszText = buf;
    hd.cchTextMax = 32;
    ASSERT_TRUE(pHeader->GetItem(1, &hd));
    EXPECT_STREQ(buf, L"Jam");

    list.SetItemCountEx(1000, LVSICF_NOSCROLL);
    EXPECT_EQ(list.GetItemCount(), 1000);
    // Texts come from the reflected display requests; the control stores none.
    EXPECT_STREQ(list.GetItemText(5, 1), L"Baris 5 kolom 1");
    EXPECT_STREQ(list.GetItemText(999, 2), L"Baris 999 kolom 2");
    EXPECT_GT(list.requests, 0);

    // Selection of an owner-data list.
    list.SetItemState(7, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(9, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 7);
    EXPECT_EQ(list.GetNextItem(7, LVNI_SELECTED), 9);
    POSITION pos = list.GetFirstSelectedItemPosition();
    EXPECT_EQ(list.GetNextSelectedItem(pos), 7);
    EXPECT_EQ(list.GetNextSelectedItem(pos), 9);
    EXPECT_EQ(pos, nullptr);
    EXPECT_TRUE(list.EnsureVisible(900, FALSE));
    EXPECT_GT(list.GetTopIndex(), 800);
    list.SetItemCountEx(3);
    EXPECT_EQ(list.GetItemCount(), 3);
    list.DestroyWindow();

    // An ordinary report list keeps its texts and data and sorts by the data.
    CListCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(5, 5, 300, 150), &host, 401));
    plain.InsertColumn(0, L"Nama", LVCFMT_LEFT, 100);
    plain.InsertColumn(1, L"Nomor", LVCFMT_LEFT, 100);
    const wchar_t* names[] = {L"Citra", L"Adi", L"Budi"};
    for (int i = 0; i < 3; ++i)
    {
        int n = plain.InsertItem(i, names[i]);
        plain.SetItemText(n, 1, L"0812");
        plain.SetItemData(n, (DWORD_PTR)(30 - i * 10));
    }
    EXPECT_EQ(plain.GetItemCount(), 3);
    EXPECT_STREQ(plain.GetItemText(0, 0), L"Citra");
    EXPECT_STREQ(plain.GetItemText(2, 1), L"0812");
    EXPECT_EQ(plain.GetItemData(1), 20u);
    EXPECT_TRUE(plain.SortItems(CompareByData, 0));
    EXPECT_STREQ(plain.GetItemText(0, 0), L"Budi");
    EXPECT_STREQ(plain.GetItemText(2, 0), L"Citra");
    EXPECT_TRUE(plain.DeleteItem(0));
    EXPECT_STREQ(plain.GetItemText(0, 0), L"Adi");
    EXPECT_TRUE(plain.DeleteAllItems());
    EXPECT_EQ(plain.GetItemCount(), 0);
    plain.DestroyWindow();
    host.DestroyWindow();
}

TEST(Controls, TreeSpinAndAnimationWrappers)
{
    CTemplateBuilder tb(WS_POPUP | WS_CAPTION, 200, 150, L"Pohon");
    CDialog host;
    ASSERT_TRUE(host.CreateIndirect(tb.Get()));

    CTreeCtrl tree;
    ASSERT_TRUE(
        tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_SHOWSELALWAYS, CRect(0, 0, 150, 150), &host, 500));
    const wchar_t* folders[] = {L"Inbox", L"Outbox", L"Sent", L"Drafts"};
    HTREEITEM items[4];
    for (int i = 0; i < 4; ++i)
    {
        items[i] = tree.InsertItem(folders[i], i, i);
        tree.SetItemData(items[i], (DWORD_PTR)(100 + i));
    }
    HTREEITEM child = tree.InsertItem(L"Arsip", items[0]);
    EXPECT_EQ(tree.GetCount(), 5u);
    EXPECT_EQ(tree.GetRootItem(), items[0]);
    EXPECT_EQ(tree.GetNextSiblingItem(items[0]), items[1]);
    EXPECT_EQ(tree.GetChildItem(items[0]), child);
    EXPECT_EQ(tree.GetParentItem(child), items[0]);
    EXPECT_STREQ(tree.GetItemText(items[2]), L"Sent");
    EXPECT_EQ(tree.GetItemData(items[3]), 103u);
    int image = -1, selImage = -1;
    EXPECT_TRUE(tree.GetItemImage(items[1], image, selImage));
    EXPECT_EQ(image, 1);
    EXPECT_TRUE(tree.SelectItem(items[2]));
    EXPECT_EQ(tree.GetSelectedItem(), items[2]);
    EXPECT_TRUE(tree.SetItemText(items[2], L"Terkirim"));
    EXPECT_STREQ(tree.GetItemText(items[2]), L"Terkirim");
    EXPECT_TRUE(tree.DeleteItem(items[0]));
    EXPECT_EQ(tree.GetCount(), 3u);
    tree.DestroyWindow();

    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 60, 20), &host, 501));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(0, 0, 10, 20), &host, 502));
    spin.SetBuddy(&buddy);
    EXPECT_EQ(spin.GetBuddy()->m_hWnd, buddy.m_hWnd);
    spin.SetRange32(0, 59);
    int lo = -1, hi = -1;
    spin.GetRange32(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 59);
    spin.SetPos32(42);
    EXPECT_EQ(spin.GetPos32(), 42);
    CString text;
    buddy.GetWindowText(text);
    EXPECT_STREQ(text, L"42");

    CAnimateCtrl anim;
    ASSERT_TRUE(anim.Create(WS_CHILD | ACS_TRANSPARENT, CRect(0, 0, 16, 16), &host, 503));
    EXPECT_FALSE(anim.Open(4242)); // no such clip: a failure, not a crash
    anim.DestroyWindow();
    host.DestroyWindow();
}
