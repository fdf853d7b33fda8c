#pragma once
// Lives with the raster core; this name stays for the window layer.
#include "platform/gfx/Bitmap.h"
