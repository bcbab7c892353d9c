// CColourPicker: size, drawing, the popup's opening and the results it reports.
#include "app/ColourPicker.h"
#include "app/ColourPopup.h"
#include "platform/Dc.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CColourPicker, CButton)

BEGIN_MESSAGE_MAP(CColourPicker, CButton)
ON_WM_CREATE()
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
ON_MESSAGE(CPN_SELENDOK, OnSelEndOK)
ON_MESSAGE(CPN_SELENDCANCEL, OnSelEndCancel)
ON_MESSAGE(CPN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

CColourPicker::CColourPicker()
    : m_crColourBk(::GetSysColor(COLOR_BTNFACE)), m_crColourText(::GetSysColor(COLOR_BTNTEXT)),
      m_nSelectionMode(kModeBackground), m_bTrackSelection(FALSE), m_bActive(FALSE), m_strDefaultText(L"Automatic"),
      m_strCustomText(L"More Colours...")
{}

CColourPicker::~CColourPicker() {}

COLORREF CColourPicker::GetColour() const { return m_nSelectionMode == kModeText ? m_crColourText : m_crColourBk; }

void CColourPicker::SetColour(COLORREF crColour, BOOL bRepaint)
{
    m_crColourBk = crColour;
    if (bRepaint && GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CColourPicker::SetTextColour(COLORREF crColour, BOOL bRepaint)
{
    m_crColourText = crColour;
    if (bRepaint && GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CColourPicker::SetSelected(COLORREF crColour)
{
    if (m_nSelectionMode == kModeText)
        SetTextColour(crColour);
    else
        SetColour(crColour);
}

void CColourPicker::NotifyParent(UINT nMessage, COLORREF crColour)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(nMessage, (WPARAM)crColour, (LPARAM)GetDlgCtrlID());
}

int CColourPicker::GetArrowSize()
{
    return std::max({::GetSystemMetrics(SM_CXHTHUMB), 5 * ::GetSystemMetrics(SM_CXEDGE),
                     ::GetSystemMetrics(SM_CYVTHUMB), 5 * ::GetSystemMetrics(SM_CYEDGE)});
}

void CColourPicker::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
    SetWindowSize();
}

int CColourPicker::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetWindowSize();
    return 0;
}

void CColourPicker::SetWindowSize()
{
    const int nArrow = GetArrowSize();
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    CRect rect;
    GetWindowRect(&rect);
    const int cx = std::max(2 * (nArrow + cxEdge), rect.Width());
    const int cy = nArrow + 2 * cyEdge;
    SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(&rect);
    m_rcArrow.SetRect(rect.right - nArrow - cxEdge, rect.top + cyEdge, rect.right - cxEdge, rect.bottom - cyEdge);
}

BOOL CColourPicker::OnClicked()
{
    m_bActive = TRUE;
    CRect rect;
    GetWindowRect(&rect);
    // The popup lives on its own: it deletes itself when its window goes.
    new CColourPopup(CPoint(rect.left, rect.bottom), GetColour(), this, m_strDefaultText, m_strCustomText);
    NotifyParent(CPN_DROPDOWN, GetColour());
    return TRUE;
}

LRESULT CColourPicker::OnSelEndOK(WPARAM wParam, LPARAM)
{
    const COLORREF crNew = (COLORREF)wParam;
    const COLORREF crOld = GetColour();
    m_bActive = FALSE;
    SetSelected(crNew);
    NotifyParent(CPN_CLOSEUP, crNew);
    NotifyParent(CPN_SELENDOK, crNew);
    if (crNew != crOld)
        NotifyParent(CPN_SELCHANGE, crNew);
    return TRUE;
}

LRESULT CColourPicker::OnSelEndCancel(WPARAM wParam, LPARAM)
{
    m_bActive = FALSE;
    SetSelected((COLORREF)wParam);
    NotifyParent(CPN_CLOSEUP, (COLORREF)wParam);
    NotifyParent(CPN_SELENDCANCEL, (COLORREF)wParam);
    return TRUE;
}

LRESULT CColourPicker::OnSelChange(WPARAM wParam, LPARAM)
{
    if (m_bTrackSelection)
        SetSelected((COLORREF)wParam);
    NotifyParent(CPN_SELCHANGE, (COLORREF)wParam);
    return TRUE;
}

void CColourPicker::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const UINT nState = lpDrawItemStruct->itemState;
    CRect rcDraw(lpDrawItemStruct->rcItem);
    const bool bDisabled = (nState & ODS_DISABLED) != 0;

    // The arrow: a scroll-down frame control, pushed while pressed or open.
    UINT nFrameState = DFCS_SCROLLDOWN;
    if ((nState & ODS_SELECTED) != 0 || m_bActive)
        nFrameState |= DFCS_PUSHED;
    if (bDisabled)
        nFrameState |= DFCS_INACTIVE;
    CRect rcArrow(m_rcArrow);
    pDC->DrawFrameControl(&rcArrow, DFC_SCROLL, nFrameState);

    // A sunken edge around the client, the swatch inside it.
    pDC->DrawEdge(&rcDraw, EDGE_SUNKEN, BF_RECT);
    rcDraw.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    rcDraw.right = m_rcArrow.left - 1;
    const bool bAutomatic = GetColour() == CLR_DEFAULT;
    const COLORREF crSwatch = (bDisabled || bAutomatic) ? ::GetSysColor(COLOR_BTNFACE) : m_crColourBk;
    pDC->FillSolidRect(&rcDraw, crSwatch);

    CString strText;
    GetWindowText(strText);
    if (!strText.IsEmpty())
    {
        pDC->SetBkMode(TRANSPARENT);
        const UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (bDisabled)
        {
            CRect rcShifted(rcDraw);
            rcShifted.OffsetRect(1, 1);
            pDC->SetTextColor(::GetSysColor(COLOR_BTNHILIGHT));
            pDC->DrawText(strText, &rcShifted, nFormat);
            pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
            pDC->DrawText(strText, &rcDraw, nFormat);
        }
        else
        {
            pDC->SetTextColor(bAutomatic ? RGB(0, 0, 0) : m_crColourText);
            pDC->DrawText(strText, &rcDraw, nFormat);
        }
    }
    if ((nState & ODS_FOCUS) != 0)
    {
        CRect rcFocus(rcDraw);
        rcFocus.DeflateRect(1, 1);
        pDC->DrawFocusRect(&rcFocus);
    }
}
