// CExtBarNcAreaButton: a button in the caption of a control bar or of the floating frame that shows
// a bar alone; the base of the Expand, Close, AutoHide and Menu kinds.
#pragma once
#include "platform/Core.h"
#include <commctrl.h>
#include "platform/Geometry.h"
#include "platform/Object.h"
#include "platform/String.h"

class CDC;
class CWnd;
class CFrameWnd;
class CExtControlBar;

class CExtBarNcAreaButton : public CObject
{
    DECLARE_DYNCREATE(CExtBarNcAreaButton)
public:
    // Bits of m_bfState.
    enum : BYTE
    {
        kHover = 0x01,
        kPressed = 0x02,
        kDisabled = 0x04,
        kPaintPlain = 0x08
    };

    explicit CExtBarNcAreaButton(CExtControlBar* pBar = nullptr);
    ~CExtBarNcAreaButton() override;

    CExtControlBar* GetBar() const { return m_pBar; }

    // ---- operations, in slot order -------------------------------------------------------------
    virtual void DeleteThis();
    virtual void LayoutRect(CExtBarNcAreaButton* pPrevBtn);
    virtual bool IsVisible() const;
    // Answers whether there is nothing to draw (the kinds paint through PaintButton).
    virtual bool Draw(CDC& dc);
    virtual UINT HitTest(const CPoint& point);
    virtual HCURSOR QueryCursor(const CPoint& point) const;
    virtual bool OnClick(const CPoint& point);
    virtual INT_PTR OnToolHitTest(const CPoint& point, TOOLINFO* pTI);

    // ---- queries of the owner bar --------------------------------------------------------------
    bool IsBarFixedSize() const;
    bool IsBarVisible() const;
    bool IsBarFloating() const;
    bool IsBarDockedHorizontally() const;
    bool IsBarWndActive() const;
    bool IsBarAutoHideMode(bool* pbShownBySlider = nullptr, bool* pbSliderActive = nullptr) const;
    bool IsBarAloneInRow() const;
    bool IsBarExpandedInRow() const;
    CFrameWnd* GetDockingFrame() const;
    // Caption and window rectangles of the window that carries the caption (window coordinates),
    // and whether the caption runs horizontally / vertically; false without a caption.
    bool GetBarNcAreaInfo(CRect* pRcCaption = nullptr, CRect* pRcWindow = nullptr, bool* pbHorz = nullptr,
                          bool* pbVert = nullptr) const;

    // The window whose non-client area carries the button.
    CWnd* GetCarrierWnd() const;

    CExtControlBar* m_pBar; // the bar whose caption holds the button (not owned)
    CRect m_rc;             // window coordinates of the carrying window
    BYTE m_bfState;

protected:
    // Paints the button with a glyph through the paint manager.
    void PaintButton(CDC& dc, int nGlyph);
    // Shared tool tip: the resource string nTextID, else the built-in text.
    INT_PTR DoToolHitTest(const CPoint& point, TOOLINFO* pTI, UINT nTextID, LPCTSTR pszDefault);
};
