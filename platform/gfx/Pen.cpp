#include "platform/gfx/Pen.h"

#include <algorithm>

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (m_created) return FALSE;
    if (style != PS_SOLID && style != PS_DASH && style != PS_DOT && style != PS_NULL)
        style = PS_SOLID;
    m_style = style;
    m_width = std::max(1, width);
    m_color = color;
    m_created = true;
    return TRUE;
}
