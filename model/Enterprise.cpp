#include "model/Enterprise.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>
#include <span>

#include "model/BD.h"
#include "model/EnterpriseLimits.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"

namespace {

// Counts and amounts stay where loading accepts them again.
int AddCount(int value, int n) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{value} + n, 0, INT_MAX));
}

const std::string& TextOrEmpty(const std::optional<std::string>& text) {
    static const std::string empty;
    return text ? *text : empty;
}

int SetText(std::optional<std::string>& target, const std::string& text) {
    target.reset();
    if (text.empty()) return 0;
    try {
        target = text;
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

// ---------------------------------------------------------------- stored form

int ReadFlagByte(CArchive& ar) {
    return CheckRange<int>(ar.ReadByte(), 0, 1);
}

// Length L, then L characters and a terminating zero, also when L is 0.
std::optional<std::string> ReadName(CArchive& ar) {
    int length = CheckRange(ar.ReadInt(), 0, CEnterprise::kMaxNameLength);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ar.Read(text.data(), text.size());
    text.resize(std::min(text.find('\0'), static_cast<size_t>(length)));
    return text;
}

void WriteName(CArchive& ar, const std::optional<std::string>& name) {
    ar.WriteCompanyText(TextOrEmpty(name));
}

void WriteInts(CArchive& ar, std::span<const int> values) {
    for (int value : values) ar.WriteInt(value);
}

void ReadInts(CArchive& ar, std::span<int> values, int lo) {
    for (int& value : values) value = ReadAtLeast(ar, lo);
}

template <size_t N>
void WriteSettings(CArchive& ar, const CEnterprise::SSettingBlock<N>& block) {
    ar.WriteInt(block.key);
    ar.WriteInt(block.direction);
    WriteInts(ar, block.slots);
}

template <size_t N>
void ReadSettings(CArchive& ar, CEnterprise::SSettingBlock<N>& block) {
    // The key names one of the block's N columns (1..N) or none (0).
    block.key = CheckRange(ar.ReadInt(), 0, static_cast<int>(N));
    block.direction = ar.ReadInt();
    if (block.direction != 1 && block.direction != -1) throw eMERCAVO_ERROR_CONTENTS;
    ReadInts(ar, block.slots, -1);
}

void WriteYears(CArchive& ar, const std::vector<int>& years) {
    ar.WriteInt(static_cast<int>(years.size()));
    WriteInts(ar, years);
}

// Values are appended as they are read, so a count larger than the data
// allocates nothing before the archive runs out.
std::vector<int> ReadYears(CArchive& ar, int lo) {
    int count = CheckRange(ar.ReadInt(), 0, CEnterprise::kMaxYears);
    std::vector<int> years;
    for (int i = 0; i < count; ++i) years.push_back(ReadAtLeast(ar, lo));
    return years;
}

template <typename T>
void WriteList(CArchive& ar, const std::vector<T>& list) {
    ar.WriteInt(static_cast<int>(list.size()));
    for (const T& entry : list) T(entry).Serialize(ar);
}

template <typename T>
std::vector<T> ReadList(CArchive& ar) {
    int count = CheckRange(ar.ReadInt(), 0, CEnterprise::kMaxListEntries);
    std::vector<T> list;
    for (int i = 0; i < count; ++i) {
        T entry;
        entry.Serialize(ar);
        list.push_back(std::move(entry));
    }
    return list;
}

}  // namespace

CEnterprise::CEnterprise() : m_areas(1) {
    ClearContractBid();
    ClearAuctionBid();
}

CEnterprise& CEnterprise::operator=(const CEnterprise& other) {
    if (this == &other) return *this;
    int ownSlot = m_nameSlot;
    CEnterprise copy(other);
    copy.m_nameSlot = ownSlot;
    return *this = std::move(copy);
}

int CEnterprise::Init(int number, int areaCount) {
    m_number = number;
    m_areaCount = std::max(areaCount, 0);
    try {
        m_areas.assign(static_cast<size_t>(m_areaCount) + 1, CEpMapData());
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

// ---------------------------------------------------------------- identity

void CEnterprise::OnCompanyRemoved(int removed, const std::string& removedName) {
    RenumberAfterRemoval(removed);
    CHistory entry;
    entry.SetCompanyName(removedName, 0);
    m_history.push_back(std::move(entry));
}

void CEnterprise::RecordNewCompany(const std::string& name) {
    CHistory entry;
    entry.SetCompanyName(name, 1);
    m_history.push_back(std::move(entry));
}

void CEnterprise::RenumberAfterRemoval(int removed) {
    if (m_number > removed) --m_number;
}

bool CEnterprise::IsHumanPlayed() const {
    return Services::Game().GetPlayState() != 0 && m_president == 0;
}

int CEnterprise::SetName(const std::string& name) {
    return SetText(m_name, name);
}

int CEnterprise::SetPresidentName(const std::string& name) {
    return SetText(m_presidentName, name);
}

const std::string& CEnterprise::GetName() const {
    return TextOrEmpty(m_name);
}

const std::string& CEnterprise::GetPresidentName() const {
    return TextOrEmpty(m_presidentName);
}

CPersonData* CEnterprise::GetPresident() const {
    if (m_president == 0) return Services::Companies().GetPlayerPerson();
    return Services::Companies().GetDirector(m_president - 1);
}

// ---------------------------------------------------------------- money

int CEnterprise::AddFunds(int amount) {
    int64_t funds = int64_t{m_funds} + amount;
    if (funds >= 0) {
        m_funds = ClampToInt(funds);
        return 1;
    }
    m_debt = ClampToInt(int64_t{m_debt} - funds);
    m_funds = 0;
    return 0;
}

void CEnterprise::Borrow(int amount) {
    m_funds = ClampToInt(int64_t{m_funds} + amount);
    m_debt = ClampToInt(int64_t{m_debt} + amount);
}

// ---------------------------------------------------------------- figures

int CEnterprise::SetAdvertisingBudget(int amount) {
    if (amount == m_advertisingCost) return 0;
    m_advertisingCost = amount;
    return 1;
}

bool CEnterprise::HasDirectorInArea(int area) const {
    return std::any_of(m_directors.begin(), m_directors.end(), [&](int person) {
        const CPersonData* director = Services::Companies().GetDirector(person);
        return director && director->IsBuildingOffice(area);
    });
}

int CEnterprise::GetAnnualIncome() const {
    int64_t sum = 0;
    for (int income : m_monthlyIncome) sum += income;
    return ClampToInt(sum);
}

int CEnterprise::GetMonthlyFigure(int j, int area, int month) const {
    if (area >= 0) return Area(area).GetMonthFigure(j);
    const auto& series = m_monthlyFigures.at(static_cast<size_t>(j));
    if (month >= 0) return series.at(static_cast<size_t>(month));
    int64_t sum = 0;
    for (int value : series) sum += value;
    return ClampToInt(sum);
}

// ---------------------------------------------------------------- stored form

void CEnterprise::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        SerializeIdentity(ar);
        SerializeStaff(ar);
        SerializeFigures(ar);
        SerializeCollections(ar);
        return;
    }
    LoadIdentity(ar);
    LoadStaff(ar);
    LoadFigures(ar);
    LoadCollections(ar);
    m_judgment.fill(0);
}

void CEnterprise::SerializeIdentity(CArchive& ar) {
    WriteInts(ar, std::array{m_networkPlayerId, m_nameSlot, m_areaCount, m_number, m_color});
    ar.WriteByte(static_cast<uint8_t>(m_strike));
    ar.WriteInt(m_strikeMonth);
    ar.WriteInt(m_previousStrikeMonth);
    WriteName(ar, m_name);
    WriteName(ar, m_presidentName);
}

void CEnterprise::LoadIdentity(CArchive& ar) {
    m_networkPlayerId = ReadAtLeast(ar, -1);
    m_nameSlot = ReadAtLeast(ar, -1);
    // The area records are indexed by the map's areas, so a company of
    // another map cannot be taken over.
    if (ar.ReadInt() != m_areaCount) throw eMERCAVO_ERROR_CONTENTS;
    m_number = ReadAtLeast(ar, 0);
    m_color = CheckRange(ar.ReadInt(), 0, kColorCount - 1);
    m_strike = ReadFlagByte(ar);
    m_strikeMonth = ReadAtLeast(ar, -1);
    m_previousStrikeMonth = ReadAtLeast(ar, -1);
    m_name = ReadName(ar);
    m_presidentName = ReadName(ar);
}

void CEnterprise::SerializeStaff(CArchive& ar) {
    WriteInts(ar, std::array{m_president, m_funds, m_debt, m_standardSalary, m_fixedPayTotal});
    ar.WriteByte(static_cast<uint8_t>(m_fixedPay));
    WriteInts(ar, std::array{m_advertisingCost, m_employees, m_employeesAtWork, m_morale});
    ar.WriteInt(GetDirectorCount());
    WriteInts(ar, m_directors);
    for (int league = 0; league < kLeagueCount; ++league)
        WriteInts(ar, std::array{m_teams[league], m_championships[league], m_attendance[league]});
    WriteSettings(ar, m_settings1);
    WriteSettings(ar, m_settings2);
    WriteInts(ar, std::array{m_adviser, m_adviserAbility, m_adviceThreshold});
}

void CEnterprise::LoadStaff(CArchive& ar) {
    m_president = ReadAtLeast(ar, 0);
    m_funds = ReadAtLeast(ar, 0);
    m_debt = ReadAtLeast(ar, 0);
    m_standardSalary = ReadAtLeast(ar, 0);
    m_fixedPayTotal = ReadAtLeast(ar, 0);
    m_fixedPay = ReadFlagByte(ar);
    m_advertisingCost = ReadAtLeast(ar, 0);
    m_employees = ReadAtLeast(ar, 0);
    m_employeesAtWork = CheckRange(ar.ReadInt(), INT_MIN, m_employees);
    m_morale = ar.ReadInt();
    int directors = CheckRange(ar.ReadInt(), 0, kMaxDirectors);
    m_directors.clear();
    for (int i = 0; i < directors; ++i) m_directors.push_back(ReadAtLeast(ar, 0));
    for (int league = 0; league < kLeagueCount; ++league) {
        m_teams[league] = ReadAtLeast(ar, 0);
        m_championships[league] = ReadAtLeast(ar, 0);
        m_attendance[league] = ReadAtLeast(ar, 0);
    }
    ReadSettings(ar, m_settings1);
    ReadSettings(ar, m_settings2);
    m_adviser = ReadAtLeast(ar, -1);
    m_adviserAbility = ar.ReadInt();
    m_adviceThreshold = ar.ReadInt();
}

void CEnterprise::SerializeFigures(CArchive& ar) {
    WriteYears(ar, m_pastSales);
    WriteYears(ar, m_pastProfit);
    for (int m = 0; m < kMonths; ++m) {
        WriteInts(ar, std::array{m_monthlySales[m], m_monthlyProfit[m], m_monthlyIncome[m],
                                 m_monthlyExpense[m]});
        for (const auto& series : m_monthlyFigures) ar.WriteInt(series[m]);
    }
    WriteInts(ar, std::array{m_sanctionMonths, m_strikeCount, m_yearEndStockPrice, m_moraleTotal});
}

void CEnterprise::LoadFigures(CArchive& ar) {
    m_pastSales = ReadYears(ar, 0);
    m_pastProfit = ReadYears(ar, INT_MIN);
    for (int m = 0; m < kMonths; ++m) {
        m_monthlySales[m] = ar.ReadInt();
        m_monthlyProfit[m] = ar.ReadInt();
        m_monthlyIncome[m] = ar.ReadInt();
        m_monthlyExpense[m] = ReadAtLeast(ar, 0);
        for (auto& series : m_monthlyFigures) series[m] = ReadAtLeast(ar, 0);
    }
    m_sanctionMonths = CheckRange(ar.ReadInt(), 0, kMaxSanctionMonths);
    m_strikeCount = ReadAtLeast(ar, 0);
    m_yearEndStockPrice = ReadAtLeast(ar, 0);
    m_moraleTotal = ar.ReadInt();
}

void CEnterprise::SerializeCollections(CArchive& ar) {
    for (const CEpMapData& area : m_areas) CEpMapData(area).Serialize(ar);
    const SContractBid& c = m_contractBid;
    WriteInts(ar, std::array{c.contractor, c.area, c.x, c.y, c.structureType, c.price});
    const SLotSale& s = m_lotSale;
    WriteInts(ar, std::array{s.minimalBid, s.area, s.x, s.y, s.buyer});
    WriteList(ar, m_plans);
    WriteList(ar, m_advice);
    WriteList(ar, m_history);
    const std::array<uint8_t, kReservedBytes> reserved{};
    ar.Write(reserved.data(), reserved.size());
}

void CEnterprise::LoadCollections(CArchive& ar) {
    m_areas.assign(static_cast<size_t>(m_areaCount) + 1, CEpMapData());
    for (CEpMapData& area : m_areas) area.Serialize(ar);
    SContractBid& c = m_contractBid;
    for (int* field : {&c.contractor, &c.area, &c.x, &c.y, &c.structureType})
        *field = ReadAtLeast(ar, -1);
    c.price = ReadAtLeast(ar, 0);
    SLotSale& s = m_lotSale;
    s.minimalBid = ReadAtLeast(ar, -2);
    for (int* field : {&s.area, &s.x, &s.y, &s.buyer}) *field = ReadAtLeast(ar, -1);
    m_plans = ReadList<CCmdPacket>(ar);
    m_advice = ReadList<CAdvicePacket>(ar);
    m_history = ReadList<CHistory>(ar);
    std::array<uint8_t, kReservedBytes> reserved{};
    ar.Read(reserved.data(), reserved.size());
}

void CEnterprise::Validate(const CEnterpriseLimits& limits) const {
    CheckIndex(m_nameSlot, -1, limits.companyNameCount);
    CheckRange(m_president, 0, limits.personCount);
    for (int director : m_directors) CheckIndex(director, 0, limits.personCount);
    CheckIndex(m_adviser, -1, limits.personCount);
    for (int league = 0; league < kLeagueCount; ++league)
        CheckRange(m_teams[league], 0, limits.teamCounts[league]);
    CheckIndex(m_contractBid.contractor, -1, limits.companyCount);
    CheckIndex(m_contractBid.area, -1, m_areaCount);
    CheckIndex(m_lotSale.buyer, -1, limits.companyCount);
    CheckIndex(m_lotSale.area, -1, m_areaCount);
}

// ---------------------------------------------------------------- per area

CEpMapData& CEnterprise::Area(int area) {
    return m_areas.at(static_cast<size_t>(area) + 1);
}

const CEpMapData& CEnterprise::Area(int area) const {
    return m_areas.at(static_cast<size_t>(area) + 1);
}

int CEnterprise::SetAreaLevel(int area, int level) {
    CEpMapData& record = Area(area);
    if (record.GetLevel() == level) return 0;
    record.SetLevel(level);
    return 1;
}

int CEnterprise::CountAreasAtLevel(int flag) const {
    int least = flag ? 3 : 2;
    return static_cast<int>(std::count_if(m_areas.begin() + 1, m_areas.end(),
                                          [least](auto& a) { return a.GetLevel() >= least; }));
}

int CEnterprise::SumAreaLevels(int flag) const {
    int64_t sum = 0;
    for (size_t i = 1; i < m_areas.size(); ++i) {
        int level = m_areas[i].GetLevel();
        sum += level;
        if (flag && (level == 1 || level == 2)) ++sum;
    }
    return ClampToInt(sum);
}

void CEnterprise::RaiseBestAreaLevel() {
    if (m_areaCount < 1 || !Services::ComputerPlayer().CanManageMoreAreas(m_number)) return;
    int best = -1000;
    int bestArea = -1;
    for (int draw = 0; draw < 2 * m_areaCount; ++draw) {
        int area = Random(m_areaCount);
        int level = GetAreaLevel(area);
        if (level == 2 || level == 4) continue;
        int r = Random(Services::ComputerPlayer().RateAreaForCompany(area, m_number));
        if (r > best) {
            best = r;
            bestArea = area;
        }
    }
    if (bestArea >= 0) SetAreaLevel(bestArea, GetAreaLevel(bestArea) + 1);
}

bool CEnterprise::HasAnyArea() const {
    if (GetHomeArea() != -1) return true;
    for (int area = 0; area < m_areaCount; ++area)
        if (HasDirectorInArea(area)) return true;
    return false;
}

void CEnterprise::SetAreaGrade(int area, int grade, int refresh) {
    grade = std::clamp(grade, CEpMapData::kMinGrade, CEpMapData::kMaxGrade);
    if (area == -1) {
        for (size_t i = 1; i < m_areas.size(); ++i) m_areas[i].SetGrade(grade);
        return;
    }
    Area(area).SetGrade(grade);
    if (refresh) UpdateAverageGrade();
}

void CEnterprise::UpdateAverageGrade() {
    // A map has areas; without any there is no average to take.
    if (m_areaCount < 1) return;
    int64_t sum = 0;
    for (size_t i = 1; i < m_areas.size(); ++i) sum += m_areas[i].GetGrade();
    int64_t average = sum / m_areaCount;
    m_areas[0].SetGrade(static_cast<int>(
        std::clamp<int64_t>(average, CEpMapData::kMinGrade, CEpMapData::kMaxGrade)));
}

int CEnterprise::GetAreaGradeStep(int area) const {
    int grade = GetAreaGrade(area);
    int step = 0;
    for (int s = 1; s <= 5; ++s)
        if (grade >= 100 + 66 * s) step = s;
    return step;
}

double CEnterprise::GetAreaWeight(int area) const {
    const CEpMapData& record = Area(area);
    double u = double(record.GetLand()) + 4.0 * record.GetBuildings() + 5.0;
    double w = u * (record.GetGrade() + 33.0) / 100.0;
    // Counts are never negative; should one be, the area weighs nothing
    // rather than giving pow a negative base.
    if (w <= 0) return 0;
    return std::pow(w, 1.1) / 5.0;
}

void CEnterprise::RunMonthlyGradeUpdate() {
    if (m_areaCount < 1) return;
    std::vector<double> weights(static_cast<size_t>(m_areaCount));
    double total = 0;
    for (int a = 0; a < m_areaCount; ++a) total += weights[a] = GetAreaWeight(a);
    // A negative budget buys nothing (and has no real power).
    double advertising = std::pow(std::max(m_advertisingCost, 0) * 20.0, 0.8);
    for (int a = 0; a < m_areaCount; ++a) {
        double share = total > 0 ? weights[a] / total : 0;
        double d = std::max(weights[a] - advertising * share, 0.0);
        // Any loss beyond the grade range takes the grade to its floor.
        int loss = static_cast<int>(std::min(d + 1.0, double(CEpMapData::kMaxGrade)));
        SetAreaGrade(a, GetAreaGrade(a) - loss, a == m_areaCount - 1);
    }
}

int CEnterprise::AddAreaLand(int area, int n) {
    Area(area).SetLand(AddCount(Area(area).GetLand(), n));
    m_areas[0].SetLand(AddCount(m_areas[0].GetLand(), n));
    RecountAreaLand(area);
    return Area(area).GetLand() == 0 ? 1 : 0;
}

int CEnterprise::AddAreaBuildings(int area, int n) {
    Area(area).SetBuildings(AddCount(Area(area).GetBuildings(), n));
    m_areas[0].SetBuildings(AddCount(m_areas[0].GetBuildings(), n));
    return Area(area).GetBuildings() == 0 ? 1 : 0;
}

void CEnterprise::ConvertLandToBuilding(int area, int n) {
    int buildings = n >= 1 ? 1 : -1;
    auto convert = [&](CEpMapData& record) {
        record.SetLand(AddCount(record.GetLand(), -n));
        record.SetBuildings(AddCount(record.GetBuildings(), buildings));
    };
    convert(Area(area));
    if (area != -1) convert(m_areas[0]);
    RecountAreaLand(area);
}

int CEnterprise::CountOwnedCells(int area, bool anchors) const {
    int width = 0, height = 0;
    if (!Services::Map().GetAreaSize(area, width, height)) return 0;
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (Services::Map().GetCellOwner(area, x, y) != m_number + 1) continue;
            int structure = Services::Map().GetCellStructure(area, x, y);
            if (anchors ? structure > 0 : structure == 0) ++count;
        }
    return count;
}

void CEnterprise::RecountAreaLand(int area) {
    Area(area).SetLand(CountOwnedCells(area, false));
    int64_t total = 0;
    for (size_t i = 1; i < m_areas.size(); ++i) total += m_areas[i].GetLand();
    m_areas[0].SetLand(ClampToInt(total));
}

void CEnterprise::RecountAllHoldings() {
    int64_t land = 0, buildings = 0;
    for (int area = 0; area < m_areaCount; ++area) {
        Area(area).SetLand(CountOwnedCells(area, false));
        Area(area).SetBuildings(CountOwnedCells(area, true));
        land += Area(area).GetLand();
        buildings += Area(area).GetBuildings();
    }
    m_areas[0].SetLand(ClampToInt(land));
    m_areas[0].SetBuildings(ClampToInt(buildings));
}

int CEnterprise::GetFreeAreaLand(int area) const {
    if (area == -1) {
        int64_t sum = 0;
        for (int a = 0; a < m_areaCount; ++a) sum += GetFreeAreaLand(a);
        return ClampToInt(sum);
    }
    int64_t free = GetAreaLand(area);
    for (const CCmdPacket& plan : m_plans) free -= plan.CountOwnedFreeCells(m_number, area);
    return ClampToInt(free);
}

void CEnterprise::IncAreaCount(int area) {
    Area(area).SetContracts(AddCount(Area(area).GetContracts(), 1));
    m_areas[0].SetContracts(AddCount(m_areas[0].GetContracts(), 1));
}

void CEnterprise::AddAreaSum(int area, int value) {
    m_areas[0].SetContribution(AddCount(m_areas[0].GetContribution(), value));
    Area(area).SetContribution(AddCount(Area(area).GetContribution(), value));
}

void CEnterprise::SetAreaValue(int which, int area, int value) {
    Area(area).SetEffect(which,
                         std::clamp(value, -CEpMapData::kEffectLimit, CEpMapData::kEffectLimit));
}

void CEnterprise::AddBuildingEffects(int area, int structureType) {
    const CBD* type = Services::Map().GetStructureType(structureType);
    if (!type) return;
    SetAreaGrade(area, ClampToInt(int64_t{GetAreaGrade(area)} + type->GetGradeBonus()), 1);
    const int values[] = {type->GetEffectValue1(), type->GetEffectValue2(),
                          type->GetEffectValue3(), type->GetEffectValue4(),
                          type->GetEffectValue5(), type->GetEffectValue6()};
    for (int which = 1; which <= CEpMapData::kEffectCount; ++which)
        SetAreaValue(which, area,
                     ClampToInt(int64_t{GetAreaValue(which, area)} + values[which - 1]));
}

void CEnterprise::AddAreaTableValue(int kind, int area, int value) {
    Area(area).SetInvestment(kind, AddCount(Area(area).GetInvestment(kind), value));
}

void CEnterprise::SetAreaRating(int kind, int area, int value, int add) {
    int64_t rating = add ? int64_t{Area(area).GetRating(kind)} + value : value;
    Area(area).SetRating(kind,
                         static_cast<int>(std::clamp<int64_t>(rating, 0, CEpMapData::kMaxRating)));
}
