#pragma once
// The pens and brushes of the company colours that the application owns
// for every window: a solid pen in the grey-text colour, and for each of
// the 32 colours of the colour table a solid pen and a dotted pen of width 1
// and a solid brush.

#include "model/ColorMarkStrip.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Pen.h"

class CCompanyPens {
public:
    // False when any of them cannot be made (none is kept then).
    bool Create();
    // In the reverse order of their creation.
    void Release();

    CPen* GetGrayTextPen() { return &m_grayText; }
    // nullptr for a colour outside 0..31.
    CPen* GetSolidPen(int colour);
    CPen* GetDotPen(int colour);
    CBrush* GetBrush(int colour);

private:
    static bool IsColour(int colour) { return colour >= 0 && colour < kCompanyColorCount; }

    CPen m_grayText;
    CPen m_solid[kCompanyColorCount];
    CPen m_dot[kCompanyColorCount];
    CBrush m_brush[kCompanyColorCount];
};
