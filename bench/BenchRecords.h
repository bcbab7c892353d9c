// The records of the import and export benchmarks: distinct messages spread over the four folders,
// received ones from 500 contacts and the others sent to them, each with its key.
#pragma once
#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"

namespace bench
{

inline void FillRecords(CCorvane_smsDoc& doc, int nRecords)
{
    static const wchar_t* const kFolders[] = {SMS_FOLDER_INBOX, SMS_FOLDER_OUTBOX, SMS_FOLDER_SENT, SMS_FOLDER_DRAFTS};
    for (int i = 0; i < nRecords; ++i)
    {
        CSMS* p = new CSMS;
        p->m_strFolder = kFolders[i % 4];
        p->m_strDay.Format(L"%02d", 1 + i % 28);
        p->m_strMonth.Format(L"%02d", 1 + (i / 28) % 12);
        p->m_strYear.Format(L"%02d", (i / 336) % 100);
        p->m_strHour.Format(L"%02d", (i / 7) % 24);
        p->m_strMinute.Format(L"%02d", (i / 3) % 60);
        p->m_strSecond.Format(L"%02d", i % 60);
        CString number, name;
        number.Format(L"08%09d", i);
        name.Format(L"Kontak %d", i % 500);
        (i % 4 == 0 ? p->m_strSenderNumber : p->m_strRecipientNumber) = number;
        (i % 4 == 0 ? p->m_strSenderName : p->m_strRecipientName) = name;
        p->m_strText.Format(L"Pesan nomor %d: sampai jumpa besok di kantor jam sembilan pagi ya", i);
        p->RebuildKey();
        doc.m_listSms.AddTail(p);
    }
}

} // namespace bench
