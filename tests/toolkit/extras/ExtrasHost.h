// The test host of the extra controls: an MDI frame whose children are listed by a flat MDI tab
// window and whose tool bar holds three text fields (plain, editable combo, read-only combo), a date
// field and a colour button whose custom colour opens the toolkit colour dialog, and a
// resizable dialog holding a flat tab page container with three pages (the third holds a nested plain
// container). The host program shows them; the tests create and drive them in-process.
#pragma once
#include "platform/MdiFrameWnd.h"
#include "platform/OleDateTime.h"
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"
#include "toolkit/bars_tabs/ExtBarColorButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/extras/ExtBarDateFieldButton.h"
#include "toolkit/extras/ExtBarTextFieldButton.h"
#include "toolkit/extras/ExtTabMdiFlatWnd.h"
#include "toolkit/extras/ExtTabPageContainerFlatWnd.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"
#include <vector>

namespace extrashost
{

// The tool bar's date field: the calendar opens on the field's date; the day the keys move to shows in
// the field while the popup is open, and a picked day (or "None") becomes the field text, a date in
// the locale's short form.
class CExtrasDateField : public CExtBarDateFieldButton
{
    DECLARE_DYNAMIC(CExtrasDateField)
public:
    CExtrasDateField(int nFieldWidth, CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle);
    bool OnDatePickerNotify1(WPARAM wParamNotification) override;
    bool OnDatePickerNotify2(CExtPopupInplaceDatePicker& wndPicker) override;
    // The field's text of a date: empty for a null or invalid one.
    static CString FormatDate(const COleDateTime& dt);
    // The date of a field text; invalid when the text is none.
    static COleDateTime ParseDate(const CString& sText);

    int m_nNotifications = 0; // selection notifications seen
};

// The tool bar of the host: its commands become text fields.
class CExtrasToolBar : public CExtToolControlBar
{
public:
    enum : UINT
    {
        kIdPlainField = 0x9101,
        kIdEditCombo = 0x9102,
        kIdReadOnlyCombo = 0x9103,
        kIdDateField = 0x9104,
        kIdColor = 0x9105, // the colour button, after the fields
    };
    enum : int
    {
        kFieldWidth = 120,
        kComboItemCount = 5,
        kFieldCount = 4,
    };
    static const UINT kFieldIds[kFieldCount];
    static const wchar_t* const kComboItems[kComboItemCount];

    CExtBarButton* OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle = 0) override;
    // The field of the command; null when the bar holds none.
    CExtBarTextFieldButton* GetField(UINT nCmdID) const;
    CExtrasDateField* GetDateField() const;
    CExtBarColorButton* GetColorButton() const;
};

// The MDI frame with the tool bar and the flat MDI tab strip at the top. It handles the fields'
// commands (so that their command UI keeps them enabled) and records them. The colour button's popup
// notifies it: a picked colour becomes the button's colour; its custom-colour button opens the toolkit
// colour dialog on the button's colour, whose OK gives the button the dialog's colour.
class CExtrasMdiFrame : public CMDIFrameWnd
{
public:
    enum : UINT
    {
        kIdMdiTabs = 0xE800,
        kIdToolBar = 0xE801,
    };
    enum : LPARAM
    {
        kColorCookie = 0x9105 // the colour button's cookie, which its popup's notifications carry
    };
    static const wchar_t* const kProfileName;
    bool CreateHost(const RECT& rc);
    // A new MDI child with the title; null when its window could not be made.
    CMDIChildWnd* NewChild(LPCTSTR lpszTitle);

    CExtTabMdiFlatWnd m_wndMdiTabs;
    CExtrasToolBar m_wndToolBar;
    std::vector<UINT> m_commands;        // the command ids received, in order
    std::vector<COLORREF> m_finalColors; // the colours the button took from its popup or the dialog

protected:
    afx_msg void OnFieldCommand(UINT nCmdID);
    afx_msg LRESULT OnColorChangedFinally(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCustomColor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The resizable dialog with the flat page container filling it.
class CExtrasPagesDialog : public CExtResizableDialog
{
public:
    enum : UINT
    {
        kIdPages = 0x200,
        kIdNested = 0x201,
        kIdFirstEdit = 0x210, // one edit per page: the three outer pages, then the two nested ones
    };
    enum : int
    {
        kPageCount = 3,
        kNestedPageCount = 2,
    };
    // A shown modeless popup dialog of the size (pixels) at the point; false when any window failed.
    bool CreateHost(CWnd* pParent, const RECT& rc);
    // The edit on an outer page (0..2) or, from 3 on, on a nested page.
    HWND GetEdit(int nIndex) const;

    CExtTabPageContainerFlatWnd m_wndPages;
    CExtTabPageContainerWnd m_wndNested;

protected:
    BOOL OnInitDialog() override;
    // A page window (a static) with one edit in it, as a child of pParent.
    HWND MakePage(CWnd* pParent, LPCTSTR lpszText, UINT nEditId);

    std::vector<WORD> m_template;
    bool m_bPagesMade = false;
};

} // namespace extrashost
