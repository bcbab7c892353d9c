// CSplashScreenEx: a shaped, top-most pop-up showing a bitmap and a line of text during the start.
// Shown, it is the thread's splash window (PlatformSetSplashWindow): boxes asked for meanwhile lie above
// it. Hiding destroys the window; the object deletes itself after its window is gone.
#pragma once
#include "platform/Platform.h"

class CSplashScreenEx : public CWnd
{
    DECLARE_DYNAMIC(CSplashScreenEx)
public:
    // Style bits.
    enum : DWORD
    {
        kFadeIn = 0x01,
        kFadeOut = 0x02,
        kShadow = 0x04,
        kCenterScreen = 0x08,
        kCenterParent = 0x10,
        kHideOnInput = 0x20,
    };

    CSplashScreenEx();
    ~CSplashScreenEx() override;

    BOOL Create(CWnd* pParent, LPCTSTR lpszText = nullptr, DWORD dwTimeout = 2000, DWORD dwStyle = kCenterScreen);
    // Loads the bitmap; unless a colour part is 65535 the window takes the shape of the pixels
    // that differ from that colour.
    BOOL SetBitmap(UINT nBitmapID, short red, short green, short blue);
    void SetTextFont(LPCTSTR lpszFont, int nSize, int nStyle);
    void SetText(LPCTSTR lpszText);
    void SetTextColor(COLORREF clr);
    void SetTextRect(const CRect& rc);
    void SetTextFormat(UINT nFormat) { m_nTextFormat = nFormat; }
    void Show();
    void Hide();

    const CString& GetText() const { return m_strText; }
    static const wchar_t* const kClassName;

    // The region of the bitmap's pixels that differ from the colour: one rectangle per run.
    static HRGN CreateRgnFromBitmap(HBITMAP hBmp, COLORREF clrTransparent);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    void DrawWindow(CDC* pDC);
    void Redraw();

    typedef BOOL(WINAPI* AnimateWindowFn)(HWND, DWORD, DWORD);
    AnimateWindowFn m_pfnAnimateWindow;
    CWnd* m_pParent;
    CBitmap m_bitmap;
    CFont m_font;
    HRGN m_hRegion;
    DWORD m_dwStyle;
    DWORD m_dwTimeout;
    CString m_strText;
    CRect m_rcText;
    UINT m_nTextFormat;
    COLORREF m_clrText;
    int m_nBitmapWidth;
    int m_nBitmapHeight;
    int m_nxPos;
    int m_nyPos;
};
