#pragma once

#include <string>

#include "platform/Color.h"

namespace lymn {

// A font as the window's layout names it: face name, character height in pixels, style.
struct FontSpec {
    std::string face = "MS Sans Serif";
    int height = 11;
    bool bold = false;
    Color color = colors::black;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

}  // namespace lymn
