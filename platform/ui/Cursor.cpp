#include "platform/ui/Cursor.h"

#include <QBitmap>
#include <QCursor>
#include <QPixmap>
#include <cstring>
#include <map>

#include "platform/gfx/BitmapImpl.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Styles.h"
#include "platform/ui/detail/InputRouter.h"
#include "platform/ui/detail/UiSystem.h"

struct CCursor::Impl {
    int standardId = 0;
    QCursor cursor;
};

namespace {

Qt::CursorShape ShapeFor(int id) {
    switch (id) {
        case IDC_IBEAM:
            return Qt::IBeamCursor;
        case IDC_WAIT:
            return Qt::WaitCursor;
        case IDC_CROSS:
            return Qt::CrossCursor;
        case IDC_SIZENWSE:
            return Qt::SizeFDiagCursor;
        case IDC_SIZENESW:
            return Qt::SizeBDiagCursor;
        case IDC_SIZEWE:
            return Qt::SizeHorCursor;
        case IDC_SIZENS:
            return Qt::SizeVerCursor;
        case IDC_SIZEALL:
            return Qt::SizeAllCursor;
        case IDC_HAND:
            return Qt::PointingHandCursor;
        default:
            return Qt::ArrowCursor;
    }
}

HCURSOR g_current = nullptr;

// A copy of a bitmap's pixels (a null image for a bitmap not created).
QImage ImageOf(const CBitmap& bitmap) {
    const SPixelRows rows = bitmap.PlatformImpl().Rows();
    if (!bitmap.IsCreated()) return QImage();
    QImage image(rows.width, rows.height, QImage::Format_RGB32);
    for (int y = 0; y < rows.height; ++y)
        std::memcpy(image.scanLine(y), rows.Row(y), static_cast<size_t>(rows.width) * 4);
    return image;
}

}  // namespace

CCursor::CCursor(int standardId) : m_impl(std::make_unique<Impl>()) {
    m_impl->standardId = standardId;
    m_impl->cursor = QCursor(ShapeFor(standardId));
}

CCursor::CCursor(const CBitmap& picture, const CBitmap& mask, CPoint hotSpot)
    : m_impl(std::make_unique<Impl>()) {
    CUiSystem::Ensure();
    QImage image = ImageOf(picture).convertToFormat(QImage::Format_ARGB32);
    const QImage maskImage = ImageOf(mask);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool seeThrough = x < maskImage.width() && y < maskImage.height() &&
                                    (maskImage.pixel(x, y) & 0x00FFFFFFu) == 0x00FFFFFFu;
            if (seeThrough) image.setPixel(x, y, 0);
        }
    }
    m_impl->cursor = QCursor(QPixmap::fromImage(image), hotSpot.x, hotSpot.y);
}

CCursor::~CCursor() = default;

int CCursor::StandardId() const {
    return m_impl->standardId;
}

const CCursor* CCursor::LoadStandard(int id) {
    // Kept for the whole run and reachable to the end.
    static auto* cursors = new std::map<int, CCursor*>;
    const int known = ShapeFor(id) == Qt::ArrowCursor ? IDC_ARROW : id;
    auto it = cursors->find(known);
    if (it != cursors->end()) return it->second;
    CUiSystem::Ensure();
    auto* cursor = new CCursor(known);
    (*cursors)[known] = cursor;
    return cursor;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = g_current;
    g_current = cursor;
    if (QWidget* widget = CInputRouter::CursorWidget()) {
        if (cursor) {
            widget->setCursor(cursor->PlatformImpl().cursor);
        } else {
            widget->setCursor(Qt::BlankCursor);
        }
    }
    return old;
}

HCURSOR GetCursor() {
    return g_current;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    CUiSystem::Ensure();
    const QPoint p = QCursor::pos();
    point->x = p.x();
    point->y = p.y();
    return TRUE;
}
