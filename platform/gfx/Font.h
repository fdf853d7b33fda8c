#pragma once
// A font by face, height and weight. The window system makes it ready for
// drawing on first use (see IWindowSystem); there the faces the programs ask
// for ("MS Sans Serif" and friends) are drawn with DejaVu Sans at the same
// pixel heights, without smoothing, like the bitmap fonts the layouts were
// made for.

#include <memory>

#include "platform/gfx/FontFace.h"
#include "platform/gfx/GdiObject.h"

class IWindowSystem;

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

    // The font as the registered window system draws it; nullptr before
    // creation or without a window system.
    const CFontFace* Face() const;

protected:
    void Release() override;

private:
    LOGFONT m_log;
    mutable std::unique_ptr<CFontFace> m_face;
    mutable IWindowSystem* m_faceSystem = nullptr;
};
