// Resource ids of the program's tool dialogs: export, import, browse folder, search, SMS log,
// sounds, save-contact and the dialer, with their texts, cursor, icon and the status bar's button.
#pragma once
#include "mainframe_ids.h" // IDI_SPEAKER, the speaker icon the play buttons share with the frame

// Export dialog.
#define IDD_EXPORT_SMS          187
#define IDC_EXPORT_SAVE_AS      1110
#define IDC_EXPORT_NAME_LABEL   1111
#define IDC_EXPORT_TYPE_LABEL   1112
#define IDC_EXPORT_FOLDER_LABEL 1113
#define IDC_EXPORT_NAME         1114
#define IDC_EXPORT_TYPE         1108
#define IDC_EXPORT_FOLDER       1109
#define IDC_EXPORT_RUN          1115
// The "..." button of the export, import and sound dialogs.
#define IDC_BROWSE_BUTTON 1016

// Import dialog.
#define IDD_IMPORT_SMS        186
#define IDC_IMPORT_KIND_LABEL 1099
#define IDC_IMPORT_BACKUP     1096
#define IDC_IMPORT_SIMPLE     1097
#define IDC_IMPORT_MPHONE     1098
#define IDC_IMPORT_FILE_LABEL 1100
#define IDC_IMPORT_FILE       1101
#define IDC_IMPORT_PROGRESS   1102

// Browse-folder dialog, its busy cursor (ten frames) and the browse icon.
#define IDD_BROWSE_FOLDER    188
#define IDC_BROWSE_TREE      1116
#define IDR_BROWSE_ANIMATION 189
#define IDI_BROWSE_FOLDER    183

// Search and SMS log dialogs; the status bar's "LOG" button opens the log.
#define IDD_SEARCH_SMS        185
#define IDC_SEARCH_TYPE_LABEL 1094
#define IDC_SEARCH_TYPE       1007
#define IDC_SEARCH_TEXT_LABEL 1095
#define IDC_SEARCH_TEXT       1093
#define IDD_SMS_LOG           208
#define IDC_SMS_LOG_TEXT      1121
#define IDC_LOG_BUTTON        153

// Texts.
#define IDS_SEARCH_FIELD_NAME   32844
#define IDS_SEARCH_FIELD_TEXT   32845
#define IDS_SEARCH_FIELD_NUMBER 32846
#define IDS_IMPORT_NO_FILE      32847
#define IDS_IMPORT_PROGRESS     32848
#define IDS_IMPORT_DONE         32849
#define IDS_EXPORT_DONE         32850
// Failures export and import report beyond those above.
#define IDS_EXPORT_WRITE_FAILED  34850
#define IDS_IMPORT_OPEN_FAILED   34851
#define IDS_IMPORT_LINES_REFUSED 34852
#define IDS_IMPORT_FILED_COUNTS  34853

// Save-contact dialog and its texts.
#define IDD_SAVE_CONTACT            180
#define IDC_CONTACT_CATEGORY        1142
#define IDC_CONTACT_FIRST_LABEL     1083
#define IDC_CONTACT_FIRST_NAME      1084
#define IDC_CONTACT_LAST_LABEL      1085
#define IDC_CONTACT_LAST_NAME       1080
#define IDC_CONTACT_FILE_AS_LABEL   1086
#define IDC_CONTACT_FILE_AS         1007
#define IDC_CONTACT_NUMBER_LABEL    1087
#define IDC_CONTACT_NUMBER          1081
#define IDC_CONTACT_KIND_LABEL      1088
#define IDC_CONTACT_KIND            1082
#define IDS_CONTACT_NAME_MISSING    32832
#define IDS_CONTACT_FILE_AS_MISSING 32833
#define IDS_CONTACT_NUMBER_MISSING  32834

// Sound dialog; the play buttons show the speaker icon IDI_SPEAKER.
#define IDD_SOUND             182
#define IDC_SOUND_ON          1014
#define IDC_SOUND_TAP         1052
#define IDC_SOUND_REC_ON      1089
#define IDC_SOUND_REC_BROWSE  133
#define IDC_SOUND_REC_PATH    1092
#define IDC_SOUND_REC_PLAY    134
#define IDC_SOUND_SENT_ON     1090
#define IDC_SOUND_SENT_BROWSE 135
#define IDC_SOUND_SENT_PATH   1054
#define IDC_SOUND_SENT_PLAY   136
#define IDC_SOUND_NEW_ON      1091
#define IDC_SOUND_NEW_BROWSE  137
#define IDC_SOUND_NEW_PATH    1055
#define IDC_SOUND_NEW_PLAY    138

// Dialer window (its client is the skin's size, 240 x 260 pixels).
#define IDD_DIALER            169
#define IDC_DIALER_NUMBER     1053
#define IDC_DIALER_CONTACTS   127
#define IDC_DIALER_LETTER_BAR 126
