// SavedHolderFacts: the paint manager holder's system facts a test changes, put back at the end of
// its scope.
#pragma once
#include "toolkit/foundation/ExtPaintManagerHolder.h"

struct SavedHolderFacts
{
    bool bWin2000 = g_PaintManagerHolder.m_bIsWin2000OrLater;
    bool bWin9x = g_PaintManagerHolder.m_bIsWin9x;
    bool bTaskband = g_PaintManagerHolder.m_bTaskbandColorsValid;
    ~SavedHolderFacts()
    {
        g_PaintManagerHolder.m_bIsWin2000OrLater = bWin2000;
        g_PaintManagerHolder.m_bIsWin9x = bWin9x;
        g_PaintManagerHolder.m_bTaskbandColorsValid = bTaskband;
    }
};
