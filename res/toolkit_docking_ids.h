// Resource ids of the toolkit's docking: its strings (30057). Usable from C++ and from resource scripts.
#pragma once

#define IDS_EXT_DRAG_HINT 30057 // status text while a bar is dragged
