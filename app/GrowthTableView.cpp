#include "app/GrowthTableView.h"

#include <algorithm>
#include <limits>

#include "editors/LightColors.h"
#include "platform/Application.h"

namespace lymn {

namespace {

using sim::GrowthColumn;
using sim::GrowthTable;

const Color kFrame = Color::rgb(0x808080);
const Color kStripe = Color::rgb(0xF5F5F5);
const Color kRule = Color::rgb(0xDDDDDD);
const Color kPinnedText = Color::rgb(0x707070);
const Color kMore = Color::rgb(0x008040);
const Color kLess = Color::rgb(0xC00000);
const FontSpec kNumbers{"MS Sans Serif", 11, false, colors::black};
const FontSpec kHeader{"宋体", 12, false, colors::black};
constexpr int kHeaderRow = 17;
constexpr int kCellPad = 3;
constexpr std::array<const char*, 3> kPartNames{"当前", "对比", "差值"};

}  // namespace

GrowthTableView::GrowthTableView(Control* parent) : Control(parent) {
    setTabStop(true);
    setColor(colors::white);
    vertical_ = &add<TFlatScrollBar>();
    vertical_->onScroll = [this](int p) { setTopLevel(p + 1); };
    horizontal_ = &add<TFlatScrollBar>();
    horizontal_->setHorizontal(true);
    horizontal_->onScroll = [this](int p) { setFirstColumn(p); };
    for (const auto& info : sim::GrowthColumnTable) groups_.push_back({info.column, {}, 0});
}

void GrowthTableView::setTables(const GrowthTable* current, const GrowthTable* pinned) {
    current_ = current;
    pinned_ = pinned;
    measure();
    layout();
    invalidate();
}

void GrowthTableView::setLitLevel(int level) {
    if (level == lit_) return;
    const int old = lit_;
    lit_ = level;
    invalidate(rowRect(old));
    invalidate(rowRect(level));
    if (level >= 1 && rowRect(level).empty()) setTopLevel(level - visibleRows() / 2);
}

int GrowthTableView::headerHeight() const {
    return pinned_ ? 2 * kHeaderRow : kHeaderRow;
}

Rect GrowthTableView::rowsArea() const {
    const int bottom = height() - 1 - (horizontal_->visible() ? TFlatScrollBar::kWidth : 0);
    return {1, 1 + headerHeight(), width() - 1 - TFlatScrollBar::kWidth, bottom};
}

int GrowthTableView::visibleRows() const {
    return std::max(1, rowsArea().height() / kRowHeight);
}

Rect GrowthTableView::rowRect(int level) const {
    const int i = level - 1 - top_;
    if (level < 1 || i < 0 || i >= visibleRows()) return {};
    const Rect a = rowsArea();
    return {a.left, a.top + i * kRowHeight, a.right, a.top + (i + 1) * kRowHeight};
}

void GrowthTableView::measure() {
    Application* app = application();
    if (!app) return;
    FontSystem& fonts = app->fonts();
    levelWidth_ =
        std::max(fonts.textWidth(kNumbers, "200"), fonts.textWidth(kHeader, "等级")) + 2 * kCellPad;
    // The widest text of a column is that of one of its extremes.
    for (Group& g : groups_) {
        const std::string_view name = sim::GrowthColumnTable[static_cast<size_t>(g.value)].name;
        for (int part = 0; part < kParts; ++part) {
            int widest = fonts.textWidth(
                kHeader, pinned_ ? kPartNames[static_cast<size_t>(part)] : std::string(name));
            const GrowthTable* t = part == kPinned ? pinned_ : current_;
            if (t && (part != kDifference || pinned_)) {
                constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
                std::array<int64_t, 2> least{kMax, kMax}, most{-kMax, -kMax};
                for (const sim::GrowthValues& v : t->rows()) {
                    const auto r = v.range(g.value);
                    for (size_t end = 0; end < 2; ++end) {
                        int64_t x = r[end];
                        if (part == kDifference) x -= pinned_->at(v.level).range(g.value)[end];
                        least[end] = std::min(least[end], x);
                        most[end] = std::max(most[end], x);
                    }
                }
                for (const auto& ends : {least, most}) {
                    // A difference has a sign and its damage ends are joined by "/".
                    const bool sign = part == kDifference;
                    std::string text = (sign ? "+" : "") + std::to_string(ends[0]);
                    if (g.value == GrowthColumn::Damage)
                        text += (sign ? "/+" : "-") + std::to_string(ends[1]);
                    widest = std::max(widest, fonts.textWidth(kNumbers, text));
                }
            }
            g.widths[static_cast<size_t>(part)] = widest + 2 * kCellPad;
        }
        g.width = 0;
        for (int part = 0; part < parts(); ++part) g.width += g.widths[static_cast<size_t>(part)];
        if (pinned_) g.width = std::max(g.width, fonts.textWidth(kHeader, std::string(name)) + 8);
    }
}

void GrowthTableView::layout() {
    // Whether the values fit beside the level column decides the horizontal bar, which takes
    // rows away.
    const int across = width() - 2 - TFlatScrollBar::kWidth - levelWidth_;
    int fromEnd = 0;
    int lastFirst = static_cast<int>(groups_.size());
    while (lastFirst > 0 && fromEnd + groups_[static_cast<size_t>(lastFirst - 1)].width <= across)
        fromEnd += groups_[static_cast<size_t>(--lastFirst)].width;
    horizontal_->setVisible(lastFirst > 0);
    spare_ = lastFirst > 0 ? 0 : (across - fromEnd) / static_cast<int>(groups_.size());
    const int bars = horizontal_->visible() ? TFlatScrollBar::kWidth : 0;
    vertical_->setBounds(width() - 1 - TFlatScrollBar::kWidth, 1, TFlatScrollBar::kWidth,
                         height() - 2 - bars);
    horizontal_->setBounds(1, height() - 1 - TFlatScrollBar::kWidth,
                           width() - 2 - TFlatScrollBar::kWidth, TFlatScrollBar::kWidth);
    const int rows = current_ || pinned_ ? GrowthTable::kLevels : 0;
    vertical_->setRange(rows - visibleRows(), visibleRows());
    horizontal_->setRange(lastFirst, static_cast<int>(groups_.size()) - lastFirst);
    setTopLevel(topLevel());
    setFirstColumn(first_);
}

void GrowthTableView::setTopLevel(int level) {
    const int top = std::clamp(level - 1, 0, std::max(0, GrowthTable::kLevels - visibleRows()));
    if (top == top_) return;
    top_ = top;
    vertical_->setPosition(top);
    invalidate();
}

void GrowthTableView::setFirstColumn(int column) {
    const int first = std::clamp(column, 0, horizontal_->visible() ? horizontal_->maximum() : 0);
    if (first == first_) return;
    first_ = first;
    horizontal_->setPosition(first);
    invalidate();
}

std::string GrowthTableView::cellText(GrowthColumn value, Part part, int level,
                                      Color& colour) const {
    colour = colors::black;
    if (part == kPinned) {
        colour = kPinnedText;
        return pinned_->at(level).text(value);
    }
    if (!current_) return "";
    if (part == kCurrent) return current_->at(level).text(value);
    std::string d = current_->at(level).differenceText(pinned_->at(level), value);
    colour = d[0] == '+' ? kMore : d[0] == '-' ? kLess : kPinnedText;
    return d;
}

void GrowthTableView::paintHeader(Canvas& c, const Rect& area) {
    const Rect header{area.left, 1, area.right, 1 + headerHeight()};
    c.fillRect(header, sysColor(SysColor::ButtonFace));
    c.fillRect({header.left, header.bottom - 1, header.right, header.bottom},
               sysColor(SysColor::ButtonShadow));
    const unsigned centred = text::HCenter | text::VCenter | text::NoPrefix;
    c.drawText(kHeader, colors::black, {1, 1, 1 + levelWidth_, header.bottom}, "等级", centred);
    CanvasSaver saver(c);
    c.intersectClip({1 + levelWidth_, 0, area.right, header.bottom});
    int x = 1 + levelWidth_;
    for (size_t g = static_cast<size_t>(first_); g < groups_.size() && x < area.right; ++g) {
        const Group& group = groups_[g];
        const int width = group.width + spare_;
        const std::string name(sim::GrowthColumnTable[g].name);
        if (!pinned_) {
            c.drawText(kHeader, colors::black, {x, 1, x + width, header.bottom}, name, centred);
        } else {
            c.drawText(kHeader, colors::black, {x, 1, x + width, 1 + kHeaderRow}, name, centred);
            int px = x;
            for (size_t part = 0; part < kParts; ++part) {
                const int w = group.widths[part] + (part == kCurrent ? spare_ : 0);
                c.drawText(kHeader, part == kCurrent ? colors::black : kPinnedText,
                           {px, 1 + kHeaderRow, px + w, header.bottom}, kPartNames[part], centred);
                px += w;
            }
        }
        x += width;
        c.fillRect({x - 1, 1, x, header.bottom}, sysColor(SysColor::ButtonShadow));
    }
}

void GrowthTableView::paintRow(Canvas& c, int level, const Rect& r) {
    const Color background = level == lit_    ? lightSelectionColor()
                             : level % 2 == 0 ? kStripe
                                              : colors::white;
    c.fillRect(r, background);
    const unsigned right = text::Right | text::VCenter | text::NoPrefix;
    c.drawText(kNumbers, colors::black, {r.left, r.top, r.left + levelWidth_ - kCellPad, r.bottom},
               std::to_string(level), right);
    c.fillRect({r.left + levelWidth_ - 1, r.top, r.left + levelWidth_, r.bottom}, kFrame);
    CanvasSaver saver(c);
    c.intersectClip({r.left + levelWidth_, r.top, r.right, r.bottom});
    int x = r.left + levelWidth_;
    for (size_t g = static_cast<size_t>(first_); g < groups_.size() && x < r.right; ++g) {
        const Group& group = groups_[g];
        for (int part = 0; part < parts(); ++part) {
            const int w = group.widths[static_cast<size_t>(part)] + (part == kCurrent ? spare_ : 0);
            Color colour;
            const std::string text = cellText(group.value, Part(part), level, colour);
            c.drawText(kNumbers, colour, {x, r.top, x + w - kCellPad, r.bottom}, text, right);
            x += w;
        }
        c.fillRect({x - 1, r.top, x, r.bottom}, kRule);
    }
}

void GrowthTableView::paint(Canvas& c) {
    c.fillRect(clientRect(), colors::white);
    c.frameRect(clientRect(), kFrame);
    const Rect area = rowsArea();
    paintHeader(c, area);
    const Rect clip = c.clip();
    // Nothing picked: an empty table under its header.
    const int rows = current_ || pinned_ ? GrowthTable::kLevels : 0;
    for (int level = top_ + 1; level <= std::min(rows, top_ + visibleRows()); ++level) {
        const Rect r = rowRect(level);
        if (r.intersects(clip)) paintRow(c, level, r);
    }
    if (horizontal_->visible())
        c.fillRect({width() - 1 - TFlatScrollBar::kWidth, height() - 1 - TFlatScrollBar::kWidth,
                    width() - 1, height() - 1},
                   sysColor(SysColor::ButtonFace));
    if (focused()) c.drawFocusRect(area.inflated(-1, -1));
}

bool GrowthTableView::wantsKey(const KeyEvent& e) const {
    if (e.mods & (mods::Ctrl | mods::Alt)) return false;
    switch (e.key) {
        case Key::Up:
        case Key::Down:
        case Key::Left:
        case Key::Right:
        case Key::PageUp:
        case Key::PageDown:
        case Key::Home:
        case Key::End:
            return true;
        default:
            return false;
    }
}

bool GrowthTableView::keyDown(const KeyEvent& e) {
    if (!wantsKey(e)) return false;
    const int page = visibleRows();
    switch (e.key) {
        case Key::Up:
            setTopLevel(topLevel() - 1);
            break;
        case Key::Down:
            setTopLevel(topLevel() + 1);
            break;
        case Key::PageUp:
            setTopLevel(topLevel() - page);
            break;
        case Key::PageDown:
            setTopLevel(topLevel() + page);
            break;
        case Key::Home:
            setTopLevel(1);
            break;
        case Key::End:
            setTopLevel(GrowthTable::kLevels);
            break;
        case Key::Left:
            setFirstColumn(first_ - 1);
            break;
        default:
            setFirstColumn(first_ + 1);
            break;
    }
    return true;
}

bool GrowthTableView::mouseWheel(int notches) {
    setTopLevel(topLevel() - 3 * notches);
    return true;
}

void GrowthTableView::mouseDown(const MouseEvent&) {
    setFocus();
}

}  // namespace lymn
