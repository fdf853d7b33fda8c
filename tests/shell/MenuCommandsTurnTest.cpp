// The main frame's commands during a player's turn: the picks they start,
// toggle and switch, the funds that demolition and reinforcement need, the
// display of the company's real estate, the construction choice, and the
// dialogs of salary, advertising cost, options and the partial map.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/DlgInputStructure.h"
#include "dialogs/InputPublicityDlg.h"
#include "dialogs/OptionDlg.h"
#include "dialogs/SetWageDlg.h"
#include "fakes/ScriptedDialogs.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/services/Services.h"
#include "platform/ui/MessageBox.h"
#include "resources/MercavoIds.h"
#include "shell/CommandRules.h"
#include "shell/FrameSound.h"
#include "shell/MenuCommandsFixture.h"

namespace {

using namespace mercavo_ids;

class MenuCommandsTurnTest : public MenuCommandsTest {
protected:
    void SetUp() override {
        MenuCommandsTest::SetUp();
        StartWithGame();
        OpenHumanTurn();
        ASSERT_EQ(frame->IsHumanTurnOpen(), 1);
    }
    void TearDown() override {
        Services::SetDialogs(nullptr);
        MenuCommandsTest::TearDown();
    }
    int Mode() { return frame->GetMapMode(); }
    bool SawReport(const std::string& text) {
        for (const std::string& r : reports)
            if (r.find(text) != std::string::npos) return true;
        return false;
    }
};

constexpr const char* kShortFunds = "Inadequate funds.  Not possible.";

TEST_F(MenuCommandsTurnTest, TheGuardEndsTheCurrentModeFirst) {
    Command(kProsperityDisplay);
    ASSERT_EQ(Mode(), CCommandRules::kMapProsperity);
    Command(kPurchaseDesignated);
    EXPECT_EQ(Mode(), CCommandRules::kMapPurchase);
    EXPECT_EQ(frame->GetPickFlag(), 1);
}

TEST_F(MenuCommandsTurnTest, PicksToggleAndSwitch) {
    Own().SetFunds(100000);
    // Construction's choice takes the first type the company can build.
    answer = [](CStandInDialog&) { return IDOK; };
    struct SCase {
        const char* what;
        std::vector<UINT> commands;
        int mode;
        int pick;
    };
    const SCase cases[] = {
        {"purchase", {kPurchaseDesignated}, CCommandRules::kMapPurchase, 1},
        {"purchase twice", {kPurchaseDesignated, kPurchaseDesignated}, 0, 0},
        {"sale", {kSellRealEstate}, CCommandRules::kMapSale, 1},
        {"sale twice", {kSellRealEstate, kSellRealEstate}, 0, 0},
        {"sale then purchase", {kSellRealEstate, kPurchaseDesignated},
         CCommandRules::kMapPurchase, 1},
        {"construction", {kConstruction}, CCommandRules::kMapConstruction, 1},
        {"construction twice", {kConstruction, kConstruction}, 0, 0},
        {"reinforcement twice", {kReinforce, kReinforce}, 0, 0},
        {"demolition then construction", {kDemolition, kConstruction}, 0, 0},
        {"construction then demolition", {kConstruction, kDemolition},
         CCommandRules::kMapConstruction, 1},
    };
    for (const SCase& c : cases) {
        frame->EndMapPick(1);
        for (UINT id : c.commands) Command(id);
        EXPECT_EQ(Mode(), c.mode) << c.what;
        EXPECT_EQ(frame->GetPickFlag(), c.pick) << c.what;
    }
}

TEST_F(MenuCommandsTurnTest, DemolitionAndReinforcementNeedTheirFunds) {
    struct SCase {
        UINT id;
        int funds;
        int mode;
        bool reported;
    };
    const SCase cases[] = {{kDemolition, 10, CCommandRules::kMapConstruction, false},
                           {kDemolition, 9, 0, true},
                           {kReinforce, 5, CCommandRules::kMapReinforce, false},
                           {kReinforce, 4, 0, true}};
    for (const SCase& c : cases) {
        frame->EndMapPick(1);
        frame->SetChangeFlag(0, 7);
        reports.clear();
        Own().SetFunds(c.funds);
        Command(c.id);
        EXPECT_EQ(Mode(), c.mode) << c.id << " with " << c.funds;
        EXPECT_EQ(SawReport(kShortFunds), c.reported) << c.id << " with " << c.funds;
        EXPECT_EQ(frame->GetPickFlag(), c.reported ? 0 : 1);
        // A demolition is choice -1 of the construction pick.
        if (c.id == kDemolition && !c.reported) {
            EXPECT_EQ(frame->GetChangeFlag(0), -1);
        }
    }
}

TEST_F(MenuCommandsTurnTest, AcquiredRealEstateIsMarkedTogglesAndBeepsWithNothing) {
    CMapData& area = doc->GetMap().GetArea(app->GetMainView()->GetShownArea());
    // Nothing of the company's in the shown area: a beep, no mode.
    for (int y = 0; y < area.GetHeight(); ++y)
        for (int x = 0; x < area.GetWidth(); ++x)
            if (area.GetCellOwner(x, y) == 1) area.SetCellOwner(x, y, 0);
    const int beeps = GetMessageBeepCount();
    Command(kShowAcquired);
    EXPECT_EQ(Mode(), 0);
    EXPECT_EQ(GetMessageBeepCount(), beeps + 1);
    // A lot of its own: marked, mode 1; chosen again it ends.
    area.SetCellOwner(1, 1, 1);
    Command(kShowAcquired);
    EXPECT_EQ(Mode(), CCommandRules::kMapAcquired);
    Command(kShowAcquired);
    EXPECT_EQ(Mode(), 0);
    // With Shift held it is the portfolio list.
    Own().AddAreaBuildings(app->GetMainView()->GetShownArea(), 1);
    CScriptedDialogService dialogService;
    Services::SetDialogs(&dialogService);
    CKeyState::SetDown(VK_SHIFT, true);
    Map().ClearCalls();
    Command(kShowAcquired);
    CKeyState::SetDown(VK_SHIFT, false);
    EXPECT_EQ(Mode(), 0);
    EXPECT_EQ(CallsNamed("MarkCompanyCells"), 0);
    ASSERT_FALSE(dialogService.calls.empty());
    EXPECT_EQ(dialogService.calls.front().rfind("ShowProperties", 0), 0u)
        << dialogService.calls.front();
}

TEST_F(MenuCommandsTurnTest, TheChosenStructureGoesToSlotZeroAndSizesThePick) {
    Own().SetFunds(100000);
    // The player steps to the last entry the company can build.
    int chosen = -1;
    answer = [&chosen](CStandInDialog& dialog) {
        auto& list = dynamic_cast<CDlgInputStructure&>(dialog);
        for (int i = 0; i < list.GetEntryCount(); ++i)
            if (list.GetEntry(i).buildable) list.SelectEntry(i);
        chosen = list.GetSelectedStructure();
        return IDOK;
    };
    Map().ClearCalls();
    Command(kConstruction);
    ASSERT_GE(chosen, 0);
    const CBD& type = *doc->GetMap().GetStructureType(chosen);
    int w = 0, h = 0;
    type.GetSize(w, h);
    EXPECT_EQ(frame->GetChangeFlag(0), chosen);
    EXPECT_EQ(Mode(), CCommandRules::kMapConstruction);
    const CMapDrawWnd::SCall size{"SetCursorSize", w, h};
    EXPECT_NE(std::find(Map().GetCalls().begin(), Map().GetCalls().end(), size),
              Map().GetCalls().end());
    // An entry the company cannot build is not taken.
    frame->EndMapPick(1);
    Own().SetFunds(0);
    answer = [](CStandInDialog& dialog) {
        auto& list = dynamic_cast<CDlgInputStructure&>(dialog);
        if (list.GetEntryCount() > 0) list.SelectEntry(0);
        return IDOK;
    };
    Command(kConstruction);
    EXPECT_EQ(Mode(), 0);
    EXPECT_EQ(dialogs.back(), "Construction - Building Selection");
}

TEST_F(MenuCommandsTurnTest, SalaryAndAdvertisingCostAreIssuedOnOk) {
    const int director = Own().GetDirectorIndex(0);
    answer = [](CStandInDialog& dialog) {
        if (auto* wage = dynamic_cast<CSetWageDlg*>(&dialog)) {
            EXPECT_EQ(wage->GetFrameNotify(), 0);
            wage->SetSalary(1, 77);
        }
        if (auto* cost = dynamic_cast<CInputPublicityDlg*>(&dialog)) cost->SetCost(123);
        return IDOK;
    };
    Command(kSalary);
    EXPECT_EQ(doc->GetDirector(director)->GetSalary(), 77);
    Command(kAdvertisingCost);
    EXPECT_EQ(Own().GetAdvertisingCost(), 123);
    // Cancel changes nothing.
    answer = [](CStandInDialog& dialog) {
        if (auto* cost = dynamic_cast<CInputPublicityDlg*>(&dialog)) cost->SetCost(5);
        return IDCANCEL;
    };
    Command(kAdvertisingCost);
    EXPECT_EQ(Own().GetAdvertisingCost(), 123);
}

TEST_F(MenuCommandsTurnTest, OptionsOnOkWriteTheWaitTimeAndStartTheOperationsMusic) {
    CProfile profile("QUELF", "MERCAVO\\1.0");
    const int wait = doc->GetWaitTime();
    answer = [](CStandInDialog&) { return IDCANCEL; };
    Command(kOptions);
    EXPECT_EQ(profile.GetProfileInt("OptionData", "WaitTime", -1), -1);
    EXPECT_EQ(doc->GetWaitTime(), wait);
    EXPECT_FALSE(doc->IsModified());

    frame->StopMusic(1);
    answer = [](CStandInDialog& dialog) {
        auto& options = dynamic_cast<COptionDlg&>(dialog);
        options.SetWaitTime(42);
        options.SetGameMusic(1);
        options.SetSceneMusic(3, 7);
        return IDOK;
    };
    Command(kOptions);
    EXPECT_EQ(CProfile("QUELF", "MERCAVO\\1.0").GetProfileInt("OptionData", "WaitTime", -1), 42);
    EXPECT_EQ(doc->GetWaitTime(), 42);
    EXPECT_EQ(frame->GetSound()->Options().musicIndex[3], 7);
    // Playing, or waiting for the device.
    const CFrameSound& sound = *frame->GetSound();
    EXPECT_TRUE(sound.GetPlayingFile() == 7 || sound.GetPendingFile() == 7)
        << sound.GetPlayingFile() << " " << sound.GetPendingFile();
    EXPECT_TRUE(doc->IsModified());
    // Music off stops it.
    answer = [](CStandInDialog& dialog) {
        dynamic_cast<COptionDlg&>(dialog).SetGameMusic(0);
        return IDOK;
    };
    Command(kOptions);
    EXPECT_EQ(sound.GetPlayingFile(), -1);
    EXPECT_EQ(sound.GetPendingFile(), -1);
}

TEST_F(MenuCommandsTurnTest, ThePartialMapReturnsToTheFullMapWhenClosed) {
    answer = [this](CStandInDialog&) {
        Map().SetTopographyOnly(1);
        Map().SetPartView(3);
        return IDOK;
    };
    Command(kPartialMap);
    EXPECT_EQ(dialogs, std::vector<std::string>{"Partial Map Display"});
    EXPECT_EQ(Map().SetTopographyOnly(0), 0);
    EXPECT_EQ(Map().SetPartView(-1), 0);
}

TEST_F(MenuCommandsTurnTest, EndOperationsEndsTheTurn) {
    Command(kPurchaseDesignated);
    Command(kEndOperations);
    EXPECT_EQ(Mode(), 0);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(frame->IsHumanTurnOpen(), 0);
}

}  // namespace
