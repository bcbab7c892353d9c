// CSMS: one message record, its key and its archive form.
#include "phone/SmsRecord.h"
#include <mutex>

IMPLEMENT_SERIAL(CSMS, CObject, VERSIONABLE_SCHEMA | 2)

namespace
{
// Free records of the pool, linked through their first bytes, and the lock that guards them.
struct RecordPool
{
    std::mutex lock;
    void* pFree = nullptr;
};

RecordPool& Pool()
{
    static RecordPool* s_pPool = new RecordPool; // never destroyed: records may outlive statics
    return *s_pPool;
}

// One block: large enough to come straight from fresh pages rather than the small-block heap.
const size_t kBlockBytes = 256 * 1024;
} // namespace

void* CSMS::operator new(size_t nSize)
{
    if (nSize != sizeof(CSMS))
        return ::operator new(nSize); // a derived class
    RecordPool& pool = Pool();
    std::lock_guard<std::mutex> guard(pool.lock);
    if (!pool.pFree)
    {
        const size_t nPerBlock = kBlockBytes / sizeof(CSMS);
        char* pBlock = static_cast<char*>(::operator new(nPerBlock * sizeof(CSMS)));
        for (size_t i = nPerBlock; i-- > 0;)
        {
            void* pRecord = pBlock + i * sizeof(CSMS);
            *static_cast<void**>(pRecord) = pool.pFree;
            pool.pFree = pRecord;
        }
    }
    void* p = pool.pFree;
    pool.pFree = *static_cast<void**>(p);
    return p;
}

void CSMS::operator delete(void* p, size_t nSize)
{
    if (!p)
        return;
    if (nSize != sizeof(CSMS))
    {
        ::operator delete(p);
        return;
    }
    RecordPool& pool = Pool();
    std::lock_guard<std::mutex> guard(pool.lock);
    *static_cast<void**>(p) = pool.pFree;
    pool.pFree = p;
}

CSMS::CSMS() : m_pSource(nullptr) { Clear(); }

CSMS::CSMS(const CSMS& src) : CObject() { *this = src; }

CSMS& CSMS::operator=(const CSMS& src)
{
    if (this == &src)
        return *this;
    m_strMinute = src.m_strMinute;
    m_strKey = src.m_strKey;
    m_strHour = src.m_strHour;
    m_strSecond = src.m_strSecond;
    m_strDay = src.m_strDay;
    m_strMonth = src.m_strMonth;
    m_strYear = src.m_strYear;
    m_strSenderName = src.m_strSenderName;
    m_strText = src.m_strText;
    m_strFolder = src.m_strFolder;
    m_strSenderNumber = src.m_strSenderNumber;
    m_strRecipientNumber = src.m_strRecipientNumber;
    m_strRecipientName = src.m_strRecipientName;
    m_nRef = src.m_nRef;
    m_bLinked = src.m_bLinked;
    m_bFlash = src.m_bFlash;
    m_nPart = src.m_nPart;
    m_bRead = src.m_bRead;
    m_pSource = src.m_pSource;
    return *this;
}

CSMS::~CSMS() {}

void CSMS::Clear()
{
    m_strMinute.Empty();
    m_strKey.Empty();
    m_strHour.Empty();
    m_strSecond.Empty();
    m_strDay.Empty();
    m_strMonth.Empty();
    m_strYear.Empty();
    m_strSenderName.Empty();
    m_strText.Empty();
    m_strFolder.Empty();
    m_strSenderNumber.Empty();
    m_strRecipientNumber.Empty();
    m_strRecipientName.Empty();
    m_nRef = 0;
    m_bLinked = 0;
    m_bFlash = 0;
    m_nPart = 0;
    m_bRead = 0;
}

BOOL CSMS::IsValid(BOOL bTextNeeded) const
{
    return (!bTextNeeded || !m_strText.IsEmpty()) && !m_strHour.IsEmpty() && !m_strFolder.IsEmpty();
}

CString CSMS::MakeKey(const CSMS& sms)
{
    // Built in one buffer: this runs for every record a data file holds.
    const CString* const parts[] = {&sms.m_strDay,  &sms.m_strMonth,  &sms.m_strYear,
                                    &sms.m_strHour, &sms.m_strMinute, &sms.m_strSecond};
    const int nText = sms.m_strText.GetLength() < 20 ? sms.m_strText.GetLength() : 20;
    int nLength = nText;
    for (const CString* part : parts)
        nLength += part->GetLength();
    CString strKey;
    wchar_t* p = strKey.GetBufferSetLength(nLength);
    for (const CString* part : parts)
    {
        wmemcpy(p, part->GetString(), (size_t)part->GetLength());
        p += part->GetLength();
    }
    wmemcpy(p, sms.m_strText.GetString(), (size_t)nText);
    strKey.ReleaseBuffer(nLength);
    return strKey;
}

void CSMS::RebuildKey() { m_strKey = MakeKey(*this); }

void CSMS::SetOwnMessage(const CSMS& stamp, const CString& strText, const CString& strNumbers, const CString& strNames,
                         const CString& strFolder, int bFlash)
{
    m_strDay = stamp.m_strDay;
    m_strMonth = stamp.m_strMonth;
    m_strYear = stamp.m_strYear;
    m_strHour = stamp.m_strHour;
    m_strMinute = stamp.m_strMinute;
    m_strSecond = stamp.m_strSecond;
    m_strSenderNumber.Empty();
    m_strSenderName.Empty();
    m_strText = strText;
    m_strRecipientNumber = strNumbers;
    m_strRecipientName = strNames;
    m_strFolder = strFolder;
    m_bRead = 1;
    m_bLinked = 0;
    m_nRef = 0;
    m_nPart = 0;
    m_bFlash = bFlash;
    RebuildKey();
}

void CSMS::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_strDay << m_strMonth << m_strYear;
        ar << m_strHour << m_strMinute << m_strSecond;
        ar << m_strSenderName << m_strText << m_strFolder << m_strSenderNumber << m_strRecipientNumber
           << m_strRecipientName;
        ar << m_bRead << m_nRef << m_bLinked << m_nPart << m_bFlash;
    }
    else
    {
        // Schemas 0 and 1 lack the flash flag; a later one is a form this program cannot know.
        // (UINT)-1: loaded directly rather than as an object, in the current form.
        UINT nSchema = ar.GetObjectSchema();
        if (nSchema == (UINT)-1)
            nSchema = 2;
        if (nSchema > 2)
            AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
        ar >> m_strDay >> m_strMonth >> m_strYear;
        ar >> m_strHour >> m_strMinute >> m_strSecond;
        ar >> m_strSenderName >> m_strText >> m_strFolder >> m_strSenderNumber >> m_strRecipientNumber >>
            m_strRecipientName;
        ar >> m_bRead >> m_nRef >> m_bLinked >> m_nPart;
        if (nSchema == 2)
            ar >> m_bFlash;
        else
            m_bFlash = 0;
        RebuildKey();
    }
}
