#include "judge/EpNameWnd.h"

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "platform/ui/PaintDC.h"

namespace judge {

void CEpNameWnd::OnPaint() {
    CPaintDC dc(this);
    CArboApp* app = CArboApp::Get();
    const CEnterprise* company = m_doc ? m_doc->GetCompany(*m_company) : nullptr;
    if (!app || !company) return;
    CRect client;
    GetClientRect(&client);
    CPalette* palette = app->GetPalette();
    CPalette* old = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.SetBkMode(TRANSPARENT);
    app->DrawCompanyName(dc, client, *company, TRUE);
    if (old) dc.SelectPalette(old, FALSE);
}

void CEpNameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Invalidate(TRUE);
}

}  // namespace judge
