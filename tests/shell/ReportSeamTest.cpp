// The report seam of the game program: each of its methods opens the
// composer's box for it; the box's own modal run (its automatic close, its
// Cancel and close box) and the unattended run that answers it at once.

#include "ReportFixture.h"
#include "model/services/Services.h"

namespace {

struct SSeamRow {
    const char* method;
    std::function<void(ReportTest&, IReportService&)> call;
    const char* caption;
    std::string firstLine;
};

TEST_F(ReportTest, EachSeamMethodOpensItsBuilder) {
    ASSERT_NE(Services::RegisteredReport(), nullptr);
    IReportService& seam = Services::Report();
    const int office = TypeOfCode(60);
    Role(0)->SetTaskParam(0, roles[2]);
    doc->GetEnterprise(1)->SetLeagueTeam(0, 1);
    const std::string sport0 = doc->GetMap().GetLeague(0).IsRankedByRate() ? "Baseball" : "Football";
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
    }
    // The questions a dialog answers keep their detached answers.
    shown.clear();
    EXPECT_EQ(seam.AskDirectorChoice(0, 0), -1);
    seam.ShowChampion(0, 1);
    seam.ShowHeadhuntNotice(roles[0], roles[2]);
    EXPECT_TRUE(shown.empty());
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
        CMyMessageDlg::SetOpenHook([&](CMyMessageDlg& d) {
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
    CMyMessageDlg::SetOpenHook([&](CMyMessageDlg& d) {
        hasCancel = d.GetDlgItem(IDCANCEL) != nullptr;
        d.PostMessage(WM_COMMAND, IDOK);
    });
    CSetDrawMes(frame).ShowStrike(0);
    EXPECT_FALSE(hasCancel);
}

TEST_F(ReportTest, InANetworkGameAReportClosesItself) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(false);
    bool opened = false;
    CMyMessageDlg::SetOpenHook([&](CMyMessageDlg&) { opened = true; });
    SetNetworkGame(true);
    // Nobody answers: the box's timer does.
    CSetDrawMes(frame).ShowStrike(0);
    EXPECT_TRUE(opened);
    SetNetworkGame(false);
}

}  // namespace
