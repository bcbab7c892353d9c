// CExtColorCtrl: a child window that picks a colour in one of sixteen models and tells its parent of each change.
// The models are nested types: the base any_picker_data_t; the cell grids (honeycomb, mixers, difference) in
// ExtColorCtrlCells.cpp; the two cubes in ExtColorCtrlCubes.cpp; the panel-and-bar models in ExtColorCtrlPanels.cpp.
// The control owns one of each, forwards size, paint and mouse events to the model of its mode and reads the
// model's colour back after every mouse event.
#pragma once
#include "platform/Collections.h"
#include "platform/Gdi.h"
#include "platform/Wnd.h"
#include <algorithm>
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CDC;

class CExtColorCtrl : public CWnd, public CExtMouseCaptureSink
{
public:
    enum : int
    {
        kModeCount = 16,       // modes 0..15; 15 is the difference model, without a name
        kNamedModes = 15,      // modes with a name, listed by the colour dialog
        kModeNameBase = 30343, // string id of mode 0's name; mode n is kModeNameBase + n
    };

    // ---- a 32-bit top-down DIB kept selected in a memory DC of its own ------------------------------------
    struct dib_t
    {
        HBITMAP m_hBitmap = nullptr; // owned
        DWORD* m_pBits = nullptr;    // 0x00RRGGBB
        HDC m_hDC = nullptr;         // owned, holds m_hBitmap
        HGDIOBJ m_hOld = nullptr;
        int m_cx = 0, m_cy = 0;
        mutable HRGN m_hRgnCover = nullptr; // owned: the black pixels of a mask, built on first use
        dib_t() = default;
        dib_t(const dib_t&) = delete;
        dib_t& operator=(const dib_t&) = delete;
        ~dib_t() { Drop(); }
        bool Create(int cx, int cy, DWORD dwFill);
        void Drop();
        bool IsEmpty() const { return m_hBitmap == nullptr; }
        // The region of the black pixels (what a mask covers); null when it cannot be made.
        HRGN CoverRegion() const;
    };

    // Draws a picture whose uncovered pixels are black through its mask (white where the target shows through).
    static void DrawMasked(CDC& dc, int x, int y, const dib_t& image, const dib_t& mask);

    // ---- a cached picture the models render into, drawn opaque or with a transparent key ------------------
    // The transparent form keeps a mask (white where the target shows through) and the picture with those pixels
    // black, so that a draw is two blits.
    struct bitmap_cache_t
    {
        dib_t m_image;
        dib_t m_keyed, m_mask; // built on the first transparent draw after a change
        COLORREF m_clrKey = RGB(255, 255, 255);
        bool IsEmpty() const { return m_image.IsEmpty(); }
        bool Create(int cx, int cy, COLORREF clrFill);
        void Drop();
        void SetPixel(int x, int y, COLORREF clr);
        COLORREF GetPixel(int x, int y) const;
        // A brush-filled square: the low-colour renderers' unit.
        void FillRect(int x, int y, int cx, int cy, COLORREF clr, CPalette* pPalette);
        // The memory DC of the picture, for drawing into it; the transparent form is rebuilt afterwards.
        HDC GetDrawDC();
        void Draw(CDC& dc, int x, int y) const;
        // Pixels of the key colour leave the target as it is.
        void DrawTransparent(CDC& dc, int x, int y, COLORREF clrKey);
    };
    // ---- the models -------------------------------------------------------------------------------
    struct any_picker_data_t
    {
        int m_nTrackingState = 0; // 0 idle, else a model-specific drag code
        int m_nWidth = 50, m_nHeight = 50;
        COLORREF m_clr = RGB(255, 255, 255);
        COLORREF m_clrRef = RGB(255, 255, 255); // shown only by the difference model
        double m_fLuminance = 1.0, m_fSaturation = 0.0, m_fHue = 0.0;

        any_picker_data_t();
        // Slot order is part of the contract: Layout, Reset, Paint, OnButtonDown, OnButtonUp, OnMouseMove,
        // SetReferenceColor, SetColor, SetHls.
        virtual void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors);
        virtual void Reset() = 0;
        virtual void Paint(CDC& dc, CPalette* pPalette) = 0;
        virtual void OnButtonDown(UINT nFlags, int x, int y) = 0;
        virtual void OnButtonUp(UINT nFlags, int x, int y) = 0;
        virtual void OnMouseMove(UINT nFlags, int x, int y) = 0;
        virtual void SetReferenceColor(COLORREF clr);
        virtual void SetColor(COLORREF clr);
        virtual void SetHls(double fHue, double fLuminance, double fSaturation);

    protected:
        // Selects and realises the palette (not forced to background); returns the old one.
        static CPalette* SelectPalette(CDC& dc, CPalette* pPalette);
        static bool IsLowColor();
    };

    struct cell_t
    {
        COLORREF m_clr = RGB(255, 255, 255);
        RECT m_rc = {0, 0, 0, 0};
        int m_nFlag = 1; // 0 for the mixers' and the difference model's cells; nothing depends on it
        POINT m_pts[6] = {};
        bool m_bHexagon = true; // painted and hit-tested as the polygon, else as the rectangle
        void Paint(CDC& dc, bool bSelected, CPalette* pPalette) const;
        bool HitTest(int x, int y) const;
    };

    // Basic colours (mode 0): the honeycomb of 144 cells; the base of the other cell models.
    struct cell_based_data_t : public any_picker_data_t
    {
        enum : int
        {
            kStateTracking = 6,
            kRingCount = 6,
            kCellCount = 144, // centre, 126 ring cells, 17 in the bottom row
        };
        CArray<cell_t, cell_t&> m_arrCells;
        // All cells unselected over black, and the mask of what they cover; dropped when cells change.
        dib_t m_cacheImage, m_cacheMask;
        void DropCellCache();

        void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors) override;
        void Reset() override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        void OnButtonDown(UINT nFlags, int x, int y) override;
        void OnButtonUp(UINT nFlags, int x, int y) override;
        void OnMouseMove(UINT nFlags, int x, int y) override;

        // The first cell, in index order, that holds the point; -1 when none.
        int HitTestCells(int x, int y) const;
        // All cells unselected, then the given ones selected.
        void PaintCells(CDC& dc, CPalette* pPalette, const int* pSelected, int nSelected);
        static void MakeHexagon(cell_t& cell, int nSize, double x, double y);
    };

    struct grayscale_mixer_data_t : public cell_based_data_t
    {
        void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors) override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        // Cells of nColumns columns of 256 rectangle cells; cell i of column k gets fnColor(k, i).
        void LayoutColumns(int nColumns, COLORREF (*fnColor)(int nColumn, int nValue));
    };
    struct rgb_mixer_data_t : public grayscale_mixer_data_t
    {
        void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors) override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        void OnMouseMove(UINT nFlags, int x, int y) override;
    };
    struct cmy_mixer_data_t : public rgb_mixer_data_t
    {
        void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors) override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        void OnMouseMove(UINT nFlags, int x, int y) override;
    };
    // Mode 15: the colour over the reference colour.
    struct diff_data_t : public cell_based_data_t
    {
        void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors) override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        void SetReferenceColor(COLORREF clr) override;
        void SetColor(COLORREF clr) override;
        void SetHls(double fHue, double fLuminance, double fSaturation) override;
        void SyncCells();
    };

    // The three faces of the colour cube that meet at black; the CMY cube inverts every value.
    struct rgb_cube_data_t : public any_picker_data_t
    {
        enum : int
        {
            kStateRed = 1,
            kStateGreen = 2,
            kStateBlue = 3,
            kBorder = 5,
            kMinSide = 4, // smaller cubes paint nothing and take no input
        };
        bool m_bInverted = false; // the CMY cube
        int m_nLeft = 0, m_nTop = 0, m_nRight = 0, m_nBottom = 0;
        POINT m_ptCenter = {0, 0}, m_ptTop = {0, 0}, m_ptLeft = {0, 0}, m_ptRight = {0, 0};
        POINT m_arrFaces[3][4] = {}; // faces without blue, without green, without red
        POINT m_arrHandles[3] = {};  // red (cyan), green (magenta), blue (yellow)
        bitmap_cache_t m_bmpFaces;   // rendered once per size

        void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors) override;
        void Reset() override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        void OnButtonDown(UINT nFlags, int x, int y) override;
        void OnButtonUp(UINT nFlags, int x, int y) override;
        void OnMouseMove(UINT nFlags, int x, int y) override;
        void SetColor(COLORREF clr) override;
        void SetHls(double fHue, double fLuminance, double fSaturation) override;

        bool IsUsable() const { return m_nBottom - m_nTop >= kMinSide; }
        // The colour whose channels the handles show: the colour, or its inversion for the CMY cube.
        COLORREF AxisColor(COLORREF clr) const;
        void CalcHandles();
        void Render(CPalette* pPalette);
    };
    struct cmy_cube_data_t : public rgb_cube_data_t
    {
        cmy_cube_data_t() { m_bInverted = true; }
    };

    // Panel above, bar below, both rendered into cached bitmaps.
    struct hsl_panel_data_t : public any_picker_data_t
    {
        enum : int
        {
            kMargin = 4,
            kBarHeight = 20,
            kStateBar = 4,
            kStatePanel = 5,
        };
        int m_nPanelWidth = 0, m_nPanelHeight = 0, m_nBarWidth = 0;
        int m_nLayoutCx = -1, m_nLayoutCy = -1;
        POINT m_ptPanel = {0, 0}; // the last panel point of a drag, panel coordinates
        bitmap_cache_t m_bmpPanel, m_bmpBar;

        void Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors) override;
        void Reset() override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        void OnButtonDown(UINT nFlags, int x, int y) override;
        void OnButtonUp(UINT nFlags, int x, int y) override;
        void OnMouseMove(UINT nFlags, int x, int y) override;
        void SetColor(COLORREF clr) override;
        void SetHls(double fHue, double fLuminance, double fSaturation) override;
        virtual void RenderBar(CDC& dc, CPalette* pPalette);
        virtual void RenderPanel(CDC& dc, CPalette* pPalette);

        // Panel and bar at least 1 pixel each way; smaller models paint only the background.
        virtual bool IsUsable() const;
        // Where the markers stand: panel coordinates, bar x in bar coordinates.
        virtual POINT PanelMarker() const;
        virtual int BarMarker() const;
        // A drag step at panel coordinates (already clamped and kept per the modifier keys), or on the bar.
        virtual void DragPanel(int x, int y);
        virtual void DragBar(int x);
        // The caches that a colour change makes stale.
        virtual void OnColorSet();
        // Renders a bitmap point by point (or 4 x 4 squares below 9 bits per pixel).
        void RenderBitmap(bitmap_cache_t& bmp, int cx, int cy, int nLowOffset, CPalette* pPalette,
                          COLORREF (*fn)(const hsl_panel_data_t& model, int x, int y));
    };
    struct hsl_basic_hue_data_t : public hsl_panel_data_t
    {
        void RenderBar(CDC& dc, CPalette* pPalette) override;
        void RenderPanel(CDC& dc, CPalette* pPalette) override;
        POINT PanelMarker() const override;
        int BarMarker() const override;
        void DragPanel(int x, int y) override;
        void DragBar(int x) override;
        void OnColorSet() override;
    };
    // The colour wheel: hue by angle, saturation by the square of the distance.
    struct hsl_roller_data_t : public hsl_panel_data_t
    {
        enum : int
        {
            kGrip = 18, // a press this far outside the wheel still takes it
        };
        void RenderPanel(CDC& dc, CPalette* pPalette) override;
        void Paint(CDC& dc, CPalette* pPalette) override;
        void OnButtonDown(UINT nFlags, int x, int y) override;
        void OnMouseMove(UINT nFlags, int x, int y) override;
        bool IsUsable() const override;
        POINT PanelMarker() const override;
        int Radius() const { return (std::min(m_nPanelWidth, m_nPanelHeight) - 4) / 2; }
    };
    // One channel on the bar, the other two on the panel; axes 3..5 work on the inverted colour.
    struct xyz_plain_data_t : public hsl_panel_data_t
    {
        int m_nAxis = 0; // 0..5: red, green, blue, cyan, magenta, yellow
        explicit xyz_plain_data_t(int nAxis = 0) : m_nAxis(nAxis) {}
        void RenderBar(CDC& dc, CPalette* pPalette) override;
        void RenderPanel(CDC& dc, CPalette* pPalette) override;
        POINT PanelMarker() const override;
        int BarMarker() const override;
        void DragPanel(int x, int y) override;
        void DragBar(int x) override;
        void OnColorSet() override;
        // Channel indices (0 red, 1 green, 2 blue of the axis colour) of the bar, the panel x and the panel y.
        void Channels(int& nBar, int& nX, int& nY) const;
        COLORREF AxisColor(COLORREF clr) const;
        int m_nRenderedAxisValue = -1;
    };

    // ---- the colour record the notification points to ----------------------------------------------
    struct selection_colors_t
    {
        COLORREF m_clrRef = RGB(255, 255, 255);
        COLORREF m_clrCurrent = RGB(255, 255, 255);
        COLORREF m_clrPrev = RGB(255, 255, 255); // the current colour before the last change by the mouse
    };

    // Sent to the parent on every change made with the mouse: WPARAM the control's window, LPARAM the
    // selection_colors_t record.
    static const UINT g_nMsgColorChanged;

    explicit CExtColorCtrl(int nMode = 0);
    ~CExtColorCtrl() override;

    // The name of a mode (string kModeNameBase + mode, else the built-in English name); empty outside 0..14.
    static CString GetModeName(int nMode);

    void SetColor(COLORREF clr, bool bNotify = false);
    // Sends g_nMsgColorChanged to the parent.
    virtual void OnColorChanged();
    // Without bKeepColors every model is reset first; then the current model is laid out to the client area.
    void RecalcLayout(bool bKeepColors);
    // A mode outside 0..15 is refused and the mode kept.
    bool SetMode(int nMode);
    any_picker_data_t* GetCurrentModel() const;

    int m_nMode;
    bool m_bTracking = false;
    selection_colors_t m_selClrs;

    cell_based_data_t m_dataCells;
    hsl_panel_data_t m_dataHslPanel;
    hsl_basic_hue_data_t m_dataHslBasicHue;
    hsl_roller_data_t m_dataHslRoller;
    rgb_cube_data_t m_dataRgbCube;
    rgb_mixer_data_t m_dataRgbMixer;
    grayscale_mixer_data_t m_dataGrayscaleMixer;
    cmy_cube_data_t m_dataCmyCube;
    cmy_mixer_data_t m_dataCmyMixer;
    xyz_plain_data_t m_dataXyz[6];
    diff_data_t m_dataDiff;
    any_picker_data_t* m_arrModels[kModeCount]; // in mode order

protected:
    void CaptureOn();
    void CaptureOff();
    void RepaintNow();
    // One mouse step of the model: reads its colour back and notifies when it changed.
    void TrackStep(UINT nFlags, int x, int y);
    CPalette* PaletteForDevice() const;
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCancelMode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg BOOL OnQueryNewPalette();
    // The other mouse buttons, double clicks and key-up: swallowed.
    afx_msg LRESULT OnSwallow(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
