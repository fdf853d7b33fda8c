// The construction command's list: which structure types are offered in the
// shown area (offices before the company has entered it, buildings after,
// two-part types only with their partner) and which of them are enabled by
// the company's funds and free employees.

#include "shell/ConstructionChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/DlgInputStructure.h"
#include "game/GameFixture.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"

namespace {

struct SType {
    int code;
    int width = 1;
    int height = 1;
    int price = 10;
    int staff = 1;
    int second = 1;
};

class ConstructionChoiceTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        NewGame(2, 1);
        company = doc.GetEnterprise(0);
        company->SetFunds(100);
    }
    // The map of the types, in table order.
    void UseTypes(const std::vector<SType>& types) {
        map = std::make_unique<CMapDoc>();
        for (const SType& t : types) {
            CBD type;
            type.SetTypeCode(t.code);
            type.SetSize(t.width, t.height);
            type.SetBasePrice(t.price);
            type.SetValueFigure(t.staff);
            type.SetFlags(1, t.second, 1);
            ASSERT_TRUE(map->AddStructureType(type));
        }
    }
    std::vector<CDlgInputStructure::SEntry> Offered(int area = 0) {
        CDlgInputStructure dialog(&doc);
        CConstructionChoice::Fill(dialog, *map, *company, area);
        std::vector<CDlgInputStructure::SEntry> entries;
        for (int i = 0; i < dialog.GetEntryCount(); ++i) entries.push_back(dialog.GetEntry(i));
        return entries;
    }
    static std::vector<int> Types(const std::vector<CDlgInputStructure::SEntry>& entries) {
        std::vector<int> types;
        for (const auto& e : entries) types.push_back(e.structureType);
        return types;
    }
    void EnterArea(int level, bool directorWorking, bool hasArea) {
        company->SetAreaLevel(0, level);
        company->SetHomeArea(hasArea ? 1 : -1);
        if (directorWorking) {
            CPersonData* director = company->GetDirector(0);
            ASSERT_NE(director, nullptr);
            director->AssignTask(1, 10);
            director->SetTaskArea(0);
        }
    }

    CEnterprise* company = nullptr;
    std::unique_ptr<CMapDoc> map;
};

TEST_F(ConstructionChoiceTest, OfficesBeforeTheAreaIsEnteredBuildingsAfter) {
    // 0 head office, 1 branch office, 2 a shop, 3 a shop the player never
    // builds.
    UseTypes({{60}, {61}, {0}, {0, 1, 1, 10, 1, 0}});
    HireDirector(0);
    struct SCase {
        const char* what;
        int level;
        bool working;
        bool hasArea;
        std::vector<int> offered;
    };
    const SCase cases[] = {
        {"no area anywhere", 0, false, false, {0}},
        {"level 2 without an area", 2, false, false, {0}},
        {"an area elsewhere", 0, false, true, {1}},
        {"level 2 with an area", 2, false, true, {1}},
        {"level 3", 3, false, true, {2}},
        {"level 4 without a home", 4, false, false, {2}},
        {"a director working here", 1, true, true, {2}},
    };
    for (const SCase& c : cases) {
        EnterArea(c.level, c.working, c.hasArea);
        EXPECT_EQ(Types(Offered()), c.offered) << c.what;
        if (c.working) company->GetDirector(0)->AssignTask(0, 0);
    }
}

TEST_F(ConstructionChoiceTest, ATwoPartTypeComesOnlyWithItsPartnerOfTheSameSize) {
    EnterArea(3, false, true);
    struct SCase {
        const char* what;
        std::vector<SType> types;
        std::vector<int> offered;
    };
    const SCase cases[] = {
        {"partner right after", {{71, 2, 2}, {72, 2, 2}, {0}}, {0, 1, 2}},
        {"partner of another size", {{71, 2, 2}, {72, 2, 1}, {0}}, {1, 2}},
        {"another code after it", {{71}, {0}, {72}}, {1, 2}},
        {"at the end of the table", {{0}, {71}}, {0}},
    };
    for (const SCase& c : cases) {
        UseTypes(c.types);
        EXPECT_EQ(Types(Offered()), c.offered) << c.what;
    }
}

TEST_F(ConstructionChoiceTest, EntriesAreEnabledByFundsAndFreeEmployees) {
    EnterArea(3, false, true);
    company->SetEmployees(50);
    company->SetEmployeesAtWork(20);
    UseTypes({{0, 1, 1, 100, 20}, {0, 1, 1, 101, 1}, {0, 1, 1, 1, 21}, {0, 1, 1, 0, 0}});
    const std::vector<CDlgInputStructure::SEntry> expected = {
        {0, 1}, {1, 0}, {2, 0}, {3, 1}};
    EXPECT_EQ(Offered(), expected);
    CDlgInputStructure dialog(&doc);
    CConstructionChoice::Fill(dialog, *map, *company, 0);
    EXPECT_EQ(dialog.GetFunds(), 100);
    EXPECT_EQ(dialog.GetEmployees(), 20);
    // The dialog starts at the first entry the company can build.
    EXPECT_EQ(dialog.GetSelectedStructure(), 0);
}

TEST_F(ConstructionChoiceTest, AnAreaOutsideTheMapOffersOnlyTheOffice) {
    UseTypes({{60}, {61}, {0}});
    company->SetAreaLevel(0, 3);
    for (int area : {-1, 999}) EXPECT_EQ(Types(Offered(area)), std::vector<int>{0}) << area;
}

}  // namespace
