#pragma once
// Offsets of the fields of a saved game (and of the judgment data file,
// which has the same layout), measured by storing the document's parts, so
// that a test can change one stored field at a time.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class CArchive;
class CEnterprise;
class CMapDoc;
class CVDoc;

// The size of what store writes.
size_t StoredSize(const std::function<void(CArchive&)>& store);

// Offsets inside one stored company record.
struct SCompanyLayout {
    size_t areaCount = 8, colour = 16, strike = 20;
    size_t president, funds, debt, employees, atWork, staffCount, staff, teams, sign1, sign2,
        adviser, proceeds, months, strikeCount, stockPrice, moraleSum, areas, bids;

    explicit SCompanyLayout(const CEnterprise& company);
    // Word n (1-based) of per-area record e (0: the totals).
    size_t AreaWord(int e, int n) const {
        return areas + 96 * static_cast<size_t>(e) + 4 * (n - 1);
    }
    // League l's team + 1, championships and attendance.
    size_t Team(int l) const { return teams + 12 * static_cast<size_t>(l); }
    size_t Championships(int l) const { return Team(l) + 4; }
    size_t Attendance(int l) const { return Team(l) + 8; }
};

struct SLayout {
    size_t version = 64, reserved = 68, frame = 72;
    size_t sessionState, loadCount, personChecksum, playYears, year, month, map, starting, humans,
        count, d, g, firstYear;
    size_t reservedWord, turnPosition, turnOrder, interest, stock, markSize, view, wait, flag, area;
    // Where each company record starts, and its fields.
    std::vector<size_t> companies;
    std::vector<SCompanyLayout> companyFields;
    // Where each person of the first table starts.
    std::vector<size_t> persons;
    // In the map: its area count, and where each structure type and each
    // area record starts.
    size_t mapAreaCount;
    std::vector<size_t> structureTypes;
    // Where each structure type's size in cells (width, height) is.
    std::vector<size_t> structureTypeSizes;
    std::vector<size_t> areas;
    std::vector<size_t> areaLayers;
    std::vector<std::pair<int, int>> areaSizes;

    // The type code of structure type i.
    size_t StructureTypeCode(int i) const { return structureTypes.at(static_cast<size_t>(i)) + 36; }
    // Cell (x, y) of layer l of area a.
    size_t Cell(int a, int layer, int x, int y) const;

    explicit SLayout(CVDoc& doc);
    // A field of company c.
    size_t Company(int c, size_t SCompanyLayout::*field) const {
        return companies.at(static_cast<size_t>(c)) +
               companyFields.at(static_cast<size_t>(c)).*field;
    }

private:
    void MeasureMap(CMapDoc& map, size_t end);
};

void Put(std::vector<uint8_t>& bytes, size_t at, int32_t value);
int32_t Get(const std::vector<uint8_t>& bytes, size_t at);
