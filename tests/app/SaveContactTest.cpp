// The save-contact dialog: the kinds, the categories, the file-as choices, the three errors, and
// its results saved to the Outlook stand-in as the view does.
#include "app/DlgSaveContact.h"
#include "phone/FakeOutlook.h"
#include "phone/OutlookContacts.h"
#include "res/app_tools_ids.h"
#include "support/MessageBoxCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<CString> Items(CComboBox& combo)
{
    std::vector<CString> v;
    for (int i = 0; i < combo.GetCount(); ++i)
    {
        CString s;
        combo.GetLBText(i, s);
        v.push_back(s);
    }
    return v;
}

void Type(CDlgSaveContact& dlg, CEdit& edit, LPCWSTR text)
{
    edit.SetWindowText(text); // EN_CHANGE reaches the dialog
    (void)dlg;
}

void Save(CDlgSaveContact& dlg) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }
} // namespace

TEST(SaveContactTest, KindsCategoriesAndTheFileAsChoicesInTheirOrder)
{
    CDlgSaveContact dlg;
    dlg.SetCategoryList(L"Kantor| |Keluarga||  Teman |");
    ASSERT_TRUE(dlg.Create(IDD_SAVE_CONTACT, nullptr));
    const std::vector<CString> kinds = Items(dlg.m_wndKind);
    ASSERT_EQ(kinds.size(), 11u);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(kinds[i], CDlgSaveContact::s_kindNames[i]);
    EXPECT_EQ(kinds[0], L"Business Fax");
    EXPECT_EQ(kinds[10], L"Radio");
    EXPECT_EQ(dlg.m_wndKind.GetCurSel(), 3);
    EXPECT_EQ(dlg.m_strKind, L"Mobile Number");
    EXPECT_EQ(Items(dlg.m_wndCategory), (std::vector<CString>{L"Kantor", L"Keluarga", L"Teman"}));
    EXPECT_EQ(dlg.m_arrCategories.GetSize(), 3);
    EXPECT_FALSE(dlg.IsSizeGripShown());

    // Only a last name: just that name.
    Type(dlg, dlg.m_wndLastName, L"Santoso");
    EXPECT_EQ(Items(dlg.m_wndFileAs), (std::vector<CString>{L"Santoso"}));
    EXPECT_EQ(dlg.m_strFileAs, L"Santoso");
    // Both: six choices, the first name preselected.
    Type(dlg, dlg.m_wndFirstName, L"Budi");
    EXPECT_EQ(Items(dlg.m_wndFileAs), (std::vector<CString>{L"Budi", L"Santoso", L"Budi, Santoso", L"Budi Santoso",
                                                            L"Santoso, Budi", L"Santoso Budi"}));
    EXPECT_EQ(dlg.m_strFileAs, L"Budi");
    // Only a first name.
    Type(dlg, dlg.m_wndLastName, L"");
    EXPECT_EQ(Items(dlg.m_wndFileAs), (std::vector<CString>{L"Budi"}));
    // A kind chosen.
    dlg.m_wndKind.SetCurSel(4);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONTACT_KIND, CBN_SELENDOK), (LPARAM)dlg.m_wndKind.GetSafeHwnd());
    EXPECT_EQ(dlg.m_strKind, L"Home");
    dlg.DestroyWindow();
}

TEST(SaveContactTest, SimpanChecksNamesFileAsAndNumberThenSavesThroughOutlook)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        fake::OutlookServer server;
        ASSERT_TRUE(server.Registered());
        MessageBoxCapture boxes;
        CDlgSaveContact dlg;
        dlg.SetCategoryList(L"Kantor|");
        ASSERT_TRUE(dlg.Create(IDD_SAVE_CONTACT, nullptr));
        Save(dlg);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"Nama awal/akhir kontak harus diisi");
        EXPECT_EQ(boxes.Last().title, L"Error");
        Type(dlg, dlg.m_wndFirstName, L"Dewi");
        dlg.m_wndFileAs.ResetContent();
        dlg.m_wndFileAs.SetWindowText(L"");
        Save(dlg);
        ASSERT_EQ(boxes.Count(), 2u);
        EXPECT_EQ(boxes.Last().text, L"Nama kontak yang akan disimpan harus diisi");
        // A file-as text typed by hand is the one returned.
        dlg.m_wndFileAs.SetWindowText(L"Bu Dewi");
        Save(dlg);
        ASSERT_EQ(boxes.Count(), 3u);
        EXPECT_EQ(boxes.Last().text, L"Nomor kontak harus diisi");
        EXPECT_NE(dlg.m_nModalResult, IDOK);
        dlg.m_wndNumber.SetWindowText(L"0812 345");
        dlg.m_wndCategory.SetWindowText(L"Kantor");
        Save(dlg);
        EXPECT_EQ(boxes.Count(), 3u);
        EXPECT_EQ(dlg.m_nModalResult, IDOK);
        EXPECT_EQ(dlg.m_strFileAs, L"Bu Dewi");
        EXPECT_EQ(dlg.m_strCategory, L"Kantor");
        EXPECT_TRUE(SaveContactToOutlook(dlg.m_strFirstName, dlg.m_strLastName, dlg.m_strKind, dlg.m_strNumber,
                                         dlg.m_strFileAs, dlg.m_strCategory));
        ASSERT_EQ(server.app()->created.size(), 1u);
        const fake::Contact& c = *server.app()->created[0];
        EXPECT_EQ(c.props.at(L"FirstName"), L"Dewi");
        EXPECT_EQ(c.props.at(L"FileAs"), L"Bu Dewi");
        EXPECT_EQ(c.props.at(L"MobileTelephoneNumber"), L"0812 345");
        EXPECT_EQ(c.props.at(L"Categories"), L"Kantor");
        dlg.DestroyWindow();
    }
    CoUninitialize();
}
