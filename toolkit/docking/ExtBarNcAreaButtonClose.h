// CExtBarNcAreaButtonClose: the Close button of a control bar's caption.
#pragma once
#include "toolkit/docking/ExtBarNcAreaButton.h"

class CExtBarNcAreaButtonClose : public CExtBarNcAreaButton
{
    DECLARE_DYNCREATE(CExtBarNcAreaButtonClose)
public:
    // The tool tip: a string id and the built-in text used when the string table lacks it.
    static constexpr UINT kTipTextID = 30048;
    static constexpr const wchar_t* kTipDefault = L"Hide";

    explicit CExtBarNcAreaButtonClose(CExtControlBar* pBar = nullptr);
    ~CExtBarNcAreaButtonClose() override;

    void LayoutRect(CExtBarNcAreaButton* pPrevBtn) override;
    bool IsVisible() const override;
    bool Draw(CDC& dc) override;
    UINT HitTest(const CPoint& point) override;
    bool OnClick(const CPoint& point) override;
    INT_PTR OnToolHitTest(const CPoint& point, TOOLINFO* pTI) override;
};
