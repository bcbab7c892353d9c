// CUnicodeTextWriter and CUnicodeTextReader: byte-order marks, encoding and decoding of lines.
#include "phone/UnicodeTextFile.h"

#include <algorithm>
#include <vector>

LPCWSTR GetTextEncodingName(int nMode)
{
    switch (nMode)
    {
    case TEXTFILE_ASCII: return L"ASCII";
    case TEXTFILE_UNI16_BE: return L"UNI16_BE";
    case TEXTFILE_UNI16_LE: return L"UNI16_LE";
    case TEXTFILE_UTF_8: return L"UTF_8";
    }
    return L"";
}

void MultiByteToWide(const char* pszSource, CString& strResult, UINT nCodePage)
{
    strResult = PlatformAnsiToWide(pszSource, -1, nCodePage);
}

void WideToMultiByte(LPCWSTR pszSource, std::string& strResult, UINT nCodePage, BOOL* pbUsedReplacement,
                     char chReplacement)
{
    strResult.clear();
    if (!pszSource)
        return;
    // UTF-7 and UTF-8 accept neither a replacement character nor the flag.
    const bool utf = nCodePage == CP_UTF8 || nCodePage == CP_UTF7;
    const char replacement[2] = {chReplacement, 0};
    LPCSTR pDefault = (!utf && chReplacement) ? replacement : nullptr;
    BOOL used = FALSE;
    LPBOOL pUsed = utf ? nullptr : &used;
    const int len = WideCharToMultiByte(nCodePage, 0, pszSource, -1, nullptr, 0, pDefault, pUsed);
    if (len == 0)
        return;
    std::vector<char> buf(len * 2 + 4, 0);
    if (WideCharToMultiByte(nCodePage, 0, pszSource, -1, buf.data(), len, pDefault, pUsed) == 0)
        return;
    strResult = buf.data();
    if (used && pbUsedReplacement)
        *pbUsedReplacement = TRUE;
}

// ---------------------------------------------------------------------------------------------

CUnicodeTextFile::CUnicodeTextFile()
    : m_nEncoding(TEXTFILE_ASCII), m_pFile(nullptr), m_bOwnsFile(0), m_bEof(0), m_nPos(-1), m_nBytesRead(0),
      m_nCodePage(0), m_chReplacement(0), m_bPending(0), m_wPending(0)
{}

CUnicodeTextFile::~CUnicodeTextFile() { CUnicodeTextFile::Close(); }

BOOL CUnicodeTextFile::IsOpen() const { return m_pFile && m_pFile->m_hFile != CFile::hFileNull; }

void CUnicodeTextFile::Close()
{
    if (m_pFile && m_bOwnsFile)
    {
        if (m_pFile->m_hFile != CFile::hFileNull)
            m_pFile->Abort(); // closes without raising
        delete m_pFile;
    }
    m_pFile = nullptr;
    m_bOwnsFile = 0;
}

// ---------------------------------------------------------------------------------------------

CUnicodeTextWriter::CUnicodeTextWriter() : m_bWriteFailed(FALSE) {}

CUnicodeTextWriter::CUnicodeTextWriter(LPCWSTR pszPath, int nEncoding) : m_bWriteFailed(FALSE)
{
    Open(pszPath, nEncoding);
}

CUnicodeTextWriter::~CUnicodeTextWriter() { Close(); }

void CUnicodeTextWriter::Open(LPCWSTR pszPath, int nEncoding)
{
    if (m_pFile)
        Close();
    m_pFile = new CFile;
    m_bOwnsFile = 1;
    m_pFile->Open(pszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    m_nPos = -1;
    m_bWriteFailed = FALSE;
    m_nEncoding = nEncoding;
    if (!IsOpen())
        return;
    switch (nEncoding)
    {
    case TEXTFILE_UNI16_BE:
    case TEXTFILE_UNI16_LE: WriteUnit(0xFEFF); break;
    case TEXTFILE_UTF_8:
        WriteByte(0xEF);
        WriteByte(0xBB);
        WriteByte(0xBF);
        break;
    }
}

void CUnicodeTextWriter::OpenReplacing(LPCWSTR pszPath, int nEncoding)
{
    Close();
    // A unique name in the target's folder: the rename stays on its volume, and no file of the
    // user's is taken for the temporary one.
    CString strFolder(pszPath ? pszPath : L"");
    const int nSlash = std::max(strFolder.ReverseFind(L'\\'), strFolder.ReverseFind(L'/'));
    strFolder = nSlash >= 0 ? strFolder.Left(nSlash + 1) : CString(L".");
    wchar_t szTemp[MAX_PATH] = {};
    if (GetTempFileNameW(strFolder, L"cvs", 0, szTemp) == 0)
        return;
    Open(szTemp, nEncoding);
    m_strTemp = szTemp;
    m_strTarget = pszPath;
    if (!IsOpen())
        Close();
}

void CUnicodeTextWriter::FlushBuffer()
{
    const UINT count = (UINT)(m_nPos + 1);
    m_nPos = -1;
    if (count == 0 || !IsOpen())
        return;
    try
    {
        m_pFile->Write(m_buffer, count);
    }
    catch (CException* e)
    {
        // A failed write (disk full) loses this block; the caller keeps running and may ask.
        e->Delete();
        m_bWriteFailed = TRUE;
    }
}

void CUnicodeTextWriter::WriteByte(BYTE b)
{
    if (m_nPos + 1 >= BUFFER_SIZE)
        FlushBuffer();
    m_buffer[++m_nPos] = b;
}

void CUnicodeTextWriter::WriteCodePoint(UINT32 cp)
{
    if (cp <= 0x7F)
        WriteByte((BYTE)cp);
    else if (cp <= 0x7FF)
    {
        WriteByte((BYTE)(0xC0 | (cp >> 6)));
        WriteByte((BYTE)(0x80 | (cp & 0x3F)));
    }
    else if (cp <= 0xFFFF)
    {
        WriteByte((BYTE)(0xE0 | (cp >> 12)));
        WriteByte((BYTE)(0x80 | ((cp >> 6) & 0x3F)));
        WriteByte((BYTE)(0x80 | (cp & 0x3F)));
    }
    else
    {
        WriteByte((BYTE)(0xF0 | (cp >> 18)));
        WriteByte((BYTE)(0x80 | ((cp >> 12) & 0x3F)));
        WriteByte((BYTE)(0x80 | ((cp >> 6) & 0x3F)));
        WriteByte((BYTE)(0x80 | (cp & 0x3F)));
    }
}

void CUnicodeTextWriter::WriteUnit(WCHAR u)
{
    switch (m_nEncoding)
    {
    case TEXTFILE_UNI16_BE:
        WriteByte((BYTE)(u >> 8));
        WriteByte((BYTE)(u & 0xFF));
        break;
    case TEXTFILE_UNI16_LE:
        WriteByte((BYTE)(u & 0xFF));
        WriteByte((BYTE)(u >> 8));
        break;
    case TEXTFILE_UTF_8: WriteCodePoint(u); break;
    }
}

CUnicodeTextWriter& CUnicodeTextWriter::WriteLine(LPCWSTR pszText)
{
    if (!pszText)
        return *this;
    if (m_nEncoding == TEXTFILE_ASCII)
    {
        std::string bytes;
        WideToMultiByte(pszText, bytes, m_nCodePage ? m_nCodePage : CP_ACP, nullptr, m_chReplacement);
        for (char c : bytes)
            WriteByte((BYTE)c);
        return *this;
    }
    for (const WCHAR* p = pszText; *p; ++p)
    {
        // A surrogate pair is one character of four bytes in UTF-8; a lone half keeps three.
        if (m_nEncoding == TEXTFILE_UTF_8 && p[0] >= 0xD800 && p[0] <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF)
        {
            WriteCodePoint(0x10000 + (((UINT32)p[0] - 0xD800) << 10) + ((UINT32)p[1] - 0xDC00));
            ++p;
            continue;
        }
        WriteUnit(*p);
    }
    return *this;
}

BOOL CUnicodeTextWriter::CloseFile()
{
    const BOOL bOpen = IsOpen();
    if (bOpen)
        FlushBuffer();
    // A new file that is to replace an old one is on the disk before the rename.
    if (bOpen && !m_strTemp.IsEmpty())
    {
        try
        {
            m_pFile->Flush();
        }
        catch (CException* e)
        {
            e->Delete();
            m_bWriteFailed = TRUE;
        }
    }
    m_nPos = -1;
    CUnicodeTextFile::Close();
    return bOpen && !m_bWriteFailed;
}

void CUnicodeTextWriter::Close()
{
    CloseFile();
    if (!m_strTemp.IsEmpty())
        DeleteFileW(m_strTemp);
    m_strTemp.Empty();
    m_strTarget.Empty();
}

BOOL CUnicodeTextWriter::Commit()
{
    BOOL bDone = CloseFile();
    if (!m_strTemp.IsEmpty())
    {
        bDone = bDone && MoveFileExW(m_strTemp, m_strTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!bDone)
            DeleteFileW(m_strTemp);
    }
    m_strTemp.Empty();
    m_strTarget.Empty();
    return bDone;
}

// ---------------------------------------------------------------------------------------------

CUnicodeTextReader::CUnicodeTextReader(LPCWSTR pszPath) : m_nHeldByte(-1)
{
    m_pFile = new CFile;
    m_bOwnsFile = 1;
    m_pFile->Open(pszPath, CFile::modeRead | CFile::shareDenyWrite);
    if (!IsOpen())
        m_bEof = 1;
    m_nPos = -1;
    m_nBytesRead = 0;
    m_bPending = 0;
    if (IsOpen())
        DetectEncoding();
}

CUnicodeTextReader::~CUnicodeTextReader() { Close(); }

void CUnicodeTextReader::Close() { CUnicodeTextFile::Close(); }

BYTE CUnicodeTextReader::ReadByte()
{
    if (m_bPending)
    {
        m_bPending = 0;
        return (BYTE)(m_wPending & 0xFF);
    }
    if (m_nPos != -1 && m_nPos != BUFFER_SIZE - 1)
    {
        ++m_nPos;
        if ((UINT)m_nPos >= m_nBytesRead)
        {
            m_bEof = 1;
            return 0;
        }
        return m_buffer[m_nPos];
    }
    m_nBytesRead = 0;
    if (IsOpen())
    {
        try
        {
            m_nBytesRead = m_pFile->Read(m_buffer, BUFFER_SIZE);
        }
        catch (CException* e)
        {
            e->Delete();
            m_nBytesRead = 0;
        }
    }
    if (m_nBytesRead == 0)
    {
        m_bEof = 1;
        return 0;
    }
    m_nPos = 0;
    return m_buffer[0];
}

WCHAR CUnicodeTextReader::ReadUnit()
{
    if (m_bPending)
    {
        m_bPending = 0;
        return m_wPending;
    }
    if (m_nEncoding == TEXTFILE_UNI16_BE)
    {
        const BYTE hi = ReadByte();
        const BYTE lo = ReadByte();
        return (WCHAR)(hi << 8 | lo);
    }
    if (m_nEncoding == TEXTFILE_UNI16_LE)
    {
        const BYTE lo = ReadByte();
        const BYTE hi = ReadByte();
        return (WCHAR)(hi << 8 | lo);
    }
    return ReadUtf8Unit();
}

// Strict UTF-8: a sequence that is cut, overlong, an encoded surrogate or beyond U+10FFFF gives
// one U+FFFD for what was read of it, and the byte that broke it off (a CR, an LF, any byte below
// 0x80 or a new lead) is read again as the start of the next unit. So a damaged character never
// swallows a line end.
WCHAR CUnicodeTextReader::ReadUtf8Unit()
{
    BYTE b;
    if (m_nHeldByte >= 0)
    {
        b = (BYTE)m_nHeldByte;
        m_nHeldByte = -1;
    }
    else
        b = ReadByte();
    if (b < 0x80)
        return b;
    int nMore = 0;
    UINT32 cp = 0;
    BYTE lo = 0x80, hi = 0xBF; // the range of the next continuation byte
    if (b >= 0xC2 && b <= 0xDF)
    {
        nMore = 1;
        cp = b & 0x1F;
    }
    else if (b >= 0xE0 && b <= 0xEF)
    {
        nMore = 2;
        cp = b & 0x0F;
        if (b == 0xE0)
            lo = 0xA0; // below: overlong
        else if (b == 0xED)
            hi = 0x9F; // above: a surrogate half
    }
    else if (b >= 0xF0 && b <= 0xF4)
    {
        nMore = 3;
        cp = b & 0x07;
        if (b == 0xF0)
            lo = 0x90; // below: overlong
        else if (b == 0xF4)
            hi = 0x8F; // above: beyond U+10FFFF
    }
    else
        return 0xFFFD; // a continuation byte alone, C0, C1 (overlong) or F5 to FF
    for (int i = 0; i < nMore; ++i)
    {
        const BYTE c = ReadByte();
        if (m_bEof)
        {
            // Cut by the end of the file: this unit still counts, the next read finds the end again.
            m_bEof = 0;
            return 0xFFFD;
        }
        if (c < lo || c > hi)
        {
            m_nHeldByte = c;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
        lo = 0x80;
        hi = 0xBF;
    }
    if (cp < 0x10000)
        return (WCHAR)cp;
    // Outside the basic plane: the high surrogate now, the low one next.
    m_wPending = (WCHAR)(0xDC00 + ((cp - 0x10000) & 0x3FF));
    m_bPending = 1;
    return (WCHAR)(0xD800 + ((cp - 0x10000) >> 10));
}

void CUnicodeTextReader::Rewind()
{
    try
    {
        m_pFile->SeekToBegin();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    m_bPending = 0;
    m_nHeldByte = -1;
    m_nPos = -1;
    m_nBytesRead = 0;
    m_bEof = 0;
}

void CUnicodeTextReader::DetectEncoding()
{
    const BYTE b1 = ReadByte();
    const BYTE b2 = ReadByte();
    if (b1 == 0xFF && b2 == 0xFE)
        m_nEncoding = TEXTFILE_UNI16_LE;
    else if (b1 == 0xFE && b2 == 0xFF)
        m_nEncoding = TEXTFILE_UNI16_BE;
    else if (b1 == 0xEF && b2 == 0xBB && ReadByte() == 0xBF)
        m_nEncoding = TEXTFILE_UTF_8;
    else
    {
        m_nEncoding = TEXTFILE_ASCII;
        Rewind();
    }
}

BOOL CUnicodeTextReader::ReadLine(CString& str)
{
    if (m_bEof)
        return FALSE;
    if (m_nEncoding == TEXTFILE_ASCII)
    {
        std::string bytes;
        if (!ReadLineA(bytes))
            return FALSE;
        // By length: a NUL inside the line is kept with what follows it.
        str = PlatformAnsiToWide(bytes.data(), (int)bytes.size(), m_nCodePage ? m_nCodePage : CP_ACP);
        return TRUE;
    }
    CString line;
    if (!ReadLineW(line))
        return FALSE;
    str = line;
    return TRUE;
}

BOOL CUnicodeTextReader::ReadLineW(CString& str)
{
    WCHAR u = ReadUnit();
    if (u == L'\r')
    {
        u = ReadUnit();
        if (u == L'\n')
            u = ReadUnit();
    }
    else if (u == L'\n')
        u = ReadUnit();
    if (m_bEof)
        return FALSE;
    std::wstring line;
    while (u != L'\r' && u != L'\n' && !m_bEof)
    {
        line.push_back(u);
        u = ReadUnit();
    }
    str = CString(line.c_str(), (int)line.size());
    if (!m_bEof)
    {
        m_wPending = u;
        m_bPending = 1;
    }
    return TRUE;
}

BOOL CUnicodeTextReader::ReadLineA(std::string& str)
{
    BYTE u = ReadByte();
    if (u == '\r')
    {
        u = ReadByte();
        if (u == '\n')
            u = ReadByte();
    }
    else if (u == '\n')
        u = ReadByte();
    if (m_bEof)
        return FALSE;
    str.clear();
    while (u != '\r' && u != '\n' && !m_bEof)
    {
        str.push_back((char)u);
        u = ReadByte();
    }
    if (!m_bEof)
    {
        m_wPending = u;
        m_bPending = 1;
    }
    return TRUE;
}
