#include "platform/gfx/GdiObject.h"

#include "platform/gfx/Brush.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"

BOOL CGdiObject::DeleteObject() {
    if (!m_created) return FALSE;
    Release();
    m_created = false;
    return TRUE;
}

namespace {

CBrush* StockBrush(COLORREF color, bool null) {
    auto* brush = new CBrush;
    if (null) {
        brush->CreateNullBrush();
    } else {
        brush->CreateSolidBrush(color);
    }
    return brush;
}

CFont* StockFont(int height, int weight) {
    auto* font = new CFont;
    font->CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                     "MS Sans Serif");
    return font;
}

}  // namespace

// Stock objects live for the whole run (the pointers stay reachable).
CGdiObject* CGdiObject::GetStockObject(int id) {
    static CBrush* white = StockBrush(RGB(255, 255, 255), false);
    static CBrush* ltgray = StockBrush(RGB(192, 192, 192), false);
    static CBrush* gray = StockBrush(RGB(128, 128, 128), false);
    static CBrush* dkgray = StockBrush(RGB(64, 64, 64), false);
    static CBrush* black = StockBrush(RGB(0, 0, 0), false);
    static CBrush* null = StockBrush(0, true);
    static CPen* whitePen = new CPen(PS_SOLID, 1, RGB(255, 255, 255));
    static CPen* blackPen = new CPen(PS_SOLID, 1, RGB(0, 0, 0));
    static CPen* nullPen = new CPen(PS_NULL, 1, 0);
    switch (id) {
        case WHITE_BRUSH:
            return white;
        case LTGRAY_BRUSH:
            return ltgray;
        case GRAY_BRUSH:
            return gray;
        case DKGRAY_BRUSH:
            return dkgray;
        case BLACK_BRUSH:
            return black;
        case NULL_BRUSH:
            return null;
        case WHITE_PEN:
            return whitePen;
        case BLACK_PEN:
            return blackPen;
        case NULL_PEN:
            return nullPen;
        case SYSTEM_FONT:
        case ANSI_VAR_FONT:
        case DEFAULT_GUI_FONT: {
            static CFont* font = StockFont(-11, FW_NORMAL);
            return font;
        }
        default:
            return nullptr;
    }
}
