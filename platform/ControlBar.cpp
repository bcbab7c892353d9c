// The control-bar base: dock-site membership.
#include "platform/Platform.h"
#include "platform/ControlBar.h"
#include "platform/FrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlBar::CControlBar() {}

CControlBar::~CControlBar()
{
    LeaveDockSite();
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CWnd* pParent = CWnd::FromHandle(::GetParent(m_hWnd));
    if (m_pDockSite == nullptr && pParent != nullptr && pParent->IsFrameWnd())
        m_pDockSite = static_cast<CFrameWnd*>(pParent);
    if (m_pDockSite != nullptr && m_pDockSite->m_listControlBars.Find(this) == nullptr)
        m_pDockSite->m_listControlBars.AddTail(this);
    return 0;
}

void CControlBar::OnDestroy()
{
    LeaveDockSite();
    CWnd::OnDestroy();
}

void CControlBar::LeaveDockSite()
{
    if (m_pDockSite == nullptr)
        return;
    POSITION pos = m_pDockSite->m_listControlBars.Find(this);
    if (pos != nullptr)
        m_pDockSite->m_listControlBars.RemoveAt(pos);
}
