// The dialogs of a network game's gathering: the company detail entry of a
// client or observer, the address prompt of a reopened network game, and
// the host's and the client's start buttons.

#include <gtest/gtest.h>

#include "dialogs/DialogBench.h"
#include "dialogs/TranslatedPump.h"
#include "dialogs/DlgInputEnterprise.h"
#include "dialogs/DlgInputNetworkIP.h"
#include "dialogs/StartNetworkBtnWnd.h"
#include "resources/SetUpIds.h"

namespace {

using namespace setup_ids;
using namespace dialog_script;

constexpr unsigned kStartMessage = 0x572;
constexpr unsigned kGameWindowMessage = 0x573;

class NetworkSetUpTest : public DialogBench {
protected:
    void TearDown() override {
        CAutoAnswer::SetScript(nullptr);
        DialogBench::TearDown();
    }
    // Questions answered with `answer` (0: their default) and recorded.
    void Answer(int answer) {
        CAutoAnswer::Set(true);
        CAutoAnswer::SetScript([this, answer](const std::string& text, int defaultAnswer) {
            asked.push_back(text);
            return answer ? answer : defaultAnswer;
        });
    }
    std::vector<std::string> asked;
};

// ---------------------------------------------------------------- company detail

struct SEntryCase {
    const char* name;
    int observing;
    std::vector<std::string> calls;
};

TEST_F(NetworkSetUpTest, TheCompanyDetailEntrySendsItAndWaits) {
    const SEntryCase cases[] = {
        {"a player", 0, {"SendEntryData(Ann's,Ann,4)", "SetSessionState(3)"}},
        {"an observer", 1, {"SendEntryData(,Ann,-1)", "SetSessionState(3)"}},
    };
    for (const SEntryCase& c : cases) {
        SCOPED_TRACE(c.name);
        net.calls.clear();
        host.networkMessages.clear();
        host.networkWindow.clear();
        host.observing = c.observing;
        CDlgInputEnterprise entry;
        ASSERT_TRUE(entry.Create(nullptr));
        EXPECT_FALSE(entry.IsWindowVisible());
        entry.Restart();
        entry.ShowWindow(SW_SHOW);
        for (int id : {kEntryCompanyLabel, kEntryCompany, kEntryColourLabel, kEntryColour})
            EXPECT_EQ(entry.GetDlgItem(id)->IsWindowVisible(), !c.observing) << id;
        EXPECT_EQ(entry.GetDlgItemText(kEntryPlayerLabel),
                  c.observing ? "&Observer's Name:" : "&Player Name:");
        entry.SetDlgItemText(kEntryCompany, "Ann's");
        entry.SetDlgItemText(kEntryPlayer, "Ann");
        entry.GetColourList().SetCurrentColour(4);
        entry.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_EQ(net.calls, c.calls);
        EXPECT_FALSE(entry.IsWindowVisible());
        EXPECT_EQ(host.networkMessages, std::vector<std::string>{"]Please wait to get started."});
        EXPECT_EQ(host.networkWindow, (std::vector<std::array<int, 3>>{{0, 1, 0}}));
        entry.DestroyWindow();
    }
}

TEST_F(NetworkSetUpTest, TheEntryRefusesATakenColourAndMissingNames) {
    CDlgInputEnterprise entry;
    ASSERT_TRUE(entry.Create(nullptr));
    entry.Restart();
    entry.ShowWindow(SW_SHOW);
    entry.SetColourTaken(0, 1);
    struct SCase {
        const char* company;
        const char* player;
        int focus;  // 0: the colour
    } cases[] = {{"Ann's", "Ann", 0}, {"", "Ann", kEntryCompany}, {"Ann's", "", kEntryPlayer}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.focus);
        entry.SetDlgItemText(kEntryCompany, c.company);
        entry.SetDlgItemText(kEntryPlayer, c.player);
        const int beeps = Beeps();
        entry.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_EQ(Beeps(), beeps + 1);
        EXPECT_TRUE(entry.IsWindowVisible());
        if (c.focus) {
            EXPECT_EQ(CWnd::GetFocus(), entry.GetDlgItem(c.focus));
        }
    }
    EXPECT_TRUE(net.calls.empty());
    // The list itself refuses the taken colour.
    entry.GetColourList().SetCurrentColour(3);
    PickComboItem(entry.GetColourList(), 0);
    PumpTranslated();
    EXPECT_EQ(entry.GetColourList().GetCurrentColour(), 3);
    entry.DestroyWindow();
}

TEST_F(NetworkSetUpTest, CancellingTheEntryLeavesTheGameAndStartsAgain) {
    CDlgInputEnterprise entry;
    ASSERT_TRUE(entry.Create(nullptr));
    entry.Restart();
    entry.ShowWindow(SW_SHOW);
    entry.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(net.calls, std::vector<std::string>{"CloseNetwork()"});
    EXPECT_EQ(host.postedMessages, std::vector<unsigned>{kStartMessage});
    EXPECT_FALSE(entry.IsWindowVisible());
    entry.DestroyWindow();
}

// ---------------------------------------------------------------- address

TEST_F(NetworkSetUpTest, TheAddressPromptNeedsAnAddressAndKeepsThePresetOne) {
    CDlgInputNetworkIP prompt;
    prompt.SetAddress("10.1.2.3");
    OnOpen([&](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kAddress), "10.1.2.3");
        d.SetDlgItemText(kAddress, "");
        Click(*d.GetDlgItem(IDOK));
        PumpTranslated();
        EXPECT_EQ(Beeps(), 1);
        EXPECT_FALSE(d.IsEnding());
        PressKey(d, VK_ESCAPE);
    });
    EXPECT_EQ(prompt.DoModal(), IDCANCEL);
    EXPECT_EQ(prompt.GetAddress(), "10.1.2.3");
    EXPECT_EQ(prompt.GetSecondText(), "");
    OnOpen([&](CDialog& d) {
        d.SetDlgItemText(kAddress, "192.168.0.9");
        PressKey(d, VK_RETURN);
    });
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_EQ(prompt.GetAddress(), "192.168.0.9");
}

// ---------------------------------------------------------------- start buttons

class StartStripTest : public NetworkSetUpTest {
protected:
    void SetUp() override {
        NetworkSetUpTest::SetUp();
        SmallGame(2);
        host.doc = &doc;
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "Network", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, 300, 100), nullptr, 0));
    }
    void TearDown() override {
        if (strip.IsWindow()) strip.DestroyWindow();
        parent.DestroyWindow();
        NetworkSetUpTest::TearDown();
    }
    void Open(int hosting) {
        strip.SetStartShown(hosting);
        ASSERT_TRUE(strip.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 70, 300, 100),
                                 &parent, 1010));
        strip.Layout(-1, -1);
    }
    static CRect Placed(CWnd& button) {
        CRect rect;
        button.GetWindowRect(&rect);
        return rect;
    }

    CWnd parent;
    CStartNetworkBtnWnd strip;
};

TEST_F(StartStripTest, AClientSeesOnlyCancelAndTheHostBoth) {
    Open(0);
    EXPECT_FALSE(strip.GetStartButton().IsWindowVisible());
    CRect strip1;
    strip.GetWindowRect(&strip1);
    EXPECT_EQ(Placed(strip.GetCancelButton()), strip1);
    strip.DestroyWindow();
    Open(1);
    EXPECT_TRUE(strip.GetStartButton().IsWindowVisible());
    const CRect start = Placed(strip.GetStartButton());
    const CRect cancel = Placed(strip.GetCancelButton());
    EXPECT_EQ(start.Width(), 150);
    EXPECT_EQ(cancel.Width(), 150);
    EXPECT_EQ(start.right, cancel.left);
    EXPECT_EQ(start.top, cancel.top);
}

struct SStartCase {
    const char* name;
    int players, observers, admitted;
    bool loaded;
    int answer;  // 0: the default
    std::string question;
    std::vector<std::string> calls;
    std::vector<unsigned> posted;
};

TEST_F(StartStripTest, StartAsksAndBeginsTheGame) {
    const std::vector<std::string> newGame = {"DropUnconnectedPlayers()",
                                              "SendParticipantEntry(-1,-1)",
                                              "SendGameStartNotice(0)"};
    const std::vector<std::string> loadedGame = {"DropUnconnectedPlayers()",
                                                 "TransmitDataToJoiners()",
                                                 "SendParticipantEntry(-1,-1)",
                                                 "SendGameStartNotice(0)"};
    const SStartCase cases[] = {
        {"everybody there, No", 2, 1, 1, false, IDNO, "Start Game", {}, {}},
        {"everybody there, Enter takes No", 2, 1, 1, false, 0, "Start Game", {}, {}},
        {"an observer missing, Yes", 2, 0, 1, false, IDYES, "Start game without all players.",
         newGame, {kGameWindowMessage}},
        {"a player missing, Yes", 1, 1, 1, false, IDYES, "Start game without all players.",
         newGame, {kGameWindowMessage}},
        {"a loaded game, Yes", 2, 1, 1, true, IDYES, "Start Game", loadedGame, {}},
    };
    Open(1);
    for (const SStartCase& c : cases) {
        SCOPED_TRACE(c.name);
        net.calls.clear();
        host.postedMessages.clear();
        asked.clear();
        net.connectedPlayers = c.players;
        net.connectedObservers = c.observers;
        host.admittedObservers = c.admitted;
        doc.SetLoadedGame(c.loaded);
        Answer(c.answer);
        strip.SendMessage(WM_COMMAND, CStartNetworkBtnWnd::kStartId, 0);
        EXPECT_EQ(asked, std::vector<std::string>{c.question});
        EXPECT_EQ(net.calls, c.calls);
        EXPECT_EQ(host.postedMessages, c.posted);
    }
}

TEST_F(StartStripTest, CancelRestartsOrEndsTheGame) {
    struct SCase {
        const char* name;
        int session, answer;
        std::vector<std::string> asked;
        std::vector<std::string> calls;
        std::vector<unsigned> posted;
        int closed;
    } cases[] = {
        {"before a session", 0, IDYES, {}, {"CloseNetwork()"}, {kStartMessage}, 0},
        {"during a session, No", 1, IDNO, {"End Game"}, {}, {}, 0},
        {"during a session, Yes", 1, IDYES, {"End Game"}, {"CloseNetwork()"}, {}, 1},
    };
    Open(0);
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        net.calls.clear();
        host.postedMessages.clear();
        host.programClosed = 0;
        asked.clear();
        net.sessionStarted = c.session;
        Answer(c.answer);
        Click(strip.GetCancelButton());
        PumpTranslated();
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(net.calls, c.calls);
        EXPECT_EQ(host.postedMessages, c.posted);
        EXPECT_EQ(host.programClosed, c.closed);
    }
}

}  // namespace
