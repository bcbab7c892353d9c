// CFile, CMemFile and CStdioFile.
#include "platform/File.h"
#include "platform/Exceptions.h"
#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)
IMPLEMENT_DYNAMIC(CStdioFile, CFile)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
    {
        CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        Close();
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();
    if (!lpszFileName || !*lpszFileName)
    {
        if (pError)
        {
            pError->m_cause = CFileException::badPath;
            pError->m_lOsError = ERROR_INVALID_NAME;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    wchar_t full[MAX_PATH * 2];
    DWORD n = GetFullPathNameW(lpszFileName, MAX_PATH * 2, full, nullptr);
    m_strFileName = (n > 0 && n < MAX_PATH * 2) ? CString(full) : CString(lpszFileName);

    DWORD access = 0;
    switch (nOpenFlags & 3)
    {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: access = GENERIC_READ; break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareCompat:
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;
    }
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    DWORD create;
    if (nOpenFlags & modeCreate)
        create = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        create = OPEN_EXISTING;
    DWORD attrs = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & osNoBuffer)
        attrs |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & osWriteThrough)
        attrs |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & osRandomAccess)
        attrs |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & osSequentialScan)
        attrs |= FILE_FLAG_SEQUENTIAL_SCAN;

    HANDLE h = CreateFileW(lpszFileName, access, share, &sa, create, attrs, nullptr);
    if (h == INVALID_HANDLE_VALUE)
    {
        if (pError)
        {
            LONG err = (LONG)GetLastError();
            pError->m_lOsError = err;
            pError->m_cause = CFileException::OsErrorToException(err);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD nRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER li, out;
    li.QuadPart = lOff;
    DWORD method = nFrom == begin ? FILE_BEGIN : nFrom == current ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(m_hFile, li, &out, method))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return (ULONGLONG)out.QuadPart;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero, out;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(m_hFile, zero, &out, FILE_CURRENT))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return (ULONGLONG)out.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return (ULONGLONG)size.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    ULONGLONG pos = GetPosition();
    Seek((LONGLONG)dwNewLen, begin);
    if (!SetEndOfFile(m_hFile))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    if (pos < dwNewLen)
        Seek((LONGLONG)pos, begin);
}

void CFile::Flush()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    if (!FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
}

void CFile::Close()
{
    BOOL bError = FALSE;
    if (m_hFile != INVALID_HANDLE_VALUE)
        bError = !CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    if (bError)
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
}

CString CFile::GetFileName() const
{
    int slash = std::max(m_strFileName.ReverseFind(L'\\'), m_strFileName.ReverseFind(L'/'));
    return m_strFileName.Mid(slash + 1);
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

namespace
{
// Times, size and attributes of a file from what the system reports about it (by handle or by
// name: both carry the same fields).
template <class Info> void SetStatusFrom(CFileStatus& rStatus, const Info& info)
{
    rStatus.m_ctime = info.ftCreationTime;
    rStatus.m_atime = info.ftLastAccessTime;
    rStatus.m_mtime = info.ftLastWriteTime;
    rStatus.m_size = ((ULONGLONG)info.nFileSizeHigh << 32) | info.nFileSizeLow;
    rStatus.m_attribute = (BYTE)info.dwFileAttributes;
}
} // namespace

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    memset(&rStatus, 0, sizeof rStatus);
    lstrcpynW(rStatus.m_szFullName, m_strFileName, MAX_PATH);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    SetStatusFrom(rStatus, info);
    return TRUE;
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    memset(&rStatus, 0, sizeof rStatus);
    if (!lpszFileName || !*lpszFileName)
        return FALSE;
    wchar_t full[MAX_PATH];
    DWORD n = GetFullPathNameW(lpszFileName, MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH)
        return FALSE;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(full, GetFileExInfoStandard, &data))
        return FALSE;
    lstrcpynW(rStatus.m_szFullName, full, MAX_PATH);
    SetStatusFrom(rStatus, data);
    return TRUE;
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!MoveFileW(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!DeleteFileW(lpszFileName))
        CFileException::ThrowOsError((LONG)GetLastError(), lpszFileName);
}

// CMemFile

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr), m_bAutoDelete(FALSE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() { Close(); }

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    // A growable attached block starts empty; a fixed one is the file's content.
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* p = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return p;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes) { return (BYTE*)malloc(nBytes); }
BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes) { return (BYTE*)realloc(lpMem, nBytes); }
void CMemFile::Free(BYTE* lpMem) { free(lpMem); }

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    SIZE_T newSize = m_nBufferSize;
    while (newSize < dwNewLen)
    {
        SIZE_T grow = std::max<SIZE_T>(m_nGrowBytes, newSize / 2);
        newSize += grow;
    }
    BYTE* p = m_lpBuffer ? Realloc(m_lpBuffer, newSize) : Alloc(newSize);
    if (!p)
        AfxThrowMemoryException();
    m_lpBuffer = p;
    m_nBufferSize = newSize;
    m_bAutoDelete = TRUE;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    SIZE_T n = std::min<SIZE_T>(nCount, m_nFileSize - m_nPosition);
    memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return (UINT)n;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (m_nPosition + nCount > m_nBufferSize)
        GrowFile(m_nPosition + nCount);
    memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition += nCount;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == begin ? 0 : nFrom == current ? (LONGLONG)m_nPosition : (LONGLONG)m_nFileSize;
    LONGLONG pos = base + lOff;
    if (pos < 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = (SIZE_T)pos;
    return (ULONGLONG)pos;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile((SIZE_T)dwNewLen);
    if (dwNewLen < m_nPosition)
        m_nPosition = (SIZE_T)dwNewLen;
    m_nFileSize = (SIZE_T)dwNewLen;
}

void CMemFile::Close()
{
    m_nGrowBytes = 0;
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

// CStdioFile

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_nBufPos = m_nBufLen = 0;
    m_bText = (nOpenFlags & typeBinary) == 0;
    return CFile::Open(lpszFileName, nOpenFlags & ~(UINT)(typeText | typeBinary), pError);
}

int CStdioFile::ReadByte()
{
    if (m_nBufPos >= m_nBufLen)
    {
        m_nBufLen = CFile::Read(m_buf, sizeof m_buf);
        m_nBufPos = 0;
        if (m_nBufLen == 0)
            return -1;
    }
    return m_buf[m_nBufPos++];
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    BYTE* out = (BYTE*)lpBuf;
    UINT n = 0;
    while (n < nCount)
    {
        int c = ReadByte();
        if (c < 0)
            break;
        out[n++] = (BYTE)c;
    }
    return n;
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom == current)
        lOff -= (LONGLONG)(m_nBufLen - m_nBufPos);
    m_nBufPos = m_nBufLen = 0;
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const { return CFile::GetPosition() - (m_nBufLen - m_nBufPos); }

void CStdioFile::Close()
{
    m_nBufPos = m_nBufLen = 0;
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_nBufPos = m_nBufLen = 0;
    CFile::Abort();
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (!lpsz)
        return;
    CString text(lpsz);
    if (m_bText)
        text.Replace(L"\n", L"\r\n");
    CStringA bytes(text);
    CFile::Write(bytes.GetString(), (UINT)bytes.GetLength());
}

BOOL CStdioFile::ReadString(CString& rString)
{
    CStringA line;
    int c = ReadByte();
    if (c < 0)
    {
        rString.Empty();
        return FALSE;
    }
    while (c >= 0 && c != '\n')
    {
        line += (char)c;
        c = ReadByte();
    }
    if (m_bText && line.GetLength() > 0 && line[line.GetLength() - 1] == '\r')
        line = line.Left(line.GetLength() - 1);
    rString = CString(line);
    return TRUE;
}
