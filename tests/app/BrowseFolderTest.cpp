// The browse-folder dialog under Wine's shell: the desktop root, the paths it gives, lazy
// expansion that drops the expand button of an empty folder, the feedback timer and the widths of
// the progress bar.
#include "app/DlgBrowseFolder.h"
#include "phone/StoreTestSupport.h"
#include "res/app_tools_ids.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using storetest::ScratchDir;

namespace
{
// Records whether a timer ran while the children were produced.
class TimerProbeTree : public CBrowseFolderProgressTreeCtrl
{
public:
    UINT m_nTimerSeen = 0;
    int m_nPopulated = 0;

protected:
    BOOL PopulateItem(HTREEITEM hItem) override
    {
        m_nTimerSeen = GetTimerId();
        ++m_nPopulated;
        return CBrowseFolderProgressTreeCtrl::PopulateItem(hItem);
    }
};

class ProbeDialog : public CDialog
{
public:
    ProbeDialog() : CDialog(IDD_BROWSE_FOLDER) {}
    TimerProbeTree m_wndTree;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_BROWSE_TREE, m_wndTree);
    }
};

HTREEITEM FindChild(CTreeCtrl& tree, HTREEITEM hParent, const CString& text)
{
    for (HTREEITEM h = tree.GetChildItem(hParent); h != nullptr; h = tree.GetNextSiblingItem(h))
        if (tree.GetItemText(h).CompareNoCase(text) == 0)
            return h;
    return nullptr;
}

LPITEMIDLIST PidlOf(const CString& path)
{
    LPITEMIDLIST pidl = nullptr;
    IShellFolder* pDesktop = nullptr;
    ::SHGetDesktopFolder(&pDesktop);
    pDesktop->ParseDisplayName(nullptr, nullptr, (LPWSTR)(LPCWSTR)path, nullptr, &pidl, nullptr);
    pDesktop->Release();
    return pidl;
}
} // namespace

TEST(BrowseFolderTest, TheDesktopRootGivesADriveRootWithItsBackslash)
{
    CDlgBrowseFolder dlg;
    ASSERT_TRUE(dlg.Create(IDD_BROWSE_FOLDER, nullptr));
    CString title;
    dlg.m_wndTree.GetWindowText(title);
    EXPECT_EQ(title, L"ShellTree Control");
    ASSERT_NE(dlg.m_wndTree.GetRootItem(), nullptr);
    EXPECT_EQ(dlg.m_wndTree.GetImageList(TVSIL_NORMAL) != nullptr ||
                  ::SendMessageW(dlg.m_wndTree.GetSafeHwnd(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0) != 0,
              true);
    // Find drive C under one of the root items (the computer), expanding as the user would.
    HTREEITEM hDrive = nullptr;
    for (HTREEITEM h = dlg.m_wndTree.GetRootItem(); h != nullptr && hDrive == nullptr;
         h = dlg.m_wndTree.GetNextSiblingItem(h))
    {
        dlg.m_wndTree.Expand(h, TVE_EXPAND);
        for (HTREEITEM c = dlg.m_wndTree.GetChildItem(h); c != nullptr; c = dlg.m_wndTree.GetNextSiblingItem(c))
            if (dlg.m_wndTree.GetItemPath(c).CompareNoCase(L"C:\\") == 0)
                hDrive = c;
    }
    ASSERT_NE(hDrive, nullptr);
    dlg.m_wndTree.SelectItem(hDrive);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(dlg.m_strPath.CompareNoCase(L"C:\\"), 0) << (LPCWSTR)dlg.m_strPath;
    // Nothing selected: an empty path.
    dlg.m_wndTree.SelectItem(nullptr);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(dlg.m_strPath.IsEmpty());
    dlg.DestroyWindow();
}

TEST(BrowseFolderTest, FoldersLoadOnExpansionAndAnEmptyOneLosesItsButton)
{
    ScratchDir dir;
    ASSERT_TRUE(::CreateDirectoryW(dir.Path(L"isi"), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(dir.Path(L"isi\\dalam"), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(dir.Path(L"isi\\dalam\\bawah"), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(dir.Path(L"kosong"), nullptr));
    storetest::WriteAll(dir.Path(L"berkas.txt"), {'x'});
    ProbeDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_BROWSE_FOLDER, nullptr));
    dlg.m_wndTree.SetFeedbackPeriod(0);
    LPITEMIDLIST pidl = PidlOf(dir.Folder());
    ASSERT_NE(pidl, nullptr);
    dlg.m_wndTree.Initialise(pidl, FALSE);
    ::CoTaskMemFree(pidl);
    EXPECT_EQ(dlg.m_wndTree.m_nTimerSeen, 0u);

    // Folders only, the placeholder gone.
    HTREEITEM hFull = FindChild(dlg.m_wndTree, TVI_ROOT, L"isi");
    HTREEITEM hEmpty = FindChild(dlg.m_wndTree, TVI_ROOT, L"kosong");
    ASSERT_NE(hFull, nullptr);
    ASSERT_NE(hEmpty, nullptr);
    EXPECT_EQ(FindChild(dlg.m_wndTree, TVI_ROOT, L"berkas.txt"), nullptr);
    EXPECT_EQ(FindChild(dlg.m_wndTree, TVI_ROOT, L"Loading..."), nullptr);
    CString folder = dir.Folder();
    folder.TrimRight(L'\\');
    EXPECT_EQ(dlg.m_wndTree.GetItemPath(hFull).CompareNoCase(folder + L"\\isi"), 0);

    // The first root item is expanded by the fill; the items below it are filled only when they
    // are expanded, and once.
    HTREEITEM hInner = FindChild(dlg.m_wndTree, hFull, L"dalam");
    ASSERT_NE(hInner, nullptr);
    EXPECT_EQ(dlg.m_wndTree.GetChildItem(hInner), nullptr);
    const int nBefore = dlg.m_wndTree.m_nPopulated;
    dlg.m_wndTree.SetFeedbackPeriod(125);
    dlg.m_wndTree.Expand(hInner, TVE_EXPAND);
    EXPECT_NE(dlg.m_wndTree.m_nTimerSeen, 0u);
    EXPECT_EQ(dlg.m_wndTree.m_nPopulated, nBefore + 1);
    EXPECT_NE(FindChild(dlg.m_wndTree, hInner, L"bawah"), nullptr);
    dlg.m_wndTree.Expand(hInner, TVE_COLLAPSE);
    dlg.m_wndTree.Expand(hInner, TVE_EXPAND);
    EXPECT_EQ(dlg.m_wndTree.m_nPopulated, nBefore + 1);
    EXPECT_EQ(dlg.m_wndTree.GetTimerId(), 0u);

    // An empty folder shown with a button loses it on expansion.
    TVITEMW item = {TVIF_CHILDREN | TVIF_HANDLE, hEmpty};
    item.cChildren = 1;
    dlg.m_wndTree.SetItem(&item);
    dlg.m_wndTree.Expand(hEmpty, TVE_EXPAND);
    TVITEMW after = {TVIF_CHILDREN | TVIF_STATE | TVIF_HANDLE, hEmpty};
    after.stateMask = TVIS_EXPANDED;
    dlg.m_wndTree.GetItem(&after);
    EXPECT_EQ(after.cChildren, 0);
    EXPECT_EQ(after.state & TVIS_EXPANDED, 0u);
    dlg.DestroyWindow();
}

TEST(BrowseFolderTest, TheProgressBarFillsByBothFormulas)
{
    // Known total: current x 50 / total.
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(10, 5), 25);
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(1, 1), 50);
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(4, 0), 0);
    // Unknown total: from 0 towards 50.
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(0, 0), 0);
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(0, 1), 8);
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(0, 3), 23);
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(0, 10), 47);
    EXPECT_EQ(CBrowseFolderProgressTreeCtrl::GetFilledWidth(0, 30), 49);
    EXPECT_LE(CBrowseFolderProgressTreeCtrl::GetFilledWidth(0, 1000), 50);
}
