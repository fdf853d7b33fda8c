// A map read from arbitrary bytes through the real loader, then lived for a
// couple of months: the bytes take the form MapFile's target gives them (bit
// 0 of the first byte picks the map data file or the saved-game form, bit 1
// mends the checksum first). A map data file is set up as a new game first.
// Nothing a loaded map holds may make a month, or the cell rules it uses,
// overflow, divide by zero or index outside the grid.

#include <cstdint>
#include <memory>
#include <vector>

#include "fakes/FakeMapWorld.h"
#include "fakes/FakeServices.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/RuntimeRandom.h"

namespace {

constexpr int kMonths = 2;
// Bigger grids are already covered by MapFile's target; a month is linear
// in the cells, so they only slow the fuzzer down.
constexpr int kMaxCells = 64 * 64;

void FixChecksum(std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> contents(bytes.begin(), bytes.end() - 4);
    uint32_t checksum = static_cast<uint32_t>(CMapFileWriter::ComputeChecksum(contents));
    for (int k = 0; k < 4; ++k)
        bytes[bytes.size() - 4 + static_cast<size_t>(k)] =
            static_cast<uint8_t>(checksum >> (8 * k));
}

std::unique_ptr<CMapDoc> Load(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data + 1, data + size);
    auto map = std::make_unique<CMapDoc>();
    map->SetMapFileMode(data[0] & 1);
    try {
        if ((data[0] & 3) == 3 && bytes.size() >= 4) FixChecksum(bytes);
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        map->Serialize(ar);
    } catch (const CArchiveException&) {
        return nullptr;
    } catch (eMERCAVO_ERROR) {
        return nullptr;
    }
    map->SetMapFileMode(0);
    return map;
}

// The cell rules the months lean on, on every cell of the lived map.
void RateCells(CMapDoc& m, int area) {
    const CMapData& a = m.GetArea(area);
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            m.GetLotPrice(area, x, y, 0);
            m.GetLotPriceForDirector(area, x, y, nullptr);
            m.RateSite(area, x, y, 3, 0, 1);
            m.RateStructureEnvironment(area, x, y);
            m.GetStructureLayer7(area, x, y);
            a.GetCellBaseValue(x, y, 1);
            const int number = a.GetStructureAt(x, y, 1);
            if (number > 0 && a.IsAnchorOrFree(x, y)) {
                m.RollCellLayer7(area, x, y, nullptr);
                m.ApplyStructureInfluence(area, x, y, number - 1);
                m.RemoveHousePopulation(area, number - 1);
            }
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CDetachedAppService app;
    Services::SetApp(&app);
    if (size < 1) return 0;
    std::unique_ptr<CMapDoc> map = Load(data, size);
    if (!map) return 0;
    for (int area = 0; area < map->GetAreaCount(); ++area) {
        const CMapData& a = map->GetArea(area);
        if (int64_t{a.GetWidth()} * a.GetHeight() > kMaxCells) return 0;
    }
    const bool newGame = data[0] & 1;
    CFakeMapWorld world(std::move(map));
    CMapDoc& m = world.Map();
    CRuntimeRandom::Seed(12345);
    if (newGame) m.InitAreaValues();
    for (int month = 0; month < kMonths; ++month) {
        world.doc.currentMonthIndex = month;
        for (int area = 0; area < m.GetAreaCount(); ++area) m.RunAreaMonth(area);
    }
    for (int area = 0; area < m.GetAreaCount(); ++area) RateCells(m, area);
    return 0;
}
