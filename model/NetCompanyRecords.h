#pragma once
// The records of class 300 group 01: one company's state as the network
// host sends it to the players. Every record names the company by its
// number ("%04d") behind the code; the builders write it, the document's
// dispatch reads it and hands the rest to Apply.
//
// A received record is read whole into copies and checked against the
// receiving document (its area count, its directors' table, the stored
// limits) before the company changes: a record that fails any check changes
// nothing.

#include <functional>
#include <string>
#include <vector>

#include "model/NetRecordBuilder.h"

class CEnterprise;
class CNetRecordReader;
class CPersonData;

class CNetCompanyRecords {
public:
    enum eCode {
        eAREA_GRADES = 0,
        eSTRIKE = 1,
        eFUNDS = 3,
        eSTAFF_FIGURES = 6,
        eDIRECTORS = 7,
        eTEAMS = 8,
        eADVICE = 9,
        ePAST_YEARS = 10,
        ePAST_YEARS_MORE = 11,
        eMONTHLY_SERIES = 14,
        eMONTHLY_EXPENSES = 15,
        eMONTHLY_TABLE = 16,
        eEVENT_COUNTER = 17,
        eYEAR_END_PRICE = 18,
        eBIDS = 19,
        eAREA_RECORD = 21,
        ePLAN_COUNT = 22,
        ePLAN = 23,
        eHISTORY_COUNT = 24,
        eHISTORY_ENTRIES = 25,
        eDIRECTOR_RELATIONS = 26,
        eMONTH_END = 30,
        ePROCESSED = 50,
        eFULL = 100,
    };
    static constexpr int kGroup = 1;
    // Advice items one record carries, and past years per record.
    static constexpr int kMaxAdvice = 16;
    static constexpr int kYearsPerRecord = 20;
    // The widest person index the records carry ("%03d").
    static constexpr int kMaxPersonIndex = 999;

    // What the receiving document offers the checks.
    struct SContext {
        int areaCount = 0;
        // The directors' table: staff indices point into it.
        std::vector<CPersonData>* directors = nullptr;
        int companyCount = 0;
        // The company's place in the array, which the full record stores
        // as its number.
        int number = 0;
    };

    // ---- builders: the records of one company, in sending order
    static CNetRecordBuilder Head(int code, int company);
    // The full record; without staff when the list does not fit (then
    // BuildAll sends 007 right behind it).
    static CNetRecordBuilder BuildFull(const CEnterprise& c, bool withStaff);
    static bool FullFitsStaff(const CEnterprise& c);
    static CNetRecordBuilder BuildAreaGrades(const CEnterprise& c);
    static CNetRecordBuilder BuildStrike(const CEnterprise& c);
    static CNetRecordBuilder BuildFunds(const CEnterprise& c);
    static CNetRecordBuilder BuildStaffFigures(const CEnterprise& c);
    static CNetRecordBuilder BuildDirectors(const CEnterprise& c);
    static CNetRecordBuilder BuildTeams(const CEnterprise& c);
    static CNetRecordBuilder BuildAdvice(const CEnterprise& c);
    static std::vector<CNetRecordBuilder> BuildPastYears(const CEnterprise& c);
    static CNetRecordBuilder BuildMonthlySeries(const CEnterprise& c);
    static CNetRecordBuilder BuildMonthlyExpenses(const CEnterprise& c);
    static CNetRecordBuilder BuildMonthlyTable(const CEnterprise& c);
    static CNetRecordBuilder BuildEventCounter(const CEnterprise& c);
    static CNetRecordBuilder BuildYearEndPrice(const CEnterprise& c);
    static CNetRecordBuilder BuildBids(const CEnterprise& c);
    // element -1: every element; -2 - j: element j only; e >= 0: element 0
    // and then element e + 1 (area e).
    static std::vector<CNetRecordBuilder> BuildAreaRecords(const CEnterprise& c, int element);
    // History entries from first on (024 first when first is 0).
    static std::vector<CNetRecordBuilder> BuildHistory(const CEnterprise& c, size_t first = 0);
    static std::vector<CNetRecordBuilder> BuildPlans(const CEnterprise& c);
    // director: the person of a directors' table index, nullptr outside.
    static CNetRecordBuilder BuildDirectorRelations(
        const CEnterprise& c, const std::function<const CPersonData*(int)>& director);
    static CNetRecordBuilder BuildMonthEnd(const CEnterprise& c);
    static CNetRecordBuilder BuildProcessed(const CEnterprise& c, int flag);
    // The company's share of the whole game state.
    static std::vector<CNetRecordBuilder> BuildAll(const CEnterprise& c);

    // ---- the receiver: reader positioned behind the company number.
    // False (nothing changed) when the record fails a read or a check.
    static bool Apply(CEnterprise& c, int code, CNetRecordReader& in, const SContext& context);

private:
    static CNetRecordBuilder& AppendAreaRecord(CNetRecordBuilder& b, const CEnterprise& c,
                                              int element);
    static bool ApplyFull(CEnterprise& c, CNetRecordReader& in, const SContext& context);
    static bool ApplyAdvice(CEnterprise& c, CNetRecordReader& in);
    static bool ApplyPastYears(CEnterprise& c, CNetRecordReader& in, bool more);
    static bool ApplyAreaRecord(CEnterprise& c, CNetRecordReader& in);
    static bool ApplyHistoryCount(CEnterprise& c, CNetRecordReader& in);
    static bool ApplyHistoryEntries(CEnterprise& c, CNetRecordReader& in);
    static bool ApplyPlanCount(CEnterprise& c, CNetRecordReader& in);
    static bool ApplyPlan(CEnterprise& c, CNetRecordReader& in);
    static bool ApplyDirectors(CEnterprise& c, CNetRecordReader& in, const SContext& context);
    static bool ApplyDirectorRelations(CEnterprise& c, CNetRecordReader& in,
                                       const SContext& context);
    static bool ApplyMonthEnd(CEnterprise& c, CNetRecordReader& in);
    static bool ApplySmall(CEnterprise& c, int code, CNetRecordReader& in);
};
