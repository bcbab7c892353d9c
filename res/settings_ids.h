// Resource ids of the settings sheet, its pages, the login dialog and the text entry dialog.
#pragma once

// The settings sheet and its buttons.
#define IDD_SETTING           211
#define IDC_SETTING_CONTAINER 1005
#define IDC_SETTING_PREV      1016
#define IDC_SETTING_NEXT      1017

// Connection page.
#define IDD_CONNECTION_OPT      164
#define IDC_CONN_PORT           1007
#define IDC_CONN_SMSC           1021
#define IDC_CONN_READ_SMSC      1022
#define IDC_CONN_WRITE_SMSC     1023
#define IDC_CONN_SMSC_HELP      1024
#define IDC_CONN_TIMEOUT        1025
#define IDC_CONN_SAVE_TO_SENT   1026
#define IDC_CONN_GROUP          1027
#define IDC_CONN_TEST           1028
#define IDC_CONN_ADVANCED       1029
#define IDC_CONN_SMSC_GROUP     1030
#define IDC_CONN_OTHER_GROUP    1031
#define IDC_CONN_TIMEOUT_LABEL  1032
#define IDC_CONN_TIMEOUT_UNIT   1033
#define IDC_CONN_DELETE_FETCHED 1034

// General page.
#define IDD_OPTION_UMUM           165
#define IDC_UMUM_SHOW_SPLASH      1035
#define IDC_UMUM_HIDE_TO_TRAY     1036
#define IDC_UMUM_FETCH_WHEN_START 1039

// Scheduler page.
#define IDD_SCHEDULER_OPT      166
#define IDC_SCHED_HOUR         1040
#define IDC_SCHED_HOUR_SPIN    1041
#define IDC_SCHED_MINUTE       1042
#define IDC_SCHED_MINUTE_SPIN  1043
#define IDC_SCHED_GROUP        1044
#define IDC_SCHED_ON           1045
#define IDC_SCHED_HOUR_LABEL   1046
#define IDC_SCHED_MINUTE_LABEL 1047

// Theme page.
#define IDD_THEME_COLOR        167
#define IDC_THEME_COLOUR_LABEL 1048
#define IDC_THEME_COLOUR       1049
#define IDC_THEME_SKIN_LABEL   1050
#define IDC_THEME_SKINS        1051

// Password page.
#define IDD_PASSWORD_OPT      168
#define IDC_PASS_NEW          1053
#define IDC_PASS_RETYPE       1054
#define IDC_PASS_ACTIVE       1055
#define IDC_PASS_RETYPE_LABEL 1056
#define IDC_PASS_SAVE         1057
#define IDC_PASS_MASK         1058
#define IDC_PASS_GROUP        1059
#define IDC_PASS_NEW_LABEL    1060

// MyText page.
#define IDD_MYTEXT        171
#define IDC_MYTEXT_DELETE 1061
#define IDC_MYTEXT_ADD    1062
#define IDC_MYTEXT_EDIT   1063
#define IDC_MYTEXT_LIST   1064

// Text entry dialog.
#define IDD_TEXT_INPUT   172
#define IDC_TEXT_INPUT   1053
#define IDC_TEXT_CAPTION 1140

// SMS options page.
#define IDD_SMS_OPT             206
#define IDC_SMS_PREFIX_ON       1014
#define IDC_SMS_SAVE_PREFIX     1015
#define IDC_SMS_QUOTE           1016
#define IDC_SMS_CUT_QUOTE       1017
#define IDC_SMS_CONFIRM_DELETE  1018
#define IDC_SMS_FORWARD_SENDER  1019
#define IDC_SMS_PREFIX          1117
#define IDC_SMS_CUT_LENGTH      1118
#define IDC_SMS_SIGNATURE_LABEL 1119
#define IDC_SMS_SIGNATURE       1120
#define IDC_SMS_CUT_UNIT        1139

// Login dialog.
#define IDD_LOGIN          210
#define IDC_LOGIN_KEY_1    1126 // "1" .. "9" are 1126 .. 1134
#define IDC_LOGIN_KEY_9    1134
#define IDC_LOGIN_KEY_STAR 1135
#define IDC_LOGIN_KEY_0    1136
#define IDC_LOGIN_KEY_BACK 1137
#define IDC_LOGIN_PASSWORD 1138

// Texts of the pages and the login.
#define IDS_CONN_SUCCESS      32812
#define IDS_CONN_SMSC_HELP    32813
#define IDS_CONN_SMSC_INVALID 32814
#define IDS_CONN_SMSC_WARNING 32815
#define IDS_PASS_REMEMBER     32817
#define IDS_PASS_EMPTY        32818
#define IDS_PASS_MISMATCH     32819
#define IDS_PASS_SAVED        32820
#define IDS_LOGIN_WRONG       32853
