// CCmdTarget.
#include "platform/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
