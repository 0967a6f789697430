#pragma once

#include <functional>
#include <string>

#include "platform/ButtonBehavior.h"
#include "platform/Control.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

// A focusable, custom-painted push button: the state machine of mouse and keys (hover, press,
// the repeat while held, the click on release) apart from its painting, which only reads it.
class TSkinCustomButton : public Control {
  public:
    static constexpr int kRepeatTimer = 1;

    explicit TSkinCustomButton(Control* parent);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    bool mouseOver() const { return button_.hovered(); }
    bool pressed() const { return button_.pressed(); }
    bool repeating() const { return button_.repeating(); }
    int MouseContinuouslyDownInterval = 100;
    int ModalResult = 0;
    bool Default = false;
    bool Cancel = false;

    std::function<void(Control&)> OnMouseDown;
    std::function<void(Control&)> OnMouseUp;
    std::function<void(Control&)> OnMouseExit;
    std::function<void(Control&)> OnMouseContinuouslyDown;

    // The form's modal result, then the click event.
    virtual void Click();

    bool acceptsFocus() const override { return true; }
    bool wantsKey(const KeyEvent& e) const override {
        return e.key == Key::Space || e.key == Key::Enter;
    }
    void mouseEnter() override;
    void mouseLeave() override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    void timer(int id) override { button_.timer(id); }
    bool keyDown(const KeyEvent& e) override;
    bool keyUp(const KeyEvent& e) override;
    bool dialogKey(const KeyEvent& e) override;
    char32_t accelerator() const override;
    void accelerate() override;
    void focusIn() override { invalidate(); }
    void focusOut() override;
    void captureLost() override { button_.captureLost(); }
    void enabledChanged() override { invalidate(); }

  private:
    std::string caption_;
    ButtonBehavior button_;
};

}  // namespace lymn
