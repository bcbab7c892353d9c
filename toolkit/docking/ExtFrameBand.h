// CExtFrameBand: the floating frames a top-level window owns take the band (topmost or not) the window takes.
#pragma once
#include "platform/Core.h"

class CExtFrameBand
{
public:
    explicit CExtFrameBand(HWND hTop) : m_hTop(hTop) {}
    CExtFrameBand(const CExtFrameBand&) = delete;
    CExtFrameBand& operator=(const CExtFrameBand&) = delete;

    static bool IsTopMost(HWND hWnd);

    // ---- the window asked into the topmost band ------------------------------------------------------
    // A position change the window is about to take: notes whether it asks the window, out of it, into the band.
    void OnPosChanging(const WINDOWPOS& wp);
    // After that change (bOrderChanged: it changed the window order): true when it asked the window into the band and
    // the window is not being moved there here already; the caller then calls EnterTopMostBand and, unless the window
    // went meanwhile, EndEntry.
    bool BeginEntry(bool bOrderChanged);
    void EndEntry() { m_bTakingBand = false; }
    // The window asked into the topmost band takes it with its frames above it. Windows moves it there with the
    // windows it owns. Wine moves the owned windows above it to the band's top and leaves it after them, out of the
    // band unless the window below is in it: read after the call, it is asked again with a neighbour in the band
    // below. A window manager stacks the window, which took the band after its frames, above them.
    static void EnterTopMostBand(HWND hTop);

    // ---- following -----------------------------------------------------------------------------------
    // Gives the frames hTop owns the band of hTop; true when a frame was moved.
    static bool Follow(HWND hTop);

private:
    HWND m_hTop;
    bool m_bTopMostAsked = false; // a position change asked the window, out of it, into the topmost band
    bool m_bTakingBand = false;   // the window is being moved into the band here
};
