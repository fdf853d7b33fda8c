#include "platform/ui/detail/WindowWidget.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/ui/MessageLoop.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/InputRouter.h"
#include "platform/ui/detail/ScrollBars.h"
#include "platform/ui/detail/WndImpl.h"

CWindowWidget::CWindowWidget(CWnd* wnd, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_wnd(wnd) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

bool CWindowWidget::SyncSurface(QRgb fill) {
    if (m_surface.size() == size()) return false;
    QImage next(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    next.fill(fill);
    if (!m_surface.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_surface);
    }
    m_surface = std::move(next);
    return true;
}

void CWindowWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), m_surface, event->rect());
}

// Sizes we set ourselves are handled where we set them; this catches the
// window manager's (a user dragging the frame) and reports it the same way.
void CWindowWidget::resizeEvent(QResizeEvent*) {
    if (!m_wnd || m_wnd->PlatformImpl().placing || m_surface.size() == size()) return;
    const QMargins nc = m_wnd->PlatformImpl().NonClient();
    const CSize old(m_surface.width() - nc.left() - nc.right(),
                    m_surface.height() - nc.top() - nc.bottom());
    CScrollBars::AfterGeometryChange(m_wnd, old, pos());
}

void CWindowWidget::moveEvent(QMoveEvent*) {}

void CWindowWidget::mousePressEvent(QMouseEvent* event) {
    CInputRouter::Mouse(this, event, CInputRouter::MouseKind::Press);
}

void CWindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    CInputRouter::Mouse(this, event, CInputRouter::MouseKind::Release);
}

void CWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    CInputRouter::Mouse(this, event, CInputRouter::MouseKind::DoubleClick);
}

void CWindowWidget::mouseMoveEvent(QMouseEvent* event) {
    CInputRouter::Mouse(this, event, CInputRouter::MouseKind::Move);
}

void CWindowWidget::wheelEvent(QWheelEvent* event) {
    CInputRouter::Wheel(this, event);
}

void CWindowWidget::keyPressEvent(QKeyEvent* event) {
    CInputRouter::Key(this, event, true);
}

void CWindowWidget::keyReleaseEvent(QKeyEvent* event) {
    CInputRouter::Key(this, event, false);
}

void CWindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    CInputRouter::Close(this);
}
