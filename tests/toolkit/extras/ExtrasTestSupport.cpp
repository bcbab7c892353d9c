// Shared pieces of the extra-control tests.
#include "ExtrasTestSupport.h"
#include <vector>

namespace extrastest
{

namespace
{

void BringToFront(HWND hWnd)
{
    ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(hWnd);
    ::SetActiveWindow(hWnd);
    PumpFor(20);
}

} // namespace

CFrameWnd* PlainFrame()
{
    static CFrameWnd* s_pFrame = nullptr;
    if (s_pFrame == nullptr || !::IsWindow(s_pFrame->GetSafeHwnd()))
    {
        s_pFrame = new CFrameWnd;
        EXPECT_TRUE(
            s_pFrame->Create(nullptr, L"extras", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(40, 40, 700, 500)));
    }
    BringToFront(s_pFrame->m_hWnd);
    return s_pFrame;
}

extrashost::CExtrasMdiFrame* MdiFrame()
{
    static extrashost::CExtrasMdiFrame* s_pFrame = nullptr;
    if (s_pFrame == nullptr)
    {
        s_pFrame = new extrashost::CExtrasMdiFrame;
        EXPECT_TRUE(s_pFrame->CreateHost(CRect(60, 60, 660, 500)));
        s_pFrame->ShowWindow(SW_SHOW);
    }
    BringToFront(s_pFrame->m_hWnd);
    return s_pFrame;
}

extrashost::CExtrasPagesDialog* PagesDialog()
{
    static extrashost::CExtrasPagesDialog* s_pDlg = nullptr;
    if (s_pDlg == nullptr)
    {
        s_pDlg = new extrashost::CExtrasPagesDialog;
        EXPECT_TRUE(s_pDlg->CreateHost(nullptr, CRect(100, 100, 520, 420)));
    }
    BringToFront(s_pDlg->m_hWnd);
    return s_pDlg;
}

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

void MoveMouseTo(HWND hWnd, CPoint ptClient)
{
    ::ClientToScreen(hWnd, &ptClient);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = ::MulDiv(ptClient.x, 65535, cx);
    in.mi.dy = ::MulDiv(ptClient.y, 65535, cy);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
    PumpFor(20);
}

void ClickAt(HWND hWnd, CPoint ptClient)
{
    MoveMouseTo(hWnd, ptClient);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
    PumpFor(30);
}

void SendKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> in;
    for (WORD vk : keys)
    {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto it = keys.end(); it != keys.begin();)
    {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
    PumpFor(30);
}

void TypeText(LPCWSTR pszText)
{
    for (; *pszText != 0; ++pszText)
    {
        const SHORT vk = ::VkKeyScanW(*pszText);
        if ((vk & 0x100) != 0)
            SendKeys({VK_SHIFT, (WORD)(vk & 0xFF)});
        else
            SendKeys({(WORD)(vk & 0xFF)});
    }
}

std::unique_ptr<DibCanvas> PaintClient(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    auto canvas = std::make_unique<DibCanvas>(rc.Width(), rc.Height(), RGB(1, 2, 3));
    ::SendMessageW(hWnd, WM_PRINTCLIENT, (WPARAM)canvas->dc.GetSafeHdc(), PRF_CLIENT);
    return canvas;
}

} // namespace extrastest
