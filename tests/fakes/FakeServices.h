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

#include "model/services/Services.h"

class CBD;
class CBitmap;
class CEnterprise;

class CFakeFrameService : public IFrameService {
public:
    void SetPumping(int flag) override;
    int CheckCloseRequest() override;
    bool PumpOneMessage(int maxWaitMs) override;
    bool WasKeyPressed(int key) override;
    int ShowMessageBox(const std::string& text, unsigned style) override;
    void Beep() override;
    void RefreshInfoPanels() override { calls.push_back("RefreshInfoPanels"); }

    // Scripting: a key counts as pressed from now on until queried.
    void PressKey(int key) { m_pressed.insert(key); }
    // Messages the pump dispatches, one per call, in order.
    std::deque<std::function<void()>> pendingMessages;
    bool closeRequested = false;
    // What ShowMessageBox answers (1 = OK).
    int messageBoxAnswer = 1;
    std::vector<std::string> messages;
    int beepCount = 0;

    std::vector<std::string> calls;
    int pumpCount = 0;

private:
    std::set<int> m_pressed;
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
    std::vector<Sent> sent;
};

class CFakeDocService : public IDocService {
public:
    int GetWaitTime() override { return waitTime; }
    int waitTime = 0;
    int GetCurrentMonthIndex() override { return currentMonthIndex; }
    int currentMonthIndex = 0;

    int GetCompanyCount() override { return static_cast<int>(companies.size()); }
    int GetAnnualIncome(int company) override { return Company(company).annualIncome; }
    int GetFunds(int company) override { return Company(company).funds; }
    int GetDirectorCount(int company) override { return Company(company).directorCount; }
    int GetTotalAreaGrade(int company) override { return Company(company).totalAreaGrade; }
    bool IsHumanPlayed(int company) override { return Company(company).human; }
    int GetStockPrice(int company) override { return Company(company).stockPrice; }
    int GetStockHolding(int company, int holder) override;
    CPersonData* GetDirector(int index) override;
    void AddDirector(int company, int person) override;
    void RemoveDirector(int company, int person) override;
    void DropDirectorPlan(int company, int person) override;
    int GetCellOwner(int area, int x, int y) override { return Cell(area, x, y).owner; }
    int GetCellStructure(int area, int x, int y) override { return Cell(area, x, y).structure; }
    bool IsProjectCell(int area, int x, int y) override { return Cell(area, x, y).project; }
    int GetStructureTypeCode(int type) override;
    const CBD* GetLandType(int index) override { return Entry(landTypes, index); }
    const CBD* GetStructureType(int index) override { return Entry(structureTypes, index); }
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
    bool IsNetworkHost() override { return networkHost; }
    void SendPersonState(const CPersonData& person, ePERSON_STATE what) override;
    void SendDirectorList(int company) override;
    void SendRefreshInfo() override { calls.push_back("SendRefreshInfo"); }
    int GetPlayState() override { return playState; }
    CPersonData* GetPlayerPerson() override { return playerPerson; }
    CEnterprise* GetCompany(int index) override {
        return index >= 0 && index < static_cast<int>(enterprises.size())
                   ? enterprises[size_t(index)]
                   : nullptr;
    }
    bool GetAreaSize(int area, int& width, int& height) override;
    bool CanManageMoreAreas(int company) override;
    int RateAreaForCompany(int area, int company) override;

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
