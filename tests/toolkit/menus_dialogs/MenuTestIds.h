// Ids of the popup-menu tests' resources and commands.
#pragma once

#define IDR_TEST_MENU        3100
#define ID_TEST_OPEN         3001
#define ID_TEST_SAVE         3002
#define ID_TEST_EXIT         3003
#define ID_TEST_SUB_A        3004
#define ID_TEST_SUB_B        3005
#define ID_TEST_DEEP         3006
#define ID_TEST_ENABLE_OFF   3011
#define ID_TEST_CHECKED      3012
#define ID_TEST_RADIO        3013
#define ID_TEST_RETEXT       3014
#define ID_TEST_HANDLED      3015
#define ID_TEST_UNHANDLED    3016
#define ID_TEST_ALWAYS       3017
#define ID_TEST_FIRST_FREE   3100
#define ID_TEST_RECENT_FIRST 0xE110
