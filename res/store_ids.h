// String ids of the message store.
#pragma once
#define IDS_DATA_FILE_OPEN_FAILED  32837
#define IDS_DATA_FILE_DAMAGED      33101
#define IDS_DATA_FILE_DAMAGED_KEPT 33102
#define IDS_DATA_FILE_SAVE_FAILED  33103
#define IDS_DATA_FILE_NOT_READ     33104
