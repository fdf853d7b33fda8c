#include "views/DrawEPWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PaletteScope.h"
#include "model/PictureStrips.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"

void CDrawEPWnd::SetText(const std::string& text) {
    if (text == m_text) return;
    m_text = text;
    if (IsWindow()) Invalidate(TRUE);
}

void CDrawEPWnd::ClearText() {
    if (m_text.empty()) return;
    m_text.clear();
    if (IsWindow()) Invalidate(TRUE);
}

void CDrawEPWnd::DrawContent(CDC& dc, int clientWidth, int clientHeight) const {
    IBlockHost* host = IBlockHost::Get();
    CVDoc* doc = SourceDocument();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    const CEnterprise* company = doc ? doc->GetEnterprise(m_company) : nullptr;
    if (!company || !fonts || !strips) return;
    CPaletteScope palette(dc, host->GetPalette());
    CFont* previous = dc.SelectObject(fonts->GetMessageFont());
    const CSize layout = fonts->GetLayoutSize();
    const CSize captionLine = fonts->GetCaptionLineSize();
    const CSize mark = strips->GetIconCellSize();
    const bool companyMode = m_textOnly == 0;
    CSize content;
    if (companyMode) {
        content.cx = dc.GetTextExtent(company->GetName()).cx;
        if (m_secondLine)
            content.cx = std::max(content.cx, dc.GetTextExtent(company->GetPresidentName()).cx);
        const int row = std::max(layout.cy, mark.cy);
        content.cy = (row - layout.cy) / 2 + (m_secondLine ? 2 : 1) * layout.cy +
                     (m_text.empty() ? 0 : captionLine.cy);
    } else {
        dc.SelectObject(fonts->GetMessageFont2());
        content = dc.GetTextExtent(m_text);
    }
    const int left = m_centred ? (clientWidth - content.cx) / 2 : layout.cx;
    const int top = m_centred ? (clientHeight - content.cy) / 2 : 0;
    // The title keeps to its own rows, so that the caption below it (and a
    // window taller than its content) cannot draw one over the other.
    if (companyMode)
        strips->DrawCompanyTitle(dc, left, top, clientWidth - left,
                                 content.cy - (m_text.empty() ? 0 : captionLine.cy), *company,
                                 m_secondLine);
    if (!m_text.empty()) {
        if (companyMode) dc.SelectObject(fonts->GetUIFont());
        dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
        dc.SetBkMode(TRANSPARENT);
        const int captionTop = top + content.cy - (companyMode ? captionLine.cy : 0);
        const CRect caption(left + (companyMode ? mark.cx : 0) + layout.cx, captionTop,
                            clientWidth,
                            captionTop + (companyMode ? captionLine.cy : fonts->GetCharSize().cy));
        if (!caption.IsRectEmpty())
            DrawColoredText(dc, m_text, caption, caption.TopLeft(), 0, FALSE, 0, -1);
    }
    dc.SelectObject(previous);
}

void CDrawEPWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    m_clientSize = CPoint(cx, cy);
}

void CDrawEPWnd::OnPaint() {
    CPaintDC dc(this);
    DrawContent(dc, m_clientSize.x, m_clientSize.y);
}
