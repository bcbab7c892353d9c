// CExtBarButton: measuring, the drop-down part, the icon and painting.
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
// The text as drawn: "&&" kept as one "&", a single "&" removed.
CString StripMnemonics(const CString& sText)
{
    CString sOut;
    const int nLen = sText.GetLength();
    for (int i = 0; i < nLen; i++)
    {
        const wchar_t ch = sText[i];
        if (ch == L'&')
        {
            if (i + 1 < nLen && sText[i + 1] == L'&')
            {
                sOut += L'&';
                i++;
            }
            continue;
        }
        sOut += ch;
    }
    return sOut;
}

bool IsInMenuBar(const CExtToolControlBar* pBar)
{
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CExtMenuControlBar));
}
} // namespace

bool CExtBarButton::HasDropDownPart() const { return IsMenuButton(0) && !IsInMenuBar(m_pBar); }

CRect CExtBarButton::GetDropDownRect() const
{
    CRect rc = m_rc;
    const bool bVert = !IsKeepHorizontal() && (m_bf1 & kVertDocked) != 0;
    if (!bVert)
        rc.left = rc.right - (g_glyphExpandArrowH.GetWidth() + 6);
    else
        rc.top = rc.bottom - (g_glyphDropDownArrowV.GetHeight() + 6);
    return rc;
}

CExtCmdIcon* CExtBarButton::GetIconPtr() const
{
    LPCTSTR lpszProfile = GetProfileName();
    if (lpszProfile == nullptr)
        return nullptr;
    return g_CmdManagerHolder->GetCommandIcon(lpszProfile, GetCmdID(true));
}

CSize CExtBarButton::MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal)
{
    if (IsKeepHorizontal())
        bHorizontal = true;
    if (m_pCtrl != nullptr && m_pCtrl->GetSafeHwnd() != nullptr && IsCtrlShownInLayout())
    {
        // A control without a window measures like a plain button.
        CRect rcCtrl;
        m_pCtrl->GetWindowRect(&rcCtrl);
        m_size = CSize(rcCtrl.Width(), rcCtrl.Height() < sizePreCalc.cy ? sizePreCalc.cy : rcCtrl.Height());
        return m_size;
    }
    CSize size = sizePreCalc;
    if (IsSeparator())
    {
        if (bHorizontal)
            size.cx = CExtToolControlBar::kSeparatorExtent;
        else
            size.cy = CExtToolControlBar::kSeparatorExtent;
    }
    else
    {
        if (!HasCmdItem())
        {
            m_size = sizePreCalc;
            return m_size;
        }
        CSize sizeIcon(0, 0);
        CExtCmdIcon* pIcon = GetIconPtr();
        if (pIcon != nullptr && !pIcon->IsEmpty())
        {
            sizeIcon = pIcon->GetSize();
            if (IsLargeIcons())
                sizeIcon = CSize(sizeIcon.cx * 2, sizeIcon.cy * 2);
        }
        CSize sizeContent = sizeIcon;
        const CString sText = GetText();
        if (!sText.IsEmpty())
        {
            const CString sDrawn = StripMnemonics(sText);
            CRect rcText(0, 0, 0, 0);
            dc.DrawText(sDrawn, &rcText, DT_CALCRECT | DT_SINGLELINE);
            if (bHorizontal)
            {
                sizeContent.cx = sizeIcon.cx + rcText.Width() + 6;
                sizeContent.cy = std::max<int>(sizeIcon.cy, rcText.Height());
            }
            else
            {
                sizeContent.cx = std::max<int>(sizeIcon.cx, rcText.Height());
                sizeContent.cy = sizeIcon.cy + rcText.Width() + 3;
            }
        }
        size.cx = std::max<int>(sizePreCalc.cx, sizeContent.cx + 6);
        size.cy = std::max<int>(sizePreCalc.cy, sizeContent.cy + 6);
    }
    if (HasDropDownPart())
    {
        if (bHorizontal)
            size.cx += g_glyphExpandArrowH.GetWidth() + 6;
        else
            size.cy += g_glyphDropDownArrowV.GetHeight() + 6;
    }
    m_size = size;
    return m_size;
}

CExtCmdIcon* CExtBarButton::GetPaintIcon(CExtCmdIcon& iconLarge) const
{
    CExtCmdIcon* pIcon = GetIconPtr();
    if (pIcon != nullptr && IsLargeIcons() && !pIcon->IsEmpty())
    {
        const CSize sizeIcon = pIcon->GetSize();
        if (iconLarge.CreateScaledCopy(*pIcon, sizeIcon.cx * 2, sizeIcon.cy * 2))
            return &iconLarge;
    }
    return pIcon;
}

void CExtBarButton::PaintButton(CDC& dc, bool bHorizontal)
{
    if (IsKeepHorizontal())
        bHorizontal = true;
    if (m_pCtrl != nullptr && m_pCtrl->GetSafeHwnd() != nullptr && IsCtrlShownInLayout())
        return;
    if (m_rc.IsRectEmpty() || !IsVisible() || (GetStyle() & TBBS_HIDDEN) != 0 || !dc.RectVisible(&m_rc))
        return;
    const bool bPushed = IsPressed();
    const bool bEnabled = !IsDisabled();
    const bool bIndeterminate = IsIndeterminate();
    bool bHover = IsHover() || IsMenuTracked();
    if (CExtToolControlBar::g_bMenuTracking || CExtPopupMenuWnd::IsMenuTracking())
        bHover = false;
    CExtCmdIcon iconLarge;
    CExtCmdIcon* pIcon = GetPaintIcon(iconLarge);
    const bool bDropDown = HasDropDownPart();
    CFont* pFont = m_pBar != nullptr ? m_pBar->GetToolBarFont(!bHorizontal) : nullptr;
    const CString sText = GetText();
    CExtPaintManager::PushButtonPaintData data(
        this, bHorizontal, m_rc, sText, pIcon, true, bHover, bPushed, bIndeterminate, bEnabled, true, false, false, 5,
        pFont != nullptr ? (HFONT)*pFont : nullptr, bDropDown, 0, !bEnabled || (!bHover && !bPushed));
    if (IsSplitDropDown())
    {
        data.m_bSplitDropDown = true;
        if (bPushed && ((m_bf2 & kPressedOnDropDown) != 0 || CExtToolControlBar::g_bMenuTracking))
            data.m_bDropDownPushed = true;
    }
    g_PaintManagerHolder->PaintPushButton(dc, data);
}
