#include "platform/ButtonBehavior.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/Control.h"

namespace lymn {

ButtonBehavior::ButtonBehavior(Control& owner, ButtonPolicy policy, int timerId)
    : owner_(owner), policy_(policy), timerId_(timerId) {}

ButtonBehavior::~ButtonBehavior() = default;

bool ButtonBehavior::repeating() const {
    const Application* app = owner_.application();
    return app && app->hasTimer(&owner_, timerId_);
}

void ButtonBehavior::setHovered(bool h) {
    if (h == hovered_) return;
    hovered_ = h;
    owner_.invalidate();
}

void ButtonBehavior::setPressed(bool p) {
    if (p == pressed_) return;
    pressed_ = p;
    owner_.invalidate();
}

void ButtonBehavior::stopRepeat() {
    if (Application* app = owner_.application()) app->killTimer(&owner_, timerId_);
}

void ButtonBehavior::endPress() {
    mouseHeld_ = false;
    stopRepeat();
    setPressed(false);
}

bool ButtonBehavior::pressKey(Key k) const {
    return k == Key::Space || (policy_.enterPresses && k == Key::Enter);
}

void ButtonBehavior::pointerEntered() {
    setHovered(true);
}

void ButtonBehavior::pointerLeft() {
    setHovered(false);
    if (policy_.pressEndsOffButton) {
        stopRepeat();
        setPressed(false);
    }
    if (onLeave) onLeave();
}

void ButtonBehavior::mousePressed() {
    mouseHeld_ = true;
    setPressed(true);
    // The repeat starts with the press: a box raised by what the press does takes the mouse,
    // and the loss of the press stops it again.
    if (policy_.repeatDelay >= 0 && !repeating())
        if (Application* app = owner_.application()) {
            repeatStarted_ = false;
            app->setTimer(&owner_, timerId_, std::max(policy_.repeatDelay, 0));
        }
    if (onPress) onPress();
}

void ButtonBehavior::mouseMoved(bool over) {
    if (policy_.pressEndsOffButton) {
        if (pressed_ && !over) {
            setHovered(false);
            setPressed(false);
        }
        return;
    }
    if (mouseHeld_) setPressed(over);
}

void ButtonBehavior::mouseReleased(bool over) {
    if (!mouseHeld_ && !policy_.releaseAloneClicks) return;
    const bool click = over && onClick;
    if (click && policy_.clickBeforeRelease) onClick();
    endPress();
    if (onRelease) onRelease();
    if (click && !policy_.clickBeforeRelease) onClick();
}

bool ButtonBehavior::keyPressed(Key k) {
    if (policy_.enterClicks && k == Key::Enter) {
        if (onClick) onClick();
        return true;
    }
    if (!pressKey(k)) return false;
    keyHeld_ = true;
    setPressed(true);
    return true;
}

bool ButtonBehavior::keyReleased(Key k) {
    if (!pressKey(k)) return false;
    if (!(policy_.anyPressClicksOnKeyRelease ? pressed_ : keyHeld_)) return false;
    keyHeld_ = false;
    setPressed(false);
    if (onClick) onClick();
    return true;
}

void ButtonBehavior::focusLost() {
    // A key press ends with the focus; a press of the mouse goes on.
    keyHeld_ = false;
    if (!mouseHeld_) setPressed(false);
}

void ButtonBehavior::captureLost() {
    keyHeld_ = false;
    endPress();
}

bool ButtonBehavior::timer(int id) {
    if (id != timerId_) return false;
    if (!repeatStarted_) {
        repeatStarted_ = true;
        if (policy_.repeatInterval != policy_.repeatDelay)
            if (Application* app = owner_.application())
                app->setTimer(&owner_, timerId_, std::max(policy_.repeatInterval, 0));
    }
    if (onRepeat) onRepeat();
    return true;
}

}  // namespace lymn
