#include "platform/DialogButton.h"

namespace lymn {

namespace {

// Enter answers a dialog at once; Space presses and releases as on any button.
ButtonPolicy dialogPolicy() {
    ButtonPolicy p;
    p.enterClicks = true;
    return p;
}

}  // namespace

DialogButton::DialogButton(Control* parent, std::string caption)
    : Control(parent), caption_(std::move(caption)), button_(*this, dialogPolicy(), 1) {
    setTabStop(true);
    button_.onClick = [this] {
        if (onClick) onClick(*this);
    };
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
    const bool pressed = button_.pressed();
    if (pressed) {
        c.frameRect(b, shadow);
    } else {
        c.fillRect({b.left, b.top, b.right - 1, b.top + 1}, light);
        c.fillRect({b.left, b.top, b.left + 1, b.bottom - 1}, light);
        c.fillRect({b.left, b.bottom - 1, b.right, b.bottom}, dark);
        c.fillRect({b.right - 1, b.top, b.right, b.bottom}, dark);
        c.fillRect({b.left + 1, b.bottom - 2, b.right - 1, b.bottom - 1}, shadow);
        c.fillRect({b.right - 2, b.top + 1, b.right - 1, b.bottom - 1}, shadow);
    }
    const Rect text = pressed ? r.translated(1, 1) : r;
    c.drawText(font(), sysColor(SysColor::ButtonText), text, caption_,
               text::HCenter | text::VCenter);
    if (focused()) c.drawFocusRect(r.inflated(-4, -4));
}

void DialogButton::mouseDown(const MouseEvent& e) {
    if (e.button == MouseButton::Left) button_.mousePressed();
}

void DialogButton::mouseMove(const MouseEvent& e) {
    button_.mouseMoved(clientRect().contains(e.pos));
}

void DialogButton::mouseUp(const MouseEvent& e) {
    if (e.button == MouseButton::Left) button_.mouseReleased(clientRect().contains(e.pos));
}

void DialogButton::focusOut() {
    button_.focusLost();
    invalidate();
}

}  // namespace lymn
