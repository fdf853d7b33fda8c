// mkdata's check of a program folder: a folder as mkdata writes it passes;
// a damaged one fails, and the report names each damaged file and what is
// wrong with it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/BM.h"
#include "tools/mkdata/FolderCheck.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/PictureBlock.h"
#include "tools/mkdata/ResourcePictures.h"

namespace {

namespace fs = std::filesystem;

class FolderCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("mkdata_folder_check_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                  // Two checkouts may run the same test at once.
                  "_" + std::to_string(::getpid()));
        fs::remove_all(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // A folder with the palette and every picture, as mkdata writes them.
    std::string WriteFolder(const std::string& name) {
        const fs::path path = folder / name;
        fs::create_directories(path);
        const std::string text = path.string() + "/";
        EXPECT_TRUE(palette.WriteFile(text + CGamePalette::kFileName));
        std::string error;
        EXPECT_TRUE(CResourcePictures::WriteAll(text, palette, error)) << error;
        return text;
    }

    fs::path folder;
    CGamePalette palette;
    CDetachedAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
};

// The palette and picture groups of the folder check: the folders here hold
// only those files (the other groups have their own tests).
bool CheckPalettesAndPictures(const std::string& folder, std::string& report) {
    bool ok = true;
    for (const CFolderCheck::SGroup& group : CFolderCheck::Groups()) {
        const std::string name = group.name;
        if (name == "palette" || name == "pictures and cursors")
            ok = group.check(folder, report) && ok;
    }
    return ok;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST_F(FolderCheckTest, FolderAsWrittenPasses) {
    const std::string text = WriteFolder("whole");
    std::string report;
    EXPECT_TRUE(CheckPalettesAndPictures(text, report)) << report;
    EXPECT_NE(report.find("MERCAVO.PAL: 256 colours, the game palette"), std::string::npos);
    EXPECT_NE(report.find("res/cursor352.bmp: 32 x 64, 1 x 2 cells"), std::string::npos);
}

TEST_F(FolderCheckTest, DamagedFoldersNameTheFileAndTheFault) {
    struct SCase {
        const char* name;
        std::function<void(const fs::path&)> damage;
        std::vector<std::string> messages;
    };
    const CGamePalette& colours = palette;
    const std::vector<SCase> cases = {
        {"missing_cursor", [](const fs::path& p) { fs::remove(p / "res/cursor352.bmp"); },
         {"res/cursor352.bmp: cannot be read"}},
        {"strip_of_34_cells",
         [&colours](const fs::path& p) {
             CCanvas strip(34 * 20, 20, colours);
             ASSERT_TRUE(CBM(CPictureBlock::Image(strip)).SaveToFile((p / "res/420.bmp").string()));
         },
         {"res/420.bmp: size 680 x 20, not 700 x 20 (35 x 1 cells of 20 x 20)"}},
        {"wrong_name",
         [](const fs::path& p) { fs::rename(p / "res/410.bmp", p / "res/410.BMP"); },
         {"res/410.bmp: cannot be read", "res/410.BMP: not a picture of the catalogue"}},
        {"truncated_picture",
         [](const fs::path& p) {
             fs::resize_file(p / "res/150.bmp", fs::file_size(p / "res/150.bmp") / 2);
         },
         {"res/150.bmp: damaged"}},
        {"not_a_picture", [](const fs::path& p) { WriteBytes(p / "res/372.bmp", "hello"); },
         {"res/372.bmp: not a picture file"}},
        {"missing_palette", [](const fs::path& p) { fs::remove(p / "MERCAVO.PAL"); },
         {"MERCAVO.PAL: The files shown below could not be readed."}},
        {"other_palette",
         [](const fs::path& p) {
             std::string text = "256\n";
             for (int i = 0; i < 256; ++i) text += "1 2 3\n";
             WriteBytes(p / "MERCAVO.PAL", text);
         },
         {"MERCAVO.PAL: 256 colours, not the game palette"}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = WriteFolder(c.name);
        c.damage(fs::path(text));
        std::string report;
        EXPECT_FALSE(CheckPalettesAndPictures(text, report));
        for (const std::string& message : c.messages)
            EXPECT_NE(report.find(text + message), std::string::npos) << report;
    }
}

}  // namespace
