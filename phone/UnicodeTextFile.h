// Text files in four encodings, written and read line by line as UTF-16.
#pragma once
#include "platform/Platform.h"

#include <string>

enum
{
    TEXTFILE_ASCII = 0,    // the ANSI code page, no byte-order mark
    TEXTFILE_UNI16_BE = 1, // FE FF
    TEXTFILE_UNI16_LE = 2, // FF FE
    TEXTFILE_UTF_8 = 3     // EF BB BF
};

// "ASCII", "UNI16_BE", "UNI16_LE" or "UTF_8"; empty for an unknown mode.
LPCWSTR GetTextEncodingName(int nMode);

// Conversions through the platform; a failed conversion gives an empty result.
void MultiByteToWide(const char* pszSource, CString& strResult, UINT nCodePage);
void WideToMultiByte(LPCWSTR pszSource, std::string& strResult, UINT nCodePage, BOOL* pbUsedReplacement = nullptr,
                     char chReplacement = 0);

class CUnicodeTextFile
{
public:
    enum
    {
        BUFFER_SIZE = 1024
    };

    CUnicodeTextFile();
    ~CUnicodeTextFile();

    virtual void Close();
    BOOL IsOpen() const;
    int GetEncoding() const { return m_nEncoding; }

protected:
    int m_nEncoding;
    CFile* m_pFile;
    BYTE m_bOwnsFile;
    BYTE m_bEof;
    BYTE m_buffer[BUFFER_SIZE];
    int m_nPos; // last byte filled (writer) or consumed (reader); -1 when none
    UINT m_nBytesRead;
    UINT m_nCodePage;
    char m_chReplacement;
    BYTE m_bPending;
    WCHAR m_wPending;
};

class CUnicodeTextWriter : public CUnicodeTextFile
{
public:
    CUnicodeTextWriter();
    CUnicodeTextWriter(LPCWSTR pszPath, int nEncoding);
    ~CUnicodeTextWriter();

    // Creates the file anew (exclusive while open) and writes the encoding's byte-order mark.
    // Failure is not reported: IsOpen tells.
    void Open(LPCWSTR pszPath, int nEncoding);
    // Open for a file the user has: writes a new file under a temporary name in the path's folder,
    // which takes the path's place only at Commit, once it is whole. Closed or destroyed without
    // Commit, the new file is removed and the old one stays as it was.
    void OpenReplacing(LPCWSTR pszPath, int nEncoding);
    // Writes the text exactly as given; the caller's text carries its line ends.
    CUnicodeTextWriter& WriteLine(LPCWSTR pszText);
    virtual void Close();
    // Closes the file and tells whether it holds everything written: FALSE when it never opened, a
    // block was lost or, after OpenReplacing, the old file could not be replaced (the new one is
    // then removed and the old one is as it was).
    BOOL Commit();
    // A block could not be written since Open (it is lost); Close flushes, so ask after it.
    BOOL HasWriteFailed() const { return m_bWriteFailed; }

private:
    void WriteByte(BYTE b);
    void WriteUnit(WCHAR u);
    void WriteCodePoint(UINT32 cp);
    void FlushBuffer();
    // Writes out the buffer and closes the file; FALSE when a block was lost or the file not open.
    BOOL CloseFile();

    BOOL m_bWriteFailed;
    CString m_strTarget; // OpenReplacing: the path the new file takes at Commit; empty otherwise
    CString m_strTemp;   // OpenReplacing: the new file until Commit or Close ends it
};

class CUnicodeTextReader : public CUnicodeTextFile
{
public:
    // Opens the file (others may read it, not write it) and detects its encoding from the mark.
    explicit CUnicodeTextReader(LPCWSTR pszPath);
    ~CUnicodeTextReader();

    BOOL IsEof() const { return m_bEof != 0; }
    // The next line without its line end; FALSE at the end of the file (str unchanged).
    BOOL ReadLine(CString& str);
    BOOL ReadLineW(CString& str);
    BOOL ReadLineA(std::string& str);
    virtual void Close();

private:
    BYTE ReadByte();
    WCHAR ReadUnit();
    WCHAR ReadUtf8Unit();
    void DetectEncoding();
    void Rewind();

    // UTF-8: the byte that broke off a sequence, read again first as the start of the next unit;
    // -1 when none.
    int m_nHeldByte;
};
