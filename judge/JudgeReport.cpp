#include "judge/JudgeReport.h"

#include <vector>

#include "judge/ArboDoc.h"
#include "judge/Saturate.h"
#include "judge/TextFile.h"
#include "model/Formatting.h"
#include "platform/core/TextFormat.h"

namespace judge {

namespace {

constexpr int kNameColumn = 16;
constexpr int kPresidentColumn = 14;
constexpr int kLabelColumn = 42;
constexpr int kCellWidth = 10;
constexpr int kCellName = 9;

const char* const kItemNames[] = {"Funds",
                                  "Debt",
                                  "Employees",
                                  "Employee Average Loyalty",
                                  "Advanced Area",
                                  "Property",
                                  "Estimated Stock Value",
                                  "Strike Occurrences",
                                  "Total Popularity",
                                  "Director Ability",
                                  "Times Champion (League 1)",
                                  "               (League 2)",
                                  "               (League 3)",
                                  "Attendance (League 1)",
                                  "           (Leauge 2)",
                                  "           (Leauge 3)",
                                  "Top Annual Proceeds",
                                  "Top Annual Profits"};

std::string Left(const std::string& text, int width) {
    std::string cut = TruncateText(text, width);
    return cut + std::string(static_cast<size_t>(width) - cut.size(), ' ');
}

std::string Right(const std::string& text, int width) {
    if (static_cast<int>(text.size()) >= width) return text;
    return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}

std::string StepLabel(const CArboDoc& doc, int step) {
    std::string item;
    if (step < CArboDoc::kFixedSteps)
        item = CJudgeReport::ItemName(step);
    else if (step == CArboDoc::kFixedSteps)
        item = "Area Contribution Level(" + doc.GetAreaName(0) + ")";
    else
        item = "                        (" + doc.GetAreaName(step - CArboDoc::kFixedSteps) + ")";
    return FormatText("%2d:", step + 1) + item;
}

std::string StepCell(const CEnterprise& company, int step) {
    int points = company.PointsHistory()[static_cast<size_t>(step)];
    int rank = company.RankHistory()[static_cast<size_t>(step)];
    std::string place = points > 0 ? FormatText("%2d", rank + 1) : "--";
    return Right(FormatText("%d(%s)", points, place.c_str()), kCellWidth);
}

std::string Rows(const CArboDoc& doc) {
    std::string text = Left("   Company Name", kNameColumn) + " " +
                       Left("President", kPresidentColumn) + Right("Point", 9) +
                       Right("Times Finished #1", 18) + kLineEnd;
    for (int c : doc.GetRankingOrder()) {
        const CEnterprise& company = *doc.GetCompany(c);
        std::string place = FormatText("%2d:", company.GetRank() + 1);
        int room = std::max(kNameColumn - static_cast<int>(place.size()), 0);
        text += Left(place + TruncateText(company.GetName(), room), kNameColumn) + " ";
        text += Left(company.GetPresidentName(), kPresidentColumn);
        text += Right(std::to_string(doc.GetTotal(c)), 9);
        text += Right(FormatText("%d times", company.GetFirstCount()), 18);
        if (!company.IsActive()) text += " COM";
        text += kLineEnd;
    }
    return text;
}

std::string StepTable(const CArboDoc& doc) {
    std::string text = Left("   Judgment item", kLabelColumn);
    for (int c : doc.GetRankingOrder())
        text += Right(TruncateText(doc.GetCompany(c)->GetName(), kCellName), kCellWidth);
    text += kLineEnd;
    for (int s = 0; s < doc.GetStepTotal(); ++s) {
        text += Left(StepLabel(doc, s), kLabelColumn);
        for (int c : doc.GetRankingOrder()) text += StepCell(*doc.GetCompany(c), s);
        text += kLineEnd;
    }
    return text;
}

}  // namespace

const char* CJudgeReport::ItemName(int step) {
    return step >= 0 && step < CArboDoc::kFixedSteps ? kItemNames[step] : "";
}

int CJudgeReport::ComputeDigitProduct(int total) {
    int d0 = total % 10, d1 = total / 10 % 10, d2 = total / 100 % 10, d3 = total / 1000 % 10;
    return (d3 + 1) * (d2 + 2) * (d1 + 3) * (d0 + 4) % 10000;
}

int CJudgeReport::ComputeJudgmentCheck(int bestTotal, int version, int reserved, int mapCheck,
                                       int personCheck, int loadCount) {
    int64_t check = 10000 * (int64_t{version % 10} + 10 * (reserved % 10));
    check += mapCheck % 10000;
    check += personCheck % 10000;
    check += loadCount;
    check += ComputeDigitProduct(bestTotal);
    return Saturate(check);
}

int CJudgeReport::ComputeJudgmentCheck(const CArboDoc& doc) {
    return ComputeJudgmentCheck(doc.GetBestTotal(), doc.GetVersion(), doc.GetReserved(),
                                doc.GetMapChecksum(), doc.GetPersonChecksum(), doc.GetLoadCount());
}

int CJudgeReport::ComputeResultsCheck(const SResults& results) {
    int64_t weighted = 0;
    int weight = 2;
    for (int rest = results.point; rest != 0; rest /= 10)
        weighted += int64_t{weight++} * (rest % 10);
    int64_t sum =
        weighted + results.msum + results.psum + results.year + results.save + results.firstCount;
    return static_cast<int>(sum % 100000);
}

std::string CJudgeReport::ComposeResultsAddress(const std::string& address, const SResults& r) {
    return address + "?name=" + r.name + FormatText("&point=%d", r.point) +
           FormatText("&1count=%d", r.firstCount) + FormatText("&save=%d", r.save) +
           FormatText("&year=%d", r.year) + FormatText("&psum=%d", r.psum) +
           FormatText("&msum=%d", r.msum) + FormatText("&csum=%d", ComputeResultsCheck(r)) +
           "&ver=" + kResultsVersion;
}

CJudgeReport::SResults CJudgeReport::GetResults(const CArboDoc& doc) {
    SResults r;
    if (const CEnterprise* company = doc.GetCompany(0)) {
        r.name = company->GetPresidentName();
        r.point = doc.GetTotal(0);
        r.firstCount = company->GetFirstCount();
    }
    r.save = doc.GetLoadCount();
    r.year = doc.GetPlayYears();
    r.psum = doc.GetPersonChecksum();
    r.msum = doc.GetMapChecksum();
    return r;
}

std::string CJudgeReport::ComposeText(const CArboDoc& doc, int64_t utcTime) {
    std::string text =
        "MERCAVO Judgment data   Preparation date " + FormatStamp(utcTime) + kLineEnd;
    text += FormatText("  %20s:%06d", "Character data file", doc.GetPersonChecksum()) + kLineEnd;
    text += FormatText("  %20s:%06d", "Map data file", doc.GetMapChecksum()) + kLineEnd;
    text += FormatText("  %20s:%06d", "Judgment data", ComputeJudgmentCheck(doc)) + kLineEnd;
    text += kLineEnd;
    const char* const authorLabels[] = {"Character data author :", "Map data author       :",
                                        "Topography data author:", "Building data author  :"};
    for (int kind = 0; kind < 4; ++kind)
        text += authorLabels[kind] + doc.GetAuthorName(kind) + kLineEnd;
    text += kLineEnd;
    int saves = doc.GetLoadCount();
    text += FormatText("Play years:%d year(save:%d%s)", doc.GetPlayYears(), saves,
                       saves < 2 ? " time" : " times") +
            kLineEnd;
    text += kLineEnd;
    text += Rows(doc);
    text += kLineEnd;
    text += StepTable(doc);
    text += kLineEnd;
    return text;
}

bool CJudgeReport::Write(const CArboDoc& doc, const std::string& folder, int64_t utcTime) {
    if (!WriteTextFile(folder + kFileName, ComposeText(doc, utcTime))) return false;
    int check = ComputeJudgmentCheck(doc);
    for (int c = 0; c < doc.GetCompanyCount(); ++c)
        if (!doc.GetCompany(c)->WriteHistoryFile(folder, check, utcTime)) return false;
    return true;
}

}  // namespace judge
