#pragma once
// One governor election as it is counted and shown: the area, whether the
// incumbent was kept out, the candidates (persons of the governor table;
// the incumbent, when he stands, first) with their vote weights and their
// counts after each of the six counting steps, and the winner. The election
// computes it (or a network client receives it); the election dialog only
// shows it.

#include <array>
#include <vector>

struct SVoteCandidate {
    static constexpr int kSteps = 6;
    int person = -1;
    int weight = 0;
    // Cumulative: counts[s] is the candidate's count after step s.
    std::array<int, kSteps> counts{};

    int FinalCount() const { return counts[kSteps - 1]; }
    bool operator==(const SVoteCandidate&) const = default;
};

struct SVoteRecord {
    static constexpr int kMaxCandidates = 4;
    int area = -1;
    int excluded = 0;
    std::vector<SVoteCandidate> candidates;
    // A person of the governor table; -1 until the count is decided.
    int winner = -1;

    bool operator==(const SVoteRecord&) const = default;
};
