// The tool commands in the running program: each opens its dialog (found by its title, closed
// from a timer), the search through the frame, the SMS log from the "LOG" button after a send,
// the list refreshed after an import, and saving a row's number to Outlook.
#include "ProgramTestSupport.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/FakeOutlook.h"
#include "phone/SmsRecord.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_ids.h"
#include "res/app_tools_ids.h"
#include "support/MessageBoxCapture.h"

#include <algorithm>
#include <functional>
#include <vector>

using namespace phonetest;
using programtest::NewSms;

namespace
{
// While a modal loop runs: the first top-level window of this thread other than the frame that
// passes the test gets the action, once.
struct ModalProbe
{
    static std::function<bool(HWND)> s_match;
    static std::function<void(HWND)> s_action;
    static CString s_title;
    static HWND s_frame;
    static BOOL CALLBACK Visit(HWND h, LPARAM)
    {
        if (h == s_frame || !::IsWindowVisible(h) || !s_match(h))
            return TRUE;
        wchar_t buf[128] = {};
        ::GetWindowTextW(h, buf, 128);
        s_title = buf;
        s_action(h);
        s_match = [](HWND) { return false; };
        return FALSE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { ::EnumThreadWindows(::GetCurrentThreadId(), Visit, 0); }
    // Runs the command with the probe armed; the title of the window the action met.
    static CString Run(HWND frame, UINT nCmd, std::function<bool(HWND)> match, std::function<void(HWND)> action)
    {
        s_frame = frame;
        s_title.Empty();
        s_match = std::move(match);
        s_action = std::move(action);
        const UINT_PTR id = ::SetTimer(nullptr, 0, 150, Tick);
        ::SendMessageW(frame, WM_COMMAND, nCmd, 0);
        ::KillTimer(nullptr, id);
        s_match = [](HWND) { return false; };
        return s_title;
    }
};
std::function<bool(HWND)> ModalProbe::s_match;
std::function<void(HWND)> ModalProbe::s_action;
CString ModalProbe::s_title;
HWND ModalProbe::s_frame = nullptr;

bool IsDialog(HWND h)
{
    wchar_t cls[32] = {};
    ::GetClassNameW(h, cls, 32);
    return wcscmp(cls, L"#32770") == 0;
}

void Cancel(HWND h) { ::PostMessageW(h, WM_COMMAND, IDCANCEL, 0); }

struct ToolCommandsTest : programtest::ProgramFixture
{
    ToolCommandsTest() : ProgramFixture(L"CorvaneToolCommandsTest") {}
    void SetUp() override
    {
        ProgramFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(SimPhone::Load("basic"));
        ::DeleteFileW(GetAppFolder() + CORVANE_LOG_FILE_NAME);
        ASSERT_NO_FATAL_FAILURE(Start());
        ::SetForegroundWindow(frame->GetSafeHwnd());
    }
    std::vector<CString> Texts()
    {
        std::vector<CString> v;
        for (int i = 0; i < frame->GetListCount(); ++i)
            v.push_back(frame->GetListItemText(i, 4));
        std::sort(v.begin(), v.end());
        return v;
    }
    // Runs the search command; the dialog gets the field (or stays untouched at -1) and the text.
    void Search(int field, const wchar_t* text)
    {
        static int s_field;
        static CString s_text;
        s_field = field;
        s_text = text;
        const CString title = ModalProbe::Run(frame->GetSafeHwnd(), ID_SEARCH_SMS, IsDialog, [](HWND h) {
            if (s_field >= 0)
            {
                HWND combo = ::GetDlgItem(h, IDC_SEARCH_TYPE);
                ::SendMessageW(combo, CB_SETCURSEL, s_field, 0);
                ::SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_TYPE, CBN_SELENDOK), (LPARAM)combo);
            }
            ::SetDlgItemTextW(h, IDC_SEARCH_TEXT, s_text);
            ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        EXPECT_EQ(title, L"Pencarian");
    }
};
} // namespace

TEST_F(ToolCommandsTest, EachToolCommandOpensItsDialog)
{
    struct Expect
    {
        UINT cmd;
        const wchar_t* title; // null: any dialog
    };
    const Expect expects[] = {{ID_CALL, L"Dialer"},
                              {IDC_LOG_BUTTON, L"SMS Log"},
                              {ID_SETTINGS, L"Settings"},
                              {ID_SOUND_SETTINGS, L"Setting Suara"},
                              {ID_SEARCH_SMS, L"Pencarian"},
                              {ID_IMPORT_SMS, L"Import SMS"},
                              {ID_EXPORT_SMS, L"Export SMS"},
                              {ID_SMS_SETTINGS, nullptr},
                              {ID_APP_ABOUT, L"Tentang Corvane SMS"}};
    for (const Expect& e : expects)
    {
        const CString title = ModalProbe::Run(frame->GetSafeHwnd(), e.cmd, IsDialog, Cancel);
        if (e.title)
            EXPECT_EQ(title, e.title) << e.cmd;
        else
            EXPECT_FALSE(title.IsEmpty()) << e.cmd;
        // Every one of these commands has a handler on the frame's route.
        AFX_CMDHANDLERINFO info = {};
        EXPECT_TRUE(frame->OnCmdMsg(e.cmd, CN_COMMAND, nullptr, &info)) << e.cmd;
    }
    // The "LOG" button sits on the status bar's log pane.
    CExtButton* pLog = frame->GetLogButton();
    ASSERT_NE(pLog->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pLog->GetDlgCtrlID(), IDC_LOG_BUTTON);
    CString text;
    pLog->GetWindowText(text);
    EXPECT_EQ(text, L"LOG");
    EXPECT_TRUE(pLog->IsWindowVisible());
}

TEST_F(ToolCommandsTest, TheDialerKeepsTheFrameAndAFloatingFrameDisabledPastItsOutlookBox)
{
    frame->FloatControlBar(&frame->m_wndFoldersBar, CPoint(450, 250));
    static HWND s_hMini;
    static BOOL s_bEnabled;
    s_hMini = frame->m_wndFoldersBar.GetParentFrame()->GetSafeHwnd();
    const MessageBoxHandler previous = SetMessageBoxHandler(ShowBoxAnsweredWithOk);
    const CString title = ModalProbe::Run(
        frame->GetSafeHwnd(), ID_CALL,
        [](HWND h) {
            wchar_t text[16] = {};
            ::GetWindowTextW(h, text, 16);
            return wcscmp(text, L"Dialer") == 0;
        },
        [](HWND h) {
            s_bEnabled = ::IsWindowEnabled(ModalProbe::s_frame) || ::IsWindowEnabled(s_hMini);
            Cancel(h);
        });
    SetMessageBoxHandler(previous);
    EXPECT_EQ(title, L"Dialer");
    EXPECT_FALSE(s_bEnabled);
    EXPECT_TRUE(frame->IsWindowEnabled() && ::IsWindowEnabled(s_hMini));
}

TEST_F(ToolCommandsTest, SearchShowsTheCurrentFolderFilteredByTheChosenField)
{
    File({NewSms(SMS_FOLDER_INBOX, L"Budi", L"+62811", L"Rapat besok"),
          NewSms(SMS_FOLDER_INBOX, L"Ani", L"62822", L"budi datang", L"07/12/26", L"11:00:00")},
         SMS_FOLDER_INBOX);
    // "Cari" with the field untouched searches the text.
    Search(-1, L"BUDI");
    EXPECT_EQ(Texts(), (std::vector<CString>{L"budi datang"}));
    Search(0, L"budi");
    EXPECT_EQ(Texts(), (std::vector<CString>{L"Rapat besok"}));
    Search(2, L"822");
    EXPECT_EQ(Texts(), (std::vector<CString>{L"budi datang"}));

    File({NewSms(SMS_FOLDER_SENT, L"Cici", L"0833", L"ok rapat"),
          NewSms(SMS_FOLDER_SENT, L"Dodi", L"0844", L"cici ikut", L"07/12/26", L"12:00:00")},
         SMS_FOLDER_SENT);
    Search(0, L"cici");
    EXPECT_EQ(Texts(), (std::vector<CString>{L"ok rapat"}));
    Search(2, L"44");
    EXPECT_EQ(Texts(), (std::vector<CString>{L"cici ikut"}));
    Search(-1, L"CICI");
    EXPECT_EQ(Texts(), (std::vector<CString>{L"cici ikut"}));
}

TEST_F(ToolCommandsTest, TheLogButtonShowsTheLogOfASendInFileOrderFromTheTop)
{
    app->WriteProfileInt(L"Settings", L"isSaveToSent", 1);
    File({NewSms(SMS_FOLDER_OUTBOX, L"Budi", L"081234567890", L"kirim satu")}, SMS_FOLDER_OUTBOX);
    list->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_SMS_SEND_NOW, 0);
    ASSERT_EQ(SimPhone::GetState().sent.size(), 1u) << boxes.All();
    const CString log = ReadFileBytes(doc->GetLogFilePath()).empty() ? CString() : [&] {
        CString s;
        CUnicodeTextReader reader(doc->GetLogFilePath());
        CString line;
        while (reader.ReadLine(line))
            s += line + L"\r\n";
        return s;
    }();
    ASSERT_FALSE(log.IsEmpty());

    static CString s_text;
    static LRESULT s_firstLine;
    s_text.Empty();
    s_firstLine = -1;
    const CString title = ModalProbe::Run(frame->GetSafeHwnd(), IDC_LOG_BUTTON, IsDialog, [](HWND h) {
        HWND edit = ::GetDlgItem(h, IDC_SMS_LOG_TEXT);
        const int n = ::GetWindowTextLengthW(edit);
        std::vector<wchar_t> buf(n + 1);
        ::GetWindowTextW(edit, buf.data(), n + 1);
        s_text = buf.data();
        s_firstLine = ::SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
        ::PostMessageW(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(title, L"SMS Log");
    EXPECT_EQ(s_text, log);
    EXPECT_EQ(s_firstLine, 0);
    EXPECT_NE(s_text.Find(L"Dest:081234567890"), -1) << (LPCWSTR)s_text;
}

TEST_F(ToolCommandsTest, ImportRefreshesTheListAndSaveToOutlookStoresTheRowsNumber)
{
    File({}, SMS_FOLDER_INBOX);
    EXPECT_EQ(frame->GetListCount(), 0);
    static CString s_path;
    s_path = GetAppFolder() + L"tool-import.txt";
    {
        CUnicodeTextWriter writer(s_path, TEXTFILE_UNI16_LE);
        writer.WriteLine(L"Inbox\t1/2/05  10:11:12\t0811\tAni\thalo \r\n");
    }
    ModalProbe::Run(frame->GetSafeHwnd(), ID_IMPORT_SMS, IsDialog, [](HWND h) {
        ::SetDlgItemTextW(h, IDC_IMPORT_FILE, s_path);
        ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    ::DeleteFileW(s_path);
    EXPECT_TRUE(boxes.Any(L"proses import SMS telah selesai. 1 pesan telah diproses.")) << boxes.All();
    ASSERT_EQ(frame->GetListCount(), 1);
    EXPECT_EQ(frame->GetListItemText(0, 4), L"halo");

    // The row's number to Outlook: the dialog preset with it, the contact saved, the contacts read.
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    {
        fake::OutlookServer outlook;
        ASSERT_TRUE(outlook.Registered());
        list->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        static CString s_number;
        s_number.Empty();
        const CString title = ModalProbe::Run(frame->GetSafeHwnd(), ID_SAVE_TO_OUTLOOK, IsDialog, [](HWND h) {
            wchar_t buf[64] = {};
            ::GetDlgItemTextW(h, IDC_CONTACT_NUMBER, buf, 64);
            s_number = buf;
            ::SetDlgItemTextW(h, IDC_CONTACT_FIRST_NAME, L"Ani");
            HWND kind = ::GetDlgItem(h, IDC_CONTACT_KIND);
            ::SendMessageW(kind, CB_SETCURSEL, 4, 0);
            ::SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDC_CONTACT_KIND, CBN_SELENDOK), (LPARAM)kind);
            ::SetDlgItemTextW(h, IDC_CONTACT_CATEGORY, L"Kantor");
            ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        EXPECT_EQ(title, L"Simpan Kontak");
        EXPECT_EQ(s_number, L"0811");
        ASSERT_EQ(outlook.app()->created.size(), 1u) << boxes.All();
        const fake::Contact& c = *outlook.app()->created[0];
        EXPECT_EQ(c.props.at(L"FirstName"), L"Ani");
        EXPECT_EQ(c.props.at(L"FileAs"), L"Ani");
        EXPECT_EQ(c.props.at(L"HomeTelephoneNumber"), L"0811");
        EXPECT_EQ(c.props.at(L"Categories"), L"Kantor");
    }
    ::CoUninitialize();
}
