#include "views/StructureListBox.h"

#include "game/VDoc.h"
#include "model/BD.h"
#include "model/DrawingHelpers.h"
#include "model/MapDoc.h"
#include "model/MapGeometry.h"
#include "platform/gfx/DC.h"
#include "platform/ui/Bitmap.h"
#include "views/OwnerRow.h"
#include "views/StructureListOwner.h"

namespace {
// Destination AND NOT source: clears the shape's pixels before the picture
// is ORed in.
constexpr DWORD kMaskOut = 0x00220326;
}  // namespace

CStructureListBox::CStructureListBox() : m_document(OwnerRow::Document()) {}

void CStructureListBox::Fill() {
    if (!m_owner) return;
    const UINT height = static_cast<UINT>(2 * OwnerRow::LayoutSize().cy);
    for (int entry = 0; entry < m_owner->GetStructureEntryCount(); ++entry)
        SetItemHeight(AddString(""), height);
}

int CStructureListBox::StateOfRow(int row, bool selected) const {
    return OwnerRow::StateOf(selected, m_owner && m_owner->GetStructureEntryAvailable(row) != 0);
}

const CBD* CStructureListBox::TypeOfRow(int row) const {
    if (!m_owner || !m_document || row < 0 || row >= m_owner->GetStructureEntryCount()) return nullptr;
    // The map's table decides which numbers exist.
    return m_document->GetMap().GetStructureType(m_owner->GetStructureEntryType(row));
}

CSize CStructureListBox::FitPicture(int pw, int ph, int bw, int bh) {
    if (pw <= 0 || ph <= 0 || bw <= 0 || bh <= 0) return CSize(0, 0);
    CSize size;
    // ph / pw >= bh / bw without dividing: the picture is the taller shape.
    if (int64_t{ph} * bw >= int64_t{bh} * pw)
        size = CSize(static_cast<int>(int64_t{bh} * pw / ph), bh);
    else
        size = CSize(bw, static_cast<int>(int64_t{bw} * ph / pw));
    if (pw < size.cx && ph < size.cy) size = CSize(pw, ph);
    return size;
}

void CStructureListBox::DrawPicture(CDC& dc, const CBD& type, const CRect& box) const {
    if (!m_document) return;
    const int picture = CMapGeometry::PictureIndexOf(type, m_document->GetViewPictureIndex());
    if (picture < 0) return;
    const CPictureStripBitmap* strip = m_document->GetMap().GetPictureStrip(type.GetStripNumber());
    const int imageX = type.GetPictureOffset(0, picture);
    const int maskX = type.GetPictureOffset(1, picture);
    const CBD::SViewPoint& extent = type.GetViewExtent(picture);
    const CSize size = FitPicture(extent.x, extent.y, box.Width(), box.Height());
    if (!strip || imageX < 0 || maskX < 0 || size.cx <= 0 || size.cy <= 0) return;
    CDC page, work;
    CBitmap workBitmap;
    if (!page.CreateCompatibleDC(&dc) || !work.CreateCompatibleDC(&dc) ||
        !workBitmap.CreateCompatibleBitmap(&dc, box.Width(), box.Height()))
        return;
    CBitmap* previousPage = page.SelectObject(const_cast<CBitmap*>(&strip->GetBitmap()));
    CBitmap* previousWork = work.SelectObject(&workBitmap);
    work.BitBlt(0, 0, box.Width(), box.Height(), &dc, box.left, box.top, SRCCOPY);
    work.SetStretchBltMode(COLORONCOLOR);
    const int x = (box.Width() - size.cx) / 2;
    const int y = (box.Height() - size.cy) / 2;
    work.StretchBlt(x, y, size.cx, size.cy, &page, maskX, 0, extent.x, extent.y, kMaskOut);
    work.StretchBlt(x, y, size.cx, size.cy, &page, imageX, 0, extent.x, extent.y, SRCPAINT);
    dc.BitBlt(box.left, box.top, box.Width(), box.Height(), &work, 0, 0, SRCCOPY);
    work.SelectObject(previousWork);
    page.SelectObject(previousPage);
}

bool CStructureListBox::HasRow(int row) const {
    return TypeOfRow(row) != nullptr;
}

void CStructureListBox::DrawRow(CDC& dc, int row, const CRect& rect, int state) const {
    const CBD* type = TypeOfRow(row);
    const int cw = OwnerRow::LayoutSize().cx;
    const int l = rect.left;
    auto text = [&](const std::string& s, int from, int to) {
        DrawColoredText(dc, s, CRect(from, rect.top, to, rect.bottom), CPoint(from, rect.top), state, FALSE, 0,
                        -1);
    };
    text(OwnerRow::Format("%3d", row + 1), l, l + 3 * cw);
    DrawPicture(dc, *type, CRect(l + 3 * cw, rect.top, l + 8 * cw, rect.bottom));
    text(type->GetName(), l + 8 * cw, l + 35 * cw);
    text(OwnerRow::Format("%4d", type->GetBasePrice()), l + 35 * cw, l + 40 * cw);
    text(OwnerRow::Format("%5d", type->GetValueFigure()), l + 40 * cw, rect.right);
}
