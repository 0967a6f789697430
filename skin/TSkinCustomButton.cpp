#include "skin/TSkinCustomButton.h"

#include <algorithm>

#include "platform/Form.h"

namespace lymn {

namespace {

// Space and Enter press it; leaving it or moving off it ends a press for good; a release over it
// clicks, while it is still drawn pressed; holding it repeats.
ButtonPolicy skinPolicy() {
    ButtonPolicy p;
    p.enterPresses = true;
    p.pressEndsOffButton = true;
    p.releaseAloneClicks = true;
    p.clickBeforeRelease = true;
    p.anyPressClicksOnKeyRelease = true;
    return p;
}

}  // namespace

TSkinCustomButton::TSkinCustomButton(Control* parent)
    : Control(parent), button_(*this, skinPolicy(), kRepeatTimer) {
    setTabStop(true);
    setBounds(0, 0, 80, 27);
    button_.onClick = [this] { Click(); };
    button_.onPress = [this] {
        if (OnMouseDown) OnMouseDown(*this);
    };
    button_.onRelease = [this] {
        if (OnMouseUp) OnMouseUp(*this);
    };
    button_.onLeave = [this] {
        if (OnMouseExit) OnMouseExit(*this);
    };
    button_.onRepeat = [this] {
        if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(*this);
    };
}

void TSkinCustomButton::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    invalidate();
}

void TSkinCustomButton::Click() {
    if (Form* f = form()) f->setModalResult(ModalResult);
    if (onClick) onClick(*this);
}

void TSkinCustomButton::mouseEnter() {
    button_.pointerEntered();
    Control::mouseEnter();
}

void TSkinCustomButton::mouseLeave() {
    button_.pointerLeft();
    Control::mouseLeave();
}

void TSkinCustomButton::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    // The repeat interval is read at each press.
    const int interval = std::max(MouseContinuouslyDownInterval, 0);
    button_.policy().repeatDelay = interval;
    button_.policy().repeatInterval = interval;
    button_.mousePressed();
}

void TSkinCustomButton::mouseMove(const MouseEvent& e) {
    // The edges count as over the button.
    const bool over = e.pos.x >= 0 && e.pos.y >= 0 && e.pos.x <= width() && e.pos.y <= height();
    button_.mouseMoved(over);
}

void TSkinCustomButton::mouseUp(const MouseEvent& e) {
    if (e.button == MouseButton::Left) button_.mouseReleased(clientRect().contains(e.pos));
}

bool TSkinCustomButton::keyDown(const KeyEvent& e) {
    return effectivelyEnabled() && button_.keyPressed(e.key);
}

bool TSkinCustomButton::keyUp(const KeyEvent& e) {
    return effectivelyEnabled() && button_.keyReleased(e.key);
}

void TSkinCustomButton::focusOut() {
    button_.focusLost();
    invalidate();
}

bool TSkinCustomButton::dialogKey(const KeyEvent& e) {
    if (e.mods & (mods::Shift | mods::Ctrl | mods::Alt)) return false;
    if (!((e.key == Key::Enter && Default) || (e.key == Key::Escape && Cancel)) || !canFocus())
        return false;
    Click();
    return true;
}

char32_t TSkinCustomButton::accelerator() const {
    return processPrefix(caption_).accelerator;
}

void TSkinCustomButton::accelerate() {
    if (!effectivelyEnabled()) return;
    setFocus();
    Click();
}

}  // namespace lymn
