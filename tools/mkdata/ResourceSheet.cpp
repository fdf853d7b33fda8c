#include "tools/mkdata/ResourceSheet.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "model/ColorMarkStrip.h"
#include "model/PictureCatalog.h"
#include "tools/mkdata/PixelFont.h"
#include "tools/mkdata/PngWriter.h"
#include "tools/mkdata/ResourcePictures.h"

namespace {

constexpr int kSheetWidth = 1700;
constexpr int kMargin = 12;
constexpr int kGap = 8;
const SRgb kBack{223, 223, 223};
const SRgb kButtonFace{192, 192, 192};
const SRgb kLabel{16, 20, 48};
const SRgb kOutline{200, 40, 40};
const SRgb kNumber{80, 80, 96};

// One cell of a strip as a picture of its own.
CCanvas Cell(const CCanvas& strip, const SPictureEntry& entry, int column, int row) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    CCanvas cell(w, h, strip.Palette());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) cell.SetIndex(x, y, strip.Index(column * w + x, row * h + y));
    return cell;
}

std::vector<CCanvas> Cells(const CCanvas& strip, const SPictureEntry& entry) {
    std::vector<CCanvas> cells;
    for (int row = 0; row < entry.rows; ++row)
        for (int column = 0; column < entry.columns; ++column)
            cells.push_back(Cell(strip, entry, column, row));
    return cells;
}

// The picture drawn over a ground of `back` through its mask: the ground
// where the mask is white, the picture where it is black.
CCanvas Masked(const CCanvas& picture, const CCanvas& mask, const SRgb& back) {
    CCanvas out(picture.Width(), picture.Height(), picture.Palette());
    out.Fill(back);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (mask.Index(x, y) != CGamePalette::kWhite) out.SetIndex(x, y, picture.Index(x, y));
    return out;
}

CCanvas Scaled(const CCanvas& source, int scale) {
    CCanvas out(source.Width() * scale, source.Height() * scale, source.Palette());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.SetIndex(x, y, source.Index(x / scale, y / scale));
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Lays pictures out from the top; draws them when it has a canvas, so that
// one pass measures the sheet and a second one draws it.
class CSheetWriter {
public:
    explicit CSheetWriter(CCanvas* canvas) : m_canvas(canvas) {}
    int Bottom() const { return m_y + kMargin; }

    void Heading(const std::string& text, int scale = 2) {
        if (m_canvas) CPixelFont::Draw(*m_canvas, kMargin, m_y, Upper(text), kLabel, scale);
        m_y += CPixelFont::TextHeight(scale) + 6;
    }

    // Pictures side by side, each outlined and numbered from `first`,
    // wrapping at the sheet's edge.
    void Row(const std::vector<CCanvas>& pictures, int first = 0) {
        int x = kMargin, rowHeight = 0;
        for (size_t i = 0; i < pictures.size(); ++i) {
            const CCanvas& p = pictures[i];
            if (x > kMargin && x + p.Width() + 2 > kSheetWidth - kMargin) {
                m_y += rowHeight + kGap;
                x = kMargin;
                rowHeight = 0;
            }
            const int labelHeight = CPixelFont::TextHeight(1) + 3;
            if (m_canvas) {
                CPixelFont::Draw(*m_canvas, x + 1, m_y, std::to_string(first + int(i)), kNumber,
                                 1);
                const int top = m_y + labelHeight;
                m_canvas->FillRect(x, top, p.Width() + 2, p.Height() + 2, kOutline);
                m_canvas->Draw(p, x + 1, top + 1);
            }
            x += p.Width() + 2 + kGap;
            rowHeight = std::max(rowHeight, p.Height() + 2 + labelHeight);
        }
        m_y += rowHeight + kGap;
    }

private:
    CCanvas* m_canvas;
    int m_y = kMargin;
};

std::vector<CCanvas> ScaledAll(const std::vector<CCanvas>& pictures, int scale) {
    std::vector<CCanvas> out;
    for (const CCanvas& p : pictures) out.push_back(Scaled(p, scale));
    return out;
}

// Each mark of a strip over the button face through its mask, as the
// program draws it.
std::vector<CCanvas> DrawnMarks(const SPictureEntry& entry, const CCanvas& strip,
                                const CCanvas* maskStrip) {
    std::vector<CCanvas> cells = Cells(strip, entry);
    std::vector<CCanvas> drawn;
    switch (entry.id) {
        case CPictureCatalog::kColorMarks:
        case CPictureCatalog::kSmallMarks:
        case CPictureCatalog::kLogo:
            for (size_t i = 1; i < cells.size(); ++i)
                drawn.push_back(Masked(cells[i], cells[0], kButtonFace));
            break;
        case CPictureCatalog::kRowMarks:
            for (size_t i = 0; i + 1 < cells.size(); i += 2)
                drawn.push_back(Masked(cells[i + 1], cells[i], kButtonFace));
            break;
        case CPictureCatalog::kPairPictures: {
            std::vector<CCanvas> masks = Cells(*maskStrip, entry);
            for (size_t i = 0; i < cells.size(); i += 2)
                drawn.push_back(Masked(cells[i], masks[i], kButtonFace));
            break;
        }
        case CPictureCatalog::kLogoBack: {
            // Tiled three by two, as behind the logo.
            CCanvas tiled(cells[0].Width() * 3, cells[0].Height() * 2, strip.Palette());
            for (int ty = 0; ty < 2; ++ty)
                for (int tx = 0; tx < 3; ++tx)
                    tiled.Draw(Masked(cells[1], cells[0], kButtonFace), tx * cells[0].Width(),
                               ty * cells[0].Height());
            drawn.push_back(tiled);
            break;
        }
        case CPictureCatalog::kStartNewGame:
        case CPictureCatalog::kStartLoad:
            drawn.push_back(Masked(cells[0], cells[1], kButtonFace));
            break;
        default:
            break;
    }
    return drawn;
}

// A cursor over ground of `back`, its hot spot ringed in red.
CCanvas CursorOver(const SPictureEntry& entry, const CCanvas& strip, const SRgb& back, int scale) {
    std::vector<CCanvas> cells = Cells(strip, entry);
    CCanvas shown = Scaled(Masked(cells[0], cells[1], back), scale);
    const double cx = (entry.hotX + 0.5) * scale, cy = (entry.hotY + 0.5) * scale;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            const double d2 = (x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy);
            if (d2 >= 2.0 * scale * scale && d2 < 3.6 * scale * scale) shown.Plot(x, y, SRgb{230, 0, 0});
        }
    return shown;
}

void Fill(CSheetWriter& sheet, const CGamePalette& palette) {
    sheet.Heading("Resource pictures: cells at 1:1 and 2:1, numbered left to right, top to bottom");
    std::optional<CCanvas> pairMasks;
    if (const SPictureEntry* masks = CPictureCatalog::Find(CPictureCatalog::kPairMasks))
        pairMasks = CResourcePictures::Draw(*masks, palette);
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        const CCanvas strip = CResourcePictures::Draw(entry, palette);
        sheet.Heading(entry.FileName() + "  " + std::to_string(entry.width) + " x " +
                          std::to_string(entry.height) + "  " + entry.use,
                      1);
        const std::vector<CCanvas> cells = Cells(strip, entry);
        sheet.Row(cells);
        sheet.Row(ScaledAll(cells, 2));
        if (entry.cursor) {
            sheet.Heading("as the pointer, hot spot ringed", 1);
            sheet.Row({CursorOver(entry, strip, SRgb{255, 255, 255}, 2),
                       CursorOver(entry, strip, SRgb{40, 90, 150}, 2),
                       CursorOver(entry, strip, kButtonFace, 1)});
            continue;
        }
        const std::vector<CCanvas> drawn =
            DrawnMarks(entry, strip, pairMasks ? &*pairMasks : nullptr);
        if (drawn.empty()) continue;
        sheet.Heading("over the button face through the mask", 1);
        sheet.Row(drawn);
        sheet.Row(ScaledAll(drawn, 2));
    }
}

}  // namespace

CCanvas CResourceSheet::Render(const CGamePalette& palette) {
    CSheetWriter measure(nullptr);
    Fill(measure, palette);
    CCanvas canvas(kSheetWidth, measure.Bottom(), palette);
    canvas.Fill(kBack);
    CSheetWriter writer(&canvas);
    Fill(writer, palette);
    return canvas;
}

bool CResourceSheet::WriteFile(const CGamePalette& palette, const std::string& path) {
    const CCanvas sheet = Render(palette);
    std::vector<SRgb> colors;
    for (int i = 0; i < CGamePalette::kSize; ++i) colors.push_back(palette.Color(i));
    return CPngWriter::WriteFile(path,
                                 CPngWriter::Encode(sheet.Width(), sheet.Height(), sheet.Pixels(),
                                                    colors));
}
