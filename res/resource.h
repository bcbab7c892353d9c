// Resource ids of the program. Each area keeps its ids in a header of its own, included here.
#pragma once
#include "store_ids.h"
#include "phone_ids.h"
#include "platform_ids.h"
#include "app_ids.h"
#include "toolkit_color_ids.h"
#include "toolkit_docking_ids.h"
#include "settings_ids.h"
#include "mainframe_ids.h"
