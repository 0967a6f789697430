#include "editors/TFlatSpinButton.h"

#include <cmath>

#include "editors/LightColors.h"
#include "platform/Application.h"
#include "platform/Integers.h"

namespace lymn {

namespace {

const int kUpTimer = 1;
const int kDownTimer = 2;

// Each arrow: a press steps at once, holding it steps again after a first delay, then faster.
ButtonPolicy arrowPolicy() {
    ButtonPolicy p;
    p.repeatDelay = TFlatSpinButton::kFirstDelay;
    p.repeatInterval = TFlatSpinButton::kRepeat;
    return p;
}

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
    : TFlatCustomEdit(parent, std::make_unique<TFlatSpinButtonProperties>()),
      up_(*this, arrowPolicy(), kUpTimer),
      down_(*this, arrowPolicy(), kDownTimer) {
    Style.buttonStyle = SpinButtonStyle::Default;
    setBounds(0, 0, 21, 21);
    for (Button b : {Button::Up, Button::Down}) {
        const Step s = b == Button::Up ? Step::Up : Step::Down;
        part(b).onPress = [this, s] { step(s); };
        // A held arrow steps again only while the pointer is on it.
        part(b).onRepeat = [this, b, s] {
            if (part(b).pressed()) step(s);
        };
    }
}

void TFlatSpinButton::setAssociate(TFlatTextEdit* edit) {
    if (edit == associate_) return;
    associate_ = edit;
    associateKeys_ = Connection();
    if (!edit) return;
    // Up, Down, Page Up and Page Down in the edit step the spin button after the edit has had
    // them.
    associateKeys_ = edit->innerEdit().keys.connect([this](const KeyEvent& e, bool down) {
        if (e.key != Key::Up && e.key != Key::Down && e.key != Key::PageUp &&
            e.key != Key::PageDown)
            return;
        if (Application* app = application())
            app->post(this, [this, e, down] { associateKey(e, down); });
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

TFlatSpinButton::Button TFlatSpinButton::pressedButton() const {
    if (up_.held()) return Button::Up;
    if (down_.held()) return Button::Down;
    return Button::None;
}

bool TFlatSpinButton::shownPressed(Button b) const {
    return b != Button::None && part(b).held() && part(b).pressed();
}

TFlatSpinButton::Button TFlatSpinButton::hoverButton() const {
    if (up_.hovered()) return Button::Up;
    if (down_.hovered()) return Button::Down;
    return Button::None;
}

void TFlatSpinButton::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const Button b = buttonAt(e.pos);
    if (b == Button::None) return;
    part(b).policy().repeatDelay = properties().ReadOnly ? -1 : kFirstDelay;
    part(b).mousePressed();
}

void TFlatSpinButton::mouseMove(const MouseEvent& e) {
    const Button under = buttonAt(e.pos);
    for (Button b : {Button::Up, Button::Down}) {
        const bool over = under == b;
        if (over && !part(b).hovered()) part(b).pointerEntered();
        if (!over && part(b).hovered()) part(b).pointerLeft();
        part(b).mouseMoved(over);
    }
}

void TFlatSpinButton::mouseLeave() {
    up_.pointerLeft();
    down_.pointerLeft();
    TFlatCustomEdit::mouseLeave();
}

void TFlatSpinButton::mouseUp(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    up_.mouseReleased(false);
    down_.mouseReleased(false);
}

void TFlatSpinButton::captureLost() {
    up_.captureLost();
    down_.captureLost();
}

void TFlatSpinButton::timer(int id) {
    if (!up_.timer(id)) down_.timer(id);
}

void TFlatSpinButton::associateKey(const KeyEvent& e, bool down) {
    if (!down) {
        keyPressed_ = Button::None;
        invalidate();
        return;
    }
    const bool ctrl = (e.mods & mods::Ctrl) != 0;
    const bool large = !spinProperties().UseCtrlIncrement || ctrl;
    switch (e.key) {
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
    const bool enabled = effectivelyEnabled();
    for (Button b : {Button::Up, Button::Down}) paintArrow(c, b, enabled);
    const Rect up = buttonRect(Button::Up);
    c.fillRect({up.left, up.bottom, up.right, up.bottom + 1}, sysColor(SysColor::ButtonShadow));
}

void TFlatSpinButton::paintArrow(Canvas& c, Button b, bool enabled) const {
    // The Soft button style: a light face, the light selection colours under the mouse and
    // while pressed, framed in the highlight colour then.
    const Color face = blend(sysColor(SysColor::ButtonFace), sysColor(SysColor::Window), 128);
    Rect r = buttonRect(b);
    if (b == Button::Down) r.top += 1;  // the delimiter line above the down button
    const bool pressed = shownPressed(b) || keyPressed_ == b;
    const bool hot = !pressed && part(b).hovered() && pressedButton() == Button::None;
    Color fill = face;
    if (!enabled)
        fill = sysColor(SysColor::ButtonFace);
    else if (pressed)
        fill = lightDownedSelectionColor();
    else if (hot)
        fill = lightSelectionColor();
    c.fillRect(r, fill);
    if (enabled && (pressed || hot)) c.frameRect(r, sysColor(SysColor::Highlight));
    // A triangle of widths 5, 3 and 1, with as many rows above it as below; one pixel right
    // and down while pressed.
    const int cx = (r.left + r.right) / 2 + (pressed ? 1 : 0);
    const int top = r.top + (r.height() - 3) / 2 + (pressed ? 1 : 0);
    auto triangle = [&](int d, Color ink) {
        for (int row = 0; row < 3; ++row) {
            const int half = b == Button::Up ? row : 2 - row;
            c.fillRect({cx - half + d, top + row + d, cx + half + 1 + d, top + row + 1 + d}, ink);
        }
    };
    if (enabled) {
        triangle(0, sysColor(SysColor::ButtonText));
    } else {
        triangle(1, sysColor(SysColor::ButtonHighlight));
        triangle(0, sysColor(SysColor::ButtonShadow));
    }
}

}  // namespace lymn
