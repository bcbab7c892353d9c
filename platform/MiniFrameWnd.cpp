// A frame with the small caption of a tool window.
#include "platform/Platform.h"
#include "platform/MiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

namespace
{
const DWORD kMiniFrameStyles = MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME | MFS_BLOCKSYSMENU;
}

CMiniFrameWnd::CMiniFrameWnd() {}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    // A child mini frame takes nID as its id; a pop-up one has no menu.
    HMENU hMenuOrId = (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : nullptr;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenuOrId, nullptr);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    m_dwMiniFrameStyle = cs.style & kMiniFrameStyles;
    // The frame styles stay in the low word of the window style, where the frame reads them back;
    // MFS_BLOCKSYSMENU would be a maximise box there.
    cs.style &= ~MFS_BLOCKSYSMENU;
    if (m_dwMiniFrameStyle & (MFS_THICKFRAME | MFS_4THICKFRAME))
        cs.style |= WS_THICKFRAME;
    if (m_dwMiniFrameStyle & MFS_BLOCKSYSMENU)
        cs.style &= ~WS_SYSMENU;
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return TRUE;
}

void CMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CFrameWnd::OnGetMinMaxInfo(lpMMI);
    CRect rect(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rect, GetStyle() & ~WS_SYSMENU, FALSE, GetExStyle());
    lpMMI->ptMinTrackSize.x = rect.Width();
    lpMMI->ptMinTrackSize.y = rect.Height();
}
