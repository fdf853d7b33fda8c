// The network side of the main frame in this process, over a fixture game
// of three companies: the operations phase of a seat, received orders
// carried out through the game's check, the network window, the player
// table's frame members and the turn-limit and connection timers.

#include <gtest/gtest.h>

#include "shell/NetPhaseFixture.h"

namespace {

// ---- the operations phase

TEST_F(NetPhaseTest, APlayersOperationsPhaseOpensWithTheNoticeAndInput) {
    Seat(false);
    RecordNotice();
    frame->ShowNetworkWindow(0, 1, 0);
    frame->EnableInput(0);
    frame->SetSaveBlocked(1);
    frame->SetOrdersComplete(1);
    for (int c = 0; c < doc->CompanyCount(); ++c) Company(c).SetAuctionBid(100, 0, 1, 1, -1);

    frame->BeginNetworkOperations();

    EXPECT_EQ(notice.shown, 1);
    EXPECT_EQ(notice.caption, "MERCAVO");
    EXPECT_EQ(notice.line1, "Administer company.operations.");
    EXPECT_EQ(notice.line2, "(Time limit:60 seconds)");
    EXPECT_EQ(notice.autoClose, 3000);
    EXPECT_EQ(notice.reshow, TRUE);
    EXPECT_EQ(notice.windowShownWhileOpen, 0);
    EXPECT_EQ(Log().back(), "Please begin running " + Company(kOwnCompany).GetName() + ".");
    EXPECT_EQ(frame->IsInputEnabled(), 1);
    EXPECT_EQ(frame->IsSaveBlocked(), 0);
    EXPECT_EQ(frame->IsOrdersComplete(), 0);
    EXPECT_EQ(frame->IsHumanTurnOpen(), 1);
    for (int c = 0; c < doc->CompanyCount(); ++c)
        EXPECT_TRUE(Company(c).GetAuctionBid() == CEnterprise::SLotSale()) << c;
}

TEST_F(NetPhaseTest, TheOperationsMessageStartsTheTurnLimitThatEndsTheTurn) {
    Seat(true);
    RecordNotice();
    frame->SendMessage(CMainFrame::WM_NET_OPERATIONS, 0, 0);
    EXPECT_EQ(frame->GetSessionState(), 4);
    EXPECT_EQ(notice.shown, 1);
    EXPECT_EQ(frame->IsNetworkWindowShown(), 1);
    EXPECT_EQ(frame->IsHumanTurnOpen(), 1);
    EXPECT_EQ(frame->IsInputEnabled(), 1);
    // At time scale 0 the limit is up at once: End Operations follows.
    CMessageLoop::PumpPending();
    EXPECT_EQ(frame->IsForcedEnd(), 1);
    EXPECT_EQ(frame->IsOrdersComplete(), 1);
    EXPECT_EQ(frame->IsHumanTurnOpen(), 0);
    EXPECT_EQ(frame->IsInputEnabled(), 0);
}

TEST_F(NetPhaseTest, SeatsThatDoNotGiveOrdersEndOrWaitAtOnce) {
    struct SCase {
        const char* name;
        bool host, observer, strike, lostCompany;
        const char* status;
        // An observer that is not the host waits for the next phase.
        bool turnEnded;
    };
    const SCase cases[] = {
        {"observer host without players", true, true, false, false, "Company management.", true},
        {"observer client", false, true, false, false, "Company management.", false},
        {"company on strike", false, false, true, false, "Strike Occurring.", true},
        {"own company gone", false, false, false, true, "Company management.", false},
        {"own company gone at the host", true, false, false, true, "Company management.", false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        frame->GetFrameState().GetPeers().clear();
        Seat(c.host, c.observer);
        // The observer host's only other entry watches too.
        if (c.host) frame->GetNetPlayers().SetNetPlayerRole(otherEntry, 2);
        Company(kOwnCompany).SetStrike(c.strike ? 1 : 0);
        if (c.lostCompany) frame->GetNetPlayers().SetNetPlayerCompany(ownEntry, -1);
        RecordNotice();
        notice = SNotice();
        frame->EnableInput(0);
        frame->SetSaveBlocked(1);
        const size_t logLines = Log().size();

        frame->BeginNetworkOperations();

        EXPECT_EQ(StatusText(), c.status);
        EXPECT_EQ(frame->IsHumanTurnOpen(), c.turnEnded ? 0 : 1);
        EXPECT_EQ(notice.shown, 0);
        EXPECT_EQ(frame->IsInputEnabled(), 0);
        EXPECT_EQ(frame->IsSaveBlocked(), 1);
        EXPECT_EQ(Log().size(), logLines);
    }
}

// ---- received orders

TEST_F(NetPhaseTest, ReceivedOrdersThatFailTheGamesCheckAreDroppedAndLogged) {
    Seat(true);
    CEnterprise& other = Company(kOtherCompany);
    const int d = other.GetDirectorIndex(0);
    const int debt = other.GetDebt();
    const CCellPoint bare(2, 2), outside(6, 0);
    std::vector<CCmdSet>& orders = frame->GetNetPlayers().Entry(otherEntry)->turnOrders;
    orders = {
        Order(eORDER_ADVERTISING_COST, {}, {}, {}, {250}),
        Order(eORDER_RECRUIT_EMPLOYEES, {9999}, {}, {}, {}),           // person
        Order(eORDER_PURCHASE_STOCK, {d}, {}, {}, {3}),                // company
        Order(eORDER_REINFORCE, {d}, {2}, {bare}, {}),                 // area
        Order(eORDER_REINFORCE, {d}, {0}, {outside}, {}),              // cell
        Order(eORDER_SELL_TEAM, {}, {}, {}, {3}),                      // league
        Order(eORDER_ACQUIRE_TEAM, {}, {1}, {CCellPoint(5, 4)}, {2, 2, 10}),  // team
        Order(eORDER_SALARY, {}, {}, {}, {3, 10, 0}),                  // salary row
        Order(eORDER_REPAY_LOAN, {}, {}, {}, {100}),
    };
    const size_t logLines = Log().size();

    frame->ExecuteCmdSet(kOtherCompany);

    EXPECT_EQ(other.GetAdvertisingCost(), 250);
    EXPECT_EQ(other.GetDebt(), debt - 100);
    const std::vector<std::string> log = Log();
    const std::vector<std::string> dropped(log.begin() + static_cast<long>(logLines), log.end());
    const std::vector<std::string> expected = {
        "]An invalid order (type 12) from Other was dropped.",
        "]An invalid order (type 4) from Other was dropped.",
        "]An invalid order (type 10) from Other was dropped.",
        "]An invalid order (type 10) from Other was dropped.",
        "]An invalid order (type 7) from Other was dropped.",
        "]An invalid order (type 6) from Other was dropped.",
        "]An invalid order (type 11) from Other was dropped.",
    };
    // Applying may add the game's own lines; the dropped ones come in order.
    std::vector<std::string> found;
    for (const std::string& line : dropped)
        if (line.rfind("]An invalid order", 0) == 0) found.push_back(line);
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(frame->GetCurrentOrder().empty());
}

TEST_F(NetPhaseTest, OrdersOfACompanyWithoutItsPlayerOrOfThisSeatAreNotApplied) {
    Seat(true);
    frame->GetNetPlayers().Entry(ownEntry)->turnOrders = {
        Order(eORDER_ADVERTISING_COST, {}, {}, {}, {250})};
    frame->GetNetPlayers().Entry(otherEntry)->turnOrders = {
        Order(eORDER_ADVERTISING_COST, {}, {}, {}, {350})};
    const int ownCost = Company(kOwnCompany).GetAdvertisingCost();
    frame->ExecuteCmdSet(kOwnCompany);
    EXPECT_EQ(Company(kOwnCompany).GetAdvertisingCost(), ownCost);

    const int otherCost = Company(kOtherCompany).GetAdvertisingCost();
    frame->RemoveNetPlayer(kOtherId + 100, 1);
    EXPECT_EQ(frame->RemoveNetPlayer(frame->GetNetPlayerId(otherEntry), 1), 1);
    frame->ExecuteCmdSet(kOtherCompany);
    EXPECT_EQ(Company(kOtherCompany).GetAdvertisingCost(), otherCost);
    // Company indexes outside the game change nothing.
    frame->ExecuteCmdSet(-1);
    frame->ExecuteCmdSet(doc->CompanyCount());
}

// ---- the player table through the frame

TEST_F(NetPhaseTest, ReleasingThisSeatsCompanyMakesItAnObserver) {
    Seat(true);
    frame->ReleaseCompanyOfNetPlayer(kOtherCompany);
    EXPECT_EQ(frame->GetFrameState().IsObserver(), 0);
    EXPECT_EQ(frame->GetNetPlayerRole(otherEntry), 2);
    frame->ReleaseCompanyOfNetPlayer(kOwnCompany);
    EXPECT_EQ(frame->GetFrameState().IsObserver(), 1);
    EXPECT_EQ(frame->GetNetPlayerCompany(ownEntry), -1);
    EXPECT_EQ(frame->IsNetworkClient(), 0);
}

TEST_F(NetPhaseTest, TheIndicatorsStepModuloEight) {
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(frame->StepIndicator(0), i % 8);
    EXPECT_EQ(frame->StepIndicator(1), 1);
    EXPECT_EQ(frame->StepIndicator(2), 0);
}

// ---- the network window

TEST_F(NetPhaseTest, TheNetworkWindowTitleNamesTheHostAndAClientsPassword) {
    struct SCase {
        bool host;
        const char* password;
        const char* title;
    };
    const SCase cases[] = {
        {true, "", "MERCAVO-NETWORK <Connection 10.0.0.5>"},
        {true, "secret", "MERCAVO-NETWORK <Connection 10.0.0.5>"},
        {false, "", "MERCAVO-NETWORK <Connection 10.0.0.5>"},
        {false, "secret", "MERCAVO-NETWORK [Password secret] <Connection 10.0.0.5>"},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(CMainFrame::NetworkWindowTitle(c.host, c.password, "10.0.0.5"), c.title);
    // Texts of any length are taken whole.
    const std::string longText(2000, 'p');
    EXPECT_EQ(CMainFrame::NetworkWindowTitle(false, longText, longText).size(),
              std::string("MERCAVO-NETWORK [Password ] <Connection >").size() + 4000);
}

TEST_F(NetPhaseTest, TheNetworkWindowSwitchesOnlyInANetworkGame) {
    frame->ShowNetworkWindow(1, 0, 0);
    frame->ShowNetworkWindow();
    EXPECT_EQ(frame->IsNetworkWindowShown(), 0);

    frame->GetFrameState().SetNetworkRoles(1, 0, 0);
    frame->ShowNetworkWindow(0, 1, 0);
    EXPECT_EQ(frame->IsNetworkWindowShown(), 1);
    frame->ShowNetworkWindow();
    EXPECT_EQ(frame->IsNetworkWindowShown(), 0);
    frame->ShowNetworkWindow(1, 0, 1);
    EXPECT_EQ(frame->IsNetworkWindowShown(), 1);
    frame->ShowNetworkWindow(0, 0, 0);
    EXPECT_EQ(frame->IsNetworkWindowShown(), 0);
}

// ---- timers

TEST_F(NetPhaseTest, TheTurnLimitEndsTheTurnOnlyWhileOrdersAreIncomplete) {
    for (int complete : {1, 0}) {
        SCOPED_TRACE(complete);
        CMessageLoop::RemoveMessages(frame, WM_COMMAND, WM_COMMAND);
        frame->SetOrdersComplete(complete);
        frame->SendMessage(WM_TIMER, CMainFrame::kTurnLimitTimerId, 0);
        EXPECT_EQ(frame->IsOrdersComplete(), 1);
        EXPECT_EQ(frame->IsForcedEnd(), complete ? 0 : 1);
        EXPECT_EQ(Queued(WM_COMMAND, 40200), !complete);
    }
}

TEST_F(NetPhaseTest, TheConnectionTimeOutIsRefusedAndStartsAgain) {
    CAutoAnswer::Set(true);
    testing::internal::CaptureStderr();
    frame->SendMessage(WM_TIMER, CMainFrame::kConnectTimerId, 0);
    const std::string answered = testing::internal::GetCapturedStderr();
    EXPECT_NE(answered.find("Connection refused."), std::string::npos) << answered;
    EXPECT_TRUE(Queued(CMainFrame::WM_START_GAME, 0));
}

}  // namespace
