#pragma once
// Every picture file of the program folder: its id, file name, size, how it
// is cut into cells and (for cursors) its hot spot. The game and the
// judgment program load their strips from it, mkdata writes the files from
// it and checks them against it, so the three can never disagree about a
// picture's size or layout.

#include <string>
#include <vector>

// How the cells of a picture lie: `columns` x `rows` cells of equal size.
// A whole picture is one cell; a cursor is two cells stacked, the picture
// above its mask.
struct SPictureEntry {
    int id = 0;
    bool cursor = false;
    int width = 0;
    int height = 0;
    int columns = 1;
    int rows = 1;
    // The cursor's hot spot inside its 32 x 32 picture; 0, 0 for bitmaps.
    int hotX = 0;
    int hotY = 0;
    // Who draws it (for mkdata's report and the reader of this table).
    const char* use = "";

    int CellWidth() const { return width / columns; }
    int CellHeight() const { return height / rows; }
    // "res/<id>.bmp" or "res/cursor<id>.bmp", relative to the program folder.
    std::string FileName() const;
};

class CPictureCatalog {
public:
    // The ids of the pictures that the drawing code names.
    static constexpr int kLogo = 400;
    static constexpr int kLogoBack = 391;
    static constexpr int kColorMarks = 420;
    static constexpr int kSmallMarks = 410;
    static constexpr int kPairPictures = 350;
    static constexpr int kPairMasks = 351;
    static constexpr int kRowMarks = 380;
    static constexpr int kToolFaces = 150;
    static constexpr int kToolFacesGrey = 430;
    static constexpr int kReportPicture = 372;
    static constexpr int kStartNewGame = 358;
    static constexpr int kStartLoad = 359;
    static constexpr int kMarkAnimation = 365;
    static constexpr int kTitlePicture = 383;
    // The four play modes of the set-up wizard side by side.
    static constexpr int kPlayModes = 394;
    static constexpr int kPlayModeCount = 4;
    static constexpr int kCursorPick = 317;
    static constexpr int kCursorHand = 352;
    // The number of small marks (pictures after the mask) in 410.
    static constexpr int kSmallMarkCount = 14;
    // The tool-bar faces of 150 and 430 in button order.
    static constexpr int kToolFaceCount = 9;
    static const int kToolFaceCommands[kToolFaceCount];

    // Every entry: the bitmaps by id, then the cursors.
    static const std::vector<SPictureEntry>& Entries();
    // The entry of a bitmap (cursor false) or cursor id; nullptr when none.
    static const SPictureEntry* Find(int id, bool cursor = false);
};
