// CString and CStringA.
#include "platform/String.h"
#include "platform/Exceptions.h"
#include "platform/ResourceWalk.h"
#include <algorithm>
#include <cstring>
#include <cwctype>
#include <oleauto.h>

CString PlatformAnsiToWide(const char* p, int nBytes, UINT codePage)
{
    CString r;
    if (!p)
        return r;
    if (nBytes < 0)
        nBytes = (int)strlen(p);
    if (nBytes == 0)
        return r;
    int n = MultiByteToWideChar(codePage, 0, p, nBytes, nullptr, 0);
    if (n > 0)
    {
        wchar_t* buf = r.GetBufferSetLength(n);
        MultiByteToWideChar(codePage, 0, p, nBytes, buf, n);
        r.ReleaseBuffer(n);
    }
    return r;
}

CStringA PlatformWideToAnsi(const wchar_t* p, int nChars, UINT codePage)
{
    CStringA r;
    if (!p)
        return r;
    if (nChars < 0)
        nChars = (int)wcslen(p);
    if (nChars == 0)
        return r;
    int n = WideCharToMultiByte(codePage, 0, p, nChars, nullptr, 0, nullptr, nullptr);
    if (n > 0)
    {
        char* buf = r.GetBufferSetLength(n);
        WideCharToMultiByte(codePage, 0, p, nChars, buf, n, nullptr, nullptr);
        r.ReleaseBuffer(n);
    }
    return r;
}

namespace
{
// What CString and CStringA share, over the standard string each holds.
template <class Str> int FindChar(const Str& s, typename Str::value_type ch, int nStart)
{
    if (nStart < 0 || nStart >= (int)s.size())
        return -1;
    size_t p = s.find(ch, (size_t)nStart);
    return p == Str::npos ? -1 : (int)p;
}

template <class Str> int FindText(const Str& s, const typename Str::value_type* psz, int nStart)
{
    if (!psz || nStart < 0 || nStart > (int)s.size())
        return -1;
    size_t p = s.find(psz, (size_t)nStart);
    return p == Str::npos ? -1 : (int)p;
}

// Keeps a range of nCount characters from nFirst inside a string of nLength characters.
void ClampRange(int nLength, int& nFirst, int& nCount)
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLength)
        nFirst = nLength;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
}

// The length after a caller wrote into the buffer: the given one (within the buffer), or up to
// the first NUL when it is negative.
template <class Str> void ReleaseBufferOf(Str& s, int nNewLength)
{
    const size_t cap = s.size();
    if (nNewLength < 0)
        s.resize(std::min(s.find(typename Str::value_type()), cap));
    else
        s.resize(std::min((size_t)nNewLength, cap));
}
} // namespace

CString::CString(const wchar_t* psz)
{
    // A small integer in place of a text is a string resource id.
    if (psz && IS_INTRESOURCE(psz))
        LoadString((UINT)(UINT_PTR)psz);
    else if (psz)
        m_str.assign(psz);
}

CString::CString(const wchar_t* pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, (size_t)nLength);
}

CString::CString(const char* psz)
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString((UINT)(UINT_PTR)psz);
    else if (psz)
        *this = PlatformAnsiToWide(psz);
}

CString::CString(const char* pch, int nLength)
{
    if (pch && nLength > 0)
        *this = PlatformAnsiToWide(pch, nLength);
}

CString::CString(wchar_t ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign((size_t)nRepeat, ch);
}

CString::CString(const CStringA& s) : CString(PlatformAnsiToWide(s.GetString(), s.GetLength())) {}

CString& CString::operator=(const char* psz) { return *this = CString(psz); }

CString& CString::operator=(const CStringA& s) { return *this = CString(s); }

int CString::Compare(const wchar_t* psz) const { return wcscmp(m_str.c_str(), psz ? psz : L""); }

int CString::CompareNoCase(const wchar_t* psz) const { return _wcsicmp(m_str.c_str(), psz ? psz : L""); }

int CString::Collate(const wchar_t* psz) const { return wcscoll(m_str.c_str(), psz ? psz : L""); }

int CString::CollateNoCase(const wchar_t* psz) const { return _wcsicoll(m_str.c_str(), psz ? psz : L""); }

CString CString::Mid(int nFirst) const { return Mid(nFirst, INT_MAX); }

CString CString::Mid(int nFirst, int nCount) const
{
    int len = GetLength();
    ClampRange(len, nFirst, nCount);
    if (nFirst == 0 && nCount == len)
        return *this;
    return CString(m_str.data() + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    int len = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount >= len)
        return *this;
    return CString(m_str.data() + len - nCount, nCount);
}

CString CString::SpanIncluding(const wchar_t* pszCharSet) const
{
    if (!pszCharSet)
        return CString();
    return Left((int)wcsspn(m_str.c_str(), pszCharSet));
}

CString CString::SpanExcluding(const wchar_t* pszCharSet) const
{
    if (!pszCharSet)
        return *this;
    return Left((int)wcscspn(m_str.c_str(), pszCharSet));
}

CString CString::Tokenize(const wchar_t* pszTokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    if (iStart > GetLength())
    {
        iStart = -1;
        return CString();
    }
    if (!pszTokens || !*pszTokens)
    {
        if (iStart < GetLength())
        {
            CString r = Mid(iStart);
            iStart = GetLength();
            return r;
        }
        iStart = -1;
        return CString();
    }
    const wchar_t* p = m_str.c_str() + iStart;
    p += wcsspn(p, pszTokens);
    if (*p == 0)
    {
        iStart = -1;
        return CString();
    }
    size_t n = wcscspn(p, pszTokens);
    int first = (int)(p - m_str.c_str());
    iStart = first + (int)n + 1;
    return CString(p, (int)n);
}

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        CharUpperBuffW(&m_str[0], (DWORD)m_str.size());
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        CharLowerBuffW(&m_str[0], (DWORD)m_str.size());
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew)
{
    int n = 0;
    if (chOld == chNew)
        return (int)std::count(m_str.begin(), m_str.end(), chOld);
    for (auto& c : m_str)
        if (c == chOld)
        {
            c = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    size_t oldLen = wcslen(pszOld);
    std::wstring repl = pszNew ? pszNew : L"";
    size_t pos = m_str.find(pszOld, 0, oldLen);
    if (pos == std::wstring::npos)
        return 0;
    std::wstring out;
    out.reserve(m_str.size());
    size_t last = 0;
    int n = 0;
    while (pos != std::wstring::npos)
    {
        out.append(m_str, last, pos - last);
        out += repl;
        last = pos + oldLen;
        ++n;
        pos = m_str.find(pszOld, last, oldLen);
    }
    out.append(m_str, last, std::wstring::npos);
    m_str.swap(out);
    return n;
}

int CString::Remove(wchar_t ch)
{
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return (int)(before - m_str.size());
}

int CString::Insert(int nIndex, wchar_t ch)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    m_str.insert(m_str.begin() + nIndex, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const wchar_t* psz)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    if (psz)
        m_str.insert((size_t)nIndex, psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < GetLength())
    {
        if (nCount > GetLength() - nIndex)
            nCount = GetLength() - nIndex;
        m_str.erase((size_t)nIndex, (size_t)nCount);
    }
    return GetLength();
}

namespace
{
bool IsSpace(wchar_t c) { return iswspace(c) != 0; }
} // namespace

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && IsSpace(m_str[i]))
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(wchar_t chTarget)
{
    size_t i = 0;
    while (i < m_str.size() && m_str[i] == chTarget)
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(const wchar_t* pszTargets)
{
    if (!pszTargets || !*pszTargets)
        return *this;
    m_str.erase(0, wcsspn(m_str.c_str(), pszTargets));
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_str.size();
    while (n > 0 && IsSpace(m_str[n - 1]))
        --n;
    m_str.resize(n);
    return *this;
}

CString& CString::TrimRight(wchar_t chTarget)
{
    size_t n = m_str.size();
    while (n > 0 && m_str[n - 1] == chTarget)
        --n;
    m_str.resize(n);
    return *this;
}

CString& CString::TrimRight(const wchar_t* pszTargets)
{
    if (!pszTargets || !*pszTargets)
        return *this;
    size_t n = m_str.size();
    while (n > 0 && wcschr(pszTargets, m_str[n - 1]))
        --n;
    m_str.resize(n);
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(const wchar_t* pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

void CString::Truncate(int nNewLength)
{
    if (nNewLength >= 0 && nNewLength < GetLength())
        m_str.resize((size_t)nNewLength);
}

int CString::Find(wchar_t ch, int nStart) const { return FindChar(m_str, ch, nStart); }

int CString::Find(const wchar_t* pszSub, int nStart) const { return FindText(m_str, pszSub, nStart); }

int CString::ReverseFind(wchar_t ch) const
{
    size_t p = m_str.rfind(ch);
    return p == std::wstring::npos ? -1 : (int)p;
}

int CString::FindOneOf(const wchar_t* pszCharSet) const
{
    if (!pszCharSet)
        return -1;
    size_t p = m_str.find_first_of(pszCharSet);
    return p == std::wstring::npos ? -1 : (int)p;
}

void CString::AppendFormatV(const wchar_t* pszFormat, va_list args)
{
    if (!pszFormat)
        return;
    // The C runtime's own wide formatter: %s is a wide string, %S an 8-bit one.
    va_list count;
    va_copy(count, args);
    int n = _vscwprintf(pszFormat, count);
    va_end(count);
    if (n <= 0)
        return;
    size_t old = m_str.size();
    m_str.resize(old + (size_t)n + 1);
    int written = _vsnwprintf(&m_str[old], (size_t)n + 1, pszFormat, args);
    m_str.resize(old + (written < 0 ? 0 : (size_t)written));
}

void CString::FormatV(const wchar_t* pszFormat, va_list args)
{
    CString r;
    r.AppendFormatV(pszFormat, args);
    m_str.swap(r.m_str);
}

void CString::Format(const wchar_t* pszFormat, ...)
{
    va_list a;
    va_start(a, pszFormat);
    FormatV(pszFormat, a);
    va_end(a);
}

void CString::Format(UINT nFormatID, ...)
{
    CString fmt;
    fmt.LoadString(nFormatID);
    va_list a;
    va_start(a, nFormatID);
    FormatV(fmt, a);
    va_end(a);
}

void CString::AppendFormat(const wchar_t* pszFormat, ...)
{
    va_list a;
    va_start(a, pszFormat);
    AppendFormatV(pszFormat, a);
    va_end(a);
}

void CString::AppendFormat(UINT nFormatID, ...)
{
    CString fmt;
    fmt.LoadString(nFormatID);
    va_list a;
    va_start(a, nFormatID);
    AppendFormatV(fmt, a);
    va_end(a);
}

void CString::FormatMessage(const wchar_t* pszFormat, ...)
{
    va_list a;
    va_start(a, pszFormat);
    wchar_t* out = nullptr;
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, pszFormat, 0, 0,
                               (LPWSTR)&out, 0, &a);
    va_end(a);
    if (out)
    {
        m_str.assign(out, n);
        LocalFree(out);
    }
    else
    {
        m_str.clear();
    }
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // String tables hold 16 counted strings per block; read the block directly so that the
    // length is exact and no fixed buffer limits it.
    HRSRC res = FindResourceW(hInstance, MAKEINTRESOURCEW((nID >> 4) + 1), (LPCWSTR)RT_STRING);
    if (!res)
    {
        m_str.clear();
        return FALSE;
    }
    HGLOBAL h = LoadResource(hInstance, res);
    const DWORD size = SizeofResource(hInstance, res);
    const BYTE* block = h ? (const BYTE*)LockResource(h) : nullptr;
    m_str.clear();
    if (!block)
        return FALSE;
    // An entry that does not fit the block is not found (the block is outside data).
    const BYTE* chars = nullptr;
    WORD len = 0;
    if (!FindStringTableEntry(block, size, nID & 15, &chars, &len) || len == 0)
        return FALSE;
    m_str.resize(len);
    memcpy(&m_str[0], chars, (size_t)len * sizeof(wchar_t));
    return TRUE;
}

BOOL CString::LoadString(UINT nID)
{
    return LoadString(AfxGetResourceHandle(), nID) || LoadString(AfxGetInstanceHandle(), nID);
}

wchar_t* CString::GetBuffer() { return &m_str[0]; }

wchar_t* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize((size_t)nMinBufLength);
    return &m_str[0];
}

wchar_t* CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    m_str.resize((size_t)nNewLength);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) { ReleaseBufferOf(m_str, nNewLength); }

BSTR CString::AllocSysString() const { return SysAllocStringLen(m_str.c_str(), (UINT)m_str.size()); }

BSTR CString::SetSysString(BSTR* pbstr) const
{
    SysReAllocStringLen(pbstr, m_str.c_str(), (UINT)m_str.size());
    return *pbstr;
}

// CStringA

CStringA::CStringA(const wchar_t* psz) : CStringA(PlatformWideToAnsi(psz)) {}
CStringA::CStringA(const CString& s) : CStringA(PlatformWideToAnsi(s.GetString(), s.GetLength())) {}

int CStringA::Find(char ch, int nStart) const { return FindChar(m_str, ch, nStart); }

int CStringA::Find(const char* psz, int nStart) const { return FindText(m_str, psz, nStart); }

CStringA CStringA::Mid(int nFirst, int nCount) const
{
    ClampRange(GetLength(), nFirst, nCount);
    return CStringA(m_str.data() + nFirst, nCount);
}

void CStringA::Format(const char* pszFormat, ...)
{
    va_list a, b;
    va_start(a, pszFormat);
    va_copy(b, a);
    int n = _vscprintf(pszFormat, a);
    va_end(a);
    m_str.clear();
    if (n > 0)
    {
        m_str.resize((size_t)n + 1);
        int w = _vsnprintf(&m_str[0], (size_t)n + 1, pszFormat, b);
        m_str.resize(w < 0 ? 0 : (size_t)w);
    }
    va_end(b);
}

char* CStringA::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize((size_t)nMinBufLength);
    return &m_str[0];
}

char* CStringA::GetBufferSetLength(int nNewLength)
{
    m_str.resize(nNewLength < 0 ? 0 : (size_t)nNewLength);
    return &m_str[0];
}

void CStringA::ReleaseBuffer(int nNewLength) { ReleaseBufferOf(m_str, nNewLength); }
