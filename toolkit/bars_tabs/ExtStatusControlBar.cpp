// CExtStatusControlBar: panes, pane controls, painting and the bar's messages.
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <commctrl.h>

IMPLEMENT_DYNCREATE(CExtStatusControlBar, CStatusBar)

BEGIN_MESSAGE_MAP(CExtStatusControlBar, CStatusBar)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_CREATE()
ON_WM_CONTEXTMENU()
ON_WM_NCHITTEST()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

namespace
{
const UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW;
const UINT kCtrlPosFlags =
    SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_NOCOPYBITS | SWP_NOOWNERZORDER;
const UINT kCreatePosFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOSENDCHANGING;
const DWORD kStyleWindowBorder = WS_BORDER; // a parent with it gets the grip corner
} // namespace

CExtStatusControlBar::CExtStatusControlBar()
    : m_nStateFlags(0), m_nLookFlags(kLookThemed | kLookHideDisabledText),
      m_nDrawTextFlagsDefault(kDefaultDrawTextFlags), m_clrStatusBk((COLORREF)-1), m_clrSecond((COLORREF)-1),
      m_clrPaneSeparator((COLORREF)-1), m_clrPaneTextNormal((COLORREF)-1), m_clrPaneTextDisabled((COLORREF)-1)
{
    m_mapPaneExtraData.InitHashTable(17);
}

CExtStatusControlBar::~CExtStatusControlBar()
{
    for (INT_PTR i = 0; i < m_arrPaneControls.GetSize(); i++)
    {
        _STATUSBAR_PANE_CTRL_* pCtrl = m_arrPaneControls[i];
        if (::IsWindow(pCtrl->hWndCtrl))
        {
            ::ShowWindow(pCtrl->hWndCtrl, SW_HIDE);
            if (pCtrl->bAutoDelete)
                ::DestroyWindow(pCtrl->hWndCtrl);
        }
        delete pCtrl;
    }
    m_arrPaneControls.RemoveAll();
    m_mapPaneExtraData.RemoveAll();
}

// ---- panes --------------------------------------------------------------------------------------------

bool CExtStatusControlBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0)
        return false;
    m_panes.assign((size_t)nIDCount, Pane());
    if (lpIDArray == nullptr)
    {
        UpdateAllPanes(TRUE, TRUE);
        return true;
    }
    bool bResult = true;
    CClientDC dcScreen(nullptr);
    HFONT hFont = m_hWnd != nullptr ? (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0) : nullptr;
    HGDIOBJ hOldFont = hFont != nullptr ? dcScreen.SelectObject(hFont) : nullptr;
    int cxScreen = -1; // asked once, for the first separator
    for (int i = 0; i < nIDCount; i++)
    {
        Pane& pane = m_panes[(size_t)i];
        pane.nID = lpIDArray[i];
        pane.nFlags |= paneTextChanged;
        if (pane.nID == 0)
        {
            if (cxScreen < 0)
                cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
            pane.cxText = cxScreen / 4;
            if (i == 0)
            {
                pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
                // The message pane shows what its frame says now (the idle prompt set as the frame was created).
                if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent()))
                    pane.strText = pFrame->GetLastMessageText();
            }
            continue;
        }
        CString strText;
        if (!g_ResourceManagerHolder->LoadStringRes(strText, pane.nID))
            strText.Empty();
        SIZE size = {0, 0};
        ::GetTextExtentPoint32W(dcScreen.GetSafeHdc(), strText, strText.GetLength(), &size);
        pane.cxText = size.cx;
        if (!SetPaneText(i, strText, FALSE))
        {
            bResult = false;
            break;
        }
    }
    if (hOldFont != nullptr)
        dcScreen.SelectObject(hOldFont);
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

bool CExtStatusControlBar::GetPaneInfoEx(int nIndex, _STATUSBAR_PANE_* pPane) const
{
    if (pPane == nullptr || nIndex < 0 || nIndex >= GetCount())
        return false;
    GetPaneInfo(nIndex, pPane->nID, pPane->nStyle, pPane->cxText);
    pPane->nFlags = m_panes[(size_t)nIndex].nFlags;
    GetPaneText(nIndex, pPane->strText);
    return true;
}

bool CExtStatusControlBar::SetPaneInfoEx(int nIndex, const _STATUSBAR_PANE_* pPane)
{
    if (pPane == nullptr || nIndex < 0 || nIndex >= GetCount())
        return false;
    SetPaneInfo(nIndex, pPane->nID, pPane->nStyle, pPane->cxText);
    const bool bEnable = (pPane->nStyle & SBPS_DISABLED) == 0;
    for (INT_PTR i = 0; i < m_arrPaneControls.GetSize(); i++)
    {
        const _STATUSBAR_PANE_CTRL_* pCtrl = m_arrPaneControls[i];
        if (pCtrl->nID == pPane->nID && ::IsWindow(pCtrl->hWndCtrl))
            ::EnableWindow(pCtrl->hWndCtrl, bEnable ? TRUE : FALSE);
    }
    RedrawStatusBar();
    SetPaneText(nIndex, pPane->strText, TRUE);
    return true;
}

UINT CExtStatusControlBar::GetPaneID(int nIndex) const
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetCount())
        return 0;
    return GetItemID(nIndex);
}

bool CExtStatusControlBar::RebuildPanes(const std::vector<UINT>& ids, const std::vector<int>& nKeep)
{
    // Keep everything the rebuild may lose: the records and the icon handles (the caller owns them; the
    // control only shows them, so the same handles stay valid).
    const std::vector<Pane> oldPanes = m_panes;
    std::vector<HICON> oldIcons(oldPanes.size(), nullptr);
    if (m_hWnd != nullptr)
        for (size_t i = 0; i < oldPanes.size(); i++)
            oldIcons[i] = (HICON)::SendMessageW(m_hWnd, SB_GETICON, (WPARAM)i, 0);
    const int nNewCount = (int)ids.size();
    const bool bBuilt = SetIndicators(ids.data(), nNewCount);
    if (!bBuilt)
    {
        // Fewer panes would send the owner's texts to the wrong panes: put the old ones back.
        m_panes = oldPanes;
        for (Pane& pane : m_panes)
            pane.nFlags |= paneTextChanged;
        UpdateAllPanes(TRUE, TRUE);
        if (m_hWnd != nullptr)
            for (size_t i = 0; i < oldIcons.size(); i++)
                ::SendMessageW(m_hWnd, SB_SETICON, (WPARAM)i, (LPARAM)oldIcons[i]);
        RepositionPaneControls();
        return false;
    }
    for (int i = 0; i < nNewCount; i++)
    {
        const int nOld = nKeep[(size_t)i];
        HICON hIcon = nullptr;
        if (nOld >= 0)
        {
            const Pane& old = oldPanes[(size_t)nOld];
            _STATUSBAR_PANE_ record;
            record.nID = old.nID;
            record.cxText = old.cxText;
            record.nStyle = old.nStyle;
            record.nFlags = old.nFlags;
            record.strText = old.strText;
            SetPaneInfoEx(i, &record);
            hIcon = oldIcons[(size_t)nOld];
        }
        if (m_hWnd != nullptr)
            ::SendMessageW(m_hWnd, SB_SETICON, (WPARAM)i, (LPARAM)hIcon);
    }
    return true;
}

bool CExtStatusControlBar::AddPane(UINT nID, int nIndex)
{
    const int nCount = GetCount();
    if (nIndex < 0 || nIndex > nCount || CommandToIndex(nID) >= 0)
        return false;
    std::vector<UINT> ids;
    std::vector<int> nKeep;
    for (int i = 0; i <= nCount; i++)
    {
        if (i == nIndex)
        {
            ids.push_back(nID);
            nKeep.push_back(-1);
        }
        if (i < nCount)
        {
            ids.push_back(GetItemID(i));
            nKeep.push_back(i);
        }
    }
    if (!RebuildPanes(ids, nKeep))
        return false;
    RepositionPaneControls();
    RedrawStatusBar();
    return true;
}

bool CExtStatusControlBar::RemovePane(UINT nID, bool bRefresh)
{
    const int nIndex = CommandToIndex(nID);
    const int nCount = GetCount();
    // The control keeps at least one part.
    if (nIndex < 0 || nCount <= 1)
        return false;
    std::vector<UINT> ids;
    std::vector<int> nKeep;
    for (int i = 0; i < nCount; i++)
    {
        if (i == nIndex)
            continue;
        ids.push_back(GetItemID(i));
        nKeep.push_back(i);
    }
    if (!RebuildPanes(ids, nKeep))
        return false;
    m_mapPaneExtraData.RemoveKey(nID);
    RemovePaneControl(nID);
    if (bRefresh)
    {
        RepositionPaneControls();
        RedrawStatusBar();
    }
    return true;
}

int CExtStatusControlBar::FindPaneControl(UINT nID) const
{
    for (INT_PTR i = 0; i < m_arrPaneControls.GetSize(); i++)
        if (m_arrPaneControls[i]->nID == nID)
            return (int)i;
    return -1;
}

bool CExtStatusControlBar::AddPaneControl(CWnd* pWnd, UINT nID, bool bAutoDelete)
{
    return AddPaneControl(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr, nID, bAutoDelete);
}

bool CExtStatusControlBar::AddPaneControl(HWND hWnd, UINT nID, bool bAutoDelete)
{
    if (CommandToIndex(nID) < 0)
        return false;
    RemovePaneControl(nID);
    _STATUSBAR_PANE_CTRL_* pCtrl = new _STATUSBAR_PANE_CTRL_;
    pCtrl->hWndCtrl = hWnd;
    pCtrl->nID = nID;
    pCtrl->bAutoDelete = bAutoDelete;
    m_arrPaneControls.Add(pCtrl);
    RepositionPaneControls();
    return true;
}

bool CExtStatusControlBar::RemovePaneControl(UINT nID)
{
    const int nCtrl = FindPaneControl(nID);
    if (nCtrl < 0)
        return false;
    _STATUSBAR_PANE_CTRL_* pCtrl = m_arrPaneControls[nCtrl];
    if (::IsWindow(pCtrl->hWndCtrl))
    {
        ::ShowWindow(pCtrl->hWndCtrl, SW_HIDE);
        if (pCtrl->bAutoDelete)
            ::DestroyWindow(pCtrl->hWndCtrl);
    }
    delete pCtrl;
    m_arrPaneControls.RemoveAt(nCtrl);
    return true;
}

CRect CExtStatusControlBar::PanePaintRect(int nIndex, const CRect& rcClient) const
{
    CRect rc;
    GetItemRect(nIndex, &rc);
    if (nIndex != GetCount() - 1)
        return rc;
    const UINT nStyle = GetPaneStyle(nIndex);
    if (nStyle & SBPS_STRETCH)
    {
        rc.right = rcClient.right;
        if (GetStyle() & SBARS_SIZEGRIP)
            rc.right -= ::GetSystemMetrics(SM_CXSMICON) + ::GetSystemMetrics(SM_CXEDGE);
    }
    else
    {
        UINT nID = 0, nPaneStyle = 0;
        int cxWidth = 0;
        GetPaneInfo(nIndex, nID, nPaneStyle, cxWidth);
        rc.right = rc.left + cxWidth + 3 * ::GetSystemMetrics(SM_CXEDGE);
    }
    return rc;
}

void CExtStatusControlBar::RepositionPaneControls()
{
    if (m_hWnd == nullptr || m_arrPaneControls.GetSize() == 0)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    HDWP hDwp = ::BeginDeferWindowPos((int)m_arrPaneControls.GetSize());
    for (INT_PTR i = 0; i < m_arrPaneControls.GetSize(); i++)
    {
        const _STATUSBAR_PANE_CTRL_* pCtrl = m_arrPaneControls[i];
        if (!::IsWindow(pCtrl->hWndCtrl))
            continue;
        const int nIndex = CommandToIndex(pCtrl->nID);
        if (nIndex < 0)
        {
            // Its pane went with an owner's new indicators: nothing to place it in.
            ::ShowWindow(pCtrl->hWndCtrl, SW_HIDE);
            continue;
        }
        CRect rc = PanePaintRect(nIndex, rcClient);
        if ((GetPaneStyle(nIndex) & SBPS_NOBORDERS) == 0 && (m_nLookFlags & kLookNoPaneBorders) == 0)
            rc.DeflateRect(cxEdge, cyEdge);
        else
            rc.DeflateRect(cxEdge, 1);
        if (hDwp != nullptr)
            hDwp = ::DeferWindowPos(hDwp, pCtrl->hWndCtrl, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                    kCtrlPosFlags);
        else
            ::SetWindowPos(pCtrl->hWndCtrl, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), kCtrlPosFlags);
    }
    if (hDwp != nullptr)
        ::EndDeferWindowPos(hDwp);
    RedrawStatusBar();
}

void CExtStatusControlBar::RedrawStatusBar()
{
    // A bar not on screen (its frame still hidden) is painted whole when it shows.
    RedrawIfOnScreen(kRedrawFlags);
}

UINT CExtStatusControlBar::GetPaneDrawTextFlags(int nIndex) const
{
    _ED_ ed;
    if (m_mapPaneExtraData.Lookup(GetItemID(nIndex), ed))
        return ed.nDrawTextFlags;
    return m_nDrawTextFlagsDefault;
}

CString CExtStatusControlBar::GetPaneTipText(int nIndex) const
{
    _ED_ ed;
    if (m_mapPaneExtraData.Lookup(GetItemID(nIndex), ed))
        return ed.strTipText;
    return CString();
}

void CExtStatusControlBar::UpdateColors()
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const COLORREF clrBk = pPM->GetTranslatedColor(XCLR_FACE_NORMAL, this);
    if (clrBk != m_clrStatusBk)
    {
        m_clrStatusBk = clrBk;
        if (m_hWnd != nullptr)
            ::SendMessageW(m_hWnd, SB_SETBKCOLOR, 0, (LPARAM)clrBk);
    }
    m_clrSecond = pPM->GetTranslatedColor(XCLR_TEXT_NORMAL, this);
    m_clrPaneTextNormal = pPM->GetTranslatedColor(COLOR_BTNTEXT, this);
    m_clrPaneTextDisabled = pPM->GetTranslatedColor(COLOR_BTNSHADOW, this);
    m_clrPaneSeparator = (m_nLookFlags & kLookThemed) ? m_clrPaneTextDisabled : m_clrStatusBk;
}

// ---- hit tests ----------------------------------------------------------------------------------------

int CExtStatusControlBar::HitTestPane(CPoint point) const
{
    if (m_hWnd == nullptr || GetCount() == 0)
        return -1;
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    HWND hWndAt = ::WindowFromPoint(ptScreen);
    if (hWndAt != m_hWnd && !::IsChild(m_hWnd, hWndAt))
        return -1;
    for (int i = 0; i < GetCount(); i++)
    {
        CRect rc;
        GetItemRect(i, &rc);
        if (rc.PtInRect(point))
            return i;
    }
    return -1;
}

INT_PTR CExtStatusControlBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (CExtToolControlBar::g_bMenuTracking || CExtPopupMenuWnd::IsMenuTracking() || m_hWnd == nullptr)
        return -1;
    const int nIndex = HitTestPane(point);
    if (nIndex < 0)
        return -1;
    const UINT nID = GetItemID(nIndex);
    if (pTI != nullptr)
    {
        GetItemRect(nIndex, &pTI->rect);
        pTI->uId = nID;
        pTI->hwnd = m_hWnd;
        const CString strTip = GetPaneTipText(nIndex);
        pTI->lpszText = strTip.IsEmpty() ? LPSTR_TEXTCALLBACKW : AfxAllocToolTipText(strTip);
    }
    return (INT_PTR)nID;
}

// ---- window procedure -----------------------------------------------------------------------------------

LRESULT CExtStatusControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CStatusBar::WindowProc(message, wParam, lParam);
    if (message == WM_SIZE)
        RepositionPaneControls();
    return lResult;
}

LRESULT CExtStatusControlBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case SB_SETTEXTW:
    case SB_SETICON:
    {
        m_nStateFlags |= kStateDefaultProcessing;
        LRESULT lResult = CStatusBar::DefWindowProc(message, wParam, lParam);
        m_nStateFlags &= (BYTE)~kStateDefaultProcessing;
        // A bar not on screen (its frame still hidden) is painted whole when it shows; texts that waited for the
        // paint under way are painted by it.
        if (!m_bSendingWaiting)
            InvalidateIfOnScreen(FALSE, TRUE);
        return lResult;
    }
    case WM_PAINT:
        // The control's own paint of a new text is left out; the region stays for the themed paint (see OnPaint).
        if (m_nStateFlags & kStateDefaultProcessing)
            return 0;
        break;
    case WM_ERASEBKGND:
        if (m_nStateFlags & kStateDefaultProcessing)
            return 1;
        break;
    default: break;
    }
    return CStatusBar::DefWindowProc(message, wParam, lParam);
}

// ---- painting ---------------------------------------------------------------------------------------------

void CExtStatusControlBar::OnPaint()
{
    // The control paints a new text at once, unthemed: that paint is left out, and the update region stays for the
    // themed paint that follows, the one under way included when the text was sent from it.
    if (m_nStateFlags & kStateDefaultProcessing)
        return;
    CPaintDC dcPaint(this);
    DoPaintBar(dcPaint);
}

LRESULT CExtStatusControlBar::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    if (pDC != nullptr)
        DoPaintBar(*pDC);
    return 0;
}

void CExtStatusControlBar::DoPaintBar(CDC& dcTarget)
{
    UpdateColors();
    CRect rcClient;
    GetClientRect(&rcClient);
    UpdateAllPanes(FALSE, FALSE);
    CExtMemoryDC dc(&dcTarget, &rcClient, CExtMemoryDC::MemDcBuffer);
    OnPaintBackground(dc, rcClient);

    CRect rcGrip(0, 0, 0, 0);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
    {
        WINDOWPLACEMENT wp = {sizeof wp};
        ::GetWindowPlacement(pParent->m_hWnd, &wp);
        if (wp.showCmd != SW_SHOWMAXIMIZED && (pParent->GetStyle() & kStyleWindowBorder) != 0)
        {
            rcGrip = rcClient;
            rcGrip.left = rcGrip.right - ::GetSystemMetrics(SM_CXVSCROLL);
        }
    }

    const bool bThemed = (m_nLookFlags & kLookThemed) != 0;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    HGDIOBJ hOldFont = nullptr;
    int nOldBkMode = 0;
    COLORREF clrOldText = 0;
    if (bThemed)
    {
        hOldFont = dc.SelectObject(pPM->m_fontNormal.GetSafeHandle());
        nOldBkMode = dc.SetBkMode(TRANSPARENT);
        clrOldText = dc.SetTextColor(m_clrPaneTextNormal);
    }
    CRect rcPrev(0, 0, 0, 0);
    for (int i = 0; i < GetCount(); i++)
    {
        const CRect rcPane = PanePaintRect(i, rcClient);
        const UINT nStyle = GetPaneStyle(i);
        HICON hIcon =
            (m_nLookFlags & kLookNoPaneIcons) ? nullptr : (HICON)::SendMessageW(m_hWnd, SB_GETICON, (WPARAM)i, 0);
        const CString strText = GetPaneText(i);
        OnBeforePanePaint(dc, i, rcPane, nStyle);
        OnPaintPane(dc, i, rcPane, nStyle, hIcon, strText, GetPaneDrawTextFlags(i));
        if (bThemed && (m_nLookFlags & kLookNoPaneBorders) && i > 0)
            OnPaintPaneSeparator(dc, i, rcPrev, rcPane);
        rcPrev = rcPane;
    }
    if (bThemed)
    {
        dc.SetTextColor(clrOldText);
        dc.SetBkMode(nOldBkMode);
        if (hOldFont != nullptr)
            dc.SelectObject(hOldFont);
    }
    if (!rcGrip.IsRectEmpty())
        OnPaintSizeGrip(dc, rcGrip);
}

void CExtStatusControlBar::OnPaintBackground(CDC& dc, const CRect& rcClient)
{
    if (m_nLookFlags & kLookThemed)
    {
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        if (pPM->IsDockerGradientAvailable(this) && pPM->PaintDockerBackground(true, dc, this))
            return;
    }
    dc.FillSolidRect(&rcClient, m_clrStatusBk);
    if ((m_nLookFlags & kLookThemed) == 0)
        CStatusBar::DefWindowProc(WM_PAINT, (WPARAM)dc.GetSafeHdc(), 0);
}

void CExtStatusControlBar::OnBeforePanePaint(CDC& dc, int nIndex, const CRect& rcPane, UINT nStyle)
{
    (void)dc;
    (void)nIndex;
    (void)rcPane;
    (void)nStyle;
}

void CExtStatusControlBar::OnPaintPane(CDC& dc, int nIndex, const CRect& rcPane, UINT nStyle, HICON hIcon,
                                       const CString& strText, UINT nDrawTextFlags)
{
    const bool bThemed = (m_nLookFlags & kLookThemed) != 0;
    if (bThemed)
    {
        CRect rcText(rcPane);
        if (hIcon != nullptr)
        {
            SIZE size = {::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)};
            ICONINFO ii = {};
            if (::GetIconInfo(hIcon, &ii))
            {
                size = CExtCmdIcon::IconHolder_t::SizeFromIconInfo(ii);
                if (ii.hbmColor != nullptr)
                    ::DeleteObject(ii.hbmColor);
                if (ii.hbmMask != nullptr)
                    ::DeleteObject(ii.hbmMask);
            }
            const CPoint pt(rcPane.left + 1, rcPane.top + (rcPane.Height() - size.cy) / 2);
            ::DrawIconEx(dc.GetSafeHdc(), pt.x, pt.y, hIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
            rcText.left = pt.x + size.cx + 1;
        }
        const bool bDisabled = (nStyle & SBPS_DISABLED) != 0;
        if (!bDisabled || ((m_nLookFlags & kLookHideDisabledText) == 0 && !strText.IsEmpty()))
        {
            rcText.DeflateRect(2, 0);
            if (!rcText.IsRectEmpty())
            {
                COLORREF clr = GetPaneTextColor(nIndex);
                if (clr == (COLORREF)-1 && bDisabled)
                    clr = m_clrPaneTextDisabled;
                const COLORREF clrOld = clr != (COLORREF)-1 ? dc.SetTextColor(clr) : (COLORREF)-1;
                dc.DrawText(strText, &rcText, nDrawTextFlags);
                if (clrOld != (COLORREF)-1)
                    dc.SetTextColor(clrOld);
            }
        }
    }
    if (!bThemed || (m_nLookFlags & kLookNoPaneBorders) == 0)
    {
        const bool bFrame = nIndex == 0 ? (m_nLookFlags & kLookFrameFirstPane) != 0 : (nStyle & SBPS_NOBORDERS) == 0;
        if (bFrame && bThemed)
        {
            CExtPaintManager::StatusBarPanePaintData data(this, 2, 0, rcPane);
            g_PaintManagerHolder->PaintStatusBarPane(dc, data);
        }
    }
    if (!bThemed && g_PaintManagerHolder.m_bIsWinXP)
    {
        CRect rcFrame(rcPane);
        rcFrame.DeflateRect(1, 1);
        dc.Draw3dRect(&rcFrame, m_clrStatusBk, m_clrStatusBk);
    }
}

COLORREF CExtStatusControlBar::GetPaneTextColor(int nIndex) const
{
    (void)nIndex;
    return (COLORREF)-1;
}

bool CExtStatusControlBar::IsSizeGripEnabled() const { return !CExtPopupMenuWnd::g_bAllowSystemSizeMove; }

void CExtStatusControlBar::OnPaintSizeGrip(CDC& dc, const CRect& rcGrip)
{
    if ((m_nLookFlags & kLookThemed) == 0)
        dc.FillSolidRect(&rcGrip, m_clrStatusBk);
    if (IsSizeGripEnabled())
    {
        CRect rc(rcGrip);
        rc.OffsetRect(-2, -2);
        g_PaintManagerHolder->PaintResizingGripper(dc, rc, this, 0);
    }
}

void CExtStatusControlBar::OnPaintPaneSeparator(CDC& dc, int nIndex, const CRect& rcPrev, const CRect& rcPane)
{
    CRect rc(rcPrev.right, rcPane.top + 1, rcPane.left, rcPane.bottom - 1);
    g_PaintManagerHolder->PaintSeparator(dc, rc, true, true, this, (LPARAM)nIndex);
}

void CExtStatusControlBar::OnNcPaint()
{
    UpdateColors();
    CWindowDC dc(this);
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(&rcClient);
    CExtPaintManager::StatusBarPanePaintData data(this, 1, GetBarStyle(), rcWindow);
    g_PaintManagerHolder->PaintStatusBarPane(dc, data);
}

// ---- messages -----------------------------------------------------------------------------------------------

int CExtStatusControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CStatusBar::OnCreate(lpcs) == -1)
        return -1;
    EnableToolTips(TRUE);
    ModifyStyle(0, WS_CLIPCHILDREN);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kCreatePosFlags);
    UpdateColors();
    return 0;
}

void CExtStatusControlBar::OnSysColorChange()
{
    CStatusBar::OnSysColorChange();
    g_PaintManagerHolder.OnSysColorChange(this);
    g_CmdManagerHolder.OnSysColorChange(this);
    UpdateColors();
}

void CExtStatusControlBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CStatusBar::OnSettingChange(uFlags, lpszSection);
    g_PaintManagerHolder.OnSettingChange(this, uFlags, lpszSection);
    g_CmdManagerHolder.OnSettingChange(this, uFlags, lpszSection);
    UpdateColors();
}

LRESULT CExtStatusControlBar::OnNcHitTest(CPoint point)
{
    (void)point;
    LRESULT nHit = Default();
    if (nHit != HTCLIENT && !IsSizeGripEnabled())
        nHit = HTCLIENT;
    return nHit;
}

void CExtStatusControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (CExtControlBar::IsFrameInHelpMode(this))
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        pFrame = pFrame->GetParentFrame();
    if (pFrame == nullptr)
    {
        CStatusBar::OnContextMenu(pWnd, point);
        return;
    }
    CWnd* pReceiver = GetOwner();
    if (pReceiver == nullptr)
        pReceiver = GetParent();
    if (pReceiver == nullptr)
        return;
    CExtDockBar::TrackBarsPopupMenuAtCursor(pFrame, CExtControlBar::POPUP_MENU_EVENT_DATA::kBarsMenuFromStatusBar, this,
                                            WM_CONTEXTMENU, pReceiver, pReceiver, point);
}
