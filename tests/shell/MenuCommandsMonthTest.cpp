// A month played through the commands: a new game with one human company,
// the month's chain up to the human's turn, two orders given from the menu
// and confirmed, Ctrl+Q, and the chain on to the next month's turn with the
// orders carried out.

#include <gtest/gtest.h>

#include "fakes/ScriptedDialogs.h"
#include "game/MonthChain.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "model/services/Services.h"
#include "resources/MercavoIds.h"
#include "shell/MenuCommandsFixture.h"

namespace {

using namespace mercavo_ids;

class MenuCommandsMonthTest : public MenuCommandsTest {
protected:
    void TearDown() override {
        Services::SetDialogs(nullptr);
        MenuCommandsTest::TearDown();
    }
    // Dispatches the chain's messages until the human's turn is open; false
    // when the chain stopped without it.
    bool RunToHumanTurn() {
        return CMessageLoop::WaitDispatching(kMostMs, [this] { return frame->IsHumanTurnOpen() != 0; });
    }
    static constexpr int kMostMs = 300000;
    static constexpr int kMostMonths = 6;
};

TEST_F(MenuCommandsMonthTest, OrdersGivenFromTheMenuAreCarriedOutByTheNextTurn) {
    StartWithNewGame(3);
    // A second director, so that both orders find one free.
    HireDirector(0);
    ASSERT_EQ(Own().CountFreeDirectors(), 2);
    const int recruiter = Own().GetDirectorIndex(0);
    const int borrower = Own().GetDirectorIndex(1);
    CScriptedDialogService dialogService;
    dialogService.personAnswers = {{true, recruiter, false}, {true, borrower, false}};
    Services::SetDialogs(&dialogService);
    Own().SetFunds(1000);

    // The month runs as the game's chain runs it.
    CMainFrame::SetChainGate(nullptr);
    frame->PostMessage(ePHASE_MONTH_START, 0, 0);
    ASSERT_TRUE(RunToHumanTurn());
    ASSERT_EQ(doc->GetTurnEnterprise(-1), 0);
    const int month = doc->GetMonthIndex();
    const int employees = Own().GetEmployees();
    const int debt = Own().GetDebt();

    reports.clear();
    ASSERT_TRUE(frame->IsCommandEnabled(kRecruitEmployees));
    Command(kRecruitEmployees);
    ASSERT_TRUE(frame->IsCommandEnabled(kLoan));
    Command(kLoan);
    // Both confirmations were shown (and answered OK), both directors work.
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("I will recruit new employees."), std::string::npos) << reports[0];
    EXPECT_NE(reports[1].find("I will apply for a loan."), std::string::npos) << reports[1];
    EXPECT_NE(doc->GetDirector(recruiter)->GetTaskKind(), 0);
    const int workLeft = doc->GetDirector(recruiter)->GetTaskWorkLeft();
    EXPECT_NE(doc->GetDirector(borrower)->GetTaskKind(), 0);
    EXPECT_EQ(Own().CountFreeDirectors(), 0);
    EXPECT_FALSE(frame->IsCommandEnabled(kLoan));

    // Ctrl+Q ends the turn; the month runs on to the next one's turn.
    EXPECT_TRUE(Key('Q', true));
    EXPECT_EQ(frame->IsHumanTurnOpen(), 0);
    ASSERT_TRUE(RunToHumanTurn());
    EXPECT_EQ(doc->GetMonthIndex(), month + 1);
    // The loan was granted within the month; the recruitment has made
    // headway and brings its employees once its work is done, in a later
    // month's task phase.
    EXPECT_GT(Own().GetDebt(), debt);
    const CPersonData& recruiting = *doc->GetDirector(recruiter);
    EXPECT_LT(recruiting.GetTaskWorkLeft(), workLeft);
    for (int months = 0; months < kMostMonths && recruiting.GetTaskKind() != 0; ++months) {
        EXPECT_TRUE(Key('Q', true));
        ASSERT_TRUE(RunToHumanTurn());
    }
    EXPECT_EQ(recruiting.GetTaskKind(), 0);
    EXPECT_GT(Own().GetEmployees(), employees);
}

}  // namespace
