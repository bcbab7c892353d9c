// The tool-bar test host: frame, chevron tool bar and helpers.
#include "ToolBarHost.h"
#include "platform/Dc.h"
#include "platform/DockBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

const wchar_t* const kToolBarHostProfile = L"ToolBarHost";

bool CChevronToolBar::IsRightButtonDisplayed() const
{
    if (!m_bShowChevron || IsDialogMode() || m_pDockSite == nullptr || IsFloating(this))
        return false;
    return (m_nBarFlags & kBarFlagPanelMode) == 0;
}

BEGIN_MESSAGE_MAP(CToolBarHostFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND_RANGE(ID_TBT_FIRST, ID_TBT_PICK_C, OnTestCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_TBT_FIRST, ID_TBT_PICK_C, OnUpdateTestCommand)
END_MESSAGE_MAP()

CToolBarHostFrame::CToolBarHostFrame() { m_wndToolBar.m_bShowChevron = false; }

CToolBarHostFrame::~CToolBarHostFrame() {}

int CToolBarHostFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndView.CreateEx(WS_EX_CLIENTEDGE, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_WINDOW + 1)), L"view",
                            WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, nullptr))
        return -1;
    return 0;
}

bool CToolBarHostFrame::CreateHost(CExtPaintManager* pPM, int cx, int cy, bool bVisible)
{
    g_PaintManagerHolder.InstallPaintManager(pPM != nullptr ? pPM : new CExtPaintManager);
    if (!Create(nullptr, L"Tool bar host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (bVisible ? WS_VISIBLE : 0),
                CRect(30, 30, 30 + cx, 30 + cy)))
        return false;
    g_CmdManagerHolder->CreateProfile(kToolBarHostProfile, GetSafeHwnd());
    if (!CExtControlBar::EnableFrameDocking(this))
        return false;
    if (!m_wndToolBar.Create(L"Test tool bar", this, AFX_IDW_TOOLBAR,
                             WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                 CBRS_SIZE_DYNAMIC))
        return false;
    if (!m_wndToolBar.LoadToolBar(IDR_TBT_TOOLBAR))
        return false;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    RecalcLayout();
    return true;
}

int CToolBarHostFrame::IndexOf(UINT nCmdID) const
{
    for (int i = 0; i < m_wndToolBar.GetButtonsCount(); i++)
    {
        if (m_wndToolBar.GetButtonID(i) == nCmdID)
            return i;
    }
    return -1;
}

void CToolBarHostFrame::SetToolbarText(UINT nCmdID, LPCTSTR pszText)
{
    CExtCmdItem* pItem = g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, nCmdID);
    if (pItem != nullptr)
        pItem->m_sToolbarText = pszText;
}

void CToolBarHostFrame::OnTestCommand(UINT nID)
{
    m_arrCommands.push_back(nID);
    if (m_fnOnCommand)
    {
        std::function<void()> fn;
        fn.swap(m_fnOnCommand);
        fn();
    }
}

void CToolBarHostFrame::OnUpdateTestCommand(CCmdUI* pCmdUI)
{
    auto it = m_mapEnable.find(pCmdUI->m_nID);
    if (it != m_mapEnable.end())
        pCmdUI->Enable(it->second != 0);
    it = m_mapCheck.find(pCmdUI->m_nID);
    if (it != m_mapCheck.end())
        pCmdUI->SetCheck(it->second);
    it = m_mapRadio.find(pCmdUI->m_nID);
    if (it != m_mapRadio.end())
        pCmdUI->SetRadio(it->second != 0);
}

// ---- helpers -----------------------------------------------------------------------------------------------------

CPoint ButtonCenterOnScreen(CExtToolControlBar& bar, int nIndex)
{
    CRect rc;
    bar.GetButtonRect(nIndex, rc);
    CPoint pt = rc.CenterPoint();
    bar.ClientToScreen(&pt);
    return pt;
}

void SendBarMouse(CWnd& bar, UINT message, CPoint ptClient, WPARAM wParam)
{
    bar.SendMessage(message, wParam, MAKELPARAM((short)ptClient.x, (short)ptClient.y));
}

std::vector<DWORD> CaptureClient(CExtToolControlBar& wnd, int& cx, int& cy)
{
    CRect rc;
    wnd.GetClientRect(&rc);
    cx = rc.Width();
    cy = rc.Height();
    std::vector<DWORD> pixels;
    if (cx <= 0 || cy <= 0)
        return pixels;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    DWORD* pBits = nullptr;
    HBITMAP hBmp = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
    HDC hMem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    {
        CDC dc;
        dc.Attach(hMem);
        dc.FillSolidRect(0, 0, cx, cy, RGB(255, 0, 255));
        wnd.DoPaint(&dc);
        dc.Detach();
    }
    ::GdiFlush();
    pixels.assign(pBits, pBits + cx * cy);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hBmp);
    for (DWORD& v : pixels)
        v &= 0xFFFFFF;
    return pixels;
}
