// The running program's tests: a fixture with the application object on a profile of the test's own
// (the simulated phone's port, no sounds, no splash) and no data file before or after, the frame's
// pieces once started, and records filed into the list; the built program as a process of its own, and
// finding and pressing its bars from outside.
#pragma once
#include "phone/PhoneLinkTestSupport.h"

#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/FolderTreeCtrl.h"
#include "app/MainFrm.h"
#include "app/SmsListCtrl.h"
#include "phone/SmsRecord.h"

#include <vector>

class CDlgComposeSms;

namespace programtest
{
// The compose window ("Tulis SMS") while it is shown; null otherwise.
CDlgComposeSms* ShownCompose();

// A new record in the folder: from name and number when received (Inbox), to them otherwise; date
// "dd/mm/yy" and time "hh:mm:ss"; its key built.
CSMS* NewSms(const wchar_t* folder, const wchar_t* name, const wchar_t* number, const wchar_t* text,
             const wchar_t* date = L"07/12/26", const wchar_t* time = L"10:00:00", int read = 1);

// The program on HKCU\Software\Corvane\<app name>; Start() runs its InitInstance.
struct ProgramFixture : ::testing::Test
{
    explicit ProgramFixture(const wchar_t* pszAppName);
    // Skips without the simulated phone; else a new application object on an emptied profile of the
    // test's own, so that the program's settings stay untouched, and no data file.
    void SetUp() override;
    // Ends the main window and the application object; removes the profile and the data file.
    void TearDown() override;
    // Starts the program: the frame, its view, document, list and tree.
    void Start();
    // Files the records (in this order), shows the folder and refreshes the list.
    void File(std::vector<CSMS*> records, const wchar_t* folder = SMS_FOLDER_INBOX);
    // Selects the folder in the tree.
    void SelectFolder(const wchar_t* folder);

    CString appName, profileKey;
    CCorvane_smsApp* app = nullptr;
    CMainFrame* frame = nullptr;
    CCorvane_smsView* view = nullptr;
    CCorvane_smsDoc* doc = nullptr;
    CSmsListCtrl* list = nullptr;
    CFolderTreeCtrl* tree = nullptr;
    CString dataFile;
    phonetest::MessageBoxLog boxes;
};
} // namespace programtest

// ---- the built program as a process of its own ----------------------------------------------------------

namespace programtest
{
// One setting of the program's own key, kept to be given back after the test.
struct KeptValue
{
    CString name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool present = false;
};

// A box of the process: its title and the text of its static child.
struct SeenBox
{
    HWND hWnd;
    CString title, text;
};

// The built program as a process of its own: a copy in the simulator's work folder, started on the program's own
// settings (the simulated phone's port, no sounds, password, splash, deletion prompt or schedule), which are given
// back after the test.
struct ProcessFixture : ::testing::Test
{
    void SetUp() override;
    void TearDown() override;
    void Keep(const wchar_t* name);
    static void SetInt(const wchar_t* name, DWORD value);
    static void SetText(const wchar_t* name, const CString& value);
    bool StartProgram();
    // Kills the process if it still runs and forgets it.
    void EndProcess();
    bool Ended(DWORD ms) { return WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0; }
    // The visible windows of the process: its boxes, and the frame (the unowned window with children).
    void Look(std::vector<SeenBox>& found, HWND& hMain);
    // Waits for the main window, answering the start's Outlook box; keeps every other box seen
    // in seen and stops when stopAt (when given) is part of a box's text.
    HWND WaitForMainWindow(DWORD ms, const wchar_t* stopAt = nullptr);
    void Note(const SeenBox& b);

    CString folder, exe, dataFile;
    PROCESS_INFORMATION pi = {};
    std::vector<KeptValue> kept;
    std::vector<SeenBox> seen;
};

// The program's docking state: kept aside while a test runs from the default layout, given back after.
extern const wchar_t kBarStateKey[];
extern const wchar_t kBarStateKeptKey[];
// Copies the key of HKCU with all it holds to another key; false when it is missing or the copy failed.
bool CopyKey(const wchar_t* from, const wchar_t* to);

// The bar with the text among the windows of the process, and its top-level window.
struct BarWindows
{
    HWND hBar = nullptr;      // the bar
    HWND hTopLevel = nullptr; // the top-level window holding it
};
BarWindows FindBar(DWORD pid, const wchar_t* text);
// A screen point on the docked bar's caption: its widest non-client band (on top of a bar in a column,
// at the left of a bar in a row), a third of the way along it, away from its buttons.
POINT CaptionPoint(HWND hBar);
// Mouse input at the screen point (a move or a button, as the flags say).
bool SendMouseAt(POINT pt, DWORD dwFlags);
// The window holding the mouse capture on the thread, or NULL.
HWND CaptureOf(DWORD dwThread);
} // namespace programtest
