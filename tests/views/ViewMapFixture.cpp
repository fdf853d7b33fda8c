#include "ViewMapFixture.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>
#include <vector>

#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/BM.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"

namespace {

constexpr int kSlotDirection[4] = {3, 0, 2, 1};

// An 8-bit bottom-up picture from a colour function (0x00BBGGRR), its
// colour table made of the colours the function gives.
CBM MakePicture(int width, int height, const std::function<COLORREF(int, int)>& colour) {
    std::vector<COLORREF> table;
    std::vector<uint8_t> indexes(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            auto at = std::find(table.begin(), table.end(), c);
            if (at == table.end()) at = table.insert(table.end(), c);
            indexes[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                static_cast<uint8_t>(at - table.begin());
        }
    const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
    const size_t head = 40 + 4 * table.size();
    std::vector<uint8_t> image(head + stride * static_cast<size_t>(height));
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) image[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, static_cast<uint32_t>(width));
    put32(8, static_cast<uint32_t>(height));
    image[12] = 1;
    image[14] = 8;
    put32(20, static_cast<uint32_t>(stride * height));
    put32(32, static_cast<uint32_t>(table.size()));
    for (size_t i = 0; i < table.size(); ++i) {
        image[40 + 4 * i] = static_cast<uint8_t>(table[i] >> 16);
        image[40 + 4 * i + 1] = static_cast<uint8_t>(table[i] >> 8);
        image[40 + 4 * i + 2] = static_cast<uint8_t>(table[i]);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image[head + stride * static_cast<size_t>(height - 1 - y) + static_cast<size_t>(x)] =
                indexes[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    CMemBlock block;
    block.Alloc(image.size());
    std::memcpy(block.Lock(), image.data(), image.size());
    return CBM(std::move(block));
}

struct SPoint {
    double x, y;
};

// Inside the convex quadrilateral of the lower, left, top and right corners.
bool InQuad(const SPoint q[4], double x, double y) {
    for (int i = 0; i < 4; ++i) {
        const SPoint& a = q[i];
        const SPoint& b = q[(i + 1) % 4];
        if ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x) < -1e-9) return false;
    }
    return true;
}

// A footprint of w x h cells with its lower corner at the hotspot, raised
// by `rise` pixels: the box's pictures, or with rise = the level step a tile.
void AddPictures(CBD& type, const std::array<int, 7>& m, int rise, COLORREF top, COLORREF side) {
    int sw = 1, sh = 1;
    type.GetSize(sw, sh);
    for (int slot = 0; slot < CBD::kDirections; ++slot) {
        int w = sw, h = sh;
        if (kSlotDirection[slot] & 1) std::swap(w, h);
        const int width = w * m[0] + h * m[2];
        const int up = w * m[1] + h * m[3];
        const int boxRise = rise > m[4] ? rise : 0;
        const int height = up + (boxRise ? boxRise : m[4]);
        // Picture coordinates of the footprint's corners, lower first.
        const double hx = w * m[0], hy = boxRise ? height : up;
        const SPoint face[4] = {{hx, hy - boxRise},
                                {hx - w * m[0], hy - boxRise - w * m[1]},
                                {hx - w * m[0] + h * m[2], hy - boxRise - up},
                                {hx + h * m[2], hy - boxRise - h * m[3]}};
        const int skirt = boxRise ? boxRise : m[4];
        auto inShape = [&](int x, int y) {
            const double cx = x + 0.5, cy = y + 0.5;
            for (int t = 0; t <= skirt; ++t)
                if (InQuad(face, cx, cy - t)) return true;
            return false;
        };
        type.GetFirstPicture(slot) = MakePicture(width, height, [&](int x, int y) {
            if (!inShape(x, y)) return RGB(0, 0, 0);
            return InQuad(face, x + 0.5, y + 0.5) ? top : side;
        });
        type.GetSecondPicture(slot) = MakePicture(width, height, [&](int x, int y) {
            return inShape(x, y) ? RGB(255, 255, 255) : RGB(0, 0, 0);
        });
        type.SetView(slot, slot + 1, 0, {static_cast<int>(hx), static_cast<int>(hy)},
                     {width, height});
    }
}

COLORREF Dim(COLORREF c) {
    return RGB((c & 0xFF) / 2, ((c >> 8) & 0xFF) / 2, ((c >> 16) & 0xFF) / 2);
}

}  // namespace

COLORREF LandColour(int landType) {
    static const COLORREF colours[] = {RGB(96, 176, 64), RGB(150, 160, 80), RGB(170, 150, 120),
                                       RGB(200, 190, 90), RGB(120, 110, 100)};
    return colours[static_cast<size_t>(landType) % std::size(colours)];
}

COLORREF StructureColour(int structureType) {
    return RGB(60 + (structureType * 37) % 180, 40 + (structureType * 71) % 160,
               120 + (structureType * 53) % 120);
}

std::unique_ptr<CMapDoc> MakeViewMap(const SViewMapOptions& options) {
    auto source = MakeFixtureMap(FixtureWithAreas(1));
    const auto& m = options.metrics;
    // A tall building of 3 x 3 cells.
    source->GetStructureType(FindStructureOfCode(*source, 85))->SetSize(3, 3);
    for (int i = 0; i < 7; ++i)
        source->SetCellMetric(static_cast<CMapDoc::eCellMetric>(i), m[static_cast<size_t>(i)]);
    for (int t = 0; t < source->GetLandTypeCount(); ++t)
        AddPictures(*source->GetLandTypeEntry(t), m, m[4], LandColour(t), Dim(LandColour(t)));
    for (int t = 0; t < source->GetStructureTypeCount(); ++t)
        AddPictures(*source->GetStructureType(t), m, 24 + 6 * (t % 3), StructureColour(t),
                    Dim(StructureColour(t)));
    CMapData area = source->GetArea(0);
    source->SetGridSize(options.width, options.height);
    CMapData flat;
    flat.SetName(area.GetName());
    flat.SetGridSize(options.width, options.height);
    flat.SetPopulation(area.GetPopulation());
    source->AddArea(flat);
    const std::vector<uint8_t> bytes = CMapFileWriter::Write(*source);
    auto map = std::make_unique<CMapDoc>();
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    map->SetMapFileMode(1);
    map->Serialize(ar);
    map->SetMapFileMode(0);
    return map;
}
