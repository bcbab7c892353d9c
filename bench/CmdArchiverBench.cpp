// Writing and reading a 16 KB archive (a docking state's size) through the registry archiver, against
// a loop of the bare registry calls its layout needs (delete the old key, create the block subkeys,
// set and query the 16-byte values).
#include "bench/BenchSupport.h"
#include "platform/File.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using bench::Seconds;
const wchar_t BENCH_KEY[] = L"Software\\CorvaneBench\\CmdArchiver";
const wchar_t BARE_KEY[] = L"Software\\CorvaneBench\\BareRegistry";
const UINT ARCHIVE_SIZE = 16 * 1024;
const int ROUNDS = 20;

void BareWrite(const std::vector<BYTE>& bytes)
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, BARE_KEY);
    HKEY hKey = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, BARE_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    const DWORD dwSize = (DWORD)bytes.size();
    ::RegSetValueExW(hKey, L"data_size", 0, REG_DWORD, (const BYTE*)&dwSize, 4);
    HKEY hBlock = nullptr;
    wchar_t szName[64];
    for (UINT n = 0; n * 16 < bytes.size(); ++n)
    {
        if (n % 128 == 0)
        {
            if (hBlock != nullptr)
                ::RegCloseKey(hBlock);
            swprintf(szName, 64, L"block_0x%08X", n / 128);
            ::RegCreateKeyExW(hKey, szName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hBlock, nullptr);
        }
        swprintf(szName, 64, L"data_0x%08X", n);
        const UINT nChunk = std::min<UINT>(16, (UINT)bytes.size() - n * 16);
        ::RegSetValueExW(hBlock, szName, 0, REG_BINARY, bytes.data() + n * 16, nChunk);
    }
    if (hBlock != nullptr)
        ::RegCloseKey(hBlock);
    ::RegCloseKey(hKey);
}

void BareRead(std::vector<BYTE>& bytes)
{
    HKEY hKey = nullptr;
    ::RegOpenKeyExW(HKEY_CURRENT_USER, BARE_KEY, 0, KEY_READ, &hKey);
    DWORD dwSize = 0, cb = 4;
    ::RegQueryValueExW(hKey, L"data_size", nullptr, nullptr, (BYTE*)&dwSize, &cb);
    bytes.assign(dwSize, 0);
    HKEY hBlock = nullptr;
    wchar_t szName[64];
    for (UINT n = 0; n * 16 < dwSize; ++n)
    {
        if (n % 128 == 0)
        {
            if (hBlock != nullptr)
                ::RegCloseKey(hBlock);
            swprintf(szName, 64, L"block_0x%08X", n / 128);
            ::RegOpenKeyExW(hKey, szName, 0, KEY_READ, &hBlock);
        }
        swprintf(szName, 64, L"data_0x%08X", n);
        cb = 16;
        ::RegQueryValueExW(hBlock, szName, nullptr, nullptr, bytes.data() + n * 16, &cb);
    }
    if (hBlock != nullptr)
        ::RegCloseKey(hBlock);
    ::RegCloseKey(hKey);
}
} // namespace

int wmain()
{
    std::vector<BYTE> bytes(ARCHIVE_SIZE);
    for (UINT i = 0; i < ARCHIVE_SIZE; ++i)
        bytes[i] = (BYTE)(i * 31 + 7);

    double tWrite = 0, tRead = 0, tBareWrite = 0, tBareRead = 0;
    bool bOk = true;
    for (int r = 0; r < ROUNDS; ++r)
    {
        CMemFile file;
        file.Write(bytes.data(), ARCHIVE_SIZE);
        auto t0 = std::chrono::steady_clock::now();
        bOk = CExtCmdManager::RegistryArchiveWrite(file, BENCH_KEY) && bOk;
        tWrite += Seconds(t0);

        CMemFile back;
        t0 = std::chrono::steady_clock::now();
        bOk = CExtCmdManager::RegistryArchiveRead(back, BENCH_KEY) && bOk;
        tRead += Seconds(t0);
        bOk = bOk && back.GetLength() == ARCHIVE_SIZE;

        t0 = std::chrono::steady_clock::now();
        BareWrite(bytes);
        tBareWrite += Seconds(t0);
        std::vector<BYTE> bareBack;
        t0 = std::chrono::steady_clock::now();
        BareRead(bareBack);
        tBareRead += Seconds(t0);
        bOk = bOk && bareBack == bytes;
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\CorvaneBench");
    std::printf("16 KB archive, %d rounds%s\n", ROUNDS, bOk ? "" : " (ROUND TRIP FAILED)");
    std::printf("write: archiver %.2f ms, bare registry calls %.2f ms, ratio %.2f\n", 1000 * tWrite / ROUNDS,
                1000 * tBareWrite / ROUNDS, tWrite / tBareWrite);
    std::printf("read:  archiver %.2f ms, bare registry calls %.2f ms, ratio %.2f\n", 1000 * tRead / ROUNDS,
                1000 * tBareRead / ROUNDS, tRead / tBareRead);
    std::printf("target: both ratios <= 1.50\n");
    return bOk ? 0 : 1;
}
