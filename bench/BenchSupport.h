// Timing for the benchmark programs: seconds elapsed since a steady-clock start, and the line that
// reports a ratio measured over several runs.
#pragma once
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench
{

// Each benchmark measures its ratio this many times in one process.
constexpr int kRuns = 3;

inline double Seconds(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Prints min / median / max of the ratios and whether the median is within the target.
inline void PrintRatios(const char* pszWhat, std::vector<double> ratios, double dTarget)
{
    if (ratios.empty())
        return;
    std::sort(ratios.begin(), ratios.end());
    const double dMedian = ratios[ratios.size() / 2];
    std::printf("%s: ratio min %.2f / median %.2f / max %.2f over %d runs (target <= %g) %s\n", pszWhat, ratios.front(),
                dMedian, ratios.back(), (int)ratios.size(), dTarget, dMedian <= dTarget ? "OK" : "OVER");
}

} // namespace bench
