// CExtBarSliderButton: a tool-bar button that shows its command's label followed by a small scroll bar (arrows,
// track, thumb, page areas). The user moves its position with the arrows and page areas (auto-repeat) or by
// dragging the thumb; it sends no command.
#pragma once
#include "toolkit/bars_tabs/ExtBarButton.h"

class CExtBarSliderButton : public CExtBarButton
{
    DECLARE_DYNCREATE(CExtBarSliderButton)
public:
    // Part indexes.
    enum : int
    {
        kPartLabel = 0,
        kPartScroll = 1,
        kPartTrack = 2,
        kPartPageDecrease = 3,
        kPartPageIncrease = 4,
        kPartArrowDecrease = 5,
        kPartArrowIncrease = 6,
        kPartThumb = 7,
        kPartCount = 8,
    };
    enum : UINT_PTR
    {
        kTimerRepeat = 401 // on the bar window, every 50 ms while a step repeats
    };
    enum : UINT
    {
        kRepeatPeriod = 50
    };

    explicit CExtBarSliderButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarSliderButton() override;

    // The largest position: 0 when the total range is not above the page size; the total range without arrow
    // buttons; else the total range less the page size.
    UINT GetMaxPos() const;
    const CRect& GetPartRect(int nPart) const { return m_rcParts[nPart]; }
    int GetPressedPart() const { return m_nPressedPart; }
    int GetHighlightedPart() const { return m_nHighlightedPart; }

    // ---- own virtual operations, in slot order; setters answer the previous value ----------------------------
    virtual UINT GetScrollTotalRange() const;
    virtual UINT SetScrollTotalRange(UINT nValue);
    virtual UINT GetScrollPos() const;
    virtual UINT SetScrollPos(UINT nValue);
    virtual UINT GetScrollPageSize() const;
    virtual UINT SetScrollPageSize(UINT nValue);
    virtual UINT GetArrowExtentHorz() const;
    virtual UINT SetArrowExtentHorz(UINT nValue);
    virtual UINT GetArrowExtentVert() const;
    virtual UINT SetArrowExtentVert(UINT nValue);
    virtual UINT GetScrollLengthHorz() const;
    virtual UINT SetScrollLengthHorz(UINT nValue);
    virtual UINT GetScrollLengthVert() const;
    virtual UINT SetScrollLengthVert(UINT nValue);
    virtual void RecalcSliderLayout();
    // The track as a groove; a page area in the paint manager's pressed brush while hot; an arrow or the thumb as a
    // flat push button, hovered while hot and pushed while hot and pressed, an arrow with its glyph on top.
    virtual void PaintSliderPart(CDC& dc, int nPart, bool bHorizontal);

    // ---- overrides ---------------------------------------------------------------------------------------------
    bool IsSplitDropDown() const override { return false; }
    void SetSplitDropDown(bool bOn = true) override { (void)bOn; }
    bool IsAdoptPickedCmd() const override { return false; }
    void SetAdoptPickedCmd(bool bOn = true) override { (void)bOn; }
    CWnd* GetCtrl() const override { return nullptr; }
    void SetCtrl(CWnd* pCtrl, bool bSelfDestroying = false) override;
    void SetMenu(HMENU hMenu, bool bPopupMenu = true, bool bOwnMenu = true) override;
    HMENU GetMenu() const override { return nullptr; }
    bool CanTrackMenu() const override { return false; }
    bool IsMenuButton(int nFlag = 0) const override;
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false) override;
    void SetRect(const RECT& rc) override;
    void OnDeliverCmd() override {}
    CSize MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal) override;
    void PaintButton(CDC& dc, bool bHorizontal) override;
    void OnClick(CPoint point, bool bDown) override;

protected:
    bool IsHorizontalLayout() const;
    UINT ArrowExtent() const;
    // Moves the position one step (negative: down), clamped to 0 ... maximum.
    void StepBy(long long nStep);
    bool IsPartHot(int nPart) const;
    // The label as a flat push button that is never hovered or pushed, over a transparent background.
    void PaintLabel(CDC& dc, const CRect& rcLabel, bool bHorizontal);

    UINT m_nTotalRange;
    UINT m_nPos;
    UINT m_nPageSize;
    UINT m_nArrowExtentHorz;
    UINT m_nArrowExtentVert;
    UINT m_nScrollLengthHorz;
    UINT m_nScrollLengthVert;
    CRect m_rcParts[kPartCount];
    int m_nPressedPart;
    int m_nHighlightedPart;
};
