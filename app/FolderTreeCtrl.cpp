// CFolderTreeCtrl: the folder items, their images and the folder shown on selection.
#include "app/FolderTreeCtrl.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "phone/SmsRecord.h"
#include "res/app_ids.h"

IMPLEMENT_DYNAMIC(CFolderTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CFolderTreeCtrl, CTreeCtrl)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_NOTIFY_REFLECT(TVN_SELCHANGEDW, OnSelChanged)
END_MESSAGE_MAP()

CFolderTreeCtrl::CFolderTreeCtrl() {}

CFolderTreeCtrl::~CFolderTreeCtrl() {}

int CFolderTreeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTreeCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_imlFolders.Create(16, 15, ILC_COLOR32 | ILC_MASK, 4, 1))
    {
        CBitmap bmp;
        if (bmp.LoadDibSection(IDB_FOLDER_IMAGES))
            m_imlFolders.Add(&bmp, RGB(0, 0, 0));
        SetImageList(&m_imlFolders, TVSIL_NORMAL);
    }
    const wchar_t* folders[] = {SMS_FOLDER_INBOX, SMS_FOLDER_OUTBOX, SMS_FOLDER_SENT, SMS_FOLDER_DRAFTS};
    for (int i = 0; i < 4; ++i)
        InsertItem(folders[i], i, i, TVI_ROOT, TVI_LAST);
    return 0;
}

void CFolderTreeCtrl::OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTREEVIEWW* pNM = reinterpret_cast<NMTREEVIEWW*>(pNMHDR);
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp != nullptr && pApp->GetView() != nullptr && pNM->itemNew.hItem != nullptr)
        pApp->GetView()->ShowFolder(GetItemText(pNM->itemNew.hItem), 0, CString(), pNM->action == TVC_UNKNOWN);
}

void CFolderTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The control chooses the folder at the press and takes the keys itself after it was shown: the list gets them
    // once the press is handled.
    const HTREEITEM hWas = GetSelectedItem();
    CTreeCtrl::OnLButtonDown(nFlags, point);
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CMainFrame* pFrame = pApp != nullptr ? pApp->GetMainFrame() : nullptr;
    if (GetSelectedItem() != hWas && pFrame != nullptr && pFrame->GetSmsListCtrl()->GetSafeHwnd() != nullptr)
        pFrame->GetSmsListCtrl()->SetFocus();
}

void CFolderTreeCtrl::SelectFirstFolder()
{
    HTREEITEM hRoot = GetRootItem();
    if (hRoot == nullptr)
        return;
    if (GetSelectedItem() == hRoot)
    {
        // Already the caret item: no change notice comes, show it here.
        CCorvane_smsApp* pApp = GetCorvaneApp();
        if (pApp != nullptr && pApp->GetView() != nullptr)
            pApp->GetView()->ShowFolder(GetItemText(hRoot), 0, CString());
        return;
    }
    SelectItem(hRoot);
}

CString CFolderTreeCtrl::GetSelectedFolder() const
{
    HTREEITEM hItem = GetSelectedItem();
    return hItem != nullptr ? GetItemText(hItem) : CString();
}
