#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/TestDrawing.h"
#include "model/BD.h"
#include "model/MapDoc.h"
#include "model/PersonDataFile.h"
#include "model/StructureCodes.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/MapBuilder.h"
#include "tools/mkdata/MapFileReport.h"
#include "tools/mkdata/MapRules.h"
#include "tools/mkdata/MapSource.h"
#include "tools/mkdata/PersonSource.h"

namespace {

std::string DataFolder() {
    return (std::filesystem::path(__FILE__).parent_path() / "../../data/")
        .lexically_normal()
        .string();
}

// The sources in data/, read once.
const CMapContent& Sources() {
    static const CMapContent content = CMapSource::ReadFolder(DataFolder());
    return content;
}

// The message of what a call throws; empty when it does not throw.
std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

class MapDataTest : public ::testing::Test {
protected:
    CGamePalette palette;
    CDetachedAppService app;
    CScopedService<IAppService> scoped = ScopedApp(&app);
};

// ---- The data file the build writes ----

TEST_F(MapDataTest, WrittenFileLoadsThroughTheGamesLoaderAndPassesTheNewGameTests) {
    CMapBuilder builder(palette);
    std::unique_ptr<CMapDoc> built = builder.Build(Sources());
    std::vector<uint8_t> bytes = builder.WriteVerified(*built);
    std::unique_ptr<CMapDoc> map = CMapFileReport::Load(bytes);

    EXPECT_EQ(CMapFileReport::FindNewGameProblem(*map), "");
    EXPECT_GE(map->GetAreaCount(), 8);
    EXPECT_LE(map->GetAreaCount(), 12);
    EXPECT_EQ(map->GetInitialCompanyCount(), 7);
    EXPECT_EQ(map->GetMaxCompanyCount(), 10);
    EXPECT_GE(map->GetCompanyNameCount(), map->GetMaxCompanyCount() + 3);
    EXPECT_GT(map->GetMaxFigure20(), 0);
    EXPECT_GE(map->GetGovernorsNeeded(), map->GetAreaCount());
    for (int d = 0; d < CBD::kDirections; ++d) EXPECT_EQ(map->IsDirectionComplete(d), 1);
    int plain = static_cast<int>(map->GetPlainLandTypes().size());
    EXPECT_GE(plain, 4);
    EXPECT_LE(plain, 8);
    EXPECT_GE(map->GetCode55Types().size(), 4u);
    EXPECT_GE(map->GetCode70TypeCount(), 2);
    EXPECT_GE(map->GetCode45Type(), 0);

    // Every team plays at home on a stadium of its league's sport.
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        const CLeague& league = map->GetLeague(l);
        EXPECT_TRUE(league.IsRunning());
        int code = StructureCode::StadiumTypeCode(league.GetStadiumKind());
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            const CProTeam& team = league.GetTeam(t);
            const CMapData& area = map->GetArea(team.GetHomeArea());
            int number = area.GetStructureAt(team.GetHomeX(), team.GetHomeY(), 0);
            ASSERT_GT(number, 0) << team.GetName();
            EXPECT_EQ(map->GetStructureType(number - 1)->GetTypeCode(), code) << team.GetName();
        }
    }
    // Pre-placed housing gives the areas their houses.
    int houses = 0;
    for (int a = 0; a < map->GetAreaCount(); ++a)
        for (int y = 0; y < map->GetGridHeight(); ++y)
            for (int x = 0; x < map->GetGridWidth(); ++x) {
                int n = map->GetArea(a).GetStructureAt(x, y, 0);
                if (n > 0 && map->GetStructureType(n - 1)->GetTypeCode() == 55) ++houses;
            }
    EXPECT_GT(houses, 100);

    // The same sources give the same bytes.
    EXPECT_EQ(builder.WriteVerified(*builder.Build(Sources())), bytes);
}

TEST_F(MapDataTest, PersonsCoverWhatTheMapAsksOfThem) {
    CMapContent content = Sources();
    CPersonSource persons;
    persons.ReadFile(DataFolder() + CPersonSource::kSourceName);
    CPersonSource::SNeeds needs{content.directorsNeeded, content.governorsNeeded,
                                static_cast<int>(content.areas.size())};
    EXPECT_NO_THROW(persons.Check(needs));
    EXPECT_GE(persons.CountFirstYear(), content.directorsNeeded);
    EXPECT_GE(persons.CountGovernors(), content.governorsNeeded);
}

// ---- Content the game would refuse ----

using CMutation = std::function<void(CMapContent&)>;

void EraseCode(CMapContent& content, int code) {
    auto& types = content.structures;
    types.erase(std::remove_if(types.begin(), types.end(),
                               [&](const CMapContent::SStructure& t) { return t.code == code; }),
                types.end());
}

CMapContent::SStructure& TypeOfCode(CMapContent& content, int code) {
    for (auto& t : content.structures)
        if (t.code == code) return t;
    throw std::logic_error("no type of that code in data/");
}

size_t IndexOfCode(const CMapContent& content, int code) {
    for (size_t i = 0; i < content.structures.size(); ++i)
        if (content.structures[i].code == code) return i;
    throw std::logic_error("no type of that code in data/");
}

CMapContent::SLand& LandOfCode(CMapContent& content, int code) {
    for (auto& l : content.lands)
        if (l.code == code) return l;
    throw std::logic_error("no land of that code in data/");
}

struct SRefusal {
    const char* what;
    CMutation mutate;
    const char* message;
};

const SRefusal kRuleRefusals[] = {
    {"no rubble", [](CMapContent& s) { EraseCode(s, 35); }, "\"Rubble\" (code 35)"},
    {"no fire", [](CMapContent& s) { EraseCode(s, 40); }, "\"Fire\" (code 40)"},
    {"no site marker", [](CMapContent& s) { EraseCode(s, 45); }, "(code 45)"},
    {"two site markers",
     [](CMapContent& s) {
         auto copy = TypeOfCode(s, 45);
         copy.name = "Second Marker";
         s.structures.push_back(copy);
     },
     "exactly one construction-site marker"},
    {"no housing", [](CMapContent& s) { EraseCode(s, 55); }, "\"Residence\" (code 55)"},
    {"head office without the second flag", [](CMapContent& s) { TypeOfCode(s, 60).flags[1] = 0; },
     "\"Head Office\" (code 60"},
    {"branch office without the second flag",
     [](CMapContent& s) { TypeOfCode(s, 61).flags[1] = 0; }, "\"Branch Office\" (code 61"},
    {"no project", [](CMapContent& s) { EraseCode(s, 70); }, "(code 70)"},
    {"no public building", [](CMapContent& s) { EraseCode(s, 50); }, "(code 50)"},
    {"no nuisance", [](CMapContent& s) { EraseCode(s, 75); }, "(code 75)"},
    {"no explosive", [](CMapContent& s) { EraseCode(s, 76); }, "(code 76)"},
    {"no small buildings", [](CMapContent& s) { EraseCode(s, 30); }, "(code 30)"},
    {"a 71 without its 72", [](CMapContent& s) { EraseCode(s, 72); },
     "followed directly by its code-72"},
    {"a 72 of another size",
     [](CMapContent& s) {
         TypeOfCode(s, 72).width = 2;
         TypeOfCode(s, 72).height = 2;
     },
     "of the same size"},
    {"a crossing without its works",
     [](CMapContent& s) { s.structures.erase(s.structures.begin() + IndexOfCode(s, 26) + 1); },
     "followed directly by its code-27"},
    {"no code-80 stadium for a league", [](CMapContent& s) { EraseCode(s, 80); }, "(code 80)"},
    {"no code-85 stadium for a league", [](CMapContent& s) { EraseCode(s, 85); }, "(code 85)"},
    {"too few company names", [](CMapContent& s) { s.companyNames.resize(12); },
     "too few company names"},
    {"a company name twice",
     [](CMapContent& s) { s.companyNames.push_back(s.companyNames.front()); }, "given twice"},
    {"no foundation", [](CMapContent& s) { LandOfCode(s, 17).code = 5; }, "\"Foundation\""},
    {"no water", [](CMapContent& s) { LandOfCode(s, 31).code = 5; }, "water land (code 31)"},
    {"too few plain land types",
     [](CMapContent& s) {
         for (int i = 0; i < 3; ++i) LandOfCode(s, 0).code = 6;
     },
     "4 to 8 plain land types"},
    {"plain land values that do not rise",
     [](CMapContent& s) { s.lands[1].value = s.lands[0].value; }, "rise from type to type"},
    {"the side picture not last",
     [](CMapContent& s) { std::swap(s.lands.front(), s.lands.back()); },
     "side picture belongs to the last land type"},
    {"housing values that do not rise", [](CMapContent& s) { TypeOfCode(s, 55).value = 1000; },
     "housing (code 55) needs values"},
    {"a house of 2x2", [](CMapContent& s) { TypeOfCode(s, 55).width = 2; }, "must be 1x1"},
    {"too few businesses",
     [](CMapContent& s) {
         for (int i = 0; i < 20; ++i) s.structures.erase(s.structures.begin() + IndexOfCode(s, 0));
     },
     "20 to 40 businesses"},
    {"a business the computer may not build", [](CMapContent& s) { TypeOfCode(s, 0).flags[2] = 0; },
     "the third flag must be set"},
    {"rubble the computer may build", [](CMapContent& s) { TypeOfCode(s, 35).flags[2] = 1; },
     "clear the third flag"},
    {"a neighbour that does not exist",
     [](CMapContent& s) {
         TypeOfCode(s, 0).near.push_back({"Nowhere Hall", 10.0});
     },
     "unknown structure type \"Nowhere Hall\""},
    {"an unknown picture kind", [](CMapContent& s) { TypeOfCode(s, 0).art = "castle"; },
     "unknown picture kind"},
    {"a land picture for a structure", [](CMapContent& s) { TypeOfCode(s, 0).art = "meadow"; },
     "is not a structure picture"},
    {"two leagues", [](CMapContent& s) { s.leagues.pop_back(); }, "exactly three leagues"},
    {"one sport", [](CMapContent& s) { s.leagues[2].kind = s.leagues[0].kind; }, "two sports"},
    {"a league of five teams", [](CMapContent& s) { s.leagues[0].teams.resize(5); },
     "6 to 8 teams"},
    {"season games not a multiple of the rounds",
     [](CMapContent& s) { s.leagues[0].seasonGames += 1; }, "a multiple of the teams - 1"},
    {"seasons that overlap",
     [](CMapContent& s) {
         s.leagues[0].startMonths = {2, 5};
     },
     "runs into the next start month"},
    {"a price level above 200", [](CMapContent& s) { s.areas[0].level = 201; }, "10..200"},
    {"no population", [](CMapContent& s) { s.areas[0].population = 0; }, "population"},
    {"figure 19 of 150", [](CMapContent& s) { s.areas[0].figure19 = 150; }, "0..149"},
    {"no earthquakes anywhere",
     [](CMapContent& s) {
         for (auto& a : s.areas) a.quake = 0;
     },
     "earthquake figure"},
    {"fewer governors than areas", [](CMapContent& s) { s.governorsNeeded = 3; },
     "one governor per area"},
    {"fewer directors than companies", [](CMapContent& s) { s.directorsNeeded = 2; },
     "one director per company"},
    {"a land sign outside the legend", [](CMapContent& s) { s.areas[0].land[0].second[0] = '?'; },
     "not in the legend"},
    {"a height above the highest level",
     [](CMapContent& s) { s.areas[0].height[0].second[0] = '9'; }, "heights are digits"},
    {"the side land type on a cell",
     [](CMapContent& s) {
         s.landLegend['%'] = {{}, s.lands.back().name};
         s.areas[0].land[0].second[0] = '%';
     },
     "not for cells"},
    {"a missing author", [](CMapContent& s) { s.authors[2].name.clear(); }, "third author"},
};

TEST_F(MapDataTest, RulesRefuseContentTheGameWouldRefuse) {
    ASSERT_EQ(ErrorOf([] { CMapRules::Check(Sources()); }), "");
    for (const SRefusal& r : kRuleRefusals) {
        CMapContent content = Sources();
        r.mutate(content);
        std::string error = ErrorOf([&] { CMapRules::Check(content); });
        EXPECT_NE(error.find(r.message), std::string::npos)
            << r.what << ": \"" << error << "\" does not say \"" << r.message << "\"";
    }
}

// Refusals found while the areas and leagues are put on the map; they come
// before any picture is drawn.
const SRefusal kPlacementRefusals[] = {
    {"a home field without a stadium",
     [](CMapContent& s) { s.leagues[0].teams[0].homeStadium = 9; }, "has no stadium 9 of code 80"},
    {"an unknown home area", [](CMapContent& s) { s.leagues[2].teams[0].homeArea = "atlantis"; },
     "unknown home area \"atlantis\""},
    {"a building on water",
     [](CMapContent& s) {
         s.landLegend['%'] = {{}, "Open Water"};
         s.areas[0].build[0].second[0] = 'c';
         s.areas[0].land[0].second[0] = '%';
     },
     "cannot carry buildings"},
    {"a building on uneven ground",
     [](CMapContent& s) {
         auto& row = s.areas[0].build[0].second;
         row[0] = row[1] = 'M';
         s.areas[0].build[1].second[0] = s.areas[0].build[1].second[1] = 'M';
         s.areas[0].height[0].second[0] = '0';
         s.areas[0].height[1].second[1] = '1';
         s.areas[0].land[0].second[0] = s.areas[0].land[0].second[1] = '.';
         s.areas[0].land[1].second[0] = s.areas[0].land[1].second[1] = '.';
     },
     "uneven ground"},
    {"a footprint cut short",
     [](CMapContent& s) {
         auto& area = s.areas[0];
         area.build.back().second.back() = 'M';
         area.land.back().second.back() = '.';
     },
     "needs a whole 2x2 block"},
    {"a fire drawn on the map",
     [](CMapContent& s) {
         s.structureLegend['%'] = {{}, "Fire"};
         s.areas[0].build[0].second[0] = '%';
         s.areas[0].land[0].second[0] = '.';
     },
     "placed by the game"},
};

TEST_F(MapDataTest, BuilderRefusesAreasAndLeaguesThatDoNotFit) {
    CMapBuilder builder(palette);
    for (const SRefusal& r : kPlacementRefusals) {
        CMapContent content = Sources();
        r.mutate(content);
        std::string error = ErrorOf([&] { builder.Build(content); });
        EXPECT_NE(error.find(r.message), std::string::npos)
            << r.what << ": \"" << error << "\" does not say \"" << r.message << "\"";
    }
}

TEST_F(MapDataTest, StripGroupsWiderThanABitmapAreRefused) {
    CMapDoc map;
    for (int i = 0; i < 2; ++i) {
        CBD type;
        for (int d = 0; d < CBD::kDirections; ++d) {
            type.GetFirstPicture(d) = CBM(MakeSolidPicture(1280, 1, RGB(9, 9, 9)));
            type.GetSecondPicture(d) = CBM(MakeSolidPicture(1280, 1, RGB(9, 9, 9)));
            type.SetView(d, 1, 0, {0, 0}, {1280, 1});
        }
        map.AddStructureType(type);
    }
    EXPECT_NE(ErrorOf([&] { CMapBuilder::CheckStripWidths(map); }).find("structure types 0..1"),
              std::string::npos);
}

// ---- The sources' own mistakes, with their lines ----

struct SSourceMistake {
    const char* text;
    const char* message;
};

TEST_F(MapDataTest, SourceMistakesNameTheirLine) {
    const SSourceMistake kMap[] = {
        {"[map]\ngrid 28\n", "map.txt:2: missing grid height"},
        {"[map]\n\ncompanies 7 40\n", "map.txt:3: maximum company count 40 is outside 1..32"},
        {"[maps]\n", "map.txt:1: unknown section [maps]"},
        {"grid 2 2\n", "map.txt:1: a line before the first section"},
        {"[league]\nschedule 14 x\n", "map.txt:2: games per month: \"x\" is not a whole number"},
        {"[league]\nteam 0 31 10 harbour 1 Gulls\n", "map.txt:2: winning power 31"},
        {"[authors]\nfirst Somebody\n", "map.txt:2: expected \"NAME | LETTERS\""},
        {"[companies]\nA Name Far Too Long For Any Company Register\n",
         "map.txt:2: company name \"A Name Far Too Long For Any Company Register\" is longer"},
    };
    for (const auto& m : kMap) {
        CMapContent content;
        std::string error =
            ErrorOf([&] { CMapSource::ParseMap(CSourceText(m.text, "map.txt"), content); });
        EXPECT_NE(error.find(m.message), std::string::npos) << error;
    }
    const SSourceMistake kTypes[] = {
        {"[structures]\ntype 0 4x1 shop 1 1 1 1 1 111 Shop\n", "types.txt:2: size \"4x1\""},
        {"[structures]\ntype 0 1x1 shop 1 1 1 1 1 121 Shop\n", "types.txt:2: flags \"121\""},
        {"[structures]\nrevenue 1 2 3 4\n", "types.txt:2: \"revenue\" before the first type"},
        {"[structures]\ntype 0 1x1 shop 1 1 1 1 1 111 Shop\nmonths 1 2 3\n",
         "types.txt:3: missing monthly factor"},
        {"[structures]\ntype 0 1x1 shop 1 1 1 1 1 111 Shop\nnear Bank 10\n",
         "types.txt:3: expected \"NAME=FACTOR; ...\""},
        {"[land]\nland 0 301 0 1 meadow Meadow\n", "types.txt:2: land value 301 is outside 0..300"},
    };
    for (const auto& m : kTypes) {
        CMapContent content;
        std::string error =
            ErrorOf([&] { CMapSource::ParseTypes(CSourceText(m.text, "types.txt"), content); });
        EXPECT_NE(error.find(m.message), std::string::npos) << error;
    }
    const SSourceMistake kAreas[] = {
        {"[area a]\nland\n...\n..\n", "areas.txt:4: a grid row has 3 signs, this one 2"},
        {"[area a]\nland\n...\n[area b]\n", "areas.txt:2: the grid has 1 rows of 3"},
        {"[area a]\n[area a]\n", "areas.txt:2: area key \"a\" given twice"},
        {"[legend land]\n.. Meadow\n", "areas.txt:2: a legend sign is one character"},
        {"[area a]\nfigures 1 2 3\n", "areas.txt:2: missing potential"},
    };
    for (const auto& m : kAreas) {
        CMapContent content;
        content.gridWidth = content.gridHeight = 3;
        std::string error =
            ErrorOf([&] { CMapSource::ParseAreas(CSourceText(m.text, "areas.txt"), content); });
        EXPECT_NE(error.find(m.message), std::string::npos) << error;
    }
}

}  // namespace
