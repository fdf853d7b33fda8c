#include "tools/mkdata/PersonSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>

#include "model/PersonData.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"
#include "tools/mkdata/FacePainter.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/PersonFileReport.h"

namespace {

std::string RealSourcePath() {
    return (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "data" /
            CPersonSource::kSourceName)
        .string();
}

std::string PersonLine(int i, int start = 0, const char* sex = "M") {
    return std::string(sex) + " " + std::to_string(start) + " " + std::to_string(1000 + i) +
           " 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Test Person " + std::to_string(i) + "\n";
}

// A source with the given numbers of first-table persons (the first
// firstYear of them available in the first year) and governors.
std::string MakeSource(int directors, int firstYear, int governors) {
    std::string text = "[author]\nname Test Team\nmark TT\n[directors]\n";
    for (int i = 0; i < directors; ++i) text += PersonLine(i, i < firstYear ? 0 : 1 + i % 5);
    text += "[governors]\n";
    for (int i = 0; i < governors; ++i) text += PersonLine(directors + i, 0, "F");
    return text;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}

class PersonSourceTest : public ::testing::Test {
protected:
    CPersonDataFile LoadThroughTheGame(const std::vector<uint8_t>& bytes) {
        app.DataChecksum().Reset();
        CPersonDataFile file;
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        file.Load(ar);
        return file;
    }

    CGamePalette palette;
    CDetachedAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
};

TEST_F(PersonSourceTest, OurPersonsMakeAFileTheGameLoadsAndAccepts) {
    CPersonSource source;
    source.ReadFile(RealSourcePath());
    const std::vector<uint8_t> bytes = source.Build({}, palette).Write();
    CPersonDataFile file = LoadThroughTheGame(bytes);

    EXPECT_GE(file.GetDirectorCount(), 80);
    EXPECT_LE(file.GetDirectorCount(), 120);
    EXPECT_GE(file.GetGovernorCount(), 15);
    EXPECT_GE(file.GetFirstYearCandidates(), 14);
    EXPECT_EQ(file.FindShortage(14, 10), nullptr);
    EXPECT_FALSE(file.GetAuthorName().empty());
    EXPECT_FALSE(file.GetAuthorMark().empty());

    std::set<int> startYears;
    std::set<int> kinds;
    for (const CBasePerson& record : file.GetPersons()) {
        SCOPED_TRACE(record.GetName());
        CPersonData person;
        EXPECT_NO_THROW(person.TakeBaseRecord(record));
        for (int face = 0; face < 3; ++face) {
            EXPECT_EQ(record.GetFace(face).GetWidth(), CFacePainter::kWidth);
            EXPECT_EQ(record.GetFace(face).GetHeight(), CFacePainter::kHeight);
        }
        if (record.GetTableFlag() == 0) startYears.insert(record.GetFigure1());
        kinds.insert(record.GetKind());
    }
    // Start years spread over the first years; both sexes.
    EXPECT_GE(startYears.size(), 5u);
    EXPECT_EQ(kinds, (std::set<int>{1, 2}));
    // Same sources, same bytes.
    EXPECT_EQ(source.Build({}, palette).Write(), bytes);
}

TEST_F(PersonSourceTest, FaultyLinesAreRefusedWithTheirLineNumbers) {
    const std::string good = "M 0 77 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern";
    struct SCase {
        std::string line;
        const char* expected;
    } cases[] = {
        {"M 0 77 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3", "and a name"},
        {"M 0 77 40 3 3  3 4 5 6 7  2 2 2 2", "and a name"},
        {"X 0 77 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "neither M nor F"},
        {"M 0 77 4o 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "age \"4o\" is not a whole number"},
        {"M 0 77 130 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "age 130 is outside 20..80"},
        {"M 0 77 40 3 7  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "sociability 7 is outside 0..6"},
        {"M 0 77 40 3 3  3 0 5 6 7  2 2 2 2 2  3 3  Ada Fern", "ability 0 is outside 1..9"},
        {"M 0 77 40 3 3  3 4 5 6 7  2 -1 2 2 2  3 3  Ada Fern", "growth -1 is outside 0..9"},
        {"M 0 77 40 -3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "grade -3 is outside 0..9"},
        {"M 12 77 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "start year 12 is outside 0..9"},
        {"M 0 -77 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "face seed \"-77\""},
        {"M 0 77 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  A name far too long for the dialogs",
         "a name has 1 to 24"},
        {"M 0 78 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern", "\"Ada Fern\" is also on line 3"},
        {"M 0 77 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Bo Fern", "face seed 77 is also on line 3"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.line);
        std::string text = "# test\n[directors]\n" + good + "\n" + c.line + "\n";
        std::string error = ErrorOf([&] { CPersonSource().Parse(text, "src"); });
        EXPECT_EQ(error.rfind("src:4: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
    struct SShape {
        std::string text;
        const char* expected;
    } shapes[] = {
        {"M 0 1 40 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern\n",
         "src:1: a line before the first section"},
        {"[staff]\n", "src:1: unknown section [staff]"},
        {"[governors]\n\nM 2 1 50 3 3  3 4 5 6 7  2 2 2 2 2  3 3  Ada Fern\n",
         "src:3: a governor is in office from the first year"},
        {"[author]\nmark ABCD\n", "src:2: a mark has at most 3 letters"},
        {"[author]\ncolour red\n", "src:2: unknown author entry \"colour\""},
    };
    for (const SShape& c : shapes) {
        std::string error = ErrorOf([&] { CPersonSource().Parse(c.text, "src"); });
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << error;
    }
}

TEST_F(PersonSourceTest, TooFewPersonsAreRefusedBeforeAnythingIsBuilt) {
    CPersonSource::SNeeds needs{14, 10, 12};
    struct SCase {
        int directors, firstYear, governors;
        CPersonSource::SNeeds needs;
        const char* expected;  // nullptr: accepted
    } cases[] = {
        {80, 14, 15, needs, nullptr},
        {79, 14, 15, needs, "too few persons in [directors]: 79, at least 80"},
        {80, 13, 15, needs, "too few persons in [directors] with start 0: 13"},
        {80, 14, 14, needs, "too few persons in [governors]: 14, at least 15"},
        {80, 14, 15, {14, 16, 8}, "too few persons in [governors]: 15, at least 16"},
        {84, 84, 15, {85, 10, 12}, "too few persons in [directors]: 84, at least 85"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.directors << " " << c.firstYear << " " << c.governors);
        CPersonSource source;
        source.Parse(MakeSource(c.directors, c.firstYear, c.governors), "src");
        std::string error = ErrorOf([&] { source.Check(c.needs); });
        if (c.expected)
            EXPECT_NE(error.find(c.expected), std::string::npos) << error;
        else
            EXPECT_EQ(error, "(no error)");
    }
    CPersonSource noAuthor;
    noAuthor.Parse(
        MakeSource(80, 14, 15).substr(std::string("[author]\nname Test Team\nmark TT\n").size()),
        "src");
    EXPECT_NE(ErrorOf([&] { noAuthor.Check(needs); }).find("[author]"), std::string::npos);
}

TEST_F(PersonSourceTest, ARefusedSourceWritesNoFile) {
    const std::string folder = ::testing::TempDir();
    const std::string sourcePath = folder + "persons_refused.txt";
    const std::string outPath = folder + "ORIGINAL_refused.MQP";
    std::remove(outPath.c_str());
    std::ofstream(sourcePath) << MakeSource(80, 14, 3);
    std::string error = ErrorOf([&] {
        CPersonSource::WriteDataFile(sourcePath, outPath, CPersonSource::SNeeds{}, palette);
    });
    EXPECT_NE(error.find("[governors]"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(outPath));

    std::string missing = ErrorOf(
        [&] { CPersonSource::WriteDataFile(folder + "no_such_source.txt", outPath, {}, palette); });
    EXPECT_NE(missing.find("cannot be read"), std::string::npos) << missing;
}

TEST_F(PersonSourceTest, CheckDescribesAFileOrGivesTheReadersError) {
    const std::string folder = ::testing::TempDir();
    const std::string sourcePath = folder + "persons_check.txt";
    const std::string path = folder + "ORIGINAL_check.MQP";
    std::ofstream(sourcePath) << MakeSource(80, 14, 15);
    CPersonSource::WriteDataFile(sourcePath, path, {}, palette);

    std::string text;
    EXPECT_TRUE(CPersonFileReport::Describe(path, text));
    EXPECT_NE(
        text.find("persons: 95 (director table 80, 14 of them in the first year; governors 15)"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("enough persons"), std::string::npos) << text;

    // The stored checksum one off, and the file cut short.
    std::vector<char> bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    bytes.back() = static_cast<char>(bytes.back() ^ 1);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    EXPECT_FALSE(CPersonFileReport::Describe(path, text));
    EXPECT_EQ(text, path + ": Incorrect file contents.\n");

    std::ofstream(path, std::ios::binary).write(bytes.data(), 100);
    EXPECT_FALSE(CPersonFileReport::Describe(path, text));
    EXPECT_EQ(text.rfind(path + ": ", 0), 0u);
    EXPECT_FALSE(CPersonFileReport::Describe(folder + "none.MQP", text));
    EXPECT_NE(text.find("cannot be opened"), std::string::npos);
}

}  // namespace
