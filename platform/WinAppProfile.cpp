// CWinApp profile: values in the registry of the current user, or in an .ini file.
#include "platform/WinApp.h"
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _wcsdup(lpszRegistryKey ? lpszRegistryKey : L"");
    free((void*)m_pszProfileName);
    m_pszProfileName = _wcsdup(m_pszAppName ? m_pszAppName : L"");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key.GetString());
}

namespace
{
// Opens (creates when missing) a key below HKEY_CURRENT_USER\Software in one registry call; null on failure.
HKEY CreateSoftwareKey(const CString& strPath)
{
    HKEY hKey = nullptr;
    DWORD dw;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\" + strPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE | KEY_READ, nullptr, &hKey, &dw) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

CString SectionPath(LPCTSTR pszRegistryKey, LPCTSTR pszProfileName, LPCTSTR pszSection)
{
    return CString(pszRegistryKey) + L"\\" + pszProfileName + L"\\" + pszSection;
}

// The section keys stay open for the process, one handle each: a setting read or written is one registry call, not
// three. A key deleted meanwhile (its section or the program's key gone) is opened, so made, again. Runs fn with the
// key.
LONG WithSectionKey(const CString& strPath, const std::function<LONG(HKEY)>& fn)
{
    static std::mutex s_lock;
    static std::map<std::wstring, HKEY> s_keys;
    std::lock_guard<std::mutex> guard(s_lock);
    HKEY& hKey = s_keys[std::wstring(strPath.GetString())];
    for (int nTry = 0; nTry < 2; nTry++)
    {
        if (hKey == nullptr && (hKey = CreateSoftwareKey(strPath)) == nullptr)
            return ERROR_FILE_NOT_FOUND;
        const LONG r = fn(hKey);
        if (r != ERROR_KEY_DELETED)
            return r;
        RegCloseKey(hKey);
        hKey = nullptr;
    }
    return ERROR_KEY_DELETED;
}
} // namespace

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    return CreateSoftwareKey(CString(m_pszRegistryKey) + L"\\" + m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    if (!lpszSection || !m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    // The section's key opened at once, not through the application's key.
    return CreateSoftwareKey(SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection));
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (!lpszSection || !lpszEntry)
        return (UINT)nDefault;
    if (m_pszRegistryKey)
    {
        DWORD dwValue = 0, dwType = REG_NONE, dwCount = sizeof(DWORD);
        LONG r = WithSectionKey(SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection), [&](HKEY hSecKey) {
            dwType = REG_NONE;
            dwCount = sizeof(DWORD);
            return RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue, &dwCount);
        });
        if (r == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
            return (UINT)dwValue;
        return (UINT)nDefault;
    }
    return GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (!lpszSection || !lpszEntry)
        return CString(lpszDefault);
    if (m_pszRegistryKey)
    {
        CString value;
        LONG r = WithSectionKey(SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection), [&](HKEY hSecKey) {
            DWORD dwType = REG_NONE, dwCount = 0;
            LONG rq = RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
            if (rq == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
            {
                // The stored text need not end with a terminator; leave room for one.
                std::vector<wchar_t> buf(dwCount / sizeof(wchar_t) + 2, 0);
                DWORD size = (DWORD)((buf.size() - 1) * sizeof(wchar_t));
                rq = RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, (LPBYTE)buf.data(), &size);
                if (rq == ERROR_SUCCESS)
                {
                    size_t n = size / sizeof(wchar_t);
                    while (n > 0 && buf[n - 1] == 0)
                        --n;
                    value = CString(buf.data(), (int)n);
                    value.ReleaseBuffer(); // stop at an embedded terminator
                }
            }
            else if (rq == ERROR_SUCCESS)
                rq = ERROR_INVALID_DATA;
            return rq;
        });
        return r == ERROR_SUCCESS ? value : CString(lpszDefault);
    }
    std::vector<wchar_t> buf(4096);
    for (;;)
    {
        DWORD n = GetPrivateProfileStringW(lpszSection, lpszEntry, lpszDefault ? lpszDefault : L"", buf.data(),
                                           (DWORD)buf.size(), m_pszProfileName);
        if (n < buf.size() - 1 || buf.size() >= (1u << 20))
            return CString(buf.data(), (int)n);
        buf.resize(buf.size() * 4);
    }
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (!lpszSection || !lpszEntry)
        return FALSE;
    if (m_pszRegistryKey)
    {
        DWORD v = (DWORD)nValue;
        LONG r = WithSectionKey(SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection), [&](HKEY hSecKey) {
            return RegSetValueExW(hSecKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&v, sizeof v);
        });
        return r == ERROR_SUCCESS;
    }
    wchar_t text[16];
    _snwprintf(text, 16, L"%d", nValue);
    text[15] = 0;
    return WritePrivateProfileStringW(lpszSection, lpszEntry, text, m_pszProfileName);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (!lpszSection)
        return FALSE;
    if (m_pszRegistryKey)
    {
        LONG r;
        if (!lpszEntry)
        {
            // No entry: the whole section goes.
            HKEY hAppKey = GetAppRegistryKey();
            if (!hAppKey)
                return FALSE;
            r = DelRegTree(hAppKey, CString(lpszSection));
            RegCloseKey(hAppKey);
            return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
        }
        r = WithSectionKey(SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection), [&](HKEY hSecKey) {
            if (!lpszValue)
            {
                const LONG rd = RegDeleteValueW(hSecKey, lpszEntry);
                return rd == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rd;
            }
            return RegSetValueExW(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                  (DWORD)((wcslen(lpszValue) + 1) * sizeof(wchar_t)));
        });
        return r == ERROR_SUCCESS;
    }
    return WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (!ppData || !pBytes)
        return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    if (!lpszSection || !lpszEntry)
        return FALSE;
    if (m_pszRegistryKey)
    {
        LONG r = WithSectionKey(SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection), [&](HKEY hSecKey) {
            DWORD dwType = REG_NONE, dwCount = 0;
            LONG rq = RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
            if (rq == ERROR_SUCCESS && dwType == REG_BINARY)
            {
                BYTE* data = new BYTE[dwCount ? dwCount : 1];
                rq = RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, data, &dwCount);
                if (rq == ERROR_SUCCESS)
                {
                    *ppData = data;
                    *pBytes = dwCount;
                }
                else
                    delete[] data;
            }
            else if (rq == ERROR_SUCCESS)
                rq = ERROR_INVALID_DATA;
            return rq;
        });
        return r == ERROR_SUCCESS;
    }
    // .ini: two letters per byte, low nibble first, 'A' + nibble.
    CString text = GetProfileString(lpszSection, lpszEntry, nullptr);
    if (text.IsEmpty() || text.GetLength() % 2 != 0)
        return FALSE;
    UINT n = (UINT)text.GetLength() / 2;
    BYTE* data = new BYTE[n];
    for (UINT i = 0; i < n; ++i)
    {
        int lo = text[(int)(2 * i)] - L'A', hi = text[(int)(2 * i + 1)] - L'A';
        if (lo < 0 || lo > 15 || hi < 0 || hi > 15)
        {
            delete[] data;
            return FALSE;
        }
        data[i] = (BYTE)((hi << 4) | lo);
    }
    *ppData = data;
    *pBytes = n;
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (!lpszSection || !lpszEntry)
        return FALSE;
    if (m_pszRegistryKey)
    {
        LONG r = WithSectionKey(SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection), [&](HKEY hSecKey) {
            return RegSetValueExW(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
        });
        return r == ERROR_SUCCESS;
    }
    CString text;
    wchar_t* p = text.GetBufferSetLength((int)nBytes * 2);
    for (UINT i = 0; i < nBytes; ++i)
    {
        p[2 * i] = (wchar_t)(L'A' + (pData[i] & 0x0F));
        p[2 * i + 1] = (wchar_t)(L'A' + ((pData[i] >> 4) & 0x0F));
    }
    text.ReleaseBuffer((int)nBytes * 2);
    return WriteProfileString(lpszSection, lpszEntry, text);
}

LONG CWinApp::DelRegTree(HKEY hParentKey, const CString& strKeyName)
{
    HKEY hKey = nullptr;
    LONG r = RegOpenKeyExW(hParentKey, strKeyName, 0, KEY_READ | KEY_WRITE, &hKey);
    if (r != ERROR_SUCCESS)
        return r;
    for (;;)
    {
        wchar_t name[256];
        DWORD len = 256;
        r = RegEnumKeyExW(hKey, 0, name, &len, nullptr, nullptr, nullptr, nullptr);
        if (r != ERROR_SUCCESS)
            break;
        r = DelRegTree(hKey, CString(name));
        if (r != ERROR_SUCCESS)
            break;
    }
    RegCloseKey(hKey);
    if (r != ERROR_NO_MORE_ITEMS && r != ERROR_SUCCESS)
        return r;
    return RegDeleteKeyW(hParentKey, strKeyName);
}
