// CDlgComposeSms: the compose window (template 148), in which the user writes a new message,
// answers, forwards or re-composes a stored one or edits a draft, picks recipients from the
// contacts, and files the message in "Drafts" or "Outbox" or sends it. The send itself is the
// engine it derives from (CSmsComposer); built without a window it sends a stored message (the
// Outbox sender and the view's resend commands).
// Sources: DlgComposeSms.cpp (opening, controls, contacts, texts) and DlgComposeSmsSave.cpp (saving,
// sending, position).
#pragma once
#include "app/AutoWidthComboBox.h"
#include "app/ComposeToolBar.h"
#include "app/ContactListCtrl.h"
#include "app/HoverButton.h"
#include "app/LetterIndexBar.h"
#include "phone/SmsComposer.h"
#include "phone/SmsRecord.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CCorvane_smsDoc;

class CDlgComposeSms : public CExtResizableDialog, public CSmsComposer
{
    DECLARE_DYNAMIC(CDlgComposeSms)
public:
    static const int kEmoticonCount = 7;
    static const wchar_t* const kEmoticons[kEmoticonCount]; // in the order of buttons 1070 .. 1076
    static const int kDefaultPos = 300;                     // "DialogSmsX" and "DialogSmsY" unset

    explicit CDlgComposeSms(CWnd* pParent = nullptr);
    ~CDlgComposeSms() override;

    // Stores the quote, with-sender and signature flags and runs the window modally: IDOK after
    // the message was filed or sent, IDCANCEL otherwise. The mode and the source record are set
    // beforehand.
    virtual INT_PTR SetModeAndRun(int bQuote, int bWithSender, int bSignature);
    // The source record (a copy the opener keeps alive for the run; may be null).
    void SetSource(const CSMS* pSource) { m_pSource = pSource; }

    // ---- texts -----------------------------------------------------------------------------------
    // "n/p SMS": n characters, p the parts the send will use.
    static CString CounterText(const CString& strMessage);
    void UpdateCounter();
    // Inserts a text at the saved selection (replacing it; at the end when the selection lies
    // beyond the text) and puts the caret after it.
    void InsertText(const CString& strText);
    // The selected contacts, last selected first, each without its kind code, joined with ";".
    CString SelectedContactsText();
    // Fills the template box from the template file: "My Text", the sorted lines, "Edit...".
    void FillTemplates();
    // Fills the contact list from the filter, the category and the search text.
    void FillContacts();
    // The categories of the document's category text, trimmed, without empty ones, sorted.
    static void SplitCategories(const CString& strList, CStringArray& arrOut);
    // A stored top-left corner moved onto the nearest monitor's work area when the window of
    // that size would lie off every monitor.
    static CPoint PlaceOnScreen(CPoint ptStored, CSize szWindow);

    // ---- saving ------------------------------------------------------------------------------------
    // Files the message in the folder ("Drafts" for 122, "Outbox" for 123) and closes with IDOK.
    void SaveToFolder(const wchar_t* pszFolder);
    // The recipient field split into joined names and numbers, bare numbers named by the document.
    void SplitRecipientField(const CString& strField, CString& strNames, CString& strNumbers);

    CCorvane_smsDoc* GetDoc() const;

    // ---- state -------------------------------------------------------------------------------------
    int m_bQuote;
    int m_bWithSender;
    int m_bSignature;
    int m_nSelStart; // the message edit's selection when it last lost the focus
    int m_nSelEnd;
    CString m_strLastStatus; // the last step shown in the status pane
    CFont m_fontBold;        // Arial, 16, bold: the message edit
    HACCEL m_hAccel;         // the tool bar's keys (resource, not destroyed); null before the window opens

    // ---- controls ----------------------------------------------------------------------------------
    CComposeToolBar m_wndToolBar;
    CExtStatusControlBar m_wndStatusBar;
    CExtLabel m_wndRecipientsLabel;
    CExtEdit m_wndRecipients;
    CExtEdit m_wndText;
    CExtLabel m_wndCounterLabel;
    CExtLabel m_wndCounter;
    CExtCheckBox m_wndFlash;
    CAutoWidthComboBox m_wndTemplates;
    CHoverButton m_wndEmoticons[kEmoticonCount];
    CExtLabel m_wndSearchLabel;
    CExtEdit m_wndSearch;
    CExtLabel m_wndFilterLabel;
    CAutoWidthComboBox m_wndFilter;
    CExtLabel m_wndCategoryLabel;
    CAutoWidthComboBox m_wndCategory;
    CExtButton m_wndKindLegend;
    CExtCheckBox m_wndSelectAll;
    CContactListCtrl m_wndContacts;
    CExtButton m_wndTakeTo;
    CExtButton m_wndTakeAdd;
    CExtComboBox m_wndHistory; // hidden; nothing fills it
    CExtEdit m_wndLastSms;     // the "last SMS" pane of a reply without quote (created at run time)
    CLetterIndexBar m_wndLetters;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter outside the message text (the window has no OK button): never ends the window, which answers IDOK
    // only once the message was filed or sent. In "Cari" and the contact list it takes the selected contact, the
    // first one shown when none is selected, into the recipient field as "<- Add" does; elsewhere the keys move on
    // as by Tab.
    void OnOK() override;
    // Whether the user closed the box's open list (Escape, F4, a pick): the keys move on then. A closed list sends
    // the same notes when it loses the keys or steps by the arrow keys.
    static bool ListClosedByUser(const CWnd& box);
    // The engine's input in the window: the fields, with the checks before anything is sent.
    BOOL ReadInput(CString& strRecipients, CString& strMessage, int& bFlash) override;
    BOOL ConfirmUnsendable(const CString& strChars, CUnicodeTextWriter& log) override;
    void Announce(const CString& strText) override;
    void RefuseRecipients(const CString& strBad) override;
    // Tells who got the message, or some of its parts, and who did not; the recipient field keeps
    // those still to send to.
    void ReportPartialSend(const CString& strKept, const CString& strReport) override;
    void FillFields();
    void RepositionComposeBars();
    void SavePosition();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnEditCommand(UINT nID);
    afx_msg void OnSaveDraft();
    afx_msg void OnSaveOutbox();
    afx_msg void OnSend();
    afx_msg void OnLetterPicked();
    afx_msg void OnTextChange();
    afx_msg void OnTextKillFocus();
    afx_msg void OnSearchChange();
    afx_msg void OnFilterSelEndOk();
    afx_msg void OnCategorySelEndOk();
    afx_msg void OnFilterSelEndCancel();
    afx_msg void OnCategorySelEndCancel();
    afx_msg void OnTemplateSelEndOk();
    afx_msg void OnTemplateSelEndCancel();
    afx_msg void OnKindLegend();
    afx_msg void OnEmoticon(UINT nID);
    afx_msg void OnSelectAll();
    afx_msg void OnTakeTo();
    afx_msg void OnTakeAdd();
    afx_msg LRESULT OnAddRecipient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
