#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/ProgramFolder.h"
#include "tools/mkdata/DataFileTable.h"

namespace {

namespace fs = std::filesystem;
using EKind = CDataFileTable::EKind;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A copy of the program folder's table files (and pictures) that a test
// may damage.
class DataFileTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("mercavo_table_" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "hlp");
        const fs::path program = CProgramFolder::Get();
        for (const CDataFileTable::SFile& f : CDataFileTable::Files())
            fs::copy_file(program / f.name, m_folder / f.name);
        fs::copy(program / "res", m_folder / "res", fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string Folder() const { return m_folder.string() + "/"; }
    fs::path Path(const std::string& name) const { return m_folder / name; }

    fs::path m_folder;
};

TEST_F(DataFileTableTest, NamesTheFilesOfTheOptionsAndTheHelpCommands) {
    EXPECT_EQ(CDataFileTable::Names(EKind::Music).size(), 22u);
    EXPECT_EQ(CDataFileTable::Names(EKind::Music).front(), "MERC_JAN.MID");
    EXPECT_EQ(CDataFileTable::Names(EKind::Music).back(), "MERC_10.MID");
    EXPECT_EQ(CDataFileTable::Names(EKind::Sound),
              (std::vector<std::string>{"MERC_1.WAV", "MERC_2.WAV", "MERC_3.WAV", "MERC_4.WAV",
                                        "MERC_5.WAV"}));
    const std::vector<std::string> pages = CDataFileTable::Names(EKind::HelpPage);
    for (const char* page :
         {"hlp/how_to_play.html", "hlp/about_mercavo.html", "hlp/initial_setting.html"})
        EXPECT_NE(std::find(pages.begin(), pages.end(), page), pages.end()) << page;
}

TEST_F(DataFileTableTest, WrittenFolderLoadsWhole) {
    std::string report;
    EXPECT_TRUE(CDataFileTable::CheckAll(Folder(), report)) << report;
}

TEST_F(DataFileTableTest, DamagedFilesAreNamedWithTheirFault) {
    struct SCase {
        const char* damage;
        std::string file;
        std::function<void(const fs::path&)> apply;
        const char* problem;
    };
    const std::vector<SCase> cases = {
        {"a truncated piece", "MERC_JAN.MID",
         [](const fs::path& p) { WriteAll(p, ReadAll(p).substr(0, 300)); }, "truncated"},
        {"a WAV with a wrong header", "MERC_1.WAV",
         [](const fs::path& p) {
             std::string bytes = ReadAll(p);
             bytes.replace(8, 4, "WAVX");
             WriteAll(p, bytes);
         },
         "not a RIFF/WAVE file"},
        {"a WAV of another rate", "MERC_2.WAV",
         [](const fs::path& p) {
             std::string bytes = ReadAll(p);
             // 44,100 Hz, with the byte rate to match.
             bytes.replace(24, 8, std::string("\x44\xAC\x00\x00\x88\x58\x01\x00", 8));
             WriteAll(p, bytes);
         },
         "not 16-bit mono PCM at 22,050 Hz"},
        {"a missing sound", "MERC_3.WAV", [](const fs::path& p) { fs::remove(p); }, "missing"},
        {"a broken link", "hlp/how_to_play.html",
         [](const fs::path& p) {
             std::string page = ReadAll(p);
             page.insert(page.find("</body>"), "<p><a href=\"missing.html\">more</a></p>\n");
             WriteAll(p, page);
         },
         "the link missing.html names no file in the help folder"},
        {"a picture that is not one", "hlp/toolbar.png",
         [](const fs::path& p) { WriteAll(p, "GIF89a.."); }, "not a PNG picture"},
        {"a damaged palette", "MERCAVO.PAL", [](const fs::path& p) { WriteAll(p, "0\n"); },
         "is not a MERCAVO paleete data file."},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.damage);
        const fs::path path = Path(c.file);
        const std::string original = fs::exists(path) ? ReadAll(path) : "";
        c.apply(path);
        const auto entry =
            std::find_if(CDataFileTable::Files().begin(), CDataFileTable::Files().end(),
                         [&](const CDataFileTable::SFile& f) { return f.name == c.file; });
        ASSERT_NE(entry, CDataFileTable::Files().end());
        std::string problem;
        EXPECT_FALSE(CDataFileTable::CheckFile(Folder(), *entry, problem));
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        WriteAll(path, original);
    }
}

// The whole check as the build runs it: mkdata --check FOLDER names each
// damaged file and fails.
TEST_F(DataFileTableTest, CheckProgramNamesDamagedFilesAndFails) {
    WriteAll(Path("MERC_FEB.MID"), ReadAll(Path("MERC_FEB.MID")).substr(0, 100));
    WriteAll(Path("MERC_4.WAV"), "RIFX");
    const std::string command =
        "\"" + CProgramFolder::Get() + "mkdata\" --check \"" + Folder() + "\" 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 4096> buffer;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << output;
    EXPECT_NE(output.find("MERC_FEB.MID: truncated"), std::string::npos) << output;
    EXPECT_NE(output.find("MERC_4.WAV: not a RIFF/WAVE file"), std::string::npos) << output;
    EXPECT_NE(output.find("MERC_JAN.MID: loads"), std::string::npos) << output;
}

}  // namespace
