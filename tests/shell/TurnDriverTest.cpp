// The turn driver in this process: a whole unattended year message by
// message, a person's turn, the close interplay, and the ends of a game.

#include <algorithm>

#include "TurnDriverFixture.h"
#include "model/Enterprise.h"
#include "model/SoundOptions.h"
#include "shell/FrameSound.h"
#include "shell/VView.h"
#include "views/InfoWnd.h"

namespace {

namespace fs = std::filesystem;

const std::vector<UINT> kMonthPhases = {0x564, 0x565, 0x566, 0x567, 0x568, 0x569, 0x56A,
                                        0x56B, 0x56C, 0x56D, 0x56E, 0x56F, 0x571, 0x570};
const std::string kEndQuestion = "Do you want to end the game?";
const std::string kUnsavedQuestion = "Close MERCAVO without saving data.";

// The months as the chain must run them: every phase in its order, one
// operations message per company and one area message per area.
void ExpectMonths(const std::vector<std::vector<UINT>>& months, int count,
                  const std::vector<int>& companies, int areas) {
    ASSERT_EQ(companies.size(), months.size());
    ASSERT_EQ(static_cast<int>(months.size()), count);
    for (size_t i = 0; i < months.size(); ++i) {
        SCOPED_TRACE("month " + std::to_string(i));
        std::vector<UINT> month = months[i];
        if (i + 1 == months.size()) {
            ASSERT_EQ(month.back(), static_cast<UINT>(ePHASE_GAME_END));
            month.pop_back();
        }
        const std::vector<UINT> phases = [&] {
            std::vector<UINT> p;
            for (UINT m : month)
                if (p.empty() || p.back() != m) p.push_back(m);
            return p;
        }();
        EXPECT_EQ(phases, kMonthPhases);
        EXPECT_EQ(std::count(month.begin(), month.end(), 0x569u), companies[i]);
        EXPECT_EQ(std::count(month.begin(), month.end(), 0x56Du), areas);
        EXPECT_EQ(std::count(month.begin(), month.end(), 0x570u), 1);
    }
}

TEST_F(TurnDriverTest, AnUnattendedYearRunsToTheJudgment) {
    Start();
    PlayToEnd();
    ASSERT_GE(trace.size(), 3u);
    EXPECT_EQ(std::vector<UINT>(trace.begin(), trace.begin() + 3),
              (std::vector<UINT>{0x572, 0x573, 0x504}));
    ExpectMonths(Months(), 12, monthCompanies, doc->GetMap().GetAreaCount());
    EXPECT_EQ(Count(ePHASE_GAME_END), 1);
    EXPECT_TRUE(queuedBeside.empty());
    EXPECT_EQ(inputDuringMonth, 0);
    EXPECT_EQ(backups, 12);
    // The judgment data is the game's own file now, saved.
    const std::string judged = (home / CMainFrame::kJudgmentFile).string();
    EXPECT_TRUE(fs::exists(judged));
    EXPECT_EQ(doc->GetPathName(), judged);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetYear(), doc->GetGameYears());
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].program, (home / "qordin").string());
    EXPECT_EQ(launches[0].args, std::vector<std::string>{judged});
    // The game closed itself, unasked.
    EXPECT_TRUE(frame->IsClosing());
    EXPECT_FALSE(frame->IsWindow());
    EXPECT_EQ(std::count(asked.begin(), asked.end(), kEndQuestion), 0);
}

// A person's company: its turn opens with input, and End Operations moves
// the chain on; its backups are written although it could not be saved by
// hand meanwhile.
TEST_F(TurnDriverTest, APersonsTurnWaitsForEndOperations) {
    PlayAtThisMachine(1);
    Start();
    Run();
    ASSERT_TRUE(frame->IsHumanTurnOpen());
    EXPECT_TRUE(frame->IsInputEnabled());
    EXPECT_TRUE(frame->IsChainIdle());
    EXPECT_EQ(frame->CanSaveNow(), 1);
    const int company = doc->GetTurnEnterprise(-1);
    ASSERT_TRUE(doc->IsHumanPlayed(company));
    const auto& log = app->GetMainView()->GetInfoWnd().GetLog().GetLines();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().text, "Please begin running " + doc->GetEnterprise(company)->GetName() + ".");
    EXPECT_EQ(trace.back(), static_cast<UINT>(ePHASE_OPERATIONS));
    EXPECT_TRUE(queuedBeside.empty());

    const size_t before = trace.size();
    const int month = doc->GetMonth();
    frame->EndTurn();
    EXPECT_FALSE(frame->IsHumanTurnOpen());
    EXPECT_FALSE(frame->IsInputEnabled());
    // A second End Operations of the same turn does nothing.
    frame->EndTurn();
    Run();
    ASSERT_GT(trace.size(), before);
    // The companies after it, then the directors' tasks.
    const std::vector<UINT> after(trace.begin() + static_cast<long>(before), trace.end());
    const auto tasks = std::find(after.begin(), after.end(), 0x56Au);
    ASSERT_NE(tasks, after.end());
    EXPECT_TRUE(std::all_of(after.begin(), tasks, [](UINT m) { return m == 0x569u; }));
    // The next month's turn of the person.
    EXPECT_TRUE(frame->IsHumanTurnOpen());
    EXPECT_EQ(doc->GetMonth(), (month + 1) % 12);

    PlayToEnd();
    ExpectMonths(Months(), 12, monthCompanies, doc->GetMap().GetAreaCount());
    EXPECT_TRUE(queuedBeside.empty());
    EXPECT_EQ(backups, 12);
    EXPECT_EQ(launches.size(), 1u);
}

// What sounds when a person's turn opens: the operations music always,
// and the turn's effect unless that music covers it.
TEST_F(TurnDriverTest, APersonsTurnOpensWithItsMusicOrItsEffect) {
    struct SCase {
        const char* name;
        int music;
        int operationsFile;
        bool effect;
    } cases[] = {
        {"music on, a piece chosen", 1, 15, false},
        {"music on, no piece chosen", 1, -1, true},
        {"music off", 0, 15, true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        trace.clear();
        SetUp();
        PlayAtThisMachine(1);
        Start();
        CSoundOptions& options = frame->GetSound()->Options();
        options.music = c.music;
        options.musicIndex[3] = c.operationsFile;
        // Only the calls of the operations message that opens the turn.
        std::vector<std::pair<std::string, int>> calls;
        frame->SetCallTrace(
            [&calls](const std::string& call, int value) { calls.emplace_back(call, value); });
        onMessage = [&calls](UINT message) {
            if (message == ePHASE_OPERATIONS) calls.clear();
        };
        Run();
        onMessage = nullptr;
        frame->SetCallTrace(nullptr);
        ASSERT_TRUE(frame->IsHumanTurnOpen());
        using SCall = std::pair<std::string, int>;
        EXPECT_EQ(std::count(calls.begin(), calls.end(), SCall{"music", 3}), 1);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), SCall{"effect", 3}), c.effect ? 1 : 0);
    }
}

// Companies that leave in one month go at its safe point one after the
// other: each removal renumbers the ones still to go, so the second hits
// the company it was meant for.
TEST_F(TurnDriverTest, TwoCompaniesLeavingInOneMonthAreTheRightOnes) {
    struct SCase {
        const char* name;
        // absorber -1: bankrupt
        int first, firstAbsorber, second, secondAbsorber;
    } cases[] = {
        {"two bankruptcies, lower first", 1, -1, 3, -1},
        {"two bankruptcies, higher first", 3, -1, 1, -1},
        {"a merger, then a bankruptcy", 1, 0, 3, -1},
        {"a bankruptcy, then a merger into a lower company", 3, -1, 2, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        trace.clear();
        launches.clear();
        SetUp();
        // Held at the first month, then again at the second.
        int starts = 0;
        CMainFrame::SetChainGate([&starts](UINT message) {
            return message != ePHASE_MONTH_START || ++starts == 2;
        });
        Start();
        Run();
        ASSERT_EQ(starts, 1);
        ASSERT_GE(doc->CompanyCount(), 4);
        std::vector<std::string> names;
        for (int i = 0; i < doc->CompanyCount(); ++i) names.push_back(doc->GetEnterprise(i)->GetName());
        auto leave = [this](int company, int absorber) {
            if (absorber < 0) {
                doc->DropEnterprise(company);
            } else {
                ASSERT_TRUE(doc->RequestMerger(company, absorber));
            }
        };
        leave(c.first, c.firstAbsorber);
        leave(c.second, c.secondAbsorber);
        std::vector<std::string> expected;
        for (int i = 0; i < static_cast<int>(names.size()); ++i)
            if (i != c.first && i != c.second) expected.push_back(names[static_cast<size_t>(i)]);
        frame->PostMessage(ePHASE_MONTH_START, 0, 0);
        Run();
        CMainFrame::SetChainGate(nullptr);
        ASSERT_EQ(starts, 3);
        // The month may found a company of its own; only the companies of
        // before are compared.
        std::vector<std::string> left;
        for (int i = 0; i < doc->CompanyCount(); ++i) {
            const std::string name = doc->GetEnterprise(i)->GetName();
            if (std::find(names.begin(), names.end(), name) != names.end()) left.push_back(name);
        }
        EXPECT_EQ(left, expected);
        EXPECT_TRUE(queuedBeside.empty());
    }
}

// The host's transfer to waiting clients: an id whose player left
// meanwhile is dropped, and the clients after it still get the game.
TEST_F(TurnDriverTest, AWaitingClientThatLeftIsDropped) {
    CMainFrame::SetChainGate([](UINT message) { return message != ePHASE_MONTH_START; });
    Start();
    Run();
    frame->GetFrameState().SetNetworkRoles(1, 1, 0);
    std::vector<int> ids;
    for (const char* name : {"Ann", "Bo"}) {
        const int index = frame->AddNetPlayer(0, name, "", 0, name, 1, 0);
        ASSERT_GE(index, 0);
        ids.push_back(frame->GetFrameState().GetPeers()[static_cast<size_t>(index)].playerNumber);
    }
    const int gone = ids.back() + 7;
    std::vector<int> sent;
    frame->SetCallTrace([&sent](const std::string& call, int value) {
        if (call == "game data") sent.push_back(value);
    });
    for (int id : {ids[0], gone, ids[1]}) frame->AddWaitingClient(id);
    frame->SendMessage(CMainFrame::WM_NET_TRANSFER, 0, 0);
    frame->SetCallTrace(nullptr);
    EXPECT_EQ(sent, ids);
    // The transfer goes on to the operations phase.
    MSG msg;
    EXPECT_TRUE(CMessageLoop::Peek(msg, frame, CMainFrame::WM_NET_OPERATIONS,
                                   CMainFrame::WM_NET_OPERATIONS, PM_NOREMOVE));
    CMessageLoop::RemoveMessages(frame, CMainFrame::WM_NET_OPERATIONS, CMainFrame::WM_NET_OPERATIONS);
}

struct SCloseCase {
    const char* name;
    int players;
    // The message whose first arrival brings the close, and how: posted
    // (it arrives in the phase's drain) or sent (a close while the phase
    // itself shows something).
    UINT at;
    bool posted;
    const char* question;
    int answer;
    bool closes;
};

TEST_F(TurnDriverTest, TheCloseInterplay) {
    const SCloseCase cases[] = {
        {"during an area, declined", 0, 0x56D, true, kEndQuestion.c_str(), IDNO, false},
        {"during an area, accepted", 0, 0x56D, true, kEndQuestion.c_str(), IDYES, true},
        {"while a phase shows a report, declined", 0, 0x56E, false, kEndQuestion.c_str(), IDNO,
         false},
        {"a person's game that cannot be saved now", 1, 0x56A, false, kUnsavedQuestion.c_str(),
         IDNO, false},
        {"a person's game, closed unsaved", 1, 0x56A, false, kUnsavedQuestion.c_str(), IDYES,
         true},
    };
    for (const SCloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        trace.clear();
        monthCompanies.clear();
        asked.clear();
        answers.clear();
        launches.clear();
        queuedBeside.clear();
        backups = 0;
        SetUp();
        if (c.players) PlayAtThisMachine(1);
        answers[c.question] = c.answer;
        Start();
        bool closed = false;
        onMessage = [&](UINT message) {
            if (message != c.at || closed) return;
            closed = true;
            if (c.posted) {
                frame->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                frame->SendMessage(WM_CLOSE, 0, 0);
            }
        };
        PlayToEnd();
        onMessage = nullptr;
        EXPECT_TRUE(closed);
        EXPECT_EQ(std::count(asked.begin(), asked.end(), std::string(c.question)), 1);
        EXPECT_TRUE(queuedBeside.empty());
        if (c.closes) {
            EXPECT_FALSE(frame->IsWindow());
            EXPECT_EQ(Count(ePHASE_GAME_END), 0);
            EXPECT_TRUE(launches.empty());
        } else {
            // The year goes on as if nothing happened: no phase twice.
            ExpectMonths(Months(), 12, monthCompanies, doc->GetMap().GetAreaCount());
            EXPECT_EQ(launches.size(), 1u);
        }
    }
}

// A close during a person's turn that the player cancels at the save
// question leaves the turn open and posts nothing.
TEST_F(TurnDriverTest, ACancelledCloseInAPersonsTurnPostsNothing) {
    PlayAtThisMachine(1);
    answers["Save changes to Untitled?"] = IDCANCEL;
    Start();
    Run();
    ASSERT_TRUE(frame->IsHumanTurnOpen());
    const size_t before = trace.size();
    frame->SendMessage(WM_CLOSE, 0, 0);
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "Save changes to Untitled?"), 1);
    Run();
    EXPECT_EQ(trace.size(), before);
    EXPECT_TRUE(frame->IsWindow());
    EXPECT_TRUE(frame->IsHumanTurnOpen());
}

// The ends of a game that the month does not reach the usual way.
TEST_F(TurnDriverTest, GamesThatEndEarly) {
    // Held before its first month: the game is changed there.
    auto holdFirstMonth = [this] {
        bool held = false;
        CMainFrame::SetChainGate([&held](UINT message) {
            if (message == ePHASE_MONTH_START && !held) {
                held = true;
                return false;
            }
            return true;
        });
        Start();
        Run();
        CMainFrame::SetChainGate(nullptr);
    };
    {
        SCOPED_TRACE("a loaded year beyond the game's length");
        holdFirstMonth();
        doc->SetYear(doc->GetGameYears() + 2);
        trace.clear();
        monthCompanies.clear();
        frame->PostMessage(ePHASE_MONTH_START, 0, 0);
        PlayToEnd();
        EXPECT_EQ(Count(ePHASE_CALENDAR), 1);
        EXPECT_EQ(trace.back(), static_cast<UINT>(ePHASE_GAME_END));
        EXPECT_EQ(launches.size(), 1u);
    }
    TearDown();
    launches.clear();
    SetUp();
    {
        SCOPED_TRACE("no company left in a network game");
        holdFirstMonth();
        while (doc->CompanyCount() > 0) ASSERT_TRUE(doc->RemoveEnterprise(0));
        frame->GetFrameState().SetNetworkRoles(1, 1, 0);
        trace.clear();
        monthCompanies.clear();
        frame->PostMessage(ePHASE_MONTH_START, 0, 0);
        Run();
        EXPECT_EQ(trace, (std::vector<UINT>{0x564, 0x6F4}));
        EXPECT_EQ(launches.size(), 1u);
    }
}

// A judgment data file that cannot be written: its message, and no
// judgment program started on a missing file.
TEST_F(TurnDriverTest, AFailedJudgmentSaveStartsNothing) {
    fs::create_directories(home / (std::string(CMainFrame::kJudgmentFile) + ".saving"));
    Start();
    PlayToEnd();
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "Failed to save judgment data."), 1);
    EXPECT_TRUE(launches.empty());
    EXPECT_FALSE(frame->IsWindow());
}

TEST_F(TurnDriverTest, AFailedJudgmentStartIsReported) {
    launchSucceeds = false;
    Start();
    PlayToEnd();
    const std::string text =
        "The judgment program could not be started.\n" + (home / "qordin").string();
    EXPECT_EQ(std::count(asked.begin(), asked.end(), text), 1);
    // The file stays for a start by hand.
    EXPECT_TRUE(fs::exists(home / CMainFrame::kJudgmentFile));
}

}  // namespace
