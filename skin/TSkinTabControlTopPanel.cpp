#include "skin/TSkinTabControlTopPanel.h"

#include <algorithm>

#include "platform/Application.h"
#include "skin/SliceDraw.h"
#include "skin/TSkinTab.h"
#include "skin/ThemeTable.h"

namespace lymn {

TSkinTabControlTopPanel::TSkinTabControlTopPanel(Control* parent) : Control(parent) {
    widths_.fill(-1);
    visible_.fill(true);
    setAlign(Align::Top);
}

TSkinTab* TSkinTabControlTopPanel::owner() const {
    return dynamic_cast<TSkinTab*>(parent());
}

void TSkinTabControlTopPanel::setUIStyle(TSkinUIStyle s) {
    style_ = s;
    const std::string active = GetThemeString(s, theme::TabActive);
    if (active.empty()) {
        active_ = inactive_ = line_ = Bitmap();
    } else {
        LoadThemeBitmap(active_, active, scale());
        LoadThemeBitmap(inactive_, GetThemeString(s, theme::TabInactive), scale());
        LoadThemeBitmap(line_, GetThemeString(s, theme::TabLine), scale());
        tabHeight_ = active_.height();
    }
    setHeight(GetThemeInt(s, theme::TabStripHeight));
    stretchLine();
    invalidate();
}

void TSkinTabControlTopPanel::resized() {
    stretchLine();
    invalidate();
}

void TSkinTabControlTopPanel::stretchLine() {
    // Done when the style or the width changes rather than at every paint; the same pixels.
    const Size band{width() - 2, line_.height()};
    if (line_.empty() || band.width <= 0) {
        lineBand_ = Bitmap();
        return;
    }
    lineBand_ = Bitmap(band.width, band.height, colors::black, line_.scale());
    Canvas c(lineBand_);
    c.stretchBitmap(line_, line_.rect(), Rect::ofSize(band));
}

void TSkinTabControlTopPanel::fontChanged() {
    measure();
    invalidate();
}

void TSkinTabControlTopPanel::setTabs(std::vector<std::string> tabs) {
    tabs_ = std::move(tabs);
    measure();
    invalidate();
}

void TSkinTabControlTopPanel::setTabIndex(int i) {
    const int n = static_cast<int>(tabs_.size());
    if (n == 0) {
        tabIndex_ = -1;
        invalidate();
        return;
    }
    if (i < -1 || i >= n) {
        invalidate();
        return;
    }
    tabIndex_ = i;
    invalidate();
    if (TSkinTab* o = owner()) o->tabActivated(i);
}

void TSkinTabControlTopPanel::setLeftMargin(int m) {
    if (m == leftMargin_) return;
    leftMargin_ = m;
    invalidate();
}

bool TSkinTabControlTopPanel::tabVisible(int i) const {
    return i >= 0 && i < kMaxTabs ? visible_[static_cast<size_t>(i)] : true;
}

void TSkinTabControlTopPanel::setTabVisible(int i, bool v) {
    if (i < 0 || i >= kMaxTabs) return;
    visible_[static_cast<size_t>(i)] = v;
    measure();
    invalidate();
}

int TSkinTabControlTopPanel::tabWidth(int i) const {
    return i >= 0 && i < kMaxRecorded ? widths_[static_cast<size_t>(i)] : -1;
}

Rect TSkinTabControlTopPanel::tabRect(int i) const {
    int x = leftMargin_;
    for (int k = 0; k < i; ++k) x += std::max(tabWidth(k), 0);
    const int w = tabWidth(i);
    if (w <= 0) return {};
    return i == tabIndex_ ? Rect{x, 1, x + w, tabHeight_ + 1} : Rect{x, 0, x + w, tabHeight_};
}

void TSkinTabControlTopPanel::measure() {
    Application* app = application();
    if (!app) return;
    for (size_t i = 0; i < tabs_.size() && i < static_cast<size_t>(kMaxRecorded); ++i) {
        if (!visible_[i]) {
            widths_[i] = 0;
            continue;
        }
        const int w = tabs_[i].empty()
                          ? 80
                          : app->fonts().textWidth(font(), processPrefix(tabs_[i]).display) + 20;
        widths_[i] = std::max(w, 15);
    }
}

void TSkinTabControlTopPanel::paint(Canvas& c) {
    // The container's parent paints itself under the container: the frame's body shows
    // wherever there is no tab.
    if (TSkinTab* o = owner()) o->paintParentBackground(c);
    if (active_.empty()) return;
    const int h = inactive_.height();
    const Color border = owner() ? owner()->BorderColor() : colors::black;
    c.drawBitmap(lineBand_, {1, h});
    c.fillRect({0, h, 1, h + line_.height()}, border);
    c.fillRect({width() - 1, h, width(), h + line_.height()}, border);
    int x = leftMargin_;
    for (size_t i = 0; i < tabs_.size(); ++i) {
        const int w = i < static_cast<size_t>(kMaxRecorded) ? widths_[i] : 0;
        if (w <= 0) continue;
        const bool selected = static_cast<int>(i) == tabIndex_;
        const Rect r = selected ? Rect{x, 1, x + w, h + 1} : Rect{x, 0, x + w, h};
        SliceDrawHorizontal(selected ? active_ : inactive_, c, r, true);
        c.drawText(font(), font().color, r, tabs_[i], text::HCenter | text::VCenter);
        x += w;
    }
}

void TSkinTabControlTopPanel::mouseDown(const MouseEvent& e) {
    invalidate();
    int left = leftMargin_;
    for (int i = 0; i < kMaxRecorded && i < static_cast<int>(tabs_.size()); ++i) {
        const int w = widths_[static_cast<size_t>(i)];
        if (w < 0) break;
        if (left < e.pos.x && e.pos.x < left + w && 0 < e.pos.y && e.pos.y < tabHeight_) {
            setTabIndex(i);
            return;
        }
        left += w;
    }
}

}  // namespace lymn
