// Resource ids of the toolkit foundation tests' own resources.
#pragma once
// Strings: one block (ids 62000..62015) in U.S. English, part of it in Indonesian.
#define IDS_FT_HELLO        62000
#define IDS_FT_ONLY_ENGLISH 62001
#define IDS_FT_EMPTY_ENTRY  62002 // not defined: an entry of length 0 in a present block
#define IDS_FT_CAPTION      62003
#define IDS_FT_MISSING      62100 // its block does not exist

#define IDR_FT_MENU            62200
#define IDR_FT_ACCEL           62201
#define IDR_FT_ACCEL_EMPTY     62202
#define IDB_FT_FLAG            62203
#define IDR_FT_EMPTY_DATA      62204
#define IDB_FT_ONLY_INDONESIAN 62205
#define ID_FT_CMD_OPEN         62300
#define ID_FT_CMD_SAVE         62301
#define ID_FT_CMD_HALO         62302

#define IDD_FT_LISTS        62400
#define IDD_FT_SHELLDLG_8   62401
#define IDD_FT_SANSSERIF_8  62402
#define IDD_FT_SANSSERIF_10 62403
#define IDD_FT_ARIAL_8      62404
#define IDD_FT_PAGE1        62405
#define IDD_FT_PAGE2        62406
#define IDD_FT_PAGE3        62407
#define IDD_FT_ENDS_IN_INIT 62408
#define IDC_FT_LIST         1001
#define IDC_FT_COMBO        1002
#define IDC_FT_EDIT         1003
