// CExtStatusControlBar: the toolkit status bar. It keeps the platform bar's pane records and the common control's
// parts, paints the panes itself through the global paint manager, hosts child windows inside panes, and lets
// panes come and go at run time with their texts, styles, widths and icons kept.
//
// Painting: WM_PAINT fills a memory DC (background, then each pane's icon, text and border, the separators and the
// size grip) and copies it to the screen. While the common control handles SB_SETTEXTW or SB_SETICON it may not
// paint (state bit 0); the bar repaints itself right after.
#pragma once
#include "platform/Collections.h"
#include "platform/StatusBar.h"
#include "platform/String.h"
#include <vector>

class CDC;

class CExtStatusControlBar : public CStatusBar
{
    DECLARE_DYNCREATE(CExtStatusControlBar)
public:
    // One pane, in the order of the platform's pane record.
    struct _STATUSBAR_PANE_
    {
        UINT nID = 0;
        int cxText = 0;  // width of the text area in pixels
        UINT nStyle = 0; // SBPS_* bits
        UINT nFlags = 0;
        CString strText;
    };
    // A child window shown inside a pane.
    struct _STATUSBAR_PANE_CTRL_
    {
        HWND hWndCtrl = nullptr;
        UINT nID = 0;             // command id of its pane
        bool bAutoDelete = false; // destroy the window when it leaves the bar
    };
    // Per-pane extras, keyed by pane id; nothing fills the map in this program.
    struct _ED_
    {
        UINT nDrawTextFlags = 0;
        CString strTipText;
    };

    // Look flags.
    enum : BYTE
    {
        kLookFrameFirstPane = 0x01,
        kLookThemed = 0x02,        // paint through the paint manager; clear: the control's own painting
        kLookNoPaneBorders = 0x04, // themed: separators between panes instead of pane frames
        kLookHideDisabledText = 0x08,
        kLookNoPaneIcons = 0x10,
    };
    // State flags.
    enum : BYTE
    {
        kStateDefaultProcessing = 0x01, // the common control handles SB_SETTEXTW or SB_SETICON
    };
    static const UINT kDefaultDrawTextFlags = DT_SINGLELINE | DT_VCENTER;

    CExtStatusControlBar();
    ~CExtStatusControlBar() override;

    // ---- panes ---------------------------------------------------------------------------------
    // One pane per id: id 0 is a quarter of the screen wide (the first such pane stretches without borders),
    // others take their string through the toolkit's resource manager (missing: empty). Stops at the first pane
    // whose text cannot be set and answers false. Null ids with a count only update the panes.
    bool SetIndicators(const UINT* lpIDArray, int nIDCount);
    bool GetPaneInfoEx(int nIndex, _STATUSBAR_PANE_* pPane) const;
    bool SetPaneInfoEx(int nIndex, const _STATUSBAR_PANE_* pPane);
    // The pane's command id; 0 out of range or without a window.
    UINT GetPaneID(int nIndex) const;
    // Inserts a pane at nIndex (0 .. count) for an id no pane has. The other panes keep their records and icons;
    // when the rebuild fails every pane is put back as it was and the answer is false.
    bool AddPane(UINT nID, int nIndex);
    // Removes the pane of the id with its extra data and its control; the only pane cannot be removed. The rebuild
    // fails as AddPane's does.
    bool RemovePane(UINT nID, bool bRefresh = true);
    bool RemovePaneRefresh(UINT nID) { return RemovePane(nID, true); }
    // A child window shown inside the pane of nID; an earlier control of that pane leaves first.
    bool AddPaneControl(CWnd* pWnd, UINT nID, bool bAutoDelete);
    bool AddPaneControl(HWND hWnd, UINT nID, bool bAutoDelete);
    // Hides the control of nID's pane (destroying it with auto-delete) and drops its record.
    bool RemovePaneControl(UINT nID);
    // Moves each control into its pane; a control whose pane is gone is hidden.
    void RepositionPaneControls();
    void RedrawStatusBar();
    UINT GetPaneDrawTextFlags(int nIndex) const;
    CString GetPaneTipText(int nIndex) const;
    void UpdateColors();

    // ---- overridables ----------------------------------------------------------------------------
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Pane index under a client point, -1 none.
    virtual int HitTestPane(CPoint point) const;
    virtual void OnPaintBackground(CDC& dc, const CRect& rcClient);
    virtual void OnBeforePanePaint(CDC& dc, int nIndex, const CRect& rcPane, UINT nStyle);
    virtual void OnPaintPane(CDC& dc, int nIndex, const CRect& rcPane, UINT nStyle, HICON hIcon, const CString& strText,
                             UINT nDrawTextFlags);
    // The text colour of a pane; -1 keeps the DC's colour.
    virtual COLORREF GetPaneTextColor(int nIndex) const;
    virtual bool IsSizeGripEnabled() const;
    virtual void OnPaintSizeGrip(CDC& dc, const CRect& rcGrip);
    virtual void OnPaintPaneSeparator(CDC& dc, int nIndex, const CRect& rcPrev, const CRect& rcPane);

    // Paints the whole client area into dc (WM_PAINT and WM_PRINTCLIENT).
    void DoPaintBar(CDC& dc);

    // ---- state ---------------------------------------------------------------------------------------
    BYTE m_nStateFlags;
    CMap<UINT, UINT, _ED_, const _ED_&> m_mapPaneExtraData;
    BYTE m_nLookFlags;
    UINT m_nDrawTextFlagsDefault;
    COLORREF m_clrStatusBk;         // -1 until the first colour update
    COLORREF m_clrSecond;           // paint-manager colour 1010
    COLORREF m_clrPaneSeparator;    // the background, or the shadow colour when themed
    COLORREF m_clrPaneTextNormal;   // COLOR_BTNTEXT
    COLORREF m_clrPaneTextDisabled; // COLOR_BTNSHADOW
    CArray<_STATUSBAR_PANE_CTRL_*, _STATUSBAR_PANE_CTRL_*> m_arrPaneControls; // records owned

protected:
    // The rectangle a pane paints in; the last pane's reaches its width plus edges, or the grip when it stretches.
    CRect PanePaintRect(int nIndex, const CRect& rcClient) const;
    // Rebuilds the panes for a new id list, giving the kept panes their records and icons back (nKeep: index in
    // the old list per new index, -1 for a new pane). Restores the old panes on failure.
    bool RebuildPanes(const std::vector<UINT>& ids, const std::vector<int>& nKeep);
    int FindPaneControl(UINT nID) const;

    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
