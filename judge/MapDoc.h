#pragma once
// The map of the judged game: the game's map document read in its
// saved-game form, with the judgment's own checks on top and the judgment's
// price of a lot.

#include <memory>
#include <string>

#include "model/MapDoc.h"

class CArchive;
class CMapData;

namespace judge {

class CMapDoc {
public:
    static constexpr int kMaxAreas = ::CMapDoc::kMaxAreas;

    CMapDoc();
    ~CMapDoc();

    // Reads the map part of the file. Throws eMERCAVO_ERROR_CONTENTS for a
    // map the judgment cannot score: no area or more than 64.
    void Load(CArchive& ar);
    // Every owner on the map must be a company of the game (owner + 1 up to
    // the count); eMERCAVO_ERROR_CONTENTS otherwise.
    void CheckOwners(int companyCount) const;

    ::CMapDoc& Map() { return *m_map; }
    const ::CMapDoc& Map() const { return *m_map; }
    int GetAreaCount() const { return m_map->GetAreaCount(); }
    // The map data's check number.
    int GetMapChecksum() const { return m_map->GetStoredChecksum(); }

    // The plot at the cell with its structure (landOnly 0: the structure's
    // prices and the land of every cell it covers inside the grid) or
    // alone; no lower bound.
    int GetLotPrice(int area, int x, int y, int landOnly) const;
    // A cell's land value: a land type's fixed value, or for code 0 the
    // area's price level x its value per cell / 50.
    int64_t GetLandValue(int area, int x, int y) const;

private:
    std::unique_ptr<::CMapDoc> m_map;
};

}  // namespace judge
