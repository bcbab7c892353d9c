// CExtPaintManagerXP: the XP style, the default paint manager and base of the Office 2003 style.
// Sources: ExtPaintManagerXP.cpp (state, colour table, answers); its tab buttons with the tab painters.
#pragma once
#include "toolkit/foundation/ExtPaintManager.h"

class CExtPaintManagerXP : public CExtPaintManager
{
    DECLARE_DYNCREATE(CExtPaintManagerXP)
public:
    CExtPaintManagerXP();
    ~CExtPaintManagerXP() override;

    // ---- overridden operations, in slot order -------------------------------------------------
    int GetThemeKind() override;
    int GetPopupMenuItemGap() override;
    bool UseSystemThemeColors() override;
    COLORREF GetBaseTranslatedColor(CObject* pHelperSrc = nullptr, LPARAM lParam = 0) override;
    void InitColors() override;
    void GetPushedOffset(CSize& size) override;
    void PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible, bool bEnabled,
                                  bool bPushed, bool bHover, CObject* pHelperSrc, LPARAM lParam,
                                  bool bTransparentBackground) override;
    void PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused, CObject* pHelperSrc,
                               LPARAM lParam) override;
    void PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz, bool bSelected, bool bFlag6,
                      bool bGroupActive, bool bGroupedMode, bool bFlag9, const RECT& rcItem, CSize sizeTextMeasured,
                      CFont* pFont, LPCTSTR pszText, int nItemIndex, CExtCmdIcon* pIcon, CObject* pHelperSrc,
                      LPARAM lParam) override;
    void PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea, const RECT& rcTabNearBorderArea,
                            DWORD dwOrientation, bool bGroupedMode, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar, bool bEnabled,
                        bool bHover, bool bPushed, bool bGroupedMode, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintTabNcArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintControlAreaRect(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintTabItemContent(CDC& dc, bool bHorizontal, const CString& strText, CExtCmdIcon* pIcon, const RECT& rcItem,
                             RECT& rcTextOut, bool bPushed, bool bEnabled, bool bHover, int nAlign) override;
    void PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data) override;
    void PaintSysCmdGlyph(CDC& dc, UINT nSysCmdId, const RECT& rc, bool bHover, bool bPushed, bool bEnabled) override;
    void PaintPushButton(CDC& dc, PushButtonPaintData& data) override;
    void PaintMenuItem(CDC& dc, MenuItemPaintData& data) override;
    void PaintMenuSeparator(CDC& dc, const RECT& rc, int nIconAreaWidth, bool bRarelyUsed, CObject* pHelperSrc,
                            LPARAM lParam) override;
    void PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground, CObject* pHelperSrc,
                        LPARAM lParam) override;
    void PaintControlBarFrame(CDC& dc, CaptionPaintData& data) override;
    void PaintDockingFrame(CDC& dc, DockingFramePaintData& data) override;
    void PaintEditFrame(CDC& dc, EditFramePaintData& data) override;
    void PaintComboFrame(CDC& dc, ComboFramePaintData& data) override;
    int GetMetric48() override;
    void PaintMenuPart49(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    bool IsMenuCombinedWithOwner() override;
    void PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide, CObject* pHelperSrc,
                         LPARAM lParam) override;
    void PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data) override;
    int GetAutoHideMetric() override;
    bool PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam = 0) override;
    void PaintPart60(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintPart62(CDC& dc, ListItemPaintData& data) override;
    void PaintTextField(CDC& dc, TextFieldPaintData& data) override;
    void PaintDatePickerPart74(CDC& dc, const RECT& rc) override;
    void PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed, bool bPushed,
                               bool bHover) override;
    void PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintUndoRedoCaption(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc, LPARAM lParam) override;

    // Builds the XP table from given inputs: the base bindings, then the XP colours.
    void BuildXpColorTable(const ColorInputs& in);

    // Style bits: bit 0 and bit 1 the XP look (icon and glyph offsets), bit 2 the Office 2003 look.
    enum : BYTE
    {
        kStyleXP0 = 0x01,
        kStyleXP1 = 0x02,
        kStyleOffice2003 = 0x04
    };
    BYTE m_nStyleBits;
    // Expand-button glyphs: arrow and chevron of horizontal bars, arrow and chevron of vertical bars.
    const CExtPaintManagerGlyph* m_pGlyphExpandArrowH;
    const CExtPaintManagerGlyph* m_pGlyphExpandChevronH;
    const CExtPaintManagerGlyph* m_pGlyphExpandArrowV;
    const CExtPaintManagerGlyph* m_pGlyphExpandChevronV;
    // Menu icon-column gradient ids: three for ordinary items, three for rarely used ones; -1 unset.
    int m_nMenuGradientClrIds[6];
    // Push-button gradient ids, -1 unset: pressed pair, hot pair, pressed-and-hot pair, border.
    enum
    {
        kPushedFrom = 0,
        kPushedTo,
        kHotFrom,
        kHotTo,
        kPushedHotFrom,
        kPushedHotTo,
        kBorder,
        kPushButtonClrIdCount
    };
    int m_nPushButtonClrIds[kPushButtonClrIdCount];

protected:
    // The expand item's body: the pushed button when selected (rcWork moves by the pushed offset),
    // else the empty menu item over rcRow.
    void PaintMenuExpandBody(CDC& dc, const RECT& rcRow, CRect& rcWork, bool bSelected, int nIconAreaWidth,
                             CObject* pHelperSrc);
    // One part of a push button: the gradient pair of its state when set, else clrSolid.
    void PaintPushButtonFace(CDC& dc, const RECT& rc, const PushButtonPaintData& data, bool bPartHot, bool bPartPushed,
                             COLORREF clrSolid);
    // The menu's icon column: the three-id gradient when set and the display has colours, else a fill.
    void PaintMenuIconColumn(CDC& dc, const RECT& rc, bool bRarelyUsed, CObject* pHelperSrc, LPARAM lParam);
    void PaintCombinedMenuBorder(CDC& dc, const RECT& rcMenu, int nSide, COLORREF clrFill, COLORREF clrBorder);
};
