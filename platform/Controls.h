// Wrappers of the standard controls: static, button, edit, list box, combo box, spin button,
// animation. Owner-drawn list and combo boxes get DrawItem/MeasureItem/CompareItem/DeleteItem
// through the parent's reflection (OnChildNotify).
#pragma once
#include "platform/Wnd.h"
#include <commctrl.h>

#define PLATFORM_SEND(msg, wp, lp) ::SendMessageW(m_hWnd, (msg), (WPARAM)(wp), (LPARAM)(lp))

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() {}
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff);
    HICON SetIcon(HICON hIcon) { return (HICON)PLATFORM_SEND(STM_SETICON, hIcon, 0); }
    HICON GetIcon() const { return (HICON)PLATFORM_SEND(STM_GETICON, 0, 0); }
    HBITMAP SetBitmap(HBITMAP hBitmap) { return (HBITMAP)PLATFORM_SEND(STM_SETIMAGE, IMAGE_BITMAP, hBitmap); }
    HBITMAP GetBitmap() const { return (HBITMAP)PLATFORM_SEND(STM_GETIMAGE, IMAGE_BITMAP, 0); }
    HCURSOR SetCursor(HCURSOR hCursor) { return (HCURSOR)PLATFORM_SEND(STM_SETIMAGE, IMAGE_CURSOR, hCursor); }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { (void)lpDrawItemStruct; }

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() {}
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    UINT GetState() const { return (UINT)PLATFORM_SEND(BM_GETSTATE, 0, 0); }
    void SetState(BOOL bHighlight) { PLATFORM_SEND(BM_SETSTATE, bHighlight, 0); }
    int GetCheck() const { return (int)PLATFORM_SEND(BM_GETCHECK, 0, 0); }
    void SetCheck(int nCheck) { PLATFORM_SEND(BM_SETCHECK, nCheck, 0); }
    UINT GetButtonStyle() const { return (UINT)::GetWindowLongW(m_hWnd, GWL_STYLE) & 0xFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { PLATFORM_SEND(BM_SETSTYLE, nStyle, bRedraw); }
    HICON SetIcon(HICON hIcon) { return (HICON)PLATFORM_SEND(BM_SETIMAGE, IMAGE_ICON, hIcon); }
    HICON GetIcon() const { return (HICON)PLATFORM_SEND(BM_GETIMAGE, IMAGE_ICON, 0); }
    HBITMAP SetBitmap(HBITMAP hBitmap) { return (HBITMAP)PLATFORM_SEND(BM_SETIMAGE, IMAGE_BITMAP, hBitmap); }
    HBITMAP GetBitmap() const { return (HBITMAP)PLATFORM_SEND(BM_GETIMAGE, IMAGE_BITMAP, 0); }
    // Owner-drawn buttons (BS_OWNERDRAW) paint here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { (void)lpDrawItemStruct; }

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CanUndo() const { return (BOOL)PLATFORM_SEND(EM_CANUNDO, 0, 0); }
    int GetLineCount() const { return (int)PLATFORM_SEND(EM_GETLINECOUNT, 0, 0); }
    BOOL GetModify() const { return (BOOL)PLATFORM_SEND(EM_GETMODIFY, 0, 0); }
    void SetModify(BOOL bModified = TRUE) { PLATFORM_SEND(EM_SETMODIFY, bModified, 0); }
    void GetRect(LPRECT lpRect) const { PLATFORM_SEND(EM_GETRECT, 0, lpRect); }
    DWORD GetSel() const { return (DWORD)PLATFORM_SEND(EM_GETSEL, 0, 0); }
    void GetSel(int& nStartChar, int& nEndChar) const
    {
        DWORD s = 0, e = 0;
        PLATFORM_SEND(EM_GETSEL, &s, &e);
        nStartChar = (int)s;
        nEndChar = (int)e;
    }
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE)
    {
        SetSel((int)LOWORD(dwSelection), (int)(short)HIWORD(dwSelection), bNoScroll);
    }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE)
    {
        PLATFORM_SEND(EM_SETSEL, nStartChar, nEndChar);
        if (!bNoScroll)
            PLATFORM_SEND(EM_SCROLLCARET, 0, 0);
    }
    void LimitText(int nChars = 0) { PLATFORM_SEND(EM_LIMITTEXT, nChars, 0); }
    void SetLimitText(UINT nMax) { PLATFORM_SEND(EM_SETLIMITTEXT, nMax, 0); }
    UINT GetLimitText() const { return (UINT)PLATFORM_SEND(EM_GETLIMITTEXT, 0, 0); }
    int LineFromChar(int nIndex = -1) const { return (int)PLATFORM_SEND(EM_LINEFROMCHAR, nIndex, 0); }
    int LineIndex(int nLine = -1) const { return (int)PLATFORM_SEND(EM_LINEINDEX, nLine, 0); }
    int LineLength(int nLine = -1) const { return (int)PLATFORM_SEND(EM_LINELENGTH, nLine, 0); }
    void LineScroll(int nLines, int nChars = 0) { PLATFORM_SEND(EM_LINESCROLL, nChars, nLines); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) { PLATFORM_SEND(EM_REPLACESEL, bCanUndo, lpszNewText); }
    void SetPasswordChar(TCHAR ch) { PLATFORM_SEND(EM_SETPASSWORDCHAR, ch, 0); }
    TCHAR GetPasswordChar() const { return (TCHAR)PLATFORM_SEND(EM_GETPASSWORDCHAR, 0, 0); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)PLATFORM_SEND(EM_SETREADONLY, bReadOnly, 0); }
    int GetFirstVisibleLine() const { return (int)PLATFORM_SEND(EM_GETFIRSTVISIBLELINE, 0, 0); }
    void SetMargins(UINT nLeft, UINT nRight)
    {
        PLATFORM_SEND(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
    int CharFromPos(CPoint pt) const { return (int)PLATFORM_SEND(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }
    CPoint PosFromChar(UINT nChar) const
    {
        LRESULT r = PLATFORM_SEND(EM_POSFROMCHAR, nChar, 0);
        return CPoint((short)LOWORD(r), (short)HIWORD(r));
    }
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
    {
        *(LPWORD)lpszBuffer = (WORD)nMaxLength;
        return (int)PLATFORM_SEND(EM_GETLINE, nIndex, lpszBuffer);
    }
    void EmptyUndoBuffer() { PLATFORM_SEND(EM_EMPTYUNDOBUFFER, 0, 0); }
    BOOL Undo() { return (BOOL)PLATFORM_SEND(EM_UNDO, 0, 0); }
    void Clear() { PLATFORM_SEND(WM_CLEAR, 0, 0); }
    void Copy() { PLATFORM_SEND(WM_COPY, 0, 0); }
    void Cut() { PLATFORM_SEND(WM_CUT, 0, 0); }
    void Paste() { PLATFORM_SEND(WM_PASTE, 0, 0); }
};

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const { return (int)PLATFORM_SEND(LB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return (int)PLATFORM_SEND(LB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return (int)PLATFORM_SEND(LB_SETCURSEL, nSelect, 0); }
    int GetSel(int nIndex) const { return (int)PLATFORM_SEND(LB_GETSEL, nIndex, 0); }
    int SetSel(int nIndex, BOOL bSelect = TRUE) { return (int)PLATFORM_SEND(LB_SETSEL, bSelect, nIndex); }
    int GetSelCount() const { return (int)PLATFORM_SEND(LB_GETSELCOUNT, 0, 0); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const
    {
        return (int)PLATFORM_SEND(LB_GETSELITEMS, nMaxItems, rgIndex);
    }
    int GetText(int nIndex, LPTSTR lpszBuffer) const { return (int)PLATFORM_SEND(LB_GETTEXT, nIndex, lpszBuffer); }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return (int)PLATFORM_SEND(LB_GETTEXTLEN, nIndex, 0); }
    int AddString(LPCTSTR lpszItem) { return (int)PLATFORM_SEND(LB_ADDSTRING, 0, lpszItem); }
    int InsertString(int nIndex, LPCTSTR lpszItem) { return (int)PLATFORM_SEND(LB_INSERTSTRING, nIndex, lpszItem); }
    int DeleteString(UINT nIndex) { return (int)PLATFORM_SEND(LB_DELETESTRING, nIndex, 0); }
    void ResetContent() { PLATFORM_SEND(LB_RESETCONTENT, 0, 0); }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const
    {
        return (int)PLATFORM_SEND(LB_FINDSTRING, nStartAfter, lpszItem);
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)PLATFORM_SEND(LB_FINDSTRINGEXACT, nIndexStart, lpszFind);
    }
    int SelectString(int nStartAfter, LPCTSTR lpszItem)
    {
        return (int)PLATFORM_SEND(LB_SELECTSTRING, nStartAfter, lpszItem);
    }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)PLATFORM_SEND(LB_GETITEMDATA, nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)PLATFORM_SEND(LB_SETITEMDATA, nIndex, dwItemData); }
    void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
    int GetTopIndex() const { return (int)PLATFORM_SEND(LB_GETTOPINDEX, 0, 0); }
    int SetTopIndex(int nIndex) { return (int)PLATFORM_SEND(LB_SETTOPINDEX, nIndex, 0); }
    int GetItemHeight(int nIndex) const { return (int)PLATFORM_SEND(LB_GETITEMHEIGHT, nIndex, 0); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)PLATFORM_SEND(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
    }
    int GetItemRect(int nIndex, LPRECT lpRect) const { return (int)PLATFORM_SEND(LB_GETITEMRECT, nIndex, lpRect); }
    int GetCaretIndex() const { return (int)PLATFORM_SEND(LB_GETCARETINDEX, 0, 0); }
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE)
    {
        return (int)PLATFORM_SEND(LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0));
    }
    void SetHorizontalExtent(int cxExtent) { PLATFORM_SEND(LB_SETHORIZONTALEXTENT, cxExtent, 0); }
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const
    {
        DWORD r = (DWORD)PLATFORM_SEND(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
        bOutside = (BOOL)HIWORD(r);
        return LOWORD(r);
    }

    // Owner-drawn list boxes
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { (void)lpDrawItemStruct; }
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) { (void)lpMeasureItemStruct; }
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
    {
        (void)lpCompareItemStruct;
        return 0;
    }
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) { (void)lpDeleteItemStruct; }

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const { return (int)PLATFORM_SEND(CB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return (int)PLATFORM_SEND(CB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return (int)PLATFORM_SEND(CB_SETCURSEL, nSelect, 0); }
    DWORD GetEditSel() const { return (DWORD)PLATFORM_SEND(CB_GETEDITSEL, 0, 0); }
    BOOL LimitText(int nMaxChars) { return (BOOL)PLATFORM_SEND(CB_LIMITTEXT, nMaxChars, 0); }
    BOOL SetEditSel(int nStartChar, int nEndChar)
    {
        return (BOOL)PLATFORM_SEND(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
    }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)PLATFORM_SEND(CB_GETITEMDATA, nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)PLATFORM_SEND(CB_SETITEMDATA, nIndex, dwItemData); }
    void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
    int GetLBText(int nIndex, LPTSTR lpszText) const { return (int)PLATFORM_SEND(CB_GETLBTEXT, nIndex, lpszText); }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return (int)PLATFORM_SEND(CB_GETLBTEXTLEN, nIndex, 0); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)PLATFORM_SEND(CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
    }
    int GetItemHeight(int nIndex) const { return (int)PLATFORM_SEND(CB_GETITEMHEIGHT, nIndex, 0); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)PLATFORM_SEND(CB_FINDSTRINGEXACT, nIndexStart, lpszFind);
    }
    int FindString(int nStartAfter, LPCTSTR lpszString) const
    {
        return (int)PLATFORM_SEND(CB_FINDSTRING, nStartAfter, lpszString);
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString)
    {
        return (int)PLATFORM_SEND(CB_SELECTSTRING, nStartAfter, lpszString);
    }
    int SetExtendedUI(BOOL bExtended = TRUE) { return (int)PLATFORM_SEND(CB_SETEXTENDEDUI, bExtended, 0); }
    BOOL GetExtendedUI() const { return (BOOL)PLATFORM_SEND(CB_GETEXTENDEDUI, 0, 0); }
    void GetDroppedControlRect(LPRECT lprect) const { PLATFORM_SEND(CB_GETDROPPEDCONTROLRECT, 0, lprect); }
    BOOL GetDroppedState() const { return (BOOL)PLATFORM_SEND(CB_GETDROPPEDSTATE, 0, 0); }
    void ShowDropDown(BOOL bShowIt = TRUE) { PLATFORM_SEND(CB_SHOWDROPDOWN, bShowIt, 0); }
    int GetDroppedWidth() const { return (int)PLATFORM_SEND(CB_GETDROPPEDWIDTH, 0, 0); }
    int SetDroppedWidth(UINT nWidth) { return (int)PLATFORM_SEND(CB_SETDROPPEDWIDTH, nWidth, 0); }
    int GetTopIndex() const { return (int)PLATFORM_SEND(CB_GETTOPINDEX, 0, 0); }
    int SetTopIndex(int nIndex) { return (int)PLATFORM_SEND(CB_SETTOPINDEX, nIndex, 0); }
    int AddString(LPCTSTR lpszString) { return (int)PLATFORM_SEND(CB_ADDSTRING, 0, lpszString); }
    int DeleteString(UINT nIndex) { return (int)PLATFORM_SEND(CB_DELETESTRING, nIndex, 0); }
    int InsertString(int nIndex, LPCTSTR lpszString) { return (int)PLATFORM_SEND(CB_INSERTSTRING, nIndex, lpszString); }
    void ResetContent() { PLATFORM_SEND(CB_RESETCONTENT, 0, 0); }
    void Clear() { PLATFORM_SEND(WM_CLEAR, 0, 0); }
    void Copy() { PLATFORM_SEND(WM_COPY, 0, 0); }
    void Cut() { PLATFORM_SEND(WM_CUT, 0, 0); }
    void Paste() { PLATFORM_SEND(WM_PASTE, 0, 0); }

    // Owner-drawn combo boxes
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { (void)lpDrawItemStruct; }
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) { (void)lpMeasureItemStruct; }
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
    {
        (void)lpCompareItemStruct;
        return 0;
    }
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) { (void)lpDeleteItemStruct; }

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL SetAccel(int nAccel, UDACCEL* pAccel) { return (BOOL)PLATFORM_SEND(UDM_SETACCEL, nAccel, pAccel); }
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const { return (UINT)PLATFORM_SEND(UDM_GETACCEL, nAccel, pAccel); }
    int SetBase(int nBase) { return (int)PLATFORM_SEND(UDM_SETBASE, nBase, 0); }
    UINT GetBase() const { return (UINT)PLATFORM_SEND(UDM_GETBASE, 0, 0); }
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    int SetPos(int nPos) { return (int)(short)PLATFORM_SEND(UDM_SETPOS, 0, MAKELPARAM(nPos, 0)); }
    int GetPos() const { return (int)PLATFORM_SEND(UDM_GETPOS, 0, 0); }
    int SetPos32(int nPos) { return (int)PLATFORM_SEND(UDM_SETPOS32, 0, nPos); }
    int GetPos32(LPBOOL lpbError = nullptr) const { return (int)PLATFORM_SEND(UDM_GETPOS32, 0, lpbError); }
    void SetRange(short nLower, short nUpper) { PLATFORM_SEND(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void SetRange32(int nLower, int nUpper) { PLATFORM_SEND(UDM_SETRANGE32, nLower, nUpper); }
    DWORD GetRange() const { return (DWORD)PLATFORM_SEND(UDM_GETRANGE, 0, 0); }
    void GetRange(int& lower, int& upper) const
    {
        DWORD r = GetRange();
        lower = (short)HIWORD(r);
        upper = (short)LOWORD(r);
    }
    void GetRange32(int& lower, int& upper) const { PLATFORM_SEND(UDM_GETRANGE32, &lower, &upper); }
};

class CAnimateCtrl : public CWnd
{
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL Open(LPCTSTR lpszFileName) { return (BOOL)PLATFORM_SEND(ACM_OPEN, 0, lpszFileName); }
    BOOL Open(UINT nID);
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep) { return (BOOL)PLATFORM_SEND(ACM_PLAY, nRep, MAKELONG(nFrom, nTo)); }
    BOOL Stop() { return (BOOL)PLATFORM_SEND(ACM_STOP, 0, 0); }
    BOOL Close() { return (BOOL)PLATFORM_SEND(ACM_OPEN, 0, 0); }
    BOOL Seek(UINT nTo) { return (BOOL)PLATFORM_SEND(ACM_PLAY, 0, MAKELONG(nTo, nTo)); }
    BOOL IsPlaying() const { return (BOOL)PLATFORM_SEND(ACM_ISPLAYING, 0, 0); }
};
