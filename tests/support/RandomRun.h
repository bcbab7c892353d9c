// What the random runs share: the switches that pick their seeds and steps, the compare of two screen pictures with a
// shade of slack, and the picture written out as a file.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace randomrun
{
// ---- the switches, read from the environment under a prefix such as "CORVANE_DOCK_FUZZ" ------------------------

// <prefix>_SEED=s runs the one seed s; <prefix>_SEEDS=n seeds 1..n, or first-last; else the fixed seeds.
std::vector<unsigned> Seeds(const char* pszPrefix, const std::vector<unsigned>& fixed);
// <prefix>_STEPS=k runs k steps a seed (at least one); else nDefault.
int Steps(const char* pszPrefix, int nDefault);
// Whether none of <prefix>_SEED, _SEEDS and _STEPS is given: the run checks what its default makes.
bool IsDefault(const char* pszPrefix);
// Whether <prefix>_<name> is given.
bool Given(const char* pszPrefix, const char* pszName);
// Whether the display has no window manager (CORVANE_NO_WM=1): Wine then stacks the windows itself and drops an owned
// popup below its owner at a click into the owner.
bool UnmanagedWindows();

// ---- screen pictures: top row first, each pixel 0x00RRGGBB --------------------------------------------------------

// Equal but for nSlack shades in each channel.
bool SameShade(DWORD a, DWORD b, int nSlack);
// Where two pictures of the screen rectangle differ by more than nSlack shades in a channel, leaving out the points
// in skip (with no slack every bit counts): how many, the first (row by row) and the rectangle around them all (empty when none).
struct PictureDiff
{
    int nCount = 0;
    POINT ptFirst = {};
    RECT rcAround = {};
};
PictureDiff ComparePictures(const std::vector<DWORD>& a, const std::vector<DWORD>& b, const RECT& rc, int nSlack,
                            const std::vector<RECT>& skip = {});
// Writes the picture of cx x cy as a binary PPM file.
void WritePicture(const std::wstring& path, const std::vector<DWORD>& px, int cx, int cy);
} // namespace randomrun
