#pragma once
// The play-mode pictures of the set-up wizard (394): four cells side by
// side on a soft sky panel. Normal play shows one screen; hosting a server
// with lines out to two screens; joining a screen with an arrow to the
// server; resuming a screen, a saved-game disk and a turning arrow.

#include "model/PictureCatalog.h"
#include "tools/mkdata/Canvas.h"

class CPlayModePainter {
public:
    static void Draw(CCanvas& strip, const SPictureEntry& entry);
};
