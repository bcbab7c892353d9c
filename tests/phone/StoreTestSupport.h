// Scratch folders and raw file access for the message-store tests.
#pragma once
#include <gtest/gtest.h>

#include "platform/Platform.h"

#include <string>
#include <vector>

namespace storetest
{
// A fresh folder under the temp folder, removed with its files at the end of the test.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    CString Path(LPCWSTR name) const { return m_path + name; }
    const CString& Folder() const { return m_path; }

private:
    CString m_path; // with trailing backslash
};

std::vector<unsigned char> ReadAll(const CString& path);
void WriteAll(const CString& path, const std::vector<unsigned char>& bytes);
bool Exists(const CString& path);
} // namespace storetest
