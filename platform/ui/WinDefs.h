#pragma once
// The types live with the raster core; this name stays for the window layer.
#include "platform/gfx/WinDefs.h"
