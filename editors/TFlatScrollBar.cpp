#include "editors/TFlatScrollBar.h"

#include <algorithm>

#include "platform/Application.h"

namespace lymn {

namespace {

const int kRepeatTimer = 1;

}  // namespace

TFlatScrollBar::TFlatScrollBar(Control* parent) : Control(parent) {}

void TFlatScrollBar::setHorizontal(bool h) {
    if (h == horizontal_) return;
    horizontal_ = h;
    invalidate();
}

Rect TFlatScrollBar::stretch(int from, int to) const {
    return horizontal_ ? Rect{from, 0, to, height()} : Rect{0, from, width(), to};
}

void TFlatScrollBar::setRange(int maximum, int page) {
    maximum_ = std::max(maximum, 0);
    page_ = std::max(page, 1);
    setPosition(position_);
    invalidate();
}

void TFlatScrollBar::setPosition(int p) {
    p = std::clamp(p, 0, maximum_);
    if (p == position_) return;
    position_ = p;
    invalidate();
    if (onScroll) onScroll(position_);
}

Rect TFlatScrollBar::upArrow() const {
    return stretch(0, std::min(kWidth, length() / 2));
}

Rect TFlatScrollBar::downArrow() const {
    return stretch(length() - std::min(kWidth, length() / 2), length());
}

Rect TFlatScrollBar::thumb() const {
    const int top = endOf(upArrow()), bottom = startOf(downArrow());
    const int track = bottom - top;
    if (maximum_ == 0 || track <= 8) return {};
    const int total = maximum_ + page_;
    const int size = std::max(8, track * page_ / total);
    const int y = top + (track - size) * position_ / maximum_;
    return stretch(y, y + size);
}

void TFlatScrollBar::paintRaised(Canvas& c, const Rect& r, bool pressed) {
    c.fillRect(r, sysColor(SysColor::ButtonFace));
    if (pressed) {
        c.frameRect(r, sysColor(SysColor::ButtonShadow));
    } else {
        c.fillRect({r.left, r.top, r.right - 1, r.top + 1}, sysColor(SysColor::ButtonHighlight));
        c.fillRect({r.left, r.top, r.left + 1, r.bottom - 1}, sysColor(SysColor::ButtonHighlight));
        c.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, colors::black);
        c.fillRect({r.right - 1, r.top, r.right, r.bottom}, colors::black);
        c.fillRect({r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1},
                   sysColor(SysColor::ButtonShadow));
        c.fillRect({r.right - 2, r.top + 1, r.right - 1, r.bottom - 1},
                   sysColor(SysColor::ButtonShadow));
    }
}

void TFlatScrollBar::paintArrow(Canvas& c, const Rect& r, bool up, bool pressed) const {
    paintRaised(c, r, pressed);
    const Color ink = maximum_ > 0 ? colors::black : sysColor(SysColor::GrayText);
    const int cx = (r.left + r.right) / 2 - 1 + (pressed ? 1 : 0);
    const int cy = (r.top + r.bottom) / 2 - 1 + (pressed ? 1 : 0);
    for (int i = 0; i < 4; ++i) {
        if (horizontal_) {
            const int x = up ? cx - 1 + i : cx + 2 - i;
            c.fillRect({x, cy - i, x + 1, cy + i + 1}, ink);
        } else {
            const int y = up ? cy - 1 + i : cy + 2 - i;
            c.fillRect({cx - i, y, cx + i + 1, y + 1}, ink);
        }
    }
}

void TFlatScrollBar::paint(Canvas& c) {
    // The track: the classic dither of button face and highlight, laid as a brush.
    if (dither_.empty()) {
        dither_ = Bitmap(2, 2, sysColor(SysColor::ButtonFace));
        dither_.setColor(1, 0, sysColor(SysColor::ButtonHighlight));
        dither_.setColor(0, 1, sysColor(SysColor::ButtonHighlight));
    }
    c.fillPattern(stretch(endOf(upArrow()), startOf(downArrow())), dither_);
    paintArrow(c, upArrow(), true, held_ == Part::Up);
    paintArrow(c, downArrow(), false, held_ == Part::Down);
    const Rect t = thumb();
    if (!t.empty()) paintRaised(c, t, false);
}

void TFlatScrollBar::act() {
    switch (held_) {
        case Part::Up:
            setPosition(position_ - 1);
            break;
        case Part::Down:
            setPosition(position_ + 1);
            break;
        case Part::PageUp:
            setPosition(position_ - page_);
            break;
        case Part::PageDown:
            setPosition(position_ + page_);
            break;
        default:
            break;
    }
}

void TFlatScrollBar::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const Rect t = thumb();
    if (upArrow().contains(e.pos))
        held_ = Part::Up;
    else if (downArrow().contains(e.pos))
        held_ = Part::Down;
    else if (!t.empty() && t.contains(e.pos)) {
        held_ = Part::Thumb;
        dragOffset_ = along(e.pos) - startOf(t);
    } else if (!t.empty())
        held_ = along(e.pos) < startOf(t) ? Part::PageUp : Part::PageDown;
    act();
    invalidate();
    if (held_ != Part::Thumb && held_ != Part::None)
        if (Application* app = application()) app->setTimer(this, kRepeatTimer, 400);
}

void TFlatScrollBar::mouseMove(const MouseEvent& e) {
    if (held_ != Part::Thumb || maximum_ == 0) return;
    const int top = endOf(upArrow());
    const Rect t = thumb();
    const int travel = startOf(downArrow()) - top - (endOf(t) - startOf(t));
    if (travel <= 0) return;
    const int y = along(e.pos) - dragOffset_ - top;
    setPosition((y * maximum_ + travel / 2) / travel);
}

void TFlatScrollBar::mouseUp(const MouseEvent&) {
    held_ = Part::None;
    if (Application* app = application()) app->killTimer(this, kRepeatTimer);
    invalidate();
}

void TFlatScrollBar::timer(int id) {
    if (id != kRepeatTimer) return;
    if (Application* app = application()) app->setTimer(this, kRepeatTimer, 50);
    act();
}

}  // namespace lymn
