#pragma once
// The nine tool-bar faces in button order: acquired real estate (a house and
// its key), designated purchase (a pin on a plot), acquire land (coins on a
// plot), construction (a crane), reinforcement (a shield before a wall),
// salary (banknotes and coins), recruit employees (a person and a plus),
// advice (a light bulb) and end operations (a calendar page and an arrow).
// Strip 150 draws them in colour on the 192-grey button face; strip 430
// draws the same faces in white, 192-grey, 128-grey and black only, which the
// tool buttons recolour to the system's 3-D colours.

#include "model/PictureCatalog.h"
#include "tools/mkdata/Canvas.h"

class CToolFacePainter {
public:
    static void Draw(CCanvas& strip, const SPictureEntry& entry, bool greysOnly);
};
