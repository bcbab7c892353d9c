// Ids of the toolkit gallery's resources and commands.
#pragma once

#define IDR_GALLERY_CONTEXT 4100
#define ID_GAL_NEW          4001
#define ID_GAL_OPEN         4002
#define ID_GAL_SAVE         4003
#define ID_GAL_PRINT        4004
#define ID_GAL_DISABLED     4005
#define ID_GAL_CHECKED      4006
#define ID_GAL_RADIO_A      4007
#define ID_GAL_RADIO_B      4008
#define ID_GAL_RARE         4009
#define ID_GAL_LEVEL2       4010
#define ID_GAL_LEVEL3       4011
#define ID_GAL_EXIT         4012
#define ID_GAL_RECENT_FIRST 0xE110
#define ID_GAL_LONG_FIRST   4200

// Resizable windows page: dialog, page and form templates and their controls.
#define IDD_GAL_RESIZABLE 4300
#define IDD_GAL_PAGE1     4301
#define IDD_GAL_PAGE2     4302
#define IDD_GAL_PAGE3     4303
#define IDD_GAL_FORM      4304
#define IDC_GAL_LIST      4310
#define IDC_GAL_EDIT      4311
#define IDC_GAL_NOTE      4312
#define IDC_GAL_LABEL     4313
