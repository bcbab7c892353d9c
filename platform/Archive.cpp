// CArchive: buffered reading and writing of values, strings, classes and objects.
#include "platform/Archive.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include <algorithm>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(nullptr), m_bForceFlat(TRUE), m_pFile(pFile), m_nMode(nMode), m_bUserBuf(lpBuf != nullptr),
      m_nBufSize(nBufSize < 128 ? 128 : nBufSize), m_nObjectSchema((UINT)-1), m_nFileEnd(0), m_nFilePos(0),
      m_bKnownSize(FALSE), m_nMapCount(1), m_nObjectDepth(0)
{
    if (pFile)
        m_strFileName = pFile->GetFilePath();
    if (m_bUserBuf && nBufSize >= 128)
        m_lpBufStart = (BYTE*)lpBuf;
    else
    {
        m_bUserBuf = FALSE;
        m_lpBufStart = new BYTE[(size_t)m_nBufSize];
    }
    if (IsLoading())
    {
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
        try
        {
            m_nFilePos = pFile->GetPosition();
            m_nFileEnd = pFile->GetLength();
            m_bKnownSize = m_nFileEnd >= m_nFilePos;
        }
        catch (CException* e)
        {
            e->Delete();
            m_bKnownSize = FALSE;
        }
        m_loadArray.reserve(64);
        m_loadArray.push_back(LoadEntry{nullptr, false});
    }
    else
    {
        m_lpBufCur = m_lpBufStart;
        m_lpBufMax = m_lpBufStart + m_nBufSize;
    }
}

CArchive::~CArchive()
{
    if (m_pFile && !(m_nMode & bNoFlushOnDelete))
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    Abort();
}

void CArchive::Fail(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

UINT CArchive::GetObjectSchema()
{
    UINT n = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return n;
}

ULONGLONG CArchive::GetBytesLeft()
{
    if (!IsLoading() || !m_bKnownSize)
        return (ULONGLONG)-1;
    ULONGLONG inFile = m_nFileEnd > m_nFilePos ? m_nFileEnd - m_nFilePos : 0;
    return inFile + (ULONGLONG)(m_lpBufMax - m_lpBufCur);
}

void CArchive::CheckCount(ULONGLONG nCount, UINT nMinBytesEach)
{
    if (!IsLoading())
        return;
    ULONGLONG left = GetBytesLeft();
    if (left == (ULONGLONG)-1)
        return;
    if (nMinBytesEach == 0)
        nMinBytesEach = 1;
    if (nCount <= left / nMinBytesEach)
        return;
    // Someone may have moved the file under the archive: ask the file before refusing.
    try
    {
        m_nFileEnd = m_pFile->GetLength();
        m_nFilePos = m_pFile->GetPosition();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    left = GetBytesLeft();
    if (nCount > left / nMinBytesEach)
        Fail(CArchiveException::endOfFile);
}

void CArchive::FillBuffer(UINT nAtLeast)
{
    if (!IsLoading())
        Fail(CArchiveException::writeOnly);
    if (!m_pFile)
        Fail(CArchiveException::genericException);
    size_t have = (size_t)(m_lpBufMax - m_lpBufCur);
    if (have > 0 && m_lpBufCur != m_lpBufStart)
        memmove(m_lpBufStart, m_lpBufCur, have);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + have;
    while (have < nAtLeast)
    {
        UINT n = m_pFile->Read(m_lpBufMax, (UINT)(m_nBufSize - have));
        if (n == 0)
            Fail(CArchiveException::endOfFile);
        m_nFilePos += n;
        have += n;
        m_lpBufMax += n;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (!IsLoading())
        Fail(CArchiveException::writeOnly);
    if (nMax == 0)
        return 0;
    BYTE* out = (BYTE*)lpBuf;
    UINT done = 0;
    size_t have = (size_t)(m_lpBufMax - m_lpBufCur);
    size_t n = std::min<size_t>(have, nMax);
    memcpy(out, m_lpBufCur, n);
    m_lpBufCur += n;
    done += (UINT)n;
    // Large remainders go straight to the caller's memory; small ones through the buffer.
    while (done < nMax)
    {
        UINT want = nMax - done;
        if (want >= (UINT)m_nBufSize)
        {
            UINT got = m_pFile->Read(out + done, want);
            if (got == 0)
                break;
            m_nFilePos += got;
            done += got;
        }
        else
        {
            m_lpBufCur = m_lpBufMax = m_lpBufStart;
            UINT got = m_pFile->Read(m_lpBufStart, (UINT)m_nBufSize);
            if (got == 0)
                break;
            m_nFilePos += got;
            m_lpBufMax = m_lpBufStart + got;
            UINT take = std::min(got, want);
            memcpy(out + done, m_lpBufCur, take);
            m_lpBufCur += take;
            done += take;
        }
    }
    return done;
}

void CArchive::FlushForWrite()
{
    if (IsLoading())
        Fail(CArchiveException::readOnly);
    if (m_lpBufCur != m_lpBufStart)
    {
        m_pFile->Write(m_lpBufStart, (UINT)(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (IsLoading())
        Fail(CArchiveException::readOnly);
    if (nMax == 0)
        return;
    const BYTE* in = (const BYTE*)lpBuf;
    size_t room = (size_t)(m_lpBufMax - m_lpBufCur);
    if (nMax <= room)
    {
        memcpy(m_lpBufCur, in, nMax);
        m_lpBufCur += nMax;
        return;
    }
    FlushForWrite();
    if (nMax >= (UINT)m_nBufSize)
    {
        m_pFile->Write(in, nMax);
    }
    else
    {
        memcpy(m_lpBufCur, in, nMax);
        m_lpBufCur += nMax;
    }
}

void CArchive::Flush()
{
    if (IsLoading())
    {
        // Give back what was read ahead, so the file stands right after the last value read.
        size_t ahead = (size_t)(m_lpBufMax - m_lpBufCur);
        if (ahead && m_pFile)
        {
            m_pFile->Seek(-(LONGLONG)ahead, CFile::current);
            m_nFilePos -= ahead;
        }
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
    }
    else
    {
        FlushForWrite();
    }
}

void CArchive::Close()
{
    if (!m_pFile)
        return;
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    if (!m_bUserBuf && m_lpBufStart)
    {
        delete[] m_lpBufStart;
    }
    m_lpBufStart = m_lpBufCur = m_lpBufMax = nullptr;
    m_bUserBuf = FALSE;
    m_pFile = nullptr;
}

// Counts

DWORD_PTR CArchive::ReadCount()
{
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD dw;
    *this >> dw;
    if (dw != 0xFFFFFFFF)
        return dw;
    ULONGLONG qw;
    *this >> qw;
    return (DWORD_PTR)qw;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF)
    {
        *this << (WORD)dwCount;
        return;
    }
    *this << (WORD)0xFFFF;
    if (dwCount < 0xFFFFFFFF)
    {
        *this << (DWORD)dwCount;
        return;
    }
    *this << (DWORD)0xFFFFFFFF << (ULONGLONG)dwCount;
}

// Strings: [FF FE FF] marks UTF-16; the length is a BYTE, or FF + WORD, or FF FFFF + DWORD,
// or FF FFFF FFFFFFFF + QWORD.

UINT_PTR CArchive::ReadStringLength(CArchive& ar, int& nCharSize)
{
    nCharSize = 1;
    BYTE b;
    ar >> b;
    if (b < 0xFF)
        return b;
    WORD w;
    ar >> w;
    if (w == 0xFFFE)
    {
        nCharSize = 2;
        ar >> b;
        if (b < 0xFF)
            return b;
        ar >> w;
    }
    if (w < 0xFFFF)
        return w;
    DWORD dw;
    ar >> dw;
    if (dw < 0xFFFFFFFF)
        return dw;
    ULONGLONG qw;
    ar >> qw;
    return (UINT_PTR)qw;
}

void CArchive::WriteStringLength(CArchive& ar, UINT_PTR nLength, BOOL bUnicode)
{
    if (bUnicode)
        ar << (BYTE)0xFF << (WORD)0xFFFE;
    if (nLength < 0xFF)
    {
        ar << (BYTE)nLength;
        return;
    }
    ar << (BYTE)0xFF;
    if (nLength < 0xFFFE)
    {
        ar << (WORD)nLength;
        return;
    }
    ar << (WORD)0xFFFF;
    if (nLength < 0xFFFFFFFF)
    {
        ar << (DWORD)nLength;
        return;
    }
    ar << (DWORD)0xFFFFFFFF << (ULONGLONG)nLength;
}

CArchive& CArchive::operator<<(const CString& s)
{
    WriteStringLength(*this, (UINT_PTR)s.GetLength(), TRUE);
    Write(s.GetString(), (UINT)s.GetLength() * 2);
    return *this;
}

CArchive& CArchive::operator<<(const CStringA& s)
{
    WriteStringLength(*this, (UINT_PTR)s.GetLength(), FALSE);
    Write(s.GetString(), (UINT)s.GetLength());
    return *this;
}

UINT_PTR CArchive::ReadCheckedStringLength(int& nCharSize)
{
    UINT_PTR n = ReadStringLength(*this, nCharSize);
    // Never trust a stored length further than the bytes that are there.
    if (n > 0x3FFFFFFF)
        Fail(CArchiveException::endOfFile);
    CheckCount(n, (UINT)nCharSize);
    return n;
}

CString CArchive::ReadWideChars(UINT_PTR n)
{
    CString r;
    if (n > 0)
    {
        wchar_t* p = r.GetBufferSetLength((int)n);
        if (Read(p, (UINT)(n * 2)) != n * 2)
            Fail(CArchiveException::endOfFile);
        r.ReleaseBuffer((int)n);
    }
    return r;
}

CStringA CArchive::ReadAnsiChars(UINT_PTR n)
{
    CStringA a;
    if (n > 0)
    {
        char* p = a.GetBufferSetLength((int)n);
        if (Read(p, (UINT)n) != n)
            Fail(CArchiveException::endOfFile);
        a.ReleaseBuffer((int)n);
    }
    return a;
}

CArchive& CArchive::operator>>(CString& s)
{
    // The common form of a short text, FF FE FF, a length under 255 and the UTF-16 units, taken
    // straight from the buffer when it is all there.
    const size_t nInBuffer = (size_t)(m_lpBufMax - m_lpBufCur);
    if (IsLoading() && nInBuffer >= 4 && m_lpBufCur[0] == 0xFF && m_lpBufCur[1] == 0xFE && m_lpBufCur[2] == 0xFF &&
        m_lpBufCur[3] < 0xFF && 4 + 2 * (size_t)m_lpBufCur[3] <= nInBuffer)
    {
        const int n = m_lpBufCur[3];
        s.SetString((const wchar_t*)(m_lpBufCur + 4), n);
        m_lpBufCur += 4 + 2 * n;
        return *this;
    }
    int nCharSize;
    UINT_PTR n = ReadCheckedStringLength(nCharSize);
    if (nCharSize == 2 && n * 2 <= (UINT_PTR)(m_lpBufMax - m_lpBufCur))
    {
        // Whole text already in the buffer: take it from there.
        s.SetString((const wchar_t*)m_lpBufCur, (int)n);
        m_lpBufCur += n * 2;
        return *this;
    }
    if (nCharSize == 2)
    {
        s = ReadWideChars(n);
    }
    else
    {
        CStringA a = ReadAnsiChars(n);
        s = PlatformAnsiToWide(a.GetString(), a.GetLength());
    }
    return *this;
}

CArchive& CArchive::operator>>(CStringA& s)
{
    int nCharSize;
    UINT_PTR n = ReadCheckedStringLength(nCharSize);
    if (nCharSize == 2)
        s = CStringA(ReadWideChars(n));
    else
        s = ReadAnsiChars(n);
    return *this;
}

BOOL CArchive::ReadString(CString& rString)
{
    CStringA line;
    BYTE ch;
    bool any = false;
    for (;;)
    {
        if (Read(&ch, 1) != 1)
            break;
        any = true;
        if (ch == '\n')
            break;
        line += (char)ch;
    }
    if (line.GetLength() > 0 && line[line.GetLength() - 1] == '\r')
        line = line.Left(line.GetLength() - 1);
    rString = CString(line);
    return any;
}

void CArchive::WriteString(LPCTSTR lpsz)
{
    CStringA a(lpsz);
    Write(a.GetString(), (UINT)a.GetLength());
}

// Classes and objects

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (IsLoading())
        Fail(CArchiveException::readOnly);
    if (!pClassRef || !pClassRef->IsSerializable())
        AfxThrowNotSupportedException();
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end())
    {
        DWORD nClassIndex = it->second;
        if (nClassIndex < wBigObjectTag)
            *this << (WORD)(wClassTag | nClassIndex);
        else
            *this << wBigObjectTag << (DWORD)(dwBigClassTag | nClassIndex);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    if (m_nMapCount >= nMaxMapCount)
        Fail(CArchiveException::badIndex);
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (IsLoading())
        Fail(CArchiveException::readOnly);
    if (!pOb)
    {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end())
    {
        DWORD nObIndex = it->second;
        if (nObIndex < wBigObjectTag)
            *this << (WORD)nObIndex;
        else
            *this << wBigObjectTag << nObIndex;
        return;
    }
    CRuntimeClass* pClassRef = pOb->GetRuntimeClass();
    WriteClass(pClassRef);
    if (m_nMapCount >= nMaxMapCount)
        Fail(CArchiveException::badIndex);
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring())
    {
        if (pOb && m_storeMap.find(pOb) == m_storeMap.end())
            m_storeMap[pOb] = m_nMapCount++;
    }
    else
    {
        m_loadArray.push_back(LoadEntry{const_cast<CObject*>(pOb), false});
        m_nMapCount++;
    }
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (!IsLoading())
        Fail(CArchiveException::writeOnly);
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag))
    {
        // An object reference (or null), not a class.
        if (pObTag)
            *pObTag = obTag;
        else
            Fail(CArchiveException::badClass);
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag)
    {
        UINT wSchema = 0;
        pClassRef = CRuntimeClass::Load(*this, &wSchema);
        if (!pClassRef || !pClassRef->IsSerializable() || !pClassRef->m_pfnCreateObject)
            Fail(CArchiveException::badClass);
        nSchema = wSchema;
        UINT own = pClassRef->m_wSchema & ~(UINT)VERSIONABLE_SCHEMA;
        if (own != wSchema)
        {
            if (!(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
                Fail(CArchiveException::badSchema);
            m_schemaMap[pClassRef] = wSchema;
        }
        if (m_nMapCount >= nMaxMapCount)
            Fail(CArchiveException::badIndex);
        m_loadArray.push_back(LoadEntry{pClassRef, true});
        m_nMapCount++;
    }
    else
    {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() || !m_loadArray[nClassIndex].isClass)
            Fail(CArchiveException::badIndex);
        pClassRef = (CRuntimeClass*)m_loadArray[nClassIndex].p;
        auto it = m_schemaMap.find(pClassRef);
        nSchema = it != m_schemaMap.end() ? it->second : (pClassRef->m_wSchema & ~(UINT)VERSIONABLE_SCHEMA);
    }

    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested))
        Fail(CArchiveException::badClass);

    if (pSchema)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = (UINT)-1;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (!pClassRef)
    {
        // A reference to an object already loaded, or the null object.
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].isClass)
            Fail(CArchiveException::badIndex);
        CObject* pOb = (CObject*)m_loadArray[obTag].p;
        if (pOb && pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
            Fail(CArchiveException::badClass);
        return pOb;
    }

    if (m_nObjectDepth >= nMaxObjectDepth)
        Fail(CArchiveException::badIndex);
    CObject* pOb = pClassRef->CreateObject();
    if (!pOb)
        AfxThrowMemoryException();
    if (m_nMapCount >= nMaxMapCount)
    {
        delete pOb;
        Fail(CArchiveException::badIndex);
    }
    size_t slot = m_loadArray.size();
    m_loadArray.push_back(LoadEntry{pOb, false});
    m_nMapCount++;
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    ++m_nObjectDepth;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        // The half-read object belongs to nobody: drop it.
        m_loadArray[slot].p = nullptr;
        m_nObjectSchema = nSchemaSave;
        --m_nObjectDepth;
        delete pOb;
        throw;
    }
    --m_nObjectDepth;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator<<(CArchive& ar, const POINT& pt) { return ar << pt.x << pt.y; }
CArchive& operator>>(CArchive& ar, POINT& pt) { return ar >> pt.x >> pt.y; }
CArchive& operator<<(CArchive& ar, const SIZE& sz) { return ar << sz.cx << sz.cy; }
CArchive& operator>>(CArchive& ar, SIZE& sz) { return ar >> sz.cx >> sz.cy; }
CArchive& operator<<(CArchive& ar, const RECT& rc) { return ar << rc.left << rc.top << rc.right << rc.bottom; }
CArchive& operator>>(CArchive& ar, RECT& rc) { return ar >> rc.left >> rc.top >> rc.right >> rc.bottom; }
