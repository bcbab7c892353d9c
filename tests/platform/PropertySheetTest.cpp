// Property sheets over the common-control sheet: pages from resources, switching pages,
// activation notifications, apply on OK, modal and modeless runs, adding and removing pages.
#include <gtest/gtest.h>
#include "FramesTestApp.h"
#include "frames_test_ids.h"

namespace
{
class CPage1 : public CPropertyPage
{
public:
    CPage1() : CPropertyPage(IDD_TESTPAGE1) {}
    CString m_strText = L"isi";
    int m_nSetActive = 0, m_nKillActive = 0, m_nApply = 0, m_nCreates = 0;
    std::function<void(CPage1*)> onFirstActive;

    BOOL OnSetActive() override
    {
        ++m_nSetActive;
        BOOL r = CPropertyPage::OnSetActive();
        if (m_nSetActive == 1 && onFirstActive)
            onFirstActive(this);
        return r;
    }
    BOOL OnKillActive() override
    {
        ++m_nKillActive;
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override
    {
        ++m_nApply;
        return CPropertyPage::OnApply();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE1_EDIT, m_strText); }
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++m_nCreates; // the page's own map sees its creation
        return CPropertyPage::OnCreate(lpcs);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPage1, CPropertyPage)
ON_WM_CREATE()
END_MESSAGE_MAP()

class CPage2 : public CPropertyPage
{
public:
    CPage2() : CPropertyPage(IDD_TESTPAGE2, IDS_PAGE2_CAPTION) {}
    int m_nCheck = 0;
    int m_nSetActive = 0, m_nApply = 0, m_nReset = 0;
    std::function<void(CPage2*)> onActive;
    BOOL OnSetActive() override
    {
        ++m_nSetActive;
        BOOL r = CPropertyPage::OnSetActive();
        if (onActive)
            onActive(this);
        return r;
    }
    BOOL OnApply() override
    {
        ++m_nApply;
        return CPropertyPage::OnApply();
    }
    void OnReset() override { ++m_nReset; }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, IDC_PAGE2_CHECK, m_nCheck); }
};
} // namespace

TEST(PropSheet, ModalSheetSwitchesPagesAndAppliesOnOk)
{
    CModalWatchdog watchdog;
    CPropertySheet sheet(L"Pengaturan");
    CPage1 page1;
    CPage2 page2;
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.GetPage(1), &page2);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);

    int activeIndexSeen = -1;
    CPropertyPage* activePageSeen = nullptr;
    int tabCount = 0;
    CString tabText;
    page1.onFirstActive = [&](CPage1* p) {
        p->SetDlgItemText(IDC_PAGE1_EDIT, L"diketik");
        // Switch pages once the sheet is up.
        p->GetParent()->PostMessage(PSM_SETCURSEL, 1, 0);
    };
    page2.onActive = [&](CPage2* p) {
        activeIndexSeen = sheet.GetActiveIndex();
        activePageSeen = sheet.GetActivePage();
        CTabCtrl* pTab = sheet.GetTabControl();
        tabCount = pTab->GetItemCount();
        wchar_t buf[32] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = buf;
        item.cchTextMax = 32;
        pTab->GetItem(1, &item);
        tabText = buf;
        p->CheckDlgButton(IDC_PAGE2_CHECK, 1);
        p->SetModified();
        p->GetParent()->PostMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
    };
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(activeIndexSeen, 1);
    EXPECT_EQ(activePageSeen, &page2);
    EXPECT_EQ(tabCount, 2);
    EXPECT_STREQ(tabText, L"Kedua"); // the caption string replaces the template's
    EXPECT_EQ(page1.m_nCreates, 1);
    EXPECT_EQ(page1.m_nKillActive, 1);
    EXPECT_STREQ(page1.m_strText, L"diketik"); // leaving the page saved its data
    EXPECT_EQ(page1.m_nApply, 1);
    EXPECT_EQ(page2.m_nApply, 1);
    EXPECT_EQ(page2.m_nCheck, 1);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(page1.m_hWnd, nullptr);

    // Cancel: every created page is reset, nothing applied.
    CPropertySheet sheet2(L"Batal");
    CPage1 p1;
    CPage2 p2;
    sheet2.AddPage(&p1);
    sheet2.AddPage(&p2);
    sheet2.SetActivePage(1);
    p2.onActive = [](CPage2* p) { p->GetParent()->PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0); };
    EXPECT_EQ(sheet2.DoModal(), IDCANCEL);
    EXPECT_EQ(p1.m_nSetActive, 0); // started on the second page
    EXPECT_EQ(p2.m_nReset, 1);
    EXPECT_EQ(p2.m_nApply, 0);
}

TEST(PropSheet, ModelessSheetChangesPagesThroughItsInterface)
{
    CPropertySheet sheet(L"Tanpa modal");
    CPage1 page1;
    CPage2 page2;
    sheet.AddPage(&page1);
    ASSERT_TRUE(sheet.Create());
    ASSERT_NE(sheet.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(sheet.m_hWnd), &sheet);
    EXPECT_EQ(sheet.GetActivePage(), &page1);
    EXPECT_EQ(CWnd::FromHandlePermanent(page1.m_hWnd), &page1);
    EXPECT_STREQ(
        [&] {
            CString s;
            page1.GetDlgItemText(IDC_PAGE1_EDIT, s);
            return s;
        }(),
        L"isi");

    // A page added to the live sheet, then made active.
    sheet.AddPage(&page2);
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_TRUE(sheet.SetActivePage(&page2));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(sheet.GetActivePage(), &page2);
    EXPECT_EQ(page1.m_nKillActive, 1);
    EXPECT_FALSE(sheet.SetActivePage(5));

    sheet.RemovePage(&page1);
    EXPECT_EQ(sheet.GetPageCount(), 1);
    EXPECT_EQ(sheet.GetActivePage(), &page2);
    sheet.DestroyWindow();
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(page2.m_hWnd, nullptr);
}

namespace
{
const UINT ID_PAGE_COMMAND = 40010;
class CCommandPage : public CPage1
{
public:
    int m_nCommands = 0;

protected:
    void OnPageCommand() { ++m_nCommands; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCommandPage, CPage1)
ON_COMMAND(ID_PAGE_COMMAND, OnPageCommand)
END_MESSAGE_MAP()
} // namespace

TEST(PropSheet, EmbeddedSheetIsAChildWithoutButtonsAndRoutesCommandsToItsPage)
{
    CTemplateBuilder tb(WS_POPUP | WS_CAPTION, 260, 180, L"Wadah");
    CDialog host;
    ASSERT_TRUE(host.CreateIndirect(tb.Get()));
    CPropertySheet sheet;
    CCommandPage page;
    CPage2 page2;
    sheet.AddPage(&page);
    sheet.AddPage(&page2);
    ASSERT_TRUE(sheet.Create(&host, WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    EXPECT_NE(sheet.GetStyle() & WS_CHILD, 0u);
    EXPECT_EQ(::GetParent(sheet.m_hWnd), host.m_hWnd);
    HWND hOk = ::GetDlgItem(sheet.m_hWnd, IDOK);
    EXPECT_TRUE(hOk == nullptr || !::IsWindowVisible(hOk));
    EXPECT_NE(sheet.GetTabControl(), nullptr);

    // A command sent to the sheet reaches the active page's handler.
    sheet.SendMessage(WM_COMMAND, ID_PAGE_COMMAND);
    EXPECT_EQ(page.m_nCommands, 1);
    sheet.SetActivePage(1);
    sheet.SendMessage(WM_COMMAND, ID_PAGE_COMMAND);
    EXPECT_EQ(page.m_nCommands, 1); // the other page has no handler
    sheet.DestroyWindow();
    host.DestroyWindow();
}
