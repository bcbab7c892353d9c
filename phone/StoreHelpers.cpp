// Small helpers of the phone link and the message store.
#include "phone/StoreHelpers.h"
#include <cwctype>

CString GetAppFolder()
{
    const CString path = PlatformModuleFileName();
    return path.Left(path.ReverseFind(L'\\') + 1);
}

CString FilterPhoneNumber(CString strNumber)
{
    CString result;
    for (int i = 0; i < strNumber.GetLength(); ++i)
    {
        const WCHAR c = strNumber[i];
        if (c == L'+' || (c >= L'0' && c <= L'9'))
            result += c;
    }
    return result;
}

namespace
{
// The digits of a number in international form (country code first), or its digits as they stand
// for a short number. "00" before the country code is the international prefix, as "+" is.
CString InternationalDigits(const CString& strNumber, bool& bShort)
{
    const CString filtered = FilterPhoneNumber(strNumber);
    CString digits = filtered;
    digits.Remove(L'+');
    const bool bPrefix = digits.Left(2) == L"00";
    if (bPrefix)
        digits = digits.Mid(2);
    const bool bNational = !bPrefix && digits.Left(1) == L"0";
    bShort = filtered.Find(L'+') < 0 && !bPrefix && !bNational && digits.GetLength() <= kMaxShortNumberDigits;
    if (bNational)
        digits = L"62" + digits.Mid(1);
    return digits;
}

bool HasLetter(const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); ++i)
        if (iswalpha(strText[i]))
            return true;
    return false;
}
} // namespace

bool SamePhoneNumber(const CString& strA, const CString& strB)
{
    // An alphanumeric sender ("TSEL888") is a name, not a number that holds digits.
    if (HasLetter(strA) || HasLetter(strB))
        return strA == strB;
    bool bShortA = false, bShortB = false;
    const CString a = InternationalDigits(strA, bShortA), b = InternationalDigits(strB, bShortB);
    return !a.IsEmpty() && bShortA == bShortB && a == b;
}

BOOL IsAllDigits(const CString& strText)
{
    if (strText.IsEmpty())
        return FALSE;
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText[i] < L'0' || strText[i] > L'9')
            return FALSE;
    return TRUE;
}

CString LoadResourceText(UINT nID)
{
    const wchar_t* p = nullptr;
    const int n = LoadStringW(GetModuleHandleW(nullptr), nID, (LPWSTR)&p, 0);
    return n > 0 ? CString(p, n) : CString();
}

CString FormatResourceText(UINT nID, const CString& strValue)
{
    CString strText = LoadResourceText(nID);
    strText.Replace(L"##", strValue);
    return strText;
}

CString TwoDigitField(int nValue)
{
    CString s;
    s.Format(L"%02d", nValue % 100);
    return s;
}

bool StartsWithFourDigits(const CString& strText)
{
    if (strText.GetLength() < 4)
        return false;
    for (int i = 0; i < 4; ++i)
    {
        if (strText[i] < L'0' || strText[i] > L'9')
            return false;
    }
    return true;
}
