#pragma once

#include "platform/Color.h"

namespace lymn {

// The light colours of the flat buttons, mixed per channel from the button face, highlight and
// window colours (each term rounded, halves away from zero; the sum clamped to 0..255). When the
// button face is pure black or white both are the highlight colour.
Color lightSelectionColor(Color face, Color highlight, Color window);        // -2, 30, 72 percent
Color lightDownedSelectionColor(Color face, Color highlight, Color window);  // 14, 44, 40 percent
Color lightSelectionColor();
Color lightDownedSelectionColor();

}  // namespace lymn
