#include "dialogs/StartSelectBtn.h"

#include "model/PaletteScope.h"
#include "model/PictureCatalog.h"
#include "model/PictureStrips.h"
#include "platform/ui/DC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"

void CStartSelectBtn::SetPicture(int picture) {
    m_picture = picture;
    m_width = 0;
    m_height = 0;
    if (CBitmap* bitmap = PictureBitmap()) {
        const CSize size = bitmap->GetSize();
        m_width = size.cx;
        m_height = size.cy / 2;
    }
}

CBitmap* CStartSelectBtn::PictureBitmap() const {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    if (!strips) return nullptr;
    return strips->GetBitmap(m_picture == kNewGamePicture ? CPictureCatalog::kStartNewGame
                                                          : CPictureCatalog::kStartLoad);
}

BOOL CStartSelectBtn::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CStartSelectBtn::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis || !dis->hDC) return;
    CDC& dc = *dis->hDC;
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CRect rect(dis->rcItem);
    const bool pressed = (dis->itemState & ODS_SELECTED) != 0;
    dc.FillSolidRect(rect, GetSysColor(COLOR_3DFACE));
    CBitmap* bitmap = PictureBitmap();
    CDC memory;
    if (bitmap && m_height > 0 && memory.CreateCompatibleDC(&dc)) {
        const int shift = pressed ? 1 : 0;
        const int x = rect.left + (rect.Width() - m_width) / 2 + shift;
        const int y = rect.top + (rect.Height() - m_height) / 2 + shift;
        CBitmap* previous = memory.SelectObject(bitmap);
        dc.BitBlt(x, y, m_width, m_height, &memory, 0, m_height, SRCAND);
        dc.BitBlt(x, y, m_width, m_height, &memory, 0, 0, SRCPAINT);
        memory.SelectObject(previous);
    }
    if (dis->itemState & ODS_FOCUS) {
        CRect focus = rect;
        focus.DeflateRect(5, 5);
        dc.FrameRect(focus, CDC::GetHalftoneBrush());
    }
    dc.DrawEdge(&rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}
