#pragma once
// Recording fakes of the services that the records and rules call above
// them. Each logs its calls and returns scripted answers.

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/CmdSet.h"
#include "model/services/Services.h"

class CBD;
class CBitmap;
class CEnterprise;
class CLeague;

// The application: a detached one whose drawing answers the tests set.
class CFakeAppService : public CDetachedAppService {
public:
    CPalette* GetPalette() override { return palette; }
    CFont* GetStandardFont() override {
        ++standardFontRequests;
        return standardFont;
    }
    int GetStandardCharWidth() override { return standardCharWidth; }
    int GetSpeedClass() override { return speedClass; }

    CPalette* palette = nullptr;
    CFont* standardFont = nullptr;
    int standardCharWidth = 0;
    int speedClass = kSpeedClassCurrent;
    int standardFontRequests = 0;
};

class CFakeFrameService : public IFrameService {
public:
    void SetPumping(int flag) override;
    int CheckCloseRequest() override;
    bool PumpOneMessage(int maxWaitMs) override;
    bool WasKeyPressed(int key) override;
    int ShowMessageBox(const std::string& text, unsigned style) override;
    void Beep() override;
    void RefreshInfoPanels() override { calls.push_back("RefreshInfoPanels"); }
    void AddInfoMessage(const std::string& text) override;
    void AddInfoHeading(int company) override;
    void PlayEffect(int effect) override;
    void AnnounceAreaStep(int area) override;
    // Records the call; with removeLostStructures it also takes the
    // structures off the map, as the frame does.
    void HandleLostStructures(CMapDoc& map, int area,
                              const std::vector<CCellPoint>& anchors) override;
    void SendRedrawListItem(int area) override;
    void SendAllCompanyFigures() override { calls.push_back("SendAllCompanyFigures"); }
    int GetShownArea() override { return shownArea; }
    void RebuildMap() override { calls.push_back("RebuildMap"); }
    void DrawMapCell(int x, int y) override;
    void RefreshAreaButton(int area) override;
    void ScrollAreaButtonsToFirst() override;
    bool SelectAreaButton(int area) override;
    void MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) override;
    void FlushChangedCells(int redraw) override;
    void MarkCellList(const std::vector<CCellPoint>& cells, int periodMs) override;
    void AddCellMarks(const std::vector<CCellPoint>& cells) override;
    void ShowCellChanges(const std::vector<CCellPoint>& cells, int count) override;
    void WaitCellChanges(int count) override;
    int MarkCompanyCells(int company) override;
    void ShakeMap(int strength) override;
    void PaintStructurePreview(int area, int x1, int y1, int x2, int y2,
                               int structureType) override;
    // What SelectAreaButton answers.
    bool selectAreaAnswer = true;

    // ---- the map picks and input: kept as the frame keeps them, and each
    // change recorded, e.g. "SetMapMode(7)", "EnableInput(0)", "FocusMap".
    int GetMapPickMode() override { return mapPickMode; }
    void SetMapMode(int mode) override;
    void SetMapPickMode(int pick, int cx, int cy) override;
    // As the frame: without force nothing ends while input is off.
    void EndMapPick(int force) override;
    int GetPickParam(int i) override;
    int SetPickParam(int i, int value) override;
    int IsInputEnabled() const override { return inputEnabled; }
    void EnableInput(int enable) override;
    int GetShownLeague() override { return shownLeague; }
    void SetShownLeague(int league) override;
    CCellPoint GetCursorCell() override { return cursorCell; }
    void GetCursorBlock(int& width, int& height) override;
    void FocusMap() override { calls.push_back("FocusMap"); }
    int PlayMusic(int situation, int restart) override;
    void ContinueMonth() override { calls.push_back("ContinueMonth"); }
    void SendStadiumAnswer(int area, CCellPoint cell) override;
    int mapPickMode = 0;
    int pickOn = 0;
    std::map<int, int> pickParams;  // others 0
    int inputEnabled = 1;
    int shownLeague = 0;
    CCellPoint cursorCell{-1, -1};
    int cursorWidth = 1, cursorHeight = 1;

    // The map window: the area it shows (-1 none) and the cells it redrew.
    int shownArea = -1;
    std::vector<CCellPoint> drawnCells;
    bool removeLostStructures = true;
    // Every lost anchor handed over, by area.
    std::vector<std::pair<int, CCellPoint>> lostStructures;

    // Scripting: a key counts as pressed from now on until queried.
    void PressKey(int key) { m_pressed.insert(key); }
    // Messages the pump dispatches, one per call, in order.
    std::deque<std::function<void()>> pendingMessages;
    bool closeRequested = false;
    // What ShowMessageBox answers (1 = OK).
    int messageBoxAnswer = 1;
    std::vector<std::string> messages;
    int beepCount = 0;
    // The message log as written: headings read "[heading <company>]".
    std::vector<std::string> infoLines;

    std::vector<std::string> calls;
    int pumpCount = 0;

    // ---- the close and the saves: kept as set, resumes and prompts recorded
    int IsPumping() const override { return pumping; }
    void SetCloseRequest(int flag) override { closeRequested = flag != 0; }
    int IsClosing() const override { return closing; }
    void SetClosing(int flag) override { closing = flag; }
    void ResumeAfterDeclinedClose() override { calls.push_back("ResumeAfterDeclinedClose"); }
    int CanSaveNow() override { return canSaveNow; }
    int IsAutoSaving() const override { return autoSaving; }
    void SetAutoSaving(int flag) override { autoSaving = flag; }
    bool PromptSaveName(std::string& name) override;
    int pumping = 0;
    int closing = 0;
    int canSaveNow = 1;
    int autoSaving = 0;
    // What the save prompt answers: empty = cancelled.
    std::string promptedName;

private:
    std::set<int> m_pressed;
};

// The report composer: every report is recorded as a call, e.g.
// "ShowTeamPurchased(1,0,2)"; questions get the scripted answers.
class CFakeReportService : public IReportService {
public:
    void ShowPurchaseFailure(int company, int person, int area, int x, int y, int reason) override;
    void ShowResignation(int company, int person) override;
    void ShowHeadhuntFailed(int company, int hunter) override;
    void ShowHeadhuntSucceeded(int company, int hunter, int target) override;
    void ShowHeadhuntLoss(int company, int target, int hunterCompany) override;
    void ShowHeadhuntNotice(int hunter, int target) override;
    void ShowPaymentNotice(int company, int amount, int flag) override;
    void ShowForcedSale(int company) override;
    void ShowContractProblem(int company, int area, int x, int y, int offering, int structureType,
                             int reason) override;
    bool AskAcceptContract(int company, int area, int x, int y, int offering, int structureType,
                           int price, int takeover) override;
    int AskDirectorChoice(int company, int orderKind) override;
    void ShowChampion(int league, int team) override;
    void ShowTeamLostStadium(int company, int league) override;
    void ShowTeamPurchased(int company, int league, int team) override;
    void ShowTeamPurchaseRefused(int company, int league, int team, int reason) override;
    void ShowBankruptcy(int company) override;
    void ShowMerger(int absorber, int absorbed) override;
    void ShowContractorBankrupt(int client, int structureType, int contractor) override;

    // The reports of the player's commands, recorded as
    // "Confirm(company,person)", "Show(company,person)" or
    // "ShowAdvice(company)" with their caption and lines in orderReports.
    bool ConfirmOrder(const SOrderReport& report) override;
    void ShowOrderReport(const SOrderReport& report) override;
    void ShowAdvice(int company) override;

    // ---- directors' tasks
    void ShowDesignatedPurchaseRefused(int company, int director, int owner) override;
    bool AskDesignatedSale(int owner, int buyer, int director, int price, bool forced) override;
    bool AskDesignatedPurchase(int company, int director, int price, int mode,
                               bool affordable) override;
    bool AskLandPurchase(int company, int director, int price) override;
    void ShowLandAcquisitionFailed(int company, int director, int area) override;
    void ShowEmployeesRecruited(int company, int director, int count) override;
    void ShowLoanApproved(int company, int director, int amount) override;
    void ShowAdvertisingFinished(int company, int director, int area, int step) override;
    void ShowInvestmentCompleted(int company, int director, int area, int kind, int grade) override;
    bool AskEmployFoundTalent(int company, int director, int found, int remark) override;
    void ShowNoTalentFound(int company, int director) override;
    void ShowConstructionCompleted(int company, int director, int built, int planned) override;
    void ShowReinforcementEnded(int company, int director) override;
    void ShowReinforcementStopped(int company, int director) override;
    bool ShowStockOfferDecision(int company, int director, int stockCompany, int count,
                                int price) override;
    void ShowStockPurchaseFailed(int company, int director, int stockCompany) override;
    void ShowTeamInvestmentResult(int company, int director, int league, int purpose,
                                  int points) override;
    // The answers to the task questions in order; yes once they are used up.
    std::deque<bool> taskAnswers;
    bool NextTaskAnswer() {
        if (taskAnswers.empty()) return true;
        bool answer = taskAnswers.front();
        taskAnswers.pop_front();
        return answer;
    }

    // ---- land sales, auctions and construction contracts
    // Recorded as "AskLandSaleOffer(buyer,seller,area,x,y,price,lotPrice,affordable)"
    // and so on, each with its arguments; the offer is answered with
    // saleAnswer when affordable, else no.
    bool AskLandSaleOffer(int buyer, int seller, int area, int x, int y, int price, int lotPrice,
                          bool affordable) override;
    void ShowSaleAnswer(int seller, int buyer, int area, int x, int y, int price,
                        bool accepted) override;
    void ShowCannotBid(int company, int area, int x, int y, int reason) override;
    void ShowAuctionResult(int seller, int area, int x, int y, int winner, int price) override;
    void ShowPublicWorksBanned(int company, int area, int structureType) override;
    void ShowTenderLacksFunds(int company, int area, int structureType) override;
    void ShowTenderLacksDirector(int company, int area, int structureType) override;
    void ShowDevelopmentContract(int area, int x, int y, int structureType, int price,
                                 int winner) override;
    void ShowBidFailed(int area, int x, int y, int structureType) override;
    void ShowDevelopmentPlanFailed(int company, int reason) override;
    void ShowContractAnswer(int client, int contractor, int area, int x, int y, int structureType,
                            bool accepted, bool shareholder) override;
    bool saleAnswer = false;

    // ---- random events and fire
    // Recorded as calls, e.g. "ShowStrike(1)"; the applicant's letter also
    // in orderReports. The questions answer applicantAnswer and stockAnswer.
    void ShowStrike(int company) override;
    bool AskEmployApplicant(const SOrderReport& report) override;
    bool AskBuyNewStock(int buyer, int issuer, int amount, int total) override;
    void ShowNewCompany(int company) override;
    void ShowExpoPlanned(int area) override;
    void ShowExpoOpening(int area, int held, const std::vector<CCellPoint>& cells) override;
    void ShowIllegalDonations(int area, const std::vector<int>& companies) override;
    bool applicantAnswer = false;
    bool stockAnswer = false;

    bool contractAnswer = false;
    int directorChoice = -1;
    // The confirmations' answers in order; OK once they are used up.
    std::deque<bool> confirmAnswers;
    std::vector<SOrderReport> orderReports;
    std::vector<std::string> calls;
};

class CFakeNetService : public INetService {
public:
    struct Sent {
        int player;
        std::string record;
    };
    void SendRecord(int player, const std::string& record) override {
        sent.push_back({player, record});
    }
    bool SendToPlayer(int player, const std::string& record) override {
        sent.push_back({player, record});
        return true;
    }
    // Recorded as sent to player -1.
    bool SendToAll(const std::string& record) override {
        sent.push_back({-1, record});
        return true;
    }
    bool IsHost() const override { return host; }
    void ReportSendError(const std::string& what) override { sendErrors.push_back(what); }
    // The gathering's calls, each recorded as "Name(arguments)".
    void SendEntryData(const std::string& company, const std::string& player,
                       int colour) override {
        calls.push_back("SendEntryData(" + company + "," + player + "," + std::to_string(colour) +
                        ")");
    }
    void CloseNetwork() override { calls.push_back("CloseNetwork()"); }
    void SetSessionState(int state) override {
        calls.push_back("SetSessionState(" + std::to_string(state) + ")");
    }
    int IsSessionStarted() override { return sessionStarted; }
    int CountNetPlayersByRole(int role) override {
        return role == 1 ? connectedPlayers : role == 2 ? connectedObservers : 0;
    }
    void DropUnconnectedPlayers() override { calls.push_back("DropUnconnectedPlayers()"); }
    void TransmitDataToJoiners() override { calls.push_back("TransmitDataToJoiners()"); }
    void SendParticipantEntry(int entry, int target) override {
        calls.push_back("SendParticipantEntry(" + std::to_string(entry) + "," +
                        std::to_string(target) + ")");
    }
    void SendGameStartNotice(int code) override {
        calls.push_back("SendGameStartNotice(" + std::to_string(code) + ")");
    }
    bool host = true;
    std::vector<Sent> sent;
    std::vector<std::string> sendErrors;
    std::vector<std::string> calls;
    int sessionStarted = 0;
    int connectedPlayers = 0;
    int connectedObservers = 0;
};

// The dialogs the rules open, each recorded as "ShowInterest(rate,autoCloseMs,
// debt,debt,...)"; the order dialogs cancel (fakes/ScriptedDialogs.h
// answers them).
class CFakeDialogService : public CDetachedDialogService {
public:
    void ShowInterest(int rate, const std::vector<int>& debts, int autoCloseMs) override;

    // ---- land sales, auctions and construction contracts
    // Recorded as "InputBidPrice(company,structureType,cost,area,x,y,lowest,highest)";
    // answered with the next of bidAnswers, cancelled once they are used up.
    SDialogAnswer InputBidPrice(const SBidPriceDialog& dialog) override;
    std::deque<SDialogAnswer> bidAnswers;

    // ---- governor elections
    // Recorded as "ShowElection(area,excluded,winner)", the record itself in
    // elections.
    void ShowElection(const SVoteRecord& vote) override;
    std::vector<SVoteRecord> elections;

    std::vector<std::string> calls;
};

class CFakeDocService : public IDocService {
public:
    // ---- game state (IGameStateService)
    int GetWaitTime() override { return waitTime; }
    int waitTime = 0;
    int GetCurrentMonthIndex() override { return currentMonthIndex; }
    int currentMonthIndex = 0;
    int GetPlayState() override { return playState; }
    int GetGameYears() override { return gameYears; }
    void SetModified() override { calls.push_back("SetModified"); }
    CBitmap* GetFaceStrip(int strip) override;

    // ---- map (IMapService)
    CMapDoc* GetMapDoc() override { return map; }
    int GetCellOwner(int area, int x, int y) override { return Cell(area, x, y).owner; }
    int GetCellStructure(int area, int x, int y) override { return Cell(area, x, y).structure; }
    bool IsProjectCell(int area, int x, int y) override { return Cell(area, x, y).project; }
    int GetStructureTypeCode(int type) override;
    const CBD* GetLandType(int index) override { return Entry(landTypes, index); }
    const CBD* GetStructureType(int index) override { return Entry(structureTypes, index); }
    bool GetAreaSize(int area, int& width, int& height) override;
    std::string GetAreaName(int area) override;
    const CLeague* GetLeague(int league) override;
    int GetInitialCompanyCount() override { return initialCompanyCount; }
    int GetMaxCompanyCount() override { return maxCompanyCount; }
    bool IsCellUsable(int area, int x, int y) override { return Cell(area, x, y).usable; }
    int GetLotPrice(int area, int x, int y, int landOnly) override;
    int RunAuction(int area, int x, int y, int minimum) override;
    int CalcLotValue(int area, int x, int y, int month, double& income, double& expense,
                     int withSalary) override;
    int FindLotForDirector(const CPersonData& director, int priceLimit, SLotFound& found) override;

    // ---- companies and persons (ICompanyService)
    int GetCompanyCount() override { return static_cast<int>(companies.size()); }
    int GetAnnualIncome(int company) override { return Company(company).annualIncome; }
    int GetFunds(int company) override { return Company(company).funds; }
    int GetDirectorCount(int company) override { return Company(company).directorCount; }
    int GetTotalAreaGrade(int company) override { return Company(company).totalAreaGrade; }
    bool IsHumanPlayed(int company) override { return Company(company).human; }
    int GetStockPrice(int company) override { return Company(company).stockPrice; }
    int GetStockHolding(int company, int holder) override;
    void SetStockHolding(int company, int holder, int value) override;
    CEnterprise* GetCompany(int index) override {
        return index >= 0 && index < static_cast<int>(enterprises.size())
                   ? enterprises[size_t(index)]
                   : nullptr;
    }
    CEnterprise* GetOwnCompany() override { return GetCompany(ownCompany); }
    void DropEnterprise(int company) override;
    void ChooseCompanyColour(int company) override;
    void ChooseStartArea(int company) override;
    int ShareholderPressureRoll(int company, int holder) override;
    int GetPersonCount() override;
    CPersonData* GetDirector(int index) override;
    CPersonData* GetGovernor(int index) override;
    CPersonData* GetPlayerPerson() override { return playerPerson; }
    void AddDirector(int company, int person) override;
    void RemoveDirector(int company, int person) override;
    bool CheckReinforcementTask(CPersonData& director) override;

    // ---- computer player (IComputerPlayerService)
    bool CanManageMoreAreas(int company) override;
    int RateAreaForCompany(int area, int company) override;
    void BuildAdvice(int company) override;
    void DropDirectorPlan(int company, int person) override;
    void ChooseHomeField(int company, int league) override;

    // ---- reports to the players (IPlayerReportService)
    void ReportPurchaseFailure(int company, int person, int area, int x, int y,
                               int reason) override;
    void ReportResignation(int company, int person) override;
    void ReportHeadhuntFailed(int company, int hunter) override;
    void ReportHeadhuntSucceeded(int company, int hunter, int target) override;
    void ReportHeadhuntLoss(int company, int target, int hunterCompany) override;
    void ReportHeadhuntNotice(int hunter, int target) override;
    void ShowPaymentNotice(int company, int amount, int flag) override;
    void AnnounceForcedSale(int company) override;
    void ReportContractProblem(int company, int area, int x, int y, int offering, int structureType,
                               int reason) override;
    int AskAcceptContract(int company, int area, int x, int y, int offering, int structureType,
                          int price, int takeover) override;
    int AskDirectorChoice(int company, int orderKind) override;
    int AskNewHomeField(int company, int league) override;
    void ReportTeamLostStadium(int company, int league) override;

    // ---- network play (INetPlayService)
    bool IsNetworkGame() override { return networkGame; }
    bool IsNetworkHost() override { return networkHost; }
    bool IsLocallyPlayed(int company) override { return localCompanies.count(company) > 0; }
    bool IsRemotePlayerAway(int company) override { return awayCompanies.count(company) > 0; }
    void SendPersonState(const CPersonData& person, ePERSON_STATE what) override;
    void SendDirectorList(int company) override;
    void SendRefreshInfo() override { calls.push_back("SendRefreshInfo"); }
    void SendProcessedFlag(int company, int flag) override;
    void SendCompanyState(int company, eCOMPANY_STATE what) override;
    void SendAreaOwners(int area) override;

    // ---- orders (IOrderService)
    void StorePlayerCmdSet(const CCmdSet& order) override;
    void SendCmdSet(const CCmdSet& order, int company) override;
    void IssueRepayLoan(int company, int amount, int send, int local) override;
    void IssueTeamSale(int company, int league) override;
    void RouteContractorBankrupt(int area, int x, int y, int param, int contractor) override;

    int playState = 1;
    CPersonData* playerPerson = nullptr;    // not owned
    std::vector<CEnterprise*> enterprises;  // not owned; the company records by index
    // Scripted area grid sizes by area; any other area is outside the map.
    std::map<int, std::pair<int, int>> areaSizes;
    bool manageMoreAreas = true;
    std::map<int, int> areaRatings;  // area -> rating; others 0

    // Scripted companies, by index; their count is the company count.
    struct SCompany {
        int annualIncome = 0, funds = 0, directorCount = 0, totalAreaGrade = 0, stockPrice = 0;
        bool human = false;
    };
    std::vector<SCompany> companies;
    // Stock matrix: stock[c][0] the shares c issued, stock[c][h + 1] those
    // held by company h.
    std::vector<std::vector<int>> stock;
    // The directors' table (not owned); AddDirector and RemoveDirector
    // change the scripted director counts.
    std::vector<CPersonData>* directors = nullptr;
    // Scripted map cells by (area, x, y); any other cell is empty.
    struct SCell {
        int owner = 0, structure = 0;
        bool project = false;
        bool usable = false;
    };
    std::map<std::tuple<int, int, int>, SCell> cells;
    std::map<int, int> structureCodes;  // structure type index -> type code
    // The map's type tables (not owned).
    std::vector<const CBD*> landTypes;
    std::vector<const CBD*> structureTypes;
    // The document's face strips by number (not owned).
    std::vector<CBitmap*> faceStrips;
    // What the lot search answers.
    int lotScore = 0;
    SLotFound lot;
    bool reinforcementGoesOn = true;
    bool networkHost = false;
    // The governors' table (not owned).
    std::vector<CPersonData>* governors = nullptr;
    int gameYears = 5;
    std::map<int, std::string> areaNames;  // others ""
    std::vector<const CLeague*> leagues;   // not owned
    int initialCompanyCount = 7, maxCompanyCount = 10;
    // Lot prices by cell (others -1), and what each auction raises, in order
    // (0 once the list is used up).
    // Keyed by area, x, y and the land-only flag.
    std::map<std::tuple<int, int, int, int>, int> lotPrices;
    std::deque<int> auctionResults;
    int pressureRoll = 0;
    bool networkGame = false;
    std::set<int> localCompanies, awayCompanies;
    // The orders given: "Store" or "Send(company)", then each order itself.
    std::vector<std::string> orderRoutes;
    std::vector<CCmdSet> orders;
    int contractAnswer = 1;
    int directorChoice = -1;
    // The game's map (not owned) and the company played here (-1 none).
    CMapDoc* map = nullptr;
    int ownCompany = -1;
    // What CalcLotValue adds for a cell: income and expense by (area, x, y);
    // other cells add nothing.
    std::map<std::tuple<int, int, int>, std::pair<double, double>> lotValues;
    // What the player answers when asked for a new home field.
    int homeFieldAnswer = 1;

    // Every call that changes something or reports, in order, e.g.
    // "RemoveDirector(1,4)" or "SendPersonState(4,RELATIONS)".
    std::vector<std::string> calls;

private:
    static const CBD* Entry(const std::vector<const CBD*>& table, int index) {
        return index >= 0 && index < static_cast<int>(table.size()) ? table[size_t(index)]
                                                                    : nullptr;
    }
    SCompany Company(int company) const;
    SCell Cell(int area, int x, int y) const;
};
