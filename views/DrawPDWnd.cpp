#include "views/DrawPDWnd.h"

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/PaletteScope.h"
#include "model/PersonData.h"
#include "model/PictureStrips.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"

void CDrawPDWnd::DrawLine(CDC& dc, int clientWidth, int clientHeight) const {
    IBlockHost* host = IBlockHost::Get();
    CVDoc* doc = host ? host->GetActiveDocument() : nullptr;
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    const CPersonData* person = doc && m_person >= 0 ? doc->GetDirector(m_person) : nullptr;
    if (!person || !fonts || !strips) return;
    CPaletteScope palette(dc, host->GetPalette());
    CFont* previous = dc.SelectObject(fonts->GetMessageFont());
    const int left = fonts->GetLayoutSize().cx;
    strips->DrawPersonTitle(dc, left, 0, clientWidth - left, clientHeight,
                            doc->GetEnterprise(person->GetEmployer()), person->GetName());
    dc.SelectObject(previous);
}

void CDrawPDWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    m_clientSize = CPoint(cx, cy);
}

void CDrawPDWnd::OnPaint() {
    CPaintDC dc(this);
    DrawLine(dc, m_clientSize.x, m_clientSize.y);
}
