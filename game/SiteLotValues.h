#pragma once
// The owned lots near one site while the structure types are tried there
// one after another. Each trial lays the company's pending constructions
// and one type on the map. A lot that the tried structure has no effect on
// (and that is not a stadium, whose draw is rated from its surroundings)
// is worth what it is worth with the pending constructions alone: that
// value is worked out once for the site and kept for the other trials.
// What a lot's cell holds, and whether a pending construction lies within
// its effect radius, is likewise looked up once for the site.

#include <vector>

#include "game/VDoc.h"
#include "model/CellPoint.h"

class CBD;
class CMapTrial;

class CSiteLotValues final : public CVDoc::ILotSelection {
public:
    CSiteLotValues(const CMapDoc& map, int area, CCellPoint site, int radius);

    // Starts a trial that has laid the pending constructions and is about
    // to place structure number `number` on the rectangle first..site.
    // reusable: the rectangle holds no structure with the pending
    // constructions laid, so placing the type changes the map only there.
    void BeginTrial(const CMapTrial& trial, int number, CCellPoint first, bool reusable);

    // A lot of a trial's listing: its cell and owner (company index).
    struct SLot {
        int x, y, owner;
    };
    // The owned lots with a structure within the radius of the site, row by
    // row, for a reusable trial: the site's lots with the pending
    // constructions laid (found once for the site) and the placed
    // structure's cells. False for a trial that is not reusable.
    bool TrialLots(int companies, std::vector<SLot>& lots);

    // Whether the placed structure's own lots are worth, in a reusable trial,
    // what they are worth in any other reusable trial of the type whose
    // rectangle holds them: the type has no effect on its own kind (so the
    // rectangle's cells add nothing to their environment) and is no stadium
    // (whose draw is rated from its surroundings).
    bool PlacedLotsStandAlone() const;
    int PlacedNumber() const { return m_number; }
    bool InPlaced(int x, int y) const;

    // A lot whose effect radius reaches a cell the trial touched.
    bool Takes(int x, int y) override;
    bool Recalls(int x, int y, double& value) override;
    void Note(int x, int y, double value) override;

private:
    struct SCell {
        bool known = false;  // the fields below are looked up
        int raw = 0;         // the structure layer
        CCellPoint anchor;   // the anchor of a covered cell
        const CBD* type = nullptr;
        int radius = 0;            // the type's effect radius, at least 0
        bool nearPending = false;  // a pending construction within the radius
        bool hasValue = false;
        double value = 0;
    };
    // The cell's entry when the trial leaves what the cell holds as it is
    // with the pending constructions alone; nullptr otherwise.
    SCell* StableCell(int x, int y);
    // Whether the structure placed has no effect on the lot's value.
    bool Unaffected(const SCell& cell) const;

    const CMapDoc& m_map;
    int m_area;
    CCellPoint m_site;
    int m_radius;
    const CMapTrial* m_trial = nullptr;
    size_t m_pendingCells = 0;
    int m_number = 0;
    CCellPoint m_first;
    bool m_reusable = false;
    std::vector<SCell> m_cells;
    // The site's lots with the pending constructions laid, once found.
    std::vector<SLot> m_lots;
    bool m_lotsFound = false;
    // The entry Recalls found for the lot that Note is told of next.
    SCell* m_asked = nullptr;
};
