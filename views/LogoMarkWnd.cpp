#include "views/LogoMarkWnd.h"

#include <algorithm>

#include "model/PaletteScope.h"
#include "model/PictureCatalog.h"
#include "model/PictureStrips.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"

namespace {

CPictureStrips* Strips() {
    IBlockHost* host = IBlockHost::Get();
    return host ? host->GetMarkStrips() : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- animation

void CLogoMarkWnd::StartAnimation(UINT periodMs) {
    m_period = periodMs;
    KillTimer(kTimer);
    SetTimer(kTimer, periodMs);
    m_animating = true;
    // The first tick moves on to phase 0.
    m_phase = kPhases - 1;
}

void CLogoMarkWnd::StopAnimation() {
    KillTimer(kTimer);
    m_animating = false;
}

void CLogoMarkWnd::StopAtLastFrame() {
    StopAnimation();
    m_phase = kLastFrame;
    if (IsWindow()) Invalidate(TRUE);
}

void CLogoMarkWnd::OnTimer(UINT_PTR id) {
    if (id == kTimer) {
        // The mark animation has six frames, the logo seven phases.
        const int phases = m_markMode ? kMarkFrames : kPhases;
        m_phase = m_phase + 1 >= phases ? 0 : m_phase + 1;
        Invalidate(FALSE);
        UpdateWindow();
    }
    CWnd::OnTimer(id);
}

void CLogoMarkWnd::OnClose() {
    StopAnimation();
    CWnd::OnClose();
}

void CLogoMarkWnd::OnDestroy() {
    StopAnimation();
    CWnd::OnDestroy();
}

// ---------------------------------------------------------------- painting

CRect CLogoMarkWnd::LogoRect(CSize client, CSize logo) {
    const int x = logo.cx <= client.cx ? (client.cx - logo.cx) / 2 : 0;
    const int y = logo.cy <= client.cy ? (client.cy - logo.cy) / 2 : 0;
    return CRect(x, y, x + std::min(logo.cx, client.cx), y + std::min(logo.cy, client.cy));
}

BOOL CLogoMarkWnd::OnEraseBkgnd(CDC* dc) {
    if (!m_markMode || !dc) return CWnd::OnEraseBkgnd(dc);
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(client, RGB(0, 0, 0));
    return TRUE;
}

void CLogoMarkWnd::OnPaint() {
    CPaintDC dc(this);
    if (m_phase < 0) return;
    CRect client;
    GetClientRect(&client);
    if (m_markMode) {
        DrawMark(dc, client.Width(), client.Height());
        return;
    }
    // Composed off screen and copied at once, so that the frame does not
    // flicker; nothing when the off-screen picture cannot be made.
    CDC memory;
    CBitmap picture;
    if (client.IsRectEmpty() || !memory.CreateCompatibleDC(&dc) ||
        !picture.CreateCompatibleBitmap(&dc, client.Width(), client.Height()))
        return;
    CBitmap* previous = memory.SelectObject(&picture);
    DrawLogo(memory, client.Width(), client.Height());
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

void CLogoMarkWnd::DrawFrame(CDC& dc, int width, int height) const {
    if (m_phase < 0) return;
    if (m_markMode) {
        dc.FillSolidRect(0, 0, width, height, RGB(0, 0, 0));
        DrawMark(dc, width, height);
    } else {
        DrawLogo(dc, width, height);
    }
}

void CLogoMarkWnd::DrawLogo(CDC& dc, int width, int height) const {
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
    CPictureStrips* strips = Strips();
    CBitmap* logo = strips ? strips->GetBitmap(CPictureCatalog::kLogo) : nullptr;
    if (!logo) return;
    CDC source;
    if (!source.CreateCompatibleDC(&dc)) return;
    CBitmap* previous = nullptr;
    CBitmap* tile = strips->GetBitmap(CPictureCatalog::kLogoBack);
    const CSize tileSize = strips->GetCellSize(CPictureCatalog::kLogoBack);
    if (!m_plain && tile && tileSize.cx > 0 && tileSize.cy > 0) {
        previous = source.SelectObject(tile);
        // Every tile's mask first, then every tile's picture.
        for (int pass = 0; pass < 2; ++pass)
            for (int y = 0; y < height; y += tileSize.cy)
                for (int x = 0; x < width; x += tileSize.cx)
                    dc.BitBlt(x, y, tileSize.cx, tileSize.cy, &source, 0, pass * tileSize.cy,
                              pass == 0 ? SRCAND : SRCPAINT);
        source.SelectObject(logo);
    } else {
        previous = source.SelectObject(logo);
    }
    const CSize cell = strips->GetCellSize(CPictureCatalog::kLogo);
    const CRect target = LogoRect(CSize(width, height), cell);
    const int frame = std::clamp(m_phase, 0, kLastFrame) + 1;
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.StretchBlt(target.left, target.top, target.Width(), target.Height(), &source, 0, 0, cell.cx,
                  cell.cy, SRCAND);
    dc.StretchBlt(target.left, target.top, target.Width(), target.Height(), &source, 0,
                  frame * cell.cy, cell.cx, cell.cy, SRCPAINT);
    source.SelectObject(previous);
}

void CLogoMarkWnd::DrawMark(CDC& dc, int width, int height) const {
    CPictureStrips* strips = Strips();
    CBitmap* marks = strips ? strips->GetBitmap(CPictureCatalog::kMarkAnimation) : nullptr;
    if (!marks) return;
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CDC source;
    if (!source.CreateCompatibleDC(&dc)) return;
    CBitmap* previous = source.SelectObject(marks);
    const CSize frame = strips->GetCellSize(CPictureCatalog::kMarkAnimation);
    // A stop at the logo's last frame keeps the mark's last one.
    const int phase = std::clamp(m_phase, 0, kMarkFrames - 1);
    dc.BitBlt((width - frame.cx) / 2, (height - frame.cy) / 2, frame.cx, frame.cy, &source, 0,
              phase * frame.cy, SRCCOPY);
    source.SelectObject(previous);
}
