#pragma once

#include <functional>

#include "app/GrowthChart.h"
#include "platform/Control.h"

namespace lymn {

// The chart's legend: one entry per value, a box in the value's colour and its name; a click on
// an entry switches its line on or off.
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

    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;

  private:
    GrowthColumns shown_{};
};

}  // namespace lymn
