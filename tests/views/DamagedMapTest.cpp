// Damaged maps and the map view: what the hit test cannot divide by and
// picture numbers beyond the four pictures are refused when the map loads;
// cell layers beyond their tables, as a peer's update could write them,
// are painted and hit-tested without harm.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ViewMapFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/CompanyPens.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapDrawOrder.h"
#include "model/MapFileWriter.h"
#include "model/MapGeometry.h"
#include "model/MapPainter.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace {

// The error a map data file of the damaged fixture map throws when it is
// read (the writer reads its file back too); -1 when it loads.
int LoadError(const std::function<void(CMapDoc&)>& damage) {
    auto source = MakeFixtureMap();
    damage(*source);
    CMapDoc map;
    try {
        const std::vector<uint8_t> bytes = CMapFileWriter::Write(*source);
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        map.SetMapFileMode(1);
        map.Serialize(ar);
    } catch (eMERCAVO_ERROR e) {
        return e;
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
    } catch (...) {
        ADD_FAILURE() << "another exception";
    }
    return -1;
}

void SetMetric(CMapDoc& map, CMapDoc::eCellMetric metric, int value) {
    map.SetCellMetric(metric, value);
}

TEST(DamagedMapTest, LoaderRefusesWhatTheViewCannotUse) {
    struct SCase {
        const char* name;
        std::function<void(CMapDoc&)> damage;
        int error;
    };
    auto picture = [](int number) {
        return [number](CMapDoc& map) {
            CBD& type = *map.GetStructureType(2);
            type.SetView(1, number, 0, type.GetViewOffset(1), type.GetViewExtent(1));
        };
    };
    const std::vector<SCase> cases = {
        {"sound", [](CMapDoc&) {}, -1},
        {"column x step 0", [](CMapDoc& m) { SetMetric(m, CMapDoc::metricColumnStepX, 0); },
         eMERCAVO_ERROR_CONTENTS},
        {"column x step below 0",
         [](CMapDoc& m) { SetMetric(m, CMapDoc::metricColumnStepX, -32); },
         eMERCAVO_ERROR_CONTENTS},
        {"row x step 0", [](CMapDoc& m) { SetMetric(m, CMapDoc::metricRowStepX, 0); },
         eMERCAVO_ERROR_CONTENTS},
        {"row y step 0", [](CMapDoc& m) { SetMetric(m, CMapDoc::metricRowStepY, 0); },
         eMERCAVO_ERROR_CONTENTS},
        // dyCol = -dxCol dyRow / dxRow makes both slopes zero.
        {"slopes cancel", [](CMapDoc& m) { SetMetric(m, CMapDoc::metricColumnStepY, -16); },
         eMERCAVO_ERROR_CONTENTS},
        {"column y step 0 is usable",
         [](CMapDoc& m) { SetMetric(m, CMapDoc::metricColumnStepY, 0); }, -1},
        {"picture number 4", picture(4), -1},
        {"picture number 0", picture(0), -1},
        {"picture number 5", picture(5), eMERCAVO_ERROR_CONTENTS},
        {"picture number -1", picture(-1), eMERCAVO_ERROR_CONTENTS},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadError(c.damage), c.error);
    }
}

TEST(DamagedMapTest, DamagedCellsArePaintedAndHitTestedSafely) {
    struct SCase {
        const char* name;
        int layer;
        int value;
    };
    const std::vector<SCase> cases = {
        {"land type beyond the table", CMapData::layerLandType, 99},
        {"land type -1", CMapData::layerLandType, -1},
        {"structure number beyond the table", CMapData::layerStructure, 999},
        {"covered cell with its anchor outside", CMapData::layerStructure, -1},
        {"construction type beyond the table", CMapData::layerConstructionType, 999},
        {"construction type -7", CMapData::layerConstructionType, -7},
        {"owner beyond the companies", CMapData::layerOwner, 40},
        {"owner -3", CMapData::layerOwner, -3},
        {"height far above the map", CMapData::layerHeight, 2000000000},
        {"height below the ground", CMapData::layerHeight, -2000000000},
        {"anchor x far outside", CMapData::layerAnchorX, 1 << 30},
    };
    CCompanyPens pens;
    ASSERT_TRUE(pens.Create());
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto map = MakeViewMap({.width = 6, .height = 5});
        CMapData& area = map->GetArea(0);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) {
                area.SetLayer(c.layer, x, y, c.value);
                // Both construction states read layer 6.
                area.SetLayer(CMapData::layerConstructionState, x, y, 1 + (x + y) % 2);
            }
        for (int d = 0; d < 4; ++d)
            for (double zoom : {0.5, 2.0}) {
                CMapGeometry g(*map, 0, d, zoom);
                CMapDrawOrder order;
                ASSERT_TRUE(order.Rebuild(g));
                for (int py = -20; py < 300; py += 13)
                    for (int px = -20; px < 500; px += 17) {
                        const CCellPoint hit = g.CellFromPoint(px, py);
                        EXPECT_TRUE(hit == CCellPoint(-1, -1) || g.IsMapCell(hit.x, hit.y));
                    }
                CMapPainter::SStyle style;
                style.pens = &pens;
                style.companyColour = [](int company) { return company == 0 ? 3 : -1; };
                CMapPainter painter(g, order, style);
                CBitmap bitmap;
                ASSERT_TRUE(bitmap.CreateBitmap(200, 150));
                CDC dc;
                ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
                CBitmap* old = dc.SelectObject(&bitmap);
                painter.PaintRect(dc, nullptr, CRect(0, 0, 200, 150));
                dc.SelectObject(old);
            }
    }
    pens.Release();
}

}  // namespace
