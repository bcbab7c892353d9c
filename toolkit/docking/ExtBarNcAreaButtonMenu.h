// CExtBarNcAreaButtonMenu: the options (menu) button of a control bar's caption.
#pragma once
#include "toolkit/docking/ExtBarNcAreaButton.h"

class CExtBarNcAreaButtonMenu : public CExtBarNcAreaButton
{
    DECLARE_DYNCREATE(CExtBarNcAreaButtonMenu)
public:
    explicit CExtBarNcAreaButtonMenu(CExtControlBar* pBar = nullptr);
    ~CExtBarNcAreaButtonMenu() override;

    void LayoutRect(CExtBarNcAreaButton* pPrevBtn) override;
    bool IsVisible() const override;
    bool Draw(CDC& dc) override;
    UINT HitTest(const CPoint& point) override;
    bool OnClick(const CPoint& point) override;
    INT_PTR OnToolHitTest(const CPoint& point, TOOLINFO* pTI) override;

    // Draws the button pushed over its open menu.
    static void PaintPushedOverMenu(LPVOID pCookie, CDC& dc, const CWnd& wndMenu, const CRect& rcArea);
};
