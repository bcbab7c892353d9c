// Anchor of the phone library.
#include "platform/Platform.h"
