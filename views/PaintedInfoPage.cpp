#include "views/PaintedInfoPage.h"

#include "platform/ui/PaintDC.h"
#include "views/InfoPage.h"

void CPaintedInfoPage::Refresh() {
    if (InfoPage::ShownCompanyIndex(*this) >= 0 && IsWindow()) Invalidate(FALSE);
}

void CPaintedInfoPage::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    InfoPage::PaintOffScreen(dc, client.Width(), client.Height(),
                             [&](CDC& page) { Draw(page, client.Width(), client.Height()); });
}

BOOL CPaintedInfoPage::OnEraseBkgnd(CDC* /*dc*/) {
    // The off-screen picture covers every pixel.
    return TRUE;
}
