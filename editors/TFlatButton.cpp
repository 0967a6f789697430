#include "editors/TFlatButton.h"

#include "editors/LightColors.h"

namespace lymn {

TFlatButton::TFlatButton(Control* parent) : Control(parent) {
    setTabStop(true);
    setBounds(0, 0, 75, 25);
}

void TFlatButton::setGlyph(const Bitmap& g) {
    glyph_ = g;
    invalidate();
}

TFlatButton::State TFlatButton::state() const {
    if (!effectivelyEnabled()) return State::Disabled;
    if (pressedShown_) return State::Pressed;
    if (hot_) return State::Hot;
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

void TFlatButton::click() {
    if (onClick) onClick(*this);
}

void TFlatButton::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    mouseHeld_ = true;
    pressedShown_ = true;
    invalidate();
}

void TFlatButton::mouseMove(const MouseEvent& e) {
    if (!mouseHeld_) return;
    const bool inside = clientRect().contains(e.pos);
    if (inside == pressedShown_) return;
    pressedShown_ = inside;
    invalidate();
}

void TFlatButton::mouseUp(const MouseEvent& e) {
    if (e.button != MouseButton::Left || !mouseHeld_) return;
    mouseHeld_ = false;
    pressedShown_ = false;
    invalidate();
    if (clientRect().contains(e.pos)) click();
}

void TFlatButton::mouseEnter() {
    hot_ = true;
    invalidate();
    Control::mouseEnter();
}

void TFlatButton::mouseLeave() {
    hot_ = false;
    invalidate();
    Control::mouseLeave();
}

bool TFlatButton::keyDown(const KeyEvent& e) {
    if (e.key != Key::Space) return false;
    keyHeld_ = true;
    pressedShown_ = true;
    invalidate();
    return true;
}

bool TFlatButton::keyUp(const KeyEvent& e) {
    if (e.key != Key::Space || !keyHeld_) return false;
    keyHeld_ = false;
    pressedShown_ = false;
    invalidate();
    click();
    return true;
}

void TFlatButton::focusOut() {
    keyHeld_ = false;
    if (!mouseHeld_) pressedShown_ = false;
    invalidate();
}

void TFlatButton::captureLost() {
    mouseHeld_ = false;
    pressedShown_ = false;
    invalidate();
}

}  // namespace lymn
