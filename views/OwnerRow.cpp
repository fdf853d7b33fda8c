#include "views/OwnerRow.h"

#include <cstdio>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/Enterprise.h"
#include "model/PictureStrips.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/DC.h"
#include "platform/ui/ControlMessages.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"

namespace OwnerRow {

int StateOf(bool selected, bool available) {
    if (selected) return available ? kSelected : kSelectedUnavailable;
    return available ? kNormal : kUnavailable;
}

COLORREF Background(int state) {
    switch (state) {
        case kSelected:
            return GetSysColor(COLOR_ACTIVECAPTION);
        case kSelectedUnavailable:
            return GetSysColor(COLOR_INACTIVECAPTION);
        default:
            return GetSysColor(COLOR_BTNFACE);
    }
}

CSize LayoutSize() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    const CSize size = fonts ? fonts->GetLayoutSize() : CSize(0, 0);
    return size.cx > 0 && size.cy > 0 ? size : CSize(8, 16);
}

CSize CharSize() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    const CSize size = fonts ? fonts->GetCharSize() : CSize(0, 0);
    return size.cx > 0 && size.cy > 0 ? size : LayoutSize();
}

CSize MarkCell() {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    const CSize size = strips ? strips->GetIconCellSize() : CSize(0, 0);
    return size.cx > 0 && size.cy > 0 ? size : CSize(16, 16);
}

CVDoc* Document() {
    IBlockHost* host = IBlockHost::Get();
    return host ? host->GetActiveDocument() : nullptr;
}

void Fill(CDC& dc, const RECT& rect, int state) {
    dc.FillSolidRect(rect, Background(state));
}

void FocusFrame(CDC& dc, const RECT& rect) {
    CRect inner(rect);
    inner.DeflateRect(1, 1);
    if (!inner.IsRectEmpty()) dc.FrameRect(inner, CDC::GetHalftoneBrush());
}

void FocusFrameIf(CDC& dc, const RECT& rect, unsigned itemState) {
    if (itemState & ODS_FOCUS) FocusFrame(dc, rect);
}

void EraseClient(CDC& dc, const RECT& client) {
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
}

void DrawCompanyMark(CDC& dc, int x, int y, const CEnterprise* company) {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    if (strips && company) strips->DrawColorMark(dc, x, y, company->GetColor(), TRUE);
}

const CEnterprise* CompanyAt(int index) {
    CVDoc* doc = Document();
    if (!doc || index < 0 || index >= doc->GetCompanyCount()) return nullptr;
    return doc->GetEnterprise(index);
}

std::string Format(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string RateText(double rate) {
    char text[64];
    std::snprintf(text, sizeof text, "%lf", rate);
    return std::string(text).substr(0, 5);
}

std::string RecordText(int wins, int losses, int draws) {
    char text[64];
    std::snprintf(text, sizeof text, "Win:%2d Lose:%2d Draw:%2d ", wins, losses, draws);
    return text;
}

}  // namespace OwnerRow
