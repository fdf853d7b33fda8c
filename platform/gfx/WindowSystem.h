#pragma once
// What the raster core asks of a window system: fonts and text, the shapes
// it does not rasterise itself, PNG files and the clipboard. The window
// layer registers its implementation; without one (the headless programs)
// text and those shapes draw nothing, fonts measure 0 and every call
// reports failure.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/FontFace.h"
#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/PixelRows.h"
#include "platform/gfx/Size.h"
#include "platform/gfx/TextJob.h"

class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;

    // The registered window system, or nullptr.
    static IWindowSystem* Get();
    // Replaces the registered one (nullptr: none); returns the previous.
    static IWindowSystem* Register(IWindowSystem* system);

    // Fonts and text.
    virtual std::unique_ptr<CFontFace> MakeFace(const LOGFONT& font) = 0;
    virtual bool DrawText(const CFontFace& face, const STextJob& job) = 0;
    virtual CSize TextExtent(const CFontFace& face, const std::string& text) = 0;
    virtual bool TextMetrics(const CFontFace& face, TEXTMETRIC* metrics) = 0;

    // Coverage masks over `bounds` (one byte a pixel, row by row, set where
    // the shape covers the pixel), surface coordinates.
    virtual bool PolygonCoverage(const SPixelBox& bounds, const std::vector<POINT>& points,
                                 std::vector<uint8_t>& mask) = 0;
    // The inside of the ellipse in `box`, or its one-pixel outline.
    virtual bool EllipseCoverage(const SPixelBox& bounds, const SPixelBox& box, bool outline,
                                 std::vector<uint8_t>& mask) = 0;

    virtual bool SavePng(const SPixelRows& pixels, const std::string& path) = 0;

    // The clipboard; see CClipboard.
    virtual bool SetClipboardText(const std::string& text) = 0;
    virtual std::string GetClipboardText() = 0;
    virtual bool HasClipboardText() = 0;
    virtual bool SetClipboardDib(const std::vector<uint8_t>& packedDib) = 0;
    virtual std::vector<uint8_t> GetClipboardDib() = 0;
    virtual bool HasClipboardDib() = 0;
    virtual void EmptyClipboard() = 0;
};
