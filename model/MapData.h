#pragma once
// One area (a city) of the map: a name, an explanation, a grid of cells with
// ten layers, the area-wide figures, the lists of the area project and the
// two stadium lists derived from the cells.
//
// Cells are addressed (x, y), x the column; each layer is row-major. A
// structure is written at its anchor (the bottom-right cell of its
// footprint); the other cells it covers hold -1 and the anchor's
// coordinates. Structure number n >= 1 stands for structure type n - 1.
//
// Stadium list k holds the stadiums of the leagues of stadium kind k
// (CLeague::GetStadiumKind), of type code StructureCode::StadiumTypeCode(k):
// list 0 the code-80 stadiums of the leagues ranked by points, list 1 the
// code-85 stadiums of the others.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/CellPoint.h"

class CArchive;
class CAreaLimits;
class CBaseMapData;
class CBD;
class CMapDoc;

class CMapData {
public:
    static constexpr int kLayerCount = 10;
    enum eLayer {
        layerLandType = 0,
        layerStructure = 1,
        layerHeight = 2,
        layerAnchorX = 3,
        layerAnchorY = 4,
        layerConstructionState = 5,
        layerConstructionType = 6,
        layerDurability = 7,
        layerOwner = 8,
        layerLandValue = 9,
    };
    // Construction states of layer 5.
    static constexpr int kConstructionNone = 0;
    static constexpr int kConstructionUnderWay = 1;
    // A burning cell: layer 6 holds the structure number of a fire picture
    // (a type of code StructureCode::kFire).
    static constexpr int kConstructionBurning = 2;
    static constexpr int kEffectCount = 6;
    // The exhibition is open this many months from its start.
    static constexpr int kProjectOpenMonths = 4;
    // No area is larger than the raw area record allows.
    static constexpr int kMaxSide = 9999;

    CMapData();
    CMapData(const CMapData& other) = default;
    CMapData& operator=(const CMapData& other) = default;
    bool operator==(const CMapData& other) const = default;

    // The stored form. Loading checks the ranges of the stored figures and
    // that the cells hang together (see CheckCells); the checks against
    // the map's tables are Validate's.
    void Serialize(CArchive& ar);
    // Takes over an area record of the map data file.
    void AssignFromBaseRecord(const CBaseMapData& record);
    // Throws eMERCAVO_ERROR_CONTENTS unless the area fits the map: its grid,
    // its type tables and its company count.
    void Validate(const CAreaLimits& limits) const;

    const std::string& GetName() const { return m_name; }
    const std::string& GetExplanation() const { return m_explanation; }
    void SetName(const std::string& name) { m_name = name; }
    void SetExplanation(const std::string& text) { m_explanation = text; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetSpare() const { return m_spare; }
    // A new grid of zero cells.
    void SetGridSize(int width, int height);
    bool IsInGrid(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // Cell layers. x and y must lie in the grid (std::out_of_range otherwise).
    int GetLayer(int layer, int x, int y) const {
        return m_layers.at(static_cast<size_t>(layer))[Index(x, y)];
    }
    void SetLayer(int layer, int x, int y, int value) {
        m_layers.at(static_cast<size_t>(layer))[Index(x, y)] = value;
    }
    int GetLandType(int x, int y) const { return GetLayer(layerLandType, x, y); }
    void SetLandType(int x, int y, int value) { SetLayer(layerLandType, x, y, value); }
    // With follow, a covered cell answers its anchor's structure number.
    int GetStructureAt(int x, int y, int follow) const {
        const size_t i = Index(x, y);
        return follow ? StructureNoAt(i) : m_layers[layerStructure][i];
    }
    void SetStructureNo(int x, int y, int number);
    void SetCovered(int x, int y, int anchorX, int anchorY);
    // 0: land type; 1: structure following anchors; 2: height; other: 0.
    int GetCellLayerValue(int x, int y, int selector) const;
    int GetGroundHeight(int x, int y) const { return GetLayer(layerHeight, x, y); }
    void SetConstruction(int x, int y, int state, int type);
    int GetConstructionState(int x, int y) const { return GetLayer(layerConstructionState, x, y); }
    int GetConstructionType(int x, int y) const { return GetLayer(layerConstructionType, x, y); }
    int SetCellOwner(int x, int y, int value);
    int GetCellOwner(int x, int y) const { return GetLayer(layerOwner, x, y); }
    // Durability; 1 when the value changed.
    int SetCellLayer7(int x, int y, int value);
    int GetCellLayer7(int x, int y) const { return GetLayer(layerDurability, x, y); }
    void SetLandValue(int x, int y, int value);
    int GetLandValue(int x, int y) const { return GetLayer(layerLandValue, x, y); }
    CCellPoint GetAnchorCell(int x, int y) const {
        const size_t i = Index(x, y);
        if (m_layers[layerStructure][i] >= 0) return {x, y};
        return {m_layers[layerAnchorX][i], m_layers[layerAnchorY][i]};
    }
    bool IsAnchorOrFree(int x, int y) const { return GetLayer(layerStructure, x, y) >= 0; }

    // ---- Unchecked cell access ----
    // For loops over cells known to lie in the grid: the accessors above
    // check each cell that comes from outside, the rules' loops check their
    // bounds once and then read the layers through these, without a bounds
    // test or a throw per cell. Cell (x, y) is entry y x width + x of every
    // layer; the spans stay valid until the grid is resized.
    size_t CellIndex(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x);
    }
    std::span<const int32_t> Cells(eLayer layer) const { return m_layers[layer]; }
    // The structure number of cell i, a covered cell followed to its anchor.
    // Anchors are checked when an area is loaded; one that still points
    // outside (or at another covered cell) stands for no structure.
    int StructureNoAt(size_t i) const {
        const int number = m_layers[layerStructure][i];
        if (number >= 0) return number;
        const int ax = m_layers[layerAnchorX][i], ay = m_layers[layerAnchorY][i];
        if (!IsInGrid(ax, ay)) return 0;
        return std::max(m_layers[layerStructure][CellIndex(ax, ay)], 0);
    }
    // The map whose type tables the area's cells refer to; the map sets
    // itself on every area it holds. An area outside any map (the data
    // tools, tests) looks its types up in the registered document.
    void SetMap(const CMapDoc* map) { m_map.map = map; }
    const CMapDoc* GetMap() const { return m_map.map; }
    // land 0: the structure type on the cell (null without one); land 1:
    // its land type; from the tables of the area's map.
    const CBD* GetCellType(int x, int y, int land) const;
    // The land type's value plus the structure type's; with current, the
    // drifting land value of layer 9 in place of the land type's value.
    int GetCellBaseValue(int x, int y, int current) const;

    // Area figures.
    int GetPopulation() const { return m_population; }
    int SetPopulation(int value);
    int GetLevel() const { return m_priceLevel; }
    void AddLevel(int delta);
    int ClampLevelDelta(int delta) const;
    int GetPotential() const { return m_potential; }
    void AddPotential(int delta);
    void UpdatePotentialAndTrend(int flag, int strength);
    void InitPotential(int value);
    int GetFigure19() const { return m_figure19; }
    int GetFigure20() const { return m_figure20; }
    // The figures a map data file gives an area, for the data tool.
    void SetPotential(int value) { m_potential = value; }
    void SetFigure19(int value) { m_figure19 = value; }
    void SetFigure20(int value) { m_figure20 = value; }
    int GetTrend() const { return m_trend; }
    int SetTrend(int value);
    int GetGovernor() const { return m_governor; }
    int SetGovernor(int person);
    int GetFire() const { return m_fire; }
    int SetFire(int value);
    void GrowFire();
    // which = 1..6.
    int GetEffect(int which) const { return m_effects.at(static_cast<size_t>(which - 1)); }
    void AddEffect(int which, int delta);
    void AddEffect1(int delta) { AddEffect(1, delta); }
    void AddEffect2(int delta) { AddEffect(2, delta); }
    void AddEffect3(int delta) { AddEffect(3, delta); }
    void AddEffect4(int delta) { AddEffect(4, delta); }
    void AddEffect5(int delta) { AddEffect(5, delta); }
    void AddEffect6(int delta) { AddEffect(6, delta); }
    int GetProjectFund() const { return m_projectFund; }
    void SetProjectFund(int value);
    int GetProjectStart() const { return m_projectStart; }
    void SetProjectStart(int monthIndex) { m_projectStart = monthIndex; }
    bool HasProject() const { return m_projectStart != -1; }
    bool IsProjectOpen() const;
    // The monthly growth of the project fund, driven by the governor; true
    // when it grew.
    bool GrowProjectFund();

    // Project lists.
    void ClearProjectLists();
    int AddProjectArea(int x0, int y0, int x1, int y1, int structureType);
    int GetProjectSiteCount() const;
    int GetProjectSiteValue(int i) const { return m_siteValues.at(static_cast<size_t>(i)); }
    CCellPoint GetProjectSitePoint(int i) const { return m_sitePoints.at(static_cast<size_t>(i)); }
    int GetProjectSiteFlag(int i) const { return m_siteFlags.at(static_cast<size_t>(i)); }
    void SetProjectSiteFlag(int i, int value) { m_siteFlags.at(static_cast<size_t>(i)) = value; }
    const std::vector<CCellPoint>& GetProjectCells() const { return m_projectCells; }
    bool IsProjectCell(int x, int y) const;
    int GetProjectCompletion() const;

    // Stadium lists (list 0 or 1, see above).
    int GetStadiumCount(int list) const { return static_cast<int>(Stadiums(list).size()); }
    int CountListCellsOwnedBy(int list, int company) const;
    CCellPoint GetPairListCell(int list, int i) const;
    int AddStadiumCell(int list, CCellPoint point);
    int RemoveStadiumCell(int list, CCellPoint point);
    // Rebuilt from the anchors of the cells; structureTypeCode gives the type
    // code of a structure type index.
    void RebuildStadiumLists(const std::function<int(int)>& structureTypeCode);
    void RebuildStadiumLists();

    // Network texts (class 300, group 03), each a whole record. Senders send
    // to player peer, -1 to all.
    static constexpr int kCodeAreaState = 70;
    static constexpr int kCodeTexts = 71;
    static constexpr int kCodeProjectHeader = 72;
    static constexpr int kCodeProjectSites = 73;
    static constexpr int kCodeProjectCells = 74;
    static constexpr int kCodeStadiumHeader = 75;
    static constexpr int kCodeStadiumList0 = 76;
    static constexpr int kCodeStadiumList1 = 77;
    static constexpr int kCodeLayer0 = 80;
    static constexpr int kCodeCellValues = 110;
    static constexpr int kLayerChunkBytes = 400;

    std::string BuildAreaState(int area) const;
    std::string BuildTexts(int area) const;
    std::vector<std::string> BuildLayer(int area, int layer) const;
    // mask: ten characters, "1" selects a layer.
    std::vector<std::string> BuildCellValues(int area, std::string_view mask,
                                             const std::vector<CCellPoint>& cells) const;
    std::vector<std::string> BuildProjectLists(int area) const;
    std::vector<std::string> BuildPairLists(int area) const;
    std::vector<std::string> BuildAll(int area, bool withTexts) const;

    void SendAll(int peer, int area, bool withTexts) const;
    void SendAreaState(int peer, int area) const;
    void SendTexts(int peer, int area) const;
    void SendLayer(int peer, int area, int layer) const;
    void SendAllLayers(int peer, int area) const;
    void SendCellValues(int peer, int area, std::string_view mask,
                        const std::vector<CCellPoint>& cells) const;
    void SendProjectLists(int peer, int area) const;
    void SendPairLists(int peer, int area) const;

    // The readers take the text after the four-digit area index. A text that
    // does not fit the area (its grid, its lists as the head texts sized
    // them) or that ends early is dropped whole: false, nothing written.
    bool ReadAreaState(std::string_view text);
    bool ReadTexts(std::string_view text);
    // Every value the chunk touches must lie in its layer's range (owners
    // up to limits.maxCompanies).
    bool ReadLayerChunk(std::string_view text, int layer, const CAreaLimits& limits);
    // Every value is checked as Validate checks a saved game, owners against
    // limits.maxCompanies (the game's company count): one bad value and
    // none is applied.
    bool ReadCellValues(std::string_view text, const CAreaLimits& limits);
    bool ReadProjectHeader(std::string_view text);
    bool ReadProjectSites(std::string_view text);
    bool ReadProjectCells(std::string_view text);
    bool ReadStadiumHeader(std::string_view text);
    bool ReadStadiumCells(std::string_view text, int list);

private:
    const CBD* LandTypeEntry(int index) const;
    const CBD* StructureTypeEntry(int index) const;
    int StructureTypeCode(int index) const;
    size_t Index(int x, int y) const {
        if (!IsInGrid(x, y)) [[unlikely]]
            ThrowOutsideGrid();
        return CellIndex(x, y);
    }
    [[noreturn]] static void ThrowOutsideGrid();
    int LayerBytes() const { return m_width * m_height * 4; }
    std::vector<CCellPoint>& Stadiums(int list);
    const std::vector<CCellPoint>& Stadiums(int list) const;
    void Store(CArchive& ar) const;
    void Load(CArchive& ar);
    void CheckCells() const;
    // A covered cell points at an anchor in the grid that holds a structure,
    // and its construction state is known.
    bool CellHangsTogether(int x, int y) const;
    // The cell's layers against the map's tables and the companies.
    bool CellFits(int x, int y, const CAreaLimits& limits) const;
    static bool LayerValueFits(int layer, int value, const CAreaLimits& limits);
    bool CellUpdateFits(int x, int y, const CAreaLimits& limits) const;
    static std::string Head(int code, int area);
    std::vector<std::string> BuildPointChunks(int code, int area,
                                              const std::vector<CCellPoint>& points,
                                              int perText) const;
    bool ReadPointChunk(std::string_view text, std::vector<CCellPoint>& points) const;
    static void Send(int peer, const std::string& record);

    std::string m_name;
    std::string m_explanation;
    int m_width = 0;
    int m_height = 0;
    int m_spare = 0;
    std::array<std::vector<int32_t>, kLayerCount> m_layers;
    int m_population = 100;
    int m_priceLevel = 50;
    int m_potential = 10;
    int m_figure19 = 10;
    int m_figure20 = 10;
    int m_trend = 0;
    int m_governor = -1;
    int m_fire = 0;
    std::array<int, kEffectCount> m_effects{};
    int m_projectFund = 0;
    int m_projectStart = -1;
    std::vector<int> m_siteValues;
    std::vector<CCellPoint> m_sitePoints;
    std::vector<int> m_siteFlags;
    std::vector<CCellPoint> m_projectCells;
    std::array<std::vector<CCellPoint>, 2> m_stadiums;
    // Where the area lives is no part of what it holds: two areas with the
    // same contents compare equal whatever map holds them.
    struct SMapLink {
        const CMapDoc* map = nullptr;
        bool operator==(const SMapLink&) const { return true; }
    };
    SMapLink m_map;
};
