// Governor elections on a small game: when they are due, who stands, the
// count and its winner, where the count is shown and what is logged, and
// elections where nobody or nothing is there to count.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ElectionFixture.h"
#include "fakes/ScriptedDraws.h"
#include "game/HeadlessDialogService.h"
#include "game/Transcript.h"
#include "platform/core/RuntimeRandom.h"

namespace {

bool IsCandidate(const SVoteRecord& vote, int person) {
    return std::any_of(vote.candidates.begin(), vote.candidates.end(),
                       [person](const SVoteCandidate& c) { return c.person == person; });
}

// Every count only grows, and the winner is the candidate with the highest
// final count, the earlier one on ties.
void ExpectSoundCount(const SVoteRecord& vote) {
    ASSERT_FALSE(vote.candidates.empty());
    int best = -1;
    int winner = -1;
    for (const SVoteCandidate& c : vote.candidates) {
        EXPECT_GE(c.counts[0], 0);
        EXPECT_TRUE(std::is_sorted(c.counts.begin(), c.counts.end()));
        if (c.FinalCount() > best) {
            best = c.FinalCount();
            winner = c.person;
        }
    }
    EXPECT_EQ(vote.winner, winner);
}

}  // namespace

TEST_F(ElectionTest, AnElectionIsDueAfter48Months) {
    StartGame();
    struct Case {
        int monthsAgo;
        int held;
    };
    for (Case c : {Case{0, 0}, Case{47, 0}, Case{48, 1}, Case{100, 1}}) {
        SCOPED_TRACE(c.monthsAgo);
        for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) StartTerm(a, 0);
        StartTerm(0, c.monthsAgo);
        EXPECT_EQ(doc.RunDueElections(), c.held);
        // Whoever won starts a new term now; an area not due keeps its term.
        EXPECT_EQ(Incumbent(0).GetElectionMonth(), c.held ? kNow : kNow - c.monthsAgo);
        EXPECT_EQ(Incumbent(1).GetElectionMonth(), kNow);
    }
}

TEST_F(ElectionTest, AllDueAreasElectInOneMonth) {
    StartGame(4, 8);
    for (int a = 0; a < 4; ++a) StartTerm(a, a < 3 ? 48 : 10);
    EXPECT_EQ(doc.RunDueElections(), 1);
    for (int a = 0; a < 4; ++a) {
        SCOPED_TRACE(a);
        EXPECT_EQ(Incumbent(a).GetElectionMonth(), a < 3 ? kNow : kNow - 10);
        EXPECT_EQ(Incumbent(a).GetEmployerNo(), a + 1);
    }
}

TEST_F(ElectionTest, AnEarlyElectionNeverLetsTheIncumbentStand) {
    StartGame();
    SetOffice(0, true);
    for (int seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        const int incumbent = IncumbentIndex(0);
        CElection election(doc);
        election.HoldElection(0, 1);
        const SVoteRecord& vote = election.GetVote();
        EXPECT_EQ(vote.excluded, 1);
        ASSERT_GE(vote.candidates.size(), 2u);
        EXPECT_FALSE(IsCandidate(vote, incumbent));
        EXPECT_NE(IncumbentIndex(0), incumbent);
        EXPECT_EQ(Incumbent(0).GetEmployerNo(), 1);
        EXPECT_LE(doc.GetGovernor(incumbent)->GetEmployerNo(), 0);
    }
}

TEST_F(ElectionTest, CandidatesAreDrawnAndStartANewTerm) {
    StartGame();
    const int incumbent = IncumbentIndex(0);
    // Four candidates; the incumbent stands (no donations: Random(100)).
    CScriptedDraws draws({{3, 2}, {100, 50}, {Incumbent(0).GetAge(true), 0}});
    draws.ThenGenerator();
    CElection election(doc);
    election.HoldElection(0, 0);
    const SVoteRecord& vote = election.GetVote();
    ASSERT_EQ(vote.candidates.size(), 4u);
    EXPECT_EQ(vote.candidates[0].person, incumbent);
    for (const SVoteCandidate& c : vote.candidates) {
        EXPECT_EQ(doc.GetGovernor(c.person)->GetElectionMonth(), kNow);
        // Only the incumbent governs an area.
        if (c.person != incumbent) EXPECT_NE(doc.GetArea(1)->GetGovernor(), c.person);
    }
    ExpectSoundCount(vote);
}

TEST_F(ElectionTest, TheDialogAndTheLogDependOnAnOfficeInTheArea) {
    StartGame();
    for (bool office : {false, true}) {
        SCOPED_TRACE(office);
        int changes = 0, reelections = 0;
        for (int seed = 1; seed <= 40; ++seed) {
            SCOPED_TRACE(seed);
            CRuntimeRandom::Seed(seed);
            SetOffice(0, office);
            frame.infoLines.clear();
            frame.calls.clear();
            dialogs.calls.clear();
            const int before = IncumbentIndex(0);
            doc.HoldElection(0, 0);
            const bool changed = IncumbentIndex(0) != before;
            (changed ? changes : reelections)++;
            EXPECT_EQ(LogHas("'s new Governor "), changed);
            EXPECT_EQ(LogHas(" reelected in "), office && !changed);
            EXPECT_EQ(dialogs.calls.size(), office ? 1u : 0u);
            const auto& calls = frame.calls;
            EXPECT_EQ(std::count(calls.begin(), calls.end(), "SelectAreaButton(0)"),
                      office ? 1 : 0);
            EXPECT_EQ(std::count(calls.begin(), calls.end(), "RefreshAreaButton(0)"),
                      changed ? 1 : 0);
        }
        // Both outcomes were seen.
        EXPECT_GT(changes, 0);
        EXPECT_GT(reelections, 0);
    }
}

TEST_F(ElectionTest, TheShownCountIsTheOneInstalled) {
    StartGame();
    SetOffice(1, true);
    CRuntimeRandom::Seed(3);
    CElection election(doc);
    election.HoldElection(1, 0);
    ASSERT_EQ(dialogs.elections.size(), 1u);
    EXPECT_EQ(dialogs.elections[0], election.GetVote());
    EXPECT_EQ(IncumbentIndex(1), election.GetVote().winner);
    ExpectSoundCount(election.GetVote());
}

TEST_F(ElectionTest, TheHighestFinalCountWinsAndTiesGoToTheEarlierCandidate) {
    StartGame();
    struct Case {
        const char* name;
        std::vector<int> finals;
        int winner;  // candidate position
    };
    const std::vector<Case> cases = {
        {"clear winner", {3, 9}, 1},
        {"tie of two", {5, 5}, 0},
        {"tie after a lower one", {2, 7, 7}, 1},
        {"later higher", {7, 5, 8, 8}, 2},
        {"nobody counted", {0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SVoteRecord vote;
        vote.area = 0;
        for (size_t i = 0; i < c.finals.size(); ++i) {
            SVoteCandidate candidate;
            candidate.person = static_cast<int>(i) + 1;
            candidate.counts.back() = c.finals[i];
            vote.candidates.push_back(candidate);
        }
        CElection election(doc);
        election.SetVote(vote);
        election.FindWinner();
        EXPECT_EQ(election.GetVote().winner, c.winner + 1);
    }
}

TEST_F(ElectionTest, GovernorStrengthIsVoteWeightAndDampedDonations) {
    StartGame();
    struct Case {
        const char* name;
        int weight;
        std::vector<int> donations;
        int strength;
    };
    // 100^0.6 = 15.8, 500^0.6 = 41.6.
    const std::vector<Case> cases = {
        {"no donations", 3, {0, 0}, 300},
        {"two donors", 3, {100, 500}, 356},
        {"heavier weight", 7, {0, 500}, 741},
        {"no weight", 0, {100, 0}, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Incumbent(0).SetVoteWeight(c.weight);
        SetDonations(0, c.donations);
        EXPECT_EQ(doc.GetMap().GetGovernorStrength(0), c.strength);
    }
    EXPECT_EQ(doc.GetMap().GetGovernorStrength(-1), 0);
    EXPECT_EQ(doc.GetMap().GetGovernorStrength(2), 0);
}

TEST_F(ElectionTest, OnlyAStandingIncumbentDrawsOnHisGovernorStrength) {
    StartGame();
    for (int p = 0; p < doc.GetGovernorTableSize(); ++p) doc.GetGovernor(p)->SetVoteWeight(3);
    SetDonations(0, {100, 500});
    const int strength = doc.GetMap().GetGovernorStrength(0);
    ASSERT_EQ(strength, 356);
    int other = -1;
    for (int p = 0; p < doc.GetGovernorTableSize() && other < 0; ++p)
        if (doc.GetGovernor(p)->GetEmployerNo() <= 0) other = p;
    struct Case {
        const char* name;
        std::vector<int> persons;
        int firstStrength;
        std::vector<int> weights;
    };
    // Unvaried strengths: 356 and 300 give 54 % and 45 %, two of 300 50 %.
    const std::vector<Case> cases = {
        {"incumbent first", {IncumbentIndex(0), other}, strength, {1574, 911}},
        {"incumbent second", {other, IncumbentIndex(0)}, 300, {1250, 1250}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SVoteRecord vote;
        vote.area = 0;
        for (int person : c.persons) vote.candidates.push_back({person, 0, {}});
        CScriptedDraws draws(
            JoinDraws({VaryDraws(c.firstStrength / 2, 0, 0, 0), VaryDraws(150, 0, 0, 0)}));
        CElection election(doc);
        election.SetVote(vote);
        election.ComputeVoteShares();
        draws.ExpectAllDrawn();
        ASSERT_EQ(election.GetVote().candidates.size(), 2u);
        EXPECT_EQ(election.GetVote().candidates[0].weight, c.weights[0]);
        EXPECT_EQ(election.GetVote().candidates[1].weight, c.weights[1]);
    }
}

TEST_F(ElectionTest, WithNoFreeGovernorTheIncumbentStaysWithoutHanging) {
    // As many governors as areas: nobody is free to stand.
    StartGame(4, 4);
    doc.GetFrameState().SetNetworkRoles(1, 1, 0);
    SetOffice(0, true);
    const int incumbent = IncumbentIndex(0);
    const int age = Incumbent(0).GetAge(true);
    struct Case {
        const char* name;
        CDraws draws;  // the count, then whether the incumbent stands
        size_t candidates;
    };
    const std::vector<Case> cases = {
        {"incumbent stands", {{3, 2}, {100, 50}, {age, 0}}, 1},
        {"incumbent loses favour", {{3, 1}, {100, 0}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartTerm(0, 48);
        frame.infoLines.clear();
        dialogs.calls.clear();
        net.sent.clear();
        CScriptedDraws draws(c.draws);
        draws.ThenGenerator();
        CElection election(doc);
        election.HoldElection(0, 0);
        EXPECT_EQ(IncumbentIndex(0), incumbent);
        EXPECT_EQ(Incumbent(0).GetElectionMonth(), kNow);
        EXPECT_TRUE(LogHas(Incumbent(0).GetName() + " reelected in "));
        ASSERT_EQ(election.GetVote().candidates.size(), c.candidates);
        if (c.candidates == 1) {
            // Re-elected through the ordinary count, sent and shown.
            EXPECT_EQ(election.GetVote().winner, incumbent);
            EXPECT_EQ(election.GetVote().candidates[0].weight, CElection::kMaxWeight);
            EXPECT_EQ(net.sent.size(), 2u);
            EXPECT_EQ(dialogs.calls.size(), 1u);
        } else {
            // Stays for a new term: no count to send or show.
            EXPECT_TRUE(net.sent.empty());
            EXPECT_TRUE(dialogs.calls.empty());
        }
    }
}

TEST_F(ElectionTest, AnEarlyElectionWithNobodyFreeKeepsTheGovernor) {
    StartGame(4, 4);
    const int incumbent = IncumbentIndex(2);
    StartTerm(2, 5);
    CElection election(doc);
    election.HoldElection(2, 1);
    EXPECT_EQ(IncumbentIndex(2), incumbent);
    EXPECT_EQ(Incumbent(2).GetElectionMonth(), kNow);
    EXPECT_TRUE(LogHas(" reelected in "));
}

TEST_F(ElectionTest, EveryCountEndsWithAWinner) {
    StartGame();
    SetOffice(0, false);
    struct Case {
        const char* name;
        int population;
        bool noStrength;
    };
    const std::vector<Case> cases = {
        {"every strength 0", 400, true},
        {"population 0", 0, false},
        {"population of ten million", 10'000'000, false},
        {"largest population", 2'147'483'647, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPopulation(0, c.population);
        for (int p = 0; p < doc.GetGovernorTableSize(); ++p)
            doc.GetGovernor(p)->SetVoteWeight(c.noStrength ? 0 : 3);
        for (int seed = 1; seed <= 10; ++seed) {
            SCOPED_TRACE(seed);
            CRuntimeRandom::Seed(seed);
            CElection election(doc);
            election.HoldElection(0, seed % 2);
            const SVoteRecord& vote = election.GetVote();
            ASSERT_FALSE(vote.candidates.empty());
            ExpectSoundCount(vote);
            EXPECT_EQ(IncumbentIndex(0), vote.winner);
            if (c.noStrength)
                for (const SVoteCandidate& candidate : vote.candidates)
                    EXPECT_EQ(candidate.weight, vote.candidates[0].weight);
            if (c.population == 0) {
                EXPECT_EQ(vote.candidates[0].FinalCount(), 0);
                EXPECT_EQ(vote.winner, vote.candidates[0].person);
            }
        }
    }
}

TEST_F(ElectionTest, HeadlessCountIsOneTranscriptLine) {
    StartGame();
    SVoteRecord vote;
    vote.area = 1;
    vote.candidates = {{0, 0, {1, 2, 3, 4, 5, 600}}, {1, 0, {2, 3, 4, 5, 6, 700}}};
    vote.winner = 1;
    CTranscript transcript;
    CHeadlessDialogService headless(transcript);
    headless.ShowElection(vote);
    const std::string name0 = doc.GetGovernor(0)->GetName();
    const std::string name1 = doc.GetGovernor(1)->GetName();
    ASSERT_EQ(transcript.GetLines().size(), 1u);
    EXPECT_EQ(transcript.GetLines()[0], "dialog: election in " + doc.GetAreaName(1) + ": " + name0 +
                                            " 600, " + name1 + " 700; winner " + name1);
}
