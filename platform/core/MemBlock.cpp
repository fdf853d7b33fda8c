#include "platform/core/MemBlock.h"

#include <cstdlib>
#include <cstring>
#include <utility>

CMemBlock::CMemBlock(CMemBlock&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

CMemBlock& CMemBlock::operator=(CMemBlock&& other) noexcept {
    if (this != &other) {
        Free();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

bool CMemBlock::Alloc(size_t size) {
    Free();
    if (size == 0) return false;
    m_data = static_cast<uint8_t*>(std::calloc(size, 1));
    if (!m_data) return false;
    m_size = size;
    return true;
}

bool CMemBlock::ReAlloc(size_t size) {
    if (size == 0) return false;
    auto* grown = static_cast<uint8_t*>(std::realloc(m_data, size));
    if (!grown) return false;
    if (size > m_size) std::memset(grown + m_size, 0, size - m_size);
    m_data = grown;
    m_size = size;
    return true;
}

void CMemBlock::Free() {
    std::free(m_data);
    m_data = nullptr;
    m_size = 0;
}
