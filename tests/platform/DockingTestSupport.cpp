// Shared pieces of the docking tests.
#include "DockingTestSupport.h"

int g_testBarsAlive = 0;
int CDockTestFrame::s_nAlive = 0;

namespace
{
class CDockingTestApp : public CWinApp
{
public:
    CDockingTestApp() : CWinApp(L"DockingTest") {}
};
CDockingTestApp theApp;
} // namespace

CSize CFixedBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? CSize(m_cxAcross, m_cyAcross) : CSize(m_cyAcross, m_cxAcross);
}

CSize CFixedBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & (LM_HORZ | LM_HORZDOCK)) != 0);
}

BOOL CFixedBar::CreateBar(CWnd* pParent, UINT nID, DWORD dwBarStyle, BOOL bVisible)
{
    m_dwStyle = dwBarStyle;
    if (!CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)), L"bar",
                        WS_CHILD | (bVisible ? WS_VISIBLE : 0), 0, 0, 0, 0, pParent->GetSafeHwnd(),
                        (HMENU)(UINT_PTR)nID, nullptr))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    return TRUE;
}

CSize CDynamicBar::SizeForWidth(int cx)
{
    cx = std::max(cx, 20);
    int nRows = (1000 + cx - 1) / cx;
    return CSize(cx, nRows * 10);
}

CSize CDynamicBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CFixedBar::CalcDynamicLayout(nLength, nMode);
    if (nMode & LM_MRUWIDTH)
        return SizeForWidth(m_nMRUWidth);
    CSize size;
    if (nMode & LM_LENGTHY)
    {
        // The narrowest width whose rows fit into the height asked for.
        int nRows = std::max(1, nLength / 10);
        size = SizeForWidth((1000 + nRows - 1) / nRows);
    }
    else
        size = SizeForWidth(nLength);
    if (nMode & LM_COMMIT)
        m_nMRUWidth = size.cx;
    return size;
}

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
ON_WM_CREATE()
ON_NOTIFY(LVN_ITEMCHANGED, 0xE870, OnListNotify)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_OVR, OnUpdateOverwrite)
END_MESSAGE_MAP()

int CDockTestFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    m_pView = new CWnd;
    if (!m_pView->CreateEx(0, AfxRegisterWndClass(0), L"view", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_hWnd,
                           (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, nullptr))
        return -1;
    return 0;
}

void CDockTestFrame::OnListNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    ++m_nNotifies;
    m_nLastNotifyCode = pNMHDR->code;
    *pResult = 0;
}

void CDockTestFrame::OnUpdateOverwrite(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bOverwrite);
    pCmdUI->SetText(m_bOverwrite ? L"TIMPA" : L"SISIP");
}

CDockTestFrame* MakeDockFrame(BOOL bEnableDocking, int x, int y)
{
    auto* pFrame = new CDockTestFrame;
    if (!pFrame->Create(nullptr, L"docking", WS_OVERLAPPEDWINDOW, CRect(x, y, x + 400, y + 300)))
        return nullptr; // deleted by its window's end
    if (bEnableDocking)
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
    return pFrame;
}

CRect RectIn(HWND hParent, HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(nullptr, hParent, (LPPOINT)&rect, 2);
    return rect;
}

CRect ScreenRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

CRect ClientRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    return rect;
}

void RunIdle() { AfxGetThread()->OnIdle(0); }

CMiniDockFrameWnd* FloatingFrameOf(CControlBar* pBar)
{
    if (pBar == nullptr || pBar->m_pDockBar == nullptr || !pBar->m_pDockBar->m_bFloating)
        return nullptr;
    return DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pBar->m_pDockBar->GetParent());
}

CDockBar* DockBarOf(CFrameWnd* pFrame, UINT nID) { return DYNAMIC_DOWNCAST(CDockBar, pFrame->GetControlBar(nID)); }

CString Rows(CDockBar* pDockBar)
{
    CString text;
    for (int i = 0; i < pDockBar->m_arrBars.GetSize(); i++)
    {
        void* p = pDockBar->m_arrBars[i];
        CString part;
        if (p == nullptr)
            part = L"|";
        else if (CDockBar::IsPlaceHolder(p))
            part.Format(L"p%X", (UINT)(UINT_PTR)p);
        else
            part.Format(L"%X", static_cast<CControlBar*>(p)->GetDlgCtrlID());
        if (!text.IsEmpty() && part != L"|" && text.Right(1) != L"|")
            text += L",";
        text += part;
    }
    return text;
}
