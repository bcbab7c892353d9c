// CExtPopupBaseWnd: the base window of the toolkit's popups: where the popup was asked to appear,
// the painting callback of its combined area and the state of its opening animation.
#pragma once
#include "platform/Gdi.h"
#include "platform/Wnd.h"
#include "toolkit/menus_dialogs/ExtPopupShadow.h"

class CDC;

class CExtPopupBaseWnd : public CWnd
{
    DECLARE_DYNCREATE(CExtPopupBaseWnd)
public:
    // Paints the owner's part of a combined popup: cookie, DC, popup and the owner's rectangle.
    typedef void (*PaintCombinedAreaCallback_t)(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea);

    // Bits of m_nBaseFlags.
    enum : BYTE
    {
        BASE_FLAG_EXCLUDE_RECT = 0x01, // m_rcExclude was given
        BASE_FLAG_COMBINED = 0x02,     // the popup is joined with its owner's rectangle
    };
    // Bits of m_nAnimFlags.
    enum : BYTE
    {
        ANIM_FLAG_FINISHED = 0x01, // no animation left: paint the finished popup
    };
    // Opening animations (m_nAnimationKind).
    enum : int
    {
        ANIM_EXPAND = -2,
        ANIM_INSTANT = -1,
        ANIM_NONE = 0,
        ANIM_RANDOM = 1,
        ANIM_SLIDE = 2,
        ANIM_SLIDE_VERT = 3,
        ANIM_FADE = 4,
        ANIM_UNFOLD = 5,
        ANIM_ROLL = 6,
        ANIM_DISSOLVE = 7,
        ANIM_TILES = 8,
        ANIM_CIRCLES = 9,
        ANIM_HOLES = 10,
    };
    enum : UINT_PTR
    {
        ID_TIMER_ANIMATION = 666,
        ID_TIMER_TIP_DELAY = 669,
    };
    enum : UINT
    {
        ANIMATION_PERIOD = 30, // ms between two frames
    };

    CExtPopupBaseWnd();
    ~CExtPopupBaseWnd() override;

    // TRUE at once when there is no window.
    BOOL DestroyWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Timer 666: one animation step; timer 669: shows the tip window.
    virtual void OnTimerAnimation();
    void OnTimerTipDelay();
    // WM_PAINT of the popup.
    void OnPaintPopup();

    // ---- toolkit operations (their order is kept by every derived popup) ----------------------
    // The cookie when it is an object pointer, else null.
    virtual LPVOID GetCombinedAreaCookie() const;
    virtual bool IsCombinedWithParentItem() const;
    virtual bool IsEmbeddedTracking() const;
    // Chooses the animation kind and clears the progress.
    virtual void SetupAnimation();
    virtual void StartAnimation();
    virtual void AdjustAnimationKind(int& nAnimationKind);
    virtual void ClearShadowCache();
    virtual bool IsShadowEnabled() const;
    virtual int GetShadowSize() const;
    virtual void PaintAnimationFrame(CDC& dc);
    virtual void PaintMenu(CDC& dc, bool bUseBackBuffer);
    virtual CRect GetPopupClientRect() const;
    virtual bool IsContextHelpMode() const;

    bool IsAnimationFinished() const { return (m_nAnimFlags & ANIM_FLAG_FINISHED) != 0; }
    // Ends a running animation on its last frame at once (as its last timer tick would).
    void FinishAnimationNow();

    // ---- fields ------------------------------------------------------------------------------
    CRect m_rcExclude;               // owner's screen area the popup must not cover
    CPoint m_ptTrack;                // requested screen position
    BYTE m_nBaseFlags;               // BASE_FLAG_...
    LPVOID m_pCbPaintCombinedCookie; // passed back to the callback (pointer-sized)
    PaintCombinedAreaCallback_t m_pCbPaintCombinedContent;
    bool m_bCookieIsObject;
    int m_nAnimationKind;       // ANIM_...
    int m_nSoundOnAnimationEnd; // sound id played when the animation ends, 0 none
    COLORREF* m_pScreenBits;    // pixels of m_bmpScreen (not owned)
    COLORREF* m_pWorkBits;      // pixels of m_bmpWork (not owned)
    COLORREF* m_pImageBits;     // pixels of m_bmpImage (not owned)
    int m_nAnimPercent;         // 0..101
    int m_nAnimPercentOld;
    BYTE m_nAnimFlags;   // ANIM_FLAG_...
    int m_nContentWidth; // item area, without borders and shadow
    int m_nContentHeight;
    CBitmap m_bmpScreen;          // what the screen showed under the popup
    CBitmap m_bmpWork;            // the frame being composed
    CBitmap m_bmpImage;           // the finished popup
    DWORD m_dwAnimStartTick;      // tick count of the last animation step
    CExtPopupShadow m_ShadowMain; // shadow of the popup's own rectangle
    CExtPopupShadow m_ShadowCMBA; // shadow of a combined popup's owner area
    // What the screen showed under the window and its shadow just before it was shown, in screen
    // coordinates; the shadow and the first animation frame read it instead of the screen.
    CBitmap m_bmpScreenBefore;
    CRect m_rcScreenBefore;
    // Captures the screen area (before the window shows).
    void CaptureScreenBefore(const CRect& rcScreen);
    // Copies the captured screen to the top left of hDC, cx by cy; false when none was captured.
    bool PaintScreenBefore(HDC hDC, int cx, int cy);
};
