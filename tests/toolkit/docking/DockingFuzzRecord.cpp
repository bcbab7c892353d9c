// The docking run's record (written out when a seed fails, crashes or hangs), the switches that pick seeds and
// steps, the counts of gestures and checks, and the watch over deleted groups, containers, dock bars and frames.
#include "DockingFuzzRun.h"
#include "support/RandomRun.h"
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <sstream>
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

const bool g_bUnmanagedWindows = randomrun::UnmanagedWindows();

namespace
{
const char kSwitches[] = "CORVANE_DOCK_FUZZ";
constexpr int kDefaultSteps = 18;
} // namespace

const Theme kThemes[4] = {{"base", RUNTIME_CLASS(CExtPaintManager)},
                          {"XP", RUNTIME_CLASS(CExtPaintManagerXP)},
                          {"Office 2003", RUNTIME_CLASS(CExtPaintManagerOffice2003)},
                          {"Studio 2005", RUNTIME_CLASS(CExtPaintManagerStudio2005)}};

bool DefaultRun() { return randomrun::IsDefault(kSwitches); }

// One seed for each paint manager (seed % 4 picks it).
std::vector<unsigned> SeedsToRun() { return randomrun::Seeds(kSwitches, {1, 2, 3, 4}); }

int StepsPerSeed() { return randomrun::Steps(kSwitches, kDefaultSteps); }

// ---- the run's record --------------------------------------------------------------------------------------------

namespace
{
std::mutex g_logLock;
unsigned g_nSeed = 0;
std::vector<std::string> g_steps;
std::atomic<DWORD> g_dwStepStart{0};
LPTOP_LEVEL_EXCEPTION_FILTER g_pfnPrevFilter = nullptr;

LONG WINAPI PrintRunOnCrash(EXCEPTION_POINTERS* p)
{
    std::fprintf(stderr, "crash in the docking run, %s", RunRecord().c_str());
    std::fflush(stderr);
    return g_pfnPrevFilter != nullptr ? g_pfnPrevFilter(p) : EXCEPTION_CONTINUE_SEARCH;
}

// A step that takes longer than this hangs: the run is written out and the program ends.
constexpr DWORD kStepHangMs = 40000;

DWORD WINAPI StepWatch(LPVOID)
{
    for (;;)
    {
        ::Sleep(500);
        const DWORD dwStart = g_dwStepStart;
        if (dwStart != 0 && ::GetTickCount() - dwStart > kStepHangMs)
        {
            std::fprintf(stderr, "hang in the docking run, %s", RunRecord().c_str());
            std::fflush(stderr);
            ::ExitProcess(4);
        }
    }
}
} // namespace

void RecordSeed(unsigned nSeed)
{
    std::lock_guard<std::mutex> lock(g_logLock);
    g_nSeed = nSeed;
    g_steps.clear();
}

void RecordStep(const std::string& s)
{
    std::lock_guard<std::mutex> lock(g_logLock);
    g_steps.push_back(s);
}

std::string RunRecord()
{
    std::lock_guard<std::mutex> lock(g_logLock);
    std::ostringstream os;
    os << "seed " << g_nSeed << " (repeat: CORVANE_DOCK_FUZZ_SEED=" << g_nSeed;
    if (randomrun::Given(kSwitches, "STEPS"))
        os << " CORVANE_DOCK_FUZZ_STEPS=" << StepsPerSeed();
    os << " docking_fuzz_tests.exe --gtest_filter=Seeds/DockingFuzz.*), steps:\n";
    for (size_t i = 0; i < g_steps.size(); ++i)
        os << "  " << i + 1 << ". " << g_steps[i] << "\n";
    return os.str();
}

void StartStepWatch(DWORD dwNow)
{
    static HANDLE hWatch = ::CreateThread(nullptr, 0, StepWatch, nullptr, 0, nullptr);
    (void)hWatch;
    g_dwStepStart = dwNow;
}

void InstallCrashRecord() { g_pfnPrevFilter = ::SetUnhandledExceptionFilter(PrintRunOnCrash); }

void RemoveCrashRecord()
{
    ::SetUnhandledExceptionFilter(g_pfnPrevFilter);
    g_dwStepStart = 0;
}

// ---- counts ------------------------------------------------------------------------------------------------------

namespace
{
std::map<std::string, int> g_gestures;
std::map<std::string, int> g_checks;
} // namespace

void CountGesture(const char* pszKind) { ++g_gestures[pszKind]; }
void CountCheck(const std::string& sCheck) { ++g_checks[sCheck]; }
const std::map<std::string, int>& GestureCounts() { return g_gestures; }

std::string CountsTable()
{
    std::ostringstream os;
    os << "gestures made:\n";
    for (const auto& kv : g_gestures)
        os << "  " << kv.second << "\t" << kv.first << "\n";
    os << "outcome checks made:\n";
    for (const auto& kv : g_checks)
        os << "  " << kv.second << "\t" << kv.first << "\n";
    return os.str();
}

// ---- watched deletes ---------------------------------------------------------------------------------------------

namespace
{
// A deleted watched object turns into this: a virtual call through it asks its class, counted as a use.
int g_nStaleCalls = 0;
class CStaleMark : public CObject
{
public:
    CRuntimeClass* GetRuntimeClass() const override
    {
        ++g_nStaleCalls;
        return RUNTIME_CLASS(CObject);
    }
};
const unsigned char kStaleByte = 0xFE;

// Fixed arrays: operator delete must not allocate.
struct Block
{
    void* p;
    size_t n;
};
constexpr size_t kMaxWatched = 512;
Block g_watched[kMaxWatched];
size_t g_nWatched = 0;
constexpr size_t kMaxStale = 8192;
Block g_stale[kMaxStale];
size_t g_nStale = 0;
DWORD g_dwWatchThread = 0;

// Whether p is a watched block (on the thread that watches); its size then.
bool TakeWatched(void* p, size_t& n)
{
    if (g_nWatched == 0 || ::GetCurrentThreadId() != g_dwWatchThread)
        return false;
    for (size_t i = 0; i < g_nWatched; ++i)
        if (g_watched[i].p == p)
        {
            n = g_watched[i].n;
            g_watched[i] = g_watched[--g_nWatched];
            return true;
        }
    return false;
}

void FreeOrKeep(void* p)
{
    if (p == nullptr)
        return;
    size_t n = 0;
    if (TakeWatched(p, n) && g_nStale < kMaxStale && n >= sizeof(CStaleMark))
    {
        std::memset(p, kStaleByte, n);
        new (p) CStaleMark;
        g_stale[g_nStale++] = {p, n};
        return;
    }
    std::free(p);
}
} // namespace

void* operator new(size_t n)
{
    if (void* p = std::malloc(n != 0 ? n : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](size_t n) { return ::operator new(n); }
void operator delete(void* p) noexcept { FreeOrKeep(p); }
void operator delete[](void* p) noexcept { FreeOrKeep(p); }
void operator delete(void* p, size_t) noexcept { FreeOrKeep(p); }
void operator delete[](void* p, size_t) noexcept { FreeOrKeep(p); }

void WatchObject(CObject* p)
{
    g_dwWatchThread = ::GetCurrentThreadId();
    for (size_t i = 0; i < g_nWatched; ++i)
        if (g_watched[i].p == p)
            return;
    if (g_nWatched < kMaxWatched)
        g_watched[g_nWatched++] = {p, (size_t)p->GetRuntimeClass()->m_nObjectSize};
}

void ClearWatched() { g_nWatched = 0; }

int StaleUses()
{
    int n = g_nStaleCalls;
    for (size_t k = 0; k < g_nStale; ++k)
    {
        const unsigned char* pb = static_cast<const unsigned char*>(g_stale[k].p);
        for (size_t i = sizeof(CStaleMark); i < g_stale[k].n; ++i)
            if (pb[i] != kStaleByte)
            {
                ++n;
                break;
            }
    }
    return n;
}

void ReleaseStale()
{
    for (size_t k = 0; k < g_nStale; ++k)
        std::free(g_stale[k].p);
    g_nStale = 0;
    g_nStaleCalls = 0;
}
