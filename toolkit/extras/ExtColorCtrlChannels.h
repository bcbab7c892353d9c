// Channel helpers of the colour control's models: one byte of a colour by index (0 red, 1 green,
// 2 blue) and a colour with one channel replaced (clamped to 0..255).
#pragma once
#include <windows.h>
#include <algorithm>

namespace extcolor
{
inline int Channel(COLORREF clr, int nChannel)
{
    return nChannel == 0 ? GetRValue(clr) : (nChannel == 1 ? GetGValue(clr) : GetBValue(clr));
}

inline COLORREF WithChannel(COLORREF clr, int nChannel, int nValue)
{
    BYTE c[3] = {GetRValue(clr), GetGValue(clr), GetBValue(clr)};
    c[nChannel] = (BYTE)std::clamp(nValue, 0, 255);
    return RGB(c[0], c[1], c[2]);
}
} // namespace extcolor
