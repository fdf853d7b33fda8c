#pragma once
// One drawn picture of a type for one view direction: the image (its
// covered pixels are the mask's shape) and the hotspot, the pixel that the
// view puts on the reference point of the far corner cell.

#include "tools/mkdata/Canvas.h"

struct SPicture {
    CCanvas image;
    int hotspotX = 0;
    int hotspotY = 0;
};
