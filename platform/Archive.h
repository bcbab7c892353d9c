// CArchive: the binary object stream of documents and data files (little-endian, buffered).
#pragma once
#include "platform/Exceptions.h"
#include "platform/Object.h"
#include "platform/String.h"
#include <unordered_map>
#include <vector>

class CFile;
class CDocument;

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // Schema of the object being loaded: the stored number once, then (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    void Abort();

    // Objects and classes
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);
    void MapObject(const CObject* pOb);

    // Element counts: WORD, or 0xFFFF and a DWORD.
    DWORD_PTR ReadCount();
    void WriteCount(DWORD_PTR dwCount);
    // Loading: throws CArchiveException::endOfFile unless nCount elements of at least
    // nMinBytesEach bytes can still be in the archive.
    void CheckCount(ULONGLONG nCount, UINT nMinBytesEach);
    // Bytes not yet read (loading); (ULONGLONG)-1 when the file's size is not known.
    ULONGLONG GetBytesLeft();

    // Text
    static UINT_PTR ReadStringLength(CArchive& ar, int& nCharSize);
    static void WriteStringLength(CArchive& ar, UINT_PTR nLength, BOOL bUnicode);
    BOOL ReadString(CString& rString); // a line of 8-bit text
    void WriteString(LPCTSTR lpsz);

    // Values
    CArchive& operator<<(BYTE by) { return PutRaw(by); }
    CArchive& operator<<(WORD w) { return PutRaw(w); }
    CArchive& operator<<(LONG l) { return PutRaw(l); }
    CArchive& operator<<(DWORD dw) { return PutRaw(dw); }
    CArchive& operator<<(float f) { return PutRaw(f); }
    CArchive& operator<<(double d) { return PutRaw(d); }
    CArchive& operator<<(LONGLONG ll) { return PutRaw(ll); }
    CArchive& operator<<(ULONGLONG ull) { return PutRaw(ull); }
    CArchive& operator<<(int i) { return PutRaw((LONG)i); }
    CArchive& operator<<(UINT u) { return PutRaw((LONG)u); }
    CArchive& operator<<(short w) { return PutRaw((WORD)w); }
    CArchive& operator<<(char ch) { return PutRaw((BYTE)ch); }
    CArchive& operator<<(signed char ch) { return PutRaw((BYTE)ch); }
    CArchive& operator<<(wchar_t ch) { return PutRaw((WORD)ch); }
    CArchive& operator<<(bool b) { return PutRaw((BYTE)(b ? 1 : 0)); }
    CArchive& operator<<(const CString& s);
    CArchive& operator<<(const CStringA& s);
    CArchive& operator<<(LPCWSTR psz) { return *this << CString(psz); }
    // Would silently store a bool: say CString(...) / CStringA(...) or pass a CObject*.
    CArchive& operator<<(const char* psz) = delete;
    CArchive& operator<<(const void* p) = delete;

    CArchive& operator>>(BYTE& by) { return GetRaw(by); }
    CArchive& operator>>(WORD& w) { return GetRaw(w); }
    CArchive& operator>>(LONG& l) { return GetRaw(l); }
    CArchive& operator>>(DWORD& dw) { return GetRaw(dw); }
    CArchive& operator>>(float& f) { return GetRaw(f); }
    CArchive& operator>>(double& d) { return GetRaw(d); }
    CArchive& operator>>(LONGLONG& ll) { return GetRaw(ll); }
    CArchive& operator>>(ULONGLONG& ull) { return GetRaw(ull); }
    CArchive& operator>>(int& i)
    {
        LONG l;
        GetRaw(l);
        i = (int)l;
        return *this;
    }
    CArchive& operator>>(UINT& u)
    {
        LONG l;
        GetRaw(l);
        u = (UINT)l;
        return *this;
    }
    CArchive& operator>>(short& w)
    {
        WORD v;
        GetRaw(v);
        w = (short)v;
        return *this;
    }
    CArchive& operator>>(char& ch)
    {
        BYTE v;
        GetRaw(v);
        ch = (char)v;
        return *this;
    }
    CArchive& operator>>(signed char& ch)
    {
        BYTE v;
        GetRaw(v);
        ch = (signed char)v;
        return *this;
    }
    CArchive& operator>>(wchar_t& ch)
    {
        WORD v;
        GetRaw(v);
        ch = (wchar_t)v;
        return *this;
    }
    CArchive& operator>>(bool& b)
    {
        BYTE v;
        GetRaw(v);
        b = v != 0;
        return *this;
    }
    CArchive& operator>>(CString& s);
    CArchive& operator>>(CStringA& s);

    CDocument* m_pDocument;
    CString m_strFileName;
    BOOL m_bForceFlat;

    // Tags of the object stream.
    static const WORD wNullTag = 0;
    static const WORD wNewClassTag = 0xFFFF;
    static const WORD wClassTag = 0x8000;
    static const DWORD dwBigClassTag = 0x80000000;
    static const WORD wBigObjectTag = 0x7FFF;
    static const DWORD nMaxMapCount = 0x3FFFFFFE;
    // Objects being loaded inside one another: a deeper file is damage (badIndex), so no input
    // can exhaust the stack.
    static const UINT nMaxObjectDepth = 64;

protected:
    template <class T> CArchive& PutRaw(T v)
    {
        if (m_nMode & load)
            Fail(CArchiveException::readOnly);
        if ((size_t)(m_lpBufMax - m_lpBufCur) < sizeof(T))
            FlushForWrite();
        memcpy(m_lpBufCur, &v, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }
    template <class T> CArchive& GetRaw(T& v)
    {
        if (!(m_nMode & load))
            Fail(CArchiveException::writeOnly);
        if ((size_t)(m_lpBufMax - m_lpBufCur) < sizeof(T))
            FillBuffer((UINT)sizeof(T));
        memcpy(&v, m_lpBufCur, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }
    void FillBuffer(UINT nAtLeast);
    void FlushForWrite();
    [[noreturn]] void Fail(int cause) const;
    // Loading a CString or CStringA: the stored length, checked against the bytes that can be
    // there, and the n characters after it (UTF-16 when nCharSize is 2, else 8-bit).
    UINT_PTR ReadCheckedStringLength(int& nCharSize);
    CString ReadWideChars(UINT_PTR n);
    CStringA ReadAnsiChars(UINT_PTR n);

    CFile* m_pFile;
    UINT m_nMode;
    BOOL m_bUserBuf;
    int m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    UINT m_nObjectSchema;

    // Loading: the file's size and the file position behind the buffer, for bounds checks.
    ULONGLONG m_nFileEnd;
    ULONGLONG m_nFilePos;
    BOOL m_bKnownSize;

    // Storing: class records and objects written so far, by index (from 1).
    std::unordered_map<const void*, DWORD> m_storeMap;
    // Loading: index -> class record or object; index 0 is the null object.
    struct LoadEntry
    {
        void* p;
        bool isClass;
    };
    std::vector<LoadEntry> m_loadArray;
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
    DWORD m_nMapCount;
    UINT m_nObjectDepth;
};

CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);

// Points, sizes and rectangles as the platform stores them: LONGs in member order.
CArchive& operator<<(CArchive& ar, const POINT& pt);
CArchive& operator>>(CArchive& ar, POINT& pt);
CArchive& operator<<(CArchive& ar, const SIZE& sz);
CArchive& operator>>(CArchive& ar, SIZE& sz);
CArchive& operator<<(CArchive& ar, const RECT& rc);
CArchive& operator>>(CArchive& ar, RECT& rc);
