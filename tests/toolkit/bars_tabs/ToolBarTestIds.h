// Ids of the tool-bar test host's resources (0x6100-0x61FF) and commands (0xC100-0xC1FF).
#pragma once

#define IDR_TBT_TOOLBAR 0x6100
#define IDR_TBT_MENU    0x6101
#define IDR_TBT_MENU2   0x6102

// The 26 buttons' commands, in button order (separators between are id 0).
#define ID_TBT_FIRST 0xC101
#define ID_TBT_LAST  0xC11A
// Commands of the drop-down menus.
#define ID_TBT_PICK_A 0xC1A1
#define ID_TBT_PICK_B 0xC1A2
#define ID_TBT_PICK_C 0xC1A3
