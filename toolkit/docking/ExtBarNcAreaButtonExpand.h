// CExtBarNcAreaButtonExpand: the Expand button of a control bar's caption.
#pragma once
#include "toolkit/docking/ExtBarNcAreaButton.h"

class CExtBarNcAreaButtonExpand : public CExtBarNcAreaButton
{
    DECLARE_DYNCREATE(CExtBarNcAreaButtonExpand)
public:
    explicit CExtBarNcAreaButtonExpand(CExtControlBar* pBar = nullptr);
    ~CExtBarNcAreaButtonExpand() override;

    void LayoutRect(CExtBarNcAreaButton* pPrevBtn) override;
    bool IsVisible() const override;
    bool Draw(CDC& dc) override;
    UINT HitTest(const CPoint& point) override;
    bool OnClick(const CPoint& point) override;
    INT_PTR OnToolHitTest(const CPoint& point, TOOLINFO* pTI) override;
};
