#include "model/BaseMapData.h"

#include <gtest/gtest.h>

#include "model/MercavoError.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

// A raw area record: texts, size and count, cells (seven values each, the
// value of grid g in cell k being 100 g + k) and the six figures.
std::vector<uint8_t> AreaRecord(int width, int height, int cellsWritten = -1) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    ar.WriteRecordText("North Bay");
    ar.WriteInt(0);  // no explanation
    ar.WriteInt(width);
    ar.WriteInt(height);
    ar.WriteInt(17);
    int cells = cellsWritten >= 0 ? cellsWritten : width > 0 && height > 0 ? width * height : 0;
    for (int k = 0; k < cells; ++k)
        for (int g = 0; g < CBaseMapData::kGridCount; ++g) ar.WriteInt(100 * g + k);
    for (int figure : {90, 40, 11, 12, 13, 14}) ar.WriteInt(figure);
    return stream.Bytes();
}

class BaseMapDataTest : public ::testing::Test {
protected:
    void Load(CBaseMapData& record, const std::vector<uint8_t>& bytes) {
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        record.Serialize(ar);
        EXPECT_EQ(stream.Remaining(), 0u);
    }

    CDetachedAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
};

TEST_F(BaseMapDataTest, ReadsInterleavedCellsWithTheirChecksumFeed) {
    CBaseMapData record;
    record.SetExpectedGrid(3, 2);
    app.DataChecksum().Reset();
    Load(record, AreaRecord(3, 2));
    EXPECT_EQ(record.GetName(), "North Bay");
    EXPECT_EQ(record.GetExplanation(), "");
    EXPECT_EQ(record.GetWidth(), 3);
    EXPECT_EQ(record.GetHeight(), 2);
    EXPECT_EQ(record.GetCount(), 17);
    for (int g = 0; g < CBaseMapData::kGridCount; ++g) {
        ASSERT_EQ(record.GetGrid(g).size(), 6u);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(record.GetGrid(g)[static_cast<size_t>(k)], 100 * g + k);
    }
    EXPECT_EQ(record.GetFigure(0), 90);
    EXPECT_EQ(record.GetFigure(5), 14);

    CDataChecksum expected;
    expected.Add(9).AddText("North Bay").Add(0).Add(3).Add(2).Add(17);
    for (int k = 0; k < 6; ++k)
        for (int g = 0; g < CBaseMapData::kGridCount; ++g) expected.Add(100 * g + k);
    for (int figure : {90, 40, 11, 12, 13, 14}) expected.Add(figure);
    EXPECT_EQ(app.DataChecksum().Get(), expected.Get());
}

TEST_F(BaseMapDataTest, AnAreaWithoutWidthOrHeightHasNoGrids) {
    for (auto [width, height] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{0, 0}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        CBaseMapData record;
        Load(record, AreaRecord(width, height));
        for (int g = 0; g < CBaseMapData::kGridCount; ++g) EXPECT_TRUE(record.GetGrid(g).empty());
        EXPECT_EQ(record.GetFigure(0), 90);  // the figures follow the count directly
        EXPECT_EQ(record.GetFigure(5), 14);
    }
    CBaseMapData fresh;
    EXPECT_EQ(fresh.GetFigure(0), 100);
    EXPECT_EQ(fresh.GetFigure(1), 50);
    EXPECT_EQ(fresh.GetFigure(2), 10);
}

TEST_F(BaseMapDataTest, StoringWritesNothing) {
    CBaseMapData record;
    Load(record, AreaRecord(2, 2));
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    record.Serialize(ar);
    EXPECT_TRUE(stream.Bytes().empty());
}

TEST_F(BaseMapDataTest, SizesOutOfRangeAreRefusedBeforeAnythingIsAllocated) {
    struct Case {
        const char* what;
        int width, height, expectedWidth, expectedHeight;
    };
    for (Case c : std::initializer_list<Case>{
             {"both negative: a positive product", -2, -3, -1, -1},
             {"one negative", -2, 3, -1, -1},
             {"wider than any map", 10000, 1, -1, -1},
             {"product beyond 32 bits", 65536, 65536, -1, -1},
             {"not the map's grid", 4, 4, 4, 5},
             {"empty where the map has cells", 0, 0, 4, 4},
         }) {
        SCOPED_TRACE(c.what);
        CBaseMapData record;
        record.SetExpectedGrid(c.expectedWidth, c.expectedHeight);
        CMemoryStream stream(AreaRecord(c.width, c.height, 0));
        CArchive ar(stream, CArchive::load);
        try {
            record.Serialize(ar);
            ADD_FAILURE() << "loaded";
        } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
        }
    }
}

TEST_F(BaseMapDataTest, CellsThatTheDataCannotHoldEndTheRead) {
    CBaseMapData record;
    CMemoryStream stream(AreaRecord(9999, 9999, 1));
    CArchive ar(stream, CArchive::load);
    EXPECT_THROW(record.Serialize(ar), CArchiveException);
    std::vector<uint8_t> whole = AreaRecord(2, 2);
    for (size_t cut : {size_t{3}, size_t{20}, size_t{60}, whole.size() - 1}) {
        SCOPED_TRACE(cut);
        CMemoryStream part(std::vector<uint8_t>(whole.begin(), whole.begin() + cut));
        CArchive partAr(part, CArchive::load);
        EXPECT_THROW(record.Serialize(partAr), CArchiveException);
    }
}

}  // namespace
