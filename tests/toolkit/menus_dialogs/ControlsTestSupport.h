// Shared pieces of the themed-control tests: a visible host dialog that records the commands and
// popup-menu messages it gets, a paint manager that records push-button and box records, and
// pixel capture of painted windows.
#pragma once
#include "platform/Dialog.h"
#include "support/DibCanvas.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Texts in test messages.
inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << '"';
    for (int i = 0; i < s.GetLength(); ++i)
        *os << (char)(s[i] < 128 ? s[i] : '?');
    *os << '"';
}

// Records what reaches the paint manager from the controls; paints as the base manager.
class CRecordingPaintManager : public CExtPaintManager
{
    DECLARE_DYNCREATE(CRecordingPaintManager)
public:
    struct PushRecord
    {
        CObject* pSrc;
        int nAlign;
        bool bFlat, bHot, bPushed, bEnabled, bFocusRect, bDefault, bDropDown, bSplit, bDropDownPushed;
        bool bNoBackground;
        bool bHasIcon;
        HICON hIcon;
        CString sText;
        COLORREF clrNormal, clrHot;
    };
    struct BoxRecord
    {
        CObject* pSrc;
        CRect rc;
        int nState;
    };
    // The states of an edit or combo-box frame record.
    struct FrameRecord
    {
        CObject* pSrc;
        CRect rc;
        bool bHover, bPushed, bEnabled, bFocus;
    };
    void PaintPushButton(CDC& dc, PushButtonPaintData& data) override;
    void PaintEditFrame(CDC& dc, EditFramePaintData& data) override;
    void PaintComboFrame(CDC& dc, ComboFramePaintData& data) override;
    bool PaintCheckOrRadioBox(CDC& dc, int nLeft, int nTop, int nRight, int nBottom, int nState, CObject* pHelperSrc,
                              LPARAM lParam = 0) override;

    static std::vector<PushRecord> g_push;
    static std::vector<BoxRecord> g_boxes;
    static std::vector<FrameRecord> g_editFrames;
    static std::vector<FrameRecord> g_comboFrames;
};

// The host of the controls: a modeless, visible dialog without controls of its own.
class CControlsHostDlg : public CDialog
{
public:
    struct Command
    {
        UINT nId;
        UINT nCode;
        HWND hWnd;
    };
    BOOL Create(const CRect& rc);
    // Adds a child window of the class with the style (WS_CHILD | WS_VISIBLE added).
    HWND AddControl(LPCWSTR lpszClass, LPCWSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nId, DWORD dwExStyle = 0);

    std::vector<Command> m_commands;
    std::vector<UINT> m_messages; // registered messages received
    std::vector<UINT> m_enabled;  // commands whose menu items it enables (it handles them in OnCommand)

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class ControlsTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Installs a fresh manager of the class (the base recording one by default).
    void UsePaintManager(CExtPaintManager* pPM);
    // Dispatches every pending message of the thread.
    static void Pump();
    // Paints the window now and copies its client area from the screen.
    static std::unique_ptr<DibCanvas> Capture(HWND hWnd);
    // The same for the whole window, non-client area included.
    static std::unique_ptr<DibCanvas> CaptureWindow(HWND hWnd);
    // Screen point of a client point of a window.
    static CPoint ScreenPoint(HWND hWnd, int x, int y);
    static COLORREF PMColor(int nColor);

    CControlsHostDlg* m_pDlg = nullptr;
};
