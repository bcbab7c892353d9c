// The four anchor percentage pairs shared by the labels and the anchoring of resizable windows.
#pragma once
#include "platform/Geometry.h"

extern const CSize AnchorTopLeft;     // (0, 0)
extern const CSize AnchorTopRight;    // (100, 0)
extern const CSize AnchorBottomLeft;  // (0, 100)
extern const CSize AnchorBottomRight; // (100, 100)
