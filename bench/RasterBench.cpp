// Block transfers between memory bitmaps at the sizes the map view paints,
// the masked sprite draw of every structure picture of the authored map,
// and the load of the authored data files with their picture strips.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "fakes/FakeMapWorld.h"
#include "game/HeadlessServices.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/MapDoc.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/ProgramFolder.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace {

// A memory context with its own bitmap, filled with a varied picture so
// that no transfer sees uniform pixels.
struct Surface {
    CBitmap bitmap;
    CDC dc;
    CBitmap* previous = nullptr;

    Surface(int width, int height) {
        bitmap.CreateBitmap(width, height);
        dc.CreateCompatibleDC(nullptr);
        previous = dc.SelectObject(&bitmap);
        for (int y = 0; y < height; y += 16)
            for (int x = 0; x < width; x += 16)
                dc.FillSolidRect(x, y, 16, 16, RGB(x * 7 & 255, y * 5 & 255, (x ^ y) & 255));
    }
    ~Surface() { dc.SelectObject(previous); }
};

void BM_CopyFullScreen(benchmark::State& state) {
    Surface src(1920, 1080), dst(1920, 1080);
    for (auto _ : state) {
        dst.dc.BitBlt(0, 0, 1920, 1080, &src.dc, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 1920LL * 1080 * 4);
}
BENCHMARK(BM_CopyFullScreen)->Unit(benchmark::kMillisecond);

void BM_StretchDouble(benchmark::State& state) {
    Surface src(960, 540), dst(1920, 1080);
    for (auto _ : state) {
        dst.dc.StretchBlt(0, 0, 1920, 1080, &src.dc, 0, 0, 960, 540, SRCCOPY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StretchDouble)->Unit(benchmark::kMillisecond);

// Every structure picture of the authored map as a bitmap of its own, with
// a mask made from it (white where the picture is black).
struct Sprite {
    std::unique_ptr<Surface> picture;
    std::unique_ptr<Surface> mask;
};

std::vector<Sprite> StructureSprites(const CMapDoc& map) {
    std::vector<Sprite> sprites;
    for (int i = 0; i < map.GetStructureTypeCount(); ++i) {
        const CBD* type = map.GetStructureType(i);
        for (int d = 0; d < CBD::kDirections; ++d)
            for (const CBM* bm : {&type->GetFirstPicture(d), &type->GetSecondPicture(d)}) {
                if (!bm->HasImage()) continue;
                Sprite s;
                s.picture = std::make_unique<Surface>(bm->GetWidth(), bm->GetHeight());
                s.mask = std::make_unique<Surface>(bm->GetWidth(), bm->GetHeight());
                bm->Draw(s.picture->dc, 0, 0, bm->GetWidth(), bm->GetHeight());
                s.mask->dc.BitBlt(0, 0, bm->GetWidth(), bm->GetHeight(), &s.picture->dc, 0, 0,
                                  NOTSRCCOPY);
                sprites.push_back(std::move(s));
            }
    }
    return sprites;
}

void BM_MaskedStructureSprites(benchmark::State& state) {
    auto map = CFakeMapWorld::LoadOriginalMap();
    if (!map) {
        state.SkipWithError("ORIGINAL.MQM is not in the program folder");
        return;
    }
    const std::vector<Sprite> sprites = StructureSprites(*map);
    int64_t pixels = 0;
    for (const Sprite& s : sprites)
        pixels += s.picture->bitmap.GetSize().cx * s.picture->bitmap.GetSize().cy;
    Surface screen(1920, 1080);
    for (auto _ : state) {
        int x = 0;
        for (const Sprite& s : sprites) {
            const CSize size = s.picture->bitmap.GetSize();
            screen.dc.BitBlt(x, 100, size.cx, size.cy, &s.mask->dc, 0, 0, SRCAND);
            screen.dc.BitBlt(x, 100, size.cx, size.cy, &s.picture->dc, 0, 0, SRCPAINT);
            x = (x + 37) % 1600;
        }
        benchmark::ClobberMemory();
    }
    // Items are pixels drawn: the rate is pixels a second.
    state.SetItemsProcessed(state.iterations() * pixels);
    state.counters["sprites"] = static_cast<double>(sprites.size());
    // The inverted rate of thousands of millions of pixels: milliseconds per
    // million pixels.
    state.counters["ms_per_Mpixel"] =
        benchmark::Counter(static_cast<double>(state.iterations() * pixels) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MaskedStructureSprites)->Unit(benchmark::kMillisecond);

void BM_LoadAuthoredDataFiles(benchmark::State& state) {
    const std::string map = CProgramFolder::File(CVDoc::kDefaultMapFile);
    const std::string persons = CProgramFolder::File(CPersonDataFile::kFileName);
    CHeadlessServices services;
    for (auto _ : state) {
        CVDoc doc;
        auto scopedDoc = ScopedDoc(&doc);
        if (!doc.LoadDataFilesFrom(map, persons)) {
            state.SkipWithError("the authored data files did not load");
            return;
        }
    }
}
BENCHMARK(BM_LoadAuthoredDataFiles)->Unit(benchmark::kMillisecond);

}  // namespace
