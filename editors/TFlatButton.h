#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "platform/ButtonBehavior.h"
#include "platform/Control.h"

namespace lymn {

// A push button in the flat look showing a small picture (the point buttons). A click is a
// left press and release over it, or Space pressed and released while it has the focus.
class TFlatButton : public Control {
  public:
    enum class State { Normal, Hot, Pressed, Default, Disabled };

    explicit TFlatButton(Control* parent);

    const Bitmap& glyph() const { return glyph_; }
    void setGlyph(const Bitmap& g);
    State state() const;
    Color fillColor() const;
    Rect glyphRect() const;

    bool acceptsFocus() const override { return true; }
    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    void mouseEnter() override;
    void mouseLeave() override;
    bool keyDown(const KeyEvent& e) override { return button_.keyPressed(e.key); }
    bool keyUp(const KeyEvent& e) override { return button_.keyReleased(e.key); }
    void focusIn() override { invalidate(); }
    void focusOut() override;
    void captureLost() override { button_.captureLost(); }

  private:
    Bitmap glyph_;
    ButtonBehavior button_;
};

}  // namespace lymn
