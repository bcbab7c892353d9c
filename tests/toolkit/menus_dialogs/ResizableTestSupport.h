// Shared pieces of the resizable-window tests: the application with a registry key of its own, dialog
// templates built in memory, a recording resizable dialog and a fixture with a frame bound to a
// command profile (the system menu's commands are registered in the profile found from the window).
#pragma once
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "support/DibCanvas.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>

class CResizableTestApp : public CWinApp
{
public:
    CResizableTestApp();
    // HKCU\Software\<this> holds every value the tests write; unique per test process.
    CString m_sRegistryKey;
    // Commands of kAppCommand that reached the application.
    int m_nAppCommands = 0;
    static const UINT kAppCommand = 0x8123;

protected:
    void OnAppCommand() { ++m_nAppCommands; }
    DECLARE_MESSAGE_MAP()
};
CResizableTestApp& ResizableTestApp();

// A dialog template in memory (no font: the system font), items in dialog units.
class CDialogTemplateBuilder
{
public:
    CDialogTemplateBuilder(DWORD dwStyle, const CRect& rcDlu, LPCWSTR lpszTitle = L"Resizable");
    // lpszClass: a class name, or one of the atoms L"\x80" button, L"\x81" edit, L"\x82" static.
    void AddItem(LPCWSTR lpszClass, LPCWSTR lpszText, DWORD dwStyle, const CRect& rcDlu, WORD nId);
    const DLGTEMPLATE* Get() const { return (const DLGTEMPLATE*)m_words.data(); }

private:
    void AddText(LPCWSTR psz);
    void Align();
    std::vector<WORD> m_words;
};

// A resizable dialog that counts paint messages (client, frame and background) and lets the tests call its window procedure.
class CTestResizableDialog : public CExtResizableDialog
{
public:
    int m_nPaints = 0;
    bool m_bSkipLayerSubclass = false; // PreSubclassWindow leaves the toolkit's step out
    std::vector<UINT> m_sysCommands;   // WM_SYSCOMMAND ids received (SC_CLOSE is swallowed)
    UINT m_nKeyOnInit = 0;             // a key posted to the dialog by OnInitDialog
    LRESULT CallWindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return WindowProc(message, wParam, lParam); }
    BOOL CallPreTranslate(MSG* pMsg) { return PreTranslateMessage(pMsg); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    BOOL OnInitDialog() override;
};

class ResizableTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A modeless dialog over the template, owned by the frame (its parent when dwStyle has WS_CHILD).
    CTestResizableDialog* NewDialog(const CDialogTemplateBuilder& tpl, CWnd* pParent = nullptr);
    // A popup (or child) dialog template of 200 x 120 dialog units.
    static CDialogTemplateBuilder PopupTemplate(DWORD dwExtraStyle = 0);
    static CDialogTemplateBuilder ChildTemplate();

    static void Pump();
    // Pumps as Pump until pred holds; false when it did not within kInputWaitMs.
    static bool PumpUntil(const std::function<bool()>& pred);
    // Pumps as Pump until no key or mouse input waits in this thread's queue, so that input this thread
    // sent (SendKeyInput, queued before it returns) has been handled; false after kInputWaitMs.
    static bool PumpInput();
    // The window's rectangle in its parent's client coordinates.
    static CRect RectInParent(HWND hWnd);
    static void SetClientSize(CWnd* pWnd, int cx, int cy);
    // The client area as it is on the screen now (no repaint).
    static std::unique_ptr<DibCanvas> CaptureClient(HWND hWnd);

    CFrameWnd* m_pFrame = nullptr; // deletes itself when destroyed
    CString m_sProfile;
    std::vector<CTestResizableDialog*> m_dialogs;
    CRuntimeClass* m_pOldPaintManager = nullptr;
};
