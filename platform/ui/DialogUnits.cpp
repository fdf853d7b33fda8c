#include "platform/ui/DialogUnits.h"

#include <algorithm>

#include "platform/ui/DC.h"
#include "platform/ui/Font.h"

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    const long long q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
    return static_cast<int>(q);
}

}  // namespace

CDialogUnits::CDialogUnits(int baseX, int baseY)
    : m_baseX(std::max(1, baseX)), m_baseY(std::max(1, baseY)) {}

CDialogUnits CDialogUnits::ForFont(CFont* font) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* old =
        font ? dc.SelectObject(font) : static_cast<CFont*>(dc.SelectStockObject(DEFAULT_GUI_FONT));
    const CSize letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    if (old) dc.SelectObject(old);
    return CDialogUnits((letters.cx / 26 + 1) / 2, tm.tmHeight);
}

int CDialogUnits::ToPixelsX(int units) const {
    return MulDiv(units, m_baseX, 4);
}

int CDialogUnits::ToPixelsY(int units) const {
    return MulDiv(units, m_baseY, 8);
}

CRect CDialogUnits::Map(int x, int y, int cx, int cy) const {
    const int left = ToPixelsX(x), top = ToPixelsY(y);
    return CRect(left, top, left + ToPixelsX(cx), top + ToPixelsY(cy));
}

void CDialogUnits::MapRect(RECT* rect) const {
    if (!rect) return;
    rect->left = ToPixelsX(rect->left);
    rect->right = ToPixelsX(rect->right);
    rect->top = ToPixelsY(rect->top);
    rect->bottom = ToPixelsY(rect->bottom);
}
