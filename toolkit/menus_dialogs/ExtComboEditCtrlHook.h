// CExtComboEditCtrlHook: the edit part of a CExtComboBox, subclassed by the combo: the themed edit
// commands and context menu, and the clipboard and undo operations that must not auto-complete.
#pragma once
#include "toolkit/menus_dialogs/ExtEditBase.h"

class CExtComboBox;

class CExtComboEditCtrlHook : public CExtEditBase
{
    DECLARE_DYNCREATE(CExtComboEditCtrlHook)
public:
    CExtComboEditCtrlHook();
    ~CExtComboEditCtrlHook() override;

    // The parent as a CExtComboBox; null when it is none.
    CExtComboBox* GetComboBox() const;

    // Looks for the tool bar two levels up (edit, combo box, bar).
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Clipboard, undo and edit commands disarm the combo's completion before they run.
    void DisarmCompletion();
    // WM_CONTEXTMENU; false: default handling.
    bool OnComboContextMenuMsg(LPARAM lParam);
};
