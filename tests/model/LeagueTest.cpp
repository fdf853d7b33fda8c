// Leagues and teams: the season played match by match, standings and
// champions, team prices, the stored form and the network records.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <map>

#include "fakes/FakeServices.h"
#include "fakes/ScriptedDraws.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MercavoError.h"
#include "model/Random.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/RuntimeRandom.h"

namespace {

CProTeam MakeTeam(const std::string& name, int power, int popularity, int owner = -1,
                  int forSale = 0) {
    CProTeam team;
    team.SetName(name);
    team.SetWinPower(power);
    team.SetPopularity(popularity);
    team.SetStrength(power);
    team.SetOwner(owner);
    team.SetForSale(forSale);
    return team;
}

CLeague MakeLeague(int teams, int rankByRate, int seasonGames, int perMonth) {
    CLeague league;
    league.SetRankedByRate(rankByRate);
    league.SetPopularity(12);
    league.SetSchedule(seasonGames, perMonth, {3});
    for (int i = 0; i < teams; ++i)
        league.AddTeam(MakeTeam("Team " + std::to_string(i), 5 + (i * 7) % 26, 5 + (i * 5) % 26));
    return league;
}

const CHomeFieldBounds kBounds{4, 16, 12};

std::vector<uint8_t> Store(CLeague league) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    league.SetHomeFieldBounds(kBounds);
    league.Serialize(ar);
    return stream.Bytes();
}

CLeague Load(const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    CLeague league;
    league.SetHomeFieldBounds(kBounds);
    league.Serialize(ar);
    return league;
}

int GamesPlayed(const CProTeam& t) {
    return t.GetWins() + t.GetLosses() + t.GetDraws();
}

}  // namespace

TEST(League, PairIndexesCoverEveryPairOnce) {
    CLeague league = MakeLeague(5, 0, 4, 1);
    league.NewRound();
    ASSERT_EQ(league.GetPairCount(), 10);
    EXPECT_EQ(league.CountUnplayedPairs(), 10);
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j) {
            EXPECT_FALSE(league.IsPairPlayed(j, i));
            league.SetPairPlayed(j, i);
            EXPECT_TRUE(league.IsPairPlayed(i, j));
        }
    EXPECT_EQ(league.CountUnplayedPairs(), 0);
    // A team against itself or outside the league is no pair.
    league.NewRound();
    league.SetPairPlayed(2, 2);
    league.SetPairPlayed(4, 5);
    league.SetPairPlayed(-1, 0);
    EXPECT_EQ(league.CountUnplayedPairs(), 10);
}

TEST(League, SeasonOfSixTeamsOverTwelveMonths) {
    struct Case {
        int rankByRate, seasonGames, perMonth, endMonth;
    };
    for (Case c : {Case{0, 10, 1, 9}, Case{1, 10, 1, 9}, Case{0, 15, 2, 7}, Case{1, 5, 3, 1}}) {
        SCOPED_TRACE(testing::Message()
                     << "rate " << c.rankByRate << " G " << c.seasonGames << " M " << c.perMonth);
        CRuntimeRandom::Seed(1234);
        CLeague league = MakeLeague(6, c.rankByRate, c.seasonGames, c.perMonth);
        ASSERT_TRUE(league.IsRunning());
        league.StartSeason();
        int ended = 0, endMonth = -1;
        std::vector<int> before(6, 0);
        for (int month = 0; month < 12; ++month) {
            int tookPart = 0;
            int result = league.PlaySeasonMonth(tookPart);
            int teamGames = 0;
            for (int i = 0; i < 6; ++i) {
                int games = GamesPlayed(league.GetTeam(i));
                teamGames += games - before[static_cast<size_t>(i)];
                before[static_cast<size_t>(i)] = games;
            }
            if (endMonth >= 0) {
                EXPECT_EQ(tookPart, 0);
                EXPECT_EQ(teamGames, 0);
            } else {
                EXPECT_EQ(tookPart, 1);
                EXPECT_LE(teamGames, c.perMonth * 6);
            }
            if (result == 1) {
                ++ended;
                endMonth = month;
            }
        }
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(league.GetGamesCompleted(), c.seasonGames);
        int champions = 0;
        for (int i = 0; i < 6; ++i) {
            const CProTeam& t = league.GetTeam(i);
            EXPECT_EQ(GamesPlayed(t), c.seasonGames);
            if (c.rankByRate) {
                EXPECT_EQ(t.GetPoints(), 0);
            }
            if (t.GetRank() == 0) ++champions;
        }
        EXPECT_EQ(champions, 1);
        EXPECT_EQ(endMonth, c.endMonth);
        // Standings as competition ranks of the final table; the leaders
        // other than the champion moved to rank 1.
        for (int i = 0; i < 6; ++i) {
            int better = 0;
            for (int j = 0; j < 6; ++j) better += league.CompareTeams(j, i) > 0;
            int rank = league.GetTeam(i).GetRank();
            if (better > 0) {
                EXPECT_EQ(rank, better);
            } else {
                EXPECT_LE(rank, 1);
            }
        }
    }
}

TEST(League, EveryPairMeetsOncePerCycle) {
    // Four teams, two matches a month: a cycle of six pairs fills exactly
    // three months, so a pair played twice in a cycle would leave one open.
    CRuntimeRandom::Seed(99);
    CLeague league = MakeLeague(4, 0, 6, 1);
    league.StartSeason();
    const int unplayed[] = {4, 2, 0, 4, 2, 0};
    const int completed[] = {0, 0, 0, 3, 3, 6};
    for (int month = 0; month < 6; ++month) {
        int tookPart = 0;
        int ended = league.PlaySeasonMonth(tookPart);
        EXPECT_EQ(league.CountUnplayedPairs(), unplayed[month]) << month;
        EXPECT_EQ(league.GetGamesCompleted(), completed[month]) << month;
        EXPECT_EQ(ended, month == 5 ? 1 : 0);
    }
}

TEST(League, OddTeamGamesAlternateMatchesPerMonth) {
    CRuntimeRandom::Seed(5);
    CLeague league = MakeLeague(5, 0, 8, 1);  // 5 team-games a month
    league.StartSeason();
    std::vector<int> perMonth;
    int before = 0;
    for (int month = 0; month < 4; ++month) {
        int tookPart = 0;
        league.PlaySeasonMonth(tookPart);
        int total = 0;
        for (int i = 0; i < 5; ++i) total += GamesPlayed(league.GetTeam(i));
        perMonth.push_back((total - before) / 2);
        before = total;
    }
    EXPECT_EQ(perMonth, (std::vector<int>{3, 2, 3, 2}));
}

TEST(League, MatchDrawsFromStrengthScale) {
    // Strength 5 draws from Random(4) ranked by points and Random(18) by
    // rate; strength 30 from Random(54) and Random(168).
    struct Case {
        int rankByRate, strengthA, strengthB, scaleA, scaleB;
    };
    for (Case c : {Case{0, 5, 30, 4, 54}, Case{1, 5, 30, 18, 168}, Case{0, 30, 30, 54, 54},
                   Case{1, 5, 5, 18, 18}}) {
        for (uint32_t seed = 1; seed < 40; ++seed) {
            CLeague league = MakeLeague(2, c.rankByRate, 1, 1);
            league.NewRound();
            league.GetTeam(0).SetStrength(c.strengthA);
            league.GetTeam(1).SetStrength(c.strengthB);
            CRuntimeRandom::Seed(seed);
            int x = Random(c.scaleA), y = Random(c.scaleB);
            CRuntimeRandom::Seed(seed);
            league.PlayMatch(0, 1);
            const CProTeam& a = league.GetTeam(0);
            const CProTeam& b = league.GetTeam(1);
            int points = c.rankByRate ? 0 : (x == y ? 1 : (std::abs(x - y) == 1 ? 2 : 3));
            EXPECT_EQ(a.GetWins(), x > y ? 1 : 0);
            EXPECT_EQ(b.GetWins(), y > x ? 1 : 0);
            EXPECT_EQ(a.GetDraws(), x == y ? 1 : 0);
            EXPECT_EQ(a.GetPoints(), x >= y ? points : 0);
            EXPECT_EQ(b.GetPoints(), y >= x ? points : 0);
            EXPECT_TRUE(league.IsPairPlayed(0, 1));
        }
    }
}

TEST(League, StandingsKeepIndexOrderOnTies) {
    CLeague league = MakeLeague(5, 0, 4, 1);
    int points[] = {3, 7, 3, 7, 1};
    for (int i = 0; i < 5; ++i) league.GetTeam(i).AddWin(points[i]);
    CRuntimeRandom::Seed(3);
    league.UpdateStandings(false);
    int expected[] = {2, 0, 2, 0, 4};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(league.GetTeam(i).GetRank(), expected[i]);
    league.UpdateStandings(true);
    EXPECT_EQ(league.GetTeam(1).GetRank() + league.GetTeam(3).GetRank(), 1);
    EXPECT_EQ(league.GetTeam(0).GetRank(), 2);
}

TEST(League, WinRateIgnoresDraws) {
    CProTeam team = MakeTeam("A", 10, 10);
    EXPECT_EQ(team.GetWinRate(), 0.0);
    for (int i = 0; i < 3; ++i) team.AddWin(0);
    team.AddLoss();
    for (int i = 0; i < 5; ++i) team.AddDraw(0);
    EXPECT_DOUBLE_EQ(team.GetWinRate(), 0.75);
}

TEST(League, HeldFigures) {
    CLeague league;
    league.SetPopularity(21);
    EXPECT_EQ(league.GetPopularity(), 20);
    league.SetPopularity(4);
    EXPECT_EQ(league.GetPopularity(), 5);
    CProTeam team;
    team.SetWinPower(31);
    team.SetPopularity(2);
    EXPECT_EQ(team.GetWinPower(), 30);
    EXPECT_EQ(team.GetPopularity(), 5);
    for (uint32_t seed = 0; seed < 50; ++seed) {
        CRuntimeRandom::Seed(seed);
        team.SetWinPower(29);
        team.SetStrength(-1);
        EXPECT_GE(team.GetStrength(), 27);
        EXPECT_LE(team.GetStrength(), 30);
    }
}

TEST(League, RunningAndInSeason) {
    struct Case {
        int teams, games, perMonth;
        std::vector<int> starts;
        bool running;
    };
    for (const Case& c :
         {Case{6, 10, 1, {3}, true}, Case{1, 10, 1, {3}, false}, Case{6, 0, 1, {3}, false},
          Case{6, 10, 1, {}, false}, Case{6, 10, 0, {3}, false}}) {
        CLeague league = MakeLeague(c.teams, 0, c.games, c.perMonth);
        league.SetSchedule(c.games, c.perMonth, c.starts);
        EXPECT_EQ(league.IsRunning(), c.running);
        league.StartSeason();
        int tookPart = 0;
        if (!c.running) {
            EXPECT_EQ(league.PlaySeasonMonth(tookPart), 0);
            EXPECT_EQ(tookPart, 0);
        }
        EXPECT_FALSE(c.perMonth == 0 && league.IsInSeason(5));
    }
    // Ten games at three a month: four months from each start.
    CLeague league = MakeLeague(6, 0, 10, 3);
    league.SetSchedule(10, 3, {2, 8});
    std::vector<bool> inSeason;
    for (int m = 0; m < 12; ++m) inSeason.push_back(league.IsInSeason(m));
    EXPECT_EQ(inSeason, (std::vector<bool>{0, 0, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1}));
    // Counts near the int limit from a stored league: a season of one month,
    // then one that never ends.
    league.SetSchedule(0x7FFFFFFF, 0x7FFFFFFF, {5});
    EXPECT_TRUE(league.IsInSeason(5));
    EXPECT_FALSE(league.IsInSeason(6));
    league.SetSchedule(0x7FFFFFFF, 1, {3});
    EXPECT_TRUE(league.IsInSeason(0x7FFFFFF0));
}

TEST(League, TeamPrices) {
    CLeague league;
    EXPECT_EQ(league.GetTeamPrice(0), 0) << "no teams, no price";
    league.SetPopularity(15);
    league.AddTeam(MakeTeam("A", 20, 10, -1, 1));  // value 470, offered
    league.AddTeam(MakeTeam("B", 10, 30, 2, 1));   // value 410, owned
    league.AddTeam(MakeTeam("C", 5, 5, -1, 0));    // value 135, not offered
    // u = 1 of 3: t = (33) * 2 / 3 = 22; 1000 + 145 x value / 100.
    EXPECT_EQ(league.GetTeamPrice(0), 1000 + 145 * 470 / 100);
    EXPECT_EQ(league.GetTeamPrice(1), 1000 + 145 * 410 / 100);
    EXPECT_EQ(league.GetTeamPrice(2), 1000 + 145 * 135 / 100);
    EXPECT_EQ(league.GetTeamPrice(3), 0);
    league.GetTeam(2).SetForSale(1);  // u = 2: t = 66 * 2 / 3 = 44
    EXPECT_EQ(league.GetTeamPrice(0), 1000 + 123 * 470 / 100);
}

TEST(League, StoredFormRoundTrip) {
    CRuntimeRandom::Seed(8);
    CLeague league = MakeLeague(4, 1, 6, 1);
    league.SetSchedule(6, 1, {0, 6});
    league.GetTeam(2).SetHomeField(3, 15, 11);
    league.GetTeam(1).SetOwner(0);
    league.StartSeason();
    int tookPart = 0;
    league.PlaySeasonMonth(tookPart);
    std::vector<uint8_t> bytes = Store(league);
    CLeague loaded = Load(bytes);
    EXPECT_TRUE(loaded == league);
    EXPECT_EQ(Store(loaded), bytes);
    EXPECT_EQ(loaded.GetTeam(2).GetHomeX(), 15);
}

TEST(League, LoadFeedsTheDataChecksum) {
    CLeague league;
    league.SetPopularity(7);
    league.AddTeam(MakeTeam("Ab", 9, 10));
    std::vector<uint8_t> bytes = Store(league);
    CFakeDocService doc;
    Services::App().DataChecksum().Reset();
    Load(bytes);
    CDataChecksum expected;
    for (int v : {0, 7, 0, 0, 0, 0, 0, 1, 0}) expected.Add(v);
    expected.AddString("Ab");
    for (int v : {9, 9, 10, -1, 0, 0, 0, 0, 0, -1, -1, -1, 0, 0, 0}) expected.Add(v);
    EXPECT_EQ(Services::App().DataChecksum().Get(), expected.Get());
}

TEST(League, DamagedStoredFormsAreRefused) {
    // Offsets into the stored form of a league with two teams (names "T0",
    // "T1"), one pair and one start month.
    CLeague league;
    league.SetPopularity(10);
    league.SetSchedule(2, 1, {4});
    league.AddTeam(MakeTeam("T0", 10, 10));
    league.AddTeam(MakeTeam("T1", 10, 10));
    league.NewRound();
    const std::vector<uint8_t> good = Store(league);
    ASSERT_NO_THROW(Load(good));
    const size_t pairs = 17, starts = 22, team0 = 31, fields0 = team0 + 4;
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
    };
    auto setInt = [](std::vector<uint8_t>& b, size_t at, int32_t v) {
        for (int k = 0; k < 4; ++k) b[at + size_t(k)] = uint8_t(uint32_t(v) >> (8 * k));
    };
    const Case cases[] = {
        {"flag byte 2", [](auto& b) { b[0] = 2; }},
        {"popularity 4", [&](auto& b) { setInt(b, 1, 4); }},
        {"popularity 21", [&](auto& b) { setInt(b, 1, 21); }},
        {"negative season games", [&](auto& b) { setInt(b, 5, -1); }},
        {"negative games per month", [&](auto& b) { setInt(b, 9, -1); }},
        {"negative games completed", [&](auto& b) { setInt(b, 13, -1); }},
        // Beyond the five digits of the header record: a month of billions of
        // matches, or a completed count that overflows at the next cycle.
        {"season games 100000", [&](auto& b) { setInt(b, 5, 100000); }},
        {"games per month 100000", [&](auto& b) { setInt(b, 9, 100000); }},
        {"games completed 100000", [&](auto& b) { setInt(b, 13, 100000); }},
        {"pair flag 2", [&](auto& b) { b[pairs + 4] = 2; }},
        {"start month 12", [&](auto& b) { b[starts + 4] = 12; }},
        {"team for-sale byte 2", [&](auto& b) { b[team0] = 2; }},
        {"winning power 4", [&](auto& b) { setInt(b, fields0, 4); }},
        {"strength 31", [&](auto& b) { setInt(b, fields0 + 4, 31); }},
        {"owner -2", [&](auto& b) { setInt(b, fields0 + 12, -2); }},
        {"negative wins", [&](auto& b) { setInt(b, fields0 + 16, -1); }},
        {"home area = area count", [&](auto& b) { setInt(b, fields0 + 36, 4); }},
        {"home x = grid width", [&](auto& b) { setInt(b, fields0 + 40, 16); }},
        {"home y = grid height", [&](auto& b) { setInt(b, fields0 + 44, 12); }},
        {"negative expenses", [&](auto& b) { setInt(b, fields0 + 56, -5); }},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        c.damage(bytes);
        try {
            Load(bytes);
            ADD_FAILURE() << c.what << " loaded";
        } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS) << c.what;
        }
    }
    // More teams than a pair table of five-digit addresses can serve.
    {
        std::vector<uint8_t> bytes = good;
        setInt(bytes, team0 - 4, 448);
        EXPECT_THROW(Load(bytes), eMERCAVO_ERROR);
    }
    // A pair table that does not match the teams: one pair too many.
    std::vector<uint8_t> bytes = good;
    setInt(bytes, pairs, 2);
    bytes.insert(bytes.begin() + long(pairs + 4), 0);
    EXPECT_THROW(Load(bytes), eMERCAVO_ERROR);
    // Cut short anywhere: the archive's end of data.
    for (size_t size = 0; size < good.size(); size += 7)
        EXPECT_THROW(Load(std::vector<uint8_t>(good.begin(), good.begin() + long(size))),
                     CArchiveException);
}

namespace {
// Passes each record to its reader as the network dispatcher does.
bool Deliver(CLeague& league, const std::string& record) {
    int code = std::stoi(record.substr(13, 3));
    std::string_view fields = std::string_view(record).substr(18);
    if (code == CLeague::kCodeHeader) return league.ReadLeagueHeader(fields);
    if (code == CLeague::kCodePairFlags) return league.ReadPairFlags(fields);
    return league.ReadTeams(fields);
}
}  // namespace

TEST(LeagueNetwork, RecordsCopyTheLeague) {
    CRuntimeRandom::Seed(21);
    CLeague league = MakeLeague(7, 1, 12, 2);
    league.SetSchedule(12, 2, {1, 7});
    league.GetTeam(3).SetHomeField(2, 0, 11);
    league.GetTeam(5).SetOwner(3);
    league.StartSeason();
    int tookPart = 0;
    league.PlaySeasonMonth(tookPart);
    std::vector<std::string> records = league.BuildRecords(2);
    ASSERT_EQ(records.size(), 1u + 1u + 2u);
    EXPECT_EQ(records[0].substr(0, 18),
              "_MERCAVO30003020"
              "02");
    EXPECT_EQ(records[2].substr(18, 8), "00000003");
    CLeague copy;
    copy.SetHomeFieldBounds(kBounds);
    for (const std::string& r : records) {
        EXPECT_LE(r.size(), 511u);
        EXPECT_TRUE(Deliver(copy, r)) << r;
    }
    EXPECT_TRUE(copy == league);

    CFakeNetService net;
    auto scoped = ScopedNet(&net);
    league.SendLeague(-1, 2);
    ASSERT_EQ(net.sent.size(), records.size());
    EXPECT_EQ(net.sent[1].player, -1);
    EXPECT_EQ(net.sent[3].record, records[3]);
}

TEST(LeagueNetwork, LongNamesSplitTeamRecords) {
    CLeague league = MakeLeague(5, 0, 4, 1);
    for (int i = 0; i < 5; ++i)
        league.GetTeam(i).SetName(std::string(size_t(150 + 200 * (i % 2)), char('a' + i)));
    league.GetTeam(4).SetName(std::string(700, 'z'));
    std::vector<std::string> records = league.BuildRecords(0);
    CLeague copy;
    int teamRecords = 0;
    for (const std::string& r : records) {
        EXPECT_LE(r.size(), 511u);
        EXPECT_TRUE(Deliver(copy, r));
        teamRecords += r.substr(13, 3) == "022";
    }
    EXPECT_GT(teamRecords, 2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(copy.GetTeam(i).GetName(), league.GetTeam(i).GetName());
    EXPECT_EQ(copy.GetTeam(4).GetName(), std::string(511 - 26 - 83, 'z'));
}

TEST(LeagueNetwork, DamagedRecordsAreDroppedWhole) {
    CLeague league = MakeLeague(3, 0, 4, 1);
    league.NewRound();
    const std::vector<std::string> records = league.BuildRecords(1);
    ASSERT_EQ(records.size(), 3u);
    const std::string head = records[0].substr(18), pairs = records[1].substr(18),
                      teams = records[2].substr(18);
    auto with = [](std::string text, size_t at, const std::string& field) {
        return text.replace(at, field.size(), field);
    };
    struct Case {
        const char* what;
        int code;
        std::string text;
    };
    const std::string name = league.GetTeam(0).GetName();
    const size_t team0Fields = 8 + 4 + name.size();
    const Case cases[] = {
        {"header cut short", 20, head.substr(0, 20)},
        {"team count -001", 20, with(head, 0, "-001")},
        {"flag 2", 20, with(head, 4, "2")},
        {"popularity 021", 20, with(head, 5, "021")},
        {"negative games", 20, with(head, 8, "-0001")},
        {"pair table not n(n-1)/2", 20, with(head, 23, "00000004")},
        // 448 teams would need 100128 pair flags, beyond the five-digit
        // addresses; starting their season would build a table of millions.
        {"448 teams", 20, with(with(head, 0, "0448"), 23, "00000000")},
        {"9999 teams", 20, with(with(head, 0, "9999"), 23, "00000000")},
        {"start month 12", 20, with(head, 34, "012")},
        {"more start months than sent", 20, with(head, 31, "009")},
        {"pair first > last", 21, with(with(pairs, 0, "00001"), 5, "00000")},
        {"pair last beyond table", 21, with(pairs, 5, "00003")},
        {"pair digits short", 21, pairs.substr(0, 12)},
        {"pair digit 7", 21, with(pairs, 10, "7")},
        {"team last beyond league", 22, with(teams, 4, "0003")},
        {"team first > last", 22, with(with(teams, 0, "0001"), 4, "0000")},
        {"team name longer than the record", 22, with(teams, 9, "900")},
        {"team winning power 031", 22, with(teams, team0Fields, "031")},
        {"team owner -02", 22, with(teams, team0Fields + 9, "-02")},
        {"team home area 9999", 22, with(teams, team0Fields + 38, "9999")},
        {"teams cut short", 22, teams.substr(0, teams.size() - 1)},
    };
    for (const Case& c : cases) {
        CLeague target = league;
        target.SetHomeFieldBounds(kBounds);
        bool accepted = c.code == 20   ? target.ReadLeagueHeader(c.text)
                        : c.code == 21 ? target.ReadPairFlags(c.text)
                                       : target.ReadTeams(c.text);
        EXPECT_FALSE(accepted) << c.what;
        EXPECT_TRUE(target == league) << c.what;
    }
}

TEST(League, TeamOwnerIsTheDocumentsCompanyOrNone) {
    CFakeDocService doc;
    auto scopedDoc = ScopedDoc(&doc);
    CEnterprise first, second;
    doc.enterprises = {&first, &second};
    CProTeam team;
    struct Case {
        int owner;
        CEnterprise* expected;
    };
    for (Case c :
         std::initializer_list<Case>{{-1, nullptr}, {0, &first}, {1, &second}, {2, nullptr}}) {
        SCOPED_TRACE(c.owner);
        team.SetOwner(c.owner);
        EXPECT_EQ(team.GetOwner(), c.expected);
    }
}

namespace {

int MatchesPlayed(const CLeague& league) {
    int games = 0;
    for (int t = 0; t < league.GetTeamCount(); ++t) {
        const CProTeam& team = league.GetTeam(t);
        games += team.GetWins() + team.GetLosses() + team.GetDraws();
    }
    return games / 2;
}

// A saved game may ask for any number of games a month: the month plays
// what the season has left (6 teams x 10 games / 2 = 30 matches) and ends
// it; none a month plays nothing.
TEST(LeagueSeasonBound, AMonthPlaysAtMostTheGamesLeftInTheSeason) {
    for (int perMonth : {INT_MAX, 1 << 24, 11}) {
        SCOPED_TRACE(perMonth);
        CRuntimeRandom::Seed(31);
        CLeague league = MakeLeague(6, 0, 10, 2);
        league.StartSeason();
        int tookPart = 0;
        EXPECT_EQ(league.PlaySeasonMonth(tookPart), 0);
        EXPECT_EQ(MatchesPlayed(league), 6);
        league.SetSchedule(10, perMonth, {3});
        EXPECT_EQ(league.PlaySeasonMonth(tookPart), 1);
        EXPECT_EQ(MatchesPlayed(league), 30);
        EXPECT_EQ(league.GetGamesCompleted(), 10);
    }
    CLeague idle = MakeLeague(6, 0, 10, 0);
    idle.StartSeason();
    int tookPart = 0;
    EXPECT_EQ(idle.PlaySeasonMonth(tookPart), 0);
    EXPECT_EQ(MatchesPlayed(idle), 0);
}

}  // namespace

namespace {

// Each team draws Random((strength - 5 + 2) x 2) in a league ranked by
// points, Random((strength - 5 + 3) x 6) in one ranked by winning rate;
// the higher number wins, by points 3 (2 when one apart, 1 each for a draw).
TEST(LeagueMatchDraws, TheHigherDrawWins) {
    struct SCase {
        const char* name;
        int rankByRate, strength0, strength1;
        CDraws draws;
        int wins0, wins1, draws0, points0, points1;
    };
    const SCase cases[] = {
        {"points, weakest against strongest", 0, 5, 30, {{4, 3}, {54, 5}}, 0, 1, 0, 0, 3},
        {"points, one apart", 0, 5, 5, {{4, 2}, {4, 1}}, 1, 0, 0, 2, 0},
        {"points, a draw", 0, 5, 5, {{4, 1}, {4, 1}}, 0, 0, 1, 1, 1},
        {"rate, weakest against strongest", 1, 5, 30, {{18, 17}, {168, 0}}, 1, 0, 0, 0, 0},
        {"rate, a draw", 1, 5, 5, {{18, 9}, {18, 9}}, 0, 0, 1, 0, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CLeague league = MakeLeague(2, c.rankByRate, 2, 1);
        league.GetTeam(0).SetStrength(c.strength0);
        league.GetTeam(1).SetStrength(c.strength1);
        league.NewRound();
        {
            CScriptedDraws script(c.draws);
            league.PlayMatch(0, 1);
        }
        const CProTeam& a = league.GetTeam(0);
        const CProTeam& b = league.GetTeam(1);
        EXPECT_EQ(a.GetWins(), c.wins0);
        EXPECT_EQ(b.GetWins(), c.wins1);
        EXPECT_EQ(a.GetDraws(), c.draws0);
        EXPECT_EQ(b.GetDraws(), c.draws0);
        EXPECT_EQ(a.GetLosses(), c.wins1);
        EXPECT_EQ(a.GetPoints(), c.points0);
        EXPECT_EQ(b.GetPoints(), c.points1);
        EXPECT_TRUE(league.IsPairPlayed(0, 1));
    }
}

}  // namespace
