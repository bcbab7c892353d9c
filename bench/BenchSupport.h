// Timing for the benchmark programs: seconds elapsed since a steady-clock start.
#pragma once
#include <chrono>

namespace bench
{

inline double Seconds(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace bench
