#include "tools/mkdata/ContactSheet.h"

#include <algorithm>

#include "tools/mkdata/PixelFont.h"
#include "tools/mkdata/PngWriter.h"

namespace {
constexpr int kPad = 10;
constexpr int kGap = 4;
constexpr int kLabelHeight = 14;
const SRgb kBackground{184, 190, 198};
const SRgb kInk{24, 24, 24};
}  // namespace

CContactSheet::CContactSheet(const CGamePalette& palette, int width)
    : m_palette(palette), m_width(width) {}

void CContactSheet::AddHeading(const std::string& text) {
    m_items.push_back({text, {}, true});
}

void CContactSheet::AddGroup(const std::string& label, const std::vector<CCanvas>& pictures) {
    m_items.push_back({label, pictures, false});
}

int CContactSheet::ItemWidth(const SItem& item) {
    int width = CPixelFont::TextWidth(item.label);
    int pictures = 0;
    for (const CCanvas& c : item.pictures) pictures += c.Width() + kGap;
    return std::max(width, pictures - kGap);
}

int CContactSheet::ItemHeight(const SItem& item) {
    int height = 0;
    for (const CCanvas& c : item.pictures) height = std::max(height, c.Height());
    return kLabelHeight + height;
}

std::vector<CContactSheet::SPlaced> CContactSheet::Layout(int& height) const {
    std::vector<SPlaced> placed;
    int x = kPad;
    int y = kPad;
    int rowHeight = 0;
    for (const SItem& item : m_items) {
        if (item.heading) {
            y += rowHeight + (placed.empty() ? 0 : kPad * 2);
            placed.push_back({&item, kPad, y});
            y += 2 * kLabelHeight;
            x = kPad;
            rowHeight = 0;
            continue;
        }
        int w = ItemWidth(item);
        if (x > kPad && x + w > m_width - kPad) {
            y += rowHeight + kPad;
            x = kPad;
            rowHeight = 0;
        }
        placed.push_back({&item, x, y});
        x += w + 2 * kPad;
        rowHeight = std::max(rowHeight, ItemHeight(item));
    }
    height = y + rowHeight + kPad;
    return placed;
}

CCanvas CContactSheet::Render() const {
    int height = 0;
    std::vector<SPlaced> placed = Layout(height);
    CCanvas sheet(m_width, std::max(height, 1), m_palette);
    sheet.Fill(kBackground);
    for (const SPlaced& p : placed) {
        if (p.item->heading) {
            CPixelFont::Draw(sheet, p.x, p.y + 4, p.item->label, kInk, 3);
            continue;
        }
        CPixelFont::Draw(sheet, p.x, p.y, p.item->label, kInk);
        int x = p.x;
        int bottom = p.y + ItemHeight(*p.item);
        for (const CCanvas& c : p.item->pictures) {
            sheet.Draw(c, x, bottom - c.Height());
            x += c.Width() + kGap;
        }
    }
    return sheet;
}

std::vector<uint8_t> CContactSheet::EncodePng() const {
    CCanvas sheet = Render();
    std::vector<SRgb> colors;
    for (int i = 0; i < CGamePalette::kSize; ++i) colors.push_back(m_palette.Color(i));
    return CPngWriter::Encode(sheet.Width(), sheet.Height(), sheet.Pixels(), colors);
}
