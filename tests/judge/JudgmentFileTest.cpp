// Loading the judgment data file: a whole file, and damaged files that each
// change one stored field and are refused with their error value.

#include <functional>

#include "JudgeFixture.h"
#include "judge/MapDoc.h"
#include "model/MapData.h"
#include "model/MercavoError.h"

namespace {

class JudgmentFileTest : public JudgeTest {};

TEST_F(JudgmentFileTest, LoadsTheGameAtItsEnd) {
    CJudgmentFileFixture& g = MakeGame();
    g.Company(1).SetFunds(4321);
    ASSERT_EQ(LoadGame(), -1);
    EXPECT_EQ(doc.GetCompanyCount(), 3);
    EXPECT_EQ(doc.GetPlayYears(), 3);
    EXPECT_EQ(doc.GetFinalYear(), 3);
    EXPECT_EQ(doc.GetMonthIndex(), 36);
    EXPECT_EQ(doc.GetLoadCount(), 1);
    EXPECT_EQ(doc.GetStartingPlayers(), 1);
    EXPECT_EQ(doc.GetHumanPlayers(), 1);
    EXPECT_EQ(doc.GetCompany(1)->Record().GetFunds(), 4321);
    EXPECT_EQ(doc.GetCompany(1)->GetName(), g.Company(1).GetName());
    EXPECT_EQ(doc.GetMap().GetAreaCount(), 2);
    EXPECT_EQ(doc.GetPersonCount(), g.Doc().GetDirectorTableSize());
    EXPECT_EQ(doc.GetAreaName(-1), "All");
    EXPECT_EQ(doc.GetAreaName(2), "");
    EXPECT_EQ(doc.GetDataFileInfo(0)->Size(), g.Doc().GetAuthorMark(0)->Size());
    EXPECT_EQ(doc.GetAuthorName(2), g.Doc().GetAuthorName(2));
    EXPECT_EQ(doc.GetDataFileInfo(4), nullptr);
    EXPECT_TRUE(doc.GetCompany(0)->IsActive());
    EXPECT_FALSE(doc.GetCompany(1)->IsActive());
}

TEST_F(JudgmentFileTest, AGameWithoutHumansAtItsEndHasNoActiveCompany) {
    SJudgmentFileOptions options;
    options.endingHumans = 0;
    MakeGame(options);
    ASSERT_EQ(LoadGame(), -1);
    EXPECT_FALSE(doc.GetCompany(0)->IsActive());
}

TEST_F(JudgmentFileTest, ANetworkGameIsJudgedAsALocalOneAndKeepsItsPeers) {
    MakeGame();
    CFrameState& frame = game->Doc().GetFrameState();
    frame.SetNetworkRoles(1, 0, 0);
    CFrameState::SPeer peer;
    peer.playerNumber = 6;
    peer.company = 0;
    peer.state = 2;
    frame.GetPeers().push_back(peer);
    ASSERT_TRUE(LoadAndPrepare());
    EXPECT_EQ(doc.GetFrameState().IsNetworkGame(), 1);
    ASSERT_EQ(doc.GetFrameState().GetPeers().size(), 1u);
    EXPECT_EQ(doc.GetFrameState().GetPeers()[0].state, 4);
    EXPECT_EQ(doc.GetFrameState().GetNextPlayerId(), 7);
    EXPECT_EQ(doc.GetFrameState().GetRole4Count(), 1);
    JudgeAll();
    EXPECT_TRUE(doc.IsFinalRanked());
}

TEST_F(JudgmentFileTest, TheWaitIsHeldToTheGamesRange) {
    MakeGame();
    std::vector<uint8_t> bytes = game->Bytes();
    Put(bytes, game->Layout().wait, 2000000000);
    ASSERT_EQ(doc.LoadBytes(bytes), -1);
    EXPECT_EQ(doc.GetWaitTime(), judge::CArboDoc::kMaxWaitTime);
}

TEST_F(JudgmentFileTest, AFileCutShortCannotBeOpened) {
    MakeGame();
    std::vector<uint8_t> bytes = game->Bytes();
    bytes.resize(bytes.size() - 3);
    EXPECT_EQ(doc.LoadBytes(bytes), judge::CArboDoc::kOpenFailed);
    EXPECT_EQ(doc.LoadFile(folder + "missing.mqd"), judge::CArboDoc::kOpenFailed);
}

struct SDamage {
    const char* name;
    std::function<void(std::vector<uint8_t>&, const SLayout&)> damage;
    int error;
};

auto Set(size_t SLayout::*field, int32_t value) {
    return [=](std::vector<uint8_t>& bytes, const SLayout& layout) {
        Put(bytes, layout.*field, value);
    };
}

auto SetCompany(int c, size_t SCompanyLayout::*field, int32_t value) {
    return [=](std::vector<uint8_t>& bytes, const SLayout& layout) {
        Put(bytes, layout.Company(c, field), value);
    };
}

// Play years and final year together, so that only the years are wrong.
auto SetYears(int32_t years) {
    return [=](std::vector<uint8_t>& bytes, const SLayout& layout) {
        Put(bytes, layout.playYears, years);
        Put(bytes, layout.year, years);
    };
}

class DamagedJudgmentFileTest : public JudgeTest, public ::testing::WithParamInterface<SDamage> {};

TEST_P(DamagedJudgmentFileTest, IsRefusedWithItsError) {
    MakeGame();
    std::vector<uint8_t> bytes = game->Bytes();
    ASSERT_EQ(doc.LoadBytes(bytes), -1);
    GetParam().damage(bytes, game->Layout());
    judge::CArboDoc damaged;
    EXPECT_EQ(damaged.LoadBytes(bytes), GetParam().error);
}

constexpr int kWrongFile = eMERCAVO_ERROR_VERSION;
constexpr int kBad = eMERCAVO_ERROR_CONTENTS;

INSTANTIATE_TEST_SUITE_P(
    Judgment, DamagedJudgmentFileTest,
    ::testing::Values(SDamage{"Version2", Set(&SLayout::version, 2), kWrongFile},
                      SDamage{"Version4", Set(&SLayout::version, 4), kWrongFile},
                      SDamage{"SecondInteger1", Set(&SLayout::reserved, 1), kWrongFile},
                      SDamage{"NegativeLoadCount", Set(&SLayout::loadCount, -1), kWrongFile},
                      SDamage{"NegativePeerCount", Set(&SLayout::frame, -1), kBad},
                      SDamage{"NoPlayYears", SetYears(0), kBad},
                      SDamage{"MorePlayYearsThanARecordKeeps", SetYears(CEnterprise::kMaxYears + 1),
                              kBad},
                      SDamage{"GameNotAtItsEnd", Set(&SLayout::year, 2), kBad},
                      SDamage{"Month12", Set(&SLayout::month, 12), kBad},
                      SDamage{"NoAreas", Set(&SLayout::mapAreaCount, 0), kBad},
                      SDamage{"Areas65", Set(&SLayout::mapAreaCount, 65), kBad},
                      SDamage{"NegativeStartingHumans", Set(&SLayout::starting, -1), kBad},
                      SDamage{"MoreHumansThanCompanies", Set(&SLayout::humans, 4), kBad},
                      SDamage{"NoCompanies",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  Put(bytes, layout.humans, 0);
                                  Put(bytes, layout.count, 0);
                              },
                              kBad},
                      SDamage{"CompanyOfAnotherAreaCount",
                              SetCompany(1, &SCompanyLayout::areaCount, 3), kBad},
                      SDamage{"ColourBeyondTheTable", SetCompany(1, &SCompanyLayout::colour, 32),
                              kBad},
                      SDamage{"MoreAtWorkThanEmployees",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  int employees =
                                      Get(bytes, layout.Company(0, &SCompanyLayout::employees));
                                  Put(bytes, layout.Company(0, &SCompanyLayout::atWork),
                                      employees + 1);
                              },
                              kBad},
                      SDamage{"SignOf0", SetCompany(0, &SCompanyLayout::sign1, 0), kBad},
                      SDamage{"SecondSignOf0", SetCompany(2, &SCompanyLayout::sign2, 0), kBad},
                      SDamage{"PresidentBeyondThePersons",
                              SetCompany(1, &SCompanyLayout::president, 100000), kBad},
                      SDamage{"AdviserBeyondThePersons",
                              SetCompany(1, &SCompanyLayout::adviser, 100000), kBad},
                      SDamage{"TeamBeyondTheLeague", SetCompany(1, &SCompanyLayout::teams, 1000),
                              kBad},
                      SDamage{"NegativeStrikeCount",
                              SetCompany(1, &SCompanyLayout::strikeCount, -1), kBad},
                      SDamage{"PersonOfKind3",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  int word = Get(bytes, layout.persons.at(0));
                                  Put(bytes, layout.persons.at(0), (word & ~0xFFFF) | 3);
                              },
                              kBad},
                      SDamage{"NoFirstPersons", Set(&SLayout::d, 0), kBad},
                      SDamage{"NegativeTurnPosition", Set(&SLayout::turnPosition, -1), kBad},
                      SDamage{"NegativeTurnEntry", Set(&SLayout::turnOrder, -1), kBad},
                      SDamage{"NegativeInterest", Set(&SLayout::interest, -1), kBad},
                      SDamage{"NegativeStockEntry", Set(&SLayout::stock, -1), kBad},
                      SDamage{"ViewDirection4", Set(&SLayout::view, 4), kBad},
                      SDamage{"NegativeWait", Set(&SLayout::wait, -1), kBad},
                      SDamage{
                          "FlagOf2",
                          [](std::vector<uint8_t>& bytes,
                             const SLayout& layout) { bytes[layout.flag] = 2; },
                          kBad},
                      SDamage{"NoStructureTypeOfCode45",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  for (size_t i = 0; i < layout.structureTypes.size(); ++i)
                                      if (Get(bytes,
                                              layout.StructureTypeCode(static_cast<int>(i))) == 45)
                                          Put(bytes, layout.StructureTypeCode(static_cast<int>(i)),
                                              44);
                              },
                              kBad},
                      SDamage{"MoreThan256StructureTypes",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  Put(bytes, layout.structureTypes.at(0) - 4, 257);
                              },
                              kBad},
                      SDamage{"StructureTypeWiderThan3",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  EXPECT_EQ(Get(bytes, layout.structureTypeSizes.at(0)), 1);
                                  Put(bytes, layout.structureTypeSizes.at(0), 4);
                              },
                              kBad},
                      SDamage{"StructureTypeOfNoSize",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  EXPECT_EQ(Get(bytes, layout.structureTypeSizes.at(1) + 4), 1);
                                  Put(bytes, layout.structureTypeSizes.at(1) + 4, 0);
                              },
                              kBad},
                      SDamage{"OwnerBeyondTheCompanies",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  Put(bytes, layout.Cell(0, CMapData::layerOwner, 0, 0), 4);
                              },
                              kBad},
                      SDamage{"LandTypeBeyondTheTable",
                              [](std::vector<uint8_t>& bytes, const SLayout& layout) {
                                  Put(bytes, layout.Cell(1, CMapData::layerLandType, 2, 1), 256);
                              },
                              kBad}),
    [](const ::testing::TestParamInfo<SDamage>& info) { return std::string(info.param.name); });

}  // namespace
