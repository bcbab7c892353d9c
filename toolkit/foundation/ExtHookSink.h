// CExtHookSink: a window-procedure hook through which a toolkit object sees, and may answer, the
// messages of a window it does not own; several sinks chain on one window.
#pragma once
#include "platform/Collections.h"
#include <windows.h>

class CExtHookSink
{
public:
    // The sinks of one window in chain order; the array does not own them.
    class HookSinkArray_t : public CPtrArray
    {
    public:
        CExtHookSink* GetSinkAt(INT_PTR nIndex) const { return (CExtHookSink*)GetAt(nIndex); }
        // Index of pSink, -1 when it is not in the array.
        INT_PTR Find(const CExtHookSink* pSink) const;
    };

    // The hook record of one subclassed window.
    struct HookChains_t
    {
        bool m_bEatNcDestroy : 1; // some sink hides WM_NCDESTROY from m_pWNDPROC
        bool m_bDirectCall : 1;   // m_pWNDPROC is a function of a loaded module, not a handle
        HookSinkArray_t m_HookSinkArray;
        HWND m_hWndHooked;
        WNDPROC m_pWNDPROC; // the procedure the subclassing replaced

        explicit HookChains_t(HWND hWnd)
            : m_bEatNcDestroy(false), m_bDirectCall(false), m_hWndHooked(hWnd), m_pWNDPROC(nullptr)
        {}
        // Runs the previous procedure.
        LRESULT CallPrevious(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) const
        {
            return m_bDirectCall ? m_pWNDPROC(hWnd, nMessage, wParam, lParam)
                                 : ::CallWindowProcW(m_pWNDPROC, hWnd, nMessage, wParam, lParam);
        }
    };

    explicit CExtHookSink(bool bEnableDetailedWndHooks = true);
    // Takes the sink out of every chain (without OnHookWndDetach: the derived part is gone).
    // The windows stay subclassed until their WM_NCDESTROY.
    virtual ~CExtHookSink();

    virtual bool IsAutoDeleteHookWndSink();

    // Run the hooked window's previous procedure from inside OnHookWndMsg. Outside a hooked
    // window's message they call nothing and answer 0.
    virtual LRESULT CallOriginalWndProcWithParams(WPARAM wParam, LPARAM lParam);
    virtual LRESULT CallOriginalWndProcMsg(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT CallOriginalWndProc();

    // Answer true to end the chain with lResult; wParam and lParam changes reach the later sinks
    // and the previous procedure.
    virtual bool OnHookWndMsg(LRESULT& lResult, HWND hWndHooked, UINT nMessage, WPARAM& wParam, LPARAM& lParam);
    virtual bool OnHookWndCommand(LRESULT& lResult, HWND hWndHooked, UINT nNotifyCode, UINT nCommandID, HWND hWndCtrl);
    virtual bool OnHookWndNotify(LRESULT& lResult, HWND hWndHooked, WPARAM wParam, LPARAM lParam);
    virtual bool OnHookWndPaint(LRESULT& lResult, HWND hWndHooked, WPARAM wParam);
    virtual bool OnHookWndEraseBkgnd(LRESULT& lResult, HWND hWndHooked, WPARAM wParam);
    virtual bool OnHookWndPrint(LRESULT& lResult, HWND hWndHooked, WPARAM wParam);
    virtual bool OnHookWndNcPaint(LRESULT& lResult, HWND hWndHooked, WPARAM wParam);
    virtual void OnHookWndNcDestroy();
    virtual void OnHookWndAttach(HWND hWnd);
    virtual void OnHookWndDetach(HWND hWnd);

    // Attaches (bRemove false; at the head of the chain when bAddToHead) or detaches the sink.
    virtual bool AttachToWindow(HWND hWnd, bool bRemove = false, bool bAddToHead = false);
    virtual void RemoveAllWndHooks();

    bool IsAttachedToWindow(HWND hWnd) const;
    void GetHookedWindows(CList<HWND, HWND>& listHooked) const;

    // The procedure installed on every hooked window.
    static LRESULT CALLBACK ChainWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

protected:
    bool m_bEnableDetailedWndHooks : 1; // OnHookWndMsg routes six messages to their own operations
    bool m_bEatNcDestroy : 1;           // the window's previous procedure is not to see WM_NCDESTROY
};

// Every hooked window's chain, by window handle (17 buckets). Owned by the hook code: a chain
// lives from the first attach until the window's WM_NCDESTROY.
extern CMap<HWND, HWND, CExtHookSink::HookChains_t*, CExtHookSink::HookChains_t*> g_HookChainsMap;
