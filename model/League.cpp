#include "model/League.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/Formatting.h"
#include "model/MercavoError.h"
#include "model/Random.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"

namespace {
constexpr int kNoLimit = 0x7FFFFFFF;
// The season figures travel in five digits of the header record. A stored
// league holds no more, or its month would play billions of matches and
// its game counts would run past the int limit.
constexpr int kMaxScheduleFigure = 99999;
constexpr int kRecordClass = 300;
constexpr int kRecordGroup = 3;
// Head of a league record: header word, class, group, code, league.
constexpr int kHeadLength = 18;
constexpr int kPairFlagsPerRecord = 400;

int64_t FullPairCount(int64_t teams) {
    return teams * (teams - 1) / 2;
}

// A season needs the whole pair table, and peers address it in five digits:
// a league with more teams (at most 447) could neither be sent nor start a
// season without a table of millions of entries.
bool IsPlayableTeamCount(int64_t teams) {
    return teams >= 0 && FullPairCount(teams) <= CLeague::kMaxPairCount;
}

bool FitsRecord(const std::string& record) {
    return static_cast<int>(record.size()) <= kNetRecordTextLimit;
}
}  // namespace

void CLeague::SetPopularity(int value) {
    m_popularity = std::clamp(value, 5, 20);
}

void CLeague::SetSchedule(int seasonGames, int gamesPerMonth, const std::vector<int>& startMonths) {
    m_seasonGames = seasonGames;
    m_gamesPerMonth = gamesPerMonth;
    m_startMonths = startMonths;
}

int CLeague::GetSeasonStartMonth(int i) const {
    return m_startMonths.at(static_cast<size_t>(i));
}

bool CLeague::IsRunning() const {
    // Without games per month the season would never advance (and the month
    // arithmetic would divide by zero).
    return m_seasonGames != 0 && m_gamesPerMonth >= 1 && !m_startMonths.empty() &&
           m_teams.size() > 1;
}

bool CLeague::IsInSeason(int month) const {
    if (m_gamesPerMonth < 1) return false;
    // Season length and game counts come from saved games and peers and may
    // be near the int limit: the month sums are done in 64 bits.
    int64_t length = (int64_t{m_seasonGames} + m_gamesPerMonth - 1) / m_gamesPerMonth;
    for (int start : m_startMonths) {
        if (start > month) return false;
        int64_t end = start + length;
        if (month < end || int64_t{month} + 12 < end) return true;
    }
    return false;
}

int CLeague::GetTeamPrice(int team) const {
    int n = GetTeamCount();
    if (n == 0 || team < 0 || team >= n) return 0;
    int offered = 0;
    for (const CProTeam& t : m_teams)
        if (t.GetOwnerIndex() == -1 && t.IsForSale()) ++offered;
    int scarcity = (100 * offered / n) * 2 / 3;
    return (m_popularity - 5) * 100 + (167 - scarcity) * GetTeam(team).GetValue() / 100;
}

void CLeague::StartSeason() {
    for (CProTeam& t : m_teams) t.ResetSeason();
    NewRound();
    m_gamesCompleted = 0;
}

void CLeague::NewRound() {
    if (m_pairs.empty()) m_pairs.resize(static_cast<size_t>(FullPairCount(GetTeamCount())));
    std::fill(m_pairs.begin(), m_pairs.end(), 0);
}

int CLeague::PairIndex(int i, int j) const {
    int n = GetTeamCount();
    if (i > j) std::swap(i, j);
    if (i < 0 || j >= n || i == j) return -1;
    int64_t index = (2LL * n - i - 1) * i / 2 + (j - i) - 1;
    return index < static_cast<int64_t>(m_pairs.size()) ? static_cast<int>(index) : -1;
}

bool CLeague::IsPairPlayed(int i, int j) const {
    int index = PairIndex(i, j);
    return index >= 0 && m_pairs[static_cast<size_t>(index)] != 0;
}

void CLeague::SetPairPlayed(int i, int j) {
    int index = PairIndex(i, j);
    if (index >= 0) m_pairs[static_cast<size_t>(index)] = 1;
}

int CLeague::CountUnplayedPairs() const {
    return static_cast<int>(std::count(m_pairs.begin(), m_pairs.end(), 0));
}

int CLeague::PlaySeasonMonth(int& tookPart) {
    int n = GetTeamCount();
    int g = m_seasonGames;
    if (m_gamesCompleted == g || m_pairs.empty() || !IsRunning()) return 0;
    if (static_cast<int64_t>(m_pairs.size()) != FullPairCount(n)) return 0;
    tookPart = 1;
    std::vector<int> remaining(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        int met = 0;
        for (int j = 0; j < n; ++j)
            if (j != i && IsPairPlayed(i, j)) ++met;
        remaining[static_cast<size_t>(i)] = g - m_gamesCompleted - met;
    }
    int cyclePairs = static_cast<int>(FullPairCount(n));
    int left = CountUnplayedPairs();
    int64_t played = cyclePairs + static_cast<int64_t>(m_gamesCompleted) * n / 2 - left;
    int64_t teamGames = static_cast<int64_t>(m_gamesPerMonth) * n;
    int64_t matches = teamGames == 0 ? 0
                                     : teamGames / 2 + (teamGames % 2 != 0 ? 1 : 0) -
                                           ((2 * played) % teamGames != 0 ? 1 : 0);
    // A month never plays more than the season has left, whatever games per
    // month a saved game asks for.
    const int64_t seasonLeft = static_cast<int64_t>(n) * (int64_t{g} - m_gamesCompleted) / 2 -
                               (cyclePairs - left);
    matches = std::clamp<int64_t>(matches, 0, std::max<int64_t>(seasonLeft, 0));
    for (int64_t k = 0; k < matches; ++k) {
        if (left == 0) {
            m_gamesCompleted += n - 1;
            if (m_gamesCompleted == g) {
                UpdateStandings(true);
                return 1;
            }
            NewRound();
            left = cyclePairs;
        }
        int first = 0, second = 0;
        if (!PickPairing(remaining, first, second)) break;
        PlayMatch(first, second);
        --left;
    }
    int ended = 0;
    if (left == 0 && g == n + m_gamesCompleted - 1) {
        m_gamesCompleted = g;
        ended = 1;
    }
    UpdateStandings(ended != 0);
    return ended;
}

bool CLeague::PickPairing(std::vector<int>& remaining, int& first, int& second) {
    int n = GetTeamCount();
    if (static_cast<int>(remaining.size()) != n) return false;
    auto drawBest = [&](auto eligible) {
        int best = 0;
        for (int i = 0; i < n; ++i)
            if (eligible(i)) best = std::max(best, remaining[static_cast<size_t>(i)]);
        if (best < 1) return -1;
        std::vector<int> candidates;
        for (int i = 0; i < n; ++i)
            if (eligible(i) && remaining[static_cast<size_t>(i)] == best) candidates.push_back(i);
        return candidates[static_cast<size_t>(Random(static_cast<int>(candidates.size())))];
    };
    int a = drawBest([](int) { return true; });
    if (a < 0) return false;
    int b = drawBest([&](int i) { return i != a && !IsPairPlayed(a, i); });
    if (b < 0) return false;
    --remaining[static_cast<size_t>(a)];
    --remaining[static_cast<size_t>(b)];
    first = a;
    second = b;
    return true;
}

void CLeague::PlayMatch(int i, int j) {
    CProTeam& a = GetTeam(i);
    CProTeam& b = GetTeam(j);
    auto scale = [this](const CProTeam& t) {
        int s = t.GetStrength() - 5;
        return m_rankByRate ? (s + 3) * 6 : (s + 2) * 2;
    };
    int x = Random(scale(a));
    int y = Random(scale(b));
    if (x == y) {
        int points = m_rankByRate ? 0 : 1;
        a.AddDraw(points);
        b.AddDraw(points);
    } else {
        int points = m_rankByRate ? 0 : (std::abs(x - y) == 1 ? 2 : 3);
        CProTeam& winner = x > y ? a : b;
        CProTeam& loser = x > y ? b : a;
        winner.AddWin(points);
        loser.AddLoss();
    }
    SetPairPlayed(i, j);
}

int CLeague::CompareTeams(int i, int j) const {
    const CProTeam& a = GetTeam(i);
    const CProTeam& b = GetTeam(j);
    if (m_rankByRate) {
        double ra = a.GetWinRate(), rb = b.GetWinRate();
        return ra > rb ? 1 : (ra < rb ? -1 : 0);
    }
    return a.GetPoints() > b.GetPoints() ? 1 : (a.GetPoints() < b.GetPoints() ? -1 : 0);
}

void CLeague::UpdateStandings(bool seasonEnd) {
    int n = GetTeamCount();
    std::vector<int> order;
    for (int i = 0; i < n; ++i) {
        auto place = std::find_if(order.begin(), order.end(),
                                  [&](int placed) { return CompareTeams(i, placed) > 0; });
        order.insert(place, i);
    }
    int rank = 0;
    for (int p = 0; p < n; ++p) {
        if (p > 0 && CompareTeams(order[static_cast<size_t>(p)], order[static_cast<size_t>(p - 1)]))
            rank = p;
        GetTeam(order[static_cast<size_t>(p)]).SetRank(rank);
    }
    if (!seasonEnd) return;
    std::vector<int> leaders;
    for (int i = 0; i < n; ++i)
        if (GetTeam(i).GetRank() == 0) leaders.push_back(i);
    if (leaders.empty()) return;
    int champion = leaders[static_cast<size_t>(Random(static_cast<int>(leaders.size())))];
    for (int i : leaders)
        if (i != champion) GetTeam(i).SetRank(1);
}

void CLeague::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        Store(ar);
        return;
    }
    CLeague l;
    l.m_bounds = m_bounds;
    l.m_rankByRate = CheckFed(ar.ReadByte(), 0, 1);
    l.m_popularity = CheckFed(ar.ReadInt(), 5, 20);
    l.m_seasonGames = CheckFed(ar.ReadInt(), 0, kMaxScheduleFigure);
    l.m_gamesPerMonth = CheckFed(ar.ReadInt(), 0, kMaxScheduleFigure);
    l.m_gamesCompleted = CheckFed(ar.ReadInt(), 0, kMaxScheduleFigure);
    int pairCount = CheckFed(ar.ReadInt(), 0, kNoLimit);
    for (int i = 0; i < pairCount; ++i) l.m_pairs.push_back(CheckFed(ar.ReadByte(), 0, 1));
    int startCount = CheckFed(ar.ReadInt(), 0, kNoLimit);
    for (int i = 0; i < startCount; ++i) l.m_startMonths.push_back(CheckFed(ar.ReadByte(), 0, 11));
    int teamCount = CheckFed(ar.ReadInt(), 0, kNoLimit);
    if (!IsPlayableTeamCount(teamCount)) throw eMERCAVO_ERROR_CONTENTS;
    for (int i = 0; i < teamCount; ++i) {
        CProTeam team;
        team.Serialize(ar, m_bounds);
        l.m_teams.push_back(std::move(team));
    }
    // The pair table must match the teams, or the pair lookups would run
    // past it.
    if (pairCount != 0 && pairCount != FullPairCount(teamCount)) throw eMERCAVO_ERROR_CONTENTS;
    *this = std::move(l);
}

void CLeague::Store(CArchive& ar) {
    ar.WriteByte(static_cast<uint8_t>(m_rankByRate));
    for (int v : {m_popularity, m_seasonGames, m_gamesPerMonth, m_gamesCompleted}) ar.WriteInt(v);
    ar.WriteInt(static_cast<int32_t>(m_pairs.size()));
    for (int v : m_pairs) ar.WriteByte(static_cast<uint8_t>(v));
    ar.WriteInt(static_cast<int32_t>(m_startMonths.size()));
    for (int v : m_startMonths) ar.WriteByte(static_cast<uint8_t>(v));
    ar.WriteInt(static_cast<int32_t>(m_teams.size()));
    for (CProTeam& t : m_teams) t.Serialize(ar, m_bounds);
}

std::string CLeague::RecordHead(int code, int league) {
    return FormatRecordHeader(kRecordClass, kRecordGroup, code) + FormatFixedInt(league, 2);
}

std::vector<std::string> CLeague::BuildRecords(int league) const {
    std::vector<std::string> records;
    std::string head = RecordHead(kCodeHeader, league);
    head += FormatFixedInt(GetTeamCount(), 4) + FormatFixedInt(m_rankByRate, 1) +
            FormatFixedInt(m_popularity, 3) + FormatFixedInt(m_seasonGames, 5) +
            FormatFixedInt(m_gamesPerMonth, 5) + FormatFixedInt(m_gamesCompleted, 5) +
            FormatFixedInt(GetPairCount(), 8);
    // Only as many start months as the record holds (a year has twelve).
    int fit = (kNetRecordTextLimit - static_cast<int>(head.size()) - 3) / 3;
    int starts = std::min(GetSeasonStartCount(), fit);
    head += FormatFixedInt(starts, 3);
    for (int i = 0; i < starts; ++i)
        head += FormatFixedInt(m_startMonths[static_cast<size_t>(i)], 3);
    records.push_back(head);

    int pairs = std::min(GetPairCount(), kMaxPairCount);
    for (int first = 0; first < pairs; first += kPairFlagsPerRecord) {
        int last = std::min(first + kPairFlagsPerRecord, pairs) - 1;
        std::string record =
            RecordHead(kCodePairFlags, league) + FormatFixedInt(first, 5) + FormatFixedInt(last, 5);
        for (int i = first; i <= last; ++i) record += m_pairs[static_cast<size_t>(i)] ? '1' : '0';
        records.push_back(record);
    }
    AppendTeamRecords(league, records);
    return records;
}

void CLeague::AppendTeamRecords(int league, std::vector<std::string>& records) const {
    int n = std::min(GetTeamCount(), kMaxTeamCount);
    const int teamHead = kHeadLength + 8;
    const int longestName = kNetRecordTextLimit - teamHead - CProTeam::kTextFieldLength;
    int first = 0;
    while (first < n) {
        std::string body;
        int last = first;
        for (int i = first; i < n && i < first + kTeamsPerRecord; ++i) {
            CProTeam team = GetTeam(i);
            // A name too long for a record of its own is cut.
            team.SetName(TruncateText(team.GetName(), longestName));
            std::string text = team.GetText();
            // A team that does not fit goes into the next record.
            if (i > first && teamHead + body.size() + text.size() > size_t(kNetRecordTextLimit))
                break;
            body += text;
            last = i;
        }
        std::string record = RecordHead(kCodeTeams, league) + FormatFixedInt(first, 4) +
                             FormatFixedInt(last, 4) + body;
        if (FitsRecord(record)) records.push_back(record);
        first = last + 1;
    }
}

void CLeague::SendLeague(int peer, int league) const {
    for (const std::string& record : BuildRecords(league)) Services::Net().SendRecord(peer, record);
}

bool CLeague::ReadLeagueHeader(std::string_view text) {
    int pos = 0;
    int teams = ParseFixedInt(text, pos, 4);
    int flag = ParseFixedInt(text, pos, 1);
    int popularity = ParseFixedInt(text, pos, 3);
    int games = ParseFixedInt(text, pos, 5);
    int perMonth = ParseFixedInt(text, pos, 5);
    int completed = ParseFixedInt(text, pos, 5);
    int pairs = ParseFixedInt(text, pos, 8);
    int startCount = ParseFixedInt(text, pos, 3);
    if (teams < 0 || teams > kMaxTeamCount || flag < 0 || flag > 1 || popularity < 5 ||
        popularity > 20 || games < 0 || perMonth < 0 || completed < 0 || startCount < 0)
        return false;
    if (!IsPlayableTeamCount(teams) || (pairs != 0 && pairs != FullPairCount(teams))) return false;
    std::vector<int> starts;
    for (int i = 0; i < startCount; ++i) {
        int month = ParseFixedInt(text, pos, 3);
        if (month < 0 || month > 11) return false;
        starts.push_back(month);
    }
    if (pos > static_cast<int>(text.size())) return false;
    m_teams.resize(static_cast<size_t>(teams));
    m_rankByRate = flag;
    m_popularity = popularity;
    m_seasonGames = games;
    m_gamesPerMonth = perMonth;
    m_gamesCompleted = completed;
    m_pairs.resize(static_cast<size_t>(pairs), 0);
    m_startMonths = std::move(starts);
    return true;
}

bool CLeague::ReadPairFlags(std::string_view text) {
    int pos = 0;
    int first = ParseFixedInt(text, pos, 5);
    int last = ParseFixedInt(text, pos, 5);
    if (pos > static_cast<int>(text.size()) || first < 0 || first > last ||
        last >= GetPairCount() || last - first + 1 > static_cast<int>(text.size()) - pos)
        return false;
    std::string_view digits = text.substr(static_cast<size_t>(pos), size_t(last - first + 1));
    if (digits.find_first_not_of("01") != std::string_view::npos) return false;
    for (int i = first; i <= last; ++i)
        m_pairs[static_cast<size_t>(i)] = digits[static_cast<size_t>(i - first)] == '1';
    return true;
}

bool CLeague::ReadTeams(std::string_view text) {
    int pos = 0;
    int first = ParseFixedInt(text, pos, 4);
    int last = ParseFixedInt(text, pos, 4);
    if (pos > static_cast<int>(text.size()) || first < 0 || first > last || last >= GetTeamCount())
        return false;
    std::vector<CProTeam> received(static_cast<size_t>(last - first + 1));
    for (CProTeam& team : received) {
        int consumed = 0;
        if (!team.ReadText(text.substr(static_cast<size_t>(pos)), consumed, m_bounds)) return false;
        pos += consumed;
    }
    std::copy(received.begin(), received.end(), m_teams.begin() + first);
    return true;
}

bool CLeague::operator==(const CLeague& other) const {
    return m_rankByRate == other.m_rankByRate && m_popularity == other.m_popularity &&
           m_seasonGames == other.m_seasonGames && m_gamesPerMonth == other.m_gamesPerMonth &&
           m_gamesCompleted == other.m_gamesCompleted && m_pairs == other.m_pairs &&
           m_startMonths == other.m_startMonths && m_teams == other.m_teams;
}
