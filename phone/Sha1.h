// SHA-1 digest (FIPS 180-1) of a run of bytes, reported as text.
#pragma once
#include "platform/Platform.h"

class CSha1
{
public:
    enum
    {
        REPORT_HEX = 0,  // "A9 99 3E ..." upper-case pairs separated by blanks
        REPORT_DIGIT = 1 // "169 153 62 ..." decimal bytes separated by blanks
    };

    CSha1();
    ~CSha1();

    void Reset();
    void Update(const BYTE* pData, UINT nLength);
    void Final();
    // Appends the digest to str in the given report type; other types append nothing.
    void ReportHash(CString& str, int nReportType = REPORT_HEX) const;
    const BYTE* GetDigest() const { return m_digest; }

private:
    void Transform(const BYTE* pBlock);

    UINT32 m_state[5];
    UINT32 m_count[2]; // message length in bits, low word first
    BYTE m_buffer[64];
    BYTE m_digest[20];
    UINT32 m_workspace[16];
    UINT32* m_block;
};
