// The report seam of the game program: each of its methods opens the
// composer's box for it; the box's own modal run (its automatic close, its
// Cancel and close box) and the unattended run that answers it at once.

#include <algorithm>

#include "ReportFixture.h"
#include "dialogs/BaseDialog.h"
#include "dialogs/DialogHost.h"
#include "model/services/Services.h"

namespace {

struct SSeamRow {
    const char* method;
    std::function<void(ReportTest&, IReportService&)> call;
    const char* caption;
    std::string firstLine;
    // Checked when given: where the first line does not tell the builder.
    std::string secondLine = "";
};

TEST_F(ReportTest, EachSeamMethodOpensItsBuilder) {
    ASSERT_NE(Services::RegisteredReport(), nullptr);
    IReportService& seam = Services::Report();
    const int office = TypeOfCode(60);
    const std::string T = "[{T" + std::to_string(office) + "}]";
    Role(0)->SetTaskParam(0, roles[2]);
    doc->GetEnterprise(1)->SetLeagueTeam(0, 1);
    doc->GetEnterprise(0)->SetFunds(1000);
    const std::string sport0 = doc->GetMap().GetLeague(0).IsRankedByRate() ? "Baseball" : "Football";
    SOrderReport letter;
    letter.company = 0;
    letter.person = roles[3];
    letter.lines = {"I am " + Role(3)->GetName() + " applying for a position."};
    const std::vector<SSeamRow> rows = {
        {"ShowPurchaseFailure 0", [](ReportTest& t, IReportService& s) { s.ShowPurchaseFailure(0, t.roles[0], 0, 1, 1, 0); },
         "Report", R"(0: "We already own this property.")"},
        {"ShowPurchaseFailure 1", [](ReportTest& t, IReportService& s) { s.ShowPurchaseFailure(0, t.roles[0], 0, 1, 1, 1); },
         "Report", R"(0: "Circumstances changed.")"},
        {"ShowPurchaseFailure 2", [](ReportTest& t, IReportService& s) { s.ShowPurchaseFailure(0, t.roles[0], 0, 1, 1, 2); },
         "Report", R"(0: "EXPO planing site.")"},
        {"ShowResignation", [](ReportTest& t, IReportService& s) { s.ShowResignation(1, t.roles[1]); },
         "Report", R"(1: [{P1}] " quit.")"},
        {"ShowHeadhuntFailed", [](ReportTest& t, IReportService& s) { s.ShowHeadhuntFailed(0, t.roles[0]); },
         "Report", R"(1: "Unsuccessfully recruited " [{P2}] " from " {C1} ".")"},
        {"ShowHeadhuntSucceeded", [](ReportTest& t, IReportService& s) { s.ShowHeadhuntSucceeded(0, t.roles[0], t.roles[2]); },
         "Report", R"(1: [{P2}] " of " {C1})"},
        {"ShowHeadhuntLoss", [](ReportTest& t, IReportService& s) { s.ShowHeadhuntLoss(1, t.roles[2], 0); },
         "Report", R"(1: [{P2}] " has joined " {C0} ".")"},
        {"ShowPaymentNotice", [](ReportTest&, IReportService& s) { s.ShowPaymentNotice(0, 900, 1); },
         "Report", R"(1: "Bank requested " [900] " loan repayment.")"},
        {"ShowForcedSale", [](ReportTest&, IReportService& s) { s.ShowForcedSale(0); },
         "Report", R"(1: "We must sell property to repay the bank loan.")"},
        {"ShowContractProblem 0", [office](ReportTest&, IReportService& s) { s.ShowContractProblem(0, 0, 2, 2, 1, office, 0); },
         "Report", "1: {C0} \" contracted \" {C1} \" to construct the \" [{T" + std::to_string(office) + "}] \".\""},
        {"ShowContractProblem 1", [office](ReportTest&, IReportService& s) { s.ShowContractProblem(0, 0, 2, 2, -1, office, 1); },
         "Report", R"(0: "Governor " "{G0}" " contracted " {C0})"},
        {"AskAcceptContract", [office](ReportTest&, IReportService& s) { EXPECT_TRUE(s.AskAcceptContract(0, 0, 2, 2, 1, office, 500, 0)); },
         "Report", R"(1: [{c1}] " contracted us to build")"},
        {"ShowTeamLostStadium", [](ReportTest&, IReportService& s) { s.ShowTeamLostStadium(1, 0); },
         "Report", R"(0: "We must sell the professional " ")" + sport0 + R"(" " team, " [{B0.1}] ",")"},
        {"ShowTeamPurchased", [](ReportTest&, IReportService& s) { s.ShowTeamPurchased(0, 0, 2); },
         "Report", R"(0: "We purchased")"},
        {"ShowTeamPurchaseRefused", [](ReportTest&, IReportService& s) { s.ShowTeamPurchaseRefused(0, 0, 2, 1); },
         "Report", R"(0: "We can not purchase the professional ")"},
        {"ShowBankruptcy", [](ReportTest&, IReportService& s) { s.ShowBankruptcy(2); },
         "Report", R"(1: "Failure to repay bank loans rendered " {C2} " bankrupt.")"},
        {"ShowMerger", [](ReportTest&, IReportService& s) { s.ShowMerger(1, 2); },
         "Report", R"(1: {C1} " acquired at least 51% of " {C2} " stock merging our companies.")"},
        {"ShowContractorBankrupt", [office](ReportTest&, IReportService& s) { s.ShowContractorBankrupt(0, office, 3); },
         "Report", R"(0: {C3} ", the company we outsourced")"},
        {"ConfirmOrder", [](ReportTest& t, IReportService& s) {
             SOrderReport r;
             r.company = 0;
             r.person = t.roles[0];
             r.lines = {"I will apply for a loan."};
             EXPECT_TRUE(s.ConfirmOrder(r));
         },
         "Report", R"(1: "I will apply for a loan.")"},
        {"ShowOrderReport", [](ReportTest&, IReportService& s) {
             SOrderReport r;
             r.company = 0;
             r.caption = "Accepted contract to sell";
             r.lines = {"Land for sale can not be sold."};
             s.ShowOrderReport(r);
         },
         "Accepted contract to sell", R"(1: "Land for sale can not be sold.")"},
        {"ShowAdvice", [](ReportTest&, IReportService& s) { s.ShowAdvice(3); },
         "Advice", R"(1: "No advice.")"},
        // ---- directors' tasks
        {"ShowDesignatedPurchaseRefused", [](ReportTest& t, IReportService& s) { s.ShowDesignatedPurchaseRefused(0, t.roles[0], 1); },
         "Report", R"(1: "Disignated " {C1} " purchase proposal refused.")"},
        {"AskDesignatedSale", [](ReportTest& t, IReportService& s) { EXPECT_TRUE(s.AskDesignatedSale(1, 0, t.roles[0], 500, false)); },
         "Report", R"(1: {C0} " representative " [{P0}] ".")", R"(2: "I can offer " [500] ".")"},
        {"AskDesignatedPurchase", [](ReportTest& t, IReportService& s) { EXPECT_TRUE(s.AskDesignatedPurchase(0, t.roles[0], 500, 1, true)); },
         "Report", R"(1: "Survey confirms buying price " [500] ".")", R"(2: "Purchase approved.")"},
        {"AskDesignatedPurchase without the funds", [](ReportTest& t, IReportService& s) { EXPECT_FALSE(s.AskDesignatedPurchase(0, t.roles[0], 500, 0, false)); },
         "Report", R"(1: "Negotiated price " [500] ".")", R"(2: "Insufficient funds.")"},
        {"AskLandPurchase", [](ReportTest& t, IReportService& s) { EXPECT_TRUE(s.AskLandPurchase(0, t.roles[0], 80)); },
         "Report", R"(1: "Buying price " [80] " confirmed.")"},
        {"ShowLandAcquisitionFailed", [](ReportTest& t, IReportService& s) { s.ShowLandAcquisitionFailed(0, t.roles[0], 1); },
         "Report", R"(1: [{A1}] " land acquisition unobtainable.")"},
        {"ShowEmployeesRecruited", [](ReportTest& t, IReportService& s) { s.ShowEmployeesRecruited(0, t.roles[0], 14); },
         "Report", R"(1: [14] " employess recruited.")"},
        {"ShowLoanApproved", [](ReportTest& t, IReportService& s) { s.ShowLoanApproved(0, t.roles[0], 3000); },
         "Report", R"(1: [3000] " loan approved.")"},
        {"ShowAdvertisingFinished", [](ReportTest& t, IReportService& s) { s.ShowAdvertisingFinished(0, t.roles[0], -1, 3); },
         "Report", R"(1: "All advertising campaigns finished.")", R"(2: "Moderate company awareness.")"},
        {"ShowInvestmentCompleted", [](ReportTest& t, IReportService& s) { s.ShowInvestmentCompleted(0, t.roles[0], 0, 2, 1); },
         "Report", R"(1: [{A0}] " expo promotion completed.")", R"(2: "Marginally effective.")"},
        {"AskEmployFoundTalent", [](ReportTest& t, IReportService& s) { EXPECT_TRUE(s.AskEmployFoundTalent(0, t.roles[0], t.roles[3], 3)); },
         "Report", R"(1: "I headhunted " [{P3}] ".")", R"(2: [{P3}] " is a reliable person.")"},
        {"ShowNoTalentFound", [](ReportTest& t, IReportService& s) { s.ShowNoTalentFound(0, t.roles[0]); },
         "Report", R"(1: "No head hunting results.")"},
        {"ShowConstructionCompleted", [office](ReportTest& t, IReportService& s) { s.ShowConstructionCompleted(0, t.roles[0], office, office); },
         "Report", "1: \"Completed the \" " + T + " \" Constuction.\""},
        {"ShowReinforcementEnded", [](ReportTest& t, IReportService& s) { s.ShowReinforcementEnded(0, t.roles[0]); },
         "Report", R"(1: "Building reinforcement ended.")"},
        {"ShowReinforcementStopped", [](ReportTest& t, IReportService& s) { s.ShowReinforcementStopped(0, t.roles[0]); },
         "Report", R"(1: "I terminated reinforcing this building")"},
        {"ShowStockOfferDecision", [](ReportTest& t, IReportService& s) { EXPECT_TRUE(s.ShowStockOfferDecision(0, t.roles[0], 2, 4, 250)); },
         "Report", R"(0: [4] " " {C2} " stocks offered at ")", R"(1: [250] " per a stock, total " [1000] ".")"},
        {"ShowStockPurchaseFailed", [](ReportTest& t, IReportService& s) { s.ShowStockPurchaseFailed(0, t.roles[0], 2); },
         "Report", R"(1: "I failed securring " {C2} " stock.")"},
        // The task's purpose 0 is the team's winning power.
        {"ShowTeamInvestmentResult", [](ReportTest& t, IReportService& s) { s.ShowTeamInvestmentResult(1, t.roles[1], 0, 0, 0); },
         "Report", R"(0: "We invested in " [{B0.1}] ", ")", R"(1: "but their winning percentage did not change.")"},
        {"ShowTeamInvestmentResult popularity", [](ReportTest& t, IReportService& s) { s.ShowTeamInvestmentResult(1, t.roles[1], 0, 1, 0); },
         "Report", R"(0: "We invested in " [{B0.1}] ", ")", R"(1: "but popularity never increased.")"},
        // ---- land sales, auctions and construction contracts
        {"AskLandSaleOffer", [](ReportTest&, IReportService& s) { EXPECT_TRUE(s.AskLandSaleOffer(0, 1, 0, 1, 1, 800, 600, true)); },
         "Report", R"(1: {C1} " notified us this is for sale.")", R"(2: "The price is")"},
        {"ShowSaleAnswer", [](ReportTest&, IReportService& s) { s.ShowSaleAnswer(0, 2, 0, 1, 1, 800, false); },
         "Report", R"(1: {C2} " did not purchase this.")"},
        {"ShowCannotBid", [](ReportTest&, IReportService& s) { s.ShowCannotBid(1, 0, 1, 1, 1); },
         "Report", R"(0: [{A0}] " auction opened.")", R"(2: {C1} "can not participate")"},
        {"ShowAuctionResult", [](ReportTest&, IReportService& s) { s.ShowAuctionResult(0, 0, 1, 1, 2, 500); },
         "The bid result", R"(1: "Auction closed " "at " [500] " to " {C2} ".")"},
        {"ShowPublicWorksBanned", [office](ReportTest&, IReportService& s) { s.ShowPublicWorksBanned(2, 1, office); },
         "Report", "1: [{A1}] \" \" " + T + " \" development bidding has opened.\"", R"(3: {C2} " is prohibited")"},
        {"ShowTenderLacksFunds", [office](ReportTest&, IReportService& s) { s.ShowTenderLacksFunds(2, 1, office); },
         "Report", "1: [{A1}] \" \" " + T + " \" development bidding has opened.\"", R"(3: {C2} " lacks funds to participate.")"},
        {"ShowTenderLacksDirector", [office](ReportTest&, IReportService& s) { s.ShowTenderLacksDirector(2, 1, office); },
         "Report", "1: [{A1}] \" \" " + T + " \" development bidding has opened.\"", R"(3: {C2} " lacks a participating director.")"},
        {"ShowDevelopmentContract", [office](ReportTest&, IReportService& s) { s.ShowDevelopmentContract(0, 2, 2, office, 900, 1); },
         "Report", "1: \"Contracted \" {C1} \" to develop a \" " + T + " \" for \" [900] \".\""},
        {"ShowBidFailed", [office](ReportTest&, IReportService& s) { s.ShowBidFailed(0, 2, 2, office); },
         "Report", R"(1: "Unsuccessful bid.")"},
        {"ShowDevelopmentPlanFailed", [](ReportTest&, IReportService& s) { s.ShowDevelopmentPlanFailed(0, 1); },
         "Report", R"(1: "We had development plans ")", R"(2: "but insufficient employees to order construction.")"},
        {"ShowContractAnswer", [office](ReportTest&, IReportService& s) { s.ShowContractAnswer(0, 1, 0, 2, 2, office, true, false); },
         "Report", R"(0: {C1} " contracted")"},
        {"ShowContractAnswer by a shareholder", [office](ReportTest&, IReportService& s) { s.ShowContractAnswer(0, 1, 0, 2, 2, office, true, true); },
         "Report", "0: {C1} \" could not refuse the \" " + T + " \" construction contract \""},
        // ---- random events
        {"ShowStrike", [](ReportTest&, IReportService& s) { s.ShowStrike(0); },
         "Report", R"(1: "A strike crippled company operations for next month.")"},
        {"AskEmployApplicant", [letter](ReportTest&, IReportService& s) { EXPECT_TRUE(s.AskEmployApplicant(letter)); },
         "Report", R"(1: "I am {P3} applying for a position.")"},
        {"AskBuyNewStock", [](ReportTest&, IReportService& s) { EXPECT_TRUE(s.AskBuyNewStock(0, 2, 3, 90)); },
         "Report", R"(1: {C2} "stock just began trading.")"},
        {"ShowNewCompany", [](ReportTest&, IReportService& s) { s.ShowNewCompany(3); },
         "Report", R"(1: {C3} "was established with ")"},
        {"ShowExpoPlanned", [](ReportTest&, IReportService& s) { s.ShowExpoPlanned(1); },
         "Report", R"(1: "The " [{A1}] " EXPO will be held in " [2] " years.")"},
        {"ShowExpoOpening held", [](ReportTest&, IReportService& s) { s.ShowExpoOpening(1, 1, {CCellPoint(1, 1)}); },
         "Report", R"(1: "The very successful " [{A1}] " EXPO will close after 4 months.")"},
        {"ShowExpoOpening not held", [](ReportTest&, IReportService& s) { s.ShowExpoOpening(1, 0, {}); },
         "Report", R"(1: "Inadequate preparation cancelled the " [{A1}] " EXPO.")"},
        {"ShowIllegalDonations", [](ReportTest&, IReportService& s) { s.ShowIllegalDonations(0, {1}); },
         "Report", R"(0: [{A0}] [ Governer ] [{G0}] " received illegal donations.")", R"(3: {C1})"},
    };
    for (const SSeamRow& row : rows) {
        SCOPED_TRACE(row.method);
        shown.clear();
        row.call(*this, seam);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, row.caption);
        const std::vector<std::string> lines = Lines(shown[0]);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], Expand(row.firstLine));
        if (!row.secondLine.empty()) {
            EXPECT_NE(std::find(lines.begin() + 1, lines.end(), Expand(row.secondLine)),
                      lines.end())
                << row.secondLine;
        }
    }
    // The questions a dialog answers keep their detached answers.
    shown.clear();
    EXPECT_EQ(seam.AskDirectorChoice(0, 0), -1);
    seam.ShowChampion(0, 1);
    seam.ShowHeadhuntNotice(roles[0], roles[2]);
    EXPECT_TRUE(shown.empty());
}

// The seam's reports about cells let them blink while the box is open and
// end the highlight after it; cells outside the area's grid are not marked.
TEST_F(ReportTest, SeamReportsAboutCellsMarkThemWhileOpen) {
    IReportService& seam = Services::Report();
    CMapDrawWnd* map = frame->GetMapDrawWnd();
    const int office = TypeOfCode(60);
    int width = 1, height = 1;
    doc->GetStructureType(office)->GetSize(width, height);
    Role(0)->AssignTask(CPersonData::eTASK_DESIGNATED_PURCHASE, 100);
    Role(0)->SetTaskArea(1);
    Role(0)->SetTaskTarget(2, 3);
    std::vector<CMapDrawWnd::SCall> whileOpen;
    CMyMessageDlg::SetModalHook([&](CMyMessageDlg&) {
        whileOpen = map->GetCalls();
        return IDOK;
    });
    using Marks = std::vector<CMapDrawWnd::SCall>;
    const CMapDrawWnd::SCall site{"MarkCellRect", 4 - width + 1, 4 - height + 1, 4, 4, 180};
    struct Case {
        const char* name;
        std::function<void()> call;
        Marks marks;
    };
    const std::vector<Case> cases = {
        {"purchase failure", [&] { seam.ShowPurchaseFailure(0, roles[0], 0, 2, 3, 1); },
         {{"MarkCellRect", 2, 3, 2, 3, 180}}},
        {"designated purchase refused", [&] { seam.ShowDesignatedPurchaseRefused(0, roles[0], 1); },
         {{"MarkCellRect", 2, 3, 2, 3, 180}}},
        {"sale answer", [&] { seam.ShowSaleAnswer(0, 1, 1, 4, 1, 90, true); },
         {{"MarkCellRect", 4, 1, 4, 1, 180}}},
        {"contract answer", [&] { seam.ShowContractAnswer(0, 1, 0, 4, 4, office, false, false); }, {site}},
        {"contract problem", [&] { seam.ShowContractProblem(0, 0, 4, 4, 1, office, 0); }, {site}},
        {"EXPO opening",
         [&] { seam.ShowExpoOpening(1, 1, {CCellPoint(1, 1), CCellPoint(2, 1), CCellPoint(900, 1)}); },
         {{"MarkCellRect", 1, 1, 1, 1, 180}, {"MarkCellRect", 2, 1, 2, 1, 180}}},
        {"sale answer outside the grid", [&] { seam.ShowSaleAnswer(0, 1, 1, -1, 700, 90, true); }, {}},
        {"sale answer in no area", [&] { seam.ShowSaleAnswer(0, 1, 77, 1, 1, 90, true); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        map->ClearCalls();
        whileOpen.clear();
        c.call();
        // The box first shows the cells' area; the marks come after.
        Marks marks;
        for (const CMapDrawWnd::SCall& call : whileOpen)
            if (call.name == "MarkCellRect") marks.push_back(call);
        EXPECT_EQ(marks, c.marks);
        ASSERT_FALSE(map->GetCalls().empty());
        EXPECT_EQ(map->GetCalls().back(), (CMapDrawWnd::SCall{"FlushChangedCells", 1}));
    }
}

TEST_F(ReportTest, TheSeamIsTheComposerOnlyWhileTheApplicationRuns) {
    EXPECT_NE(Services::RegisteredReport(), nullptr);
    app.reset();
    EXPECT_EQ(Services::RegisteredReport(), nullptr);
}

TEST_F(ReportTest, UnattendedTheBoxLogsTheReportAndTakesOk) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(true);
    testing::internal::CaptureStderr();
    const BOOL answer = CSetDrawMes(frame).AskHomeField(0);
    CSetDrawMes(frame).ShowExpoClosing(1, TRUE);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, TRUE);
    EXPECT_NE(log.find("[auto-answer] Report: We shall base our home field here. -> OK"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("[auto-answer] Report: The very successful " + doc->GetAreaName(1) +
                       " EXPO will close after 4 months. -> OK"),
              std::string::npos)
        << log;
}

TEST_F(ReportTest, TheBoxAnswersAsItWasClosed) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(false);
    struct Case {
        const char* name;
        std::function<void(CMyMessageDlg&)> close;
        BOOL expected;
    };
    const std::vector<Case> cases = {
        {"OK", [](CMyMessageDlg& d) { d.PostMessage(WM_COMMAND, IDOK); }, TRUE},
        {"Cancel", [](CMyMessageDlg& d) { d.PostMessage(WM_COMMAND, IDCANCEL); }, FALSE},
        {"the close box", [](CMyMessageDlg& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool cancelVisible = false;
        CDialog::SetInitHook([&](CDialog& dialog, int) {
            auto& d = dynamic_cast<CMyMessageDlg&>(dialog);
            cancelVisible = (d.GetDlgItem(IDCANCEL)->GetStyle() & WS_VISIBLE) != 0;
            c.close(d);
        });
        EXPECT_EQ(CSetDrawMes(frame).AskSellStock(0, 1, 2, 160), c.expected);
        EXPECT_TRUE(cancelVisible);
    }
}

TEST_F(ReportTest, AReportOffersOnlyOk) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(false);
    bool hasCancel = true;
    CDialog::SetInitHook([&](CDialog& d, int) {
        hasCancel = (d.GetDlgItem(IDCANCEL)->GetStyle() & WS_VISIBLE) != 0;
        d.PostMessage(WM_COMMAND, IDOK);
    });
    CSetDrawMes(frame).ShowStrike(0);
    EXPECT_FALSE(hasCancel);
}

TEST_F(ReportTest, InANetworkGameAReportClosesItself) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(false);
    bool opened = false;
    CDialog::SetInitHook([&](CDialog&, int) { opened = true; });
    SetNetworkGame(true);
    // Nobody answers: the box's timer does.
    CSetDrawMes(frame).ShowStrike(0);
    EXPECT_TRUE(opened);
    SetNetworkGame(false);
}

TEST_F(ReportTest, TheApplicationHostsTheDialogsWhileItRuns) {
    EXPECT_EQ(IDialogHost::Get(), app.get());
    EXPECT_NE(Services::RegisteredDialogs(), nullptr);
    app.reset();
    EXPECT_EQ(IDialogHost::Get(), nullptr);
    EXPECT_EQ(Services::RegisteredDialogs(), nullptr);
}

TEST_F(ReportTest, TheFrameKnowsTheOpenBoxAndTheTurnLimitEndsIt) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(false);
    CBaseDialog* openWhileShown = nullptr;
    // The turn limit runs out while a question waits for its answer.
    CDialog::SetInitHook([&](CDialog&, int) {
        openWhileShown = frame->GetOpenDialog();
        frame->SendMessage(CMainFrame::WM_FORCE_END_INPUT, 0, 0);
    });
    EXPECT_EQ(CSetDrawMes(frame).AskSellStock(0, 1, 2, 160), FALSE);
    EXPECT_NE(openWhileShown, nullptr);
    EXPECT_EQ(frame->GetOpenDialog(), nullptr);
    EXPECT_EQ(frame->IsForcedEnd(), 1);
}

}  // namespace
