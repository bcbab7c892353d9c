// CExtEditBase: an edit control that answers the standard edit commands itself (with their enabled
// states), shows its own themed context menu of those commands and can carry a tool tip.
#pragma once
#include "platform/Controls.h"
#include "platform/ListCtrl.h"

class CExtEditBase : public CEdit
{
    DECLARE_DYNCREATE(CExtEditBase)
public:
    // Bits of m_nEditBaseFlags.
    enum : BYTE
    {
        kHandleEditCommands = 0x01, // answer the edit commands and show the own context menu
    };
    // The standard edit commands.
    enum : UINT
    {
        ID_CMD_CLEAR = 0xE120,
        ID_CMD_COPY = 0xE122,
        ID_CMD_CUT = 0xE123,
        ID_CMD_PASTE = 0xE125,
        ID_CMD_SELECT_ALL = 0xE12A,
        ID_CMD_UNDO = 0xE12B,
        // The range of the standard edit commands (clear to redo).
        ID_CMD_EDIT_FIRST = 0xE120,
        ID_CMD_EDIT_LAST = 0xE12C,
    };
    // One row of the context menu: a command with its default text, or a separator (id 0).
    struct ContextMenuRow_t
    {
        UINT m_nCmdID;
        LPCTSTR m_lpszDefaultText;
    };
    enum : int
    {
        CONTEXT_MENU_ROWS = 8,
    };
    static const ContextMenuRow_t g_contextMenu[CONTEXT_MENU_ROWS];
    // Track flags of the context menu: owner painting allowed, modal.
    enum : UINT
    {
        CONTEXT_MENU_TRACK_FLAGS = 0x0880,
    };

    CExtEditBase();
    ~CExtEditBase() override;

    // ---- tool tip ------------------------------------------------------------------------------
    void SetTooltipText(LPCTSTR lpszText, bool bActivate = true);
    void ActivateTooltip(bool bActivate = true);
    void InitToolTip();
    CToolTipCtrl& GetToolTip() { return m_wndToolTip; }

    // ---- edit commands -------------------------------------------------------------------------
    // Whether a command of the table is enabled now; false for other ids.
    bool IsEditCommandEnabled(UINT nCmdID) const;
    // Runs a command of the table; false for other ids.
    bool DoEditCommand(UINT nCmdID);
    // Shows the themed context menu at a screen point (-1, -1: the centre of the edit); false when
    // the default context menu must run instead.
    bool TrackContextMenu(CPoint ptScreen);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BYTE m_nEditBaseFlags; // k...

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // WM_CONTEXTMENU; false: default handling.
    bool OnContextMenuMsg(LPARAM lParam);
    // WM_NOTIFY: the own tip comes to the top when it shows.
    void OnNotifyMsg(LPARAM lParam);

    CToolTipCtrl m_wndToolTip;
};
