#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/FakeWindowSystem.h"
#include "fakes/TestDrawing.h"
#include "model/BM.h"
#include "model/DibHeader.h"
#include "platform/gfx/Clipboard.h"
#include "platform/gfx/Palette.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kDim = RGB(10, 20, 30);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);

class PictureDrawTest : public ::testing::Test {
protected:
    CDetachedAppService app;
    CFakeFrameService frame;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
};

// Every case is a 2 x 2 picture: red, green on top; blue, dim below.
struct FormatCase {
    const char* name;
    SDibLayout layout;
};

std::vector<FormatCase> FormatCases() {
    const std::vector<COLORREF> table = {kDim, kRed, kGreen, kBlue};
    std::vector<COLORREF> table16(16, kWhite);
    std::copy(table.begin(), table.end(), table16.begin());
    return {
        {"8 bits through a 4-entry table", {2, 2, 8, table, {{1, 2}, {3, 0}}}},
        {"8 bits stored top row first", {2, 2, 8, table, {{1, 2}, {3, 0}}, true}},
        {"8 bits with a 12-byte header",
         {2, 2, 8, std::vector<COLORREF>(256, kWhite), {{1, 2}, {3, 0}}, false, true}},
        {"4 bits", {2, 2, 4, table16, {{0x12}, {0x30}}}},
        {"24 bits", {2, 2, 24, {}, {{0, 0, 255, 0, 255, 0}, {255, 0, 0, 30, 20, 10}}}},
        {"32 bits", {2, 2, 32, {}, {{0, 0, 255, 9, 0, 255, 0, 9}, {255, 0, 0, 9, 30, 20, 10, 9}}}},
        // Five bits a colour, blue lowest: 31 is full, 1 widens to 8.
        {"16 bits", {2, 2, 16, {}, {{0x00, 0x7C, 0xE0, 0x03}, {0x1F, 0x00, 0x43, 0x04}}}},
    };
}

std::vector<COLORREF> Expected(const char* name) {
    // The 16-bit dim pixel is (1, 2, 3) x 8; the core-header case only
    // has its first four entries set.
    if (std::string(name) == "16 bits") return {kRed, kGreen, kBlue, RGB(8, 16, 24)};
    return {kRed, kGreen, kBlue, kDim};
}

TEST_F(PictureDrawTest, EveryFormatDrawsItsColoursFromBitmapAndFromImage) {
    for (FormatCase c : FormatCases()) {
        SCOPED_TRACE(c.name);
        if (c.layout.coreHeader) {
            std::copy_n(std::vector<COLORREF>{kDim, kRed, kGreen, kBlue}.begin(), 4,
                        c.layout.table.begin());
        }
        CBM picture(ToBlock(MakeDib(c.layout)));
        ASSERT_TRUE(picture.HasImage());
        // The bitmap is made when first asked for; until then the picture
        // draws from its image.
        CTestCanvas beforeBitmap(4, 4, kGrey);
        ASSERT_TRUE(picture.Draw(beforeBitmap.DC(), 1, 1, 2, 2));
        ASSERT_NE(picture.GetBitmap(), nullptr);
        EXPECT_EQ(picture.GetBitmap()->GetSize(), CSize(2, 2));

        CTestCanvas fromBitmap(4, 4, kGrey);
        ASSERT_TRUE(picture.Draw(fromBitmap.DC(), 1, 1, 2, 2));
        EXPECT_EQ(fromBitmap.Pixels(1, 1, 2, 2), Expected(c.name));
        EXPECT_EQ(fromBitmap.At(0, 0), kGrey);
        EXPECT_EQ(fromBitmap.At(3, 3), kGrey);
        EXPECT_EQ(beforeBitmap.Pixels(0, 0, 4, 4), fromBitmap.Pixels(0, 0, 4, 4));

        picture.ReleaseGdiObjects();
        EXPECT_EQ(picture.GetBitmap(), nullptr);
        CTestCanvas fromImage(4, 4, kGrey);
        ASSERT_TRUE(picture.Draw(fromImage.DC(), 1, 1, 2, 2));
        EXPECT_EQ(fromImage.Pixels(0, 0, 4, 4), fromBitmap.Pixels(0, 0, 4, 4));
    }
}

TEST_F(PictureDrawTest, DrawCopiesOnlyTheTopLeftPartAskedFor) {
    for (bool released : {false, true}) {
        SCOPED_TRACE(released ? "from the image" : "from the bitmap");
        CBM picture(ToBlock(MakeDib({2, 2, 8, {kDim, kRed, kGreen, kBlue}, {{1, 2}, {3, 0}}})));
        if (released) picture.ReleaseGdiObjects();
        CTestCanvas canvas(3, 3, kGrey);
        ASSERT_TRUE(picture.Draw(canvas.DC(), 1, 1, 1, 1));
        EXPECT_EQ(
            canvas.Pixels(0, 0, 3, 3),
            (std::vector<COLORREF>{kGrey, kGrey, kGrey, kGrey, kRed, kGrey, kGrey, kGrey, kGrey}));
        // A larger area is cut to the picture.
        ASSERT_TRUE(picture.Draw(canvas.DC(), 0, 0, 50, 50));
        EXPECT_EQ(canvas.Pixels(0, 0, 3, 1), (std::vector<COLORREF>{kRed, kGreen, kGrey}));
    }
    CBM empty;
    CTestCanvas canvas(2, 2, kGrey);
    EXPECT_FALSE(empty.Draw(canvas.DC(), 0, 0, 2, 2));
    EXPECT_EQ(canvas.At(0, 0), kGrey);
}

TEST_F(PictureDrawTest, PaletteComesFromTheColourTableOrTheFixedSpread) {
    CBM indexed(ToBlock(MakeDib({2, 2, 8, {kDim, kRed, kGreen, kBlue}, {{1, 2}, {3, 0}}})));
    ASSERT_NE(indexed.GetPalette(), nullptr);
    EXPECT_EQ(indexed.GetPalette()->GetEntryCount(), 4);
    EXPECT_EQ(indexed.GetPalette()->EntryColor(0), kDim);
    EXPECT_EQ(indexed.GetPalette()->EntryColor(3), kBlue);

    CBM trueColour(MakeSolidPicture(2, 2, kRed));
    ASSERT_NE(trueColour.GetPalette(), nullptr);
    EXPECT_EQ(trueColour.GetPalette()->GetEntryCount(), 256);
    EXPECT_EQ(trueColour.GetPalette()->EntryColor(9), RGB(32, 32, 0));
    EXPECT_EQ(trueColour.GetPalette()->EntryColor(64), RGB(0, 0, 64));

    trueColour.Clear();
    EXPECT_EQ(trueColour.GetPalette(), nullptr);
    EXPECT_EQ(trueColour.GetBitmap(), nullptr);
}

// A 3 x 2 bitmap: red, green, blue on top; white, dim, red below.
struct BitmapSource {
    CTestCanvas canvas{3, 2, kWhite};
    BitmapSource() {
        const COLORREF top[] = {kRed, kGreen, kBlue};
        for (int x = 0; x < 3; ++x) canvas.DC().SetPixel(x, 0, top[x]);
        canvas.DC().SetPixel(1, 1, kDim);
        canvas.DC().SetPixel(2, 1, kRed);
    }
};

TEST_F(PictureDrawTest, FromBitmapRebuildsTheImage) {
    BitmapSource source;
    const std::vector<COLORREF> pixels = source.canvas.Pixels(0, 0, 3, 2);
    for (int bits : {24, 32, 0}) {
        SCOPED_TRACE(bits);
        CBM picture;
        ASSERT_EQ(picture.FromBitmap(source.canvas.Bitmap(), 0, bits, nullptr), 1);
        auto header = CDibHeader::Read(picture.GetImage().Lock(), picture.GetImage().Size());
        ASSERT_TRUE(header);
        EXPECT_EQ(header->bitCount, bits == 0 ? 32 : bits);
        EXPECT_EQ(header->width, 3);
        EXPECT_EQ(header->height, 2);
        ASSERT_EQ(picture.CreateGdiObjects(), 1);
        CTestCanvas copy(3, 2, kGrey);
        picture.Draw(copy.DC(), 0, 0, 3, 2);
        EXPECT_EQ(copy.Pixels(0, 0, 3, 2), pixels);
    }
}

TEST_F(PictureDrawTest, FromBitmapAtEightBitsTakesTheNearestPaletteEntries) {
    BitmapSource source;
    const PALETTEENTRY entries[] = {
        {250, 0, 0, 0}, {0, 250, 0, 0}, {0, 0, 250, 0}, {250, 250, 250, 0}, {0, 0, 0, 0}};
    CPalette palette;
    palette.CreatePalette(entries, 5);
    CBM picture;
    ASSERT_EQ(picture.FromBitmap(source.canvas.Bitmap(), 0, 8, &palette), 1);
    EXPECT_EQ(picture.GetColorTableSize(), 20u);
    picture.CreateGdiObjects();
    CTestCanvas copy(3, 2, kGrey);
    picture.Draw(copy.DC(), 0, 0, 3, 2);
    const COLORREF red = RGB(250, 0, 0), white = RGB(250, 250, 250);
    EXPECT_EQ(copy.Pixels(0, 0, 3, 2), (std::vector<COLORREF>{red, RGB(0, 250, 0), RGB(0, 0, 250),
                                                              white, RGB(0, 0, 0), red}));
}

TEST_F(PictureDrawTest, FromBitmapRefusesWhatItCannotMakeAndKeepsTheImage) {
    BitmapSource source;
    CBitmap uncreated;
    CBM picture(MakeSolidPicture(5, 4, kBlue));
    EXPECT_EQ(picture.FromBitmap(source.canvas.Bitmap(), 1, 24, nullptr), 0);
    EXPECT_EQ(picture.FromBitmap(source.canvas.Bitmap(), 0, 16, nullptr), 0);
    EXPECT_EQ(picture.FromBitmap(source.canvas.Bitmap(), 0, 4, nullptr), 0);
    EXPECT_EQ(picture.FromBitmap(uncreated, 0, 24, nullptr), 0);
    EXPECT_EQ(picture.GetWidth(), 5);
}

// ---- Clipboard ----

class PictureClipboardTest : public PictureDrawTest {
protected:
    CFakeWindowSystem windowSystem;
    void SetUp() override { CClipboard::Empty(); }
    void TearDown() override { CClipboard::Empty(); }
};

TEST_F(PictureClipboardTest, CopyAndPasteRoundTrip) {
    std::vector<uint8_t> image = MakeDib({2, 2, 8, {kDim, kRed, kGreen, kBlue}, {{1, 2}, {3, 0}}});
    CBM source(ToBlock(image));
    ASSERT_TRUE(source.CopyToClipboard());

    CBM pasted;
    int width = 0, height = 0;
    ASSERT_EQ(pasted.PasteFromClipboard(width, height), 1);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(std::vector<uint8_t>(pasted.GetImage().Lock(),
                                   pasted.GetImage().Lock() + pasted.GetImage().Size()),
              image);
    ASSERT_NE(pasted.GetBitmap(), nullptr);
    EXPECT_TRUE(frame.messages.empty());

    // The same size may be asked for.
    CBM again;
    EXPECT_EQ(again.PasteFromClipboard(width, height), 1);
}

TEST_F(PictureClipboardTest, DeepImagesGoAsTwentyFourBitsAndTopDownOnesComeBackBottomUp) {
    CBM deep(ToBlock(MakeDib({2, 1, 32, {}, {{0, 0, 255, 0, 255, 0, 0, 0}}, /*topDown=*/true})));
    ASSERT_TRUE(deep.CopyToClipboard());
    CBM pasted;
    int width = 0, height = 0;
    ASSERT_EQ(pasted.PasteFromClipboard(width, height), 1);
    auto header = CDibHeader::Read(pasted.GetImage().Lock(), pasted.GetImage().Size());
    EXPECT_EQ(header->bitCount, 24);
    EXPECT_EQ(header->height, 1);
    CTestCanvas canvas(2, 1, kGrey);
    pasted.Draw(canvas.DC(), 0, 0, 2, 1);
    EXPECT_EQ(canvas.Pixels(0, 0, 2, 1), (std::vector<COLORREF>{kRed, kBlue}));
}

TEST_F(PictureClipboardTest, SizeProblemsShowTheFileMessagesAndKeepThePicture) {
    struct Case {
        const char* name;
        int pictureWidth, expectedWidth, expectedHeight;
        const char* message;
    };
    for (Case c : std::initializer_list<Case>{
             {"another size asked for", 2, 3, 3, "Read the bitmap of 3 x 3.\nThis file is 2 x 1."},
             {"too wide", 1281, 0, 0, "The size(1281 x 1) is too big.\n※Max size is 1280 x 1280."},
         }) {
        SCOPED_TRACE(c.name);
        frame.messages.clear();
        // Offered as another program would: no picture of ours is wider than 1280.
        CMemBlock offered = MakeSolidPicture(c.pictureWidth, 1, kRed);
        SetClipboardDib(std::vector<uint8_t>(offered.Lock(), offered.Lock() + offered.Size()));
        CBM picture(MakeSolidPicture(4, 4, kBlue));
        int width = c.expectedWidth, height = c.expectedHeight;
        EXPECT_EQ(picture.PasteFromClipboard(width, height), 0);
        EXPECT_EQ(frame.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(width, c.expectedWidth);
        EXPECT_EQ(picture.GetWidth(), 4);
    }
}

TEST_F(PictureClipboardTest, DamagedOrMissingBlockIsRefusedWithABeep) {
    std::vector<uint8_t> manyColours = MakeDib({2, 1, 8, std::vector<COLORREF>(256), {{0, 1}}});
    manyColours[32] = 0x2C;  // 300 colours used
    manyColours[33] = 0x01;
    // A longer header than the two we know, which other programs write.
    std::vector<uint8_t> longHeader = MakeDib({2, 1, 24, {}, {{0, 0, 255, 0, 0, 255}}});
    longHeader.insert(longHeader.begin() + 40, 68, 0);
    longHeader[0] = 108;
    struct Case {
        const char* name;
        std::vector<uint8_t> block;
    };
    for (const Case& c : {Case{"300 colours", manyColours}, Case{"108-byte header", longHeader},
                          Case{"empty clipboard", {}}}) {
        SCOPED_TRACE(c.name);
        CClipboard::Empty();
        if (!c.block.empty()) {
            ASSERT_TRUE(SetClipboardDib(c.block));
        }
        frame.beepCount = 0;
        CBM picture(MakeSolidPicture(4, 4, kBlue));
        int width = 0, height = 0;
        EXPECT_EQ(picture.PasteFromClipboard(width, height), 0);
        EXPECT_EQ(frame.beepCount, 1);
        EXPECT_EQ(picture.GetWidth(), 4);
        EXPECT_NE(picture.GetBitmap(), nullptr);
    }
}

TEST_F(PictureClipboardTest, NothingToCopyWithoutAnImage) {
    CBM(MakeSolidPicture(1, 1, kRed)).CopyToClipboard();
    CBM empty;
    EXPECT_FALSE(empty.CopyToClipboard());
    EXPECT_TRUE(CClipboard::HasDib());
}

}  // namespace
