// The main frame's commands on a loaded game: what each does, the guard of
// a player's turn, the commands that act at any time, the help and web
// pages, and the rules as the frame reads them from the game.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/MessageBox.h"
#include "resources/MercavoIds.h"
#include "shell/CommandRules.h"
#include "shell/MenuCommandsFixture.h"

namespace {

using namespace mercavo_ids;

TEST_F(MenuCommandsTest, ThePlayersCommandsDoNothingWhileNoHumanTurnIsOpen) {
    StartWithGame();
    ASSERT_EQ(frame->IsHumanTurnOpen(), 0);
    // A mode that any command of a player would end first.
    Command(kProsperityDisplay);
    ASSERT_EQ(frame->GetMapMode(), CCommandRules::kMapProsperity);
    answer = [](CStandInDialog&) { return IDOK; };
    const UINT guarded[] = {kShowAcquired, kPortfolio, kPartialMap, kPurchaseDesignated,
                            kAcquireLand, kSellRealEstate, kPurchaseStock, kSellStock,
                            kPurchaseTeam, kSellTeam, kConstruction, kDemolition, kReinforce,
                            kSalary, kRecruitEmployees, kRecruitManagement, kHeadhunting,
                            kAbandonProject, kLayoff, kAdvertising, kAdvertisingCost, kLoan,
                            kRepayLoan, kAdvice, kInvestment, kScore, kFinancialSupport,
                            kChangeHomeField, kOptions};
    const int funds = Own().GetFunds();
    for (UINT id : guarded) {
        Command(id);
        EXPECT_EQ(frame->GetMapMode(), CCommandRules::kMapProsperity) << id;
    }
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(Own().GetFunds(), funds);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(MenuCommandsTest, ZoomEntriesStoreTheirRateAndAChosenRateAgainDoesNothing) {
    StartWithGame();
    for (UINT id : {kZoom50, kZoom75, kZoom100, kZoom125, kZoom150, kZoom200}) {
        Command(id);
        EXPECT_EQ(frame->GetMapDrawRate(), CCommandRules::ZoomRate(id)) << id;
        CCmdUI ui;
        ui.m_nID = id;
        frame->UpdateCommand(&ui);
        EXPECT_EQ(ui.check, 1) << id;
    }
    // At 200 % the map scrolls; choosing 200 % again keeps the position,
    // another rate starts again from the top left.
    Map().SendMessage(WM_HSCROLL, SB_PAGEDOWN, 0);
    Map().SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    const int x = Map().GetScrollX(), y = Map().GetScrollY();
    ASSERT_GT(x + y, 0);
    Command(kZoom200);
    EXPECT_EQ(Map().GetScrollX(), x);
    EXPECT_EQ(Map().GetScrollY(), y);
    Command(kZoom150);
    EXPECT_EQ(Map().GetScrollX() + Map().GetScrollY(), 0);
}

TEST_F(MenuCommandsTest, ViewDirectionsTurnTheMapThroughTheView) {
    StartWithGame();
    struct SCase {
        UINT id;
        int direction;
        int turns;
    };
    // From south: to west a quarter, to east a half (two steps), to east
    // again nothing, to north a half.
    doc->SetViewDirection(2);
    const SCase cases[] = {{kViewWest, 3, 1}, {kViewEast, 1, 2}, {kViewEast, 1, 0},
                           {kViewNorth, 0, 1}};
    for (const SCase& c : cases) {
        Map().ClearCalls();
        Command(c.id);
        EXPECT_EQ(doc->GetViewDirection(), c.direction) << c.id;
        EXPECT_EQ(CallsNamed("AnimateTurn"), c.turns) << c.id;
    }
}

TEST_F(MenuCommandsTest, TheProsperityDisplayTogglesAlsoWhileInputIsOff) {
    StartWithGame();
    for (int input : {1, 0}) {
        frame->EnableInput(input);
        Command(kProsperityDisplay);
        EXPECT_EQ(frame->GetMapMode(), CCommandRules::kMapProsperity) << input;
        Command(kProsperityDisplay);
        EXPECT_EQ(frame->GetMapMode(), 0) << input;
    }
}

TEST_F(MenuCommandsTest, TheCursorGoesToTheMapsCentreOnlyDuringAPick) {
    StartWithGame();
    const CMapDoc& map = doc->GetMap();
    Map().ClearCalls();
    Command(kCursorToCentre);
    EXPECT_EQ(CallsNamed("SetCursorCell"), 0);
    frame->SetMapPickMode(1, 1, 1);
    Map().ClearCalls();
    Command(kCursorToCentre);
    const CMapDrawWnd::SCall centre{"SetCursorCell", (map.GetGridWidth() - 1) / 2,
                                    (map.GetGridHeight() - 1) / 2, 1};
    ASSERT_FALSE(Map().GetCalls().empty());
    EXPECT_EQ(Map().GetCalls().front(), centre);
}

TEST_F(MenuCommandsTest, HistoryTextsAreWrittenForEveryCompanyAtAnyTime) {
    StartWithGame();
    frame->EnableInput(0);
    // The program folder of this test: company 1's file cannot be written
    // (a folder has its name), which costs only that company's text.
    CTempFolder home;
    const char* before = std::getenv("MERCAVO_HOME");
    const std::string kept = before ? before : "";
    std::filesystem::create_directories(home.Folder() + "HIST_1.TXT");
    setenv("MERCAVO_HOME", home.Folder().c_str(), 1);
    Command(kHistoryTexts);
    setenv("MERCAVO_HOME", kept.c_str(), 1);
    EXPECT_TRUE(std::filesystem::is_directory(home.Folder() + "HIST_1.TXT"));
    for (const char* name : {"HIST_2.TXT", "HIST_3.TXT"}) {
        EXPECT_GT(std::filesystem::file_size(home.Folder() + name), 0u) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(home.Folder() + "HIST_4.TXT"));
}

TEST_F(MenuCommandsTest, TheNewDocumentAndEditKeysDoNothing) {
    StartWithGame();
    const std::vector<uint8_t> before = doc->SaveBytes();
    for (UINT id : {kFileNew, kEditCopy, kEditCut, kEditPaste, kEditUndo, kNextPane, kPrevPane}) {
        Command(id);
        EXPECT_EQ(app->GetDocument(), doc) << id;
        EXPECT_EQ(doc->CompanyCount(), 3) << id;
        EXPECT_FALSE(doc->IsModified()) << id;
    }
    EXPECT_EQ(doc->SaveBytes(), before);
    EXPECT_TRUE(frame->IsWindow());
}

TEST_F(MenuCommandsTest, HelpAndWebPagesOpenInTheBrowser) {
    StartWithGame();
    const std::string about = "file://" + app->GetProgramDirectory() + "hlp/about_mercavo.html";
    const std::string start = "file://" + app->GetProgramDirectory() + "hlp/how_to_play.html";
    struct SCase {
        UINT id;
        std::string page;
    };
    const SCase cases[] = {{kHelpTopics, about}, {kHelpContext, about}, {kHelpF1, about},
                           {kHelpIndex, about},  {kHomepage, about},    {kGettingStarted, start}};
    for (const SCase& c : cases) {
        opened.clear();
        Command(c.id);
        EXPECT_EQ(opened, std::vector<std::string>{"xdg-open " + c.page}) << c.id;
    }
    // The chat room lives in the web folder given at build time; without
    // one nothing opens.
    opened.clear();
    CMainFrame::SetWebFolder("");
    Command(kChatRoom);
    EXPECT_TRUE(opened.empty());
    for (const char* folder : {"https://players.example.org/mercavo", "https://players.example.org/mercavo/"}) {
        opened.clear();
        CMainFrame::SetWebFolder(folder);
        Command(kChatRoom);
        EXPECT_EQ(opened, std::vector<std::string>{
                              "xdg-open https://players.example.org/mercavo/mnetchat.cgi"});
    }
}

TEST_F(MenuCommandsTest, SaveIsTheHostsWhileSavingIsAllowed) {
    StartWithGame();
    struct SCase {
        const char* seat;
        int network, host, blocked;
        bool enabled;
    };
    const SCase cases[] = {{"local", 0, 0, 0, true},
                           {"local, flag left set", 0, 0, 1, true},
                           {"client", 1, 0, 0, false},
                           {"host", 1, 1, 0, true},
                           {"host while blocked", 1, 1, 1, false}};
    for (const SCase& c : cases) {
        frame->GetFrameState().SetNetworkRoles(c.network, c.host, 0);
        frame->SetSaveBlocked(c.blocked);
        for (UINT id : {kFileSave, kFileSaveAs}) {
            EXPECT_EQ(frame->IsCommandEnabled(id), c.enabled) << c.seat << " " << id;
        }
        EXPECT_EQ(frame->IsCommandEnabled(kFileOpen), c.network == 0) << c.seat;
    }
}

TEST_F(MenuCommandsTest, EndOperationsNeedsInput) {
    StartWithGame();
    frame->EnableInput(0);
    Command(kEndOperations);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(MenuCommandsTest, TheRulesReadTheCompanyAtThisSeat) {
    StartWithGame();
    SCommandState s = frame->CollectCommandState();
    EXPECT_TRUE(s.company);
    EXPECT_EQ(s.freeDirectors, Own().CountFreeDirectors());
    EXPECT_EQ(s.busyDirectors, Own().GetDirectorCount() - Own().CountFreeDirectors());
    EXPECT_EQ(s.funds, SOrderGame::kFunds);
    EXPECT_EQ(s.debt, SOrderGame::kDebt);
    EXPECT_EQ(s.employeesAtWork, SOrderGame::kEmployeesAtWork);
    EXPECT_EQ(s.teams, 1);
    EXPECT_TRUE(s.input);
    // Company 1 holds shares of company 0.
    doc->SetTurnOrderEntry(0, 1);
    EXPECT_TRUE(frame->CollectCommandState().sharesHeld);
    // An observer of a network game has no company; a player has his own
    // entry's.
    frame->GetFrameState().SetNetworkRoles(1, 0, 1);
    EXPECT_FALSE(frame->CollectCommandState().company);
    EXPECT_EQ(frame->GetSeatCompany(), -1);
    frame->GetFrameState().SetNetworkRoles(1, 0, 0);
    CFrameState::SPeer self;
    self.company = 2;
    self.localFlag = 1;
    frame->GetFrameState().GetPeers().push_back(self);
    EXPECT_EQ(frame->GetSeatCompany(), 2);
}

TEST_F(MenuCommandsTest, AMapClickReachesAnOrderOnlyDuringAPick) {
    StartWithGame();
    // Without a pick a click is no order: nothing asks or reports.
    frame->BeginMapMode(CCommandRules::kMapPurchase);
    frame->OnMapPick(CCellPoint(1, 1));
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(dialogs.empty());
}

}  // namespace
