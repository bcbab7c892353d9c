// Ids of the menu bar and status bar tests' resources.
#pragma once

#define IDR_MS_MENU     0x7A00 // the frame's menu: File, Edit, View, Window, Help
#define IDR_MS_MENU_ALT 0x7A01 // a second menu for LoadMenuBar: Alpha, Beta
#define IDR_MS_DOC_MENU 0x7A02 // the MDI document menu: File, Document, Window
#define IDR_MS_ACCEL    0x7A03

#define ID_MS_FILE_OPEN  0x7A10
#define ID_MS_FILE_SAVE  0x7A11
#define ID_MS_FILE_EXIT  0x7A12
#define ID_MS_EDIT_UNDO  0x7A13
#define ID_MS_EDIT_COPY  0x7A14
#define ID_MS_VIEW_BARS  0x7A15
#define ID_MS_WIN_TILE   0x7A16
#define ID_MS_HELP_ABOUT 0x7A17
#define ID_MS_ALPHA_ONE  0x7A18
#define ID_MS_BETA_ONE   0x7A19
#define ID_MS_DOC_ONE    0x7A1A
#define ID_MS_TOOL_ZOOM  0x7A1B // the other tool bar's command with the mnemonic "&Zoom"
#define ID_MS_ACCEL_CMD  0x7A1C // Ctrl+Alt+K

// Status panes with strings, and one without.
#define ID_MS_PANE_LOG   0x7A30
#define ID_MS_PANE_CAP   0x7A31
#define ID_MS_PANE_NUM   0x7A32
#define ID_MS_PANE_NOSTR 0x7A3F
#define ID_MS_PANE_BUSY  32775 // the main frame's busy pane
