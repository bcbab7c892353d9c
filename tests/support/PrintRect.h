// How a failed check shows a rectangle: its edges.
#pragma once
#include "platform/Platform.h"
#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
