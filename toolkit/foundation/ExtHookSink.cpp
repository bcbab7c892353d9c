// CExtHookSink: the chain procedure shared by every hooked window, attaching and detaching.
#include "toolkit/foundation/ExtHookSink.h"
#include "platform/ThreadState.h"

CMap<HWND, HWND, CExtHookSink::HookChains_t*, CExtHookSink::HookChains_t*> g_HookChainsMap(10);

namespace
{
CExtHookSink::HookChains_t* FindChains(HWND hWnd)
{
    CExtHookSink::HookChains_t* pChains = nullptr;
    if (!g_HookChainsMap.Lookup(hWnd, pChains))
        return nullptr;
    return pChains;
}

// The thread's record of the last sent message, put back on every way out of a hooked call.
class CLastSentMsgScope
{
public:
    CLastSentMsgScope(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
        : m_pState(AfxGetThreadState()), m_saved(m_pState->m_lastSentMsg)
    {
        m_pState->m_lastSentMsg.hwnd = hWnd;
        m_pState->m_lastSentMsg.message = nMessage;
        m_pState->m_lastSentMsg.wParam = wParam;
        m_pState->m_lastSentMsg.lParam = lParam;
    }
    ~CLastSentMsgScope() { m_pState->m_lastSentMsg = m_saved; }
    CLastSentMsgScope(const CLastSentMsgScope&) = delete;
    CLastSentMsgScope& operator=(const CLastSentMsgScope&) = delete;

private:
    _AFX_THREAD_STATE* m_pState;
    MSG m_saved;
};

// The sinks of a chain as they were when the walk began. A sink may detach sinks, attach new ones
// or destroy the window while it is called, so the walk checks each entry against the live chain.
class CSinkSnapshot
{
public:
    explicit CSinkSnapshot(const CExtHookSink::HookSinkArray_t& arr) : m_nCount(arr.GetSize())
    {
        m_pSinks = m_nCount <= kInline ? m_inline : new CExtHookSink*[(size_t)m_nCount];
        for (INT_PTR i = 0; i < m_nCount; ++i)
            m_pSinks[i] = arr.GetSinkAt(i);
    }
    ~CSinkSnapshot()
    {
        if (m_pSinks != m_inline)
            delete[] m_pSinks;
    }
    CSinkSnapshot(const CSinkSnapshot&) = delete;
    CSinkSnapshot& operator=(const CSinkSnapshot&) = delete;
    INT_PTR GetCount() const { return m_nCount; }
    CExtHookSink* operator[](INT_PTR i) const { return m_pSinks[i]; }

private:
    static const INT_PTR kInline = 8;
    CExtHookSink* m_inline[kInline];
    CExtHookSink** m_pSinks;
    INT_PTR m_nCount;
};

LRESULT CallPreviousOfCurrentWindow(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = AfxGetThreadState()->m_lastSentMsg.hwnd;
    CExtHookSink::HookChains_t* pChains = hWnd != nullptr ? FindChains(hWnd) : nullptr;
    if (pChains == nullptr || pChains->m_pWNDPROC == nullptr)
        return 0;
    return pChains->CallPrevious(hWnd, nMessage, wParam, lParam);
}
} // namespace

INT_PTR CExtHookSink::HookSinkArray_t::Find(const CExtHookSink* pSink) const
{
    for (INT_PTR i = 0, n = GetSize(); i < n; ++i)
        if (GetAt(i) == pSink)
            return i;
    return -1;
}

CExtHookSink::CExtHookSink(bool bEnableDetailedWndHooks)
    : m_bEnableDetailedWndHooks(bEnableDetailedWndHooks), m_bEatNcDestroy(false)
{}

CExtHookSink::~CExtHookSink()
{
    for (auto* pPair = g_HookChainsMap.PGetFirstAssoc(); pPair != nullptr; pPair = g_HookChainsMap.PGetNextAssoc(pPair))
    {
        HookSinkArray_t& arr = pPair->value->m_HookSinkArray;
        for (INT_PTR i = arr.Find(this); i >= 0; i = arr.Find(this))
            arr.RemoveAt(i);
    }
}

bool CExtHookSink::IsAutoDeleteHookWndSink() { return false; }

LRESULT CExtHookSink::CallOriginalWndProcWithParams(WPARAM wParam, LPARAM lParam)
{
    return CallPreviousOfCurrentWindow(AfxGetThreadState()->m_lastSentMsg.message, wParam, lParam);
}

LRESULT CExtHookSink::CallOriginalWndProcMsg(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPreviousOfCurrentWindow(message, wParam, lParam);
}

LRESULT CExtHookSink::CallOriginalWndProc()
{
    const MSG& m = AfxGetThreadState()->m_lastSentMsg;
    return CallPreviousOfCurrentWindow(m.message, m.wParam, m.lParam);
}

bool CExtHookSink::OnHookWndMsg(LRESULT& lResult, HWND hWndHooked, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
{
    if (!m_bEnableDetailedWndHooks)
        return false;
    switch (nMessage)
    {
    case WM_COMMAND: return OnHookWndCommand(lResult, hWndHooked, HIWORD(wParam), LOWORD(wParam), (HWND)lParam);
    case WM_NOTIFY: return OnHookWndNotify(lResult, hWndHooked, wParam, lParam);
    case WM_PAINT: return OnHookWndPaint(lResult, hWndHooked, wParam);
    case WM_ERASEBKGND: return OnHookWndEraseBkgnd(lResult, hWndHooked, wParam);
    case WM_PRINT: return OnHookWndPrint(lResult, hWndHooked, wParam);
    case WM_NCPAINT: return OnHookWndNcPaint(lResult, hWndHooked, wParam);
    default: return false;
    }
}

bool CExtHookSink::OnHookWndCommand(LRESULT&, HWND, UINT, UINT, HWND) { return false; }
bool CExtHookSink::OnHookWndNotify(LRESULT&, HWND, WPARAM, LPARAM) { return false; }
bool CExtHookSink::OnHookWndPaint(LRESULT&, HWND, WPARAM) { return false; }
bool CExtHookSink::OnHookWndEraseBkgnd(LRESULT&, HWND, WPARAM) { return false; }
bool CExtHookSink::OnHookWndPrint(LRESULT&, HWND, WPARAM) { return false; }
bool CExtHookSink::OnHookWndNcPaint(LRESULT&, HWND, WPARAM) { return false; }
void CExtHookSink::OnHookWndNcDestroy() {}
void CExtHookSink::OnHookWndAttach(HWND) {}
void CExtHookSink::OnHookWndDetach(HWND) {}

LRESULT CALLBACK CExtHookSink::ChainWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CLastSentMsgScope scope(hWnd, nMessage, wParam, lParam);
    HookChains_t* pChains = FindChains(hWnd);
    if (pChains == nullptr)
        return 0;

    LRESULT lResult = 0;
    bool bEatNcDestroy = pChains->m_bEatNcDestroy;
    {
        CSinkSnapshot sinks(pChains->m_HookSinkArray);
        for (INT_PTR i = 0; i < sinks.GetCount(); ++i)
        {
            // The chain may have lost sinks, or the window, during the previous call.
            pChains = FindChains(hWnd);
            if (pChains == nullptr)
                return lResult;
            CExtHookSink* pSink = sinks[i];
            if (pChains->m_HookSinkArray.Find(pSink) < 0)
                continue;
            if (nMessage == WM_NCDESTROY)
            {
                if (!bEatNcDestroy && pSink->m_bEatNcDestroy)
                    bEatNcDestroy = true;
                pSink->OnHookWndNcDestroy();
                continue;
            }
            lResult = 0;
            if (pSink->OnHookWndMsg(lResult, hWnd, nMessage, wParam, lParam))
                return lResult;
        }
    }
    pChains = FindChains(hWnd);
    if (pChains == nullptr)
        return lResult;
    WNDPROC pPrevProc = pChains->m_pWNDPROC;
    if (nMessage != WM_NCDESTROY)
        return pChains->CallPrevious(hWnd, nMessage, wParam, lParam);

    // Teardown: the entry goes first, so that sinks deleted here find no chain of this window.
    g_HookChainsMap.RemoveKey(hWnd);
    if (g_HookChainsMap.IsEmpty())
        g_HookChainsMap.RemoveAll();
    HookSinkArray_t sinks;
    sinks.Append(pChains->m_HookSinkArray);
    pChains->m_HookSinkArray.RemoveAll();
    delete pChains;
    for (INT_PTR i = 0; i < sinks.GetSize(); ++i)
    {
        CExtHookSink* pSink = sinks.GetSinkAt(i);
        if (pSink == nullptr || !pSink->IsAutoDeleteHookWndSink())
            continue;
        // A sink listed twice is deleted once.
        for (INT_PTR j = i + 1; j < sinks.GetSize(); ++j)
            if (sinks.GetAt(j) == pSink)
                sinks.SetAt(j, nullptr);
        delete pSink;
    }
    // Someone who subclassed the window after us restores its own procedure.
    if ((WNDPROC)::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == &CExtHookSink::ChainWindowProc)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)pPrevProc);
    if (bEatNcDestroy)
        return 0;
    return ::CallWindowProcW(pPrevProc, hWnd, nMessage, wParam, lParam);
}

bool CExtHookSink::AttachToWindow(HWND hWnd, bool bRemove, bool bAddToHead)
{
    if (hWnd == nullptr)
        return false;
    HookChains_t* pChains = FindChains(hWnd);
    if (bRemove)
    {
        INT_PTR nIndex = pChains != nullptr ? pChains->m_HookSinkArray.Find(this) : -1;
        if (nIndex < 0)
            return true;
        OnHookWndDetach(hWnd);
        // OnHookWndDetach may have changed the chain.
        pChains = FindChains(hWnd);
        nIndex = pChains != nullptr ? pChains->m_HookSinkArray.Find(this) : -1;
        if (nIndex >= 0)
            pChains->m_HookSinkArray.RemoveAt(nIndex);
        if (IsAutoDeleteHookWndSink())
            delete this;
        return true;
    }
    if (!::IsWindow(hWnd))
        return false;
    if (pChains != nullptr && pChains->m_HookSinkArray.Find(this) >= 0)
        return true;
    if (pChains == nullptr)
    {
        pChains = new HookChains_t(hWnd);
        pChains->m_pWNDPROC =
            (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)&CExtHookSink::ChainWindowProc);
        if (pChains->m_pWNDPROC == nullptr)
        {
            delete pChains;
            return false;
        }
        // A Unicode window's procedure that lies in a loaded module is called directly; anything
        // else (procedure handles of ANSI or system procedures) goes through CallWindowProcW.
        HMODULE hModule = nullptr;
        pChains->m_bDirectCall =
            ::IsWindowUnicode(hWnd) &&
            ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 (LPCWSTR)(UINT_PTR)pChains->m_pWNDPROC, &hModule) &&
            hModule != nullptr;
        g_HookChainsMap.SetAt(hWnd, pChains);
    }
    if (bAddToHead)
        pChains->m_HookSinkArray.InsertAt(0, this);
    else
        pChains->m_HookSinkArray.Add(this);
    OnHookWndAttach(hWnd);
    return true;
}

void CExtHookSink::RemoveAllWndHooks()
{
    CList<HWND, HWND> listHooked;
    GetHookedWindows(listHooked);
    if (listHooked.IsEmpty())
        return;
    if (IsAutoDeleteHookWndSink())
    {
        // The last detach deletes the sink; the others take it out of their chains without that.
        HWND hWndLast = listHooked.GetTail();
        for (POSITION pos = listHooked.GetHeadPosition(); pos != nullptr;)
        {
            HWND hWnd = listHooked.GetNext(pos);
            if (pos == nullptr)
                break;
            OnHookWndDetach(hWnd);
            if (HookChains_t* pChains = FindChains(hWnd))
                for (INT_PTR i = pChains->m_HookSinkArray.Find(this); i >= 0; i = pChains->m_HookSinkArray.Find(this))
                    pChains->m_HookSinkArray.RemoveAt(i);
        }
        AttachToWindow(hWndLast, true, false); // deletes this
        return;
    }
    for (POSITION pos = listHooked.GetHeadPosition(); pos != nullptr;)
        AttachToWindow(listHooked.GetNext(pos), true, false);
}

bool CExtHookSink::IsAttachedToWindow(HWND hWnd) const
{
    HookChains_t* pChains = hWnd != nullptr ? FindChains(hWnd) : nullptr;
    return pChains != nullptr && pChains->m_HookSinkArray.Find(this) >= 0;
}

void CExtHookSink::GetHookedWindows(CList<HWND, HWND>& listHooked) const
{
    listHooked.RemoveAll();
    for (auto* pPair = g_HookChainsMap.PGetFirstAssoc(); pPair != nullptr; pPair = g_HookChainsMap.PGetNextAssoc(pPair))
        if (pPair->value->m_HookSinkArray.Find(this) >= 0)
            listHooked.AddTail(pPair->key);
}
