// CFrameSmsList: the main frame's message list, which takes the lower half of the room the
// frame's layout leaves right of the folder tree.
#pragma once
#include "app/SmsListCtrl.h"

class CFrameSmsList : public CSmsListCtrl
{
public:
    CFrameSmsList();

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
