#pragma once
// The records of class 300 group 02 that concern one person: its changing
// state (employer, salary, task, experience, amounts, relations toward the
// companies) as the network host sends it. The header carries the table
// flag (1 the governors, anything else the directors) and the person number
// ("%d%04d"); the document's dispatch reads them and hands the rest here.
// The person's profile (kind, age, abilities, names, faces) is never sent:
// every program loads it from the same character data file.

#include <vector>

#include "model/NetRecordBuilder.h"

class CNetRecordReader;
class CPersonData;

class CNetPersonRecords {
public:
    enum eCode {
        eRELATIONS = 0,
        eSTATUS = 1,
        eSALARY = 2,
        eTASK = 3,
        eEXPERIENCE = 5,
        eAMOUNTS = 7,
        eRECORD = 10,
        eSTATE = 101,
    };
    static constexpr int kGroup = 2;
    // The widest person number the header carries.
    static constexpr int kMaxPersonNumber = 9999;

    // What the receiving document offers the checks.
    struct SContext {
        int companyCount = 0;
        int areaCount = 0;
        // The longest relation array a person may hold (the map's most
        // companies).
        int maxRelations = 0;
        bool governor = false;
    };

    // table: 1 for the governors' table, 0 for the directors'.
    static CNetRecordBuilder Head(int code, int table, int person);
    // The record of one code for the person (its own index and table).
    static CNetRecordBuilder Build(const CPersonData& p, int code);

    // The reader stands behind the person number. False, nothing changed,
    // when a read or a check fails.
    static bool Apply(CPersonData& p, int code, CNetRecordReader& in, const SContext& context);

private:
    struct STask;
    static void AppendRelations(CNetRecordBuilder& b, const CPersonData& p);
    static void AppendTask(CNetRecordBuilder& b, const CPersonData& p, bool whole);
    static void AppendExperience(CNetRecordBuilder& b, const CPersonData& p);
    static bool ReadRelations(CNetRecordReader& in, const SContext& context,
                              std::vector<int>& relations);
    static bool ReadTask(CNetRecordReader& in, const SContext& context, bool whole, STask& task);
    static void StoreTask(CPersonData& p, const STask& task, bool whole);
};
