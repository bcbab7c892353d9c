// Shared pieces of the menu bar tests: a shown frame with the test menu, an edit holding the focus, accelerators and
// a command profile; the platform's pump; keys by SendInput, each handled before the next.
#pragma once
#include "MenuStatusTestIds.h"
#include "platform/FrameWnd.h"
#include "support/InputScript.h"
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
// Pumps with PumpPlatform until the condition holds; false when it still does not after nMilliseconds.
template <class F> bool PumpUntil(F condition, DWORD nMilliseconds = kInputWaitMs)
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
// Pumps with PumpPlatform until no key or mouse input waits in this thread's queue: every input sent
// before has been taken and handled (what it posts or starts a timer for may still come).
bool PumpInput();
// Real keys (SendKeyInput on this thread), each pumped until handled (PumpInput).
void Key(WORD nVirtKey, bool bDown);
void Tap(WORD nVirtKey);
// Alt held while the keys are tapped.
void AltTap(WORD nVirtKey);

} // namespace menutest
