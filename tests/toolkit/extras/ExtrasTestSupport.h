// Shared pieces of the extra-control tests: the host windows made once per test program, message
// pumping, real input (from input scripts, or sent at once for steps inside modal loops), and painting a
// window's client area into a 32-bit DIB.
#pragma once
#include "ExtrasHost.h"
#include "platform/FrameWnd.h"
#include "support/DibCanvas.h"
#include "support/InputScript.h"
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace extrastest
{

// A shown, foreground frame for strips and bars made by the tests (kept for the program's life:
// destroying a foreground window costs Wine about two seconds).
CFrameWnd* PlainFrame();
// The host's MDI frame and page dialog, made once and brought to the foreground.
extrashost::CExtrasMdiFrame* MdiFrame();
extrashost::CExtrasPagesDialog* PagesDialog();

// Dispatches the thread's messages for about nMilliseconds: only for checks that nothing happens over a
// time after the input was handled; a state the input brings is waited for with PumpUntil.
void PumpFor(DWORD nMilliseconds);
// Pumps until the condition holds, at most nMilliseconds; false when it never did.
template <class F> bool PumpUntil(F condition, DWORD nMilliseconds = kInputWaitMs)
{
    return WaitFor(condition, nMilliseconds);
}

// Real input from an input script, each returning once the window's thread has handled it (or runs a
// loop of its own that it started): the pointer to a client point of hWnd, a left click there, keys
// pressed in order and released in reverse (a combination such as Ctrl+PageDown).
void MoveMouseTo(HWND hWnd, CPoint ptClient);
void ClickAt(HWND hWnd, CPoint ptClient);
void SendKeys(std::initializer_list<WORD> keys);
// Types the characters as key input (letters, digits and spaces).
void TypeText(LPCWSTR pszText);
// The same sent at once: for the steps of a Script, which run inside the modal loops that must see the
// input themselves. A Script's next step comes from a timer tick, which the loop gets only after it took
// the input queued before.
void SendKeysRaw(std::initializer_list<WORD> keys);
void TypeTextRaw(LPCWSTR pszText);
void MoveMouseToRaw(HWND hWnd, CPoint ptClient);
void ClickAtRaw(HWND hWnd, CPoint ptClient);

// Steps run one after another from a thread timer, so that they also run inside the modal loops the
// test starts afterwards. A step answers true when done, false to be asked again at the next tick.
// After the time limit (by default the bound of every input wait) the remaining steps are dropped, Escape
// is pressed and Failed() answers true.
class Script
{
public:
    Script& Then(std::function<bool()> step);
    // Runs a step once and goes on.
    Script& Do(std::function<void()> step);
    void Start(UINT nPeriod = 40, DWORD nLimit = kInputWaitMs);
    // Done, or given up after the time limit; a wait for it is bounded beyond that limit.
    bool IsDone() const { return m_nNext >= m_steps.size(); }
    bool Failed() const { return m_bFailed; }
    ~Script();

private:
    static void CALLBACK OnTick(HWND hWnd, UINT message, UINT_PTR nID, DWORD nTime);
    void Tick();
    struct Step
    {
        std::function<bool()> fn;
        bool bOnce;
    };
    std::vector<Step> m_steps;
    size_t m_nNext = 0;
    UINT_PTR m_nTimer = 0;
    DWORD m_nStart = 0;
    DWORD m_nLimit = 0;
    bool m_bFailed = false;
};

// The window's client area painted through WM_PRINTCLIENT into a DIB of its size.
std::unique_ptr<DibCanvas> PaintClient(HWND hWnd);

} // namespace extrastest
