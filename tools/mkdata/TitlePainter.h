#pragma once
// The pictures of the start, the logo windows and the report box: the logo
// strip (400: a round badge with a coin spinning over a city at night, its
// still end the coin face on with every window lit), the quiet tile behind
// it (391), the start dialog's mark animation (365), the start choice's
// "New Game" and "Load" pictures (358, 359: picture above mask), the report
// box picture (372: a bank under a falling arrow) and the title picture
// (383: the logo over the skyline).

#include "model/PictureCatalog.h"
#include "tools/mkdata/Canvas.h"

class CTitlePainter {
public:
    static void Logo(CCanvas& strip, const SPictureEntry& entry);
    static void LogoBack(CCanvas& strip, const SPictureEntry& entry);
    static void MarkAnimation(CCanvas& strip, const SPictureEntry& entry);
    static void StartChoice(CCanvas& strip, const SPictureEntry& entry, bool newGame);
    static void ReportPicture(CCanvas& canvas);
    static void TitlePicture(CCanvas& canvas);
};
