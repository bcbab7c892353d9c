// Tab groups whose deleted objects are watched: the group and its inner dock bar keep their memory marked once
// deleted, so that a use of either after a step is seen whether or not it would have crashed; the docking host frame
// that makes such groups.
#pragma once
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#include <vector>
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/DockingHost.h"

// Each test file has its own watch.
namespace
{
// Virtual calls through a deleted watched object (DYNAMIC_DOWNCAST asks its class first).
int g_nStaleCalls = 0;
// Memory of the deleted watched objects, kept filled with kStaleByte behind the marker.
std::vector<std::pair<unsigned char*, size_t>> g_arrStale;
const unsigned char kStaleByte = 0xFE;

// What a deleted watched object turns into: an object whose class answers count as a use.
class CStaleMark : public CObject
{
public:
    CRuntimeClass* GetRuntimeClass() const override
    {
        ++g_nStaleCalls;
        return RUNTIME_CLASS(CObject);
    }
};

// TBase deleted keeps its memory: marked, filled, never reused (the compiler's warning about a delete that does not
// free what new took is the point here).
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
template <class TBase> class CWatched : public TBase
{
public:
    static void* operator new(size_t n) { return std::malloc(n); }
    static void operator delete(void* p, size_t n)
    {
        std::memset(p, kStaleByte, n);
        new (p) CStaleMark;
        g_arrStale.emplace_back(static_cast<unsigned char*>(p), n);
    }
};

// Uses of deleted watched objects: calls counted, and writes into their filled memory.
int StaleUses()
{
    int n = g_nStaleCalls;
    for (const auto& block : g_arrStale)
    {
        for (size_t i = sizeof(CStaleMark); i < block.second; ++i)
        {
            if (block.first[i] != kStaleByte)
            {
                ++n;
                break;
            }
        }
    }
    return n;
}

class CWatchedTabGroup : public CWatched<CExtDynTabControlBar>
{
public:
    CExtDockDynBar* CreateInnerDockBar() override { return new CWatched<CExtDockDynTabBar>; }
};

// The host whose tab groups are watched ones.
class CWatchedGroupsFrame : public CDockingHostFrame
{
public:
    CWatchedGroupsFrame()
    {
        m_fnNewTabGroup = [] { return new CWatchedTabGroup; };
    }
};
} // namespace
