// CExtPaintManagerOffice2003 painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
