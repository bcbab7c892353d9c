#include "PhoneLinkTestSupport.h"
#include "phone/PostedText.h"
#include "platform/MessageBox.h"

#include <fstream>
#include <sstream>

namespace phonetest
{
namespace
{
CString Env(const wchar_t* name)
{
    wchar_t buf[1024];
    DWORD n = GetEnvironmentVariableW(name, buf, 1024);
    return (n > 0 && n < 1024) ? CString(buf) : CString();
}

std::string Narrow(const CString& s)
{
    std::string out;
    for (int i = 0; i < s.GetLength(); ++i)
        out += (char)(s[i] < 128 ? s[i] : '?');
    return out;
}

bool WriteText(const CString& path, const std::string& text)
{
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD n = 0;
    BOOL ok = WriteFile(h, text.data(), (DWORD)text.size(), &n, nullptr);
    CloseHandle(h);
    return ok && n == text.size();
}

std::string ReadText(const CString& path)
{
    std::vector<unsigned char> b = ReadFileBytes(path);
    return std::string(b.begin(), b.end());
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        out.push_back(line);
    return out;
}

const wchar_t kRegistryKey[] = L"CorvanePhoneLinkTest";
} // namespace

CString SimPhone::PortName() { return Env(L"CORVANE_SIM_PORT"); }
bool SimPhone::Available() { return !Env(L"CORVANE_SIM_CTL").IsEmpty(); }

CString SimPhone::WorkFolder()
{
    CString s = Env(L"CORVANE_SIM_WORK");
    if (!s.IsEmpty() && s.Right(1) != L"\\")
        s += L"\\";
    return s;
}

std::string SimPhone::Request(const std::string& text)
{
    CString ctl = Env(L"CORVANE_SIM_CTL") + L"\\";
    CString tmp = ctl + L"request.tmp", req = ctl + L"request", resp = ctl + L"response";
    DeleteFileW(resp);
    if (!WriteText(tmp, text))
        return "error cannot write request tmp " + std::to_string(GetLastError());
    // Under Wine the rename now and then fails for a moment (the simulator on the host side is
    // busy in the same folder): try again for a while.
    for (int nTry = 0; !MoveFileExW(tmp, req, MOVEFILE_REPLACE_EXISTING); ++nTry)
    {
        // A rename reported as failed may still have been done: the request is then on its way.
        if (GetFileAttributesW(tmp) == INVALID_FILE_ATTRIBUTES)
            break;
        if (nTry == 100)
            return "error cannot move request " + std::to_string(GetLastError());
        Sleep(10);
    }
    DWORD start = GetTickCount();
    while (GetFileAttributesW(resp) == INVALID_FILE_ATTRIBUTES)
    {
        if (GetTickCount() - start > 10000)
            return "error simulator does not answer";
        Sleep(2);
    }
    std::string out = ReadText(resp);
    DeleteFileW(resp);
    return out;
}

bool SimPhone::Load(const std::string& scenario)
{
    std::string r = Request("load " + scenario + "\n");
    EXPECT_EQ(r, "ok\n") << scenario;
    return r == "ok\n";
}

bool SimPhone::LoadJson(const std::string& name, const std::string& json)
{
    CString path = WorkFolder() + CString(name.c_str()) + L".json";
    if (!WriteText(path, json))
        return false;
    // The simulator runs on the host: it gets the Unix form of the path (Z: is /).
    std::string unix = Narrow(path.Mid(2));
    for (char& c : unix)
        if (c == '\\')
            c = '/';
    return Load(unix);
}

SimPhone::State SimPhone::GetState()
{
    State st;
    // A state begins with the echo flag; anything else (a request that failed under Wine's file
    // sharing, a late answer to an earlier one) is asked again.
    std::string text;
    for (int nTry = 0; nTry < 5 && text.rfind("echo ", 0) != 0; ++nTry)
        text = Request("state\n");
    for (const std::string& line : Lines(text))
    {
        size_t sp = line.find(' ');
        std::string key = line.substr(0, sp), rest = sp == std::string::npos ? "" : line.substr(sp + 1);
        if (key == "cmd")
            st.commands.push_back(rest);
        else if (key == "mem")
            st.memory.push_back(rest);
        else if (key == "deleted")
            st.deleted.push_back(rest);
        else if (key == "sent")
            st.sent.push_back(rest);
        else if (key == "bytes_in")
            st.bytesIn = atol(rest.c_str());
        else if (key == "bytes_out")
            st.bytesOut = atol(rest.c_str());
    }
    return st;
}

int SimPhone::State::Count(const std::string& command) const
{
    int n = 0;
    for (const std::string& c : commands)
        if (c == command)
            ++n;
    return n;
}

int SimPhone::State::MemoryCount(const std::string& mem) const
{
    int n = 0;
    for (const std::string& m : memory)
        if (m.compare(0, mem.size() + 1, mem + " ") == 0)
            ++n;
    return n;
}

MessageBoxLog::MessageBoxLog()
{
    InitializeCriticalSection(&m_lock);
    SetMessageBoxHandler([this](HWND, LPCWSTR text, LPCWSTR title, UINT type) {
        EnterCriticalSection(&m_lock);
        m_boxes.push_back({CString(text), CString(title ? title : L""), type, GetCurrentThreadId()});
        LeaveCriticalSection(&m_lock);
        return (type & 0xF) == MB_YESNO ? IDYES : IDOK;
    });
}

MessageBoxLog::~MessageBoxLog()
{
    SetMessageBoxHandler(MessageBoxHandler());
    DeleteCriticalSection(&m_lock);
}

std::vector<MessageBoxLog::Box> MessageBoxLog::Boxes()
{
    EnterCriticalSection(&m_lock);
    std::vector<Box> b = m_boxes;
    LeaveCriticalSection(&m_lock);
    return b;
}

bool MessageBoxLog::Any(const wchar_t* pszPart)
{
    for (const Box& b : Boxes())
        if (b.text.Find(pszPart) >= 0)
            return true;
    return false;
}

CString MessageBoxLog::All()
{
    CString s;
    for (const Box& b : Boxes())
        s += L"[" + b.text + L"] ";
    return s;
}

LRESULT CALLBACK TestHost::ViewProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    TestHost* self = (TestHost*)GetWindowLongPtrW(h, GWLP_USERDATA);
    if (self && msg == WM_APP_STATUS_TEXT)
    {
        CString text;
        LRESULT r = TakePostedText(wp, text);
        if (r == 0)
            self->m_status.push_back(text);
        return r;
    }
    if (self && msg == WM_APP_PHONE_BUSY)
    {
        self->m_busy.push_back(wp);
        return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
}

TestHost::TestHost()
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &TestHost::ViewProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvanePhoneTestView";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    m_hView = CreateWindowExW(0, L"CorvanePhoneTestView", L"view", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_hView, GWLP_USERDATA, (LONG_PTR)this);
    SetPhoneHost(this);
}

TestHost::~TestHost()
{
    m_port.Close();
    Pump();
    SetPhoneHost(nullptr);
    DestroyWindow(m_hView);
}

void TestHost::InsertIntoList(int nPos, CSMS*)
{
    m_inserted.push_back(nPos);
    m_insertThreads.push_back(GetCurrentThreadId());
}

void TestHost::RefreshList()
{
    ++m_refreshes;
    m_dwRefreshThread = GetCurrentThreadId();
}

void TestHost::Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::vector<CString> TestHost::StatusLines()
{
    Pump();
    return m_status;
}

bool TestHost::HasStatus(const wchar_t* pszPart)
{
    for (const CString& s : StatusLines())
        if (s.Find(pszPart) >= 0)
            return true;
    return false;
}

std::vector<WPARAM> TestHost::BusyFlags()
{
    Pump();
    return m_busy;
}

std::vector<CSMS> TestHost::Records()
{
    std::vector<CSMS> out;
    POSITION pos = m_doc.m_listSms.GetHeadPosition();
    while (pos)
        out.push_back(*(CSMS*)m_doc.m_listSms.GetNext(pos));
    return out;
}

std::vector<CSMS> TestHost::Folder(const wchar_t* pszFolder)
{
    std::vector<CSMS> out;
    for (const CSMS& r : Records())
        if (r.m_strFolder == pszFolder)
            out.push_back(r);
    return out;
}

void TestHost::AddRecord(const CSMS& r) { m_doc.m_listSms.AddTail(new CSMS(r)); }

namespace
{
struct TestApp : CWinApp
{
    TestApp() : CWinApp(L"Corvane SMS") {}
};
CWinApp& App()
{
    static TestApp* s_app = [] {
        TestApp* p = new TestApp;
        p->SetRegistryKey(kRegistryKey);
        return p;
    }();
    return *s_app;
}
} // namespace

void SetSetting(const wchar_t* pszName, UINT nValue) { App().WriteProfileInt(L"Settings", pszName, (int)nValue); }

void SetSettingText(const wchar_t* pszName, const CString& strValue)
{
    App().WriteProfileString(L"Settings", pszName, strValue);
}

CString ScratchFolder(const wchar_t* pszName)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    CString path;
    path.Format(L"%sphonelink_%lu_%s\\", temp, GetCurrentProcessId(), pszName);
    CreateDirectoryW(path, nullptr);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(path + L"*", &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(path + fd.cFileName);
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    return path;
}

CString TestScratchFolder()
{
    return ScratchFolder(CString(::testing::UnitTest::GetInstance()->current_test_info()->name()));
}

CSMS Outbox(const wchar_t* names, const wchar_t* numbers, const CString& text)
{
    CSMS r;
    r.m_strRecipientName = names;
    r.m_strRecipientNumber = numbers;
    r.m_strText = text;
    r.m_strFolder = L"Outbox";
    r.m_strDay = L"01", r.m_strMonth = L"02", r.m_strYear = L"05";
    r.m_strHour = L"08", r.m_strMinute = L"09", r.m_strSecond = L"10";
    return r;
}

void HostTest::SetUp()
{
    REQUIRE_SIM();
    folder = TestScratchFolder();
    Restart();
    SetSettingText(L"Connection", SimPhone::PortName());
    SetSetting(L"isSuaraOn", 0);
}

void HostTest::Restart()
{
    host.reset();
    host.reset(new TestHost);
    host->m_doc.SetDataFilePath(folder + L"CorvaneSms.dat");
    host->m_doc.SetLogFilePath(folder + L"logCorvaneSms.txt");
    host->m_doc.LoadData();
}

std::vector<unsigned char> ReadFileBytes(const CString& path)
{
    std::vector<unsigned char> bytes;
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    DWORD size = GetFileSize(h, nullptr);
    bytes.resize(size);
    DWORD n = 0;
    if (size)
        ReadFile(h, bytes.data(), size, &n, nullptr);
    CloseHandle(h);
    bytes.resize(n);
    return bytes;
}

CString ReadUtf16File(const CString& path)
{
    std::vector<unsigned char> b = ReadFileBytes(path);
    CString s;
    for (size_t i = 2; i + 1 < b.size(); i += 2)
        s += (wchar_t)(b[i] | (b[i + 1] << 8));
    return s;
}

} // namespace phonetest
