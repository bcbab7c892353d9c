// Command targets: message-map search, command dispatch and command-UI updates.
#include "platform/CmdTarget.h"
#include "platform/Wnd.h"
#include "platform/Menu.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

namespace
{
template <class T> T PmsgAs(AFX_PMSG pfn) { return reinterpret_cast<T>(pfn); }
} // namespace

BOOL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig,
                                AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    switch (nSig)
    {
    case AfxSigCmd_v: (pTarget->*PmsgAs<void (CCmdTarget::*)()>(pfn))(); return TRUE;
    case AfxSigCmd_b: return (pTarget->*PmsgAs<BOOL (CCmdTarget::*)()>(pfn))();
    case AfxSigCmd_RANGE: (pTarget->*PmsgAs<void (CCmdTarget::*)(UINT)>(pfn))(nID); return TRUE;
    case AfxSigCmd_EX: return (pTarget->*PmsgAs<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSigCmdUI:
    case AfxSigCmdUI_RANGE:
    {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (pCmdUI == nullptr)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*PmsgAs<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSigNotify_v:
    case AfxSigNotify_b:
    case AfxSigNotify_RANGE:
    case AfxSigNotify_EX:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        if (pNotify == nullptr)
            return FALSE;
        LRESULT dummy = 0;
        LRESULT* pResult = pNotify->pResult ? pNotify->pResult : &dummy;
        switch (nSig)
        {
        case AfxSigNotify_v:
            (pTarget->*PmsgAs<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pResult);
            return TRUE;
        case AfxSigNotify_b:
            return (pTarget->*PmsgAs<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pResult);
        case AfxSigNotify_RANGE:
            (pTarget->*PmsgAs<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR, pResult);
            return TRUE;
        default:
            return (pTarget->*PmsgAs<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR, pResult);
        }
    }
    default: break;
    }
    (void)nCode;
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = 0;
    UINT code = (UINT)nCode;
    if (code != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(code);
        code = LOWORD(code);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, code, nID);
        if (lpEntry != nullptr)
            return DispatchCmdMsg(this, nID, (int)code, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
    }
    return FALSE;
}

static int s_nWaitCursorCount = 0;
static HCURSOR s_hcurWaitCursorRestore = nullptr;

void CCmdTarget::BeginWaitCursor()
{
    if (s_nWaitCursorCount++ == 0)
        s_hcurWaitCursorRestore = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    if (s_nWaitCursorCount > 0 && --s_nWaitCursorCount == 0)
        ::SetCursor(s_hcurWaitCursorRestore ? s_hcurWaitCursorRestore : ::LoadCursorW(nullptr, IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (s_nWaitCursorCount > 0)
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

CWaitCursor::CWaitCursor() : m_hOld(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
CWaitCursor::~CWaitCursor() { ::SetCursor(m_hOld ? m_hOld : ::LoadCursorW(nullptr, IDC_ARROW)); }
void CWaitCursor::Restore() { ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }

// ---- CCmdUI ----------------------------------------------------------------------------------

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pOther(nullptr), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE), m_nIndexMax(0), m_pParentMenu(nullptr)
{}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return; // pop-ups keep their own state
        ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        HWND hWnd = m_pOther->m_hWnd;
        // A control losing its enable state must not keep the focus.
        if (!bOn && ::GetFocus() == hWnd)
        {
            HWND hParent = ::GetParent(hWnd);
            if (hParent != nullptr)
                ::SendMessageW(hParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        ::EnableWindow(hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        HWND hWnd = m_pOther->m_hWnd;
        if (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessageW(hWnd, BM_SETCHECK, (WPARAM)nCheck, 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE;
        if (::GetMenuItemInfoW(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii))
        {
            if (bOn)
            {
                mii.fType |= MFT_RADIOCHECK;
                mii.fState |= MFS_CHECKED;
            }
            else
                mii.fState &= ~MFS_CHECKED;
            ::SetMenuItemInfoW(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
        }
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (lpszText == nullptr)
        lpszText = L"";
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        UINT nState = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION);
        nState &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP);
        nState &= 0xFF; // only the flag bits
        UINT nID = ::GetMenuItemID(m_pMenu->m_hMenu, m_nIndex);
        ::ModifyMenuW(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, nID, lpszText);
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        AfxSetWindowText(m_pOther->m_hWnd, lpszText);
    }
}

void CCmdUI::ContinueRouting() { m_bContinueRouting = TRUE; }

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE; // separators and the like
    if (pTarget == nullptr)
        return FALSE;
    m_bEnableChanged = FALSE;
    const BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}
