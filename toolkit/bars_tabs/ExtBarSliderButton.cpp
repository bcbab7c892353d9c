// CExtBarSliderButton: the scroll values, measuring, the part layout, painting and the click-and-drag loop.
#include "toolkit/bars_tabs/ExtBarSliderButton.h"
#include "platform/Dc.h"
#include "platform/WinApp.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtBarSliderButton, CExtBarButton)

namespace
{
const UINT kDefaultScrollLength = 50;
const long long kMinThumb = 4;
const long long kDefaultThumb = 6;

// a * b / c in 64 bits, 0 for c == 0.
long long MulDiv64(long long a, long long b, long long c) { return c == 0 ? 0 : a * b / c; }

// The label without "&" marks ("&&" gives "&").
CString StripAmpersands(const CString& s)
{
    CString sOut;
    for (int i = 0; i < s.GetLength(); ++i)
    {
        if (s[i] == L'&')
        {
            if (i + 1 < s.GetLength() && s[i + 1] == L'&')
                sOut += L'&';
            ++i;
            if (i < s.GetLength() && s[i] != L'&')
                sOut += s[i];
            continue;
        }
        sOut += s[i];
    }
    return sOut;
}

// A key is down when the thread's state (as of the last message taken) or the present state says so.
bool IsKeyDown(int nVirtKey) { return ((::GetKeyState(nVirtKey) | ::GetAsyncKeyState(nVirtKey)) & 0x8000) != 0; }

bool ButtonsAsRequired()
{
    return IsKeyDown(VK_LBUTTON) && !IsKeyDown(VK_RBUTTON) && !IsKeyDown(VK_MBUTTON) &&
           !CExtPopupMenuWnd::IsMenuTracking();
}
} // namespace

CExtBarSliderButton::CExtBarSliderButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarButton(pBar, nCmdID, nStyle), m_nTotalRange(0), m_nPos(0), m_nPageSize(0), m_nArrowExtentHorz(0),
      m_nArrowExtentVert(0), m_nScrollLengthHorz(kDefaultScrollLength), m_nScrollLengthVert(kDefaultScrollLength),
      m_nPressedPart(-1), m_nHighlightedPart(-1)
{
    for (CRect& rc : m_rcParts)
        rc.SetRectEmpty();
}

CExtBarSliderButton::~CExtBarSliderButton() {}

// ---- values ------------------------------------------------------------------------------------------------------

bool CExtBarSliderButton::IsHorizontalLayout() const
{
    if (IsKeepHorizontal())
        return true;
    return m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || !CExtControlBar::IsDockedVertically(m_pBar);
}

UINT CExtBarSliderButton::ArrowExtent() const { return IsHorizontalLayout() ? m_nArrowExtentHorz : m_nArrowExtentVert; }

UINT CExtBarSliderButton::GetMaxPos() const
{
    if (m_nTotalRange <= m_nPageSize)
        return 0;
    if (ArrowExtent() < 1)
        return m_nTotalRange;
    return m_nTotalRange - m_nPageSize;
}

UINT CExtBarSliderButton::GetScrollTotalRange() const { return m_nTotalRange; }

UINT CExtBarSliderButton::SetScrollTotalRange(UINT nValue)
{
    const UINT nOld = m_nTotalRange;
    m_nTotalRange = nValue;
    if (m_nPos > m_nTotalRange)
        m_nPos = m_nTotalRange;
    // The position never lies beyond the maximum, so the thumb stays on its track.
    m_nPos = std::min(m_nPos, GetMaxPos());
    RecalcSliderLayout();
    return nOld;
}

UINT CExtBarSliderButton::GetScrollPos() const { return m_nPos; }

UINT CExtBarSliderButton::SetScrollPos(UINT nValue)
{
    const UINT nOld = m_nPos;
    m_nPos = std::min(nValue, GetMaxPos());
    RecalcSliderLayout();
    return nOld;
}

UINT CExtBarSliderButton::GetScrollPageSize() const { return m_nPageSize; }

UINT CExtBarSliderButton::SetScrollPageSize(UINT nValue)
{
    const UINT nOld = m_nPageSize;
    m_nPageSize = nValue;
    m_nPos = std::min(m_nPos, GetMaxPos());
    RecalcSliderLayout();
    return nOld;
}

UINT CExtBarSliderButton::GetArrowExtentHorz() const { return m_nArrowExtentHorz; }

UINT CExtBarSliderButton::SetArrowExtentHorz(UINT nValue)
{
    const UINT nOld = m_nArrowExtentHorz;
    m_nArrowExtentHorz = nValue;
    m_nPos = std::min(m_nPos, GetMaxPos());
    RecalcSliderLayout();
    return nOld;
}

UINT CExtBarSliderButton::GetArrowExtentVert() const { return m_nArrowExtentVert; }

UINT CExtBarSliderButton::SetArrowExtentVert(UINT nValue)
{
    const UINT nOld = m_nArrowExtentVert;
    m_nArrowExtentVert = nValue;
    m_nPos = std::min(m_nPos, GetMaxPos());
    RecalcSliderLayout();
    return nOld;
}

UINT CExtBarSliderButton::GetScrollLengthHorz() const { return m_nScrollLengthHorz; }

UINT CExtBarSliderButton::SetScrollLengthHorz(UINT nValue)
{
    const UINT nOld = m_nScrollLengthHorz;
    m_nScrollLengthHorz = nValue;
    RecalcSliderLayout();
    return nOld;
}

UINT CExtBarSliderButton::GetScrollLengthVert() const { return m_nScrollLengthVert; }

UINT CExtBarSliderButton::SetScrollLengthVert(UINT nValue)
{
    const UINT nOld = m_nScrollLengthVert;
    m_nScrollLengthVert = nValue;
    RecalcSliderLayout();
    return nOld;
}

void CExtBarSliderButton::StepBy(long long nStep)
{
    const long long nMax = GetMaxPos();
    long long nPos = (long long)m_nPos + nStep;
    nPos = std::min(std::max(nPos, 0LL), nMax);
    m_nPos = (UINT)nPos;
}

// ---- no menu, no control -----------------------------------------------------------------------------------------

void CExtBarSliderButton::SetCtrl(CWnd* pCtrl, bool bSelfDestroying)
{
    (void)pCtrl;
    (void)bSelfDestroying;
}

void CExtBarSliderButton::SetMenu(HMENU hMenu, bool bPopupMenu, bool bOwnMenu)
{
    (void)hMenu;
    (void)bPopupMenu;
    (void)bOwnMenu;
}

bool CExtBarSliderButton::IsMenuButton(int nFlag) const
{
    (void)nFlag;
    return false;
}

UINT CExtBarSliderButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    (void)point;
    (void)bSelectFirst;
    (void)bNoAnimation;
    return (UINT)-1;
}

void CExtBarSliderButton::SetRect(const RECT& rc)
{
    CExtBarButton::SetRect(rc);
    RecalcSliderLayout();
}

// ---- measuring and layout ----------------------------------------------------------------------------------------

CSize CExtBarSliderButton::MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal)
{
    if (IsKeepHorizontal())
        bHorizontal = true;
    m_size = sizePreCalc;
    if (!HasCmdItem())
        return m_size;
    CSize sizeIcon(0, 0);
    CExtCmdIcon* pIcon = GetIconPtr();
    if (pIcon != nullptr && !pIcon->IsEmpty())
    {
        sizeIcon = pIcon->GetSize();
        if (IsLargeIcons())
            sizeIcon = CSize(sizeIcon.cx * 2, sizeIcon.cy * 2);
    }
    const CString sText = GetText();
    CSize size = sizeIcon;
    if (!sText.IsEmpty())
    {
        CRect rcText(0, 0, 0, 0);
        dc.DrawText(StripAmpersands(sText), &rcText, DT_CALCRECT | DT_SINGLELINE);
        if (bHorizontal)
            size = CSize(sizeIcon.cx + rcText.Width() + 6, std::max<int>(sizeIcon.cy, rcText.Height()));
        else
            size = CSize(std::max<int>(sizeIcon.cx, rcText.Height()), sizeIcon.cy + rcText.Width() + 3);
    }
    else
    {
        const CSize sizeDefault =
            m_pBar != nullptr ? m_pBar->GetDefaultButtonSize() : CExtToolControlBar::g_sizeDefaultButton;
        if (bHorizontal)
            size.cy = std::max<int>(sizeIcon.cy, sizeDefault.cy - 7);
        else
            size.cx = std::max<int>(sizeIcon.cx, sizeDefault.cx - 7);
    }
    if (bHorizontal)
        size.cx += (int)m_nScrollLengthHorz;
    else
        size.cy += (int)m_nScrollLengthVert;
    if (sText.IsEmpty() && (pIcon == nullptr || pIcon->IsEmpty()))
    {
        if (bHorizontal)
            size.cy += 4;
        else
            size.cx += 4;
    }
    else
        size += CSize(6, 6);
    m_size = size;
    return m_size;
}

void CExtBarSliderButton::RecalcSliderLayout()
{
    for (CRect& rc : m_rcParts)
        rc.SetRectEmpty();
    const CRect rcButton = m_rc;
    if (rcButton.IsRectEmpty())
        return;
    const bool bHorz = IsHorizontalLayout();
    const long long nScroll = bHorz ? m_nScrollLengthHorz : m_nScrollLengthVert;
    const long long nArrow = ArrowExtent();
    CRect& rcLabel = m_rcParts[kPartLabel];
    CRect& rcScroll = m_rcParts[kPartScroll];
    rcLabel = rcButton;
    rcScroll = rcButton;
    if (bHorz)
    {
        rcLabel.right = (int)std::max<long long>(rcButton.left, rcButton.right - nScroll);
        rcScroll.left = rcLabel.right;
    }
    else
    {
        rcLabel.bottom = (int)std::max<long long>(rcButton.top, rcButton.bottom - nScroll);
        rcScroll.top = rcLabel.bottom;
    }
    CRect& rcTrack = m_rcParts[kPartTrack];
    rcTrack = rcScroll;
    CRect& rcDec = m_rcParts[kPartArrowDecrease];
    CRect& rcInc = m_rcParts[kPartArrowIncrease];
    rcDec = rcScroll;
    rcInc = rcScroll;
    if (bHorz)
    {
        rcTrack.DeflateRect((int)nArrow, 0);
        rcDec.right = rcDec.left + (int)nArrow;
        rcInc.left = rcInc.right - (int)nArrow;
    }
    else
    {
        rcTrack.DeflateRect(0, (int)nArrow);
        rcDec.bottom = rcDec.top + (int)nArrow;
        rcInc.top = rcInc.bottom - (int)nArrow;
    }
    if (nArrow <= 0)
    {
        rcDec.SetRectEmpty();
        rcInc.SetRectEmpty();
    }
    const long long nMax = GetMaxPos();
    if (nMax == 0)
        return;
    const long long nTrack = bHorz ? rcTrack.Width() : rcTrack.Height();
    long long nThumb = nArrow;
    if (m_nPageSize == 0)
    {
        if (nThumb == 0)
            nThumb = kDefaultThumb;
    }
    else if (m_nTotalRange > m_nPageSize)
        nThumb = MulDiv64(nTrack, m_nPageSize, m_nTotalRange);
    nThumb = std::max(nThumb, kMinThumb);
    if (nTrack <= 5)
        return;
    const long long nPos = std::min<long long>(m_nPos, nMax);
    const long long nOffset = MulDiv64(std::max(0LL, nTrack - nThumb), nPos, nMax);
    CRect& rcThumb = m_rcParts[kPartThumb];
    rcThumb = rcTrack;
    if (bHorz)
    {
        rcThumb.left = rcTrack.left + (int)nOffset;
        rcThumb.right = (int)std::min<long long>(rcThumb.left + nThumb, rcTrack.right);
        if (nPos != 0)
            m_rcParts[kPartPageDecrease].SetRect(rcTrack.left, rcTrack.top, rcThumb.left, rcTrack.bottom);
        if (nPos < nMax)
            m_rcParts[kPartPageIncrease].SetRect(rcThumb.right, rcTrack.top, rcTrack.right, rcTrack.bottom);
    }
    else
    {
        rcThumb.top = rcTrack.top + (int)nOffset;
        rcThumb.bottom = (int)std::min<long long>(rcThumb.top + nThumb, rcTrack.bottom);
        if (nPos != 0)
            m_rcParts[kPartPageDecrease].SetRect(rcTrack.left, rcTrack.top, rcTrack.right, rcThumb.top);
        if (nPos < nMax)
            m_rcParts[kPartPageIncrease].SetRect(rcTrack.left, rcThumb.bottom, rcTrack.right, rcTrack.bottom);
    }
}

// ---- painting ----------------------------------------------------------------------------------------------------

bool CExtBarSliderButton::IsPartHot(int nPart) const
{
    return nPart == m_nHighlightedPart && !IsDisabled() && !CExtToolControlBar::g_bMenuTracking &&
           !CExtPopupMenuWnd::IsMenuTracking();
}

void CExtBarSliderButton::PaintButton(CDC& dc, bool bHorizontal)
{
    if (!IsVisible() || (GetStyle() & TBBS_HIDDEN) != 0 || !dc.RectVisible(&m_rc))
        return;
    const CRect rcLabel = m_rcParts[kPartLabel];
    if (!rcLabel.IsRectEmpty() && dc.RectVisible(&rcLabel))
        PaintLabel(dc, rcLabel, bHorizontal);
    if (m_rcParts[kPartScroll].IsRectEmpty() || !dc.RectVisible(&m_rcParts[kPartScroll]))
        return;
    for (int nPart = kPartScroll; nPart < kPartCount; ++nPart)
    {
        if (!m_rcParts[nPart].IsRectEmpty() && dc.RectVisible(&m_rcParts[nPart]))
            PaintSliderPart(dc, nPart, IsHorizontalLayout());
    }
}

void CExtBarSliderButton::PaintLabel(CDC& dc, const CRect& rcLabel, bool bHorizontal)
{
    CExtCmdIcon iconLarge;
    CExtCmdIcon* pIcon = GetPaintIcon(iconLarge);
    CFont* pFont = m_pBar != nullptr ? m_pBar->GetToolBarFont(!bHorizontal) : nullptr;
    const CString sText = GetText();
    CExtPaintManager::PushButtonPaintData data(this, bHorizontal, rcLabel, sText, pIcon, true, false, false, false,
                                               !IsDisabled(), true, false, false, 5,
                                               pFont != nullptr ? (HFONT)*pFont : nullptr, HasDropDownPart(), 0, true);
    g_PaintManagerHolder->PaintPushButton(dc, data);
}

void CExtBarSliderButton::PaintSliderPart(CDC& dc, int nPart, bool bHorizontal)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const CRect rc = m_rcParts[nPart];
    const bool bHot = IsPartHot(nPart);
    // A hot part is pushed while the mouse holds it down.
    const bool bPushed = bHot && nPart == m_nPressedPart;
    const bool bEnabled = !IsDisabled();
    switch (nPart)
    {
    case kPartTrack:
    {
        // A groove along the middle.
        CRect rcGroove(rc);
        if (bHorizontal)
        {
            rcGroove.top = rc.CenterPoint().y - 1;
            rcGroove.bottom = rcGroove.top + 3;
        }
        else
        {
            rcGroove.left = rc.CenterPoint().x - 1;
            rcGroove.right = rcGroove.left + 3;
        }
        dc.FillRect(&rcGroove, CBrush::FromHandle(pPM->GetBrush(COLOR_3DFACE)));
        dc.Draw3dRect(&rcGroove, pPM->GetTranslatedColor(XCLR_SHADOW_NORMAL, this),
                      pPM->GetTranslatedColor(XCLR_HILIGHT_NORMAL, this));
        break;
    }
    case kPartPageDecrease:
    case kPartPageIncrease:
        if (bHot)
            dc.FillRect(&rc, &pPM->m_brushLight50);
        break;
    case kPartArrowDecrease:
    case kPartArrowIncrease:
    case kPartThumb:
    {
        // The thumb keeps its face over the groove so that it shows where the position is also when idle.
        const bool bNoBackground = nPart != kPartThumb && (!bEnabled || (!bHot && !bPushed));
        CExtPaintManager::PushButtonPaintData data(this, bHorizontal, rc, L"", nullptr, true, bHot, bPushed, false,
                                                   bEnabled, true, false, false, 5, nullptr, false, 0, bNoBackground);
        pPM->PaintPushButton(dc, data);
        if (nPart == kPartThumb)
            break;
        const bool bDecrease = nPart == kPartArrowDecrease;
        const int nGlyph = bHorizontal ? (bDecrease ? kSysGlyphArrowLeft : kSysGlyphArrowRight)
                                       : (bDecrease ? kSysGlyphArrowUp : kSysGlyphArrowDown);
        const int nColor = !bEnabled ? XCLR_TEXT_DISABLED : (bHot ? XCLR_TEXT_ACTIVE : XCLR_TEXT_NORMAL);
        const COLORREF clrs[2] = {0, pPM->GetTranslatedColor(nColor, this)};
        CRect rcGlyph(rc);
        if (bPushed)
        {
            CSize sizePushed;
            pPM->GetPushedOffset(sizePushed);
            rcGlyph.OffsetRect(sizePushed);
        }
        pPM->PaintGlyphCentered(dc, rcGlyph, *g_arrSysCmdGlyphs[nGlyph], clrs);
        break;
    }
    default: break;
    }
}

// ---- click and drag ----------------------------------------------------------------------------------------------

void CExtBarSliderButton::OnClick(CPoint point, bool bDown)
{
    CExtToolControlBar* pBar = m_pBar;
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    CExtBarButton::OnClick(point, bDown);
    if (CExtToolControlBar::g_bHelpModeLoop)
        return;
    m_nPressedPart = -1;
    m_nHighlightedPart = -1;
    if (!bDown || GetMaxPos() == 0)
    {
        RedrawButton();
        return;
    }
    for (int nPart = kPartPageDecrease; nPart <= kPartThumb; ++nPart)
    {
        if (m_rcParts[nPart].PtInRect(point))
        {
            m_nPressedPart = nPart;
            break;
        }
    }
    RedrawButton();
    if (m_nPressedPart < 0)
        return;
    const bool bHorz = IsHorizontalLayout();
    long long nStep = 0;
    switch (m_nPressedPart)
    {
    case kPartPageDecrease: nStep = -(long long)std::max<UINT>(m_nPageSize, 1); break;
    case kPartPageIncrease: nStep = std::max<UINT>(m_nPageSize, 1); break;
    case kPartArrowDecrease: nStep = -1; break;
    case kPartArrowIncrease: nStep = 1; break;
    default: break;
    }
    const long long nMax = GetMaxPos();
    nStep = std::max(-nMax, std::min(nStep, nMax));
    const bool bDragging = m_nPressedPart == kPartThumb;
    const CRect& rcTrack = m_rcParts[kPartTrack];
    const CRect& rcThumb = m_rcParts[kPartThumb];
    const long long nFreeTrack =
        bHorz ? (long long)rcTrack.Width() - rcThumb.Width() : (long long)rcTrack.Height() - rcThumb.Height();
    if (bDragging)
    {
        // Nothing to drag along a track the thumb fills.
        if (nFreeTrack <= 0)
        {
            m_nPressedPart = -1;
            RedrawButton();
            return;
        }
        m_nHighlightedPart = kPartThumb;
    }
    const HWND hWndBar = pBar->GetSafeHwnd();
    CPoint ptStart;
    ::GetCursorPos(&ptStart);
    const long long nStartPos = m_nPos;
    pBar->CExtMouseCaptureSink::SetCapture(hWndBar);
    if (!bDragging)
        ::SetTimer(hWndBar, kTimerRepeat, kRepeatPeriod, nullptr);

    // The button may be deleted by a message pumped here: the bar window and its array tell.
    auto alive = [&]() {
        return ::IsWindow(hWndBar) && CWnd::FromHandlePermanent(hWndBar) == pBar && pBar->GetButtonIndex(this) >= 0;
    };
    auto applyPosition = [&]() {
        RecalcSliderLayout();
        m_nHighlightedPart = m_nPressedPart;
        RedrawButton(true);
    };
    bool bQuit = false;
    int nQuitCode = 0;
    bool bEnd = false;
    while (!bEnd && alive())
    {
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            ::WaitMessage();
            continue;
        }
        const bool bOurTimer = msg.message == WM_TIMER && msg.hwnd == hWndBar && msg.wParam == kTimerRepeat;
        if (msg.message == WM_QUIT)
        {
            ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
            bQuit = true;
            nQuitCode = (int)msg.wParam;
            break;
        }
        if (bOurTimer || (msg.message == WM_MOUSEMOVE && !bDragging))
        {
            if (!ButtonsAsRequired())
            {
                break;
            }
            ::PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
            CPoint pt;
            ::GetCursorPos(&pt);
            pBar->ScreenToClient(&pt);
            if (!m_rcParts[m_nPressedPart].PtInRect(pt))
            {
                // Off the pressed part the repeat pauses.
                if (m_nHighlightedPart != -1)
                {
                    m_nHighlightedPart = -1;
                    RedrawButton(true);
                }
            }
            else
            {
                StepBy(nStep);
                applyPosition();
            }
        }
        else if (msg.message == WM_MOUSEMOVE && bDragging)
        {
            if (!ButtonsAsRequired())
                break;
            ::PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
            CPoint pt;
            ::GetCursorPos(&pt);
            long long nOffset = bHorz ? (long long)pt.x - ptStart.x : (long long)pt.y - ptStart.y;
            nOffset = std::max(-nFreeTrack, std::min(nOffset, nFreeTrack));
            const long long nMaxNow = GetMaxPos();
            long long nPos = nStartPos + MulDiv64(nMaxNow, nOffset, nFreeTrack);
            m_nPos = (UINT)std::min(std::max(nPos, 0LL), nMaxNow);
            applyPosition();
        }
        else if (msg.message == WM_ACTIVATEAPP || msg.message == WM_CANCELMODE || msg.message == WM_KEYDOWN ||
                 msg.message == WM_KEYUP || (msg.message >= WM_LBUTTONUP && msg.message <= WM_MBUTTONDBLCLK) ||
                 (msg.message == WM_CAPTURECHANGED && msg.hwnd != hWndBar))
            bEnd = true;
        else
        {
            if (!ButtonsAsRequired())
                break;
            // Only the peeked message: a release that came since stays for this loop.
            AfxPumpPeekedMessage(msg);
        }
        if (!alive())
            break;
        if (GetMaxPos() == 0)
            bEnd = true;
    }
    if (alive())
    {
        ::KillTimer(hWndBar, kTimerRepeat);
        m_nPressedPart = -1;
        m_nHighlightedPart = -1;
        RedrawButton();
        if (CExtMouseCaptureSink::GetCaptureHWND() == hWndBar)
            ::ReleaseCapture();
    }
    else if (::IsWindow(hWndBar))
        ::KillTimer(hWndBar, kTimerRepeat);
    if (bQuit)
        ::PostQuitMessage(nQuitCode);
}
