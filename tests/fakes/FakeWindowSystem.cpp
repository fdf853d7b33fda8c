#include "fakes/FakeWindowSystem.h"

#include "platform/gfx/DibImage.h"

CFakeWindowSystem::CFakeWindowSystem() : m_previous(IWindowSystem::Register(this)) {}

CFakeWindowSystem::~CFakeWindowSystem() {
    IWindowSystem::Register(m_previous);
}

bool CFakeWindowSystem::SetClipboardText(const std::string& text) {
    m_dib.clear();
    m_text = text;
    m_hasText = true;
    return true;
}

bool CFakeWindowSystem::SetClipboardDib(const std::vector<uint8_t>& packedDib) {
    const size_t info = CDibImage::PackedInfoSize(packedDib.data(), packedDib.size());
    CDibImage image;
    if (info == 0 || info >= packedDib.size() ||
        !image.Decode(packedDib.data(), info, packedDib.data() + info, packedDib.size() - info))
        return false;
    m_text.clear();
    m_hasText = false;
    m_dib = packedDib;
    return true;
}

void CFakeWindowSystem::EmptyClipboard() {
    m_text.clear();
    m_hasText = false;
    m_dib.clear();
}
