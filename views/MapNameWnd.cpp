#include "views/MapNameWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/DrawingHelpers.h"
#include "model/MapDoc.h"
#include "model/PaletteScope.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/MapDrawWnd.h"

namespace {

// Room around the name besides the window's edges.
constexpr int kNamePadding = 10;

}  // namespace

CFont* CMapNameWnd::NameFont() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    return fonts ? fonts->GetMessageFont2() : nullptr;
}

void CMapNameWnd::FitToNames() {
    CMapDrawWnd* map = GetMapWnd();
    const CMapDoc* doc = map ? map->GetMapDoc() : nullptr;
    if (!doc || !IsWindow()) return;
    CClientDC dc(this);
    CFont* font = NameFont();
    CFont* previous = font ? dc.SelectObject(font) : nullptr;
    int width = 0, height = 0;
    for (int a = 0; a < doc->GetAreaCount(); ++a) {
        const CSize size = dc.GetTextExtent(doc->GetAreaName(a));
        width = std::max(width, static_cast<int>(size.cx));
        height = std::max(height, static_cast<int>(size.cy));
    }
    if (previous) dc.SelectObject(previous);
    width += 2 * GetSystemMetrics(SM_CXEDGE) + kNamePadding;
    height += 2 * GetSystemMetrics(SM_CYEDGE) + kNamePadding;
    CRect client;
    map->GetClientRect(&client);
    width = std::min(width, static_cast<int>(client.Width()));
    height = std::min(height, static_cast<int>(client.Height()));
    const int top = std::max(static_cast<int>(client.Height()) - height, 0);
    SetWindowPos(nullptr, 0, top, width, height, SWP_NOZORDER);
    SetDefaultSize(width, height);
}

void CMapNameWnd::OnPaint() {
    CPaintDC dc(this);
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CMapDrawWnd* map = GetMapWnd();
    const CMapDoc* doc = map ? map->GetMapDoc() : nullptr;
    const int area = map ? map->GetCurrentArea() : -1;
    if (!doc || area < 0 || area >= doc->GetAreaCount()) return;
    CFont* font = NameFont();
    CFont* previous = font ? dc.SelectObject(font) : nullptr;
    const std::string& name = doc->GetAreaName(area);
    CRect client;
    GetClientRect(&client);
    const CSize size = dc.GetTextExtent(name);
    const int w = std::min(static_cast<int>(size.cx), static_cast<int>(client.Width()));
    const int h = std::min(static_cast<int>(size.cy), static_cast<int>(client.Height()));
    const CRect text(CPoint((client.Width() - w) / 2, (client.Height() - h) / 2), CSize(w, h));
    dc.SetBkMode(TRANSPARENT);
    DrawColoredText(dc, name, text, text.TopLeft(), 0, FALSE, 0, -1);
    if (previous) dc.SelectObject(previous);
}

void CMapNameWnd::OnLButtonDown(UINT flags, CPoint point) {
    BeginDrag(point);
    CWnd::OnLButtonDown(flags, point);
}

void CMapNameWnd::OnMouseMove(UINT flags, CPoint point) {
    if (!HasCapture()) return;
    DragTo(point);
    CWnd::OnMouseMove(flags, point);
}

void CMapNameWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (!HasCapture()) return;
    ReleaseCapture();
    CWnd::OnLButtonUp(flags, point);
}
