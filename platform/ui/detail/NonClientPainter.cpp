#include "platform/ui/detail/NonClientPainter.h"

#include <QPainter>

#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

QColor Sys(int index) {
    return CUiSystem::ToQColor(GetSysColor(index));
}

// One ring of an edge: top and left in one colour, bottom and right in the
// other.
void Ring(QPainter& p, QRect r, const QColor& topLeft, const QColor& bottomRight) {
    if (r.width() <= 0 || r.height() <= 0) return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

int FrameWidth(const CWnd::Impl& impl) {
    int edges = 0;
    if (impl.exStyle & WS_EX_CLIENTEDGE) edges += GetSystemMetrics(SM_CXEDGE);
    if (impl.exStyle & WS_EX_STATICEDGE) edges += GetSystemMetrics(SM_CXBORDER);
    return impl.BorderWidth() - edges;
}

void PaintFrame(QPainter& p, const CWnd::Impl& impl, QRect r, int frame) {
    if (frame <= 0) return;
    if (frame == 1) {
        Ring(p, r, Sys(COLOR_WINDOWFRAME), Sys(COLOR_WINDOWFRAME));
        return;
    }
    for (int i = 0; i < frame; ++i)
        Ring(p, r.adjusted(i, i, -i, -i), Sys(COLOR_BTNFACE), Sys(COLOR_BTNFACE));
    Ring(p, r, Sys(COLOR_3DLIGHT), Sys(COLOR_3DDKSHADOW));
    Ring(p, r.adjusted(1, 1, -1, -1), Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
    (void)impl;
}

void PaintCaption(QPainter& p, const CWnd::Impl& impl, QRect r) {
    p.fillRect(r, Sys(COLOR_ACTIVECAPTION));
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(8, r.height() * 3 / 5));
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(Sys(COLOR_CAPTIONTEXT));
    p.drawText(r.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromStdString(impl.text));
}

}  // namespace

void CNonClientPainter::Paint(CWnd* wnd) {
    CWnd::Impl& impl = wnd->PlatformImpl();
    if (!impl.widget || impl.widget->Surface().isNull()) return;
    QImage& surface = impl.widget->Surface();
    QPainter p(&surface);
    QRect r(QPoint(0, 0), surface.size());
    const int frame = FrameWidth(impl);
    PaintFrame(p, impl, r, frame);
    r.adjust(frame, frame, -frame, -frame);
    const int caption = impl.CaptionHeight();
    if (caption > 0) {
        PaintCaption(p, impl, QRect(r.left(), r.top(), r.width(), caption));
        r.setTop(r.top() + caption);
    }
    if (impl.exStyle & WS_EX_CLIENTEDGE) {
        Ring(p, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        Ring(p, r.adjusted(1, 1, -1, -1), Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
        r.adjust(2, 2, -2, -2);
    }
    if (impl.exStyle & WS_EX_STATICEDGE) Ring(p, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    if (impl.bars[SB_VERT].shown && impl.bars[SB_HORZ].shown) {
        const QRect client = impl.ClientInWidget();
        p.fillRect(QRect(client.right() + 1, client.bottom() + 1, GetSystemMetrics(SM_CXVSCROLL),
                         GetSystemMetrics(SM_CYHSCROLL)),
                   Sys(COLOR_BTNFACE));
    }
    p.end();
    impl.widget->update();
}

LRESULT CNonClientPainter::HitTest(const CWnd* wnd, CPoint screenPoint) {
    const CWnd::Impl& impl = wnd->PlatformImpl();
    if (!impl.widget) return HTNOWHERE;
    const QPoint local = impl.widget->mapFromGlobal(QPoint(screenPoint.x, screenPoint.y));
    if (!impl.widget->rect().contains(local)) return HTNOWHERE;
    const QRect client = impl.ClientInWidget();
    if (client.contains(local)) return HTCLIENT;
    if (impl.bars[SB_VERT].bar && impl.bars[SB_VERT].shown &&
        impl.bars[SB_VERT].bar->geometry().contains(local)) {
        return HTVSCROLL;
    }
    if (impl.bars[SB_HORZ].bar && impl.bars[SB_HORZ].shown &&
        impl.bars[SB_HORZ].bar->geometry().contains(local)) {
        return HTHSCROLL;
    }
    const int frame = FrameWidth(impl);
    const int caption = impl.CaptionHeight();
    if (caption > 0 && local.y() >= frame && local.y() < frame + caption) return HTCAPTION;
    return HTBORDER;
}
