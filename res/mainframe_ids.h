// Resource ids of the main window's tool bars, command icons, busy animation, tray menu and texts.
#pragma once

// Tool-bar resources with their bitmaps: the "Standard Toolbar" uses IDR_MAINFRAME (128).
#define IDR_CORVANE_TOOLBAR 136

// Command icons, each drawn at the size the frame loads it.
#define IDI_APP_EXIT              131 // 16
#define IDI_APP_ABOUT             132 // 16
#define IDI_RECEIVE_SMS           133 // 32
#define IDI_SEND_SMS              134 // 32
#define IDI_SEND_RECEIVE_SMS      135 // 32
#define IDI_CALL                  139 // 24
#define IDI_SMS_NEW               140 // 32
#define IDI_SMS_REPLY             141 // 32
#define IDI_SMS_FORWARD           142 // 32
#define IDI_SMS_DELETE            143 // 32
#define IDI_COMPOSE_COPY          155 // 24
#define IDI_COMPOSE_CUT           156 // 24
#define IDI_SPEAKER               184 // 16; also the sound dialog's play buttons
#define IDI_SEARCH_SMS            190 // 16
#define IDI_SETTINGS              191 // 16
#define IDI_IMPORT_SMS            192 // 16
#define IDI_EXPORT_SMS            193 // 16
#define IDI_REBUILD_CONTACT_NAMES 195 // 16
#define IDI_DELETE_ALL_SMS        196 // 16
#define IDI_CLEAR_HISTORY         197 // 16
#define IDI_SMS_SETTINGS          205 // 16

// The status bar's busy animation (16 x 16, eight frames).
#define IDR_BUSY_ANIMATION 207

// The tray icon's menu and its first command.
#define IDR_TRAY_MENU       216
#define ID_SHOW_HIDE_WINDOW 32881

// The menu bar's id, a bar toggle like the tool bars and the docked lists.
#define IDW_MENU_BAR 104

// Texts of the frame's commands and of the scheduled fetch.
#define IDS_HISTORY_CLEARED           32774
#define IDS_DELETE_ALL_ASK            32778
#define IDS_REBUILD_CONTACTS_PROGRESS 32780
#define IDS_REBUILD_CONTACTS_DONE     32781
#define IDS_DELETE_ALL_ASK_AGAIN      32806
#define IDS_AUTO_RECEIVE_PREPARING    32851
