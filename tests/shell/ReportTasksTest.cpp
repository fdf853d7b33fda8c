// The results and questions of the directors' tasks, the land offers and
// tender results, and the job applicant's letter.

#include "ReportFixture.h"
#include "model/services/ReportService.h"

namespace {

using Row = ReportTest::SRow;

TEST_F(ReportTest, DirectorsTaskResultsAndQuestions) {
    // Role 0's task is a designated purchase of a lot in area 1.
    Role(0)->AssignTask(CPersonData::eTASK_DESIGNATED_PURCHASE, 100);
    Role(0)->SetTaskArea(1);
    Role(0)->SetTaskTarget(2, 3);
    const std::vector<Row> rows = {
        {"designated purchase refused",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowDesignatedPurchaseRefused(t.Role(0), 1); },
         "Report face {i0} auto 0/3000",
         {R"(1: "Disignated " {C1} " purchase proposal refused.")"}},
        {"designated sale asked",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskDesignatedSale(1, 0, t.Role(0), 777, FALSE));
         },
         "Report panel 1 face {i0} Cancel auto 0/0",
         {R"(1: {C0} " representative " [{P0}] ".")", R"(2: "I can offer " [777] ".")",
          R"(4: "Will you sell?")"}},
        {"designated sale forced",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskDesignatedSale(1, 0, t.Role(0), 777, TRUE));
         },
         "Report panel 1 face {i0} auto 0/3000",
         {R"(1: {C0} " representative " [{P0}] ".")", R"(2: "I can offer " [777] ".")",
          R"(4: "I can not refuse our company's stock.")"}},
        {"negotiated price",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskDesignatedPurchase(t.Role(0), 650, 0, TRUE));
         },
         "Report face {i0} Cancel auto 0/0",
         {R"(1: "Negotiated price " [650] ".")", R"(2: "Purchase approved.")"}},
        {"surveyed price without the funds",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskDesignatedPurchase(t.Role(0), 650, 1, FALSE));
         },
         "Report face {i0} auto 0/3000",
         {R"(1: "Survey confirms buying price " [650] ".")", R"(2: "Insufficient funds.")"}},
        {"neighbouring lot",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskLandPurchase(t.Role(0), 90)); },
         "Report face {i0} Cancel auto 0/0",
         {R"(1: "Buying price " [90] " confirmed.")", R"(2: "Purchase approved.")"}},
        {"no land found",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowLandAcquisitionFailed(t.Role(0), 1); },
         "Report face {i0} auto 0/3000", {R"(1: [{A1}] " land acquisition unobtainable.")"}},
        {"employees recruited",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowEmployeesRecruited(t.Role(0), 37); },
         "Report face {i0} auto 0/3000", {R"(1: [37] " employess recruited.")"}},
        {"loan approved",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowLoanApproved(t.Role(0), 12000); },
         "Report face {i0} auto 0/3000", {R"(1: [12000] " loan approved.")"}},
        {"advertising in an area",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowAdvertisingFinished(t.Role(0), 0, 0); },
         "Report face {i0} auto 0/3000",
         {R"(1: [{A0}] " advertising campaign finished.")", R"(2: "Zero company awareness.")"}},
        {"advertising in all cities",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowAdvertisingFinished(t.Role(0), -1, 5); },
         "Report face {i0} auto 0/3000",
         {R"(1: "All advertising campaigns finished.")", R"(2: "Complete company awareness.")"}},
        {"city project",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowInvestmentCompleted(t.Role(0), 1, 0, 0); },
         "Report face {i0} auto 0/5000",
         {R"(1: [{A1}] " city project investment completed.")", R"(2: "Very ineffective.")"}},
        {"governor donation",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowInvestmentCompleted(t.Role(0), 1, 3, 3); },
         "Report face {i0} auto 0/5000",
         {R"(1: [{A1}] " governor donatiion completed.")", R"(2: "Extremely effective.")"}},
        {"talent found with a remark",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskEmployFoundTalent(t.Role(0), t.Role(3), 2));
         },
         "Report face {i0} Cancel auto 0/0",
         {R"(1: "I headhunted " [{P3}] ".")",
          R"(2: [{P3}] " possesses extraordinary business skills.")",
          R"(3: "Employ " [{P3}] "?")"}},
        {"talent found without a remark",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskEmployFoundTalent(t.Role(0), t.Role(3), 0));
         },
         "Report face {i0} Cancel auto 0/0",
         {R"(1: "I headhunted " [{P3}] ".")", R"(2: "Employ " [{P3}] "?")"}},
        {"no talent found",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowNoTalentFound(t.Role(0)); },
         "Report face {i0} auto 0/3000", {R"(1: "No head hunting results.")"}},
    };
    CheckRows(rows);
    // OK answers every question yes but the one without the funds; each
    // row ran in a local and in a network game.
    EXPECT_EQ(answers, (std::vector<BOOL>{TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, FALSE, FALSE, TRUE,
                                          TRUE, TRUE, TRUE, TRUE, TRUE}));
}

TEST_F(ReportTest, LandOffersTenderResultsAndApplicants) {
    const int office = TypeOfCode(60);
    ASSERT_GE(office, 0);
    const std::string o = std::to_string(office);
    SOrderReport letter;
    letter.company = 0;
    letter.person = roles[3];
    letter.lines = {"I am " + Role(3)->GetName() + " ready to work hard.", "I excel in Analysis.",
                    "Will you employ " + Role(3)->GetName() + "?"};
    const std::vector<Row> rows = {
        {"lot offered",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskLandSaleOffer(0, 2, 800, 640, TRUE));
         },
         "Report panel 0 Cancel auto 0/0",
         {R"(1: {C2} " notified us this is for sale.")", R"(2: "The price is")",
          R"x(3: [800] ".(Standard price:" [640] ")")x", R"(5: "Are we going to get it?")"}},
        {"lot offered without the funds",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskLandSaleOffer(0, 2, 800, 640, FALSE));
         },
         "Report panel 0 auto 0/3000",
         {R"(1: {C2} " notified us this is for sale.")",
          R"(3: "Purchase not possible. Insufficient funds.")"}},
        {"lot bought", [](ReportTest&, CSetDrawMes& m) { m.ShowSaleAnswer(2, 1, TRUE); },
         "Report panel 2 auto 0/6000", {R"(1: {C1} " purchased this.")"}},
        {"lot not bought", [](ReportTest&, CSetDrawMes& m) { m.ShowSaleAnswer(2, 1, FALSE); },
         "Report panel 2 auto 0/6000", {R"(1: {C1} " did not purchase this.")"}},
        {"tender won",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowDevelopmentContract(3, office, 4200); },
         "Report bd " + o + " auto 0/3000",
         {"1: \"Contracted \" {C3} \" to develop a \" [{T" + o + "}] \" for \" [4200] \".\""}},
        {"tender without a winner",
         [office](ReportTest&, CSetDrawMes& m) { m.ShowBidFailed(office); },
         "Report bd " + o + " auto 0/3000", {R"(1: "Unsuccessful bid.")"}},
        {"job applicant",
         [letter](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskEmployApplicant(letter)); },
         "Report panel 0 face {i3} Cancel auto 0/0",
         {R"(1: "I am {P3} ready to work hard.")", R"(2: "I excel in Analysis.")",
          R"(3: "Will you employ {P3}?")"}},
    };
    CheckRows(rows);
    EXPECT_EQ(answers, (std::vector<BOOL>{TRUE, TRUE, FALSE, FALSE, TRUE, TRUE}));
}

// What the questions answer when the player closes them with Cancel or the
// close box (both answer IDCANCEL): no, except a sale that cannot be
// refused.
TEST_F(ReportTest, TaskQuestionsClosedWithoutOk) {
    answer = IDCANCEL;
    struct Case {
        const char* name;
        std::function<BOOL(ReportTest&, CSetDrawMes&)> ask;
        BOOL expected;
    };
    const std::vector<Case> cases = {
        {"designated sale", [](ReportTest& t, CSetDrawMes& m) { return m.AskDesignatedSale(1, 0, t.Role(0), 5, FALSE); }, FALSE},
        {"forced designated sale", [](ReportTest& t, CSetDrawMes& m) { return m.AskDesignatedSale(1, 0, t.Role(0), 5, TRUE); }, TRUE},
        {"designated purchase", [](ReportTest& t, CSetDrawMes& m) { return m.AskDesignatedPurchase(t.Role(0), 5, 0, TRUE); }, FALSE},
        {"neighbouring lot", [](ReportTest& t, CSetDrawMes& m) { return m.AskLandPurchase(t.Role(0), 5); }, FALSE},
        {"found talent", [](ReportTest& t, CSetDrawMes& m) { return m.AskEmployFoundTalent(t.Role(0), t.Role(3), 1); }, FALSE},
        {"lot offered", [](ReportTest&, CSetDrawMes& m) { return m.AskLandSaleOffer(0, 1, 5, 5, TRUE); }, FALSE},
        {"applicant", [](ReportTest&, CSetDrawMes& m) { return m.AskEmployApplicant(SOrderReport{}); }, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSetDrawMes mes(frame);
        EXPECT_EQ(c.ask(*this, mes), c.expected);
    }
}

// An awareness step outside the table leaves its line empty.
TEST_F(ReportTest, AnAwarenessStepOutsideTheTableSaysNothing) {
    CSetDrawMes(frame).ShowAdvertisingFinished(nullptr, 0, 6);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(Lines(shown[0]), (std::vector<std::string>{
                                   "1: [" + doc->GetAreaName(0) + "] \" advertising campaign finished.\"",
                                   "2: \"\""}));
}

}  // namespace
