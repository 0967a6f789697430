#include "platform/PixelAllocator.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <new>

namespace lymn::pixel_memory {

namespace {

// A quarter of a 440 x 535 window: every frame and page background, no glyph or icon.
constexpr size_t kPopulatedFrom = 256 * 1024;

}  // namespace

void* allocate(size_t bytes) {
    void* p = ::operator new(bytes);
    if (bytes >= kPopulatedFrom) populate(p, bytes);
    return p;
}

void release(void* p, size_t) {
    ::operator delete(p);
}

void populate(void* p, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<uintptr_t>(p) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<uintptr_t>(p) + bytes) & ~(page - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    (void)p;
    (void)bytes;
#endif
}

}  // namespace lymn::pixel_memory
