#include "platform/gfx/Bitmap.h"

#include <new>

#include "platform/gfx/BitmapImpl.h"
#include "platform/gfx/WindowSystem.h"

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
    try {
        m_impl->pixels.assign(static_cast<size_t>(width) * height, 0xFF000000u);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    m_impl->width = width;
    m_impl->height = height;
    m_created = true;
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const {
    if (!m_created || !info) return 0;
    info->bmType = 0;
    info->bmWidth = m_impl->width;
    info->bmHeight = m_impl->height;
    info->bmWidthBytes = m_impl->width * 4;
    info->bmPlanes = 1;
    info->bmBitsPixel = 32;
    return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetSize() const {
    return m_created ? CSize(m_impl->width, m_impl->height) : CSize();
}

bool CBitmap::SaveToPng(const std::string& path) const {
    IWindowSystem* system = IWindowSystem::Get();
    return m_created && system && system->SavePng(m_impl->Rows(), path);
}

void CBitmap::Release() {
    m_impl->pixels = {};
    m_impl->width = 0;
    m_impl->height = 0;
}
