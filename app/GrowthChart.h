#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/OutlinePainter.h"
#include "sim/GrowthTable.h"

namespace lymn {

// Which values the chart draws, by column.
using GrowthColumns = std::array<bool, sim::kGrowthColumnCount>;

// The character's level on the character page and what its labels show there (points spent
// included); a value whose label is not a number is left out.
struct GrowthMarker {
    int level = 0;
    std::array<std::optional<std::array<int32_t, 2>>, sim::kGrowthColumnCount> values;

    friend bool operator==(const GrowthMarker&, const GrowthMarker&) = default;
};

// The growth curves of levels 1 to 200: one anti-aliased line per value switched on (two for the
// damage's ends), a pinned build's lines dashed in the same colours, axes on a scale that fits
// the values drawn, the character's level marked with its values. The pointer, or Left and
// Right, picks a level: a vertical line and a panel with the values there.
class GrowthChart : public Control {
  public:
    explicit GrowthChart(Control* parent);

    static Color seriesColor(sim::GrowthColumn c);

    // The tables drawn (the page keeps them); none: nothing is drawn.
    void setTables(const sim::GrowthTable* current, const sim::GrowthTable* pinned);
    void setShown(const GrowthColumns& shown);
    const GrowthColumns& shown() const { return shown_; }
    void setMarker(const std::optional<GrowthMarker>& marker);
    // A text shown instead of the curves (empty: the curves).
    void setMessage(const std::string& text);
    const std::string& message() const { return message_; }

    // The level the pointer or the keys picked; 0: none.
    int hoverLevel() const { return hover_; }
    void setHoverLevel(int level);

    // Geometry, in the chart's coordinates: the area of the curves, a level's x and a value's y,
    // and the level under an x.
    Rect plotArea() const;
    double xOf(int level) const;
    double yOf(double value) const;
    int levelAt(int x) const;
    // The rectangles the hover draws for a level: its line and its panel.
    Rect hoverLineRect(int level) const;
    Rect hoverPanelRect(int level) const;
    // The scale's lowest and highest value and its step.
    double scaleBottom() const { return bottom_; }
    double scaleTop() const { return top_; }

    void paint(Canvas& canvas) override;
    bool opaque() const override { return true; }
    bool acceptsFocus() const override { return true; }
    bool wantsKey(const KeyEvent& e) const override;
    bool keyDown(const KeyEvent& e) override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseLeave() override;
    void focusIn() override;
    void focusOut() override;
    void resized() override;

  private:
    // Everything but the hover and the focus, drawn again only when it changes.
    void drawLayer();
    void drawAxes(Canvas& c);
    void drawCurves(Canvas& c, const sim::GrowthTable& table, bool dashed);
    void drawMarker(Canvas& c);
    void drawMessage(Canvas& c);
    void drawHover(Canvas& c);
    // The scale for the values drawn, and the left margin its labels need.
    void fitScale();
    void changed();
    bool hasCurves() const;

    const sim::GrowthTable* current_ = nullptr;
    const sim::GrowthTable* pinned_ = nullptr;
    GrowthColumns shown_{};
    std::optional<GrowthMarker> marker_;
    std::string message_;
    int hover_ = 0;
    double bottom_ = 0;
    double top_ = 1;
    double step_ = 1;
    int leftMargin_ = 30;
    OutlinePainter painter_;
    Bitmap layer_;
    bool layerValid_ = false;
};

}  // namespace lymn
