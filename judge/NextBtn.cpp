#include "judge/NextBtn.h"

#include "judge/ArboApp.h"
#include "model/DrawingHelpers.h"
#include "platform/gfx/DC.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

void CNextBtn::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis || !dis->hDC) return;
    CDC& dc = *dis->hDC;
    CArboApp* app = CArboApp::Get();
    CPalette* palette = app ? app->GetPalette() : nullptr;
    CPalette* old = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    const CRect rect(dis->rcItem);
    dc.FillSolidRect(rect, GetSysColor(m_colorIndex));
    dc.SetBkMode(TRANSPARENT);
    const std::string text = GetWindowText();
    // On the caption colour the text takes the caption's text colour, so
    // that it stays readable while the prompt blinks.
    const int state = m_colorIndex == COLOR_ACTIVECAPTION ? 1 : 0;
    DrawTextInRect(dc, text.c_str(), rect, 1, FALSE, state, -1);
    DrawButtonFace(dc, rect, dis->itemState, (dis->itemState & ODS_SELECTED) != 0);
    if (old) dc.SelectPalette(old, FALSE);
}

}  // namespace judge
