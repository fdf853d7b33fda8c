#include "model/NetPersonRecords.h"

#include <array>
#include <algorithm>
#include <cstdint>

#include "model/NetRecordReader.h"
#include "model/NetStateOut.h"
#include "model/PersonData.h"

namespace {

bool ReadIn(CNetRecordReader& in, int width, int& value, int lo, int hi, const char* field) {
    if (!in.ReadInt(width, value, field)) return false;
    return (value >= lo && value <= hi) || in.Refuse(field);
}

}  // namespace

struct CNetPersonRecords::STask {
    int progress = 0, kind = 0, area = -1, x = -1, y = -1, work = 0, workLeft = 0;
    std::array<int, CPersonData::kTaskParamCount> params{};
    std::array<int, CPersonData::kAbilityCount> experience{};
};

CNetRecordBuilder CNetPersonRecords::Head(int code, int table, int person) {
    CNetRecordBuilder b(CNetStateOut::kStateClass, kGroup, code);
    b.Int(table == 1 ? 1 : 0, 1).Int(person, 4);
    return b;
}

void CNetPersonRecords::AppendRelations(CNetRecordBuilder& b, const CPersonData& p) {
    b.Int(p.GetRelationCount(), 4);
    for (int v : p.m_relations) b.Int(v, 4);
}

void CNetPersonRecords::AppendTask(CNetRecordBuilder& b, const CPersonData& p, bool whole) {
    b.Int(p.m_taskProgress, 5).Int(p.m_taskKind, 3).Int(p.m_taskArea, 3);
    b.Int(p.m_targetX, 4).Int(p.m_targetY, 4);
    if (!whole) return;
    b.Int(p.m_taskWork, 8).Int(p.m_taskWorkLeft, 8);
    for (int v : p.m_taskParams) b.Int(v, 8);
}

void CNetPersonRecords::AppendExperience(CNetRecordBuilder& b, const CPersonData& p) {
    for (int v : p.m_experience) b.Int(v, 8);
}

CNetRecordBuilder CNetPersonRecords::Build(const CPersonData& p, int code) {
    CNetRecordBuilder b = Head(code, p.m_tableFlag, p.m_index);
    switch (code) {
    case eRELATIONS: AppendRelations(b, p); break;
    case eSTATUS: b.Int(p.m_employerNo, 3).Int(p.m_hireMonth, 5).Int(p.m_presidentFlag, 1); break;
    case eSALARY: b.Int(p.m_salary, 6); break;
    case eTASK: AppendTask(b, p, false); break;
    case eEXPERIENCE: AppendExperience(b, p); break;
    case eAMOUNTS:
        b.Int(p.m_amount, 10).Int(p.m_extra1, 10).Int(p.m_extra2, 10).Int(p.m_electionMonth, 5);
        break;
    case eRECORD:
        AppendTask(b, p, true);
        AppendExperience(b, p);
        break;
    case eSTATE:
        b.Int(p.m_employerNo, 3).Int(p.m_hireMonth, 5).Int(p.m_presidentFlag, 1);
        b.Int(p.m_salary, 6);
        b.Int(p.m_amount, 10).Int(p.m_extra1, 10).Int(p.m_extra2, 10).Int(p.m_electionMonth, 5);
        AppendTask(b, p, true);
        AppendExperience(b, p);
        AppendRelations(b, p);
        break;
    default: b.Fail("unknown person code");
    }
    return b;
}

// ---------------------------------------------------------------- receiving

bool CNetPersonRecords::ReadRelations(CNetRecordReader& in, const SContext& context,
                                      std::vector<int>& relations) {
    int n = 0;
    if (!ReadIn(in, 4, n, 0, context.maxRelations, "relation count")) return false;
    if (n > in.Remaining() / 4) return in.Refuse("relation count");
    relations.assign(static_cast<size_t>(n), 0);
    for (int& v : relations) {
        if (!in.ReadInt(4, v, "relation")) return false;
        v = std::clamp(v, 0, CPersonData::kMaxRelation);
    }
    return true;
}

bool CNetPersonRecords::ReadTask(CNetRecordReader& in, const SContext& context, bool whole,
                                 STask& task) {
    ReadIn(in, 5, task.progress, 0, INT32_MAX, "task progress");
    ReadIn(in, 3, task.kind, 0, CPersonData::kMaxStoredTaskKind, "task kind");
    ReadIn(in, 3, task.area, -1, context.areaCount - 1, "task area");
    ReadIn(in, 4, task.x, -1, INT32_MAX, "target x");
    ReadIn(in, 4, task.y, -1, INT32_MAX, "target y");
    if (whole) {
        in.ReadInt(8, task.work, "total work");
        in.ReadInt(8, task.workLeft, "remaining work");
        for (int& v : task.params) in.ReadInt(8, v, "task parameter");
    }
    return in.Ok();
}

void CNetPersonRecords::StoreTask(CPersonData& p, const STask& task, bool whole) {
    p.m_taskProgress = task.progress;
    p.m_taskKind = task.kind;
    p.m_taskArea = task.area;
    p.m_targetX = task.x;
    p.m_targetY = task.y;
    if (!whole) return;
    p.m_taskWork = task.work;
    p.m_taskWorkLeft = task.workLeft;
    p.m_taskParams = task.params;
}

bool CNetPersonRecords::Apply(CPersonData& p, int code, CNetRecordReader& in,
                              const SContext& context) {
    // Directors' employer numbers name companies (negative: the former
    // employer), governors' the areas.
    const int lowEmployer = context.governor ? 0 : -context.companyCount;
    const int highEmployer = context.governor ? context.areaCount : context.companyCount;
    int employer = 0, hire = 0, president = 0, salary = 0, election = 0;
    std::array<int, 3> amounts{};
    std::array<int, CPersonData::kAbilityCount> experience{};
    std::vector<int> relations;
    STask task;
    auto status = [&] {
        ReadIn(in, 3, employer, lowEmployer, highEmployer, "employer");
        in.ReadInt(5, hire, "hiring month");
        ReadIn(in, 1, president, 0, 1, "president flag");
    };
    auto amountFields = [&] {
        for (int& v : amounts) in.ReadInt(10, v, "amount");
        in.ReadInt(5, election, "election month");
    };
    auto experienceFields = [&] {
        for (int& v : experience) ReadIn(in, 8, v, 0, INT32_MAX, "experience");
    };
    switch (code) {
    case eRELATIONS: ReadRelations(in, context, relations); break;
    case eSTATUS: status(); break;
    case eSALARY: ReadIn(in, 6, salary, 0, INT32_MAX, "salary"); break;
    case eTASK: ReadTask(in, context, false, task); break;
    case eEXPERIENCE: experienceFields(); break;
    case eAMOUNTS: amountFields(); break;
    case eRECORD:
        ReadTask(in, context, true, task);
        experienceFields();
        break;
    case eSTATE:
        status();
        ReadIn(in, 6, salary, 0, INT32_MAX, "salary");
        amountFields();
        ReadTask(in, context, true, task);
        experienceFields();
        if (in.Ok()) ReadRelations(in, context, relations);
        break;
    default: return in.Refuse("code");
    }
    if (!in.Ok()) return false;
    const bool withStatus = code == eSTATUS || code == eSTATE;
    const bool withAmounts = code == eAMOUNTS || code == eSTATE;
    const bool withTask = code == eTASK || code == eRECORD || code == eSTATE;
    const bool withExperience = code == eEXPERIENCE || code == eRECORD || code == eSTATE;
    if (withStatus) {
        p.m_employerNo = employer;
        p.m_hireMonth = hire;
        p.m_presidentFlag = president;
    }
    if (code == eSALARY || code == eSTATE) p.m_salary = salary;
    if (withAmounts) {
        // Stored as received: the host's value, whatever its sign.
        p.m_amount = amounts[0];
        p.m_extra1 = amounts[1];
        p.m_extra2 = amounts[2];
        p.m_electionMonth = election;
    }
    if (withTask) StoreTask(p, task, code != eTASK);
    if (withExperience) p.m_experience = experience;
    if (code == eRELATIONS || code == eSTATE) p.m_relations = std::move(relations);
    return true;
}
