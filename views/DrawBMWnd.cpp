#include "views/DrawBMWnd.h"

#include "model/PaletteScope.h"
#include "model/PictureStrips.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"

void CDrawBMWnd::DrawPicture(CDC& dc, int clientWidth, int clientHeight) const {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    CBitmap* picture = strips ? strips->GetBitmap(CPictureCatalog::kReportPicture) : nullptr;
    if (m_kind != kKindReportPicture || !picture) return;
    const CSize size = picture->GetSize();
    CPaletteScope palette(dc, host->GetPalette());
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    CBitmap* previous = memory.SelectObject(picture);
    dc.BitBlt((clientWidth - size.cx) / 2, (clientHeight - size.cy) / 2, size.cx, size.cy, &memory,
              0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

void CDrawBMWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawPicture(dc, client.Width(), client.Height());
}
