#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/TestDrawing.h"
#include "model/BD.h"
#include "model/StrcDoc.h"
#include "platform/core/Archive.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

class StripTest : public ::testing::Test {
protected:
    CDetachedAppService app;
    CFakeFrameService frame;
    CFakeNetService net;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
    CScopedService<INetService> scopedNet = ScopedNet(&net);
};

// Direction 0: a red first and a green second picture, 4 x 3. Direction 1: a
// blue first picture, 2 x 2. Direction 2: no pictures but a large extent,
// which must not count. Direction 3: a white second picture, 5 x 2.
CBD MakeType() {
    CBD type;
    type.SetView(0, 0, 0, {}, {4, 3});
    type.SetView(1, 0, 0, {}, {2, 2});
    type.SetView(2, 0, 0, {}, {9, 9});
    type.SetView(3, 0, 0, {}, {5, 2});
    type.GetFirstPicture(0) = CBM(MakeSolidPicture(4, 3, kRed));
    type.GetSecondPicture(0) = CBM(MakeSolidPicture(4, 3, kGreen));
    type.GetFirstPicture(1) = CBM(MakeSolidPicture(2, 2, kBlue));
    type.GetSecondPicture(3) = CBM(MakeSolidPicture(5, 2, kWhite));
    return type;
}

// The strip's pixels, one colour per cell row and column: what cell k
// shows at (x, y) within the cell.
std::vector<COLORREF> StripPixels(const CBD& type) {
    CTestCanvas canvas(type.GetPictureStrip()->GetSize().cx, type.GetPictureStrip()->GetSize().cy,
                       kYellow);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(type.GetPictureStrip());
    canvas.DC().BitBlt(0, 0, canvas.Bitmap().GetSize().cx, canvas.Bitmap().GetSize().cy, &memory, 0,
                       0, SRCCOPY);
    return canvas.Pixels(0, 0, canvas.Bitmap().GetSize().cx, canvas.Bitmap().GetSize().cy);
}

// The expected strip of MakeType: cells of 5 x 3, first 0, second 0, first 1,
// second 1, ...; a picture smaller than its cell leaves the rest black.
// Without the last picture the cells are only 4 wide.
std::vector<COLORREF> ExpectedStrip(bool withLast = true) {
    const int cell = withLast ? 5 : 4;
    std::vector<COLORREF> pixels(size_t(8 * cell * 3), kBlack);
    auto fill = [&](int k, int w, int h, COLORREF color) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) pixels[size_t(y * 8 * cell + k * cell + x)] = color;
        }
    };
    fill(0, 4, 3, kRed);
    fill(1, 4, 3, kGreen);
    fill(2, 2, 2, kBlue);
    if (withLast) fill(7, 5, 2, kWhite);
    return pixels;
}

TEST_F(StripTest, StripHoldsTheEightPicturesInTheirCells) {
    CBD type = MakeType();
    ASSERT_EQ(type.BuildPictureStrip(), 1);
    ASSERT_NE(type.GetPictureStrip(), nullptr);
    EXPECT_EQ(type.GetStripCellWidth(), 5);
    EXPECT_EQ(type.GetStripCellHeight(), 3);
    EXPECT_EQ(type.GetPictureStrip()->GetSize(), CSize(40, 3));
    EXPECT_EQ(StripPixels(type), ExpectedStrip());

    // The pictures keep their images only.
    for (int d = 0; d < CBD::kDirections; ++d) {
        EXPECT_EQ(type.GetFirstPicture(d).GetBitmap(), nullptr);
        EXPECT_EQ(type.GetSecondPicture(d).GetPalette(), nullptr);
    }
    EXPECT_TRUE(type.GetFirstPicture(0).HasImage());

    CTestCanvas picture(40, 3, kBlack);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(type.GetPictureStrip());
    picture.DC().BitBlt(0, 0, 40, 3, &memory, 0, 0, SRCCOPY);
    picture.SaveWhenAsked("type_strip_cells");
}

TEST_F(StripTest, PictureLargerThanItsCellIsCut) {
    CBD type;
    type.SetView(0, 0, 0, {}, {2, 1});
    type.GetFirstPicture(0) = CBM(MakeSolidPicture(4, 3, kRed));
    ASSERT_EQ(type.BuildPictureStrip(), 1);
    EXPECT_EQ(type.GetPictureStrip()->GetSize(), CSize(16, 1));
    std::vector<COLORREF> expected(16, kBlack);
    expected[0] = expected[1] = kRed;
    EXPECT_EQ(StripPixels(type), expected);
}

TEST_F(StripTest, NoStripWithoutPicturesOrExtentsAndAFailureKeepsTheOldOne) {
    struct Case {
        const char* name;
        CBD::SViewPoint extent;
        bool picture;
    };
    for (Case c : std::initializer_list<Case>{{"no pictures", {4, 3}, false},
                                              {"zero extent", {0, 3}, true},
                                              {"negative extent", {4, -3}, true},
                                              {"strip too wide to make", {2000000000, 1}, true},
                                              {"strip too large to make", {9000, 9000}, true}}) {
        SCOPED_TRACE(c.name);
        CBD type;
        type.SetView(0, 0, 0, {}, c.extent);
        if (c.picture) type.GetFirstPicture(0) = CBM(MakeSolidPicture(2, 2, kRed));
        EXPECT_EQ(type.BuildPictureStrip(), 0);
        EXPECT_EQ(type.GetPictureStrip(), nullptr);
        EXPECT_EQ(type.GetStripCellWidth(), 0);
        // The pictures keep what they had for drawing.
        if (c.picture) {
            EXPECT_NE(type.GetFirstPicture(0).GetBitmap(), nullptr);
        }
    }
    CBD type = MakeType();
    ASSERT_EQ(type.BuildPictureStrip(), 1);
    CBitmap* strip = type.GetPictureStrip();
    type.SetView(0, 0, 0, {}, {0, 0});
    type.SetView(1, 0, 0, {}, {0, 0});
    type.SetView(3, 0, 0, {}, {0, 0});
    EXPECT_EQ(type.BuildPictureStrip(), 0);
    EXPECT_EQ(type.GetPictureStrip(), strip);
    EXPECT_EQ(type.GetStripCellWidth(), 5);
}

TEST_F(StripTest, CopyBuildsItsOwnStripButAssignmentDropsIt) {
    CBD source = MakeType();
    ASSERT_EQ(source.BuildPictureStrip(), 1);
    CBD copy(source);
    ASSERT_NE(copy.GetPictureStrip(), nullptr);
    EXPECT_NE(copy.GetPictureStrip(), source.GetPictureStrip());
    EXPECT_EQ(StripPixels(copy), ExpectedStrip());

    CBD assigned;
    assigned = source;
    EXPECT_EQ(assigned.GetPictureStrip(), nullptr);
    EXPECT_EQ(assigned.GetStripCellWidth(), 0);
    EXPECT_EQ(assigned.GetStripCellHeight(), 0);

    CBD withoutStrip = MakeType();
    EXPECT_EQ(CBD(withoutStrip).GetPictureStrip(), nullptr);
}

// Hands the picture records of SendPictures to the receiver as the map's
// handler does: the set digit first, then the direction and the rest.
void DeliverPictures(const std::vector<CFakeNetService::Sent>& sent, CBD& target, size_t from,
                     size_t to) {
    constexpr size_t kHead = 20;  // header word, class, group, code, table index
    for (size_t i = from; i < to; ++i) {
        const std::string& record = sent[i].record;
        int code = std::stoi(record.substr(13, 3));
        std::string_view text = std::string_view(record).substr(kHead);
        int set = text[0] - '0';
        target.ReceivePicturePart(text.substr(1), set, code / 2 * 2 == CBD::kCodePictureStart);
    }
}

TEST_F(StripTest, LastPictureOverTheNetworkRebuildsTheStrip) {
    CBD source = MakeType();
    source.SendPictures(-1, 0, 4);
    CBD target;
    for (int d = 0; d < CBD::kDirections; ++d) {
        target.SetView(d, 0, 0, {}, source.GetViewExtent(d));
    }
    // Up to the start of the last picture, which builds a strip of the
    // seven others.
    const size_t count = net.sent.size();
    DeliverPictures(net.sent, target, 0, count - 2);
    EXPECT_EQ(target.GetPictureStrip(), nullptr);
    DeliverPictures(net.sent, target, count - 2, count - 1);
    ASSERT_NE(target.GetPictureStrip(), nullptr);
    EXPECT_EQ(StripPixels(target), ExpectedStrip(false));

    DeliverPictures(net.sent, target, count - 1, count);
    EXPECT_EQ(target.GetStripCellWidth(), 5);
    EXPECT_EQ(StripPixels(target), ExpectedStrip());
}

TEST_F(StripTest, TypesReadFromTheStructureFileGetTheirStrips) {
    CStrcDoc written;
    written.AddType(std::make_unique<CBD>(MakeType()));
    written.AddType(std::make_unique<CBD>());
    CMemoryStream stream;
    CArchive store(stream, CArchive::store);
    written.Serialize(store);

    CMemoryStream input(stream.Bytes());
    CArchive load(input, CArchive::load);
    CStrcDoc read;
    read.Serialize(load);
    ASSERT_EQ(read.GetTypeCount(), 2);
    ASSERT_NE(read.GetType(0).GetPictureStrip(), nullptr);
    EXPECT_EQ(StripPixels(read.GetType(0)), ExpectedStrip());
    EXPECT_EQ(read.GetType(1).GetPictureStrip(), nullptr);
}

}  // namespace
