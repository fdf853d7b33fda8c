#pragma once
// The judgment document's answers to the records: what they read while the
// judged game loads and while it is scored (the calendar at the game's end,
// the companies, persons, cells, types and leagues). Everything the game
// does with the records during play (reports, network sends, director
// moves, questions) does nothing here.

#include "model/services/DocService.h"

namespace judge {

class CArboDoc;

class CArboDocService : public IDocService {
public:
    explicit CArboDocService(CArboDoc& doc) : m_doc(doc) {}

    int GetWaitTime() override;
    int GetCurrentMonthIndex() override;
    int GetCompanyCount() override;
    int GetAnnualIncome(int company) override;
    int GetFunds(int company) override;
    int GetDirectorCount(int company) override;
    int GetTotalAreaGrade(int company) override;
    bool IsHumanPlayed(int company) override;
    int GetStockPrice(int company) override;
    int GetStockHolding(int company, int holder) override;
    ::CPersonData* GetDirector(int index) override;
    void AddDirector(int company, int person) override;
    void RemoveDirector(int company, int person) override;
    void DropDirectorPlan(int company, int person) override;
    int GetCellOwner(int area, int x, int y) override;
    int GetCellStructure(int area, int x, int y) override;
    bool IsProjectCell(int area, int x, int y) override;
    int GetStructureTypeCode(int type) override;
    const CBD* GetLandType(int index) override;
    const CBD* GetStructureType(int index) override;
    CBitmap* GetFaceStrip(int strip) override;
    int FindLotForDirector(const ::CPersonData& director, int priceLimit,
                           SLotFound& found) override;
    bool CheckReinforcementTask(::CPersonData& director) override;
    void ReportPurchaseFailure(int company, int person, int area, int x, int y,
                               int reason) override;
    void ReportResignation(int company, int person) override;
    void ReportHeadhuntFailed(int company, int hunter) override;
    void ReportHeadhuntSucceeded(int company, int hunter, int target) override;
    void ReportHeadhuntLoss(int company, int target, int hunterCompany) override;
    void ReportHeadhuntNotice(int hunter, int target) override;
    bool IsNetworkHost() override;
    void SendPersonState(const ::CPersonData& person, ePERSON_STATE what) override;
    void SendDirectorList(int company) override;
    void SendRefreshInfo() override;
    int GetPlayState() override;
    ::CPersonData* GetPlayerPerson() override;
    ::CEnterprise* GetCompany(int index) override;
    bool GetAreaSize(int area, int& width, int& height) override;
    bool CanManageMoreAreas(int company) override;
    int RateAreaForCompany(int area, int company) override;
    int GetPersonCount() override;
    ::CPersonData* GetGovernor(int index) override;
    int GetGameYears() override;
    std::string GetAreaName(int area) override;
    const CLeague* GetLeague(int league) override;
    void SetModified() override;
    int GetInitialCompanyCount() override;
    int GetMaxCompanyCount() override;
    bool IsCellUsable(int area, int x, int y) override;
    int GetLotPrice(int area, int x, int y, int landOnly) override;
    int RunAuction(int area, int x, int y, int minimum) override;
    void ShowPaymentNotice(int company, int amount, int flag) override;
    void AnnounceForcedSale(int company) override;
    void DropEnterprise(int company) override;
    void IssueRepayLoan(int company, int amount, int send, int local) override;
    void SendProcessedFlag(int company, int flag) override;
    int ShareholderPressureRoll(int company, int holder) override;
    bool IsNetworkGame() override;
    bool IsLocallyPlayed(int company) override;
    bool IsRemotePlayerAway(int company) override;
    void StorePlayerCmdSet(const CCmdSet& order) override;
    void SendCmdSet(const CCmdSet& order, int company) override;
    void ReportContractProblem(int company, int area, int x, int y, int offering, int structureType,
                               int reason) override;
    int AskAcceptContract(int company, int area, int x, int y, int offering, int structureType,
                          int price, int takeover) override;
    int AskDirectorChoice(int company, int orderKind) override;
    void BuildAdvice(int company) override;
    ::CMapDoc* GetMapDoc() override;
    ::CEnterprise* GetOwnCompany() override;
    int CalcLotValue(int area, int x, int y, int month, double& income, double& expense,
                     int withSalary) override;
    void SendCompanyState(int company, eCOMPANY_STATE what) override;
    void SendAreaOwners(int area) override;
    void RouteContractorBankrupt(int area, int x, int y, int param, int contractor) override;
    int AskNewHomeField(int company, int league) override;
    void ChooseHomeField(int company, int league) override;
    void ReportTeamLostStadium(int company, int league) override;
    void IssueTeamSale(int company, int league) override;
    void ChooseCompanyColour(int company) override;
    void ChooseStartArea(int company) override;
    void SetStockHolding(int company, int holder, int value) override;

private:
    CArboDoc& m_doc;
};

}  // namespace judge
