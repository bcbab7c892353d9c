// CExtPaintManagerStudio2005: the Studio 2005 style, derived from Office 2003.
// Sources: ExtPaintManagerStudio2005.cpp (answers), ExtPaintManagerStudio2005Colors.cpp (colour table,
// tab items, bar frames); marker tints with the markers.
#pragma once
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

class CExtPaintManagerStudio2005 : public CExtPaintManagerOffice2003
{
    DECLARE_DYNCREATE(CExtPaintManagerStudio2005)
public:
    CExtPaintManagerStudio2005();
    ~CExtPaintManagerStudio2005() override;

    // ---- overridden operations, in slot order -------------------------------------------------
    int GetThemeKind() override;
    void GetOneNoteTabItemColors(bool bSelected, bool bHighlighted, COLORREF& clrFill, COLORREF& clrBorder,
                                 COLORREF& clrGradient1, COLORREF& clrGradient2, COLORREF& clrText) override;
    bool UseSystemThemeColors() override;
    void InitColors() override;
    void PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz, bool bSelected, bool bFlag6,
                      bool bGroupActive, bool bGroupedMode, bool bFlag9, const RECT& rcItem, CSize sizeTextMeasured,
                      CFont* pFont, LPCTSTR pszText, int nItemIndex, CExtCmdIcon* pIcon, CObject* pHelperSrc,
                      LPARAM lParam) override;
    void GetTabMetrics(CExtTabWnd* pTabWnd, int& nInset, int& nButtonMargin, int& nStripOffset) override;
    void PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data) override;
    void PaintControlBarFrame(CDC& dc, CaptionPaintData& data) override;
    void PaintDockingFrame(CDC& dc, DockingFramePaintData& data) override;
    int GetAutoHideMetric() override;
    int PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                COLORREF clrKey2) override;
    void PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects, const RECT& rcOuter,
                             const RECT& rcInner, COLORREF clrFill, COLORREF clrBorder, int nBorderWidth) override;
    bool ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB) override;

    // Builds the Studio 2005 table from given inputs: the Office 2003 table, and with a theme scheme
    // other than "metallic" above 8 bits per pixel, this style's colours over its themed form.
    void BuildStudio2005ColorTable(const ColorInputs& in);
    // The tint that the light and shadow ids share: AdjustHls(C, 0, 0.95, -0.05) with red moved 40 %
    // and green 20 % of the way to 255.
    static COLORREF GetSecondDerivedColor(COLORREF clrScheme);
};
