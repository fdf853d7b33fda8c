// Text and pictures through the desktop's clipboard.

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <cstring>

#include "UiTestSupport.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/GdiDefs.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

// A 3 x 2 picture with a four-colour table, rows padded to 4 bytes.
std::vector<uint8_t> SmallDib() {
    BITMAPINFOHEADER h;
    h.biWidth = 3;
    h.biHeight = 2;
    h.biBitCount = 8;
    h.biClrUsed = 4;
    std::vector<uint8_t> dib(sizeof h);
    std::memcpy(dib.data(), &h, sizeof h);
    const uint8_t table[16] = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    dib.insert(dib.end(), table, table + 16);
    const uint8_t rows[8] = {1, 2, 3, 0, 3, 2, 1, 0};
    dib.insert(dib.end(), rows, rows + 8);
    return dib;
}

BITMAPINFOHEADER HeaderOf(const std::vector<uint8_t>& dib) {
    BITMAPINFOHEADER h;
    std::memcpy(&h, dib.data(), sizeof h);
    return h;
}

class ClipboardTest : public UiTest {};

TEST_F(ClipboardTest, TextRoundTrip) {
    ASSERT_TRUE(SetClipboardText("Zweig \xC3\xA4 line\nnext"));
    EXPECT_TRUE(CClipboard::HasText());
    EXPECT_EQ(GetClipboardText(), "Zweig \xC3\xA4 line\nnext");
    CClipboard::Empty();
    EXPECT_FALSE(CClipboard::HasText());
    EXPECT_EQ(GetClipboardText(), "");
}

TEST_F(ClipboardTest, OwnPictureComesBackByteForByte) {
    const std::vector<uint8_t> dib = SmallDib();
    ASSERT_TRUE(SetClipboardDib(dib));
    EXPECT_TRUE(CClipboard::HasDib());
    EXPECT_EQ(GetClipboardDib(), dib);
    // Other programs see an ordinary image with the right pixels.
    const QImage seen = QGuiApplication::clipboard()->image();
    ASSERT_EQ(seen.size(), QSize(3, 2));
    EXPECT_EQ(seen.pixel(0, 1), qRgb(255, 0, 0));  // bottom row first in the block
    EXPECT_EQ(seen.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(seen.pixel(1, 0), qRgb(0, 255, 0));
}

TEST_F(ClipboardTest, InconsistentBlocksAreRefusedAndLeaveTheClipboardAlone) {
    ASSERT_TRUE(SetClipboardText("kept"));
    std::vector<uint8_t> truncated = SmallDib();
    truncated.resize(truncated.size() - 3);
    std::vector<uint8_t> hugeWidth = SmallDib();
    BITMAPINFOHEADER h = HeaderOf(hugeWidth);
    h.biWidth = 1 << 30;
    std::memcpy(hugeWidth.data(), &h, sizeof h);
    std::vector<uint8_t> tableOnly = SmallDib();
    tableOnly.resize(sizeof(BITMAPINFOHEADER) + 16);
    for (const auto& bad : {truncated, hugeWidth, tableOnly, std::vector<uint8_t>{1, 2, 3}}) {
        EXPECT_FALSE(SetClipboardDib(bad));
    }
    EXPECT_EQ(GetClipboardText(), "kept");
    EXPECT_TRUE(GetClipboardDib().empty());
}

TEST_F(ClipboardTest, ForeignImagesArriveAsBlocks) {
    CUiSystem::Ensure();
    QImage rgb(5, 3, QImage::Format_RGB32);
    rgb.fill(qRgb(10, 20, 30));
    rgb.setPixel(4, 0, qRgb(200, 100, 50));
    QGuiApplication::clipboard()->setImage(rgb);
    std::vector<uint8_t> dib = GetClipboardDib();
    ASSERT_FALSE(dib.empty());
    BITMAPINFOHEADER h = HeaderOf(dib);
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    ASSERT_EQ(dib.size(), sizeof h + 16 * 3);  // rows of 15 bytes padded to 16
    const uint8_t* top = dib.data() + sizeof h + 16 * 2;
    EXPECT_EQ(top[12], 50);
    EXPECT_EQ(top[13], 100);
    EXPECT_EQ(top[14], 200);

    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6)});
    indexed.fill(1);
    QGuiApplication::clipboard()->setImage(indexed);
    dib = GetClipboardDib();
    ASSERT_FALSE(dib.empty());
    h = HeaderOf(dib);
    // Some platforms convert images on the way; an 8-bit block must be
    // complete when it comes.
    if (h.biBitCount == 8) {
        EXPECT_EQ(h.biClrUsed, 2u);
        EXPECT_EQ(dib.size(), sizeof h + 8 + 4 * 2);
    } else {
        EXPECT_EQ(h.biBitCount, 24);
    }
}

}  // namespace
