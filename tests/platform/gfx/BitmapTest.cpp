#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace {

// Bitmaps on both sides of the size from which pixels are kept in huge
// pages: they start black, keep what is drawn into them to the last pixel,
// and can be made again after being deleted.
TEST(BitmapTest, SmallAndLargeBitmapsStartBlackAndKeepTheirPixels) {
    struct SizeCase {
        int width;
        int height;
    };
    const std::vector<SizeCase> cases = {
        {3, 1}, {511, 1024}, {512, 1024}, {513, 1024}, {1921, 1081}, {16384, 64}};
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        for (int round = 0; round < 2; ++round) {
            CBitmap bitmap;
            ASSERT_TRUE(bitmap.CreateBitmap(c.width, c.height));
            EXPECT_EQ(bitmap.GetSize(), CSize(c.width, c.height));
            CDC dc;
            ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
            CBitmap* previous = dc.SelectObject(&bitmap);
            const int right = c.width - 1, bottom = c.height - 1;
            EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 0));
            EXPECT_EQ(dc.GetPixel(right, bottom), RGB(0, 0, 0));
            dc.SetPixel(right, bottom, RGB(1, 2, 3));
            dc.BitBlt(0, 0, c.width, c.height, &dc, 0, 0, DSTINVERT);
            EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 255, 255));
            EXPECT_EQ(dc.GetPixel(right, bottom), RGB(254, 253, 252));
            dc.SelectObject(previous);
            EXPECT_TRUE(bitmap.DeleteObject());
        }
    }
}

}  // namespace
