// The shared painting host of the toolkit tests.
#include "toolkit/support/PaintHost.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <cstdio>
#include <cstdlib>

namespace painthost
{

IMPLEMENT_DYNCREATE(CTestThemeColor, CExtPaintManagerOffice2003)

CTestThemeColor::CTestThemeColor() : m_clrA(BlueThemeA()), m_clrB(BlueThemeB()) {}

COLORREF CTestThemeColor::BlueThemeA() { return CExtPaintManager::AdjustHls(RGB(151, 190, 244), 0.0, -0.07, -0.1); }

bool CTestThemeColor::ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB)
{
    if (pclrA != nullptr)
        *pclrA = m_clrA;
    if (pclrB != nullptr)
        *pclrB = m_clrB;
    return true;
}

void ClassicSysColors(COLORREF clr[50])
{
    static const COLORREF kClassic[31] = {
        RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
        RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(49, 106, 197),
        RGB(236, 233, 216)};
    for (int i = 0; i < 50; i++)
        clr[i] = i < 31 ? kClassic[i] : RGB(0, 0, 0);
}

void CurrentSysColors(COLORREF clr[50])
{
    for (int i = 0; i < 50; i++)
        clr[i] = ::GetSysColor(i);
}

CExtPaintManager::ColorInputs MakeInputs(bool bClassic, int nBitsPerPixel, bool bUseSystemThemeColors, int nScheme,
                                         COLORREF clrA, COLORREF clrB)
{
    CExtPaintManager::ColorInputs in;
    if (bClassic)
        ClassicSysColors(in.m_clrSys);
    else
        CurrentSysColors(in.m_clrSys);
    in.m_nBitsPerPixel = nBitsPerPixel;
    in.m_bUseSystemThemeColors = bUseSystemThemeColors;
    in.m_nScheme = nScheme;
    in.m_bSchemeColors = bUseSystemThemeColors;
    in.m_clrA = clrA;
    in.m_clrB = clrB;
    return in;
}

CRuntimeClass* StyleClass(int nKind)
{
    switch (nKind)
    {
    case 1: return RUNTIME_CLASS(CExtPaintManager);
    case 2: return RUNTIME_CLASS(CExtPaintManagerXP);
    case 3: return RUNTIME_CLASS(CExtPaintManagerOffice2003);
    default: return RUNTIME_CLASS(CExtPaintManagerStudio2005);
    }
}

bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

std::string ColorText(COLORREF clr)
{
    char sz[40];
    std::snprintf(sz, sizeof(sz), "RGB(%d,%d,%d)", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return sz;
}

// ---- PNG (stored deflate blocks; no compression library needed) -------------------------------

namespace
{

DWORD Crc32(const BYTE* p, size_t n, DWORD crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < n; i++)
    {
        crc ^= p[i];
        for (int k = 0; k < 8; k++)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBE32(std::vector<BYTE>& out, DWORD v)
{
    out.push_back((BYTE)(v >> 24));
    out.push_back((BYTE)(v >> 16));
    out.push_back((BYTE)(v >> 8));
    out.push_back((BYTE)v);
}

void PutChunk(std::vector<BYTE>& out, const char* type, const std::vector<BYTE>& data)
{
    PutBE32(out, (DWORD)data.size());
    std::vector<BYTE> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBE32(out, Crc32(body.data(), body.size()));
}

} // namespace

bool WritePng(const std::wstring& path, int nWidth, int nHeight, const DWORD* pPixels)
{
    if (nWidth <= 0 || nHeight <= 0 || pPixels == nullptr)
        return false;
    std::vector<BYTE> raw;
    raw.reserve((size_t)nHeight * (nWidth * 3 + 1));
    for (int y = 0; y < nHeight; y++)
    {
        raw.push_back(0); // filter: none
        for (int x = 0; x < nWidth; x++)
        {
            DWORD v = pPixels[(size_t)y * nWidth + x];
            raw.push_back((BYTE)(v >> 16));
            raw.push_back((BYTE)(v >> 8));
            raw.push_back((BYTE)v);
        }
    }
    std::vector<BYTE> z = {0x78, 0x01};
    DWORD a = 1, b = 0;
    for (BYTE c : raw)
    {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t pos = 0; pos < raw.size() || pos == 0;)
    {
        size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool bLast = pos + n >= raw.size();
        z.push_back(bLast ? 1 : 0);
        z.push_back((BYTE)n);
        z.push_back((BYTE)(n >> 8));
        z.push_back((BYTE)~n);
        z.push_back((BYTE)(~n >> 8));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
        if (bLast)
            break;
    }
    PutBE32(z, (b << 16) | a);

    std::vector<BYTE> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<BYTE> ihdr;
    PutBE32(ihdr, (DWORD)nWidth);
    PutBE32(ihdr, (DWORD)nHeight);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    PutChunk(png, "IHDR", ihdr);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", {});

    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f == nullptr)
        return false;
    const bool bOk = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && bOk;
}

bool SaveToGallery(const DibCanvas& canvas, const wchar_t* pszName)
{
    std::wstring folder;
    if (const wchar_t* pszBin = _wgetenv(L"CORVANE_BINARY_DIR"))
        folder = std::wstring(L"Z:") + pszBin + L"/gallery";
    else
        folder = L"gallery";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return WritePng(folder + L"/" + pszName + L".png", canvas.Width(), canvas.Height(), canvas.Bits());
}

} // namespace painthost
