#include "platform/gfx/PixelAllocator.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace {

size_t RoundedToHugePages(size_t bytes) {
    return (bytes + PixelMemory::kHugePage - 1) & ~(PixelMemory::kHugePage - 1);
}

}  // namespace

void* PixelMemory::Allocate(size_t bytes) {
    if (bytes < kHugePage) return ::operator new(bytes);
    if (bytes > SIZE_MAX - kHugePage) throw std::bad_alloc();
    const size_t rounded = RoundedToHugePages(bytes);
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (!memory) throw std::bad_alloc();
    // Only advice: where huge pages are off, the pages stay small.
    madvise(memory, rounded, MADV_HUGEPAGE);
    return memory;
}

void PixelMemory::Free(void* memory, size_t bytes) {
    if (bytes < kHugePage)
        ::operator delete(memory);
    else
        std::free(memory);
}
