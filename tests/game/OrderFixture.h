#pragma once
// The order fixture game on the game test document, with a recording report
// composer.

#include "GameFixture.h"
#include "fakes/OrderGameFixture.h"
#include "game/OrderService.h"

class OrderTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        NewGame(3, 1);
        game = PrepareOrderGame(doc);
        frame.calls.clear();
        frame.infoLines.clear();
        doc.SetModifiedFlag(false);
    }
    COrderService& Orders() { return doc.GetOrders(); }
    CEnterprise& Company(int c) { return *doc.GetEnterprise(c); }
    CPersonData& Person(int p) { return *doc.GetDirector(p); }
    int Profit(int c) { return Company(c).GetMonthlyProfit(doc.GetMonth()); }
    int Sales(int c) { return Company(c).GetMonthlySales(doc.GetMonth()); }
    // What a company is worth in cash: funds less debt.
    int Cash(int c) { return Company(c).GetFunds() - Company(c).GetDebt(); }
    // The log as written since the last call, and the month's heading flags
    // cleared so that each order writes its heading again.
    std::vector<std::string> TakeLog() {
        std::vector<std::string> lines;
        lines.swap(frame.infoLines);
        for (int c = 0; c < doc.CompanyCount(); ++c) Company(c).SetReportHeadingWritten(0);
        return lines;
    }

    SOrderGame game;
    CFakeReportService report;
    CScopedService<IReportService> scopedReport = ScopedReport(&report);
};
