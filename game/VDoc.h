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
#include <memory>
#include <string>
#include <vector>

#include "model/AreaLimits.h"
#include "model/FrameState.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
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
    void SetFrameState(CFrameState* frame) { m_frame = frame ? frame : &m_ownFrame; }
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
    int NextTurn();
    void ResetTurnPosition() { m_game.turnPosition = 0; }
    int GetTurnPosition() const { return m_game.turnPosition; }
    void SetTurnOrderEntry(int p, int company);

    // ---- stock matrix
    int GetStockHolding(int company, int holder) override;
    void SetStockHolding(int company, int holder, int value) override;
    double GetShareRatio(int company, int holder) const;
    void InitIssuedShares();

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
    // The framework's open: loads and on failure lets the frame show the
    // error's text. 1 on success.
    int OnOpenDocument(const std::string& path);
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified) { m_modified = modified; }

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
    int CalcLotValue(int area, int x, int y, int month, double& income, double& expense,
                     int withSalary) override;
    void SendCompanyState(int company, eCOMPANY_STATE what) override;
    void SendAreaOwners(int area) override;
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

    // ---- land sales, auctions and construction contracts

    // ---- governor elections

    // ---- random events and fire

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

    SGame m_game;
    // Not saved.
    int m_requestedCompanies = 0;
    bool m_modified = false;
    // The size of the saved form when the game was last loaded or saved: a
    // save makes room for that much at once.
    size_t m_storedSize = 0;
    CPersonData m_sparePerson;
    CFrameState m_ownFrame;
    CFrameState* m_frame = &m_ownFrame;
    std::unique_ptr<COrderService> m_orders;
    std::unique_ptr<COrderCommands> m_commands;
};
