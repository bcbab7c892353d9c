// Per-thread state of the window layer: current and last sent message, window creation,
// automatic tool tips and the handle maps (permanent and temporary wrapper objects).
#pragma once
#include "platform/Core.h"
#include <commctrl.h>
#include <unordered_map>
#include <vector>

class CWnd;
class CDC;
class CGdiObject;
class CMenu;
class CImageList;
class CWinThread;
class CFrameWnd;

// Maps a handle to the object that wraps it. Permanent entries belong to their objects;
// temporary wrappers are made on demand by FromHandle and deleted at idle time.
template <class T> class CHandleMap
{
public:
    typedef T* (*NewTempFn)(void* h);   // wraps h in a new object (without mapping it)
    typedef void (*DetachTempFn)(T* p); // clears the wrapper's handle before deletion

    CHandleMap(NewTempFn pfnNew, DetachTempFn pfnDetach) : m_pfnNew(pfnNew), m_pfnDetach(pfnDetach) {}
    ~CHandleMap() { DeleteTemp(); }

    T* LookupPermanent(void* h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    T* LookupTemporary(void* h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }
    T* FromHandle(void* h)
    {
        if (h == nullptr)
            return nullptr;
        if (T* p = LookupPermanent(h))
            return p;
        if (T* p = LookupTemporary(h))
            return p;
        T* p = m_pfnNew(h);
        m_temporary[h] = p;
        return p;
    }
    void SetPermanent(void* h, T* p)
    {
        // An object made permanent replaces a temporary wrapper of the same handle.
        auto it = m_temporary.find(h);
        if (it != m_temporary.end())
        {
            m_retired.push_back(it->second);
            m_temporary.erase(it);
        }
        m_permanent[h] = p;
    }
    // Forgets h. A temporary wrapper stays alive (callers may hold it) until DeleteTemp.
    void RemoveHandle(void* h, T* p)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p)
            m_permanent.erase(it);
        auto jt = m_temporary.find(h);
        if (jt != m_temporary.end() && jt->second == p)
        {
            m_retired.push_back(p);
            m_temporary.erase(jt);
        }
    }
    bool IsTemporary(const T* p) const
    {
        for (auto& kv : m_temporary)
            if (kv.second == p)
                return true;
        for (auto* r : m_retired)
            if (r == p)
                return true;
        return false;
    }
    void DeleteTemp()
    {
        std::unordered_map<void*, T*> temp;
        temp.swap(m_temporary);
        std::vector<T*> retired;
        retired.swap(m_retired);
        for (auto& kv : temp)
        {
            m_pfnDetach(kv.second);
            delete kv.second;
        }
        for (T* p : retired)
        {
            m_pfnDetach(p);
            delete p;
        }
    }
    size_t TemporaryCount() const { return m_temporary.size() + m_retired.size(); }
    // Calls f(handle, object) for each permanent entry; f must not change the map.
    template <class F> void ForEachPermanent(F f) const
    {
        for (const auto& kv : m_permanent)
            f(kv.first, kv.second);
    }

private:
    std::unordered_map<void*, T*> m_permanent;
    std::unordered_map<void*, T*> m_temporary;
    std::vector<T*> m_retired;
    NewTempFn m_pfnNew;
    DetachTempFn m_pfnDetach;
};

struct _AFX_THREAD_STATE
{
    _AFX_THREAD_STATE();
    ~_AFX_THREAD_STATE();

    // The message being processed by the thread's message pump.
    MSG m_msgCur = {};
    // The message being handled by the innermost window procedure of the layer.
    MSG m_lastSentMsg = {};
    // Pointer to m_lastSentMsg, for code that keeps a pointer to "the last sent message".
    MSG* m_pLastSentMsg = &m_lastSentMsg;
    // Mouse-move filter of IsIdleMessage.
    POINT m_ptCursorLast = {-1, -1};
    UINT m_nMsgLast = 0;

    // Window creation: the object attached to the next window created on this thread.
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;
    // CWnd::CreateEx calls under way: the creation hook stays set between the windows they create.
    int m_nCreatingWindows = 0;
    HHOOK m_hHookOldMsgFilter = nullptr;
    // Control notifications to this window are ignored (used while a window is set up).
    HWND m_hLockoutNotifyWindow = nullptr;

    // Automatic tool tips.
    HWND m_hWndToolTip = nullptr; // the shared tool-tip control
    CWnd* m_pLastHit = nullptr;   // window whose tool was hit last
    INT_PTR m_nLastHit = -1;      // and the tool's hit code
    TOOLINFOW m_lastInfo = {};    // the tool registered for that hit
    BOOL m_bLastInfoValid = FALSE;

    // Every frame object of this thread (idle updates of floating frames, bar clean-up).
    std::vector<CFrameWnd*> m_frameList;

    // The thread object running the pump on this thread (the application on the GUI thread).
    CWinThread* m_pCurrentWinThread = nullptr;

    // Handle maps, created on first use.
    CHandleMap<CWnd>* m_pmapHWND = nullptr;
    CHandleMap<CGdiObject>* m_pmapHGDIOBJ = nullptr;
    CHandleMap<CDC>* m_pmapHDC = nullptr;
    CHandleMap<CMenu>* m_pmapHMENU = nullptr;
    CHandleMap<CImageList>* m_pmapHIMAGELIST = nullptr;
};

_AFX_THREAD_STATE* AfxGetThreadState();

// The handle map held in the given member of the calling thread's state, made on first use when
// bCreate is set.
template <class T> CHandleMap<T>* PlatformThreadHandleMap(CHandleMap<T>* _AFX_THREAD_STATE::*pSlot, BOOL bCreate,
                                                          typename CHandleMap<T>::NewTempFn pfnNew,
                                                          typename CHandleMap<T>::DetachTempFn pfnDetach)
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->*pSlot == nullptr && bCreate)
        s->*pSlot = new CHandleMap<T>(pfnNew, pfnDetach);
    return s->*pSlot;
}

// Temporary wrappers of a class whose handle is its member pHandle.
template <class T, class H, H T::*pHandle> struct CTempHandleWrapper
{
    static T* New(void* h)
    {
        T* p = new T;
        p->*pHandle = (H)h;
        return p;
    }
    static void Detach(T* p) { p->*pHandle = nullptr; }
};

// Handle maps of the calling thread (created when bCreate is set).
CHandleMap<CWnd>* afxMapHWND(BOOL bCreate = FALSE);
CHandleMap<CGdiObject>* afxMapHGDIOBJ(BOOL bCreate = FALSE);
CHandleMap<CDC>* afxMapHDC(BOOL bCreate = FALSE);
CHandleMap<CMenu>* afxMapHMENU(BOOL bCreate = FALSE);
CHandleMap<CImageList>* afxMapHIMAGELIST(BOOL bCreate = FALSE);

// Deletes every temporary wrapper of the calling thread (windows, DCs, GDI objects, menus,
// image lists). Run by the message loop at idle time.
void AfxDeleteTempMaps();

// The message the thread's pump is processing.
MSG* AfxGetCurrentMessage();
