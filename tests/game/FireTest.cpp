// A fire spreading over an area pass after pass until it dies out.

#include <algorithm>
#include <iostream>

#include "game/EventsFixture.h"
#include "model/Random.h"

namespace {

class FireTest : public EventsTest {
protected:
    void SetUp() override {
        EventsTest::SetUp();
        Start(2, 1);
        WidenArea(0, 12, 12);
        frame.shownArea = 0;
    }

    CMapData& Area() { return doc.GetMap().GetArea(0); }

    void SetLand(int x, int y, int landType) { Area().SetLandType(x, y, landType); }

    bool WasDrawn(int x, int y) const {
        return std::find(frame.drawnCells.begin(), frame.drawnCells.end(), CCellPoint(x, y)) !=
               frame.drawnCells.end();
    }

    void SetFireSafety(int rating) {
        for (int c = 0; c < doc.CompanyCount(); ++c)
            doc.GetEnterprise(c)->SetAreaRating(1, 0, rating, 0);
    }
};

}  // namespace

TEST_F(FireTest, StartCellWithoutBurnableNeighbourGoesOutAfterOnePass) {
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) SetLand(x, y, fixtureTrackBed);
    SetLand(5, 5, fixtureMeadow);
    SetFireSafety(0);
    {
        // The cell itself is not marked again: Random(150) = 100.
        CScriptedDraws draws({{doc.GetMap().GetCode40TypeCount(), 0}, {150, 100}});
        draws.ThenGenerator();
        doc.SpreadFire(0, 5, 5);
    }
    EXPECT_EQ(doc.GetLastFirePasses(), 1);
    EXPECT_EQ(Area().GetConstructionState(5, 5), CMapData::kConstructionNone);
    EXPECT_EQ(frame.infoLines.back(), "  Extinguished fire.");
}

TEST_F(FireTest, OnlyPlainLandThatIsNotFireproofCatchesFire) {
    const int office = FindStructureOfCode(doc.GetMap(), 60);
    ASSERT_GE(office, 0);
    // Around the start cell (5, 5): road land above, foundation to the left,
    // a head office (on plain land) to the right, meadow below.
    SetLand(5, 4, fixtureTrackBed);
    SetLand(4, 5, fixtureFoundation);
    Place(0, office, 7, 6, 1, 100000);
    int below = 0;
    for (int seed = 0; seed < 40; ++seed) {
        CRuntimeRandom::Seed(seed);
        frame.drawnCells.clear();
        doc.SpreadFire(0, 5, 5);
        EXPECT_FALSE(WasDrawn(5, 4));
        EXPECT_FALSE(WasDrawn(4, 5));
        EXPECT_FALSE(WasDrawn(6, 5));
        EXPECT_FALSE(WasDrawn(7, 6));
        below += WasDrawn(5, 6);
    }
    EXPECT_GT(below, 0);
}

TEST_F(FireTest, ExplodingStructureSetsItsSurroundingsAlightUnlessFireproof) {
    const int depot = AddStructureType(76, 2, 2);
    const int office = FindStructureOfCode(doc.GetMap(), 61);
    ASSERT_GE(office, 0);
    // A fuel depot over (4..5, 4..5) ringed by foundation, which plain fire
    // never enters, and a branch office at (6, 6).
    for (int y = 3; y <= 6; ++y)
        for (int x = 3; x <= 6; ++x)
            if (x < 4 || x > 5 || y < 4 || y > 5) SetLand(x, y, fixtureFoundation);
    Place(0, depot, 5, 5, 2, 1);
    Place(0, office, 6, 6, 1, 100000);
    doc.SpreadFire(0, 5, 5);
    EXPECT_FALSE(doc.GetMap().HasStructureAt(0, 5, 5) &&
                 doc.GetMap().GetCellTypeCode(0, 5, 5, 0) == 76);
    EXPECT_EQ(CountHistory(1, CHistory::kindDisaster), 1);
    for (CCellPoint ring : {CCellPoint(3, 3), CCellPoint(6, 3), CCellPoint(3, 6), CCellPoint(4, 6)}) {
        SCOPED_TRACE(std::to_string(ring.x) + "," + std::to_string(ring.y));
        EXPECT_TRUE(WasDrawn(ring.x, ring.y));
    }
    EXPECT_FALSE(WasDrawn(6, 6));
    EXPECT_EQ(doc.GetMap().GetCellTypeCode(0, 6, 6, 0), 61);
}

TEST_F(FireTest, StructureThatSurvivesStaysAndItsCellBurns) {
    const int depot = AddStructureType(76, 1, 1);
    Place(0, depot, 5, 5, 1, 100000);
    doc.SpreadFire(0, 5, 5);
    EXPECT_EQ(doc.GetMap().GetCellTypeCode(0, 5, 5, 0), 76);
    EXPECT_LT(doc.GetMap().GetStructureLayer7(0, 5, 5), 100000);
    EXPECT_TRUE(WasDrawn(5, 5));
    EXPECT_EQ(CountHistory(0, CHistory::kindDisaster), 0);
}

TEST_F(FireTest, HigherFireSafetyBurnsFewerCells) {
    auto burned = [this](int rating) {
        SetFireSafety(rating);
        size_t cells = 0;
        for (int seed = 0; seed < 40; ++seed) {
            CRuntimeRandom::Seed(seed);
            frame.drawnCells.clear();
            doc.SpreadFire(0, 6, 6);
            cells += frame.drawnCells.size();
        }
        return cells;
    };
    const size_t unsafe = burned(0);
    const size_t safe = burned(2000);
    EXPECT_LT(safe, unsafe);
}

TEST_F(FireTest, EveryFireEndsOnTheWorstArea) {
    WidenArea(0, 16, 16);
    frame.shownArea = -1;
    SetFireSafety(0);
    const int fixed = AddStructureType(51, 1, 1);
    for (int i = 0; i < 16; ++i) Place(0, fixed, (i * 5) % 16, (i * 7) % 16, 0, 100);
    int longest = 0;
    for (int seed = 0; seed < 200; ++seed) {
        CRuntimeRandom::Seed(seed);
        int x = 0, y = 0;
        do {
            x = Random(16), y = Random(16);
        } while (doc.GetMap().GetCellTypeCode(0, x, y, 0) == 51);
        doc.SpreadFire(0, x, y);
        longest = std::max(longest, doc.GetLastFirePasses());
        for (int cy = 0; cy < 16; ++cy)
            for (int cx = 0; cx < 16; ++cx)
                ASSERT_NE(Area().GetConstructionState(cx, cy), CMapData::kConstructionBurning);
    }
    RecordProperty("longest_fire_passes", longest);
    std::cout << "longest fire: " << longest << " passes\n";
    EXPECT_GT(longest, 1);
}
