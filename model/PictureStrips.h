#pragma once
// The picture strips of the application: every bitmap of the picture
// catalogue loaded from the program folder and drawn into a bitmap in the
// game palette, with the operations that draw marks from them. Each mark is
// drawn as its mask cell ANDed (SRCAND) and then its picture cell ORed
// (SRCPAINT), at (x, y) or centred on it. The application owns one and
// forwards its drawing calls; the judgment program loads its pictures the
// same way.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/PictureCatalog.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/Rect.h"
#include "platform/gfx/Size.h"

class CDC;
class CEnterprise;
class CPalette;

class CPictureStrips {
public:
    // Loads `path` as a picture of the entry's size into `bitmap`, drawn
    // with `palette` (nullptr: the picture's own colours). False when the
    // file is missing, unreadable or not of the catalogue's size.
    static bool LoadPicture(const std::string& path, const SPictureEntry& entry,
                            const CPalette* palette, CBitmap& bitmap);
    // A copy of a bitmap of the same size and pixels.
    static bool CopyBitmap(const CBitmap& source, CBitmap& copy);

    // Loads every bitmap of the catalogue from folder (with a trailing
    // separator) and keeps the palette for drawing. False at the first
    // picture that cannot be loaded; GetFailedId names it.
    bool Load(const std::string& folder, CPalette* palette);
    // The same for the bitmaps of the ids given only (a program that draws
    // a few of them).
    bool Load(const std::string& folder, CPalette* palette, const std::vector<int>& ids);
    // Cursor `id` of the catalogue: its picture (upper cell) and its mask
    // (lower cell) as bitmaps of their own, with its hot spot. False when
    // the cursor is missing or cannot be cut.
    static bool LoadCursorCells(const std::string& folder, int id, const CPalette* palette,
                                CBitmap& picture, CBitmap& mask, int& hotX, int& hotY);
    int GetFailedId() const { return m_failedId; }

    // A loaded strip, or nullptr.
    CBitmap* GetBitmap(int id);
    // The cell size of a loaded strip; 0, 0 when it is not loaded.
    CSize GetCellSize(int id) const;
    // The cell size of the colour-mark strip (420).
    CSize GetIconCellSize() const { return GetCellSize(CPictureCatalog::kColorMarks); }

    // Colour c = -2..31 draws cell c + 3 of 420 (-1 the blank mark); any
    // other colour draws nothing.
    void DrawColorMark(CDC& dc, int x, int y, int colour, BOOL centred) const;
    // Small mark n (0..13) of 410, cell n + 1.
    void DrawSmallMark(CDC& dc, int x, int y, int index, BOOL centred) const;
    // Row `index` of the left column of 350 (pictures) over 351 (masks),
    // always centred on (x, y).
    void DrawPairMark(CDC& dc, int x, int y, int index) const;
    // Row `index` of 380: mask column left, picture column right.
    void DrawRowMark(CDC& dc, int index, int x, int y, BOOL centred) const;

    // A colour mark, then the company's name and, with secondLine, its
    // president's name below it; both clipped at x + width. The box is
    // width x height at (x, y), halved between the lines when there are two.
    void DrawCompanyTitle(CDC& dc, int x, int y, int width, int height, const CEnterprise& company,
                          BOOL secondLine) const;
    // The colour mark of the person's company, the company's name and below
    // it the person's name, clipped the same way. company nullptr: the
    // blank mark and no company name.
    void DrawPersonTitle(CDC& dc, int x, int y, int width, int height, const CEnterprise* company,
                         const std::string& personName) const;
    // An etched group frame: the outline of width x height at (x + 1, y + 1)
    // in the button highlight, then the same outline at (x, y) in the
    // button shadow.
    void DrawEtchedFrame(CDC& dc, int x, int y, int width, int height) const;

private:
    struct SStrip {
        const SPictureEntry* entry = nullptr;
        std::unique_ptr<CBitmap> bitmap;
    };
    const SStrip* Strip(int id) const;
    // Mask cell (maskColumn, maskRow) of `mask` ANDed, then picture cell
    // (column, row) of `picture` ORed, at (x, y) or centred on it.
    void DrawMasked(CDC& dc, const SStrip& mask, int maskColumn, int maskRow,
                    const SStrip& picture, int column, int row, int x, int y, bool centred) const;
    void DrawTitle(CDC& dc, const CRect& box, int colour, const std::string& first,
                   const std::string* second) const;

    std::map<int, SStrip> m_strips;
    CPalette* m_palette = nullptr;
    int m_failedId = 0;
};
