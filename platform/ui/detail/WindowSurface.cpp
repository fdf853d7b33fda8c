#include "platform/ui/detail/WindowSurface.h"

#include "platform/ui/Wnd.h"
#include "platform/ui/detail/WindowList.h"
#include "platform/ui/detail/WindowWidget.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

QImage* SurfaceOf(CWnd* wnd) {
    if (!CWindowList::IsAlive(wnd)) return nullptr;
    CWnd::Impl& wi = wnd->PlatformImpl();
    if (!wi.widget || wi.widget->Surface().isNull()) return nullptr;
    return &wi.widget->Surface();
}

}  // namespace

bool CWindowSurface::Resolve(SPixelRows& pixels, SPixelBox& area, int& baseX, int& baseY) const {
    QImage* image = SurfaceOf(m_wnd);
    if (!image) return false;
    QRect r = m_wholeWindow ? image->rect() : m_wnd->PlatformImpl().ClientInWidget();
    baseX = r.left();
    baseY = r.top();
    if (m_paintClip) r = r.intersected(m_paintClip->translated(r.topLeft()));
    pixels = {reinterpret_cast<uint32_t*>(image->bits()), image->width(), image->height(),
              static_cast<ptrdiff_t>(image->bytesPerLine() / 4)};
    area = r.isEmpty() ? SPixelBox() : SPixelBox{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    return true;
}

void CWindowSurface::Touched(const SPixelBox& area) const {
    if (!CWindowList::IsAlive(m_wnd)) return;
    CWnd::Impl& wi = m_wnd->PlatformImpl();
    if (wi.widget)
        wi.widget->update(
            QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
}
