// CString: a UTF-16 text value; CStringA: its 8-bit counterpart.
#pragma once
#include "platform/Core.h"
#include <cstdarg>
#include <climits>
#include <string>

class CStringA;

class CString
{
public:
    typedef wchar_t XCHAR;
    typedef const wchar_t* PCXSTR;

    CString() {}
    CString(const CString& s) : m_str(s.m_str) {}
    CString(CString&& s) noexcept : m_str(std::move(s.m_str)) {}
    CString(const wchar_t* psz);
    CString(const wchar_t* pch, int nLength);
    CString(const char* psz);
    CString(const char* pch, int nLength);
    CString(const unsigned char* psz) : CString(reinterpret_cast<const char*>(psz)) {}
    CString(wchar_t ch, int nRepeat = 1);
    explicit CString(const std::wstring& s) : m_str(s) {}
    CString(const CStringA& s);
    ~CString() {}

    CString& operator=(const CString& s)
    {
        m_str = s.m_str;
        return *this;
    }
    CString& operator=(CString&& s) noexcept
    {
        m_str = std::move(s.m_str);
        return *this;
    }
    CString& operator=(const wchar_t* psz)
    {
        if (psz)
            m_str.assign(psz);
        else
            m_str.clear();
        return *this;
    }
    CString& operator=(const char* psz);
    CString& operator=(const unsigned char* psz) { return *this = reinterpret_cast<const char*>(psz); }
    CString& operator=(wchar_t ch)
    {
        m_str.assign(1, ch);
        return *this;
    }
    CString& operator=(const CStringA& s);

    // Length and content
    int GetLength() const { return (int)m_str.size(); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int i) const { return m_str[(size_t)i]; }
    void SetAt(int i, wchar_t ch) { m_str[(size_t)i] = ch; }
    wchar_t operator[](int i) const { return m_str[(size_t)i]; }
    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }

    // Concatenation
    CString& operator+=(const CString& s)
    {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(const wchar_t* psz)
    {
        if (psz)
            m_str += psz;
        return *this;
    }
    CString& operator+=(const char* psz) { return *this += CString(psz); }
    CString& operator+=(wchar_t ch)
    {
        m_str += ch;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_str += (wchar_t)(unsigned char)ch;
        return *this;
    }
    void Append(const wchar_t* psz) { *this += psz; }
    void Append(const wchar_t* pch, int n)
    {
        if (pch && n > 0)
            m_str.append(pch, (size_t)n);
    }
    void Append(const CString& s) { m_str += s.m_str; }
    void AppendChar(wchar_t ch) { m_str += ch; }

    friend CString operator+(const CString& a, const CString& b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString& a, const wchar_t* b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const wchar_t* a, const CString& b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString& a, wchar_t b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(wchar_t a, const CString& b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(CString&& a, const CString& b)
    {
        a += b;
        return std::move(a);
    }
    friend CString operator+(CString&& a, const wchar_t* b)
    {
        a += b;
        return std::move(a);
    }
    friend CString operator+(CString&& a, wchar_t b)
    {
        a += b;
        return std::move(a);
    }

    // Comparison
    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;
    int Collate(const wchar_t* psz) const;
    int CollateNoCase(const wchar_t* psz) const;

    // Extraction
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const wchar_t* pszCharSet) const;
    CString SpanExcluding(const wchar_t* pszCharSet) const;
    CString Tokenize(const wchar_t* pszTokens, int& iStart) const;

    // Changes
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
    int Remove(wchar_t ch);
    int Insert(int nIndex, wchar_t ch);
    int Insert(int nIndex, const wchar_t* psz);
    int Delete(int nIndex, int nCount = 1);
    CString& Trim();
    CString& Trim(wchar_t chTarget);
    CString& Trim(const wchar_t* pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t chTarget);
    CString& TrimLeft(const wchar_t* pszTargets);
    CString& TrimRight();
    CString& TrimRight(wchar_t chTarget);
    CString& TrimRight(const wchar_t* pszTargets);
    void Truncate(int nNewLength);
    void SetString(const wchar_t* psz) { *this = psz; }
    void SetString(const wchar_t* pch, int n) { m_str.assign(pch ? pch : L"", pch ? (size_t)n : 0); }

    // Searching
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(const wchar_t* pszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* pszCharSet) const;

    // Formatting (wide printf: %s is a wide string, %S an 8-bit one)
    void Format(const wchar_t* pszFormat, ...);
    void Format(UINT nFormatID, ...);
    void AppendFormat(const wchar_t* pszFormat, ...);
    void AppendFormat(UINT nFormatID, ...);
    void FormatV(const wchar_t* pszFormat, va_list args);
    void AppendFormatV(const wchar_t* pszFormat, va_list args);
    void FormatMessage(const wchar_t* pszFormat, ...);

    // Resources
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Raw buffer access
    wchar_t* GetBuffer();
    wchar_t* GetBuffer(int nMinBufLength);
    wchar_t* GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    void FreeExtra() { m_str.shrink_to_fit(); }
    void Preallocate(int nLength)
    {
        if (nLength > 0)
            m_str.reserve((size_t)nLength);
    }
    wchar_t* LockBuffer() { return GetBuffer(); }
    void UnlockBuffer() {}

    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;

private:
    std::wstring m_str;
};

inline bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
inline bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
inline bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator==(const CString& a, wchar_t b) { return a.GetLength() == 1 && a[0] == b; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
inline bool operator!=(const wchar_t* a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, wchar_t b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, const wchar_t* b) { return a.Compare(b) < 0; }
inline bool operator<(const wchar_t* a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, const wchar_t* b) { return a.Compare(b) > 0; }
inline bool operator>(const wchar_t* a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, const wchar_t* b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, const wchar_t* b) { return a.Compare(b) >= 0; }

typedef CString CStringW;

// 8-bit text in the ANSI code page (or any bytes).
class CStringA
{
public:
    CStringA() {}
    CStringA(const char* psz)
    {
        if (psz)
            m_str.assign(psz);
    }
    CStringA(const char* pch, int nLength)
    {
        if (pch && nLength > 0)
            m_str.assign(pch, (size_t)nLength);
    }
    CStringA(const wchar_t* psz);
    CStringA(const CString& s);
    CStringA(char ch, int nRepeat = 1)
    {
        if (nRepeat > 0)
            m_str.assign((size_t)nRepeat, ch);
    }
    explicit CStringA(const std::string& s) : m_str(s) {}

    CStringA& operator=(const char* psz)
    {
        if (psz)
            m_str.assign(psz);
        else
            m_str.clear();
        return *this;
    }
    CStringA& operator=(const CString& s) { return *this = CStringA(s); }
    CStringA& operator=(const wchar_t* psz) { return *this = CStringA(psz); }
    CStringA& operator+=(const CStringA& s)
    {
        m_str += s.m_str;
        return *this;
    }
    CStringA& operator+=(const char* psz)
    {
        if (psz)
            m_str += psz;
        return *this;
    }
    CStringA& operator+=(char ch)
    {
        m_str += ch;
        return *this;
    }
    friend CStringA operator+(const CStringA& a, const CStringA& b)
    {
        CStringA r(a);
        r += b;
        return r;
    }
    friend CStringA operator+(const CStringA& a, const char* b)
    {
        CStringA r(a);
        r += b;
        return r;
    }
    friend CStringA operator+(const CStringA& a, char b)
    {
        CStringA r(a);
        r += b;
        return r;
    }

    int GetLength() const { return (int)m_str.size(); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int i) const { return m_str[(size_t)i]; }
    void SetAt(int i, char ch) { m_str[(size_t)i] = ch; }
    char operator[](int i) const { return m_str[(size_t)i]; }
    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }
    int Compare(const char* psz) const { return strcmp(m_str.c_str(), psz ? psz : ""); }
    int Find(char ch, int nStart = 0) const;
    int Find(const char* psz, int nStart = 0) const;
    CStringA Mid(int nFirst, int nCount = INT_MAX) const;
    CStringA Left(int nCount) const { return Mid(0, nCount); }
    void Format(const char* pszFormat, ...);
    char* GetBuffer(int nMinBufLength);
    char* GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::string m_str;
};

inline bool operator==(const CStringA& a, const CStringA& b) { return a.str() == b.str(); }
inline bool operator==(const CStringA& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator!=(const CStringA& a, const CStringA& b) { return !(a == b); }
inline bool operator!=(const CStringA& a, const char* b) { return a.Compare(b) != 0; }
inline bool operator<(const CStringA& a, const CStringA& b) { return a.str() < b.str(); }

// Conversions between the ANSI code page and UTF-16.
CString PlatformAnsiToWide(const char* p, int nBytes = -1, UINT codePage = CP_ACP);
CStringA PlatformWideToAnsi(const wchar_t* p, int nChars = -1, UINT codePage = CP_ACP);
