#include "StoreTestSupport.h"

namespace storetest
{
namespace
{
void RemoveTree(const CString& folder)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(folder + L"*", &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            const CString name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const CString full = folder + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full + L"\\");
            else
            {
                SetFileAttributesW(full, FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full);
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(folder);
}
} // namespace

ScratchDir::ScratchDir()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static LONG counter = 0;
    CString name;
    name.Format(L"%sstoretest_%lu_%ld\\", temp, GetCurrentProcessId(), InterlockedIncrement(&counter));
    m_path = name;
    RemoveTree(m_path);
    CreateDirectoryW(m_path, nullptr);
}

ScratchDir::~ScratchDir() { RemoveTree(m_path); }

std::vector<unsigned char> ReadAll(const CString& path)
{
    std::vector<unsigned char> bytes;
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    LARGE_INTEGER size;
    GetFileSizeEx(h, &size);
    bytes.resize((size_t)size.QuadPart);
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(h, bytes.data(), (DWORD)bytes.size(), &read, nullptr);
    bytes.resize(read);
    CloseHandle(h);
    return bytes;
}

void WriteAll(const CString& path, const std::vector<unsigned char>& bytes)
{
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
    ASSERT_EQ(written, bytes.size());
}

bool Exists(const CString& path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }
} // namespace storetest
