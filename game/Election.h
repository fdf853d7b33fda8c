#pragma once
// A governor election of one map area: who stands, the vote weights, the
// six-step count, the winner and his installation. A governor's term is 48
// months; the month's election phase holds the elections that are due, and
// an event can hold one at once with the incumbent kept out.
//
// In a network game the host counts and sends two records (class 400:
// 00000 the candidates and their weights, 00001 the counts); every client
// reads them back into the same vote record, shows the same count and
// installs the same winner. A record that does not describe an election of
// this game is dropped whole before anything changes.

#include <string>
#include <string_view>
#include <vector>

#include "model/NetRecordBuilder.h"
#include "model/VoteRecord.h"

class CVDoc;

class CElection {
public:
    static constexpr int kTermMonths = 48;
    static constexpr int kRecordClass = 400;
    // The two records: group 00, codes 000 and 001.
    static constexpr int kRecordGroup = 0;
    static constexpr int kElectionCode = 0;
    static constexpr int kVoteCountCode = 1;
    // A share of 100 % cubed and divided by 100.
    static constexpr int kMaxWeight = 10000;
    // The count's step total is drawn from up to 2400 x population, which
    // an int holds up to this population; a larger area counts as this big.
    static constexpr int kMaxCountedPopulation = 894'784;

    explicit CElection(CVDoc& doc);
    virtual ~CElection() = default;
    CElection(const CElection&) = delete;
    CElection& operator=(const CElection&) = delete;

    // Holds every election due this month, the areas in random order: 1
    // when at least one was held.
    int RunDueElections();
    // One election of the area to the end; excluded 1 keeps the incumbent
    // governor from standing.
    void HoldElection(int area, int excluded);

    // The steps of an election, in the order HoldElection takes them.
    // Candidates of the area into the list, the standing incumbent first;
    // each candidate's election month becomes now.
    void ChooseCandidates(int area, std::vector<int>& candidates);
    // Weights and counts of the vote record's candidates.
    void ComputeVoteShares();
    void ComputeVoteSteps();
    // The highest final count wins, the earlier candidate on ties; when
    // nobody counted a vote the first candidate wins.
    void FindWinner();
    // Logs the result (always when shown, else only at a change) and
    // installs the winner.
    void ApplyResult(bool shown);
    // 1 when any company has an office (area level 3 or more) in the area.
    int HasOfficeInArea() const;

    // The network records of the vote record: the whole text, or what the
    // builder refused.
    CNetRecordBuilder BuildElectionRecord() const;
    CNetRecordBuilder BuildVoteCountRecord() const;
    // Host: both go to every player.
    void SendElectionRecord();
    void SendVoteCountRecord();
    // Client: the text after the record's code. False (nothing changed) for
    // a record out of range or too short; a vote-count record needs the
    // election record before it, and completes the election.
    bool OnElectionRecord(std::string_view text);
    bool OnElectionResultRecord(std::string_view text);

    const SVoteRecord& GetVote() const { return m_vote; }
    void SetVote(const SVoteRecord& vote) { m_vote = vote; }
    // The candidate count drawn for the running election (2..4).
    int GetCandidateCount() const { return m_candidateCount; }

private:
    // Nobody but the incumbent could be found, and he did not stand: he
    // stays for a new term without a count.
    void KeepIncumbent(int area);
    // The free governors that may stand this time.
    std::vector<int> BuildPool() const;
    // The base strength of candidate c of the vote record.
    int BaseStrength(size_t c);
    void Log(const std::string& text) const;
    void Send(const CNetRecordBuilder& record) const;
    // Whether the decoded election record fits this game.
    bool IsValidElection(const SVoteRecord& vote);

    CVDoc& m_doc;
    int m_candidateCount = 0;
    SVoteRecord m_vote;
    // A client holds the election record until its counts arrive.
    bool m_awaitingCounts = false;
};
