// Shared pieces of the themed-control tests.
#include "ControlsTestSupport.h"
#include "platform/CmdTarget.h"
#include "platform/WinApp.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>
#include <objbase.h>

namespace
{
class CControlsTestApp : public CWinApp
{
public:
    CControlsTestApp() : CWinApp(L"ControlsTest") {}
};
CControlsTestApp theApp;
} // namespace

IMPLEMENT_DYNCREATE(CRecordingPaintManager, CExtPaintManager)

std::vector<CRecordingPaintManager::PushRecord> CRecordingPaintManager::g_push;
std::vector<CRecordingPaintManager::BoxRecord> CRecordingPaintManager::g_boxes;
std::vector<CRecordingPaintManager::FrameRecord> CRecordingPaintManager::g_editFrames;
std::vector<CRecordingPaintManager::FrameRecord> CRecordingPaintManager::g_comboFrames;

void CRecordingPaintManager::PaintEditFrame(CDC& dc, EditFramePaintData& data)
{
    g_editFrames.push_back(
        FrameRecord{data.m_pHelperSrc, data.m_rcEdit, data.m_bHover, false, data.m_bEnabled, data.m_bFocus});
    CExtPaintManager::PaintEditFrame(dc, data);
}

void CRecordingPaintManager::PaintComboFrame(CDC& dc, ComboFramePaintData& data)
{
    g_comboFrames.push_back(
        FrameRecord{data.m_pHelperSrc, data.m_rcClient, data.m_bHover, data.m_bPushed, data.m_bEnabled, false});
    CExtPaintManager::PaintComboFrame(dc, data);
}

void CRecordingPaintManager::PaintPushButton(CDC& dc, PushButtonPaintData& data)
{
    PushRecord r;
    r.pSrc = data.m_pHelperSrc;
    r.nAlign = data.m_nAlign;
    r.bFlat = data.m_bFlat;
    r.bHot = data.m_bHot;
    r.bPushed = data.m_bPushed;
    r.bEnabled = data.m_bEnabled;
    r.bFocusRect = data.m_bFocusRect;
    r.bDefault = data.m_bDefault;
    r.bDropDown = data.m_bDropDown;
    r.bSplit = data.m_bSplitDropDown;
    r.bDropDownPushed = data.m_bDropDownPushed;
    r.bNoBackground = data.m_bNoBackground;
    r.bHasIcon = data.m_pIcon != nullptr && !data.m_pIcon->IsEmpty();
    r.hIcon = r.bHasIcon && !data.m_pIcon->IsBitmapBased() ? data.m_pIcon->GetIcon() : nullptr;
    r.sText = data.m_pszText != nullptr ? data.m_pszText : L"";
    r.clrNormal = data.m_clrTextNormal;
    r.clrHot = data.m_clrTextHot;
    g_push.push_back(r);
    CExtPaintManager::PaintPushButton(dc, data);
}

bool CRecordingPaintManager::PaintCheckOrRadioBox(CDC& dc, int nLeft, int nTop, int nRight, int nBottom, int nState,
                                                  CObject* pHelperSrc, LPARAM lParam)
{
    g_boxes.push_back(BoxRecord{pHelperSrc, CRect(nLeft, nTop, nRight, nBottom), nState});
    return CExtPaintManager::PaintCheckOrRadioBox(dc, nLeft, nTop, nRight, nBottom, nState, pHelperSrc, lParam);
}

BOOL CControlsHostDlg::Create(const CRect& rc)
{
    // An empty popup dialog template in dialog units; the window is moved into place afterwards.
    struct
    {
        DLGTEMPLATE dt;
        WORD wMenu, wClass, wTitle;
    } tmpl = {};
    tmpl.dt.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
    tmpl.dt.cx = 100;
    tmpl.dt.cy = 100;
    if (!CreateIndirect(&tmpl.dt, nullptr))
        return FALSE;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(), SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    return TRUE;
}

HWND CControlsHostDlg::AddControl(LPCWSTR lpszClass, LPCWSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nId,
                                  DWORD dwExStyle)
{
    HWND hWnd =
        ::CreateWindowExW(dwExStyle, lpszClass, lpszText, dwStyle | WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.Width(),
                          rc.Height(), m_hWnd, (HMENU)(UINT_PTR)nId, ::GetModuleHandleW(nullptr), nullptr);
    if (hWnd != nullptr)
        ::SendMessageW(hWnd, WM_SETFONT, ::SendMessageW(m_hWnd, WM_GETFONT, 0, 0), FALSE);
    return hWnd;
}

BOOL CControlsHostDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // A control that handles its own notification (reflection) takes it.
    if (lParam != 0 && ReflectLastMsg((HWND)lParam))
        return TRUE;
    m_commands.push_back(Command{LOWORD(wParam), HIWORD(wParam), (HWND)lParam});
    return TRUE;
}

LRESULT CControlsHostDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= 0xC000 && message <= 0xFFFF)
    {
        m_messages.push_back(message);
        return 0x5A;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void ControlsTest::SetUp()
{
    // COM stays initialised for the whole program, as the application keeps it.
    static const HRESULT s_hrCom = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)s_hrCom;
    CRecordingPaintManager::g_push.clear();
    CRecordingPaintManager::g_boxes.clear();
    CRecordingPaintManager::g_editFrames.clear();
    CRecordingPaintManager::g_comboFrames.clear();
    UsePaintManager(new CRecordingPaintManager);
    // One host for the program: destroying an active top-level window costs seconds under Wine.
    static CControlsHostDlg* s_pDlg = nullptr;
    if (s_pDlg == nullptr || s_pDlg->GetSafeHwnd() == nullptr)
    {
        s_pDlg = new CControlsHostDlg;
        ASSERT_TRUE(s_pDlg->Create(CRect(40, 40, 640, 480)));
    }
    m_pDlg = s_pDlg;
    m_pDlg->m_commands.clear();
    m_pDlg->m_messages.clear();
    ::SetWindowPos(m_pDlg->m_hWnd, HWND_TOPMOST, 40, 40, 600, 440, SWP_SHOWWINDOW);
    ::SetActiveWindow(m_pDlg->m_hWnd);
    ::EnableWindow(m_pDlg->m_hWnd, TRUE);
    Pump();
}

void ControlsTest::TearDown()
{
    if (::GetCapture() != nullptr)
        ::ReleaseCapture();
    if (m_pDlg != nullptr && m_pDlg->GetSafeHwnd() != nullptr)
    {
        // The host stays; its controls go.
        while (HWND hWndChild = ::GetWindow(m_pDlg->m_hWnd, GW_CHILD))
            ::DestroyWindow(hWndChild);
        ::SetFocus(m_pDlg->m_hWnd);
    }
    m_pDlg = nullptr;
    Pump();
}

void ControlsTest::UsePaintManager(CExtPaintManager* pPM)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pPM));
}

void ControlsTest::Pump()
{
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

BOOL CControlsHostDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr &&
        std::find(m_enabled.begin(), m_enabled.end(), nID) != m_enabled.end())
    {
        ((CCmdUI*)pExtra)->Enable(TRUE);
        return TRUE;
    }
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

std::unique_ptr<DibCanvas> ControlsTest::Capture(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    return ReadClientSurface(hWnd);
}

std::unique_ptr<DibCanvas> ControlsTest::CaptureWindow(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    auto canvas = std::make_unique<DibCanvas>(rc.Width(), rc.Height(), RGB(1, 2, 3));
    HDC hDC = ::GetWindowDC(hWnd);
    ::BitBlt(canvas->dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
    return canvas;
}

CPoint ControlsTest::ScreenPoint(HWND hWnd, int x, int y)
{
    CPoint pt(x, y);
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

COLORREF ControlsTest::PMColor(int nColor) { return g_PaintManagerHolder->GetTranslatedColor(nColor); }
