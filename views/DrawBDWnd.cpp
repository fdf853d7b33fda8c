#include "views/DrawBDWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/BD.h"
#include "model/MapDoc.h"
#include "model/MapGeometry.h"
#include "model/PaletteScope.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"

namespace {
// Destination AND NOT source: clears where the mask is white.
constexpr DWORD kMaskOut = 0x00220326;
}  // namespace

BOOL CDrawBDWnd::SetPictureSet(int flag) {
    if (flag == m_landTypes) return FALSE;
    m_landTypes = flag;
    return TRUE;
}

BOOL CDrawBDWnd::SetBuilding(int building) {
    if (building == m_building) return FALSE;
    m_building = building;
    ShowPicture(building >= 0);
    return TRUE;
}

const CBD* CDrawBDWnd::GetShownType() const {
    CVDoc* doc = SourceDocument();
    if (!doc || m_building < 0) return nullptr;
    // The number may come from a peer's order: the table's bounds decide.
    const CMapDoc& map = doc->GetMap();
    return m_landTypes ? map.GetLandTypeEntry(m_building) : map.GetStructureType(m_building);
}

void CDrawBDWnd::DrawPicture(CDC& dc, int clientWidth, int clientHeight) const {
    const CBD* type = GetShownType();
    if (!type) return;
    CVDoc* doc = SourceDocument();
    const int picture = CMapGeometry::PictureIndexOf(*type, doc->GetViewPictureIndex());
    if (picture < 0) return;
    const CPictureStripBitmap* strip = doc->GetMap().GetPictureStrip(type->GetStripNumber());
    const int imageX = type->GetPictureOffset(0, picture);
    const int maskX = type->GetPictureOffset(1, picture);
    const CBD::SViewPoint& size = type->GetViewExtent(picture);
    if (!strip || imageX < 0 || maskX < 0 || size.x <= 0 || size.y <= 0) return;
    const int left = (clientWidth - std::min(clientWidth, size.x)) / 2;
    const int top = (clientHeight - std::min(clientHeight, size.y)) / 2;
    CDC page, work;
    CBitmap workBitmap;
    if (!page.CreateCompatibleDC(&dc) || !work.CreateCompatibleDC(&dc) ||
        !workBitmap.CreateCompatibleBitmap(&dc, size.x, size.y))
        return;
    CBitmap* previousPage = page.SelectObject(const_cast<CBitmap*>(&strip->GetBitmap()));
    CBitmap* previousWork = work.SelectObject(&workBitmap);
    work.BitBlt(0, 0, size.x, size.y, &page, imageX, 0, SRCCOPY);
    work.BitBlt(0, 0, size.x, size.y, &page, maskX, 0, SRCAND);
    dc.BitBlt(left, top, size.x, size.y, &page, maskX, 0, kMaskOut);
    dc.BitBlt(left, top, size.x, size.y, &work, 0, 0, SRCPAINT);
    work.SelectObject(previousWork);
    page.SelectObject(previousPage);
}

void CDrawBDWnd::OnPaint() {
    CPaintDC dc(this);
    if (m_building == -1) return;
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CRect client;
    GetClientRect(&client);
    DrawPicture(dc, client.Width(), client.Height());
}
