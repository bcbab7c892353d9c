#include "platform/Platform.h"
#include "platform/CommonDialogs.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

HWND CCommonDialog::BeginCommonModal() { return PreModal(); }

void CCommonDialog::EndCommonModal() { PostModal(); }

// -------------------------------------------------------------------------------- CFileDialog

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof m_ofn);
    m_szFileName[0] = 0;
    m_szFileTitle[0] = 0;
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName / sizeof m_szFileName[0];
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle / sizeof m_szFileTitle[0];
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    if (lpszDefExt != nullptr)
    {
        m_strDefExt = lpszDefExt;
        // The extension is given without its dot.
        if (m_strDefExt.GetLength() && m_strDefExt[0] == L'.')
            m_strDefExt = m_strDefExt.Mid(1);
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != nullptr)
        lstrcpynW(m_szFileName, lpszFileName, (int)m_ofn.nMaxFile);
    if (lpszFilter != nullptr)
    {
        m_strFilter = lpszFilter;
        // "Text|*.txt|All|*.*||" becomes "Text\0*.txt\0All\0*.*\0\0".
        if (m_strFilter.GetLength() == 0 || m_strFilter[m_strFilter.GetLength() - 1] != L'|')
            m_strFilter += L"||";
        else if (m_strFilter.GetLength() < 2 || m_strFilter[m_strFilter.GetLength() - 2] != L'|')
            m_strFilter += L"|";
        wchar_t* p = m_strFilter.GetBuffer();
        int n = m_strFilter.GetLength();
        for (int i = 0; i < n; ++i)
            if (p[i] == L'|')
                p[i] = 0;
        m_strFilter.ReleaseBuffer(n);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = BeginCommonModal();
    m_ofn.hInstance = AfxGetResourceHandle();
    BOOL ok = m_bOpenFileDialog ? GetOpenFileNameW(&m_ofn) : GetSaveFileNameW(&m_ofn);
    EndCommonModal();
    return ok ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    if (m_ofn.Flags & OFN_ALLOWMULTISELECT)
    {
        // One file: the buffer holds its whole path; several: the folder, then the names.
        const wchar_t* p = m_ofn.lpstrFile;
        if (p[wcslen(p) + 1] == 0)
            return CString(p);
        POSITION pos = GetStartPosition();
        return GetNextPathName(pos);
    }
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    int cut = -1;
    for (int i = 0; i < path.GetLength(); ++i)
        if (path[i] == L'\\' || path[i] == L'/' || path[i] == L':')
            cut = i;
    return path.Mid(cut + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

POSITION CFileDialog::GetStartPosition() const { return m_ofn.lpstrFile[0] ? (POSITION)m_ofn.lpstrFile : nullptr; }

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    const wchar_t* p = (const wchar_t*)pos;
    const wchar_t* folder = m_ofn.lpstrFile;
    if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || folder[wcslen(folder) + 1] == 0)
    {
        pos = nullptr;
        return CString(folder);
    }
    if (p == folder)
        p += wcslen(folder) + 1; // the first name follows the folder
    CString path(folder);
    if (path.GetLength() && path[path.GetLength() - 1] != L'\\')
        path += L'\\';
    path += p;
    p += wcslen(p) + 1;
    pos = *p ? (POSITION)p : nullptr;
    return path;
}

// ------------------------------------------------------------------------------- CColorDialog

COLORREF* CColorDialog::GetSavedCustomColors()
{
    static COLORREF colors[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    return colors;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof m_cc);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = BeginCommonModal();
    BOOL ok = ChooseColorW(&m_cc);
    EndCommonModal();
    return ok ? IDOK : IDCANCEL;
}
