// The area's stored form and every map state text reader fed arbitrary
// bytes. First byte 0: a stored area, then checked against a small map.
// Otherwise the rest is a list of texts, each a code selector byte, a 16-bit
// length and that many bytes, read into an 8 x 6 area; after each text the
// area must keep its grid and its parallel lists, and at the end it must
// still send itself.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/AreaLimits.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {
const int kCodes[] = {70, 71, 72, 73, 74, 75, 76, 77, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 110};

int Code(int i) {
    return i < 0 || i > 7 ? 0 : (i == 3 ? 40 : (i == 1 ? 80 : 85));
}

void Read(CMapData& area, int code, std::string_view text) {
    switch (code) {
        case 70:
            area.ReadAreaState(text);
            break;
        case 71:
            area.ReadTexts(text);
            break;
        case 72:
            area.ReadProjectHeader(text);
            break;
        case 73:
            area.ReadProjectSites(text);
            break;
        case 74:
            area.ReadProjectCells(text);
            break;
        case 75:
            area.ReadStadiumHeader(text);
            break;
        case 76:
            area.ReadStadiumCells(text, 0);
            break;
        case 77:
            area.ReadStadiumCells(text, 1);
            break;
        case 110:
            area.ReadCellValues(text,
                                CAreaLimits{area.GetWidth(), area.GetHeight(), 4, 8, 6, Code});
            break;
        default:
            area.ReadLayerChunk(text, code - 80,
                                CAreaLimits{area.GetWidth(), area.GetHeight(), 4, 8, 6, Code});
            break;
    }
}

void Exercise(const CMapData& area) {
    unsigned sum = 0;
    for (int y = 0; y < area.GetHeight(); ++y)
        for (int x = 0; x < area.GetWidth(); ++x)
            sum ^= static_cast<unsigned>(area.GetStructureAt(x, y, 1));
    for (int list = 0; list < 2; ++list) area.CountListCellsOwnedBy(list, 1);
    if (area.GetWidth() * area.GetHeight() > 4096) return;
    for (const std::string& record : area.BuildAll(0, true))
        if (record.size() > 511) __builtin_trap();
    (void)sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    if (data[0] == 0) {
        CMemoryStream stream(std::vector<uint8_t>(data + 1, data + size));
        CArchive ar(stream, CArchive::load);
        CMapData area;
        try {
            area.Serialize(ar);
            Exercise(area);
            area.RebuildStadiumLists(Code);
            CAreaLimits limits{area.GetWidth(), area.GetHeight(), 4, 8, 6, Code};
            area.Validate(limits);
        } catch (const CArchiveException&) {
        } catch (eMERCAVO_ERROR) {
        }
        return 0;
    }
    CMapData area;
    area.SetGridSize(8, 6);
    area.AddProjectArea(1, 1, 2, 2, 3);
    area.AddStadiumCell(0, {4, 4});
    size_t pos = 1;
    while (pos + 3 <= size) {
        int code = kCodes[data[pos] % std::size(kCodes)];
        size_t length = data[pos + 1] | size_t(data[pos + 2]) << 8;
        pos += 3;
        if (length > size - pos) length = size - pos;
        Read(area, code, std::string_view(reinterpret_cast<const char*>(data + pos), length));
        pos += length;
        if (area.GetWidth() != 8 || area.GetHeight() != 6) __builtin_trap();
        if (area.GetProjectSiteCount() != 0 &&
            (area.GetProjectSitePoint(area.GetProjectSiteCount() - 1).x < 0))
            __builtin_trap();
    }
    Exercise(area);
    return 0;
}
