#include "platform/DialogButton.h"

namespace lymn {

DialogButton::DialogButton(Control* parent, std::string caption)
    : Control(parent), caption_(std::move(caption)) {
    setTabStop(true);
}

void DialogButton::setPressed(bool p) {
    if (p == pressed_) return;
    pressed_ = p;
    invalidate();
}

void DialogButton::paint(Canvas& c) {
    const Rect r = clientRect();
    const Color face = sysColor(SysColor::ButtonFace);
    const Color light = sysColor(SysColor::ButtonHighlight);
    const Color shadow = sysColor(SysColor::ButtonShadow);
    const Color dark = colors::black;
    c.fillRect(r, face);
    Rect b = r;
    if (focused()) {
        c.frameRect(b, dark);
        b = b.inflated(-1, -1);
    }
    if (pressed_) {
        c.frameRect(b, shadow);
    } else {
        c.fillRect({b.left, b.top, b.right - 1, b.top + 1}, light);
        c.fillRect({b.left, b.top, b.left + 1, b.bottom - 1}, light);
        c.fillRect({b.left, b.bottom - 1, b.right, b.bottom}, dark);
        c.fillRect({b.right - 1, b.top, b.right, b.bottom}, dark);
        c.fillRect({b.left + 1, b.bottom - 2, b.right - 1, b.bottom - 1}, shadow);
        c.fillRect({b.right - 2, b.top + 1, b.right - 1, b.bottom - 1}, shadow);
    }
    const Rect text = pressed_ ? r.translated(1, 1) : r;
    c.drawText(font(), sysColor(SysColor::ButtonText), text, caption_,
               text::HCenter | text::VCenter);
    if (focused()) c.drawFocusRect(r.inflated(-4, -4));
}

void DialogButton::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    mouseHeld_ = true;
    setPressed(true);
}

void DialogButton::mouseMove(const MouseEvent& e) {
    if (mouseHeld_) setPressed(clientRect().contains(e.pos));
}

void DialogButton::mouseUp(const MouseEvent& e) {
    if (e.button != MouseButton::Left || !mouseHeld_) return;
    mouseHeld_ = false;
    const bool inside = clientRect().contains(e.pos);
    setPressed(false);
    if (inside && onClick) onClick(*this);
}

bool DialogButton::keyDown(const KeyEvent& e) {
    if (e.key == Key::Space) {
        keyHeld_ = true;
        setPressed(true);
        return true;
    }
    if (e.key == Key::Enter) {
        if (onClick) onClick(*this);
        return true;
    }
    return false;
}

bool DialogButton::keyUp(const KeyEvent& e) {
    if (e.key != Key::Space || !keyHeld_) return false;
    keyHeld_ = false;
    setPressed(false);
    if (onClick) onClick(*this);
    return true;
}

void DialogButton::focusOut() {
    keyHeld_ = false;
    setPressed(false);
    invalidate();
}

}  // namespace lymn
