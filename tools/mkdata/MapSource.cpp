#include "tools/mkdata/MapSource.h"

#include <functional>
#include <string_view>

namespace {

// The widths the network type record gives each figure bound what a type
// may hold.
constexpr int kMax6 = 999999;
constexpr int kMin6 = -99999;
constexpr int kMax8 = 99999999;
constexpr int kMaxLandValue = 300;
constexpr int kMaxCode = 9999;
constexpr int kMaxSecondText = 200;
constexpr int kMaxTeamName = 40;
constexpr int kMaxCompanyName = 40;
constexpr int kMaxRadius = 6;

// Walks the lines of a source, section by section; each line goes to the
// handler of its section with its first word split off.
struct SSectionWalk {
    const CSourceText& source;
    std::string section;

    template <typename Handler>
    void Run(Handler&& handle) {
        for (const CSourceText::SLine& line : source.GetLines()) {
            std::string_view rest = line.text;
            if (rest.front() == '[') {
                if (rest.back() != ']') source.Fail(line.number, "a section needs its closing ']'");
                section = std::string(CSourceText::Trim(rest.substr(1, rest.size() - 2)));
                handle(line.number, std::string_view{}, std::string_view{}, true);
                continue;
            }
            if (section.empty()) source.Fail(line.number, "a line before the first section");
            std::string_view key = CSourceText::NextWord(rest);
            handle(line.number, key, rest, false);
        }
    }
};

CMapContent::SPlace Place(const CSourceText& source, int line) {
    return {source.GetName(), line};
}

template <size_t N>
void TakeInts(const CSourceText& source, std::string_view& rest, int line, const char* what,
              std::array<int, N>& values, int lo, int hi) {
    for (int& v : values) v = source.TakeInt(rest, line, what, lo, hi);
    source.ExpectEnd(rest, line);
}

// ---- map.txt ----

void ParseMapLine(const CSourceText& s, CMapContent& content, int line, std::string_view key,
                  std::string_view rest) {
    if (key == "grid") {
        content.gridWidth = s.TakeInt(rest, line, "grid width", 1, 999);
        content.gridHeight = s.TakeInt(rest, line, "grid height", 1, 999);
    } else if (key == "companies") {
        content.initialCompanies = s.TakeInt(rest, line, "initial company count", 1, 32);
        content.maxCompanies = s.TakeInt(rest, line, "maximum company count", 1, 32);
    } else if (key == "needs") {
        content.directorsNeeded = s.TakeInt(rest, line, "directors needed", 0, 9999);
        content.governorsNeeded = s.TakeInt(rest, line, "governors needed", 0, 9999);
    } else if (key == "max_level") {
        content.maxLevel = s.TakeInt(rest, line, "highest height level", 0, 9);
    } else if (key == "header") {
        TakeInts(s, rest, line, "header value", content.header, kMin6, kMax6);
        return;
    } else if (key == "values") {
        TakeInts(s, rest, line, "map value", content.values, kMin6, kMax6);
        return;
    } else if (key == "values12") {
        TakeInts(s, rest, line, "map value", content.values12, kMin6, kMax6);
        return;
    } else {
        s.Fail(line, "unknown key \"" + std::string(key) +
                         "\" (known: grid, companies, needs, max_level, header, values, values12)");
    }
    s.ExpectEnd(rest, line);
}

void ParseAuthorLine(const CSourceText& s, CMapContent& content, int line, std::string_view key,
                     std::string_view rest) {
    static const char* const kKeys[] = {"first", "second", "third"};
    for (int i = 0; i < 3; ++i) {
        if (key != kKeys[i]) continue;
        size_t bar = rest.find('|');
        if (bar == std::string_view::npos) s.Fail(line, "expected \"NAME | LETTERS\"");
        CMapContent::SAuthor& author = content.authors[static_cast<size_t>(i)];
        author.place = Place(s, line);
        author.name =
            s.TakeText(rest.substr(0, bar), line, "author name", CMapSource::kMaxNameLength);
        author.mark = s.TakeText(rest.substr(bar + 1), line, "mark letters", 3);
        return;
    }
    s.Fail(line, "unknown author \"" + std::string(key) + "\" (known: first, second, third)");
}

void ParseTeamLine(const CSourceText& s, CMapContent::SLeague& league, int line,
                   std::string_view rest) {
    CMapContent::STeam team;
    team.place = Place(s, line);
    team.forSale = s.TakeInt(rest, line, "for-sale flag", 0, 1);
    team.power = s.TakeInt(rest, line, "winning power", 5, 30);
    team.popularity = s.TakeInt(rest, line, "team popularity", 5, 30);
    team.homeArea = std::string(CSourceText::NextWord(rest));
    if (team.homeArea.empty()) s.Fail(line, "missing home area");
    team.homeStadium = s.TakeInt(rest, line, "home stadium number", 1, 999);
    team.name = s.TakeText(rest, line, "team name", kMaxTeamName);
    league.teams.push_back(std::move(team));
}

void ParseLeagueLine(const CSourceText& s, CMapContent::SLeague& league, int line,
                     std::string_view key, std::string_view rest) {
    if (key == "team") return ParseTeamLine(s, league, line, rest);
    if (key == "kind") {
        league.kind = s.TakeInt(rest, line, "league kind", 0, 1);
    } else if (key == "popularity") {
        league.popularity = s.TakeInt(rest, line, "league popularity", 5, 20);
    } else if (key == "schedule") {
        league.seasonGames = s.TakeInt(rest, line, "season games", 1, 999);
        league.gamesPerMonth = s.TakeInt(rest, line, "games per month", 1, 99);
        league.startMonths.clear();
        while (!CSourceText::Trim(rest).empty())
            league.startMonths.push_back(s.TakeInt(rest, line, "season start month", 0, 11));
    } else {
        s.Fail(line, "unknown key \"" + std::string(key) +
                         "\" (known: kind, popularity, schedule, team)");
    }
    s.ExpectEnd(rest, line);
}

// ---- types.txt ----

void ParseLandLine(const CSourceText& s, CMapContent& content, int line, std::string_view key,
                   std::string_view rest) {
    if (key != "land") s.Fail(line, "expected \"land CODE VALUE PRICE USABLE ART NAME\"");
    CMapContent::SLand land;
    land.place = Place(s, line);
    land.code = s.TakeInt(rest, line, "type code", 0, kMaxCode);
    land.value = s.TakeInt(rest, line, "land value", 0, kMaxLandValue);
    land.fixedPrice = s.TakeInt(rest, line, "fixed land price", 0, kMax8);
    land.usable = s.TakeInt(rest, line, "usable flag", 0, 1);
    land.art = std::string(CSourceText::NextWord(rest));
    if (land.art.empty()) s.Fail(line, "missing picture kind");
    land.name = s.TakeText(rest, line, "type name", CMapSource::kMaxNameLength);
    content.lands.push_back(std::move(land));
}

void TakeSize(const CSourceText& s, std::string_view& rest, int line, CMapContent::SStructure& type) {
    std::string_view size = CSourceText::NextWord(rest);
    if (size.size() != 3 || size[1] != 'x' || size[0] < '1' || size[0] > '3' || size[2] < '1' ||
        size[2] > '3')
        s.Fail(line, "size \"" + std::string(size) + "\" is not WxH of 1 to 3 cells");
    type.width = size[0] - '0';
    type.height = size[2] - '0';
}

void TakeFlags(const CSourceText& s, std::string_view& rest, int line, CMapContent::SStructure& type) {
    std::string_view flags = CSourceText::NextWord(rest);
    if (flags.size() != 3 || flags.find_first_not_of("01") != std::string_view::npos)
        s.Fail(line, "flags \"" + std::string(flags) + "\" are not three digits 0 or 1");
    for (size_t i = 0; i < 3; ++i) type.flags[i] = flags[i] - '0';
}

void ParseStructureHead(const CSourceText& s, CMapContent& content, int line, std::string_view rest) {
    CMapContent::SStructure type;
    type.place = Place(s, line);
    type.code = s.TakeInt(rest, line, "type code", 0, kMaxCode);
    TakeSize(s, rest, line, type);
    type.art = std::string(CSourceText::NextWord(rest));
    if (type.art.empty()) s.Fail(line, "missing picture kind");
    type.value = s.TakeInt(rest, line, "value", 0, kMaxLandValue);
    type.basePrice = s.TakeInt(rest, line, "base price", 0, kMax8);
    type.priceStep = s.TakeInt(rest, line, "build months", 0, 9999);
    type.staff = s.TakeInt(rest, line, "staff", 0, kMax6);
    type.durability = s.TakeInt(rest, line, "durability", 0, kMax6);
    TakeFlags(s, rest, line, type);
    type.name = s.TakeText(rest, line, "type name", CMapSource::kMaxNameLength);
    content.structures.push_back(std::move(type));
}

void ParseNear(const CSourceText& s, CMapContent::SStructure& type, int line, std::string_view rest) {
    while (!CSourceText::Trim(rest).empty()) {
        size_t end = rest.find(';');
        std::string_view entry = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        size_t equals = entry.find('=');
        if (equals == std::string_view::npos) s.Fail(line, "expected \"NAME=FACTOR; ...\"");
        std::string name =
            s.TakeText(entry.substr(0, equals), line, "neighbour name", CMapSource::kMaxNameLength);
        std::string_view factor = entry.substr(equals + 1);
        double value = s.TakeDouble(factor, line, "neighbour factor");
        s.ExpectEnd(factor, line);
        type.near.emplace_back(std::move(name), value);
    }
}

void ParseStructureLine(const CSourceText& s, CMapContent& content, int line, std::string_view key,
                        std::string_view rest) {
    if (key == "type") return ParseStructureHead(s, content, line, rest);
    if (content.structures.empty()) s.Fail(line, "\"" + std::string(key) + "\" before the first type");
    CMapContent::SStructure& type = content.structures.back();
    if (key == "revenue") return TakeInts(s, rest, line, "revenue figure", type.revenue, 0, kMax6);
    if (key == "months") return TakeInts(s, rest, line, "monthly factor", type.months, 0, 999);
    if (key == "bonus") return TakeInts(s, rest, line, "bonus", type.bonus, kMin6, kMax6);
    if (key == "effects")
        return TakeInts(s, rest, line, "effect value", type.effects, kMin6, kMax6);
    if (key == "near") return ParseNear(s, type, line, rest);
    if (key == "text") {
        type.secondText = s.TakeText(rest, line, "second text", kMaxSecondText);
        return;
    }
    if (key == "radius") {
        type.radius = s.TakeInt(rest, line, "effect radius", 0, kMaxRadius);
        return s.ExpectEnd(rest, line);
    }
    s.Fail(line, "unknown key \"" + std::string(key) +
                     "\" (known: type, revenue, months, bonus, effects, radius, near, text)");
}

// ---- areas.txt ----

void ParseLegendLine(const CSourceText& s, std::map<char, CMapContent::SName>& legend, int line,
                     std::string_view key, std::string_view rest) {
    if (key.size() != 1)
        s.Fail(line, "a legend sign is one character, not \"" + std::string(key) + "\"");
    if (key[0] == '[' || key[0] == ']') s.Fail(line, "'[' and ']' cannot be legend signs");
    if (legend.count(key[0])) s.Fail(line, "legend sign '" + std::string(key) + "' given twice");
    legend[key[0]] = {Place(s, line),
                      s.TakeText(rest, line, "type name", CMapSource::kMaxNameLength)};
}

// Reads the grids that follow a grid keyword, one row a line.
class CAreaReader {
public:
    CAreaReader(const CSourceText& source, CMapContent& content) : s(source), m_spec(content) {}

    void Section(int line, const std::string& section) {
        FinishGrid();
        m_area = nullptr;
        if (section.rfind("area ", 0) != 0) return;
        CMapContent::SArea area;
        area.place = Place(s, line);
        area.key = std::string(CSourceText::Trim(std::string_view(section).substr(5)));
        if (area.key.empty() || area.key.find(' ') != std::string::npos)
            s.Fail(line, "an area key is one word");
        for (const CMapContent::SArea& other : m_spec.areas)
            if (other.key == area.key) s.Fail(line, "area key \"" + area.key + "\" given twice");
        m_spec.areas.push_back(std::move(area));
        m_area = &m_spec.areas.back();
    }

    void Line(int line, const std::string& text, std::string_view key, std::string_view rest) {
        if (m_grid) return GridRow(line, text);
        if (!m_area) s.Fail(line, "a line outside [area KEY] and the legends");
        if (key == "name") {
            m_area->name = s.TakeText(rest, line, "area name", CMapSource::kMaxNameLength);
        } else if (key == "text") {
            std::string more = s.TakeText(rest, line, "explanation", CMapSource::kMaxTextLength);
            m_area->explanation += (m_area->explanation.empty() ? "" : " ") + more;
            if (m_area->explanation.size() > static_cast<size_t>(CMapSource::kMaxTextLength))
                s.Fail(line, "the explanation is longer than " +
                                 std::to_string(CMapSource::kMaxTextLength) + " bytes");
        } else if (key == "figures") {
            Figures(line, rest);
        } else if (key == "land" || key == "height" || key == "build") {
            s.ExpectEnd(rest, line);
            StartGrid(line, key);
        } else {
            s.Fail(line, "unknown key \"" + std::string(key) +
                             "\" (known: name, text, figures, land, height, build)");
        }
    }

    void FinishGrid() {
        if (m_grid && static_cast<int>(m_grid->size()) < m_spec.gridHeight)
            s.Fail(m_gridLine, "the grid has " + std::to_string(m_grid->size()) + " rows of " +
                                   std::to_string(m_spec.gridHeight));
        m_grid = nullptr;
    }

private:
    void Figures(int line, std::string_view rest) {
        m_area->population = s.TakeInt(rest, line, "population", 0, 999999999);
        m_area->level = s.TakeInt(rest, line, "price level", 0, 99999);
        m_area->effect5 = s.TakeInt(rest, line, "effect figure", -9999, 9999);
        m_area->potential = s.TakeInt(rest, line, "potential", -100, 100);
        m_area->figure19 = s.TakeInt(rest, line, "figure 19", -99999, 99999);
        m_area->quake = s.TakeInt(rest, line, "earthquake figure", 0, 99999);
        s.ExpectEnd(rest, line);
    }

    void StartGrid(int line, std::string_view key) {
        if (m_spec.gridWidth < 1 || m_spec.gridHeight < 1)
            s.Fail(line, "the grid size is not known: map.txt must give it first");
        m_grid = key == "land" ? &m_area->land : key == "height" ? &m_area->height : &m_area->build;
        if (!m_grid->empty()) s.Fail(line, "grid \"" + std::string(key) + "\" given twice");
        m_gridLine = line;
    }

    void GridRow(int line, const std::string& text) {
        if (static_cast<int>(text.size()) != m_spec.gridWidth)
            s.Fail(line, "a grid row has " + std::to_string(m_spec.gridWidth) +
                             " signs, this one " + std::to_string(text.size()));
        m_grid->emplace_back(line, text);
        if (static_cast<int>(m_grid->size()) == m_spec.gridHeight) m_grid = nullptr;
    }

    const CSourceText& s;
    CMapContent& m_spec;
    CMapContent::SArea* m_area = nullptr;
    std::vector<std::pair<int, std::string>>* m_grid = nullptr;
    int m_gridLine = 0;
};

}  // namespace

CMapContent CMapSource::ReadFolder(const std::string& folder) {
    CMapContent content;
    ParseMap(CSourceText::ReadFile(folder + kMapName), content);
    ParseTypes(CSourceText::ReadFile(folder + kTypesName), content);
    ParseAreas(CSourceText::ReadFile(folder + kAreasName), content);
    return content;
}

void CMapSource::ParseMap(const CSourceText& source, CMapContent& content) {
    content.place = Place(source, 0);
    SSectionWalk walk{source, {}};
    walk.Run([&](int line, std::string_view key, std::string_view rest, bool opens) {
        const std::string& section = walk.section;
        if (opens) {
            if (section == "league") {
                content.leagues.emplace_back();
                content.leagues.back().place = Place(source, line);
            } else if (section != "map" && section != "authors" && section != "companies") {
                source.Fail(line, "unknown section [" + section +
                                      "] (known: [map], [authors], [companies], [league])");
            }
            return;
        }
        if (section == "map") return ParseMapLine(source, content, line, key, rest);
        if (section == "authors") return ParseAuthorLine(source, content, line, key, rest);
        if (section == "league")
            return ParseLeagueLine(source, content.leagues.back(), line, key, rest);
        std::string whole = std::string(key) + std::string(rest);
        content.companyNames.push_back(
            {Place(source, line), source.TakeText(whole, line, "company name", kMaxCompanyName)});
    });
}

void CMapSource::ParseTypes(const CSourceText& source, CMapContent& content) {
    SSectionWalk walk{source, {}};
    walk.Run([&](int line, std::string_view key, std::string_view rest, bool opens) {
        const std::string& section = walk.section;
        if (opens) {
            if (section != "land" && section != "structures")
                source.Fail(line,
                            "unknown section [" + section + "] (known: [land], [structures])");
            return;
        }
        if (section == "land") return ParseLandLine(source, content, line, key, rest);
        ParseStructureLine(source, content, line, key, rest);
    });
}

void CMapSource::ParseAreas(const CSourceText& source, CMapContent& content) {
    CAreaReader reader(source, content);
    std::string section;
    for (const CSourceText::SLine& line : source.GetLines()) {
        std::string_view rest = line.text;
        if (rest.front() == '[' && rest.back() == ']') {
            section = std::string(CSourceText::Trim(rest.substr(1, rest.size() - 2)));
            if (section != "legend land" && section != "legend structures" &&
                section.rfind("area ", 0) != 0)
                source.Fail(line.number, "unknown section [" + section +
                                             "] (known: [legend land], [legend structures], "
                                             "[area KEY])");
            reader.Section(line.number, section);
            continue;
        }
        std::string_view key = CSourceText::NextWord(rest);
        if (section == "legend land")
            ParseLegendLine(source, content.landLegend, line.number, key, rest);
        else if (section == "legend structures")
            ParseLegendLine(source, content.structureLegend, line.number, key, rest);
        else
            reader.Line(line.number, line.text, key, rest);
    }
    reader.FinishGrid();
}
