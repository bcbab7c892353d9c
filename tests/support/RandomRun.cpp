// What the random runs share: their switches, the shade compare, the picture written out and the unpinned bar's size.
#include "RandomRun.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace randomrun
{
namespace
{
const char* Switch(const char* pszPrefix, const char* pszName)
{
    return std::getenv((std::string(pszPrefix) + "_" + pszName).c_str());
}

SIZE WindowSize(HWND h)
{
    RECT rc = {};
    GetWindowRect(h, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}
std::string Text(SIZE s) { return std::to_string(s.cx) + "x" + std::to_string(s.cy); }
} // namespace

std::vector<unsigned> Seeds(const char* pszPrefix, const std::vector<unsigned>& fixed)
{
    std::vector<unsigned> seeds;
    if (const char* psz = Switch(pszPrefix, "SEED"))
        seeds.push_back((unsigned)std::strtoul(psz, nullptr, 10));
    else if (const char* pszN = Switch(pszPrefix, "SEEDS"))
    {
        // n, or first-last.
        const unsigned n = (unsigned)std::strtoul(pszN, nullptr, 10);
        const char* pszDash = std::strchr(pszN, '-');
        const unsigned nFirst = pszDash != nullptr ? n : 1;
        const unsigned nLast = pszDash != nullptr ? (unsigned)std::strtoul(pszDash + 1, nullptr, 10) : n;
        for (unsigned i = nFirst; i <= nLast; ++i)
            seeds.push_back(i);
    }
    else
        seeds = fixed;
    return seeds;
}

int Steps(const char* pszPrefix, int nDefault)
{
    const char* psz = Switch(pszPrefix, "STEPS");
    return psz != nullptr ? std::max(1, std::atoi(psz)) : nDefault;
}

bool IsDefault(const char* pszPrefix)
{
    return !Given(pszPrefix, "SEED") && !Given(pszPrefix, "SEEDS") && !Given(pszPrefix, "STEPS");
}

bool Given(const char* pszPrefix, const char* pszName) { return Switch(pszPrefix, pszName) != nullptr; }

bool UnmanagedWindows()
{
    const char* psz = std::getenv("CORVANE_NO_WM");
    return psz != nullptr && std::string(psz) == "1";
}

bool SameShade(DWORD a, DWORD b, int nSlack)
{
    for (int nShift = 0; nShift < 24; nShift += 8)
        if (std::abs((int)((a >> nShift) & 0xFF) - (int)((b >> nShift) & 0xFF)) > nSlack)
            return false;
    return true;
}

PictureDiff ComparePictures(const std::vector<DWORD>& a, const std::vector<DWORD>& b, const RECT& rc, int nSlack,
                            const std::vector<RECT>& skip)
{
    PictureDiff d;
    RECT rcAround = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const size_t i = (size_t)y * cx + x;
            if (i >= a.size() || i >= b.size() || (nSlack == 0 ? a[i] == b[i] : SameShade(a[i], b[i], nSlack)))
                continue;
            const POINT pt = {rc.left + x, rc.top + y};
            if (std::any_of(skip.begin(), skip.end(), [&](const RECT& r) { return PtInRect(&r, pt) != FALSE; }))
                continue;
            if (d.nCount++ == 0)
                d.ptFirst = pt;
            rcAround.left = std::min(rcAround.left, pt.x);
            rcAround.top = std::min(rcAround.top, pt.y);
            rcAround.right = std::max(rcAround.right, pt.x + 1);
            rcAround.bottom = std::max(rcAround.bottom, pt.y + 1);
        }
    if (d.nCount > 0)
        d.rcAround = rcAround;
    return d;
}

void WritePicture(const std::wstring& path, const std::vector<DWORD>& px, int cx, int cy)
{
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f == nullptr)
        return;
    std::fprintf(f, "P6 %d %d 255\n", cx, cy);
    for (DWORD d : px)
    {
        const unsigned char rgb[3] = {(unsigned char)(d >> 16), (unsigned char)(d >> 8), (unsigned char)d};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

PinnedSize PinnedSize::At(HWND hCarrier)
{
    PinnedSize p;
    p.size = WindowSize(hCarrier);
    p.row = WindowSize(GetParent(hCarrier));
    p.Follow(hCarrier);
    return p;
}

void PinnedSize::Follow(HWND hCarrier)
{
    int nNow = 0;
    for (HWND h = hCarrier; h != nullptr && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD) != 0; h = GetParent(h))
        ++nNow;
    // Gone with the carrier a level up: dissolved (a container built again by a load leaves the carrier as deep).
    if (hContainer != nullptr && !IsWindow(hContainer) && nNow < nDepth)
    {
        size = container;
        row = containerRow;
        bContainers = true;
    }
    nDepth = nNow;
    // Above a frame's dock bar is the frame, no child window.
    const HWND hAbove = GetParent(GetParent(hCarrier));
    hContainer = hAbove != nullptr && (GetWindowLongW(hAbove, GWL_STYLE) & WS_CHILD) != 0 ? hAbove : nullptr;
    if (hContainer != nullptr)
    {
        container = WindowSize(hContainer);
        containerRow = WindowSize(GetParent(hContainer));
    }
}

bool BackAtSize(HWND hCarrier, bool bHorz, const PinnedSize& pinned, int nSlack, std::string& sWhat,
                const std::function<bool(const std::vector<HWND>&)>& othersAtLeast, const std::map<HWND, SIZE>* pBefore)
{
    RECT rc = {};
    GetWindowRect(hCarrier, &rc);
    const HWND hDock = GetParent(hCarrier);
    std::vector<HWND> others;
    bool bAlone = true; // no other bar shows in the dock bar
    for (HWND h = GetWindow(hDock, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
    {
        RECT r = {};
        GetWindowRect(h, &r);
        if (h == hCarrier || !IsWindowVisible(h))
            continue;
        bAlone = false;
        if (bHorz ? r.top < rc.bottom && r.bottom > rc.top : r.left < rc.right && r.right > rc.left)
            others.push_back(h);
    }
    const SIZE now = WindowSize(hCarrier), rowNow = WindowSize(hDock);
    const auto along = [&](SIZE s) { return bHorz ? s.cx : s.cy; };
    const auto across = [&](SIZE s) { return bHorz ? s.cy : s.cx; };
    // Alone in a container's dock bar, its row takes the container's whole thickness.
    RECT rcInner = {};
    GetClientRect(hDock, &rcInner);
    const bool bFills = bAlone && (GetWindowLongW(GetParent(hDock), GWL_STYLE) & WS_CHILD) != 0;
    SIZE thickness = bFills ? SIZE{rcInner.right, rcInner.bottom} : pinned.size;
    for (HWND h : others)
    {
        const auto it = pBefore != nullptr ? pBefore->find(h) : std::map<HWND, SIZE>::const_iterator();
        if (pBefore != nullptr && it != pBefore->end())
            (bHorz ? thickness.cy : thickness.cx) = std::max(across(thickness), across(it->second));
    }
    sWhat = "back " + Text(now) +
            (others.empty() ? " alone in its row of " + std::to_string(along(rowNow)) : " in a row with other bars") +
            (bFills ? " filling its container's " + Text(thickness) : "") + ", " + Text(pinned.size) +
            (pinned.bContainers ? " its dissolved container's" : " before its pin") + ", to be " +
            std::to_string(across(thickness)) + " across";
    if (std::abs(across(now) - across(thickness)) > nSlack)
        return false;
    if (others.empty())
        return std::abs(along(now) - along(rowNow)) <= nSlack;
    const bool bRowKept = std::abs(along(rowNow) - along(pinned.row)) <= nSlack;
    return !bRowKept || std::abs(along(now) - along(pinned.size)) <= nSlack || (othersAtLeast && othersAtLeast(others));
}
} // namespace randomrun
