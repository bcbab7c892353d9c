// CExtPaintManagerOffice2003: the Office 2003 style (tints of one theme colour), base of the
// application's theme. Sources: ExtPaintManagerOffice2003.cpp (colour table, answers) and the painters by
// element.
#pragma once
#include "toolkit/foundation/ExtPaintManagerXP.h"

class CControlBar;

class CExtPaintManagerOffice2003 : public CExtPaintManagerXP
{
    DECLARE_DYNCREATE(CExtPaintManagerOffice2003)
public:
    CExtPaintManagerOffice2003();
    ~CExtPaintManagerOffice2003() override;

    // ---- overridden operations, in slot order -------------------------------------------------
    int GetThemeKind() override;
    void GetOneNoteTabItemColors(bool bSelected, bool bHighlighted, COLORREF& clrFill, COLORREF& clrBorder,
                                 COLORREF& clrGradient1, COLORREF& clrGradient2, COLORREF& clrText) override;
    void GetWhidbeyTabItemColors(bool bSelected, bool bSecondFlag, COLORREF& clrBorder, COLORREF& clrGradient1,
                                 COLORREF& clrGradient2, COLORREF& clrText) override;
    bool UseSystemThemeColors() override;
    COLORREF GetMenuShadowColor(CObject* pHelperSrc) override;
    void DeflateControlBarRect(CWnd* pBar, CRect& rc) override;
    int GetBarItemSpacing(CWnd* pBar) override;
    bool IsToolBarGradientArea(CWnd* pToolBar) override;
    void InitColors() override;
    void PaintBarBackgroundPart(CDC& dc, CObject* pHelperSrc, LPARAM lParam, const RECT& rc) override;
    void PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible, bool bEnabled,
                                  bool bPushed, bool bHover, CObject* pHelperSrc, LPARAM lParam,
                                  bool bTransparentBackground) override;
    void PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused, CObject* pHelperSrc,
                               LPARAM lParam) override;
    int GetMenuCheckMarkWidth() override;
    void PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground, CObject* pHelperSrc,
                        LPARAM lParam) override;
    void PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea, const RECT& rcTabNearBorderArea,
                            DWORD dwOrientation, bool bGroupedMode, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintControlBarFrame(CDC& dc, CaptionPaintData& data) override;
    void PaintDockingFrame(CDC& dc, DockingFramePaintData& data) override;
    void PaintEditFrame(CDC& dc, EditFramePaintData& data) override;
    void PaintComboFrame(CDC& dc, ComboFramePaintData& data) override;
    void PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide, CObject* pHelperSrc,
                         LPARAM lParam) override;
    void PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data) override;
    int GetAutoHideMetric() override;
    bool IsDockerGradientAvailable(CObject* pHelperSrc, LPARAM lParam = 0) override;
    bool PaintDockerArea(bool bClientMapping, CDC& dc, const RECT& rc, const RECT& rcUnused,
                         LPARAM lParam = 0) override;
    bool PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam = 0) override;
    void PaintControlBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintDockBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    CSize GetToolBarLayoutExtra(CObject* pBar) override;
    COLORREF GetIconVariantColor() override;
    double GetIconVariantFactor() override;
    CSize GetBarButtonExtraSize() override;
    void PaintResizingGripper(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintDatePickerPart74(CDC& dc, const RECT& rc) override;
    void PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed, bool bPushed,
                               bool bHover) override;
    void PaintDatePickerPart77(CDC& dc, const RECT& rc, LPCTSTR pszText) override;
    void PaintDatePickerPart80(CDC& dc, const RECT& rc, LPCTSTR pszText) override;
    void PaintDatePickerPart82(CDC& dc, const RECT& rc) override;
    void PaintDatePickerPart87(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                COLORREF clrKey2) override;
    void PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects, const RECT& rcOuter,
                             const RECT& rcInner, COLORREF clrFill, COLORREF clrBorder, int nBorderWidth) override;
    void PaintBarGradientBackground(CDC& dc, CExtBarButton* pButton, LPARAM lParam) override;

    // The two base colours of the themed table; false (nothing written) without system theme
    // colours. Null outputs are skipped.
    virtual bool ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB);

    // Builds the Office 2003 table from given inputs: the XP table, then the low-colour, classic or
    // themed (from m_clrA, m_clrB and the scheme) Office 2003 colours.
    void BuildOffice2003ColorTable(const ColorInputs& in);
    // ApplyColorScheme's colours from the seven task-bar colours of the visual style.
    static void ColorSchemeFromTaskband(const COLORREF clrTaskband[7], COLORREF* pclrA, COLORREF* pclrB);
    // The combo frame with the system theme colours: window-coloured rings, a hot frame while
    // hovered or pressed, the arrow button, and the background behind pWnd round an idle combo.
    void PaintThemedComboFrame(CDC& dc, ComboFramePaintData& data, CWnd* pWnd);
    // The gripper's dots: a 2 x 2 square in XCLR_O2003_02 one pixel down and right of one in
    // XCLR_O2003_03, every kGripperDotPitch pixels along the gripper, centred across it.
    void PaintGripperDots(CDC& dc, const RECT& rcGripper, bool bAlongY, CObject* pHelperSrc, LPARAM lParam);
    // The themed three-colour band from the scheme colour A, split at 2/5.
    static void PaintBand3(CDC& dc, const RECT& rcBand, COLORREF clrA, int nScheme, bool bVertical);
    enum
    {
        kGripperDotPitch = 4
    };
    // Gradient ends P0..P6 (ids 3015..3020 and 2007) of the themed table for a scheme.
    void GetSchemeGradientColors(int nScheme, COLORREF clrA, COLORREF clrP[7]);

    // The check-mark column width of this style for a given SM_CYMENUCHECK: at least 18.
    static int CheckMarkWidthAtLeast18(int nMenuCheck) { return nMenuCheck < 18 ? 18 : nMenuCheck; }
    // The menu expand disc: the intensity at (x, y) of its 16 x 16 table (255 = not painted) and
    // the colour of an intensity between a (3034) and b (3035).
    static int ExpandDiscIntensity(int x, int y);
    static COLORREF ExpandDiscColor(COLORREF clrA, COLORREF clrB, int nIntensity);
    // The docker gradient's length; wider areas end in the flat right colour.
    enum
    {
        kDockerGradientWidth = 686
    };
    // The region of a docked tool bar's band over (0, 0, size): rounded at the far end only; a
    // plain rectangle for a bar that is not docked. The caller deletes it.
    HRGN CreateToolBarBandRegion(CSize sizeBar, bool bHorizontal, bool bDocked = true);

protected:
    // Band colours from the scheme's first base colour; false without system theme colours.
    bool GetThemeBandColors(double dLight1, double dLight2, double dDark3, COLORREF clr[3]);
    // A bar band: themed three colours split at 2/5, else the 3015-3017 gradient along the bar.
    void PaintBarBand(CDC& dc, const RECT& rc, bool bHorizontal, double dLight1, double dLight2, double dDark3,
                      CObject* pHelperSrc, LPARAM lParam);
    void PaintToolBarBand(CDC& dc, CControlBar* pBar, CObject* pHelperSrc, LPARAM lParam);
};
