// Exception classes and the AfxThrow helpers.
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"
#include <mutex>
#include <unordered_set>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace
{
BOOL CopyMessage(LPCWSTR text, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    lstrcpynW(lpszError, text, (int)nMaxError);
    return TRUE;
}

// The text for a cause of a file or archive exception (texts[0] .. texts[nLast], an unknown
// cause reads as texts[nGeneric]) with the file's name in place of its %s.
BOOL CopyFileMessage(const wchar_t* const* texts, int nLast, int nGeneric, int cause, const CString& strFileName,
                     LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (cause < 0 || cause > nLast)
        cause = nGeneric;
    CString name = strFileName.IsEmpty() ? CString(L"an unnamed file") : strFileName;
    CString msg;
    msg.Format(texts[cause], name.GetString());
    return CopyMessage(msg, lpszError, nMaxError, pnHelpContext);
}
} // namespace

namespace
{
std::mutex g_heapLock;
std::unordered_set<const void*>& HeapExceptions()
{
    static std::unordered_set<const void*> s;
    return s;
}
} // namespace

void* CException::operator new(size_t nSize)
{
    void* p = ::operator new(nSize);
    std::lock_guard<std::mutex> g(g_heapLock);
    HeapExceptions().insert(p);
    return p;
}

void CException::operator delete(void* p)
{
    {
        std::lock_guard<std::mutex> g(g_heapLock);
        HeapExceptions().erase(p);
    }
    ::operator delete(p);
}

void CException::Delete()
{
    if (!m_bAutoDelete)
        return;
    bool onHeap;
    {
        std::lock_guard<std::mutex> g(g_heapLock);
        onHeap = HeapExceptions().count(this) != 0;
    }
    if (onHeap)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError)
        *lpszError = 0;
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    wchar_t text[512];
    if (GetErrorMessage(text, 512))
        return AfxMessageBox(text, nType);
    if (nMessageID)
        return AfxMessageBox(nMessageID, nType);
    return AfxMessageBox(L"No error message is available.", nType);
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(DefaultMessage(), lpszError, nMaxError, pnHelpContext);
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const wchar_t* const texts[] = {
        L"No error occurred.",
        L"An unknown error occurred while accessing %s.",
        L"%s was not found.",
        L"%s contains an incorrect path.",
        L"%s could not be opened because there are too many open files.",
        L"Access to %s was denied.",
        L"An invalid file handle was associated with %s.",
        L"%s could not be removed because it is the current directory.",
        L"%s could not be created because the directory is full.",
        L"Seek failed on %s.",
        L"A hardware I/O error was reported while accessing %s.",
        L"A sharing violation occurred while accessing %s.",
        L"A locking violation occurred while locking %s.",
        L"Disk full while accessing %s.",
        L"An attempt was made to access %s past its end.",
    };
    return CopyFileMessage(texts, endOfFile, genericException, m_cause, m_strFileName, lpszError, nMaxError,
                           pnHelpContext);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_CANNOT_MAKE: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_DIR_NOT_EMPTY: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_GEN_FAILURE:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_NOT_READY: return hardIO;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const wchar_t* const texts[] = {
        L"No error occurred.",
        L"An unknown error occurred while accessing %s.",
        L"An attempt was made to write to %s while it was being read.",
        L"An attempt was made to access %s past its end.",
        L"An attempt was made to read from %s while it was being written.",
        L"%s has a bad format.",
        L"%s contained an unexpected object.",
        L"%s contains an incorrect schema.",
    };
    return CopyFileMessage(texts, badSchema, genericException, m_cause, m_strFileName, lpszError, nMaxError,
                           pnHelpContext);
}

void AfxThrowMemoryException() { throw new CMemoryException; }
void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AfxThrowResourceException() { throw new CResourceException; }
void AfxThrowUserException() { throw new CUserException; }

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
