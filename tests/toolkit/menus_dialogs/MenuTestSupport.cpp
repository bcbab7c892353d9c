// Shared pieces of the popup-menu tests.
#include "MenuTestSupport.h"
#include "MenuTestIds.h"
#include "platform/RecentFileList.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

static CMenuTestApp theApp;

CMenuTestApp& MenuTestApp() { return theApp; }

void CMenuTestApp::SetRecentFiles(const std::vector<CString>& files, int nSize)
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nSize < 0)
        return;
    m_pRecentFileList = new CRecentFileList(0, L"Recent File List", L"File%d", nSize);
    for (size_t i = 0; i < files.size() && (int)i < nSize; ++i)
        (*m_pRecentFileList)[(int)i] = files[i];
}

IMPLEMENT_DYNCREATE(CMenuTestPaintManager, CExtPaintManager)

IMPLEMENT_DYNCREATE(CMenuTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CMenuTestFrame, CFrameWnd)
ON_UPDATE_COMMAND_UI(ID_TEST_ENABLE_OFF, OnUpdateEnableOff)
ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
ON_UPDATE_COMMAND_UI(ID_TEST_RADIO, OnUpdateRadio)
ON_UPDATE_COMMAND_UI(ID_TEST_RETEXT, OnUpdateRetext)
ON_COMMAND(ID_TEST_HANDLED, OnHandled)
ON_COMMAND(ID_TEST_CHECKED, OnHandled)
ON_COMMAND(ID_TEST_RADIO, OnHandled)
ON_COMMAND(ID_TEST_RETEXT, OnHandled)
END_MESSAGE_MAP()

CSize MenuTextSize(const CString& sText)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, pPM->m_fontNormal.GetSafeHandle());
    RECT rc = {0, 0, 0, 0};
    ::DrawTextW(hDC, sText, sText.GetLength(), &rc, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return CSize(rc.right - rc.left, rc.bottom - rc.top);
}

void MenuTest::SetUp()
{
    m_pOldPaintManager = g_PaintManagerHolder->GetRuntimeClass();
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new CMenuTestPaintManager));
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    CExtPopupMenuWnd::g_bFitToWorkArea = true;
    CExtPopupMenuWnd::g_bShadowsOn = true;
    CExtPopupMenuWnd::g_bAllowSystemSizeMove = true;
    m_pFrame = NewFrame();
    ASSERT_TRUE(m_pFrame->Create(nullptr, L"Menu test", WS_OVERLAPPEDWINDOW, CRect(10, 10, 410, 310)));
    static int s_nProfile = 0;
    m_sProfile.Format(L"MenuTest%d", ++s_nProfile);
    ASSERT_TRUE(g_CmdManagerHolder->CreateProfile(m_sProfile, Frame()));
}

void MenuTest::TearDown()
{
    CExtPopupMenuWnd::g_bHideRarelyUsed = true;
    CExtPopupMenuWnd::g_bAllowSystemSizeMove = true;
    MenuTestApp().SetRecentFiles({}, -1);
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
    {
        HWND hWnd = Frame();
        g_CmdManagerHolder->UnbindWindowFromProfile(hWnd, true);
        m_pFrame->DestroyWindow();
    }
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {}
    g_PaintManagerHolder.InstallPaintManagerByClass(m_pOldPaintManager);
}

void MenuTest::Register(HMENU hMenu) { ASSERT_TRUE(g_CmdManagerHolder->UpdateFromMenu(m_sProfile, hMenu)); }

CExtCmdItem* MenuTest::Command(UINT nCmdID) { return g_CmdManagerHolder->LookupCommand(m_sProfile, nCmdID); }

CExtCmdItem* MenuTest::AddCommand(UINT nCmdID, LPCTSTR lpszMenuText, LPCTSTR lpszAccel)
{
    CExtCmdItem* pCmdItem = g_CmdManagerHolder->AllocateCommand(m_sProfile, nCmdID);
    if (pCmdItem != nullptr)
    {
        pCmdItem->m_sMenuText = lpszMenuText;
        pCmdItem->m_sAccelText = lpszAccel;
    }
    return pCmdItem;
}

HMENU BuildMenu(const std::vector<std::pair<UINT, const wchar_t*>>& items)
{
    HMENU hMenu = ::CreatePopupMenu();
    for (const auto& it : items)
    {
        if (it.first == 0)
            ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(hMenu, MF_STRING, it.first, it.second);
    }
    return hMenu;
}
