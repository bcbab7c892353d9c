// CExtPaintManagerStudio2005 painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
