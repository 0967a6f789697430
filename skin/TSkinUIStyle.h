#pragma once

#include <cstdint>

namespace lymn {

// The named looks of the skinned controls; each but Custom is a column of the theme table.
enum class TSkinUIStyle : uint8_t {
    Custom = 0,
    Pinstripe = 1,
    Sky = 2,
    Navy = 3,
    Pearl = 4,
    Glass = 5
};

}  // namespace lymn
