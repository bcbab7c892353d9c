// Stand-in: class record and the members read so far.
// CExtTabWnd: a tab strip, the base of the toolkit's tab windows; so far its style word, items and selection.
#pragma once
#include "platform/Collections.h"
#include "platform/Wnd.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CExtTabWnd : public CWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtTabWnd)
public:
    CExtTabWnd();
    ~CExtTabWnd() override;

    // Whether the window is an MDI tab window (the one that follows the MDI children).
    virtual bool IsMdiTabWindow() const;

    DWORD GetTabWndStyle() const { return m_dwTabWndStyle; }
    void SetTabWndStyle(DWORD dwStyle) { m_dwTabWndStyle = dwStyle; }

    // One tab: its style bits and the value it stands for.
    struct TAB_ITEM_INFO
    {
        enum : DWORD
        {
            kHidden = 0x1,
            kGroupStart = 0x2,
            kSelected = 0x4,
            kGroupCurrent = 0x8
        };
        DWORD m_dwItemStyle = 0;
        LPARAM m_lParam = 0;
    };

    int ItemGetCount() const { return (int)m_arrItems.GetSize(); }
    // Appends an item; answers its index.
    int ItemInsert(LPARAM lParam, DWORD dwStyle = 0);
    void ItemRemove(int nIndex, int nCount = 1, bool bUpdate = false);
    const TAB_ITEM_INFO& ItemGet(int nIndex) const { return m_arrItems[nIndex]; }
    // First item after nStart whose lParam matches; bExcludeHidden skips hidden items.
    int ItemFindByLParam(LPARAM lParam, int nStart = -1, bool bExcludeHidden = false, bool bUnused = false) const;
    // Selects the item; answers the old selection (-1 none).
    int SelectionSet(int nIndex, bool bEnsureVisible = false, bool bUpdate = false);
    int SelectionGet() const { return m_nSelIndex; }

protected:
    DWORD m_dwTabWndStyle = 0; // the tab style word
    CArray<TAB_ITEM_INFO, const TAB_ITEM_INFO&> m_arrItems;
    int m_nSelIndex = -1;
};
