#pragma once
// A window system for the tests of programs without one: a clipboard in
// memory that keeps any block the raster core can read; text, shapes and
// PNG files fail as they do headless. Registered while it lives.

#include "platform/gfx/WindowSystem.h"

class CFakeWindowSystem : public IWindowSystem {
public:
    CFakeWindowSystem();
    ~CFakeWindowSystem() override;

    std::unique_ptr<CFontFace> MakeFace(const LOGFONT&) override { return nullptr; }
    bool DrawText(const CFontFace&, const STextJob&) override { return false; }
    CSize TextExtent(const CFontFace&, const std::string&) override { return CSize(0, 0); }
    bool TextMetrics(const CFontFace&, TEXTMETRIC*) override { return false; }
    bool PolygonCoverage(const SPixelBox&, const std::vector<POINT>&,
                         std::vector<uint8_t>&) override {
        return false;
    }
    bool EllipseCoverage(const SPixelBox&, const SPixelBox&, bool, std::vector<uint8_t>&) override {
        return false;
    }
    bool SavePng(const SPixelRows&, const std::string&) override { return false; }

    bool SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override { return m_text; }
    bool HasClipboardText() override { return m_hasText; }
    bool SetClipboardDib(const std::vector<uint8_t>& packedDib) override;
    std::vector<uint8_t> GetClipboardDib() override { return m_dib; }
    bool HasClipboardDib() override { return !m_dib.empty(); }
    void EmptyClipboard() override;

private:
    IWindowSystem* m_previous = nullptr;
    std::string m_text;
    bool m_hasText = false;
    std::vector<uint8_t> m_dib;
};
