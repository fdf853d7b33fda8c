#include "model/TempMem.h"

#include <cstdlib>
#include <cstring>

int CTempMem::Alloc(int size) {
    if (size < 1) return 0;
    Free();
    m_block = std::calloc(static_cast<size_t>(size), 1);
    if (!m_block) return 0;
    m_size = static_cast<uint32_t>(size);
    return 1;
}

int CTempMem::ReAlloc(int size) {
    if (size < 1) return 0;
    void* grown = std::realloc(m_block, static_cast<size_t>(size));
    if (!grown) return 0;
    if (static_cast<uint32_t>(size) > m_size)
        std::memset(static_cast<char*>(grown) + m_size, 0, static_cast<size_t>(size) - m_size);
    m_block = grown;
    m_size = static_cast<uint32_t>(size);
    return 1;
}

void CTempMem::Free() {
    std::free(m_block);
    m_block = nullptr;
    m_size = 0;
}
