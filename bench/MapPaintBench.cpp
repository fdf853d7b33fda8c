// Painting the map as the map window does, on the authored map's busiest
// area in direction 2 (the fixture map without it): a full repaint of a
// 1920 x 1080 window (cells into the layer and coverage mask, then composed
// over the background), a scroll by one cell (the kept pictures moved, the
// uncovered strip painted, the whole composed), and the redraw of one
// 3 x 3 building's block. And the judgment map frame's full paint.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "fakes/FakeMapWorld.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/CompanyPens.h"
#include "model/MapBackground.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapDrawOrder.h"
#include "model/MapGeometry.h"
#include "model/MapPainter.h"
#include "model/MapPictureCache.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr DWORD kMaskOut = 0x00220326;

class CSurface {
public:
    CSurface() {
        bitmap.CreateBitmap(kWidth, kHeight);
        dc.CreateCompatibleDC(nullptr);
        old = dc.SelectObject(&bitmap);
    }
    ~CSurface() { dc.SelectObject(old); }
    CBitmap bitmap;
    CDC dc;
    CBitmap* old = nullptr;
};

// The window's pictures: background, layer, coverage, their spares and
// the composed picture.
struct SWindow {
    CSurface background, layer, coverage, spareLayer, spareCoverage, picture;

    void Clear(const CRect& r) {
        layer.dc.FillSolidRect(r, RGB(0, 0, 0));
        coverage.dc.FillSolidRect(r, RGB(0, 0, 0));
    }
    void Compose(const CRect& r) {
        const int x = r.left, y = r.top, w = r.Width(), h = r.Height();
        picture.dc.BitBlt(x, y, w, h, &background.dc, x, y, SRCCOPY);
        picture.dc.BitBlt(x, y, w, h, &coverage.dc, x, y, kMaskOut);
        picture.dc.BitBlt(x, y, w, h, &layer.dc, x, y, SRCPAINT);
    }
};

struct SScene {
    std::unique_ptr<CMapDoc> map;
    int area = 0;
    CCompanyPens pens;
    CMapPictureCache pictures;

    SScene() {
        map = CFakeMapWorld::LoadOriginalMap();
        if (!map) map = MakeFixtureMap();
        int best = -1;
        for (int a = 0; a < map->GetAreaCount(); ++a) {
            int count = 0;
            for (int32_t s : map->GetArea(a).Cells(CMapData::layerStructure)) count += s != 0;
            if (count > best) {
                best = count;
                area = a;
            }
        }
        pens.Create();
    }
    ~SScene() { pens.Release(); }

    CMapPainter::SStyle Style() {
        CMapPainter::SStyle style;
        style.pens = &pens;
        style.companyColour = [](int company) { return company >= 0 && company < 8 ? company : -1; };
        style.pictures = &pictures;
        return style;
    }
};

SScene& Scene() {
    static SScene scene;
    return scene;
}

// The scene's area in direction 2, scrolled to the middle of its picture.
CMapGeometry CentredGeometry(SScene& scene, double zoom) {
    CMapGeometry g(*scene.map, scene.area, 2, zoom);
    int tw = 0, th = 0;
    g.GetTotalSize(tw, th);
    g.SetScroll(std::max(tw - kWidth, 0) / 2, std::max(th - kHeight, 0) / 2);
    return g;
}

void BM_MapFullRepaint(benchmark::State& state) {
    SScene& scene = Scene();
    const double zoom = state.range(0) / 100.0;
    const CMapGeometry g = CentredGeometry(scene, zoom);
    CMapDrawOrder order;
    order.Rebuild(g);
    CMapPainter painter(g, order, scene.Style());
    SWindow window;
    const CRect all(0, 0, kWidth, kHeight);
    for (auto _ : state) {
        window.Clear(all);
        painter.PaintRect(window.layer.dc, &window.coverage.dc, all);
        window.Compose(all);
    }
    state.counters["pixels"] = kWidth * kHeight;
}
BENCHMARK(BM_MapFullRepaint)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The judgment's map frame paints the same cells straight over its gradient
// background (no layer or coverage), with the foundation land type for the
// sides of raised cells, then copies the whole to the screen.
void BM_JudgeMapFullPaint(benchmark::State& state) {
    SScene& scene = Scene();
    const double zoom = state.range(0) / 100.0;
    const CMapGeometry g = CentredGeometry(scene, zoom);
    CMapDrawOrder order;
    order.Rebuild(g);
    CMapPainter::SStyle style = scene.Style();
    style.sidesFromFoundation = true;
    CMapPainter painter(g, order, std::move(style));
    SWindow window;
    CMapBackground::Build(window.background.bitmap, kWidth, kHeight, RGB(255, 255, 255),
                          RGB(63, 63, 63), nullptr);
    const CRect all(0, 0, kWidth, kHeight);
    for (auto _ : state) {
        window.layer.dc.BitBlt(0, 0, kWidth, kHeight, &window.background.dc, 0, 0, SRCCOPY);
        painter.PaintRect(window.layer.dc, nullptr, all);
        window.picture.dc.BitBlt(0, 0, kWidth, kHeight, &window.layer.dc, 0, 0, SRCCOPY);
    }
    state.counters["pixels"] = kWidth * kHeight;
}
BENCHMARK(BM_JudgeMapFullPaint)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_MapScrollOneCell(benchmark::State& state) {
    SScene& scene = Scene();
    const double zoom = 2.0;
    CMapGeometry g(*scene.map, scene.area, 2, zoom);
    int tw = 0, th = 0;
    g.GetTotalSize(tw, th);
    const int step = CMapGeometry::Scale(scene.map->GetCellMetric(CMapDoc::metricColumnStepX), zoom);
    int x = std::max(tw - kWidth, 0) / 2;
    g.SetScroll(x, std::max(th - kHeight, 0) / 2);
    CMapDrawOrder order;
    order.Rebuild(g);
    SWindow window;
    const CRect all(0, 0, kWidth, kHeight);
    {
        CMapPainter painter(g, order, scene.Style());
        painter.PaintRect(window.layer.dc, &window.coverage.dc, all);
    }
    int direction = 1;
    for (auto _ : state) {
        // One cell right, then back: the pictures move by the step and the
        // uncovered column is painted.
        x += direction * step;
        g.SetScroll(x, g.GetScrollY());
        const int dx = -direction * step;
        window.spareLayer.dc.BitBlt(dx, 0, kWidth, kHeight, &window.layer.dc, 0, 0, SRCCOPY);
        window.spareCoverage.dc.BitBlt(dx, 0, kWidth, kHeight, &window.coverage.dc, 0, 0, SRCCOPY);
        const CRect strip = dx > 0 ? CRect(0, 0, dx, kHeight) : CRect(kWidth + dx, 0, kWidth, kHeight);
        window.layer.dc.BitBlt(0, 0, kWidth, kHeight, &window.spareLayer.dc, 0, 0, SRCCOPY);
        window.coverage.dc.BitBlt(0, 0, kWidth, kHeight, &window.spareCoverage.dc, 0, 0, SRCCOPY);
        window.Clear(strip);
        CMapPainter painter(g, order, scene.Style());
        painter.PaintRect(window.layer.dc, &window.coverage.dc, strip);
        window.Compose(all);
        direction = -direction;
    }
    state.counters["strip_pixels"] = step * kHeight;
}
BENCHMARK(BM_MapScrollOneCell)->Unit(benchmark::kMillisecond);

// Places the map's first 3 x 3 type on the first free block of the area.
CCellPoint PlaceBuilding(CMapDoc& map, int areaIndex) {
    const CMapData& area = map.GetArea(areaIndex);
    int type = -1;
    for (int t = 0; t < map.GetStructureTypeCount() && type < 0; ++t) {
        int w = 0, h = 0;
        map.GetStructureType(t)->GetSize(w, h);
        if (w == 3 && h == 3) type = t;
    }
    if (type < 0) return {-1, -1};
    for (int y = area.GetHeight() / 3; y < area.GetHeight(); ++y)
        for (int x = 2; x < area.GetWidth(); ++x) {
            bool free = y >= 2;
            for (int j = 0; j < 3 && free; ++j)
                for (int i = 0; i < 3 && free; ++i)
                    free = area.GetLayer(CMapData::layerStructure, x - i, y - j) == 0;
            if (!free) continue;
            map.SetStructureAt(areaIndex, x, y, type + 1);
            return {x, y};
        }
    return {-1, -1};
}

void BM_MapDrawCell3x3(benchmark::State& state) {
    SScene& scene = Scene();
    CMapDoc& map = *scene.map;
    const CMapData& area = map.GetArea(scene.area);
    // The first anchor of a 3 x 3 structure.
    CCellPoint anchor{-1, -1};
    for (int y = 0; y < area.GetHeight() && anchor.x < 0; ++y)
        for (int x = 0; x < area.GetWidth() && anchor.x < 0; ++x) {
            const int n = area.GetLayer(CMapData::layerStructure, x, y);
            int w = 0, h = 0;
            if (n > 0) map.GetStructureType(n - 1)->GetSize(w, h);
            if (w == 3 && h == 3) anchor = {x, y};
        }
    if (anchor.x < 0) anchor = PlaceBuilding(map, scene.area);
    if (anchor.x < 0) {
        state.SkipWithError("no room for a 3 x 3 structure in the area");
        return;
    }
    CMapGeometry g(map, scene.area, 2, 1.0);
    int tw = 0, th = 0;
    g.GetTotalSize(tw, th);
    g.SetScroll(std::max(tw - kWidth, 0) / 2, std::max(th - kHeight, 0) / 2);
    CMapDrawOrder order;
    order.Rebuild(g);
    CMapPainter painter(g, order, scene.Style());
    SWindow window;
    CRect rect;
    for (auto _ : state) {
        const CCellPoint far = g.FarCornerOf(anchor.x, anchor.y);
        const SCellExtents box = g.GetCellExtents(far.x, far.y, 1);
        const int x = g.GetCellScreenX(far.x, far.y) - box.left;
        const int y = g.GetCellScreenY(far.x, far.y, area.GetGroundHeight(anchor.x, anchor.y) + 1) -
                      box.above;
        rect.SetRect(x, y, x + box.left + box.right, y + box.above + box.below);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) rect.UnionRect(rect, painter.GetCellBounds(far.x - j, far.y - i));
        rect.IntersectRect(rect, CRect(0, 0, kWidth, kHeight));
        window.Clear(rect);
        painter.PaintRect(window.layer.dc, &window.coverage.dc, rect);
        window.Compose(rect);
    }
    state.counters["block_pixels"] = rect.Width() * rect.Height();
}
BENCHMARK(BM_MapDrawCell3x3)->Unit(benchmark::kMillisecond);

}  // namespace
