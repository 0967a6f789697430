// Reads arbitrary bytes as a bitmap file, as the pictures compiled into the program are read:
// every outcome is an Error or a picture, never a crash, and a picture read is written back and
// read again to the same pixels.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/Bitmap.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lymn;
    Bitmap picture;
    try {
        picture = Bitmap::fromBmp(std::span<const uint8_t>(data, size));
    } catch (const Error&) {
        return 0;
    }
    if (picture.empty() || picture.width() > 16384 || picture.height() > 16384) __builtin_trap();
    if (Bitmap::fromBmp(picture.toBmp(32)) != picture) __builtin_trap();
    // Without alpha the colours stay and every pixel is opaque.
    const Bitmap opaque = Bitmap::fromBmp(picture.toBmp(24));
    if (opaque.size() != picture.size()) __builtin_trap();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (opaque.pixel(x, y) != (picture.pixel(x, y) | 0xFF000000u)) __builtin_trap();
    return 0;
}
