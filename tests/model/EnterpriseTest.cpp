// The company record: construction, copy, the stored form with its checks,
// the later index checks, names, president and money.

#include "model/Enterprise.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/EnterpriseFixtures.h"
#include "model/EnterpriseLimits.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

constexpr int kMapAreas = 2;

class EnterpriseTest : public testing::Test {
protected:
    CFakeDocService doc;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
};

CEnterprise Fresh(int number = 1) {
    CEnterprise company;
    EXPECT_EQ(company.Init(number, kMapAreas), 1);
    return company;
}

void Load(CEnterprise& company, std::vector<uint8_t> bytes) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    company.Serialize(ar);
}

CEnterprise Loaded(const SStoredCompany& stored) {
    CEnterprise company = Fresh();
    Load(company, stored.Bytes());
    return company;
}

std::vector<uint8_t> Store(const CEnterprise& company) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    CEnterprise(company).Serialize(ar);
    return stream.Bytes();
}

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (eMERCAVO_ERROR e) {
        return e;
    }
    return -1;
}

TEST_F(EnterpriseTest, FreshCompanyHasTheDefaultsAndOneRecordPerArea) {
    CEnterprise company = Fresh(3);
    EXPECT_EQ(company.GetNumber(), 3);
    EXPECT_EQ(company.GetFunds(), 150);
    EXPECT_EQ(company.GetStandardSalary(), 10);
    EXPECT_EQ(company.GetColor(), -1);
    EXPECT_EQ(company.GetNameSlot(), -1);
    EXPECT_EQ(company.GetHomeArea(), -1);
    EXPECT_EQ(company.GetContractBid().contractor, -1);
    EXPECT_EQ(company.GetAuctionBid().minimalBid, -1);
    EXPECT_EQ(company.GetAreaGrade(kMapAreas - 1), 100);
    EXPECT_THROW(company.GetAreaGrade(kMapAreas), std::out_of_range);
}

TEST_F(EnterpriseTest, StoredCompanyComesBackByteForByte) {
    SStoredCompany stored;
    CEnterprise company = Loaded(stored);
    EXPECT_EQ(Store(company), stored.Bytes());

    EXPECT_EQ(company.GetName(), "Orbis Holdings");
    EXPECT_EQ(company.GetPresidentName(), "Ada Kern");
    EXPECT_EQ(company.GetDirectorCount(), 3);
    EXPECT_EQ(company.GetDirectorIndex(2), 11);
    EXPECT_EQ(company.GetEmployeesAtWork(), 2400);
    EXPECT_EQ(company.GetAttendance(2), 77);
    EXPECT_EQ(company.GetAreaValue(3, 1), 120);
    EXPECT_EQ(company.GetHomeArea(), 0);
    EXPECT_EQ(company.GetAuctionBid().minimalBid, -2);
    ASSERT_EQ(company.GetPlans().size(), 1u);
    EXPECT_EQ(company.GetPlans()[0].GetStepCount(), 2);
    EXPECT_EQ(company.GetAdvice()[0].GetKind(), 5);
    EXPECT_EQ(company.GetHistory()[0].GetKind(), CHistory::kindCompanyRemoved);
    EXPECT_EQ(company.GetAnnualIncome(), 10 * (5 * 12 + 66));
    EXPECT_EQ(company.GetMonthlyFigure(2, -1, 4), 6);
    EXPECT_EQ(company.GetMonthlyFigure(1, -1, -1), 12 + 66);
    EXPECT_EQ(company.GetMonthlyFigure(3, 1, -1), 6);
}

TEST_F(EnterpriseTest, LoadClearsJudgmentResultsAndKeepsWhatIsNotStored) {
    CEnterprise company = Fresh();
    company.SetJudgmentResult(1, 9);
    company.SetReportHeadingWritten(1);
    Load(company, SStoredCompany().Bytes());
    EXPECT_EQ(company.GetJudgmentResult(1), 0);
    EXPECT_EQ(company.GetReportHeadingWritten(), 1);
}

TEST_F(EnterpriseTest, EmptyNameIsStoredAsLengthZeroAndOneZeroByte) {
    SStoredCompany stored;
    stored.name.clear();
    CEnterprise company = Loaded(stored);
    EXPECT_EQ(company.GetName(), "");
    std::vector<uint8_t> bytes = Store(company);
    // After five ints, the strike byte and two ints: the name's length and
    // its single terminating zero, then the president name's length.
    const size_t at = 5 * 4 + 1 + 2 * 4;
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + at, bytes.begin() + at + 6),
              (std::vector<uint8_t>{0, 0, 0, 0, 0, 8}));
}

struct SDamage {
    const char* what;
    std::function<void(SStoredCompany&)> damage;
};

class EnterpriseDamageTest : public EnterpriseTest, public testing::WithParamInterface<SDamage> {};

TEST_P(EnterpriseDamageTest, IsRefusedAsBadContents) {
    SStoredCompany stored;
    GetParam().damage(stored);
    CEnterprise company = Fresh();
    EXPECT_EQ(ErrorOf([&] { Load(company, stored.Bytes()); }), eMERCAVO_ERROR_CONTENTS);
}

const SDamage kDamages[] = {
    {"network id -2", [](SStoredCompany& s) { s.networkId = -2; }},
    {"name slot -2", [](SStoredCompany& s) { s.nameSlot = -2; }},
    {"area count of another map", [](SStoredCompany& s) { s.areaCount = 3; }},
    {"negative company number", [](SStoredCompany& s) { s.number = -1; }},
    {"colour -1", [](SStoredCompany& s) { s.color = -1; }},
    {"colour beyond the table", [](SStoredCompany& s) { s.color = 32; }},
    {"strike flag 2", [](SStoredCompany& s) { s.strike = 2; }},
    {"strike month -2", [](SStoredCompany& s) { s.strikeMonth = -2; }},
    {"previous strike month -2", [](SStoredCompany& s) { s.previousStrikeMonth = -2; }},
    {"name length -1", [](SStoredCompany& s) { s.nameLength = -1 - 1; }},
    {"name length 256", [](SStoredCompany& s) { s.name.assign(256, 'x'); }},
    {"president -1", [](SStoredCompany& s) { s.president = -1; }},
    {"negative funds", [](SStoredCompany& s) { s.funds = -1; }},
    {"negative debt", [](SStoredCompany& s) { s.debt = -1; }},
    {"negative salary", [](SStoredCompany& s) { s.salary = -1; }},
    {"negative fixed pay", [](SStoredCompany& s) { s.fixedTotal = -1; }},
    {"fixed pay flag 2", [](SStoredCompany& s) { s.fixedFlag = 2; }},
    {"negative advertising", [](SStoredCompany& s) { s.advertising = -1; }},
    {"negative employees", [](SStoredCompany& s) { s.employees = -1; }},
    {"more at work than employed", [](SStoredCompany& s) { s.atWork = s.employees + 1; }},
    {"negative director", [](SStoredCompany& s) { s.directors[1] = -1; }},
    {"negative team", [](SStoredCompany& s) { s.leagues[3] = -1; }},
    {"negative attendance", [](SStoredCompany& s) { s.leagues[8] = -1; }},
    {"setting key -1", [](SStoredCompany& s) { s.key2 = -1; }},
    {"staff sort column 11", [](SStoredCompany& s) { s.key1 = 11; }},
    {"list sort column 8", [](SStoredCompany& s) { s.key2 = 8; }},
    {"setting direction 0", [](SStoredCompany& s) { s.direction1 = 0; }},
    {"setting slot -2", [](SStoredCompany& s) { s.slots2[3] = -2; }},
    {"adviser -2", [](SStoredCompany& s) { s.adviser = -2; }},
    {"negative past sales", [](SStoredCompany& s) { s.pastSales[1] = -1; }},
    {"negative expense", [](SStoredCompany& s) { s.badExpense = -1; }},
    {"negative monthly figure", [](SStoredCompany& s) { s.badFigure = -1; }},
    {"sanction 13", [](SStoredCompany& s) { s.sanction = 13; }},
    {"negative strike count", [](SStoredCompany& s) { s.strikeCount = -1; }},
    {"negative stock price", [](SStoredCompany& s) { s.stockPrice = -1; }},
    {"area effect 10000", [](SStoredCompany& s) { s.areaEffect = 10000; }},
    {"area effect -10000", [](SStoredCompany& s) { s.areaEffect = -10000; }},
    {"contractor -2", [](SStoredCompany& s) { s.contract[0] = -2; }},
    {"contract price -1", [](SStoredCompany& s) { s.contract[5] = -1; }},
    {"minimal bid -3", [](SStoredCompany& s) { s.lotSale[0] = -3; }},
    {"lot buyer -2", [](SStoredCompany& s) { s.lotSale[4] = -2; }},
    {"plan kind 17", [](SStoredCompany& s) { s.planKind = 17; }},
    {"plan block counts differ", [](SStoredCompany& s) { s.blockCounts[6] = 1; }},
    {"advice kind 20", [](SStoredCompany& s) { s.adviceKind = 20; }},
    {"history count -1", [](SStoredCompany& s) { s.historyCount = -1; }},
    {"history count beyond any game", [](SStoredCompany& s) { s.historyCount = 1 << 30; }},
};

INSTANTIATE_TEST_SUITE_P(Each, EnterpriseDamageTest, testing::ValuesIn(kDamages),
                         [](const testing::TestParamInfo<SDamage>& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST_F(EnterpriseTest, BoundaryValuesLoad) {
    const std::vector<std::function<void(SStoredCompany&)>> accepted = {
        [](SStoredCompany& s) { s.lotSale[0] = -2; },
        [](SStoredCompany& s) { s.sanction = 12; },
        [](SStoredCompany& s) { s.direction2 = -1; },
        [](SStoredCompany& s) { s.key1 = 10; },
        [](SStoredCompany& s) { s.key2 = 7; },
        [](SStoredCompany& s) { s.key1 = 0; },
        [](SStoredCompany& s) { s.areaEffect = 9999; },
        [](SStoredCompany& s) { s.areaEffect = -9999; },
        [](SStoredCompany& s) { s.atWork = s.employees; },
        [](SStoredCompany& s) { s.color = 31; },
        [](SStoredCompany& s) { s.name.assign(255, 'x'); },
    };
    for (size_t i = 0; i < accepted.size(); ++i) {
        SStoredCompany stored;
        accepted[i](stored);
        EXPECT_NO_THROW(Loaded(stored)) << "case " << i;
    }
}

TEST_F(EnterpriseTest, PageArrangementsAreStoredInTheirSettingBlocks) {
    const CEnterprise fresh = Fresh();
    EXPECT_EQ(fresh.GetStaffSortColumn(), 1);
    EXPECT_EQ(fresh.GetListSortDirection(), 1);
    EXPECT_EQ(fresh.GetStaffColumnWidth(9), -1);

    // The stored company sorts its staff by column 3, descending.
    CEnterprise company = Loaded(SStoredCompany());
    company.SetStaffSortColumn(7);
    company.ReverseStaffSortDirection();
    company.SetListSortColumn(0);
    company.ReverseListSortDirection();
    company.ReverseListSortDirection();
    for (int i = 0; i < CEnterprise::kStaffColumns; ++i) company.SetStaffColumnWidth(i, 40 + i);
    for (int i = 0; i < CEnterprise::kListColumns; ++i) company.SetListColumnWidth(i, 70 + i);
    // Columns outside a block neither read nor write a neighbour.
    company.SetStaffColumnWidth(CEnterprise::kStaffColumns, 5);
    company.SetListColumnWidth(-1, 5);
    EXPECT_EQ(company.GetListColumnWidth(CEnterprise::kListColumns), -1);

    CEnterprise loaded = Fresh();
    Load(loaded, Store(company));
    EXPECT_EQ(loaded.GetStaffSortColumn(), 7);
    EXPECT_EQ(loaded.GetStaffSortDirection(), 1);
    EXPECT_EQ(loaded.GetListSortColumn(), 0);
    EXPECT_EQ(loaded.GetListSortDirection(), 1);
    for (int i = 0; i < CEnterprise::kStaffColumns; ++i)
        EXPECT_EQ(loaded.GetStaffColumnWidth(i), 40 + i) << i;
    for (int i = 0; i < CEnterprise::kListColumns; ++i)
        EXPECT_EQ(loaded.GetListColumnWidth(i), 70 + i) << i;
}

TEST_F(EnterpriseTest, CutOffRecordEndsWithTheArchiveError) {
    std::vector<uint8_t> bytes = SStoredCompany().Bytes();
    for (size_t keep : {size_t{0}, size_t{30}, bytes.size() / 2, bytes.size() - 1}) {
        CEnterprise company = Fresh();
        EXPECT_THROW(Load(company, std::vector<uint8_t>(bytes.begin(), bytes.begin() + keep)),
                     CArchiveException)
            << keep;
    }
}

TEST_F(EnterpriseTest, CopyKeepsTheTargetsNameSlotAndReplacesEverythingElse) {
    CEnterprise source = Loaded(SStoredCompany());
    CEnterprise target = Fresh(0);
    target.SetNameSlot(9);
    target.RecordNewCompany("Zeta");
    target.SetAreaGrade(0, 400, 1);
    target = source;
    EXPECT_EQ(target.GetNameSlot(), 9);
    target.SetNameSlot(source.GetNameSlot());
    EXPECT_EQ(Store(target), Store(source));
}

TEST_F(EnterpriseTest, IndexChecksAfterTheWholeGameIsRead) {
    CEnterprise company = Loaded(SStoredCompany());
    CEnterpriseLimits limits;
    limits.personCount = 12;
    limits.teamCounts = {1, 0, 4};
    limits.companyNameCount = 6;
    limits.companyCount = 3;
    EXPECT_NO_THROW(company.Validate(limits));

    const std::vector<std::function<void(CEnterpriseLimits&)>> tooSmall = {
        [](CEnterpriseLimits& l) { l.personCount = 11; },      // director 11
        [](CEnterpriseLimits& l) { l.teamCounts[2] = 3; },     // team 4 of league 2
        [](CEnterpriseLimits& l) { l.companyNameCount = 5; },  // name slot 5
        [](CEnterpriseLimits& l) { l.companyCount = 2; },      // contractor 2
    };
    for (size_t i = 0; i < tooSmall.size(); ++i) {
        CEnterpriseLimits smaller = limits;
        tooSmall[i](smaller);
        EXPECT_EQ(ErrorOf([&] { company.Validate(smaller); }), eMERCAVO_ERROR_CONTENTS) << i;
    }
}

TEST_F(EnterpriseTest, AddFundsTurnsAShortfallIntoDebt) {
    struct {
        int funds, debt, amount, result, fundsAfter, debtAfter;
    } cases[] = {
        {150, 0, -200, 0, 0, 50},
        {150, 0, -150, 1, 0, 0},
        {150, 20, 50, 1, 200, 20},
        {0, 2147483000, -1000, 0, 0, 2147483647},
    };
    for (const auto& c : cases) {
        CEnterprise company = Fresh();
        company.SetFunds(c.funds);
        company.SetDebt(c.debt);
        EXPECT_EQ(company.AddFunds(c.amount), c.result);
        EXPECT_EQ(company.GetFunds(), c.fundsAfter);
        EXPECT_EQ(company.GetDebt(), c.debtAfter);
    }
    CEnterprise company = Fresh();
    company.Borrow(70);
    EXPECT_EQ(company.GetFunds(), 220);
    EXPECT_EQ(company.GetDebt(), 70);
}

TEST_F(EnterpriseTest, NamesAreAbsentUntilSetWithText) {
    CEnterprise company = Fresh();
    EXPECT_EQ(company.SetName("Helix"), 1);
    EXPECT_EQ(company.GetName(), "Helix");
    EXPECT_EQ(company.SetName(""), 0);
    EXPECT_EQ(company.GetName(), "");
    EXPECT_EQ(company.SetPresidentName("Rolf"), 1);
    EXPECT_EQ(company.GetPresidentName(), "Rolf");
}

TEST_F(EnterpriseTest, PresidentIsThePlayerOrADirector) {
    std::vector<CPersonData> directors(3);
    CPersonData player;
    doc.directors = &directors;
    doc.playerPerson = &player;
    CEnterprise company = Fresh();
    EXPECT_EQ(company.GetPresident(), &player);
    EXPECT_TRUE(company.IsHumanPlayed());
    company.SetPresident(3);
    EXPECT_EQ(company.GetPresident(), &directors[2]);
    EXPECT_FALSE(company.IsHumanPlayed());
    company.SetPresident(0);
    doc.playState = 0;
    EXPECT_FALSE(company.IsHumanPlayed());
}

TEST_F(EnterpriseTest, RemovalRenumbersAndRecordsTheRemovedCompany) {
    doc.currentMonthIndex = 40;
    CEnterprise later = Fresh(3);
    later.OnCompanyRemoved(1, "Gone");
    EXPECT_EQ(later.GetNumber(), 2);
    ASSERT_EQ(later.GetHistory().size(), 1u);
    const CHistory& entry = later.GetHistory()[0];
    EXPECT_EQ(entry.GetKind(), CHistory::kindCompanyRemoved);
    EXPECT_EQ(entry.GetMonthIndex(), 40);
    EXPECT_EQ(entry.GetParamCount(), 4);

    CEnterprise earlier = Fresh(1);
    earlier.OnCompanyRemoved(1, "Gone");
    EXPECT_EQ(earlier.GetNumber(), 1);
    earlier.RenumberAfterRemoval(0);
    EXPECT_EQ(earlier.GetNumber(), 0);
    EXPECT_EQ(earlier.GetHistory().size(), 1u);
    earlier.RecordNewCompany("New");
    EXPECT_EQ(earlier.GetHistory().back().GetKind(), CHistory::kindCompanyAdded);
}

}  // namespace
