#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Font.h"

namespace lymn {

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height() const { return ascent + descent; }
};

// Text rendering with FreeType, faces found through fontconfig. The Windows face names of the
// layout are mapped explicitly: "宋体" to AR PL UMing's bitmap strikes, the Latin faces to DejaVu
// Sans with Chinese falling back to UMing, "华文行楷" to AR PL UKai. Glyphs are cached.
class FontSystem {
  public:
    FontSystem();
    ~FontSystem();
    FontSystem(const FontSystem&) = delete;
    FontSystem& operator=(const FontSystem&) = delete;

    FontMetrics metrics(const FontSpec& font);
    int textWidth(const FontSpec& font, std::string_view text);
    // Draws one line with its top at y; clipped to clip (target coordinates). Above scale 1 the
    // glyphs are rendered from the outlines at scale times the height, on the pen positions and
    // baseline of scale 1 multiplied, so that text keeps its layout.
    void drawText(Bitmap& target, const Rect& clip, int x, int y, const FontSpec& font, Color color,
                  std::string_view text, int scale = 1);
    // Family that renders the character in this font (the face asked for, or a fallback).
    std::string familyFor(const FontSpec& font, char32_t ch);
    // A colour glyph (emoji) rendered at its font's native strike, for the art generator.
    Bitmap colorGlyph(const std::string& family, char32_t ch);
    size_t cachedGlyphs() const;

    // The glyphs and metrics rendered so far, with the size and time of each font file they
    // came from: the program's start-up texts are rendered once, when it is built.
    std::vector<uint8_t> saveCache() const;
    // Takes what saveCache wrote, when every font file it names is unchanged; returns whether it
    // did. A seed of other fonts, or a damaged one, changes nothing: the glyphs are then
    // rendered as they are needed.
    bool seedCache(std::span<const uint8_t> bytes);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace lymn
