// Small helpers of the message store.
#pragma once
#include "platform/Platform.h"

// The program's folder with its trailing backslash.
CString GetAppFolder();
// The number with only "+" (wherever it stands) and the digits 0-9 kept, in order.
CString FilterPhoneNumber(CString strNumber);
