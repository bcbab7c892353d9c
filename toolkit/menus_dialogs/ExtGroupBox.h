// CExtGroupBox: a group box that paints its background, frame and caption in one of four looks.
#pragma once
#include "platform/Controls.h"

class CExtGroupBox : public CButton
{
    DECLARE_DYNAMIC(CExtGroupBox)
public:
    enum : int
    {
        kAlignLeft = 0,
        kAlignRight = 1,
        kAlignCenter = 2,
    };
    enum : int
    {
        kStyleEtched = 0,
        kStyleRounded = 1,
        kStyleFlat = 2,
        kStyleHeaderBand = 3,
    };

    CExtGroupBox();

    void SetCaptionAlignment(int nAlign) { m_nCaptionAlign = nAlign; }
    int GetCaptionAlignment() const { return m_nCaptionAlign; }
    void SetStyle(int nStyle);
    int GetStyle() const { return m_nStyle; }
    void SetBandHeight(int nHeight) { m_nBandHeight = nHeight; }
    int GetBandHeight() const { return m_nBandHeight; }

    // rcCaption: the room for the caption on input, the caption with its gap on output.
    virtual void PaintCaption(CDC& dc, CRect& rcCaption, const CString& sText, UINT nDrawTextFlags, bool bEnabled);
    virtual void PaintGroupBox(CDC& dc, const CRect& rcFrame);

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Background, caption and frame into dc; the screen's paint and WM_PRINTCLIENT both come here.
    void DoPaint(CDC& dc, const CRect& rcClient);
    void OnPaint();
    LRESULT OnPrintClient(HDC hDC);
    // A text, enable, UI-state or focus change: handled by the system's button without its own painting, then
    // the box and the parent behind it repainted.
    LRESULT OnStateChange(UINT message, WPARAM wParam, LPARAM lParam);
    void RedrawSiblingsOnTop();

    int m_nCaptionAlign;
    int m_nStyle;
    int m_nBandHeight;
};
