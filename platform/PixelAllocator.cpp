#include "platform/PixelAllocator.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace lymn::pixel_memory {

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LYMN_ASAN 1
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define LYMN_ASAN 1
#endif

#ifdef LYMN_ASAN
// The sanitizer watches heap blocks only; every picture stays on the heap under it.
constexpr size_t kMappedFrom = SIZE_MAX;
#else
// A quarter of a 440 x 535 window: every frame and page background, no glyph or icon.
constexpr size_t kMappedFrom = 256 * 1024;
#endif

}  // namespace

void* allocate(size_t bytes) {
    if (bytes < kMappedFrom) return ::operator new(bytes);
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return p;
}

void release(void* p, size_t bytes) {
    if (!p) return;
    if (bytes < kMappedFrom)
        ::operator delete(p);
    else
        ::munmap(p, bytes);
}

}  // namespace lymn::pixel_memory
