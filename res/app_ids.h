// Resource ids of the application's main window.
#pragma once
// Menu, icon and document string of the main frame.
#define IDR_MAINFRAME 128

// The main view's form and its controls.
#define IDD_CORVANE_SMS_FORM 138
#define IDC_MESSAGE_TEXT     102
#define IDC_COUNT_NEW        103
#define IDC_SENDER_CAPTION   106
#define IDC_LABEL_NEW        108
#define IDC_COUNT_TOTAL      109
#define IDC_TEST_PDU         1016
#define IDC_LABEL_TOTAL      1104
#define IDC_SENDER           1107
#define IDC_SEARCH_FOLDER    110 // no such control on the form; its notices are handled

// Texts of the main view.
#define IDS_SENDER_FROM      32809
#define IDS_SENDER_TO        32810
#define IDS_CONFIRM_DELETE   32811
#define IDS_LOADING_CONTACTS 32852

// Images of the message list and the folder tree.
#define IDB_HEADER_IMAGES 130
#define IDB_FOLDER_IMAGES 144
#define IDB_LIST_IMAGES   198

// Message commands of the view and the context menu.
#define ID_SMS_NEW               112
#define ID_SMS_DELETE            113
#define ID_SMS_REPLY             114
#define ID_SMS_FORWARD           115
#define ID_SMS_EDIT              32795
#define ID_SMS_RECOMPOSE         32796
#define ID_SMS_SEND_NOW          32797
#define ID_SMS_SEND_AGAIN        32798
#define ID_COPY_SENDER_NUMBER    32800
#define ID_COPY_RECIPIENT_NUMBER 32801
// The same numbers posted as window messages to the view (double click, the compose window).
#define WM_VIEW_NEW_SMS    0x70
#define WM_VIEW_DELETE_SMS 0x71
#define WM_VIEW_REPLY      0x72
#define WM_VIEW_FORWARD    0x73
#define WM_VIEW_EDIT       0x801B
#define WM_VIEW_RECOMPOSE  0x801C

// Bar ids the frame gives the message list and the folder tree.
#define IDW_SMS_LIST    101
#define IDW_FOLDER_TREE 105

// Commands of menu 128 beyond the message and phone commands.
#define ID_CALL                  111
#define ID_VIEW_CORVANE_TOOLBAR  136
#define ID_VIEW_TOPMOST          32777
#define ID_QUICK_REPLY           32792
#define ID_REPLY_QUOTE           32802
#define ID_FORWARD_WITH_SENDER   32803
#define ID_CALL_CONTACT          32804
#define ID_SAVE_TO_OUTLOOK       32805
#define ID_THEME_CUSTOM          32864
#define ID_SETTINGS              32866
#define ID_SOUND_SETTINGS        32867
#define ID_SEARCH_SMS            32868
#define ID_CLEAR_HISTORY         32869
#define ID_IMPORT_SMS            32870
#define ID_EXPORT_SMS            32871
#define ID_REBUILD_CONTACT_NAMES 32872
#define ID_DELETE_ALL_SMS        32873
#define ID_THEME_BLUE            32876
#define ID_THEME_METALLIC        32877
#define ID_THEME_GREEN           32878
#define ID_THEME_PINK            32879
#define ID_SMS_SETTINGS          32880

// The message list's context menus and the icons of their commands.
#define IDR_SMS_CONTEXT  146
#define IDR_SMS_TOOLS    181
#define IDI_COPY_NUMBER  199
#define IDI_REPLY_QUOTE  201
#define IDI_FORWARD_NAME 202
#define IDI_CALL_CONTACT 203
#define IDI_SAVE_CONTACT 204

// Texts the main frame names.
#define IDS_REBUILD_CONTACTS_ASK 32779

// The About box.
#define IDD_ABOUTBOX     100
#define IDB_ABOUT_BANNER 217
#define IDC_ABOUT_TEXT   1141
#define IDB_SPLASH       209

// The compose window (template 148), its tool bar (149) and pictures.
#define IDD_COMPOSE_SMS              148
#define IDR_COMPOSE_TOOLBAR          149 // tool-bar resource and its bitmap
#define IDS_COMPOSE_READY            156 // the status pane's indicator, "Ready"
#define IDB_LETTER_STRIP             170
#define IDB_EMOTICON_GRIN            173 // ":-D"
#define IDB_EMOTICON_CRY             174 // ":(("
#define IDB_EMOTICON_SAD             175 // ":-("
#define IDB_EMOTICON_SURPRISE        176 // ":-O"
#define IDB_EMOTICON_SMILE           177 // ":-)"
#define IDB_EMOTICON_TONGUE          178 // ":p"
#define IDB_EMOTICON_WINK            179 // ";-)"
#define ID_COMPOSE_CUT               118
#define ID_COMPOSE_COPY              120
#define ID_COMPOSE_PASTE             121
#define ID_COMPOSE_SAVE_DRAFT        122
#define ID_COMPOSE_SAVE_OUTBOX       123
#define ID_COMPOSE_SEND              125
#define IDC_COMPOSE_LETTER_BAR       126 // the letter index bar, created at run time
#define IDC_COMPOSE_HISTORY          119 // hidden combo box
#define IDC_COMPOSE_LAST_SMS         129 // the "last SMS" pane, created at run time
#define IDC_COMPOSE_RECIPIENTS       1001
#define IDC_COMPOSE_TOOLBAR          1005 // the tool bar's placeholder
#define IDC_COMPOSE_FILTER           1007
#define IDC_COMPOSE_TEXT             1009
#define IDC_COMPOSE_COUNTER          1010
#define IDC_COMPOSE_FLASH            1011
#define IDC_COMPOSE_SELECT_ALL       1014
#define IDC_COMPOSE_CONTACTS         1015
#define IDC_COMPOSE_TAKE_TO          1016
#define IDC_COMPOSE_TAKE_ADD         1017
#define IDC_COMPOSE_SEARCH           1019
#define IDC_COMPOSE_FILTER_LABEL     1065
#define IDC_COMPOSE_CATEGORY_LABEL   1066
#define IDC_COMPOSE_CATEGORY         1067
#define IDC_COMPOSE_KIND_LEGEND      1068
#define IDC_COMPOSE_TEMPLATES        1069
#define IDC_COMPOSE_EMOTICON_FIRST   1070 // 1070 .. 1076
#define IDC_COMPOSE_EMOTICON_LAST    1076
#define IDC_COMPOSE_COUNTER_LABEL    1077
#define IDC_COMPOSE_SEARCH_LABEL     1078
#define IDC_COMPOSE_RECIPIENTS_LABEL 1079
