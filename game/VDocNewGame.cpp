// A new game: the two data files are read and checked, then the companies,
// the persons' relations, the area governors, the interest rate, the stock
// matrix and the teams' states are set up; the computer companies get their
// names, colours, presidents and start areas once the human players are
// known.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

#include "game/VDoc.h"
#include "model/ColorTable.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "model/PersonDataFile.h"
#include "model/Random.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"
#include "platform/core/TextFormat.h"

namespace {
constexpr int kGroupSize = 3;
// Every data message names the original map file.
constexpr const char* kMessageFile = "ORIGINAL.MQM";
constexpr const char* kNoMemoryText = "読み込むのに必要なﾒﾓﾘが足りません。";
constexpr const char* kBadFileText = "次のﾌｧｲﾙが正しく読み込めませんでした。\n%s";
// A start area is chosen from this many draws at the least.
constexpr int kMinStartAreaTries = 5;
// The draws of a company name before the first free one is taken instead.
constexpr int kMaxCompanyNameDraws = 1 << 16;

void ShowWarning(const std::string& text) {
    Services::Frame().ShowMessageBox(text, kMessageBoxOk | kMessageIconExclamation);
}

std::string Insufficient(const char* what) {
    return FormatText("Insufficient %s.\n%s", what, kMessageFile);
}

std::string Missing(const char* data, const char* what) {
    return FormatText("\"%s\" data does not include \"%s\".\n%s", data, what, kMessageFile);
}

bool HasOfficeType(const CMapDoc& map, int code) {
    for (int i = 0; i < map.GetStructureTypeCount(); ++i) {
        const CBD* type = map.GetStructureType(i);
        if (type->GetSecondFlag() != 0 && type->GetTypeCode() == code) return true;
    }
    return false;
}

int HueDistance(int a, int b) {
    int d = std::abs(a - b);
    return d > 180 ? 360 - d : d;
}
}  // namespace

// ---------------------------------------------------------------- the data files

int CVDoc::PrepareNewGame(const std::string& mapName) {
    const std::string folder = Services::App().GetProgramDirectory();
    return PrepareNewGameFrom(folder + (mapName.empty() ? kDefaultMapFile : mapName),
                              folder + CPersonDataFile::kFileName);
}

int CVDoc::PrepareNewGameFrom(const std::string& mapPath, const std::string& personPath) {
    if (!LoadDataFilesFrom(mapPath, personPath)) return 0;
    std::string failure = CheckGameData();
    if (!failure.empty()) {
        ShowWarning(failure);
        return 0;
    }
    return SetupNewGame();
}

int CVDoc::LoadDataFiles(const std::string& mapName) {
    const std::string folder = Services::App().GetProgramDirectory();
    return LoadDataFilesFrom(folder + (mapName.empty() ? kDefaultMapFile : mapName),
                             folder + CPersonDataFile::kFileName);
}

int CVDoc::LoadDataFilesFrom(const std::string& mapPath, const std::string& personPath) {
    std::string path = mapPath;
    // Both files are read before the document takes anything of them.
    auto map = std::make_unique<CMapDoc>();
    try {
        CFileStream file;
        if (!file.Open(path, CFileStream::modeRead))
            throw CArchiveException(CArchiveException::endOfFile, "cannot open the map data file");
        CArchive ar(file, CArchive::load);
        map->SetMapFileMode(1);
        map->Serialize(ar);
        map->SetMapFileMode(0);
    } catch (const std::bad_alloc&) {
        ShowWarning(kNoMemoryText);
        return 0;
    } catch (...) {
        ShowWarning(FormatText(kBadFileText, path.c_str()));
        return 0;
    }
    std::swap(m_game.map, map);
    path = personPath;
    try {
        CFileStream file;
        if (!file.Open(path, CFileStream::modeRead))
            throw CArchiveException(CArchiveException::endOfFile,
                                    "cannot open the character data file");
        CArchive ar(file, CArchive::load);
        if (!ReadPersonDataFile(ar)) throw eMERCAVO_ERROR_FAILED;
    } catch (...) {
        std::swap(m_game.map, map);
        ShowWarning(FormatText(kBadFileText, path.c_str()));
        return 0;
    }
    return 1;
}

int CVDoc::ReadPersonDataFile(CArchive& ar) {
    // The file class checks the counts against the records (more records of
    // a table than the head announces would not fit it) and the checksum.
    CPersonDataFile file;
    file.Load(ar);
    TakePersons(file);
    m_game.authorName = file.GetAuthorName();
    const std::vector<uint8_t>& mark = file.GetAuthorMark();
    m_game.authorMark.Free();
    if (!mark.empty()) {
        if (!m_game.authorMark.Alloc(mark.size())) throw eMERCAVO_ERROR_MEMORY;
        std::copy(mark.begin(), mark.end(), m_game.authorMark.Lock());
    }
    m_game.personChecksum = file.GetStoredChecksum();
    m_game.firstYearCandidates = file.GetFirstYearCandidates();
    m_game.governorFaces = ComputeGovernorFaces();
    return 1;
}

void CVDoc::TakePersons(const CPersonDataFile& file) {
    std::vector<CPersonData> directors(static_cast<size_t>(file.GetDirectorCount()));
    std::vector<CPersonData> governors(static_cast<size_t>(file.GetGovernorCount()));
    m_game.directors.swap(directors);
    m_game.governors.swap(governors);
    m_game.faceStrips.clear();
    int stripCounter = 0;
    int next[2] = {0, 0};
    for (const CBasePerson& base : file.GetPersons()) {
        bool governor = base.GetTableFlag() != 0;
        int& i = next[governor ? 1 : 0];
        CPersonData& person = Table(governor)[static_cast<size_t>(i)];
        person.TakeBaseRecord(base);
        person.SetIndex(i);
        if ((i + 1) % kGroupSize == 0 &&
            !PackFaceStrips(stripCounter, governor, i + 1 - kGroupSize, i))
            throw eMERCAVO_ERROR_FAILED;
        ++i;
    }
    for (bool governor : {false, true}) {
        int size = static_cast<int>(Table(governor).size());
        if (size % kGroupSize != 0 &&
            !PackFaceStrips(stripCounter, governor, size - size % kGroupSize, size - 1))
            throw eMERCAVO_ERROR_FAILED;
    }
}

std::string CVDoc::CheckGameData() const {
    const CMapDoc& map = GetMap();
    if (map.GetCompanyNameCount() < map.GetMaxCompanyCount())
        return Insufficient("\"Company Names\"");
    if (GetDirectorTableSize() < map.GetDirectorsNeeded()) return Insufficient("\"Directors\"");
    if (m_game.firstYearCandidates < map.GetDirectorsNeeded())
        return Insufficient("\"Directors Candidates\" from first year data");
    // Every area gets a governor of its own at the start.
    if (GetGovernorTableSize() < std::max(map.GetGovernorsNeeded(), map.GetAreaCount()))
        return Insufficient("\"Governors\"");
    if (map.GetCode17LandType() < 0) return Missing("Topography", "Foundation");
    if (map.GetCode35TypeCount() == 0) return Missing("Building", "Rubble");
    if (map.GetCode40TypeCount() == 0) return Missing("Building", "Fire");
    if (map.GetCode55Types().empty()) return Missing("Building", "Residence");
    if (!HasOfficeType(map, 60)) return Missing("Building", "Head Office");
    if (!HasOfficeType(map, 61)) return Missing("Building", "Branch Office");
    return "";
}

// ---------------------------------------------------------------- the game

int CVDoc::SetupNewGame() {
    CMapDoc& map = GetMap();
    int n = m_requestedCompanies > 0 ? m_requestedCompanies : map.GetInitialCompanyCount();
    // Names, relation lists and colours exist for this many companies. A
    // document used before may keep more human players than this map has
    // room for.
    const int most = std::min(map.GetMaxCompanyCount(), CMapDoc::kMaxCompanyLimit);
    if (m_game.humanPlayers > most) {
        ShowWarning(Insufficient("\"Company Names\""));
        return 0;
    }
    n = std::clamp(n, m_game.humanPlayers, most);
    try {
        m_game.companies.assign(static_cast<size_t>(n), CEnterprise());
        for (int i = 0; i < n; ++i)
            if (!m_game.companies[static_cast<size_t>(i)].Init(i, map.GetAreaCount())) return 0;
        m_game.turnOrder.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) m_game.turnOrder[static_cast<size_t>(i)] = i;
        m_game.turnPosition = 0;
        for (bool governors : {false, true})
            for (CPersonData& person : Table(governors))
                person.ResetRelations(map.GetMaxCompanyCount());
        AppointAreaGovernors();
        map.InitAreaValues();
        m_game.interestRate = RandomVary(10, 2);
        m_game.stock.assign(static_cast<size_t>(n + 1) * static_cast<size_t>(n), 0);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        for (int t = 0; t < map.GetLeague(l).GetTeamCount(); ++t) {
            CProTeam& team = map.GetProTeam(l, t);
            team.SetForSale(Random(team.GetWinPower()) >= 6 ? 1 : 0);
        }
    m_game.loadCount = 0;
    m_game.year = 0;
    m_game.month = 0;
    m_game.reservedWord = 1;
    m_game.loadedGame = false;
    return 1;
}

void CVDoc::AppointAreaGovernors() {
    CMapDoc& map = GetMap();
    const int g = GetGovernorTableSize();
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        CMapData& area = map.GetArea(a);
        area.InitPotential(RandomVary(area.GetPotential(), 20));
        if (GetGovernor(area.GetGovernor())) continue;
        // The data check leaves a free governor for every area; the draw is
        // bounded all the same, and then takes the first free one.
        int chosen = -1;
        for (int tries = 0; tries < 1000 && chosen < 0; ++tries) {
            int drawn = Random(g);
            if (GetGovernor(drawn) && GetGovernor(drawn)->GetEmployerNo() <= 0) chosen = drawn;
        }
        for (int p = 0; p < g && chosen < 0; ++p)
            if (m_game.governors[static_cast<size_t>(p)].GetEmployerNo() <= 0) chosen = p;
        if (chosen < 0) continue;
        CPersonData& governor = m_game.governors[static_cast<size_t>(chosen)];
        governor.SetEmployer(a + 1);
        governor.SetElectionMonth(Random(-48));
        area.SetGovernor(chosen);
        for (int c = 0; c < CompanyCount(); ++c) governor.SetRelation(c, RandomVary(400, 200));
    }
}

int CVDoc::SetupEnterprises() {
    for (int c = m_game.humanPlayers; c < CompanyCount(); ++c)
        if (!SetupEnterprise(c, 0)) return 0;
    std::vector<int> remaining;
    for (int c = m_game.humanPlayers; c < CompanyCount(); ++c) remaining.push_back(c);
    while (!remaining.empty()) {
        size_t k = static_cast<size_t>(Random(static_cast<int>(remaining.size())));
        int c = remaining[k];
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(k));
        ChooseStartArea(c);
    }
    return 1;
}

int CVDoc::SetupEnterprise(int c, int keepName) {
    CEnterprise* company = GetEnterprise(c);
    if (!company) return 0;
    if (!keepName) {
        int name = DrawFreeCompanyName();
        if (name < 0) {
            ShowWarning(Insufficient("\"Company Names\""));
            return 0;
        }
        if (!AssignCompanyName(c, name)) return 0;
        ChooseCompanyColour(c);
    }
    // A human company's president is its player.
    if (company->GetPresidentNumber() == 0 && c >= m_game.humanPlayers) {
        int president = ChoosePresident(c);
        if (president < 0) {
            ShowWarning(Insufficient("\"Directors\""));
            return 0;
        }
        AppointPresident(c, president);
    }
    return 1;
}

// Draws from the whole list until a free name comes, as a replayed seed
// expects. A map whose names are all taken ends the draw at once, and a list
// longer than the generator reaches ends it after a bounded number of draws
// with the first free name.
int CVDoc::DrawFreeCompanyName() const {
    const CMapDoc& map = GetMap();
    const int count = map.GetCompanyNameCount();
    int firstFree = -1;
    for (int i = 0; i < count && firstFree < 0; ++i)
        if (map.GetCompanyNameUser(i) == -1) firstFree = i;
    if (firstFree < 0) return -1;
    for (int tries = 0; tries < kMaxCompanyNameDraws; ++tries) {
        int drawn = Random(count);
        if (map.GetCompanyNameUser(drawn) == -1) return drawn;
    }
    return firstFree;
}

int CVDoc::ChoosePresident(int /*c*/) {
    std::vector<int> candidates;
    for (int p = 0; p < GetDirectorTableSize(); ++p)
        if (m_game.directors[static_cast<size_t>(p)].GetEmployerNo() < 1) candidates.push_back(p);
    if (candidates.empty()) return -1;
    int best = -1;
    int bestScore = 0;
    for (int draw = 0; draw < 3; ++draw) {
        int p = candidates[static_cast<size_t>(Random(static_cast<int>(candidates.size())))];
        int s = m_game.directors[static_cast<size_t>(p)].GetBaseRating();
        int score = RandomVary(s, s / 2);
        if (best < 0 || score > bestScore) {
            best = p;
            bestScore = score;
        }
    }
    return best;
}

int CVDoc::AssignCompanyName(int c, int nameIndex) {
    CEnterprise* company = GetEnterprise(c);
    CMapDoc& map = GetMap();
    if (!company || nameIndex < 0 || nameIndex >= map.GetCompanyNameCount()) return 0;
    company->SetNameSlot(nameIndex);
    if (!company->SetName(map.GetCompanyNameEntry(nameIndex))) return 0;
    map.SetCompanyNameUser(nameIndex, c);
    return 1;
}

int CVDoc::AppointPresident(int c, int person) {
    CEnterprise* company = GetEnterprise(c);
    CPersonData* president = GetDirector(person);
    // A person only tied to a former employer is free to be appointed, as
    // the choice of presidents counts him.
    if (!company || !president || president->GetEmployerNo() > 0) return 0;
    company->SetPresident(person + 1);
    company->SetPresidentName(president->GetName());
    president->SetEmployer(c + 1);
    president->SetPresidentFlag(1);
    return 1;
}

void CVDoc::ChooseCompanyColour(int c) {
    CEnterprise* company = GetEnterprise(c);
    if (!company) return;
    std::vector<int> earlierHues;
    std::vector<bool> used(kColorTableSize, false);
    for (int i = 0; i < c; ++i) {
        int colour = m_game.companies[static_cast<size_t>(i)].GetColor();
        if (colour < 0 || colour >= kColorTableSize) continue;
        used[static_cast<size_t>(colour)] = true;
        SColorTableEntry rgb = GetColorTableRGB(colour);
        earlierHues.push_back(GetColourHue(rgb.red, rgb.green, rgb.blue));
    }
    std::vector<int> free;
    for (int i = 0; i < kColorTableSize; ++i)
        if (!used[static_cast<size_t>(i)]) free.push_back(i);
    // With every colour taken, the most distant of all of them is drawn for.
    if (free.empty())
        for (int i = 0; i < kColorTableSize; ++i) free.push_back(i);
    int kept = free.front();
    int bestDistance = -1;
    for (size_t draw = 0; draw < free.size(); ++draw) {
        int colour = free[static_cast<size_t>(Random(static_cast<int>(free.size())))];
        SColorTableEntry rgb = GetColorTableRGB(colour);
        int hue = GetColourHue(rgb.red, rgb.green, rgb.blue);
        int distance = earlierHues.empty() ? 999 : 360;
        for (int other : earlierHues) distance = std::min(distance, HueDistance(hue, other));
        if (distance >= bestDistance) {
            bestDistance = distance;
            kept = colour;
        }
    }
    company->SetColor(kept);
}

int CVDoc::GetColourHue(int red, int green, int blue) {
    int max = std::max({red, green, blue});
    int min = std::min({red, green, blue});
    if (max == min) return -1;
    double range = max - min;
    double r = (max - red) / range;
    double g = (max - green) / range;
    double b = (max - blue) / range;
    double hue = max == red ? b - g : max == green ? 2 + r - b : 4 + g - r;
    hue *= 60;
    if (hue < 0) hue += 360;
    return static_cast<int>(hue);
}

// ---------------------------------------------------------------- start areas

void CVDoc::ChooseStartArea(int c) {
    int tries = std::max(4 * GetMap().GetAreaCount(), kMinStartAreaTries);
    int area = ChooseBestArea(c, tries);
    CEnterprise* company = GetEnterprise(c);
    if (company && area >= 0) company->SetAreaLevel(area, 1);
}

int CVDoc::ChooseBestArea(int c, int tries) {
    const CEnterprise* company = GetEnterprise(c);
    int areas = GetMap().GetAreaCount();
    if (!company || areas < 1) return -1;
    int best = -1;
    int bestValue = -1000;
    for (int t = 0; t < tries; ++t) {
        int a = Random(areas);
        int v = RateAreaForCompany(*company, a, 0);
        int value = Random(v) + v;
        if (value > bestValue) {
            bestValue = value;
            best = a;
        }
    }
    return best;
}

int CVDoc::RateAreaForCompany(const CEnterprise& company, int area, int withOwn) const {
    if (area < 0 || area >= GetMap().GetAreaCount()) return 0;
    // Presence levels have no upper bound: the sum is taken wide.
    int64_t s = 200;
    if (withOwn) s += int64_t{40} * company.GetAreaLevel(area);
    for (const CEnterprise& other : m_game.companies) {
        if (&other == &company) continue;
        int64_t level = other.GetAreaLevel(area);
        if (level > 0) s -= 20 * (level + 1);
    }
    s = std::max<int64_t>(s, 0);
    int headroom = std::max(200 - GetMap().GetArea(area).GetLevel(), 0);
    s += static_cast<int>(std::pow(static_cast<double>(headroom), 1.1)) / 2;
    return static_cast<int>(std::min<int64_t>(s, INT32_MAX));
}
