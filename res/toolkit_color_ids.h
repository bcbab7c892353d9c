// Resource ids of the toolkit's colour dialog: the dialog template and icon, its controls (30013..30044 and the
// mode label 30291) and its strings (30002, the mode names 30343..30357). Usable from C++ and from resource scripts.
#pragma once

#define IDD_EXT_COLOR_DLG   30001 // the dialog template
#define IDI_EXT_COLOR_DLG   30001 // the dialog icon
#define IDS_EXT_COLOR_RANGE 30002 // the range error text, when a program provides it

#define IDC_EXT_COLOR_CTRL_MAIN 30013 // the large colour control, mode chosen in the combo
#define IDC_EXT_COLOR_MODE      30014 // the mode combo box
#define IDC_EXT_COLOR_CTRL_DIFF 30027 // the small control: new colour over the initial one

#define IDC_EXT_COLOR_LABEL_R    30015
#define IDC_EXT_COLOR_EDIT_R     30016
#define IDC_EXT_COLOR_LABEL_G    30017
#define IDC_EXT_COLOR_EDIT_G     30018
#define IDC_EXT_COLOR_LABEL_B    30019
#define IDC_EXT_COLOR_EDIT_B     30020
#define IDC_EXT_COLOR_LABEL_H    30021
#define IDC_EXT_COLOR_EDIT_H     30022
#define IDC_EXT_COLOR_LABEL_S    30023
#define IDC_EXT_COLOR_EDIT_S     30024
#define IDC_EXT_COLOR_LABEL_L    30025
#define IDC_EXT_COLOR_EDIT_L     30026
#define IDC_EXT_COLOR_LABEL_NEW  30028
#define IDC_EXT_COLOR_LABEL_OLD  30029
#define IDC_EXT_COLOR_LABEL_C    30030
#define IDC_EXT_COLOR_EDIT_C     30031
#define IDC_EXT_COLOR_SPIN_R     30032
#define IDC_EXT_COLOR_SPIN_G     30033
#define IDC_EXT_COLOR_SPIN_B     30034
#define IDC_EXT_COLOR_SPIN_H     30035
#define IDC_EXT_COLOR_SPIN_S     30036
#define IDC_EXT_COLOR_SPIN_L     30037
#define IDC_EXT_COLOR_SPIN_C     30038
#define IDC_EXT_COLOR_LABEL_M    30039
#define IDC_EXT_COLOR_EDIT_M     30040
#define IDC_EXT_COLOR_SPIN_M     30041
#define IDC_EXT_COLOR_LABEL_Y    30042
#define IDC_EXT_COLOR_EDIT_Y     30043
#define IDC_EXT_COLOR_SPIN_Y     30044
#define IDC_EXT_COLOR_LABEL_MODE 30291
