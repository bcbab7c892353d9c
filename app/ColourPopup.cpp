// CColourPopup: the colour table, layout and placement on the screen, painting, mouse and keys,
// and the end of the popup with the colour dialog of the custom box.
#include "app/ColourPopup.h"
#include "app/ColourPicker.h"
#include "platform/CommonDialogs.h"
#include "platform/Dc.h"
#include <algorithm>
#include <cstddef>
#include <vector>

BEGIN_MESSAGE_MAP(CColourPopup, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_ACTIVATEAPP()
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

const CColourPopup::ColourTableEntry CColourPopup::kColours[kColourCount] = {
    {0xBCBCFF, L""}, {0xBEFFFF, L""}, {0xBEFFBE, L""}, {0xBEFF7D, L""},      {0xFFFFBE, L""}, {0xFFBE7D, L""},
    {0xDFBEFF, L""}, {0xFFBEFF, L""}, {0x8E8EFF, L""}, {0x8EFFFF, L""},      {0x8EFFC7, L""}, {0xAAFF8E, L""},
    {0xFFFF8E, L""}, {0xE3C78E, L""}, {0xE3C7C7, L""}, {0xFF92FF, L""},      {0xB9B9D1, L""}, {0x74DBFF, L""},
    {0xA2FFA2, L""}, {0xD2D2A5, L""}, {0xD2BBA4, L""}, {0xFFD2D2, L""},      {0xB9A2D2, L""}, {0xD2A5FF, L""},
    {0xB5B5DA, L""}, {0xB5DAFF, L""}, {0xB5DAB5, L""}, {0xC5D9B2, L""},      {0xFFB4B4, L""}, {0xE3B4B4, L""},
    {0xDAB5DA, L""}, {0xFFB5DA, L""}, {0xC4C5C5, L""}, {0xC2E1E1, L""},      {0xD1E1E1, L""}, {0xE1E1E1, L""},
    {0xE1E1D2, L""}, {0xF0F0F0, L""}, {0xD2C3D2, L""}, {0xFFFFFF, L"White"},
};

CColourPopup::CColourPopup(CPoint p, COLORREF crColour, CColourPicker* pPicker, LPCTSTR szDefaultText,
                           LPCTSTR szCustomText)
    : m_pPicker(pPicker), m_crInitialColour(crColour), m_crColour(crColour), m_nCurrentSel(kNoCell),
      m_nChosenColourSel(kNoCell), m_nRows((kColourCount + kColumns - 1) / kColumns), m_nBoxSize(kBoxSize),
      m_nMargin(::GetSystemMetrics(SM_CXEDGE)), m_nTextHeight(0), m_bChildWindowVisible(FALSE), m_bEnding(FALSE)
{
    // Tiny cells would leave no room for the colour inside the margins.
    if (m_nBoxSize - 2 * m_nMargin - 2 < 5)
        m_nBoxSize = 2 * m_nMargin + 7;
    Create(p, crColour, pPicker, szDefaultText, szCustomText);
}

CColourPopup::~CColourPopup() {}

int CColourPopup::FindColour(COLORREF crColour)
{
    for (int i = 0; i < kColourCount; ++i)
        if (kColours[i].crColour == crColour)
            return i;
    return kNoCell;
}

BOOL CColourPopup::Create(CPoint p, COLORREF crColour, CColourPicker* pPicker, LPCTSTR szDefaultText,
                          LPCTSTR szCustomText)
{
    m_pPicker = pPicker;
    m_crInitialColour = m_crColour = crColour;
    m_strDefaultText = szDefaultText ? szDefaultText : L"";
    m_strCustomText = szCustomText ? szCustomText : L"";

    LPCTSTR lpszClass = AfxRegisterWndClass(CS_CLASSDC | CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW,
                                            ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1), 0);
    if (!CWnd::CreateEx(0, lpszClass, L"", WS_VISIBLE | WS_POPUP, p.x, p.y, 100, 100,
                        pPicker ? pPicker->GetSafeHwnd() : nullptr, 0, nullptr))
        return FALSE;

    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof ncm;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    m_font.CreateFontIndirect(&ncm.lfMenuFont);

    // A palette of the table's colours, for displays with one.
    std::vector<BYTE> palette(sizeof(LOGPALETTE) + (kColourCount - 1) * sizeof(PALETTEENTRY), 0);
    LOGPALETTE* pPalette = reinterpret_cast<LOGPALETTE*>(palette.data());
    pPalette->palVersion = 0x300;
    pPalette->palNumEntries = kColourCount;
    PALETTEENTRY* pEntries = reinterpret_cast<PALETTEENTRY*>(palette.data() + offsetof(LOGPALETTE, palPalEntry));
    for (int i = 0; i < kColourCount; ++i)
    {
        pEntries[i].peRed = GetRValue(kColours[i].crColour);
        pEntries[i].peGreen = GetGValue(kColours[i].crColour);
        pEntries[i].peBlue = GetBValue(kColours[i].crColour);
        pEntries[i].peFlags = 0;
    }
    m_palette.CreatePalette(pPalette);

    SetWindowSize(p);
    CreateToolTips();
    FindCellFromColour(crColour);
    SetCapture();
    return TRUE;
}

void CColourPopup::FindCellFromColour(COLORREF crColour)
{
    if (crColour == CLR_DEFAULT && !m_strDefaultText.IsEmpty())
        m_nChosenColourSel = kDefaultBox;
    else if (FindColour(crColour) != kNoCell)
        m_nChosenColourSel = FindColour(crColour);
    else
        m_nChosenColourSel = m_strCustomText.IsEmpty() ? kNoCell : kCustomBox;
}

void CColourPopup::SetWindowSize(CPoint p)
{
    CSize szDefault(0, 0), szCustom(0, 0);
    {
        CClientDC dc(this);
        CFont* pOld = dc.SelectObject(&m_font);
        TEXTMETRICW tm = {};
        dc.GetTextMetrics(&tm);
        m_nTextHeight = tm.tmHeight;
        if (!m_strDefaultText.IsEmpty())
            szDefault = dc.GetTextExtent(m_strDefaultText);
        if (!m_strCustomText.IsEmpty())
            szCustom = dc.GetTextExtent(m_strCustomText);
        dc.SelectObject(pOld);
    }
    int cx = kColumns * m_nBoxSize + 2 * m_nMargin;
    int cy = m_nRows * m_nBoxSize + 2 * m_nMargin;
    const int cxText = std::max(szDefault.cx, szCustom.cx);
    if (cxText > 0)
        cx = std::max(cx, cxText + 4 * m_nMargin);
    const int cyBox = m_nTextHeight + 4 * m_nMargin;
    m_rcDefault.SetRectEmpty();
    m_rcCustom.SetRectEmpty();
    if (!m_strDefaultText.IsEmpty())
    {
        m_rcDefault.SetRect(m_nMargin, m_nMargin, cx - m_nMargin, m_nMargin + cyBox);
        cy += cyBox;
    }
    if (!m_strCustomText.IsEmpty())
    {
        const int top = cy - m_nMargin;
        m_rcCustom.SetRect(m_nMargin, top, cx - m_nMargin, top + cyBox);
        cy += cyBox;
    }

    // On the screen: moved left or right into it, or above the picker when it would pass the bottom.
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    m_rcWindow.SetRect(p.x, p.y, p.x + cx, p.y + cy);
    if (m_rcWindow.right > cxScreen)
        m_rcWindow.OffsetRect(cxScreen - m_rcWindow.right, 0);
    if (m_rcWindow.left < 0)
        m_rcWindow.OffsetRect(-m_rcWindow.left, 0);
    if (m_rcWindow.bottom > cyScreen)
    {
        CRect rcPicker(p.x, p.y, p.x, p.y);
        if (m_pPicker != nullptr && m_pPicker->GetSafeHwnd() != nullptr)
            m_pPicker->GetWindowRect(&rcPicker);
        m_rcWindow.OffsetRect(0, rcPicker.top - m_rcWindow.bottom);
    }
    MoveWindow(m_rcWindow.left, m_rcWindow.top, m_rcWindow.Width(), m_rcWindow.Height(), TRUE);
}

bool CColourPopup::GetCellRect(int nIndex, CRect& rect) const
{
    if (nIndex == kDefaultBox && !m_rcDefault.IsRectEmpty())
    {
        rect = m_rcDefault;
        return true;
    }
    if (nIndex == kCustomBox && !m_rcCustom.IsRectEmpty())
    {
        rect = m_rcCustom;
        return true;
    }
    if (nIndex < 0 || nIndex >= kColourCount)
        return false;
    const int nRow = nIndex / kColumns, nColumn = nIndex % kColumns;
    rect.left = m_nMargin + nColumn * m_nBoxSize;
    rect.top = m_nMargin + m_rcDefault.Height() + nRow * m_nBoxSize;
    rect.right = rect.left + m_nBoxSize;
    rect.bottom = rect.top + m_nBoxSize;
    return true;
}

int CColourPopup::HitTest(CPoint pt) const
{
    if (!m_rcCustom.IsRectEmpty() && m_rcCustom.PtInRect(pt))
        return kCustomBox;
    if (!m_rcDefault.IsRectEmpty() && m_rcDefault.PtInRect(pt))
        return kDefaultBox;
    const int x = pt.x - m_nMargin, y = pt.y - m_nMargin - m_rcDefault.Height();
    if (x < 0 || y < 0)
        return kNoCell;
    const int nColumn = x / m_nBoxSize, nRow = y / m_nBoxSize;
    if (nColumn >= kColumns || nRow >= m_nRows)
        return kNoCell;
    const int nIndex = nRow * kColumns + nColumn;
    return nIndex < kColourCount ? nIndex : kNoCell;
}

void CColourPopup::CreateToolTips()
{
    if (!m_toolTip.Create(this))
        return;
    for (int i = 0; i < kColourCount; ++i)
    {
        CRect rect;
        GetCellRect(i, rect);
        m_toolTip.AddTool(this, kColours[i].szName, &rect, (UINT_PTR)(i + 1));
    }
}

int CColourPopup::GetToolCount() const { return m_toolTip.GetSafeHwnd() ? m_toolTip.GetToolCount() : 0; }

BOOL CColourPopup::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_toolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CColourPopup::InvalidateCell(int nIndex)
{
    CRect rect;
    if (GetCellRect(nIndex, rect))
        InvalidateRect(&rect, FALSE);
}

void CColourPopup::ChangeSelection(int nIndex)
{
    if (nIndex == m_nCurrentSel)
        return;
    const int nOld = m_nCurrentSel;
    m_nCurrentSel = nIndex;
    InvalidateCell(nOld);
    InvalidateCell(nIndex);
    UpdateWindow();
    COLORREF crSend = m_crInitialColour;
    if (nIndex == kDefaultBox)
    {
        crSend = CLR_DEFAULT;
        m_crColour = CLR_DEFAULT;
    }
    else if (nIndex >= 0)
    {
        crSend = kColours[nIndex].crColour;
        m_crColour = crSend;
    }
    if (m_pPicker != nullptr && m_pPicker->GetSafeHwnd() != nullptr)
        m_pPicker->SendMessage(CPN_SELCHANGE, (WPARAM)crSend, 0);
}

void CColourPopup::EndSelection(UINT nMessage)
{
    if (m_bEnding)
        return;
    m_bEnding = TRUE;
    ReleaseCapture();
    if (nMessage == CPN_SELENDOK && m_nCurrentSel == kCustomBox)
    {
        m_bChildWindowVisible = TRUE;
        CColorDialog dlg(m_crInitialColour, CC_FULLOPEN | CC_ANYCOLOR, this);
        if (dlg.DoModal() == IDOK)
            m_crColour = dlg.GetColor();
        else
            nMessage = CPN_SELENDCANCEL;
        m_bChildWindowVisible = FALSE;
    }
    if (nMessage == CPN_SELENDCANCEL)
        m_crColour = m_crInitialColour;
    if (m_pPicker != nullptr && m_pPicker->GetSafeHwnd() != nullptr)
        m_pPicker->SendMessage(nMessage, (WPARAM)m_crColour, 0);
    if (!m_bChildWindowVisible)
        DestroyWindow(); // deletes this object
}

void CColourPopup::PostNcDestroy() { delete this; }

void CColourPopup::OnMouseMove(UINT nFlags, CPoint point)
{
    const int nIndex = HitTest(point);
    if (nIndex != kNoCell)
        ChangeSelection(nIndex);
    CWnd::OnMouseMove(nFlags, point);
}

void CColourPopup::OnLButtonUp(UINT, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    EndSelection(rcClient.PtInRect(point) ? CPN_SELENDOK : CPN_SELENDCANCEL);
}

int CColourPopup::NextCell(int nFrom, UINT nKey) const
{
    const bool bDefault = !m_rcDefault.IsRectEmpty(), bCustom = !m_rcCustom.IsRectEmpty();
    const int nLast = kColourCount - 1;
    // Past the grid's end: the custom box, then the default box, then the first cell again.
    auto afterLast = [&] { return bCustom ? (int)kCustomBox : (bDefault ? (int)kDefaultBox : 0); };
    auto afterCustom = [&] { return bDefault ? (int)kDefaultBox : 0; };
    // Before the grid's start: the default box, then the custom box, then the last cell.
    auto beforeFirst = [&] { return bDefault ? (int)kDefaultBox : (bCustom ? (int)kCustomBox : nLast); };
    auto beforeDefault = [&] { return bCustom ? (int)kCustomBox : nLast; };
    switch (nKey)
    {
    case VK_RIGHT:
        if (nFrom == kNoCell || nFrom == kDefaultBox)
            return 0;
        if (nFrom == kCustomBox)
            return afterCustom();
        return nFrom < nLast ? nFrom + 1 : afterLast();
    case VK_LEFT:
        if (nFrom == kNoCell || nFrom == kCustomBox)
            return nLast;
        if (nFrom == kDefaultBox)
            return beforeDefault();
        return nFrom > 0 ? nFrom - 1 : beforeFirst();
    case VK_DOWN:
        if (nFrom == kNoCell || nFrom == kDefaultBox)
            return 0;
        if (nFrom == kCustomBox)
            return afterCustom();
        return nFrom + kColumns <= nLast ? nFrom + kColumns : afterLast();
    case VK_UP:
        if (nFrom == kNoCell || nFrom == kCustomBox)
            return nLast;
        if (nFrom == kDefaultBox)
            return beforeDefault();
        return nFrom - kColumns >= 0 ? nFrom - kColumns : beforeFirst();
    }
    return nFrom;
}

void CColourPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_RIGHT:
    case VK_LEFT:
    case VK_DOWN:
    case VK_UP: ChangeSelection(NextCell(m_nCurrentSel, nChar)); return;
    case VK_ESCAPE:
        m_crColour = m_crInitialColour;
        EndSelection(CPN_SELENDCANCEL);
        return;
    case VK_RETURN:
    case VK_SPACE: EndSelection(CPN_SELENDOK); return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CColourPopup::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CWnd::OnActivateApp(bActive, dwThreadID);
    if (!bActive && !m_bChildWindowVisible)
        EndSelection(CPN_SELENDCANCEL);
}

BOOL CColourPopup::OnQueryNewPalette()
{
    Invalidate();
    return CWnd::OnQueryNewPalette();
}

void CColourPopup::OnPaletteChanged(CWnd* pFocusWnd)
{
    CWnd::OnPaletteChanged(pFocusWnd);
    if (pFocusWnd != this)
        Invalidate();
}

void CColourPopup::OnPaint()
{
    CPaintDC dc(this);
    CPalette* pOldPalette = nullptr;
    if (m_palette.GetSafeHandle() != nullptr && (dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0)
    {
        pOldPalette = dc.SelectPalette(&m_palette, FALSE);
        dc.RealizePalette();
    }
    if (!m_rcDefault.IsRectEmpty())
        DrawCell(dc, kDefaultBox);
    for (int i = 0; i < kColourCount; ++i)
        DrawCell(dc, i);
    if (!m_rcCustom.IsRectEmpty())
        DrawCell(dc, kCustomBox);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.DrawEdge(&rcClient, EDGE_RAISED, BF_RECT);
    if (pOldPalette != nullptr)
        dc.SelectPalette(pOldPalette, FALSE);
}

void CColourPopup::DrawCell(CDC& dc, int nIndex)
{
    CRect rect;
    if (!GetCellRect(nIndex, rect))
        return;
    const bool bChosen = nIndex == m_nChosenColourSel, bHot = nIndex == m_nCurrentSel;
    dc.FillSolidRect(&rect, ::GetSysColor(bChosen && !bHot ? COLOR_3DLIGHT : COLOR_BTNFACE));
    if (bHot)
        dc.DrawEdge(&rect, BDR_RAISEDINNER, BF_RECT);
    else if (bChosen)
        dc.DrawEdge(&rect, BDR_SUNKENOUTER, BF_RECT);
    if (nIndex == kDefaultBox || nIndex == kCustomBox)
    {
        CFont* pOld = dc.SelectObject(&m_font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        dc.DrawText(nIndex == kDefaultBox ? m_strDefaultText : m_strCustomText, &rect,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc.SelectObject(pOld);
        return;
    }
    rect.DeflateRect(m_nMargin + 1, m_nMargin + 1);
    CBrush brush(kColours[nIndex].crColour);
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.Rectangle(&rect);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}
