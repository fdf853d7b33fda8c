#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "model/ColorTable.h"
#include "model/GamePaletteFile.h"
#include "tools/mkdata/GamePalette.h"

namespace {

// Reads a palette file with the game's own reader.
std::optional<std::vector<SRgb>> ReadPaletteText(const std::string& text) {
    CGamePaletteFile file;
    if (file.ReadText(text) != CGamePaletteFile::EResult::Ok) return std::nullopt;
    std::vector<SRgb> colors;
    for (const PALETTEENTRY& e : file.Entries()) colors.push_back({e.peRed, e.peGreen, e.peBlue});
    return colors;
}

TEST(GamePalette, FileHoldsEveryColourInTheGamesFormat) {
    CGamePalette palette;
    std::string text = palette.FileText();
    EXPECT_EQ(text.substr(0, 4), "256\n");
    std::optional<std::vector<SRgb>> colors = ReadPaletteText(text);
    ASSERT_TRUE(colors.has_value());
    ASSERT_EQ(colors->size(), 256u);
    for (int i = 0; i < CGamePalette::kSize; ++i) {
        EXPECT_EQ((*colors)[i], palette.Color(i)) << "entry " << i;
        EXPECT_GE(palette.Color(i).r, 0);
        EXPECT_LE(palette.Color(i).r, 255);
    }
    // Nothing but the count and the 256 lines.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 257);
}

TEST(GamePalette, WrittenFileReadsBackTheSame) {
    CGamePalette palette;
    std::string path = std::filesystem::temp_directory_path() / "mkdata_palette_test.pal";
    ASSERT_TRUE(palette.WriteFile(path));
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, palette.FileText());
    std::filesystem::remove(path);
    EXPECT_FALSE(palette.WriteFile("/nonexistent-folder/MERCAVO.PAL"));
}

TEST(GamePalette, HoldsMaskColoursCompanyColoursAndSystemGreys) {
    CGamePalette palette;
    EXPECT_EQ(palette.Color(CGamePalette::kBlack), (SRgb{0, 0, 0}));
    EXPECT_EQ(palette.Color(CGamePalette::kWhite), (SRgb{255, 255, 255}));
    for (int i = 0; i < kColorTableSize; ++i) {
        SColorTableEntry c = GetColorTableRGB(i);
        EXPECT_EQ(palette.Color(CGamePalette::CompanyColorIndex(i)), (SRgb{c.red, c.green, c.blue}))
            << "company colour " << i;
    }
    for (int grey : {63, 64, 128, 192, 223}) {
        SRgb c{grey, grey, grey};
        EXPECT_EQ(palette.Color(palette.Nearest(c)), c) << grey;
    }
}

TEST(GamePalette, NearestFindsEveryEntryAndTheClosestForOthers) {
    CGamePalette palette;
    for (int i = 0; i < CGamePalette::kSize; ++i)
        EXPECT_EQ(palette.Color(palette.Nearest(palette.Color(i))), palette.Color(i)) << i;
    EXPECT_EQ(palette.Nearest({3, 2, 1}), CGamePalette::kBlack);
    EXPECT_EQ(palette.Nearest({254, 255, 253}), CGamePalette::kWhite);
    // A strong red lands on a red, not a grey.
    SRgb red = palette.Color(palette.Nearest({200, 10, 10}));
    EXPECT_GT(red.r, 2 * red.g);
}

}  // namespace
