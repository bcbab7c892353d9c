// The simulated phone on the other end of a real COM port, and a phone-link host made of plain
// windows, for the phone-link tests.
#pragma once
#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/IrdaPort.h"
#include "phone/PhoneHost.h"

#include <memory>
#include <string>
#include <vector>

// Shows texts in failure messages.
inline void PrintTo(const CString& s, std::ostream* os)
{
    std::string out;
    for (int i = 0; i < s.GetLength(); ++i)
    {
        wchar_t c = s[i];
        if (c >= 32 && c < 127)
            out += (char)c;
        else
        {
            char buf[12];
            snprintf(buf, sizeof buf, "\\u%04X", (unsigned)c);
            out += buf;
        }
    }
    *os << '"' << out << '"';
}

namespace phonetest
{

// Talks to the simulator through its control folder (see tests/phone/sim/README.md).
class SimPhone
{
public:
    // The COM port the harness linked to the simulator ("COM7:" or "\\.\COM27").
    static CString PortName();
    static bool Available();
    // Loads a scenario from tests/phone/sim/scenarios (name without ".json") or a file path.
    static bool Load(const std::string& scenario);
    // Writes a scenario (JSON text) to the work folder and loads it.
    static bool LoadJson(const std::string& name, const std::string& json);

    struct State
    {
        std::vector<std::string> commands; // every command line the phone received
        std::vector<std::string> memory;   // "ME 1 1 <pdu>" per stored message
        std::vector<std::string> deleted;  // "ME 3"
        std::vector<std::string> sent;     // "<length> <mr> <pdu>"
        long bytesIn = 0, bytesOut = 0;
        int Count(const std::string& command) const;
        int MemoryCount(const std::string& mem) const;
    };
    static State GetState();
    static std::string Request(const std::string& text);
    static CString WorkFolder(); // Windows path with trailing backslash
};

// Collects the message boxes of the process instead of showing them.
class MessageBoxLog
{
public:
    MessageBoxLog();
    ~MessageBoxLog();
    struct Box
    {
        CString text, title;
        UINT type;
        DWORD thread;
    };
    std::vector<Box> Boxes();
    bool Any(const wchar_t* pszPart);
    CString All();

private:
    CRITICAL_SECTION m_lock;
    std::vector<Box> m_boxes;
};

// A host with a document, a status window and a frame window on the test thread.
class TestHost : public CPhoneHost
{
public:
    TestHost();
    ~TestHost() override;
    CIrdaPort& GetPort() override { return m_port; }
    CCorvane_smsDoc* GetDoc() override { return &m_doc; }
    HWND GetMainViewWnd() override { return m_hView; }
    HWND GetMainFrameWnd() override { return m_hView; }
    void InsertIntoList(int nPos, CSMS* pRecord) override;
    void RefreshList() override;

    // Handles the status lines and busy flags posted so far.
    void Pump();
    std::vector<CString> StatusLines();
    bool HasStatus(const wchar_t* pszPart);
    std::vector<WPARAM> BusyFlags();
    std::vector<CSMS> Records();
    std::vector<CSMS> Folder(const wchar_t* pszFolder);
    void AddRecord(const CSMS& r);

    CIrdaPort m_port;
    CCorvane_smsDoc m_doc;
    HWND m_hView = nullptr;
    std::vector<int> m_inserted;
    std::vector<DWORD> m_insertThreads;
    int m_refreshes = 0;
    DWORD m_dwRefreshThread = 0;

    static LRESULT CALLBACK ViewProc(HWND, UINT, WPARAM, LPARAM);
    std::vector<CString> m_status;
    std::vector<WPARAM> m_busy;
};

// The settings the phone link reads, in a registry key of the tests.
void SetSetting(const wchar_t* pszName, UINT nValue);
void SetSettingText(const wchar_t* pszName, const CString& strValue);
// A fresh scratch folder (Windows path with trailing backslash).
CString ScratchFolder(const wchar_t* pszName);
// A fresh scratch folder named after the running test.
CString TestScratchFolder();
std::vector<unsigned char> ReadFileBytes(const CString& path);
CString ReadUtf16File(const CString& path);
// An Outbox record to these recipients, dated 01/02/05 08:09:10.
CSMS Outbox(const wchar_t* names, const wchar_t* numbers, const CString& text);

// Waits for a condition while pumping messages; false at the time-out.
template <class F> bool PumpUntil(F f, DWORD ms)
{
    DWORD start = GetTickCount();
    while (!f())
    {
        if (GetTickCount() - start > ms)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

// A test with a host whose data file and log lie in the test's own scratch folder, the phone
// link set to the simulated phone and the sounds off; skipped without the simulator. A derived
// SetUp calls HostTest::SetUp() first and returns when the test is skipped.
struct HostTest : ::testing::Test
{
    void SetUp() override;
    void TearDown() override { host.reset(); }
    // The program starts anew: a new host whose document reads the data file of the folder.
    void Restart();

    CString folder;
    std::unique_ptr<TestHost> host;
    MessageBoxLog boxes;
};

} // namespace phonetest

// Skips a test when the program runs without the simulator (e.g. started by hand).
#define REQUIRE_SIM()                                                                                                  \
    do                                                                                                                 \
    {                                                                                                                  \
        if (!phonetest::SimPhone::Available())                                                                         \
            GTEST_SKIP() << "no simulated phone (run through the CTest entry)";                                        \
    } while (0)
