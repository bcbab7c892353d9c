// Shared pieces of the tab window tests.
#include "TabTestSupport.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

namespace tabtest
{

// One frame serves every test: hiding or destroying a foreground window costs Wine about two
// seconds here. Tests destroy their own children before the next one starts.
HostFrame::HostFrame(const RECT& rc)
{
    static CFrameWnd* s_pFrame = nullptr;
    if (s_pFrame == nullptr || !::IsWindow(s_pFrame->GetSafeHwnd()))
    {
        s_pFrame = new CFrameWnd;
        EXPECT_TRUE(s_pFrame->Create(nullptr, L"tabs", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc));
        s_pFrame->ShowWindow(SW_SHOW);
    }
    m_pFrame = s_pFrame;
    m_pFrame->MoveWindow(&rc);
    ::SetWindowPos(m_pFrame->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_pFrame->UpdateWindow();
    ::SetForegroundWindow(m_pFrame->m_hWnd);
    ::SetActiveWindow(m_pFrame->m_hWnd);
}

HostFrame::~HostFrame() {}

void PumpFor(DWORD nMilliseconds)
{
    const DWORD nStart = ::GetTickCount();
    do
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(1);
    } while (::GetTickCount() - nStart < nMilliseconds);
}

CSize TextSize(LPCTSTR pszText, bool bBold)
{
    CWindowDC dc(nullptr);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    return CExtPaintManager::MeasureText(dc, (HFONT)(bBold ? pPM->m_fontBold : pPM->m_fontNormal).GetSafeHandle(),
                                         pszText)
        .Size();
}

bool CreateStrip(CExtTabWnd& wnd, CWnd* pParent, const RECT& rc, DWORD dwTabStyle, UINT nID)
{
    return wnd.Create(pParent, rc, nID, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, dwTabStyle);
}

void MoveMouseTo(CWnd* pWnd, CPoint ptClient)
{
    pWnd->ClientToScreen(&ptClient);
    MoveMouseToScreen(ptClient);
    PumpFor(20);
}

void MoveMouseToScreen(CPoint ptClient)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(ptClient.x, 65535, cx);
    in.mi.dy = MulDiv(ptClient.y, 65535, cy);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
}

void MouseButton(bool bDown, bool bLeft)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bLeft ? (bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                          : (bDown ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
    ::SendInput(1, &in, sizeof(in));
}

} // namespace tabtest
