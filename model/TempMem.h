#pragma once
// A temporary zero-filled heap block that callers read as an array of 32-bit
// values (lists of person indexes, a permutation). Freed with the object.

#include <cstddef>
#include <cstdint>

class CTempMem {
public:
    CTempMem() = default;
    virtual ~CTempMem() { Free(); }
    CTempMem(const CTempMem&) = delete;
    CTempMem& operator=(const CTempMem&) = delete;

    // size < 1 returns 0 and leaves the block alone; a failed allocation
    // returns 0 with the block freed.
    int Alloc(int size);
    // Keeps the contents, zero-fills what is added; a failure returns 0 and
    // keeps the old block.
    int ReAlloc(int size);
    void Free();

    uint32_t GetSize() const { return m_size; }
    void* GetBlock() const { return m_block; }
    int32_t* GetInts() const { return static_cast<int32_t*>(m_block); }
    // Number of whole 32-bit entries in the block.
    int GetIntCount() const { return static_cast<int>(m_size / sizeof(int32_t)); }

private:
    uint32_t m_size = 0;
    void* m_block = nullptr;
};
