#pragma once

#include <functional>

#include "app/GrowthChart.h"
#include "platform/Control.h"

namespace lymn {

// The chart's legend: one entry per value, a box in the value's colour and its name; a click on
// an entry, or Space on the entry the arrow keys reached, switches its line on or off.
class GrowthLegend : public Control {
  public:
    static constexpr int kColumns = 6;
    static constexpr int kRowHeight = 16;

    explicit GrowthLegend(Control* parent);

    const GrowthColumns& shown() const { return shown_; }
    void setShown(const GrowthColumns& shown);
    void toggle(sim::GrowthColumn c);
    // An entry's rectangle in the legend's coordinates.
    Rect entryRect(sim::GrowthColumn c) const;

    std::function<void(const GrowthColumns&)> onChange;

    // The entry the keys act on.
    sim::GrowthColumn current() const { return current_; }

    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;
    bool acceptsFocus() const override { return true; }
    bool wantsKey(const KeyEvent& e) const override;
    bool keyDown(const KeyEvent& e) override;
    void focusIn() override { invalidate(entryRect(current_)); }
    void focusOut() override { invalidate(entryRect(current_)); }

  private:
    void setCurrent(sim::GrowthColumn c);

    GrowthColumns shown_{};
    sim::GrowthColumn current_ = sim::GrowthColumn::Strength;
};

}  // namespace lymn
