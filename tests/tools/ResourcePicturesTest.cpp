#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/TestDrawing.h"
#include "model/BM.h"
#include "model/ColorTable.h"
#include "model/PictureCatalog.h"
#include "model/PictureStrips.h"
#include "platform/gfx/Palette.h"
#include "tools/mkdata/ResourcePictures.h"

namespace {

constexpr COLORREF kBackground = RGB(10, 200, 10);

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The pictures written into a folder of their own, and the game palette.
class ResourcePicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("mkdata_pictures_" + std::string(::testing::UnitTest::GetInstance()
                                                       ->current_test_info()
                                                       ->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::string error;
        ASSERT_TRUE(CResourcePictures::WriteAll(Folder(), palette, error)) << error;
        std::vector<PALETTEENTRY> entries;
        for (int i = 0; i < CGamePalette::kSize; ++i) {
            const SRgb& c = palette.Color(i);
            entries.push_back({static_cast<BYTE>(c.r), static_cast<BYTE>(c.g),
                               static_cast<BYTE>(c.b), 0});
        }
        gamePalette.CreatePalette(entries.data(), CGamePalette::kSize);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string Folder() const { return folder.string() + "/"; }

    std::filesystem::path folder;
    CGamePalette palette;
    CPalette gamePalette;
    CDetachedAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
};

TEST_F(ResourcePicturesTest, EveryEntryIsWrittenAtItsSizeInTheGamePaletteAndTheSameEachTime) {
    std::string report;
    EXPECT_TRUE(CResourcePictures::CheckAll(Folder(), palette, report)) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'),
              static_cast<long>(CPictureCatalog::Entries().size()));

    const std::filesystem::path again = folder / "again";
    std::filesystem::create_directories(again);
    std::string error;
    ASSERT_TRUE(CResourcePictures::WriteAll(again.string() + "/", palette, error)) << error;
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        SCOPED_TRACE(entry.FileName());
        EXPECT_EQ(ReadAll(folder / entry.FileName()), ReadAll(again / entry.FileName()));
    }
}

TEST_F(ResourcePicturesTest, CheckNamesAFileOfTheWrongSizeOrMissing) {
    std::filesystem::copy_file(folder / "res/410.bmp", folder / "res/420.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(folder / "res/cursor352.bmp");
    std::string report;
    EXPECT_FALSE(CResourcePictures::CheckAll(Folder(), palette, report));
    EXPECT_NE(report.find("res/420.bmp: size 450 x 30, not 700 x 20"), std::string::npos) << report;
    EXPECT_NE(report.find("res/cursor352.bmp: cannot be read"), std::string::npos) << report;
}

TEST_F(ResourcePicturesTest, ColourMarksAreDiscsOfTheCompanyColoursAndLightMonthMarkers) {
    CPictureStrips strips;
    ASSERT_TRUE(strips.Load(Folder(), &gamePalette));
    for (int colour = -2; colour < 32; ++colour) {
        SCOPED_TRACE(colour);
        CTestCanvas t(20, 20, kBackground);
        strips.DrawColorMark(t.DC(), 0, 0, colour, FALSE);
        // The month markers are light, so that the month's number reads on
        // them.
        COLORREF centre = RGB(223, 223, 223);
        if (colour == -1) centre = RGB(255, 255, 255);
        if (colour >= 0) centre = GetColorTableEntry(colour);
        EXPECT_EQ(t.At(10, 10), centre);
        // Outside the disc the mask keeps what was there.
        EXPECT_EQ(t.At(0, 0), kBackground);
        EXPECT_EQ(t.At(19, 19), kBackground);
    }
}

TEST_F(ResourcePicturesTest, GreyToolFacesHoldOnlyTheFourGreys) {
    CBM faces;
    int width = 288, height = 30;
    ASSERT_TRUE(faces.LoadFromFile((folder / "res/430.bmp").string(), width, height, 1));
    CTestCanvas t(width, height, kBackground);
    ASSERT_TRUE(faces.Draw(t.DC(), 0, 0, width, height));
    const std::set<COLORREF> allowed = {RGB(255, 255, 255), RGB(192, 192, 192),
                                        RGB(128, 128, 128), RGB(0, 0, 0)};
    std::set<COLORREF> seen;
    for (COLORREF c : t.Pixels(0, 0, width, height)) seen.insert(c);
    for (COLORREF c : seen) EXPECT_TRUE(allowed.count(c)) << std::hex << c;
    EXPECT_EQ(seen.size(), 4u);
}

}  // namespace
