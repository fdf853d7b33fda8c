#include "views/HeaderStripWnd.h"

#include "platform/ui/PaintDC.h"

void CHeaderStripWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(dc, client);
}
