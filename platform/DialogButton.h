#pragma once

#include <string>

#include "platform/ButtonBehavior.h"
#include "platform/Control.h"

namespace lymn {

// The classic raised push button of the platform's own dialogs (the message boxes).
class DialogButton : public Control {
  public:
    DialogButton(Control* parent, std::string caption);

    const std::string& caption() const { return caption_; }
    bool pressed() const { return button_.pressed(); }
    bool acceptsFocus() const override { return true; }
    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool keyDown(const KeyEvent& e) override { return button_.keyPressed(e.key); }
    bool keyUp(const KeyEvent& e) override { return button_.keyReleased(e.key); }
    void focusIn() override { invalidate(); }
    void focusOut() override;
    void captureLost() override { button_.captureLost(); }

  private:
    std::string caption_;
    ButtonBehavior button_;
};

}  // namespace lymn
