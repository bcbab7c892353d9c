// The status bar: pane records, their layout and texts in the common status control, idle
// updates of the panes and pane 0 as the window text.
#include "platform/Platform.h"
#include "platform/StatusBar.h"
#include "platform/FrameWnd.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

namespace
{
const DWORD kBarStyles = 0x0040FFFF; // CBRS_ bits of a creation style
const int kPanePadding = 3;          // between a pane's edge and its text, each side

// The command UI of one pane: enabling shows its text, checking makes it pop out.
class CStatusCmdUI : public CCmdUI
{
public:
    CStatusBar* m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        UINT nStyle = m_pBar->GetPaneStyle((int)m_nIndex) & ~SBPS_DISABLED;
        m_pBar->SetPaneStyle((int)m_nIndex, bOn ? nStyle : (nStyle | SBPS_DISABLED));
    }
    void SetCheck(int nCheck) override
    {
        UINT nStyle = m_pBar->GetPaneStyle((int)m_nIndex) & ~SBPS_POPOUT;
        m_pBar->SetPaneStyle((int)m_nIndex, nCheck ? (nStyle | SBPS_POPOUT) : nStyle);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCTSTR lpszText) override { m_pBar->SetPaneText((int)m_nIndex, lpszText); }
};
} // namespace

CStatusBar::CStatusBar() { SetBorders(0, 2, 0, 0); }

CStatusBar::~CStatusBar() {}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr)
        return FALSE;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_dwStyle = dwStyle & kBarStyles;
    // The frame lays the control out: it neither sizes nor places itself.
    DWORD dwWndStyle = (dwStyle & ~kBarStyles) | dwCtrlStyle | WS_CHILD | CCS_NOPARENTALIGN | CCS_NOMOVEY |
                       CCS_NODIVIDER | CCS_NORESIZE;
    if (pParentWnd->GetStyle() & WS_THICKFRAME)
        dwWndStyle |= SBARS_SIZEGRIP;
    return CWnd::CreateEx(0, STATUSCLASSNAMEW, nullptr, dwWndStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                          (HMENU)(UINT_PTR)nID, nullptr);
}

// ---- panes ----------------------------------------------------------------------------------------

int CStatusBar::TextWidth(const CString& text) const
{
    HDC hDC = ::GetDC(nullptr);
    HFONT hFont = m_hWnd != nullptr ? (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0) : nullptr;
    if (hFont == nullptr)
        hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(hDC, text, text.GetLength(), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr))
        return FALSE;
    m_panes.assign((size_t)nIDCount, Pane());
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; i++)
    {
        Pane& pane = m_panes[(size_t)i];
        pane.nID = lpIDArray[i];
        pane.nFlags |= paneTextChanged;
        if (pane.nID != ID_SEPARATOR)
        {
            if (!pane.strText.LoadString(pane.nID))
                bResult = FALSE;
            pane.cxText = TextWidth(pane.strText);
        }
        else
        {
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
            {
                pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
                // The message pane shows what its frame says now (the idle prompt set as the frame was created).
                if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent()))
                    pane.strText = pFrame->GetLastMessageText();
            }
        }
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); i++)
        if (m_panes[i].nID == nIDFind)
            return (int)i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const { return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].nID : 0; }

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    if (IsValidIndex(nIndex) && m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    if (!IsValidIndex(nIndex))
    {
        nID = nStyle = 0;
        cxWidth = 0;
        return;
    }
    const Pane& pane = m_panes[(size_t)nIndex];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (!IsValidIndex(nIndex))
        return;
    Pane& pane = m_panes[(size_t)nIndex];
    BOOL bChanged = pane.nStyle != nStyle || pane.cxText != cxWidth;
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth < 0 ? 0 : cxWidth;
    pane.nFlags |= paneTextChanged;
    UpdateAllPanes(bChanged, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const { return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].nStyle : 0; }

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (!IsValidIndex(nIndex) || m_panes[(size_t)nIndex].nStyle == nStyle)
        return;
    BOOL bStretchChanged = ((m_panes[(size_t)nIndex].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    m_panes[(size_t)nIndex].nStyle = nStyle;
    m_panes[(size_t)nIndex].nFlags |= paneTextChanged;
    // New part edges make the control forget every text; otherwise only this pane's text changes.
    if (bStretchChanged)
        UpdateAllPanes(TRUE, TRUE);
    else
        SendPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].strText : CString();
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    Pane& pane = m_panes[(size_t)nIndex];
    CString text(lpszNewText != nullptr ? lpszNewText : L"");
    if (pane.strText == text && !(pane.nFlags & paneTextChanged))
        return TRUE;
    pane.strText = text;
    pane.nFlags |= paneTextChanged;
    if (bUpdate)
        SendPaneText(nIndex);
    return TRUE;
}

void CStatusBar::SendPaneText(int nIndex)
{
    if (m_hWnd == nullptr || !IsValidIndex(nIndex) || (!m_bSendingWaiting && !IsOnScreen()))
        return;
    Pane& pane = m_panes[(size_t)nIndex];
    WPARAM wParam = (WPARAM)nIndex;
    if (pane.nStyle & SBPS_NOBORDERS)
        wParam |= SBT_NOBORDERS;
    if (pane.nStyle & SBPS_POPOUT)
        wParam |= SBT_POPOUT;
    // A disabled pane shows no text.
    LPCWSTR lpszText = (pane.nStyle & SBPS_DISABLED) ? L"" : (LPCWSTR)pane.strText;
    // Cleared first: the control paints the part at once, and the paint sends what still waits.
    pane.nFlags &= ~paneTextChanged;
    ::SendMessageW(m_hWnd, SB_SETTEXTW, wParam, (LPARAM)lpszText);
}

void CStatusBar::SendWaitingTexts()
{
    if (m_bSendingWaiting || m_hWnd == nullptr)
        return;
    m_bSendingWaiting = true;
    for (int i = 0; i < (int)m_panes.size(); i++)
        if (m_panes[(size_t)i].nFlags & paneTextChanged)
            SendPaneText(i);
    m_bSendingWaiting = false;
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case SB_GETTEXTW:
    case SB_GETTEXTA:
    case SB_GETTEXTLENGTHW:
    case SB_GETTEXTLENGTHA: SendWaitingTexts(); break;
    case WM_SHOWWINDOW:
        if (wParam != 0)
            SendWaitingTexts();
        break;
    default: break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr)
        return;
    if (bUpdateRects)
    {
        int borders[3] = {0, 0, 0};
        ::SendMessageW(m_hWnd, SB_GETBORDERS, 0, (LPARAM)borders);
        CRect rect;
        GetClientRect(&rect);
        CalcInsideRect(rect, TRUE);
        int nCount = (int)m_panes.size();
        // Fixed panes take their widths; the stretching pane (one at most) the rest.
        int nFixed = 0, nStretch = -1;
        for (int i = 0; i < nCount; i++)
        {
            nFixed += m_panes[(size_t)i].cxText + 2 * kPanePadding + (i > 0 ? borders[2] : 0);
            if ((m_panes[(size_t)i].nStyle & SBPS_STRETCH) && nStretch < 0)
                nStretch = i;
        }
        int nSpare = std::max(0, (int)rect.Width() - nFixed);
        std::vector<int> edges((size_t)std::max(nCount, 1), -1);
        int x = rect.left;
        for (int i = 0; i < nCount; i++)
        {
            x += m_panes[(size_t)i].cxText + 2 * kPanePadding + (i > 0 ? borders[2] : 0);
            if (i == nStretch)
                x += nSpare;
            edges[(size_t)i] = x;
        }
        // The control keeps the texts of its parts when they move: only new edges are sent.
        std::vector<int> current(edges.size(), -1);
        const int nCurrent = (int)::SendMessageW(m_hWnd, SB_GETPARTS, (WPARAM)current.size(), (LPARAM)current.data());
        if (nCurrent != nCount || current != edges)
            ::SendMessageW(m_hWnd, SB_SETPARTS, (WPARAM)nCount, (LPARAM)edges.data());
    }
    // Only the panes whose text the control lacks.
    if (bUpdateText)
        for (int i = 0; i < (int)m_panes.size(); i++)
            if (m_panes[(size_t)i].nFlags & paneTextChanged)
                SendPaneText(i);
}

// ---- layout and messages ----------------------------------------------------------------------------

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    HDC hDC = ::GetDC(nullptr);
    HFONT hFont = m_hWnd != nullptr ? (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0) : nullptr;
    if (hFont == nullptr)
        hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    int borders[3] = {0, 0, 0};
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, SB_GETBORDERS, 0, (LPARAM)borders);
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, bHorz);
    size.cy = tm.tmHeight + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYBORDER) + 2 - inside.Height();
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    (void)bDisableIfNoHndler;
    CStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_panes.size();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // Pane texts follow their handlers only; no handler leaves a pane as it is.
        state.DoUpdate(pTarget, FALSE);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CStatusBar::OnPaint()
{
    UpdateAllPanes(FALSE, FALSE);
    Default(); // the control paints itself
}

BOOL CStatusBar::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    (void)nType;
    (void)cx;
    (void)cy;
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    // The window text is pane 0 (the frame's prompts).
    if (m_panes.empty())
        return Default();
    return SetPaneText(0, (LPCTSTR)lParam) ? TRUE : FALSE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    if (m_panes.empty())
        return Default();
    int nMax = (int)wParam;
    LPWSTR lpszDest = (LPWSTR)lParam;
    if (nMax <= 0 || lpszDest == nullptr)
        return 0;
    const CString& text = m_panes[0].strText;
    int n = std::min(nMax - 1, text.GetLength());
    memcpy(lpszDest, (LPCWSTR)text, (size_t)n * sizeof(wchar_t));
    lpszDest[n] = 0;
    return n;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    if (m_panes.empty())
        return Default();
    return m_panes[0].strText.GetLength();
}
