// Cutting texts into pieces: the tokenizer (any of a few delimiter characters) and the splitter
// (every occurrence of a delimiter text).
#pragma once
#include "platform/Platform.h"

class CStringTokenizer
{
public:
    // At most 8 delimiter characters are used; more are ignored.
    CStringTokenizer(LPCWSTR pszText, LPCWSTR pszDelimiters, BOOL bDropQuotes = FALSE);
    ~CStringTokenizer();

    // Token n, numbered from 1; an empty text outside 1 to GetCount().
    CString GetToken(int n) const;
    int GetCount() const { return m_nTokens; }

private:
    CStringTokenizer(const CStringTokenizer&) = delete;
    CStringTokenizer& operator=(const CStringTokenizer&) = delete;
    void Tokenize();

    BOOL m_bDropQuotes;
    WCHAR m_szDelimiters[10];
    int m_nTokens;
    CString* m_pTokens;
    WCHAR* m_pszText;
};

// The fields between every occurrence of a delimiter text, numbered from 0. After a match the
// field and ONE character are dropped, so with a longer delimiter every later field starts with
// the rest of the delimiter ("+CMGL:" leaves fields that begin with "CMGL:").
class CStringSplitter : public CStringArray
{
public:
    CStringSplitter();
    CStringSplitter(const CString& strText, const CString& strDelimiter);

    // An empty delimiter gives the whole text as the one field.
    void Split(const CString& strText, const CString& strDelimiter);
    CString GetField(int i) const;
};
