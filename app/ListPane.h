// The message list's place in the main frame: the lower half of the room the bars leave, taken
// in the frame's bar layout.
#pragma once
#include "platform/Platform.h"

class CListPane : public CWnd
{
public:
    CListPane();

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
