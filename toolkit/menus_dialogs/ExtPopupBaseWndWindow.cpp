// CExtPopupBaseWnd as a window: its messages, the animation and tip timers, painting and the
// capture of the screen under a popup before it shows.
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtSoundPlayer.h"
#include "toolkit/menus_dialogs/ExtPopupBaseWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include "platform/WinApp.h"

namespace
{
constexpr int kProgressStep = 20;
constexpr int kProgressDone = 101;
} // namespace

void CExtPopupBaseWnd::CaptureScreenBefore(const CRect& rcScreen)
{
    m_bmpScreenBefore.DeleteObject();
    m_rcScreenBefore = rcScreen;
    if (rcScreen.IsRectEmpty())
        return;
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, rcScreen.Width(), rcScreen.Height());
    if (hBmp != nullptr)
    {
        HDC hMem = ::CreateCompatibleDC(hScreen);
        HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
        ::BitBlt(hMem, 0, 0, rcScreen.Width(), rcScreen.Height(), hScreen, rcScreen.left, rcScreen.top, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        m_bmpScreenBefore.Attach(hBmp);
    }
    ::ReleaseDC(nullptr, hScreen);
}

bool CExtPopupBaseWnd::PaintScreenBefore(HDC hDC, int cx, int cy)
{
    if (m_bmpScreenBefore.GetSafeHandle() == nullptr)
        return false;
    HDC hSrc = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hSrc, (HBITMAP)m_bmpScreenBefore);
    ::BitBlt(hDC, 0, 0, cx, cy, hSrc, 0, 0, SRCCOPY);
    ::SelectObject(hSrc, hOld);
    ::DeleteDC(hSrc);
    return true;
}

LRESULT CExtPopupBaseWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return TRUE;
    case WM_NCPAINT: return 0;
    case WM_NCCALCSIZE:
        // The client area is the whole window.
        return 0;
    case WM_SIZE: Invalidate(FALSE); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_SETCURSOR:
        if (IsContextHelpMode())
        {
            HCURSOR hHelp = ::LoadCursorW(nullptr, (LPCWSTR)IDC_HELP);
            if (hHelp != nullptr)
            {
                ::SetCursor(hHelp);
                return TRUE;
            }
        }
        break;
    case WM_TIMER:
        if (wParam == ID_TIMER_ANIMATION)
        {
            OnTimerAnimation();
            return 0;
        }
        if (wParam == ID_TIMER_TIP_DELAY)
        {
            OnTimerTipDelay();
            return 0;
        }
        break;
    case WM_PAINT: OnPaintPopup(); return 0;
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CExtPopupBaseWnd::OnTimerAnimation()
{
    if (IsAnimationFinished())
    {
        if (GetSafeHwnd() != nullptr)
            KillTimer(ID_TIMER_ANIMATION);
        return;
    }
    const DWORD dwNow = ::GetTickCount();
    const int nElapsedFrames = (int)((dwNow - m_dwAnimStartTick + ANIMATION_PERIOD / 2) / ANIMATION_PERIOD);
    bool bFinished = false;
    if (m_nAnimationKind == ANIM_EXPAND || (m_nAnimationKind >= ANIM_SLIDE && m_nAnimationKind <= ANIM_HOLES))
    {
        m_nAnimPercentOld = m_nAnimPercent;
        m_nAnimPercent += kProgressStep;
        if (m_nAnimPercent > (nElapsedFrames * 5 + 25) * 4)
            m_nAnimPercent = kProgressDone;
        bFinished = m_nAnimPercent >= kProgressDone;
    }
    else
    {
        bFinished = true;
    }
    if (bFinished)
    {
        m_nAnimPercent = kProgressDone;
        m_nAnimFlags |= ANIM_FLAG_FINISHED;
        if (!IsEmbeddedTracking() && m_nSoundOnAnimationEnd != 0)
            g_SoundPlayerHolder->PlaySound((CExtSoundPlayer::e_ui_sounds_t)m_nSoundOnAnimationEnd);
        m_nSoundOnAnimationEnd = 0;
        if (GetSafeHwnd() != nullptr)
            KillTimer(ID_TIMER_ANIMATION);
        m_nAnimationKind = CExtPopupMenuWnd::g_nDefaultAnimation;
    }
    if (GetSafeHwnd() != nullptr)
    {
        if (bFinished)
            ClearShadowCache();
        else
            Invalidate(FALSE);
    }
    m_dwAnimStartTick = dwNow;
}

void CExtPopupBaseWnd::FinishAnimationNow()
{
    if (IsAnimationFinished())
        return;
    // An instant animation ends at its next tick: this is that tick.
    m_nAnimationKind = ANIM_INSTANT;
    OnTimerAnimation();
}

void CExtPopupBaseWnd::OnTimerTipDelay()
{
    if (GetSafeHwnd() == nullptr)
        return;
    KillTimer(ID_TIMER_TIP_DELAY);
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    Invalidate(FALSE);
    UpdateWindow();
}

void CExtPopupBaseWnd::OnPaintPopup()
{
    CPaintDC dc(this);
    if (!IsOnScreen())
        return;
    CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), GetSafeHwnd());
    if (IsAnimationFinished())
        PaintMenu(dc, true);
    else
        PaintAnimationFrame(dc);
}
