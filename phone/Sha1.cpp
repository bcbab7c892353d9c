// CSha1: the SHA-1 compression function and the digest as text.
#include "phone/Sha1.h"

#include <cstdio>
#include <cstring>

namespace
{
inline UINT32 Rol(UINT32 v, int n) { return (v << n) | (v >> (32 - n)); }
} // namespace

CSha1::CSha1()
{
    m_block = m_workspace;
    memset(m_digest, 0, sizeof m_digest);
    Reset();
}

CSha1::~CSha1() { Reset(); }

void CSha1::Reset()
{
    m_state[0] = 0x67452301;
    m_state[1] = 0xEFCDAB89;
    m_state[2] = 0x98BADCFE;
    m_state[3] = 0x10325476;
    m_state[4] = 0xC3D2E1F0;
    m_count[0] = m_count[1] = 0;
    memset(m_buffer, 0, sizeof m_buffer);
    memset(m_workspace, 0, sizeof m_workspace);
}

void CSha1::Transform(const BYTE* p)
{
    UINT32 w[80];
    for (int i = 0; i < 16; ++i)
        w[i] = (UINT32)p[4 * i] << 24 | (UINT32)p[4 * i + 1] << 16 | (UINT32)p[4 * i + 2] << 8 | (UINT32)p[4 * i + 3];
    for (int i = 16; i < 80; ++i)
        w[i] = Rol(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    memcpy(m_block, w, sizeof(UINT32) * 16);

    UINT32 a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3], e = m_state[4];
    for (int i = 0; i < 80; ++i)
    {
        UINT32 f, k;
        if (i < 20)
            f = (b & c) | (~b & d), k = 0x5A827999;
        else if (i < 40)
            f = b ^ c ^ d, k = 0x6ED9EBA1;
        else if (i < 60)
            f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
        else
            f = b ^ c ^ d, k = 0xCA62C1D6;
        const UINT32 t = Rol(a, 5) + f + e + k + w[i];
        e = d;
        d = c;
        c = Rol(b, 30);
        b = a;
        a = t;
    }
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
    m_state[4] += e;
    memset(w, 0, sizeof w);
}

void CSha1::Update(const BYTE* pData, UINT nLength)
{
    if (!pData || nLength == 0)
        return;
    UINT used = (m_count[0] >> 3) & 63;
    const UINT32 bitsLow = nLength << 3;
    if ((m_count[0] += bitsLow) < bitsLow)
        ++m_count[1];
    m_count[1] += nLength >> 29;

    UINT i = 0;
    if (used + nLength > 63)
    {
        i = 64 - used;
        memcpy(m_buffer + used, pData, i);
        Transform(m_buffer);
        for (; i + 63 < nLength; i += 64)
            Transform(pData + i);
        used = 0;
    }
    memcpy(m_buffer + used, pData + i, nLength - i);
}

void CSha1::Final()
{
    BYTE length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = (BYTE)(m_count[i < 4 ? 1 : 0] >> ((3 - (i & 3)) * 8));
    static const BYTE pad80 = 0x80, zero = 0;
    Update(&pad80, 1);
    while ((m_count[0] & 504) != 448)
        Update(&zero, 1);
    Update(length, 8);
    for (int i = 0; i < 20; ++i)
        m_digest[i] = (BYTE)(m_state[i >> 2] >> ((3 - (i & 3)) * 8));
    memset(m_buffer, 0, sizeof m_buffer);
    memset(m_state, 0, sizeof m_state);
    memset(m_count, 0, sizeof m_count);
    memset(m_workspace, 0, sizeof m_workspace);
}

void CSha1::ReportHash(CString& str, int nReportType) const
{
    if (nReportType != REPORT_HEX && nReportType != REPORT_DIGIT)
        return;
    char piece[8];
    for (int i = 0; i < 20; ++i)
    {
        if (nReportType == REPORT_HEX)
            snprintf(piece, sizeof piece, i ? " %02X" : "%02X", m_digest[i]);
        else
            snprintf(piece, sizeof piece, i ? " %u" : "%u", (unsigned)m_digest[i]);
        for (const char* p = piece; *p; ++p)
            str += (WCHAR)(unsigned char)*p;
    }
}
