// CExtCheckBox: click cycle, mouse and key tracking, and painting of box and text.
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"

IMPLEMENT_DYNCREATE(CExtCheckBox, CExtButton)

CExtCheckBox::CExtCheckBox() : m_nCheckFlags(0) {}

BOOL CExtCheckBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd)
    {
        switch (pMsg->message)
        {
        case WM_LBUTTONDOWN: m_nCheckFlags |= kMouseHeld; break;
        case WM_LBUTTONUP: m_nCheckFlags &= (BYTE)~kMouseHeld; break;
        case WM_LBUTTONDBLCLK: pMsg->message = WM_LBUTTONDOWN; break;
        case WM_KEYDOWN:
            if (pMsg->wParam == VK_SPACE)
                m_nCheckFlags |= kSpaceHeld;
            else
                m_nCheckFlags &= (BYTE)~kSpaceHeld;
            break;
        case WM_KEYUP: m_nCheckFlags &= (BYTE)~kSpaceHeld; break;
        default: break;
        }
    }
    return CExtButton::PreTranslateMessage(pMsg);
}

void CExtCheckBox::OnClick(bool bFromKeyboard, bool bOnDropDownPart)
{
    if (!IsCheckType())
    {
        CExtButton::OnClick(bFromKeyboard, bOnDropDownPart);
        return;
    }
    HWND hWnd = m_hWnd;
    int nCheck = (int)::SendMessageW(hWnd, BM_GETCHECK, 0, 0);
    nCheck = (nCheck + 1) % (IsTriStateType() ? 3 : 2);
    ::SendMessageW(hWnd, BM_SETCHECK, nCheck, 0);
    HWND hWndParent = ::GetParent(hWnd);
    if (hWndParent != nullptr)
        ::SendMessageW(hWndParent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hWnd), 0), (LPARAM)hWnd);
    if (::IsWindow(hWnd))
        Repaint();
}

void CExtCheckBox::PaintButton(CDC& dc, bool bTransparentBackground)
{
    PushButtonState st = QueryPushButtonState();
    st.m_bPushed = st.m_bPushed || ::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0) != 0;
    if (!bTransparentBackground)
        bTransparentBackground = PaintBackground(dc, st.m_rcClient, true);
    CExtPaintManager::PushButtonPaintData pbpd = MakePushButtonData(st, nullptr, false, bTransparentBackground);
    PaintContent(dc, pbpd);
    g_PaintManagerHolder->EndPaintSession(this);
}

void CExtCheckBox::PaintContent(CDC& dc, CExtPaintManager::PushButtonPaintData& data)
{
    CRect rcClient(data.m_rcButton);
    if (rcClient.IsRectEmpty())
        return;
    if (!data.m_bEnabled)
    {
        data.m_bHot = false;
        data.m_bStateBit4 = false;
        data.m_bFocusRect = false;
    }
    DWORD dwStyle = (DWORD)::GetWindowLongW(m_hWnd, GWL_STYLE);
    DWORD dwExStyle = (DWORD)::GetWindowLongW(m_hWnd, GWL_EXSTYLE);
    bool bBoxRight = (dwStyle & BS_LEFTTEXT) != 0 || (dwExStyle & WS_EX_RIGHT) != 0;
    HDC hDC = dc.GetSafeHdc();
    COLORREF clrOldBk = ::GetBkColor(hDC);
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    CRect rcBox, rcText;
    if (bBoxRight)
    {
        rcBox.SetRect(rcClient.right - kBoxSize, rcClient.top, rcClient.right, rcClient.top + kBoxSize);
        rcText.SetRect(rcClient.left + 1, rcClient.top, rcBox.left - 2, rcClient.bottom);
    }
    else
    {
        rcBox.SetRect(rcClient.left, rcClient.top, rcClient.left + kBoxSize, rcClient.top + kBoxSize);
        rcText.SetRect(rcBox.right + 4, rcClient.top, rcClient.right, rcClient.bottom);
    }
    rcText.DeflateRect(1, 1);
    DWORD dwVert = dwStyle & (BS_TOP | BS_BOTTOM);
    if (dwVert == BS_BOTTOM)
        rcBox.OffsetRect(0, rcClient.bottom - kBoxSize - rcBox.top);
    else if (dwVert != BS_TOP)
        rcBox.OffsetRect(0, rcClient.top + (rcClient.Height() - kBoxSize) / 2 - rcBox.top);
    CString sText(data.m_pszText != nullptr ? data.m_pszText : L"");
    if (!sText.IsEmpty() && !rcText.IsRectEmpty())
    {
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        COLORREF clrText =
            pPM->GetLabelTextColor(dc, data.m_bEnabled, ::GetFocus() == m_hWnd, data.m_bHot, data.m_bPushed, this);
        if (clrText == (COLORREF)-1)
        {
            if (data.m_bEnabled)
            {
                if (data.m_bPushed && data.m_clrTextPushed != (COLORREF)-1)
                    clrText = data.m_clrTextPushed;
                else if (data.m_bHot && data.m_clrTextHot != (COLORREF)-1)
                    clrText = data.m_clrTextHot;
                else if (data.m_clrTextNormal != (COLORREF)-1)
                    clrText = data.m_clrTextNormal;
                else
                    clrText = pPM->GetTranslatedColor(COLOR_BTNTEXT, this);
            }
            else
                clrText = data.m_clrTextDisabled != (COLORREF)-1 ? data.m_clrTextDisabled
                                                                 : pPM->GetTranslatedColor(COLOR_3DSHADOW, this);
        }
        HFONT hFont = data.m_hFont != nullptr ? data.m_hFont : (HFONT)pPM->m_fontNormal.GetSafeHandle();
        HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
        COLORREF clrOldText = ::SetTextColor(hDC, clrText);
        bool bMultiLine = (dwStyle & BS_MULTILINE) != 0;
        CRect rcMeasure(0, 0, bMultiLine ? rcText.Width() : 0, 0);
        ::DrawTextW(hDC, sText, -1, &rcMeasure,
                    bMultiLine ? (DT_CALCRECT | DT_WORDBREAK) : (DT_CALCRECT | DT_SINGLELINE));
        rcMeasure.OffsetRect(rcText.left - rcMeasure.left, rcText.top - rcMeasure.top);
        UINT nFlags = bMultiLine ? DT_WORDBREAK : DT_SINGLELINE;
        DWORD dwHorz = dwStyle & BS_CENTER;
        if (dwHorz == BS_RIGHT)
        {
            rcMeasure.OffsetRect(rcText.right - rcMeasure.right, 0);
            nFlags |= DT_RIGHT;
        }
        else if (dwHorz == BS_CENTER)
        {
            rcMeasure.OffsetRect((rcText.Width() - rcMeasure.Width()) / 2, 0);
            nFlags |= DT_CENTER;
        }
        if (dwVert == BS_BOTTOM)
        {
            rcMeasure.OffsetRect(0, rcText.bottom - rcMeasure.bottom);
            nFlags |= DT_BOTTOM;
        }
        else if (dwVert != BS_TOP)
        {
            rcMeasure.OffsetRect(0, (rcText.Height() - rcMeasure.Height()) / 2);
            nFlags |= DT_VCENTER;
        }
        CRect rcDraw(rcMeasure);
        ::DrawTextW(hDC, sText, -1, &rcDraw, nFlags);
        ::SelectObject(hDC, hOldFont);
        ::SetTextColor(hDC, clrOldText);
        if (data.m_bFocusRect)
        {
            CRect rcFocus(rcMeasure);
            rcFocus.InflateRect(2, 2);
            rcFocus.IntersectRect(&rcFocus, &rcText);
            if (bBoxRight)
                rcFocus.right += 1;
            else
                rcFocus.left -= 1;
            ::DrawFocusRect(hDC, &rcFocus);
        }
    }
    PaintBox(dc, rcBox, data);
    ::SetBkMode(hDC, nOldMode);
    ::SetBkColor(hDC, clrOldBk);
}

int CExtCheckBox::CalcBoxState(int nCheck, const CExtPaintManager::PushButtonPaintData& data) const
{
    bool bMouseHeld = (m_nCheckFlags & kMouseHeld) != 0;
    bool bSpace = (m_nCheckFlags & kSpaceHeld) != 0;
    if (!data.m_bEnabled)
        return 9 + nCheck;
    if (bSpace || (data.m_bHot && bMouseHeld))
        return 3 + nCheck;
    if (data.m_bHot || bMouseHeld)
        return 6 + nCheck;
    return nCheck;
}

UINT CExtCheckBox::CalcFrameControlState(int nCheck, bool bRadio,
                                         const CExtPaintManager::PushButtonPaintData& data) const
{
    UINT nState = bRadio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (!bRadio && nCheck == 2)
        nState |= DFCS_BUTTON3STATE;
    if (!data.m_bEnabled)
        nState |= DFCS_INACTIVE;
    if ((data.m_bHot && (m_nCheckFlags & kMouseHeld) != 0) || (m_nCheckFlags & kSpaceHeld) != 0)
        nState |= DFCS_PUSHED | (data.m_bEnabled ? 0 : DFCS_INACTIVE);
    if (nCheck != 0)
        nState |= DFCS_CHECKED;
    if ((::GetWindowLongW(m_hWnd, GWL_STYLE) & BS_FLAT) != 0)
        nState |= DFCS_FLAT;
    return nState;
}

void CExtCheckBox::PaintBox(CDC& dc, CRect& rcBox, CExtPaintManager::PushButtonPaintData& data)
{
    int nCheck = (int)::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0);
    if (nCheck < 0 || nCheck > 2)
        nCheck = 0;
    if (OnPaintBox(dc, rcBox, CalcBoxState(nCheck, data)))
        return;
    dc.DrawFrameControl(&rcBox, DFC_BUTTON, CalcFrameControlState(nCheck, false, data));
}

bool CExtCheckBox::OnPaintBox(CDC& dc, CRect& rcBox, int nState)
{
    return g_PaintManagerHolder->PaintCheckOrRadioBox(dc, rcBox.left, rcBox.top, rcBox.right, rcBox.bottom, nState,
                                                      this);
}
