// The two network records of an election: what the host sends, that a
// client reads them back into the same count and winner, and that a
// record which does not fit the game is dropped with nothing changed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ElectionFixture.h"
#include "model/NetRecordBytes.h"
#include "platform/core/RuntimeRandom.h"

namespace {

std::string Payload(const CNetRecordBuilder& record) {
    EXPECT_TRUE(record.Ok()) << record.Error();
    return record.Text().substr(kNetPayloadStart);
}

std::string Field(int value, int width) {
    return FormatFixedInt(value, width);
}

// An election record's text: area, flag, count, then (person, weight).
std::string ElectionText(int area, int flag, const std::vector<std::pair<int, int>>& candidates,
                         int count = -1) {
    std::string text = Field(area, 3) + Field(flag, 1) +
                       Field(count < 0 ? static_cast<int>(candidates.size()) : count, 3);
    for (auto [person, weight] : candidates) text += Field(person, 3) + Field(weight, 8);
    return text;
}

// A vote-count record's text: count, then six counts per candidate.
std::string CountText(const std::vector<std::vector<int>>& counts, int count = -1) {
    std::string text = Field(count < 0 ? static_cast<int>(counts.size()) : count, 3);
    for (const auto& steps : counts)
        for (int votes : steps) text += Field(votes, 10);
    return text;
}

const std::vector<std::vector<int>> kCounts = {{10, 20, 30, 40, 50, 60}, {15, 25, 35, 45, 55, 65}};

}  // namespace

TEST_F(ElectionTest, OnlyANetworkHostSendsTheRecords) {
    StartGame();
    struct Case {
        const char* name;
        int network, host;
        size_t sent;
    };
    const std::vector<Case> cases = {
        {"local game", 0, 0, 0},
        {"network client", 1, 0, 0},
        {"network host", 1, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.GetFrameState().SetNetworkRoles(c.network, c.host, 0);
        net.sent.clear();
        CElection election(doc);
        election.HoldElection(0, 1);
        ASSERT_EQ(net.sent.size(), c.sent);
        if (c.sent == 0) continue;
        EXPECT_EQ(net.sent[0].player, -1);
        EXPECT_EQ(net.sent[0].record, election.BuildElectionRecord().Text());
        EXPECT_EQ(net.sent[0].record.substr(8, 8), "40000000");
        EXPECT_EQ(net.sent[1].player, -1);
        EXPECT_EQ(net.sent[1].record, election.BuildVoteCountRecord().Text());
        EXPECT_EQ(net.sent[1].record.substr(8, 8), "40000001");
    }
}

TEST_F(ElectionTest, AClientReadsTheHostsRecordsIntoTheSameElection) {
    StartGame();
    SetOffice(0, true);
    doc.GetFrameState().SetNetworkRoles(1, 1, 0);
    for (int seed : {1, 2, 3, 4}) {
        SCOPED_TRACE(seed);
        StartTerm(0, 48);
        const std::vector<uint8_t> before = doc.SaveBytes();
        CRuntimeRandom::Seed(seed);
        CElection host(doc);
        host.HoldElection(0, seed % 2);
        ASSERT_EQ(net.sent.size(), 2u);
        const std::string election = net.sent[0].record.substr(kNetPayloadStart);
        const std::string counts = net.sent[1].record.substr(kNetPayloadStart);
        net.sent.clear();

        CVDoc client;
        auto scopedClient = ScopedDoc(&client);
        ASSERT_EQ(client.LoadBytes(before), -1);
        dialogs.elections.clear();
        CElection received(client);
        ASSERT_TRUE(received.OnElectionRecord(election));
        ASSERT_TRUE(received.OnElectionResultRecord(counts));
        EXPECT_EQ(received.GetVote(), host.GetVote());
        EXPECT_EQ(client.GetArea(0)->GetGovernor(), host.GetVote().winner);
        for (const SVoteCandidate& c : host.GetVote().candidates)
            EXPECT_EQ(client.GetGovernor(c.person)->GetElectionMonth(), kNow);
        // The client shows the same count, since a company has an office.
        ASSERT_EQ(dialogs.elections.size(), 1u);
        EXPECT_EQ(dialogs.elections[0], host.GetVote());
    }
}

TEST_F(ElectionTest, RecordsRoundTripAtTheEdgesOfTheirFields) {
    StartGame();
    const std::vector<int> free = FreeGovernors();
    ASSERT_GE(free.size(), 3u);
    SVoteRecord vote;
    vote.area = 1;
    vote.excluded = 1;
    vote.candidates = {{IncumbentIndex(1), CElection::kMaxWeight, {0, 0, 0, 0, 0, 0}},
                       {free[0], 0, {1, 2, 3, 4, 2'000'000'000, 2'147'483'647}},
                       {free[1], 1, {7, 7, 7, 7, 7, 7}},
                       {free[2], 9999, {0, 1, 1, 1, 1, 1}}};
    CElection host(doc);
    host.SetVote(vote);
    CElection client(doc);
    ASSERT_TRUE(client.OnElectionRecord(Payload(host.BuildElectionRecord())));
    ASSERT_TRUE(client.OnElectionResultRecord(Payload(host.BuildVoteCountRecord())));
    vote.winner = free[0];
    EXPECT_EQ(client.GetVote(), vote);
    EXPECT_EQ(IncumbentIndex(1), free[0]);
}

TEST_F(ElectionTest, ABadElectionRecordIsDroppedWithNothingChanged) {
    StartGame();
    const std::vector<int> free = FreeGovernors();
    const int a = free[0], b = free[1];
    const std::string good = ElectionText(1, 0, {{a, 1574}, {b, 911}});
    struct Case {
        const char* name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"area beyond the map", ElectionText(2, 0, {{a, 1574}, {b, 911}})},
        {"negative area", ElectionText(-1, 0, {{a, 1574}, {b, 911}})},
        {"flag 2", ElectionText(1, 2, {{a, 1574}, {b, 911}})},
        {"no candidate", ElectionText(1, 0, {})},
        {"five candidates", ElectionText(1, 0, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}})},
        {"candidate beyond the table", ElectionText(1, 0, {{a, 1574}, {6, 911}})},
        {"negative candidate", ElectionText(1, 0, {{-1, 1574}, {b, 911}})},
        {"candidate governs another area", ElectionText(1, 0, {{a, 1574}, {IncumbentIndex(0), 9}})},
        {"same candidate twice", ElectionText(1, 0, {{a, 1574}, {a, 911}})},
        {"negative weight", ElectionText(1, 0, {{a, -1}, {b, 911}})},
        {"weight beyond a whole share", ElectionText(1, 0, {{a, 10001}, {b, 911}})},
        {"count beyond the candidates", ElectionText(1, 0, {{a, 1574}, {b, 911}}, 3)},
        {"short text", good.substr(0, good.size() - 1)},
        {"empty text", ""},
    };
    // Terms that a wrongly read record would restart.
    std::vector<int> months;
    for (int p = 0; p < doc.GetGovernorTableSize(); ++p) {
        months.push_back(kNow - 7 - p);
        doc.GetGovernor(p)->SetElectionMonth(months.back());
    }
    const int governor = IncumbentIndex(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CElection election(doc);
        EXPECT_FALSE(election.OnElectionRecord(c.text));
        EXPECT_EQ(election.GetVote(), SVoteRecord{});
        for (int p = 0; p < doc.GetGovernorTableSize(); ++p)
            EXPECT_EQ(doc.GetGovernor(p)->GetElectionMonth(), months[static_cast<size_t>(p)]);
        // Nothing was received, so no count completes an election.
        EXPECT_FALSE(election.OnElectionResultRecord(CountText(kCounts)));
        EXPECT_EQ(IncumbentIndex(1), governor);
    }
    EXPECT_TRUE(frame.infoLines.empty());
    CElection election(doc);
    EXPECT_TRUE(election.OnElectionRecord(good));
    EXPECT_EQ(doc.GetGovernor(a)->GetElectionMonth(), kNow);
}

TEST_F(ElectionTest, ABadVoteCountRecordIsDroppedWithNothingChanged) {
    StartGame();
    SetOffice(1, true);
    const std::vector<int> free = FreeGovernors();
    const std::string good = CountText(kCounts);
    struct Case {
        const char* name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"fewer candidates", CountText({kCounts[0]})},
        {"more candidates", CountText({kCounts[0], kCounts[1], kCounts[1]})},
        {"count field differs", CountText(kCounts, 3)},
        {"negative count", CountText({kCounts[0], {15, 25, -35, 45, 55, 65}})},
        {"short text", good.substr(0, good.size() - 1)},
        {"empty text", ""},
    };
    const int governor = IncumbentIndex(1);
    CElection election(doc);
    ASSERT_TRUE(election.OnElectionRecord(ElectionText(1, 0, {{free[0], 1574}, {free[1], 911}})));
    const SVoteRecord received = election.GetVote();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(election.OnElectionResultRecord(c.text));
        EXPECT_EQ(election.GetVote(), received);
        EXPECT_EQ(IncumbentIndex(1), governor);
    }
    EXPECT_TRUE(frame.infoLines.empty());
    EXPECT_TRUE(dialogs.calls.empty());
    // The good record still completes the election: the second candidate
    // has the higher final count.
    ASSERT_TRUE(election.OnElectionResultRecord(good));
    EXPECT_EQ(IncumbentIndex(1), free[1]);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(LogHas("'s new Governor "));
    // An election completes once.
    EXPECT_FALSE(election.OnElectionResultRecord(good));
}
