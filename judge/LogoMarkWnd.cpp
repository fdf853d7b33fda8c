#include "judge/LogoMarkWnd.h"

#include "judge/ArboApp.h"
#include "model/PictureCatalog.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

void CLogoMarkWnd::SetInterval(UINT ms) {
    KillTimer(kTimer);
    m_frame = 0;
    SetTimer(kTimer, ms);
}

void CLogoMarkWnd::OnTimer(UINT_PTR id) {
    if (id != kTimer) {
        CWnd::OnTimer(id);
        return;
    }
    m_frame = (m_frame + 1) % kFrames;
    Invalidate(FALSE);
}

void CLogoMarkWnd::DrawFrame(CDC& dc, int frame, int width, int height) {
    CArboApp* app = CArboApp::Get();
    CBitmap* logo = app ? app->GetBitmap(CPictureCatalog::kLogo) : nullptr;
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
    if (!logo || frame < 0) return;
    const CSize cell = app->GetCellSize(CPictureCatalog::kLogo);
    // The cell is put together off screen: the mask cut out of the face
    // colour, then the frame's picture laid in.
    CDC source, target;
    CBitmap composed;
    if (!source.CreateCompatibleDC(&dc) || !target.CreateCompatibleDC(&dc) ||
        !composed.CreateBitmap(cell.cx, cell.cy)) {
        return;
    }
    CBitmap* oldSource = source.SelectObject(logo);
    CBitmap* oldTarget = target.SelectObject(&composed);
    target.FillSolidRect(0, 0, cell.cx, cell.cy, GetSysColor(COLOR_BTNFACE));
    target.BitBlt(0, 0, cell.cx, cell.cy, &source, 0, 0, SRCAND);
    target.BitBlt(0, 0, cell.cx, cell.cy, &source, 0, cell.cy * (frame + 1), SRCPAINT);
    dc.BitBlt((width - cell.cx) / 2, (height - cell.cy) / 2, cell.cx, cell.cy, &target, 0, 0,
              SRCCOPY);
    target.SelectObject(oldTarget);
    source.SelectObject(oldSource);
}

void CLogoMarkWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawFrame(dc, m_frame, client.Width(), client.Height());
}

BOOL CLogoMarkWnd::OnEraseBkgnd(CDC* dc) {
    (void)dc;
    return TRUE;
}

void CLogoMarkWnd::OnDestroy() {
    KillTimer(kTimer);
    CWnd::OnDestroy();
}

}  // namespace judge
