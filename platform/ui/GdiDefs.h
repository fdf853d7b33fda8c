#pragma once
// The drawing definitions live with the raster core; this name stays for the
// window layer.
#include "platform/gfx/GdiDefs.h"
