#pragma once
// The picture files of the program folder, one per entry of the picture
// catalogue, each at its catalogue size and cell layout: 8-bit .BMP files in
// the game palette, drawn by the mark, cursor, title and tool-face painters;
// the same picture is drawn on every run.
//
// Marks are drawn for the mask-and-paint blits: the mask cell is black
// where the mark is and white around it, the picture cells are black around
// the mark.

#include <string>

#include "model/PictureCatalog.h"
#include "tools/mkdata/Canvas.h"

class CResourcePictures {
public:
    // The picture of one entry.
    static CCanvas Draw(const SPictureEntry& entry, const CGamePalette& palette);
    // Writes every entry into folder (with a trailing separator), making
    // its res/ folder; false with the reason in error when one fails.
    static bool WriteAll(const std::string& folder, const CGamePalette& palette,
                         std::string& error);
    // Checks every entry's file in folder against the catalogue (readable,
    // 8 bits, the catalogue's size and cells, the game palette as its colour
    // table, loadable by the programs' strip loader) and names any other
    // file in res/; one line per file in report. False when any fails.
    static bool CheckAll(const std::string& folder, const CGamePalette& palette,
                         std::string& report);
};
