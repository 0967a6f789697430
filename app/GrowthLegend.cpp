#include "app/GrowthLegend.h"

namespace lymn {

namespace {

const FontSpec kNames{"宋体", 12, false, colors::black};
const Color kOffText = Color::rgb(0x808080);
const Color kOffBox = Color::rgb(0xA0A0A0);

}  // namespace

GrowthLegend::GrowthLegend(Control* parent) : Control(parent) {
    setTabStop(true);
    setCursor(Cursor::Hand);
    setHint("点一下,显示或隐藏这条线");
    setShowHint(true);
}

void GrowthLegend::setShown(const GrowthColumns& shown) {
    if (shown == shown_) return;
    shown_ = shown;
    invalidate();
}

void GrowthLegend::toggle(sim::GrowthColumn c) {
    const size_t i = static_cast<size_t>(c);
    shown_[i] = !shown_[i];
    invalidate(entryRect(c));
    if (onChange) onChange(shown_);
}

Rect GrowthLegend::entryRect(sim::GrowthColumn c) const {
    const int i = static_cast<int>(c);
    const int w = width() / kColumns;
    return Rect::xywh((i % kColumns) * w, (i / kColumns) * kRowHeight, w, kRowHeight);
}

void GrowthLegend::paint(Canvas& c) {
    for (const auto& info : sim::GrowthColumnTable) {
        const Rect r = entryRect(info.column);
        const bool on = shown_[static_cast<size_t>(info.column)];
        const Color colour = GrowthChart::seriesColor(info.column);
        const Rect box = Rect::xywh(r.left + 2, r.top + (r.height() - 11) / 2, 11, 11);
        // On: a box filled with the line's colour; off: an empty grey box.
        c.fillRect(box, colors::white);
        c.frameRect(box, on ? colour : kOffBox);
        if (on) c.fillRect(box.inflated(-2, -2), colour);
        const Rect name{box.right + 4, r.top, r.right, r.bottom};
        c.drawText(kNames, on ? colors::black : kOffText, name, info.name,
                   text::VCenter | text::NoPrefix);
        if (focused() && info.column == current_) {
            const Size size = c.measureText(kNames, info.name, text::NoPrefix);
            c.drawFocusRect(Rect::xywh(name.left - 2, r.top + (r.height() - size.height) / 2 - 1,
                                       size.width + 4, size.height + 2)
                                .intersected(r));
        }
    }
}

void GrowthLegend::setCurrent(sim::GrowthColumn c) {
    if (c == current_) return;
    invalidate(entryRect(current_));
    current_ = c;
    invalidate(entryRect(current_));
}

void GrowthLegend::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    for (const auto& info : sim::GrowthColumnTable)
        if (entryRect(info.column).contains(e.pos)) {
            setCurrent(info.column);
            return toggle(info.column);
        }
}

bool GrowthLegend::wantsKey(const KeyEvent& e) const {
    if (e.mods & (mods::Ctrl | mods::Alt)) return false;
    return e.key == Key::Left || e.key == Key::Right || e.key == Key::Up || e.key == Key::Down ||
           e.key == Key::Space;
}

bool GrowthLegend::keyDown(const KeyEvent& e) {
    if (!wantsKey(e)) return false;
    if (e.key == Key::Space) {
        toggle(current_);
        return true;
    }
    // Left and Right along the entries, Up and Down between the rows.
    const int count = static_cast<int>(sim::kGrowthColumnCount);
    const int step = e.key == Key::Left    ? -1
                     : e.key == Key::Right ? 1
                     : e.key == Key::Up    ? -kColumns
                                           : kColumns;
    const int next = static_cast<int>(current_) + step;
    if (next >= 0 && next < count) setCurrent(static_cast<sim::GrowthColumn>(next));
    return true;
}

}  // namespace lymn
