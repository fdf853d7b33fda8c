// Computer plans: the builders, the step queries, the stored form with its
// block counts and the network text.

#include "model/CmdPacket.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

constexpr int kOffice = 0;  // structure type indexes of the fake map
constexpr int kShop = 1;

class CmdPacketTest : public testing::Test {
protected:
    void SetUp() override {
        office.SetSize(2, 2);
        office.SetTypeCode(60);
        office.SetValueFigure(30);
        shop.SetSize(2, 1);
        shop.SetTypeCode(20);
        shop.SetValueFigure(12);
        doc.structureTypes = {&office, &shop};
        doc.structureCodes = {{kOffice, 60}, {kShop, 20}};
    }

    CFakeDocService doc;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
    CBD office, shop;
};

std::vector<int> Column(const CCmdPacket& plan, int CCmdPacket::SStep::*field) {
    std::vector<int> values;
    for (int i = 0; i < plan.GetStepCount(); ++i) values.push_back(plan.GetStep(i).*field);
    return values;
}

std::vector<int> Kinds(const CCmdPacket& plan) {
    std::vector<int> kinds;
    for (int i = 0; i < plan.GetStepCount(); ++i) kinds.push_back(plan.GetKind(i));
    return kinds;
}

CCmdPacket::SStep Step(eCOM_CMD kind, int param1, int param2, int param3, int x = -1, int y = -1,
                       int group = 1, int done = 0) {
    CCmdPacket::SStep step;
    step.kind = kind;
    step.param1 = param1;
    step.param2 = param2;
    step.param3 = param3;
    step.point = CCellPoint(x, y);
    step.group = group;
    step.done = done;
    return step;
}

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (eMERCAVO_ERROR e) {
        return e;
    }
    return -1;
}

TEST_F(CmdPacketTest, SimpleBuildersMakeOneStep) {
    struct {
        std::function<void(CCmdPacket&)> make;
        int planType;
        CCmdPacket::SStep step;
    } cases[] = {
        {[](CCmdPacket& p) { p.MakeAcquireLand(4); }, 1, Step(eCOM_ACQUIRE_LAND, -1, -1, 4)},
        {[](CCmdPacket& p) { p.MakeDemolishOrReinforce(2, 5, 6, 1); }, 2,
         Step(eCOM_CONSTRUCTION, -1, -1, 2, 5, 6)},
        {[](CCmdPacket& p) { p.MakeRecruitEmployees(); }, 3,
         Step(eCOM_RECRUIT_EMPLOYEES, -1, 0, -1)},
        {[](CCmdPacket& p) { p.MakeRecruitManagement(); }, 4,
         Step(eCOM_RECRUIT_MANAGEMENT, -1, 0, -1)},
        {[](CCmdPacket& p) { p.MakeHeadhunting(17); }, 5, Step(eCOM_HEADHUNTING, -1, 17, -1)},
        {[](CCmdPacket& p) { p.MakeLoan(); }, 6, Step(eCOM_LOAN, -1, 0, -1)},
        {[](CCmdPacket& p) { p.MakeAdvertising(1, 300); }, 7, Step(eCOM_ADVERTISING, -1, 300, 1)},
        {[](CCmdPacket& p) { p.MakeDemolishOrReinforce(2, 5, 6, 0); }, 9,
         Step(eCOM_REINFORCE, -1, 5, 2, 5, 6)},
        {[](CCmdPacket& p) { p.MakePurchaseStock(3); }, 10, Step(eCOM_PURCHASE_STOCK, -1, 3, -1)},
        {[](CCmdPacket& p) { p.MakeAcquireProTeam(1, 4, 2, CCellPoint(7, 8)); }, 11,
         Step(eCOM_ACQUIRE_TEAM, 1, 4, 2, 7, 8)},
        {[](CCmdPacket& p) { p.MakeFinancialSupport(2, 5); }, 12,
         Step(eCOM_FINANCIAL_SUPPORT, -1, 2, 5)},
    };
    for (const auto& c : cases) {
        CCmdPacket plan;
        plan.MakeAcquireLand(9);  // every builder starts afresh
        plan.AddAge();
        c.make(plan);
        EXPECT_EQ(plan.GetPlanType(), c.planType);
        EXPECT_EQ(plan.GetAge(), 0);
        ASSERT_EQ(plan.GetStepCount(), 1) << c.planType;
        EXPECT_EQ(plan.GetStep(0), c.step) << c.planType;
    }
}

TEST_F(CmdPacketTest, OfficeOnUnownedCellsBuysEachCellThenBuilds) {
    CCmdPacket plan;
    ASSERT_EQ(plan.MakeBuildPlan(0, 3, CCellPoint(5, 6), kOffice), 1);
    EXPECT_EQ(plan.GetPlanType(), CCmdPacket::ePLAN_BUILD);
    EXPECT_EQ(Kinds(plan), (std::vector<int>{1, 1, 1, 1, 3}));
    EXPECT_EQ(Column(plan, &CCmdPacket::SStep::group), (std::vector<int>{1, 0, 0, 0, 1}));
    EXPECT_EQ(Column(plan, &CCmdPacket::SStep::param2), (std::vector<int>{-1, -1, -1, -1, 0}));
    CCellPoint first, last;
    EXPECT_EQ(plan.GetPoint(first, 0), CCellPoint(4, 5));
    EXPECT_EQ(plan.GetPoint(last, 3), CCellPoint(5, 6));
    EXPECT_EQ(plan.GetParam3(4), 3);
    EXPECT_EQ(plan.GetPlanStaff(), 30);
    EXPECT_TRUE(plan.HasOfficePlanIn(3));
    EXPECT_FALSE(plan.HasOfficePlanIn(2));
}

TEST_F(CmdPacketTest, ShopBuysOwnedCellsAsOwnedAndSkipsItsOwn) {
    doc.cells[{3, 4, 6}] = {2, 0, false};  // company 1's lot
    doc.cells[{3, 5, 6}] = {1, 0, false};  // our own (company 0)
    CCmdPacket plan;
    plan.MakeBuildPlan(0, 3, CCellPoint(5, 6), kShop);
    EXPECT_EQ(Kinds(plan), (std::vector<int>{2, 3}));
    EXPECT_EQ(plan.GetParam2(0), -1);

    doc.cells.clear();
    plan.MakeBuildPlan(0, 3, CCellPoint(5, 6), kShop);
    EXPECT_EQ(Column(plan, &CCmdPacket::SStep::param2), (std::vector<int>{-2, -2, kShop}));
    EXPECT_FALSE(plan.HasOfficePlanIn(3));

    doc.cells[{3, 5, 6}] = {2, 8, false};
    plan.MakeBuildPlan(0, 3, CCellPoint(5, 6), -1);
    ASSERT_EQ(plan.GetStepCount(), 1);
    EXPECT_EQ(plan.GetStep(0), Step(eCOM_DESIGNATED_PURCHASE, -1, 8, 3, 5, 6));
}

TEST_F(CmdPacketTest, InvestmentBudgetFollowsIncomeAndPresident) {
    std::vector<CPersonData> directors(1);
    doc.directors = &directors;
    CEnterprise company;
    company.Init(0, 2);
    company.SetPresident(1);
    doc.enterprises = {&company};
    CCmdPacket plan;
    // No income: base 0, so the budget cannot reach 5.
    EXPECT_EQ(plan.MakeInvestmentPlan(0, 1, 2), 0);
    EXPECT_EQ(plan.GetStepCount(), 0);
    EXPECT_EQ(plan.GetPlanType(), CCmdPacket::ePLAN_INVESTMENT);
    EXPECT_EQ(plan.MakeInvestmentPlan(5, 1, 2), 0);  // no such company

    // A year of losses counts as no income, not as an undefined power.
    company.AddYearResult(0, 0, 0, 0, -400, 0);
    ASSERT_LT(company.GetAnnualIncome(), 0);
    EXPECT_EQ(plan.MakeInvestmentPlan(0, 1, 2), 0);
    EXPECT_EQ(plan.GetStepCount(), 0);
}

TEST_F(CmdPacketTest, FirstGroupRunsUpToTheNextGroupStart) {
    CCmdPacket plan;
    EXPECT_EQ(plan.GetFirstGroupSize(), 0);
    for (int group : {1, 0, 0, 1}) plan.AddStep(Step(eCOM_ACQUIRE_LAND, -1, -1, 0, 0, 0, group));
    EXPECT_EQ(plan.GetFirstGroupSize(), 3);
    EXPECT_EQ(plan.RemoveStep(0), 0);
    EXPECT_EQ(plan.GetFirstGroupSize(), 2);
    EXPECT_THROW(plan.RemoveStep(3), std::out_of_range);
}

TEST_F(CmdPacketTest, ConstructionStepsWaitForAFreeCrew) {
    CCmdPacket build;
    build.MakeBuildPlan(0, 0, CCellPoint(1, 0), kShop);
    EXPECT_EQ(build.GetConstructionTarget(), kShop);
    EXPECT_EQ(build.CanRunStep(2, 1), 0);
    EXPECT_EQ(build.CanRunStep(2, 0), 1);
    EXPECT_EQ(build.CanRunStep(0, 1), 1);

    CCmdPacket demolish;
    demolish.MakeDemolishOrReinforce(0, 1, 1, 1);
    EXPECT_EQ(demolish.CanRunStep(0, 1), 1);

    CCmdPacket none;
    none.AddStep(Step(eCOM_NONE, -1, 0, -1));
    EXPECT_EQ(none.CanRunStep(0, 0), 0);
    EXPECT_EQ(none.GetConstructionTarget(), -2);
}

TEST_F(CmdPacketTest, DirectorsAreReleasedOrTheirStepsDropped) {
    CCmdPacket plan;
    plan.AddStep(Step(eCOM_ACQUIRE_LAND, 4, -1, 0, 0, 0, 1, 1));
    plan.AddStep(Step(eCOM_ACQUIRE_LAND, -1, -1, 0));
    plan.AddStep(Step(eCOM_ACQUIRE_LAND, 6, -1, 0));
    EXPECT_EQ(plan.ReleaseDirector(9, 0), 0);
    EXPECT_EQ(plan.ReleaseDirector(4, 0), 1);
    EXPECT_EQ(plan.GetParam1(0), -1);
    EXPECT_EQ(plan.IsDone(0), 0);
    EXPECT_EQ(plan.ReleaseDirector(6, 1), 1);
    EXPECT_EQ(plan.GetStepCount(), 2);

    plan.AddStep(Step(eCOM_LOAN, 5, 0, -1));
    plan.AddStep(Step(eCOM_LOAN, 7, 0, -1));
    EXPECT_EQ(plan.RemoveDirectorSteps(9), 0);
    EXPECT_EQ(plan.RemoveDirectorSteps(5), 1);
    ASSERT_EQ(plan.GetStepCount(), 1);
    EXPECT_EQ(plan.GetParam1(0), 7);
}

TEST_F(CmdPacketTest, CellsCoveredByPointsAndFootprints) {
    CCmdPacket plan;
    plan.MakeBuildPlan(0, 1, CCellPoint(5, 6), kOffice);
    EXPECT_EQ(plan.CoversCell(1, 4, 5), 1);
    EXPECT_EQ(plan.CoversCell(1, 6, 6), 0);
    EXPECT_EQ(plan.CoversCell(2, 5, 6), 0);

    // A demolition covers the footprint of the structure standing there.
    doc.cells[{1, 9, 9}] = {1, kOffice + 1, false};
    plan.MakeDemolishOrReinforce(1, 9, 9, 1);
    EXPECT_EQ(plan.CoversCell(1, 8, 8), 1);
    EXPECT_EQ(plan.CoversCell(1, 7, 8), 0);
}

TEST_F(CmdPacketTest, OwnedFreeCellsUnderPlannedConstructions) {
    doc.cells[{1, 4, 5}] = {1, 0, false};
    doc.cells[{1, 5, 5}] = {1, -1, false};  // covered by a structure
    doc.cells[{1, 4, 6}] = {2, 0, false};   // someone else's
    doc.cells[{1, 5, 6}] = {1, 0, false};
    CCmdPacket plan;
    plan.MakeBuildPlan(0, 1, CCellPoint(5, 6), kOffice);
    EXPECT_EQ(plan.CountOwnedFreeCells(0, 1), 2);
    EXPECT_EQ(plan.CountOwnedFreeCells(1, 1), 1);
    EXPECT_EQ(plan.CountOwnedFreeCells(0, 0), 0);
    CCmdPacket loan;
    loan.MakeLoan();
    EXPECT_EQ(loan.CountOwnedFreeCells(0, 1), 0);
    EXPECT_TRUE(loan.IsLoanPlan());
}

TEST_F(CmdPacketTest, AptitudeUsesTheTaskOfTheStep) {
    CPersonData person;
    CCmdPacket plan;
    plan.MakeAdvertising(0, 10);
    EXPECT_EQ(plan.GetStepAptitude(0, person),
              person.GetTaskAptitude(CPersonData::eTASK_ADVERTISING, false));
    plan.MakeHeadhunting(3);
    EXPECT_TRUE(plan.IsHeadhuntingTargetOf(3));
    EXPECT_FALSE(plan.IsHeadhuntingTargetOf(4));
}

// ---------------------------------------------------------------- stored form

std::vector<uint8_t> StoredPlan(std::vector<int> counts, int kind, int param3, int flag) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    ar.WriteInt(2);
    ar.WriteInt(5);
    auto block = [&](size_t b, std::vector<int> values) {
        ar.WriteInt(counts[b]);
        for (int v : values) ar.WriteInt(v);
    };
    block(0, {3, kind});
    block(1, {4, -1});
    block(2, {1, -2});
    block(3, {0, param3});
    block(4, {1, 2, 3, 4});
    block(5, {1, flag});
    block(6, {0, 0});
    return stream.Bytes();
}

CCmdPacket LoadPlan(std::vector<uint8_t> bytes) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    CCmdPacket plan;
    plan.Serialize(ar);
    return plan;
}

TEST_F(CmdPacketTest, StoredPlanRoundTrip) {
    CCmdPacket plan = LoadPlan(StoredPlan({2, 2, 2, 2, 2, 2, 2}, 16, -1, 0));
    EXPECT_EQ(plan.GetAge(), 5);
    ASSERT_EQ(plan.GetStepCount(), 2);
    EXPECT_EQ(plan.GetStep(1), Step(eCOM_FINANCIAL_SUPPORT, -1, -2, -1, 3, 4, 0, 0));

    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    plan.Serialize(ar);
    EXPECT_EQ(stream.Bytes(), StoredPlan({2, 2, 2, 2, 2, 2, 2}, 16, -1, 0));
}

TEST_F(CmdPacketTest, StoredPlanRefusals) {
    struct {
        const char* what;
        std::vector<int> counts;
        int kind, param3, flag;
    } cases[] = {
        {"kind 17", {2, 2, 2, 2, 2, 2, 2}, 17, 0, 0},
        {"kind -1", {2, 2, 2, 2, 2, 2, 2}, -1, 0, 0},
        {"param3 -2", {2, 2, 2, 2, 2, 2, 2}, 1, -2, 0},
        {"flag 2", {2, 2, 2, 2, 2, 2, 2}, 1, 0, 2},
        {"param1 block count", {2, 1, 2, 2, 2, 2, 2}, 1, 0, 0},
        {"param2 block count", {2, 2, 3, 2, 2, 2, 2}, 1, 0, 0},
        {"param3 block count", {2, 2, 2, 0, 2, 2, 2}, 1, 0, 0},
        {"points block count", {2, 2, 2, 2, 1, 2, 2}, 1, 0, 0},
        {"group block count", {2, 2, 2, 2, 2, -2, 2}, 1, 0, 0},
        {"done block count", {2, 2, 2, 2, 2, 2, 3}, 1, 0, 0},
        {"negative step count", {-2, 2, 2, 2, 2, 2, 2}, 1, 0, 0},
        {"step count beyond 999", {1000, 2, 2, 2, 2, 2, 2}, 1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf([&] { LoadPlan(StoredPlan(c.counts, c.kind, c.param3, c.flag)); }),
                  eMERCAVO_ERROR_CONTENTS)
            << c.what;
}

// ---------------------------------------------------------------- network text

TEST_F(CmdPacketTest, TextOfOneStepIsTwentySevenCharacters) {
    std::string text =
        "002"
        "0003"
        "001"
        "003"
        "-001"
        "000012"
        "0004"
        "0005"
        "0006"
        "1"
        "0";
    CCmdPacket plan;
    EXPECT_EQ(plan.ReadFromString(text + "trailing"), text.size());
    EXPECT_EQ(plan.GetPlanType(), 2);
    EXPECT_EQ(plan.GetAge(), 3);
    ASSERT_EQ(plan.GetStepCount(), 1);
    EXPECT_EQ(plan.GetStep(0), Step(eCOM_CONSTRUCTION, -1, 12, 4, 5, 6, 1, 0));

    std::string written = "head";
    EXPECT_TRUE(plan.AppendText(written, 37));
    EXPECT_EQ(written, "head" + text);
}

TEST_F(CmdPacketTest, TextFlagsReadOneOnlyFromTheDigitOne) {
    std::string text =
        "001"
        "0000"
        "001"
        "001"
        "0000"
        "000000"
        "0000"
        "0000"
        "0000"
        "x"
        "1";
    CCmdPacket plan;
    plan.ReadFromString(text);
    EXPECT_EQ(plan.GetStepFlag(0), 0);
    EXPECT_EQ(plan.IsDone(0), 1);
}

TEST_F(CmdPacketTest, BuiltPlanTravelsAsText) {
    CCmdPacket plan;
    plan.MakeBuildPlan(0, 3, CCellPoint(5, 6), kOffice);
    plan.SetParam1(1, 12);
    plan.SetDone(1, 7);
    plan.AddAge();
    std::string text;
    ASSERT_TRUE(plan.AppendText(text, 511));
    EXPECT_EQ(text.size(), CCmdPacket::kHeadTextLength + 5 * CCmdPacket::kStepTextLength);
    CCmdPacket again;
    EXPECT_EQ(again.ReadFromString(text), text.size());
    EXPECT_EQ(again, plan);
}

TEST_F(CmdPacketTest, ShortOrBadTextsAreRefusedAndChangeNothing) {
    CCmdPacket plan;
    plan.MakeLoan();
    const std::string step =
        "003"
        "-001"
        "000012"
        "0004"
        "0005"
        "0006"
        "1"
        "0";
    const char* bad[] = {
        "",
        "0020003",
        "002000300",
        "0020003-01",
    };
    for (const char* text : bad)
        EXPECT_EQ(ErrorOf([&] { plan.ReadFromString(text); }), eMERCAVO_ERROR_CONTENTS) << text;
    std::string oneShort = "0020003002" + step + step.substr(0, 26);
    EXPECT_EQ(ErrorOf([&] { plan.ReadFromString(oneShort); }), eMERCAVO_ERROR_CONTENTS);
    std::string badKind =
        "0020003001"
        "017" +
        step.substr(3);
    EXPECT_EQ(ErrorOf([&] { plan.ReadFromString(badKind); }), eMERCAVO_ERROR_CONTENTS);
    EXPECT_EQ(plan.GetPlanType(), CCmdPacket::ePLAN_LOAN);
    EXPECT_EQ(plan.GetStepCount(), 1);
}

TEST_F(CmdPacketTest, ValuesWiderThanTheirFieldsAreNotSent) {
    struct {
        const char* what;
        std::function<void(CCmdPacket&)> change;
    } cases[] = {
        {"budget of 7 digits", [](CCmdPacket& p) { p.MakeAdvertising(1, 1000000); }},
        {"budget below -99999", [](CCmdPacket& p) { p.MakeAdvertising(1, -100000); }},
        {"area of 5 digits", [](CCmdPacket& p) { p.MakeAdvertising(10000, 5); }},
        {"cell x below -999", [](CCmdPacket& p) { p.MakeDemolishOrReinforce(0, -1000, 0, 1); }},
        {"director of 5 digits", [](CCmdPacket& p) { p.SetParam1(0, 10000); }},
        {"age of 5 digits",
         [](CCmdPacket& p) {
             for (int i = 0; i < 10000; ++i) p.AddAge();
         }},
    };
    for (const auto& c : cases) {
        CCmdPacket plan;
        plan.MakeAdvertising(1, 999999);
        std::string text = "kept";
        ASSERT_TRUE(plan.AppendText(text, 100));
        c.change(plan);
        text = "kept";
        EXPECT_FALSE(plan.AppendText(text, 100)) << c.what;
        EXPECT_EQ(text, "kept") << c.what;
    }
    CCmdPacket plan;
    plan.MakeLoan();
    std::string text;
    EXPECT_FALSE(plan.AppendText(text, 36));
    EXPECT_TRUE(plan.AppendText(text, 37));
}

}  // namespace
