// Sending: one PDU of one message, and every message of the Outbox.
#include "phone/PhoneSession.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "res/phone_ids.h"

BOOL CPhoneSession::SendSmsPdu(CUnicodeTextWriter& log, CIrdaPort& port, const CSMS& record, BOOL bHeader, int nPart,
                               int nRef, int nParts)
{
    const CString strDest = record.m_strRecipientNumber;
    log.WriteLine(L"Dest:" + strDest + L"\r\n");

    m_encoder.m_strText = record.m_strText;
    m_encoder.m_strNumber = strDest;
    m_encoder.m_strSMSC.Empty();
    m_encoder.m_bValidityPresent = TRUE;
    m_encoder.m_bValidityRelative = TRUE;
    m_encoder.m_tsValidity = 86400;
    TIME_ZONE_INFORMATION tzi = {};
    GetTimeZoneInformation(&tzi);
    m_encoder.m_nTimeZone = tzi.Bias;
    m_encoder.m_bStatusReport = TRUE;
    m_encoder.m_chReplacement = m_strReplacement[0];
    m_encoder.m_nNumberType = (strDest.Left(1) == L"0" || strDest.GetLength() < 5) ? 0x81 : 0x91;

    CString strPdu;
    m_encoder.GetPDU(strPdu, bHeader, nPart, nRef, nParts, record.m_bFlash);
    if (strPdu.IsEmpty())
    {
        // The encoder could not encode a number and has said so: nothing goes to the phone.
        Log(LoadResourceText(IDS_PHONE_EMPTY_PDU));
        return FALSE;
    }
    const int nLength = strPdu.GetLength() / 2 - 1;
    log.WriteLine(L"PDU:" + strPdu + L"\r\n");

    Log(L"Send AT Command");
    if (!SendATCommand(port, L"AT", nullptr, TRUE, FALSE))
        return FALSE;
    if (!SetMessageFormat(port, TRUE))
        return FALSE;

    CString strCommand;
    strCommand.Format(L"AT+CMGS=%d", nLength);
    Log(strCommand);
    if (!port.SendCommand(strCommand, m_dwTimeout))
    {
        port.Close();
        Fail(L"Failed when sending SMS.");
        return FALSE;
    }

    // The PDU goes out only after the prompt; unsolicited lines before it are skipped.
    CString strReply;
    for (int nLines = 0;; ++nLines)
    {
        if (!ReadReply(port, strReply, m_dwTimeout, TRUE))
        {
            // One box; what the phone said (often nothing) goes to the log only.
            port.Close();
            Log(strReply);
            Fail(LoadResourceText(IDS_PHONE_TIMEOUT_SENDING));
            return FALSE;
        }
        if (strReply == L">")
            break;
        if (strReply.Find(L"ERROR") >= 0)
        {
            port.Close();
            Fail(strReply.Find(L"CMS") >= 0 ? strReply : CString(L"Error sewaktu menulis PDU SMS."));
            return FALSE;
        }
        if (nLines >= 3)
        {
            port.Close();
            Fail(FormatResourceText(IDS_PHONE_NO_PROMPT, strReply));
            return FALSE;
        }
    }

    Log(L"Sending SMS using PDU");
    CStringA bytes = PlatformWideToAnsi(strPdu, strPdu.GetLength());
    bytes += (char)0x1A;
    port.WriteAll((const BYTE*)(LPCSTR)bytes, bytes.GetLength(), m_dwTimeout);

    Log(L"Waiting Respon");
    m_strLastReply.Empty();
    for (int nReads = 0;;)
    {
        if (!ReadReply(port, m_strLastReply, m_dwTimeout, FALSE))
        {
            // Silence after the PDU: no final result will come.
            port.Close();
            m_strFailure = LoadResourceText(IDS_PHONE_TIMEOUT_WRITING_PDU);
            Fail(m_strFailure);
            return FALSE;
        }
        if (m_strLastReply.Find(L"ERROR") >= 0)
        {
            port.Close();
            Fail(m_strLastReply.Find(L"CMS") >= 0 ? m_strLastReply : CString(L"Error sewaktu menulis PDU SMS."));
            return FALSE;
        }
        if (m_strLastReply.CompareNoCase(L"OK") == 0)
        {
            Log(L"Sending SMS Successfull");
            m_log.Close();
            return TRUE;
        }
        if (++nReads > 3)
        {
            port.Close();
            m_strFailure = LoadResourceText(IDS_PHONE_TIMEOUT_WRITING_PDU);
            Fail(m_strFailure);
            return FALSE;
        }
    }
}

int CPhoneSession::SendOutbox()
{
    CPhoneHost* pHost = GetPhoneHost();
    if (pHost)
        pHost->PlayReceivedSound();
    PostStatusText(LoadResourceText(IDS_PHONE_SENDING_OUTBOX));
    CCorvane_smsDoc* pDoc = pHost ? pHost->GetDoc() : nullptr;

    // A snapshot: sending files each message anew, which changes the list being walked.
    std::vector<CSMS> outbox;
    ULONG nChanges = 0;
    if (pDoc)
    {
        pHost->RunOnGuiThread([&] {
            CSmsRecordsLock lock(pDoc);
            nChanges = pDoc->GetRecordsChanges();
            POSITION pos = pDoc->m_listSms.GetHeadPosition();
            while (pos)
            {
                const CSMS* p = (const CSMS*)pDoc->m_listSms.GetNext(pos);
                if (p->m_strFolder.CompareNoCase(SMS_FOLDER_OUTBOX) == 0)
                    outbox.push_back(*p);
            }
        });
    }
    int nSent = 0, nFailed = 0, n = 0;
    for (const CSMS& record : outbox)
    {
        CString strStatus;
        strStatus.Format(L"Sending sms no:%d", ++n);
        PostStatusText(strStatus);
        if (pHost->SendWithoutWindow(record))
            ++nSent;
        else
            ++nFailed;
    }
    if (nSent > 0)
        PostStatusText(LoadResourceText(IDS_PHONE_OUTBOX_SENT));
    else if (outbox.empty())
        PostStatusText(LoadResourceText(IDS_PHONE_OUTBOX_EMPTY));
    // A send that stopped partway has changed its message too.
    if (pDoc)
    {
        pHost->RunOnGuiThread([&] {
            if (nSent > 0 || pDoc->GetRecordsChanges() != nChanges)
                pHost->RefreshList();
        });
    }
    if (nFailed > 0)
    {
        CString strCount;
        strCount.Format(L"%d", nFailed);
        PostStatusText(FormatResourceText(IDS_PHONE_OUTBOX_FAILED, strCount));
    }
    return nSent;
}
