// Shared pieces of the tab window tests: a shown frame that hosts the strips, message pumping for a
// while, until a condition or until input is handled, real pointer moves, a wait for the thread's loop to be idle,
// and the text measure the strips use.
#pragma once
#include "platform/FrameWnd.h"
#include "support/InputScript.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include <gtest/gtest.h>

namespace tabtest
{

// A visible, foreground frame window shared by the tests (kept for the program's life).
class HostFrame
{
public:
    explicit HostFrame(const RECT& rc = CRect(40, 40, 640, 440));
    ~HostFrame();
    HostFrame(const HostFrame&) = delete;
    HostFrame& operator=(const HostFrame&) = delete;
    CFrameWnd* operator->() const { return m_pFrame; }
    CFrameWnd* Get() const { return m_pFrame; }

private:
    CFrameWnd* m_pFrame;
};

// Dispatches the thread's messages for about nMilliseconds: for checks that nothing happens within that time.
void PumpFor(DWORD nMilliseconds);
// Dispatches until the condition holds or nMilliseconds pass; answers the condition.
template <class F> bool PumpUntil(F condition, DWORD nMilliseconds = kInputWaitMs)
{
    const DWORD nStart = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - nStart > nMilliseconds)
            return false;
        PumpFor(5);
    }
    return true;
}
// Dispatches until no key or mouse input waits in this thread's queue: every input sent before has been taken
// and handled (what it posts or starts a timer for may still come). False when input still waits after
// kInputWaitMs.
bool PumpInput();
// Width of a text in the strip's item font (the paint manager's normal or bold font).
CSize TextSize(LPCTSTR pszText, bool bBold = false);
// Creates a strip as a child of the frame.
bool CreateStrip(CExtTabWnd& wnd, CWnd* pParent, const RECT& rc, DWORD dwTabStyle, UINT nID = 100);
// Moves the real pointer to a client point of the window and handles the move (on the window's thread).
void MoveMouseTo(CWnd* pWnd, CPoint ptClient);

} // namespace tabtest
