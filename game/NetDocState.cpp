#include "game/NetDocState.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

#include "game/VDoc.h"
#include "model/EnterpriseLimits.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "model/NetCompanyRecords.h"
#include "model/NetMapRecords.h"
#include "model/NetPersonRecords.h"
#include "model/NetRecordReader.h"
#include "model/NetStateOut.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

constexpr int kClass = CNetStateOut::kStateClass;

// A company that waits for its records: the default company, with a colour
// of the palette so that the game saves and loads even before they come.
void StartCompany(CEnterprise& company, int number, int areas) {
    company.Init(number, areas);
    company.SetColor(0);
}

bool ReadIn(CNetRecordReader& in, int width, int& value, int lo, int hi, const char* field) {
    if (!in.ReadInt(width, value, field)) return false;
    return (value >= lo && value <= hi) || in.Refuse(field);
}

void Append(std::vector<CNetRecordBuilder>& to, std::vector<CNetRecordBuilder> from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

void AppendTexts(std::vector<CNetRecordBuilder>& to, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) to.push_back(CNetRecordBuilder::FromText(text));
}

// Calls make(i, first, last) at the start of every block of rows rows over
// 0..count-1; the record it returns gets the rows appended by row(b, i).
template <typename Make, typename Row>
std::vector<CNetRecordBuilder> Blocks(int count, int rows, Make make, Row row) {
    std::vector<CNetRecordBuilder> records;
    for (int first = 0; first < count; first += rows) {
        const int last = std::min(first + rows - 1, count - 1);
        CNetRecordBuilder b = make(first, last);
        for (int i = first; i <= last; ++i) row(b, i);
        records.push_back(b);
    }
    return records;
}

}  // namespace

CNetDocState::CNetDocState(CVDoc& doc, LogLine log) : m_doc(doc), m_log(std::move(log)) {}

// ---------------------------------------------------------------- group 00 builders

CNetRecordBuilder CNetDocState::BuildHeader(int recreate) const {
    const CVDoc::SGame& g = m_doc.m_game;
    CNetRecordBuilder b(kClass, kDocGroup, eHEADER);
    b.Int(g.loadCount, 4).Int(g.personChecksum, 10).Int(g.playYears, 4);
    b.Int(g.startingPlayers, 4).Int(g.humanPlayers, 4).Int(recreate ? 1 : 0, 1);
    b.Int(m_doc.CompanyCount(), 4).Int(0, 1);
    b.Int(m_doc.GetDirectorTableSize(), 4).Int(m_doc.GetGovernorTableSize(), 4);
    b.Int(g.reservedWord, 1).Int(g.interestRate, 4);
    // Which company uses each of the map's company names: saved with the
    // map, changed when a company is founded or leaves.
    const CMapDoc& map = m_doc.GetMap();
    b.Int(map.GetCompanyNameCount(), 3);
    for (int i = 0; i < map.GetCompanyNameCount(); ++i) b.Int(map.GetCompanyNameUser(i), 3);
    return b;
}

std::vector<CNetRecordBuilder> CNetDocState::BuildStockRows(int company) const {
    const int n = m_doc.CompanyCount();
    std::vector<CNetRecordBuilder> records;
    for (int i = 0; i < n; ++i) {
        if (company >= 0 && i != company) continue;
        CNetRecordBuilder b(kClass, kDocGroup, eSTOCK_ROW);
        b.Int(i, 4).Int(n + 1, 3);
        for (int j = -1; j < n; ++j) b.Int(m_doc.GetStockHolding(i, j), 10);
        records.push_back(b);
    }
    return records;
}

CNetRecordBuilder CNetDocState::BuildTurnOrder() const {
    const std::vector<int>& order = m_doc.m_game.turnOrder;
    CNetRecordBuilder b(kClass, kDocGroup, eTURN_ORDER);
    b.Int(static_cast<int>(order.size()), 3);
    for (int entry : order) b.Int(entry, 3);
    return b;
}

CNetRecordBuilder CNetDocState::BuildLandValueChange(int area, int rise, int amount) {
    CNetRecordBuilder b(kClass, kDocGroup, eLAND_VALUE);
    b.Int(area, 3).Int(rise ? 1 : 0, 1).Int(amount, 4);
    return b;
}

CNetRecordBuilder CNetDocState::BuildCalendar() const {
    CNetRecordBuilder b(kClass, kDocGroup, eCALENDAR);
    b.Int(m_doc.GetYear(), 4).Int(m_doc.GetMonth(), 4);
    return b;
}

CNetRecordBuilder CNetDocState::BuildInterestRate() const {
    CNetRecordBuilder b(kClass, kDocGroup, eINTEREST);
    b.Int(m_doc.GetInterestRate(), 4);
    return b;
}

CNetRecordBuilder CNetDocState::BuildTurnState() const {
    CNetRecordBuilder b(kClass, kDocGroup, eTURN_STATE);
    b.Int(m_doc.GetTurnPosition(), 3);
    for (int entry : m_doc.m_game.turnOrder) b.Int(entry, 3);
    return b;
}

std::vector<CNetRecordBuilder> CNetDocState::BuildGovernorAmounts() const {
    const int areas = m_doc.GetMap().GetAreaCount();
    const int carried = std::min(areas, kMaxAmountAreas);
    std::vector<CNetRecordBuilder> records;
    CNetRecordBuilder b(kClass, kDocGroup, eGOVERNOR_AMOUNTS);
    b.Int(carried, 3);
    for (int a = 0; a < carried; ++a) {
        const CPersonData* governor = m_doc.GetAreaGovernor(a);
        b.Int(governor ? governor->GetAmount() : 0, 10);
    }
    records.push_back(b);
    for (int a = carried; a < areas; ++a) {
        if (const CPersonData* governor = m_doc.GetAreaGovernor(a))
            records.push_back(CNetPersonRecords::Build(*governor, CNetPersonRecords::eAMOUNTS));
    }
    return records;
}

CNetRecordBuilder CNetDocState::BuildAddCompany() {
    return CNetRecordBuilder(kClass, kDocGroup, eADD_COMPANY);
}

// ---------------------------------------------------------------- group 02 blocks

std::vector<CNetRecordBuilder> CNetDocState::BuildDirectorEmployment() const {
    const int n = m_doc.CompanyCount();
    const std::vector<CPersonData>& directors = m_doc.m_game.directors;
    return Blocks(
        m_doc.GetDirectorTableSize(), kEmploymentRows,
        [](int first, int last) {
            CNetRecordBuilder b(kClass, kPersonGroup, eEMPLOYMENT);
            b.Int(first, 4).Int(last, 4);
            return b;
        },
        [&](CNetRecordBuilder& b, int i) {
            const CPersonData& p = directors[static_cast<size_t>(i)];
            b.Int(p.GetEmployerNo(), 3).Int(p.GetHireMonth(), 5);
            for (int c = 0; c < n; ++c) b.Int(p.GetRelation(c), 4);
        });
}

std::vector<CNetRecordBuilder> CNetDocState::BuildTaskProgress() const {
    std::vector<int> working;
    for (int i = 0; i < m_doc.GetDirectorTableSize(); ++i) {
        const CPersonData& p = m_doc.m_game.directors[static_cast<size_t>(i)];
        const CEnterprise* employer = m_doc.GetEnterprise(p.GetEmployerNo() - 1);
        if (p.GetEmployerNo() > 0 && employer && !employer->IsOnStrike() && p.GetTaskKind() != 0)
            working.push_back(i);
    }
    const int count = static_cast<int>(working.size());
    return Blocks(
        count, kTaskRows,
        [](int first, int last) {
            CNetRecordBuilder b(kClass, kPersonGroup, eTASK_PROGRESS);
            b.Int(last - first + 1, 4);
            return b;
        },
        [&](CNetRecordBuilder& b, int i) { b.Int(working[static_cast<size_t>(i)], 4); });
}

std::vector<CNetRecordBuilder> CNetDocState::BuildAllFunds() const {
    return Blocks(
        m_doc.CompanyCount(), kFundsRows,
        [](int first, int last) {
            CNetRecordBuilder b(kClass, kPersonGroup, eALL_FUNDS);
            b.Int(first, 4).Int(last, 4);
            return b;
        },
        [&](CNetRecordBuilder& b, int i) {
            const CEnterprise& c = m_doc.m_game.companies[static_cast<size_t>(i)];
            b.Int(c.GetFunds(), 10).Int(c.GetDebt(), 10);
        });
}

std::vector<CNetRecordBuilder> CNetDocState::BuildPersonStatus(int table) const {
    const std::vector<CPersonData>& persons =
        table == 1 ? m_doc.m_game.governors : m_doc.m_game.directors;
    return Blocks(
        static_cast<int>(persons.size()), kStatusRows,
        [table](int first, int last) {
            CNetRecordBuilder b(kClass, kPersonGroup, ePERSON_STATUS);
            b.Int(table == 1 ? 1 : 0, 1).Int(first, 4).Int(last, 4);
            return b;
        },
        [&](CNetRecordBuilder& b, int i) {
            const CPersonData& p = persons[static_cast<size_t>(i)];
            b.Int(p.GetEmployerNo(), 3).Int(p.GetPresidentFlag(), 1).Int(p.GetElectionMonth(), 5);
        });
}

// ---------------------------------------------------------------- composite transfers

std::vector<CNetRecordBuilder> CNetDocState::BuildAllGameData() const {
    std::vector<CNetRecordBuilder> records;
    records.push_back(BuildHeader(1));
    records.push_back(BuildCalendar());
    Append(records, BuildStockRows(-1));
    records.push_back(BuildTurnState());
    for (const CEnterprise& c : m_doc.m_game.companies) Append(records, CNetCompanyRecords::BuildAll(c));
    for (const auto* table : {&m_doc.m_game.directors, &m_doc.m_game.governors})
        for (const CPersonData& p : *table)
            records.push_back(CNetPersonRecords::Build(p, CNetPersonRecords::eSTATE));
    AppendTexts(records, CNetMapRecords::BuildAll(m_doc.GetMap()));
    return records;
}

void CNetDocState::BuildJoinerRefresh(std::vector<CNetRecordBuilder>& toTarget,
                                      std::vector<CNetRecordBuilder>& toAll) const {
    const CMapDoc& map = m_doc.GetMap();
    for (int a = 0; a < map.GetAreaCount(); ++a)
        AppendTexts(toTarget, CNetMapRecords::BuildAreaRefresh(map, a));
    Append(toAll, BuildPersonStatus(0));
    Append(toAll, BuildPersonStatus(1));
    toTarget.push_back(BuildHeader(0));
    Append(toTarget, BuildStockRows(-1));
    AppendTexts(toAll, CNetMapRecords::BuildLeagues(map, -1));
}

std::vector<CNetRecordBuilder> CNetDocState::BuildNewCompany(int company) const {
    std::vector<CNetRecordBuilder> records;
    const CEnterprise* c = m_doc.GetEnterprise(company);
    if (!c) return records;
    records.push_back(BuildAddCompany());
    records.push_back(BuildHeader(0));
    Append(records, CNetCompanyRecords::BuildAll(*c));
    Append(records, BuildStockRows(-1));
    Append(records, BuildDirectorEmployment());
    for (const CPersonData& governor : m_doc.m_game.governors)
        records.push_back(CNetPersonRecords::Build(governor, CNetPersonRecords::eRELATIONS));
    if (const CPersonData* president = c->GetPresident())
        records.push_back(CNetPersonRecords::Build(*president, CNetPersonRecords::eSTATE));
    return records;
}

void CNetDocState::SendNewCompany(int company) const {
    CNetStateOut::Send(-1, BuildNewCompany(company));
}

void CNetDocState::SendAllGameData(int target) const {
    CNetStateOut::Send(target, BuildAllGameData());
}

namespace {

std::vector<std::string> TextsOf(const std::vector<CNetRecordBuilder>& records) {
    std::vector<std::string> texts;
    for (const CNetRecordBuilder& b : records) texts.push_back(b.Text());
    return texts;
}

// The records of now that differ from the same place of before; before
// becomes now.
void AppendChanged(std::vector<CNetRecordBuilder>& to, const std::vector<CNetRecordBuilder>& now,
                   std::vector<std::string>& before) {
    for (size_t i = 0; i < now.size(); ++i)
        if (i >= before.size() || before[i] != now[i].Text()) to.push_back(now[i]);
    before = TextsOf(now);
}

}  // namespace

std::vector<CNetRecordBuilder> CNetDocState::BuildMonthChanges(SMonthSent& sent) const {
    const size_t n = m_doc.m_game.companies.size();
    sent.history.resize(n);
    sent.plans.resize(n);
    std::vector<CNetRecordBuilder> records;
    for (size_t i = 0; i < n; ++i) {
        const CEnterprise& c = m_doc.m_game.companies[i];
        AppendChanged(records, CNetCompanyRecords::BuildHistory(c), sent.history[i]);
        if (c.IsHumanPlayed()) continue;
        // Plans go whole: their count resizes the client's list.
        const std::vector<CNetRecordBuilder> plans = CNetCompanyRecords::BuildPlans(c);
        if (sent.plans[i] != TextsOf(plans)) Append(records, plans);
        sent.plans[i] = TextsOf(plans);
    }
    return records;
}

void CNetDocState::SendMonthChanges(SMonthSent& sent) const {
    CNetStateOut::Send(-1, BuildMonthChanges(sent));
}

std::vector<CNetRecordBuilder> CNetDocState::BuildAllCompanyFigures() const {
    std::vector<CNetRecordBuilder> records;
    for (const CEnterprise& c : m_doc.m_game.companies)
        Append(records, CNetCompanyRecords::BuildAreaRecords(c, -1));
    return records;
}

void CNetDocState::SendAllCompanyFigures() const {
    CNetStateOut::Send(-1, BuildAllCompanyFigures());
}

// The records for the joiner and those for everyone keep their order within
// each kind; the joiner's areas go first, as the lobby shows them.
void CNetDocState::SendJoinerRefresh(int target) const {
    const CMapDoc& map = m_doc.GetMap();
    for (int a = 0; a < map.GetAreaCount(); ++a)
        CNetStateOut::SendTexts(target, CNetMapRecords::BuildAreaRefresh(map, a));
    CNetStateOut::Send(-1, BuildPersonStatus(0));
    CNetStateOut::Send(-1, BuildPersonStatus(1));
    CNetStateOut::Send(target, BuildHeader(0));
    CNetStateOut::Send(target, BuildStockRows(-1));
    CNetStateOut::SendTexts(-1, CNetMapRecords::BuildLeagues(map, -1));
}

// ---------------------------------------------------------------- receiving

bool CNetDocState::Refused(int group, int code, const CNetRecordReader& in) {
    if (m_log)
        m_log(FormatText("]Receive error:300 %02d/%03d refused at %s.", group, code,
                         in.FailedField().empty() ? "its contents" : in.FailedField().c_str()));
    return false;
}

bool CNetDocState::OnTransferRecord(const NetRecordBytes& record) {
    int recordClass = 0, group = 0, code = 0;
    CNetRecordReader in(record);
    if (!CNetRecordReader::ReadKind(record, recordClass, group, code) || recordClass != kClass) {
        in.Refuse("record kind");
        return Refused(group, code, in);
    }
    bool ok = false;
    switch (group) {
    case kDocGroup: ok = ApplyDoc(code, in); break;
    case CNetCompanyRecords::kGroup: ok = ApplyCompanyGroup(code, in); break;
    case kPersonGroup: ok = ApplyPersonGroup(code, in); break;
    case CNetMapRecords::kGroup:
        ok = CNetMapRecords::Apply(m_doc.GetMap(), code, in, m_doc.GetCellLimits());
        break;
    default: in.Refuse("group");
    }
    if (!ok) return Refused(group, code, in);
    m_doc.SetModified();
    return true;
}

bool CNetDocState::ApplyDoc(int code, CNetRecordReader& in) {
    CVDoc::SGame& g = m_doc.m_game;
    switch (code) {
    case eHEADER: return ApplyHeader(in);
    case eSTOCK_ROW: return ApplyStockRow(in);
    case eTURN_ORDER: return ApplyTurnOrder(in, false);
    case eTURN_STATE: return ApplyTurnOrder(in, true);
    case eLAND_VALUE: {
        int area = 0, rise = 0, amount = 0;
        ReadIn(in, 3, area, 0, m_doc.GetMap().GetAreaCount() - 1, "area");
        ReadIn(in, 1, rise, 0, 1, "rise flag");
        in.ReadInt(4, amount, "amount");
        if (!in.Ok()) return false;
        m_doc.ApplyLandValueChange(area, rise, amount);
        return true;
    }
    case eCALENDAR: {
        int year = 0, month = 0;
        ReadIn(in, 4, year, 0, g.playYears - 1, "year");
        ReadIn(in, 4, month, 0, 11, "month");
        if (!in.Ok()) return false;
        g.year = year;
        g.month = month;
        return true;
    }
    case eINTEREST: {
        int rate = 0;
        if (!ReadIn(in, 4, rate, CVDoc::kMinInterestRate, CVDoc::kMaxInterestRate, "interest rate"))
            return false;
        g.interestRate = rate;
        return true;
    }
    case eGOVERNOR_AMOUNTS: return ApplyGovernorAmounts(in);
    case eADD_COMPANY: return ApplyAddCompany() || in.Refuse("company count");
    default: return in.Refuse("code");
    }
}

// The person counts and the document flag must be this document's own: a
// record from a game of other data files is refused.
bool CNetDocState::ApplyHeader(CNetRecordReader& in) {
    CVDoc::SGame& g = m_doc.m_game;
    int load = 0, second = 0, years = 0, starting = 0, human = 0, recreate = 0, count = 0;
    int personFlag = 0, directors = 0, governors = 0, flag = 0, rate = 0;
    const int maxCompanies = std::min(m_doc.GetMap().GetMaxCompanyCount(), CMapDoc::kMaxCompanyLimit);
    ReadIn(in, 4, load, 0, INT32_MAX - 1, "load counter");
    in.ReadInt(10, second, "second document counter");
    ReadIn(in, 4, years, 1, INT32_MAX, "play years");
    ReadIn(in, 4, starting, 0, INT32_MAX, "player companies at start");
    ReadIn(in, 4, human, 0, INT32_MAX, "player companies");
    ReadIn(in, 1, recreate, 0, 1, "re-create flag");
    ReadIn(in, 4, count, human, maxCompanies, "company count");
    ReadIn(in, 1, personFlag, 0, 0, "person flag");
    ReadIn(in, 4, directors, m_doc.GetDirectorTableSize(), m_doc.GetDirectorTableSize(),
           "director count");
    ReadIn(in, 4, governors, m_doc.GetGovernorTableSize(), m_doc.GetGovernorTableSize(),
           "governor count");
    ReadIn(in, 1, flag, g.reservedWord, g.reservedWord, "document flag");
    ReadIn(in, 4, rate, 0, INT32_MAX, "interest rate");
    CMapDoc& map = m_doc.GetMap();
    int names = 0;
    ReadIn(in, 3, names, map.GetCompanyNameCount(), map.GetCompanyNameCount(), "name count");
    std::vector<int> users(static_cast<size_t>(in.Ok() ? names : 0));
    for (int& user : users) ReadIn(in, 3, user, -1, count - 1, "name user");
    // Without re-creating, the companies stay: the count must be theirs.
    if (in.Ok() && !recreate && count != m_doc.CompanyCount()) in.Refuse("company count");
    if (in.Ok() && g.year >= years) in.Refuse("play years");
    if (!in.Ok()) return false;
    g.loadCount = load;
    g.personChecksum = second;
    g.playYears = years;
    g.startingPlayers = starting;
    g.humanPlayers = human;
    g.interestRate = rate;
    for (int i = 0; i < names; ++i) map.SetCompanyNameUser(i, users[static_cast<size_t>(i)]);
    if (!recreate) return true;
    const int areas = m_doc.GetMap().GetAreaCount();
    g.companies.assign(static_cast<size_t>(count), CEnterprise());
    for (int i = 0; i < count; ++i) StartCompany(g.companies[static_cast<size_t>(i)], i, areas);
    // The stock rows and the turn state follow; until then the document
    // stays whole.
    g.stock.assign(static_cast<size_t>(count + 1) * static_cast<size_t>(count), 0);
    g.turnOrder.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) g.turnOrder[static_cast<size_t>(i)] = i;
    g.turnPosition = 0;
    return true;
}

bool CNetDocState::ApplyStockRow(CNetRecordReader& in) {
    const int n = m_doc.CompanyCount();
    int row = 0, m = 0;
    ReadIn(in, 4, row, 0, n - 1, "stock row");
    ReadIn(in, 3, m, n + 1, n + 1, "stock row size");
    std::vector<int> shares(static_cast<size_t>(in.Ok() ? n + 1 : 0));
    for (int& v : shares) ReadIn(in, 10, v, 0, INT32_MAX, "shares");
    if (!in.Ok()) return false;
    std::vector<int>& stock = m_doc.m_game.stock;
    const size_t size = static_cast<size_t>(n + 1) * static_cast<size_t>(n);
    if (stock.size() != size) stock.assign(size, 0);
    for (int j = -1; j < n; ++j) m_doc.SetStockHolding(row, j, shares[static_cast<size_t>(j + 1)]);
    return true;
}

// Every turn handler takes the entries as company indexes: the table must
// name every company exactly once.
bool CNetDocState::ReadPermutation(CNetRecordReader& in, int width, std::vector<int>& order) {
    const int n = m_doc.CompanyCount();
    std::vector<bool> seen(static_cast<size_t>(n), false);
    order.assign(static_cast<size_t>(n), 0);
    for (int& entry : order) {
        if (!ReadIn(in, width, entry, 0, n - 1, "turn-order entry")) return false;
        if (seen[static_cast<size_t>(entry)]) return in.Refuse("turn-order entry");
        seen[static_cast<size_t>(entry)] = true;
    }
    return true;
}

bool CNetDocState::ApplyTurnOrder(CNetRecordReader& in, bool withPosition) {
    const int n = m_doc.CompanyCount();
    int first = 0;
    if (withPosition)
        ReadIn(in, 3, first, 0, std::max(n - 1, 0), "turn position");
    else
        ReadIn(in, 3, first, n, n, "company count");
    std::vector<int> order;
    if (!in.Ok() || !ReadPermutation(in, 3, order)) return false;
    m_doc.m_game.turnOrder = std::move(order);
    m_doc.m_game.turnPosition = withPosition ? first : 0;
    return true;
}

bool CNetDocState::ApplyGovernorAmounts(CNetRecordReader& in) {
    const int areas = m_doc.GetMap().GetAreaCount();
    int count = 0;
    ReadIn(in, 3, count, 0, std::min(areas, in.Remaining() / 10), "area count");
    std::vector<int> amounts(static_cast<size_t>(in.Ok() ? count : 0));
    for (int& v : amounts) in.ReadInt(10, v, "amount");
    if (!in.Ok()) return false;
    for (int a = 0; a < count; ++a)
        if (CPersonData* governor = m_doc.GetAreaGovernor(a))
            governor->SetAmount(amounts[static_cast<size_t>(a)]);
    return true;
}

bool CNetDocState::ApplyAddCompany() {
    CVDoc::SGame& g = m_doc.m_game;
    const int n = m_doc.CompanyCount() + 1;
    if (n > std::min(m_doc.GetMap().GetMaxCompanyCount(), CMapDoc::kMaxCompanyLimit)) return false;
    CEnterprise added;
    StartCompany(added, n - 1, m_doc.GetMap().GetAreaCount());
    g.companies.push_back(std::move(added));
    g.stock.assign(static_cast<size_t>(n + 1) * static_cast<size_t>(n), 0);
    g.turnOrder.push_back(n - 1);
    // Every person gains a relation toward the new company, kept at 0 until
    // the host's values arrive.
    for (bool governors : {false, true}) {
        for (CPersonData& person : m_doc.Table(governors)) {
            std::vector<int> relations;
            for (int k = 0; k < person.GetRelationCount(); ++k) relations.push_back(person.GetRelation(k));
            person.ResetRelations(n);
            for (int k = 0; k < static_cast<int>(relations.size()) && k < n; ++k)
                person.SetRelation(k, relations[static_cast<size_t>(k)]);
        }
    }
    return true;
}

bool CNetDocState::ApplyCompanyGroup(int code, CNetRecordReader& in) {
    int number = 0;
    if (!ReadIn(in, 4, number, 0, m_doc.CompanyCount() - 1, "company number")) return false;
    CEnterprise& company = m_doc.m_game.companies[static_cast<size_t>(number)];
    CNetCompanyRecords::SContext context;
    context.areaCount = m_doc.GetMap().GetAreaCount();
    context.directors = &m_doc.m_game.directors;
    context.companyCount = m_doc.CompanyCount();
    context.number = number;
    // Applied to a copy first: the company takes the record only when its
    // indexes still point into this game's tables, as a saved game's must.
    CEnterprise copy(company);
    if (!CNetCompanyRecords::Apply(copy, code, in, context)) return false;
    const CMapDoc& map = m_doc.GetMap();
    CEnterpriseLimits limits;
    limits.personCount = m_doc.GetDirectorTableSize();
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        limits.teamCounts[static_cast<size_t>(l)] = map.GetLeague(l).GetTeamCount();
    limits.companyNameCount = map.GetCompanyNameCount();
    limits.companyCount = m_doc.CompanyCount();
    try {
        copy.Validate(limits);
    } catch (eMERCAVO_ERROR) {
        return in.Refuse("an index beyond this game's tables");
    }
    company = std::move(copy);
    return true;
}

bool CNetDocState::ApplyPersonGroup(int code, CNetRecordReader& in) {
    switch (code) {
    case eEMPLOYMENT: return ApplyEmployment(in);
    case eTASK_PROGRESS: return ApplyTaskProgress(in);
    case eALL_FUNDS: return ApplyAllFunds(in);
    case ePERSON_STATUS: return ApplyPersonStatus(in);
    default: break;
    }
    int table = 0, number = 0;
    in.ReadInt(1, table, "table flag");
    std::vector<CPersonData>& persons = m_doc.Table(table == 1);
    if (!ReadIn(in, 4, number, 0, static_cast<int>(persons.size()) - 1, "person number"))
        return false;
    CNetPersonRecords::SContext context;
    context.companyCount = m_doc.CompanyCount();
    context.areaCount = m_doc.GetMap().GetAreaCount();
    context.maxRelations = std::min(m_doc.GetMap().GetMaxCompanyCount(), CMapDoc::kMaxCompanyLimit);
    context.governor = table == 1;
    return CNetPersonRecords::Apply(persons[static_cast<size_t>(number)], code, in, context);
}

bool CNetDocState::ReadBlock(CNetRecordReader& in, int size, int rows, int& first, int& last) {
    ReadIn(in, 4, first, 0, size - 1, "first index");
    ReadIn(in, 4, last, first, std::min(size - 1, first + rows - 1), "last index");
    return in.Ok();
}

bool CNetDocState::ApplyEmployment(CNetRecordReader& in) {
    const int n = m_doc.CompanyCount();
    int first = 0, last = 0;
    if (!ReadBlock(in, m_doc.GetDirectorTableSize(), kEmploymentRows, first, last)) return false;
    struct SRow {
        int employer = 0, hire = 0;
        std::vector<int> relations;
    };
    std::vector<SRow> rows(static_cast<size_t>(last - first + 1));
    for (SRow& row : rows) {
        ReadIn(in, 3, row.employer, -n, n, "employer");
        in.ReadInt(5, row.hire, "hiring month");
        row.relations.resize(static_cast<size_t>(n));
        for (int& v : row.relations) in.ReadInt(4, v, "relation");
    }
    if (!in.Ok()) return false;
    for (int i = first; i <= last; ++i) {
        const SRow& row = rows[static_cast<size_t>(i - first)];
        CPersonData& p = m_doc.m_game.directors[static_cast<size_t>(i)];
        p.SetEmployer(row.employer);
        p.SetHireMonth(row.hire);
        for (int c = 0; c < n; ++c) p.SetRelation(c, row.relations[static_cast<size_t>(c)]);
    }
    return true;
}

bool CNetDocState::ApplyTaskProgress(CNetRecordReader& in) {
    const int persons = m_doc.GetDirectorTableSize();
    int count = 0;
    ReadIn(in, 4, count, 0, std::min(kTaskRows, in.Remaining() / 4), "index count");
    std::vector<int> indices(static_cast<size_t>(in.Ok() ? count : 0));
    for (int& index : indices) {
        if (!ReadIn(in, 4, index, 0, persons - 1, "director index")) break;
        if (m_doc.m_game.directors[static_cast<size_t>(index)].GetEmployerNo() <= 0)
            in.Refuse("director index");
    }
    if (!in.Ok()) return false;
    for (int index : indices) {
        CPersonData& p = m_doc.m_game.directors[static_cast<size_t>(index)];
        p.SetTaskProgress(p.GetTaskProgress() + 1);
    }
    return true;
}

bool CNetDocState::ApplyAllFunds(CNetRecordReader& in) {
    int first = 0, last = 0;
    if (!ReadBlock(in, m_doc.CompanyCount(), kFundsRows, first, last)) return false;
    std::vector<std::pair<int, int>> rows(static_cast<size_t>(last - first + 1));
    for (auto& row : rows) {
        ReadIn(in, 10, row.first, 0, INT32_MAX, "funds");
        ReadIn(in, 10, row.second, 0, INT32_MAX, "debt");
    }
    if (!in.Ok()) return false;
    for (int i = first; i <= last; ++i) {
        CEnterprise& c = m_doc.m_game.companies[static_cast<size_t>(i)];
        c.SetFunds(rows[static_cast<size_t>(i - first)].first);
        c.SetDebt(rows[static_cast<size_t>(i - first)].second);
    }
    return true;
}

bool CNetDocState::ApplyPersonStatus(CNetRecordReader& in) {
    int table = 0, first = 0, last = 0;
    ReadIn(in, 1, table, 0, 1, "table flag");
    std::vector<CPersonData>& persons = m_doc.Table(table == 1);
    if (!in.Ok() || !ReadBlock(in, static_cast<int>(persons.size()), kStatusRows, first, last))
        return false;
    const int n = m_doc.CompanyCount();
    const int low = table == 1 ? 0 : -n;
    const int high = table == 1 ? m_doc.GetMap().GetAreaCount() : n;
    struct SRow {
        int employer = 0, president = 0, election = 0;
    };
    std::vector<SRow> rows(static_cast<size_t>(last - first + 1));
    for (SRow& row : rows) {
        ReadIn(in, 3, row.employer, low, high, "employer");
        ReadIn(in, 1, row.president, 0, 1, "president flag");
        in.ReadInt(5, row.election, "election month");
    }
    if (!in.Ok()) return false;
    for (int i = first; i <= last; ++i) {
        const SRow& row = rows[static_cast<size_t>(i - first)];
        CPersonData& p = persons[static_cast<size_t>(i)];
        // The hiring month stays the host's: only a change of employer
        // stamps it.
        if (p.GetEmployerNo() != row.employer) p.SetEmployer(row.employer);
        p.SetPresidentFlag(row.president);
        p.SetElectionMonth(row.election);
    }
    return true;
}

// ---------------------------------------------------------------- broken buildings

void CNetDocState::SendBuildingBroke(int area, const std::vector<CCellPoint>& cells) {
    CMapDoc& map = m_doc.GetMap();
    if (area < 0 || area >= map.GetAreaCount()) return;
    CNetStateOut::Send(-1, CNetMapRecords::BuildBroke(area, cells));
    const CMapData& record = map.GetArea(area);
    std::set<int> owners;
    for (const CCellPoint& cell : cells)
        if (record.IsInGrid(cell.x, cell.y)) owners.insert(record.GetCellOwner(cell.x, cell.y));
    std::vector<CCellPoint> changed = ShowBuildingBroke(area, cells);
    changed.insert(changed.end(), cells.begin(), cells.end());
    std::erase_if(changed, [&](const CCellPoint& c) { return !record.IsInGrid(c.x, c.y); });
    CNetStateOut::SendTexts(-1, record.BuildCellValues(area, "1111111111", changed));
    for (int owner : owners)
        if (const CEnterprise* company = m_doc.GetEnterprise(owner - 1))
            CNetStateOut::Send(-1, CNetCompanyRecords::BuildAreaRecords(*company, area));
}

bool CNetDocState::OnBuildingBrokeRecord(const NetRecordBytes& record) {
    int recordClass = 0, group = 0, code = 0;
    CNetRecordReader in(record);
    CVDoc::SGame::SBrokeReceipt& receipt = m_doc.m_game.brokeReceipt;
    CNetRecordReader::ReadKind(record, recordClass, group, code);
    auto refused = [&] {
        if (m_log)
            m_log(FormatText("]Receive error:400 %02d/%03d refused at %s.", group, code,
                             in.FailedField().c_str()));
        return false;
    };
    if (recordClass != CNetMapRecords::kActionClass || group != CNetMapRecords::kActionGroup) {
        in.Refuse("record kind");
        return refused();
    }
    const CMapDoc& map = m_doc.GetMap();
    if (code == CNetMapRecords::kCodeBroke) {
        int area = 0, count = 0;
        ReadIn(in, 4, area, 0, map.GetAreaCount() - 1, "area");
        ReadIn(in, 4, count, 0, INT32_MAX, "cell count");
        if (!in.Ok()) return refused();
        receipt.area = area;
        receipt.count = count;
        receipt.cells.clear();
        if (count == 0) ShowBuildingBroke(area, {});
        return true;
    }
    if (code != CNetMapRecords::kCodeBrokeCells) {
        in.Refuse("code");
        return refused();
    }
    const int received = static_cast<int>(receipt.cells.size());
    int first = 0, end = 0;
    // Blocks come in order, each behind the cells received so far.
    if (receipt.area < 0) in.Refuse("report head");
    ReadIn(in, 4, first, received, received, "first cell");
    ReadIn(in, 4, end, first, std::min(receipt.count, first + CNetMapRecords::kBrokeCellsPerRecord),
           "end cell");
    std::vector<CCellPoint> cells;
    for (int i = first; i < end && in.Ok(); ++i) {
        int x = 0, y = 0;
        in.ReadInt(4, x, "x");
        in.ReadInt(4, y, "y");
        if (in.Ok() && !map.GetArea(receipt.area).IsInGrid(x, y)) in.Refuse("cell");
        cells.push_back({x, y});
    }
    if (!in.Ok() || first == end) {
        in.Refuse("cells");
        return refused();
    }
    receipt.cells.insert(receipt.cells.end(), cells.begin(), cells.end());
    if (static_cast<int>(receipt.cells.size()) == receipt.count) {
        const int area = receipt.area;
        std::vector<CCellPoint> all = std::move(receipt.cells);
        receipt = CVDoc::SGame::SBrokeReceipt();
        ShowBuildingBroke(area, all);
    }
    return true;
}

// Every program shows the report the same way: the cells blink, the log
// says so, the owners note the loss, the structures go and the cells they
// covered blink.
std::vector<CCellPoint> CNetDocState::ShowBuildingBroke(int area,
                                                        const std::vector<CCellPoint>& cells) {
    CMapDoc& map = m_doc.GetMap();
    if (area < 0 || area >= map.GetAreaCount()) return {};
    CMapData& record = map.GetArea(area);
    IFrameService& frame = Services::Frame();
    m_doc.SelectArea(area);
    frame.ShowCellChanges(cells, -6);
    frame.AddInfoMessage(FormatText("The building broke in %s.", record.GetName().c_str()));
    std::vector<CCellPoint> covered;
    std::map<int, CCellPoint> anchors;
    for (const CCellPoint& cell : cells) {
        if (!record.IsInGrid(cell.x, cell.y)) continue;
        CCellPoint anchor, top;
        if (map.GetStructureExtent(area, cell.x, cell.y, anchor, top))
            for (int y = top.y; y <= anchor.y; ++y)
                for (int x = top.x; x <= anchor.x; ++x) covered.push_back({x, y});
        if (map.IsAnchorCell(area, cell.x, cell.y) && record.GetCellOwner(cell.x, cell.y) > 0)
            anchors[cell.y * record.GetWidth() + cell.x] = cell;
    }
    // The owners' disaster entries (cause 2, worn out) and the demolition.
    m_doc.RemoveLostStructures(area, anchors, 2);
    for (const CCellPoint& cell : cells) {
        if (!record.IsInGrid(cell.x, cell.y)) continue;
        if (!anchors.count(cell.y * record.GetWidth() + cell.x)) map.DemolishAt(area, cell.x, cell.y);
        frame.DrawMapCell(cell.x, cell.y);
    }
    frame.ShowCellChanges(covered, -6);
    return covered;
}
