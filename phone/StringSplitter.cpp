// The tokenizer and the splitter of texts.
#include "phone/StringSplitter.h"

#include <cwchar>

CStringTokenizer::CStringTokenizer(LPCWSTR pszText, LPCWSTR pszDelimiters, BOOL bDropQuotes)
    : m_bDropQuotes(bDropQuotes), m_nTokens(0), m_pTokens(nullptr), m_pszText(nullptr)
{
    wmemset(m_szDelimiters, 0, 10);
    if (pszDelimiters)
        for (int i = 0; i < 8 && pszDelimiters[i]; ++i)
            m_szDelimiters[i] = pszDelimiters[i];
    if (!pszText)
        pszText = L"";
    const size_t n = wcslen(pszText);
    m_pszText = new WCHAR[n + 1];
    wmemcpy(m_pszText, pszText, n + 1);
    Tokenize();
}

CStringTokenizer::~CStringTokenizer()
{
    delete[] m_pTokens;
    delete[] m_pszText;
}

void CStringTokenizer::Tokenize()
{
    delete[] m_pTokens;
    int count = 1;
    for (const WCHAR* p = m_pszText; *p; ++p)
        if (wcschr(m_szDelimiters, *p) && *p)
            ++count;
    m_pTokens = new CString[count];
    m_nTokens = 0;
    CString current;
    for (const WCHAR* p = m_pszText; *p; ++p)
    {
        if (wcschr(m_szDelimiters, *p))
        {
            m_pTokens[m_nTokens++] = current;
            current.Empty();
        }
        else if (!(m_bDropQuotes && *p == L'"'))
            current += *p;
    }
    m_pTokens[m_nTokens++] = current;
}

CString CStringTokenizer::GetToken(int n) const
{
    if (n < 1 || n > m_nTokens)
        return CString();
    return m_pTokens[n - 1];
}

CStringSplitter::CStringSplitter() {}

CStringSplitter::CStringSplitter(const CString& strText, const CString& strDelimiter) { Split(strText, strDelimiter); }

void CStringSplitter::Split(const CString& strText, const CString& strDelimiter)
{
    RemoveAll();
    if (strDelimiter.IsEmpty())
    {
        Add(strText);
        return;
    }
    // Walk an offset instead of cutting copies: a reply of many kilobytes stays linear.
    const int len = strText.GetLength();
    int start = 0;
    for (;;)
    {
        const int p = strText.Find(strDelimiter, start);
        if (p < 0)
            break;
        Add(strText.Mid(start, p - start));
        start = p + 1;
        if (start > len)
            start = len;
    }
    Add(strText.Mid(start));
}

CString CStringSplitter::GetField(int i) const
{
    if (i < 0 || i >= GetSize())
        return CString();
    return GetAt(i);
}
