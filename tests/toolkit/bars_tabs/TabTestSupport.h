// Shared pieces of the tab window tests: a shown frame that hosts the strips, message pumping for a
// while, and the text measure the strips use.
#pragma once
#include "platform/FrameWnd.h"
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

// Dispatches the thread's messages for about nMilliseconds.
void PumpFor(DWORD nMilliseconds);
// Dispatches until the condition holds or nMilliseconds pass; answers the condition.
template <class F> bool PumpUntil(F condition, DWORD nMilliseconds = 2000)
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
// Width of a text in the strip's item font (the paint manager's normal or bold font).
CSize TextSize(LPCTSTR pszText, bool bBold = false);
// Creates a strip as a child of the frame.
bool CreateStrip(CExtTabWnd& wnd, CWnd* pParent, const RECT& rc, DWORD dwTabStyle, UINT nID = 100);
// Moves the real pointer to a client point of the window (SendInput).
void MoveMouseTo(CWnd* pWnd, CPoint ptClient);
// The same at a screen point, without pumping (from any thread).
void MoveMouseToScreen(CPoint ptScreen);
void MouseButton(bool bDown, bool bLeft = true);

} // namespace tabtest
