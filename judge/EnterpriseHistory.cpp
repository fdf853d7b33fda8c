// A company's history file: its judgment result and one line per history
// record. Every parameter of a record comes from the judged file and is
// looked up with a bound check; one that leads nowhere prints as "?".

#include <climits>
#include <optional>

#include "judge/ArboDoc.h"
#include "judge/Enterprise.h"
#include "judge/JudgeReport.h"
#include "judge/TextFile.h"
#include "model/BD.h"
#include "model/Formatting.h"
#include "model/League.h"
#include "model/ProTeam.h"
#include "platform/core/TextFormat.h"

namespace judge {

namespace {

constexpr const char* kUnknown = "?";

using Param = std::optional<int>;

Param ParamOf(const CHistory& entry, int i) {
    if (i < 0 || i >= entry.GetParamCount()) return std::nullopt;
    return entry.GetParam(i);
}

// "%d" with its ordinal suffix, of the value plus one.
std::string NextOrdinal(Param value) {
    if (!value || *value == INT_MAX) return kUnknown;
    return FormatOrdinal(*value + 1);
}

std::string Thousands(Param step) {
    if (!step) return kUnknown;
    return std::to_string((int64_t{*step} + 1) * 1000);
}

// count characters stored one per parameter from parameter first; nothing
// when they lie beyond the parameters or are no byte values.
std::optional<std::string> StoredName(const CHistory& entry, Param first, Param count) {
    if (!first || !count || *first < 0 || *count < 0 ||
        int64_t{*first} + *count > entry.GetParamCount())
        return std::nullopt;
    std::string name;
    for (int i = 0; i < *count; ++i) {
        int code = entry.GetParam(*first + i);
        if (code < -128 || code > 255) return std::nullopt;
        name += static_cast<char>(code);
    }
    return name;
}

std::string NameOr(const std::optional<std::string>& name) {
    return name ? *name : kUnknown;
}

}  // namespace

int CEnterprise::ComputeCompanyCheck(int total, int mapCheck, int personCheck, int judgeCheck) {
    int64_t sum = int64_t{CJudgeReport::ComputeDigitProduct(total)} + mapCheck % 1000 +
                  personCheck % 1000 + judgeCheck % 1000;
    return static_cast<int>(sum % 10000);
}

std::string CEnterprise::HistoryLine(const CHistory& entry) const {
    CArboDoc& doc = *m_doc;
    Param p0 = ParamOf(entry, 0), p1 = ParamOf(entry, 1), p2 = ParamOf(entry, 2);
    std::string area =
        p0 && *p0 >= 0 && *p0 < doc.GetMap().GetAreaCount() ? doc.GetAreaName(*p0) : kUnknown;
    auto person = [](CPersonData* p) { return p ? p->Record().GetName() : std::string(kUnknown); };
    auto structure = [&](Param type) {
        const CBD* bd = type ? doc.GetMap().Map().GetStructureType(*type) : nullptr;
        return bd ? bd->GetName() : std::string(kUnknown);
    };
    auto team = [&](Param league, Param index) {
        if (!league || !index || *league < 0 || *league >= ::CMapDoc::kLeagueCount)
            return std::string(kUnknown);
        const CLeague& l = doc.GetMap().Map().GetLeague(*league);
        if (*index < 0 || *index >= l.GetTeamCount()) return std::string(kUnknown);
        return l.GetTeam(*index).GetName();
    };
    std::string league = p0 && *p0 != INT_MAX ? std::to_string(*p0 + 1) : kUnknown;
    switch (entry.GetKind()) {
        case 1:
            return "They advances to " + area + ".";
        case 2:
            return "They purchase the land of " + area + ".";
        case 3:
            return "The proceeds become " + Thousands(p0) + " or more for a year.";
        case 4:
            return "The number of the employees becomes " + Thousands(p0) + " or more people.";
        case 5: {
            std::string name = person(p0 ? doc.GetPerson(*p0) : nullptr);
            if (p1 == 0) return "They hired " + name + ".";
            if (p1 == 1) return name + " left.";
            return name + " " + kUnknown;
        }
        case 6:
            return "The " + NextOrdinal(p0) + " of strike occurrence.";
        case 7:
            return area + " of public facility(" + structure(p1) + ") of it builds and receives.";
        case 8: {
            static const char* const kCauses[] = {"Earthquake", "Fire", "Deterioration"};
            std::string cause = p2 && *p2 >= 0 && *p2 < 3 ? kCauses[*p2] : kUnknown;
            return "The " + structure(p1) + " broke in " + area + ".(" + cause + ")";
        }
        case 9:
            if (p1 == 0) return "It is expo large success in " + area + ".";
            if (p1 == 1) return "It is not held the expo in " + area + ".";
            return area + " " + kUnknown;
        case 10:
            return "The injustice donation disclosure to Governor " +
                   person(p1 ? doc.GetGovernor(*p1) : nullptr) + " of the " + area + ".";
        case 11: {
            std::string verb = p2 == 0 ? "purchase" : p2 == 1 ? "sell" : kUnknown;
            return "They " + verb + " " + team(p0, p1) + " of the league" + league + ".";
        }
        case 12:
            return "The " + team(p0, p1) + " victory of league" + league + ".(The " +
                   NextOrdinal(p2) + ")";
        case 13:
            return NameOr(StoredName(entry, 0, entry.GetParamCount())) + " goes bankrupt.";
        case 14:
            return NameOr(StoredName(entry, 0, entry.GetParamCount())) + " establishes it.";
        case 15: {
            // Both lengths first, then the characters of A and of B.
            std::optional<std::string> a = StoredName(entry, 2, p0);
            std::optional<std::string> b =
                p0 && *p0 >= 0 ? StoredName(entry, 2 + *p0, p1) : std::nullopt;
            return NameOr(b) + " merges " + NameOr(a) + ".";
        }
        default:
            return "";
    }
}

std::string CEnterprise::BuildHistoryText(int judgeCheck, int64_t utcTime) const {
    const CArboDoc& doc = *m_doc;
    std::string text =
        "MERCAVO Company's history data\x81\x40"
        "created " +
        FormatStamp(utcTime) + kLineEnd + kLineEnd;
    text += FormatText("Person :%06d", doc.GetPersonChecksum()) + kLineEnd;
    text += FormatText("Map    :%06d", doc.GetMapChecksum()) + kLineEnd;
    text += FormatText("Judge  :%06d", judgeCheck) + kLineEnd;
    int total = doc.GetTotal(GetNumber());
    int check =
        ComputeCompanyCheck(total, doc.GetMapChecksum(), doc.GetPersonChecksum(), judgeCheck);
    text += FormatText("Company:%02d%04d", doc.GetStartingPlayers(), check) + kLineEnd;
    text += kLineEnd;
    text += GetName() + (IsActive() ? "" : "(COM)") + kLineEnd;
    text += "president:" + GetPresidentName() + kLineEnd + kLineEnd;
    text += FormatText("No.%d  %d Points", m_rank + 1, total) + kLineEnd + kLineEnd;
    text += "Year / Month";
    text += kLineEnd;
    int previousYear = INT_MIN, previousMonth = INT_MIN;
    for (const CHistory& entry : m_record.GetHistory()) {
        std::string event = HistoryLine(entry);
        // Records of a kind without a text get no line.
        if (event.empty()) continue;
        int year = entry.GetMonthIndex() / 12, month = entry.GetMonthIndex() % 12;
        text += year != previousYear ? FormatText("%4d /", year + 1) : "      ";
        text += year != previousYear || month != previousMonth ? FormatText("  %2d", month + 1)
                                                               : "    ";
        previousYear = year;
        previousMonth = month;
        text += "  " + event + kLineEnd;
    }
    text += kLineEnd;
    text += "End.";
    text += kLineEnd;
    text += kLineEnd;
    return text;
}

bool CEnterprise::WriteHistoryFile(const std::string& folder, int judgeCheck,
                                   int64_t utcTime) const {
    return WriteTextFile(folder + FormatText("HIST_%d.TXT", GetNumber() + 1),
                         BuildHistoryText(judgeCheck, utcTime));
}

}  // namespace judge
