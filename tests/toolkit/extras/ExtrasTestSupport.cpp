// Shared pieces of the extra-control tests.
#include "ExtrasTestSupport.h"
#include <vector>

namespace extrastest
{

namespace
{

void BringToFront(HWND hWnd)
{
    const bool bWasFront = ::GetForegroundWindow() == hWnd;
    ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(hWnd);
    ::SetActiveWindow(hWnd);
    // A new activation's events are in before the tests send input.
    if (bWasFront)
        PumpMessages();
    else
        SettleInput();
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

namespace
{

CPoint ToScreen(HWND hWnd, CPoint ptClient)
{
    ::ClientToScreen(hWnd, &ptClient);
    return ptClient;
}

// The key input that types the character: Shift and the key, or the key alone.
std::vector<WORD> KeysFor(wchar_t ch)
{
    const SHORT vk = ::VkKeyScanW(ch);
    if ((vk & 0x100) != 0)
        return {VK_SHIFT, (WORD)(vk & 0xFF)};
    return {(WORD)(vk & 0xFF)};
}

void SendKeysRaw(const std::vector<WORD>& keys)
{
    std::vector<INPUT> in;
    for (WORD vk : keys)
    {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
    {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
}

// From a script: the keys down in order and up in reverse, each handled before the next.
void SendKeyChord(const std::vector<WORD>& keys)
{
    for (WORD vk : keys)
        SendKeyInput(vk, true);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        SendKeyInput(*it, false);
}

} // namespace

void MoveMouseToRaw(HWND hWnd, CPoint ptClient)
{
    const CPoint pt = ToScreen(hWnd, ptClient);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = ::MulDiv(pt.x, 65535, cx);
    in.mi.dy = ::MulDiv(pt.y, 65535, cy);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
}

void ClickAtRaw(HWND hWnd, CPoint ptClient)
{
    MoveMouseToRaw(hWnd, ptClient);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
}

void MoveMouseTo(HWND hWnd, CPoint ptClient)
{
    const CPoint pt = ToScreen(hWnd, ptClient);
    RunInputScript([&] { SendMouse(pt.x, pt.y, 0); });
}

void ClickAt(HWND hWnd, CPoint ptClient)
{
    const CPoint pt = ToScreen(hWnd, ptClient);
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    });
}

void SendKeys(std::initializer_list<WORD> keys)
{
    const std::vector<WORD> chord(keys);
    RunInputScript([&] { SendKeyChord(chord); });
}

void SendKeysRaw(std::initializer_list<WORD> keys) { SendKeysRaw(std::vector<WORD>(keys)); }

void TypeText(LPCWSTR pszText)
{
    RunInputScript([&] {
        for (LPCWSTR p = pszText; *p != 0; ++p)
            SendKeyChord(KeysFor(*p));
    });
}

void TypeTextRaw(LPCWSTR pszText)
{
    for (; *pszText != 0; ++pszText)
        SendKeysRaw(KeysFor(*pszText));
}

// ---- scripts --------------------------------------------------------------------------------------

namespace
{
Script* g_pRunning = nullptr; // one script runs at a time
} // namespace

Script& Script::Then(std::function<bool()> step)
{
    m_steps.push_back(Step{std::move(step), false});
    return *this;
}

Script& Script::Do(std::function<void()> step)
{
    m_steps.push_back(Step{[step] {
                               step();
                               return true;
                           },
                           true});
    return *this;
}

void Script::Start(UINT nPeriod, DWORD nLimit)
{
    g_pRunning = this;
    m_nStart = ::GetTickCount();
    m_nLimit = nLimit;
    m_nTimer = ::SetTimer(nullptr, 0, nPeriod, OnTick);
}

Script::~Script()
{
    if (m_nTimer != 0)
        ::KillTimer(nullptr, m_nTimer);
    if (g_pRunning == this)
        g_pRunning = nullptr;
}

void CALLBACK Script::OnTick(HWND hWnd, UINT message, UINT_PTR nID, DWORD nTime)
{
    (void)hWnd;
    (void)message;
    (void)nTime;
    if (g_pRunning != nullptr && g_pRunning->m_nTimer == nID)
        g_pRunning->Tick();
}

void Script::Tick()
{
    if (!IsDone() && ::GetTickCount() - m_nStart > m_nLimit)
    {
        m_bFailed = true;
        m_nNext = m_steps.size();
        SendKeysRaw({VK_ESCAPE});
    }
    if (!IsDone())
    {
        // A step run once is passed before it runs: it may start a modal loop in which the next ticks go on.
        const size_t nIndex = m_nNext;
        if (m_steps[nIndex].bOnce)
        {
            m_nNext = nIndex + 1;
            m_steps[nIndex].fn();
        }
        else if (m_steps[nIndex].fn() && m_nNext == nIndex)
            m_nNext = nIndex + 1;
    }
    if (IsDone() && m_nTimer != 0)
    {
        ::KillTimer(nullptr, m_nTimer);
        m_nTimer = 0;
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
