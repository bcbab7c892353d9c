// The running program on a profile of the test's own: a fresh registry key and data file, the
// simulated phone as the connection, and the application started and ended as the program does.
#pragma once
#include "phone/PhoneLinkTestSupport.h"
#include "app/Corvane_sms.h"
#include "app/MainFrm.h"
#include "phone/StoreHelpers.h"

struct FrameAppFixture : ::testing::Test
{
    explicit FrameAppFixture(const wchar_t* pszAppName)
        : appName(pszAppName), profileKey(CString(L"Software\\Corvane\\") + pszAppName)
    {}
    void SetUp() override
    {
        REQUIRE_SIM();
        RegDeleteTreeW(HKEY_CURRENT_USER, profileKey);
        dataFile = GetAppFolder() + CORVANE_DATA_FILE_NAME;
        ::DeleteFileW(dataFile);
        NewApp();
    }
    void TearDown() override
    {
        if (app && app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        delete app;
        app = nullptr;
        RegDeleteTreeW(HKEY_CURRENT_USER, profileKey);
        ::DeleteFileW(dataFile);
    }
    // A new application object on the test's profile (the registry is kept).
    void NewApp()
    {
        app = new CCorvane_smsApp;
        free((void*)app->m_pszAppName);
        app->m_pszAppName = _wcsdup(appName);
        app->SetRegistryKey(L"Corvane");
        app->WriteProfileString(L"Settings", L"Connection", phonetest::SimPhone::PortName());
        app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
        app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    }
    // Starts the program; call through ASSERT_NO_FATAL_FAILURE.
    void StartFrame()
    {
        ASSERT_TRUE(app->InitInstance()) << boxes.All();
        frame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
        ASSERT_NE(frame, nullptr);
    }
    // Closes the main window as its close box does and ends the application object.
    void Stop()
    {
        HWND hFrame = frame->GetSafeHwnd();
        ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
        EXPECT_FALSE(::IsWindow(hFrame));
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
        app->ExitInstance();
        delete app;
        app = nullptr;
        frame = nullptr;
    }

    CString appName;
    CString profileKey;
    CCorvane_smsApp* app = nullptr;
    CMainFrame* frame = nullptr;
    CString dataFile;
    phonetest::MessageBoxLog boxes;
};
