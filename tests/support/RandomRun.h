// What the random runs share: the switches that pick their seeds and steps, the compare of two screen pictures with a
// shade of slack, the picture written out as a file, and the size a pinned bar is to come back at.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
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

// ---- a bar pinned to its auto-hide area and unpinned, seen through its caption carrier's window -----------------

// The size the carrier (the bar, or its tab group) is to come back at: its own and its dock bar's at the pin. When the
// container holding it (a nested bar, its dock bar's parent) dissolves meanwhile, the carrier takes the container's
// place and size: the sizes become the container's and its dock bar's as the last step left them.
struct PinnedSize
{
    SIZE size = {}, row = {};
    bool bContainers = false; // the sizes are a dissolved container's
    HWND hContainer = nullptr;
    SIZE container = {}, containerRow = {};
    int nDepth = 0; // the child windows above the carrier
    static PinnedSize At(HWND hCarrier);
    // After each step while the bar stays pinned.
    void Follow(HWND hCarrier);
};
// Whether the carrier, once the frame's layout has run, is back at the pinned size within nSlack pixels each way
// (bHorz: its row runs along x): as thick across its row, or alone in a container as thick as the container; in a row
// with other bars as long along it while the row kept its length and the others can give it back (they take from it
// while above their least length, which only an in-process run can tell: othersAtLeast); alone in its row as long as
// the row (a row grown or shrunk meanwhile shares out the difference). A row takes its thickest bar's thickness:
// in a row with bars whose sizes before the unpin are in pBefore, as thick as the thickest. sWhat says where it is
// and what it was.
bool BackAtSize(HWND hCarrier, bool bHorz, const PinnedSize& pinned, int nSlack, std::string& sWhat,
                const std::function<bool(const std::vector<HWND>&)>& othersAtLeast = nullptr,
                const std::map<HWND, SIZE>* pBefore = nullptr);
} // namespace randomrun
