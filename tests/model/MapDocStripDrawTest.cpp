#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/MapFileFixture.h"
#include "fakes/TestDrawing.h"
#include "model/BD.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"

namespace {

class MapStripDrawTest : public ::testing::Test {
protected:
    std::unique_ptr<CMapDoc> Load(CMapDoc& source) {
        std::vector<uint8_t> bytes = CMapFileWriter::Write(source);
        auto map = std::make_unique<CMapDoc>();
        map->SetMapFileMode(1);
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        map->Serialize(ar);
        return map;
    }

    // The colour of a strip's pixel.
    static COLORREF StripPixel(const CPictureStripBitmap& strip, int x, int y) {
        CTestCanvas canvas(1, 1, RGB(1, 2, 3));
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        CBitmap* previous = memory.SelectObject(const_cast<CBitmap*>(&strip.GetBitmap()));
        canvas.DC().BitBlt(0, 0, 1, 1, &memory, x, y, SRCCOPY);
        memory.SelectObject(previous);
        return canvas.At(0, 0);
    }

    // Every picture of a type: solid, a colour of its own per direction and
    // set, 6 + d pixels wide and 4 high.
    static void PaintSolid(CBD& type, int seed) {
        for (int d = 0; d < CBD::kDirections; ++d) {
            int w = 6 + d;
            type.GetFirstPicture(d) = CBM(MakeSolidPicture(w, 4, Colour(seed, d, 0)));
            type.GetSecondPicture(d) = CBM(MakeSolidPicture(w, 4, Colour(seed, d, 1)));
            type.SetView(d, d + 1, 0, {0, 0}, {w, 4});
        }
    }

    static COLORREF Colour(int seed, int d, int set) {
        return RGB((seed * 37) % 256, 40 * d + 20, set ? 250 : 10);
    }

    CDetachedAppService app;
    CScopedService<IAppService> scoped = ScopedApp(&app);
};

TEST_F(MapStripDrawTest, LoadDrawsEveryPictureAtItsOffset) {
    auto source = MakeFixtureMap();
    for (int i = 0; i < source->GetLandTypeCount(); ++i)
        PaintSolid(*source->GetLandTypeEntry(i), i);
    for (int i = 0; i < source->GetStructureTypeCount(); ++i)
        PaintSolid(*source->GetStructureType(i), 100 + i);
    auto map = Load(*source);

    ASSERT_FALSE(map->GetPictureStrips().empty());
    auto check = [&](const CBD& type, int seed) {
        const CPictureStripBitmap* strip = map->GetPictureStrip(type.GetStripNumber());
        ASSERT_NE(strip, nullptr);
        for (int d = 0; d < CBD::kDirections; ++d)
            for (int set = 0; set < 2; ++set) {
                int x = type.GetPictureOffset(set, d);
                ASSERT_GE(x, 0);
                // First and last column of the picture, top and bottom row.
                EXPECT_EQ(StripPixel(*strip, x, 0), Colour(seed, d, set));
                EXPECT_EQ(StripPixel(*strip, x + 5 + d, 3), Colour(seed, d, set));
            }
    };
    for (int i = 0; i < map->GetLandTypeCount(); ++i) check(*map->GetLandTypeEntry(i), i);
    for (int i = 0; i < map->GetStructureTypeCount(); ++i)
        check(*map->GetStructureType(i), 100 + i);
    // The strips hold the pictures now; the pictures keep only their images.
    EXPECT_TRUE(map->GetStructureType(0)->GetFirstPicture(0).HasImage());
    EXPECT_EQ(map->GetStructureType(0)->GetFirstPicture(0).GetBitmap(), nullptr);
}

TEST_F(MapStripDrawTest, StripWiderThanAnyBitmapFailsTheLoadWithErrorZero) {
    // Two types of 8 pictures 1280 pixels wide need a strip of 20480.
    auto source = MakeFixtureMap();
    for (int i = 0; i < 2; ++i) {
        CBD& type = *source->GetStructureType(i);
        for (int d = 0; d < CBD::kDirections; ++d) {
            type.GetFirstPicture(d) = CBM(MakeSolidPicture(1280, 1, RGB(9, 9, 9)));
            type.GetSecondPicture(d) = CBM(MakeSolidPicture(1280, 1, RGB(9, 9, 9)));
            type.SetView(d, 1, 0, {0, 0}, {1280, 1});
        }
    }
    try {
        Load(*source);
        FAIL() << "the load must fail";
    } catch (eMERCAVO_ERROR e) {
        EXPECT_EQ(e, eMERCAVO_ERROR_FAILED);
    }
}

}  // namespace
