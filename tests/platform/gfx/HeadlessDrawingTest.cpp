#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Clipboard.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/WindowSystem.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);

// A memory context on a grey bitmap, in a program with no window system.
class HeadlessDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(IWindowSystem::Get(), nullptr);
        bitmap.CreateBitmap(16, 16);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 16, 16, kGrey);
    }
    bool AllGrey() const {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (dc.GetPixel(x, y) != kGrey) return false;
        return true;
    }
    CBitmap bitmap;
    CDC dc;
};

TEST_F(HeadlessDrawingTest, WithoutAWindowSystemRasterWorkIsDoneAndTheRestFails) {
    // What the core does itself still works.
    EXPECT_TRUE(dc.PatBlt(0, 0, 1, 1, DSTINVERT));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(127, 127, 127));
    dc.SetPixel(0, 0, kGrey);

    CFont font;
    EXPECT_TRUE(font.CreatePointFont(90, "MS Sans Serif"));
    dc.SelectObject(&font);
    EXPECT_FALSE(dc.TextOut(1, 1, "text"));
    EXPECT_FALSE(dc.ExtTextOut(1, 1, ETO_OPAQUE, nullptr, "text"));
    EXPECT_EQ(dc.GetTextExtent("text"), CSize(0, 0));
    TEXTMETRIC metrics;
    EXPECT_FALSE(dc.GetTextMetrics(&metrics));
    EXPECT_FALSE(dc.Ellipse(2, 2, 12, 12));
    const POINT triangle[3] = {{1, 1}, {12, 1}, {6, 12}};
    EXPECT_FALSE(dc.Polygon(triangle, 3));
    EXPECT_TRUE(AllGrey());

    EXPECT_FALSE(CClipboard::SetText("copied"));
    EXPECT_FALSE(CClipboard::HasText());
    EXPECT_EQ(CClipboard::GetText(), "");
    EXPECT_FALSE(CClipboard::SetDib(std::vector<uint8_t>(64, 1)));
    EXPECT_FALSE(CClipboard::HasDib());
    EXPECT_TRUE(CClipboard::GetDib().empty());

    const std::string png = testing::TempDir() + "headless.png";
    EXPECT_FALSE(bitmap.SaveToPng(png));
    EXPECT_FALSE(std::ifstream(png).good());
}

// The raster core runs in programs without a window system: nothing of Qt
// is loaded into this one.
TEST(HeadlessProcessTest, LoadsNoQtLibrary) {
    std::ifstream maps("/proc/self/maps");
    ASSERT_TRUE(maps.good());
    std::string line;
    while (std::getline(maps, line)) EXPECT_EQ(line.find("libQt"), std::string::npos) << line;
}

}  // namespace
