// A key of the current user's registry kept aside while a run changes it, and given back after: used by the tests
// and the benchmarks that start the built program on its own key.
#pragma once
#include <windows.h>
#include <string>

namespace keptkey
{
// The copy waits in the "Copy" subkey of the kept key; "Whole" is set there once the copy is complete, and cleared
// before the copy goes. A run killed at any point leaves either the key untouched or a whole copy behind.
constexpr wchar_t kCopy[] = L"Copy";
constexpr wchar_t kWhole[] = L"Whole";

inline bool Exists(const wchar_t* pszKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

// The whole tree of pszFrom into pszTo (made when missing); false when pszFrom is missing or the copy failed.
inline bool CopyTree(const wchar_t* pszFrom, const wchar_t* pszTo)
{
    HKEY hFrom = nullptr, hTo = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, pszFrom, 0, KEY_READ, &hFrom) != ERROR_SUCCESS)
        return false;
    bool bCopied = false;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, pszTo, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hTo, nullptr) ==
        ERROR_SUCCESS)
    {
        bCopied = ::RegCopyTreeW(hFrom, nullptr, hTo) == ERROR_SUCCESS;
        ::RegCloseKey(hTo);
    }
    ::RegCloseKey(hFrom);
    return bCopied;
}

// The number of values and subkeys the key holds, -1 when it cannot be read.
inline int Entries(const wchar_t* pszKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return -1;
    DWORD nKeys = 0, nValues = 0;
    const LONG r = ::RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, &nKeys, nullptr, nullptr, &nValues, nullptr,
                                      nullptr, nullptr, nullptr);
    ::RegCloseKey(hKey);
    return r == ERROR_SUCCESS ? (int)(nKeys + nValues) : -1;
}
} // namespace keptkey

// The key named pszKey under HKEY_CURRENT_USER, kept under pszKeptKey (a key of the run's own) from Keep to
// GiveBack. A copy a killed run left there is given back first, never thrown away.
class KeptKey
{
public:
    KeptKey(const wchar_t* pszKey, const wchar_t* pszKeptKey) : m_strKey(pszKey), m_strKept(pszKeptKey) {}
    ~KeptKey()
    {
        if (m_bKept)
            GiveBack();
    }
    KeptKey(const KeptKey&) = delete;
    KeptKey& operator=(const KeptKey&) = delete;

    // Gives back what an earlier run left, then copies the key aside (an empty copy when it is missing); false when
    // either failed, the key then left as it is.
    bool Keep()
    {
        if (!GiveBack())
            return false;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strKept.c_str()); // a copy that was never whole: the key is as it was
        const std::wstring strCopy = m_strKept + L"\\" + keptkey::kCopy;
        HKEY hCopy = nullptr;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, strCopy.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hCopy,
                              nullptr) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hCopy);
        if (keptkey::Exists(m_strKey.c_str()) && !keptkey::CopyTree(m_strKey.c_str(), strCopy.c_str()))
        {
            ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strKept.c_str());
            return false;
        }
        const DWORD dwWhole = 1;
        m_bKept = ::RegSetKeyValueW(HKEY_CURRENT_USER, m_strKept.c_str(), keptkey::kWhole, REG_DWORD, &dwWhole,
                                    sizeof dwWhole) == ERROR_SUCCESS;
        return m_bKept;
    }

    // Puts the key back as the whole copy holds it (no key for an empty copy) and removes the copy; true when no
    // whole copy is left waiting.
    bool GiveBack()
    {
        DWORD dwWhole = 0, dwSize = sizeof dwWhole;
        if (::RegGetValueW(HKEY_CURRENT_USER, m_strKept.c_str(), keptkey::kWhole, RRF_RT_REG_DWORD, nullptr, &dwWhole,
                           &dwSize) != ERROR_SUCCESS)
            return true;
        const std::wstring strCopy = m_strKept + L"\\" + keptkey::kCopy;
        const int nEntries = keptkey::Entries(strCopy.c_str());
        if (nEntries < 0)
            return false; // the copy stays for the next run, the key as it is
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strKey.c_str());
        if (nEntries > 0 && !keptkey::CopyTree(strCopy.c_str(), m_strKey.c_str()))
            return false;
        HKEY hKept = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, m_strKept.c_str(), 0, KEY_SET_VALUE, &hKept) == ERROR_SUCCESS)
        {
            ::RegDeleteValueW(hKept, keptkey::kWhole);
            ::RegCloseKey(hKept);
        }
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strKept.c_str());
        m_bKept = false;
        return true;
    }

private:
    std::wstring m_strKey, m_strKept;
    bool m_bKept = false; // this object made the copy that waits
};
