#include "model/PictureCatalog.h"

#include "model/ColorMarkStrip.h"

const int CPictureCatalog::kToolFaceCommands[kToolFaceCount] = {
    32773, 45020, 45021, 40022, 32780, 40060, 40030, 40090, 40200};

std::string SPictureEntry::FileName() const {
    return (cursor ? "res/cursor" : "res/") + std::to_string(id) + ".bmp";
}

const std::vector<SPictureEntry>& CPictureCatalog::Entries() {
    static const std::vector<SPictureEntry> entries = {
        {kColorMarks, false, 20 * kColorMarkCellCount, 20, kColorMarkCellCount, 1, 0, 0,
         "company colour marks: mask, colours -2 and -1, colours 0..31"},
        {kSmallMarks, false, 30 * (kSmallMarkCount + 1), 30, kSmallMarkCount + 1, 1, 0, 0,
         "small marks: mask, pictures 0..13"},
        {kPairPictures, false, 64, 64, 2, 2, 0, 0, "pair marks: pictures in the left column"},
        {kPairMasks, false, 64, 64, 2, 2, 0, 0, "pair marks: masks in the left column"},
        {kRowMarks, false, 48, 72, 2, 3, 0, 0, "row marks: mask column, picture column"},
        {kLogo, false, 60, 9 * 60, 1, 9, 0, 0, "logo: mask, eight frames"},
        {kLogoBack, false, 32, 64, 1, 2, 0, 0, "logo background tile: mask above image"},
        {kStartNewGame, false, 96, 128, 1, 2, 0, 0, "start choice \"New Game\": picture above mask"},
        {kStartLoad, false, 96, 128, 1, 2, 0, 0, "start choice \"Load\": picture above mask"},
        {kMarkAnimation, false, 64, 6 * 64, 1, 6, 0, 0, "start dialog mark animation: six frames"},
        {kPlayModes, false, 64 * kPlayModeCount, 32, kPlayModeCount, 1, 0, 0,
         "set-up play modes: normal, server, client, resuming client"},
        {kReportPicture, false, 101, 120, 1, 1, 0, 0, "report box picture"},
        // No window names its use: the title picture, the logo over the city.
        {kTitlePicture, false, 64, 64, 1, 1, 0, 0, "title picture"},
        {kToolFaces, false, 32 * kToolFaceCount, 30, kToolFaceCount, 1, 0, 0, "tool-bar faces"},
        {kToolFacesGrey, false, 32 * kToolFaceCount, 30, kToolFaceCount, 1, 0, 0,
         "tool-button faces in four greys"},
        {kCursorPick, true, 32, 64, 1, 2, 16, 16, "cursor: picture above mask"},
        {kCursorHand, true, 32, 64, 1, 2, 9, 1, "cursor: picture above mask"},
    };
    return entries;
}

const SPictureEntry* CPictureCatalog::Find(int id, bool cursor) {
    for (const SPictureEntry& entry : Entries()) {
        if (entry.id == id && entry.cursor == cursor) return &entry;
    }
    return nullptr;
}
