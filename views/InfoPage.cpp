#include "views/InfoPage.h"

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Palette.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/InfoDrawFrameWnd.h"
#include "views/OwnerRow.h"

namespace InfoPage {

int ShownCompanyIndex(const CWnd& page) {
    const auto* frame = dynamic_cast<const CInfoDrawFrameWnd*>(page.GetParent());
    return frame ? frame->GetShownCompany() : -1;
}

CVDoc* Document() {
    IBlockHost* host = IBlockHost::Get();
    return host ? host->GetActiveDocument() : nullptr;
}

const CEnterprise* ShownCompany(const CWnd& page) {
    const int index = ShownCompanyIndex(page);
    CVDoc* doc = Document();
    return index >= 0 && doc ? doc->GetEnterprise(index) : nullptr;
}

CSize LayoutCell() {
    return OwnerRow::LayoutSize();
}

void PrepareContext(CDC& dc, int width, int height) {
    IBlockHost* host = IBlockHost::Get();
    if (host && host->GetPalette()) {
        dc.SelectPalette(host->GetPalette(), FALSE);
        dc.RealizePalette();
    }
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    if (fonts) dc.SelectObject(fonts->GetMessageFont());
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    dc.SetBkMode(TRANSPARENT);
}

void PaintOffScreen(CDC& dc, int width, int height, const std::function<void(CDC&)>& draw) {
    if (width <= 0 || height <= 0) return;
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, width, height))
        return;
    CBitmap* previous = memory.SelectObject(&bitmap);
    PrepareContext(memory, width, height);
    draw(memory);
    dc.BitBlt(0, 0, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

}  // namespace InfoPage
