// Stand-in: class record and the members read so far.
// CExtBarButton: one button of a tool bar or menu bar; so far its bar, command id, style, rectangle and separator test.
#pragma once
#include "platform/Geometry.h"
#include "platform/Object.h"

class CExtToolControlBar;

class CExtBarButton : public CObject
{
    DECLARE_DYNCREATE(CExtBarButton)
public:
    enum : UINT
    {
        kStyleSeparator = 0x0001 // a button created with command id 0 is a separator
    };

    explicit CExtBarButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarButton() override;

    // The bar holding the button; null for a detached button.
    CExtToolControlBar* GetBar() const { return m_pBar; }
    UINT GetCmdID() const { return m_nCmdID; }
    UINT GetStyle() const { return m_nStyle; }

    // The button's place in the bar's client area.
    virtual CRect GetRect() const;
    void SetRect(const RECT& rc) { m_rc = rc; }
    virtual bool IsSeparator() const;

protected:
    CExtToolControlBar* m_pBar; // not owned
    UINT m_nCmdID;
    UINT m_nStyle;
    CRect m_rc;
};
