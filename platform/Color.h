#pragma once

#include <cstdint>

namespace lymn {

// An RGB colour. Pixels of bitmaps store it as 0xFFRRGGBB.
struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    static constexpr Color rgb(uint32_t hex) {
        return {static_cast<uint8_t>(hex >> 16), static_cast<uint8_t>(hex >> 8),
                static_cast<uint8_t>(hex)};
    }
    // The 0x00BBGGRR layout that colour values of the theme table use.
    static constexpr Color fromBgr(uint32_t v) {
        return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                static_cast<uint8_t>(v >> 16)};
    }
    static constexpr Color fromPixel(uint32_t p) { return rgb(p & 0xFFFFFFu); }

    constexpr uint32_t hex() const { return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b; }
    constexpr uint32_t pixel() const { return 0xFF000000u | hex(); }
    constexpr uint32_t bgr() const { return (uint32_t{b} << 16) | (uint32_t{g} << 8) | r; }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color black = Color::rgb(0x000000);
inline constexpr Color white = Color::rgb(0xFFFFFF);
inline constexpr Color key = Color::rgb(0xFF00FF);  // picture pixels that are not drawn
}  // namespace colors

// The desktop's symbolic colours. One fixed classic scheme.
enum class SysColor {
    ButtonFace,
    ButtonShadow,
    ButtonHighlight,
    ButtonText,
    Highlight,
    HighlightText,
    Window,
    WindowText,
    WindowFrame,
    GrayText,
    ActiveCaption,
    InactiveCaption,
};

Color sysColor(SysColor c);

// Blend of two colours: a * (255 - alpha) + b * alpha, per channel.
// Inline: text edges blend every pixel they touch.
inline Color blend(Color a, Color b, int alpha) {
    auto mix = [alpha](int x, int y) {
        return static_cast<uint8_t>((x * (255 - alpha) + y * alpha + 127) / 255);
    };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

}  // namespace lymn
