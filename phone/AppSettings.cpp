// CAppSettings: reading and writing the options in the registry, each with its default.
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"

CAppSettings::CAppSettings()
    : m_strSettings(L"Settings"), m_strHistory(L"History"), m_strListSms(L"ListSms"), m_strFont(L"Font"),
      m_strScheduler(L"Scheduler"), m_strTheme(L"Theme"), m_strSms(L"Sms"), m_strButtonMapper(L"ButtonMapper"),
      m_strWindowPos(L"WindowPos")
{}

CAppSettings::~CAppSettings() {}

UINT CAppSettings::ReadInt(const CString& section, LPCWSTR entry, UINT nDefault)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileInt(section, entry, (int)nDefault) : nDefault;
}

CString CAppSettings::ReadString(const CString& section, LPCWSTR entry, LPCWSTR pszDefault)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileString(section, entry, pszDefault) : CString(pszDefault);
}

BOOL CAppSettings::WriteInt(const CString& section, LPCWSTR entry, UINT nValue)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->WriteProfileInt(section, entry, (int)nValue) : FALSE;
}

BOOL CAppSettings::WriteString(const CString& section, LPCWSTR entry, LPCWSTR pszValue)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->WriteProfileString(section, entry, pszValue) : FALSE;
}

UINT CAppSettings::GetTimeout() { return ReadInt(m_strSettings, L"timeout", 10000); }
BOOL CAppSettings::SetTimeout(UINT nValue) { return WriteInt(m_strSettings, L"timeout", nValue); }
UINT CAppSettings::GetIsHapus() { return ReadInt(m_strSettings, L"isHapus", 0); }
BOOL CAppSettings::SetIsHapus(UINT nValue) { return WriteInt(m_strSettings, L"isHapus", nValue); }
UINT CAppSettings::GetNoFilter() { return ReadInt(m_strSettings, L"noFilter", 0); }
BOOL CAppSettings::SetNoFilter(UINT nValue) { return WriteInt(m_strSettings, L"noFilter", nValue); }
UINT CAppSettings::GetNoCategoryContact() { return ReadInt(m_strSettings, L"noCategoryContact", 0); }
BOOL CAppSettings::SetNoCategoryContact(UINT nValue) { return WriteInt(m_strSettings, L"noCategoryContact", nValue); }
UINT CAppSettings::GetIsSaveToSent() { return ReadInt(m_strSettings, L"isSaveToSent", 1); }
BOOL CAppSettings::SetIsSaveToSent(UINT nValue) { return WriteInt(m_strSettings, L"isSaveToSent", nValue); }
UINT CAppSettings::GetIsSuaraOn() { return ReadInt(m_strSettings, L"isSuaraOn", 1); }
BOOL CAppSettings::SetIsSuaraOn(UINT nValue) { return WriteInt(m_strSettings, L"isSuaraOn", nValue); }
UINT CAppSettings::GetIsSuaraRecOn() { return ReadInt(m_strSettings, L"isSuaraRecOn", 1); }
BOOL CAppSettings::SetIsSuaraRecOn(UINT nValue) { return WriteInt(m_strSettings, L"isSuaraRecOn", nValue); }
UINT CAppSettings::GetIsSuaraSentOn() { return ReadInt(m_strSettings, L"isSuaraSentOn", 1); }
BOOL CAppSettings::SetIsSuaraSentOn(UINT nValue) { return WriteInt(m_strSettings, L"isSuaraSentOn", nValue); }
UINT CAppSettings::GetIsSuaraNewMsgOn() { return ReadInt(m_strSettings, L"isSuaraNewMsgOn", 1); }
BOOL CAppSettings::SetIsSuaraNewMsgOn(UINT nValue) { return WriteInt(m_strSettings, L"isSuaraNewMsgOn", nValue); }
UINT CAppSettings::GetIsActivePass() { return ReadInt(m_strSettings, L"IsActivePass", 0); }
BOOL CAppSettings::SetIsActivePass(UINT nValue) { return WriteInt(m_strSettings, L"IsActivePass", nValue); }
UINT CAppSettings::GetIsMaskPass() { return ReadInt(m_strSettings, L"IsMaskPass", 0); }
BOOL CAppSettings::SetIsMaskPass(UINT nValue) { return WriteInt(m_strSettings, L"IsMaskPass", nValue); }
UINT CAppSettings::GetIsGetSmsWhenActive() { return ReadInt(m_strSettings, L"IsGetSmsWhenActive", 0); }
BOOL CAppSettings::SetIsGetSmsWhenActive(UINT nValue) { return WriteInt(m_strSettings, L"IsGetSmsWhenActive", nValue); }
UINT CAppSettings::GetIsShowSplash() { return ReadInt(m_strSettings, L"IsShowSplash", 1); }
BOOL CAppSettings::SetIsShowSplash(UINT nValue) { return WriteInt(m_strSettings, L"IsShowSplash", nValue); }
UINT CAppSettings::GetIsSuaraTapIconOn() { return ReadInt(m_strSettings, L"isSuaraTapIconOn", 0); }
BOOL CAppSettings::SetIsSuaraTapIconOn(UINT nValue) { return WriteInt(m_strSettings, L"isSuaraTapIconOn", nValue); }
UINT CAppSettings::GetIsHideToTray() { return ReadInt(m_strSettings, L"IsHideToTray", 0); }
BOOL CAppSettings::SetIsHideToTray(UINT nValue) { return WriteInt(m_strSettings, L"IsHideToTray", nValue); }
UINT CAppSettings::GetIsScheduled() { return ReadInt(m_strScheduler, L"IsScheduled", 0); }
BOOL CAppSettings::SetIsScheduled(UINT nValue) { return WriteInt(m_strScheduler, L"IsScheduled", nValue); }
UINT CAppSettings::GetSchedulerHour() { return ReadInt(m_strScheduler, L"SchedulerHour", 0); }
BOOL CAppSettings::SetSchedulerHour(UINT nValue) { return WriteInt(m_strScheduler, L"SchedulerHour", nValue); }
UINT CAppSettings::GetSchedulerMinute() { return ReadInt(m_strScheduler, L"SchedulerMinute", 5); }
BOOL CAppSettings::SetSchedulerMinute(UINT nValue) { return WriteInt(m_strScheduler, L"SchedulerMinute", nValue); }
UINT CAppSettings::GetBgColor() { return ReadInt(m_strTheme, L"bgColor", 0xFFF3BD); }
BOOL CAppSettings::SetBgColor(UINT nValue) { return WriteInt(m_strTheme, L"bgColor", nValue); }
UINT CAppSettings::GetIsQuoteSms() { return ReadInt(m_strSms, L"IsQuoteSms", 0); }
BOOL CAppSettings::SetIsQuoteSms(UINT nValue) { return WriteInt(m_strSms, L"IsQuoteSms", nValue); }
UINT CAppSettings::GetIsShowSenderForwardSms() { return ReadInt(m_strSms, L"IsShowSenderForwardSms", 0); }
BOOL CAppSettings::SetIsShowSenderForwardSms(UINT nValue)
{
    return WriteInt(m_strSms, L"IsShowSenderForwardSms", nValue);
}
UINT CAppSettings::GetIsCutQuotedSms() { return ReadInt(m_strSms, L"IsCutQuotedSms", 0); }
BOOL CAppSettings::SetIsCutQuotedSms(UINT nValue) { return WriteInt(m_strSms, L"IsCutQuotedSms", nValue); }
UINT CAppSettings::GetNumCutQuotedSms() { return ReadInt(m_strSms, L"NumCutQuotedSms", 40); }
BOOL CAppSettings::SetNumCutQuotedSms(UINT nValue) { return WriteInt(m_strSms, L"NumCutQuotedSms", nValue); }
UINT CAppSettings::GetIsConfirmDelSms() { return ReadInt(m_strSms, L"IsConfirmDelSms", 0); }
BOOL CAppSettings::SetIsConfirmDelSms(UINT nValue) { return WriteInt(m_strSms, L"IsConfirmDelSms", nValue); }
UINT CAppSettings::GetIsSmsPrefix() { return ReadInt(m_strSms, L"IsSmsPrefix", 0); }
BOOL CAppSettings::SetIsSmsPrefix(UINT nValue) { return WriteInt(m_strSms, L"IsSmsPrefix", nValue); }
UINT CAppSettings::GetIsSaveSmsPrefix() { return ReadInt(m_strSms, L"IsSaveSmsPrefix", 0); }
BOOL CAppSettings::SetIsSaveSmsPrefix(UINT nValue) { return WriteInt(m_strSms, L"IsSaveSmsPrefix", nValue); }
UINT CAppSettings::GetIsScheduledDay() { return ReadInt(m_strScheduler, L"IsScheduledDay", 0); }

CString CAppSettings::GetDialerSkin() { return ReadString(m_strSettings, L"DialerSkin", L"chess-w"); }
BOOL CAppSettings::SetDialerSkin(const CString& str) { return WriteString(m_strSettings, L"DialerSkin", str); }
CString CAppSettings::GetPassword() { return ReadString(m_strSettings, L"Password", L""); }
BOOL CAppSettings::SetPassword(const CString& str) { return WriteString(m_strSettings, L"Password", str); }
CString CAppSettings::GetConnection() { return ReadString(m_strSettings, L"Connection", L"COM4:"); }
void CAppSettings::SetConnection(CString str) { WriteString(m_strSettings, L"Connection", str); }
CString CAppSettings::GetSignature() { return ReadString(m_strSms, L"Signature", L""); }
void CAppSettings::SetSignature(CString str) { WriteString(m_strSms, L"Signature", str); }
CString CAppSettings::GetSmsPrefix() { return ReadString(m_strSms, L"SmsPrefix", L""); }
void CAppSettings::SetSmsPrefix(CString str) { WriteString(m_strSms, L"SmsPrefix", str); }

CString CAppSettings::GetSuaraRec()
{
    return ReadString(m_strSettings, L"suara_rec", GetAppFolder() + L"finish_rec.wav");
}
BOOL CAppSettings::SetSuaraRec(const CString& str) { return WriteString(m_strSettings, L"suara_rec", str); }

CString CAppSettings::GetSuaraSent() { return ReadString(m_strSettings, L"suara_sent", GetAppFolder() + L"sent.wav"); }
BOOL CAppSettings::SetSuaraSent(const CString& str) { return WriteString(m_strSettings, L"suara_sent", str); }

CString CAppSettings::GetSuaraNewMsg()
{
    return ReadString(m_strSettings, L"suara_newmsg", GetAppFolder() + L"newmsg.wav");
}
BOOL CAppSettings::SetSuaraNewMsg(const CString& str) { return WriteString(m_strSettings, L"suara_newmsg", str); }

SListColumnWidths CAppSettings::GetColumnWidths()
{
    SListColumnWidths w;
    w.nReaded = (int)ReadInt(m_strSettings, L"colReaded", 20);
    w.nTgl = (int)ReadInt(m_strSettings, L"colTgl", 60);
    w.nJam = (int)ReadInt(m_strSettings, L"colJam", 50);
    w.nPen = (int)ReadInt(m_strSettings, L"colPen", 85);
    w.nIsi = (int)ReadInt(m_strSettings, L"colIsi", 300);
    return w;
}

BOOL CAppSettings::SetColumnWidths(int nReaded, int nTgl, int nJam, int nPen, int nIsi)
{
    WriteInt(m_strSettings, L"colReaded", (UINT)nReaded);
    WriteInt(m_strSettings, L"colTgl", (UINT)nTgl);
    WriteInt(m_strSettings, L"colJam", (UINT)nJam);
    WriteInt(m_strSettings, L"colPen", (UINT)nPen);
    return WriteInt(m_strSettings, L"colIsi", (UINT)nIsi);
}

BOOL CAppSettings::SetColumnWidths(const SListColumnWidths& w)
{
    return SetColumnWidths(w.nReaded, w.nTgl, w.nJam, w.nPen, w.nIsi);
}

// Negative sort states are kept as 10 + |v|: -1 as 11, -3 as 13.
int CAppSettings::GetSortListSms()
{
    const int s = (int)ReadInt(m_strSettings, L"SortListSms", 1);
    return s <= 10 ? s : 10 - s;
}

BOOL CAppSettings::SetSortListSms(int nValue)
{
    const int stored = nValue >= 0 ? nValue : 10 - nValue;
    return WriteInt(m_strSettings, L"SortListSms", (UINT)stored);
}

BOOL CAppSettings::SetHistory(int nIndex, const CString& str)
{
    CString entry;
    entry.Format(L"%d", nIndex);
    return WriteString(m_strHistory, entry, str);
}

UINT CAppSettings::GetDialogSmsX() { return ReadInt(m_strWindowPos, L"DialogSmsX", 300); }
UINT CAppSettings::GetDialogSmsY() { return ReadInt(m_strWindowPos, L"DialogSmsY", 300); }

BOOL CAppSettings::SetDialogSmsPos(int x, int y)
{
    WriteInt(m_strWindowPos, L"DialogSmsX", (UINT)x);
    return WriteInt(m_strWindowPos, L"DialogSmsY", (UINT)y);
}
