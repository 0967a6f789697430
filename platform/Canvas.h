#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/FontSystem.h"

namespace lymn {

namespace text {
inline constexpr unsigned Left = 0;
inline constexpr unsigned HCenter = 1;
inline constexpr unsigned Right = 2;
inline constexpr unsigned Top = 0;
inline constexpr unsigned VCenter = 4;
inline constexpr unsigned Bottom = 8;
inline constexpr unsigned NoPrefix = 16;  // "&" is drawn as it stands
inline constexpr unsigned NoClip = 32;    // not clipped to the text rectangle
}  // namespace text

// A caption with its "&" accelerator processed: "&x" underlines x, "&&" is one "&".
struct PrefixedText {
    std::string display;
    int underline = -1;  // code point index of the underlined character
    char32_t accelerator = 0;
};
PrefixedText processPrefix(std::string_view caption);

// Draws into a bitmap. Callers draw in local coordinates: the state (origin and clip) is a stack
// saved and restored around each piece of drawing. Coordinates are layout units; the canvas maps
// them to the target's device pixels, so that a one-unit line is scale pixels wide.
class Canvas {
  public:
    Canvas(Bitmap& target, FontSystem* fonts = nullptr);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& target() { return target_; }
    FontSystem* fonts() const { return fonts_; }
    int scale() const { return scale_; }

    // State stack.
    void save();
    void restore();
    int depth() const { return static_cast<int>(stack_.size()); }
    void translate(int dx, int dy);
    void translate(Point d) { translate(d.x, d.y); }
    void intersectClip(const Rect& local);
    Point origin() const {
        return {floorDiv(state_.origin.x, scale_), floorDiv(state_.origin.y, scale_)};
    }
    Rect clip() const;
    bool clipEmpty() const { return state_.clip.empty(); }

    // Drawing, in local coordinates.
    void setPixel(int x, int y, Color c);
    Color pixel(int x, int y) const;
    void fillRect(const Rect& r, Color c);
    void frameRect(const Rect& r, Color c, int width = 1);
    // A line from a to b; b itself is not drawn.
    void line(Point a, Point b, Color c);
    void drawBitmap(const Bitmap& src, Point at);
    void drawBitmap(const Bitmap& src, const Rect& from, Point at);
    void stretchBitmap(const Bitmap& src, const Rect& from, const Rect& to);
    // Pixels of the key colour are left undrawn.
    void drawBitmapKeyed(const Bitmap& src, const Rect& from, Point at, Color key);
    void stretchBitmapKeyed(const Bitmap& src, const Rect& from, const Rect& to, Color key);
    // Pixels blended by their alpha (the alpha byte of 0xAARRGGBB, colours premultiplied).
    void drawBitmapAlpha(const Bitmap& src, Point at);
    // The pattern repeated from the local origin over r, as a brush.
    void fillPattern(const Rect& r, const Bitmap& pattern);
    // The disabled look of a picture: its dark pixels embossed in highlight and shadow.
    void drawBitmapGreyed(const Bitmap& src, Point at, Color key);
    // Dotted rectangle with inverted pixels, every other pixel.
    void drawFocusRect(const Rect& r);

    // Text.
    FontMetrics fontMetrics(const FontSpec& font) const;
    Size measureText(const FontSpec& font, std::string_view text,
                     unsigned flags = text::Left) const;
    void drawText(const FontSpec& font, Color color, const Rect& r, std::string_view text,
                  unsigned flags = text::Left);
    // One line with its top-left at p, no prefix processing, clipped by the canvas only.
    void drawTextAt(const FontSpec& font, Color color, Point p, std::string_view text);

  private:
    struct State {
        Point origin;  // device pixels
        Rect clip;     // device pixels of the target
    };
    Rect toTarget(const Rect& local) const {
        return Rect{local.left * scale_, local.top * scale_, local.right * scale_,
                    local.bottom * scale_}
            .translated(state_.origin);
    }
    Point toTarget(Point local) const {
        return {local.x * scale_ + state_.origin.x, local.y * scale_ + state_.origin.y};
    }
    // Nearest-neighbour copy of from over to; pixels of the key colour left out when given.
    void stretch(const Bitmap& src, const Rect& from, const Rect& to, const Color* key);
    // Inverts the unit's block of device pixels.
    void invertUnit(int x, int y);

    Bitmap& target_;
    FontSystem* fonts_;
    int scale_;
    State state_;
    std::vector<State> stack_;
};

// Saves the canvas state and restores it at the end of the scope.
class CanvasSaver {
  public:
    explicit CanvasSaver(Canvas& c) : canvas_(c) { canvas_.save(); }
    ~CanvasSaver() { canvas_.restore(); }
    CanvasSaver(const CanvasSaver&) = delete;
    CanvasSaver& operator=(const CanvasSaver&) = delete;

  private:
    Canvas& canvas_;
};

}  // namespace lymn
