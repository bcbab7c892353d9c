// CWnd core: window maps, creation with early attachment, subclassing, the window procedure
// and message-map dispatch with reflection of control notifications.
#include "platform/Wnd.h"
#include "platform/Dc.h"
#include "platform/Gdi.h"
#include "platform/Menu.h"
#include "platform/WinThread.h"
#include "platform/WinApp.h"
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"
#include <exception>
#include <new>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

const wchar_t* const _afxWnd = L"CorvaneWnd";

HWND AfxSafeHwnd(const CWnd* pWnd) { return pWnd == nullptr ? nullptr : pWnd->m_hWnd; }

// ---- maps ------------------------------------------------------------------------------------

CHandleMap<CWnd>* afxMapHWND(BOOL bCreate)
{
    typedef CTempHandleWrapper<CWnd, HWND, &CWnd::m_hWnd> Temp;
    return PlatformThreadHandleMap(&_AFX_THREAD_STATE::m_pmapHWND, bCreate, &Temp::New, &Temp::Detach);
}

CWnd::CWnd() : m_hWnd(nullptr), m_hWndOwner(nullptr), m_nFlags(0), m_pfnSuper(nullptr), m_nModalResult(0) {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_hWndOwner(nullptr), m_nFlags(0), m_pfnSuper(nullptr), m_nModalResult(0) {}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr)
    {
        CHandleMap<CWnd>* pMap = afxMapHWND();
        if (pMap != nullptr && pMap->LookupPermanent(m_hWnd) == this)
        {
            // Still alive: destroy it now (derived handlers no longer run).
            if (::IsWindow(m_hWnd))
                DestroyWindow();
            if (m_hWnd != nullptr)
                Detach();
        }
    }
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_pLastHit == this)
    {
        s->m_pLastHit = nullptr;
        s->m_nLastHit = -1;
        s->m_bLastInfoValid = FALSE;
    }
    if (s->m_pWndInit == this)
        s->m_pWndInit = nullptr;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return afxMapHWND(TRUE)->FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    CHandleMap<CWnd>* pMap = afxMapHWND();
    if (pMap == nullptr || hWnd == nullptr)
        return nullptr;
    return pMap->LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap()
{
    if (CHandleMap<CWnd>* pMap = afxMapHWND())
        pMap->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    afxMapHWND(TRUE)->SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
    {
        if (CHandleMap<CWnd>* pMap = afxMapHWND())
            pMap->RemoveHandle(hWnd, this);
    }
    m_hWnd = nullptr;
    return hWnd;
}

// ---- window procedure -------------------------------------------------------------------------

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    MSG oldState = s->m_lastSentMsg;
    s->m_lastSentMsg.hwnd = hWnd;
    s->m_lastSentMsg.message = nMsg;
    s->m_lastSentMsg.wParam = wParam;
    s->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        CWinThread* pThread = AfxGetThread();
        lResult = pThread != nullptr ? pThread->ProcessWndProcException(e, &s->m_lastSentMsg)
                                     : PlatformProcessWndProcException(e, &s->m_lastSentMsg);
        if (e != nullptr)
            e->Delete();
    }
    catch (const std::exception& e)
    {
        // Not one of the layer's exceptions: reported the same way, the message is not handled.
        if (nMsg == WM_CREATE)
            lResult = -1;
        PlatformMessageBox(hWnd, PlatformAnsiToWide(e.what()), AfxGetAppName(), MB_ICONEXCLAMATION | MB_OK);
    }

    if (nMsg == WM_NCDESTROY)
    {
        // A handler that skipped the base OnNcDestroy left the object attached: finish here.
        CWnd* pStill = CWnd::FromHandlePermanent(hWnd);
        if (pStill != nullptr && pStill == pWnd && pWnd->m_hWnd == hWnd)
            pWnd->DetachAfterNcDestroy();
    }
    s->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AfxGetAfxWndProc() { return &AfxWndProc; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& m = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    s->m_lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    s->m_lastSentMsg.pt.x = (short)LOWORD(pos);
    s->m_lastSentMsg.pt.y = (short)HIWORD(pos);
    return &s->m_lastSentMsg;
}

// ---- creation --------------------------------------------------------------------------------

static bool IsImeWindow(HWND hWnd)
{
    wchar_t cls[64] = {};
    ::GetClassNameW(hWnd, cls, 64);
    return ::lstrcmpiW(cls, L"IME") == 0 || ::lstrcmpiW(cls, L"MSCTFIME UI") == 0;
}

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (code == HCBT_CREATEWND && s->m_pWndInit != nullptr)
    {
        HWND hWnd = (HWND)wParam;
        if (!IsImeWindow(hWnd))
        {
            CWnd* pWndInit = s->m_pWndInit;
            s->m_pWndInit = nullptr;
            pWndInit->Attach(hWnd);
            pWndInit->PreSubclassWindow();
            WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
            if (oldProc != &AfxWndProc)
                pWndInit->m_pfnSuper = oldProc;
        }
    }
    return ::CallNextHookEx(s->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_hHookOldCbtFilter == nullptr)
        s->m_hHookOldCbtFilter = ::SetWindowsHookExW(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    s->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    // Within a creation (a window creating its children at WM_CREATE) the hook stays for the next window: it
    // takes only the window its object waits for, so a window created meanwhile without one is left alone.
    if (s->m_hHookOldCbtFilter != nullptr && s->m_nCreatingWindows == 0)
    {
        ::UnhookWindowsHookEx(s->m_hHookOldCbtFilter);
        s->m_hHookOldCbtFilter = nullptr;
    }
    if (s->m_pWndInit != nullptr)
    {
        s->m_pWndInit = nullptr;
        return FALSE; // no window was created for it
    }
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    HWND hWndParent = pParentWnd->GetSafeHwnd();
    if (hWndParent == nullptr)
    {
        // Without a parent there is no child window: a top-level window without an id.
        return CreateEx(0, lpszClassName, lpszWindowName, dwStyle & ~WS_CHILD, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, (LPVOID)pContext);
    }
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, hWndParent, (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCTW cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    ++s->m_nCreatingWindows;
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    --s->m_nCreatingWindows;
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the window never existed: clean up as if destroyed
    if (hWnd == nullptr)
        return FALSE;
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
    {
        WNDCLASSW wc = {};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = _afxWnd;
        if (!AfxRegisterClass(&wc))
            return FALSE;
        cs.lpszClass = _afxWnd;
    }
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    CWnd* pWnd = FromHandlePermanent(m_hWnd);
    BOOL bResult = ::DestroyWindow(m_hWnd);
    // A permanent object has been detached by WM_NCDESTROY (and may be deleted by now).
    if (pWnd == nullptr)
        Detach();
    return bResult;
}

void CWnd::DetachAfterNcDestroy()
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_pLastHit == this)
    {
        if (s->m_hWndToolTip != nullptr && s->m_bLastInfoValid && ::IsWindow(s->m_hWndToolTip))
            ::SendMessageW(s->m_hWndToolTip, TTM_DELTOOLW, 0, (LPARAM)&s->m_lastInfo);
        s->m_pLastHit = nullptr;
        s->m_nLastHit = -1;
        s->m_bLastInfoValid = FALSE;
    }
    if (s->m_hWndToolTip != nullptr && ::IsWindow(s->m_hWndToolTip))
    {
        // The shared tip belongs to this window's top level: it goes with it.
        if (::GetWindow(s->m_hWndToolTip, GW_OWNER) == m_hWnd)
        {
            ::DestroyWindow(s->m_hWndToolTip);
            s->m_hWndToolTip = nullptr;
        }
    }
    if (m_pfnSuper != nullptr && (WNDPROC)::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == &AfxWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy(); // may delete this
}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
    {
        if (pThread->m_pMainWnd == this)
        {
            // The thread's main window is gone: its message loop ends.
            ::PostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = nullptr;
    }
    Default();
    DetachAfterNcDestroy();
}

// ---- subclassing ------------------------------------------------------------------------------

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
    if (oldProc != &AfxWndProc)
        m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    if (hWndControl == nullptr)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

// ---- pre-translation ---------------------------------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    // Tool tips of this window (or of an ancestor that has them) see every input message.
    FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

// ---- commands and notifications ------------------------------------------------------------------

namespace
{
// Records only whether a command-UI handler enabled or disabled the command.
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};
} // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr)
    {
        if (nID == 0)
            return FALSE;
        // A menu or accelerator command that has been disabled meanwhile is not run.
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (ReflectLastMsg(hWndCtrl))
            return TRUE; // the control handled its own notification
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, (int)MAKELONG((WORD)nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& m = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(m.message, m.wParam, m.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (uMsg)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM: return CWnd::OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, (int)MAKELONG((WORD)nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
        {
            if (pResult != nullptr)
                *pResult = 1;
            return TRUE;
        }
        break;
    }
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        int nCode = (int)pNMHDR->code;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, (int)MAKELONG((WORD)nCode, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    default:
        if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = (HWND)lParam;
            ctl.nCtlType = uMsg - WM_CTLCOLORMSGBOX;
            LRESULT lResult = 0;
            BOOL bResult = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lResult);
            if (lResult == 0)
                bResult = FALSE;
            if (bResult && pResult != nullptr)
                *pResult = lResult;
            return bResult;
        }
        break;
    }
    return FALSE;
}

// ---- message-map dispatch --------------------------------------------------------------------------

namespace
{
template <class T> T MmfAs(AFX_PMSG pfn) { return reinterpret_cast<T>(pfn); }

const AFX_MSGMAP_ENTRY* FindWindowEntry(const AFX_MSGMAP* pMap, UINT message, bool& bRegistered)
{
    bRegistered = false;
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        if (message < 0xC000)
        {
            if (const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(pMap->lpEntries, message, 0, 0))
                return e;
        }
        else
        {
            for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e)
            {
                if (e->nMessage == 0xC000 && e->nLastID == 0 && *(const UINT*)e->nSig == message)
                {
                    bRegistered = true;
                    return e;
                }
            }
        }
    }
    return nullptr;
}
} // namespace

bool CWnd::HandlesInMessageMap(UINT message) const
{
    bool bRegistered = false;
    return FindWindowEntry(GetMessageMap(), message, bRegistered) != nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != nullptr)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult != nullptr)
            *pResult = lResult;
        return TRUE;
    }

    if (message == WM_ACTIVATE)
        HandleActivate(wParam, (HWND)lParam);
    if (message == WM_SETCURSOR && HandleSetCursorOnDisabled((short)LOWORD(lParam), HIWORD(lParam)))
    {
        if (pResult != nullptr)
            *pResult = 1;
        return TRUE;
    }

    const AFX_MSGMAP* pMap = GetMessageMap();
    bool bRegistered = false;
    const AFX_MSGMAP_ENTRY* lpEntry = FindWindowEntry(pMap, message, bRegistered);
    UINT nCtlColor = 0;
    if (lpEntry == nullptr && message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        lpEntry = FindWindowEntry(pMap, WM_CTLCOLOR, bRegistered);
        nCtlColor = message - WM_CTLCOLORMSGBOX;
    }
    if (lpEntry == nullptr)
        return FALSE;

    AFX_PMSG pfn = lpEntry->pfn;
    UINT_PTR nSig = bRegistered ? (UINT_PTR)AfxSig_lwl : lpEntry->nSig;
    switch (nSig)
    {
    case AfxSig_lwl: lResult = (this->*MmfAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam); break;
    case AfxSig_is: lResult = (this->*MmfAs<int (CWnd::*)(LPCREATESTRUCT)>(pfn))((LPCREATESTRUCT)lParam); break;
    case AfxSig_bs: lResult = (this->*MmfAs<BOOL (CWnd::*)(LPCREATESTRUCT)>(pfn))((LPCREATESTRUCT)lParam); break;
    case AfxSig_vv: (this->*MmfAs<void (CWnd::*)()>(pfn))(); break;
    case AfxSig_bv: lResult = (this->*MmfAs<BOOL (CWnd::*)()>(pfn))(); break;
    case AfxSig_wv: lResult = (this->*MmfAs<UINT (CWnd::*)()>(pfn))(); break;
    case AfxSig_lv: lResult = (this->*MmfAs<LRESULT (CWnd::*)()>(pfn))(); break;
    case AfxSig_hv: lResult = (LRESULT)(this->*MmfAs<HCURSOR (CWnd::*)()>(pfn))(); break;
    case AfxSig_vwii:
        (this->*MmfAs<void (CWnd::*)(UINT, int, int)>(pfn))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vii: (this->*MmfAs<void (CWnd::*)(int, int)>(pfn))((short)LOWORD(lParam), (short)HIWORD(lParam)); break;
    case AfxSig_bD: lResult = (this->*MmfAs<BOOL (CWnd::*)(CDC*)>(pfn))(CDC::FromHandle((HDC)wParam)); break;
    case AfxSig_vt: (this->*MmfAs<void (CWnd::*)(UINT_PTR)>(pfn))((UINT_PTR)wParam); break;
    case AfxSig_vwp: (this->*MmfAs<void (CWnd::*)(UINT, CPoint)>(pfn))((UINT)wParam, CPoint(lParam)); break;
    case AfxSig_bwsp:
        lResult = (this->*MmfAs<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(LOWORD(wParam), (short)HIWORD(wParam),
                                                                           CPoint(lParam));
        break;
    case AfxSig_bWww:
        lResult = (this->*MmfAs<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(FromHandle((HWND)wParam), LOWORD(lParam),
                                                                         HIWORD(lParam));
        break;
    case AfxSig_vWl: (this->*MmfAs<void (CWnd::*)(CWnd*)>(pfn))(FromHandle((HWND)lParam)); break;
    case AfxSig_vWw: (this->*MmfAs<void (CWnd::*)(CWnd*)>(pfn))(FromHandle((HWND)wParam)); break;
    case AfxSig_vwww:
        (this->*MmfAs<void (CWnd::*)(UINT, UINT, UINT)>(pfn))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwWb:
        (this->*MmfAs<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(LOWORD(wParam), FromHandle((HWND)lParam),
                                                               (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vbh: (this->*MmfAs<void (CWnd::*)(BOOL, DWORD)>(pfn))((BOOL)wParam, (DWORD)lParam); break;
    case AfxSig_bb: lResult = (this->*MmfAs<BOOL (CWnd::*)(BOOL)>(pfn))((BOOL)wParam); break;
    case AfxSig_vbn:
        (this->*MmfAs<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(pfn))((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_lp: lResult = (this->*MmfAs<LRESULT (CWnd::*)(CPoint)>(pfn))(CPoint(lParam)); break;
    case AfxSig_vPOS: (this->*MmfAs<void (CWnd::*)(WINDOWPOS*)>(pfn))((WINDOWPOS*)lParam); break;
    case AfxSig_vMMI: (this->*MmfAs<void (CWnd::*)(MINMAXINFO*)>(pfn))((MINMAXINFO*)lParam); break;
    case AfxSig_vbw: (this->*MmfAs<void (CWnd::*)(BOOL, UINT)>(pfn))((BOOL)wParam, (UINT)lParam); break;
    case AfxSig_vWp:
        (this->*MmfAs<void (CWnd::*)(CWnd*, CPoint)>(pfn))(FromHandle((HWND)wParam), CPoint(lParam));
        break;
    case AfxSig_vwl: (this->*MmfAs<void (CWnd::*)(UINT, LPARAM)>(pfn))((UINT)wParam, lParam); break;
    case AfxSig_vws: (this->*MmfAs<void (CWnd::*)(UINT, LPCTSTR)>(pfn))((UINT)wParam, (LPCTSTR)lParam); break;
    case AfxSig_hDWw:
        lResult = (LRESULT)(this->*MmfAs<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(
            CDC::FromHandle((HDC)wParam), FromHandle((HWND)lParam), nCtlColor);
        break;
    case AfxSig_hDw:
    {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult =
            (LRESULT)(this->*MmfAs<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_vDRAWITEM:
        (this->*MmfAs<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pfn))((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASUREITEM:
        (this->*MmfAs<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(pfn))((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vDELETEITEM:
        (this->*MmfAs<void (CWnd::*)(int, LPDELETEITEMSTRUCT)>(pfn))((int)wParam, (LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iCOMPAREITEM:
        lResult =
            (this->*MmfAs<int (CWnd::*)(int, LPCOMPAREITEMSTRUCT)>(pfn))((int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vDRAWITEM_R:
        (this->*MmfAs<void (CWnd::*)(LPDRAWITEMSTRUCT)>(pfn))((LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASUREITEM_R:
        (this->*MmfAs<void (CWnd::*)(LPMEASUREITEMSTRUCT)>(pfn))((LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vDELETEITEM_R:
        (this->*MmfAs<void (CWnd::*)(LPDELETEITEMSTRUCT)>(pfn))((LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iCOMPAREITEM_R:
        lResult = (this->*MmfAs<int (CWnd::*)(LPCOMPAREITEMSTRUCT)>(pfn))((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vwwx:
        (this->*MmfAs<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(
            LOWORD(wParam), (UINT)(short)HIWORD(wParam), reinterpret_cast<CScrollBar*>(FromHandle((HWND)lParam)));
        break;
    case AfxSig_vww:
        (this->*MmfAs<void (CWnd::*)(UINT, UINT)>(pfn))(LOWORD(wParam), (UINT)(short)HIWORD(wParam));
        break;
    case AfxSig_vMwb:
        (this->*MmfAs<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam),
                                                                (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vM: (this->*MmfAs<void (CWnd::*)(CMenu*)>(pfn))(CMenu::FromHandle((HMENU)wParam)); break;
    case AfxSig_vwwh:
        (this->*MmfAs<void (CWnd::*)(UINT, UINT, HMENU)>(pfn))(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_vwW: (this->*MmfAs<void (CWnd::*)(UINT, CWnd*)>(pfn))((UINT)wParam, FromHandle((HWND)lParam)); break;
    case AfxSig_vwpr:
        (this->*MmfAs<void (CWnd::*)(UINT, LPRECT)>(pfn))((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iWww:
        lResult = (this->*MmfAs<int (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(FromHandle((HWND)wParam), LOWORD(lParam),
                                                                        HIWORD(lParam));
        break;
    case AfxSig_vb: (this->*MmfAs<void (CWnd::*)(BOOL)>(pfn))((BOOL)wParam); break;
    case AfxSig_viSS:
        (this->*MmfAs<void (CWnd::*)(int, LPSTYLESTRUCT)>(pfn))((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    case AfxSig_vHDROP: (this->*MmfAs<void (CWnd::*)(HDROP)>(pfn))((HDROP)wParam); break;
    case AfxSig_bWCDS:
        lResult = (this->*MmfAs<BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*)>(pfn))(FromHandle((HWND)wParam),
                                                                              (COPYDATASTRUCT*)lParam);
        break;
    case AfxSig_vbWW:
        (this->*MmfAs<void (CWnd::*)(BOOL, CWnd*, CWnd*)>(pfn))((HWND)lParam == m_hWnd, FromHandle((HWND)lParam),
                                                                FromHandle((HWND)wParam));
        break;
    case AfxSig_bHELPINFO: lResult = (this->*MmfAs<BOOL (CWnd::*)(HELPINFO*)>(pfn))((HELPINFO*)lParam); break;
    default: return FALSE;
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

void CWnd::HandleActivate(WPARAM nState, HWND hWndOther)
{
    // Activation moving between top-level windows is told to the top-level window too.
    if (GetStyle() & WS_CHILD)
        return;
    CWnd* pTopLevel = GetTopLevelParent();
    if (pTopLevel == nullptr)
        return;
    CWnd* pOther = FromHandle(hWndOther);
    if (pOther == nullptr || !::IsWindow(pOther->m_hWnd) || pOther->GetTopLevelParent() != pTopLevel)
    {
        HWND hWnd2[2] = {m_hWnd, hWndOther};
        ::SendMessageW(pTopLevel->m_hWnd, WM_ACTIVATETOPLEVEL, nState, (LPARAM)&hWnd2[0]);
    }
}

namespace
{
// Whether a shown top-level window of the calling thread lies above hWnd in the window order.
bool IsBelowAWindowOfItsThread(HWND hWnd)
{
    const DWORD dwThread = ::GetCurrentThreadId();
    for (HWND h = ::GetTopWindow(nullptr); h != nullptr && h != hWnd; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (::IsWindowVisible(h) && ::GetWindowThreadProcessId(h, nullptr) == dwThread)
            return true;
    }
    return false;
}
} // namespace

BOOL CWnd::HandleSetCursorOnDisabled(UINT nHitTest, UINT nMsg)
{
    // A click on a window disabled by a modal one brings the modal window forward.
    if (nHitTest == (UINT)HTERROR && (nMsg == WM_LBUTTONDOWN || nMsg == WM_MBUTTONDOWN || nMsg == WM_RBUTTONDOWN))
    {
        CWnd* pLastActive = GetTopLevelParent();
        if (pLastActive != nullptr)
            pLastActive = pLastActive->GetLastActivePopup();
        if (pLastActive != nullptr && pLastActive->m_hWnd != ::GetForegroundWindow() && pLastActive->IsWindowEnabled())
        {
            pLastActive->SetForegroundWindow();
            return TRUE;
        }
        // Windows' DefWindowProc also brings that window to the top of the window order at such a click;
        // Wine's only beeps, while a window manager has raised the clicked window and the windows it keeps
        // above it. Raised only when a shown window of this thread lies above it.
        const HWND hPopup = pLastActive != nullptr ? pLastActive->m_hWnd : nullptr;
        if (hPopup != nullptr && ::IsWindowEnabled(hPopup) && ::IsWindowVisible(hPopup) &&
            IsBelowAWindowOfItsThread(hPopup))
        {
            ::SetWindowPos(hPopup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::IsFrameWnd() const
{
    // A frame class (written elsewhere) is recognised by its run-time class name.
    for (CRuntimeClass* pClass = GetRuntimeClass(); pClass != nullptr; pClass = pClass->GetBaseClass())
    {
        if (std::strcmp(pClass->m_lpszClassName, "CFrameWnd") == 0)
            return TRUE;
    }
    return FALSE;
}

// ---- the message map of CWnd: defaults that reflect, forward or clean up ---------------------------

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_CTLCOLOR()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_DISPLAYCHANGE()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->CtlType == ODT_MENU)
    {
        CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDIS->hwndItem);
        if (pMenu != nullptr)
        {
            pMenu->DrawItem(lpDIS);
            return;
        }
    }
    else if (ReflectLastMsg(lpDIS->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS->CtlType != ODT_MENU)
    {
        HWND hWndChild = ::GetDlgItem(m_hWnd, nIDCtl);
        if (hWndChild != nullptr && ReflectLastMsg(hWndChild))
            return;
    }
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDIS)
{
    if (ReflectLastMsg(lpDIS->hwndItem))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCIS)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCIS->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    CWnd* pBar = reinterpret_cast<CWnd*>(pScrollBar);
    if (pBar != nullptr && ReflectLastMsg(pBar->m_hWnd))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    CWnd* pBar = reinterpret_cast<CWnd*>(pScrollBar);
    if (pBar != nullptr && ReflectLastMsg(pBar->m_hWnd))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

void CWnd::OnSysColorChange()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this)
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    Default();
}

void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this)
    {
        const MSG& m = AfxGetThreadState()->m_lastSentMsg;
        SendMessageToDescendants(WM_SETTINGCHANGE, m.wParam, m.lParam, TRUE, TRUE);
    }
    Default();
}

void CWnd::OnDisplayChange(UINT, int, int)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this)
    {
        const MSG& m = AfxGetThreadState()->m_lastSentMsg;
        SendMessageToDescendants(WM_DISPLAYCHANGE, m.wParam, m.lParam, TRUE, TRUE);
    }
    Default();
}

// ---- plain defaults -------------------------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnNcPaint() { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
LRESULT CWnd::OnThemeChanged() { return Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnTimeChange() { Default(); }
BOOL CWnd::OnQueryEndSession() { return (BOOL)Default(); }
void CWnd::OnEndSession(BOOL) { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
BOOL CWnd::OnQueryNewPalette() { return (BOOL)Default(); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return (HCURSOR)Default(); }
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) { return (BOOL)Default(); }
void CWnd::OnChildActivate() { Default(); }
void CWnd::OnUpdateUIState(UINT, UINT) { Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return (BOOL)Default(); }

// ---- window classes ---------------------------------------------------------------------------

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASSW wc;
    if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &wc))
        return TRUE;
    if (::RegisterClassW(lpWndClass) != 0)
        return TRUE;
    return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
