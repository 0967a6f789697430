#include "editors/TFlatSpinButton.h"

#include <cmath>

#include "editors/LightColors.h"
#include "platform/Application.h"
#include "platform/Integers.h"

namespace lymn {

namespace {

const int kRepeatTimer = 1;

}  // namespace

bool TFlatSpinButtonProperties::minDefined() const {
    if (minValue_.has_value() != maxValue_.has_value()) return minValue_.has_value();
    return MaxValue() > MinValue();
}

bool TFlatSpinButtonProperties::maxDefined() const {
    if (minValue_.has_value() != maxValue_.has_value()) return maxValue_.has_value();
    return MaxValue() > MinValue();
}

TFlatSpinButton::TFlatSpinButton(Control* parent)
    : TFlatCustomEdit(parent, std::make_unique<TFlatSpinButtonProperties>()) {
    Style.buttonStyle = SpinButtonStyle::Default;
    setBounds(0, 0, 21, 21);
}

void TFlatSpinButton::setAssociate(TFlatTextEdit* edit) {
    if (edit == associate_) return;
    associate_ = edit;
    if (!edit) return;
    // Up, Down, Page Up and Page Down in the edit are posted to the spin button; the edit still
    // gets them too.
    edit->innerEdit().keyWatchers.push_back([this, edit](const KeyEvent& e, bool down) {
        if (associate_ != edit) return;
        if (e.key != Key::Up && e.key != Key::Down && e.key != Key::PageUp &&
            e.key != Key::PageDown)
            return;
        if (Application* app = application())
            app->post(this, down ? kKeyDownMessage : kKeyUpMessage, static_cast<intptr_t>(e.key),
                      static_cast<intptr_t>(e.mods));
    });
    JoinToAssociate();
}

void TFlatSpinButton::JoinToAssociate() {
    if (!associate_) return;
    Style.font = associate_->currentStyle().font;
    setBounds(associate_->left() + associate_->width(), associate_->top(), width(),
              associate_->height());
    styleChanged();
}

void TFlatSpinButton::setValue(int64_t v) {
    value_ = v;
    ownText_ = intToStr(v);
}

int64_t TFlatSpinButton::readAssociate() const {
    // The leading run of minus signs and digits; nothing at all reads as 0.
    const std::string t = associate_->text();
    std::string collected;
    for (char c : t) {
        if (c != '-' && (c < '0' || c > '9')) break;
        collected.push_back(c);
    }
    return strToInt(collected.empty() ? "0" : collected);
}

void TFlatSpinButton::step(Step s) {
    if (associate_) {
        const int64_t current = readAssociate();
        if (current != value_) {
            setValue(current);
            associate_->setText(ownText_);
        }
    }
    const auto& p = spinProperties();
    const bool up = s == Step::Up || s == Step::LargeUp;
    const double increment =
        (s == Step::LargeUp || s == Step::LargeDown) ? p.LargeIncrement : p.Increment;
    const auto minimum = static_cast<int64_t>(std::llround(p.MinValue()));
    const auto maximum = static_cast<int64_t>(std::llround(p.MaxValue()));
    int64_t next = value_;
    if (p.minDefined() && value_ < minimum) {
        if (!up) return;
        next = minimum;
    } else if (p.maxDefined() && value_ > maximum) {
        if (up) return;
        next = maximum;
    } else {
        next = value_ + static_cast<int64_t>(std::llround(up ? increment : -increment));
        if (p.maxDefined() && next > maximum) next = p.Circular ? minimum : maximum;
        if (p.minDefined() && next < minimum) next = p.Circular ? maximum : minimum;
    }
    const std::string text = intToStr(next);
    if (text == ownText_) return;
    setValue(next);
    if (associate_) associate_->setText(text);
}

Rect TFlatSpinButton::buttonRect(Button b) const {
    const int w = borderSize();
    const Rect inner = clientRect().inflated(-w, -w);
    const int mid = inner.top + inner.height() / 2;
    if (b == Button::Up) return {inner.left, inner.top, inner.right, mid};
    if (b == Button::Down) return {inner.left, mid, inner.right, inner.bottom};
    return {};
}

TFlatSpinButton::Button TFlatSpinButton::buttonAt(Point p) const {
    if (!clientRect().contains(p)) return Button::None;
    return p.y < height() / 2 ? Button::Up : Button::Down;
}

void TFlatSpinButton::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const Button b = buttonAt(e.pos);
    if (b == Button::None) return;
    pressed_ = b;
    shownPressed_ = true;
    invalidate();
    step(b == Button::Up ? Step::Up : Step::Down);
    if (!properties().ReadOnly)
        if (Application* app = application()) app->setTimer(this, kRepeatTimer, kFirstDelay);
}

void TFlatSpinButton::mouseMove(const MouseEvent& e) {
    const Button under = buttonAt(e.pos);
    if (under != hover_) {
        hover_ = under;
        invalidate();
    }
    if (pressed_ != Button::None && (under == pressed_) != shownPressed_) {
        shownPressed_ = under == pressed_;
        invalidate();
    }
}

void TFlatSpinButton::mouseLeave() {
    hover_ = Button::None;
    TFlatCustomEdit::mouseLeave();
}

void TFlatSpinButton::release() {
    if (Application* app = application()) app->killTimer(this, kRepeatTimer);
    pressed_ = Button::None;
    shownPressed_ = false;
    invalidate();
}

void TFlatSpinButton::mouseUp(const MouseEvent& e) {
    if (e.button == MouseButton::Left) release();
}

void TFlatSpinButton::timer(int id) {
    if (id != kRepeatTimer) return;
    Application* app = application();
    if (app) app->setTimer(this, kRepeatTimer, kRepeat);
    if (pressed_ != Button::None && shownPressed_)
        step(pressed_ == Button::Up ? Step::Up : Step::Down);
}

void TFlatSpinButton::message(int msg, intptr_t wparam, intptr_t lparam) {
    const auto key = static_cast<Key>(wparam);
    if (msg == kKeyUpMessage) {
        keyPressed_ = Button::None;
        invalidate();
        return;
    }
    if (msg != kKeyDownMessage) return;
    const bool ctrl = (static_cast<unsigned>(lparam) & mods::Ctrl) != 0;
    const bool large = !spinProperties().UseCtrlIncrement || ctrl;
    switch (key) {
        case Key::Up:
            keyPressed_ = Button::Up;
            step(Step::Up);
            break;
        case Key::Down:
            keyPressed_ = Button::Down;
            step(Step::Down);
            break;
        case Key::PageUp:
            if (large) step(Step::LargeUp);
            break;
        case Key::PageDown:
            if (large) step(Step::LargeDown);
            break;
        default:
            break;
    }
    invalidate();
}

void TFlatSpinButton::loaded() {
    TFlatCustomEdit::loaded();
    JoinToAssociate();
}

void TFlatSpinButton::adjustSize() {
    // Automatic width: the buttons' width plus the border.
    setWidth(19 + 2 * borderSize());
}

void TFlatSpinButton::paintContent(Canvas& c, const Rect&) {
    // The Soft button style: a light face, the light selection colours under the mouse and
    // while pressed, framed in the highlight colour then.
    const bool enabled = effectivelyEnabled();
    const Color face = blend(sysColor(SysColor::ButtonFace), sysColor(SysColor::Window), 128);
    for (Button b : {Button::Up, Button::Down}) {
        Rect r = buttonRect(b);
        if (b == Button::Down) r.top += 1;  // the delimiter line above the down button
        const bool pressed = shownPressed(b) || keyPressed_ == b;
        const bool hot = !pressed && hover_ == b && pressed_ == Button::None;
        Color fill = face;
        if (!enabled)
            fill = sysColor(SysColor::ButtonFace);
        else if (pressed)
            fill = lightDownedSelectionColor();
        else if (hot)
            fill = lightSelectionColor();
        c.fillRect(r, fill);
        if (enabled && (pressed || hot)) c.frameRect(r, sysColor(SysColor::Highlight));
        // A triangle of widths 5, 3 and 1, centred; one pixel right and down while pressed.
        const int cx = (r.left + r.right) / 2 + (pressed ? 1 : 0);
        const int cy = (r.top + r.bottom) / 2 + (pressed ? 1 : 0);
        auto triangle = [&](int dx, int dy, Color ink) {
            for (int i = 0; i < 3; ++i) {
                const int y = (b == Button::Up ? cy - 2 + i : cy + 1 - i) + dy;
                c.fillRect({cx - i + dx, y, cx + i + 1 + dx, y + 1}, ink);
            }
        };
        if (enabled) {
            triangle(0, 0, sysColor(SysColor::ButtonText));
        } else {
            triangle(1, 1, sysColor(SysColor::ButtonHighlight));
            triangle(0, 0, sysColor(SysColor::ButtonShadow));
        }
    }
    const Rect up = buttonRect(Button::Up);
    c.fillRect({up.left, up.bottom, up.right, up.bottom + 1}, sysColor(SysColor::ButtonShadow));
}

}  // namespace lymn
