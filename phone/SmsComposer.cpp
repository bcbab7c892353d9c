// CSmsComposer: recipient texts, splitting a text into parts, the send and the filing.
#include "phone/SmsComposer.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/GsmAlphabet.h"
#include "phone/PhoneHost.h"
#include "phone/PhoneSession.h"
#include "phone/StoreHelpers.h"
#include "phone/StringSplitter.h"
#include "phone/UnicodeTextFile.h"
#include "res/phone_ids.h"
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace
{

bool InCodePage1252(wchar_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return true;
    for (int b = 0x80; b < 0xA0; ++b)
        if (Cp1252ToUnicode((BYTE)b) == ch)
            return true;
    return false;
}

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// A stored message that is still to be sent, whose record may keep what a stopped send reached.
bool IsUnsentFolder(const CString& strFolder)
{
    return strFolder.CompareNoCase(SMS_FOLDER_OUTBOX) == 0 || strFolder.CompareNoCase(SMS_FOLDER_DRAFTS) == 0;
}

CString JoinEntries(const CStringArray& arrEntries)
{
    CString strJoined;
    for (INT_PTR i = 0; i < arrEntries.GetSize(); ++i)
    {
        if (i > 0)
            strJoined += L";";
        strJoined += arrEntries[i];
    }
    return strJoined;
}
} // namespace

CSmsComposer::CSmsComposer() : m_pSource(nullptr), m_bInteractive(0) {}

CSmsComposer::~CSmsComposer() {}

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

BOOL CSmsComposer::NextRecipient(CString& strRest, CString& strName, CString& strNumber, CString* pEntry)
{
    strRest.Trim();
    while (strRest.Left(1) == L";")
        strRest = strRest.Mid(1);
    if (strRest.IsEmpty())
        return FALSE;
    int lt = strRest.Find(L'<'), gt = strRest.Find(L'>');
    CString strEntry;
    if (lt >= 0 && gt > lt && !StartsWithFourDigits(strRest))
    {
        strName = strRest.Left(lt);
        strNumber = strRest.Mid(lt + 1, gt - lt - 1);
        int end = strRest.Find(L">;");
        strEntry = end >= 0 ? strRest.Left(end + 1) : strRest;
        strRest = end >= 0 ? strRest.Mid(end + 2) : CString();
    }
    else
    {
        int semi = strRest.Find(L';');
        strEntry = semi >= 0 ? strRest.Left(semi) : strRest;
        strRest = semi >= 0 ? strRest.Mid(semi + 1) : CString();
        strName = strNumber = strEntry;
    }
    if (pEntry)
        *pEntry = strEntry;
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

int CSmsComposer::CountParts(const CString& strText)
{
    CStringArray parts;
    return SplitText(strText, parts);
}

int CSmsComposer::DrawReference(const std::set<int>& held)
{
    const int kFirst = 10, kLast = 64;
    std::vector<int> free;
    for (int n = kFirst; n <= kLast; ++n)
        if (held.count(n) == 0)
            free.push_back(n);
    srand(GetTickCount());
    return free.empty() ? kFirst + rand() % (kLast - kFirst + 1) : free[(size_t)rand() % free.size()];
}

std::set<int> CSmsComposer::HeldReferences(const CString& strNumber) const
{
    std::set<int> held;
    if (m_partial.nParts > 0 && SamePhoneNumber(m_partial.strNumber, strNumber))
        held.insert(m_partial.nRef);
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    if (pDoc == nullptr)
        return held;
    pHost->RunOnGuiThread([&] {
        CSmsRecordsLock lock(pDoc);
        for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos;)
        {
            const CSMS* p = (const CSMS*)pDoc->m_listSms.GetNext(pos);
            if (p->m_bLinked || p->m_nRef <= 0 || p->m_nPart <= 0 || !IsUnsentFolder(p->m_strFolder))
                continue;
            CString strRest = ParseRecipients(p->m_strRecipientName, p->m_strRecipientNumber), strName, strFirst;
            if (NextRecipient(strRest, strName, strFirst) && SamePhoneNumber(strFirst, strNumber))
                held.insert(p->m_nRef);
        }
    });
    return held;
}

CString CSmsComposer::FindUnsendable(const CString& strText)
{
    CString strFound;
    for (int i = 0; i < strText.GetLength(); ++i)
    {
        const wchar_t ch = strText[i];
        const bool bSendable = InCodePage1252(ch) && GsmCodeOfChar(ch) != GSM_NO_CODE;
        if (!bSendable && strFound.Find(ch) < 0)
            strFound += ch;
    }
    return strFound;
}

BOOL CSmsComposer::CheckRecipients(const CString& strRecipients, CString& strBad)
{
    CString strRest(strRecipients), strName, strNumber, strEntry;
    int nEntries = 0;
    while (NextRecipient(strRest, strName, strNumber, &strEntry))
    {
        ++nEntries;
        int nDigits = 0;
        for (int i = 0; i < strNumber.GetLength(); ++i)
            nDigits += IsDigit(strNumber[i]) ? 1 : 0;
        if (nDigits == 0 || nDigits > kMaxRecipientDigits)
        {
            strBad = strEntry;
            return FALSE;
        }
    }
    // A text of separators only names no one.
    if (nEntries == 0)
    {
        strBad = strRecipients;
        return FALSE;
    }
    return TRUE;
}

void CSmsComposer::AddToHistory(const CString& strText)
{
    for (INT_PTR i = 0; i < m_arrHistory.GetSize(); ++i)
        if (m_arrHistory[i].CompareNoCase(strText) == 0)
            return;
    if (m_arrHistory.GetSize() >= kMaxHistory)
        m_arrHistory.RemoveAt(0);
    m_arrHistory.Add(strText);
}

void CSmsComposer::Announce(const CString& strText) { PostStatusText(strText); }

void CSmsComposer::RefuseRecipients(const CString& strBad)
{
    const CString strText = FormatResourceText(IDS_PHONE_BAD_RECIPIENT, strBad);
    PostStatusText(strText);
    PhoneMessageBox(strText, L"Konfirmasi", MB_OK);
}

BOOL CSmsComposer::ReadInput(CString& strRecipients, CString& strMessage, int& bFlash)
{
    if (m_pSource == nullptr)
        return FALSE;
    strMessage = m_pSource->m_strText;
    strRecipients = ParseRecipients(m_pSource->m_strRecipientName, m_pSource->m_strRecipientNumber);
    if (strRecipients.IsEmpty())
        strRecipients = ParseRecipients(m_pSource->m_strRecipientNumber, m_pSource->m_strRecipientNumber);
    bFlash = m_pSource->m_bFlash;
    LoadPartial(*m_pSource, strRecipients);
    return TRUE;
}

void CSmsComposer::LoadPartial(const CSMS& stored, const CString& strRecipients)
{
    m_partial = PartialSend_t();
    CString strRest(strRecipients), strName, strNumber;
    if (IsUnsentFolder(stored.m_strFolder) && !stored.m_bLinked && stored.m_nRef > 0 && stored.m_nPart > 0 &&
        NextRecipient(strRest, strName, strNumber))
        m_partial = {strNumber, stored.m_strText, stored.m_nRef, stored.m_nPart};
}

void CSmsComposer::StorePartial(CSMS& record) const
{
    CString strRest = ParseRecipients(record.m_strRecipientName, record.m_strRecipientNumber), strName, strNumber;
    const bool bKept = m_partial.nParts > 0 && IsUnsentFolder(record.m_strFolder) &&
                       record.m_strText == m_partial.strText && NextRecipient(strRest, strName, strNumber) &&
                       SamePhoneNumber(strNumber, m_partial.strNumber);
    record.m_nRef = bKept ? m_partial.nRef : 0;
    record.m_nPart = bKept ? m_partial.nParts : 0;
}

BOOL CSmsComposer::ConfirmUnsendable(const CString& strChars, CUnicodeTextWriter& log)
{
    log.WriteLine(L"karakter berikut dikirim sebagai \"?\" atau \"_\": " + strChars + L"\n");
    return TRUE;
}

int CSmsComposer::SendWithoutWindow()
{
    if (m_pSource == nullptr)
        m_pSource = &m_source;
    m_bInteractive = 0;
    return SendSms();
}

int CSmsComposer::SendSms()
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    CPhoneSession session;
    Announce(L"mengirim sms");

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
    work.m_strDay = TwoDigitField(st.wDay);
    work.m_strMonth = TwoDigitField(st.wMonth);
    work.m_strYear = TwoDigitField(st.wYear);
    work.m_strHour = TwoDigitField(st.wHour);
    work.m_strMinute = TwoDigitField(st.wMinute);
    work.m_strSecond = TwoDigitField(st.wSecond);
    work.m_strFolder = SMS_FOLDER_SENT;
    work.m_bRead = 1;

    CString strRest, strMessage;
    int bFlash = 0;
    if (!ReadInput(strRest, strMessage, bFlash))
        return 0;
    work.m_bFlash = bFlash;
    // Every recipient is checked before anything goes to the phone, whatever started the send.
    CString strBad;
    if (!CheckRecipients(strRest, strBad))
    {
        log.WriteLine(FormatResourceText(IDS_PHONE_BAD_RECIPIENT, strBad) + L"\n");
        RefuseRecipients(strBad);
        return 0;
    }
    // Characters that arrive replaced are asked about (or logged) before anything is sent.
    const CString strUnsendable = FindUnsendable(strMessage);
    if (!strUnsendable.IsEmpty() && !ConfirmUnsendable(strUnsendable, log))
        return 0;

    Announce(L"check koneksi hp");
    if (!CPhoneSession::OpenPort())
        return 0;
    CIrdaPort& port = CPhoneSession::GetSharedPort();
    Announce(L"mengirim SMS");

    CString strName, strNumber, strEntry;
    Reached_t reached;
    CStringArray parts;
    const int nParts = SplitText(strMessage, parts);
    while (NextRecipient(strRest, strName, strNumber, &strEntry))
    {
        work.m_strRecipientNumber = strNumber;
        work.m_strRecipientName = strName;
        // A recipient that got the first parts of this text before gets only the others.
        const bool bResumed = m_partial.nParts > 0 && m_partial.nParts < nParts && m_partial.strText == strMessage &&
                              SamePhoneNumber(m_partial.strNumber, strNumber);
        const int nFirst = bResumed ? m_partial.nParts + 1 : 1;
        const int nRef = bResumed ? m_partial.nRef : nParts > 1 ? DrawReference(HeldReferences(strNumber)) : 0;
        if (bResumed)
            m_partial = PartialSend_t();
        for (int i = nFirst; i <= nParts; ++i)
        {
            // Once a recipient of the window's send has a part, a failure is told with who got what.
            session.m_bCallerReports = m_bInteractive && (reached.arrEntries.GetSize() > 0 || i > 1);
            CString strLine;
            if (nParts > 1)
                strLine.Format(L"sending linked sms %d\n\r", i);
            else
                strLine = L"sending single sms\n\r";
            Announce(strLine);
            log.WriteLine(strLine);
            work.m_strText = parts[i - 1];
            BOOL bOk = nParts > 1 ? session.SendSmsPdu(log, port, work, TRUE, i, nRef, nParts)
                                  : session.SendSmsPdu(log, port, work, FALSE, 0, 0, 0);
            if (!bOk)
            {
                port.Close();
                if (reached.arrEntries.GetSize() > 0 || i > 1)
                    StopPartway(work, strMessage, reached, strEntry, strRest, i, nParts, nRef, session.m_strFailure);
                return 0;
            }
        }
        work.m_strText = strMessage;
        reached.Add(strEntry, strName, strNumber);
    }
    m_partial = PartialSend_t();

    FileReached(work, strMessage, reached, nullptr);

    Announce(L"menutup koneksi dengan handphone");
    port.Close();
    PostStatusText(L"SMS telah terkirim");
    if (pHost)
        pHost->PlaySentSound();
    log.Close();
    return 1;
}

void CSmsComposer::Reached_t::Add(const CString& strEntry, const CString& strName, const CString& strNumber)
{
    if (arrEntries.GetSize() > 0)
    {
        strNames += L";";
        strNumbers += L";";
    }
    arrEntries.Add(strEntry);
    strNames += strName;
    strNumbers += strNumber;
}

void CSmsComposer::StopPartway(const CSMS& work, const CString& strMessage, const Reached_t& reached,
                               const CString& strEntry, CString strRest, int nFailed, int nParts, int nRef,
                               const CString& strFailure)
{
    // The refused recipient comes first among those kept, with the parts it got.
    Kept_t kept;
    kept.strNames = work.m_strRecipientName;
    kept.strNumbers = work.m_strRecipientNumber;
    kept.strText = strMessage;
    kept.nParts = nFailed - 1;
    kept.nRef = kept.nParts > 0 ? nRef : 0;
    m_partial = PartialSend_t();
    if (kept.nParts > 0)
        m_partial = {work.m_strRecipientNumber, strMessage, nRef, kept.nParts};
    CString strOthers, strName, strNumber, strOther;
    while (NextRecipient(strRest, strName, strNumber, &strOther))
    {
        strOthers += L";" + strOther;
        kept.strNames += L";" + strName;
        kept.strNumbers += L";" + strNumber;
    }
    FileReached(work, strMessage, reached, &kept);

    // Who got the message, who got how many of its parts, who got nothing.
    CString strReport;
    if (reached.arrEntries.GetSize() > 0)
        strReport = FormatResourceText(IDS_PHONE_SENT_TO, JoinEntries(reached.arrEntries)) + L"\n";
    CString strNothing = strEntry + strOthers;
    if (kept.nParts > 0)
    {
        CString strParts;
        strParts.Format(LoadResourceText(IDS_PHONE_PARTS_OF), (LPCWSTR)strEntry, kept.nParts, nParts);
        strReport += FormatResourceText(IDS_PHONE_PART_SENT_TO, strParts) + L"\n";
        strNothing = strOthers.Mid(1);
    }
    if (!strNothing.IsEmpty())
        strReport += FormatResourceText(IDS_PHONE_NOT_SENT_TO, strNothing) + L"\n";
    if (!strFailure.IsEmpty())
        strReport += L"\n" + strFailure;
    strReport.TrimRight(L"\n");
    if (m_bInteractive)
        ReportPartialSend(strEntry + strOthers, strReport);
}

void CSmsComposer::FileReached(const CSMS& work, const CString& strMessage, const Reached_t& reached,
                               const Kept_t* pKept)
{
    // The history keeps the entry of each recipient that got the message.
    for (INT_PTR i = 0; i < reached.arrEntries.GetSize(); ++i)
        AddToHistory(reached.arrEntries[i]);
    {
        CAppSettings settings;
        for (INT_PTR i = 0; i < m_arrHistory.GetSize(); ++i)
            settings.SetHistory((int)i, m_arrHistory[i]);
    }

    // The filed copy loses the prefix the message begins with, when the settings ask for that.
    CString strFiled(strMessage);
    {
        CAppSettings settings;
        const CString strPrefix = settings.GetSmsPrefix();
        if (settings.GetIsSaveSmsPrefix() && settings.GetIsSmsPrefix() && !strPrefix.IsEmpty() &&
            strFiled.GetLength() >= strPrefix.GetLength() &&
            strFiled.Left(strPrefix.GetLength()).CompareNoCase(strPrefix) == 0)
            strFiled = strFiled.Mid(strPrefix.GetLength());
    }
    FileSent(work, strFiled, reached.strNames, reached.strNumbers, pKept);
}

void CSmsComposer::ReportPartialSend(const CString&, const CString&) {}

void CSmsComposer::FileSent(const CSMS& work, const CString& strMessage, const CString& strNames,
                            const CString& strNumbers, const Kept_t* pKept)
{
    CPhoneHost* pHost = GetPhoneHost();
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;
    if (pDoc == nullptr)
        return;
    BOOL bSaveToSent = TRUE;
    {
        CAppSettings settings;
        bSaveToSent = settings.GetIsSaveToSent() != 0;
    }
    // A stored message sent again (window-less sends, an edited draft) replaces its record. One
    // still to be sent (Outbox, Drafts) that reached only some recipients keeps only the others.
    const bool bStored = m_pSource != nullptr && m_strMode.CompareNoCase(L"Forward") != 0 &&
                         m_strMode.CompareNoCase(L"Reply") != 0 && m_strMode != L"ReCompose";
    const bool bResent = bStored && pKept == nullptr;
    const bool bReduced = bStored && pKept != nullptr && IsUnsentFolder(m_pSource->m_strFolder);
    bool bChanged = false;
    pHost->RunOnGuiThread([&] {
        CSmsRecordsLock lock(pDoc);
        if (!bResent && bSaveToSent && !strNumbers.IsEmpty())
        {
            bChanged = true;
            pDoc->NoteRecordsChanged();
            CSMS* pNew = new CSMS(work);
            pNew->SetOwnMessage(work, strMessage, strNumbers, strNames, SMS_FOLDER_SENT, work.m_bFlash);
            pNew->m_pSource = nullptr;
            pDoc->m_listSms.AddTail(pNew);
        }
        if (!bResent && !bReduced)
            return;
        const CSMS& src = *m_pSource;
        POSITION pos = pDoc->m_listSms.GetHeadPosition();
        while (pos)
        {
            POSITION cur = pos; // the next position is kept before a record is removed
            CSMS* p = (CSMS*)pDoc->m_listSms.GetNext(pos);
            if (p->m_strSenderName != src.m_strSenderName || p->m_strRecipientNumber != src.m_strRecipientNumber ||
                p->m_strText != src.m_strText || p->m_strHour != src.m_strHour || p->m_strMinute != src.m_strMinute ||
                p->m_strSecond != src.m_strSecond)
                continue;
            bChanged = true;
            pDoc->NoteRecordsChanged();
            if (bReduced)
            {
                p->m_strText = pKept->strText;
                p->m_strRecipientNumber = pKept->strNumbers;
                p->m_strRecipientName = pKept->strNames;
                p->m_nRef = pKept->nRef;
                p->m_nPart = pKept->nParts;
                break;
            }
            if (!bSaveToSent)
            {
                pDoc->m_listSms.RemoveAt(cur);
                delete p;
                continue;
            }
            p->SetOwnMessage(work, strMessage, strNumbers, strNames, SMS_FOLDER_SENT, 0);
            break;
        }
    });
    // The window's next send or save of this message finds its record as it is now.
    if (bReduced)
    {
        CSMS reduced(*m_pSource);
        reduced.m_strText = pKept->strText;
        reduced.m_strRecipientNumber = pKept->strNumbers;
        reduced.m_strRecipientName = pKept->strNames;
        m_source = reduced;
        m_pSource = &m_source;
    }
    // The safe save of the store; its failure is reported after the GUI thread's part.
    CString strError;
    BOOL bSaved = TRUE;
    if (bChanged)
        pHost->RunOnGuiThread([&] { bSaved = pDoc->SaveData(strError); });
    if (!bSaved)
        PhoneMessageBox(strError, L"Error", MB_OK | MB_ICONERROR);
}
