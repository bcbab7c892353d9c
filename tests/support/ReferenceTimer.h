// A reference timer for checks of a control's stated times: a plain timer of a stated period on the window's
// thread, which reads the control's state at each of its ticks. The control's own timer and the reference
// slow down together when the machine is busy, so a comparison of the two holds under load and still fails
// for a period far off the stated one.
#pragma once
#include <functional>
#include <mutex>
#include <vector>
#include "platform/Core.h"

class CReferenceTimer
{
public:
    // Made on the thread whose timers are compared (it owns the timer's window).
    CReferenceTimer();
    ~CReferenceTimer();
    CReferenceTimer(const CReferenceTimer&) = delete;
    CReferenceTimer& operator=(const CReferenceTimer&) = delete;

    // Starts the ticks every nPeriodMs, the samples cleared; fnRead is read at each tick, on the window's
    // thread, so the control's state is taken in step with the ticks. From that thread or an input script.
    void Start(UINT nPeriodMs, const std::function<long()>& fnRead);
    // Stops the ticks; the samples stay.
    void Stop();
    // The ticks so far.
    int Ticks() const;
    // The value read at tick n (1-based); -1 before that tick.
    long SampleAt(int nTick) const;
    // The first tick at which the value read was at least nValue; 0 when none was.
    int FirstTickReaching(long nValue) const;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnTick();

    HWND m_hWnd = nullptr; // message-only window of the making thread, owned
    DWORD m_dwThread = 0;
    mutable std::mutex m_lock;
    std::function<long()> m_fnRead; // set while stopped, read on ticks
    std::vector<long> m_samples;
};

// Whether the control kept pace with the reference of its stated repeat period: by the reference's tick n,
// the steps it made (the sample minus nStepsAtStart) are at least about two thirds of n.
bool KeptPace(const CReferenceTimer& ref, int nTick, long nStepsAtStart = 0);
// The ticks of a reference a quarter of a stated single delay long by which the control must have acted:
// the stated time (four ticks) and two ticks more.
constexpr int kQuarterTicksToAct = 6;
