// CExtPaintManager small answers of the base style: kind, scheme queries, tab item colours, text
// height, icon variant and label answers, and the undo/redo caption.
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

int CExtPaintManager::GetThemeKind() { return 1; }

int CExtPaintManager::GetPopupMenuItemGap() { return 6; }

void CExtPaintManager::GetOneNoteTabItemColors(bool bSelected, bool bHighlighted, COLORREF& clrFill,
                                               COLORREF& clrBorder, COLORREF& clrGradient1, COLORREF& clrGradient2,
                                               COLORREF& clrText)
{
    if (bHighlighted)
    {
        clrFill = clrBorder = clrText = RGB(0, 0, 128);
        clrGradient1 = RGB(233, 233, 244);
        clrGradient2 = RGB(179, 179, 217);
        return;
    }
    clrFill = GetTranslatedColor(bSelected ? COLOR_WINDOW : COLOR_3DFACE, this, 0);
    clrBorder = GetTranslatedColor(COLOR_3DSHADOW, this, 0);
    clrGradient1 = clrGradient2 = GetTranslatedColor(COLOR_3DFACE, this, 0);
    clrText = GetTranslatedColor(COLOR_BTNTEXT, this, 0);
}

void CExtPaintManager::GetWhidbeyTabItemColors(bool bSelected, bool bSecondFlag, COLORREF& clrBorder,
                                               COLORREF& clrGradient1, COLORREF& clrGradient2, COLORREF& clrText)
{
    (void)bSecondFlag;
    clrBorder = GetTranslatedColor(COLOR_3DSHADOW, this, 0);
    clrText = GetTranslatedColor(COLOR_BTNTEXT, this, 0);
    clrGradient1 = clrGradient2 = GetTranslatedColor(bSelected ? COLOR_WINDOW : COLOR_3DLIGHT, this, 0);
}

bool CExtPaintManager::UseSystemThemeColors() { return false; }

int CExtPaintManager::GetSystemThemeScheme() { return g_PaintManagerHolder.m_eLunaScheme; }

COLORREF CExtPaintManager::GetBaseTranslatedColor(CObject* pHelperSrc, LPARAM lParam)
{
    return GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam);
}

CSize CExtPaintManager::GetToolBarLayoutExtra(CObject* pBar)
{
    (void)pBar;
    return CSize(0, 0);
}

COLORREF CExtPaintManager::GetIconVariantColor() { return (COLORREF)-1; }

double CExtPaintManager::GetIconVariantFactor() { return 0.0; }

COLORREF CExtPaintManager::GetLabelTextColor(CDC& dc, bool bEnabled, bool bFocused, bool bHover, bool bPushed,
                                             CObject* pHelperSrc, LPARAM lParam)
{
    (void)dc;
    (void)bEnabled;
    (void)bFocused;
    (void)bHover;
    (void)bPushed;
    (void)pHelperSrc;
    (void)lParam;
    return (COLORREF)-1;
}

bool CExtPaintManager::PaintCheckOrRadioBox(CDC& dc, int nLeft, int nTop, int nRight, int nBottom, int nState,
                                            CObject* pHelperSrc, LPARAM lParam)
{
    (void)dc;
    (void)nLeft;
    (void)nTop;
    (void)nRight;
    (void)nBottom;
    (void)nState;
    (void)pHelperSrc;
    (void)lParam;
    return false;
}

int CExtPaintManager::GetTextHeight(bool bHorz)
{
    (void)bHorz; // both orientations measure the normal font
    HDC hDC = ::GetDC(nullptr);
    if (hDC == nullptr)
        return 2;
    HGDIOBJ hOld = ::SelectObject(hDC, m_fontNormal.GetSafeHandle() != nullptr ? m_fontNormal.GetSafeHandle()
                                                                               : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return tm.tmHeight + 2;
}

void CExtPaintManager::PaintUndoRedoCaption(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc,
                                            LPARAM lParam)
{
    PaintUndoRedoCaptionBody(dc, rc, pszText, pHelperSrc, lParam, true);
}

void CExtPaintManager::PaintUndoRedoCaptionBody(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc,
                                                LPARAM lParam, bool bFramed)
{
    CExtPaintManager* pInstalled = g_PaintManagerHolder.GetPM();
    if (pInstalled == nullptr)
        pInstalled = this;
    dc.FillSolidRect(&rc, pInstalled->GetBaseTranslatedColor(pInstalled, 0));

    CRect rcFrame(rc);
    if (bFramed)
    {
        rcFrame.DeflateRect(3, 3);
        rcFrame.OffsetRect(0, 1);
        dc.Draw3dRect(&rcFrame, GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam),
                      GetTranslatedColor(COLOR_WINDOW, pHelperSrc, lParam));
    }

    LOGFONTW lf;
    ::ZeroMemory(&lf, sizeof(lf));
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0);
    lf.lfWeight = FW_NORMAL;
    HFONT hFont = ::CreateFontIndirectW(&lf);
    HDC hDC = dc.GetSafeHdc();
    HGDIOBJ hOldFont = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    const COLORREF clrOldText = ::SetTextColor(hDC, GetTranslatedColor(COLOR_WINDOWTEXT, pHelperSrc, lParam));

    CString strText(pszText != nullptr ? pszText : L"");
    const UINT nFlags = strText.Find(L'\t') >= 0 ? DT_EXPANDTABS : 0;
    CRect rcMeasure(rc);
    ::DrawTextW(hDC, strText, strText.GetLength(), &rcMeasure, nFlags | DT_CALCRECT);
    CRect rcText(rcFrame);
    rcText.left += (rcFrame.Width() - rcMeasure.Width()) / 2;
    rcText.top += (rcFrame.Height() - rcMeasure.Height()) / 2;
    ::DrawTextW(hDC, strText, strText.GetLength(), &rcText, nFlags | DT_END_ELLIPSIS);

    ::SetTextColor(hDC, clrOldText);
    ::SetBkMode(hDC, nOldMode);
    if (hOldFont != nullptr)
        ::SelectObject(hDC, hOldFont);
    if (hFont != nullptr)
        ::DeleteObject(hFont);
}
