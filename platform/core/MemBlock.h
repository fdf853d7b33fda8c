#pragma once
// A block of zero-filled memory that may fail to allocate and can be resized:
// the stand-in for the window system's movable global memory that pictures
// and the data authors' marks live in. Failures are reported, never thrown.

#include <cstddef>
#include <cstdint>

class CMemBlock {
public:
    CMemBlock() = default;
    ~CMemBlock() { Free(); }
    CMemBlock(const CMemBlock&) = delete;
    CMemBlock& operator=(const CMemBlock&) = delete;
    CMemBlock(CMemBlock&& other) noexcept;
    CMemBlock& operator=(CMemBlock&& other) noexcept;

    // Frees any current block and allocates size zero-filled bytes.
    bool Alloc(size_t size);
    // Keeps the contents; bytes added at the end are zero. On failure the
    // old block stays as it was.
    bool ReAlloc(size_t size);
    void Free();

    uint8_t* Lock() { return m_data; }
    const uint8_t* Lock() const { return m_data; }
    void Unlock() {}
    size_t Size() const { return m_size; }
    bool IsEmpty() const { return m_data == nullptr; }

private:
    uint8_t* m_data = nullptr;
    size_t m_size = 0;
};
