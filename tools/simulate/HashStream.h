#pragma once
// A stream that keeps nothing of what is written to it but its FNV-1a hash:
// the summary's game checksum is taken over the saved form without holding
// a second copy of it.

#include <cstdint>

#include "platform/core/ArchiveStream.h"

class CHashStream : public CArchiveStream {
public:
    size_t Read(void*, size_t) override { return 0; }
    bool Write(const void* data, size_t size) override;
    uint64_t Remaining() const override { return 0; }

    uint32_t Hash() const { return m_hash; }

private:
    uint32_t m_hash = 2166136261u;
};
