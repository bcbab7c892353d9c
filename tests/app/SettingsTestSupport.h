// Test helpers of the settings sheet, its pages and the login: an application object with a
// profile of the test's own, a script of steps run on the modal dialogs that open, and input.
#pragma once
#include "phone/PhoneLinkTestSupport.h"
#include "app/Corvane_sms.h"
#include "phone/Corvane_smsDoc.h"
#include "support/MessageBoxCapture.h"

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace settingstest
{

// The application object that also records the profile values it writes ("Section/Entry").
class RecordingApp : public CCorvane_smsApp
{
public:
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) override;
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) override;
    std::vector<CString> m_writes;
};

// The application object with the profile HKCU\Software\Corvane\CorvaneSettingsTest (emptied
// before and after), the phone link on the simulated phone, sounds and splash off.
struct AppFixture : ::testing::Test
{
    void SetUp() override;
    void TearDown() override;
    // Runs the program's start-up (login included); the main frame, or null.
    bool Start();
    // The boxes shown besides the start's note that Outlook is missing (always so under Wine).
    std::vector<MessageBoxCapture::Box> OtherBoxes() const;

    RecordingApp* app = nullptr;
    MessageBoxCapture boxes;
};

// The fixture with a document of its own whose MyText file is MyText.dat in the test's scratch folder.
struct MyTextFixture : AppFixture
{
    void SetUp() override;
    // Writes the MyText file with exactly these bytes.
    void WriteBytes(const std::string& bytes);
    CCorvane_smsDoc doc;
    CString path;
};

// The texts of a list box's items, in list order.
std::vector<CString> ListItems(HWND hList);
// The strings of the array, in order.
std::vector<CString> ArrayItems(const CStringArray& arr);

// Steps run one after another on the modal dialogs of this thread: each step gets the topmost
// enabled, visible dialog window that no running step holds. A step that opens another modal
// dialog lets the next step act on that one.
class ModalScript
{
public:
    typedef std::function<void(HWND)> Step;
    ModalScript();
    ~ModalScript();
    ModalScript& Then(Step step);
    // Steps not run yet.
    size_t Pending() const { return m_steps.size(); }
    // The dialogs the steps got, in order.
    std::vector<HWND> m_seen;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    std::deque<Step> m_steps;
    std::set<HWND> m_busy;
    UINT_PTR m_nTimer;
    static ModalScript* s_current;
};

// Runs the settings sheet on its general set: the step gets the connection page, then the sheet is
// ended with the button nEnd.
void RunConnectionPage(std::function<void(HWND hPage)> act, int nEnd = IDCANCEL);

// WM_COMMAND with BN_CLICKED from the control to its parent, as a click sends it.
void Click(HWND hParent, int nID);
// Sets the check state and sends the click notification, as a click on an auto check box does.
void ClickCheck(HWND hParent, int nID, bool bChecked);
CString GetText(HWND hWnd);
CString GetItemText(HWND hParent, int nID);
void SetItemText(HWND hParent, int nID, const CString& strText);
// The container's page by index (257 + index) of a settings sheet.
HWND SheetPage(HWND hSheet, int nIndex);
// Keyboard input through the system's input queue (the window must be in the foreground); each
// returns once the input is handled.
void TypeText(const wchar_t* pszText);
void PressKey(WORD vk, bool bCtrl = false, bool bShift = false);
// Handles the messages waiting now and for a short while.
void Pump(DWORD ms = 30);
// Registry values of the test profile.
UINT ProfileInt(const wchar_t* pszSection, const wchar_t* pszEntry, UINT nDefault);
CString ProfileString(const wchar_t* pszSection, const wchar_t* pszEntry, const wchar_t* pszDefault = L"");

} // namespace settingstest
