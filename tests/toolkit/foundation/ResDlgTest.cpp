// Resource-based dialogs, pages and sheets on real windows: modal runs ended by posted commands,
// ending during initialisation, modeless creation, missing templates, dialog-init data applied
// once, the property-sheet font rule for dialogs and pages, and the dialog-init walk fed
// truncated, garbage and mutated data.
#include <gtest/gtest.h>
#include "FoundationTestSupport.h"
#include "foundation_test_ids.h"
#include "toolkit/foundation/ExtResDlg.h"
#include "toolkit/foundation/ExtResPP.h"
#include "toolkit/foundation/ExtResPS.h"
#include <functional>
#include <random>

namespace
{
class CListsDlg : public CExtResDlg
{
public:
    explicit CListsDlg(UINT nID = IDD_FT_LISTS) : CExtResDlg(nID) {}
    std::function<void(CListsDlg*)> onInit;
    int m_nListCount = -1;
    int m_nComboCount = -1;
    bool m_bLoopEntered = false;

    BOOL OnInitDialog() override
    {
        BOOL b = CExtResDlg::OnInitDialog();
        if (CWnd* pList = GetDlgItem(IDC_FT_LIST))
            m_nListCount = (int)pList->SendMessage(LB_GETCOUNT);
        if (CWnd* pCombo = GetDlgItem(IDC_FT_COMBO))
            m_nComboCount = (int)pCombo->SendMessage(CB_GETCOUNT);
        if (onInit)
            onInit(this);
        return b;
    }
    int RunModalLoop(DWORD dwFlags) override
    {
        m_bLoopEntered = true;
        return CExtResDlg::RunModalLoop(dwFlags);
    }
};

CString ListText(HWND hList, int i)
{
    wchar_t buf[64] = {};
    ::SendMessageW(hList, LB_GETTEXT, (WPARAM)i, (LPARAM)buf);
    return buf;
}

CString FontFace(HWND hWnd)
{
    HFONT hFont = (HFONT)::SendMessageW(hWnd, WM_GETFONT, 0, 0);
    LOGFONTW lf = {};
    if (hFont == nullptr || ::GetObjectW(hFont, sizeof lf, &lf) == 0)
        return L"";
    return lf.lfFaceName;
}

struct SheetFont
{
    bool ok = false;
    CString face;
    WORD size = 0;
};
SheetFont QuerySheetFont(bool bWizard)
{
    SheetFont f;
    f.ok = CExtResPP::GetPropSheetFont(f.face, f.size, bWizard);
    return f;
}

// The face a template of this face and size is created in, by the rule of the toolkit.
CString ExpectedDialogFace(const SheetFont& sheet, const CString& face, WORD size)
{
    const bool bAdjustable = face == L"MS Shell Dlg" || face == L"MS Sans Serif";
    return sheet.ok && bAdjustable && size == sheet.size ? sheet.face : face;
}

// Reads a common-control sheet template's font with the platform's own template reader.
bool ComCtlTemplateFont(WORD nID, CString& face, WORD& size)
{
    HMODULE h = ::GetModuleHandleW(L"COMCTL32.DLL");
    HRSRC hInfo = h ? ::FindResourceExW(h, RT_DIALOG, MAKEINTRESOURCEW(nID), 0x0409) : nullptr;
    HGLOBAL hRes = hInfo ? ::LoadResource(h, hInfo) : nullptr;
    const DLGTEMPLATE* p = hRes ? (const DLGTEMPLATE*)::LockResource(hRes) : nullptr;
    return p != nullptr && CDialogTemplate::GetFont(p, face, size);
}
} // namespace

TEST(ResDlgModal, PostedOkAndCancelEndTheRunAndInitDataFillsTheListsOnce)
{
    CModalGuard guard;
    CListsDlg dlg;
    dlg.onInit = [](CListsDlg* p) { p->PostMessage(WM_COMMAND, IDOK); };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bLoopEntered);
    EXPECT_EQ(dlg.m_nListCount, 2);
    EXPECT_EQ(dlg.m_nComboCount, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);

    CListsDlg dlg2;
    dlg2.onInit = [](CListsDlg* p) { p->PostMessage(WM_COMMAND, IDCANCEL); };
    EXPECT_EQ(dlg2.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg2.m_nListCount, 2);
}

TEST(ResDlgModal, EndDialogInsideInitialisationReturnsItsCodeWithoutTheLoop)
{
    CModalGuard guard;
    CListsDlg dlg(IDD_FT_ENDS_IN_INIT);
    dlg.onInit = [](CListsDlg* p) { p->EndDialog(42); };
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_FALSE(dlg.m_bLoopEntered);
    EXPECT_EQ(dlg.m_hWnd, nullptr);

    // Modeless: the creation answers true and leaves no window.
    CListsDlg dlg2(IDD_FT_ENDS_IN_INIT);
    dlg2.onInit = [](CListsDlg* p) { p->EndDialog(7); };
    EXPECT_TRUE(dlg2.Create(IDD_FT_ENDS_IN_INIT));
    EXPECT_EQ(dlg2.m_hWnd, nullptr);
}

TEST(ResDlgModeless, CreateByIdMakesTheWindowWithItsInitData)
{
    CListsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_FT_LISTS));
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_lpszResTemplateName, MAKEINTRESOURCEW(IDD_FT_LISTS));
    EXPECT_EQ(dlg.m_nIDHelp, (UINT)IDD_FT_LISTS);
    HWND hList = ::GetDlgItem(dlg.m_hWnd, IDC_FT_LIST);
    ASSERT_EQ(::SendMessageW(hList, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ListText(hList, 0), L"alfa");
    EXPECT_EQ(ListText(hList, 1), L"beta");
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(ResDlgMissing, AMissingTemplateGivesFalseAndMinusOne)
{
    CListsDlg dlg(IDD_FT_LISTS + 90);
    EXPECT_FALSE(dlg.Create(IDD_FT_LISTS + 90));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    CListsDlg dlg2(IDD_FT_LISTS + 90);
    EXPECT_EQ(dlg2.DoModal(), -1);
    CListsDlg dlg3;
    EXPECT_FALSE(dlg3.Create(L"NOSUCHDIALOG"));
}

TEST(ResDlgFont, AdjustableFacesAtTheSheetSizeTakeTheSheetFace)
{
    const SheetFont sheet = QuerySheetFont(false);
    struct Case
    {
        UINT nID;
        const wchar_t* face;
        WORD size;
    } const cases[] = {{IDD_FT_SHELLDLG_8, L"MS Shell Dlg", 8},
                       {IDD_FT_SANSSERIF_8, L"MS Sans Serif", 8},
                       {IDD_FT_SANSSERIF_10, L"MS Sans Serif", 10},
                       {IDD_FT_ARIAL_8, L"Arial", 8}};
    for (const Case& c : cases)
    {
        CListsDlg dlg(c.nID);
        ASSERT_TRUE(dlg.Create(c.nID)) << c.nID;
        EXPECT_EQ(FontFace(dlg.m_hWnd), ExpectedDialogFace(sheet, c.face, c.size)) << c.nID;
        dlg.DestroyWindow();

        // The template copy itself: made only when the face changes.
        HRSRC hInfo = ::FindResourceW(nullptr, MAKEINTRESOURCEW(c.nID), RT_DIALOG);
        const DLGTEMPLATE* p = (const DLGTEMPLATE*)::LockResource(::LoadResource(nullptr, hInfo));
        HGLOBAL hCopy = CExtResDlg::AdjustTemplateFont(p, ::SizeofResource(nullptr, hInfo));
        const bool bChanges = ExpectedDialogFace(sheet, c.face, c.size) != c.face;
        EXPECT_EQ(hCopy != nullptr, bChanges) << c.nID;
        if (hCopy != nullptr)
        {
            CString face;
            WORD size = 0;
            ASSERT_TRUE(CDialogTemplate::GetFont((const DLGTEMPLATE*)hCopy, face, size));
            EXPECT_EQ(face, sheet.face);
            EXPECT_EQ(size, sheet.size);
            ::GlobalFree(hCopy);
        }
    }
}

TEST(ResDlgFont, TemplateFontsAreReadInsideTheTemplate)
{
    HRSRC hInfo = ::FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_FT_ARIAL_8), RT_DIALOG);
    const DLGTEMPLATE* p = (const DLGTEMPLATE*)::LockResource(::LoadResource(nullptr, hInfo));
    const DWORD cb = ::SizeofResource(nullptr, hInfo);
    CString face;
    WORD size = 0;
    ASSERT_TRUE(ExtReadDialogTemplateFont(p, cb, face, size));
    EXPECT_EQ(face, L"Arial");
    EXPECT_EQ(size, 8);
    // Every cut inside the header and the font ends in false, never in a read past the cut.
    std::vector<BYTE> bytes((const BYTE*)p, (const BYTE*)p + cb);
    for (DWORD n = 0; n < 26 + 2 * 8; ++n)
    {
        std::vector<BYTE> cut(bytes.begin(), bytes.begin() + n);
        EXPECT_FALSE(ExtReadDialogTemplateFont(cut.empty() ? nullptr : (const DLGTEMPLATE*)cut.data(), n, face, size))
            << n;
    }
}

TEST(ResSheetFont, WizardsAndNormalSheetsKeepTheirOwnFont)
{
    CString face;
    WORD size = 0;
    // Queried wizard first, then normal, then wizard again: each answers its own template.
    const SheetFont wizard = QuerySheetFont(true);
    const SheetFont normal = QuerySheetFont(false);
    const SheetFont wizardAgain = QuerySheetFont(true);
    ASSERT_TRUE(ComCtlTemplateFont(1020, face, size));
    ASSERT_TRUE(wizard.ok);
    EXPECT_EQ(wizard.face, face);
    EXPECT_EQ(wizard.size, size);
    EXPECT_EQ(wizardAgain.face, face);
    EXPECT_EQ(wizardAgain.size, size);
    ASSERT_TRUE(ComCtlTemplateFont(1006, face, size));
    ASSERT_TRUE(normal.ok);
    EXPECT_EQ(normal.face, face);
    EXPECT_EQ(normal.size, size);
}

namespace
{
class CListPage : public CExtResPP
{
public:
    explicit CListPage(UINT nID, UINT nCaption = 0) : CExtResPP(nID, nCaption) {}
};
} // namespace

TEST(ResSheet, ThreePagesTakeTheSheetFontAndTheirInitData)
{
    const SheetFont sheetFont = QuerySheetFont(false);
    ASSERT_TRUE(sheetFont.ok);
    CExtResPS sheet(L"Lembar");
    CListPage page1(IDD_FT_PAGE1, IDS_FT_CAPTION);
    CListPage page2(IDD_FT_PAGE2);
    CListPage page3(IDD_FT_PAGE3);
    EXPECT_EQ(page1.m_psp.dwSize, sizeof(PROPSHEETPAGEW));
    EXPECT_EQ(page1.m_psp.hInstance, ::GetModuleHandleW(nullptr));
    EXPECT_TRUE(page1.m_psp.dwFlags & PSP_USETITLE);
    EXPECT_EQ(page1.m_strCaption, L"Page");
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    sheet.AddPage(&page3);
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetActivePage(), &page1);
    HWND hList = ::GetDlgItem(page1.m_hWnd, IDC_FT_LIST);
    ASSERT_EQ(::SendMessageW(hList, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(ListText(hList, 0), L"delta");
    EXPECT_EQ(FontFace(page1.m_hWnd), sheetFont.face);

    ASSERT_TRUE(sheet.SetActivePage(2));
    EXPECT_EQ(sheet.GetActiveIndex(), 2);
    EXPECT_EQ(sheet.GetActivePage(), &page3);
    EXPECT_EQ(FontFace(page3.m_hWnd), sheetFont.face); // was Arial 10
    ASSERT_TRUE(sheet.SetActivePage(&page2));
    EXPECT_EQ(FontFace(page2.m_hWnd), sheetFont.face);
    sheet.DestroyWindow();
    EXPECT_EQ(page1.m_hWnd, nullptr);
}

namespace
{
// A parent window with a list box and an extended combo box, for the dialog-init walk.
class CInitTarget
{
public:
    CInitTarget()
    {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
        m_hList = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 100, 100, m_hWnd, (HMENU)IDC_FT_LIST, nullptr,
                                    nullptr);
        m_hComboEx = ::CreateWindowExW(0, WC_COMBOBOXEXW, L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 100, m_hWnd,
                                       (HMENU)IDC_FT_COMBO, nullptr, nullptr);
    }
    ~CInitTarget() { ::DestroyWindow(m_hWnd); }
    CWnd* Wnd() { return CWnd::FromHandle(m_hWnd); }
    int ListCount() { return (int)::SendMessageW(m_hList, LB_GETCOUNT, 0, 0); }
    HWND m_hWnd, m_hList, m_hComboEx;
};

void PutEntry(std::vector<BYTE>& v, WORD id, WORD msg, const std::string& text)
{
    auto put16 = [&](WORD w) {
        v.push_back((BYTE)w);
        v.push_back((BYTE)(w >> 8));
    };
    put16(id);
    put16(msg);
    const DWORD len = (DWORD)text.size();
    for (int i = 0; i < 4; ++i)
        v.push_back((BYTE)(len >> (8 * i)));
    v.insert(v.end(), text.begin(), text.end());
}
} // namespace

TEST(DlgInitWalk, TextsAreTakenByTheirLengthAndTheWalkStaysInsideTheData)
{
    CInitTarget target;
    std::vector<BYTE> data;
    PutEntry(data, IDC_FT_LIST, 0x0401, "abc"); // not terminated
    PutEntry(data, IDC_FT_LIST, 0x0401, std::string("de\0zz", 5));
    PutEntry(data, IDC_FT_COMBO, 0x1234, "ekstra");
    PutEntry(data, IDC_FT_COMBO, 0x040B, "lagi");
    PutEntry(data, IDC_FT_LIST, 0x9999, "dilewati"); // unknown messages are skipped
    data.push_back(0);
    data.push_back(0);
    std::vector<BYTE> exact(data);
    ASSERT_TRUE(ExecuteDlgInitData(target.Wnd(), exact.data(), (DWORD)exact.size()));
    ASSERT_EQ(target.ListCount(), 2);
    EXPECT_EQ(ListText(target.m_hList, 0), L"abc");
    EXPECT_EQ(ListText(target.m_hList, 1), L"de");
    EXPECT_EQ(::SendMessageW(target.m_hComboEx, CB_GETCOUNT, 0, 0), 2);

    // Without the closing id 0 the end of the data ends the list.
    ::SendMessageW(target.m_hList, LB_RESETCONTENT, 0, 0);
    std::vector<BYTE> open(data.begin(), data.end() - 2);
    EXPECT_TRUE(ExecuteDlgInitData(target.Wnd(), open.data(), (DWORD)open.size()));
    EXPECT_EQ(target.ListCount(), 2);

    // An entry whose header or text runs past the end fails; the entries before it stay.
    ::SendMessageW(target.m_hList, LB_RESETCONTENT, 0, 0);
    std::vector<BYTE> cut(data.begin(), data.begin() + 11 + 8 + 3);
    EXPECT_FALSE(ExecuteDlgInitData(target.Wnd(), cut.data(), (DWORD)cut.size()));
    EXPECT_EQ(target.ListCount(), 1);
    std::vector<BYTE> header(data.begin(), data.begin() + 5);
    EXPECT_FALSE(ExecuteDlgInitData(target.Wnd(), header.data(), (DWORD)header.size()));
    std::vector<BYTE> huge;
    PutEntry(huge, IDC_FT_LIST, 0x0401, "x");
    huge[4] = 0xFF;
    huge[7] = 0x7F;
    EXPECT_FALSE(ExecuteDlgInitData(target.Wnd(), huge.data(), (DWORD)huge.size()));

    // No data succeeds.
    EXPECT_TRUE(ExecuteDlgInitData(target.Wnd(), nullptr, 0));
}

TEST(DlgInitWalk, MutatedDataNeverReadsPastItsEnd)
{
    std::vector<BYTE> good;
    PutEntry(good, IDC_FT_LIST, 0x0401, "satu");
    PutEntry(good, IDC_FT_COMBO, 0x0403, "dua");
    PutEntry(good, IDC_FT_COMBO, 0x1234, "tiga");
    PutEntry(good, IDC_FT_LIST, 0x0401, "empat");
    good.push_back(0);
    good.push_back(0);
    std::mt19937 rng(4242);
    auto mutate = [&] {
        std::vector<BYTE> data = good;
        const int nFlips = 1 + (int)(rng() % 3);
        for (int k = 0; k < nFlips; ++k)
            data[rng() % data.size()] = (BYTE)rng();
        data.resize(rng() % (data.size() + 1));
        return data;
    };
    // The entry reader, which every walk goes through.
    int nComplete = 0;
    for (int round = 0; round < 100000; ++round)
    {
        const std::vector<BYTE> exact = mutate();
        const BYTE* const pBegin = exact.data();
        const BYTE* p = pBegin;
        DWORD cbLeft = (DWORD)exact.size();
        PlatformDlgInitEntry entry;
        int nRead;
        while ((nRead = PlatformReadDlgInitEntry(p, cbLeft, entry)) > 0)
        {
            ASSERT_GE((const BYTE*)entry.pText, pBegin + 8);
            ASSERT_LE((const BYTE*)entry.pText + entry.cbText, pBegin + exact.size());
            ASSERT_EQ(p + cbLeft, pBegin + exact.size());
        }
        if (nRead == 0)
            ++nComplete;
    }
    EXPECT_GT(nComplete, 0);

    // The whole step on real controls, fewer rounds (each send is a window message).
    CInitTarget target;
    int nOk = 0;
    for (int round = 0; round < 3000; ++round)
    {
        const std::vector<BYTE> exact = mutate();
        if (ExecuteDlgInitData(target.Wnd(), exact.empty() ? nullptr : exact.data(), (DWORD)exact.size()))
            ++nOk;
        if (round % 64 == 0)
        {
            ::SendMessageW(target.m_hList, LB_RESETCONTENT, 0, 0);
            ::SendMessageW(target.m_hComboEx, CB_RESETCONTENT, 0, 0);
        }
    }
    EXPECT_GT(nOk, 0);
}

TEST(ResSheet, PagesOfferHelpExactlyWhenTheApplicationHasAHelpFile)
{
    CWinApp* pApp = AfxGetApp();
    ASSERT_NE(pApp, nullptr);
    ASSERT_EQ(pApp->m_pszHelpFilePath, nullptr);
    CListPage withoutHelp(IDD_FT_PAGE1, IDS_FT_CAPTION);
    EXPECT_EQ(withoutHelp.m_psp.dwFlags & PSP_HASHELP, 0u);
    pApp->m_pszHelpFilePath = _wcsdup(L"C:\\corvane.chm");
    CListPage withHelp(IDD_FT_PAGE1, IDS_FT_CAPTION);
    CListPage withHelpNoCaption(IDD_FT_PAGE1);
    free((void*)pApp->m_pszHelpFilePath);
    pApp->m_pszHelpFilePath = nullptr;
    EXPECT_NE(withHelp.m_psp.dwFlags & PSP_HASHELP, 0u);
    EXPECT_NE(withHelpNoCaption.m_psp.dwFlags & PSP_HASHELP, 0u);
    EXPECT_NE(withHelp.m_psp.dwFlags & PSP_USETITLE, 0u);
}
