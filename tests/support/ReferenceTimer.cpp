// A reference timer for checks of a control's stated times: its window, its ticks and what they read.
#include "ReferenceTimer.h"

namespace
{
// Starts the timer on the window's own thread: wParam the period.
const UINT kStartRequest = WM_APP + 0x3B1;
const UINT kStopRequest = WM_APP + 0x3B2;
const UINT_PTR kTimerId = 1;

const wchar_t* RegisterClassOnce(WNDPROC pfn)
{
    static const wchar_t* const kClass = L"CorvaneTestReferenceTimer";
    static const bool bRegistered = [pfn] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = pfn;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    return bRegistered ? kClass : nullptr;
}
} // namespace

CReferenceTimer::CReferenceTimer() : m_dwThread(::GetCurrentThreadId())
{
    const wchar_t* pszClass = RegisterClassOnce(&CReferenceTimer::WndProc);
    if (pszClass == nullptr)
        return;
    m_hWnd =
        ::CreateWindowExW(0, pszClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (m_hWnd != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CReferenceTimer::~CReferenceTimer()
{
    if (m_hWnd != nullptr)
    {
        ::KillTimer(m_hWnd, kTimerId);
        ::DestroyWindow(m_hWnd);
    }
}

void CReferenceTimer::Start(UINT nPeriodMs, const std::function<long()>& fnRead)
{
    if (m_hWnd == nullptr)
        return;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_fnRead = fnRead;
        m_samples.clear();
    }
    // The timer belongs to the window's thread; from elsewhere it is started there (a sent message is
    // taken inside any loop that retrieves messages).
    if (::GetCurrentThreadId() == m_dwThread)
        ::SetTimer(m_hWnd, kTimerId, nPeriodMs, nullptr);
    else
        ::SendMessageW(m_hWnd, kStartRequest, nPeriodMs, 0);
}

void CReferenceTimer::Stop()
{
    if (m_hWnd == nullptr)
        return;
    if (::GetCurrentThreadId() == m_dwThread)
        ::KillTimer(m_hWnd, kTimerId);
    else
        ::SendMessageW(m_hWnd, kStopRequest, 0, 0);
}

int CReferenceTimer::Ticks() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return (int)m_samples.size();
}

long CReferenceTimer::SampleAt(int nTick) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return nTick >= 1 && nTick <= (int)m_samples.size() ? m_samples[nTick - 1] : -1;
}

int CReferenceTimer::FirstTickReaching(long nValue) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    for (size_t i = 0; i < m_samples.size(); i++)
        if (m_samples[i] >= nValue)
            return (int)i + 1;
    return 0;
}

void CReferenceTimer::OnTick()
{
    // Read outside the lock: the control's state may take a message of its own to read.
    std::function<long()> fnRead;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        fnRead = m_fnRead;
    }
    const long nValue = fnRead ? fnRead() : 0;
    std::lock_guard<std::mutex> lock(m_lock);
    m_samples.push_back(nValue);
}

LRESULT CALLBACK CReferenceTimer::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CReferenceTimer* pThis = reinterpret_cast<CReferenceTimer*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    switch (message)
    {
    case kStartRequest: ::SetTimer(hWnd, kTimerId, (UINT)wParam, nullptr); return 0;
    case kStopRequest: ::KillTimer(hWnd, kTimerId); return 0;
    case WM_TIMER:
        if (pThis != nullptr && wParam == kTimerId)
            pThis->OnTick();
        return 0;
    default: return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

bool KeptPace(const CReferenceTimer& ref, int nTick, long nStepsAtStart)
{
    const long nSample = ref.SampleAt(nTick);
    return nSample >= 0 && 3 * (nSample - nStepsAtStart) >= 2 * nTick;
}
