#pragma once
// The judgment's document: the finished game read from the judgment data
// file (the saved-game layout at the end of the last year), and the state
// of the judgment: the page and area being judged, the step counter, every
// company's total and the ranking order.
//
// The records reach the document through the document service
// (ArboDocService.h) while they load and while they are judged.

#include <memory>
#include <string>
#include <vector>

#include "judge/Enterprise.h"
#include "judge/MapDoc.h"
#include "judge/PersonData.h"
#include "model/FrameState.h"
#include "platform/core/MemBlock.h"
#include "platform/gfx/Bitmap.h"

class CArchive;

namespace judge {

class IJudgeFrame;
class IJudgeView;

class CArboDoc {
public:
    static constexpr int kFormatVersion = 3;
    static constexpr int kFileHeaderSize = 64;
    // The announcement's steps before the areas: pages 0..17.
    static constexpr int kFixedSteps = 18;
    // Persons whose faces share one strip.
    static constexpr int kFaceGroup = 30;
    // The game's saved-game loader keeps the wait in this range.
    static constexpr int kMaxWaitTime = 100;
    static constexpr int kMaxDirectors = 5;
    static constexpr const char* kFileName = "QORDIN.mqd";

    CArboDoc();
    ~CArboDoc();
    CArboDoc(const CArboDoc&) = delete;
    CArboDoc& operator=(const CArboDoc&) = delete;

    // ---- loading (ArboDocLoad.cpp)
    // -1 when the whole file loaded; else its error value (eMERCAVO_ERROR),
    // the document then being empty. kOpenFailed: the file cannot be opened
    // or ends early.
    static constexpr int kOpenFailed = -2;
    int LoadFile(const std::string& path);
    int LoadBytes(const std::vector<uint8_t>& bytes);
    // Load only; throws the error value, or the archive's exception.
    void Serialize(CArchive& ar);

    // ---- the game
    int GetVersion() const { return m_version; }
    int GetReserved() const { return m_reserved; }
    int GetLoadCount() const { return m_loadCount; }
    int GetPersonChecksum() const { return m_personChecksum; }
    int GetMapChecksum() const { return m_map.GetMapChecksum(); }
    int GetPlayYears() const { return m_playYears; }
    int GetFinalYear() const { return m_finalYear; }
    int GetFinalMonth() const { return m_finalMonth; }
    int GetMonthIndex() const;
    int GetStartingPlayers() const { return m_startingPlayers; }
    int GetHumanPlayers() const { return m_humanPlayers; }
    int GetCompanyCount() const { return static_cast<int>(m_companies.size()); }
    CEnterprise* GetCompany(int i);
    const CEnterprise* GetCompany(int i) const;
    int GetPersonCount() const { return static_cast<int>(m_persons.size()); }
    int GetGovernorCount() const { return static_cast<int>(m_governors.size()); }
    CPersonData* GetPerson(int i);
    CPersonData* GetGovernor(int i);
    // holder >= 0: shares of company held by holder; -1: issued; below -1:
    // held by all companies. company -1 sums over the companies. 0 outside.
    int GetStockHolding(int company, int holder) const;
    CMapDoc& GetMap() { return m_map; }
    const CMapDoc& GetMap() const { return m_map; }
    // "All" for -1, "" outside the map.
    std::string GetAreaName(int area) const;
    // Kind 0: the character data's author; 1..3 the map data's.
    std::string GetAuthorName(int kind) const;
    const CMemBlock* GetDataFileInfo(int kind) const;
    int GetViewDirection() const { return m_viewDirection; }
    // Direction 0..3 of the map view; others are ignored.
    void SetViewDirection(int d) {
        if (d >= 0 && d <= 3) m_viewDirection = d;
    }
    int GetWaitTime() const { return m_waitTime; }
    const CFrameState& GetFrameState() const { return m_frame; }
    CBitmap* GetFaceStrip(int strip);
    int GetFaceStripCount() const { return static_cast<int>(m_faceStrips.size()); }
    // Joins the faces of persons first..last of a table into a new strip and
    // counts counter on; 1 also when there are no faces, 0 on failure.
    int BuildFaceStrip(int& counter, std::vector<CPersonData>& table, int first, int last);

    // ---- the judgment (ArboDocScoring.cpp)
    void SetView(IJudgeView* view) { m_view = view; }
    // Sizes the judgment's arrays, lets the view make its panes, counts the
    // yearly first places and the area contributions; 1 on success.
    int PrepareJudgment();
    int CountTopAnnualRanks();
    int ComputeAreaContribution();
    void ComputeDirectorPoints();
    // The place (0-based) of each of scores sorted best first: an equal
    // score keeps the place of the first of them.
    static std::vector<int> SharedPlaces(const std::vector<int>& scores);
    // The points of a director at a (shared) place.
    static int DirectorPoints(int place);
    void RankCompanies(int useTotals);
    int GetBonusPoints(int company) const;
    // The announcement's steps: pages 0..17, then page 18 once per area.
    int GetStepTotal() const { return kFixedSteps + m_map.GetAreaCount(); }
    // Judges the next step (page or area; the director points before page
    // 9) and answers true; after the last area the final ranking, false.
    bool RunNextStep();
    int GetPage() const { return m_page; }
    int GetCurrentArea() const { return m_currentArea; }
    int GetStepCounter() const { return m_stepCounter; }
    bool IsFinalRanked() const { return m_finalRanked; }
    int GetTotal(int company) const;
    const std::vector<int>& GetRankingOrder() const { return m_order; }
    int GetBarScale() const { return m_barScale; }
    int GetCountUp() const { return m_countUp; }
    void SetCountUp(int step) { m_countUp = step; }
    const std::vector<int>& GetTopDirectors() const { return m_topDirectors; }
    // The total of the first company of the ranking order.
    int GetBestTotal() const;

    // ---- closing
    // Whether the main frame may close now; asks "Judging discontinued."
    // while an announcement step is pending.
    bool ConfirmClose(IJudgeFrame& frame);

private:
    int LoadFrom(CArchive& ar);
    void LoadCalendar(CArchive& ar);
    void LoadCompanies(CArchive& ar);
    void LoadPersons(CArchive& ar);
    void LoadPersonTable(CArchive& ar, std::vector<CPersonData>& table, int count, int& strips);
    void LoadTurnsAndStock(CArchive& ar);
    void LoadAuthor(CArchive& ar);
    void LoadSettings(CArchive& ar);
    void Validate() const;

    int PageValue(int company, int useTotals) const;
    void Order(int useTotals, std::vector<int>& order, std::vector<int>& values) const;

    int m_version = kFormatVersion;
    int m_reserved = 0;
    int m_loadCount = 0;
    int m_personChecksum = 0;
    int m_playYears = 10;
    int m_finalYear = 0;
    int m_finalMonth = 0;
    int m_startingPlayers = 0;
    int m_humanPlayers = 0;
    CFrameState m_frame;
    CMapDoc m_map;
    std::vector<CEnterprise> m_companies;
    std::vector<CPersonData> m_persons;
    std::vector<CPersonData> m_governors;
    std::vector<std::unique_ptr<CBitmap>> m_faceStrips;
    int m_reservedWord = 1;
    int m_turnPosition = 0;
    std::vector<int> m_turnOrder;
    int m_interestRate = 0;
    // Row i: the shares company i issued, then those held by each company.
    std::vector<int> m_stock;
    std::string m_authorName;
    CMemBlock m_authorMark;
    int m_viewDirection = 2;
    int m_waitTime = 10;
    int m_flag = 1;

    // The judgment.
    IJudgeView* m_view = nullptr;
    int m_page = 0;
    int m_currentArea = 0;
    int m_stepCounter = 0;
    bool m_finalRanked = false;
    std::vector<int> m_totals;
    std::vector<int> m_order;
    int m_barScale = 0;
    int m_countUp = 1;
    std::vector<int> m_topDirectors;
};

}  // namespace judge
