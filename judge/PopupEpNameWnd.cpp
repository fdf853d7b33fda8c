#include "judge/PopupEpNameWnd.h"

#include "judge/ArboApp.h"
#include "model/DrawingHelpers.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

void CPopupEpNameWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CArboApp* app = CArboApp::Get();
    CPalette* palette = app ? app->GetPalette() : nullptr;
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    CFont* font = app ? app->GetFont(1) : nullptr;
    CFont* oldFont = font ? dc.SelectObject(font) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    DrawTextInRect(dc, m_text.c_str(), client, 1, FALSE, 0, -1);
    if (oldFont) dc.SelectObject(oldFont);
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
}

void CPopupEpNameWnd::OnMouseMove(UINT flags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        ShowWindow(SW_HIDE);
        ReleaseCapture();
    }
    CWnd::OnMouseMove(flags, point);
}

}  // namespace judge
