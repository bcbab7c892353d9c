// The running program's test fixture and records.
#include "ProgramTestSupport.h"
#include "app/DlgComposeSms.h"
#include "phone/StoreHelpers.h"

using namespace phonetest;

namespace programtest
{
CSMS* NewSms(const wchar_t* folder, const wchar_t* name, const wchar_t* number, const wchar_t* text,
             const wchar_t* date, const wchar_t* time, int read)
{
    CSMS* p = new CSMS;
    p->m_strFolder = folder;
    // A received message carries the sender, a written one the recipient.
    if (wcscmp(folder, SMS_FOLDER_INBOX) == 0)
    {
        p->m_strSenderName = name;
        p->m_strSenderNumber = number;
    }
    else
    {
        p->m_strRecipientName = name;
        p->m_strRecipientNumber = number;
    }
    p->m_strText = text;
    CString d(date), t(time);
    p->m_strDay = d.Mid(0, 2);
    p->m_strMonth = d.Mid(3, 2);
    p->m_strYear = d.Mid(6, 2);
    p->m_strHour = t.Mid(0, 2);
    p->m_strMinute = t.Mid(3, 2);
    p->m_strSecond = t.Mid(6, 2);
    p->m_bRead = read;
    p->RebuildKey();
    return p;
}

ProgramFixture::ProgramFixture(const wchar_t* pszAppName)
    : appName(pszAppName), profileKey(CString(L"Software\\Corvane\\") + pszAppName)
{}

void ProgramFixture::SetUp()
{
    REQUIRE_SIM();
    app = new CCorvane_smsApp;
    free((void*)app->m_pszAppName);
    app->m_pszAppName = _wcsdup(appName);
    RegDeleteTreeW(HKEY_CURRENT_USER, profileKey);
    app->SetRegistryKey(L"Corvane");
    app->WriteProfileString(L"Settings", L"Connection", SimPhone::PortName());
    app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    dataFile = GetAppFolder() + CORVANE_DATA_FILE_NAME;
    DeleteFileW(dataFile);
}

void ProgramFixture::TearDown()
{
    if (app && app->m_pMainWnd)
        app->m_pMainWnd->DestroyWindow();
    delete app;
    app = nullptr;
    RegDeleteTreeW(HKEY_CURRENT_USER, profileKey);
    if (!dataFile.IsEmpty())
        DeleteFileW(dataFile);
}

void ProgramFixture::Start()
{
    ASSERT_TRUE(app->InitInstance()) << boxes.All();
    frame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    ASSERT_NE(frame, nullptr);
    view = app->GetView();
    ASSERT_NE(view, nullptr);
    doc = app->GetDoc();
    list = frame->GetSmsListCtrl();
    tree = frame->GetFolderTree();
}

void ProgramFixture::File(std::vector<CSMS*> records, const wchar_t* folder)
{
    for (CSMS* p : records)
        doc->m_listSms.AddTail(p);
    SelectFolder(folder);
    view->RefreshList();
}

void ProgramFixture::SelectFolder(const wchar_t* folder)
{
    for (HTREEITEM h = tree->GetRootItem(); h; h = tree->GetNextSiblingItem(h))
        if (tree->GetItemText(h) == folder)
            tree->SelectItem(h);
}

CDlgComposeSms* ShownCompose()
{
    HWND hWnd = ::FindWindowW(nullptr, L"Tulis SMS");
    if (hWnd == nullptr || !::IsWindowVisible(hWnd))
        return nullptr;
    return dynamic_cast<CDlgComposeSms*>(CWnd::FromHandlePermanent(hWnd));
}
} // namespace programtest
