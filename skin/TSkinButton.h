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
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    const Bitmap& Glyph() const { return glyph_; }
    void setGlyph(const Bitmap& g);
    TButtonLayout Layout() const { return layout_; }
    void setLayout(TButtonLayout l);
    int Spacing() const { return spacing_; }
    void setSpacing(int s);
    // Picture names of the Custom style; setting one switches the style to Custom.
    void setPicNormalResName(const std::string& n);
    void setPicMouseOnResName(const std::string& n);
    void setPicMouseDownResName(const std::string& n);
    const std::string& picNormal() const { return picNormal_; }

    // The picture of the current state: disabled and normal show the normal one.
    std::string statePicture() const;
    // Where the glyph and the caption go (button coordinates).
    Point glyphPosition() const;
    Point captionPosition() const;

    bool canResize(Rect& newBounds) override;
    void paint(Canvas& canvas) override;
    void fontChanged() override { invalidate(); }

  private:
    void SetButtonPic(TSkinUIStyle s);
    void applyAutoSize();
    Bitmap loadState(const std::string& name) const;
    Size glyphSize() const;
    Size captionSize() const;

    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    bool transparent_ = false;
    bool autoSize_ = false;
    Bitmap glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int spacing_ = 4;
    std::string picNormal_, picMouseOn_, picMouseDown_;
};

}  // namespace lymn
