#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/BoxFontWindowSystem.h"
#include "fakes/FakeServices.h"
#include "fakes/TestDrawing.h"
#include "fakes/TestPictures.h"
#include "model/AppFonts.h"
#include "model/Enterprise.h"
#include "model/PictureCatalog.h"
#include "model/PictureStrips.h"
#include "platform/gfx/Palette.h"
#include "platform/gfx/SystemColors.h"

namespace {

constexpr COLORREF kBackground = RGB(10, 200, 10);

bool IsMaskCell(const SPictureEntry& entry, int column) {
    if (entry.id == CPictureCatalog::kPairMasks) return true;
    return column == 0 && (entry.id == CPictureCatalog::kColorMarks ||
                           entry.id == CPictureCatalog::kSmallMarks ||
                           entry.id == CPictureCatalog::kRowMarks);
}

// Mask cells are black, so that a mark drawn over anything shows its
// picture cell alone; every picture cell has a colour of its own.
COLORREF CellColour(const SPictureEntry& entry, int column, int row) {
    if (IsMaskCell(entry, column)) return RGB(0, 0, 0);
    const int cell = row * entry.columns + column;
    return RGB(40 + cell * 6, 250 - cell * 5, entry.id % 200 + row);
}

// An 8-bit picture of the entry whose pixels are the colours of their
// cells; width and height may differ from the entry's.
std::vector<uint8_t> CellPicture(const SPictureEntry& entry, int width, int height) {
    SDibLayout layout{width, height, 8, {}, {}};
    for (int row = 0; row < entry.rows; ++row) {
        for (int column = 0; column < entry.columns; ++column) {
            layout.table.push_back(CellColour(entry, column, row));
        }
    }
    for (int y = 0; y < height; ++y) {
        std::vector<uint8_t> line(width);
        const int row = std::min(y / entry.CellHeight(), entry.rows - 1);
        for (int x = 0; x < width; ++x) {
            const int column = std::min(x / entry.CellWidth(), entry.columns - 1);
            line[x] = static_cast<uint8_t>(row * entry.columns + column);
        }
        layout.rows.push_back(line);
    }
    return MakeTestBmpFile(MakeDib(layout));
}

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A program folder with every picture of the catalogue.
class PictureStripsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("mercavo_strips_" + std::string(::testing::UnitTest::GetInstance()
                                                      ->current_test_info()
                                                      ->name()));
        std::filesystem::create_directories(folder / "res");
        for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
            WriteFile(folder / entry.FileName(), CellPicture(entry, entry.width, entry.height));
        }
        font.CreateFont(10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        app.standardFont = &font;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string Folder() const { return folder.string() + "/"; }
    static COLORREF Cell(int id, int column, int row) {
        return CellColour(*CPictureCatalog::Find(id), column, row);
    }

    std::filesystem::path folder;
    CBoxFontWindowSystem windows;
    CFakeAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CFont font;
    CPictureStrips strips;
};

TEST(PictureCatalogTest, EveryEntryIsCutIntoWholeCells) {
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        SCOPED_TRACE(entry.FileName());
        EXPECT_EQ(entry.CellWidth() * entry.columns, entry.width);
        EXPECT_EQ(entry.CellHeight() * entry.rows, entry.height);
        EXPECT_EQ(CPictureCatalog::Find(entry.id, entry.cursor), &entry);
    }
    const SPictureEntry* marks = CPictureCatalog::Find(CPictureCatalog::kColorMarks);
    ASSERT_NE(marks, nullptr);
    EXPECT_EQ(marks->columns, 35);
    EXPECT_EQ(marks->CellHeight(), 20);
    EXPECT_EQ(marks->FileName(), "res/420.bmp");
    EXPECT_EQ(CPictureCatalog::Find(317, true)->FileName(), "res/cursor317.bmp");
    EXPECT_EQ(CPictureCatalog::Find(317), nullptr);
}

struct MarkCase {
    int colour;
    int cell;  // -1: nothing drawn
};

TEST_F(PictureStripsTest, ColourMarkDrawsCellColourPlusThree) {
    ASSERT_TRUE(strips.Load(Folder(), nullptr));
    EXPECT_EQ(strips.GetIconCellSize(), CSize(20, 20));
    const std::vector<MarkCase> cases = {
        {31, 34}, {-1, 2}, {-2, 1}, {0, 3}, {32, -1}, {-3, -1}, {1000, -1},
    };
    for (const MarkCase& c : cases) {
        SCOPED_TRACE("colour " + std::to_string(c.colour));
        for (BOOL centred : {FALSE, TRUE}) {
            CTestCanvas t(40, 40, kBackground);
            const int at = centred ? 15 : 5;
            strips.DrawColorMark(t.DC(), at, at, c.colour, centred);
            const COLORREF expected = c.cell < 0 ? kBackground : Cell(420, c.cell, 0);
            // Centred on (15, 15) the 20 x 20 cell starts at (5, 5).
            EXPECT_EQ(t.At(5, 5), expected);
            EXPECT_EQ(t.At(24, 24), expected);
            EXPECT_EQ(t.At(25, 25), kBackground);
            EXPECT_EQ(t.At(4, 4), kBackground);
        }
    }
}

struct StripCase {
    const char* name;
    int index;
    COLORREF expected;  // at the cell's top left
};

TEST_F(PictureStripsTest, SmallPairAndRowMarksDrawTheirCells) {
    ASSERT_TRUE(strips.Load(Folder(), nullptr));
    const std::vector<StripCase> small = {
        {"first", 0, Cell(410, 1, 0)}, {"last", 13, Cell(410, 14, 0)}, {"past", 14, kBackground}};
    for (const StripCase& c : small) {
        SCOPED_TRACE(std::string("small ") + c.name);
        CTestCanvas t(64, 64, kBackground);
        strips.DrawSmallMark(t.DC(), 2, 3, c.index, FALSE);
        EXPECT_EQ(t.At(2, 3), c.expected);
        EXPECT_EQ(t.At(31, 32), c.expected);
    }
    const std::vector<StripCase> rows = {{"row 0", 0, Cell(380, 1, 0)},
                                         {"row 2", 2, Cell(380, 1, 2)},
                                         {"row 3", 3, kBackground},
                                         {"row -1", -1, kBackground}};
    for (const StripCase& c : rows) {
        SCOPED_TRACE(c.name);
        CTestCanvas t(64, 64, kBackground);
        strips.DrawRowMark(t.DC(), c.index, 20, 20, TRUE);
        EXPECT_EQ(t.At(8, 8), c.expected);
        EXPECT_EQ(t.At(31, 31), c.expected);
        EXPECT_EQ(t.At(32, 32), kBackground);
    }
    const std::vector<StripCase> pairs = {
        {"index 1", 1, Cell(350, 0, 1)}, {"index 2", 2, kBackground}};
    for (const StripCase& c : pairs) {
        SCOPED_TRACE(std::string("pair ") + c.name);
        CTestCanvas t(64, 64, kBackground);
        strips.DrawPairMark(t.DC(), 32, 32, c.index);
        EXPECT_EQ(t.At(16, 16), c.expected);
        EXPECT_EQ(t.At(47, 47), c.expected);
        EXPECT_EQ(t.At(48, 48), kBackground);
    }
}

TEST_F(PictureStripsTest, StripsAreDrawnInThePalette) {
    const PALETTEENTRY entries[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(entries, 2));
    ASSERT_TRUE(strips.Load(Folder(), &palette));
    CTestCanvas t(40, 40, kBackground);
    strips.DrawColorMark(t.DC(), 0, 0, 5, FALSE);
    EXPECT_EQ(t.At(0, 0), palette.EntryColor(palette.GetNearestPaletteIndex(Cell(420, 8, 0))));
}

struct FailureCase {
    const char* name;
    int id;
    int width;  // 0: the file is removed
};

TEST_F(PictureStripsTest, AStripThatCannotBeLoadedIsNamed) {
    const std::vector<FailureCase> cases = {
        {"missing mark strip", 420, 0},
        {"mark strip one pixel short", 420, 699},
        {"missing report picture", 372, 0},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SPictureEntry& entry = *CPictureCatalog::Find(c.id);
        const std::filesystem::path path = folder / entry.FileName();
        if (c.width == 0) {
            std::filesystem::remove(path);
        } else {
            WriteFile(path, CellPicture(entry, c.width, entry.height));
        }
        EXPECT_FALSE(strips.Load(Folder(), nullptr));
        EXPECT_EQ(strips.GetFailedId(), c.id);
        EXPECT_EQ(strips.GetBitmap(420), nullptr);
        WriteFile(path, CellPicture(entry, entry.width, entry.height));
    }
    EXPECT_TRUE(strips.Load(Folder(), nullptr));
    EXPECT_NE(strips.GetBitmap(420), nullptr);
}

TEST_F(PictureStripsTest, CompanyAndPersonTitles) {
    ASSERT_TRUE(strips.Load(Folder(), nullptr));
    CEnterprise company;
    company.SetName("ABCDEFGH");
    company.SetPresidentName("PQ");
    company.SetColor(4);
    const COLORREF text = CSystemColors::Color(COLOR_BTNTEXT);
    for (BOOL secondLine : {FALSE, TRUE}) {
        SCOPED_TRACE(secondLine ? "with the second line" : "one line");
        CTestCanvas t(80, 40, kBackground);
        strips.DrawCompanyTitle(t.DC(), 0, 0, 40, 40, company, secondLine);
        // The mark is centred on its line, the name starts one cell in.
        const int line = secondLine ? 20 : 40;
        EXPECT_EQ(t.At(10, line / 2), Cell(420, 7, 0));
        EXPECT_EQ(t.At(20, line / 2 - 5), text);
        // Clipped at the right limit.
        EXPECT_EQ(t.At(38, line / 2), text);
        EXPECT_EQ(t.At(40, line / 2), kBackground);
        EXPECT_EQ(t.At(20, 25) == text, static_cast<bool>(secondLine));
    }
    CTestCanvas t(80, 40, kBackground);
    strips.DrawPersonTitle(t.DC(), 0, 0, 60, 40, nullptr, "PERSON");
    EXPECT_EQ(t.At(10, 10), Cell(420, 2, 0));
    EXPECT_EQ(t.At(20, 25), text);
    EXPECT_EQ(t.At(20, 5), kBackground);
}

TEST_F(PictureStripsTest, EtchedFrameIsHighlightBelowShadow) {
    CTestCanvas t(20, 20, kBackground);
    strips.DrawEtchedFrame(t.DC(), 2, 2, 10, 8);
    const COLORREF shadow = CSystemColors::Color(COLOR_BTNSHADOW);
    const COLORREF highlight = CSystemColors::Color(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(t.At(2, 2), shadow);
    EXPECT_EQ(t.At(11, 2), shadow);
    EXPECT_EQ(t.At(2, 9), shadow);
    EXPECT_EQ(t.At(11, 9), shadow);
    EXPECT_EQ(t.At(3, 3), highlight);
    EXPECT_EQ(t.At(12, 5), highlight);
    EXPECT_EQ(t.At(5, 10), highlight);
    EXPECT_EQ(t.At(12, 10), highlight);
    EXPECT_EQ(t.At(6, 6), kBackground);
}

TEST(AppFontsTest, FontsFromTheMarkCellHeightAndTheirMeasuredSizes) {
    CBoxFontWindowSystem windows;
    CTestCanvas t(4, 4, kBackground);
    CFont* before = t.DC().GetCurrentFont();
    CAppFonts fonts;
    ASSERT_TRUE(fonts.Create(20, t.DC()));
    struct Expected {
        CFont* font;
        int height;
        int weight;
        CSize size;
    };
    // Box characters are h / 2 wide with a descent of h / 5: the size is
    // (h / 2, h + h / 5 + 2).
    const std::vector<Expected> expected = {
        {fonts.GetMessageFont(), 13, FW_NORMAL, CSize(6, 17)},
        {fonts.GetUIFont(), 10, FW_NORMAL, CSize(5, 14)},
        {fonts.GetMessageFont2(), 15, FW_BOLD, CSize(7, 20)},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.height);
        LOGFONT log;
        ASSERT_TRUE(e.font->GetLogFont(&log));
        EXPECT_EQ(log.lfHeight, e.height);
        EXPECT_EQ(log.lfWeight, e.weight);
        EXPECT_EQ(log.lfClipPrecision, CLIP_STROKE_PRECIS);
    }
    EXPECT_EQ(fonts.GetLayoutSize(), expected[0].size);
    EXPECT_EQ(fonts.GetCaptionLineSize(), expected[1].size);
    EXPECT_EQ(fonts.GetCharSize(), expected[2].size);
    EXPECT_EQ(t.DC().GetCurrentFont(), before);
    EXPECT_FALSE(fonts.Create(0, t.DC()));
}

TEST(AppFontsTest, AFontThatCannotBeMeasuredFails) {
    CFakeWindowSystem windows;
    CTestCanvas t(4, 4, kBackground);
    CAppFonts fonts;
    EXPECT_FALSE(fonts.Create(20, t.DC()));
    EXPECT_EQ(fonts.GetLayoutSize(), CSize(0, 0));
}

}  // namespace
