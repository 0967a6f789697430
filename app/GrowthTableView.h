#pragma once

#include <array>
#include <string>
#include <vector>

#include "editors/TFlatScrollBar.h"
#include "platform/Control.h"
#include "sim/GrowthTable.h"

namespace lymn {

// The growth table: a row per level and a column per value under a header, the level column
// standing still while the values scroll sideways. With a pinned build each value is followed
// by the pinned one and the difference. The character's level is lit.
class GrowthTableView : public Control {
  public:
    static constexpr int kRowHeight = 15;

    explicit GrowthTableView(Control* parent);

    // The tables shown (the page keeps them); no current table: empty cells.
    void setTables(const sim::GrowthTable* current, const sim::GrowthTable* pinned);
    // The character's level, lit and scrolled into view.
    void setLitLevel(int level);
    int litLevel() const { return lit_; }

    // The first level shown, and the first value column after the level column.
    int topLevel() const { return top_ + 1; }
    void setTopLevel(int level);
    int firstColumn() const { return first_; }
    void setFirstColumn(int column);
    int visibleRows() const;
    // A level's row rectangle (empty when scrolled out of view).
    Rect rowRect(int level) const;
    TFlatScrollBar& verticalBar() { return *vertical_; }
    TFlatScrollBar& horizontalBar() { return *horizontal_; }

    void paint(Canvas& canvas) override;
    bool opaque() const override { return true; }
    bool acceptsFocus() const override { return true; }
    bool wantsKey(const KeyEvent& e) const override;
    bool keyDown(const KeyEvent& e) override;
    bool mouseWheel(int notches) override;
    void mouseDown(const MouseEvent& e) override;
    void focusIn() override { invalidate(); }
    void focusOut() override { invalidate(); }
    void resized() override { layout(); }

  private:
    // A value's columns: the current build's, then with a pinned build the pinned one's and
    // the difference.
    enum Part { kCurrent, kPinned, kDifference, kParts };
    struct Group {
        sim::GrowthColumn value;
        std::array<int, kParts> widths;
        int width;
    };

    void layout();
    void measure();
    int headerHeight() const;
    Rect rowsArea() const;
    int parts() const { return pinned_ ? kParts : 1; }
    std::string cellText(sim::GrowthColumn value, Part part, int level, Color& colour) const;
    void paintHeader(Canvas& c, const Rect& area);
    void paintRow(Canvas& c, int level, const Rect& r);

    const sim::GrowthTable* current_ = nullptr;
    const sim::GrowthTable* pinned_ = nullptr;
    std::vector<Group> groups_;
    int levelWidth_ = 30;
    // Room left over when every value fits, shared out among the values.
    int spare_ = 0;
    int top_ = 0;
    int first_ = 0;
    int lit_ = 0;
    TFlatScrollBar* vertical_ = nullptr;
    TFlatScrollBar* horizontal_ = nullptr;
};

}  // namespace lymn
