// The registry archiver in the real registry: key layout, chunks and blocks, the integrity text and
// every way a stored archive can be refused.
#include "ExtCmdTestSupport.h"
#include "platform/File.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace ExtCmdTest;

namespace
{
bool Write(const CString& sPath, const std::vector<BYTE>& bytes)
{
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), (UINT)bytes.size());
    file.Seek(0, CFile::end);
    return CExtCmdManager::RegistryArchiveWrite(file, sPath);
}

bool Read(const CString& sPath, std::vector<BYTE>& bytes)
{
    CMemFile file;
    const bool bRead = CExtCmdManager::RegistryArchiveRead(file, sPath);
    bytes.assign((size_t)file.GetLength(), 0);
    const ULONGLONG nPos = file.GetPosition();
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    if (bRead && !bytes.empty())
    {
        EXPECT_EQ(nPos, 0u); // rewound
    }
    return bRead;
}

CString StringValue(const CString& sKey, LPCWSTR lpszName)
{
    wchar_t sz[128] = {};
    DWORD cb = sizeof(sz) - sizeof(wchar_t);
    ::RegGetValueW(HKEY_CURRENT_USER, sKey, lpszName, RRF_RT_REG_SZ, nullptr, sz, &cb);
    return CString(sz);
}

DWORD ValueSize(const CString& sKey, LPCWSTR lpszName, DWORD* pType = nullptr)
{
    DWORD cb = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, sKey, lpszName, RRF_RT_ANY, pType, nullptr, &cb) != ERROR_SUCCESS)
        return (DWORD)-1;
    return cb;
}

void SetRaw(const CString& sKey, LPCWSTR lpszName, DWORD dwType, const void* p, DWORD cb)
{
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, sKey, lpszName, dwType, p, cb), ERROR_SUCCESS);
}

std::vector<BYTE> Bytes(size_t n, int nSeed = 1)
{
    std::vector<BYTE> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = (BYTE)((i * 7 + (size_t)nSeed) & 0xFF);
    return v;
}

const wchar_t ZERO_TEXT[] = L"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
} // namespace

TEST(RegistryArchiver, AnEmptyFileStoresSizeZeroNoBlocksAndTheZeroText)
{
    TestKey key(L"ArchEmpty");
    ASSERT_TRUE(Write(key.Path(), {}));
    DWORD dwType = 0;
    EXPECT_EQ(ValueSize(key.Path(), L"data_size", &dwType), 4u);
    EXPECT_EQ(dwType, (DWORD)REG_DWORD);
    EXPECT_TRUE(TestKey::SubKeys(key.Path()).empty());
    EXPECT_STREQ(StringValue(key.Path(), L"data_integrity"), ZERO_TEXT);
    EXPECT_STREQ(StringValue(key.Path(), L"data_generator"), L"Nimbal v. 2.3.0.0 registry archiver");
    std::vector<BYTE> back = {1};
    EXPECT_TRUE(Read(key.Path(), back));
    EXPECT_TRUE(back.empty());
}

TEST(RegistryArchiver, SeventeenBytesMakeTwoChunksInBlockZero)
{
    TestKey key(L"Arch17");
    ASSERT_TRUE(Write(key.Path(), Bytes(17)));
    std::vector<CString> blocks = TestKey::SubKeys(key.Path());
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_STREQ(blocks[0], L"block_0x00000000");
    const CString sBlock = key.Path() + L"\\block_0x00000000";
    std::vector<CString> values = TestKey::Values(sBlock);
    std::sort(values.begin(), values.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    ASSERT_EQ(values.size(), 2u);
    EXPECT_STREQ(values[0], L"data_0x00000000");
    EXPECT_STREQ(values[1], L"data_0x00000001");
    DWORD dwType = 0;
    EXPECT_EQ(ValueSize(sBlock, L"data_0x00000000", &dwType), 16u);
    EXPECT_EQ(dwType, (DWORD)REG_BINARY);
    EXPECT_EQ(ValueSize(sBlock, L"data_0x00000001"), 1u);
    std::vector<CString> top = TestKey::Values(key.Path());
    EXPECT_EQ(top.size(), 3u);
    std::vector<BYTE> back;
    ASSERT_TRUE(Read(key.Path(), back));
    EXPECT_EQ(back, Bytes(17));
}

TEST(RegistryArchiver, Chunk128OpensBlockOne)
{
    TestKey key(L"Arch2049");
    ASSERT_TRUE(Write(key.Path(), Bytes(2049)));
    EXPECT_EQ(TestKey::SubKeys(key.Path()).size(), 2u);
    EXPECT_EQ(TestKey::Values(key.Path() + L"\\block_0x00000000").size(), 128u);
    std::vector<CString> second = TestKey::Values(key.Path() + L"\\block_0x00000001");
    ASSERT_EQ(second.size(), 1u);
    EXPECT_STREQ(second[0], L"data_0x00000080");
    EXPECT_EQ(ValueSize(key.Path() + L"\\block_0x00000001", L"data_0x00000080"), 1u);
    std::vector<BYTE> back;
    ASSERT_TRUE(Read(key.Path(), back));
    EXPECT_EQ(back, Bytes(2049));
}

TEST(RegistryArchiver, TheIntegrityTextFoldsBytesIntoFourWords)
{
    TestKey key(L"ArchAbc");
    ASSERT_TRUE(Write(key.Path(), {'a', 'b', 'c'}));
    EXPECT_STREQ(StringValue(key.Path(), L"data_integrity"), L"00 00 00 61 00 00 00 62 00 00 00 63 00 00 00 00");
    // Eight 0xFF bytes into one word: the top bits fold back, as in the ELF hash.
    DWORD w[4] = {0, 0, 0, 0};
    const BYTE ff[32] = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0,
                         0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0};
    CExtCmdManager::FoldIntegrity(w, ff, 32, 0);
    DWORD h = 0;
    for (int i = 0; i < 8; ++i)
    {
        h = (h << 4) + 0xFF;
        const DWORD g = h & 0xF0000000u;
        if (g)
            h ^= (g >> 24) ^ g;
    }
    EXPECT_EQ(w[0], h);
    EXPECT_EQ(CExtCmdManager::IntegrityText(w).GetLength(), 47);
}

TEST(RegistryArchiver, ALowerCaseOrChangedIntegrityTextIsRefused)
{
    TestKey key(L"ArchLower");
    ASSERT_TRUE(Write(key.Path(), Bytes(40)));
    CString sText = StringValue(key.Path(), L"data_integrity");
    CString sLower = sText;
    sLower.MakeLower();
    ASSERT_NE(sText.Compare(sLower), 0);
    SetRaw(key.Path(), L"data_integrity", REG_SZ, (LPCWSTR)sLower, (DWORD)((sLower.GetLength() + 1) * 2));
    std::vector<BYTE> back;
    EXPECT_FALSE(Read(key.Path(), back));
    const CString sLonger = sText + L"0";
    SetRaw(key.Path(), L"data_integrity", REG_SZ, (LPCWSTR)sLonger, (DWORD)((sLonger.GetLength() + 1) * 2));
    EXPECT_FALSE(Read(key.Path(), back));
    SetRaw(key.Path(), L"data_integrity", REG_EXPAND_SZ, (LPCWSTR)sText, (DWORD)((sText.GetLength() + 1) * 2));
    EXPECT_TRUE(Read(key.Path(), back));
}

TEST(RegistryArchiver, AShorterOverwriteLeavesNoOldChunk)
{
    TestKey key(L"ArchOver");
    ASSERT_TRUE(Write(key.Path(), Bytes(3000)));
    ASSERT_TRUE(Write(key.Path(), Bytes(20, 5)));
    EXPECT_EQ(TestKey::SubKeys(key.Path()).size(), 1u);
    EXPECT_EQ(TestKey::Values(key.Path() + L"\\block_0x00000000").size(), 2u);
    std::vector<BYTE> back;
    ASSERT_TRUE(Read(key.Path(), back));
    EXPECT_EQ(back, Bytes(20, 5));
}

TEST(RegistryArchiver, MissingSizeWrongChunkTypeOrMissingBlockIsRefused)
{
    std::vector<BYTE> back;
    {
        TestKey key(L"ArchNoSize");
        ASSERT_TRUE(Write(key.Path(), Bytes(20)));
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, key.Path(), L"data_size");
        EXPECT_FALSE(Read(key.Path(), back));
        SetRaw(key.Path(), L"data_size", REG_BINARY, "\x14\0\0\0", 4);
        EXPECT_FALSE(Read(key.Path(), back));
    }
    {
        TestKey key(L"ArchChunkType");
        ASSERT_TRUE(Write(key.Path(), Bytes(20)));
        SetRaw(key.Path() + L"\\block_0x00000000", L"data_0x00000001", REG_SZ, L"abc", 4);
        EXPECT_FALSE(Read(key.Path(), back));
    }
    {
        TestKey key(L"ArchChunkLong");
        ASSERT_TRUE(Write(key.Path(), Bytes(20)));
        SetRaw(key.Path() + L"\\block_0x00000000", L"data_0x00000001", REG_BINARY, "12345", 5);
        EXPECT_FALSE(Read(key.Path(), back));
    }
    {
        TestKey key(L"ArchNoBlock");
        ASSERT_TRUE(Write(key.Path(), Bytes(2100)));
        ::RegDeleteTreeW(HKEY_CURRENT_USER, key.Path() + L"\\block_0x00000001");
        EXPECT_FALSE(Read(key.Path(), back));
    }
    TestKey none(L"ArchNone");
    EXPECT_FALSE(Read(none.Path(), back));
    CMemFile file;
    EXPECT_FALSE(CExtCmdManager::RegistryArchiveRead(file, nullptr));
    EXPECT_FALSE(CExtCmdManager::RegistryArchiveWrite(file, nullptr));
}

TEST(RegistryArchiver, SizeZeroWithoutTheIntegrityTextIsRefused)
{
    TestKey key(L"ArchZeroNoText");
    ASSERT_TRUE(Write(key.Path(), {}));
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, key.Path(), L"data_integrity");
    std::vector<BYTE> back;
    EXPECT_FALSE(Read(key.Path(), back));
    SetRaw(key.Path(), L"data_integrity", REG_SZ, L"00", 6);
    EXPECT_FALSE(Read(key.Path(), back));
}

TEST(RegistryArchiver, RandomFilesUpTo64KbRoundTrip)
{
    std::mt19937 rng(20261207);
    TestKey key(L"ArchRandom");
    for (int n = 0; n < 100; ++n)
    {
        const size_t nSize = n == 0 ? 65536 : rng() % 65537;
        std::vector<BYTE> bytes(nSize);
        for (BYTE& b : bytes)
            b = (BYTE)rng();
        ASSERT_TRUE(Write(key.Path(), bytes)) << n;
        std::vector<BYTE> back;
        ASSERT_TRUE(Read(key.Path(), back)) << n;
        ASSERT_EQ(back, bytes) << n;
    }
}

TEST(RegistryArchiver, ReadingAppendsToTheFileAndRewindsIt)
{
    TestKey key(L"ArchAppend");
    ASSERT_TRUE(Write(key.Path(), Bytes(17)));
    CMemFile file;
    file.Write("xy", 2);
    file.SeekToBegin();
    ASSERT_TRUE(CExtCmdManager::RegistryArchiveRead(file, key.Path()));
    EXPECT_EQ(file.GetPosition(), 0u);
    ASSERT_EQ(file.GetLength(), 19u);
    std::vector<BYTE> all(19);
    file.Read(all.data(), 19);
    EXPECT_EQ(all[0], 'x');
    EXPECT_EQ(all[1], 'y');
    EXPECT_EQ(std::vector<BYTE>(all.begin() + 2, all.end()), Bytes(17));
}
