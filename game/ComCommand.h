#pragma once
// The computer player: runs a company that no person plays, and answers the
// single decisions other rules ask of a company (what to bid in a tender,
// what an offered lot is worth, whether to take on more areas, a new home
// field) and the adviser's counsel of any company.
//
// One object is made for one company and one job and thrown away after it.
// Its context (document, company, president) belongs to the object: an order
// given during a job may wait and pump messages, and a second object made
// meanwhile for another company keeps its own context.
//
// Every action goes through the document's order service, as a person's
// orders do. The topic files: ComCommand.cpp (context and single decisions),
// ComCommandTurn.cpp (the monthly turn), ComCommandPlanners.cpp (the
// planners), ComCommandSites.cpp (site and structure ratings),
// ComCommandAdvice.cpp (the advice list).

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/CellPoint.h"
#include "game/SiteGains.h"
#include "game/SiteLotValues.h"
#include "game/VDoc.h"
#include "model/CmdPacket.h"

class CAdvicePacket;
class CBD;
class CEnterprise;
class CMapTrial;
class CPersonData;

class CComCommand {
public:
    // company -1: the company whose turn it is. Without such a company or
    // without its president the object is not usable (IsUsable) and every
    // job does nothing.
    CComCommand(CVDoc& doc, int company);
    CComCommand(const CComCommand&) = delete;
    CComCommand& operator=(const CComCommand&) = delete;

    bool IsUsable() const { return m_company && m_president; }
    int GetCompanyIndex() const { return m_companyIndex; }

    // ---- the monthly turn (ComCommandTurn.cpp)
    void RunMonth();
    // One pass of the plan-and-execute loop: 1 when a step was carried out.
    int PlanAndExecute();
    int HasRunnablePlan();
    int ExecuteNextStep();
    // 1 when a plan was removed.
    int DropInfeasiblePlans();
    void SellStock();
    void RepayLoan();
    void ReviewHomeFields();
    void ChooseHomeField(int league);
    void AdjustAdvertisingCost();
    void AdjustStandardSalary();
    void AdjustDirectorSalaries();

    // ---- single decisions (ComCommand.cpp)
    // The company whose stock to sell and the quantity; the score, 0 for no
    // sale.
    int DecideStockSale(int& stockCompany, int& quantity);
    // The amount to repay now; 0 for none.
    int DecideLoanRepayment();
    // The company that builds for this one in the area; -1 for none, with
    // its score.
    int ChooseContractor(int area, int structureType, int price, int& score);
    // The company's price for a construction contract; 0 for no bid.
    int BidForContract(int area, CCellPoint cell, int structureType, int ceiling);
    // What the company pays for the lot (at least the asked price), or 0.
    int ValueLotOffer(int area, CCellPoint cell, int askedPrice);
    // flag 1: one more area; 0: one more presence level.
    bool CanManageMoreAreas(int flag);

    // ---- planners (ComCommandPlanners.cpp); real: 1 for the company's turn,
    // 0 for advice
    bool PlanNext(CCmdPacket& plan);
    double PlanConstruction(CCmdPacket& plan, int real);
    double PlanInvestment(CCmdPacket& plan, int kind, int real);
    int PlanLandAcquisition(CCmdPacket& plan, int real);
    int PlanAdvertising(CCmdPacket& plan, int real);
    double PlanBankLoan(CCmdPacket& plan, int real);
    double PlanRecruitEmployees(CCmdPacket& plan, int real);
    double PlanRecruitManagement(CCmdPacket& plan, int real);
    double PlanHeadhunting(CCmdPacket& plan, int real, int extra);
    double PlanExpansion(CCmdPacket& plan, int real);
    double PlanStockPurchase(CCmdPacket& plan, int real);
    int PlanProTeamPurchase(CCmdPacket& plan, int real);
    int PlanTeamSupport(CCmdPacket& plan, int real);
    double PlanRepairs(CCmdPacket& plan, int real);

    // ---- sites (ComCommandSites.cpp)
    bool IsBuildableSite(int area, int x, int y) const;
    std::vector<CCellPoint> CollectFreeSites(int area) const;
    double EstimateLotIncome(int area, CCellPoint cell, int asOwner);
    // Revenue minus cost of the owned lots with a structure within 5 cells,
    // per company.
    std::vector<double> SumNearbyIncome(int area, CCellPoint cell);
    // The owned lots with a structure within 5 cells of the cell.
    std::vector<CVDoc::SOwnedLot> NearbyLots(int area, CCellPoint cell);
    // What a trial laid on the map changed of each company's income near
    // the site, against the lots listed before it; the lots' values are
    // chosen and kept by the site's values (begun for the trial).
    std::vector<double> NearbyIncomeChange(int area, CCellPoint site,
                                           const std::vector<CVDoc::SOwnedLot>& before,
                                           CSiteLotValues& values);
    // The best rating of the area's sites with its cell and type; 0 when
    // some candidate is unfit.
    double RateAreaSites(int area, const std::vector<CCellPoint>& own, CCellPoint& site,
                         int& type);
    // false when the purchase is unfit.
    bool RateBuildingPurchase(int area, CCellPoint cell, double& rating);
    // false when no type fits the site; office: 1 for a head or branch
    // office only.
    bool ChooseStructureForSite(int area, CCellPoint site, int office, int& type,
                                double& rating);
    bool ChooseOfficeSite(int area, CCellPoint& site, int& type);
    // Whether a construction pass keeps the gains it works out for its
    // later tries (the default); without, every trial is worked out in full,
    // which must choose the same.
    void KeepSiteGains(bool keep) { m_keepSiteGains = keep; }

    // ---- advice (ComCommandAdvice.cpp)
    void BuildAdvice();
    int ScoreAdvice(int kind, CAdvicePacket& record, int threshold);
    int ScoreLoanRepayment();
    int RateAdvertisingBudget(int& change);
    int RateEmployeeSalary(int& change);
    int RateDirectorSalary(int& person, int& change);

    // The advice slots: each kind's score in kind order; the kinds taken, best
    // first, at most slots of them, each scoring at least threshold. Equal
    // scores keep the earlier kind ahead.
    static std::vector<int> FillAdviceSlots(const std::vector<int>& scores, int slots,
                                            int threshold);

    // The president's ability without the relation factor.
    int Ability(int i) const;

private:
    int FundsLessPlans(int doneOnly) const;
    // IsBuildableSite worked out.
    bool CheckBuildableSite(int area, int x, int y) const;
    // The companies in turn order (index order before one is drawn).
    std::vector<int> TurnOrder() const;
    // The lot's land price, the structure's base price and its price step
    // times the company's income allowance.
    int64_t EstimateLotWorth(int area, CCellPoint cell) const;
    // The first choice: a step of a plan with a free director to carry it.
    bool ChooseDirectorStep(int& plan, int& step, int& director);
    // The second choice: a step that needs no director; contractor -1 for
    // the acquire-team step.
    bool ChooseUndirectedStep(int& plan, int& step, int& contractor, int& price);
    // Issues the step's order; false when its whole plan is to go.
    bool IssueStep(CCmdPacket& plan, int step, int director);
    int ConstructionBestTime(int work) const;
    // The number of the company's areas at presence level 3 or more.
    int CountStrongAreas() const;
    // Draws areas until one has presence level 1 (flag 0) or 3 (flag 1).
    int PickRandomArea(int flag) const;
    double RateInvestmentTry(int kind, int area, int budget, int planned);
    int RatePlacementOwner(int owner) const;
    // In real mode a planner needs a director without a task.
    bool NoFreeDirector(int real) const;
    // Lays the company's pending constructions in the area on the map for a
    // trial; false when one cannot be laid. The trial takes them back.
    bool ApplyPlannedConstructions(int area, CMapTrial& trial);
    // What every structure type tried at one site shares, worked out once
    // for the site.
    struct SSiteTrial {
        // The lots near the site before any trial and the site's lot values,
        // looked up by the first trial that lays a structure there.
        std::vector<CVDoc::SOwnedLot> before;
        std::optional<CSiteLotValues> values;
        // Each company's weight in the gain.
        std::vector<double> weights;
        // trunc(annual income^0.77) and the income allowance of the cost.
        int64_t incomeCost = 0, allowance = 0;
        // The divisor of the gain's spread.
        int spread = 1;
        // The site's gains kept by the construction pass, else null.
        std::vector<CSiteGains::SGain>* gains = nullptr;
    };
    // Whether the type's footprint may stand at the site, with its cost;
    // asks the owners of other companies' cells in turn.
    bool FootprintFits(int area, CCellPoint site, const CBD& type, const SSiteTrial& shared,
                       int64_t& cost);
    // Lays the pending constructions and the type at the site, takes the
    // gain and takes them off again; false when the pending constructions
    // cannot be laid.
    bool LayTrial(int area, CCellPoint site, int typeIndex, const CBD& type, SSiteTrial& shared,
                  double& gain);
    // A lot's income less its expense as the map stands.
    double LotValue(int area, CCellPoint cell);
    // The value of a lot of the placed structure (number) that the pass
    // keeps; see CSiteGains.
    double PlacedLotValue(CSiteGains& pass, int area, CCellPoint cell, int number);
    // LayTrial's result, kept for the pass when one keeps the site gains.
    bool TrialGain(int area, CCellPoint site, int typeIndex, const CBD& type,
                   SSiteTrial& shared, double& gain);
    // The rating of structure type t at the site (fits false: the type
    // cannot stand there); the map is left as it was.
    double RateTypeAtSite(int area, CCellPoint site, int typeIndex, const CBD& type,
                          SSiteTrial& shared, bool& fits);

    CVDoc& m_doc;
    int m_companyIndex = -1;
    CEnterprise* m_company = nullptr;
    CPersonData* m_president = nullptr;
    // The lots a trial changed, kept between trials so that their room is
    // not made again for every one.
    std::vector<CVDoc::SOwnedLot> m_afterLots;
    std::vector<CSiteLotValues::SLot> m_trialLots;
    // The gains of the running construction pass, else null.
    CSiteGains* m_siteGains = nullptr;
    bool m_keepSiteGains = true;
};
