#pragma once

#include <functional>

#include "platform/Control.h"

namespace lymn {

// A vertical scroll bar in the classic look: an arrow button at each end and a thumb on the
// track between them.
class TFlatScrollBar : public Control {
  public:
    static constexpr int kWidth = 17;

    explicit TFlatScrollBar(Control* parent);

    int position() const { return position_; }
    int maximum() const { return maximum_; }  // the largest position
    int page() const { return page_; }
    void setRange(int maximum, int page);
    void setPosition(int p);  // clamped; reports a change through onScroll
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
    void paintArrow(Canvas& c, const Rect& r, bool up, bool pressed) const;
    void act();

    int position_ = 0;
    int maximum_ = 0;
    int page_ = 1;
    enum class Part { None, Up, Down, PageUp, PageDown, Thumb } held_ = Part::None;
    int dragOffset_ = 0;
};

}  // namespace lymn
