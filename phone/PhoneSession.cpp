// CPhoneSession: the shared port, the exchange of one AT command, identification, PDU mode, log.
#include "phone/PhoneSession.h"
#include "phone/AppSettings.h"
#include "phone/PhoneHost.h"
#include "res/phone_ids.h"

IMPLEMENT_DYNAMIC(CPhoneSession, CObject)

namespace
{
// The port used when no host is installed (tests of the session alone).
CIrdaPort& FallbackPort()
{
    static CIrdaPort s_port;
    return s_port;
}
} // namespace

CPhoneSession::CPhoneSession() : m_dwTimeout(5000), m_bCallerReports(FALSE), m_strReplacement(L"_") {}

CPhoneSession::~CPhoneSession() {}

CIrdaPort& CPhoneSession::GetSharedPort()
{
    CPhoneHost* pHost = GetPhoneHost();
    return pHost ? pHost->GetPort() : FallbackPort();
}

BOOL CPhoneSession::OpenPort()
{
    PostStatusText(LoadResourceText(IDS_PHONE_OPENING));
    CString strPort;
    {
        CAppSettings settings;
        strPort = settings.GetConnection();
    }
    CIrdaPort& port = GetSharedPort();
    port.Close();
    if (port.Open(strPort))
        return TRUE;
    port.Close();
    PhoneMessageBox(LoadResourceText(IDS_PHONE_OPEN_FAILED), L"Error", MB_OK | MB_ICONERROR);
    return FALSE;
}

void CPhoneSession::ClosePort() { GetSharedPort().Close(); }

void CPhoneSession::Log(CString strLine)
{
    strLine += L"\r\n";
    m_log.WriteLine(strLine);
}

void CPhoneSession::Fail(const CString& strText, LPCWSTR pszTitle, UINT nType)
{
    m_strFailure = strText;
    Log(strText);
    // A session stopped by shutdown ends quietly.
    if (!m_bCallerReports && !GetSharedPort().IsAborted())
        PhoneMessageBox(strText, pszTitle, nType);
}

BOOL CPhoneSession::Exchange(CIrdaPort& port, const CString& strCommand, CStringArray* pLines, BOOL bCountReads,
                             BOOL bShowPhonebook, CString& strFailure, BOOL& bWriteFailed)
{
    bWriteFailed = FALSE;
    if (!port.SendCommand(strCommand, m_dwTimeout))
    {
        bWriteFailed = TRUE;
        strFailure = L"Kontak dengan Hand Phone Gagal.";
        return FALSE;
    }
    int nReads = 0;
    const DWORD dwBegin = GetTickCount();
    for (;;)
    {
        // Unsolicited lines count as lines here: a few of them are within the limit.
        if (!port.ReadResponse(m_strLastReply, 5000, FALSE))
        {
            // Silence (or a stream without line ends): no final result will come.
            strFailure = LoadResourceText(IDS_PHONE_TIMEOUT_WRITING_PDU);
            return FALSE;
        }
        const CString& line = m_strLastReply;
        if (pLines && !line.IsEmpty() && line.CompareNoCase(L"OK") != 0 && line.CompareNoCase(L"ERROR") != 0)
        {
            if (bShowPhonebook && line.Find(L"+CPBR") >= 0)
                PhoneMessageBox(line);
            pLines->Add(line);
        }
        if (line.Find(L"ERROR") >= 0)
        {
            strFailure = line.Find(L"CMS") >= 0 ? line : CString(L"Error while writing AT command to mobile phone.");
            return FALSE;
        }
        if (line.CompareNoCase(L"OK") == 0)
            return TRUE;
        ++nReads;
        // Without count-reads the exchange still ends at its overall deadline.
        if ((bCountReads && nReads > 3) || GetTickCount() - dwBegin >= PhoneLineDeadline(m_dwTimeout))
        {
            strFailure = LoadResourceText(IDS_PHONE_TIMEOUT_WRITING_PDU);
            return FALSE;
        }
    }
}

BOOL CPhoneSession::SendATCommand(CIrdaPort& port, CString strCommand, CStringArray* pLines, BOOL bCountReads,
                                  BOOL bShowPhonebook)
{
    CString strFailure;
    BOOL bWriteFailed = FALSE;
    if (Exchange(port, strCommand, pLines, bCountReads, bShowPhonebook, strFailure, bWriteFailed))
        return TRUE;
    // A command that could not be written leaves the port as it is.
    if (!bWriteFailed)
        port.Close();
    m_strFailure = strFailure;
    Log(strCommand + L": " + strFailure);
    if (!m_bCallerReports && !port.IsAborted())
        PhoneMessageBox(strFailure);
    return FALSE;
}

BOOL CPhoneSession::ReadPhoneModel(CIrdaPort& port, CString& strManufacturer, CString& strModel)
{
    Log(L"Receive Handphone Model");
    PostStatusText(LoadResourceText(IDS_PHONE_CHECK_BRAND));

    // pbRefused: an error line in place of the value is left to the caller (not reported).
    auto readPair = [&](CString& strValue, BOOL* pbRefused = nullptr) -> BOOL {
        CString strLine;
        if (!ReadReply(port, strLine, m_dwTimeout, FALSE))
        {
            Fail(L"Timeout 1, tidak ada respon dari handphone.");
            return FALSE;
        }
        strValue = strLine;
        CString strUpper = strLine;
        strUpper.MakeUpper();
        if (strUpper.Find(L"ERROR") >= 0)
        {
            if (pbRefused)
                *pbRefused = TRUE;
            else
                Fail(L"Invalid command.");
            return FALSE;
        }
        if (!ReadReply(port, strLine, m_dwTimeout, FALSE))
        {
            Fail(L"Timeout 2, tidak ada respon dari handphone.");
            return FALSE;
        }
        strUpper = strLine;
        strUpper.MakeUpper();
        if (strUpper.Find(L"ERROR") >= 0)
        {
            Fail(L"Invalid command.");
            return FALSE;
        }
        if (strUpper.Find(L"OK") < 0)
        {
            Fail(L"Wrong response.");
            return FALSE;
        }
        return TRUE;
    };
    // Sends one query and reads its answer; pszWriteFailure is reported when it cannot be sent.
    auto query = [&](const wchar_t* pszCommand, const wchar_t* pszWriteFailure, CString& strValue,
                     BOOL* pbRefused = nullptr) -> BOOL {
        Log(pszCommand);
        if (!port.SendCommand(pszCommand, m_dwTimeout))
        {
            Fail(pszWriteFailure);
            return FALSE;
        }
        return readPair(strValue, pbRefused);
    };

    CString strMaker;
    if (!query(L"AT+CGMI", L"Failed to write bluetooth/serial request to device.", strMaker))
        return FALSE;
    strManufacturer = strMaker;
    PostStatusText(strMaker);
    Log(strMaker);

    CString strModelLine;
    BOOL bRefused = FALSE;
    if (!query(L"AT+GMM", L"Failed to write request to device.", strModelLine, &bRefused))
    {
        // Some phones know only one of the two model commands.
        if (!bRefused || !query(L"AT+CGMM", L"Failed to write request to device.", strModelLine))
            return FALSE;
    }
    strModel = strModelLine;
    m_strPhoneModel = strModelLine;
    PostStatusText(L"Model:" + strModelLine);
    Log(strModelLine);
    return TRUE;
}

BOOL CPhoneSession::SetMessageFormat(CIrdaPort& port, BOOL bPdu)
{
    CString strCommand = bPdu ? L"AT+CMGF=0" : L"AT+CMGF=1";
    Log(strCommand);
    // Callers stop on FALSE: without PDU mode nothing that follows would be understood.
    return SendATCommand(port, strCommand, nullptr, TRUE, FALSE);
}

BOOL CPhoneSession::IsUnsolicited(const CString& strLine)
{
    static const wchar_t* const kCodes[] = {L"+CMTI:", L"+CDSI:", L"+CBMI:", L"+CRING:", L"+CLIP:", L"RING"};
    for (const wchar_t* code : kCodes)
        if (strLine.Left((int)wcslen(code)) == code)
            return TRUE;
    return FALSE;
}

BOOL CPhoneSession::ReadReply(CIrdaPort& port, CString& strLine, DWORD dwTimeout, BOOL bPromptMode)
{
    // A phone reports a new message ("+CMTI: ...") whenever one arrives, also in the middle of an
    // exchange; such a line is no answer to the command.
    for (int nSkipped = 0;; ++nSkipped)
    {
        if (!port.ReadResponse(strLine, dwTimeout, bPromptMode))
            return FALSE;
        if (nSkipped >= 8 || !IsUnsolicited(strLine))
            return TRUE;
        Log(strLine);
    }
}
