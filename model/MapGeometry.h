#pragma once
// The isometric geometry of one map area as the map windows draw it: the
// turn between map cells and view cells for a view direction, the reference
// point of a view cell in client pixels at a zoom and scroll position, the
// hit test, the pixel extents of a cell's block and the range of cells to
// repaint when a block changes. It reads the map's projection constants and
// the area's layers on every call and keeps nothing else, so it stays valid
// while the cells change.
//
// Every sum built from file values is taken in 64 bits and held to int, and
// every cell is checked against the grid before a layer is read: a damaged
// map or a peer's cell update gives odd pictures, never a bad index.

#include <cstdint>

#include "model/CellPoint.h"

class CBD;
class CMapData;
class CMapDoc;

// A rectangle of view cells, both corners included.
struct SCellRect {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    bool operator==(const SCellRect&) const = default;
};

// How far a cell's pictures reach from its reference point (pixels at 100 %).
struct SCellExtents {
    int left = 0;
    int right = 0;
    int above = 0;
    int below = 0;
    bool operator==(const SCellExtents&) const = default;
};

class CMapGeometry {
public:
    static constexpr int kDirections = 4;

    // map and area must outlive the geometry; area -1 (or one the map does
    // not hold) gives an empty grid.
    CMapGeometry(const CMapDoc& map, int area, int direction, double zoom);

    // The picture slot of a view direction: 1, 3, 2, 0 for 0..3.
    static int SlotOfDirection(int direction);
    // The zoom rule for every scaled length: trunc(v z) from 1.0 up,
    // trunc((v + 1) z) below.
    static int Scale(int64_t value, double zoom);

    void SetScroll(int x, int y) {
        m_scrollX = x;
        m_scrollY = y;
    }
    int GetScrollX() const { return m_scrollX; }
    int GetScrollY() const { return m_scrollY; }
    double GetZoom() const { return m_zoom; }
    int GetDirection() const { return m_direction; }
    int GetSlot() const { return SlotOfDirection(m_direction); }
    const CMapDoc& GetMap() const { return m_map; }
    // nullptr without an area.
    const CMapData* GetArea() const { return m_area; }

    // The area's grid (map cells) and the view grid (W x H in directions 0
    // and 2, H x W in 1 and 3).
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetViewColumns() const;
    int GetViewRows() const;
    bool IsMapCell(int mx, int my) const;
    bool IsViewCell(int vx, int vy) const;

    CCellPoint MapToView(int mx, int my) const;
    CCellPoint ViewToMap(int vx, int vy) const;
    // A block size in cells turned for the view.
    void TurnSize(int& w, int& h) const;

    // The cell's reference point in client pixels (level = height level).
    int GetCellScreenX(int vx, int vy) const;
    int GetCellScreenY(int vx, int vy, int level) const;
    // The same before zoom and scroll (pixels at 100 %).
    int64_t ReferenceX(int vx, int vy) const;
    int64_t ReferenceY(int vx, int vy, int level) const;

    // The map cell under a client pixel (a covered cell answers its
    // structure's anchor); (-1, -1) for none or where the projection
    // constants leave the answer undefined.
    CCellPoint CellFromPoint(int px, int py) const;

    // The picture-drawing view of one cell, each read safely.
    int HeightAt(int mx, int my) const;
    // The anchor of a map cell's structure; the cell itself when it carries
    // none or its anchor record is damaged.
    CCellPoint AnchorOf(int mx, int my) const;
    // The structure type at the anchor of the cell, nullptr for none.
    const CBD* StructureAt(int mx, int my) const;
    // The far corner of the view cell's block (the cell itself without a
    // structure), and the block's turned size.
    CCellPoint FarCornerOf(int vx, int vy, int* w = nullptr, int* h = nullptr) const;
    bool IsFarCorner(int vx, int vy) const;
    // The type a cell's construction state shows (under way: layer 6 is a
    // type index; burning: the structure number of a fire picture);
    // nullptr for none or a value outside the table.
    const CBD* ConstructionTypeOf(int state, int type) const;

    // Extents of everything drawn for the block of view cell (vx, vy),
    // pixels at 100 %.
    SCellExtents GetCellExtents(int vx, int vy, int wide) const;
    // View cells to repaint to redraw the block at (vx, vy): the block plus
    // every cell behind it whose picture reaches into it.
    SCellRect GetRedrawRange(int vx, int vy, int wide) const;
    // The whole picture's size at the zoom.
    void GetTotalSize(int& width, int& height) const;
    // The highest height level of the area (0 when none is raised).
    int GetHighestLevel() const;

    // Which scroll bars a picture of tw x th needs in an offered client
    // area of cx x cy, when a vertical bar takes barWidth of the width and
    // a horizontal one barHeight of the height: a bar that narrows the
    // area can make the other one needed too.
    static void FitScrollBars(int tw, int th, int cx, int cy, int barWidth, int barHeight,
                              bool& horizontal, bool& vertical);
    // The step of a line scroll for a page: page / 20, at least 1.
    static int LineStep(int page);
    // A scroll position kept within min .. max - page + 1 (and min).
    static int ClampScroll(int64_t pos, int min, int max, int page);

    // Picture number p of a type for a slot names picture p - 1; -1 when p
    // is outside 1..4.
    static int PictureIndexOf(const CBD& type, int slot);

private:
    int Metric(int i) const;
    // A's box overlaps B's, as the redraw range tests it.
    bool BoxOverlaps(CCellPoint tested, CCellPoint reference, const SCellExtents& box) const;
    void RaiseByPicture(SCellExtents& e, const CBD* type, int64_t ox, int64_t oy,
                        int64_t extraBelow) const;

    const CMapDoc& m_map;
    const CMapData* m_area = nullptr;
    int m_direction = 2;
    double m_zoom = 1.0;
    int m_width = 0;
    int m_height = 0;
    int m_scrollX = 0;
    int m_scrollY = 0;
};
