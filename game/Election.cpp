#include "game/Election.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <set>

#include "game/VDoc.h"
#include "model/FixedField.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {
// Field widths of the two records.
constexpr int kAreaWidth = 3;
constexpr int kFlagWidth = 1;
constexpr int kCountWidth = 3;
constexpr int kPersonWidth = 3;
constexpr int kWeightWidth = 8;
constexpr int kVotesWidth = 10;
// A free governor older than this (by a draw on his age) keeps out of the
// pool; so does a standing incumbent.
constexpr int kPoolAge = 66;
constexpr int kRetireAge = 65;
// How often the pool is drawn again while the age draws leave it empty;
// after that every free governor stands a chance.
constexpr int kPoolRounds = 100;
// Draws per candidate taken from the pool.
constexpr int kPoolDraws = 5;
}  // namespace

CElection::CElection(CVDoc& doc) : m_doc(doc) {}

// ---------------------------------------------------------------- the month's elections

int CElection::RunDueElections() {
    const int now = m_doc.GetMonthIndex();
    std::vector<int> areas;
    for (int a = 0; a < m_doc.GetMap().GetAreaCount(); ++a) areas.push_back(a);
    int held = 0;
    while (!areas.empty()) {
        const int i = Random(static_cast<int>(areas.size()));
        const int area = areas[static_cast<size_t>(i)];
        areas.erase(areas.begin() + i);
        const CPersonData* governor = m_doc.GetAreaGovernor(area);
        if (governor && int64_t{now} - governor->GetElectionMonth() >= kTermMonths) {
            HoldElection(area, 0);
            held = 1;
        }
    }
    return held;
}

void CElection::HoldElection(int area, int excluded) {
    if (!m_doc.GetArea(area)) return;
    m_candidateCount = Random(3) + 2;
    m_vote = SVoteRecord{};
    m_vote.area = area;
    m_vote.excluded = excluded ? 1 : 0;
    std::vector<int> candidates;
    ChooseCandidates(area, candidates);
    if (candidates.empty()) {
        KeepIncumbent(area);
        return;
    }
    for (int person : candidates) m_vote.candidates.push_back({person, 0, {}});
    ComputeVoteShares();
    ComputeVoteSteps();
    if (m_doc.IsNetworkHost()) {
        SendElectionRecord();
        SendVoteCountRecord();
    }
    FindWinner();
    const bool shown = HasOfficeInArea() != 0;
    if (shown) {
        m_doc.SelectArea(area);
        Services::Dialogs().ShowElection(m_vote);
    }
    ApplyResult(shown);
}

void CElection::KeepIncumbent(int area) {
    CPersonData* governor = m_doc.GetAreaGovernor(area);
    if (!governor) return;
    governor->SetElectionMonth(m_doc.GetMonthIndex());
    m_vote.winner = governor->GetIndex();
    Log(FormatText("%s reelected in %s.", governor->GetName().c_str(),
                   m_doc.GetAreaName(area).c_str()));
    m_doc.ChangeAreaGovernor(area, governor->GetIndex());
}

// ---------------------------------------------------------------- candidates

void CElection::ChooseCandidates(int area, std::vector<int>& candidates) {
    candidates.clear();
    const int now = m_doc.GetMonthIndex();
    if (CPersonData* incumbent = m_doc.GetAreaGovernor(area)) {
        const int s = m_doc.SumAreaRatings(3, area, 1);
        const bool stands = !(Random(ClampToInt(int64_t{s} + 100)) < 33) && !m_vote.excluded &&
                            !(Random(incumbent->GetAge(true)) > kRetireAge);
        if (stands) candidates.push_back(incumbent->GetIndex());
    }
    std::vector<int> pool = BuildPool();
    // A short pool lowers the count; nobody ever waits for a free governor.
    const size_t count = std::min(static_cast<size_t>(std::max(m_candidateCount, 0)),
                                  candidates.size() + pool.size());
    while (candidates.size() < count) {
        int kept = 0;
        int best = INT_MAX;
        for (int k = 0; k < kPoolDraws; ++k) {
            const int j = Random(static_cast<int>(pool.size()));
            const int month = m_doc.GetGovernor(pool[static_cast<size_t>(j)])->GetElectionMonth();
            const int t = Random(ClampToInt(-int64_t{month}));
            if (t <= best) {
                best = t;
                kept = j;
            }
        }
        candidates.push_back(pool[static_cast<size_t>(kept)]);
        pool.erase(pool.begin() + kept);
    }
    for (int person : candidates) m_doc.GetGovernor(person)->SetElectionMonth(now);
}

std::vector<int> CElection::BuildPool() const {
    std::vector<int> free;
    for (int p = 0; p < m_doc.GetGovernorTableSize(); ++p)
        if (m_doc.GetGovernor(p)->GetEmployerNo() <= 0) free.push_back(p);
    if (free.empty()) return free;
    for (int round = 0; round < kPoolRounds; ++round) {
        std::vector<int> pool;
        for (int p : free)
            if (Random(m_doc.GetGovernor(p)->GetAge(true)) < kPoolAge) pool.push_back(p);
        if (!pool.empty()) return pool;
    }
    return free;
}

// ---------------------------------------------------------------- the count

int CElection::BaseStrength(size_t c) {
    const int person = m_vote.candidates[c].person;
    const CMapData* area = m_doc.GetArea(m_vote.area);
    if (c == 0 && area && area->GetGovernor() == person)
        return m_doc.GetMap().GetGovernorStrength(m_vote.area);
    const CPersonData* candidate = m_doc.GetGovernor(person);
    return candidate ? ClampToInt(int64_t{candidate->GetVoteWeight()} * 100) : 0;
}

void CElection::ComputeVoteShares() {
    std::vector<int64_t> strengths;
    int64_t total = 0;
    for (size_t c = 0; c < m_vote.candidates.size(); ++c) {
        const int base = std::max(BaseStrength(c), 0);
        const int s = std::max(RandomVary(base, base / 2), 0);
        strengths.push_back(s);
        total += s;
    }
    const auto n = static_cast<int64_t>(m_vote.candidates.size());
    for (size_t c = 0; c < m_vote.candidates.size(); ++c) {
        // Nobody with any strength: everybody has the same share.
        const int64_t p = total > 0 ? strengths[c] * 100 / total : 100 / n;
        SVoteCandidate& candidate = m_vote.candidates[c];
        candidate.weight = static_cast<int>(std::pow(static_cast<double>(p), 3.0)) / 100;
        candidate.counts.fill(0);
    }
}

void CElection::ComputeVoteSteps() {
    const CMapData* area = m_doc.GetArea(m_vote.area);
    const int64_t population =
        area ? std::clamp(area->GetPopulation(), 0, kMaxCountedPopulation) : 0;
    const auto p = static_cast<int>(population);
    int64_t drawn = 0;
    std::vector<int64_t> counts(m_vote.candidates.size(), 0);
    std::vector<int> draws(m_vote.candidates.size(), 0);
    for (int s = 0; s < SVoteCandidate::kSteps; ++s) {
        for (size_t c = 0; c < m_vote.candidates.size(); ++c) {
            draws[c] = Random(m_vote.candidates[c].weight);
            drawn += draws[c];
        }
        const int64_t total = std::min<int64_t>(2000 * population, RandomVary(1400 * p, 1000 * p));
        for (size_t c = 0; c < m_vote.candidates.size(); ++c) {
            // While every draw so far was 0 nobody gains a vote.
            if (drawn > 0) counts[c] += total * draws[c] / drawn;
            m_vote.candidates[c].counts[static_cast<size_t>(s)] = ClampToInt(counts[c]);
        }
    }
}

void CElection::FindWinner() {
    m_vote.winner = -1;
    int best = 0;
    for (const SVoteCandidate& candidate : m_vote.candidates) {
        if (m_vote.winner < 0 || candidate.FinalCount() > best) {
            m_vote.winner = candidate.person;
            best = candidate.FinalCount();
        }
    }
}

// ---------------------------------------------------------------- result

void CElection::ApplyResult(bool shown) {
    CMapData* area = m_doc.GetArea(m_vote.area);
    const CPersonData* winner = m_doc.GetGovernor(m_vote.winner);
    if (!area || !winner) return;
    const bool changed = area->GetGovernor() != m_vote.winner;
    const std::string areaName = m_doc.GetAreaName(m_vote.area);
    if (changed)
        Log(FormatText("%s's new Governor %s elected.", areaName.c_str(),
                       winner->GetName().c_str()));
    else if (shown)
        Log(FormatText("%s reelected in %s.", winner->GetName().c_str(), areaName.c_str()));
    if (m_doc.ChangeAreaGovernor(m_vote.area, m_vote.winner))
        Services::Frame().RefreshAreaButton(m_vote.area);
}

int CElection::HasOfficeInArea() const {
    return m_doc.CountStrongCompanies(m_vote.area) > 0 ? 1 : 0;
}

void CElection::Log(const std::string& text) const {
    Services::Frame().AddInfoMessage(text);
}

// ---------------------------------------------------------------- network records

CNetRecordBuilder CElection::BuildElectionRecord() const {
    CNetRecordBuilder record(kRecordClass, kRecordGroup, kElectionCode);
    record.Int(m_vote.area, kAreaWidth)
        .Int(m_vote.excluded, kFlagWidth)
        .Int(static_cast<int>(m_vote.candidates.size()), kCountWidth);
    for (const SVoteCandidate& candidate : m_vote.candidates)
        record.Int(candidate.person, kPersonWidth).Int(candidate.weight, kWeightWidth);
    return record;
}

CNetRecordBuilder CElection::BuildVoteCountRecord() const {
    CNetRecordBuilder record(kRecordClass, kRecordGroup, kVoteCountCode);
    record.Int(static_cast<int>(m_vote.candidates.size()), kCountWidth);
    for (const SVoteCandidate& candidate : m_vote.candidates)
        for (int count : candidate.counts) record.Int(count, kVotesWidth);
    return record;
}

void CElection::SendElectionRecord() {
    Send(BuildElectionRecord());
}

void CElection::SendVoteCountRecord() {
    Send(BuildVoteCountRecord());
}

void CElection::Send(const CNetRecordBuilder& record) const {
    if (!Services::HasNet()) return;
    if (!record.Ok()) {
        Services::Net().ReportSendError(record.Error());
        return;
    }
    Services::Net().SendToAll(record.Text());
}

bool CElection::OnElectionRecord(std::string_view text) {
    SVoteRecord vote;
    int pos = 0;
    vote.area = ParseFixedInt(text, pos, kAreaWidth);
    vote.excluded = ParseFixedInt(text, pos, kFlagWidth);
    const int count = ParseFixedInt(text, pos, kCountWidth);
    if (count < 1 || count > SVoteRecord::kMaxCandidates) return false;
    for (int c = 0; c < count; ++c) {
        SVoteCandidate candidate;
        candidate.person = ParseFixedInt(text, pos, kPersonWidth);
        candidate.weight = ParseFixedInt(text, pos, kWeightWidth);
        vote.candidates.push_back(candidate);
    }
    if (pos > static_cast<int>(text.size()) || !IsValidElection(vote)) return false;
    m_vote = vote;
    m_candidateCount = count;
    m_awaitingCounts = true;
    const int now = m_doc.GetMonthIndex();
    for (const SVoteCandidate& candidate : m_vote.candidates)
        m_doc.GetGovernor(candidate.person)->SetElectionMonth(now);
    return true;
}

bool CElection::IsValidElection(const SVoteRecord& vote) {
    if (!m_doc.GetArea(vote.area)) return false;
    if (vote.excluded != 0 && vote.excluded != 1) return false;
    std::set<int> persons;
    for (const SVoteCandidate& candidate : vote.candidates) {
        if (candidate.person < 0 || candidate.person >= m_doc.GetGovernorTableSize()) return false;
        if (!persons.insert(candidate.person).second) return false;
        // Only the area's own governor or a free one can stand.
        const int employer = m_doc.GetGovernor(candidate.person)->GetEmployerNo();
        if (employer > 0 && employer != vote.area + 1) return false;
        if (candidate.weight < 0 || candidate.weight > kMaxWeight) return false;
    }
    return true;
}

bool CElection::OnElectionResultRecord(std::string_view text) {
    if (!m_awaitingCounts) return false;
    int pos = 0;
    const int count = ParseFixedInt(text, pos, kCountWidth);
    if (count != static_cast<int>(m_vote.candidates.size())) return false;
    std::vector<std::array<int, SVoteCandidate::kSteps>> counts(m_vote.candidates.size());
    for (auto& steps : counts)
        for (int& votes : steps) {
            votes = ParseFixedInt(text, pos, kVotesWidth);
            if (votes < 0) return false;
        }
    if (pos > static_cast<int>(text.size())) return false;
    m_awaitingCounts = false;
    for (size_t c = 0; c < counts.size(); ++c) m_vote.candidates[c].counts = counts[c];
    FindWinner();
    const bool shown = HasOfficeInArea() != 0;
    if (shown) {
        m_doc.SelectArea(m_vote.area);
        Services::Dialogs().ShowElection(m_vote);
    }
    ApplyResult(shown);
    return true;
}
