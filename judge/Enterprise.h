#pragma once
// A company as the judgment sees it: the game's company record, read with
// its stored form, and what the judgment adds to it: the rank on the page
// being judged, the pages won, the director points, the yearly first
// places, the contribution to every area and the rank and points of every
// step of the announcement.

#include <string>
#include <vector>

#include "model/Enterprise.h"

namespace judge {

class CArboDoc;

class CEnterprise {
public:
    // The judgment pages: 0..17 one each, 18 once per map area.
    static constexpr int kPageCount = 19;
    static constexpr int kAreaPage = 18;
    static constexpr int kDirectorPage = 9;

    // Binds the record to its document, its number and the map's area
    // count; 0 when memory runs out.
    int Bind(CArboDoc* doc, int number, int areaCount);

    ::CEnterprise& Record() { return m_record; }
    const ::CEnterprise& Record() const { return m_record; }
    int GetNumber() const { return m_record.GetNumber(); }
    const std::string& GetName() const { return m_record.GetName(); }
    const std::string& GetPresidentName() const { return m_record.GetPresidentName(); }

    // The raw value on a page; with negate, debt and strikes count down so
    // that less is better. 0 for any other page.
    int GetJudgeValue(int page, int negate) const;
    // The points on a page; the page chooses both the formula and, on the
    // league pages, the league.
    int GetJudgePoints(int page) const;
    // A human player runs the company.
    bool IsActive() const;

    // ---- judgment members
    int GetRank() const { return m_rank; }
    void SetRank(int rank) { m_rank = rank; }
    int GetFirstCount() const { return m_firstCount; }
    void AddFirst() { ++m_firstCount; }
    int GetDirectorPoints() const { return m_directorPoints; }
    void SetDirectorPoints(int points) { m_directorPoints = points; }
    void AddDirectorPoints(int points);
    int GetYearsFirst(int measure) const { return m_yearsFirst[measure != 0]; }
    void AddYearFirst(int measure) { ++m_yearsFirst[measure != 0]; }
    std::vector<int>& YearRanks(int measure) { return m_yearRanks[measure != 0]; }
    const std::vector<int>& YearRanks(int measure) const { return m_yearRanks[measure != 0]; }
    std::vector<int>& Contribution() { return m_contribution; }
    const std::vector<int>& Contribution() const { return m_contribution; }
    std::vector<int>& RankHistory() { return m_rankHistory; }
    const std::vector<int>& RankHistory() const { return m_rankHistory; }
    std::vector<int>& PointsHistory() { return m_pointsHistory; }
    const std::vector<int>& PointsHistory() const { return m_pointsHistory; }

    // ---- the history file (EnterpriseHistory.cpp)
    // "HIST_<number + 1>.TXT" in the folder; false when it cannot be written.
    bool WriteHistoryFile(const std::string& folder, int judgeCheck, int64_t utcTime) const;
    std::string BuildHistoryText(int judgeCheck, int64_t utcTime) const;
    // (P + M mod 1000 + C mod 1000 + J mod 1000) mod 10000, P from the
    // digits of the total.
    static int ComputeCompanyCheck(int total, int mapCheck, int personCheck, int judgeCheck);

private:
    int64_t StockValue() const;
    int AverageLoyalty() const;
    std::string HistoryLine(const CHistory& entry) const;

    ::CEnterprise m_record;
    CArboDoc* m_doc = nullptr;
    int m_rank = 0;
    int m_firstCount = 0;
    int m_directorPoints = 0;
    int m_yearsFirst[2] = {0, 0};
    std::vector<int> m_yearRanks[2];
    std::vector<int> m_contribution;
    std::vector<int> m_rankHistory;
    std::vector<int> m_pointsHistory;
};

}  // namespace judge
