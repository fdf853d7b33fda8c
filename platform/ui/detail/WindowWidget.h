#pragma once
// The Qt widget behind one window. It keeps the window's pixels in a 32-bit
// surface that our device contexts draw on, shows that surface when Qt asks
// for a repaint, and turns Qt's input events into queued messages.

#include <QImage>
#include <QWidget>

class CWnd;

class CWindowWidget : public QWidget {
public:
    CWindowWidget(CWnd* wnd, QWidget* parent, Qt::WindowFlags flags);

    CWnd* Wnd() const { return m_wnd; }
    void Detach() { m_wnd = nullptr; }
    void Reattach(CWnd* wnd) { m_wnd = wnd; }
    QImage& Surface() { return m_surface; }
    // Resizes the surface to the widget, keeping the old pixels; returns
    // whether the size changed.
    bool SyncSurface(QRgb fill);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    CWnd* m_wnd;
    QImage m_surface;
};
