// Reads arbitrary bytes as a picture's stored form in a picture list, as the lists compiled into
// the program are read: the first byte chooses the list's size and scale. Every outcome is an
// Error or the picture, never a crash; a picture taken has the list's size and its stored form is
// the bytes given, and drawing it, plain or greyed, stays inside the canvas.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "editors/TFlatImageList.h"
#include "platform/Canvas.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lymn;
    if (size < 1) return 0;
    const int scale = 1 + data[0] % 3;
    const int width = (data[0] / 3) % 2 ? 16 : 32;
    const int height = (data[0] / 6) % 2 ? 17 : 32;
    const std::span<const uint8_t> stored(data + 1, size - 1);
    TFlatImageList list(width, height);
    list.setScale(scale);
    try {
        if (list.addStored(stored) != 0) __builtin_trap();
    } catch (const Error&) {
        if (list.count() != 0) __builtin_trap();
        return 0;
    }
    const Bitmap& picture = list.picture(0);
    if (picture.width() != width || picture.height() != height || picture.scale() != scale)
        __builtin_trap();
    if (!std::equal(stored.begin(), stored.end(), list.stored(0).begin(), list.stored(0).end()))
        __builtin_trap();
    Bitmap target(width + 8, height + 8, colors::white, scale);
    Canvas canvas(target);
    list.draw(canvas, 0, {-3, height - 2}, true);
    list.draw(canvas, 0, {5, 5}, false);
    list.draw(canvas, 1, {0, 0}, true);
    return 0;
}
