// The designs of the resource pictures: each catalogue entry has the size
// and cells its users cut it into, every picture is black wherever its mask
// lets the background through, the company emblems are filled with their
// colours and the cursors' hot spots lie on the hand.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/ColorTable.h"
#include "model/PictureCatalog.h"
#include "tools/mkdata/ResourcePictures.h"

namespace {

struct SCellRef {
    int column;
    int row;
};

// The palette index at (x, y) of cell (column, row).
uint8_t At(const CCanvas& strip, const SPictureEntry& entry, SCellRef cell, int x, int y) {
    return strip.Index(cell.column * entry.CellWidth() + x, cell.row * entry.CellHeight() + y);
}

class ResourceDesignsTest : public ::testing::Test {
protected:
    const SPictureEntry& Entry(int id, bool cursor = false) {
        const SPictureEntry* entry = CPictureCatalog::Find(id, cursor);
        if (!entry) throw std::logic_error("no catalogue entry " + std::to_string(id));
        return *entry;
    }
    CCanvas Draw(int id, bool cursor = false) {
        return CResourcePictures::Draw(Entry(id, cursor), palette);
    }
    CGamePalette palette;
};

TEST_F(ResourceDesignsTest, EveryEntryHasTheSizeAndCellsItsUsersCutItInto) {
    struct SCase {
        int id;
        bool cursor;
        int columns, rows, cellWidth, cellHeight;
    };
    const std::vector<SCase> cases = {
        {420, false, 35, 1, 20, 20}, {410, false, 15, 1, 30, 30}, {350, false, 2, 2, 32, 32},
        {351, false, 2, 2, 32, 32},  {380, false, 2, 3, 24, 24},  {400, false, 1, 9, 60, 60},
        {391, false, 1, 2, 32, 32},  {358, false, 1, 2, 96, 64},  {359, false, 1, 2, 96, 64},
        {365, false, 1, 6, 64, 64},  {372, false, 1, 1, 101, 120}, {383, false, 1, 1, 64, 64},
        {150, false, 9, 1, 32, 30},  {430, false, 9, 1, 32, 30},  {317, true, 1, 2, 32, 32},
        {352, true, 1, 2, 32, 32},   {394, false, 4, 1, 64, 32},
    };
    ASSERT_EQ(cases.size(), CPictureCatalog::Entries().size());
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.id);
        const SPictureEntry& entry = Entry(c.id, c.cursor);
        EXPECT_EQ(entry.columns, c.columns);
        EXPECT_EQ(entry.rows, c.rows);
        EXPECT_EQ(entry.width, c.columns * c.cellWidth);
        EXPECT_EQ(entry.height, c.rows * c.cellHeight);
        const CCanvas strip = Draw(c.id, c.cursor);
        EXPECT_EQ(strip.Width(), entry.width);
        EXPECT_EQ(strip.Height(), entry.height);
    }
}

// The four play modes of the set-up wizard can be told apart.
TEST_F(ResourceDesignsTest, ThePlayModePicturesDiffer) {
    const SPictureEntry& entry = Entry(CPictureCatalog::kPlayModes);
    const CCanvas strip = Draw(CPictureCatalog::kPlayModes);
    auto differing = [&](int a, int b) {
        int count = 0;
        for (int y = 0; y < entry.CellHeight(); ++y)
            for (int x = 0; x < entry.CellWidth(); ++x)
                count += At(strip, entry, {a, 0}, x, y) != At(strip, entry, {b, 0}, x, y);
        return count;
    };
    for (int a = 0; a < entry.columns; ++a)
        for (int b = a + 1; b < entry.columns; ++b)
            EXPECT_GT(differing(a, b), 40) << a << " and " << b;
}

TEST_F(ResourceDesignsTest, PictureIsBlackWhereverItsMaskIsWhite) {
    struct SPair {
        const char* what;
        int maskId;
        bool cursor;
        SCellRef mask;
        int pictureId;
        std::vector<SCellRef> pictures;
    };
    std::vector<SCellRef> colourMarks, smallMarks, logoFrames;
    for (int i = 1; i < 35; ++i) colourMarks.push_back({i, 0});
    for (int i = 1; i < 15; ++i) smallMarks.push_back({i, 0});
    for (int i = 1; i < 9; ++i) logoFrames.push_back({0, i});
    const std::vector<SPair> pairs = {
        {"colour marks", 420, false, {0, 0}, 420, colourMarks},
        {"small marks", 410, false, {0, 0}, 410, smallMarks},
        {"coin stack", 351, false, {0, 0}, 350, {{0, 0}}},
        {"megaphone", 351, false, {0, 1}, 350, {{0, 1}}},
        {"unused pair cell", 351, false, {1, 0}, 350, {{1, 0}}},
        {"tick", 380, false, {0, 0}, 380, {{1, 0}}},
        {"hourglass", 380, false, {0, 1}, 380, {{1, 1}}},
        {"cross", 380, false, {0, 2}, 380, {{1, 2}}},
        {"logo", 400, false, {0, 0}, 400, logoFrames},
        {"logo tile", 391, false, {0, 0}, 391, {{0, 1}}},
        {"new game", 358, false, {0, 1}, 358, {{0, 0}}},
        {"load", 359, false, {0, 1}, 359, {{0, 0}}},
        {"closed hand", 317, true, {0, 1}, 317, {{0, 0}}},
        {"pointing hand", 352, true, {0, 1}, 352, {{0, 0}}},
    };
    for (const SPair& pair : pairs) {
        SCOPED_TRACE(pair.what);
        const SPictureEntry& maskEntry = Entry(pair.maskId, pair.cursor);
        const SPictureEntry& pictureEntry = Entry(pair.pictureId, pair.cursor);
        const CCanvas maskStrip = Draw(pair.maskId, pair.cursor);
        const CCanvas pictureStrip = Draw(pair.pictureId, pair.cursor);
        for (const SCellRef& cell : pair.pictures) {
            int white = 0, wrong = 0, notMask = 0;
            for (int y = 0; y < maskEntry.CellHeight(); ++y) {
                for (int x = 0; x < maskEntry.CellWidth(); ++x) {
                    const uint8_t m = At(maskStrip, maskEntry, pair.mask, x, y);
                    if (m != CGamePalette::kWhite && m != CGamePalette::kBlack) ++notMask;
                    if (m != CGamePalette::kWhite) continue;
                    ++white;
                    if (At(pictureStrip, pictureEntry, cell, x, y) != CGamePalette::kBlack) ++wrong;
                }
            }
            EXPECT_EQ(notMask, 0) << "cell " << cell.column << "," << cell.row;
            EXPECT_EQ(wrong, 0) << "cell " << cell.column << "," << cell.row;
            EXPECT_GT(white, 0) << "a mask that hides nothing";
        }
    }
}

TEST_F(ResourceDesignsTest, EachEmblemIsMostlyItsCompanyColour) {
    const SPictureEntry& entry = Entry(420);
    const CCanvas strip = Draw(420);
    for (int colour = 0; colour < kColorTableSize; ++colour) {
        SCOPED_TRACE(colour);
        std::map<uint8_t, int> counts;
        for (int y = 0; y < entry.CellHeight(); ++y)
            for (int x = 0; x < entry.CellWidth(); ++x)
                if (At(strip, entry, {0, 0}, x, y) == CGamePalette::kBlack)
                    ++counts[At(strip, entry, {colour + 3, 0}, x, y)];
        auto most = counts.begin();
        for (auto it = counts.begin(); it != counts.end(); ++it)
            if (it->second > most->second) most = it;
        const SColorTableEntry expected = GetColorTableRGB(colour);
        const SRgb& found = palette.Color(most->first);
        EXPECT_EQ(found, (SRgb{expected.red, expected.green, expected.blue}));
    }
}

TEST_F(ResourceDesignsTest, GreyFacesUseOnlyTheFourGreysTheButtonsRecolour) {
    const CCanvas faces = Draw(CPictureCatalog::kToolFacesGrey);
    for (int y = 0; y < faces.Height(); ++y) {
        for (int x = 0; x < faces.Width(); ++x) {
            const SRgb& c = palette.Color(faces.Index(x, y));
            if (c.r != c.g || c.g != c.b) continue;
            EXPECT_TRUE(c.r == 0 || c.r == 128 || c.r == 192 || c.r == 255)
                << x << "," << y << " grey " << c.r;
        }
    }
}

TEST_F(ResourceDesignsTest, ColourAndGreyFacesDifferOnlyInTheirInk) {
    // Both strips draw the same shapes: where one shows the button face the
    // other does too.
    const CCanvas colour = Draw(CPictureCatalog::kToolFaces);
    const CCanvas grey = Draw(CPictureCatalog::kToolFacesGrey);
    const uint8_t face = palette.Nearest(SRgb{192, 192, 192});
    int shown = 0;
    for (int y = 0; y < colour.Height(); ++y) {
        for (int x = 0; x < colour.Width(); ++x) {
            const bool background = colour.Index(x, y) == face;
            if (background) EXPECT_EQ(grey.Index(x, y), face) << x << "," << y;
            shown += background ? 0 : 1;
        }
    }
    EXPECT_GT(shown, colour.Width() * colour.Height() / 4);
}

TEST_F(ResourceDesignsTest, HotSpotsLieOnTheCursors) {
    for (int id : {CPictureCatalog::kCursorPick, CPictureCatalog::kCursorHand}) {
        SCOPED_TRACE(id);
        const SPictureEntry& entry = Entry(id, true);
        const CCanvas cursor = Draw(id, true);
        ASSERT_LT(entry.hotX, entry.CellWidth());
        ASSERT_LT(entry.hotY, entry.CellHeight());
        EXPECT_EQ(At(cursor, entry, {0, 1}, entry.hotX, entry.hotY), CGamePalette::kBlack);
    }
}

}  // namespace
