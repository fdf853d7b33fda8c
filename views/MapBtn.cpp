#include "views/MapBtn.h"

#include <algorithm>
#include <string>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/ColorTable.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/DC.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SystemMetrics.h"
#include "views/AreaFigures.h"
#include "views/BlockHost.h"
#include "views/MapBtnFrame.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"
#include "views/ViewHost.h"

namespace {

// The kinds of a company's investment in an area.
constexpr int kCityProject = 0;
constexpr int kDisasterPrevention = 1;
constexpr int kExpoPromotion = 2;

COLORREF CompanyColour(const CEnterprise& company) {
    return static_cast<COLORREF>(GetColorTableEntry(company.GetColor()));
}

CFont* UIFont() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    return fonts ? fonts->GetUIFont() : nullptr;
}

// Text at the top left of a clip rectangle.
void TextIn(CDC& dc, const std::string& text, const CRect& clip, int style) {
    if (clip.right <= clip.left) return;
    DrawColoredText(dc, text, clip, clip.TopLeft(), style, FALSE, 0, -1);
}

}  // namespace

// What every part of a button's painting shares.
struct CMapBtn::SPaint {
    CDC& dc;
    CVDoc& doc;
    CRect rc;
    CSize cell;
    int mode = 0;
    int style = 0;
    int p = 0;
    // The right edge the second line's figures keep to.
    int limit = 0;
    CMapData* area = nullptr;
    CPersonData* governor = nullptr;
};

// ---------------------------------------------------------------- values

void CMapBtn::ComputeValues(int mode, CVDoc* doc) {
    if (!doc || m_area < 0 || m_area >= doc->GetMap().GetAreaCount()) return;
    const int companies = doc->GetCompanyCount();
    m_values.assign(static_cast<size_t>(std::max(companies, 0)), 0);
    m_scaleFloor = kScaleFloor;
    m_total = 0;
    const CPersonData* governor = doc->GetAreaGovernor(m_area);
    if (mode == 3 && governor) m_total = governor->GetAmount();
    if (mode == 5) m_total = doc->GetArea(m_area)->GetProjectFund();
    if (mode < 2) return;
    for (int c = 0; c < companies; ++c) {
        const CEnterprise* company = doc->GetEnterprise(c);
        int value = 0;
        if (mode == 2) {
            value = governor ? governor->GetRelationLevel(c) : 0;
        } else if (company) {
            const int kind = mode == 3 ? kCityProject
                             : mode == 4 ? kDisasterPrevention
                                         : kExpoPromotion;
            value = company->GetAreaRating(kind, m_area);
        }
        m_values[static_cast<size_t>(c)] = value;
        m_total += value;
    }
}

// ---------------------------------------------------------------- painting

void CMapBtn::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis || !dis->hDC || m_area < 0) return;
    CVDoc* doc = OwnerRow::Document();
    if (!doc || m_area >= doc->GetMap().GetAreaCount()) return;
    CDC& dc = *dis->hDC;
    CRowPaintScope scope(dc);
    const IViewHost* view = m_frame.GetViewHost();
    const bool sel = view && view->GetShownArea() == m_area;
    SPaint paint{dc, *doc, CRect(dis->rcItem), OwnerRow::LayoutSize()};
    paint.mode = m_frame.GetMode();
    paint.style = sel ? 1 : 0;
    paint.p = sel || (dis->itemState & ODS_SELECTED) ? 1 : 0;
    paint.limit = paint.rc.right - paint.cell.cx + paint.p;
    paint.area = doc->GetArea(m_area);
    paint.governor = doc->GetAreaGovernor(m_area);
    dc.SetBkColor(GetSysColor(sel ? COLOR_ACTIVECAPTION : COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(sel ? COLOR_CAPTIONTEXT : COLOR_BTNTEXT));
    dc.ExtTextOut(paint.rc.left, paint.rc.top, ETO_OPAQUE, &paint.rc, std::string());
    DrawFirstLine(paint);
    DrawSecondLine(paint);
    DrawButtonFace(dc, paint.rc, dis->itemState, paint.p);
}

void CMapBtn::DrawFirstLine(SPaint& paint) const {
    const CSize cell = paint.cell;
    const CRect& rc = paint.rc;
    const int top = rc.top + cell.cy / 2 + paint.p;
    const int left = rc.left + cell.cx + paint.p;
    const std::string name = FormatText("%2d:%s", m_area + 1, paint.doc.GetAreaName(m_area).c_str());
    if (paint.mode != 2) {
        TextIn(paint.dc, name, CRect(left, top, paint.limit, top + cell.cy), paint.style);
        return;
    }
    const int right = rc.right - cell.cx - paint.p;
    const int nameRight = std::min(left + 20 * cell.cx, right);
    TextIn(paint.dc, name, CRect(left, top, nameRight, top + cell.cy), paint.style);
    const std::string term = AreaFigures::GovernorLine(paint.governor, paint.doc.GetMonthIndex());
    TextIn(paint.dc, term, CRect(nameRight, top, right, top + cell.cy), paint.style);
}

void CMapBtn::DrawSecondLine(SPaint& paint) const {
    const CSize cell = paint.cell;
    const int top = paint.rc.top + 3 * cell.cy / 2 + paint.p;
    const int bottom = paint.rc.top + 5 * cell.cy / 2 + paint.p;
    const int x0 = paint.rc.left + 5 * cell.cx / 2 + paint.p;
    const int limit = paint.limit;
    const CMapData& area = *paint.area;
    switch (paint.mode) {
        case 0: {
            const int right = std::min(x0 + 12 * cell.cx, limit);
            TextIn(paint.dc, OwnerRow::Format("Price:%4d", area.GetLevel()),
                   CRect(x0, top, right, bottom), paint.style);
            DrawMarks(paint, right);
            break;
        }
        case 1:
            TextIn(paint.dc, AreaFigures::PopulationText(area.GetPopulation(), area.GetTrend()),
                   CRect(x0, top, limit, bottom), paint.style);
            break;
        case 2: {
            const int strength = paint.doc.GetMap().GetGovernorStrength(m_area) / 10;
            const int right = std::min(x0 + 25 * cell.cx, limit);
            TextIn(paint.dc, OwnerRow::Format(" Campaign Strength:%3d", strength),
                   CRect(x0, top, right, bottom), paint.style);
            const int relationRight = std::min(right + 9 * cell.cx, limit);
            TextIn(paint.dc, "Relation", CRect(right, top, relationRight, bottom), paint.style);
            DrawGauges(paint, relationRight);
            break;
        }
        case 3:
            DrawShareBar(paint, CRect(x0, top, limit, bottom));
            break;
        case 4: {
            const int right = std::min(x0 + 9 * cell.cx, limit);
            TextIn(paint.dc, OwnerRow::Format("Fire:%4d", area.GetFire()),
                   CRect(x0, top, right, bottom), paint.style);
            DrawShareBar(paint, CRect(right, top, limit, bottom));
            break;
        }
        default:
            if (!area.HasProject()) {
                DrawShareBar(paint, CRect(x0, top, limit, bottom));
                break;
            }
            TextIn(paint.dc,
                   AreaFigures::ExpoText(area.GetProjectStart(), paint.doc.GetMonthIndex(),
                                         area.GetProjectCompletion()),
                   CRect(x0, top, paint.rc.right, bottom), paint.style);
            break;
    }
}

void CMapBtn::DrawMarks(SPaint& paint, int textRight) const {
    const int companies = paint.doc.GetCompanyCount();
    std::vector<int> levels(static_cast<size_t>(std::max(companies, 0)), 0);
    for (int c = 0; c < companies; ++c)
        if (const CEnterprise* company = paint.doc.GetEnterprise(c))
            levels[static_cast<size_t>(c)] = company->GetAreaLevel(m_area);
    const CSize cell = paint.cell;
    const int top = paint.rc.top + 3 * cell.cy / 2 + paint.p;
    const int bottom = paint.rc.top + 5 * cell.cy / 2 + paint.p;
    for (const AreaFigures::SMark& mark :
         AreaFigures::MarkRects(levels, textRight, paint.rc.right, paint.rc.right - cell.cx,
                                paint.limit, top, bottom)) {
        CRect r = mark.rect;
        paint.dc.FillSolidRect(r, GetSysColor(COLOR_BTNHIGHLIGHT));
        r.right -= 1;
        r.bottom -= 1;
        paint.dc.FillSolidRect(r, GetSysColor(COLOR_BTNSHADOW));
        r.left += 1;
        r.top += 1;
        if (r.right > r.left && r.bottom > r.top)
            paint.dc.FillSolidRect(r, CompanyColour(*paint.doc.GetEnterprise(mark.company)));
    }
}

void CMapBtn::DrawGauges(SPaint& paint, int left) const {
    const CSize cell = paint.cell;
    const int top = paint.rc.top + 3 * cell.cy / 2 + paint.p;
    const int bottom = paint.rc.top + 5 * cell.cy / 2 + paint.p;
    const int companies = static_cast<int>(m_values.size());
    if (companies != paint.doc.GetCompanyCount()) return;
    CDC& dc = paint.dc;
    CFont* previous = dc.SelectObject(UIFont());
    const std::vector<CRect> slots = AreaFigures::GaugeSlots(companies, left, paint.limit, top, bottom);
    for (size_t c = 0; c < slots.size(); ++c) {
        const CEnterprise* company = paint.doc.GetEnterprise(static_cast<int>(c));
        Draw3DFrame(dc, slots[c], TRUE);
        CRect inner = slots[c];
        inner.DeflateRect(1, 1);
        if (inner.IsRectEmpty() || !company) continue;
        const int v = std::clamp(m_values[c], 0, 100);
        const int split = inner.left + inner.Width() * v / 100;
        dc.FillSolidRect(CRect(inner.left, inner.top, split, inner.bottom), CompanyColour(*company));
        dc.FillSolidRect(CRect(split, inner.top, inner.right, inner.bottom),
                         GetSysColor(COLOR_BTNFACE));
        const std::string number = OwnerRow::Format("%d", m_values[c]);
        if (dc.GetTextExtent(number).cx > inner.Width()) continue;
        const COLORREF oldColour = dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        const CSize extent = dc.GetTextExtent(number);
        dc.ExtTextOut(inner.right - extent.cx, inner.top, ETO_CLIPPED, &inner, number);
        dc.SetTextColor(oldColour);
    }
    dc.SelectObject(previous);
}

void CMapBtn::DrawShareBar(SPaint& paint, CRect rect) const {
    if (rect.right <= rect.left) return;
    CDC& dc = paint.dc;
    CVDoc& doc = paint.doc;
    const int cw = paint.cell.cx;
    const CPersonData* governor = paint.governor;
    int own = 0;
    int labelWidth = 5 * cw;
    std::string label;
    if (paint.mode == 3) {
        own = governor ? governor->GetAmount() : 0;
        label = OwnerRow::Format("%d", doc.SumAreaRatings(kCityProject, m_area, FALSE) + own);
    } else if (paint.mode == 4) {
        labelWidth = 12 * cw;
        label = OwnerRow::Format("Safety:%4d", doc.SumAreaRatings(kDisasterPrevention, m_area, FALSE));
    } else {
        own = paint.area->GetProjectFund();
        label = OwnerRow::Format("%d", doc.SumAreaRatings(kExpoPromotion, m_area, FALSE) + own);
    }
    DrawTextInRect(dc, label.c_str(), CRect(rect.left, rect.top, rect.left + labelWidth, rect.bottom),
                   2, FALSE, paint.style, -1);
    rect.left += labelWidth + cw;
    const int companies = doc.GetCompanyCount();
    if (rect.right <= rect.left || static_cast<int>(m_values.size()) != companies) return;
    CFont* previous = dc.SelectObject(UIFont());
    std::vector<AreaFigures::SShare> shares;
    if (paint.mode != 4) shares.push_back({own, RGB(255, 255, 255)});
    for (int c = 0; c < companies; ++c) {
        const CEnterprise* company = doc.GetEnterprise(c);
        shares.push_back({m_values[static_cast<size_t>(c)], company ? CompanyColour(*company) : 0});
    }
    for (const AreaFigures::SSegment& segment :
         AreaFigures::ShareSegments(shares, m_total, m_scaleFloor, rect.left, rect.Width())) {
        const CRect box(segment.left, rect.top, segment.right, rect.bottom);
        dc.FillSolidRect(box, segment.colour);
        const std::string value = OwnerRow::Format("%d", segment.value);
        if (dc.GetTextExtent(value).cx < box.Width())
            DrawTextInRect(dc, value.c_str(), box, 2, FALSE, 0, -1);
    }
    dc.SelectObject(previous);
    CRect frame = rect;
    frame.InflateRect(1, 1);
    Draw3DFrame(dc, frame, TRUE);
}

// ---------------------------------------------------------------- input

BOOL CMapBtn::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return CButton::OnChildNotify(message, wParam, lParam, result);
    if (m_area >= 0) m_frame.SelectArea(m_area, TRUE);
    if (result) *result = 0;
    return TRUE;
}

void CMapBtn::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == static_cast<UINT>(VK_TAB)) {
        if (GetKeyState(VK_SHIFT) < 0) {
            m_frame.FocusTabs();
        } else {
            m_frame.FocusCompanySelector();
        }
    } else if (key == static_cast<UINT>(VK_UP)) {
        m_frame.FocusArea(m_frame.GetFocusedIndex(TRUE) - 1);
    } else if (key == static_cast<UINT>(VK_DOWN)) {
        m_frame.FocusArea(m_frame.GetFocusedIndex(TRUE) + 1);
    }
    CButton::OnKeyDown(key, repeat, flags);
}
