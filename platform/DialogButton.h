#pragma once

#include <string>

#include "platform/Control.h"

namespace lymn {

// The classic raised push button of the platform's own dialogs (the message boxes).
class DialogButton : public Control {
  public:
    DialogButton(Control* parent, std::string caption);

    const std::string& caption() const { return caption_; }
    bool pressed() const { return pressed_; }
    bool acceptsFocus() const override { return true; }
    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool keyDown(const KeyEvent& e) override;
    bool keyUp(const KeyEvent& e) override;
    void focusIn() override { invalidate(); }
    void focusOut() override;

  private:
    void setPressed(bool p);

    std::string caption_;
    bool pressed_ = false;
    bool mouseHeld_ = false;
    bool keyHeld_ = false;
};

}  // namespace lymn
