// Shared pieces of the popup-menu tests: the application object (with its recent-file list), a
// paint manager with known menu metrics, a frame with command-UI handlers bound to a fresh command
// profile, and text measuring in the menu font.
#pragma once
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <gtest/gtest.h>
#include <vector>

class CMenuTestApp : public CWinApp
{
public:
    CMenuTestApp() : CWinApp(L"MenuTest") {}
    // Replaces the recent-file list by one with the given paths.
    void SetRecentFiles(const std::vector<CString>& files, int nSize);
};
CMenuTestApp& MenuTestApp();

// Menu metrics as the tests expect them: shadow 4, border 2, check mark 18, separator 6, combined
// popups when asked.
class CMenuTestPaintManager : public CExtPaintManager
{
    DECLARE_DYNCREATE(CMenuTestPaintManager)
public:
    int GetMetric47() override { return 4; }
    int GetMetric48() override { return 2; }
    int GetMenuCheckMarkWidth() override { return 18; }
    int GetPopupMenuItemGap() override { return 6; }
    bool IsMenuCombinedWithOwner() override { return true; }
};

// A frame whose handlers set the states of the test commands.
class CMenuTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMenuTestFrame)
public:
    CString m_sRetext = L"Teks yang jauh lebih panjang dari semula";

protected:
    void OnUpdateEnableOff(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnUpdateRadio(CCmdUI* pCmdUI) { pCmdUI->SetRadio(TRUE); }
    void OnUpdateRetext(CCmdUI* pCmdUI) { pCmdUI->SetText(m_sRetext); }
    void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};

// Single-line size of a text in the paint manager's menu font, measured as the menus measure.
CSize MenuTextSize(const CString& sText);

// Every test: the test paint manager, default menu options, a hidden frame bound to its own
// command profile, rarely used commands shown unless a test hides them.
class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // The frame the test binds to its profile.
    virtual CMenuTestFrame* NewFrame() { return new CMenuTestFrame; }

    // Registers the menu's commands (recursively) in the frame's profile.
    void Register(HMENU hMenu);
    CExtCmdItem* Command(UINT nCmdID);
    // A registered command with a menu text.
    CExtCmdItem* AddCommand(UINT nCmdID, LPCTSTR lpszMenuText, LPCTSTR lpszAccel = L"");
    LPCTSTR Profile() const { return m_sProfile; }
    HWND Frame() const { return m_pFrame->GetSafeHwnd(); }

    CMenuTestFrame* m_pFrame = nullptr; // deletes itself when destroyed
    CString m_sProfile;
    CRuntimeClass* m_pOldPaintManager = nullptr;
};

// A popup menu built item by item from a Windows menu.
HMENU BuildMenu(const std::vector<std::pair<UINT, const wchar_t*>>& items);
