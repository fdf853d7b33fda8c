// The map document read from arbitrary bytes: bit 0 of the first byte picks
// the map data file (set) or the saved-game form; with bit 1 also set the
// last four bytes are replaced by the checksum of the rest first, so that
// damaged contents get past the checksum. A map that loads must store and
// load again in the saved-game form, byte for byte the same.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "MapFileInput.h"
#include "fakes/FakeServices.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

struct SServices {
    SServices() {
        Services::SetApp(&app);
        Services::SetDoc(&doc);
        Services::SetFrame(&frame);
    }
    CDetachedAppService app;
    CFakeDocService doc;
    CFakeFrameService frame;
};

std::vector<uint8_t> StoreSaved(CMapDoc& map) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    map.Serialize(ar);
    return stream.Bytes();
}

// What the rules ask of a loaded map, over everything it holds.
void Query(const CMapDoc& map) {
    for (int kind = 0; kind < CMapDoc::kExtentKinds; ++kind)
        for (int d = 0; d < CMapDoc::kDirections; ++d)
            map.GetExtent(static_cast<CMapDoc::eExtent>(kind), d, 3, 3);
    for (int i = 0; i < map.GetCompanyNameCount(); ++i) map.GetCompanyNameUser(i);
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        for (int t = 0; t < map.GetLeague(l).GetTeamCount(); ++t) map.GetLeagueFigure(l, t);
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        const CMapData& area = map.GetArea(a);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x) {
                map.GetLandTypeEntry(area.GetLandType(x, y))->GetLandValue();
                area.GetAnchorCell(x, y);
            }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SServices services;
    CMapDoc map;
    if (!LoadMapInput(data, size, map)) return 0;
    Query(map);
    std::vector<uint8_t> saved = StoreSaved(map);
    CMemoryStream again(saved);
    CArchive in(again, CArchive::load);
    CMapDoc reloaded;
    reloaded.Serialize(in);
    if (StoreSaved(reloaded) != saved) std::abort();
    return 0;
}
