#include "judge/ArboDocService.h"

#include "judge/ArboDoc.h"
#include "model/BD.h"
#include "model/MapData.h"

namespace judge {

namespace {
// The area when the cell lies in it; nullptr otherwise.
const CMapData* AreaOf(CArboDoc& doc, int area, int x, int y) {
    if (area < 0 || area >= doc.GetMap().GetAreaCount()) return nullptr;
    const CMapData& data = doc.GetMap().Map().GetArea(area);
    if (x < 0 || y < 0 || x >= data.GetWidth() || y >= data.GetHeight()) return nullptr;
    return &data;
}
}  // namespace

int CArboDocService::GetWaitTime() {
    return m_doc.GetWaitTime();
}

int CArboDocService::GetCurrentMonthIndex() {
    return m_doc.GetMonthIndex();
}

int CArboDocService::GetCompanyCount() {
    return m_doc.GetCompanyCount();
}

int CArboDocService::GetAnnualIncome(int company) {
    const judge::CEnterprise* j = m_doc.GetCompany(company);
    const ::CEnterprise* c = j ? &j->Record() : nullptr;
    return c ? c->GetAnnualIncome() : 0;
}

int CArboDocService::GetFunds(int company) {
    const judge::CEnterprise* j = m_doc.GetCompany(company);
    const ::CEnterprise* c = j ? &j->Record() : nullptr;
    return c ? c->GetFunds() : 0;
}

int CArboDocService::GetDirectorCount(int company) {
    const judge::CEnterprise* j = m_doc.GetCompany(company);
    const ::CEnterprise* c = j ? &j->Record() : nullptr;
    return c ? c->GetDirectorCount() : 0;
}

int CArboDocService::GetTotalAreaGrade(int company) {
    const judge::CEnterprise* j = m_doc.GetCompany(company);
    const ::CEnterprise* c = j ? &j->Record() : nullptr;
    return c ? c->GetAreaGrade(-1) : 0;
}

bool CArboDocService::IsHumanPlayed(int company) {
    const judge::CEnterprise* c = m_doc.GetCompany(company);
    return c && c->IsActive();
}

int CArboDocService::GetStockPrice(int company) {
    const judge::CEnterprise* j = m_doc.GetCompany(company);
    const ::CEnterprise* c = j ? &j->Record() : nullptr;
    return c ? c->GetYearEndStockPrice() : 0;
}

int CArboDocService::GetStockHolding(int company, int holder) {
    return m_doc.GetStockHolding(company, holder);
}

::CPersonData* CArboDocService::GetDirector(int index) {
    judge::CPersonData* p = m_doc.GetPerson(index);
    return p ? &p->Record() : nullptr;
}

void CArboDocService::AddDirector(int, int) {}

void CArboDocService::RemoveDirector(int, int) {}

void CArboDocService::DropDirectorPlan(int, int) {}

int CArboDocService::GetCellOwner(int area, int x, int y) {
    const CMapData* a = AreaOf(m_doc, area, x, y);
    return a ? a->GetCellOwner(x, y) : 0;
}

int CArboDocService::GetCellStructure(int area, int x, int y) {
    const CMapData* a = AreaOf(m_doc, area, x, y);
    return a ? a->GetStructureAt(x, y, 1) : 0;
}

bool CArboDocService::IsProjectCell(int area, int x, int y) {
    const CMapData* a = AreaOf(m_doc, area, x, y);
    return a && a->IsProjectCell(x, y);
}

int CArboDocService::GetStructureTypeCode(int type) {
    const CBD* bd = m_doc.GetMap().Map().GetStructureType(type);
    return bd ? bd->GetTypeCode() : 0;
}

const CBD* CArboDocService::GetLandType(int index) {
    return m_doc.GetMap().Map().GetLandTypeEntry(index);
}

const CBD* CArboDocService::GetStructureType(int index) {
    return m_doc.GetMap().Map().GetStructureType(index);
}

CBitmap* CArboDocService::GetFaceStrip(int strip) {
    return m_doc.GetFaceStrip(strip);
}

int CArboDocService::FindLotForDirector(const ::CPersonData&, int, SLotFound&) {
    return 0;
}

bool CArboDocService::CheckReinforcementTask(::CPersonData&) {
    return false;
}

void CArboDocService::ReportPurchaseFailure(int, int, int, int, int, int) {}

void CArboDocService::ReportResignation(int, int) {}

void CArboDocService::ReportHeadhuntFailed(int, int) {}

void CArboDocService::ReportHeadhuntSucceeded(int, int, int) {}

void CArboDocService::ReportHeadhuntLoss(int, int, int) {}

void CArboDocService::ReportHeadhuntNotice(int, int) {}

bool CArboDocService::IsNetworkHost() {
    return false;
}

void CArboDocService::SendPersonState(const ::CPersonData&, ePERSON_STATE) {}

void CArboDocService::SendDirectorList(int) {}

void CArboDocService::SendRefreshInfo() {}

int CArboDocService::GetPlayState() {
    return m_doc.GetHumanPlayers();
}

::CPersonData* CArboDocService::GetPlayerPerson() {
    return nullptr;
}

::CEnterprise* CArboDocService::GetCompany(int index) {
    judge::CEnterprise* c = m_doc.GetCompany(index);
    return c ? &c->Record() : nullptr;
}

bool CArboDocService::GetAreaSize(int area, int& width, int& height) {
    if (area < 0 || area >= m_doc.GetMap().GetAreaCount()) return false;
    width = m_doc.GetMap().Map().GetArea(area).GetWidth();
    height = m_doc.GetMap().Map().GetArea(area).GetHeight();
    return true;
}

bool CArboDocService::CanManageMoreAreas(int) {
    return false;
}

int CArboDocService::RateAreaForCompany(int, int) {
    return 0;
}

int CArboDocService::GetPersonCount() {
    return m_doc.GetPersonCount();
}

::CPersonData* CArboDocService::GetGovernor(int index) {
    judge::CPersonData* p = m_doc.GetGovernor(index);
    return p ? &p->Record() : nullptr;
}

int CArboDocService::GetGameYears() {
    return m_doc.GetPlayYears();
}

std::string CArboDocService::GetAreaName(int area) {
    return area < 0 ? "" : m_doc.GetAreaName(area);
}

const CLeague* CArboDocService::GetLeague(int league) {
    if (league < 0 || league >= ::CMapDoc::kLeagueCount) return nullptr;
    return &m_doc.GetMap().Map().GetLeague(league);
}

void CArboDocService::SetModified() {}

int CArboDocService::GetInitialCompanyCount() {
    return m_doc.GetMap().Map().GetInitialCompanyCount();
}

int CArboDocService::GetMaxCompanyCount() {
    return m_doc.GetMap().Map().GetMaxCompanyCount();
}

bool CArboDocService::IsCellUsable(int, int, int) {
    return false;
}

int CArboDocService::GetLotPrice(int area, int x, int y, int landOnly) {
    if (!AreaOf(m_doc, area, x, y)) return -1;
    return m_doc.GetMap().GetLotPrice(area, x, y, landOnly);
}

int CArboDocService::RunAuction(int, int, int, int) {
    return 0;
}

void CArboDocService::ShowPaymentNotice(int, int, int) {}

void CArboDocService::AnnounceForcedSale(int) {}

void CArboDocService::DropEnterprise(int) {}

void CArboDocService::IssueRepayLoan(int, int, int, int) {}

void CArboDocService::SendProcessedFlag(int, int) {}

int CArboDocService::ShareholderPressureRoll(int, int) {
    return 0;
}

bool CArboDocService::IsNetworkGame() {
    return false;
}

bool CArboDocService::IsLocallyPlayed(int) {
    return true;
}

bool CArboDocService::IsRemotePlayerAway(int) {
    return false;
}

void CArboDocService::StorePlayerCmdSet(const CCmdSet&) {}

void CArboDocService::SendCmdSet(const CCmdSet&, int) {}

void CArboDocService::ReportContractProblem(int, int, int, int, int, int, int) {}

int CArboDocService::AskAcceptContract(int, int, int, int, int, int, int, int) {
    return 0;
}

int CArboDocService::AskDirectorChoice(int, int) {
    return -1;
}

void CArboDocService::BuildAdvice(int) {}

::CMapDoc* CArboDocService::GetMapDoc() {
    return &m_doc.GetMap().Map();
}

::CEnterprise* CArboDocService::GetOwnCompany() {
    return nullptr;
}

int CArboDocService::CalcLotValue(int, int, int, int, double&, double&, int) {
    return 0;
}

void CArboDocService::SendCompanyState(int, eCOMPANY_STATE) {}

void CArboDocService::SendAreaOwners(int) {}

void CArboDocService::RouteContractorBankrupt(int, int, int, int, int) {}

int CArboDocService::AskNewHomeField(int, int) {
    return 0;
}

void CArboDocService::ChooseHomeField(int, int) {}

void CArboDocService::ReportTeamLostStadium(int, int) {}

void CArboDocService::IssueTeamSale(int, int) {}

void CArboDocService::ChooseCompanyColour(int) {}

void CArboDocService::ChooseStartArea(int) {}

void CArboDocService::SetStockHolding(int, int, int) {}

}  // namespace judge
