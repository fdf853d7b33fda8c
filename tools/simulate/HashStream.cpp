#include "HashStream.h"

bool CHashStream::Write(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    uint32_t hash = m_hash;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 16777619u;
    m_hash = hash;
    return true;
}
