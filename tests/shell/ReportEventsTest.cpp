// The land, auction, contract, construction and stock reports, with the
// bidding, contract and stock offer heads they share.

#include "ReportFixture.h"
#include "model/services/ReportService.h"

namespace {

using Row = ReportTest::SRow;

TEST_F(ReportTest, LandAuctionContractConstructionAndStockReports) {
    const int office = TypeOfCode(60);
    // A two-part type and its mistaken partner right after it.
    const int twoPart = 3, mistaken = 4;
    doc->GetMap().GetStructureType(twoPart)->SetTypeCode(StructureCode::kTwoPart);
    doc->GetMap().GetStructureType(mistaken)->SetTypeCode(StructureCode::kMistakenPart);
    ASSERT_GE(office, 0);
    doc->GetMap().GetStructureType(office)->SetBasePrice(4321);
    const std::string officeName = doc->GetStructureType(office)->GetName();
    const std::string o = std::to_string(office);
    doc->GetEnterprise(0)->SetFunds(1000);

    const std::vector<Row> rows = {
        {"purchase: already owned",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowPurchaseAlreadyOwned(t.Role(0)); },
         "Report face {i0} auto 0/3000",
         {R"(0: "We already own this property.")", R"(1: "Purchase cancelled.")"}},
        {"purchase: circumstances changed",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowPurchaseCircumstancesChanged(t.Role(0)); },
         "Report face {i0} auto 0/3000",
         {R"(0: "Circumstances changed.")", R"(1: "Purchase cancelled.")"}},
        {"purchase: EXPO site",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowPurchaseExpoSite(t.Role(0)); },
         "Report face {i0} auto 0/3000",
         {R"(0: "EXPO planing site.")", R"(1: "Purchase cancelled.")"}},
        {"auction opened: no funds",
         [](ReportTest&, CSetDrawMes& m) { m.ShowAuctionOpened(1, 0, CCellPoint(1, 1), 0); },
         "Report auto 0/3000",
         {R"(0: [{A0}] " auction opened.")", R"(2: {C1} " lacks funds to bid.")"}},
        {"auction opened: not expanded",
         [](ReportTest&, CSetDrawMes& m) { m.ShowAuctionOpened(1, 0, CCellPoint(1, 1), 1); },
         "Report auto 0/3000",
         {R"(0: [{A0}] " auction opened.")", R"(2: {C1} "can not participate")",
          R"(3: "because it has not expanded into this area yet.")"}},
        {"auction opened: another reason",
         [](ReportTest&, CSetDrawMes& m) { m.ShowAuctionOpened(1, 0, CCellPoint(1, 1), 5); },
         "Report auto 0/3000", {R"(0: [{A0}] " auction opened.")"}},
        {"tender prohibited",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowTenderProhibited(2, 1, office); },
         "Report bd " + o + " auto 0/3000",
         {R"(1: [{A1}] " " [)" + officeName + R"(] " development bidding has opened.")",
          R"(3: {C2} " is prohibited")", R"(4: "from developing public facilities.")",
          R"(5: "construction.")"}},
        {"tender without funds",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowTenderNoFunds(2, 1, office); },
         "Report bd " + o + " auto 0/3000",
         {R"(1: [{A1}] " " [)" + officeName + R"(] " development bidding has opened.")",
          R"(3: {C2} " lacks funds to participate.")"}},
        {"tender not expanded",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowTenderNotExpanded(2, 1, office); },
         "Report bd " + o + " auto 0/3000",
         {R"(1: [{A1}] " " [)" + officeName + R"(] " development bidding has opened.")",
          R"(3: {C2} " can not participate")",
          R"(4: "because it has not expanded into this area yet.")"}},
        {"tender without director",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowTenderNoDirector(2, 1, office); },
         "Report bd " + o + " auto 0/3000",
         {R"(1: [{A1}] " " [)" + officeName + R"(] " development bidding has opened.")",
          R"(3: {C2} " lacks a participating director.")"}},
        {"auction result: price 0 with a winner",
         [](ReportTest&, CSetDrawMes& m) { m.ShowAuctionResult(1, 0); },
         "The bid result auto 0/3000",
         {R"(1: "Auction closed " "with no successful bids.")"}},
        {"auction result: sold",
         [](ReportTest&, CSetDrawMes& m) { m.ShowAuctionResult(1, 500); },
         "The bid result auto 0/3000",
         {R"(1: "Auction closed " "at " [500] " to " {C1} ".")"}},
        {"auction result: a price without a winner",
         [](ReportTest&, CSetDrawMes& m) { m.ShowAuctionResult(-1, 500); },
         "The bid result auto 0/3000", {R"(1: "Auction closed " "at " [500] ".")"}},
        {"contract from a company: no funds",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowContractNoFunds(0, 2, 0, office); },
         "Report bd " + o + " auto 0/3000",
         {R"(1: {C0} " contracted " {C2} " to construct the " [)" + officeName + R"(] ".")",
          R"(4: "Insufficient funds to accept contract.")"}},
        {"contract from the governor: no director",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowNoDirector(0, -1, 0, office); },
         "Report bd " + o + " auto 0/3000",
         {R"(0: "Governor " "{G0}" " contracted " {C0})",
          R"(1: "to develop the " [)" + officeName + R"(] ".")",
          R"(4: "No available director.")"}},
        {"contract refused",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowContractAnswer(0, 1, office, FALSE, FALSE); },
         "Report panel 0 style 0 auto 0/3000",
         {R"(0: {C1} " refused")", R"(1: "the " [)" + officeName + R"(] " construction.")"}},
        {"contract forced by a shareholder",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowContractAnswer(0, 1, office, TRUE, TRUE); },
         "Report panel 0 style 0 auto 0/3000",
         {R"(0: {C1} " could not refuse the " [)" + officeName + R"(] " construction contract ")",
          R"(1: "to " {C0} ", a large shareholder.")"}},
        {"contract accepted",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowContractAnswer(0, 1, office, TRUE, FALSE); },
         "Report panel 0 style 0 auto 0/3000",
         {R"(0: {C1} " contracted")", R"(1: "the " [)" + officeName + R"(] " construction.")"}},
        {"governor's contract",
         [office](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(
                 m.AskGovernorContract(0, -1, 0, CCellPoint(1, 1), CCellPoint(2, 2), office, 900, FALSE));
         },
         "Report panel 0 Cancel auto 0/0",
         {R"(1: "Governor " [{G0}] " contracted us to build")",
          R"(2: "the " [)" + officeName + R"x(] " for " [900] ".(Cost : " [4321] ")")x",
          R"(4: "Do you accept it?")"}},
        {"a company's contract",
         [office](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(
                 m.AskGovernorContract(0, 2, 0, CCellPoint(1, 1), CCellPoint(2, 2), office, 900, FALSE));
         },
         "Report panel 0 Cancel auto 0/0",
         {R"(1: [{c2}] " contracted us to build")",
          R"(2: "the " [)" + officeName + R"x(] " for " [900] ".(Cost : " [4321] ")")x",
          R"(4: "Do you accept it?")"}},
        {"a shareholder's contract: OK only",
         [office](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(
                 m.AskGovernorContract(0, 2, 0, CCellPoint(1, 1), CCellPoint(2, 2), office, 900, TRUE));
         },
         "Report panel 0 auto 0/0",
         {R"(1: [{c2}] " contracted us to build")",
          R"(2: "the " [)" + officeName + R"x(] " for " [900] ".(Cost : " [4321] ")")x",
          R"(3: "We must accept the " [{c2}] " contract")",
          R"(4: "because they are a large shareholder.")"}},
        {"development plan: funds",
         [](ReportTest&, CSetDrawMes& m) { m.ShowDevelopmentPlanFailed(0, 0); },
         "Report panel 0 auto 0/0",
         {R"(1: "We had development plans ")",
          R"(2: "but insufficient funds to order construction.")"}},
        {"development plan: impossible",
         [](ReportTest&, CSetDrawMes& m) { m.ShowDevelopmentPlanFailed(0, 6); },
         "Report panel 0 auto 0/0",
         {R"(1: "We had development plans ")", R"(2: "It is impossible.")"}},
        {"development plan: an unknown reason",
         [](ReportTest&, CSetDrawMes& m) { m.ShowDevelopmentPlanFailed(0, 7); },
         "Report panel 0 auto 0/0", {R"(1: "We had development plans ")", R"(2: "")"}},
        {"construction completed",
         [office](ReportTest& t, CSetDrawMes& m) { m.ShowConstructionCompleted(t.Role(0), office); },
         "Report face {i0} auto 0/3000",
         {R"(1: "Completed the " [)" + officeName + R"(] " Constuction.")"}},
        {"construction mistaken",
         [mistaken](ReportTest& t, CSetDrawMes& m) { m.ShowConstructionCompleted(t.Role(0), mistaken); },
         "Report face {i0} auto 0/3000",
         {"1: \"Mistakenly constructed the \" [{T" + std::to_string(mistaken) + "}]",
          "2: \"instead of the \" [{T" + std::to_string(twoPart) + "}] \".\""}},
        {"construction of no structure",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowConstructionCompleted(t.Role(0), -1); },
         "Report face {i0} auto 0/3000", {}},
        {"new stock: one share",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskBuyNewStock(0, 1, 1, 70)); },
         "Report panel 0 Cancel auto 0/0",
         {R"(1: {C1} "stock just began trading.")",
          R"(2: [1] " stock have begun trading for " [70] " total.")",
          R"(4: "Shall we purchase?")"}},
        {"new stock: two shares",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskBuyNewStock(0, 1, 2, 140)); },
         "Report panel 0 Cancel auto 0/0",
         {R"(1: {C1} "stock just began trading.")",
          R"(2: [2] " stocks have begun trading for " [140] " total.")",
          R"(4: "Shall we purchase?")"}},
        {"stock purchase failed",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowStockPurchaseFailed(t.Role(0), 2); },
         "Report face {i0} auto 0/3000", {R"(1: "I failed securring " {C2} " stock.")"}},
        {"stock offer of one share, affordable",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.ShowStockOfferDecision(t.Role(0), 2, 1, 1000)); },
         "Report face {i0} Cancel auto 0/0",
         {R"(0: [1] " " {C2} " stock offered at ")",
          R"(1: [1000] " per a stock, total " [1000] ".")", R"(4: "We shall buy.")"}},
        {"stock offer of two shares, not affordable",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowStockOfferDecision(t.Role(0), 2, 2, 501); },
         "Report face {i0} auto 0/0",
         {R"(0: [2] " " {C2} " stocks offered at ")",
          R"(1: [501] " per a stock, total " [1002] ".")",
          R"(4: "Insufficient funds to purchase.")"}},
        {"stock offer beyond 2^31",
         [](ReportTest& t, CSetDrawMes& m) {
             EXPECT_EQ(m.ShowStockOfferDecision(t.Role(0), 2, 65536, 65536), FALSE);
         },
         "Report face {i0} auto 0/0",
         {R"(0: [65536] " " {C2} " stocks offered at ")",
          R"(1: [65536] " per a stock, total " [4294967296] ".")",
          R"(4: "Insufficient funds to purchase.")"}},
        {"reinforcement cancelled",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowReinforcementCancelled(t.Role(0)); },
         "Report face {i0} auto 0/0",
         {R"(1: "I terminated reinforcing this building")", R"(2: "after conditions changed.")"}},
        {"reinforcement ended",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowReinforcementEnded(t.Role(0)); },
         "Report face {i0} auto 0/3000", {R"(1: "Building reinforcement ended.")"}},
        {"contractor bankrupt",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowContractorBankrupt(0, office, 3); },
         "Report panel 0 auto 0/3000",
         {R"(0: {C3} ", the company we outsourced")",
          R"(1: "the " [)" + officeName + R"(] " contruction to went bankrupt.")",
          R"(2: "All involved financing is a loss.")"}},
    };
    CheckRows(rows);
    for (BOOL a : answers) EXPECT_EQ(a, TRUE);
}

TEST_F(ReportTest, AMistakenStructureWithoutAPredecessorReadsAsACompletion) {
    // A code-72 type at the head of the table has no type before it.
    CMapDoc& map = doc->GetMap();
    map.GetStructureType(0)->SetTypeCode(StructureCode::kMistakenPart);
    const SResult result =
        RunBoth([&](CSetDrawMes& m) { m.ShowConstructionCompleted(Role(0), 0); });
    EXPECT_EQ(result.lines,
              std::vector<std::string>{Expand(R"(1: "Completed the " [{T0}] " Constuction.")")});
}

TEST_F(ReportTest, AStockOfferIsBoughtOnlyWhenAffordableAndAccepted) {
    struct Case {
        const char* name;
        int funds, quantity, price, answer;
        BOOL expected;
    };
    const Case cases[] = {
        {"funds exactly the total, OK", 1000, 2, 500, IDOK, TRUE},
        {"funds exactly the total, Cancel", 1000, 2, 500, IDCANCEL, FALSE},
        {"one short", 999, 2, 500, IDOK, FALSE},
        {"a product beyond 32 bits", 1000, 65536, 32768, IDOK, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc->GetEnterprise(0)->SetFunds(c.funds);
        answer = c.answer;
        shown.clear();
        CSetDrawMes mes(frame);
        EXPECT_EQ(mes.ShowStockOfferDecision(Role(0), 2, c.quantity, c.price), c.expected);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].cancel, c.funds >= int64_t{c.quantity} * c.price ? 1 : 0);
    }
}

TEST_F(ReportTest, ReportsOnAPlotHighlightItWhileTheBoxIsOpen) {
    CMapDrawWnd* map = frame->GetMapDrawWnd();
    ASSERT_NE(map, nullptr);
    // The fixture's first area has a structure at (4, 4) once placed.
    CMapDoc& m = doc->GetMap();
    const int office = TypeOfCode(60);
    m.SetStructureAt(0, 4, 4, office + 1);
    CCellPoint anchor, first;
    ASSERT_TRUE(m.GetStructureExtent(0, 4, 4, anchor, first));
    std::vector<CMapDrawWnd::SCall> whileOpen;
    CMyMessageDlg::SetModalHook([&](CMyMessageDlg&) {
        whileOpen = map->GetCalls();
        return IDOK;
    });
    const std::vector<std::pair<const char*, std::function<void(CSetDrawMes&)>>> builders = {
        {"negotiation", [&](CSetDrawMes& s) { s.ShowPlotUnderNegotiation(0, CCellPoint(4, 4), Role(0)); }},
        {"unavailable", [&](CSetDrawMes& s) { s.ShowPlotUnavailable(0, 0, CCellPoint(4, 4), 2); }},
        {"auction", [&](CSetDrawMes& s) { s.ShowAuctionOpened(0, 0, CCellPoint(4, 4), 0); }},
    };
    const CMapDrawWnd::SCall mark{"MarkCellRect", first.x, first.y, anchor.x, anchor.y, 180};
    const CMapDrawWnd::SCall flush{"FlushChangedCells", 1};
    for (const auto& [name, build] : builders) {
        SCOPED_TRACE(name);
        map->ClearCalls();
        CSetDrawMes mes(frame);
        build(mes);
        EXPECT_EQ(whileOpen, std::vector<CMapDrawWnd::SCall>{mark});
        EXPECT_EQ(map->GetCalls(), (std::vector<CMapDrawWnd::SCall>{mark, flush}));
    }
    // The governor's contract marks the rectangle between its corners.
    map->ClearCalls();
    CSetDrawMes(frame).AskGovernorContract(0, -1, 0, CCellPoint(1, 2), CCellPoint(3, 4), office,
                                           10, FALSE);
    EXPECT_EQ(whileOpen, std::vector<CMapDrawWnd::SCall>({{"MarkCellRect", 1, 2, 3, 4, 180}}));
    EXPECT_EQ(map->GetCalls().back(), flush);
}

}  // namespace

namespace {

TEST_F(ReportTest, IndexesOutsideTheGameNameNothingAndMarkNothing) {
    // What a peer's record or a stored game may hand the reports.
    const std::vector<std::pair<const char*, std::function<void(CSetDrawMes&)>>> builders = {
        {"auction in no area", [](CSetDrawMes& m) { m.ShowAuctionOpened(9, 99, CCellPoint(1, 1), 0); }},
        {"plot outside the grid", [](CSetDrawMes& m) { m.ShowPlotUnavailable(0, 0, CCellPoint(500, -4), 0); }},
        {"plot in no area", [](CSetDrawMes& m) { m.ShowPlotUnavailable(0, -7, CCellPoint(1, 1), 1); }},
        {"tender in no area", [](CSetDrawMes& m) { m.ShowTenderNoFunds(0, 42, 9999); }},
        {"contract in no area", [](CSetDrawMes& m) { m.ShowNoDirector(0, -1, 42, -3); }},
        {"no league", [](CSetDrawMes& m) { m.ShowTeamPurchased(0, 7, 0); }},
        {"no team", [](CSetDrawMes& m) { m.ShowTeamPurchaseRefused(0, 0, 99, 1); }},
        {"stadium lost in no league", [](CSetDrawMes& m) { m.ShowTeamLostStadium(0, -1); }},
        {"no structure type", [](CSetDrawMes& m) { m.ShowConstructionCompleted(nullptr, 9999); }},
        {"refused by no company", [](CSetDrawMes& m) { m.ShowDesignatedPurchaseRefused(nullptr, 99); }},
        {"sale to no buyer", [](CSetDrawMes& m) { m.AskDesignatedSale(-5, 42, nullptr, 1, FALSE); }},
        {"no land in no area", [](CSetDrawMes& m) { m.ShowLandAcquisitionFailed(nullptr, 64); }},
        {"investment kind and grade outside", [](CSetDrawMes& m) { m.ShowInvestmentCompleted(nullptr, -3, 4, -1); }},
        {"talent remark outside", [](CSetDrawMes& m) { m.AskEmployFoundTalent(nullptr, nullptr, 9); }},
        {"lot of no seller", [](CSetDrawMes& m) { m.AskLandSaleOffer(77, -9, 1, 1, TRUE); }},
        {"lot of no buyer", [](CSetDrawMes& m) { m.ShowSaleAnswer(-1, 77, TRUE); }},
        {"tender of no winner and no type", [](CSetDrawMes& m) { m.ShowDevelopmentContract(99, 9999, 1); }},
        {"applicant nobody knows", [](CSetDrawMes& m) {
             SOrderReport r;
             r.company = 50;
             r.person = 100000;
             m.AskEmployApplicant(r);
         }},
    };
    CMapDrawWnd* map = frame->GetMapDrawWnd();
    for (const auto& [name, build] : builders) {
        SCOPED_TRACE(name);
        map->ClearCalls();
        shown.clear();
        CSetDrawMes mes(frame);
        build(mes);
        EXPECT_EQ(shown.size(), 1u);
        for (const CMapDrawWnd::SCall& call : map->GetCalls()) EXPECT_NE(call.name, "MarkCellRect");
    }
}

}  // namespace
