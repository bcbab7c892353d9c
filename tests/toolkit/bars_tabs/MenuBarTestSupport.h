// Shared pieces of the menu bar tests: a shown frame with the test menu, an edit holding the focus, accelerators and
// a command profile; the platform's pump; keys by SendInput.
#pragma once
#include "MenuStatusTestIds.h"
#include "platform/FrameWnd.h"
#include <gtest/gtest.h>
#include <vector>

class CExtMenuControlBar;

namespace menutest
{

extern const wchar_t* const kProfile;

// The test frame: its menu is IDR_MS_MENU, its view an edit; it records the commands it receives.
class CMenuHostFrame : public CFrameWnd
{
public:
    bool CreateHost(const RECT& rc);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CWnd m_wndEdit;
    std::vector<UINT> m_commands;
    HMENU m_hMenuOriginal = nullptr;
};

// The frame shared by the tests (shown, foreground, with its original menu back).
CMenuHostFrame* Host();
// Creates a menu bar docked at the top of the frame (taking the frame's menu).
CExtMenuControlBar* CreateMenuBar(CFrameWnd* pFrame, UINT nID = 0xA200);
// Destroys the bar and gives the shared frame its menu back.
void DestroyMenuBar(CExtMenuControlBar* pBar);

// Dispatches the thread's messages through the platform's pre-translation for about nMilliseconds.
void PumpPlatform(DWORD nMilliseconds = 20);
template <class F> bool PumpUntil(F condition, DWORD nMilliseconds = 2000)
{
    const DWORD nStart = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - nStart > nMilliseconds)
            return false;
        PumpPlatform(5);
    }
    return true;
}
// Real keys (SendInput), then a pump.
void Key(WORD nVirtKey, bool bDown);
void Tap(WORD nVirtKey);
// Alt held while the keys are tapped.
void AltTap(WORD nVirtKey);

} // namespace menutest
