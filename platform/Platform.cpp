// Anchor of the platform library.
#include "platform/Platform.h"
