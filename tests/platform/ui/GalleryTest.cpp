// Renders a few windows to PNG files in a "gallery" folder beside the test
// program, so that a reviewer can look at what the drawing code produces.

#include <QImage>
#include <cstring>
#include <filesystem>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"

namespace {

std::filesystem::path GalleryFolder() {
    std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "gallery";
    std::filesystem::create_directories(folder);
    return folder;
}

// A window whose WM_PAINT runs a drawing function.
class CPictureWnd : public CWnd {
public:
    std::function<void(CDC&, const CRect&)> draw;

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        if (draw) draw(dc, client);
    }
};

void MakeFont(CFont& font, int height, int weight) {
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, CLIP_STROKE_PRECIS, 0, 0,
                    "MS Sans Serif");
}

int DistinctColours(const std::filesystem::path& path) {
    QImage image(QString::fromStdString(path.string()));
    std::vector<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::find(seen.begin(), seen.end(), p) == seen.end()) seen.push_back(p);
        }
    }
    return static_cast<int>(seen.size());
}

class GalleryTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        CWndClassRegistry::Register({"GalleryFace", 0, nullptr, COLOR_3DFACE + 1});
    }
    void Save(CWnd& w, const char* name) {
        const auto path = GalleryFolder() / name;
        ASSERT_TRUE(w.SaveToPng(path.string()));
        EXPECT_GT(DistinctColours(path), 3) << path;
    }
};

TEST_F(GalleryTest, TextInTheThreeFonts) {
    CPictureWnd frame, page;
    ASSERT_TRUE(frame.CreateEx(0, "GalleryFace", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 360, 170),
                               nullptr, 0));
    ASSERT_TRUE(page.CreateEx(WS_EX_CLIENTEDGE, "GalleryFace", "Report",
                              WS_CHILD | WS_VISIBLE | WS_CAPTION, CRect(10, 10, 350, 160), &frame,
                              1));
    page.draw = [](CDC& dc, const CRect& client) {
        CFont message, small, bold;
        MakeFont(message, 20, FW_NORMAL);
        MakeFont(small, 16, FW_NORMAL);
        MakeFont(bold, 24, FW_BOLD);
        dc.SetBkMode(TRANSPARENT);
        int y = 4;
        for (CFont* font : {&message, &small, &bold}) {
            CFont* old = dc.SelectObject(font);
            TEXTMETRIC tm;
            dc.GetTextMetrics(&tm);
            dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
            dc.TextOut(9, y + 1, "Acme Holdings bought 1,200 shares.");
            dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
            dc.TextOut(8, y, "Acme Holdings bought 1,200 shares.");
            y += tm.tmHeight + 6;
            dc.SelectObject(old);
        }
        const CRect row(0, client.bottom - 22, client.right, client.bottom - 2);
        dc.SetBkColor(RGB(255, 255, 225));
        dc.SetTextColor(RGB(160, 0, 0));
        dc.SelectObject(&small);
        dc.ExtTextOut(4, row.top + 2, ETO_OPAQUE | ETO_CLIPPED, &row,
                      "Clipped line that runs on far past the right edge of the window ...");
        dc.SelectStockObject(SYSTEM_FONT);
    };
    Save(frame, "fonts.png");
}

TEST_F(GalleryTest, ColouredMarksAndEdges) {
    CPictureWnd w;
    ASSERT_TRUE(w.CreateEx(0, "GalleryFace", "", WS_POPUP | WS_VISIBLE | WS_BORDER,
                           CRect(0, 0, 300, 140), nullptr, 0));
    w.draw = [](CDC& dc, const CRect&) {
        const COLORREF colours[] = {RGB(200, 30, 30), RGB(30, 150, 30),  RGB(30, 60, 200),
                                    RGB(220, 180, 0), RGB(150, 40, 160), RGB(0, 160, 170)};
        int x = 10;
        for (COLORREF c : colours) {
            CBrush brush(c);
            CPen dotted(PS_DOT, 1, c);
            CBrush* oldBrush = dc.SelectObject(&brush);
            CPen* oldPen = dc.SelectObject(static_cast<CPen*>(GetStockObject(BLACK_PEN)));
            dc.Rectangle(x, 10, x + 30, 40);
            dc.Ellipse(x, 50, x + 30, 80);
            dc.SelectObject(&dotted);
            dc.SelectStockObject(NULL_BRUSH);
            dc.Rectangle(x - 3, 87, x + 33, 127);
            dc.SelectObject(oldBrush);
            dc.SelectObject(oldPen);
            x += 45;
        }
        CRect raised(10, 100, 60, 120), sunken(70, 100, 120, 120);
        dc.DrawEdge(&raised, EDGE_RAISED, BF_RECT);
        dc.DrawEdge(&sunken, EDGE_SUNKEN, BF_RECT);
        dc.DrawFocusRect(CRect(130, 100, 180, 120));
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectStockObject(NULL_BRUSH);
        dc.SetROP2(R2_NOTXORPEN);
        const POINT band[] = {{190, 95}, {285, 100}, {280, 130}, {195, 125}};
        dc.Polygon(band, 4);
        dc.SetROP2(R2_COPYPEN);
    };
    Save(w, "marks.png");
}

// A picture with its mask over a drawn background, and an 8-bit bitmap
// drawn through its colour table and stretched.
TEST_F(GalleryTest, BitmapWithAMask) {
    CPictureWnd w;
    ASSERT_TRUE(
        w.CreateEx(0, "GalleryFace", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 120), nullptr, 0));
    w.draw = [](CDC& dc, const CRect& client) {
        for (int y = 0; y < client.bottom; ++y) {
            dc.FillSolidRect(0, y, client.right, 1, RGB(40, 90 + y, 40));
        }
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CBitmap picture, mask;
        picture.CreateCompatibleBitmap(&dc, 32, 32);
        mask.CreateCompatibleBitmap(&dc, 32, 32);
        CBitmap* old = mem.SelectObject(&mask);
        mem.FillSolidRect(0, 0, 32, 32, RGB(255, 255, 255));
        mem.SelectStockObject(BLACK_BRUSH);
        mem.SelectStockObject(BLACK_PEN);
        const POINT roof[] = {{16, 0}, {31, 14}, {31, 31}, {0, 31}, {0, 14}};
        mem.Polygon(roof, 5);
        mem.SelectObject(&picture);
        mem.FillSolidRect(0, 0, 32, 32, RGB(0, 0, 0));
        CBrush wall(RGB(200, 120, 60));
        mem.SelectObject(&wall);
        mem.Polygon(roof, 5);
        mem.FillSolidRect(12, 18, 8, 13, RGB(90, 50, 20));
        // The mask clears the shape out of the background (black inside),
        // then the picture, black outside its shape, is ORed in.
        for (int i = 0; i < 4; ++i) {
            const int x = 10 + i * 36, y = 10 + (i % 2) * 12;
            mem.SelectObject(&mask);
            dc.BitBlt(x, y, 32, 32, &mem, 0, 0, SRCAND);
            mem.SelectObject(&picture);
            dc.BitBlt(x, y, 32, 32, &mem, 0, 0, SRCPAINT);
        }
        mem.SelectObject(old);

        BITMAPINFOHEADER h;
        h.biWidth = 4;
        h.biHeight = 4;
        h.biBitCount = 8;
        h.biClrUsed = 4;
        std::vector<uint8_t> info(sizeof h);
        std::memcpy(info.data(), &h, sizeof h);
        const uint8_t table[] = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 255, 0, 255, 0, 0, 0};
        info.insert(info.end(), std::begin(table), std::end(table));
        const std::vector<uint8_t> bits = {0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2};
        dc.StretchDIBits(160, 60, 64, 48, 0, 0, 4, 4, bits.data(), bits.size(), info.data(),
                         info.size(), DIB_RGB_COLORS, SRCCOPY);
    };
    Save(w, "sprite.png");
}

}  // namespace
