// CExtPopupColorMenuWnd: the colour table, measurement, cells, mouse, keys, notifications and painting.
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/foundation/ExtSoundPlayer.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtPopupColorMenuWnd, CExtPopupMenuWnd)

namespace
{
struct NamedColor
{
    COLORREF m_clr;
    LPCTSTR m_pszName;
};

const NamedColor kColors[CExtPopupColorMenuWnd::COLOR_COUNT] = {
    {RGB(0, 0, 0), L"Black"},
    {RGB(165, 42, 0), L"Brown"},
    {RGB(0, 64, 64), L"Dark Olive Green"},
    {RGB(0, 85, 0), L"Dark Green"},
    {RGB(0, 0, 94), L"Dark Teal"},
    {RGB(0, 0, 139), L"Dark blue"},
    {RGB(75, 0, 130), L"Indigo"},
    {RGB(40, 40, 40), L"Dark grey"},
    {RGB(139, 0, 0), L"Dark red"},
    {RGB(255, 104, 32), L"Orange"},
    {RGB(139, 139, 0), L"Dark yellow"},
    {RGB(0, 147, 0), L"Green"},
    {RGB(56, 142, 142), L"Teal"},
    {RGB(0, 0, 255), L"Blue"},
    {RGB(123, 123, 192), L"Blue-grey"},
    {RGB(102, 102, 102), L"Grey - 50"},
    {RGB(255, 0, 0), L"Red"},
    {RGB(255, 173, 91), L"Light orange"},
    {RGB(50, 205, 50), L"Lime"},
    {RGB(60, 179, 113), L"Sea green"},
    {RGB(127, 255, 212), L"Aqua"},
    {RGB(125, 158, 192), L"Light blue"},
    {RGB(128, 0, 128), L"Violet"},
    {RGB(127, 127, 127), L"Grey - 40"},
    {RGB(255, 192, 203), L"Pink"},
    {RGB(255, 215, 0), L"Gold"},
    {RGB(255, 255, 0), L"Yellow"},
    {RGB(0, 255, 0), L"Bright green"},
    {RGB(64, 224, 208), L"Turquoise"},
    {RGB(192, 255, 255), L"Skyblue"},
    {RGB(72, 0, 72), L"Plum"},
    {RGB(192, 192, 192), L"Light grey"},
    {RGB(255, 228, 225), L"Rose"},
    {RGB(210, 180, 140), L"Tan"},
    {RGB(255, 255, 224), L"Light yellow"},
    {RGB(152, 251, 152), L"Pale green "},
    {RGB(175, 238, 238), L"Pale turquoise"},
    {RGB(104, 131, 139), L"Pale blue"},
    {RGB(230, 230, 250), L"Lavender"},
    {RGB(255, 255, 255), L"White"},
};
} // namespace

const COLORREF CExtPopupColorMenuWnd::CUSTOM_COLOR_RESULT = (COLORREF)-2;

const UINT CExtPopupColorMenuWnd::g_nMsgNotifyColorChanged =
    ::RegisterWindowMessageW(L"CExtPopupColorMenuWnd::g_nMsgNotifyColorChanged");
const UINT CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally =
    ::RegisterWindowMessageW(L"CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally");
const UINT CExtPopupColorMenuWnd::g_nMsgNotifyCustColor =
    ::RegisterWindowMessageW(L"CExtPopupColorMenuWnd::g_nMsgNotifyCustColor");

COLORREF CExtPopupColorMenuWnd::GetTableColor(int nIndex)
{
    return nIndex >= 0 && nIndex < COLOR_COUNT ? kColors[nIndex].m_clr : (COLORREF)-1;
}

LPCTSTR CExtPopupColorMenuWnd::GetTableColorName(int nIndex)
{
    return nIndex >= 0 && nIndex < COLOR_COUNT ? kColors[nIndex].m_pszName : L"";
}

int CExtPopupColorMenuWnd::FindTableColor(COLORREF clr)
{
    for (int i = 0; i < COLOR_COUNT; ++i)
        if (kColors[i].m_clr == clr)
            return i;
    return -1;
}

CExtPopupColorMenuWnd::CExtPopupColorMenuWnd()
    : m_hNotifyWnd(nullptr), m_nNotifyCookie(0), m_pColorResult(nullptr), m_clrDefaultButton(0),
      m_clrInitialSelection((COLORREF)-1), m_dwButtons(BUTTON_DEFAULT | BUTTON_CUSTOM), m_rcDefaultButton(0, 0, 0, 0),
      m_rcCustomButton(0, 0, 0, 0), m_nHotElement(HOT_NONE), m_nSelectedCell(-1), m_bNotifying(false)
{
    if (!g_ResourceManagerHolder->LoadStringRes(m_sDefaultText, IDS_DEFAULT_COLOR))
        m_sDefaultText = L"Default Color";
    if (!g_ResourceManagerHolder->LoadStringRes(m_sCustomText, IDS_CUSTOM_COLOR))
        m_sCustomText = L"Custom Color ...";
}

CExtPopupColorMenuWnd::~CExtPopupColorMenuWnd() {}

LRESULT CExtPopupColorMenuWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_QUERYNEWPALETTE: Invalidate(TRUE); break;
    default: break;
    }
    return CExtPopupMenuWnd::WindowProc(message, wParam, lParam);
}

bool CExtPopupColorMenuWnd::CanShowAsSubMenu() const { return !IsContextHelpMode() && !IsEmbeddedTracking(); }

int CExtPopupColorMenuWnd::ItemHitTest(const CPoint& ptClient, bool* pbInEditArea, bool* pbOnEditArrow)
{
    (void)ptClient;
    if (pbInEditArea != nullptr)
        *pbInEditArea = false;
    if (pbOnEditArrow != nullptr)
        *pbOnEditArrow = false;
    return -1;
}

// ---- measurement and cells -------------------------------------------------------------------------

CSize CExtPopupColorMenuWnd::MeasureButtonText(const CString& sText)
{
    CString sPlain(sText);
    sPlain.Remove(L'&');
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CRect rcText(0, 0, 0, 0);
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(hDC, (HFONT)pPM->m_fontNormal.GetSafeHandle());
    ::DrawTextW(hDC, sPlain, sPlain.GetLength(), &rcText, DT_CALCRECT | DT_SINGLELINE | DT_CENTER);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    return CSize(rcText.Width(), std::max<int>(rcText.Height(), MIN_BUTTON_HEIGHT));
}

void CExtPopupColorMenuWnd::CalcWindowSize(CSize& size) const
{
    const int b = GetMenuBorderSize();
    const int s = GetShadowSize();
    const int g = g_PaintManagerHolder->GetPopupMenuItemGap();
    int w = s + 2 * b + GRID_COLUMNS * CELL_SIZE;
    int h = s + 2 * b + GRID_ROWS * CELL_SIZE;
    m_rcDefaultButton.SetRectEmpty();
    m_rcCustomButton.SetRectEmpty();
    int nDefaultHeight = 0;
    if ((m_dwButtons & BUTTON_DEFAULT) != 0)
    {
        const CSize sizeText = MeasureButtonText(m_sDefaultText);
        nDefaultHeight = sizeText.cy;
        h += g + sizeText.cy + 6;
        w = std::max<int>(w, sizeText.cx + 6);
        m_rcDefaultButton.SetRect(b + BUTTON_INSET, b + BUTTON_INSET, w - (b + BUTTON_INSET) - s,
                                  b + BUTTON_INSET + sizeText.cy);
    }
    if ((m_dwButtons & BUTTON_CUSTOM) != 0)
    {
        const CSize sizeText = MeasureButtonText(m_sCustomText);
        h += g + sizeText.cy + 7;
        w = std::max<int>(w, sizeText.cx + 6);
        m_rcCustomButton.SetRect(b + BUTTON_INSET, b + BUTTON_INSET, w - (b + BUTTON_INSET) - s,
                                 b + BUTTON_INSET + sizeText.cy);
        if ((m_dwButtons & BUTTON_DEFAULT) != 0)
            m_rcCustomButton.OffsetRect(0, g + nDefaultHeight + 6);
        m_rcCustomButton.OffsetRect(0, b + GRID_ROWS * CELL_SIZE + 2);
    }
    size.cx = w + m_nLeftAreaWidth;
    size.cy = h;
}

int CExtPopupColorMenuWnd::GridTopOffset() const
{
    if ((m_dwButtons & BUTTON_DEFAULT) == 0)
        return 0;
    return g_PaintManagerHolder->GetPopupMenuItemGap() + m_rcDefaultButton.Height() + 6;
}

CRect CExtPopupColorMenuWnd::GetCellRect(int nIndex) const
{
    const int b = GetMenuBorderSize();
    const int c = nIndex % GRID_COLUMNS;
    const int r = nIndex / GRID_COLUMNS;
    CRect rc(b + CELL_SIZE * c + CELL_INSET, b + CELL_SIZE * r + CELL_INSET, b + CELL_SIZE * c + CELL_SIZE - CELL_INSET,
             b + CELL_SIZE * r + CELL_SIZE - CELL_INSET);
    rc.OffsetRect(m_nLeftAreaWidth + m_rcClient.left, GridTopOffset() + m_rcClient.top);
    return rc;
}

int CExtPopupColorMenuWnd::HitTestColor(const CPoint& ptClient) const
{
    for (int i = 0; i < COLOR_COUNT; ++i)
        if (GetCellRect(i).PtInRect(ptClient))
            return i;
    if ((m_dwButtons & BUTTON_DEFAULT) != 0 && m_rcDefaultButton.PtInRect(ptClient))
        return HOT_DEFAULT_BUTTON;
    if ((m_dwButtons & BUTTON_CUSTOM) != 0 && m_rcCustomButton.PtInRect(ptClient))
        return HOT_CUSTOM_BUTTON;
    return HOT_NONE;
}

bool CExtPopupColorMenuWnd::CreatePopupWindow(CWnd* pWndParent)
{
    if (!CExtPopupMenuWnd::CreatePopupWindow(pWndParent))
        return false;
    const int nCell = FindTableColor(m_clrInitialSelection);
    if (nCell >= 0)
    {
        m_nSelectedCell = nCell;
        Invalidate(TRUE);
    }
    const CPoint ptShift(m_rcClient.left + m_nLeftAreaWidth, m_rcClient.top);
    m_rcDefaultButton.OffsetRect(ptShift);
    m_rcCustomButton.OffsetRect(ptShift);
    return true;
}

// ---- notification -----------------------------------------------------------------------------------

void CExtPopupColorMenuWnd::NotifyColorChanged(bool bFinal)
{
    if (m_bNotifying)
        return;
    m_bNotifying = true;
    const HWND hWndTarget = m_hNotifyWnd != nullptr ? m_hNotifyWnd : m_hWndCmdReceiver;
    if (m_nHotElement == HOT_CUSTOM_BUTTON)
    {
        if (bFinal && m_pColorResult != nullptr)
            *m_pColorResult = CUSTOM_COLOR_RESULT;
        ::PostMessageW(hWndTarget, g_nMsgNotifyCustColor, 0, m_nNotifyCookie);
        m_bNotifying = false;
        return;
    }
    COLORREF clr = (COLORREF)-1;
    if (m_nHotElement == HOT_DEFAULT_BUTTON)
        clr = m_clrDefaultButton;
    else if (m_nHotElement >= 0 && m_nHotElement < COLOR_COUNT)
        clr = kColors[m_nHotElement].m_clr;
    else
    {
        m_bNotifying = false;
        return;
    }
    if (bFinal)
    {
        if (m_pColorResult != nullptr)
            *m_pColorResult = clr;
        ::PostMessageW(hWndTarget, g_nMsgNotifyColorChangedFinally, (WPARAM)clr, m_nNotifyCookie);
    }
    else
    {
        ::PostMessageW(hWndTarget, g_nMsgNotifyColorChanged, (WPARAM)clr, m_nNotifyCookie);
    }
    m_bNotifying = false;
}

// ---- mouse ------------------------------------------------------------------------------------------

bool CExtPopupColorMenuWnd::HandleMouseMove(UINT message, int x, int y, bool& bPassOn)
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return false;
    if (g_TrackingSite.GetAnimatingPopup() != nullptr)
        return true;
    const CPoint ptClient(x, y);
    POINT ptScreen = {x, y};
    ::ClientToScreen(hWnd, &ptScreen);
    const HWND hWndUnder = ::WindowFromPoint(ptScreen);
    if (hWndUnder != nullptr && hWndUnder != hWnd && ::IsChild(hWnd, hWndUnder))
        return false;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (!rcWindow.PtInRect(ptScreen))
        return PassMoveToParentMenu(message, ptScreen, bPassOn);
    const int nHit = HitTestColor(ptClient);
    const bool bChanged = nHit != m_nHotElement;
    if (bChanged)
    {
        m_nHotElement = nHit;
        Invalidate(TRUE);
        if (nHit != HOT_CUSTOM_BUTTON)
            NotifyColorChanged(false);
    }
    if (m_nHotElement < 0)
    {
        HideTip(true);
        return true;
    }
    if (g_bShowItemTips && bChanged && GetKeyboardPopup() == this && g_TrackingSite.GetAnimatingPopup() == nullptr)
    {
        CRect rcCell = GetCellRect(m_nHotElement);
        ClientToScreen(&rcCell);
        m_wndToolTip.SetText(GetTableColorName(m_nHotElement));
        m_wndToolTip.ShowTip(this, rcCell);
    }
    return true;
}

bool CExtPopupColorMenuWnd::HandleMouseClick(UINT message, int x, int y, bool& bPassOn)
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return false;
    if (g_TrackingSite.GetAnimatingPopup() != nullptr)
        return true;
    const CPoint ptClient(x, y);
    POINT ptScreen = {x, y};
    ::ClientToScreen(hWnd, &ptScreen);
    // The owner's part of a combined top-level popup: a release there closes the popup.
    if (m_pWndParentMenu == nullptr && (m_nBaseFlags & BASE_FLAG_COMBINED) != 0 && m_nCombinedSide != COMBINE_NONE &&
        m_rcExclude.PtInRect(ptScreen))
    {
        const bool bUp = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP ||
                         message == WM_NCLBUTTONUP || message == WM_NCRBUTTONUP || message == WM_NCMBUTTONUP;
        if (!bUp)
            return false;
        CloseMenu(false);
        return true;
    }
    if (message != WM_LBUTTONUP && message != WM_NCLBUTTONUP)
        return false;
    const int nHit = HitTestColor(ptClient);
    if (nHit != HOT_NONE && !IsEmbeddedTracking())
    {
        m_nHotElement = nHit;
        NotifyColorChanged(true);
        g_SoundPlayerHolder->PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
        if (!::IsWindow(hWnd))
            return true;
    }
    CExtPopupMenuWnd* pParent = m_pWndParentMenu;
    if (pParent != nullptr && pParent->GetSafeHwnd() != nullptr)
    {
        CRect rcParent;
        pParent->GetWindowRect(&rcParent);
        if (rcParent.PtInRect(ptScreen))
        {
            POINT ptParent = ptScreen;
            ::ScreenToClient(pParent->GetSafeHwnd(), &ptParent);
            return pParent->HandleMouseClick(message, ptParent.x, ptParent.y, bPassOn);
        }
    }
    EndTrackingWithCommand(0, nullptr);
    return true;
}

// ---- keys ----------------------------------------------------------------------------------------------

int CExtPopupColorMenuWnd::CellAfterArrow(int nHot, UINT nChar)
{
    if (nHot < 0 || nHot >= COLOR_COUNT)
        return 0;
    int c = nHot % GRID_COLUMNS;
    int r = nHot / GRID_COLUMNS;
    switch (nChar)
    {
    case VK_LEFT: c = c == 0 ? GRID_COLUMNS - 1 : c - 1; break;
    case VK_RIGHT: c = c == GRID_COLUMNS - 1 ? 0 : c + 1; break;
    case VK_UP: r = r == 0 ? GRID_ROWS - 1 : r - 1; break;
    case VK_DOWN: r = r == GRID_ROWS - 1 ? 0 : r + 1; break;
    default: break;
    }
    return r * GRID_COLUMNS + c;
}

bool CExtPopupColorMenuWnd::HandleKey(UINT nChar, UINT nRepCnt, UINT nFlags, bool& bPassOn)
{
    (void)nRepCnt;
    (void)nFlags;
    (void)bPassOn;
    const HWND hWnd = GetSafeHwnd();
    switch (nChar)
    {
    case VK_RETURN:
        if (m_nHotElement != HOT_NONE && !IsEmbeddedTracking())
        {
            NotifyColorChanged(true);
            g_SoundPlayerHolder->PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
        }
        EndTrackingWithCommand(0, nullptr);
        return true;
    case VK_MENU:
    case VK_ESCAPE: EndTrackingWithCommand(0, nullptr); return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        m_nHotElement = CellAfterArrow(m_nHotElement, nChar);
        HideTip(true);
        if (hWnd == nullptr || !::IsWindow(hWnd))
            return true;
        Invalidate(TRUE);
        NotifyColorChanged(false);
        return true;
    default: return false;
    }
}

// ---- painting -----------------------------------------------------------------------------------------

void CExtPopupColorMenuWnd::PaintButtonPart(CDC& dc, const CRect& rc, const CString& sText, bool bHot)
{
    CExtPaintManager::PushButtonPaintData pbd(this, true, rc, sText, nullptr, true, bHot, false, false, true, false,
                                              false, false, 1 | 4);
    g_PaintManagerHolder->PaintPushButton(dc, pbd);
}

void CExtPopupColorMenuWnd::PaintMenu(CDC& dc, bool bUseBackBuffer)
{
    (void)bUseBackBuffer;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CRect rcWnd(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rcWnd);
    if (rcWnd.IsRectEmpty())
        return;
    CDC dcMem;
    CBitmap bmpMem;
    if (!dcMem.CreateCompatibleDC(&dc) || !bmpMem.CreateCompatibleBitmap(&dc, rcWnd.Width(), rcWnd.Height()))
        return;
    HGDIOBJ hOldBmp = ::SelectObject(dcMem.GetSafeHdc(), (HBITMAP)bmpMem);
    CDC& d = dcMem;
    PaintScreenBefore(d.GetSafeHdc(), rcWnd.Width(), rcWnd.Height());
    HGDIOBJ hOldFont = ::SelectObject(d.GetSafeHdc(), (HFONT)pPM->m_fontNormal.GetSafeHandle());
    const CRect rcClient = m_rcClient;
    // A popup joined to its owner gets its frame open on the owner's side; the frame fills the
    // face, so it comes before the grid and the buttons.
    const bool bCombined = (m_nBaseFlags & BASE_FLAG_COMBINED) != 0 && m_nCombinedSide != COMBINE_NONE;
    const CRect rcOwner = bCombined ? OwnerRectInWindow() : CRect(0, 0, 0, 0);
    const COLORREF clrBase = pPM->GetBaseTranslatedColor(this, 0);
    d.FillSolidRect(&rcClient, clrBase);
    if (bCombined)
    {
        // The joined owner part is filled too: the button repaints itself there without background,
        // over what would otherwise be the screen captured before the popup showed, which may still
        // hold an older picture of the button (hovered, its icon elsewhere).
        d.FillSolidRect(&rcOwner, clrBase);
        pPM->PaintMenuPart51(d, rcClient, rcOwner, m_nCombinedSide, this, 0);
    }
    else
        pPM->PaintMenuPart49(d, rcClient, this, 0);
    const int nSaved = ::SaveDC(d.GetSafeHdc());
    d.IntersectClipRect(&rcClient);

    const int g = pPM->GetPopupMenuItemGap();
    // The separators are horizontal lines: the painter's flag names the orientation of a bar.
    if ((m_dwButtons & BUTTON_DEFAULT) != 0)
    {
        PaintButtonPart(d, m_rcDefaultButton, m_sDefaultText, m_nHotElement == HOT_DEFAULT_BUTTON);
        const int nLine = m_rcDefaultButton.bottom + g / 2;
        pPM->PaintSeparator(d, CRect(m_rcDefaultButton.left, nLine - 1, m_rcDefaultButton.right, nLine + 1), false,
                            true, this, 0);
    }
    if ((m_dwButtons & BUTTON_CUSTOM) != 0)
    {
        PaintButtonPart(d, m_rcCustomButton, m_sCustomText, m_nHotElement == HOT_CUSTOM_BUTTON);
        const int nLine = m_rcCustomButton.top - g / 2 - 2;
        pPM->PaintSeparator(d, CRect(m_rcCustomButton.left, nLine - 1, m_rcCustomButton.right, nLine + 1), false, true,
                            this, 0);
    }
    const COLORREF clrFrame = pPM->GetTranslatedColor(SWATCH_FRAME_COLOR, this, 0);
    for (int i = 0; i < COLOR_COUNT; ++i)
    {
        const CRect rcCell = GetCellRect(i);
        CExtPaintManager::PushButtonPaintData pbd(this, true, rcCell, L"", nullptr, true,
                                                  i == m_nHotElement || i == m_nSelectedCell, false, false, true, false,
                                                  false, false, 1 | 4);
        pPM->PaintPushButton(d, pbd);
        CRect rcSwatch(rcCell);
        rcSwatch.DeflateRect(CELL_INSET, CELL_INSET);
        d.FillSolidRect(&rcSwatch, kColors[i].m_clr);
        d.Draw3dRect(&rcSwatch, clrFrame, clrFrame);
    }
    ::RestoreDC(d.GetSafeHdc(), nSaved);

    if (m_nLeftAreaWidth > 0 && m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver))
    {
        const int b = GetMenuBorderSize();
        DrawLeftAreaData_t lad;
        lad.m_pDC = &d;
        lad.m_pPopup = this;
        lad.m_rcLeftArea.SetRect(rcClient.left + b, rcClient.top + b, rcClient.left + b + m_nLeftAreaWidth,
                                 rcClient.bottom - b);
        ::SendMessageW(m_hWndCmdReceiver, g_nMsgPopupDrawLeftArea, 0, (LPARAM)&lad);
    }
    if (bCombined && m_pCbPaintCombinedContent != nullptr)
        m_pCbPaintCombinedContent(m_pCbPaintCombinedCookie, d, *this, rcOwner);
    if (IsShadowEnabled() && IsOnScreen())
        PaintShadows(d, rcClient, rcOwner, bCombined);
    ::SelectObject(d.GetSafeHdc(), hOldFont);
    ::BitBlt(dc.GetSafeHdc(), 0, 0, rcWnd.Width(), rcWnd.Height(), d.GetSafeHdc(), 0, 0, SRCCOPY);
    ::SelectObject(d.GetSafeHdc(), hOldBmp);
}
