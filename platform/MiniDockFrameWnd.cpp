// The floating frame of docked bars.
#include "platform/Platform.h"
#include "platform/MiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    CRect rect(0, 0, 0, 0);
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU;
    if (!CMiniFrameWnd::CreateEx(0, nullptr, nullptr, dwStyle, rect, pParent))
        return FALSE;
    m_wndDockBar.m_dwStyle = dwBarStyle & (CBRS_ALIGN_ANY | CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED);
    m_wndDockBar.m_pDockSite = pParent != nullptr ? pParent->GetParentFrame() : nullptr;
    if (pParent != nullptr && pParent->IsFrameWnd())
        m_wndDockBar.m_pDockSite = static_cast<CFrameWnd*>(pParent);
    return m_wndDockBar.CWnd::CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd,
                                       (HMENU)(UINT_PTR)kDockBarId, nullptr);
}
