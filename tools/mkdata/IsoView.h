#pragma once
// The isometric projection our pictures are drawn for, and how one picture
// of a type sees its footprint. The map keeps the cell metrics below; the
// view places a picture so that its hotspot falls on the reference point of
// the block's far corner cell, which is the lower corner of that cell's top
// face (the face offset is 0).
//
// Picture index i of a type is the one the view shows in view direction
// kDirectionOfPicture[i] (the view takes picture 1, 3, 2, 0 for directions
// 0..3). A scene is described in map cells: x and y run over the footprint
// 0..w and 0..h, z is the height in pixels.

#include "tools/mkdata/PointF.h"
#include "tools/mkdata/Vec3.h"

class CIsoView {
public:
    // Screen step of one view column and one view row, rise of a height
    // level, face offset, in pixels at 100 %.
    static constexpr int kColumnDx = 32;
    static constexpr int kColumnDy = 16;
    static constexpr int kRowDx = 32;
    static constexpr int kRowDy = 16;
    static constexpr int kLevelDy = 16;
    static constexpr int kFaceOffset = 0;
    static constexpr int kTileWidth = kColumnDx + kRowDx;
    static constexpr int kTileHeight = kColumnDy + kRowDy;
    static constexpr int kDirectionOfPicture[4] = {3, 0, 2, 1};

    // footprintW x footprintH cells in map direction 0.
    CIsoView(int pictureIndex, int footprintW, int footprintH);

    int Direction() const { return m_direction; }
    // The footprint as this view sees it (width and height swap in
    // directions 1 and 3).
    int ViewWidth() const { return m_viewW; }
    int ViewHeight() const { return m_viewH; }

    // View coordinates (u, v along the view's columns and rows, z) of a map
    // point.
    SVec3 ToView(const SVec3& p) const;
    // The map point (z = 0) of view coordinates (u, v).
    SVec3 FromView(double u, double v) const;
    // Pixel position relative to the hotspot.
    SPointF ToScreen(const SVec3& p) const;
    // The ground point (view u, v) under a pixel position relative to the
    // hotspot.
    void ScreenToView(double sx, double sy, double& u, double& v) const;

private:
    int m_direction;
    int m_w;
    int m_h;
    int m_viewW;
    int m_viewH;
};
