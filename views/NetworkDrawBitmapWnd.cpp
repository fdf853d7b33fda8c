#include "views/NetworkDrawBitmapWnd.h"

#include "model/PaletteScope.h"
#include "model/PictureStrips.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"

void CNetworkDrawBitmapWnd::SetPicture(int index) {
    m_index = index;
    if (IsWindow()) Invalidate(TRUE);
}

void CNetworkDrawBitmapWnd::OnPaint() {
    CPaintDC dc(this);
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    CBitmap* strip = strips ? strips->GetBitmap(CPictureCatalog::kPlayModes) : nullptr;
    if (!strip || m_index < 0 || m_index >= CPictureCatalog::kPlayModeCount) return;
    const CSize size = strips->GetCellSize(CPictureCatalog::kPlayModes);
    CRect client;
    GetClientRect(&client);
    CPaletteScope palette(dc, host->GetPalette());
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    CBitmap* previous = memory.SelectObject(strip);
    dc.BitBlt((client.Width() - size.cx) / 2, (client.Height() - size.cy) / 2, size.cx, size.cy,
              &memory, size.cx * m_index, 0, SRCCOPY);
    memory.SelectObject(previous);
}
