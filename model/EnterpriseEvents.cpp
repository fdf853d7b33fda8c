// Events in the life of a company: an exhibition at an expo, the founding of
// a new computer company, the merger into another company and the release of
// everything when the company leaves the game.

#include <algorithm>
#include <climits>

#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

namespace {

constexpr int kExhibitionLevel = 3;

std::vector<int> FreeCompanyNames(const CMapDoc& map) {
    std::vector<int> names;
    for (int i = 0; i < map.GetCompanyNameCount(); ++i)
        if (map.GetCompanyNameUser(i) == -1) names.push_back(i);
    return names;
}

// Persons of the directors' table who have never been employed and whose
// time has come by the current game year.
std::vector<int> PresidentCandidates() {
    int year = Services::Game().GetCurrentMonthIndex() / CEnterprise::kMonths;
    std::vector<int> persons;
    for (int i = 0; i < Services::Companies().GetPersonCount(); ++i) {
        const CPersonData* person = Services::Companies().GetDirector(i);
        if (person && !person->IsEmployed(true) && person->GetStartYear() <= year)
            persons.push_back(i);
    }
    return persons;
}

// The best of twice as many random draws as there are candidates; a later
// equal rating wins.
int DrawPresident(std::vector<int>& candidates) {
    ShuffleArray(candidates);
    int count = static_cast<int>(candidates.size());
    int best = candidates.front();
    int bestRating = INT_MIN;
    for (int draw = 0; draw < 2 * count; ++draw) {
        int person = candidates[static_cast<size_t>(Random(count))];
        int rating = Services::Companies().GetDirector(person)->GetBaseRating();
        if (rating >= bestRating) {
            best = person;
            bestRating = rating;
        }
    }
    return best;
}

// The person of the table who presides; none when the player himself does
// (president 0), whose own record stays his.
CPersonData* PresidentPerson(int president) {
    return president > 0 ? Services::Companies().GetDirector(president - 1) : nullptr;
}

void AddHoldings(CEpMapData& to, const CEpMapData& from) {
    to.SetLand(ClampToInt(int64_t{to.GetLand()} + from.GetLand()));
    to.SetBuildings(ClampToInt(int64_t{to.GetBuildings()} + from.GetBuildings()));
    to.SetContracts(ClampToInt(int64_t{to.GetContracts()} + from.GetContracts()));
}

}  // namespace

void CEnterprise::HoldExhibition(int area, int success, int value) {
    if (area < 0 || area >= m_areaCount || GetAreaLevel(area) < kExhibitionLevel) return;
    bool host = Services::NetPlay().IsNetworkHost();
    CHistory entry;
    entry.SetExhibition(area, success != 0);
    m_history.push_back(std::move(entry));
    for (int i = 0; i < m_areaCount; ++i) {
        int a = value / 15;
        if (!success) a = -(a / 2);
        int d = Random(a / 2) + a;
        SetAreaGrade(i, ClampToInt(int64_t{GetAreaGrade(i)} + d), 1);
        if (host) Services::NetPlay().SendCompanyState(m_number, eCOMPANY_AREA_GRADES);
    }
    int b = value / 30;
    int64_t m = success ? int64_t{3} * b : int64_t{-20} * b;
    m = Random(ClampToInt(m / 2)) + m;
    SetMorale(ClampToInt(m_morale + m));
    if (host) Services::NetPlay().SendCompanyState(m_number, eCOMPANY_STAFF_FIGURES);
    int r = (success ? b : -b) / 2;
    r = Random(r / 2) + r;
    for (int i = 0; i < GetDirectorCount(); ++i)
        if (CPersonData* director = GetDirector(i))
            director->SetRelation(m_number,
                                  ClampToInt(int64_t{director->GetRelation(m_number)} + r));
    if (host) Services::NetPlay().SendCompanyState(m_number, eCOMPANY_DIRECTOR_RELATIONS);
}

bool CEnterprise::CanSetUpNewComputerCompany() {
    const CMapDoc* map = Services::Map().GetMapDoc();
    return map && !FreeCompanyNames(*map).empty() && !PresidentCandidates().empty();
}

int CEnterprise::SetUpNewComputerCompany() {
    CMapDoc* map = Services::Map().GetMapDoc();
    if (!map) return 0;
    // Without a name, or without a president the company would pass for the
    // human player's: nothing is founded.
    std::vector<int> names = FreeCompanyNames(*map);
    std::vector<int> candidates = PresidentCandidates();
    if (names.empty() || candidates.empty()) return 0;

    int slot = names[static_cast<size_t>(Random(static_cast<int>(names.size())))];
    map->SetCompanyNameUser(slot, m_number);
    m_nameSlot = slot;
    SetName(map->GetCompanyNameEntry(slot));
    Services::Companies().ChooseCompanyColour(m_number);

    int person = DrawPresident(candidates);
    CPersonData* president = Services::Companies().GetDirector(person);
    m_president = person + 1;
    SetPresidentName(president->GetName());
    president->SetEmployer(m_number + 1);
    president->SetPresidentFlag(1);
    Services::Companies().ChooseStartArea(m_number);

    int month = std::max(Services::Game().GetCurrentMonthIndex(), 0);
    int base = ClampToInt(int64_t{7} * month);
    int funds = RandomVary(ClampToInt(int64_t{base} + 350), ClampToInt(int64_t{base} + 100));
    AddFunds(funds);
    Services::Companies().SetStockHolding(m_number, -1, funds / 2);
    size_t years = static_cast<size_t>(std::min(month, kMaxYears));
    m_pastSales.assign(years, 0);
    m_pastProfit.assign(years, 0);
    SetAreaGrade(-1, RandomVary(300, 133), 0);
    return 1;
}

void CEnterprise::MergeInto(int absorber) {
    CEnterprise* heir = Services::Companies().GetCompany(absorber);
    if (!heir || heir == this) return;
    for (int c = 0; c < Services::Companies().GetCompanyCount(); ++c) {
        CEnterprise* company = Services::Companies().GetCompany(c);
        if (!company) continue;
        CHistory entry;
        entry.SetMerger(GetName(), heir->GetName());
        company->m_history.push_back(std::move(entry));
    }
    CMapDoc* map = Services::Map().GetMapDoc();
    size_t elements = std::min(m_areas.size(), heir->m_areas.size());
    for (size_t e = 0; e < elements; ++e) {
        int area = static_cast<int>(e) - 1;
        if (area >= 0 && map && area < map->GetAreaCount())
            map->ReleaseCompanyLots(m_number, area, absorber);
        AddHoldings(heir->m_areas[e], m_areas[e]);
    }
    if (CPersonData* president = PresidentPerson(m_president)) {
        president->SetEmployer(0);
        president->SetPresidentFlag(0);
    }
    for (int person : m_directors) {
        if (CPersonData* director = Services::Companies().GetDirector(person))
            director->SetEmployer(absorber + 1);
        heir->AddDirector(person);
    }
    int64_t employees = m_employees, heirEmployees = heir->m_employees;
    heir->m_employees = ClampToInt(employees + heirEmployees);
    heir->m_employeesAtWork = ClampToInt(int64_t{heir->m_employeesAtWork} + m_employeesAtWork);
    if (m_employeesAtWork >= 1 && employees + heirEmployees > 0)
        heir->SetMorale(ClampToInt((m_morale * employees + heir->m_morale * heirEmployees) /
                                   (employees + heirEmployees) / 2));
}

void CEnterprise::ReleaseAllHoldings() {
    bool host = Services::NetPlay().IsNetworkHost();
    if (CMapDoc* map = Services::Map().GetMapDoc())
        for (int area = 0; area < map->GetAreaCount(); ++area) {
            map->ReleaseCompanyLots(m_number, area, -1);
            if (host) Services::NetPlay().SendAreaOwners(area);
        }
    for (int i = 0; i < GetDirectorCount(); ++i) {
        const CPersonData* director = GetDirector(i);
        if (director && director->GetTaskKind() == CPersonData::eTASK_CONTRACT_CONSTRUCTION)
            Services::Orders().RouteContractorBankrupt(
                director->GetTaskArea(), director->GetTaskTargetX(), director->GetTaskTargetY(),
                director->GetTaskParam(0), m_number);
    }
    if (CPersonData* president = PresidentPerson(m_president)) {
        president->SetEmployer(0);
        president->SetPresidentFlag(0);
        if (host) Services::NetPlay().SendPersonState(*president, ePERSON_STATUS);
    }
    while (!m_directors.empty()) {
        int person = m_directors.front();
        RemoveDirector(person);
        CPersonData* director = Services::Companies().GetDirector(person);
        if (!director) continue;
        director->AssignTask(CPersonData::eTASK_NONE, 0);
        director->Dismiss();
        if (host)
            for (ePERSON_STATE what : {ePERSON_RECORD, ePERSON_STATUS, ePERSON_RELATIONS})
                Services::NetPlay().SendPersonState(*director, what);
    }
    if (host) Services::NetPlay().SendDirectorList(m_number);
}
