// The company's history exported as a text file, one line per event.
// Every index a history entry carries comes from a saved game and is looked
// up with a bound check; an index that leads nowhere prints as "?".

#include <climits>
#include <ctime>
#include <fstream>
#include <optional>

#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/Formatting.h"
#include "model/League.h"
#include "model/PersonData.h"
#include "model/ProTeam.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

constexpr const char* kUnknown = "?";
constexpr const char* kLineEnd = "\r\n";

std::optional<int> Param(const CHistory& entry, int i) {
    if (i >= entry.GetParamCount()) return std::nullopt;
    return entry.GetParam(i);
}

std::string PersonName(CPersonData* person) {
    return person ? person->GetName() : kUnknown;
}

std::string StructureName(std::optional<int> type) {
    const CBD* bd = type ? Services::Map().GetStructureType(*type) : nullptr;
    return bd ? bd->GetName() : kUnknown;
}

std::string TeamName(std::optional<int> league, std::optional<int> team) {
    const CLeague* l = league ? Services::Map().GetLeague(*league) : nullptr;
    if (!l || !team || *team < 0 || *team >= l->GetTeamCount()) return kUnknown;
    return l->GetTeam(*team).GetName();
}

// The value plus one, as the texts count from 1.
std::optional<int> Next(std::optional<int> value) {
    if (!value || *value == INT_MAX) return std::nullopt;
    return *value + 1;
}

std::string Ordinal(std::optional<int> value) {
    return value ? FormatOrdinal(*value) : kUnknown;
}

std::string Thousands(std::optional<int> step) {
    if (!step) return kUnknown;
    return std::to_string((int64_t{*step} + 1) * 1000);
}

std::string Number(std::optional<int> value) {
    return value ? std::to_string(*value) : kUnknown;
}

// Picks text i of the choices; "?" for any other value.
template <size_t N>
const char* Choice(std::optional<int> i, const char* const (&choices)[N]) {
    return i && *i >= 0 && static_cast<size_t>(*i) < N ? choices[*i] : kUnknown;
}

}  // namespace

int CEnterprise::WriteHistoryText() const {
    std::string text = BuildHistoryText(Services::App().GetUtcTime());
    std::string path =
        Services::App().GetProgramDirectory() + FormatText("HIST_%d.TXT", m_number + 1);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return 0;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return file ? 1 : 0;
}

std::string CEnterprise::BuildHistoryText(int64_t utcTime) const {
    std::time_t time = static_cast<std::time_t>(utcTime);
    std::tm utc{};
    gmtime_r(&time, &utc);
    std::string text = "MERCAVO Company's history data\x81\x40";
    text += FormatText("created %d.%d.%d  %d:%2d:%2d", utc.tm_year + 1900, utc.tm_mon + 1,
                       utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    text += kLineEnd;
    text += kLineEnd;
    text += GetName() + (IsHumanPlayed() ? "" : "(COM)") + kLineEnd;
    text += "President:" + GetPresidentName() + kLineEnd;
    text += kLineEnd;
    int previousYear = -1, previousMonth = -1;
    for (const CHistory& entry : m_history) {
        std::string event = HistoryLine(entry);
        // Kinds without a text (the arrival, removal and merger of companies)
        // get no line at all.
        if (event.empty()) continue;
        int year = entry.GetMonthIndex() / kMonths;
        int month = entry.GetMonthIndex() % kMonths;
        if (year != previousYear)
            text += FormatText("%-5s year", FormatOrdinal(year + 1).c_str());
        else
            text += "         ";
        if (year != previousYear || month != previousMonth)
            text += FormatText("%10s", GetMonthName(month));
        else
            text += "          ";
        previousYear = year;
        previousMonth = month;
        text += "  " + event + kLineEnd;
    }
    text += kLineEnd;
    text += "End";
    text += kLineEnd;
    text += kLineEnd;
    return text;
}

std::string CEnterprise::HistoryLine(const CHistory& entry) const {
    std::optional<int> p0 = Param(entry, 0), p1 = Param(entry, 1), p2 = Param(entry, 2);
    std::string area =
        p0 && *p0 >= 0 && *p0 < m_areaCount ? Services::Map().GetAreaName(*p0) : kUnknown;
    switch (entry.GetKind()) {
        case CHistory::kindEnteredMarket:
            return "Entered " + area + "'s market.";
        case CHistory::kindLandPurchased:
            return area + " land purchased.";
        case CHistory::kindSalesTarget:
            return "Achieved targeted Annual sales " + Thousands(p0) + ".";
        case CHistory::kindEmployeesPassed:
            return "Exceeded " + Thousands(p0) + " employees.";
        case CHistory::kindDirectorChange: {
            std::string name = PersonName(p0 ? Services::Companies().GetDirector(*p0) : nullptr);
            if (p1 == 0) return "Recruited " + name + ".";
            if (p1 == 1) return name + " resigned.";
            return name + " " + kUnknown;
        }
        case CHistory::kindStrike:
            return Ordinal(Next(p0)) + " strike.";
        case CHistory::kindConstructionOutsourced:
            return StructureName(p1) + " construction outsourced in " + area + ".";
        case CHistory::kindDisaster: {
            static const char* const kCauses[] = {" destroyed in earthquake.",
                                                  " destroyed in fire.", " deteriorated."};
            return area + " " + StructureName(p1) + " " + Choice(p2, kCauses);
        }
        case CHistory::kindExhibition:
            if (p1 == 0) return area + " exhibition was an incredible success.";
            if (p1 == 1) return "Exhibition was not held in " + area + ".";
            return area + " " + kUnknown;
        case CHistory::kindDonationScandal:
            return area + " Governor " +
                   PersonName(p1 ? Services::Companies().GetGovernor(*p1) : nullptr) +
                   "'s illegal donations was uncovered.";
        case CHistory::kindTeamTrade: {
            static const char* const kVerbs[] = {"Purchased ", "Sold "};
            return Choice(p2, kVerbs) + std::string(p2 == 0 || p2 == 1 ? "" : " ") +
                   TeamName(p0, p1) + " from league " + Number(Next(p0)) + ".";
        }
        case CHistory::kindChampions:
            return TeamName(p0, p1) + " league " + Number(Next(p0)) + " " + Ordinal(Next(p2)) +
                   " time champions!";
        default:
            return "";
    }
}
