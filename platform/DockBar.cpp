// The dock bar: rows of docked bars, docking and removing bars, the row layout and its saved state.
#include "platform/Platform.h"
#include "platform/DockBar.h"
#include "platform/DockContext.h"
#include "platform/DockState.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include <vector>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_WM_DESTROY()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace
{
const int kOffEdge = 2; // a bar docked without a rectangle starts just off the dock bar's corner

// The span across the dock bar of the visible bars of the row at entries nFirst to nEnd - 1, pBarIns left out;
// nLo >= nHi when none shows. pnInsAfter, when given, receives the last of them that starts before nStart along
// the row (left at its value when none does).
void RowSpan(const CDockBar* pDockBar, int nFirst, int nEnd, const CControlBar* pBarIns, int nStart, int& nLo, int& nHi,
             int* pnInsAfter)
{
    const BOOL bHorz = (pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    nLo = INT_MAX;
    nHi = INT_MIN;
    for (int i = nFirst; i < nEnd; i++)
    {
        CControlBar* pBar = pDockBar->GetDockedControlBar(i);
        if (pBar == nullptr || pBar == pBarIns || pBar->m_hWnd == nullptr || !pBar->IsVisible())
            continue;
        CRect rectBar;
        pBar->GetWindowRect(&rectBar);
        pDockBar->ScreenToClient(&rectBar);
        nLo = std::min(nLo, (int)(bHorz ? rectBar.top : rectBar.left));
        nHi = std::max(nHi, (int)(bHorz ? rectBar.bottom : rectBar.right));
        if (pnInsAfter != nullptr && (bHorz ? rectBar.left : rectBar.top) < nStart)
            *pnInsAfter = i;
    }
}

// The bar in a new row after every row; answers its index.
int AddLastRow(CDockBar* pDockBar, CControlBar* pBarIns)
{
    CPtrArray& arr = pDockBar->m_arrBars;
    if (arr.GetSize() == 0 || arr[arr.GetSize() - 1] != nullptr)
        arr.Add(nullptr);
    arr.Add(pBarIns);
    arr.Add(nullptr);
    return (int)arr.GetSize() - 2;
}
} // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    SetBorders(0, 0, 0, 0);
    m_arrBars.Add(nullptr);
}

CDockBar::~CDockBar() {}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr)
        return FALSE;
    m_dwStyle = dwStyle & (CBRS_ALIGN_ANY | CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED | CBRS_FLOAT_MULTI);
    static const HCURSOR s_hArrow = ::LoadCursorW(nullptr, IDC_ARROW); // a shared cursor: loaded once
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, s_hArrow), nullptr,
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, pParentWnd->m_hWnd,
                          (HMENU)(UINT_PTR)nID, nullptr);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CDockBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
}

void CDockBar::OnDestroy()
{
    m_bInDestroy = TRUE;
    CControlBar::OnDestroy();
}

// ---- the bars -------------------------------------------------------------------------------------

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    if (nPos < 0 || nPos >= m_arrBars.GetSize())
        return nullptr;
    void* p = m_arrBars[nPos];
    if (p == nullptr || IsPlaceHolder(p))
        return nullptr;
    return static_cast<CControlBar*>(p);
}

int CDockBar::GetDockedCount() const
{
    int n = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
        if (GetDockedControlBar(i) != nullptr)
            n++;
    return n;
}

int CDockBar::GetDockedVisibleCount() const
{
    int n = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != nullptr && pBar->IsVisible())
            n++;
    }
    return n;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    for (int i = 0; i < m_arrBars.GetSize(); i++)
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return i;
    return -1;
}

void CDockBar::ShowAll(BOOL bShow)
{
    for (int i = 0; i < m_arrBars.GetSize(); i++)
        if (CControlBar* pBar = GetDockedControlBar(i))
            pBar->DelayShow(bShow);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

void CDockBar::RemoveEntry(int nPos)
{
    m_arrBars.RemoveAt(nPos);
    // A row left with nothing between its breaks collapses.
    if (nPos > 0 && nPos < m_arrBars.GetSize() && m_arrBars[nPos - 1] == nullptr && m_arrBars[nPos] == nullptr)
        m_arrBars.RemoveAt(nPos);
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    UINT_PTR nID = (UINT_PTR)(UINT)pBar->GetDlgCtrlID();
    if (nID == 0 || nID >= 0x10000)
        return;
    int nPos = FindBar(reinterpret_cast<CControlBar*>(nID));
    if (nPos > 0)
        RemoveEntry(nPos);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    if (pBar == nullptr)
        return FALSE;
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;
    UINT_PTR nID = pBar->m_hWnd != nullptr ? (UINT_PTR)(UINT)pBar->GetDlgCtrlID() : 0;
    if (nAddPlaceHolder == 1 && nID != 0 && nID < 0x10000)
    {
        // The bar's place is kept by its id, once.
        m_arrBars[nPos] = reinterpret_cast<void*>(nID);
        if (FindBar(reinterpret_cast<CControlBar*>(nID), nPos) > 0)
            RemoveEntry(nPos);
    }
    else
    {
        RemoveEntry(nPos);
        if (nAddPlaceHolder != -1)
            RemovePlaceHolder(pBar);
    }
    if (pBar->m_pDockBar == this && nPosExclude == -1)
        pBar->m_pDockBar = nullptr;
    if (m_bInDestroy || m_hWnd == nullptr)
        return TRUE;

    if (m_bFloating)
    {
        CWnd* pMini = GetParent();
        if (pMini == nullptr)
            return TRUE;
        if (GetDockedVisibleCount() == 0)
        {
            if (GetDockedCount() == 0)
                pMini->DestroyWindow(); // the floating frame deletes itself
            else
                pMini->ShowWindow(SW_HIDE);
            return TRUE;
        }
        if (pMini->IsFrameWnd())
            static_cast<CFrameWnd*>(pMini)->DelayRecalcLayout();
        return TRUE;
    }
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
    return TRUE;
}

int CDockBar::Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nMid = bHorz ? ptMid.y : ptMid.x;
    const int nStart = bHorz ? rect.left : rect.top;
    // Each row spans its visible bars' present rectangles across the dock bar.
    BOOL bAnyRow = FALSE;
    int nRowBreak = 0;
    while (nRowBreak < m_arrBars.GetSize() - 1)
    {
        int nEnd = nRowBreak + 1;
        while (nEnd < m_arrBars.GetSize() && m_arrBars[nEnd] != nullptr)
            nEnd++;
        if (nEnd >= m_arrBars.GetSize())
            break;
        int nLo, nHi, nInsAfter = nRowBreak;
        RowSpan(this, nRowBreak + 1, nEnd, pBarIns, nStart, nLo, nHi, &nInsAfter);
        if (nLo < nHi)
        {
            if (!bAnyRow && nMid < nLo)
            {
                // Before the first row: a new first row.
                m_arrBars.InsertAt(1, (void*)nullptr);
                m_arrBars.InsertAt(1, pBarIns);
                return 1;
            }
            bAnyRow = TRUE;
            if (nMid < nHi)
            {
                m_arrBars.InsertAt(nInsAfter + 1, pBarIns);
                return nInsAfter + 1;
            }
        }
        nRowBreak = nEnd;
    }
    // After every row: a new last row.
    return AddLastRow(this, pBarIns);
}

int CDockBar::InsertRow(CControlBar* pBarIns, const CRect& rect)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nLead = bHorz ? rect.top : rect.left;
    int nRowBreak = 0;
    while (nRowBreak < m_arrBars.GetSize() - 1)
    {
        int nEnd = nRowBreak + 1;
        while (nEnd < m_arrBars.GetSize() && m_arrBars[nEnd] != nullptr)
            nEnd++;
        if (nEnd >= m_arrBars.GetSize())
            break;
        int nLo, nHi;
        RowSpan(this, nRowBreak + 1, nEnd, pBarIns, 0, nLo, nHi, nullptr);
        if (nLo < nHi && nLo + (nHi - nLo) / 2 > nLead)
        {
            m_arrBars.InsertAt(nRowBreak + 1, (void*)nullptr);
            m_arrBars.InsertAt(nRowBreak + 1, pBarIns);
            return nRowBreak + 1;
        }
        nRowBreak = nEnd;
    }
    return AddLastRow(this, pBarIns);
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) { DockAt(pBar, lpRect, FALSE); }

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect) { DockAt(pBar, lpRect, TRUE); }

void CDockBar::DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bBack)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || m_hWnd == nullptr || pBar == this)
        return;
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == nullptr || rectBar == *lpRect))
        return;

    if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI))
        m_dwStyle |= CBRS_FLOAT_MULTI;
    m_dwStyle &= ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    m_dwStyle |= pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if (!(m_dwStyle & CBRS_FLOAT_MULTI))
    {
        CString title;
        pBar->GetWindowText(title);
        SetWindowText(title);
    }

    // The bar takes this side, all borders, and the floating bit of a floating dock bar.
    DWORD dwStyle = (pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    else
        dwStyle &= ~CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);

    BOOL bShow = FALSE;
    if (pBar->m_pDockBar != this && pBar->IsWindowVisible())
    {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        bShow = TRUE;
    }

    int nPos = -1;
    // Back: the bar takes its placeholder's entry, which kept its row and its place in it.
    const UINT_PTR nID = (UINT_PTR)(UINT)pBar->GetDlgCtrlID();
    if (bBack && nID != 0 && nID < 0x10000 && (nPos = FindBar(reinterpret_cast<CControlBar*>(nID))) > 0)
        m_arrBars[nPos] = pBar;
    CRect rect;
    if (lpRect != nullptr)
    {
        rect = *lpRect;
        ScreenToClient(&rect);
        CPoint ptMid(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
        if (nPos <= 0)
            nPos = bBack ? InsertRow(pBar, rect) : Insert(pBar, rect, ptMid);
    }
    else
    {
        if (nPos <= 0)
            nPos = AddLastRow(this, pBar);
        // Just off the corner, in the size the bar takes on this side.
        CSize size =
            pBar->CalcDynamicLayout(-1, (m_dwStyle & CBRS_ORIENT_HORZ) ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
        rect.SetRect(-kOffEdge, -kOffEdge, -kOffEdge + size.cx, -kOffEdge + size.cy);
    }

    CDockBar* pOld = pBar->m_pDockBar;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    pBar->m_pDockBar = this;
    if (pOld == this)
        RemoveControlBar(pBar, nPos);
    else if (pOld != nullptr)
        pOld->RemoveControlBar(pBar, -1, m_bFloating && !pOld->m_bFloating ? 1 : 0);
    pBar->m_pDockBar = this;

    if (!m_bFloating && pBar->m_pDockContext != nullptr)
    {
        pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();
        if (lpRect != nullptr)
            pBar->m_pDockContext->m_rectMRUDockPos = rect;
    }
    if (bShow)
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RemovePlaceHolder(pBar);

    if (m_bFloating)
    {
        if (CWnd* pMini = GetParent(); pMini != nullptr && pMini->IsFrameWnd())
            static_cast<CFrameWnd*>(pMini)->DelayRecalcLayout();
    }
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

// ---- layout ---------------------------------------------------------------------------------------

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    BOOL bQuery = m_bLayoutQuery;
    CRect rectLayout = m_rectLayout;
    m_bLayoutQuery = lpLayout->hDWP == nullptr;
    m_rectLayout = lpLayout->rect;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = bQuery;
    m_rectLayout = rectLayout;
    return lResult;
}

CSize CDockBar::GetBarMinSize(CControlBar* pBar) const
{
    CRect rectWindow, rectClient;
    pBar->GetWindowRect(&rectWindow);
    pBar->GetClientRect(&rectClient);
    return CSize(rectWindow.Width() - rectClient.Width(), rectWindow.Height() - rectClient.Height());
}

BOOL CDockBar::CanWrapBar(CControlBar*) const { return TRUE; }

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) { return CalcRowLayout(bStretch, bHorz); }

CSize CDockBar::CalcSizeAroundOne(CSize sizeBar, BOOL bHorz)
{
    return bHorz ? CSize(sizeBar.cx + 1, sizeBar.cy) : CSize(sizeBar.cx, sizeBar.cy + 1);
}

CSize CDockBar::CalcRowLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeResult(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    CSize sizeAvail = m_rectLayout.Size();
    if (m_rectLayout.IsRectEmpty())
    {
        CRect client(0, 0, 0, 0);
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->GetClientRect(&client);
        sizeAvail = client.Size();
    }
    const int nAvail = bHorz ? sizeAvail.cx : sizeAvail.cy;

    // The batch is opened by the first change: an empty batch costs as much as a move.
    AFX_SIZEPARENTPARAMS layout = {};
    auto batch = [&]() {
        if (!m_bLayoutQuery && layout.hDWP == nullptr)
            layout.hDWP = ::BeginDeferWindowPos((int)m_arrBars.GetSize());
        return &layout;
    };

    int nAlong = 0, nAcross = 0, nRowThickness = 0;
    BOOL bWrapped = FALSE;
    auto endRow = [&]() {
        if (nRowThickness == 0)
            return;
        nAcross += nRowThickness;
        if (bHorz)
        {
            sizeResult.cx = std::max((int)sizeResult.cx, nAlong);
            sizeResult.cy = std::max((int)sizeResult.cy, nAcross) - 1;
        }
        else
        {
            sizeResult.cy = std::max((int)sizeResult.cy, nAlong);
            sizeResult.cx = std::max((int)sizeResult.cx, nAcross) - 1;
        }
        nAlong = 0;
        nRowThickness = 0;
    };

    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        void* pEntry = m_arrBars[i];
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == nullptr)
        {
            if (pEntry == nullptr)
                endRow(); // placeholders do not end rows
            continue;
        }
        BOOL bJustWrapped = FALSE;
        if (pBar->m_hWnd != nullptr && pBar->IsVisible())
        {
            CSize sizeMin = GetBarMinSize(pBar);
            DWORD dwMode;
            if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (pBar->m_dwStyle & CBRS_FLOATING))
                dwMode = LM_HORZ | LM_MRUWIDTH;
            else if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
                dwMode = LM_HORZ | LM_HORZDOCK;
            else
                dwMode = LM_VERTDOCK;
            CSize size = pBar->CalcDynamicLayout(-1, dwMode);
            const int nLength = bHorz ? size.cx : size.cy;
            const int nThick = bHorz ? size.cy : size.cx;
            const int nMinLength = bHorz ? sizeMin.cx : sizeMin.cy;

            CRect rectPresent;
            pBar->GetWindowRect(&rectPresent);
            ScreenToClient(&rectPresent);
            int nPresent = bHorz ? rectPresent.left : rectPresent.top;

            int a0 = nAlong, a1 = nAlong + nLength;
            if (nPresent > a0 && !m_bFloating)
            {
                a0 = nPresent; // bars keep the places they were given
                a1 = a0 + nLength;
            }
            if (a1 > nAvail && !m_bFloating)
            {
                a0 = std::max(nAvail - nLength, nAlong);
                a1 = std::min(a0 + nLength, nAvail);
            }
            if (bWrapped)
            {
                bWrapped = FALSE;
                a1 = nLength;
                a0 = 0;
            }
            else if ((a1 - a0 < nMinLength || a0 >= nAvail) && i > 0 && m_arrBars[i - 1] != nullptr && CanWrapBar(pBar))
            {
                // The row is full: a break before the bar, which goes first on the next row.
                m_arrBars.InsertAt(i, (void*)nullptr);
                endRow();
                bWrapped = TRUE;
                bJustWrapped = TRUE;
            }
            if (!bJustWrapped)
            {
                CRect rectNew =
                    bHorz ? CRect(a0, nAcross, a1, nAcross + nThick) : CRect(nAcross, a0, nAcross + nThick, a1);
                if (rectNew != rectPresent)
                {
                    if (!m_bLayoutQuery && !(pBar->m_dwStyle & CBRS_FLOATING) && pBar->m_pDockContext != nullptr)
                        pBar->m_pDockContext->m_rectMRUDockPos = rectNew;
                    if (!m_bLayoutQuery)
                        AfxRepositionWindow(batch(), pBar->m_hWnd, &rectNew);
                }
                nAlong = a0 + nLength;
                nRowThickness = std::max(nRowThickness, nThick);
            }
        }
        if (!bJustWrapped && (pBar->m_nStateFlags & (CControlBar::delayHide | CControlBar::delayShow)))
            pBar->RecalcDelayShow(m_bLayoutQuery ? &layout : batch());
    }
    endRow();

    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
    if ((!bStretch || !bHorz) && sizeResult.cx != 0)
        sizeResult.cx++;
    if ((!bStretch || bHorz) && sizeResult.cy != 0)
        sizeResult.cy++;
    return sizeResult;
}

// ---- saved state ----------------------------------------------------------------------------------

void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    if (pInfo == nullptr || m_hWnd == nullptr)
        return;
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)GetDlgCtrlID();
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bVisible = IsVisible();
    CWnd* pPlaced = m_bFloating && GetParent() != nullptr ? GetParent() : this;
    CRect rect;
    pPlaced->GetWindowRect(&rect);
    if (!m_bFloating)
    {
        if (CWnd* pParent = GetParent())
            pParent->ScreenToClient(&rect);
    }
    else
        pInfo->m_bVisible = pPlaced->IsWindowVisible();
    pInfo->m_pointPos = rect.TopLeft();
    pInfo->m_arrBarID.RemoveAll();
    // Row breaks as 0; the leading break is implied.
    for (int i = 1; i < m_arrBars.GetSize(); i++)
    {
        void* p = m_arrBars[i];
        if (p == nullptr)
            pInfo->m_arrBarID.Add(0);
        else if (IsPlaceHolder(p))
            pInfo->m_arrBarID.Add((DWORD)(UINT_PTR)p | CControlBarInfo::kPlaceHolderBit);
        else
        {
            CControlBar* pBar = static_cast<CControlBar*>(p);
            if (pBar->m_hWnd != nullptr)
                pInfo->m_arrBarID.Add((DWORD)pBar->GetDlgCtrlID());
        }
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    if (pInfo == nullptr || m_hWnd == nullptr || pFrameWnd == nullptr)
        return;
    // The entries are built anew. Bars docked here now that the state leaves out stay, on a
    // last row, until another dock bar takes them.
    std::vector<CControlBar*> previous;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
        if (CControlBar* pBar = GetDockedControlBar(i))
            previous.push_back(pBar);
    m_arrBars.RemoveAll();
    m_arrBars.Add(nullptr);
    // Entries naming no bar of the frame, or a dock bar, are dropped; placeholders stay.
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); i++)
    {
        DWORD dwID = pInfo->m_arrBarID[i];
        if (dwID == 0)
        {
            if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
                m_arrBars.Add(nullptr);
            continue;
        }
        if (dwID & CControlBarInfo::kPlaceHolderBit)
        {
            UINT_PTR nID = dwID & ~CControlBarInfo::kPlaceHolderBit;
            if (nID != 0 && nID < 0x10000 && FindBar(reinterpret_cast<CControlBar*>(nID)) < 0)
                m_arrBars.Add(reinterpret_cast<void*>(nID));
            continue;
        }
        CControlBar* pBar = pFrameWnd->GetControlBar(dwID);
        if (pBar == nullptr || pBar->IsDockBar() || pBar->m_hWnd == nullptr || FindBar(pBar) >= 0)
            continue;
        if (pBar->m_pDockBar != nullptr && pBar->m_pDockBar != this)
            pBar->m_pDockBar->RemoveControlBar(pBar, -1, -1);
        DWORD dwStyle = (pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
        dwStyle = m_bFloating ? (dwStyle | CBRS_FLOATING) : (dwStyle & ~CBRS_FLOATING);
        pBar->SetBarStyle(dwStyle);
        if (pBar->GetParent() != this)
            pBar->SetParent(this);
        pBar->m_pDockBar = this;
        m_arrBars.Add(pBar);
    }
    if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
        m_arrBars.Add(nullptr);
    BOOL bLeftOver = FALSE;
    for (CControlBar* pBar : previous)
    {
        if (pBar->m_pDockBar == this && FindBar(pBar) < 0)
        {
            m_arrBars.Add(pBar);
            bLeftOver = TRUE;
        }
    }
    if (bLeftOver)
        m_arrBars.Add(nullptr);
    // Empty rows collapse.
    for (int i = 1; i < m_arrBars.GetSize();)
    {
        if (m_arrBars[i] == nullptr && m_arrBars[i - 1] == nullptr)
            m_arrBars.RemoveAt(i);
        else
            i++;
    }
    if (m_bFloating)
    {
        CWnd* pMini = GetParent();
        if (pMini != nullptr)
        {
            pMini->SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (pMini->IsFrameWnd())
                static_cast<CFrameWnd*>(pMini)->RecalcLayout();
            if (pInfo->m_bVisible && GetDockedVisibleCount() > 0)
                pMini->ShowWindow(SW_SHOWNA);
            else if (!pInfo->m_bVisible)
                pMini->ShowWindow(SW_HIDE);
        }
    }
    pFrameWnd->DelayRecalcLayout();
}
