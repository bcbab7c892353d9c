// CExtPanelControlBar: sizes from the child and the margins, the child's place, painting and focus.
#include "toolkit/bars_tabs/ExtPanelControlBar.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtPanelControlBar, CExtToolControlBar)

BEGIN_MESSAGE_MAP(CExtPanelControlBar, CExtToolControlBar)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace
{
const int kMargin = 5;
const int kDockedExtra = 2;
const int kNoWindowSize = 20;
} // namespace

CExtPanelControlBar::CExtPanelControlBar() : m_rcPanelMargins(kMargin, kMargin, kMargin, kMargin)
{
    m_nBarFlags |= kBarFlagPanelMode;
}

CExtPanelControlBar::~CExtPanelControlBar() {}

// ---- sizes -------------------------------------------------------------------------------------------------------

CSize CExtPanelControlBar::GetChildSize() const
{
    if (GetSafeHwnd() == nullptr)
        return CSize(0, 0);
    CWnd* pChild = GetWindow(GW_CHILD);
    if (pChild == nullptr || !::IsWindow(pChild->GetSafeHwnd()))
        return CSize(0, 0);
    CRect rc;
    pChild->GetWindowRect(&rc);
    return rc.Size();
}

CRect CExtPanelControlBar::GetPanelMargins() const { return m_rcPanelMargins; }

CSize CExtPanelControlBar::CalcPanelSize(int nKind) const
{
    (void)nKind;
    const CSize size = GetChildSize();
    const CRect rcMargins = GetPanelMargins();
    return CSize(size.cx + rcMargins.left + rcMargins.right, size.cy + rcMargins.top + rcMargins.bottom);
}

CSize CExtPanelControlBar::GetPanelSize(int nKind) const { return CalcPanelSize(nKind); }

int CExtPanelControlBar::CalcMinWidth() const { return GetPanelSize(1).cx; }

int CExtPanelControlBar::CalcMinHeight() const { return GetPanelSize(2).cy; }

CSize CExtPanelControlBar::GetDefaultSize() const { return GetPanelSize(0); }

CSize CExtPanelControlBar::CalcMinSize() const { return GetPanelSize(IsDockedVertically(this) ? 2 : 1); }

bool CExtPanelControlBar::IsRowThicknessShared() const { return CExtControlBar::IsRowThicknessShared(); }

int CExtPanelControlBar::HitTestItem(CPoint ptClient) const { return CExtControlBar::HitTestItem(ptClient); }

bool CExtPanelControlBar::IsRightButtonDisplayed() const { return false; }

CSize CExtPanelControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const CSize size = CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
    CExtControlBar::RefreshNonClientFrame();
    return size;
}

CSize CExtPanelControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    return CExtToolControlBar::CalcDynamicLayout(nLength, nMode);
}

CSize CExtPanelControlBar::CalcLayout(DWORD dwMode, int nLength)
{
    (void)dwMode;
    (void)nLength;
    CSize sizeExtra(0, 0);
    if (!IsFloating(this))
    {
        sizeExtra = CSize(kDockedExtra, kDockedExtra);
        bool bHorzGripper = true;
        if (GetSafeHwnd() != nullptr && CExtControlBar::QueryGripperPresence(&bHorzGripper))
        {
            if (bHorzGripper)
                sizeExtra.cy = m_rcCaption.Height() + kDockedExtra;
            else
                sizeExtra.cx = m_rcCaption.Width() + kDockedExtra;
        }
    }
    CSize size(kNoWindowSize, kNoWindowSize);
    const int nOrient = GetLayoutOrientation();
    const bool bWindow = GetSafeHwnd() != nullptr && !IsDialogMode();
    if (bWindow && nOrient == kOrientHorzDocked)
    {
        size = GetPanelSize(1) + sizeExtra;
        m_sizeHorzDocked = size;
    }
    else if (bWindow && nOrient == kOrientVertDocked)
    {
        size = GetPanelSize(2) + sizeExtra;
        m_sizeVertDocked = size;
    }
    else if (bWindow)
    {
        size = GetPanelSize(0) + sizeExtra;
        m_sizeFloating = size;
    }
    else
        size += sizeExtra;
    if (m_pDockSite == nullptr)
    {
        if (IsDockedHorizontally(this))
            size.cy += kNoDockSiteGrowth;
        else
            size.cx += kNoDockSiteGrowth;
    }
    return size;
}

// ---- the child, painting, focus ----------------------------------------------------------------------------------

void CExtPanelControlBar::RepositionPanel(bool bRedraw)
{
    if (GetSafeHwnd() == nullptr)
        return;
    CWnd* pChild = GetWindow(GW_CHILD);
    if (pChild == nullptr)
        return;
    const CRect rcMargins = GetPanelMargins();
    CRect rcTarget;
    GetClientRect(&rcTarget);
    rcTarget.DeflateRect(rcMargins.left, rcMargins.top, rcMargins.right, rcMargins.bottom);
    CRect rcChild;
    pChild->GetWindowRect(&rcChild);
    ScreenToClient(&rcChild);
    if (rcChild.TopLeft() == rcTarget.TopLeft())
        return;
    pChild->MoveWindow(rcTarget.left, rcTarget.top, rcChild.Width(), rcChild.Height(), bRedraw ? TRUE : FALSE);
}

void CExtPanelControlBar::OnSize(UINT nType, int cx, int cy)
{
    CExtToolControlBar::OnSize(nType, cx, cy);
    RepositionPanel(true);
}

void CExtPanelControlBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    Default();
    (void)lpwndpos;
    RepositionPanel(true);
}

void CExtPanelControlBar::OnSetFocus(CWnd* pOldWnd)
{
    CExtControlBar::OnSetFocus(pOldWnd);
    if (CWnd* pChild = GetWindow(GW_CHILD))
        pChild->SetFocus();
}

void CExtPanelControlBar::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CExtMemoryDC dc(&dcPaint, &rcClient);
    if (GetWindow(GW_CHILD) != nullptr)
        CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), GetSafeHwnd());
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (!(pPM->IsDockerGradientAvailable(this) && pPM->PaintDockerBackground(true, dc, this)))
        dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(1000, this));
    dc.SelectClipRgn(nullptr);
}
