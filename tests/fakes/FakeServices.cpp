#include "fakes/FakeServices.h"

#include "model/MapDoc.h"
#include "model/PersonData.h"

void CFakeFrameService::SetPumping(int flag) {
    calls.push_back("SetPumping(" + std::to_string(flag) + ")");
}

bool CFakeFrameService::PromptSaveName(std::string& name) {
    calls.push_back("PromptSaveName(" + name + ")");
    if (promptedName.empty()) return false;
    name = promptedName;
    return true;
}

int CFakeFrameService::CheckCloseRequest() {
    calls.push_back("CheckCloseRequest");
    if (!closeRequested) return 0;
    closeRequested = false;
    return 1;
}

bool CFakeFrameService::PumpOneMessage(int) {
    ++pumpCount;
    if (pendingMessages.empty()) return false;
    auto message = std::move(pendingMessages.front());
    pendingMessages.pop_front();
    message();
    return true;
}

bool CFakeFrameService::WasKeyPressed(int key) {
    return m_pressed.erase(key) > 0;
}

int CFakeFrameService::ShowMessageBox(const std::string& text, unsigned style) {
    calls.push_back("ShowMessageBox(" + std::to_string(style) + ")");
    messages.push_back(text);
    return messageBoxAnswer;
}

void CFakeFrameService::Beep() {
    calls.push_back("Beep");
    ++beepCount;
}

namespace {
std::string Args(std::initializer_list<int> values) {
    std::string text;
    for (int v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
    return "(" + text + ")";
}
}  // namespace

void CFakeDialogService::ShowInterest(int rate, const std::vector<int>& debts, int autoCloseMs) {
    std::string text = "ShowInterest(" + std::to_string(rate) + "," + std::to_string(autoCloseMs);
    for (int debt : debts) text += "," + std::to_string(debt);
    calls.push_back(text + ")");
}

CFakeDocService::SCompany CFakeDocService::Company(int company) const {
    if (company < 0 || company >= static_cast<int>(companies.size())) return {};
    return companies[static_cast<size_t>(company)];
}

CFakeDocService::SCell CFakeDocService::Cell(int area, int x, int y) const {
    auto found = cells.find({area, x, y});
    return found == cells.end() ? SCell{} : found->second;
}

int CFakeDocService::GetStockHolding(int company, int holder) {
    if (company < 0 || company >= static_cast<int>(stock.size())) return 0;
    const std::vector<int>& row = stock[static_cast<size_t>(company)];
    if (holder <= -2) {
        int sum = 0;
        for (size_t i = 1; i < row.size(); ++i) sum += row[i];
        return sum;
    }
    size_t column = static_cast<size_t>(holder + 1);
    return column < row.size() ? row[column] : 0;
}

CPersonData* CFakeDocService::GetDirector(int index) {
    if (!directors || index < 0 || index >= static_cast<int>(directors->size())) return nullptr;
    return &(*directors)[static_cast<size_t>(index)];
}

void CFakeDocService::AddDirector(int company, int person) {
    calls.push_back("AddDirector" + Args({company, person}));
    if (company >= 0 && company < static_cast<int>(companies.size()))
        ++companies[static_cast<size_t>(company)].directorCount;
}

void CFakeDocService::RemoveDirector(int company, int person) {
    calls.push_back("RemoveDirector" + Args({company, person}));
    if (company >= 0 && company < static_cast<int>(companies.size()))
        --companies[static_cast<size_t>(company)].directorCount;
}

void CFakeDocService::DropDirectorPlan(int company, int person) {
    calls.push_back("DropDirectorPlan" + Args({company, person}));
}

int CFakeDocService::GetStructureTypeCode(int type) {
    auto found = structureCodes.find(type);
    return found == structureCodes.end() ? 0 : found->second;
}

CBitmap* CFakeDocService::GetFaceStrip(int strip) {
    return strip >= 0 && strip < static_cast<int>(faceStrips.size()) ? faceStrips[size_t(strip)]
                                                                     : nullptr;
}

int CFakeDocService::FindLotForDirector(const CPersonData&, int priceLimit, SLotFound& found) {
    calls.push_back("FindLotForDirector" + Args({priceLimit}));
    found = lot;
    return lotScore;
}

bool CFakeDocService::CheckReinforcementTask(CPersonData&) {
    calls.push_back("CheckReinforcementTask");
    return reinforcementGoesOn;
}

void CFakeDocService::ReportPurchaseFailure(int company, int person, int area, int x, int y,
                                            int reason) {
    calls.push_back("ReportPurchaseFailure" + Args({company, person, area, x, y, reason}));
}

void CFakeDocService::ReportResignation(int company, int person) {
    calls.push_back("ReportResignation" + Args({company, person}));
}

void CFakeDocService::ReportHeadhuntFailed(int company, int hunter) {
    calls.push_back("ReportHeadhuntFailed" + Args({company, hunter}));
}

void CFakeDocService::ReportHeadhuntSucceeded(int company, int hunter, int target) {
    calls.push_back("ReportHeadhuntSucceeded" + Args({company, hunter, target}));
}

void CFakeDocService::ReportHeadhuntLoss(int company, int target, int hunterCompany) {
    calls.push_back("ReportHeadhuntLoss" + Args({company, target, hunterCompany}));
}

void CFakeDocService::ReportHeadhuntNotice(int hunter, int target) {
    calls.push_back("ReportHeadhuntNotice" + Args({hunter, target}));
}

void CFakeDocService::SendPersonState(const CPersonData& person, ePERSON_STATE what) {
    static const char* const kNames[] = {"RELATIONS", "STATUS", "SALARY", "EXPERIENCE", "RECORD"};
    calls.push_back("SendPersonState(" + std::to_string(person.GetIndex()) + "," + kNames[what] +
                    ")");
}

void CFakeDocService::SendDirectorList(int company) {
    calls.push_back("SendDirectorList" + Args({company}));
}

bool CFakeDocService::GetAreaSize(int area, int& width, int& height) {
    auto found = areaSizes.find(area);
    if (found == areaSizes.end()) return false;
    width = found->second.first;
    height = found->second.second;
    return true;
}

bool CFakeDocService::CanManageMoreAreas(int company) {
    calls.push_back("CanManageMoreAreas" + Args({company}));
    return manageMoreAreas;
}

int CFakeDocService::RateAreaForCompany(int area, int company) {
    (void)company;
    auto found = areaRatings.find(area);
    return found == areaRatings.end() ? 0 : found->second;
}

void CFakeFrameService::AddInfoMessage(const std::string& text) {
    calls.push_back("AddInfoMessage");
    infoLines.push_back(text);
}

void CFakeFrameService::AddInfoHeading(int company) {
    calls.push_back("AddInfoHeading" + Args({company}));
    infoLines.push_back("[heading " + std::to_string(company) + "]");
}

void CFakeFrameService::PlayEffect(int effect) {
    calls.push_back("PlayEffect" + Args({effect}));
}

void CFakeFrameService::AnnounceAreaStep(int area) {
    calls.push_back("AnnounceAreaStep" + Args({area}));
}

void CFakeFrameService::HandleLostStructures(CMapDoc& map, int area,
                                             const std::vector<CCellPoint>& anchors) {
    calls.push_back("HandleLostStructures" + Args({area, static_cast<int>(anchors.size())}));
    for (const CCellPoint& anchor : anchors) {
        lostStructures.push_back({area, anchor});
        if (!removeLostStructures) continue;
        map.SetStructureAt(area, anchor.x, anchor.y, 0);
        map.GetArea(area).SetCellLayer7(anchor.x, anchor.y, 0);
    }
}

void CFakeFrameService::SendRedrawListItem(int area) {
    calls.push_back("SendRedrawListItem" + Args({area}));
}

void CFakeFrameService::DrawMapCell(int x, int y) {
    drawnCells.push_back({x, y});
}

void CFakeFrameService::RefreshAreaButton(int area) {
    calls.push_back("RefreshAreaButton" + Args({area}));
}

void CFakeFrameService::ScrollAreaButtonsToFirst() {
    calls.push_back("ScrollAreaButtonsToFirst()");
}

int CFakeDocService::GetPersonCount() {
    return directors ? static_cast<int>(directors->size()) : 0;
}

CPersonData* CFakeDocService::GetGovernor(int index) {
    if (!governors || index < 0 || index >= static_cast<int>(governors->size())) return nullptr;
    return &(*governors)[static_cast<size_t>(index)];
}

std::string CFakeDocService::GetAreaName(int area) {
    auto found = areaNames.find(area);
    return found == areaNames.end() ? std::string() : found->second;
}

const CLeague* CFakeDocService::GetLeague(int league) {
    return league >= 0 && league < static_cast<int>(leagues.size()) ? leagues[size_t(league)]
                                                                    : nullptr;
}

int CFakeDocService::GetLotPrice(int area, int x, int y, int landOnly) {
    auto found = lotPrices.find({area, x, y, landOnly});
    return found == lotPrices.end() ? -1 : found->second;
}

int CFakeDocService::RunAuction(int area, int x, int y, int minimum) {
    calls.push_back("RunAuction" + Args({area, x, y, minimum}));
    if (auctionResults.empty()) return 0;
    int raised = auctionResults.front();
    auctionResults.pop_front();
    return raised;
}

void CFakeDocService::ShowPaymentNotice(int company, int amount, int flag) {
    calls.push_back("ShowPaymentNotice" + Args({company, amount, flag}));
}

void CFakeDocService::AnnounceForcedSale(int company) {
    calls.push_back("AnnounceForcedSale" + Args({company}));
}

void CFakeDocService::DropEnterprise(int company) {
    calls.push_back("DropEnterprise" + Args({company}));
}

void CFakeDocService::IssueRepayLoan(int company, int amount, int send, int local) {
    calls.push_back("IssueRepayLoan" + Args({company, amount, send, local}));
}

void CFakeDocService::SendProcessedFlag(int company, int flag) {
    calls.push_back("SendProcessedFlag" + Args({company, flag}));
}

int CFakeDocService::ShareholderPressureRoll(int company, int holder) {
    calls.push_back("ShareholderPressureRoll" + Args({company, holder}));
    return pressureRoll;
}

void CFakeDocService::StorePlayerCmdSet(const CCmdSet& order) {
    orderRoutes.push_back("Store");
    orders.push_back(order);
}

void CFakeDocService::SendCmdSet(const CCmdSet& order, int company) {
    orderRoutes.push_back("Send" + Args({company}));
    orders.push_back(order);
}

void CFakeDocService::ReportContractProblem(int company, int area, int x, int y, int offering,
                                            int structureType, int reason) {
    calls.push_back("ReportContractProblem" +
                    Args({company, area, x, y, offering, structureType, reason}));
}

int CFakeDocService::AskAcceptContract(int company, int area, int x, int y, int offering,
                                       int structureType, int price, int takeover) {
    calls.push_back("AskAcceptContract" +
                    Args({company, area, x, y, offering, structureType, price, takeover}));
    return contractAnswer;
}

int CFakeDocService::AskDirectorChoice(int company, int orderKind) {
    calls.push_back("AskDirectorChoice" + Args({company, orderKind}));
    return directorChoice;
}

void CFakeDocService::BuildAdvice(int company) {
    calls.push_back("BuildAdvice" + Args({company}));
}

int CFakeDocService::CalcLotValue(int area, int x, int y, int month, double& income,
                                  double& expense, int withSalary) {
    calls.push_back("CalcLotValue" + Args({area, x, y, month, withSalary}));
    auto found = lotValues.find({area, x, y});
    if (found == lotValues.end()) return 0;
    income += found->second.first;
    expense += found->second.second;
    return found->second.first > 0 || found->second.second > 0;
}

void CFakeDocService::SendCompanyState(int company, eCOMPANY_STATE what) {
    static const char* const kNames[] = {"AREA_GRADES", "STAFF_FIGURES", "DIRECTOR_RELATIONS",
                                         "AREA_RECORDS", "TEAM_HOLDINGS"};
    calls.push_back("SendCompanyState(" + std::to_string(company) + "," + kNames[what] + ")");
}

void CFakeDocService::SendAreaOwners(int area) {
    calls.push_back("SendAreaOwners" + Args({area}));
}

void CFakeDocService::RouteContractorBankrupt(int area, int x, int y, int param, int contractor) {
    calls.push_back("RouteContractorBankrupt" + Args({area, x, y, param, contractor}));
}

int CFakeDocService::AskNewHomeField(int company, int league) {
    calls.push_back("AskNewHomeField" + Args({company, league}));
    return homeFieldAnswer;
}

void CFakeDocService::ChooseHomeField(int company, int league) {
    calls.push_back("ChooseHomeField" + Args({company, league}));
}

void CFakeDocService::ReportTeamLostStadium(int company, int league) {
    calls.push_back("ReportTeamLostStadium" + Args({company, league}));
}

void CFakeDocService::IssueTeamSale(int company, int league) {
    calls.push_back("IssueTeamSale" + Args({company, league}));
}

void CFakeDocService::ChooseCompanyColour(int company) {
    calls.push_back("ChooseCompanyColour" + Args({company}));
}

void CFakeDocService::ChooseStartArea(int company) {
    calls.push_back("ChooseStartArea" + Args({company}));
}

void CFakeDocService::SetStockHolding(int company, int holder, int value) {
    calls.push_back("SetStockHolding" + Args({company, holder, value}));
    if (company < 0 || holder < -1) return;
    if (stock.size() <= static_cast<size_t>(company)) stock.resize(static_cast<size_t>(company) + 1);
    std::vector<int>& row = stock[static_cast<size_t>(company)];
    size_t column = static_cast<size_t>(holder + 1);
    if (row.size() <= column) row.resize(column + 1, 0);
    row[column] = value;
}

bool CFakeFrameService::SelectAreaButton(int area) {
    calls.push_back("SelectAreaButton" + Args({area}));
    return selectAreaAnswer;
}

void CFakeFrameService::MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) {
    calls.push_back("MarkCellRect" + Args({x1, y1, x2, y2, periodMs}));
}

void CFakeFrameService::FlushChangedCells(int redraw) {
    calls.push_back("FlushChangedCells" + Args({redraw}));
}

// The cell lists are recorded as their size; tests that need the cells
// read them from the map.
void CFakeFrameService::MarkCellList(const std::vector<CCellPoint>& cells, int periodMs) {
    calls.push_back("MarkCellList" + Args({static_cast<int>(cells.size()), periodMs}));
}

void CFakeFrameService::AddCellMarks(const std::vector<CCellPoint>& cells) {
    calls.push_back("AddCellMarks" + Args({static_cast<int>(cells.size())}));
}

void CFakeFrameService::ShowCellChanges(const std::vector<CCellPoint>& cells, int count) {
    calls.push_back("ShowCellChanges" + Args({static_cast<int>(cells.size()), count}));
}

void CFakeFrameService::WaitCellChanges(int count) {
    calls.push_back("WaitCellChanges" + Args({count}));
}

int CFakeFrameService::MarkCompanyCells(int company) {
    calls.push_back("MarkCompanyCells" + Args({company}));
    return 0;
}

void CFakeFrameService::ShakeMap(int strength) {
    calls.push_back("ShakeMap" + Args({strength}));
}

void CFakeFrameService::PaintStructurePreview(int area, int x1, int y1, int x2, int y2,
                                              int structureType) {
    calls.push_back("PaintStructurePreview" + Args({area, x1, y1, x2, y2, structureType}));
}

// ---------------------------------------------------------------- reports

void CFakeReportService::ShowPurchaseFailure(int company, int person, int area, int x, int y,
                                             int reason) {
    calls.push_back("ShowPurchaseFailure" + Args({company, person, area, x, y, reason}));
}

void CFakeReportService::ShowResignation(int company, int person) {
    calls.push_back("ShowResignation" + Args({company, person}));
}

void CFakeReportService::ShowHeadhuntFailed(int company, int hunter) {
    calls.push_back("ShowHeadhuntFailed" + Args({company, hunter}));
}

void CFakeReportService::ShowHeadhuntSucceeded(int company, int hunter, int target) {
    calls.push_back("ShowHeadhuntSucceeded" + Args({company, hunter, target}));
}

void CFakeReportService::ShowHeadhuntLoss(int company, int target, int hunterCompany) {
    calls.push_back("ShowHeadhuntLoss" + Args({company, target, hunterCompany}));
}

void CFakeReportService::ShowHeadhuntNotice(int hunter, int target) {
    calls.push_back("ShowHeadhuntNotice" + Args({hunter, target}));
}

void CFakeReportService::ShowPaymentNotice(int company, int amount, int flag) {
    calls.push_back("ShowPaymentNotice" + Args({company, amount, flag}));
}

void CFakeReportService::ShowForcedSale(int company) {
    calls.push_back("ShowForcedSale" + Args({company}));
}

void CFakeReportService::ShowContractProblem(int company, int area, int x, int y, int offering,
                                             int structureType, int reason) {
    calls.push_back("ShowContractProblem" +
                    Args({company, area, x, y, offering, structureType, reason}));
}

bool CFakeReportService::AskAcceptContract(int company, int area, int x, int y, int offering,
                                           int structureType, int price, int takeover) {
    calls.push_back("AskAcceptContract" +
                    Args({company, area, x, y, offering, structureType, price, takeover}));
    return contractAnswer;
}

int CFakeReportService::AskDirectorChoice(int company, int orderKind) {
    calls.push_back("AskDirectorChoice" + Args({company, orderKind}));
    return directorChoice;
}

void CFakeReportService::ShowChampion(int league, int team) {
    calls.push_back("ShowChampion" + Args({league, team}));
}

void CFakeReportService::ShowTeamLostStadium(int company, int league) {
    calls.push_back("ShowTeamLostStadium" + Args({company, league}));
}

void CFakeReportService::ShowTeamPurchased(int company, int league, int team) {
    calls.push_back("ShowTeamPurchased" + Args({company, league, team}));
}

void CFakeReportService::ShowTeamPurchaseRefused(int company, int league, int team, int reason) {
    calls.push_back("ShowTeamPurchaseRefused" + Args({company, league, team, reason}));
}

void CFakeReportService::ShowBankruptcy(int company) {
    calls.push_back("ShowBankruptcy" + Args({company}));
}

void CFakeReportService::ShowMerger(int absorber, int absorbed) {
    calls.push_back("ShowMerger" + Args({absorber, absorbed}));
}

void CFakeReportService::ShowContractorBankrupt(int client, int structureType, int contractor) {
    calls.push_back("ShowContractorBankrupt" + Args({client, structureType, contractor}));
}

// ---------------------------------------------------------------- map picks

void CFakeFrameService::SetMapMode(int mode) {
    calls.push_back("SetMapMode" + Args({mode}));
    mapPickMode = mode;
}

void CFakeFrameService::SetMapPickMode(int pick, int cx, int cy) {
    calls.push_back("SetMapPickMode" + Args({pick, cx, cy}));
    pickOn = pick;
    cursorWidth = pick ? cx : 1;
    cursorHeight = pick ? cy : 1;
}

void CFakeFrameService::EndMapPick(int force) {
    calls.push_back("EndMapPick" + Args({force}));
    if (!force && !inputEnabled) return;
    mapPickMode = 0;
    pickOn = 0;
    cursorWidth = cursorHeight = 1;
}

int CFakeFrameService::GetPickParam(int i) {
    auto it = pickParams.find(i);
    return it == pickParams.end() ? 0 : it->second;
}

int CFakeFrameService::SetPickParam(int i, int value) {
    calls.push_back("SetPickParam" + Args({i, value}));
    if (GetPickParam(i) == value) return 0;
    pickParams[i] = value;
    return 1;
}

void CFakeFrameService::EnableInput(int enable) {
    calls.push_back("EnableInput" + Args({enable}));
    inputEnabled = enable ? 1 : 0;
}

void CFakeFrameService::SetShownLeague(int league) {
    calls.push_back("SetShownLeague" + Args({league}));
    shownLeague = league;
}

void CFakeFrameService::GetCursorBlock(int& width, int& height) {
    width = cursorWidth;
    height = cursorHeight;
}

int CFakeFrameService::PlayMusic(int situation, int restart) {
    calls.push_back("PlayMusic" + Args({situation, restart}));
    return 1;
}

void CFakeFrameService::SendStadiumAnswer(int area, CCellPoint cell) {
    calls.push_back("SendStadiumAnswer" + Args({area, cell.x, cell.y}));
}

// ---------------------------------------------------------------- command reports

bool CFakeReportService::ConfirmOrder(const SOrderReport& report) {
    calls.push_back("Confirm" + Args({report.company, report.person}));
    orderReports.push_back(report);
    if (confirmAnswers.empty()) return true;
    bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

void CFakeReportService::ShowOrderReport(const SOrderReport& report) {
    calls.push_back("Show" + Args({report.company, report.person}));
    orderReports.push_back(report);
}

void CFakeReportService::ShowAdvice(int company) {
    calls.push_back("ShowAdvice" + Args({company}));
}

// ---- directors' tasks

void CFakeReportService::ShowDesignatedPurchaseRefused(int company, int director, int owner) {
    calls.push_back("ShowDesignatedPurchaseRefused" + Args({company, director, owner}));
}

bool CFakeReportService::AskDesignatedSale(int owner, int buyer, int director, int price,
                                           bool forced) {
    calls.push_back("AskDesignatedSale" + Args({owner, buyer, director, price, int(forced)}));
    return NextTaskAnswer();
}

bool CFakeReportService::AskDesignatedPurchase(int company, int director, int price, int mode,
                                               bool affordable) {
    calls.push_back("AskDesignatedPurchase" +
                    Args({company, director, price, mode, int(affordable)}));
    return NextTaskAnswer();
}

bool CFakeReportService::AskLandPurchase(int company, int director, int price) {
    calls.push_back("AskLandPurchase" + Args({company, director, price}));
    return NextTaskAnswer();
}

void CFakeReportService::ShowLandAcquisitionFailed(int company, int director, int area) {
    calls.push_back("ShowLandAcquisitionFailed" + Args({company, director, area}));
}

void CFakeReportService::ShowEmployeesRecruited(int company, int director, int count) {
    calls.push_back("ShowEmployeesRecruited" + Args({company, director, count}));
}

void CFakeReportService::ShowLoanApproved(int company, int director, int amount) {
    calls.push_back("ShowLoanApproved" + Args({company, director, amount}));
}

void CFakeReportService::ShowAdvertisingFinished(int company, int director, int area, int step) {
    calls.push_back("ShowAdvertisingFinished" + Args({company, director, area, step}));
}

void CFakeReportService::ShowInvestmentCompleted(int company, int director, int area, int kind,
                                                 int grade) {
    calls.push_back("ShowInvestmentCompleted" + Args({company, director, area, kind, grade}));
}

bool CFakeReportService::AskEmployFoundTalent(int company, int director, int found, int remark) {
    calls.push_back("AskEmployFoundTalent" + Args({company, director, found, remark}));
    return NextTaskAnswer();
}

void CFakeReportService::ShowNoTalentFound(int company, int director) {
    calls.push_back("ShowNoTalentFound" + Args({company, director}));
}

void CFakeReportService::ShowConstructionCompleted(int company, int director, int built,
                                                   int planned) {
    calls.push_back("ShowConstructionCompleted" + Args({company, director, built, planned}));
}

void CFakeReportService::ShowReinforcementEnded(int company, int director) {
    calls.push_back("ShowReinforcementEnded" + Args({company, director}));
}

void CFakeReportService::ShowReinforcementStopped(int company, int director) {
    calls.push_back("ShowReinforcementStopped" + Args({company, director}));
}

bool CFakeReportService::ShowStockOfferDecision(int company, int director, int stockCompany,
                                                int count, int price) {
    calls.push_back("ShowStockOfferDecision" +
                    Args({company, director, stockCompany, count, price}));
    return NextTaskAnswer();
}

void CFakeReportService::ShowStockPurchaseFailed(int company, int director, int stockCompany) {
    calls.push_back("ShowStockPurchaseFailed" + Args({company, director, stockCompany}));
}

void CFakeReportService::ShowTeamInvestmentResult(int company, int director, int league,
                                                  int purpose, int points) {
    calls.push_back("ShowTeamInvestmentResult" +
                    Args({company, director, league, purpose, points}));
}

// ---- land sales, auctions and construction contracts

bool CFakeReportService::AskLandSaleOffer(int buyer, int seller, int area, int x, int y, int price,
                                          int lotPrice, bool affordable) {
    calls.push_back("AskLandSaleOffer" +
                    Args({buyer, seller, area, x, y, price, lotPrice, affordable ? 1 : 0}));
    return affordable && saleAnswer;
}

void CFakeReportService::ShowSaleAnswer(int seller, int buyer, int area, int x, int y, int price,
                                        bool accepted) {
    calls.push_back("ShowSaleAnswer" + Args({seller, buyer, area, x, y, price, accepted ? 1 : 0}));
}

void CFakeReportService::ShowCannotBid(int company, int area, int x, int y, int reason) {
    calls.push_back("ShowCannotBid" + Args({company, area, x, y, reason}));
}

void CFakeReportService::ShowAuctionResult(int seller, int area, int x, int y, int winner,
                                           int price) {
    calls.push_back("ShowAuctionResult" + Args({seller, area, x, y, winner, price}));
}

void CFakeReportService::ShowPublicWorksBanned(int company, int area, int structureType) {
    calls.push_back("ShowPublicWorksBanned" + Args({company, area, structureType}));
}

void CFakeReportService::ShowTenderLacksFunds(int company, int area, int structureType) {
    calls.push_back("ShowTenderLacksFunds" + Args({company, area, structureType}));
}

void CFakeReportService::ShowTenderLacksDirector(int company, int area, int structureType) {
    calls.push_back("ShowTenderLacksDirector" + Args({company, area, structureType}));
}

void CFakeReportService::ShowDevelopmentContract(int area, int x, int y, int structureType,
                                                 int price, int winner) {
    calls.push_back("ShowDevelopmentContract" + Args({area, x, y, structureType, price, winner}));
}

void CFakeReportService::ShowBidFailed(int area, int x, int y, int structureType) {
    calls.push_back("ShowBidFailed" + Args({area, x, y, structureType}));
}

void CFakeReportService::ShowDevelopmentPlanFailed(int company, int reason) {
    calls.push_back("ShowDevelopmentPlanFailed" + Args({company, reason}));
}

void CFakeReportService::ShowContractAnswer(int client, int contractor, int area, int x, int y,
                                            int structureType, bool accepted, bool shareholder) {
    calls.push_back("ShowContractAnswer" + Args({client, contractor, area, x, y, structureType,
                                                 accepted ? 1 : 0, shareholder ? 1 : 0}));
}

SDialogAnswer CFakeDialogService::InputBidPrice(const SBidPriceDialog& dialog) {
    calls.push_back("InputBidPrice" + Args({dialog.company, dialog.structureType, dialog.cost,
                                            dialog.area, dialog.cell.x, dialog.cell.y,
                                            dialog.lowest, dialog.highest}));
    if (bidAnswers.empty()) return {};
    SDialogAnswer answer = bidAnswers.front();
    bidAnswers.pop_front();
    return answer;
}

// ---- governor elections
void CFakeDialogService::ShowElection(const SVoteRecord& vote) {
    elections.push_back(vote);
    calls.push_back("ShowElection(" + std::to_string(vote.area) + "," +
                    std::to_string(vote.excluded) + "," + std::to_string(vote.winner) + ")");
}

// ---- random events and fire


void CFakeReportService::ShowStrike(int company) {
    calls.push_back("ShowStrike" + Args({company}));
}

bool CFakeReportService::AskEmployApplicant(const SOrderReport& report) {
    calls.push_back("AskEmployApplicant" + Args({report.company, report.person}));
    orderReports.push_back(report);
    return applicantAnswer;
}

bool CFakeReportService::AskBuyNewStock(int buyer, int issuer, int amount, int total) {
    calls.push_back("AskBuyNewStock" + Args({buyer, issuer, amount, total}));
    return stockAnswer;
}

void CFakeReportService::ShowNewCompany(int company) {
    calls.push_back("ShowNewCompany" + Args({company}));
}

void CFakeReportService::ShowExpoPlanned(int area) {
    calls.push_back("ShowExpoPlanned" + Args({area}));
}

void CFakeReportService::ShowExpoOpening(int area, int held, const std::vector<CCellPoint>& cells) {
    calls.push_back("ShowExpoOpening" + Args({area, held, static_cast<int>(cells.size())}));
}

void CFakeReportService::ShowIllegalDonations(int area, const std::vector<int>& companies) {
    std::string text = std::to_string(area);
    for (int c : companies) text += "," + std::to_string(c);
    calls.push_back("ShowIllegalDonations(" + text + ")");
}
