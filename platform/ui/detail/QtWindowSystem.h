#pragma once
// The window system of the raster core on Qt: fonts and text, polygon and
// ellipse coverage, PNG files and the desktop's clipboard. The window layer
// registers it as soon as it is linked into a program (see UiSystem.cpp).

#include "platform/gfx/WindowSystem.h"

class CQtWindowSystem : public IWindowSystem {
public:
    static CQtWindowSystem& Instance();

    std::unique_ptr<CFontFace> MakeFace(const LOGFONT& font) override;
    bool DrawText(const CFontFace& face, const STextJob& job) override;
    CSize TextExtent(const CFontFace& face, const std::string& text) override;
    bool TextMetrics(const CFontFace& face, TEXTMETRIC* metrics) override;

    bool PolygonCoverage(const SPixelBox& bounds, const std::vector<POINT>& points,
                         std::vector<uint8_t>& mask) override;
    bool EllipseCoverage(const SPixelBox& bounds, const SPixelBox& box, bool outline,
                         std::vector<uint8_t>& mask) override;

    bool SavePng(const SPixelRows& pixels, const std::string& path) override;

    bool SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;
    bool HasClipboardText() override;
    bool SetClipboardDib(const std::vector<uint8_t>& packedDib) override;
    std::vector<uint8_t> GetClipboardDib() override;
    bool HasClipboardDib() override;
    void EmptyClipboard() override;
};
