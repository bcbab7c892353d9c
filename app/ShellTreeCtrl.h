// CShellTreeCtrl: a loading tree filled from the shell namespace: the folders (and, when asked,
// the files) under a root identifier list, with the system's small icons. Each item's data is its
// absolute identifier list, freed with the shell allocator when the item is deleted.
#pragma once
#include "app/LoadingTreeCtrl.h"

#include <shlobj.h>

class CShellTreeCtrl : public CLoadingTreeCtrl
{
public:
    CShellTreeCtrl();
    ~CShellTreeCtrl() override;

    // Copies the root list (null: the desktop) and fills the root level.
    void Initialise(LPCITEMIDLIST pidlRoot, BOOL bShowFiles);
    // The item's absolute identifier list; null for the desktop or no item.
    LPCITEMIDLIST GetItemIDList(HTREEITEM hItem) const;
    // The item's file-system path; empty when it has none.
    CString GetItemPath(HTREEITEM hItem) const;

    // ---- identifier lists ----------------------------------------------------------------------
    // Bytes of the list without its terminator.
    static UINT GetIDListSize(LPCITEMIDLIST pidl);
    // The last item of the list; the list itself when it is empty.
    static LPCITEMIDLIST GetLastItem(LPCITEMIDLIST pidl);
    // The two lists joined, allocated with the allocator (size1 + size2 + 2 bytes).
    static LPITEMIDLIST JoinIDLists(IMalloc* pMalloc, LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2);

protected:
    BOOL PopulateItem(HTREEITEM hItem) override;
    BOOL NeedsChildren(HTREEITEM hItem) override;

    void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    IShellFolder* m_pDesktop; // owned reference
    IMalloc* m_pMalloc;       // owned reference
    LPITEMIDLIST m_pidlRoot;  // owned (allocator); null: the desktop
    BOOL m_bShowFiles;

private:
    // Binds to the folder of the list (the desktop for an empty one); an added reference or null.
    IShellFolder* BindToFolder(LPCITEMIDLIST pidl) const;
    // Adds the child with its name, icons and children flag; its absolute list is taken over.
    void InsertChild(HTREEITEM hParent, IShellFolder* pFolder, LPCITEMIDLIST pidlChild, LPITEMIDLIST pidlAbsolute);
    void SetSystemImageList();
    static int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
};
