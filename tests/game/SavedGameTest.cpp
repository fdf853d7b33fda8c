#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "GameFixture.h"
#include "fakes/SavedGameLayout.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"

namespace {

// The offset of the first byte that differs; -1 for equal files.
long FirstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return ia == a.end() && ib == b.end() ? -1 : static_cast<long>(ia - a.begin());
}

class SavedGameTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        NewGame(5, 1);
        doc.ShuffleTurnOrder();
        doc.NextTurn();
        doc.SetStockHolding(1, -1, 300);
        doc.SetStockHolding(1, 2, 40);
        doc.SetSavedArea(1);
    }
};

// Loading counts the load and puts the frame's session state to that of a
// loaded game; nothing else of the file changes.
TEST_F(SavedGameTest, SaveLoadSaveGivesTheSameFileWithTheLoadCounted) {
    std::vector<uint8_t> first = doc.SaveBytes();
    SLayout layout(doc);
    ASSERT_EQ(layout.area + 4, first.size());
    EXPECT_EQ(std::string(first.begin(), first.begin() + 26), CVDoc::kFileHeader);
    EXPECT_EQ(first[63], 0x1A);
    EXPECT_EQ(first[62], ' ');
    EXPECT_EQ(Get(first, layout.loadCount), 0);

    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    ASSERT_EQ(loaded.LoadBytes(first), -1);
    EXPECT_EQ(loaded.GetLoadCount(), 1);
    EXPECT_TRUE(loaded.IsLoadedGame());
    std::vector<uint8_t> second = loaded.SaveBytes();
    ASSERT_EQ(second.size(), first.size());
    EXPECT_EQ(Get(second, layout.loadCount), 1);
    EXPECT_EQ(Get(second, layout.sessionState), CFrameState::kLoadedSessionState);
    Put(second, layout.loadCount, 0);
    Put(second, layout.sessionState, 0);
    EXPECT_EQ(FirstDifference(second, first), -1);
    EXPECT_EQ(loaded.GetStockHolding(1, 2), 40);
    EXPECT_EQ(loaded.GetTurnPosition(), 1);
    EXPECT_EQ(loaded.GetSavedArea(), 1);
    EXPECT_EQ(loaded.GetEnterprise(3)->GetName(), doc.GetEnterprise(3)->GetName());
}

TEST_F(SavedGameTest, TheFirst64BytesAreNotRead) {
    std::vector<uint8_t> bytes = doc.SaveBytes();
    std::fill(bytes.begin(), bytes.begin() + 64, 0xEE);
    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    EXPECT_EQ(loaded.LoadBytes(bytes), -1);
}

// A game being loaded reads into its own map and tables: it loads whole
// with no document registered, and the registered one stays in place.
TEST_F(SavedGameTest, LoadingLeavesTheRegisteredDocumentAlone) {
    std::vector<uint8_t> bytes = doc.SaveBytes();
    {
        auto none = ScopedDoc(nullptr);
        CVDoc loaded;
        ASSERT_EQ(loaded.LoadBytes(bytes), -1);
        EXPECT_EQ(loaded.GetEnterprise(3)->GetName(), doc.GetEnterprise(3)->GetName());
        EXPECT_EQ(Services::RegisteredDoc(), nullptr);
    }
    CVDoc loaded;
    ASSERT_EQ(loaded.LoadBytes(bytes), -1);
    EXPECT_EQ(Services::RegisteredDoc(), &doc);
}

struct SDamage {
    const char* name;
    std::function<void(std::vector<uint8_t>&, const SLayout&)> damage;
    int error;
};

class DamagedGameTest : public SavedGameTest, public ::testing::WithParamInterface<SDamage> {};

TEST_P(DamagedGameTest, FailsWithItsErrorAndLeavesTheRunningGameAlone) {
    std::vector<uint8_t> good = doc.SaveBytes();
    SLayout layout(doc);
    std::vector<uint8_t> bad = good;
    GetParam().damage(bad, layout);
    EXPECT_EQ(doc.LoadBytes(bad), GetParam().error);
    EXPECT_EQ(FirstDifference(doc.SaveBytes(), good), -1);
    EXPECT_EQ(doc.GetLoadCount(), 0);
}

auto Set(size_t SLayout::*field, int32_t value, size_t offset = 0) {
    return [=](std::vector<uint8_t>& bytes, const SLayout& layout) {
        Put(bytes, layout.*field + offset, value);
    };
}

INSTANTIATE_TEST_SUITE_P(
    SavedGame, DamagedGameTest,
    ::testing::Values(
        SDamage{"Version2", Set(&SLayout::version, 2), eMERCAVO_ERROR_VERSION},
        SDamage{"Version4", Set(&SLayout::version, 4), eMERCAVO_ERROR_VERSION},
        SDamage{"Reserved", Set(&SLayout::reserved, 1), eMERCAVO_ERROR_VERSION},
        SDamage{"NegativeLoadCount", Set(&SLayout::loadCount, -1), eMERCAVO_ERROR_VERSION},
        SDamage{"LoadCountCannotCount", Set(&SLayout::loadCount, INT32_MAX),
                eMERCAVO_ERROR_VERSION},
        SDamage{"PeerCount", Set(&SLayout::frame, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"HugePeerCount", Set(&SLayout::frame, 100000000), eMERCAVO_ERROR_CONTENTS},
        SDamage{"PlayYears", Set(&SLayout::playYears, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"YearIsTheLength", Set(&SLayout::year, 10), eMERCAVO_ERROR_CONTENTS},
        SDamage{"NegativeYear", Set(&SLayout::year, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"Month12", Set(&SLayout::month, 12), eMERCAVO_ERROR_CONTENTS},
        SDamage{"StartingPlayers", Set(&SLayout::starting, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"HumanPlayers", Set(&SLayout::humans, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"FewerCompaniesThanPlayers", Set(&SLayout::humans, 6), eMERCAVO_ERROR_CONTENTS},
        SDamage{"MoreCompaniesThanTheMapHolds", Set(&SLayout::count, 9), eMERCAVO_ERROR_CONTENTS},
        SDamage{"NoDirectors", Set(&SLayout::d, 0), eMERCAVO_ERROR_CONTENTS},
        SDamage{"NoGovernors", Set(&SLayout::g, 0), eMERCAVO_ERROR_CONTENTS},
        SDamage{"NoCandidates", Set(&SLayout::firstYear, 0), eMERCAVO_ERROR_CONTENTS},
        SDamage{"HugeDirectorTable", Set(&SLayout::d, 200000000), eMERCAVO_ERROR_CONTENTS},
        // The first director's own index (a word after five words and a
        // byte) names a person beyond the table.
        SDamage{"PersonIndexOutsideItsTable",
                [](std::vector<uint8_t>& b, const SLayout& l) {
                    b[l.firstYear + 4 + 15] = 0xFF;
                    b[l.firstYear + 4 + 16] = 0xFF;
                },
                eMERCAVO_ERROR_CONTENTS},
        SDamage{"TurnPositionIsN", Set(&SLayout::turnPosition, 5), eMERCAVO_ERROR_CONTENTS},
        SDamage{"NegativeTurnPosition", Set(&SLayout::turnPosition, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"TurnEntryIsN", Set(&SLayout::turnOrder, 5), eMERCAVO_ERROR_CONTENTS},
        SDamage{"TurnOrderRepeats",
                [](std::vector<uint8_t>& b, const SLayout& l) {
                    Put(b, l.turnOrder + 4, Get(b, l.turnOrder));
                },
                eMERCAVO_ERROR_CONTENTS},
        SDamage{"InterestRate", Set(&SLayout::interest, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"StockEntry", Set(&SLayout::stock, -1, 28), eMERCAVO_ERROR_CONTENTS},
        SDamage{"MarkBeyondTheFile", Set(&SLayout::markSize, 0x7FFFFFF0), eMERCAVO_ERROR_CONTENTS},
        SDamage{"ViewDirection", Set(&SLayout::view, 4), eMERCAVO_ERROR_CONTENTS},
        SDamage{"WaitTime", Set(&SLayout::wait, -1), eMERCAVO_ERROR_CONTENTS},
        SDamage{"FlagByte", [](std::vector<uint8_t>& b, const SLayout& l) { b[l.flag] = 2; },
                eMERCAVO_ERROR_CONTENTS},
        SDamage{"CurrentAreaIsTheCount", Set(&SLayout::area, 2), eMERCAVO_ERROR_CONTENTS},
        SDamage{"CurrentAreaBelowNone", Set(&SLayout::area, -2), eMERCAVO_ERROR_CONTENTS},
        SDamage{"CutShort", [](std::vector<uint8_t>& b, const SLayout&) { b.resize(b.size() / 2); },
                eMERCAVO_ERROR_FAILED},
        SDamage{"LastByteMissing", [](std::vector<uint8_t>& b, const SLayout&) { b.pop_back(); },
                eMERCAVO_ERROR_FAILED}),
    [](const auto& info) { return info.param.name; });

TEST_F(SavedGameTest, CellOwnersMustBeCompaniesOfTheGame) {
    ASSERT_LT(doc.GetCompanyCount(), doc.GetMap().GetMaxCompanyCount());
    CMapData& area = doc.GetMap().GetArea(1);
    struct Case {
        int owner;
        int result;
    };
    // Owner values are company + 1: five companies own 1..5; 6 lies within
    // the map's maximum but names no company of this game.
    for (const Case c : {Case{5, -1}, Case{6, eMERCAVO_ERROR_CONTENTS}}) {
        area.SetCellOwner(2, 1, c.owner);
        CVDoc loaded;
        auto scoped = ScopedDoc(&loaded);
        EXPECT_EQ(loaded.LoadBytes(doc.SaveBytes()), c.result) << c.owner;
    }
}

// A network peer of the frame's table plays a company of this game or none.
TEST_F(SavedGameTest, PeerCompaniesMustBeCompaniesOfTheGame) {
    const int n = doc.GetCompanyCount();
    struct Case {
        int company;
        int result;
    };
    for (const Case c : {Case{-1, -1}, Case{n - 1, -1}, Case{n, eMERCAVO_ERROR_CONTENTS}}) {
        CFrameState::SPeer peer;
        peer.playerNumber = 0;
        peer.company = c.company;
        doc.GetFrameState().GetPeers() = {peer};
        CVDoc loaded;
        auto scoped = ScopedDoc(&loaded);
        EXPECT_EQ(loaded.LoadBytes(doc.SaveBytes()), c.result) << c.company;
    }
}

TEST_F(SavedGameTest, EdgeValuesThatLoad) {
    std::vector<uint8_t> bytes = doc.SaveBytes();
    SLayout layout(doc);
    Put(bytes, layout.area, -1);
    Put(bytes, layout.wait, 1000000);
    Put(bytes, layout.loadCount, 41);
    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    ASSERT_EQ(loaded.LoadBytes(bytes), -1);
    EXPECT_EQ(loaded.GetSavedArea(), -1);
    // A damaged wait time is held to the Options dialog's range.
    EXPECT_EQ(loaded.GetWaitTime(), CVDoc::kMaxWaitTime);
    EXPECT_EQ(loaded.GetLoadCount(), 42);
}

// Relations and sociability are stored as words; the month's relation step
// takes them as they were loaded.
TEST_F(SavedGameTest, LargestStoredRelationsPassTheMonthsRelationStep) {
    CPersonData& director = *doc.GetDirector(0);
    director.SetPresidentFlag(0);
    director.SetEmployer(2);
    std::vector<uint8_t> bytes = doc.SaveBytes();
    SLayout layout(doc);
    const size_t record = layout.firstYear + 4;
    // Sociability is the fourth word; the relations follow the relation
    // count at 26.
    bytes[record + 6] = bytes[record + 7] = 0xFF;
    const size_t relations = record + 28;
    for (int c = 0; c < director.GetRelationCount(); ++c)
        bytes[relations + 2 * c] = bytes[relations + 2 * c + 1] = 0xFF;
    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    ASSERT_EQ(loaded.LoadBytes(bytes), -1);
    ASSERT_EQ(loaded.GetDirector(0)->GetRelation(3), 0xFFFF);
    loaded.UpdatePersonRelations();
    for (int c = 0; c < loaded.GetCompanyCount(); ++c) {
        EXPECT_GE(loaded.GetDirector(0)->GetRelation(c), 0);
        EXPECT_LE(loaded.GetDirector(0)->GetRelation(c), 2000);
    }
}

TEST_F(GameTest, FacesArePackedInGroupsOfThreeOverBothTables) {
    SPersonFixtureOptions persons;
    persons.directors = 7;
    persons.governors = 4;
    persons.firstYearCandidates = 7;
    NewGame(4, 0, {}, persons);
    auto check = [](CVDoc& d) {
        EXPECT_EQ(d.GetFaceStripCount(), 5);
        const int directorStrips[] = {0, 0, 0, 1, 1, 1, 2};
        for (int p = 0; p < 7; ++p) EXPECT_EQ(d.GetDirector(p)->GetFaceStrip(), directorStrips[p]);
        const int governorStrips[] = {3, 3, 3, 4};
        for (int p = 0; p < 4; ++p) EXPECT_EQ(d.GetGovernor(p)->GetFaceStrip(), governorStrips[p]);
        EXPECT_EQ(d.HasGovernorFaces(), 1);
        // Faces of a group lie side by side.
        EXPECT_EQ(d.GetDirector(4)->GetFaceOffset(0), d.GetDirector(3)->GetFaceOffset(2) + 6);
        EXPECT_NE(d.GetFaceStrip(4), nullptr);
        EXPECT_EQ(d.GetFaceStrip(5), nullptr);
    };
    // A new game packs in the order of the character file.
    for (int p = 0; p < 7; ++p)
        EXPECT_EQ(doc.GetDirector(p)->GetFaceStrip(), doc.GetDirector(p / 3 * 3)->GetFaceStrip());
    EXPECT_EQ(doc.GetFaceStripCount(), 5);
    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    ASSERT_EQ(loaded.LoadBytes(doc.SaveBytes()), -1);
    check(loaded);
}

// A person's record from a peer repacks his group of three only when he is
// its last (i mod 3 = 2): the others arrive before him. The group keeps its
// strip number. Offsets scribbled over show which groups were packed.
TEST_F(GameTest, OnlyTheLastPersonOfAGroupRepacksItAndTheStripNumberStays) {
    SPersonFixtureOptions persons;
    persons.directors = 7;
    persons.firstYearCandidates = 7;
    NewGame(4, 0, {}, persons);
    const int strips = doc.GetFaceStripCount();
    struct SCase {
        int person;
        bool governors, repacks;
    };
    const SCase cases[] = {{3, false, false}, {4, false, false}, {5, false, true},
                           {6, false, false}, {1, true, false},  {2, true, true}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.person);
        CPersonData& first =
            *(c.governors ? doc.GetGovernor(c.person / 3 * 3) : doc.GetDirector(c.person / 3 * 3));
        const int strip = first.GetFaceStrip();
        std::vector<int> offsets;
        for (int f = 0; f < CPersonData::kFaceCount; ++f) {
            offsets.push_back(first.GetFaceOffset(f));
            first.SetFaceOffset(f, 999);
        }
        doc.RepackFaceGroup(c.person, c.governors);
        for (int f = 0; f < CPersonData::kFaceCount; ++f)
            EXPECT_EQ(first.GetFaceOffset(f), c.repacks ? offsets[size_t(f)] : 999) << f;
        EXPECT_EQ(first.GetFaceStrip(), strip);
        for (int f = 0; f < CPersonData::kFaceCount; ++f) first.SetFaceOffset(f, offsets[size_t(f)]);
    }
    EXPECT_EQ(doc.GetFaceStripCount(), strips);
}

}  // namespace
