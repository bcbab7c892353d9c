// CIrdaPort: opening the COM port, writing commands and reading reply lines and listings.
#include "phone/IrdaPort.h"
#include "phone/PhoneHost.h"
#include "phone/StoreHelpers.h"
#include "res/phone_ids.h"

IMPLEMENT_DYNAMIC(CIrdaPort, CObject)

namespace
{
inline bool IsPrintable(BYTE b) { return b >= 0x20 && b <= 0x7E; }
// Waits poll with a short sleep: 10 ms for a reply line, 1 ms inside a listing and a write.
const DWORD kReplyPollMs = 10;
const DWORD kListingPollMs = 1;
} // namespace

CIrdaPort::CIrdaPort() : m_hPort(INVALID_HANDLE_VALUE), m_nAbort(0), m_nBufPos(0), m_nBufLen(0) {}

CIrdaPort::~CIrdaPort() { Close(); }

BOOL CIrdaPort::Open(CString strPort)
{
    Close();
    if (IsAborted())
        return FALSE;
    m_nBufPos = m_nBufLen = 0;
    HANDLE h = CreateFileW(strPort, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hPort = h;
    SetupComm(h, 2048, 2048);
    PurgeComm(h, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);

    DCB dcb = {};
    dcb.DCBlength = sizeof(DCB);
    GetCommState(h, &dcb);
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = TRUE;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fAbortOnError = FALSE;
    SetCommState(h, &dcb);

    COMMTIMEOUTS to = {};
    to.ReadIntervalTimeout = MAXDWORD;
    to.ReadTotalTimeoutMultiplier = 0;
    to.ReadTotalTimeoutConstant = 0;
    to.WriteTotalTimeoutMultiplier = 100;
    to.WriteTotalTimeoutConstant = 0;
    SetCommTimeouts(h, &to);
    return TRUE;
}

BOOL CIrdaPort::Close()
{
    if (!IsOpen())
        return FALSE;
    PurgeComm(m_hPort, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    BOOL bResult = CloseHandle(m_hPort);
    m_hPort = INVALID_HANDLE_VALUE;
    m_nBufPos = m_nBufLen = 0;
    return bResult;
}

void CIrdaPort::Purge()
{
    m_nBufPos = m_nBufLen = 0;
    if (IsOpen())
        PurgeComm(m_hPort, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}

int CIrdaPort::Read(void* pBuffer, int nBytes)
{
    if (!IsOpen() || nBytes <= 0)
        return 0;
    int n = 0;
    BYTE* p = (BYTE*)pBuffer;
    while (n < nBytes && m_nBufPos < m_nBufLen)
        p[n++] = m_buf[m_nBufPos++];
    if (n < nBytes)
    {
        DWORD dwRead = 0;
        if (ReadFile(m_hPort, p + n, (DWORD)(nBytes - n), &dwRead, nullptr))
            n += (int)dwRead;
    }
    return n;
}

int CIrdaPort::Write(const void* pBuffer, int nBytes)
{
    if (!IsOpen() || nBytes <= 0)
        return 0;
    DWORD dwWritten = 0;
    if (!WriteFile(m_hPort, pBuffer, (DWORD)nBytes, &dwWritten, nullptr))
        return 0;
    return (int)dwWritten;
}

BOOL CIrdaPort::ReadByte(BYTE& b)
{
    if (m_nBufPos >= m_nBufLen)
    {
        m_nBufPos = m_nBufLen = 0;
        if (!IsOpen())
            return FALSE;
        DWORD dwRead = 0;
        if (!ReadFile(m_hPort, m_buf, sizeof m_buf, &dwRead, nullptr) || dwRead == 0)
            return FALSE;
        m_nBufLen = (int)dwRead;
    }
    b = m_buf[m_nBufPos++];
    return TRUE;
}

BOOL CIrdaPort::WriteAll(const BYTE* pBuffer, int nBytes, DWORD dwTimeout)
{
    DWORD dwStart = GetTickCount();
    if (nBytes <= 0)
        return TRUE;
    int nDone = 0;
    while (!IsAborted() && GetTickCount() - dwStart < dwTimeout)
    {
        int n = Write(pBuffer + nDone, nBytes - nDone);
        if (n > 0)
        {
            nDone += n;
            dwStart = GetTickCount();
            if (nDone >= nBytes)
                return TRUE;
        }
        else
        {
            Sleep(kListingPollMs);
        }
    }
    return FALSE;
}

BOOL CIrdaPort::SendCommand(const CString& strCommand, DWORD dwTimeout)
{
    Purge();
    CString strLine = strCommand + L"\r";
    // One byte a character: a command the code page cannot give that way is not sent.
    CStringA bytes = PlatformWideToAnsi(strLine, strLine.GetLength());
    return bytes.GetLength() == strLine.GetLength() &&
           WriteAll((const BYTE*)bytes.GetString(), bytes.GetLength(), dwTimeout);
}

BOOL CIrdaPort::ReadResponse(CString& strReply, DWORD dwTimeout, BOOL bPromptMode)
{
    strReply.Empty();
    BYTE bPrev2 = 0, bPrev1 = 0;
    bool bCollecting = false;
    DWORD dwStart = GetTickCount();
    const DWORD dwOverall = dwStart;
    const DWORD dwDeadline = PhoneLineDeadline(dwTimeout);
    for (;;)
    {
        DWORD dwNow = GetTickCount();
        if (IsAborted() || dwNow - dwStart >= dwTimeout || dwNow - dwOverall >= dwDeadline)
            return FALSE;
        BYTE b;
        if (!ReadByte(b))
        {
            Sleep(kReplyPollMs);
            continue;
        }
        dwStart = GetTickCount();
        if (!bCollecting && IsPrintable(b) && bPrev2 == 0x0D && bPrev1 == 0x0A)
        {
            bCollecting = true;
        }
        else if (IsPrintable(bPrev2) && bPrev1 == 0x0D && b == 0x0A)
        {
            if (bCollecting)
                return TRUE;
        }
        if (bCollecting && IsPrintable(b))
        {
            strReply += (wchar_t)b;
            if (bPromptMode && strReply == L">")
                return TRUE;
            if (strReply.GetLength() > MAX_LINE)
                return FALSE;
        }
        bPrev2 = bPrev1;
        bPrev1 = b;
    }
}

namespace
{
bool EndsWith(const CString& s, const wchar_t* pszTail)
{
    int n = (int)wcslen(pszTail);
    return s.GetLength() >= n && wcscmp((const wchar_t*)s + s.GetLength() - n, pszTail) == 0;
}
} // namespace

BOOL CIrdaPort::ReadLines(CString& strText, DWORD dwTimeout, DWORD dwDeadline)
{
    static const wchar_t kSep[] = L"<CR><LF>";
    strText = kSep;
    BYTE bPrev2 = 0, bPrev1 = 0;
    DWORD dwStart = GetTickCount();
    const DWORD dwBegin = dwStart;
    if (dwDeadline == 0)
        dwDeadline = PhoneLineDeadline(dwTimeout);
    int nLines = 0;
    int nLineLen = 0;
    int nLineStart = strText.GetLength();
    const CString strProgress = LoadResourceText(IDS_PHONE_READING_SMS);
    for (;;)
    {
        DWORD dwNow = GetTickCount();
        if (IsAborted() || dwNow - dwStart >= dwTimeout || dwNow - dwBegin >= dwDeadline)
            return FALSE;
        BYTE b;
        if (!ReadByte(b))
        {
            Sleep(kListingPollMs);
            continue;
        }
        if (IsPrintable(bPrev2) && bPrev1 == 0x0D && b == 0x0A)
        {
            if (EndsWith(strText, L"OK"))
                return TRUE;
            if (strText.Find(L"ERROR", nLineStart) >= 0)
                return FALSE; // "ERROR" or "+CMS ERROR: n" ends the listing
            strText += kSep;
            nLineStart = strText.GetLength();
            dwStart = GetTickCount();
            nLineLen = 0;
            ++nLines;
            CString strStatus;
            strStatus.Format(L"%s %d", (LPCWSTR)strProgress, nLines);
            PostStatusText(strStatus);
            continue;
        }
        if (IsPrintable(b))
        {
            strText += (wchar_t)b;
            if (++nLineLen > MAX_LINE)
                return FALSE;
        }
        bPrev2 = bPrev1;
        bPrev1 = b;
    }
}
