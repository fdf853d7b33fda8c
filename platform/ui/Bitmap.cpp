#include "platform/ui/Bitmap.h"

#include "platform/ui/detail/BitmapImpl.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

constexpr int kMaxSide = 16384;
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

}  // namespace

CBitmap::CBitmap() : m_impl(std::make_unique<Impl>()) {}

CBitmap::~CBitmap() = default;

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
    return CreateBitmap(width, height);
}

BOOL CBitmap::CreateBitmap(int width, int height) {
    if (m_created || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return FALSE;
    }
    if (static_cast<int64_t>(width) * height > kMaxPixels) return FALSE;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return FALSE;
    image.fill(0xFF000000u);
    m_impl->image = std::move(image);
    m_created = true;
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const {
    if (!m_created || !info) return 0;
    info->bmType = 0;
    info->bmWidth = m_impl->image.width();
    info->bmHeight = m_impl->image.height();
    info->bmWidthBytes = static_cast<LONG>(m_impl->image.bytesPerLine());
    info->bmPlanes = 1;
    info->bmBitsPixel = 32;
    return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetSize() const {
    return m_created ? CSize(m_impl->image.width(), m_impl->image.height()) : CSize();
}

bool CBitmap::SaveToPng(const std::string& path) const {
    if (!m_created) return false;
    CUiSystem::Ensure();
    return m_impl->image.save(QString::fromStdString(path), "PNG");
}

void CBitmap::Release() {
    m_impl->image = QImage();
}
