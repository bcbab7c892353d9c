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

bool PumpInput()
{
    return PumpUntil([] { return HIWORD(::GetQueueStatus(QS_MOUSE | QS_KEY)) == 0; });
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
    SendMouse(ptClient.x, ptClient.y, 0);
    PumpInput();
}

} // namespace tabtest
