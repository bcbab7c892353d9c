// CExtPaintManagerStudio2005 painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

void CExtPaintManagerStudio2005::PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data)
{
    CExtPaintManagerOffice2003::PaintCaptionButton(dc, data);
}
