#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "GameFixture.h"
#include "model/MapData.h"

namespace {

struct SDataCase {
    const char* name;
    std::function<void(CMapDoc&, SPersonFixtureOptions&, SMapFixtureOptions&)> change;
    // The message, with %s for the folder where a file is named.
    std::string message;
};

class DataCheckTest : public GameTest, public ::testing::WithParamInterface<SDataCase> {};

const std::string kFileError = "次のﾌｧｲﾙが正しく読み込めませんでした。\n%s";

void SetOfficeFlag(CMapDoc& map, int code, int flag) {
    CBD* type = map.GetStructureType(FindStructureOfCode(map, code));
    type->SetFlags(type->GetUsableFlag(), flag, type->GetThirdFlag());
}

TEST_P(DataCheckTest, FirstFailingCheckShowsItsMessageAndSetsNothingUp) {
    SPersonFixtureOptions persons;
    SMapFixtureOptions mapOptions;
    GetParam().change(*MakeGameFixtureMap(), persons, mapOptions);  // options only
    auto map = MakeGameFixtureMap(mapOptions);
    GetParam().change(*map, persons, mapOptions);
    WriteFiles(*map, persons);
    EXPECT_EQ(Prepare(doc), 0);
    std::string expected = GetParam().message;
    if (auto at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, folder);
    ASSERT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(frame.messages[0], expected);
    EXPECT_EQ(frame.calls.back(), "ShowMessageBox(48)");
    EXPECT_EQ(doc.GetCompanyCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    NewGame, DataCheckTest,
    ::testing::Values(
        SDataCase{"CompanyNames",
                  [](CMapDoc& m, auto&, auto&) {
                      m.SetCellMetric(CMapDoc::metricMaxCompanies, m.GetCompanyNameCount() + 1);
                  },
                  "Insufficient \"Company Names\".\nORIGINAL.MQM"},
        SDataCase{"Directors", [](CMapDoc&, auto& p, auto&) { p.directors = 5; },
                  "Insufficient \"Directors\".\nORIGINAL.MQM"},
        // With T = G the director table is empty.
        SDataCase{"NoDirectors", [](CMapDoc&, auto& p, auto&) { p.directors = 0; },
                  "Insufficient \"Directors\".\nORIGINAL.MQM"},
        SDataCase{"Candidates", [](CMapDoc&, auto& p, auto&) { p.firstYearCandidates = 5; },
                  "Insufficient \"Directors Candidates\" from first year data.\nORIGINAL.MQM"},
        SDataCase{"Governors", [](CMapDoc&, auto& p, auto&) { p.governors = 3; },
                  "Insufficient \"Governors\".\nORIGINAL.MQM"},
        // Enough for the map's figure, but not one for every area.
        SDataCase{"GovernorsForEveryArea",
                  [](CMapDoc&, auto& p, auto& o) {
                      o.areaCount = 5;
                      p.governors = 4;
                  },
                  "Insufficient \"Governors\".\nORIGINAL.MQM"},
        SDataCase{"Foundation",
                  [](CMapDoc& m, auto&, auto&) {
                      m.GetLandTypeEntry(fixtureFoundation)->SetTypeCode(18);
                  },
                  "\"Topography\" data does not include \"Foundation\".\nORIGINAL.MQM"},
        SDataCase{"Residence", [](CMapDoc&, auto&, auto& o) { o.omitStructureCodes = {55}; },
                  "\"Building\" data does not include \"Residence\".\nORIGINAL.MQM"},
        SDataCase{"HeadOffice", [](CMapDoc& m, auto&, auto&) { SetOfficeFlag(m, 60, 0); },
                  "\"Building\" data does not include \"Head Office\".\nORIGINAL.MQM"},
        SDataCase{"BranchOffice", [](CMapDoc& m, auto&, auto&) { SetOfficeFlag(m, 61, 0); },
                  "\"Building\" data does not include \"Branch Office\".\nORIGINAL.MQM"},
        // The map loader itself refuses a map without rubble or fire.
        SDataCase{"Rubble", [](CMapDoc&, auto&, auto& o) { o.omitStructureCodes = {35}; },
                  kFileError + "ORIGINAL.MQM"},
        SDataCase{"Fire", [](CMapDoc&, auto&, auto& o) { o.omitStructureCodes = {40}; },
                  kFileError + "ORIGINAL.MQM"}),
    [](const auto& info) { return info.param.name; });

TEST_F(GameTest, DataFilesThatDoNotLoadNameTheirPath) {
    WriteFiles(*MakeGameFixtureMap());
    // A character file whose checksum is one off.
    std::vector<uint8_t> persons = WriteFixturePersonFile();
    persons.back() ^= 1;
    {
        std::ofstream file(folder + "ORIGINAL.MQP", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(persons.data()),
                   static_cast<std::streamsize>(persons.size()));
    }
    EXPECT_EQ(Prepare(doc), 0);
    EXPECT_EQ(doc.PrepareNewGameFrom(folder + "NONE.MQM", folder + "ORIGINAL.MQP"), 0);
    ASSERT_EQ(frame.messages.size(), 2u);
    EXPECT_EQ(frame.messages[0],
              kFileError.substr(0, kFileError.size() - 2) + folder + "ORIGINAL.MQP");
    EXPECT_EQ(frame.messages[1], kFileError.substr(0, kFileError.size() - 2) + folder + "NONE.MQM");
}

// Whatever count a map data file carries after an area's size, a game it
// starts must save and load again: a count the saved game would refuse
// keeps the game from starting. Counts ending in 0 add nothing to the data
// checksum, so the file's checksum stays right.
TEST_F(GameTest, MapFileAreaCountThatASavedGameRefusesStartsNoGame) {
    for (int32_t count : {-1, -10, 0, 70}) {
        SCOPED_TRACE(count);
        WriteFiles(*MakeGameFixtureMap());
        std::vector<uint8_t> map = WriteFixtureMapFile();
        std::memcpy(map.data() + FirstAreaCountOffset(map), &count, 4);
        {
            std::ofstream file(folder + "ORIGINAL.MQM", std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(map.data()),
                       static_cast<std::streamsize>(map.size()));
        }
        CVDoc game;
        auto scoped = ScopedDoc(&game);
        frame.messages.clear();
        if (count < 0) {
            EXPECT_EQ(Prepare(game), 0);
            ASSERT_EQ(frame.messages.size(), 1u);
            EXPECT_EQ(frame.messages[0],
                      kFileError.substr(0, kFileError.size() - 2) + folder + "ORIGINAL.MQM");
            continue;
        }
        ASSERT_EQ(Prepare(game), 1);
        ASSERT_EQ(game.SetupEnterprises(), 1);
        EXPECT_EQ(game.GetMap().GetArea(0).GetSpare(), count);
        CVDoc loaded;
        auto scopedLoaded = ScopedDoc(&loaded);
        EXPECT_EQ(loaded.LoadBytes(game.SaveBytes()), -1);
    }
}

TEST_F(GameTest, NewGameFromTheFixtureFilesPassesEveryCheck) {
    NewGame(6, 1);
    EXPECT_TRUE(frame.messages.empty());
    ASSERT_EQ(doc.GetCompanyCount(), 6);
    EXPECT_EQ(doc.GetPlayState(), 1);
    EXPECT_EQ(doc.GetTurnEnterprise(0), 0);
    EXPECT_EQ(doc.GetTurnEnterprise(5), 5);
    EXPECT_GE(doc.GetInterestRate(), 8);
    EXPECT_LE(doc.GetInterestRate(), 12);
    EXPECT_EQ(doc.GetAuthorName(0), "Fixture Data Team");
    EXPECT_EQ(doc.GetAuthorMark(0)->Size(), 9u);
    EXPECT_EQ(doc.GetAuthorName(1), "First Author");
    EXPECT_EQ(doc.GetAuthorName(2), "Second Author");
    EXPECT_EQ(doc.GetAuthorMark(1)->Size(), 7u);
}

TEST_F(GameTest, ComputerCompaniesGetNamesColoursPresidentsAndStartAreas) {
    NewGame(6, 1);
    std::set<std::string> names;
    std::set<int> colours, presidents;
    for (int c = 1; c < 6; ++c) {
        const CEnterprise& company = *doc.GetEnterprise(c);
        EXPECT_FALSE(company.GetName().empty());
        names.insert(company.GetName());
        EXPECT_EQ(doc.GetMap().GetCompanyNameUser(company.GetNameSlot()), c);
        colours.insert(company.GetColor());
        int p = company.GetPresidentNumber() - 1;
        ASSERT_NE(doc.GetDirector(p), nullptr);
        presidents.insert(p);
        EXPECT_EQ(doc.GetDirector(p)->GetEmployerNo(), c + 1);
        EXPECT_EQ(doc.GetDirector(p)->GetPresidentFlag(), 1);
        EXPECT_EQ(company.GetPresidentName(), doc.GetDirector(p)->GetName());
        int started = 0;
        for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a)
            started += company.GetAreaLevel(a) == 1;
        EXPECT_EQ(started, 1);
        EXPECT_FALSE(company.IsHumanPlayed());
    }
    EXPECT_EQ(names.size(), 5u);
    EXPECT_EQ(colours.size(), 5u);
    EXPECT_EQ(presidents.size(), 5u);
    // The human company keeps its player as president and takes no area yet.
    EXPECT_EQ(doc.GetEnterprise(0)->GetPresidentNumber(), 0);
    EXPECT_TRUE(doc.GetEnterprise(0)->IsHumanPlayed());
}

TEST_F(GameTest, EveryAreaGetsAGovernorOfItsOwn) {
    // As many governors as areas: every one of them takes office.
    SMapFixtureOptions map;
    map.areaCount = 4;
    SPersonFixtureOptions persons;
    persons.governors = 4;
    NewGame(4, 0, map, persons);
    std::set<int> governors;
    for (int a = 0; a < 4; ++a) {
        CPersonData* governor = doc.GetAreaGovernor(a);
        ASSERT_NE(governor, nullptr);
        governors.insert(governor->GetIndex());
        EXPECT_EQ(governor->GetEmployerNo(), a + 1);
        EXPECT_LE(governor->GetElectionMonth(), 0);
        EXPECT_GT(governor->GetElectionMonth(), -48);
        for (int c = 0; c < 4; ++c) {
            EXPECT_GE(governor->GetRelation(c), 200);
            EXPECT_LE(governor->GetRelation(c), 600);
        }
    }
    EXPECT_EQ(governors.size(), 4u);
    EXPECT_EQ(doc.GetDirector(0)->GetRelationCount(), doc.GetMap().GetMaxCompanyCount());
}

TEST_F(GameTest, NamesAndPresidentsThatRunOutFailTheSetUp) {
    WriteFiles(*MakeGameFixtureMap());
    doc.SetEnterpriseCount(4);
    ASSERT_EQ(Prepare(doc), 1);
    for (int i = 0; i < doc.GetMap().GetCompanyNameCount(); ++i)
        doc.GetMap().SetCompanyNameUser(i, 0);
    EXPECT_EQ(doc.SetupEnterprise(1, 0), 0);
    EXPECT_EQ(frame.messages.back(), "Insufficient \"Company Names\".\nORIGINAL.MQM");
    for (int p = 0; p < doc.GetDirectorTableSize(); ++p) doc.GetDirector(p)->SetEmployer(1);
    EXPECT_EQ(doc.SetupEnterprise(1, 1), 0);
    EXPECT_EQ(frame.messages.back(), "Insufficient \"Directors\".\nORIGINAL.MQM");
    EXPECT_EQ(doc.GetEnterprise(1)->GetPresidentNumber(), 0);
}

TEST_F(GameTest, AReusedDocumentWithMorePlayersThanTheNewMapHoldsIsRefused) {
    NewGame(6, 5);
    auto small = MakeGameFixtureMap();
    small->SetCellMetric(CMapDoc::metricInitialCompanies, 3);
    small->SetCellMetric(CMapDoc::metricMaxCompanies, 3);
    WriteFiles(*small);
    doc.SetEnterpriseCount(0);
    EXPECT_EQ(Prepare(doc), 0);
    EXPECT_EQ(frame.messages.back(), "Insufficient \"Company Names\".\nORIGINAL.MQM");
}

// Persons tied to a former employer count as free: the one drawn is
// appointed, whatever index the record itself carries.
TEST_F(GameTest, PresidentsAreDrawnFromEveryPersonWithoutAnEmployer) {
    WriteFiles(*MakeGameFixtureMap());
    doc.SetEnterpriseCount(4);
    ASSERT_EQ(Prepare(doc), 1);
    for (int p = 0; p < doc.GetDirectorTableSize(); ++p) {
        doc.GetDirector(p)->SetEmployer(-1);
        doc.GetDirector(p)->SetIndex(p + 60000);
    }
    ASSERT_EQ(doc.SetupEnterprises(), 1);
    for (int c = 0; c < 4; ++c) {
        int p = doc.GetEnterprise(c)->GetPresidentNumber() - 1;
        ASSERT_NE(doc.GetDirector(p), nullptr) << "company " << c;
        EXPECT_EQ(doc.GetDirector(p)->GetEmployerNo(), c + 1);
        EXPECT_EQ(doc.GetDirector(p)->GetPresidentFlag(), 1);
    }
}

TEST(ColourHueTest, HuesOfTheTableColours) {
    EXPECT_EQ(CVDoc::GetColourHue(255, 0, 0), 0);
    EXPECT_EQ(CVDoc::GetColourHue(0, 255, 255), 180);
    EXPECT_EQ(CVDoc::GetColourHue(128, 128, 128), -1);
    EXPECT_EQ(CVDoc::GetColourHue(0, 0, 255), 240);
}

TEST_F(GameTest, AreaRatingNeverFallsBelowThePriceTerm) {
    NewGame(4);
    for (int c = 0; c < 4; ++c) doc.GetEnterprise(c)->SetAreaLevel(0, 4);
    int level = doc.GetMap().GetArea(0).GetLevel();
    int floor = static_cast<int>(std::pow(200.0 - level, 1.1)) / 2;
    EXPECT_EQ(doc.RateAreaForCompany(*doc.GetEnterprise(0), 0, 0), floor);
    EXPECT_EQ(doc.RateAreaForCompany(*doc.GetEnterprise(0), 0, 1), floor + 60);
}

// A presence level has no upper bound; the rating stays a number.
TEST_F(GameTest, AreaRatingOfTheLargestPresenceLevels) {
    NewGame(4);
    doc.GetEnterprise(1)->SetAreaLevel(0, INT32_MAX);
    int level = doc.GetMap().GetArea(0).GetLevel();
    int floor = static_cast<int>(std::pow(200.0 - level, 1.1)) / 2;
    EXPECT_EQ(doc.RateAreaForCompany(*doc.GetEnterprise(0), 0, 0), floor);
    EXPECT_EQ(doc.RateAreaForCompany(*doc.GetEnterprise(1), 0, 1), INT32_MAX);
}

}  // namespace

namespace {

// The data files the data tool writes into the program folder.
TEST_F(GameTest, TheAuthoredDataFilesMakeAGameThatSavesWhole) {
    const char* home = std::getenv("MERCAVO_HOME");
    if (!home || !std::filesystem::exists(std::string(home) + "/ORIGINAL.MQM") ||
        !std::filesystem::exists(std::string(home) + "/ORIGINAL.MQP"))
        GTEST_SKIP() << "the program folder holds no data files";
    ASSERT_EQ(doc.PrepareNewGame(""), 1) << (frame.messages.empty() ? "" : frame.messages[0]);
    EXPECT_TRUE(frame.messages.empty());
    ASSERT_EQ(doc.SetupEnterprises(), 1);
    EXPECT_EQ(doc.GetCompanyCount(), doc.GetMap().GetInitialCompanyCount());
    for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a)
        EXPECT_NE(doc.GetAreaGovernor(a), nullptr);
    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    EXPECT_EQ(loaded.LoadBytes(doc.SaveBytes()), -1);
}

}  // namespace
