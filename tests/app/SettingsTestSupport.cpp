// Test helpers of the settings sheet, its pages and the login.
#include "SettingsTestSupport.h"
#include "app/DlgSetting.h"
#include "app/MainFrm.h"
#include "phone/StoreHelpers.h"
#include "tests/support/InputScript.h"

using namespace phonetest;

namespace settingstest
{
namespace
{
const wchar_t kAppName[] = L"CorvaneSettingsTest";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneSettingsTest";
} // namespace

BOOL RecordingApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    m_writes.push_back(CString(lpszSection) + L"/" + lpszEntry);
    return CCorvane_smsApp::WriteProfileInt(lpszSection, lpszEntry, nValue);
}

BOOL RecordingApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    m_writes.push_back(CString(lpszSection) + L"/" + (lpszEntry ? lpszEntry : L""));
    return CCorvane_smsApp::WriteProfileString(lpszSection, lpszEntry, lpszValue);
}

void AppFixture::SetUp()
{
    app = new RecordingApp;
    free((void*)app->m_pszAppName);
    app->m_pszAppName = _wcsdup(kAppName);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    app->SetRegistryKey(L"Corvane");
    if (SimPhone::Available())
        app->WriteProfileString(L"Settings", L"Connection", SimPhone::PortName());
    app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
}

void AppFixture::TearDown()
{
    if (app && app->m_pMainWnd)
        app->m_pMainWnd->DestroyWindow();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ;
    delete app;
    app = nullptr;
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
}

bool AppFixture::Start() { return app->InitInstance() && dynamic_cast<CMainFrame*>(app->m_pMainWnd) != nullptr; }

std::vector<MessageBoxCapture::Box> AppFixture::OtherBoxes() const
{
    std::vector<MessageBoxCapture::Box> others;
    for (const MessageBoxCapture::Box& b : boxes.Boxes())
        if (b.text != L"Unable to instantiate Outlook.")
            others.push_back(b);
    return others;
}

ModalScript* ModalScript::s_current = nullptr;

ModalScript::ModalScript()
{
    s_current = this;
    m_nTimer = ::SetTimer(nullptr, 0, 20, &ModalScript::OnTimer);
}

ModalScript::~ModalScript()
{
    ::KillTimer(nullptr, m_nTimer);
    s_current = nullptr;
}

ModalScript& ModalScript::Then(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

void CALLBACK ModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_current != nullptr)
        s_current->Tick();
}

void ModalScript::Tick()
{
    if (m_steps.empty())
        return;
    struct Finder
    {
        std::set<HWND>* pBusy;
        HWND hFound;
    } finder = {&m_busy, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            Finder* f = reinterpret_cast<Finder*>(lp);
            wchar_t cls[32] = {};
            ::GetClassNameW(h, cls, 32);
            if (wcscmp(cls, L"#32770") == 0 && ::IsWindowVisible(h) && ::IsWindowEnabled(h) && !f->pBusy->count(h))
            {
                f->hFound = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&finder));
    if (finder.hFound == nullptr)
        return;
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    m_seen.push_back(finder.hFound);
    m_busy.insert(finder.hFound);
    step(finder.hFound);
    m_busy.erase(finder.hFound);
}

void Click(HWND hParent, int nID)
{
    HWND hCtrl = ::GetDlgItem(hParent, nID);
    ::SendMessageW(hParent, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)hCtrl);
}

void ClickCheck(HWND hParent, int nID, bool bChecked)
{
    ::SendMessageW(::GetDlgItem(hParent, nID), BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    Click(hParent, nID);
}

void RunConnectionPage(std::function<void(HWND hPage)> act, int nEnd)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingOption);
    ModalScript script;
    script.Then([&](HWND hDlg) {
        act(SheetPage(hDlg, 0));
        Click(hDlg, nEnd);
    });
    dlg.DoModal();
}

void MyTextFixture::SetUp()
{
    AppFixture::SetUp();
    path = TestScratchFolder() + L"MyText.dat";
    doc.SetMyTextFilePath(path);
    app->SetDoc(&doc);
}

void MyTextFixture::WriteBytes(const std::string& bytes)
{
    HANDLE h = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &n, nullptr);
    ::CloseHandle(h);
}

std::vector<CString> ListItems(HWND hList)
{
    std::vector<CString> items;
    const int n = (int)::SendMessageW(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; ++i)
    {
        wchar_t text[256] = {};
        ::SendMessageW(hList, LB_GETTEXT, i, (LPARAM)text);
        items.push_back(text);
    }
    return items;
}

std::vector<CString> ArrayItems(const CStringArray& arr)
{
    std::vector<CString> items;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        items.push_back(arr[i]);
    return items;
}

CString GetText(HWND hWnd)
{
    const int n = ::GetWindowTextLengthW(hWnd);
    CString s;
    ::GetWindowTextW(hWnd, s.GetBuffer(n + 1), n + 1);
    s.ReleaseBuffer();
    return s;
}

CString GetItemText(HWND hParent, int nID) { return GetText(::GetDlgItem(hParent, nID)); }

void SetItemText(HWND hParent, int nID, const CString& strText) { ::SetDlgItemTextW(hParent, nID, strText); }

HWND SheetPage(HWND hSheet, int nIndex) { return ::GetDlgItem(::GetDlgItem(hSheet, 1005), 257 + nIndex); }

void TypeText(const wchar_t* pszText)
{
    // Each character is handled by the focus window before the next is sent.
    RunInputScript([&] { SendTextInput(pszText); });
}

void PressKey(WORD vk, bool bCtrl, bool bShift)
{
    RunInputScript([&] { SendKeyPress(vk, bCtrl, bShift); });
}

void Pump(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

UINT ProfileInt(const wchar_t* pszSection, const wchar_t* pszEntry, UINT nDefault)
{
    return AfxGetApp()->GetProfileInt(pszSection, pszEntry, (int)nDefault);
}

CString ProfileString(const wchar_t* pszSection, const wchar_t* pszEntry, const wchar_t* pszDefault)
{
    return AfxGetApp()->GetProfileString(pszSection, pszEntry, pszDefault);
}

} // namespace settingstest
