#include "app/GrowthChart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/Application.h"

namespace lymn {

namespace {

using sim::GrowthColumn;

const Color kFrame = Color::rgb(0x808080);
const Color kGrid = Color::rgb(0xE6E6E6);
const Color kAxis = Color::rgb(0x808080);
const Color kAxisText = Color::rgb(0x404040);
const Color kMarkerLine = Color::rgb(0x909090);
const Color kHoverLine = Color::rgb(0x505050);
const Color kPanel = Color::rgb(0xFFFFE1);
const Color kPinnedText = Color::rgb(0x808080);
const Color kMessage = Color::rgb(0x800000);
const FontSpec kNumbers{"MS Sans Serif", 11, false, colors::black};
const FontSpec kNames{"宋体", 12, false, colors::black};
const FontSpec kMessageFont{"宋体", 13, false, colors::black};

constexpr int kTop = 10;
constexpr int kRightMargin = 10;
constexpr int kBottomMargin = 22;
constexpr int kPanelRow = 12;
constexpr int kPanelPad = 4;
constexpr double kLineWidth = 1.6;
constexpr std::array<double, 2> kDash{4, 3};
constexpr std::array<int, 5> kLevelTicks{1, 50, 100, 150, 200};

// A number on the value axis, short: ten thousands as 万, hundred millions as 亿.
std::string axisText(double v) {
    auto shortened = [](double x, const char* unit) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.2f", x);
        std::string s = buffer;
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
        return s + unit;
    };
    if (std::fabs(v) >= 1e8) return shortened(v / 1e8, "亿");
    if (std::fabs(v) >= 1e4) return shortened(v / 1e4, "万");
    return std::to_string(static_cast<long long>(v));
}

// A step of 1, 2 or 5 times a power of ten giving about four intervals over the range.
double niceStep(double range) {
    const double raw = range / 4;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double n = raw / power;
    const double step = (n <= 1 ? 1 : n <= 2 ? 2 : n <= 5 ? 5 : 10) * power;
    return std::max(step, 1.0);
}

}  // namespace

GrowthChart::GrowthChart(Control* parent) : Control(parent) {
    setTabStop(true);
    setColor(colors::white);
}

Color GrowthChart::seriesColor(GrowthColumn c) {
    static constexpr std::array<uint32_t, sim::kGrowthColumnCount> kColors = {
        0xB03A2E,  // strength
        0xB8860B,  // constitution
        0x6A4FB3,  // spirit
        0x5D6D7E,  // sinew
        0x008040,  // life: the green of the window's value bands
        0x1F5FBF,  // mana
        0xDA7607,  // stamina: the orange of the level caption
        0x800000,  // attack
        0xC0407A,  // damage
        0x800080,  // defence
        0x17899A,  // spell effect
    };
    return Color::rgb(kColors[static_cast<size_t>(c)]);
}

void GrowthChart::setTables(const sim::GrowthTable* current, const sim::GrowthTable* pinned) {
    current_ = current;
    pinned_ = pinned;
    changed();
}

void GrowthChart::setShown(const GrowthColumns& shown) {
    if (shown == shown_) return;
    shown_ = shown;
    changed();
}

void GrowthChart::setMarker(const std::optional<GrowthMarker>& marker) {
    if (marker == marker_) return;
    marker_ = marker;
    changed();
}

void GrowthChart::setMessage(const std::string& text) {
    if (text == message_) return;
    message_ = text;
    changed();
}

void GrowthChart::changed() {
    layerValid_ = false;
    fitScale();
    invalidate();
}

void GrowthChart::resized() {
    changed();
}

bool GrowthChart::hasCurves() const {
    return message_.empty() && (current_ || pinned_);
}

void GrowthChart::fitScale() {
    double lo = 0, hi = 0;
    bool any = false;
    auto take = [&](double v) {
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    };
    for (const auto& info : sim::GrowthColumnTable) {
        if (!shown_[static_cast<size_t>(info.column)]) continue;
        for (const sim::GrowthTable* t : {current_, pinned_}) {
            if (!t) continue;
            for (const sim::GrowthValues& v : t->rows())
                for (int32_t x : v.range(info.column)) take(x);
        }
        if (marker_)
            if (const auto& m = marker_->values[static_cast<size_t>(info.column)])
                for (int32_t x : *m) take(x);
    }
    // Zero stays in view: the curves read as growth from nothing.
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    if (hi <= lo) hi = lo + 1;
    step_ = niceStep(hi - lo);
    bottom_ = std::floor(lo / step_) * step_;
    top_ = std::ceil(hi / step_) * step_;
    int widest = 0;
    if (Application* app = application())
        for (double v = bottom_; v <= top_ + step_ / 2; v += step_)
            widest = std::max(widest, app->fonts().textWidth(kNumbers, axisText(v)));
    leftMargin_ = std::max(widest + 8, 26);
}

Rect GrowthChart::plotArea() const {
    return {leftMargin_, kTop, width() - kRightMargin, height() - kBottomMargin};
}

double GrowthChart::xOf(int level) const {
    const Rect p = plotArea();
    return p.left + 0.5 + (level - 1) * (p.width() - 1) / double(sim::GrowthTable::kLevels - 1);
}

double GrowthChart::yOf(double value) const {
    const Rect p = plotArea();
    return p.bottom - 0.5 - (value - bottom_) / (top_ - bottom_) * (p.height() - 1);
}

int GrowthChart::levelAt(int x) const {
    const Rect p = plotArea();
    if (x < p.left || x >= p.right || p.width() < 2) return 0;
    const double t = (x - p.left) / double(p.width() - 1);
    return std::clamp(static_cast<int>(std::lround(t * (sim::GrowthTable::kLevels - 1))) + 1, 1,
                      sim::GrowthTable::kLevels);
}

Rect GrowthChart::hoverLineRect(int level) const {
    if (level < 1) return {};
    const Rect p = plotArea();
    const int x = static_cast<int>(std::floor(xOf(level)));
    return {x, p.top, x + 1, p.bottom};
}

void GrowthChart::drawLayer() {
    Application* app = application();
    if (!app) return;
    const int s = scale();
    if (layer_.width() != width() || layer_.height() != height() || layer_.scale() != s)
        layer_.resize(width(), height(), colors::white, s);
    Canvas c(layer_, &app->fonts());
    c.fillRect(clientRect(), colors::white);
    c.frameRect(clientRect(), kFrame);
    if (!message_.empty()) {
        drawMessage(c);
    } else if (current_ || pinned_) {
        drawAxes(c);
        CanvasSaver saver(c);
        c.intersectClip(plotArea());
        if (pinned_) drawCurves(c, *pinned_, true);
        if (current_) drawCurves(c, *current_, false);
        drawMarker(c);
    }
    layerValid_ = true;
}

void GrowthChart::drawMessage(Canvas& c) {
    c.drawText(kMessageFont, kMessage, clientRect().inflated(-8, -8), message_,
               text::HCenter | text::VCenter | text::NoPrefix);
}

void GrowthChart::drawAxes(Canvas& c) {
    const Rect p = plotArea();
    for (double v = bottom_; v <= top_ + step_ / 2; v += step_) {
        const int y = static_cast<int>(std::floor(yOf(v)));
        c.fillRect({p.left, y, p.right, y + 1}, v == 0 ? kAxis : kGrid);
        const Rect label{0, y - 7, p.left - 4, y + 8};
        c.drawText(kNumbers, kAxisText, label, axisText(v),
                   text::Right | text::VCenter | text::NoPrefix | text::NoClip);
    }
    for (int level : kLevelTicks) {
        const int x = static_cast<int>(std::floor(xOf(level)));
        if (level > 1) c.fillRect({x, p.top, x + 1, p.bottom}, kGrid);
        c.fillRect({x, p.bottom, x + 1, p.bottom + 3}, kAxis);
        const Rect label{x - 20, p.bottom + 3, x + 21, height() - 2};
        c.drawText(kNumbers, kAxisText, label, std::to_string(level),
                   text::HCenter | text::Top | text::NoPrefix);
    }
    c.fillRect({p.left, p.top, p.left + 1, p.bottom}, kAxis);
    c.fillRect({p.left, p.bottom - 1, p.right, p.bottom}, kAxis);
    // Below the lowest value's label, left of the first level.
    c.drawText(kNames, kAxisText, {2, p.bottom + 3, p.left - 4, height() - 2}, "等级",
               text::Right | text::Bottom | text::NoPrefix);
}

void GrowthChart::drawCurves(Canvas& c, const sim::GrowthTable& table, bool dashed) {
    std::vector<PointF> points(sim::GrowthTable::kLevels);
    for (const auto& info : sim::GrowthColumnTable) {
        if (!shown_[static_cast<size_t>(info.column)]) continue;
        const size_t ends = info.column == GrowthColumn::Damage ? 2 : 1;
        for (size_t end = 0; end < ends; ++end) {
            for (int level = 1; level <= sim::GrowthTable::kLevels; ++level)
                points[static_cast<size_t>(level - 1)] = {
                    xOf(level), yOf(table.at(level).range(info.column)[end])};
            painter_.polyline(c, points, kLineWidth, seriesColor(info.column),
                              dashed ? std::span<const double>(kDash) : std::span<const double>());
        }
    }
}

void GrowthChart::drawMarker(Canvas& c) {
    if (!marker_ || marker_->level < 1 || marker_->level > sim::GrowthTable::kLevels) return;
    const Rect p = plotArea();
    const double x = xOf(marker_->level);
    // A dotted upright line: two units drawn, two left out.
    const int column = static_cast<int>(std::floor(x));
    for (int y = p.top; y < p.bottom; y += 4)
        c.fillRect({column, y, column + 1, std::min(y + 2, p.bottom)}, kMarkerLine);
    for (const auto& info : sim::GrowthColumnTable) {
        const auto& v = marker_->values[static_cast<size_t>(info.column)];
        if (!shown_[static_cast<size_t>(info.column)] || !v) continue;
        for (int32_t end : *v) {
            painter_.disc(c, {x, yOf(end)}, 3.4, colors::white);
            painter_.disc(c, {x, yOf(end)}, 2.4, seriesColor(info.column));
        }
    }
}

Rect GrowthChart::hoverPanelRect(int level) const {
    Application* app = application();
    if (level < 1 || !app || !hasCurves()) return {};
    FontSystem& fonts = app->fonts();
    int rows = 1, names = 0, values = fonts.textWidth(kNames, "等级 " + std::to_string(level));
    int pins = 0;
    for (const auto& info : sim::GrowthColumnTable) {
        if (!shown_[static_cast<size_t>(info.column)]) continue;
        ++rows;
        names = std::max(names, fonts.textWidth(kNames, info.name));
        if (current_)
            values =
                std::max(values, fonts.textWidth(kNumbers, current_->at(level).text(info.column)));
        if (pinned_)
            pins = std::max(pins, fonts.textWidth(kNumbers, pinned_->at(level).text(info.column)));
    }
    const int w = 2 * kPanelPad + 12 + names + 8 + values + (pinned_ ? 8 + pins : 0);
    const int h = 2 * kPanelPad + rows * kPanelRow;
    const Rect p = plotArea();
    const int lineX = hoverLineRect(level).left;
    int x = lineX + 8;
    if (x + w > p.right) x = std::max(1, lineX - 8 - w);
    return Rect::xywh(x, p.top + 4, w, h);
}

void GrowthChart::drawHover(Canvas& c) {
    c.fillRect(hoverLineRect(hover_), kHoverLine);
    const Rect panel = hoverPanelRect(hover_);
    c.fillRect(panel, kPanel);
    c.frameRect(panel, colors::black);
    const Rect inner = panel.inflated(-kPanelPad, -kPanelPad);
    const unsigned flags = text::NoPrefix | text::VCenter;
    int y = inner.top;
    c.drawText(kNames, colors::black, {inner.left, y, inner.right, y + kPanelRow},
               "等级 " + std::to_string(hover_), flags);
    // The pinned build's values stand in their own column on the right.
    int pinsLeft = inner.right;
    if (pinned_)
        for (const auto& info : sim::GrowthColumnTable)
            if (shown_[static_cast<size_t>(info.column)])
                pinsLeft = std::min(
                    pinsLeft, inner.right - application()->fonts().textWidth(
                                                kNumbers, pinned_->at(hover_).text(info.column)));
    const int valuesRight = pinned_ ? pinsLeft - 8 : inner.right;
    for (const auto& info : sim::GrowthColumnTable) {
        if (!shown_[static_cast<size_t>(info.column)]) continue;
        y += kPanelRow;
        const int mid = y + kPanelRow / 2;
        c.fillRect({inner.left, mid - 1, inner.left + 9, mid + 1}, seriesColor(info.column));
        c.drawText(kNames, colors::black, {inner.left + 12, y, inner.right, y + kPanelRow},
                   info.name, flags);
        if (current_)
            c.drawText(kNumbers, colors::black, {inner.left, y, valuesRight, y + kPanelRow},
                       current_->at(hover_).text(info.column), flags | text::Right);
        if (pinned_)
            c.drawText(kNumbers, kPinnedText, {inner.left, y, inner.right, y + kPanelRow},
                       pinned_->at(hover_).text(info.column), flags | text::Right);
    }
}

void GrowthChart::paint(Canvas& c) {
    if (!layerValid_) drawLayer();
    c.drawBitmap(layer_, {0, 0});
    if (hover_ > 0 && hasCurves()) drawHover(c);
    if (focused()) c.drawFocusRect(clientRect().inflated(-2, -2));
}

void GrowthChart::setHoverLevel(int level) {
    level = std::clamp(level, 0, sim::GrowthTable::kLevels);
    if (level == hover_) return;
    if (hover_ > 0) {
        invalidate(hoverLineRect(hover_));
        invalidate(hoverPanelRect(hover_));
    }
    hover_ = level;
    if (hover_ > 0 && hasCurves()) {
        invalidate(hoverLineRect(hover_));
        invalidate(hoverPanelRect(hover_));
    }
}

bool GrowthChart::wantsKey(const KeyEvent& e) const {
    if (e.mods & (mods::Ctrl | mods::Alt)) return false;
    return e.key == Key::Left || e.key == Key::Right || e.key == Key::Home || e.key == Key::End;
}

bool GrowthChart::keyDown(const KeyEvent& e) {
    if (!wantsKey(e) || !hasCurves()) return false;
    const int from = hover_ > 0 ? hover_ : marker_ && marker_->level > 0 ? marker_->level : 1;
    switch (e.key) {
        case Key::Left:
            setHoverLevel(hover_ > 0 ? std::max(1, from - 1) : from);
            break;
        case Key::Right:
            setHoverLevel(hover_ > 0 ? std::min(sim::GrowthTable::kLevels, from + 1) : from);
            break;
        case Key::Home:
            setHoverLevel(1);
            break;
        default:
            setHoverLevel(sim::GrowthTable::kLevels);
            break;
    }
    return true;
}

void GrowthChart::mouseDown(const MouseEvent&) {
    setFocus();
}

void GrowthChart::mouseMove(const MouseEvent& e) {
    const Rect p = plotArea();
    setHoverLevel(p.contains(e.pos) ? levelAt(e.pos.x) : 0);
}

void GrowthChart::mouseLeave() {
    setHoverLevel(0);
}

void GrowthChart::focusIn() {
    invalidate();
}

void GrowthChart::focusOut() {
    invalidate();
}

}  // namespace lymn
