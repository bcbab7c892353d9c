#include "platform/Platform.h"
#include "platform/DialogDataExchange.h"
#include "res/platform_ids.h"
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cwctype>

namespace
{
// The prompt of a string resource with %1 and %2 filled in; the fallback when it is missing.
CString Prompt(UINT nID, const wchar_t* fallback, const wchar_t* arg1 = nullptr, const wchar_t* arg2 = nullptr)
{
    CString text;
    if (!text.LoadString(nID))
        text = fallback;
    if (arg1)
        text.Replace(L"%1", arg1);
    if (arg2)
        text.Replace(L"%2", arg2);
    return text;
}

void FailWith(CDataExchange* pDX, const CString& text)
{
    AfxMessageBox((LPCTSTR)text, MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Whole-text number parsers: only blanks may surround the number.
bool ParseSigned(const CString& text, long long lo, long long hi, long long& out)
{
    const wchar_t* p = (LPCTSTR)text;
    while (iswspace(*p))
        ++p;
    if (*p == 0)
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    long long v = wcstoll(p, &end, 10);
    if (end == p || errno == ERANGE)
        return false;
    while (iswspace(*end))
        ++end;
    if (*end != 0 || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

bool ParseUnsigned(const CString& text, unsigned long long hi, unsigned long long& out)
{
    const wchar_t* p = (LPCTSTR)text;
    while (iswspace(*p))
        ++p;
    if (*p == 0 || *p == L'-')
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    unsigned long long v = wcstoull(p, &end, 10);
    if (end == p || errno == ERANGE)
        return false;
    while (iswspace(*end))
        ++end;
    if (*end != 0 || v > hi)
        return false;
    out = v;
    return true;
}

bool ParseReal(const CString& text, double& out)
{
    const wchar_t* p = (LPCTSTR)text;
    while (iswspace(*p))
        ++p;
    if (*p == 0)
        return false;
    wchar_t* end = nullptr;
    double v = wcstod(p, &end);
    if (end == p)
        return false;
    while (iswspace(*end))
        ++end;
    if (*end != 0)
        return false;
    out = v;
    return true;
}

template <class T> void TextSigned(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long v = 0;
        if (!ParseSigned(PlatformWindowText(hWndCtrl), lo, hi, v))
            FailWith(pDX, Prompt(AFX_IDP_PARSE_INT, L"Masukkan bilangan bulat."));
        value = (T)v;
    }
    else
    {
        CString text;
        text.Format(L"%lld", (long long)value);
        ::SetWindowTextW(hWndCtrl, text);
    }
}

template <class T>
void TextUnsigned(CDataExchange* pDX, int nIDC, T& value, unsigned long long hi, UINT nPrompt, const wchar_t* fallback)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        unsigned long long v = 0;
        if (!ParseUnsigned(PlatformWindowText(hWndCtrl), hi, v))
            FailWith(pDX, Prompt(nPrompt, fallback));
        value = (T)v;
    }
    else
    {
        CString text;
        text.Format(L"%llu", (unsigned long long)value);
        ::SetWindowTextW(hWndCtrl, text);
    }
}

template <class T> void TextReal(CDataExchange* pDX, int nIDC, T& value, int digits)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double v = 0;
        if (!ParseReal(PlatformWindowText(hWndCtrl), v))
            FailWith(pDX, Prompt(AFX_IDP_PARSE_REAL, L"Masukkan angka."));
        value = (T)v;
    }
    else
    {
        CString text;
        text.Format(L"%.*g", digits, (double)value);
        ::SetWindowTextW(hWndCtrl, text);
    }
}

template <class T> void RangeSigned(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString lo, hi;
    lo.Format(L"%lld", (long long)minVal);
    hi.Format(L"%lld", (long long)maxVal);
    FailWith(pDX, Prompt(AFX_IDP_PARSE_INT_RANGE, L"Masukkan bilangan bulat antara %1 dan %2.", lo, hi));
}

template <class T> void RangeUnsigned(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString lo, hi;
    lo.Format(L"%llu", (unsigned long long)minVal);
    hi.Format(L"%llu", (unsigned long long)maxVal);
    FailWith(pDX, Prompt(AFX_IDP_PARSE_INT_RANGE, L"Masukkan bilangan bulat antara %1 dan %2.", lo, hi));
}

template <class T> void RangeReal(CDataExchange* pDX, T value, T minVal, T maxVal, int digits)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString lo, hi;
    lo.Format(L"%.*g", digits, (double)minVal);
    hi.Format(L"%.*g", digits, (double)maxVal);
    FailWith(pDX, Prompt(AFX_IDP_PARSE_REAL_RANGE, L"Masukkan angka antara %1 dan %2.", lo, hi));
}

} // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = PlatformWindowText(hWndCtrl);
    else
        ::SetWindowTextW(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { TextSigned(pDX, nIDC, value, INT_MIN, INT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { TextSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) { TextSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    TextUnsigned(pDX, nIDC, value, UINT_MAX, AFX_IDP_PARSE_UINT, L"Masukkan bilangan bulat positif.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    TextUnsigned(pDX, nIDC, value, 0xFFFFFFFFull, AFX_IDP_PARSE_UINT, L"Masukkan bilangan bulat positif.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    TextUnsigned(pDX, nIDC, value, 255, AFX_IDP_PARSE_BYTE, L"Masukkan bilangan bulat antara 0 dan 255.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) { TextReal(pDX, nIDC, value, DBL_DIG); }
void DDX_Text(CDataExchange* pDX, int nIDC, float& value) { TextReal(pDX, nIDC, value, FLT_DIG); }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageW(hWndCtrl, BM_SETCHECK, (value < 0 || value > 2) ? 0 : value, 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from the first button to the next control with WS_GROUP.
    int index = 0;
    do
    {
        if (::SendMessageW(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = index;
            }
            else
                ::SendMessageW(hWndCtrl, BM_SETCHECK, index == value, 0);
            ++index;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongW(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

// The selected index of a list or combo box, given its messages for getting and setting it.
static void SelectionIndex(CDataExchange* pDX, int nIDC, int& index, UINT getMsg, UINT setMsg)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageW(hWndCtrl, getMsg, 0, 0);
    else
        ::SendMessageW(hWndCtrl, setMsg, index, 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    SelectionIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

static void ComboString(CDataExchange* pDX, int nIDC, CString& value, UINT findMsg)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    bool dropList = (::GetWindowLongW(hWndCtrl, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
    if (pDX->m_bSaveAndValidate)
    {
        if (!dropList)
            value = PlatformWindowText(hWndCtrl);
        else
        {
            int sel = (int)::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0);
            value = sel == CB_ERR ? CString() : PlatformListItemText(hWndCtrl, CB_GETLBTEXTLEN, CB_GETLBTEXT, sel);
        }
        return;
    }
    int found = (int)::SendMessageW(hWndCtrl, findMsg, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (found != CB_ERR)
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, found, 0);
    else if (!dropList)
        ::SetWindowTextW(hWndCtrl, value);
    else
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, (WPARAM)-1, 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) { ComboString(pDX, nIDC, value, CB_FINDSTRING); }
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ComboString(pDX, nIDC, value, CB_FINDSTRINGEXACT);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    SelectionIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

static void ListString(CDataExchange* pDX, int nIDC, CString& value, UINT findMsg)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int sel = (int)::SendMessageW(hWndCtrl, LB_GETCURSEL, 0, 0);
        value = sel == LB_ERR ? CString() : PlatformListItemText(hWndCtrl, LB_GETTEXTLEN, LB_GETTEXT, sel);
        return;
    }
    int found = (int)::SendMessageW(hWndCtrl, findMsg, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    ::SendMessageW(hWndCtrl, LB_SETCURSEL, found == LB_ERR ? (WPARAM)-1 : (WPARAM)found, 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) { ListString(pDX, nIDC, value, LB_FINDSTRING); }
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ListString(pDX, nIDC, value, LB_FINDSTRINGEXACT);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) { RangeSigned(pDX, value, minVal, maxVal); }
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    RangeSigned(pDX, value, minVal, maxVal);
}
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    RangeSigned(pDX, value, minVal, maxVal);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    RangeUnsigned(pDX, value, minVal, maxVal);
}
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    RangeUnsigned(pDX, value, minVal, maxVal);
}
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    RangeUnsigned(pDX, value, minVal, maxVal);
}
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    RangeReal(pDX, value, minVal, maxVal, DBL_DIG);
}
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal)
{
    RangeReal(pDX, value, minVal, maxVal, FLT_DIG);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > nChars)
        {
            CString n;
            n.Format(L"%d", nChars);
            FailWith(pDX, Prompt(AFX_IDP_PARSE_STRING_SIZE, L"Masukkan tidak lebih dari %1 karakter.", n));
        }
    }
    else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
        ::SendMessageW(pDX->m_hWndLastControl, EM_LIMITTEXT, nChars, 0);
}
