#include "phone/StoreHelpers.h"

CString GetAppFolder()
{
    WCHAR path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        path[0] = 0;
    WCHAR* slash = wcsrchr(path, L'\\');
    if (slash)
        slash[1] = 0;
    else
        path[0] = 0;
    return CString(path);
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
