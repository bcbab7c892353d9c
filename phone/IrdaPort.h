// The serial port to the phone: opens and configures a COM port, writes AT commands and reads
// reply lines, the ">" prompt or a listing up to its final result.
#pragma once
#include "platform/Platform.h"

class CIrdaPort : public CObject
{
    DECLARE_DYNAMIC(CIrdaPort)
public:
    CIrdaPort();
    virtual ~CIrdaPort();

    // Opens the named device ("COM4:", "\\.\COM12") at 9600 8N1 with non-blocking reads.
    BOOL Open(CString strPort);
    // FALSE when the port was not open.
    BOOL Close();
    BOOL IsOpen() const { return m_hPort != INVALID_HANDLE_VALUE; }

    // Bytes read (0 when none is waiting); bytes written.
    int Read(void* pBuffer, int nBytes);
    int Write(const void* pBuffer, int nBytes);

    // TRUE when every byte went out; the time-out is per byte (inactivity), polled with a sleep.
    BOOL WriteAll(const BYTE* pBuffer, int nBytes, DWORD dwTimeout);
    // Discards unread input, then writes the command and its CR.
    BOOL SendCommand(const CString& strCommand, DWORD dwTimeout);
    // One reply line that follows a CR LF (the echo is skipped), or the ">" prompt in prompt
    // mode. FALSE on a silence of dwTimeout ms, at the overall deadline, or when the line grows
    // past any sensible length; the text collected so far stays in strReply.
    BOOL ReadResponse(CString& strReply, DWORD dwTimeout, BOOL bPromptMode);
    // A listing: "<CR><LF>" + line + "<CR><LF>" + ... + the final "OK" line. TRUE only when the
    // "OK" line was read; FALSE on an "ERROR" or "+CMS ERROR" line (which then ends strText),
    // on a silence of dwTimeout ms after a line end, or at the overall deadline.
    BOOL ReadLines(CString& strText, DWORD dwTimeout, DWORD dwDeadline = 0);

    // Makes every wait of this port end at once and every later Open fail (for shutdown, from
    // another thread); ResetAbort makes the port usable again.
    void Abort() { InterlockedExchange(&m_nAbort, 1); }
    void ResetAbort() { InterlockedExchange(&m_nAbort, 0); }
    BOOL IsAborted() const { return m_nAbort != 0; }

    // Longest reply line accepted by ReadResponse (a PDU line is at most about 360 characters).
    static const int MAX_LINE = 1024;

private:
    BOOL ReadByte(BYTE& b);
    void Purge();

    HANDLE m_hPort;
    volatile LONG m_nAbort;
    // Read-ahead: one ReadFile fetches what is waiting; bytes are handed out one by one.
    BYTE m_buf[512];
    int m_nBufPos;
    int m_nBufLen;
};

// The overall limit of one exchange of a line: the line's own time-out, three times over.
inline DWORD PhoneLineDeadline(DWORD dwTimeout) { return dwTimeout * 3; }
