// The application's persistent options in the registry of the current user, reached through the
// application object's profile functions (Software\<key>\<app name>\<section>). Nothing is
// cached: every getter reads afresh and every setter writes at once.
#pragma once
#include "platform/Platform.h"

// The application sets this registry key before any value is read; with the application's name
// the values lie under HKEY_CURRENT_USER\Software\Corvane\Corvane SMS\<section>.
#define CORVANE_REGISTRY_KEY L"Corvane"
#define CORVANE_APP_NAME     L"Corvane SMS"

struct SListColumnWidths
{
    int nReaded; // "colReaded": read mark
    int nTgl;    // "colTgl": date
    int nJam;    // "colJam": time
    int nPen;    // "colPen": sender
    int nIsi;    // "colIsi": text
};

class CAppSettings : public CObject
{
public:
    CAppSettings();
    virtual ~CAppSettings();

    // "Settings"
    UINT GetTimeout();
    BOOL SetTimeout(UINT nValue);
    CString GetSuaraRec();
    BOOL SetSuaraRec(const CString& str);
    CString GetSuaraSent();
    BOOL SetSuaraSent(const CString& str);
    CString GetSuaraNewMsg();
    BOOL SetSuaraNewMsg(const CString& str);
    UINT GetIsHapus();
    BOOL SetIsHapus(UINT nValue);
    UINT GetNoFilter();
    BOOL SetNoFilter(UINT nValue);
    UINT GetNoCategoryContact();
    BOOL SetNoCategoryContact(UINT nValue);
    UINT GetIsSaveToSent();
    BOOL SetIsSaveToSent(UINT nValue);
    UINT GetIsSuaraOn();
    BOOL SetIsSuaraOn(UINT nValue);
    UINT GetIsSuaraRecOn();
    BOOL SetIsSuaraRecOn(UINT nValue);
    UINT GetIsSuaraSentOn();
    BOOL SetIsSuaraSentOn(UINT nValue);
    UINT GetIsSuaraNewMsgOn();
    BOOL SetIsSuaraNewMsgOn(UINT nValue);
    CString GetConnection();
    void SetConnection(CString str);
    SListColumnWidths GetColumnWidths();
    BOOL SetColumnWidths(int nReaded, int nTgl, int nJam, int nPen, int nIsi);
    BOOL SetColumnWidths(const SListColumnWidths& widths);
    int GetSortListSms();
    BOOL SetSortListSms(int nValue);
    CString GetDialerSkin();
    BOOL SetDialerSkin(const CString& str);
    UINT GetIsActivePass();
    BOOL SetIsActivePass(UINT nValue);
    UINT GetIsMaskPass();
    BOOL SetIsMaskPass(UINT nValue);
    CString GetPassword();
    BOOL SetPassword(const CString& str);
    UINT GetIsGetSmsWhenActive();
    BOOL SetIsGetSmsWhenActive(UINT nValue);
    UINT GetIsShowSplash();
    BOOL SetIsShowSplash(UINT nValue);
    UINT GetIsSuaraTapIconOn();
    BOOL SetIsSuaraTapIconOn(UINT nValue);
    UINT GetIsHideToTray();
    BOOL SetIsHideToTray(UINT nValue);

    // "History": value "0", "1", ... ; written only.
    BOOL SetHistory(int nIndex, const CString& str);

    // "Scheduler"
    UINT GetIsScheduled();
    BOOL SetIsScheduled(UINT nValue);
    UINT GetSchedulerHour();
    BOOL SetSchedulerHour(UINT nValue);
    UINT GetSchedulerMinute();
    BOOL SetSchedulerMinute(UINT nValue);
    UINT GetIsScheduledDay();

    // "Theme"
    UINT GetBgColor();
    BOOL SetBgColor(UINT nValue);

    // "Sms"
    UINT GetIsQuoteSms();
    BOOL SetIsQuoteSms(UINT nValue);
    UINT GetIsShowSenderForwardSms();
    BOOL SetIsShowSenderForwardSms(UINT nValue);
    CString GetSignature();
    void SetSignature(CString str);
    UINT GetIsCutQuotedSms();
    BOOL SetIsCutQuotedSms(UINT nValue);
    UINT GetNumCutQuotedSms();
    BOOL SetNumCutQuotedSms(UINT nValue);
    UINT GetIsConfirmDelSms();
    BOOL SetIsConfirmDelSms(UINT nValue);
    UINT GetIsSmsPrefix();
    BOOL SetIsSmsPrefix(UINT nValue);
    CString GetSmsPrefix();
    void SetSmsPrefix(CString str);
    UINT GetIsSaveSmsPrefix();
    BOOL SetIsSaveSmsPrefix(UINT nValue);

    // "WindowPos"
    UINT GetDialogSmsX();
    UINT GetDialogSmsY();
    BOOL SetDialogSmsPos(int x, int y);

    CString m_strSettings;
    CString m_strHistory;
    CString m_strListSms;
    CString m_strFont;
    CString m_strScheduler;
    CString m_strTheme;
    CString m_strSms;
    CString m_strButtonMapper;
    CString m_strWindowPos;

private:
    static UINT ReadInt(const CString& section, LPCWSTR entry, UINT nDefault);
    static CString ReadString(const CString& section, LPCWSTR entry, LPCWSTR pszDefault);
    static BOOL WriteInt(const CString& section, LPCWSTR entry, UINT nValue);
    static BOOL WriteString(const CString& section, LPCWSTR entry, LPCWSTR pszValue);
};
