// CExtCheckBox: a themed check box that paints its own box (or the classic frame control) and text.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/foundation/ExtPaintManager.h"

class CExtCheckBox : public CExtButton
{
    DECLARE_DYNCREATE(CExtCheckBox)
public:
    enum : BYTE
    {
        kMouseHeld = 0x01,
        kSpaceHeld = 0x02,
    };
    enum : int
    {
        kBoxSize = 13,
    };

    CExtCheckBox();

    void OnClick(bool bFromKeyboard, bool bOnDropDownPart) override;
    void PaintButton(CDC& dc, bool bTransparentBackground) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    virtual void PaintContent(CDC& dc, CExtPaintManager::PushButtonPaintData& data);
    virtual void PaintBox(CDC& dc, CRect& rcBox, CExtPaintManager::PushButtonPaintData& data);
    virtual bool OnPaintBox(CDC& dc, CRect& rcBox, int nState);

    BYTE m_nCheckFlags;

protected:
    // Box state index 0..11 for a check value.
    int CalcBoxState(int nCheck, const CExtPaintManager::PushButtonPaintData& data) const;
    // Frame-control state flags of the classic box.
    UINT CalcFrameControlState(int nCheck, bool bRadio, const CExtPaintManager::PushButtonPaintData& data) const;
};
