// Estimated tax, loans, allowance, standing, and the bank's month-end recall
// of loans with the forced sale of structures.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "model/CompanyRulesFixture.h"

namespace {

using FinanceTest = CompanyRulesTest;

int Count(const std::vector<std::string>& calls, const std::string& prefix) {
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

struct SLoanCase {
    const char* name;
    int debt;
    int directorBase;  // -1: no director
    int expected;
};

TEST_F(FinanceTest, LoanAmount) {
    const SLoanCase cases[] = {
        {"at the ceiling", 1000, -1, 0},
        {"above the ceiling", 1500, 3, 0},
        {"little headroom", 990, -1, 10},
        {"no debt, no director", 0, -1, 109},
        // Ability 30 counts as 100.
        {"no debt, weak director", 0, 3, 238},
        {"headroom caps the amount", 900, 50, 100},
    };
    for (const SLoanCase& c : cases) {
        SCOPED_TRACE(c.name);
        company.SetDebt(c.debt);
        const CPersonData* director = nullptr;
        if (c.directorBase >= 0) director = &persons[AddPerson(c.directorBase)];
        EXPECT_EQ(company.CalcLoanAmount(director), c.expected);
    }
}

struct STaxCase {
    const char* name;
    bool yearEntry;  // the past-profit array has an entry
    int monthlyProfit, pastProfit, monthIndex, thisYear;
    int expected;
};

TEST_F(FinanceTest, EstimatedTax) {
    const STaxCase cases[] = {
        {"no years yet", false, 100, 0, 0, 1, 0},
        {"profit of 1000 this year", true, 0, 1000, 0, 0, 226},
        {"the twelve months summed", true, 250, 0, 0, 1, 844},
        {"a loss", true, 0, -5000, 0, 0, 0},
        {"a small profit", true, 0, 20, 0, 0, 2},
        {"a large profit is taxed at 65 percent", true, 0, 2000000000, 0, 0, 1300000000},
        // Year 3 was never entered.
        {"a year beyond the array", true, 0, 1000, 40, 0, 0},
    };
    for (const STaxCase& c : cases) {
        SCOPED_TRACE(c.name);
        CEnterprise fresh;
        ASSERT_EQ(fresh.Init(kNumber, kAreas), 1);
        company = fresh;
        for (int m = 0; m < CEnterprise::kMonths; ++m) company.AddMonthlyProfit(m, c.monthlyProfit);
        if (c.yearEntry) company.AddYearResult(0, 0, 0, c.pastProfit, 0, 1);
        doc.currentMonthIndex = c.monthIndex;
        EXPECT_EQ(company.CalcEstimatedTax(c.thisYear), c.expected);
    }
}

struct SAllowanceCase {
    const char* name;
    int monthlyIncome, directors, expected;
};

TEST_F(FinanceTest, IncomeAllowance) {
    const SAllowanceCase cases[] = {
        {"no income, no directors", 0, 0, 4},
        {"shared by two directors", 0, 2, 2},
        {"at least 1", 0, 5, 1},
        {"income 12000", 1000, 0, 349},
        {"income 12000, three directors", 1000, 3, 116},
        {"a loss counts as 30", -1000, 0, 4},
    };
    for (const SAllowanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        CEnterprise fresh;
        ASSERT_EQ(fresh.Init(kNumber, kAreas), 1);
        company = fresh;
        SetMonthlyIncome(c.monthlyIncome);
        for (int i = 0; i < c.directors; ++i) Hire(3);
        EXPECT_EQ(company.CalcIncomeAllowance(), c.expected);
    }
}

struct SStandingCase {
    const char* name;
    int debt, directors, monthlyIncome, expected;
};

TEST_F(FinanceTest, StandingScore) {
    const SStandingCase cases[] = {
        {"debt and directors", 100, 2, 0, 2 + 4},
        {"income adds its square", 0, 0, 1000, 28800},
        {"a loss of 1000 counts as 500", 0, 1, -1000, 1 - 41},
        {"the largest debt", INT_MAX, 0, 0, INT_MAX},
    };
    for (const SStandingCase& c : cases) {
        SCOPED_TRACE(c.name);
        CEnterprise fresh;
        ASSERT_EQ(fresh.Init(kNumber, kAreas), 1);
        company = fresh;
        company.SetDebt(c.debt);
        for (int i = 0; i < c.directors; ++i) Hire(3);
        SetMonthlyIncome(c.monthlyIncome);
        EXPECT_EQ(company.CalcStandingScore(), c.expected);
    }
}

// ---------------------------------------------------------------- loan recall

TEST_F(FinanceTest, CompanyWithoutDebtIsNeverAskedToRepay) {
    company.SetDebt(0);
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        CRuntimeRandom::Seed(seed);
        EXPECT_EQ(company.RunLoanRecall(), 1);
    }
    EXPECT_TRUE(doc.calls.empty());
}

TEST_F(FinanceTest, MapWithoutSpareCompaniesRecallsLikeAHumanPlayer) {
    // Initial and maximum company counts equal: the computer's extra
    // tolerance would divide by zero. With a standing score of 0 the bank
    // then never recalls.
    MakeComputer();
    doc.initialCompanyCount = doc.maxCompanyCount = 7;
    company.SetDebt(50);
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        CRuntimeRandom::Seed(seed * 2654435761u);
        EXPECT_EQ(company.RunLoanRecall(), 1);
    }
    EXPECT_EQ(Count(doc.calls, "IssueRepayLoan"), 0);
}

// Runs the recall with different seeds until the bank asks for money; the
// recall's result then, or -1 when it never asked.
int RecallOnce(CEnterprise& company, CFakeDocService& doc) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        CRuntimeRandom::Seed(seed);
        doc.calls.clear();
        int result = company.RunLoanRecall();
        if (!doc.calls.empty()) return result;
    }
    return -1;
}

TEST_F(FinanceTest, RecallWithFundsToRepay) {
    company.SetDebt(100000);
    company.SetFunds(1000000);
    company.SetReportHeadingWritten(1);
    ASSERT_EQ(RecallOnce(company, doc), 1);
    ASSERT_EQ(doc.calls.size(), 2u);
    int amount = 0;
    ASSERT_EQ(sscanf(doc.calls[0].c_str(), "ShowPaymentNotice(1,%d,0)", &amount), 1);
    EXPECT_GT(amount, 0);
    EXPECT_LE(amount, 100000);
    EXPECT_EQ(doc.calls[1], "IssueRepayLoan(1," + std::to_string(amount) + ",1,0)");
    EXPECT_EQ(company.GetReportHeadingWritten(), 0);
}

TEST_F(FinanceTest, RecallOfACompanyShortOfFundsAsksAThird) {
    // The recall asks at most 20000 of this debt; a third of that is
    // covered, so nothing is sold and the repayment never exceeds the funds.
    MakeComputer();
    company.SetDebt(100000);
    company.SetFunds(7000);
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        CRuntimeRandom::Seed(seed);
        doc.calls.clear();
        EXPECT_EQ(company.RunLoanRecall(), 1);
        if (doc.calls.empty()) continue;
        int amount = 0;
        ASSERT_EQ(doc.calls.size(), 1u);
        ASSERT_EQ(sscanf(doc.calls[0].c_str(), "IssueRepayLoan(1,%d,1,0)", &amount), 1);
        EXPECT_LE(amount, 7000);
    }
}

TEST_F(FinanceTest, RecallThatNoSaleCanCoverDropsTheCompany) {
    company.SetDebt(100000);
    company.SetFunds(0);
    doc.calls.clear();
    int result = 1;
    for (uint32_t seed = 1; seed <= 200 && doc.calls.empty(); ++seed) {
        CRuntimeRandom::Seed(seed);
        result = company.RunLoanRecall();
    }
    EXPECT_EQ(result, 0);
    ASSERT_EQ(doc.calls.size(), 2u);
    EXPECT_EQ(doc.calls[0].rfind("ShowPaymentNotice(1,", 0), 0u);
    EXPECT_EQ(doc.calls[0].substr(doc.calls[0].size() - 3), ",0)");
    EXPECT_EQ(doc.calls[1], "DropEnterprise(1)");
}

// ---------------------------------------------------------------- forced sale

class ForcedSaleTest : public CompanyRulesTest {
protected:
    void SetUp() override {
        CompanyRulesTest::SetUp();
        doc.areaSizes = {{0, {4, 4}}, {2, {3, 3}}};
        SetMonthlyIncome(10);
        const int own = kNumber + 1;
        Lot(0, 1, 1, own, 5, true, 100);   // for sale: half 50
        Lot(2, 2, 0, own, 3, true, 61);    // for sale: half 30
        Lot(0, 3, 3, own, 5, false, 500);  // not usable
        Lot(0, 0, 1, own, -1, true, 500);  // a footprint cell, not the anchor
        Lot(0, 2, 2, own, 0, true, 500);   // bare land
        Lot(0, 3, 0, 1, 5, true, 500);     // another company's
    }
    void Lot(int area, int x, int y, int owner, int structure, bool usable, int price) {
        doc.cells[{area, x, y}] = {owner, structure, false, usable};
        doc.lotPrices[{area, x, y, 0}] = price;
    }
    std::vector<std::string> Auctions() const {
        std::vector<std::string> auctions;
        for (const std::string& call : doc.calls)
            if (call.rfind("RunAuction", 0) == 0) auctions.push_back(call);
        std::sort(auctions.begin(), auctions.end());
        return auctions;
    }
};

TEST_F(ForcedSaleTest, SellsOwnStructuresAtHalfTheirLotPrice) {
    doc.auctionResults = {200};
    EXPECT_EQ(company.RaiseFundsBySale(40), 1);
    ASSERT_EQ(Auctions().size(), 1u);  // the first auction raised enough
    EXPECT_TRUE(Auctions()[0] == "RunAuction(0,1,1,50)" || Auctions()[0] == "RunAuction(2,2,0,30)");
    EXPECT_EQ(doc.calls[0], "ShowPaymentNotice(1,40,1)");
    EXPECT_EQ(doc.calls[1], "AnnounceForcedSale(1)");
}

TEST_F(ForcedSaleTest, AuctionsThatRaiseTooLittleEndWithTheLastStructure) {
    MakeComputer();
    doc.auctionResults = {10, 0};
    EXPECT_EQ(company.RaiseFundsBySale(80), 1);
    EXPECT_EQ(Auctions(),
              (std::vector<std::string>{"RunAuction(0,1,1,50)", "RunAuction(2,2,0,30)"}));
    EXPECT_EQ(Count(doc.calls, "ShowPaymentNotice"), 0);  // computer-played
}

TEST_F(ForcedSaleTest, AuctionsThatRaiseNothingAreAFailedSale) {
    doc.auctionResults = {0, 0};
    EXPECT_EQ(company.RaiseFundsBySale(80), 0);
    EXPECT_EQ(Auctions().size(), 2u);
    EXPECT_EQ(doc.calls.back(), "ShowPaymentNotice(1,80,0)");
}

TEST_F(ForcedSaleTest, RecallWhoseSaleRaisesNothingDropsTheCompanyWithoutRepaying) {
    company.SetDebt(800);
    company.SetFunds(0);
    doc.auctionResults = {0, 0};
    for (uint32_t seed = 1; seed <= 500 && Count(doc.calls, "RunAuction") == 0; ++seed) {
        CRuntimeRandom::Seed(seed * 2654435761u);
        doc.calls.clear();
        int result = company.RunLoanRecall();
        EXPECT_EQ(result, Count(doc.calls, "RunAuction") ? 0 : 1);
    }
    ASSERT_GT(Count(doc.calls, "RunAuction"), 0);
    EXPECT_EQ(Count(doc.calls, "DropEnterprise"), 1);
    EXPECT_EQ(Count(doc.calls, "IssueRepayLoan"), 0);
    EXPECT_EQ(company.GetFunds(), 0);
}

TEST_F(ForcedSaleTest, FailsWhenTheStructuresAreWorthTooLittle) {
    EXPECT_EQ(company.RaiseFundsBySale(81), 0);
    EXPECT_TRUE(Auctions().empty());
    EXPECT_EQ(doc.calls, std::vector<std::string>{"ShowPaymentNotice(1,81,0)"});
}

TEST_F(ForcedSaleTest, FailsWhileTheCompanyMakesALoss) {
    SetMonthlyIncome(-1);
    EXPECT_EQ(company.RaiseFundsBySale(10), 0);
    EXPECT_TRUE(Auctions().empty());
}

TEST_F(ForcedSaleTest, RecallRaisesTheMoneyBySaleAndRepays) {
    company.SetDebt(800);
    company.SetFunds(0);
    doc.auctionResults = {80, 80};
    doc.calls.clear();
    int result = 0;
    // Seeds spread over the range: the first draws after small seeds are
    // small too, and a recall needs a large one.
    for (uint32_t seed = 1; seed <= 500 && Count(doc.calls, "IssueRepayLoan") == 0; ++seed) {
        CRuntimeRandom::Seed(seed * 2654435761u);
        doc.calls.clear();
        result = company.RunLoanRecall();
    }
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Count(doc.calls, "RunAuction"), 1);
    EXPECT_EQ(Count(doc.calls, "IssueRepayLoan"), 1);
    EXPECT_EQ(Count(doc.calls, "DropEnterprise"), 0);
}

}  // namespace
