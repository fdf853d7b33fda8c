// The map view over a map read from arbitrary bytes, read as the map data
// file fuzz target reads them (bit 0 of the first byte: map data file mode;
// bits 0 and 1: the checksum is brought up to date first). A map that loads
// has its first area's cell layers overwritten from the input's last bytes,
// as a peer's cell updates could; then in every direction at zoom 0.5 and
// 2.0 its draw order is rebuilt, a grid of points is hit-tested, every
// cell's extents and redraw range are taken and the area is painted into a
// small picture through the layer and its coverage mask.

#include <cstdint>
#include <vector>

#include "MapFileInput.h"
#include "fakes/FakeServices.h"
#include "model/CompanyPens.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapDrawOrder.h"
#include "model/MapGeometry.h"
#include "model/MapPainter.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace {

struct SServices {
    SServices() {
        Services::SetApp(&app);
        Services::SetDoc(&doc);
        Services::SetFrame(&frame);
        pens.Create();
    }
    CDetachedAppService app;
    CFakeDocService doc;
    CFakeFrameService frame;
    CCompanyPens pens;
};

constexpr int kPictureWidth = 96;
constexpr int kPictureHeight = 64;
constexpr size_t kUpdateBytes = 8;

// Each 8-byte group of the input's tail: a layer, a cell and a value.
void OverwriteLayers(CMapData& area, const uint8_t* data, size_t size) {
    const size_t cells = static_cast<size_t>(area.GetWidth()) * area.GetHeight();
    if (cells == 0) return;
    const size_t groups = std::min<size_t>(size / kUpdateBytes, 32);
    const uint8_t* tail = data + size - groups * kUpdateBytes;
    for (size_t g = 0; g < groups; ++g) {
        const uint8_t* u = tail + g * kUpdateBytes;
        const int layer = u[0] % CMapData::kLayerCount;
        const size_t cell = (u[1] | u[2] << 8 | u[3] << 16) % cells;
        const int32_t value = static_cast<int32_t>(u[4] | u[5] << 8 | u[6] << 16 |
                                                   static_cast<uint32_t>(u[7]) << 24);
        area.SetLayer(layer, static_cast<int>(cell % static_cast<size_t>(area.GetWidth())),
                      static_cast<int>(cell / static_cast<size_t>(area.GetWidth())), value);
    }
}

void View(const CMapDoc& map, CCompanyPens& pens, int direction, double zoom) {
    CMapGeometry g(map, 0, direction, zoom);
    CMapDrawOrder order;
    order.Rebuild(g);
    for (int y = -40; y < 400; y += 37)
        for (int x = -40; x < 600; x += 41) g.CellFromPoint(x, y);
    for (int vy = 0; vy < g.GetViewRows(); ++vy)
        for (int vx = 0; vx < g.GetViewColumns(); ++vx) {
            g.GetCellExtents(vx, vy, 1);
            g.GetRedrawRange(vx, vy, 1);
        }
    int tw = 0, th = 0;
    g.GetTotalSize(tw, th);
    g.SetScroll(tw / 3, th / 3);
    CMapPainter::SStyle style;
    style.pens = &pens;
    style.companyColour = [](int company) { return company >= 0 && company < 4 ? company : -1; };
    style.highlight = [](int mx, int my) { return (mx + my) % 3 == 0; };
    style.mapMode = direction == 1 ? 2 : 0;
    CMapPainter painter(g, order, style);
    CBitmap layer, coverage;
    CDC layerDC, coverageDC;
    if (!layer.CreateBitmap(kPictureWidth, kPictureHeight) ||
        !coverage.CreateBitmap(kPictureWidth, kPictureHeight) ||
        !layerDC.CreateCompatibleDC(nullptr) || !coverageDC.CreateCompatibleDC(nullptr))
        return;
    CBitmap* oldLayer = layerDC.SelectObject(&layer);
    CBitmap* oldCoverage = coverageDC.SelectObject(&coverage);
    painter.PaintRect(layerDC, &coverageDC, CRect(0, 0, kPictureWidth, kPictureHeight));
    for (int vy = 0; vy < g.GetViewRows(); ++vy)
        for (int vx = 0; vx < g.GetViewColumns(); ++vx) painter.GetCellBounds(vx, vy);
    coverageDC.SelectObject(oldCoverage);
    layerDC.SelectObject(oldLayer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SServices services;
    CMapDoc map;
    if (!LoadMapInput(data, size, map)) return 0;
    if (map.GetAreaCount() == 0) return 0;
    OverwriteLayers(map.GetArea(0), data, size);
    for (int d = 0; d < CMapGeometry::kDirections; ++d)
        for (double zoom : {0.5, 2.0}) View(map, services.pens, d, zoom);
    return 0;
}
