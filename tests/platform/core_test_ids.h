// String ids of the platform core tests' own resources.
#pragma once
#define IDS_CORE_TEST_HELLO     61001
#define IDS_CORE_TEST_FORMAT    61002
#define IDS_CORE_TEST_LONG      61003
#define IDS_CORE_TEST_REGKEY    61004
#define IDS_CORE_TEST_PROMPT    61005
#define IDS_CORE_TEST_MISSING   61015
#define IDS_CORE_TEST_APP_TITLE 0xE000
