// CAutoWidthComboBox: a toolkit combo box whose drop-down list is made wide enough for its
// longest item each time it opens.
#pragma once
#include "toolkit/menus_dialogs/ExtComboBox.h"

class CAutoWidthComboBox : public CExtComboBox
{
    DECLARE_DYNAMIC(CAutoWidthComboBox)
public:
    CAutoWidthComboBox();
    ~CAutoWidthComboBox() override;

    // The drop-down width for the items: the widest item text plus a vertical scroll bar, plus
    // the width of "0" (only that for an empty box), measured in the box's font.
    int ComputeDroppedWidth();

protected:
    afx_msg BOOL OnDropDown();
    DECLARE_MESSAGE_MAP()
};
