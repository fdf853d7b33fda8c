#include "model/PictureStrips.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <unordered_map>

#include "model/BM.h"
#include "model/ColorMarkStrip.h"
#include "model/DibHeader.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PaletteScope.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Palette.h"
#include "platform/gfx/SystemColors.h"

namespace {

// Whether the file's header states the entry's size, uncompressed; read
// before the picture is loaded, so that a wrong file fails quietly (the
// caller reports it) instead of with the picture loader's own messages.
bool HasEntrySize(const std::string& path, const SPictureEntry& entry) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    CMemBlock info = CBM::ReadFileHeader(file);
    std::optional<CDibHeader> header = CDibHeader::Read(info.Lock(), info.Size());
    return header && header->compression == 0 && header->width == entry.width &&
           header->height != INT32_MIN && std::abs(header->height) == entry.height;
}

// Every pixel becomes the nearest colour of the palette, as the picture
// shows on a display of the game palette.
void MapToPalette(CDC& dc, int width, int height) {
    std::unordered_map<COLORREF, COLORREF> nearest;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = dc.GetPixel(x, y);
            auto found = nearest.find(colour);
            if (found == nearest.end()) {
                found = nearest.emplace(colour, dc.GetNearestColor(colour)).first;
            }
            if (found->second != colour) dc.SetPixel(x, y, found->second);
        }
    }
}

void DrawOutline(CDC& dc, int x, int y, int width, int height, COLORREF colour) {
    dc.FillSolidRect(x, y, width, 1, colour);
    dc.FillSolidRect(x, y + height - 1, width, 1, colour);
    dc.FillSolidRect(x, y, 1, height, colour);
    dc.FillSolidRect(x + width - 1, y, 1, height, colour);
}

}  // namespace

bool CPictureStrips::LoadPicture(const std::string& path, const SPictureEntry& entry,
                                 const CPalette* palette, CBitmap& bitmap) {
    if (!HasEntrySize(path, entry)) return false;
    CBM picture;
    int width = entry.width;
    int height = entry.height;
    if (!picture.LoadFromFile(path, width, height, 1)) return false;
    if (!bitmap.CreateBitmap(width, height)) return false;
    CDC memory;
    if (!memory.CreateCompatibleDC(nullptr)) return false;
    CBitmap* previous = memory.SelectObject(&bitmap);
    bool drawn = picture.Draw(memory, 0, 0, width, height);
    if (drawn && palette) {
        CPalette* previousPalette = memory.SelectPalette(const_cast<CPalette*>(palette), FALSE);
        MapToPalette(memory, width, height);
        memory.SelectPalette(previousPalette, FALSE);
    }
    memory.SelectObject(previous);
    if (!drawn) bitmap.DeleteObject();
    return drawn;
}

bool CPictureStrips::CopyBitmap(const CBitmap& source, CBitmap& copy) {
    const CSize size = source.GetSize();
    if (!copy.CreateBitmap(size.cx, size.cy)) return false;
    CDC from;
    CDC to;
    if (!from.CreateCompatibleDC(nullptr) || !to.CreateCompatibleDC(nullptr)) return false;
    CBitmap* previousFrom = from.SelectObject(const_cast<CBitmap*>(&source));
    CBitmap* previousTo = to.SelectObject(&copy);
    const BOOL copied = to.BitBlt(0, 0, size.cx, size.cy, &from, 0, 0, SRCCOPY);
    to.SelectObject(previousTo);
    from.SelectObject(previousFrom);
    return copied != FALSE;
}

bool CPictureStrips::Load(const std::string& folder, CPalette* palette) {
    std::vector<int> ids;
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        if (!entry.cursor) ids.push_back(entry.id);
    }
    return Load(folder, palette, ids);
}

bool CPictureStrips::Load(const std::string& folder, CPalette* palette,
                          const std::vector<int>& ids) {
    m_strips.clear();
    m_palette = palette;
    m_failedId = 0;
    for (const int id : ids) {
        const SPictureEntry* found = CPictureCatalog::Find(id, false);
        if (!found) {
            m_failedId = id;
            m_strips.clear();
            return false;
        }
        const SPictureEntry& entry = *found;
        SStrip strip{&entry, std::make_unique<CBitmap>()};
        if (!LoadPicture(folder + entry.FileName(), entry, palette, *strip.bitmap)) {
            m_failedId = entry.id;
            m_strips.clear();
            return false;
        }
        m_strips[entry.id] = std::move(strip);
    }
    return true;
}

const CPictureStrips::SStrip* CPictureStrips::Strip(int id) const {
    auto found = m_strips.find(id);
    return found == m_strips.end() ? nullptr : &found->second;
}

CBitmap* CPictureStrips::GetBitmap(int id) {
    const SStrip* strip = Strip(id);
    return strip ? strip->bitmap.get() : nullptr;
}

CSize CPictureStrips::GetCellSize(int id) const {
    const SStrip* strip = Strip(id);
    if (!strip) return CSize(0, 0);
    return CSize(strip->entry->CellWidth(), strip->entry->CellHeight());
}

void CPictureStrips::DrawMasked(CDC& dc, const SStrip& mask, int maskColumn, int maskRow,
                                const SStrip& picture, int column, int row, int x, int y,
                                bool centred) const {
    const int width = picture.entry->CellWidth();
    const int height = picture.entry->CellHeight();
    if (centred) {
        x -= width / 2;
        y -= height / 2;
    }
    CPaletteScope palette(dc, m_palette);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    CBitmap* previous = memory.SelectObject(mask.bitmap.get());
    dc.BitBlt(x, y, width, height, &memory, maskColumn * width, maskRow * height, SRCAND);
    memory.SelectObject(picture.bitmap.get());
    dc.BitBlt(x, y, width, height, &memory, column * width, row * height, SRCPAINT);
    memory.SelectObject(previous);
}

void CPictureStrips::DrawColorMark(CDC& dc, int x, int y, int colour, BOOL centred) const {
    const SStrip* strip = Strip(CPictureCatalog::kColorMarks);
    if (!strip || colour < -2 || colour >= kCompanyColorCount) return;
    DrawMasked(dc, *strip, 0, 0, *strip, GetColorMarkCell(colour), 0, x, y, centred);
}

void CPictureStrips::DrawSmallMark(CDC& dc, int x, int y, int index, BOOL centred) const {
    const SStrip* strip = Strip(CPictureCatalog::kSmallMarks);
    if (!strip || index < 0 || index + 1 >= strip->entry->columns) return;
    DrawMasked(dc, *strip, 0, 0, *strip, index + 1, 0, x, y, centred);
}

void CPictureStrips::DrawPairMark(CDC& dc, int x, int y, int index) const {
    const SStrip* pictures = Strip(CPictureCatalog::kPairPictures);
    const SStrip* masks = Strip(CPictureCatalog::kPairMasks);
    if (!pictures || !masks || index < 0 || index >= pictures->entry->rows) return;
    DrawMasked(dc, *masks, 0, index, *pictures, 0, index, x, y, true);
}

void CPictureStrips::DrawRowMark(CDC& dc, int index, int x, int y, BOOL centred) const {
    const SStrip* strip = Strip(CPictureCatalog::kRowMarks);
    if (!strip || index < 0 || index >= strip->entry->rows) return;
    DrawMasked(dc, *strip, 0, index, *strip, 1, index, x, y, centred);
}

void CPictureStrips::DrawTitle(CDC& dc, const CRect& box, int colour, const std::string& first,
                               const std::string* second) const {
    const CSize cell = GetIconCellSize();
    const int lineHeight = second ? box.Height() / 2 : box.Height();
    DrawColorMark(dc, box.left + cell.cx / 2, box.top + lineHeight / 2, colour, TRUE);
    const CRect firstLine(box.left + cell.cx, box.top, box.right, box.top + lineHeight);
    DrawTextInRect(dc, first.c_str(), firstLine, 0, FALSE, 0, -1);
    if (!second) return;
    const CRect secondLine(box.left + cell.cx, box.top + lineHeight, box.right, box.bottom);
    DrawTextInRect(dc, second->c_str(), secondLine, 0, FALSE, 0, -1);
}

void CPictureStrips::DrawCompanyTitle(CDC& dc, int x, int y, int width, int height,
                                      const CEnterprise& company, BOOL secondLine) const {
    const CRect box(x, y, x + width, y + height);
    const std::string& president = company.GetPresidentName();
    DrawTitle(dc, box, company.GetColor(), company.GetName(), secondLine ? &president : nullptr);
}

void CPictureStrips::DrawPersonTitle(CDC& dc, int x, int y, int width, int height,
                                     const CEnterprise* company,
                                     const std::string& personName) const {
    const CRect box(x, y, x + width, y + height);
    DrawTitle(dc, box, company ? company->GetColor() : -1, company ? company->GetName() : "",
              &personName);
}

void CPictureStrips::DrawEtchedFrame(CDC& dc, int x, int y, int width, int height) const {
    if (width < 1 || height < 1) return;
    CPaletteScope palette(dc, m_palette);
    // The fills set the background colour; the caller's stays.
    const COLORREF background = dc.GetBkColor();
    DrawOutline(dc, x + 1, y + 1, width, height, CSystemColors::Color(COLOR_BTNHIGHLIGHT));
    DrawOutline(dc, x, y, width, height, CSystemColors::Color(COLOR_BTNSHADOW));
    dc.SetBkColor(background);
}

bool CPictureStrips::LoadCursorCells(const std::string& folder, int id, const CPalette* palette,
                                     CBitmap& picture, CBitmap& mask, int& hotX, int& hotY) {
    const SPictureEntry* entry = CPictureCatalog::Find(id, true);
    if (!entry) return false;
    CBitmap both;
    if (!LoadPicture(folder + entry->FileName(), *entry, palette, both)) return false;
    const int w = entry->width;
    const int h = entry->height / 2;
    CDC source, target;
    if (!source.CreateCompatibleDC(nullptr) || !target.CreateCompatibleDC(nullptr)) return false;
    if (!picture.CreateBitmap(w, h) || !mask.CreateBitmap(w, h)) return false;
    CBitmap* oldSource = source.SelectObject(&both);
    CBitmap* oldTarget = target.SelectObject(&picture);
    target.BitBlt(0, 0, w, h, &source, 0, 0, SRCCOPY);
    target.SelectObject(&mask);
    target.BitBlt(0, 0, w, h, &source, 0, h, SRCCOPY);
    target.SelectObject(oldTarget);
    source.SelectObject(oldSource);
    hotX = entry->hotX;
    hotY = entry->hotY;
    return true;
}
