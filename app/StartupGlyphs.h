#pragma once

#include <cstdint>
#include <span>

namespace lymn {

// The glyphs of the program's first frame, rendered when the program was built, for
// FontSystem::seedCache.
std::span<const uint8_t> startupGlyphs();

}  // namespace lymn
