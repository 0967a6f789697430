#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/Bitmap.h"

namespace lymn::jpeg {

// The screenshot's encoding: quality 90 with baseline tables forced, baseline (not
// progressive), full colour fed as 24-bit RGB rows from top to bottom, the floating-point DCT,
// and the library's defaults otherwise (JFIF, YCbCr, default sampling).
std::vector<uint8_t> encode(const Bitmap& picture, int quality = 90);
// Writes the encoding to a file, creating or replacing it; raises "Cannot create file %s".
void save(const Bitmap& picture, const std::filesystem::path& path);

// What a JPEG stream says of itself.
struct Info {
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    bool baseline = false;  // 8-bit, sequential, Huffman
    bool jfif = false;
    int colorSpace = 0;   // the library's J_COLOR_SPACE of the stream
    int quantTable0 = 0;  // the first luminance quantisation value
    bool sof0 = false;    // the frame marker is the baseline one (FFC0)
};
Info inspect(std::span<const uint8_t> bytes);
// Decodes a JPEG into a bitmap; raises an Error when it is not one.
Bitmap decode(std::span<const uint8_t> bytes);

}  // namespace lymn::jpeg
