#include "model/DrawingHelpers.h"

#include <algorithm>
#include <vector>

#include "model/ColorTable.h"
#include "model/services/Services.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/SystemColors.h"

namespace {

// The speed class of the systems whose button faces have a light inner
// ring; every other class draws the plain two-colour rings.
constexpr int kSpeedClassLightRing = 200;

// Selects the standard font for the lifetime of the scope into a context
// that still holds the platform's default font; a font the caller selected
// stays.
class CStandardFontScope {
public:
    explicit CStandardFontScope(CDC& dc) : m_dc(dc) {
        CFont* standard = Services::App().GetStandardFont();
        const CGdiObject* stock = CGdiObject::GetStockObject(SYSTEM_FONT);
        if (standard && standard->IsCreated() && dc.GetCurrentFont() == stock) {
            m_previous = dc.SelectObject(standard);
        }
    }
    ~CStandardFontScope() {
        if (m_previous) m_dc.SelectObject(m_previous);
    }
    CStandardFontScope(const CStandardFontScope&) = delete;
    CStandardFontScope& operator=(const CStandardFontScope&) = delete;

private:
    CDC& m_dc;
    CFont* m_previous = nullptr;
};

// Fills keep the caller's background colour.
void FillOpaque(CDC& dc, int x, int y, int cx, int cy, COLORREF colour) {
    const COLORREF background = dc.GetBkColor();
    dc.FillSolidRect(x, y, cx, cy, colour);
    dc.SetBkColor(background);
}

// Characters, not bytes, of a UTF-8 text: each takes one advance.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

COLORREF TextColour(int state, int colorIndex) {
    switch (state) {
        case 1:
            return CSystemColors::Color(COLOR_CAPTIONTEXT);
        case 2:
            return CSystemColors::Color(COLOR_GRAYTEXT);
        case 3:
            return CSystemColors::Color(COLOR_INACTIVECAPTIONTEXT);
        default:
            break;
    }
    if (colorIndex != -1) return GetColorTableEntry(colorIndex);
    return CSystemColors::Color(COLOR_BTNTEXT);
}

// Two one-pixel rings, outer and inner, each with its top/left and
// bottom/right colour.
void DrawRings(CDC& dc, const CRect& rect, int outerTopLeft, int innerTopLeft,
               int innerBottomRight, int outerBottomRight) {
    const COLORREF background = dc.GetBkColor();
    dc.Draw3dRect(rect, CSystemColors::Color(outerTopLeft),
                  CSystemColors::Color(outerBottomRight));
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    dc.Draw3dRect(inner, CSystemColors::Color(innerTopLeft),
                  CSystemColors::Color(innerBottomRight));
    dc.SetBkColor(background);
}

// The dotted focus frame: the pixels of the rectangle's outline that the
// halftone checkerboard sets, in the button shadow; the others stay.
void DrawDottedFrame(CDC& dc, const CRect& frame) {
    if (frame.IsRectEmpty()) return;
    const COLORREF colour = CSystemColors::Color(COLOR_BTNSHADOW);
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) dc.SetPixel(x, y, colour);
    };
    for (int x = frame.left; x < frame.right; ++x) {
        dot(x, frame.top);
        dot(x, frame.bottom - 1);
    }
    for (int y = frame.top + 1; y < frame.bottom - 1; ++y) {
        dot(frame.left, y);
        dot(frame.right - 1, y);
    }
}

}  // namespace

void Draw3DFrame(CDC& dc, const RECT& rect, BOOL sunken) {
    dc.RealizePalette();
    COLORREF topLeft = CSystemColors::Color(COLOR_BTNHIGHLIGHT);
    COLORREF bottomRight = CSystemColors::Color(COLOR_3DDKSHADOW);
    if (sunken) std::swap(topLeft, bottomRight);
    const CRect r(rect);
    FillOpaque(dc, r.left, r.top, r.Width(), 1, topLeft);
    FillOpaque(dc, r.left, r.top, 1, r.Height(), topLeft);
    FillOpaque(dc, r.left, r.bottom - 1, r.Width(), 1, bottomRight);
    FillOpaque(dc, r.right - 1, r.top, 1, r.Height(), bottomRight);
}

void DrawColoredText(CDC& dc, const std::string& text, const RECT& clip, POINT origin, int state,
                     BOOL fixedPitch, int charWidth, int colorIndex) {
    dc.RealizePalette();
    CStandardFontScope font(dc);
    std::vector<int> advances;
    if (fixedPitch) {
        const int width = charWidth != 0 ? charWidth : Services::App().GetStandardCharWidth();
        advances.assign(CharacterCount(text), width);
    }
    const int* dx = advances.empty() ? nullptr : advances.data();
    // Both copies are drawn without a background, so that the highlight
    // shows beside the text.
    const int mode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previous = dc.GetTextColor();
    if (state == 0 || state == 2) {
        dc.SetTextColor(CSystemColors::Color(COLOR_BTNHIGHLIGHT));
        dc.ExtTextOut(origin.x + 1, origin.y + 1, ETO_CLIPPED, &clip, text, dx);
    }
    dc.SetTextColor(TextColour(state, colorIndex));
    dc.ExtTextOut(origin.x, origin.y, ETO_CLIPPED, &clip, text, dx);
    dc.SetTextColor(previous);
    dc.SetBkMode(mode);
}

void DrawTextInRect(CDC& dc, const char* text, const RECT& rect, int align, BOOL fill, int state,
                    int colorIndex) {
    dc.RealizePalette();
    CStandardFontScope font(dc);
    const CRect r(rect);
    if (fill) FillOpaque(dc, r.left, r.top, r.Width(), r.Height(), dc.GetBkColor());
    if (text == nullptr) return;
    const std::string line(text);
    const CSize size = dc.GetTextExtent(line);
    int x = r.left;
    if (align == 1) x = std::max(r.left, (r.left + r.right - size.cx) / 2);
    if (align == 2) x = r.right - size.cx;
    const int y = r.top + (r.Height() - size.cy) / 2;
    DrawColoredText(dc, line, rect, CPoint(x, y), state, FALSE, 0, colorIndex);
}

void DrawButtonFace(CDC& dc, const RECT& rect, UINT itemState, BOOL pressed) {
    dc.RealizePalette();
    const CRect r(rect);
    if (Services::App().GetSpeedClass() == kSpeedClassLightRing) {
        if (pressed) {
            DrawRings(dc, r, COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT);
        } else {
            DrawRings(dc, r, COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW);
        }
    } else if (pressed) {
        DrawRings(dc, r, COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT);
    } else {
        DrawRings(dc, r, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
    }
    if (itemState & kButtonFaceFocusState) {
        CRect focus = r;
        focus.DeflateRect(4, 4);
        DrawDottedFrame(dc, focus);
    }
}

void FillHalftoneRect(CDC& dc, const RECT& rect, COLORREF colour) {
    dc.RealizePalette();
    CBrush brush;
    brush.CreatePatternBrush({0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, colour,
                             CSystemColors::Color(COLOR_BTNFACE));
    dc.FillRect(rect, &brush);
}
