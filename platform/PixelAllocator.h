#pragma once

#include <cstddef>
#include <cstdint>

namespace lymn {

namespace pixel_memory {

// Memory for pixel rows from the ordinary heap. The pages of a big block are mapped in one call
// instead of one page fault per 4 KiB, which on a virtual machine is most of the cost of a
// window-sized picture.
void* allocate(size_t bytes);
void release(void* p, size_t bytes);
// Maps the whole pages of [p, p + bytes) at once. Pages already there cost almost nothing;
// where the system cannot, the first writes fault them in.
void populate(void* p, size_t bytes);

}  // namespace pixel_memory

// The allocator of a picture's pixel vector.
template <class T>
class PixelAllocator {
  public:
    using value_type = T;

    PixelAllocator() = default;
    template <class U>
    PixelAllocator(const PixelAllocator<U>&) {}

    T* allocate(size_t n) { return static_cast<T*>(pixel_memory::allocate(n * sizeof(T))); }
    void deallocate(T* p, size_t n) { pixel_memory::release(p, n * sizeof(T)); }

    template <class U>
    bool operator==(const PixelAllocator<U>&) const {
        return true;
    }
};

}  // namespace lymn
