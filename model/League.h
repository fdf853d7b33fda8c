#pragma once
// A professional sports league: its teams, its season schedule in cycles
// (in one cycle every pair of teams meets once), the monthly match days, the
// standings and the champion.
//
// The ranking flag also names the league's sport, and with it the stadiums
// its teams play in: a league whose flag is 0 (ranked by points) plays in
// stadiums of structure type code 80, any other in code-85 stadiums. Every
// place that speaks of the stadiums of "league kind 0 / 1" means this
// selector (GetStadiumKind); StructureCode::StadiumTypeCode maps it to the
// type code.

#include <string>
#include <string_view>
#include <vector>

#include "model/ProTeam.h"

class CArchive;

class CLeague {
public:
    // The network record codes of a league (class 300, group 03).
    static constexpr int kCodeHeader = 20;
    static constexpr int kCodePairFlags = 21;
    static constexpr int kCodeTeams = 22;
    // At most this many teams go into one team record.
    static constexpr int kTeamsPerRecord = 4;
    // Pair flags are addressed by five digits in their record.
    static constexpr int kMaxPairCount = 99999;
    static constexpr int kMaxTeamCount = 9999;

    CLeague() = default;

    // The map whose areas and cells the teams' home fields must lie in; the
    // map document sets it before the league loads or receives teams.
    void SetHomeFieldBounds(const CHomeFieldBounds& bounds) { m_bounds = bounds; }

    void Serialize(CArchive& ar);

    // 0: ranked by points (code-80 stadiums); 1: by winning percentage
    // (code-85 stadiums).
    int IsRankedByRate() const { return m_rankByRate; }
    void SetRankedByRate(int flag) { m_rankByRate = flag ? 1 : 0; }
    int GetStadiumKind() const { return m_rankByRate ? 1 : 0; }

    int GetPopularity() const { return m_popularity; }
    void SetPopularity(int value);

    int GetSeasonGames() const { return m_seasonGames; }
    int GetGamesPerMonth() const { return m_gamesPerMonth; }
    int GetGamesCompleted() const { return m_gamesCompleted; }
    void SetSchedule(int seasonGames, int gamesPerMonth, const std::vector<int>& startMonths);
    int GetSeasonStartCount() const { return static_cast<int>(m_startMonths.size()); }
    int GetSeasonStartMonth(int i) const;

    int GetTeamCount() const { return static_cast<int>(m_teams.size()); }
    CProTeam& GetTeam(int i) { return m_teams.at(static_cast<size_t>(i)); }
    const CProTeam& GetTeam(int i) const { return m_teams.at(static_cast<size_t>(i)); }
    void AddTeam(const CProTeam& team) { m_teams.push_back(team); }

    bool IsRunning() const;
    bool IsInSeason(int month) const;
    // 0 for a league without teams or a team outside it.
    int GetTeamPrice(int team) const;

    void StartSeason();
    void NewRound();
    bool IsPairPlayed(int i, int j) const;
    void SetPairPlayed(int i, int j);
    int CountUnplayedPairs() const;
    int GetPairCount() const { return static_cast<int>(m_pairs.size()); }

    // The monthly season step. tookPart is set when the league played this
    // month. Returns 1 when the season ended in this step.
    int PlaySeasonMonth(int& tookPart);
    void PlayMatch(int i, int j);
    // Draws the next pairing from the remaining games per team and lowers
    // both entries; false when no pairing is left.
    bool PickPairing(std::vector<int>& remaining, int& first, int& second);
    void UpdateStandings(bool seasonEnd);
    // 1 when team i ranks above team j, 0 when equal, -1 below.
    int CompareTeams(int i, int j) const;

    // The league's network records in sending order: header, pair flags,
    // teams.
    std::vector<std::string> BuildRecords(int league) const;
    void SendLeague(int peer, int league) const;
    // The readers take the text after the two-digit league number. A record
    // with any field out of range is dropped whole (false).
    bool ReadLeagueHeader(std::string_view text);
    bool ReadPairFlags(std::string_view text);
    bool ReadTeams(std::string_view text);

    bool operator==(const CLeague& other) const;

private:
    int PairIndex(int i, int j) const;
    void Store(CArchive& ar);
    static std::string RecordHead(int code, int league);
    void AppendTeamRecords(int league, std::vector<std::string>& records) const;

    int m_rankByRate = 0;
    int m_popularity = 5;
    int m_seasonGames = 0;
    int m_gamesPerMonth = 0;
    int m_gamesCompleted = 0;
    std::vector<int> m_pairs;
    std::vector<int> m_startMonths;
    std::vector<CProTeam> m_teams;
    CHomeFieldBounds m_bounds;
};
