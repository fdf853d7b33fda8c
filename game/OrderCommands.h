#pragma once
// The player's order commands: what happens when the player of this machine
// picks an order from the menu or clicks a cell of the map in one of the
// pick modes. Each command chooses the acting director, asks for the
// order's details in a dialog, shows the director's confirmation and, when
// the player confirms, issues the order through the order catalogue with
// send set. Infeasible clicks get a report or a beep, never an order; a
// cancelled dialog or confirmation changes nothing.
//
// The commands act for the company whose turn it is, and where an area is
// needed for the area the map shows. The dialogs, reports and the frame's
// pick state are the services'; the commands keep no state of their own.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/CellPoint.h"

class CBD;
class CEnterprise;
class CPersonData;
class CVDoc;
struct SOrderReport;
struct SPersonDialog;
struct SPropertyDialog;

class COrderCommands {
public:
    // The prompts of SelectDirector.
    static constexpr int kPromptLand = 0;
    static constexpr int kPromptDesignated = 1;
    static constexpr int kPromptEmployees = 2;
    static constexpr int kPromptManagement = 3;
    static constexpr int kPromptHeadhunting = 4;
    static constexpr int kPromptLoan = 5;
    static constexpr int kPromptAdvertising = 6;
    static constexpr int kPromptInvestment = 7;
    static constexpr int kPromptConstruction = 8;
    static constexpr int kPromptStock = 9;
    static constexpr int kPromptTeamSupport = 10;
    static constexpr int kPromptAbandon = 11;
    // The modes of SelectDirectorOrOutside.
    static constexpr int kModeConstruction = 0;
    static constexpr int kModeStockCompany = 1;
    static constexpr int kModeReinforcement = 2;
    static constexpr int kModeDemolition = 3;
    // The map pick modes of the stadium picks.
    static constexpr int kPickTeamPurchase = 7;
    static constexpr int kPickHomeField = 9;

    explicit COrderCommands(CVDoc& doc) : m_doc(doc) {}
    COrderCommands(const COrderCommands&) = delete;
    COrderCommands& operator=(const COrderCommands&) = delete;

    // ---- choosing the acting director (OrderCommands.cpp)
    // The director the player picks for the prompt: a person index, or -1
    // (cancelled, or no free director when the prompt is not abandoning).
    int SelectDirector(int company, int prompt, int value);
    // A director or an outside entry (ids, each with its unavailable value):
    // the chosen id, outside telling which; -1 when cancelled.
    int SelectDirectorOrOutside(int company, int dialogValue, const std::vector<int>& ids,
                                const std::vector<int>& unavailable, bool& outside, int mode,
                                int value);
    // A director of another company, as a person index; -1 none.
    int SelectHeadhuntingTarget();

    // ---- menu commands (OrderCommands.cpp, OrderCommandsTeams.cpp)
    void DoAcquireLand();
    void DoRecruitEmployees();
    void DoRecruitManagement();
    void DoHeadhunting();
    void DoLoan();
    void DoRepayLoan();
    void DoAdvertising();
    void DoPurchaseStock();
    void DoSellStock();
    void DoAdvice();
    void DoShowScore();
    void DoPurchaseProTeam();
    void DoSellProTeam();
    void DoFinancialSupport();
    void DoChangeHomeField();
    void DoAbandonProject();
    void DoLayoff();
    void DoRealEstatePortfolio();
    void DoInvestment();
    // Reinforcement of a building chosen from the list of the area's.
    void DoAreaPortfolio();

    // ---- map clicks (OrderCommandsMap.cpp); a negative coordinate or a
    // cell outside the area shown is ignored.
    void OnMapDesignatedPurchase(CCellPoint cell);
    void OnMapSellRealEstate(CCellPoint cell);
    // Builds the structure type of pick parameter 0, or demolishes (-1).
    void OnMapConstruction(CCellPoint cell);
    void OnMapReinforceBuilding(CCellPoint cell);
    // The stadium of the league (pick parameter 0) and team (parameter 1).
    void OnMapHomeField(CCellPoint cell);
    // Starts the stadium pick of the team: for its purchase, or for a move
    // of its home field.
    void BeginHomeFieldSelection(int league, int team, int purchase);

    // Why no other company can take a construction click's work on contract
    // (the value the choice dialog shows beside each company): 0 it can, 1 a
    // contract is already pending, 3 the funds fall short of the price, 2 an
    // office or a demolition, which are never given out. Later reasons win.
    static int OutsourcingValue(bool demolition, bool office, bool contractPending,
                                bool fundsShort);
    // A director of the company has a task in the area (the construction
    // choice offers its types by the same reading).
    static bool HasDirectorWorkingIn(const CEnterprise& company, int area);

private:
    // The company of this machine's player; -1 none.
    int OwnIndex();
    CEnterprise* Own();
    CPersonData* Person(int person);
    // The area the map shows, -1 when it shows none.
    int ViewArea();
    bool IsInViewArea(int area, CCellPoint cell);
    // The acting director: the first one, or the player's choice when the
    // company has more than one; -1 ends the command.
    int ChooseDirector(CEnterprise& company, int prompt);
    // The acting director of the company played here, once he confirmed
    // the line as his report; -1 ends the command.
    int ConfirmedDirector(int prompt, const std::string& line);
    // SelectDirector, the directors in refused not selectable.
    int SelectDirectorExcept(int company, int prompt, int value, const std::set<int>& refused);
    void AddDirectorEntries(SPersonDialog& dialog, const CEnterprise& company, bool busy,
                            const std::set<int>& refused);
    // A person dialog's answer: the id when it names a selectable entry.
    static int CheckedChoice(const SPersonDialog& dialog, int id, bool outside);
    bool HasFreeDirector(const CEnterprise& company);
    // The person index of a director of the company; -1 none.
    static int StaffIndexOf(const CEnterprise& company, const CPersonData* director);
    // The leagues in which the company owns a team, with the team.
    std::vector<std::pair<int, int>> OwnedTeams(const CEnterprise& company);
    bool IsLeagueTeam(int league, int team);
    // The cells of the area that the company owns and that are the anchor
    // of their structure (or bare); buildingsOnly: only those carrying a
    // structure not of code 45.
    std::vector<CCellPoint> PortfolioCells(int company, int area, bool buildingsOnly);
    SPropertyDialog PortfolioDialog(int company, int area, bool buildingsOnly);
    // The team dialog of the mode over the company's teams: the owned team
    // chosen, or none.
    std::optional<std::pair<int, int>> AskOwnedTeam(const CEnterprise& company, int mode,
                                                    int& purpose);
    // The company and the area shown for a click on the cell; false when
    // the click is to be ignored.
    bool ClickTarget(CCellPoint cell, CEnterprise*& company, int& area);

    // Reports.
    bool Confirm(int company, int person, std::vector<std::string> lines,
                 const std::string& caption = "");
    void Show(int company, int person, std::vector<std::string> lines);
    // side 1: a sale; 0: a construction.
    void ShowLandUseConflict(int company, int area, int left, int top, int right, int bottom,
                             int side);
    // Whether a pending deal of the company covers the rectangle (and the
    // report was shown).
    bool HasLandUseConflict(int company, int area, int left, int top, int right, int bottom,
                            int side);
    std::string CompanyName(int company);
    std::string PersonName(int person);
    // The months the director needs to build the structure type.
    static int ConstructionMonths(const CPersonData& director, const CBD& type);

    // Map clicks.
    void EndConstructionPick(bool ordered);
    // The company a stadium pick is for: a team's owner moves its team.
    int HomeFieldCompany(int league, int team);

    CVDoc& m_doc;
};
