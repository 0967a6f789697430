#include "skin/TSkinCustomButton.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/Form.h"

namespace lymn {

TSkinCustomButton::TSkinCustomButton(Control* parent) : Control(parent) {
    setTabStop(true);
    setBounds(0, 0, 80, 27);
}

void TSkinCustomButton::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    invalidate();
}

bool TSkinCustomButton::repeating() const {
    const Application* app = application();
    return app && app->hasTimer(this, kRepeatTimer);
}

void TSkinCustomButton::stopTimer() {
    if (Application* app = application()) app->killTimer(this, kRepeatTimer);
}

void TSkinCustomButton::Click() {
    if (Form* f = form()) f->setModalResult(ModalResult);
    if (onClick) onClick(*this);
}

void TSkinCustomButton::mouseEnter() {
    mouseOver_ = true;
    invalidate();
    Control::mouseEnter();
}

void TSkinCustomButton::mouseLeave() {
    mouseOver_ = false;
    pressed_ = false;
    stopTimer();
    invalidate();
    if (OnMouseExit) OnMouseExit(*this);
    Control::mouseLeave();
}

void TSkinCustomButton::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    pressed_ = true;
    if (!repeating())
        if (Application* app = application())
            app->setTimer(this, kRepeatTimer, std::max(MouseContinuouslyDownInterval, 0));
    invalidate();
    if (OnMouseDown) OnMouseDown(*this);
}

void TSkinCustomButton::mouseMove(const MouseEvent& e) {
    if (!pressed_) return;
    if (e.pos.x < 0 || e.pos.y < 0 || e.pos.x > width() || e.pos.y > height()) {
        mouseOver_ = false;
        pressed_ = false;
        invalidate();
    }
}

void TSkinCustomButton::mouseUp(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    // The click runs while the button is still drawn pressed.
    if (clientRect().contains(e.pos)) Click();
    stopTimer();
    pressed_ = false;
    invalidate();
    if (OnMouseUp) OnMouseUp(*this);
}

void TSkinCustomButton::timer(int id) {
    if (id == kRepeatTimer && OnMouseContinuouslyDown) OnMouseContinuouslyDown(*this);
}

bool TSkinCustomButton::keyDown(const KeyEvent& e) {
    if ((e.key != Key::Space && e.key != Key::Enter) || !effectivelyEnabled()) return false;
    pressed_ = true;
    invalidate();
    return true;
}

bool TSkinCustomButton::keyUp(const KeyEvent& e) {
    if ((e.key != Key::Space && e.key != Key::Enter) || !pressed_ || !effectivelyEnabled())
        return false;
    pressed_ = false;
    invalidate();
    Click();
    return true;
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

void TSkinCustomButton::captureLost() {
    // A box took the mouse while the button was held.
    if (!pressed_) return;
    pressed_ = false;
    stopTimer();
    invalidate();
}

}  // namespace lymn
