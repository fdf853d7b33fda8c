#pragma once
// Where the pixels of memory bitmaps live. A large bitmap (a picture strip,
// a full-screen back buffer) starts on a huge-page boundary and is offered to
// the kernel as huge pages: filling it then takes a page fault per 2 MB
// instead of one per 4 KB, and transfers across it miss the address cache
// less. Small bitmaps come from the ordinary heap.

#include <cstddef>
#include <cstdint>

namespace PixelMemory {
constexpr size_t kHugePage = size_t{2} << 20;
// Bytes at least; std::bad_alloc when there are none.
void* Allocate(size_t bytes);
// bytes as given to Allocate.
void Free(void* memory, size_t bytes);
}  // namespace PixelMemory

// The allocator of a pixel vector.
template <typename T>
struct SPixelAllocator {
    using value_type = T;

    SPixelAllocator() = default;
    template <typename U>
    SPixelAllocator(const SPixelAllocator<U>&) {}

    T* allocate(size_t n) { return static_cast<T*>(PixelMemory::Allocate(n * sizeof(T))); }
    void deallocate(T* p, size_t n) { PixelMemory::Free(p, n * sizeof(T)); }

    template <typename U>
    bool operator==(const SPixelAllocator<U>&) const {
        return true;
    }
};
