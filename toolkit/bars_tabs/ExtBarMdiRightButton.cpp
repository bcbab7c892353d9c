// CExtBarMdiRightButton: the maximized MDI child's caption buttons in the menu bar: sizes, layout, painting, clicks,
// tips and the chevron's menu items.
#include "toolkit/bars_tabs/ExtBarMdiRightButton.h"
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtBarMdiRightButton, CExtBarMdiDocButton)

namespace
{
const int kSubGap = 2;   // between sub-buttons and before the first
const int kMinSize = 18; // newer metrics: smallest square sub-button
} // namespace

void MdiRightButtonInfo::LayoutIn(const CRect& rcButton, bool bHorizontal)
{
    m_rcClose.SetRectEmpty();
    m_rcMaximize.SetRectEmpty();
    m_rcRestore.SetRectEmpty();
    m_rcMinimize.SetRectEmpty();
    m_rcHelp.SetRectEmpty();
    const int cx = m_sizeButton.cx, cy = m_sizeButton.cy;
    int nPos = (bHorizontal ? rcButton.left : rcButton.top) + kSubGap;
    auto place = [&](CRect& rc) {
        if (bHorizontal)
        {
            const int y = rcButton.top + (rcButton.Height() - cy) / 2;
            rc.SetRect(nPos, y, nPos + cx, y + cy);
            nPos += cx + kSubGap;
        }
        else
        {
            const int x = rcButton.left + (rcButton.Width() - cx) / 2;
            rc.SetRect(x, nPos, x + cx, nPos + cy);
            nPos += cy + kSubGap;
        }
    };
    if (m_nFlags & kHelp)
        place(m_rcHelp);
    if (m_nFlags & kMinimize)
    {
        place(m_rcMinimize);
        place(m_rcRestore);
    }
    else if (m_nFlags & kMaximize)
        place(m_rcMaximize);
    if (m_nFlags & kClose)
        place(m_rcClose);
}

CExtBarMdiRightButton::CExtBarMdiRightButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarMdiDocButton(pBar, nCmdID, nStyle)
{}

CExtBarMdiRightButton::~CExtBarMdiRightButton() {}

bool CExtBarMdiRightButton::QueryInfo(MdiRightButtonInfo& info) const
{
    CExtToolControlBar* pBar = GetBar();
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CExtMenuControlBar)))
        return false;
    return static_cast<CExtMenuControlBar*>(pBar)->QueryMdiRightButtonInfo(info) && info.IsValid();
}

CSize CExtBarMdiRightButton::MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal)
{
    (void)dc;
    MdiRightButtonInfo info;
    if (!QueryInfo(info))
        m_size = CSize(1, 1);
    else
    {
        m_size = info.m_sizeTotal;
        if (bHorizontal)
            m_size.cy = std::max(m_size.cy, sizePreCalc.cy);
        else
            m_size.cx = std::max(m_size.cx, sizePreCalc.cx);
    }
    return m_size;
}

CExtCmdIcon* CExtBarMdiRightButton::GetIconPtr() const { return nullptr; }

UINT CExtBarMdiRightButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    if (GetMenu() == nullptr)
        return (UINT)-1;
    return CExtBarMdiDocButton::TrackButtonMenu(point, bSelectFirst, bNoAnimation);
}

UINT CExtBarMdiRightButton::HitTestSubButton(CPoint point, UINT* pnTipID, CRect* pRc) const
{
    MdiRightButtonInfo info;
    if (!QueryInfo(info))
        return 0;
    info.LayoutIn(GetRect(), !(m_bf1 & kVertDocked));
    const struct
    {
        const CRect& rc;
        UINT nCmd;
        UINT nTip;
    } subs[] = {{info.m_rcHelp, SC_CONTEXTHELP, kTipHelp},
                {info.m_rcMinimize, SC_MINIMIZE, kTipMinimize},
                {info.m_rcRestore, SC_RESTORE, kTipRestore},
                {info.m_rcMaximize, SC_MAXIMIZE, kTipMaximize},
                {info.m_rcClose, SC_CLOSE, kTipClose}};
    for (const auto& sub : subs)
    {
        if (!sub.rc.IsRectEmpty() && sub.rc.PtInRect(point))
        {
            if (pnTipID != nullptr)
                *pnTipID = sub.nTip;
            if (pRc != nullptr)
                *pRc = sub.rc;
            return sub.nCmd;
        }
    }
    return 0;
}

void CExtBarMdiRightButton::PaintButton(CDC& dc, bool bHorizontal)
{
    MdiRightButtonInfo info;
    CExtToolControlBar* pBar = GetBar();
    if (pBar == nullptr || !QueryInfo(info))
        return;
    info.LayoutIn(GetRect(), bHorizontal);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    pBar->ScreenToClient(&ptCursor);
    const bool bEnabled = !IsDisabled();
    const struct
    {
        const CRect& rc;
        int nCmd;
    } subs[] = {{info.m_rcHelp, SC_CONTEXTHELP},
                {info.m_rcMinimize, SC_MINIMIZE},
                {info.m_rcRestore, SC_RESTORE},
                {info.m_rcMaximize, SC_MAXIMIZE},
                {info.m_rcClose, SC_CLOSE}};
    for (const auto& sub : subs)
    {
        if (sub.rc.IsRectEmpty())
            continue;
        const bool bInside = sub.rc.PtInRect(ptCursor) != FALSE;
        CExtPaintManager::PushButtonPaintData data(pBar, bHorizontal, sub.rc, L"", nullptr, true, IsHover() && bInside,
                                                   IsPressed() && bInside, bEnabled, bEnabled, false, false, false, 0,
                                                   nullptr, false, sub.nCmd);
        g_PaintManagerHolder->PaintPushButton(dc, data);
    }
}

void CExtBarMdiRightButton::OnClick(CPoint point, bool bDown)
{
    if (bDown)
        return;
    CExtToolControlBar* pBar = GetBar();
    HWND hWndChild = GetChildWnd();
    if (pBar == nullptr || hWndChild == nullptr)
        return;
    const UINT nCmd = HitTestSubButton(point);
    if (nCmd == 0)
        return;
    if (nCmd == SC_MAXIMIZE)
    {
        ::PostMessageW(::GetParent(hWndChild), WM_MDIRESTORE, (WPARAM)hWndChild, 0);
        return;
    }
    CPoint ptScreen(point);
    pBar->ClientToScreen(&ptScreen);
    ::PostMessageW(hWndChild, WM_SYSCOMMAND, nCmd, MAKELPARAM(ptScreen.x, ptScreen.y));
    if (nCmd == SC_MINIMIZE || nCmd == SC_RESTORE)
    {
        SetHover(false);
        CExtBarButton* pFirst = pBar->GetButton(0);
        if (pFirst != nullptr && pFirst != this && pFirst->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)) &&
            pFirst->IsVisible())
            pFirst->SetHover(false);
    }
}

INT_PTR CExtBarMdiRightButton::BuildTipText(CPoint point, TOOLINFO* pTI) const
{
    UINT nTip = 0;
    CRect rc;
    if (HitTestSubButton(point, &nTip, &rc) == 0)
        return -1;
    if (pTI != nullptr)
    {
        pTI->rect = rc;
        pTI->uId = nTip;
        pTI->hwnd = GetBar()->GetSafeHwnd();
        CString sText;
        if (g_ResourceManagerHolder->LoadStringRes(sText, nTip) && !sText.IsEmpty())
        {
            LPTSTR lpszText = AfxAllocToolTipText(sText);
            pTI->lpszText = lpszText != nullptr ? lpszText : LPSTR_TEXTCALLBACKW;
        }
        else
            pTI->lpszText = LPSTR_TEXTCALLBACKW;
    }
    return (INT_PTR)nTip;
}

int CExtBarMdiRightButton::OnHelpHitTest(CPoint point) { return (int)BuildTipText(point, nullptr); }

bool CExtBarMdiRightButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    MdiRightButtonInfo info;
    HWND hWndChild = GetChildWnd();
    if (pPopup == nullptr || hWndChild == nullptr || !QueryInfo(info))
        return false;
    const int nCount = pPopup->GetItemCount();
    if (nCount > 0 && !pPopup->GetItemAt(nCount - 1).IsSeparator())
        pPopup->InsertItem(CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR);
    if (info.m_nFlags & MdiRightButtonInfo::kHelp)
        pPopup->InsertItem(SC_CONTEXTHELP, -1, nullptr, nullptr, hWndChild);
    if (info.m_nFlags & MdiRightButtonInfo::kMinimize)
    {
        pPopup->InsertItem(SC_MINIMIZE, -1, nullptr, nullptr, hWndChild);
        pPopup->InsertItem(SC_RESTORE, -1, nullptr, nullptr, hWndChild);
    }
    if (info.m_nFlags & MdiRightButtonInfo::kMaximize)
        pPopup->InsertItem((info.m_nFlags & MdiRightButtonInfo::kMinimize) ? SC_MAXIMIZE : SC_RESTORE, -1, nullptr,
                           nullptr, hWndChild);
    if (info.m_nFlags & MdiRightButtonInfo::kClose)
        pPopup->InsertItem(SC_CLOSE, -1, nullptr, nullptr, hWndChild);
    return true;
}
