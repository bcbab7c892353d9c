// Dialogs: modal runs driven by posted messages, data exchange both ways, a failed validation
// whose message box is captured, dialog keyboard handling, idle messages, templates in memory,
// dialog-init data, ending during initialisation, a modeless dialog, and boxes inside a modal run (their
// owner, a click on the window they block, a run that throws while it is created).
#include <gtest/gtest.h>
#include "FramesTestApp.h"
#include "frames_test_ids.h"
#include "support/MessageBoxCapture.h"
#include <stdexcept>

namespace
{
class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(IDD_TESTDIALOG) {}
    int m_nNumber = 5;
    CString m_strName = L"awal";
    int m_nCheck = 1;
    int m_nRadio = 2;
    int m_nCombo = 1;
    CString m_strList = L"beta";
    int m_nKickIdle = 0;
    BOOL m_bVisibleAtIdle = FALSE;
    BOOL m_bOkOnIdle = FALSE;
    int m_nButton = 0;
    CEdit m_editName;
    std::function<void(CTestDialog*)> onInit; // script run at the end of OnInitDialog

    BOOL OnInitDialog() override
    {
        CComboBox* pCombo = (CComboBox*)GetDlgItem(IDC_DLG_COMBO);
        pCombo->AddString(L"nol");
        pCombo->AddString(L"satu");
        pCombo->AddString(L"dua");
        CListBox* pList = (CListBox*)GetDlgItem(IDC_DLG_LIST);
        pList->AddString(L"alfa");
        pList->AddString(L"beta");
        pList->AddString(L"gama");
        CDialog::OnInitDialog();
        if (onInit)
            onInit(this);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_DLG_NAME, m_editName);
        DDX_Text(pDX, IDC_DLG_NUMBER, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 1, 10);
        DDX_Text(pDX, IDC_DLG_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 8);
        DDX_Check(pDX, IDC_DLG_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_DLG_RADIO1, m_nRadio);
        DDX_CBIndex(pDX, IDC_DLG_COMBO, m_nCombo);
        DDX_LBString(pDX, IDC_DLG_LIST, m_strList);
    }
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKickIdle;
        m_bVisibleAtIdle = IsWindowVisible();
        if (m_bOkOnIdle)
        {
            m_bOkOnIdle = FALSE;
            PostMessage(WM_COMMAND, IDOK);
        }
        return FALSE;
    }
    void OnButton() { ++m_nButton; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
ON_BN_CLICKED(IDC_DLG_BUTTON, OnButton)
END_MESSAGE_MAP()

// A shown frame that is not the main window; destroying it deletes it.
CFrameWnd* NewShownFrame()
{
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->Create(nullptr, L"Utama", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 300, 200));
    return pFrame;
}

CString ItemText(CWnd* pDlg, int id)
{
    CString s;
    pDlg->GetDlgItemText(id, s);
    return s;
}
} // namespace

TEST(Dialog, ModalRunExchangesDataAndEndsWithOkOrCancel)
{
    CModalWatchdog watchdog;
    // OK: the controls show the members, the edits are changed, the members follow.
    CTestDialog dlg;
    CString shownNumber, shownName;
    int shownRadio3 = -1, shownCombo = -1;
    CString shownList;
    dlg.onInit = [&](CTestDialog* p) {
        shownNumber = ItemText(p, IDC_DLG_NUMBER);
        shownName = ItemText(p, IDC_DLG_NAME);
        shownRadio3 = (int)p->IsDlgButtonChecked(IDC_DLG_RADIO3);
        shownCombo = (int)p->SendDlgItemMessage(IDC_DLG_COMBO, CB_GETCURSEL);
        int sel = (int)p->SendDlgItemMessage(IDC_DLG_LIST, LB_GETCURSEL);
        wchar_t buf[32] = {};
        p->SendDlgItemMessage(IDC_DLG_LIST, LB_GETTEXT, sel, (LPARAM)buf);
        shownList = buf;
        p->SetDlgItemText(IDC_DLG_NUMBER, L" 9 ");
        p->m_editName.SetWindowText(L"baru");
        p->CheckDlgButton(IDC_DLG_CHECK, 0);
        p->CheckRadioButton(IDC_DLG_RADIO1, IDC_DLG_RADIO3, IDC_DLG_RADIO1);
        p->SendDlgItemMessage(IDC_DLG_COMBO, CB_SETCURSEL, 2);
        p->SendDlgItemMessage(IDC_DLG_LIST, LB_SETCURSEL, 0);
        p->m_bOkOnIdle = TRUE; // OK once the loop has gone idle
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(shownNumber, L"5");
    EXPECT_STREQ(shownName, L"awal");
    EXPECT_EQ(shownRadio3, 1);
    EXPECT_EQ(shownCombo, 1);
    EXPECT_STREQ(shownList, L"beta");
    EXPECT_EQ(dlg.m_nNumber, 9);
    EXPECT_STREQ(dlg.m_strName, L"baru");
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_nCombo, 2);
    EXPECT_STREQ(dlg.m_strList, L"alfa");
    EXPECT_GT(dlg.m_nKickIdle, 0);     // the modal loop ran idle passes
    EXPECT_TRUE(dlg.m_bVisibleAtIdle); // and showed the dialog at its first idle time
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_editName.m_hWnd, nullptr);

    // Cancel leaves the members alone.
    CTestDialog dlg2;
    dlg2.onInit = [](CTestDialog* p) {
        p->SetDlgItemText(IDC_DLG_NUMBER, L"3");
        p->PostMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(dlg2.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg2.m_nNumber, 5);

    // Enter typed into an edit reaches the default button through the dialog keyboard handling;
    // a click of another button runs its handler.
    CTestDialog dlg3;
    dlg3.onInit = [](CTestDialog* p) {
        HWND hEdit = p->GetDlgItem(IDC_DLG_NUMBER)->m_hWnd;
        ::PostMessageW(p->GetDlgItem(IDC_DLG_BUTTON)->m_hWnd, BM_CLICK, 0, 0);
        ::PostMessageW(hEdit, WM_KEYDOWN, VK_RETURN, 1);
    };
    EXPECT_EQ(dlg3.DoModal(), IDOK);
    EXPECT_EQ(dlg3.m_nButton, 1);
}

TEST(Dialog, ABoxForTheMainWindowDuringAModalDialogLeavesItDisabledUntilTheDialogEnds)
{
    CModalWatchdog watchdog;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"Utama", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 300, 200)));
    TestApp().m_pMainWnd = pFrame;
    const MessageBoxHandler previous = SetMessageBoxHandler(ShowBoxAnsweredWithOk);
    static BOOL s_bEnabled;
    CTestDialog dlg;
    dlg.onInit = [](CTestDialog* p) {
        p->SetTimer(1, 50, [](HWND hDlg, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(hDlg, id);
            PlatformMessageBox(AfxGetMainWnd()->m_hWnd, L"Isi", L"Kotak", MB_OK);
            s_bEnabled = AfxGetMainWnd()->IsWindowEnabled();
            ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
        });
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    SetMessageBoxHandler(previous);
    EXPECT_FALSE(s_bEnabled);
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    TestApp().m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
    DrainQuit();
}

TEST(Dialog, ABoxAskedForWhileAModalDialogIsCreatedHasAShownOwner)
{
    CModalWatchdog watchdog;
    CFrameWnd* pFrame = NewShownFrame();
    MessageBoxCapture boxes;
    BOOL bOwnerShown = FALSE;
    CTestDialog dlg;
    dlg.m_pParentWnd = pFrame;
    dlg.onInit = [&](CTestDialog* p) {
        PlatformMessageBox(pFrame->m_hWnd, L"Isi", L"Kotak", MB_OK); // the dialog is not shown yet
        bOwnerShown = ::IsWindowVisible(boxes.Last().owner);
        p->PostMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bOwnerShown);
    pFrame->DestroyWindow();
}

TEST(Dialog, AClickOnAWindowABoxBlocksBringsTheBoxAboveTheProgramsOtherWindows)
{
    const HWND hFrame = NewShownFrame()->m_hWnd;
    HWND hBar = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 40, 90, 90, hFrame, 0, 0, 0);
    HWND hBox = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 60, 60, 90, 90, hFrame, 0, 0, 0);
    ::EnableWindow(hFrame, FALSE);
    ::SetForegroundWindow(hBox);
    // A window manager raised the clicked window and what it keeps above it over the box.
    ::SetWindowPos(hBar, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(::GetForegroundWindow(), hBox);
    ::SendMessageW(hFrame, WM_SETCURSOR, (WPARAM)hFrame, MAKELPARAM(HTERROR, WM_LBUTTONDOWN));
    HWND h = hBox;
    while (h != nullptr && h != hBar)
        h = ::GetWindow(h, GW_HWNDNEXT);
    EXPECT_EQ(h, hBar);
    ::DestroyWindow(hFrame);
}

TEST(Dialog, ADialogThatThrowsWhileItIsCreatedLeavesNoModalRunBehind)
{
    struct CThrowingDialog : CDialog
    {
        void Run()
        {
            RunModal([this](CWnd*) -> BOOL {
                CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr);
                throw std::runtime_error("created half");
            });
        }
    } dlg;
    struct CThrowingSheet : CPropertySheet
    {
        BOOL Create(CWnd*, DWORD, DWORD) override { throw std::runtime_error("sheet not made"); }
    } sheet;
    CFrameWnd* pFrame = NewShownFrame();
    dlg.m_pParentWnd = sheet.m_pParentWnd = pFrame;
    // The frame each run disabled is enabled again.
    EXPECT_THROW(dlg.Run(), std::runtime_error);
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    EXPECT_THROW(sheet.DoModal(), std::runtime_error);
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    // Its window is no modal window: a box for the disabled frame is owned by the frame.
    pFrame->EnableWindow(FALSE);
    EXPECT_EQ(PlatformModalOwner(pFrame->m_hWnd), pFrame->m_hWnd);
    dlg.DestroyWindow();
    pFrame->DestroyWindow();
}

TEST(Dialog, FailedValidationTellsTheUserAndKeepsTheDialogOpen)
{
    CModalWatchdog watchdog;
    CTestDialog dlg;
    int okTries = 0;
    dlg.onInit = [&](CTestDialog* p) {
        p->SetDlgItemText(IDC_DLG_NUMBER, L"11");
        p->PostMessage(WM_COMMAND, IDOK);
    };
    // The first OK fails (11 is out of range): the box is shown, the focus goes back to the edit,
    // the number is corrected and OK is pressed again.
    CapturedMessageBoxes boxes([&](const MessageBoxRecord&) {
        ++okTries;
        HWND hEdit = ::GetDlgItem(dlg.m_hWnd, IDC_DLG_NUMBER);
        ::SetWindowTextW(hEdit, okTries == 1 ? L"abc" : L"10");
        dlg.PostMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_NE(boxes.boxes[0].text.Find(L"1 dan 10"), -1) << (LPCTSTR)boxes.boxes[0].text;
    EXPECT_STREQ(boxes.boxes[1].text, L"Masukkan bilangan bulat.");
    EXPECT_EQ(dlg.m_nNumber, 10);

    // Too long a text fails DDV_MaxChars; the limit is also set on the edit.
    CTestDialog dlg2;
    UINT limit = 0;
    dlg2.onInit = [&](CTestDialog* p) {
        limit = (UINT)p->m_editName.GetLimitText();
        p->m_editName.SendMessage(EM_SETLIMITTEXT, 0);
        p->m_editName.SetWindowText(L"terlalu panjang");
        p->PostMessage(WM_COMMAND, IDOK);
    };
    CapturedMessageBoxes boxes2([&](const MessageBoxRecord&) {
        dlg2.PostMessage(WM_COMMAND, IDCANCEL);
        return IDOK;
    });
    EXPECT_EQ(dlg2.DoModal(), IDCANCEL);
    EXPECT_EQ(limit, 8u);
    ASSERT_EQ(boxes2.boxes.size(), 1u);
    EXPECT_NE(boxes2.boxes[0].text.Find(L"8"), -1);
}

namespace
{
class CMemoryDialog : public CDialog
{
public:
    int m_nEndInInit = 0;
    CString m_strText = L"dari memori";
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_nEndInInit)
            EndDialog(m_nEndInInit);
        else
            PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
    int m_nListCount = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, 200, m_strText);
        if (pDX->m_bSaveAndValidate)
            m_nListCount = (int)::SendDlgItemMessageW(m_hWnd, 201, LB_GETCOUNT, 0, 0);
    }
};
} // namespace

TEST(Dialog, TemplatesInMemoryWithDialogInitDataAndEndingInInit)
{
    CModalWatchdog watchdog;
    CTemplateBuilder tb(WS_POPUP | WS_CAPTION | DS_MODALFRAME, 150, 80, L"Memori");
    tb.AddItem(200, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 5, 5, 100, 14);
    tb.AddItem(201, L"LISTBOX", L"", WS_BORDER, 5, 25, 100, 40);
    tb.AddItem(IDOK, L"BUTTON", L"OK", BS_DEFPUSHBUTTON, 110, 5, 35, 14);
    // Dialog-init data: two strings for the list box (8-bit texts with their zero).
    std::vector<BYTE> init;
    auto entry = [&](WORD id, WORD msg, const char* text) {
        DWORD len = (DWORD)strlen(text) + 1;
        init.insert(init.end(), {LOBYTE(id), HIBYTE(id), LOBYTE(msg), HIBYTE(msg)});
        for (int i = 0; i < 4; ++i)
            init.push_back((BYTE)(len >> (8 * i)));
        init.insert(init.end(), text, text + len);
    };
    entry(201, 0x0401, "pertama");
    entry(201, 0x0401, "kedua");
    init.push_back(0);
    init.push_back(0);

    CMemoryDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(tb.Get(), nullptr, init.data()));
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nListCount, 2);
    EXPECT_STREQ(dlg.m_strText, L"dari memori");

    // Ended in its initialisation: the code comes back without a loop, no window is left.
    CMemoryDialog dlg2;
    dlg2.m_nEndInInit = 42;
    dlg2.InitModalIndirect(tb.Get());
    EXPECT_EQ(dlg2.DoModal(), 42);
    EXPECT_EQ(dlg2.m_hWnd, nullptr);

    // A missing template fails at once.
    CDialog missing(9999);
    EXPECT_EQ(missing.DoModal(), -1);

    // The template's font can be read and replaced; the items survive.
    CDialogTemplate copy(tb.Get());
    CString face;
    WORD size = 0;
    ASSERT_TRUE(copy.GetFont(face, size));
    EXPECT_STREQ(face, L"MS Shell Dlg");
    EXPECT_EQ(size, 8);
    ASSERT_TRUE(copy.SetFont(L"Tahoma Besar Sekali", 10));
    ASSERT_TRUE(copy.GetFont(face, size));
    EXPECT_STREQ(face, L"Tahoma Besar Sekali");
    EXPECT_EQ(size, 10);
    EXPECT_EQ(copy.m_dwTemplateSize, CDialogTemplate::GetTemplateSize((const DLGTEMPLATE*)copy.m_hTemplate));
    CMemoryDialog dlg3;
    dlg3.InitModalIndirect((LPCDLGTEMPLATE)copy.m_hTemplate);
    EXPECT_EQ(dlg3.DoModal(), IDOK); // every item is still there (DDX finds the edit)
    // An extended template from the resources.
    CDialogTemplate res;
    ASSERT_TRUE(res.Load(MAKEINTRESOURCEW(IDD_TESTDIALOG)));
    ASSERT_TRUE(res.GetFont(face, size));
    EXPECT_STREQ(face, L"MS Shell Dlg");
    SIZE units;
    res.GetSizeInDialogUnits(&units);
    EXPECT_EQ(units.cx, 220);
    EXPECT_EQ(units.cy, 140);
    ASSERT_TRUE(res.SetFont(L"Arial", 9));
    ASSERT_TRUE(res.GetFont(face, size));
    EXPECT_STREQ(face, L"Arial");
    // A window class in the template: the dialog is created with it, its items intact.
    ASSERT_TRUE(copy.SetClassName(CFormView::FormViewClass()));
    ASSERT_TRUE(copy.GetFont(face, size));
    EXPECT_STREQ(face, L"Tahoma Besar Sekali");
    CMemoryDialog dlg4;
    dlg4.InitModalIndirect((LPCDLGTEMPLATE)copy.m_hTemplate);
    EXPECT_EQ(dlg4.DoModal(), IDOK);
}

TEST(Dialog, ModelessDialogLivesBesideTheLoop)
{
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TESTDIALOG));
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
    EXPECT_STREQ(ItemText(&dlg, IDC_DLG_NUMBER), L"5"); // OnInitDialog exchanged the data
    dlg.ShowWindow(SW_SHOW);
    ::PostMessageW(dlg.GetDlgItem(IDC_DLG_BUTTON)->m_hWnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_nButton == 1; }));
    dlg.SetDlgItemText(IDC_DLG_NUMBER, L"7");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nNumber, 7);
    // Cancel of a modeless dialog hides it; the object destroys it.
    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}
