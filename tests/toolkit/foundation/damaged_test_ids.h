// Resource ids of the damaged-resource tests' own module (the other damaged resources are written
// by the tests themselves, which cannot make resources of 0 bytes).
#pragma once
#define IDD_DMG_EMPTY 62500 // a dialog template of 0 bytes
#define IDR_DMG_EMPTY 62501 // a menu template of 0 bytes
