// CExtPopupMenuWnd: painting: the menu with its items, bands, left area, combined owner part and
// shadows; the parent item's part of a sub-menu; the frames of the opening animation.
#include "platform/Dc.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuInplaceEdit.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>
#include <cstdlib>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;
typedef CExtPopupMenuWnd::VisibleItemDefinition_t VisibleItemDefinition_t;

namespace
{
constexpr int kInnerShadowPercent = 75;
constexpr int kOuterShadowPercent = 100;
constexpr int kCell = 32;

COLORREF Blend(COLORREF clrScreen, COLORREF clrImage, int nPercent)
{
    auto ch = [&](int nShift) {
        const int s = (clrScreen >> nShift) & 0xFF;
        const int i = (clrImage >> nShift) & 0xFF;
        return (COLORREF)((s * (100 - nPercent) / 100 + i * nPercent / 100) & 0xFF) << nShift;
    };
    return ch(16) | ch(8) | ch(0);
}
} // namespace

// ---- the whole menu ---------------------------------------------------------------------------------

bool CExtPopupMenuWnd::IsReceiverPaintingAllowed() const
{
    if (IsEmbeddedTracking())
        return false;
    const CExtPopupMenuWnd* pTop = g_TrackingSite.GetInstance();
    return pTop != nullptr && (pTop->m_nTrackFlags & TRACK_OWNER_DRAW) != 0;
}

CRect CExtPopupMenuWnd::OwnerRectInWindow() const
{
    CRect rcOwner(0, 0, 0, 0);
    if (GetSafeHwnd() == nullptr)
        return rcOwner;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcOwner = m_rcExclude;
    rcOwner.OffsetRect(-rcWindow.left, -rcWindow.top);
    return rcOwner;
}

void CExtPopupMenuWnd::PaintShadows(CDC& dc, const CRect& rcClient, const CRect& rcOwner, bool bCombined)
{
    const int nShadow = GetShadowSize();
    m_ShadowMain.Paint(dc, rcClient, rcOwner, CRect(0, 0, 0, 0), nShadow, kInnerShadowPercent, kOuterShadowPercent,
                       true, true, false);
    if (bCombined)
        m_ShadowCMBA.Paint(dc, rcOwner, rcClient, CRect(0, 0, 0, 0), nShadow, kInnerShadowPercent, kOuterShadowPercent,
                           true, true, false);
}

void CExtPopupMenuWnd::PaintMenu(CDC& dc, bool bUseBackBuffer)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CRect rcWnd(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rcWnd);
    else
        rcWnd.SetRect(0, 0, m_rcClient.right + GetShadowSize(), m_rcClient.bottom + GetShadowSize());
    if (rcWnd.IsRectEmpty())
        return;

    CDC dcMem;
    CBitmap bmpMem;
    CDC* pDC = &dc;
    HGDIOBJ hOldBmp = nullptr;
    if (bUseBackBuffer && dcMem.CreateCompatibleDC(&dc) &&
        bmpMem.CreateCompatibleBitmap(&dc, rcWnd.Width(), rcWnd.Height()))
    {
        hOldBmp = ::SelectObject(dcMem.GetSafeHdc(), (HBITMAP)bmpMem);
        pDC = &dcMem;
    }
    HPALETTE hOldPal = nullptr;
    if (pPM->m_palette.GetSafeHandle() != nullptr && (::GetDeviceCaps(pDC->GetSafeHdc(), RASTERCAPS) & RC_PALETTE))
    {
        hOldPal = ::SelectPalette(pDC->GetSafeHdc(), (HPALETTE)pPM->m_palette.GetSafeHandle(), FALSE);
        ::RealizePalette(pDC->GetSafeHdc());
    }
    CDC& d = *pDC;
    // What lay under the window shows where the menu does not paint (shadow, owner part).
    PaintScreenBefore(d.GetSafeHdc(), rcWnd.Width(), rcWnd.Height());

    const CRect rcClient = m_rcClient;
    // The face under the items and between them; the paint manager frames it. A popup joined to
    // its owner gets the frame open on the owner's side, before the items: the frame fills the face.
    const bool bCombined = (m_nBaseFlags & BASE_FLAG_COMBINED) != 0 && m_nCombinedSide != COMBINE_NONE;
    d.FillSolidRect(&rcClient, pPM->GetTranslatedColor(XCLR_FACE_NORMAL, this, 0));
    if (bCombined)
        pPM->PaintMenuPart51(d, rcClient, OwnerRectInWindow(), m_nCombinedSide, this, 0);
    else
        pPM->PaintMenuPart49(d, rcClient, this, 0);

    const int nBorder = GetMenuBorderSize();
    CRect rcItems(rcClient);
    rcItems.DeflateRect(nBorder, nBorder);
    const bool bScrollUp = IsScrollingOn() && m_nScrollPos != 0 && !m_rcScrollUp.IsRectEmpty();
    const bool bScrollDown = IsScrollingOn() && m_nScrollPos != GetMinScrollPos() && !m_rcScrollDown.IsRectEmpty();
    const bool bExpand = HasHiddenItems() && !m_rcExpandButton.IsRectEmpty();
    const int nSaved = ::SaveDC(d.GetSafeHdc());
    d.IntersectClipRect(&rcItems);
    if (bExpand)
        d.ExcludeClipRect(&m_rcExpandButton);
    if (bScrollUp)
        d.ExcludeClipRect(&m_rcScrollUp);
    if (bScrollDown)
        d.ExcludeClipRect(&m_rcScrollDown);

    VisibleItemsList_t list;
    CollectVisibleItems(&d, list);
    bool bPrevWithoutIconBox = false;
    for (int i = 0; i < list.GetSize(); ++i)
    {
        const VisibleItemDefinition_t& vi = list[i];
        const MENUITEMDATA& mi = m_items[vi.m_nIndex];
        if ((vi.m_dwFlags & VisibleItemDefinition_t::VIS_SEPARATOR) == 0)
        {
            if (!PaintItemByReceiver(d, vi, g_bShadeRarelyUsed))
                PaintItemDefault(d, vi, (mi.m_nFlags & MENUITEMDATA::kFlagHighlighted) != 0);
            bPrevWithoutIconBox = mi.IsNoIconBox();
            continue;
        }
        const bool bRare = g_bShadeRarelyUsed && (vi.m_dwFlags & VisibleItemDefinition_t::VIS_RARELY_USED) != 0;
        if (bPrevWithoutIconBox)
            pPM->PaintSeparator(d, vi.m_rcItem, true, true, this, 0);
        else
            pPM->PaintMenuSeparator(d, vi.m_rcItem, mi.GetIconAreaWidth(), bRare, this, 0);
        bPrevWithoutIconBox = false;
    }
    ::RestoreDC(d.GetSafeHdc(), nSaved);

    POINT ptCursor = {-1, -1};
    if (GetSafeHwnd() != nullptr && ::GetCursorPos(&ptCursor))
        ScreenToClient(&ptCursor);
    if (bExpand)
        pPM->PaintMenuExpandButton(d, m_rcExpandButton,
                                   m_nCurIndex == AREA_EXPAND || m_rcExpandButton.PtInRect(ptCursor), false, this, 0);
    auto paintBand = [&](const CRect& rc, bool bUp) {
        const bool bPushed = bUp ? m_nScrollStep > 0 : m_nScrollStep < 0;
        const bool bHot = rc.PtInRect(ptCursor) != FALSE;
        // Marlett's arrows: 5 up, 6 down.
        CExtPaintManager::PushButtonPaintData pbd(this, true, rc, bUp ? L"5" : L"6", nullptr, true, bHot,
                                                  bPushed || bHot, false, true, false, false, false, 1 | 4,
                                                  (HFONT)pPM->m_fontMarlett.GetSafeHandle());
        pPM->PaintPushButton(d, pbd);
    };
    if (bScrollUp)
        paintBand(m_rcScrollUp, true);
    if (bScrollDown)
        paintBand(m_rcScrollDown, false);

    if (m_nLeftAreaWidth > 0 && m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver))
    {
        DrawLeftAreaData_t lad;
        lad.m_pDC = &d;
        lad.m_pPopup = this;
        lad.m_rcLeftArea.SetRect(rcItems.left, rcItems.top, rcItems.left + m_nLeftAreaWidth, rcItems.bottom);
        ::SendMessageW(m_hWndCmdReceiver, g_nMsgPopupDrawLeftArea, 0, (LPARAM)&lad);
    }

    CRect rcOwner(0, 0, 0, 0);
    if (bCombined && GetSafeHwnd() != nullptr)
    {
        rcOwner = OwnerRectInWindow();
        if (m_pCbPaintCombinedContent != nullptr)
            m_pCbPaintCombinedContent(m_pCbPaintCombinedCookie, d, *this, rcOwner);
    }

    if (IsShadowEnabled())
        PaintShadows(d, rcClient, rcOwner, bCombined);

    if (hOldPal != nullptr)
        ::SelectPalette(pDC->GetSafeHdc(), hOldPal, FALSE);
    if (pDC != &dc)
    {
        ::BitBlt(dc.GetSafeHdc(), 0, 0, rcWnd.Width(), rcWnd.Height(), dcMem.GetSafeHdc(), 0, 0, SRCCOPY);
        ::SelectObject(dcMem.GetSafeHdc(), hOldBmp);
    }
}

// ---- items ---------------------------------------------------------------------------------------------

bool CExtPopupMenuWnd::PaintItemByReceiver(CDC& dc, const VisibleItemDefinition_t& vi, bool bRarelyUsedFlags)
{
    if (!IsReceiverPaintingAllowed() || m_hWndCmdReceiver == nullptr || !::IsWindow(m_hWndCmdReceiver))
        return false;
    DrawItemData_t did;
    did.m_pDC = &dc;
    did.m_pPopup = this;
    did.m_pVisibleItem = &vi;
    did.m_rcItem = vi.m_rcItem;
    did.m_rcItemInner = vi.m_rcItemInner;
    did.m_nFlags = DrawItemData_t::DRAW_RECEIVER_MAY_PAINT;
    if ((vi.m_dwFlags & VisibleItemDefinition_t::VIS_POPUP) != 0)
        did.m_nFlags |= DrawItemData_t::DRAW_POPUP;
    if (bRarelyUsedFlags)
    {
        if ((vi.m_dwFlags & VisibleItemDefinition_t::VIS_RARELY_USED) != 0)
            did.m_nFlags |= DrawItemData_t::DRAW_RARELY_USED;
        if ((vi.m_dwFlags & VisibleItemDefinition_t::VIS_PREV_RARELY_USED) != 0)
            did.m_nFlags |= DrawItemData_t::DRAW_PREV_RARELY_USED;
        if ((vi.m_dwFlags & VisibleItemDefinition_t::VIS_NEXT_RARELY_USED) != 0)
            did.m_nFlags |= DrawItemData_t::DRAW_NEXT_RARELY_USED;
    }
    return ::SendMessageW(m_hWndCmdReceiver, g_nMsgPopupDrawItem, 0, (LPARAM)&did) != 0;
}

namespace
{
// An edit item's text field while its edit window is hidden: the style's edit frame (a combo frame
// with its drop-down button for a sub-menu item) at the field's rectangle (m_nLayoutValues) and the
// field's text (m_strCustomText), clipped, left-aligned, in the menu font; greyed when disabled.
void PaintItemEditPart(CDC& dc, CObject* pHelperSrc, const CWnd* pEdit, const CExtPaintManager::MenuItemPaintData& mipd)
{
    const CRect rcEdit(mipd.m_nLayoutValues[0], mipd.m_nLayoutValues[1], mipd.m_nLayoutValues[2],
                       mipd.m_nLayoutValues[3]);
    if (rcEdit.IsRectEmpty() || (pEdit != nullptr && pEdit->GetSafeHwnd() != nullptr && pEdit->IsWindowVisible()))
        return;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CRect rcFill(rcEdit);
    rcFill.DeflateRect(2, 2, mipd.m_bPopup ? 0 : 2, 2);
    dc.FillSolidRect(&rcFill, pPM->GetTranslatedColor(COLOR_WINDOW, pHelperSrc, 0));
    if (mipd.m_bPopup)
    {
        // The drop-down button takes the room the edit rectangle leaves at its right.
        CRect rcCombo(rcEdit);
        rcCombo.right += ::GetSystemMetrics(SM_CXHTHUMB) + 1;
        CExtPaintManager::ComboFramePaintData cfd(pHelperSrc, rcCombo, mipd.m_bSelected, false, mipd.m_bEnabled);
        pPM->PaintComboFrame(dc, cfd);
    }
    else
    {
        // The edit frame's five rings lie inside the field: the outermost on its edge.
        CRect rcInner(rcEdit);
        rcInner.DeflateRect(4, 4);
        if (rcInner.left <= rcInner.right && rcInner.top <= rcInner.bottom)
        {
            CExtPaintManager::EditFramePaintData efd(pHelperSrc, rcInner, true, mipd.m_bSelected, mipd.m_bEnabled,
                                                     false);
            pPM->PaintEditFrame(dc, efd);
        }
    }
    if (mipd.m_strCustomText.IsEmpty())
        return;
    CRect rcText(rcEdit);
    rcText.DeflateRect(4, 2, 2, 2);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld =
        dc.SetTextColor(pPM->GetTranslatedColor(mipd.m_bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT, pHelperSrc, 0));
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), (HFONT)pPM->m_fontNormal.GetSafeHandle());
    ::DrawTextW(dc.GetSafeHdc(), mipd.m_strCustomText, mipd.m_strCustomText.GetLength(), &rcText,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
}
} // namespace

void CExtPopupMenuWnd::PaintItemDefault(CDC& dc, const VisibleItemDefinition_t& vi, bool bHighlighted, bool bPaintText,
                                        bool bPaintIcon)
{
    MENUITEMDATA& mi = m_items[vi.m_nIndex];
    const CString sText = bPaintText ? mi.GetText() : CString();
    const CString sAccel = bPaintText ? mi.GetAccelText() : CString();
    CExtCmdIcon* pIcon = bPaintIcon ? mi.GetIcon() : nullptr;
    const bool bCommand = !mi.IsPopup() && !mi.IsSeparator();
    const bool bEnabled =
        (mi.IsPopup() && mi.GetCmdID() == MENUITEMDATA::CMD_POPUP) || mi.IsAlwaysEnabled() || mi.IsEnabled();
    const bool bShade = g_bShadeRarelyUsed;
    CExtPaintManager::MenuItemPaintData mipd(
        this, vi.m_rcItem, vi.m_rcItemInner, mi.GetIconAreaWidth(), sText, sAccel, pIcon, mi.IsPopup(), bHighlighted,
        bCommand && mi.GetCheck(), bCommand && mi.GetRadio(), bCommand && mi.GetIndeterminate(), bEnabled,
        bShade && (vi.m_dwFlags & VisibleItemDefinition_t::VIS_RARELY_USED) != 0,
        bShade && (vi.m_dwFlags & VisibleItemDefinition_t::VIS_PREV_RARELY_USED) != 0,
        bShade && (vi.m_dwFlags & VisibleItemDefinition_t::VIS_NEXT_RARELY_USED) != 0, vi.m_nCmdID);
    mipd.m_bSecondBit6 = (mi.m_nFlags & MENUITEMDATA::kFlagExtraPaint) != 0;
    mipd.m_bNoIconColumn = mi.IsNoIconBox();
    if (mi.IsInplaceEdit())
    {
        CRect rcEdit;
        GetItemEditRect(vi.m_nIndex, rcEdit);
        mipd.m_nLayoutValues[0] = rcEdit.left;
        mipd.m_nLayoutValues[1] = rcEdit.top;
        mipd.m_nLayoutValues[2] = rcEdit.right;
        mipd.m_nLayoutValues[3] = rcEdit.bottom;
        if ((mi.m_nEditFlags & MENUITEMDATA::kEditUseOwnText) != 0)
            mipd.m_strCustomText = mi.m_sInplaceEditText;
        else
            mipd.m_strCustomText = mi.m_pEditTextTarget != nullptr ? *mi.m_pEditTextTarget : CString();
    }
    if (mi.m_pCbItemClick != nullptr && !IsContextHelpMode())
    {
        mipd.m_bCustomFlag = true;
        mipd.m_bSecondBit7 = (mi.m_nFlags2 & MENUITEMDATA::kFlag2Pressed) != 0;
    }
    if (mi.IsPopup() && mi.GetPopup() != nullptr && mi.GetPopup()->GetSafeHwnd() != nullptr &&
        mi.GetPopup()->IsWindowVisible())
        mipd.m_bSubmenuApart = true;
    g_PaintManagerHolder->PaintMenuItem(dc, mipd);
    if (mi.IsInplaceEdit())
        PaintItemEditPart(dc, this, mi.m_pInplaceEditWnd, mipd);
}

void CExtPopupMenuWnd::PaintParentItemArea(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea)
{
    if (rcArea.IsRectEmpty() || !wndPopup.IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)))
        return;
    const CExtPopupMenuWnd& popup = (const CExtPopupMenuWnd&)wndPopup;
    CExtPopupMenuWnd* pParent = popup.m_pWndParentMenu;
    const int nIndex = (int)(INT_PTR)pCookie;
    if (pParent == nullptr || nIndex < 0 || nIndex >= pParent->GetItemCount())
        return;
    VisibleItemDefinition_t vi;
    vi.m_nIndex = nIndex;
    vi.m_nCmdID = (UINT)pParent->m_items[nIndex].GetCmdID();
    if (pParent->m_items[nIndex].IsPopup())
        vi.m_dwFlags |= VisibleItemDefinition_t::VIS_POPUP;
    CRect rcInner;
    pParent->GetItemRect(nIndex, rcInner, true);
    if (rcInner.IsRectEmpty())
        return;
    const CPoint ptShift(rcArea.left - rcInner.left, rcArea.top - rcInner.top);
    pParent->GetItemRect(nIndex, vi.m_rcItem, false);
    vi.m_rcItem.OffsetRect(ptShift);
    vi.m_rcItemInner = rcInner;
    vi.m_rcItemInner.OffsetRect(ptShift);
    CRect rcClip;
    wndPopup.GetClientRect(&rcClip);
    const int nSaved = ::SaveDC(dc.GetSafeHdc());
    dc.IntersectClipRect(&rcClip);
    if (!pParent->PaintItemByReceiver(dc, vi, false))
        pParent->PaintItemDefault(dc, vi, true);
    ::RestoreDC(dc.GetSafeHdc(), nSaved);
}

// ---- animation frames --------------------------------------------------------------------------------

void CExtPopupMenuWnd::PaintAnimationFrame(CDC& dc)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM->m_palette.GetSafeHandle() != nullptr && (::GetDeviceCaps(dc.GetSafeHdc(), RASTERCAPS) & RC_PALETTE))
    {
        ::SelectPalette(dc.GetSafeHdc(), (HPALETTE)pPM->m_palette.GetSafeHandle(), FALSE);
        ::RealizePalette(dc.GetSafeHdc());
    }
    CRect rcWnd(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rcWnd);
    const int cx = rcWnd.Width();
    const int cy = rcWnd.Height();
    if (cx <= 0 || cy <= 0)
        return;
    HDC hDC = dc.GetSafeHdc();
    if (m_pImageBits == nullptr || m_pScreenBits == nullptr || m_pWorkBits == nullptr)
    {
        CExtPopupBaseWnd::ClearShadowCache();
        HBITMAP hScreen = PlatformCreateTopDownDib32(hDC, cx, cy, &m_pScreenBits);
        HBITMAP hWork = PlatformCreateTopDownDib32(hDC, cx, cy, &m_pWorkBits);
        HBITMAP hImage = PlatformCreateTopDownDib32(hDC, cx, cy, &m_pImageBits);
        if (hScreen != nullptr)
            m_bmpScreen.Attach(hScreen);
        if (hWork != nullptr)
            m_bmpWork.Attach(hWork);
        if (hImage != nullptr)
            m_bmpImage.Attach(hImage);
        if (hScreen == nullptr || hWork == nullptr || hImage == nullptr)
        {
            // No pixels to compose: the animation ends here.
            CExtPopupBaseWnd::ClearShadowCache();
            m_nAnimFlags |= ANIM_FLAG_FINISHED;
            if (GetSafeHwnd() != nullptr)
                KillTimer(ID_TIMER_ANIMATION);
            PaintMenu(dc, true);
            return;
        }
        HDC hMem = ::CreateCompatibleDC(hDC);
        HGDIOBJ hOld = ::SelectObject(hMem, hScreen);
        if (!PaintScreenBefore(hMem, cx, cy))
        {
            CRect rcWindow;
            GetWindowRect(&rcWindow);
            HDC hScreenDC = ::GetDC(nullptr);
            ::BitBlt(hMem, 0, 0, cx, cy, hScreenDC, rcWindow.left, rcWindow.top, SRCCOPY);
            ::ReleaseDC(nullptr, hScreenDC);
        }
        ::SelectObject(hMem, hImage);
        {
            CDC dcImage;
            dcImage.Attach(hMem);
            PaintMenu(dcImage, false);
            dcImage.Detach();
        }
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        ::GdiFlush();
        std::copy(m_pScreenBits, m_pScreenBits + cx * cy, m_pWorkBits);
    }
    ComposeAnimationFrame(cx, cy);
    ::GdiFlush();
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, (HBITMAP)m_bmpWork);
    ::BitBlt(hDC, 0, 0, cx, cy, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
}

void CExtPopupMenuWnd::ComposeAnimationFrame(int cx, int cy)
{
    const int p = std::max(0, std::min(100, m_nAnimPercent));
    const CRect rcArea = m_rcClient;
    const int w = rcArea.Width();
    const int h = rcArea.Height();
    const bool bAnchorRight = m_nCombinedSide == COMBINE_LEFT_OF;
    const bool bAnchorBottom = m_nCombinedSide == COMBINE_ABOVE;
    const int nStep = std::max(1, m_nAnimPercent - m_nAnimPercentOld);
    for (int y = 0; y < cy; ++y)
    {
        for (int x = 0; x < cx; ++x)
        {
            const int n = y * cx + x;
            const COLORREF clrImage = m_pImageBits[n];
            if (!rcArea.PtInRect(CPoint(x, y)))
            {
                // The owner's part and the shadow show at once.
                m_pWorkBits[n] = clrImage;
                continue;
            }
            const int rx = x - rcArea.left;
            const int ry = y - rcArea.top;
            COLORREF& out = m_pWorkBits[n];
            const COLORREF clrScreen = m_pScreenBits[n];
            switch (m_nAnimationKind)
            {
            case ANIM_INSTANT: out = clrScreen; break;
            case ANIM_SLIDE:
            case ANIM_SLIDE_VERT:
            {
                const int dx = m_nAnimationKind == ANIM_SLIDE ? (100 - p) * w / 100 : 0;
                const int dy = (100 - p) * h / 100;
                int sx, sy;
                bool bIn;
                if (bAnchorRight)
                {
                    sx = rx - dx;
                    bIn = rx >= dx;
                }
                else
                {
                    sx = rx + dx;
                    bIn = rx < w - dx;
                }
                if (bAnchorBottom)
                {
                    sy = ry - dy;
                    bIn = bIn && ry >= dy;
                }
                else
                {
                    sy = ry + dy;
                    bIn = bIn && ry < h - dy;
                }
                out = bIn ? m_pImageBits[(sy + rcArea.top) * cx + sx + rcArea.left] : clrScreen;
                break;
            }
            case ANIM_UNFOLD:
            case ANIM_ROLL:
            {
                const int ww = m_nAnimationKind == ANIM_UNFOLD ? std::max(1, w * p / 100) : w;
                const int hh = std::max(1, h * p / 100);
                const int ox = bAnchorRight ? w - ww : 0;
                const int oy = bAnchorBottom ? h - hh : 0;
                if (rx >= ox && rx < ox + ww && ry >= oy && ry < oy + hh)
                {
                    const int sx = (rx - ox) * w / ww;
                    const int sy = (ry - oy) * h / hh;
                    out = m_pImageBits[(sy + rcArea.top) * cx + sx + rcArea.left];
                }
                else
                {
                    out = clrScreen;
                }
                break;
            }
            case ANIM_DISSOLVE:
                if (std::rand() % nStep > nStep / 2 + 1)
                    out = clrImage;
                break;
            case ANIM_TILES:
            {
                const int nRow = ry % kCell;
                const int nCol = rx % kCell;
                out = (100 - nRow * 100 / kCell < p || nCol * 100 / kCell < p) ? clrImage : clrScreen;
                break;
            }
            case ANIM_CIRCLES:
            case ANIM_HOLES:
            {
                const int ddx = rx % kCell - kCell / 2;
                const int ddy = ry % kCell - kCell / 2;
                const int nDist2 = ddx * ddx + ddy * ddy;
                bool bImage;
                if (m_nAnimationKind == ANIM_CIRCLES)
                {
                    const int r = p * 16 / 100;
                    bImage = nDist2 < r * r;
                }
                else
                {
                    const int r = (100 - p) * 16 / 100;
                    bImage = nDist2 >= r * r;
                }
                out = bImage ? clrImage : clrScreen;
                break;
            }
            case ANIM_FADE:
            case ANIM_EXPAND:
            default: out = Blend(clrScreen, clrImage, p); break;
            }
        }
    }
}
