#pragma once
// Paints the cells of one map area as the map windows show them: ground
// tiles raised by their height with side pictures, land and structure
// pictures from the map's picture strips (masked, inverted when
// highlighted), construction overlays and fires, the owners' outlines in
// their company colours, and in the grey-level mode a shaded top face per
// cell instead.
//
// Cells are painted in the order the draw-order list gives, each only when
// its drawing reaches into the rectangle being painted, so a part of the
// window repaints to exactly the pixels a repaint of the whole would give.
// The painter draws onto a layer and, when asked, records everything it
// covers in a coverage mask (white where anything was drawn): a window that
// keeps its cells over black in a layer then shows
// (background AND NOT coverage) OR layer, which equals painting over the
// background.

#include <functional>

#include "platform/gfx/DC.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Rect.h"

class CBD;
class CCompanyPens;
class CMapDrawOrder;
class CMapGeometry;
class CMapPictureCache;

class CMapPainter {
public:
    struct SStyle {
        // The frame's map interaction mode; 2 shows the grey-level display.
        int mapMode = 0;
        // Show the ground only.
        int topographyOnly = 0;
        // Rows of the view grid painted by a full repaint; -1 all.
        int partialRows = -1;
        // Whether the pictures of a map cell are drawn inverted.
        std::function<bool(int mx, int my)> highlight;
        // The colour index (0..31) of a company; -1 for an index that names
        // no company.
        std::function<int(int company)> companyColour;
        // The company pens; without them no outline is drawn.
        CCompanyPens* pens = nullptr;
        // Stretched pictures kept between paints; without it every picture
        // is stretched as it is drawn (the same pixels).
        CMapPictureCache* pictures = nullptr;
        // Told the whole box of every pass of a cell that PaintRect paints
        // (also where the rectangle clips it).
        std::function<void(int vx, int vy, const RECT& box)> painted;
        // A block repaint: the side pictures of a raised cell start at the
        // lowest level among the cell and its eight neighbours (0 at the
        // grid's edge), since the neighbours cover the sides below it.
        bool sidesFromLowestNeighbour = false;
        // The side pictures of raised cells: the map's last land type, or
        // with this flag its foundation land type (code 17; none without
        // one).
        bool sidesFromFoundation = false;
    };

    CMapPainter(const CMapGeometry& geometry, const CMapDrawOrder& order, SStyle style);
    ~CMapPainter();
    CMapPainter(const CMapPainter&) = delete;
    CMapPainter& operator=(const CMapPainter&) = delete;

    // Paints every cell whose drawing reaches into `clip` onto `layer`, in
    // painting order and clipped to `clip`; with a coverage context, also
    // whitens there every pixel drawn.
    void PaintRect(CDC& layer, CDC* coverage, const RECT& clip);
    // The level from which the side pictures of map cell (mx, my), raised
    // to `level`, are drawn: 0, or in a block repaint the lowest level among
    // the cell and its eight neighbours (0 at the grid's edge).
    int SideFloor(int mx, int my, int level) const;
    // The box of everything one view cell paints (both passes); empty when
    // it paints nothing.
    CRect GetCellBounds(int vx, int vy);

    // The masked blit of the type's picture for a slot with its hotspot at
    // (x, y), inverted when highlighted. Nothing for a picture number
    // outside 1..4 or a picture without strip, image or mask.
    void DrawPicture(CDC& dc, CDC* coverage, const CBD* type, int x, int y, int slot,
                     bool highlight);
    // The owner's outline on the top face of view cell (vx, vy) whose
    // reference point is (x, y): dotted inside, solid outside.
    void DrawOwnerOutline(CDC& dc, CDC* coverage, int x, int y, int vx, int vy);
    // The grey rhombus of the grey-level display: 2 x layer 9, 0..255.
    void DrawLevelShade(CDC& dc, CDC* coverage, int x, int y, int vx, int vy);

private:
    // Where one cell's drawing goes: onto the contexts, or only into the
    // bounds when measuring.
    struct SCanvas {
        CDC* layer = nullptr;
        CDC* coverage = nullptr;
        CRect* bounds = nullptr;
        CRect clip;
    };
    enum ePass { passGround = 1, passObjects = 2 };

    void PaintCell(SCanvas& canvas, int vx, int vy, int passes);
    void PaintGround(SCanvas& canvas, int vx, int vy);
    void PaintObjects(SCanvas& canvas, int vx, int vy);
    void PaintSides(SCanvas& canvas, int vx, int vy, int level, bool highlight);
    void Picture(SCanvas& canvas, const CBD* type, int x, int y, bool highlight);
    void Outline(SCanvas& canvas, int x, int y, int vx, int vy);
    void Shade(SCanvas& canvas, int x, int y, int vx, int vy);
    // The drawn box of a picture; false when it draws nothing.
    bool PictureBox(const CBD* type, int slot, int x, int y, CRect& box, int& picture) const;
    // The top face's corners at the zoom.
    void FaceCorners(int x, int y, POINT corners[4]) const;
    bool Highlighted(int vx, int vy) const;
    bool EnsureWork(int width, int height);

    const CMapGeometry& m_geometry;
    const CMapDrawOrder& m_order;
    SStyle m_style;
    CDC m_pictureDC;
    CDC m_workDC;
    CBitmap m_work;
    CBitmap* m_workPrevious = nullptr;
    int m_workWidth = 0;
    int m_workHeight = 0;
};
