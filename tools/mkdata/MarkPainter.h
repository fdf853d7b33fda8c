#pragma once
// The mark strips that the lists and reports draw through masks: the company
// colour marks (420), the numbered small marks (410), the pair marks (350
// and 351) and the row marks (380). Every mark of a strip shares its strip's
// mask, so a picture cell is black wherever that mask is white.

#include "model/PictureCatalog.h"
#include "tools/mkdata/Canvas.h"

class CMarkPainter {
public:
    // Cell 0 the mask; cell 1 the later-month marker, cell 2 the marker of
    // this or an earlier month (also the blank mark), cell c + 3 the emblem
    // of company colour c: a disc of that colour in a darker rim.
    static void ColorMarks(CCanvas& strip, const SPictureEntry& entry);
    // Cell 0 the mask, cell n + 1 a blue disc numbered n + 1.
    static void SmallMarks(CCanvas& strip, const SPictureEntry& entry);
    // Row 0 a coin stack, row 1 a megaphone, in the left column; masks is
    // true for the strip of masks.
    static void PairMarks(CCanvas& strip, const SPictureEntry& entry, bool masks);
    // Mask column and picture column: a tick, an hourglass and a cross.
    static void RowMarks(CCanvas& strip, const SPictureEntry& entry);
};
