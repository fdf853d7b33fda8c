#pragma once
// The game's map: the header values of the map, the company names offered
// to new companies, the three leagues, the land-type and structure-type
// tables, the data authors' names and marks, and up to 64 areas. It is
// filled from the map data file when a game is prepared and stored and
// loaded again as the map part of the saved game. After every load it
// derives its lookup lists, the picture strip layout and the extent tables
// from the type tables.
//
// The map data file is written by CMapFileWriter (the data tool's side);
// Serialize stores the saved-game form.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/BD.h"
#include "model/CellPoint.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/PictureStripBitmap.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "platform/core/MemBlock.h"

class CArchive;
class CAreaLimits;
class CPersonData;
struct SLotFound;

class CMapDoc {
public:
    static constexpr int kMaxAreas = 64;
    static constexpr int kMaxTypes = 256;
    static constexpr int kLeagueCount = 3;
    static constexpr int kDirections = CBD::kDirections;
    static constexpr int kTypesPerStrip = 20;
    static constexpr int kTextSize = 64;
    static constexpr int kMonths = 12;
    // Every company has its own of the 32 company colours.
    static constexpr int kMaxCompanyLimit = 32;
    // Longer company names are bad data.
    static constexpr int kMaxCompanyNameLength = 255;
    // The magic at the start of the file: no terminating zero.
    static constexpr char kMagic[] = "MERCAVO Map Data File  1.00";
    static constexpr size_t kMagicSize = sizeof kMagic - 1;

    // The eleven cell metrics of the header. The first seven are the
    // isometric geometry the map view draws with (pixels at 100 %): the
    // screen step of one view column and of one view row (a row step moves
    // left by its x), the rise of one height level, the distance from a
    // cell's reference point up to its top face, and the highest height
    // level. The last four are the game-size figures of the map.
    enum eCellMetric {
        metricColumnStepX = 0,
        metricColumnStepY,
        metricRowStepX,
        metricRowStepY,
        metricLevelRise,
        metricFaceOffset,
        metricMaxLevel,
        metricInitialCompanies,
        metricMaxCompanies,
        metricDirectorsNeeded,
        metricGovernorsNeeded,
        kCellMetricCount
    };
    // The four extent tables: how far the pictures of a footprint reach
    // left of, above, right of and below their anchor point.
    enum eExtent { extentLeft = 0, extentAbove, extentRight, extentBelow, kExtentKinds };

    CMapDoc();
    ~CMapDoc();
    CMapDoc(const CMapDoc&) = delete;
    CMapDoc& operator=(const CMapDoc&) = delete;

    // Storing writes the saved-game form (areas as CMapData). Loading reads
    // the map data file in map-file mode (areas as raw area records, the
    // stored checksum compared with the checksum of everything before it)
    // and the saved-game form otherwise; then the derived tables are built.
    // Bad values throw eMERCAVO_ERROR_CONTENTS, a picture strip that cannot
    // be built eMERCAVO_ERROR_FAILED, a raw block that cannot be
    // allocated std::bad_alloc. A failed load keeps the areas read whole.
    void Serialize(CArchive& ar);
    // 1 when the flag changed.
    int SetMapFileMode(int flag);
    int GetMapFileMode() const { return m_mapFileMode; }

    // Derived from the type tables after every load. FinishLoad is false
    // for a map the game cannot use: no plain land type, or no structure
    // type of code 35, 40, 70 or 45.
    void BuildExtentTables();
    // The projection constants leave the map view's hit test defined: both
    // x steps above 0 and neither slope it divides by zero.
    bool IsProjectionUsable() const;
    void BuildPairLists();
    bool FinishLoad();

    // Header.
    int GetHeaderValue(int i) const { return m_header.at(static_cast<size_t>(i)); }
    void SetHeaderValue(int i, int value) { m_header.at(static_cast<size_t>(i)) = value; }
    int GetMapValue(int i) const { return m_mapValues.at(static_cast<size_t>(i)); }
    void SetMapValue(int i, int value) { m_mapValues.at(static_cast<size_t>(i)) = value; }
    int GetMapValue1() const { return m_mapValue1; }
    int GetMapValue2() const { return m_mapValue2; }
    void SetMapValues12(int value1, int value2);
    int GetStoredChecksum() const { return m_storedChecksum; }
    int GetCellMetric(eCellMetric metric) const { return m_cellMetrics.at(metric); }
    void SetCellMetric(eCellMetric metric, int value) { m_cellMetrics.at(metric) = value; }
    int GetInitialCompanyCount() const { return m_cellMetrics[metricInitialCompanies]; }
    int GetMaxCompanyCount() const { return m_cellMetrics[metricMaxCompanies]; }
    int GetDirectorsNeeded() const { return m_cellMetrics[metricDirectorsNeeded]; }
    int GetGovernorsNeeded() const { return m_cellMetrics[metricGovernorsNeeded]; }
    double GetViewAngle1() const { return m_viewAngle1; }
    double GetViewAngle2() const { return m_viewAngle2; }

    // Grid and areas.
    int GetGridWidth() const { return m_gridWidth; }
    int GetGridHeight() const { return m_gridHeight; }
    // Drops the areas.
    void SetGridSize(int width, int height);
    int GetAreaCount() const { return static_cast<int>(m_areas.size()); }
    CMapData& GetArea(int area) { return *m_areas.at(static_cast<size_t>(area)); }
    const CMapData& GetArea(int area) const { return *m_areas.at(static_cast<size_t>(area)); }
    const std::string& GetAreaName(int area) const { return GetArea(area).GetName(); }
    // false when the map is full.
    bool AddArea(const CMapData& area);
    // What an area of this map is checked against.
    CAreaLimits GetAreaLimits() const;
    int GetMaxFigure20() const { return m_maxFigure20; }
    // The campaign strength of the area's governor: his vote weight x 100 +
    // the companies' damped donations to him there; 0 outside the map or
    // without a game.
    int GetGovernorStrength(int area) const;

    // Type tables; nullptr outside them.
    int GetLandTypeCount() const { return static_cast<int>(m_landTypes.size()); }
    int GetStructureTypeCount() const { return static_cast<int>(m_structureTypes.size()); }
    const CBD* GetLandTypeEntry(int i) const {
        return static_cast<size_t>(i) < m_landTypes.size()
                   ? m_landTypes[static_cast<size_t>(i)].get()
                   : nullptr;
    }
    const CBD* GetStructureType(int i) const {
        return static_cast<size_t>(i) < m_structureTypes.size()
                   ? m_structureTypes[static_cast<size_t>(i)].get()
                   : nullptr;
    }
    CBD* GetLandTypeEntry(int i);
    CBD* GetStructureType(int i);
    // false when the table is full.
    bool AddLandType(const CBD& type);
    bool AddStructureType(const CBD& type);

    // Company names offered to new companies.
    int GetCompanyNameCount() const { return static_cast<int>(m_companyNames.size()); }
    const std::string& GetCompanyNameEntry(int i) const;
    // The company using name i; -1 when it is free.
    int GetCompanyNameUser(int i) const;
    // company -1 frees the name.
    void SetCompanyNameUser(int i, int company);
    // Cut to kMaxCompanyNameLength.
    void AddCompanyName(const std::string& name);

    // Leagues.
    CLeague& GetLeague(int league) { return m_leagues.at(static_cast<size_t>(league)); }
    const CLeague& GetLeague(int league) const { return m_leagues.at(static_cast<size_t>(league)); }
    int GetSeasonStartCount(int league) const { return GetLeague(league).GetSeasonStartCount(); }
    int GetSeasonStartMonth(int league, int i) const;
    CProTeam& GetProTeam(int league, int team) { return GetLeague(league).GetTeam(team); }
    const CProTeam& GetProTeam(int league, int team) const;
    // The financial support of a team: the league's price for it / 10, at
    // least 1.
    int GetLeagueFigure(int league, int team) const;

    int GetMonthFigure(int month) const { return m_monthFigures.at(static_cast<size_t>(month)); }
    void SetMonthFigure(int month, int value) {
        m_monthFigures.at(static_cast<size_t>(month)) = value;
    }

    // Type lists derived by FinishLoad and BuildPairLists.
    const std::vector<int>& GetPlainLandTypes() const { return m_plainLandTypes; }
    int GetAveragePlainLandValue() const { return m_averagePlainLandValue; }
    const std::vector<int>& GetCode55Types() const { return m_code55Types; }
    const std::vector<int>& GetCode30Types() const { return m_code30Types; }
    void GetCode55ValueRange(int& min, int& max) const;
    void GetCode30ValueRange(int& min, int& max) const;
    int GetCode35TypeCount() const { return static_cast<int>(m_code35Types.size()); }
    int GetCode40TypeCount() const { return static_cast<int>(m_code40Types.size()); }
    int GetCode70TypeCount() const { return static_cast<int>(m_code70Types.size()); }
    int GetCode35Type(int i) const { return m_code35Types.at(static_cast<size_t>(i)); }
    int GetCode40Type(int i) const { return m_code40Types.at(static_cast<size_t>(i)); }
    int GetCode70Type(int i) const { return m_code70Types.at(static_cast<size_t>(i)); }
    int GetCode45Type() const { return m_code45Type; }
    int GetCode17LandType() const { return m_code17LandType; }
    const std::vector<int>& GetPairTypes26() const { return m_pairTypes26; }
    const std::vector<int>& GetPairTypes25() const { return m_pairTypes25; }
    // 1 when every type has a first picture for the direction's slot.
    int IsDirectionComplete(int direction) const;

    // The extent table of a kind for a picture slot and a footprint of
    // height h and width w (1..3 cells each) as the slot's direction turns
    // it.
    int GetExtent(eExtent kind, int slot, int h, int w) const;
    // Picture strips, in the order built, each with its pictures drawn in;
    // GetPictureStrip finds one by its number (nullptr when that group has
    // no pictures).
    const std::vector<std::unique_ptr<CPictureStripBitmap>>& GetPictureStrips() const {
        return m_pictureStrips;
    }
    const CPictureStripBitmap* GetPictureStrip(int number) const;

    // The data authors: the map's first author (area text, third mark),
    // second (map title, first mark) and third (map text, second mark).
    // Each text is at most 64 bytes.
    std::string GetMapTitle() const { return TextOf(m_mapTitle); }
    std::string GetMapText() const { return TextOf(m_mapText); }
    std::string GetAreaText() const { return TextOf(m_areaText); }
    void SetMapTitle(const std::string& text) { SetText(m_mapTitle, text); }
    void SetMapText(const std::string& text) { SetText(m_mapText, text); }
    void SetAreaText(const std::string& text) { SetText(m_areaText, text); }
    // Raw blocks 1..3 (empty when absent).
    const CMemBlock& GetRawBlock(int i) const;
    // Copies the bytes; false when there is no memory for them.
    bool SetRawBlock(int i, const uint8_t* bytes, size_t size);

    // ---- Cell operations (MapDocCells.cpp) ----
    // Each takes an area and a cell (x, y) of it; both must exist (an area
    // outside the map or a cell outside its grid throws std::out_of_range).
    //
    // Stadiums of kind g are those of the leagues with CLeague::GetStadiumKind
    // g, i.e. structure type code StructureCode::StadiumTypeCode(g), kept in the
    // area's stadium list g.

    // A structure number (following anchors) above 0, or a covered cell.
    bool HasStructureAt(int area, int x, int y) const;
    // The cell is the anchor of its structure or carries none.
    bool IsAnchorCell(int area, int x, int y) const;
    // For a cell with a structure: its anchor (bottom-right cell) and its
    // first (top-left) cell; false without a structure.
    bool GetStructureExtent(int area, int x, int y, CCellPoint& anchor, CCellPoint& first) const;
    // land 0: the structure type (following anchors), null without one;
    // land 1: the land type.
    const CBD* GetCellStructureType(int area, int x, int y, int land) const;
    int GetCellStructureNo(int area, int x, int y, int land) const;
    // The type code of the structure (0 without one) or of the land type.
    int GetCellTypeCode(int area, int x, int y, int land) const;
    bool IsPlainLand(int area, int x, int y) const;
    bool IsLandCode31(int area, int x, int y) const;
    bool IsCellKind30(int area, int x, int y) const;
    bool IsCellKind35(int area, int x, int y) const;
    bool IsCellKind45(int area, int x, int y) const;
    bool IsCode55At(int area, int x, int y) const;
    // Under construction, or road land (code 20/21) under a code-45 structure.
    bool IsSpecialCell(int area, int x, int y) const;
    int GetGroundHeight(int area, int x, int y) const;
    // Durability, kept at the structure's anchor; 0 without a structure.
    int GetStructureLayer7(int area, int x, int y) const;
    // true when it changed.
    bool SetStructureLayer7(int area, int x, int y, int value);
    // The owner layer of every cell of the structure's footprint.
    void SetStructureOwner(int area, int x, int y, int value);
    bool IsCellUsable(int area, int x, int y) const;
    // Unowned, no structure, usable and not a project cell.
    bool IsCellFreeForSale(int area, int x, int y) const;
    // Every cell inside the grid, unowned, plain, without structure and not a
    // project cell.
    bool IsRectFree(int area, int x0, int y0, int x1, int y1) const;
    // Every cell inside the grid, owned by company + 1 (0 for company -1),
    // plain, carrying (mode 1) a structure that may be built over or (mode
    // 0) none, and all of one height.
    bool IsRectBuildable(int area, int x0, int y0, int x1, int y1, int company, int mode) const;
    int CountFreePlainCells(int area) const;
    // Structure number n (0 removes) with its footprint anchored at (x, y);
    // keeps the stadium lists. The footprint must lie in the grid.
    void SetStructureAt(int area, int x, int y, int number);
    void DemolishAt(int area, int x, int y);
    // -1 when the cell cannot be traded; otherwise at least 1.
    int GetLotPrice(int area, int x, int y, int landOnly) const;
    // The price a negotiating director pays (director may be null).
    int GetLotPriceForDirector(int area, int x, int y, const CPersonData* director) const;
    int GetPurchaseWork(int area, int x, int y) const;
    bool CanPlaceCrossing(int area, int x, int y, int structureType) const;
    // -100..500; 0.0 without a structure or an environment radius.
    double RateStructureEnvironment(int area, int x, int y) const;
    // mode bit 1: cells without a structure; bit 2: cells with one.
    int CountCompanyCells(int area, int company, int mode) const;
    void MarkSiteRect(int area, int x0, int y0, int x1, int y1);
    void RemoveHousePopulation(int area, int structureType);
    // After a construction; 1 when the durability changed.
    int RollCellLayer7(int area, int x, int y, const CPersonData* director);
    void ApplyStructureInfluence(int area, int x, int y, int structureType);
    // A disaster of strength s wears every cell; true when a structure was
    // lost (its anchor and footprint are added to the two sets).
    bool WearByDisaster(int area, int strength, std::map<int, CCellPoint>& lostAnchors,
                        std::map<int, CCellPoint>& lostCells);
    // A purchasing director's lot search in the task area; the best score
    // (0: nothing found).
    int FindLotForDirector(const CPersonData& director, int priceLimit, SLotFound& found) const;
    int RateLotForDirector(int area, int x, int y, const CPersonData& director) const;
    int GetLotValueForOwner(int area, int x, int y) const;
    // Companies' teams with their home field here; the count is negative
    // when the cell carries no stadium.
    int FindTeamsWithHomeAt(int area, int x, int y, std::vector<int>& leagues,
                            std::vector<int>& teams) const;
    // useCount -1: counted here.
    int RateHomeFieldSite(int area, int x, int y, int league, int team, int useCount) const;
    int CountListCellsAll(int list, int company) const;
    // The owned teams of kind g playing here, negative when the cell is no
    // stadium of kind g.
    int StadiumUseCount(int kind, int area, int x, int y) const;
    bool IsCellAvailableTo(int company, int kind, int area, int x, int y) const;
    CCellPoint GetAnchorOf(int area, int x, int y) const;
    bool IsListCellAvailableTo(int company, int list, int area, int i) const;
    int StadiumUseCountAtListCell(int kind, int area, int i) const;
    // area -1: every area; skipArea -1: no cell skipped.
    int CountQualifyingListCells(int company, int kind, int area, int skipArea,
                                 CCellPoint skip) const;
    // Company c leaves the game: higher owner values move down by one and
    // any cell c still owns becomes nobody's. The one renumbering of the
    // owner layer.
    void RemoveCompanyFromMap(int company);
    // Company c leaves the area; its lots go to successor d (-1: nobody).
    void ReleaseCompanyLots(int company, int area, int successor);

    // ---- Rules of one cell, from its types and layers ----
    // Shared by the checked cell queries and the passes over many cells.

    // The land type's value plus the structure type's (either may be null);
    // with current, the cell's drifting land value in place of the land
    // type's. Type values come from the map data file and may be any int.
    static int CellBaseValueOf(const CBD* land, const CBD* structure, int landValue, int current) {
        const int64_t landTypeValue = land ? land->GetLandValue() : 0;
        const int64_t base = landTypeValue + (structure ? structure->GetLandValue() : 0);
        return ClampToInt(current ? landValue - landTypeValue + base : base);
    }
    // A cell can be traded: usable land under no structure or a usable one.
    static bool AreTypesUsable(const CBD* land, const CBD* structure) {
        return land && land->GetUsableFlag() && (!structure || structure->GetUsableFlag());
    }
    // The price of one cell's land: plain land by the area's price level and
    // the cell's land value, other land at its fixed price.
    static int64_t LandCellPrice(const CBD& land, int level, int landValue) {
        return land.GetTypeCode() == StructureCode::kPlain ? int64_t{level} * landValue / 50
                                                           : land.GetFixedLandPrice();
    }
    // Under construction, or road or rail land under a mast.
    static bool IsSpecialKind(int constructionState, int landCode, int structureCode) {
        return constructionState == CMapData::kConstructionUnderWay ||
               ((landCode == StructureCode::kRoadLand || landCode == StructureCode::kRailLand) &&
                structureCode == StructureCode::kMast);
    }

    // ---- The area's monthly simulation (MapDocSimulation.cpp) ----
    // Cells by key y x width + x.
    using CCellSet = std::map<int, CCellPoint>;

    // One month of one area, with what it sends and redraws.
    void RunAreaMonth(int area);
    // A new game's land values, fire danger and durabilities.
    void InitAreaValues();
    // The distance-weighted value of the cells around (x, y); company -1
    // for none.
    int RateSite(int area, int x, int y, int radius, int company, int current) const;
    // RateSite for no company at every cell of the area, by cell index.
    std::vector<int> RateAllSites(int area, int radius, int current) const;
    void DiffuseLandValue(int area);
    void StepLandTypes(int area, CCellSet& changed);
    bool DriftTrend(int area);
    bool ApplyTrend(int area, CCellSet& changed);
    void GrowArea(int area, int amount, CCellSet& changed);
    void ShrinkArea(int area, int amount, CCellSet& changed);
    void RemoveHousesNearNuisance(int area, CCellSet& changed);
    bool GrowCode30Structures(int area, CCellSet& changed);
    void WearStructures(int area, CCellSet& lostAnchors, CCellSet& lostCells, CCellSet& worn);
    // true when the structure was lost.
    bool CollapseStructure(int area, int x, int y, int amount, CCellSet& lostAnchors,
                           CCellSet& lostCells);
    void DecayPotential(int area);
    // The code-55 type for a target value; -1 when the map has none.
    int PickCode55Type(int target) const;
    void InitLandValues(int area);
    void SetDurabilities(int area);

private:
    friend class CMapFileWriter;
    using CText = std::array<char, kTextSize>;
    using CExtentTable = std::array<std::array<std::array<int32_t, 3>, 3>, kDirections>;

    // Everything before the stored checksum. rawAreas writes the areas as
    // the map data file holds them.
    void StoreContents(CArchive& ar, bool rawAreas);
    void LoadContents(CArchive& ar);
    void Load(CArchive& ar);
    void LoadHead(CArchive& ar);
    void CheckHead() const;
    void LoadCompanyNames(CArchive& ar);
    void LoadLeagues(CArchive& ar);
    void LoadTypeTable(CArchive& ar, std::vector<std::unique_ptr<CBD>>& table, bool land,
                       int& group);
    void LoadRawBlock(CArchive& ar, CMemBlock& block, bool dropAreas);
    void LoadAreas(CArchive& ar);
    void LoadText(CArchive& ar, CText& text);
    // Lays out the strip of group g over types first..last of a table and
    // copies their pictures into its bitmap.
    void BuildImageStrip(int group, std::vector<std::unique_ptr<CBD>>& table, bool land, int first,
                         int last);
    void ClearDerived();
    // Cell helpers of the cell operations and the monthly step.
    const CBD* LandTypeAt(const CMapData& a, int x, int y) const;
    const CBD* StructureTypeAt(const CMapData& a, int x, int y) const;
    int StructureCodeAt(const CMapData& a, int x, int y) const;
    // CellBaseValueOf for cell i of the area, from the map's type tables.
    int BaseValueAt(const CMapData& a, size_t i, int current) const;
    bool FootprintFits(int area, int x, int y, int structureType) const;
    int RollDurability(int figure) const;
    int ScoreLot(int area, int x, int y, const CPersonData& director, int priceLimit,
                 int& price) const;
    int PlainNeighbourValue(int landType, int direction) const;
    static std::string TextOf(const CText& text);

    static void SetText(CText& field, const std::string& text);

    std::array<int32_t, 3> m_header{2, 0, 0};
    int32_t m_storedChecksum = 0;
    int32_t m_mapFileMode = 0;
    std::array<int32_t, kMonths> m_monthFigures{};
    int32_t m_code55ValueMin = -1;
    int32_t m_code55ValueMax = -1;
    std::vector<int> m_code55Types;
    int32_t m_code30ValueMin = -1;
    int32_t m_code30ValueMax = -1;
    std::vector<int> m_code30Types;
    std::vector<int> m_code35Types;
    std::vector<int> m_code40Types;
    std::vector<int> m_code70Types;
    int32_t m_code45Type = -1;
    int32_t m_code17LandType = -1;
    std::array<int32_t, kDirections> m_directionComplete{};
    int32_t m_gridWidth = 0;
    int32_t m_gridHeight = 0;
    // Read with the header before the areas themselves.
    int32_t m_headAreaCount = 0;
    std::array<int32_t, kCellMetricCount> m_cellMetrics{0, 0, 0, 0, 0, 0, 0, 7, 10, 14, 10};
    std::array<int32_t, 3> m_mapValues{-1, -1, -1};
    std::vector<std::string> m_companyNames;
    // Parallel to the names: company index + 1 of the user, 0 = free.
    std::vector<int32_t> m_companyNameUsers;
    std::array<CLeague, kLeagueCount> m_leagues;
    std::array<CExtentTable, kExtentKinds> m_extentTables{};
    std::vector<std::unique_ptr<CBD>> m_landTypes;
    std::vector<std::unique_ptr<CBD>> m_structureTypes;
    CText m_mapTitle{};
    CText m_mapText{};
    CMemBlock m_rawBlock1;
    CMemBlock m_rawBlock2;
    int32_t m_mapValue1 = 0;
    int32_t m_mapValue2 = 0;
    std::vector<int> m_plainLandTypes;
    int32_t m_averagePlainLandValue = 0;
    std::vector<int> m_pairTypes26;
    std::vector<int> m_pairTypes25;
    double m_viewAngle1 = 0.0;
    double m_viewAngle2 = 0.0;
    int32_t m_maxFigure20 = 0;
    std::vector<std::unique_ptr<CMapData>> m_areas;
    CText m_areaText{};
    CMemBlock m_rawBlock3;
    std::vector<std::unique_ptr<CPictureStripBitmap>> m_pictureStrips;
};
