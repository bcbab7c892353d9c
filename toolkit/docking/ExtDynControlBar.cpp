// CExtDynControlBar: class record, construction, the inner dock bar, sizes and self-deletion.
#include "toolkit/docking/ExtDynControlBar.h"
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"

IMPLEMENT_DYNCREATE(CExtDynControlBar, CExtControlBar)

BEGIN_MESSAGE_MAP(CExtDynControlBar, CExtControlBar)
ON_WM_CREATE()
END_MESSAGE_MAP()

namespace
{
// Window style of the inner dock bar: child, visible, clip siblings and children, top-aligned,
// all borders.
const DWORD kInnerDockBarStyle = 0x56002F00;
} // namespace

CExtDynControlBar::CExtDynControlBar() : m_pWndDynDocker(nullptr) { m_bfBarFlags &= ~kBarInBarsMenu; }

CExtDynControlBar::~CExtDynControlBar() {}

void CExtDynControlBar::PostNcDestroy()
{
    m_pWndDynDocker = nullptr;
    delete this;
}

CExtDockDynBar* CExtDynControlBar::CreateInnerDockBar() { return new CExtDockDynBar(0); }

int CExtDynControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CExtControlBar::OnCreate(lpcs) == -1)
        return -1;
    if (CExtDockingKindOf::IsDynTabControlBar(this) && (UINT)GetDlgCtrlID() == AFX_IDW_DOCKBAR_FLOAT)
        SetDlgCtrlID(AFX_IDW_DOCKBAR_TOP);
    CWnd* pParent = GetParent();
    CExtDockDynBar* pInner = CreateInnerDockBar();
    if (pInner == nullptr || pParent == nullptr)
    {
        delete pInner;
        return -1;
    }
    pInner->m_pDockSite = m_pDockSite;
    if (!pInner->Create(pParent, kInnerDockBarStyle, (UINT)GetDlgCtrlID()))
    {
        delete pInner;
        return -1;
    }
    pInner->SetParent(this);
    m_pWndDynDocker = pInner;
    EnableToolTips();
    return 0;
}

CSize CExtDynControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    const CSize size = CExtControlBar::CalcDynamicLayout(nLength, nMode);
    if (m_pWndDynDocker == nullptr || m_pWndDynDocker->GetSafeHwnd() == nullptr || m_pDockBar == nullptr ||
        m_pDockBar->m_bLayoutQuery)
        return size;
    if (m_pWndDynDocker->GetDockedVisibleCount() == 0)
    {
        // The hides pending inside land now: no layout of the inner dock bar comes while the container is hidden.
        m_pWndDynDocker->RecalcDelayedShows();
        if (m_pDockSite != nullptr && (GetStyle() & WS_VISIBLE) != 0)
            m_pDockSite->ShowControlBar(this, FALSE, FALSE);
        return CSize(0, 0);
    }
    CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, m_pDockBar->GetParent());
    if (pMini != nullptr && !m_pWndDynDocker->IsLayoutLocked())
        m_pWndDynDocker->RecalcInnerRows();
    return size;
}

bool CExtDynControlBar::QueryGripperPresence(bool* pbCaptionHorz, bool* pbCaptionVert) const
{
    if (pbCaptionHorz != nullptr)
        *pbCaptionHorz = false;
    if (pbCaptionVert != nullptr)
        *pbCaptionVert = false;
    return false;
}

CSize CExtDynControlBar::CalcInnerMinSize() const
{
    if (m_pWndDynDocker == nullptr || m_pWndDynDocker->GetSafeHwnd() == nullptr)
        return CSize(CExtControlBar::CalcMinWidth(), CExtControlBar::CalcMinHeight());
    CExtDockDynBar::VisibleLayout_t layout;
    m_pWndDynDocker->BuildVisibleLayout(layout);
    if (m_pWndDynDocker->IsHorzRows())
        return CSize(layout.m_nMaxMinRowLength, layout.m_nTotalMinThickness);
    return CSize(layout.m_nTotalMinThickness, layout.m_nMaxMinRowLength);
}

// Along its row a docked container also needs room for its own splitters, so that its inner dock bar keeps the
// inner layout's minimum. They are counted as the row is now, not as the last non-client layout placed them: a bar
// shown again beside the container gives it a splitter that the layout about to run must already count.
int CExtDynControlBar::CalcMinWidth() const
{
    int n = CalcInnerMinSize().cx;
    if (IsDockedHorizontally(this))
        n += ((HasSplitterBefore() ? 1 : 0) + (HasSplitterAfter() ? 1 : 0)) * m_nSplitterX;
    return n;
}

int CExtDynControlBar::CalcMinHeight() const
{
    int n = CalcInnerMinSize().cy;
    if (IsDockedVertically(this))
        n += ((HasSplitterBefore() ? 1 : 0) + (HasSplitterAfter() ? 1 : 0)) * m_nSplitterY;
    return n;
}

bool CExtDynControlBar::IsMarkerDockingAllowed() const
{
    if (m_pWndDynDocker == nullptr || !CExtControlBar::IsMarkerDockingAllowed())
        return false;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    m_pWndDynDocker->CollectBars(arrBars);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        if (!arrBars[i]->IsMarkerDockingAllowed())
            return false;
    }
    return true;
}
