// CToolBar: a control bar over the common-control tool bar (buttons with command ids, images from
// an image list, texts).
#pragma once
#include "platform/ControlBar.h"
#include "res/platform_ids.h"
#include <commctrl.h>

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);

    // Replaces the buttons: one per id, 0 making a separator; button n shows image n of the ids
    // that are not 0.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    int GetCount() const;
    UINT GetItemID(int nIndex) const;
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    CString GetButtonText(int nIndex) const;
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    // The image list is not owned by the bar.
    HIMAGELIST SetImageList(HIMAGELIST hImageList);
    HIMAGELIST GetImageList() const;

    // The buttons keep the states they were given; no idle command-UI pass.
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

protected:
    BOOL GetButton(int nIndex, TBBUTTON& button) const;
};
