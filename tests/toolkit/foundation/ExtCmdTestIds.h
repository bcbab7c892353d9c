// Resource ids of the command-system tests.
#pragma once

// Commands with string resources.
#define ID_CMDT_TWO_PHRASES    10
#define ID_CMDT_STATUS_ONLY    11
#define ID_CMDT_BLANKS         12
#define ID_CMDT_TAB            13
#define ID_CMDT_TWO_LINE_FEEDS 14
#define ID_CMDT_NO_STRING      15
#define ID_CMDT_DEEP           16
#define ID_CMDT_TOP            17
#define ID_CMDT_OUTSIDE_A      20
#define ID_CMDT_OUTSIDE_B      21
#define ID_CMDT_OUTSIDE_C      22

// Menus and tool bars (a tool-bar resource and its bitmap share the id).
#define IDR_CMDT_MENU                  400
#define IDR_CMDT_TOOLBAR               300
#define IDR_CMDT_TOOLBAR_OUTSIDE       301
#define IDR_CMDT_TOOLBAR_COUNT_TOO_BIG 302
#define IDR_CMDT_TOOLBAR_ZERO_WIDTH    303
#define IDR_CMDT_TOOLBAR_SHORT         304
#define IDR_CMDT_TOOLBAR_ZERO_HEIGHT   305
#define IDR_CMDT_TOOLBAR_NO_BITMAP     306
