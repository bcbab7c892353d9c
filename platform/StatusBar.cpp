// The status bar.
#include "platform/Platform.h"
#include "platform/StatusBar.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

CStatusBar::CStatusBar() {}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALIGN_ANY;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALIGN_ANY) | WS_CHILD;
    return CWnd::CreateEx(0, STATUSCLASSNAMEW, nullptr, dwWndStyle, 0, 0, 0, 0, pParentWnd->GetSafeHwnd(),
                          (HMENU)(UINT_PTR)nID, nullptr);
}
