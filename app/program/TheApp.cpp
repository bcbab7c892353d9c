// The one application object of the program. Built by the runtime before the library's wWinMain
// runs it (AfxWinMain: InitInstance, then the message loop).
#include "app/Corvane_sms.h"

CCorvane_smsApp theApp;
