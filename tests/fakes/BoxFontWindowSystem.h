#pragma once
// A window system whose fonts draw every character as a filled box, so that
// tests of text drawing can check pixels without a real font: a font of
// height h (0: 16) has characters h / 2 wide (the last column left empty
// as a gap) and h high, with a descent of h / 5. Registered while it lives.

#include "fakes/FakeWindowSystem.h"

class CBoxFontWindowSystem : public CFakeWindowSystem {
public:
    std::unique_ptr<CFontFace> MakeFace(const LOGFONT& font) override;
    bool DrawText(const CFontFace& face, const STextJob& job) override;
    CSize TextExtent(const CFontFace& face, const std::string& text) override;
    bool TextMetrics(const CFontFace& face, TEXTMETRIC* metrics) override;

    // The height of a face that this system made.
    static int Height(const CFontFace& face);
};
