#include "phone/StoreHelpers.h"

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
