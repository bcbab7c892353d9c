// CSmsComposer: splitting a text into parts and sending it to every recipient.
#include "phone/SmsComposer.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/GsmAlphabet.h"
#include "phone/PhoneHost.h"
#include "phone/PhoneSession.h"
#include "phone/StoreHelpers.h"
#include "phone/StringSplitter.h"
#include <algorithm>
#include <cstdlib>

namespace
{
CString TwoDigits(int n)
{
    CString s;
    s.Format(L"%02d", n % 100);
    return s;
}
bool FirstFourDigits(const CString& s)
{
    if (s.GetLength() < 4)
        return false;
    for (int i = 0; i < 4; ++i)
        if (s[i] < L'0' || s[i] > L'9')
            return false;
    return true;
}
} // namespace

CSmsComposer::CSmsComposer() {}

CString CSmsComposer::ParseRecipients(CString strNames, CString strNumbers)
{
    strNames.Remove(L'+');
    strNumbers.Remove(L'+');
    CStringSplitter names(strNames, L";");
    CStringSplitter numbers(strNumbers, L";");
    CString strResult;
    const int n = (int)std::max(names.GetSize(), numbers.GetSize());
    for (int i = 0; i < n; ++i)
    {
        CString strName = names.GetField(i);
        CString strNumber = numbers.GetField(i);
        if (strName.IsEmpty() && strNumber.IsEmpty())
            continue;
        if (strNumber.IsEmpty())
            strNumber = strName;
        if (strName.IsEmpty())
            strName = strNumber;
        CString strEntry = strName != strNumber ? strName + L"<" + strNumber + L">" : strName;
        if (!strResult.IsEmpty())
            strResult += L";";
        strResult += strEntry;
    }
    return strResult;
}

BOOL CSmsComposer::NextRecipient(CString& strRest, CString& strName, CString& strNumber)
{
    strRest.Trim();
    while (strRest.Left(1) == L";")
        strRest = strRest.Mid(1);
    if (strRest.IsEmpty())
        return FALSE;
    int lt = strRest.Find(L'<'), gt = strRest.Find(L'>');
    if (lt >= 0 && gt > lt && !FirstFourDigits(strRest))
    {
        strName = strRest.Left(lt);
        strNumber = strRest.Mid(lt + 1, gt - lt - 1);
        int end = strRest.Find(L">;");
        strRest = end >= 0 ? strRest.Mid(end + 2) : CString();
    }
    else
    {
        int semi = strRest.Find(L';');
        CString strEntry = semi >= 0 ? strRest.Left(semi) : strRest;
        strRest = semi >= 0 ? strRest.Mid(semi + 1) : CString();
        strName = strNumber = strEntry;
    }
    strNumber = FilterPhoneNumber(strNumber);
    strNumber.Remove(L'+');
    strName.Replace(L';', L' ');
    return TRUE;
}

int CSmsComposer::SplitText(const CString& strText, CStringArray& arrParts)
{
    arrParts.RemoveAll();
    GsmSplitForSending(strText, arrParts, L'_');
    if (arrParts.GetSize() == 0)
        arrParts.Add(strText);
    return (int)arrParts.GetSize();
}

int CSmsComposer::DrawReference()
{
    srand(GetTickCount());
    int n;
    do
    {
        n = rand() % 65;
    } while (n < 10);
    return n;
}

int CSmsComposer::SendWithoutWindow()
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    CPhoneSession session;
    PostStatusText(L"mengirim sms");

    CString strLogPath;
    if (pDoc)
        pHost->RunOnGuiThread([&] { strLogPath = pDoc->GetLogFilePath(); });
    CUnicodeTextWriter log;
    if (!strLogPath.IsEmpty())
        log.Open(strLogPath, 2 /* UNI16_LE */);
    log.WriteLine(L"log sending sms\n");

    SYSTEMTIME st;
    GetLocalTime(&st);
    CSMS work;
    work.m_strDay = TwoDigits(st.wDay);
    work.m_strMonth = TwoDigits(st.wMonth);
    work.m_strYear = TwoDigits(st.wYear);
    work.m_strHour = TwoDigits(st.wHour);
    work.m_strMinute = TwoDigits(st.wMinute);
    work.m_strSecond = TwoDigits(st.wSecond);
    work.m_strFolder = SMS_FOLDER_SENT;
    work.m_bRead = 1;
    work.m_bFlash = m_source.m_bFlash;

    const CString strMessage = m_source.m_strText;
    CString strRest = ParseRecipients(m_source.m_strRecipientName, m_source.m_strRecipientNumber);
    if (strRest.IsEmpty())
        strRest = ParseRecipients(m_source.m_strRecipientNumber, m_source.m_strRecipientNumber);

    PostStatusText(L"check koneksi hp");
    if (!CPhoneSession::OpenPort())
        return 0;
    CIrdaPort& port = CPhoneSession::GetSharedPort();
    PostStatusText(L"mengirim SMS");

    CString strNames, strNumbers, strName, strNumber;
    while (NextRecipient(strRest, strName, strNumber))
    {
        work.m_strRecipientNumber = strNumber;
        work.m_strRecipientName = strName;
        CStringArray parts;
        const int nParts = SplitText(strMessage, parts);
        const int nRef = DrawReference();
        for (int i = 1; i <= nParts; ++i)
        {
            CString strLine;
            if (nParts > 1)
                strLine.Format(L"sending linked sms %d\n\r", i);
            else
                strLine = L"sending single sms\n\r";
            PostStatusText(strLine);
            log.WriteLine(strLine);
            work.m_strText = parts[i - 1];
            BOOL bOk = nParts > 1 ? session.SendSmsPdu(log, port, work, TRUE, i, nRef, nParts)
                                  : session.SendSmsPdu(log, port, work, FALSE, 0, 0, 0);
            if (!bOk)
            {
                port.Close();
                return 0;
            }
        }
        if (!strNames.IsEmpty())
        {
            strNames += L";";
            strNumbers += L";";
        }
        strNames += strName;
        strNumbers += strNumber;
    }

    // Filing: the stored message that was sent moves to "Sent" (or goes, without "isSaveToSent").
    if (pDoc)
    {
        BOOL bSaveToSent = TRUE;
        {
            CAppSettings settings;
            bSaveToSent = settings.GetIsSaveToSent() != 0;
        }
        pHost->RunOnGuiThread([&] {
            CSmsRecordsLock lock(pDoc);
            POSITION pos = pDoc->m_listSms.GetHeadPosition();
            while (pos)
            {
                POSITION cur = pos;
                CSMS* p = (CSMS*)pDoc->m_listSms.GetNext(pos);
                if (p->m_strSenderName != m_source.m_strSenderName ||
                    p->m_strRecipientNumber != m_source.m_strRecipientNumber || p->m_strText != m_source.m_strText ||
                    p->m_strHour != m_source.m_strHour || p->m_strMinute != m_source.m_strMinute ||
                    p->m_strSecond != m_source.m_strSecond)
                    continue;
                if (!bSaveToSent)
                {
                    pDoc->m_listSms.RemoveAt(cur);
                    delete p;
                    continue;
                }
                p->m_strDay = work.m_strDay;
                p->m_strMonth = work.m_strMonth;
                p->m_strYear = work.m_strYear;
                p->m_strHour = work.m_strHour;
                p->m_strMinute = work.m_strMinute;
                p->m_strSecond = work.m_strSecond;
                p->m_strSenderNumber.Empty();
                p->m_strSenderName.Empty();
                p->m_strText = strMessage;
                p->m_strRecipientNumber = strNumbers;
                p->m_strRecipientName = strNames;
                p->m_strFolder = SMS_FOLDER_SENT;
                p->m_bRead = 1;
                p->m_bLinked = 0;
                p->m_bFlash = 0;
                p->RebuildKey();
                break;
            }
        });
    }
    PostStatusText(L"menutup koneksi dengan handphone");
    port.Close();
    PostStatusText(L"SMS telah terkirim");
    if (pHost)
        pHost->PlaySentSound();
    log.Close();
    return 1;
}
