#pragma once

#include <functional>

#include "platform/Bitmap.h"
#include "platform/Control.h"

namespace lymn {

// A scroll bar in the classic look: an arrow button at each end and a thumb on the track between
// them; vertical unless made horizontal.
class TFlatScrollBar : public Control {
  public:
    static constexpr int kWidth = 17;

    explicit TFlatScrollBar(Control* parent);

    bool horizontal() const { return horizontal_; }
    void setHorizontal(bool h);
    int position() const { return position_; }
    int maximum() const { return maximum_; }  // the largest position
    int page() const { return page_; }
    void setRange(int maximum, int page);
    void setPosition(int p);  // clamped; reports a change through onScroll
    // The arrows at the start (top or left) and at the end.
    Rect upArrow() const;
    Rect downArrow() const;
    Rect thumb() const;

    std::function<void(int position)> onScroll;

    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    void timer(int id) override;

  private:
    static void paintRaised(Canvas& c, const Rect& r, bool pressed);
    // The bar's length and a stretch along it from from to to; the coordinate along it.
    int length() const { return horizontal_ ? width() : height(); }
    Rect stretch(int from, int to) const;
    int along(Point p) const { return horizontal_ ? p.x : p.y; }
    int startOf(const Rect& r) const { return horizontal_ ? r.left : r.top; }
    int endOf(const Rect& r) const { return horizontal_ ? r.right : r.bottom; }
    void paintArrow(Canvas& c, const Rect& r, bool up, bool pressed) const;
    void act();

    bool horizontal_ = false;
    Bitmap dither_;
    int position_ = 0;
    int maximum_ = 0;
    int page_ = 1;
    enum class Part { None, Up, Down, PageUp, PageDown, Thumb } held_ = Part::None;
    int dragOffset_ = 0;
};

}  // namespace lymn
