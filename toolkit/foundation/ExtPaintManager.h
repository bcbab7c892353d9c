// CExtPaintManager: the base paint manager, the interface every toolkit window paints through,
// with its paint records, translated colour ids, colour/brush/font state and shared static helpers.
// Sources: ExtPaintManager.cpp (state, lookups, initialisation, events), ExtPaintManagerColors.cpp
// (colour helpers), ExtPaintManagerStatics.cpp (static drawing routines), ExtPaintManagerAnswers.cpp
// (small answers), ExtPaintManagerRecords.cpp (paint records),
// ExtPaintManagerBitmaps.cpp (bitmap, DIB, BMP and monitor helpers), and the painters of every style by
// element: ExtPaintManagerGlyphPainting.cpp, ExtPaintManagerExpandButtons.cpp, ExtPaintManagerPushButton.cpp,
// ExtPaintManagerMenu.cpp, ExtPaintManagerCaptionButtons.cpp, ExtPaintManagerSeparators.cpp,
// ExtPaintManagerDocker.cpp, ExtPaintManagerBarMetrics.cpp, ExtPaintManagerColorIcons.cpp,
// ExtPaintManagerCmdIcons.cpp, ExtPaintManagerFrames.cpp (edit and combo frames), ExtPaintManagerBarFrames.cpp
// (captions, grippers, docking frames), ExtPaintManagerTabs.cpp, ExtPaintManagerStatusBar.cpp (panes, grippers,
// text fields), ExtPaintManagerDatePicker.cpp, ExtPaintManagerDockMarkers.cpp (with the generated
// ExtDockMarkerImages.cpp), ExtPaintManagerSurfaceDepth.cpp.
#pragma once
#include "platform/Collections.h"
#include "platform/Dc.h"
#include "platform/Gdi.h"
#include "platform/Geometry.h"
#include "platform/Object.h"
#include "platform/String.h"
#include <vector>

class CArchive;
class CWnd;
class CExtCmdIcon;
class CExtBarButton;
class CExtTabWnd;
class CExtDynDockMarkerWnd;
class CExtPaintManagerGlyph;

// Translated colour ids: each style maps them to an index of its colour table.
enum : int
{
    XCLR_FACE_NORMAL = 1000,
    XCLR_FACE_ACTIVE = 1001,
    XCLR_LIGHT_NORMAL = 1002,
    XCLR_LIGHT_ACTIVE = 1003,
    XCLR_HILIGHT_NORMAL = 1004,
    XCLR_HILIGHT_ACTIVE = 1005,
    XCLR_SHADOW_NORMAL = 1006,
    XCLR_SHADOW_ACTIVE = 1007,
    XCLR_DKSHADOW_NORMAL = 1008,
    XCLR_DKSHADOW_ACTIVE = 1009,
    XCLR_TEXT_NORMAL = 1010,
    XCLR_TEXT_ACTIVE = 1011,
    XCLR_FACE_DISABLED = 2000,
    XCLR_FACE_ALT = 2001,
    XCLR_LIGHT_DISABLED = 2002,
    XCLR_LIGHT_ALT = 2003,
    XCLR_HILIGHT_DISABLED = 2004,
    XCLR_HILIGHT_ALT = 2005,
    XCLR_SHADOW_DISABLED = 2006,
    XCLR_SHADOW_ALT = 2007,
    XCLR_DKSHADOW_DISABLED = 2008,
    XCLR_DKSHADOW_ALT = 2009,
    XCLR_TEXT_DISABLED = 2010,
    XCLR_TEXT_ALT = 2011,
    // Office 2003 ids: XCLR_O2003_nn = 3000 + nn.
    XCLR_O2003_00 = 3000,
    XCLR_O2003_01,
    XCLR_O2003_02,
    XCLR_O2003_03,
    XCLR_O2003_04,
    XCLR_O2003_05,
    XCLR_O2003_06,
    XCLR_O2003_07,
    XCLR_O2003_08,
    XCLR_O2003_09,
    XCLR_O2003_10,
    XCLR_O2003_11,
    XCLR_O2003_12,
    XCLR_O2003_13,
    XCLR_O2003_14,
    XCLR_O2003_15,
    XCLR_O2003_16,
    XCLR_O2003_17,
    XCLR_O2003_18,
    XCLR_O2003_19,
    XCLR_O2003_20,
    XCLR_O2003_21,
    XCLR_O2003_22,
    XCLR_O2003_23,
    XCLR_O2003_24,
    XCLR_O2003_25,
    XCLR_O2003_26,
    XCLR_O2003_27,
    XCLR_O2003_28,
    XCLR_O2003_29,
    XCLR_O2003_30,
    XCLR_O2003_31,
    XCLR_O2003_32,
    XCLR_O2003_33,
    XCLR_O2003_34,
    XCLR_O2003_35
};

class CExtPaintManager : public CObject
{
    DECLARE_DYNCREATE(CExtPaintManager)
public:
    // ---- paint records: each begins with the object being painted and its LPARAM -----------

    struct PushButtonPaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        CRect m_rcButton;
        LPCTSTR m_pszText;
        CExtCmdIcon* m_pIcon;
        int m_nAlign; // bit 0 centre, bit 1 right, bit 2 vertically centred
        HFONT m_hFont;
        int m_nSysCmdId; // glyph of this system command stands in for a missing icon
        // first state byte
        bool m_bHorizontal : 1;
        bool m_bFlat : 1;
        bool m_bHot : 1;
        bool m_bPushed : 1;
        bool m_bStateBit4 : 1; // cleared for a disabled button; no painter reads it
        bool m_bEnabled : 1;
        bool m_bDrawBorder : 1;
        bool m_bFocusRect : 1;
        // second state byte
        bool m_bDefault : 1;
        bool m_bDropDown : 1;
        bool m_bNoBackground : 1;
        bool m_bSplitDropDown : 1;  // set by callers after construction
        bool m_bDropDownPushed : 1; // set by callers after construction
        bool m_bSecondBit5 : 1;     // bits 5-7: spare, false from construction; no caller sets them
        bool m_bSecondBit6 : 1;
        bool m_bSecondBit7 : 1;
        COLORREF m_clrTextDisabled = (COLORREF)-1;
        COLORREF m_clrTextNormal = (COLORREF)-1;
        COLORREF m_clrTextHot = (COLORREF)-1;
        COLORREF m_clrTextPushed = (COLORREF)-1;
        UINT m_nDrawTextFlags;
        bool m_bUseDrawText = false;

        PushButtonPaintData(CObject* pHelperSrc, bool bHorizontal, const RECT& rcButton, LPCTSTR pszText,
                            CExtCmdIcon* pIcon, bool bFlat, bool bHot, bool bPushed, bool bStateBit4, bool bEnabled,
                            bool bDrawBorder, bool bFocusRect, bool bDefault, int nAlign, HFONT hFont = nullptr,
                            bool bDropDown = false, int nSysCmdId = 0, bool bNoBackground = false);
    };

    struct MenuItemPaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        CRect m_rcItem;
        CRect m_rcItemWithIndent;
        int m_nIconAreaWidth;
        LPCTSTR m_pszText;
        LPCTSTR m_pszAccelText;
        CExtCmdIcon* m_pIcon;
        UINT m_nCmdId;
        // first state byte
        bool m_bPopup : 1;
        bool m_bSelected : 1;
        bool m_bChecked : 1;
        bool m_bRadio : 1;
        bool m_bStateBit4 : 1; // passed by the menu; no painter reads it
        bool m_bEnabled : 1;
        bool m_bRarelyUsed : 1;
        bool m_bRarelyUsedPrev : 1;
        // second state byte; bits 1-5 are set by the menu after construction
        bool m_bRarelyUsedNext : 1;
        bool m_bNoIconColumn : 1;
        bool m_bSubmenuGlyph : 1;
        bool m_bSubmenuApart : 1;
        bool m_bCheckBesideIcon : 1;
        bool m_bCheckBesideIconShown : 1;
        bool m_bSecondBit6 : 1;                // the item's extra-paint flag, set by the menu; no painter reads it
        bool m_bSecondBit7 : 1;                // the item is pressed, set by the menu; no painter reads it
        int m_nLayoutValues[4] = {0, 0, 0, 0}; // the menu's own layout values
        CString m_strCustomText;
        bool m_bCustomFlag = false;

        MenuItemPaintData(CObject* pHelperSrc, const RECT& rcItem, const RECT& rcItemWithIndent, int nIconAreaWidth,
                          LPCTSTR pszText, LPCTSTR pszAccelText, CExtCmdIcon* pIcon, bool bPopup, bool bSelected,
                          bool bChecked, bool bRadio, bool bStateBit4, bool bEnabled, bool bRarelyUsed,
                          bool bRarelyUsedPrev, bool bRarelyUsedNext, UINT nCmdId);
    };

    struct CaptionButtonPaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        CRect m_rcButton;
        int m_nGlyphIndex; // index into g_arrSysCmdGlyphs
        bool m_bHover : 1;
        bool m_bPushed : 1;
        bool m_bEnabled : 1;
        // The button sits on a light surface: a docked bar's frame, an inactive slider's caption; XP: a dark idle
        // glyph unless bit 4, the thin close glyph unless bit 5; Studio 2005: base look with bit 5.
        bool m_bStyleBit3 : 1;
        bool m_bStyleBit4 : 1; // the bar floats: light frame when hovered or pushed (XP)
        bool m_bStyleBit5 : 1; // false from the caption buttons; when set the face is not enlarged
        bool m_bBit6 : 1;      // bits 6-7: spare, false from construction
        bool m_bBit7 : 1;

        CaptionButtonPaintData(CObject* pHelperSrc, const RECT& rcButton, int nGlyphIndex, bool bHover, bool bPushed,
                               bool bEnabled, bool bStyleBit3, bool bStyleBit4, bool bStyleBit5);
    };

    struct EditFramePaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        CRect m_rcEdit;        // inner rectangle; rings go outwards from it
        bool m_bEditFrame : 1; // always set by the edit
        bool m_bHover : 1;
        bool m_bEnabled : 1;
        bool m_bFocus : 1;
        bool m_bBit4 : 1; // bits 4-7: spare, false from construction
        bool m_bBit5 : 1;
        bool m_bBit6 : 1;
        bool m_bBit7 : 1;

        EditFramePaintData(CObject* pHelperSrc, const RECT& rcEdit, bool bEditFrame, bool bHover, bool bEnabled,
                           bool bFocus);
    };

    struct ComboFramePaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        CRect m_rcClient;
        bool m_bHover : 1;
        bool m_bPushed : 1;
        bool m_bEnabled : 1;
        bool m_bBit3 : 1; // bits 3-7: spare, false from construction
        bool m_bBit4 : 1;
        bool m_bBit5 : 1;
        bool m_bBit6 : 1;
        bool m_bBit7 : 1;
        COLORREF m_clrFace = (COLORREF)-1;        // face and button colours while idle
        COLORREF m_clrFrame = (COLORREF)-1;       // frame colour while idle
        COLORREF m_clrFrameActive = (COLORREF)-1; // outer ring while hovered or pressed (XP form)
        bool m_bNoOuterRing = false;              // XP form

        ComboFramePaintData(CObject* pHelperSrc, const RECT& rcClient, bool bHover, bool bPushed, bool bEnabled);
    };

    struct CaptionPaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        CRect m_rcCaption;
        CRect m_rcText;
        bool m_bActive : 1; // bit 0 or bit 1: active colours
        bool m_bActiveAlt : 1;
        bool m_bVertical : 1;
        bool m_bTextCaption : 1; // clear: a gripper is drawn
        bool m_bBit4 : 1;        // bits 4-7: spare, false from construction
        bool m_bBit5 : 1;
        bool m_bBit6 : 1;
        bool m_bBit7 : 1;
        LPCTSTR m_pszText;
        bool m_bSecondBit0 = false;   // set by callers after construction
        bool m_bNoBackground = false; // set by callers after construction

        CaptionPaintData(CObject* pHelperSrc, const RECT& rcCaption, const RECT& rcText, bool bActive, bool bActiveAlt,
                         bool bVertical, bool bTextCaption, LPCTSTR pszText = nullptr);
    };

    struct DockingFramePaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        CRect m_rcWindow;
        CRect m_rcClient; // never painted
        bool m_bOuterFrame : 1;
        bool m_bResizable : 1;
        bool m_bNoExtraGrip : 1;
        bool m_bBit3 : 1; // bits 3-7: spare, false from construction
        bool m_bBit4 : 1;
        bool m_bBit5 : 1;
        bool m_bBit6 : 1;
        bool m_bBit7 : 1;

        DockingFramePaintData(CObject* pHelperSrc, const RECT& rcWindow, const RECT& rcClient, bool bOuterFrame,
                              bool bResizable, bool bNoExtraGrip);
    };

    struct StatusBarPanePaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        int m_nKind;     // 1 the bar's borders, 2 one pane
        DWORD m_dwStyle; // kind 1: the bar's CBRS_ style; kind 2: 0
        CRect m_rc;

        StatusBarPanePaintData(CObject* pHelperSrc, int nKind, DWORD dwStyle, const RECT& rc);
    };

    struct TextFieldPaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam = 0;
        UINT m_nDrawTextFlags = DT_SINGLELINE | DT_NOPREFIX;
        CString m_sText;
        CRect m_rcButton;
        CRect m_rcTextField;
        bool m_bComboField : 1;
        bool m_bHover : 1;
        bool m_bPushed : 1;
        bool m_bEnabled : 1;
        bool m_bBit4 : 1; // bits 4-7: spare, false from construction
        bool m_bBit5 : 1;
        bool m_bBit6 : 1;
        bool m_bBit7 : 1;

        TextFieldPaintData(CObject* pHelperSrc, LPCTSTR pszText, const RECT& rcButton, const RECT& rcTextField,
                           bool bComboField, bool bHover, bool bPushed, bool bEnabled);
    };

    struct ListItemPaintData
    {
        CObject* m_pHelperSrc;
        LPARAM m_lParam;
        CExtCmdIcon* m_pIcon;
        CExtCmdIcon* m_pIcon2;
        CRect m_rcItem;
        CRect m_rcIcon;
        CRect m_rcText;
        CRect m_rcLabel;
        CString m_sText;
        DWORD m_dwItemFlags; // 0x01 hover, 0x02 pushed, 0x10 tip colours, 0x20 vertical, 0x40 first icon, 0x80 tip
        DWORD m_dwFlags2;    // 0x10 vertical text runs from the top
        HFONT m_hFont;

        ListItemPaintData(CObject* pHelperSrc, LPARAM lParam, CExtCmdIcon* pIcon, CExtCmdIcon* pIcon2,
                          const RECT& rcItem, const RECT& rcIcon, const RECT& rcText, const RECT& rcLabel,
                          LPCTSTR pszText, DWORD dwItemFlags, DWORD dwFlags2, HFONT hFont);
    };

    // Inputs of a colour-table build: what InitColors reads from the system and asks its own
    // virtual members. Tests build tables from inputs of their own.
    struct ColorInputs
    {
        COLORREF m_clrSys[50];    // GetSysColor(0..49)
        int m_nBitsPerPixel = 32; // display depth
        bool m_bUseSystemThemeColors = false;
        int m_nScheme = 0;            // GetSystemThemeScheme
        bool m_bSchemeColors = false; // ApplyColorScheme answered true
        COLORREF m_clrA = 0;          // ApplyColorScheme's first colour
        COLORREF m_clrB = 0;          // ApplyColorScheme's second colour
    };

    CExtPaintManager();
    ~CExtPaintManager() override;

    // ---- virtual operations, in slot order ---------------------------------------------------
    virtual int GetThemeKind();
    virtual int GetPopupMenuItemGap();
    virtual void GetOneNoteTabItemColors(bool bSelected, bool bHighlighted, COLORREF& clrFill, COLORREF& clrBorder,
                                         COLORREF& clrGradient1, COLORREF& clrGradient2, COLORREF& clrText);
    virtual void GetWhidbeyTabItemColors(bool bSelected, bool bSecondFlag, COLORREF& clrBorder, COLORREF& clrGradient1,
                                         COLORREF& clrGradient2, COLORREF& clrText);
    virtual bool UseSystemThemeColors();
    virtual int GetSystemThemeScheme();
    virtual void EndPaintSession(CObject* pHelperSrc, LPARAM lParam = 0);
    virtual HBRUSH GetBrush(int nColor);
    virtual COLORREF GetTranslatedColor(int nColor, CObject* pHelperSrc = nullptr, LPARAM lParam = 0);
    // The colour lookup of one paint request: called with a colour id, it answers GetTranslatedColor for the
    // request's subject and LPARAM.
    class TranslatedColors
    {
    public:
        TranslatedColors(CExtPaintManager* pPM, CObject* pHelperSrc, LPARAM lParam)
            : m_pPM(pPM), m_pHelperSrc(pHelperSrc), m_lParam(lParam)
        {}
        COLORREF operator()(int nColor) const { return m_pPM->GetTranslatedColor(nColor, m_pHelperSrc, m_lParam); }

    private:
        CExtPaintManager* m_pPM; // not owned
        CObject* m_pHelperSrc;   // not owned
        LPARAM m_lParam;
    };
    TranslatedColors ColorsFor(CObject* pHelperSrc, LPARAM lParam)
    {
        return TranslatedColors(this, pHelperSrc, lParam);
    }
    // The same for a paint record, which carries its subject and LPARAM.
    template <class TRecord> TranslatedColors ColorsFor(const TRecord& data)
    {
        return TranslatedColors(this, data.m_pHelperSrc, data.m_lParam);
    }
    virtual COLORREF GetBaseTranslatedColor(CObject* pHelperSrc = nullptr, LPARAM lParam = 0);
    virtual COLORREF GetMenuShadowColor(CObject* pHelperSrc);
    virtual void DeflateControlBarRect(CWnd* pBar, CRect& rc);
    virtual int GetBarItemSpacing(CWnd* pBar);
    virtual bool IsToolBarGradientArea(CWnd* pToolBar);
    virtual void InitColors();
    virtual void InitBrushes();
    virtual void GetPushedOffset(CSize& size);
    virtual void PaintGlyph(CDC& dc, int x, int y, const CExtPaintManagerGlyph& glyph, const COLORREF* pColors);
    virtual void PaintGlyphCentered(CDC& dc, const RECT& rc, const CExtPaintManagerGlyph& glyph,
                                    const COLORREF* pColors);
    virtual void PaintBarBackgroundPart(CDC& dc, CObject* pHelperSrc, LPARAM lParam, const RECT& rc);
    virtual void PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible, bool bEnabled,
                                          bool bPushed, bool bHover, CObject* pHelperSrc, LPARAM lParam,
                                          bool bTransparentBackground);
    virtual void PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused, CObject* pHelperSrc,
                                       LPARAM lParam);
    virtual int GetMenuCheckMarkWidth();
    // bFlag6 and bFlag9: item flags the tab window passes on unchanged; no painter of this program reads them.
    virtual void PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz, bool bSelected, bool bFlag6,
                              bool bGroupActive, bool bGroupedMode, bool bFlag9, const RECT& rcItem,
                              CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex, CExtCmdIcon* pIcon,
                              CObject* pHelperSrc, LPARAM lParam);
    virtual void PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea,
                                    const RECT& rcTabNearBorderArea, DWORD dwOrientation, bool bGroupedMode,
                                    CObject* pHelperSrc, LPARAM lParam);
    virtual void PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar, bool bEnabled,
                                bool bHover, bool bPushed, bool bGroupedMode, CObject* pHelperSrc, LPARAM lParam);
    virtual void PaintTabNcArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    virtual void GetTabMetrics(CExtTabWnd* pTabWnd, int& nInset, int& nButtonMargin, int& nStripOffset);
    virtual void PaintControlAreaRect(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    virtual void PaintTabItemContent(CDC& dc, bool bHorizontal, const CString& strText, CExtCmdIcon* pIcon,
                                     const RECT& rcItem, RECT& rcTextOut, bool bPushed, bool bEnabled, bool bHover,
                                     int nAlign);
    virtual void PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data);
    virtual void PaintSysCmdGlyph(CDC& dc, UINT nSysCmdId, const RECT& rc, bool bHover, bool bPushed, bool bEnabled);
    virtual void PaintPushButton(CDC& dc, PushButtonPaintData& data);
    virtual CSize GetPushButtonMargin();
    // A few thin bars in COLOR_BTNTEXT, along or across the rectangle by bHorizontal; no caller in this program.
    virtual void PaintPart37(CDC& dc, const RECT& rc, bool bHorizontal, bool bUnused);
    // A frame 2 pixels wide in COLOR_BTNTEXT; no caller in this program.
    virtual void PaintPart38(CDC& dc, const RECT& rc);
    virtual void PaintMenuItem(CDC& dc, MenuItemPaintData& data);
    virtual void PaintMenuSeparator(CDC& dc, const RECT& rc, int nIconAreaWidth, bool bRarelyUsed, CObject* pHelperSrc,
                                    LPARAM lParam);
    virtual void PaintSeparator(CDC& dc, const RECT& rc, bool bHorizontal, bool bTransparentBackground,
                                CObject* pHelperSrc, LPARAM lParam);
    virtual void PaintControlBarFrame(CDC& dc, CaptionPaintData& data);
    virtual void PaintDockingFrame(CDC& dc, DockingFramePaintData& data);
    virtual void PaintEditFrame(CDC& dc, EditFramePaintData& data);
    virtual void PaintComboFrame(CDC& dc, ComboFramePaintData& data);
    virtual int GetTextHeight(bool bHorz);
    // The shadow size of popup windows in pixels; asked by the popup base window.
    virtual int GetMetric47();
    // The border size of popup menus in pixels; asked by the popup menu.
    virtual int GetMetric48();
    // A popup menu's background and border; painted by the popup menu.
    virtual void PaintMenuPart49(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    virtual bool IsMenuCombinedWithOwner();
    // The border of a menu combined with the button that opened it, open on nSide (1 bottom, 2 top, 3 left, 4 right);
    // painted by the popup menu.
    virtual void PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide, CObject* pHelperSrc,
                                 LPARAM lParam);
    virtual void PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data);
    // Also the dragging style asked for by the docking loops: 0 base, XP, Office 2003; 1 Studio 2005.
    virtual int GetAutoHideMetric();
    virtual int PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    virtual bool IsDockerGradientAvailable(CObject* pHelperSrc, LPARAM lParam = 0);
    virtual bool PaintDockerArea(bool bClientMapping, CDC& dc, const RECT& rc, const RECT& rcUnused, LPARAM lParam = 0);
    virtual bool PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam = 0);
    virtual void PaintControlBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    virtual void PaintDockBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    // A solid fill of the rectangle; no caller in this program.
    virtual void PaintPart60(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    // A scroll-arrow box, its arrow chosen by the horizontal and forward flags; no caller in this program.
    virtual void PaintPart61(CDC& dc, bool bHorizontal, const RECT& rc, bool bForward, bool bHover, bool bPushed,
                             CObject* pHelperSrc, LPARAM lParam);
    // One item of an icon-and-text list; no caller in this program.
    virtual void PaintPart62(CDC& dc, ListItemPaintData& data);
    // System events (reached through the holder's forwarding): rebuild fonts, colours and brushes.
    virtual LRESULT OnSysColorChange();
    virtual LRESULT OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    virtual LRESULT OnDisplayChange(int nBitsPerPixel, int nWidth, int nHeight);
    virtual LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);
    virtual CSize GetToolBarLayoutExtra(CObject* pBar);
    virtual void PaintTextField(CDC& dc, TextFieldPaintData& data);
    // Tint of command icons' variant look: -1 and 0.0 when the style has none.
    virtual COLORREF GetIconVariantColor();
    virtual double GetIconVariantFactor();
    virtual CSize GetBarButtonExtraSize();
    virtual void PaintResizingGripper(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    // Date-picker parts, painted by the date picker and the popups that carry a caption, grip or drop-down frame
    // (extra controls not built yet, so no caller in this program so far):
    // The calendar background: a fill.
    virtual void PaintDatePickerPart73(CDC& dc, const RECT& rc, CObject* pHelperSrc);
    // The calendar frame.
    virtual void PaintDatePickerPart74(CDC& dc, const RECT& rc);
    // A caption button, framed, pushed or hovered, with its text.
    virtual void PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                       bool bPushed, bool bHover);
    // The month caption text (bold).
    virtual void PaintDatePickerText76(CDC& dc, const RECT& rc, LPCTSTR pszText);
    // The month caption: its background, then its text.
    virtual void PaintDatePickerPart77(CDC& dc, const RECT& rc, LPCTSTR pszText);
    // A button caption text in its state colour.
    virtual void PaintDatePickerText78(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                       bool bPushed, bool bHover, bool bFlag);
    // A small caption text.
    virtual void PaintDatePickerText79(CDC& dc, const RECT& rc, LPCTSTR pszText);
    // A small caption bar with its bottom line, then its text.
    virtual void PaintDatePickerPart80(CDC& dc, const RECT& rc, LPCTSTR pszText);
    // The drop-down arrow glyph.
    virtual void PaintDatePickerPart81(CDC& dc, const RECT& rc);
    // The resize-grip bar.
    virtual void PaintDatePickerPart82(CDC& dc, const RECT& rc);
    // The grip of nine dots, moved down by nOffsetY.
    virtual void PaintDatePickerPart83(CDC& dc, const RECT& rc, int nOffsetY);
    virtual void PaintDatePickerPushButton(CDC& dc, const RECT& rc, LPCTSTR pszText, CExtCmdIcon* pIcon, bool bHover,
                                           bool bPushed, bool bEnabled, CObject* pHelperSrc, LPARAM lParam);
    // A fill of the button area.
    virtual void PaintDatePickerPart85(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    // The area behind the calendar (the parent's background where it paints one), then the inner fill.
    virtual void PaintDatePickerPart86(CDC& dc, const RECT& rcArea, const RECT& rcInner, CWnd* pWnd, LPARAM lParam);
    // The sunken drop-down frame.
    virtual void PaintDatePickerPart87(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    // The raised frame and face of a drop-down.
    virtual void PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam);
    virtual void PaintUndoRedoCaption(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc, LPARAM lParam);
    // hWndTarget goes unchanged to every marker window; the array's old windows are destroyed first.
    virtual bool LoadDockMarker(HWND hWndTarget, int eMarkerType, int nLeft, int nTop, int nRight, int nBottom,
                                CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*>& arrMarkers);
    virtual void AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                        COLORREF clrKey2);
    virtual void PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects,
                                     const RECT& rcOuter, const RECT& rcInner, COLORREF clrFill, COLORREF clrBorder,
                                     int nBorderWidth);
    virtual void PaintBarGradientBackground(CDC& dc, CExtBarButton* pButton, LPARAM lParam);
    virtual COLORREF GetLabelTextColor(CDC& dc, bool bEnabled, bool bFocused, bool bHover, bool bPushed,
                                       CObject* pHelperSrc, LPARAM lParam = 0);
    virtual bool PaintCheckOrRadioBox(CDC& dc, int nLeft, int nTop, int nRight, int nBottom, int nState,
                                      CObject* pHelperSrc, LPARAM lParam = 0);

    // ---- state engine ---------------------------------------------------------------------------
    // Stores clr at nIndex when it lies in the table, else appends it; returns the index used.
    int InstallColor(COLORREF clr, int nIndex = -1);
    // Fonts, then the system colours and brushes 0..49 of the tables.
    void InitFonts();
    // Builds the base bindings from given inputs (entries 0..49 from the inputs, the table cut back
    // to them first); the styles' BuildColorTable run this first.
    void BuildBaseColorTable(const ColorInputs& in);
    // Inputs as InitColors reads them: system colours, display depth and this style's own answers.
    ColorInputs GetColorInputs();
    INT_PTR GetColorTableSize() const { return m_arrColors.GetSize(); }
    // The table index an id is bound to, or -1.
    int GetTranslatedColorIndex(int nColor) const;
    void ReleaseCachedDCs();

    // ---- static helpers ----------------------------------------------------------------------
    static COLORREF InvertColor(COLORREF clr);
    static double HueToRgb(double m1, double m2, double h);
    static COLORREF HlsToRgb(double h, double l, double s);
    static void RgbToHls(COLORREF clr, double* pHue, double* pSaturation, double* pLightness);
    static int HueToRgbDegrees(float m1, float m2, float h);
    static COLORREF HlsToRgbDegrees(float h, float l, float s);
    static COLORREF AdjustHls(COLORREF clr, double dh, double dl, double ds);
    // nShare < 100: per cent of clr1; otherwise per mille.
    static COLORREF BlendColors(COLORREF clr1, COLORREF clr2, int nShare);
    // BITSPIXEL of the screen, or the process-wide test override when it is set. The screen is
    // asked once (a round trip to the display server) and the answer kept for the process until
    // DropKeptDisplayBitsPerPixel, which the holder calls on the system events.
    static int GetDisplayBitsPerPixel();
    static void DropKeptDisplayBitsPerPixel();
    // Whether an answer of the screen is kept (the next GetDisplayBitsPerPixel asks no display).
    static bool IsDisplayBitsPerPixelKept();
    // BITSPIXEL of a DC (every low-colour test of a DC's depth goes through it), or the override;
    // the kept display depth for a display DC or a memory DC compatible with one.
    static int GetDeviceBitsPerPixel(HDC hDC);
    // GetDeviceBitsPerPixel, remembered for the last memory DC and bitmap asked about; what the
    // painters ask (ExtPaintManagerSurfaceDepth.cpp).
    static int GetSurfaceBitsPerPixel(HDC hDC);
    // Test hook: a display depth to report instead of the real one (0 = real).
    static void SetBitsPerPixelOverride(int nBitsPerPixel);
    static int GetBitsPerPixelOverride();

    // Dispatches pending paint messages; each kind at most a bounded number of times per call.
    static void PumpPaintMessages(bool bNcPaint = true, bool bEraseBkgnd = true, bool bPaint = true);
    enum
    {
        kPumpMaxDispatchPerKind = 64
    };
    typedef bool (*ExcludeFilterFn)(HDC hDC, HWND hWndParent, HWND hWndChild, LPARAM lParam);
    static void ExcludeChildAreas(HDC hDC, HWND hWndParent, ExcludeFilterFn pfnFilter = nullptr, LPARAM lParam = 0);
    static void TransparentBltMasked(HDC hDst, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc,
                                     int cySrc, COLORREF clrTransparent);
    static HBITMAP CreateDitherBitmap(COLORREF clr0, COLORREF clr1, int nStepX, int nStepY, int nOffX, int nOffY,
                                      COLORREF clrExtra);
    static void PaintGradientRect(CDC& dc, const RECT& rc, COLORREF clrFrom, COLORREF clrTo, bool bVertical = false,
                                  UINT nSteps = 256);
    static void PaintCheckMark(CDC& dc, int x, int y, COLORREF clr);
    static void PaintRadioDot(CDC& dc, int x, int y, COLORREF clr);
    static void PaintMenuCheckMark(CDC& dc, int x, int y, COLORREF clr) { PaintCheckMark(dc, x, y, clr); }
    static void PaintMenuRadioDot(CDC& dc, int x, int y, COLORREF clr) { PaintRadioDot(dc, x, y, clr); }
    // Text measured with DrawText on one line (tabs expanded when it holds one) in the font given,
    // selected for the call only; the rectangle is moved to (0, 0).
    static CRect MeasureText(CDC& dc, HFONT hFont, LPCTSTR pszText);
    static int MeasureTextWidth(CDC& dc, HFONT hFont, LPCTSTR pszText);
    // Two gradients split at nNum / nDenom of the length: c1 at the start edge (top, or left when not
    // bTopToBottom), c2 at the split line, c3 at the end edge.
    static void PaintGradientBand3(CDC& dc, const RECT& rc, COLORREF c1, COLORREF c2, COLORREF c3, bool bTopToBottom,
                                   int nNum, int nDenom, UINT nSteps = 256);
    // 16 x 16 icons of colour buttons, owned by the caller; null when a DC, bitmap or the icon
    // cannot be made (nothing is left behind then).
    static HICON CreateColorIcon(COLORREF clr);
    static HICON CreateColorFrameIcon(COLORREF clr);
    static HICON CreateColorCharIcon(COLORREF clr, HFONT hFont, TCHAR ch);
    // Test hook: creation step n (1, 2 the DCs, 3, 4 the bitmaps, 5 the icon) of the colour-icon
    // helpers fails; 0 restores normal creation.
    static void SetColorIconFailStep(int nStep);
    // The g_arrSysCmdGlyphs index of a system command's glyph; -1 for any other command.
    static int SysCmdGlyphIndex(UINT nSysCmdId);
    // Command icons as the painters see them: present and not empty, and their size.
    static bool IsCmdIconPaintable(CExtCmdIcon* pIcon);
    static CSize GetCmdIconSize(CExtCmdIcon* pIcon);
    // Where a push button or tab item places its icon (sizeIcon) in rcItem by nAlign (bit 0 centre,
    // bit 1 right, bit 2 centred across); rcTextOut receives the room left for the text.
    static CRect PlaceItemIcon(bool bHorizontal, bool bHasText, const CSize& sizeIcon, const RECT& rcItem,
                               RECT& rcTextOut, int nAlign);
    // Frame painting helpers (ExtPaintManagerFrames.cpp, ExtPaintManagerTabs.cpp).
    // Point size, in tenths, of the combo's Marlett arrow on a DC of that horizontal resolution.
    static int GetComboArrowPointSize(int nLogPixelsX);
    // One-pixel frame: top and left edges in clrTopLeft, right and bottom in clrBottomRight, each
    // edge one pixel short at both ends, so the four corner pixels stay unpainted.
    static void Draw3dFrameNoCorners(CDC& dc, const RECT& rc, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // Outline, background and content of one tab item. bTopLeft and bHorz place the outline (the
    // side towards the client area is open for a selected item); the text is drawn only when it fits.
    static void PaintTabItemShape(CExtPaintManager* pPM, CDC& dc, const RECT& rcItem, bool bTopLeft, bool bHorz,
                                  bool bSelected, bool bDrawIcon, CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText,
                                  CExtCmdIcon* pIcon, COLORREF clrText, COLORREF clrBackground, COLORREF clrLight,
                                  COLORREF clrDark, COLORREF clrFifth);
    // Tab-button kinds: the tab window's hit-test codes of its buttons.
    enum : LONG
    {
        kTabButtonScrollStart = -4, // scroll towards the first item (left or up)
        kTabButtonScrollEnd = -5,   // scroll towards the last item (right or down)
        kTabButtonHelp = -6,
        kTabButtonClose = -7,
        kTabButtonList = -8
    };
    // The glyph of a tab button; the scroll arrows have a variant per strip direction and state.
    static const CExtPaintManagerGlyph* GetTabButtonGlyph(LONG nHitTest, bool bHorizontalStrip, bool bEnabled);
    // Docking-marker helpers (ExtPaintManagerDockMarkers.cpp).
    // A 32-bit DIB section copy of the bitmap with every non-key pixel shifted by AdjustHls; null when
    // all shifts are 0 or on failure. The caller owns the result.
    static HBITMAP AdjustBitmapHls(HBITMAP hBitmap, COLORREF clrKey, COLORREF clrKeyTolerance, double dHue,
                                   double dLightness, double dSaturation);
    static bool AdjustBitmapHlsInPlace(CBitmap& bmp, COLORREF clrKey, COLORREF clrKeyTolerance, double dHue,
                                       double dLightness, double dSaturation);
    // The bitmap's shape without its key colour (key + tolerance per channel); the caller owns it.
    static HRGN CreateRegionFromBitmap(HBITMAP hBitmap, COLORREF clrKey, COLORREF clrKeyTolerance);

    // One docking marker or a set of them, with the images of its type.
    struct DockMarker
    {
        enum : int
        {
            kNone = -1,
            kArrowTop = 0,
            kArrowBottom = 1,
            kArrowLeft = 2,
            kArrowRight = 3,
            kCentre = 4,
            kSetOfArrows = 5,
            kSetWithCentre = 6,
            kSetWithTab = 7,
            kCentreTab = 8,
            kKeyColor = 0x00FF00, // pure green: never shown, never recoloured
            kCentreMargin = 12    // the set box is the centre image plus this on every side
        };
        int m_eMarkerType = kNone;
        CBitmap m_bmp1;                                 // owned (hover image)
        CBitmap m_bmp2;                                 // owned (normal image)
        CRgn m_rgn;                                     // owned: the first image without its key colour
        CSize m_size = CSize(0, 0);                     // of both images
        CArray<DockMarker*, DockMarker*> m_arrChildren; // owned: the members of a set
        CRect m_rc = CRect(0, 0, 0, 0);                 // where the marker stands (screen coordinates)

        DockMarker() {}
        ~DockMarker() { Reset(); }
        DockMarker(const DockMarker&) = delete;
        DockMarker& operator=(const DockMarker&) = delete;
        // Deletes the images, region and children; type -1, empty size and rectangle.
        void Reset();
        // Loads a marker of a type for a rectangle; types outside -1 .. 8 fail.
        bool Load(int eMarkerType, const RECT& rc);
        // Places an image marker of its size inside rc.
        void Layout(const RECT& rc);
        // The embedded 24-bit BMP of an image type, null for others.
        static const BYTE* GetImageData(int eMarkerType, DWORD* pdwSize);

    private:
        bool LoadImage(int eMarkerType, const RECT& rc);
        bool AddChild(int eMarkerType, const RECT& rc, int nInsertAt = -1);
    };

    // Bitmap, DIB, BMP and monitor helpers (ExtPaintManagerBitmaps.cpp).
    // The monitor and work-area rectangles (screen coordinates) of one monitor.
    struct MonitorParms
    {
        CRect m_rcMonitor;
        CRect m_rcWorkArea;
        bool m_bPrimaryMonitor = false;
    };
    // An icon of the bitmap (or of its part) with clrTransparent see-through; with bReplaceSysColors
    // the greys 0x808080, 0xC0C0C0 and 0xDFDFDF become the button shadow, face and light colours.
    static HICON CreateIconFromBitmap(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRectBitmapSrc = nullptr,
                                      bool bReplaceSysColors = false);
    // A copy of the bitmap or of its part: a 32-bit bottom-up DIB section when ppColorSurface is
    // given (it receives the pixels), else a bitmap compatible with the screen.
    static HBITMAP CopyBitmap(HBITMAP hBitmap, const RECT* pRectBitmapSrc = nullptr,
                              COLORREF** ppColorSurface = nullptr);
    // Screen-compatible copies of parts of one bitmap (null where a part is empty, too large or fails),
    // through one pair of memory DCs.
    static std::vector<HBITMAP> CopyBitmapParts(HBITMAP hBitmap, const std::vector<RECT>& parts);
    // Counts every pixel's colour; answers the bitmap's bits per pixel, 0 on failure.
    static int CountBitmapColors(HBITMAP hBitmap, CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors);
    static int GetBitmapColorArray(HBITMAP hBitmap, CArray<COLORREF, COLORREF>& arrColors,
                                   bool bRemoveDuplicates = true);
    // A packed DIB (header, colour table, pixels) in global memory that the caller frees.
    static HGLOBAL GetBitmapDib(HBITMAP hBitmap, HPALETTE hPalette = nullptr);
    // Stores the bitmap as a BMP file, or loads one (dwResourceSize 0) or a resource's DIB (its
    // size). Loading checks every header field against the bytes present; anything else gives null.
    static bool SerializeBitmap(CArchive& ar, HBITMAP* p_hBitmap, DWORD dwResourceSize = 0);
    static HBITMAP LoadBitmapFromMemory(const BYTE* pData, DWORD dwSize);
    static HBITMAP LoadBitmapFromResource(HINSTANCE hInst, HRSRC hRsrc);
    static void GetDesktopMonitorParms(MonitorParms& mp);
    static void GetMonitorParmsFromPoint(MonitorParms& mp, const POINT& pt);
    static void GetMonitorParmsFromRect(MonitorParms& mp, const RECT& rc);
    static void GetMonitorParmsFromHwnd(MonitorParms& mp, HWND hWnd);
    static void GetMonitorParmsFromWnd(MonitorParms& mp, CWnd* pWnd);
    // The monitors (rectangles, work areas, primary flag) are asked once and kept until
    // DropKeptMonitors, which the holder calls on the system events; the monitor of a point or a
    // rectangle is then found in the kept list. False when the system lists no monitor.
    static bool GetKeptMonitorParms(MonitorParms& mp, const RECT& rc);
    static void DropKeptMonitors();
    // The platform's rule for the monitor nearest a rectangle (an empty one counts as its top-left
    // pixel): the largest intersection, else the smallest squared gap; the first wins a tie. -1
    // for no monitors.
    static int NearestMonitorIndex(const RECT* prcMonitors, int nCount, const RECT& rc);
    // Keeps the rectangle on the monitor nearest to it (its work area when bUseWorkArea).
    static CRect AlignRectToMonitor(CRect rc, bool bUseWorkArea = true, bool bNoPartialVisibility = false);
    // The same rule over a given area.
    static CRect AlignRectToArea(CRect rc, const CRect& rcArea, bool bNoPartialVisibility);
    static bool IsBackgroundTransparentControl(HWND hWnd);
    static bool IsBackgroundTransparentControl(void* pIgnored, LPARAM lParamIgnored, HWND hWnd);

    // ---- state -------------------------------------------------------------------------------
    struct CachedDC
    {
        CDC* m_pDC = nullptr;           // owned
        CGdiObject* m_pSaved = nullptr; // selected back on release
        HGDIOBJ m_hSaved = nullptr;
    };

    CArray<COLORREF, COLORREF> m_arrColors;
    CArray<HBRUSH, HBRUSH> m_arrBrushes; // system brushes; never deleted
    // Translated id -> table index. Bind only through BindColor: ids below kDirectIds (the system
    // indices and the three known runs 1000.., 2000.., 3000..) are mirrored in m_arrDirectIndex,
    // which lookups read first.
    CMap<int, int, int, int> m_mapTranslatedColors;
    CachedDC m_cachedDC[2];
    CPalette m_palette;
    CBrush m_brushLight50, m_brushLight50Sys, m_brushDark50, m_brushDark50Sys, m_brushLight60, m_brushLight60Sys,
        m_brushDark40, m_brushDark40Sys, m_brushLight80, m_brushLight80Sys, m_brushDark20, m_brushDark20Sys;
    CFont m_fontNormal, m_fontNormalRot270, m_fontNormalRot90, m_fontBold, m_fontBoldRot270, m_fontBoldRot90,
        m_fontSmall, m_fontSmallRot270, m_fontSmallRot90, m_fontSmallBold, m_fontSmallBoldRot270, m_fontSmallBoldRot90,
        m_fontMarlett;
    int m_nDisabledTextStateFlags;
    bool m_bUseTahomaMenuFont;

    enum
    {
        kSysColorCount = 50, // table entries 0..49: the system colours
        kSmallFontHeight = -11
    };

protected:
    // Drawing states of command icons: normal, disabled, one colour (a brush of clrBrush), the
    // variant look, and normal stretched to the whole rectangle.
    enum
    {
        kIconNormal = 0,
        kIconDisabled = 1,
        kIconMonochrome = 2,
        kIconVariant = 3,
        kIconStretched = 4
    };
    void SyncCmdIconVariant(CExtCmdIcon* pIcon);
    void PaintCmdIcon(CDC& dc, CExtCmdIcon* pIcon, const CRect& rcIcon, int nState, COLORREF clrBrush);
    void PaintCmdIconCentered(CDC& dc, CExtCmdIcon* pIcon, const CRect& rc, bool bEnabled);

    // Push-button parts shared by the base and XP forms (ExtPaintManagerPushButton.cpp).
    CRect SplitPushButton(const PushButtonPaintData& data, CRect& rcDropDown) const;
    void PaintPushButtonArrow(CDC& dc, const PushButtonPaintData& data, CRect rcDropDown, bool bPushedLook);
    // The icon or system-command glyph; answers the rectangle left for the caption.
    CRect PaintPushButtonContent(CDC& dc, const PushButtonPaintData& data, const CRect& rcMain);
    void PaintPushButtonCaption(CDC& dc, const PushButtonPaintData& data, const CRect& rcText, COLORREF clrText,
                                bool bXpLook);
    void PaintCaptionInFont(CDC& dc, const PushButtonPaintData& data, const CRect& rcText, COLORREF clrText,
                            bool bXpLook, HFONT hFont);
    // Menu-item parts shared by the base and XP forms (ExtPaintManagerMenu.cpp).
    static CRect MenuIconColumn(const MenuItemPaintData& data);
    void PaintMenuItemTexts(CDC& dc, const MenuItemPaintData& data, const CRect& rcText, COLORREF clrText,
                            HBRUSH hDisabledBrush);
    void PaintMenuSubmenuArrow(CDC& dc, const MenuItemPaintData& data, const CRect& rcArrow, COLORREF clrArrow);
    // The icon-and-text list item of PaintPart62 in the base or XP colours.
    void PaintListItem(CDC& dc, ListItemPaintData& data, bool bXP);

    enum
    {
        kKnownIdsPerRun = 36,
        kDirectIds = 3000 + kKnownIdsPerRun // ids below it are read from m_arrDirectIndex
    };
    // Table index by id below kDirectIds: a system index maps to itself, an id of 1000 and above to
    // its bound index, -1 while unbound.
    int m_arrDirectIndex[kDirectIds];
    int* FindKnownId(int nColor)
    {
        if (nColor < 1000 || nColor >= kDirectIds)
            return nullptr;
        return &m_arrDirectIndex[nColor];
    }
    const int* FindKnownId(int nColor) const { return const_cast<CExtPaintManager*>(this)->FindKnownId(nColor); }
    void ClearTranslatedColors();

    // The system-event work: end the paint session, then fonts, colours and brushes in place.
    LRESULT Reinitialize();
    // The undo/redo caption; bFramed draws the sunken frame of the base style.
    void PaintUndoRedoCaptionBody(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc, LPARAM lParam,
                                  bool bFramed);
    // Binds an id to an existing table index.
    void BindColor(int nColor, int nIndex)
    {
        m_mapTranslatedColors.SetAt(nColor, nIndex);
        if (int* p = FindKnownId(nColor))
            *p = nIndex;
    }
    // Appends a colour and binds the id to it; returns the new index.
    int BindNewColor(int nColor, COLORREF clr)
    {
        int n = InstallColor(clr, -1);
        BindColor(nColor, n);
        return n;
    }
    // Per-channel mix of a toward b by p/q, 8 bits kept.
    static COLORREF MixTowards(COLORREF a, COLORREF b, int p, int q);
};
