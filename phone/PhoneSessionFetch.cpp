// The fetch: list both memories, decode, join, file, save, and only then delete.
#include "phone/PhoneSession.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "phone/SmsPduDecoder.h"
#include "phone/StringSplitter.h"
#include "res/phone_ids.h"
#include <algorithm>

namespace
{

const wchar_t kSep[] = L"<CR><LF>";
// Characters of a phone's error line that a message box shows.
const int kMaxShownReply = 60;

// The listing header's last field, the TPDU length in octets, against the PDU (its service-centre
// part not counted); a header without a length says nothing against it.
bool ListedLengthFits(const CString& strHeader, const CString& strPdu)
{
    CString strLength = strHeader.Mid(strHeader.ReverseFind(L',') + 1).Trim();
    if (strLength.IsEmpty() || !IsAllDigits(strLength))
        return true;
    const int nTpdu = strPdu.GetLength() / 2 - 1 - CSmsPduDecoder::HexToInt(strPdu.Left(2));
    return _wtoi(strLength) == nTpdu;
}

// The identity of the sender (or recipient) that the parts of one message share.
CString PartyKey(const CSMS& r) { return r.m_strSenderNumber + L"|" + r.m_strRecipientNumber + L"|" + r.m_strFolder; }

bool SameTimestamp(const CSMS& a, const CSMS& b)
{
    return a.m_strDay == b.m_strDay && a.m_strMonth == b.m_strMonth && a.m_strYear == b.m_strYear &&
           a.m_strHour == b.m_strHour && a.m_strMinute == b.m_strMinute && a.m_strSecond == b.m_strSecond;
}

bool IsSent(const CSMS& r) { return r.m_strFolder.CompareNoCase(SMS_FOLDER_SENT) == 0; }

// Whether a document record is this listed part filed alone: the same sender, reference, part
// number, own time stamp and text. A part stored as sent carries no time stamp of its own.
bool IsFiledPart(const CSMS& filed, const CSMS& part)
{
    return filed.m_bLinked && filed.m_nRef == part.m_nRef && filed.m_nPart == part.m_nPart &&
           PartyKey(filed) == PartyKey(part) && filed.m_strText == part.m_strText &&
           (IsSent(part) || SameTimestamp(filed, part));
}

// A record's date and time in seconds (the two-digit year taken in 2000-2099); 0 when they are no date.
long long StampSeconds(const CSMS& r)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)(2000 + _wtoi(r.m_strYear));
    st.wMonth = (WORD)_wtoi(r.m_strMonth);
    st.wDay = (WORD)_wtoi(r.m_strDay);
    st.wHour = (WORD)_wtoi(r.m_strHour);
    st.wMinute = (WORD)_wtoi(r.m_strMinute);
    st.wSecond = (WORD)_wtoi(r.m_strSecond);
    FILETIME ft;
    if (!SystemTimeToFileTime(&st, &ft))
        return 0;
    return (long long)(((ULONGLONG)ft.dwHighDateTime << 32 | ft.dwLowDateTime) / 10000000);
}

// Whether a document record is the whole message a listed part belongs to: linked, of the same
// sender, reference and total (its part number), its text holding the part's text at the part's
// place and more, and its date and time (those of its last part) the part's own for the last part,
// within nSpan seconds of it for another. A part stored as sent carries no time stamp of its own.
bool HoldsPart(const CSMS& filed, const CPhoneSession::ListedSms_t& l, long long nSpan)
{
    const CString& strWhole = filed.m_strText;
    const CString& strPart = l.record.m_strText;
    const int n = strPart.GetLength();
    if (!filed.m_bLinked || !l.bLinked || filed.m_nRef != l.nRef || filed.m_nPart != l.nTotal || l.nSeq < 1 ||
        l.nSeq > l.nTotal || strWhole.GetLength() <= n || PartyKey(filed) != PartyKey(l.record))
        return false;
    bool bInPlace = false;
    if (l.nSeq == l.nTotal)
        bInPlace = strWhole.Right(n) == strPart;
    else if (l.nSeq == 1)
        bInPlace = strWhole.Left(n) == strPart;
    else
    {
        const int nAt = strWhole.Find(strPart, 1);
        bInPlace = nAt > 0 && nAt + n < strWhole.GetLength();
    }
    if (!bInPlace || IsSent(l.record))
        return bInPlace;
    const long long nApart = StampSeconds(filed) - StampSeconds(l.record);
    return l.nSeq == l.nTotal ? nApart == 0 : std::llabs(nApart) <= nSpan;
}

bool SameKeptPart(const CPhoneSession::KeptPart_t& a, const CPhoneSession::KeptPart_t& b)
{
    return a.strMemory == b.strMemory && a.strIndex == b.strIndex && a.strPdu == b.strPdu && a.strFiled == b.strFiled &&
           a.nRecordPart == b.nRecordPart;
}

// A record's date and time as the side file keeps them ("yymmddhhmmss").
CString FiledStamp(const CSMS& r)
{
    return r.m_strYear + r.m_strMonth + r.m_strDay + r.m_strHour + r.m_strMinute + r.m_strSecond;
}

// What identifies a part: its party, reference, total, number and own stamp as an instant; of a
// part stored as sent, which has no stamp of its own, its PDU.
CString PartIdentity(const CPhoneSession::ListedSms_t& l)
{
    CString s;
    s.Format(L"%s|%d|%d|%d|%lld", (LPCWSTR)PartyKey(l.record), l.nRef, l.nTotal, l.nSeq,
             IsSent(l.record) ? 0LL : l.nInstant);
    return IsSent(l.record) ? s + L"|" + l.strPdu : s;
}

// Decodes a PDU into the listed part's record and the fields of its concatenation and stamp;
// false when it does not hold together.
bool DecodePart(const CString& strPdu, CPhoneSession::ListedSms_t& l, const CSmsPduDecoder::ContactLookup& lookup)
{
    CSmsPduDecoder decoder(lookup);
    PduOctets::ConcatInfo concat;
    const bool bRead = decoder.Decode(strPdu, l.record, &concat) != FALSE;
    l.bLinked = concat.bPresent;
    l.nRef = concat.nRef;
    l.nTotal = concat.nTotal;
    l.nSeq = concat.nSeq;
    l.nInstant = decoder.GetStampInstant() ? decoder.GetStampInstant() : StampSeconds(l.record);
    return bRead;
}

// Fills the fields a side file's line gives by its PDU; false when it is no linked message.
bool DecodeKept(CPhoneSession::KeptPart_t& k)
{
    CPhoneSession::ListedSms_t l;
    l.strPdu = k.strPdu;
    k.bDecoded = DecodePart(k.strPdu, l, CSmsPduDecoder::ContactLookup()) && l.bLinked;
    if (k.nRecordPart < 0)
        k.nRecordPart = l.nTotal;
    k.nRef = l.nRef, k.nTotal = l.nTotal, k.nSeq = l.nSeq;
    k.nTextLength = l.record.m_strText.GetLength();
    k.strIdentity = PartIdentity(l);
    k.strParty = PartyKey(l.record);
    return k.bDecoded != FALSE;
}

// The record that holds a part the side file names: linked, of its party and reference, with the
// date, time and part number of its line; nullptr when the document has none.
const CSMS* FindFiled(const CCorvane_smsDoc* pDoc, const CPhoneSession::KeptPart_t& k)
{
    for (POSITION pos = pDoc->m_listSms.GetTailPosition(); pos;)
    {
        const CSMS* d = (const CSMS*)pDoc->m_listSms.GetPrev(pos);
        if (d->m_bLinked && d->m_nRef == k.nRef && d->m_nPart == k.nRecordPart && FiledStamp(*d) == k.strFiled &&
            PartyKey(*d) == k.strParty)
            return d;
    }
    return nullptr;
}

// Whether the record holds the text of every part the side file names with it (its length).
bool HoldsNamedParts(const CSMS& d, const std::vector<CPhoneSession::KeptPart_t>& arr,
                     const CPhoneSession::KeptPart_t& k)
{
    int n = 0;
    std::vector<CString> counted; // a line before the save may name a part again
    for (const CPhoneSession::KeptPart_t& o : arr)
        if (o.bDecoded && o.strFiled == k.strFiled && o.nRecordPart == k.nRecordPart && o.nRef == k.nRef &&
            o.strParty == k.strParty && std::find(counted.begin(), counted.end(), o.strIdentity) == counted.end())
        {
            n += o.nTextLength;
            counted.push_back(o.strIdentity);
        }
    return d.m_strText.GetLength() == n;
}

} // namespace

void CPhoneSession::SortListed(std::vector<ListedSms_t>& arr)
{
    std::stable_sort(arr.begin(), arr.end(), [](const ListedSms_t& a, const ListedSms_t& b) {
        int c = PartyKey(a.record).Compare(PartyKey(b.record));
        if (c != 0)
            return c < 0;
        if (a.nRef != b.nRef)
            return a.nRef < b.nRef;
        if (a.nTotal != b.nTotal)
            return a.nTotal < b.nTotal;
        return a.nOrder < b.nOrder;
    });
}

void CPhoneSession::JoinListed(const std::vector<ListedSms_t>& arr, std::vector<JoinedSms_t>& joined)
{
    joined.clear();
    std::vector<bool> taken(arr.size(), false);
    auto alone = [&](size_t i, std::vector<JoinedSms_t>& out) {
        JoinedSms_t j;
        j.record = arr[i].record;
        j.sources.push_back((int)i);
        j.bComplete = !arr[i].bLinked;
        j.bKnown = arr[i].bKnown;
        out.push_back(j);
    };
    for (size_t i = 0; i < arr.size(); ++i)
    {
        const ListedSms_t& first = arr[i];
        // A PDU that could not be read is no message of the document.
        if (taken[i] || !first.bReadable)
            continue;
        if (!first.bLinked || first.bKnown)
        {
            alone(i, joined);
            continue;
        }
        // The parts of one sender with one reference and total lie together, in listing order;
        // copies[s] holds those of part number s.
        std::vector<JoinedSms_t> group;
        std::vector<std::vector<size_t>> copies((size_t)std::max(first.nTotal, 0) + 1);
        for (size_t k = i; k < arr.size(); ++k)
        {
            const ListedSms_t& next = arr[k];
            if (PartyKey(next.record) != PartyKey(first.record) || next.nRef != first.nRef ||
                next.nTotal != first.nTotal)
                break;
            if (!next.bReadable || !next.bLinked || next.bKnown)
                continue;
            taken[k] = true;
            if (next.nSeq >= 1 && next.nSeq <= first.nTotal)
                copies[(size_t)next.nSeq].push_back(k);
            else
                alone(k, group);
        }
        std::vector<bool> used(arr.size(), false);
        while (first.nTotal >= 1)
        {
            // For each first part, the other parts nearest to it in time while all lie within the
            // span; the message of the least distance is taken, and the search begins again.
            std::vector<size_t> best;
            long long nBest = -1;
            for (size_t a : copies[1])
            {
                if (used[a])
                    continue;
                std::vector<size_t> parts = {a};
                const long long tFirst = arr[a].nInstant;
                long long tLow = tFirst, tHigh = tFirst, nDistance = 0;
                for (int s = 2; s <= first.nTotal; ++s)
                {
                    size_t nPick = 0;
                    long long nPickDistance = -1, tPick = 0;
                    for (size_t b : copies[(size_t)s])
                    {
                        const long long t = arr[b].nInstant, d = std::llabs(t - tFirst);
                        if (!used[b] && std::max(tHigh, t) - std::min(tLow, t) <= kJoinSpanSeconds &&
                            (nPickDistance < 0 || d < nPickDistance))
                            nPick = b, nPickDistance = d, tPick = t;
                    }
                    if (nPickDistance < 0)
                        break;
                    parts.push_back(nPick);
                    nDistance += nPickDistance;
                    tLow = std::min(tLow, tPick);
                    tHigh = std::max(tHigh, tPick);
                }
                if (parts.size() == (size_t)first.nTotal && (nBest < 0 || nDistance < nBest))
                    best = parts, nBest = nDistance;
            }
            if (best.empty())
                break;
            // The record carries the fields of its last part and the texts of all parts in order.
            JoinedSms_t j;
            CString strText;
            for (size_t k : best)
            {
                used[k] = true;
                strText += arr[k].record.m_strText;
                j.sources.push_back((int)k);
            }
            j.record = arr[best.back()].record;
            j.record.m_strText = strText;
            group.push_back(j);
        }
        for (const std::vector<size_t>& c : copies)
            for (size_t k : c)
                if (!used[k])
                    alone(k, group);
        // In listing order of their first listed parts.
        auto firstListed = [](const JoinedSms_t& j) { return *std::min_element(j.sources.begin(), j.sources.end()); };
        std::stable_sort(group.begin(), group.end(),
                         [&](const JoinedSms_t& a, const JoinedSms_t& b) { return firstListed(a) < firstListed(b); });
        joined.insert(joined.end(), group.begin(), group.end());
    }
}

BOOL CPhoneSession::ReadKeptParts(const CString& strPath, std::vector<KeptPart_t>& arr)
{
    arr.clear();
    if (GetFileAttributesW(strPath) == INVALID_FILE_ATTRIBUTES)
        return TRUE;
    CUnicodeTextReader reader(strPath);
    BOOL bWhole = reader.IsOpen();
    CString strLine;
    while (reader.IsOpen() && reader.ReadLine(strLine))
    {
        if (strLine.Trim().IsEmpty())
            continue;
        CStringSplitter fields(strLine, L" ");
        const int nFields = fields.GetSize();
        KeptPart_t part{fields.GetField(0), fields.GetField(1), fields.GetField(2), fields.GetField(3)};
        const bool bHex = !part.strPdu.IsEmpty() && part.strPdu.GetLength() % 2 == 0 &&
                          part.strPdu.SpanIncluding(L"0123456789ABCDEF").GetLength() == part.strPdu.GetLength();
        // A line of an older file (four fields) names a part of a whole message, numbered as its last part.
        const CString strPart = nFields >= 5 ? fields.GetField(4) : CString(L"0");
        part.nRecordPart = nFields >= 5 ? _wtoi(strPart) : -1;
        part.bPending = nFields == 6 && fields.GetField(5) == L"P";
        if (nFields >= 4 && nFields <= 6 && (nFields < 6 || part.bPending) && !part.strMemory.IsEmpty() &&
            IsAllDigits(part.strIndex) && bHex && IsAllDigits(part.strFiled) && IsAllDigits(strPart) &&
            DecodeKept(part))
            arr.push_back(part);
        else
            bWhole = FALSE;
    }
    return bWhole;
}

BOOL CPhoneSession::WriteKeptParts(const CString& strPath, const std::vector<KeptPart_t>& arr)
{
    if (arr.empty())
        return DeleteFileW(strPath) || GetFileAttributesW(strPath) == INVALID_FILE_ATTRIBUTES;
    CUnicodeTextWriter writer;
    writer.OpenReplacing(strPath, TEXTFILE_UNI16_LE);
    for (const KeptPart_t& part : arr)
    {
        CString strPart;
        strPart.Format(L" %d%s", part.nRecordPart, part.bPending ? L" P" : L"");
        writer.WriteLine(part.strMemory + L" " + part.strIndex + L" " + part.strPdu + L" " + part.strFiled + strPart +
                         L"\r\n");
    }
    return writer.Commit();
}

BOOL CPhoneSession::DeleteSms(CIrdaPort& port, CString strIndex)
{
    Log(L"AT+CMGD=" + strIndex);
    if (!IsAllDigits(strIndex))
    {
        Log(FormatResourceText(IDS_PHONE_BAD_INDEX, strIndex));
        return FALSE;
    }
    return SendATCommand(port, L"AT+CMGD=" + strIndex, nullptr, TRUE, FALSE);
}

BOOL CPhoneSession::ListSms(CIrdaPort& port, CString strStorage, CString strList)
{
    const CString strMemory = strStorage.Mid(strStorage.Find(L'=') + 1).Trim(L"\" ");
    Log(strStorage);
    port.SendCommand(strStorage, m_dwTimeout);
    CString strLine;
    // A silent phone gives an empty line; the status then goes unconfirmed (no second wait).
    const BOOL bAnswered = ReadReply(port, strLine, m_dwTimeout, FALSE);
    if (bAnswered && strLine.Find(L"ERROR") >= 0)
    {
        Log(L"Phone doesnt support " + strStorage);
        return TRUE;
    }
    CString strStatus = strLine;
    if (bAnswered)
        ReadReply(port, strLine, m_dwTimeout, FALSE);
    if (!bAnswered || strLine.Find(L"OK") < 0)
    {
        m_strFailure = LoadResourceText(IDS_PHONE_STORE_STATUS_ERROR) + L",respon:" + strLine;
        PhoneMessageBox(m_strFailure);
        Log(strLine);
        return FALSE;
    }
    Log(L"SMS PDU :" + strStatus);
    CString strCount = strStatus.Mid(7);
    int nComma = strCount.Find(L',');
    if (nComma >= 0)
        strCount = strCount.Left(nComma);
    strCount.Trim();
    Log(L"SMS count=" + strCount);
    if (strCount == L"0")
        return TRUE;

    Log(strList);
    port.SendCommand(strList, m_dwTimeout);
    CString strListing;
    // A listing of n messages takes about 0.5 s per message at 9600 baud.
    int nCount = _wtoi(strCount);
    DWORD dwDeadline = 30000 + (DWORD)std::min(std::max(nCount, 0), 1000) * 600;
    BOOL bComplete = port.ReadLines(strListing, 5000, dwDeadline);
    Log(strListing);
    if (!bComplete)
    {
        // A listing cut short, an error line or a silence: nothing of this fetch may be trusted.
        // The box names the memory and the phone's error line; the raw listing is in the log only.
        CString strWhere = strMemory;
        const CString strLast = strListing.Mid(strListing.ReverseFind(L'>') + 1);
        // The error line may follow the command's echo on the same line.
        int nError = strLast.Find(L"+CMS ERROR");
        if (nError < 0)
            nError = strLast.Find(L"+CME ERROR");
        if (nError < 0)
            nError = strLast.Find(L"ERROR");
        if (nError >= 0)
            strWhere += L", respon: " + strLast.Mid(nError).Left(kMaxShownReply);
        Fail(FormatResourceText(IDS_PHONE_LISTING_FAILED, strWhere), L"Error", MB_OK | MB_ICONERROR);
        return FALSE;
    }

    // Contact names come from the document, which lives on the GUI thread.
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    CSmsPduDecoder::ContactLookup lookup = [pHost, pDoc](const CString& strNumber) {
        CString strName;
        if (pDoc)
            pHost->RunOnGuiThread([&] { strName = pDoc->FindContactName(strNumber); });
        return strName;
    };
    CStringSplitter pieces(strListing, L"+CMGL:");
    for (int i = 0; i < pieces.GetSize(); ++i)
    {
        CString strPiece = pieces.GetField(i);
        if (strPiece.Left(5) != L"CMGL:")
            continue;
        CStringSplitter lines(strPiece, kSep);
        CString strHeader = lines.GetField(0);
        CString strPdu = lines.GetField(1).Mid(7);
        strPdu.Trim();
        int nBlank = strHeader.Find(L' ');
        int nComma = strHeader.Find(L',');
        CString strIndex = (nBlank >= 0 && nComma > nBlank) ? strHeader.Mid(nBlank, nComma - nBlank) : CString();
        strIndex.Trim();
        CString strLog;
        strLog.Format(L"PDU.%d:%s", i, (LPCWSTR)strPdu);
        Log(strLog);

        ListedSms_t listed;
        listed.strMemory = strMemory;
        listed.strIndex = strIndex;
        listed.strPdu = strPdu;
        listed.strPdu.MakeUpper();
        listed.nOrder = (int)m_arrListed.size();
        listed.bReadable = DecodePart(strPdu, listed, lookup) && ListedLengthFits(strHeader, strPdu);
        if (!listed.bReadable)
            Log(FormatResourceText(IDS_PHONE_UNREADABLE_PDU, strIndex));
        m_arrListed.push_back(listed);
        CString strStatusLine;
        strStatusLine.Format(L"%s %s", (LPCWSTR)LoadResourceText(IDS_PHONE_PROCESSING_SMS), (LPCWSTR)strIndex);
        PostStatusText(strStatusLine);
    }
    return TRUE;
}

BOOL CPhoneSession::AddToDocument(int nPos, const CSMS& record)
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    if (!pDoc)
        return FALSE;
    // A message may have no text (a user data length of 0).
    if (!record.IsValid(FALSE))
    {
        Log(L"SMS is not valid");
        PhoneMessageBox(L"SMS is not valid");
        return FALSE;
    }
    BOOL bDone = FALSE;
    pHost->RunOnGuiThread([&] {
        CSMS* pNew = new CSMS(record);
        {
            CSmsRecordsLock lock(pDoc);
            pDoc->m_listSms.AddTail(pNew);
            pDoc->NoteRecordsChanged();
        }
        pHost->InsertIntoList(nPos, pNew);
        bDone = TRUE;
    });
    return bDone;
}

BOOL CPhoneSession::ReplaceFiledParts(const JoinedSms_t& joined)
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    BOOL bDone = FALSE;
    if (!pDoc)
        return FALSE;
    pHost->RunOnGuiThread([&] {
        CSmsRecordsLock lock(pDoc);
        // The records that hold its parts: those the side file names (found by their keys, which a
        // record replaced by this fetch no longer has) and parts filed alone that the phone lists. The first of them becomes the
        // whole message, the others go; the list shows the change at the refresh that ends the fetch.
        std::vector<const CSMS*> records;
        for (int s : joined.sources)
        {
            const ListedSms_t& l = m_arrListed[(size_t)s];
            if (!l.bFromFile)
                continue;
            if (const CSMS* d = FindFiled(pDoc, m_arrKept[(size_t)l.nKept]))
                records.push_back(d);
        }
        for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos;)
        {
            const POSITION posThis = pos;
            CSMS* d = (CSMS*)pDoc->m_listSms.GetNext(pos);
            bool bPart = std::find(records.begin(), records.end(), d) != records.end();
            for (int s : joined.sources)
                bPart = bPart || (!m_arrListed[(size_t)s].bFromFile && IsFiledPart(*d, m_arrListed[(size_t)s].record));
            if (!bPart)
                continue;
            if (bDone)
            {
                pDoc->m_listSms.RemoveAt(posThis);
                delete d;
            }
            else
                *d = joined.record;
            bDone = TRUE;
        }
        if (bDone)
            pDoc->NoteRecordsChanged();
    });
    return bDone;
}

void CPhoneSession::MarkKnownParts()
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    if (!pDoc || m_arrKept.empty())
        return;
    pHost->RunOnGuiThread([&] {
        CSmsRecordsLock lock(pDoc);
        for (ListedSms_t& l : m_arrListed)
        {
            if (!l.bLinked || !l.bReadable)
                continue;
            const CString strIdentity = PartIdentity(l);
            for (size_t i = 0; i < m_arrKept.size() && !l.bKnown; ++i)
            {
                const KeptPart_t& k = m_arrKept[i];
                if (k.strIdentity != strIdentity)
                    continue;
                // No record under its key: the user deleted it. A record under its key that holds
                // other text: the data file is not the one the side file was written with.
                const CSMS* d = FindFiled(pDoc, k);
                if ((d && !HoldsNamedParts(*d, m_arrKept, k)) || (!d && k.bPending))
                    continue;
                l.bKnown = TRUE;
                l.strFiled = k.strFiled;
                l.nKept = (int)i;
            }
        }
    });
}

void CPhoneSession::TakeWaitingParts()
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    if (!pDoc || m_arrKept.empty())
        return;
    std::vector<CString> groups; // party, reference and total of the new listed parts
    for (const ListedSms_t& l : m_arrListed)
        if (l.bLinked && l.bReadable && !l.bKnown)
        {
            CString s;
            s.Format(L"%s|%d|%d", (LPCWSTR)PartyKey(l.record), l.nRef, l.nTotal);
            groups.push_back(s);
        }
    std::vector<CString> taken; // identities taken: a line before the save may name one again
    pHost->RunOnGuiThread([&] {
        CSmsRecordsLock lock(pDoc);
        for (size_t i = 0; i < m_arrKept.size(); ++i)
        {
            const KeptPart_t& k = m_arrKept[i];
            CString s;
            s.Format(L"%s|%d|%d", (LPCWSTR)k.strParty, k.nRef, k.nTotal);
            if (std::find(taken.begin(), taken.end(), k.strIdentity) != taken.end())
                continue;
            // A record filed alone holds the one part (its number); a whole one is not taken apart.
            const CSMS* d = k.nRecordPart == k.nSeq ? FindFiled(pDoc, k) : nullptr;
            if (!d || std::find(groups.begin(), groups.end(), s) == groups.end() ||
                d->m_strText.GetLength() != k.nTextLength)
                continue;
            ListedSms_t l;
            l.strPdu = k.strPdu;
            l.strMemory = k.strMemory;
            DecodePart(k.strPdu, l, CSmsPduDecoder::ContactLookup());
            // The record as filed (names, read mark), with the part's own text, date and number.
            CSMS part = l.record;
            l.record = *d;
            l.record.m_strText = part.m_strText;
            l.record.m_nPart = part.m_nPart;
            l.bFromFile = TRUE;
            l.nKept = (int)i;
            l.strFiled = k.strFiled;
            l.nOrder = -(int)(m_arrKept.size() - i); // before the listed ones, in the file's order
            m_arrListed.push_back(l);
            taken.push_back(k.strIdentity);
        }
    });
}

BOOL CPhoneSession::FileJoined(int& nNew, BOOL& bSaved)
{
    nNew = 0;
    bSaved = TRUE;
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    if (!pDoc)
        return FALSE;
    // Which joined records the document holds, and whether the data file now has them; all of it
    // on the GUI thread, which owns the document.
    std::vector<int> toFile;
    pHost->RunOnGuiThread([&] {
        CSmsRecordsLock lock(pDoc);
        for (size_t i = 0; i < m_arrJoined.size(); ++i)
        {
            JoinedSms_t& j = m_arrJoined[i];
            const CSMS& r = j.record;
            // A known part was filed before (the side file names it); a part taken from the data
            // file alone is its record as it stands.
            ListedSms_t& l = m_arrListed[(size_t)j.sources.front()];
            j.bInDocument = j.bKnown || (j.sources.size() == 1 && l.bFromFile);
            const bool bPiece = !j.bComplete;
            // Where the side file did not read: a part left on the phone whose whole message is
            // filed is known as that message's part when it lies as close to it as one message's
            // parts lie. A later message of the same sender, reference and first text is a message
            // of its own.
            for (POSITION pos = pDoc->m_listSms.GetTailPosition(); pos && bPiece && m_bKeptUnread && !j.bInDocument;)
            {
                const CSMS* d = (const CSMS*)pDoc->m_listSms.GetPrev(pos);
                if (HoldsPart(*d, l, kJoinSpanSeconds))
                {
                    j.bInDocument = j.bKnown = l.bKnown = TRUE;
                    l.strFiled = FiledStamp(*d);
                }
            }
            POSITION pos = pDoc->m_listSms.GetTailPosition();
            while (pos && !j.bInDocument)
            {
                const CSMS* d = (const CSMS*)pDoc->m_listSms.GetPrev(pos);
                if (bPiece)
                    j.bInDocument = IsFiledPart(*d, r);
                else if (d->m_strSenderName == r.m_strSenderName && d->m_strText == r.m_strText)
                    j.bInDocument =
                        IsSent(r) ? d->m_strRecipientNumber == r.m_strRecipientNumber : SameTimestamp(*d, r);
                if (j.bInDocument && !bPiece)
                    for (int s : j.sources)
                        m_arrListed[(size_t)s].strFiled = FiledStamp(*d);
            }
            if (!j.bInDocument)
                toFile.push_back((int)i);
        }
    });
    for (int i : toFile)
    {
        JoinedSms_t& j = m_arrJoined[(size_t)i];
        // A whole message takes the place of its parts filed alone (as listed or taken from the file).
        const BOOL bWhole = j.record.m_bLinked && j.bComplete;
        if ((bWhole && j.record.IsValid(FALSE) && ReplaceFiledParts(j)) || AddToDocument(nNew, j.record))
        {
            j.bInDocument = TRUE;
            ++nNew;
            for (int s : j.sources)
                m_arrListed[(size_t)s].strFiled = FiledStamp(j.record);
        }
    }
    // A message leaves the phone only once the data file on disk holds it: whatever the document
    // holds that the file lacks (a save that failed at an earlier fetch) is saved before any delete.
    BOOL bCurrent = FALSE;
    pHost->RunOnGuiThread([&] { bCurrent = pDoc->IsDataFileCurrent(); });
    if (nNew > 0 || !bCurrent)
    {
        // The side file names this fetch's records before the save, marked pending.
        RememberKeptParts(m_strKeptPath, TRUE);
        bSaved = FALSE;
        CString strError;
        pHost->RunOnGuiThread([&] { bSaved = pDoc->SaveData(strError); });
        if (!bSaved)
        {
            // Shown from here, not inside the GUI thread's part: a close may end this box.
            Log(strError);
            Log(LoadResourceText(IDS_PHONE_SAVE_FAILED_KEPT));
            if (!GetSharedPort().IsAborted())
                PhoneMessageBox(strError, L"Error", MB_OK | MB_ICONERROR);
        }
    }
    return TRUE;
}

void CPhoneSession::DeleteFiled(CIrdaPort& port, BOOL bKeptWritten)
{
    int nKeptParts = 0;
    std::vector<ListedSms_t*> toDelete[2];
    const wchar_t* memories[2] = {L"ME", L"SM"};
    for (const JoinedSms_t& j : m_arrJoined)
    {
        // Only what the saved data file holds may leave the phone; a part filed alone only once
        // the side file names it too (its partners join it from the file).
        if (!j.bInDocument || (!j.bComplete && !j.bKnown && !bKeptWritten))
        {
            if (j.record.m_bLinked)
                nKeptParts += (int)j.sources.size();
            continue;
        }
        for (int s : j.sources)
        {
            ListedSms_t& l = m_arrListed[(size_t)s];
            if (!l.bFromFile)
                toDelete[l.strMemory == L"ME" ? 0 : 1].push_back(&l);
        }
    }
    if (nKeptParts > 0)
    {
        CString n;
        n.Format(L"%d", nKeptParts);
        Log(FormatResourceText(IDS_PHONE_PARTS_KEPT, n));
    }
    for (int m = 0; m < 2; ++m)
    {
        if (toDelete[m].empty())
            continue;
        int k = 0; // numbered within each memory
        // In listing order, in the memory they were listed from.
        std::sort(toDelete[m].begin(), toDelete[m].end(),
                  [](const ListedSms_t* a, const ListedSms_t* b) { return a->nOrder < b->nOrder; });
        CString strStorage = CString(L"AT+CPMS=\"") + memories[m] + L"\"";
        CString strFailure;
        BOOL bWriteFailed = FALSE;
        Log(strStorage);
        if (!Exchange(port, strStorage, nullptr, TRUE, FALSE, strFailure, bWriteFailed))
        {
            Log(strFailure);
            continue;
        }
        for (ListedSms_t* l : toDelete[m])
        {
            CString strStatus;
            strStatus.Format(L"%s%d", (LPCWSTR)LoadResourceText(IDS_PHONE_DELETING_SMS), ++k);
            PostStatusText(strStatus);
            l->bDeleted = DeleteSms(port, l->strIndex);
            // A delete that failed has been reported: the rest stay on the phone.
            if (!l->bDeleted && IsAllDigits(l->strIndex))
                return;
        }
    }
}

BOOL CPhoneSession::RememberKeptParts(const CString& strPath, BOOL bPending)
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    if (!pDoc)
        return FALSE;
    // Every part of the linked records this fetch filed or found filed, with its record's key.
    std::vector<KeptPart_t> arr;
    for (const JoinedSms_t& j : m_arrJoined)
    {
        if (!j.record.m_bLinked || !j.bInDocument || j.bKnown)
            continue;
        for (int s : j.sources)
        {
            const ListedSms_t& l = m_arrListed[(size_t)s];
            KeptPart_t k{l.strMemory,      IsAllDigits(l.strIndex) ? l.strIndex : CString(L"0"),
                         l.strPdu,         l.strFiled.IsEmpty() ? FiledStamp(j.record) : l.strFiled,
                         j.record.m_nPart, bPending};
            if (DecodeKept(k))
                arr.push_back(k);
        }
    }
    // The side file's other lines (a part belongs to one record: the line of this fetch first)
    // while the document holds their records or the phone still lists their parts (a record the
    // user deleted is not filed again); before the save, all of them.
    pHost->RunOnGuiThread([&] {
        CSmsRecordsLock lock(pDoc);
        const size_t nNew = arr.size();
        for (size_t i = 0; i < m_arrKept.size(); ++i)
        {
            KeptPart_t k = m_arrKept[i];
            const bool bFiled = FindFiled(pDoc, k) != nullptr;
            k.bPending = k.bPending && (bPending || !bFiled);
            bool bKeep = bPending || bFiled;
            for (const ListedSms_t& l : m_arrListed)
                bKeep = bKeep || (l.nKept == (int)i && !l.bFromFile && !l.bDeleted);
            for (size_t n = 0; n < nNew && bKeep && !bPending; ++n)
                bKeep = arr[n].strPdu != k.strPdu;
            if (bKeep)
                arr.push_back(k);
        }
    });
    if (!m_bKeptUnread && arr.size() == m_arrKept.size() &&
        std::equal(arr.begin(), arr.end(), m_arrKept.begin(), SameKeptPart))
        return TRUE;
    if (!WriteKeptParts(strPath, arr))
    {
        Log(FormatResourceText(IDS_PHONE_KEPT_UNWRITABLE, strPath));
        return FALSE;
    }
    if (bPending)
        return TRUE;
    // The listed parts now known by the lines as written.
    for (ListedSms_t& l : m_arrListed)
    {
        l.nKept = -1;
        for (size_t i = 0; i < arr.size() && l.nKept < 0 && !l.bFromFile; ++i)
            l.nKept = arr[i].strPdu == l.strPdu ? (int)i : -1;
    }
    m_arrKept = arr;
    m_bKeptUnread = FALSE;
    return TRUE;
}

void CPhoneSession::ReportUnreadable()
{
    int nUnreadable = 0;
    for (const ListedSms_t& l : m_arrListed)
        nUnreadable += l.bReadable ? 0 : 1;
    if (nUnreadable == 0)
        return;
    CString n;
    n.Format(L"%d", nUnreadable);
    const CString strText = FormatResourceText(IDS_PHONE_UNREADABLE_KEPT, n);
    Log(strText);
    if (!GetSharedPort().IsAborted())
        PhoneMessageBox(strText, PlatformModuleTitle(), MB_OK | MB_ICONWARNING);
}

BOOL CPhoneSession::ReceiveAllSms(int* pnNew)
{
    m_strFailure.Empty();
    int nNew = -1; // set once the listed messages have been filed
    const BOOL bDone = RunFetch(nNew);
    // The last status line is the result: the count of new messages, or the failure.
    if (nNew >= 0)
    {
        if (pnNew)
            *pnNew = nNew;
        CString strCount;
        strCount.Format(L"%d", nNew);
        PostStatusText(FormatResourceText(IDS_PHONE_NEW_SMS_COUNT, strCount));
    }
    if (!bDone)
        PostStatusText(m_strFailure.IsEmpty() ? LoadResourceText(IDS_PHONE_FETCH_FAILED) : m_strFailure);
    return bDone;
}

BOOL CPhoneSession::RunFetch(int& nNew)
{
    CPhoneHost* pHost = GetPhoneHost();
    PostStatusText(LoadResourceText(IDS_PHONE_RECEIVING));
    if (pHost)
        pHost->PlayReceivedSound();

    CString strPort;
    BOOL bHapus = FALSE;
    {
        CAppSettings settings;
        strPort = settings.GetConnection();
        bHapus = settings.GetIsHapus() != 0;
    }
    CString strLogPath, strKeptPath;
    if (pHost && pHost->GetDoc())
    {
        CCorvane_smsDoc* pDoc = pHost->GetDoc();
        pHost->RunOnGuiThread([&] {
            strLogPath = pDoc->GetLogFilePath();
            strKeptPath = pDoc->GetKeptPartsFilePath();
        });
    }
    m_log.Close();
    if (!strLogPath.IsEmpty())
        m_log.Open(strLogPath, TEXTFILE_UNI16_LE);
    Log(L"Open connection=" + strPort);

    if (!OpenPort())
    {
        // OpenPort has shown the one box of this failure.
        m_strFailure = LoadResourceText(IDS_PHONE_OPEN_FAILED);
        Log(L"Failed while opening connection.");
        Log(m_strFailure);
        return FALSE;
    }
    CIrdaPort& port = GetSharedPort();

    PostStatusText(LoadResourceText(IDS_PHONE_CHECK_CONNECTION));
    Log(L"Send AT Command");
    if (!SendATCommand(port, L"AT", nullptr, TRUE, FALSE))
        return FALSE;

    PostStatusText(LoadResourceText(IDS_PHONE_CHECK_BRAND));
    Log(LoadResourceText(IDS_PHONE_CHECK_BRAND));
    CString strMaker, strModel;
    if (!ReadPhoneModel(port, strMaker, strModel))
    {
        port.Close();
        return FALSE;
    }

    PostStatusText(LoadResourceText(IDS_PHONE_SETTING_MODE));
    m_arrListed.clear();
    if (!SetMessageFormat(port, TRUE))
        return FALSE;

    PostStatusText(LoadResourceText(IDS_PHONE_SET_STORAGE));
    if (!ListSms(port, L"AT+CPMS=\"ME\"", L"AT+CMGL=4") || !ListSms(port, L"AT+CPMS=\"SM\"", L"AT+CMGL=4"))
    {
        port.Close();
        return FALSE;
    }

    // A side file that does not read is named in the log and written anew; the parts it should
    // have named are known by their filed messages meanwhile. One whose data file is gone names
    // parts of messages no file holds: they are filed anew.
    m_bKeptUnread = !ReadKeptParts(strKeptPath, m_arrKept);
    if (m_bKeptUnread)
    {
        Log(FormatResourceText(IDS_PHONE_KEPT_UNREADABLE, strKeptPath));
        Log(L"Parts of filed messages are known by their texts in the filed messages");
    }
    if (GetFileAttributesW(strKeptPath.Left(strKeptPath.GetLength() - 6)) == INVALID_FILE_ATTRIBUTES)
        m_arrKept.clear();
    m_strKeptPath = strKeptPath;
    MarkKnownParts();
    TakeWaitingParts();
    SortListed(m_arrListed);
    JoinListed(m_arrListed, m_arrJoined);

    BOOL bSaved = TRUE;
    if (!FileJoined(nNew, bSaved))
    {
        port.Close();
        return FALSE;
    }

    // Deleting comes last: only messages that are safe in the saved data file leave the phone.
    // The parts of filed records are named before, and again once deleted parts end.
    const BOOL bKeptWritten = bSaved && RememberKeptParts(strKeptPath);
    if (bHapus && bSaved)
    {
        DeleteFiled(port, bKeptWritten);
        RememberKeptParts(strKeptPath);
    }
    port.Close();
    ReportUnreadable();

    if (nNew > 0 && pHost)
    {
        pHost->PlayNewMessageSound();
        pHost->RunOnGuiThread([&] { pHost->RefreshList(); });
    }
    if (!bSaved)
        m_strFailure = LoadResourceText(IDS_PHONE_SAVE_FAILED_KEPT);
    Log(L"Read SMS successfull");
    m_log.Close();
    return bSaved;
}
