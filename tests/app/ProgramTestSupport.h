// The running program's tests: a fixture with the application object on a profile of the test's own
// (the simulated phone's port, no sounds, no splash) and no data file before or after, the frame's
// pieces once started, and records filed into the list; the built program as a process of its own, and
// finding and pressing its bars from outside (ProgramProcess.h).
#pragma once
#include "ProgramProcess.h"
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
