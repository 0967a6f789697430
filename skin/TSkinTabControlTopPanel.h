#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

class TSkinTab;

// The strip of picture tabs along the top of a tab container.
class TSkinTabControlTopPanel : public Control {
  public:
    static constexpr int kMaxRecorded = 63;
    static constexpr int kMaxTabs = 64;

    explicit TSkinTabControlTopPanel(Control* parent);

    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    const std::vector<std::string>& Tabs() const { return tabs_; }
    void setTabs(std::vector<std::string> tabs);
    int TabIndex() const { return tabIndex_; }
    // Selects a tab and runs the owner's tab activation (also for the selected tab); an index
    // outside the tabs only repaints.
    void setTabIndex(int i);
    int LeftMargin() const { return leftMargin_; }
    void setLeftMargin(int m);
    bool tabVisible(int i) const;
    void setTabVisible(int i, bool v);
    // The drawn width of tab i (-1: not drawn yet, 0: hidden), as of the last paint.
    int tabWidth(int i) const;
    int tabHeight() const { return tabHeight_; }
    const Bitmap& tabPicture(bool active) const { return active ? active_ : inactive_; }
    const Bitmap& linePicture() const { return line_; }
    // A tab's rectangle in strip coordinates, from the recorded widths.
    Rect tabRect(int i) const;

    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;
    void fontChanged() override;
    void resized() override;

  private:
    TSkinTab* owner() const;
    // Records the widths the tabs take with their captions in the strip's font.
    void measure();
    // Stretches the line picture over the strip's width, between the two border pixels.
    void stretchLine();

    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    std::vector<std::string> tabs_{"Tab1"};
    int tabIndex_ = 0;
    int leftMargin_ = 10;
    // The style's pictures, decoded when the style changes: active tab, inactive tab, line.
    Bitmap active_, inactive_, line_;
    Bitmap lineBand_;
    int tabHeight_ = 0;
    std::array<int, kMaxTabs> widths_;
    std::array<bool, kMaxTabs> visible_;
};

}  // namespace lymn
