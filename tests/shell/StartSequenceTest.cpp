// The start of a game up to its first month, the frame's small services for
// the turn driver, and when the game may be saved.

#include <algorithm>
#include <fstream>
#include <sstream>

#include "TurnDriverFixture.h"
#include "dialogs/ExplainWnd.h"
#include "model/Enterprise.h"
#include "platform/ui/WndClassRegistry.h"
#include "resources/IntroductionText.h"
#include "shell/FrameSound.h"
#include "shell/VView.h"
#include "views/MapBtnFrame.h"
#include "views/MapSelectWnd.h"

namespace {

namespace fs = std::filesystem;

using namespace setup_ids;

std::vector<std::string> IntroPart(int part) {
    CExplainWnd text;
    text.Load(part);
    return text.GetLines();
}

// The unattended answers' lines of standard error.
std::vector<std::string> AutoAnswerLines(const std::string& log) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("[auto-answer]", 0) == 0) lines.push_back(line);
    return lines;
}

class StartSequenceTest : public TurnDriverTest {
protected:
    // Lets every chain message through except the first of `held`.
    void HoldAt(UINT held) {
        auto done = std::make_shared<bool>(false);
        CMainFrame::SetChainGate([held, done](UINT message) {
            if (message != held || *done) return true;
            *done = true;
            return false;
        });
    }
    // A saved game of the fixture, taken before its first month.
    fs::path SavedGame() {
        HoldAt(ePHASE_MONTH_START);
        Start();
        Run();
        const fs::path path = root.Path() / "saved.mqd";
        EXPECT_TRUE(doc->SaveFile(path.string()));
        TearDown();
        SetUp();
        trace.clear();
        asked.clear();
        return path;
    }
    bool ChainMessageQueued() {
        MSG msg;
        return CMessageLoop::Peek(msg, frame, 0x564, 0x577, PM_NOREMOVE) ||
               CMessageLoop::Peek(msg, frame, 0x504, 0x504, PM_NOREMOVE);
    }
};

TEST_F(StartSequenceTest, AGameOnTheCommandLineResumesItsMonth) {
    const fs::path saved = SavedGame();
    HoldAt(ePHASE_OPERATIONS);
    Start({saved.string()});
    Run();
    EXPECT_EQ(trace, (std::vector<UINT>{0x572, 0x573, 0x504, 0x569}));
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(doc->IsLoadedGame());
    EXPECT_TRUE(queuedBeside.empty());
}

TEST_F(StartSequenceTest, ANewUnattendedGameFoundsItselfAndBegins) {
    std::vector<std::string> shownBeforeOpening;
    onMessage = [&](UINT message) {
        if (message == CMainFrame::WM_GAME_OPENED && frame->GetExplainWnd()) {
            shownBeforeOpening = frame->GetExplainWnd()->GetLines();
        }
    };
    HoldAt(ePHASE_ELECTIONS);
    testing::internal::CaptureStderr();
    Start();
    Run();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(trace, (std::vector<UINT>{0x572, 0x573, 0x504, 0x564, 0x565}));
    EXPECT_TRUE(asked.empty());
    // One line for each start dialog (one map file: no map choice).
    EXPECT_EQ(AutoAnswerLines(log), (std::vector<std::string>{
                                        "[auto-answer] MERCAVO-START: Select one -> &New Game",
                                        "[auto-answer] MERCAVO - Game setting: Normal play -> "
                                        "0 players, 1 years"}));
    // The introduction during the founding, the opening text after it.
    EXPECT_EQ(shownBeforeOpening, IntroPart(0));
    ASSERT_NE(frame->GetExplainWnd(), nullptr);
    EXPECT_EQ(frame->GetExplainWnd()->GetLines(), IntroPart(1));
    EXPECT_FALSE(frame->GetExplainWnd()->IsWindowVisible());
    EXPECT_EQ(doc->GetPlayState(), 0);
    EXPECT_EQ(doc->GetGameYears(), 1);
    EXPECT_EQ(doc->CompanyCount(), doc->GetMap().GetInitialCompanyCount());
    EXPECT_FALSE(frame->IsInputEnabled());
    EXPECT_FALSE(frame->IsFoundingPhase());
    EXPECT_TRUE(doc->IsModified());
}

struct SFailedStart {
    const char* name;
    std::function<void(const fs::path& home, std::map<std::string, int>& answers)> prepare;
    std::vector<std::string> asked;
};

// A start that cannot go on closes the program without a further question
// and never reaches the founding.
TEST_F(StartSequenceTest, FailedStarts) {
    const std::string layoutError =
        "\xE5\x9C\xB0\xE5\x8C\xBA\xE8\xA1\xA8\xE7\xA4\xBA\xEF\xBD\xB3\xEF\xBD\xA8\xEF\xBE\x9D\xEF"
        "\xBE\x84\xEF\xBE\x9E\xEF\xBD\xB3\xE3\x81\xAE\xE8\xA8\xAD\xE5\xAE\x9A\xE3\x82\xA8\xE3\x83"
        "\xA9\xE3\x83\xBC";
    const std::vector<SFailedStart> cases = {
        {"no map data file", [](auto& home, auto&) { fs::remove(home / "ORIGINAL.MQM"); },
         {"Unexisting map data file."}},
        {"the set-up cancelled", [this](auto&, auto&) { CancelSetUp(); }, {}},
        {"the game window has no panes",
         [](auto&, auto&) { CWndClassRegistry::Unregister("VELM_NormalWindow"); },
         {layoutError}},
    };
    for (const SFailedStart& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        trace.clear();
        asked.clear();
        answers.clear();
        Start();
        c.prepare(home, answers);
        Run();
        EXPECT_EQ(asked, c.asked);
        EXPECT_TRUE(frame->IsClosing());
        EXPECT_FALSE(frame->IsWindow());
        EXPECT_EQ(std::count(trace.begin(), trace.end(), CMainFrame::WM_GAME_OPENED), 0);
        EXPECT_EQ(std::count(trace.begin(), trace.end(), 0x564u), 0);
    }
}

// After a failed connection the start runs again: the set-up, not the
// start choice.
TEST_F(StartSequenceTest, ASecondStartAsksOnlyTheSetUp) {
    PlayAtThisMachine(0);
    HoldAt(CMainFrame::WM_GAME_WINDOW);
    Start();
    Run();
    EXPECT_EQ(opened, (std::vector<int>{kStartDialog, kSettingDialog}));
    opened.clear();
    HoldAt(CMainFrame::WM_GAME_WINDOW);
    frame->PostMessage(CMainFrame::WM_START_GAME, 0, 0);
    Run();
    EXPECT_EQ(opened, std::vector<int>{kSettingDialog});
}

// A new game of two people at this machine: the document takes the
// players, the length, the company count and what their pages say.
TEST_F(StartSequenceTest, TheSetUpGivesTheDocumentItsPlayers) {
    PlayAtThisMachine(2, {3, 1});
    HoldAt(CMainFrame::WM_GAME_WINDOW);
    Start();
    Run();
    EXPECT_EQ(opened, (std::vector<int>{kStartDialog, kSettingDialog}));
    EXPECT_EQ(doc->GetPlayState(), 2);
    EXPECT_EQ(doc->GetGameYears(), 1);
    EXPECT_EQ(doc->CompanyCount(), doc->GetMap().GetInitialCompanyCount());
    const int colours[] = {3, 1};
    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c);
        const CEnterprise& company = *doc->GetEnterprise(c);
        EXPECT_EQ(company.GetName(), "Company " + std::to_string(c));
        EXPECT_EQ(company.GetPresidentName(), "Player " + std::to_string(c));
        EXPECT_EQ(company.GetColor(), colours[c]);
    }
}

// The map files of the program folder: a single one is played whatever it
// is called; with several the person picks one.
TEST_F(StartSequenceTest, TheMapFileOfTheNewGame) {
    struct SCase {
        const char* name;
        std::vector<std::string> files;
        std::vector<int> opened;
    } cases[] = {
        {"a single file of another name", {"Other.mqm"}, {kStartDialog, kSettingDialog}},
        {"two files", {"A.mqm", "ORIGINAL.MQM"}, {kStartDialog, kMapFileDialog, kSettingDialog}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        trace.clear();
        opened.clear();
        // The fixture's map with three areas, so that its load shows.
        fs::remove(home / "ORIGINAL.MQM");
        const std::vector<uint8_t> map = WriteFixtureMapFile(FixtureWithAreas(3));
        for (const std::string& name : c.files)
            std::ofstream(home / name, std::ios::binary)
                .write(reinterpret_cast<const char*>(map.data()),
                       static_cast<std::streamsize>(map.size()));
        PlayAtThisMachine(0);
        HoldAt(CMainFrame::WM_GAME_WINDOW);
        Start();
        Run();
        EXPECT_EQ(opened, c.opened);
        EXPECT_TRUE(frame->IsWindow());
        EXPECT_EQ(doc->GetMap().GetAreaCount(), 3);
        EXPECT_TRUE(asked.empty());
    }
}

// A client follows its host's records: the game opened, it posts nothing.
TEST_F(StartSequenceTest, ANetworkClientWaitsForItsHost) {
    const fs::path saved = SavedGame();
    HoldAt(CMainFrame::WM_GAME_OPENED);
    Start({saved.string()});
    Run();
    frame->GetFrameState().SetNetworkRoles(1, 0, 0);
    frame->SendMessage(CMainFrame::WM_GAME_OPENED, 0, 0);
    EXPECT_FALSE(ChainMessageQueued());
}

// ---------------------------------------------------------------- frame services

class FrameServicesTest : public StartSequenceTest {
protected:
    void SetUp() override {
        StartSequenceTest::SetUp();
        HoldAt(ePHASE_MONTH_START);
        Start();
        Run();
        ASSERT_TRUE(frame->IsWindow());
    }
    CRect ExplainRectInClient() {
        CRect rect;
        frame->GetExplainWnd()->GetWindowRect(&rect);
        CPoint origin(0, 0);
        frame->ClientToScreen(&origin);
        rect.OffsetRect(-origin.x, -origin.y);
        return rect;
    }
};

TEST_F(FrameServicesTest, TheExplanationIsCentredAndClippedToTheClientArea) {
    const CSize cell = app->GetCharSize();
    const CSize text(80 * cell.cx, 15 * cell.cy);
    const CSize sizes[] = {{text.cx + 300, text.cy + 200}, {text.cx / 2, text.cy / 3}};
    for (const CSize& size : sizes) {
        SCOPED_TRACE(size.cx);
        frame->ShowWindow(SW_SHOWNORMAL);
        frame->MoveWindow(0, 0, size.cx, size.cy);
        CRect client;
        frame->GetClientRect(&client);
        EXPECT_EQ(frame->ShowOpeningText(1), 0);
        const int width = std::min(text.cx, client.Width());
        const int height = std::min(text.cy, client.Height());
        EXPECT_EQ(ExplainRectInClient(),
                  CRect(CPoint((client.Width() - width) / 2, (client.Height() - height) / 2),
                        CSize(width, height)));
        EXPECT_FALSE(frame->GetExplainWnd()->IsWindowVisible());
    }
}

// A close during the text (its close command is greyed, a close message
// still comes) is kept and posted once the text is gone.
TEST_F(FrameServicesTest, ACloseDuringTheExplanationIsPostedAfterIt) {
    frame->PostMessage(WM_CLOSE, 0, 0);
    EXPECT_EQ(frame->ShowOpeningText(0), 1);
    EXPECT_TRUE(frame->IsWindow());
    MSG msg;
    EXPECT_TRUE(CMessageLoop::Peek(msg, frame, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE));
    EXPECT_FALSE(frame->IsPumping());
}

TEST_F(FrameServicesTest, MapFilesAreListedInNameOrder) {
    std::vector<std::string> list;
    for (const char* name : {"b.mqm", "A2.MQM"}) std::ofstream(home / name) << "x";
    std::ofstream(home / "notes.txt") << "x";
    EXPECT_EQ(CMainFrame::ListMapFiles(list), 1);
    EXPECT_EQ(list, (std::vector<std::string>{"A2.MQM", "ORIGINAL.MQM", "b.mqm"}));
    for (const char* name : {"b.mqm", "A2.MQM", "ORIGINAL.MQM"}) fs::remove(home / name);
    list.clear();
    EXPECT_EQ(CMainFrame::ListMapFiles(list), 0);
    EXPECT_TRUE(list.empty());
}

TEST_F(FrameServicesTest, TheHomeAreaIsShownOnlyWhenItIsTheOnlyOne) {
    CEnterprise& company = *doc->GetEnterprise(0);
    struct SCase {
        int levels[2];
        int shown;  // -1: as it was
    } cases[] = {{{0, 2}, 1}, {{3, 0}, 0}, {{2, 2}, -1}, {{1, 1}, -1}};
    for (const SCase& c : cases) {
        for (int a = 0; a < 2; ++a) company.SetAreaLevel(a, c.levels[a]);
        doc->SelectArea(c.shown == 1 ? 0 : 1);
        const int before = frame->GetShownArea();
        frame->ShowHomeArea(0);
        EXPECT_EQ(frame->GetShownArea(), c.shown < 0 ? before : c.shown)
            << c.levels[0] << "," << c.levels[1];
    }
    frame->ShowHomeArea(-1);
}

TEST_F(FrameServicesTest, TheWheelScrollsTheAreaButtonsUnderThePointer) {
    CMapBtnFrame& buttons = app->GetMainView()->GetMapSelectWnd().GetButtonFrame();
    // Low enough that not every area fits: only then does the wheel scroll.
    CRect placed;
    buttons.GetWindowRect(&placed);
    buttons.GetParent()->ScreenToClient(&placed);
    buttons.MoveWindow(placed.left, placed.top, placed.Width(), 100);
    ASSERT_TRUE(buttons.IsScrollBarShown());
    buttons.SetFirstVisible(1, FALSE);
    const int first = buttons.GetFirstVisible();
    CRect rect;
    buttons.GetWindowRect(&rect);
    const LPARAM inside = MAKELPARAM(rect.left + 1, rect.top + 1);
    const LPARAM outside = MAKELPARAM(rect.right + 5, rect.bottom + 5);
    frame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), outside);
    EXPECT_EQ(buttons.GetFirstVisible(), first);
    frame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), inside);
    EXPECT_EQ(buttons.GetFirstVisible(), std::max(first - 1, 0));
    frame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), inside);
    const int areas = app->GetDocument()->GetMap().GetAreaCount();
    EXPECT_EQ(buttons.GetFirstVisible(), std::min(std::max(first - 1, 0) + 2, areas - buttons.GetPage()))
        << "never past the last page";
}

// Leaving the game (minimised or another application in front) stops the
// music and keeps its piece; coming back starts that same file again,
// January's (file 0) as any other. Without music nothing starts.
TEST_F(FrameServicesTest, ActivationStopsAndRestartsTheSameMusic) {
    struct SCase {
        const char* name;
        int file;  // -1: no music
        bool minimise;
    } cases[] = {
        {"January's piece, minimised", 0, true},
        {"another piece, minimised", 3, true},
        {"January's piece, another application in front", 0, false},
        {"no music, minimised", -1, true},
    };
    CFrameSound& sound = *frame->GetSound();
    sound.Options().music = 1;
    auto settle = [] { CMessageLoop::WaitDispatching(200, [] { return false; }); };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        frame->ShowWindow(SW_RESTORE);
        frame->SendMessage(WM_ACTIVATEAPP, TRUE, 0);
        frame->StopMusic(1);
        settle();
        if (c.file >= 0) {
            ASSERT_EQ(frame->PlayMusicFile(c.file, 1), 1);
            ASSERT_TRUE(CMessageLoop::WaitDispatching(
                2000, [&] { return sound.GetPlayingFile() == c.file; }));
        }
        if (c.minimise) frame->ShowWindow(SW_MINIMIZE);
        frame->SendMessage(WM_ACTIVATEAPP, c.minimise ? TRUE : FALSE, 0);
        settle();
        EXPECT_EQ(sound.IsActive(), 0);
        EXPECT_EQ(sound.GetPlayingFile(), -1);
        EXPECT_EQ(sound.GetPendingFile(), c.file);
        frame->ShowWindow(SW_RESTORE);
        frame->SendMessage(WM_ACTIVATEAPP, TRUE, 0);
        EXPECT_EQ(sound.IsActive(), 1);
        EXPECT_TRUE(CMessageLoop::WaitDispatching(
            2000, [&] { return sound.GetPlayingFile() == c.file; }));
        settle();
        EXPECT_EQ(sound.GetPlayingFile(), c.file);
    }
    frame->StopMusic(1);
}

// ---------------------------------------------------------------- saving

struct SSaveCase {
    const char* name;
    int network, host, observer, session, players, input, blocked, yearReached;
    int expected;
};

// Asked in a person's turn, then with the turn over.
TEST_F(StartSequenceTest, WhenTheGameMayBeSaved) {
    PlayAtThisMachine(1);
    Start();
    Run();
    ASSERT_TRUE(frame->IsHumanTurnOpen());
    const int years = doc->GetGameYears();
    auto check = [&](const SSaveCase& c) {
        SCOPED_TRACE(c.name);
        frame->GetFrameState().SetNetworkRoles(c.network, c.host, c.observer);
        frame->SetSessionState(c.session);
        ASSERT_EQ(doc->SetPlayerCount(c.players, 0), 1);
        frame->EnableInput(c.input);
        frame->SetSaveBlocked(c.blocked);
        doc->SetYear(c.yearReached ? years : 0);
        EXPECT_EQ(frame->CanSaveNow(), c.expected);
    };
    const SSaveCase duringTheTurn[] = {
        {"local, input", 0, 0, 0, 0, 1, 1, 0, 0, 1},
        {"local, no input", 0, 0, 0, 0, 1, 0, 0, 0, 0},
        {"local, no input, nobody plays", 0, 0, 0, 0, 0, 0, 0, 0, 1},
        {"local, no input, the last year over", 0, 0, 0, 0, 1, 0, 0, 1, 1},
        {"client", 1, 0, 0, 4, 1, 1, 0, 0, 0},
        {"client at the judgment", 1, 0, 0, 5, 1, 0, 0, 0, 1},
        {"host, the turn open", 1, 1, 0, 4, 1, 1, 0, 0, 1},
        {"host, orders sent", 1, 1, 0, 4, 1, 1, 1, 0, 0},
        {"host, orders sent, the last year over", 1, 1, 0, 4, 1, 1, 1, 1, 1},
        {"host, nobody plays", 1, 1, 0, 4, 0, 0, 1, 0, 1},
        {"host, observing", 1, 1, 1, 4, 1, 0, 1, 0, 1},
        {"host, the turn open, no input", 1, 1, 0, 4, 1, 0, 0, 0, 0},
    };
    for (const SSaveCase& c : duringTheTurn) check(c);
    // The host's turn ends: its command input is over.
    frame->GetFrameState().SetNetworkRoles(1, 1, 0);
    frame->EndTurn();
    ASSERT_FALSE(frame->IsHumanTurnOpen());
    const SSaveCase afterTheTurn[] = {
        {"host, turn over", 1, 1, 0, 4, 1, 1, 0, 0, 0},
        {"local, turn over, input", 0, 0, 0, 0, 1, 1, 0, 0, 1},
    };
    for (const SSaveCase& c : afterTheTurn) check(c);
}

}  // namespace
