// CExtBarNcAreaButtonAutoHide: the AutoHide button of a control bar's caption.
#pragma once
#include "toolkit/docking/ExtBarNcAreaButton.h"

class CExtBarNcAreaButtonAutoHide : public CExtBarNcAreaButton
{
    DECLARE_DYNCREATE(CExtBarNcAreaButtonAutoHide)
public:
    // The tool tip: a string id and the built-in text used when the string table lacks it.
    static constexpr UINT kTipTextID = 30056;
    static constexpr const wchar_t* kTipDefault = L"Auto Hide";

    explicit CExtBarNcAreaButtonAutoHide(CExtControlBar* pBar = nullptr);
    ~CExtBarNcAreaButtonAutoHide() override;

    void LayoutRect(CExtBarNcAreaButton* pPrevBtn) override;
    bool IsVisible() const override;
    bool Draw(CDC& dc) override;
    UINT HitTest(const CPoint& point) override;
    bool OnClick(const CPoint& point) override;
    INT_PTR OnToolHitTest(const CPoint& point, TOOLINFO* pTI) override;
};
