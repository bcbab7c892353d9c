// CHoverButton: an owner-drawn push button with an icon or a masked bitmap and optional text, a
// flat look that rises while the mouse is over it, a tooltip, a URL, a popup menu, a cursor,
// sounds, a check-box mode and a transparent mode.
#pragma once
#include "platform/Platform.h"

class CHoverButton : public CButton
{
    DECLARE_DYNAMIC(CHoverButton)
public:
    // Results of the setters.
    enum : DWORD
    {
        kOk = 0,
        kInvalidResource = 1,
        kFailedMask = 2,
        kInvalidIndex = 3,
        kInvalidPressedStyle = 6,
    };
    // Picture placement against the text.
    enum
    {
        kAlignHoriz = 0,      // picture left of the text
        kAlignVert = 1,       // picture above the text
        kAlignHorizRight = 2, // picture right of the text
    };
    // Pressed offsets: (1, 1) and (0, 2) pixels.
    enum
    {
        kPressedLeftRight = 0,
        kPressedTopBottom = 1,
    };
    // Colour slots: background and text for hovered or pressed, not hovered, focused.
    enum
    {
        kColorBkIn,
        kColorFgIn,
        kColorBkOut,
        kColorFgOut,
        kColorBkFocus,
        kColorFgFocus,
        kColorCount
    };
    // Special values of the out icon: copies made from the in icon.
    static const int kIconGrey = -2;
    static const int kIconDarker = -3;
    static const int kMaxUrl = 260; // characters kept of a URL

    CHoverButton();
    ~CHoverButton() override;

    // ---- pictures ------------------------------------------------------------------------------
    // Icons by resource id (iconOut may be 0, kIconGrey or kIconDarker); a failed lookup clears
    // both pictures and answers kInvalidResource.
    DWORD SetIcon(int nIconIn, int nIconOut = 0);
    // The same with both icons loaded at the given size instead of the icon's own.
    DWORD SetIcon(int nIconIn, CSize szIcon, int nIconOut = 0);
    // Icons by handle; the button owns them afterwards.
    DWORD SetIcon(HICON hIconIn, HICON hIconOut = nullptr);
    // Bitmaps by resource id or handle, each drawn through a mask of its transparent colour.
    DWORD SetBitmaps(int nBitmapIn, COLORREF crTransIn, int nBitmapOut = 0, COLORREF crTransOut = 0);
    DWORD SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransIn, HBITMAP hBitmapOut = nullptr, COLORREF crTransOut = 0);
    DWORD SetAlign(int nAlign, BOOL bRepaint = TRUE);
    DWORD SetPressedStyle(int nStyle, BOOL bRepaint = TRUE);

    // ---- look ----------------------------------------------------------------------------------
    DWORD SetFlat(BOOL bFlat = TRUE, BOOL bRepaint = TRUE);
    DWORD DrawBorder(BOOL bEnable = TRUE, BOOL bRepaint = TRUE);
    DWORD DrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint = TRUE);
    DWORD DrawTransparent(BOOL bRepaint = FALSE);
    DWORD SetDefaultColors(BOOL bRepaint = TRUE);
    DWORD SetColor(int nIndex, COLORREF crColor, BOOL bRepaint = TRUE);
    COLORREF GetColor(int nIndex) const;
    void SetTrackWhenInactive(BOOL bTrack) { m_bAlwaysTrack = bTrack; }

    // ---- check-box mode ------------------------------------------------------------------------
    DWORD SetCheck(int nCheck, BOOL bRepaint = TRUE);
    int GetCheck() const { return m_bIsCheckBox ? m_nCheck : 0; }
    BOOL IsCheckBox() const { return m_bIsCheckBox; }

    // ---- extras --------------------------------------------------------------------------------
    DWORD SetURL(LPCTSTR lpszURL = nullptr);
    const CString& GetURL() const { return m_strURL; }
    void SetTooltipText(LPCTSTR lpszText, BOOL bActivate = TRUE);
    // The tooltip control (no window before the first tooltip text).
    CToolTipCtrl& GetToolTip() { return m_ToolTip; }
    void ActivateTooltip(BOOL bEnable = TRUE);
    // The popup menu shown on a click: the first submenu of menu resource nMenu. The callback
    // window, when given, gets nCallbackMsg with the submenu before it shows.
    DWORD SetMenu(UINT nMenu, HWND hParentWnd, BOOL bRepaint = TRUE);
    DWORD SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam = 0);
    DWORD SetBtnCursor(int nCursorId = 0, BOOL bRepaint = TRUE);
    // The hover sound (bClick FALSE) or the click sound: a file or resource name with PlaySound flags.
    DWORD SetSound(LPCTSTR lpszSound, HMODULE hMod = nullptr, BOOL bPlayOnClick = FALSE);

    // ---- state ---------------------------------------------------------------------------------
    BOOL IsHovered() const { return m_bMouseOnButton; }
    BOOL IsFlat() const { return m_bIsFlat; }
    BOOL IsDefault() const { return m_bIsDefault; }
    // The offset the content moves by when pressed.
    CSize GetPressedOffset() const { return m_szPressedOffset; }
    HICON GetIconIn() const { return m_hIconIn; }
    HICON GetIconOut() const { return m_hIconOut; }
    // Clicks seen by the reflected BN_CLICKED.
    int GetClickCount() const { return m_nClicks; }

    // Grey and darker copies of an icon (new icons the caller owns; null on failure).
    static HICON CreateGrayscaleIcon(HICON hIcon);
    static HICON CreateDarkerIcon(HICON hIcon, double dFactor = 0.25);
    // The pixel rules of those copies (black stays black).
    static COLORREF GrayPixel(COLORREF cr);
    static COLORREF DarkerPixel(COLORREF cr, double dFactor);

    // Draws the button in the state given (the owner drawing's order).
    void DrawButton(CDC& dc, CRect rcItem, bool bPressed, bool bFocused, bool bDisabled);

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    void InitToolTip();
    void FreeIcons();
    void FreeBitmaps();
    // Leaves the hover state; repaints when it was hovered.
    void CancelHover();
    void PrepareBkDC(CDC& dc);
    void DrawBackground(CDC& dc, CRect& rc, bool bPressed, bool bFocused);
    void DrawBorderEdges(CDC& dc, const CRect& rc, bool bPressed);
    void LayoutPicture(const CRect& rcClient, const CRect& rcText, bool bHasText, bool bPressed, CRect& rcImage,
                       const CSize& szImage) const;
    void DrawPicture(CDC& dc, const CRect& rcClient, const CRect& rcText, bool bHasText, bool bPressed, bool bDisabled);
    void DrawCaption(CDC& dc, const CString& strText, const CRect& rcText, bool bPressed, bool bFocused,
                     bool bDisabled);
    // Plays the hover or click sound (PlaySound with the sound's own module and flags).
    virtual void PlayButtonSound(const CString& strSound, HMODULE hMod, DWORD dwFlags);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnClicked();
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCheckMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bIsFlat;
    BOOL m_bMouseOnButton;
    BOOL m_bIsPressed;
    BOOL m_bIsFocused;
    BOOL m_bIsDefault;
    BOOL m_bIsCheckBox;
    int m_nCheck;
    BOOL m_bDrawBorder;
    BOOL m_bDrawFlatFocus;
    BOOL m_bAlwaysTrack;
    BOOL m_bDrawTransparent;
    UINT m_nTypeStyle; // low five style bits of the window as created
    int m_nAlign;      // kAlign...
    CSize m_szPressedOffset;
    int m_nClicks;

    HICON m_hIconIn;  // owned
    HICON m_hIconOut; // owned; null when the in icon serves both
    CSize m_szIcon;
    HBITMAP m_hBitmapIn;  // owned
    HBITMAP m_hBitmapOut; // owned; may be null
    HBITMAP m_hMaskIn;    // owned
    HBITMAP m_hMaskOut;   // owned
    CSize m_szBitmap;

    COLORREF m_crColors[kColorCount];
    CToolTipCtrl m_ToolTip;
    CString m_strURL;
    HMENU m_hMenu; // owned
    HWND m_hParentWndMenu;
    HWND m_hCallbackWnd;
    UINT m_nCallbackMsg;
    LPARAM m_lCallbackParam;
    HCURSOR m_hCursor; // owned
    CString m_strSound;
    HMODULE m_hSoundMod;
    DWORD m_dwSoundFlags;
    CString m_strClickSound;
    HMODULE m_hClickSoundMod;
    DWORD m_dwClickSoundFlags;
    BOOL m_bMenuShown; // the popup menu is showing: the button is drawn pressed

    // Transparent mode: the parent's pixels under the button, copied once.
    HDC m_hdcBk;         // owned memory DC, null until the first drawing
    HBITMAP m_hbmBk;     // owned, selected into m_hdcBk
    HGDIOBJ m_hOldBmpBk; // the DC's own bitmap, put back before it is deleted
};
