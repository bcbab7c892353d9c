// CExtCmdManager: the registry archiver, a file kept under one key in 16-byte binary chunks grouped
// by 128 into block subkeys, with its size, an integrity text and the writer's name.
#include "platform/File.h"
#include "toolkit/foundation/ExtCmdManager.h"

namespace
{
const UINT CHUNK_SIZE = 16;
const UINT CHUNKS_PER_BLOCK = 128;
const wchar_t VALUE_SIZE[] = L"data_size";
const wchar_t VALUE_INTEGRITY[] = L"data_integrity";
const wchar_t VALUE_GENERATOR[] = L"data_generator";

CString BlockName(ULONGLONG nChunk)
{
    CString s;
    s.Format(L"block_0x%08lX", (unsigned long)(nChunk / CHUNKS_PER_BLOCK));
    return s;
}

CString ChunkName(ULONGLONG nChunk)
{
    CString s;
    s.Format(L"data_0x%08lX", (unsigned long)nChunk);
    return s;
}

// Stores a text value with its terminating zero.
bool SetStringValue(HKEY hKey, LPCWSTR lpszName, const CString& sValue)
{
    return ::RegSetValueExW(hKey, lpszName, 0, REG_SZ, (const BYTE*)(LPCTSTR)sValue,
                            (DWORD)((sValue.GetLength() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Deletes every subkey of hKey, deepest first.
bool DeleteSubKeys(HKEY hKey)
{
    DWORD nSubKeys = 0, nMaxName = 0;
    if (::RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, &nSubKeys, &nMaxName, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    if (nSubKeys == 0)
        return true;
    CString sName;
    for (DWORD i = nSubKeys; i-- > 0;)
    {
        wchar_t szName[256] = {};
        DWORD nName = 255;
        if (::RegEnumKeyExW(hKey, i, szName, &nName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return false;
        HKEY hSub = nullptr;
        if (::RegOpenKeyExW(hKey, szName, 0, KEY_READ | KEY_WRITE, &hSub) != ERROR_SUCCESS)
            return false;
        const bool bDeleted = DeleteSubKeys(hSub);
        ::RegCloseKey(hSub);
        if (!bDeleted || ::RegDeleteKeyW(hKey, szName) != ERROR_SUCCESS)
            return false;
    }
    return true;
}

class CKey
{
public:
    CKey() = default;
    ~CKey() { Close(); }
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;
    void Close()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
    HKEY m_hKey = nullptr;
};
} // namespace

void CExtCmdManager::FoldIntegrity(DWORD dwWords[4], const BYTE* pBytes, UINT nCount, ULONGLONG nIndex)
{
    for (UINT i = 0; i < nCount; ++i)
    {
        DWORD& w = dwWords[(nIndex + i) % 4];
        w = (w << 4) + pBytes[i];
        const DWORD g = w & 0xF0000000u;
        if (g != 0)
            w ^= (g >> 24) ^ g;
    }
}

CString CExtCmdManager::IntegrityText(const DWORD dwWords[4])
{
    CString sText;
    for (int i = 0; i < 4; ++i)
    {
        const DWORD w = dwWords[i];
        CString sWord;
        sWord.Format(L"%s%02X %02X %02X %02X", i == 0 ? L"" : L" ", (w >> 24) & 0xFF, (w >> 16) & 0xFF, (w >> 8) & 0xFF,
                     w & 0xFF);
        sText += sWord;
    }
    return sText;
}

bool CExtCmdManager::RegistryArchiveWrite(CFile& file, LPCTSTR lpszPath, HKEY hKeyRoot)
{
    if (lpszPath == nullptr)
        return false;
    {
        CKey old;
        if (::RegOpenKeyExW(hKeyRoot, lpszPath, 0, KEY_READ | KEY_WRITE, &old.m_hKey) == ERROR_SUCCESS)
        {
            const bool bEmptied = DeleteSubKeys(old.m_hKey);
            old.Close();
            if (bEmptied)
                ::RegDeleteKeyW(hKeyRoot, lpszPath);
        }
    }
    file.SeekToBegin();
    const ULONGLONG nLength = file.GetLength();
    CKey key;
    if (::RegCreateKeyExW(hKeyRoot, lpszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key.m_hKey,
                          nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD dwSize = (DWORD)nLength;
    if (::RegSetValueExW(key.m_hKey, VALUE_SIZE, 0, REG_DWORD, (const BYTE*)&dwSize, sizeof(dwSize)) != ERROR_SUCCESS)
        return false;
    DWORD dwWords[4] = {0, 0, 0, 0};
    const CString sBase = CString(lpszPath) + L"\\";
    CString sBlockPath;
    ULONGLONG nBlockOpen = (ULONGLONG)-1;
    CKey block;
    for (ULONGLONG nChunk = 0;; ++nChunk)
    {
        BYTE buf[CHUNK_SIZE];
        const UINT nRead = file.Read(buf, CHUNK_SIZE);
        if (nRead == 0)
            break;
        // One block subkey stays open while its chunks are written.
        if (nChunk / CHUNKS_PER_BLOCK != nBlockOpen)
        {
            block.Close();
            nBlockOpen = nChunk / CHUNKS_PER_BLOCK;
            if (::RegCreateKeyExW(hKeyRoot, sBase + BlockName(nChunk), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &block.m_hKey, nullptr) != ERROR_SUCCESS)
                return false;
        }
        if (::RegSetValueExW(block.m_hKey, ChunkName(nChunk), 0, REG_BINARY, buf, nRead) != ERROR_SUCCESS)
            return false;
        FoldIntegrity(dwWords, buf, nRead, nChunk * CHUNK_SIZE);
    }
    block.Close();
    if (!SetStringValue(key.m_hKey, VALUE_INTEGRITY, IntegrityText(dwWords)))
        return false;
    CString sVersion, sGenerator;
    sGenerator.Format(L"Nimbal v. %s registry archiver", (LPCTSTR)ToolkitVersionText(sVersion, L'.'));
    SetStringValue(key.m_hKey, VALUE_GENERATOR, sGenerator);
    return true;
}

bool CExtCmdManager::RegistryArchiveRead(CFile& file, LPCTSTR lpszPath, HKEY hKeyRoot)
{
    if (lpszPath == nullptr)
        return false;
    CKey key;
    if (::RegOpenKeyExW(hKeyRoot, lpszPath, 0, KEY_READ, &key.m_hKey) != ERROR_SUCCESS)
        return false;
    DWORD dwType = 0, dwSize = 0, cb = sizeof(dwSize);
    if (::RegQueryValueExW(key.m_hKey, VALUE_SIZE, nullptr, &dwType, (BYTE*)&dwSize, &cb) != ERROR_SUCCESS ||
        dwType != REG_DWORD || cb != sizeof(dwSize))
        return false;
    DWORD dwWords[4] = {0, 0, 0, 0};
    const CString sBase = CString(lpszPath) + L"\\";
    ULONGLONG nBlockOpen = (ULONGLONG)-1;
    CKey block;
    ULONGLONG nTaken = 0;
    if (dwSize != 0)
        file.SeekToEnd();
    for (ULONGLONG nChunk = 0; nTaken < dwSize; ++nChunk)
    {
        if (nChunk / CHUNKS_PER_BLOCK != nBlockOpen)
        {
            block.Close();
            nBlockOpen = nChunk / CHUNKS_PER_BLOCK;
            if (::RegOpenKeyExW(hKeyRoot, sBase + BlockName(nChunk), 0, KEY_READ, &block.m_hKey) != ERROR_SUCCESS)
                return false;
        }
        const DWORD nExpected = (DWORD)((dwSize - nTaken) < CHUNK_SIZE ? (dwSize - nTaken) : CHUNK_SIZE);
        BYTE buf[CHUNK_SIZE + 1];
        DWORD nChunkType = 0, nGot = sizeof(buf);
        const LONG lResult = ::RegQueryValueExW(block.m_hKey, ChunkName(nChunk), nullptr, &nChunkType, buf, &nGot);
        if (lResult != ERROR_SUCCESS || nChunkType != REG_BINARY || nGot != nExpected)
            return false;
        FoldIntegrity(dwWords, buf, nExpected, nTaken);
        file.Write(buf, nExpected);
        nTaken += nExpected;
    }
    block.Close();
    // An empty archive carries the integrity text of four zero words too.
    const CString sBuilt = IntegrityText(dwWords);
    wchar_t szStored[64] = {};
    DWORD nStoredType = 0, cbStored = (DWORD)((sBuilt.GetLength() + 1) * sizeof(wchar_t));
    if (::RegQueryValueExW(key.m_hKey, VALUE_INTEGRITY, nullptr, &nStoredType, (BYTE*)szStored, &cbStored) !=
        ERROR_SUCCESS)
        return false;
    if (nStoredType != REG_SZ && nStoredType != REG_EXPAND_SZ && nStoredType != REG_LINK && nStoredType != REG_MULTI_SZ)
        return false;
    szStored[cbStored / sizeof(wchar_t) < 63 ? cbStored / sizeof(wchar_t) : 63] = 0;
    if (sBuilt.Compare(szStored) != 0)
        return false;
    if (dwSize != 0)
        file.SeekToBegin();
    return true;
}
