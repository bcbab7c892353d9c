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

// Texts of the main view.
#define IDS_SENDER_FROM      32809
#define IDS_SENDER_TO        32810
#define IDS_CONFIRM_DELETE   32811
#define IDS_LOADING_CONTACTS 32852
