// Wrappers of the common controls: list view (report and owner-data), header, tree view and
// tool tips.
#pragma once
#include "platform/Controls.h"

class CImageList;

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetItemCount() const { return (int)PLATFORM_SEND(HDM_GETITEMCOUNT, 0, 0); }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const { return (BOOL)PLATFORM_SEND(HDM_GETITEMW, nPos, pHeaderItem); }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem) { return (BOOL)PLATFORM_SEND(HDM_SETITEMW, nPos, pHeaderItem); }
    int InsertItem(int nPos, HDITEM* phdi) { return (int)PLATFORM_SEND(HDM_INSERTITEMW, nPos, phdi); }
    BOOL DeleteItem(int nPos) { return (BOOL)PLATFORM_SEND(HDM_DELETEITEM, nPos, 0); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const { return (BOOL)PLATFORM_SEND(HDM_GETITEMRECT, nIndex, lpRect); }
    int OrderToIndex(int nOrder) const { return (int)PLATFORM_SEND(HDM_ORDERTOINDEX, nOrder, 0); }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) { return (int)PLATFORM_SEND(HDM_HITTEST, 0, pHeaderHitTestInfo); }
    BOOL Layout(HDLAYOUT* pHeaderLayout) { return (BOOL)PLATFORM_SEND(HDM_LAYOUT, 0, pHeaderLayout); }
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
};

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns
    int InsertColumn(int nCol, const LVCOLUMN* pColumn) { return (int)PLATFORM_SEND(LVM_INSERTCOLUMNW, nCol, pColumn); }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return (BOOL)PLATFORM_SEND(LVM_DELETECOLUMN, nCol, 0); }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const { return (BOOL)PLATFORM_SEND(LVM_GETCOLUMNW, nCol, pColumn); }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn) { return (BOOL)PLATFORM_SEND(LVM_SETCOLUMNW, nCol, pColumn); }
    int GetColumnWidth(int nCol) const { return (int)PLATFORM_SEND(LVM_GETCOLUMNWIDTH, nCol, 0); }
    BOOL SetColumnWidth(int nCol, int cx) { return (BOOL)PLATFORM_SEND(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)); }
    // The list's header (its own object when subclassed, else a temporary one).
    CHeaderCtrl* GetHeaderCtrl() const;

    // Items
    int GetItemCount() const { return (int)PLATFORM_SEND(LVM_GETITEMCOUNT, 0, 0); }
    BOOL GetItem(LVITEM* pItem) const { return (BOOL)PLATFORM_SEND(LVM_GETITEMW, 0, pItem); }
    BOOL SetItem(const LVITEM* pItem) { return (BOOL)PLATFORM_SEND(LVM_SETITEMW, 0, pItem); }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);
    int InsertItem(const LVITEM* pItem) { return (int)PLATFORM_SEND(LVM_INSERTITEMW, 0, pItem); }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return (BOOL)PLATFORM_SEND(LVM_DELETEITEM, nItem, 0); }
    BOOL DeleteAllItems() { return (BOOL)PLATFORM_SEND(LVM_DELETEALLITEMS, 0, 0); }
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const { return (UINT)PLATFORM_SEND(LVM_GETITEMSTATE, nItem, nMask); }
    BOOL SetItemState(int nItem, LVITEM* pItem) { return (BOOL)PLATFORM_SEND(LVM_SETITEMSTATE, nItem, pItem); }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetNextItem(int nItem, int nFlags) const
    {
        return (int)PLATFORM_SEND(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
    }
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    UINT GetSelectedCount() const { return (UINT)PLATFORM_SEND(LVM_GETSELECTEDCOUNT, 0, 0); }
    int GetSelectionMark() const { return (int)PLATFORM_SEND(LVM_GETSELECTIONMARK, 0, 0); }
    int SetSelectionMark(int iIndex) { return (int)PLATFORM_SEND(LVM_SETSELECTIONMARK, 0, iIndex); }
    void SetItemCount(int nItems) { PLATFORM_SEND(LVM_SETITEMCOUNT, nItems, 0); }
    BOOL SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL)
    {
        return (BOOL)PLATFORM_SEND(LVM_SETITEMCOUNT, iCount, dwFlags);
    }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return (BOOL)PLATFORM_SEND(LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0));
    }
    BOOL RedrawItems(int nFirst, int nLast) { return (BOOL)PLATFORM_SEND(LVM_REDRAWITEMS, nFirst, nLast); }
    BOOL Update(int nItem) { return (BOOL)PLATFORM_SEND(LVM_UPDATE, nItem, 0); }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const { return (int)PLATFORM_SEND(LVM_HITTEST, 0, pHitTestInfo); }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo) { return (int)PLATFORM_SEND(LVM_SUBITEMHITTEST, 0, pInfo); }
    int GetTopIndex() const { return (int)PLATFORM_SEND(LVM_GETTOPINDEX, 0, 0); }
    int GetCountPerPage() const { return (int)PLATFORM_SEND(LVM_GETCOUNTPERPAGE, 0, 0); }
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const
    {
        return (int)PLATFORM_SEND(LVM_FINDITEMW, nStart, pFindInfo);
    }
    BOOL Scroll(CSize size) { return (BOOL)PLATFORM_SEND(LVM_SCROLL, size.cx, size.cy); }
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;

    // Sorting through a comparison of the items' data values
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return (BOOL)PLATFORM_SEND(LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
    }

    // Looks
    DWORD GetExtendedStyle() const { return (DWORD)PLATFORM_SEND(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return (DWORD)PLATFORM_SEND(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
    }
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageList) const;
    COLORREF GetBkColor() const { return (COLORREF)PLATFORM_SEND(LVM_GETBKCOLOR, 0, 0); }
    BOOL SetBkColor(COLORREF cr) { return (BOOL)PLATFORM_SEND(LVM_SETBKCOLOR, 0, cr); }
    COLORREF GetTextColor() const { return (COLORREF)PLATFORM_SEND(LVM_GETTEXTCOLOR, 0, 0); }
    BOOL SetTextColor(COLORREF cr) { return (BOOL)PLATFORM_SEND(LVM_SETTEXTCOLOR, 0, cr); }
    COLORREF GetTextBkColor() const { return (COLORREF)PLATFORM_SEND(LVM_GETTEXTBKCOLOR, 0, 0); }
    BOOL SetTextBkColor(COLORREF cr) { return (BOOL)PLATFORM_SEND(LVM_SETTEXTBKCOLOR, 0, cr); }
    int GetStringWidth(LPCTSTR lpsz) const { return (int)PLATFORM_SEND(LVM_GETSTRINGWIDTHW, 0, lpsz); }
};

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
    {
        return (HTREEITEM)PLATFORM_SEND(TVM_INSERTITEMW, 0, lpInsertStruct);
    }
    HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                         LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem) { return (BOOL)PLATFORM_SEND(TVM_DELETEITEM, 0, hItem); }
    BOOL DeleteAllItems() { return (BOOL)PLATFORM_SEND(TVM_DELETEITEM, 0, TVI_ROOT); }
    BOOL Expand(HTREEITEM hItem, UINT nCode) { return (BOOL)PLATFORM_SEND(TVM_EXPAND, nCode, hItem); }
    UINT GetCount() const { return (UINT)PLATFORM_SEND(TVM_GETCOUNT, 0, 0); }
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return (HTREEITEM)PLATFORM_SEND(TVM_GETNEXTITEM, nCode, hItem);
    }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    BOOL GetItem(TVITEM* pItem) const { return (BOOL)PLATFORM_SEND(TVM_GETITEMW, 0, pItem); }
    BOOL SetItem(TVITEM* pItem) { return (BOOL)PLATFORM_SEND(TVM_SETITEMW, 0, pItem); }
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return (UINT)PLATFORM_SEND(TVM_GETITEMSTATE, hItem, nStateMask);
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    BOOL Select(HTREEITEM hItem, UINT nCode) { return (BOOL)PLATFORM_SEND(TVM_SELECTITEM, nCode, hItem); }
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
    BOOL SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }
    BOOL EnsureVisible(HTREEITEM hItem) { return (BOOL)PLATFORM_SEND(TVM_ENSUREVISIBLE, 0, hItem); }
    BOOL SortChildren(HTREEITEM hItem) { return (BOOL)PLATFORM_SEND(TVM_SORTCHILDREN, 0, hItem); }
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const
    {
        return (HTREEITEM)PLATFORM_SEND(TVM_HITTEST, 0, pHitTestInfo);
    }
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    UINT GetIndent() const { return (UINT)PLATFORM_SEND(TVM_GETINDENT, 0, 0); }
    void SetIndent(UINT nIndent) { PLATFORM_SEND(TVM_SETINDENT, nIndent, 0); }
    SHORT GetItemHeight() const { return (SHORT)PLATFORM_SEND(TVM_GETITEMHEIGHT, 0, 0); }
    SHORT SetItemHeight(SHORT cyHeight) { return (SHORT)PLATFORM_SEND(TVM_SETITEMHEIGHT, cyHeight, 0); }
    COLORREF SetBkColor(COLORREF clr) { return (COLORREF)PLATFORM_SEND(TVM_SETBKCOLOR, 0, clr); }
    COLORREF GetBkColor() const { return (COLORREF)PLATFORM_SEND(TVM_GETBKCOLOR, 0, 0); }
    COLORREF SetTextColor(COLORREF clr) { return (COLORREF)PLATFORM_SEND(TVM_SETTEXTCOLOR, 0, clr); }
    COLORREF GetTextColor() const { return (COLORREF)PLATFORM_SEND(TVM_GETTEXTCOLOR, 0, 0); }
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(UINT nImageList) const;
    CEdit* EditLabel(HTREEITEM hItem);
    CEdit* GetEditControl() const;
};

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() {}
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACKW, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void Activate(BOOL bActivate) { PLATFORM_SEND(TTM_ACTIVATE, bActivate, 0); }
    void RelayEvent(LPMSG lpMsg) { PLATFORM_SEND(TTM_RELAYEVENT, 0, lpMsg); }
    void SetDelayTime(UINT nDelay) { PLATFORM_SEND(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
    void SetDelayTime(DWORD dwDuration, int iTime)
    {
        PLATFORM_SEND(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
    }
    int GetDelayTime(DWORD dwDuration) const { return (int)PLATFORM_SEND(TTM_GETDELAYTIME, dwDuration, 0); }
    int SetMaxTipWidth(int iWidth) { return (int)PLATFORM_SEND(TTM_SETMAXTIPWIDTH, 0, iWidth); }
    void SetTipBkColor(COLORREF clr) { PLATFORM_SEND(TTM_SETTIPBKCOLOR, clr, 0); }
    void SetTipTextColor(COLORREF clr) { PLATFORM_SEND(TTM_SETTIPTEXTCOLOR, clr, 0); }
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const { return (int)PLATFORM_SEND(TTM_GETTOOLCOUNT, 0, 0); }
    BOOL GetToolInfo(TOOLINFOW* lpToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(TOOLINFOW* lpToolInfo) { PLATFORM_SEND(TTM_SETTOOLINFOW, 0, lpToolInfo); }
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    void Pop() { PLATFORM_SEND(TTM_POP, 0, 0); }
    void Update() { PLATFORM_SEND(TTM_UPDATE, 0, 0); }
    void TrackActivate(BOOL bActivate, TOOLINFOW* pToolInfo) { PLATFORM_SEND(TTM_TRACKACTIVATE, bActivate, pToolInfo); }
    void TrackPosition(int xPos, int yPos) { PLATFORM_SEND(TTM_TRACKPOSITION, 0, MAKELPARAM(xPos, yPos)); }
    void SetMargin(LPRECT lprc) { PLATFORM_SEND(TTM_SETMARGIN, 0, lprc); }

protected:
    void FillInToolInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetItemCount() const { return (int)PLATFORM_SEND(TCM_GETITEMCOUNT, 0, 0); }
    BOOL GetItem(int nItem, TCITEMW* pTabCtrlItem) const
    {
        return (BOOL)PLATFORM_SEND(TCM_GETITEMW, nItem, pTabCtrlItem);
    }
    BOOL SetItem(int nItem, TCITEMW* pTabCtrlItem) { return (BOOL)PLATFORM_SEND(TCM_SETITEMW, nItem, pTabCtrlItem); }
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL DeleteItem(int nItem) { return (BOOL)PLATFORM_SEND(TCM_DELETEITEM, nItem, 0); }
    BOOL DeleteAllItems() { return (BOOL)PLATFORM_SEND(TCM_DELETEALLITEMS, 0, 0); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const { return (BOOL)PLATFORM_SEND(TCM_GETITEMRECT, nItem, lpRect); }
    int GetCurSel() const { return (int)PLATFORM_SEND(TCM_GETCURSEL, 0, 0); }
    int SetCurSel(int nItem) { return (int)PLATFORM_SEND(TCM_SETCURSEL, nItem, 0); }
    int GetCurFocus() const { return (int)PLATFORM_SEND(TCM_GETCURFOCUS, 0, 0); }
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { PLATFORM_SEND(TCM_ADJUSTRECT, bLarger, lpRect); }
    int GetRowCount() const { return (int)PLATFORM_SEND(TCM_GETROWCOUNT, 0, 0); }
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
};
