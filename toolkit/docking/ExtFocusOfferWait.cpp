// CExtFocusOfferWait: a shown top-level window's wait for a window manager's offer of the focus before its floating
// frames show, and the attention marks taken off the frames a window manager has not offered the focus.
#include "toolkit/docking/ExtFocusOfferWait.h"
#include "platform/String.h"
#include "toolkit/docking/ExtOwnedFrames.h"
#include <algorithm>
#include <utility>

namespace
{
// Posted to a top-level window to take the attention mark off the frames a window manager has not offered the focus
// since their show.
const UINT g_nMsgEndFramesAttention = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::EndFramesAttention");
// The timer on a top-level window that ends the wait for a window manager's focus, and the wait's length: where no
// offer comes the frames show after it. metacity offers none to a window the program shows again at a click on Wine's
// tray icon once the program has had input of its own (its user time is older than the tray's click): a plain probe
// got no offer in 0 of 22 such shows and no other message from the manager (no activation, no foreground change;
// its move of the window at the map is passed on only while the place changes, 3 of 8), and its owned popup shown
// at once was not marked (0 of 3) and lay above it. Measured with a busy process per CPU (load 26-31), the offers
// that do come arrive 4-256 ms after the show (openbox 80 shows, metacity 8). The wait passes the latest of them and
// leaves the frames' own show room within half a second of the main window's where none comes (a wait of 350 ms: the
// frames 506 ms after it once in a full test run).
const UINT_PTR g_nFocusWaitTimer = ::RegisterWindowMessageW(L"CExtFocusOfferWait::Timer");
const UINT g_nFocusWaitMs = 300;

// Under Wine a window manager gives the focus to a window it maps by offering it (WM_TAKE_FOCUS, which Wine passes on
// as a press on the window's menu, WM_MOUSEACTIVATE with HTMENU) a while after the show, which has already activated
// the window in Win32's eyes; openbox marks a transient it maps before that as asking for attention when another
// window had the focus (Wine's own tray window: a plain owned popup shown at its owner's show 4 of 4, shown after the
// owner's first offer 0 of 5). Windows gives the focus at the show. True for a window that Wine shows as an X window
// (its X11 driver records it on the window) that a window manager manages: the driver's "Managed" setting, read as the
// driver reads it once at its start, is on (the program's own under AppDefaults, else the driver's; on without one;
// on when its first letter is y, t or 1).
bool FocusComesFromWindowManager(HWND hTop)
{
    static const bool s_bManaged = [] {
        wchar_t szPath[MAX_PATH] = {};
        const DWORD nPath = ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
        const wchar_t* pszName = szPath;
        for (DWORD i = 0; i < nPath; ++i)
            if (szPath[i] == L'\\' || szPath[i] == L'/')
                pszName = szPath + i + 1;
        const CString strAppKey = CString(L"Software\\Wine\\AppDefaults\\") + pszName + L"\\X11 Driver";
        for (const wchar_t* pszKey : {(const wchar_t*)strAppKey, L"Software\\Wine\\X11 Driver"})
        {
            wchar_t szManaged[64] = {};
            DWORD cb = sizeof szManaged;
            if (::RegGetValueW(HKEY_CURRENT_USER, pszKey, L"Managed", RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, szManaged,
                               &cb) == ERROR_SUCCESS)
                return wcschr(L"yYtT1", szManaged[0]) != nullptr && szManaged[0] != 0;
        }
        return true;
    }();
    return s_bManaged && ::GetPropW(hTop, L"__wine_x11_whole_window") != nullptr;
}
} // namespace

void CExtFocusOfferWait::Reset()
{
    m_bFocusOffered = false;
    StopWait();
    m_unoffered.clear();
}

bool CExtFocusOfferWait::Wait()
{
    if (m_bFocusOffered || !FocusComesFromWindowManager(m_hTop))
        return false;
    m_bAwaitingFocus = ::SetTimer(m_hTop, g_nFocusWaitTimer, g_nFocusWaitMs, nullptr) != 0;
    return m_bAwaitingFocus;
}

void CExtFocusOfferWait::StopWait()
{
    if (std::exchange(m_bAwaitingFocus, false))
        ::KillTimer(m_hTop, g_nFocusWaitTimer);
}

bool CExtFocusOfferWait::OnWaitTimer(UINT nMessage, WPARAM wParam)
{
    if (nMessage != WM_TIMER || wParam != g_nFocusWaitTimer)
        return false;
    StopWait();
    return true;
}

bool CExtFocusOfferWait::OnOffer()
{
    m_bFocusOffered = true;
    if (m_bAwaitingFocus)
    {
        StopWait();
        return true;
    }
    // Posted: the offer's answer gives the window the focus first.
    if (!m_unoffered.empty())
        ::PostMessageW(m_hTop, g_nMsgEndFramesAttention, 0, 0);
    return false;
}

void CExtFocusOfferWait::NoteShown(HWND hFrame)
{
    if (std::find(m_unoffered.begin(), m_unoffered.end(), hFrame) == m_unoffered.end())
        m_unoffered.push_back(hFrame);
}

void CExtFocusOfferWait::NoteOffered(HWND hFrame)
{
    m_unoffered.erase(std::remove(m_unoffered.begin(), m_unoffered.end(), hFrame), m_unoffered.end());
}

bool CExtFocusOfferWait::OnEndAttention(UINT nMessage)
{
    if (nMessage != g_nMsgEndFramesAttention)
        return false;
    EndFramesAttention();
    return true;
}

void CExtFocusOfferWait::EndFramesAttention()
{
    std::vector<HWND> frames;
    frames.swap(m_unoffered);
    for (HWND hFrame : frames)
        if (::IsWindow(hFrame) && ::IsWindowVisible(hFrame))
        {
            FLASHWINFO fi = {sizeof fi, hFrame, FLASHW_STOP, 0, 0};
            ::FlashWindowEx(&fi);
        }
}

void CExtFocusOfferWait::EndBandAttention()
{
    for (HWND hFrame : CExtOwnedFrames::Of(m_hTop))
        if (::IsWindowVisible(hFrame))
            NoteShown(hFrame);
    if (!m_unoffered.empty())
        ::PostMessageW(m_hTop, g_nMsgEndFramesAttention, 0, 0);
}
