// CExtPopupMenuWnd: a toolkit popup menu and its item record.
#pragma once
#include "platform/Collections.h"
#include "toolkit/menus_dialogs/ExtPopupBaseWnd.h"

class CExtPopupMenuWnd : public CExtPopupBaseWnd
{
    DECLARE_DYNCREATE(CExtPopupMenuWnd)
public:
    // One item of the menu.
    class MENUITEMDATA
    {
    public:
        enum : BYTE
        {
            kFlagNoIconBox = 0x10
        };
        int m_nIconAreaWidth = 0; // width of this item's icon column
        BYTE m_nFlags = 0;

        int GetIconAreaWidth() const { return m_nIconAreaWidth; }
        bool IsNoIconBox() const { return (m_nFlags & kFlagNoIconBox) != 0; }
    };

    CExtPopupMenuWnd();
    ~CExtPopupMenuWnd() override;

    // Number of items, 0 for an empty menu.
    virtual int GetItemCount() const;
    // The item at nIndex; the index must be in range.
    MENUITEMDATA& GetItemAt(int nIndex);

protected:
    CArray<MENUITEMDATA, MENUITEMDATA&> m_items;
};
