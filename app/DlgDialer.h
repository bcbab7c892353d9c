// CDlgDialer: the skinned dialer window. The skin picture shows a keypad; the number typed so far
// is drawn over it; every action is a hotspot of the picture, among them dialling the number
// through the phone and a list of the contacts that slides in below the keypad.
#pragma once
#include "app/DialerContactList.h"
#include "app/LetterIndexBar.h"
#include "app/OlePicture.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"

class CCorvane_smsDoc;

class CDlgDialer : public CDialog
{
public:
    enum
    {
        kTimerAutoDial = 1226, // dials once, kAutoDialDelay ms after opening
        kAutoDialDelay = 1000,
        kMaxNumber = 28,  // characters the keypad appends
        kLargeLimit = 14, // from this length the number is drawn small
        kLargeFontHeight = 30,
        kSmallFontHeight = 15,
        kSkinWidth = 240,
        kSkinHeight = 260,
    };
    // What a hotspot does.
    enum EAction
    {
        kRefresh,
        kKey,
        kBackspace,
        kCopy,
        kPaste,
        kEdit,
        kContacts,
        kOutgoing,
        kDial,
        kClear
    };
    struct SHotspot
    {
        EAction action;
        wchar_t chKey; // kKey: the character appended
        RECT rc;       // client pixels, bounds inclusive
    };
    static const SHotspot s_hotspots[];
    static const int s_nHotspots;

    // A number that is no phone number (a sender's name) is not taken: the dialer opens empty.
    CDlgDialer(CWnd* pParent, const CString& strNumber, BOOL bAutoDial);
    ~CDlgDialer() override;

    BOOL OnInitDialog() override;

    // The skin file: "skins\" beside the program, the "DialerSkin" setting, ".gif".
    static CString GetSkinPath();
    // Runs every hotspot that contains the point (client pixels), in the table's order.
    void HandleClick(CPoint point);
    // Paints the skin and the number.
    void DoPaint(CDC& dc);
    // Typed keys work as the keypad: digits, "*", "#" and "+" are appended as its keys, Backspace takes one off as
    // "<" does (unless the contact list has the keys); Enter dials as the dial hotspot does, Escape closes.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CString m_strNumber;
    BOOL m_bAutoDial;
    BOOL m_bContactsShown;
    CString m_strSkinPath;
    BOOL m_bWhiteText; // the skin's name ends in "-w.gif"
    COlePicture m_picture;
    CFont m_fontLarge; // Arial bold, 30; narrowed where the face found is wider than Arial
    CFont m_fontSmall; // Arial bold, 15; the same
    CRect m_rcLarge;
    CRect m_rcSmall;
    CEdit m_wndNumber; // 1053, hidden: the clipboard's way
    CDialerContactList m_wndContacts;
    CLetterIndexBar m_wndLetters;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Arial bold of the height; when the face the system gives for it draws nChars of the widest
    // key character wider than cxRoom, its characters are narrowed until they fit.
    void CreateNumberFont(CFont& font, int nHeight, int nChars, int cxRoom);
    void AppendKey(wchar_t chKey);
    void RemoveLastKey();
    void OnOK() override;
    // The number changed: into the edit, the number area redrawn.
    void NumberChanged();
    void Dial();
    void ShowContacts(BOOL bShow);

    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLetter();
    afx_msg LRESULT OnDialerContact(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDialerUpdate(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
