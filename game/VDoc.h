#pragma once
// The game document: owner of the whole state of a game for the run. The
// calendar, the companies, the two person tables (directors with their
// candidates, and governors), the map, the stock matrix, the turn order and
// the interest rate live here; every other part reaches them through it.
// A new game is set up from the data files (VDocNewGame.cpp), a whole game
// is saved and loaded in the saved-game file (VDocSerialize.cpp), and the
// document runs its own steps of every month (VDocMonth.cpp).
//
// The records reach the document through the role interfaces that
// IDocService gathers (game state, map, companies, computer player, reports
// to the players, network play, orders; VDocServices.cpp); the document
// reaches the frame, the report composer and the network through the other
// services of model/services.

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/AreaLimits.h"
#include "model/FrameState.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/NetPlayerTable.h"
#include "model/PersonData.h"
#include "model/services/DocService.h"
#include "platform/core/MemBlock.h"
#include "platform/gfx/Bitmap.h"

class CArchive;
class CMapData;
class COrderCommands;
class COrderService;
class CPersonDataFile;

class CVDoc : public IDocService {
    // The network state transfer carries the document's fields as stored.
    friend class CNetDocState;

public:
    // The saved-game file: header text, padding to 63 bytes and 0x1A.
    static constexpr char kFileHeader[] = "MERCAVO Data (Version 1.0)";
    static constexpr int kFileHeaderSize = 64;
    static constexpr int kFormatVersion = 3;
    // The Options dialog's range of the wait time.
    static constexpr int kMaxWaitTime = 100;
    static constexpr const char* kDefaultMapFile = "ORIGINAL.MQM";
    // The loan interest rate in percent.
    static constexpr int kMinInterestRate = 8;
    static constexpr int kMaxInterestRate = 30;

    CVDoc();
    ~CVDoc() override;
    CVDoc(const CVDoc&) = delete;
    CVDoc& operator=(const CVDoc&) = delete;

    // The frame's part of the saved game. Without a frame the document keeps
    // its own.
    // Detaching the frame (nullptr) also forgets its player table.
    void SetFrameState(CFrameState* frame) {
        m_frame = frame ? frame : &m_ownFrame;
        if (!frame) m_netPlayers = nullptr;
    }
    CFrameState& GetFrameState() { return *m_frame; }

    // The order catalogue: every order a company gives is issued and applied
    // there.
    COrderService& GetOrders() { return *m_orders; }
    // The player's order commands: the menu commands and map clicks of the
    // player of this machine.
    COrderCommands& GetCommands() { return *m_commands; }

    // ---- calendar
    int GetYear() const { return m_game.year; }
    int GetMonth() const { return m_game.month; }
    int GetMonthIndex() const { return m_game.year * 12 + m_game.month; }
    int GetNextMonth() const { return (m_game.month + 1) % 12; }
    void SetYear(int year) { m_game.year = year; }
    void SetMonth(int month) { m_game.month = month; }
    int GetGameYears() override { return m_game.playYears; }
    void SetGameYears(int years) { m_game.playYears = years; }
    int GetLoadCount() const { return m_game.loadCount; }
    bool IsLoadedGame() const { return m_game.loadedGame; }
    void SetLoadedGame(bool loaded) { m_game.loadedGame = loaded; }

    // ---- companies and players
    CEnterprise* GetEnterprise(int i);
    const CEnterprise* GetEnterprise(int i) const;
    int GetCompanyCount() override { return CompanyCount(); }
    int CompanyCount() const { return static_cast<int>(m_game.companies.size()); }
    // The company count a new game is set up with (0: the map's).
    void SetEnterpriseCount(int n) { m_requestedCompanies = n; }
    int GetPlayState() override { return m_game.humanPlayers; }
    int GetStartingPlayerCount() const { return m_game.startingPlayers; }
    // 0 when count lies outside 0..company count; with both also the
    // starting count.
    int SetPlayerCount(int count, int both);

    // ---- persons; nullptr outside the tables
    CPersonData* GetDirector(int i) override;
    CPersonData* GetGovernor(int i) override;
    int GetDirectorTableSize() const { return static_cast<int>(m_game.directors.size()); }
    int GetGovernorTableSize() const { return static_cast<int>(m_game.governors.size()); }
    int GetFirstYearCandidates() const { return m_game.firstYearCandidates; }
    int GetPersonChecksum() const { return m_game.personChecksum; }
    int HasGovernorFaces() const { return m_game.governorFaces; }
    CPersonData* GetAreaGovernor(int area);
    int CountFreeDirectors() const;

    // ---- map and areas
    CMapDoc& GetMap() { return *m_game.map; }
    const CMapDoc& GetMap() const { return *m_game.map; }
    // Areas -1..count-1 (-1: all; nullptr there and outside).
    CMapData* GetArea(int area);
    // Makes the area the one the view shows (a network client first ends the
    // map window's highlighting of changed cells); 0 when the view could not
    // select it.
    int SelectArea(int area);
    // "All" for -1; nullptr outside -1..count-1.
    const char* GetAreaNameText(int area) const;
    std::string GetAreaName(int area) override;
    // Author 0 of the character data, 1..3 of the map data.
    std::string GetAuthorName(int author) const;
    const CMemBlock* GetAuthorMark(int author) const;
    int GetViewDirection() const { return m_game.viewDirection; }
    void SetViewDirection(int direction) { m_game.viewDirection = direction; }
    int GetViewPictureIndex() const;
    int GetSavedArea() const { return m_game.savedArea; }
    void SetSavedArea(int area) { m_game.savedArea = area; }
    void ClearSavedArea() { m_game.savedArea = -1; }
    int GetWaitTime() override { return m_game.waitTime; }
    void SetWaitTime(int value) { m_game.waitTime = value; }
    int IsActivityReportOn() const { return m_game.activityReport; }
    void SetActivityReport(int flag) { m_game.activityReport = flag ? 1 : 0; }
    int GetInterestRate() const { return m_game.interestRate; }
    void SetInterestRate(int rate) {
        m_game.interestRate = std::clamp(rate, kMinInterestRate, kMaxInterestRate);
    }
    int GetReservedWord() const { return m_game.reservedWord; }
    // What a cell of the running game must keep to: the map's grid and
    // tables, owners among the game's companies.
    CAreaLimits GetCellLimits() const;
    // 1 when the area's governor changed.
    int ChangeAreaGovernor(int area, int person);
    int SumAreaRatings(int rating, int area, int damped) const;

    // ---- turn order
    void ShuffleTurnOrder();
    // -1 when there is none; p = -1: the current position.
    int GetTurnEnterprise(int p) const;
    // The company played at this seat: in a network game the company of
    // this seat's own player entry; -1 none.
    int GetOwnCompanyIndex() const;
    int NextTurn();
    void ResetTurnPosition() { m_game.turnPosition = 0; }
    int GetTurnPosition() const { return m_game.turnPosition; }
    int GetTurnOrderSize() const { return static_cast<int>(m_game.turnOrder.size()); }
    void SetTurnOrderEntry(int p, int company);

    // ---- stock matrix
    int GetStockHolding(int company, int holder) override;
    void SetStockHolding(int company, int holder, int value) override;
    double GetShareRatio(int company, int holder) const;
    void InitIssuedShares();
    // Entries of the stock matrix: (companies + 1) for each company.
    size_t GetStockEntryCount() const { return m_game.stock.size(); }

    // ---- companies leaving the game
    // Remove or merge at once: false (nothing changed) for a bad index or
    // when memory ran out. No company record may be in use while they run;
    // the rules ask through DropEnterprise and RequestMerger instead, and the
    // settlement phase, where no record is in use, calls CheckMergers.
    bool RemoveEnterprise(int i);
    bool MergeEnterprise(int absorbed, int absorber);
    // The absorbed company is to pass its holdings to the absorber and leave
    // at the next safe point; false for a bad pair.
    bool RequestMerger(int absorbed, int absorber);
    // A company dropped or asked to merge keeps its record and index until
    // the safe point.
    bool IsLeaving(int company) const;
    // The month's safe point: carries out the removals and mergers asked
    // for, in the order asked, and draws a new turn order after each company
    // that left; the number of companies that left.
    int RemoveLeavingCompanies();
    // Lets one company that holds half or more of another's issued shares
    // absorb it: 1 when a merger was carried out (the caller asks again), 0
    // when no pair qualifies.
    int CheckMergers();
    // The contractor building a structure of the type with its lower-right
    // cell at (x, y) left the game: the site is cleared and its client told.
    void CancelBankruptContracts(int area, int x, int y, int structureType, int contractor);

    // ---- face strips
    // Copies the faces of persons first..last of a table side by side into
    // face strip counter (replacing one of that number) and counts counter
    // on; 1, or 0 when the strip could not be made. A group without faces
    // makes no strip.
    int PackFaceStrips(int& counter, bool governors, int first, int last);
    // Packs again the group of three that person i of a table belongs to,
    // into the strip the group already has.
    void RepackFaceGroup(int i, bool governors);
    int GetFaceStripCount() const { return static_cast<int>(m_game.faceStrips.size()); }

    // ---- new game (VDocNewGame.cpp)
    // The map file (ORIGINAL.MQM when the name is empty) and the character
    // data file, both from the program folder: 1 when the game is set up;
    // 0 after a message.
    int PrepareNewGame(const std::string& mapName);
    int LoadDataFiles(const std::string& mapName);
    // The same from files anywhere.
    int PrepareNewGameFrom(const std::string& mapPath, const std::string& personPath);
    int LoadDataFilesFrom(const std::string& mapPath, const std::string& personPath);
    int ReadPersonDataFile(CArchive& ar);
    // The message of the first data check that fails; "" when the data
    // files hold what a game needs.
    std::string CheckGameData() const;
    int SetupNewGame();
    int SetupEnterprises();
    int SetupEnterprise(int c, int keepName);
    void ChooseStartArea(int c) override;
    int ChooseBestArea(int c, int tries);
    int RateAreaForCompany(const CEnterprise& company, int area, int withOwn) const;
    int AssignCompanyName(int c, int nameIndex);
    int AppointPresident(int c, int person);
    void ChooseCompanyColour(int c) override;
    static int GetColourHue(int red, int green, int blue);

    // ---- saved game (VDocSerialize.cpp)
    void Serialize(CArchive& ar);
    // Saves the whole game; false when the file cannot be written (a file
    // half written is removed).
    bool SaveFile(const std::string& path);
    // Loads a saved game into a fresh document and takes it over only when
    // the whole file loaded: the error value of a failed load (and the game
    // running here untouched), or -1 on success. A file that cannot be
    // opened or ends early gives eMERCAVO_ERROR_FAILED.
    int LoadFile(const std::string& path);
    // The same from bytes.
    int LoadBytes(const std::vector<uint8_t>& bytes);
    std::vector<uint8_t> SaveBytes();

    // ---- closing and saving from the program (VDocClose.cpp)
    // The frame's close asks these: true when the game may close now.
    bool CanCloseFrame();
    bool SaveModified();
    // Saves to path (an empty path asks for one); with replace the document
    // takes the path as its own. 0 when nothing was saved.
    int DoSave(const std::string& path, int replace);
    // Where a saved game keeps the two words that loading it changes: the
    // frame's session state and the load count. false when the bytes are
    // no saved game.
    static bool LocateLoadWords(const std::vector<uint8_t>& saved, size_t& sessionState,
                                size_t& loadCount);
    // Two saved games that differ at most in those two words.
    static bool SameApartFromLoadWords(const std::vector<uint8_t>& a,
                                       const std::vector<uint8_t>& b);
    // The framework's open: loads and on failure lets the frame show the
    // error's text. 1 on success.
    int OnOpenDocument(const std::string& path);
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified) { m_modified = modified; }
    // The file the game was opened from or last saved to as its own; "" for
    // a new game.
    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(const std::string& path) { m_pathName = path; }
    // The name the save question shows: the file's name, or "Untitled".
    std::string GetTitle() const;

    // ---- month steps (VDocMonth.cpp)
    void RunMonthlyCompanyStep();
    void UpdatePersonRelations();
    void RunLeagueMonth();
    void AdvancePlans();
    void RunAreaGovernorMonth();
    void BroadcastGameData();

    // ---- the roles of IDocService (VDocServices.cpp)
    int GetCurrentMonthIndex() override { return GetMonthIndex(); }
    int GetAnnualIncome(int company) override;
    int GetFunds(int company) override;
    int GetDirectorCount(int company) override;
    int GetTotalAreaGrade(int company) override;
    bool IsHumanPlayed(int company) override;
    int GetStockPrice(int company) override;
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
    int FindLotForDirector(const CPersonData& director, int priceLimit, SLotFound& found) override;
    bool CheckReinforcementTask(CPersonData& director) override;
    void ReportPurchaseFailure(int company, int person, int area, int x, int y,
                               int reason) override;
    void ReportResignation(int company, int person) override;
    void ReportHeadhuntFailed(int company, int hunter) override;
    void ReportHeadhuntSucceeded(int company, int hunter, int target) override;
    void ReportHeadhuntLoss(int company, int target, int hunterCompany) override;
    void ReportHeadhuntNotice(int hunter, int target) override;
    bool IsNetworkHost() override;
    void SendPersonState(const CPersonData& person, ePERSON_STATE what) override;
    void SendDirectorList(int company) override;
    void SendRefreshInfo() override;
    CPersonData* GetPlayerPerson() override;
    CEnterprise* GetCompany(int index) override { return GetEnterprise(index); }
    bool GetAreaSize(int area, int& width, int& height) override;
    bool CanManageMoreAreas(int company) override;
    int RateAreaForCompany(int area, int company) override;
    int GetPersonCount() override { return GetDirectorTableSize(); }
    const CLeague* GetLeague(int league) override;
    void SetModified() override { m_modified = true; }
    int GetInitialCompanyCount() override { return GetMap().GetInitialCompanyCount(); }
    int GetMaxCompanyCount() override { return GetMap().GetMaxCompanyCount(); }
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
    // The company's plans, teams and events; property rows.
    CMapDoc* GetMapDoc() override;
    CEnterprise* GetOwnCompany() override;
    // In a network game on a seat that plays: the company of this seat's
    // own peer entry; otherwise the company whose turn it is.
    int GetOwnCompanyIndex();
    // The frame's player table, which knows who waits for the game data;
    // without one the queries read the frame state's peers alone.
    void SetNetPlayers(CNetPlayerTable* players) { m_netPlayers = players; }
    bool IsRemotelyPlayed(int company);
    int CalcLotValue(int area, int x, int y, int month, double& income, double& expense,
                     int withSalary) override;
    void SendCompanyState(int company, eCOMPANY_STATE what) override;
    void SendAreaOwners(int area) override;
    void ReportBuildingBroke(int area, const std::vector<CCellPoint>& cells) override;
    void RouteContractorBankrupt(int area, int x, int y, int param, int contractor) override;
    int AskNewHomeField(int company, int league) override;
    void ChooseHomeField(int company, int league) override;
    void ReportTeamLostStadium(int company, int league) override;
    void IssueTeamSale(int company, int league) override;

    // ---- economics (VDocEconomics.cpp); GetStockPrice,
    // ShareholderPressureRoll and CalcLotValue above are also here.
    // One company's figures of the last revenue step.
    struct SRevenueFigures {
        double sales = 0, profit = 0, cash = 0;
        int payroll = 0, advertising = 0;
    };
    // The month's revenue of every company from its buildings and teams,
    // less payroll and advertising, into its funds: 1 when applied, 0 when
    // nothing was earned or paid (nothing is applied then).
    int CalcMonthlyRevenue();
    // Empty until the first revenue step of the session; one entry per
    // company then.
    const std::vector<SRevenueFigures>& GetRevenueFigures() const { return m_game.revenue; }
    // The December step of the interest rate, announced with every
    // company's debt; in any other month nothing happens.
    void AdjustInterestRate();
    // min(2 x the holder's share of the company, 1)^0.8.
    double GetHoldingWeight(int holder, int company) const;
    // Revenue less cost (with salaries) of every owned lot with a structure
    // in the rectangle (clipped to the area), row by row: CalcLotValue of
    // each such lot, its owner (company index) and cell.
    struct SOwnedLot {
        int x, y, owner;
        double value;
    };
    void ListOwnedLotValues(int area, int x0, int y0, int x1, int y1, int month,
                            std::vector<SOwnedLot>& lots);
    // Which owned lots a listing takes; it may also know a lot's value from
    // an earlier listing, so that the value is not worked out again.
    class ILotSelection {
    public:
        virtual ~ILotSelection() = default;
        // Asked with each owned lot's cell before its value is worked out.
        virtual bool Takes(int x, int y) = 0;
        // The lot's value when known already; false: it is worked out.
        virtual bool Recalls(int x, int y, double& value) = 0;
        // Told the value of each lot that was worked out.
        virtual void Note(int x, int y, double value) = 0;
    };
    // The same, of the lots the selection takes.
    void ListOwnedLotValues(int area, int x0, int y0, int x1, int y1, int month,
                            std::vector<SOwnedLot>& lots, ILotSelection& selection);
    // Funds and debt both fall by the amount.
    void RepayLoan(int company, int amount);
    // The seller sells quantity of its shares of the company (at most those
    // it holds) back at the stock price, into its funds, sales and profit.
    void ApplyStockSale(int seller, int company, int quantity);
    // The company becomes the team's owner and pays the price (in network
    // play only when its player sits at another machine).
    void ApplyProTeamPurchase(int company, int league, int team, int price);
    // The company sells its team of the league: half the team's price, at
    // least 1, into its funds, sales and profit.
    void ApplyProTeamSale(int company, int league);
    // The area's project fund and governor donations; 0 outside the map.
    int GetAreaValue(int area);
    // Companies at level 3 or more in the area.
    int CountStrongCompanies(int area) const;
    // Spreads a loss of amount over the governor's amount and the companies'
    // investments in the area; none of them goes below 0.
    void DiluteAreaInvestments(int area, int amount);
    // How the strongest company's size compares with the builder's, plus
    // the cell's ground height; 0 for a cell outside the map.
    int CalcSiteFactor(int area, int x, int y, int company);
    // The lot price the negotiating director (may be null) pays; -1 outside
    // the map or for a lot that cannot be traded.
    int CalcLotPriceFor(const CPersonData* director, int area, int x, int y) const;

    // ---- directors' tasks
    // One company's month of tasks, the company at the current turn
    // position: head hunts are left to RunHeadhuntingTasks, which runs only
    // those. Each moves the turn on and returns 1 when that company was the
    // last in turn order (and at once without companies), else 0.
    int RunDirectorTasks();
    int RunHeadhuntingTasks();
    // What a director's finished task does, one handler per task kind.
    void CompleteDesignatedPurchase(CPersonData& director);
    void CompleteLandAcquisition(CPersonData& director);
    void CompleteEmployeeRecruiting(CPersonData& director);
    void CompleteTalentSearch(CPersonData& director);
    void CompleteHeadHunting(CPersonData& director);
    void CompleteConstruction(CPersonData& director);
    void CompleteContractConstruction(CPersonData& director);
    void CompleteFundRaising(CPersonData& director);
    void CompleteAdvertising(CPersonData& director);
    void CompleteInvestment(CPersonData& director);
    void CompleteStockPurchase(CPersonData& director);
    // finished 0: broken off because the building is no longer there.
    void CompleteReinforcement(CPersonData& director, int finished);
    void CompleteTeamSupport(CPersonData& director);
    // A job applicant may turn up after the company recruited amount
    // employees: a free person of the director table names it as his former
    // employer.
    void AttractCandidate(int company, int amount);
    // Game end: constructions still under way stand finished (their tasks
    // stay), and governor donations above 50 in the last 12 months count
    // toward each company's area sums.
    void CompletePendingConstructions();
    void SettleAreaFigures();

    // The results of the tasks: shown to the company's player here, or sent
    // to a player at another machine. The questions answer 1 for yes.
    void ReportDesignatedPurchaseRefused(const CPersonData& director, int owner);
    int AskDesignatedSale(int owner, const CPersonData& director, int price, int forced);
    // mode 0: a designated lot's negotiated price, 1: a surveyed lot's; 1
    // only when the funds cover the price and the player agreed.
    int AskDesignatedPurchase(const CPersonData& director, int area, int x, int y, int price,
                              int mode);
    int AskLandPurchase(const CPersonData& director, int area, int x, int y, int price);
    void ReportLandAcquisitionFailed(const CPersonData& director, int area);
    void ReportEmployeesRecruited(const CPersonData& director, int count);
    void ReportLoanApproved(const CPersonData& director, int amount);
    void ReportAdvertisingFinished(const CPersonData& director, int area, int step);
    void ReportInvestmentCompleted(const CPersonData& director, int area, int kind, int grade);
    void ReportNoTalentFound(const CPersonData& director);
    int AskEmployFoundTalent(const CPersonData& director, const CPersonData& found);
    void ShowReinforcementResult(const CPersonData& director, int finished);
    // Log lines and map updates of the results. The purchase moves the cells
    // to the director's company, the price going with the first.
    void ApplyLandPurchase(const CPersonData& director, int area,
                           const std::vector<CCellPoint>& cells, int price);
    void LogEmployeesRecruited(const CPersonData& director, int count);
    // built: the structure type built (-1 a demolition); planned: the one
    // ordered; firstEntry: the first office of any company at level 3 in the
    // area (office: 0 none, 1 an office).
    void ApplyConstructionCompleted(const CPersonData& director, int built, int planned, int office,
                                    int firstEntry);
    void ApplyContractConstructionCompleted(const CPersonData& director, int built, int payment);
    void LogLoanResult(const CPersonData& director, int amount);
    void LogAdvertisingDone(const CPersonData& director, int area);
    void LogInvestmentDone(const CPersonData& director, int area, int kind, int amount);
    void LogBuildingReinforced(const CPersonData& director, int area);
    void LogTeamInvestmentResult(const CPersonData& director, int league, int purpose, int change);

    // ---- land sales, auctions and construction contracts
    // The lot at (x, y) of the area, with the whole structure standing on
    // it, passes to newOwner (company index; -1 nobody), who pays price to
    // the old owner; land, buildings, staff and area levels follow. 1, or
    // 0 with nothing changed for a lot off the map or an unknown company.
    int TransferLot(int area, int x, int y, int newOwner, int price);
    // The same with the director's employer as the new owner (0 for a
    // person without one).
    int TransferLotToDirectorCompany(int area, int x, int y, int director, int price);
    // The month-end settlement of the company's pending lot sale and of
    // the construction it ordered from another company; both are cleared.
    void SettleSaleOrder(int company);
    void SettleContractOrder(int company);
    // The owner of the lot offers it to buyer at price.
    void RunNegotiatedSale(int area, int x, int y, int price, int buyer);
    // 1 when buyer takes the lot offered at price.
    int AskLandSaleOffer(int area, int x, int y, int price, int buyer);
    // RunAuction (with the roles above) sells the lot to the highest
    // bidder at minimum or more and gives the price paid (0: not sold).
    // The bids: 1 with a winner (and its price); without one the price is
    // the minimum.
    int CollectAuctionBids(int area, int x, int y, int minimum, int& winner, int& price);
    // Tells the players how the auction of the lot closed (winner -1: sold
    // to nobody; price below 1: not sold).
    void ReportAuctionResult(int area, int x, int y, int winner, int price, int won);
    // A construction of the structure type at the lot goes to the lowest
    // bid at most the ceiling: 1 when the work was given out.
    int RunTender(int area, int x, int y, int structureType, int ceiling);
    int CollectTenderBids(int area, int x, int y, int ceiling, int structureType, int& winner,
                          int& price);
    // The contractor is offered the construction for price by client (-1:
    // the area's governor): 1 when it took the work.
    int OfferContract(int area, int x, int y, int structureType, int price, int contractor,
                      int client);
    // The price the area's governor offers the company for the structure.
    int CalcGovernorContractPrice(int area, int company, int structureType);
    void ReportDevelopmentContract(int area, int x, int y, int structureType, int price,
                                   int winner);
    void ReportBidFailed(int area, int x, int y, int structureType);

    // ---- governor elections
    // Holds every election due this month (a governor's term is 48 months):
    // 1 when at least one was held.
    int RunDueElections();
    // Holds the area's election now; excluded 1 keeps the incumbent governor
    // from standing.
    void HoldElection(int area, int excluded);

    // ---- random events and fire
    // The month's events: one pass of the roulette draws an event and
    // carries it out. 1 when another pass follows, 0 when the phase is over,
    // -1 when a close request was replayed while messages were dispatched.
    int RunEventRoulette();
    // The event kind of draw r out of 5n + 11a + 2 (n companies, a areas).
    static int EventKindForDraw(int r, int companies, int areas);
    // Carries out one event of kind 0..17.
    void RunEvent(int kind);
    bool AnyCompanyNeedsDirector();
    void ResetMonthlyEvents();
    int GetMonthEventCount() const { return m_monthEventCount; }
    void CountMonthEvent() { ++m_monthEventCount; }
    bool HasLandValueChanged(int area) const;
    void DriftLandValues();
    void LeaguePopularityEvent();
    // company -1: the company is chosen. 1 when a director was recruited.
    int JobApplicantEvent(int company);
    bool DecideApplicantByComputer(int person, int company);
    // The application of the person to the company's player: true = employ.
    bool AskEmployApplicant(int person, int company);
    void LogApplicantRecruited(int company, int person);
    // 1 when a company entered.
    int NewCompanyEvent();
    void StockOfferEvent();
    // 1 when the buyer bought shares of the issuer.
    int ExecuteStockOffer(int buyer, int issuer);
    // skipOut: companies out of the game are passed over. -1 when no company
    // is weak enough.
    int FindWeakCompany(int skipOut);
    // flag 0: the roulette's random pick, 1: every company tested once.
    // 1 when a strike started.
    int StrikeEvent(int flag);
    // area -1: a random one. 1 when the land value changed.
    int ChangeLandValue(int rise, int base, int spread, int area);
    void ApplyLandValueChange(int area, int rise, int amount);
    void Earthquake(int base, int spread);
    void StartFire();
    void LandAuctionEvent();
    void ConstructionBidEvent();
    void PublicWorksContractEvent();
    // The site of a new structure: company -1 for a public tender. 1 when
    // found.
    struct SConstructionSite {
        int area = -1, x = -1, y = -1, structureType = -1;
    };
    int FindConstructionSite(int company, SConstructionSite& site);
    // The area for a public structure whose type asks the land value; -1 none.
    int ChooseSiteArea(int landValue);
    // The price at which a public structure of the type is tendered.
    int CalcTenderPrice(int structureType) const;
    void ExpoEvent();
    // 1 when the EXPO was planned.
    int PlanExpo(int area);
    void RunExpos();
    void OpenExpo(int area);
    void CloseExpo(int area);
    void DonationScandalEvent();
    // The whole fire from its start cell.
    int SpreadFire(int area, int x, int y);
    int IsFireproofCell(int area, int x, int y);
    // The number of passes of the last fire.
    int GetLastFirePasses() const { return m_lastFirePasses; }

private:
    // Everything a saved game holds, kept together so that a loaded game
    // replaces the running one in one step.
    struct SGame {
        SGame();
        int loadCount = 0;
        int personChecksum = 0;
        int playYears = 10;
        int year = 0;
        int month = 0;
        int startingPlayers = 0;
        int humanPlayers = 0;
        std::vector<CEnterprise> companies;
        int firstYearCandidates = 0;
        std::vector<CPersonData> directors;
        std::vector<CPersonData> governors;
        int governorFaces = 0;
        std::string authorName;
        CMemBlock authorMark;
        int interestRate = 0;
        // Row i = company i: the shares it issued, then the shares of it
        // held by companies 0..n-1.
        std::vector<int> stock;
        int turnPosition = 0;
        std::vector<int> turnOrder;
        int reservedWord = 1;
        int viewDirection = 2;
        int waitTime = 20;
        int activityReport = 1;
        int savedArea = 0;
        std::unique_ptr<CMapDoc> map;
        // Strip s holds the faces of one group of three persons.
        std::vector<std::unique_ptr<CBitmap>> faceStrips;
        bool loadedGame = false;
        // Not saved: companies asked to leave (absorber -1: dropped), kept
        // until the month's safe point.
        struct SLeaving {
            int company;
            int absorber;
        };
        std::vector<SLeaving> leaving;
        // Not saved: the figures of the last revenue step.
        std::vector<SRevenueFigures> revenue;
        // Not saved: the broken-building report being received, from its
        // head (area, cell count) to its last block of cells.
        struct SBrokeReceipt {
            int area = -1;
            int count = 0;
            std::vector<CCellPoint> cells;
        } brokeReceipt;
    };

    size_t StockIndex(int company, int holder) const;
    std::vector<CPersonData>& Table(bool governors) {
        return governors ? m_game.governors : m_game.directors;
    }
    int ComputeGovernorFaces() const;

    // Saved game.
    void Store(CArchive& ar);
    void Load(CArchive& ar);
    void LoadCalendar(CArchive& ar);
    void LoadCompanies(CArchive& ar);
    void LoadPersons(CArchive& ar);
    void LoadPersonTable(CArchive& ar, bool governors, int count, int& stripCounter);
    void LoadTurnsAndStock(CArchive& ar);
    void LoadAuthor(CArchive& ar);
    void LoadSettings(CArchive& ar);
    void ValidateLoadedGame() const;
    int LoadFrom(CArchive& ar);

    // New game.
    void TakePersons(const CPersonDataFile& file);
    void AppointAreaGovernors();
    int ChoosePresident(int c);
    int DrawFreeCompanyName() const;

    // Companies leaving the game.
    void RenumberPersons(int removed);
    // Moves every company but the removed one into companies (memory reserved
    // by the caller) and takes that array.
    void ReplaceCompanies(int removed, std::vector<CEnterprise>& companies);
    // After company i left: the requests naming it are void, later indexes
    // move down.
    void RenumberLeaving(int removed);
    // The first pair (absorbed, absorber) of a random order of the companies
    // in which the absorber holds half or more of the absorbed one's shares.
    bool FindMergerPair(int& absorbed, int& absorber);
    // After a company left: the peers are told, a new turn order is drawn and
    // the area buttons show the first area again.
    void AnnounceCompanyLeft(int company);
    void SendCompanyNotice(int code, int company, int other);
    void SendCompanyRemoved(int company);

    // Month steps.
    void UpdateRelationToward(CPersonData& person, int company);

    // ---- directors' tasks
    // Runs the tasks of the company at the turn position (headHunts: only
    // kind 5, else all others) and moves the turn on.
    int RunTurnTasks(bool headHunts);
    void CompleteTask(CPersonData& director);
    // What every handler ends with: experience, the task cleared, the panels
    // refreshed, the plan step released (done 0: tried again).
    void FinishTask(CPersonData& director, int done);
    // The task's company; nullptr for a director without employer.
    CEnterprise* TaskCompany(const CPersonData& director);
    // The company's player sits at this machine and is asked; a company
    // played elsewhere goes to the network, an away player answers no.
    bool IsAskable(int company);
    bool ReportsActivity(int company);
    void LogLine(int company, const std::string& line);
    // "    <name> headed the <n> month project."
    void LogProjectLine(const CPersonData& director);
    // The price a director agrees for a designated lot.
    int NegotiateDesignatedPrice(const CPersonData& director, int area, int x, int y, int owner);
    bool IsOwnerWilling(int owner, const CPersonData& director, int price);
    // The neighbouring lot of a found lot, offered with it when free.
    bool TakeNeighbourLot(const CPersonData& director, std::vector<CCellPoint>& cells, int& price);
    // Kind 4: the person found, nullptr for none.
    CPersonData* SearchTalent(const CPersonData& director, const CEnterprise& company);
    void EmployFoundTalent(CPersonData& director, CPersonData& found);
    // The structure type a construction of type s builds on the site: code
    // 71 types may turn out as the next entry of the table.
    int ChooseBuiltStructure(int s, int area, int x, int y, int company);
    // Puts a finished structure on its site (anchor at the target cell).
    void PlaceStructure(const CPersonData& director, int area, int x, int y, int structureType);
    void DemolishSite(int area, int x, int y, int width, int height);
    // An office of the company in the area: its level (and, withHistory, the
    // market entry in its history).
    void SetOfficeLevel(CEnterprise& company, int area, int code, bool withHistory);
    void RedrawSite(int area, int x0, int y0, int x1, int y1);

    // ---- land sales, auctions and construction contracts
    // The lot's structure (or the lot alone) blinks on the map.
    void MarkLot(int area, int x, int y);
    // The site of a structure of the type whose lower-right cell is (x, y):
    // false when the type is not in the map's table or the site does not lie
    // wholly in the area's grid.
    bool GetSiteRect(int area, int x, int y, int structureType, CCellPoint& first);
    // The director the player named when he is one of the company's own
    // and free, else its first free director; -1 when all are busy.
    int ChosenOrFreeDirector(const CEnterprise& company, int person);

    // Economics: the parts of the revenue step. A true result says that
    // the month's figures are worth applying.
    bool SumBuildingRevenue(std::vector<SRevenueFigures>& work);
    void SumTeamRevenue(std::vector<SRevenueFigures>& work);
    bool SumRunningCosts(std::vector<SRevenueFigures>& work);
    void AddSalesMilestones(CEnterprise& company);
    // What a lot's figures share with the other lots of its area and owner:
    // (population x 10)^0.7, and G(a)^0.8 + G(all)^0.8 of the owner (0
    // without one).
    struct SLotTerms {
        double population = 0, grades = 0;
    };
    // CalcLotValue for a cell known to lie in the map and a month in -1..11.
    int AddLotValue(int area, int x, int y, int month, const SLotTerms& terms, double& income,
                    double& expense, int withSalary);
    // The draw of team t of the league at its home field; 0 without one.
    int RateHomeField(const CProTeam& team, int league, int t) const;

    // ---- random events and fire
    // Dispatches the pending messages with the pumping flag set: 1 when a
    // close request was replayed meanwhile.
    int DispatchPendingMessages();
    // The stock offer's candidates when no company is weak.
    int ChooseStockBuyer();
    bool IsApplicantSuitable(const CPersonData& person) const;
    int ChooseApplicantCompany();
    void RecruitApplicant(int company, int person);
    int ChooseContractCompany(int area);
    void ExposeDonations(int area, std::vector<int>& exposed);
    // Appends a fresh computer company; false when it could not be made.
    bool AppendNewCompany();
    void PlaceExpoSite(int area, int site, int structureType);
    // The governor's contract for a public structure offered to the company,
    // and the construction tender for one.
    void OfferPublicContract(int company, int area, int x, int y, int structureType);
    void RunPublicTender(int area, int x, int y, int structureType);
    // One pass of a fire; the number of cells set burning.
    struct SFire;
    int RunFirePass(SFire& fire);
    void MarkFireNeighbours(SFire& fire, int x, int y);
    void BurnCell(SFire& fire, int x, int y);
    void ExplodeStructure(SFire& fire, CCellPoint anchor, CCellPoint first);
    void SetCellBurning(int area, int x, int y);
    void RemoveLostStructures(int area, const std::map<int, CCellPoint>& lostAnchors, int cause);
    // Not saved: the events of the current month.
    int m_monthEventCount = 0;
    std::vector<int> m_landValueChanged;
    int m_lastFirePasses = 0;

    SGame m_game;
    // Not saved.
    int m_requestedCompanies = 0;
    bool m_modified = false;
    std::string m_pathName;
    // The size of the saved form when the game was last loaded or saved: a
    // save makes room for that much at once.
    size_t m_storedSize = 0;
    CPersonData m_sparePerson;
    CFrameState m_ownFrame;
    CFrameState* m_frame = &m_ownFrame;
    CNetPlayerTable* m_netPlayers = nullptr;
    std::unique_ptr<COrderService> m_orders;
    std::unique_ptr<COrderCommands> m_commands;
};
