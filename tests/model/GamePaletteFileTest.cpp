#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/GamePaletteFile.h"

namespace {

using EResult = CGamePaletteFile::EResult;

// A count line and `lines` colour lines "i 2i 3i", with the line end given.
std::string PaletteText(const std::string& count, int lines, const char* end = "\n") {
    std::string text = count + end;
    for (int i = 0; i < lines; ++i) {
        text += std::to_string(i) + " " + std::to_string(2 * i) + " " + std::to_string(3 * i) + end;
    }
    return text;
}

struct ReadCase {
    const char* name;
    std::string text;
    EResult result;
    size_t entries;
};

TEST(GamePaletteFileTest, ReadsCountAndColoursAndRefusesWhatIsNoPalette) {
    const std::vector<ReadCase> cases = {
        {"300 colours with 300 lines are cut to 256", PaletteText("300", 300), EResult::Ok, 256},
        {"10 colours with 10 lines", PaletteText("10", 10), EResult::Ok, 10},
        {"lines ending in CRLF", PaletteText("10", 10, "\r\n"), EResult::Ok, 10},
        {"lines after the count are not read", PaletteText("2", 2) + "junk\n", EResult::Ok, 2},
        {"last line without its end", "1\n7 8 9", EResult::Ok, 1},
        {"10 colours with 9 lines", PaletteText("10", 9), EResult::BadFormat, 0},
        {"an empty file", "", EResult::BadFormat, 0},
        {"an empty first line", "\n1 2 3\n", EResult::BadFormat, 0},
        {"count 0", PaletteText("0", 3), EResult::BadFormat, 0},
        {"a negative count", PaletteText("-5", 3), EResult::BadFormat, 0},
        {"a letter for the count", PaletteText("x", 3), EResult::BadFormat, 0},
        {"a line with two numbers", "2\n1 2 3\n4 5\n", EResult::BadFormat, 0},
        {"a line of letters", "2\n1 2 3\nred green blue\n", EResult::BadFormat, 0},
        {"an empty colour line", "2\n1 2 3\n\n4 5 6\n", EResult::BadFormat, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        CGamePaletteFile file;
        EXPECT_EQ(file.ReadText(c.text), c.result);
        EXPECT_EQ(file.Entries().size(), c.entries);
    }
}

TEST(GamePaletteFileTest, EachValueIsKeptInOneByte) {
    CGamePaletteFile file;
    ASSERT_EQ(file.ReadText("3\r\n1 2 3\r\n255 256 -1\r\n  10\t20 30\r\n"), EResult::Ok);
    ASSERT_EQ(file.Entries().size(), 3u);
    const PALETTEENTRY& wrapped = file.Entries()[1];
    EXPECT_EQ(wrapped.peRed, 255);
    EXPECT_EQ(wrapped.peGreen, 0);
    EXPECT_EQ(wrapped.peBlue, 255);
    EXPECT_EQ(wrapped.peFlags, 0);
    EXPECT_EQ(file.Entries()[2].peRed, 10);
    EXPECT_EQ(file.Entries()[2].peBlue, 30);
}

TEST(GamePaletteFileTest, MissingFileAndMessages) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "mercavo_palette_file_test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "MERCAVO.PAL").string();
    std::filesystem::remove(path);

    CGamePaletteFile file;
    EXPECT_EQ(file.ReadFile(path), EResult::Missing);
    std::ofstream(path, std::ios::binary) << PaletteText("4", 4, "\r\n");
    EXPECT_EQ(file.ReadFile(path), EResult::Ok);
    EXPECT_EQ(file.Entries().size(), 4u);
    // A failed read leaves no colours behind from the one before.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << PaletteText("10", 9);
    EXPECT_EQ(file.ReadFile(path), EResult::BadFormat);
    EXPECT_TRUE(file.Entries().empty());
    std::filesystem::remove_all(folder);

    EXPECT_EQ(CGamePaletteFile::ErrorText(EResult::Missing),
              "The files shown below could not be readed.\nMERCAVO.PAL");
    EXPECT_EQ(CGamePaletteFile::ErrorText(EResult::BadFormat),
              "MERCAVO.PAL is not a MERCAVO paleete data file.");
    EXPECT_EQ(CGamePaletteFile::ErrorText(EResult::Ok), "");
}

}  // namespace
