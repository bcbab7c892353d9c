// CShellTreeCtrl: enumeration of a folder, display data of its items, identifier lists.
#include "app/ShellTreeCtrl.h"

#include <shellapi.h>

BEGIN_MESSAGE_MAP(CShellTreeCtrl, CLoadingTreeCtrl)
ON_NOTIFY_REFLECT(TVN_DELETEITEM, OnDeleteItem)
END_MESSAGE_MAP()

#ifndef SHGDN_INCLUDE_NONFILESYS
#define SHGDN_INCLUDE_NONFILESYS 0x2000 // names of items outside the file system too
#endif

namespace
{
CString AnsiToString(const char* psz)
{
    CString str;
    const int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    if (n > 1)
    {
        ::MultiByteToWideChar(CP_ACP, 0, psz, -1, str.GetBufferSetLength(n - 1), n);
        str.ReleaseBuffer(n - 1);
    }
    return str;
}

// The text of a shell string in any of its forms; a WSTR is freed.
CString StrRetToString(IMalloc* pMalloc, STRRET& sr, LPCITEMIDLIST pidl)
{
    CString str;
    switch (sr.uType)
    {
    case STRRET_WSTR:
        str = sr.pOleStr;
        pMalloc->Free(sr.pOleStr);
        break;
    case STRRET_OFFSET: str = AnsiToString((const char*)pidl + sr.uOffset); break;
    case STRRET_CSTR: str = AnsiToString(sr.cStr); break;
    }
    return str;
}
} // namespace

CShellTreeCtrl::CShellTreeCtrl() : m_pDesktop(nullptr), m_pMalloc(nullptr), m_pidlRoot(nullptr), m_bShowFiles(FALSE)
{
    ::SHGetDesktopFolder(&m_pDesktop);
    ::SHGetMalloc(&m_pMalloc);
}

CShellTreeCtrl::~CShellTreeCtrl()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    if (m_pidlRoot != nullptr && m_pMalloc != nullptr)
        m_pMalloc->Free(m_pidlRoot);
    if (m_pDesktop != nullptr)
        m_pDesktop->Release();
    if (m_pMalloc != nullptr)
        m_pMalloc->Release();
}

UINT CShellTreeCtrl::GetIDListSize(LPCITEMIDLIST pidl)
{
    UINT nSize = 0;
    if (pidl == nullptr)
        return 0;
    for (const BYTE* p = (const BYTE*)pidl; ((LPCITEMIDLIST)p)->mkid.cb != 0; p += ((LPCITEMIDLIST)p)->mkid.cb)
        nSize += ((LPCITEMIDLIST)p)->mkid.cb;
    return nSize;
}

LPCITEMIDLIST CShellTreeCtrl::GetLastItem(LPCITEMIDLIST pidl)
{
    if (pidl == nullptr)
        return nullptr;
    const BYTE* pLast = (const BYTE*)pidl;
    for (const BYTE* p = pLast; ((LPCITEMIDLIST)p)->mkid.cb != 0; p += ((LPCITEMIDLIST)p)->mkid.cb)
        pLast = p;
    return (LPCITEMIDLIST)pLast;
}

LPITEMIDLIST CShellTreeCtrl::JoinIDLists(IMalloc* pMalloc, LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2)
{
    const UINT n1 = GetIDListSize(pidl1);
    const UINT n2 = GetIDListSize(pidl2);
    BYTE* p = (BYTE*)pMalloc->Alloc(n1 + n2 + 2);
    if (p == nullptr)
        return nullptr;
    if (n1 != 0)
        memcpy(p, pidl1, n1);
    if (n2 != 0)
        memcpy(p + n1, pidl2, n2);
    p[n1 + n2] = 0;
    p[n1 + n2 + 1] = 0;
    return (LPITEMIDLIST)p;
}

void CShellTreeCtrl::Initialise(LPCITEMIDLIST pidlRoot, BOOL bShowFiles)
{
    m_bShowFiles = bShowFiles;
    if (m_pidlRoot != nullptr)
        m_pMalloc->Free(m_pidlRoot);
    m_pidlRoot = pidlRoot != nullptr ? JoinIDLists(m_pMalloc, pidlRoot, nullptr) : nullptr;
    SetSystemImageList();
    Populate(TVI_ROOT);
}

void CShellTreeCtrl::SetSystemImageList()
{
    LPITEMIDLIST pidlDesktop = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &pidlDesktop)))
        return;
    SHFILEINFOW sfi = {};
    HIMAGELIST hImages = (HIMAGELIST)::SHGetFileInfoW((LPCWSTR)pidlDesktop, 0, &sfi, sizeof sfi,
                                                      SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_PIDL);
    m_pMalloc->Free(pidlDesktop);
    if (hImages != nullptr)
        ::SendMessageW(m_hWnd, TVM_SETIMAGELIST, TVSIL_NORMAL, (LPARAM)hImages);
}

LPCITEMIDLIST CShellTreeCtrl::GetItemIDList(HTREEITEM hItem) const
{
    if (hItem == nullptr || hItem == TVI_ROOT)
        return m_pidlRoot;
    return (LPCITEMIDLIST)GetItemData(hItem);
}

CString CShellTreeCtrl::GetItemPath(HTREEITEM hItem) const
{
    LPCITEMIDLIST pidl = hItem != nullptr ? GetItemIDList(hItem) : nullptr;
    WCHAR szPath[MAX_PATH] = {};
    if (pidl == nullptr || !::SHGetPathFromIDListW(pidl, szPath))
        return CString();
    return szPath;
}

IShellFolder* CShellTreeCtrl::BindToFolder(LPCITEMIDLIST pidl) const
{
    if (m_pDesktop == nullptr)
        return nullptr;
    if (pidl == nullptr || GetIDListSize(pidl) == 0)
    {
        m_pDesktop->AddRef();
        return m_pDesktop;
    }
    IShellFolder* pFolder = nullptr;
    if (FAILED(m_pDesktop->BindToObject(pidl, nullptr, IID_IShellFolder, (void**)&pFolder)))
        return nullptr;
    return pFolder;
}

BOOL CShellTreeCtrl::NeedsChildren(HTREEITEM) { return FALSE; }

BOOL CShellTreeCtrl::PopulateItem(HTREEITEM hItem)
{
    LPCITEMIDLIST pidlParent = GetItemIDList(hItem);
    IShellFolder* pFolder = BindToFolder(pidlParent);
    if (pFolder == nullptr)
        return FALSE;
    IEnumIDList* pEnum = nullptr;
    const DWORD dwFlags = SHCONTF_FOLDERS | (m_bShowFiles ? SHCONTF_NONFOLDERS : 0);
    bool bAdded = false;
    if (SUCCEEDED(pFolder->EnumObjects(m_hWnd, dwFlags, &pEnum)) && pEnum != nullptr)
    {
        SetProgress(0, 0);
        LPITEMIDLIST pidlChild = nullptr;
        ULONG nFetched = 0;
        while (pEnum->Next(1, &pidlChild, &nFetched) == S_OK && nFetched == 1)
        {
            LPITEMIDLIST pidlAbsolute = JoinIDLists(m_pMalloc, pidlParent, pidlChild);
            if (pidlAbsolute != nullptr)
            {
                InsertChild(hItem, pFolder, pidlChild, pidlAbsolute);
                bAdded = true;
            }
            m_pMalloc->Free(pidlChild);
            StepProgress(1);
        }
        pEnum->Release();
        TVSORTCB sort = {hItem, CompareItems, (LPARAM)pFolder};
        ::SendMessageW(m_hWnd, TVM_SORTCHILDRENCB, 0, (LPARAM)&sort);
        SetProgress(1, 1);
    }
    pFolder->Release();
    if (!bAdded)
        return FALSE;
    // Removable and network drives are asked again on every expansion.
    const CString strPath = GetItemPath(hItem);
    if (!strPath.IsEmpty() && ::GetDriveTypeW(strPath.Left(3)) != DRIVE_FIXED)
        return FALSE;
    return TRUE;
}

void CShellTreeCtrl::InsertChild(HTREEITEM hParent, IShellFolder* pFolder, LPCITEMIDLIST pidlChild,
                                 LPITEMIDLIST pidlAbsolute)
{
    CString strName;
    STRRET sr = {};
    if (SUCCEEDED(pFolder->GetDisplayNameOf(pidlChild, SHGDN_INFOLDER | SHGDN_INCLUDE_NONFILESYS, &sr)))
        strName = StrRetToString(m_pMalloc, sr, pidlChild);
    ULONG nAttributes = SFGAO_FOLDER | SFGAO_LINK | SFGAO_HASSUBFOLDER | SFGAO_REMOVABLE;
    if (FAILED(pFolder->GetAttributesOf(1, &pidlChild, &nAttributes)))
        nAttributes = 0;
    const UINT nIconFlags =
        SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_PIDL | ((nAttributes & SFGAO_LINK) ? SHGFI_LINKOVERLAY : 0);
    SHFILEINFOW sfi = {};
    ::SHGetFileInfoW((LPCWSTR)pidlAbsolute, 0, &sfi, sizeof sfi, nIconFlags);
    const int nImage = sfi.iIcon;
    int nSelected = nImage;
    if (nAttributes & SFGAO_FOLDER)
    {
        SHFILEINFOW sfiOpen = {};
        ::SHGetFileInfoW((LPCWSTR)pidlAbsolute, 0, &sfiOpen, sizeof sfiOpen, nIconFlags | SHGFI_OPENICON);
        nSelected = sfiOpen.iIcon;
    }
    int nChildren = 0;
    if (nAttributes & SFGAO_FOLDER)
        nChildren = (m_bShowFiles || (nAttributes & SFGAO_REMOVABLE) || (nAttributes & SFGAO_HASSUBFOLDER)) ? 1 : 0;
    TVINSERTSTRUCTW tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    tvis.item.pszText = (LPWSTR)(LPCWSTR)strName;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelected;
    tvis.item.lParam = (LPARAM)pidlAbsolute;
    tvis.item.cChildren = nChildren;
    if (InsertItem(&tvis) == nullptr)
        m_pMalloc->Free(pidlAbsolute);
}

int CALLBACK CShellTreeCtrl::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    IShellFolder* pFolder = (IShellFolder*)lParamSort;
    const HRESULT hr = pFolder->CompareIDs(0, GetLastItem((LPCITEMIDLIST)lParam1), GetLastItem((LPCITEMIDLIST)lParam2));
    return (short)HRESULT_CODE(hr);
}

void CShellTreeCtrl::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTREEVIEWW* pNM = (const NMTREEVIEWW*)pNMHDR;
    if (pNM->itemOld.lParam != 0 && m_pMalloc != nullptr)
        m_pMalloc->Free((void*)pNM->itemOld.lParam);
    *pResult = 0;
}
