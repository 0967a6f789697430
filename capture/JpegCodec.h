#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"

namespace lymn::jpeg {

// A picture can carry a character build: one comment marker (COM) holding the prefix and the
// build's code, e.g. "lymn-build:3fA-9". Codes are shorter than 40 characters; the limit leaves
// room for longer ones while keeping what is read from a stranger's file short.
inline constexpr std::string_view kBuildPrefix = "lymn-build:";
inline constexpr size_t kMaxBuildCodeLength = 64;
// A code a picture may carry: 1 to kMaxBuildCodeLength characters of 0-9, A-Z, a-z and "-".
bool isBuildCode(std::string_view code);

inline constexpr int kScreenshotQuality = 90;

// The screenshot's encoding: quality 90 with baseline tables forced, baseline (not
// progressive), full colour fed as 24-bit RGB rows from top to bottom, the floating-point DCT,
// and the library's defaults otherwise (JFIF, YCbCr, default sampling). A build code adds its
// comment marker after the JFIF header and changes nothing else; an empty one adds none. Raises
// "Not a build code: %s" for a code isBuildCode refuses.
std::vector<uint8_t> encode(const Bitmap& picture, int quality = kScreenshotQuality,
                            std::string_view build = {});
// Writes the encoding to a file, creating or replacing it, through a temporary file in the same
// folder that is flushed and renamed into place when whole; raises "Cannot create file %s" (and
// leaves no file) when it cannot.
void save(const Bitmap& picture, const std::filesystem::path& path, std::string_view build = {});

// The build code of the first comment marker with the build prefix, read from the headers
// without decoding the picture; nothing when there is no such marker or its code is not a
// build code. Raises "Not a readable JPEG picture: ..." for bytes whose headers are not a JPEG's.
std::optional<std::string> buildCode(std::span<const uint8_t> bytes);

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
