#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "skin/TSkinCustomButton.h"

namespace lymn {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The themed push button: one of three pictures of its style (normal, mouse over, pressed)
// scaled by the nine-slice method, its caption centred, a coloured focus line.
class TSkinButton : public TSkinCustomButton {
public:
    explicit TSkinButton(Control* parent);

    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool t);
    const Bitmap& Glyph() const { return glyph_; }
    void setGlyph(const Bitmap& g);
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Spacing = 4;

    bool canResize(Rect& newBounds) override;
    void paint(Canvas& canvas) override;

private:
    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    bool transparent_ = false;
    Bitmap glyph_;
};

}  // namespace lymn
