#include "views/MonthWnd.h"

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/DrawingHelpers.h"
#include "model/PaletteScope.h"
#include "model/PictureCatalog.h"
#include "model/PictureStrips.h"
#include "platform/ui/PaintDC.h"
#include "views/AreaFigures.h"
#include "views/BlockHost.h"

void CMonthWnd::DrawContent(CDC& dc) {
    IBlockHost* host = IBlockHost::Get();
    CVDoc* doc = host ? host->GetActiveDocument() : nullptr;
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    if (!doc || !fonts) return;
    CPaletteScope palette(dc, host->GetPalette());
    const int mode = dc.SetBkMode(TRANSPARENT);
    CFont* previous = dc.SelectObject(fonts->GetMessageFont2());
    const CSize ch = fonts->GetCharSize();
    CPictureStrips* strips = host->GetMarkStrips();
    // The year line sits one small-mark strip below the game length.
    const int stripH = strips ? strips->GetCellSize(CPictureCatalog::kSmallMarks).cy : ch.cy;
    const struct {
        std::string text;
        CRect rect;
    } lines[] = {
        {AreaFigures::GameLengthText(doc->GetGameYears()), CRect(0, 0, 14 * ch.cx, ch.cy)},
        {AreaFigures::YearText(doc->GetYear()), CRect(0, stripH, 9 * ch.cx, stripH + ch.cy)},
        {AreaFigures::MonthText(doc->GetMonth()),
         CRect(11 * ch.cx, stripH, 22 * ch.cx, stripH + ch.cy)},
    };
    for (const auto& line : lines)
        DrawColoredText(dc, line.text, line.rect, line.rect.TopLeft(), 0, FALSE, 0, -1);
    dc.SelectObject(previous);
    dc.SetBkMode(mode);
}

void CMonthWnd::OnPaint() {
    CPaintDC dc(this);
    DrawContent(dc);
}
