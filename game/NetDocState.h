#pragma once
// The game document's side of the network state transfer: the records of
// class 300 group 00 (document values), the block records of group 02
// (200-203), the whole game state for a participant who starts or joins,
// the lobby refresh, the dispatch of every received class-300 record to the
// document, its companies, persons and map, and the broken-building report.
//
// Senders run on the host and take a target: a player number, or -1 for
// every other participant. Receivers run on the clients. Every record is
// read whole into copies and checked against this document before anything
// changes; a refused record changes nothing and leaves a "]Receive error:"
// line in the network log.

#include <functional>
#include <string>
#include <vector>

#include "model/CellPoint.h"
#include "model/NetRecordBuilder.h"
#include "model/NetRecordBytes.h"

class CNetRecordReader;
class CVDoc;

class CNetDocState {
public:
    enum eCode {
        eSTOCK_ROW = 0,
        eTURN_ORDER = 1,
        eLAND_VALUE = 2,
        eCALENDAR = 3,
        eINTEREST = 4,
        eTURN_STATE = 5,
        eGOVERNOR_AMOUNTS = 7,
        eADD_COMPANY = 10,
        eHEADER = 100,
    };
    enum eBlock { eEMPLOYMENT = 200, eTASK_PROGRESS = 201, eALL_FUNDS = 202, ePERSON_STATUS = 203 };
    static constexpr int kDocGroup = 0;
    static constexpr int kPersonGroup = 2;
    // Governors' amounts one 00/007 carries; further areas' governors get
    // theirs through 02/007.
    static constexpr int kMaxAmountAreas = 49;
    // Rows of the block records.
    static constexpr int kEmploymentRows = 3;
    static constexpr int kTaskRows = 50;
    static constexpr int kFundsRows = 20;
    static constexpr int kStatusRows = 44;

    using LogLine = std::function<void(const std::string&)>;

    // log: where "]Receive error:" lines go (the network window's log).
    explicit CNetDocState(CVDoc& doc, LogLine log = {});

    // ---- group 00 builders
    CNetRecordBuilder BuildHeader(int recreate) const;
    // company -1: every row, one record each.
    std::vector<CNetRecordBuilder> BuildStockRows(int company) const;
    CNetRecordBuilder BuildTurnOrder() const;
    static CNetRecordBuilder BuildLandValueChange(int area, int rise, int amount);
    CNetRecordBuilder BuildCalendar() const;
    CNetRecordBuilder BuildInterestRate() const;
    CNetRecordBuilder BuildTurnState() const;
    // 00/007 for the first areas, 02/007 for the governors of the rest.
    std::vector<CNetRecordBuilder> BuildGovernorAmounts() const;
    static CNetRecordBuilder BuildAddCompany();

    // ---- group 02 blocks
    std::vector<CNetRecordBuilder> BuildDirectorEmployment() const;
    std::vector<CNetRecordBuilder> BuildTaskProgress() const;
    std::vector<CNetRecordBuilder> BuildAllFunds() const;
    std::vector<CNetRecordBuilder> BuildPersonStatus(int table) const;

    // ---- composite transfers, in sending order
    std::vector<CNetRecordBuilder> BuildAllGameData() const;
    // The lobby refresh: the records for the target and those for everyone.
    void BuildJoinerRefresh(std::vector<CNetRecordBuilder>& toTarget,
                            std::vector<CNetRecordBuilder>& toAll) const;
    void SendAllGameData(int target) const;
    // A company founded during the game: the document gains it, its
    // record, the names in use, the stock matrix, and the persons'
    // relations toward it (drawn on the host).
    std::vector<CNetRecordBuilder> BuildNewCompany(int company) const;
    void SendNewCompany(int company) const;
    void SendJoinerRefresh(int target) const;
    // What the clients hold of the companies' histories and the computer
    // companies' plans: the record texts last sent, by company.
    struct SMonthSent {
        std::vector<std::vector<std::string>> history;
        std::vector<std::vector<std::string>> plans;
    };
    // The changes that the month's steps send no record for: the history
    // records of each company that differ from those sent (its entry count
    // first), and the plans of each computer company whose plans differ.
    // sent then holds what the clients hold.
    std::vector<CNetRecordBuilder> BuildMonthChanges(SMonthSent& sent) const;
    void SendMonthChanges(SMonthSent& sent) const;
    // Every company's per-area records (01/021) to every participant: the
    // figures that a lost structure or a fire changes.
    std::vector<CNetRecordBuilder> BuildAllCompanyFigures() const;
    void SendAllCompanyFigures() const;

    // ---- receiving: a class-300 record of groups 00 to 03. True when it
    // was applied; false when it was refused (and logged).
    bool OnTransferRecord(const NetRecordBytes& record);
    // The broken-building report of class 400 (02/053, 02/054).
    bool OnBuildingBrokeRecord(const NetRecordBytes& record);

    // ---- the broken building, as every program shows it
    // Host: sends the report to every participant, then shows it here;
    // then sends the cells it changed and the owners' area records, since
    // a demolition leaves ruins of a kind drawn here.
    void SendBuildingBroke(int area, const std::vector<CCellPoint>& cells);
    // Returns the cells the broken structures covered.
    std::vector<CCellPoint> ShowBuildingBroke(int area, const std::vector<CCellPoint>& cells);

private:
    bool ApplyDoc(int code, CNetRecordReader& in);
    bool ApplyHeader(CNetRecordReader& in);
    bool ApplyStockRow(CNetRecordReader& in);
    bool ApplyTurnOrder(CNetRecordReader& in, bool withPosition);
    bool ApplyGovernorAmounts(CNetRecordReader& in);
    bool ApplyAddCompany();
    bool ApplyPersonGroup(int code, CNetRecordReader& in);
    bool ApplyEmployment(CNetRecordReader& in);
    bool ApplyTaskProgress(CNetRecordReader& in);
    bool ApplyAllFunds(CNetRecordReader& in);
    bool ApplyPersonStatus(CNetRecordReader& in);
    bool ApplyCompanyGroup(int code, CNetRecordReader& in);
    bool ReadPermutation(CNetRecordReader& in, int width, std::vector<int>& order);
    // Reads f and l of a block and checks 0 <= f <= l < size, at most rows.
    bool ReadBlock(CNetRecordReader& in, int size, int rows, int& first, int& last);
    bool Refused(int group, int code, const CNetRecordReader& in);

    CVDoc& m_doc;
    LogLine m_log;
};
