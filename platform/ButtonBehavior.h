#pragma once

#include <functional>

#include "platform/Event.h"

namespace lymn {

class Control;

// How a kind of push button answers the mouse and the keys.
struct ButtonPolicy {
    // Enter presses and releases the button as Space does.
    bool enterPresses = false;
    // Enter clicks at once, on the key-down.
    bool enterClicks = false;
    // Moving off the button during a press, or leaving it, ends the press for good; otherwise the
    // pressed look follows the pointer on and off the button until the release.
    bool pressEndsOffButton = false;
    // A release over the button clicks even without a press on it (the press began elsewhere).
    bool releaseAloneClicks = false;
    // The click runs while the button is still drawn pressed, before the release shows.
    bool clickBeforeRelease = false;
    // A key released while the button is drawn pressed clicks, whatever pressed it; otherwise
    // only the release of the key that pressed it does.
    bool anyPressClicksOnKeyRelease = false;
    // While the left button is held: a repeat after repeatDelay, then every repeatInterval
    // milliseconds; a negative delay means no repeat.
    int repeatDelay = -1;
    int repeatInterval = 0;
};

// The press, hover and repeat state machine of a push button, apart from its painting: the
// button (or a part of a control, such as each arrow of a spin button) feeds it the pointer and
// the keys, says whether the pointer is over it, and paints by reading hovered() and pressed().
// It repaints its owner when its state changes, and runs the repeat on the owner's timer.
class ButtonBehavior {
  public:
    ButtonBehavior(Control& owner, ButtonPolicy policy, int timerId);
    ~ButtonBehavior();
    ButtonBehavior(const ButtonBehavior&) = delete;
    ButtonBehavior& operator=(const ButtonBehavior&) = delete;

    bool hovered() const { return hovered_; }
    // Drawn pressed.
    bool pressed() const { return pressed_; }
    // The left button went down on it and is not yet released.
    bool held() const { return mouseHeld_; }
    bool repeating() const;
    ButtonPolicy& policy() { return policy_; }

    void pointerEntered();
    void pointerLeft();
    void mousePressed();
    void mouseMoved(bool over);
    void mouseReleased(bool over);
    // Keys while the owner has the focus; true when the button took the key.
    bool keyPressed(Key k);
    bool keyReleased(Key k);
    void focusLost();
    // The mouse was taken away (a box came up): the press ends without a click.
    void captureLost();
    // The owner's timer; true when it was the repeat's.
    bool timer(int id);

    std::function<void()> onClick;
    // After a left press has been taken, and after it ended (by release or loss).
    std::function<void()> onPress;
    std::function<void()> onRelease;
    std::function<void()> onLeave;
    std::function<void()> onRepeat;

  private:
    bool pressKey(Key k) const;
    void setHovered(bool h);
    void setPressed(bool p);
    void endPress();
    void stopRepeat();

    Control& owner_;
    ButtonPolicy policy_;
    int timerId_;
    bool hovered_ = false;
    bool pressed_ = false;
    bool mouseHeld_ = false;
    bool keyHeld_ = false;
    bool repeatStarted_ = false;
};

}  // namespace lymn
