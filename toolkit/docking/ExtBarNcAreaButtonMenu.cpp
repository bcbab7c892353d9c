// CExtBarNcAreaButtonMenu: the options button that opens the bars menu of a floating fixed-size bar.
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtBarNcAreaButtonMenu, CExtBarNcAreaButton)

CExtBarNcAreaButtonMenu::CExtBarNcAreaButtonMenu(CExtControlBar* pBar) : CExtBarNcAreaButton(pBar) {}

CExtBarNcAreaButtonMenu::~CExtBarNcAreaButtonMenu() {}

void CExtBarNcAreaButtonMenu::LayoutRect(CExtBarNcAreaButton* pPrevBtn) { CExtBarNcAreaButton::LayoutRect(pPrevBtn); }

bool CExtBarNcAreaButtonMenu::IsVisible() const
{
    return CExtBarNcAreaButton::IsVisible() && IsBarFixedSize() && IsBarFloating();
}

bool CExtBarNcAreaButtonMenu::Draw(CDC& dc)
{
    if (CExtBarNcAreaButton::Draw(dc))
        return true;
    PaintButton(dc, 3);
    return false;
}

UINT CExtBarNcAreaButtonMenu::HitTest(const CPoint& point)
{
    return CExtBarNcAreaButton::HitTest(point) == HTCLIENT ? HTCLIENT : HTMINBUTTON;
}

void CExtBarNcAreaButtonMenu::PaintPushedOverMenu(LPVOID pCookie, CDC& dc, const CWnd& wndMenu, const CRect& rcArea)
{
    (void)rcArea;
    CExtBarNcAreaButtonMenu* pBtn = static_cast<CExtBarNcAreaButtonMenu*>(pCookie);
    if (pBtn == nullptr || pBtn->m_rc.IsRectEmpty() || pBtn->m_pBar == nullptr)
        return;
    CWnd* pCarrier = pBtn->GetCarrierWnd();
    if (pCarrier == nullptr)
        return;
    CRect rcWnd;
    pCarrier->GetWindowRect(&rcWnd);
    CPoint ptMenu(0, 0);
    wndMenu.ClientToScreen(&ptMenu);
    const CPoint ptOrg(rcWnd.left - ptMenu.x, rcWnd.top - ptMenu.y);
    POINT ptOld;
    ::SetViewportOrgEx(dc.GetSafeHdc(), ptOrg.x, ptOrg.y, &ptOld);
    pBtn->m_bfState |= kPaintPlain;
    pBtn->Draw(dc);
    pBtn->m_bfState &= ~kPaintPlain;
    ::SetViewportOrgEx(dc.GetSafeHdc(), ptOld.x, ptOld.y, nullptr);
}

bool CExtBarNcAreaButtonMenu::OnClick(const CPoint& point)
{
    if (!m_rc.PtInRect(point))
        return false;
    m_bfState &= ~(kHover | kPressed);
    CWinApp* pApp = AfxGetApp();
    if ((pApp != nullptr && pApp->m_bHelpMode) || CExtControlBar::IsFrameInHelpMode(m_pBar))
        return false;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr)
        return false;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(pFrame->GetSafeHwnd()))
    {
        delete pPopup;
        return false;
    }
    CExtControlBar::POPUP_MENU_EVENT_DATA data(10, pPopup, m_pBar, CPoint(-1, -1), WM_NCLBUTTONDOWN, 0);
    if (!data.NotifyTarget(false))
    {
        CString sText;
        if (!g_ResourceManagerHolder->LoadStringRes(sText, 30009) || sText.IsEmpty())
            sText = L"&Show/hide panels";
        if (pPopup->InsertSubMenu(nullptr, -1, sText))
        {
            const int nItem = pPopup->GetItemCount() - 1;
            CExtPopupMenuWnd* pSub = pPopup->ItemGetPopup(nItem);
            if (pSub == nullptr ||
                !CExtDockBar::BuildBarsPopupMenu(pFrame, pSub, 11, m_pBar, WM_NCLBUTTONDOWN, (LPARAM)this))
                pPopup->RemoveItem(nItem); // nothing to list: no empty sub-menu
        }
    }
    data.NotifyTarget(true);
    if (pPopup->GetItemCount() == 0)
    {
        delete pPopup;
        return false;
    }
    CWnd* pCarrier = GetCarrierWnd();
    CRect rcScreen(m_rc);
    if (pCarrier != nullptr)
    {
        CRect rcWnd;
        pCarrier->GetWindowRect(&rcWnd);
        rcScreen.OffsetRect(rcWnd.TopLeft());
    }
    rcScreen.InflateRect(1, 1);
    pFrame->SetFocus();
    if (!pPopup->TrackPopupMenu(0x824, rcScreen.CenterPoint().x, rcScreen.CenterPoint().y, &rcScreen, this,
                                PaintPushedOverMenu))
    {
        delete pPopup;
        return false;
    }
    return true;
}

INT_PTR CExtBarNcAreaButtonMenu::OnToolHitTest(const CPoint& point, TOOLINFO* pTI)
{
    return DoToolHitTest(point, pTI, 30049, L"Options");
}
