// Resource ids of the frames test program.
#pragma once
#define IDR_TESTFRAME     300
#define IDD_TESTFORM      301
#define IDD_TESTDIALOG    310
#define IDD_TESTPAGE1     320
#define IDD_TESTPAGE2     321
#define IDS_PAGE2_CAPTION 322

#define IDC_FORM_EDIT   1001
#define IDC_DLG_NUMBER  1101
#define IDC_DLG_NAME    1102
#define IDC_DLG_CHECK   1103
#define IDC_DLG_RADIO1  1104
#define IDC_DLG_RADIO2  1105
#define IDC_DLG_RADIO3  1106
#define IDC_DLG_COMBO   1107
#define IDC_DLG_LIST    1108
#define IDC_DLG_BUTTON  1109
#define IDC_PAGE1_EDIT  1201
#define IDC_PAGE2_CHECK 1202

#define ID_TEST_FRAME     40001
#define ID_TEST_VIEW      40002
#define ID_TEST_DOC       40003
#define ID_TEST_APP       40004
#define ID_TEST_BOTH      40005
#define ID_TEST_NOHANDLER 40006
#define ID_TEST_DISABLED  40007
