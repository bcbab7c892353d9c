// SHA-1 against the FIPS 180 vectors, its report texts and the login digest of a password.
#include <gtest/gtest.h>

#include "phone/Sha1.h"

#include <string>

namespace
{
CString Digest(const std::string& message, int reportType = CSha1::REPORT_HEX)
{
    CSha1 sha;
    sha.Update(reinterpret_cast<const BYTE*>(message.data()), (UINT)message.size());
    sha.Final();
    CString text;
    sha.ReportHash(text, reportType);
    return text;
}

CString Compact(const CString& report)
{
    CString s = report;
    s.Remove(L' ');
    return s;
}
} // namespace

TEST(Sha1, StandardVectors)
{
    EXPECT_STREQ(Digest("abc"), L"A9 99 3E 36 47 06 81 6A BA 3E 25 71 78 50 C2 6C 9C D0 D8 9D");
    EXPECT_STREQ(Compact(Digest("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
                 L"84983E441C3BD26EBAAE4AA1F95129E5E54670F1");
    EXPECT_STREQ(Compact(Digest("")), L"DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");

    // One million "a", fed in uneven pieces.
    CSha1 sha;
    const std::string chunk(997, 'a');
    UINT left = 1000000;
    while (left)
    {
        const UINT n = left < chunk.size() ? left : (UINT)chunk.size();
        sha.Update(reinterpret_cast<const BYTE*>(chunk.data()), n);
        left -= n;
    }
    sha.Final();
    CString text;
    sha.ReportHash(text, 0);
    EXPECT_STREQ(Compact(text), L"34AA973CD4C4DAA4F61EEB2BDBAD27316534016F");
}

TEST(Sha1, PaddingBoundariesAndPieces)
{
    // 55 bytes fit one padding block, 56 and 64 need a second one.
    EXPECT_STREQ(Compact(Digest(std::string(55, 'a'))), L"C1C8BBDC22796E28C0E15163D20899B65621D65A");
    EXPECT_STREQ(Compact(Digest(std::string(56, 'a'))), L"C2DB330F6083854C99D4B5BFB6E8F29F201BE699");
    EXPECT_STREQ(Compact(Digest(std::string(64, 'a'))), L"0098BA824B5C16427BD7A1122A5A442A25EC644D");

    // Byte by byte (with empty updates between) gives the same as one piece.
    const std::string message(130, 'q');
    CSha1 sha;
    for (char c : message)
    {
        sha.Update(reinterpret_cast<const BYTE*>(&c), 1);
        sha.Update(reinterpret_cast<const BYTE*>(&c), 0);
    }
    sha.Final();
    CString text;
    sha.ReportHash(text, 0);
    EXPECT_EQ(text, Digest(message));

    // Reset after Final starts a new digest.
    sha.Reset();
    sha.Update(reinterpret_cast<const BYTE*>("abc"), 3);
    sha.Final();
    text.Empty();
    sha.ReportHash(text, 0);
    EXPECT_EQ(text, Digest("abc"));
}

TEST(Sha1, ReportTypes)
{
    EXPECT_STREQ(Digest("abc", CSha1::REPORT_DIGIT),
                 L"169 153 62 54 71 6 129 106 186 62 37 113 120 80 194 108 156 208 216 157");
    EXPECT_STREQ(Digest("abc", 2), L"");

    CSha1 sha;
    sha.Update(reinterpret_cast<const BYTE*>("abc"), 3);
    sha.Final();
    CString text = L"digest: ";
    sha.ReportHash(text, 0);
    EXPECT_EQ(text.GetLength(), 8 + 59);
    EXPECT_EQ(text.Left(10), CString(L"digest: A9"));
}

TEST(Sha1, LoginDigestCoversTheFirstLBytesOfTheUtf16Text)
{
    // The password's L units give L bytes of their little-endian storage, not 2L.
    auto loginDigest = [](const CString& password) {
        CSha1 sha;
        sha.Update(reinterpret_cast<const BYTE*>(password.GetString()), (UINT)password.GetLength());
        sha.Final();
        CString text;
        sha.ReportHash(text, 0);
        return text;
    };
    EXPECT_STREQ(Compact(loginDigest(L"abcdef")), L"9F04F41A848514162050E3D68C1A7ABB441DC2B5");
    EXPECT_EQ(loginDigest(L"abcdef"), loginDigest(L"abcxyz"));
    EXPECT_NE(loginDigest(L"abcdef"), loginDigest(L"abddef"));
    EXPECT_STREQ(Compact(loginDigest(L"abcde")), L"52AA71588488269464589BD81BE624861498CA7B");
}
