#include "tools/mkdata/ResourcePictures.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "model/BM.h"
#include "model/ColorMarkStrip.h"
#include "model/DibHeader.h"
#include "tools/mkdata/PictureBlock.h"
#include "tools/mkdata/PixelFont.h"

namespace {

const SRgb kBlack{0, 0, 0};
const SRgb kWhite{255, 255, 255};
const SRgb kLight{192, 192, 192};
const SRgb kMid{128, 128, 128};
const SRgb kDark{64, 64, 64};

// A letter for each tool-bar face, from its command's menu text, in the
// catalogue's button order.
constexpr char kToolFaceLetters[CPictureCatalog::kToolFaceCount] = {'D', 'P', 'L', 'C', 'B',
                                                                    'S', 'R', 'A', 'E'};

SRgb CompanyColor(const CGamePalette& palette, int colour) {
    return palette.Color(CGamePalette::CompanyColorIndex(colour));
}

// Text centred on (cx, cy).
void DrawCentredText(CCanvas& canvas, int cx, int cy, const std::string& text, const SRgb& c,
                     int scale) {
    CPixelFont::Draw(canvas, cx - CPixelFont::TextWidth(text, scale) / 2,
                     cy - CPixelFont::TextHeight(scale) / 2, text, c, scale);
}

// A disc filling the square cell at (x, y) but for a one-pixel margin.
void DrawDisc(CCanvas& canvas, int x, int y, int size, double inset, const SRgb& c) {
    const double r = size / 2.0 - inset;
    canvas.FillEllipse(x + size / 2.0, y + size / 2.0, r, r, c);
}

// A mask cell: white, black where `shape` draws.
template <typename Shape>
void DrawMaskCell(CCanvas& canvas, int x, int y, int w, int h, Shape shape) {
    canvas.FillRect(x, y, w, h, kWhite);
    shape(kBlack);
}

// 420: mask, colour -2 (a grey disc), colour -1 (the blank mark: a white
// disc in a grey ring), then a disc of each company colour.
void DrawColorMarks(CCanvas& canvas, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    DrawMaskCell(canvas, 0, 0, w, h, [&](const SRgb& c) { DrawDisc(canvas, 0, 0, h, 1.5, c); });
    DrawDisc(canvas, GetColorMarkCell(-2) * w, 0, h, 1.5, kMid);
    DrawDisc(canvas, GetColorMarkCell(-1) * w, 0, h, 1.5, kMid);
    DrawDisc(canvas, GetColorMarkCell(-1) * w, 0, h, 3.0, kWhite);
    for (int c = 0; c < kCompanyColorCount; ++c) {
        DrawDisc(canvas, GetColorMarkCell(c) * w, 0, h, 1.5, CompanyColor(canvas.Palette(), c));
    }
}

// 410: mask, then squares numbered 1..14.
void DrawSmallMarks(CCanvas& canvas, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    DrawMaskCell(canvas, 0, 0, w, h,
                 [&](const SRgb& c) { canvas.FillRect(2, 2, w - 4, h - 4, c); });
    for (int n = 0; n < CPictureCatalog::kSmallMarkCount; ++n) {
        const int x = (n + 1) * w;
        canvas.FillRect(x + 2, 2, w - 4, h - 4, kDark);
        canvas.FillRect(x + 3, 3, w - 6, h - 6, CompanyColor(canvas.Palette(), 16 + n % 16));
        DrawCentredText(canvas, x + w / 2, h / 2, std::to_string(n + 1), kWhite, 2);
    }
}

// 350 and 351: one row per index in the left column; the right column
// stays unused (black pictures, white masks).
void DrawPair(CCanvas& canvas, const SPictureEntry& entry, bool masks) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    if (masks) canvas.Fill(kWhite);
    for (int row = 0; row < entry.rows; ++row) {
        const int y = row * h;
        const std::vector<SPointF> diamond = {
            {w / 2.0, y + 1.0}, {w - 1.0, y + h / 2.0}, {w / 2.0, y + h - 1.0}, {1.0, y + h / 2.0}};
        if (masks) {
            canvas.FillPolygon(diamond, kBlack);
            continue;
        }
        canvas.FillPolygon(diamond, CompanyColor(canvas.Palette(), row == 0 ? 9 : 2));
        DrawCentredText(canvas, w / 2, y + h / 2, std::to_string(row + 1), kWhite, 2);
    }
}

// 380: mask column and picture column, three lettered rows.
void DrawRowMarks(CCanvas& canvas, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    for (int row = 0; row < entry.rows; ++row) {
        const int y = row * h;
        DrawMaskCell(canvas, 0, y, w, h,
                     [&](const SRgb& c) { canvas.FillRect(2, y + 2, w - 4, h - 4, c); });
        canvas.FillRect(w + 2, y + 2, w - 4, h - 4, CompanyColor(canvas.Palette(), 4 + row * 5));
        DrawCentredText(canvas, w + w / 2, y + h / 2, std::string(1, static_cast<char>('A' + row)),
                        kBlack, 2);
    }
}

// 400: the mask and eight frames of a disc with a bar that turns round it.
void DrawLogo(CCanvas& canvas, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    DrawMaskCell(canvas, 0, 0, w, h, [&](const SRgb& c) { DrawDisc(canvas, 0, 0, w, 1.5, c); });
    for (int frame = 0; frame < entry.rows - 1; ++frame) {
        const int y = (frame + 1) * h;
        DrawDisc(canvas, 0, y, w, 1.5, CompanyColor(canvas.Palette(), 10));
        DrawCentredText(canvas, w / 2, y + h / 2, "M", kWhite, 4);
        const double angle = frame * 3.14159265358979 / 4;
        const SPointF centre{w / 2.0, y + h / 2.0};
        const SPointF tip{centre.x + std::cos(angle) * (w / 2.0 - 4),
                          centre.y + std::sin(angle) * (h / 2.0 - 4)};
        canvas.FillEllipse(tip.x, tip.y, 3, 3, CompanyColor(canvas.Palette(), 2));
    }
}

// 391: an opaque mask above a tile of two greys.
void DrawLogoBack(CCanvas& canvas, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    canvas.FillRect(0, 0, w, h, kBlack);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) canvas.Plot(x, h + y, ((x / 8 + y / 8) % 2) ? kLight : kMid);
    }
}

// A whole picture: a framed panel with its id.
void DrawPanel(CCanvas& canvas, const SPictureEntry& entry) {
    canvas.Fill(kDark);
    canvas.FillRect(2, 2, entry.width - 4, entry.height - 4, CompanyColor(canvas.Palette(), 25));
    DrawCentredText(canvas, entry.width / 2, entry.height / 2, std::to_string(entry.id), kWhite,
                    3);
}

// 150 and 430: raised button faces with a letter; 430 holds only white,
// 192-grey, 128-grey and black, which the tool buttons recolour.
void DrawToolFaces(CCanvas& canvas, const SPictureEntry& entry, bool greysOnly) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    for (int i = 0; i < CPictureCatalog::kToolFaceCount; ++i) {
        const int x = i * w;
        canvas.FillRect(x, 0, w, h, kMid);
        canvas.FillRect(x, 0, w - 1, h - 1, kWhite);
        canvas.FillRect(x + 1, 1, w - 2, h - 2, kLight);
        const SRgb letter = greysOnly ? kBlack : CompanyColor(canvas.Palette(), 10);
        DrawCentredText(canvas, x + w / 2, h / 2, std::string(1, kToolFaceLetters[i]), letter, 4);
    }
}

// Cursors: the picture above its mask (black where the cursor is opaque).
// 317 is a cross on its hot spot, 352 an arrow with its tip on it.
void DrawCursor(CCanvas& canvas, const SPictureEntry& entry) {
    const int size = entry.CellHeight();
    canvas.FillRect(0, 0, size, size, kBlack);
    canvas.FillRect(0, size, size, size, kWhite);
    const int hx = entry.hotX, hy = entry.hotY;
    if (entry.id == CPictureCatalog::kCursorPick) {
        for (int y : {0, size}) {
            canvas.FillRect(hx - 1, y + hy - 10, 3, 21, kBlack);
            canvas.FillRect(hx - 10, y + hy - 1, 21, 3, kBlack);
        }
        canvas.FillRect(hx, hy - 9, 1, 19, kWhite);
        canvas.FillRect(hx - 9, hy, 19, 1, kWhite);
        return;
    }
    const std::vector<SPointF> arrow = {{double(hx), double(hy)},
                                        {hx + 0.0, hy + 16.0},
                                        {hx + 4.5, hy + 12.0},
                                        {hx + 11.0, hy + 11.0}};
    std::vector<SPointF> maskArrow = arrow;
    for (SPointF& p : maskArrow) p.y += size;
    canvas.FillPolygon(maskArrow, kBlack);
    canvas.FillPolygon(arrow, kWhite);
}

CCanvas DrawEntry(const SPictureEntry& entry, const CGamePalette& palette) {
    CCanvas canvas(entry.width, entry.height, palette);
    canvas.Fill(kBlack);
    if (entry.cursor) {
        DrawCursor(canvas, entry);
        return canvas;
    }
    switch (entry.id) {
        case CPictureCatalog::kColorMarks:
            DrawColorMarks(canvas, entry);
            break;
        case CPictureCatalog::kSmallMarks:
            DrawSmallMarks(canvas, entry);
            break;
        case CPictureCatalog::kPairPictures:
        case CPictureCatalog::kPairMasks:
            DrawPair(canvas, entry, entry.id == CPictureCatalog::kPairMasks);
            break;
        case CPictureCatalog::kRowMarks:
            DrawRowMarks(canvas, entry);
            break;
        case CPictureCatalog::kLogo:
            DrawLogo(canvas, entry);
            break;
        case CPictureCatalog::kLogoBack:
            DrawLogoBack(canvas, entry);
            break;
        case CPictureCatalog::kToolFaces:
        case CPictureCatalog::kToolFacesGrey:
            DrawToolFaces(canvas, entry, entry.id == CPictureCatalog::kToolFacesGrey);
            break;
        default:
            DrawPanel(canvas, entry);
            break;
    }
    return canvas;
}

// Why the file does not match its entry; empty when it does.
std::string CheckFile(const std::string& path, const SPictureEntry& entry,
                      const CGamePalette& palette) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "cannot be read";
    CMemBlock info = CBM::ReadFileHeader(file);
    std::optional<CDibHeader> header = CDibHeader::Read(info.Lock(), info.Size());
    if (!header) return "not a picture file";
    if (header->bitCount != 8) return "not 8 bits a pixel";
    if (header->width != entry.width || std::abs(header->height) != entry.height) {
        return "size " + std::to_string(header->width) + " x " +
               std::to_string(std::abs(header->height)) + ", not " + std::to_string(entry.width) +
               " x " + std::to_string(entry.height);
    }
    if (header->GetColorCount() != CGamePalette::kSize) return "not in the game palette";
    const uint8_t* table = info.Lock() + header->size;
    for (int i = 0; i < CGamePalette::kSize; ++i) {
        const SRgb& c = palette.Color(i);
        const uint8_t* e = table + i * 4;
        if (e[0] != c.b || e[1] != c.g || e[2] != c.r) return "not in the game palette";
    }
    CBM picture;
    int width = entry.width, height = entry.height;
    if (!picture.LoadFromFile(path, width, height, 1)) return "damaged";
    return "";
}

}  // namespace

CCanvas CResourcePictures::Draw(const SPictureEntry& entry, const CGamePalette& palette) {
    return DrawEntry(entry, palette);
}

bool CResourcePictures::WriteAll(const std::string& folder, const CGamePalette& palette,
                                 std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder + "res", ec);
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        const std::string path = folder + entry.FileName();
        CBM picture(CPictureBlock::Image(Draw(entry, palette)));
        try {
            if (picture.SaveToFile(path)) continue;
        } catch (const std::exception&) {
        }
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool CResourcePictures::CheckAll(const std::string& folder, const CGamePalette& palette,
                                 std::string& report) {
    bool ok = true;
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        const std::string path = folder + entry.FileName();
        const std::string fault = CheckFile(path, entry, palette);
        if (!fault.empty()) ok = false;
        report += path + ": " +
                  (fault.empty() ? std::to_string(entry.width) + " x " +
                                       std::to_string(entry.height) + ", " +
                                       std::to_string(entry.columns) + " x " +
                                       std::to_string(entry.rows) + " cells, " + entry.use
                                 : fault) +
                  "\n";
    }
    return ok;
}
