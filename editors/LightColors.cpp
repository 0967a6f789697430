#include "editors/LightColors.h"

#include <algorithm>
#include <cmath>

namespace lymn {

namespace {

Color mix(Color face, Color highlight, Color window, int faceShare, int highlightShare,
          int windowShare) {
    if (face == colors::black || face == colors::white) return highlight;
    auto channel = [&](uint8_t f, uint8_t h, uint8_t w) {
        const auto term = [](int v, int share) {
            return static_cast<int>(std::lround(v * share / 100.0));
        };
        return static_cast<uint8_t>(std::clamp(
            term(f, faceShare) + term(h, highlightShare) + term(w, windowShare), 0, 255));
    };
    // A 24-bit screen shows every colour: the nearest one is the colour itself.
    return {channel(face.r, highlight.r, window.r), channel(face.g, highlight.g, window.g),
            channel(face.b, highlight.b, window.b)};
}

}  // namespace

Color lightSelectionColor(Color face, Color highlight, Color window) {
    return mix(face, highlight, window, -2, 30, 72);
}

Color lightDownedSelectionColor(Color face, Color highlight, Color window) {
    return mix(face, highlight, window, 14, 44, 40);
}

Color lightSelectionColor() {
    return lightSelectionColor(sysColor(SysColor::ButtonFace), sysColor(SysColor::Highlight),
                               sysColor(SysColor::Window));
}

Color lightDownedSelectionColor() {
    return lightDownedSelectionColor(sysColor(SysColor::ButtonFace), sysColor(SysColor::Highlight),
                                     sysColor(SysColor::Window));
}

}  // namespace lymn
