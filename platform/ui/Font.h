#pragma once
// A font by face, height and weight. The faces the programs ask for ("MS
// Sans Serif" and friends) are drawn with DejaVu Sans at the same pixel
// heights; text is drawn without smoothing, like the bitmap fonts the
// layouts were made for.

#include <memory>

#include "platform/ui/GdiObject.h"

class CFont : public CGdiObject {
public:
    CFont();
    ~CFont() override;

    // height > 0: the character cell height (ascent + descent) in pixels;
    // height < 0: the character height without internal leading; 0: a
    // default size.
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* face);
    BOOL CreateFontIndirect(const LOGFONT* font);
    // pointSize in tenths of a point, at 96 pixels per inch.
    BOOL CreatePointFont(int pointSize, const char* face);
    BOOL GetLogFont(LOGFONT* font) const;

    struct Impl;
    Impl& PlatformImpl() const { return *m_impl; }

protected:
    void Release() override;

private:
    std::unique_ptr<Impl> m_impl;
};
