#include "editors/TFlatButton.h"

#include "editors/LightColors.h"

namespace lymn {

TFlatButton::TFlatButton(Control* parent) : Control(parent), button_(*this, ButtonPolicy{}, 1) {
    setTabStop(true);
    setBounds(0, 0, 75, 25);
    button_.onClick = [this] {
        if (onClick) onClick(*this);
    };
}

void TFlatButton::setGlyph(const Bitmap& g) {
    glyph_ = g;
    invalidate();
}

TFlatButton::State TFlatButton::state() const {
    if (!effectivelyEnabled()) return State::Disabled;
    if (button_.pressed()) return State::Pressed;
    if (button_.hovered()) return State::Hot;
    if (focused()) return State::Default;
    return State::Normal;
}

Color TFlatButton::fillColor() const {
    switch (state()) {
        case State::Pressed:
            return lightDownedSelectionColor();
        case State::Hot:
            return lightSelectionColor();
        default:
            return sysColor(SysColor::ButtonFace);
    }
}

Rect TFlatButton::glyphRect() const {
    const int frame = state() == State::Default ? 2 : 1;
    const Rect inner = clientRect().inflated(-frame, -frame);
    return Rect::xywh(inner.left + (inner.width() - glyph_.width()) / 2,
                      inner.top + (inner.height() - glyph_.height()) / 2, glyph_.width(),
                      glyph_.height());
}

void TFlatButton::paint(Canvas& c) {
    const State s = state();
    c.fillRect(clientRect(), fillColor());
    switch (s) {
        case State::Disabled:
            c.frameRect(clientRect(), sysColor(SysColor::ButtonShadow));
            break;
        case State::Pressed:
        case State::Hot:
            c.frameRect(clientRect(), sysColor(SysColor::Highlight));
            break;
        case State::Default:
            c.frameRect(clientRect(), sysColor(SysColor::WindowFrame), 2);
            break;
        case State::Normal:
            c.frameRect(clientRect(), sysColor(SysColor::ButtonText));
            break;
    }
    if (!glyph_.empty()) {
        // The glyph's bottom-left pixel colour is its transparent colour; it does not move when
        // the button is pressed.
        const Color key = glyph_.color(0, glyph_.height() - 1);
        const Rect g = glyphRect();
        if (s == State::Disabled)
            c.drawBitmapGreyed(glyph_, g.topLeft(), key);
        else
            c.drawBitmapKeyed(glyph_, glyph_.rect(), g.topLeft(), key);
    }
    if (focused()) c.drawFocusRect(clientRect().inflated(-3, -3));
}

void TFlatButton::mouseDown(const MouseEvent& e) {
    if (e.button == MouseButton::Left) button_.mousePressed();
}

void TFlatButton::mouseMove(const MouseEvent& e) {
    button_.mouseMoved(clientRect().contains(e.pos));
}

void TFlatButton::mouseUp(const MouseEvent& e) {
    if (e.button == MouseButton::Left) button_.mouseReleased(clientRect().contains(e.pos));
}

void TFlatButton::mouseEnter() {
    button_.pointerEntered();
    Control::mouseEnter();
}

void TFlatButton::mouseLeave() {
    button_.pointerLeft();
    Control::mouseLeave();
}

void TFlatButton::focusOut() {
    button_.focusLost();
    invalidate();
}

}  // namespace lymn
