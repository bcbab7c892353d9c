// CWinThread.
#include "platform/WinThread.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
